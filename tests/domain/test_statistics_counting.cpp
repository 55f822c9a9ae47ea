#include "domain/StatisticsCounting.h"

#include <gtest/gtest.h>

using namespace zort::statistics;

namespace {

CountedPerson person(const QDateTime& date, QVariantMap values = {})
{
    return {values, date};
}

QDateTime at(int y, int m, int d, int h = 12, int min = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min));
}

}  // namespace

TEST(StatisticsCounting, PeriodsBoundTheirMonthsAndNameThemselves)
{
    const Period q4{2025, FourthQuarter};
    EXPECT_TRUE(q4.contains(at(2025, 12, 31, 23, 59)));
    EXPECT_FALSE(q4.contains(at(2026, 1, 1, 0, 0)));
    EXPECT_FALSE(q4.contains(at(2025, 9, 30, 23, 59)));
    EXPECT_EQ(q4.label(), QStringLiteral("2025 IV kwartał"));
    EXPECT_EQ((Period{2026, WholeYear}.label()), QStringLiteral("2026"));
    EXPECT_EQ((Period{2026, SecondHalf}.start()), at(2026, 7, 1, 0));
    EXPECT_EQ((Period{2026, SecondHalf}.end()), at(2027, 1, 1, 0));
    EXPECT_FALSE(yearAccepted(0));
    EXPECT_FALSE(yearAccepted(-1));
    EXPECT_FALSE(yearAccepted(10000));
    EXPECT_TRUE(yearAccepted(9998));
}

TEST(StatisticsCounting, IndicatorsPrintWithTheDecimalsTheirSizeNeeds)
{
    EXPECT_EQ(formatIndicator(1234.5), QStringLiteral("1235"));
    EXPECT_EQ(formatIndicator(12.345), QStringLiteral("12.3"));
    EXPECT_EQ(formatIndicator(0.5), QStringLiteral("0.5"));
    EXPECT_EQ(formatIndicator(1500), QStringLiteral("1500"));
    EXPECT_EQ(formatIndicator(100), QStringLiteral("100"));
    EXPECT_EQ(formatIndicator(0), QStringLiteral("0"));
    EXPECT_EQ(formatIndicator(2000000), QStringLiteral("2.0E+6"));
    EXPECT_EQ(formatIndicator(0.0000012), QStringLiteral("1.2E-6"));
    EXPECT_EQ(formatIndicator(33.333333), QStringLiteral("33.3"));
}

TEST(StatisticsCounting, AccidentFiguresUseRecognisedDaysAndEmployees)
{
    AccidentFigures f;
    f.add(10, 99);   // recognised days win
    f.add(0, 20);    // none recognised: the days of incapacity
    f.add(QVariant(), QVariant());
    EXPECT_EQ(f.persons, 3);
    EXPECT_DOUBLE_EQ(f.days, 30);
    EXPECT_DOUBLE_EQ(f.severity(), 10);
    EXPECT_DOUBLE_EQ(*f.frequency(250), 12);
    EXPECT_DOUBLE_EQ(*f.hazard(250), 120);
    EXPECT_FALSE(f.frequency(0).has_value());
    EXPECT_DOUBLE_EQ(AccidentFigures{}.severity(), 0);
}

TEST(StatisticsCounting, ChangesOfCategoriesAndTotals)
{
    EXPECT_DOUBLE_EQ(categoryChange(0, 3).increase, 100);
    EXPECT_DOUBLE_EQ(categoryChange(4, 1).decrease, 75);
    EXPECT_DOUBLE_EQ(categoryChange(2, 3).increase, 50);
    EXPECT_DOUBLE_EQ(categoryChange(2, 2).increase + categoryChange(2, 2).decrease, 0);
    EXPECT_DOUBLE_EQ(totalChange(0, 5).increase, 0);
    EXPECT_DOUBLE_EQ(totalChange(5, 5).decrease, 0);
    EXPECT_DOUBLE_EQ(totalChange(4, 2).decrease, 50);
}

TEST(StatisticsCounting, AgesWeekdaysMonthsAndTrainingFallIntoTheirRows)
{
    const Period periods[2] = {{2025, WholeYear}, {2026, WholeYear}};
    std::vector<CountedPerson> persons[2];
    // Ages 16/17 and 60/61 in 2025.
    for (int born : {2009, 2008, 1965, 1964})
        persons[0].push_back(person(at(2025, 3, 2), {{"DATAUR", QDate(born, 5, 1)}}));
    persons[1].push_back(person(at(2026, 3, 1), {{"DATAUR", QVariant()}}));

    const auto ages = countDistribution(*fixedDistribution(8), periods, persons);
    EXPECT_EQ(ages.rows[0].count[0], 1);  // 16
    EXPECT_EQ(ages.rows[1].count[0], 1);  // 17
    EXPECT_EQ(ages.rows[7].count[0], 1);  // 60
    EXPECT_EQ(ages.rows[8].count[0], 1);  // 61
    EXPECT_EQ(ages.total[1], 0);          // no birth date counts nowhere
    EXPECT_DOUBLE_EQ(ages.rows[0].percent[0], 25);

    // 2 March 2025 is a Sunday, 1 March 2026 too.
    const auto days = countDistribution(*fixedDistribution(11), periods, persons);
    EXPECT_EQ(days.rows[0].text, QStringLiteral(" Niedziela "));
    EXPECT_EQ(days.rows[0].count[0], 4);
    EXPECT_EQ(days.rows[0].count[1], 1);
    EXPECT_DOUBLE_EQ(days.rows[0].change.decrease, 75);

    const auto months = countDistribution(*fixedDistribution(12), periods, persons);
    ASSERT_EQ(months.rows.size(), 16u);
    EXPECT_EQ(months.rows[2].count[0], 4);
    EXPECT_EQ(months.rows[12].text, QStringLiteral(" Kwartał I "));
    EXPECT_EQ(months.rows[12].count[0], 4);
    EXPECT_EQ(months.total[0], 4);  // quarters add nothing to the total

    std::vector<CountedPerson> trained[2];
    trained[1].push_back(person(at(2026, 1, 5), {{"SZKWSTEPNE", "t"}, {"SZKINSTR", " T "},
                                                 {"SZKPODST", "n"}}));
    const auto training = countDistribution(*fixedDistribution(14), periods, trained);
    EXPECT_EQ(training.rows[0].count[1], 1);  // Wstępne - TAK
    EXPECT_EQ(training.rows[2].count[1], 1);  // Instruktaż - TAK
    EXPECT_EQ(training.rows[5].count[1], 1);  // Podstawowe - NIE
    EXPECT_EQ(training.rows[7].count[1], 1);  // Okresowe - NIE (null)
    EXPECT_EQ(training.total[1], 4);
    EXPECT_DOUBLE_EQ(training.rows[0].change.increase, 100);
}

TEST(StatisticsCounting, CodesCountOncePerColumnAndZeroNeverMatches)
{
    Distribution injuries;
    injuries.kind = 2;
    injuries.columns = {"IDURAZU1", "IDURAZU2", "IDURAZU3"};
    injuries.categories = {{"1", "głowa", 1, 1}, {"2", "ręka", 2, 2}};
    const Period periods[2] = {{2025, WholeYear}, {2026, WholeYear}};
    std::vector<CountedPerson> persons[2];
    persons[0].push_back(person(at(2025, 1, 1), {{"IDURAZU1", "01"}, {"IDURAZU2", 2},
                                                 {"IDURAZU3", 0}}));
    persons[0].push_back(person(at(2025, 1, 1), {{"IDURAZU1", "x"}}));
    const auto r = countDistribution(injuries, periods, persons);
    EXPECT_EQ(r.rows[0].count[0], 1);
    EXPECT_EQ(r.rows[1].count[0], 1);
    EXPECT_EQ(r.total[0], 2);
}

TEST(StatisticsCounting, ShiftsOverMidnightCountByTheAccidentsHour)
{
    const std::vector<Shift> shifts = {Shift::parse("6", "14"), Shift::parse("14", "22"),
                                       Shift::parse("22", "6"), Shift::parse("", "")};
    std::vector<CountedPerson> persons[2];
    for (const QDateTime& when : {at(2026, 2, 3, 23, 30), at(2026, 2, 4, 5, 10),
                                  at(2026, 2, 4, 6, 0)})
        persons[1].push_back(person(at(2026, 2, 10), {{"DATA", when}}));
    const auto rows = countShifts(shifts, persons);
    ASSERT_EQ(rows.size(), 17u);
    EXPECT_EQ(rows[1].count[1][2], 2);   // February, 22-6
    EXPECT_EQ(rows[1].count[1][0], 1);   // 06:00 is the first shift
    EXPECT_EQ(rows[12].count[1][2], 2);  // Kwartał I
    EXPECT_EQ(rows[16].count[1][2], 2);  // Rocznie
    EXPECT_EQ(rows[16].count[1][3], 0);  // an empty shift counts nothing
}

TEST(StatisticsCounting, AccidentsPerElementWithIndicatorsAndTotal)
{
    const std::vector<ElementRow> elements = {{1, "A", "Produkcja", {10, 11}},
                                              {2, "B", "Spawacz *", {12}}};
    std::vector<CountedPerson> persons[2];
    persons[0].push_back(person(at(2025, 1, 1), {{"IDSTANOW", 10}, {"DNINIEZDR", 0}, {"DNINIEZD", 30}}));
    persons[0].push_back(person(at(2025, 1, 1), {{"IDSTANOW", 11}, {"DNINIEZDR", 10}, {"DNINIEZD", 99}}));
    persons[0].push_back(person(at(2025, 1, 1), {{"IDSTANOW", 99}, {"DNINIEZD", 5}}));  // elsewhere
    persons[1].push_back(person(at(2026, 1, 1), {{"IDSTANOW", 12}, {"DNINIEZD", 7}}));
    const int employees[2] = {250, 0};
    const AccidentTable t = countAccidents(elements, persons, employees);
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0].figures[0].persons, 2);
    EXPECT_DOUBLE_EQ(t.rows[0].figures[0].days, 40);
    EXPECT_EQ(formatIndicator(t.rows[0].figures[0].severity()), QStringLiteral("20"));
    EXPECT_EQ(formatFigure(t.rows[0].figures[0].frequency(employees[0])), QStringLiteral("8"));
    EXPECT_EQ(formatFigure(t.rows[0].figures[0].hazard(employees[0])), QStringLiteral("160"));
    EXPECT_EQ(formatFigure(t.total.figures[1].frequency(employees[1])), QStringLiteral("*"));
    EXPECT_TRUE(t.employeesMissing);
    EXPECT_EQ(t.total.figures[0].persons, 2);
    EXPECT_EQ(t.total.figures[1].persons, 1);

    const auto positions = countPositions({{10, "01", "Tokarz", {}}, {11, "02", "Frezer", {}},
                                           {12, "03", "Spawacz", {}}, {13, "04", "Pusty", {}}},
                                          persons);
    ASSERT_EQ(positions.rows.size(), 3u);  // the position without persons is left out
    EXPECT_EQ(positions.rows[2].text, QStringLiteral("Spawacz"));
    EXPECT_DOUBLE_EQ(positions.rows[2].change.increase, 100);
    EXPECT_EQ(positions.total[0], 2);
}

TEST(StatisticsCounting, ClassificationsCountLeavesSumGroupsAndPrune)
{
    // A: [1] with leaves [1.1], [1.2]; B: [2] with leaf [2.1]; C: [3] with nothing counted.
    zort::CodeTree tree;
    auto node = [&](const char* code, const char* name, int parent) {
        zort::TTrescInfor n;
        n.code = code;
        n.name = name;
        tree.nodes.push_back(n);
        tree.parent.push_back(parent);
        tree.childCount.push_back(0);
        if (parent >= 0)
            ++tree.childCount[size_t(parent)];
    };
    node("1", "A", -1);
    node("1.1", "A1", 0);
    node("1.2", "A2", 0);
    node("2", "B", -1);
    node("2.1", "B1", 3);
    node("3", "C", -1);
    node("3.1", "C1", 5);
    std::vector<CountedPerson> persons[2];
    // The seven cause columns: one person counts once per leaf.
    persons[0].push_back(person(at(2025, 1, 1), {{"C1", "1.1"}, {"C2", "1.1"}, {"C3", "2.1"}}));
    persons[1].push_back(person(at(2026, 1, 1), {{"C1", "1.2"}}));
    const QStringList columns = {"C1", "C2", "C3"};

    const auto detail = countClassification(tree, false, columns, persons);
    QStringList codes;
    for (const auto& row : detail.rows)
        codes << row.code;
    EXPECT_EQ(codes, (QStringList{"1", "1.1", "1.2", "2", "2.1"}));
    EXPECT_EQ(detail.rows[0].count[0], 1);
    EXPECT_EQ(detail.rows[0].count[1], 1);

    const auto groups = countClassification(tree, true, columns, persons);
    ASSERT_EQ(groups.rows.size(), 2u);
    EXPECT_EQ(groups.total[0], 2);
    EXPECT_DOUBLE_EQ(groups.rows[0].percent[0], 50);
    EXPECT_DOUBLE_EQ(groups.rows[1].change.decrease, 100);
    EXPECT_EQ(classificationItems().size(), 14u);
    EXPECT_EQ(classificationItems().back().columns.size(), 7);
}

// --- Reading from the database ---------------------------------------------------------

#include "domain/StatisticsReading.h"
#include "support/TestDatabase.h"

namespace {

struct StatisticsDb : ::testing::Test {
    zort::test::TestDatabase db;
    std::unique_ptr<zort::Connection> c = db.connect();

    void accident(int id, const QDateTime& when, int typWyp, int rodzUmowy, int rodzajWyp,
                  const QVariant& position)
    {
        c->execute("INSERT INTO SKWWYPADKI (ID, NUMER, DATA, DATAREJWYP) VALUES (:id, :id, :d, :d)",
                   {{"id", id}, {"d", when}});
        c->execute("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, RODZUMOWY, IDSTANOW, PLEC, TYPWYP, "
                   "RODZAJWYP) VALUES (:id, :id, :u, :s, 1, :t, :r)",
                   {{"id", id}, {"u", rodzUmowy}, {"s", position}, {"t", typWyp}, {"r", rodzajWyp}});
    }

    int tempTables()
    {
        return c->scalar("SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME STARTING WITH 'TEMP'")
            .toInt();
    }
};

}  // namespace

TEST_F(StatisticsDb, EmployeesAreReadAndSavedByYear)
{
    using namespace zort::statistics;
    EXPECT_EQ(readEmployees(*c, 2031), 0);
    saveEmployees(*c, 2031, 250);
    saveEmployees(*c, 2031, 260);
    EXPECT_EQ(readEmployees(*c, 2031), 260);
    EXPECT_EQ(c->scalar("SELECT COUNT(*) FROM SKWZATRUDNIENIE WHERE ROK = 2031").toInt(), 1);
    EXPECT_TRUE(employeesAccepted(40000));
    EXPECT_FALSE(employeesAccepted(-1));
}

TEST_F(StatisticsDb, PersonsCountedByTypePeriodAndPositionsThroughListOrTable)
{
    using namespace zort::statistics;
    accident(1, at(2025, 12, 31, 23, 59), 0, 1, 0, 10);  // protocol, IV quarter
    accident(2, at(2026, 1, 1, 0, 0), 0, 1, 0, 10);      // next year
    accident(3, at(2025, 6, 1), 0, 2, 1, 11);            // accident card
    accident(4, at(2025, 6, 1), 0, 1, 0, QVariant());    // no position: never counted
    accident(5, at(2025, 6, 1), 2, 1, 0, 10);            // not a recognised work accident

    CountRequest r;
    r.positions = {10, 11};
    const QStringList columns = {"PLEC"};
    auto count = [&](const Period& p, const QList<int>& positions) {
        r.positions = positions;
        PositionFilter filter(*c, r.positions);
        return int(readCountedPersons(*c, r, filter, p, columns).size());
    };
    EXPECT_EQ(count({2025, WholeYear}, {10, 11}), 2);
    EXPECT_EQ(count({2025, FourthQuarter}, {10, 11}), 1);
    r.cards = false;
    EXPECT_EQ(count({2025, WholeYear}, {10, 11}), 1);
    r.cards = true;
    r.protocols = false;
    EXPECT_EQ(count({2025, WholeYear}, {10, 11}), 1);
    r.protocols = true;

    QList<int> many;
    for (int i = 0; i < 500; ++i)
        many << 1000 + i;
    many << 10 << 11;
    {
        PositionFilter filter(*c, many);
        EXPECT_FALSE(filter.table().isEmpty());
        EXPECT_EQ(tempTables(), 1);
        EXPECT_EQ(int(readCountedPersons(*c, r, filter, {2025, WholeYear}, columns).size()), 2);
    }
    EXPECT_EQ(tempTables(), 0);
    EXPECT_EQ(typeCondition(false, false), QString());
}

TEST_F(StatisticsDb, SourcesCountForTheirGroupsAndCodesWithoutAGroupNowhere)
{
    using namespace zort::statistics;
    c->execute("DELETE FROM SKWZRODLA_1");
    c->execute("DELETE FROM SKWZRODLAG");
    c->execute("INSERT INTO SKWZRODLAG (ID, NAZWA) VALUES (1, 'Grupa A')");
    c->execute("INSERT INTO SKWZRODLAG (ID, NAZWA) VALUES (2, 'Grupa B')");
    c->execute("INSERT INTO SKWZRODLA_1 (ID, IDGRUPY, NAZWA) VALUES (5, 2, 'Źródło')");
    const auto d = distribution(*c, 4);
    ASSERT_TRUE(d.has_value());
    ASSERT_EQ(d->categories.size(), 2u);
    const int member = 5;
    const int group = 2;
    accident(1, at(2025, 5, 5), 0, 1, 0, 10);
    c->execute("UPDATE SKWPOSZKODOWANI SET IDZRODLA1 = :m, IDZRODLA2 = 99 WHERE ID = 1", {{"m", member}});
    CountRequest r;
    PositionFilter filter(*c, {10});
    std::vector<CountedPerson> persons[2];
    const Period periods[2] = {{2025, WholeYear}, {2026, WholeYear}};
    persons[0] = readCountedPersons(*c, r, filter, periods[0], d->columns);
    const auto result = countDistribution(*d, periods, persons);
    EXPECT_EQ(result.total[0], 1);
    for (const auto& row : result.rows)
        if (row.count[0] == 1)
            EXPECT_EQ(row.code, QString::number(group));
    EXPECT_EQ(distribution(*c, 1)->title, QStringLiteral("Wydarzenia bezpośrednio powodujące obrażenia fizyczne w  "));
}
