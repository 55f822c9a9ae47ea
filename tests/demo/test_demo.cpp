// The demo database that "zortdb create FILE --demo" makes: its users log in, its
// structure shows the date rules, its persons are consistent, its accidents follow
// the numbering rules, and every table that holds demo rows is marked as such.
#include "support/TestDatabase.h"
#include "core/Clock.h"
#include "domain/Login.h"
#include "core/Password.h"
#include "db/DatabaseBuilder.h"
#include "db/Dataset.h"
#include "demo/DemoData.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace zort;
using namespace zort::test;

namespace {

QStringList column(Connection& c, const QString& sql, const Params& p = {}) {
    Dataset ds(&c, sql);
    ds.setParams(p);
    ds.open();
    QStringList out;
    for (ds.first(); !ds.eof(); ds.next()) out << ds.field(0).asTrimmed();
    return out;
}

int count(Connection& c, const QString& sql, const Params& p = {}) { return c.scalar(sql, p).toInt(); }

QStringList numbers(int n) {
    QStringList out;
    for (int i = 1; i <= n; ++i) out << QString::number(i);
    return out;
}

// A user found by the login.
int login(Connection& c, const QString& typedName, const QString& password) {
    const auto account = findUser(c, typedName, password);
    return account ? account->user.id : 0;
}

// A PESEL is valid when its check digit matches and its date and sex digits agree
// with the birth date and the sex (1 man, 2 woman).
bool validPesel(const QString& pesel, const QDate& born, int sex) {
    static const QRegularExpression digits(QStringLiteral("^\\d{11}$"));
    if (!digits.match(pesel).hasMatch()) return false;
    const int weights[] = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
    int sum = 0;
    for (int i = 0; i < 10; ++i) sum += pesel.at(i).digitValue() * weights[i];
    if ((10 - sum % 10) % 10 != pesel.at(10).digitValue()) return false;
    const int mm = pesel.mid(2, 2).toInt();
    const int year = (mm > 20 ? 2000 : 1900) + pesel.left(2).toInt();
    if (QDate(year, mm % 20, pesel.mid(4, 2).toInt()) != born) return false;
    return (pesel.at(9).digitValue() % 2 == 1) == (sex == 1);
}

} // namespace

TEST(Demo, UsersLogInWithTheirRights) {
    TestDatabase db(TestDatabase::Content::Demo);
    auto c = db.connect();
    for (const DemoUser& u : kDemoUsers) {
        const QString password = QString::fromLatin1(u.password);
        EXPECT_GE(password.size(), 8);
        EXPECT_LE(password.size(), 10);
        EXPECT_TRUE(password.contains(QRegularExpression("[a-z]")) && password.contains(QRegularExpression("[A-Z]")) &&
                    password.contains(QRegularExpression("[0-9]")))
            << u.name;
        const int id = login(*c, QString::fromLatin1(u.name).toUpper(), password);
        EXPECT_GT(id, 0) << u.name;
        EXPECT_EQ(0, login(*c, QString::fromLatin1(u.name), password.toLower())) << u.name;
        const QDateTime changed = c->scalar("SELECT ZMIANAHASLA FROM APRAWADOSTEPU WHERE ID = :id", Params{{"id", id}})
                                      .toDateTime();
        EXPECT_EQ(QTime(0, 0), changed.time());
        EXPECT_LE(qAbs(changed.date().daysTo(Clock::today())), 1) << u.name;
    }
    EXPECT_EQ(0, count(*c, "SELECT POLITYKAHASEL FROM OPARAM"));

    // The administrator holds every right at 2: no integer column but the key differs.
    const QStringList rights = column(*c, "SELECT TRIM(rf.RDB$FIELD_NAME) FROM RDB$RELATION_FIELDS rf "
                                          "JOIN RDB$FIELDS f ON f.RDB$FIELD_NAME = rf.RDB$FIELD_SOURCE "
                                          "WHERE rf.RDB$RELATION_NAME = 'APRAWADOSTEPU' AND f.RDB$FIELD_TYPE = 8 "
                                          "AND rf.RDB$FIELD_NAME <> 'ID'");
    ASSERT_EQ(68, rights.size());
    EXPECT_EQ(68 * 2, count(*c, QStringLiteral("SELECT %1 FROM APRAWADOSTEPU WHERE NAZWAUZYTK = 'admin'").arg(rights.join('+'))));

    Dataset viewer(c.get(), "SELECT * FROM APRAWADOSTEPU WHERE NAZWAUZYTK = 'inspektor'");
    viewer.open();
    EXPECT_EQ(1, viewer.field("AWYPADKI").asInt());
    EXPECT_NE(0, viewer.field("AZAKL").asInt() + viewer.field("AOSOB").asInt() + viewer.field("AZAWODY").asInt());

    Dataset restricted(c.get(), "SELECT * FROM APRAWADOSTEPU WHERE NAZWAUZYTK = 'specjalista'");
    restricted.open();
    EXPECT_EQ(2, restricted.field("AWYPADKI").asInt());
    EXPECT_EQ(0, restricted.field("AOSOBWYSW").asInt());
    // Its one denied unit exists, is a unit, and has persons employed below it.
    const QStringList denied = column(*c, "SELECT IDSTRUKT FROM ADOSTEPSTRUKT WHERE IDUZYTK = :u",
                                      Params{{"u", restricted.value("ID")}});
    ASSERT_EQ(1, denied.size());
    EXPECT_EQ(0, count(*c, "SELECT TYPSTRUKT FROM OSTRUKT WHERE ID = :id", Params{{"id", denied[0]}}));
    EXPECT_GT(count(*c, "SELECT COUNT(*) FROM OPRACOW o JOIN OSTRUKT s ON s.ID = o.IDSTAN "
                        "WHERE s.IDRODZSTRUKT = :id AND o.DATAZAK IS NULL", Params{{"id", denied[0]}}), 0);

    // Registers mode: every user has one default register, and it exists.
    for (const QString& user : column(*c, "SELECT ID FROM APRAWADOSTEPU"))
        EXPECT_EQ(1, count(*c, "SELECT COUNT(*) FROM ADOSTEPSKWREJESTR a JOIN SKWREJESTR r ON r.ID = -a.IDREJESTR "
                               "WHERE a.IDUZYTK = :u AND a.IDREJESTR < 0", Params{{"u", user}})) << user.toStdString();
    // The administrator starts a circulation of the protocol and confirms it.
    EXPECT_EQ(2, count(*c, "SELECT COUNT(*) FROM LObiegDok, APrawaDostepu, LRoleOsoby, LTypDok "
                           "WHERE LObiegDok.IdRoli = LRoleOsoby.IdRoli AND LRoleOsoby.IdOsoby = APrawaDostepu.Id "
                           "AND LObiegDok.IdTypDok = LTypDok.Id AND LTypDok.Skrot = 'WypProt' AND NazwaUzytk = 'admin'"));
}

TEST(Demo, StructureShowsTheDateRules) {
    TestDatabase db(TestDatabase::Content::Demo);
    auto c = db.connect();
    const Params today{{"d", QDateTime(Clock::today(), QTime(12, 0))}};
    EXPECT_EQ(1, count(*c, "SELECT COUNT(*) FROM OSTRUKT WHERE NRPOZ = 0 AND IDRODZSTRUKT = 0"));
    EXPECT_GE(count(*c, "SELECT MAX(NRPOZ) FROM OSTRUKT"), 3);
    // Every element's level is one below its parent's, and positions are leaves.
    EXPECT_EQ(0, count(*c, "SELECT COUNT(*) FROM OSTRUKT s JOIN OSTRUKT p ON p.ID = s.IDRODZSTRUKT "
                           "WHERE s.NRPOZ <> p.NRPOZ + 1 OR p.TYPSTRUKT = 1"));
    EXPECT_EQ(0, count(*c, "SELECT COUNT(*) FROM OSTRUKT s WHERE s.TYPSTRUKT = 0 "
                           "AND NOT EXISTS (SELECT 1 FROM OSTRUKT k WHERE k.IDRODZSTRUKT = s.ID)"));
    EXPECT_EQ(count(*c, "SELECT COUNT(*) FROM OSTRUKT WHERE TYPSTRUKT = 1"), count(*c, "SELECT COUNT(*) FROM OSTANOW"));
    for (const char* col : {"KOD", "NIP", "NRREGON", "KODEKD", "ADRES", "KODPOCZ", "MIEJSCOW"})
        EXPECT_EQ(0, count(*c, QStringLiteral("SELECT COUNT(*) FROM OSTRUKT WHERE COALESCE(%1, '') = ''").arg(col)))
            << col;

    // One element is created after today, one was deleted before it.
    const QStringList future = column(*c, "SELECT ID FROM OSTRUKT WHERE DATAUTW > :d", today);
    ASSERT_EQ(1, future.size());
    EXPECT_EQ(0, count(*c, "SELECT TYPSTRUKT FROM OSTRUKT WHERE ID = :id", Params{{"id", future[0]}}));
    const QStringList deleted = column(*c, "SELECT ID FROM OSTRUKT WHERE USUNIETY = 1 AND DATAUSUN < :d", today);
    ASSERT_EQ(1, deleted.size());
    EXPECT_EQ(1, count(*c, "SELECT COUNT(*) FROM OSTRUKT WHERE USUNIETY = 1"));
    EXPECT_EQ(1, count(*c, "SELECT COUNT(*) FROM OSTRUKT WHERE DATAUTW < DATAUSUN AND ID = :id",
                       Params{{"id", deleted[0]}}));
    // Both have elements below them that exist on their own dates but hide with them.
    for (const QString& id : {future[0], deleted[0]})
        EXPECT_GT(count(*c, "SELECT COUNT(*) FROM OSTRUKT WHERE IDRODZSTRUKT = :id AND DATAUTW <= :d AND USUNIETY = 0",
                        Params{{"id", id}, {"d", today.value("d")}}), 0);
}

TEST(Demo, PersonsAndEmployments) {
    TestDatabase db(TestDatabase::Content::Demo);
    auto c = db.connect();
    const Params today{{"d", QDateTime(Clock::today(), QTime(12, 0))}};
    Dataset persons(c.get(), "SELECT * FROM ODANOS");
    persons.open();
    EXPECT_GE(persons.recordCount(), 18);
    EXPECT_LE(persons.recordCount(), 25);
    QSet<QString> seen;
    for (persons.first(); !persons.eof(); persons.next()) {
        const QString pesel = persons.field("PESEL").asString();
        EXPECT_TRUE(validPesel(pesel, persons.field("DATAUR").asDateTime().date(), int(persons.field("PLEC").asInt())))
            << pesel.toStdString();
        EXPECT_FALSE(seen.contains(pesel));
        seen.insert(pesel);
        for (const char* col : {"NAZWISKO", "IMIE", "KODPOCZ", "MIEJSCOW", "WOJEW", "ULICA", "NRUL", "NRDOK"})
            EXPECT_FALSE(persons.field(col).asString().isEmpty()) << col << " " << pesel.toStdString();
    }
    EXPECT_EQ(1, count(*c, "SELECT COUNT(*) FROM ODANOS WHERE PESEL STARTING WITH '0' "
                           "AND SUBSTRING(PESEL FROM 3 FOR 1) IN ('2', '3')"));  // born after 1999

    // Every person is employed on a work position, in an occupation of edition 4
    // at level 4, under a contract of the list.
    EXPECT_EQ(0, count(*c, "SELECT COUNT(*) FROM ODANOS d WHERE NOT EXISTS (SELECT 1 FROM OPRACOW o WHERE o.IDPRAC = d.IDOSOBY)"));
    EXPECT_EQ(0, count(*c, "SELECT COUNT(*) FROM OPRACOW o WHERE "
                           "NOT EXISTS (SELECT 1 FROM OSTRUKT s WHERE s.ID = o.IDSTAN AND s.TYPSTRUKT = 1) OR "
                           "NOT EXISTS (SELECT 1 FROM DNEWZAWODY2021 z WHERE z.ID = o.IDZAWOD AND z.NRPOZ = 4) OR "
                           "NOT EXISTS (SELECT 1 FROM SKWUMOWY u WHERE u.ID = o.IDUMOWY) OR "
                           "o.DATAZATR > :d OR o.SZKWSTEPNE NOT IN ('t', 'n')", today));
    // One person has two current employments; one has only an ended one.
    EXPECT_EQ(1, count(*c, "SELECT COUNT(*) FROM ODANOS d WHERE (SELECT COUNT(*) FROM OPRACOW o "
                           "WHERE o.IDPRAC = d.IDOSOBY AND o.DATAZAK IS NULL) = 2"));
    EXPECT_EQ(1, count(*c, "SELECT COUNT(*) FROM ODANOS d WHERE EXISTS (SELECT 1 FROM OPRACOW o "
                           "WHERE o.IDPRAC = d.IDOSOBY AND o.DATAZAK < :d) AND NOT EXISTS (SELECT 1 FROM OPRACOW o "
                           "WHERE o.IDPRAC = d.IDOSOBY AND o.DATAZAK IS NULL)", today));
    // The yearly employee counts reach the current year.
    EXPECT_EQ(1, count(*c, "SELECT COUNT(*) FROM SKWZATRUDNIENIE WHERE ROK = :y AND ILZATR > 0",
                       Params{{"y", Clock::today().year()}}));
}

TEST(Demo, AccidentsFollowTheNumberingAndDictionaries) {
    TestDatabase db(TestDatabase::Content::Demo);
    auto c = db.connect();
    const int year = Clock::today().year();
    for (int y : {year - 1, year}) {
        const Params bounds{{"od", QDateTime(QDate(y, 1, 1), QTime(0, 0))}, {"do", QDateTime(QDate(y + 1, 1, 1), QTime(0, 0))}};
        const QStringList accidents = column(*c, "SELECT NUMER FROM SKWWYPADKI WHERE DATAREJWYP >= :od AND DATAREJWYP < :do ORDER BY NUMER", bounds);
        EXPECT_GE(accidents.size(), 2) << y;
        EXPECT_EQ(numbers(int(accidents.size())), accidents) << y;
        const QString persons = "FROM SKWPOSZKODOWANI WHERE IDWYPADKU IN (SELECT ID FROM SKWWYPADKI WHERE DATA >= :od AND DATA < :do) ";
        const QStringList cards = column(*c, "SELECT NUMERKARTY " + persons + "ORDER BY 1", bounds);
        EXPECT_EQ(numbers(int(cards.size())), cards) << y;
        const QStringList protocols = column(*c, "SELECT NUMERPROT " + persons + "AND RODZUMOWY = 1 ORDER BY 1", bounds);
        EXPECT_EQ(numbers(int(protocols.size())), protocols) << y;
        const QStringList commuting = column(*c, "SELECT NUMER FROM SKWWYPADKIWDRODZE WHERE DATA >= :od AND DATA < :do ORDER BY 1", bounds);
        EXPECT_GE(commuting.size(), 1) << y;
        EXPECT_EQ(numbers(int(commuting.size())), commuting) << y;
    }
    // Besides these years, one accident of 2000 (the card of the 1996 form).
    EXPECT_EQ(0, count(*c, "SELECT COUNT(*) FROM SKWWYPADKI WHERE EXTRACT(YEAR FROM DATA) NOT IN (:a, :b, 2000) OR DATA > :now",
                       Params{{"a", year - 1}, {"b", year}, {"now", Clock::now()}}));
    // The cards of the 2000 form: one of the current year, one of 2000 with its disease number.
    EXPECT_EQ(1, count(*c, "SELECT COUNT(*) FROM SKWWYPADKI w JOIN SKWPOSZKODOWANI p ON p.IDWYPADKU = w.ID "
                           "WHERE w.WERSJASKW = 1 AND EXTRACT(YEAR FROM w.DATA) = :y AND p.IDURAZU3 IS NOT NULL "
                           "AND p.IDZRODLA2 IS NOT NULL AND p.IDZRODLA3 IS NULL AND p.SZKINSTR = 'T'",
                       Params{{"y", year}}));
    EXPECT_EQ(1, count(*c, "SELECT COUNT(*) FROM SKWWYPADKI w JOIN SKWPOSZKODOWANI p ON p.IDWYPADKU = w.ID "
                           "WHERE w.WERSJASKW = 1 AND w.DATAREJWYP < '2001-01-01' AND p.KODCHOROBY = 'S42'"));
    // A contract of employment has a protocol number, any other an accident-card number.
    EXPECT_EQ(0, count(*c, "SELECT COUNT(*) FROM SKWPOSZKODOWANI WHERE (RODZUMOWY = 1 AND (NUMERPROT < 1 OR NUMERKARTYWYP <> 0)) "
                           "OR (RODZUMOWY = 2 AND (NUMERPROT <> 0 OR NUMERKARTYWYP < 1)) OR RODZUMOWY NOT IN (1, 2)"));
    EXPECT_EQ(1, count(*c, "SELECT COUNT(*) FROM SKWPOSZKODOWANI WHERE RODZUMOWY = 2"));
    // The accident row agrees with its injured persons; one accident is not recognised.
    EXPECT_EQ(0, count(*c, "SELECT COUNT(*) FROM SKWWYPADKI w WHERE POSZKODOWANI <> (SELECT COUNT(*) FROM SKWPOSZKODOWANI p "
                           "WHERE p.IDWYPADKU = w.ID) OR WYPIZ <> IIF(POSZKODOWANI > 1, 1, 0) OR WYPUB <> 1 "
                           "OR DATAZGMIN <> (SELECT MIN(DATAZG) FROM SKWPOSZKODOWANI p WHERE p.IDWYPADKU = w.ID)"));
    EXPECT_EQ(1, count(*c, "SELECT COUNT(*) FROM SKWWYPADKI WHERE WYPIZ = 1"));
    EXPECT_EQ(1, count(*c, "SELECT COUNT(DISTINCT IDWYPADKU) FROM SKWPOSZKODOWANI WHERE TYPWYP > 1"));
    // Not taken: the take began and ended at creation, on a named computer.
    for (const char* t : {"SKWWYPADKI", "SKWWYPADKIWDRODZE"}) {
        EXPECT_EQ(0, count(*c, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE CZASZAK IS NULL OR CZASROZP <> CZASZAK "
                                              "OR TRIM(COMPNAME) = '' OR BLOK <> 0").arg(t))) << t;
        EXPECT_EQ(0, count(*c, QStringLiteral("SELECT COUNT(*) FROM %1 w WHERE NOT EXISTS (SELECT 1 FROM SKWREJESTRWYP r "
                                              "JOIN ADOSTEPSKWREJESTR a ON a.IDREJESTR = -r.IDREJESTR WHERE r.IDWYP = w.ID "
                                              "AND r.TABWYP = %2)").arg(t).arg(qstrcmp(t, "SKWWYPADKI") == 0 ? 1 : 2))) << t;
    }
    // Accidents in service: one of this year with two officers, one of the last; the
    // officers copied from persons with ranks, their triples rows of the demo's tree.
    EXPECT_EQ(2, count(*c, "SELECT COUNT(*) FROM WYPOPER_WYPADKI"));
    EXPECT_EQ(1, count(*c, "SELECT COUNT(*) FROM WYPOPER_WYPADKI WHERE POSZKODOWANI = 2 AND WYPIZ = 1 "
                           "AND EXTRACT(YEAR FROM DATAREJWYP) = :y", Params{{"y", year}}));
    EXPECT_EQ(0, count(*c, "SELECT COUNT(*) FROM WYPOPER_WYPADKI w WHERE POSZKODOWANI <> (SELECT COUNT(*) FROM "
                           "WYPOPER_POSZKODOWANI p WHERE p.IDWYPADKU = w.ID) OR NUMER <> 1 OR CZASZAK IS NULL "
                           "OR DATAZGMIN <> (SELECT MIN(DATAZG) FROM WYPOPER_POSZKODOWANI p WHERE p.IDWYPADKU = w.ID)"));
    EXPECT_EQ(0, count(*c, "SELECT COUNT(*) FROM WYPOPER_POSZKODOWANI p WHERE NOT EXISTS (SELECT 1 FROM ODANOS o "
                           "WHERE o.IDOSOBY = p.IDPRACOWNIKA AND o.STOPSL = p.STOPSL AND o.NAZWISKO = p.NAZWISKO) "
                           "OR NOT EXISTS (SELECT 1 FROM DPLPOWCZYNN t JOIN KWOPER k ON k.NRTYPKRYT = t.NRTYPKRYT "
                           "WHERE t.IDCZYNN = p.IDCZYNNURAZ1 AND t.IDUSZCZYNN = p.IDWYDARZURAZ1 AND k.ID = p.IDPRZYCZYNA1) "
                           "OR NUMERKARTY <> NRPOSZK OR PRZYCZYNY IS NULL OR UWAGIEKW IS NULL OR DATAODB IS NULL"));
    EXPECT_GE(count(*c, "SELECT COUNT(*) FROM ODANOS WHERE STOPSL > ''"), 3);
    // Memos are stored with CR LF.
    EXPECT_EQ(0, count(*c, "SELECT COUNT(*) FROM SKWPOSZKODOWANI WHERE POSITION(ASCII_CHAR(10) IN "
                           "REPLACE(OKOLICZNOSCI, ASCII_CHAR(13) || ASCII_CHAR(10), '')) > 0"));
    EXPECT_GT(count(*c, "SELECT COUNT(*) FROM SKWPOSZKODOWANI WHERE POSITION(ASCII_CHAR(13) || ASCII_CHAR(10) IN PRZYCZYNY) > 0"), 0);

    // Every code stored on a card is a leaf of the dictionary of the accident's
    // version, with its name (cut to the column) beside it.
    const char* const answers[][3] = {
        {"IDURAZU1", "URAZ1", "SKWUMIEJSCURAZ"}, {"IDPROCESPRACY", "PROCESPRACY", "SKWPROCESPRACY"},
        {"IDCZYNNOSCI", "CZYNNOSC", "SKWCZYNNWYKPOSZK"}, {"IDCZYNNIKCZYNNOSC", "CZYNNIKCZYNNOSC", "SKWCZYNNIKMATER"},
        {"IDWYDARZENIA", "WYDARZENIE", "SKWWYDARZODCHYL"}, {"IDCZYNNIKODCHYLENIE", "CZYNNIKODCHYLENIE", "SKWCZYNNIKMATER"},
        {"IDWYDARZENIEURAZ", "WYDARZENIEURAZ", "SKWWYDARZURAZ"}, {"IDCZYNNIKURAZ", "CZYNNIKURAZ", "SKWCZYNNIKMATER"},
        {"IDPRZYCZYNY1", "PRZYCZYNA1", "SKWPRZYCZYNYWYP"}, {"IDPRZYCZYNY2", "PRZYCZYNA2", "SKWPRZYCZYNYWYP"}};
    int answered = 0;
    for (const auto& a : answers)
        for (const auto& [version, suffix] : {std::pair{5, "_1"}, std::pair{4, ""}}) {
            const QString table = QString::fromLatin1(a[2]) + QString::fromLatin1(suffix);
            const QString from = QStringLiteral("FROM SKWPOSZKODOWANI p JOIN SKWWYPADKI w ON w.ID = p.IDWYPADKU "
                                                "WHERE w.WERSJASKW = %1 AND p.%2 IS NOT NULL ").arg(version).arg(a[0]);
            answered += count(*c, "SELECT COUNT(*) " + from);
            EXPECT_EQ(0, count(*c, QStringLiteral("SELECT COUNT(*) %1 AND NOT EXISTS (SELECT 1 FROM %2 d WHERE d.KOD = p.%3 "
                                                  "AND d.NAZWA STARTING WITH p.%4 AND NOT EXISTS (SELECT 1 FROM %2 k "
                                                  "WHERE k.IDRODZ = d.ID))").arg(from, table, a[0], a[1])))
                << a[0] << " " << table.toStdString();
        }
    EXPECT_GE(answered, 50);
    EXPECT_EQ(0, count(*c, "SELECT COUNT(*) FROM SKWPOSZKODOWANI p JOIN SKWWYPADKI w ON w.ID = p.IDWYPADKU "
                           "WHERE w.WERSJASKW = 5 AND p.IDRODZAJURAZ IS NOT NULL AND NOT EXISTS "
                           "(SELECT 1 FROM SKWRODZAJURAZ_1 d WHERE d.KOD = p.IDRODZAJURAZ AND d.NRPOZ = 1)"));
    EXPECT_EQ(0, count(*c, "SELECT COUNT(*) FROM SKWWYPADKI w WHERE WERSJASKW = 5 AND NOT EXISTS "
                           "(SELECT 1 FROM SKWMIEJSCEWYP_1 d WHERE d.KOD = w.IDMIEJSCA AND d.NAZWA = w.MIEJSCEWYP)"));

    // Attachments: numbered per owner across the three kinds; a commuting accident's
    // own protocol id is 0.
    EXPECT_GE(count(*c, "SELECT COUNT(*) FROM SKWPRZESLUCHANIE h JOIN SKWPOSZKODOWANI p ON p.ID = h.IDPROTOKOLU "
                        "AND p.IDWYPADKU = h.IDWYPADKU"), 2);
    EXPECT_EQ(1, count(*c, "SELECT COUNT(*) FROM SKWZALACZNIKI z JOIN SKWWYPADKIWDRODZE d ON d.ID = z.IDWYPADKU "
                           "WHERE z.IDPROTOKOLU = 0"));
    Dataset owners(c.get(), "SELECT IDWYPADKU, IDPROTOKOLU, LIST(N) FROM (SELECT IDWYPADKU, IDPROTOKOLU, ID AS N FROM SKWZALACZNIKI "
                            "UNION ALL SELECT IDWYPADKU, IDPROTOKOLU, NUMER FROM SKWPRZESLUCHANIE "
                            "UNION ALL SELECT IDWYPADKU, IDPROTOKOLU, NUMER FROM SKWPOLECENIE ORDER BY 3) "
                            "GROUP BY IDWYPADKU, IDPROTOKOLU");
    owners.open();
    for (owners.first(); !owners.eof(); owners.next()) {
        const QStringList n = owners.field(2).asString().split(',');
        EXPECT_EQ(numbers(int(n.size())), n);
    }
}

TEST(Demo, DictionaryTreesAndEveryDemoTableIsMarked) {
    TestDatabase empty;
    TestDatabase demo(TestDatabase::Content::Demo);
    auto e = empty.connect("empty");
    auto d = demo.connect("demo");
    const QStringList marked = column(*d, "SELECT TABELA FROM ZORTDEMO");
    for (const QString& t : column(*d, "SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0")) {
        if (t == "ZORTDEMO") continue;
        const int before = count(*e, QStringLiteral("SELECT COUNT(*) FROM %1").arg(t));
        const int after = count(*d, QStringLiteral("SELECT COUNT(*) FROM %1").arg(t));
        EXPECT_EQ(after > before, marked.contains(t)) << t.toStdString() << " " << before << " -> " << after;
    }
    EXPECT_EQ(0, count(*d, "SELECT COUNT(*) FROM ZORTDEMO WHERE COALESCE(OPIS, '') = ''"));

    // The trees of the 2022 card and the older occupation editions: two levels at
    // least, every parent on the level above.
    for (const char* t : {"SKWMIEJSCEWYP_1", "SKWUMIEJSCURAZ_1", "SKWCZYNNWYKPOSZK_1", "SKWWYDARZODCHYL_1",
                          "SKWPRZYCZYNYWYP_1", "SKWRODZAJURAZ_1", "SKWPROCESPRACY_1", "SKWCZYNNIKMATER_1",
                          "SKWWYDARZURAZ_1", "SKWFWJEDN_1", "DNEWZAWODY", "DNEWZAWODY2010", "DNEWZAWODY2014"}) {
        EXPECT_GE(count(*d, QStringLiteral("SELECT MAX(NRPOZ) FROM %1").arg(t)), 1) << t;
        EXPECT_EQ(0, count(*d, QStringLiteral("SELECT COUNT(*) FROM %1 r WHERE r.NRPOZ > 0 AND NOT EXISTS "
                                              "(SELECT 1 FROM %1 p WHERE p.ID = r.IDRODZ AND p.NRPOZ = r.NRPOZ - 1)").arg(t)))
            << t;
    }
    EXPECT_EQ(2, count(*d, "SELECT MAX(NRPOZ) FROM SKWPRZYCZYNYWYP_1"));
    EXPECT_EQ(4, count(*d, "SELECT MAX(NRPOZ) FROM DNEWZAWODY2014"));
    // Grouped dictionaries: every member in an existing group.
    EXPECT_EQ(0, count(*d, "SELECT COUNT(*) FROM SKWPRZYCZYNY m WHERE NOT EXISTS (SELECT 1 FROM SKWPRZYCZYNYG g WHERE g.ID = m.IDGRUPY)"));
    EXPECT_EQ(0, count(*d, "SELECT COUNT(*) FROM SKWZRODLA_1 m WHERE NOT EXISTS (SELECT 1 FROM SKWZRODLAG g WHERE g.ID = m.IDGRUPY)"));
    EXPECT_EQ(0, count(*d, "SELECT COUNT(*) FROM SKWCHORL4 m WHERE CHAR_LENGTH(KODCHORL4) <> 3 OR NOT EXISTS "
                           "(SELECT 1 FROM SKWCHORL4G g WHERE g.ID = m.IDGRCHOR)"));
    // The factors of the services: every activity of the class has events, and every
    // pair has causes.
    EXPECT_EQ(0, count(*d, "SELECT COUNT(*) FROM DCZYNN c WHERE NAZWAKLASY = 'TCzynnikOper' AND NOT EXISTS "
                           "(SELECT 1 FROM DPLPOWCZYNN p JOIN DPLUSZCZYNN u ON u.ID = p.IDUSZCZYNN WHERE p.IDCZYNN = c.ID)"));
    EXPECT_EQ(0, count(*d, "SELECT COUNT(*) FROM DPLPOWCZYNN p WHERE NOT EXISTS (SELECT 1 FROM KWOPER k WHERE k.NRTYPKRYT = p.NRTYPKRYT)"));
    // The document kinds the printouts use.
    EXPECT_EQ(QStringList({"WypKart", "WypProt", "WypSkw"}),
              column(*d, "SELECT SKROT FROM LTYPDOK WHERE SKROT IN ('WypProt', 'WypSkw', 'WypKart') ORDER BY 1"));
}

// A creation that fails half-way leaves no database behind, so a new attempt at
// the same path works. (Made on the last day of 9999, the demo's unit created after
// that day cannot be stored.)
TEST(Demo, FailedCreationLeavesNoFile) {
    QTemporaryDir dir(testTempRoot() + "/failed-XXXXXX");
    const QString file = dir.path() + "/zort.fdb";
    DatabaseBuilder::Options o;
    o.extraRows = &loadDemoData;
    Clock::setNow(QDateTime(QDate(9999, 12, 31), QTime(12, 0)));
    EXPECT_THROW(DatabaseBuilder::create(file, o), DbError);
    Clock::setNow(QDateTime());
    EXPECT_FALSE(QFileInfo::exists(file));
    o.extraRows = nullptr;
    EXPECT_NO_THROW(DatabaseBuilder::create(file, o));
}

// The command of the README makes a database that isql opens and lists all tables of.
TEST(Demo, ZortdbCreateMakesADatabaseIsqlOpens) {
    const QString bin = qEnvironmentVariable("ZORT_BIN_DIR");
    const QString isql = QStandardPaths::findExecutable("isql-fb");
    if (bin.isEmpty() || isql.isEmpty()) GTEST_SKIP() << "ZORT_BIN_DIR or isql-fb not available";
    QTemporaryDir dir(testTempRoot() + "/zortdb-XXXXXX");
    const QString file = dir.path() + "/x.fdb";
    QProcess zortdb;
    zortdb.start(bin + "/zortdb", {"create", file, "--demo"});
    ASSERT_TRUE(zortdb.waitForFinished(120000));
    ASSERT_EQ(0, zortdb.exitCode()) << zortdb.readAllStandardError().toStdString();
    const qint64 size = QFileInfo(file).size();

    // It never overwrites a file, and says so.
    zortdb.start(bin + "/zortdb", {"create", file});
    ASSERT_TRUE(zortdb.waitForFinished(60000));
    EXPECT_NE(0, zortdb.exitCode());
    EXPECT_TRUE(zortdb.readAllStandardError().startsWith("zortdb: "));
    EXPECT_EQ(size, QFileInfo(file).size());

    QProcess sql;
    sql.start(isql, {"-user", QString::fromLatin1(kDbUser), "-password", QString::fromLatin1(kDbPassword), "-ch", "UTF8", file});
    sql.write("SHOW TABLES;\nSELECT 'demo:' || COUNT(*) FROM ZORTDEMO;\n");
    sql.closeWriteChannel();
    ASSERT_TRUE(sql.waitForFinished(60000));
    const QString out = QString::fromUtf8(sql.readAllStandardOutput());
    EXPECT_TRUE(sql.readAllStandardError().isEmpty());
    QStringList listed = out.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);

    Connection c("isql-check");
    c.open(file, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
    const QStringList tables = column(c, "SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0");
    EXPECT_GT(tables.size(), 80);
    for (const QString& t : tables) EXPECT_TRUE(listed.contains(t)) << t.toStdString();
    const int marked = count(c, "SELECT COUNT(*) FROM ZORTDEMO");
    EXPECT_TRUE(out.contains(QStringLiteral("demo:%1").arg(marked))) << out.toStdString();
}
