#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace zort {

bool installQtTranslations(const QString& programDir) {
    static QTranslator* installed = nullptr;
    if (installed) return true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString name = QStringLiteral("qtbase_pl");
    QStringList folders{QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    if (!programDir.isEmpty()) folders << QDir(programDir).filePath(QStringLiteral("translations"));
    for (const QString& folder : folders) {
        if (translator->load(name, folder) && QCoreApplication::installTranslator(translator)) {
            installed = translator;
            return true;
        }
    }
    delete translator;
    return false;
}

} // namespace zort
