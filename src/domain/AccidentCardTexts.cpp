#include "domain/AccidentCardTexts.h"

namespace zort {
namespace {

const QString kAct = QStringLiteral(
    "ustawy z dnia 30 października 2002 r. o ubezpieczeniu społecznym z tytułu wypadków przy pracy i chorób zawodowych");

// The card of 2022; the older cards are this one with their differences.
AccidentCardFixedTexts card2022() {
    AccidentCardFixedTexts t;
    t.form = 2;
    t.entityCaption = QStringLiteral("Nazwa i adres podmiotu sporządzającego kartę wypadku ");
    t.payerHeading = QStringLiteral("I.  DANE IDENTYFIKACYJNE PŁATNIKA SKŁADEK");
    t.personHeading = QStringLiteral("II. DANE IDENTYFIKACYJNE POSZKODOWANEGO");
    t.payerMark = QStringLiteral("1)");
    t.insuranceItem = QStringLiteral("5. Tytuł ubezpieczenia wypadkowego");
    t.insuranceNote = QStringLiteral(
        "(wymienić numer pozycji i pełny tytuł ubezpieczenia społecznego, zgodnie z art. 3 ust. 3 albo art. 3a ustawy "
        "z dnia 30 października 2002 r. o ubezpieczeniu społecznym z tytułu wypadków przy pracy i chorób zawodowych "
        "(Dz. U. z 2019 r. poz. 1205, z późn. zm.))");
    t.reportItem = QStringLiteral("1. Data zgłoszenia oraz  imię i nazwisko osoby zgłaszającej wypadek");
    t.circumstancesItem = QStringLiteral(
        "2. Informacje dotyczące okoliczności, przyczyn, czasu i miejsca wypadku, rodzaju i umiejscowienia urazu");
    t.findingItem = QStringLiteral("4. Wypadek");
    t.findingIs = QStringLiteral("jest");
    t.findingIsNot = QStringLiteral("nie jest");
    t.strikeMark = QStringLiteral("2)");
    t.findingWords = QStringLiteral("wypadkiem przy pracy określonym w art. 3 ust. 3 pkt");
    t.pointGap = QStringLiteral("........");
    t.pointMark = QStringLiteral("3)");
    t.otherArticle = QStringLiteral("albo art. 3a");
    t.otherArticleMark = QStringLiteral("4)");
    t.act = kAct;
    t.justificationCaption =
        QStringLiteral("UZASADNIENIE I WSKAZANIE DOWODÓW, jeżeli zdarzenia nie uznano za wypadek przy pracy");
    t.exclusiveCause = QStringLiteral(
        "5. Stwierdzono, że wyłączną przyczyną wypadku było udowodnione naruszenie przez poszkodowanego przepisów "
        "dotyczących ochrony życia i zdrowia, spowodowane przez niego umyślnie lub wskutek rażącego niedbalstwa "
        "(wskazać dowody)");
    t.intoxication = QStringLiteral(
        "6. Stwierdzono, że poszkodowany, będąc w stanie nietrzeźwości lub pod wpływem środków odurzających lub "
        "substancji psychotropowych, przyczynił się w znacznym stopniu do spowodowania wypadku (wskazać dowody, a w "
        "przypadku odmowy przez poszkodowanego poddania się badaniom na zawartość tych substancji w organizmie - "
        "zamieścić informację o tym fakcie)");
    t.acquaintance = QStringLiteral(
        "1. Poszkodowanego (członka rodziny) zapoznano z treścią karty wypadku i pouczono o prawie zgłaszania uwag i "
        "zastrzeżeń do ustaleń zawartych w karcie wypadku");
    t.preparedItem = QStringLiteral("2. Kartę wypadku sporządzono w dniu");
    t.preparerSignature = QStringLiteral("podpis");
    t.receivedItem = QStringLiteral("4. Kartę wypadku odebrano w dniu");
    t.footnotes = {
        {QStringLiteral("1)"), QStringLiteral("Nie wypełniają podmioty niebędące płatnikami składek na ubezpieczenie wypadkowe.")},
        {QStringLiteral("2)"), QStringLiteral("Niepotrzebne skreślić.")},
        {QStringLiteral("3)"), QStringLiteral("Wpisać odpowiedni punkt z art. 3 ust. 3 ustawy z dnia 30 października 2002 r. "
                                              "o ubezpieczeniu społecznym z tytułu wypadków przy pracy i chorób zawodowych.")},
        {QStringLiteral("4)"), QStringLiteral("Niepotrzebne skreślić.")},
    };
    return t;
}

// The card of 2012: the stamp beside the entity and the signature, art. 3 ust. 3
// only, no point number printed and no footnote on the other article.
AccidentCardFixedTexts card2012() {
    AccidentCardFixedTexts t = card2022();
    t.form = 1;
    t.entityCaption =
        QStringLiteral("Nazwa i adres podmiotu sporządzającego kartę wypadku lub pieczątka, jeżeli ją posiada");
    t.insuranceNote = QStringLiteral(
        "(wymienić numer pozycji i pełny tytuł ubezpieczenia społecznego, zgodnie z art. 3 ust. 3 ustawy z dnia "
        "30 października 2002 r. o ubezpieczeniu społecznym z tytułu wypadków przy pracy i chorób zawodowych "
        "(Dz. U. z 2009 r. Nr 167, poz. 1322, z późn. zm.))");
    t.findingWords = QStringLiteral("wypadkiem określonym w art.3 ust.3 pkt");
    t.pointGap = QStringLiteral(".....");
    t.otherArticle.clear();
    t.otherArticleMark.clear();
    t.preparerSignature = QStringLiteral("podpis i pieczątka, jeżeli ją posiada");
    t.footnotes.removeLast();
    return t;
}

// The card of 2002: its own headings and wording of section IV, the injured
// person's NIP, the marks "*" and "**", no footnote on the point.
AccidentCardFixedTexts card2002() {
    AccidentCardFixedTexts t = card2022();
    t.form = 0;
    t.payerHeading = QStringLiteral("I.   DANE IDENTYFIKACYJNE PŁATNIKA SKŁADEK");
    t.personHeading = QStringLiteral("II.   DANE IDENTYFIKACYJNE POSZKODOWANEGO");
    t.payerMark = QStringLiteral("*");
    t.insuranceNote = QStringLiteral(
        "(wymienić numer pozycji i pełny tytuł ubezpieczenia społecznego, zgodnie z art. 3 ust. 3 ustawy z dnia "
        "30 października 2002 r. o ubezpieczeniu społecznym z tytułu wypadków przy pracy i chorób zawodowych "
        "(Dz. U. Nr 199, poz. 1673))");
    t.reportItem = QStringLiteral("1. Data zgłoszenia oraz nazwisko i imię osoby zgłaszającej wypadek");
    t.circumstancesItem = QStringLiteral("2. Informacje dotyczące okoliczności, przyczyn, czasu i miejsca wypadku");
    t.strikeMark = QStringLiteral("**");
    t.findingWords = QStringLiteral("wypadkiem określonym w art. 3 ust. 3 pkt");
    t.pointGap = QStringLiteral(".......");
    t.pointMark.clear();
    t.otherArticle.clear();
    t.otherArticleMark.clear();
    t.preparedItem = QStringLiteral("2. Kartę sporządzono    w dniu");
    t.receivedItem = QStringLiteral("4. Kartę odebrano w dniu");
    t.footnotes = {
        {QStringLiteral("*"), QStringLiteral("Nie wypełniają podmioty niebędące płatnikami składek na ubezpieczenie wypadkowe.")},
        {QStringLiteral("**"), QStringLiteral("Niepotrzebne skreślić.")},
    };
    return t;
}

} // namespace

const AccidentCardFixedTexts& accidentCardFixedTexts(int form) {
    static const AccidentCardFixedTexts forms[] = {card2002(), card2012(), card2022()};
    return forms[form >= 0 && form <= 2 ? form : 2];
}

} // namespace zort
