#include "domain/StatCardTexts.h"

#include <array>

namespace zort {
namespace {

const QString kNumberCaption =
    QStringLiteral("Kolejny nr statystycznej\nkarty wypadku przy pracy\nw zakładzie pracy od\npoczątku roku");
const QString kWorkersCaption =
    QStringLiteral("Liczba pracujących w jednostce\nlokalnej\n(bez przeliczenia na\npełny etat)");
const QStringList kTitle = {QStringLiteral("Z-KW"), QStringLiteral("STATYSTYCZNA KARTA"), QStringLiteral("WYPADKU")};
const QStringList kOffice = {QStringLiteral("Urząd Statystyczny w Gdańsku"), QStringLiteral("ul. Danusi 4"),
                             QStringLiteral("80-434 Gdańsk")};
const QStringList kPortal = {QStringLiteral("Portal sprawozdawczy GUS"), QStringLiteral("portal.stat.gov.pl")};
// The term of the forms of 2004 to 2019: the month after the protocol or the card.
const QStringList kMonthlyDeadline = {
    QStringLiteral("Termin przekazania:"),
    QStringLiteral("do 15 dnia roboczego miesiąca następującego po miesiącu, w którym został zatwierdzony"),
    QStringLiteral("protokół powypadkowy lub sporządzono kartę wypadku")};

// The accident type of the forms up to 2019: the codes 9998 and 9999.
void olderType(StatCardFixedTexts& t) {
    t.typeNumbers = {QStringLiteral("9998"), QStringLiteral("9999")};
    t.typeTexts = {QStringLiteral("- przy pracy "), QStringLiteral("- traktowanego na równi")};
    t.typeEqualSecondLine = QStringLiteral("z wypadkiem przy pracy");
}

// The note of the forms of 2004 to 2019: which positions take a code, a number, a mark.
QStringList olderNote(bool localUnit) {
    return {(localUnit ? QStringLiteral("W pozycjach X3, 03, 04, 05, 08, 09, 15, 18 - 27")
                       : QStringLiteral("W pozycjach 03, 04, 05, 08, 09, 15, 18 - 27")) +
                QStringLiteral(" należy wpisać kod z odpowiedniej klasyfikacji;"),
            QStringLiteral("w pozycjach 02, 06, 07, 10, 12, 13, 14, 16, 17, 29 należy wpisać liczbę;"),
            QStringLiteral("w pozycjach 01, 11, 28 i przy rodzaju wypadku należy wstawić znak „x” we właściwej kratce.")};
}

StatCardFixedTexts form2022() {
    StatCardFixedTexts t;
    t.title = kTitle;
    t.employer = QStringLiteral("Dane pracodawcy (nazwa i adres)");
    t.office = kPortal + kOffice;
    t.deadline = {QStringLiteral("Termin przekazania:"), QStringLiteral("14 dni roboczych od dnia zatwierdzenia"),
                  QStringLiteral("protokołu powypadkowego lub sporządzenia"), QStringLiteral("karty wypadku")};
    t.deadlinePart2 = {QStringLiteral("Termin przekazania:"), QStringLiteral("do 6 miesięcy od dnia zatwierdzenia"),
                       QStringLiteral("protokołu powypadkowego lub od dnia"), QStringLiteral("sporządzenia karty wypadku")};
    t.noteHeading = QStringLiteral("Uwaga:");
    t.note = {QStringLiteral("1) należy wstawić liczbę; 2) należy wstawić znak „x” we właściwej komórce; 3) należy "
                             "wstawić kod z odpowiedniej klasyfikacji")};
    t.notePart2 = {QStringLiteral("1) należy wstawić liczbę; 2) należy wstawić znak „x”")};
    t.numberCaption = kNumberCaption;
    t.workersCaption = kWorkersCaption;
    t.typeNumbers = {QStringLiteral("1"), QStringLiteral("2")};
    t.typeTexts = {QStringLiteral("- wypadek przy pracy"), QStringLiteral("- wypadek traktowany na równi")};
    t.typeEqualSecondLine = QStringLiteral("z wypadkiem przy pracy ");
    t.localUnitQuestion = {
        QStringLiteral("Jednostka lokalna nie posiada własnego numeru statystycznego REGON i posługuje się numerem "
                       "statystycznym jednostki prawnej lub nastąpiły zmiany"),
        QStringLiteral("dotyczące lokalizacji siedziby (miasta, gminy), PKD lub FW w okresie sprawozdawczym")};
    t.localUnitYes = QStringLiteral("Tak -› rozpocząć od poz. X1, X2, X3");
    t.localUnitNo = QStringLiteral("Nie -› rozpocząć od poz. 01");
    t.localUnitYesNumber = QStringLiteral("1. ");
    t.localUnitNoNumber = QStringLiteral("2. ");
    t.partOne = QStringLiteral("CZĘŚĆ I");
    t.partTwo = {QStringLiteral("CZĘŚĆ II"), QStringLiteral("(uzupełniająca)")};
    return t;
}

StatCardFixedTexts form2019() {
    StatCardFixedTexts t;
    t.title = kTitle;
    t.employer = QStringLiteral("Dane pracodawcy (nazwa i adres)");
    t.office = kPortal + kOffice;
    t.deadline = kMonthlyDeadline;
    t.noteHeading = QStringLiteral("Uwaga:");
    t.note = olderNote(true);
    t.numberCaption = kNumberCaption;
    t.workersCaption = kWorkersCaption;
    olderType(t);
    t.localUnitQuestion = {QStringLiteral("Czy jednostka spełnia jedno z podanych kryteriów?")};
    t.localUnitCriteria = {
        QStringLiteral("1) jednostka lokalna nie posiada własnego numeru statystycznego REGON i posługuje się numerem "
                       "statystycznym jednostki prawnej,"),
        QStringLiteral("2) nastąpiły zmiany dotyczące lokalizacji siedziby (miasta, gminy) w okresie sprawozdawczym,"),
        QStringLiteral("3) nastąpiły zmiany PKD lub FW w okresie sprawozdawczym.")};
    t.localUnitYes = QStringLiteral("tak");
    t.localUnitNo = QStringLiteral("nie");
    t.partTwo = {QStringLiteral("CZĘŚĆ II UZUPEŁNIAJĄCA")};
    return t;
}

StatCardFixedTexts form2010() {
    StatCardFixedTexts t = form2019();
    t.employer = QStringLiteral("Pieczątka pracodawcy");
    t.employerStamp = true;
    t.office = kOffice;
    return t;
}

StatCardFixedTexts form2004() {
    StatCardFixedTexts t = form2010();
    t.note = olderNote(false);
    t.workersCaption = QStringLiteral("Liczba pracujących");
    t.localUnitQuestion.clear();
    t.localUnitCriteria.clear();
    t.localUnitYes.clear();
    t.localUnitNo.clear();
    return t;
}

StatCardFixedTexts form2001() {
    StatCardFixedTexts t;
    t.title = {QStringLiteral("STATYSTYCZNA KARTA"), QStringLiteral("WYPADKU PRZY PRACY")};
    t.employer = QStringLiteral("Pieczątka zakładu pracy");
    t.employerStamp = true;
    t.office = kOffice;
    t.numberCaption = QStringLiteral("Kolejny nr karty w zakładzie");
    olderType(t);
    t.partTwo = {QStringLiteral("CZĘŚĆ II (UZUPEŁNIAJĄCA)")};
    return t;
}

StatCardFixedTexts form1996() {
    StatCardFixedTexts t = form2001();
    t.partTwo = {QStringLiteral("CZĘŚĆ UZUPEŁNIAJĄCA / ")};
    return t;
}

} // namespace

const StatCardFixedTexts& statCardFixedTexts(StatCardForm form) {
    static const std::array<StatCardFixedTexts, 6> all = {form1996(), form2001(), form2004(),
                                                          form2010(), form2019(), form2022()};
    return all[size_t(form)];
}

} // namespace zort
