#pragma once
// The collective register of accidents: the statements that list the injured persons
// of a date range (the summary query behind the grid and the full printout, the short
// query of the short printout, the count of accidents), their computed columns, and
// the commuting accidents' statements of the same kind.
#include "core/Field.h"

#include <QDate>
#include <QString>
#include <functional>
#include <memory>

namespace zort {
class Connection;
class Dataset;
class Params;
} // namespace zort

namespace zort::statistics {
class PositionFilter;
}

namespace zort::collective {

// What the work-accident tab asks for.
struct WorkChoice {
    bool cards = true;           // "Karty wypadków"
    bool protocols = true;       // "Prot. powypadkowe"
    QDate from;                  // "Od:", included
    QDate to;                    // "Do:", included
    int dateKind = 0;            // 0 accident date, 1 report date, 2 registration date
    bool byName = false;         // "wg nazwiska" (else "wg daty")
    bool recognised = true;      // "uznane" (else "nie uznane")
    bool wholeEnterprise = true; // "wszystkie" (else "dla elementu struktury")
    int element = 0;             // the structure element of the list
    QString positions;           // its positions, joined by "," (OrgStructure::PositionsOf)
    QString registerFrom;        // the register filter's FROM addition
    QString registerWhere;       // and its WHERE addition, ending in " AND "

    bool operator==(const WorkChoice&) const = default;
};

// The pieces of the statements, as the summaries write them.
QString summaryColumns();
QString shortColumns();
QString countColumns();
// A list of more than 400 commas goes through a table of the positions.
bool needsPositionTable(const QString& positions);
// The FROM and WHERE part: the table is the positions' table when the list needs one.
QString fromWhere(const WorkChoice& choice, const QString& positionTable = QString());
QString dateCondition(int dateKind);
// Empty when neither kind is chosen.
QString kindCondition(bool recognised, bool protocols, bool cards);
QString order(int dateKind, bool byName);

struct WorkStatements {
    QString summary;
    QString shortQuery;
    QString count;
};
WorkStatements workStatements(const WorkChoice& choice, const QString& positionTable = QString());
// :datapocz the first day, :datakonc the day after the last (its whole last day).
Params rangeParams(const QDate& from, const QDate& to, const QString& start = QStringLiteral("datapocz"),
                   const QString& end = QStringLiteral("datakonc"));

// The statements of one built choice, with the positions' table they name: made
// afresh by every build (the previous one dropped first) and dropped on demand and
// with the object, never left in the database.
class WorkQueries {
public:
    explicit WorkQueries(Connection& c);
    ~WorkQueries();
    WorkQueries(const WorkQueries&) = delete;
    WorkQueries& operator=(const WorkQueries&) = delete;

    // Builds the statements of the choice (making the table when its positions need it).
    const WorkStatements& build(const WorkChoice& choice);
    bool built() const { return m_built; }
    const WorkChoice& choice() const { return m_choice; }
    const WorkStatements& statements() const { return m_statements; }
    // The table of positions the statements name (empty for none).
    QString table() const;
    // Drops the table; the statements that name it need a build before they open again.
    void dropTable();
    bool usable() const { return m_built && !(m_tableNeeded && !m_table); }
    // The number of distinct accidents of the built choice (the count statement).
    int count();

private:
    Connection& m_c;
    WorkChoice m_choice;
    WorkStatements m_statements;
    std::unique_ptr<statistics::PositionFilter> m_table;
    bool m_built = false;
    bool m_tableNeeded = false;
};

// The computed columns. Numbers are written as the lists write them (`number` gives
// the number with the separator and symbol when the setting asks for them).
using NumberText = std::function<QString(const Field& number, const QString& symbol)>;
// nrProt_symbol, nrKarty_symbol, nrKartyWyp_symbol, numer, SkutkiSlownie, Skutki_Rep.
void addSummaryColumns(Dataset& ds, NumberText number);
// The three numbers, numer, ImNazw and Stanow.
void addShortColumns(Dataset& ds, NumberText number);
// numersym, SkutkiSlownie (and for the short query ImNazw and Stanow).
void addCommutingColumns(Dataset& ds, NumberText number, bool shortQuery);
QString commutingConsequence(int skutki);
QString nameText(const QString& surname, const QString& firstName);
QString positionText(const QString& code, const QString& name);

// What the commuting tab asks for.
struct CommutingChoice {
    QDate from;
    QDate to;
    int dateKind = 0;
    bool byName = false;
    bool recognised = true;
    QString registerFrom;
    QString registerWhere;

    bool operator==(const CommutingChoice&) const = default;
};
// The summary query (:datapocz, :datakonc) and the short query (:dpocz, :dkon).
QString commutingSummary(const CommutingChoice& choice);
QString commutingShort(const CommutingChoice& choice);

} // namespace zort::collective
