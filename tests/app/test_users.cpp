// The users an administrator manages with zortdb: added and reset passwords count as
// set by the administrator, names are stored as the login compares them.
#include "LoginFixture.h"

#include "app/Login.h"
#include "app/Password.h"

#include <QProcess>

using namespace zort;
using namespace zort::test;

namespace {

class UsersTest : public LoginFixture {};

} // namespace

TEST(UserRights, ParsedFromAList) {
    const TPrawaDostepu r = parseRights(QStringLiteral("ALL=2, awypadki=1,WWydrZal=0"));
    EXPECT_EQ(2, r.AZAKL);
    EXPECT_EQ(2, r.RRiskScore);
    EXPECT_EQ(1, r.AWYPADKI);
    EXPECT_EQ(0, r.WWydrZal);
    EXPECT_EQ(TPrawaDostepu{}, parseRights(QString()));
    EXPECT_THROW(parseRights(QStringLiteral("NIEMA=1")), DbError);
    EXPECT_THROW(parseRights(QStringLiteral("AWYPADKI=x")), DbError);
    EXPECT_THROW(parseRights(QStringLiteral("AWYPADKI")), DbError);
}

TEST_F(UsersTest, AddedAndResetPasswordsAreTheAdministrators) {
    policy(1);
    const int id = addUser(*conn, QString::fromUtf8("  Łucja "), "Pierwsze1", QString::fromUtf8("Łucja"), "Nowak",
                           parseRights("AWYPADKI=1,ABLOKWYPADKI=2"));
    const std::vector<UserRow> all = listUsers(*conn);
    ASSERT_EQ(1u, all.size());
    EXPECT_EQ(id, all[0].id);
    EXPECT_EQ(QString::fromUtf8("łucja"), all[0].name);
    EXPECT_FALSE(all[0].passwordChanged.isValid());
    EXPECT_EQ(1, all[0].rights.AWYPADKI);
    EXPECT_EQ(2, all[0].rights.ABLOKWYPADKI);
    EXPECT_EQ(0, all[0].rights.AZAKL);

    // The user logs in and must change the password.
    LoginState s;
    EXPECT_EQ(LoginState::Result::ChangeRequired, s.ok({QString::fromUtf8("ŁUCJA"), "Pierwsze1", {}, {}}));
    ASSERT_TRUE(ChangePassword(*conn, "Pierwsze1", "Drugie12", "Drugie12", id));
    EXPECT_TRUE(listUsers(*conn)[0].passwordChanged.isValid());

    // A password the administrator sets again forces the next change.
    setPasswordByAdministrator(*conn, QString::fromUtf8("Łucja"), "Trzecie3");
    EXPECT_EQ(EncodePassword("Trzecie3"), storedPassword(id));
    EXPECT_FALSE(listUsers(*conn)[0].passwordChanged.isValid());

    EXPECT_THROW(addUser(*conn, QString::fromUtf8("łucja"), "x", {}, {}, {}), DbError);  // exists
    EXPECT_THROW(addUser(*conn, "ewa", "", {}, {}, {}), DbError);
    EXPECT_THROW(addUser(*conn, "ewa", "01234567890", {}, {}, {}), DbError);  // 11 characters
    EXPECT_THROW(addUser(*conn, "abcdefghijklmnopq", "x", {}, {}, {}), DbError);
    EXPECT_THROW(addUser(*conn, "ewa", QString::fromUtf8("жж"), {}, {}, {}), DbError);
    EXPECT_THROW(setPasswordByAdministrator(*conn, "nikt", "x"), DbError);
    EXPECT_EQ(1u, listUsers(*conn).size());
}

TEST(ZortdbUsers, CommandLine) {
    TestDatabase db;
    const QString zortdb = qEnvironmentVariable("ZORT_BIN_DIR") + QStringLiteral("/zortdb");
    auto run = [&](const QStringList& args, const QByteArray& input = {}) {
        QProcess p;
        p.start(zortdb, args);
        p.write(input);
        p.closeWriteChannel();
        p.waitForFinished(30000);
        return std::make_pair(p.exitCode(), QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError()));
    };
    EXPECT_EQ(0, run({"user-add", db.path(), "Kasia", "Haslo123", "--imie", "Kasia", "--rights", "AWYPADKI=2"}).first);
    EXPECT_EQ(0, run({"user-password", db.path(), "kasia", "-"}, "Inne1234\n").first);
    const auto [code, out] = run({"users", db.path()});
    EXPECT_EQ(0, code);
    EXPECT_TRUE(out.contains(QRegularExpression("kasia +Kasia +2 +\\(administrator\\)"))) << out.toStdString();
    const auto refused = run({"user-add", db.path(), "kasia", "x"});
    EXPECT_EQ(1, refused.first);
    EXPECT_TRUE(refused.second.contains(QString::fromUtf8("Użytkownik kasia już istnieje."))) << refused.second.toStdString();

    auto c = db.connect();
    EXPECT_TRUE(findUser(*c, "KASIA", "Inne1234").has_value());
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
