#pragma once

#include <QStringList>

class QTabWidget;

namespace zort {

// The entry pages of the commuting register: "1" to "4" of the accident
// (`pczWypadek`) and the injured person's personal and employment data
// (`pczPoszkodowany`). Field names follow the binding of the commuting row
// (selector "z"; `e7Pesel` is loaded only).
void buildCommutingAccidentPages(QTabWidget* tabs);
void buildCommutingPersonPages(QTabWidget* tabs);

// The items of the route list `cbzMiejsceWyp`, stored as their index.
const QStringList& commutingRoutes();

} // namespace zort
