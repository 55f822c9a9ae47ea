// Numbering of the registers: the year rules, registers mode, reuse after a
// deletion, and two workstations adding at the same moment.
#include "support/RegisterFixture.h"

#include "db/DatabaseBuilder.h"
#include "domain/RegisterStore.h"

#include <QSet>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

using namespace zort;
using namespace zort::test;

namespace {

class Numbering : public RegisterTest {
protected:
    NewRecordStamp stampAt(const QDateTime& reference, RegisterScope scope = {}) {
        return NewRecordStamp{reference, Clock::now(), QStringLiteral("STACJA-A"), scope};
    }
    RegisterStore& store() { return dm->store(); }
};

TEST_F(Numbering, AccidentNumbersFollowTheRegistrationYearCardNumbersTheAccidentDate) {
    // 2023 holds high numbers; an accident dated 2024 but registered in 2023 counts for
    // the 2023 register, while its person's card counts in 2024.
    accident(1, 57, at(2023, 6, 1), at(2023, 6, 2), 1, 40);
    accident(2, 58, at(2024, 1, 3), at(2023, 12, 30), 1, 7);

    const NewAccident a = store().addAccident(stampAt(at(2024, 2, 1, 9)), 5);
    EXPECT_EQ(a.accident.number, 1);  // MAX over no 2024 registrations is null: 1
    EXPECT_EQ(a.accident.id, 3);
    EXPECT_EQ(a.person.number, 8);    // after the card 7 of accident 2 (dated 2024)
    EXPECT_EQ(a.person.protocolNumber, 8);
    EXPECT_EQ(store().addAccident(stampAt(at(2023, 8, 1)), 5).accident.number, 59);

    // The year boundary: the last minute of 31 December is the old year, the first of
    // 1 January the new one.
    const NewAccident dec = store().addAccident(stampAt(at(2023, 12, 31, 23, 59)), 5);
    EXPECT_EQ(dec.accident.number, 60);
    EXPECT_EQ(value("SELECT DATAREJWYP FROM SKWWYPADKI WHERE ID = :id", {{"id", dec.accident.id}}).toDateTime(),
              at(2023, 12, 31, 23, 59));
    EXPECT_EQ(value("SELECT DATA FROM SKWWYPADKI WHERE ID = :id", {{"id", dec.accident.id}}).toDateTime(),
              at(2023, 12, 31, 10, 20, 30));  // the reference day with the time of now
    EXPECT_EQ(store().addAccident(stampAt(at(2024, 1, 1)), 5).accident.number, 2);

    // Commuting and other accidents number by their accident date (DATA).
    exec("INSERT INTO SKWWYPADKIWDRODZE (ID, NUMER, DATA, DATAREJWYP) VALUES (4, 9, :d, :r)",
         {{"d", at(2024, 1, 2)}, {"r", at(2023, 12, 20)}});
    NewRecord commuting;
    store().addCommutingAccident(stampAt(at(2024, 3, 1)), QStringLiteral(" "), commuting);
    EXPECT_EQ(commuting.id, 5);
    EXPECT_EQ(commuting.number, 10);
    const NewRecord other = store().addOtherAccident(stampAt(at(2024, 3, 1)));
    EXPECT_EQ(other.number, 1);
    EXPECT_EQ(store().addOtherInjuredPerson(stampAt(at(2024, 3, 1)), other.id).personNumber, 1);
    const NewRecord second = store().addOtherInjuredPerson(stampAt(at(2024, 3, 1)), other.id);
    EXPECT_EQ(second.personNumber, 2);
    EXPECT_EQ(second.number, 2);
    EXPECT_EQ(store().addOtherInjuredPerson(stampAt(at(2024, 3, 1)), store().addOtherAccident(stampAt(at(2024, 3, 1))).id)
                  .personNumber,
              1);  // per accident
}

TEST_F(Numbering, PersonAddedInTheNextYearsRegisterToAnAccidentOf31December) {
    accident(1, 12, at(2023, 12, 31, 22, 15), at(2023, 12, 31), 1, 50);
    accident(2, 1, at(2024, 1, 5), at(2024, 1, 5), 2, 1);  // 2024 cards 1 and 2
    const NewRecord p = store().addInjuredPerson(stampAt(at(2024, 2, 1)), 1);
    EXPECT_EQ(p.number, 3);  // the 2024 series, not 51
    EXPECT_EQ(p.protocolNumber, 3);
    EXPECT_EQ(value("SELECT NUMER FROM SKWWYPADKI WHERE ID = 1").toInt(), 12);
    // The person's accident is dated 2023, so the 2024 series does not count it: the
    // rule as written gives the next 2024 person the same number again.
    EXPECT_EQ(store().nextDocumentNumber(DocumentKind::Protocol, YearBounds::of(at(2024, 6, 1))), 3);
    EXPECT_EQ(store().nextDocumentNumber(DocumentKind::AccidentCard, YearBounds::of(at(2024, 6, 1))), 1);
    EXPECT_EQ(store().nextDocumentNumber(DocumentKind::Protocol, YearBounds::of(at(2023, 6, 1))), 51);
}

TEST_F(Numbering, RegistersModeNumbersEachRegisterOnItsOwn) {
    const RegisterScope r1{true, 1}, r2{true, 2}, none{true, 0};
    const QDateTime ref = at(2024, 4, 1);
    EXPECT_EQ(store().addAccident(stampAt(ref, r1), 5).accident.number, 1);
    EXPECT_EQ(store().addAccident(stampAt(ref, r1), 5).accident.number, 2);
    const NewAccident in2 = store().addAccident(stampAt(ref, r2), 5);
    EXPECT_EQ(in2.accident.number, 1);
    EXPECT_EQ(in2.person.number, 1);  // card numbers restart per register as well
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWREJESTRWYP WHERE IDREJESTR = 2 AND TABWYP = 1 AND IDWYP = :id",
                    {{"id", in2.accident.id}}),
              1);
    // Accidents outside every register (made without registers mode) number on their own.
    const NewAccident outside = store().addAccident(stampAt(ref), 5);
    EXPECT_EQ(outside.accident.number, 3);  // all accidents of the year, without the mode
    EXPECT_EQ(store().nextAccidentNumber(none, YearBounds::of(ref)), 4);  // only the unlinked one
    EXPECT_EQ(store().nextAccidentNumber(r2, YearBounds::of(ref)), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWREJESTRWYP WHERE IDWYP = :id", {{"id", outside.accident.id}}), 0);
    NewRecord c1, c2;
    store().addCommutingAccident(stampAt(ref, r1), QStringLiteral(" "), c1);
    store().addCommutingAccident(stampAt(ref, r2), QStringLiteral(" "), c2);
    EXPECT_EQ(c1.number, 1);
    EXPECT_EQ(c2.number, 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWREJESTRWYP WHERE TABWYP = 2"), 2);
}

// Workstations, each with its own connection, adding at the same moment: A and B
// to register 1, C to register 2 (so that A and B may see different largest keys
// while their register's largest number is the same).
void addConcurrently(const QString& database, const QString& user, const QString& password) {
    constexpr int kEach = 10;
    QStringList errors;
    std::mutex errorsLock;
    auto workstation = [&](const QString& name, int registerId) {
        try {
            Connection conn(QStringLiteral("ws-") + name);
            conn.open(database, user, password);
            RegisterStore s(conn);
            const NewRecordStamp stamp{at(2024, 3, 1), at(2024, 3, 1, 12), name, {true, registerId}};
            for (int i = 0; i < kEach; ++i) {
                const NewAccident a = s.addAccident(stamp, 5);
                s.addInjuredPerson(stamp, a.accident.id);
                NewRecord c;
                s.addCommutingAccident(stamp, QStringLiteral(" "), c);
            }
        } catch (const DbError& e) {
            std::lock_guard<std::mutex> g(errorsLock);
            errors << e.message();
        }
    };
    std::thread a(workstation, QStringLiteral("A"), 1);
    std::thread b(workstation, QStringLiteral("B"), 1);
    std::thread c(workstation, QStringLiteral("C"), 2);
    a.join();
    b.join();
    c.join();
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();

    Connection check(QStringLiteral("ws-check"));
    check.open(database, user, password);
    auto distinct = [&](const QString& sql) {
        Dataset d(&check, sql);
        d.open();
        QSet<qint64> seen;
        for (int r = 0; r < d.recordCount(); ++r) seen.insert(d.fieldAt(r, 0).asInt());
        EXPECT_EQ(seen.size(), d.recordCount()) << sql.toStdString();
        return d.recordCount();
    };
    const QString inRegister = QStringLiteral(" JOIN SKWREJESTRWYP r ON r.IDWYP = t.ID AND r.TABWYP = %1 "
                                              "WHERE r.IDREJESTR = %2");
    EXPECT_EQ(distinct("SELECT ID FROM SKWWYPADKI"), 3 * kEach);
    EXPECT_EQ(distinct("SELECT NUMER FROM SKWWYPADKI t" + inRegister.arg(1).arg(1)), 2 * kEach);
    EXPECT_EQ(distinct("SELECT NUMER FROM SKWWYPADKI t" + inRegister.arg(1).arg(2)), kEach);
    EXPECT_EQ(distinct("SELECT ID FROM SKWPOSZKODOWANI"), 6 * kEach);
    EXPECT_EQ(distinct("SELECT NUMERKARTY FROM SKWPOSZKODOWANI t JOIN SKWREJESTRWYP r ON r.IDWYP = t.IDWYPADKU "
                       "AND r.TABWYP = 1 WHERE r.IDREJESTR = 1"),
              4 * kEach);
    EXPECT_EQ(distinct("SELECT ID FROM SKWWYPADKIWDRODZE"), 3 * kEach);
    EXPECT_EQ(distinct("SELECT NUMER FROM SKWWYPADKIWDRODZE t" + inRegister.arg(2).arg(1)), 2 * kEach);
    EXPECT_EQ(check.scalar("SELECT COUNT(*) FROM SKWREJESTRWYP").toInt(), 6 * kEach);
}

TEST_F(Numbering, TwoWorkstationsAddingAtOnceNeverShareAKeyOrNumber) {
    dm.reset();  // the file is used by the two workstations alone
    addConcurrently(db.path(), QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
}

TEST_F(Numbering, TwoWorkstationsOnTheServer) {
    if (testServerHost().isEmpty()) GTEST_SKIP() << "no Firebird server (ZORT_FB_SERVER)";
    addConcurrently(createServerDatabase(), QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
}

// Eight workstations, each with its own connection on one database file, adding
// accidents as fast as they can for a few seconds: none gives up, and no key or
// number is given twice.
TEST_F(Numbering, EightBusyWorkstationsAllAddWithDistinctKeysAndNumbers) {
    dm.reset();  // the file is used by the workstations alone
    constexpr int kWorkstations = 8;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(4);
    std::atomic<int> added{0};
    QStringList errors;
    std::mutex errorsLock;
    auto workstation = [&](int n) {
        try {
            Connection conn(QStringLiteral("busy-%1").arg(n));
            conn.open(db.path(), QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
            RegisterStore s(conn);
            const NewRecordStamp stamp{at(2024, 3, 1), at(2024, 3, 1, 12), QStringLiteral("STACJA-%1").arg(n), {}};
            while (std::chrono::steady_clock::now() < until) {
                s.addAccident(stamp, 5);
                ++added;
            }
        } catch (const DbError& e) {
            std::lock_guard<std::mutex> g(errorsLock);
            errors << e.message();
        }
    };
    std::vector<std::thread> threads;
    for (int n = 1; n <= kWorkstations; ++n) threads.emplace_back(workstation, n);
    for (std::thread& t : threads) t.join();
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();

    Connection check(QStringLiteral("busy-check"));
    check.open(db.path(), QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
    auto distinct = [&](const QString& sql) {
        Dataset d(&check, sql);
        d.open();
        QSet<qint64> seen;
        for (int r = 0; r < d.recordCount(); ++r) seen.insert(d.fieldAt(r, 0).asInt());
        return int(seen.size());
    };
    const int n = added.load();
    EXPECT_GT(n, kWorkstations);
    EXPECT_EQ(check.scalar("SELECT COUNT(*) FROM SKWWYPADKI").toInt(), n);
    EXPECT_EQ(distinct("SELECT ID FROM SKWWYPADKI"), n);
    EXPECT_EQ(distinct("SELECT NUMER FROM SKWWYPADKI"), n);
    EXPECT_EQ(check.scalar("SELECT MAX(NUMER) FROM SKWWYPADKI").toInt(), n);  // no gaps either
    EXPECT_EQ(check.scalar("SELECT COUNT(*) FROM SKWPOSZKODOWANI").toInt(), n);
    EXPECT_EQ(distinct("SELECT ID FROM SKWPOSZKODOWANI"), n);
    EXPECT_EQ(distinct("SELECT NUMERKARTY FROM SKWPOSZKODOWANI"), n);
    // Every workstation got its turns.
    EXPECT_EQ(check.scalar("SELECT COUNT(DISTINCT COMPNAME) FROM SKWWYPADKI").toInt(), kWorkstations);
}

TEST_F(Numbering, ADatabaseWithoutTheLockTableGetsIt) {
    exec("DROP TABLE SKWNUMERACJA");
    EXPECT_EQ(store().addAccident(stampAt(at(2024, 1, 1)), 5).accident.number, 1);
    EXPECT_EQ(count("SELECT ZMIANY FROM SKWNUMERACJA WHERE TABELA = 'SKWWYPADKI'"), 1);
}

} // namespace
