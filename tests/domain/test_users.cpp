// The users an administrator manages with zortdb: added and reset passwords count as
// set by the administrator, names are stored as the login compares them.
#include "domain/SharedConnection.h"
#include "support/LoginFixture.h"

#include "domain/Login.h"
#include "core/Password.h"

#include <QProcess>

using namespace zort;
using namespace zort::test;

namespace {

class UsersTest : public LoginFixture {};

} // namespace

// zortdb opens the database file itself: the test's connection is open only between
// its runs (the embedded engine opens a file in one process at a time).
TEST(ZortdbUsers, AddedAndResetPasswordsAreTheAdministrators) {
    TestDatabase db;
    ScriptedUi ui;
    const QString zortdb = qEnvironmentVariable("ZORT_BIN_DIR") + QStringLiteral("/zortdb");
    auto run = [&](const QStringList& args, const QByteArray& input = {}) {
        QProcess p;
        p.start(zortdb, args);
        p.write(input);
        p.closeWriteChannel();
        p.waitForFinished(30000);
        return std::make_pair(p.exitCode(), QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError()));
    };
    EXPECT_EQ(0, run({"user-add", db.path(), " Kasia", "Haslo123", "--imie", "Kasia", "--rights", "ALL=2,awypadki=1"}).first);
    auto conn = db.connect();
    conn->execute(QStringLiteral("UPDATE OPARAM SET POLITYKAHASEL = 1"));
    const std::vector<UserRow> all = listUsers(*conn);
    ASSERT_EQ(1u, all.size());
    EXPECT_EQ("kasia", all[0].name);  // stored as the login compares it
    EXPECT_EQ(1, all[0].rights.AWYPADKI);
    EXPECT_EQ(2, all[0].rights.RRiskScore);
    EXPECT_FALSE(all[0].passwordChanged.isValid());
    ASSERT_TRUE(ChangePassword(*conn, "Haslo123", "Wlasne12", "Wlasne12", all[0].id).stored);
    conn.reset();

    // A password the administrator sets again forces a change at the next login.
    EXPECT_EQ(0, run({"user-password", db.path(), "kasia", "-"}, "Inne1234\n").first);
    const auto [code, out] = run({"users", db.path()});
    EXPECT_EQ(0, code);
    EXPECT_TRUE(out.contains(QRegularExpression("kasia +Kasia +1 +\\(administrator\\)"))) << out.toStdString();
    const auto refused = run({"user-add", db.path(), "kasia", "x"});
    EXPECT_EQ(1, refused.first);
    EXPECT_TRUE(refused.second.contains(QString::fromUtf8("Użytkownik kasia już istnieje."))) << refused.second.toStdString();
    EXPECT_EQ(1, run({"user-add", db.path(), "ewa", "01234567890"}).first);  // 11 characters
    EXPECT_EQ(1, run({"user-add", db.path(), "ewa", "x", "--rights", "NIEMA=1"}).first);
    EXPECT_EQ(1, run({"user-password", db.path(), "nikt", "x"}).first);
    conn = db.connect();
    EXPECT_EQ(1u, listUsers(*conn).size());
    SharedConnection::set(conn.get());
    LoginState s;
    EXPECT_EQ(LoginState::Result::ChangeRequired, s.ok({"KASIA", "Inne1234", {}, {}}));
    resetRun();
}

TEST_F(UsersTest, TheUserTableHoldsTheRightsInTheRecordsOrder) {
    Dataset q(conn.get(), QStringLiteral(
        "SELECT TRIM(rf.RDB$FIELD_NAME) FROM RDB$RELATION_FIELDS rf JOIN RDB$FIELDS f ON f.RDB$FIELD_NAME = rf.RDB$FIELD_SOURCE "
        "WHERE rf.RDB$RELATION_NAME = 'APRAWADOSTEPU' AND f.RDB$FIELD_TYPE = 8 AND rf.RDB$FIELD_NAME <> 'ID' "
        "ORDER BY rf.RDB$FIELD_POSITION"));
    q.open();
    QStringList columns, record;
    for (q.first(); !q.eof(); q.next()) columns << q.field(0).asTrimmed();
    for (const char* name : TPrawaDostepu::names()) record << QString::fromLatin1(name).toUpper();
    EXPECT_EQ(record, columns);
}
