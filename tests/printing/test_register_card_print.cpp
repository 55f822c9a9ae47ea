// The accident register card, current and 1998 versions, printed from the report
// dataset of a real database.
#include "domain/ReportDatasets.h"
#include "printing/DocumentReport.h"
#include "printing/ReportForms.h"
#include "DocumentPageChecks.h"
#include "support/RegisterFixture.h"

using namespace zort;
using namespace zort::print;
using namespace zort::test;

namespace {

const QString kCurrent = QStringLiteral("TRejWypRep1Form_1");
const QString kOld = QStringLiteral("TRejWypRep1Form");

// The labels of every choice of the card, by version.
const QStringList kKinds = {"indywidualny", "zbiorowy,", "śmiertelny,", "ciężki,",
                            "powodujący czasową niezdolność do pracy"};
const QStringList kFindingCurrent = {"JEST", "NIE JEST", "wypadkiem przy pracy",
                                     "traktowany na równi z wypadkiem przy pracy"};
const QStringList kFindingOld = {"JEST", "NIE JEST", "wypadkiem przy pracy,",
                                 " wypadkiem zrównanym z wypadkiem przy pracy,",
                                 "wypadkiem przy wykonywaniu umowy agencyjnej lub umowy zlecenia,"};

class RegisterCardPrint : public RegisterTest {
protected:
    void SetUp() override {
        RegisterTest::SetUp();
        registerReportForms();
        ReportForms::reset();
        accident(1, 3, at(2024, 3, 4, 7, 5), at(2024, 3, 5), 1, 12);
        exec(QStringLiteral("UPDATE SKWWYPADKI SET SYMBOLWYP = 'BHP', MIEJSCEWYP = :m, WYPIZ = 0 WHERE ID = 1"),
             Params{{"m", QStringLiteral("Hala produkcyjna nr 2")}});
        exec(QStringLiteral(
                 "UPDATE SKWPOSZKODOWANI SET IMIE = 'Józef', NAZWISKO = 'Żółkiewski', DATAUR = :ur, "
                 "IMOJCA = 'Stanisław', SYNCORKA = 'Stanisława', PRZEDSIEB = 'Zakład Mechaniczny Łęczyca', "
                 "STRUKTSKROT = 'Wydział Obróbki', STANOWSKROT = 'ślusarz', NUMERPROT = 7, DATAPROT = :prot, "
                 "OKOLICZNOSCI = 'Pośliznął się na mokrej posadzce.', PRZYCZYNY = 'Rozlany olej.', "
                 "RODZURAZU = 'Złamanie ręki.', PROFILAKTYKA = 'Oznakować przejście.', SKUTKI = 3, "
                 "DNINIEZD = 14, DNINIEZDR = 0, NRPISMAZUS = 'ZUS/12/2024', DATAPISMAZUS = :p, "
                 "NRDECYZJIZUS = 'D-44', DATADECYZJIZUS = :d, PROCUSZCZZUS = 5, KWOTAZUS = 6587.5, "
                 "ODMOWAZUS = 'Brak.', TYPWYP = 0 WHERE ID = 11"),
             Params{{"ur", at(1980, 1, 2)}, {"prot", at(2024, 3, 12)}, {"p", at(2024, 4, 2)}, {"d", at(2024, 4, 20)}});
        admSettings().nowyProtPowypadkowy = 2;
    }
    void TearDown() override {
        ReportForms::reset();
        RegisterTest::TearDown();
    }

    void set(const QString& assignment, const QVariant& v = QVariant(), const QString& table = "SKWPOSZKODOWANI") {
        const QString key = table == QLatin1String("SKWWYPADKI") ? QStringLiteral("1") : QStringLiteral("11");
        if (v.isValid())
            exec(QStringLiteral("UPDATE %1 SET %2 WHERE ID = %3").arg(table, assignment, key), Params{{"v", v}});
        else
            exec(QStringLiteral("UPDATE %1 SET %2 WHERE ID = %3").arg(table, assignment, key));
    }

    PagesPtr print(const QString& form, bool blank = false) {
        reportds::openAll(*dm, 11, 1);
        DocumentReport* f = ReportForms::form(form);
        EXPECT_TRUE(f);
        f->setRun(DocumentRun{dm.get(), admSettings(), blank});
        return f->prepare();
    }
};

TEST_F(RegisterCardPrint, CurrentCardPrintsItsItemsInOrderWithFormattedValues) {
    admSettings().symbolWyp = true;
    admSettings().separator = QStringLiteral("-");
    const PagesPtr pages = print(kCurrent);
    ASSERT_EQ(1, pages->pageCount());
    const QStringList expected = {
        "Strona:", "1", "KARTA REJESTRACJI WYPADKU", "1.Poszkodowany", "Józef", "Żółkiewski", "ur.", "02.01.1980",
        "imię ojca", "Stanisław", "2. Zatrudniony w", "Zakład Mechaniczny Łęczyca", "Wydział Obróbki", "stanowisko",
        "ślusarz", "3. Miejsce", "wypadku:", "Hala produkcyjna nr 2", "4. Data wypadku:", "04.03.2024", " r.  godz.",
        "07:05", "5. Rodzaj wypadku:", "indywidualny", "-", "zbiorowy,", "śmiertelny,", "ciężki,",
        "powodujący czasową niezdolność do pracy", "6. Numer protokołu:", "7/2024-BHP", "Data sporządzenia",
        "12.03.2024", "7. Numer SKW:", "12/2024-BHP",
        "8.    Ustalono następujące okoliczności wypadku:", "Pośliznął się na mokrej posadzce.",
        "9.    Ustalono następujące przyczyny wypadku:", "Rozlany olej.",
        "10.    Stwierdza się, że powyższy wypadek:", "JEST", "NIE JEST", "wypadkiem przy pracy",
        "traktowany na równi z wypadkiem przy pracy", "11.    Skutki wypadku (miejsce i rodzaj urazu):",
        "Złamanie ręki.", "12.    Wnioski i zalecenia profilaktyczne zespołu powypadkowego:", "Oznakować przejście.",
        "13.    Liczba dni niezdolności do pracy:", "14", "14.    Przekazanie wniosku ZUS", "- Numer pisma",
        "ZUS/12/2024", "- Data", "02.04.2024", "- Numer decyzji ZUS", "D-44", "- Data", "20.04.2024",
        "- % uszczerbku", "na zdrowiu", "5.00", "- Kwota", "6587.50",
        "15.    Przyczyny odmowy odszkodowania przez ZUS", "Brak."};
    EXPECT_EQ(expected, pages->page(1).texts()) << pages->page(1).texts().join("|").toStdString();
    // A text keeps its blanks on the form (the page does not draw trailing ones).
    EXPECT_TRUE(ReportForms::form(kCurrent)->find("14.    Przekazanie wniosku ZUS "));
    // The father's name stands in its box.
    const Page& p = pages->page(1);
    const DrawItem* father = p.findText("Stanisław");
    bool boxed = false;
    for (const DrawItem& i : p.items)
        if (i.kind == DrawItem::Kind::Rect && i.rect.contains(father->origin)) boxed = true;
    EXPECT_TRUE(boxed);

    // Under the 2019 regulation: no father's name, label or box.
    admSettings().nowyProtPowypadkowy = 3;
    admSettings().symbolWyp = false;
    const Page& p3 = print(kCurrent)->page(1);
    EXPECT_FALSE(p3.findText("imię ojca"));
    EXPECT_FALSE(p3.findText("Stanisław"));
    for (const DrawItem& i : p3.items) EXPECT_NE(DrawItem::Kind::Rect, i.kind);
    EXPECT_TRUE(p3.findText("7/2024"));
    EXPECT_TRUE(p3.findText("12/2024"));
}

TEST_F(RegisterCardPrint, OldCardNamesItsOwnItemsOnOneFixedPage) {
    admSettings().nowyProtPowypadkowy = 0;
    set("DNINIEZDR = 30");
    const PagesPtr pages = print(kOld);
    ASSERT_EQ(1, pages->pageCount());
    const QStringList expected = {
        "KARTA REJESTRACJI WYPADKU", "1.Poszkodowany", "Józef", "Żółkiewski", "ur.", "02.01.1980", "syn / córka",
        "Stanisława", "2. Zatrudniony w", "Zakład Mechaniczny Łęczyca", "3. Miejsce", "zdarzenia:", "Wydział Obróbki",
        "stanowisko", "ślusarz", "4. Data wypadku:", "04.03.2024", " r.  godz.", "07:05", "5. Rodzaj wypadku:",
        "indywidualny", "-", "zbiorowy,", "śmiertelny,", "ciężki,", "powodujący czasową niezdolność do pracy",
        "6. Numer protokołu:", "7/2024", "Data sporządzenia", "12.03.2024", "7. Numer SKW:", "12/2024",
        "8.    Ustalono następujące okoliczności i przyczyny wypadku:", "Rozlany olej.",
        "9.    Stwierdza się, że powyższy wypadek:", "JEST", "NIE JEST", "wypadkiem przy pracy,",
        " wypadkiem zrównanym z wypadkiem przy pracy,",
        "wypadkiem przy wykonywaniu umowy agencyjnej lub umowy zlecenia,",
        "10.    Skutki wypadku (miejsce i rodzaj urazu):", "Złamanie ręki.", "11. Przekazanie wniosku ZUS",
        "- Numer pisma", "ZUS/12/2024", "- Data", "02.04.2024", "- Numer decyzji ZUS", "D-44", "- Data",
        "20.04.2024", "- % uszczerbku", "na zdrowiu", "5.00", "- Kwota", "6587.50",
        "12. Przyczyny odmowy odszkodowania przez ZUS", "Brak."};
    EXPECT_EQ(expected, pages->page(1).texts()) << pages->page(1).texts().join("|").toStdString();

    // A long text stays in its fixed space; the settings of the current card do not apply.
    QStringList lines;
    for (int i = 1; i <= 80; ++i) lines << QStringLiteral("Wiersz %1 przyczyn").arg(i);
    set("PRZYCZYNY = :v", lines.join("\r\n"));
    admSettings().dokWypFont = 2;
    admSettings().nowyProtPowypadkowy = 3;
    const PagesPtr longer = print(kOld);
    ASSERT_EQ(1, longer->pageCount());
    const Page& p = longer->page(1);
    EXPECT_TRUE(p.findText("Wiersz 1 przyczyn"));
    EXPECT_FALSE(p.findText("Wiersz 80 przyczyn"));
    EXPECT_TRUE(p.findText("12. Przyczyny odmowy odszkodowania przez ZUS"));
    EXPECT_DOUBLE_EQ(9, p.findText("Józef")->font.size);
    EXPECT_TRUE(p.findText("Stanisława"));
}

TEST_F(RegisterCardPrint, EveryValueStrikesItsAlternativesExactlyOverTheirWords) {
    // WYPIZ and SKUTKI of each case; 2 and 0 strike none of theirs.
    struct Case {
        int wypiz;
        int skutki;
        QStringList struck;
    };
    const std::vector<Case> kinds = {
        {0, 0, {"zbiorowy,"}},
        {1, 0, {"indywidualny"}},
        {2, 0, {}},
        {2, 1, {"ciężki,", "powodujący czasową niezdolność do pracy"}},
        {2, 2, {"śmiertelny,", "powodujący czasową niezdolność do pracy"}},
        {2, 3, {"śmiertelny,", "ciężki,"}},
        {2, 4, {}},
        {1, 2, {"indywidualny", "śmiertelny,", "powodujący czasową niezdolność do pracy"}},
    };
    for (const QString& form : {kCurrent, kOld}) {
        for (const Case& c : kinds) {
            set(QStringLiteral("WYPIZ = %1").arg(c.wypiz), QVariant(), "SKWWYPADKI");
            set(QStringLiteral("SKUTKI = %1").arg(c.skutki));
            EXPECT_EQ(setOf(c.struck), struck(print(form)->page(1), kKinds))
                << form.toStdString() << " WYPIZ " << c.wypiz << " SKUTKI " << c.skutki;
        }
    }

    const std::vector<std::pair<int, QStringList>> current = {
        {0, {"NIE JEST", "traktowany na równi z wypadkiem przy pracy"}},
        {1, {"NIE JEST", "wypadkiem przy pracy"}},
        {2, {"JEST", "traktowany na równi z wypadkiem przy pracy"}},
        {3, {"JEST", "wypadkiem przy pracy"}},
        {4, {}},
        {5, {}}};
    const QString equalOld = " wypadkiem zrównanym z wypadkiem przy pracy,";
    const QString agency = "wypadkiem przy wykonywaniu umowy agencyjnej lub umowy zlecenia,";
    const std::vector<std::pair<int, QStringList>> old = {
        {0, {"NIE JEST", equalOld, agency}},
        {1, {"NIE JEST", "wypadkiem przy pracy,", agency}},
        {2, {"JEST", equalOld, agency}},
        {3, {"JEST", "wypadkiem przy pracy,", agency}},
        {4, {"NIE JEST", "wypadkiem przy pracy,", equalOld}},
        {5, {"JEST", "wypadkiem przy pracy,", equalOld}},
        {6, {}}};
    for (const auto& [value, labels] : current) {
        set(QStringLiteral("TYPWYP = %1").arg(value));
        EXPECT_EQ(setOf(labels), struck(print(kCurrent)->page(1), kFindingCurrent)) << "TYPWYP " << value;
    }
    for (const auto& [value, labels] : old) {
        set(QStringLiteral("TYPWYP = %1").arg(value));
        EXPECT_EQ(setOf(labels), struck(print(kOld)->page(1), kFindingOld)) << "old TYPWYP " << value;
    }
}

TEST_F(RegisterCardPrint, AccidentWithoutDateAndNumbersWithAndWithoutSymbol) {
    set("DATA = NULL", QVariant(), "SKWWYPADKI");
    const Page& p = print(kCurrent)->page(1);
    // A single blank as the time (nothing to see), no date, and the year 0 of the
    // empty accident date.
    EXPECT_EQ(QStringLiteral(" "), dm->dataset("ZestWyp4SQL")->field("GodzWyp").asString());
    const QStringList t = p.texts();
    const int hour = t.indexOf(" r.  godz.");
    ASSERT_GE(hour, 1);
    EXPECT_EQ(QStringLiteral("4. Data wypadku:"), t.at(hour - 1));
    EXPECT_EQ(QStringLiteral("5. Rodzaj wypadku:"), t.at(hour + 1));
    EXPECT_TRUE(p.findText("7/0"));
    EXPECT_TRUE(p.findText("12/0"));

    // With the symbol, nothing stands between the year, the separator and the symbol.
    admSettings().symbolWyp = true;
    admSettings().separator = QStringLiteral("/");
    admSettings().rokSKWProtPow = 1;  // the document's own date
    set("DATAWYPSKW = :v", at(2023, 12, 30));
    const Page& q = print(kOld)->page(1);
    EXPECT_TRUE(q.findText("7/2024/BHP"));
    EXPECT_TRUE(q.findText("12/2023/BHP"));
}

TEST_F(RegisterCardPrint, BlankCardHasNoDataHeaderOrStrikesAndFixedSpaceForHandwriting) {
    set("TYPWYP = 1");
    set("SKUTKI = 1");
    DocumentReport* form = ReportForms::form(kCurrent);
    // The same form object: blank, then filled, then blank again.
    for (int round = 0; round < 3; ++round) {
        const bool blank = round != 1;
        const PagesPtr pages = print(kCurrent, blank);
        ASSERT_EQ(1, pages->pageCount());
        const Page& p = pages->page(1);
        const QStringList all = kKinds + kFindingCurrent;
        if (!blank) {
            for (const auto& [column, height] : {std::pair{"OKOLICZNOSCI", 38}, {"PRZYCZYNY", 38}, {"RODZURAZU", 41},
                                                 {"ODMOWAZUS", 42}})
                EXPECT_EQ(height, form->find(column)->band().height) << column;
            EXPECT_TRUE(p.findText("Strona:"));
            EXPECT_TRUE(p.findText("Józef"));
            EXPECT_EQ(5, struck(p, all).size());
            continue;
        }
        EXPECT_FALSE(p.findText("Strona:"));
        for (const char* data : {"Józef", "Żółkiewski", "02.01.1980", "Stanisław", "Rozlany olej.", "5.00", "07:05"})
            EXPECT_FALSE(p.findText(QString::fromUtf8(data))) << data;
        EXPECT_TRUE(struck(p, all).isEmpty());
        EXPECT_TRUE(p.findText("imię ojca"));
        auto top = [&](const char* heading) { return p.findText(QString::fromUtf8(heading))->origin.y(); };
        EXPECT_NEAR(162, top("9.    Ustalono następujące przyczyny wypadku:") -
                             top("8.    Ustalono następujące okoliczności wypadku:"), 0.01);
        EXPECT_NEAR(162, top("10.    Stwierdza się, że powyższy wypadek:") -
                             top("9.    Ustalono następujące przyczyny wypadku:"), 0.01);
        EXPECT_NEAR(86, top("12.    Wnioski i zalecenia profilaktyczne zespołu powypadkowego:") -
                            top("11.    Skutki wypadku (miejsce i rodzaj urazu):"), 0.01);
        for (const auto& [column, height] : {std::pair{"OKOLICZNOSCI", 162}, {"PRZYCZYNY", 162}, {"RODZURAZU", 86},
                                             {"ODMOWAZUS", 180}})
            EXPECT_EQ(height, form->find(column)->band().height) << column;
        // The last section keeps its 180 to the foot of the page.
        EXPECT_LE(top("15.    Przyczyny odmowy odszkodowania przez ZUS") + 180,
                  p.size().height() - mm(10) + ReferenceDevice::ascent(FontSpec("Arial", 9)) + 0.01);
    }

    // The old card prints blank without data and strikes as well.
    const Page& old = print(kOld, true)->page(1);
    EXPECT_FALSE(old.findText("Józef"));
    EXPECT_FALSE(old.findText("Stanisława"));
    EXPECT_TRUE(struck(old, kKinds + kFindingOld).isEmpty());
    EXPECT_TRUE(old.findText("syn / córka"));
}

TEST_F(RegisterCardPrint, LongCircumstancesFlowOverPagesWithTheHeaderRepeating) {
    QStringList lines;
    for (int i = 1; i <= 160; ++i) lines << QStringLiteral("Okoliczność numer %1 ustalona przez zespół").arg(i);
    set("OKOLICZNOSCI = :v", lines.join("\r\n"));
    const PagesPtr pages = print(kCurrent);
    ASSERT_GE(pages->pageCount(), 3);
    QStringList printed;
    for (const Page& p : pages->pages()) {
        const QStringList t = p.texts();
        EXPECT_EQ((QStringList{"Strona:", QString::number(p.number)}), t.mid(0, 2));
        for (const QString& s : t)
            if (s.startsWith("Okoliczność numer")) printed << s;
    }
    EXPECT_EQ(lines, printed);
    // The causes follow the last line of the circumstances.
    const Page& last = pages->page(pages->pageCount());
    ASSERT_TRUE(last.findText("9.    Ustalono następujące przyczyny wypadku:"));
    EXPECT_GT(last.findText("9.    Ustalono następujące przyczyny wypadku:")->origin.y(),
              last.findText(lines.last())->origin.y());
    EXPECT_TRUE(last.findText("15.    Przyczyny odmowy odszkodowania przez ZUS"));
}

TEST_F(RegisterCardPrint, FontSizeSettingSizesTheDataOfTheCurrentCardOnly) {
    admSettings().dokWypFont = 2;
    const Page& p = print(kCurrent)->page(1);
    for (const char* data : {"Józef", "02.01.1980", "7/2024", "Rozlany olej.", "6587.50"})
        EXPECT_DOUBLE_EQ(10, p.findText(QString::fromUtf8(data))->font.size) << data;
    for (const char* label : {"1.Poszkodowany", "9.    Ustalono następujące przyczyny wypadku:", "JEST", "Strona:"})
        EXPECT_DOUBLE_EQ(9, p.findText(QString::fromUtf8(label))->font.size) << label;
    admSettings().dokWypFont = 0;
    EXPECT_DOUBLE_EQ(8, print(kCurrent)->page(1).findText("Józef")->font.size);
}

// Writes both cards, filled with a text of several pages and blank, as PDF files
// (into ZORT_LOOK_DIR when it is set, to be looked at).
TEST_F(RegisterCardPrint, CardsExportToPdf) {
    QStringList lines;
    for (int i = 1; i <= 70; ++i)
        lines << QStringLiteral("%1. Pracownik przenosił elementy konstrukcji stalowej po posadzce hali, "
                                "gdy pośliznął się na rozlanym oleju i upadł na prawą rękę.").arg(i);
    set("OKOLICZNOSCI = :v", lines.join("\r\n"));
    set("SKUTKI = 2");
    for (const QString& form : {kCurrent, kOld}) {
        for (bool blank : {false, true}) {
            const PagesPtr pages = print(form, blank);
            if (form == kCurrent && !blank)
                EXPECT_GE(pages->pageCount(), 2);
            else
                EXPECT_EQ(1, pages->pageCount()) << form.toStdString();
            expectInsideMargins(*pages);
            EXPECT_TRUE(QFile::exists(exportPdf(pages, form + (blank ? "_blank" : ""))));
        }
    }
}

} // namespace
