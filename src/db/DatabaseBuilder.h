#pragma once
#include <QString>
#include <functional>

namespace zort {

class Connection;

// The connection user of the module and its password: every workstation connects
// to the shared database as this user.
inline constexpr const char* kDbUser = "kwel";
inline constexpr const char* kDbPassword = "pxqv";

// Creates databases of the module: the schema, the suite's system rows, the real
// reference dictionaries, and on request further rows (the demo data).
class DatabaseBuilder {
public:
    struct Options {
        // Rows added in the same transaction after the reference data (the demo data).
        std::function<void(Connection&)> extraRows;
        // Owner of a new database on a server (local files are owned by kDbUser).
        QString user = QString::fromLatin1(kDbUser);
        QString password = QString::fromLatin1(kDbPassword);
    };

    // Creates the database file (or the database on a server) and fills it.
    static void create(const QString& database, const Options& options);

    // The steps of create(), on an open connection to an empty database.
    static void createSchema(Connection& c);
    static void insertSystemRows(Connection& c);
    static void loadReferenceData(Connection& c);
    static void grantToModuleUser(Connection& c);
    // The rights the module needs, given to a database user: every right on the
    // tables, the generators, and the right to create (temporary) tables.
    static void grantToUser(Connection& c, const QString& user);

    // A connection user of an installation (on a server, through any of its
    // databases, as its administrator): created, or given the new password when it
    // exists. The name must be a plain identifier (letters, digits and "_",
    // beginning with a letter, at most 31 characters); the password must not be
    // empty nor hold control characters.
    static void createConnectionUser(Connection& c, const QString& name, const QString& password);
    static bool isPlainUserName(const QString& name);

private:
    static void fill(const QString& database, const Options& options);
};

} // namespace zort
