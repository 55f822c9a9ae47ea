// The organisation structure: what a tree shows on a date, paths, levels, top
// elements and the positions of an element, on a real database.
#include "support/StructureSample.h"

#include <QSet>

using namespace zort;
using namespace zort::test;

namespace {

QList<int> ids(const std::vector<TStrukt>& elements) {
    QList<int> out;
    for (const TStrukt& e : elements) out << e.ID;
    return out;
}

QStringList sorted(const QString& list) {
    QStringList l = list.split(',');
    l.sort();
    return l;
}

} // namespace

TEST_F(StructureTest, ATreeShowsTheElementsOfTheDateLevelByLevelWithoutDeniedSubtrees) {
    const OrgStructure s = runStructure();
    int read = 0;
    const auto byCode = s.visibleElements(dm->referenceDate(), true, [&read]() { ++read; });
    // Level 0, then 1 (A, D, E; B is created later, C is denied), 2 (Frezer was deleted
    // before the date; Lakiernik's unit does not exist yet; Kierowca's is denied), 3.
    const QList<int> shown = ids(byCode);
    EXPECT_EQ(shown.mid(0, 5), (QList<int>{1, 20, 2, 9, 10}));
    EXPECT_EQ(QSet<int>(shown.begin(), shown.end()), (QSet<int>{1, 20, 2, 9, 10, 3, 12, 14, 11, 13}));
    EXPECT_EQ(10, int(byCode.size()));
    EXPECT_EQ(13, read) << "every element existing on the date is read, shown or not";
    // By short name: Magazyn, Produkcja, Pusty dział.
    EXPECT_EQ(ids(s.visibleElements(dm->referenceDate(), false)).mid(2, 3), (QList<int>{10, 2, 9}));

    const TStrukt& welder = byCode.back();
    EXPECT_EQ(13, welder.ID);
    EXPECT_EQ(12, welder.IDRODZSTRUKT);
    EXPECT_EQ(3, welder.NRPOZ);
    EXPECT_TRUE(welder.isPosition());
    EXPECT_EQ("Spawacz (pełna nazwa)", welder.NAZWA);
    EXPECT_EQ("[A31] Spawacz", welder.nodeText());
    EXPECT_EQ(day(2000, 1, 1), welder.DATAUTW);

    // On a later date the future unit appears, the unit deleted in between is gone.
    const auto later = ids(s.visibleElements(day(2024, 7, 1), true));
    EXPECT_TRUE(later.contains(5) && later.contains(6));
    EXPECT_FALSE(later.contains(10) || later.contains(11));
}

TEST_F(StructureTest, PathsLevelsAndTopElements) {
    const OrgStructure s = runStructure();
    EXPECT_EQ("Firma -> Produkcja -> Sekcja -> Spawacz -> ", s.StructurePath(13, " -> "));
    EXPECT_EQ("Firma\rProdukcja\r", s.StructurePath(2, "\r"));
    EXPECT_EQ("\r", s.StructurePath(999, "\r"));

    EXPECT_EQ("Firma", s.ElementAtLevel(13, 0));
    EXPECT_EQ("Sekcja", s.ElementAtLevel(13, 2));
    EXPECT_EQ("Spawacz", s.ElementAtLevel(13, 3));
    EXPECT_EQ("Produkcja", s.ElementAtLevel(2, 3)) << "an element above the level gives its own name";
    EXPECT_EQ("", s.ElementAtLevel(999, 1));

    EXPECT_EQ(1, s.TopElementId(13));
    EXPECT_EQ(20, s.TopElementId(20));
    EXPECT_EQ(0, s.TopElementId(999));
}

TEST_F(StructureTest, PositionsOfUnitsAndPositions) {
    const OrgStructure s = runStructure();
    // Positions whatever their dates; "-1" for each unit below without positions; the
    // denied unit contributes nothing.
    EXPECT_EQ(sorted(s.PositionsOf(1)), (QStringList{"-1", "-1", "11", "13", "3", "4", "6"}));
    EXPECT_EQ(sorted(s.PositionsOf(2)), (QStringList{"-1", "13", "3", "4"}));
    EXPECT_EQ("-1", s.PositionsOf(9)) << "a unit without positions";
    EXPECT_EQ("-1", s.PositionsOf(7)) << "a denied unit: nothing, and never an empty list";
    EXPECT_EQ("4", s.PositionsOf(4)) << "a deleted position chosen itself";
    EXPECT_EQ("8", s.PositionsOf(8)) << "a position below a denied unit chosen itself";
}

TEST_F(StructureTest, ACycleInTheStructureEndsEveryWalk) {
    const OrgStructure s = runStructure();
    EXPECT_EQ("Pętla Y -> Pętla X -> ", s.StructurePath(30, " -> "));
    EXPECT_EQ("Pętla X", s.ElementAtLevel(30, 5));
    EXPECT_EQ(30, s.TopElementId(30));
    EXPECT_EQ("32", s.PositionsOf(30));
    const QList<int> shown = ids(s.visibleElements(day(2031, 1, 1), true));
    EXPECT_FALSE(shown.contains(30) || shown.contains(31) || shown.contains(32)) << "no element above them is shown";
}
