#include "db/AliasFile.h"

#include "core/IniDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace zort {

AliasFile::AliasFile(const QString& path) : m_path(path) {}

bool AliasFile::contains(const QString& alias) const {
    IniDocument ini(m_path);
    return ini.hasKey(alias, QStringLiteral("Database"));
}

QString AliasFile::resolve(const QString& alias) const {
    IniDocument ini(m_path);
    const QString db = ini.value(alias, QStringLiteral("Database")).trimmed();
    if (db.isEmpty()) return alias;
    if (isServerName(db) || QDir::isAbsolutePath(db)) return db;
    return QDir::cleanPath(QFileInfo(m_path).absoluteDir().filePath(db));
}

AliasFile::Login AliasFile::login(const QString& alias, const QString& user, const QString& password) const {
    IniDocument ini(m_path);
    Login out{user, password};
    const QString ownUser = ini.value(alias, QStringLiteral("User")).trimmed();
    if (!ownUser.isEmpty()) out.user = ownUser;
    const QString ownPassword = ini.value(alias, QStringLiteral("Password"));
    if (!ownPassword.isEmpty()) out.password = ownPassword;
    return out;
}

bool AliasFile::isServerName(const QString& database) {
    static const QRegularExpression re(QStringLiteral("^[^:/\\\\]{2,}(/[0-9A-Za-z_]+)?:.+$"));
    return !database.startsWith('/') && re.match(database).hasMatch();
}

QString AliasFile::filePart(const QString& database) {
    if (!isServerName(database)) return database;
    return database.mid(database.indexOf(':') + 1);
}

} // namespace zort
