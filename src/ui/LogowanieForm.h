#pragma once
#include "domain/Login.h"

#include <QDialog>
#include <QStringList>

class QFrame;
class QLineEdit;
class QPushButton;

namespace zort {

// The login window ("Logowanie"). Login mode shows the name and password; when the
// password policy forces a change the window lengthens to show the new-password
// panel, and the next OK stores the new password. The rules live in LoginState; the
// logged-in user and the rights record are published in Session.
class TfrmLogowanie : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 1000;

    explicit TfrmLogowanie(QWidget* parent = nullptr);

    // OK: the module version check, then the login or the password change; closes the
    // window with result Accepted when the user is logged in.
    void BitBtn1Click();
    // Anuluj: closes with result Rejected.
    void BitBtn2Click();

    // Automatic login: fills the name and password of the user with this id and
    // performs OK without showing the window. True when the user is logged in.
    bool autoLogin(const QString& userId);

    const LoginState& state() const { return m_state; }

    QLineEdit* eNazwa;
    QLineEdit* eHaslo;
    QLineEdit* eNoweHaslo;
    QLineEdit* eNoweHasloPotw;
    QFrame* Panel2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void enterChangeMode();
    void focusField(LoginField field);
    // The messages of the last OK, in their order.
    void showMessages();

    LoginState m_state;
};

// The login step of the start-up: with arguments 1 and 2 both given, the automatic
// login of user id argument 2; otherwise the login window, shown modally. The window
// lives for the run (Forms "TfrmLogowanie"). ExitOk when a user is logged in.
int runLogin(const QStringList& args);

} // namespace zort
