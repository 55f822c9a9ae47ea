#pragma once
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace zort {

// The requests of the system to end the program (SIGTERM at a logout or from kill,
// SIGINT from Ctrl+C, SIGHUP when the terminal goes away), delivered through the
// event loop: the handler only writes the signal's number into a socket pair, and
// a notifier on the other end emits received() on the main thread, where the run
// may do its work (give back the takes, close the connections).
//
// The database client library puts its own handlers in place when it opens its
// first connection (and would drop the connection behind the program's back), so
// install() is called after that and may be called again at any time.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    static TerminationSignals& instance();

    // Puts the handlers of SIGTERM, SIGINT and SIGHUP in place (again).
    void install();
    // Whether the handlers of this class are the ones in place for all three.
    static bool installed();

    // The signal the process was asked to end by, 0 before any: set at once by the
    // handler, so that work that waits (for the database) can give up before the
    // event loop delivers received().
    static int pendingSignal();

    // The exit status of a run ended by a signal: 128 + its number.
    static int exitCodeFor(int signalNumber) { return 128 + signalNumber; }

    // Ends the process with the status after the given time, whatever the program is
    // doing then (a run that does not manage to end by itself). The first deadline
    // set stays.
    static void armDeadline(int exitCode, int msecs);

    // The end of a process that the toolkit ends from inside (exit() after the display
    // is gone): the hook runs once, at the start of the process's exit, before any
    // library tears itself down, and then the process ends at once with the status
    // (the database engine's own shutdown is skipped: it would never finish). Call it
    // after the database client is loaded; calling it again moves the hook ahead of
    // what was registered in between. disarmExitHook() before a normal end.
    static void setExitHook(std::function<void()> hook, int exitCode);
    static void disarmExitHook();

signals:
    void received(int signalNumber);

private:
    TerminationSignals();
    void readSignal();
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace zort
