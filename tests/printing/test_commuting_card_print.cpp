// The card of an accident on the way to or from work, printed from the commuting
// datasets of a real database: the alternatives each code strikes, the number line,
// blank forms, the font size, the pages and the older forms' texts.
#include "domain/CommutingReportDatasets.h"
#include "printing/DocumentReport.h"
#include "printing/PrintChoice.h"
#include "printing/ReportForms.h"
#include "DocumentPageChecks.h"
#include "support/RegisterFixture.h"

#include <algorithm>

using namespace zort;
using namespace zort::print;
using namespace zort::test;

namespace {

const QString kWhole = QStringLiteral("TProtWDrodzeNowy2012Form");
const QString kLineA = QStringLiteral("a) innego zatrudnienie lub innej działalności stanowiącej tytuł ubezpieczenia rentowego,");
const QString kLineB = QStringLiteral("b) zwykłego wykonywania funkcji lub zadań zawodowych albo społecznych,");
const QString kLineC = QStringLiteral("c) zwykłego spożywania posiłków,");
const QString kLineD = QStringLiteral("d) odbywania nauki lub studiów.");
// What route 0 ("z domu do pracy") strikes.
const QStringList kRouteZeroStruck{"w drodze z pracy do domu", "w drodze", "z", "do", "miejsca:", kLineA, kLineB, kLineC, kLineD};

// Every text of the page that a strike line crosses from its start to its end (a
// text printed twice counts twice). The page holds texts without their trailing
// blanks ("nie były** " prints "nie były**"); the strike covers the blank too.
QStringList struckTexts(const Page& p) {
    QStringList out;
    for (const DrawItem& t : p.items) {
        if (t.kind != DrawItem::Kind::Text) continue;
        const double ascent = ReferenceDevice::ascent(t.font);
        for (const DrawItem& l : p.items)
            if (l.kind == DrawItem::Kind::Line && l.rect.height() == 0 && l.rect.width() > 0 &&
                l.rect.top() > t.origin.y() - ascent && l.rect.top() < t.origin.y() &&
                std::abs(l.rect.left() - t.origin.x()) < 0.01 &&
                l.rect.width() > ReferenceDevice::textWidth(t.font, t.text) - 0.01 &&
                l.rect.width() < ReferenceDevice::textWidth(t.font, t.text + QLatin1Char(' ')) + 0.01) {
                out << t.text;
                break;
            }
    }
    out.sort();
    return out;
}

QStringList struckTexts(const ReportPages& pages) {
    QStringList out;
    for (const Page& p : pages.pages()) out << struckTexts(p);
    out.sort();
    return out;
}

QStringList sorted(QStringList l) {
    l.sort();
    return l;
}

class CommutingCardPrint : public RegisterTest {
protected:
    void SetUp() override {
        RegisterTest::SetUp();
        registerReportForms();
        ReportForms::reset();
        // Every code null: no alternative is struck until a test sets one.
        exec(QStringLiteral(
                 "INSERT INTO SKWWYPADKIWDRODZE (ID, NUMER, SYMBOLWYP, DATA, DATAREJWYP, DATASP, IMIE, NAZWISKO, DATAUR, "
                 "MIEJSCEUR, ULICA, NRUL, NRMIESZ, KODPOCZ, MIEJSCOW, PRZEDSIEB, ADRESPRZEDSIEB, NIPPOSZK, GODZRZ, "
                 "ZGONOPIS, DATANIEZDOD, DATANIEZDDO, KODCHOROBY, IMNAZWSW1, ADRESSW1, MIEJSCESP, PODMSPORZADZ, "
                 "STANCYWILNY, KODZAWODU, ZAWOD, PRZYCZYNY) VALUES (5, 7, 'DR', :d, :r, :sp, 'Józef', 'Żółkiewski', "
                 ":ur, 'Łęczyca', 'Polna', '7', '3', '63-741', 'Borowiec', 'Zakład Łęczyca', 'ul. Długa 1', "
                 "'777-11-22-333', '15:30', 'w miejscu wypadku', :od, :do, 'S52', 'Anna Nowak', 'Kutno', "
                 "'Modrzewo', 'Urząd Gminy Modrzewo', 'żonaty', '723103', 'Ślusarz', 'Potrącenie na przejściu.')"),
             Params{{"d", at(2012, 3, 4, 8, 5)},
                    {"r", at(2014, 1, 2)},
                    {"sp", at(2013, 1, 5)},
                    {"ur", at(1980, 1, 2)},
                    {"od", at(2012, 3, 5)},
                    {"do", at(2012, 3, 20)}});
    }
    void TearDown() override {
        ReportForms::reset();
        RegisterTest::TearDown();
    }

    void set(const QString& column, const QVariant& value) {
        exec(QStringLiteral("UPDATE SKWWYPADKIWDRODZE SET %1 = :v WHERE ID = 5").arg(column), Params{{"v", value}});
    }

    // The forms as one printout, with the settings of admSettings().
    PagesPtr print(const QStringList& forms, bool blank = false) {
        EXPECT_TRUE(reportds::openCommutingAll(*dm, 5));
        return printForms(dm.get(), forms, blank, QStringLiteral("WypDrogaKartWyp"));
    }
    PagesPtr print(const QString& form, bool blank = false) { return print(QStringList{form}, blank); }

    QString field(const QString& name) {
        reportds::openCommutingAll(*dm, 5);
        return dm->dataset(QStringLiteral("ZestWDrodzeNoweSQL"))->field(name).asString();
    }

};

TEST_F(CommutingCardPrint, TheCardPrintsEveryCaptionInOrder) {
    const PagesPtr pages = print(kWhole);
    ASSERT_GE(pages->pageCount(), 1);
    EXPECT_TRUE(pages->page(1).findText("Strona:"));
    EXPECT_TRUE(pages->page(1).findText("Karta wypadku w drodze do pracy lub z pracy"));
    expectInOrder(*pages,
                  {"Urząd Gminy Modrzewo",
                   "(nazwa i adres podmiotu sporządzającego kartę wypadku lub pieczątka, jeżeli ją posiada)",
                   "Karta wypadku", "nr 7 / 2012 r.", "I. DANE IDENTYFIKACYJNE PŁATNIKA SKŁADEK*",
                   "1. Imię i nazwisko lub nazwa i adres płatnika składek na ubezpieczenia społeczne", "Zakład Łęczyca",
                   "ul. Długa 1", "2. NIP", "3. REGON", "4. PESEL",
                   "5. Dokument tożsamości (dowód osobisty albo paszport)", "(rodzaj dokumentu)", "(seria)", "(numer)",
                   "II. DANE IDENTYFIKACYJNE POSZKODOWANEGO", "1. Imię i nazwisko poszkodowanego", "Józef Żółkiewski",
                   "2. PESEL", "3. Dokument tożsamości (dowód osobisty lub paszport)",
                   "4. Data i miejsce urodzenia poszkodowanego", "02.01.1980 Łęczyca",
                   "5. Adres zamieszkania poszkodowanego", "Polna 7 m. 3", " 63-741 Borowiec", "6. Tytuł ubezpieczenia",
                   "rentowego/", "chorobowego**", "III. INFORMACJE O WYPADKU", "1. Data wypadku:", "04.03.2012",
                   " r.     o godz.", "08:05", "w drodze do pracy lub z pracy", "2. W dniu wypadku poszkodowany:",
                   "1) miał rozpocząć pracę o godz.", "2) zakończył pracę o godz.", "3. Wypadek zdarzył się**:",
                   "w drodze z domu do pracy", "w drodze z pracy do domu", "w drodze", "z", "do", "miejsca:",
                   "a) innego zatrudnienie lub innej działalności stanowiącej tytuł ubezpieczenia rentowego,",
                   "b) zwykłego wykonywania funkcji lub zadań zawodowych albo społecznych,",
                   "c) zwykłego spożywania posiłków,", "d) odbywania nauki lub studiów.",
                   "4. Szczegółowy opis okoliczności, miejsca i przyczyn wypadku:", "Potrącenie na przejściu.",
                   "5. W sprawie wypadku", "były", "nie były**", "podjęte czynności przez odpowiednie organy",
                   "6. Wypadek spowodował niezdolność do pracy od", "do", "***", "Wypadek spowodował zgon",
                   "7. Świadkowie wypadku:", "1). Anna Nowak Kutno", "(imię nazwisko)", "(adres zamieszkania)",
                   "8. Wypadek jest wypadkiem w drodze do pracy lub z pracy", "TAK/", "NIE**",
                   "9. Uzasadnienie nieuznania wypadku za wypadek w drodze do pracy lub z pracy **:",
                   "IV. POZOSTAŁE INFORMACJE", "1. Kartę wypadku sporządzono w dniu", "05.01.2013",
                   "(imię i nazwisko sporządzającego kartę wypadku, podpis i pieczątka, jeżeli ją posiada)",
                   "2. Miejscowość sporządzenia karty wypadku", "Modrzewo",
                   "3. Przeszkody i trudności uniemożliwiające sporządzenie karty wypadku w wymaganym terminie 14 dni:",
                   "4. Kartę wypadku odebrano w dniu", "podpis uprawnionego", "** Niepotrzebne skreślić",
                   "* Nie wypełniają podmioty niebędące płatnikami składek na ubezpieczenie rentowe/chorobowe.", "***",
                   "Podać okres niezdolności objęty zaświadczeniem lekarskim, które zostało przedłożone przed "
                   "sporządzeniem karty wypadku.",
                   " Podmiot sporządzający kartę wypadku, niebędący płatnikiem składek, wpisuje okres niezdolności do "
                   "pracy na podstawie oświadczenia",
                   " poszkodowanego lub członka jego rodziny."});
    // Every alternative in bold. Without answers nothing is struck but the route,
    // which has no alternative for no value; the dates of the incapacity and the
    // hours stay unprinted without their answers.
    EXPECT_TRUE(pages->page(1).findText("chorobowego**")->font.bold);
    EXPECT_TRUE(pages->page(1).findText("miejsca:")->font.bold);
    EXPECT_EQ(struckTexts(*pages), sorted(kRouteZeroStruck + QStringList{"w drodze z domu do pracy"}));
    for (const char* hidden : {"15:30", "w miejscu wypadku", "20.03.2012"}) EXPECT_FALSE(pages->texts().contains(hidden)) << hidden;
    expectInsideMargins(*pages);
    // The body that draws the card up prints once.
    EXPECT_EQ(pages->texts().count("Urząd Gminy Modrzewo"), 1);
}

TEST_F(CommutingCardPrint, EachRouteLeavesOnlyItsAlternativesStanding) {
    const QString home = "w drodze z domu do pracy", back = "w drodze z pracy do domu", way = "w drodze",
                  place = "miejsca:", a = kLineA, b = kLineB, c = kLineC, d = kLineD;
    const QStringList all{home, back, way, "z", "do", place, a, b, c, d};
    const std::vector<std::pair<std::vector<int>, QStringList>> standing = {
        {{0}, {home}},
        {{1}, {back}},
        {{2}, {way, "do", place, a}},
        {{3, 4, 5}, {way, "do", place, b}},
        {{6}, {way, "do", place, c}},
        {{7}, {way, "do", place, d}},
        {{8}, {way, "z", place, a}},
        {{9, 10, 11}, {way, "z", place, b}},
        {{12}, {way, "z", place, c}},
        {{13}, {way, "z", place, d}},
        {{99}, {}},
    };
    for (const auto& [values, stand] : standing)
        for (int v : values) {
            SCOPED_TRACE(v);
            set("MIEJSCEWYP", v);
            QStringList expected;
            for (const QString& t : all)
                if (!stand.contains(t)) expected << t;
            EXPECT_EQ(struckTexts(*print("TProtWDrodzeNowy2012_2Form")), sorted(expected));
        }
    // The derived text keeps the two blanks before "skierowania".
    set("MIEJSCEWYP", 13);
    EXPECT_EQ(field("pkt5"), "z miejsca odbywania nauki lub studiów dla pracujących na podstawie  skierowania zakładu pracy");
    set("MIEJSCEWYP", 7);
    EXPECT_EQ(field("pkt5"), "do miejsca odbywania nauki lub studiów dla pracujących na podstawie  skierowania zakładu pracy");
    set("MIEJSCEWYP", 14);
    EXPECT_EQ(field("pkt5"), "brak danych");
}

TEST_F(CommutingCardPrint, CodedAnswersStrikeAndHideTheirAlternatives) {
    struct Case {
        const char* column;
        QVariant value;
        QStringList struck;
        QStringList shown;
        QStringList hidden;
    };
    const QString start = "1) miał rozpocząć pracę o godz.", end = "2) zakończył pracę o godz.",
                  incapacity = "6. Wypadek spowodował niezdolność do pracy od";
    const std::vector<Case> cases = {
        {"WYPRZ", 0, {end}, {"15:30"}, {}},
        {"WYPRZ", 1, {start}, {"15:30"}, {}},
        {"WYPRZ", 2, {}, {}, {"15:30"}},
        // Death: the stored incapacity dates stay unprinted.
        {"SKUTKI", 0, {incapacity, "do"}, {"w miejscu wypadku"}, {"05.03.2012", "20.03.2012"}},
        {"SKUTKI", 1, {"Wypadek spowodował zgon"}, {"05.03.2012", "20.03.2012"}, {"w miejscu wypadku"}},
        {"SKUTKI", 5, {}, {}, {"w miejscu wypadku", "20.03.2012"}},
        {"DOCHODZENIE", 0, {"nie były**"}, {}, {}},
        {"DOCHODZENIE", 1, {"były"}, {}, {}},
        {"DOCHODZENIE", 2, {}, {}, {}},
        {"RODZAJWYP", 0, {"NIE**", "9. Uzasadnienie nieuznania wypadku za wypadek w drodze do pracy lub z pracy **:"}, {}, {}},
        {"RODZAJWYP", 1, {"TAK/"}, {}, {}},
        {"RODZAJWYP", 2, {"TAK/"}, {}, {}},
        {"RODZAJWYP", 3, {}, {}, {}},
        {"UBEZPRODZ", 0, {"chorobowego**"}, {}, {}},
        {"UBEZPRODZ", 1, {"rentowego/"}, {}, {}},
        {"UBEZPRODZ", 2, {}, {}, {}},
    };
    set("MIEJSCEWYP", 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.column) + " " + c.value.toString().toStdString());
        set(c.column, c.value);
        const PagesPtr pages = print(kWhole);
        const QStringList texts = pages->texts();
        EXPECT_EQ(struckTexts(*pages), sorted(c.struck + kRouteZeroStruck));
        for (const QString& t : c.shown) EXPECT_TRUE(texts.contains(t)) << t.toStdString();
        for (const QString& t : c.hidden) EXPECT_FALSE(texts.contains(t)) << t.toStdString();
        set(c.column, QVariant());
    }
}

TEST_F(CommutingCardPrint, NumberFollowsTheYearSettingAndTheSymbol) {
    const std::vector<std::pair<int, QString>> years = {{0, "nr 7 / 2012 r."}, {1, "nr 7 / 2013 r."}, {2, "nr 7 / 2014 r."}};
    for (const auto& [rule, text] : years) {
        admSettings().rokSKWProtPow = rule;
        EXPECT_EQ(field("Nr"), text);
    }
    admSettings().rokSKWProtPow = 0;
    admSettings().symbolWyp = true;
    admSettings().separator = "-";
    EXPECT_EQ(field("Nr"), "nr 7-DR / 2012 r.");
    const PagesPtr pages = print(kWhole);
    EXPECT_EQ(pages->texts().count("nr 7-DR / 2012 r."), pages->pageCount() + 1);  // each header and the title
    // No date, or the zero date: year 0, and nothing printed for the date itself.
    admSettings().symbolWyp = false;
    set("DATA", QVariant());
    EXPECT_EQ(field("Nr"), "nr 7 / 0 r.");
    EXPECT_EQ(field("GodzWyp"), "");
    admSettings().rokSKWProtPow = 1;
    set("DATASP", at(1899, 12, 30));
    EXPECT_EQ(field("Nr"), "nr 7 / 0 r.");
    EXPECT_EQ(field("DataMiejsce"), "Modrzewo ");
    EXPECT_FALSE(print(kWhole)->texts().join('|').contains("1899"));
}

TEST_F(CommutingCardPrint, DerivedTextsOfTheOlderCard) {
    set("WYPRZ", 1);
    set("SKUTKI", 1);
    set("DOCHODZENIE", 0);
    set("RODZAJWYP", 2);
    set("MIEJSCEWYP", 12);
    EXPECT_EQ(field("GodzWyp"), "08:05");
    EXPECT_EQ(field("Adres"), "Polna 7 m. 3\n 63-741 Borowiec");
    EXPECT_EQ(field("PrzedsiebR"), "Zakład Łęczyca\nul. Długa 1");
    EXPECT_EQ(field("GodzZak"), "15:30");
    EXPECT_EQ(field("GodzRozp"), "");
    const PagesPtr pages = print({"TProtWDrodze1Form", "TProtWDrodze2Form"});
    ASSERT_EQ(pages->pageCount(), 2);
    expectInOrder(*pages, {"nr 7 / 2012 r.", "Zakład Łęczyca", "ul. Długa 1", "Józef Żółkiewski", "02.01.1980 Łęczyca",
                           "żonaty", "723103 Ślusarz", "Polna 7 m. 3", "04.03.2012", "08:05", "zakończył", "15:30",
                           "z miejsca zwykłego spożywania posiłków", "Potrącenie na przejściu.",
                           "Niezdolność do pracy od 05.03.2012 do 20.03.2012 nr statystyczny choroby - S52", "TAK",
                           "nie jest wypadkiem w drodze do pracy lub z pracy. Do wypadku przyczynił się w sposób istotny "
                           "sam pracownik będąc w stanie nietrzeźwym.",
                           "1). Anna Nowak Kutno", "Modrzewo 05.01.2013"});
    EXPECT_TRUE(struckTexts(*pages).isEmpty());
    expectInsideMargins(*pages);
    // Blank: the captions without the data.
    const PagesPtr blank = print({"TProtWDrodze1Form", "TProtWDrodze2Form"}, true);
    ASSERT_EQ(blank->pageCount(), 2);
    for (const char* data : {"nr 7 / 2012 r.", "Józef Żółkiewski", "zakończył", "Modrzewo 05.01.2013"})
        EXPECT_FALSE(blank->texts().contains(data)) << data;
    for (const char* caption : {"KARTA WYPADKU W DRODZE DO PRACY LUB Z PRACY", "9. Wypadek zdarzył się w drodze", "17. Załączniki:"})
        EXPECT_TRUE(blank->texts().contains(caption)) << caption;
}

TEST_F(CommutingCardPrint, The2002CardHasItsOwnMarksAndTheDirectionOfTheWay) {
    set("UBEZPRODZ", 0);
    const std::vector<std::pair<int, QStringList>> directions = {
        {0, {"do pracy", "z pracy*:"}}, {3, {"z pracy*:"}}, {9, {"do pracy"}}, {99, {"do pracy", "z pracy*:"}}};
    for (const auto& [route, struckPair] : directions) {
        SCOPED_TRACE(route);
        set("MIEJSCEWYP", route);
        const QStringList struck = struckTexts(*print("TProtWDrodzeNowyForm"));
        EXPECT_TRUE(struck.contains("chorobowego*"));
        for (const QString& t : {QStringLiteral("do pracy"), QStringLiteral("z pracy*:")})
            EXPECT_EQ(struck.contains(t), struckPair.contains(t)) << t.toStdString();
    }
    const PagesPtr pages = print("TProtWDrodzeNowyForm");
    expectInOrder(*pages, {"I. DANE IDENTYFIKACYJNE PŁATNIKA SKŁADEK", "2. PESEL", "NIP", "777-11-22-333",
                           "a) miał rozpocząć pracę o godz.", "b) zakończył pracę o godz.", "3. Wypadek zdarzył się*:",
                           "nie były*", "NIE*", "* Niepotrzebne skreślić", "**"});
    EXPECT_FALSE(pages->texts().contains("chorobowego**"));
    expectInsideMargins(*pages);
}

TEST_F(CommutingCardPrint, BlankFormsAndRepeatedPrintingsKeepNoState) {
    set("SKUTKI", 0);
    set("MIEJSCEWYP", 1);
    const PagesPtr filled = print(kWhole);
    DocumentReport* form = ReportForms::form(kWhole);
    Band& circumstances = form->find("PRZYCZYNY")->band();
    EXPECT_NEAR(circumstances.height, mm(45), 0.01);

    const PagesPtr blank = print(kWhole, true);
    EXPECT_FALSE(blank->texts().contains("Strona:"));
    EXPECT_FALSE(blank->texts().contains("Józef Żółkiewski"));
    EXPECT_FALSE(blank->texts().contains("nr 7 / 2012 r."));
    EXPECT_TRUE(blank->texts().contains("Karta wypadku"));
    EXPECT_TRUE(struckTexts(*blank).isEmpty());
    EXPECT_GT(blank->pageCount(), filled->pageCount());
    for (const char* column : {"PRZYCZYNY", "OPISDOCHODZENIA", "UZASADNIENIE", "PRZESZKODY"}) {
        EXPECT_NEAR(form->find(column)->band().height, mm(180), 0.01) << column;
        EXPECT_FALSE(form->find(column)->stretch) << column;
    }

    // Filled again: as before the blank one, bands back at their heights and growing.
    EXPECT_EQ(dump(*print(kWhole)), dump(*filled));
    EXPECT_NEAR(form->find("PRZYCZYNY")->band().height, mm(45), 0.01);
    EXPECT_NEAR(form->find("OPISDOCHODZENIA")->band().height, mm(41), 0.01);
    EXPECT_NEAR(form->find("UZASADNIENIE")->band().height, mm(18), 0.01);
    EXPECT_NEAR(form->find("PRZESZKODY")->band().height, mm(42), 0.01);
    EXPECT_TRUE(form->find("PRZYCZYNY")->stretch);
    // The circumstances start 45 mm high and grow with a long text.
    auto circumstancesRoom = [this]() {
        const PagesPtr pages = print(kWhole);
        const DrawItem* four = pages->page(1).findText("4. Szczegółowy opis okoliczności, miejsca i przyczyn wypadku:");
        const DrawItem* five = pages->page(1).findText("5. W sprawie wypadku");
        EXPECT_TRUE(four);
        return four && five ? five->origin.y() - four->origin.y() : 1e6;
    };
    EXPECT_GT(circumstancesRoom(), mm(45));
    EXPECT_LT(circumstancesRoom(), mm(45) + 25);
    set("PRZYCZYNY", QString("Długi opis okoliczności wypadku. ").repeated(100));
    EXPECT_GT(circumstancesRoom(), mm(70));

    // Other answers on the same form: nothing of the run before stays struck or hidden.
    set("SKUTKI", 1);
    set("MIEJSCEWYP", 0);
    const PagesPtr second = print(kWhole);
    EXPECT_EQ(struckTexts(*second),
              sorted({"Wypadek spowodował zgon", "w drodze z pracy do domu", "w drodze", "z", "do", "miejsca:",
                      "a) innego zatrudnienie lub innej działalności stanowiącej tytuł ubezpieczenia rentowego,",
                      "b) zwykłego wykonywania funkcji lub zadań zawodowych albo społecznych,",
                      "c) zwykłego spożywania posiłków,", "d) odbywania nauki lub studiów."}));
    EXPECT_TRUE(second->texts().contains("20.03.2012"));
    EXPECT_FALSE(second->texts().contains("w miejscu wypadku"));
}

TEST_F(CommutingCardPrint, FontSizeSettingAndTheChosenPages) {
    admSettings().dokWypFont = 2;
    const std::vector<std::pair<QString, QString>> forms = {
        {kWhole, "1. Imię i nazwisko poszkodowanego"},
        {"TProtWDrodzeNowy2012_1Form", "1. Imię i nazwisko poszkodowanego"},
        {"TProtWDrodze1Form", "2. Imię i nazwisko poszkodowanego:"}};
    for (const auto& [form, caption] : forms) {
        SCOPED_TRACE(form.toStdString());
        const PagesPtr pages = print(form);
        ASSERT_TRUE(pages->page(1).findText("Józef Żółkiewski"));
        EXPECT_EQ(pages->page(1).findText("Józef Żółkiewski")->font.size, 10);
        ASSERT_TRUE(pages->page(1).findText(caption));
        EXPECT_EQ(pages->page(1).findText(caption)->font.size, 8);
    }
    admSettings().dokWypFont = 0;
    EXPECT_EQ(print(kWhole)->page(1).findText("Józef Żółkiewski")->font.size, 8);

    // Pages of their own ("NIE" to unlimited fields): only page two when only it is ticked.
    admSettings().nowaKartaWypWDrodze = 2;
    admSettings().protPowWielostronicowy = false;
    const QStringList chosen = CommutingCardChoice::collect(admSettings(), {false, true, false});
    ASSERT_EQ(chosen, QStringList{"TProtWDrodzeNowy2012_2Form"});
    const PagesPtr two = print(chosen);
    ASSERT_EQ(two->pageCount(), 1);
    EXPECT_TRUE(two->texts().contains("III. INFORMACJE O WYPADKU"));
    EXPECT_TRUE(two->texts().contains("7. Świadkowie wypadku:"));
    EXPECT_FALSE(two->texts().contains("II. DANE IDENTYFIKACYJNE POSZKODOWANEGO"));
    EXPECT_FALSE(two->texts().contains("IV. POZOSTAŁE INFORMACJE"));
    // All three pages: one page each, inside the margins, the card's body on page one.
    const PagesPtr three = print({"TProtWDrodzeNowy2012_1Form", "TProtWDrodzeNowy2012_2Form", "TProtWDrodzeNowy2012_3Form"});
    ASSERT_EQ(three->pageCount(), 3);
    EXPECT_TRUE(three->page(1).findText("Urząd Gminy Modrzewo"));
    EXPECT_TRUE(three->page(3).findText("IV. POZOSTAŁE INFORMACJE"));
    expectInsideMargins(*three);
    exportPdf(three, QStringLiteral("karta-w-drodze-strony"));
}

} // namespace
