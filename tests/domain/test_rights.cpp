// What the rights let a user see: the denied and visible organisation elements, the
// visible-structure table of a run, the restricted person list and the choice of the
// current register, on a real database.
#include "core/AdmSettings.h"
#include "domain/StructureAccess.h"
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Forms.h"
#include "core/Session.h"
#include "app/Startup.h"
#include "domain/Users.h"
#include "domain/DataModForm.h"
#include "domain/OrgStructure.h"
#include "db/DatabaseBuilder.h"
#include "db/Dataset.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedUi.h"
#include "support/TestDatabase.h"
#include "support/TestValues.h"

#include <QLabel>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>

using namespace zort;
using namespace zort::test;

namespace {

const QDateTime kReference(QDate(2024, 5, 10), QTime(10, 20, 30));

// The tables of the database named "Temp" + something.
QStringList tempTablesOf(Connection& c) {
    Dataset ds(&c, QStringLiteral("SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS "
                                  "WHERE RDB$RELATION_NAME STARTING WITH 'TEMP' ORDER BY 1"));
    ds.open();
    QStringList names;
    for (ds.first(); !ds.eof(); ds.next()) names << ds.field(0).asString();
    return names;
}

class RightsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Clock::setNow(kReference);
        appContext() = AppContext{};
        admSettings() = AdmSettings();
        conn = db.connect(QStringLiteral("setup"));
    }
    void TearDown() override {
        modules.clear();
        Session::logOut();
        Clock::setNow(QDateTime());
    }

    // An organisation element; created on the firm's day unless told otherwise.
    void element(int id, int parent, int level, int type, const QDateTime& created = day(2010, 1, 1),
                 const QDateTime& deleted = QDateTime()) {
        conn->execute(QStringLiteral("INSERT INTO OSTRUKT (ID, IDRODZSTRUKT, NRPOZ, TYPSTRUKT, SKROTNAZWA, KOD, USUNIETY, "
                                     "DATAUTW, DATAUSUN) VALUES (:id, :parent, :level, :type, :name, :name, :deleted, "
                                     ":created, :removed)"),
                      Params{{"id", id}, {"parent", parent}, {"level", level}, {"type", type},
                             {"name", QStringLiteral("E%1").arg(id)}, {"deleted", deleted.isValid() ? 1 : 0},
                             {"created", created}, {"removed", deleted}});
    }
    void deny(int user, int elementId) {
        conn->execute(QStringLiteral("INSERT INTO ADOSTEPSTRUKT (IDUZYTK, IDSTRUKT) VALUES (:u, :e)"),
                      Params{{"u", user}, {"e", elementId}});
    }
    // Logs the user in with AOsobWysw as given and creates a data module (a run).
    TDataModForm& run(int user, int personsRight = 0, const QString& connection = QStringLiteral("KARTY")) {
        TPrawaDostepu rights;
        rights.AWYPADKI = 2;
        rights.AOsobWysw = personsRight;
        Session::logIn(CurrentUser{user, QStringLiteral("user%1").arg(user), {}, {}, {}}, rights);
        modules.push_back(std::make_unique<TDataModForm>(db.connect(connection)));
        return *modules.back();
    }
    QList<int> tableIds(const QString& table) {
        Dataset ds(conn.get(), QStringLiteral("SELECT Id FROM ") + table + QStringLiteral(" ORDER BY Id"));
        ds.open();
        QList<int> ids;
        for (ds.first(); !ds.eof(); ds.next()) ids << int(ds.field(0).asInt());
        return ids;
    }
    QStringList tempTables() { return tempTablesOf(*conn); }

    TestDatabase db;
    ScriptedUi ui;
    std::unique_ptr<Connection> conn;
    std::vector<std::unique_ptr<TDataModForm>> modules;
};

} // namespace

TEST_F(RightsTest, VisibleElementsOnTheReferenceDate) {
    element(1, 0, 0, 0);
    element(2, 1, 1, 0);          // a unit
    element(3, 2, 2, 1);          // its position
    element(4, 1, 1, 0);          // denied unit
    element(5, 4, 2, 0);          // not denied itself, but below the denied one
    element(6, 5, 3, 1);
    element(7, 1, 1, 0, day(2024, 5, 11));  // created the day after
    element(8, 7, 2, 1);                    // existed earlier, below it
    element(9, 1, 1, 1, day(2010, 1, 1), day(2024, 5, 10));  // deleted on the day
    element(10, 1, 1, 1, day(2010, 1, 1), day(2024, 5, 11)); // deleted the day after
    element(11, 1, 1, 1, day(2010, 1, 1), day(2023, 1, 1));
    element(12, 1, 1, 1);   // denied
    element(112, 1, 1, 1);  // "12," must not deny it
    deny(7, 4);
    deny(7, 12);
    deny(8, 2);  // another user's

    TDataModForm& dm = run(7);
    EXPECT_EQ((QStringList{"4,", "12,"}), dm.deniedStructure());
    EXPECT_TRUE(dm.IsElementDenied(12));
    EXPECT_FALSE(dm.IsElementDenied(112));
    EXPECT_FALSE(dm.IsElementDenied(1));
    ASSERT_FALSE(dm.structureTable().isEmpty());
    EXPECT_EQ((QList<int>{1, 2, 3, 10, 112}), tableIds(dm.structureTable()));

    // Another reference date: the table follows it.
    Clock::advance(60000);
    dm.OpenRegister(QDateTime(QDate(2024, 5, 12), QTime(9, 0)));
    EXPECT_EQ((QStringList{dm.structureTable().toUpper()}), tempTables());
    EXPECT_EQ((QList<int>{1, 2, 3, 7, 8, 112}), tableIds(dm.structureTable()));
}

TEST_F(RightsTest, OnlyRestrictedUsersGetATable) {
    element(1, 0, 0, 0);
    TDataModForm& unrestricted = run(7, 1);
    EXPECT_TRUE(unrestricted.structureTable().isEmpty());
    EXPECT_TRUE(tempTables().isEmpty());
    EXPECT_EQ("SELECT Distinct ODanOs.* FROM ODANOS ORDER BY NAZWISKO,IMIE",
              unrestricted.personListSql(QStringLiteral("NAZWISKO,IMIE")));
}

TEST_F(RightsTest, RestrictedPersonList) {
    element(1, 0, 0, 0);
    element(2, 1, 1, 1);  // a visible position
    element(3, 1, 1, 1);  // another
    element(4, 1, 1, 0);  // denied unit
    element(5, 4, 2, 1);  // its position
    deny(7, 4);
    struct Employment {
        int person;
        int position;
        QDateTime from;
        QDateTime until;
    };
    const QString names[] = {{}, "Adamska", "Borowy", "Cieślak", "Dudek", "Ełk", "Fijał"};
    for (int p = 1; p <= 6; ++p)
        conn->execute(QStringLiteral("INSERT INTO ODANOS (IDOSOBY, NAZWISKO, IMIE) VALUES (:id, :n, 'A')"),
                      Params{{"id", p}, {"n", names[p]}});
    const Employment employments[] = {
        {1, 2, day(2015, 1, 1), {}},                // employed
        {2, 2, day(2015, 1, 1), day(2024, 5, 1)},   // left before the date
        {3, 2, day(2024, 6, 1), {}},                // joins after it
        {4, 2, day(2015, 1, 1), {}},                // two current employments
        {4, 3, day(2020, 1, 1), day(2025, 1, 1)},
        {5, 5, day(2015, 1, 1), {}},                // below the denied unit
        {6, 3, day(2015, 1, 1), day(2024, 5, 11)},  // leaves the day after
    };
    int id = 0;
    for (const Employment& e : employments)
        conn->execute(QStringLiteral("INSERT INTO OPRACOW (ID, IDPRAC, IDSTAN, DATAZATR, DATAZAK) "
                                     "VALUES (:id, :p, :s, :od, :do)"),
                      Params{{"id", ++id}, {"p", e.person}, {"s", e.position}, {"od", e.from}, {"do", e.until}});

    TDataModForm& dm = run(7);
    const QString sql = dm.personListSql(QStringLiteral("NAZWISKO,IMIE"));
    EXPECT_EQ("SELECT Distinct ODanOs.* FROM ODANOS,OPracow," + dm.structureTable() +
                  " WHERE ODanOs.IdOsoby=OPracow.IdPrac AND OPracow.IdStan = " + dm.structureTable() +
                  ".Id AND (OPracow.DataZatr <= :nowdata) AND  ((OPracow.DataZak IS NULL) OR (OPracow.DataZak > "
                  ":nowdata)) ORDER BY NAZWISKO,IMIE",
              sql);
    Dataset persons(&dm.KartyDB(), sql);
    persons.setParams(dm.personListParams());
    persons.open();
    QStringList offered;
    for (persons.first(); !persons.eof(); persons.next()) offered << persons.field("NAZWISKO").asString();
    EXPECT_EQ((QStringList{"Adamska", "Dudek", "Fijał"}), offered);

    // The person list was read: the table can still be dropped and built again.
    dm.BuildStructureTable();
    EXPECT_EQ(1, tempTables().size());
}

TEST_F(RightsTest, TwoRunsAtTheSameMomentAndTheEndOfARun) {
    element(1, 0, 0, 0);
    element(2, 1, 1, 1);
    // A table of an earlier run that ended abnormally, under the name this run makes.
    const qint64 next = structuretable::ConnectionNumber(*conn) + 1;
    const QString leftover = structuretable::Name(kReference.time(), next);
    conn->execute(" CREATE TABLE " + leftover + " ( Id Integer, Extra Integer)");

    // Same clock: the two runs make their tables in the same ten-millionth of a day.
    TDataModForm& first = run(7, 0, QStringLiteral("KARTY-1"));
    TDataModForm& second = run(8, 0, QStringLiteral("KARTY-2"));
    EXPECT_EQ(leftover, first.structureTable());
    EXPECT_NE(first.structureTable(), second.structureTable());
    EXPECT_TRUE(first.structureTable().startsWith("Temp"));
    EXPECT_EQ((QList<int>{1, 2}), tableIds(first.structureTable()));
    EXPECT_EQ((QList<int>{1, 2}), tableIds(second.structureTable()));

    const QString secondTable = second.structureTable().toUpper();
    modules.erase(modules.begin());
    EXPECT_EQ(QStringList{secondTable}, tempTables());
    modules.clear();
    EXPECT_TRUE(tempTables().isEmpty());
}

TEST_F(RightsTest, TwoRunsOnTheServer) {
    if (testServerHost().isEmpty()) GTEST_SKIP() << "no Firebird server (ZORT_FB_SERVER)";
    const QString database = createServerDatabase(true);
    auto open = [&](const QString& name) {
        auto c = std::make_unique<Connection>(name);
        c->open(database, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
        return c;
    };
    TPrawaDostepu rights;
    Session::logIn(CurrentUser{3, QStringLiteral("specjalista"), {}, {}, {}}, rights);
    auto first = std::make_unique<TDataModForm>(open(QStringLiteral("SERVER-1")));
    auto second = std::make_unique<TDataModForm>(open(QStringLiteral("SERVER-2")));
    ASSERT_NE(first->structureTable(), second->structureTable());
    auto count = [&](TDataModForm& dm) {
        return dm.KartyDB().scalar("SELECT COUNT(*) FROM " + dm.structureTable()).toInt();
    };
    EXPECT_GT(count(*first), 10);
    EXPECT_EQ(count(*first), count(*second));
    const QString gone = first->structureTable();
    first.reset();
    EXPECT_EQ(0, second->KartyDB()
                     .scalar("SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = :n", Params{{"n", gone.toUpper()}})
                     .toInt());
}

// --- The register of the run -------------------------------------------------------

class RegisterChoiceTest : public RightsTest {
protected:
    void SetUp() override {
        RightsTest::SetUp();
        conn->execute("INSERT INTO SKWREJESTR (ID, SYMBOL, NAZWA, IDSTRUKT) VALUES (1, 'RW-A', 'Rejestr A', 10)");
        conn->execute("INSERT INTO SKWREJESTR (ID, SYMBOL, NAZWA, IDSTRUKT) VALUES (2, 'RW-B', 'Rejestr B', 20)");
        conn->execute("INSERT INTO SKWREJESTR (ID, SYMBOL, NAZWA, IDSTRUKT) VALUES (3, 'RW-C', 'Rejestr C', 30)");
    }
    void grant(int user, int registerId) {
        conn->execute("INSERT INTO ADOSTEPSKWREJESTR (IDUZYTK, IDREJESTR) VALUES (:u, :r)",
                      Params{{"u", user}, {"r", registerId}});
    }
    RegisterChoice choose(int user, const QString& name, QList<int> denied = {}) {
        return ChooseCurrentRegister(*conn, CurrentUser{user, name, {}, {}, {}},
                                     [denied](int id) { return denied.contains(id); });
    }
};

TEST_F(RegisterChoiceTest, TheRunEndsWithoutAUsableDefaultRegister) {
    EXPECT_EQ(QString::fromUtf8("Dla użytkownika: jan nie został zdefiniowany dostęp do żadnego rejestru wypadków.\r\n"
                                "Proszę skontaktować się z administratorem systemu ZORT."),
              choose(5, "jan").failure);

    grant(5, 1);
    grant(5, 2);  // only allowed registers
    EXPECT_EQ(QString::fromUtf8("Dla użytkownika: jan nie został zdefiniowany domyślny rejestr.\r\n"
                                "Proszę skontaktować się z administratorem systemu ZORT."),
              choose(5, "jan").failure);

    grant(5, -3);
    const RegisterChoice denied = choose(5, "jan", {30});
    EXPECT_FALSE(denied.chosen());
    EXPECT_EQ(QString::fromUtf8("Dla użytkownika: jan domyślny zdefiniowany rejestr wypadków \r\n"
                                "oparty jest o element struktury organizacyjnej, do którego użytkownik nie ma "
                                "dostępu.\r\nProszę skontaktować się z administratorem systemu ZORT."),
              denied.failure);
}

TEST_F(RegisterChoiceTest, TheLastDefaultInTheOrderWinsAndAdminSeesTheUnassigned) {
    grant(5, 2);
    grant(5, -3);
    grant(5, -1);
    const RegisterChoice c = choose(5, "jan", {20});  // an allowed register's element is not checked
    ASSERT_TRUE(c.chosen()) << c.failure.toStdString();
    EXPECT_EQ((QList<RegisterItem>{{3, "RW-C Rejestr C"}, {1, "RW-A Rejestr A"}, {2, "RW-B Rejestr B"}}), c.items);
    EXPECT_EQ(1, c.currentId());
    EXPECT_EQ(QString::fromUtf8("Bieżący rejestr: RW-A Rejestr A"), c.panelText());
    EXPECT_TRUE(c.choiceOffered());

    grant(1, -2);
    const RegisterChoice admin = choose(1, "admin");
    EXPECT_EQ((QList<RegisterItem>{{2, "RW-B Rejestr B"}, {0, "Rejestr wypadków nieprzypisanych do żadnego rejestru"}}),
              admin.items);
    EXPECT_EQ(2, admin.currentId());
    EXPECT_TRUE(admin.choiceOffered());
    grant(6, -2);
    EXPECT_FALSE(choose(6, "ewa").choiceOffered());
}

// --- A whole run in registers mode -------------------------------------------------

namespace {

class RegistersRunTest : public ::testing::Test {
protected:
    void TearDown() override { resetRun(); }

    // Runs the program for the user (automatic login by id); `inLoop` runs once the
    // main window is shown and the message loop runs, then the window is closed.
    int run(int userId, const std::function<void()>& inLoop = {}) {
        folder.writeConfig(QStringLiteral("kwel.ini"), {"[Database]", "AliasName=ZortTest", "", "[TW]"});
        // The start-up processes events before its loop; the check waits for the loop.
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&]() {
            if (QThread::currentThread()->loopLevel() == 0) return;
            poll.stop();
            loopEntered = true;
            if (inLoop) inLoop();
            if (auto* main = Forms::get<QWidget>(QStringLiteral("TRejestrWypForm"))) main->close();
        });
        poll.start();
        return Startup({QStringLiteral("0"), QString::number(userId)}, folder.path()).run();
    }
    QStringList tempTables() {
        auto c = db.connect(QStringLiteral("check"));
        return tempTablesOf(*c);
    }

    TestDatabase db{TestDatabase::Content::Demo};
    ProgramFolder folder{db.path()};
    ScriptedUi ui;
    bool loopEntered = false;
};

} // namespace

TEST_F(RegistersRunTest, AUserWithoutRegistersEndsTheRunBeforeTheLoop) {
    int id = 0;
    {
        auto c = db.connect(QStringLiteral("setup"));
        id = addUser(*c, QStringLiteral("nowy"), QStringLiteral("Nowy1234!"), QStringLiteral("Jan"), QStringLiteral("Nowy"),
                     parseRights(QStringLiteral("AWYPADKI=2,AOSOBWYSW=1")));
        c->execute(QStringLiteral("UPDATE APRAWADOSTEPU SET ZMIANAHASLA = CURRENT_DATE WHERE ID = :id"), Params{{"id", id}});
    }
    EXPECT_EQ(ExitFatal, run(id));
    EXPECT_FALSE(loopEntered);
    EXPECT_EQ(QStringList{QString::fromUtf8("Dla użytkownika: nowy nie został zdefiniowany dostęp do żadnego rejestru "
                                            "wypadków.\r\nProszę skontaktować się z administratorem systemu ZORT.")},
              ui.texts());
}

TEST_F(RegistersRunTest, TheRestrictedUsersTableLivesForTheRun) {
    QString table;
    QString panel;
    int visible = 0;
    EXPECT_EQ(ExitOk, run(3, [&]() {
        TDataModForm* dm = dataMod();
        table = dm->structureTable();
        visible = dm->KartyDB().scalar("SELECT COUNT(*) FROM " + table).toInt();
        panel = Forms::get<QWidget>(QStringLiteral("TRejestrWypForm"))->findChild<QLabel*>(QStringLiteral("lRejestr"))->text();
    }));
    EXPECT_TRUE(loopEntered);
    EXPECT_TRUE(ui.shown.empty()) << ui.texts().join('|').toStdString();
    EXPECT_FALSE(table.isEmpty());
    EXPECT_GT(visible, 20);
    EXPECT_EQ(QString::fromUtf8("Bieżący rejestr: RW-ZMM Rejestr wypadków ZM Modrzewo"), panel);
    EXPECT_TRUE(tempTables().isEmpty()) << "dropped at the end of the run";
}

// A large organisation of six levels (units above, positions below, some created
// later or deleted) with 200 units denied: the table holds exactly the elements the
// structure tree shows, and nothing twice.
TEST_F(RightsTest, LargeOrganisationTableEqualsTheTreesElements) {
    constexpr int kLevelSizes[] = {5, 45, 300, 900, 1250, 2500};
    quint32 state = 20240601u;
    auto random = [&state](quint32 bound) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % bound;
    };
    QList<int> previous, units;
    int id = 0;
    {
        Transaction t(*conn);
        PreparedStatement insert(*conn, QStringLiteral(
            "INSERT INTO OSTRUKT (ID, IDRODZSTRUKT, NRPOZ, TYPSTRUKT, SKROTNAZWA, KOD, USUNIETY, DATAUTW, DATAUSUN) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int level = 0; level < 6; ++level) {
            QList<int> current;
            for (int n = 0; n < kLevelSizes[level]; ++n) {
                const int parent = level == 0 ? 0 : previous.at(int(random(quint32(previous.size()))));
                const quint32 fate = random(100);
                insert.execute(QVariantList{++id, parent, level, level == 5 ? 1 : 0, QStringLiteral("E%1").arg(id),
                                            QStringLiteral("K%1").arg(id), fate < 3 ? 1 : 0,
                                            day(fate >= 98 ? 2025 : 2010, 1, 1),
                                            fate < 3 ? QVariant(day(2020, 1, 1)) : QVariant()});
                current << id;
                if (level > 0 && level < 5) units << id;
            }
            previous = current;
        }
        t.commit();
    }
    QSet<int> denied;
    while (denied.size() < 200) {
        const int unit = units.at(int(random(quint32(units.size()))));
        if (!denied.contains(unit)) deny(7, unit);
        denied.insert(unit);
    }
    TDataModForm& dm = run(7);
    ASSERT_FALSE(dm.structureTable().isEmpty());
    QList<int> shown;
    for (const TStrukt& e : OrgStructure(*conn, [&denied](int e) { return denied.contains(e); }).visibleElements(kReference, true))
        shown << e.ID;
    std::sort(shown.begin(), shown.end());
    ASSERT_GT(shown.size(), 1000);
    EXPECT_EQ(shown, tableIds(dm.structureTable()));
    QList<int> read = ReadVisibleStructure(*conn, kReference, [&denied](int e) { return denied.contains(e); });
    std::sort(read.begin(), read.end());
    EXPECT_EQ(shown, read);
}
