#include "db/NumberLock.h"

#include "db/Connection.h"
#include "db/DatabaseWait.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QThread>
#include <algorithm>

namespace zort {
namespace {

// Qt's Firebird driver starts every transaction with the engine's defaults
// (snapshot, wait): an UPDATE of a lock row that another transaction holds waits for
// its end (bounded and shown by the access layer's waiting, which the user may stop),
// and when that transaction committed, the waiting one meets an update conflict and
// restarts with a new snapshot. Under several busy workstations a transaction may
// lose that race many times in a row, so what bounds the restarts is time, not their
// number: a workstation gives up when it has not got the lock within the waiting
// limit of the access layer.

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

QString NumberLock::cancelledMessage(WaitReason reason) {
    return reason == WaitReason::NoAnswer
               ? QStringLiteral("Nie można nadać numeru: baza danych nie odpowiada. Nic nie zostało dodane.")
               : QStringLiteral("Nie można nadać numeru: numeracja jest zablokowana przez inny komputer. "
                                "Nic nie zostało dodane.");
}

bool NumberLock::isConflict(const QString& message) {
    static const char* const kinds[] = {"update conflict", "deadlock", "lock conflict", "lock time-out",
                                        "PRIMARY or UNIQUE KEY"};
    for (const char* k : kinds)
        if (message.contains(QLatin1String(k), Qt::CaseInsensitive)) return true;
    return false;
}

void NumberLock::run(Connection& c, const QStringList& tables, const std::function<void()>& work) {
    bool tableCreated = false;
    QElapsedTimer waiting;
    waiting.start();
    for (int attempt = 1;; ++attempt) {
        try {
            Transaction t(c);
            for (const QString& table : tables) takeLock(c, table);
            work();
            t.commit();
            return;
        } catch (const WaitCancelled& e) {
            // Nothing was added: the numbers could not be given.
            throw WaitCancelled(cancelledMessage(e.waitReason()), e.waitReason());
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
            if (!isConflict(e.message())) throw;
            if (waiting.elapsed() >= DatabaseWait::limit())
                throw WaitCancelled(cancelledMessage(WaitReason::Lock), WaitReason::Lock);
        }
        // A short pause, growing a little with every lost round, so that the
        // workstations that lost together do not start again together.
        QThread::usleep(100 + QRandomGenerator::global()->bounded(200 * std::min(attempt, 25)));
    }
}

} // namespace zort
