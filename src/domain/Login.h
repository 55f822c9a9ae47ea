#pragma once
#include "core/PrawaDostepu.h"
#include "core/Session.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace zort {

class Connection;

// The longest user name the user table holds.
inline constexpr int kMaxUserNameLength = 16;

// CheckPasswordPolicy: at least 8 characters, among them a lower-case letter (a-z), an
// upper-case letter (A-Z) and any other character (digits, punctuation, Polish
// letters).
bool CheckPasswordPolicy(const QString& password);
// Why a password fails the policy (the warning for the user); empty when it passes.
QString passwordPolicyRefusal(const QString& password);

// The suite's password policy is on: OPARAM.PolitykaHasel of the first row is 1.
bool passwordPolicyOn(Connection& c);

// A password changed at `changed` (its day counts from midnight) is valid until
// midnight at the end of the 30th day after that day.
bool passwordExpired(const QDateTime& changed, const QDateTime& now);

class Dataset;
// The rights record of the current row of a dataset that selects the rights columns.
TPrawaDostepu rightsOf(const Dataset& row);

// A user of the user table with the rights record.
struct UserAccount {
    CurrentUser user;           // with the password as typed
    TPrawaDostepu rights;
    QDateTime passwordChanged;  // ZmianaHasla; invalid when the administrator set the password
};

// The user whose name equals the typed name in lower case and whose password is the
// typed one; none when there is no such user.
std::optional<UserAccount> findUser(Connection& c, const QString& typedName, const QString& typedPassword);

// Why the policy forces this user to change the password, each reason followed by
// "\n\r"; empty when nothing forces it.
QString forcedChangeReasons(const UserAccount& account, const QDateTime& now);

// The fields of the login window, for the focus after an action.
enum class LoginField { None, Name, Password, NewPassword, Confirmation };

// ChangePassword: stores the new password of the user (encoded) with today as the
// date of the user's own change. Refuses a new password equal to the current one or
// different from its confirmation, or one the user table cannot hold.
struct PasswordChange {
    bool stored = false;
    QString refusal;                      // why not: a warning for the user
    LoginField focus = LoginField::None;  // the field to correct
};
PasswordChange ChangePassword(Connection& c, const QString& current, const QString& newPassword,
                              const QString& confirmation, int userId);

// LoadUserForAutoLogin: the stored name and the decoded password of the user with
// this id (the command line's text); none when there is no such user.
struct StoredLogin {
    QString name;
    QString password;
};
std::optional<StoredLogin> LoadUserForAutoLogin(Connection& c, const QString& id);

// The key filter of the new-password field: a key typed while exactly Alt or
// exactly Ctrl is held is refused (with Alt and Ctrl together it passes; pressing a
// modifier key itself is not typing).
bool newPasswordKeyRejected(int key, Qt::KeyboardModifiers modifiers);
QString newPasswordKeyMessage();

// A message of the login for the user.
struct LoginMessage {
    enum class Kind { Warning, Error, Box };  // Box: the system message box with its caption
    Kind kind = Kind::Warning;
    QString text;
    QString caption;
};

// What the OK button of the login window does, from login mode through the forced
// password change to the completed login, which is published in Session. It shows
// nothing: the window shows messages() in their order.
class LoginState {
public:
    struct Input {
        QString name;
        QString password;
        QString newPassword;
        QString confirmation;
    };
    enum class Result { Stay, ChangeRequired, LoggedIn };

    // BitBtn1Click: the module version check, then the login or, in password-change
    // mode, the change. Runs on the shared connection; database errors propagate.
    Result ok(const Input& in);
    // The messages of the last ok(), in the order they arose (also when it threw).
    const QList<LoginMessage>& messages() const { return m_messages; }

    // Password-change mode: a user was found whom the policy forces to change.
    bool changeMode() const { return m_account.has_value() && !m_loggedIn; }
    bool loggedIn() const { return m_loggedIn; }
    // Where the window puts the focus after the last action.
    LoginField focus() const { return m_focus; }
    // Set once the OK action has run.
    bool loginFlag() const { return m_loginFlag; }

private:
    Result login(Connection& c, const Input& in);
    Result change(Connection& c, const Input& in);
    Result complete();

    void say(LoginMessage::Kind kind, const QString& text, const QString& caption = QString());

    std::optional<UserAccount> m_account;
    QList<LoginMessage> m_messages;
    LoginField m_focus = LoginField::None;
    bool m_loginFlag = false;
    bool m_loggedIn = false;
};

} // namespace zort
