// The access layer on a real database: parameters of every type, Windows-1250
// texts, null and the zero date, rows changed, transactions and memo line ends.
#include "support/TestDatabase.h"
#include "db/Dataset.h"
#include "core/DateUtil.h"
#include "core/MemoText.h"
#include "core/Win1250.h"

#include <gtest/gtest.h>

using namespace zort;
using namespace zort::test;

namespace {

const QString kPolish = QString::fromUtf8("Zażółć gęślą jaźń ĄĆĘŁŃÓŚŹŻ");

std::unique_ptr<Connection> withTable(const TestDatabase& db) {
    auto c = db.connect();
    c->execute("CREATE TABLE T1 (ID INTEGER, S SMALLINT, F DOUBLE PRECISION, D TIMESTAMP, "
               "N VARCHAR(40), B BLOB SUB_TYPE TEXT)");
    return c;
}

int rows(Connection& c) { return c.scalar("SELECT COUNT(*) FROM T1").toInt(); }

// The bytes the database holds for a text expression of T1's row, read one by one
// (the driver hands octet strings back as decoded text).
QByteArray storedBytes(Connection& c, const QString& text, int count) {
    QStringList bytes;
    for (int i = 1; i <= count; ++i)
        bytes << QStringLiteral("ASCII_VAL(SUBSTRING(CAST(%1 AS VARCHAR(100) CHARACTER SET OCTETS) FROM %2 FOR 1))")
                     .arg(text).arg(i);
    Dataset ds(&c, QStringLiteral("SELECT ") + bytes.join(", ") + QStringLiteral(" FROM T1"));
    ds.open();
    QByteArray out;
    for (int i = 0; i < count; ++i) out.append(char(ds.field(i).asInt()));
    return out;
}

} // namespace

TEST(Connection, EveryParameterTypeRoundTrips) {
    TestDatabase db;
    auto c = withTable(db);
    const QDateTime moment(QDate(2024, 2, 29), QTime(23, 59, 58, 125));
    // A wall-clock time that falls into the spring daylight-saving gap in Poland.
    const QDateTime gap(QDate(2024, 3, 31), QTime(2, 30));
    const QString longText = kPolish.repeated(2000);  // beyond one blob segment
    Params p;
    p.setInt("id", 2147483647).setInt("s", -32768).set("f", 1234.5).setDateTime("d", moment).setText("n", kPolish);
    p.setBlob("b", longText);
    EXPECT_EQ(1, c->execute("INSERT INTO T1 VALUES (:id, :s, :f, :d, :n, :b)", p));
    EXPECT_EQ(1, c->execute("INSERT INTO T1 (ID, D) VALUES (:id, :d)", Params{{"id", -2147483647 - 1}, {"d", gap}}));

    Dataset ds(c.get(), "SELECT * FROM T1 WHERE ID = :id");
    ds.setParam("id", 2147483647);
    ds.open();
    ASSERT_EQ(1, ds.recordCount());
    EXPECT_EQ(2147483647, ds.field("ID").asInt());
    EXPECT_EQ(-32768, ds.field("S").asInt());
    EXPECT_DOUBLE_EQ(1234.5, ds.field("F").asFloat());
    EXPECT_EQ(moment, ds.field("D").asDateTime());
    EXPECT_EQ(kPolish, ds.field("N").asString());
    EXPECT_EQ(longText, ds.field("B").asString());
    EXPECT_EQ(gap, c->scalar("SELECT D FROM T1 WHERE ID < 0").toDateTime());
    // A name used twice in one statement binds the same value at both places.
    EXPECT_EQ(1, c->scalar("SELECT COUNT(*) FROM T1 WHERE D >= :d AND D <= :d", Params{{"d", moment}}).toInt());
}

TEST(Connection, PolishTextIsStoredAsWindows1250Bytes) {
    TestDatabase db;
    auto c = withTable(db);
    Params p{{"n", kPolish}};
    p.setBlob("b", kPolish);
    c->execute("INSERT INTO T1 (N, B) VALUES (:n, :b)", p);
    Dataset ds(c.get(), "SELECT CHAR_LENGTH(N), OCTET_LENGTH(N), OCTET_LENGTH(B), "
                        "CAST(N AS VARCHAR(40) CHARACTER SET WIN1250) FROM T1");
    ds.open();
    ASSERT_EQ(1, ds.recordCount());
    const qint64 chars = kPolish.size();
    EXPECT_EQ(chars, ds.field(0).asInt());
    EXPECT_EQ(chars, ds.field(1).asInt());  // one byte per letter
    EXPECT_EQ(chars, ds.field(2).asInt());
    EXPECT_EQ(kPolish, ds.field(3).asString());
    EXPECT_EQ(win1250::encode(kPolish), storedBytes(*c, "N", int(chars)));
    EXPECT_EQ(win1250::encode(kPolish), storedBytes(*c, "CAST(B AS VARCHAR(100) CHARACTER SET WIN1250)", int(chars)));
    // The letters compare as typed: a query finds them through a parameter.
    EXPECT_EQ(1, c->scalar("SELECT COUNT(*) FROM T1 WHERE N = :n", Params{{"n", kPolish}}).toInt());
    // Forty Polish letters fill a column of forty characters.
    EXPECT_EQ(1, c->execute("UPDATE T1 SET N = :n", Params{{"n", QString(40, QChar(0x0105))}}));
}

// A row the driver cannot fetch is an error, not the end of the rows.
TEST(Connection, FetchErrorIsReportedNotTakenForTheEndOfRows) {
    TestDatabase db;
    auto c = withTable(db);
    c->execute("INSERT INTO T1 (N) VALUES (:n)", Params{{"n", kPolish}});
    const QString tooShort = "SELECT CAST(N AS VARCHAR(5)) FROM T1";
    Dataset ds(c.get(), tooShort);
    EXPECT_THROW(ds.open(), DbError);
    EXPECT_THROW(c->scalar(tooShort), DbError);
    EXPECT_FALSE(c->scalar("SELECT N FROM T1 WHERE ID = 99").isValid());  // no row, no error
}

TEST(Connection, UnstorableCharacterGivesTheClearMessageAndStoresNothing) {
    TestDatabase db;
    auto c = withTable(db);
    const QString typed = QString::fromUtf8("Ωmega – łódź ✓");  // the en dash is in Windows-1250
    const std::string expected = unstorableTextMessage(QString::fromUtf8("Ω✓")).toStdString();
    try {
        c->execute("INSERT INTO T1 (N) VALUES (:n)", Params{{"n", typed}});
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_EQ(expected, e.message().toStdString());
    }
    Params blob;
    blob.setBlob("b", typed);
    EXPECT_THROW(c->execute("INSERT INTO T1 (B) VALUES (:b)", blob), DbError);
    try {
        c->execute("INSERT INTO T1 (N) VALUES ('Ωmega ✓')");
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_EQ(expected, e.message().toStdString());
    }
    EXPECT_EQ(0, rows(*c));
}

TEST(Connection, NullAndTheZeroDateAreNoDate) {
    TestDatabase db;
    auto c = withTable(db);
    c->execute("INSERT INTO T1 (ID, D) VALUES (1, :d)", Params{{"d", QVariant()}});
    c->execute("INSERT INTO T1 (ID, D) VALUES (2, :d)", Params{{"d", dates::midnight(dates::kZeroDate)}});
    c->execute("INSERT INTO T1 (ID, D) VALUES (3, :d)", Params().setDateTime("d", QDateTime()));
    c->execute("INSERT INTO T1 (ID, D) VALUES (4, :d)", Params{{"d", QDateTime(QDate(1899, 12, 31), QTime(0, 0))}});
    c->execute("INSERT INTO T1 (ID, D) VALUES (5, :d)", Params{{"d", QDateTime(dates::kZeroDate, QTime(12, 0))}});
    // An invalid date-time is stored as null, not as a day of 1858.
    EXPECT_EQ(1, c->scalar("SELECT COUNT(*) FROM T1 WHERE ID = 3 AND D IS NULL").toInt());
    Dataset ds(c.get(), "SELECT ID, D FROM T1 ORDER BY ID");
    ds.open();
    const bool noDate[] = {true, true, true, false, true};
    const int year[] = {0, 0, 0, 1899, 0};
    for (int i = 0; i < 5; ++i, ds.next()) {
        EXPECT_EQ(noDate[i], ds.field("D").isNoDate()) << "row " << i + 1;
        EXPECT_EQ(noDate[i], !ds.field("D").asDateTime().isValid()) << "row " << i + 1;
        EXPECT_EQ(year[i], dates::yearOf(ds.value("D"))) << "row " << i + 1;
    }
    ds.first();
    EXPECT_TRUE(ds.field("D").isNull());
    EXPECT_EQ("", ds.field("D").asString().toStdString());
}

TEST(Connection, RowsChangedAndTransactions) {
    TestDatabase db;
    auto c = withTable(db);
    for (int i = 1; i <= 3; ++i) c->execute("INSERT INTO T1 (ID, S) VALUES (:i, :s)", Params{{"i", i}, {"s", i % 2}});
    EXPECT_EQ(2, c->execute("UPDATE T1 SET N = 'x' WHERE S = 1"));
    EXPECT_EQ(0, c->execute("UPDATE T1 SET N = 'y' WHERE S = 7"));
    EXPECT_EQ(1, c->execute("DELETE FROM T1 WHERE ID = 2"));
    EXPECT_EQ(0, c->execute("CREATE INDEX IX_T1 ON T1 (ID)"));

    c->begin();
    c->execute("DELETE FROM T1");
    c->execute("INSERT INTO T1 (ID) VALUES (10)");
    c->rollback();
    EXPECT_EQ(2, rows(*c));
    {
        Transaction t(*c);
        c->execute("INSERT INTO T1 (ID) VALUES (11)");
        EXPECT_THROW(c->begin(), DbError);
    }  // left without commit: rolled back
    EXPECT_EQ(2, rows(*c));
    {
        Transaction t(*c);
        c->execute("INSERT INTO T1 (ID) VALUES (12)");
        t.commit();
    }
    auto other = db.connect("other");
    EXPECT_EQ(3, rows(*other));

    try {
        c->execute("UPDATE NOSUCHTABLE SET X = 1");
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains("NOSUCHTABLE")) << e.message().toStdString();
    }
}

TEST(Connection, MemosAreStoredWithCrLf) {
    EXPECT_EQ("a\r\nb\r\n", memo::toStored("a\nb\n").toStdString());
    EXPECT_EQ("a\r\nb", memo::toStored("a\r\nb").toStdString());  // not doubled
    EXPECT_EQ("a\nb\nc\nd", memo::fromStored("a\r\nb\n\rc\rd").toStdString());

    TestDatabase db;
    auto c = withTable(db);
    const QString typed = QString::fromUtf8("Pierwsza linia\nDruga linia – ąę\n\nCzwarta");
    Params p;
    p.setBlob("b", memo::toStored(typed));
    c->execute("INSERT INTO T1 (B) VALUES (:b)", p);
    EXPECT_EQ(typed.size() + 3, c->scalar("SELECT OCTET_LENGTH(B) FROM T1").toInt());
    EXPECT_EQ(15, c->scalar("SELECT POSITION(ASCII_CHAR(13) || ASCII_CHAR(10) IN B) FROM T1").toInt());
    Dataset ds(c.get(), "SELECT B FROM T1");
    ds.open();
    EXPECT_EQ(typed, memo::fromStored(ds.field("B").asString()));
}
