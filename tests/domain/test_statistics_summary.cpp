// Every summary computed on the demo database for the whole firm and for a unit.
#include "domain/StatisticsSummary.h"
#include "domain/OrgStructure.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace zort;
using namespace zort::statistics;

TEST(StatisticsSummary, EverySummaryCountsTheDemoFirmWithoutLeavingATable)
{
    test::TestDatabase db(test::TestDatabase::Content::Demo);
    auto c = db.connect();
    const OrgStructure s(*c, {});
    const int firm = c->scalar("SELECT FIRST 1 ID FROM OSTRUKT WHERE IDRODZSTRUKT = 0 ORDER BY ID").toInt();
    const int year = c->scalar("SELECT MAX(EXTRACT(YEAR FROM DATA)) FROM SKWWYPADKI").toInt();
    const int all = c->scalar("SELECT COUNT(*) FROM SKWWYPADKI, SKWPOSZKODOWANI WHERE "
                              "SKWPOSZKODOWANI.IDWYPADKU = SKWWYPADKI.ID AND IDSTANOW IS NOT NULL "
                              "AND EXTRACT(YEAR FROM DATA) = :y AND ((TypWyp IN (0,1,4) AND rodzumowy=1) "
                              "OR (rodzumowy=2 AND rodzajWyp=1))", {{"y", year}}).toInt();
    ASSERT_GT(all, 0);

    SummaryRequest r;
    r.element = firm;
    r.periods[0] = {year - 1, WholeYear};
    r.periods[1] = {year, WholeYear};
    r.employees[0] = 0;
    r.employees[1] = 250;
    r.shifts = {Shift::parse("6", "14"), Shift::parse("14", "22"), Shift::parse("22", "6")};
    QStringList phases;
    const Progress progress = [&](const QString& phase, int, int) {
        if (!phases.contains(phase))
            phases << phase;
    };

    r.kind = 0;
    const auto accidents = computeSummary(*c, s, r, progress);
    EXPECT_EQ(accidents.accidents.total.figures[1].persons, all);
    EXPECT_TRUE(accidents.accidents.employeesMissing);

    r.kind = 12;  // months: every counted person has a month
    EXPECT_EQ(computeSummary(*c, s, r).distribution.total[1], all);
    r.kind = 15;
    EXPECT_LE(computeSummary(*c, s, r).distribution.total[1], all);
    r.kind = 13;
    const auto shifts = computeSummary(*c, s, r);
    EXPECT_EQ(shifts.shifts.size(), 17u);
    r.kind = 16;
    EXPECT_EQ(computeSummary(*c, s, r).distribution.total[1], all);
    for (int kind : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14})
        EXPECT_NO_THROW(computeSummary(*c, s, {kind, -1, false, {r.periods[0], r.periods[1]}, firm}))
            << kind;
    for (int item = 0; item < int(classificationItems().size()); ++item) {
        for (bool groups : {false, true}) {
            r.classification = item;
            r.groups = groups;
            EXPECT_NO_THROW(computeSummary(*c, s, r, progress)) << item;
        }
    }
    EXPECT_TRUE(phases.contains(loadingText()));
    EXPECT_TRUE(phases.contains(analysingText()));
    EXPECT_EQ(c->scalar("SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME STARTING WITH 'TEMP'").toInt(), 0);
}
