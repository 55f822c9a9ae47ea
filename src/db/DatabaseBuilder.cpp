#include "db/DatabaseBuilder.h"

#include "db/Connection.h"
#include "db/FbAdmin.h"
#include "db/Dataset.h"
#include "db/ReferenceData.h"
#include "db/SqlScript.h"

#include <QRegularExpression>
#include <QUuid>

namespace zort {

void DatabaseBuilder::create(const QString& database, const Options& options) {
    FbAdmin::createDatabase(database, options.user, options.password);
    try {
        fill(database, options);
    } catch (...) {
        // A database that could not be completed is not left behind: it would be
        // taken for a good one, and a new attempt would refuse to overwrite it.
        try {
            FbAdmin::dropDatabase(database, options.user, options.password);
        } catch (const DbError&) {
        }
        throw;
    }
}

void DatabaseBuilder::fill(const QString& database, const Options& options) {
    Connection c(QStringLiteral("zortdb-") + QUuid::createUuid().toString(QUuid::Id128));
    c.open(database, options.user, options.password);
    createSchema(c);
    Transaction t(c);
    insertSystemRows(c);
    loadReferenceData(c);
    if (options.extraRows) options.extraRows(c);
    t.commit();
    grantToModuleUser(c);
    c.close();
}

void DatabaseBuilder::createSchema(Connection& c) {
    // One transaction for the whole script: a new database has nothing to lose.
    Transaction t(c);
    SqlScript::run(c, SqlScript::readResource(QStringLiteral(":/zort/schema.sql")));
    t.commit();
}

void DatabaseBuilder::insertSystemRows(Connection& c) {
    c.execute(QStringLiteral("INSERT INTO ADOSTEP (WERSJA, BLOKADA) VALUES ('zort92', 0)"));
    c.execute(QStringLiteral("INSERT INTO AWERSJAMOD (MODUL, NUMER) VALUES ('zortwyp', 1)"));
    c.execute(QStringLiteral("INSERT INTO OPARAM (ID, POLITYKAHASEL, PATHDOKWYP, PATHOBIEG) VALUES (1, 0, '', '')"));
}

void DatabaseBuilder::loadReferenceData(Connection& c) {
    ReferenceData::loadAll(c);
}

void DatabaseBuilder::grantToModuleUser(Connection& c) { grantToUser(c, QString::fromLatin1(kDbUser)); }

bool DatabaseBuilder::isPlainUserName(const QString& name) {
    static const QRegularExpression re(QStringLiteral("^[A-Za-z][A-Za-z0-9_]{0,30}$"));
    return re.match(name).hasMatch();
}

namespace {
// Names of users and the passwords of user statements cannot be bound as parameters:
// a name goes into the statements only as a checked plain identifier, in upper case
// and quoted; a password only as a string literal with its apostrophes doubled.
QString quotedUserName(const QString& name) {
    if (!DatabaseBuilder::isPlainUserName(name))
        throw DbError(QStringLiteral("Nieprawidłowa nazwa użytkownika bazy danych: %1 (dozwolone są litery, cyfry "
                                     "i „_”, na początku litera, najwyżej 31 znaków).")
                          .arg(name));
    return QLatin1Char('"') + name.toUpper() + QLatin1Char('"');
}

QString quotedIdentifier(const QString& name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString passwordLiteral(const QString& password) {
    if (password.isEmpty()) throw DbError(QStringLiteral("Hasło użytkownika bazy danych nie może być puste."));
    for (const QChar ch : password) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7f)
            throw DbError(QStringLiteral("Hasło użytkownika bazy danych nie może zawierać znaków sterujących."));
    }
    Connection::checkStorable(password);
    return QLatin1Char('\'') + QString(password).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}
} // namespace

void DatabaseBuilder::grantToUser(Connection& c, const QString& userName) {
    const QString user = quotedUserName(userName);
    if (c.userName().compare(userName, Qt::CaseInsensitive) == 0) return;  // the owner has every right
    Dataset tables(&c, QStringLiteral("SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS "
                                      "WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0"));
    tables.open();
    for (tables.first(); !tables.eof(); tables.next())
        c.execute(QStringLiteral("GRANT ALL ON %1 TO %2").arg(quotedIdentifier(tables.field(0).asTrimmed()), user));
    Dataset gens(&c, QStringLiteral("SELECT TRIM(RDB$GENERATOR_NAME) FROM RDB$GENERATORS "
                                    "WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0"));
    gens.open();
    for (gens.first(); !gens.eof(); gens.next())
        c.execute(QStringLiteral("GRANT USAGE ON GENERATOR %1 TO %2").arg(quotedIdentifier(gens.field(0).asTrimmed()), user));
    // The module makes its temporary tables (the visible structure of a user, the
    // positions of a summary) and drops them again.
    c.execute(QStringLiteral("GRANT CREATE TABLE TO USER %1").arg(user));
}

void DatabaseBuilder::createConnectionUser(Connection& c, const QString& name, const QString& password) {
    // One plain statement (no parameters: the server takes none in user statements),
    // which creates the user or gives an existing one the new password.
    c.execute(QStringLiteral("CREATE OR ALTER USER %1 PASSWORD %2").arg(quotedUserName(name), passwordLiteral(password)));
}

} // namespace zort
