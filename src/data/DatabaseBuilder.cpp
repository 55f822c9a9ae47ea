#include "data/DatabaseBuilder.h"

#include "data/Connection.h"
#include "data/FbAdmin.h"
#include "data/SqlScript.h"

#include <QUuid>

namespace zort {

void DatabaseBuilder::create(const QString& database, const Options& options) {
    FbAdmin::createDatabase(database, options.user, options.password);
    Connection c(QStringLiteral("zortdb-") + QUuid::createUuid().toString(QUuid::Id128));
    c.open(database, options.user, options.password);
    createSchema(c);
    insertSystemRows(c);
    loadReferenceData(c);
    if (options.demo) loadDemoData(c);
    grantToModuleUser(c);
    c.close();
}

void DatabaseBuilder::createSchema(Connection& c) {
    SqlScript::run(c, SqlScript::readResource(QStringLiteral(":/zort/schema.sql")));
}

void DatabaseBuilder::insertSystemRows(Connection& c) {}
void DatabaseBuilder::loadReferenceData(Connection& c) {}
void DatabaseBuilder::loadDemoData(Connection& c) {}
void DatabaseBuilder::grantToModuleUser(Connection& c) {}

} // namespace zort
