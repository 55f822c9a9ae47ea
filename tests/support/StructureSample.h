#pragma once
// A small organisation structure for the reference date 2024-05-10 10:20 (see
// DictionaryTest): two firms; in the first, a unit with positions and sections, one
// position deleted before the date, a unit created after it (with a position created
// long before), a denied unit, a unit without positions, a unit deleted the day after
// the date; and a damaged pair of units that are each other's parent.
#include "support/DictionaryFixture.h"

namespace zort::test {

class StructureTest : public DictionaryTest {
protected:
    void SetUp() override {
        DictionaryTest::SetUp();
        element(1, 0, 0, 0, "F", "Firma");
        element(2, 1, 1, 0, "A", "Produkcja");
        element(3, 2, 2, 1, "A1", "Tokarz");
        element(4, 2, 2, 1, "A2", "Frezer", day(2000, 1, 1), day(2024, 1, 1));
        element(12, 2, 2, 0, "A3", "Sekcja");
        element(13, 12, 3, 1, "A31", "Spawacz");
        element(14, 2, 2, 0, "A4", "Pusta sekcja");
        element(5, 1, 1, 0, "B", "Lakiernia", day(2024, 6, 1));
        element(6, 5, 2, 1, "B1", "Lakiernik", day(2010, 1, 1));
        element(7, 1, 1, 0, "C", "Transport");
        element(8, 7, 2, 1, "C1", "Kierowca");
        element(9, 1, 1, 0, "D", "Pusty dział");
        element(10, 1, 1, 0, "E", "Magazyn", day(2000, 1, 1), day(2024, 5, 11));
        element(11, 10, 2, 1, "E1", "Magazynier");
        element(20, 0, 0, 0, "G", "Druga firma");
        element(30, 31, 1, 0, "X", "Pętla X", day(2030, 1, 1));
        element(31, 30, 1, 0, "Y", "Pętla Y", day(2030, 1, 1));
        element(32, 31, 2, 1, "Y1", "Stanowisko w pętli", day(2030, 1, 1));
        deny({7});
    }
};

} // namespace zort::test
