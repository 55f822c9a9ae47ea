#pragma once
#include <QString>
#include <QStringList>

namespace zort {

class Connection;

// An SQL script in the form isql reads: statements end with ";" (or with the
// terminator a "SET TERM" line sets, for triggers), "--" starts a comment line.
class SqlScript {
public:
    static QStringList split(const QString& script);
    // Runs every statement; a failing statement throws DbError naming it.
    static void run(Connection& c, const QString& script);
    static QString readResource(const QString& path);
};

} // namespace zort
