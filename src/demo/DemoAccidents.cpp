// The demo registers: accidents at work and commuting accidents of the current and
// the previous year, numbered as the data module numbers them, with their register
// memberships, hearings, an order and own attachments.
#include "demo/DemoData.h"

#include "db/Connection.h"
#include "db/Dataset.h"
#include "core/DateUtil.h"
#include "core/MemoText.h"
#include "domain/RegisterSql.h"

namespace zort::demo {
namespace {

const char* const kComputer = "STANOWISKO-BHP";
constexpr int kDefaultRegister = 1;

// Classification codes of one injured person's statistical card; null leaves the
// question unanswered.
struct Card {
    const char* status;  // employment status
    const char* injuryKind;
    const char* bodyPart;
    const char* process;
    const char* activity;
    const char* agentOfActivity;
    const char* deviation;
    const char* agentOfDeviation;
    const char* contact;
    const char* agentOfContact;
    const char* causes;  // codes separated by blanks
};

// The answers of a card of the 2000 form, by the ids of its numbered lists (the
// lists with the suffix "_1" after 2000); 0 leaves a slot empty.
struct Card2000 {
    const char* sonOrDaughter;  // SYNCORKA (the form of 2001)
    int contract;               // SKWUMOWY
    int injuries[3];            // SKWURAZY
    int activity;               // SKWCZYNNOSCI
    int event;                  // SKWWYDARZENIA
    int causes[3];              // SKWPRZYCZYNY
    int pairs[4][2];            // factor (SKWCZYNNIKI) and its source (SKWZRODLA)
    const char* training;       // SZKWSTEPNE, SZKINSTR, SZKPODST, SZKOKRES
    const char* disease;        // KODCHOROBY (the form of 1996)
    int seniority;              // STAZ
    const char* sector;         // DODBRANZA
};

// A person injured in an accident at work.
struct Injured {
    const char* surname;  // of a person of the firm; null: the contractor below
    int contract;         // RODZUMOWY: 1 employee (protocol), 2 other (accident card)
    int type;             // TYPWYP
    Card card;
    int days;             // of incapacity
    int hoursWorked;
    const char* injury;   // kind and place of the injury
    const char* byInjured;  // violations by the injured person
    const Card2000* card2000 = nullptr;  // the card of an accident of the 2000 form
};

struct Accident {
    int yearsBack;  // 0 the current year, 1 an earlier one
    int dayOffset;  // from 1 January
    int hour;
    int minute;
    int version;    // WERSJASKW
    const char* symbol;
    const char* place;      // place of the accident (tree)
    const char* placeKind;  // SKWRODZAJMIEJSCWYP
    double losses;          // thousands of zloty
    int hoursLost;
    const char* circumstances;
    const char* causes;
    const char* employerFaults;
    const char* justification;
    const char* prevention;
    const char* attachments;
    std::vector<Injured> injured;
    int year = 0;  // a year of its own (0: by yearsBack)
};

const Card2000 kCard2001{"syn", 1, {8, 7, 6}, 1, 6, {1, 8, 0}, {{1, 1}, {4, 10}, {0, 0}, {0, 0}}, "tTnt", nullptr, 16,
                         "Wypadek omówiony na naradzie brygadzistów.\n"
                         "Obudowy wrzecion wszystkich tokarek sprawdzone 12 marca.\n"
                         "Koszt naprawy osłony: 1,2 tys. zł."};
const Card2000 kCard1996{nullptr, 2, {5, 6, 0}, 3, 1, {6, 4, 0}, {{4, 6}, {0, 0}, {0, 0}, {0, 0}}, "tnnn", "S42", 3,
                         "Karta sporządzona według wzoru z 1996 r."};

const char* const kAtWork =
    "Zdarzenie nagłe, wywołane przyczyną zewnętrzną, powodujące uraz, które nastąpiło w związku z pracą "
    "podczas wykonywania przez pracownika zwykłych czynności na rzecz pracodawcy - spełnia definicję "
    "wypadku przy pracy.";

const std::vector<Accident>& accidents() {
    static const std::vector<Accident> list = {
        {1, 72, 10, 25, 4, "ZP", "011", "1", 0.4, 6,
         "W dniu wypadku poszkodowany wykonywał na tokarce uniwersalnej toczenie wałków ze stali C45 "
         "zgodnie z kartą technologiczną. Około godz. 10:25, po zakończeniu obróbki kolejnego wałka, "
         "przystąpił do usuwania wiórów nawiniętych na obrabiany przedmiot. Nie zatrzymał wrzeciona i usuwał "
         "wióry ręką w rękawicy zamiast haczykiem do wiórów. Wiór zahaczył o rękawicę i zranił palce lewej dłoni.\n"
         "Brygadzista udzielił poszkodowanemu pierwszej pomocy i zorganizował przewiezienie go do szpitala.",
         "1. Usuwanie wiórów ręką przy pracującym wrzecionie tokarki.\n"
         "2. Niestosowanie haczyka do usuwania wiórów, przewidzianego instrukcją stanowiskową.\n"
         "3. Niedostateczna koncentracja uwagi poszkodowanego.",
         "Nie stwierdzono.", kAtWork,
         "1. Przeprowadzić instruktaż stanowiskowy tokarzy w zakresie bezpiecznego usuwania wiórów.\n"
         "2. Wyposażyć wszystkie tokarki w haczyki do wiórów i uchwyty na nie.\n"
         "3. Zwiększyć nadzór brygadzistów nad przestrzeganiem instrukcji stanowiskowych.",
         "1. Wyjaśnienia poszkodowanego.\n2. Informacja świadka zdarzenia.\n3. Szkic miejsca wypadku.",
         {{"Lewandowski", 1, 0,
           {"311", "010", "54", "11", "12", "10.10", "41", "14.05", "51", "14.05", "184 225 161"},
           14, 3, "Rany cięte palców II i III ręki lewej.",
           "Naruszenie instrukcji stanowiskowej obsługi tokarki (usuwanie wiórów przy pracującym wrzecionie); "
           "nie było ono wyłączną przyczyną wypadku."}}},
        {1, 244, 6, 40, 5, "LOG", "013", "1", 2.5, 16,
         "Operator wózka widłowego odkładał paletę z kartonami śrub na trzeci poziom regału w alei nr 4. "
         "Podczas wsuwania palety jej uszkodzona deska zaczepiła o belkę regału, paleta przechyliła się "
         "i część kartonów spadła z wysokości ok. 4 m. Przechodzący aleją magazynier został uderzony "
         "spadającym kartonem w prawy bark. Operator wózka, widząc spadający ładunek, gwałtownie zeskoczył "
         "z wózka i skręcił staw skokowy.",
         "1. Składowanie ładunku na uszkodzonej palecie.\n"
         "2. Praca wózkiem widłowym podczas przebywania innego pracownika w strefie zagrożenia.\n"
         "3. Brak nadzoru nad organizacją ruchu w magazynie w czasie przyjęcia dostawy.",
         "Nie zapewniono kontroli stanu palet przed ich składowaniem na regałach.", kAtWork,
         "1. Wprowadzić kontrolę stanu technicznego palet przed ich składowaniem na regałach.\n"
         "2. Wyznaczyć i oznakować strefy zakazu przebywania pieszych podczas pracy wózków.\n"
         "3. Przeprowadzić szkolenie pracowników magazynu z zasad bezpiecznego składowania.",
         "1. Wyjaśnienia poszkodowanych.\n2. Informacja kierownika magazynu.\n3. Dokumentacja fotograficzna.",
         {{"Szymański", 1, 0,
           {"311", "021", "51", "12", "61", "01.02", "33", "11.08", "42", "14.08", "123 143 103"},
           62, 1, "Złamanie obojczyka prawego, stłuczenie barku prawego.", "Nie stwierdzono."},
          {"Baran", 1, 0,
           {"311", "032", "63", "12", "31", "11.04", "75", "11.04", "71", "01.02", "123 143 103"},
           18, 1, "Skręcenie stawu skokowego lewego.", "Nie stwierdzono."}}},
        {1, 323, 13, 10, 5, "ADM", "041", "1", 0.0, 0,
         "Poszkodowany, wykonujący na podstawie umowy zlecenia sprzątanie pomieszczeń biurowych, przechodził "
         "korytarzem na I piętrze budynku administracyjnego bezpośrednio po umyciu posadzki. Na mokrej posadzce "
         "poślizgnął się i upadł, podpierając się prawą ręką.",
         "1. Nieoznakowanie mokrej posadzki.\n2. Niedostateczna koncentracja uwagi poszkodowanego.",
         "Nie stwierdzono.",
         "Zdarzenie nagłe, wywołane przyczyną zewnętrzną, które nastąpiło w okresie ubezpieczenia wypadkowego "
         "z tytułu wykonywania pracy na podstawie umowy zlecenia - jest wypadkiem w rozumieniu ustawy.",
         "1. Stosować tablice ostrzegawcze \"Uwaga, mokra podłoga\" podczas mycia posadzek.\n"
         "2. Myć korytarze poza godzinami pracy biura.",
         "1. Wyjaśnienia poszkodowanego.\n2. Informacja świadka.\n3. Kopia umowy zlecenia.",
         {{nullptr, 2, 0,
           {"900", "021", "55", "53", "61", "01.02", "52", "01.02", "31", "01.02", "124 225"},
           35, 4, "Złamanie dalszej nasady kości promieniowej prawej.", "Nie stwierdzono."}}},
        {0, 20, 11, 5, 5, "ZP", "011", "1", 1.2, 8,
         "Poszkodowany, operator centrum obróbczego CNC, czyścił przestrzeń roboczą maszyny z wiórów przy "
         "otwartych drzwiach osłony, których wyłącznik krańcowy był zablokowany opaską zaciskową. Podczas "
         "ręcznego przemieszczania stołu w trybie ustawczym prawa dłoń została przyciśnięta przez przesuwający "
         "się stół do korpusu imadła.",
         "1. Zablokowanie wyłącznika krańcowego drzwi osłony centrum obróbczego.\n"
         "2. Wykonywanie czynności w strefie ruchomych elementów maszyny bez jej zatrzymania.\n"
         "3. Tolerowanie przez brygadzistę pracy z zablokowaną blokadą osłony.",
         "Nie zapewniono skutecznego nadzoru nad sprawnością urządzeń zabezpieczających maszyny.", kAtWork,
         "1. Usunąć blokadę i sprawdzić działanie wyłączników krańcowych wszystkich centrów obróbczych.\n"
         "2. Wprowadzić codzienną kontrolę urządzeń zabezpieczających przed rozpoczęciem zmiany.\n"
         "3. Wyciągnąć konsekwencje służbowe wobec brygadzisty.",
         "1. Wyjaśnienia poszkodowanego.\n2. Polecenie powypadkowe.",
         {{"Mazur", 1, 0,
           {"321", "012", "53", "53", "13", "10.10", "41", "10.10", "61", "10.10", "005 184 108"},
           21, 5, "Rana tłuczona grzbietu dłoni prawej.", "Nie stwierdzono."}}},
        {0, 38, 9, 15, 5, "LOG", "013", "2", 0.0, 2,
         "Podczas rozładunku u odbiorcy poszkodowany schodził z platformy ładunkowej samochodu ciężarowego "
         "tyłem, bez korzystania z uchwytów i stopnia. Stopa ześlizgnęła się z mokrej krawędzi platformy "
         "i poszkodowany upadł z wysokości ok. 1,2 m na plecy, na utwardzony plac.",
         "1. Schodzenie z platformy bez korzystania ze stopnia i uchwytów.\n"
         "2. Mokra i śliska krawędź platformy ładunkowej.",
         "Nie stwierdzono.", kAtWork,
         "1. Przypomnieć kierowcom zasady wchodzenia na platformę i schodzenia z niej.\n"
         "2. Okleić krawędzie platform taśmą antypoślizgową.",
         "1. Wyjaśnienia poszkodowanego.",
         {{"Wilk", 1, 0,
           {"311", "011", "30", "12", "62", "12.01", "51", "12.01", "31", "01.02", "225 122"},
           9, 2, "Stłuczenie okolicy lędźwiowej kręgosłupa.", "Nie stwierdzono."}}},
        {0, 52, 13, 40, 5, "ZP", "011", "1", 0.0, 1,
         "Poszkodowany wykonywał przy frezarce rutynowe frezowanie korpusów. Około godz. 13:40 zasłabł "
         "i upadł na posadzkę obok stanowiska, doznając otarcia naskórka twarzy. Świadkowie nie stwierdzili "
         "żadnego czynnika zewnętrznego; maszyna była sprawna, posadzka sucha i czysta.",
         "Nagłe zasłabnięcie poszkodowanego (przyczyna wewnętrzna).",
         "Nie stwierdzono.",
         "Zespół powypadkowy ustalił, że jedyną przyczyną zdarzenia było nagłe zasłabnięcie poszkodowanego. "
         "Nie stwierdzono przyczyny zewnętrznej, więc zdarzenie nie jest wypadkiem przy pracy.",
         "Skierować pracownika na kontrolne badania lekarskie.",
         "1. Wyjaśnienia poszkodowanego.\n2. Informacje świadków.",
         {{"Dudek", 1, 2, {}, 5, 6, "Otarcie naskórka policzka lewego.", "Nie stwierdzono."}}},
        // The card of the 2000 form: the form of 2001 in the current year, the form of
        // 1996 in 2000.
        {0, 66, 9, 50, 1, "ZP", "1", nullptr, 0.3, 3,
         "Poszkodowany toczył na tokarce kołnierze tulei. Podczas pomiaru średnicy suwmiarką przy obracającym się "
         "wrzecionie rękaw bluzy został pochwycony przez uchwyt tokarski, a prawa dłoń uderzyła o imak nożowy.",
         "1. Pomiar przedmiotu obrabianego przy pracującym wrzecionie.\n"
         "2. Uszkodzona osłona uchwytu tokarskiego.",
         "Nie usunięto uszkodzenia osłony uchwytu zgłoszonego tydzień wcześniej.", kAtWork,
         "1. Naprawić osłonę uchwytu i sprawdzić osłony pozostałych tokarek.\n"
         "2. Przypomnieć tokarzom zakaz pomiarów przy obracającym się wrzecionie.",
         "1. Wyjaśnienia poszkodowanego.\n2. Informacja brygadzisty.",
         {{"Górski", 1, 0, {}, 12, 4, "Rana tłuczona i stłuczenie dłoni prawej, otarcie przedramienia.",
           "Wykonywanie pomiaru przy pracującym wrzecionie.", &kCard2001}}},
        {1, 164, 10, 30, 1, "ZP", "2", nullptr, 1.5, 4,
         "Poszkodowany przenosił z magazynu na rampę kartony z częściami. Na rampie potknął się o pozostawioną "
         "taśmę do spinania palet i upadł, uderzając lewym ramieniem o krawędź palety.",
         "1. Pozostawienie taśmy na drodze przenoszenia ładunków.\n2. Ograniczona widoczność podłoża.",
         "Nie stwierdzono.", kAtWork,
         "1. Wprowadzić sprzątanie rampy po każdej dostawie.\n2. Przenosić kartony wózkiem paletowym.",
         "1. Wyjaśnienia poszkodowanego.",
         {{"Sikora", 1, 0, {}, 24, 2, "Złamanie nasady bliższej kości ramiennej lewej.", "Nie stwierdzono.",
           &kCard1996}},
         2000},
    };
    return list;
}

// The contractor of the cleaning services, typed in on the injured-person page.
struct Contractor {
    const char* surname = "Rutkowski";
    const char* firstName = "Adam";
    const char* father = "Józef";
    QDate born{1958, 2, 14};
    const char* birthplace = "Modrzewo";
    const char* postcode = "63-741";
    const char* town = "Borowiec Mały";
    const char* street = "Łąkowa";
    const char* house = "3";
};

struct Commuting {
    int yearsBack;
    int dayOffset;
    int hour;
    int minute;
    const char* surname;
    int fromWork;      // WYPRZ: 0 was to start, 1 had finished work
    const char* workHour;
    int way;           // MIEJSCEWYP: 0 from home to work, 1 from work to home
    int investigated;  // DOCHODZENIE: 0 yes, 1 no
    int days;
    const char* description;
    const char* investigation;
    const char* injuries;
    const char* diseaseCode;
    const char* witness;
    const char* witnessAddress;
    const char* maritalStatus;
};

const Commuting kCommuting[] = {
    {1, 34, 7, 10, "Zielińska", 0, "7:30:00", 0, 1, 28,
     "Poszkodowana szła pieszo z domu do zakładu pracy najkrótszą drogą, chodnikiem wzdłuż ul. Polnej. "
     "Na oblodzonym, nieposypanym chodniku poślizgnęła się i upadła na lewą rękę.",
     nullptr, "Złamanie kości promieniowej lewej w typowym miejscu.", "S52", "Halina Wójcik",
     "ul. Polna 9, 63-741 Borowiec Mały", "panna"},
    {0, 12, 15, 40, "Ostrowski", 1, "15:00:00", 1, 0, 45,
     "Poszkodowany wracał z pracy do domu rowerem. Na skrzyżowaniu ul. Dworcowej z ul. Serwisową kierujący "
     "samochodem osobowym nie ustąpił mu pierwszeństwa i potrącił go.",
     "Postępowanie w sprawie kolizji prowadzi komenda powiatowa policji; notatka urzędowa w załączeniu.",
     "Złamanie podudzia prawego, otarcia naskórka kończyn górnych.", "S82", "Marek Jasiński",
     "ul. Dworcowa 2, 97-412 Kamionna Wola", "kawaler"},
    {0, 35, 6, 50, "Kubiak", 0, "7:00:00", 0, 1, 14,
     "Poszkodowana, wysiadając z autobusu na przystanku przy ul. Przemysłowej, potknęła się o wysoki "
     "krawężnik i upadła, skręcając prawy staw skokowy.",
     nullptr, "Skręcenie stawu skokowego prawego.", "S93", "Krzysztof Dudek",
     "ul. Leśna 2, 63-741 Borowiec Mały", "mężatka"},
};

// What the injured-person pages copy from the employee register.
struct PersonData {
    int id = 0;
    QString surname, firstName, father, pesel, birthplace, postcode, town, province, street, house, flat, idCard;
    QDateTime born;
    int sex = 1;
    int positionId = 0;
    QString positionCode, positionName, unitName, occupationCode, occupationName;
    QDateTime employedFrom;
    QString trainings;
};

PersonData personData(DemoWriter& w, const QString& surname) {
    Dataset p(&w.db(), QStringLiteral("SELECT * FROM ODANOS WHERE NAZWISKO = :n"));
    p.setParam(QStringLiteral("n"), surname);
    p.open();
    if (p.isEmpty()) throw DbError(QStringLiteral("Brak osoby %1.").arg(surname));
    PersonData d;
    d.id = int(p.field("IDOSOBY").asInt());
    d.surname = surname;
    d.firstName = p.field("IMIE").asString();
    d.father = p.field("IMOJCA").asString();
    d.pesel = p.field("PESEL").asString();
    d.birthplace = p.field("MIEJSCEUR").asString();
    d.postcode = p.field("KODPOCZ").asString();
    d.town = p.field("MIEJSCOW").asString();
    d.province = p.field("WOJEW").asString();
    d.street = p.field("ULICA").asString();
    d.house = p.field("NRUL").asString();
    d.flat = p.field("NRMIESZ").asString();
    d.idCard = p.field("NRDOK").asString();
    d.born = p.field("DATAUR").asDateTime();
    d.sex = int(p.field("PLEC").asInt());
    Dataset e(&w.db(), QStringLiteral(
        "SELECT o.IDSTAN, o.DATAZATR, o.SZKWSTEPNE || o.SZKINSTR || o.SZKPODST || o.SZKOKRES AS SZK, "
        "s.KOD, s.NAZWA, u.SKROTNAZWA AS JEDNOSTKA, z.KOD AS KODZAW, z.NAZWA AS ZAWOD "
        "FROM OPRACOW o JOIN OSTRUKT s ON s.ID = o.IDSTAN JOIN OSTRUKT u ON u.ID = s.IDRODZSTRUKT "
        "JOIN DNEWZAWODY2021 z ON z.ID = o.IDZAWOD WHERE o.IDPRAC = :p ORDER BY o.DATAZATR"));
    e.setParam(QStringLiteral("p"), d.id);
    e.open();
    d.positionId = int(e.field("IDSTAN").asInt());
    d.positionCode = e.field("KOD").asString();
    d.positionName = e.field("NAZWA").asString();
    d.unitName = e.field("JEDNOSTKA").asString();
    d.occupationCode = e.field("KODZAW").asString();
    d.occupationName = e.field("ZAWOD").asString();
    d.employedFrom = e.field("DATAZATR").asDateTime();
    d.trainings = e.field("SZK").asString();
    return d;
}

PersonData contractorData() {
    const Contractor c;
    PersonData d;
    d.surname = QString::fromUtf8(c.surname);
    d.firstName = QString::fromUtf8(c.firstName);
    d.father = QString::fromUtf8(c.father);
    d.born = dates::midnight(c.born);
    d.pesel = pesel(c.born, 1, 3528);
    d.birthplace = QString::fromUtf8(c.birthplace);
    d.postcode = QString::fromUtf8(c.postcode);
    d.town = QString::fromUtf8(c.town);
    d.province = QStringLiteral("wielkopolskie");
    d.street = QString::fromUtf8(c.street);
    d.house = QString::fromUtf8(c.house);
    d.idCard = idCardNumber(QStringLiteral("AGB"), 70431);
    d.trainings = QStringLiteral("nnnn");
    return d;
}

// The employer as the level-0 element of the structure describes it.
struct Employer {
    QString name, address, nip, regon, pkd, town;
};

Employer employer(DemoWriter& w) {
    Dataset f(&w.db(), QStringLiteral("SELECT * FROM OSTRUKT WHERE NRPOZ = 0"));
    f.open();
    return Employer{f.field("NAZWA").asString(),
                    f.field("ADRES").asString() + QStringLiteral(", ") + f.field("KODPOCZ").asString() +
                        QLatin1Char(' ') + f.field("MIEJSCOW").asString(),
                    f.field("NIP").asString(), f.field("NRREGON").asString(), f.field("KODEKD").asString(),
                    f.field("MIEJSCOW").asString()};
}

QString address(const PersonData& p) {
    QString s = QStringLiteral("ul. ") + p.street + QLatin1Char(' ') + p.house;
    if (!p.flat.isEmpty()) s += QLatin1Char('/') + p.flat;
    return s + QStringLiteral(", ") + p.postcode + QLatin1Char(' ') + p.town;
}

struct Team {
    QString name[2], function[2];
};

Team team(DemoWriter& w) {
    Dataset t(&w.db(), QStringLiteral("SELECT IMNAZW, FUNKCJA FROM SKWZESPPOWYPADKOWY ORDER BY ID"));
    t.open();
    Team out;
    for (int i = 0; i < 2 && !t.eof(); ++i, t.next()) {
        out.name[i] = t.field(0).asString();
        out.function[i] = t.field(1).asString();
    }
    return out;
}

// The next number of the year of `when` by a numbering statement of the registers
// (the whole database: the demo has no registers mode).
int nextNumber(DemoWriter& w, const QString& sql, const QDateTime& when) {
    const YearBounds b = YearBounds::of(when);
    return int(Field(w.db().scalar(sql, Params{{"od", b.from}, {"do", b.to}})).asInt()) + 1;
}

QString tableFor(const char* base, int version) {
    return QString::fromLatin1(base) + (version == 5 ? QStringLiteral("_1") : QString());
}

// The code and its name in two columns, when the question was answered.
void answer(DemoWriter& w, Params& p, const char* idColumn, const char* nameColumn, const QString& table,
            const char* code) {
    if (!code) return;
    p.set(QString::fromLatin1(idColumn), QString::fromLatin1(code));
    p.set(QString::fromLatin1(nameColumn), w.nameOf(table, QString::fromLatin1(code)));
}

void cardAnswers(DemoWriter& w, Params& p, const Card& c, int version) {
    const bool trees = version == 5;
    answer(w, p, "IDUMOWY", "UMOWA", tableFor("SKWSTATUSZATR", version), c.status);
    answer(w, p, "IDRODZAJURAZ", "RODZAJURAZ", trees ? QStringLiteral("SKWRODZAJURAZ_1") : QStringLiteral("SKWRODZAJURAZ"),
           c.injuryKind);
    answer(w, p, "IDURAZU1", "URAZ1", tableFor("SKWUMIEJSCURAZ", version), c.bodyPart);
    answer(w, p, "IDPROCESPRACY", "PROCESPRACY", tableFor("SKWPROCESPRACY", version), c.process);
    answer(w, p, "IDCZYNNOSCI", "CZYNNOSC", tableFor("SKWCZYNNWYKPOSZK", version), c.activity);
    const QString agents = tableFor("SKWCZYNNIKMATER", version);
    answer(w, p, "IDCZYNNIKCZYNNOSC", "CZYNNIKCZYNNOSC", agents, c.agentOfActivity);
    answer(w, p, "IDWYDARZENIA", "WYDARZENIE", tableFor("SKWWYDARZODCHYL", version), c.deviation);
    answer(w, p, "IDCZYNNIKODCHYLENIE", "CZYNNIKODCHYLENIE", agents, c.agentOfDeviation);
    answer(w, p, "IDWYDARZENIEURAZ", "WYDARZENIEURAZ", tableFor("SKWWYDARZURAZ", version), c.contact);
    answer(w, p, "IDCZYNNIKURAZ", "CZYNNIKURAZ", agents, c.agentOfContact);
    answer(w, p, "IDOBYWATELSTWO", "OBYWATELSTWO", tableFor("SKWOBYWATELSTWO", version), "1");
    // The size class of the unit has a code only; the exact number stands beside it.
    w.nameOf(tableFor("SKWLICZBAPRAC", version), QStringLiteral("3"));
    p.set(QStringLiteral("IDLICZBAPRAC"), QStringLiteral("3"));
    p.set(QStringLiteral("LICZBAPRAC"), 204.0);
    if (!c.causes) return;
    const QStringList causes = QString::fromLatin1(c.causes).split(QLatin1Char(' '));
    for (int i = 0; i < causes.size(); ++i) {
        const QByteArray id = "IDPRZYCZYNY" + QByteArray::number(i + 1);
        const QByteArray name = "PRZYCZYNA" + QByteArray::number(i + 1);
        answer(w, p, id.constData(), name.constData(), tableFor("SKWPRZYCZYNYWYP", version),
               causes.at(i).toLatin1().constData());
    }
}

// A column of a row of a numbered list of the 2000 card; throws when the list lacks it.
QString listText(DemoWriter& w, const QString& table, const char* column, int id) {
    Dataset d(&w.db(), QStringLiteral("SELECT %1 FROM %2 WHERE ID = :id").arg(QLatin1String(column), table));
    d.setParam(QStringLiteral("id"), id);
    d.open();
    if (d.isEmpty()) throw DbError(QStringLiteral("Brak pozycji %1 w %2.").arg(id).arg(table));
    return d.field(0).asString();
}

// The answers of a card of the 2000 form, from the lists of the accident's year.
void card2000Answers(DemoWriter& w, Params& p, const Card2000& c, const QDateTime& when) {
    const QString suffix = when.date().year() > 2000 ? QStringLiteral("_1") : QString();
    auto item = [&](const QString& idColumn, const QString& textColumn, const QString& table, const char* column,
                    int id) {
        if (id == 0) return;
        p.set(idColumn, QString::number(id));
        p.set(textColumn, listText(w, table, column, id));
    };
    if (c.sonOrDaughter) p.set(QStringLiteral("SYNCORKA"), QString::fromUtf8(c.sonOrDaughter));
    item(QStringLiteral("IDUMOWY"), QStringLiteral("UMOWA"), QStringLiteral("SKWUMOWY") + suffix, "SKROT", c.contract);
    for (int i = 0; i < 3; ++i)
        item(QStringLiteral("IDURAZU%1").arg(i + 1), QStringLiteral("URAZ%1").arg(i + 1), QStringLiteral("SKWURAZY") + suffix,
             "NAZWA", c.injuries[i]);
    item(QStringLiteral("IDCZYNNOSCI"), QStringLiteral("CZYNNOSC"), QStringLiteral("SKWCZYNNOSCI"), "SKROT", c.activity);
    item(QStringLiteral("IDWYDARZENIA"), QStringLiteral("WYDARZENIE"), QStringLiteral("SKWWYDARZENIA"), "SKROT", c.event);
    for (int i = 0; i < 3; ++i)
        item(QStringLiteral("IDPRZYCZYNY%1").arg(i + 1), QStringLiteral("PRZYCZYNA%1").arg(i + 1),
             QStringLiteral("SKWPRZYCZYNY"), "SKROT", c.causes[i]);
    for (int i = 0; i < 4; ++i) {
        item(QStringLiteral("IDCZYNNIKA%1").arg(i + 1), QStringLiteral("CZYNNIK%1").arg(i + 1),
             QStringLiteral("SKWCZYNNIKI") + suffix, "SKROT", c.pairs[i][0]);
        item(QStringLiteral("IDZRODLA%1").arg(i + 1), QStringLiteral("ZRODLO%1").arg(i + 1),
             QStringLiteral("SKWZRODLA") + suffix, "SKROT", c.pairs[i][1]);
    }
    const QString training = QString::fromLatin1(c.training);
    const char* const columns[] = {"SZKWSTEPNE", "SZKINSTR", "SZKPODST", "SZKOKRES"};
    for (int i = 0; i < 4; ++i) p.set(QString::fromLatin1(columns[i]), training.mid(i, 1));
    if (c.disease) p.set(QStringLiteral("KODCHOROBY"), QString::fromLatin1(c.disease));
    p.set(QStringLiteral("STAZ"), c.seniority);
    // The occupation as the 2000 card keeps it.
    p.set(QStringLiteral("ZAWOD"), p.value(QStringLiteral("ZAWOD")).toString().left(30));
    p.setBlob(QStringLiteral("DODBRANZA"), memo::toStored(QString::fromUtf8(c.sector)));
}

// Protocol dates follow the accident by the given number of days.
class Dates {
public:
    Dates(const DemoWriter& w, const QDateTime& accident) : m_w(w), m_day(accident.date()) {}
    QDateTime after(int days) const { return m_w.notAfterNow(dates::midnight(m_day.addDays(days))); }

private:
    const DemoWriter& m_w;
    QDate m_day;
};

// The employer's letter to ZUS with the protocol; for last year's accidents also ZUS's
// decision: the permanent damage to health and the one-off compensation, or the
// refusal when the event was not found to be an accident at work.
void zusCorrespondence(Params& p, const Dates& d, const Accident& a, const Injured& in, int protocol, int year) {
    p.set(QStringLiteral("NRPISMAZUS"), QStringLiteral("BHP.0712.%1.%2").arg(protocol).arg(year));
    p.set(QStringLiteral("DATAPISMAZUS"), d.after(12));
    const bool refused = in.type >= 2;
    if (a.yearsBack == 0 && !refused) return;
    p.set(QStringLiteral("NRDECYZJIZUS"), QStringLiteral("DW/%1/%2").arg(4100 + 17 * protocol).arg(year));
    p.set(QStringLiteral("DATADECYZJIZUS"), d.after(45));
    if (refused) {
        p.setBlob(QStringLiteral("ODMOWAZUS"), memo::toStored(QStringLiteral(
            "Zakład Ubezpieczeń Społecznych odmówił prawa do jednorazowego odszkodowania: zdarzenie nie zostało "
            "uznane za wypadek przy pracy, ponieważ jego jedyną przyczyną było nagłe zasłabnięcie poszkodowanego "
            "(brak przyczyny zewnętrznej).\n"
            "Od decyzji przysługuje odwołanie do sądu okręgowego - sądu pracy i ubezpieczeń społecznych.")));
        return;
    }
    const double percent = in.days > 30 ? 5 : 2;
    p.set(QStringLiteral("PROCUSZCZZUS"), percent);
    p.set(QStringLiteral("KWOTAZUS"), percent * 1394.0);  // one per cent of the damage: 1394 zł
}

int addInjured(DemoWriter& w, int id, int accident, const Accident& a, const Injured& in, const QDateTime& when,
               const Employer& firm, const Team& crew) {
    const PersonData pd = in.surname ? personData(w, QString::fromUtf8(in.surname)) : contractorData();
    const Dates d(w, when);
    const bool employee = in.contract == 1;
    using registersql::documentNumber;
    const int protocol = employee ? nextNumber(w, documentNumber(DocumentKind::Protocol), when) : 0;
    Params p{{"ID", id}, {"IDWYPADKU", accident},
             {"NUMERKARTY", nextNumber(w, registersql::cardNumbers({}), when)},
             {"NUMERPROT", protocol},
             {"NUMERKARTYWYP", employee ? 0 : nextNumber(w, documentNumber(DocumentKind::AccidentCard), when)},
             {"RODZUMOWY", in.contract}, {"TYPPOSZK", 0}, {"IDPRACOWNIKA", pd.id},
             {"NAZWISKO", pd.surname}, {"IMIE", pd.firstName}, {"IMOJCA", pd.father}, {"PLEC", pd.sex},
             {"DATAUR", pd.born}, {"MIEJSCEUR", pd.birthplace}, {"PESELPRAC", pd.pesel},
             {"DOKPRAC", QStringLiteral("dowód osobisty ") + pd.idCard}, {"KODPOCZ", pd.postcode},
             {"MIEJSCOW", pd.town}, {"WOJEW", pd.province}, {"ULICA", pd.street}, {"NRUL", pd.house},
             {"NRMIESZ", pd.flat},
             {"SZKWSTEPNE", pd.trainings.mid(0, 1)}, {"SZKINSTR", pd.trainings.mid(1, 1)},
             {"SZKPODST", pd.trainings.mid(2, 1)}, {"SZKOKRES", pd.trainings.mid(3, 1)},
             {"GODZPRACY", in.hoursWorked}, {"FORMAPRACY", 1}, {"SPKRYTJEDN", 1},
             {"PRZEDSIEB", firm.name}, {"KODEKD", firm.pkd}, {"REGON", firm.regon}, {"ADRESFIRMA", firm.address},
             {"NIPFIRMA", firm.nip},
             {"IMNAZWA", crew.name[0]}, {"FUNKCJAA", crew.function[0]}, {"IMNAZWB", crew.name[1]},
             {"FUNKCJAB", crew.function[1]},
             {"DATAUST", d.after(1)}, {"DATAZAKUST", d.after(6)}, {"IMNAZWZG", pd.firstName + QLatin1Char(' ') + pd.surname},
             {"DATAZG", d.after(0)}, {"TYPWYP", in.type}, {"FORMWYP", 1},
             {"SKUTKI", 3}, {"SKUTKIR", 3}, {"DNINIEZD", in.days}, {"DNINIEZDR", in.days},
             {"IMNAZWWYPSKW", crew.name[0]}, {"TELWYPSKW", "62 741 30 25"}, {"EMAILWYPSKW", "bhp@zm-modrzewo.com.pl"},
             {"MIEJSCOWWYPSKW", firm.town}, {"DATAWYPSKW", d.after(10)}};
    p.setBlob(QStringLiteral("OKOLICZNOSCI"), memo::toStored(QString::fromUtf8(a.circumstances)));
    p.setBlob(QStringLiteral("PRZYCZYNY"), memo::toStored(QString::fromUtf8(a.causes)));
    p.setBlob(QStringLiteral("UCHYBIENIA"), memo::toStored(QString::fromUtf8(a.employerFaults)));
    p.setBlob(QStringLiteral("DOWUCHYB"), memo::toStored(QString::fromUtf8(in.byInjured)));
    p.setBlob(QStringLiteral("DOWPIJ"), QStringLiteral("Nie stwierdzono."));
    p.setBlob(QStringLiteral("RODZURAZU"), memo::toStored(QString::fromUtf8(in.injury)));
    p.setBlob(QStringLiteral("UZASADN"), memo::toStored(QString::fromUtf8(a.justification)));
    p.setBlob(QStringLiteral("PROFILAKTYKA"), memo::toStored(QString::fromUtf8(a.prevention)));
    p.setBlob(QStringLiteral("PRZESZKODY"), QStringLiteral("Nie wystąpiły."));
    p.setBlob(QStringLiteral("ZALACZNIKI"), memo::toStored(QString::fromUtf8(a.attachments)));
    if (in.surname) {
        p.set(QStringLiteral("IDSTANOW"), pd.positionId);
        p.set(QStringLiteral("STRUKTSKROT"), pd.unitName);
        p.set(QStringLiteral("STANOWSKROT"), pd.positionName);
        p.set(QStringLiteral("STANOWKOD"), pd.positionCode);
        p.set(QStringLiteral("KODZAWODU"), pd.occupationCode);
        p.set(QStringLiteral("ZAWOD"), pd.occupationName);
        p.set(QStringLiteral("STAZ"), qMax(0, int(pd.employedFrom.date().daysTo(when.date()) / 365)));
    }
    if (employee) {
        p.set(QStringLiteral("DATAPROT"), d.after(7));
        p.set(QStringLiteral("IMNAZWCZZAP"), pd.firstName + QLatin1Char(' ') + pd.surname);
        p.set(QStringLiteral("DATAZAPOZ"), d.after(8));
        p.set(QStringLiteral("ZAPOZNANY"), 1);
        p.set(QStringLiteral("DATAZATW"), d.after(9));
        p.set(QStringLiteral("DATAODB"), d.after(9));
        p.set(QStringLiteral("DORECZENIE"), 1);
        p.set(QStringLiteral("SADPRACY"), QStringLiteral("Sąd Rejonowy w Modrzewie, Wydział Pracy"));
        p.set(QStringLiteral("IMNAZWCZ"), pd.firstName + QLatin1Char(' ') + pd.surname);
        zusCorrespondence(p, d, a, in, protocol, when.date().year());
    } else {
        p.set(QStringLiteral("UBEZPOPIS"), QStringLiteral("umowa zlecenia - sprzątanie pomieszczeń biurowych"));
        const PersonData witness = personData(w, QStringLiteral("Kalinowska"));
        p.set(QStringLiteral("IMNAZWSW1"), witness.firstName + QLatin1Char(' ') + witness.surname);
        p.set(QStringLiteral("ADRESSW1"), address(witness));
        p.set(QStringLiteral("RODZAJWYP"), 1);
        p.set(QStringLiteral("DATAPROT"), d.after(7));
        p.set(QStringLiteral("MIEJSCESP"), firm.town);
        p.set(QStringLiteral("PODMSPORZADZ"), firm.name + QStringLiteral(", ") + firm.address);
        p.set(QStringLiteral("IMNAZSPORZADZ"), crew.name[0]);
        p.set(QStringLiteral("IMNAZWODB"), pd.firstName + QLatin1Char(' ') + pd.surname);
    }
    if (in.card2000) card2000Answers(w, p, *in.card2000, when);
    else cardAnswers(w, p, in.card, a.version);
    w.insert(QStringLiteral("SKWPOSZKODOWANI"), p);
    return pd.id;
}

QDateTime momentOf(const DemoWriter& w, int yearsBack, int dayOffset, int hour, int minute, int year = 0) {
    const QDate day = year != 0        ? QDate(year, 1, 1).addDays(dayOffset)
                      : yearsBack == 0 ? w.dayOfYear(dayOffset)
                                       : QDate(w.year() - yearsBack, 1, 1).addDays(dayOffset);
    return w.notAfterNow(QDateTime(day, QTime(hour, minute)));
}

// The take of a record created at registration and given back at once.
QDateTime registered(const DemoWriter& w, const QDateTime& accident, int id) {
    return w.notAfterNow(QDateTime(accident.date().addDays(1), QTime(8, 0).addSecs(60 * id)));
}

void member(DemoWriter& w, int accident, int table) {
    w.insert(QStringLiteral("SKWREJESTRWYP"), Params{{"IDREJESTR", kDefaultRegister}, {"IDWYP", accident}, {"TABWYP", table}});
}

void hearing(DemoWriter& w, int id, int accident, int injured, int number, int type, const PersonData& pd,
             const QDateTime& when, const Team& crew, const QString& statement) {
    Params p{{"ID", id}, {"IDWYPADKU", accident}, {"IDPROTOKOLU", injured}, {"NUMER", number}, {"TYP", type},
             {"IDPRACOWNIKA", pd.id}, {"NAZWISKO", pd.surname}, {"IMIE", pd.firstName}, {"IMOJCA", pd.father},
             {"DATAUR", pd.born}, {"MIEJSCEUR", pd.birthplace}, {"MIEJSCOW", pd.town}, {"KODPOCZ", pd.postcode},
             {"WOJEW", pd.province}, {"ULICA", pd.street}, {"NRUL", pd.house}, {"NRMIESZ", pd.flat},
             {"STRUKTSKROT", pd.unitName}, {"IDSTANOW", pd.positionId}, {"STANOWKOD", pd.positionCode},
             {"STANOWSKROT", pd.positionName}, {"KODZAWODU", pd.occupationCode}, {"ZAWOD", pd.occupationName},
             {"STAZ", QString::number(pd.employedFrom.date().daysTo(when.date()) / 365)},
             {"IMNAZW1", crew.name[0]}, {"FUNKCJA1", crew.function[0]}, {"IMNAZW2", crew.name[1]},
             {"FUNKCJA2", crew.function[1]}, {"DATASP", when}, {"MIEJSCESP", "Modrzewo"}};
    p.setBlob(QStringLiteral("ZEZNANIE"), memo::toStored(statement));
    w.insert(QStringLiteral("SKWPRZESLUCHANIE"), p);
}

void attachment(DemoWriter& w, int number, int accident, int injured, const QString& title, const QString& text) {
    Params p{{"ID", number}, {"IDWYPADKU", accident}, {"IDPROTOKOLU", injured}, {"TYTUL", title}};
    p.setBlob(QStringLiteral("OPIS"), memo::toStored(text));
    w.insert(QStringLiteral("SKWZALACZNIKI"), p);
}

// Hearings and an own attachment of the first person of the collective accident,
// and an order after the accident at the machining centre.
void attachmentsOf(DemoWriter& w, int accident, int injured, const QDateTime& when, const Team& crew) {
    const Dates d(w, when);
    hearing(w, 1, accident, injured, 1, 0, personData(w, QStringLiteral("Szymański")), d.after(1), crew,
            QStringLiteral("Szedłem aleją nr 4 do stanowiska kompletacji. Nie zauważyłem, że w alei pracuje wózek.\n"
                           "Usłyszałem trzask, a potem poczułem silne uderzenie w prawy bark."));
    hearing(w, 2, accident, injured, 2, 1, personData(w, QStringLiteral("Kubiak")), d.after(1), crew,
            QStringLiteral("Byłam przy biurku magazynu. Widziałam, jak paleta przechyla się na belce regału.\n"
                           "Kartony spadły na przechodzącego pracownika; operator zeskoczył z wózka."));
    attachment(w, 3, accident, injured, QStringLiteral("Szkic miejsca wypadku"),
               QStringLiteral("Aleja regałowa nr 4, regał R4-07, poziom 3 (wysokość ok. 4 m).\n"
                              "Miejsce upadku ładunku: 1,5 m od czoła regału."));
}

void order(DemoWriter& w, int accident, int injured, const QDateTime& when) {
    const Dates d(w, when);
    Params p{{"ID", 1}, {"IDWYPADKU", accident}, {"IDPROTOKOLU", injured}, {"NUMER", 1}, {"TYP", 1},
             {"SYMBOL", QStringLiteral("PL/1/%1").arg(when.date().year())}, {"DATASP", d.after(8)},
             {"MIEJSCESP", "Modrzewo"}, {"IMNAZW", "Andrzej Wróblewski"}, {"FUNKCJA", "Prezes Zarządu"}};
    p.setBlob(QStringLiteral("PODTYTUL"), QStringLiteral("Na podstawie art. 236 Kodeksu pracy, po ustaleniu okoliczności "
                                                         "i przyczyn wypadku, zespół powypadkowy postanawia"));
    p.setBlob(QStringLiteral("OTRZYMUJA"), memo::toStored(QStringLiteral("1. Kierownik Zakładu Produkcyjnego\n2. Dział BHP\n3. a/a")));
    p.setBlob(QStringLiteral("TRESC"), memo::toStored(QStringLiteral(
        "1. Usunąć blokady wyłączników krańcowych osłon wszystkich centrów obróbczych.\n"
        "2. Wprowadzić kartę codziennej kontroli urządzeń zabezpieczających.")));
    p.setBlob(QStringLiteral("ODPOWIEDZIALNY"), memo::toStored(QStringLiteral("Kierownik Zakładu Produkcyjnego")));
    p.setBlob(QStringLiteral("TERMIN"), memo::toStored(QStringLiteral("Pkt 1 - natychmiast, pkt 2 - 14 dni")));
    w.insert(QStringLiteral("SKWPOLECENIE"), p);
}

void loadAccidentsAtWork(DemoWriter& w, const Employer& firm, const Team& crew) {
    int id = 0;
    int personId = 0;
    for (const Accident& a : accidents()) {
        const QDateTime when = momentOf(w, a.yearsBack, a.dayOffset, a.hour, a.minute, a.year);
        const QDateTime take = registered(w, when, ++id);
        const QDateTime registeredOn = dates::midnight(take.date());
        Params p{{"ID", id},
                 {"NUMER", nextNumber(w, registersql::accidentNumber({}), registeredOn)},
                 {"SYMBOLWYP", a.symbol}, {"DATA", when}, {"DATAREJWYP", registeredOn}, {"DATAZGMIN", dates::midnight(when.date())},
                 {"WYPIZ", a.injured.size() > 1 ? 1 : 0}, {"WYPUB", 1}, {"POSZKODOWANI", int(a.injured.size())},
                 {"STRATYZL", a.losses}, {"STRATYCZASU", a.hoursLost},
                 {"IDPOLOZGEOGR", "3024052"}, {"POLOZGEOGR", "gmina Modrzewo, powiat modrzewski, woj. wielkopolskie"},
                 {"WERSJASKW", a.version}, {"BLOK", 0}, {"COMPNAME", kComputer}, {"CZASROZP", take}, {"CZASZAK", take}};
        if (a.version == 1) {
            p.set(QStringLiteral("IDMIEJSCA"), QString::fromLatin1(a.place));
            p.set(QStringLiteral("MIEJSCEWYP"), listText(w, QStringLiteral("SKWMIEJSCA"), "SKROT", QString::fromLatin1(a.place).toInt()));
        } else {
            answer(w, p, "IDMIEJSCA", "MIEJSCEWYP", tableFor("SKWMIEJSCEWYP", a.version), a.place);
        }
        answer(w, p, "IDRODZAJMIEJSCAWYP", "RODZAJMIEJSCAWYP", QStringLiteral("SKWRODZAJMIEJSCWYP"), a.placeKind);
        w.insert(QStringLiteral("SKWWYPADKI"), p);
        member(w, id, 1);
        for (const Injured& in : a.injured) {
            addInjured(w, ++personId, id, a, in, when, firm, crew);
            if (in.surname && qstrcmp(in.surname, "Szymański") == 0) attachmentsOf(w, id, personId, when, crew);
            if (in.surname && qstrcmp(in.surname, "Mazur") == 0) {
                order(w, id, personId, when);
                loadExternalDocuments(w, personId);
            }
        }
    }
    w.describe(QStringLiteral("SKWWYPADKI"), QStringLiteral("Wypadki pokazowe bieżącego i poprzedniego roku"));
    w.describe(QStringLiteral("SKWPOSZKODOWANI"), QStringLiteral("Poszkodowani w wypadkach pokazowych"));
}

void loadCommuting(DemoWriter& w, const Employer& firm) {
    int id = 0;
    for (const Commuting& c : kCommuting) {
        const PersonData pd = personData(w, QString::fromUtf8(c.surname));
        const QDateTime when = momentOf(w, c.yearsBack, c.dayOffset, c.hour, c.minute);
        const QDateTime take = registered(w, when, ++id);
        const Dates d(w, when);
        Params p{{"ID", id},
                 {"NUMER", nextNumber(w, registersql::commutingNumber({}), when)},
                 {"SYMBOLWYP", "DR"}, {"DATA", when}, {"DATAREJWYP", dates::midnight(take.date())},
                 {"DATAZG", d.after(1)}, {"WYPRZ", c.fromWork}, {"GODZRZ", c.workHour}, {"MIEJSCEWYP", c.way},
                 {"SKUTKI", 1}, {"DATANIEZDOD", dates::midnight(when.date())},
                 {"DATANIEZDDO", dates::midnight(when.date().addDays(c.days - 1))}, {"ILDNIZWOLNIENIA", c.days},
                 {"DOCHODZENIE", c.investigated}, {"IMNAZWSW1", c.witness}, {"ADRESSW1", c.witnessAddress},
                 {"RODZAJWYP", 0}, {"KODCHOROBY", c.diseaseCode}, {"MIEJSCESP", firm.town},
                 {"DATASP", d.after(10)}, {"PODMSPORZADZ", firm.name + QStringLiteral(", ") + firm.address},
                 {"IMNAZSPORZADZ", "Tomasz Pawlak"}, {"DATAODBIORU", d.after(12)}, {"BLOK", 0},
                 {"COMPNAME", kComputer}, {"CZASROZP", take}, {"CZASZAK", take},
                 {"IDPRACOWNIKA", pd.id}, {"TYPPOSZK", 0}, {"NAZWISKO", pd.surname}, {"IMIE", pd.firstName},
                 {"IMOJCA", pd.father}, {"PLEC", pd.sex}, {"STANCYWILNY", c.maritalStatus}, {"DATAUR", pd.born},
                 {"MIEJSCEUR", pd.birthplace}, {"KODPOCZ", pd.postcode}, {"MIEJSCOW", pd.town}, {"WOJEW", pd.province},
                 {"ULICA", pd.street}, {"NRUL", pd.house}, {"NRMIESZ", pd.flat}, {"PESELPOSZK", pd.pesel},
                 {"RODZDOKPOSZK", "dowód osobisty"}, {"SERIADOKPOSZK", pd.idCard.left(3)},
                 {"NRDOKPOSZK", pd.idCard.mid(3)}, {"UBEZPRODZ", 0}, {"UBEZPOPIS", "umowa o pracę"},
                 {"IDSTANOW", pd.positionId}, {"STRUKTSKROT", pd.unitName}, {"STANOWSKROT", pd.positionName},
                 {"STANOWKOD", pd.positionCode}, {"KODZAWODU", pd.occupationCode}, {"ZAWOD", pd.occupationName},
                 {"PRZEDSIEB", firm.name}, {"ADRESPRZEDSIEB", firm.address}, {"NIPPLAT", firm.nip},
                 {"REGONPLAT", firm.regon}};
        p.setBlob(QStringLiteral("PRZYCZYNY"), memo::toStored(QString::fromUtf8(c.description)));
        if (c.investigation) p.setBlob(QStringLiteral("OPISDOCHODZENIA"), memo::toStored(QString::fromUtf8(c.investigation)));
        p.setBlob(QStringLiteral("OBRAZENIA"), memo::toStored(QString::fromUtf8(c.injuries)));
        p.setBlob(QStringLiteral("ZALACZNIKI"), memo::toStored(QStringLiteral("1. Zaświadczenie lekarskie.\n2. Oświadczenie świadka.")));
        p.setBlob(QStringLiteral("PRZESZKODY"), QStringLiteral("Nie wystąpiły."));
        w.insert(QStringLiteral("SKWWYPADKIWDRODZE"), p);
        member(w, id, 2);
        if (c.investigation)
            attachment(w, 1, id, 0, QStringLiteral("Notatka urzędowa policji"),
                       QStringLiteral("Notatka urzędowa z miejsca kolizji drogowej.\nKopia w aktach sprawy."));
    }
    w.describe(QStringLiteral("SKWWYPADKIWDRODZE"), QStringLiteral("Wypadki pokazowe w drodze do pracy i z pracy"));
}

} // namespace

void loadAccidents(DemoWriter& w) {
    const Employer firm = employer(w);
    const Team crew = team(w);
    loadAccidentsAtWork(w, firm, crew);
    loadCommuting(w, firm);
    w.describe(QStringLiteral("SKWREJESTRWYP"), QStringLiteral("Wypadki pokazowe w rejestrze domyślnym RW-ZMM"));
    w.describe(QStringLiteral("SKWPRZESLUCHANIE"), QStringLiteral("Wyjaśnienia i informacje pokazowe"));
    w.describe(QStringLiteral("SKWZALACZNIKI"), QStringLiteral("Załączniki własne pokazowe"));
    w.describe(QStringLiteral("SKWPOLECENIE"), QStringLiteral("Polecenie powypadkowe pokazowe"));
}

} // namespace zort::demo
