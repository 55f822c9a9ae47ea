#pragma once
#include <QString>

namespace zort {

// The workstation's alias file "aliases.ini", beside the configuration file: one
// section per alias, whose key Database names the database, either a local file
// path (the embedded engine) or "host[/port]:path" (a Firebird server). A relative
// local path counts from the alias file's folder. The keys User and Password may
// name the database user of an alias, in place of the module's built-in one.
class AliasFile {
public:
    static constexpr const char* kFileName = "aliases.ini";

    struct Login {
        QString user;
        QString password;
    };

    explicit AliasFile(const QString& path);
    // The database an alias stands for; an alias the file does not name is passed
    // on unchanged, so that an alias of the server itself works too.
    QString resolve(const QString& alias) const;
    bool contains(const QString& alias) const;
    // The database user and password of an alias: those the file names for it
    // (each key on its own, when not empty), else the ones given.
    Login login(const QString& alias, const QString& user, const QString& password) const;

    // Whether a database name is the server form "host[/port]:path".
    static bool isServerName(const QString& database);
    // The local file path of a database name (the path after "host:" for a server).
    static QString filePart(const QString& database);

private:
    QString m_path;
};

} // namespace zort
