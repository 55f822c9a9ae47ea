#include "protocol/ProtocolDescription.h"

#include "domain/ProtocolTexts.h"

#include <array>

namespace zort {
namespace {

// The forms by index (the administration setting).
constexpr unsigned F1998 = 1u << 0;
constexpr unsigned F2003 = 1u << 1;
constexpr unsigned F2004 = 1u << 2;
constexpr unsigned F2019 = 1u << 3;
constexpr unsigned kAll = F1998 | F2003 | F2004 | F2019;
constexpr unsigned kSince2003 = F2003 | F2004 | F2019;  // the points of the forms from 2003 on
constexpr unsigned k2003And2004 = F2003 | F2004;
constexpr unsigned kFourPages = F2004 | F2019;          // memo limits as 2019, street, four tabs

using M = ProtocolMark;

QString fillHint() { return QStringLiteral("Dwukrotnie kliknij w celu wpisania imienia i nazwiska poszkodowanego"); }

class Items {
public:
    std::vector<ProtocolItem> list;
    // Where the next items go: the tab of the four-tab forms and of the two-tab forms.
    int page = 1;
    int pageOfTwo = 1;
    void at(int four, int two) {
        page = four;
        pageOfTwo = two;
    }

    ProtocolItem& add(unsigned forms, ProtocolItemKind kind, const QString& name, const QString& caption) {
        ProtocolItem i;
        i.forms = forms;
        i.page = page;
        i.pageOfTwo = pageOfTwo;
        i.kind = kind;
        i.name = name;
        i.caption = caption;
        list.push_back(i);
        return list.back();
    }
    ProtocolItem& section(unsigned forms, const QString& caption) {
        return add(forms, ProtocolItemKind::Section, QString(), caption);
    }
    ProtocolItem& text(unsigned forms, const QString& caption) {
        return add(forms, ProtocolItemKind::Text, QString(), caption);
    }
    ProtocolItem& edit(unsigned forms, const QString& name, const QString& caption, int maxLength = 0) {
        ProtocolItem& i = add(forms, ProtocolItemKind::Edit, name, caption);
        i.maxLength = maxLength;
        return i;
    }
    ProtocolItem& beside(unsigned forms, const QString& name, const QString& caption, int maxLength = 0) {
        ProtocolItem& i = edit(forms, name, caption, maxLength);
        i.beside = true;
        return i;
    }
    // A date with its calendar button (none when `button` is empty).
    ProtocolItem& date(unsigned forms, const QString& name, const QString& caption, const QString& button,
                       bool besideLast = false) {
        ProtocolItem& i = edit(forms, name, caption);
        i.date = true;
        i.button = button;
        i.beside = besideLast;
        return i;
    }
    ProtocolItem& memo(unsigned forms, const QString& name, const QString& caption, int limit, int lines) {
        ProtocolItem& i = add(forms, ProtocolItemKind::Memo, name, caption);
        i.maxLength = limit;
        i.lines = lines;
        return i;
    }
    ProtocolItem& marks(unsigned forms, const QString& caption, const QList<ProtocolMark>& marks,
                        const QStringList& captions) {
        ProtocolItem& i = add(forms, ProtocolItemKind::Marks, QString(), caption);
        i.marks = marks;
        i.markCaptions = captions;
        return i;
    }

    // The fixed texts of each form in `forms`, one row per form.
    void signatures(unsigned forms) {
        for (int f = 0; f < 4; ++f) {
            if (!(forms >> f & 1u)) continue;
            const ProtocolFixedTexts& t = protocolFixedTexts(f);
            section(1u << f, t.signaturesPoint);
            for (int n = 0; n < t.signatureCaptions.size(); ++n)
                text(1u << f, QStringLiteral("%1) %2").arg(n + 1).arg(t.signatureCaptions[n]));
        }
    }
    void strikeNote(unsigned forms) {
        for (int f = 0; f < 4; ++f)
            if (forms >> f & 1u) text(1u << f, protocolFixedTexts(f).strikeNote);
    }
    void employerSignature(unsigned forms) {
        for (int f = 0; f < 4; ++f)
            if (forms >> f & 1u) text(1u << f, protocolFixedTexts(f).employerSignature);
    }
    void stamp(unsigned forms) {
        for (int f = 0; f < 4; ++f)
            if ((forms >> f & 1u) && !protocolFixedTexts(f).stamp.isEmpty()) text(1u << f, protocolFixedTexts(f).stamp);
    }
    void titleLine(unsigned forms) {
        for (int f = 0; f < 4; ++f)
            if (forms >> f & 1u) text(1u << f, protocolFixedTexts(f).titleLine2);
    }
    // "POUCZENIE" with the labour court's field where its paragraph names the court,
    // then the footnotes.
    void instruction(unsigned forms, int courtWidth) {
        for (int f = 0; f < 4; ++f) {
            if (!(forms >> f & 1u)) continue;
            const unsigned bit = 1u << f;
            const ProtocolFixedTexts& t = protocolFixedTexts(f);
            section(bit, t.instructionHeading);
            for (const QString& p : t.instruction) {
                const int gap = p.indexOf(QLatin1String("%1"));
                if (gap < 0) {
                    text(bit, p);
                    continue;
                }
                QString before = p.left(gap).trimmed();
                QString caption = QStringLiteral("sąd pracy w");
                const int court = before.lastIndexOf(QStringLiteral("- sądu pracy w"));
                if (court >= 0) {
                    caption = before.mid(court).trimmed();
                    before = before.left(court).trimmed();
                }
                text(bit, before);
                edit(bit, QStringLiteral("epSadPracy"), caption, courtWidth);
                text(bit, p.mid(gap + 2).trimmed());
            }
            for (const QString& n : t.footnotes) text(bit, n);
        }
    }
};

// The post-accident team, the days of its inquiry and the injured person's name, as
// every form words them but for the point's number and the words before the name.
void team(Items& t, unsigned f, const QString& heading, const QString& firstName) {
    t.section(f, heading);
    t.edit(f, QStringLiteral("epImNazwA"), QStringLiteral("1) imię i nazwisko"), 70);
    t.beside(f, QStringLiteral("epFunkcjaA"), QStringLiteral("funkcja"), 50);
    t.edit(f, QStringLiteral("epImNazwB"), QStringLiteral("2) imię i nazwisko"), 70);
    t.beside(f, QStringLiteral("epFunkcjaB"), QStringLiteral("funkcja"), 50);
    t.date(f, QStringLiteral("epDataUst"), QStringLiteral("dokonał w dniach  od"), QStringLiteral("DataUstBtn"));
    t.date(f, QStringLiteral("epDataZakUst"), QStringLiteral("do"), QStringLiteral("DataZakUst"), true);
    t.date(f, QStringLiteral("ewData"), QStringLiteral("wypadku przy pracy jakiemu w dniu"), QString());
    t.edit(f, QStringLiteral("epImie"), firstName, 15);
    t.beside(f, QStringLiteral("epNazwisko"), QStringLiteral("nazwisko"), 40);
}

// The injured person's address; the street only on the forms `streetForms`.
void address(Items& t, unsigned f, unsigned streetForms) {
    t.text(f, QStringLiteral("zamieszkały(a) w"));
    t.edit(f, QStringLiteral("epKodPocz"), QStringLiteral("kod pocztowy"), 6);
    t.beside(f, QStringLiteral("epMiejscow"), QStringLiteral("miejscowość"), 32);
    t.edit(streetForms, QStringLiteral("epUlica"), QStringLiteral("ulica"), 32);
    t.beside(streetForms, QStringLiteral("epNrUl"), QStringLiteral("nr domu"), 7);
    t.beside(streetForms, QStringLiteral("epNrMiesz"), QStringLiteral("nr lok."), 9);
}

// The form of 1998: two tabs, its own order of points.
void form1998(Items& t) {
    const unsigned f = F1998;
    t.at(1, 1);
    team(t, f, QStringLiteral("1. Zespół powypadkowy w składzie:"), QStringLiteral("uległ(a) Pan(i) imię"));
    t.edit(f, QStringLiteral("epSyncorka"), QStringLiteral("syn (córka)"), 30);
    t.date(f, QStringLiteral("epDataUr"), QStringLiteral("urodzony(a)"), QStringLiteral("DataUr"));
    t.beside(f, QStringLiteral("epMiejsceUr"), QStringLiteral("w"), 32);
    address(t, f, f);
    t.edit(f, QStringLiteral("epWojew"), QStringLiteral("województwo"), 32);
    t.edit(f, QStringLiteral("epPrzedsieb"), QStringLiteral("zatrudniony(a) w"), 80);
    t.edit(f, QStringLiteral("epKodEKD"), QStringLiteral("kod EKD"), 8);
    t.edit(f, QStringLiteral("epStruktSkrot"), QStringLiteral("komórka organizacyjna"), 30);
    t.edit(f, QStringLiteral("epStanowSkrot"), QStringLiteral("na stanowisku"), 30);
    t.beside(f, QStringLiteral("epKodZawodu"), QStringLiteral("kod zawodu")).hint = listHint();
    t.edit(f, QStringLiteral("epImNazwZg"), QStringLiteral("2. Wypadek zgłosił(a):"), 70);
    t.date(f, QStringLiteral("epDataZg"), QStringLiteral("w dniu"), QStringLiteral("DataZg"), true);
    t.marks(f, QStringLiteral("3. Rodzaj wypadku:"), {M::Individual, M::Collective},
            {QStringLiteral("indywidualny"), QStringLiteral("zbiorowy")});
    t.marks(f, QString(), {M::Fatal, M::Serious, M::Temporary},
            {QStringLiteral("śmiertelny"), QStringLiteral("ciężki"),
             QStringLiteral("powodujący czasową niezdolność do pracy")});
    t.memo(f, QStringLiteral("epPrzyczyny01"), QStringLiteral("4. Ustalono następujące okoliczności i przyczyny wypadku:"),
           2490, 12);
    t.memo(f, QStringLiteral("epRodzUrazu02"), QStringLiteral("5. Skutki wypadku (miejsce i rodzaj urazu):"), 350, 4);
    t.marks(f, QStringLiteral("6. Stwierdza się, że wypadek"), {M::Is, M::IsNot},
            {QStringLiteral("JEST"), QStringLiteral("NIE JEST")});
    t.marks(f, QString(), {M::AtWork, M::TreatedAsEqual},
            {QStringLiteral("- wypadkiem przy pracy"), QStringLiteral("- traktowny na równi z wypadkiem przy pracy")});
    t.marks(f, QString(), {M::Agency},
            {QStringLiteral("- wypadkiem przy wykonywaniu umowy agencyjnej lub umowy zlecenia,")});
    t.strikeNote(f);
    t.memo(f, QStringLiteral("epUzasadn03"), QStringLiteral("co uzasadnia się następująco :"), 340, 4);

    t.at(4, 2);
    t.memo(f, QStringLiteral("epUchybienia04"),
           QStringLiteral("7. Stwierdzono naruszenie przez pracodawcę przepisów i zasad bezpieczeństwa i higieny "
                          "pracy (wskazać dowody):"),
           300, 3);
    t.memo(f, QStringLiteral("epDowUchyb05"),
           QStringLiteral("8. Stwierdzono, że wyłączną przyczyną wypadku było udowodnione naruszenie przez "
                          "poszkodowanego przepisów dotyczących ochrony życia i zdrowia, spowodowane przez niego "
                          "umyślnie lub wskutek rażącego niedbalstwa (wskazać dowody):"),
           300, 3);
    t.memo(f, QStringLiteral("epDowPij06"),
           QStringLiteral("9. Stwierdzono, że poszkodowany, będąc w stanie nietrzeźwości, przyczynił się w znacznym "
                          "stopniu do spowodowania wypadku (wskazać dowody):"),
           200, 2);
    t.memo(f, QStringLiteral("epProfilaktyka07"), QStringLiteral("10. Wnioski i środki profilaktyczne:"), 1180, 6);
    t.text(f, QStringLiteral("11. Poszkodowanego (członka rodziny) zapoznano z treścią protokołu i pouczono o prawie "
                             "zgłoszenia uwag i zastrzeżeń do ustaleń protokołu."));
    t.edit(f, QStringLiteral("epImNazwCzZap"), QStringLiteral("(imię i nazwisko pracownika lub członka rodziny)"), 70)
        .hint = fillHint();
    t.date(f, QStringLiteral("epDataZapoz"), QStringLiteral("data"), QStringLiteral("DataZapoz"), true);
    t.signatures(f);
    t.date(f, QStringLiteral("epDataProt"), QStringLiteral("13.   Protokół sporządzono w dniu :"),
           QStringLiteral("DataProt"));
    t.memo(f, QStringLiteral("epPrzeszkody08"),
           QStringLiteral("14. Przeszkody i trudności uniemożliwiające sporządzenie protokołu w przepisowym terminie "
                          "14 dni:"),
           390, 3);
    t.date(f, QStringLiteral("epDataZatw"), QStringLiteral("15.   Protokół zatwierdzono w dniu :"),
           QStringLiteral("DataZatw"));
    t.employerSignature(f);
    t.section(f, QStringLiteral("16. Potwierdzenie odbioru protokołu:"));
    t.edit(f, QStringLiteral("epImNazwCz"),
           QStringLiteral("imię i nazwisko poszkodowanego pracownika lub uprawnionego członka rodziny"), 70)
        .hint = fillHint();
    t.date(f, QStringLiteral("epDataOdb"), QStringLiteral("data odbioru"), QStringLiteral("DataOdb"), true);
    t.memo(f, QStringLiteral("epZalaczniki09"), QStringLiteral("17.   Wykaz załączników:"), 390, 3);
    t.instruction(f, 50);
}

// The forms of 2003, 2004 and 2019: points 1 to 16.
void formsSince2003(Items& t) {
    // --- Point 1: the employer -------------------------------------------------------
    t.at(1, 1);
    t.stamp(k2003And2004);
    t.section(F2019, QStringLiteral("1. Dane pracodawcy:"));
    t.section(k2003And2004, QStringLiteral("1. Poszkodowany pracownik jest zatrudniony:"));
    t.edit(kSince2003, QStringLiteral("epPrzedsieb"), QStringLiteral("nazwa lub imię i nazwisko pracodawcy"), 130);
    t.edit(kSince2003, QStringLiteral("epAdresFirma"), QStringLiteral("adres siedziby pracodawcy"), 130);
    t.edit(kSince2003, QStringLiteral("epNIPFirma"), QStringLiteral("NIP"), 20);
    t.beside(k2003And2004, QStringLiteral("epRegon"), QStringLiteral("REGON"), 16);
    t.beside(kSince2003, QStringLiteral("epPeselFirma"), QStringLiteral("PESEL"), 15);
    const QString document =
        QStringLiteral("numer dowodu osobistego albo inny dokument potwierdzający tożsamość pracodawcy");
    t.edit(F2003, QStringLiteral("epDokFirma"), document, 62);
    t.edit(kFourPages, QStringLiteral("epDokFirma"), document, 50);
    t.edit(kSince2003, QStringLiteral("epKodEKD"), QStringLiteral("Kod PKD"), 8);

    // --- Point 2: the team and the injured person -------------------------------------
    team(t, kSince2003, QStringLiteral("2. Zespół powypadkowy w składzie:"), QStringLiteral("Pan(i) imię"));
    t.edit(k2003And2004, QStringLiteral("epImOjca"), QStringLiteral("imię ojca"), 30);
    t.date(kSince2003, QStringLiteral("epDataUr"), QStringLiteral("ur. "), QStringLiteral("DataUr"));
    t.beside(k2003And2004, QStringLiteral("epMiejsceUr"), QStringLiteral("w"), 32);
    address(t, kSince2003, kFourPages);
    t.edit(kSince2003, QStringLiteral("epPeselPrac"), QStringLiteral("PESEL"), 15);
    t.beside(k2003And2004, QStringLiteral("epNIPPrac"), QStringLiteral("NIP"), 20);
    t.edit(kSince2003, QStringLiteral("epDokPrac"),
           QStringLiteral("nr dow. os. lub innego dok. potwierdzającego tożsamość"), 50);
    t.edit(kSince2003, QStringLiteral("epStruktSkrot"), QStringLiteral("zatrudniony(a) w "), 40);
    t.edit(kSince2003, QStringLiteral("epStanowSkrot"), QStringLiteral("na stanowisku"), 40);
    t.beside(kSince2003, QStringLiteral("epKodZawodu"), QStringLiteral("kod zawodu")).hint = listHint();

    // --- Points 3 and 4 -----------------------------------------------------------------
    t.edit(kSince2003, QStringLiteral("epImNazwZg"), QStringLiteral("3. Wypadek zgłosił(a)"), 70);
    t.date(kSince2003, QStringLiteral("epDataZg"), QStringLiteral("w dniu"), QStringLiteral("DataZg"), true);
    const QString circumstances = QStringLiteral("4. Ustalono następujące okoliczności wypadku:");
    t.memo(F2003, QStringLiteral("epOkolicznosci01"), circumstances, 772, 10);
    t.memo(kFourPages, QStringLiteral("epOkolicznosci01"), circumstances, 800, 10);

    // --- Point 5: the causes and the three findings -------------------------------------
    t.at(2, 1);
    const QString causes = QStringLiteral("5. Ustalono następujące przyczyny wypadku:");
    t.memo(F2003, QStringLiteral("epPrzyczyny02"), causes, 772, 8);
    t.memo(kFourPages, QStringLiteral("epPrzyczyny02"), causes, 2500, 10);
    // The form of 2019 sets each finding over two lines: its first line, then the
    // rest of it over the field.
    t.text(F2019, QStringLiteral("- stwierdzono nieprzestrzeganie przez pracodawcę następujących przepisów prawa pracy, "
                                 "w szczególności przepisów i zasad"));
    t.memo(F2019, QStringLiteral("epUchybienia03"),
           QStringLiteral("bezpieczeństwa i higieny pracy lub innych przepisów dotyczących ochrony życia i zdrowia "
                          "(wskazać dowody):"),
           500, 4);
    const QString breaches = QStringLiteral(
        "- stwierdzono nieprzestrzeganie przez pracodawcę następujących przepisów prawa pracy, w szczególności "
        "przepisów i zasad bezpieczeństwa i higieny pracy lub innych przepisów dotyczących ochrony życia i zdrowia "
        "(wskazać dowody):");
    t.memo(F2003, QStringLiteral("epUchybienia03"), breaches, 300, 3);
    t.memo(F2004, QStringLiteral("epUchybienia03"), breaches, 500, 4);
    t.text(F2019, QStringLiteral("- stwierdzono, że wyłączną przyczyną wypadku było naruszenie przez poszkodowanego "
                                 "pracownika przepisów dotyczących ochrony "));
    t.memo(F2019, QStringLiteral("epDowUchyb04"),
           QStringLiteral("życia i zdrowia, spowodowane przez niego umyślnie lub wskutek rażącego niedbalstwa "
                          "(wskazać dowody):"),
           500, 4);
    const QString ownFault = QStringLiteral(
        "- stwierdzono, że wyłączną przyczyną wypadku było udowodnione naruszenie przez poszkodowanego pracownika "
        "przepisów dotyczących ochrony życia i zdrowia, spowodowane przez niego umyślnie lub wskutek rażącego "
        "niedbalstwa (wskazać dowody):");
    t.memo(F2003, QStringLiteral("epDowUchyb04"), ownFault, 300, 3);
    t.memo(F2004, QStringLiteral("epDowUchyb04"), ownFault, 500, 4);
    t.text(F2019, QStringLiteral("- stwierdzono stan nietrzeźwości albo użycie przez poszkodowanego pracownika środków "
                                 "odurzających lub substancji psychotropo-"));
    t.memo(F2019, QStringLiteral("epDowPij05"),
           QStringLiteral("wych przyczyniające się w znacznym stopniu do powstania wypadku przy pracy (wskazać dowody, "
                          "a w przypadku odmowy przez poszkodowanego poddania się badaniom na zawartość tych "
                          "substancji w organizmie - zamieścić informację o tym fakcie):"),
           400, 3);
    const QString intoxication = QStringLiteral(
        "- stwierdzono, że poszkodowany, będąc w stanie nietrzeźwości lub pod wpływem środków odurzających lub "
        "substancji psychotropowych, przyczynił się w znacznym stopniu do spowodowania wypadku (wskazać dowody, a w "
        "przypadku odmowy przez poszkodowanego poddania się badaniom na zawartość tych substancji w organizmie - "
        "zamieścić informację o tym fakcie):");
    t.memo(F2003, QStringLiteral("epDowPij05"), intoxication, 200, 2);
    t.memo(F2004, QStringLiteral("epDowPij05"), intoxication, 400, 3);

    // --- Point 6: the effects -----------------------------------------------------------
    t.at(2, 2);
    t.section(kSince2003, QStringLiteral("6.    Skutki wypadku dla poszkodowanego"));
    t.memo(kSince2003, QStringLiteral("epRodzUrazu06"), QStringLiteral("(rodzaj i umiejscowienie urazu):"), 600, 5);

    // --- Points 7 to 9 ------------------------------------------------------------------
    t.at(3, 2);
    t.marks(kSince2003, QStringLiteral("7. Stwierdza się, że powyższy wypadek :"), {M::Is, M::IsNot},
            {QStringLiteral("JEST"), QStringLiteral("NIE JEST")});
    t.marks(kSince2003, QString(), {M::AtWork, M::TreatedAsEqual},
            {QStringLiteral("- wypadkiem przy pracy"), QStringLiteral("- traktowny na równi z wypadkiem przy pracy")});
    t.memo(kSince2003, QStringLiteral("epUzasadn07"), QStringLiteral("co uzasadnia się następująco :"), 590, 5);
    t.marks(kSince2003, QStringLiteral("8. Rodzaj wypadku:"), {M::Individual, M::Collective},
            {QStringLiteral("indywidualny"), QStringLiteral("zbiorowy")});
    t.marks(kSince2003, QString(), {M::Fatal, M::Serious, M::Temporary},
            {QStringLiteral("śmiertelny"), QStringLiteral("ciężki"),
             QStringLiteral("powodujący czasową niezdolność do pracy")});
    t.strikeNote(kSince2003);
    t.memo(F2019, QStringLiteral("epProfilaktyka08"), QStringLiteral("9. Wnioski i zalecane środki profilaktyczne:"),
           1500, 8);
    t.memo(F2004, QStringLiteral("epProfilaktyka08"), QStringLiteral("9. Wnioski i zalecenia profilaktyczne:"), 1500, 8);
    t.memo(F2003, QStringLiteral("epProfilaktyka08"), QStringLiteral("9. Wnioski i środki profilaktyczne:"), 1500, 6);

    // --- Points 10 to 16 ----------------------------------------------------------------
    t.at(4, 2);
    t.signatures(kSince2003);
    t.date(kSince2003, QStringLiteral("epDataProt"), QStringLiteral("11.  Protokół sporządzono dnia:"),
           QStringLiteral("DataProt"));
    t.memo(kSince2003, QStringLiteral("epPrzeszkody09"),
           QStringLiteral("12.   Przeszkody lub trudności, które uniemożliwiły sporządzenie protokołu w wymaganym "
                          "terminie 14 dni :"),
           500, 4);
    t.marks(F2019, QString(), {M::Injured, M::Family},
            {QStringLiteral("13.  Poszkodowany / "), QStringLiteral(" członek  rodziny:    ")});
    t.text(F2019, QStringLiteral("- zapoznany został z niniejszym protokołem oraz pouczono o prawie zgłoszenia do "
                                 "protokołu uwag i zastrzeżeń"));
    t.marks(F2019, QStringLiteral("- zgłasza uwagi i zastrzeżenia do protokołu: "), {M::RemarksYes, M::RemarksNo},
            {QStringLiteral(" TAK / "), QStringLiteral(" NIE   ")});
    t.marks(k2003And2004, QString(), {M::Injured, M::Family},
            {QStringLiteral("13. Poszkodowanego / "), QStringLiteral(" członka rodziny ")});
    t.text(k2003And2004, QStringLiteral("zapoznano z treścią protokołu i pouczono o prawie zgłoszenia uwag i "
                                        "zastrzeżeń do ustaleń protokołu."));
    t.edit(kSince2003, QStringLiteral("epImNazwCzZap"), QStringLiteral("(imię i nazwisko pracownika lub członka rodziny)"),
           81)
        .hint = fillHint();
    t.date(kSince2003, QStringLiteral("epDataZapoz"), QStringLiteral("data"), QStringLiteral("DataZapoz"), true);
    t.date(kSince2003, QStringLiteral("epDataZatw"), QStringLiteral("14.  Protokół zatwierdzono w dniu :"),
           QStringLiteral("DataZatw"));
    t.employerSignature(kSince2003);
    t.section(kSince2003, QStringLiteral("15.  Potwierdzenie odbioru protokołu :"));
    t.edit(kSince2003, QStringLiteral("epImNazwCz"),
           QStringLiteral("imię i nazwisko poszkodowanego pracownika lub uprawnionego członka rodziny"), 81)
        .hint = fillHint();
    t.marks(kSince2003, QString(), {M::Delivered, M::Posted},
            {QStringLiteral("Data doręczenia/"), QStringLiteral("przesłania:")});
    t.date(kSince2003, QStringLiteral("epDataOdb"), QStringLiteral("data"), QStringLiteral("DataOdb"));
    t.beside(kSince2003, QStringLiteral("epNr_Przesylki"), QStringLiteral("podpis / nr przesyłki poleconej"), 20);
    t.memo(F2019, QStringLiteral("epZalaczniki10"), QStringLiteral("16.  Wykaz załączników do protokołu:"), 400, 4);
    t.memo(F2004, QStringLiteral("epZalaczniki10"), QStringLiteral("16. Wykaz załączników:"), 400, 4);
    t.memo(F2003, QStringLiteral("epZalaczniki10"), QStringLiteral("16. Wykaz załączników:"), 390, 3);
    t.instruction(kSince2003, 60);
}

std::vector<ProtocolItem> buildItems() {
    Items t;
    t.at(1, 1);
    t.edit(kAll, QStringLiteral("epNumerProt"), QStringLiteral("Protokół Nr"));
    t.titleLine(kAll);
    form1998(t);
    formsSince2003(t);
    return t.list;
}

ProtocolDescription makeDescription(int form) {
    ProtocolDescription d;
    d.form = form;
    static const char* const kClasses[] = {"TProtPowForm", "TProtPowForm_1", "TProtPowForm_2", "TProtPowForm_3"};
    d.windowClass = QString::fromLatin1(kClasses[form]);
    d.pages = {QStringLiteral("Strona 1"), QStringLiteral("Strona 2")};
    if (form >= 2) d.pages << QStringLiteral("Strona 3") << QStringLiteral("Strona 4");
    for (const ProtocolItem& i : protocolItems())
        if (i.forms >> form & 1u) d.items.push_back(i);
    d.savedMarks = {QStringLiteral("WYPIZ"), QStringLiteral("TYPWYP"), QStringLiteral("SKUTKI")};
    if (form >= 1) d.savedMarks << QStringLiteral("ZAPOZNANY") << QStringLiteral("DORECZENIE");
    if (form == 3) d.savedMarks << QStringLiteral("FORMWYP");
    d.markRules.sixTypes = form == 0;
    d.markRules.effectsZeroStruck = form <= 1;
    d.disableWhenReadOnly = form <= 2;
    d.lengthSetting = form >= 2;
    return d;
}

} // namespace

int ProtocolItem::memoNumber() const {
    if (kind != ProtocolItemKind::Memo || name.size() < 2) return 0;
    return name.right(2).toInt();
}

QString ProtocolItem::column() const {
    if (kind != ProtocolItemKind::Edit && kind != ProtocolItemKind::Memo) return QString();
    QString c = name.mid(2);
    if (kind == ProtocolItemKind::Memo) c.chop(2);
    return c.toUpper();
}

bool ProtocolItem::ofAccident() const {
    return kind == ProtocolItemKind::Edit && name.size() > 1 && name[1] == QLatin1Char('w');
}

int ProtocolDescription::pageIndex(const ProtocolItem& i) const {
    return qBound(0, (pages.size() == 2 ? i.pageOfTwo : i.page) - 1, int(pages.size()) - 1);
}

const ProtocolItem* ProtocolDescription::item(const QString& name) const {
    for (const ProtocolItem& i : items)
        if (!i.name.isEmpty() && i.name.compare(name, Qt::CaseInsensitive) == 0) return &i;
    return nullptr;
}

QString ProtocolDescription::markCaption(ProtocolMark mark) const {
    for (const ProtocolItem& i : items)
        if (i.kind == ProtocolItemKind::Marks) {
            const int k = i.marks.indexOf(mark);
            if (k >= 0 && k < i.markCaptions.size()) return i.markCaptions[k];
        }
    return QString();
}

const std::vector<ProtocolItem>& protocolItems() {
    static const std::vector<ProtocolItem> items = buildItems();
    return items;
}

const ProtocolDescription& protocolDescription(int form) {
    static const std::array<ProtocolDescription, 4> forms = {makeDescription(0), makeDescription(1),
                                                              makeDescription(2), makeDescription(3)};
    return forms[size_t(form >= 0 && form <= 3 ? form : 0)];
}

int protocolMemoLimit(int number, bool unlimited) {
    static constexpr int kLimits[10] = {3120, 1320, 840, 840, 840, 3360, 3360, 4200, 2160, 2160};
    if (unlimited || number < 1 || number > 10) return 0;
    return kLimits[number - 1];
}

QString calendarHint() { return QStringLiteral("Kalendarz"); }

QString listHint() { return QStringLiteral("Dwukrotnie kliknij w celu wywołania listy danych"); }

} // namespace zort
