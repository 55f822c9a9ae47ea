#pragma once
#include "db/DbError.h"

#include <QString>
#include <functional>

namespace zort {

class Connection;

// What a call of the database waits for, as far as can be told: a row that another
// workstation's transaction holds (the database answers, only this statement
// waits), or a database that does not answer at all.
enum class WaitReason { Unknown, Lock, NoAnswer };

struct WaitState {
    QString database;  // the database waited for
    int elapsedMs = 0;
    int limitMs = 0;
    WaitReason reason = WaitReason::Unknown;
};

// A call of the database that was given up: the user stopped it ("Przerwij"), it
// waited longer than the limit, or the program is ending. Nothing of it was written;
// a transaction it belonged to is rolled back by its owner.
class WaitCancelled : public DbError {
public:
    WaitCancelled(const QString& message, WaitReason reason) : DbError(message), m_reason(reason) {}
    WaitReason waitReason() const { return m_reason; }

private:
    WaitReason m_reason;
};

// Waiting for the database, bounded and visible. Every call of the database client
// that may wait (running a statement and reading its rows, starting, committing or
// rolling back a transaction) runs on a thread of the access layer while the calling
// thread waits for it. After a quiet time the watcher (a waiting window the user
// interface installs) is told what is waited for, again and again, and may stop the
// wait; at the limit, on the watcher's word, or when the program is asked to end,
// the call is cancelled through the client library (a database that does not even
// answer the cancellation has its connection closed) and WaitCancelled is thrown.
// The layer itself never shows anything.
class DatabaseWait {
public:
    class Watcher {
    public:
        virtual ~Watcher() = default;
        // The call has waited longer than the quiet time; called about every 100 ms
        // for as long as it lasts. False stops the wait.
        virtual bool waiting(const WaitState& state) = 0;
        // The call waited for is over (done, failed or cancelled).
        virtual void over() = 0;
    };

    // The watcher of the process (null: the calls are waited for silently, still
    // bounded by the limit).
    static void setWatcher(Watcher* watcher);
    static Watcher* watcher();
    // How long a call may wait before it is cancelled (default 30 s), and how long
    // it waits before the watcher is told (default 2 s).
    static void setLimit(int msecs);
    static int limit();
    static void setQuietTime(int msecs);
    static int quietTime();

    // From now on every call runs at once on the calling thread, unwatched: the end
    // of a process that the toolkit ends from inside, when the threads of the layer
    // are already gone.
    static void runDirectlyFromNowOn();

    // Runs a call of the client library for the connection as described above. A
    // call made from inside another one runs at once. Returns whether the call was
    // cancelled (it then failed, or finished before the cancellation reached it);
    // the reason in `reason`.
    static bool run(Connection& connection, const std::function<void()>& call, WaitReason* reason = nullptr);

    // The texts of what is waited for and of a cancelled wait.
    static QString waitingText(WaitReason reason);
    static QString cancelledText(WaitReason reason);
};

} // namespace zort
