#pragma once
// The whole content of a test database as text, one line per row
// ("TABLE|COLUMN=value|..."), and what changed between two such dumps: so that a test
// can say that a step wrote exactly the rows it should and nothing else.
#include "db/Connection.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <algorithm>

namespace zort::test {

inline QStringList databaseDump(Connection& c) {
    QStringList tables;
    c.read(QStringLiteral("SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS "
                          "WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 AND RDB$VIEW_BLR IS NULL ORDER BY 1"),
           {}, [&](QSqlQuery& q) {
               while (q.next()) tables << q.value(0).toString();
           });
    QStringList rows;
    for (const QString& t : tables) {
        c.read(QStringLiteral("SELECT * FROM ") + t, {}, [&](QSqlQuery& q) {
            const QSqlRecord r = q.record();
            while (q.next()) {
                QString line = t;
                for (int i = 0; i < r.count(); ++i)
                    line += QLatin1Char('|') + r.fieldName(i) + QLatin1Char('=') +
                            (q.value(i).isNull() ? QStringLiteral("<null>") : q.value(i).toString());
                rows << line;
            }
        });
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

// The rows of `after` that `before` has not (as many times as they are missing).
inline QStringList rowsAdded(const QStringList& before, const QStringList& after) {
    QStringList rest = before;
    QStringList out;
    for (const QString& r : after) {
        const qsizetype i = rest.indexOf(r);
        if (i >= 0) rest.removeAt(i);
        else out << r;
    }
    return out;
}

// The "COLUMN=value" parts of a changed row that differ from its earlier version.
inline QStringList changedValues(const QString& before, const QString& after) {
    const QStringList b = before.split(QLatin1Char('|'));
    QStringList out;
    for (const QString& part : after.split(QLatin1Char('|')))
        if (!b.contains(part)) out << part;
    return out;
}

} // namespace zort::test
