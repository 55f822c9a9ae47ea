// Lists that follow each other: a frozen master, its detail, calculated fields.
#include "support/TestDatabase.h"
#include "db/ColumnTypes.h"
#include "db/Dataset.h"

#include <gtest/gtest.h>

using namespace zort;
using namespace zort::test;

TEST(Dataset, AFrozenMasterIsFollowedOnceWhenItIsEnabledAgain) {
    TestDatabase db;
    auto c = db.connect();
    c->execute("CREATE TABLE M (ID INTEGER, N VARCHAR(5))");
    c->execute("CREATE TABLE D (ID INTEGER, MID INTEGER)");
    for (int i = 1; i <= 3; ++i) {
        c->execute("INSERT INTO M VALUES (:i, :n)", {{"i", i}, {"n", QStringLiteral("m%1").arg(i)}});
        c->execute("INSERT INTO D VALUES (:i, :m)", {{"i", 10 * i}, {"m", i}});
        c->execute("INSERT INTO D VALUES (:i, :m)", {{"i", 10 * i + 1}, {"m", i}});
    }
    Dataset master(c.get(), "SELECT * FROM M ORDER BY ID");
    Dataset detail(c.get(), "SELECT * FROM D WHERE MID = :MID ORDER BY ID");
    master.addCalculatedField("twice", [](const Dataset& d, int row) { return d.rowField(row, "ID").asInt() * 2; });
    detail.setMaster(&master, "ID", "MID");
    int masterScrolls = 0, detailOpens = 0;
    QObject::connect(&master, &Dataset::scrolled, [&]() { ++masterScrolls; });
    QObject::connect(&detail, &Dataset::opened, [&]() { ++detailOpens; });

    master.open();
    EXPECT_EQ(detailOpens, 1);  // once, although the master both opened and scrolled
    EXPECT_EQ(masterScrolls, 1);
    EXPECT_EQ(detail.field("ID").asInt(), 10);
    EXPECT_EQ(master.fieldAt(2, "twice").asInt(), 6);

    // Frozen: reopened and moved without anyone following; enabled: followed once.
    master.disableControls();
    master.open();
    master.locate("ID", 3);
    EXPECT_EQ(masterScrolls, 1);
    EXPECT_EQ(detailOpens, 1);
    EXPECT_EQ(detail.field("MID").asInt(), 1);
    master.enableControls();
    EXPECT_EQ(masterScrolls, 2);
    EXPECT_EQ(detailOpens, 2);
    EXPECT_EQ(detail.field("MID").asInt(), 3);

    // A detail read after the master was reopened is not read again for the same row.
    master.disableControls();
    master.open();
    master.locate("ID", 2);
    detail.setParam("MID", 2);
    detail.open();
    detail.locate("ID", 21);
    master.enableControls();
    EXPECT_EQ(detailOpens, 3);
    EXPECT_EQ(detail.field("ID").asInt(), 21);

    // Nothing changed while frozen: no scroll when enabled.
    master.disableControls();
    master.enableControls();
    EXPECT_EQ(masterScrolls, 3);
}

// Locating and the prefix filter.
TEST(Dataset, LocateAndTheFilter) {
    TestDatabase db;
    auto c = db.connect();
    for (const auto& [id, name, fn] : {std::tuple{1, "Kowalski", "Jan"}, {2, "Kowalska", "Anna"}, {3, "Nowak", "Ewa"}})
        c->execute("INSERT INTO SKWZESPPOWYPADKOWY (ID, IMNAZW, FUNKCJA) VALUES (:i, :n, :f)",
                   {{"i", id}, {"n", QString::fromUtf8(name)}, {"f", QString::fromUtf8(fn)}});
    Dataset ds(c.get(), "SELECT * FROM SKWZESPPOWYPADKOWY ORDER BY ID");
    ds.open();
    ASSERT_EQ(3, ds.recordCount());
    EXPECT_TRUE(ds.locate("IMNAZW", "Nowak"));
    EXPECT_EQ(2, ds.recNo());
    EXPECT_FALSE(ds.locate("IMNAZW", "Zieliński"));
    EXPECT_EQ(2, ds.recNo()) << "no match leaves the row";
    EXPECT_TRUE(ds.locate("ID", 2));  // numbers by value

    ds.setPrefixFilter("IMNAZW", "Kowal*");
    EXPECT_EQ(2, ds.recordCount());
    ds.setPrefixFilter("IMNAZW", "kowal*");
    EXPECT_EQ(0, ds.recordCount()) << "the filter keeps case";
    ds.setPrefixFilter("IMNAZW", "Nowak");
    EXPECT_EQ(1, ds.recordCount()) << "without a star the whole value must match";
    ds.clearFilter();
    EXPECT_EQ(3, ds.recordCount());
}

// Rows dropped from memory: a removed current row gives way to the row after it (or
// the one before, or none) and the detail follows; rows the filter hides go too.
// A key's row is looked for from the current row outward.
TEST(Dataset, RemovedRowsLeaveTheListWithoutReadingIt) {
    TestDatabase db;
    auto c = db.connect();
    c->execute("CREATE TABLE M (ID INTEGER, N VARCHAR(5))");
    c->execute("CREATE TABLE D (ID INTEGER, MID INTEGER)");
    for (const auto& [id, n] : {std::pair{1, "a1"}, {2, "b2"}, {3, "a3"}, {4, "a4"}, {5, "a5"}}) {
        c->execute("INSERT INTO M VALUES (:i, :n)", {{"i", id}, {"n", QString::fromLatin1(n)}});
        c->execute("INSERT INTO D VALUES (:i, :m)", {{"i", 10 * id}, {"m", id}});
    }
    // Every row compared, or a key looked for from the current row outward: alike.
    for (bool unique : {false, true}) {
        SCOPED_TRACE(unique ? "key" : "every row");
        Dataset master(c.get(), "SELECT * FROM M ORDER BY ID");
        Dataset detail(c.get(), "SELECT * FROM D WHERE MID = :MID");
        master.addCalculatedField("twice", [](const Dataset& d, int row) { return d.rowField(row, "ID").asInt() * 2; });
        detail.setMaster(&master, "ID", "MID");
        int scrolls = 0, removals = 0, opens = 0;
        QObject::connect(&master, &Dataset::scrolled, [&]() { ++scrolls; });
        QObject::connect(&master, &Dataset::rowsRemoved, [&]() { ++removals; });
        QObject::connect(&master, &Dataset::opened, [&]() { ++opens; });
        master.open();
        master.setPrefixFilter("N", "a*");  // 1 3 4 5
        master.locate("ID", 4);
        scrolls = 0;
        auto ids = [&]() {
            QString s;
            for (int r = 0; r < master.recordCount(); ++r) s += QString::number(master.fieldAt(r, "ID").asInt());
            return s;
        };

        // Another row (before the current one): the current row stays, nobody follows.
        EXPECT_EQ(master.removeRows("ID", 1, unique), 1);
        EXPECT_EQ(ids(), "345");
        EXPECT_EQ(master.recNo(), 1);
        EXPECT_EQ(master.value("ID").toInt(), 4);
        EXPECT_EQ(scrolls, 0);
        EXPECT_EQ(removals, 1);
        EXPECT_EQ(master.removeRows("ID", 9, unique), 0) << "no such row";
        EXPECT_EQ(removals, 1);

        // The current row: the one after it, the detail with it, calculated fields kept.
        EXPECT_EQ(master.removeRows("ID", 4, unique), 1);
        EXPECT_EQ(master.value("ID").toInt(), 5);
        EXPECT_EQ(master.value("twice").toInt(), 10);
        EXPECT_EQ(detail.value("ID").toInt(), 50);
        EXPECT_EQ(scrolls, 1);
        // The last row: the one before it.
        EXPECT_EQ(master.removeRows("ID", 5, unique), 1);
        EXPECT_EQ(master.value("ID").toInt(), 3);
        EXPECT_EQ(detail.value("ID").toInt(), 30);
        // A hidden row goes too; the filter cleared shows what is left.
        EXPECT_EQ(master.removeRows("N", "b2", unique), 1);
        EXPECT_EQ(master.value("ID").toInt(), 3);
        master.clearFilter();
        EXPECT_EQ(ids(), "3");
        // The only row: nothing current, the detail empty.
        EXPECT_EQ(master.removeRows("ID", 3, unique), 1);
        EXPECT_TRUE(master.isEmpty());
        EXPECT_EQ(master.recNo(), -1);
        EXPECT_TRUE(master.eof());
        EXPECT_TRUE(detail.isEmpty());
        EXPECT_EQ(opens, 1) << "never read again";
    }
}

// Editing through the dataset: an UPDATE of the changed columns of the current row by
// its key, an INSERT of a new row, both bound; a refused value stays pending.
TEST(Dataset, EditedAndAppendedRowsAreWrittenToTheirTable) {
    TestDatabase db;
    auto c = db.connect();
    c->execute("INSERT INTO SKWZESPPOWYPADKOWY (ID, IMNAZW, FUNKCJA) VALUES (1, 'Jan Kowalski', 'BHP')");
    c->execute("INSERT INTO SKWZESPPOWYPADKOWY (ID, IMNAZW, FUNKCJA) VALUES (2, 'Anna Nowak', 'SIP')");
    Dataset ds(c.get(), "SELECT * FROM SKWZESPPOWYPADKOWY ORDER BY ID");
    ds.open();
    EXPECT_THROW(ds.edit(), DbError) << "no table to write to";
    ds.setUpdateTable("SKWZESPPOWYPADKOWY");
    EXPECT_EQ(ds.columnLength(ds.columnIndex("FUNKCJA")), 50);
    int posted = -2;
    QObject::connect(&ds, &Dataset::posted, [&](int row) { posted = row; });

    ds.moveTo(1);
    ds.edit();
    EXPECT_EQ(ds.editValue("FUNKCJA").toString(), "SIP");
    ds.setValue("FUNKCJA", QStringLiteral("Społeczny inspektor O'Brien"));
    ds.post();
    EXPECT_EQ(posted, 1);
    EXPECT_EQ(ds.state(), Dataset::State::Browse);
    EXPECT_EQ(ds.value("FUNKCJA").toString(), "Społeczny inspektor O'Brien");
    EXPECT_EQ(c->scalar("SELECT FUNKCJA FROM SKWZESPPOWYPADKOWY WHERE ID = 2").toString(), "Społeczny inspektor O'Brien");
    EXPECT_EQ(c->scalar("SELECT FUNKCJA FROM SKWZESPPOWYPADKOWY WHERE ID = 1").toString(), "BHP");

    // Too long for the column: refused, the value kept for another try or cancel.
    ds.edit();
    ds.setValue("FUNKCJA", QString(51, QLatin1Char('x')));
    EXPECT_THROW(ds.post(), ValueRefused);
    EXPECT_EQ(ds.state(), Dataset::State::Edit);
    ds.cancel();
    EXPECT_EQ(ds.value("FUNKCJA").toString(), "Społeczny inspektor O'Brien");

    // A new row joins the dataset when it is read again; key 0 is the trigger's.
    ds.append();
    EXPECT_TRUE(ds.editValue("IMNAZW").isNull());
    ds.setValue("ID", 0);
    ds.setValue("IMNAZW", QStringLiteral("Ewa Zielińska"));
    ds.post();
    EXPECT_EQ(posted, -1);
    EXPECT_EQ(ds.recordCount(), 2);
    ds.refresh();
    ASSERT_EQ(ds.recordCount(), 3);
    EXPECT_TRUE(ds.locate("IMNAZW", QStringLiteral("Ewa Zielińska")));
    EXPECT_GT(ds.value("ID").toInt(), 0);

    // A new row given up leaves nothing.
    ds.append();
    ds.setValue("IMNAZW", QStringLiteral("Nikt"));
    ds.cancel();
    ds.post();
    EXPECT_EQ(c->scalar("SELECT COUNT(*) FROM SKWZESPPOWYPADKOWY").toInt(), 3);
}

// Values are converted by their columns' types as the register's saves convert them,
// and an UPDATE must find its row: a refusal writes nothing and keeps the edit.
TEST(Dataset, ARefusedValueOrAVanishedRowWritesNothingAndKeepsTheEdit) {
    TestDatabase db;
    auto c = db.connect();
    c->execute("CREATE TABLE P (ID INTEGER NOT NULL PRIMARY KEY, N VARCHAR(5), K INTEGER)");
    c->execute("INSERT INTO P VALUES (1, 'a', 1)");
    c->execute("INSERT INTO P VALUES (2, 'b', 2)");
    Dataset ds(c.get(), "SELECT * FROM P ORDER BY ID");
    ds.setUpdateTable("P");
    ds.open();
    auto stored = [&]() {
        return c->scalar("SELECT LIST(N || ':' || K, ' ') FROM (SELECT N, K FROM P ORDER BY ID)").toString();
    };
    auto refusal = [&]() -> QString {
        try {
            ds.post();
        } catch (const ValueRefused& e) {
            return e.reason();
        }
        return QString();
    };

    ds.edit();
    ds.setValue("K", QStringLiteral("12a"));
    EXPECT_EQ(refusal(), QString::fromUtf8("Zły format liczby całkowitej. Max. 2147483647."));
    ds.setValue("K", QStringLiteral(" 7 "));
    ds.setValue("N", QStringLiteral("abcdef"));
    EXPECT_EQ(refusal(), QString::fromUtf8("Za długi tekst. Max. 5 znaków."));
    EXPECT_EQ(ds.state(), Dataset::State::Edit);
    EXPECT_EQ(stored(), "a:1 b:2") << "nothing written, not even the good value";
    ds.setValue("N", QStringLiteral("c"));
    ds.post();
    EXPECT_EQ(stored(), "c:7 b:2");
    EXPECT_EQ(ds.value("K"), QVariant(7));

    // The row deleted at another workstation: the store's message, the edit kept,
    // nothing inserted in its place.
    ds.moveTo(1);
    ds.edit();
    ds.setValue("N", QStringLiteral("d"));
    c->execute("DELETE FROM P WHERE ID = 2");
    try {
        ds.post();
        ADD_FAILURE() << "a vanished row was reported written";
    } catch (const DbError& e) {
        EXPECT_EQ(e.message(), QString::fromUtf8("Zapisywany rekord nie istnieje już w bazie danych."));
    }
    EXPECT_EQ(ds.state(), Dataset::State::Edit);
    EXPECT_EQ(ds.editValue("N").toString(), "d");
    EXPECT_EQ(ds.editedRow(), 1);
    EXPECT_EQ(stored(), "c:7");
    EXPECT_FALSE(c->inTransaction());
}
