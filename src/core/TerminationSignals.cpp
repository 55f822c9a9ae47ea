#include "core/TerminationSignals.h"

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace zort {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// [0] is written by the handler, [1] read by the notifier.
int g_pipe[2] = {-1, -1};

std::atomic<int> g_pending{0};
static_assert(std::atomic<int>::is_always_lock_free, "set from a signal handler");

extern "C" void onTerminationSignal(int signalNumber) {
    const int saved = errno;
    g_pending.store(signalNumber);
    const unsigned char b = static_cast<unsigned char>(signalNumber);
    // Non-blocking: a full socket (signals nobody reads) drops the byte rather than
    // stopping the program inside the handler.
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[0], &b, 1);
    errno = saved;
}

std::atomic<bool> g_deadlineSet{false};

std::function<void()> g_exitHook;
std::atomic<bool> g_exitHookArmed{false};
std::atomic<bool> g_exitHookRan{false};
int g_exitHookCode = 1;

void runExitHook() {
    if (!g_exitHookArmed.load() || g_exitHookRan.exchange(true)) return;
    // Whatever the hook meets (a database that does not answer), the process ends.
    TerminationSignals::armDeadline(g_exitHookCode, 3000);
    if (g_exitHook) {
        try {
            g_exitHook();
        } catch (...) {
            // the process ends all the same
        }
    }
    std::fflush(stdout);
    std::fflush(stderr);
    ::_exit(g_exitHookCode);
}

} // namespace

int TerminationSignals::pendingSignal() { return g_pending.load(); }

TerminationSignals& TerminationSignals::instance() {
    static TerminationSignals* one = new TerminationSignals();  // lives until the process ends
    return *one;
}

TerminationSignals::TerminationSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0) {
        std::perror("zort: socketpair");
        return;
    }
    for (int fd : g_pipe) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    m_notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readSignal);
}

void TerminationSignals::install() {
    if (g_pipe[0] < 0) return;
    struct sigaction sa {};
    sa.sa_handler = &onTerminationSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int s : kSignals) ::sigaction(s, &sa, nullptr);
}

bool TerminationSignals::installed() {
    for (int s : kSignals) {
        struct sigaction now {};
        if (::sigaction(s, nullptr, &now) != 0 || now.sa_handler != &onTerminationSignal) return false;
    }
    return true;
}

void TerminationSignals::readSignal() {
    unsigned char buf[16];
    for (;;) {
        const ssize_t n = ::read(g_pipe[1], buf, sizeof buf);
        if (n <= 0) break;
        for (ssize_t i = 0; i < n; ++i) emit received(int(buf[i]));
    }
}

void TerminationSignals::armDeadline(int exitCode, int msecs) {
    if (g_deadlineSet.exchange(true)) return;
    std::thread([exitCode, msecs] {
        std::this_thread::sleep_for(std::chrono::milliseconds(msecs));
        std::fprintf(stderr, "zort: koniec pracy programu wymuszony po %d ms\n", msecs);
        std::fflush(stdout);
        std::fflush(stderr);
        ::_exit(exitCode);
    }).detach();
}

void TerminationSignals::setExitHook(std::function<void()> hook, int exitCode) {
    g_exitHook = std::move(hook);
    g_exitHookCode = exitCode;
    g_exitHookArmed = true;
    // Handlers run in the reverse order of registration: registering again puts the
    // hook ahead of the libraries loaded since (a second run of it does nothing).
    std::atexit(&runExitHook);
}

void TerminationSignals::disarmExitHook() { g_exitHookArmed = false; }

} // namespace zort
