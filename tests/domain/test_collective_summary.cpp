// The statements of the collective register and their rows on a database: a firm
// with a unit of 500 positions and a store, accidents around the turn of the year.
#include "db/Dataset.h"
#include "domain/CollectiveSummary.h"
#include "domain/OrgStructure.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace zort;
using namespace zort::collective;
using namespace zort::test;

namespace {

const QString kSummary = summaryColumns();
const QString kShort = shortColumns();

TEST(CollectiveStatements, EachChoiceGivesItsStatementText) {
    WorkChoice c;
    const QString all = " FROM SKWWYPADKI, SKWPOSZKODOWANI WHERE  (SKWPOSZKODOWANI.IDWYPADKU = SKWWYPADKI.ID)";
    const QString dates = "AND SKWWYPADKI.DATA >= :datapocz AND SKWWYPADKI.DATA < :datakonc AND (";
    const QString both = "(TypWyp IN(0,1,4) AND rodzumowy=1) OR  (rodzumowy=2 AND rodzajWyp=1) ";
    const WorkStatements s = workStatements(c);
    EXPECT_EQ(s.summary, kSummary + all + dates + both +
                             ") ORDER BY SKWWYPADKI.DATA, SKWPOSZKODOWANI.NAZWISKO, SKWPOSZKODOWANI.IMIE");
    EXPECT_EQ(s.shortQuery, kShort + all + dates + both +
                                ") ORDER BY SKWWYPADKI.DATA, SKWPOSZKODOWANI.NAZWISKO, SKWPOSZKODOWANI.IMIE");
    EXPECT_EQ(s.count, "select count(distinct SKWWYPADKI.id) " + all + dates + both + ")");
    EXPECT_TRUE(kSummary.endsWith(" SKWWYPADKI.SYMBOLWYP, SKWWYPADKI.MiejsceWyp,SKWWYPADKI.NUMER as NR_WYP "));
    EXPECT_TRUE(kShort.startsWith("SELECT SKWPOSZKODOWANI.NUMERPROT, SKWPOSZKODOWANI.NUMERKARTY,  SKWPOSZKODOWANI.NAZWISKO"));

    // An element: its list up to 400 commas, else the table of positions.
    c.wholeEnterprise = false;
    c.positions = "5,6";
    EXPECT_EQ(fromWhere(c), " FROM SKWWYPADKI, SKWPOSZKODOWANI WHERE (SKWPOSZKODOWANI.IDWYPADKU = SKWWYPADKI.ID) AND "
                            "SKWPOSZKODOWANI.IDStanow is not null  AND SKWPoszkodowani.IdStanow IN ( 5,6 )");
    EXPECT_EQ(fromWhere(c, "Temp42_7"),
              " FROM SKWWYPADKI, SKWPOSZKODOWANI, Temp42_7 WHERE  (SKWPOSZKODOWANI.IDWYPADKU = SKWWYPADKI.ID) AND "
              "SKWPOSZKODOWANI.IDStanow is not null  AND SKWPoszkodowani.IdStanow= Temp42_7.IdPom ");
    QStringList ids;
    for (int i = 0; i < 401; ++i) ids << QString::number(i);
    EXPECT_FALSE(needsPositionTable(ids.join(',')));
    ids << "401";
    EXPECT_TRUE(needsPositionTable(ids.join(',')));

    // Registers mode: the FROM addition after the tables, the WHERE addition before the join.
    c.wholeEnterprise = true;
    c.registerFrom = ", SKWRejestrWyp ";
    c.registerWhere = " IDRejestr=4 AND SKWRejestrWyp.TabWyp = 1 AND SKWRejestrWyp.IdWyp=SKWWypadki.Id AND ";
    EXPECT_EQ(fromWhere(c), " FROM SKWWYPADKI, SKWPOSZKODOWANI, SKWRejestrWyp  WHERE  IDRejestr=4 AND "
                            "SKWRejestrWyp.TabWyp = 1 AND SKWRejestrWyp.IdWyp=SKWWypadki.Id AND  "
                            "(SKWPOSZKODOWANI.IDWYPADKU = SKWWYPADKI.ID)");

    EXPECT_EQ(dateCondition(1), "AND SKWPOSZKODOWANI.DATAZG >= :datapocz AND SKWPOSZKODOWANI.DATAZG < :datakonc AND (");
    EXPECT_EQ(dateCondition(2),
              "AND SKWWYPADKI.DATAREJWYP  >= :datapocz and SKWWYPADKI.DATAREJWYP  < :datakonc AND (");
    EXPECT_EQ(kindCondition(false, true, true), "(TypWyp IN(2,3,5) AND rodzumowy=1) OR  (rodzumowy=2 AND rodzajWyp=2) ");
    EXPECT_EQ(kindCondition(true, false, true), " (rodzumowy=2 AND rodzajWyp=1) ");
    EXPECT_EQ(kindCondition(false, true, false), "(TypWyp IN(2,3,5) AND rodzumowy=1)");
    EXPECT_EQ(kindCondition(true, false, false), "");
    EXPECT_EQ(order(1, false), "SKWPOSZKODOWANI.DATAZG, SKWPOSZKODOWANI.NAZWISKO, SKWPOSZKODOWANI.IMIE");
    EXPECT_EQ(order(2, true), "SKWPOSZKODOWANI.NAZWISKO, SKWPOSZKODOWANI.IMIE, SKWWYPADKI.DATAREJWYP");

    // The whole last day: datakonc is the day after.
    const Params p = rangeParams(QDate(2024, 1, 1), QDate(2024, 12, 31));
    EXPECT_EQ(p.value("datapocz").toDateTime(), QDateTime(QDate(2024, 1, 1), QTime(0, 0)));
    EXPECT_EQ(p.value("datakonc").toDateTime(), QDateTime(QDate(2025, 1, 1), QTime(0, 0)));

    // Commuting accidents.
    CommutingChoice m;
    EXPECT_EQ(commutingSummary(m), "SELECT SKWWYPADKIWDRODZE.* FROM SKWWYPADKIWDRODZE WHERE  DATA >= :datapocz AND "
                                   "DATA < :datakonc AND ((RodzajWyp = 0)) ORDER BY DATA, NAZWISKO, IMIE");
    m.recognised = false;
    m.byName = true;
    m.dateKind = 2;
    m.registerFrom = ", SKWRejestrWyp ";
    m.registerWhere = " IDRejestr=4 AND SKWRejestrWyp.TabWyp = 2 AND SKWRejestrWyp.IdWyp=SKWWYPADKIWDRODZE.Id AND ";
    EXPECT_EQ(commutingShort(m), "SELECT SKWWYPADKIWDRODZE.* FROM SKWWYPADKIWDRODZE , SKWRejestrWyp  WHERE  IDRejestr=4 "
                                 "AND SKWRejestrWyp.TabWyp = 2 AND SKWRejestrWyp.IdWyp=SKWWYPADKIWDRODZE.Id AND  "
                                 "DATAREJWYP  >= :dpocz and DATAREJWYP  < :dkon AND ((RodzajWyp > 0)) ORDER BY "
                                 "NAZWISKO, IMIE, DATAREJWYP");
    m.dateKind = 1;
    m.registerFrom.clear();
    m.registerWhere.clear();
    EXPECT_EQ(commutingSummary(m), "SELECT SKWWYPADKIWDRODZE.* FROM SKWWYPADKIWDRODZE WHERE  DATAZG >= :datapocz AND "
                                   "DATAZG < :datakonc AND ((RodzajWyp > 0)) ORDER BY NAZWISKO, IMIE, DATAZG");
}

class CollectiveRows : public ::testing::Test {
protected:
    static constexpr int kFirm = 1, kUnit = 2, kStore = 3, kStorePosition = 5, kFirst = 1000;

    void SetUp() override {
        c = db.connect();
        element(kFirm, 0, 0, "F", "Firma");
        element(kUnit, kFirm, 0, "A", "Produkcja");
        element(kStore, kFirm, 0, "B", "Magazyn");
        element(kStorePosition, kStore, 1, "B1", "Magazynier");
        Transaction t(*c);
        for (int i = 0; i < 500; ++i) element(kFirst + i, kUnit, 1, QStringLiteral("A%1").arg(i), "Stanowisko");
        t.commit();
        // Two persons of one accident in production; a card person without a position on
        // the last minute of the year; one of the next year; a protocol not recognised.
        accident(1, QDateTime(QDate(2024, 3, 5), QTime(10, 0)), "Hala 1");
        person(11, 1, "Nowak", "Jan", 1, 1, kFirst, 1, 0, QDateTime(QDate(2024, 3, 6), QTime()));
        person(12, 1, "Adamski", "Piotr", 1, 2, kFirst + 499, 2, 0, QDateTime(QDate(2024, 3, 6), QTime()));
        accident(2, QDateTime(QDate(2024, 12, 31), QTime(23, 59)), "Droga");
        person(21, 2, "Antczak", "Adam", 0, 9, 0, 5, 0, QDateTime(QDate(2025, 1, 3), QTime()));
        exec("UPDATE SKWPOSZKODOWANI SET RODZUMOWY = 2, RODZAJWYP = 1, NUMERKARTYWYP = 7, OKOLICZNOSCI = 'Upadek' "
             "WHERE ID = 21");
        accident(3, QDateTime(QDate(2025, 1, 1), QTime(0, 0)), "Hala 2");
        person(31, 3, "Bąk", "Ewa", 3, 3, kStorePosition, 3, 0, QDateTime(QDate(2024, 12, 30), QTime()));
        accident(4, QDateTime(QDate(2024, 6, 1), QTime(8, 0)), "Hala 3");
        person(41, 4, "Cichy", "Jan", 4, 4, kStorePosition, 4, 2, QDateTime(QDate(2024, 6, 2), QTime()));
    }

    void element(int id, int parent, int type, const QString& code, const QString& name) {
        exec(QStringLiteral("INSERT INTO OSTRUKT (ID, IDRODZSTRUKT, NRPOZ, TYPSTRUKT, KOD, SKROTNAZWA, DATAUTW) "
                            "VALUES (%1, %2, %3, %4, '%5', '%6', '2000-01-01')")
                 .arg(id)
                 .arg(parent)
                 .arg(parent == 0 ? 0 : 1)
                 .arg(type)
                 .arg(code, name));
    }
    void accident(int id, const QDateTime& when, const QString& place) {
        c->execute("INSERT INTO SKWWYPADKI (ID, NUMER, DATA, DATAREJWYP, SYMBOLWYP, MIEJSCEWYP) VALUES (:id, :id, :d, :d, "
                   "'S', :m)",
                   Params{{"id", id}, {"d", when}, {"m", place}});
    }
    void person(int id, int accidentId, const QString& surname, const QString& name, int protocol, int skutki,
                int position, int card, int type, const QDateTime& reported) {
        c->execute("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERKARTY, NUMERPROT, NAZWISKO, IMIE, TYPWYP, RODZUMOWY, "
                   "IDSTANOW, SKUTKI, RODZURAZU, DATAZG) VALUES (:id, :a, :k, :p, :n, :i, :t, 1, :s, :sk, 'Uraz', :z)",
                   Params{{"id", id}, {"a", accidentId}, {"k", card}, {"p", protocol}, {"n", surname}, {"i", name},
                          {"t", type}, {"s", position == 0 ? QVariant() : QVariant(position)}, {"sk", skutki},
                          {"z", reported}});
    }
    int exec(const QString& sql) { return c->execute(sql); }
    int tables() {
        return c->scalar("SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$FIELD_NAME = 'IDPOM'").toInt();
    }
    // The surnames of the summary query of a choice, with its count.
    QStringList rows(const WorkChoice& choice, int* count = nullptr, bool withSymbol = false) {
        WorkQueries q(*c);
        const WorkStatements& s = q.build(choice);
        Dataset ds(c.get(), s.summary);
        addSummaryColumns(ds, [withSymbol](const Field& n, const QString& symbol) {
            return QString::number(n.asInt()) + (withSymbol ? "/" + symbol : QString());
        });
        ds.setParams(rangeParams(choice.from, choice.to));
        ds.open();
        if (count) *count = q.count();
        QStringList out;
        for (ds.first(); !ds.eof(); ds.next()) out << ds.field("NAZWISKO").asString();
        columns.clear();
        for (ds.first(); !ds.eof(); ds.next())
            columns << ds.field("numer").asString() + "|" + ds.field("nrKarty_symbol").asString() + "|" +
                           ds.field("SkutkiSlownie").asString() + "|" + ds.field("Skutki_Rep").asString();
        return out;
    }
    WorkChoice year() {
        WorkChoice w;
        w.from = QDate(2024, 1, 1);
        w.to = QDate(2024, 12, 31);
        return w;
    }

    TestDatabase db;
    std::unique_ptr<Connection> c;
    QStringList columns;
};

TEST_F(CollectiveRows, RangeKindsElementsAndTheirCount) {
    // Two persons of one accident: two rows, one accident; the last minute of the year.
    int count = 0;
    EXPECT_EQ(rows(year(), &count), (QStringList{"Adamski", "Nowak", "Antczak"}));
    EXPECT_EQ(count, 2);
    // By surname; not recognised accidents; only cards.
    WorkChoice w = year();
    w.byName = true;
    EXPECT_EQ(rows(w), (QStringList{"Adamski", "Antczak", "Nowak"}));
    w.recognised = false;
    EXPECT_EQ(rows(w, &count), QStringList{"Cichy"});
    EXPECT_EQ(count, 1);
    w = year();
    w.protocols = false;
    EXPECT_EQ(rows(w), QStringList{"Antczak"});

    // The report date selects and sorts: the person of 2025's accident reported in 2024.
    w = year();
    w.dateKind = 1;
    EXPECT_EQ(rows(w), (QStringList{"Adamski", "Nowak", "Bąk"}));

    // An element never lists persons without a position; 500 positions through a table
    // give the rows of the list, and the table is gone with the statements.
    const OrgStructure s(*c, [](int) { return false; });
    w = year();
    w.wholeEnterprise = false;
    w.element = kFirm;
    w.positions = s.PositionsOf(kFirm);
    ASSERT_TRUE(needsPositionTable(w.positions));
    {
        WorkQueries q(*c);
        q.build(w);
        EXPECT_TRUE(q.statements().summary.contains(q.table() + ".IdPom"));
        EXPECT_EQ(tables(), 1);
        q.dropTable();
        EXPECT_EQ(tables(), 0);
        EXPECT_FALSE(q.usable());
        q.build(w);
        EXPECT_EQ(tables(), 1);
    }
    EXPECT_EQ(tables(), 0);
    EXPECT_EQ(rows(w, &count), (QStringList{"Adamski", "Nowak"}));
    EXPECT_EQ(count, 1);
    w.positions = QString::number(kFirst) + "," + QString::number(kFirst + 499);
    EXPECT_EQ(rows(w), (QStringList{"Adamski", "Nowak"}));
    EXPECT_EQ(tables(), 0);
}

TEST_F(CollectiveRows, ComputedColumnsWithAndWithoutTheSymbol) {
    exec("UPDATE SKWPOSZKODOWANI SET SKUTKI = 4 WHERE ID = 12");
    rows(year());
    EXPECT_EQ(columns, (QStringList{"1|2|pozostałe skutki|Uraz", "1|1|śmierć osoby poszkodowanej|Uraz",
                                    "7|5|Błąd [nie określone]|Upadek"}));
    rows(year(), nullptr, true);
    EXPECT_EQ(columns.first(), "1/S|2/S|pozostałe skutki|Uraz");
    for (int code = 1; code <= 3; ++code) {
        exec(QStringLiteral("UPDATE SKWPOSZKODOWANI SET SKUTKI = %1 WHERE ID = 12").arg(code));
        rows(year());
        EXPECT_EQ(columns.first().section('|', 2, 2), (QStringList{"śmierć osoby poszkodowanej", "ciężkie uszkodzenie ciała",
                                                                     "inne skutki"})
                                                          .at(code - 1));
    }

    // Short query: names and positions.
    WorkQueries q(*c);
    Dataset ds(c.get(), q.build(year()).shortQuery);
    addShortColumns(ds, [](const Field& n, const QString&) { return QString::number(n.asInt()); });
    exec("UPDATE SKWPOSZKODOWANI SET STANOWKOD = 'A0', STANOWSKROT = 'Tokarz' WHERE ID = 11");
    ds.setParams(rangeParams(QDate(2024, 1, 1), QDate(2024, 12, 31)));
    ds.open();
    ASSERT_TRUE(ds.locate("NAZWISKO", "Nowak"));
    EXPECT_EQ(ds.field("ImNazw").asString(), "Nowak Jan");
    EXPECT_EQ(ds.field("Stanow").asString(), "[A0] Tokarz");
    EXPECT_EQ(commutingConsequence(0), "śmierć osoby poszkodowanej");
    EXPECT_EQ(commutingConsequence(1), "czasowa niezdolność do pracy osoby poszkodowanej");
}

} // namespace
