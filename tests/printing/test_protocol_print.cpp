// The printed post-accident protocol of 2004 and 2019: the whole forms flowing over
// pages and the four page forms, filled from a person written into a real database.
#include "domain/ProtocolTexts.h"
#include "domain/ReportDatasets.h"
#include "printing/PrintForms.h"
#include "printing/ProtocolPrintLayout.h"
#include "printing/ReportForms.h"
#include "printing/engine/ExportQR.h"
#include "support/RegisterFixture.h"

namespace zort::test {
namespace {

using namespace zort::print;

QString linesOf(const QString& what, int n) {
    QStringList l;
    for (int i = 1; i <= n; ++i) l << QStringLiteral("%1 %2 wiersz tekstu").arg(what).arg(i);
    return l.join(QStringLiteral("\r\n"));
}

QStringList allTexts(const ReportPages& pages) {
    QStringList t;
    for (const Page& p : pages.pages()) t << p.texts();
    return t;
}

// The strike line over a label on the page, or nullptr.
const DrawItem* strikeOver(const Page& page, const QString& label) {
    const DrawItem* text = page.findText(label);
    if (!text) return nullptr;
    const double asc = ReferenceDevice::ascent(text->font);
    for (const DrawItem& i : page.items) {
        if (i.kind != DrawItem::Kind::Line) continue;
        const QLineF l = i.line();
        if (std::abs(l.y1() - l.y2()) > 0.01) continue;
        if (l.y1() > text->origin.y() - asc && l.y1() < text->origin.y() && std::abs(l.x1() - text->origin.x()) < 0.01)
            return &i;
    }
    return nullptr;
}

const Page* pageWith(const ReportPages& pages, const QString& text) {
    for (const Page& p : pages.pages())
        if (p.findText(text)) return &p;
    return nullptr;
}

class ProtocolPrintTest : public RegisterTest {
protected:
    void SetUp() override {
        RegisterTest::SetUp();
        registerReportForms();
        ReportForms::reset();
        exec(QStringLiteral("INSERT INTO SKWWYPADKI (ID, NUMER, DATA, DATAREJWYP, SYMBOLWYP, POSZKODOWANI, WYPIZ) "
                            "VALUES (1, 3, :d, :r, '', 1, 1)"),
             Params{{"d", at(2024, 3, 5, 7, 45)}, {"r", at(2024, 3, 6)}});
        exec(QStringLiteral(
                 "INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERPROT, NUMERKARTY, IMIE, NAZWISKO, PRZEDSIEB, "
                 "ADRESFIRMA, NIPFIRMA, REGON, KODEKD, IMNAZWA, FUNKCJAA, DATAUR, DATAPROT, TYPWYP, SKUTKI, "
                 "ZAPOZNANY, DORECZENIE, FORMWYP, SADPRACY, OKOLICZNOSCI, PRZYCZYNY, UZASADN) VALUES (11, 1, 5, 5, "
                 "'Anna', 'Żółkiewska', 'Zakład Mechaniczny Sp. z o.o.', 'Łódź, ul. Długa 1', '725-000-11-22', "
                 "'471234567', '2562Z', 'Jan Kos', 'kierownik', :ur, :dp, 2, 4, 1, 1, 1, 'Łodzi', :ok, :pr, :uz)"),
             Params{{"ur", at(1980, 2, 1)}, {"dp", at(2024, 3, 12)}, {"ok", QStringLiteral("Pracownica upadła.")},
                    {"pr", QStringLiteral("Śliska posadzka.")}, {"uz", QStringLiteral("Zdarzenie nagłe.")}});
    }
    void TearDown() override {
        ReportForms::reset();
        RegisterTest::TearDown();
    }

    void setColumn(const QString& column, const QVariant& value) {
        exec(QStringLiteral("UPDATE SKWPOSZKODOWANI SET %1 = :v WHERE ID = 11").arg(column), Params{{"v", value}});
    }

    ProtocolReport& form(const QString& name) {
        auto* f = dynamic_cast<ProtocolReport*>(ReportForms::form(name));
        EXPECT_TRUE(f) << name.toStdString();
        return *f;
    }

    PagesPtr print(const QString& name, bool blank = false) {
        reportds::openAll(*dm, 11, 1);
        ProtocolReport& f = form(name);
        DocumentRun run;
        run.dm = dm.get();
        run.settings = admSettings();
        run.blank = blank;
        f.setRun(run);
        return f.prepare();
    }
};

const QStringList kWhole = {QStringLiteral("TProtPowRepForm_3_all"), QStringLiteral("TProtPowRepForm_all")};
const QStringList kPages2019 = {QStringLiteral("TProtPowRep1Form_3"), QStringLiteral("TProtPowRep2Form_3"),
                                QStringLiteral("TProtPowRep3Form_3"), QStringLiteral("TProtPowRep4Form_3")};
const QStringList kPages2004 = {QStringLiteral("TProtPowRep1Form_2"), QStringLiteral("TProtPowRep2Form_2"),
                                QStringLiteral("TProtPowRep3Form_2"), QStringLiteral("TProtPowRep4Form_2")};

TEST_F(ProtocolPrintTest, FormsAreRegisteredWithTheirDatasets) {
    for (const QString& n : kWhole + kPages2019 + kPages2004) {
        ASSERT_TRUE(ReportForms::exists(n)) << n.toStdString();
        EXPECT_EQ(form(n).kindCode(), QStringLiteral("WypProt"));
    }
    EXPECT_EQ(form(kWhole[0]).datasets(), (QStringList{"ZestWypSQL3", "ZestWypSQL"}));
    EXPECT_EQ(form(kPages2019[1]).datasets(), QStringList{"ZestWypSQL"});
    EXPECT_EQ(form(kPages2019[2]).datasets(), QStringList{"ZestWyp1SQL"});
    EXPECT_EQ(form(kPages2004[3]).datasets(), QStringList{"ZestWyp1SQL"});
}

TEST_F(ProtocolPrintTest, LongCircumstancesFlowOverPagesOfTheWholeFormAndAreCutOnPageOne) {
    const int n = 160;
    setColumn(QStringLiteral("OKOLICZNOSCI"), linesOf(QStringLiteral("Okoliczność"), n));
    const PagesPtr whole = print(kWhole[0]);
    ASSERT_GE(whole->pageCount(), 4);
    QStringList printed;
    for (const Page& p : whole->pages()) {
        const QStringList t = p.texts();
        ASSERT_GE(t.size(), 4);
        EXPECT_EQ(t.mid(0, 4), (QStringList{"Strona:", QString::number(p.number),
                                            "Protokół ustalenia okoliczności i przyczyn wypadku przy pracy",
                                            "5 / 2024 r."}));
        for (const QString& s : t)
            if (s.startsWith(QStringLiteral("Okoliczność"))) printed << s;
        // Nothing leaves the sheet's margins.
        for (const DrawItem& i : p.items)
            if (i.kind == DrawItem::Kind::Text) {
                EXPECT_LE(i.origin.y(), p.size().height() - mm(10) + 0.5);
                EXPECT_LE(i.origin.x() + ReferenceDevice::textWidth(i.font, i.text), p.size().width() - mm(10) + 0.5)
                    << i.text.toStdString();
            }
    }
    EXPECT_EQ(printed, linesOf(QStringLiteral("Okoliczność"), n).split(QStringLiteral("\r\n")));
    // The causes follow the last line of the circumstances.
    const Page* last = pageWith(*whole, QStringLiteral("Okoliczność %1 wiersz tekstu").arg(n));
    ASSERT_TRUE(last);
    EXPECT_GT(last->findText(QStringLiteral("5.    Ustalono następujące przyczyny wypadku:"))->origin.y(),
              last->findText(QStringLiteral("Okoliczność %1 wiersz tekstu").arg(n))->origin.y());

    // Page one: one page, the text cut at the end of its box.
    const PagesPtr one = print(kPages2019[0]);
    ASSERT_EQ(one->pageCount(), 1);
    QStringList cut;
    for (const QString& s : one->page(1).texts())
        if (s.startsWith(QStringLiteral("Okoliczność"))) cut << s;
    ASSERT_GT(cut.size(), 10);
    ASSERT_LT(cut.size(), n);
    EXPECT_EQ(cut, printed.mid(0, cut.size()));
    const Element* box = form(kPages2019[0]).find(QStringLiteral("OKOLICZNOSCI"));
    const DrawItem* lastCut = one->page(1).findText(cut.last());
    // The last line starts inside the box and is clipped at its end.
    EXPECT_LT(lastCut->origin.y() - ReferenceDevice::ascent(lastCut->font), mm(10) + box->box.bottom());
    EXPECT_NEAR(lastCut->clip.bottom(), mm(10) + box->box.bottom(), 0.01);
    EXPECT_EQ(nullptr, one->page(1).findText(QStringLiteral("5.    Ustalono następujące przyczyny wypadku:")));
}

TEST_F(ProtocolPrintTest, MarksStrikeExactlyTheirLabelsAndItem13FollowsItsSetting) {
    // TYPWYP 2, SKUTKI 4, WYPIZ 1, ZAPOZNANY 1, DORECZENIE 1, FORMWYP 1.
    PagesPtr p = print(kWhole[0]);
    auto struck = [&](const QString& label) {
        const Page* page = pageWith(*p, label);
        EXPECT_TRUE(page) << label.toStdString();
        return page && strikeOver(*page, label);
    };
    for (const QString& s : {"JEST", "traktowany na równi z wypadkiem przy pracy", "indywidualny", "śmiertelny", "ciężki",
                             "powodujący czasową niezdolność do pracy", "członek rodziny", "TAK", "przesłania"})
        EXPECT_TRUE(struck(s)) << s.toStdString();
    for (const QString& s : {"NIE JEST", "wypadkiem przy pracy,", "zbiorowy", "Poszkodowany", "NIE", "doręczenia"})
        EXPECT_FALSE(struck(s)) << s.toStdString();
    // The line covers the label's text exactly.
    const Page* page = pageWith(*p, QStringLiteral("powodujący czasową niezdolność do pracy"));
    const DrawItem* label = page->findText(QStringLiteral("powodujący czasową niezdolność do pracy"));
    const QLineF line = strikeOver(*page, label->text)->line();
    EXPECT_NEAR(line.x1(), label->origin.x(), 0.01);
    EXPECT_NEAR(line.length(), ReferenceDevice::textWidth(label->font, label->text), 0.01);

    // "NIE": item 13 unmarked, item 15 still marked; on the page form as well.
    admSettings().zaznPkt13prot = false;
    p = print(kWhole[0]);
    for (const QString& s : {"członek rodziny", "Poszkodowany", "TAK", "NIE"}) EXPECT_FALSE(struck(s)) << s.toStdString();
    EXPECT_TRUE(struck(QStringLiteral("przesłania")));
    EXPECT_TRUE(struck(QStringLiteral("śmiertelny")));
    p = print(kPages2019[3]);
    EXPECT_FALSE(struck(QStringLiteral("członek rodziny")));
    EXPECT_TRUE(struck(QStringLiteral("przesłania")));
    admSettings().zaznPkt13prot = true;
    p = print(kPages2019[3]);
    EXPECT_TRUE(struck(QStringLiteral("członek rodziny")));
    EXPECT_TRUE(struck(QStringLiteral("TAK")));
    p = print(kPages2019[2]);
    EXPECT_TRUE(struck(QStringLiteral("ciężki")));
    EXPECT_TRUE(struck(QStringLiteral("JEST")));
    // Other values of SKUTKI strike what the table says.
    setColumn(QStringLiteral("SKUTKI"), 2);
    p = print(kPages2019[2]);
    EXPECT_TRUE(struck(QStringLiteral("śmiertelny")));
    EXPECT_FALSE(struck(QStringLiteral("ciężki")));
    EXPECT_TRUE(struck(QStringLiteral("powodujący czasową niezdolność do pracy")));
}

TEST_F(ProtocolPrintTest, BlankWholeFormHasNoHeaderNoDataNoMarksAndFixedRoom) {
    const PagesPtr blank = print(kWhole[0], true);
    const QStringList t = allTexts(*blank);
    EXPECT_FALSE(t.contains(QStringLiteral("Strona:")));
    for (const char* data : {"Żółkiewska", "Anna Żółkiewska", "Pracownica upadła.", "5 / 2024 r.", "Łodzi", "2562Z"})
        EXPECT_FALSE(t.contains(QString::fromUtf8(data))) << data;
    for (const Page& p : blank->pages())
        for (const DrawItem& i : p.items)
            if (i.kind == DrawItem::Kind::Line) EXPECT_GT(i.line().length(), 10) << "no strike lines, only rules";
    ProtocolReport& f = form(kWhole[0]);
    const std::vector<std::pair<QString, double>> room = {
        {"OKOLICZNOSCI", 430}, {"PRZYCZYNY", 155}, {"UCHYBIENIA", 115}, {"DOWUCHYB", 115}, {"DOWPIJ", 115},
        {"RODZURAZU", 360},    {"UZASADN", 440},   {"PROFILAKTYKA", 440}, {"PRZESZKODY", 240}, {"ZALACZNIKI", 220}};
    for (const auto& [column, height] : room) EXPECT_EQ(f.find(column)->band().height, height) << column.toStdString();
    // The causes take their room on the page: the first finding follows 155 lower
    // (the heading of the causes starts page two: page one has no room left for it).
    const Page& two = blank->page(2);
    const DrawItem* h5 = two.findText(QStringLiteral("5.    Ustalono następujące przyczyny wypadku:"));
    const DrawItem* f1 = two.findText(QStringLiteral("- stwierdzono nieprzestrzeganie przez pracodawcę następujących "
                                                     "przepisów prawa pracy, w szczególności przepisów i zasad"));
    ASSERT_TRUE(h5 && f1);
    EXPECT_NEAR(f1->origin.y() - h5->origin.y(), kHeadingHeight + 155, 0.5);
    // No heading is left at the foot of a page without its room.
    for (const auto& [heading, height] : std::vector<std::pair<QString, double>>{
             {"5.    Ustalono następujące przyczyny wypadku:", 155}, {"6.    Skutki wypadku dla poszkodowanego", 360},
             {"9.   Wnioski i zalecone środki profilaktyczne:", 440}, {"16.   Wykaz załączników do protokołu:", 220}}) {
        const Page* p = pageWith(*blank, heading);
        ASSERT_TRUE(p) << heading.toStdString();
        EXPECT_LE(p->findText(heading)->origin.y() + height, p->size().height() - mm(10)) << heading.toStdString();
    }
    EXPECT_EQ(blank->pageCount(), 5);
}

TEST_F(ProtocolPrintTest, BlankThenFilledOnTheSameFormShowsNoPreviousState) {
    print(kWhole[0], true);
    setColumn(QStringLiteral("OKOLICZNOSCI"), linesOf(QStringLiteral("Okoliczność"), 3));
    const PagesPtr filled = print(kWhole[0]);
    const QStringList t = allTexts(*filled);
    EXPECT_TRUE(t.contains(QStringLiteral("Strona:")));
    EXPECT_TRUE(t.contains(QStringLiteral("Anna Żółkiewska")));
    EXPECT_TRUE(t.contains(QStringLiteral("Okoliczność 3 wiersz tekstu")));
    const Page& one = filled->page(1);
    const DrawItem* h4 = one.findText(QStringLiteral("4.    Ustalono następujące okoliczności wypadku:"));
    const DrawItem* h5 = one.findText(QStringLiteral("5.    Ustalono następujące przyczyny wypadku:"));
    ASSERT_TRUE(h4 && h5);
    EXPECT_LT(h5->origin.y() - h4->origin.y(), 100) << "the text band grows with three lines, not the blank room";
    EXPECT_TRUE(strikeOver(*pageWith(*filled, QStringLiteral("ciężki")), QStringLiteral("ciężki")));
    // And blank again: nothing of the filled run is left.
    const PagesPtr again = print(kWhole[0], true);
    EXPECT_FALSE(allTexts(*again).contains(QStringLiteral("Anna Żółkiewska")));
    EXPECT_FALSE(strikeOver(*pageWith(*again, QStringLiteral("ciężki")), QStringLiteral("ciężki")));
    // The page forms blank their data and strike nothing.
    const PagesPtr p3 = print(kPages2019[2], true);
    EXPECT_FALSE(strikeOver(p3->page(1), QStringLiteral("ciężki")));
    EXPECT_FALSE(allTexts(*print(kPages2019[0], true)).contains(QStringLiteral("Anna Żółkiewska")));
}

TEST_F(ProtocolPrintTest, YearZeroFromAnEmptyProtocolDateAndTheNumberLine) {
    admSettings().rokSKWProtPow = 1;  // the document's own date
    setColumn(QStringLiteral("DATAPROT"), QVariant());
    const PagesPtr p = print(kWhole[0]);
    const QStringList t = p->page(1).texts();
    const qsizetype at = t.indexOf(QStringLiteral("Protokół Nr"));
    ASSERT_GE(at, 0);
    EXPECT_EQ(t.mid(at, 5), (QStringList{"Protokół Nr", "5", "/", "0", "r."}));
    EXPECT_TRUE(t.contains(QStringLiteral("5 / 0 r.")));
    admSettings().rokSKWProtPow = 0;
    EXPECT_EQ(print(kPages2019[0])->page(1).texts().mid(0, 5), (QStringList{"Protokół Nr", "5", "/", "2024", "r."}));
}

TEST_F(ProtocolPrintTest, PageCountsOfEveryForm) {
    for (const QString& n : kPages2019 + kPages2004) {
        EXPECT_EQ(print(n)->pageCount(), 1) << n.toStdString();
        EXPECT_EQ(print(n, true)->pageCount(), 1) << n.toStdString();
    }
    EXPECT_EQ(print(kWhole[0])->pageCount(), 2);
    EXPECT_EQ(print(kWhole[1])->pageCount(), 2);
    EXPECT_EQ(print(kWhole[1], true)->pageCount(), 5);
    // Texts longer than their boxes stay inside the margins of the page forms.
    for (const char* m : {"OKOLICZNOSCI", "PRZYCZYNY", "UCHYBIENIA", "DOWUCHYB", "DOWPIJ", "RODZURAZU", "UZASADN",
                          "PROFILAKTYKA", "PRZESZKODY", "ZALACZNIKI"})
        setColumn(QString::fromLatin1(m), linesOf(QString::fromLatin1(m), 90));
    for (const QString& n : kPages2019 + kPages2004) {
        const PagesPtr p = print(n);
        ASSERT_EQ(p->pageCount(), 1) << n.toStdString();
        const Page& page = p->page(1);
        for (const DrawItem& i : page.items) {
            const double bottom = i.kind == DrawItem::Kind::Text ? i.origin.y() : i.rect.bottom();
            EXPECT_LE(bottom, page.size().height() - mm(10) + 0.5) << n.toStdString() << " " << i.text.toStdString();
        }
    }
    // Every page is A4 portrait.
    for (const Page& p : print(kWhole[0])->pages()) EXPECT_EQ(p.setup.points(), QSize(596, 842));
}

TEST_F(ProtocolPrintTest, FontSizeSettingChangesDataOnlyOfTheWholeForms) {
    admSettings().dokWypFont = 2;
    const PagesPtr p = print(kWhole[0]);
    EXPECT_EQ(p->page(1).findText(QStringLiteral("Anna Żółkiewska"))->font.size, 10);
    EXPECT_EQ(p->page(1).findText(QStringLiteral("Pracownica upadła."))->font.size, 10);
    EXPECT_EQ(p->page(1).findText(QStringLiteral("imię i nazwisko"))->font.size, 6);
    EXPECT_EQ(p->page(1).findText(QStringLiteral("4.    Ustalono następujące okoliczności wypadku:"))->font.size, 8);
    admSettings().dokWypFont = 0;
    EXPECT_EQ(print(kWhole[0])->page(1).findText(QStringLiteral("Anna Żółkiewska"))->font.size, 8);
    admSettings().dokWypFont = 2;
    EXPECT_EQ(print(kPages2019[0])->page(1).findText(QStringLiteral("Anna Żółkiewska"))->font.size, 9)
        << "the page forms keep their own size";
}

TEST_F(ProtocolPrintTest, TheLayoutOf2004DiffersAsItsRegulation) {
    const PagesPtr p = print(kWhole[1]);
    const QStringList t = allTexts(*p);
    for (const char* s : {"1.    Poszkodowany pracownik jest zatrudniony:", "REGON", "471234567", "pieczątka pracodawcy",
                             "9.   Wnioski i zalecenia profilaktyczne:", "Poszkodowanego", "członka rodziny"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(s))) << s;
    for (const char* s : {"TAK", "NIE", "1.     Dane pracodawcy:", "9.   Wnioski i zalecone środki profilaktyczne:"})
        EXPECT_FALSE(t.contains(QString::fromUtf8(s))) << s;
    EXPECT_TRUE(std::any_of(t.begin(), t.end(), [](const QString& s) { return s.startsWith(QStringLiteral("III. ")); }));
    EXPECT_TRUE(strikeOver(*pageWith(*p, QStringLiteral("członka rodziny")), QStringLiteral("członka rodziny")));
    // Its own footnote marks.
    EXPECT_TRUE(t.contains(QStringLiteral("**)")));
    EXPECT_FALSE(t.contains(QStringLiteral("5)")));
    // The blank room of the circumstances and causes.
    print(kWhole[1], true);
    EXPECT_EQ(form(kWhole[1]).find(QStringLiteral("OKOLICZNOSCI"))->band().height, 360);
    EXPECT_EQ(form(kWhole[1]).find(QStringLiteral("PRZYCZYNY"))->band().height, 155);
    // The PKD code comes from ZestWypSQL.
    EXPECT_TRUE(t.contains(QStringLiteral("2562Z")));
    reportds::openAll(*dm, 11, 1);
    dm->dataset(QStringLiteral("ZestWypSQL"))->close();
    ProtocolReport& whole = form(kWhole[1]);
    DocumentRun run;
    run.dm = dm.get();
    run.settings = admSettings();
    whole.setRun(run);
    const QStringList without = allTexts(*whole.prepare());
    EXPECT_FALSE(without.contains(QStringLiteral("2562Z")));
    EXPECT_TRUE(without.contains(QStringLiteral("Anna Żółkiewska")));
}

TEST_F(ProtocolPrintTest, Item2Of2004PrintsTheFathersNamePlaceOfBirthAndNipAsThe2003Form) {
    setColumn(QStringLiteral("IMOJCA"), QStringLiteral("Stanisław"));
    setColumn(QStringLiteral("MIEJSCEUR"), QStringLiteral("Kalisz"));
    setColumn(QStringLiteral("NIPPRAC"), QStringLiteral("618-000-12-34"));
    setColumn(QStringLiteral("PESELPRAC"), QStringLiteral("80020112345"));
    const QStringList item2 = {"Pan(i)", "Anna Żółkiewska", "Stanisław", "imię ojca", "urodzony(-na)", "01.02.1980",
                               "w", "Kalisz", "zamieszkały(-ła) w", "80020112345", "PESEL", "618-000-12-34", "NIP"};
    for (const QString& name : {kWhole[1], kPages2004[0]}) {
        const QStringList t = allTexts(*print(name));
        qsizetype at = t.indexOf(QStringLiteral("2.    Zespół powypadkowy w składzie:"));
        for (const QString& s : item2) {
            const qsizetype i = t.indexOf(s, at + 1);
            EXPECT_GT(i, at) << name.toStdString() << ": missing or out of order: " << s.toStdString();
            at = std::max(at, i);
        }
    }
    const QStringList y2019 = allTexts(*print(kWhole[0]));
    for (const char* s : {"Stanisław", "Kalisz", "618-000-12-34", "imię ojca"})
        EXPECT_FALSE(y2019.contains(QString::fromUtf8(s))) << "not on the form of 2019: " << s;
    EXPECT_TRUE(y2019.contains(QStringLiteral("80020112345")));
}

TEST_F(ProtocolPrintTest, EveryQuotedTextOfThe2019LayoutInOrder) {
    setColumn(QStringLiteral("OKOLICZNOSCI"), QStringLiteral("OKOLICZNOSCI-tekst"));
    setColumn(QStringLiteral("PRZYCZYNY"), QStringLiteral("PRZYCZYNY-tekst"));
    setColumn(QStringLiteral("UCHYBIENIA"), QStringLiteral("UCHYBIENIA-tekst"));
    setColumn(QStringLiteral("DOWUCHYB"), QStringLiteral("DOWUCHYB-tekst"));
    setColumn(QStringLiteral("DOWPIJ"), QStringLiteral("DOWPIJ-tekst"));
    setColumn(QStringLiteral("RODZURAZU"), QStringLiteral("RODZURAZU-tekst"));
    setColumn(QStringLiteral("PROFILAKTYKA"), QStringLiteral("PROFILAKTYKA-tekst"));
    setColumn(QStringLiteral("PRZESZKODY"), QStringLiteral("PRZESZKODY-tekst"));
    setColumn(QStringLiteral("ZALACZNIKI"), QStringLiteral("ZALACZNIKI-tekst"));
    const QStringList expected = {
        "Protokół Nr", "5", "/", "2024", "r.", "ustalenia okoliczności i przyczyn wypadku przy pracy",
        "1.     Dane pracodawcy:", "Zakład Mechaniczny Sp. z o.o.", "nazwa lub imię i nazwisko pracodawcy",
        "Łódź, ul. Długa 1", "adres siedziby pracodawcy", "725-000-11-22", "NIP", "1)", "PESEL",
        "numer dowodu osobistego albo inny dokument potwierdzający tożsamość pracodawcy", "2562Z", "Kod PKD",
        "2.    Zespół powypadkowy w składzie:", "1)", "Jan Kos", "imię i nazwisko", "kierownik", "funkcja", "2)",
        "imię i nazwisko", "funkcja", "05.03.2024", "07:45", "Pan(i)", "Anna Żółkiewska", "urodzony(-na)", "01.02.1980",
        "zamieszkały(-ła) w", "kod pocztowy", "miejscowość", "ulica", "numer domu", "numer lokalu", "PESEL", "2)",
        "numer dowodu osobistego albo innego dokumentu", "potwierdzającego tożsamość", "zatrudniony(-na) w",
        "na stanowisku", "nazwa stanowiska", "kod zawodu", "3)", "3.    Wypadek zgłosił(a)", "w dniu",
        "4.    Ustalono następujące okoliczności wypadku:", "4)", "OKOLICZNOSCI-tekst",
        "5.    Ustalono następujące przyczyny wypadku:", "4)", "PRZYCZYNY-tekst",
        "- stwierdzono nieprzestrzeganie przez pracodawcę następujących przepisów prawa pracy, w szczególności przepisów i zasad",
        "bezpieczeństwa i higieny pracy lub innych przepisów dotyczących ochrony życia i zdrowia", "5)",
        "(wskazać dowody):", "UCHYBIENIA-tekst",
        "- stwierdzono, że wyłączną przyczyną wypadku było naruszenie przez poszkodowanego pracownika przepisów dotyczących",
        "ochrony życia i zdrowia, spowodowane przez niego umyślnie lub wskutek rażącego niedbalstwa", "5)",
        "(wskazać dowody):", "DOWUCHYB-tekst",
        "- stwierdzono stan nietrzeźwości albo użycie przez poszkodowanego pracownika środków odurzających lub substancji psychotropo-",
        "wych przyczyniające się w znacznym stopniu do powstania wypadku przy pracy",
        "(wskazać dowody, a w przypadku odmowy przez",
        "poszkodowanego poddania się badaniom na zawartość tych substancji w organizmie - zamieścić informację o tym fakcie):",
        "DOWPIJ-tekst", "6.    Skutki wypadku dla poszkodowanego", "(rodzaj i umiejscowienie urazu):", "RODZURAZU-tekst",
        "7.    Stwierdza się, że powyższy wypadek:", "JEST", "NIE JEST", "6)", "wypadkiem przy pracy,",
        "traktowany na równi z wypadkiem przy pracy", "6)", "co uzasadnia się następująco:", "Zdarzenie nagłe.",
        "8.    Rodzaj wypadku:", "indywidualny", "zbiorowy", "śmiertelny", "ciężki",
        "powodujący czasową niezdolność do pracy", "9.   Wnioski i zalecone środki profilaktyczne:", "PROFILAKTYKA-tekst",
        "10.   Podpisy członków zespołu powypadkowego uczestniczących w ustalaniu okoliczności i przyczyn wypadku:",
        "czytelny podpis", "czytelny podpis", "11.   Protokół sporządzono dnia:", "12.03.2024", "data",
        "12.   Przeszkody lub trudności, które uniemożliwiły sporządzenie protokołu w wymaganym terminie 14 dni :",
        "PRZESZKODY-tekst", "13.", "Poszkodowany", "/", "członek rodziny", ":",
        "- zapoznany został z niniejszym protokołem oraz pouczony o prawie zgłoszenia do protokołu uwag i zastrzeżeń,",
        "- zgłasza uwagi i zastrzeżenia do protokołu:", "TAK", "/", "NIE",
        "(zgłoszone uwagi i zastrzeżenia należy dołączyć do protokołu).",
        "imię i nazwisko poszkodowanego pracownika lub uprawnionego członka rodziny", "data", "podpis",
        "14.   Protokół zatwierdzono dnia:", "data", "podpis pracodawcy", "15.   Potwierdzenie odbioru protokołu :",
        "imię i nazwisko poszkodowanego pracownika lub uprawnionego członka rodziny", "Data:", "doręczenia", "/",
        "przesłania", "protokołu:", "podpis / nr przesyłki poleconej", "16.   Wykaz załączników do protokołu:",
        "ZALACZNIKI-tekst", "POUCZENIE",
        "I. Przed zatwierdzeniem protokołu zespół powypadkowy jest obowiązany zapoznać z treścią protokołu poszkodowanego "
        "pracownika, a w razie wypadku śmiertelnego -",
        "uprawnionego członka rodziny pracownika, który ma prawo zgłoszenia uwag i zastrzeżeń do ustaleń zawartych w "
        "protokole.",
        "II. Poszkodowany pracownik, a w razie wypadku śmiertelnego - uprawniony członek rodziny zmarłego pracownika, może "
        "wystąpić do sądu rejonowego",
        "- sądu pracy w ........................................................................................................"
        " z powództwem o ustalenie i sprostowanie protokołu na podstawie",
        "Łodzi",
        "art. 189 ustawy z dnia 17 listopada 1964. - Kodeks postępowania cywilnego (Dz.U.z 2018 r. poz. 1360, z późn. "
        "zm.). Z powództwem takim, w interesie",
        "poszkodowanego pracownika, może wystąpić również organizacja związkowa działająca u pracodawcy zatrudniającego "
        "poszkodowanego pracownika.",
        "1)", "Jeżeli nie został nadany NIP, podać PESEL lub numer dowodu osobistego albo innego dokumentu potwierdzającego "
        "tożsamość pracodawcy.",
        "2)", "Jeżeli nie został nadany numer PESEL, podać numer dowodu osobistego albo innego dokumentu potwierdzającego "
        "tożsamość poszkodowanego.",
        "3)", "Podać pełny kod zawodu (specjalności), tj. sześciocyfrowy symbol zgodny z obowiązującą klasyfikacją zawodów "
        "i specjalności na potrzeby rynku pracy.",
        "4)", "Jeżeli zabraknie miejsca na druku, należy go uzupełnić kolejną stroną podpisaną przez członków zespołu "
        "powypadkowego.",
        "5)", "Przez inne przepisy dotyczące ochrony życia i zdrowia rozumie się np. przepisy o ochronie przeciwpożarowej, "
        "o dozorze technicznym, przepisy prawa",
        "geologicznego i górniczego, budowlanego, o ruchu drogowym.", "6)", "Niepotrzebne skreślić."};
    QStringList printed;
    for (const QString& s : allTexts(*print(kWhole[0])))
        if (s != QStringLiteral("Strona:") && !s.startsWith(QStringLiteral("Protokół ustalenia"))) printed << s.trimmed();
    qsizetype from = 0;
    for (const QString& e : expected) {
        const qsizetype at = printed.indexOf(e.trimmed(), from);
        ASSERT_GE(at, 0) << "missing after position " << from << ": " << e.toStdString();
        from = at + 1;
    }
}

} // namespace
} // namespace zort::test

namespace zort::test {
namespace {

struct QuietProgress : print::ExportProgress {
    void setRange(int, int) override {}
    void setText(const QString&) override {}
    void step() override {}
};

// With ZORT_PROTOCOL_LOOK set to a folder, every form is saved there as a PDF,
// filled with texts of several pages and blank, to be looked at.
TEST_F(ProtocolPrintTest, SavesEveryFormForLooking) {
    const QString dir = qEnvironmentVariable("ZORT_PROTOCOL_LOOK");
    if (dir.isEmpty()) GTEST_SKIP() << "ZORT_PROTOCOL_LOOK not set";
    for (const char* m : {"OKOLICZNOSCI", "PRZYCZYNY", "UCHYBIENIA", "DOWUCHYB", "DOWPIJ", "RODZURAZU", "UZASADN",
                          "PROFILAKTYKA", "PRZESZKODY", "ZALACZNIKI"}) {
        QString t;
        for (int i = 0; i < 40; ++i)
            t += QStringLiteral("%1: zdanie %2 opisu, zażółć gęślą jaźń, pracownik wykonywał czynności przy maszynie "
                                "zgodnie z instrukcją stanowiskową. ").arg(QString::fromLatin1(m)).arg(i);
        setColumn(QString::fromLatin1(m), t);
    }
    setColumn(QStringLiteral("KODZAWODU"), QStringLiteral("721306"));
    setColumn(QStringLiteral("STANOWSKROT"), QStringLiteral("Ślusarz"));
    setColumn(QStringLiteral("STRUKTSKROT"), QStringLiteral("Wydział Produkcji"));
    for (const QString& n : kWhole + kPages2019 + kPages2004) {
        for (bool blank : {false, true}) {
            print::TExportQR e;
            e.progressFactory = [] { return std::make_unique<QuietProgress>(); };
            e.setReport(print(n, blank));
            EXPECT_TRUE(e.ExportToTextPdf(dir + "/" + n + (blank ? "_puste" : "")));
        }
    }
}

} // namespace
} // namespace zort::test
