#pragma once
#include <QString>

namespace zort {

// What the client library offers beyond Qt's driver: creating a database file.
class FbAdmin {
public:
    // Creates an empty database (dialect 3, character set WIN1250 with Polish
    // collation) at a local path or "host[/port]:path". Throws DbError; never
    // overwrites an existing local file.
    static void createDatabase(const QString& database, const QString& user, const QString& password);
    // Removes a database (a local file or one on a server); nobody may be attached.
    static void dropDatabase(const QString& database, const QString& user, const QString& password);
};

} // namespace zort
