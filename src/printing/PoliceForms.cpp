// The printouts of the accidents in service (the variant for uniformed services): the
// post-accident protocol of the police form and the accident record card ("EKW"),
// each one layout of the printed forms (ProtocolPrintLayout.h), and the register of
// accidents in service, a landscape table of two rows per officer; and the three
// attachments of an officer's protocol: the hearing and the inspection records, two
// more layouts under the attachment header, and the own attachment.
#include "core/DateUtil.h"
#include "domain/PoliceReportDatasets.h"
#include "printing/PrintForms.h"
#include "printing/ProtocolPrintLayout.h"
#include "printing/ReportForms.h"
#include "printing/engine/DisplayFormat.h"

namespace zort::print {
namespace {

using Part = ProtItem::Part;
using Pieces = std::vector<ProtPiece>;
using namespace protdef;

// Names of the alternatives struck together: the officer's and the family member's
// of items 10 and 15, and the two points of item 7.
const QString kInjured = QStringLiteral("zapoznany:poszkodowany");
const QString kFamily = QStringLiteral("zapoznany:rodzina");
const QString kPoint1 = QStringLiteral("pkt 7.1");
const QString kPoint2 = QStringLiteral("pkt 7.2");

ProtLine pointLine(std::vector<ProtPiece> pieces, const QString& point) {
    ProtLine l = line(std::move(pieces));
    l.point = point;
    return l;
}

ProtLine spaced(ProtLine l, double space) {
    l.space = space;
    return l;
}

ProtLine sized(ProtLine l, double size) {
    l.size = size;
    return l;
}

ProtPiece withFormat(ProtPiece p, const QString& format) {
    p.format = format;
    return p;
}

// A chained free text of the protocol under its lines.
ProtItem text(int number, std::vector<ProtLine> lines, const QString& column, double blank) {
    return item(number, Part::Chain, 1, std::move(lines), column, 0, 0, blank);
}

ProtItem lines(int number, std::vector<ProtLine> lines) { return item(number, Part::Chain, 1, std::move(lines)); }

std::vector<ProtItem> protocolItems() {
    std::vector<ProtItem> out;
    // The place and date at the top right, the stamp at the left, the title.
    ProtPiece placeDate = V(QStringLiteral("MIEJSCESP"), QString(), QStringLiteral(".......................  dnia  ................"), 280);
    placeDate.columns = {QStringLiteral("MIEJSCESP"), QStringLiteral("DATASP")};
    placeDate.separator = QStringLiteral(" dnia ");
    placeDate.format = kDateFormat;
    placeDate.x = 438;
    ProtLine title = line({T(QStringLiteral("PROTOKÓŁ POWYPADKOWY NR")), F(QStringLiteral("nrProt_symbol"), 60),
                           T(QStringLiteral("/")), F(QStringLiteral("RokProtok"), 36), T(QStringLiteral("r."))},
                          0);
    title.center = true;
    title.bold = true;
    title.size = 11;
    out.push_back(item(0, Part::Top, 1,
                       {line({placeDate}, 0), spaced(sized(plain(QStringLiteral("(pieczęć jednostki organizacyjnej Policji)"), 0), 6), 24),
                        spaced(title, 10)}));

    // 1. The commission and the injured officer.
    const QString person = QStringLiteral("(imię i nazwisko)");
    const QString rank = QStringLiteral("(stopień służbowy, zajmowane stanowisko)");
    out.push_back(lines(
        1, {heading(QStringLiteral("1.  Komisja powypadkowa:")),
            line({T(QStringLiteral("1) Przewodniczący - ")), F(QStringLiteral("IMNAZW1"), 250, person),
                  F(QStringLiteral("FUNKCJA1"), 0, rank)}),
            line({T(QStringLiteral("członkowie: ")), T(QStringLiteral("2)")), F(QStringLiteral("IMNAZW2"), 250, person),
                  F(QStringLiteral("FUNKCJA2"), 0, rank)}),
            line({T(QStringLiteral("3)"), 50), F(QStringLiteral("IMNAZW3"), 250, person), F(QStringLiteral("FUNKCJA3"), 0, rank)}),
            line({T(QStringLiteral("4)"), 50),
                  F(QStringLiteral("IMNAZW4"), 0, QStringLiteral("(imię i nazwisko inspektora ds. bezpieczeństwa i higieny służby)"))}),
            line({T(QStringLiteral("dokonała w dniach od")), D(QStringLiteral("DATAUST"), 80), T(QStringLiteral("do")),
                  D(QStringLiteral("DATAZAKUST"), 80)}),
            line({T(QStringLiteral("ustaleń dotyczących okoliczności i przyczyn wypadku, któremu w dniu ")),
                  D(QStringLiteral("DATA"), 80), T(QStringLiteral("o godzinie")), F(QStringLiteral("GodzWyp"), 40)}),
            line({T(QStringLiteral("w")), F(QStringLiteral("MSCWYPADKU"), 0, QStringLiteral("(miejsce)"))}),
            line({T(QStringLiteral("uległ(a)")),
                  F(QStringLiteral("ImieNazwisko"), 0, QStringLiteral("(stopień służbowy, imię nazwisko poszkodowanego)"))}),
            line({T(QStringLiteral("syn/córka")), F(QStringLiteral("SYNCORKA"), 150), T(QStringLiteral("urodzony(-a)")),
                  D(QStringLiteral("DATAUR"), 80), F(QStringLiteral("MIEJSCEUR"), 0, QStringLiteral("(data i miejsce)"))}),
            line({T(QStringLiteral("zamieszkały(a) w")), F(QStringLiteral("KODPOCZ"), 60),
                  F(QStringLiteral("MIEJSCOW"), 0, QStringLiteral("(kod pocztowy, miejscowość)"))}),
            line({F(QStringLiteral("adres"), 0, QStringLiteral("(województwo, ulica, nr mieszkania)"))})}));

    // 2. to 6.
    out.push_back(lines(2, {heading({T(QStringLiteral("2. Wypadek został zgłoszony przez:")), F(QStringLiteral("IMNAZWZG"), 280),
                                     T(QStringLiteral("w dniu")), D(QStringLiteral("DATAZG"), 80)})}));
    out.push_back(text(3, {heading(QStringLiteral("3. Ustalono następujące okoliczności i przyczyny wypadku:"))},
                       QStringLiteral("PRZYCZYNY"), 420));
    out.push_back(text(4, {heading(QStringLiteral("4.Skutki wypadku:"))}, QStringLiteral("SKUTKI"), 80));
    out.push_back(lines(4, {line({C(QStringLiteral("poniósł śmierć bezpośrednio/")), C(QStringLiteral("zmarł* ")),
                                  T(QStringLiteral("w dniu ")), D(QStringLiteral("DATASM"), 80), T(QStringLiteral("o godz.")),
                                  F(QStringLiteral("GODZSM"), 60)}),
                            line({F(QStringLiteral("SkutkiSm"), 0)})}));
    out.push_back(text(5,
                       {heading({T(QStringLiteral("5. Wypadek")), C(QStringLiteral("jest/")), C(QStringLiteral("nie jest* "))}),
                        plain(QStringLiteral("wypadkiem w związku z pełnieniem służby w Policji, co uzasadnia się następująco:"))},
                       QStringLiteral("UZASADTYP"), 160));
    out.push_back(text(6,
                       {heading(QStringLiteral("6. Wskutek wypadku poszkodowany poniósł następującą szkodę w przedmiotach "
                                               "osobistego użytku i przedmiotach służących")),
                        heading(QStringLiteral("    do wykonywania służby:"))},
                       QStringLiteral("SZKODA"), 80));

    // 7. The findings, point by point.
    out.push_back(text(
        7, {heading(QStringLiteral("7. W wyniku dokonanych przez komisję powypadkową ustaleń stwierdza się, że:")),
            pointLine({T(QStringLiteral("1) powyższy wypadek nastąpił podczas")), C(QStringLiteral("wykonywania/")),
                       C(QStringLiteral("w związku z wykonywaniem*")), T(QStringLiteral("obowiązków służbowych"))},
                      kPoint1),
            pointLine({T(QStringLiteral("lub czynności określonych w art. 2 ust. 1 pkt")), F(QStringLiteral("PKTUSTAWY"), 40),
                       T(QStringLiteral("ustawy;"))},
                      kPoint1),
            pointLine({T(QStringLiteral("2)")),
                       T(QStringLiteral("powyższy wypadek nastąpił w okolicznościach innych niż określone w art. 2 ust. 1 ustawy;"))},
                      kPoint2),
            line({T(QStringLiteral("3)")), T(QStringLiteral("wyłączną przyczyną wypadku było: ")), C(QStringLiteral("umyślne /")),
                  C(QStringLiteral("rażąco niedbałe* ")), C(QStringLiteral("działanie /")), C(QStringLiteral("zaniechanie*")),
                  T(QStringLiteral("funkcjonariusza"))})},
        QStringLiteral("ROZKPRZEP1"), 60));
    out.push_back(text(7, {plain(QStringLiteral("ponieważ"))}, QStringLiteral("ROZKPRZEP2"), 60));
    out.push_back(text(7,
                       {line({T(QStringLiteral("4)")),
                              T(QStringLiteral("do wypadku przyczyniło  się zachowanie spowodowane stanem po spożyciu ")),
                              C(QStringLiteral("alkoholu/ "))}),
                        line({C(QStringLiteral("środków odurzających, substancji ")),
                              C(QStringLiteral("psychotropowych lub innych o podobnym działaniu*,")), T(QStringLiteral("ponieważ :"))})},
                       QStringLiteral("STANPOLICJANTA_OPIS1"), 80));
    out.push_back(text(7,
                       {line({C(QStringLiteral("Stan nietrzeźwości/"))}),
                        line({C(QStringLiteral("użycie środków odurzających, substancji psychotropowych lub innych o podobnym "
                                               "działaniu* ")),
                              T(QStringLiteral("u poszkodowanego"))}),
                        plain(QStringLiteral("stwierdzono w oparciu o:"))},
                       QStringLiteral("STANPOLICJANTA_OPIS2"), 80));
    out.push_back(text(7, {plain(QStringLiteral("Stopień przyczynienia się do wypadku : "))}, QStringLiteral("PRZYCZDOWYP"), 80));
    out.push_back(text(7,
                       {line({T(QStringLiteral("5)")), C(QStringLiteral("obrażenia ciała/")), C(QStringLiteral("śmierć*")),
                              T(QStringLiteral("funkcjonariusza zostały(-a) spowodowane(-a) przez  niego rozmyślnie co "
                                               "uzasadnia się następu-"))}),
                        plain(QStringLiteral("jąco :"))},
                       QStringLiteral("ROZMSKUTKI_OPIS"), 60));
    out.push_back(text(7,
                       {line({T(QStringLiteral("6)")), T(QStringLiteral("okoliczności i przyczyny wypadku ustalono na podstawie:"))})},
                       QStringLiteral("PODSTUSTALEN"), 60));

    // 8. to 9.
    out.push_back(text(8,
                       {heading(QStringLiteral("8. W związku z wypadkiem stwierdzono nieprzestrzeganie przez jednostkę "
                                               "(komórkę) organizacyjną Policji następujących")),
                        line({C(QStringLiteral("przepisów i zasad bezpieczeństwa służby/")),
                              C(QStringLiteral("innych przepisów dotyczących ochrony życia i zdrowia* :"))})},
                       QStringLiteral("PRZEPISY_OPIS"), 80));
    out.push_back(text(9, {heading(QStringLiteral("9. Wnioski i środki profilaktyczne:"))}, QStringLiteral("PROFILAKTYKA"), 80));

    // 10. The officer or the family acquainted, their remarks and signature.
    out.push_back(text(10,
                       {heading({T(QStringLiteral("10. 1. ")), C(QStringLiteral("Poszkodowanego/"), kInjured),
                                 C(QStringLiteral("członka rodziny poszkodowanego*"), kFamily),
                                 T(QStringLiteral("zapoznano z niniejszym protokołem."))}),
                        line({T(QStringLiteral("2.   Uwagi ")), C(QStringLiteral("poszkodowanego/"), kInjured),
                              C(QStringLiteral("członka rodziny poszkodowanego*"), kFamily),
                              T(QStringLiteral("załączono do protokołu "))})},
                       QStringLiteral("UWAGI_OPIS"), 36));
    out.push_back(lines(10, {line({T(QStringLiteral("3.")), C(QStringLiteral("Uwag do protokołu nie wniesiono*,")),
                                   T(QStringLiteral("z ustaleniami opisanymi w protokole zgadzam się."))}),
                             spaced(line({F(QString(), 300, QString(), 380)}), 16),
                             sized(line({T(QStringLiteral("(data i podpis"), 400), C(QStringLiteral("poszkodowanego/"), kInjured),
                                         C(QStringLiteral("członka rodziny poszkodowanego)*"), kFamily)}),
                                   6)}));

    // 11. to 12.
    out.push_back(lines(11, {heading(QStringLiteral("11. 1. Podpisy członków komisji powypadkowej: ")),
                             spaced(line({T(QStringLiteral("1)")), F(QString(), 260), T(QStringLiteral("2)"), 340), F(QString(), 0)}), 14),
                             spaced(line({T(QStringLiteral("3)")), F(QString(), 260), T(QStringLiteral("4)"), 340), F(QString(), 0)}), 14),
                             spaced(line({T(QStringLiteral("2.  ")),
                                          C(QStringLiteral("Do protokołu  załączono odrębne zdania członka komisji "
                                                           "powypadkowej.*"))}),
                                    6)}));
    out.push_back(text(12,
                       {heading({T(QStringLiteral("12. 1. Data sporządzenia protokołu: ")), D(QStringLiteral("DATAPROT"), 90)}),
                        plain(QStringLiteral("2. Przeszkody i trudności, które uniemożliwiły sporządzenie protokołu w wymaganym "
                                             "terminie 14 dni od dnia")),
                        plain(QStringLiteral("zawiadomienia o wypadku: "))},
                       QStringLiteral("PRZESZKODY"), 46));

    // 13. to 16.: the head of the unit, the receipt, the attachments.
    const QString head = QStringLiteral("(podpis kierownika jednostki organizacyjnej Policji)");
    out.push_back(lines(13, {heading({T(QStringLiteral("13. ")), C(QStringLiteral("Zatwierdzam niniejszy protokół.*")),
                                      T(QStringLiteral("/"))}),
                             line({C(QStringLiteral("Zwracam niniejszy protokół celem uzupełnienia go przez komisję powypadkową.*"))}),
                             spaced(line({D(QStringLiteral("DATAZATWZW"), 90, QStringLiteral("(data)")), F(QString(), 0, head, 300)}),
                                    10)}));
    out.push_back(lines(14, {heading({T(QStringLiteral("14. ")),
                                      C(QStringLiteral("Zatwierdzam niniejszy protokół po dokonaniu dodatkowych wyjaśnień i "
                                                       "ustaleń przez komisję powypadkową.*"))}),
                             spaced(line({D(QStringLiteral("DATAZATWDOD"), 90, QStringLiteral("(data)")), F(QString(), 0, head, 300)}),
                                    10)}));
    out.push_back(lines(15, {heading({T(QStringLiteral("15.")), T(QStringLiteral("Potwierdzenie odbioru protokołu przez")),
                                      C(QStringLiteral("poszkodowanego/"), kInjured),
                                      C(QStringLiteral("członka rodziny poszkodowanego*"), kFamily)}),
                             line({T(QStringLiteral("lub data ")), C(QStringLiteral("doręczenia/")), C(QStringLiteral("przesłania*")),
                                   D(QStringLiteral("DATAODB"), 90)}),
                             spaced(plain(QStringLiteral("Protokół otrzymałem w dniu   .......................")), 6),
                             spaced(plain(QStringLiteral("Protokół przesłano zainteresowanemu w dniu ...............................")),
                                    6)}));
    out.push_back(text(16, {heading(QStringLiteral("16.   Wykaz załączników do protokołu:"))}, QStringLiteral("ZALACZNIKI"), 60));

    // The instruction.
    ProtLine instruction = plain(QStringLiteral("Pouczenie:"), 0);
    instruction.bold = true;
    out.push_back(item(99, Part::Summary, 1,
                       {spaced(instruction, 8),
                        plain(QStringLiteral("Zainteresowanemu przysługuje prawo zgłoszenia zastrzeżeń do ustaleń zawartych w "
                                             "protokole powypadkowym w terminie 7 dni od daty"),
                              0),
                        plain(QStringLiteral("doręczenia niniejszego protokołu."), 0),
                        plain(QStringLiteral("Zastrzeżenia wnosi się w formie pisemnej do kierownika jednostki organizacyjnej "
                                             "Policji prowadzącego postępowanie powypadkowe."),
                              0),
                        spaced(plain(QStringLiteral("* Niepotrzebne skreślić"), 0), 6)}));
    return out;
}

ProtMarks marks(const QString& column, std::vector<std::pair<int, QStringList>> struck) {
    ProtMarks m;
    m.column = column;
    m.struck = std::move(struck);
    return m;
}

std::vector<ProtMarks> protocolMarks() {
    const QString narcotics1 = QStringLiteral("środków odurzających, substancji ");
    const QString narcotics2 = QStringLiteral("psychotropowych lub innych o podobnym działaniu*,");
    const QString narcotics3 =
        QStringLiteral("użycie środków odurzających, substancji psychotropowych lub innych o podobnym działaniu* ");
    std::vector<ProtMarks> m = {
        marks(QStringLiteral("SKUTEKSM"), {{1, {QStringLiteral("zmarł* ")}}, {2, {QStringLiteral("poniósł śmierć bezpośrednio/")}}}),
        marks(QStringLiteral("TYPWYP"), {{0, {QStringLiteral("nie jest* ")}}, {1, {QStringLiteral("jest/")}}}),
        marks(QStringLiteral("WYKONYWANIEOBSL"),
         {{1, {QStringLiteral("w związku z wykonywaniem*")}}, {2, {QStringLiteral("wykonywania/")}}}),
        marks(QStringLiteral("OKOLICZNOSCI"), {{1, {kPoint2}}, {2, {kPoint1}}}),
        marks(QStringLiteral("WYLPRZYCZYNA"),
         {{1, {QStringLiteral("rażąco niedbałe* "), QStringLiteral("zaniechanie*")}},
          {2, {QStringLiteral("umyślne /"), QStringLiteral("zaniechanie*")}},
          {3, {QStringLiteral("umyślne /"), QStringLiteral("rażąco niedbałe* "), QStringLiteral("działanie /")}}}),
        marks(QStringLiteral("STANPOLICJANTA"),
         {{1, {narcotics1, narcotics2, narcotics3}}, {2, {QStringLiteral("alkoholu/ "), QStringLiteral("Stan nietrzeźwości/")}}}),
        marks(QStringLiteral("ROZMSKUTKI"), {{1, {QStringLiteral("śmierć*")}}, {2, {QStringLiteral("obrażenia ciała/")}}}),
        marks(QStringLiteral("PRZEPISY"),
         {{1, {QStringLiteral("innych przepisów dotyczących ochrony życia i zdrowia* :")}},
          {2, {QStringLiteral("przepisów i zasad bezpieczeństwa służby/")}}}),
        marks(QStringLiteral("ZAPOZNANY"), {{1, {kFamily}}, {2, {kInjured}}}),
        // UWAGI holds the item + 1: 2 the remarks are attached.
        marks(QStringLiteral("UWAGI"), {{2, {QStringLiteral("Uwag do protokołu nie wniesiono*,")}}}),
        marks(QStringLiteral("ODRZDANIE"), {{2, {QStringLiteral("Do protokołu  załączono odrębne zdania członka komisji powypadkowej.*")}}}),
        marks(QStringLiteral("ZATWIERDZONY"),
         {{1, {QStringLiteral("Zwracam niniejszy protokół celem uzupełnienia go przez komisję powypadkową.*")}},
          {2, {QStringLiteral("Zatwierdzam niniejszy protokół.*")}}}),
        marks(QStringLiteral("DORECZENIE"), {{1, {QStringLiteral("przesłania*")}}, {2, {QStringLiteral("doręczenia/")}}}),
    };
    ProtMarks approved;
    approved.column = QStringLiteral("ZATWDOD");
    approved.byText = {{QStringLiteral("n"),
                        {QStringLiteral("Zatwierdzam niniejszy protokół po dokonaniu dodatkowych wyjaśnień i ustaleń przez "
                                        "komisję powypadkową.*")}}};
    m.push_back(approved);
    return m;
}

// An item of the record card: its number and caption at the margin, the value at
// the column of values.
constexpr double kValueX = 210;

ProtLine cardLine(const QString& caption, std::vector<ProtPiece> values) {
    std::vector<ProtPiece> pieces{T(caption)};
    for (size_t i = 0; i < values.size(); ++i) {
        if (i == 0) values[i].x = kValueX;
        pieces.push_back(values[i]);
    }
    return line(std::move(pieces), 0);
}

std::vector<ProtItem> cardItems() {
    std::vector<ProtItem> out;
    ProtLine title = line({T(QStringLiteral("EWIDENCYJNA KARTA WYPADKU NR:")), F(QStringLiteral("nr"), 170)}, 0);
    title.center = true;
    title.bold = true;
    title.size = 11;
    std::vector<ProtLine> top{spaced(title, 8)};
    const auto field = [](const char* caption, const char* column, double width = 0) {
        return cardLine(QString::fromUtf8(caption), {F(QString::fromLatin1(column), width)});
    };
    const auto date = [](const char* caption, const char* column) {
        return cardLine(QString::fromUtf8(caption), {D(QString::fromLatin1(column), 90)});
    };
    for (ProtLine l : {field("1.  Nazwa jednostki", "NAZWAJEDN"), field("2.  Województwo", "WOJEWJEDN"),
                       field("3.  Imię i nazwisko", "ImieNazwisko"), date("4.  Data urodzenia", "DATAUR"),
                       field("5.  Stopień", "STOPSL"), field("6.  Stanowisko", "STANOPOL"), field("7.  Lata służby", "STAZ", 80),
                       cardLine(QStringLiteral("8.  Data i godzina wypadku"),
                                {withFormat(F(QStringLiteral("DATA"), 130), QStringLiteral("dd.mm.yyyy hh:nn"))}),
                       field("9.  Miejsce wypadku", "MSCWYPADKU"), field("10.  Rodzaj wypadku", "R_WypEKW"),
                       cardLine(QStringLiteral("11.  Kategoria wypadku"),
                                {C(QStringLiteral("lekki/")), C(QStringLiteral("ciężki/")), C(QStringLiteral("śmiertelny"))}),
                       cardLine(QStringLiteral("12.  Typ wypadku"), {C(QStringLiteral("indywidualny/")), C(QStringLiteral("zbiorowy"))})})
        top.push_back(spaced(l, 3.5));
    // The injuries: up to four lines from the caption's line down.
    ProtPiece injuries = B(kValueX, 0, 56, QString(), {QStringLiteral("DoznUraz")});
    injuries.border = false;
    top.push_back(spaced(plain(QStringLiteral("13.  Doznane urazy"), 0), 3.5));
    top.push_back(spaced(line({injuries}, 0), -(ReferenceDevice::lineHeight(FontSpec(QStringLiteral("Arial"), 8)) + 2)));
    out.push_back(item(0, Part::Top, 1, top));

    const auto list = [](int number, const char* caption, const char* column) {
        return item(number, Part::Chain, 1, {plain(QString::fromUtf8(caption), 0)}, QString::fromLatin1(column), 0, 38, 80);
    };
    out.push_back(list(14, "14.  Czynniki powodujący uraz", "CzynnUraz"));
    out.push_back(list(15, "15. Wydarzenia powodujące uraz", "WydarzUraz"));
    out.push_back(list(16, "16.  Przyczyny wypadku", "Przyczyna"));
    out.push_back(item(17, Part::Chain, 1,
                       {spaced(cardLine(QStringLiteral("17.  Ilość dni zwolnienia"),
                                        {F(QStringLiteral("ZWOLNIENIE"), 80), C(QStringLiteral("poszkodowany zmarł")),
                                         D(QStringLiteral("DATASM"), 90)}),
                               4),
                        spaced(date("18.  Data szkolenia bhp", "DATASZKOLBHP"), 4),
                        spaced(date("19.  Data szkolenia zawodowego", "DATASZKOLZAW"), 4),
                        spaced(cardLine(QStringLiteral("20.  Straty materialne"),
                                        {withFormat(F(QStringLiteral("STRATYMAT"), 120), kAmountFormat)}),
                               4)}));
    out.push_back(item(21, Part::Chain, 1, {plain(QStringLiteral("21.  Uwagi"), 0)}, QStringLiteral("UWAGIEKW"), 0, 22, 200));
    out.push_back(item(22, Part::Chain, 1,
                       {spaced(date("22.  Data sporządzenia", "DATASPORZEKW"), 4),
                        spaced(field("23.  Sporządził", "SPORZADZEKW"), 4)}));
    return out;
}

std::vector<ProtMarks> cardMarks() {
    ProtMarks died;
    died.column = QStringLiteral("DATASM");
    died.empty = {QStringLiteral("poszkodowany zmarł")};
    return {
        marks(QStringLiteral("SKUTKITYP"),
         {{1, {QStringLiteral("lekki/"), QStringLiteral("ciężki/")}},
          {2, {QStringLiteral("lekki/"), QStringLiteral("śmiertelny")}},
          {3, {QStringLiteral("ciężki/"), QStringLiteral("śmiertelny")}}}),
        marks(QStringLiteral("WYPIZ"), {{0, {QStringLiteral("zbiorowy")}}, {1, {QStringLiteral("indywidualny/")}}}),
        died,
    };
}

ProtocolPrintLayout policeLayout(const QString& title, const QString& dataset, const QString& kind) {
    ProtocolPrintLayout l;
    l.pageTitle = title;
    l.headerColumn = QStringLiteral("nr");
    l.pageTotal = true;
    l.wholeDatasets = {dataset};
    l.kindCode = kind;
    l.fontSetting = false;
    return l;
}

} // namespace

const ProtocolPrintLayout& policeProtocolLayout() {
    static const ProtocolPrintLayout l = [] {
        ProtocolPrintLayout p = policeLayout(QStringLiteral("Protokół powypadkowy"), reportds::kPoliceProtocol,
                                             QStringLiteral("WypProtPowPol"));
        p.items = protocolItems();
        p.marks = protocolMarks();
        p.textHeight = 28;
        return p;
    }();
    return l;
}

const ProtocolPrintLayout& policeCardLayout() {
    static const ProtocolPrintLayout l = [] {
        ProtocolPrintLayout p = policeLayout(QStringLiteral("Ewidencyjna Karta Wypadku"), reportds::kPoliceCard,
                                             QStringLiteral("WypEKWPol"));
        p.items = cardItems();
        p.marks = cardMarks();
        p.topHeight = 335;
        p.topBlankHeight = 400;
        return p;
    }();
    return l;
}

// A document of an officer or an attachment of the officer's protocol: filled, it
// prints only its row (a row gone meanwhile prints nothing); blank, its fixed texts
// once.
class PoliceDocument : public ProtocolReport {
public:
    using ProtocolReport::ProtocolReport;

protected:
    void onRun(bool& print) override {
        ProtocolReport::onRun(print);
        printIfEmpty = blank();
    }
};

class TRepProt_Policja : public PoliceDocument {
public:
    TRepProt_Policja() : PoliceDocument(QStringLiteral("TRepProt_Policja"), policeProtocolLayout(), 0) {}
};

class TRepEKW1_Policja : public PoliceDocument {
public:
    TRepEKW1_Policja() : PoliceDocument(QStringLiteral("TRepEKW1_Policja"), policeCardLayout(), 0) {}
};

// --- The attachments of an officer's protocol ------------------------------------------

namespace {

// The inspection's kind: the place of the accident or the state of the devices.
const QString kInspectedPlace = QStringLiteral("oględziny:miejsce");
const QString kInspectedDevices = QStringLiteral("oględziny:urządzenia");

// A wording chosen by the row's kind, printed on blank forms too; `either` without a row.
ProtPiece kindValue(const QString& column, const QString& either, double width, double x = 0) {
    ProtPiece p = V(column, QString(), either, width);
    p.keepOnBlank = true;
    p.x = x;
    return p;
}

// The place and date of drawing the record up; the blank form's dotted line.
ProtPiece placeAndDate(const QString& onBlank) {
    ProtPiece p = V(QStringLiteral("MiejsceData"), QString(), onBlank, 280);
    p.x = 438;
    return p;
}

ProtLine stampLine() {
    return spaced(sized(plain(QStringLiteral("(pieczęć jednostki organizacyjnej Policji)"), 0), 6), 24);
}

ProtLine titleLine(ProtPiece piece) {
    ProtLine l = line({std::move(piece)}, 0);
    l.center = true;
    l.bold = true;
    l.size = 11;
    return spaced(l, 10);
}

// The four members of the commission, as the hearing and the inspection print them.
std::vector<ProtLine> commissionLines() {
    std::vector<ProtLine> out{spaced(heading(QStringLiteral("Komisja powypadkowa: ")), 4)};
    for (int n = 1; n <= 4; ++n)
        out.push_back(line({T(QStringLiteral("%1)").arg(n)), F(QStringLiteral("IMNAZW%1").arg(n), 300, QStringLiteral("(imię i nazwisko)")),
                            F(QStringLiteral("FUNKCJA%1").arg(n), 0, QStringLiteral("(stopień służbowy, zajmowane stanowisko)"))}));
    return out;
}

// A line of the personal data: the caption and the value to the end of the line.
ProtLine dataLine(const QString& caption, const QString& column, double x = 0) {
    return line({T(caption), F(column, 0, QString(), x)});
}

AttachmentLine lineOf(const PrintContext& c, const char* number, const QString& wording, const char* document) {
    AttachmentLine l;
    const Field n = c.field(QLatin1String(number));
    l.number = n.isNull() ? QString() : QString::number(n.asInt());
    l.wording = wording;
    l.documentNumber = c.field(QLatin1String(document)).asString().trimmed();
    return l;
}

// "Załącznik nr " number " do protokołu nr " protocol number [" z dnia " DATAPROT].
AttachmentLineFn protocolAttachmentLine(const char* number) {
    return [number](const DocumentReport&, const PrintContext& c) {
        AttachmentLine l = lineOf(c, number, QStringLiteral(" do protokołu nr "), "nrProt_symbol");
        l.date = dates::toDateTime(c.field(QStringLiteral("DATAPROT")).variant());
        l.withDate = true;
        return l;
    };
}

ProtocolPrintLayout attachmentLayout(const QString& dataset, const QString& kind) {
    ProtocolPrintLayout l;
    l.wholeDatasets = {dataset};
    l.kindCode = kind;
    l.fontSetting = false;
    l.textHeight = 28;
    return l;
}

std::vector<ProtItem> hearingItems() {
    std::vector<ProtItem> out;
    out.push_back(item(0, Part::Top, 1,
                       {line({placeAndDate(QStringLiteral(".......................... dnia ................"))}, 0),
                        stampLine(), titleLine(kindValue(QStringLiteral("TytulPrz"), QStringLiteral("PROTOKÓŁ PRZESŁUCHANIA POSZKODOWANEGO/ŚWIADKA"), 0))}));
    std::vector<ProtLine> body = commissionLines();
    body.push_back(spaced(line({T(QStringLiteral("przesłuchała w charakterze")), kindValue(QStringLiteral("RolaPrz"), QStringLiteral("poszkodowanego/świadka"), 200)}, 0), 6));
    body.push_back(line({T(QStringLiteral("w dniu")), D(QStringLiteral("DATAP"), 90), T(QStringLiteral("niżej wymienionego(-ą):"))}, 0));
    body.push_back(dataLine(QStringLiteral("1) stopień służbowy, imię i nazwisko:"), QStringLiteral("StopienImNazw")));
    body.push_back(dataLine(QStringLiteral("2) imię ojca:"), QStringLiteral("IMOJCA")));
    body.push_back(dataLine(QStringLiteral("3) data i miejsce urodzenia:"), QStringLiteral("DataMiejsceUr")));
    body.push_back(dataLine(QStringLiteral("4) jednostka organizacyjna, w której pełni służbę na stałe:"), QStringLiteral("STRUKTSKROT")));
    body.push_back(dataLine(QStringLiteral("5) stanowisko służbowe:"), QStringLiteral("STANOWSKROT")));
    body.push_back(dataLine(QStringLiteral("6) miejsce zameldowania:"), QStringLiteral("Zameldowanie")));
    body.push_back(dataLine(QStringLiteral("7) stosunek do stron:"), QStringLiteral("STOSDOSTR")));
    body.push_back(line({T(QStringLiteral("8) nr i seria dowodu osobistego:")), F(QStringLiteral("NRSERIADO"), 180),
                         T(QStringLiteral("wydanego przez:")), F(QStringLiteral("WYDANYDO"), 0)}));
    body.push_back(line({T(QStringLiteral("9) nr PESEL:")), F(QStringLiteral("PESEL"), 150)}));
    body.push_back(spaced(plain(QStringLiteral("który zeznał, co następuje:"), 0), 4));
    out.push_back(item(1, Part::Chain, 1, body, QStringLiteral("ZEZNANIE"), 0, 0, 210));
    // The heard person's signature under the statement.
    out.push_back(item(2, Part::Chain, 1,
                       {spaced(line({F(QString(), 250, QString(), 460)}, 0), 20),
                        sized(line({kindValue(QStringLiteral("PodpisPrz"), QStringLiteral("(podpis poszkodowanego/świadka)"), 250, 460)}, 0), 6)}));
    return out;
}

std::vector<ProtItem> inspectionItems() {
    std::vector<ProtItem> out;
    std::vector<ProtLine> top{stampLine(), titleLine(T(QStringLiteral("PROTOKÓŁ OGLĘDZIN")))};
    for (ProtLine& l : commissionLines()) top.push_back(l);
    out.push_back(item(0, Part::Top, 1, top));
    const auto text = [](const QString& caption, const char* column, double blank) {
        return item(1, Part::Chain, 1, {spaced(plain(caption, 0), 4)}, QLatin1String(column), 0, 0, blank);
    };
    out.push_back(item(1, Part::Chain, 1,
                       {line({T(QStringLiteral("dokonała oględzin")), C(QStringLiteral("miejsca wypadku/"), kInspectedPlace),
                              C(QStringLiteral("stanu technicznego urządzeń * :  "), kInspectedDevices)},
                             0)},
                       QStringLiteral("RODZOGL_OPIS"), 0, 0, 50));
    out.push_back(text(QStringLiteral("w celu stwierdzenia : "), "STWIERDZONO", 36));
    out.push_back(text(QStringLiteral("W oględzinach uczestniczyli : "), "UCZESTNICY", 60));
    out.push_back(text(QStringLiteral("Przebieg oględzin : "), "PRZEBIEG", 100));
    out.push_back(item(1, Part::Chain, 1,
                       {spaced(line({T(QStringLiteral("Stan ")), C(QStringLiteral("miejsca/"), kInspectedPlace),
                                     C(QStringLiteral("urządzenia *"), kInspectedDevices),
                                     T(QStringLiteral("poddanego oględzinom został utrwalony :"))},
                                    0),
                               4)},
                       QStringLiteral("UTRWALENIE"), 0, 0, 40));
    out.push_back(text(QStringLiteral("W czasie oględzin zabezpieczono : "), "ZABEZPIECZONO", 50));
    out.push_back(item(2, Part::Chain, 1,
                       {spaced(line({T(QStringLiteral("Oględziny rozpoczęto o godz. : ")), F(QStringLiteral("CZASOD"), 160)}, 0), 4),
                        line({T(QStringLiteral("Oględziny zakończono o godz. :")), F(QStringLiteral("CZASDO"), 160)}, 0),
                        spaced(plain(QStringLiteral("Protokół niniejszy odczytano."), 0), 6),
                        spaced(line({F(QString(), 330)}, 0), 24), spaced(line({F(QString(), 330)}, 0), 14),
                        spaced(line({F(QString(), 330, QStringLiteral("(podpisy osób uczestniczących w oględzinach)"), 0)}, 0), 14),
                        spaced(line({placeAndDate(QStringLiteral("......................... dnia ................"))}, 0), 10)}));
    return out;
}

} // namespace

const ProtocolPrintLayout& policeHearingLayout() {
    static const ProtocolPrintLayout l = [] {
        ProtocolPrintLayout p = attachmentLayout(reportds::kPoliceHearing, QStringLiteral("WypZalPrzeslPol"));
        p.items = hearingItems();
        p.attachmentLine = protocolAttachmentLine("NUMER");
        return p;
    }();
    return l;
}

const ProtocolPrintLayout& policeInspectionLayout() {
    static const ProtocolPrintLayout l = [] {
        ProtocolPrintLayout p = attachmentLayout(reportds::kPoliceInspection, QStringLiteral("WypZalOgledzPol"));
        p.items = inspectionItems();
        p.marks = {marks(QStringLiteral("RODZOGL"), {{0, {kInspectedDevices}}, {1, {kInspectedPlace}}})};
        p.attachmentLine = [](const DocumentReport&, const PrintContext& c) {
            return lineOf(c, "NUMER", QStringLiteral(" do wypadku: "), "SYMBOLWYP");
        };
        return p;
    }();
    return l;
}

class TfrmRepProtPrz_Policja : public PoliceDocument {
public:
    TfrmRepProtPrz_Policja() : PoliceDocument(QStringLiteral("TfrmRepProtPrz_Policja"), policeHearingLayout(), 0) {}
};

class TfrmRepProtOgl_Policja : public PoliceDocument {
public:
    TfrmRepProtOgl_Policja() : PoliceDocument(QStringLiteral("TfrmRepProtOgl_Policja"), policeInspectionLayout(), 0) {}
};

class TfrmRepZalW_Policja : public OwnAttachmentReport {
public:
    TfrmRepZalW_Policja()
        : OwnAttachmentReport(QStringLiteral("TfrmRepZalW_Policja"), QStringLiteral("WypZalWlasnePol"),
                              reportds::kPoliceOwnAttachment, protocolAttachmentLine("ID")) {}
};

// --- The register of accidents in service ------------------------------------------

namespace {

const FontSpec kCellFont(QStringLiteral("Arial"), 7);
const FontSpec kHeadFont(QStringLiteral("Arial"), 7, true);
constexpr double kInset = 3;

// Where the cells of a row begin (units), and the right edge of the table.
const std::vector<double> kFirstRow{0, 30, 250, 330, 410, 520, 600};
const std::vector<double> kSecondRow{30, 330, 790};

} // namespace

class TfrmZestWyp_Policja : public DocumentReport {
public:
    TfrmZestWyp_Policja() : DocumentReport(QStringLiteral("TfrmZestWyp_Policja"), QStringLiteral("WypRejWypPol")) {
        page.orientation = Orientation::Landscape;
        const double width = page.contentWidth();
        auto bounds = [width](const std::vector<double>& starts, int i) {
            return std::pair<double, double>{starts[size_t(i)], size_t(i) + 1 < starts.size() ? starts[size_t(i) + 1] : width};
        };

        // The heading: two rows of framed captions.
        const QStringList first{QStringLiteral("L.p."),
                                QStringLiteral("Stopień\nimię i nazwisko jednostka"),
                                QStringLiteral("Wiek\nposzkodow.\n/staż służby"),
                                QStringLiteral("Czas\nniezdolności\ndo służby"),
                                QStringLiteral("Uznanie wypadku\nTAK/NIE\nw służbie/w drodze"),
                                QStringLiteral("Procent\nuszczerbku\nna zdrowiu"),
                                QStringLiteral("Czynniki powodujące wypadek")};
        const QStringList second{QStringLiteral("Przyczyny wypadku"), QStringLiteral("Krótki opis wypadku"),
                                 QStringLiteral("Skutki wypadku")};
        constexpr double headRow = 40, secondRow = 18;
        Band& title = addBand(BandType::Title, headRow + secondRow + 2);
        for (int i = 0; i < int(first.size()); ++i) {
            const auto [x, r] = bounds(kFirstRow, i);
            title.label(QRectF(x, 0, r - x, headRow), first[i], kHeadFont).setAlign(Qt::AlignCenter).setWrap().setFrame(FrameAll);
        }
        for (int i = 0; i < int(second.size()); ++i) {
            const auto [x, r] = bounds(kSecondRow, i);
            title.label(QRectF(x, headRow, r - x, secondRow), second[i], kHeadFont).setAlign(Qt::AlignCenter).setFrame(FrameAll);
        }
        title.rect(QRectF(0, headRow, 30, secondRow), 1);

        // Two rows per officer.
        Band& row1 = addBand(BandType::Detail, 18);
        const QStringList firstFields{QString(), QStringLiteral("ImNazwStop"), QStringLiteral("WiekStaz"),
                                      QStringLiteral("ZWOLNIENIE"), QStringLiteral("RodzWyp"), QStringLiteral("PROCUSZZDR"),
                                      QStringLiteral("Czynniki")};
        std::vector<Element*> cells1, cells2;
        for (int i = 0; i < int(firstFields.size()); ++i) {
            const auto [x, r] = bounds(kFirstRow, i);
            const QRectF box(x + kInset, kInset, r - x - 2 * kInset, 11);
            Element& e = i == 0 ? row1.text(box, [](const PrintContext& c) { return QString::number(c.record()); }, kCellFont)
                                : row1.memo(box, firstFields[i], kCellFont);
            e.setName(i == 0 ? QStringLiteral("L.p.") : firstFields[i]);
            if (i == 0) e.setAlign(Qt::AlignHCenter | Qt::AlignTop);
            cells1.push_back(&e);
        }
        Band& row2 = row1.child(18);
        const QStringList secondFields{QStringLiteral("PrzyczynyEKW"), QStringLiteral("PRZYCZYNY"), QStringLiteral("SKUTKI")};
        for (int i = 0; i < int(secondFields.size()); ++i) {
            const auto [x, r] = bounds(kSecondRow, i);
            cells2.push_back(&row2.memo(QRectF(x + kInset, kInset, r - x - 2 * kInset, 11), secondFields[i], kCellFont)
                                  .setName(secondFields[i]));
        }
        // The rules of a row: as high as its longest text, L x 11 + 7.
        auto rules = [width](Band& band, const std::vector<double>& starts, double from) {
            band.hline(from, 0, width - from, 1).setName(QStringLiteral("rule:top"));
            for (double x : starts) band.vline(x, 0, 0, 1).fitBand = true;
            band.vline(width, 0, 0, 1).fitBand = true;
        };
        rules(row1, kFirstRow, 0);
        rules(row2, {0, 30, 330, 790}, 0);
        auto sizeRow = [this](std::vector<Element*> cells) {
            return [this, cells](Band& band, bool& print) {
                print = !blank();
                int lines = 1;
                for (Element* e : cells) lines = std::max(lines, e->lineCount(valueOf(*e)));
                band.height = lines * 11 + 7;
            };
        };
        row1.beforePrint = sizeRow(cells1);
        row2.beforePrint = sizeRow(cells2);

        Band& end = addBand(BandType::Summary, 4);
        end.hline(0, 0, width, 1).setName(QStringLiteral("rule:end"));

        Band& foot = addBand(BandType::PageFooter, 16);
        Element& strona = foot.label(width / 2 - 30, 4, QStringLiteral("Strona:"), kCellFont.withBold(false));
        foot.pageNumber(QRectF(strona.box.right() + 3, 4, 60, strona.box.height()), QString(), true, kCellFont)
            .setName(QStringLiteral("page"));
    }

    QStringList datasets() const override { return {reportds::kPoliceRegister}; }

private:
    // What a cell prints in the current row.
    QString valueOf(const Element& e) const {
        return e.expr ? e.expr(context()) : formatValue(context().field(e.field), e.format);
    }
};

void registerPoliceForms() {
    addForm<TRepProt_Policja>("TRepProt_Policja", ReportForms::Record::Officer);
    addForm<TRepEKW1_Policja>("TRepEKW1_Policja", ReportForms::Record::Officer);
    addForm<TfrmZestWyp_Policja>("TfrmZestWyp_Policja", ReportForms::Record::RegisterYear);
    addForm<TfrmRepProtPrz_Policja>("TfrmRepProtPrz_Policja", ReportForms::Record::Entry);
    addForm<TfrmRepProtOgl_Policja>("TfrmRepProtOgl_Policja", ReportForms::Record::Entry);
    addForm<TfrmRepZalW_Policja>("TfrmRepZalW_Policja", ReportForms::Record::Entry);
}

} // namespace zort::print
