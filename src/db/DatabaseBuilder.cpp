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
    static const QRegularExpression re(QStringLiteral("^[A-Za-z][A-Za-z0-9_$]{0,30}$"));
    return re.match(name).hasMatch();
}

namespace {
void requirePlainUserName(const QString& name) {
    // Names of users cannot be bound: only a plain identifier goes into the statements.
    if (!DatabaseBuilder::isPlainUserName(name))
        throw DbError(QStringLiteral("Nieprawidłowa nazwa użytkownika bazy danych: %1").arg(name));
}
} // namespace

void DatabaseBuilder::grantToUser(Connection& c, const QString& userName) {
    requirePlainUserName(userName);
    const QString user = userName.toUpper();
    if (c.userName().compare(user, Qt::CaseInsensitive) == 0) return;  // the owner has every right
    Dataset tables(&c, QStringLiteral("SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS "
                                      "WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0"));
    tables.open();
    for (tables.first(); !tables.eof(); tables.next())
        c.execute(QStringLiteral("GRANT ALL ON %1 TO %2").arg(tables.field(0).asTrimmed(), user));
    Dataset gens(&c, QStringLiteral("SELECT TRIM(RDB$GENERATOR_NAME) FROM RDB$GENERATORS "
                                    "WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0"));
    gens.open();
    for (gens.first(); !gens.eof(); gens.next())
        c.execute(QStringLiteral("GRANT USAGE ON GENERATOR %1 TO %2").arg(gens.field(0).asTrimmed(), user));
    // The module makes its temporary tables (the visible structure of a user, the
    // positions of a summary) and drops them again.
    c.execute(QStringLiteral("GRANT CREATE TABLE TO USER %1").arg(user));
}

void DatabaseBuilder::createConnectionUser(Connection& c, const QString& name, const QString& password) {
    requirePlainUserName(name);
    if (password.isEmpty()) throw DbError(QStringLiteral("Hasło użytkownika bazy danych nie może być puste."));
    // The password travels as a parameter; the block quotes it as the literal that
    // the user statement needs.
    auto block = [&](const char* verb) {
        return QStringLiteral("EXECUTE BLOCK (HASLO VARCHAR(64) CHARACTER SET UTF8 = :Haslo) AS BEGIN "
                              "EXECUTE STATEMENT '%1 USER %2 PASSWORD ''' || REPLACE(HASLO, '''', '''''') || ''''; "
                              "END")
            .arg(QLatin1String(verb), name.toUpper());
    };
    const Params p{{"Haslo", password}};
    try {
        Transaction t(c);
        c.execute(block("CREATE"), p);
        t.commit();
    } catch (const DbError& e) {
        if (!e.message().contains(QStringLiteral("already exists"), Qt::CaseInsensitive)) throw;
        Transaction t(c);
        c.execute(block("ALTER"), p);
        t.commit();
    }
}

} // namespace zort
