// The login against the user table: names, passwords, the suite's password policy,
// the forced change, the module version check and the automatic login.
#include "support/LoginFixture.h"

#include "core/AppContext.h"
#include "core/Forms.h"
#include "domain/Login.h"
#include "ui/LogowanieForm.h"
#include "core/Password.h"
#include "domain/PasswordColumns.h"
#include "app/Startup.h"
#include "core/DateUtil.h"

using namespace zort;
using namespace zort::test;

namespace {

const QString kWrong = QString::fromUtf8("Niepoprawne HASŁO lub NAZWA");
const QString kForced = QString::fromUtf8(
    "Uwaga!\r\nZgodnie z wdrożoną polityką bezpieczeństwa wymagana jest zmiana hasła przez użytkownika, gdyż: \n\r");
const QString kByAdmin = QString::fromUtf8("- hasło było ustawione przez administratora systemu\n\r");
const QString kExpired = QString::fromUtf8("- wygasła ważność hasła\n\r");
const QString kKinds = QString::fromUtf8(
    "- hasło nie zawiera zestawu wymaganych znaków\n\r (małe, duże litery oraz cyfry lub znaki specjalne)\n\r");
const QString kTooShort = QString::fromUtf8("Hasło musi się składać z minimum 8 znaków.");
const QString kPolicyFails = QString::fromUtf8(
    "Hasło niezgodne z wdrożoną polityką bezpieczeństwa, gdyż nie zawiera:\r\n"
    "małych liter i dużych liter oraz cyfr lub znaków specjalnych\r\n");

using Result = LoginState::Result;

class LoginTest : public LoginFixture {
protected:
    // The messages the login gives the window to show are gathered in `said`.
    Result login(LoginState& s, const QString& name, const QString& password) {
        const Result r = s.ok({name, password, QString(), QString()});
        said += s.messages();
        return r;
    }
    QList<LoginMessage> said;
};

} // namespace

TEST_F(LoginTest, NameCaseAndWrongPasswordWithUnlimitedRetries) {
    const int jan = user("jan", "tajne");
    // A stored name with a capital can never be matched.
    Params p{{"n", QStringLiteral("Ewa")}};
    conn->execute(QStringLiteral("INSERT INTO APRAWADOSTEPU (ID, NAZWAUZYTK, HASLO) VALUES (0, :n, %1)")
                      .arg(passwordExpression(EncodePassword("tajne"), p)),
                  p);
    LoginState ewa;
    EXPECT_EQ(Result::Stay, login(ewa, "Ewa", "tajne"));
    EXPECT_EQ(Result::Stay, login(ewa, "ewa", "tajne"));

    LoginState s;
    for (int attempt = 0; attempt < 5; ++attempt) EXPECT_EQ(Result::Stay, login(s, "jan", "Tajne"));
    EXPECT_EQ(Result::Stay, login(s, "jan", "tajn"));
    EXPECT_EQ(Result::Stay, login(s, "jan", "tajne!"));
    // Texts the user table cannot hold never match.
    EXPECT_EQ(Result::Stay, login(s, QString::fromUtf8("janж"), "tajne"));
    EXPECT_EQ(Result::Stay, login(s, "jan", QString::fromUtf8("tajnж")));
    EXPECT_EQ(Result::Stay, login(s, "jankowalskizlodzi", "tajne"));  // 17 characters
    ASSERT_EQ(12u, said.size());
    for (const auto& shown : said) {
        EXPECT_EQ(kWrong, shown.text);
        EXPECT_EQ("UWAGA", shown.caption);
        EXPECT_EQ(LoginMessage::Kind::Box, shown.kind);
    }
    EXPECT_TRUE(ui.shown.empty()) << "the window shows them";
    EXPECT_EQ(LoginField::Password, s.focus());
    EXPECT_FALSE(s.changeMode());
    EXPECT_FALSE(Session::loggedIn());

    said.clear();
    EXPECT_EQ(Result::LoggedIn, login(s, "JAN", "tajne"));
    EXPECT_TRUE(said.empty());
    EXPECT_EQ(jan, Session::user().id);
    EXPECT_EQ("jan", Session::user().name);
}

TEST_F(LoginTest, TheSessionKeepsTheUserAndEveryRightInItsColumn) {
    const int id = user("marta", "x");
    // Every right gets its own value: 1 for the first column, 68 for the last.
    QStringList sets;
    for (int i = 0; i < TPrawaDostepu::kCount; ++i)
        sets << QString::fromLatin1(TPrawaDostepu::names()[size_t(i)]) + QStringLiteral(" = ") + QString::number(i + 1);
    conn->execute(QStringLiteral("UPDATE APRAWADOSTEPU SET IMIE = 'Marta', NAZWISKO = 'Żak', ") + sets.join(", ") +
                  QStringLiteral(" WHERE ID = :id"), Params{{"id", id}});
    LoginState s;
    ASSERT_EQ(Result::LoggedIn, login(s, "Marta", "x"));
    EXPECT_TRUE(s.loginFlag());
    EXPECT_EQ(id, Session::user().id);
    EXPECT_EQ(QString::fromUtf8("marta (Marta Żak)"), Session::user().displayText());
    EXPECT_EQ("x", Session::user().typedPassword);
    const TPrawaDostepu& r = Session::rights();
    for (int i = 0; i < TPrawaDostepu::kCount; ++i) EXPECT_EQ(i + 1, r.at(i)) << TPrawaDostepu::names()[size_t(i)];
    EXPECT_EQ(11, r.AWYPADKI);
    EXPECT_EQ(68, r.RRiskScore);
}

TEST_F(LoginTest, PolicyOffLetsAnyMatchingPasswordIn) {
    policy(0);
    user("jan", "a");  // set by the administrator, one character
    LoginState s;
    EXPECT_EQ(Result::LoggedIn, login(s, "jan", "a"));
    EXPECT_TRUE(said.empty());
    // Only 1 switches the policy on; no row of OPARAM means off.
    Session::logOut();
    policy(2);
    EXPECT_EQ(Result::LoggedIn, login(s, "jan", "a"));
    conn->execute(QStringLiteral("DELETE FROM OPARAM"));
    EXPECT_EQ(Result::LoggedIn, login(s, "jan", "a"));
    EXPECT_TRUE(said.empty());
}

TEST_F(LoginTest, PolicyReasonsAloneAndTogether) {
    policy(1);
    const QDateTime recent(kToday.addDays(-3), QTime(0, 0));
    const QDateTime old(kToday.addDays(-40), QTime(0, 0));
    const struct {
        const char* name;
        const char* password;
        QDateTime changed;
        QString reasons;
    } cases[] = {
        {"admin1", "Dobre123", QDateTime(), kByAdmin},
        {"stare1", "Dobre123", old, kExpired},
        {"slabe1", "slabe", recent, kKinds},
        {"admin2", "slabe", QDateTime(), kByAdmin + kKinds},
        {"stare2", "SLABE123", old, kExpired + kKinds},
    };
    for (const auto& c : cases) user(c.name, c.password, c.changed);
    user("dobre1", "Dobre123", recent);  // nothing forces a change
    for (const auto& [name, password, changed, reasons] : cases) {
        said.clear();
        LoginState s;
        EXPECT_EQ(Result::ChangeRequired, login(s, name, password)) << name;
        ASSERT_EQ(1u, said.size()) << name;
        EXPECT_EQ(kForced + reasons, said[0].text) << name;
        EXPECT_TRUE(s.changeMode());
        EXPECT_EQ(LoginField::NewPassword, s.focus());
        EXPECT_FALSE(Session::loggedIn());
    }
    said.clear();
    LoginState s;
    EXPECT_EQ(Result::LoggedIn, login(s, "dobre1", "Dobre123"));
    EXPECT_TRUE(said.empty());
}

TEST_F(LoginTest, ThirtyDayBoundaryCountsFromMidnightOfTheChange) {
    policy(1);
    // Changed on 1 March at 10:15: valid through 31 March, expired from 1 April 00:00.
    user("jan", "Dobre123", QDateTime(QDate(2026, 3, 1), QTime(10, 15)));
    Clock::setNow(QDateTime(QDate(2026, 3, 31), QTime(23, 59, 59)));
    LoginState valid;
    EXPECT_EQ(Result::LoggedIn, login(valid, "jan", "Dobre123"));
    Session::logOut();
    Clock::setNow(QDateTime(QDate(2026, 4, 1), QTime(0, 0)));
    LoginState expired;
    EXPECT_EQ(Result::ChangeRequired, login(expired, "jan", "Dobre123"));
    EXPECT_EQ(kForced + kExpired, said.last().text);

    // A zero date counts as no date: set by the administrator.
    conn->execute(QStringLiteral("UPDATE APRAWADOSTEPU SET ZMIANAHASLA = :d"), Params{{"d", QDateTime(dates::kZeroDate, QTime(0, 0))}});
    LoginState zero;
    EXPECT_EQ(Result::ChangeRequired, login(zero, "jan", "Dobre123"));
    EXPECT_EQ(kForced + kByAdmin, said.last().text);
}

TEST(PasswordPolicy, KindsOfCharacters) {
    ScriptedUi ui;
    const std::pair<const char*, bool> cases[] = {
        {"Abcdefgh", false},    // both cases, no digit or other character
        {"Abcdefg1", true},
        {"Abcdefg!", true},
        {"abcdefg1", false},    // no upper case
        {"ABCDEFG1", false},    // no lower case
        {"12345678", false},
        {"abcdefgŁ", false},    // a Polish capital is special, not upper case
        {"Abcdefgł", true},     // ... and a Polish letter counts as special
        {"Ab1 Ab1 ", true},
    };
    for (const auto& [password, passes] : cases) {
        EXPECT_EQ(passes, CheckPasswordPolicy(QString::fromUtf8(password))) << password;
    }
    EXPECT_EQ(kTooShort, passwordPolicyRefusal("Ab1defg"));
    EXPECT_EQ(kPolicyFails, passwordPolicyRefusal(QString::fromUtf8("abcdefgŁ")));
    EXPECT_EQ(QString(), passwordPolicyRefusal("Abcdefg1"));
    EXPECT_TRUE(ui.shown.empty());
}

// The automatic login of the start-up: arguments 1 and 2 name the configuration and
// the user id.
class AutoLoginTest : public LoginFixture {
protected:
    // The start-up sets the deadline of opening the database for the process; later
    // tests open their databases without it.
    ~AutoLoginTest() override { Connection::setOpenDeadline(m_deadline); }
    const int m_deadline = Connection::openDeadline();
    ProgramFolder folder{db.path()};
    int start(const QStringList& args) {
        folder.writeDefaultConfig();
        Startup s(args, folder.path());
        EXPECT_EQ(ExitOk, s.prepare());
        return s.login();
    }
};

TEST_F(AutoLoginTest, KnownUserIsLoggedInWithoutTheWindow) {
    const int id = user("jan", QString::fromUtf8("Zażółć1!"), QDateTime(kToday, QTime(0, 0)));
    policy(1);
    EXPECT_EQ(ExitOk, start({"0", QString::number(id)}));
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(id, Session::user().id);
    EXPECT_EQ(QString::fromUtf8("Zażółć1!"), Session::user().typedPassword);
    auto* form = Forms::get<TfrmLogowanie>("TfrmLogowanie");
    ASSERT_NE(nullptr, form);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->state().loginFlag());
}

TEST_F(AutoLoginTest, UnknownIdOrForcedChangeEndsTheRunBeforeTheMainWindow) {
    const int id = user("jan", "Dobre123");  // set by the administrator
    for (const QString& bad : {QStringLiteral("999"), QStringLiteral("abc")}) {
        ui.clear();
        folder.writeConfig("kwel_1.ini", {"[Database]", "AliasName=ZortTest"});
        Startup s({"1", bad}, folder.path());
        EXPECT_EQ(ExitLoginFailed, s.run()) << bad.toStdString();
        EXPECT_EQ(QStringList{kWrong}, ui.texts());
        EXPECT_EQ(nullptr, Forms::get("TRejestrWypForm"));
        EXPECT_FALSE(Session::loggedIn());
    }
    policy(1);
    ui.clear();
    EXPECT_EQ(ExitLoginFailed, start({"0", QString::number(id)}));
    EXPECT_EQ(QStringList{kForced + kByAdmin}, ui.texts());
    EXPECT_FALSE(Session::loggedIn());
}
