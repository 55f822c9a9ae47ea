#pragma once
#include <QString>

namespace zort {

class Connection;

// The process's shared connection ("Karty"): every query that a window creates for
// itself runs on it. Opened on first use from the configured alias; tests set their own.
class SharedConnection {
public:
    // The connection, opened on first use. When it cannot be opened the application
    // is asked to terminate and DbError(noAccessMessage(the database's message)) is
    // thrown: the caller shows it.
    static Connection& get();
    static QString noAccessMessage(const QString& reason);
    static bool isSet();
    static void set(Connection* connection);
    // Closes the connection opened by get() (end of the run).
    static void shutdown();
};

} // namespace zort
