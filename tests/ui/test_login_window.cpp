// The login window as a user meets it: its controls, the change mode that lengthens
// it, the key filter of the new password, and the start-up's interactive login.
#include "domain/SharedConnection.h"
#include "support/ModalDriver.h"
#include "support/AccessibleWalk.h"
#include "support/LoginFixture.h"

#include "core/AppContext.h"
#include "core/Forms.h"
#include "ui/LogowanieForm.h"
#include "core/Password.h"

#include <QAccessible>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

using namespace zort;
using namespace zort::test;

namespace {

const QString kKeyMessage = QString::fromUtf8(" Pole : 'Hasło' może zawierać tylko cyfry oraz znaki z alfabetu angielskiego !");

QString accessibleName(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

class LoginWindowTest : public LoginFixture {
protected:
    void type(QLineEdit* edit, const QString& text) {
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    void logIn(const QString& name, const QString& password) {
        type(form.eNazwa, name);
        type(form.eHaslo, password);
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    }
    TfrmLogowanie form;
};

// Runs the modal login of the start-up, with `drive` acting on the shown window.
int interactiveLogin(const std::function<void(TfrmLogowanie&)>& drive) {
    ModalAnswer answer([&drive]() {
        auto* w = qobject_cast<TfrmLogowanie*>(QApplication::activeModalWidget());
        if (!w) w = Forms::get<TfrmLogowanie>(QStringLiteral("TfrmLogowanie"));
        ASSERT_NE(nullptr, w);
        drive(*w);
    });
    return runLogin({});
}

} // namespace

TEST_F(LoginWindowTest, ControlsCaptionsAndTheShortWindow) {
    form.show();
    EXPECT_EQ("Logowanie", form.windowTitle());
    EXPECT_EQ("frmLogowanie", form.objectName());
    EXPECT_EQ(1000, form.property("helpContext").toInt());
    EXPECT_EQ(form.minimumSize(), form.maximumSize());  // fixed border
    EXPECT_EQ(QString::fromUtf8("Nazwa użytkownika"), accessibleName(form.eNazwa));
    EXPECT_EQ(QString::fromUtf8("Hasło"), accessibleName(form.eHaslo));
    EXPECT_EQ(QString::fromUtf8("Nowe hasło"), accessibleName(form.eNoweHaslo));
    EXPECT_EQ(QString::fromUtf8("Potwierdź nowe hasło"), accessibleName(form.eNoweHasloPotw));
    // Every field is labelled by its caption (the name drops the caption's colon).
    const QStringList faults = accessibilityFaults(&form);
    EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
    EXPECT_EQ(2, entryControls(&form).size());  // the new-password panel is out of view
    EXPECT_EQ(16, form.eNazwa->maxLength());
    for (QLineEdit* e : {form.eHaslo, form.eNoweHaslo, form.eNoweHasloPotw}) {
        EXPECT_EQ(10, e->maxLength());
        EXPECT_EQ(QLineEdit::Password, e->echoMode());
    }
    EXPECT_EQ("OK", form.BitBtn1->text());
    EXPECT_EQ("Anuluj", form.BitBtn2->text());
    EXPECT_FALSE(form.Panel2->isVisible());
    // Characters the database cannot hold are not accepted.
    for (const char* c : {"j", "ą", "€", "ж"}) form.eNazwa->insert(QString::fromUtf8(c));
    EXPECT_EQ(QString::fromUtf8("ją€"), form.eNazwa->text());
}

TEST_F(LoginWindowTest, ForcedChangeLengthensTheWindowAndLogsInAfterTheChange) {
    policy(1);
    const int id = user("jan", "Stare123");
    form.show();
    const QSize shortSize = form.size();
    logIn("JAN", "Stare123");
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.Panel2->isVisible());
    EXPECT_GT(form.height(), shortSize.height());
    EXPECT_EQ(shortSize.width(), form.width());
    EXPECT_FALSE(form.eNazwa->isEnabled());
    EXPECT_FALSE(form.eHaslo->isEnabled());
    EXPECT_EQ(form.eNoweHaslo, form.focusWidget());

    // Each refusal shows its message and puts the focus where the fault is.
    const QByteArray before = storedPassword(id);
    const struct {
        const char* nowe;
        const char* potw;
        const char* message;
        QLineEdit* focus;
    } refusals[] = {
        {"Nowe12", "Nowe12", "Hasło musi się składać z minimum 8 znaków.", form.eNoweHaslo},
        {"nowehaslo", "nowehaslo", "Hasło niezgodne z wdrożoną polityką bezpieczeństwa, gdyż nie zawiera:\r\n"
                                   "małych liter i dużych liter oraz cyfr lub znaków specjalnych\r\n", form.eNoweHaslo},
        {"Stare123", "Stare123", "Nowo wprowadzone hasło musi różnić się od aktualnie istniejącego!!", form.eNoweHaslo},
        {"Nowe1234", "Nowe1243", "Błąd w trakcie potwierdzania hasła !!\r\nSpróbuj jeszcze raz.", form.eNoweHasloPotw},
    };
    for (const auto& r : refusals) {
        ui.clear();
        type(form.eNoweHaslo, r.nowe);
        type(form.eNoweHasloPotw, r.potw);
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        EXPECT_EQ(QStringList{QString::fromUtf8(r.message)}, ui.texts()) << r.nowe;
        EXPECT_EQ(r.focus, form.focusWidget()) << r.nowe;
        EXPECT_TRUE(form.isVisible());
    }
    EXPECT_EQ(before, storedPassword(id));
    EXPECT_FALSE(Session::loggedIn());

    ui.clear();
    type(form.eNoweHaslo, "Nowe1234");
    type(form.eNoweHasloPotw, "Nowe1234");
    QTest::keyClick(form.eNoweHasloPotw, Qt::Key_Return);  // OK is the default button
    EXPECT_EQ(QDialog::Accepted, form.result());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(id, Session::user().id);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ("Stare123", form.eHaslo->text());
    EXPECT_EQ("Stare123", Session::user().typedPassword);  // the old password, as typed
    EXPECT_EQ(EncodePassword("Nowe1234"), storedPassword(id));
    EXPECT_EQ(QDateTime(kToday, QTime(0, 0)),
              conn->scalar(QStringLiteral("SELECT ZMIANAHASLA FROM APRAWADOSTEPU WHERE ID = :id"), Params{{"id", id}}).toDateTime());
    Session::logOut();
    LoginState again;  // the new password logs in without a change
    EXPECT_EQ(LoginState::Result::LoggedIn, again.ok({"jan", "Nowe1234", {}, {}}));
}

TEST_F(LoginWindowTest, NewPasswordKeyFilter) {
    policy(1);
    user("jan", "Stare123");
    form.show();
    logIn("jan", "Stare123");
    ASSERT_TRUE(form.Panel2->isVisible());
    ui.clear();
    QTest::keyClicks(form.eNoweHaslo, "abc");
    QTest::keyClick(form.eNoweHaslo, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ("", form.eNoweHaslo->text());
    QTest::keyClicks(form.eNoweHaslo, "abc");
    QTest::keyClick(form.eNoweHaslo, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ("", form.eNoweHaslo->text());
    EXPECT_EQ((QStringList{kKeyMessage, kKeyMessage}), ui.texts());

    ui.clear();
    QTest::keyClicks(form.eNoweHaslo, "abc");
    QTest::keyClick(form.eNoweHaslo, Qt::Key_Control, Qt::ControlModifier);
    QTest::keyClick(form.eNoweHaslo, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClicks(form.eNoweHaslo, "D", Qt::ShiftModifier);
    EXPECT_TRUE(form.eNoweHaslo->text().startsWith("abc"));
    EXPECT_TRUE(form.eNoweHaslo->text().endsWith("D"));
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(LoginWindowTest, ModuleVersionRefusalKeepsTheWindowOpen) {
    user("jan", "tajne");
    conn->execute(QStringLiteral("UPDATE AWERSJAMOD SET NUMER = 5 WHERE MODUL = 'zortwyp'"));
    form.show();
    logIn("jan", "tajne");
    EXPECT_TRUE(form.isVisible());
    EXPECT_NE(QDialog::Accepted, form.result());
    EXPECT_FALSE(Session::loggedIn());
    EXPECT_FALSE(form.Panel2->isVisible());
    EXPECT_EQ(QStringList{QString::fromUtf8(" Wykryto niewłaściwą (niezaktualizowaną) wersję modułu! \n\r Skontaktuj się z administratorem systemu ZORT. ")},
              ui.texts());
}

TEST_F(LoginWindowTest, InteractiveLoginAndCancel) {
    const int id = user("jan", "tajne");
    EXPECT_EQ(ExitOk, interactiveLogin([this](TfrmLogowanie& w) {
                  type(w.eNazwa, "jan");
                  type(w.eHaslo, "tajne");
                  QTest::keyClick(w.eHaslo, Qt::Key_Return);
              }));
    EXPECT_EQ(id, Session::user().id);
    EXPECT_NE(nullptr, Forms::get("TfrmLogowanie"));  // kept for the run
    resetRun();
    SharedConnection::set(conn.get());

    EXPECT_EQ(ExitLoginFailed, interactiveLogin([](TfrmLogowanie& w) { QTest::keyClick(&w, Qt::Key_Escape); }));
    EXPECT_FALSE(Session::loggedIn());
}

TEST_F(LoginWindowTest, CancellingTheChangeEndsTheRunAndTheNextLoginForcesItAgain) {
    policy(1);
    const int id = user("jan", "Stare123");
    const QByteArray before = storedPassword(id);
    EXPECT_EQ(ExitLoginFailed, interactiveLogin([this](TfrmLogowanie& w) {
                  type(w.eNazwa, "jan");
                  type(w.eHaslo, "Stare123");
                  QTest::mouseClick(w.BitBtn1, Qt::LeftButton);
                  ASSERT_TRUE(w.Panel2->isVisible());
                  type(w.eNoweHaslo, "Nowe1234");
                  QTest::mouseClick(w.BitBtn2, Qt::LeftButton);
              }));
    EXPECT_FALSE(Session::loggedIn());
    EXPECT_EQ(before, storedPassword(id));
    EXPECT_TRUE(conn->scalar(QStringLiteral("SELECT ZMIANAHASLA FROM APRAWADOSTEPU")).isNull());

    ui.clear();
    logIn("jan", "Stare123");
    EXPECT_TRUE(form.Panel2->isHidden() == false);
    EXPECT_TRUE(ui.lastText().contains(QString::fromUtf8("- hasło było ustawione przez administratora systemu")));
}
