// A seeded random walk through the register of accidents at work: a few hundred
// steps a user could take (adding, typing, saving, deleting, switching pages,
// choosing rows, changing the year), and after every step the database compared
// with a model of what the steps must have left there.
//
// A failure names its seed; ZORT_WALK_SEED=N replays that seed alone and
// ZORT_WALK_STEPS=M sets the number of steps.
#include "MainWindowFixture.h"

#include "admin/AdmDictionaryPages.h"
#include "admin/AdmForm.h"
#include "attachments/ZalacznikiForm.h"
#include "card/SKWForm.h"
#include "db/Dataset.h"
#include "protocol/ProtPowForm.h"
#include "support/ModalDriver.h"

#include <QAction>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace zort;
using namespace zort::test;

namespace {

// --- The register the walk starts from --------------------------------------------

struct SeedPerson {
    int id;
    int card;      // NUMERKARTY
    int protocol;  // NUMERPROT
    int contract;  // RODZUMOWY, 0 for none chosen yet
    const char* surname;
    const char* firstName;
    const char* fathersName;  // null: not given
};

struct SeedAccident {
    int id;
    int number;
    QDateTime date;
    QDate registered;
    const char* place;
    const char* symbol;
    std::vector<SeedPerson> persons;
};

// Two registers: 2024 (the year of the fixed clock) and 2023. Accident 5 happened on
// the last evening of 2023 and was registered in 2024: its persons carry numbers of
// the 2023 series, while a person added to it in 2024 gets the next 2024 number.
// Card and protocol numbers differ, so that one cannot pass for the other.
const std::vector<SeedAccident>& seedAccidents() {
    static const std::vector<SeedAccident> accidents = {
        {1, 1, QDateTime(QDate(2024, 1, 15), QTime(8, 30)), QDate(2024, 1, 16), "Hala montażu", "M",
         {{1, 1, 1, 1, "Kowalski", "Jan", "Adam"}, {2, 2, 2, 1, "Nowak", "Anna", "Piotr"}}},
        {2, 2, QDateTime(QDate(2024, 2, 3), QTime(13, 10)), QDate(2024, 2, 5), "Magazyn", "",
         {{3, 3, 3, 2, "Wiśniewski", "Łukasz", "Józef"}}},
        {5, 3, QDateTime(QDate(2023, 12, 31), QTime(22, 0)), QDate(2024, 1, 2), "Parking", "P-2",
         {{7, 21, 11, 1, "Zieliński", "Tomasz", "Jerzy"},
          {8, 22, 12, 2, "Dąbrowska", "Ewa", "Marian"},
          {9, 23, 13, 0, "Lewandowski", "Marek", nullptr}}},
        {4, 4, QDateTime(QDate(2024, 3, 20), QTime(6, 45)), QDate(2024, 3, 21), "Kotłownia", "",
         {{6, 4, 4, 0, "Wójcik", "Zofia", "Stefan"}}},
        {3, 1, QDateTime(QDate(2023, 3, 1), QTime(9, 0)), QDate(2023, 3, 2), "Warsztat", "W",
         {{4, 19, 9, 1, "Kamiński", "Paweł", "Roman"}, {5, 20, 10, 1, "Kaczmarek", "Ewa", "Jan"}}},
        {6, 2, QDateTime(QDate(2023, 7, 7), QTime(14, 20)), QDate(2023, 7, 8), "Rampa", "",
         {{10, 24, 14, 2, "Mazur", "Piotr", "Henryk"}}},
    };
    return accidents;
}

QVariant textOrNull(const char* s) { return s ? QVariant(QString::fromUtf8(s)) : QVariant(); }

void insertSeedRegister(Connection& c) {
    c.execute(QStringLiteral("INSERT INTO SKWZESPPOWYPADKOWY (ID, IMNAZW, FUNKCJA) VALUES (1, 'Jan Kowalski', 'Przewodniczący')"));
    const QDateTime taken(QDate(2024, 5, 1), QTime(7, 0));
    for (const SeedAccident& a : seedAccidents()) {
        const int persons = int(a.persons.size());
        c.execute(QStringLiteral(
                      "INSERT INTO SKWWYPADKI (ID, SYMBOLWYP, NUMER, DATA, WYPIZ, WYPUB, POSZKODOWANI, STRATYZL, "
                      "STRATYCZASU, IDMIEJSCA, MIEJSCEWYP, DATAZGMIN, BLOK, COMPNAME, CZASROZP, CZASZAK, WERSJASKW, "
                      "DATAREJWYP) VALUES (:ID, :SYMBOL, :NUMER, :DATA, :WYPIZ, 1, :POSZK, 0.0, 0, '0', :MIEJSCE, "
                      ":DATAZGMIN, 0, 'STACJA-A', :ROZP, :ZAK, 5, :DATAREJ)"),
                  Params{{"ID", a.id},
                         {"SYMBOL", QString::fromUtf8(a.symbol)},
                         {"NUMER", a.number},
                         {"DATA", a.date},
                         {"WYPIZ", persons >= 2 ? 1 : 0},
                         {"POSZK", persons},
                         {"MIEJSCE", QString::fromUtf8(a.place)},
                         {"DATAZGMIN", QDateTime(a.registered, QTime(0, 0))},
                         {"ROZP", taken},
                         {"ZAK", taken},
                         {"DATAREJ", QDateTime(a.registered, QTime(0, 0))}});
        for (const SeedPerson& p : a.persons)
            c.execute(QStringLiteral(
                          "INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERKARTY, NUMERPROT, RODZUMOWY, NAZWISKO, "
                          "IMIE, IMOJCA, SZKWSTEPNE, SZKINSTR, SZKPODST, SZKOKRES, TYPPOSZK, PLEC, STAZ, DATAZG, "
                          "GODZPRACY, DNINIEZD, DNINIEZDR, TYPWYP, SpKrytJedn, FORMWYP, FORMAPRACY) VALUES (:ID, "
                          ":IDWYPADKU, :NUMERKARTY, :NUMERPROT, :RODZUMOWY, :NAZWISKO, :IMIE, :IMOJCA, 'n', 'n', 'n', "
                          "'n', 0, 1, 0, :DATAZG, 0, 0, 0, 0, 1, 1, 1)"),
                      Params{{"ID", p.id},
                             {"IDWYPADKU", a.id},
                             {"NUMERKARTY", p.card},
                             {"NUMERPROT", p.protocol},
                             {"RODZUMOWY", p.contract ? QVariant(p.contract) : QVariant()},
                             {"NAZWISKO", textOrNull(p.surname)},
                             {"IMIE", textOrNull(p.firstName)},
                             {"IMOJCA", textOrNull(p.fathersName)},
                             {"DATAZG", QDateTime(a.registered, QTime(0, 0))}});
    }
}

// --- The fields the walk types into ------------------------------------------------

struct TypedField {
    const char* control;
    bool accident;  // a column of the accident row, otherwise of the injured person
    const char* column;
};

constexpr TypedField kTypedFields[] = {
    {"epNazwisko", false, "NAZWISKO"}, {"epImie", false, "IMIE"},         {"epImOjca", false, "IMOJCA"},
    {"ewMiejsceWyp", true, "MIEJSCEWYP"}, {"ewSymbolWyp", true, "SYMBOLWYP"},
};

const QStringList kAccidentTexts{QStringLiteral("MIEJSCEWYP"), QStringLiteral("SYMBOLWYP"), QStringLiteral("POLOZGEOGR")};
const QStringList kPersonTexts{QStringLiteral("NAZWISKO"), QStringLiteral("IMIE"), QStringLiteral("IMOJCA")};

// Short texts with Polish letters; at most ten characters, the width of the symbol.
const char* const kWords[] = {"Łąka", "Żółw", "Gęś", "Ćma", "Źrebię", "Świt", "Kowal", "Nowa", "Jaś", "Ołówek"};

// --- The model ----------------------------------------------------------------------

using Texts = std::map<QString, QString>;  // column -> value; null is ""

struct ModelAccident {
    int number = 0;
    int persons = 0;
    int wypiz = 0;
    int dateYear = 0;        // year of DATA: the series of its persons' numbers
    int registeredYear = 0;  // year of DATAREJWYP: the register it is listed in
    Texts texts;
};

struct ModelPerson {
    int accident = 0;
    int card = 0;
    int protocol = 0;
    Texts texts;
};

// What a correct program leaves in the database.
struct Model {
    std::map<int, ModelAccident> accidents;
    std::map<int, Texts> commuting;  // commuting accidents: SYMBOLWYP, NAZWISKO
    std::map<int, ModelPerson> persons;
    // The function of the post-accident team's member, edited in the administration window.
    QString teamFunction = QStringLiteral("Przewodniczący");
    // Typed and not yet saved, by record id.
    std::map<int, Texts> typedAccident;
    std::map<int, Texts> typedPerson;

    static Model fromSeed() {
        Model m;
        for (const SeedAccident& a : seedAccidents()) {
            ModelAccident& ma = m.accidents[a.id];
            ma.number = a.number;
            ma.persons = int(a.persons.size());
            ma.wypiz = ma.persons >= 2 ? 1 : 0;
            ma.dateYear = a.date.date().year();
            ma.registeredYear = a.registered.year();
            ma.texts = {{QStringLiteral("MIEJSCEWYP"), QString::fromUtf8(a.place)},
                        {QStringLiteral("SYMBOLWYP"), QString::fromUtf8(a.symbol)}};
            for (const SeedPerson& p : a.persons) {
                ModelPerson& mp = m.persons[p.id];
                mp.accident = a.id;
                mp.card = p.card;
                mp.protocol = p.protocol;
                mp.texts = {{QStringLiteral("NAZWISKO"), textOrNull(p.surname).toString()},
                            {QStringLiteral("IMIE"), textOrNull(p.firstName).toString()},
                            {QStringLiteral("IMOJCA"), textOrNull(p.fathersName).toString()}};
            }
        }
        return m;
    }

    int countPersons(int accident) const {
        int n = 0;
        for (const auto& [id, p] : persons) n += p.accident == accident;
        return n;
    }

    int addPerson(int accident, int year) {
        int id = 0, card = 0, protocol = 0;
        for (const auto& [pid, p] : persons) {
            id = std::max(id, pid);
            if (accidents.at(p.accident).dateYear == year) {
                card = std::max(card, p.card);
                protocol = std::max(protocol, p.protocol);
            }
        }
        ModelPerson& p = persons[id + 1];
        p.accident = accident;
        p.card = card + 1;
        p.protocol = protocol + 1;
        ModelAccident& a = accidents.at(accident);
        a.persons = countPersons(accident);
        if (a.persons == 2) a.wypiz = 1;
        return id + 1;
    }

    int addAccident(int year) {
        int id = 0, number = 0;
        for (const auto& [aid, a] : accidents) {
            id = std::max(id, aid);
            if (a.registeredYear == year) number = std::max(number, a.number);
        }
        ModelAccident& a = accidents[id + 1];
        a.number = number + 1;
        a.dateYear = year;
        a.registeredYear = year;
        a.texts = {{QStringLiteral("MIEJSCEWYP"), QStringLiteral("Brak danych")}};
        addPerson(id + 1, year);
        a.persons = 1;
        a.wypiz = 0;
        return id + 1;
    }

    void deletePerson(int id) {
        const int accident = persons.at(id).accident;
        persons.erase(id);
        ModelAccident& a = accidents.at(accident);
        a.persons = countPersons(accident);
        if (a.persons == 1) a.wypiz = 0;
    }

    void deleteAccident(int id) {
        for (auto it = persons.begin(); it != persons.end();)
            it = it->second.accident == id ? persons.erase(it) : std::next(it);
        accidents.erase(id);
    }

    // A save of the record on the pages: what was typed reaches its own rows.
    void save() {
        for (const auto& [id, texts] : typedAccident)
            if (accidents.count(id))
                for (const auto& [column, text] : texts) accidents[id].texts[column] = text;
        for (const auto& [id, texts] : typedPerson)
            if (persons.count(id))
                for (const auto& [column, text] : texts) persons[id].texts[column] = text;
        forgetTyped();
    }

    void forgetTyped() {
        typedAccident.clear();
        typedPerson.clear();
    }
};

std::string str(const QString& s) { return s.toStdString(); }

std::string idList(const std::set<int>& ids) {
    std::string out;
    for (int id : ids) out += (out.empty() ? "" : ",") + std::to_string(id);
    return out;
}

// The database against the model: one line per difference, none when they agree.
std::vector<std::string> compare(Connection& c, const Model& m) {
    std::vector<std::string> diffs;
    auto same = [&](const std::string& what, const QString& db, const QString& model) {
        if (db != model) diffs.push_back(what + ": database '" + str(db) + "', model '" + str(model) + "'");
    };
    auto text = [](const Field& f) { return f.isNull() ? QString() : f.asString(); };
    auto number = [](const Field& f) { return f.isNull() ? QStringLiteral("null") : QString::number(f.asInt()); };

    Dataset a(&c, QStringLiteral("SELECT ID, NUMER, POSZKODOWANI, WYPIZ, MIEJSCEWYP, SYMBOLWYP, POLOZGEOGR FROM SKWWYPADKI "
                                 "ORDER BY ID"));
    a.open();
    std::set<int> dbAccidents, modelAccidents;
    for (const auto& [id, _] : m.accidents) modelAccidents.insert(id);
    for (int row = 0; row < a.recordCount(); ++row) {
        const int id = int(a.fieldAt(row, "ID").asInt());
        dbAccidents.insert(id);
        const auto it = m.accidents.find(id);
        if (it == m.accidents.end()) continue;
        const ModelAccident& ma = it->second;
        const std::string what = "accident " + std::to_string(id);
        same(what + " NUMER", number(a.fieldAt(row, "NUMER")), QString::number(ma.number));
        same(what + " POSZKODOWANI", number(a.fieldAt(row, "POSZKODOWANI")), QString::number(ma.persons));
        same(what + " WYPIZ", number(a.fieldAt(row, "WYPIZ")), QString::number(ma.wypiz));
        for (const QString& col : kAccidentTexts)
            same(what + " " + str(col), text(a.fieldAt(row, col)), ma.texts.count(col) ? ma.texts.at(col) : QString());
    }
    if (dbAccidents != modelAccidents)
        diffs.push_back("accident ids: database {" + idList(dbAccidents) + "}, model {" + idList(modelAccidents) + "}");

    Dataset p(&c, QStringLiteral("SELECT ID, IDWYPADKU, NUMERKARTY, NUMERPROT, NAZWISKO, IMIE, IMOJCA FROM SKWPOSZKODOWANI "
                                 "ORDER BY ID"));
    p.open();
    std::set<int> dbPersons, modelPersons;
    for (const auto& [id, _] : m.persons) modelPersons.insert(id);
    for (int row = 0; row < p.recordCount(); ++row) {
        const int id = int(p.fieldAt(row, "ID").asInt());
        dbPersons.insert(id);
        const auto it = m.persons.find(id);
        if (it == m.persons.end()) continue;
        const ModelPerson& mp = it->second;
        const std::string what = "person " + std::to_string(id);
        same(what + " IDWYPADKU", number(p.fieldAt(row, "IDWYPADKU")), QString::number(mp.accident));
        same(what + " NUMERKARTY", number(p.fieldAt(row, "NUMERKARTY")), QString::number(mp.card));
        same(what + " NUMERPROT", number(p.fieldAt(row, "NUMERPROT")), QString::number(mp.protocol));
        for (const QString& col : kPersonTexts)
            same(what + " " + str(col), text(p.fieldAt(row, col)), mp.texts.count(col) ? mp.texts.at(col) : QString());
    }
    if (dbPersons != modelPersons)
        diffs.push_back("person ids: database {" + idList(dbPersons) + "}, model {" + idList(modelPersons) + "}");
    Dataset d(&c, QStringLiteral("SELECT ID, SYMBOLWYP, NAZWISKO FROM SKWWYPADKIWDRODZE ORDER BY ID"));
    d.open();
    std::set<int> dbCommuting, modelCommuting;
    for (const auto& [id, _] : m.commuting) modelCommuting.insert(id);
    for (int row = 0; row < d.recordCount(); ++row) {
        const int id = int(d.fieldAt(row, "ID").asInt());
        dbCommuting.insert(id);
        const auto it = m.commuting.find(id);
        if (it == m.commuting.end()) continue;
        for (const char* col : {"SYMBOLWYP", "NAZWISKO"}) {
            const QString column = QString::fromLatin1(col);
            same("commuting " + std::to_string(id) + " " + col, text(d.fieldAt(row, column)),
                 it->second.count(column) ? it->second.at(column) : QString());
        }
    }
    if (dbCommuting != modelCommuting)
        diffs.push_back("commuting ids: database {" + idList(dbCommuting) + "}, model {" + idList(modelCommuting) + "}");
    same("team function", c.scalar(QStringLiteral("SELECT FUNKCJA FROM SKWZESPPOWYPADKOWY WHERE ID = 1")).toString(),
         m.teamFunction);
    return diffs;
}

int envInt(const char* name, int fallback) {
    const QByteArray v = qgetenv(name);
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok ? n : fallback;
}

// The seeds CI runs; ZORT_WALK_SEED replaces them with one.
std::vector<unsigned> walkSeeds() {
    const QByteArray v = qgetenv("ZORT_WALK_SEED");
    bool ok = false;
    const unsigned seed = v.toUInt(&ok);
    if (ok) return {seed};
    return {20240510u, 7u, 4242u};
}

// --- The fixture --------------------------------------------------------------------

class RandomWalkTest : public MainWindowTest {
protected:
    void beforeWindow() override { insertSeedRegister(c()); }
    // The real document windows instead of the fixture's stand-ins.
    void SetUp() override {
        MainWindowTest::SetUp();
        for (const char* name : kRealWindows) DocumentWindows::remove(QString::fromLatin1(name));
        registerAttachmentWindows();
        registerCardWindows();
        registerProtocolWindows();
        registerAdminWindows();
    }
    void TearDown() override {
        if (TZalacznikiForm* z = attachments()) z->reject();
        for (const char* name : kRealWindows) DocumentWindows::remove(QString::fromLatin1(name));
        MainWindowTest::TearDown();
    }
    static constexpr const char* kRealWindows[] = {"TZalacznikiForm", "TAdmForm_W", "TSKWForm_2", "TSKWForm_3", "TSKWForm_4",
                                                   "TSKWForm_5",      "TProtPowForm", "TProtPowForm_1",
                                                   "TProtPowForm_2",  "TProtPowForm_3"};
    static TZalacznikiForm* attachments() { return Forms::get<TZalacznikiForm>(QStringLiteral("TZalacznikiForm")); }
    bool attachmentsOpen() const { return attachments() && attachments()->isVisible(); }

    QTabWidget* subPagesAtWork() const { return w->subPages(Register::AtWork); }
    int subPage() const { return subPagesAtWork()->currentIndex(); }
    bool onList() const { return w->registers()->currentIndex() == 0 && subPage() == 0; }
    bool available(const char* action) const { return w->button(QString::fromLatin1(action))->isEnabled(); }
    QTableView* accidentList() const { return w->list(QStringLiteral("DBGridWypadki")); }
    QTableView* personList() const { return w->list(QStringLiteral("DBGridPoszkodowani")); }

    // The id of the row the list shows as chosen (0 when the list is empty).
    static int chosenId(QTableView* view, const Dataset* rows) {
        if (!rows->isOpen() || rows->isEmpty()) return 0;
        int row = view->currentIndex().row();
        if (row < 0 || row >= rows->recordCount()) row = rows->recNo();
        return int(rows->fieldAt(row, QStringLiteral("ID")).asInt());
    }
    int chosenAccident() const { return chosenId(accidentList(), dm->qrySKWWypadki); }
    int chosenPerson() const { return chosenId(personList(), dm->qrySKWPoszkodowani); }

    // Chooses a row of a list as a click does: through the view's selection.
    static void choose(QTableView* view, int row) {
        view->selectionModel()->setCurrentIndex(view->model()->index(row, 0),
                                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    static int rowOf(const Dataset* rows, int id) {
        for (int r = 0; r < rows->recordCount(); ++r)
            if (rows->fieldAt(r, QStringLiteral("ID")).asInt() == id) return r;
        return -1;
    }

    // Types a text into a field, replacing what it held, and leaves it.
    static void type(QLineEdit* e, const QString& text) {
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        // The test library knows the keys of ASCII characters only; a Polish letter
        // comes as the keyboard sends it, a key event with its text.
        for (const QChar ch : text) {
            if (ch.unicode() < 128) {
                QTest::keyClick(e, char(ch.unicode()));
                continue;
            }
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QCoreApplication::sendEvent(e, &press);
            QCoreApplication::sendEvent(e, &release);
        }
        QTest::keyClick(e, Qt::Key_Tab);
        e->clearFocus();
    }

    void walk(unsigned seed, int steps);
};

// --- One deterministic case -------------------------------------------------------

struct PersonRow {
    int card;
    int protocol;
    std::string surname;
    std::string firstName;
    std::string fathersName;
    bool operator==(const PersonRow&) const = default;
};

void PrintTo(const PersonRow& r, std::ostream* os) {
    *os << "{NUMERKARTY " << r.card << ", NUMERPROT " << r.protocol << ", " << r.surname << " " << r.firstName << " ("
        << r.fathersName << ")}";
}

PersonRow personRow(Connection& c, int id) {
    Dataset ds(&c, QStringLiteral("SELECT NUMERKARTY, NUMERPROT, NAZWISKO, IMIE, IMOJCA FROM SKWPOSZKODOWANI WHERE ID = :id"));
    ds.setParam(QStringLiteral("id"), id);
    ds.open();
    if (ds.isEmpty()) return {-1, -1, "(none)", "", ""};
    auto s = [&](const char* col) { return ds.field(QString::fromLatin1(col)).asString().toStdString(); };
    return {int(ds.field("NUMERKARTY").asInt()), int(ds.field("NUMERPROT").asInt()), s("NAZWISKO"), s("IMIE"), s("IMOJCA")};
}

TEST_F(RandomWalkTest, DeletingANewPersonLeavesTheOtherPersonAsItWas) {
    // Accident 2 of the register of 2024 with its one injured person, 3.
    const int row = rowOf(dm->qrySKWWypadki, 2);
    ASSERT_GE(row, 0);
    choose(accidentList(), row);
    ASSERT_EQ(2, chosenAccident());
    const PersonRow before = personRow(c(), 3);
    ASSERT_EQ((PersonRow{3, 3, "Wiśniewski", "Łukasz", "Józef"}), before);

    ASSERT_TRUE(available("DodPoszkBtn"));
    w->button("DodPoszkBtn")->trigger();
    const int added = value("SELECT MAX(ID) FROM SKWPOSZKODOWANI").toInt();
    ASSERT_EQ(11, added);
    EXPECT_EQ((PersonRow{5, 5, "", "", ""}), personRow(c(), added)) << "the next numbers of 2024";
    choose(personList(), rowOf(dm->qrySKWPoszkodowani, added));
    ASSERT_EQ(added, chosenPerson());

    ui.clear();
    ASSERT_TRUE(available("sbKasPoszkBtn"));
    w->button("sbKasPoszkBtn")->trigger();  // answered "Akceptuj"
    EXPECT_TRUE(ui.texts().contains(" Czy na pewno usunąć dane o poszkodowanym?")) << ui.texts().join('|').toStdString();
    EXPECT_EQ(0, value("SELECT COUNT(*) FROM SKWPOSZKODOWANI WHERE ID = :id", Params{{"id", added}}).toInt());
    EXPECT_EQ(before, personRow(c(), 3)) << "the person left must keep its data and numbers";
    EXPECT_EQ(1, value("SELECT POSZKODOWANI FROM SKWWYPADKI WHERE ID = 2").toInt());
    EXPECT_EQ(0, value("SELECT WYPIZ FROM SKWWYPADKI WHERE ID = 2").toInt());
}

// --- The walk -------------------------------------------------------------------------

enum class Step {
    AddAccident,
    AddPerson,
    Type,
    Save,
    DeletePerson,
    DeleteAccident,
    SubPage,
    PersonPage,
    ChooseAccident,
    ChoosePerson,
    ChangeYear,
    Attachments,         // "Załączn." from the list (modal) or from an entry page (not modal)
    CloseAttachments,    // "Zamknij" of the attachments shown beside the main window
    Card,                // "SKW": a place typed into the card, closed by "Zamknij" (which saves) or Esc
    Protocol,            // "Protokół": opened and closed
    RefusedThenDocument, // a number its column cannot take, then "Załączn.": refused, the number corrected
    TeamGrid,            // "Dodatki": the team member's function edited in its grid
    Commuting,           // to the commuting register: an accident added or chosen, a field typed on its
                         // pages, back to its list (which saves), and back to the accidents at work
};

struct Weighted {
    Step step;
    int weight;
};

// Deleting persons is frequent: it is where a wrong record is most easily written.
constexpr Weighted kWeights[] = {
    {Step::AddAccident, 2}, {Step::AddPerson, 5},   {Step::Type, 10},          {Step::Save, 3},
    {Step::DeletePerson, 5}, {Step::DeleteAccident, 1}, {Step::SubPage, 7},   {Step::PersonPage, 2},
    {Step::ChooseAccident, 3}, {Step::ChoosePerson, 3}, {Step::ChangeYear, 1},
    {Step::Attachments, 3},  {Step::CloseAttachments, 2}, {Step::Card, 2}, {Step::Protocol, 1},
    {Step::RefusedThenDocument, 1}, {Step::TeamGrid, 1}, {Step::Commuting, 2},
};

void RandomWalkTest::walk(unsigned seed, int steps) {
    // mt19937's output is the same everywhere; the draws below use it directly so
    // that a seed replays the same walk with any standard library.
    std::mt19937 rng(seed);
    auto pick = [&rng](int n) { return int(rng() % unsigned(n)); };

    Model model = Model::fromSeed();
    const QDateTime firstDate = dm->referenceDate();
    const int firstYear = firstDate.date().year();
    int year = firstYear;
    std::vector<std::string> done;
    std::map<int, int> taken;  // kind of step -> how often

    auto fail = [&](int n, const std::vector<std::string>& what) {
        std::ostringstream os;
        os << "seed=" << seed << " (replay with ZORT_WALK_SEED=" << seed << "), step " << n << "\nsteps:\n";
        for (const std::string& s : done) os << "  " << s << "\n";
        os << "differences:\n";
        for (const std::string& d : what) os << "  " << d << "\n";
        ADD_FAILURE() << os.str();
    };

    if (const auto diffs = compare(c(), model); !diffs.empty()) {
        fail(0, diffs);
        return;
    }

    for (int n = 1; n <= steps; ++n) {
        // What the user can do now.
        std::vector<QLineEdit*> fields;
        for (const TypedField& f : kTypedFields) {
            QLineEdit* e = edit(f.control);
            if (e && e->isVisible() && e->isEnabled() && !e->isReadOnly()) fields.push_back(e);
        }
        const bool list = onList();
        const int accidentRows = dm->qrySKWWypadki->isOpen() ? dm->qrySKWWypadki->recordCount() : 0;
        const int personRows = dm->qrySKWPoszkodowani->isOpen() ? dm->qrySKWPoszkodowani->recordCount() : 0;
        std::vector<int> personTabs;
        for (int i = 0; i < w->personPages()->count(); ++i)
            if (w->personPages()->isTabVisible(i) && i != w->personPages()->currentIndex()) personTabs.push_back(i);
        auto can = [&](Step s) {
            switch (s) {
            case Step::AddAccident: return list && available("DodWypBtn");
            case Step::AddPerson: return list && available("DodPoszkBtn");
            case Step::Type: return !list && !fields.empty();
            case Step::Save: return available("sbZapiszBtn");
            case Step::DeletePerson: return list && available("sbKasPoszkBtn");
            case Step::DeleteAccident: return list && available("sbKasWypBtn");
            case Step::SubPage: return true;
            case Step::PersonPage: return subPage() == 2 && !personTabs.empty();
            case Step::ChooseAccident: return list && accidentRows > 1;
            case Step::ChoosePerson: return list && personRows > 1;
            case Step::ChangeYear: return list && available("AdminBtn");
            case Step::Attachments: return available("DokumBtn") && accidentRows > 0 && !attachmentsOpen();
            case Step::CloseAttachments: return attachmentsOpen();
            case Step::Card: return list && available("SKWBtn") && personRows > 0;
            case Step::Protocol: return list && available("ProtokolBtn") && personRows > 0;
            case Step::TeamGrid: return list && available("AdminBtn");
            case Step::Commuting: return list && !attachmentsOpen() && available("DodWypBtn");
            case Step::RefusedThenDocument:
                return subPage() == 1 && available("DokumBtn") && edit("ewNumer")->isEnabled() && !attachmentsOpen();
            }
            return false;
        };
        std::vector<Weighted> open;
        int total = 0;
        for (const Weighted& s : kWeights)
            if (can(s.step)) {
                open.push_back(s);
                total += s.weight;
            }
        int r = pick(total);
        Step step = open.front().step;
        for (const Weighted& s : open) {
            if (r < s.weight) {
                step = s.step;
                break;
            }
            r -= s.weight;
        }

        ui.clear();
        std::ostringstream what;
        what << n << ": ";
        try {
            switch (step) {
            case Step::AddAccident: {
                w->button("DodWypBtn")->trigger();
                const int id = model.addAccident(year);
                what << "add accident -> " << id;
                break;
            }
            case Step::AddPerson: {
                const int accident = chosenAccident();
                w->button("DodPoszkBtn")->trigger();
                what << "add person to accident " << accident;
                if (accident) what << " -> " << model.addPerson(accident, year);
                break;
            }
            case Step::Type: {
                QLineEdit* e = fields[size_t(pick(int(fields.size())))];
                const TypedField* f = nullptr;
                for (const TypedField& t : kTypedFields)
                    if (e->objectName() == QLatin1String(t.control)) f = &t;
                QString text = QString::fromUtf8(kWords[pick(int(std::size(kWords)))]);
                if (pick(2)) text += QString::number(pick(100));
                const int id = f->accident ? chosenAccident() : chosenPerson();
                type(e, text);
                (f->accident ? model.typedAccident : model.typedPerson)[id][QString::fromLatin1(f->column)] = text;
                what << "type " << f->control << " '" << str(text) << "' (" << (f->accident ? "accident " : "person ")
                     << id << ")";
                break;
            }
            case Step::Save:
                w->button("sbZapiszBtn")->trigger();
                model.save();
                what << "Zapisz";
                break;
            case Step::DeletePerson: {
                const int accident = chosenAccident();
                const int person = chosenPerson();
                w->button("sbKasPoszkBtn")->trigger();
                what << "delete person " << person << " of accident " << accident;
                if (person && model.countPersons(accident) > 1) model.deletePerson(person);
                model.forgetTyped();
                break;
            }
            case Step::DeleteAccident: {
                const int accident = chosenAccident();
                w->button("sbKasWypBtn")->trigger();
                what << "delete accident " << accident;
                if (accident) model.deleteAccident(accident);
                model.forgetTyped();
                break;
            }
            case Step::SubPage: {
                const int from = subPage();
                int to = pick(2);
                if (to >= from) ++to;
                subPagesAtWork()->setCurrentIndex(to);
                // Leaving the entry pages for the list saves the record on them.
                if (from > 0 && to == 0) model.save();
                what << "page " << str(subPagesAtWork()->tabText(to).section(QLatin1Char(' '), 0, 0)) << " (now "
                     << subPage() << ")";
                break;
            }
            case Step::PersonPage: {
                const int to = personTabs[size_t(pick(int(personTabs.size())))];
                w->personPages()->setCurrentIndex(to);
                what << "person page " << str(w->personPages()->tabText(to));
                break;
            }
            case Step::ChooseAccident: {
                int row = pick(accidentRows - 1);
                if (row >= dm->qrySKWWypadki->recNo()) ++row;
                choose(accidentList(), row);
                what << "choose accident " << chosenAccident();
                break;
            }
            case Step::Commuting: {
                QWidget* register_ = w->findChild<QWidget*>(QStringLiteral("TabWypDroga"));
                w->registers()->setCurrentWidget(register_);
                Dataset* list = dm->qryWypadkiWDrodze;
                if (list->isEmpty() || pick(3) == 0) {
                    w->button("DodWypBtn")->trigger();
                    const int added = value("SELECT MAX(ID) FROM SKWWYPADKIWDRODZE").toInt();
                    model.commuting[added];
                    what << "commuting: add -> " << added;
                } else {
                    const int row = pick(list->recordCount());
                    choose(w->list(QStringLiteral("DBGrid1")), row);
                    what << "commuting: choose row " << row;
                }
                const int id = int(list->field(QStringLiteral("ID")).asInt());
                const bool person = pick(2) == 1;
                w->subPages(Register::Commuting)->setCurrentIndex(person ? 2 : 1);
                const char* control = person ? "ezNazwisko" : "ezSymbolWyp";
                QString text = QString::fromUtf8(kWords[pick(int(std::size(kWords)))]);
                if (!person) text = text.left(10);
                QLineEdit* e = edit(control);
                if (e && e->isEnabled()) {
                    type(e, text);
                    model.commuting[id][QString::fromLatin1(person ? "NAZWISKO" : "SYMBOLWYP")] = text;
                    what << ", type " << control << " '" << str(text) << "' (" << id << ")";
                }
                w->subPages(Register::Commuting)->setCurrentIndex(0);
                w->registers()->setCurrentIndex(0);
                what << ", back";
                break;
            }
            case Step::ChoosePerson: {
                int row = pick(personRows - 1);
                if (row >= dm->qrySKWPoszkodowani->recNo()) ++row;
                choose(personList(), row);
                what << "choose person " << chosenPerson();
                break;
            }
            case Step::ChangeYear: {
                QDateTime to = firstDate;
                if (year == firstYear)
                    to = pick(4) ? QDateTime(QDate(firstYear - 1, 6, 15), QTime(12, 0))
                                 : QDateTime(QDate(firstYear + 1, 2, 1), QTime(9, 0));
                dm->OpenRegister(to);
                year = to.date().year();
                model.forgetTyped();
                what << "open the register of " << year;
                break;
            }
            case Step::Attachments: {
                what << "Załączn. from the " << (list ? "list" : "entry page");
                if (list) {
                    ModalAnswer close([&]() { attachments()->ZamknijBtnClick(); });
                    w->button("DokumBtn")->trigger();
                } else {
                    // What was typed is saved before the window opens beside the main window.
                    w->button("DokumBtn")->trigger();
                    model.save();
                }
                break;
            }
            case Step::CloseAttachments:
                attachments()->ZamknijBtnClick();
                what << "Zamknij of the attachments";
                break;
            case Step::Card: {
                const int accident = chosenAccident();
                const bool save = pick(3) != 0;
                const QString text = QString::fromUtf8(kWords[pick(int(std::size(kWords)))]);
                ModalAnswer answer([&]() {
                    auto* card = qobject_cast<TSKWCardForm*>(QApplication::activeModalWidget());
                    if (!card) return;
                    card->findChild<QLineEdit*>(QStringLiteral("ewPolozGeogr"))->setText(text);
                    if (save) card->ZamknijClick();
                    else card->close();
                });
                w->button("SKWBtn")->trigger();
                if (save) model.accidents[accident].texts[QStringLiteral("POLOZGEOGR")] = text;
                what << "SKW of accident " << accident << ": '" << str(text) << "' " << (save ? "Zamknij" : "Esc");
                break;
            }
            case Step::Protocol: {
                ModalAnswer answer([&]() {
                    if (auto* protocol = qobject_cast<TProtocolWindow*>(QApplication::activeModalWidget()))
                        protocol->ZamknijClick();
                });
                w->button("ProtokolBtn")->trigger();
                what << "Protokół of person " << chosenPerson();
                break;
            }
            case Step::TeamGrid: {
                const QString text = QString::fromUtf8(kWords[pick(int(std::size(kWords)))]);
                ModalAnswer answer([&]() {
                    auto* adm = qobject_cast<TAdmForm_W*>(QApplication::activeModalWidget());
                    if (!adm) return;
                    QTableView* grid = adm->dictionaries().grid(QStringLiteral("dbgZespol"));
                    QAbstractItemModel* m = grid ? grid->model() : nullptr;
                    if (!m) return;
                    for (int r = 0; r < m->rowCount(); ++r)
                        if (m->index(r, 0).data().toString() == QLatin1String("Jan Kowalski"))
                            m->setData(m->index(r, 1), text, Qt::EditRole);
                    adm->close();
                });
                w->button("AdminBtn")->trigger();
                model.teamFunction = text;
                what << "Dodatki: team function '" << str(text) << "'";
                break;
            }
            case Step::RefusedThenDocument: {
                QLineEdit* number = edit("ewNumer");
                const QString stored = number->text();
                number->setText(QStringLiteral("99999999999"));
                w->button("DokumBtn")->trigger();
                const bool opened = attachmentsOpen();
                number->setText(stored);
                what << "refused number, then Załączn.";
                if (opened) {
                    done.push_back(what.str());
                    fail(n, {"the attachments window opened after a refused save"});
                    return;
                }
                break;
            }
            }
        } catch (const std::exception& e) {
            what << " threw: " << e.what();
            done.push_back(what.str());
            fail(n, {"the step threw an exception"});
            return;
        }
        for (const QString& t : ui.texts()) what << " [" << str(t.trimmed().left(60)) << "]";
        done.push_back(what.str());
        ++taken[int(step)];
        if (const auto diffs = compare(c(), model); !diffs.empty()) {
            fail(n, diffs);
            return;
        }
    }
    // How often each kind of step was taken, so that a seed that never reaches a
    // kind of step is seen.
    std::cout << "[ walk     ] steps by kind:";
    for (const auto& [kind, count] : taken) std::cout << " " << kind << ":" << count;
    std::cout << std::endl;
}

class RandomWalk : public RandomWalkTest, public ::testing::WithParamInterface<unsigned> {};

TEST_P(RandomWalk, TheDatabaseFollowsTheModel) {
    const unsigned seed = GetParam();
    SCOPED_TRACE("seed=" + std::to_string(seed));
    std::cout << "[ walk     ] seed=" << seed << std::endl;
    walk(seed, envInt("ZORT_WALK_STEPS", 200));
}

INSTANTIATE_TEST_SUITE_P(RandomWalk, RandomWalk, ::testing::ValuesIn(walkSeeds()),
                         [](const ::testing::TestParamInfo<unsigned>& info) { return "seed" + std::to_string(info.param); });

} // namespace
