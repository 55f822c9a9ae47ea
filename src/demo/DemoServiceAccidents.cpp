// The demo register of accidents in service (the variant for uniformed services):
// officers of the suite's persons with their ranks, an accident of the current year
// with two officers, every page of both filled, and one of the previous year with
// one officer; numbered as the data module numbers them, with attachments of an
// officer's protocol.
#include "demo/DemoData.h"

#include "core/DateUtil.h"
#include "core/MemoText.h"
#include "db/Connection.h"
#include "db/Dataset.h"
#include "domain/RegisterSql.h"

namespace zort::demo {
namespace {

const char* const kComputer = "STANOWISKO-BHP";

// The persons of the suite who serve as officers, with their ranks.
struct Officer {
    const char* surname;
    const char* rank;
};
const Officer kOfficers[] = {
    {"Lewandowski", "aspirant"},
    {"Mazur", "starszy posterunkowy"},
    {"Wojciechowski", "sierżant"},
    {"Krawczyk", "podkomisarz"},
};

// An activity/event/cause triple of the demo's tree (the ids of its three rows).
struct Triple {
    int activity, event, cause;
};

struct Injured {
    const char* surname;
    const char* unitProvince;
    const char* post;
    int effects;  // SKUTKITYP: 1 fatal, 2 serious, 3 light
    const char* injuries[2];
    Triple triples[2];
    int daysOff;
    double losses;
    double disability;
    const char* circumstances;
    const char* effectsText;
};

struct Accident {
    int yearsBack;
    int dayOffset;
    int hour, minute;
    const char* symbol;
    const char* place;
    std::vector<Injured> injured;
};

const Accident kAccidents[] = {
    {0, 24, 21, 40, "SP", "Modrzewo, ul. Dworcowa 12 (przed lokalem)",
     {{"Lewandowski", "wielkopolskie", "dzielnicowy", 3, {"dłoń prawa", "przedramię prawe"},
       {{1, 1, 1}, {1, 1, 2}}, 14, 350.0, 2.0,
       "Podczas interwencji wobec osoby zakłócającej porządek publiczny przed lokalem gastronomicznym\n"
       "osoba ta zaatakowała funkcjonariusza, uderzając go w prawą rękę butelką.",
       "Rana cięta dłoni prawej, stłuczenie przedramienia; niezdolność do służby 14 dni."},
      {"Mazur", "wielkopolskie", "policjant", 3, {"kolano lewe", nullptr},
       {{2, 2, 3}, {0, 0, 0}}, 9, 0.0, 0.0,
       "Ruszając za uciekającym sprawcą funkcjonariusz poślizgnął się na oblodzonym chodniku\n"
       "i upadł na lewe kolano.",
       "Stłuczenie stawu kolanowego lewego; niezdolność do służby 9 dni."}}},
    {1, 300, 14, 5, "SD", "Droga wojewódzka nr 443, km 27",
     {{"Krawczyk", "wielkopolskie", "kierownik", 2, {"kręgosłup", "głowa"}, {{3, 4, 5}, {0, 0, 0}}, 45, 12800.0, 8.0,
       "Radiowóz, którym funkcjonariusz jechał do zdarzenia drogowego, został uderzony w tył\n"
       "przez samochód osobowy, którego kierujący nie zachował bezpiecznej odległości.",
       "Skręcenie kręgosłupa szyjnego, wstrząśnienie mózgu; niezdolność do służby 45 dni."}}},
};

const char* const kCommission[] = {"Robert Zawadzki", "Iwona Sobczak", "Michał Tomczak"};

QString u(const char* s) { return QString::fromUtf8(s); }

// The name of a row of the demo's tree.
QString nameOf(DemoWriter& w, const char* sql, int id) {
    return w.db().scalar(QString::fromLatin1(sql), Params{{"id", id}}).toString().trimmed();
}

// The next number of a year's range (as the data module counts): largest + 1.
int nextOf(DemoWriter& w, const QString& sql, const QDateTime& when) {
    const QDate first(when.date().year(), 1, 1);
    return w.db()
               .scalar(sql, Params{{"od", dates::midnight(first)}, {"do", dates::midnight(first.addYears(1))}})
               .toInt() +
           1;
}

void giveRanks(DemoWriter& w) {
    for (const Officer& o : kOfficers)
        w.db().execute(QStringLiteral("UPDATE ODANOS SET STOPSL = :r WHERE NAZWISKO = :n"),
                       Params{{"r", u(o.rank)}, {"n", u(o.surname)}});
}

// The officer's row: the person copied, every page filled.
void insertOfficer(DemoWriter& w, int id, int accident, int number, const Injured& in, const QDateTime& when,
                   int cardNumber, int protocolNumber) {
    Dataset p(&w.db(), QStringLiteral("SELECT * FROM ODANOS WHERE NAZWISKO = :n"));
    p.setParam(QStringLiteral("n"), u(in.surname));
    p.open();
    const auto after = [&](int days) { return w.notAfterNow(when.addDays(days)); };
    const auto day = [&](int days) { return dates::midnight(after(days).date()); };
    Params r{{"ID", id}, {"IDWYPADKU", accident}, {"NUMERKARTY", cardNumber}, {"NUMERPROT", protocolNumber},
             {"NRPOSZK", number}, {"IDPRACOWNIKA", p.field("IDOSOBY").asInt()}, {"TYPPOSZK", 0},
             {"NAZWISKO", p.field("NAZWISKO").asString()}, {"IMIE", p.field("IMIE").asString()},
             {"STOPSL", p.field("STOPSL").asString()}, {"PLEC", p.field("PLEC").asInt()},
             {"IMOJCA", p.field("IMOJCA").asString()}, {"SYNCORKA", p.field("IMOJCA").asString()},
             {"DATAUR", p.field("DATAUR").asDateTime()}, {"MIEJSCEUR", p.field("MIEJSCEUR").asString()},
             {"KODPOCZ", p.field("KODPOCZ").asString()}, {"MIEJSCOW", p.field("MIEJSCOW").asString()},
             {"WOJEW", p.field("WOJEW").asString()}, {"ULICA", p.field("ULICA").asString()},
             {"NRUL", p.field("NRUL").asString()}, {"NRMIESZ", p.field("NRMIESZ").asString()},
             {"NAZWAJEDN", "Komenda Powiatowa Policji"}, {"WOJEWJEDN", u(in.unitProvince)},
             {"STANOPOL", u(in.post)}, {"STAZ", 8 + number},
             // "Prot. powyp. cz. 1": the commission and the dates.
             {"MIEJSCESP", "Modrzewo"}, {"DATASP", day(6)}, {"DATAUST", day(1)}, {"DATAZAKUST", day(5)},
             {"IMNAZWZG", p.field("IMIE").asString() + u(" ") + p.field("NAZWISKO").asString()},
             {"DATAZG", day(0)},
             // "cz. 2": the effects.
             {"SKUTKITYP", in.effects},
             // "cz. 3": the type and the circumstances.
             {"TYPWYP", 0}, {"OKOLICZNOSCI", 1}, {"WYKONYWANIEOBSL", 1}, {"PKTUSTAWY", "1"}, {"WYLPRZYCZYNA", 0},
             // "cz. 4": no state, no intent, the rules kept.
             {"STANPOLICJANTA", 0}, {"ROZMSKUTKI", 0}, {"PRZEPISY", 0},
             // "cz. 5": acquainted, approved, delivered.
             {"ZAPOZNANY", 1}, {"UWAGI", 1}, {"ODRZDANIE", 2}, {"DATAPROT", day(6)}, {"ZATWIERDZONY", 1},
             {"DATAZATWZW", day(8)}, {"ZATWDOD", "n"}, {"DORECZENIE", 1}, {"DATAODB", day(9)},
             // The record card.
             {"ZWOLNIENIE", in.daysOff}, {"STRATYMAT", in.losses}, {"DATASPORZEKW", day(10)},
             {"SPORZADZEKW", "Iwona Sobczak"}, {"ODSZKODOWANIE", in.disability > 0 ? 1 : 2},
             {"KWOTAODSZKOD", in.disability > 0 ? QVariant(in.disability * 1120.0) : QVariant()},
             {"PROCUSZZDR", in.disability}, {"RODZWYPEKW", 1},
             {"DATASZKOLBHP", dates::midnight(when.date().addMonths(-7))},
             {"DATASZKOLZAW", dates::midnight(when.date().addYears(-2))}};
    for (int i = 0; i < 3; ++i) {
        r.set(QStringLiteral("IMNAZW%1").arg(i + 1), u(kCommission[i]));
        Dataset m(&w.db(), QStringLiteral("SELECT FUNKCJA, STANOW FROM WYPOPER_KOMISJAPOWYPAD WHERE IMNAZW = :n"));
        m.setParam(QStringLiteral("n"), u(kCommission[i]));
        m.open();
        r.set(QStringLiteral("FUNKCJA%1").arg(i + 1), m.field("FUNKCJA").asString());
        r.set(QStringLiteral("STANOW%1").arg(i + 1), m.field("STANOW").asString());
    }
    r.set(QStringLiteral("IMNAZW4"), u("Paweł Baran"));
    for (int i = 0; i < 2; ++i) {
        if (in.injuries[i]) r.set(QStringLiteral("DOZNURAZ%1").arg(i + 1), u(in.injuries[i]));
        const Triple& t = in.triples[i];
        if (t.activity == 0) continue;
        const QString n = QString::number(i + 1);
        r.set(QStringLiteral("IDCZYNNURAZ") + n, t.activity);
        r.set(QStringLiteral("CZYNNURAZ") + n, nameOf(w, "SELECT NAZWA FROM DCZYNN WHERE ID = :id", t.activity));
        r.set(QStringLiteral("IDWYDARZURAZ") + n, t.event);
        r.set(QStringLiteral("WYDARZURAZ") + n, nameOf(w, "SELECT OPISCZYN FROM DPLUSZCZYNN WHERE ID = :id", t.event));
        r.set(QStringLiteral("IDPRZYCZYNA") + n, t.cause);
        r.set(QStringLiteral("PRZYCZYNA") + n, nameOf(w, "SELECT KRYTERIUM FROM KWOPER WHERE ID = :id", t.cause));
    }
    // The second officer of an accident attached remarks; the protocol was approved
    // after further explanations.
    if (number == 2) {
        r.set(QStringLiteral("UWAGI"), 2);
        r.set(QStringLiteral("ZATWDOD"), QStringLiteral("t"));
        r.set(QStringLiteral("DATAZATWDOD"), day(12));
    }
    const auto text = [&r](const char* column, const QString& value) {
        r.setBlob(QString::fromLatin1(column), memo::toStored(value));
    };
    text("PRZYCZYNY", u(in.circumstances));
    text("SKUTKI", u(in.effectsText));
    text("UZASADTYP", u("Zdarzenie nagłe, wywołane przyczyną zewnętrzną, nastąpiło podczas wykonywania obowiązków "
                        "służbowych."));
    text("SZKODA", u("Uszkodzony mundur służbowy (kurtka ochronna)."));
    text("ROZKPRZEP1", u("Zarządzenie Komendanta Powiatowego w sprawie organizacji służby patrolowej."));
    text("ROZKPRZEP2", u("funkcjonariusz wykonywał czynności zlecone przez dyżurnego jednostki."));
    text("PODSTUSTALEN", u("wyjaśnień poszkodowanego, notatki służbowej i dokumentacji medycznej."));
    text("PROFILAKTYKA", u("Omówić zdarzenie na odprawie; przypomnieć zasady bezpieczeństwa podczas interwencji."));
    text("PRZESZKODY", u("Nie wystąpiły."));
    text("ZALACZNIKI", u("Załącznik 1, Załącznik 2"));
    if (number == 2) text("UWAGI_OPIS", u("Poszkodowany wnosi o uzupełnienie protokołu o notatkę patrolu."));
    text("UWAGIEKW", u("Brak uwag.\nKarta sporządzona na podstawie protokołu powypadkowego."));
    w.insert(QStringLiteral("WYPOPER_POSZKODOWANI"), r);
}

// The own attachment, the hearing and the inspection of an officer's protocol
// (numbers 1, 2 and 3).
void attachmentsOf(DemoWriter& w, int accident, int officer, const QDateTime& when) {
    // The commission as the records print it: four members with their posts.
    const auto commission = [](Params& r) {
        r.setText(QStringLiteral("FUNKCJA1"), u("kom., naczelnik wydziału prewencji"));
        r.setText(QStringLiteral("FUNKCJA2"), u("podkom., kierownik rewiru dzielnicowych"));
        r.setText(QStringLiteral("IMNAZW3"), u(kCommission[2]));
        r.setText(QStringLiteral("FUNKCJA3"), u("asp. szt., dzielnicowy"));
        r.setText(QStringLiteral("IMNAZW4"), u("Agnieszka Wróblewska"));
        r.setText(QStringLiteral("FUNKCJA4"), u("inspektor ds. bezpieczeństwa i higieny służby"));
    };
    Params a{{"ID", 1}, {"IDWYPADKU", accident}, {"IDPROTOKOLU", officer}, {"TYTUL", u("Notatka służbowa dyżurnego")}};
    a.setBlob(QStringLiteral("OPIS"), memo::toStored(u("Notatka z przebiegu interwencji.\nKopia w aktach sprawy.")));
    w.insert(QStringLiteral("WYPOPER_ZALACZNIKI"), a);
    Dataset p(&w.db(), QStringLiteral("SELECT * FROM WYPOPER_POSZKODOWANI WHERE ID = :id"));
    p.setParam(QStringLiteral("id"), officer);
    p.open();
    Params h{{"ID", 1}, {"IDWYPADKU", accident}, {"IDPROTOKOLU", officer}, {"NUMER", 2}, {"TYP", 0},
             {"MIEJSCESP", "Modrzewo"}, {"DATASP", w.notAfterNow(when.addDays(2))},
             {"DATAP", w.notAfterNow(when.addDays(2))}, {"IMNAZW1", u(kCommission[0])},
             {"IMNAZW2", u(kCommission[1])}, {"STOPIENSL", p.field("STOPSL").asString()},
             {"NAZWISKO", p.field("NAZWISKO").asString()}, {"IMIE", p.field("IMIE").asString()},
             {"IMOJCA", p.field("IMOJCA").asString()}, {"DATAUR", p.field("DATAUR").asDateTime()},
             {"MIEJSCEUR", p.field("MIEJSCEUR").asString()}, {"KODPOCZ", p.field("KODPOCZ").asString()},
             {"MIEJSCOW", p.field("MIEJSCOW").asString()}, {"ULICA", p.field("ULICA").asString()},
             {"NRUL", p.field("NRUL").asString()}, {"STRUKTSKROT", "Komenda Powiatowa Policji"},
             {"STANOWSKROT", p.field("STANOPOL").asString()}, {"IDPRACOWNIKA", p.field("IDPRACOWNIKA").asInt()}};
    commission(h);
    h.setText(QStringLiteral("NRMIESZ"), p.field("NRMIESZ").asString());
    h.setText(QStringLiteral("STOSDOSTR"), u("poszkodowany"));
    h.setText(QStringLiteral("NRSERIADO"), u("ABK 482913"));
    h.setText(QStringLiteral("WYDANYDO"), u("Prezydenta Miasta Modrzewo"));
    h.setText(QStringLiteral("PESEL"), u("82030512349"));
    h.setBlob(QStringLiteral("ZEZNANIE"),
              memo::toStored(u("Podjąłem interwencję wobec mężczyzny zakłócającego porządek.\n"
                               "Mężczyzna nagle uderzył mnie butelką w prawą rękę.")));
    w.insert(QStringLiteral("WYPOPER_PRZESLUCHANIE"), h);
    Params o{{"ID", 1}, {"IDWYPADKU", accident}, {"IDPROTOKOLU", officer}, {"NUMER", 3}, {"RODZOGL", 0},
             {"MIEJSCESP", "Modrzewo"}, {"DATASP", w.notAfterNow(when.addDays(1))},
             {"IMNAZW1", u(kCommission[0])}, {"IMNAZW2", u(kCommission[1])},
             {"CZASOD", u("10:00")}, {"CZASDO", u("11:30")}};
    commission(o);
    o.setBlob(QStringLiteral("RODZOGL_OPIS"), memo::toStored(u("Chodnik przed sklepem przy ul. Lipowej 5.")));
    o.setBlob(QStringLiteral("STWIERDZONO"), memo::toStored(u("przebiegu zdarzenia i śladów na miejscu interwencji")));
    o.setBlob(QStringLiteral("UCZESTNICY"), memo::toStored(u("Członkowie komisji powypadkowej i poszkodowany.")));
    o.setBlob(QStringLiteral("PRZEBIEG"), memo::toStored(u("Obejrzano miejsce zdarzenia.\nSporządzono szkic sytuacyjny.")));
    o.setBlob(QStringLiteral("UTRWALENIE"), memo::toStored(u("na szkicu i w dokumentacji fotograficznej")));
    o.setBlob(QStringLiteral("ZABEZPIECZONO"), memo::toStored(u("odłamki butelki")));
    w.insert(QStringLiteral("WYPOPER_OGLEDZINY"), o);
}

} // namespace

void loadServiceAccidents(DemoWriter& w) {
    giveRanks(w);
    int id = 0;
    int officerId = 0;
    for (const Accident& a : kAccidents) {
        const QDate day = a.yearsBack == 0 ? w.dayOfYear(a.dayOffset)
                                           : QDate(w.year() - a.yearsBack, 1, 1).addDays(a.dayOffset);
        const QDateTime when = w.notAfterNow(QDateTime(day, QTime(a.hour, a.minute)));
        const QDateTime take = w.notAfterNow(when.addDays(1));
        const int persons = int(a.injured.size());
        w.insert(QStringLiteral("WYPOPER_WYPADKI"),
                 Params{{"ID", ++id}, {"SYMBOLWYP", a.symbol}, {"NUMER", nextOf(w, registersql::otherNumber(), when)},
                        {"DATA", when}, {"WYPIZ", persons > 1 ? 1 : 0}, {"WYPUB", 1}, {"POSZKODOWANI", persons},
                        {"MSCWYPADKU", u(a.place)}, {"DATAZGMIN", dates::midnight(when.date())}, {"BLOK", 0},
                        {"COMPNAME", kComputer}, {"CZASROZP", take}, {"CZASZAK", take},
                        {"DATAREJWYP", dates::midnight(take.date())}});
        int number = 0;
        for (const Injured& in : a.injured) {
            // The card and protocol numbers of the accident's year.
            Dataset numbers(&w.db(), registersql::otherCardNumbers());
            const QDate first(when.date().year(), 1, 1);
            numbers.setParams(Params{{"od", dates::midnight(first)}, {"do", dates::midnight(first.addYears(1))}});
            numbers.open();
            const int card = int(numbers.field(0).asInt()) + 1;
            const int protocol = int(numbers.field(1).asInt()) + 1;
            insertOfficer(w, ++officerId, id, ++number, in, when, card, protocol);
        }
        if (id == 1) attachmentsOf(w, id, 1, when);
    }
    w.describe(QStringLiteral("WYPOPER_WYPADKI"), QStringLiteral("Wypadki pokazowe w służbie (wariant dla służb)"));
    w.describe(QStringLiteral("WYPOPER_POSZKODOWANI"), QStringLiteral("Funkcjonariusze poszkodowani w wypadkach pokazowych"));
    w.describe(QStringLiteral("WYPOPER_ZALACZNIKI"), QStringLiteral("Załącznik własny pokazowy protokołu funkcjonariusza"));
    w.describe(QStringLiteral("WYPOPER_PRZESLUCHANIE"), QStringLiteral("Protokół przesłuchania pokazowy"));
    w.describe(QStringLiteral("WYPOPER_OGLEDZINY"), QStringLiteral("Protokół oględzin pokazowy"));
}

} // namespace zort::demo
