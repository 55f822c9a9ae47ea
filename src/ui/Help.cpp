#include "ui/Help.h"

#include "core/AppContext.h"
#include "core/UserInterface.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <cstdio>

namespace zort {
namespace {

bool tracing() {
    const QString dir = appContext().programDir;
    if (!dir.isEmpty() && QFileInfo::exists(QDir(dir).filePath(QStringLiteral("debug.debug")))) return true;
    const QStringList args = QCoreApplication::arguments();
    return args.contains(QStringLiteral("/debug")) || args.contains(QStringLiteral("-debug"));
}

} // namespace

QString Help::target(int context, const QString& file) {
    const QDir dir(appContext().programDir.isEmpty() ? QCoreApplication::applicationDirPath() : appContext().programDir);
    for (const QString& candidate : {QStringLiteral("help/%1.html").arg(context), QStringLiteral("help/index.html"), file}) {
        // The help file's name is matched without regard to case.
        for (const QFileInfo& f : dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
            if (f.fileName().compare(candidate.section('/', 0, 0), Qt::CaseInsensitive) == 0) {
                const QString path = dir.filePath(f.fileName() + (candidate.contains('/') ? QLatin1Char('/') + candidate.section('/', 1) : QString()));
                if (QFileInfo(path).isFile()) return path;
            }
    }
    return QString();
}

void Help::show(int context, const QString& file) {
    if (tracing()) std::fprintf(stderr, "zort [pomoc] plik %s, kontekst %d\n", file.toUtf8().constData(), context);
    const QString path = target(context, file);
    if (path.isEmpty()) {
        showInfo(QStringLiteral("Brak pliku pomocy %1 w folderze programu.").arg(file));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        showError(QStringLiteral("Nie można otworzyć pliku pomocy %1: brak programu, który go wyświetla.").arg(path));
}

} // namespace zort
