// Demo content of the dictionaries and classifications that new databases get no
// real content for: the lists of the card of 2022 (tables "_1"), the lists of the
// cards of 2000, the grouped dictionaries, the older occupation editions, the
// post-accident team and commission and the factors of the uniformed services.
#include "demo/DemoData.h"

#include "db/Connection.h"
#include "db/ReferenceData.h"

#include <QSet>

namespace zort::demo {
namespace {

using Rows = std::vector<ReferenceData::Row>;

const QString kSkw2009 = QStringLiteral(":/zort/reference/skw-2009/");

// The rows of a list whose codes are named, with every heading above them, in the
// list's order.
Rows sample(const Rows& all, const QStringList& codes) {
    QHash<QString, QString> parentOf;
    for (const auto& r : all) parentOf.insert(r.code, r.parentCode);
    QSet<QString> keep;
    for (QString code : codes) {
        if (!parentOf.contains(code)) throw DbError(QStringLiteral("Brak kodu %1 w wykazie.").arg(code));
        while (!code.isEmpty() && !keep.contains(code)) {
            keep.insert(code);
            code = parentOf.value(code);
        }
    }
    Rows out;
    for (const auto& r : all)
        if (keep.contains(r.code)) out.push_back(r);
    return out;
}

// A tree typed as lines "level|code|name"; the parent is the last row one level up.
Rows typedTree(const QString& lines) {
    Rows out;
    QStringList lastAt;
    for (const QString& line : lines.split(QLatin1Char('\n'))) {
        const QStringList f = line.trimmed().split(QLatin1Char('|'));
        if (f.size() != 3) continue;
        ReferenceData::Row r;
        r.level = f[0].toInt();
        r.code = f[1];
        r.name = f[2];
        r.parentCode = r.level > 0 ? lastAt.value(r.level - 1) : QString();
        while (lastAt.size() <= r.level) lastAt << QString();
        lastAt[r.level] = r.code;
        out.push_back(r);
    }
    return out;
}

void tree(DemoWriter& w, const QString& table, const Rows& rows, bool withShort = true) {
    ReferenceData::fillTree(w.db(), table, rows, withShort);
    w.wrote(table);
}

// The classifications of the card of 2022: samples taken from the codes of the 2009
// lists that the 2022 card keeps in the same places.
void cardOf2022(DemoWriter& w) {
    struct Sample {
        const char* file;
        const char* table;
        const char* codes;
    };
    const Sample trees[] = {
        {"01a_miejsce_powstania_wypadku.tsv", "SKWMIEJSCEWYP_1",
         "000 011 012 013 019 021 022 029 041 043 044 049 061 062 069 999"},
        {"02_proces_pracy.tsv", "SKWPROCESPRACY_1", "00 11 12 19 22 24 29 42 43 49 51 52 53 55 59 61 69 99"},
        {"03_czynnosc_wykonywana.tsv", "SKWCZYNNWYKPOSZK_1",
         "00 11 12 13 19 21 22 29 31 32 33 39 41 43 49 51 52 53 59 61 62 69 99"},
        {"04_odchylenie.tsv", "SKWWYDARZODCHYL_1",
         "00 11 13 14 19 22 24 29 32 33 35 39 41 42 43 44 49 51 52 59 64 69 71 72 75 79 99"},
        {"05_wydarzenie_powodujace_uraz.tsv", "SKWWYDARZURAZ_1",
         "00 12 13 16 19 31 32 39 41 42 44 45 49 51 52 53 59 61 62 63 69 71 79 99"},
        {"06_czynnik_materialny.tsv", "SKWCZYNNIKMATER_1",
         "00.01 00.02 01.01 01.02 01.99 02.01 02.02 02.99 10.10 10.11 10.12 10.99 11.02 11.03 "
         "11.04 11.08 11.99 12.01 12.02 12.03 12.99 14.02 14.05 14.08 14.12 14.99 99.00"},
        {"08_umiejscowienie_urazu.tsv", "SKWUMIEJSCURAZ_1",
         "00 11 12 13 19 20 30 41 43 49 51 52 53 54 55 59 61 62 63 64 65 69 78 99"},
        {"09_przyczyny_wypadku.tsv", "SKWPRZYCZYNYWYP_1",
         "001 005 006 008 019 061 062 079 101 103 108 110 119 122 123 124 125 139 143 147 159 "
         "161 179 182 184 186 199 201 203 219 222 223 225 239 999"},
        {"10d_forma_wlasnosci.tsv", "SKWFWJEDN_1", "111 112 113 121 122 131 214 215 216 224 225 234 235"},
    };
    for (const auto& s : trees) {
        const Rows all = ReferenceData::readList(kSkw2009 + QString::fromLatin1(s.file));
        tree(w, QString::fromLatin1(s.table), sample(all, QString::fromLatin1(s.codes).split(' ')));
        w.describe(QString::fromLatin1(s.table),
                   QStringLiteral("Próbka: wybrane kody wykazu z 2009 r. (nie jest to tekst wykazu karty 2022)"));
    }

    // The type of injury of the 2022 card is a tree of its own.
    tree(w, QStringLiteral("SKWRODZAJURAZ_1"), typedTree(QStringLiteral(R"(
        0|000|Rodzaj urazu nieznany lub nieokreślony
        0|010|Rany i urazy powierzchowne
        1|011|Urazy powierzchowne
        1|012|Otwarte rany
        1|019|Inne rodzaje ran i urazów powierzchownych
        0|020|Złamania kości
        1|021|Złamania zamknięte
        1|022|Złamania otwarte
        1|029|Inne rodzaje złamań kości
        0|030|Przemieszczenia, zwichnięcia, skręcenia i naderwania
        1|031|Przemieszczenia i zwichnięcia
        1|032|Skręcenia i naderwania
        1|039|Inne rodzaje przemieszczeń, zwichnięć, skręceń i naderwań
        0|060|Oparzenia, oparzenia wrzątkiem i odmrożenia
        1|061|Oparzenia termiczne
        1|062|Oparzenia chemiczne
        1|063|Odmrożenia
        0|999|Inne określone urazy, niesklasyfikowane w innych pozycjach)")));
    w.describe(QStringLiteral("SKWRODZAJURAZ_1"),
               QStringLiteral("Próbka drzewa rodzajów urazu (nie jest to tekst wykazu karty 2022)"));

    const Sample lists[] = {
        {"10a_status_zatrudnienia.tsv", "SKWSTATUSZATR_1", "000 100 311 312 321 322 500 900"},
        {"10b_liczba_pracujacych.tsv", "SKWLICZBAPRAC_1", "0 1 2 3 4 5 9"},
        {"10c_obywatelstwo.tsv", "SKWOBYWATELSTWO_1", "0 1 2 3"},
    };
    for (const auto& s : lists) {
        const Rows all = ReferenceData::readList(kSkw2009 + QString::fromLatin1(s.file));
        ReferenceData::fillList(w.db(), QString::fromLatin1(s.table), sample(all, QString::fromLatin1(s.codes).split(' ')));
        w.wrote(QString::fromLatin1(s.table));
        w.describe(QString::fromLatin1(s.table),
                   QStringLiteral("Próbka: kody wykazu z 2009 r. (nie jest to tekst wykazu karty 2022)"));
    }
}

// The numbered lists of the cards of 2000 (ID, SKROT, NAZWA; injuries ID, NAZWA).
void cardOf2000(DemoWriter& w) {
    const QStringList idShortName = {QStringLiteral("ID"), QStringLiteral("SKROT"), QStringLiteral("NAZWA")};
    const QStringList idName = {QStringLiteral("ID"), QStringLiteral("NAZWA")};
    w.insertRows(QStringLiteral("SKWMIEJSCA"), idShortName, QStringLiteral(R"(
        1|hala produkcyjna|hala produkcyjna, warsztat
        2|magazyn|magazyn, skład, plac składowy
        3|budowa|teren budowy, rozbiórki lub remontu
        4|biuro|pomieszczenie biurowe lub socjalne
        5|teren zakładu|drogi, przejścia i place na terenie zakładu
        6|droga publiczna|droga publiczna, ulica, parking
        7|środek transportu|kabina lub skrzynia pojazdu
        8|inne miejsce|inne miejsce)"));
    w.insertRows(QStringLiteral("SKWCZYNNOSCI"), idShortName, QStringLiteral(R"(
        1|obsługa maszyn|obsługa maszyn i urządzeń produkcyjnych
        2|narzędzia ręczne|praca narzędziami ręcznymi
        3|transport ręczny|ręczne podnoszenie, przenoszenie i przesuwanie ładunków
        4|transport mechaniczny|kierowanie środkiem transportu, obsługa dźwignic i wózków
        5|naprawa, konserwacja|naprawa, konserwacja i czyszczenie maszyn i urządzeń
        6|poruszanie się|chodzenie, wchodzenie i schodzenie
        7|prace biurowe|prace biurowe i administracyjne
        8|inna czynność|inna czynność)"));
    w.insertRows(QStringLiteral("SKWWYDARZENIA"), idShortName, QStringLiteral(R"(
        1|upadek na tym samym poziomie|upadek osoby na tym samym poziomie (poślizgnięcie, potknięcie)
        2|upadek z wysokości|upadek osoby z wysokości
        3|spadający przedmiot|uderzenie przez spadający lub przewracający się przedmiot
        4|uderzenie o przedmiot|uderzenie o nieruchomy przedmiot
        5|ostry przedmiot|zetknięcie z ostrym lub szorstkim przedmiotem
        6|pochwycenie przez maszynę|pochwycenie lub uderzenie przez ruchome części maszyny
        7|porażenie prądem|porażenie prądem elektrycznym
        8|nadmierny wysiłek|nadmierny wysiłek fizyczny
        9|inne wydarzenie|inne wydarzenie)"));
    const QString factors = QStringLiteral(R"(
        1|brak osłon|brak lub niewłaściwe osłony i urządzenia zabezpieczające
        2|wady konstrukcyjne|wady konstrukcyjne lub niedostateczna wytrzymałość czynnika materialnego
        3|zły stan techniczny|niewłaściwy stan techniczny maszyn, narzędzi lub pojazdów
        4|zła organizacja pracy|niewłaściwa organizacja pracy lub stanowiska pracy
        5|brak nadzoru|brak nadzoru lub tolerowanie odstępstw od przepisów
        6|brak szkolenia|brak lub niewłaściwe przeszkolenie pracownika
        7|nieużywanie ochron|nieużywanie środków ochrony indywidualnej
        8|niewłaściwe zachowanie|niewłaściwe samowolne zachowanie się pracownika
        9|inny czynnik|inny czynnik)");
    w.insertRows(QStringLiteral("SKWCZYNNIKI"), idShortName, factors);
    w.insertRows(QStringLiteral("SKWCZYNNIKI_1"), idShortName, factors + QStringLiteral(R"(
        10|stan psychofizyczny|stan psychofizyczny pracownika (zmęczenie, nagłe zachorowanie))"));
    w.insertRows(QStringLiteral("SKWZRODLA"), idShortName, QStringLiteral(R"(
        1|obrabiarki do metali|obrabiarki do metali (tokarki, frezarki, wiertarki, szlifierki)
        2|prasy i nożyce|prasy, nożyce, gilotyny
        3|urządzenia transportowe|dźwignice, wózki jezdniowe, przenośniki
        4|pojazdy|pojazdy drogowe
        5|narzędzia ręczne|narzędzia ręczne, także z napędem
        6|materiały, półwyroby|materiały, półwyroby, wyroby gotowe
        7|powierzchnie|podłogi, schody, powierzchnie do chodzenia
        8|urządzenia elektryczne|urządzenia i instalacje elektryczne
        9|inne źródło|inne źródło)"));
    w.insertRows(QStringLiteral("SKWURAZY"), idName, QStringLiteral(R"(
        1|głowa (bez oczu)
        2|oko, oczy
        3|szyja
        4|tułów, kręgosłup
        5|kończyna górna (bez dłoni)
        6|dłoń, palce ręki
        7|kończyna dolna (bez stopy)
        8|stopa, palce stopy
        9|liczne urazy)"));
    w.insertRows(QStringLiteral("SKWURAZY_1"), idName, QStringLiteral(R"(
        1|głowa (bez oczu)
        2|oko, oczy
        3|szyja
        4|klatka piersiowa, brzuch
        5|kręgosłup
        6|bark, ramię, łokieć
        7|przedramię, nadgarstek
        8|dłoń, palce ręki
        9|biodro, udo, kolano
        10|podudzie, staw skokowy
        11|stopa, palce stopy
        12|liczne urazy)"));
    const QString contracts = QStringLiteral(R"(
        1|umowa o pracę - nieokreślony|umowa o pracę na czas nieokreślony
        2|umowa o pracę - określony|umowa o pracę na czas określony
        3|umowa o pracę - próbny|umowa o pracę na okres próbny
        4|umowa zlecenia|umowa zlecenia
        5|umowa o dzieło|umowa o dzieło
        6|spółdzielcza umowa o pracę|spółdzielcza umowa o pracę
        7|praca nakładcza|praca nakładcza
        8|inny rodzaj|inny rodzaj umowy)");
    w.insertRows(QStringLiteral("SKWUMOWY"), idShortName, contracts);
    w.insertRows(QStringLiteral("SKWUMOWY_1"), idShortName, contracts + QStringLiteral(R"(
        9|umowa o pracę - zastępstwo|umowa o pracę na czas zastępstwa
        10|umowa agencyjna|umowa agencyjna)"));
    for (const char* t : {"SKWMIEJSCA", "SKWCZYNNOSCI", "SKWWYDARZENIA", "SKWCZYNNIKI", "SKWCZYNNIKI_1",
                          "SKWZRODLA", "SKWURAZY", "SKWURAZY_1", "SKWUMOWY", "SKWUMOWY_1"})
        w.describe(QString::fromLatin1(t), QStringLiteral("Próbka wykazu kart z 2000 r."));
}

// Dictionaries of a group table and its members.
void grouped(DemoWriter& w) {
    w.insertRows(QStringLiteral("SKWPRZYCZYNYG"), {QStringLiteral("ID"), QStringLiteral("NAZWA"), QStringLiteral("SKROT")},
                 QStringLiteral(R"(
        1|Przyczyny techniczne|techniczne
        2|Przyczyny organizacyjne|organizacyjne
        3|Przyczyny ludzkie|ludzkie)"));
    w.insertRows(QStringLiteral("SKWPRZYCZYNY"),
                 {QStringLiteral("ID"), QStringLiteral("IDGRUPY"), QStringLiteral("SKROT"), QStringLiteral("NAZWA")},
                 QStringLiteral(R"(
        1|1|brak osłon|brak lub niewłaściwe urządzenia zabezpieczające
        2|1|wady konstrukcyjne|wady konstrukcyjne czynnika materialnego
        3|1|zły stan techniczny|niedostateczna konserwacja czynnika materialnego
        4|2|brak nadzoru|brak nadzoru nad wykonywaną pracą
        5|2|brak instrukcji|brak instrukcji stanowiskowej lub instrukcji obsługi
        6|2|złe składowanie|nieodpowiednie rozmieszczenie i składowanie przedmiotów
        7|2|brak szkolenia|brak lub niewłaściwe przeszkolenie w zakresie bhp
        8|3|nieuwaga|niedostateczna koncentracja uwagi na wykonywanej czynności
        9|3|lekceważenie zagrożenia|lekceważenie zagrożenia (brawura, ryzykanctwo)
        10|3|nieużywanie ochron|nieużywanie środków ochrony indywidualnej)"));
    w.insertRows(QStringLiteral("SKWZRODLAG"), {QStringLiteral("ID"), QStringLiteral("NAZWA"), QStringLiteral("SKROT")},
                 QStringLiteral(R"(
        1|Maszyny i urządzenia produkcyjne|maszyny i urządzenia
        2|Środki transportu i urządzenia dźwignicowe|środki transportu
        3|Narzędzia|narzędzia
        4|Materiały i przedmioty|materiały
        5|Obiekty budowlane i powierzchnie|obiekty i powierzchnie)"));
    w.insertRows(QStringLiteral("SKWZRODLA_1"),
                 {QStringLiteral("ID"), QStringLiteral("IDGRUPY"), QStringLiteral("SKROT"), QStringLiteral("NAZWA")},
                 QStringLiteral(R"(
        1|1|tokarki|tokarki, także sterowane numerycznie
        2|1|frezarki i centra obróbcze|frezarki i centra obróbcze
        3|1|spawarki|urządzenia spawalnicze
        4|2|wózki jezdniowe|wózki jezdniowe z napędem silnikowym
        5|2|suwnice|suwnice i wciągniki
        6|2|samochody ciężarowe|samochody ciężarowe
        7|3|narzędzia ręczne|narzędzia ręczne bez napędu
        8|3|elektronarzędzia|narzędzia ręczne z napędem elektrycznym
        9|4|ładunki na paletach|ładunki składowane na paletach i regałach
        10|4|wióry i odpady|wióry, odpady produkcyjne
        11|5|podłogi|podłogi i posadzki hal
        12|5|schody i rampy|schody, rampy, pomosty)"));
    w.insertRows(QStringLiteral("SKWCHORL4G"), {QStringLiteral("ID"), QStringLiteral("NAZWA")}, QStringLiteral(R"(
        1|Urazy głowy i szyi (S00-S19)
        2|Urazy tułowia i kręgosłupa (S20-S39)
        3|Urazy kończyny górnej (S40-S69)
        4|Urazy kończyny dolnej (S70-S99)
        5|Oparzenia i odmrożenia (T20-T35))"));
    w.insertRows(QStringLiteral("SKWCHORL4"),
                 {QStringLiteral("ID"), QStringLiteral("IDGRCHOR"), QStringLiteral("KODCHORL4"), QStringLiteral("NAZWA")},
                 QStringLiteral(R"(
        1|1|S00|Powierzchowny uraz głowy
        2|1|S01|Otwarta rana głowy
        3|1|S06|Uraz śródczaszkowy
        4|1|S13|Zwichnięcie, skręcenie i naderwanie stawów i więzadeł szyi
        5|2|S20|Powierzchowny uraz klatki piersiowej
        6|2|S22|Złamanie żebra (żeber), mostka i kręgosłupa piersiowego
        7|2|S30|Powierzchowny uraz brzucha, dolnej części grzbietu i miednicy
        8|2|S33|Zwichnięcie, skręcenie i naderwanie stawów i więzadeł odcinka lędźwiowego kręgosłupa i miednicy
        9|3|S42|Złamanie w obrębie barku i ramienia
        10|3|S52|Złamanie przedramienia
        11|3|S61|Otwarta rana nadgarstka i ręki
        12|3|S62|Złamanie na poziomie nadgarstka i ręki
        13|4|S80|Powierzchowny uraz podudzia
        14|4|S82|Złamanie podudzia, włącznie ze stawem skokowym
        15|4|S92|Złamanie stopy, z wyjątkiem stawu skokowego
        16|4|S93|Zwichnięcie, skręcenie i naderwanie stawów i więzadeł na poziomie stawu skokowego i stopy
        17|5|T23|Oparzenie nadgarstka i ręki
        18|5|T25|Oparzenie stawu skokowego i stopy)"));
    for (const char* t : {"SKWPRZYCZYNYG", "SKWPRZYCZYNY", "SKWZRODLAG", "SKWZRODLA_1"})
        w.describe(QString::fromLatin1(t), QStringLiteral("Próbka słownika grupowanego kart z 2000 r."));
    w.describe(QStringLiteral("SKWCHORL4G"), QStringLiteral("Próbka grup chorób (numery statystyczne L4)"));
    w.describe(QStringLiteral("SKWCHORL4"), QStringLiteral("Próbka numerów statystycznych chorób L4"));
}

// The occupations the demo firm employs, with their groups, for the editions before
// 2021; codes and names as the classification of 2022 gives them.
const QStringList kOccupations = {
    QStringLiteral("112017"), QStringLiteral("121201"), QStringLiteral("132103"), QStringLiteral("132404"),
    QStringLiteral("229103"), QStringLiteral("242307"), QStringLiteral("311937"), QStringLiteral("412001"),
    QStringLiteral("432103"), QStringLiteral("713202"), QStringLiteral("721204"), QStringLiteral("721404"),
    QStringLiteral("722206"), QStringLiteral("722301"), QStringLiteral("722308"), QStringLiteral("722314"),
    QStringLiteral("722315"), QStringLiteral("723307"), QStringLiteral("741207"), QStringLiteral("833203"),
    QStringLiteral("834401"), QStringLiteral("723104")};

void occupations(DemoWriter& w) {
    const Rows rows = sample(ReferenceData::readOccupations(), kOccupations);
    for (const char* t : {"DNEWZAWODY", "DNEWZAWODY2010", "DNEWZAWODY2014"}) {
        tree(w, QString::fromLatin1(t), rows, false);
        w.describe(QString::fromLatin1(t), QStringLiteral("Próbka klasyfikacji zawodów (grupy i zawody firmy pokazowej)"));
    }
    int id = 0;
    for (const auto& r : rows)
        if (r.level == 4)
            w.insert(QStringLiteral("DZAWODY"), Params{{"ID", ++id}, {"KOD", r.code}, {"NAZWA", r.name}});
    w.describe(QStringLiteral("DZAWODY"), QStringLiteral("Próbka wykazu zawodów (zawody firmy pokazowej)"));
}

void teams(DemoWriter& w) {
    w.insertRows(QStringLiteral("SKWZESPPOWYPADKOWY"), {QStringLiteral("ID"), QStringLiteral("IMNAZW"), QStringLiteral("FUNKCJA")},
                 QStringLiteral(R"(
        1|Tomasz Pawlak|specjalista ds. bhp - przewodniczący
        2|Zbigniew Lis|społeczny inspektor pracy
        3|Grzegorz Sikora|kierownik zakładu produkcyjnego
        4|Joanna Kubiak|kierownik magazynu)"));
    w.describe(QStringLiteral("SKWZESPPOWYPADKOWY"), QStringLiteral("Pokazowy skład zespołu powypadkowego"));
    w.insertRows(QStringLiteral("WYPOPER_KOMISJAPOWYPAD"),
                 {QStringLiteral("ID"), QStringLiteral("IMNAZW"), QStringLiteral("FUNKCJA"), QStringLiteral("STANOW")},
                 QStringLiteral(R"(
        1|Robert Zawadzki|nadkom.|naczelnik wydziału kadr
        2|Iwona Sobczak|asp. sztab.|specjalista ds. bhp
        3|Michał Tomczak|podkom.|kierownik referatu)"));
    w.describe(QStringLiteral("WYPOPER_KOMISJAPOWYPAD"), QStringLiteral("Pokazowy skład komisji powypadkowej"));
}

// Activities, events and criteria of the accidents in service.
void factorsInService(DemoWriter& w) {
    w.insertRows(QStringLiteral("DCZYNN"), {QStringLiteral("ID"), QStringLiteral("KOD"), QStringLiteral("NAZWA"), QStringLiteral("NAZWAKLASY")},
                 QStringLiteral(R"(
        1|C01|Interwencja wobec osoby|TCzynnikOper
        2|C02|Pościg pieszy|TCzynnikOper
        3|C03|Kierowanie pojazdem służbowym|TCzynnikOper
        4|C04|Zajęcia z wychowania fizycznego|TCzynnikOper
        5|C05|Szkolenie strzeleckie|TCzynnikOper
        6|S01|Czynnik szkodliwy - hałas|TCzynnikSzkodliwy)"));
    w.insertRows(QStringLiteral("DPLUSZCZYNN"), {QStringLiteral("ID"), QStringLiteral("OPISCZYN")}, QStringLiteral(R"(
        1|Czynna napaść osoby zatrzymywanej
        2|Upadek na tym samym poziomie
        3|Upadek z wysokości
        4|Zderzenie pojazdów
        5|Uraz przy ćwiczeniach
        6|Uraz spowodowany bronią lub amunicją)"));
    // Activity, event and the criterion type that holds the causes of the pair.
    w.insertRows(QStringLiteral("DPLPOWCZYNN"), {QStringLiteral("ID"), QStringLiteral("IDCZYNN"), QStringLiteral("IDUSZCZYNN"), QStringLiteral("NRTYPKRYT")},
                 QStringLiteral(R"(
        1|1|1|1
        2|1|2|2
        3|2|2|2
        4|2|3|2
        5|3|4|3
        6|4|5|4
        7|5|6|4)"));
    w.insertRows(QStringLiteral("KWOPER"), {QStringLiteral("ID"), QStringLiteral("NRTYPKRYT"), QStringLiteral("IDKRYTERIUM"), QStringLiteral("KRYTERIUM")},
                 QStringLiteral(R"(
        1|1|K1.1|Agresywne zachowanie osoby, wobec której podjęto interwencję
        2|1|K1.2|Użycie przez napastnika niebezpiecznego narzędzia
        3|2|K2.1|Śliska lub nierówna nawierzchnia
        4|2|K2.2|Niedostateczne oświetlenie miejsca zdarzenia
        5|3|K3.1|Nieprzestrzeganie przepisów ruchu drogowego przez innego kierującego
        6|3|K3.2|Trudne warunki atmosferyczne
        7|4|K4.1|Niedostateczna rozgrzewka lub przygotowanie do ćwiczeń
        8|4|K4.2|Nieprzestrzeganie regulaminu zajęć)"));
    for (const char* t : {"DCZYNN", "DPLUSZCZYNN", "DPLPOWCZYNN", "KWOPER"})
        w.describe(QString::fromLatin1(t), QStringLiteral("Próbka czynności, wydarzeń i przyczyn wypadków w służbie"));
}

} // namespace

void loadDictionaries(DemoWriter& w) {
    cardOf2022(w);
    cardOf2000(w);
    grouped(w);
    occupations(w);
    teams(w);
    factorsInService(w);
}

} // namespace zort::demo
