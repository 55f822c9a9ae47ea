#pragma once
#include "core/PrawaDostepu.h"
#include "core/Session.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace zort {

class Connection;

// The longest user name the user table holds.
inline constexpr int kMaxUserNameLength = 16;

// CheckPasswordPolicy: at least 8 characters, among them a lower-case letter (a-z), an
// upper-case letter (A-Z) and any other character (digits, punctuation, Polish
// letters). With `show`, a failure shows its message.
bool CheckPasswordPolicy(const QString& password, bool show);

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
// date of the user's own change. Refuses, with its message, a new password equal to
// the current one or different from its confirmation; `focus` receives the field
// to correct.
bool ChangePassword(Connection& c, const QString& current, const QString& newPassword,
                    const QString& confirmation, int userId, LoginField* focus = nullptr);

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

// What the OK button of the login window does, from login mode through the forced
// password change to the completed login, which is published in Session.
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

    std::optional<UserAccount> m_account;
    LoginField m_focus = LoginField::None;
    bool m_loginFlag = false;
    bool m_loggedIn = false;
};

} // namespace zort
