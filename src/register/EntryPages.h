#pragma once

class QTabWidget;
class QWidget;

namespace zort {

// The entry pages of the register of accidents at work, with their bound controls
// (named for the binding: "w" the accident, "0" the accident shown read-only, "p" the
// injured person, "9" the person shown read-only, "r" protocol fields, "k" accident-
// card fields).

// "Wypadek": the accident itself.
void buildAccidentPage(QWidget* page);
// "Poszkodowany": the nested pages of the injured person (pcPPoszkodowany).
void buildPersonPages(QTabWidget* pages);

// The names of the nested person pages, in order.
inline constexpr const char* kPersonPageNames[] = {
    "TabDaneOsobowe", "TabZatrudnienie", "TabJednostka", "TabProt1", "TabProt2", "TabKarta1",
    "TabKarta2", "TabChWypadku", "TabOkolicznosci", "TabCzynniki", "TabZUS"};

} // namespace zort
