// The demo firm: its organisation structure with work positions, its persons and
// their employments, the yearly number of employees, and the users of the module
// with their rights, registers and document circulation.
#include "demo/DemoData.h"

#include "core/Password.h"
#include "domain/PasswordColumns.h"
#include "core/PrawaDostepu.h"
#include "db/Connection.h"
#include "db/Dataset.h"
#include "core/DateUtil.h"

namespace zort::demo {
namespace {

struct Address {
    const char* town;
    const char* postcode;
    const char* street;  // with the house number
};

const Address kSeat{"Modrzewo", "63-740", "ul. Przemysłowa 14"};
const Address kBranch{"Kamionna Wola", "97-412", "ul. Serwisowa 3"};

// One element of the structure. Positions (TYPSTRUKT 1) are the leaves.
struct Element {
    int id;
    int parent;  // 0 at the top
    int type;    // 0 unit, 1 work position
    const char* code;
    const char* shortName;
    const char* name;
    const char* created;  // "yyyy-MM-dd"; null: with the firm
};

const char* const kFounded = "2004-05-01";

// The firm, three divisions and a branch, their departments and sections, and the
// positions. "ZP-LAK" is created only after the day the demo is made, "ZP-KJ" was
// deleted before it (both set in loadStructure); "LOG-TR" is denied to the user
// "specjalista".
const Element kStructure[] = {
    {1, 0, 0, "ZMM", "ZM Modrzewo", "Zakłady Mechaniczne Modrzewo Sp. z o.o.", nullptr},
    {2, 1, 0, "ZAR", "Zarząd", "Zarząd Spółki", nullptr},
    {3, 2, 1, "ZAR-01", "Prezes Zarządu", "Prezes Zarządu", nullptr},
    {4, 2, 1, "ZAR-02", "Sekretarka", "Sekretarka Zarządu", nullptr},
    {5, 2, 0, "ZAR-KP", "Dział Kadr i Płac", "Dział Kadr i Płac", nullptr},
    {6, 5, 1, "ZAR-KP-01", "Kierownik Działu Kadr", "Kierownik Działu Kadr i Płac", nullptr},
    {7, 5, 1, "ZAR-KP-02", "Specjalista ds. kadr", "Specjalista do spraw kadr", nullptr},
    {8, 2, 0, "ZAR-BHP", "Dział BHP", "Dział Bezpieczeństwa i Higieny Pracy", nullptr},
    {9, 8, 1, "ZAR-BHP-01", "Specjalista ds. BHP", "Specjalista do spraw bezpieczeństwa i higieny pracy", nullptr},
    {10, 1, 0, "ZP", "Zakład Produkcyjny", "Zakład Produkcyjny", nullptr},
    {11, 10, 1, "ZP-01", "Kierownik Zakładu", "Kierownik Zakładu Produkcyjnego", nullptr},
    {12, 10, 0, "ZP-WOM", "Wydział Obróbki", "Wydział Obróbki Mechanicznej", nullptr},
    {13, 12, 1, "ZP-WOM-01", "Tokarz", "Tokarz", nullptr},
    {14, 12, 1, "ZP-WOM-02", "Frezer", "Frezer", nullptr},
    {15, 12, 0, "ZP-WOM-CNC", "Gniazdo CNC", "Gniazdo obrabiarek sterowanych numerycznie", "2016-09-01"},
    {16, 15, 1, "ZP-WOM-CNC-01", "Operator CNC", "Operator centrum obróbczego CNC", "2016-09-01"},
    {17, 15, 1, "ZP-WOM-CNC-02", "Ustawiacz CNC", "Ustawiacz obrabiarek CNC", "2016-09-01"},
    {18, 10, 0, "ZP-SP", "Spawalnia", "Wydział Spawalni", nullptr},
    {19, 18, 1, "ZP-SP-01", "Spawacz", "Spawacz metodą MAG", nullptr},
    {20, 18, 1, "ZP-SP-02", "Monter konstrukcji", "Monter konstrukcji stalowych", nullptr},
    {21, 10, 0, "ZP-UR", "Utrzymanie Ruchu", "Wydział Utrzymania Ruchu", nullptr},
    {22, 21, 1, "ZP-UR-01", "Mechanik maszyn", "Mechanik maszyn i urządzeń", nullptr},
    {23, 21, 1, "ZP-UR-02", "Elektromonter", "Elektromonter zakładowy", nullptr},
    {24, 10, 0, "ZP-KJ", "Kontrola Jakości", "Sekcja Kontroli Jakości", nullptr},
    {25, 24, 1, "ZP-KJ-01", "Kontroler jakości", "Kontroler jakości wyrobów", nullptr},
    {26, 10, 0, "ZP-LAK", "Lakiernia", "Wydział Lakierni Proszkowej", nullptr},
    {27, 26, 1, "ZP-LAK-01", "Lakiernik", "Lakiernik proszkowy", "2015-01-01"},
    {28, 1, 0, "LOG", "Dział Logistyki", "Dział Logistyki", nullptr},
    {29, 28, 0, "LOG-MC", "Magazyn Centralny", "Magazyn Centralny", nullptr},
    {30, 29, 1, "LOG-MC-01", "Kierownik magazynu", "Kierownik magazynu", nullptr},
    {31, 29, 1, "LOG-MC-02", "Magazynier", "Magazynier", nullptr},
    {32, 29, 1, "LOG-MC-03", "Operator wózka", "Operator wózka widłowego", nullptr},
    {33, 28, 0, "LOG-TR", "Sekcja Transportu", "Sekcja Transportu", nullptr},
    {34, 33, 1, "LOG-TR-01", "Kierowca", "Kierowca samochodu ciężarowego", nullptr},
    {35, 1, 0, "OKW", "Oddział Kamionna Wola", "Oddział w Kamionnej Woli", "2012-04-01"},
    {36, 35, 1, "OKW-01", "Kierownik Oddziału", "Kierownik Oddziału", "2012-04-01"},
    {37, 35, 0, "OKW-PS", "Punkt Serwisowy", "Punkt Serwisowy Pojazdów Ciężarowych", "2012-04-01"},
    {38, 37, 1, "OKW-PS-01", "Mechanik serwisowy", "Mechanik samochodów ciężarowych", "2012-04-01"},
};

const char* const kFutureUnit = "ZP-LAK";
const char* const kDeletedUnit = "ZP-KJ";
constexpr int kFutureDays = 75;    // the future unit is created this many days after the demo
constexpr int kDeletedDays = 240;  // the deleted unit went this many days before it

QString firmNip() { return withNipCheck(QStringLiteral("779301452")); }
QString firmRegon() { return withRegonCheck(QStringLiteral("63128754")); }

QDateTime dateOf(const char* text) {
    return dates::midnight(QDate::fromString(QString::fromLatin1(text), Qt::ISODate));
}

int levelOf(int id) {
    for (const auto& e : kStructure)
        if (e.id == id) return e.parent == 0 ? 0 : levelOf(e.parent) + 1;
    return 0;
}

bool inBranch(int id) {
    for (const auto& e : kStructure)
        if (e.id == id) return e.id == 35 || (e.parent != 0 && inBranch(e.parent));
    return false;
}

void loadStructure(DemoWriter& w) {
    int positions = 0;
    for (const auto& e : kStructure) {
        const Address& a = inBranch(e.id) ? kBranch : kSeat;
        QDateTime created = dateOf(e.created ? e.created : kFounded);
        QVariant deleted;
        int isDeleted = 0;
        if (qstrcmp(e.code, kFutureUnit) == 0) created = dates::midnight(w.today().addDays(kFutureDays));
        if (qstrcmp(e.code, kDeletedUnit) == 0) {
            isDeleted = 1;
            deleted = dates::midnight(w.today().addDays(-kDeletedDays));
        }
        w.insert(QStringLiteral("OSTRUKT"),
                 Params{{"ID", e.id}, {"IDRODZSTRUKT", e.parent}, {"NRPOZ", levelOf(e.id)}, {"TYPSTRUKT", e.type},
                        {"SKROTNAZWA", e.shortName}, {"KOD", e.code}, {"NAZWA", e.name},
                        {"GMINA", a.town}, {"MIEJSCOW", a.town}, {"ADRES", a.street}, {"KODPOCZ", a.postcode},
                        {"TELEFON", inBranch(e.id) ? "44 718 20 15" : "62 741 30 00"},
                        {"FAX", inBranch(e.id) ? "44 718 20 16" : "62 741 30 01"},
                        {"NIP", firmNip()}, {"NRREGON", firmRegon()}, {"KODEKD", "25.62.Z"},
                        {"NRPIS", "PIS/12/2004"}, {"BRANZAKGN", "0209"}, {"USUNIETY", isDeleted},
                        {"DATAUTW", created}, {"DATAUSUN", deleted},
                        {"EMAIL", inBranch(e.id) ? "serwis@zm-modrzewo.com.pl" : "biuro@zm-modrzewo.com.pl"},
                        {"PLIKLOGO", e.parent == 0 ? "logo_zmm.bmp" : ""}});
        if (e.type == 1)
            w.insert(QStringLiteral("OSTANOW"),
                     Params{{"ID", ++positions}, {"IDSTRUKT", e.id}, {"NAZWA", e.name}, {"DATAZM", created}});
    }
    w.describe(QStringLiteral("OSTRUKT"), QStringLiteral("Pokazowa struktura organizacyjna firmy ZM Modrzewo"));
    w.describe(QStringLiteral("OSTANOW"), QStringLiteral("Stanowiska pracy pokazowej struktury"));
}

// A person of the demo firm and the first of its employments.
struct Person {
    const char* surname;
    const char* firstName;
    const char* father;
    int sex;  // 1 man, 2 woman
    const char* born;
    int serial;  // free digits of the PESEL
    const char* birthplace;
    const char* town;
    const char* postcode;
    const char* province;
    const char* street;
    const char* house;
    const char* flat;
    const char* idCardSeries;
    int idCardNumber;
    const char* position;    // code of the position (OSTRUKT.KOD)
    const char* occupation;  // code of the occupation of edition 4
    int contract;            // SKWUMOWY.ID
    const char* employed;
    const char* trainings;   // SZKWSTEPNE, SZKINSTR, SZKPODST, SZKOKRES
};

const Person kPersons[] = {
    {"Wróblewski", "Andrzej", "Stanisław", 1, "1964-03-22", 4315, "Poznań", "Modrzewo", "63-740", "wielkopolskie", "Lipowa", "5", "", "AKW", 31864, "ZAR-01", "112017", 1, "2004-05-01", "tttt"},
    {"Kaczmarek", "Elżbieta", "Józef", 2, "1971-11-08", 1208, "Kalisz", "Modrzewo", "63-740", "wielkopolskie", "Słoneczna", "12", "4", "AYD", 45120, "ZAR-KP-01", "121201", 1, "2006-02-01", "tttt"},
    {"Zielińska", "Monika", "Henryk", 2, "1989-06-17", 5602, "Leszno", "Borowiec Mały", "63-741", "wielkopolskie", "Polna", "7", "", "CBN", 20377, "ZAR-KP-02", "242307", 1, "2015-09-01", "ttnt"},
    {"Pawlak", "Tomasz", "Ryszard", 1, "1982-01-30", 7731, "Konin", "Modrzewo", "63-740", "wielkopolskie", "Os. Kwiatowe", "3", "18", "AZR", 60912, "ZAR-BHP-01", "229103", 1, "2011-04-01", "tttt"},
    {"Sikora", "Grzegorz", "Edward", 1, "1975-09-14", 2859, "Gniezno", "Lipnica Zielona", "63-745", "wielkopolskie", "Kościelna", "22", "", "ASE", 11475, "ZP-01", "132103", 1, "2008-03-01", "tttt"},
    {"Lewandowski", "Piotr", "Jan", 1, "1986-05-03", 6117, "Modrzewo", "Modrzewo", "63-740", "wielkopolskie", "Ogrodowa", "9", "", "CDL", 38250, "ZP-WOM-01", "722314", 1, "2010-07-01", "ttnt"},
    {"Dudek", "Krzysztof", "Marian", 1, "1969-12-19", 3093, "Września", "Borowiec Mały", "63-741", "wielkopolskie", "Leśna", "2", "", "AHT", 27413, "ZP-WOM-02", "722301", 1, "2005-01-10", "tttt"},
    {"Mazur", "Kamil", "Wojciech", 1, "1996-08-25", 8151, "Modrzewo", "Modrzewo", "63-740", "wielkopolskie", "Krótka", "4", "2", "DBF", 50736, "ZP-WOM-CNC-01", "722308", 2, "2019-02-01", "ttnt"},
    {"Wojciechowski", "Rafał", "Andrzej", 1, "1991-02-11", 9375, "Ostrów Wielkopolski", "Lipnica Zielona", "63-745", "wielkopolskie", "Szkolna", "15", "", "CGM", 72204, "ZP-WOM-CNC-02", "722315", 1, "2016-09-01", "tttt"},
    {"Krawczyk", "Dariusz", "Zenon", 1, "1978-07-07", 1457, "Piła", "Modrzewo", "63-740", "wielkopolskie", "Kolejowa", "31", "", "ATB", 15988, "ZP-SP-01", "721204", 1, "2009-05-04", "tttt"},
    {"Jabłoński", "Łukasz", "Tadeusz", 1, "1987-10-29", 6039, "Jarocin", "Modrzewo", "63-740", "wielkopolskie", "Wiejska", "6", "", "CPK", 43061, "ZP-SP-02", "721404", 1, "2013-03-01", "tttt"},
    {"Górski", "Sławomir", "Bogdan", 1, "1973-04-16", 2575, "Koło", "Modrzewo", "63-740", "wielkopolskie", "Zielona", "17", "3", "AMW", 80342, "ZP-UR-01", "723307", 1, "2007-08-01", "tttt"},
    {"Michalak", "Bartosz", "Leszek", 1, "1993-03-09", 4791, "Turek", "Borowiec Mały", "63-741", "wielkopolskie", "Spokojna", "8", "", "DAR", 19623, "ZP-UR-02", "741207", 2, "2017-06-01", "ttnn"},
    {"Nowicka", "Agnieszka", "Roman", 2, "1984-12-02", 3320, "Modrzewo", "Modrzewo", "63-740", "wielkopolskie", "Różana", "3", "", "CEJ", 64458, "ZP-KJ-01", "311937", 1, "2012-10-01", "tttt"},
    {"Kubiak", "Joanna", "Waldemar", 2, "1980-08-21", 5146, "Środa Wielkopolska", "Modrzewo", "63-740", "wielkopolskie", "Długa", "40", "7", "AXU", 33917, "LOG-MC-01", "132404", 1, "2009-01-05", "tttt"},
    {"Szymański", "Marcin", "Kazimierz", 1, "1990-01-13", 7013, "Modrzewo", "Lipnica Zielona", "63-745", "wielkopolskie", "Młyńska", "11", "", "CLT", 57081, "LOG-MC-02", "432103", 1, "2014-04-01", "ttnt"},
    {"Baran", "Paweł", "Jerzy", 1, "1985-06-28", 2237, "Słupca", "Modrzewo", "63-740", "wielkopolskie", "Parkowa", "2", "10", "CAZ", 26590, "LOG-MC-03", "834401", 1, "2012-02-01", "tttt"},
    {"Wilk", "Jarosław", "Czesław", 1, "1977-10-05", 8599, "Pleszew", "Borowiec Mały", "63-741", "wielkopolskie", "Sportowa", "19", "", "ARF", 70245, "LOG-TR-01", "833203", 1, "2010-09-01", "tttt"},
    {"Czarnecka", "Katarzyna", "Mirosław", 2, "1979-04-27", 1684, "Łódź", "Kamionna Wola", "97-412", "łódzkie", "Sadowa", "6", "", "AUP", 48802, "OKW-01", "132103", 1, "2012-04-01", "tttt"},
    {"Ostrowski", "Mateusz", "Dariusz", 1, "2001-07-15", 4417, "Kamionna Wola", "Kamionna Wola", "97-412", "łódzkie", "Dworcowa", "8", "1", "DKB", 31277, "OKW-PS-01", "723104", 2, "2021-09-01", "ttnn"},
    {"Kalinowska", "Ewa", "Stefan", 2, "1995-11-30", 6268, "Modrzewo", "Modrzewo", "63-740", "wielkopolskie", "Akacjowa", "21", "", "DGS", 12954, "ZAR-02", "412001", 2, "2018-01-02", "ttnt"},
};

// Employments beside the first: a second current one, and the end of one.
const char* const kSecondJobOf = "Jabłoński";
const char* const kSecondJobPosition = "ZP-UR-01";
const char* const kSecondJobOccupation = "723307";
const char* const kSecondJobFrom = "2021-03-01";
const char* const kEndedJobOf = "Nowicka";

int structureId(const char* code) {
    for (const auto& e : kStructure)
        if (qstrcmp(e.code, code) == 0) return e.id;
    throw DbError(QStringLiteral("Brak elementu struktury %1.").arg(QString::fromLatin1(code)));
}

int occupationId(DemoWriter& w, const char* code) {
    const QVariant v = w.db().scalar(QStringLiteral("SELECT ID FROM DNEWZAWODY2021 WHERE KOD = :k AND NRPOZ = 4"),
                                     Params{{"k", QString::fromLatin1(code)}});
    if (!v.isValid()) throw DbError(QStringLiteral("Brak zawodu %1.").arg(QString::fromLatin1(code)));
    return v.toInt();
}

void employ(DemoWriter& w, int id, int person, const char* position, const char* occupation, int contract,
            const QDateTime& from, const QVariant& until, const char* trainings) {
    const QString t = QString::fromLatin1(trainings);
    w.insert(QStringLiteral("OPRACOW"),
             Params{{"ID", id}, {"IDPRAC", person}, {"IDSTAN", structureId(position)},
                    {"IDZAWOD", occupationId(w, occupation)}, {"IDUMOWY", contract}, {"DATAZATR", from},
                    {"DATAZAK", until}, {"SZKWSTEPNE", t.mid(0, 1)}, {"SZKINSTR", t.mid(1, 1)},
                    {"SZKPODST", t.mid(2, 1)}, {"SZKOKRES", t.mid(3, 1)}});
}

void loadPersons(DemoWriter& w) {
    int person = 0;
    int job = 0;
    for (const auto& p : kPersons) {
        ++person;
        const QDate born = QDate::fromString(QString::fromLatin1(p.born), Qt::ISODate);
        w.insert(QStringLiteral("ODANOS"),
                 Params{{"IDOSOBY", person}, {"NAZWISKO", p.surname}, {"IMIE", p.firstName},
                        {"PESEL", pesel(born, p.sex, p.serial)}, {"PLEC", p.sex}, {"IMOJCA", p.father},
                        {"DATAUR", dates::midnight(born)}, {"MIEJSCEUR", p.birthplace}, {"KODPOCZ", p.postcode},
                        {"MIEJSCOW", p.town}, {"WOJEW", p.province}, {"ULICA", p.street}, {"NRUL", p.house},
                        {"NRMIESZ", p.flat}, {"TYPDOK", 1},
                        {"NRDOK", idCardNumber(QString::fromLatin1(p.idCardSeries), p.idCardNumber)},
                        {"TYPPRAC", 1}});
        QVariant until;
        if (qstrcmp(p.surname, kEndedJobOf) == 0) until = dates::midnight(w.today().addDays(-kDeletedDays));
        employ(w, ++job, person, p.position, p.occupation, p.contract, dateOf(p.employed), until, p.trainings);
        if (qstrcmp(p.surname, kSecondJobOf) == 0)
            employ(w, ++job, person, kSecondJobPosition, kSecondJobOccupation, 2, dateOf(kSecondJobFrom), QVariant(),
                   p.trainings);
    }
    w.describe(QStringLiteral("ODANOS"), QStringLiteral("Osoby pokazowe (dane zmyślone)"));
    w.describe(QStringLiteral("OPRACOW"), QStringLiteral("Zatrudnienia osób pokazowych"));

    // Employees of the firm in the last years, for the statistical summaries.
    const int counts[] = {182, 188, 195, 201, 204};
    for (int i = 0; i < 5; ++i)
        w.insert(QStringLiteral("SKWZATRUDNIENIE"), Params{{"ROK", w.year() - 4 + i}, {"ILZATR", counts[i]}});
    w.describe(QStringLiteral("SKWZATRUDNIENIE"), QStringLiteral("Pokazowe liczby zatrudnionych w ostatnich latach"));
}

} // namespace

void loadOrganisation(DemoWriter& w) {
    loadStructure(w);
    loadPersons(w);
}

namespace {

struct Right {
    const char* column;
    int value;
};

// The rights of a clerk who may look at the register only, and of a safety
// specialist of the firm; every right not named is 0.
const Right kViewerRights[] = {{"AWYPADKI", 1}, {"AZAKL", 1}, {"AOSOB", 1}, {"AZAWODY", 1}, {"WSKWPROTPW", 2},
                               {"WZESTZBWYP", 2}, {"WZESTSTATW", 2}, {"WWYDRZAL", 1}, {"AOSOBWYSW", 1}};
const Right kSpecialistRights[] = {{"AWYPADKI", 2}, {"AZAKL", 1}, {"AOSOB", 1}, {"AZAWODY", 1},
                                   {"WSKWPROTPW", 2}, {"WZESTZBWYP", 2}, {"WZESTSTATW", 2}, {"WWYDRZAL", 1},
                                   {"ABLOKWYPADKI", 2}, {"LOBIEG", 2}, {"AOSOBWYSW", 0}};

struct Account {
    const char* firstName;
    const char* surname;
};
const Account kAccounts[] = {{"Tomasz", "Pawlak"}, {"Halina", "Urbańska"}, {"Renata", "Wiśniewska"}};

void addUser(DemoWriter& w, int id, const DemoUser& u, const Account& a) {
    Params p{{"id", id}, {"nazwa", QString::fromLatin1(u.name)}, {"imie", a.firstName},
             {"nazwisko", a.surname}, {"zmiana", dates::midnight(w.today())}};
    const QString haslo = passwordExpression(EncodePassword(QString::fromLatin1(u.password)), p);
    w.db().execute(QStringLiteral("INSERT INTO APRAWADOSTEPU (ID, NAZWAUZYTK, IMIE, NAZWISKO, HASLO, ZMIANAHASLA) "
                                  "VALUES (:id, :nazwa, :imie, :nazwisko, %1, :zmiana)").arg(haslo),
                   p);
    w.wrote(QStringLiteral("APRAWADOSTEPU"));
}

void setRights(DemoWriter& w, int user, const QStringList& columns, int value) {
    QStringList sets;
    for (const QString& c : columns) sets << c + QStringLiteral(" = :v");
    w.db().execute(QStringLiteral("UPDATE APRAWADOSTEPU SET %1 WHERE ID = :id").arg(sets.join(", ")),
                   Params{{"v", value}, {"id", user}});
}

void setRights(DemoWriter& w, int user, const Right* begin, const Right* end) {
    for (const Right* r = begin; r != end; ++r) setRights(w, user, {QString::fromLatin1(r->column)}, r->value);
}

// Every rights column.
QStringList rightsColumns() {
    QStringList out;
    for (const char* name : TPrawaDostepu::names()) out << QString::fromLatin1(name);
    return out;
}

} // namespace

void loadUsers(DemoWriter& w) {
    const int admin = 1, viewer = 2, specialist = 3;
    for (int i = 0; i < int(kDemoUsers.size()); ++i) addUser(w, i + 1, kDemoUsers[size_t(i)], kAccounts[i]);
    setRights(w, admin, rightsColumns(), 2);
    setRights(w, viewer, std::begin(kViewerRights), std::end(kViewerRights));
    setRights(w, specialist, std::begin(kSpecialistRights), std::end(kSpecialistRights));
    w.describe(QStringLiteral("APRAWADOSTEPU"), QStringLiteral("Użytkownicy pokazowi: admin, inspektor, specjalista"));

    w.insert(QStringLiteral("ADOSTEPSTRUKT"), Params{{"IDUZYTK", specialist}, {"IDSTRUKT", structureId("LOG-TR")}});
    w.describe(QStringLiteral("ADOSTEPSTRUKT"), QStringLiteral("Sekcja Transportu niedostępna dla użytkownika specjalista"));

    // Registers: the firm's and the branch's; a negative id marks the default one.
    w.insertRows(QStringLiteral("SKWREJESTR"), {QStringLiteral("ID"), QStringLiteral("SYMBOL"), QStringLiteral("NAZWA"), QStringLiteral("IDSTRUKT")},
                 QStringLiteral("1|RW-ZMM|Rejestr wypadków ZM Modrzewo|%1\n2|RW-OKW|Rejestr wypadków Oddziału Kamionna Wola|%2")
                     .arg(structureId("ZMM")).arg(structureId("OKW")));
    w.describe(QStringLiteral("SKWREJESTR"), QStringLiteral("Rejestry pokazowe: zakładu i oddziału"));
    w.insertRows(QStringLiteral("ADOSTEPSKWREJESTR"), {QStringLiteral("IDUZYTK"), QStringLiteral("IDREJESTR")},
                 QStringLiteral("%1|-1\n%1|2\n%2|-1\n%3|-1\n%3|2").arg(admin).arg(viewer).arg(specialist));
    w.describe(QStringLiteral("ADOSTEPSKWREJESTR"), QStringLiteral("Rejestry użytkowników pokazowych (ujemny: domyślny)"));

    // Document circulation of the protocol, the statistical card and the accident
    // card: the author starts it, the approver confirms it.
    w.insertRows(QStringLiteral("LTYPDOK"), {QStringLiteral("ID"), QStringLiteral("SKROT"), QStringLiteral("NAZWA")},
                 QStringLiteral(R"(
        1|WypProt|Protokół ustalenia okoliczności i przyczyn wypadku przy pracy
        2|WypSkw|Statystyczna karta wypadku przy pracy
        3|WypKart|Karta wypadku
        4|WypRej|Karta rejestru wypadków
        5|WypDrogaKartWyp|Karta wypadku w drodze do pracy lub z pracy)"));
    w.insertRows(QStringLiteral("LOBIEGDOK"), {QStringLiteral("ID"), QStringLiteral("ID_1"), QStringLiteral("IDTYPDOK"), QStringLiteral("IDROLI"), QStringLiteral("STANOBIEKT")},
                 QStringLiteral(R"(
        1|2|1|1|1
        2|0|1|2|2
        3|4|2|1|1
        4|0|2|2|2
        5|6|3|1|1
        6|0|3|2|2)"));
    w.insertRows(QStringLiteral("LROLEOSOBY"), {QStringLiteral("IDROLI"), QStringLiteral("IDOSOBY")},
                 QStringLiteral("1|%1\n2|%1\n1|%2").arg(admin).arg(specialist));
    w.describe(QStringLiteral("LTYPDOK"), QStringLiteral("Rodzaje dokumentów obiegu pokazowego"));
    w.describe(QStringLiteral("LOBIEGDOK"), QStringLiteral("Obieg pokazowy: sporządzenie (rola 1) i zatwierdzenie (rola 2)"));
    w.describe(QStringLiteral("LROLEOSOBY"), QStringLiteral("Role obiegu: admin sporządza i zatwierdza, specjalista sporządza"));
}

} // namespace zort::demo
