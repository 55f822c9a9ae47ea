#include "db/Dataset.h"
#include "db/DatabaseBuilder.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace zort;
using namespace zort::test;

// Two workstations on one database served by a Firebird server on 127.0.0.1.
TEST(Server, TwoConnectionsSeeEachOthersCommittedRows) {
    if (testServerHost().isEmpty()) GTEST_SKIP() << "no Firebird server (ZORT_FB_SERVER)";
    const QString database = createServerDatabase();
    Connection a(QStringLiteral("server-a"));
    Connection b(QStringLiteral("server-b"));
    a.open(database, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
    b.open(database, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));

    EXPECT_EQ(1, a.execute(QStringLiteral("INSERT INTO SKWZATRUDNIENIE (ROK, ILZATR) VALUES (:r, :n)"),
                           Params{{"r", 2026}, {"n", 125}}));
    EXPECT_EQ(125, b.scalar(QStringLiteral("SELECT ILZATR FROM SKWZATRUDNIENIE WHERE ROK = 2026")).toInt());

    // An open transaction on one side is invisible to the other until it commits.
    b.begin();
    b.execute(QStringLiteral("UPDATE SKWZATRUDNIENIE SET ILZATR = 130 WHERE ROK = 2026"));
    EXPECT_EQ(125, a.scalar(QStringLiteral("SELECT ILZATR FROM SKWZATRUDNIENIE WHERE ROK = 2026")).toInt());
    b.commit();
    EXPECT_EQ(130, a.scalar(QStringLiteral("SELECT ILZATR FROM SKWZATRUDNIENIE WHERE ROK = 2026")).toInt());

    // Polish text crosses the wire in both directions.
    a.execute(QStringLiteral("INSERT INTO SKWZESPPOWYPADKOWY (ID, IMNAZW, FUNKCJA) VALUES (0, :n, :f)"),
              Params{{"n", QString::fromUtf8("Łucja Żółkiewska")}, {"f", QString::fromUtf8("specjalista BHP")}});
    Dataset ds(&b, QStringLiteral("SELECT ID, IMNAZW FROM SKWZESPPOWYPADKOWY"));
    ds.open();
    ASSERT_EQ(1, ds.recordCount());
    EXPECT_GT(ds.field("ID").asInt(), 0);  // key assigned by the database
    EXPECT_EQ(QString::fromUtf8("Łucja Żółkiewska"), ds.field("IMNAZW").asString());
}
