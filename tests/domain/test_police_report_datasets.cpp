// The report datasets of the accidents in service: the officer joined with the
// accident, the register of a year and the three attachments, with the texts their
// printouts compute.
#include "db/Dataset.h"
#include "domain/PoliceReportDatasets.h"
#include "support/RegisterFixture.h"

namespace zort::test {
namespace {

class PoliceDatasetsTest : public RegisterTest {
protected:
    void SetUp() override {
        RegisterTest::SetUp();
        exec(QStringLiteral("INSERT INTO WYPOPER_WYPADKI (ID, NUMER, SYMBOLWYP, DATA, DATAREJWYP, POSZKODOWANI) "
                            "VALUES (5, 7, 'KP', :d, :d, 2)"),
             Params{{"d", at(2024, 3, 4, 6, 5)}});
        exec(QStringLiteral("INSERT INTO WYPOPER_POSZKODOWANI (ID, IDWYPADKU, NRPOSZK, NUMERPROT, STOPSL, IMIE, NAZWISKO, "
                            "WOJEW, ULICA, NRUL, NRMIESZ, DATAPROT, DATAUR, STAZ, RODZWYPEKW, NAZWAJEDN, PRZYCZYNA1, "
                            "PRZYCZYNA3, CZYNNURAZ2) VALUES (51, 5, 2, 9, 'aspirant', 'Jan', 'Kos', 'łódzkie', 'Długa', "
                            "'3a', '12', :p, :u, 11, 3, 'KPP Łask', 'Pośpiech', 'Ślisko', 'Lód')"),
             Params{{"p", at(2025, 1, 2)}, {"u", at(1980, 6, 1)}});
    }
    Dataset& ds(const QString& name) { return *dm->dataset(name); }
    QString text(const QString& name, const char* column) { return ds(name).field(QLatin1String(column)).asString(); }
    void setOfficer(const QString& assignment) {
        exec(QStringLiteral("UPDATE WYPOPER_POSZKODOWANI SET %1 WHERE ID = 51").arg(assignment));
    }
};

TEST_F(PoliceDatasetsTest, ListsKeepTheNonEmptyValuesOnePerLine) {
    EXPECT_EQ(reportds::policeList({"A", "", "C", "  "}), QStringLiteral("A\n\rC"));
    EXPECT_EQ(reportds::policeList({"", ""}), QString());
    EXPECT_EQ(reportds::policeList({"A"}), QStringLiteral("A"));
}

TEST_F(PoliceDatasetsTest, ProtocolAndRecordCardOfTheOfficer) {
    EXPECT_FALSE(reportds::openPoliceOfficer(*dm, 999));
    ASSERT_TRUE(reportds::openPoliceOfficer(*dm, 51));
    const QString prot = reportds::kPoliceProtocol, card = reportds::kPoliceCard;
    EXPECT_EQ(ds(prot).recordCount(), 1);
    EXPECT_EQ(ds(prot).field(QStringLiteral("WYPADEK_ID")).asInt(), 5);
    EXPECT_EQ(text(prot, "nrProt_symbol"), "9");
    EXPECT_EQ(text(prot, "nr"), "9 / 2025 r.");
    EXPECT_EQ(text(prot, "GodzWyp"), "06:05");
    EXPECT_EQ(text(prot, "ImieNazwisko"), "aspirant Jan Kos");
    EXPECT_EQ(text(prot, "adres"), "wojew. łódzkie,  Długa 3a nr 12");
    EXPECT_EQ(text(prot, "SkutkiSm"), "");
    EXPECT_EQ(text(card, "nr"), "7/2/2/2024");
    EXPECT_EQ(text(card, "ImieNazwisko"), "Jan Kos");
    EXPECT_EQ(text(card, "R_WypEKW"), "jest wypadkiem w drodze");
    EXPECT_EQ(text(card, "Przyczyna"), "Pośpiech\n\rŚlisko");
    EXPECT_EQ(text(card, "CzynnUraz"), "Lód");
    EXPECT_EQ(text(card, "DoznUraz"), "");

    // With the symbol setting; without a protocol date, accident date, flat and kind.
    admSettings().symbolWyp = true;
    admSettings().separator = QStringLiteral("-");
    setOfficer(QStringLiteral("DATAPROT = NULL, NRMIESZ = '', SZPITALSM = 2, MIEJSCSM = 'Łask', RODZWYPEKW = 7"));
    exec(QStringLiteral("UPDATE WYPOPER_WYPADKI SET DATA = NULL WHERE ID = 5"));
    reportds::openPoliceOfficer(*dm, 51, 5);
    EXPECT_EQ(text(prot, "RokProtok"), "0");
    EXPECT_EQ(text(prot, "nr"), "9-KP / 0 r.");
    EXPECT_EQ(text(prot, "GodzWyp"), " ");
    EXPECT_EQ(text(prot, "adres"), "wojew. łódzkie,  Długa 3a");
    EXPECT_EQ(text(prot, "SkutkiSm"), "w szpitalu - Łask");
    EXPECT_EQ(text(card, "nr"), "7-KP/2/2/0");
    EXPECT_EQ(text(card, "R_WypEKW"), "");
    const QStringList kinds{"", "jest wypadkiem w służbie", "nie jest wypadkiem w służbie", "jest wypadkiem w drodze",
                            "nie jest wypadkiem w drodze"};
    for (int k = 0; k <= 4; ++k) {
        setOfficer(QStringLiteral("RODZWYPEKW = %1, SZPITALSM = 1").arg(k));
        reportds::openPoliceOfficer(*dm, 51, 5);
        EXPECT_EQ(text(card, "R_WypEKW"), kinds[k]) << k;
        EXPECT_EQ(text(prot, "SkutkiSm"), "w drodze do szpitala - Łask");
    }
}

TEST_F(PoliceDatasetsTest, RegisterOfTheYearWithAgeServiceAndKind) {
    reportds::openPoliceRegister(*dm, 2023);
    EXPECT_EQ(ds(reportds::kPoliceRegister).recordCount(), 0);
    reportds::openPoliceRegister(*dm, 2024);
    Dataset& r = ds(reportds::kPoliceRegister);
    ASSERT_EQ(r.recordCount(), 1);
    EXPECT_EQ(r.field(QStringLiteral("ImNazwStop")).asString(), "aspirant\n\rJan Kos\n\rKPP Łask");
    EXPECT_EQ(r.field(QStringLiteral("WiekStaz")).asString(), "44/11");
    EXPECT_EQ(r.field(QStringLiteral("PrzyczynyEKW")).asString(), "Pośpiech\n\rŚlisko");
    EXPECT_EQ(r.field(QStringLiteral("Czynniki")).asString(), "Lód");
    const QStringList kinds{"brak danych", "TAK\n\rw służbie", "NIE\n\rw służbie", "TAK\n\rw drodze", "NIE\n\rw drodze",
                            "brak danych"};
    for (int k = 0; k <= 5; ++k) {
        setOfficer(QStringLiteral("RODZWYPEKW = %1").arg(k));
        reportds::openPoliceRegister(*dm, 2024);
        EXPECT_EQ(r.field(QStringLiteral("RodzWyp")).asString(), kinds[k]) << k;
    }
    // The age only with both dates, never below 0.
    setOfficer(QStringLiteral("DATAUR = NULL"));
    reportds::openPoliceRegister(*dm, 2024);
    EXPECT_EQ(r.field(QStringLiteral("WiekStaz")).asString(), "/11");
    setOfficer(QStringLiteral("DATAUR = '2030-01-01', STAZ = NULL"));
    reportds::openPoliceRegister(*dm, 2024);
    EXPECT_EQ(r.field(QStringLiteral("WiekStaz")).asString(), "/");
    exec(QStringLiteral("UPDATE WYPOPER_WYPADKI SET DATA = NULL WHERE ID = 5"));
    setOfficer(QStringLiteral("DATAUR = '1980-01-01', STAZ = 3"));
    reportds::openPoliceRegister(*dm, 2024);
    EXPECT_EQ(r.field(QStringLiteral("WiekStaz")).asString(), "/3");
}

TEST_F(PoliceDatasetsTest, AttachmentsWithTheirHeaders) {
    exec(QStringLiteral("INSERT INTO WYPOPER_PRZESLUCHANIE (ID, IDWYPADKU, IDPROTOKOLU, NUMER, TYP, STOPIENSL, IMIE, "
                        "NAZWISKO, KODPOCZ, MIEJSCOW, ULICA, NRUL, MIEJSCESP, DATASP, DATAUR, MIEJSCEUR) VALUES (3, 5, 51, 2, "
                        "1, 'sierżant', 'Ewa', 'Bąk', '98-100', 'Łask', 'Polna', '4', 'Łask', :d, :u, 'Sieradz')"),
         Params{{"d", at(2024, 3, 6)}, {"u", at(1990, 2, 3)}});
    exec(QStringLiteral("INSERT INTO WYPOPER_OGLEDZINY (ID, IDWYPADKU, IDPROTOKOLU, NUMER, RODZOGL) VALUES (4, 5, 51, 3, 0)"));
    exec(QStringLiteral("INSERT INTO WYPOPER_ZALACZNIKI (ID, IDWYPADKU, IDPROTOKOLU, TYTUL) VALUES (1, 5, 51, 'Notatka')"));
    // The same key of another owner.
    exec(QStringLiteral("INSERT INTO WYPOPER_ZALACZNIKI (ID, IDWYPADKU, IDPROTOKOLU, TYTUL) VALUES (1, 5, 52, 'Inna')"));
    const QString h = reportds::kPoliceHearing;
    EXPECT_FALSE(reportds::openPoliceHearing(*dm, 9));
    ASSERT_TRUE(reportds::openPoliceHearing(*dm, 3));
    EXPECT_EQ(text(h, "Naglowek"), "Załącznik nr 2 do protokołu nr 9 z dnia 2025-01-02");
    EXPECT_EQ(text(h, "TytulPrz"), "PROTOKÓŁ PRZESŁUCHANIA ŚWIADKA");
    EXPECT_EQ(text(h, "RolaPrz"), "świadka");
    EXPECT_EQ(text(h, "PodpisPrz"), "(podpis świadka)");
    EXPECT_EQ(text(h, "MiejsceData"), "Łask, dnia 06.03.2024");
    EXPECT_EQ(text(h, "StopienImNazw"), "sierżant, Ewa Bąk");
    EXPECT_EQ(text(h, "DataMiejsceUr"), "03.02.1990, Sieradz");
    EXPECT_EQ(text(h, "Zameldowanie"), "98-100 Łask, ul. Polna  4");
    const QStringList titles{"PROTOKÓŁ PRZESŁUCHANIA POSZKODOWANEGO", "PROTOKÓŁ PRZESŁUCHANIA POSZKODOWANEGO/ŚWIADKA"};
    for (const auto& [type, title] : {std::pair{0, titles[0]}, std::pair{-1, titles[1]}, std::pair{5, titles[1]}}) {
        exec(QStringLiteral("UPDATE WYPOPER_PRZESLUCHANIE SET TYP = %1, NRMIESZ = '7' WHERE ID = 3").arg(type));
        reportds::openPoliceHearing(*dm, 3);
        EXPECT_EQ(text(h, "TytulPrz"), title) << type;
        EXPECT_EQ(text(h, "Zameldowanie"), "98-100 Łask, ul. Polna  4 nr.7");
    }
    // Without the protocol's date the header ends after the number; the symbol follows the setting.
    admSettings().symbolWyp = true;
    admSettings().separator = QStringLiteral("/");
    setOfficer(QStringLiteral("DATAPROT = NULL"));
    reportds::openPoliceHearing(*dm, 3);
    EXPECT_EQ(text(h, "Naglowek"), "Załącznik nr 2 do protokołu nr 9/KP");

    ASSERT_TRUE(reportds::openPoliceInspection(*dm, 4));
    EXPECT_EQ(text(reportds::kPoliceInspection, "Naglowek"), "Załącznik nr 3 do wypadku: KP");
    EXPECT_FALSE(reportds::openPoliceOwnAttachment(*dm, 5, 53, 1));
    ASSERT_TRUE(reportds::openPoliceOwnAttachment(*dm, 5, 51, 1));
    EXPECT_EQ(ds(reportds::kPoliceOwnAttachment).recordCount(), 1);
    EXPECT_EQ(text(reportds::kPoliceOwnAttachment, "TYTUL"), "Notatka");
    EXPECT_EQ(text(reportds::kPoliceOwnAttachment, "Naglowek"), "Załącznik nr 1 do protokołu nr 9/KP");
}

} // namespace
} // namespace zort::test
