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

#include <QRegularExpression>

namespace zort::test {
namespace {

using namespace zort::print;

const QStringList kPages5 = {"TKartWypRep1Form_5", "TKartWypRep2Form_5", "TKartWypRep3Form_5"};
const QStringList kAll = {"TKartWypRep1Form",   "TKartWypRep2Form",   "TKartWypRep1Form_1", "TKartWypRep2Form_1",
                          "TKartWypRep1Form_2", "TKartWypRep2Form_2", "TKartWypRep1Form_3", "TKartWypRep2Form_3",
                          "TKartWypRep1Form_4", "TKartWypRep2Form_4", "TKartWypRep1Form_5", "TKartWypRep2Form_5",
                          "TKartWypRep3Form_5"};

int xCount(const ReportPages& pages) { return int(pages.texts().count(QStringLiteral("X"))); }

// The columns of the card's tables on the page (units from the page's left edge).
struct Columns {
    double number, code, text, right;
    explicit Columns(const Report& r) {
        const ProtTable t;
        number = r.page.leftMargin + t.number;
        code = number + t.caption;
        text = code + t.code;
        right = r.page.leftMargin + r.page.contentWidth();
    }
};

bool isRowNumber(const QString& s) {
    static const QRegularExpression re(QStringLiteral("^(X\\d|\\d\\d\\.?|Poz\\.)$"));
    return re.match(s).hasMatch();
}

// The row numbers of the page's tables, top to bottom.
QStringList rowNumbers(const Page& p, const Columns& c) {
    QStringList out;
    for (const DrawItem& i : p.items)
        if (i.kind == DrawItem::Kind::Text && i.origin.x() < c.number && isRowNumber(i.text)) out << i.text;
    return out;
}

// The texts of a row (by its number) in a column: code or description.
const DrawItem* cell(const Page& p, const Columns& c, const QString& number, double from, double to) {
    const DrawItem* n = nullptr;
    for (const DrawItem& i : p.items)
        if (i.kind == DrawItem::Kind::Text && i.text == number && i.origin.x() < c.number) n = &i;
    if (!n) return nullptr;
    for (const DrawItem& i : p.items)
        if (i.kind == DrawItem::Kind::Text && i.origin.x() >= from && i.origin.x() < to &&
            std::abs(i.origin.y() - n->origin.y()) < 4)
            return &i;
    return nullptr;
}

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

TEST_F(StatCardPrint, EveryVersionCollectsItsPagesWithItsSecondPartWhereTheFormHasIt) {
    using B = PrintChoice;
    struct Case {
        int version;
        QDateTime reference;
        QStringList forms;
    };
    const QStringList v5{"TKartWypRep1Form_5", "TKartWypRep2Form_5", "TKartWypRep3Form_5"};
    const std::vector<Case> cases = {
        {0, at(2024, 1, 1), {"TKartWypRep1Form_2", "TKartWypRep2Form_2"}},
        {1, at(2000, 12, 31), {"TKartWypRep1Form", "TKartWypRep2Form"}},
        {1, at(2001, 1, 1), {"TKartWypRep1Form_1", "TKartWypRep2Form_1"}},
        {2, at(2024, 1, 1), {"TKartWypRep1Form_2", "TKartWypRep2Form_2"}},
        {3, at(2024, 1, 1), {"TKartWypRep1Form_3", "TKartWypRep2Form_3"}},
        {4, at(2024, 1, 1), {"TKartWypRep1Form_4", "TKartWypRep2Form_4"}},
        {5, at(2024, 1, 1), v5},
        {-1, at(2024, 1, 1), v5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        PrintChoice choice;
        choice.reset(admSettings());
        choice.setCardVersion(c.version);
        for (B::Box b : {B::SKW1, B::SKW2, B::SKW3}) choice.setChecked(b, true);
        const QStringList forms = collectPageForms(choice, admSettings(), c.version, c.reference);
        EXPECT_EQ(forms, c.forms);
        for (const QString& name : forms) {
            ASSERT_TRUE(ReportForms::exists(name)) << name.toStdString();
            EXPECT_EQ(ReportForms::record(name), ReportForms::Record::InjuredPerson);
            EXPECT_EQ(form(name).kindCode(), QStringLiteral("WypSkw"));
            EXPECT_EQ(print(name)->pageCount(), 1) << name.toStdString();
            EXPECT_EQ(print(name, true)->pageCount(), 1) << name.toStdString();
        }
    }
    EXPECT_EQ(form("TKartWypRep1Form_5").datasets(), QStringList{"ZestWyp2SQL"});
    EXPECT_EQ(form("TKartWypRep2Form_5").datasets(), QStringList{"ZestWyp3SQL"});
    EXPECT_EQ(form("TKartWypRep3Form_5").datasets(), (QStringList{"ZestWyp3SQL", "ZestWyp2SQL"}));

    // 2022: part II on page three, the remote-work question on page two.
    const QString remote = "Czy wypadek wydarzył się w związku z wykonywaniem pracy zorganizowanej w formie zdalnej lub telepracy?";
    EXPECT_FALSE(print("TKartWypRep1Form_5")->texts().contains("CZĘŚĆ II"));
    EXPECT_TRUE(print("TKartWypRep2Form_5")->texts().contains(remote));
    EXPECT_TRUE(print("TKartWypRep3Form_5")->texts().contains("CZĘŚĆ II"));
    // 2019, 2010, 2004: part II with its year and day on page one; no remote work.
    set("WERSJASKW", 4, "SKWWYPADKI");
    for (const char* name : {"TKartWypRep1Form_4", "TKartWypRep1Form_3", "TKartWypRep1Form_2"}) {
        const QStringList t = print(name)->texts();
        EXPECT_TRUE(t.contains("CZĘŚĆ II UZUPEŁNIAJĄCA")) << name;
        EXPECT_TRUE(t.contains("Rzeczywiste skutki wypadku zaistniałego w roku 2023 miesiącu 03 dniu 09 (zgodnie z "
                               "pozycją 16 Statystycznej Karty Wypadku)"))
            << name;
        const QStringList numbers = rowNumbers(print(name)->page(1), Columns(form(name)));
        EXPECT_EQ(numbers.mid(numbers.indexOf("14")), (QStringList{"14", "28", "29"})) << name;
    }
    EXPECT_FALSE(print("TKartWypRep2Form_4")->texts().contains(remote));
    // 2000: part II on page two, the year alone.
    set("WERSJASKW", 1, "SKWWYPADKI");
    const QStringList t2001 = print("TKartWypRep2Form_1")->texts();
    EXPECT_TRUE(t2001.contains("CZĘŚĆ II (UZUPEŁNIAJĄCA)"));
    EXPECT_TRUE(t2001.contains("Rzeczywiste skutki wypadku zaistniałego w roku 2023"));
    EXPECT_TRUE(print("TKartWypRep2Form")->page(1).findText("CZĘŚĆ UZUPEŁNIAJĄCA /"));
}

TEST_F(StatCardPrint, ItemsPrintTheirCodesRightAlignedInTheCodeColumnAndTheirNumbersPerForm) {
    set("STRATYZL", 12.34, "SKWWYPADKI");
    const Columns c(form("TKartWypRep1Form_5"));
    const PagesPtr one = print("TKartWypRep1Form_5");
    const PagesPtr two = print("TKartWypRep2Form_5");
    struct Item {
        const PagesPtr& pages;
        QString number, code, text;
    };
    const std::vector<Item> items = {
        {one, "X1", "1002011", "Łęczyca"}, {one, "X2", "2562Z", "Obróbka mechaniczna elementów metalowych"},
        {one, "X3", "1", "Sektor prywatny"}, {one, "02", "1980", ""}, {one, "03", "616", "Polska"},
        {one, "04", "1", "Pracownik najemny"}, {one, "05", "722204", "Ślusarz"}, {one, "06", "12", ""},
        {one, "07", "3", ""}, {one, "08", "011", "Rany i urazy powierzchowne"}, {one, "09", "54", "Palce"},
        {one, "10", "2", ""}, {one, "12", "14", ""}, {one, "13", "6", ""}, {one, "14", "12.3", ""},
        {two, "15", "1465011", "Łódź-Bałuty"}, {two, "16", "2023-03-09", ""}, {two, "17", "07", ""},
        {two, "18", "011", "Hala produkcyjna"}, {two, "22", "14.05", "Wióry, odpryski"},
        {two, "27", "", ""},
    };
    for (const Item& i : items) {
        SCOPED_TRACE(i.number.toStdString());
        const Page& p = i.pages->page(1);
        const DrawItem* code = cell(p, c, i.number, c.code, c.text);
        if (i.code.isEmpty()) {
            EXPECT_FALSE(code);
            continue;
        }
        ASSERT_TRUE(code);
        EXPECT_EQ(code->text, i.code);
        EXPECT_TRUE(code->font.bold);
        EXPECT_NEAR(code->origin.x() + ReferenceDevice::textWidth(code->font, code->text), c.text - kCellPad, 0.5);
        const DrawItem* text = cell(p, c, i.number, c.text, c.right);
        EXPECT_EQ(text ? text->text : QString(), i.text);
        if (text) EXPECT_NEAR(text->origin.x(), c.text + kCellPad, 0.5);
    }
    // The seven causes under 27, in the rows under its caption.
    EXPECT_TRUE(two->page(1).findText("Niewłaściwe posługiwanie się czynnikiem"));
    EXPECT_TRUE(two->page(1).findText("184"));
    // X1 is the unit's town, not the place of the accident (item 15, page two).
    EXPECT_FALSE(one->page(1).findText("1465011"));
    set("STRATYZL", 0.0, "SKWWYPADKI");
    EXPECT_EQ(cell(print("TKartWypRep1Form_5")->page(1), c, "14", c.code, c.text)->text, "0.0");

    // The numbering of each form's tables.
    const QStringList current{"X1", "X2", "X3", "Poz.", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10",
                              "11", "12", "13", "14"};
    EXPECT_EQ(rowNumbers(one->page(1), c), current);
    EXPECT_EQ(rowNumbers(two->page(1), c), (QStringList{"Poz.", "15", "16", "17", "18", "19", "20", "21", "22", "23",
                                                        "24", "25", "26", "27"}));
    EXPECT_EQ(rowNumbers(print("TKartWypRep3Form_5")->page(1), c), (QStringList{"16.", "28", "29"}));
    EXPECT_EQ(rowNumbers(print("TKartWypRep1Form_4")->page(1), c), (current + QStringList{"28", "29"}));
    EXPECT_EQ(rowNumbers(print("TKartWypRep1Form_2")->page(1), c), (current.mid(3) + QStringList{"28", "29"}));
    EXPECT_EQ(rowNumbers(print("TKartWypRep1Form_1")->page(1), c),
              (QStringList{"Poz.", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12"}));
    // 2019 and 2010 keep the unit's names only.
    const PagesPtr older = print("TKartWypRep1Form_4");
    EXPECT_FALSE(cell(older->page(1), c, "X1", c.code, c.text));
    EXPECT_EQ(cell(older->page(1), c, "X1", c.text, c.right)->text, "Łęczyca");
    expectInsideMargins(*one);
    expectInsideMargins(*two);
}

TEST_F(StatCardPrint, TheCardNumberWithItsYearAndSymbolAndTheTextsOfTheDatasets) {
    EXPECT_TRUE(print("TKartWypRep1Form_5")->page(1).findText("7 / 2023"));
    admSettings().symbolWyp = true;
    admSettings().separator = QStringLiteral("-");
    EXPECT_TRUE(print("TKartWypRep1Form_5")->page(1).findText("7-ZP / 2023"));
    // Page three: its number and second contact from ZestWyp2SQL, the rest its own.
    PagesPtr three = print("TKartWypRep3Form_5");
    for (const char* t : {"7-ZP / 2023", "2023-03-09", "KADRY@FIRMA.PL", "42 765 43 21", "01.09.2023, Łęczyca",
                          "Zakład Mechaniczny Łęczyca Sp. z o.o.", "471234567"})
        EXPECT_TRUE(three->page(1).findText(t)) << t;
    dm->dataset("ZestWyp2SQL")->close();
    ProtocolReport& f = form("TKartWypRep3Form_5");
    f.setRun(DocumentRun{dm.get(), admSettings(), false});
    three = f.prepare();
    EXPECT_FALSE(three->page(1).findText("7-ZP / 2023"));
    EXPECT_FALSE(three->page(1).findText("KADRY@FIRMA.PL"));
    EXPECT_TRUE(three->page(1).findText("42 765 43 21"));
    // Without a date the year is 0 and the date and hour print nothing.
    admSettings().symbolWyp = false;
    set("DATA", QVariant(), "SKWWYPADKI");
    EXPECT_TRUE(print("TKartWypRep1Form_5")->page(1).findText("7 / 0"));
    const Columns c(f);
    const PagesPtr two = print("TKartWypRep2Form_5");
    EXPECT_FALSE(cell(two->page(1), c, "16", c.code, c.text));
    EXPECT_FALSE(cell(two->page(1), c, "17", c.code, c.text));
    // The training of 1996: "brak przeszkolenia" from the four columns, "T" counting as done.
    auto noTraining = [&]() {
        const PagesPtr p = print("TKartWypRep1Form");
        const DrawItem* caption = p->page(1).findText("0) brak przeszkolenia");
        for (const DrawItem& i : p->page(1).items)
            if (caption && i.kind == DrawItem::Kind::Text && i.origin.x() >= c.code && i.origin.x() < c.text &&
                std::abs(i.origin.y() - caption->origin.y()) < 4)
                return i.text;
        return QString();
    };
    EXPECT_EQ(noTraining(), "n");
    set("SZKWSTEPNE", "n");
    EXPECT_EQ(noTraining(), "t");
}

TEST_F(StatCardPrint, EachValuePrintsXInItsBoxOrNowhereAndABlankCardNothing) {
    // No answer marks anything.
    set("PLEC", 0);
    set("SKUTKI", 0);
    set("SKUTKIR", 0);
    set("TYPWYP", 2);
    set("SPKRYTJEDN", 0);
    set("FORMAPRACY", 0);
    for (const QString& n : kPages5) EXPECT_EQ(xCount(*print(n)), 0) << n.toStdString();
    struct Case {
        const char* column;
        int value;
        int box;  // 0: none
        const char* form;
        int neutral;
    };
    const std::vector<Case> cases = {
        {"PLEC", 1, 1, "TKartWypRep1Form_5", 0},       {"PLEC", 2, 2, "TKartWypRep1Form_5", 0},
        {"SKUTKI", 1, 1, "TKartWypRep1Form_5", 0},     {"SKUTKI", 3, 3, "TKartWypRep1Form_5", 0},
        {"SKUTKI", 4, 3, "TKartWypRep1Form_5", 0},     {"SKUTKIR", 2, 2, "TKartWypRep3Form_5", 0},
        {"SKUTKIR", 4, 3, "TKartWypRep1Form_4", 0},    {"TYPWYP", 0, 1, "TKartWypRep1Form_5", 2},
        {"TYPWYP", 1, 2, "TKartWypRep1Form_5", 2},     {"TYPWYP", 3, 0, "TKartWypRep1Form_5", 2},
        {"SPKRYTJEDN", 2, 1, "TKartWypRep1Form_5", 0}, {"SPKRYTJEDN", 1, 2, "TKartWypRep1Form_3", 0},
        {"FORMAPRACY", 2, 1, "TKartWypRep2Form_5", 0}, {"FORMAPRACY", 1, 2, "TKartWypRep2Form_5", 0},
        {"PLEC", 2, 2, "TKartWypRep1Form", 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.column) + " " + std::to_string(k.value) + " " + k.form);
        set(k.column, k.value);
        const PagesPtr pages = print(k.form);
        ProtocolReport& f = form(k.form);
        EXPECT_EQ(xCount(*pages), k.box ? 1 : 0);
        if (k.box) {
            const DrawItem* x = pages->page(1).findText("X");
            const Element* box = f.find(QStringLiteral("box:%1:%2").arg(k.column).arg(k.box));
            ASSERT_TRUE(x && box);
            // The "X" stands in a frame drawn where the box of the value is.
            const QPointF centre(x->origin.x() + ReferenceDevice::textWidth(x->font, "X") / 2,
                                 x->origin.y() - ReferenceDevice::ascent(x->font) / 2);
            bool inBox = false;
            for (const DrawItem& r : pages->page(1).items)
                if (r.kind == DrawItem::Kind::Rect && std::abs(r.rect.width() - kMarkBox) < 0.01 &&
                    std::abs(r.rect.left() - f.page.leftMargin - box->box.left()) < 0.01 && r.rect.contains(centre))
                    inBox = true;
            EXPECT_TRUE(inBox);
        }
        set(k.column, k.neutral);
    }

    // A blank card: the frames and captions, no value and no "X"; a filled one after it
    // is whole again.
    set("PLEC", 2);
    const QStringList values{"471234567", "7 / 2023", "1980", "Łęczyca", "Ślusarz", "BHP@FIRMA.PL", "Józef",
                             "Zakład Mechaniczny Łęczyca Sp. z o.o.", "120", "2023-03-09", "14.05", "X"};
    for (const QString& n : kAll) {
        const QStringList texts = print(n, true)->texts();
        for (const QString& v : values) EXPECT_FALSE(texts.contains(v)) << n.toStdString() << " " << v.toStdString();
    }
    const PagesPtr blank = print("TKartWypRep1Form_5", true);
    EXPECT_TRUE(blank->texts().contains("Kolejny nr statystycznej"));
    EXPECT_TRUE(blank->texts().contains("Dane pracodawcy (nazwa i adres)"));
    EXPECT_EQ(xCount(*print("TKartWypRep1Form_5")), 1);
}

// With ZORT_LOOK_DIR set, every form is saved there filled and blank, to be looked at.
TEST_F(StatCardPrint, SavesEveryFormForLooking) {
    if (!qEnvironmentVariableIsSet("ZORT_LOOK_DIR")) GTEST_SKIP() << "ZORT_LOOK_DIR not set";
    for (const QString& n : kAll)
        for (bool blank : {false, true}) exportPdf(print(n, blank), n + (blank ? QStringLiteral("_puste") : QString()));
}

} // namespace
} // namespace zort::test
