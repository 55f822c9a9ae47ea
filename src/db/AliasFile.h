#pragma once
#include <QString>

namespace zort {

// The workstation's alias file "aliases.ini", beside the configuration file: one
// section per alias, whose key Database names the database, either a local file
// path (the embedded engine) or "host[/port]:path" (a Firebird server). A relative
// local path counts from the alias file's folder.
class AliasFile {
public:
    static constexpr const char* kFileName = "aliases.ini";

    explicit AliasFile(const QString& path);
    // The database an alias stands for; an alias the file does not name is passed
    // on unchanged, so that an alias of the server itself works too.
    QString resolve(const QString& alias) const;
    bool contains(const QString& alias) const;

    // Whether a database name is the server form "host[/port]:path".
    static bool isServerName(const QString& database);
    // The local file path of a database name (the path after "host:" for a server).
    static QString filePart(const QString& database);

private:
    QString m_path;
};

} // namespace zort
