#include "core/Clock.h"
#include "domain/ModuleVersion.h"
#include "domain/Takes.h"
#include "db/DatabaseBuilder.h"
#include "db/Dataset.h"
#include "support/ScriptedUi.h"
#include "support/TestDatabase.h"

#include <QUuid>
#include <barrier>
#include <gtest/gtest.h>
#include <thread>

using namespace zort;
using namespace zort::test;

namespace {

const QDateTime kEarlier(QDate(2026, 12, 9), QTime(7, 15, 0));
const QDateTime kNow(QDate(2026, 12, 9), QTime(9, 41, 7));

void insertAccident(Connection& c, int id, const QString& table = QStringLiteral("SKWWYPADKI")) {
    c.execute(QStringLiteral("INSERT INTO %1 (ID, NUMER, COMPNAME, CZASROZP, CZASZAK) VALUES (:id, :id, 'NOWY', :t, :t)").arg(table),
              Params{{"id", id}, {"t", kEarlier}});
}

struct TakeRow {
    QString comp;
    QDateTime since;
    bool taken;
};

TakeRow row(Connection& c, int id, const QString& table = QStringLiteral("SKWWYPADKI")) {
    Dataset ds(&c, QStringLiteral("SELECT COMPNAME, CZASROZP, CZASZAK FROM %1 WHERE ID = :id").arg(table));
    ds.setParam(QStringLiteral("id"), id);
    ds.open();
    return {ds.field("COMPNAME").asTrimmed(), ds.field("CZASROZP").asDateTime(), ds.field("CZASZAK").isNull()};
}

// Two workstations (two connections with their own computer names) on one database.
void twoComputers(const QString& database) {
    ScriptedUi ui;
    Connection a(QStringLiteral("takes-a"));
    Connection b(QStringLiteral("takes-b"));
    a.open(database, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
    b.open(database, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
    Takes pcA(a, QStringLiteral("KOMPUTER-A"));
    Takes pcB(b, QStringLiteral("KOMPUTER-B"));
    insertAccident(a, 1);
    insertAccident(a, 2, QStringLiteral("SKWWYPADKIWDRODZE"));

    Clock::setNow(kEarlier);
    EXPECT_TRUE(pcA.TakeAccident(1, QStringLiteral("SKWWypadki")).claimed());  // free: taken
    TakeRow r = row(a, 1);
    EXPECT_EQ("KOMPUTER-A", r.comp);
    EXPECT_TRUE(r.taken);
    EXPECT_TRUE(ui.shown.empty());

    Clock::setNow(kNow);
    const Takes::Claim held = pcB.TakeAccident(1, QStringLiteral("SKWWypadki"));  // held by A
    EXPECT_EQ(Takes::Claim::Result::HeldByOther, held.result);
    EXPECT_EQ(QString::fromUtf8("Dostęp do danych o wypadku został zablokowany  o godzinie 2026-12-09 07:15:00 przez "
                                "użytkownika pracującego na komputerze KOMPUTER-A.\n\rPonów próbę później."),
              held.message());
    r = row(a, 1);
    EXPECT_EQ("KOMPUTER-A", r.comp);  // holder unchanged
    EXPECT_EQ(kEarlier, r.since);

    EXPECT_TRUE(pcA.TakeAccident(1, QStringLiteral("SKWWypadki")).claimed());  // renewing one's own take
    EXPECT_EQ(kNow, row(a, 1).since);

    pcB.ReleaseAccident(1, QStringLiteral("SKWWypadki"));  // never ends another's take
    EXPECT_TRUE(row(a, 1).taken);
    pcB.ReleaseAllTakes({QStringLiteral("SKWWYPADKI"), QStringLiteral("SKWWYPADKIWDRODZE")});
    EXPECT_TRUE(row(a, 1).taken);

    EXPECT_TRUE(pcB.TakeAccident(2, QStringLiteral("SKWWypadkiWDrodze")).claimed());
    pcA.ReleaseAllTakes({QStringLiteral("SKWWYPADKI"), QStringLiteral("SKWWYPADKIWDRODZE")});  // start-up of A
    EXPECT_FALSE(row(a, 1).taken);
    EXPECT_TRUE(row(a, 2, QStringLiteral("SKWWYPADKIWDRODZE")).taken);  // B's take stays

    EXPECT_TRUE(pcB.TakeAccident(1, QStringLiteral("SKWWypadki")).claimed());  // free again
    EXPECT_EQ("KOMPUTER-B", row(a, 1).comp);
    pcB.ReleaseAccident(1, QStringLiteral("SKWWypadki"));
    EXPECT_FALSE(row(a, 1).taken);

    a.execute(QStringLiteral("DELETE FROM SKWWYPADKI WHERE ID = 1"));
    const Takes::Claim gone = pcB.TakeAccident(1, QStringLiteral("SKWWypadki"));  // deleted meanwhile
    EXPECT_EQ(Takes::Claim::Result::Deleted, gone.result);
    EXPECT_EQ(QString::fromUtf8("Wypadek został usuniety przez innego uzytkownika ..."), gone.message());
    EXPECT_TRUE(ui.shown.empty()) << "the caller shows the messages";
    Clock::setNow(QDateTime());
}

// Many rounds of two computers claiming one free accident at the same moment.
void simultaneousClaims(const QString& database, int rounds) {
    {
        Connection setup(QStringLiteral("claims-setup"));
        setup.open(database, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
        insertAccident(setup, 77);
    }
    // Each computer notes its result of every round in a slot of its own; the
    // rounds are compared once both threads have ended.
    std::vector<char> wonA(size_t(rounds), 0), wonB(size_t(rounds), 0);
    std::barrier sync(2);
    auto worker = [&](const QString& computer, std::vector<char>& won) {
        Connection c(QStringLiteral("claims-") + computer + QUuid::createUuid().toString(QUuid::Id128));
        c.open(database, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
        Takes t(c, computer);
        for (int i = 0; i < rounds; ++i) {
            sync.arrive_and_wait();
            won[size_t(i)] = t.claim(77, QStringLiteral("SKWWypadki")).result == Takes::Claim::Result::Claimed;
            sync.arrive_and_wait();
            if (computer == QLatin1String("PC-A")) {
                // Make the accident free for the next round.
                c.execute(QStringLiteral("UPDATE SKWWYPADKI SET CZASZAK = CURRENT_TIMESTAMP WHERE ID = 77"));
            }
            sync.arrive_and_wait();
        }
    };
    std::thread ta([&]() { worker(QStringLiteral("PC-A"), wonA); });
    std::thread tb([&]() { worker(QStringLiteral("PC-B"), wonB); });
    ta.join();
    tb.join();
    int bothWon = 0, noneWon = 0;
    for (size_t i = 0; i < size_t(rounds); ++i) {
        if (wonA[i] && wonB[i]) ++bothWon;
        if (!wonA[i] && !wonB[i]) ++noneWon;
    }
    EXPECT_EQ(0, bothWon) << "rounds of " << rounds << " where both computers took the accident: " << bothWon;
    EXPECT_EQ(0, noneWon) << "rounds of " << rounds << " where neither computer took the free accident: " << noneWon;
}

} // namespace

TEST(Takes, TwoComputersOnOneEmbeddedDatabase) {
    TestDatabase db;
    twoComputers(db.path());
}

TEST(Takes, TwoComputersOnTheServer) {
    if (testServerHost().isEmpty()) GTEST_SKIP() << "no Firebird server (ZORT_FB_SERVER)";
    twoComputers(createServerDatabase());
}

TEST(Takes, SimultaneousClaimsOnTheServerHaveOneWinner) {
    if (testServerHost().isEmpty()) GTEST_SKIP() << "no Firebird server (ZORT_FB_SERVER)";
    simultaneousClaims(createServerDatabase(), 60);
}

TEST(Takes, SimultaneousClaimsOnAnEmbeddedDatabaseHaveOneWinner) {
    TestDatabase db;
    simultaneousClaims(db.path(), 60);
}

TEST(ModuleVersion, RaisesRefusesAndReportsAMissingRow) {
    TestDatabase db;
    auto c = db.connect();
    ScriptedUi ui;
    EXPECT_EQ(1, expectedModuleVersion(QStringLiteral("zortwyp")));
    EXPECT_EQ(0, expectedModuleVersion(QStringLiteral("innymodul")));

    EXPECT_EQ(ModuleCheck::Current, CheckModuleVersion(*c, QStringLiteral("zortwyp")));  // equal

    c->execute(QStringLiteral("UPDATE AWERSJAMOD SET NUMER = 0 WHERE MODUL = 'zortwyp'"));
    EXPECT_EQ(ModuleCheck::Current, CheckModuleVersion(*c, QStringLiteral("zortwyp")));  // lower: raised silently
    EXPECT_EQ(1, c->scalar(QStringLiteral("SELECT NUMER FROM AWERSJAMOD WHERE MODUL = 'zortwyp'")).toInt());

    c->execute(QStringLiteral("UPDATE AWERSJAMOD SET NUMER = 2 WHERE MODUL = 'zortwyp'"));
    EXPECT_EQ(ModuleCheck::Outdated, CheckModuleVersion(*c, QStringLiteral("zortwyp")));  // higher: refused
    EXPECT_EQ(QString::fromUtf8(" Wykryto niewłaściwą (niezaktualizowaną) wersję modułu! \n\r Skontaktuj się z administratorem systemu ZORT. "),
              moduleVersionOutdatedMessage());
    EXPECT_EQ(2, c->scalar(QStringLiteral("SELECT NUMER FROM AWERSJAMOD WHERE MODUL = 'zortwyp'")).toInt());

    c->execute(QStringLiteral("DELETE FROM AWERSJAMOD"));
    EXPECT_EQ(ModuleCheck::Unknown, CheckModuleVersion(*c, QStringLiteral("zortwyp")));  // missing: message, goes on
    EXPECT_EQ(QString::fromUtf8(" Brak możliwości sprawdzenia wersji modułu! \n\r Skontaktuj się z administratorem systemu ZORT. "),
              moduleVersionUnknownMessage());
    EXPECT_TRUE(ui.shown.empty()) << "the login window shows them";
}

// Two computers whose host names share their first 15 characters: each keeps its own
// takes, on a real database.
TEST(Takes, LongHostNamesWithACommonBeginningAreTwoComputers) {
    TestDatabase db;
    ScriptedUi ui;
    Connection a(QStringLiteral("takes-parter"));
    Connection b(QStringLiteral("takes-pietro"));
    a.open(db.path(), QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
    b.open(db.path(), QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
    const QString parter = Workstation::nameForHost(QStringLiteral("stanowisko-bhp-parter"));
    const QString pietro = Workstation::nameForHost(QStringLiteral("stanowisko-bhp-pietro"));
    ASSERT_NE(parter, pietro);
    Takes pcA(a, parter);
    Takes pcB(b, pietro);
    insertAccident(a, 1);

    Clock::setNow(kEarlier);
    EXPECT_TRUE(pcA.TakeAccident(1, QStringLiteral("SKWWypadki")).claimed());
    EXPECT_EQ(parter, row(a, 1).comp);  // stored whole in COMPNAME CHAR(15)

    Clock::setNow(kNow);
    const Takes::Claim held = pcB.TakeAccident(1, QStringLiteral("SKWWypadki"));
    EXPECT_FALSE(held.claimed());
    EXPECT_EQ(Takes::heldMessage(parter, kEarlier), held.message());
    EXPECT_TRUE(held.message().contains(QStringLiteral("na komputerze stanowisko~6D75.")));

    // The start of the other computer releases only its own takes.
    pcB.ReleaseAllTakes({QStringLiteral("SKWWYPADKI"), QStringLiteral("SKWWYPADKIWDRODZE")});
    EXPECT_TRUE(row(a, 1).taken);
    EXPECT_EQ(parter, row(a, 1).comp);
    pcA.ReleaseAccident(1, QStringLiteral("SKWWypadki"));
    EXPECT_TRUE(pcB.TakeAccident(1, QStringLiteral("SKWWypadki")).claimed());
    EXPECT_EQ(pietro, row(a, 1).comp);
    Clock::setNow(QDateTime());
}
