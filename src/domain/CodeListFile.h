#pragma once
#include "domain/CodeTables.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace zort {

class Connection;

// A code list as a tab-separated text file, the form the lists of the statistical
// card are handed out in: UTF-8, one header line, then per line the code, the code
// of its parent, the level and the name. A code written "grp:…" is a group heading;
// it is stored (and referred to by its children) without the prefix. Parents come
// before their children, so a list can be loaded in one pass.
//
// Loading checks every line first and writes nothing when one is wrong; the message
// names the line (the header is line 1).
class CodeListFile {
public:
    struct Row {
        int line = 0;        // line of the file (1 is the header), 0 for rows not from a file
        QString code;        // without "grp:"
        QString parentCode;  // without "grp:"; empty at the top
        int level = 0;
        QString name;
        bool operator==(const Row&) const = default;
    };

    // The rows of a file; throws Error when it cannot be read, is not UTF-8, or a line
    // has too few fields, no code or a level that is not a whole number from 0 up.
    static std::vector<Row> read(const QString& path);
    // The same for the contents of a file.
    static std::vector<Row> parse(const QByteArray& contents);

    // Throws Error naming the first line that the table cannot take: a code given
    // twice, a parent that no earlier line defines, a level that does not follow the
    // parent's, a text longer than its column or with characters Windows-1250 lacks;
    // for a flat list any parent or level other than 0. Also refuses a list without rows.
    static void check(const std::vector<Row>& rows, const CodeTable& table);

    // Checks the rows and writes them into the table in one transaction: numbered
    // from 1 in their order, each pointing to its parent's number (0 at the top), the
    // short name cut from the name. A table that has rows is emptied first when
    // replace is set and refused otherwise. Returns the rows written.
    static int import(Connection& c, const CodeTable& table, const std::vector<Row>& rows, bool replace);

    // The rows of the table in file order: by id, but each parent before its
    // children (so a list loaded by import comes back in the order it was loaded and
    // gets the same ids when loaded again). A parent id naming no row gives an empty
    // parent code.
    static std::vector<Row> rowsOf(Connection& c, const CodeTable& table);
    // The file text of rows, header included.
    static QByteArray format(const std::vector<Row>& rows);
    // Writes the table's rows into a file (replacing it); returns the rows written.
    static int exportTo(Connection& c, const CodeTable& table, const QString& path);

    // "1 wiersz", "3 wiersze", "12 wierszy".
    static QString rowCountText(int n);
};

} // namespace zort
