// The printed post-accident protocol of 1998 and of 2003: two pages each, defined
// as data for the protocol builder (ProtocolPrintLayout.h). Page one reads
// ZestWypSQL, page two ZestWyp1SQL. The instruction, the footnotes and the team's
// signatures are the forms' own texts (protocolFixedTexts()).
#include "domain/ProtocolTexts.h"
#include "printing/PrintForms.h"
#include "printing/ProtocolPrintLayout.h"
#include "printing/ReportForms.h"

namespace zort::print {
namespace {

using Part = ProtItem::Part;
using Pieces = std::vector<ProtPiece>;
using namespace protdef;

constexpr int k1998 = 0;
constexpr int k2003 = 1;

// The next line of a heading too long for one.
ProtLine cont(const QString& text) {
    ProtLine l = plain(text);
    l.bold = true;
    return l;
}

// The height of a free-text box of n lines of data (a box of whole lines, so that
// a longer text ends with a whole line).
double boxOf(int n) { return n * ReferenceDevice::lineHeight(FontSpec(QStringLiteral("Arial"), 9)) + 1; }

// An item of a page: its lines and the free text under them in a box of `box`.
ProtItem item(int number, int page, std::vector<ProtLine> lines, const QString& column = QString(), double box = 0) {
    const Part part = number == 0 ? Part::Top : (number == 99 ? Part::Summary : Part::Chain);
    return protdef::item(number, part, page, std::move(lines), column, box);
}

// The protocol's number and the title line (after the stamp's place where the form
// has one).
ProtItem numberLine(const ProtocolFixedTexts& fixed) {
    std::vector<ProtLine> top;
    if (!fixed.stamp.isEmpty()) {
        ProtLine stamp = line(Pieces{F(QString(), 180, fixed.stamp)}, 0);
        stamp.space = 40;  // room for the stamp over its rule
        top.push_back(stamp);
    }
    ProtLine number = line(Pieces{T(QStringLiteral("Protokół Nr ")), F(QStringLiteral("nrProt_symbol"), 70),
                                  T(QStringLiteral("/")), F(QStringLiteral("RokProtok"), 40), T(QStringLiteral("r."))},
                           0);
    number.center = true;
    number.bold = true;
    number.size = 11;
    ProtLine second = plain(fixed.titleLine2, 0);
    second.center = true;
    second.bold = true;
    second.size = 10;
    top.push_back(number);
    top.push_back(second);
    return item(0, 1, top);
}

// The team's members and the days of its inquiry, as both forms word them.
std::vector<ProtLine> team(const QString& headingText) {
    return {
        heading(headingText),
        line({T(QStringLiteral("1)")), F(QStringLiteral("IMNAZWA"), 330, QStringLiteral("imię i nazwisko")),
              F(QStringLiteral("FUNKCJAA"), 0, QStringLiteral("funkcja"), 370)}),
        line({T(QStringLiteral("2)")), F(QStringLiteral("IMNAZWB"), 330, QStringLiteral("imię i nazwisko")),
              F(QStringLiteral("FUNKCJAB"), 0, QStringLiteral("funkcja"), 370)}),
        line({T(QStringLiteral("dokonał w dniach od")), D(QStringLiteral("DATAUST"), 80), T(QStringLiteral("do")),
              D(QStringLiteral("DATAZAKUST"), 80),
              T(QStringLiteral("ustaleń dotyczących okoliczności i przyczyn wypadku przy pracy,"))}),
        line({T(QStringLiteral("jakiemu w dniu")), D(QStringLiteral("DATA"), 80), T(QStringLiteral("o godz.")),
              F(QStringLiteral("GodzWyp"), 45), T(QStringLiteral("uległ(a)"))}),
    };
}

ProtItem instruction(const ProtocolFixedTexts& fixed, int page) { return instructionItem(fixed, page, 7, 6.5); }

// The team's signatures: the form's point and a rule under each member.
ProtItem signatures(int number, const ProtocolFixedTexts& fixed) {
    const QStringList signs = fixed.signatureCaptions;
    return item(number, 2,
                {heading(fixed.signaturesPoint),
                 line({T(QStringLiteral("1)")), F(QString(), 300, signs.value(0)), T(QStringLiteral("2)"), 360),
                       F(QString(), 300, signs.value(1))})});
}

const ProtPiece kSlash = T(QStringLiteral("/"));  // between printed alternatives

ProtItem kinds(int number, int page, const QString& caption, const ProtPiece& note) {
    return item(number, page,
                {heading(Pieces{T(caption), C(QStringLiteral("indywidualny")), kSlash, C(QStringLiteral("zbiorowy")), note}),
                 line({C(QStringLiteral("śmiertelny")), kSlash, C(QStringLiteral("ciężki")), kSlash,
                       C(QStringLiteral("powodujący czasową niezdolność do pracy")), note})});
}

ProtMarks kindMarks() {
    return {QStringLiteral("WYPIZ"), {{0, {QStringLiteral("zbiorowy")}}, {1, {QStringLiteral("indywidualny")}}}, false};
}

ProtMarks effectMarks() {
    const QString fatal = QStringLiteral("śmiertelny"), serious = QStringLiteral("ciężki"),
                  temporary = QStringLiteral("powodujący czasową niezdolność do pracy");
    return {QStringLiteral("SKUTKI"),
            {{1, {serious, temporary}}, {2, {fatal, temporary}}, {3, {fatal, serious}}, {4, {fatal, serious, temporary}}},
            false};
}

// --- 1998 ------------------------------------------------------------------------------

const QString kAtWork1998 = QStringLiteral("wypadkiem przy pracy,");
const QString kEqual1998 = QStringLiteral(" wypadkiem zrównanym z wypadkiem przy pracy,");
const QString kAgency1998 = QStringLiteral("wypadkiem przy wykonywaniu umowy agencyjnej lub umowy zlecenia,");

ProtocolPrintLayout makeLayout1998() {
    const ProtocolFixedTexts& fixed = protocolFixedTexts(k1998);
    const ProtPiece strike = N(QStringLiteral("*)"));
    ProtocolPrintLayout l;
    l.form = k1998;
    l.pageDatasets = {QStringLiteral("ZestWypSQL"), QStringLiteral("ZestWyp1SQL")};

    std::vector<ProtItem>& out = l.items;
    out.push_back(numberLine(fixed));

    std::vector<ProtLine> person = team(QStringLiteral("1. Zespół powypadkowy w składzie:"));
    person.push_back(line({T(QStringLiteral("Pan(i)")), F(QStringLiteral("ImieNazwisko"), 330),
                           T(QStringLiteral("syn (córka)")), F(QStringLiteral("SYNCORKA"), 0)}));
    person.push_back(line({T(QStringLiteral("urodzony(a)")), D(QStringLiteral("DATAUR"), 90), T(QStringLiteral("w")),
                           F(QStringLiteral("MIEJSCEUR"), 0)}));
    person.push_back(line({T(QStringLiteral("zamieszkały(a) w")), F(QStringLiteral("KODPOCZ"), 60, QStringLiteral("kod pocztowy")),
                           F(QStringLiteral("MIEJSCOW"), 180, QStringLiteral("miejscowość")),
                           F(QStringLiteral("ULICA"), 180, QStringLiteral("ulica")),
                           F(QStringLiteral("NRUL"), 60, QStringLiteral("nr domu")),
                           F(QStringLiteral("NRMIESZ"), 0, QStringLiteral("nr lok."))}));
    person.push_back(line({T(QStringLiteral("województwo")), F(QStringLiteral("WOJEW"), 250)}));
    person.push_back(line({T(QStringLiteral("zatrudniony(a) w")), F(QStringLiteral("PRZEDSIEB"), 0)}));
    person.push_back(line({F(QStringLiteral("KODEKD"), 120, QStringLiteral("kod EKD")),
                           F(QStringLiteral("STRUKTSKROT"), 0, QStringLiteral("komórka organizacyjna"), 140)}));
    person.push_back(line({T(QStringLiteral("na stanowisku")), F(QStringLiteral("STANOWSKROT"), 360),
                           F(QStringLiteral("KODZAWODU"), 120, QStringLiteral("kod zawodu"))}));
    out.push_back(item(1, 1, person));
    out.push_back(item(2, 1,
                       {heading(Pieces{T(QStringLiteral("2. Wypadek zgłosił(a):")), F(QStringLiteral("IMNAZWZG"), 360),
                                       T(QStringLiteral("w dniu")), D(QStringLiteral("DATAZG"), 90)})}));
    out.push_back(kinds(3, 1, QStringLiteral("3. Rodzaj wypadku:"), strike));
    out.push_back(item(4, 1, {heading(QStringLiteral("4. Ustalono następujące okoliczności i przyczyny wypadku:"))},
                       QStringLiteral("PRZYCZYNY"), boxOf(25)));
    out.push_back(item(5, 1, {heading(QStringLiteral("5. Skutki wypadku (miejsce i rodzaj urazu):"))},
                       QStringLiteral("RODZURAZU"), boxOf(6)));
    out.push_back(item(6, 1,
                       {heading(Pieces{T(QStringLiteral("6. Stwierdza się, że wypadek")), C(QStringLiteral("JEST")), kSlash,
                                       C(QStringLiteral("NIE JEST")), strike}),
                        line({C(kAtWork1998)}), line({C(kEqual1998)}), line({C(kAgency1998), strike}),
                        plain(QStringLiteral("co uzasadnia się następująco :"))},
                       QStringLiteral("UZASADN"), boxOf(8)));

    out.push_back(item(7, 2,
                       {heading(QStringLiteral("7. Stwierdzono naruszenie przez pracodawcę przepisów i zasad "
                                               "bezpieczeństwa i higieny pracy (wskazać dowody):"))},
                       QStringLiteral("UCHYBIENIA"), boxOf(7)));
    out.push_back(item(8, 2,
                       {heading(QStringLiteral("8. Stwierdzono, że wyłączną przyczyną wypadku było udowodnione naruszenie "
                                               "przez poszkodowanego przepisów")),
                        cont(QStringLiteral("dotyczących ochrony życia i zdrowia, spowodowane przez niego umyślnie lub "
                                            "wskutek rażącego niedbalstwa (wskazać dowody):"))},
                       QStringLiteral("DOWUCHYB"), boxOf(7)));
    out.push_back(item(9, 2,
                       {heading(QStringLiteral("9. Stwierdzono, że poszkodowany, będąc w stanie nietrzeźwości, przyczynił "
                                               "się w znacznym stopniu")),
                        cont(QStringLiteral("do spowodowania wypadku (wskazać dowody):"))},
                       QStringLiteral("DOWPIJ"), boxOf(6)));
    out.push_back(item(10, 2, {heading(QStringLiteral("10. Wnioski i środki profilaktyczne:"))},
                       QStringLiteral("PROFILAKTYKA"), boxOf(12)));
    out.push_back(item(11, 2,
                       {heading(QStringLiteral("11. Poszkodowanego (członka rodziny) zapoznano z treścią protokołu i "
                                               "pouczono o prawie zgłoszenia uwag")),
                        cont(QStringLiteral("i zastrzeżeń do ustaleń protokołu.")),
                        line({F(QStringLiteral("IMNAZWCZZAP"), 420,
                                QStringLiteral("(imię i nazwisko pracownika lub członka rodziny)")),
                              D(QStringLiteral("DATAZAPOZ"), 100, QStringLiteral("data")),
                              F(QString(), 0, QStringLiteral("podpis"))})}));
    out.push_back(signatures(12, fixed));
    out.push_back(item(13, 2,
                       {heading(Pieces{T(QStringLiteral("13.   Protokół sporządzono w dniu :")),
                                       D(QStringLiteral("DATAPROT"), 100, QStringLiteral("data"))})}));
    out.push_back(item(14, 2,
                       {heading(QStringLiteral("14. Przeszkody i trudności uniemożliwiające sporządzenie protokołu w "
                                               "przepisowym terminie 14 dni:"))},
                       QStringLiteral("PRZESZKODY"), boxOf(5)));
    out.push_back(item(15, 2,
                       {heading(Pieces{T(QStringLiteral("15.   Protokół zatwierdzono w dniu :")),
                                       D(QStringLiteral("DATAZATW"), 100, QStringLiteral("data")),
                                       F(QString(), 0, fixed.employerSignature, 420)})}));
    out.push_back(item(16, 2,
                       {heading(QStringLiteral("16. Potwierdzenie odbioru protokołu:")),
                        line({F(QStringLiteral("IMNAZWCZ"), 420,
                                QStringLiteral("imię i nazwisko poszkodowanego pracownika lub uprawnionego członka "
                                               "rodziny")),
                              D(QStringLiteral("DATAODB"), 100, QStringLiteral("data odbioru")),
                              F(QString(), 0, QStringLiteral("podpis"))})}));
    out.push_back(item(17, 2, {heading(QStringLiteral("17.   Wykaz załączników:"))}, QStringLiteral("ZALACZNIKI"), boxOf(6)));
    out.push_back(instruction(fixed, 2));

    l.marks = {kindMarks(), effectMarks(),
               {QStringLiteral("TYPWYP"),
                {{0, {QStringLiteral("NIE JEST"), kEqual1998, kAgency1998}},
                 {1, {QStringLiteral("NIE JEST"), kAtWork1998, kAgency1998}},
                 {2, {QStringLiteral("JEST"), kEqual1998, kAgency1998}},
                 {3, {QStringLiteral("JEST"), kAtWork1998, kAgency1998}},
                 {4, {QStringLiteral("NIE JEST"), kAtWork1998, kEqual1998}},
                 {5, {QStringLiteral("JEST"), kAtWork1998, kEqual1998}}},
                false}};
    return l;
}

// --- 2003 ------------------------------------------------------------------------------

ProtocolPrintLayout makeLayout2003() {
    const ProtocolFixedTexts& fixed = protocolFixedTexts(k2003);
    const ProtPiece strike = N(QStringLiteral("*)"));
    const ProtPiece more = N(QStringLiteral("**)"));
    ProtocolPrintLayout l;
    l.form = k2003;
    l.pageDatasets = {QStringLiteral("ZestWypSQL"), QStringLiteral("ZestWyp1SQL")};

    std::vector<ProtItem>& out = l.items;
    out.push_back(numberLine(fixed));
    out.push_back(item(
        1, 1,
        {heading(QStringLiteral("1.    Poszkodowany pracownik jest zatrudniony:")),
         line({F(QStringLiteral("PRZEDSIEB"), 0, QStringLiteral("nazwa lub imię i nazwisko pracodawcy"))}),
         line({F(QStringLiteral("ADRESFIRMA"), 0, QStringLiteral("adres siedziby pracodawcy"))}),
         line({F(QStringLiteral("NIPFIRMA"), 150, QStringLiteral("NIP")),
               F(QStringLiteral("REGON"), 150, QStringLiteral("REGON"), 200),
               F(QStringLiteral("PESELFIRMA"), 150, QStringLiteral("PESEL"), 400)}),
         line({F(QStringLiteral("DOKFIRMA"), 0,
                 QStringLiteral("numer dowodu osobistego albo inny dokument potwierdzający tożsamość pracodawcy"))}),
         line({F(QStringLiteral("KODEKD"), 120, QStringLiteral("Kod PKD"))})}));

    std::vector<ProtLine> person = team(QStringLiteral("2.    Zespół powypadkowy w składzie:"));
    person.push_back(line({T(QStringLiteral("Pan(i)")), F(QStringLiteral("ImieNazwisko"), 330),
                           F(QStringLiteral("IMOJCA"), 0, QStringLiteral("imię ojca"))}));
    person.push_back(line({T(QStringLiteral("ur.")), D(QStringLiteral("DATAUR"), 90), T(QStringLiteral("w")),
                           F(QStringLiteral("MIEJSCEUR"), 0)}));
    person.push_back(line({T(QStringLiteral("zamieszkały(a) w")), F(QStringLiteral("KODPOCZ"), 60, QStringLiteral("kod pocztowy")),
                           F(QStringLiteral("MIEJSCOW"), 0, QStringLiteral("miejscowość"))}));
    person.push_back(line({F(QStringLiteral("PESELPRAC"), 150, QStringLiteral("PESEL")),
                           F(QStringLiteral("NIPPRAC"), 150, QStringLiteral("NIP")),
                           F(QStringLiteral("DOKPRAC"), 0,
                             QStringLiteral("nr dow. os. lub innego dok. potwierdzającego tożsamość"))}));
    person.push_back(line({T(QStringLiteral("zatrudniony(a) w")), F(QStringLiteral("STRUKTSKROT"), 0)}));
    person.push_back(line({T(QStringLiteral("na stanowisku")), F(QStringLiteral("STANOWSKROT"), 360),
                           F(QStringLiteral("KODZAWODU"), 120, QStringLiteral("kod zawodu"))}));
    out.push_back(item(2, 1, person));
    out.push_back(item(3, 1,
                       {heading(Pieces{T(QStringLiteral("3.    Wypadek zgłosił(a)")), F(QStringLiteral("IMNAZWZG"), 360),
                                       T(QStringLiteral("w dniu")), D(QStringLiteral("DATAZG"), 90)})}));
    out.push_back(item(4, 1, {heading(Pieces{T(QStringLiteral("4.    Ustalono następujące okoliczności wypadku:")), more})},
                       QStringLiteral("OKOLICZNOSCI"), boxOf(6)));
    out.push_back(item(5, 1, {heading(Pieces{T(QStringLiteral("5.    Ustalono następujące przyczyny wypadku:")), more})},
                       QStringLiteral("PRZYCZYNY"), boxOf(4)));
    out.push_back(item(5, 1,
                       {plain(QStringLiteral("- stwierdzono nieprzestrzeganie przez pracodawcę następujących przepisów "
                                             "prawa pracy, w szczególności przepisów i zasad bezpieczeństwa")),
                        line({T(QStringLiteral("i higieny pracy lub innych przepisów dotyczących ochrony życia i zdrowia "
                                               "(wskazać dowody):")),
                              more})},
                       QStringLiteral("UCHYBIENIA"), boxOf(3)));
    out.push_back(item(5, 1,
                       {plain(QStringLiteral("- stwierdzono, że wyłączną przyczyną wypadku było udowodnione naruszenie "
                                             "przez poszkodowanego pracownika przepisów dotyczących ochrony")),
                        line({T(QStringLiteral("życia i zdrowia, spowodowane przez niego umyślnie lub wskutek rażącego "
                                               "niedbalstwa (wskazać dowody):")),
                              more})},
                       QStringLiteral("DOWUCHYB"), boxOf(3)));
    out.push_back(item(5, 1,
                       {plain(QStringLiteral("- stwierdzono, że poszkodowany, będąc w stanie nietrzeźwości lub pod "
                                             "wpływem środków odurzających lub substancji psychotropowych,")),
                        plain(QStringLiteral("przyczynił się w znacznym stopniu do spowodowania wypadku (wskazać dowody, "
                                             "a w przypadku odmowy przez poszkodowanego poddania się")),
                        line({T(QStringLiteral("badaniom na zawartość tych substancji w organizmie - zamieścić "
                                               "informację o tym fakcie):")),
                              more})},
                       QStringLiteral("DOWPIJ"), boxOf(3)));

    out.push_back(item(6, 2,
                       {heading(QStringLiteral("6.    Skutki wypadku dla poszkodowanego")),
                        line({T(QStringLiteral("(rodzaj i umiejscowienie urazu):")), more})},
                       QStringLiteral("RODZURAZU"), boxOf(6)));
    out.push_back(item(7, 2,
                       {heading(Pieces{T(QStringLiteral("7.    Stwierdza się, że powyższy wypadek:")),
                                       C(QStringLiteral("JEST")), kSlash, C(QStringLiteral("NIE JEST")), strike}),
                        line({C(QStringLiteral("wypadkiem przy pracy,")), kSlash,
                              C(QStringLiteral("traktowany na równi z wypadkiem przy pracy")), strike}),
                        line({T(QStringLiteral("co uzasadnia się następująco:")), more})},
                       QStringLiteral("UZASADN"), boxOf(6)));
    out.push_back(kinds(8, 2, QStringLiteral("8.    Rodzaj wypadku:"), strike));
    out.push_back(item(9, 2, {heading(Pieces{T(QStringLiteral("9.   Wnioski i środki profilaktyczne:")), more})},
                       QStringLiteral("PROFILAKTYKA"), boxOf(8)));
    out.push_back(signatures(10, fixed));
    out.push_back(item(11, 2,
                       {heading(Pieces{T(QStringLiteral("11.   Protokół sporządzono dnia:")),
                                       D(QStringLiteral("DATAPROT"), 100, QStringLiteral("data"))})}));
    out.push_back(item(12, 2,
                       {heading(Pieces{T(QStringLiteral("12.   Przeszkody lub trudności, które uniemożliwiły sporządzenie "
                                                        "protokołu w wymaganym terminie 14 dni :")),
                                       more})},
                       QStringLiteral("PRZESZKODY"), boxOf(3)));
    out.push_back(item(13, 2,
                       {heading(Pieces{T(QStringLiteral("13.")), C(QStringLiteral("Poszkodowanego")), T(QStringLiteral("/")),
                                       C(QStringLiteral("członka rodziny")), strike}),
                        plain(QStringLiteral("zapoznano z treścią protokołu i pouczono o prawie zgłoszenia uwag i "
                                             "zastrzeżeń do ustaleń protokołu.")),
                        line({F(QStringLiteral("IMNAZWCZZAP"), 420,
                                QStringLiteral("imię i nazwisko poszkodowanego pracownika lub uprawnionego członka rodziny")),
                              D(QStringLiteral("DATAZAPOZ"), 100, QStringLiteral("data")),
                              F(QString(), 0, QStringLiteral("podpis"))})}));
    out.push_back(item(14, 2,
                       {heading(Pieces{T(QStringLiteral("14.   Protokół zatwierdzono dnia:")),
                                       D(QStringLiteral("DATAZATW"), 100, QStringLiteral("data")),
                                       F(QString(), 0, fixed.employerSignature, 420)})}));
    out.push_back(item(15, 2,
                       {heading(QStringLiteral("15.   Potwierdzenie odbioru protokołu :")),
                        line({F(QStringLiteral("IMNAZWCZ"), 0,
                                QStringLiteral("imię i nazwisko poszkodowanego pracownika lub uprawnionego członka rodziny"))}),
                        line({T(QStringLiteral("Data:")), C(QStringLiteral("doręczenia")), T(QStringLiteral("/")),
                              C(QStringLiteral("przesłania")), T(QStringLiteral("protokołu:")), strike,
                              D(QStringLiteral("DATAODB"), 100),
                              F(QStringLiteral("NR_PRZESYLKI"), 0, QStringLiteral("podpis / nr przesyłki poleconej"), 420)})}));
    out.push_back(item(16, 2, {heading(Pieces{T(QStringLiteral("16.   Wykaz załączników:")), more})},
                       QStringLiteral("ZALACZNIKI"), boxOf(3)));
    out.push_back(instruction(fixed, 2));

    l.marks = {kindMarks(), effectMarks(),
               {QStringLiteral("TYPWYP"),
                {{0, {QStringLiteral("NIE JEST"), QStringLiteral("traktowany na równi z wypadkiem przy pracy")}},
                 {1, {QStringLiteral("NIE JEST"), QStringLiteral("wypadkiem przy pracy,")}},
                 {2, {QStringLiteral("JEST"), QStringLiteral("traktowany na równi z wypadkiem przy pracy")}},
                 {3, {QStringLiteral("JEST"), QStringLiteral("wypadkiem przy pracy,")}}},
                false},
               {QStringLiteral("ZAPOZNANY"),
                {{1, {QStringLiteral("członka rodziny")}}, {2, {QStringLiteral("Poszkodowanego")}}},
                true},
               {QStringLiteral("DORECZENIE"), {{1, {QStringLiteral("przesłania")}}, {2, {QStringLiteral("doręczenia")}}},
                false}};
    return l;
}

const ProtocolPrintLayout& layout1998() {
    static const ProtocolPrintLayout l = makeLayout1998();
    return l;
}
const ProtocolPrintLayout& layout2003() {
    static const ProtocolPrintLayout l = makeLayout2003();
    return l;
}

// The page forms.
class TProtPowRep1Form : public ProtocolReport {
public:
    TProtPowRep1Form() : ProtocolReport(QStringLiteral("TProtPowRep1Form"), layout1998(), 1) {}
};
class TProtPowRep2Form : public ProtocolReport {
public:
    TProtPowRep2Form() : ProtocolReport(QStringLiteral("TProtPowRep2Form"), layout1998(), 2) {}
};
class TProtPowRep1Form_1 : public ProtocolReport {
public:
    TProtPowRep1Form_1() : ProtocolReport(QStringLiteral("TProtPowRep1Form_1"), layout2003(), 1) {}
};
class TProtPowRep2Form_1 : public ProtocolReport {
public:
    TProtPowRep2Form_1() : ProtocolReport(QStringLiteral("TProtPowRep2Form_1"), layout2003(), 2) {}
};

} // namespace

void registerOldProtocolForms() {
    addForm<TProtPowRep1Form>("TProtPowRep1Form");
    addForm<TProtPowRep2Form>("TProtPowRep2Form");
    addForm<TProtPowRep1Form_1>("TProtPowRep1Form_1");
    addForm<TProtPowRep2Form_1>("TProtPowRep2Form_1");
}

} // namespace zort::print
