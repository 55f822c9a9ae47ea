// The printed statistical accident card ("STATYSTYCZNA KARTA WYPADKU") in the layout
// of each of its forms: one definition for the protocol builder (ProtocolPrintLayout.h)
// whose rows, numbering, captions and blocks are chosen by the form, and the page
// forms made of it. Page one reads ZestWyp2SQL (the person, the employment, the
// effects), page two ZestWyp3SQL (the accident and its codes); the second part of
// 2022 is a page of its own that reads ZestWyp3SQL and the number and contact texts
// of ZestWyp2SQL; the forms of 2004 to 2019 print the second part on page one, the
// forms of 2000 on page two. The chosen answers print "X" in their boxes by the
// value -> box tables of the card window (domain/CardMarks.h); the fixed wording of
// each form comes from domain/StatCardTexts.h.
#include "domain/CardMarks.h"
#include "domain/StatCardTexts.h"
#include "printing/PrintForms.h"
#include "printing/ProtocolPrintLayout.h"
#include "printing/ReportForms.h"

#include <array>

namespace zort::print {
namespace {

using Part = ProtItem::Part;
using Pieces = std::vector<ProtPiece>;
using Lines = std::vector<ProtLine>;
using namespace protdef;

const QString kKind = QStringLiteral("WypSkw");
const QString kPersonData = QStringLiteral("ZestWyp2SQL");
const QString kAccidentData = QStringLiteral("ZestWyp3SQL");

// The forms as bits, to say which forms have a row or a block.
constexpr unsigned F1996 = 1u << 0;
constexpr unsigned F2001 = 1u << 1;
constexpr unsigned F2004 = 1u << 2;
constexpr unsigned F2010 = 1u << 3;
constexpr unsigned F2019 = 1u << 4;
constexpr unsigned F2022 = 1u << 5;
constexpr unsigned k2000 = F1996 | F2001;
constexpr unsigned kOlder = F2004 | F2010 | F2019;
constexpr unsigned kTrees = kOlder | F2022;
constexpr unsigned kLocalUnit = F2010 | F2019 | F2022;

constexpr double kTextSize = 7.5;
constexpr double kSmall = 7;
// The three columns of the header (units from the left margin).
constexpr double kLeftW = 250;
constexpr double kMiddleX = 258;
constexpr double kMiddleW = 190;
constexpr double kRightX = 456;

struct Edition {
    StatCardForm form;
    unsigned bit;
    const StatCardFixedTexts& texts() const { return statCardFixedTexts(form); }
    bool in(unsigned forms) const { return (forms & bit) != 0; }
    // The page that prints the second part.
    int partTwoPage() const { return bit == F2022 ? 3 : in(k2000) ? 2 : 1; }
};

double contentWidth() { return PageSetup().contentWidth(); }

FontSpec textFont(double size = kTextSize, bool bold = false) {
    FontSpec f(QStringLiteral("Arial"), size);
    f.bold = bold;
    return f;
}

ProtLine sized(Pieces pieces, double size, double indent = 0, bool bold = false) {
    ProtLine l = line(std::move(pieces), indent);
    l.size = size;
    l.bold = bold;
    return l;
}

ProtLine centred(const QString& text, double size, bool bold = true) {
    ProtLine l = sized({T(text)}, size, 0, bold);
    l.center = true;
    return l;
}

// The height of lines of words and boxes inside a frame (as the builder lays them).
double linesHeight(const Lines& lines) {
    double h = 2 * kCellPad;
    for (const ProtLine& l : lines) h += l.space + ReferenceDevice::lineHeight(textFont(l.size > 0 ? l.size : kTextSize, l.bold)) + 2;
    return h;
}

// Room between blocks.
ProtLine spacer() {
    ProtLine l = line({}, 0);
    l.space = 2;
    return l;
}

ProtPiece frame(double x, double width, double height, Lines inner, bool border = true) {
    ProtPiece p = B(x, width, height > 0 ? height : linesHeight(inner), QString());
    p.inner = std::move(inner);
    p.border = border;
    return p;
}

ProtPiece fromData(ProtPiece p, const QString& dataset) {
    p.dataset = dataset;
    return p;
}

ProtItem item(int page, Lines lines, std::vector<ProtRow> rows = {}) {
    ProtItem i;
    i.part = Part::PageOnly;
    i.page = page;
    i.lines = std::move(lines);
    i.rows = std::move(rows);
    return i;
}

// --- Rows ------------------------------------------------------------------------------

ProtRow row(const QString& number, const QString& caption, const QString& code, const QString& text = QString(),
            const QString& format = QString()) {
    ProtRow r;
    r.number = number;
    r.caption = caption;
    r.code = code;
    r.text = text;
    r.codeFormat = format;
    return r;
}

ProtRow headerRow() {
    ProtRow r;
    r.kind = ProtRow::Kind::Header;
    r.number = QStringLiteral("Poz.");
    r.caption = QStringLiteral("Rodzaj informacji");
    r.code = QStringLiteral("Kod lub liczba");
    r.text = QStringLiteral("Opis");
    return r;
}

ProtRow section(const QString& caption) {
    ProtRow r;
    r.kind = ProtRow::Kind::Section;
    r.caption = caption;
    return r;
}

// A row of boxes: for each answer its printed number, its box and its text, in as
// many lines as the code and description columns need.
ProtRow marksRow(const QString& number, const QString& caption, const QString& column,
                 const std::vector<std::pair<QString, QString>>& answers) {
    ProtRow r = row(number, caption, QString());
    const ProtTable t;
    const double room = contentWidth() - t.number - t.caption - 2 * kCellPad;
    const FontSpec f = textFont();
    Pieces pieces;
    double x = 0;
    int box = 0;
    for (const auto& [n, text] : answers) {
        ++box;
        constexpr double kApart = 6;  // between one answer and the next
        const double w = ReferenceDevice::textWidth(f, n) + kMarkBox + ReferenceDevice::textWidth(f, text) + 2 * kPieceGap + kApart;
        if (x > 0 && x + w - kApart > room) {
            r.lines.push_back(line(std::move(pieces), 0));
            pieces.clear();
            x = 0;
        }
        pieces.push_back(T(n, x > 0 ? x : 0));
        pieces.push_back(M(column, box));
        pieces.push_back(T(text));
        x += w;
    }
    r.lines.push_back(line(std::move(pieces), 0));
    for (ProtLine& l : r.lines) l.size = kTextSize;
    return r;
}

const std::vector<std::pair<QString, QString>> kSexes = {{QStringLiteral("1"), QStringLiteral("mężczyzna")},
                                                         {QStringLiteral("2"), QStringLiteral("kobieta")}};
std::vector<std::pair<QString, QString>> effects(const QString& dot) {
    return {{QStringLiteral("1") + dot, QStringLiteral("śmierć osoby poszkodowanej")},
            {QStringLiteral("2") + dot, QStringLiteral("ciężkie uszkodzenie ciała")},
            {QStringLiteral("3") + dot, QStringLiteral("inne skutki")}};
}

// A row of the card with the forms that print it.
struct CardRow {
    unsigned forms;
    ProtRow row;
};

std::vector<ProtRow> rowsOf(const Edition& e, const std::vector<CardRow>& rows) {
    std::vector<ProtRow> out;
    for (const CardRow& r : rows)
        if (e.in(r.forms)) out.push_back(r.row);
    return out;
}

// The local unit's own data (X1 to X3): the forms before 2022 keep names only.
std::vector<CardRow> localUnitRows() {
    return {
        {F2022, row(QStringLiteral("X1"), QStringLiteral("Miejscowość (gmina), na terenie której znajduje się jednostka lokalna"),
                    QStringLiteral("IDMSCJEDN"), QStringLiteral("MSCJEDN"))},
        {F2010 | F2019, row(QStringLiteral("X1"), QStringLiteral("Miejscowość (gmina), na terenie której znajduje się jednostka lokalna"),
                            QString(), QStringLiteral("MSCJEDN"))},
        {F2022, row(QStringLiteral("X2"), QStringLiteral("Rodzaj działalności wg PKD"), QStringLiteral("IDRODZDZIALJEDN"),
                    QStringLiteral("RODZDZIALJEDN"))},
        {F2010 | F2019, row(QStringLiteral("X2"), QStringLiteral("Rodzaj działalności wg PKD"), QString(),
                            QStringLiteral("RODZDZIALJEDN"))},
        {kLocalUnit, row(QStringLiteral("X3"), QStringLiteral("Forma własności"), QStringLiteral("IDFWJEDN"), QStringLiteral("FWJEDN"))},
    };
}

// Page one: the injured person and the effects.
std::vector<CardRow> personRows() {
    std::vector<CardRow> r = {
        {kTrees | k2000, headerRow()},
        {kTrees | k2000, marksRow(QStringLiteral("01"), QStringLiteral("Płeć"), QStringLiteral("PLEC"), kSexes)},
        {kTrees | k2000, row(QStringLiteral("02"), QStringLiteral("Rok urodzenia"), QStringLiteral("RokUrodz"))},
        {kTrees, row(QStringLiteral("03"), QStringLiteral("Obywatelstwo"), QStringLiteral("IDOBYWATELSTWO"), QStringLiteral("OBYWATELSTWO"))},
        {kTrees, row(QStringLiteral("04"), QStringLiteral("Status zatrudnienia"), QStringLiteral("IDUMOWY"), QStringLiteral("UMOWA"))},
        {kTrees, row(QStringLiteral("05"), QStringLiteral("Zawód wykonywany"), QStringLiteral("KODZAWODU"), QStringLiteral("ZAWOD"))},
        {kTrees, row(QStringLiteral("06"), QStringLiteral("Staż na zajmowanym stanowisku pracy w zakładzie pracy (w latach)"),
                     QStringLiteral("STAZ"))},
        {kTrees, row(QStringLiteral("07"), QStringLiteral("Godziny przepracowane od podjęcia pracy do chwili wypadku"),
                     QStringLiteral("GODZPRACY"))},
        // The form of 2000: occupation, contract and training before the seniority.
        {k2000, row(QStringLiteral("03"), QStringLiteral("Zawód wykonywany"), QStringLiteral("KODZAWODU"), QStringLiteral("ZAWOD"))},
        {k2000, row(QStringLiteral("04"), QStringLiteral("Rodzaj umowy o pracę"), QStringLiteral("IDUMOWY"), QStringLiteral("UMOWA"))},
        {k2000, row(QStringLiteral("05"), QStringLiteral("Przeszkolenie w zakresie bhp"), QString())},
        {F1996, row(QString(), QStringLiteral("0) brak przeszkolenia"), QStringLiteral("SzBrak"))},
        {k2000, row(QString(), QStringLiteral("1) przeszkolenie wstępne ogólne"), QStringLiteral("SZKWSTEPNE"))},
        {k2000, row(QString(), QStringLiteral("2) instruktaż na stanowisku pracy, przy którym zdarzył się wypadek"),
                    QStringLiteral("SZKINSTR"))},
        {k2000, row(QString(), QStringLiteral("3) przeszkolenie podstawowe"), QStringLiteral("SZKPODST"))},
        {k2000, row(QString(), QStringLiteral("4) przeszkolenie okresowe"), QStringLiteral("SZKOKRES"))},
        {k2000, row(QStringLiteral("06"), QStringLiteral("Staż pracy na zajmowanym stanowisku (w latach)"), QStringLiteral("STAZ"))},
        {k2000, row(QStringLiteral("07"), QStringLiteral("Godziny przepracowane od podjęcia pracy do chwili wypadku"),
                    QStringLiteral("GODZPRACY"))},
        {k2000, row(QStringLiteral("08"), QStringLiteral("Data wypadku"), QStringLiteral("DataWyp"))},
        {k2000, row(QStringLiteral("09"), QStringLiteral("Godzina wypadku"), QStringLiteral("godzwyp"))},
        {k2000, row(QStringLiteral("10"), QStringLiteral("Liczba osób poszkodowanych w wypadku"), QStringLiteral("POSZKODOWANI"))},
        {k2000, marksRow(QStringLiteral("11"), QStringLiteral("Skutki wypadku"), QStringLiteral("SKUTKI"), effects(QString()))},
        {k2000, row(QStringLiteral("12"), QStringLiteral("Liczba dni niezdolności do pracy"), QStringLiteral("DNINIEZD"))},
        // Since 2004: the effects known when the card is filled in.
        {kTrees, section(QStringLiteral("Skutki wypadku (znane w momencie wypełniania karty)"))},
        {kTrees, row(QStringLiteral("08"), QStringLiteral("Rodzaj urazu"), QStringLiteral("IDRODZAJURAZ"), QStringLiteral("RODZAJURAZ"))},
        {kTrees, row(QStringLiteral("09"), QStringLiteral("Umiejscowienie urazu"), QStringLiteral("IDURAZU1"), QStringLiteral("URAZ1"))},
        {kTrees, row(QStringLiteral("10"), QStringLiteral("Liczba osób poszkodowanych"), QStringLiteral("POSZKODOWANI"))},
        {kTrees, marksRow(QStringLiteral("11"), QStringLiteral("Skutki wypadku"), QStringLiteral("SKUTKI"), effects(QString()))},
        {kTrees, row(QStringLiteral("12"), QStringLiteral("Liczba dni niezdolności do pracy"), QStringLiteral("DNINIEZD"))},
        {kTrees, row(QStringLiteral("13"), QStringLiteral("Straty czasu pracy innych osób (w roboczogodzinach)"),
                     QStringLiteral("STRATYCZASU"))},
        {kTrees, row(QStringLiteral("14"),
                     QStringLiteral("Szacunkowe straty materialne spowodowane wypadkiem - w tys.\nzł, z jednym miejscem po przecinku "
                                    "(bez strat związanych ze\nstratami czasu pracy)"),
                     QStringLiteral("STRATYZL"), QString(), QStringLiteral("0.0"))},
    };
    return r;
}

// Page two: the accident and its codes.
std::vector<CardRow> accidentRows() {
    std::vector<CardRow> r = {
        {kTrees | k2000, headerRow()},
        {kTrees, section(QStringLiteral("Wypadek i jego przebieg"))},
        {F2022, row(QStringLiteral("15"), QStringLiteral("Położenie geograficzne miejsca wypadku"), QStringLiteral("IDPOLOZGEOGR"),
                    QStringLiteral("POLOZGEOGR"))},
        {kOlder, row(QStringLiteral("15"), QStringLiteral("Położenie geograficzne miejsca wypadku"), QString(),
                     QStringLiteral("POLOZGEOGR"))},
        {kTrees, row(QStringLiteral("16"), QStringLiteral("Data wypadku: (rok, miesiąc, dzień)"), QStringLiteral("DataWyp"))},
        {kTrees, row(QStringLiteral("17"), QStringLiteral("Godzina wypadku (0 - 23)"), QStringLiteral("GodzWyp"))},
        {kTrees, row(QStringLiteral("18"), QStringLiteral("Miejsce powstania wypadku"), QStringLiteral("IDMIEJSCA"), QStringLiteral("MIEJSCEWYP"))},
        {kTrees, row(QStringLiteral("19"), QStringLiteral("Proces pracy"), QStringLiteral("IDPROCESPRACY"), QStringLiteral("PROCESPRACY"))},
        {kTrees, row(QStringLiteral("20"), QStringLiteral("Rodzaj miejsca wypadku"), QStringLiteral("IDRODZAJMIEJSCAWYP"),
                     QStringLiteral("RODZAJMIEJSCAWYP"))},
        {kTrees, row(QStringLiteral("21"), QStringLiteral("Czynność wykonywana przez poszkodowanego w chwili wypadku"),
                     QStringLiteral("IDCZYNNOSCI"), QStringLiteral("CZYNNOSC"))},
        {kTrees, row(QStringLiteral("22"),
                     QStringLiteral("Czynnik materialny związany z czynnością wykonywaną przez\nposzkodowanego w chwili wypadku"),
                     QStringLiteral("IDCZYNNIKCZYNNOSC"), QStringLiteral("CZYNNIKCZYNNOSC"))},
        {kTrees, row(QStringLiteral("23"), QStringLiteral("Wydarzenie będące odchyleniem od stanu normalnego"),
                     QStringLiteral("IDWYDARZENIA"), QStringLiteral("WYDARZENIE"))},
        {kTrees, row(QStringLiteral("24"), QStringLiteral("Czynnik materialny związany z odchyleniem od stanu normalnego"),
                     QStringLiteral("IDCZYNNIKODCHYLENIE"), QStringLiteral("CZYNNIKODCHYLENIE"))},
        {kTrees, row(QStringLiteral("25"), QStringLiteral("Wydarzenie powodujące uraz"), QStringLiteral("IDWYDARZENIEURAZ"),
                     QStringLiteral("WYDARZENIEURAZ"))},
        {kTrees, row(QStringLiteral("26"), QStringLiteral("Czynnik materialny będący źródłem urazu"), QStringLiteral("IDCZYNNIKURAZ"),
                     QStringLiteral("CZYNNIKURAZ"))},
        {kTrees, row(QStringLiteral("27"), QStringLiteral("Przyczyny wypadku (należy podać wszystkie przyczyny)"), QString())},
        // The form of 2000: its own lists.
        {k2000, row(QStringLiteral("13"), QStringLiteral("Miejsce wypadku"), QStringLiteral("IDMIEJSCA"), QStringLiteral("MIEJSCEWYP"))},
        {k2000, row(QStringLiteral("14"), QStringLiteral("Umiejscowienie urazu"), QString())},
    };
    for (int k = 1; k <= 3; ++k)
        r.push_back({k2000, row(QString(), QString::number(k), QStringLiteral("IDURAZU%1").arg(k), QStringLiteral("URAZ%1").arg(k))});
    r.push_back({k2000, row(QStringLiteral("15"), QStringLiteral("Czynność wykonywana przez poszkodowanego w chwili wypadku"),
                            QStringLiteral("IDCZYNNOSCI"), QStringLiteral("CZYNNOSC"))});
    r.push_back({k2000, row(QStringLiteral("16"), QStringLiteral("Wydarzenie powodujące wypadek"), QStringLiteral("IDWYDARZENIA"),
                            QStringLiteral("WYDARZENIE"))});
    r.push_back({k2000, row(QStringLiteral("17"), QStringLiteral("Czynnik materialny i jego źródło"), QString())});
    for (int k = 1; k <= 4; ++k) {
        r.push_back({k2000, row(QString(), QStringLiteral("%1) czynnik").arg(k), QStringLiteral("IDCZYNNIKA%1").arg(k),
                                QStringLiteral("CZYNNIK%1").arg(k))});
        r.push_back({k2000, row(QString(), QStringLiteral("%1) źródło").arg(k), QStringLiteral("IDZRODLA%1").arg(k),
                                QStringLiteral("ZRODLO%1").arg(k))});
    }
    r.push_back({k2000, row(QStringLiteral("18"), QStringLiteral("Przyczyny wypadku"), QString())});
    // The causes: seven slots.
    for (int k = 1; k <= 7; ++k)
        r.push_back({kTrees | k2000, row(QString(), QString::number(k), QStringLiteral("IDPRZYCZYNY%1").arg(k),
                                         QStringLiteral("PRZYCZYNA%1").arg(k))});
    r.push_back({k2000, row(QStringLiteral("19"), QStringLiteral("Straty czasu pracy innych osób (w roboczogodzinach)"),
                            QStringLiteral("STRATYCZASU"))});
    r.push_back({k2000, row(QStringLiteral("20"), QStringLiteral("Szacunkowe straty materialne spowodowane wypadkiem (w tys. zł)"),
                            QStringLiteral("STRATYZL"), QString(), QStringLiteral("0.0"))});
    r.push_back({F1996, row(QStringLiteral("21"), QStringLiteral("Numer statystyczny choroby (z zaświadczenia lekarskiego)"),
                            QStringLiteral("KODCHOROBY"))});
    r.push_back({k2000, row(QString(), QStringLiteral("Do wykorzystania wg potrzeb branżowych"), QString(), QStringLiteral("DODBRANZA"))});
    return r;
}

// --- Blocks ----------------------------------------------------------------------------

// The header: the employer, the name of the form, where it goes; REGON and the term;
// the note; the type of the accident, the workers and the number of the card. The
// page of the second part keeps the employer, the form, REGON, its own term and note
// and the number.
Lines header(const Edition& e, bool partTwo) {
    const StatCardFixedTexts& t = e.texts();
    const double w = contentWidth();
    Lines out;

    ProtPiece employer = B(0, kLeftW, 88, t.employer);
    employer.size = kSmall;
    if (!t.employerStamp) {
        employer.columns = {QStringLiteral("PRZEDSIEB"), QStringLiteral("ADRESFIRMA")};
        employer.separator = QStringLiteral("\n");
    }
    Lines title;
    for (int i = 0; i < t.title.size(); ++i) title.push_back(centred(t.title[i], i == 0 && e.in(kTrees) ? 14 : 11));
    Lines office;
    for (const QString& o : t.office) office.push_back(centred(o, kTextSize, false));
    out.push_back(line({employer, frame(kMiddleX, kMiddleW, 88, title, false), frame(kRightX, w - kRightX, 88, office)}, 0));

    ProtPiece regon = B(0, kLeftW, 56, QStringLiteral("Numer identyfikacyjny - \nREGON"), {QStringLiteral("REGON")});
    regon.size = kSmall;
    regon.boldData = true;
    ProtPiece number = B(kRightX, w - kRightX, 56, t.numberCaption,
                         {QStringLiteral("nrKarty_symbol"), QStringLiteral("RokProtok")}, QStringLiteral(" / "));
    number.size = kSmall;
    number.boldData = true;
    number.centerData = true;
    if (partTwo) number.dataset = kPersonData;
    const QStringList& deadline = partTwo ? t.deadlinePart2 : t.deadline;
    Pieces second{regon};
    if (!deadline.isEmpty()) {
        Lines d;
        for (int i = 0; i < deadline.size(); ++i) d.push_back(sized({T(deadline[i])}, kSmall, 0, i == 0));
        // The number shares the line on the page of part II; on page one the term has it whole.
        second.push_back(frame(kMiddleX, (partTwo ? kRightX - 8 : w) - kMiddleX, 56, d));
    }
    if (t.workersCaption.isEmpty() || partTwo) second.push_back(number);
    ProtLine secondLine = line(second, 0);
    secondLine.space = 4;
    out.push_back(secondLine);

    const QStringList& note = partTwo ? t.notePart2 : t.note;
    if (!note.isEmpty()) {
        if (note.size() == 1) {
            ProtLine l = sized({T(t.noteHeading), T(note.first())}, kSmall, 0);
            l.space = 5;
            out.push_back(l);
        } else {
            ProtLine h = sized({T(t.noteHeading)}, kSmall, 0, true);
            h.space = 5;
            out.push_back(h);
            for (const QString& n : note) out.push_back(sized({T(n)}, kSmall, 0));
        }
    }
    if (partTwo) return out;

    // The type of the accident, the workers, the number.
    const double typeW = ReferenceDevice::textWidth(textFont(), t.typeNumbers.value(0)) + kPieceGap + kMarkBox + kPieceGap;
    Lines type = {sized({T(t.typeNumbers.value(0)), M(QStringLiteral("TYPWYP"), 1), T(t.typeTexts.value(0))}, kTextSize),
                  sized({T(t.typeNumbers.value(1)), M(QStringLiteral("TYPWYP"), 2), T(t.typeTexts.value(1))}, kTextSize),
                  sized({T(t.typeEqualSecondLine, typeW)}, kTextSize)};
    type[1].space = 3;
    Pieces third{frame(0, kLeftW, 56, type, false)};
    if (!t.workersCaption.isEmpty()) {
        ProtPiece workers = B(kMiddleX, kMiddleW, 56, t.workersCaption, {QStringLiteral("LICZBAPRAC")});
        workers.size = kSmall;
        workers.boldData = true;
        workers.centerData = true;
        third.push_back(workers);
        third.push_back(number);
    }
    ProtLine thirdLine = line(third, 0);
    thirdLine.space = 4;
    out.push_back(thirdLine);
    return out;
}

// The local-unit question: the one of 2022, or the criteria of 2010 and 2019.
ProtItem localUnit(const Edition& e) {
    const StatCardFixedTexts& t = e.texts();
    Lines inner;
    for (const QString& q : t.localUnitQuestion) inner.push_back(sized({T(q)}, kSmall, 0, !t.localUnitCriteria.isEmpty()));
    for (const QString& c : t.localUnitCriteria) inner.push_back(sized({T(c)}, kSmall, 8));
    const QString column = QStringLiteral("SPKRYTJEDN");
    ProtLine answers = t.localUnitCriteria.isEmpty()
                           ? sized({T(t.localUnitYesNumber), M(column, 1), T(t.localUnitYes), T(t.localUnitNoNumber, 330),
                                    M(column, 2), T(t.localUnitNo)},
                                   kTextSize, 20)
                           : sized({M(column, 2), T(t.localUnitNo), M(column, 1, 80), T(t.localUnitYes)}, kTextSize, 20);
    answers.space = 3;
    inner.push_back(answers);
    ProtLine l = line({frame(0, contentWidth(), 0, inner)}, 0);
    l.space = 4;
    ProtItem it = item(1, {l});
    // The data of the unit.
    ProtLine heading = sized({T(QStringLiteral("Dodatkowe dane o jednostce (np. jej oddziale, filii, sklepie, magazynie), "
                                               "według faktycznego miejscu pracy poszkodowanego"))},
                             kTextSize, 0, true);
    heading.space = 4;
    it.lines.push_back(heading);
    it.rows = rowsOf(e, localUnitRows());
    return it;
}

// The person of the forms of 2000: name and "syn, córka" (the form of 1996: the
// father's name).
Lines personName(const Edition& e, const QString& dataset = QString()) {
    ProtLine name = sized({T(QStringLiteral("Imię i nazwisko poszkodowanego:")), fromData(F(QStringLiteral("IMIE"), 150), dataset),
                           fromData(F(QStringLiteral("NAZWISKO"), 0), dataset)},
                          kTextSize);
    name.space = 4;
    ProtLine parent = e.bit == F1996 ? sized({T(QStringLiteral("Imię ojca:")), fromData(F(QStringLiteral("IMOJCA"), 200), dataset)}, kTextSize)
                                     : sized({T(QStringLiteral("syn, córka:")), fromData(F(QStringLiteral("SYNCORKA"), 200), dataset)}, kTextSize);
    return {name, parent};
}

// Who filled in a part of the card. 2022: the official e-mail and telephone and the
// date and place; the older forms: the name, telephone, place and date, and the
// employer's place, date and signature.
ProtItem contact(const Edition& e, int page, bool partTwo, const QString& dataset) {
    const QString s = partTwo ? QStringLiteral("2") : QString();
    Lines l;
    if (e.bit == F2022) {
        l.push_back(sized({T(QStringLiteral("Dane kontaktowe pracodawcy lub osoby przez niego upoważnionej (wyznaczonej) w "
                                            "zakresie sporządzonej statystycznej karty wypadku przy pracy Z-KW"))},
                          kSmall, 0, true));
        l.front().space = 8;
        l.push_back(sized({T(QStringLiteral("(służbowy adres e-mail lub służbowy numer telefonu):"))}, kSmall, 0, true));
        ProtLine data = sized({fromData(F(QStringLiteral("emailwypskw") + s + QStringLiteral("UPPER"), 280,
                                          QStringLiteral("(e-mail – NALEŻY WYPEŁNIĆ WIELKIMI LITERAMI)")),
                                        dataset),
                               F(QStringLiteral("TELWYPSKW") + s, 150, QStringLiteral("(numer telefonu)"), 300),
                               fromData(F(QStringLiteral("MiejsceDataWyp") + s, 0, QStringLiteral("(data, miejscowość)"), 470),
                                        dataset)},
                              kTextSize);
        data.space = 6;
        l.push_back(data);
    } else {
        ProtLine who = sized({F(QStringLiteral("IMNAZWWYPSKW") + s, 250, QStringLiteral("(imię i nazwisko osoby sporządzającej kartę)")),
                              F(QStringLiteral("TELWYPSKW") + s, 150, QStringLiteral("(telefon)"), 270),
                              fromData(F(QStringLiteral("MiejsceDataWyp") + s, 0, QStringLiteral("(miejscowość, data)"), 440), dataset)},
                             kTextSize);
        who.space = 8;
        ProtLine employer = sized({F(QStringLiteral("MIEJSCOWPPSKW") + s, 150, QStringLiteral("(miejscowość)")),
                                   D(QStringLiteral("DATAPPSKW") + s, 90, QStringLiteral("(data)"), 170),
                                   F(QString(), 0, QStringLiteral("(podpis pracodawcy lub osoby przez niego upoważnionej)"), 300)},
                                  kTextSize);
        employer.space = 12;
        l = {who, employer};
    }
    return item(page, l);
}

// The second part: the actual effects, on its page of the form.
std::vector<ProtItem> partTwo(const Edition& e) {
    const StatCardFixedTexts& t = e.texts();
    const int page = e.partTwoPage();
    std::vector<ProtItem> out;
    Lines heading;
    for (const QString& h : t.partTwo) heading.push_back(centred(h, 10));
    heading.front().space = 8;
    if (e.bit == F2022) {
        // The page of its own repeats the header, the number and the accident date.
        ProtItem top = item(page, header(e, true), {row(QStringLiteral("16."), QStringLiteral("Data wypadku: (rok, miesiąc, dzień)"),
                                                        QStringLiteral("DataWyp"))});
        out.push_back(top);
        ProtItem effectsItem = item(page, heading, {section(QStringLiteral("Rzeczywiste skutki wypadku")),
                                                    marksRow(QStringLiteral("28"), QStringLiteral("Skutki wypadku"),
                                                             QStringLiteral("SKUTKIR"), effects(QStringLiteral(".")))});
        effectsItem.rows.push_back(row(QStringLiteral("29"),
                                       QStringLiteral("Liczba dni niezdolności do pracy (znana w momencie wypełniania części II "
                                                      "karty)"),
                                       QStringLiteral("DNINIEZDR")));
        out.push_back(effectsItem);
        out.push_back(contact(e, page, true, kPersonData));
        return out;
    }
    // The older forms: the year (and the day) of the accident in a line of its own.
    const QString dataset = page == 1 ? QString() : kPersonData;
    if (e.in(k2000)) {
        const Lines name = personName(e);
        heading.insert(heading.end(), name.begin(), name.end());
    }
    ProtLine year = sized({fromData(F(QStringLiteral("OpisRok"), 0), dataset)}, kTextSize);
    year.space = 2;
    heading.push_back(year);
    const QString number28 = e.in(k2000) ? QString() : QStringLiteral("28");
    const QString number29 = e.in(k2000) ? QString() : QStringLiteral("29");
    ProtItem effectsItem = item(page, heading,
                                {marksRow(number28, QStringLiteral("Skutki wypadku"), QStringLiteral("SKUTKIR"), effects(QString())),
                                 row(number29, QStringLiteral("Liczba dni niezdolności do pracy (znana w momencie wypełniania "
                                                              "części II karty)"),
                                     QStringLiteral("DNINIEZDR"))});
    out.push_back(effectsItem);
    if (e.in(kOlder)) out.push_back(contact(e, page, true, dataset));
    return out;
}

ProtocolPrintLayout cardLayout(const Edition& e) {
    const StatCardFixedTexts& t = e.texts();
    ProtocolPrintLayout l;
    l.kindCode = kKind;
    l.chainedPages = true;
    l.textSize = kTextSize;
    l.dataSize = 9;
    l.captionSize = 6.5;
    l.pageDatasets = {kPersonData, kAccidentData};
    if (e.bit == F2022) l.pageDatasets << kAccidentData;
    for (const CardMarkTable& m : cardMarkTables()) {
        ProtMarks marks;
        marks.column = m.column;
        marks.boxes = m.boxes;
        l.marks.push_back(marks);
    }
    std::vector<ProtItem>& out = l.items;

    // Page one.
    Lines top = header(e, false);
    if (!t.partOne.isEmpty()) {
        ProtLine part = centred(t.partOne, 10);
        part.space = 4;
        top.push_back(part);
    }
    out.push_back(item(1, top));
    if (e.in(kLocalUnit)) out.push_back(localUnit(e));
    out.push_back(item(1, e.in(k2000) ? personName(e) : Lines{spacer()}, rowsOf(e, personRows())));

    // Page two.
    if (e.bit == F2022) {
        Lines remote = {sized({T(QStringLiteral("Czy wypadek wydarzył się w związku z wykonywaniem pracy zorganizowanej w formie "
                                                "zdalnej lub telepracy?"))},
                              kTextSize, 0, true),
                        sized({T(QStringLiteral("Z1")), M(QStringLiteral("FORMAPRACY"), 1), T(QStringLiteral("Tak")),
                               T(QStringLiteral("Z2"), 100), M(QStringLiteral("FORMAPRACY"), 2), T(QStringLiteral("Nie"))},
                              kTextSize, 20)};
        remote[1].space = 3;
        out.push_back(item(2, {line({frame(0, contentWidth(), 0, remote)}, 0)}));
    }
    out.push_back(item(2, {spacer()}, rowsOf(e, accidentRows())));
    if (e.in(kTrees)) {
        // The part I contact of 2022 stands under the table; the older forms sign page two.
        out.push_back(contact(e, 2, false, QString()));
    } else {
        ProtLine sign = sized({F(QString(), 220, QStringLiteral("(miejscowość, data)")),
                               F(QString(), 0, QStringLiteral("(podpis pracodawcy)"), 300)},
                              kTextSize);
        sign.space = 24;
        out.push_back(item(2, {sign}));
    }

    // The second part (each page form prints the items of its page, in this order).
    for (ProtItem& it : partTwo(e)) out.push_back(it);
    return l;
}

const ProtocolPrintLayout& layoutOf(StatCardForm form) {
    static const std::array<ProtocolPrintLayout, 6> all = [] {
        std::array<ProtocolPrintLayout, 6> a;
        const Edition editions[] = {{StatCardForm::Form1996, F1996}, {StatCardForm::Form2001, F2001},
                                    {StatCardForm::Form2004, F2004}, {StatCardForm::Form2010, F2010},
                                    {StatCardForm::Form2019, F2019}, {StatCardForm::Form2022, F2022}};
        for (const Edition& e : editions) a[size_t(e.form)] = cardLayout(e);
        return a;
    }();
    return all[size_t(form)];
}

// The page forms, one class each: the form of its version and its page.
template <StatCardForm Form, int Page>
class StatCardPage : public ProtocolReport {
public:
    explicit StatCardPage(const QString& name) : ProtocolReport(name, layoutOf(Form), Page) {}
};

#define ZORT_STAT_CARD_PAGE(Name, Form, Page)                                                   \
    class Name : public StatCardPage<StatCardForm::Form, Page> {                                \
    public:                                                                                     \
        Name() : StatCardPage(QStringLiteral(#Name)) {}                                         \
    };

ZORT_STAT_CARD_PAGE(TKartWypRep1Form, Form1996, 1)
ZORT_STAT_CARD_PAGE(TKartWypRep2Form, Form1996, 2)
ZORT_STAT_CARD_PAGE(TKartWypRep1Form_1, Form2001, 1)
ZORT_STAT_CARD_PAGE(TKartWypRep2Form_1, Form2001, 2)
ZORT_STAT_CARD_PAGE(TKartWypRep1Form_2, Form2004, 1)
ZORT_STAT_CARD_PAGE(TKartWypRep2Form_2, Form2004, 2)
ZORT_STAT_CARD_PAGE(TKartWypRep1Form_3, Form2010, 1)
ZORT_STAT_CARD_PAGE(TKartWypRep2Form_3, Form2010, 2)
ZORT_STAT_CARD_PAGE(TKartWypRep1Form_4, Form2019, 1)
ZORT_STAT_CARD_PAGE(TKartWypRep2Form_4, Form2019, 2)
ZORT_STAT_CARD_PAGE(TKartWypRep1Form_5, Form2022, 1)
ZORT_STAT_CARD_PAGE(TKartWypRep2Form_5, Form2022, 2)
ZORT_STAT_CARD_PAGE(TKartWypRep3Form_5, Form2022, 3)

#undef ZORT_STAT_CARD_PAGE

} // namespace

void registerStatCardForms() {
    addForm<TKartWypRep1Form>("TKartWypRep1Form");
    addForm<TKartWypRep2Form>("TKartWypRep2Form");
    addForm<TKartWypRep1Form_1>("TKartWypRep1Form_1");
    addForm<TKartWypRep2Form_1>("TKartWypRep2Form_1");
    addForm<TKartWypRep1Form_2>("TKartWypRep1Form_2");
    addForm<TKartWypRep2Form_2>("TKartWypRep2Form_2");
    addForm<TKartWypRep1Form_3>("TKartWypRep1Form_3");
    addForm<TKartWypRep2Form_3>("TKartWypRep2Form_3");
    addForm<TKartWypRep1Form_4>("TKartWypRep1Form_4");
    addForm<TKartWypRep2Form_4>("TKartWypRep2Form_4");
    addForm<TKartWypRep1Form_5>("TKartWypRep1Form_5");
    addForm<TKartWypRep2Form_5>("TKartWypRep2Form_5");
    addForm<TKartWypRep3Form_5>("TKartWypRep3Form_5");
}

} // namespace zort::print
