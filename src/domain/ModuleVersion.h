#pragma once
#include <QString>

namespace zort {

class Connection;

// The versions of the suite's modules that this build expects; the only one this
// module uses is its own.
int expectedModuleVersion(const QString& module);

// What CheckModuleVersion found; the caller shows the messages.
enum class ModuleCheck {
    Current,   // the module may run (a lower number in AWERSJAMOD was raised silently)
    Unknown,   // no row for the module: moduleVersionUnknownMessage() as a warning; it
               // counts as 0, so the module may run
    Outdated,  // the database's number is higher: moduleVersionOutdatedMessage() as an
               // error; the module may not run
};
ModuleCheck CheckModuleVersion(Connection& c, const QString& module);

QString moduleVersionUnknownMessage();
QString moduleVersionOutdatedMessage();

} // namespace zort
