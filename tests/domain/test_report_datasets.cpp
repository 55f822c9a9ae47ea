// The report datasets: one injured person joined with the accident, and the numbers
// and times the documents print.
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

} // namespace
} // namespace zort::test
