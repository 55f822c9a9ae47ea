#include "db/DatabaseWait.h"

#include "core/TerminationSignals.h"
#include "db/Connection.h"

#include <QElapsedTimer>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

namespace zort {
namespace {

std::atomic<DatabaseWait::Watcher*> g_watcher{nullptr};
std::atomic<int> g_limitMs{30000};
std::atomic<int> g_quietMs{2000};
std::atomic<bool> g_direct{false};

// How long the database may take to answer a fresh connection before it counts as
// not answering, and when that question is asked.
constexpr int kProbeAfterMs = 1000;
constexpr int kProbeDeadlineMs = 1500;
// A cancelled call normally returns at once; one that does not (the database does
// not answer the cancellation either) has its connection closed after this long,
// which ends the call.
constexpr int kAbortAfterMs = 2000;
constexpr auto kSlice = std::chrono::milliseconds(50);

thread_local bool t_onWorker = false;

// One call handed to the worker.
struct Job {
    std::function<void()> call;
    std::mutex m;
    std::condition_variable cv;
    bool done = false;
    std::exception_ptr error;

    bool waitFor(std::chrono::milliseconds d) {
        std::unique_lock<std::mutex> lock(m);
        return cv.wait_for(lock, d, [this] { return done; });
    }
};

// The thread the calls of the database client run on for one calling thread, one
// call at a time; it ends with the thread it serves.
class Worker {
public:
    Worker() : m_thread([this] { loop(); }) {}
    ~Worker() {
        {
            std::lock_guard<std::mutex> lock(m_m);
            m_stop = true;
        }
        m_cv.notify_one();
        m_thread.join();
    }

    std::shared_ptr<Job> start(const std::function<void()>& call) {
        auto job = std::make_shared<Job>();
        job->call = call;
        {
            std::lock_guard<std::mutex> lock(m_m);
            m_job = job;
        }
        m_cv.notify_one();
        return job;
    }

private:
    void loop() {
        t_onWorker = true;
        for (;;) {
            std::shared_ptr<Job> job;
            {
                std::unique_lock<std::mutex> lock(m_m);
                m_cv.wait(lock, [&] { return m_stop || m_job != nullptr; });
                if (!m_job) return;
                job.swap(m_job);
            }
            std::exception_ptr error;
            try {
                job->call();
            } catch (...) {
                error = std::current_exception();
            }
            {
                std::lock_guard<std::mutex> lock(job->m);
                job->error = error;
                job->done = true;
                job->call = nullptr;
            }
            job->cv.notify_all();
        }
    }

    std::mutex m_m;
    std::condition_variable m_cv;
    std::shared_ptr<Job> m_job;
    bool m_stop = false;
    std::thread m_thread;  // last: started when the rest is ready
};

thread_local std::unique_ptr<Worker> t_worker;
thread_local bool t_busy = false;

Worker& worker() {
    if (!t_worker) t_worker = std::make_unique<Worker>();
    return *t_worker;
}

// Whether the database answers a fresh connection: asked on a thread of its own.
struct Probe {
    std::mutex m;
    bool done = false;
    bool answered = false;
};

std::shared_ptr<Probe> startProbe(const Connection& c) {
    auto probe = std::make_shared<Probe>();
    const QString database = c.databaseName(), user = c.userName(), password = c.password();
    std::thread([probe, database, user, password] {
        const bool answered = Connection::answers(database, user, password, kProbeDeadlineMs);
        std::lock_guard<std::mutex> lock(probe->m);
        probe->done = true;
        probe->answered = answered;
    }).detach();
    return probe;
}

} // namespace

void DatabaseWait::runDirectlyFromNowOn() { g_direct = true; }

void DatabaseWait::setWatcher(Watcher* watcher) { g_watcher = watcher; }

DatabaseWait::Watcher* DatabaseWait::watcher() { return g_watcher; }

void DatabaseWait::setLimit(int msecs) { g_limitMs = msecs > 0 ? msecs : 30000; }

int DatabaseWait::limit() { return g_limitMs; }

void DatabaseWait::setQuietTime(int msecs) { g_quietMs = msecs >= 0 ? msecs : 2000; }

int DatabaseWait::quietTime() { return g_quietMs; }

QString DatabaseWait::waitingText(WaitReason reason) {
    switch (reason) {
    case WaitReason::Lock:
        return QStringLiteral("Rekord jest zablokowany przez inny komputer. Program czeka na jego zwolnienie.");
    case WaitReason::NoAnswer: return QStringLiteral("Baza danych nie odpowiada. Program czeka na jej odpowiedź.");
    case WaitReason::Unknown: break;
    }
    return QStringLiteral("Program czeka na bazę danych.");
}

QString DatabaseWait::cancelledText(WaitReason reason) {
    switch (reason) {
    case WaitReason::Lock:
        return QStringLiteral("Operacja przerwana: rekord jest zablokowany przez inny komputer. Nic nie zostało zapisane.");
    case WaitReason::NoAnswer:
        return QStringLiteral("Operacja przerwana: baza danych nie odpowiada. Nic nie zostało zapisane.");
    case WaitReason::Unknown: break;
    }
    return QStringLiteral("Operacja przerwana: baza danych nie odpowiedziała w wyznaczonym czasie. Nic nie zostało "
                          "zapisane.");
}

bool DatabaseWait::run(Connection& c, const std::function<void()>& call, WaitReason* reasonOut) {
    if (t_onWorker || g_direct) {
        call();
        return false;
    }
    // A window's event that asks the database while a call is waited for (a timer)
    // must not cut in: the connection is busy.
    if (t_busy) throw DbError(QStringLiteral("Baza danych jest zajęta: program czeka na poprzednią operację."));
    t_busy = true;
    struct Free {
        ~Free() { t_busy = false; }
    } free;
    const std::shared_ptr<Job> job = worker().start(call);
    QElapsedTimer clock;
    clock.start();
    std::shared_ptr<Probe> probe;
    WaitReason reason = WaitReason::Unknown;
    Watcher* told = nullptr;
    qint64 cancelledAt = -1;
    bool aborted = false;
    while (!job->waitFor(kSlice)) {
        const qint64 elapsed = clock.elapsed();
        if (cancelledAt >= 0) {
            // The call was cancelled: it returns as soon as the database lets it.
            if (!aborted && elapsed - cancelledAt >= kAbortAfterMs) {
                c.cancelCall(true);
                aborted = true;
            }
            continue;
        }
        if (!probe && elapsed >= kProbeAfterMs) probe = startProbe(c);
        if (probe && reason == WaitReason::Unknown) {
            std::lock_guard<std::mutex> lock(probe->m);
            if (probe->done) reason = probe->answered ? WaitReason::Lock : WaitReason::NoAnswer;
            else if (elapsed >= kProbeAfterMs + kProbeDeadlineMs) reason = WaitReason::NoAnswer;
        }
        bool stop = elapsed >= g_limitMs || TerminationSignals::pendingSignal() != 0;
        if (!stop && elapsed >= g_quietMs) {
            if (Watcher* w = g_watcher) {
                told = w;
                stop = !w->waiting({c.databaseName(), int(elapsed), g_limitMs, reason});
            }
        }
        if (stop) {
            c.cancelCall(false);
            cancelledAt = elapsed;
        }
    }
    if (told) told->over();
    std::exception_ptr error;
    {
        std::lock_guard<std::mutex> lock(job->m);
        error = job->error;
    }
    if (reasonOut) *reasonOut = reason;
    if (cancelledAt >= 0 && error) throw WaitCancelled(cancelledText(reason), reason);
    if (error) std::rethrow_exception(error);
    return cancelledAt >= 0;
}

} // namespace zort
