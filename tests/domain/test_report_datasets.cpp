// The report datasets: one injured person joined with the accident, and the numbers
// and times the documents print.
#include "domain/CardMarks.h"
#include "domain/ReportDatasets.h"
#include "support/RegisterFixture.h"

namespace zort::test {
namespace {

class ReportDatasetsTest : public RegisterTest {
protected:
    void person(int id, int accident, int protocol, int card) {
        exec(QStringLiteral("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERPROT, NUMERKARTY, NAZWISKO, IMIE, "
                            "DATAPROT, DATAWYPSKW, DNINIEZD, DNINIEZDR) VALUES (:id, :a, :p, :k, 'Kowalska', 'Anna', "
                            ":dp, :dk, 12, 0)"),
             Params{{"id", id}, {"a", accident}, {"p", protocol}, {"k", card}, {"dp", at(2025, 1, 3)},
                    {"dk", at(2025, 2, 4)}});
    }
};

TEST_F(ReportDatasetsTest, OneRowWithTheNumbersOfTheYearRule) {
    exec(QStringLiteral("INSERT INTO SKWWYPADKI (ID, NUMER, DATA, DATAREJWYP, SYMBOLWYP, POSZKODOWANI, WYPIZ) "
                        "VALUES (7, 3, :d, :r, 'BHP', 2, 1)"),
         Params{{"d", at(2024, 12, 30, 7, 5)}, {"r", at(2023, 12, 31)}});
    person(71, 7, 4, 5);
    person(72, 7, 6, 8);
    admSettings().symbolWyp = true;
    admSettings().separator = QStringLiteral("-");
    reportds::openAll(*dm, 72, 7);
    for (const QString& name : reportds::personDatasets()) {
        Dataset* ds = dm->dataset(name);
        ASSERT_TRUE(ds) << name.toStdString();
        ASSERT_EQ(ds->recordCount(), 1) << name.toStdString();
        EXPECT_EQ(ds->field(QStringLiteral("ID")).asInt(), 72);
        EXPECT_EQ(ds->field(QStringLiteral("WYPADEK_ID")).asInt(), 7);
        EXPECT_EQ(ds->field(QStringLiteral("NUMER")).asInt(), 3);
    }
    Dataset& card = *dm->dataset(QStringLiteral("ZestWyp4SQL"));
    EXPECT_EQ(card.field(QStringLiteral("GodzWyp")).asString(), QStringLiteral("07:05"));
    EXPECT_EQ(card.field(QStringLiteral("nrProt_symbol")).asString(), QStringLiteral("6/2024-BHP"));
    EXPECT_EQ(card.field(QStringLiteral("nrKarty_symbol")).asString(), QStringLiteral("8/2024-BHP"));
    EXPECT_EQ(card.field(QStringLiteral("DniNiezd_l")).asInt(), 12);
    Dataset& prot = *dm->dataset(QStringLiteral("ZestWypSQL3"));
    EXPECT_EQ(prot.field(QStringLiteral("nrProt_symbol")).asString(), QStringLiteral("6-BHP"));
    EXPECT_EQ(prot.field(QStringLiteral("Nr")).asString(), QStringLiteral("6-BHP / 2024 r."));
    EXPECT_EQ(prot.field(QStringLiteral("ImieNazwisko")).asString(), QStringLiteral("Anna Kowalska"));

    // The document's own dates, then the registration date; the symbol off.
    admSettings().symbolWyp = false;
    admSettings().rokSKWProtPow = 1;
    reportds::openAll(*dm, 72, 7);
    EXPECT_EQ(card.field(QStringLiteral("nrProt_symbol")).asString(), QStringLiteral("6/2025"));
    EXPECT_EQ(card.field(QStringLiteral("nrKarty_symbol")).asString(), QStringLiteral("8/2025"));
    admSettings().rokSKWProtPow = 2;
    reportds::open(*dm, QStringLiteral("ZestWypSQL"), 72, 7);
    EXPECT_EQ(dm->dataset(QStringLiteral("ZestWypSQL"))->field(QStringLiteral("RokProtok")).asInt(), 2023);

    // Another accident's id finds nothing.
    reportds::open(*dm, QStringLiteral("ZestWypSQL"), 72, 8);
    EXPECT_TRUE(dm->dataset(QStringLiteral("ZestWypSQL"))->isEmpty());
    EXPECT_EQ(reportds::accidentOfPerson(*dm, 71), 7);
    EXPECT_EQ(reportds::accidentOfPerson(*dm, 99), 0);
}

TEST_F(ReportDatasetsTest, AnAccidentWithoutDateGivesABlankTimeAndYearZero) {
    exec(QStringLiteral("INSERT INTO SKWWYPADKI (ID, NUMER, SYMBOLWYP, POSZKODOWANI, WYPIZ) VALUES (9, 1, '', 1, 0)"));
    exec(QStringLiteral("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERPROT, NUMERKARTY, DNINIEZD, DNINIEZDR) "
                        "VALUES (91, 9, 2, 3, 5, 40)"));
    reportds::openAll(*dm, 91, 9);
    Dataset& card = *dm->dataset(QStringLiteral("ZestWyp4SQL"));
    EXPECT_EQ(card.field(QStringLiteral("GodzWyp")).asString(), QStringLiteral(" "));
    EXPECT_EQ(card.field(QStringLiteral("nrProt_symbol")).asString(), QStringLiteral("2/0"));
    EXPECT_EQ(card.field(QStringLiteral("DniNiezd_l")).asInt(), 40);
    EXPECT_EQ(dm->dataset(QStringLiteral("ZestWypSQL"))->field(QStringLiteral("Nr")).asString(),
              QStringLiteral("2 / 0 r."));
}

TEST_F(ReportDatasetsTest, TheCardsComputedTexts) {
    exec(QStringLiteral("INSERT INTO SKWWYPADKI (ID, NUMER, DATA, SYMBOLWYP, POSZKODOWANI, WYPIZ, WERSJASKW) "
                        "VALUES (5, 1, :d, 'S', 1, 0, 5)"),
         Params{{"d", at(2023, 3, 9, 7, 40)}});
    exec(QStringLiteral("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERKARTY, NUMERKARTYWYP, IMIE, NAZWISKO, DATAUR, "
                        "ULICA, NRUL, NRMIESZ, KODPOCZ, MIEJSCOW, IMNAZWSW1, ADRESSW1, SZKINSTR, EMAILWYPSKW, "
                        "MIEJSCOWWYPSKW, DATAWYPSKW) VALUES (51, 5, 7, 4, 'Jan', 'Nowak', :b, 'Polna', '3', '  ', "
                        "'00-950', 'Gdańsk', 'Ewa Lis', '', 'T', 'bhp@firma.pl', 'Gdańsk', :c)"),
         Params{{"b", at(1980, 5, 6)}, {"c", at(2023, 3, 20)}});
    admSettings().symbolWyp = true;
    admSettings().separator = QStringLiteral("-");
    reportds::openAll(*dm, 51, 5);
    Dataset& p1 = *dm->dataset(QStringLiteral("ZestWyp2SQL"));
    EXPECT_EQ(p1.field(QStringLiteral("nrKarty_symbol")).asString(), QStringLiteral("7-S"));
    EXPECT_EQ(p1.field(QStringLiteral("RokProtok")).asInt(), 2023);
    EXPECT_EQ(p1.field(QStringLiteral("RokUrodz")).asInt(), 1980);
    EXPECT_EQ(p1.field(QStringLiteral("DataWyp")).asString(), QStringLiteral("2023-03-09"));
    EXPECT_EQ(p1.field(QStringLiteral("godzwyp")).asString(), QStringLiteral("07"));
    EXPECT_EQ(p1.field(QStringLiteral("SzBrak")).asString(), QStringLiteral("n"));
    EXPECT_EQ(p1.field(QStringLiteral("OpisRok")).asString(),
              QStringLiteral("Rzeczywiste skutki wypadku zaistniałego w roku 2023 miesiącu 03 dniu 09 (zgodnie z "
                             "pozycją 16 Statystycznej Karty Wypadku)"));
    Dataset& p2 = *dm->dataset(QStringLiteral("ZestWyp3SQL"));
    EXPECT_EQ(p2.field(QStringLiteral("emailwypskwUPPER")).asString(), QStringLiteral("BHP@FIRMA.PL"));
    EXPECT_EQ(p2.field(QStringLiteral("MiejsceDataWyp")).asString(), QStringLiteral("20.03.2023, Gdańsk"));
    Dataset& kw = *dm->dataset(QStringLiteral("ZestKarta1SQL"));
    EXPECT_EQ(kw.field(QStringLiteral("nrKartyWyp_symbol")).asString(), QStringLiteral("4-S / 2023 r."));
    EXPECT_EQ(kw.field(QStringLiteral("Poszkodowany")).asString(), QStringLiteral("Jan Nowak"));
    EXPECT_EQ(kw.field(QStringLiteral("Adres")).asString(), QStringLiteral("Polna 3, 00-950 Gdańsk"));
    EXPECT_EQ(kw.field(QStringLiteral("swiadek1")).asString(), QStringLiteral("Ewa Lis"));
    // A flat number joins with " m. "; no training ticked gives "t".
    exec(QStringLiteral("UPDATE SKWPOSZKODOWANI SET NRMIESZ = '12', SZKINSTR = NULL WHERE ID = 51"));
    reportds::openAll(*dm, 51, 5);
    EXPECT_EQ(kw.field(QStringLiteral("Adres")).asString(), QStringLiteral("Polna 3 m. 12, 00-950 Gdańsk"));
    EXPECT_EQ(p1.field(QStringLiteral("SzBrak")).asString(), QStringLiteral("t"));
}

TEST(CardMarks, ValuesMarkOneBoxOrNone) {
    EXPECT_EQ(cardMarkBox(QStringLiteral("SKUTKI"), 4), 3);
    EXPECT_EQ(cardMarkBox(QStringLiteral("SKUTKI"), 0), 0);
    EXPECT_EQ(cardMarkBox(QStringLiteral("PLEC"), 0), 0);
    EXPECT_EQ(cardMarkBox(QStringLiteral("TYPWYP"), 0), 1);
    EXPECT_EQ(cardMarkBox(QStringLiteral("SPKRYTJEDN"), 2), 1);
    EXPECT_EQ(cardMarkBox(QStringLiteral("FORMAPRACY"), 1), 2);
    EXPECT_EQ(cardMarkValues(QStringLiteral("SKUTKIR")), (QList<int>{1, 2, 3}));
}

} // namespace
} // namespace zort::test
