#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include "domain/CodeTree.h"
#include <QList>
#include <QHash>
#include <optional>
#include <vector>

// Counting of the statistical summaries that compare two periods. Everything here
// works on rows already read: the reading statements give one row per injured person
// counted in a period (with the columns its summary needs), and the rules below turn
// them into the printed rows. Nothing here touches a widget or the database.
namespace zort::statistics {

// The seven period items of the tab, in their order.
enum PeriodItem { WholeYear, FirstHalf, SecondHalf, FirstQuarter, SecondQuarter,
                  ThirdQuarter, FourthQuarter };

QStringList periodItemNames();  // "cały rok", "I półrocze", ...

// A period of a year: from `start` (inclusive) to `end` (exclusive).
struct Period {
    int year = 0;
    int item = WholeYear;
    QDateTime start() const;
    QDateTime end() const;
    bool contains(const QDateTime& when) const;
    // The year, a space and the item's name; "cały rok" gives the year alone.
    QString label() const;
};

// Years the tab accepts for a period: 1 to 9998.
bool yearAccepted(int year);

// Indicators and percentages as the summaries print them: fixed notation with as many
// decimals as the size of the value needs (cut of trailing zeros), exponent notation for
// very large or very small values; "." separates decimals.
QString formatIndicator(double v);

// Figures of one row of the "Wypadki " summary for one period.
struct AccidentFigures {
    int persons = 0;   // n
    double days = 0;   // D

    void add(const QVariant& daysRecognised, const QVariant& daysOfIncapacity);
    double severity() const { return persons == 0 ? 0.0 : days / persons; }
    // Injured persons per 1000 employees; none without employees.
    std::optional<double> frequency(int employees) const;
    std::optional<double> hazard(int employees) const;
};

// Decrease and increase of a category between the two periods; 0 prints empty.
struct Change {
    double decrease = 0;
    double increase = 0;
};
Change categoryChange(int c1, int c2);
// The change of the totals: nothing when the first total is 0 or both are equal.
Change totalChange(int t1, int t2);
double percentOf(int count, int total);

// One category of a distribution: a code of a classification (kinds 1 to 7: `low` is
// the code, 0 never matches) or a range of values, bounds included (kinds 8 to 10, 12,
// 15), or a yes/no answer of one column (kind 14).
struct Category {
    QString code;    // printed in "KOD" where the kind has one
    QString text;
    int low = 0;
    int high = 0;
};

// Rows printed as the sum of other rows (the quarters of the months).
struct SumRow {
    QString text;
    std::vector<int> of;  // indexes of the categories summed
};

// What a distribution counts and how its rows read.
struct Distribution {
    enum class Match { Code, Range, YesNo };
    int kind = 0;
    QString title;
    QString heading;
    // Columns of the person compared with the categories. The derived columns
    // "@WIEK" (the period's year minus the year of DATAUR), "@DZIEN" (weekday of the
    // chosen date, Sunday = 1) and "@MIESIAC" (its month) are computed per period.
    QStringList columns;
    Match match = Match::Code;
    std::vector<Category> categories;
    std::vector<SumRow> sums;
    // Kinds 4 and 5: a member's code counts for its group; a code without a group
    // counts nowhere.
    bool grouped = false;
    QHash<int, int> groupOf;
};

// The fixed distributions: kinds 8 to 12, 14 and 15.
std::optional<Distribution> fixedDistribution(int kind);
// The summary kind of the tab's choice: `rgZest` item 0 gives 0, item i gives i + 7;
// `rgZest_old` item j gives j + 1.
int summaryKind(int rgZestItem, int rgZestOldItem);

// One injured person counted in a period: the row read, and the date chosen by the
// reference setting.
struct CountedPerson {
    QVariantMap values;  // column names in capitals
    QDateTime date;
};

// A printed row of a distribution.
struct DistributionRow {
    QString code;
    QString text;
    int count[2] = {0, 0};
    double percent[2] = {0, 0};
    Change change;
    bool sum = false;  // a row summing others
};

struct DistributionResult {
    std::vector<DistributionRow> rows;
    int total[2] = {0, 0};
    Change totalChange;
};

// Counts the persons of both periods: for each person and each column, the first
// category matching its value adds one to the category and one to the period's total.
DistributionResult countDistribution(const Distribution& d, const Period periods[2],
                                     const std::vector<CountedPerson> persons[2]);

// A work shift by its hours; a shift whose hours are not numbers is not counted.
struct Shift {
    std::optional<int> from;
    std::optional<int> to;
    static Shift parse(const QString& from, const QString& to);
    bool valid() const { return from.has_value() && to.has_value(); }
    // From a to b contains a <= h < b; over midnight (b < a) h >= a or h < b.
    bool contains(int hour) const;
};

// The "Zmianowość w pracy" table: twelve months, four quarters and the year, each
// with the counts of shifts 1 to 4 of both periods ([period][shift]).
struct ShiftRow {
    QString text;
    int count[2][4] = {{0, 0, 0, 0}, {0, 0, 0, 0}};
};
std::vector<ShiftRow> countShifts(const std::vector<Shift>& shifts,
                                  const std::vector<CountedPerson> persons[2]);

QStringList monthRowNames();  // " Styczeń " ... " Grudzień "

// --- "Wypadki " and "Wypadki na stanowisku" -------------------------------------------

// An element of the structure a row stands for, with the positions whose injured
// persons count for it.
struct ElementRow {
    int id = 0;
    QString code;
    QString name;          // as printed: a position's name is followed by " *"
    QList<int> positions;
};

struct AccidentRow {
    QString name;
    AccidentFigures figures[2];
};

struct AccidentTable {
    std::vector<AccidentRow> rows;
    AccidentRow total;  // "Razem"
    bool employeesMissing = false;  // a period without employees: "*" and the note
};

// The rows of "Wypadki ": per element and period the persons (IDSTANOW, DNINIEZDR,
// DNINIEZD) on its positions; the total from the sums.
AccidentTable countAccidents(const std::vector<ElementRow>& elements,
                             const std::vector<CountedPerson> persons[2],
                             const int employees[2]);
// A frequency or hazard as printed: "*" without employees.
QString formatFigure(const std::optional<double>& v);

// "Wypadki na stanowisku": one category per position in the order given; positions
// without injured persons in both periods are left out.
DistributionResult countPositions(const std::vector<ElementRow>& positions,
                                  const std::vector<CountedPerson> persons[2]);

// --- Classifications of the statistical card since 2004 -------------------------------

struct ClassificationItem {
    QString name;      // the item of the list
    QString table;     // the classification's table; empty: the occupation classification in use
    QStringList columns;  // the person's columns; a person counts once when any holds the code
    QString heading;   // the leading noun of the category heading
    bool flat = false; // a list without levels: its entries print under either presentation
};
// The fourteen items in the order of the list.
const std::vector<ClassificationItem>& classificationItems();

// Counts the persons of both periods for every leaf of the tree (a code compared as
// text with each column), sums the groups, removes what counts nothing in both periods
// and, with `groups`, keeps only the top level. The percent base is the sum of the
// printed rows.
DistributionResult countClassification(const CodeTree& tree, bool groups,
                                       const QStringList& columns,
                                       const std::vector<CountedPerson> persons[2]);

}  // namespace zort::statistics
