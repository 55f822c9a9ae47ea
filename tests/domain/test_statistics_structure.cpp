// The structure rows of the summaries: children and positions existing in the periods.
#include "domain/StatisticsReading.h"
#include "domain/SharedConnection.h"
#include "support/StructureSample.h"

using namespace zort;
using namespace zort::statistics;
using namespace zort::test;

namespace {

QStringList names(const std::vector<ElementRow>& rows)
{
    QStringList out;
    for (const ElementRow& r : rows)
        out << r.name;
    return out;
}

}  // namespace

TEST_F(StructureTest, SummaryRowsAreTheChildrenExistingInThePeriods)
{
    const OrgStructure s = runStructure();
    Connection& c = SharedConnection::get();
    const Period both[2] = {{2023, WholeYear}, {2024, WholeYear}};
    // The deleted position existed in 2023; positions end in " *"; the denied unit is left out.
    EXPECT_EQ(names(childRows(c, s, 2, both, true)),
              (QStringList{"Tokarz *", "Frezer *", "Sekcja", "Pusta sekcja"}));
    EXPECT_EQ(names(childRows(c, s, 1, both, true)),
              (QStringList{"Produkcja", "Lakiernia", "Pusty dział", "Magazyn"}));
    // Whichever year comes first: 2024 against 2022 reaches the same elements' time.
    const Period earlier[2] = {{2022, WholeYear}, {2022, FourthQuarter}};
    EXPECT_EQ(names(childRows(c, s, 1, earlier, false)),
              (QStringList{"Magazyn", "Produkcja", "Pusty dział"}));
    const auto production = childRows(c, s, 1, both, true).front();
    EXPECT_EQ(QSet<int>(production.positions.begin(), production.positions.end()),
              (QSet<int>{3, 4, 13}));
    EXPECT_EQ(names(positionRows(c, s, 2, both, true)), (QStringList{"Tokarz", "Frezer", "Spawacz"}));

    EXPECT_FALSE(periodsComparable(true, false, 2004, 2005));
    EXPECT_TRUE(periodsComparable(false, true, 2003, 2004));
    EXPECT_FALSE(card2001Comparable(3, 2000, 2001));
    EXPECT_TRUE(card2001Comparable(8, 2000, 2001));
}
