// The data module on a real database: creating, listing and deleting records of the
// three registers, the register of a year, calculated fields.
#include "support/RegisterFixture.h"

#include "core/AppContext.h"
#include "core/MyIniFile.h"
#include "db/DatabaseBuilder.h"
#include "domain/SharedConnection.h"
#include "domain/Takes.h"
#include "core/Win1250.h"

#include <QFile>
#include "support/ProgramFolder.h"

using namespace zort;
using namespace zort::test;

namespace {

class DataMod : public RegisterTest {
protected:
    // Attachments, hearings and orders of an owner (accident, person or 0), a link to
    // an external document of type `docType` and a membership in register 1.
    void dependants(int accidentId, int owner, int docType, int docOwner, int tabWyp) {
        const Params p{{"a", accidentId}, {"o", owner}};
        exec("INSERT INTO SKWZALACZNIKI (ID, IDWYPADKU, IDPROTOKOLU, TYTUL) VALUES (1, :a, :o, 'zał.')", p);
        exec("INSERT INTO SKWPRZESLUCHANIE (ID, IDWYPADKU, IDPROTOKOLU) VALUES "
             "((SELECT COALESCE(MAX(ID), 0) + 1 FROM SKWPRZESLUCHANIE), :a, :o)", p);
        exec("INSERT INTO SKWPOLECENIE (ID, IDWYPADKU, IDPROTOKOLU) VALUES "
             "((SELECT COALESCE(MAX(ID), 0) + 1 FROM SKWPOLECENIE), :a, :o)", p);
        exec("INSERT INTO SKWDOKUMZEWN (ID, TYP, IDTABELI, NAZWAPLIK) VALUES (GEN_ID(GenSKWDokumZewn, 1), :t, :i, 'x.doc')",
             {{"t", docType}, {"i", docOwner}});
        if (tabWyp) exec("INSERT INTO SKWREJESTRWYP VALUES (1, :a, :t)", {{"a", accidentId}, {"t", tabWyp}});
    }
    // Rows of every dependant table that belong to the accident-at-work / commuting owner.
    int owned(const QString& table, int accidentId, bool commuting) {
        return count("SELECT COUNT(*) FROM " + table + " WHERE IDWYPADKU = :a AND IDPROTOKOLU " +
                         (commuting ? "= 0" : "> 0"),
                     {{"a", accidentId}});
    }
    void refuseDeletionsFrom(const QString& table) {
        exec("CREATE EXCEPTION E_NIE 'Usuwanie zablokowane przez administratora'");
        exec("CREATE TRIGGER T_NIE FOR " + table + " BEFORE DELETE AS BEGIN EXCEPTION E_NIE; END");
    }
    QVariant accidentColumn(const QString& column, int id) {
        return value("SELECT " + column + " FROM SKWWYPADKI WHERE ID = :id", {{"id", id}});
    }
};

TEST_F(DataMod, AddAccidentInsertsItsValuesWithTheFirstPersonAndShowsIt) {
    dm->setReferenceDate(at(2024, 3, 4, 8, 15));
    dm->OpenRegister(at(2024, 3, 4, 8, 15));
    events->events.clear();
    dm->AddAccident();

    const int id = dm->accidentId();
    EXPECT_EQ(id, 1);
    EXPECT_EQ(dm->lastNumber(), 1);
    Dataset row(&c(), "SELECT * FROM SKWWYPADKI WHERE ID = 1");
    row.open();
    EXPECT_EQ(row.field("NUMER").asInt(), 1);
    EXPECT_EQ(row.field("SYMBOLWYP").asString(), "");
    EXPECT_EQ(row.field("DATA").asDateTime(), at(2024, 3, 4, 10, 20, 30));  // the reference day, the time of now
    EXPECT_EQ(row.field("DATAREJWYP").asDateTime(), at(2024, 3, 4, 8, 15));
    EXPECT_EQ(row.field("DATAZGMIN").asDateTime(), at(2024, 3, 4, 8, 15));
    EXPECT_EQ(row.field("CZASROZP").asDateTime(), at(2024, 5, 10, 10, 20, 30));
    EXPECT_EQ(row.field("CZASZAK").asDateTime(), at(2024, 5, 10, 10, 20, 30));  // not taken
    EXPECT_EQ(row.field("COMPNAME").asTrimmed(), "STACJA-A");
    EXPECT_EQ(row.field("IDMIEJSCA").asString(), "0");
    EXPECT_EQ(row.field("MIEJSCEWYP").asString(), "Brak danych");
    EXPECT_EQ(row.field("WERSJASKW").asInt(), 5);  // no card version chosen
    for (const char* zero : {"WYPIZ", "STRATYCZASU", "BLOK"}) EXPECT_EQ(row.field(zero).asInt(), 0) << zero;
    EXPECT_EQ(row.field("WYPUB").asInt(), 1);
    EXPECT_EQ(row.field("POSZKODOWANI").asInt(), 1);
    EXPECT_EQ(row.field("STRATYZL").asFloat(), 0.0);

    Dataset person(&c(), "SELECT * FROM SKWPOSZKODOWANI");
    person.open();
    ASSERT_EQ(person.recordCount(), 1);
    EXPECT_EQ(person.field("IDWYPADKU").asInt(), 1);
    EXPECT_EQ(person.field("NUMERKARTY").asInt(), 1);
    EXPECT_EQ(person.field("NUMERPROT").asInt(), 1);
    EXPECT_TRUE(person.field("NUMERKARTYWYP").isNull());
    EXPECT_TRUE(person.field("RODZUMOWY").isNull());
    for (const char* n : {"SZKWSTEPNE", "SZKINSTR", "SZKPODST", "SZKOKRES"}) EXPECT_EQ(person.field(n).asTrimmed(), "n");
    for (const char* zero : {"TYPPOSZK", "STAZ", "GODZPRACY", "DNINIEZD", "DNINIEZDR", "TYPWYP"})
        EXPECT_EQ(person.field(zero).asInt(), 0) << zero;
    for (const char* one : {"PLEC", "SPKRYTJEDN", "FORMWYP", "FORMAPRACY"}) EXPECT_EQ(person.field(one).asInt(), 1) << one;
    EXPECT_EQ(person.field("DATAZG").asDateTime(), at(2024, 3, 4, 8, 15));

    // Listed, current, reported once; the first person changes no count.
    EXPECT_EQ(dm->qrySKWWypadki->field("ID").asInt(), 1);
    EXPECT_EQ(dm->qrySKWPoszkodowani->field("ID").asInt(), dm->personId());
    EXPECT_EQ(events->events, QStringList{QStringLiteral("added 0 1 %1").arg(dm->personId())});

    admSettings().rodzajSKW = 3;
    dm->AddAccident();
    EXPECT_EQ(accidentColumn("WERSJASKW", 2).toInt(), 3);
    EXPECT_EQ(accidentColumn("NUMER", 2).toInt(), 2);
    EXPECT_EQ(dm->qrySKWWypadki->recordCount(), 2);
    EXPECT_EQ(dm->qrySKWWypadki->field("ID").asInt(), 2);
}

TEST_F(DataMod, InjuredPersonsKeepKindAndCountAndTheLastCannotGo) {
    // An accident of 31 December with a high card number: in the next year's register
    // a new person gets a lower number, so it is not the last row of the list.
    accident(1, 12, at(2023, 12, 31, 22), at(2023, 12, 31), 1, 50);
    dm->OpenRegister(at(2023, 6, 1));
    dm->setReferenceDate(at(2024, 1, 10));
    ASSERT_EQ(dm->accidentId(), 1);

    dm->AddInjuredPerson();
    EXPECT_EQ(value("SELECT NUMERKARTY FROM SKWPOSZKODOWANI WHERE ID = :id", {{"id", dm->personId()}}).toInt(), 1);
    EXPECT_EQ(dm->qrySKWPoszkodowani->recordCount(), 2);
    EXPECT_EQ(dm->qrySKWPoszkodowani->field("ID").asInt(), dm->personId());  // the new one, not the last row
    EXPECT_NE(dm->personId(), 11);
    EXPECT_EQ(accidentColumn("WYPIZ", 1).toInt(), 1);
    EXPECT_EQ(accidentColumn("POSZKODOWANI", 1).toInt(), 2);

    dm->AddInjuredPerson();
    EXPECT_EQ(accidentColumn("WYPIZ", 1).toInt(), 1);
    EXPECT_EQ(accidentColumn("POSZKODOWANI", 1).toInt(), 3);

    // The count and the kind change with the deletion itself; nothing is left to a save.
    const int third = dm->personId();
    events->events.clear();
    ASSERT_TRUE(dm->DeleteInjuredPerson(1, third));
    EXPECT_EQ(events->events, (QStringList{"counts 0 1", QStringLiteral("deleted 0 1 %1").arg(third)}));
    EXPECT_EQ(dm->qrySKWWypadki->field("POSZKODOWANI").asInt(), 2);  // the list shows it
    EXPECT_EQ(accidentColumn("POSZKODOWANI", 1).toInt(), 2);
    EXPECT_EQ(accidentColumn("WYPIZ", 1).toInt(), 1);

    const int second = int(value("SELECT MAX(ID) FROM SKWPOSZKODOWANI").toInt());
    ASSERT_TRUE(dm->DeleteInjuredPerson(1, second));
    EXPECT_EQ(accidentColumn("POSZKODOWANI", 1).toInt(), 1);
    EXPECT_EQ(accidentColumn("WYPIZ", 1).toInt(), 0);  // "indywidualny" again

    EXPECT_FALSE(dm->DeleteInjuredPerson(1, 11));  // the last one: the window says why
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWPOSZKODOWANI WHERE IDWYPADKU = 1"), 1);
}

TEST_F(DataMod, DeletionsRemoveExactlyTheirDependants) {
    accident(7, 1, at(2024, 2, 1), at(2024, 2, 1), 2);        // persons 71, 72
    accident(8, 2, at(2024, 2, 2), at(2024, 2, 2), 1);        // person 81
    exec("INSERT INTO SKWWYPADKIWDRODZE (ID, NUMER, DATA, DATAREJWYP) VALUES (7, 1, :d, :d)", {{"d", at(2024, 2, 1)}});
    dependants(7, 71, 1, 71, 1);
    dependants(7, 72, 1, 72, 0);
    dependants(8, 81, 1, 81, 1);
    dependants(7, 0, 2, 7, 2);   // the commuting accident with the same id
    exec("INSERT INTO SKWREJESTRWYP VALUES (2, 7, 1)");  // a membership in another register
    dm->OpenRegister(at(2024, 1, 1));

    ASSERT_TRUE(dm->DeleteInjuredPerson(7, 72));
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWZALACZNIKI WHERE IDPROTOKOLU = 72"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWPRZESLUCHANIE WHERE IDPROTOKOLU = 72"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWPOLECENIE WHERE IDPROTOKOLU = 72"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWDOKUMZEWN WHERE TYP = 1 AND IDTABELI = 72"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWDOKUMZEWN WHERE TYP = 1 AND IDTABELI = 71"), 1);
    EXPECT_EQ(owned("SKWPRZESLUCHANIE", 7, false), 1);

    ASSERT_TRUE(dm->DeleteAccident(7));
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWWYPADKI WHERE ID = 7"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWPOSZKODOWANI WHERE IDWYPADKU = 7"), 0);
    for (const char* t : {"SKWZALACZNIKI", "SKWPRZESLUCHANIE", "SKWPOLECENIE"}) {
        EXPECT_EQ(owned(t, 7, false), 0) << t;
        EXPECT_EQ(owned(t, 7, true), 1) << t;  // the commuting accident's stay
        EXPECT_EQ(owned(t, 8, false), 1) << t;
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWDOKUMZEWN WHERE TYP = 1"), 1);  // person 81's
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWDOKUMZEWN WHERE TYP = 2 AND IDTABELI = 7"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWREJESTRWYP WHERE TABWYP = 1 AND IDWYP = 7"), 0);  // every register
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWREJESTRWYP WHERE TABWYP = 2 AND IDWYP = 7"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWREJESTRWYP WHERE IDWYP = 8"), 1);

    ASSERT_TRUE(dm->DeleteCommutingAccident(7));
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWWYPADKIWDRODZE"), 0);
    for (const char* t : {"SKWZALACZNIKI", "SKWPRZESLUCHANIE", "SKWPOLECENIE"}) EXPECT_EQ(owned(t, 7, true), 0) << t;
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWDOKUMZEWN WHERE TYP = 2"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWREJESTRWYP WHERE IDWYP = 7"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWPOSZKODOWANI"), 1);
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(DataMod, TheHighestDeletedAndAddedAgainInheritsNothing) {
    dm->setRegistersMode(true);
    dm->setCurrentRegister(1);
    dm->OpenRegister(at(2024, 5, 10));
    dm->AddAccident();
    dm->AddAccident();
    const int id = dm->accidentId();
    const int person = dm->personId();
    dependants(id, person, 1, person, 0);
    exec("INSERT INTO SKWREJESTRWYP VALUES (3, :a, 1)", {{"a", id}});
    dm->setNotRecognised(id, at(2024, 5, 10, 10, 20, 30), true);

    ASSERT_TRUE(dm->DeleteAccident(id));
    EXPECT_TRUE(dm->notRecognised().isEmpty());
    dm->AddAccident();
    EXPECT_EQ(dm->accidentId(), id);  // the same key and number again
    EXPECT_EQ(dm->lastNumber(), 2);
    EXPECT_EQ(dm->personId(), person);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWREJESTRWYP WHERE IDWYP = :a AND TABWYP = 1", {{"a", id}}), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWZALACZNIKI WHERE IDWYPADKU = :a", {{"a", id}}), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWDOKUMZEWN WHERE IDTABELI = :p", {{"p", person}}), 0);
}

TEST_F(DataMod, ARefusedDeletionLeavesEverythingAndReportsTheDatabasesMessage) {
    accident(7, 1, at(2024, 2, 1), at(2024, 2, 1), 2);
    dependants(7, 71, 1, 71, 1);
    exec("INSERT INTO SKWWYPADKIWDRODZE (ID, NUMER, DATA, DATAREJWYP) VALUES (5, 1, :d, :d)", {{"d", at(2024, 2, 1)}});
    dependants(5, 0, 2, 5, 2);
    refuseDeletionsFrom("SKWWYPADKI");
    exec("CREATE TRIGGER T_NIE2 FOR SKWPOSZKODOWANI BEFORE DELETE AS BEGIN EXCEPTION E_NIE; END");
    exec("CREATE TRIGGER T_NIE3 FOR SKWWYPADKIWDRODZE BEFORE DELETE AS BEGIN EXCEPTION E_NIE; END");
    dm->OpenRegister(at(2024, 1, 1));
    auto rows = [&]() {
        QStringList n;
        for (const char* t : {"SKWWYPADKI", "SKWPOSZKODOWANI", "SKWWYPADKIWDRODZE", "SKWZALACZNIKI",
                              "SKWPRZESLUCHANIE", "SKWPOLECENIE", "SKWDOKUMZEWN", "SKWREJESTRWYP"})
            n << QString::number(count(QStringLiteral("SELECT COUNT(*) FROM ") + t));
        return n.join(' ');
    };
    const QString before = rows();

    // Thrown to the window, which shows the reason; the data module shows nothing.
    try {
        dm->DeleteAccident(7);
        ADD_FAILURE() << "a refused deletion was reported done";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.reason().contains("Usuwanie zablokowane przez administratora")) << e.message().toStdString();
    }
    EXPECT_THROW(dm->DeleteInjuredPerson(7, 72), DbError);
    EXPECT_THROW(dm->DeleteCommutingAccident(5), DbError);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_FALSE(c().inTransaction());

    EXPECT_EQ(rows(), before);
}

// An accident that another computer holds (its take) is not deleted, nor any of its
// injured persons; this computer's own take is no obstacle.
TEST_F(DataMod, WhatAnotherComputerHoldsIsNotDeleted) {
    dm->setUniformedServices(true);
    accident(7, 1, at(2024, 2, 1), at(2024, 2, 1), 2);  // persons 71, 72
    dependants(7, 72, 1, 72, 1);
    exec("INSERT INTO SKWWYPADKIWDRODZE (ID, NUMER, DATA, DATAREJWYP) VALUES (5, 1, :d, :d)", {{"d", at(2024, 2, 1)}});
    dependants(5, 0, 2, 5, 2);
    dm->OpenRegister(at(2024, 4, 2, 9));
    dm->AddOtherAccident();
    dm->AddOtherInjuredPerson();
    const int other = dm->otherAccidentId();
    const int officer = dm->otherPersonId();
    ui.clear();

    Connection pcB(QStringLiteral("stacja-b"));
    pcB.open(db.path(), QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
    Takes takesB(pcB, QStringLiteral("STACJA-B"));
    Clock::setNow(at(2024, 5, 10, 8, 5, 0));
    ASSERT_TRUE(takesB.TakeAccident(7, QStringLiteral("SKWWypadki")).claimed());
    ASSERT_TRUE(takesB.TakeAccident(5, QStringLiteral("SKWWypadkiWDrodze")).claimed());
    ASSERT_TRUE(takesB.TakeAccident(other, QStringLiteral("WypOper_Wypadki")).claimed());
    Clock::setNow(at(2024, 5, 10, 10, 20, 30));
    auto rows = [&]() {
        QStringList n;
        for (const char* t : {"SKWWYPADKI", "SKWPOSZKODOWANI", "SKWWYPADKIWDRODZE", "SKWZALACZNIKI", "SKWPRZESLUCHANIE",
                              "SKWPOLECENIE", "SKWDOKUMZEWN", "SKWREJESTRWYP", "WYPOPER_WYPADKI", "WYPOPER_POSZKODOWANI"})
            n << QString::number(count(QStringLiteral("SELECT COUNT(*) FROM ") + t));
        n << value("SELECT POSZKODOWANI FROM SKWWYPADKI WHERE ID = 7").toString();
        return n.join(' ');
    };
    const QString before = rows();
    const QString held = QString::fromUtf8(
        "Dostęp do danych o wypadku został zablokowany  o godzinie 2024-05-10 08:05:00 przez użytkownika "
        "pracującego na komputerze STACJA-B.\n\rPonów próbę później.");

    const std::function<bool()> deletions[] = {
        [&]() { return dm->DeleteAccident(7); }, [&]() { return dm->DeleteInjuredPerson(7, 72); },
        [&]() { return dm->DeleteCommutingAccident(5); }, [&]() { return dm->DeleteOtherInjuredPerson(other, officer); },
        [&]() { return dm->DeleteOtherAccident(other); }};
    for (const auto& deletion : deletions) {
        try {
            deletion();
            ADD_FAILURE() << "deleted what another computer holds";
        } catch (const AccidentHeld& e) {
            EXPECT_EQ(e.message(), held);
        }
    }
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(rows(), before);
    EXPECT_FALSE(c().inTransaction());
    EXPECT_FALSE(events->events.join(',').contains("deleted"));

    // Given back by B, or taken by this computer itself: the deletions go through.
    takesB.ReleaseAllTakes({QStringLiteral("SKWWYPADKI"), QStringLiteral("SKWWYPADKIWDRODZE"),
                            QStringLiteral("WypOper_Wypadki")});
    Takes own(c(), Workstation::computerName());
    ASSERT_TRUE(own.TakeAccident(7, QStringLiteral("SKWWypadki")).claimed());
    ASSERT_TRUE(own.TakeAccident(other, QStringLiteral("WypOper_Wypadki")).claimed());
    ui.clear();
    EXPECT_TRUE(dm->DeleteInjuredPerson(7, 72));
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWZALACZNIKI WHERE IDPROTOKOLU = 72"), 0);
    EXPECT_TRUE(dm->DeleteAccident(7));
    EXPECT_TRUE(dm->DeleteCommutingAccident(5));
    EXPECT_TRUE(dm->DeleteOtherInjuredPerson(other, officer));
    EXPECT_TRUE(dm->DeleteOtherAccident(other));
    EXPECT_TRUE(ui.shown.empty()) << ui.lastText().toStdString();
    for (const char* t : {"SKWWYPADKI", "SKWPOSZKODOWANI", "SKWWYPADKIWDRODZE", "WYPOPER_WYPADKI"})
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM ") + t), 0) << t;

    // B, asking for the accident afterwards, is told that it is gone.
    EXPECT_EQ(takesB.TakeAccident(7, QStringLiteral("SKWWypadki")).message(), Takes::deletedMessage());
}

TEST_F(DataMod, CommutingAccidentIsInsertedOrItsFailureExplained) {
    dm->setRegistersMode(true);
    dm->setCurrentRegister(1);
    dm->OpenRegister(at(2024, 3, 4));
    EXPECT_EQ(dm->AddCommutingAccident(), QString());
    Dataset row(&c(), "SELECT * FROM SKWWYPADKIWDRODZE");
    row.open();
    ASSERT_EQ(row.recordCount(), 1);
    EXPECT_EQ(row.field("NUMER").asInt(), 1);
    EXPECT_EQ(row.field("DATA").asDateTime(), at(2024, 3, 4, 10, 20, 30));
    EXPECT_EQ(row.field("GODZRZ").asString(), " ");  // no date format configured
    EXPECT_EQ(row.field("DATAZG").asDateTime(), at(2024, 3, 4));
    EXPECT_EQ(row.field("DATAREJWYP").asDateTime(), at(2024, 3, 4));
    for (const char* zero : {"WYPRZ", "MIEJSCEWYP", "DOCHODZENIE", "RODZAJWYP", "TYPPOSZK", "PLEC"})
        EXPECT_EQ(row.field(zero).asInt(), 0) << zero;
    EXPECT_EQ(row.field("SKUTKI").asInt(), 1);
    EXPECT_EQ(dm->commutingId(), 1);  // listed, current
    EXPECT_TRUE(events->events.contains("added 1 1 0"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWREJESTRWYP WHERE IDREJESTR = 1 AND TABWYP = 2 AND IDWYP = 1"), 1);

    exec("CREATE EXCEPTION E_NIE 'Brak miejsca'");
    exec("CREATE TRIGGER T_NIE FOR SKWWYPADKIWDRODZE BEFORE INSERT AS BEGIN EXCEPTION E_NIE; END");
    const QString text = dm->AddCommutingAccident();
    EXPECT_TRUE(ui.shown.empty()) << "the window shows it";
    const QString tail = "\n\r\n\rIDWypadkuWDrodze: 2\n\rNumerwRoku: 2\n\rDataOdnT: 2024-03-04 10:20:30\n\r"
                         "czas: 10:20:30\n\rdataOdn: 2024-03-04\n\rdataNow: 2024-05-10\n\rcompname: STACJA-A";
    EXPECT_TRUE(text.endsWith(tail)) << text.toStdString();
    EXPECT_TRUE(text.startsWith("exception")) << text.toStdString();
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWREJESTRWYP WHERE IDWYP = 2"), 0);  // no membership of a missing row
    EXPECT_EQ(dm->qryWypadkiWDrodze->recordCount(), 1);
    EXPECT_FALSE(dm->quiet());
}

TEST_F(DataMod, OpeningTheRegisterOfAYear) {
    accident(1, 1, at(2023, 3, 1, 7, 30), at(2023, 3, 1), 2);
    accident(2, 1, at(2024, 1, 9, 12), at(2024, 1, 10), 2);
    accident(3, 2, at(2024, 2, 1), at(2024, 2, 1), 1);
    exec("UPDATE SKWPOSZKODOWANI SET DNINIEZDR = 5 WHERE IDWYPADKU = 2");
    exec("UPDATE SKWPOSZKODOWANI SET TYPWYP = 3 WHERE ID IN (12, 21, 22)");
    exec("INSERT INTO SKWWYPADKI (ID, NUMER, DATAREJWYP) VALUES (4, 3, :d)", {{"d", at(2024, 3, 1)}});  // no person
    exec("INSERT INTO SKWWYPADKIWDRODZE (ID, NUMER, DATAREJWYP) VALUES (1, 1, :d)", {{"d", at(2023, 12, 31, 23, 59)}});
    QList<int> years;
    QObject::connect(dm.get(), &TDataModForm::registerYearChanged, [&](int y) { years << y; });

    dm->OpenRegister(at(2024, 1, 1));
    Dataset& list = *dm->qrySKWWypadki;
    ASSERT_EQ(list.recordCount(), 2);  // the accident without a person is not listed
    EXPECT_EQ(list.fieldAt(0, "ID").asInt(), 2);
    EXPECT_EQ(list.fieldAt(0, "SUM").asInt(), 10);
    EXPECT_EQ(list.fieldAt(1, "ID").asInt(), 3);
    EXPECT_EQ(dm->qrySKWPoszkodowani->recordCount(), 2);
    EXPECT_EQ(dm->accidentId(), 2);
    EXPECT_EQ(dm->personId(), 21);
    EXPECT_TRUE(dm->qryWypadkiWDrodze->isEmpty());
    // Whatever was loaded is released first; the lists open without moving records.
    EXPECT_EQ(events->events, (QStringList{"released", "opened Rejestr wypadków na rok: 2024"}));
    EXPECT_EQ(dm->referenceDate(), at(2024, 1, 1));
    EXPECT_EQ(years, QList<int>{});  // the module started in 2024
    // Every year's accidents, one entry each.
    EXPECT_EQ(dm->notRecognised(), (QStringList{"1-2023-03-01 07:30:00", "2-2024-01-09 12:00:00"}));
    EXPECT_TRUE(dm->isNotRecognised(2, at(2024, 1, 9, 12)));
    EXPECT_FALSE(dm->isNotRecognised(3, at(2024, 2, 1)));

    // Moving through the list follows the persons, and shows the personal data page.
    list.next();
    EXPECT_EQ(dm->accidentId(), 3);
    EXPECT_EQ(dm->personId(), 31);
    EXPECT_TRUE(events->events.contains("accident 0"));
    EXPECT_TRUE(events->events.contains("current 0"));

    dm->OpenRegister(at(2023, 12, 31));
    EXPECT_EQ(years, QList<int>{2023});
    EXPECT_EQ(dm->qrySKWWypadki->recordCount(), 1);
    EXPECT_EQ(dm->qryWypadkiWDrodze->recordCount(), 1);
    EXPECT_TRUE(events->events.contains("year 2023"));

    // Registers mode: only the accidents of the current register.
    exec("INSERT INTO SKWREJESTRWYP VALUES (4, 3, 1)");
    dm->setRegistersMode(true);
    dm->setCurrentRegister(4);
    dm->OpenRegister(at(2024, 6, 1));
    ASSERT_EQ(dm->qrySKWWypadki->recordCount(), 1);
    EXPECT_EQ(dm->qrySKWWypadki->field("ID").asInt(), 3);
    dm->setCurrentRegister(0);  // the accidents of no register
    dm->OpenRegister(at(2024, 6, 1));
    ASSERT_EQ(dm->qrySKWWypadki->recordCount(), 1);
    EXPECT_EQ(dm->qrySKWWypadki->field("ID").asInt(), 2);

    EXPECT_EQ(TDataModForm::RegisterCaption(2024, true), "Rejestr wypadków na rok: 2024 - PRACA Z ARCHIWUM !!!");
}

TEST_F(DataMod, MovingTheListReportsTheNewRecordUnlessTheModuleIsQuiet) {
    accident(1, 1, at(2024, 1, 9), at(2024, 1, 9), 2);
    dm->OpenRegister(at(2024, 1, 1));
    events->events.clear();
    dm->qrySKWPoszkodowani->next();
    EXPECT_EQ(events->events, QStringList{"current 0"});
    EXPECT_EQ(dm->personId(), 12);
    EXPECT_EQ(dm->accidentId(), 1);
    events->events.clear();
    dm->setQuiet(true);
    dm->qrySKWPoszkodowani->first();
    EXPECT_TRUE(events->events.isEmpty());
    EXPECT_EQ(dm->personId(), 12);
    dm->setQuiet(false);
    // A change of year releases what was loaded: nothing of the old lists is saved.
    dm->OpenRegister(at(2024, 1, 1));
    EXPECT_EQ(events->events.first(), "released");
}

TEST_F(DataMod, NumbersWithTheSymbolPeselAndConsequenceTexts) {
    accident(1, 7, at(2024, 1, 9), at(2024, 1, 9), 2, 3);
    exec("UPDATE SKWWYPADKI SET SYMBOLWYP = 'ZP' WHERE ID = 1");
    exec("UPDATE SKWPOSZKODOWANI SET NUMERPROT = 0, NUMERKARTYWYP = 9, IDPRACOWNIKA = 5 WHERE ID = 12");
    exec("INSERT INTO ODANOS (IDOSOBY, NAZWISKO, PESEL) VALUES (5, 'Nowak', '85010112345')");
    exec("INSERT INTO SKWWYPADKIWDRODZE (ID, NUMER, SYMBOLWYP, DATAREJWYP, IDPRACOWNIKA) VALUES (1, 4, 'D', :d, 5)",
         {{"d", at(2024, 2, 1)}});
    dm->setNumberSymbol(true, "-");
    dm->OpenRegister(at(2024, 1, 1));
    Dataset& persons = *dm->qrySKWPoszkodowani;
    EXPECT_EQ(persons.fieldAt(0, "nrKarty_symbol").asString(), "3-ZP");  // the symbol of the list just opened
    dm->setNumberSymbol(false, "-");
    EXPECT_EQ(dm->qrySKWWypadki->field("nr_symbol").asString(), "7");
    EXPECT_EQ(persons.fieldAt(0, "nrKarty_symbol").asString(), "3");
    EXPECT_EQ(persons.fieldAt(0, "numer").asString(), "3");  // the protocol number
    EXPECT_EQ(persons.fieldAt(0, "nrKartyWyp_symbol").asString(), "");
    EXPECT_EQ(persons.fieldAt(1, "numer").asString(), "9");  // no protocol: the accident card's
    EXPECT_EQ(persons.fieldAt(1, "PESEL").asString(), "85010112345");
    EXPECT_EQ(persons.fieldAt(0, "PESEL").asString(), "");
    EXPECT_EQ(dm->qryWypadkiWDrodze->field("PESEL").asString(), "85010112345");

    dm->setNumberSymbol(true, "/");
    EXPECT_EQ(dm->qrySKWWypadki->field("nr_symbol").asString(), "7/ZP");
    EXPECT_EQ(persons.fieldAt(0, "nrKarty_symbol").asString(), "3/ZP");
    EXPECT_EQ(persons.fieldAt(0, "nrProt_symbol").asString(), "3/ZP");
    EXPECT_EQ(persons.fieldAt(1, "numer").asString(), "9/ZP");
    EXPECT_EQ(persons.fieldAt(1, "nrProt_symbol").asString(), "0/ZP");
    EXPECT_EQ(dm->qryWypadkiWDrodze->field("nr_symbol").asString(), "4/D");

    EXPECT_EQ(TDataModForm::ConsequenceText(1), "śmierć osoby poszkodowanej");
    EXPECT_EQ(TDataModForm::ConsequenceText(2), "ciężkie uszkodzenie ciała");
    EXPECT_EQ(TDataModForm::ConsequenceText(3), "inne skutki");
    EXPECT_EQ(TDataModForm::ConsequenceText(4), "pozostałe skutki");
    EXPECT_EQ(TDataModForm::ConsequenceText(0), "Błąd [nie określone]");
    EXPECT_EQ(TDataModForm::ConsequenceText(5), "Błąd [nie określone]");
}

TEST_F(DataMod, OtherAccidentsWithTheirOfficers) {
    dm->setUniformedServices(true);
    dm->OpenRegister(at(2024, 4, 2, 9));
    dm->AddOtherAccident();
    const int id = dm->otherAccidentId();
    Dataset row(&c(), "SELECT * FROM WYPOPER_WYPADKI");
    row.open();
    EXPECT_EQ(row.field("NUMER").asInt(), 1);
    EXPECT_EQ(row.field("DATA").asDateTime(), at(2024, 4, 2, 10, 20, 30));
    EXPECT_EQ(row.field("DATAREJWYP").asDateTime(), at(2024, 4, 2, 9));
    EXPECT_EQ(row.field("POSZKODOWANI").asInt(), 1);  // from 0 by the first officer's save
    EXPECT_EQ(row.field("WYPIZ").asInt(), 0);
    Dataset officer(&c(), "SELECT * FROM WYPOPER_POSZKODOWANI");
    officer.open();
    EXPECT_EQ(officer.field("NRPOSZK").asInt(), 1);
    EXPECT_EQ(officer.field("NUMERKARTY").asInt(), 1);
    EXPECT_EQ(officer.field("NUMERPROT").asInt(), 1);
    for (const char* d : {"DATAUST", "DATAZAKUST", "DATAZG", "DATAPROT", "DATAZATWZW", "DATAODB"})
        EXPECT_EQ(officer.field(d).asDateTime(), at(2024, 4, 2, 9)) << d;
    EXPECT_EQ(officer.field("RODZWYPEKW").asInt(), 1);
    EXPECT_EQ(officer.field("ODSZKODOWANIE").asInt(), 1);
    EXPECT_EQ(dm->qryWypadki_Policja->field("ID").asInt(), id);
    EXPECT_EQ(dm->qryPoszkodowani_Policja->field("ID").asInt(), dm->otherPersonId());

    dm->AddOtherInjuredPerson();
    EXPECT_EQ(value("SELECT WYPIZ FROM WYPOPER_WYPADKI").toInt(), 1);
    EXPECT_EQ(value("SELECT POSZKODOWANI FROM WYPOPER_WYPADKI").toInt(), 2);
    EXPECT_EQ(value("SELECT MAX(NRPOSZK) FROM WYPOPER_POSZKODOWANI").toInt(), 2);
    exec("INSERT INTO WYPOPER_ZALACZNIKI (ID, IDWYPADKU, IDPROTOKOLU) VALUES (1, :a, :p)",
         {{"a", id}, {"p", dm->otherPersonId()}});
    ASSERT_TRUE(dm->DeleteOtherInjuredPerson(id, dm->otherPersonId()));
    EXPECT_EQ(count("SELECT COUNT(*) FROM WYPOPER_ZALACZNIKI"), 0);
    EXPECT_EQ(value("SELECT WYPIZ FROM WYPOPER_WYPADKI").toInt(), 0);
    EXPECT_EQ(value("SELECT POSZKODOWANI FROM WYPOPER_WYPADKI").toInt(), 1);
    EXPECT_FALSE(dm->DeleteOtherInjuredPerson(id, int(value("SELECT ID FROM WYPOPER_POSZKODOWANI").toInt())));
    EXPECT_EQ(count("SELECT COUNT(*) FROM WYPOPER_POSZKODOWANI"), 1);  // the last one stays
    ASSERT_TRUE(dm->DeleteOtherAccident(id));
    EXPECT_EQ(count("SELECT COUNT(*) FROM WYPOPER_WYPADKI"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM WYPOPER_POSZKODOWANI"), 0);
}

TEST(DataModCreation, OpensKartyOnTheConfiguredAliasOrEndsTheRun) {
    TestDatabase db;
    ProgramFolder folder(db.path());
    folder.writeDefaultConfig();
    TMyIniFile ini(folder.path() + "/kwel.ini");
    setAppIni(&ini);
    appContext().programDir = folder.path();
    {
        TDataModForm dm;
        EXPECT_TRUE(dm.isReady());
        EXPECT_EQ(dm.KartyDB().name(), "KARTY");
        EXPECT_TRUE(dm.AChorL4GQry->isOpen());
        EXPECT_FALSE(terminationRequested());
    }
    folder.writeConfig("kwel.ini", {"[Database]", "AliasName=Brak"});
    ini.reload();
    {
        ScriptedUi ui;
        TDataModForm dm;
        EXPECT_FALSE(dm.isReady());
        EXPECT_TRUE(terminationRequested());
        EXPECT_TRUE(ui.shown.empty());  // no further message
    }
    resetRun();
    appContext().programDir.clear();
}

// kwel.ini saved as UTF-8 with a byte-order mark names an alias with a Polish letter;
// aliases.ini (Windows-1250) maps it and names the alias's own database user, which
// both connections use. An alias without one connects as the built-in user.
TEST(DataModCreation, AUtf8ConfigurationOpensItsAliasAsTheAliasUser) {
    TestDatabase db;
    ProgramFolder folder(db.path());
    auto writeFile = [&](const QString& name, const QByteArray& bytes) {
        QFile f(folder.path() + QLatin1Char('/') + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    };
    writeFile("kwel.ini", QByteArray("\xEF\xBB\xBF") + QString::fromUtf8("[Database]\r\nAliasName=Bazą\r\n").toUtf8());
    writeFile("aliases.ini", win1250::encode(QString::fromUtf8("[Bazą]\r\nDatabase=%1\r\nUser=SYSDBA\r\nPassword=tajne\r\n"
                                                               "[Zwykła]\r\nDatabase=%1\r\n")
                                                 .arg(db.path())));
    TMyIniFile ini(folder.path() + "/kwel.ini");
    setAppIni(&ini);
    appContext().programDir = folder.path();
    EXPECT_EQ(ini.ReadAliasName(0), QString::fromUtf8("Bazą"));
    {
        TDataModForm dm;
        ASSERT_TRUE(dm.isReady());
        EXPECT_EQ(dm.KartyDB().userName(), "SYSDBA");
        EXPECT_EQ(dm.KartyDB().scalar("SELECT TRIM(CURRENT_USER) FROM RDB$DATABASE").toString(), "SYSDBA");
        EXPECT_EQ(SharedConnection::get().userName(), "SYSDBA");
        EXPECT_EQ(SharedConnection::get().scalar("SELECT TRIM(WERSJA) FROM ADOSTEP").toString(), "zort92");
    }
    SharedConnection::shutdown();
    writeFile("kwel.ini", QByteArray("\xEF\xBB\xBF") + QString::fromUtf8("[Database]\r\nAliasName=Zwykła\r\n").toUtf8());
    ini.reload();
    {
        TDataModForm dm;
        ASSERT_TRUE(dm.isReady());
        EXPECT_EQ(dm.KartyDB().userName(), QString::fromLatin1(kDbUser));
        EXPECT_EQ(SharedConnection::get().userName(), QString::fromLatin1(kDbUser));
    }
    EXPECT_FALSE(terminationRequested());
    resetRun();
    appContext().programDir.clear();
}

} // namespace
