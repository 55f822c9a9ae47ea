#pragma once
#include <QString>

namespace zort {

// Qt's own texts (file dialogs, the context menu of edit fields, standard buttons)
// in Polish: installs Qt's Polish catalogue "qtbase_pl.qm" from Qt's translations
// folder, or else from a "translations" folder beside the program. Called once
// before the first window; a second call does nothing. Returns whether the
// catalogue is installed; without it the texts stay as Qt has them.
bool installQtTranslations(const QString& programDir = QString());

} // namespace zort
