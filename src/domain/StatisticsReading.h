#pragma once
#include "domain/StatisticsCounting.h"
#include "domain/OrgStructure.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace zort {
class Connection;
}

// Reading what the statistical summaries count: the yearly numbers of employees and
// the injured persons of a period for a structure element.
namespace zort::statistics {

// --- Employees of a year (SKWZATRUDNIENIE) ------------------------------------------

// The number of employees of the year; 0 when the year has no row.
int readEmployees(Connection& c, int year);
// Stores the number for the year in one statement, so two workstations saving the
// same year never collide.
void saveEmployees(Connection& c, int year, int employees);
// Numbers the column holds: 0 to the largest integer.
bool employeesAccepted(qint64 employees);

// --- Injured persons of a period -----------------------------------------------------

// What one summary counts, as the print window chose it.
struct CountRequest {
    QString registerFrom;   // the register filter's FROM addition (empty outside registers)
    QString registerWhere;  // its WHERE addition, ending in " AND "
    int dateKind = 0;       // 0 accident date, 1 report date, 2 registration date
    bool protocols = true;  // "Protokoły powypadkowe"
    bool cards = true;      // "Karty wypadków"
    QList<int> positions;   // the positions of the element; never empty (-1 for none)
};

// The column of the chosen date.
QString dateColumn(int dateKind);
// The condition on the kind of accident; empty when neither box is checked.
QString typeCondition(bool protocols, bool cards);

// Positions beyond this count go through a table of their own instead of an IN list.
constexpr int maxPositionsInList = 401;

// The positions of a request as the statements filter them: an IN list, or a table of
// the positions made for the counting and dropped with this object (also on failure).
class PositionFilter {
public:
    PositionFilter(Connection& c, const QList<int>& positions);
    ~PositionFilter();
    PositionFilter(const PositionFilter&) = delete;
    PositionFilter& operator=(const PositionFilter&) = delete;

    QString from() const;       // ", TABLE" or empty
    QString condition() const;  // " AND SKWPoszkodowani.IdStanow ..."
    const QString& table() const { return m_table; }

private:
    Connection& m_c;
    QString m_table;
    QString m_list;
};

// The statement reading the counted persons of a period with the columns given (the
// chosen date comes as DATAWYBR), :DataOd and :DataDo bound by the caller.
QString countedPersonsSql(const CountRequest& r, const PositionFilter& positions,
                          const QStringList& columns);

// Reads the persons counted in the period.
std::vector<CountedPerson> readCountedPersons(Connection& c, const CountRequest& r,
                                              const PositionFilter& positions,
                                              const Period& period, const QStringList& columns);

// The distributions over the classifications of the 2000 card (kinds 1 to 7), their
// categories read from the code tables.
std::optional<Distribution> codeDistribution(Connection& c, int kind);
// Every distribution of the summaries counted per category: kinds 1 to 12, 14, 15.
std::optional<Distribution> distribution(Connection& c, int kind);

// --- Structure elements ----------------------------------------------------------------

// The rows of "Wypadki ": the direct children of the element existing in the time from
// the earlier start to the later end of the periods (created before its end, not
// deleted or deleted after its start), not denied, ordered by code or short name; a
// position's name is followed by " *". Each row carries the positions of the child.
std::vector<ElementRow> childRows(Connection& c, const OrgStructure& s, int element,
                                  const Period periods[2], bool byCode);
// The categories of "Wypadki na stanowisku": the positions of the element existing in
// that time, in the same order.
std::vector<ElementRow> positionRows(Connection& c, const OrgStructure& s, int element,
                                     const Period periods[2], bool byCode);
// The ids of a list of positions such as OrgStructure::PositionsOf gives.
QList<int> positionIds(const QString& list);

// --- Checks before printing --------------------------------------------------------------

// Check 1: the classifications of the cards since 2004 need both years after 2004, those
// of the 2000 card both years up to 2004.
bool periodsComparable(bool cards2004, bool cards2000, int year1, int year2);
QString periodsNotComparableMessage();
// Check 2: injuries and factors (kinds 2, 3) never compare a year up to 2000 with a later one.
bool card2001Comparable(int kind, int year1, int year2);
QString card2001Message();
QString noTypeMessage();
QString noElementMessage();

// The entries of a classification with a code, as one level in Id order.
CodeTree readFlatClassification(Connection& c, const QString& table);
// The nodes of one level of a tree as one level (occupations of level 4).
CodeTree levelOf(const CodeTree& tree, int level);

}  // namespace zort::statistics
