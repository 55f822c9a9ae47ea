#pragma once

namespace zort {

// Installs the message boxes, the confirmation dialog and the file dialogs with real
// windows as the program's user interface.
void installDialogs();

} // namespace zort
