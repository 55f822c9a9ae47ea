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

QString DocumentsFolder::notCreatedMessage(const QString& path) {
    return QStringLiteral("Nie udało się utworzyć katalogu:\r\n") + path +
           QStringLiteral("\r\nKatalog dokumentów zewnętrznych pozostaje bez zmian.");
}

QString DocumentsFolder::read() {
    const QVariant v = m_db.scalar(QStringLiteral(" SELECT PathDokWyp FROM OPARAM "));
    g_remembered = v.isNull() ? QString() : v.toString().trimmed();
    return g_remembered;
}

QString DocumentsFolder::remembered() { return g_remembered; }

bool DocumentsFolder::usable(const QString& path) { return !path.isEmpty() && QDir::isAbsolutePath(path); }

QString DocumentsFolder::choose(const QString& start, QWidget* parent) {
    const QString chosen = ui().chooseFolder(chooserCaption(), usable(start) ? start : QString(), parent);
    return chosen.isEmpty() ? QString() : kept(chosen);
}

bool DocumentsFolder::mayReplace(const QString& previous, const QString& path, QWidget* parent) {
    if (!usable(previous) || path == previous) return true;
    return askYesNo(changeQuestion(), changeCaption(), parent);
}

bool DocumentsFolder::store(const QString& path) {
    if (!usable(path)) return false;
    if (!QDir(path).exists() && !QDir().mkpath(path)) return false;
    const Params p{{"path", path}};
    if (m_db.execute(QStringLiteral(" UPDATE OPARAM SET PathDokWyp = :path "), p) == 0)
        m_db.execute(QStringLiteral("INSERT INTO OPARAM (ID, PathDokWyp) VALUES (1, :path)"), p);
    g_remembered = path;
    return true;
}

QString DocumentsFolder::chooseAndStore(const QString& current, QWidget* parent) {
    const QString path = choose(current, parent);
    if (path.isEmpty() || path == current) return current;
    if (!mayReplace(current, path, parent)) return current;
    if (!store(path)) {
        showBox(notCreatedMessage(path), QStringLiteral("Uwaga!"), MsgIcon::Error, parent);
        return current;
    }
    return path;
}

} // namespace zort
