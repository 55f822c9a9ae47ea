#pragma once
// Rows of a classification tree table written by a test (the table emptied first;
// the code tables get the name as their short name too).
#include "db/Connection.h"

#include <QString>
#include <vector>

namespace zort::test {

struct TreeRow {
    int id, parent, level;
    const char* code;
    const char* name;
};

inline void fillTree(Connection& c, const QString& table, const std::vector<TreeRow>& rows) {
    c.execute(QStringLiteral("DELETE FROM ") + table);
    const bool withShort = !table.startsWith(QLatin1String("DNEW"), Qt::CaseInsensitive);
    for (const TreeRow& r : rows)
        c.execute(QStringLiteral("INSERT INTO %1 (ID, IDRODZ, NRPOZ, KOD, NAZWA%2) VALUES (:i, :p, :l, :k, :n%3)")
                      .arg(table, withShort ? QStringLiteral(", SKROT") : QString(), withShort ? QStringLiteral(", :n") : QString()),
                  Params{{"i", r.id}, {"p", r.parent}, {"l", r.level}, {"k", QString::fromUtf8(r.code)},
                         {"n", QString::fromUtf8(r.name)}});
}

} // namespace zort::test
