#include "db/NumberLock.h"

#include "db/Connection.h"

#include <QRandomGenerator>
#include <QThread>

namespace zort {
namespace {

// Restarts before a conflict is given up and reported.
constexpr int kAttempts = 200;

void takeLock(Connection& c, const QString& table) {
    const Params p{{"Tabela", table}};
    if (c.execute(QStringLiteral("UPDATE SKWNUMERACJA SET ZMIANY = ZMIANY + 1 WHERE TABELA = :Tabela"), p) > 0) return;
    // The first insertion into the table: its lock row is created now (a second
    // workstation doing the same meets the duplicate key and restarts).
    c.execute(QStringLiteral("INSERT INTO SKWNUMERACJA (TABELA, ZMIANY) VALUES (:Tabela, 1)"), p);
}

bool isMissingLockTable(const QString& message) {
    return message.contains(QStringLiteral("Table unknown"), Qt::CaseInsensitive) &&
           message.contains(QStringLiteral("SKWNUMERACJA"), Qt::CaseInsensitive);
}

} // namespace

bool NumberLock::isConflict(const QString& message) {
    static const char* const kinds[] = {"update conflict", "deadlock", "lock conflict", "lock time-out",
                                        "PRIMARY or UNIQUE KEY"};
    for (const char* k : kinds)
        if (message.contains(QLatin1String(k), Qt::CaseInsensitive)) return true;
    return false;
}

void NumberLock::run(Connection& c, const QStringList& tables, const std::function<void()>& work) {
    bool tableCreated = false;
    for (int attempt = 1;; ++attempt) {
        try {
            Transaction t(c);
            for (const QString& table : tables) takeLock(c, table);
            work();
            t.commit();
            return;
        } catch (const DbError& e) {
            if (!tableCreated && isMissingLockTable(e.message())) {
                // A database made before the lock table existed. Another workstation
                // may be making it at the same moment: then its table serves; when the
                // table really cannot be made, the next attempt fails as before.
                try {
                    c.execute(QStringLiteral("CREATE TABLE SKWNUMERACJA (TABELA VARCHAR(31) NOT NULL, ZMIANY INTEGER, "
                                             "CONSTRAINT PK_SKWNUMERACJA PRIMARY KEY (TABELA))"));
                } catch (const DbError&) {
                }
                tableCreated = true;
                continue;
            }
            if (!isConflict(e.message()) || attempt >= kAttempts) throw;
        }
        // Let the other workstation finish before trying again.
        QThread::usleep(500 + QRandomGenerator::global()->bounded(2000));
    }
}

} // namespace zort
