#include "datatest/DataTestChecks.h"

namespace zort::datatest {
namespace {

// Findings shared by several checks.
const char* const kNoData = "Błąd          [nie wprowadzono danych]";
const char* const kNoDate = "Błąd          [nie wprowadzono daty]";
const char* const kWarnNoData = "Ostrzeżenie   [brak danych]";
const char* const kWarnUnknown = "Ostrzeżenie   [nie określono danej]";
const char* const kWarnNoPerson = "Ostrzeżenie   [brak danych osobowych]";
const char* const kNoteNoText = "           Uwaga [istnieje możliwość że nie wprowadzono danych]";
const char* const kNoEffects = "Błąd          [nie określono skutków]";
const char* const kNoteDays = "           Uwaga [istnieje możliwość że nie określono liczby dni]";

using K = CheckKind;
constexpr Table P = Table::Person;
constexpr Table A = Table::Accident;

QVector<CheckLine> buildTable() {
    return {
        {1, K::Text, "Nazwisko                               : %s", P, "NAZWISKO", nullptr,
         "Błąd          [nazwisko osoby poszkodowanej musi być wprowadzone]", nullptr},
        {2, K::Text, "Imię                                   : %s", P, "IMIE", nullptr,
         "Błąd          [imię osoby poszkodowanej musi być wprowadzone]", nullptr},
        {3, K::Text, "Imię ojca                              : %s", P, "IMOJCA", nullptr,
         "Ostrzeżenie   [nie podano imienia ojca osoby poszkodowanej]", nullptr},
        {4, K::Text, "Syn (córka)                            : %s", P, "SYNCORKA", nullptr,
         "Ostrzeżenie   [nie podano imienia ojca osoby poszkodowanej]", nullptr},
        {5, K::Text, "Miejsce urodzenia                      : %s", P, "MIEJSCEUR", nullptr,
         "Błąd          [miejsce urodzenia osoby poszkodowanej musi być wprowadzone]", nullptr},
        {6, K::Date, "Data urodzenia                         : %s r.", P, "DATAUR", nullptr,
         "Błąd          [data urodzenia osoby poszkodowanej musi być wprowadzone]", nullptr},
        {7, K::Sex, "Płeć                                   : %s", P, "PLEC", nullptr,
         "Błąd          [płeć osoby poszkodowanej musi być określona]", nullptr},
        {8, K::Position, "Na stanowisku                          : %s", P, "IDSTANOW", "STANOWSKROT",
         "Błąd          [nie określono identyfikatora stanowiska]", nullptr},
        {9, K::Text, "Identyfikator zawodu                   : %s", P, "KODZAWODU", nullptr,
         "Błąd          [nie określono zawodu poszkodowanego]", nullptr},
        {10, K::NumberNote, "Staż pracy w latach                    : %s", P, "STAZ", nullptr,
         "           Uwaga [istnieje możliwość że staż nie został określony]", "%3d"},
        {11, K::Training, "Szkolenie wstępne                      : %s", P, "SZKWSTEPNE", nullptr, kWarnUnknown, nullptr},
        {12, K::Instruction, "Instruktaż                             : %s", P, "SZKINSTR", nullptr, kWarnUnknown, nullptr},
        {13, K::Training, "Szkolenie podstawowe                   : %s", P, "SZKPODST", nullptr, kWarnUnknown, nullptr},
        {14, K::Training, "Szkolenie okresowe                     : %s", P, "SZKOKRES", nullptr, kWarnUnknown, nullptr},
        {15, K::Date, "Data zgłoszenia wypadku                : %s r.", P, "DATAZG", nullptr,
         "Błąd          [nie wprowadzono daty zgłoszenia wypadku]", nullptr},
        {16, K::Date, "Data sporządzenia protokołu            : %s r.", P, "DATAPROT", nullptr, kNoDate, nullptr},
        {17, K::Date, "Data zatwierdzenia protokołu           : %s r.", P, "DATAZATW", nullptr, kNoDate, nullptr},
        {18, K::Date, "Data odbioru protokołu                 : %s r.", P, "DATAODB", nullptr, kNoDate, nullptr},
        {19, K::Date, "Data zapoznania protokołu              : %s r.", P, "DATAZAPOZ", nullptr, kNoDate, nullptr},
        {20, K::Heading, "Daty ustaleń okoliczności wypadku", P, nullptr, nullptr, nullptr, nullptr},
        {20, K::DateWithSuffix, "   rozpoczęcie ustaleń                 : %s", P, "DATAUST", nullptr, kNoDate, nullptr},
        {20, K::DateWithSuffix, "   zakończenie ustaleń                 : %s", P, "DATAZAKUST", nullptr, kNoDate, nullptr},
        {21, K::Remarks, "Uwagi i zastrzeżenia do protokołu      : %s", P, "FORMWYP", nullptr,
         "Błąd          [nie określono]", nullptr},
        {22, K::Effect, "Skutki wypadku                         : %s", P, "SKUTKI", nullptr, kNoEffects, nullptr},
        {23, K::NumberNote, "Liczba dni niezdolności do pracy       : %s", P, "DNINIEZD", nullptr, kNoteDays, "%3d"},
        {24, K::Effect, "Rzeczywiste skutki wypadku             : %s", P, "SKUTKIR", nullptr, kNoEffects, nullptr},
        {25, K::NumberNote, "Rzeczywiste dni niezdolności do pracy  : %s", P, "DNINIEZDR", nullptr, kNoteDays, "%3d"},
        {26, K::Heading, "Zespół ustalający okoliczności wypadku", P, nullptr, nullptr, nullptr, nullptr},
        {26, K::Text, "   Imię i nazwisko pierwszej osoby     : %s", P, "IMNAZWA", nullptr,
         "Błąd          [brak imienia i nazwiska]", nullptr},
        {26, K::Text, "   Funkcja pierwszej osoby             : %s", P, "FUNKCJAA", nullptr,
         "Błąd          [nie podano funkcji]", nullptr},
        {26, K::Text, "   Imię i nazwisko drugiej osoby       : %s", P, "IMNAZWB", nullptr,
         "Błąd          [brak imienia i nazwiska]", nullptr},
        {26, K::Text, "   Funkcja drugiej osoby               : %s", P, "FUNKCJAB", nullptr,
         "Błąd          [nie podano funkcji]", nullptr},
        {27, K::Text, "Imię i nazwisko zgłaszającego wypadek  : %s", P, "IMNAZWZG", nullptr,
         "Błąd          [brak danych osoby zgłaszającej wypadek]", nullptr},
        {28, K::Text, "Dane osoby zapoznającej się z protok.  : %s", P, "IMNAZWCZZAP", nullptr, kWarnNoPerson, nullptr},
        {29, K::Text, "Dane potwierdzającego odbiór protok.   : %s", P, "IMNAZWCZ", nullptr, kWarnNoPerson, nullptr},
        {30, K::Individual, "Rodzaj wypadku                         : %s", A, "WYPIZ", nullptr,
         "Błąd          [nie podano czy wypadek jest indywidualny czy zbiorowy]", nullptr},
        {30, K::AccidentType, "Typ wypadku                            : %s", P, "TYPWYP", nullptr,
         "Błąd          [nie określono typu wypadku]", nullptr},
        {31, K::NumberNote, "Przepracowane godziny do wypadku       : %s", P, "GODZPRACY", nullptr,
         "           Uwaga [istnieje możliwość że nie określono liczby godzin]", "%3d"},
        {32, K::CodeList, "Umiejscowienie uszczerbku na zdrowiu   : %s", P, "IDURAZU", "URAZ", kNoData, nullptr,
         "Umiejscowienie uszczerbku na zdrowiu w związku z wypadkiem",
         "                      kod i opis urazu : [%s] - %s", 3},
        {33, K::CodeList, "Przyczyny wypadku                      : %s", P, "IDPRZYCZYNY", "PRZYCZYNA", kNoData, nullptr,
         "Przyczyny wypadku", "                  kod i opis przyczyny : [%s] - %s", 7},
        {34, K::CodeList, "Czynniki, które spowodowały wypadek    : %s", P, "IDCZYNNIKA", "CZYNNIK", kNoData, nullptr,
         "Czynniki, które spowodowały wypadek", "                   kod i opis czynnika : [%s] - %s", 4},
        {35, K::CodeList, "Źródła czynników powodujących wypadek  : %s", P, "IDZRODLA", "ZRODLO", kNoData, nullptr,
         "Materialne źródła czynników, które spowodowały wypadek",
         "                     kod i opis żródła : [%s] - %s", 4},
        {36, K::CodeName, "Czynność wykonywana w chwili wypadku   : %s", P, "IDCZYNNOSCI", "CZYNNOSC", kNoData, nullptr},
        {37, K::CodeName, "Wydarzenie powodujące wypadek          : %s", P, "IDWYDARZENIA", "WYDARZENIE", kNoData, nullptr},
        {38, K::CodeName, "Rodzaj umowy o pracę poszkodowanego    : %s", P, "IDUMOWY", "UMOWA", kNoData, nullptr},
        {39, K::DecimalNote, "Szacunkowe straty materialne w tys. zł.: %s", A, "STRATYZL", nullptr,
         "      Uwaga [istnieje możliwość że nie określono wartości strat materialnych]", "%8.1f"},
        {40, K::NumberNote, "Straty czasu pracy innych osób w godz. : %s", A, "STRATYCZASU", nullptr,
         "        Uwaga [istnieje możliwość że nie określono wartości]", "%6d"},
        {41, K::NumberRequired, "Liczba osób poszkodowanych             : %s", A, "POSZKODOWANI", nullptr, kNoData, "%4d"},
        {42, K::Date, "Data wypadku                           : %s r.", A, "DATA", nullptr,
         "Błąd          [data wypadku musi być wprowadzona]", nullptr},
        {43, K::Heading, "Adres zamieszkania poszkodowanego      :", P, nullptr, nullptr, nullptr, nullptr},
        {43, K::Text, "   Województwo                         : %s", P, "WOJEW", nullptr, kNoData, nullptr},
        {44, K::Text, "   Miejscowość                         : %s", P, "MIEJSCOW", nullptr, kNoData, nullptr},
        {45, K::Text, "   Kod pocztowy                        : %s", P, "KODPOCZ", nullptr, kNoData, nullptr},
        {46, K::Text, "   Ulica                               : %s", P, "ULICA", nullptr, kWarnNoData, nullptr},
        {47, K::Text, "   Numer ulicy                         : %s", P, "NRUL", nullptr, kWarnNoData, nullptr},
        {48, K::Text, "   Numer mieszkania                    : %s", P, "NRMIESZ", nullptr, kWarnNoData, nullptr},
        {49, K::Text, "Zakład pracy                           : %s", P, "PRZEDSIEB", nullptr, kWarnNoData, nullptr},
        {50, K::Text, "Kod EKD/PKD                            : %s", P, "KODEKD", nullptr, kWarnNoData, nullptr},
        {51, K::Text, "REGON                                  : %s", P, "REGON", nullptr, kWarnNoData, nullptr},
        {52, K::NumberRequired, "Numer SKW                              : %s", P, "NUMERKARTY", nullptr, kNoData, "%d"},
        {53, K::NumberRequired, "Numer Protokołu Powypadkowego          : %s", P, "NUMERPROT", nullptr, kNoData, "%d"},
        {54, K::CodeName, "Miejsce wypadku                        : %s", A, "IDMIEJSCA", "MIEJSCEWYP", kNoData, nullptr},
        {55, K::Text, "Pracodawca - NIP                       : %s", P, "NIPFIRMA", nullptr,
         "Ostrzeżenie   [nie podano nr NIP pracodawcy]", nullptr},
        {56, K::Text, "Pracodawca - REGON                     : %s", P, "REGON", nullptr,
         "Ostrzeżenie   [nie podano nr REGON pracodawcy]", nullptr},
        {57, K::Text, "Pracodawca - PESEL                     : %s", P, "PESELFIRMA", nullptr,
         "Ostrzeżenie   [nie podano nr PESEL pracodawcy]", nullptr},
        {58, K::Text, "Pracodawca - nr dokumentu              : %s", P, "DOKFIRMA", nullptr,
         "Ostrzeżenie   [nie podano numeru dokumentu potwierdzającego tożsamość pracodawcy]", nullptr},
        {59, K::Text, "Adres siedziby pracodawcy              : %s", P, "ADRESFIRMA", nullptr, kNoData, nullptr},
        {60, K::Text, "Poszkodowany - NIP                     : %s", P, "NIPPRAC", nullptr,
         "Ostrzeżenie   [nie podano nr NIP poszkodowanego]", nullptr},
        {61, K::Text, "Poszkodowany - PESEL                   : %s", P, "PESELPRAC", nullptr,
         "Ostrzeżenie   [nie podano nr PESEL poszkodowanego]", nullptr},
        {62, K::Text, "Poszkodowany - nr dokumentu            : %s", P, "DOKPRAC", nullptr,
         "Ostrzeżenie   [nie podano numeru dokumentu potwierdzającego tożsamość poszkodowanego]", nullptr},
        {63, K::Text, "Położenie geograficzne miejsca wypadku : %s", A, "POLOZGEOGR", nullptr, kNoData, nullptr},
        {64, K::CodeName, "Rodzaj miejsca wypadku                 : %s", A, "IDRODZAJMIEJSCAWYP", "RODZAJMIEJSCAWYP",
         kNoData, nullptr},
        {65, K::CodeAsNumber, "Liczba pracujących - kod               : %s", P, "IDLICZBAPRAC", nullptr, kNoData, "%d"},
        {66, K::DecimalNote, "Liczba pracujących                     : %s", P, "LICZBAPRAC", nullptr,
         "      Uwaga [istnieje możliwość że nie określono liczby pracujących]", "%8.1f"},
        {67, K::CodeName, "Obywatelstwo poszkodowanego            : %s", P, "IDOBYWATELSTWO", "OBYWATELSTWO", kNoData, nullptr},
        {68, K::CodeName, "Rodzaj urazu                           : %s", P, "IDRODZAJURAZ", "RODZAJURAZ", kNoData, nullptr},
        {69, K::CodeName, "Proces pracy                         : %s", P, "IDPROCESPRACY", "PROCESPRACY", kNoData, nullptr},
        {70, K::CodeName,
         "Czynnik materialny związany z czynnością wykonywaną przez poszkodowanego w chwili wypadku: %s", P,
         "IDCZYNNIKCZYNNOSC", "CZYNNIKCZYNNOSC", kNoData, nullptr},
        {71, K::CodeName, "Czynnik materialny związany z odchyleniem od stanu normalnego: %s", P,
         "IDCZYNNIKODCHYLENIE", "CZYNNIKODCHYLENIE", kNoData, nullptr},
        {72, K::CodeName, "Wydarzenie powodujące uraz             : %s", P, "IDWYDARZENIEURAZ", "WYDARZENIEURAZ", kNoData, nullptr},
        {73, K::CodeName, "Czynnik materialny będący źródłem urazu: %s", P, "IDCZYNNIKURAZ", "CZYNNIKURAZ", kNoData, nullptr},
        {74, K::CodeName, "Umiejscowienie uszczerbku na zdrowiu   : %s", P, "IDURAZU1", "URAZ1", kNoData, nullptr},
        {75, K::LongText, "Okoliczności wypadku                   : %s", P, "OKOLICZNOSCI", nullptr, kNoData, nullptr},
        {76, K::LongText, "Przyczyny wypadku                      : %s", P, "PRZYCZYNY", nullptr, kNoData, nullptr},
        {77, K::LongText, "Skutki wypadku                         : %s", P, "RODZURAZU", nullptr, kNoData, nullptr},
        {78, K::LongText, "Uzasadnienie typu wypadku              : %s", P, "UZASADN", nullptr, kNoteNoText, nullptr},
        {79, K::LongText, "Wnioski i środki profilaktyczne        : %s", P, "PROFILAKTYKA", nullptr, kNoteNoText, nullptr},
    };
}

QVector<int> range(int from, int to) {
    QVector<int> r;
    for (int i = from; i <= to; ++i) r << i;
    return r;
}

} // namespace

const QVector<CheckLine>& checkTable() {
    static const QVector<CheckLine> table = buildTable();
    return table;
}

const QVector<int>& card2000Checks() {
    static const QVector<int> v{52, 30, 1, 2, 3, 7, 6, 9, 10, 11, 12, 13, 14, 42, 54, 31,
                                41, 22, 23, 24, 25, 32, 33, 34, 35, 36, 37, 39, 40, 38, 51};
    return v;
}

const QVector<int>& cardChecks() {
    static const QVector<int> v{52, 30, 65, 66, 7, 6, 67, 9, 10, 42, 54, 63, 64, 31, 41, 22, 23,
                                24, 25, 68, 74, 33, 36, 37, 69, 70, 71, 72, 73, 39, 40, 38, 51};
    return v;
}

const QVector<int>& protocol1998Checks() {
    static const QVector<int> v{53, 49, 50, 45, 44, 46, 47, 48, 26, 20, 42, 1, 2,
                                4, 6, 5, 8, 27, 15, 30, 28, 16, 19, 17, 18, 29};
    return v;
}

const QVector<int>& protocolChecks() {
    static const QVector<int> v{53, 49, 59, 55, 56, 57, 58, 50, 45, 44, 26, 20, 42, 1, 2, 60, 61, 62, 3,
                                6, 5, 8, 27, 15, 30, 28, 75, 76, 77, 78, 79, 16, 19, 17, 18, 29, 21};
    return v;
}

QVector<int> everythingChecks(int protocolForm) {
    QVector<int> v{52, 53, 49, 50, 51};
    // The 1998 protocol holds the injured person's address, the later ones the
    // employer's and the person's identification: as the protocol tests do.
    if (protocolForm == 0) v << QVector<int>{43, 45, 44, 46, 47, 48};
    else v << QVector<int>{59, 55, 56, 57, 58, 60, 61, 62};
    v << 54 << range(1, 16) << QVector<int>{19, 17, 18, 22, 23, 24, 25, 26, 20, 27, 28, 29} << range(30, 42) << 21;
    return v;
}

} // namespace zort::datatest
