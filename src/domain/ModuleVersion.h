#pragma once
#include <QString>

namespace zort {

class Connection;

// The versions of the suite's modules that this build expects; the only one this
// module uses is its own.
int expectedModuleVersion(const QString& module);

// CheckModuleVersion: true when the module may run. A lower number in AWERSJAMOD is
// raised silently; a higher one refuses with a message; a missing row gives its
// message and counts as 0.
bool CheckModuleVersion(Connection& c, const QString& module);

QString moduleVersionUnknownMessage();
QString moduleVersionOutdatedMessage();

} // namespace zort
