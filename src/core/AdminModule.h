#pragma once
#include <QString>

namespace zort {

// Starts the suite's administration module "zortadmin" from the program's folder with
// the suite's command line: argument 1 of this program (or "0"), the logged-in user's
// id and "0". Returns false (after a message) when it is not there or cannot start.
bool startAdminModule(const QString& programDir, const QString& arg1, int userId);
QString adminModuleMissingMessage(const QString& path);

} // namespace zort
