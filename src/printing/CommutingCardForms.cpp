// The printed card of an accident on the way to or from work ("Karta wypadku w
// drodze do pracy lub z pracy"): the card of 2012 as one definition for the
// protocol builder (ProtocolPrintLayout.h), from which its flowing form and its
// three page forms are built; the card of 2002 as that definition with its
// differences; and the two pages of the older card, which print the texts the
// data module makes of the codes instead of striking alternatives. Every form reads
// one row of SKWWYPADKIWDRODZE (CommutingReportDatasets.h).
#include "printing/PrintForms.h"
#include "printing/ProtocolPrintLayout.h"
#include "printing/ReportForms.h"

#include <QSet>

namespace zort::print {
namespace {

using Part = ProtItem::Part;
using Pieces = std::vector<ProtPiece>;
using namespace protdef;

const QString kKind = QStringLiteral("WypDrogaKartWyp");
const QString kNewDataset = QStringLiteral("ZestWDrodzeNoweSQL");

// A line of small print (captions standing apart from a rule).
ProtLine small(std::vector<ProtPiece> pieces, double size, double indent = kIndent) {
    ProtLine l = line(std::move(pieces), indent);
    l.size = size;
    return l;
}

// The names of the alternatives in the mark tables (the printed words differ
// between the cards of 2002 and 2012).
namespace alt {
const QString pension = QStringLiteral("rentowego");
const QString sickness = QStringLiteral("chorobowego");
const QString start = QStringLiteral("rozpoczęcie pracy");
const QString end = QStringLiteral("zakończenie pracy");
const QString homeToWork = QStringLiteral("z domu do pracy");
const QString workToHome = QStringLiteral("z pracy do domu");
const QString onTheWay = QStringLiteral("w drodze");  // "w drodze" and "miejsca:" share it
const QString from = QStringLiteral("z miejsca");
const QString to = QStringLiteral("do miejsca");
const QString other = QStringLiteral("a) innego zatrudnienia");
const QString usual = QStringLiteral("b) funkcji lub zadań");
const QString meals = QStringLiteral("c) posiłków");
const QString study = QStringLiteral("d) nauki");
const QString toWork = QStringLiteral("do pracy");
const QString fromWork = QStringLiteral("z pracy");
const QString taken = QStringLiteral("były");
const QString notTaken = QStringLiteral("nie były");
const QString incapacity = QStringLiteral("niezdolność");  // the heading of point 6 and its "do"
const QString death = QStringLiteral("zgon");
const QString yes = QStringLiteral("TAK");
const QString no = QStringLiteral("NIE");
const QString justification = QStringLiteral("uzasadnienie");
} // namespace alt

// What the card of 2002 words otherwise than the card of 2012.
struct CardWording {
    bool y2002 = false;
    QString strike = QStringLiteral("**");   // "Niepotrzebne skreślić"
    QString payer = QStringLiteral("*");     // only payers of contributions fill it in
    QString period = QStringLiteral("***");  // the period of incapacity
    QString startHour = QStringLiteral("1) miał rozpocząć pracę o godz.");
    QString endHour = QStringLiteral("2) zakończył pracę o godz.");
};

CardWording wording2012() { return CardWording(); }

CardWording wording2002() {
    CardWording w;
    w.y2002 = true;
    w.strike = QStringLiteral("*");
    w.payer = QString();
    w.period = QStringLiteral("**");
    w.startHour = QStringLiteral("a) miał rozpocząć pracę o godz.");
    w.endHour = QStringLiteral("b) zakończył pracę o godz.");
    return w;
}

// The route: the alternatives that stay standing for each value of MIEJSCEWYP;
// everything else of the group is struck, and any other value strikes the whole
// group.
struct RouteRow {
    std::vector<int> values;
    QStringList standing;
};

const std::vector<RouteRow>& routeTable() {
    static const std::vector<RouteRow> rows = {
        {{0}, {alt::homeToWork}},
        {{1}, {alt::workToHome}},
        {{2}, {alt::onTheWay, alt::to, alt::other}},
        {{3, 4, 5}, {alt::onTheWay, alt::to, alt::usual}},
        {{6}, {alt::onTheWay, alt::to, alt::meals}},
        {{7}, {alt::onTheWay, alt::to, alt::study}},
        {{8}, {alt::onTheWay, alt::from, alt::other}},
        {{9, 10, 11}, {alt::onTheWay, alt::from, alt::usual}},
        {{12}, {alt::onTheWay, alt::from, alt::meals}},
        {{13}, {alt::onTheWay, alt::from, alt::study}},
    };
    return rows;
}

// The mark table of the route. The card of 2002 also has the direction of the
// way: routes to a place leave "do pracy" standing, routes from a place "z pracy".
ProtMarks routeMarks(const CardWording& w) {
    QStringList group{alt::homeToWork, alt::workToHome, alt::onTheWay, alt::from, alt::to,
                      alt::other,      alt::usual,      alt::meals,    alt::study};
    if (w.y2002) group << alt::toWork << alt::fromWork;
    ProtMarks m;
    m.column = QStringLiteral("MIEJSCEWYP");
    m.otherwise = group;
    for (const RouteRow& row : routeTable()) {
        QStringList standing = row.standing;
        if (w.y2002 && standing.contains(alt::to)) standing << alt::toWork;
        if (w.y2002 && standing.contains(alt::from)) standing << alt::fromWork;
        QStringList struck;
        for (const QString& a : group)
            if (!standing.contains(a)) struck << a;
        for (int v : row.values) m.struck.push_back({v, struck});
    }
    return m;
}

ProtMarks marks(const QString& column, std::vector<std::pair<int, QStringList>> struck) {
    ProtMarks m;
    m.column = column;
    m.struck = std::move(struck);
    return m;
}

std::vector<ProtMarks> cardMarks(const CardWording& w) {
    std::vector<ProtMarks> m;
    m.push_back(marks(QStringLiteral("UBEZPRODZ"), {{0, {alt::sickness}}, {1, {alt::pension}}}));
    ProtMarks hours = marks(QStringLiteral("WYPRZ"), {{0, {alt::end}}, {1, {alt::start}}});
    hours.hidden = {{0, {QStringLiteral("GodzZak")}}, {1, {QStringLiteral("GodzRozp")}}};
    hours.hiddenOtherwise = {QStringLiteral("GodzRozp"), QStringLiteral("GodzZak")};
    m.push_back(hours);
    m.push_back(routeMarks(w));
    m.push_back(marks(QStringLiteral("DOCHODZENIE"), {{0, {alt::notTaken}}, {1, {alt::taken}}}));
    ProtMarks effects = marks(QStringLiteral("SKUTKI"), {{0, {alt::incapacity}}, {1, {alt::death}}});
    effects.hidden = {{0, {QStringLiteral("DATANIEZDOD"), QStringLiteral("DATANIEZDDO")}},
                      {1, {QStringLiteral("ZGONOPIS")}}};
    effects.hiddenOtherwise = {QStringLiteral("DATANIEZDOD"), QStringLiteral("DATANIEZDDO"), QStringLiteral("ZGONOPIS")};
    m.push_back(effects);
    m.push_back(marks(QStringLiteral("RODZAJWYP"), {{0, {alt::no, alt::justification}}, {1, {alt::yes}}, {2, {alt::yes}}}));
    return m;
}

// An identity document: its kind, series and number over their captions.
ProtLine identity(const char* kind, const char* series, const char* number) {
    return line({F(QString::fromLatin1(kind), 220, QStringLiteral("(rodzaj dokumentu)"), 10),
                 F(QString::fromLatin1(series), 120, QStringLiteral("(seria)"), 250),
                 F(QString::fromLatin1(number), 0, QStringLiteral("(numer)"), 390)});
}

// The footnotes of the card: the strike, the payer, the period of incapacity.
std::vector<ProtLine> strikeNote(const CardWording& w) {
    return {small({T(w.strike + QStringLiteral(" Niepotrzebne skreślić"))}, 7, 0)};
}
std::vector<ProtLine> payerNote(const CardWording& w) {
    if (w.payer.isEmpty()) return {};
    return {small({T(w.payer + QStringLiteral(" Nie wypełniają podmioty niebędące płatnikami składek na ubezpieczenie "
                                              "rentowe/chorobowe."))},
                  7, 0)};
}
std::vector<ProtLine> periodNote(const CardWording& w) {
    return {small({T(w.period), T(QStringLiteral("Podać okres niezdolności objęty zaświadczeniem lekarskim, które zostało "
                                                 "przedłożone przed sporządzeniem karty wypadku."),
                               14)},
                  7, 0),
            small({T(QStringLiteral(" Podmiot sporządzający kartę wypadku, niebędący płatnikiem składek, wpisuje okres "
                                    "niezdolności do pracy na podstawie oświadczenia"),
                     14)},
                  7, 0),
            small({T(QStringLiteral(" poszkodowanego lub członka jego rodziny."), 14)}, 7, 0)};
}

std::vector<ProtLine> joined(std::vector<std::vector<ProtLine>> parts) {
    std::vector<ProtLine> out;
    for (auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// The card of 2012, or of 2002 with its differences. Pages of the page forms: one
// sections I and II under the body that draws the card up, two section III to the
// witnesses, three points 8 and 9 and section IV.
std::vector<ProtItem> cardItems(const CardWording& w) {
    std::vector<ProtItem> out;
    const double blank = mm(180);

    // The body that draws the card up, then the number of the card.
    ProtLine body = line({F(QStringLiteral("PODMSPORZADZ"), 420,
                            QStringLiteral("(nazwa i adres podmiotu sporządzającego kartę wypadku lub pieczątka, jeżeli ją "
                                           "posiada)"))},
                         0);
    body.space = 24;
    ProtLine number = line({T(QStringLiteral("Karta wypadku")), F(QStringLiteral("Nr"), 160)}, 0);
    number.center = true;
    number.bold = true;
    number.size = 11;
    out.push_back(item(0, Part::Top, 1, {body, number}));

    // I. The payer of contributions.
    out.push_back(item(1, Part::Chain, 1,
                       {heading(QStringLiteral("I. DANE IDENTYFIKACYJNE PŁATNIKA SKŁADEK") + w.payer),
                        plain(QStringLiteral("1. Imię i nazwisko lub nazwa i adres płatnika składek na ubezpieczenia "
                                             "społeczne"))},
                       QStringLiteral("PrzedsiebR"), 2 * ReferenceDevice::lineHeight(FontSpec(QStringLiteral("Arial"), 10)) + 1));
    out.push_back(item(1, Part::Chain, 1,
                       {line({T(QStringLiteral("2. NIP")), F(QStringLiteral("NIPPLAT"), 180),
                              T(QStringLiteral("3. REGON"), 300), F(QStringLiteral("REGONPLAT"), 180)}),
                        line({T(QStringLiteral("4. PESEL")), F(QStringLiteral("PESELPLAT"), 180)}),
                        plain(QStringLiteral("5. Dokument tożsamości (dowód osobisty albo paszport)")),
                        identity("RODZDOKPLAT", "SERIADOKPLAT", "NRDOKPLAT")}));

    // II. The injured person.
    Pieces pesel{T(QStringLiteral("2. PESEL")), F(QStringLiteral("PESELPOSZK"), 180)};
    if (w.y2002) {
        pesel.push_back(T(QStringLiteral("NIP"), 300));
        pesel.push_back(F(QStringLiteral("NIPPOSZK"), 180));
    }
    out.push_back(item(2, Part::Chain, 1,
                       {heading(QStringLiteral("II. DANE IDENTYFIKACYJNE POSZKODOWANEGO")),
                        line({T(QStringLiteral("1. Imię i nazwisko poszkodowanego")), F(QStringLiteral("Poszkodowany"), 0)}),
                        line(pesel),
                        plain(QStringLiteral("3. Dokument tożsamości (dowód osobisty lub paszport)")),
                        identity("RODZDOKPOSZK", "SERIADOKPOSZK", "NRDOKPOSZK"),
                        line({T(QStringLiteral("4. Data i miejsce urodzenia poszkodowanego")), F(QStringLiteral("Urodzony"), 0)}),
                        plain(QStringLiteral("5. Adres zamieszkania poszkodowanego"))},
                       QStringLiteral("Adres"), 2 * ReferenceDevice::lineHeight(FontSpec(QStringLiteral("Arial"), 10)) + 1));
    out.push_back(item(2, Part::Chain, 1,
                       {line({T(QStringLiteral("6. Tytuł ubezpieczenia ")), C(QStringLiteral("rentowego/"), alt::pension),
                              C(QStringLiteral("chorobowego") + w.strike, alt::sickness), F(QStringLiteral("UBEZPOPIS"), 0)})}));

    // III. The accident: date and hours, the route.
    Pieces onTheWay{T(QStringLiteral("2)")), C(QStringLiteral("w drodze"), alt::onTheWay)};
    if (w.y2002) {
        onTheWay.push_back(C(QStringLiteral("do pracy"), alt::toWork));
        onTheWay.push_back(T(QStringLiteral("/")));
        onTheWay.push_back(C(QStringLiteral("z pracy") + w.strike + QLatin1Char(':'), alt::fromWork));
    }
    onTheWay.push_back(C(QStringLiteral("z"), alt::from));
    onTheWay.push_back(T(QStringLiteral("/")));
    onTheWay.push_back(C(QStringLiteral("do"), alt::to));
    onTheWay.push_back(C(QStringLiteral("miejsca:"), alt::onTheWay));
    constexpr double kPlace = 30;  // the lines a) to d) under "miejsca:"
    out.push_back(item(
        3, Part::Chain, 2,
        {heading(QStringLiteral("III. INFORMACJE O WYPADKU")),
         line({T(QStringLiteral("1. Data wypadku:")), D(QStringLiteral("DATA"), 90), T(QStringLiteral(" r.     o godz.")),
               F(QStringLiteral("GodzWyp"), 50), T(QStringLiteral("w drodze do pracy lub z pracy"))}),
         plain(QStringLiteral("2. W dniu wypadku poszkodowany:")),
         line({C(w.startHour, alt::start), F(QStringLiteral("GodzRozp"), 70)}, 20),
         line({C(w.endHour, alt::end), F(QStringLiteral("GodzZak"), 70)}, 20),
         plain(QStringLiteral("3. Wypadek zdarzył się") + w.strike + QLatin1Char(':')),
         line({T(QStringLiteral("1)")), C(QStringLiteral("w drodze z domu do pracy"), alt::homeToWork), T(QStringLiteral("/")),
               C(QStringLiteral("w drodze z pracy do domu"), alt::workToHome)},
              20),
         line(onTheWay, 20),
         line({C(QStringLiteral("a) innego zatrudnienie lub innej działalności stanowiącej tytuł ubezpieczenia rentowego,"),
                 alt::other)},
              kPlace),
         line({C(QStringLiteral("b) zwykłego wykonywania funkcji lub zadań zawodowych albo społecznych,"), alt::usual)}, kPlace),
         line({C(QStringLiteral("c) zwykłego spożywania posiłków,"), alt::meals)}, kPlace),
         line({C(QStringLiteral("d) odbywania nauki lub studiów."), alt::study)}, kPlace)}));

    // The free texts of section III.
    out.push_back(item(3, Part::Chain, 2,
                       {plain(QStringLiteral("4. Szczegółowy opis okoliczności, miejsca i przyczyn wypadku:"))},
                       QStringLiteral("PRZYCZYNY"), 360, mm(45), blank));
    out.push_back(item(3, Part::Chain, 2,
                       {line({T(QStringLiteral("5. W sprawie wypadku ")), C(QStringLiteral("były"), alt::taken),
                              T(QStringLiteral("/")), C(QStringLiteral("nie były") + w.strike + QLatin1Char(' '), alt::notTaken),
                              T(QStringLiteral("podjęte czynności przez odpowiednie organy"))})},
                       QStringLiteral("OPISDOCHODZENIA"), 150, mm(41), blank));
    out.push_back(item(3, Part::Chain, 2,
                       {line({C(QStringLiteral("6. Wypadek spowodował niezdolność do pracy od"), alt::incapacity),
                              D(QStringLiteral("DATANIEZDOD"), 90), C(QStringLiteral("do"), alt::incapacity),
                              D(QStringLiteral("DATANIEZDDO"), 90), N(w.period)}),
                        line({C(QStringLiteral("Wypadek spowodował zgon"), alt::death), F(QStringLiteral("ZGONOPIS"), 0)}, 20)}));
    std::vector<ProtLine> witnesses{plain(QStringLiteral("7. Świadkowie wypadku:"))};
    for (int i = 1; i <= 3; ++i) {
        witnesses.push_back(line({F(QStringLiteral("Swiadek%1").arg(i), 0)}, 20));
        witnesses.push_back(small({T(QStringLiteral("(imię nazwisko)"), 40), T(QStringLiteral("(adres zamieszkania)"), 300)}, 6));
    }
    out.push_back(item(3, Part::Chain, 2, witnesses));

    // III. 8 and 9: is it a commuting accident.
    out.push_back(item(3, Part::Chain, 3,
                       {line({T(QStringLiteral("8. Wypadek jest wypadkiem w drodze do pracy lub z pracy")),
                              C(QStringLiteral("TAK/"), alt::yes), C(QStringLiteral("NIE") + w.strike, alt::no)})}));
    out.push_back(item(3, Part::Chain, 3,
                       {line({C(QStringLiteral("9. Uzasadnienie nieuznania wypadku za wypadek w drodze do pracy lub z pracy ") +
                                    w.strike + QLatin1Char(':'),
                                alt::justification)})},
                       QStringLiteral("UZASADNIENIE"), 300, mm(18), blank));

    // IV. The card itself.
    out.push_back(item(4, Part::Chain, 3,
                       {heading(QStringLiteral("IV. POZOSTAŁE INFORMACJE")),
                        line({T(QStringLiteral("1. Kartę wypadku sporządzono w dniu")), D(QStringLiteral("DATASP"), 90)}),
                        line({F(QStringLiteral("IMNAZSPORZADZ"), 0,
                                QStringLiteral("(imię i nazwisko sporządzającego kartę wypadku, podpis i pieczątka, jeżeli "
                                               "ją posiada)"))},
                             200),
                        line({T(QStringLiteral("2. Miejscowość sporządzenia karty wypadku")), F(QStringLiteral("MIEJSCESP"), 0)})}));
    out.push_back(item(4, Part::Chain, 3,
                       {plain(QStringLiteral("3. Przeszkody i trudności uniemożliwiające sporządzenie karty wypadku w "
                                             "wymaganym terminie 14 dni:"))},
                       QStringLiteral("PRZESZKODY"), 250, mm(42), blank));
    ProtLine received = line({T(QStringLiteral("4. Kartę wypadku odebrano w dniu")), D(QStringLiteral("DATAODBIORU"), 90),
                              F(QString(), 0, QStringLiteral("podpis uprawnionego"), 300)});
    received.space = 16;
    out.push_back(item(4, Part::Chain, 3, {received}));

    // The footnotes: all of them under the card and on its last page; the pages
    // before repeat those of their own marks.
    out.push_back(item(99, Part::Summary, 3, joined({strikeNote(w), payerNote(w), periodNote(w)})));
    out.push_back(item(99, Part::PageOnly, 1, joined({strikeNote(w), payerNote(w)})));
    out.push_back(item(99, Part::PageOnly, 2, joined({strikeNote(w), periodNote(w)})));
    return out;
}

ProtocolPrintLayout cardLayout(const CardWording& w) {
    ProtocolPrintLayout l;
    l.pageTitle = QStringLiteral("Karta wypadku w drodze do pracy lub z pracy");
    l.items = cardItems(w);
    l.marks = cardMarks(w);
    l.pageDatasets = w.y2002 ? QStringList() : QStringList{kNewDataset, kNewDataset, kNewDataset};
    l.wholeDatasets = {kNewDataset};
    l.kindCode = kKind;
    l.boldChoices = true;
    l.pageFontSetting = true;
    return l;
}

// The older card: two pages of the texts made of the codes.
ProtocolPrintLayout oldCardLayout() {
    ProtocolPrintLayout l;
    l.pageDatasets = {QStringLiteral("ZestWDrodze1SQL"), QStringLiteral("ZestWDrodze2SQL")};
    l.kindCode = kKind;
    l.pageFontSetting = true;
    const double lh = ReferenceDevice::lineHeight(FontSpec(QStringLiteral("Arial"), 10));
    auto box = [lh](int lines) { return lines * lh + 1; };
    std::vector<ProtItem>& out = l.items;

    ProtLine title = plain(QStringLiteral("KARTA WYPADKU W DRODZE DO PRACY LUB Z PRACY"), 0);
    title.center = true;
    title.bold = true;
    title.size = 11;
    ProtLine number = line({F(QStringLiteral("Nr"), 160)}, 0);
    number.center = true;
    out.push_back(item(0, Part::Top, 1, {title, number}));
    out.push_back(item(1, Part::Chain, 1, {heading(QStringLiteral("1. Nazwa i adres zakładu pracy:"))},
                       QStringLiteral("PrzedsiebR"), box(2)));
    out.push_back(item(2, Part::Chain, 1,
                       {heading(Pieces{T(QStringLiteral("2. Imię i nazwisko poszkodowanego:")), F(QStringLiteral("Poszkodowany"), 0)}),
                        heading(Pieces{T(QStringLiteral("3. Data i miejsce urodzenia:")), F(QStringLiteral("Urodzony"), 0)}),
                        heading(Pieces{T(QStringLiteral("4. Stan cywilny:")), F(QStringLiteral("STANCYWILNY"), 150),
                                       T(QStringLiteral("5. Zawód:")), F(QStringLiteral("Zawod_p"), 0)}),
                        heading(QStringLiteral("6. Adres zamieszkania:"))},
                       QStringLiteral("Adres"), box(2)));
    out.push_back(item(7, Part::Chain, 1,
                       {heading(Pieces{T(QStringLiteral("7. Data wypadku:")), D(QStringLiteral("DATA"), 90),
                                       T(QStringLiteral("godz.")), F(QStringLiteral("GodzWyp"), 50)}),
                        heading(Pieces{T(QStringLiteral("8. W dniu wypadku poszkodowany")), F(QStringLiteral("pkt4"), 110),
                                       T(QStringLiteral("pracę o godz.")), F(QStringLiteral("GODZRZ"), 60)}),
                        heading(Pieces{T(QStringLiteral("9. Wypadek zdarzył się w drodze")), F(QStringLiteral("pkt5"), 0)}),
                        heading(QStringLiteral("10. Okoliczności i przyczyny wypadku:"))},
                       QStringLiteral("PRZYCZYNY"), box(40)));

    out.push_back(item(11, Part::Chain, 2, {heading(QStringLiteral("11. Rodzaj obrażeń i ich opis:"))},
                       QStringLiteral("OBRAZENIA"), box(8)));
    out.push_back(item(12, Part::Chain, 2,
                       {heading(Pieces{T(QStringLiteral("12. Skutki wypadku:")), F(QStringLiteral("SkutkiR"), 0)}),
                        heading(Pieces{T(QStringLiteral("13. Czynności w sprawie wypadku podjęte przez odpowiednie organy:")),
                                       F(QStringLiteral("DochodzenieR"), 60)}),
                        heading(QStringLiteral("14. Stwierdza się, że wypadek"))},
                       QStringLiteral("RodzajWypR"), box(3)));
    out.push_back(item(15, Part::Chain, 2, {heading(QStringLiteral("15. Uzasadnienie:"))}, QStringLiteral("UZASADNIENIE"), box(8)));
    out.push_back(item(16, Part::Chain, 2,
                       {heading(QStringLiteral("16. Świadkowie wypadku:")), line({F(QStringLiteral("Swiadek1"), 0)}),
                        line({F(QStringLiteral("Swiadek2"), 0)}), line({F(QStringLiteral("Swiadek3"), 0)})}));
    out.push_back(item(17, Part::Chain, 2, {heading(QStringLiteral("17. Załączniki:"))}, QStringLiteral("ZALACZNIKI"), box(8)));
    ProtLine signed_ = line({F(QStringLiteral("DataMiejsce"), 260, QStringLiteral("(miejscowość i data)")),
                             F(QString(), 0, QStringLiteral("(podpis i pieczątka sporządzającego kartę)"), 380)},
                            0);
    signed_.space = 30;
    out.push_back(item(18, Part::Chain, 2, {signed_}));
    return l;
}

const ProtocolPrintLayout& layout2012() {
    static const ProtocolPrintLayout l = cardLayout(wording2012());
    return l;
}
const ProtocolPrintLayout& layout2002() {
    static const ProtocolPrintLayout l = cardLayout(wording2002());
    return l;
}
const ProtocolPrintLayout& layoutOld() {
    static const ProtocolPrintLayout l = oldCardLayout();
    return l;
}

class TProtWDrodzeNowy2012Form : public ProtocolReport {
public:
    TProtWDrodzeNowy2012Form() : ProtocolReport(QStringLiteral("TProtWDrodzeNowy2012Form"), layout2012(), 0) {}
};
class TProtWDrodzeNowy2012_1Form : public ProtocolReport {
public:
    TProtWDrodzeNowy2012_1Form() : ProtocolReport(QStringLiteral("TProtWDrodzeNowy2012_1Form"), layout2012(), 1) {}
};
class TProtWDrodzeNowy2012_2Form : public ProtocolReport {
public:
    TProtWDrodzeNowy2012_2Form() : ProtocolReport(QStringLiteral("TProtWDrodzeNowy2012_2Form"), layout2012(), 2) {}
};
class TProtWDrodzeNowy2012_3Form : public ProtocolReport {
public:
    TProtWDrodzeNowy2012_3Form() : ProtocolReport(QStringLiteral("TProtWDrodzeNowy2012_3Form"), layout2012(), 3) {}
};
class TProtWDrodzeNowyForm : public ProtocolReport {
public:
    TProtWDrodzeNowyForm() : ProtocolReport(QStringLiteral("TProtWDrodzeNowyForm"), layout2002(), 0) {}
};
class TProtWDrodze1Form : public ProtocolReport {
public:
    TProtWDrodze1Form() : ProtocolReport(QStringLiteral("TProtWDrodze1Form"), layoutOld(), 1) {}
};
class TProtWDrodze2Form : public ProtocolReport {
public:
    TProtWDrodze2Form() : ProtocolReport(QStringLiteral("TProtWDrodze2Form"), layoutOld(), 2) {}
};

} // namespace

void registerCommutingCardForms() {
    addForm<TProtWDrodze1Form>("TProtWDrodze1Form", ReportForms::Record::Entry);
    addForm<TProtWDrodze2Form>("TProtWDrodze2Form", ReportForms::Record::Entry);
    addForm<TProtWDrodzeNowyForm>("TProtWDrodzeNowyForm", ReportForms::Record::Entry);
    addForm<TProtWDrodzeNowy2012Form>("TProtWDrodzeNowy2012Form", ReportForms::Record::Entry);
    addForm<TProtWDrodzeNowy2012_1Form>("TProtWDrodzeNowy2012_1Form", ReportForms::Record::Entry);
    addForm<TProtWDrodzeNowy2012_2Form>("TProtWDrodzeNowy2012_2Form", ReportForms::Record::Entry);
    addForm<TProtWDrodzeNowy2012_3Form>("TProtWDrodzeNowy2012_3Form", ReportForms::Record::Entry);
}

} // namespace zort::print
