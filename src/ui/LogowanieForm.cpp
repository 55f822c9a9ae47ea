#include "ui/LogowanieForm.h"

#include "core/AppContext.h"
#include "core/Forms.h"
#include "core/Password.h"
#include "core/Session.h"
#include "domain/SharedConnection.h"
#include "core/UserInterface.h"
#include "db/DbError.h"
#include "core/Win1250.h"
#include "ui/CommandGuard.h"
#include "ui/Widgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QValidator>

namespace zort {
namespace {

// Entry fields accept only what the database's code page can hold.
class Win1250Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return win1250::unsupported(input).isEmpty() ? Acceptable : Invalid;
    }
};

QLineEdit* addField(QGridLayout* grid, int row, const QString& caption, const QString& name, int maxLength,
                    bool password, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    edit->setValidator(new Win1250Validator(edit));
    if (password) {
        edit->setEchoMode(QLineEdit::Password);
        edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    }
    auto* label = new QLabel(caption, parent);
    labelControl(label, edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

} // namespace

TfrmLogowanie::TfrmLogowanie(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmLogowanie"));
    setWindowTitle(QStringLiteral("Logowanie"));
    setProperty("helpContext", kHelpContext);
    setModal(true);

    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);  // fixed border; follows the panel

    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(1, 180);
    eNazwa = addField(grid, 0, QStringLiteral("Nazwa użytkownika:"), QStringLiteral("eNazwa"),
                      kMaxUserNameLength, false, this);
    eHaslo = addField(grid, 1, QStringLiteral("Hasło:"), QStringLiteral("eHaslo"), kMaxPasswordLength, true, this);
    outer->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Anuluj"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    outer->addLayout(buttons);

    // The new-password panel, out of view until a change is required.
    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameShape(QFrame::StyledPanel);
    auto* panelGrid = new QGridLayout(Panel2);
    panelGrid->setColumnMinimumWidth(1, 180);
    eNoweHaslo = addField(panelGrid, 0, QStringLiteral("Nowe hasło:"), QStringLiteral("eNoweHaslo"),
                          kMaxPasswordLength, true, Panel2);
    eNoweHasloPotw = addField(panelGrid, 1, QStringLiteral("Potwierdź nowe hasło:"),
                              QStringLiteral("eNoweHasloPotw"), kMaxPasswordLength, true, Panel2);
    outer->addWidget(Panel2);
    // The rows above the panel line up with the panel's rows, so that the window keeps
    // its width when it lengthens.
    const QMargins inner = panelGrid->contentsMargins();
    const int frame = Panel2->frameWidth();
    grid->setContentsMargins(inner.left() + frame, 0, inner.right() + frame, 0);
    int labelWidth = 0;
    for (const QLabel* l : findChildren<QLabel*>()) labelWidth = std::max(labelWidth, l->sizeHint().width());
    grid->setColumnMinimumWidth(0, labelWidth);
    panelGrid->setColumnMinimumWidth(0, labelWidth);
    Panel2->hide();
    eNoweHaslo->installEventFilter(this);

    connect(BitBtn1, &QPushButton::clicked, this, &TfrmLogowanie::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TfrmLogowanie::BitBtn2Click);
    eNazwa->setFocus();
}

void TfrmLogowanie::BitBtn1Click() {
    const bool wasChangeMode = m_state.changeMode();
    LoginState::Result result;
    try {
        result = m_state.ok({eNazwa->text(), eHaslo->text(), eNoweHaslo->text(), eNoweHasloPotw->text()});
    } catch (const DbError& e) {
        showMessages();
        CommandGuard::report(e, this);
        return;
    }
    showMessages();
    if (!wasChangeMode && m_state.changeMode() && result != LoginState::Result::LoggedIn) enterChangeMode();
    focusField(m_state.focus());
    if (result == LoginState::Result::LoggedIn) accept();
}

void TfrmLogowanie::showMessages() {
    for (const LoginMessage& m : m_state.messages()) {
        switch (m.kind) {
        case LoginMessage::Kind::Warning: showWarning(m.text, this); break;
        case LoginMessage::Kind::Error: showError(m.text, this); break;
        case LoginMessage::Kind::Box: showBox(m.text, m.caption, this); break;
        }
    }
}

void TfrmLogowanie::BitBtn2Click() { reject(); }

bool TfrmLogowanie::autoLogin(const QString& userId) {
    try {
        if (const auto stored = LoadUserForAutoLogin(SharedConnection::get(), userId)) {
            eNazwa->setText(stored->name);
            eHaslo->setText(stored->password);
        }
    } catch (const DbError& e) {
        CommandGuard::report(e, this);
        return false;
    }
    BitBtn1Click();
    return Session::loggedIn() && result() == QDialog::Accepted;
}

void TfrmLogowanie::enterChangeMode() {
    eNazwa->setEnabled(false);
    eHaslo->setEnabled(false);
    Panel2->show();
    if (isVisible()) adjustSize();
}

void TfrmLogowanie::focusField(LoginField field) {
    QLineEdit* edit = nullptr;
    switch (field) {
    case LoginField::Name: edit = eNazwa; break;
    case LoginField::Password: edit = eHaslo; break;
    case LoginField::NewPassword: edit = eNoweHaslo; break;
    case LoginField::Confirmation: edit = eNoweHasloPotw; break;
    case LoginField::None: return;
    }
    edit->setFocus();
    edit->selectAll();
}

bool TfrmLogowanie::eventFilter(QObject* watched, QEvent* event) {
    if (watched == eNoweHaslo && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (newPasswordKeyRejected(key->key(), key->modifiers())) {
            eNoweHaslo->clear();
            showWarning(newPasswordKeyMessage(), this);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmLogowanie::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

int runLogin(const QStringList& args) {
    auto* form = new TfrmLogowanie;
    Forms::add(QStringLiteral("TfrmLogowanie"), form);
    const QString config = args.value(0), userId = args.value(1);
    if (!config.isEmpty() && !userId.isEmpty()) return form->autoLogin(userId) ? ExitOk : ExitLoginFailed;
    return form->exec() == QDialog::Accepted && Session::loggedIn() ? ExitOk : ExitLoginFailed;
}

} // namespace zort
