#pragma once

namespace zort {

class Connection;

// The process's shared connection ("Karty"): every query that a window creates for
// itself runs on it. Opened on first use from the configured alias; tests set their own.
class SharedConnection {
public:
    static Connection& get();
    static bool isSet();
    static void set(Connection* connection);
    // Closes the connection opened by get() (end of the run).
    static void shutdown();
};

} // namespace zort
