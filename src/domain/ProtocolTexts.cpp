#include "domain/ProtocolTexts.h"

#include <array>

namespace zort {
namespace {

const QString kTitle = QStringLiteral("PROTOKÓŁ");
const QString kTitleLine2 = QStringLiteral("ustalenia okoliczności i przyczyn wypadku przy pracy");
const QString kStrike = QStringLiteral("Niepotrzebne skreślić.");
const QString kEmployer = QStringLiteral("podpis pracodawcy");

// The form of 1998.
ProtocolFixedTexts texts1998() {
    ProtocolFixedTexts t;
    t.title = kTitle;
    t.titleLine2 = kTitleLine2;
    t.signaturesPoint = QStringLiteral("12. Podpisy członków zespołu powypadkowego:");
    t.signatureCaptions = {QStringLiteral("podpis"), QStringLiteral("podpis")};
    t.employerSignature = kEmployer;
    t.instructionHeading = QStringLiteral("POUCZENIE");
    t.instruction = {
        QStringLiteral("I. Przed zatwierdzeniem protokołu zespół powypadkowy jest obowiązany zapoznać z treścią "
                       "protokołu poszkodowanego, a w razie wypadku śmiertelnego - członków rodziny zmarłego, którzy "
                       "mają prawo zgłoszenia uwag i zastrzeżeń do ustaleń zawartych w protokole."),
        QStringLiteral("II. Poszkodowany, a w razie wypadku śmiertelnego - członkowie rodziny zmarłego, mogą wystąpić "
                       "do sądu rejonowego - sądu pracy w %1 z powództwem o ustalenie i sprostowanie protokołu."),
    };
    t.instructionLines = {
        QStringLiteral("I. Przed zatwierdzeniem protokołu zespół powypadkowy jest obowiązany zapoznać z treścią protokołu "
                       "poszkodowanego, a w razie wypadku śmiertelnego - członków rodziny"),
        QStringLiteral("zmarłego, którzy mają prawo zgłoszenia uwag i zastrzeżeń do ustaleń zawartych w protokole."),
        QStringLiteral("II. Poszkodowany, a w razie wypadku śmiertelnego - członkowie rodziny zmarłego, mogą wystąpić do "
                       "sądu rejonowego - sądu pracy"),
        QStringLiteral("w ................................................................................ z powództwem o "
                       "ustalenie i sprostowanie protokołu."),
    };
    t.footnoteLines = {{QStringLiteral("*)"), kStrike}};
    t.strikeNote = kStrike;
    return t;
}

// The forms of 2003 and 2004 (one wording; 2004 only adds the stamp's place to its
// four pages).
ProtocolFixedTexts texts2003() {
    ProtocolFixedTexts t;
    t.title = kTitle;
    t.titleLine2 = kTitleLine2;
    t.signaturesPoint = QStringLiteral(
        "10. Podpisy członków zespołu powypadkowego uczestniczących w ustalaniu okoliczności i przyczyn wypadku:");
    t.signatureCaptions = {QStringLiteral("czytelny podpis"), QStringLiteral("czytelny podpis")};
    t.employerSignature = kEmployer;
    t.stamp = QStringLiteral("pieczątka pracodawcy");
    t.instructionHeading = QStringLiteral("POUCZENIE");
    t.instruction = {
        QStringLiteral("I. Przed zatwierdzeniem protokołu zespół powypadkowy jest obowiązany zapoznać z treścią "
                       "protokołu poszkodowanego pracownika, a w razie wypadku śmiertelnego - członków rodziny "
                       "zmarłego pracownika, którzy mają prawo zgłoszenia uwag i zastrzeżeń do ustaleń zawartych w "
                       "protokole."),
        QStringLiteral("II. Poszkodowany pracownik, a w razie wypadku śmiertelnego - członkowie rodziny zmarłego "
                       "pracownika, mogą wystąpić do sądu rejonowego - sądu pracy w %1 z powództwem o ustalenie i "
                       "sprostowanie protokołu na podstawie art. 189 Kodeksu postępowania cywilnego. Z powództwem "
                       "takim, w interesie poszkodowanego pracownika, może wystąpić również organizacja związkowa "
                       "działająca u pracodawcy zatrudniającego poszkodowanego pracownika."),
        QStringLiteral("III. Dopuszcza się sporządzanie protokołu techniką komputerową, także w formie "
                       "czarno-białej, z zachowaniem zakresu informacji zawartych we wzorze."),
    };
    t.instructionLines = {
        QStringLiteral("I. Przed zatwierdzeniem protokołu zespół powypadkowy jest obowiązany zapoznać z treścią protokołu "
                       "poszkodowanego pracownika, a w razie wypadku"),
        QStringLiteral("śmiertelnego - członków rodziny zmarłego pracownika, którzy mają prawo zgłoszenia uwag i zastrzeżeń "
                       "do ustaleń zawartych w protokole."),
        QStringLiteral("II. Poszkodowany pracownik, a w razie wypadku śmiertelnego - członkowie rodziny zmarłego pracownika, "
                       "mogą wystąpić do sądu rejonowego"),
        QStringLiteral(" - sądu pracy w ................................................................................ "
                       "z powództwem o ustalenie i sprostowanie protokołu na podstawie"),
        QStringLiteral("art. 189 Kodeksu postępowania cywilnego. Z powództwem takim, w interesie poszkodowanego pracownika, "
                       "może wystąpić również organizacja"),
        QStringLiteral("związkowa działająca u pracodawcy zatrudniającego poszkodowanego pracownika."),
        QStringLiteral("III. Dopuszcza się sporządzanie protokołu techniką komputerową, także w formie czarno-białej, z "
                       "zachowaniem zakresu informacji zawartych we wzorze."),
    };
    t.footnoteLines = {
        {QStringLiteral("*)"), kStrike},
        {QStringLiteral("**)"), QStringLiteral("Jeżeli zabraknie miejsca na druku, należy go uzupełnić kolejną stroną "
                                              "podpisaną przez członków zespołu powypadkowego.")},
    };
    t.strikeNote = kStrike;
    return t;
}

// The form of 2019.
ProtocolFixedTexts texts2019() {
    ProtocolFixedTexts t;
    t.title = kTitle;
    t.titleLine2 = kTitleLine2;
    t.signaturesPoint = QStringLiteral(
        "10.   Podpisy członków zespołu powypadkowego uczestniczących w ustalaniu okoliczności i przyczyn wypadku:");
    t.signatureCaptions = {QStringLiteral("czytelny podpis"), QStringLiteral("czytelny podpis")};
    t.employerSignature = kEmployer;
    t.instructionHeading = QStringLiteral("POUCZENIE");
    t.instruction = {
        QStringLiteral("I. Przed zatwierdzeniem protokołu zespół powypadkowy jest obowiązany zapoznać z treścią "
                       "protokołu poszkodowanego pracownika, a w razie wypadku śmiertelnego - uprawnionego członka "
                       "rodziny pracownika, który ma prawo zgłoszenia uwag i zastrzeżeń do ustaleń zawartych w "
                       "protokole."),
        QStringLiteral("II. Poszkodowany pracownik, a w razie wypadku śmiertelnego - uprawniony członek rodziny "
                       "zmarłego pracownika, może wystąpić do sądu rejonowego - sądu pracy w %1 z powództwem o "
                       "ustalenie i sprostowanie protokołu na podstawie art. 189 ustawy z dnia 17 listopada 1964. - "
                       "Kodeks postępowania cywilnego (Dz.U.z 2018 r. poz. 1360, z późn. zm.). Z powództwem takim, w "
                       "interesie poszkodowanego pracownika, może wystąpić również organizacja związkowa działająca u "
                       "pracodawcy zatrudniającego poszkodowanego pracownika."),
    };
    t.footnotes = {
        QStringLiteral("1) Jeżeli nie został nadany NIP, podać PESEL lub numer dowodu osobistego albo innego "
                       "dokumentu potwierdzającego tożsamość pracodawcy."),
        QStringLiteral("2) Jeżeli nie został nadany numer PESEL, podać numer dowodu osobistego albo innego dokumentu "
                       "potwierdzającego tożsamość poszkodowanego."),
        QStringLiteral("3) Podać pełny kod zawodu (specjalności), tj. sześciocyfrowy symbol zgodny z obowiązującą "
                       "klasyfikacją zawodów i specjalności na potrzeby rynku pracy."),
        QStringLiteral("4) Jeżeli zabraknie miejsca na druku, należy go uzupełnić kolejną stroną podpisaną przez "
                       "członków zespołu powypadkowego."),
        QStringLiteral("5) Przez inne przepisy dotyczące ochrony życia i zdrowia rozumie się np. przepisy o ochronie "
                       "przeciwpożarowej, o dozorze technicznym, przepisy prawa geologicznego i górniczego, "
                       "budowlanego, o ruchu drogowym."),
        QStringLiteral("6) Niepotrzebne skreślić."),
    };
    t.instructionLines = {
        QStringLiteral("I. Przed zatwierdzeniem protokołu zespół powypadkowy jest obowiązany zapoznać z treścią protokołu "
                       "poszkodowanego pracownika, a w razie wypadku śmiertelnego - "),
        QStringLiteral("uprawnionego członka rodziny pracownika, który ma prawo zgłoszenia uwag i zastrzeżeń do ustaleń "
                       "zawartych w protokole."),
        QStringLiteral("II. Poszkodowany pracownik, a w razie wypadku śmiertelnego - uprawniony członek rodziny zmarłego "
                       "pracownika, może wystąpić do sądu rejonowego"),
        QStringLiteral(" - sądu pracy w ......................................................................................."
                       "................. z powództwem o ustalenie i sprostowanie protokołu na podstawie"),
        QStringLiteral(" art. 189 ustawy z dnia 17 listopada 1964. - Kodeks postępowania cywilnego (Dz.U.z 2018 r. poz. "
                       "1360, z późn. zm.). Z powództwem takim, w interesie "),
        QStringLiteral("poszkodowanego pracownika, może wystąpić również organizacja związkowa działająca u pracodawcy "
                       "zatrudniającego poszkodowanego pracownika. "),
    };
    t.footnoteLines = {
        {QStringLiteral("1)"), QStringLiteral("Jeżeli nie został nadany NIP, podać PESEL lub numer dowodu osobistego albo "
                                             "innego dokumentu potwierdzającego tożsamość pracodawcy.")},
        {QStringLiteral("2)"), QStringLiteral("Jeżeli nie został nadany numer PESEL, podać numer dowodu osobistego albo "
                                             "innego dokumentu potwierdzającego tożsamość poszkodowanego.")},
        {QStringLiteral("3)"), QStringLiteral("Podać pełny kod zawodu (specjalności), tj. sześciocyfrowy symbol zgodny z "
                                             "obowiązującą klasyfikacją zawodów i specjalności na potrzeby rynku pracy.")},
        {QStringLiteral("4)"), QStringLiteral("Jeżeli zabraknie miejsca na druku, należy go uzupełnić kolejną stroną "
                                             "podpisaną przez członków zespołu powypadkowego.")},
        {QStringLiteral("5)"), QStringLiteral("Przez inne przepisy dotyczące ochrony życia i zdrowia rozumie się np. "
                                             "przepisy o ochronie przeciwpożarowej, o dozorze technicznym, przepisy prawa"),
         QStringLiteral("geologicznego i górniczego, budowlanego, o ruchu drogowym.")},
        {QStringLiteral("6)"), QStringLiteral("Niepotrzebne skreślić.")},
    };
    t.strikeNote = kStrike;
    return t;
}

} // namespace

const ProtocolFixedTexts& protocolFixedTexts(int form) {
    static const std::array<ProtocolFixedTexts, 4> forms = {texts1998(), texts2003(), texts2003(), texts2019()};
    return forms[size_t(form >= 0 && form <= 3 ? form : 0)];
}

QString protocolFormName(int form) {
    switch (form) {
    case 1: return QStringLiteral("(Dz. U. 2003 r. Nr 182, poz. 1783)");
    case 2: return QStringLiteral("(Dz. U. 2004 r. Nr 227, poz. 2298)");
    case 3: return QStringLiteral("(Dz. U. 2019 r. Poz. 1071)");
    default: return QStringLiteral("(Dz. U. 1998 r. Nr 128, poz. 849)");
    }
}

} // namespace zort
