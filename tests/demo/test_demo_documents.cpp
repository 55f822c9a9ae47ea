// The demo's injured persons with a protocol carry every text their documents print
// (protocol, register card), so that a printout of the demo shows a filled form.
#include "support/TestDatabase.h"
#include "core/Clock.h"
#include "db/Dataset.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace zort;
using namespace zort::test;

TEST(DemoDocuments, EveryProtocolHasItsTextsDatesTeamAndZusLetter) {
    TestDatabase db(TestDatabase::Content::Demo);
    auto c = db.connect();
    Dataset ds(c.get(), QStringLiteral("SELECT p.*, w.DATA AS DATAWYP FROM SKWPOSZKODOWANI p "
                                       "JOIN SKWWYPADKI w ON w.ID = p.IDWYPADKU WHERE p.NUMERPROT <> 0 ORDER BY p.ID"));
    ds.open();
    ASSERT_FALSE(ds.isEmpty());
    int decisions = 0;
    int refusals = 0;
    for (ds.first(); !ds.eof(); ds.next()) {
        const QString who = ds.field("NAZWISKO").asTrimmed();
        SCOPED_TRACE(who.toStdString());
        for (const char* text : {"OKOLICZNOSCI", "PRZYCZYNY", "RODZURAZU", "PROFILAKTYKA", "UZASADN", "UCHYBIENIA",
                                 "DOWUCHYB", "DOWPIJ", "PRZESZKODY", "ZALACZNIKI", "IMNAZWA", "FUNKCJAA", "IMNAZWB",
                                 "FUNKCJAB", "IMNAZWZG", "IMNAZWCZZAP", "IMNAZWCZ", "SADPRACY", "PRZEDSIEB",
                                 "ADRESFIRMA", "STRUKTSKROT", "STANOWSKROT", "NRPISMAZUS"})
            EXPECT_FALSE(ds.field(text).asTrimmed().isEmpty()) << text;
        const QDateTime accident = ds.field("DATAWYP").asDateTime();
        for (const char* date : {"DATAUST", "DATAZAKUST", "DATAZG", "DATAPROT", "DATAZAPOZ", "DATAZATW", "DATAODB",
                                 "DATAWYPSKW", "DATAPISMAZUS"}) {
            const QDateTime d = ds.field(date).asDateTime();
            EXPECT_TRUE(d.isValid()) << date;
            EXPECT_GE(d.date(), accident.date()) << date;
            EXPECT_LE(d, Clock::now()) << date;
        }
        EXPECT_GT(ds.field("DNINIEZD").asInt(), 0);
        if (!ds.field("NRDECYZJIZUS").asTrimmed().isEmpty()) {
            EXPECT_TRUE(ds.field("DATADECYZJIZUS").asDateTime().isValid());
            if (ds.field("TYPWYP").asInt() >= 2) {
                ++refusals;
                EXPECT_FALSE(ds.field("ODMOWAZUS").asTrimmed().isEmpty());
            } else {
                ++decisions;
                EXPECT_GT(ds.field("PROCUSZCZZUS").asFloat(), 0);
                EXPECT_GT(ds.field("KWOTAZUS").asFloat(), 0);
            }
        }
    }
    // Last year's protocols have ZUS's decisions; the event that was no accident its refusal.
    EXPECT_GE(decisions, 2);
    EXPECT_EQ(refusals, 1);
}

// The documents folder beside the demo database file, named by its absolute path,
// with the two outside files linked to the injured person Mazur.
TEST(DemoDocuments, TheDocumentsFolderHoldsTheLinkedSampleFiles) {
    TestDatabase db(TestDatabase::Content::Demo);
    auto c = db.connect();
    const QString folder = c->scalar(QStringLiteral("SELECT PATHDOKWYP FROM OPARAM")).toString();
    ASSERT_TRUE(QDir::isAbsolutePath(folder)) << folder.toStdString();
    EXPECT_EQ(QStringLiteral("Dokumenty"), QFileInfo(folder).fileName());
    Dataset ds(c.get(), QStringLiteral("SELECT d.TYP, d.NAZWAPLIK, d.OPIS, p.NAZWISKO FROM SKWDOKUMZEWN d "
                                       "JOIN SKWPOSZKODOWANI p ON p.ID = d.IDTABELI ORDER BY d.ID"));
    ds.open();
    QStringList names;
    for (ds.first(); !ds.eof(); ds.next()) {
        EXPECT_EQ(1, ds.field("TYP").asInt());
        EXPECT_EQ(QStringLiteral("Mazur"), ds.field("NAZWISKO").asTrimmed());
        EXPECT_FALSE(ds.field("OPIS").isNull());
        names << ds.field("NAZWAPLIK").asString();
        QFile f(QDir(folder).filePath(names.last()));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << names.last().toStdString();
        EXPECT_GT(f.size(), 100);
    }
    EXPECT_EQ((QStringList{QStringLiteral("Notatka służbowa.txt"), QStringLiteral("Szkic miejsca wypadku.svg")}), names);
    EXPECT_EQ(1, c->scalar(QStringLiteral("SELECT COUNT(*) FROM ZORTDEMO WHERE TABELA = 'SKWDOKUMZEWN'")).toInt());
}

// The officers of the accidents in service carry what their protocol, record card and
// the register print; one of them attached remarks and had the protocol approved after
// further explanations (items 10 and 14).
TEST(DemoDocuments, EveryOfficerHasTheTextsOfHisProtocolCardAndRegister) {
    TestDatabase db(TestDatabase::Content::Demo);
    auto c = db.connect();
    Dataset ds(c.get(), QStringLiteral("SELECT * FROM WYPOPER_POSZKODOWANI ORDER BY ID"));
    ds.open();
    ASSERT_GE(ds.recordCount(), 3);
    int remarks = 0;
    for (ds.first(); !ds.eof(); ds.next()) {
        SCOPED_TRACE(ds.field("NAZWISKO").asTrimmed().toStdString());
        for (const char* text : {"STOPSL", "NAZWAJEDN", "PRZYCZYNY", "SKUTKI", "UZASADTYP", "SZKODA", "ROZKPRZEP1",
                                 "PODSTUSTALEN", "PROFILAKTYKA", "ZALACZNIKI", "IMNAZW1", "IMNAZW4", "MIEJSCESP",
                                 "DOZNURAZ1", "CZYNNURAZ1", "PRZYCZYNA1", "SPORZADZEKW", "UWAGIEKW"})
            EXPECT_FALSE(ds.field(text).asTrimmed().isEmpty()) << text;
        for (const char* date : {"DATAUR", "DATASP", "DATAPROT", "DATAZATWZW", "DATAODB", "DATASPORZEKW"})
            EXPECT_TRUE(ds.field(date).asDateTime().isValid()) << date;
        if (ds.field("UWAGI").asInt() == 2) {
            ++remarks;
            EXPECT_FALSE(ds.field("UWAGI_OPIS").asTrimmed().isEmpty());
            EXPECT_EQ(ds.field("ZATWDOD").asTrimmed(), "t");
            EXPECT_TRUE(ds.field("DATAZATWDOD").asDateTime().isValid());
        }
    }
    EXPECT_EQ(remarks, 1);
}
