#include "domain/CollectiveSummary.h"

#include "core/DateUtil.h"
#include "db/Connection.h"
#include "db/Dataset.h"
#include "db/Params.h"
#include "domain/DataModForm.h"
#include "domain/StatisticsReading.h"

namespace zort::collective {

namespace {

const QString kJoin = QStringLiteral("(SKWPOSZKODOWANI.IDWYPADKU = SKWWYPADKI.ID)");
const QString kWithPosition = QStringLiteral(" AND SKWPOSZKODOWANI.IDStanow is not null ");

QString referenceColumn(int dateKind) {
    switch (dateKind) {
    case 1: return QStringLiteral("SKWPOSZKODOWANI.DATAZG");
    case 2: return QStringLiteral("SKWWYPADKI.DATAREJWYP");
    default: return QStringLiteral("SKWWYPADKI.DATA");
    }
}

QString commutingColumn(int dateKind) {
    switch (dateKind) {
    case 1: return QStringLiteral("DATAZG");
    case 2: return QStringLiteral("DATAREJWYP");
    default: return QStringLiteral("DATA");
    }
}

QString commutingStatement(const CommutingChoice& c, const QString& where, const QString& start, const QString& end) {
    const QString date = commutingColumn(c.dateKind);
    const QString condition =
        c.dateKind == 2 ? QStringLiteral(" DATAREJWYP  >= :%1 and DATAREJWYP  < :%2 AND (").arg(start, end)
                        : QStringLiteral(" %1 >= :%2 AND %1 < :%3 AND (").arg(date, start, end);
    const QString sorted = c.byName ? QStringLiteral("NAZWISKO, IMIE, ") + date : date + QStringLiteral(", NAZWISKO, IMIE");
    return QStringLiteral("SELECT SKWWYPADKIWDRODZE.* FROM SKWWYPADKIWDRODZE ") + c.registerFrom + where +
           c.registerWhere + condition +
           (c.recognised ? QStringLiteral("(RodzajWyp = 0)") : QStringLiteral("(RodzajWyp > 0)")) +
           QStringLiteral(") ORDER BY ") + sorted;
}

// The number of a row as text, with the symbol when the setting asks for it.
QString numberOf(const Dataset& d, int row, const QString& column, const NumberText& number) {
    return number(d.rowField(row, column), d.rowField(row, QStringLiteral("SYMBOLWYP")).asString());
}

void addNumbers(Dataset& ds, const NumberText& number) {
    ds.addCalculatedField(QStringLiteral("nrProt_symbol"), [number](const Dataset& d, int r) -> QVariant {
        return numberOf(d, r, QStringLiteral("NUMERPROT"), number);
    });
    ds.addCalculatedField(QStringLiteral("nrKarty_symbol"), [number](const Dataset& d, int r) -> QVariant {
        return numberOf(d, r, QStringLiteral("NUMERKARTY"), number);
    });
    ds.addCalculatedField(QStringLiteral("nrKartyWyp_symbol"), [number](const Dataset& d, int r) -> QVariant {
        return numberOf(d, r, QStringLiteral("NUMERKARTYWYP"), number);
    });
    // A protocol's number, else the accident card's.
    ds.addCalculatedField(QStringLiteral("numer"), [](const Dataset& d, int r) -> QVariant {
        return d.rowField(r, QStringLiteral("NUMERPROT")).asInt() != 0 ? d.rowField(r, QStringLiteral("nrProt_symbol"))
                                                                          .variant()
                                                                    : d.rowField(r, QStringLiteral("nrKartyWyp_symbol"))
                                                                          .variant();
    });
}

void addPersonTexts(Dataset& ds) {
    ds.addCalculatedField(QStringLiteral("ImNazw"), [](const Dataset& d, int r) -> QVariant {
        return nameText(d.rowField(r, QStringLiteral("NAZWISKO")).asString(), d.rowField(r, QStringLiteral("IMIE")).asString());
    });
    ds.addCalculatedField(QStringLiteral("Stanow"), [](const Dataset& d, int r) -> QVariant {
        return positionText(d.rowField(r, QStringLiteral("STANOWKOD")).asString(),
                            d.rowField(r, QStringLiteral("STANOWSKROT")).asString());
    });
}

} // namespace

QString summaryColumns() {
    return QStringLiteral(
        "SELECT SKWPOSZKODOWANI.NumerKarty, SKWPOSZKODOWANI.NumerProt, SKWPOSZKODOWANI.IDWYPADKU ,SKWWYPADKI.DATA ,  "
        "SKWPOSZKODOWANI.NAZWISKO ,SKWPOSZKODOWANI.IMIE , SKWPOSZKODOWANI.PLEC ,SKWPOSZKODOWANI.IMOJCA ,  "
        "SKWPOSZKODOWANI.DATAUR ,SKWPOSZKODOWANI.MIEJSCEUR , SKWPOSZKODOWANI.DATAPROT ,SKWPOSZKODOWANI.SKUTKI , "
        "SKWPOSZKODOWANI.SKUTKIR , SKWPOSZKODOWANI.DNINIEZD , SKWPOSZKODOWANI.DNINIEZDR ,SKWPOSZKODOWANI.RODZURAZU, "
        "SKWPOSZKODOWANI.DATAZATW, SKWPOSZKODOWANI.PRZYCZYNY,SKWPOSZKODOWANI.numerkartywyp,SKWPOSZKODOWANI.rodzumowy,"
        "SKWPOSZKODOWANI.NRPISMAZUS,SKWPOSZKODOWANI.DATAPISMAZUS, SKWPOSZKODOWANI.Profilaktyka,"
        "SKWPOSZKODOWANI.Okolicznosci, SKWWYPADKI.SYMBOLWYP, SKWWYPADKI.MiejsceWyp,SKWWYPADKI.NUMER as NR_WYP ");
}

QString shortColumns() {
    return QStringLiteral(
        "SELECT SKWPOSZKODOWANI.NUMERPROT, SKWPOSZKODOWANI.NUMERKARTY,  SKWPOSZKODOWANI.NAZWISKO, "
        "SKWPOSZKODOWANI.IMIE, SKWPOSZKODOWANI.PRZEDSIEB, SKWPOSZKODOWANI.PRZYCZYNY, SKWPOSZKODOWANI.STRUKTSKROT, "
        "SKWPOSZKODOWANI.STANOWSKROT, SKWPOSZKODOWANI.STANOWKOD,  SKWPOSZKODOWANI.NRPISMAZUS,"
        "SKWPOSZKODOWANI.DATAPISMAZUS, SKWPOSZKODOWANI.Profilaktyka, SKWWYPADKI.SYMBOLWYP, SKWWYPADKI.MiejsceWyp, "
        "SKWPOSZKODOWANI.numerkartywyp,SKWPOSZKODOWANI.rodzumowy,  SKWWYPADKI.NUMER as NR_WYP ");
}

QString countColumns() { return QStringLiteral("select count(distinct SKWWYPADKI.id) "); }

bool needsPositionTable(const QString& positions) { return positions.count(QLatin1Char(',')) > 400; }

QString fromWhere(const WorkChoice& c, const QString& table) {
    const QString tables = QStringLiteral(" FROM SKWWYPADKI, SKWPOSZKODOWANI");
    if (c.wholeEnterprise)
        return tables + c.registerFrom + QStringLiteral(" WHERE ") + c.registerWhere + QLatin1Char(' ') + kJoin;
    if (table.isEmpty())
        return tables + c.registerFrom + QStringLiteral(" WHERE ") + c.registerWhere + kJoin + kWithPosition +
               QStringLiteral(" AND SKWPoszkodowani.IdStanow IN ( ") + c.positions + QStringLiteral(" )");
    return tables + QStringLiteral(", ") + table + c.registerFrom + QStringLiteral(" WHERE ") + c.registerWhere +
           QLatin1Char(' ') + kJoin + kWithPosition + QStringLiteral(" AND SKWPoszkodowani.IdStanow= ") + table +
           QStringLiteral(".IdPom ");
}

QString dateCondition(int dateKind) {
    switch (dateKind) {
    case 1:
        return QStringLiteral("AND SKWPOSZKODOWANI.DATAZG >= :datapocz AND SKWPOSZKODOWANI.DATAZG < :datakonc AND (");
    case 2:
        return QStringLiteral("AND SKWWYPADKI.DATAREJWYP  >= :datapocz and SKWWYPADKI.DATAREJWYP  < :datakonc AND (");
    default: return QStringLiteral("AND SKWWYPADKI.DATA >= :datapocz AND SKWWYPADKI.DATA < :datakonc AND (");
    }
}

QString kindCondition(bool recognised, bool protocols, bool cards) {
    QStringList parts;
    if (protocols)
        parts << (recognised ? QStringLiteral("(TypWyp IN(0,1,4) AND rodzumowy=1)")
                             : QStringLiteral("(TypWyp IN(2,3,5) AND rodzumowy=1)"));
    if (cards)
        parts << (recognised ? QStringLiteral(" (rodzumowy=2 AND rodzajWyp=1) ")
                             : QStringLiteral(" (rodzumowy=2 AND rodzajWyp=2) "));
    return parts.join(QStringLiteral(" OR "));
}

QString order(int dateKind, bool byName) {
    const QString date = referenceColumn(dateKind);
    const QString names = QStringLiteral("SKWPOSZKODOWANI.NAZWISKO, SKWPOSZKODOWANI.IMIE");
    return byName ? names + QStringLiteral(", ") + date : date + QStringLiteral(", ") + names;
}

WorkStatements workStatements(const WorkChoice& c, const QString& table) {
    const QString conditions = fromWhere(c, table) + dateCondition(c.dateKind) +
                               kindCondition(c.recognised, c.protocols, c.cards);
    const QString sorted = QStringLiteral(") ORDER BY ") + order(c.dateKind, c.byName);
    return {summaryColumns() + conditions + sorted, shortColumns() + conditions + sorted,
            countColumns() + conditions + QLatin1Char(')')};
}

Params rangeParams(const QDate& from, const QDate& to, const QString& start, const QString& end) {
    Params p;
    p.setDateTime(start, from.isValid() ? dates::midnight(from) : QDateTime());
    p.setDateTime(end, to.isValid() ? dates::midnight(to.addDays(1)) : QDateTime());
    return p;
}

// --- The statements of a built choice -------------------------------------------------------

WorkQueries::WorkQueries(Connection& c) : m_c(c) {}
WorkQueries::~WorkQueries() = default;

const WorkStatements& WorkQueries::build(const WorkChoice& choice) {
    dropTable();
    m_built = false;
    m_choice = choice;
    m_tableNeeded = !choice.wholeEnterprise && needsPositionTable(choice.positions);
    if (m_tableNeeded) {
        m_table = std::make_unique<statistics::PositionFilter>(m_c, statistics::positionIds(choice.positions));
        // Positions repeated in the list may leave few enough for a list.
        if (m_table->table().isEmpty()) {
            m_table.reset();
            m_tableNeeded = false;
        }
    }
    m_statements = workStatements(choice, table());
    m_built = true;
    return m_statements;
}

QString WorkQueries::table() const { return m_table ? m_table->table() : QString(); }

void WorkQueries::dropTable() { m_table.reset(); }

int WorkQueries::count() {
    if (!usable()) return 0;
    return m_c.scalar(m_statements.count, rangeParams(m_choice.from, m_choice.to)).toInt();
}

// --- Computed columns ----------------------------------------------------------------------

QString nameText(const QString& surname, const QString& firstName) { return surname + QLatin1Char(' ') + firstName; }

QString positionText(const QString& code, const QString& name) {
    return QLatin1Char('[') + code + QStringLiteral("] ") + name;
}

QString commutingConsequence(int skutki) {
    return skutki == 0 ? QStringLiteral("śmierć osoby poszkodowanej")
                       : QStringLiteral("czasowa niezdolność do pracy osoby poszkodowanej");
}

void addSummaryColumns(Dataset& ds, NumberText number) {
    addNumbers(ds, number);
    ds.addCalculatedField(QStringLiteral("SkutkiSlownie"), [](const Dataset& d, int r) -> QVariant {
        const Field f = d.rowField(r, QStringLiteral("SKUTKI"));
        return TDataModForm::ConsequenceText(f.isNull() ? 0 : int(f.asInt()));
    });
    // The injury of a protocol, else the circumstances of the accident card.
    ds.addCalculatedField(QStringLiteral("Skutki_Rep"), [](const Dataset& d, int r) -> QVariant {
        return d.rowField(r, QStringLiteral("NUMERPROT")).asInt() != 0
                   ? d.rowField(r, QStringLiteral("RODZURAZU")).asString()
                   : d.rowField(r, QStringLiteral("OKOLICZNOSCI")).asString();
    });
}

void addShortColumns(Dataset& ds, NumberText number) {
    addNumbers(ds, number);
    addPersonTexts(ds);
}

void addCommutingColumns(Dataset& ds, NumberText number, bool shortQuery) {
    ds.addCalculatedField(QStringLiteral("numersym"), [number](const Dataset& d, int r) -> QVariant {
        return numberOf(d, r, QStringLiteral("NUMER"), number);
    });
    ds.addCalculatedField(QStringLiteral("SkutkiSlownie"), [](const Dataset& d, int r) -> QVariant {
        return commutingConsequence(int(d.rowField(r, QStringLiteral("SKUTKI")).asInt()));
    });
    if (shortQuery) addPersonTexts(ds);
}

QString commutingSummary(const CommutingChoice& c) {
    return commutingStatement(c, QStringLiteral("WHERE "), QStringLiteral("datapocz"), QStringLiteral("datakonc"));
}

QString commutingShort(const CommutingChoice& c) {
    return commutingStatement(c, QStringLiteral(" WHERE "), QStringLiteral("dpocz"), QStringLiteral("dkon"));
}

} // namespace zort::collective
