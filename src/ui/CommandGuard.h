#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace zort {

class DbError;
class Error;

// Every command of the user (a button, a menu item, a page change, a list move, a
// timer) runs through here: a failure of the database shows its message and the
// window stays as it was; the program never ends on it. A lost connection is said
// once; the next command connects again first, and while that fails commands that
// need the database say so and do not run.
class CommandGuard {
public:
    // Runs the command; false when it failed (the message shown) or could not run.
    static bool run(const std::function<void()>& command, QWidget* parent = nullptr);
    // Shows a database error: `context` (a message of the program's, may be empty)
    // with the database's reason on a second line; a lost connection is noted.
    static void report(const DbError& e, QWidget* parent = nullptr, const QString& context = QString());
    // Shows any failure of a command as run() does: a database error as report(),
    // another (a refused value) with its own message.
    static void reportFailure(const Error& e, QWidget* parent = nullptr);
    // Connects again when the connection was lost. False (message shown) when the
    // database still does not answer.
    static bool ensureConnected(QWidget* parent = nullptr);
    static bool connectionLost();
    // Forgets a lost connection (tests).
    static void reset();

    static QString lostMessage();
    static QString noConnectionMessage();
};

} // namespace zort
