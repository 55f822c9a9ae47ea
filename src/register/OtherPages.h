#pragma once

class QTabWidget;
class QWidget;

namespace zort {

// The entry pages of the register of accidents in service: the accident page
// ("Wypadek", selector "e"; `exData` is the accident's date shown on the protocol)
// and the injured officer's pages (`pcPoszkodowany_Policja`, selector "f"):
// "Dane osobowe", "Prot. powyp. cz. 1" to "cz. 5", "EKW cz. 1" and "EKW cz. 2".
// Mirrors, filters and lists have names that never bind ("_" or an unused selector).
void buildServiceAccidentPage(QWidget* page);
void buildServicePersonPages(QTabWidget* tabs);

} // namespace zort
