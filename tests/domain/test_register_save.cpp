// The saves of the register records on a real database: each writes exactly the rows
// its ids name in one transaction, converts every value for its column first and
// refuses what the column cannot take, keeps DATAZGMIN; the count and kind of an
// accident change in the transaction of the insertion or deletion of a person.
#include "support/RegisterFixture.h"

#include "core/DateUtil.h"
#include "domain/RegisterStore.h"

#include <functional>
#include <optional>

using namespace zort;
using namespace zort::test;

namespace {

struct Refusal {
    QString table;
    QString column;
    QString reason;
};

std::optional<Refusal> refusalOf(const std::function<void()>& work) {
    try {
        work();
    } catch (const ValueRefused& e) {
        EXPECT_EQ(e.message(), e.reason());
        return Refusal{e.table(), e.column(), e.reason()};
    }
    return std::nullopt;
}

QString dbErrorOf(const std::function<void()>& work) {
    try {
        work();
    } catch (const DbError& e) {
        return e.message();
    }
    return QString();
}

const QString kSmallRange = QStringLiteral("Tylko liczby dodatnie. Max. 32767.");
const QString kWhole = QStringLiteral("Zły format liczby całkowitej.");
const QString kInteger = QStringLiteral("Zły format liczby całkowitej. Max. 2147483647.");
const QString kFloat = QStringLiteral("Zły format liczby rzeczywistej. Max. 3.4 x 10^38.");
const QString kNumber = QStringLiteral("Zły format liczby.");
const QString kDate = QStringLiteral("Zły format daty.");

class RegisterSave : public RegisterTest {
protected:
    RegisterStore& store() { return dm->store(); }
    NewRecordStamp stamp(const QDateTime& reference) {
        return NewRecordStamp{reference, Clock::now(), QStringLiteral("STACJA-A"), {}};
    }
    // A row of a table as one text, to see that nothing of it changed.
    QString row(const QString& table, int id) {
        Dataset ds(&c(), QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" WHERE ID = :id"));
        ds.setParam(QStringLiteral("id"), id);
        ds.open();
        QStringList values;
        for (int i = 0; i < ds.columnCount(); ++i) values << ds.field(i).asString();
        return values.join(QLatin1Char('|'));
    }
    QVariant column(const QString& table, const QString& col, int id) {
        return value(QStringLiteral("SELECT ") + col + QStringLiteral(" FROM ") + table + QStringLiteral(" WHERE ID = :id"),
                     {{"id", id}});
    }
    QVariant accidentColumn(const QString& col, int id) { return column(QStringLiteral("SKWWYPADKI"), col, id); }
    QVariant personColumn(const QString& col, int id) { return column(QStringLiteral("SKWPOSZKODOWANI"), col, id); }
    void setReportDate(int person, const QVariant& date) {
        exec("UPDATE SKWPOSZKODOWANI SET DATAZG = :d WHERE ID = :id", {{"d", date}, {"id", person}});
    }
};

TEST_F(RegisterSave, WritesExactlyTheRowsItsIdsNameOrNothingWhenOneIsGone) {
    accident(1, 1, at(2024, 2, 1), at(2024, 2, 1), 2);  // persons 11, 12
    accident(2, 2, at(2024, 2, 2), at(2024, 2, 2), 1);  // person 21
    exec("UPDATE SKWPOSZKODOWANI SET NAZWISKO = 'Drugi', IMIE = 'Jan' WHERE ID IN (12, 21)");
    const QString second = row("SKWPOSZKODOWANI", 12);
    const QString otherAccident = row("SKWWYPADKI", 2);
    const QString otherPerson = row("SKWPOSZKODOWANI", 21);

    store().saveAccident(1,
                         {{"MIEJSCEWYP", "Hala nr 2"},
                          {"STRATYCZASU", " 32767 "},
                          {"NUMER", "2147483647"},
                          {"STRATYZL", "12,5"},
                          {"DATA", "2024-02-01 7:45"},
                          {"SYMBOLWYP", ""},
                          {"WYPUB", 0},
                          {"POSZKODOWANI", "7"},  // kept by the store: left out
                          {"WYPIZ", 0}},
                         11,
                         {{"NAZWISKO", "Kowalski"},
                          {"IMIE", QVariant()},
                          {"DATAZG", "2024-02-03"},
                          {"OKOLICZNOSCI", "pierwsza\ndruga", true, "Okolicznosci"},
                          {"PLEC", 2},
                          {"SZKWSTEPNE", "t"},
                          {"STAZ", "3"}});
    EXPECT_FALSE(c().inTransaction());
    EXPECT_EQ(accidentColumn("MIEJSCEWYP", 1).toString(), "Hala nr 2");
    EXPECT_EQ(accidentColumn("STRATYCZASU", 1).toInt(), 32767);
    EXPECT_EQ(accidentColumn("NUMER", 1).toLongLong(), 2147483647LL);
    EXPECT_DOUBLE_EQ(accidentColumn("STRATYZL", 1).toDouble(), 12.5);
    EXPECT_EQ(accidentColumn("DATA", 1).toDateTime(), at(2024, 2, 1, 7, 45));
    EXPECT_TRUE(accidentColumn("SYMBOLWYP", 1).isNull());
    EXPECT_EQ(accidentColumn("WYPUB", 1).toInt(), 0);
    EXPECT_EQ(accidentColumn("POSZKODOWANI", 1).toInt(), 2);
    EXPECT_EQ(accidentColumn("WYPIZ", 1).toInt(), 1);
    EXPECT_EQ(accidentColumn("DATAZGMIN", 1).toDateTime(), at(2024, 2, 3));
    EXPECT_EQ(personColumn("NAZWISKO", 11).toString(), "Kowalski");
    EXPECT_TRUE(personColumn("IMIE", 11).isNull());
    EXPECT_EQ(personColumn("OKOLICZNOSCI", 11).toString(), "pierwsza\r\ndruga");  // memos keep CR LF
    EXPECT_EQ(personColumn("PLEC", 11).toInt(), 2);
    EXPECT_EQ(personColumn("SZKWSTEPNE", 11).toString().trimmed(), "t");
    EXPECT_EQ(personColumn("STAZ", 11).toInt(), 3);
    // The other person of the accident and the other accident are untouched.
    EXPECT_EQ(row("SKWPOSZKODOWANI", 12), second);
    EXPECT_EQ(row("SKWWYPADKI", 2), otherAccident);
    EXPECT_EQ(row("SKWPOSZKODOWANI", 21), otherPerson);

    // The person alone.
    store().savePerson(1, 12, {{"NAZWISKO", "Nowak"}});
    EXPECT_EQ(personColumn("NAZWISKO", 12).toString(), "Nowak");
    EXPECT_EQ(personColumn("NAZWISKO", 11).toString(), "Kowalski");

    // Another workstation deletes person 12 meanwhile: the save is refused whole.
    exec("DELETE FROM SKWPOSZKODOWANI WHERE ID = 12");
    const QString accidentBefore = row("SKWWYPADKI", 1);
    const QString gone = RegisterStore::recordGoneMessage();
    EXPECT_EQ(gone, "Zapisywany rekord nie istnieje już w bazie danych.");
    EXPECT_EQ(dbErrorOf([&] { store().saveAccident(1, {{"MIEJSCEWYP", "Inne"}}, 12, {{"NAZWISKO", "X"}}); }), gone);
    EXPECT_EQ(dbErrorOf([&] { store().savePerson(1, 12, {{"NAZWISKO", "X"}}); }), gone);
    // A person named under the wrong accident is not the row of the save either.
    EXPECT_EQ(dbErrorOf([&] { store().saveAccident(1, {{"MIEJSCEWYP", "Inne"}}, 21, {{"NAZWISKO", "X"}}); }), gone);
    EXPECT_EQ(row("SKWWYPADKI", 1), accidentBefore);
    EXPECT_EQ(row("SKWPOSZKODOWANI", 21), otherPerson);
    EXPECT_FALSE(c().inTransaction());
    // The accident itself gone.
    EXPECT_EQ(dbErrorOf([&] { store().saveAccident(9, {{"MIEJSCEWYP", "Inne"}}, 0, {}); }), gone);

    // A commuting accident: its own row, or refused when it is gone.
    exec("INSERT INTO SKWWYPADKIWDRODZE (ID, NUMER, DATA, DATAREJWYP) VALUES (5, 1, :d, :d)", {{"d", at(2024, 2, 1)}});
    exec("INSERT INTO SKWWYPADKIWDRODZE (ID, NUMER, DATA, DATAREJWYP) VALUES (6, 2, :d, :d)", {{"d", at(2024, 2, 1)}});
    const QString commuting6 = row("SKWWYPADKIWDRODZE", 6);
    store().saveCommuting(5, {{"NAZWISKO", "Wiśniewska"}, {"PRZYCZYNY", "a\nb", true, "przyczyny"}, {"SKUTKI", 2}});
    EXPECT_EQ(column("SKWWYPADKIWDRODZE", "NAZWISKO", 5).toString(), "Wiśniewska");
    EXPECT_EQ(column("SKWWYPADKIWDRODZE", "PRZYCZYNY", 5).toString(), "a\r\nb");
    EXPECT_EQ(column("SKWWYPADKIWDRODZE", "SKUTKI", 5).toInt(), 2);
    EXPECT_EQ(row("SKWWYPADKIWDRODZE", 6), commuting6);
    EXPECT_EQ(dbErrorOf([&] { store().saveCommuting(7, {{"NAZWISKO", "X"}}); }), gone);

    // A database error rolls the whole save back and reaches the caller.
    exec("CREATE EXCEPTION E_NIE 'Zapis zablokowany przez administratora'");
    exec("CREATE TRIGGER T_NIE FOR SKWWYPADKI BEFORE UPDATE AS BEGIN EXCEPTION E_NIE; END");
    const QString person11 = row("SKWPOSZKODOWANI", 11);
    EXPECT_TRUE(dbErrorOf([&] { store().saveAccident(1, {{"MIEJSCEWYP", "Inne"}}, 11, {{"NAZWISKO", "X"}}); })
                    .contains("Zapis zablokowany przez administratora"));
    EXPECT_EQ(row("SKWPOSZKODOWANI", 11), person11);  // the person was written first, and rolled back
    EXPECT_EQ(row("SKWWYPADKI", 1), accidentBefore);
    EXPECT_FALSE(c().inTransaction());
}

TEST_F(RegisterSave, RefusesTheFirstValueItsColumnCannotTakeAndWritesNothing) {
    accident(1, 1, at(2024, 2, 1), at(2024, 2, 1), 2);
    const QString accidentBefore = row("SKWWYPADKI", 1);
    const QString personBefore = row("SKWPOSZKODOWANI", 11);

    struct Case {
        bool inPerson;
        const char* column;
        QVariant value;
        QString reason;
    };
    const std::vector<Case> cases = {
        {false, "STRATYCZASU", "40000", kSmallRange},
        {false, "STRATYCZASU", "-40000", kSmallRange},
        {false, "STRATYCZASU", "12.5", kWhole},
        {false, "STRATYCZASU", "abc", kWhole},
        {false, "NUMER", "99999999999", kInteger},
        {false, "NUMER", "12a", kInteger},
        {false, "NUMER", "99999999999999999999999", kInteger},
        {false, "STRATYZL", "dużo", kNumber},
        {false, "STRATYZL", "1e400", kNumber},
        {false, "DATA", "2024-13-45", kDate},
        {false, "DATAREJWYP", "jutro", kDate},
        {false, "MIEJSCEWYP", QString(51, QLatin1Char('x')), "Za długi tekst. Max. 50 znaków."},
        {true, "NAZWISKO", QString::fromUtf8("Nowaк"), QString::fromUtf8("Znaki spoza strony kodowej Windows-1250: к")},
        {true, "OKOLICZNOSCI", QString::fromUtf8("ok ✓ ok"), QString::fromUtf8("Znaki spoza strony kodowej Windows-1250: ✓")},
        {true, "KODPOCZ", "00-9501", "Za długi tekst. Max. 6 znaków."},
        {true, "DATAZG", "2024-02-30", kDate},
        {true, "PLEC", 70000, kSmallRange},
        {true, "NUMERKARTY", 3.5, kInteger},
        {true, "DNINIEZDR", "40000", kSmallRange},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.column) + " " + k.value.toString().toStdString());
        // A valid change on both rows besides the refused one: none of it is written.
        RowValues accident{{"MIEJSCEWYP", "Zmieniono"}};
        RowValues person{{"IMIE", "Zmieniono"}};
        (k.inPerson ? person : accident) << ColumnValue{QString::fromLatin1(k.column), k.value};
        (k.inPerson ? person : accident) << ColumnValue{"STAZ", "zły"};  // only the first is named
        const auto r = refusalOf([&] { store().saveAccident(1, accident, 11, person); });
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(r->table, k.inPerson ? "SKWPOSZKODOWANI" : "SKWWYPADKI");
        EXPECT_EQ(r->column, k.column);
        EXPECT_EQ(r->reason, k.reason);
        EXPECT_EQ(row("SKWWYPADKI", 1), accidentBefore);
        EXPECT_EQ(row("SKWPOSZKODOWANI", 11), personBefore);
        EXPECT_FALSE(c().inTransaction());
    }

    // The person's own save, a commuting accident and an other accident refuse alike.
    auto refusedPerson = refusalOf([&] { store().savePerson(1, 11, {{"IMIE", "Jan"}, {"STAZ", "99999"}}); });
    ASSERT_TRUE(refusedPerson.has_value());
    EXPECT_EQ(refusedPerson->column, "STAZ");
    EXPECT_EQ(refusedPerson->reason, kSmallRange);
    EXPECT_EQ(row("SKWPOSZKODOWANI", 11), personBefore);

    exec("INSERT INTO SKWWYPADKIWDRODZE (ID, NUMER, DATA, DATAREJWYP) VALUES (5, 1, :d, :d)", {{"d", at(2024, 2, 1)}});
    const QString commuting = row("SKWWYPADKIWDRODZE", 5);
    auto refusedCommuting =
        refusalOf([&] { store().saveCommuting(5, {{"IMIE", "Anna"}, {"NAZWISKO", QString::fromUtf8("Петрова")}}); });
    ASSERT_TRUE(refusedCommuting.has_value());
    EXPECT_EQ(refusedCommuting->table, "SKWWYPADKIWDRODZE");
    EXPECT_EQ(refusedCommuting->reason, QString::fromUtf8("Znaki spoza strony kodowej Windows-1250: Петрова"));
    EXPECT_EQ(row("SKWWYPADKIWDRODZE", 5), commuting);

    const NewRecord other = store().addOtherAccident(stamp(at(2024, 3, 1)));
    const NewRecord officer = store().addOtherInjuredPerson(stamp(at(2024, 3, 1)), other.id);
    const QString otherBefore = row("WYPOPER_WYPADKI", other.id);
    const QString officerBefore = row("WYPOPER_POSZKODOWANI", officer.id);
    auto refusedOther = refusalOf([&] {
        store().saveOther(other.id, {{"MSCWYPADKU", "Plac"}}, officer.id, {{"IMIE", "Adam"}, {"DATAUR", "1990-02-31"}});
    });
    ASSERT_TRUE(refusedOther.has_value());
    EXPECT_EQ(refusedOther->table, "WYPOPER_POSZKODOWANI");
    EXPECT_EQ(refusedOther->column, "DATAUR");
    EXPECT_EQ(refusedOther->reason, kDate);
    EXPECT_EQ(row("WYPOPER_WYPADKI", other.id), otherBefore);
    EXPECT_EQ(row("WYPOPER_POSZKODOWANI", officer.id), officerBefore);

    // A column the table does not have is an error of the caller, found before writing.
    EXPECT_FALSE(dbErrorOf([&] { store().saveAccident(1, {{"MIEJSCEWYP", "X"}, {"BRAK", "1"}}, 0, {}); }).isEmpty());
    EXPECT_EQ(row("SKWWYPADKI", 1), accidentBefore);
}

TEST_F(RegisterSave, ConvertsEveryColumnTypeWithoutWrappingOrCutting) {
    exec("CREATE TABLE PROBA (ID INTEGER NOT NULL PRIMARY KEY, S SMALLINT, F FLOAT, DP DOUBLE PRECISION, "
         "N NUMERIC(9,2), B BIGINT, D DATE, TS TIMESTAMP, T TIME, C CHAR(3), V VARCHAR(4), M BLOB SUB_TYPE TEXT)");
    ColumnTypes& types = store().columnTypes();
    ASSERT_NE(types.column("proba", "n"), nullptr);
    EXPECT_EQ(types.column("PROBA", "N")->kind, ColumnType::Kind::Numeric);
    EXPECT_EQ(types.column("PROBA", "N")->scale, 2);
    EXPECT_EQ(types.column("PROBA", "C")->length, 3);
    EXPECT_EQ(types.column("PROBA", "M")->kind, ColumnType::Kind::TextBlob);
    EXPECT_EQ(types.column("PROBA", "BRAK"), nullptr);

    auto reason = [&](const char* col, const QVariant& v) {
        const auto r = refusalOf([&] { types.convert("PROBA", {{QString::fromLatin1(col), v}}); });
        return r ? r->reason : QString();
    };
    auto converted = [&](const char* col, const QVariant& v) {
        return types.convert("PROBA", {{QString::fromLatin1(col), v}}).first().value;
    };
    EXPECT_EQ(converted("S", "-32768").toInt(), -32768);
    EXPECT_EQ(reason("S", "32768"), kSmallRange);
    EXPECT_EQ(reason("F", "3.5e38"), kFloat);
    EXPECT_EQ(reason("F", "x"), kFloat);
    EXPECT_DOUBLE_EQ(converted("F", "3,25").toDouble(), 3.25);
    EXPECT_EQ(reason("DP", "1.2.3"), kNumber);
    EXPECT_EQ(reason("DP", "nan"), kNumber);
    EXPECT_DOUBLE_EQ(converted("DP", " -1e300 ").toDouble(), -1e300);
    EXPECT_EQ(reason("N", "21474836.48"), kNumber);
    EXPECT_DOUBLE_EQ(converted("N", "21474836.47").toDouble(), 21474836.47);
    EXPECT_EQ(reason("N", "abc"), kNumber);
    EXPECT_EQ(reason("B", "9223372036854775808"), kNumber);
    EXPECT_EQ(reason("B", "1.5"), kNumber);
    EXPECT_EQ(converted("B", "9223372036854775807").toLongLong(), 9223372036854775807LL);
    EXPECT_EQ(reason("D", "2024-02-30"), kDate);
    EXPECT_EQ(reason("D", "2024-02-28 10:00"), kDate);  // a date column holds no time
    EXPECT_EQ(converted("D", "2024-02-28").toDate(), QDate(2024, 2, 28));
    EXPECT_EQ(reason("TS", "2024-02-28 25:00"), kDate);
    EXPECT_EQ(converted("TS", "2024-02-28 8:05").toDateTime(), at(2024, 2, 28, 8, 5));
    EXPECT_EQ(reason("T", "25:00"), "Zły format czasu.");
    EXPECT_EQ(converted("T", "7:30").toTime(), QTime(7, 30));
    EXPECT_EQ(reason("C", "abcd"), "Za długi tekst. Max. 3 znaków.");
    EXPECT_EQ(reason("V", "ab\ncd"), "Za długi tekst. Max. 4 znaków.");  // stored as "ab\r\ncd"
    EXPECT_EQ(converted("V", "ąęśż").toString(), "ąęśż");  // characters, not bytes
    EXPECT_EQ(converted("M", QString(100000, QLatin1Char('a'))).toString().size(), 100000);
    for (const char* col : {"S", "F", "N", "D", "TS", "C"}) {
        EXPECT_TRUE(converted(col, QVariant()).isNull()) << col;
        EXPECT_TRUE(converted(col, QString()).isNull()) << col;
    }
    EXPECT_TRUE(converted("S", "  ").isNull());

    // What is converted binds and reads back as given.
    Params p{{"ID", 1}};
    QStringList cols;
    const RowValues values{{"S", "32767"}, {"F", "1.5"}, {"N", "1234567.89"}, {"B", "-9223372036854775807"},
                           {"D", "2024-02-29"}, {"T", "23:59:59"}, {"C", "abc"}, {"V", "żółw"}};
    for (const BoundValue& b : types.convert("PROBA", values)) {
        cols << b.column;
        p.set(b.param, b.value);
    }
    exec("INSERT INTO PROBA (ID, " + cols.join(", ") + ") VALUES (:ID, :" + cols.join(", :") + ")", p);
    EXPECT_EQ(value("SELECT S FROM PROBA").toInt(), 32767);
    EXPECT_DOUBLE_EQ(value("SELECT N FROM PROBA").toDouble(), 1234567.89);
    EXPECT_EQ(value("SELECT B FROM PROBA").toLongLong(), -9223372036854775807LL);
    EXPECT_EQ(value("SELECT D FROM PROBA").toDate(), QDate(2024, 2, 29));
    EXPECT_EQ(value("SELECT V FROM PROBA").toString(), "żółw");
}

TEST_F(RegisterSave, EarliestReportDateOfAllThePersonsOfTheAccident) {
    accident(1, 1, at(2024, 2, 1), at(2024, 2, 1), 3);  // persons 11, 12, 13
    setReportDate(11, QVariant());
    setReportDate(12, dates::midnight(dates::kZeroDate));
    setReportDate(13, QVariant());
    auto earliest = [&] { return accidentColumn("DATAZGMIN", 1); };

    // Only the saved person has a report date: it is the earliest.
    store().savePerson(1, 11, {{"DATAZG", "2024-03-10"}});
    EXPECT_EQ(earliest().toDateTime(), at(2024, 3, 10));
    // Null and zero dates are left out; the saved person's new date counts, earlier...
    setReportDate(13, at(2024, 3, 8, 9, 30));
    store().saveAccident(1, {{"MIEJSCEWYP", "Hala"}}, 11, {{"DATAZG", "2024-03-05"}});
    EXPECT_EQ(earliest().toDateTime(), at(2024, 3, 5));
    // ... and later.
    store().savePerson(1, 11, {{"DATAZG", "2024-03-20"}});
    EXPECT_EQ(earliest().toDateTime(), at(2024, 3, 8, 9, 30));
    // The accident alone recomputes it too.
    setReportDate(12, at(2024, 3, 1));
    store().saveAccident(1, {{"MIEJSCEWYP", "Hala"}}, 0, {});
    EXPECT_EQ(earliest().toDateTime(), at(2024, 3, 1));
    // A zero date typed for a person is no date.
    store().savePerson(1, 12, {{"DATAZG", "1899-12-30"}});
    store().savePerson(1, 13, {{"DATAZG", ""}});
    EXPECT_EQ(earliest().toDateTime(), at(2024, 3, 20));
    store().savePerson(1, 11, {{"DATAZG", QVariant()}});
    EXPECT_TRUE(earliest().isNull());

    // The other accidents keep theirs alike.
    const NewRecord other = store().addOtherAccident(stamp(at(2024, 4, 2)));
    const NewRecord first = store().addOtherInjuredPerson(stamp(at(2024, 4, 2)), other.id);
    const NewRecord second = store().addOtherInjuredPerson(stamp(at(2024, 4, 2)), other.id);
    store().saveOther(other.id, {{"MSCWYPADKU", "Plac"}}, first.id, {{"DATAZG", "2024-04-01"}});
    EXPECT_EQ(column("WYPOPER_WYPADKI", "DATAZGMIN", other.id).toDateTime(), at(2024, 4, 1));
    EXPECT_EQ(column("WYPOPER_WYPADKI", "MSCWYPADKU", other.id).toString(), "Plac");
    store().saveOther(other.id, {}, first.id, {{"DATAZG", "2024-04-09"}});
    EXPECT_EQ(column("WYPOPER_WYPADKI", "DATAZGMIN", other.id).toDateTime(), at(2024, 4, 2));  // the second's
    EXPECT_EQ(column("WYPOPER_POSZKODOWANI", "DATAZG", second.id).toDateTime(), at(2024, 4, 2));
}

TEST_F(RegisterSave, CountAndKindChangeInTheTransactionOfTheInsertionOrDeletion) {
    accident(1, 1, at(2024, 2, 1), at(2024, 2, 1), 1);  // person 11, no report date
    auto countAndKind = [&](const QString& table, int id) {
        return QStringLiteral("%1 %2").arg(column(table, "POSZKODOWANI", id).toInt()).arg(column(table, "WYPIZ", id).toInt());
    };

    const NewRecord second = store().addInjuredPerson(stamp(at(2024, 2, 5)), 1);
    EXPECT_EQ(countAndKind("SKWWYPADKI", 1), "2 1");  // collective
    EXPECT_EQ(accidentColumn("DATAZGMIN", 1).toDateTime(), at(2024, 2, 5));
    const NewRecord third = store().addInjuredPerson(stamp(at(2024, 2, 4)), 1);
    EXPECT_EQ(countAndKind("SKWWYPADKI", 1), "3 1");
    EXPECT_EQ(accidentColumn("DATAZGMIN", 1).toDateTime(), at(2024, 2, 4));

    ASSERT_TRUE(store().deleteInjuredPerson(1, third.id));
    EXPECT_EQ(countAndKind("SKWWYPADKI", 1), "2 1");
    EXPECT_EQ(accidentColumn("DATAZGMIN", 1).toDateTime(), at(2024, 2, 5));
    ASSERT_TRUE(store().deleteInjuredPerson(1, second.id));
    EXPECT_EQ(countAndKind("SKWWYPADKI", 1), "1 0");  // individual again
    EXPECT_TRUE(accidentColumn("DATAZGMIN", 1).isNull());
    EXPECT_FALSE(store().deleteInjuredPerson(1, 11));
    EXPECT_EQ(countAndKind("SKWWYPADKI", 1), "1 0");

    // Other accidents: the first officer brings the count from 0 to 1.
    const NewRecord other = store().addOtherAccident(stamp(at(2024, 4, 2)));
    EXPECT_EQ(countAndKind("WYPOPER_WYPADKI", other.id), "0 0");
    store().addOtherInjuredPerson(stamp(at(2024, 4, 2)), other.id);
    EXPECT_EQ(countAndKind("WYPOPER_WYPADKI", other.id), "1 0");
    const NewRecord officer = store().addOtherInjuredPerson(stamp(at(2024, 4, 2)), other.id);
    EXPECT_EQ(countAndKind("WYPOPER_WYPADKI", other.id), "2 1");
    ASSERT_TRUE(store().deleteOtherInjuredPerson(other.id, officer.id));
    EXPECT_EQ(countAndKind("WYPOPER_WYPADKI", other.id), "1 0");

    // When the accident cannot be updated, the insertion or deletion is undone with it.
    store().addInjuredPerson(stamp(at(2024, 2, 5)), 1);
    const int persons = count("SELECT COUNT(*) FROM SKWPOSZKODOWANI");
    const QString accidentBefore = row("SKWWYPADKI", 1);
    exec("CREATE EXCEPTION E_NIE 'Zmiana wypadku zablokowana'");
    exec("CREATE TRIGGER T_NIE FOR SKWWYPADKI BEFORE UPDATE AS BEGIN EXCEPTION E_NIE; END");
    EXPECT_TRUE(dbErrorOf([&] { store().addInjuredPerson(stamp(at(2024, 2, 5)), 1); })
                    .contains("Zmiana wypadku zablokowana"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWPOSZKODOWANI"), persons);
    EXPECT_TRUE(dbErrorOf([&] { store().deleteInjuredPerson(1, 11); }).contains("Zmiana wypadku zablokowana"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWPOSZKODOWANI"), persons);
    EXPECT_EQ(row("SKWWYPADKI", 1), accidentBefore);
    EXPECT_FALSE(c().inTransaction());
    // A person added to an accident that is gone is not left behind either.
    exec("DROP TRIGGER T_NIE");
    EXPECT_EQ(dbErrorOf([&] { store().addInjuredPerson(stamp(at(2024, 2, 5)), 99); }),
              RegisterStore::recordGoneMessage());
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWPOSZKODOWANI WHERE IDWYPADKU = 99"), 0);
}

} // namespace
