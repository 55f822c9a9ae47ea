// The printed accident card ("KARTA WYPADKU") of a person who is not an employee:
// the card of 2022 as one definition for the protocol builder
// (ProtocolPrintLayout.h), the cards of 2012 and 2002 as that definition with their
// differences. From each definition come the whole card, flowing over as many pages
// as its texts need, and its page forms (four pages; the card of 2002 two), whose
// free texts sit in fixed boxes that share the room each page leaves. Every form
// reads one row of ZestKarta1SQL (ReportDatasets.h); the wordings the regulations
// give their forms are in domain/AccidentCardTexts.h.
#include "domain/AccidentCardTexts.h"
#include "printing/PrintForms.h"
#include "printing/ProtocolPrintLayout.h"
#include "printing/ReportForms.h"

#include <map>

namespace zort::print {
namespace {

using Part = ProtItem::Part;
using Pieces = std::vector<ProtPiece>;
using namespace protdef;

const QString kKind = QStringLiteral("WypKart");
const QString kDataset = QStringLiteral("ZestKarta1SQL");
const QString kNumber = QStringLiteral("nrKartyWyp_symbol");
const QString kTitle = QStringLiteral("KARTA WYPADKU ");

constexpr double kTextSize = 8;
constexpr double kNoteSize = 6.5;   // instructions under items, footnotes
constexpr int kWhole = 0;           // the page of items only the whole card prints

// Where the card of a regulation puts its items on its page forms.
struct Pages {
    int count = 4;
    int witnesses = 2;     // III.3
    int finding = 2;       // III.4 (the page of its footnotes)
    int exclusive = 2;     // III.5
    int intoxication = 3;  // III.6
    int others = 3;        // IV.1 to IV.3
    int received = 4;      // IV.4 and IV.5
};

// A free text's box on its page form: a share of the room the page leaves
// (fitBoxes() turns it into a height).
ProtItem shareItem(int number, Part part, int page, std::vector<ProtLine> lines, const QString& column = QString(),
                   double boxShare = 0, double textHeight = 0, double blank = 0) {
    return item(number, part, page, std::move(lines), column, -boxShare, textHeight, blank);
}

ProtLine sized(ProtLine l, double size) {
    l.size = size;
    return l;
}

// A paragraph broken into lines that fit the page at the indent.
std::vector<ProtLine> paragraph(const QString& text, double indent, double size, bool bold = false) {
    FontSpec font(QStringLiteral("Arial"), size);
    font.bold = bold;
    const double width = PageSetup().contentWidth() - indent - 2;
    std::vector<ProtLine> out;
    QString current;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        const QString next = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (!current.isEmpty() && ReferenceDevice::textWidth(font, next) > width) {
            out.push_back(sized(plain(current, indent), size));
            current = word;
        } else {
            current = next;
        }
    }
    if (!current.isEmpty()) out.push_back(sized(plain(current, indent), size));
    for (ProtLine& l : out) l.bold = bold;
    return out;
}

std::vector<ProtLine> joined(std::vector<std::vector<ProtLine>> parts) {
    std::vector<ProtLine> out;
    for (auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// The footnotes whose marks are given (all of them: an empty list).
std::vector<ProtLine> footnotes(const AccidentCardFixedTexts& t, const QStringList& marks = {}) {
    std::vector<ProtLine> out;
    for (const QStringList& note : t.footnotes)
        if (marks.isEmpty() || marks.contains(note.value(0)))
            out.push_back(sized(line({T(note.value(0)), T(note.value(1), 14)}, 0), kNoteSize));
    return out;
}

ProtPiece dashed(ProtPiece p) {
    p.dashed = true;
    return p;
}

ProtLine spaced(ProtLine l, double space) {
    l.space = space;
    return l;
}

std::vector<ProtItem> cardItems(const AccidentCardFixedTexts& t, const Pages& pages) {
    const bool y2002 = t.form == 0;
    std::vector<ProtItem> out;
    const double blankLine = ReferenceDevice::lineHeight(FontSpec(QStringLiteral("Arial"), 10)) + 1;

    // The entity drawing the card up, once at the top of the card; then the title:
    // always with its number on the whole card, without "nr " on a blank page one.
    out.push_back(shareItem(0, Part::Top, 1,
                       {spaced(line({dashed(F(QStringLiteral("PODMSPORZADZ"), 360, t.entityCaption))}, 0), 14)}));
    ProtLine whole = line({V(kNumber, kTitle + QStringLiteral("nr "), kTitle + QStringLiteral("nr "))}, 0);
    ProtLine first = line({V(kNumber, kTitle + QStringLiteral("nr "), kTitle)}, 0);
    for (ProtLine* l : {&whole, &first}) {
        l->center = true;
        l->bold = true;
        l->size = 12;
        l->space = 4;
    }
    out.push_back(shareItem(0, Part::Top, kWhole, {whole}));
    out.push_back(shareItem(0, Part::PageOnly, 1, {first}));

    // I. The payer of contributions.
    Pieces payer{T(t.payerHeading), N(t.payerMark)};
    out.push_back(shareItem(1, Part::Chain, 1,
                       {heading(payer),
                        line({T(QStringLiteral("1. Imię i nazwisko lub nazwa")), F(QStringLiteral("PRZEDSIEB"), 0)}),
                        line({T(QStringLiteral("2. Adres siedziby")), F(QStringLiteral("ADRESFIRMA"), 0)}),
                        line({T(QStringLiteral("3. NIP")), F(QStringLiteral("NIPFIRMA"), 150), T(QStringLiteral("REGON"), 220),
                              F(QStringLiteral("REGON"), 150), T(QStringLiteral("PESEL"), 440), F(QStringLiteral("PESELFIRMA"), 0)}),
                        line({T(QStringLiteral("Dokument tożsamości (dowód osobisty lub paszport)")),
                              F(QStringLiteral("DOKFIRMA"), 0, QStringLiteral("rodzaj dokumentu, seria, numer"))})}));

    // II. The injured person.
    Pieces pesel{T(QStringLiteral("2. PESEL")), F(QStringLiteral("PESELPRAC"), 150)};
    if (y2002) {
        pesel.push_back(T(QStringLiteral("NIP"), 220));
        pesel.push_back(F(QStringLiteral("NIPPRAC"), 150));
    }
    out.push_back(shareItem(2, Part::Chain, 1,
                       {heading(t.personHeading),
                        line({T(QStringLiteral("1. Imię i nazwisko poszkodowanego")), F(QStringLiteral("Poszkodowany"), 0)}),
                        line(pesel),
                        line({T(QStringLiteral("Dokument tożsamości (dowód osobisty lub paszport)")),
                              F(QStringLiteral("DOKPRAC"), 0, QStringLiteral("rodzaj dokumentu, seria, numer"))}),
                        line({T(QStringLiteral("3. Data i miejsce urodzenia")), F(QStringLiteral("Urodzony"), 0)}),
                        line({T(QStringLiteral("4. Adres zamieszkania")), F(QStringLiteral("Adres"), 0)})}));
    // II.5: the instruction of the form under its item, then the title of insurance
    // (two lines on a page form).
    ProtItem insurance = shareItem(2, Part::Chain, 1, joined({{plain(t.insuranceItem)}, paragraph(t.insuranceNote, kIndent, kNoteSize)}),
                              QStringLiteral("UBEZPOPIS"), 0, blankLine, 2 * blankLine);
    insurance.boxHeight = 2 * blankLine;
    out.push_back(insurance);

    // III. The accident: who reported it, what happened, the witnesses.
    out.push_back(shareItem(3, Part::Chain, 1,
                       {heading(QStringLiteral("III. INFORMACJE O WYPADKU")), plain(t.reportItem),
                        line({D(QStringLiteral("DATAZG"), 90), F(QStringLiteral("IMNAZWZG"), 0)}, 20)}));
    out.push_back(shareItem(3, Part::Chain, 1, {plain(t.circumstancesItem)}, QStringLiteral("OKOLICZNOSCI"), 1, 0, mm(70)));
    const QString witness = QStringLiteral("imię i nazwisko, miejsce zamieszkania");
    out.push_back(shareItem(3, Part::Chain, pages.witnesses,
                       {plain(QStringLiteral("3. Świadkowie wypadku")),
                        line({T(QStringLiteral("1)")), F(QStringLiteral("swiadek1"), 0, witness)}, 20),
                        line({T(QStringLiteral("2)")), F(QStringLiteral("swiadek2"), 0, witness)}, 20)}));

    // III.4: is it an accident at work; the point of the act in its gap (2022).
    ProtPiece gap = T(t.pointGap);
    if (t.form == 2) gap = overGap(gap, QStringLiteral("PktUstawy"));
    Pieces finding{T(t.findingItem), C(t.findingIs), T(QStringLiteral("/")), C(t.findingIsNot), N(t.strikeMark),
                   T(t.findingWords), gap};
    if (!t.pointMark.isEmpty()) finding.push_back(N(t.pointMark));
    if (!t.otherArticle.isEmpty()) {
        finding.push_back(T(t.otherArticle));
        finding.push_back(N(t.otherArticleMark));
    }
    out.push_back(shareItem(3, Part::Chain, pages.finding, {line(finding), plain(t.act, 20), plain(t.justificationCaption, 20)},
                       QStringLiteral("UZASADN"), 1, 0, mm(35)));
    out.push_back(shareItem(3, Part::Chain, pages.exclusive, paragraph(t.exclusiveCause, kIndent, kTextSize),
                       QStringLiteral("DOWUCHYB"), 1, 0, mm(30)));
    out.push_back(shareItem(3, Part::Chain, pages.intoxication, paragraph(t.intoxication, kIndent, kTextSize),
                       QStringLiteral("DOWPIJ"), 1, 0, mm(30)));

    // IV. The card itself.
    out.push_back(shareItem(4, Part::Chain, pages.others,
                       joined({{heading(QStringLiteral("IV. POZOSTAŁE INFORMACJE"))},
                               paragraph(t.acquaintance, kIndent, kTextSize),
                               {spaced(line({F(QStringLiteral("IMNAZWODB"), 300,
                                               QStringLiteral("imię i nazwisko poszkodowanego (członka rodziny) ")),
                                             D(QStringLiteral("DATAZAPOZ"), 100, QStringLiteral("data"), 330),
                                             F(QString(), 0, QStringLiteral("podpis"), 470)},
                                            kIndent),
                                       8)}})));
    out.push_back(shareItem(4, Part::Chain, pages.others,
                       {line({T(t.preparedItem), D(QStringLiteral("DATAPROT"), 100)}),
                        spaced(line({T(QStringLiteral("1)")),
                                     F(QStringLiteral("PODMSPORZADZ"), 0,
                                       QStringLiteral("nazwa podmiotu obowiązanego do sporządzenia karty wypadku"))},
                                    20),
                               6),
                        spaced(line({T(QStringLiteral("2)")),
                                     F(QStringLiteral("IMNAZSPORZADZ"), 300,
                                       QStringLiteral("imię i nazwisko sporządzającego kartę wypadku")),
                                     F(QString(), 0, t.preparerSignature, 340)},
                                    20),
                               6)}));
    out.push_back(shareItem(4, Part::Chain, pages.others,
                       {plain(QStringLiteral("3. Przeszkody i trudności uniemożliwiające sporządzenie karty wypadku w "
                                             "wymaganym terminie 14 dni"))},
                       QStringLiteral("PRZESZKODY"), 0.5, 0, mm(25)));
    out.push_back(shareItem(4, Part::Chain, pages.received,
                       {spaced(line({T(t.receivedItem), D(QStringLiteral("DATAODB"), 100),
                                     F(QString(), 0, QStringLiteral("podpis uprawnionego"), 340)}),
                               4)}));
    out.push_back(shareItem(4, Part::Chain, pages.received, {plain(QStringLiteral("5. Załączniki:"))},
                       QStringLiteral("ZALACZNIKI"), 0.5, 0, mm(25)));

    // The footnotes: all under the whole card; on the page forms under the page of
    // their marks.
    out.push_back(shareItem(99, Part::Summary, kWhole, footnotes(t)));
    QStringList later;
    for (const QStringList& note : t.footnotes)
        if (note.value(0) != t.payerMark) later << note.value(0);
    out.push_back(shareItem(99, Part::PageOnly, 1, footnotes(t, {t.payerMark})));
    out.push_back(shareItem(99, Part::PageOnly, pages.finding, footnotes(t, later)));
    return out;
}

// The free texts of each page form share the room the page leaves after its lines
// in proportion to their shares.
void fitBoxes(ProtocolPrintLayout& l) {
    for (int page = 1; page <= int(l.pageDatasets.size()); ++page) {
        ProtocolPrintLayout probe = l;
        double shares = 0;
        for (ProtItem& it : probe.items)
            if (it.page == page && !it.column.isEmpty() && it.boxHeight < 0) {
                shares += -it.boxHeight;
                it.boxHeight = 0;
            }
        const ProtocolReport form(QStringLiteral("probe"), probe, page);
        const double room = form.page.size().height() - form.page.topMargin - form.page.bottomMargin -
                            (l.pageFooter ? kFooterHeight : 0) - form.band(BandType::Title)->height - 4;
        for (ProtItem& it : l.items)
            if (it.page == page && !it.column.isEmpty() && it.boxHeight < 0)
                it.boxHeight = std::max(12.0, room * -it.boxHeight / shares);
    }
}

ProtocolPrintLayout cardLayout(int form) {
    const AccidentCardFixedTexts& t = accidentCardFixedTexts(form);
    Pages pages;
    if (form == 0) pages = Pages{2, 1, 2, 2, 2, 2, 2};
    ProtocolPrintLayout l;
    l.form = form;
    l.pageTitle = kTitle + QStringLiteral("nr ");
    l.headerColumn = kNumber;
    l.titleHeader = true;
    l.pageFooter = true;
    l.items = cardItems(t, pages);
    ProtMarks finding;
    finding.column = QStringLiteral("RODZAJWYP");
    finding.struck = {{1, {t.findingIsNot}}, {2, {t.findingIs}}};
    l.marks = {finding};
    for (int i = 0; i < pages.count; ++i) l.pageDatasets << kDataset;
    l.wholeDatasets = {kDataset};
    l.textSize = kTextSize;
    l.kindCode = kKind;
    fitBoxes(l);
    return l;
}

const ProtocolPrintLayout& layoutOf(int form) {
    static const std::map<int, ProtocolPrintLayout> layouts = {{0, cardLayout(0)}, {1, cardLayout(1)}, {2, cardLayout(2)}};
    return layouts.at(form);
}

// The forms: a page (1..) or the whole (0) of the card of a regulation.
template <int Form, int Page>
class CardForm : public ProtocolReport {
public:
    explicit CardForm(const QString& name) : ProtocolReport(name, layoutOf(Form), Page) {}
};

class TKartaWypadkuRep2022_all_Form : public CardForm<2, 0> { public: TKartaWypadkuRep2022_all_Form() : CardForm(QStringLiteral("TKartaWypadkuRep2022_all_Form")) {} };
class TKartaWypadkuRep2022_1Form : public CardForm<2, 1> { public: TKartaWypadkuRep2022_1Form() : CardForm(QStringLiteral("TKartaWypadkuRep2022_1Form")) {} };
class TKartaWypadkuRep2022_2Form : public CardForm<2, 2> { public: TKartaWypadkuRep2022_2Form() : CardForm(QStringLiteral("TKartaWypadkuRep2022_2Form")) {} };
class TKartaWypadkuRep2022_3Form : public CardForm<2, 3> { public: TKartaWypadkuRep2022_3Form() : CardForm(QStringLiteral("TKartaWypadkuRep2022_3Form")) {} };
class TKartaWypadkuRep2022_4Form : public CardForm<2, 4> { public: TKartaWypadkuRep2022_4Form() : CardForm(QStringLiteral("TKartaWypadkuRep2022_4Form")) {} };
class TKartaWypadkuRep2012_all_Form : public CardForm<1, 0> { public: TKartaWypadkuRep2012_all_Form() : CardForm(QStringLiteral("TKartaWypadkuRep2012_all_Form")) {} };
class TKartaWypadkuRep2012_1Form : public CardForm<1, 1> { public: TKartaWypadkuRep2012_1Form() : CardForm(QStringLiteral("TKartaWypadkuRep2012_1Form")) {} };
class TKartaWypadkuRep2012_2Form : public CardForm<1, 2> { public: TKartaWypadkuRep2012_2Form() : CardForm(QStringLiteral("TKartaWypadkuRep2012_2Form")) {} };
class TKartaWypadkuRep2012_3Form : public CardForm<1, 3> { public: TKartaWypadkuRep2012_3Form() : CardForm(QStringLiteral("TKartaWypadkuRep2012_3Form")) {} };
class TKartaWypadkuRep2012_4Form : public CardForm<1, 4> { public: TKartaWypadkuRep2012_4Form() : CardForm(QStringLiteral("TKartaWypadkuRep2012_4Form")) {} };
class TKartaWypadkuRep_all_Form : public CardForm<0, 0> { public: TKartaWypadkuRep_all_Form() : CardForm(QStringLiteral("TKartaWypadkuRep_all_Form")) {} };
class TKartaWypadkuRep1Form : public CardForm<0, 1> { public: TKartaWypadkuRep1Form() : CardForm(QStringLiteral("TKartaWypadkuRep1Form")) {} };
class TKartaWypadkuRep2Form : public CardForm<0, 2> { public: TKartaWypadkuRep2Form() : CardForm(QStringLiteral("TKartaWypadkuRep2Form")) {} };

} // namespace

void registerAccidentCardForms() {
    addForm<TKartaWypadkuRep_all_Form>("TKartaWypadkuRep_all_Form");
    addForm<TKartaWypadkuRep1Form>("TKartaWypadkuRep1Form");
    addForm<TKartaWypadkuRep2Form>("TKartaWypadkuRep2Form");
    addForm<TKartaWypadkuRep2012_all_Form>("TKartaWypadkuRep2012_all_Form");
    addForm<TKartaWypadkuRep2012_1Form>("TKartaWypadkuRep2012_1Form");
    addForm<TKartaWypadkuRep2012_2Form>("TKartaWypadkuRep2012_2Form");
    addForm<TKartaWypadkuRep2012_3Form>("TKartaWypadkuRep2012_3Form");
    addForm<TKartaWypadkuRep2012_4Form>("TKartaWypadkuRep2012_4Form");
    addForm<TKartaWypadkuRep2022_all_Form>("TKartaWypadkuRep2022_all_Form");
    addForm<TKartaWypadkuRep2022_1Form>("TKartaWypadkuRep2022_1Form");
    addForm<TKartaWypadkuRep2022_2Form>("TKartaWypadkuRep2022_2Form");
    addForm<TKartaWypadkuRep2022_3Form>("TKartaWypadkuRep2022_3Form");
    addForm<TKartaWypadkuRep2022_4Form>("TKartaWypadkuRep2022_4Form");
}

} // namespace zort::print
