// The dictionary lists of the combo boxes on a real database: the seven kinds, the
// person lists with and without the restriction to the visible structure, the
// occupation lists and their filter, and the matching rules.
#include "support/DictionaryFixture.h"

#include "core/AdmSettings.h"
#include "db/Dataset.h"
#include "domain/Dictionaries.h"
#include "core/Win1250.h"
#include "ui/DictionaryCombos.h"

#include <QComboBox>
#include <QLineEdit>

using namespace zort;
using namespace zort::test;

namespace {

struct Item {
    QString text;
    DictObject object;
    bool operator==(const Item&) const = default;
};

void PrintTo(const Item& i, std::ostream* os) {
    *os << '"' << i.text.toStdString() << "\" ";
    if (const auto* l = std::get_if<TQvLista>(&i.object))
        *os << "TQvLista{" << l->id << ", \"" << l->text1.toStdString() << "\", \"" << l->text2.toStdString() << "\"}";
    else if (const auto* p = std::get_if<TQvListaPrac>(&i.object))
        *os << "TQvListaPrac{" << p->id << ", \"" << p->text1.toStdString() << "\", \"" << p->text2.toStdString()
            << "\", \"" << p->text3.toStdString() << "\"}";
    else
        *os << "(no object)";
}

std::vector<Item> items(const QComboBox& combo) {
    std::vector<Item> out;
    for (int i = 0; i < combo.count(); ++i) out.push_back({combo.itemText(i), comboObject(&combo, i)});
    return out;
}

QStringList texts(const QComboBox& combo) {
    QStringList out;
    for (int i = 0; i < combo.count(); ++i) out << combo.itemText(i);
    return out;
}

class Combos : public DictionaryTest {
protected:
    void SetUp() override {
        DictionaryTest::SetUp();
        query.setConnection(&c());
    }

    QComboBox combo;
    Dataset query;

    std::vector<Item> fill(const QString& order, const QString& table, int kind) {
        FillCombo(&query, &combo, order, table, kind);
        return items(combo);
    }
};

} // namespace

TEST_F(Combos, EveryKindGivesItsTextsAndObjectInTheOrderAsked) {
    exec("INSERT INTO SKWUMOWY (ID, SKROT, NAZWA) VALUES (2, 'umowa zlecenia', 'x')");
    exec("INSERT INTO SKWUMOWY (ID, SKROT, NAZWA) VALUES (1, 'umowa o pracę', 'y')");
    EXPECT_EQ(fill("ID", "SKWUMOWY", 1), (std::vector<Item>{{"1 - umowa o pracę", TQvLista{1, "umowa o pracę", ""}},
                                                            {"2 - umowa zlecenia", TQvLista{2, "umowa zlecenia", ""}}}));
    EXPECT_EQ(-1, combo.currentIndex()) << "filling selects nothing";
    EXPECT_EQ(0, query.recNo()) << "the query is back on its first row";
    // An entry is selectable, not editable; renamed, it keeps its object.
    EXPECT_EQ(Qt::ItemIsSelectable | Qt::ItemIsEnabled, combo.model()->flags(combo.model()->index(0, 0)) &
                                                            (Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable));
    combo.setItemText(0, "umowa");
    EXPECT_EQ(items(combo).front(), (Item{"umowa", TQvLista{1, "umowa o pracę", ""}}));

    person(7, "Żak", "Łucja", "90010112345");
    person(3, "Nowak", "Jan", "80010112345");
    EXPECT_EQ(fill("NAZWISKO,IMIE", "ODANOS", 2),
              (std::vector<Item>{{"Nowak Jan 80010112345", TQvListaPrac{3, "80010112345", "Jan", "Nowak"}},
                                 {"Żak Łucja 90010112345", TQvListaPrac{7, "90010112345", "Łucja", "Żak"}}}));

    exec("INSERT INTO DZAWODY (ID, KOD, NAZWA) VALUES (722314, '722314', 'Tokarz')");
    EXPECT_EQ(fill("NAZWA", "DZAWODY", 3), (std::vector<Item>{{"722314 - Tokarz", TQvLista{722314, "Tokarz", "722314"}}}));

    exec("INSERT INTO SKWCHORL4 (ID, IDGRCHOR, KODCHORL4, NAZWA) VALUES (5, 1, 'A', 'choroba zawodowa')");
    EXPECT_EQ(fill("KODCHORL4", "SKWCHORL4", 4),
              (std::vector<Item>{{"A - choroba zawodowa", TQvListaPrac{5, "A", "choroba zawodowa", ""}}}));

    exec("INSERT INTO DNEWZAWODY (ID, IDRODZ, NRPOZ, KOD, NAZWA) VALUES (9, 0, 4, '721204', 'Spawacz')");
    EXPECT_EQ(fill("KOD", "DNewZAWODY WHERE NrPoz=4 ", 5),
              (std::vector<Item>{{"721204 - Spawacz", TQvListaPrac{9, "Spawacz", "721204", ""}}}));

    exec("INSERT INTO SKWZESPPOWYPADKOWY (ID, IMNAZW, FUNKCJA) VALUES (4, 'Anna O''Neil', 'specjalista BHP')");
    EXPECT_EQ(fill("ImNazw", "SKWZespPowypadkowy", 6),
              (std::vector<Item>{{"Anna O'Neil - specjalista BHP", TQvLista{4, "Anna O'Neil", "specjalista BHP"}}}));

    exec("INSERT INTO WYPOPER_KOMISJAPOWYPAD (ID, IMNAZW, FUNKCJA, STANOW) VALUES (6, 'Jan Kos', 'przewodniczący', "
         "'komendant')");
    EXPECT_EQ(fill("ImNazw", "WypOper_KomisjaPOWYPAD", 7),
              (std::vector<Item>{{"Jan Kos - przewodniczący, komendant",
                                  TQvListaPrac{6, "Jan Kos", "przewodniczący", "komendant"}}}));
}

TEST_F(Combos, AMissingTableRaisesTheDatabaseErrorAndLeavesTheListEmpty) {
    exec("INSERT INTO SKWUMOWY (ID, SKROT) VALUES (1, 'umowa o pracę')");
    fill("ID", "SKWUMOWY", 1);
    ASSERT_EQ(1, combo.count());
    EXPECT_THROW(fill("ID", "SKWNIEMA", 1), DbError);
    EXPECT_EQ(0, combo.count());
}

// A firm (1) with a visible unit (2: positions 3 and 6) and a denied unit (4:
// position 5); the reference date is 2024-05-10.
class Persons : public Combos {
protected:
    void SetUp() override {
        Combos::SetUp();
        element(1, 0, 0, 0, "F", "Firma");
        element(2, 1, 1, 0, "W", "Wydział");
        element(3, 2, 2, 1, "W-1", "Tokarz");
        element(6, 2, 2, 1, "W-2", "Frezer");
        element(4, 1, 1, 0, "T", "Transport");
        element(5, 4, 2, 1, "T-1", "Kierowca");
        deny({4});
        person(1, "Obecny", "Adam", "1");
        employment(1, 1, 3, day(2020, 1, 1));
        person(2, "Odszedł", "Bogdan", "2");
        employment(2, 2, 3, day(2020, 1, 1), day(2024, 5, 1));
        person(3, "Przyjdzie", "Cezary", "3");
        employment(3, 3, 3, day(2024, 6, 1));
        person(4, "Dwa etaty", "Dariusz", "4");
        employment(4, 4, 3, day(2019, 1, 1));
        employment(5, 4, 6, day(2021, 1, 1));
        person(5, "Kierowca", "Edward", "5");
        employment(6, 5, 5, day(2018, 1, 1));
        person(6, "Zwolniony dziś", "Felicja", "6", 0);
        employment(7, 6, 6, day(2018, 1, 1), day(2024, 5, 11));
        person(7, "Bez etatu", "Grzegorz", "7");
    }
};

TEST_F(Persons, EveryPersonOrThoseOfTheVisibleStructureOnTheDate) {
    logIn(1);
    fill("NAZWISKO,IMIE", "ODANOS", 2);
    EXPECT_EQ(7, combo.count()) << "a user who sees every person";

    logIn(0);
    fill("NAZWISKO,IMIE", "ODANOS", 2);
    EXPECT_EQ(0, combo.count()) << "restricted, without the visible-structure table: nobody";
    dm->BuildStructureTable();
    fill("NAZWISKO,IMIE", "ODANOS", 2);
    // Left before the date, joins after it, employed in a denied unit, no employment:
    // not offered; two current employments: offered once; leaving the day after: offered.
    EXPECT_EQ(texts(combo), (QStringList{"Dwa etaty Dariusz 4", "Obecny Adam 1", "Zwolniony dziś Felicja 6"}));
}

TEST_F(Persons, TheListOfTheUniformedServicesKeepsOnePersonPerEmploymentAndItsKindOfPerson) {
    logIn(0);
    dm->BuildStructureTable();
    FillPersonCombo(&query, &combo, "NAZWISKO,IMIE");
    EXPECT_EQ(texts(combo), (QStringList{"Dwa etaty Dariusz 4", "Dwa etaty Dariusz 4", "Obecny Adam 1"}));
    admSettings().allTypPrac = true;
    FillPersonCombo(&query, &combo, "NAZWISKO,IMIE");
    EXPECT_EQ(4, combo.count());
    logIn(1);
    FillPersonCombo(&query, &combo, "NAZWISKO,IMIE");
    EXPECT_EQ(7, combo.count());
    admSettings().allTypPrac = false;
    FillPersonCombo(&query, &combo, "NAZWISKO,IMIE");
    EXPECT_EQ(6, combo.count());
}

TEST_F(Combos, OccupationListsOfEachEditionAndTheirOrder) {
    // Edition 2: only the occupations (level 4), by code or by name.
    exec("INSERT INTO DNEWZAWODY2010 (ID, IDRODZ, NRPOZ, KOD, NAZWA) VALUES (1, 0, 3, '7212', 'Spawacze')");
    exec("INSERT INTO DNEWZAWODY2010 (ID, IDRODZ, NRPOZ, KOD, NAZWA) VALUES (2, 1, 4, '721204', 'Spawacz')");
    exec("INSERT INTO DNEWZAWODY2010 (ID, IDRODZ, NRPOZ, KOD, NAZWA) VALUES (3, 1, 4, '721201', 'Lutowacz')");
    FillCombo(&query, &combo, occupationSource(2, true));
    EXPECT_EQ(texts(combo), (QStringList{"721201 - Lutowacz", "721204 - Spawacz"}));
    FillCombo(&query, &combo, occupationSource(2, false));
    EXPECT_EQ(texts(combo), (QStringList{"721201 - Lutowacz", "721204 - Spawacz"}));
    exec("UPDATE DNEWZAWODY2010 SET NAZWA = 'Żarowiec' WHERE ID = 3");
    FillCombo(&query, &combo, occupationSource(2, false));
    EXPECT_EQ(texts(combo), (QStringList{"721204 - Spawacz", "721201 - Żarowiec"})) << "Polish order of names";

    // Edition 0: the flat list, kind 3.
    exec("INSERT INTO DZAWODY (ID, KOD, NAZWA) VALUES (1100002, '1100002', 'Tokarz')");
    FillCombo(&query, &combo, occupationSource(0, true));
    EXPECT_EQ(texts(combo), QStringList{"1100002 - Tokarz"});
}

TEST_F(Combos, TheOccupationFilterTakesTypedTextAsTextOnly) {
    auto filtered = [&](const QString& typed) {
        FillCombo(&query, &combo, occupationSource(4, true, typed));
        return texts(combo);
    };
    exec("INSERT INTO DNEWZAWODY2021 (ID, IDRODZ, NRPOZ, KOD, NAZWA) VALUES (90001, 0, 4, '999901', "
         "'Operator_50% mocy ''O''Brien''')");
    exec("INSERT INTO DNEWZAWODY2021 (ID, IDRODZ, NRPOZ, KOD, NAZWA) VALUES (90002, 0, 4, '999902', "
         "'Operator X50 mocy')");
    exec("INSERT INTO DNEWZAWODY2021 (ID, IDRODZ, NRPOZ, KOD, NAZWA) VALUES (90003, 0, 4, '999903', 'ŻÓŁĆ ZIELONA')");
    exec("INSERT INTO DNEWZAWODY2021 (ID, IDRODZ, NRPOZ, KOD, NAZWA) VALUES (90004, 0, 3, '9999', 'Operator_50%')");

    EXPECT_EQ(filtered("_50%"), QStringList{"999901 - Operator_50% mocy 'O'Brien'"}) << "% and _ are plain characters";
    EXPECT_EQ(filtered("o'brien"), QStringList{"999901 - Operator_50% mocy 'O'Brien'"});
    EXPECT_EQ(filtered("żółć"), QStringList{"999903 - ŻÓŁĆ ZIELONA"}) << "the same upper case on both sides";
    EXPECT_EQ(filtered(" 99990"), (QStringList{"999901 - Operator_50% mocy 'O'Brien'", "999902 - Operator X50 mocy",
                                               "999903 - ŻÓŁĆ ZIELONA"}))
        << "a number filters the codes";
    EXPECT_TRUE(filtered("1234567890123456").isEmpty()) << "a number longer than any code finds nothing";
    EXPECT_TRUE(filtered(QString(200, QLatin1Char('x'))).isEmpty());
    const int all = int(filtered(QString()).size());
    EXPECT_GT(all, 2000) << "no filter: every occupation of the edition";
}

TEST(CardDictionaries, EachCardVersionReadsItsTables) {
    const QDateTime in2000(QDate(2000, 12, 31), QTime(0, 0));
    const QDateTime later = in2000.addSecs(1);
    auto tables = [](const CardDictionaries& d) {
        return QStringList{d.status.table + "/" + QString::number(d.status.kind) + "/" + d.status.order,
                           d.citizenship.table, d.employerSize.table};
    };
    EXPECT_EQ(tables(cardDictionaries(5, later)), (QStringList{"SKWSTATUSZATR_1/5/ID", "SKWOBYWATELSTWO_1", "SKWLICZBAPRAC_1"}));
    for (int version : {0, 2, 3, 4})
        EXPECT_EQ(tables(cardDictionaries(version, later)), (QStringList{"SKWSTATUSZATR/5/ID", "SKWOBYWATELSTWO", "SKWLICZBAPRAC"}));
    EXPECT_EQ(tables(cardDictionaries(1, later)), (QStringList{"SKWUMOWY_1/1/ID", "", ""}));
    EXPECT_EQ(tables(cardDictionaries(1, in2000)), (QStringList{"SKWUMOWY/1/ID", "", ""})) << "midnight is not after it";
}

// Each rule with a stored value that matches and one that does not; objects of the
// other class and texts that are not numbers do not match.
TEST(SelectComboEntry, EveryMatchingRule) {
    QComboBox combo;
    setComboEntries(&combo, {{"plain", DictObject{}},
                             {"1 - umowa", TQvLista{12, "umowa", "12"}},
                             {"osoba", TQvListaPrac{7, "80010112345", "721204", "Nowak"}},
                             {"zawód", TQvListaPrac{12, "Spawacz", "721204", ""}}});
    int reactions = 0;
    QObject::connect(&combo, &QComboBox::activated, [&reactions](int) { ++reactions; });
    QLineEdit code;
    auto select = [&](const QString& text, int rule) {
        code.setText(text);
        combo.setCurrentIndex(0);
        SelectComboEntry(&code, &combo, true, rule);
        return combo.currentIndex();
    };
    struct Case {
        int rule;
        QString text;
        int index;
    };
    const Case cases[] = {
        {1, "12", 1},  {1, " 12 ", 1}, {1, "7", -1},  {1, "12a", -1}, {1, "", -1},         // TQvLista id only
        {2, "80010112345", 2}, {2, "umowa", -1},                                            // TQvListaPrac first text
        {3, "12", 3},  {3, "8", -1}, {3, "x", -1},                                          // TQvListaPrac id
        {4, "12", 1},  {4, "721204", 2}, {4, "72120", -1},                                  // second text, either class
        {5, "umowa", 1}, {5, "Spawacz", 3}, {5, "Umowa", -1},                               // first text, either class
        {6, "721204", 2}, {6, "12", -1},                                                    // TQvListaPrac second text
        {7, "12", -1},
    };
    for (const Case& c : cases) EXPECT_EQ(c.index, select(c.text, c.rule)) << "rule " << c.rule << " text " << c.text.toStdString();
    EXPECT_EQ(0, reactions) << "positioning from the program is no choice of the user";
    code.setText("12");
    SelectComboEntry(&code, &combo, false, 1);
    EXPECT_FALSE(combo.isEnabled());
    EXPECT_EQ(1, combo.currentIndex());
}

TEST(ListEntries, ListKindsAndTheirRules) {
    const DictObject byCode = TQvLista{5, "Spawacz", "721204"};
    EXPECT_TRUE(listEntryMatches(byCode, "5", 1));
    EXPECT_FALSE(listEntryMatches(byCode, "721204", 1));
    EXPECT_TRUE(listEntryMatches(byCode, "721204", 3));
    EXPECT_TRUE(listEntryMatches(byCode, "0721204", 3)) << "rule 3 compares numbers";
    EXPECT_TRUE(listEntryMatches(TQvListaPrac{1, "123", "x", ""}, "123", 2));
    EXPECT_FALSE(listEntryMatches(byCode, "5", 4));
}

// The program's upper case of a typed text is the database's UPPER of a stored one,
// for every letter of the database's code page.
TEST_F(Combos, UpperCaseIsTheSameInTheProgramAndInTheDatabase) {
    QString letters;
    for (int b = 0x20; b <= 0xFF; ++b) {
        const QChar ch = win1250::charOf(uchar(b));
        if (ch.isLetter() && ch.isLower()) letters += ch;
    }
    ASSERT_GT(letters.size(), 50);
    exec("INSERT INTO SKWZESPPOWYPADKOWY (ID, IMNAZW) VALUES (1, :t)", {{"t", letters}});
    EXPECT_EQ(databaseUpper(letters), c().scalar("SELECT UPPER(IMNAZW) FROM SKWZESPPOWYPADKOWY").toString());
}

// A list read again into the same combo box holds exactly its new entries, longer or
// shorter than the old, an item added by hand gone, nothing selected.
TEST(ComboEntries, AListReadAgainHoldsExactlyItsNewEntries) {
    QComboBox combo;
    combo.addItem("dopisany");
    auto entry = [](int id, const QString& text) { return DictEntry{text, TQvLista{id, text, ""}}; };
    setComboEntries(&combo, {entry(1, "a"), entry(2, "b")});
    EXPECT_EQ(items(combo), (std::vector<Item>{{"a", TQvLista{1, "a", ""}}, {"b", TQvLista{2, "b", ""}}}));
    combo.setCurrentIndex(1);
    setComboEntries(&combo, {entry(3, "c")});
    EXPECT_EQ(items(combo), (std::vector<Item>{{"c", TQvLista{3, "c", ""}}}));
    EXPECT_EQ(-1, combo.currentIndex());
    EXPECT_EQ("", combo.currentText());
    setComboEntries(&combo, {entry(4, "d"), entry(5, "e"), entry(6, "f")});
    EXPECT_EQ(texts(combo), QStringList({"d", "e", "f"}));
    EXPECT_EQ(comboObject(&combo, 2), DictObject(TQvLista{6, "f", ""}));
    setComboEntries(&combo, {});
    EXPECT_EQ(0, combo.count());
}
