// The printed post-accident protocol of 2004 and of 2019: one definition each (the
// 2004 one is the 2019 one with its differences), and the thin form classes that
// print a page or the whole of it.
#include "domain/ProtocolTexts.h"
#include "printing/PrintForms.h"
#include "printing/ProtocolPrintLayout.h"
#include "printing/ReportForms.h"

#include <QHash>

namespace zort::print {
namespace {

using Part = ProtItem::Part;
using Pieces = std::vector<ProtPiece>;
using namespace protdef;

constexpr int k2004 = 2;
constexpr int k2019 = 3;


ProtPiece fromDataset(ProtPiece p, const QString& dataset) {
    p.dataset = dataset;
    return p;
}

// The differences of a layout: what the 2004 form words otherwise than the 2019 one.
struct Wording {
    int form = k2019;
    double blankCircumstances = 430;
    double blankEffects = 360;
    double boxCircumstances = 520;  // page one: what the employer's items leave free
    // The footnote marks of the form when they differ from the 2019 ones (an empty
    // mark: the form has no such footnote).
    QHash<QString, QString> notes;
    // Item 2: the injured person's lines from the name to the identity document
    // (empty: those of 2019).
    std::vector<ProtLine> person;
};

// The footnote marks of a wording.
void renumberNotes(std::vector<ProtItem>& items, const QHash<QString, QString>& notes) {
    if (notes.isEmpty()) return;
    for (ProtItem& it : items)
        for (ProtLine& l : it.lines) {
            Pieces kept;
            for (ProtPiece p : l.pieces) {
                if (p.kind == ProtPiece::Kind::Note && it.part != Part::Summary) {
                    p.text = notes.value(p.text);
                    if (p.text.isEmpty()) continue;
                }
                kept.push_back(p);
            }
            l.pieces = kept;
        }
}

// Item 2: where the injured person lives (both forms).
ProtLine personAddress() {
    return line({T(QStringLiteral("zamieszkały(-ła) w")), F(QStringLiteral("KODPOCZ"), 60, QStringLiteral("kod pocztowy")),
                 F(QStringLiteral("MIEJSCOW"), 180, QStringLiteral("miejscowość")),
                 F(QStringLiteral("ULICA"), 180, QStringLiteral("ulica")),
                 F(QStringLiteral("NRUL"), 60, QStringLiteral("numer domu")),
                 F(QStringLiteral("NRMIESZ"), 0, QStringLiteral("numer lokalu"))});
}

const QString kIdentityCaption =
    QStringLiteral("numer dowodu osobistego albo innego dokumentu\npotwierdzającego tożsamość");

// Item 2 of 2019: name and date of birth, address, PESEL and identity document.
std::vector<ProtLine> person2019() {
    return {
        line({T(QStringLiteral("Pan(i)")), F(QStringLiteral("ImieNazwisko"), 330),
              T(QStringLiteral("urodzony(-na)")), D(QStringLiteral("DATAUR"), 90)}),
        personAddress(),
        line({F(QStringLiteral("PESELPRAC"), 180, QStringLiteral("PESEL")), N(QStringLiteral("2)")),
              F(QStringLiteral("DOKPRAC"), 0, kIdentityCaption, 240)}),
    };
}

// Item 2 of 2004 has the data of 2003: also the father's name, the place of birth
// and the person's NIP.
std::vector<ProtLine> person2004() {
    return {
        line({T(QStringLiteral("Pan(i)")), F(QStringLiteral("ImieNazwisko"), 330),
              F(QStringLiteral("IMOJCA"), 0, QStringLiteral("imię ojca"))}),
        line({T(QStringLiteral("urodzony(-na)")), D(QStringLiteral("DATAUR"), 90), T(QStringLiteral("w")),
              F(QStringLiteral("MIEJSCEUR"), 0)}),
        personAddress(),
        line({F(QStringLiteral("PESELPRAC"), 150, QStringLiteral("PESEL")),
              F(QStringLiteral("NIPPRAC"), 150, QStringLiteral("NIP"), 170),
              F(QStringLiteral("DOKPRAC"), 0, kIdentityCaption, 340)}),
    };
}

std::vector<ProtItem> items(const Wording& w) {
    const bool y2019 = w.form == k2019;
    const ProtocolFixedTexts& fixed = protocolFixedTexts(w.form);
    const QString kodPkd = QStringLiteral("ZestWypSQL");
    std::vector<ProtItem> out;

    // The number line (with the stamp's place on the form of 2004).
    std::vector<ProtLine> top;
    if (!fixed.stamp.isEmpty()) {
        ProtLine stamp = line(Pieces{F(QString(), 180, fixed.stamp)}, 0);
        stamp.space = 40;
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
    out.push_back(item(0, Part::Top, 1, top));

    // 1. The employer.
    std::vector<ProtLine> employer;
    if (y2019) {
        employer = {
            heading(QStringLiteral("1.     Dane pracodawcy:")),
            line({F(QStringLiteral("PRZEDSIEB"), 0, QStringLiteral("nazwa lub imię i nazwisko pracodawcy"))}),
            line({F(QStringLiteral("ADRESFIRMA"), 0, QStringLiteral("adres siedziby pracodawcy"))}),
            line({F(QStringLiteral("NIPFIRMA"), 220, QStringLiteral("NIP")), N(QStringLiteral("1)")),
                  F(QStringLiteral("PESELFIRMA"), 220, QStringLiteral("PESEL"), 300)}),
            line({F(QStringLiteral("DOKFIRMA"), 0,
                    QStringLiteral("numer dowodu osobistego albo inny dokument potwierdzający tożsamość pracodawcy"))}),
            line({fromDataset(F(QStringLiteral("KODEKD"), 120, QStringLiteral("Kod PKD")), kodPkd)}),
        };
    } else {
        employer = {
            heading(QStringLiteral("1.    Poszkodowany pracownik jest zatrudniony:")),
            line({F(QStringLiteral("PRZEDSIEB"), 0, QStringLiteral("nazwa pracodawcy"))}),
            line({F(QStringLiteral("ADRESFIRMA"), 0, QStringLiteral("adres siedziby pracodawcy"))}),
            line({F(QStringLiteral("NIPFIRMA"), 150, QStringLiteral("NIP")), F(QStringLiteral("REGON"), 150,
                  QStringLiteral("REGON"), 200), F(QStringLiteral("PESELFIRMA"), 150, QStringLiteral("PESEL"), 400)}),
            line({F(QStringLiteral("DOKFIRMA"), 0,
                    QStringLiteral("rodzaj i numer dokumentu potwierdzającego tożsamość pracodawcy"))}),
            line({fromDataset(F(QStringLiteral("KODEKD"), 120, QStringLiteral("Kod PKD")), kodPkd)}),
        };
    }
    out.push_back(item(1, Part::Top, 1, employer));

    // 2. The team and the injured person.
    std::vector<ProtLine> team = {
        heading(QStringLiteral("2.    Zespół powypadkowy w składzie:")),
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
    const std::vector<ProtLine> person = w.person.empty() ? person2019() : w.person;
    team.insert(team.end(), person.begin(), person.end());
    team.push_back(line({T(QStringLiteral("zatrudniony(-na) w")), F(QStringLiteral("STRUKTSKROT"), 0)}));
    team.push_back(line({T(QStringLiteral("na stanowisku")),
                         F(QStringLiteral("STANOWSKROT"), 360, QStringLiteral("nazwa stanowiska")),
                         F(QStringLiteral("KODZAWODU"), 120, QStringLiteral("kod zawodu")), N(QStringLiteral("3)"))}));
    out.push_back(item(2, Part::Top, 1, team));

    // 3. Who reported the accident.
    out.push_back(item(3, Part::Top, 1,
                       {heading(Pieces{T(QStringLiteral("3.    Wypadek zgłosił(a)")), F(QStringLiteral("IMNAZWZG"), 360),
                                       T(QStringLiteral("w dniu")), D(QStringLiteral("DATAZG"), 90)})}));

    // 4. to 6. The free texts of the inquiry.
    const ProtPiece four = N(QStringLiteral("4)"));
    const ProtPiece five = N(QStringLiteral("5)"));
    const ProtPiece six = N(QStringLiteral("6)"));
    const ProtPiece slash = T(QStringLiteral("/"));  // between printed alternatives
    out.push_back(item(4, Part::Chain, 1,
                       {heading(Pieces{T(QStringLiteral("4.    Ustalono następujące okoliczności wypadku:")), four})},
                       QStringLiteral("OKOLICZNOSCI"), w.boxCircumstances, 0, w.blankCircumstances));
    out.push_back(item(5, Part::Chain, 2,
                       {heading(Pieces{T(QStringLiteral("5.    Ustalono następujące przyczyny wypadku:")), four})},
                       QStringLiteral("PRZYCZYNY"), 300, 0, 155));
    out.push_back(item(5, Part::Chain, 2,
                       {plain(QStringLiteral("- stwierdzono nieprzestrzeganie przez pracodawcę następujących przepisów "
                                             "prawa pracy, w szczególności przepisów i zasad")),
                        line({T(QStringLiteral("bezpieczeństwa i higieny pracy lub innych przepisów dotyczących "
                                               "ochrony życia i zdrowia")),
                              five}),
                        line({T(QStringLiteral("(wskazać dowody):")), four})},
                       QStringLiteral("UCHYBIENIA"), 120, 0, 115));
    out.push_back(item(5, Part::Chain, 2,
                       {plain(QStringLiteral("- stwierdzono, że wyłączną przyczyną wypadku było naruszenie przez "
                                             "poszkodowanego pracownika przepisów dotyczących ")),
                        line({T(QStringLiteral("ochrony życia i zdrowia, spowodowane przez niego umyślnie lub wskutek "
                                               "rażącego niedbalstwa")),
                              five}),
                        line({T(QStringLiteral("(wskazać dowody):")), four})},
                       QStringLiteral("DOWUCHYB"), 120, 0, 115));
    out.push_back(item(5, Part::Chain, 2,
                       {plain(QStringLiteral("- stwierdzono stan nietrzeźwości albo użycie przez poszkodowanego "
                                             "pracownika środków odurzających lub substancji psychotropo-")),
                        plain(QStringLiteral("wych przyczyniające się w znacznym stopniu do powstania wypadku przy "
                                             "pracy")),
                        plain(QStringLiteral("(wskazać dowody, a w przypadku odmowy przez")),
                        line({T(QStringLiteral("poszkodowanego poddania się badaniom na zawartość tych substancji w "
                                               "organizmie - zamieścić informację o tym fakcie):")),
                              four})},
                       QStringLiteral("DOWPIJ"), 120, 0, 115));
    out.push_back(item(6, Part::Chain, 2,
                       {heading(QStringLiteral("6.    Skutki wypadku dla poszkodowanego")),
                        line({T(QStringLiteral("(rodzaj i umiejscowienie urazu):")), four})},
                       QStringLiteral("RODZURAZU"), 150, 0, w.blankEffects));

    // 7. to 9.
    out.push_back(item(7, Part::Chain, 3,
                       {heading(Pieces{T(QStringLiteral("7.    Stwierdza się, że powyższy wypadek:")), C(QStringLiteral("JEST")),
                                       slash, C(QStringLiteral("NIE JEST")), six}),
                        line({C(QStringLiteral("wypadkiem przy pracy,")), slash,
                              C(QStringLiteral("traktowany na równi z wypadkiem przy pracy")), six}),
                        line({T(QStringLiteral("co uzasadnia się następująco:")), four})},
                       QStringLiteral("UZASADN"), 420, 0, 440));
    out.push_back(item(8, Part::Chain, 3,
                       {heading(Pieces{T(QStringLiteral("8.    Rodzaj wypadku:")), C(QStringLiteral("indywidualny")),
                                       slash, C(QStringLiteral("zbiorowy")), six}),
                        line({C(QStringLiteral("śmiertelny")), slash, C(QStringLiteral("ciężki")), slash,
                              C(QStringLiteral("powodujący czasową niezdolność do pracy")), six})}));
    out.push_back(item(9, Part::Chain, 3,
                       {heading(Pieces{T(y2019 ? QStringLiteral("9.   Wnioski i zalecone środki profilaktyczne:")
                                               : QStringLiteral("9.   Wnioski i zalecenia profilaktyczne:")),
                                       four})},
                       QStringLiteral("PROFILAKTYKA"), 440, 0, 440));

    // 10. to 16.
    const QStringList signs = fixed.signatureCaptions;
    out.push_back(item(10, Part::Chain, 4,
                       {heading(fixed.signaturesPoint),
                        line({T(QStringLiteral("1)")), F(QString(), 300, signs.value(0)), T(QStringLiteral("2)"), 360),
                              F(QString(), 300, signs.value(1))})}));
    out.push_back(item(11, Part::Chain, 4,
                       {heading(Pieces{T(QStringLiteral("11.   Protokół sporządzono dnia:")),
                                       D(QStringLiteral("DATAPROT"), 100, QStringLiteral("data"))})}));
    out.push_back(item(12, Part::Chain, 4,
                       {heading(Pieces{T(QStringLiteral("12.   Przeszkody lub trudności, które uniemożliwiły sporządzenie "
                                                        "protokołu w wymaganym terminie 14 dni :")),
                                       four})},
                       QStringLiteral("PRZESZKODY"), 200, 0, 240));
    std::vector<ProtLine> acquaint;
    if (y2019) {
        acquaint = {
            heading(Pieces{T(QStringLiteral("13.")), C(QStringLiteral("Poszkodowany")), T(QStringLiteral("/")),
                           C(QStringLiteral("członek rodziny")), T(QStringLiteral(": ")), six}),
            plain(QStringLiteral("- zapoznany został z niniejszym protokołem oraz pouczony o prawie zgłoszenia do "
                                 "protokołu uwag i zastrzeżeń,")),
            line({T(QStringLiteral("- zgłasza uwagi i zastrzeżenia do protokołu:")), C(QStringLiteral("TAK")),
                  T(QStringLiteral("/")), C(QStringLiteral("NIE")), six}),
            plain(QStringLiteral("(zgłoszone uwagi i zastrzeżenia należy dołączyć do protokołu).")),
        };
    } else {
        acquaint = {
            heading(Pieces{T(QStringLiteral("13.")), C(QStringLiteral("Poszkodowanego")), T(QStringLiteral("/")),
                           C(QStringLiteral("członka rodziny")), six}),
            plain(QStringLiteral("zapoznano z treścią protokołu i pouczono o prawie zgłoszenia uwag i zastrzeżeń do "
                                 "ustaleń protokołu.")),
        };
    }
    acquaint.push_back(line({F(QStringLiteral("IMNAZWCZZAP"), 420,
                               QStringLiteral("imię i nazwisko poszkodowanego pracownika lub uprawnionego członka rodziny")),
                             D(QStringLiteral("DATAZAPOZ"), 100, QStringLiteral("data")),
                             F(QString(), 0, QStringLiteral("podpis"))}));
    out.push_back(item(13, Part::Chain, 4, acquaint));
    out.push_back(item(14, Part::Chain, 4,
                       {heading(Pieces{T(QStringLiteral("14.   Protokół zatwierdzono dnia:")),
                                       D(QStringLiteral("DATAZATW"), 100, QStringLiteral("data")),
                                       F(QString(), 0, fixed.employerSignature, 420)})}));
    out.push_back(item(15, Part::Chain, 4,
                       {heading(QStringLiteral("15.   Potwierdzenie odbioru protokołu :")),
                        line({F(QStringLiteral("IMNAZWCZ"), 0,
                                QStringLiteral("imię i nazwisko poszkodowanego pracownika lub uprawnionego członka rodziny"))}),
                        line({T(QStringLiteral("Data:")), C(QStringLiteral("doręczenia")), T(QStringLiteral("/")),
                              C(QStringLiteral("przesłania")), T(QStringLiteral("protokołu:")), six,
                              D(QStringLiteral("DATAODB"), 100), F(QStringLiteral("NR_PRZESYLKI"), 0,
                                                                   QStringLiteral("podpis / nr przesyłki poleconej"), 420)})}));
    out.push_back(item(16, Part::Chain, 4,
                       {heading(Pieces{T(y2019 ? QStringLiteral("16.   Wykaz załączników do protokołu:")
                                               : QStringLiteral("16.   Wykaz załączników:")),
                                       four})},
                       QStringLiteral("ZALACZNIKI"), 200, 0, 220));

    out.push_back(instructionItem(fixed, 4, 6.5, 6));
    return out;
}

std::vector<ProtMarks> marks(int form) {
    std::vector<ProtMarks> m = {
        {QStringLiteral("WYPIZ"), {{0, {QStringLiteral("zbiorowy")}}, {1, {QStringLiteral("indywidualny")}}}, false},
        {QStringLiteral("SKUTKI"),
         {{1, {QStringLiteral("ciężki"), QStringLiteral("powodujący czasową niezdolność do pracy")}},
          {2, {QStringLiteral("śmiertelny"), QStringLiteral("powodujący czasową niezdolność do pracy")}},
          {3, {QStringLiteral("śmiertelny"), QStringLiteral("ciężki")}},
          {4, {QStringLiteral("śmiertelny"), QStringLiteral("ciężki"), QStringLiteral("powodujący czasową niezdolność do pracy")}}},
         false},
        {QStringLiteral("TYPWYP"),
         {{0, {QStringLiteral("NIE JEST"), QStringLiteral("traktowany na równi z wypadkiem przy pracy")}},
          {1, {QStringLiteral("NIE JEST"), QStringLiteral("wypadkiem przy pracy,")}},
          {2, {QStringLiteral("JEST"), QStringLiteral("traktowany na równi z wypadkiem przy pracy")}},
          {3, {QStringLiteral("JEST"), QStringLiteral("wypadkiem przy pracy,")}}},
         false},
        {QStringLiteral("DORECZENIE"), {{1, {QStringLiteral("przesłania")}}, {2, {QStringLiteral("doręczenia")}}}, false},
    };
    if (form == k2019) {
        m.push_back({QStringLiteral("ZAPOZNANY"), {{1, {QStringLiteral("członek rodziny")}}, {2, {QStringLiteral("Poszkodowany")}}}, true});
        m.push_back({QStringLiteral("FORMWYP"), {{1, {QStringLiteral("TAK")}}, {2, {QStringLiteral("NIE")}}}, true});
    } else {
        m.push_back({QStringLiteral("ZAPOZNANY"), {{1, {QStringLiteral("członka rodziny")}}, {2, {QStringLiteral("Poszkodowanego")}}}, true});
    }
    return m;
}

ProtocolPrintLayout makeLayout(const Wording& w) {
    ProtocolPrintLayout l;
    l.form = w.form;
    l.pageTitle = QStringLiteral("Protokół ustalenia okoliczności i przyczyn wypadku przy pracy");
    l.items = items(w);
    renumberNotes(l.items, w.notes);
    l.marks = marks(w.form);
    l.pageDatasets = {QStringLiteral("ZestWypSQL"), QStringLiteral("ZestWypSQL"), QStringLiteral("ZestWyp1SQL"),
                      QStringLiteral("ZestWyp1SQL")};
    l.wholeDatasets = {QStringLiteral("ZestWypSQL3"), QStringLiteral("ZestWypSQL")};
    return l;
}

// The forms: a page (1..4) or the whole (0) of a layout.
template <int Page>
class Form2019 : public ProtocolReport {
public:
    explicit Form2019(const QString& name) : ProtocolReport(name, protocolLayout2019(), Page) {}
};
template <int Page>
class Form2004 : public ProtocolReport {
public:
    explicit Form2004(const QString& name) : ProtocolReport(name, protocolLayout2004(), Page) {}
};

} // namespace

const ProtocolPrintLayout& protocolLayout2019() {
    static const ProtocolPrintLayout l = makeLayout(Wording{k2019, 430, 360, 520});
    return l;
}

const ProtocolPrintLayout& protocolLayout2004() {
    static const ProtocolPrintLayout l = makeLayout(Wording{k2004, 360, 360, 412,
                                                            {{QStringLiteral("4)"), QStringLiteral("**)")},
                                                             {QStringLiteral("6)"), QStringLiteral("*)")}},
                                                            person2004()});
    return l;
}

class TProtPowRep1Form_3 : public Form2019<1> { public: TProtPowRep1Form_3() : Form2019(QStringLiteral("TProtPowRep1Form_3")) {} };
class TProtPowRep2Form_3 : public Form2019<2> { public: TProtPowRep2Form_3() : Form2019(QStringLiteral("TProtPowRep2Form_3")) {} };
class TProtPowRep3Form_3 : public Form2019<3> { public: TProtPowRep3Form_3() : Form2019(QStringLiteral("TProtPowRep3Form_3")) {} };
class TProtPowRep4Form_3 : public Form2019<4> { public: TProtPowRep4Form_3() : Form2019(QStringLiteral("TProtPowRep4Form_3")) {} };
class TProtPowRepForm_3_all : public Form2019<0> { public: TProtPowRepForm_3_all() : Form2019(QStringLiteral("TProtPowRepForm_3_all")) {} };
class TProtPowRep1Form_2 : public Form2004<1> { public: TProtPowRep1Form_2() : Form2004(QStringLiteral("TProtPowRep1Form_2")) {} };
class TProtPowRep2Form_2 : public Form2004<2> { public: TProtPowRep2Form_2() : Form2004(QStringLiteral("TProtPowRep2Form_2")) {} };
class TProtPowRep3Form_2 : public Form2004<3> { public: TProtPowRep3Form_2() : Form2004(QStringLiteral("TProtPowRep3Form_2")) {} };
class TProtPowRep4Form_2 : public Form2004<4> { public: TProtPowRep4Form_2() : Form2004(QStringLiteral("TProtPowRep4Form_2")) {} };
class TProtPowRepForm_all : public Form2004<0> { public: TProtPowRepForm_all() : Form2004(QStringLiteral("TProtPowRepForm_all")) {} };

void registerProtocolForms() {
    addForm<TProtPowRep1Form_3>("TProtPowRep1Form_3");
    addForm<TProtPowRep2Form_3>("TProtPowRep2Form_3");
    addForm<TProtPowRep3Form_3>("TProtPowRep3Form_3");
    addForm<TProtPowRep4Form_3>("TProtPowRep4Form_3");
    addForm<TProtPowRepForm_3_all>("TProtPowRepForm_3_all");
    addForm<TProtPowRep1Form_2>("TProtPowRep1Form_2");
    addForm<TProtPowRep2Form_2>("TProtPowRep2Form_2");
    addForm<TProtPowRep3Form_2>("TProtPowRep3Form_2");
    addForm<TProtPowRep4Form_2>("TProtPowRep4Form_2");
    addForm<TProtPowRepForm_all>("TProtPowRepForm_all");
}

} // namespace zort::print
