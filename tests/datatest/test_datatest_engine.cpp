// The data test's reports, line by line, on records given as column values.
#include "core/Formats.h"
#include "datatest/DataTestEngine.h"

#include <QByteArray>
#include <QLocale>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <map>

using namespace zort;

namespace {

const QString kNotice = QStringLiteral("UWAGA : Od daty wypadku minęło ponad 6 miesięcy");
const QString kCardTitle = QStringLiteral("Test danych dotyczących wypełnienia Statystycznej Karty Wypadku");
const QString kProtocolTitle = QStringLiteral("Test danych dotyczących wypełnienia Protokołu Powypadkowego");
const QString kEverythingTitle = QStringLiteral("Wyniki weryfikacji danych dotyczących wypadku");

// A record with every column the data test reads filled.
DataTestInput fullRecord(int protocolForm = 3) {
    DataTestInput in;
    in.protocolForm = protocolForm;
    in.now = QDateTime(QDate(2026, 12, 9), QTime(14, 30, 5));
    in.accident = {
        {"DATA", QDateTime(QDate(2026, 11, 3), QTime(9, 15))},
        {"WYPIZ", 1},
        {"STRATYZL", 1234.56},
        {"STRATYCZASU", 16},
        {"POSZKODOWANI", 2},
        {"IDMIEJSCA", "03"},
        {"MIEJSCEWYP", "Hala produkcyjna"},
        {"POLOZGEOGR", "50.06 N 19.94 E"},
        {"IDRODZAJMIEJSCAWYP", "011"},
        {"RODZAJMIEJSCAWYP", "Zakład produkcyjny"},
    };
    in.person = {
        {"NAZWISKO", "Kowalski"}, {"IMIE", "Jan"}, {"IMOJCA", "Adam"}, {"SYNCORKA", "Adama"},
        {"MIEJSCEUR", "Kraków"}, {"DATAUR", QDateTime(QDate(1980, 5, 17), QTime(0, 0))}, {"PLEC", 1},
        {"IDSTANOW", 12}, {"STANOWSKROT", "Spawacz"}, {"KODZAWODU", "721207"}, {"STAZ", 12},
        {"SZKWSTEPNE", "t"}, {"SZKINSTR", "n"}, {"SZKPODST", "n"}, {"SZKOKRES", "t"},
        {"DATAZG", QDateTime(QDate(2026, 11, 3), QTime(0, 0))},
        {"DATAPROT", QDateTime(QDate(2026, 11, 10), QTime(0, 0))},
        {"DATAZATW", QDateTime(QDate(2026, 11, 12), QTime(0, 0))},
        {"DATAODB", QDateTime(QDate(2026, 11, 13), QTime(0, 0))},
        {"DATAZAPOZ", QDate(2026, 11, 11)},
        {"DATAUST", QDateTime(QDate(2026, 11, 4), QTime(0, 0))},
        {"DATAZAKUST", QDateTime(QDate(2026, 11, 9), QTime(0, 0))},
        {"FORMWYP", 2}, {"SKUTKI", 2}, {"DNINIEZD", 14}, {"SKUTKIR", 3}, {"DNINIEZDR", 30},
        {"IMNAZWA", "Anna Nowak"}, {"FUNKCJAA", "specjalista BHP"},
        {"IMNAZWB", "Piotr Zieliński"}, {"FUNKCJAB", "społeczny inspektor pracy"},
        {"IMNAZWZG", "Jan Kowalski"}, {"IMNAZWCZZAP", "Jan Kowalski"}, {"IMNAZWCZ", "Maria Kowalska"},
        {"TYPWYP", 1}, {"GODZPRACY", 5},
        {"IDURAZU1", "01"}, {"URAZ1", "Głowa"}, {"IDURAZU2", "52"}, {"URAZ2", "Ręka"},
        {"IDPRZYCZYNY1", "011"}, {"PRZYCZYNA1", "Brak zabezpieczenia"},
        {"IDCZYNNIKA1", "1"}, {"CZYNNIK1", "Maszyny"}, {"IDZRODLA1", "02"}, {"ZRODLO1", "Urządzenia"},
        {"IDCZYNNOSCI", "21"}, {"CZYNNOSC", "Praca narzędziem ręcznym"},
        {"IDWYDARZENIA", "12"}, {"WYDARZENIE", "Upadek"}, {"IDUMOWY", "1"}, {"UMOWA", "Umowa o pracę"},
        {"WOJEW", "małopolskie"}, {"MIEJSCOW", "Kraków"}, {"KODPOCZ", "30-001"}, {"ULICA", "Długa"},
        {"NRUL", "5"}, {"NRMIESZ", "7"}, {"PRZEDSIEB", "Huta Sp. z o.o."}, {"KODEKD", "2410Z"},
        {"REGON", "123456789       "}, {"NUMERKARTY", 7}, {"NUMERPROT", 5},
        {"NIPFIRMA", "6762000000"}, {"PESELFIRMA", "75010112345"}, {"DOKFIRMA", "ABC123456"},
        {"ADRESFIRMA", "ul. Fabryczna 1, Kraków"}, {"NIPPRAC", "1234563218"},
        {"PESELPRAC", "80051712345"}, {"DOKPRAC", "AXY654321"},
        {"IDLICZBAPRAC", "03"}, {"LICZBAPRAC", 250.0},
        {"IDOBYWATELSTWO", "PL"}, {"OBYWATELSTWO", "polskie"},
        {"IDRODZAJURAZ", "011"}, {"RODZAJURAZ", "Rany powierzchowne"},
        {"IDPROCESPRACY", "21"}, {"PROCESPRACY", "Produkcja"},
        {"IDCZYNNIKCZYNNOSC", "06.01"}, {"CZYNNIKCZYNNOSC", "Narzędzia ręczne"},
        {"IDCZYNNIKODCHYLENIE", "06.02"}, {"CZYNNIKODCHYLENIE", "Narzędzia"},
        {"IDWYDARZENIEURAZ", "31"}, {"WYDARZENIEURAZ", "Uderzenie"},
        {"IDCZYNNIKURAZ", "06.03"}, {"CZYNNIKURAZ", "Młotek"},
        // Text blobs come either as bytes or as text.
        {"OKOLICZNOSCI", QString("Poszkodowany pracował przy stole.\r\nUderzył się młotkiem w rękę.").toUtf8()},
        {"PRZYCZYNY", "Nieuwaga."}, {"RODZURAZU", QByteArray("Stłuczenie ręki.")},
        {"UZASADN", "Wypadek przy pracy."}, {"PROFILAKTYKA", "Szkolenie."},
    };
    return in;
}

// A record with no column filled at all.
DataTestInput emptyRecord(int protocolForm = 3) {
    DataTestInput in;
    in.protocolForm = protocolForm;
    in.now = QDateTime(QDate(2026, 12, 9), QTime(14, 30, 5));
    return in;
}

// The lines each check writes for the full record and for the empty one, and the
// errors, warnings and notes the empty one gets.
struct Expected {
    int number;
    QStringList full;
    QStringList empty;
    int errors, warnings, notes;
};

const std::map<int, Expected>& expectedChecks() {
    static const std::map<int, Expected> table = [] {
        std::map<int, Expected> m;
        for (const Expected& e : std::initializer_list<Expected>{
    {1, {"Nazwisko                               : Kowalski"},
         {"Nazwisko                               : Błąd          [nazwisko osoby poszkodowanej musi być wprowadzone]"}, 1, 0, 0},
    {2, {"Imię                                   : Jan"},
         {"Imię                                   : Błąd          [imię osoby poszkodowanej musi być wprowadzone]"}, 1, 0, 0},
    {3, {"Imię ojca                              : Adam"},
         {"Imię ojca                              : Ostrzeżenie   [nie podano imienia ojca osoby poszkodowanej]"}, 0, 1, 0},
    {4, {"Syn (córka)                            : Adama"},
         {"Syn (córka)                            : Ostrzeżenie   [nie podano imienia ojca osoby poszkodowanej]"}, 0, 1, 0},
    {5, {"Miejsce urodzenia                      : Kraków"},
         {"Miejsce urodzenia                      : Błąd          [miejsce urodzenia osoby poszkodowanej musi być wprowadzone]"}, 1, 0, 0},
    {6, {"Data urodzenia                         : 1980-05-17 r."},
         {"Data urodzenia                         : Błąd          [data urodzenia osoby poszkodowanej musi być wprowadzone] r."}, 1, 0, 0},
    {7, {"Płeć                                   : mężczyzna"},
         {"Płeć                                   : Błąd          [płeć osoby poszkodowanej musi być określona]"}, 1, 0, 0},
    {8, {"Na stanowisku                          : Spawacz"},
         {"Na stanowisku                          : Błąd          [nie określono identyfikatora stanowiska]"}, 1, 0, 0},
    {9, {"Identyfikator zawodu                   : 721207"},
         {"Identyfikator zawodu                   : Błąd          [nie określono zawodu poszkodowanego]"}, 1, 0, 0},
    {10, {"Staż pracy w latach                    :  12"},
         {"Staż pracy w latach                    :   0           Uwaga [istnieje możliwość że staż nie został określony]"}, 0, 0, 1},
    {11, {"Szkolenie wstępne                      : odbyte"},
         {"Szkolenie wstępne                      : Ostrzeżenie   [nie określono danej]"}, 0, 1, 0},
    {12, {"Instruktaż                             : nie został odbyty"},
         {"Instruktaż                             : Ostrzeżenie   [nie określono danej]"}, 0, 1, 0},
    {13, {"Szkolenie podstawowe                   : nie zostało odbyte"},
         {"Szkolenie podstawowe                   : Ostrzeżenie   [nie określono danej]"}, 0, 1, 0},
    {14, {"Szkolenie okresowe                     : odbyte"},
         {"Szkolenie okresowe                     : Ostrzeżenie   [nie określono danej]"}, 0, 1, 0},
    {15, {"Data zgłoszenia wypadku                : 2026-11-03 r."},
         {"Data zgłoszenia wypadku                : Błąd          [nie wprowadzono daty zgłoszenia wypadku] r."}, 1, 0, 0},
    {16, {"Data sporządzenia protokołu            : 2026-11-10 r."},
         {"Data sporządzenia protokołu            : Błąd          [nie wprowadzono daty] r."}, 1, 0, 0},
    {17, {"Data zatwierdzenia protokołu           : 2026-11-12 r."},
         {"Data zatwierdzenia protokołu           : Błąd          [nie wprowadzono daty] r."}, 1, 0, 0},
    {18, {"Data odbioru protokołu                 : 2026-11-13 r."},
         {"Data odbioru protokołu                 : Błąd          [nie wprowadzono daty] r."}, 1, 0, 0},
    {19, {"Data zapoznania protokołu              : 2026-11-11 r."},
         {"Data zapoznania protokołu              : Błąd          [nie wprowadzono daty] r."}, 1, 0, 0},
    {20, {"Daty ustaleń okoliczności wypadku", "   rozpoczęcie ustaleń                 : 2026-11-04 r.", "   zakończenie ustaleń                 : 2026-11-09 r."},
         {"Daty ustaleń okoliczności wypadku", "   rozpoczęcie ustaleń                 : Błąd          [nie wprowadzono daty]", "   zakończenie ustaleń                 : Błąd          [nie wprowadzono daty]"}, 2, 0, 0},
    {21, {"Uwagi i zastrzeżenia do protokołu      : TAK"},
         {"Uwagi i zastrzeżenia do protokołu      : Błąd          [nie określono]"}, 1, 0, 0},
    {22, {"Skutki wypadku                         : ciężkie uszkodzenie ciała"},
         {"Skutki wypadku                         : Błąd          [nie określono skutków]"}, 1, 0, 0},
    {23, {"Liczba dni niezdolności do pracy       :  14"},
         {"Liczba dni niezdolności do pracy       :   0           Uwaga [istnieje możliwość że nie określono liczby dni]"}, 0, 0, 1},
    {24, {"Rzeczywiste skutki wypadku             : inne skutki"},
         {"Rzeczywiste skutki wypadku             : Błąd          [nie określono skutków]"}, 1, 0, 0},
    {25, {"Rzeczywiste dni niezdolności do pracy  :  30"},
         {"Rzeczywiste dni niezdolności do pracy  :   0           Uwaga [istnieje możliwość że nie określono liczby dni]"}, 0, 0, 1},
    {26, {"Zespół ustalający okoliczności wypadku", "   Imię i nazwisko pierwszej osoby     : Anna Nowak", "   Funkcja pierwszej osoby             : specjalista BHP", "   Imię i nazwisko drugiej osoby       : Piotr Zieliński", "   Funkcja drugiej osoby               : społeczny inspektor pracy"},
         {"Zespół ustalający okoliczności wypadku", "   Imię i nazwisko pierwszej osoby     : Błąd          [brak imienia i nazwiska]", "   Funkcja pierwszej osoby             : Błąd          [nie podano funkcji]", "   Imię i nazwisko drugiej osoby       : Błąd          [brak imienia i nazwiska]", "   Funkcja drugiej osoby               : Błąd          [nie podano funkcji]"}, 4, 0, 0},
    {27, {"Imię i nazwisko zgłaszającego wypadek  : Jan Kowalski"},
         {"Imię i nazwisko zgłaszającego wypadek  : Błąd          [brak danych osoby zgłaszającej wypadek]"}, 1, 0, 0},
    {28, {"Dane osoby zapoznającej się z protok.  : Jan Kowalski"},
         {"Dane osoby zapoznającej się z protok.  : Ostrzeżenie   [brak danych osobowych]"}, 0, 1, 0},
    {29, {"Dane potwierdzającego odbiór protok.   : Maria Kowalska"},
         {"Dane potwierdzającego odbiór protok.   : Ostrzeżenie   [brak danych osobowych]"}, 0, 1, 0},
    {30, {"Rodzaj wypadku                         : zbiorowy", "Typ wypadku                            : zrównany z wypadkiem przy pracy"},
         {"Rodzaj wypadku                         : indywidualny", "Typ wypadku                            : przy pracy"}, 0, 0, 0},
    {31, {"Przepracowane godziny do wypadku       :   5"},
         {"Przepracowane godziny do wypadku       :   0           Uwaga [istnieje możliwość że nie określono liczby godzin]"}, 0, 0, 1},
    {32, {"Umiejscowienie uszczerbku na zdrowiu w związku z wypadkiem", "                      kod i opis urazu : [01] - Głowa", "                      kod i opis urazu : [52] - Ręka"},
         {"Umiejscowienie uszczerbku na zdrowiu   : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {33, {"Przyczyny wypadku", "                  kod i opis przyczyny : [011] - Brak zabezpieczenia"},
         {"Przyczyny wypadku                      : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {34, {"Czynniki, które spowodowały wypadek", "                   kod i opis czynnika : [1] - Maszyny"},
         {"Czynniki, które spowodowały wypadek    : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {35, {"Materialne źródła czynników, które spowodowały wypadek", "                     kod i opis żródła : [02] - Urządzenia"},
         {"Źródła czynników powodujących wypadek  : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {36, {"Czynność wykonywana w chwili wypadku   : [21] - Praca narzędziem ręcznym"},
         {"Czynność wykonywana w chwili wypadku   : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {37, {"Wydarzenie powodujące wypadek          : [12] - Upadek"},
         {"Wydarzenie powodujące wypadek          : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {38, {"Rodzaj umowy o pracę poszkodowanego    : [1] - Umowa o pracę"},
         {"Rodzaj umowy o pracę poszkodowanego    : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {39, {"Szacunkowe straty materialne w tys. zł.:   1234.6"},
         {"Szacunkowe straty materialne w tys. zł.:      0.0      Uwaga [istnieje możliwość że nie określono wartości strat materialnych]"}, 0, 0, 1},
    {40, {"Straty czasu pracy innych osób w godz. :     16"},
         {"Straty czasu pracy innych osób w godz. :      0        Uwaga [istnieje możliwość że nie określono wartości]"}, 0, 0, 1},
    {41, {"Liczba osób poszkodowanych             :    2"},
         {"Liczba osób poszkodowanych             : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {42, {"Data wypadku                           : 2026-11-03 r."},
         {"Data wypadku                           : Błąd          [data wypadku musi być wprowadzona] r."}, 1, 0, 0},
    {43, {"Adres zamieszkania poszkodowanego      :", "   Województwo                         : małopolskie"},
         {"Adres zamieszkania poszkodowanego      :", "   Województwo                         : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {44, {"   Miejscowość                         : Kraków"},
         {"   Miejscowość                         : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {45, {"   Kod pocztowy                        : 30-001"},
         {"   Kod pocztowy                        : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {46, {"   Ulica                               : Długa"},
         {"   Ulica                               : Ostrzeżenie   [brak danych]"}, 0, 1, 0},
    {47, {"   Numer ulicy                         : 5"},
         {"   Numer ulicy                         : Ostrzeżenie   [brak danych]"}, 0, 1, 0},
    {48, {"   Numer mieszkania                    : 7"},
         {"   Numer mieszkania                    : Ostrzeżenie   [brak danych]"}, 0, 1, 0},
    {49, {"Zakład pracy                           : Huta Sp. z o.o."},
         {"Zakład pracy                           : Ostrzeżenie   [brak danych]"}, 0, 1, 0},
    {50, {"Kod EKD/PKD                            : 2410Z"},
         {"Kod EKD/PKD                            : Ostrzeżenie   [brak danych]"}, 0, 1, 0},
    {51, {"REGON                                  : 123456789"},
         {"REGON                                  : Ostrzeżenie   [brak danych]"}, 0, 1, 0},
    {52, {"Numer SKW                              : 7"},
         {"Numer SKW                              : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {53, {"Numer Protokołu Powypadkowego          : 5"},
         {"Numer Protokołu Powypadkowego          : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {54, {"Miejsce wypadku                        : [03] - Hala produkcyjna"},
         {"Miejsce wypadku                        : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {55, {"Pracodawca - NIP                       : 6762000000"},
         {"Pracodawca - NIP                       : Ostrzeżenie   [nie podano nr NIP pracodawcy]"}, 0, 1, 0},
    {56, {"Pracodawca - REGON                     : 123456789"},
         {"Pracodawca - REGON                     : Ostrzeżenie   [nie podano nr REGON pracodawcy]"}, 0, 1, 0},
    {57, {"Pracodawca - PESEL                     : 75010112345"},
         {"Pracodawca - PESEL                     : Ostrzeżenie   [nie podano nr PESEL pracodawcy]"}, 0, 1, 0},
    {58, {"Pracodawca - nr dokumentu              : ABC123456"},
         {"Pracodawca - nr dokumentu              : Ostrzeżenie   [nie podano numeru dokumentu potwierdzającego tożsamość pracodawcy]"}, 0, 1, 0},
    {59, {"Adres siedziby pracodawcy              : ul. Fabryczna 1, Kraków"},
         {"Adres siedziby pracodawcy              : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {60, {"Poszkodowany - NIP                     : 1234563218"},
         {"Poszkodowany - NIP                     : Ostrzeżenie   [nie podano nr NIP poszkodowanego]"}, 0, 1, 0},
    {61, {"Poszkodowany - PESEL                   : 80051712345"},
         {"Poszkodowany - PESEL                   : Ostrzeżenie   [nie podano nr PESEL poszkodowanego]"}, 0, 1, 0},
    {62, {"Poszkodowany - nr dokumentu            : AXY654321"},
         {"Poszkodowany - nr dokumentu            : Ostrzeżenie   [nie podano numeru dokumentu potwierdzającego tożsamość poszkodowanego]"}, 0, 1, 0},
    {63, {"Położenie geograficzne miejsca wypadku : 50.06 N 19.94 E"},
         {"Położenie geograficzne miejsca wypadku : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {64, {"Rodzaj miejsca wypadku                 : [011] - Zakład produkcyjny"},
         {"Rodzaj miejsca wypadku                 : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {65, {"Liczba pracujących - kod               : 3"},
         {"Liczba pracujących - kod               : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {66, {"Liczba pracujących                     :    250.0"},
         {"Liczba pracujących                     :      0.0      Uwaga [istnieje możliwość że nie określono liczby pracujących]"}, 0, 0, 1},
    {67, {"Obywatelstwo poszkodowanego            : [PL] - polskie"},
         {"Obywatelstwo poszkodowanego            : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {68, {"Rodzaj urazu                           : [011] - Rany powierzchowne"},
         {"Rodzaj urazu                           : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {69, {"Proces pracy                         : [21] - Produkcja"},
         {"Proces pracy                         : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {70, {"Czynnik materialny związany z czynnością wykonywaną przez poszkodowanego w chwili wypadku: [06.01] - Narzędzia ręczne"},
         {"Czynnik materialny związany z czynnością wykonywaną przez poszkodowanego w chwili wypadku: Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {71, {"Czynnik materialny związany z odchyleniem od stanu normalnego: [06.02] - Narzędzia"},
         {"Czynnik materialny związany z odchyleniem od stanu normalnego: Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {72, {"Wydarzenie powodujące uraz             : [31] - Uderzenie"},
         {"Wydarzenie powodujące uraz             : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {73, {"Czynnik materialny będący źródłem urazu: [06.03] - Młotek"},
         {"Czynnik materialny będący źródłem urazu: Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {74, {"Umiejscowienie uszczerbku na zdrowiu   : [01] - Głowa"},
         {"Umiejscowienie uszczerbku na zdrowiu   : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {75, {"Okoliczności wypadku                   : Poszkodowany pracował przy stole.", "Uderzył się młotkiem w rękę."},
         {"Okoliczności wypadku                   : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {76, {"Przyczyny wypadku                      : Nieuwaga."},
         {"Przyczyny wypadku                      : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {77, {"Skutki wypadku                         : Stłuczenie ręki."},
         {"Skutki wypadku                         : Błąd          [nie wprowadzono danych]"}, 1, 0, 0},
    {78, {"Uzasadnienie typu wypadku              : Wypadek przy pracy."},
         {"Uzasadnienie typu wypadku              :            Uwaga [istnieje możliwość że nie wprowadzono danych]"}, 0, 0, 1},
    {79, {"Wnioski i środki profilaktyczne        : Szkolenie."},
         {"Wnioski i środki profilaktyczne        :            Uwaga [istnieje możliwość że nie wprowadzono danych]"}, 0, 0, 1},
             })
            m.emplace(e.number, e);
        return m;
    }();
    return table;
}

const QList<int> kCard2000{52, 30, 1, 2, 3, 7, 6, 9, 10, 11, 12, 13, 14, 42, 54, 31,
                           41, 22, 23, 24, 25, 32, 33, 34, 35, 36, 37, 39, 40, 38, 51};
const QList<int> kCard{52, 30, 65, 66, 7, 6, 67, 9, 10, 42, 54, 63, 64, 31, 41, 22, 23,
                       24, 25, 68, 74, 33, 36, 37, 69, 70, 71, 72, 73, 39, 40, 38, 51};
const QList<int> kProtocol1998{53, 49, 50, 45, 44, 46, 47, 48, 26, 20, 42, 1, 2,
                               4, 6, 5, 8, 27, 15, 30, 28, 16, 19, 17, 18, 29};
const QList<int> kProtocol{53, 49, 59, 55, 56, 57, 58, 50, 45, 44, 26, 20, 42, 1, 2, 60, 61, 62, 3,
                           6, 5, 8, 27, 15, 30, 28, 75, 76, 77, 78, 79, 16, 19, 17, 18, 29, 21};
const QList<int> kEverything1998{52, 53, 49, 50, 51, 43, 45, 44, 46, 47, 48, 54, 1, 2, 3, 4, 5, 6, 7, 8, 9,
                                 10, 11, 12, 13, 14, 15, 16, 19, 17, 18, 22, 23, 24, 25, 26, 20, 27, 28,
                                 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 21};
const QList<int> kEverythingLater{52, 53, 49, 50, 51, 59, 55, 56, 57, 58, 60, 61, 62, 54, 1, 2, 3, 4, 5, 6,
                                  7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 19, 17, 18, 22, 23, 24, 25, 26, 20,
                                  27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 21};

// The whole expected report: the frame around the lines of the checks in order.
DataTestReport expectedReport(const QString& title, const QList<int>& checks, bool full, int protocolForm) {
    DataTestReport r;
    r.lines << title << QString(title.size(), '=')
            << QStringLiteral("Test wykonano : 2026-12-09 r. o godzinie 14:30:05") << QString();
    for (int n : checks) {
        if (n == 21 && protocolForm != 3) continue;
        const Expected& e = expectedChecks().at(n);
        r.lines << (full ? e.full : e.empty);
        if (!full) {
            r.ErrorCount += e.errors;
            r.WarningCount += e.warnings;
            r.NoteCount += e.notes;
        }
    }
    r.lines << QString() << QStringLiteral("Podsumowanie") << QStringLiteral("============")
            << QString::asprintf("Liczba stwierdzonych błędów            : %3d", r.ErrorCount)
            << QString::asprintf("Liczba ostrzeżeń                       : %3d", r.WarningCount)
            << QString::asprintf("Liczba uwag                            : %3d", r.NoteCount);
    return r;
}

void expectSameReport(const DataTestReport& actual, const DataTestReport& expected) {
    const qsizetype n = std::max(actual.lines.size(), expected.lines.size());
    for (qsizetype i = 0; i < n; ++i) {
        const QString a = i < actual.lines.size() ? actual.lines.at(i) : QStringLiteral("<none>");
        const QString e = i < expected.lines.size() ? expected.lines.at(i) : QStringLiteral("<none>");
        EXPECT_EQ(a.toStdString(), e.toStdString()) << "line " << i + 1;
    }
    EXPECT_EQ(actual.ErrorCount, expected.ErrorCount);
    EXPECT_EQ(actual.WarningCount, expected.WarningCount);
    EXPECT_EQ(actual.NoteCount, expected.NoteCount);
}

// Every line that has a caption keeps its colon in the 40th character; the three
// long captions of the card are the exceptions.
void expectColonsAligned(const DataTestReport& r) {
    for (qsizetype i = 3; i < r.lines.size(); ++i) {
        const QString& line = r.lines.at(i);
        const qsizetype colon = line.indexOf(':');
        if (colon < 0 || line == kNotice) continue;
        if (line.startsWith("Proces pracy") || line.startsWith("Czynnik materialny związany")) continue;
        EXPECT_EQ(colon, 39) << line.toStdString();
    }
}

// The first line that begins with the caption.
QString lineOf(const DataTestReport& r, const QString& caption) {
    for (const QString& line : r.lines)
        if (line.startsWith(caption)) return line;
    return QStringLiteral("<none>");
}

class DataTest : public ::testing::Test {
protected:
    void SetUp() override { Formats::reset(); }
};

// --- Whole reports -----------------------------------------------------------------

TEST_F(DataTest, CardReportsOfFullAndEmptyRecords) {
    for (bool full : {true, false}) {
        SCOPED_TRACE(full ? "full" : "empty");
        DataTestEngine engine(full ? fullRecord() : emptyRecord());
        const DataTestReport card = engine.TestCard();
        expectSameReport(card, expectedReport(kCardTitle, kCard, full, 3));
        expectColonsAligned(card);
        const DataTestReport card2000 = engine.TestCard2000();
        expectSameReport(card2000, expectedReport(kCardTitle, kCard2000, full, 3));
        expectColonsAligned(card2000);
    }
}

TEST_F(DataTest, ProtocolReportsOfFullAndEmptyRecords) {
    for (bool full : {true, false}) {
        SCOPED_TRACE(full ? "full" : "empty");
        DataTestEngine engine(full ? fullRecord(3) : emptyRecord(3));
        const DataTestReport protocol = engine.TestProtocol();
        expectSameReport(protocol, expectedReport(kProtocolTitle, kProtocol, full, 3));
        expectColonsAligned(protocol);
        DataTestEngine engine1998(full ? fullRecord(0) : emptyRecord(0));
        const DataTestReport protocol1998 = engine1998.TestProtocol1998();
        expectSameReport(protocol1998, expectedReport(kProtocolTitle, kProtocol1998, full, 0));
        expectColonsAligned(protocol1998);
    }
}

TEST_F(DataTest, WholeTestUnderTheFormsOf1998And2004) {
    for (bool full : {true, false}) {
        SCOPED_TRACE(full ? "full" : "empty");
        // 1998: the injured person's address, not the employer's identification.
        const DataTestReport r1998 = DataTestEngine(full ? fullRecord(0) : emptyRecord(0)).TestEverything();
        expectSameReport(r1998, expectedReport(kEverythingTitle, kEverything1998, full, 0));
        expectColonsAligned(r1998);
        EXPECT_EQ(lineOf(r1998, "Pracodawca - NIP"), "<none>");
        // 2004: the reverse.
        const DataTestReport r2004 = DataTestEngine(full ? fullRecord(1) : emptyRecord(1)).TestEverything();
        expectSameReport(r2004, expectedReport(kEverythingTitle, kEverythingLater, full, 1));
        expectColonsAligned(r2004);
        EXPECT_EQ(lineOf(r2004, "Adres zamieszkania poszkodowanego"), "<none>");
        // 2019 adds the remarks at the end.
        const DataTestReport r2019 = DataTestEngine(full ? fullRecord(3) : emptyRecord(3)).TestEverything();
        expectSameReport(r2019, expectedReport(kEverythingTitle, kEverythingLater, full, 3));
    }
}

TEST_F(DataTest, RunsAreIndependent) {
    DataTestEngine engine(emptyRecord());
    engine.TestCard();
    const DataTestReport protocol = engine.TestProtocol();
    EXPECT_EQ(protocol.lines.first(), kProtocolTitle);
    expectSameReport(protocol, expectedReport(kProtocolTitle, kProtocol, false, 3));
}

TEST_F(DataTest, LongNamesKeepTheAlignment) {
    DataTestInput in = fullRecord();
    in.person["NAZWISKO"] = "Żółkiewska-Źdźbło";
    in.person["IDPRZYCZYNY1"] = "101";
    in.person["PRZYCZYNA1"] = "Niewłaściwy stan czynnika materialnego, w tym wady konstrukcyjne i niedostateczna "
                              "wytrzymałość";
    const DataTestReport r = DataTestEngine(in).TestEverything();
    EXPECT_EQ(lineOf(r, "Nazwisko"), "Nazwisko                               : Żółkiewska-Źdźbło");
    EXPECT_EQ(lineOf(r, "                  kod i opis przyczyny"),
              "                  kod i opis przyczyny : [101] - Niewłaściwy stan czynnika materialnego, w tym wady "
              "konstrukcyjne i niedostateczna wytrzymałość");
    expectColonsAligned(r);
}

// --- The six-month notice ----------------------------------------------------------

class SixMonths : public DataTest {
protected:
    void SetUp() override {
        DataTest::SetUp();
        m_hadTz = qEnvironmentVariableIsSet("TZ");
        m_oldTz = qgetenv("TZ");
        qputenv("TZ", "Europe/Warsaw");
        tzset();
    }
    void TearDown() override {
        if (m_hadTz) qputenv("TZ", m_oldTz);
        else qunsetenv("TZ");
        tzset();
    }
    // Whether a run at `now` on an accident at `accident` shows the notice; the
    // notice counts nothing.
    static bool notice(const QDateTime& accident, const QDateTime& now) {
        DataTestInput in = fullRecord();
        in.accident["DATA"] = accident;
        in.now = now;
        const DataTestReport r = DataTestEngine(in).TestCard();
        EXPECT_EQ(r.ErrorCount + r.WarningCount + r.NoteCount, 0);
        const bool shown = r.lines.at(3) == kNotice;
        EXPECT_EQ(r.lines.at(shown ? 4 : 3), QString());
        return shown;
    }
    bool m_hadTz = false;
    QByteArray m_oldTz;
};

TEST_F(SixMonths, WholeDaysToTodaysMidnightInWinter) {
    const QDateTime now(QDate(2027, 1, 20), QTime(10, 0));
    const QDate today = now.date();
    EXPECT_TRUE(notice(QDateTime(today.addDays(-183), QTime(0, 0)), now));
    EXPECT_FALSE(notice(QDateTime(today.addDays(-182), QTime(0, 0)), now));
    EXPECT_FALSE(notice(QDateTime(today.addDays(-183), QTime(10, 0)), now));
    EXPECT_TRUE(notice(QDateTime(today.addDays(-184), QTime(10, 0)), now));
    EXPECT_TRUE(notice(QDateTime(today.addYears(-2), QTime(8, 0)), now));
    EXPECT_FALSE(notice(QDateTime(today, QTime(8, 0)), now));
}

TEST_F(SixMonths, ChangeToSummerTimeMovesNoBoundary) {
    // From the winter of 2026/27 to after the clocks went forward on 28 March 2027.
    const QDateTime now(QDate(2027, 5, 3), QTime(0, 30));
    const QDate today = now.date();
    ASSERT_GT(today.addDays(-183), QDate(2026, 10, 25));
    EXPECT_TRUE(notice(QDateTime(today.addDays(-183), QTime(0, 0)), now));
    EXPECT_FALSE(notice(QDateTime(today.addDays(-182), QTime(0, 0)), now));
    EXPECT_FALSE(notice(QDateTime(today.addDays(-183), QTime(0, 30)), now));
    EXPECT_TRUE(notice(QDateTime(today.addDays(-184), QTime(23, 30)), now));
}

TEST_F(SixMonths, AccidentWithoutADate) {
    for (const QVariant& none : {QVariant(), QVariant(QDateTime(QDate(1899, 12, 30), QTime(0, 0)))}) {
        DataTestInput in = fullRecord();
        in.accident["DATA"] = none;
        const DataTestReport r = DataTestEngine(in).TestCard();
        EXPECT_EQ(r.lines.at(3), QString());
        EXPECT_EQ(lineOf(r, "Data wypadku"),
                  "Data wypadku                           : Błąd          [data wypadku musi być wprowadzona] r.");
        EXPECT_EQ(r.ErrorCount, 1);
    }
}

// --- Numbers and notes -------------------------------------------------------------

TEST_F(DataTest, NumbersAndTheirNotes) {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    DataTestInput in = fullRecord();
    in.person["STAZ"] = 0;
    in.person["SKUTKI"] = 4;
    in.person["LICZBAPRAC"] = 0.0;
    in.accident["STRATYZL"] = QVariant();
    DataTestReport r = DataTestEngine(in).TestCard();
    EXPECT_EQ(lineOf(r, "Staż pracy"),
              "Staż pracy w latach                    :   0           Uwaga [istnieje możliwość że staż nie został "
              "określony]");
    EXPECT_EQ(lineOf(r, "Skutki wypadku"), "Skutki wypadku                         : Błąd          [nie określono skutków]");
    EXPECT_EQ(lineOf(r, "Liczba pracujących   "),
              "Liczba pracujących                     :      0.0      Uwaga [istnieje możliwość że nie określono liczby "
              "pracujących]");
    EXPECT_EQ(lineOf(r, "Szacunkowe"),
              "Szacunkowe straty materialne w tys. zł.:      0.0      Uwaga [istnieje możliwość że nie określono "
              "wartości strat materialnych]");
    EXPECT_EQ(r.ErrorCount, 1);
    EXPECT_EQ(r.NoteCount, 3);

    in = fullRecord();
    in.accident["STRATYZL"] = 0.05;   // shown as 0.1, not zero
    in.accident["STRATYCZASU"] = 0;
    in.accident["POSZKODOWANI"] = 0;
    r = DataTestEngine(in).TestCard();
    EXPECT_EQ(lineOf(r, "Szacunkowe"), "Szacunkowe straty materialne w tys. zł.:      0.1");
    EXPECT_EQ(lineOf(r, "Straty czasu"),
              "Straty czasu pracy innych osób w godz. :      0        Uwaga [istnieje możliwość że nie określono "
              "wartości]");
    EXPECT_EQ(lineOf(r, "Liczba osób"), "Liczba osób poszkodowanych             : Błąd          [nie wprowadzono danych]");
    EXPECT_EQ(r.ErrorCount, 1);
    EXPECT_EQ(r.NoteCount, 1);
    QLocale::setDefault(QLocale::c());
}

TEST_F(DataTest, CausesInSomeSlotsOrNone) {
    DataTestInput in = fullRecord();
    in.person.remove("IDPRZYCZYNY1");
    in.person["IDPRZYCZYNY5"] = "520";
    in.person["PRZYCZYNA5"] = "Brak nadzoru";
    in.person["IDPRZYCZYNY2"] = "210";
    in.person["PRZYCZYNA2"] = "Wada materiału";
    in.person["IDPRZYCZYNY7"] = "   ";   // blanks hold no code
    DataTestReport r = DataTestEngine(in).TestCard();
    const qsizetype at = r.lines.indexOf("Przyczyny wypadku");
    ASSERT_GT(at, 0);
    EXPECT_EQ(r.lines.at(at + 1), "                  kod i opis przyczyny : [210] - Wada materiału");
    EXPECT_EQ(r.lines.at(at + 2), "                  kod i opis przyczyny : [520] - Brak nadzoru");
    EXPECT_EQ(r.lines.at(at + 3), "Czynność wykonywana w chwili wypadku   : [21] - Praca narzędziem ręcznym");

    in.person.remove("IDPRZYCZYNY2");
    in.person.remove("IDPRZYCZYNY5");
    r = DataTestEngine(in).TestCard();
    EXPECT_FALSE(r.lines.contains("Przyczyny wypadku"));
    EXPECT_EQ(lineOf(r, "Przyczyny wypadku"),
              "Przyczyny wypadku                      : Błąd          [nie wprowadzono danych]");
    EXPECT_EQ(r.ErrorCount, 1);
}

TEST_F(DataTest, EveryFindingOfAGroupCounts) {
    DataTestInput in = fullRecord();
    in.accident["WYPIZ"] = 5;
    in.person["TYPWYP"] = 7;
    in.person.remove("IMNAZWA");
    in.person.remove("FUNKCJAB");
    in.person.remove("DATAUST");
    const DataTestReport r = DataTestEngine(in).TestProtocol();
    EXPECT_EQ(lineOf(r, "Rodzaj wypadku"),
              "Rodzaj wypadku                         : Błąd          [nie podano czy wypadek jest indywidualny czy "
              "zbiorowy]");
    EXPECT_EQ(lineOf(r, "Typ wypadku"), "Typ wypadku                            : Błąd          [nie określono typu wypadku]");
    EXPECT_EQ(lineOf(r, "   Imię i nazwisko pierwszej"),
              "   Imię i nazwisko pierwszej osoby     : Błąd          [brak imienia i nazwiska]");
    EXPECT_EQ(lineOf(r, "   Funkcja drugiej"), "   Funkcja drugiej osoby               : Błąd          [nie podano funkcji]");
    EXPECT_EQ(lineOf(r, "   rozpoczęcie"), "   rozpoczęcie ustaleń                 : Błąd          [nie wprowadzono daty]");
    EXPECT_EQ(r.ErrorCount, 5);
    EXPECT_EQ(r.WarningCount, 0);
}

TEST_F(DataTest, TextsOverSeveralLines) {
    DataTestInput in = fullRecord();
    in.person["OKOLICZNOSCI"] = QByteArray("Pierwsza linia.\r\nDruga linia.\r\n\r\nCzwarta: po pustej.");
    in.person["PRZYCZYNY"] = QString("Jedna\nDwie");
    const DataTestReport r = DataTestEngine(in).TestProtocol();
    const qsizetype at = r.lines.indexOf("Okoliczności wypadku                   : Pierwsza linia.");
    ASSERT_GT(at, 0);
    EXPECT_EQ(r.lines.mid(at + 1, 5),
              QStringList({"Druga linia.", "", "Czwarta: po pustej.",
                           "Przyczyny wypadku                      : Jedna", "Dwie"}));
    EXPECT_EQ(r.ErrorCount + r.WarningCount + r.NoteCount, 0);
}

// --- Forms ------------------------------------------------------------------------

TEST_F(DataTest, RemarksOnlyUnderThe2019Protocol) {
    for (int form : {0, 1, 2}) {
        const DataTestReport r = DataTestEngine(fullRecord(form)).TestProtocol();
        EXPECT_EQ(lineOf(r, "Uwagi i zastrzeżenia"), "<none>") << form;
    }
    DataTestInput in = fullRecord(3);
    in.person["FORMWYP"] = 1;
    DataTestReport r = DataTestEngine(in).TestProtocol();
    EXPECT_EQ(r.lines.at(r.lines.size() - 7), "Uwagi i zastrzeżenia do protokołu      : NIE");
    in.person["FORMWYP"] = QVariant();
    r = DataTestEngine(in).TestProtocol();
    EXPECT_EQ(r.lines.at(r.lines.size() - 7), "Uwagi i zastrzeżenia do protokołu      : Błąd          [nie określono]");
    EXPECT_EQ(r.ErrorCount, 1);
}

// --- Reading the values -------------------------------------------------------------

TEST_F(DataTest, ReadingTheStoredValues) {
    DataTestInput in = fullRecord(1);
    in.person["REGON"] = "                ";
    in.person["SZKWSTEPNE"] = "T";
    in.person["SZKINSTR"] = "N";
    in.person["SZKOKRES"] = "x";
    in.person["DATAUR"] = QDateTime(QDate(1899, 12, 30), QTime(0, 0));
    in.person["IDLICZBAPRAC"] = "ab";
    DataTestReport r = DataTestEngine(in).TestEverything();
    EXPECT_EQ(lineOf(r, "REGON"), "REGON                                  : Ostrzeżenie   [brak danych]");
    EXPECT_EQ(lineOf(r, "Pracodawca - REGON"),
              "Pracodawca - REGON                     : Ostrzeżenie   [nie podano nr REGON pracodawcy]");
    EXPECT_EQ(lineOf(r, "Szkolenie wstępne"), "Szkolenie wstępne                      : odbyte");
    EXPECT_EQ(lineOf(r, "Instruktaż"), "Instruktaż                             : nie został odbyty");
    EXPECT_EQ(lineOf(r, "Szkolenie okresowe"), "Szkolenie okresowe                     : Ostrzeżenie   [nie określono danej]");
    EXPECT_EQ(lineOf(r, "Data urodzenia"),
              "Data urodzenia                         : Błąd          [data urodzenia osoby poszkodowanej musi być "
              "wprowadzone] r.");
    EXPECT_EQ(r.ErrorCount, 1);
    EXPECT_EQ(r.WarningCount, 3);

    // The code of the number of workers: a whole number, or as stored.
    r = DataTestEngine(in).TestCard();
    EXPECT_EQ(lineOf(r, "Liczba pracujących - kod"), "Liczba pracujących - kod               : ab");
    EXPECT_EQ(lineOf(r, "REGON"), "REGON                                  : Ostrzeżenie   [brak danych]");
    EXPECT_EQ(r.ErrorCount, 1);
    EXPECT_EQ(r.WarningCount, 1);
    in.person["IDLICZBAPRAC"] = " 03  ";
    r = DataTestEngine(in).TestCard();
    EXPECT_EQ(lineOf(r, "Liczba pracujących - kod"), "Liczba pracujących - kod               : 3");
    in.person.remove("IDLICZBAPRAC");
    r = DataTestEngine(in).TestCard();
    EXPECT_EQ(lineOf(r, "Liczba pracujących - kod"),
              "Liczba pracujących - kod               : Błąd          [nie wprowadzono danych]");
}

TEST_F(DataTest, DatesAndTimeInTheSavedFormats) {
    Formats::applyDateFormat("dd.mm.yyyy");
    DataTestInput in = fullRecord();
    in.now = QDateTime(QDate(2026, 12, 9), QTime(8, 5, 7));
    const DataTestReport r = DataTestEngine(in).TestCard();
    EXPECT_EQ(r.lines.at(2), "Test wykonano : 09.12.2026 r. o godzinie 8:05:07");
    EXPECT_EQ(lineOf(r, "Data wypadku"), "Data wypadku                           : 03.11.2026 r.");
    Formats::reset();
}

} // namespace
