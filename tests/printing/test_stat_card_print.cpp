// The printed statistical accident card of every form, filled from a person written
// into a real database: the forms each version collects, the numbered rows with their
// codes in the code column, the "X" of the chosen answers, the numbers, blank cards.
#include "domain/ReportDatasets.h"
#include "printing/PrintChoice.h"
#include "printing/PrintForms.h"
#include "printing/ProtocolPrintLayout.h"
#include "printing/ReportForms.h"
#include "DocumentPageChecks.h"
#include "support/RegisterFixture.h"

namespace zort::test {
namespace {

using namespace zort::print;

const QStringList kPages5 = {"TKartWypRep1Form_5", "TKartWypRep2Form_5", "TKartWypRep3Form_5"};
const QStringList kAll = {"TKartWypRep1Form",   "TKartWypRep2Form",   "TKartWypRep1Form_1", "TKartWypRep2Form_1",
                          "TKartWypRep1Form_2", "TKartWypRep2Form_2", "TKartWypRep1Form_3", "TKartWypRep2Form_3",
                          "TKartWypRep1Form_4", "TKartWypRep2Form_4", "TKartWypRep1Form_5", "TKartWypRep2Form_5",
                          "TKartWypRep3Form_5"};

int xCount(const ReportPages& pages) { return int(pages.texts().count(QStringLiteral("X"))); }

class StatCardPrint : public RegisterTest {
protected:
    void SetUp() override {
        RegisterTest::SetUp();
        registerReportForms();
        ReportForms::reset();
        exec(QStringLiteral(
                 "INSERT INTO SKWWYPADKI (ID, NUMER, DATA, DATAREJWYP, SYMBOLWYP, POSZKODOWANI, WYPIZ, WERSJASKW, "
                 "STRATYZL, STRATYCZASU, IDMIEJSCA, MIEJSCEWYP, IDPOLOZGEOGR, POLOZGEOGR, IDRODZAJMIEJSCAWYP, "
                 "RODZAJMIEJSCAWYP) VALUES (1, 3, :d, :r, 'ZP', 2, 0, 5, 0.5, 6, '011', 'Hala produkcyjna', "
                 "'1465011', 'Łódź-Bałuty', '1', 'Zakład przemysłowy')"),
             Params{{"d", at(2023, 3, 9, 7, 40)}, {"r", at(2023, 3, 10)}});
        exec(QStringLiteral(
                 "INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERKARTY, IMIE, NAZWISKO, DATAUR, PLEC, TYPWYP, "
                 "SPKRYTJEDN, FORMAPRACY, SKUTKI, SKUTKIR, PRZEDSIEB, ADRESFIRMA, REGON, LICZBAPRAC, IDMSCJEDN, MSCJEDN, "
                 "IDRODZDZIALJEDN, RODZDZIALJEDN, IDFWJEDN, FWJEDN, IDOBYWATELSTWO, OBYWATELSTWO, IDUMOWY, UMOWA, "
                 "KODZAWODU, ZAWOD, STAZ, GODZPRACY, IDRODZAJURAZ, RODZAJURAZ, IDURAZU1, URAZ1, DNINIEZD, DNINIEZDR, "
                 "IDPROCESPRACY, PROCESPRACY, IDCZYNNOSCI, CZYNNOSC, IDCZYNNIKCZYNNOSC, CZYNNIKCZYNNOSC, IDWYDARZENIA, "
                 "WYDARZENIE, IDCZYNNIKODCHYLENIE, CZYNNIKODCHYLENIE, IDWYDARZENIEURAZ, WYDARZENIEURAZ, IDCZYNNIKURAZ, "
                 "CZYNNIKURAZ, IDPRZYCZYNY1, PRZYCZYNA1, IDPRZYCZYNY2, PRZYCZYNA2, EMAILWYPSKW, TELWYPSKW, "
                 "MIEJSCOWWYPSKW, DATAWYPSKW, EMAILWYPSKW2, TELWYPSKW2, MIEJSCOWWYPSKW2, DATAWYPSKW2, SZKWSTEPNE, "
                 "SZKINSTR, SZKPODST, SZKOKRES, IMNAZWWYPSKW, SYNCORKA) VALUES (11, 1, 7, 'Józef', 'Żółkiewski', :ur, "
                 "1, 0, 2, 2, 2, 3, 'Zakład Mechaniczny Łęczyca Sp. z o.o.', '99-100 Łęczyca, ul. Długa 1', "
                 "'471234567', 120, '1002011', 'Łęczyca', '2562Z', 'Obróbka mechaniczna elementów metalowych', '1', "
                 "'Sektor prywatny', '616', 'Polska', '1', 'Pracownik najemny', '722204', 'Ślusarz', 12, 3, '011', "
                 "'Rany i urazy powierzchowne', '54', 'Palce', 14, 30, '11', 'Produkcja, obróbka', '12', "
                 "'Obsługa maszyny', '14.05', 'Wióry, odpryski', '51', 'Utrata kontroli nad maszyną', '14.05', "
                 "'Wióry', '51', 'Kontakt z ostrym czynnikiem', '14.05', 'Wióry metalowe', '184', "
                 "'Niewłaściwe posługiwanie się czynnikiem', '225', 'Nieuwaga', 'bhp@firma.pl', "
                 "'42 123 45 67', 'Łęczyca', :c1, 'kadry@firma.pl', '42 765 43 21', 'Łęczyca', :c2, 'T', 'n', 'n', "
                 "'n', 'Anna Nowak', 'syn')"),
             Params{{"ur", at(1980, 5, 6)}, {"c1", at(2023, 3, 20)}, {"c2", at(2023, 9, 1)}});
    }
    void TearDown() override {
        ReportForms::reset();
        RegisterTest::TearDown();
    }

    void set(const QString& column, const QVariant& value, const QString& table = QStringLiteral("SKWPOSZKODOWANI")) {
        exec(QStringLiteral("UPDATE %1 SET %2 = :v WHERE ID = %3")
                 .arg(table, column, table == QLatin1String("SKWWYPADKI") ? QStringLiteral("1") : QStringLiteral("11")),
             Params{{"v", value}});
    }

    ProtocolReport& form(const QString& name) {
        auto* f = dynamic_cast<ProtocolReport*>(ReportForms::form(name));
        EXPECT_TRUE(f) << name.toStdString();
        return *f;
    }

    PagesPtr print(const QString& name, bool blank = false) {
        reportds::openAll(*dm, 11, 1);
        ProtocolReport& f = form(name);
        f.setRun(DocumentRun{dm.get(), admSettings(), blank});
        PagesPtr pages = f.prepare();
        f.setRun(DocumentRun());
        return pages;
    }
};

// With ZORT_LOOK_DIR set, every form is saved there filled and blank, to be looked at.
TEST_F(StatCardPrint, SavesEveryFormForLooking) {
    if (!qEnvironmentVariableIsSet("ZORT_LOOK_DIR")) GTEST_SKIP() << "ZORT_LOOK_DIR not set";
    for (const QString& n : kAll)
        for (bool blank : {false, true}) exportPdf(print(n, blank), n + (blank ? QStringLiteral("_puste") : QString()));
}

} // namespace
} // namespace zort::test
