#pragma once
#include "db/DatabaseWait.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace zort {

class Connection;

// Keys and numbers are the largest existing one plus 1. So that two workstations
// adding at the same moment never read the same maximum, the read and the insertion
// run in one transaction that first updates the lock row of each numbered table
// (table SKWNUMERACJA): a second workstation waits for the first one's commit, and
// its transaction then restarts and sees the first one's row. A key that another
// writer took meanwhile (a key collision) restarts the work as well.
class NumberLock {
public:
    // Runs the work in one transaction holding the locks of the tables, in the
    // order given. A lock held by another workstation is waited for; on a conflict
    // the work restarts, within the access layer's waiting limit. A wait that was
    // given up throws WaitCancelled with cancelledMessage(); other errors roll back
    // and throw.
    static void run(Connection& c, const QStringList& tables, const std::function<void()>& work);

    // Whether a database error is a conflict with another transaction (lock wait
    // lost, update conflict, duplicate key) after which the work may run again.
    static bool isConflict(const QString& message);
    // The failure of an addition whose numbers could not be given in time.
    static QString cancelledMessage(WaitReason reason);
};

} // namespace zort
