#include "ui/FieldBinding.h"
#include "db/Dataset.h"
#include "register/EntryPages.h"
#include "support/TestDatabase.h"

#include <QSet>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace zort;
using namespace zort::test;

// Every bound control of the entry pages names a column of its row's table, and no
// column is written by two controls of one row.
TEST(EntryPages, EveryBoundControlHasItsColumnOnce) {
    QWidget root;
    auto* accident = new QWidget(&root);
    buildAccidentPage(accident);
    auto* person = new QTabWidget(&root);
    buildPersonPages(person);
    FieldBinder binder(&root, MemoSlots::TwoDigits,
                       {{'w', "SKWWYPADKI", true}, {'0', "SKWWYPADKI", false}, {'p', "SKWPOSZKODOWANI", true, 1},
                        {'9', "SKWPOSZKODOWANI", false, 1}, {'r', "SKWPOSZKODOWANI", true, 1},
                        {'k', "SKWPOSZKODOWANI", true, 1}});
    TestDatabase db;
    auto c = db.connect();
    QMap<QString, QSet<QString>> columns;
    for (const QString table : {"SKWWYPADKI", "SKWPOSZKODOWANI"}) {
        Dataset ds(c.get(), "SELECT * FROM " + table + " WHERE 1 = 0");
        ds.open();
        for (const QString& col : ds.columns()) columns[table].insert(col);
    }
    // The person's dataset also computes PESEL: the PESEL of the linked employee.
    columns["SKWPOSZKODOWANI"].insert("PESEL");
    ASSERT_GT(binder.controls().size(), 150);
    for (const BoundControl& b : binder.controls()) {
        const SelectorRule* r = binder.rule(b.selector);
        EXPECT_TRUE(columns[r->target].contains(b.column.toUpper()))
            << b.widget->objectName().toStdString() << " has no column in " << r->target.toStdString();
    }
    // A record uses the protocol fields ("r") or the accident-card fields ("k").
    for (const QChar mode : {QChar('r'), QChar('k')}) {
        QMap<QString, QSet<QString>> written;
        for (const BoundControl& b : binder.controls()) {
            const SelectorRule* r = binder.rule(b.selector);
            if (!r->save || ((b.selector == 'r' || b.selector == 'k') && b.selector != mode)) continue;
            EXPECT_FALSE(written[r->target].contains(b.column.toUpper()))
                << b.column.toStdString() << " is written twice in " << r->target.toStdString();
            written[r->target].insert(b.column.toUpper());
        }
    }
}
