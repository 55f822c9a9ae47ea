// The protocol pages of the 1998 and 2003 forms, printed from the report datasets of
// a real database.
#include "domain/ReportDatasets.h"
#include "printing/DocumentReport.h"
#include "printing/ReportForms.h"
#include "DocumentPageChecks.h"
#include "support/RegisterFixture.h"

using namespace zort;
using namespace zort::print;
using namespace zort::test;

namespace {

const QStringList kFinding1998 = {"JEST", "NIE JEST", "wypadkiem przy pracy,",
                                  " wypadkiem zrównanym z wypadkiem przy pracy,",
                                  "wypadkiem przy wykonywaniu umowy agencyjnej lub umowy zlecenia,"};

class OldProtocolPrint : public RegisterTest {
protected:
    void SetUp() override {
        RegisterTest::SetUp();
        registerReportForms();
        ReportForms::reset();
        accident(1, 3, at(2024, 3, 4, 7, 5), at(2024, 3, 5), 1, 12);
        exec(QStringLiteral("UPDATE SKWPOSZKODOWANI SET IMIE = 'Józef', NAZWISKO = 'Żółkiewski', DATAUR = :ur, "
                            "SYNCORKA = 'Stanisława', IMOJCA = 'Stanisław', PRZEDSIEB = 'Zakład Mechaniczny Łęczyca', "
                            "IMNAZWA = 'Anna Nowak', FUNKCJAA = 'specjalista BHP', NUMERPROT = 7, DATAPROT = :prot, "
                            "OKOLICZNOSCI = 'Pośliznął się na mokrej posadzce.', PRZYCZYNY = 'Rozlany olej.', "
                            "RODZURAZU = 'Złamanie ręki.', UZASADN = 'Wypadek w czasie pracy.', "
                            "ZALACZNIKI = 'Szkic miejsca wypadku.', SADPRACY = 'Łodzi', SKUTKI = 3, TYPWYP = 0, "
                            "ZAPOZNANY = 1, DORECZENIE = 2 WHERE ID = 11"),
             Params{{"ur", at(1980, 1, 2)}, {"prot", at(2024, 3, 12)}});
    }
    void TearDown() override {
        ReportForms::reset();
        RegisterTest::TearDown();
    }

    // The pages of a form, printed as one printout.
    PagesPtr print(const QStringList& forms, bool blank = false) {
        reportds::openAll(*dm, 11, 1);
        return printForms(dm.get(), forms, blank);
    }

};

TEST_F(OldProtocolPrint, Form1998PrintsItsSeventeenPointsOnTwoPages) {
    const PagesPtr pages = print({"TProtPowRep1Form", "TProtPowRep2Form"});
    ASSERT_EQ(2, pages->pageCount());
    expectInOrder(*pages, {"Protokół Nr", "7", "/", "2024", "r.", "ustalenia okoliczności i przyczyn wypadku przy pracy",
                           "1. Zespół powypadkowy w składzie:", "Anna Nowak", "specjalista BHP", "Józef Żółkiewski",
                           "syn (córka)", "Stanisława", "Zakład Mechaniczny Łęczyca", "2. Wypadek zgłosił(a):",
                           "3. Rodzaj wypadku:", "4. Ustalono następujące okoliczności i przyczyny wypadku:",
                           "Rozlany olej.", "5. Skutki wypadku (miejsce i rodzaj urazu):", "Złamanie ręki.",
                           "6. Stwierdza się, że wypadek", "JEST", "NIE JEST", "wypadkiem przy pracy,",
                           " wypadkiem zrównanym z wypadkiem przy pracy,",
                           "wypadkiem przy wykonywaniu umowy agencyjnej lub umowy zlecenia,",
                           "co uzasadnia się następująco :", "Wypadek w czasie pracy.",
                           "10. Wnioski i środki profilaktyczne:", "12. Podpisy członków zespołu powypadkowego:",
                           "13.   Protokół sporządzono w dniu :", "12.03.2024", "15.   Protokół zatwierdzono w dniu :",
                           "16. Potwierdzenie odbioru protokołu:", "17.   Wykaz załączników:",
                           "Szkic miejsca wypadku.", "POUCZENIE", "Łodzi"});
    EXPECT_FALSE(pages->page(1).findText("POUCZENIE"));
    EXPECT_TRUE(pages->page(2).findText("17.   Wykaz załączników:"));
    // No circumstances of their own, no father's name on this form.
    EXPECT_FALSE(pages->page(1).findText("Pośliznął się na mokrej posadzce."));
    EXPECT_FALSE(pages->page(1).findText("Stanisław"));
    expectInsideMargins(*pages);
}

TEST_F(OldProtocolPrint, Form2003PrintsItsSixteenPointsOnTwoPages) {
    const PagesPtr pages = print({"TProtPowRep1Form_1", "TProtPowRep2Form_1"});
    ASSERT_EQ(2, pages->pageCount());
    expectInOrder(*pages, {"pieczątka pracodawcy", "Protokół Nr", "1.    Poszkodowany pracownik jest zatrudniony:",
                           "Zakład Mechaniczny Łęczyca", "REGON", "2.    Zespół powypadkowy w składzie:", "Anna Nowak",
                           "Józef Żółkiewski", "Stanisław", "imię ojca", "3.    Wypadek zgłosił(a)",
                           "4.    Ustalono następujące okoliczności wypadku:", "Pośliznął się na mokrej posadzce.",
                           "5.    Ustalono następujące przyczyny wypadku:", "Rozlany olej.",
                           "6.    Skutki wypadku dla poszkodowanego", "Złamanie ręki.",
                           "7.    Stwierdza się, że powyższy wypadek:", "8.    Rodzaj wypadku:",
                           "9.   Wnioski i środki profilaktyczne:", "11.   Protokół sporządzono dnia:",
                           "Poszkodowanego", "członka rodziny", "14.   Protokół zatwierdzono dnia:",
                           "15.   Potwierdzenie odbioru protokołu :", "16.   Wykaz załączników:", "POUCZENIE", "Łodzi"});
    EXPECT_TRUE(pages->page(1).findText("5.    Ustalono następujące przyczyny wypadku:"));
    EXPECT_TRUE(pages->page(2).findText("6.    Skutki wypadku dla poszkodowanego"));
    // The instruction of this form has its third paragraph.
    bool third = false;
    for (const QString& t : pages->page(2).texts()) third = third || t.startsWith("III.");
    EXPECT_TRUE(third);
    // Marks of items 13 and 15.
    const Page& p2 = pages->page(2);
    EXPECT_EQ((QSet<QString>{"członka rodziny", "doręczenia"}),
              struck(p2, {"Poszkodowanego", "członka rodziny", "doręczenia", "przesłania"}));
    expectInsideMargins(*pages);
}

TEST_F(OldProtocolPrint, Form1998StrikesTheAgencyContractFindings) {
    const std::vector<std::pair<int, QStringList>> cases = {
        {0, {"NIE JEST", " wypadkiem zrównanym z wypadkiem przy pracy,",
             "wypadkiem przy wykonywaniu umowy agencyjnej lub umowy zlecenia,"}},
        {4, {"NIE JEST", "wypadkiem przy pracy,", " wypadkiem zrównanym z wypadkiem przy pracy,"}},
        {5, {"JEST", "wypadkiem przy pracy,", " wypadkiem zrównanym z wypadkiem przy pracy,"}},
        {6, {}}};
    for (const auto& [value, labels] : cases) {
        exec(QStringLiteral("UPDATE SKWPOSZKODOWANI SET TYPWYP = :v WHERE ID = 11"), Params{{"v", value}});
        EXPECT_EQ(setOf(labels), struck(print({"TProtPowRep1Form"})->page(1), kFinding1998)) << "TYPWYP " << value;
    }
    // The 2003 form knows no such values.
    exec(QStringLiteral("UPDATE SKWPOSZKODOWANI SET TYPWYP = 4 WHERE ID = 11"));
    EXPECT_TRUE(struck(print({"TProtPowRep2Form_1"})->page(1),
                       {"JEST", "NIE JEST", "wypadkiem przy pracy,", "traktowany na równi z wypadkiem przy pracy"})
                    .isEmpty());
}

TEST_F(OldProtocolPrint, BlankPagesHaveTheFormsTextsWithoutDataOrMarks) {
    for (const QStringList& forms : {QStringList{"TProtPowRep1Form", "TProtPowRep2Form"},
                                     QStringList{"TProtPowRep1Form_1", "TProtPowRep2Form_1"}}) {
        // The same forms blank after a filled printout.
        print(forms);
        const PagesPtr pages = print(forms, true);
        ASSERT_EQ(2, pages->pageCount());
        const QStringList texts = pages->texts();
        for (const char* data : {"Józef Żółkiewski", "Rozlany olej.", "Łodzi", "12.03.2024", "Anna Nowak", "2024"})
            EXPECT_FALSE(texts.contains(QString::fromUtf8(data))) << data;
        EXPECT_TRUE(texts.contains("POUCZENIE"));
        EXPECT_TRUE(texts.contains("Protokół Nr"));
        for (const Page& p : pages->pages())
            EXPECT_TRUE(struck(p, kFinding1998 + QStringList{"indywidualny", "zbiorowy", "śmiertelny", "ciężki",
                                                             "Poszkodowanego", "członka rodziny", "doręczenia",
                                                             "przesłania"})
                            .isEmpty());
    }
}

// Writes the pages of both forms, filled and blank, as PDF files (into ZORT_LOOK_DIR
// when it is set, to be looked at).
TEST_F(OldProtocolPrint, PagesExportToPdf) {
    QStringList lines;
    for (int i = 1; i <= 30; ++i) lines << QStringLiteral("%1. Zespół ustalił przebieg zdarzenia na podstawie wyjaśnień.").arg(i);
    // Every free text longer than its box: each box ends inside the page.
    for (const char* column : {"OKOLICZNOSCI", "PRZYCZYNY", "UCHYBIENIA", "DOWUCHYB", "DOWPIJ", "RODZURAZU", "UZASADN",
                               "PROFILAKTYKA", "PRZESZKODY", "ZALACZNIKI"})
        exec(QStringLiteral("UPDATE SKWPOSZKODOWANI SET %1 = :v WHERE ID = 11").arg(QLatin1String(column)),
             Params{{"v", lines.join("\r\n")}});
    const std::vector<std::pair<QString, QStringList>> forms = {
        {"Prot1998", {"TProtPowRep1Form", "TProtPowRep2Form"}}, {"Prot2003", {"TProtPowRep1Form_1", "TProtPowRep2Form_1"}}};
    for (const auto& [name, pagesOf] : forms) {
        for (bool blank : {false, true}) {
            const PagesPtr pages = print(pagesOf, blank);
            ASSERT_EQ(2, pages->pageCount());
            expectInsideMargins(*pages);
            EXPECT_TRUE(QFile::exists(exportPdf(pages, name + (blank ? "_blank" : ""))));
        }
    }
}

} // namespace
