// The accident card of a person who is not an employee, printed from the report
// dataset of a real database: the whole card of each regulation and its pages, the
// finding struck by its answer, long texts over pages or cut at their boxes, blank
// forms and the font size.
#include "domain/ReportDatasets.h"
#include "printing/DocumentReport.h"
#include "printing/ReportForms.h"
#include "DocumentPageChecks.h"
#include "support/RegisterFixture.h"

using namespace zort;
using namespace zort::print;
using namespace zort::test;

namespace {

const QString k2022 = QStringLiteral("TKartaWypadkuRep2022_all_Form");
const QString k2012 = QStringLiteral("TKartaWypadkuRep2012_all_Form");
const QString k2002 = QStringLiteral("TKartaWypadkuRep_all_Form");
const QString kNumber = QStringLiteral("KARTA WYPADKU nr 4 / 2023 r.");
const QStringList kPages2022{"TKartaWypadkuRep2022_1Form", "TKartaWypadkuRep2022_2Form", "TKartaWypadkuRep2022_3Form",
                             "TKartaWypadkuRep2022_4Form"};

// Numbered sentences, each printed once wherever the text breaks.
QString sentences(int n) {
    QString s;
    for (int i = 1; i <= n; ++i)
        s += QStringLiteral("Zdanie %1 opisu okoliczności wypadku przy rozładunku palet z naczepy. ").arg(i, 4, 10, QLatin1Char('0'));
    return s;
}

class AccidentCardPrint : public RegisterTest {
protected:
    void SetUp() override {
        RegisterTest::SetUp();
        registerReportForms();
        ReportForms::reset();
        exec(QStringLiteral("INSERT INTO SKWWYPADKI (ID, NUMER, DATA, DATAREJWYP, SYMBOLWYP, POSZKODOWANI, WYPIZ, WERSJASKW) "
                            "VALUES (5, 1, :d, :d, 'S', 1, 0, 5)"),
             Params{{"d", at(2023, 3, 9, 7, 40)}});
        exec(QStringLiteral(
                 "INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERKARTY, NUMERKARTYWYP, NUMERPROT, IMIE, NAZWISKO, DATAUR, "
                 "MIEJSCEUR, PESELPRAC, NIPPRAC, DOKPRAC, ULICA, NRUL, NRMIESZ, KODPOCZ, MIEJSCOW, PRZEDSIEB, ADRESFIRMA, "
                 "NIPFIRMA, REGON, PESELFIRMA, DOKFIRMA, UBEZPOPIS, DATAZG, IMNAZWZG, OKOLICZNOSCI, IMNAZWSW1, ADRESSW1, "
                 "IMNAZWSW2, ADRESSW2, PKTUSTAWY, UZASADN, DOWUCHYB, DOWPIJ, IMNAZWODB, DATAZAPOZ, DATAPROT, PODMSPORZADZ, "
                 "IMNAZSPORZADZ, PRZESZKODY, DATAODB, ZALACZNIKI) VALUES (51, 5, 7, 4, 0, 'Józef', 'Żółkiewski', :ur, "
                 "'Łęczyca', '80010212345', '777-11-22-333', 'dowód osobisty ABC 123456', 'Polna', '3', '', '00-950', "
                 "'Gdańsk', 'Zakład Usług Leśnych', 'ul. Długa 1, 00-950 Gdańsk', '111-22-33-444', '123456789', "
                 "'70010112345', 'dowód osobisty XYZ 654321', 'umowa zlecenia - prace porządkowe', :zg, 'Ewa Lis', "
                 "'Upadek z rampy.', 'Anna Nowak', 'Kutno', 'Piotr Wróbel', 'Łódź', '8 ', 'Zdarzenie spełnia definicję.', "
                 "'Nie stwierdzono naruszeń.', 'Nie stwierdzono nietrzeźwości.', 'Józef Żółkiewski', :zap, :prot, "
                 "'Urząd Gminy Modrzewo, ul. Leśna 2', 'Jan Kos', 'Brak przeszkód.', :odb, 'Zapis wyjaśnień poszkodowanego.')"),
             Params{{"ur", at(1980, 1, 2)}, {"zg", at(2023, 3, 10)}, {"zap", at(2023, 3, 20)}, {"prot", at(2023, 3, 17)},
                    {"odb", at(2023, 3, 21)}});
    }
    void TearDown() override {
        ReportForms::reset();
        RegisterTest::TearDown();
    }

    void set(const QString& column, const QVariant& value) {
        exec(QStringLiteral("UPDATE SKWPOSZKODOWANI SET %1 = :v WHERE ID = 51").arg(column), Params{{"v", value}});
    }
    void setText(const QString& column, const QString& text) {
        Params p;
        p.setBlob(QStringLiteral("v"), text);
        exec(QStringLiteral("UPDATE SKWPOSZKODOWANI SET %1 = :v WHERE ID = 51").arg(column), p);
    }

    PagesPtr print(const QStringList& forms, bool blank = false) {
        reportds::openAll(*dm, 51, 5);
        return printForms(dm.get(), forms, blank, QStringLiteral("WypKart"));
    }
    PagesPtr print(const QString& form, bool blank = false) { return print(QStringList{form}, blank); }

    static QStringList struckOf(const ReportPages& pages) {
        QStringList out;
        for (const Page& p : pages.pages())
            for (const QString& t : struck(p, {"jest", "nie jest"})) out << t;
        out.sort();
        return out;
    }
};

TEST_F(AccidentCardPrint, TheWholeCardOf2022InOrder) {
    const PagesPtr pages = print(k2022);
    ASSERT_EQ(pages->pageCount(), 1);
    expectInOrder(*pages,
                  {kNumber, "Urząd Gminy Modrzewo, ul. Leśna 2", "Nazwa i adres podmiotu sporządzającego kartę wypadku",
                   kNumber, "I.  DANE IDENTYFIKACYJNE PŁATNIKA SKŁADEK", "1)", "Zakład Usług Leśnych",
                   "ul. Długa 1, 00-950 Gdańsk", "111-22-33-444", "123456789", "70010112345", "dowód osobisty XYZ 654321",
                   "rodzaj dokumentu, seria, numer", "II. DANE IDENTYFIKACYJNE POSZKODOWANEGO", "Józef Żółkiewski",
                   "80010212345", "dowód osobisty ABC 123456", "02.01.1980 Łęczyca", "Polna 3, 00-950 Gdańsk",
                   "5. Tytuł ubezpieczenia wypadkowego", "umowa zlecenia - prace porządkowe", "III. INFORMACJE O WYPADKU",
                   "1. Data zgłoszenia oraz  imię i nazwisko osoby zgłaszającej wypadek", "10.03.2023", "Ewa Lis",
                   "2. Informacje dotyczące okoliczności, przyczyn, czasu i miejsca wypadku, rodzaju i umiejscowienia urazu",
                   "Upadek z rampy.", "3. Świadkowie wypadku", "Anna Nowak Kutno", "Piotr Wróbel Łódź", "4. Wypadek",
                   "jest", "nie jest", "2)", "wypadkiem przy pracy określonym w art. 3 ust. 3 pkt", "8", "3)",
                   "albo art. 3a", "4)", "Zdarzenie spełnia definicję.", "Nie stwierdzono naruszeń.",
                   "Nie stwierdzono nietrzeźwości.", "IV. POZOSTAŁE INFORMACJE",
                   "imię i nazwisko poszkodowanego (członka rodziny)", "20.03.2023", "17.03.2023",
                   "nazwa podmiotu obowiązanego do sporządzenia karty wypadku", "Jan Kos", "Brak przeszkód.", "21.03.2023",
                   "podpis uprawnionego", "5. Załączniki:", "Zapis wyjaśnień poszkodowanego.",
                   "Nie wypełniają podmioty niebędące płatnikami składek na ubezpieczenie wypadkowe.",
                   "Niepotrzebne skreślić.",
                   "Wpisać odpowiedni punkt z art. 3 ust. 3 ustawy z dnia 30 października 2002 r. o ubezpieczeniu "
                   "społecznym z tytułu wypadków przy pracy i chorób zawodowych.",
                   "Niepotrzebne skreślić."});
    // The header on each page right-aligned at the margin, "Strona n" at each foot.
    for (const Page& p : pages->pages()) {
        const DrawItem* head = p.findText(kNumber);
        ASSERT_TRUE(head);
        EXPECT_NEAR(head->origin.x() + ReferenceDevice::textWidth(head->font, kNumber), p.size().width() - mm(10), 1);
        EXPECT_TRUE(p.findText(QStringLiteral("Strona %1").arg(p.number)));
    }
    EXPECT_FALSE(pages->texts().join('|').contains(" m. "));
    // The entity at the top of page one, and again as the body of IV.2.
    EXPECT_EQ(pages->texts().count("Urząd Gminy Modrzewo, ul. Leśna 2"), 2);
    expectInsideMargins(*pages);
}

TEST_F(AccidentCardPrint, TheFindingIsStruckByItsAnswerAndThePointPrintsIn2022Only) {
    const std::vector<std::pair<int, QStringList>> cases = {{0, {}}, {1, {"nie jest"}}, {2, {"jest"}}, {3, {}}};
    for (const auto& [value, struckTexts] : cases) {
        SCOPED_TRACE(value);
        set("RODZAJWYP", value);
        EXPECT_EQ(struckOf(*print(k2022)), struckTexts);
        EXPECT_EQ(struckOf(*print(kPages2022[1])), struckTexts);
        EXPECT_EQ(struckOf(*print(k2012)), struckTexts);
        EXPECT_EQ(struckOf(*print("TKartaWypadkuRep2Form")), struckTexts);
    }
    // The point, trimmed, over the gap of 2022 only; the older cards keep their dots.
    const PagesPtr p2022 = print(kPages2022[1]);
    const DrawItem* point = p2022->page(1).findText("8");
    ASSERT_TRUE(point);
    const DrawItem* words = p2022->page(1).findText("wypadkiem przy pracy określonym w art. 3 ust. 3 pkt");
    ASSERT_TRUE(words);
    EXPECT_GT(point->origin.x(), words->origin.x() + ReferenceDevice::textWidth(words->font, words->text));
    EXPECT_TRUE(p2022->page(1).findText("........"));
    for (const QString& form : {k2012, k2002})
        EXPECT_FALSE(print(form)->texts().contains("8")) << form.toStdString();
    // Blank: nothing struck, no point.
    set("RODZAJWYP", 1);
    const PagesPtr blank = print(k2022, true);
    EXPECT_TRUE(struckOf(*blank).isEmpty());
    EXPECT_FALSE(blank->texts().contains("8"));
}

TEST_F(AccidentCardPrint, TheOlderCardsWithTheirDifferences) {
    const PagesPtr c2012 = print(k2012);
    expectInOrder(*c2012, {"Nazwa i adres podmiotu sporządzającego kartę wypadku lub pieczątka, jeżeli ją posiada",
                           "I.  DANE IDENTYFIKACYJNE PŁATNIKA SKŁADEK", "wypadkiem określonym w art.3 ust.3 pkt",
                           ".....", "3)", "podpis i pieczątka, jeżeli ją posiada"});
    EXPECT_FALSE(c2012->texts().contains("albo art. 3a"));
    EXPECT_FALSE(c2012->texts().contains("4)"));
    EXPECT_FALSE(c2012->texts().contains("777-11-22-333"));
    EXPECT_TRUE(c2012->texts().join('|').contains("zgodnie z art. 3 ust. 3 ustawy"));

    const PagesPtr c2002 = print(k2002);
    expectInOrder(*c2002, {"I.   DANE IDENTYFIKACYJNE PŁATNIKA SKŁADEK", "*", "II.   DANE IDENTYFIKACYJNE POSZKODOWANEGO",
                           "2. PESEL", "80010212345", "NIP", "777-11-22-333",
                           "1. Data zgłoszenia oraz nazwisko i imię osoby zgłaszającej wypadek",
                           "2. Informacje dotyczące okoliczności, przyczyn, czasu i miejsca wypadku", "**",
                           "2. Kartę sporządzono    w dniu", "4. Kartę odebrano w dniu", "*", "**"});
    EXPECT_FALSE(print(k2022)->texts().contains("777-11-22-333"));
    // Two pages of the card of 2002, each with its foot.
    const PagesPtr pages = print({"TKartaWypadkuRep1Form", "TKartaWypadkuRep2Form"});
    ASSERT_EQ(pages->pageCount(), 2);
    EXPECT_TRUE(pages->page(1).findText("777-11-22-333"));
    EXPECT_TRUE(pages->page(2).findText("4. Kartę odebrano w dniu"));
    EXPECT_TRUE(pages->page(2).findText("Strona 2"));
    expectInsideMargins(*pages);
    exportPdf(print({k2002, "TKartaWypadkuRep1Form", "TKartaWypadkuRep2Form"}), QStringLiteral("karta-wypadku-2002"));
    exportPdf(print({k2012, "TKartaWypadkuRep2012_1Form", "TKartaWypadkuRep2012_2Form", "TKartaWypadkuRep2012_3Form",
                     "TKartaWypadkuRep2012_4Form"}),
              QStringLiteral("karta-wypadku-2012"));
}

TEST_F(AccidentCardPrint, LongCircumstancesFlowOverPagesOrAreCutAtTheirBox) {
    setText("OKOLICZNOSCI", sentences(450));
    const PagesPtr pages = print(k2022);
    ASSERT_GE(pages->pageCount(), 4);
    const QString all = pages->texts().join(' ');
    for (int i = 1; i <= 450; ++i)
        EXPECT_EQ(all.count(QStringLiteral("Zdanie %1 ").arg(i, 4, 10, QLatin1Char('0'))), 1) << i;
    EXPECT_EQ(pages->texts().count("Urząd Gminy Modrzewo, ul. Leśna 2"), 2);
    EXPECT_EQ(pages->page(1).texts().count("Urząd Gminy Modrzewo, ul. Leśna 2"), 1);
    for (const Page& p : pages->pages()) {
        EXPECT_TRUE(p.findText(kNumber)) << p.number;
        EXPECT_TRUE(p.findText(QStringLiteral("Strona %1").arg(p.number))) << p.number;
    }
    expectInsideMargins(*pages);
    exportPdf(pages, QStringLiteral("karta-wypadku-2022-dluga"));

    // Page one keeps its single page: the text ends at the box, above the footer.
    const PagesPtr one = print(kPages2022[0]);
    ASSERT_EQ(one->pageCount(), 1);
    const QString cut = one->texts().join(' ');
    EXPECT_TRUE(cut.contains("Zdanie 0001 "));
    EXPECT_FALSE(cut.contains("Zdanie 0450 "));
    const DrawItem* foot = one->page(1).findText("Strona 1");
    ASSERT_TRUE(foot);
    for (const DrawItem& i : one->page(1).items)
        if (i.kind == DrawItem::Kind::Text && i.text.startsWith("Zdanie")) EXPECT_LT(i.origin.y(), foot->origin.y() - 8);
}

TEST_F(AccidentCardPrint, PageFormsTitleFontAndBlankCards) {
    admSettings().dokWypFont = 2;
    const PagesPtr pages = print(kPages2022);
    ASSERT_EQ(pages->pageCount(), 4);
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(pages->page(i).findText(QStringLiteral("Strona %1").arg(i)));
    EXPECT_TRUE(pages->page(1).findText(kNumber));
    EXPECT_EQ(pages->texts().count(kNumber), 1);  // no header on the page forms
    EXPECT_TRUE(pages->page(2).findText("3. Świadkowie wypadku"));
    EXPECT_TRUE(pages->page(3).findText("IV. POZOSTAŁE INFORMACJE"));
    EXPECT_TRUE(pages->page(4).findText("5. Załączniki:"));
    expectInsideMargins(*pages);
    // The font size setting: the whole card's data only.
    EXPECT_EQ(pages->page(1).findText("Józef Żółkiewski")->font.size, 9);
    const PagesPtr whole = print(k2022);
    EXPECT_EQ(whole->page(1).findText("Józef Żółkiewski")->font.size, 10);
    EXPECT_EQ(whole->page(1).findText("1. Imię i nazwisko poszkodowanego")->font.size, 8);
    EXPECT_EQ(whole->page(1).findText(kNumber)->font.size, 8);  // the header

    // Blank, then filled: the blank shows no data and strikes nothing; the filled
    // card after it is as before.
    set("RODZAJWYP", 2);
    const PagesPtr filled = print(k2022);
    const PagesPtr blank = print(k2022, true);
    const QStringList texts = blank->texts();
    for (const char* data : {"Józef Żółkiewski", "Upadek z rampy.", "Urząd Gminy Modrzewo, ul. Leśna 2", "17.03.2023",
                             "4 / 2023 r."})
        EXPECT_FALSE(texts.join('|').contains(QString::fromUtf8(data))) << data;
    EXPECT_TRUE(texts.contains("KARTA WYPADKU nr"));
    EXPECT_TRUE(struckOf(*blank).isEmpty());
    EXPECT_TRUE(blank->page(1).findText("Strona 1"));
    const PagesPtr blankOne = print(kPages2022[0], true);
    EXPECT_TRUE(blankOne->page(1).findText("KARTA WYPADKU"));
    EXPECT_FALSE(blankOne->texts().join('|').contains("KARTA WYPADKU nr"));
    EXPECT_EQ(dump(*print(k2022)), dump(*filled));
    EXPECT_EQ(dump(*print(k2022)), dump(*filled));
    exportPdf(print(QStringList{k2022} + kPages2022), QStringLiteral("karta-wypadku-2022"));
    exportPdf(print(QStringList{k2022} + kPages2022, true), QStringLiteral("karta-wypadku-2022-pusta"));
}

} // namespace
