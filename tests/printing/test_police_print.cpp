// The printouts of the accidents in service: the police protocol and the record card
// of an officer, and the register of accidents in service, filled from officers
// written into a real database and checked on their pages.
#include "DocumentPageChecks.h"
#include "db/Dataset.h"
#include "domain/PoliceReportDatasets.h"
#include "printing/PrintForms.h"
#include "printing/ProtocolPrintLayout.h"
#include "printing/ReportForms.h"
#include "support/RegisterFixture.h"

namespace zort::test {
namespace {

using namespace zort::print;

const QString kProtocol = QStringLiteral("TRepProt_Policja");
const QString kCard = QStringLiteral("TRepEKW1_Policja");
const QString kRegister = QStringLiteral("TfrmZestWyp_Policja");

// The texts of the pages with a strike line over them (trimmed), sorted.
QStringList struckTexts(const ReportPages& pages) {
    QStringList out;
    for (const Page& p : pages.pages())
        for (const DrawItem& t : p.items) {
            if (t.kind != DrawItem::Kind::Text) continue;
            const double ascent = ReferenceDevice::ascent(t.font);
            for (const DrawItem& l : p.items) {
                if (l.kind != DrawItem::Kind::Line || std::abs(l.rect.height()) > 0.01 || l.rect.width() <= 0) continue;
                if (l.rect.top() > t.origin.y() - ascent && l.rect.top() < t.origin.y() &&
                    std::abs(l.rect.left() - t.origin.x()) < 0.5) {
                    // As wide as the words (a trailing blank of an alternative may count).
                    EXPECT_NEAR(l.rect.width(), ReferenceDevice::textWidth(t.font, t.text.trimmed()),
                                ReferenceDevice::textWidth(t.font, QStringLiteral(" ")) + 0.5)
                        << t.text.toStdString();
                    out << t.text.trimmed();
                    break;
                }
            }
        }
    out.sort();
    return out;
}

QStringList sorted(QStringList l) {
    for (QString& s : l) s = s.trimmed();
    l.sort();
    return l;
}

QString lines(const QString& what, int n) {
    QStringList l;
    for (int i = 1; i <= n; ++i) l << QStringLiteral("%1 %2 wiersz tekstu").arg(what).arg(i);
    return l.join(QStringLiteral("\r\n"));
}

class PoliceDocumentsTest : public RegisterTest {
protected:
    void SetUp() override {
        RegisterTest::SetUp();
        registerReportForms();
        ReportForms::reset();
        accident(5, 7, at(2024, 3, 4, 6, 5));
        officer(51, 5, 1, QStringLiteral("Kosiński"));
    }
    void TearDown() override {
        ReportForms::reset();
        RegisterTest::TearDown();
    }
    void accident(int id, int number, const QDateTime& when) {
        exec(QStringLiteral("INSERT INTO WYPOPER_WYPADKI (ID, NUMER, SYMBOLWYP, DATA, DATAREJWYP, POSZKODOWANI, WYPIZ) "
                            "VALUES (:id, :n, 'KP', :d, :d, 1, 0)"),
             Params{{"id", id}, {"n", number}, {"d", when}});
    }
    void officer(int id, int accidentId, int number, const QString& surname) {
        exec(QStringLiteral("INSERT INTO WYPOPER_POSZKODOWANI (ID, IDWYPADKU, NRPOSZK, NUMERPROT, STOPSL, IMIE, NAZWISKO, "
                            "NAZWAJEDN, PKTUSTAWY, DATAPROT, DATAZATWZW, DATAZATWDOD, DATAUR, STAZ, PRZYCZYNY, SKUTKI) VALUES "
                            "(:id, :a, :n, :n, 'aspirant', 'Jan', :s, 'KPP Łask', '5', :p, :z, :zd, :u, 11, :pr, :sk)"),
             Params{{"id", id}, {"a", accidentId}, {"n", number}, {"s", surname}, {"p", at(2024, 5, 16)},
                    {"z", at(2024, 5, 17)}, {"zd", at(2024, 5, 18)}, {"u", at(1980, 6, 1)},
                    {"pr", QStringLiteral("Upadek na schodach.")}, {"sk", QStringLiteral("Złamanie ręki.")}});
    }
    void set(const QString& assignment, int id = 51) {
        exec(QStringLiteral("UPDATE WYPOPER_POSZKODOWANI SET %1 WHERE ID = %2").arg(assignment).arg(id));
    }
    DocumentReport& form(const QString& name) {
        DocumentReport* f = ReportForms::form(name);
        EXPECT_TRUE(f) << name.toStdString();
        return *f;
    }
    PagesPtr print(const QString& name, int officerId = 51, bool blank = false) {
        if (name == kRegister) reportds::openPoliceRegister(*dm, 2024);
        else reportds::openPoliceOfficer(*dm, officerId);
        return printWith(form(name), blank);
    }
    PagesPtr printWith(DocumentReport& f, bool blank) {
        DocumentRun run;
        run.dm = dm.get();
        run.settings = admSettings();
        run.blank = blank;
        f.setRun(run);
        return f.prepare();
    }
    double bandHeight(const QString& name, const QString& element) {
        Element* e = form(name).find(element);
        EXPECT_TRUE(e) << element.toStdString();
        return e ? e->band().height : -1;
    }
};

TEST_F(PoliceDocumentsTest, FormsAreRegisteredAsDocumentsOfAnOfficerAndOfAYear) {
    EXPECT_EQ(ReportForms::record(kProtocol), ReportForms::Record::Officer);
    EXPECT_EQ(ReportForms::record(kCard), ReportForms::Record::Officer);
    EXPECT_EQ(ReportForms::record(kRegister), ReportForms::Record::RegisterYear);
    EXPECT_EQ(form(kProtocol).kindCode(), "WypProtPowPol");
    EXPECT_EQ(form(kCard).kindCode(), "WypEKWPol");
    EXPECT_EQ(form(kRegister).kindCode(), "WypRejWypPol");
    EXPECT_EQ(form(kProtocol).datasets(), QStringList{"qryRepProt_Policja"});
    EXPECT_EQ(form(kCard).datasets(), QStringList{"qryRepEKW_Policja"});
    EXPECT_EQ(form(kRegister).datasets(), QStringList{"qryRejestr_Policja"});
}

TEST_F(PoliceDocumentsTest, ProtocolMarksStrikeExactlyTheirAlternatives) {
    const QStringList point1{"1) powyższy wypadek nastąpił podczas", "wykonywania/", "w związku z wykonywaniem*",
                             "obowiązków służbowych", "lub czynności określonych w art. 2 ust. 1 pkt", "5", "ustawy;"};
    const QStringList family{"członka rodziny poszkodowanego*", "członka rodziny poszkodowanego*",
                             "członka rodziny poszkodowanego)*", "członka rodziny poszkodowanego*"};
    const QStringList injured{"Poszkodowanego/", "poszkodowanego/", "poszkodowanego/", "poszkodowanego/"};
    const QStringList narcotics{"środków odurzających, substancji", "psychotropowych lub innych o podobnym działaniu*,",
                                "użycie środków odurzających, substancji psychotropowych lub innych o podobnym działaniu*"};
    const std::vector<std::tuple<QString, QString, QStringList>> cases{
        {"SKUTEKSM", "1", {"zmarł*"}},
        {"SKUTEKSM", "2", {"poniósł śmierć bezpośrednio/"}},
        {"TYPWYP", "0", {"nie jest*"}},
        {"TYPWYP", "1", {"jest/"}},
        {"WYKONYWANIEOBSL", "1", {"w związku z wykonywaniem*"}},
        {"WYKONYWANIEOBSL", "2", {"wykonywania/"}},
        {"OKOLICZNOSCI", "1", {"2)", "powyższy wypadek nastąpił w okolicznościach innych niż określone w art. 2 ust. 1 ustawy;"}},
        {"OKOLICZNOSCI", "2", point1},
        {"WYLPRZYCZYNA", "1", {"rażąco niedbałe*", "zaniechanie*"}},
        {"WYLPRZYCZYNA", "2", {"umyślne /", "zaniechanie*"}},
        {"WYLPRZYCZYNA", "3", {"umyślne /", "rażąco niedbałe*", "działanie /"}},
        {"STANPOLICJANTA", "1", narcotics},
        {"STANPOLICJANTA", "2", {"alkoholu/", "Stan nietrzeźwości/"}},
        {"ROZMSKUTKI", "1", {"śmierć*"}},
        {"ROZMSKUTKI", "2", {"obrażenia ciała/"}},
        {"PRZEPISY", "1", {"innych przepisów dotyczących ochrony życia i zdrowia* :"}},
        {"PRZEPISY", "2", {"przepisów i zasad bezpieczeństwa służby/"}},
        {"ZAPOZNANY", "1", family},
        {"ZAPOZNANY", "2", injured},
        {"UWAGI", "1", {}},
        {"UWAGI", "2", {"Uwag do protokołu nie wniesiono*,"}},
        {"ODRZDANIE", "1", {}},
        {"ODRZDANIE", "2", {"Do protokołu  załączono odrębne zdania członka komisji powypadkowej.*"}},
        {"ZATWIERDZONY", "1", {"Zwracam niniejszy protokół celem uzupełnienia go przez komisję powypadkową.*"}},
        {"ZATWIERDZONY", "2", {"Zatwierdzam niniejszy protokół.*"}},
        {"ZATWDOD", "'n'",
         {"Zatwierdzam niniejszy protokół po dokonaniu dodatkowych wyjaśnień i ustaleń przez komisję powypadkową.*"}},
        {"ZATWDOD", "'t'", {}},
        {"DORECZENIE", "1", {"przesłania*"}},
        {"DORECZENIE", "2", {"doręczenia/"}},
    };
    EXPECT_EQ(struckTexts(*print(kProtocol)), QStringList());
    for (const auto& [column, value, expected] : cases) {
        set(column + QStringLiteral(" = ") + value);
        EXPECT_EQ(struckTexts(*print(kProtocol)), sorted(expected)) << column.toStdString() << " " << value.toStdString();
        set(column + QStringLiteral(" = NULL"));
    }
    // A value outside the tables strikes nothing; point 1) goes whole whatever else holds.
    set(QStringLiteral("SKUTEKSM = 9, TYPWYP = 9, WYKONYWANIEOBSL = 9, OKOLICZNOSCI = 9, WYLPRZYCZYNA = 9, "
                       "STANPOLICJANTA = 9, ROZMSKUTKI = 9, PRZEPISY = 9, ZAPOZNANY = 9, UWAGI = 9, ODRZDANIE = 9, "
                       "ZATWIERDZONY = 9, ZATWDOD = 'x', DORECZENIE = 9"));
    EXPECT_EQ(struckTexts(*print(kProtocol)), QStringList());
    set(QStringLiteral("OKOLICZNOSCI = 2, WYKONYWANIEOBSL = 1"));
    EXPECT_EQ(struckTexts(*print(kProtocol)), sorted(point1));
}

TEST_F(PoliceDocumentsTest, ProtocolDataHeaderAndDatesOfItems13And14) {
    set(QStringLiteral("NRMIESZ = '4', WOJEW = 'łódzkie', ULICA = 'Długa', NRUL = '1', SZPITALSM = 2, MIEJSCSM = 'Łask'"));
    const PagesPtr pages = print(kProtocol);
    ASSERT_GE(pages->pageCount(), 1);
    const Page& first = pages->page(1);
    const QStringList t = first.texts();
    EXPECT_EQ(t.mid(0, 4), (QStringList{"Strona:", QStringLiteral("1/ %1").arg(pages->pageCount()), "Protokół powypadkowy",
                                        "1 / 2024 r."}));
    for (const char* s : {"PROTOKÓŁ POWYPADKOWY NR", "06:05", "aspirant Jan Kosiński", "wojew. łódzkie,  Długa 1 nr 4",
                          "w szpitalu - Łask", "Upadek na schodach.", "Pouczenie:", "* Niepotrzebne skreślić"})
        EXPECT_TRUE(pages->texts().contains(QString::fromUtf8(s))) << s;
    // Item 13 prints the approval or return, item 14 the approval after explanations.
    const Page* p13 = nullptr;
    for (const Page& p : pages->pages())
        if (p.findText(QStringLiteral("17.05.2024"))) p13 = &p;
    ASSERT_TRUE(p13);
    const DrawItem* returned = p13->findText(QStringLiteral("17.05.2024"));
    const DrawItem* after = p13->findText(QStringLiteral("18.05.2024"));
    const DrawItem* item14 = p13->findText(QStringLiteral("14."), true);
    ASSERT_TRUE(after && item14);
    EXPECT_LT(returned->origin.y(), item14->origin.y());
    EXPECT_GT(after->origin.y(), item14->origin.y());
    // No date: the time is a blank and the year 0.
    exec(QStringLiteral("UPDATE WYPOPER_WYPADKI SET DATA = NULL WHERE ID = 5"));
    set(QStringLiteral("DATAPROT = NULL"));
    const PagesPtr undated = print(kProtocol);
    EXPECT_EQ(undated->page(1).texts().value(3), "1 / 0 r.");
    EXPECT_TRUE(undated->texts().contains("0"));
}

TEST_F(PoliceDocumentsTest, BlankProtocolHasFixedRoomAndLongTextsFlowWithTheHeader) {
    const PagesPtr blank = print(kProtocol, 51, true);
    const QStringList t = blank->texts();
    EXPECT_FALSE(t.contains("Strona:"));
    EXPECT_TRUE(t.contains(".......................  dnia  ................"));
    EXPECT_FALSE(t.contains("Kosiński") || t.contains("aspirant Jan Kosiński") || t.contains("Upadek na schodach."));
    EXPECT_EQ(struckTexts(*blank), QStringList());
    const std::vector<std::pair<QString, double>> heights{
        {"PRZYCZYNY", 420}, {"SKUTKI", 80}, {"UZASADTYP", 160}, {"SZKODA", 80}, {"STANPOLICJANTA_OPIS1", 80},
        {"STANPOLICJANTA_OPIS2", 80}, {"PRZYCZDOWYP", 80}, {"PRZEPISY_OPIS", 80}, {"PROFILAKTYKA", 80},
        {"ROZKPRZEP1", 60}, {"ROZKPRZEP2", 60}, {"ROZMSKUTKI_OPIS", 60}, {"PODSTUSTALEN", 60}, {"ZALACZNIKI", 60},
        {"UWAGI_OPIS", 36}, {"PRZESZKODY", 46}};
    for (const auto& [column, height] : heights) EXPECT_EQ(bandHeight(kProtocol, column), height) << column.toStdString();
    set(QStringLiteral("PRZYCZYNY = :t").replace(":t", "'" + lines("Okoliczność", 150) + "'"));
    const PagesPtr filled = print(kProtocol);
    for (const auto& [column, height] : heights) EXPECT_EQ(bandHeight(kProtocol, column), 28) << column.toStdString();
    ASSERT_GE(filled->pageCount(), 3);
    for (const Page& p : filled->pages())
        EXPECT_EQ(p.texts().mid(0, 4), (QStringList{"Strona:", QStringLiteral("%1/ %2").arg(p.number).arg(filled->pageCount()),
                                                   "Protokół powypadkowy", "1 / 2024 r."}));
    EXPECT_TRUE(filled->texts().contains("Okoliczność 150 wiersz tekstu"));
    expectInsideMargins(*filled);
    exportPdf(filled, QStringLiteral("protokol-policja-dlugi"));
    exportPdf(blank, QStringLiteral("protokol-policja-pusty"));
}

TEST_F(PoliceDocumentsTest, RecordCardNumberMarksListsAndHeights) {
    set(QStringLiteral("PRZYCZYNA1 = 'Pośpiech', PRZYCZYNA3 = 'Ślisko', SKUTKITYP = 1, DATASM = '2024-03-05'"));
    PagesPtr pages = print(kCard);
    QStringList t = pages->texts();
    EXPECT_EQ(t.mid(0, 4), (QStringList{"Strona:", "1/ 1", "Ewidencyjna Karta Wypadku", "7/1/1/2024"}));
    EXPECT_TRUE(t.contains("EWIDENCYJNA KARTA WYPADKU NR:"));
    EXPECT_TRUE(t.contains("Pośpiech") && t.contains("Ślisko"));
    EXPECT_EQ(struckTexts(*pages), sorted({"lekki/", "ciężki/", "zbiorowy"}));
    EXPECT_EQ(bandHeight(kCard, "CzynnUraz"), 38);
    EXPECT_EQ(bandHeight(kCard, "UWAGIEKW"), 22);
    EXPECT_EQ(form(kCard).band(BandType::Title)->height, 335);
    // Only causes 1 and 3: two lines, nothing after the last.
    const DrawItem* a = pages->page(1).findText("Pośpiech");
    const DrawItem* b = pages->page(1).findText("Ślisko");
    EXPECT_NEAR(b->origin.y() - a->origin.y(), ReferenceDevice::lineHeight(a->font), 0.5);
    const std::vector<std::pair<QString, QStringList>> cases{
        {"SKUTKITYP = 2, DATASM = NULL", {"lekki/", "śmiertelny", "zbiorowy", "poszkodowany zmarł"}},
        {"SKUTKITYP = 3, DATASM = '1899-12-30'", {"ciężki/", "śmiertelny", "zbiorowy", "poszkodowany zmarł"}},
        {"SKUTKITYP = 4, DATASM = '2024-03-05'", {"zbiorowy"}}};
    for (const auto& [assignment, struck] : cases) {
        set(assignment);
        EXPECT_EQ(struckTexts(*print(kCard)), sorted(struck)) << assignment.toStdString();
    }
    exec(QStringLiteral("UPDATE WYPOPER_WYPADKI SET WYPIZ = 1 WHERE ID = 5"));
    admSettings().symbolWyp = true;
    admSettings().separator = QStringLiteral("-");
    pages = print(kCard);
    EXPECT_EQ(struckTexts(*pages), QStringList{"indywidualny/"});
    EXPECT_EQ(pages->page(1).texts().value(3), "7-KP/1/1/2024");
    // The blank card: no header, nothing struck, the room for handwriting.
    pages = print(kCard, 51, true);
    EXPECT_FALSE(pages->texts().contains("Strona:"));
    EXPECT_FALSE(pages->texts().contains("Pośpiech"));
    EXPECT_EQ(struckTexts(*pages), QStringList());
    EXPECT_EQ(bandHeight(kCard, "CzynnUraz"), 80);
    EXPECT_EQ(bandHeight(kCard, "UWAGIEKW"), 200);
    EXPECT_EQ(form(kCard).band(BandType::Title)->height, 400);
    exportPdf(pages, QStringLiteral("ekw-policja-pusta"));
}

TEST_F(PoliceDocumentsTest, RegisterNumbersRowsInEveryRunAndSizesItsRules) {
    officer(52, 5, 2, QStringLiteral("Nowak"));
    accident(6, 8, at(2024, 4, 1, 9, 0));
    officer(61, 6, 1, QStringLiteral("Wiśniewski"));
    set(QStringLiteral("PRZYCZYNA1 = 'A', PRZYCZYNA2 = 'B', PRZYCZYNA3 = 'C', RODZWYPEKW = 1"), 51);
    set(QStringLiteral("RODZWYPEKW = 4"), 52);
    const double left = PageSetup().leftMargin;
    const auto numbers = [left](const ReportPages& pages) {
        QStringList n;
        for (const Page& p : pages.pages())
            for (const DrawItem& i : p.items)
                if (i.kind == DrawItem::Kind::Text && i.origin.x() < left + 30 && i.font.size == 7 && !i.font.bold) n << i.text;
        return n;
    };
    const PagesPtr first = print(kRegister);
    EXPECT_EQ(numbers(*first), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(numbers(*print(kRegister)), (QStringList{"1", "2", "3"}));
    const QStringList t = first->texts();
    for (const char* s : {"L.p.", "Przyczyny wypadku", "Krótki opis wypadku", "Skutki wypadku", "aspirant", "Jan Kosiński",
                          "KPP Łask", "44/11", "TAK", "w służbie", "NIE", "w drodze", "brak danych", "Upadek na schodach."})
        EXPECT_TRUE(t.contains(QString::fromUtf8(s))) << s;
    // The rules of the second row of the first officer: three lines of causes, 40 high.
    const Page& p = first->page(1);
    std::vector<double> ruleHeights;
    for (const DrawItem& i : p.items)
        if (i.kind == DrawItem::Kind::Line && std::abs(i.rect.width()) < 0.01 && std::abs(i.rect.left() - (left + 790)) < 0.01)
            ruleHeights.push_back(i.rect.height());
    ASSERT_EQ(ruleHeights.size(), 3u);
    EXPECT_NEAR(ruleHeights[0], 40, 0.01);
    EXPECT_NEAR(ruleHeights[1], 18, 0.01);
    // The footer on every landscape page.
    for (int i = 0; i < 30; ++i) officer(700 + i, 6, 2 + i, QStringLiteral("Zieliński%1").arg(i));
    const PagesPtr many = print(kRegister);
    ASSERT_GE(many->pageCount(), 2);
    for (const Page& pg : many->pages()) {
        EXPECT_GT(pg.size().width(), pg.size().height());
        EXPECT_TRUE(pg.texts().contains("Strona:"));
        EXPECT_TRUE(pg.texts().contains(QStringLiteral("%1/ %2").arg(pg.number).arg(many->pageCount())));
    }
    expectInsideMargins(*many);
    exportPdf(many, QStringLiteral("rejestr-policja"));
}

TEST_F(PoliceDocumentsTest, FormsReusedShowNothingOfTheEarlierRun) {
    officer(52, 5, 2, QStringLiteral("Nowak"));
    set(QStringLiteral("ZAPOZNANY = 1, SKUTKITYP = 1, OKOLICZNOSCI = 2, PRZYCZYNY = '") + lines("Opis", 120) + "'", 51);
    set(QStringLiteral("ZAPOZNANY = 2, SKUTKITYP = 3"), 52);
    for (const QString& name : {kProtocol, kCard}) {
        SCOPED_TRACE(name.toStdString());
        print(name, 51, true);
        print(name, 51);
        const PagesPtr reused = print(name, 52);
        auto fresh = ReportForms::factoryOf(name)();
        reportds::openPoliceOfficer(*dm, 52);
        const PagesPtr clean = printWith(*fresh, false);
        EXPECT_EQ(dump(*reused), dump(*clean));
        fresh->setRun(DocumentRun());
    }
}

} // namespace
} // namespace zort::test
