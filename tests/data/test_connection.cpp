#include "support/TestDatabase.h"
#include "data/Dataset.h"

#include <gtest/gtest.h>

using namespace zort;
using namespace zort::test;

TEST(Connection, OpensAndRuns) {
    TestDatabase db;
    auto c = db.connect();
    c->execute("CREATE TABLE T1 (ID INTEGER, N VARCHAR(20))");
    EXPECT_EQ(1, c->execute("INSERT INTO T1 VALUES (:id, :n)", Params{{"id", 1}, {"n", QString::fromUtf8("żółć")}}));
    Dataset ds(c.get(), "SELECT * FROM T1");
    ds.open();
    ASSERT_EQ(1, ds.recordCount());
    EXPECT_EQ(QString::fromUtf8("żółć"), ds.field("N").asString());
}
