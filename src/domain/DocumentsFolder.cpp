#include "domain/DocumentsFolder.h"

#include "core/UserInterface.h"
#include "db/Connection.h"

#include <QDir>

namespace zort {
namespace {

QString g_remembered;

// A path as it is kept: native separators, no trailing separator (a root stays whole).
QString kept(const QString& path) {
    QString p = QDir::toNativeSeparators(QDir::cleanPath(path));
    while (p.size() > 1 && (p.endsWith(QLatin1Char('/')) || p.endsWith(QLatin1Char('\\'))) &&
           !p.endsWith(QLatin1String(":\\")))
        p.chop(1);
    return p;
}

} // namespace

QString DocumentsFolder::chooserCaption() { return QStringLiteral("Wybierz katalog dla dokumentów zewnętrznych :"); }

QString DocumentsFolder::changeQuestion() {
    return QStringLiteral("Nazwa katalogu jest inna niż poprzednio ustalona !!! \rInformacja o lokalizacji dokumentów "
                          "zewnętrznych zostannie utracona !!!\rCzy dokonać zmiany nazwy katalogu ?");
}

QString DocumentsFolder::changeCaption() { return QStringLiteral("Czy dokonać zmiany nazwy katalogu ?"); }

QString DocumentsFolder::read() {
    const QVariant v = m_db.scalar(QStringLiteral(" SELECT PathDokWyp FROM OPARAM "));
    g_remembered = v.isNull() ? QString() : v.toString().trimmed();
    return g_remembered;
}

QString DocumentsFolder::remembered() { return g_remembered; }

QString DocumentsFolder::chooseAndStore(const QString& current, QWidget* parent) {
    const QString chosen = ui().chooseFolder(chooserCaption(), current, parent);
    if (chosen.isEmpty()) return current;
    const QString path = kept(chosen);
    if (path == current) return current;
    if (!current.isEmpty() && !askYesNo(changeQuestion(), changeCaption(), parent)) return current;
    return store(path) ? path : current;
}

bool DocumentsFolder::store(const QString& path) {
    if (!QDir(path).exists() && !QDir().mkpath(path)) return false;
    const Params p{{"path", path}};
    if (m_db.execute(QStringLiteral(" UPDATE OPARAM SET PathDokWyp = :path "), p) == 0)
        m_db.execute(QStringLiteral("INSERT INTO OPARAM (ID, PathDokWyp) VALUES (1, :path)"), p);
    g_remembered = path;
    return true;
}

} // namespace zort
