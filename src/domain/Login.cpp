#include "domain/Login.h"
#include "domain/SharedConnection.h"

#include "core/Clock.h"
#include "domain/ModuleVersion.h"
#include "core/Password.h"
#include "domain/PasswordColumns.h"
#include "db/Connection.h"
#include "db/Dataset.h"
#include "core/DateUtil.h"
#include "core/Win1250.h"

namespace zort {
namespace {

const QString kBreak = QStringLiteral("\n\r");

bool isLower(QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); }
bool isUpper(QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); }

// The select list of the login: the user, the rights in their order, the date of the
// last own change between AOsobWysw and RRiskScore.
QString userColumns() {
    QString cols = QStringLiteral("Id, NAZWAUZYTK, IMIE, NAZWISKO, HASLO");
    for (const char* name : TPrawaDostepu::names()) {
        if (qstrcmp(name, "RRiskScore") == 0) cols += QStringLiteral(", ZmianaHasla");
        cols += QStringLiteral(", ") + QLatin1String(name);
    }
    return cols;
}

// Texts that the user table cannot hold never match a stored user.
bool storable(const QString& text, int maxLength) {
    return text.size() <= maxLength && win1250::unsupported(text).isEmpty();
}

} // namespace

QString passwordPolicyRefusal(const QString& password) {
    if (password.size() < 8) return QStringLiteral("Hasło musi się składać z minimum 8 znaków.");
    bool lower = false, upper = false, other = false;
    for (QChar c : password) {
        if (isLower(c)) lower = true;
        else if (isUpper(c)) upper = true;
        else other = true;
    }
    if (lower && upper && other) return QString();
    return QStringLiteral("Hasło niezgodne z wdrożoną polityką bezpieczeństwa, gdyż nie zawiera:\r\n") +
           QStringLiteral("małych liter i dużych liter oraz cyfr lub znaków specjalnych\r\n");
}

bool CheckPasswordPolicy(const QString& password) { return passwordPolicyRefusal(password).isEmpty(); }

bool passwordPolicyOn(Connection& c) {
    Dataset q(&c, QStringLiteral("SELECT PolitykaHasel FROM OPARAM"));
    q.open();
    return !q.isEmpty() && q.field(0).asInt() == 1;
}

bool passwordExpired(const QDateTime& changed, const QDateTime& now) {
    return changed.date().daysTo(now.date()) > 30;
}

TPrawaDostepu rightsOf(const Dataset& row) {
    TPrawaDostepu r;
    for (int i = 0; i < TPrawaDostepu::kCount; ++i)
        r.at(i) = int(row.field(QString::fromLatin1(TPrawaDostepu::names()[size_t(i)])).asInt());
    return r;
}

std::optional<UserAccount> findUser(Connection& c, const QString& typedName, const QString& typedPassword) {
    const QString name = typedName.toLower();
    if (!storable(name, kMaxUserNameLength) || !storable(typedPassword, kMaxPasswordLength)) return std::nullopt;
    Dataset q(&c);
    q.setParam(QStringLiteral("nazwa"), name);
    q.setSql(QStringLiteral("SELECT ") + userColumns() +
             QStringLiteral(" FROM APRAWADOSTEPU Aprawadostepu where NAZWAUZYTK=:nazwa and HASLO=") +
             passwordExpression(EncodePassword(typedPassword), q.params()));
    q.open();
    if (q.isEmpty()) return std::nullopt;
    UserAccount a;
    a.user.id = int(q.field("ID").asInt());
    a.user.name = q.field("NAZWAUZYTK").asTrimmed();
    a.user.firstName = q.field("IMIE").asTrimmed();
    a.user.lastName = q.field("NAZWISKO").asTrimmed();
    a.user.typedPassword = typedPassword;
    a.rights = rightsOf(q);
    a.passwordChanged = q.field("ZMIANAHASLA").asDateTime();
    return a;
}

QString forcedChangeReasons(const UserAccount& account, const QDateTime& now) {
    QString reasons;
    if (!account.passwordChanged.isValid())
        reasons += QStringLiteral("- hasło było ustawione przez administratora systemu") + kBreak;
    else if (passwordExpired(account.passwordChanged, now))
        reasons += QStringLiteral("- wygasła ważność hasła") + kBreak;
    if (!CheckPasswordPolicy(account.user.typedPassword))
        reasons += QStringLiteral("- hasło nie zawiera zestawu wymaganych znaków") + kBreak +
                   QStringLiteral(" (małe, duże litery oraz cyfry lub znaki specjalne)") + kBreak;
    return reasons;
}

PasswordChange ChangePassword(Connection& c, const QString& current, const QString& newPassword,
                              const QString& confirmation, int userId) {
    if (newPassword == current)
        return {false, QStringLiteral("Nowo wprowadzone hasło musi różnić się od aktualnie istniejącego!!"),
                LoginField::NewPassword};
    if (newPassword != confirmation)
        return {false, QStringLiteral("Błąd w trakcie potwierdzania hasła !!\r\nSpróbuj jeszcze raz."),
                LoginField::Confirmation};
    const QString unsupported = win1250::unsupported(newPassword);
    if (!unsupported.isEmpty()) return {false, unstorableTextMessage(unsupported), LoginField::NewPassword};
    Params p{{"ZmianaHasla", dates::midnight(Clock::today())}, {"Id", userId}};
    const QString nowe = passwordExpression(EncodePassword(newPassword), p, QStringLiteral("nowe"));
    c.execute(QStringLiteral("UPDATE APRAWADOSTEPU SET Haslo = ") + nowe +
                  QStringLiteral(" , ZmianaHasla= :ZmianaHasla WHERE Id = :Id"),
              p);
    return {true, QString(), LoginField::None};
}

std::optional<StoredLogin> LoadUserForAutoLogin(Connection& c, const QString& id) {
    bool ok = false;
    const int userId = id.trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    Dataset q(&c, QStringLiteral("SELECT NAZWAUZYTK, ") + passwordColumns(QStringLiteral("HASLO")) +
                      QStringLiteral(" FROM APRAWADOSTEPU WHERE Id = :Id"));
    q.setParam(QStringLiteral("Id"), userId);
    q.open();
    if (q.isEmpty()) return std::nullopt;
    return StoredLogin{q.field(0).asTrimmed(), DecodePassword(passwordFromColumns(q, 1))};
}

bool newPasswordKeyRejected(int key, Qt::KeyboardModifiers modifiers) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        return false;
    default:
        break;
    }
    const Qt::KeyboardModifiers held = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return held == Qt::AltModifier || held == Qt::ControlModifier;
}

QString newPasswordKeyMessage() {
    return QStringLiteral(" Pole : 'Hasło' może zawierać tylko cyfry oraz znaki z alfabetu angielskiego !");
}

void LoginState::say(LoginMessage::Kind kind, const QString& text, const QString& caption) {
    m_messages.append(LoginMessage{kind, text, caption});
}

LoginState::Result LoginState::ok(const Input& in) {
    m_loginFlag = true;
    m_focus = LoginField::None;
    m_messages.clear();
    if (m_loggedIn) {  // a new login
        m_account.reset();
        m_loggedIn = false;
    }
    Connection& c = SharedConnection::get();
    switch (CheckModuleVersion(c, QStringLiteral("zortwyp"))) {
    case ModuleCheck::Current: break;
    case ModuleCheck::Unknown: say(LoginMessage::Kind::Warning, moduleVersionUnknownMessage()); break;
    case ModuleCheck::Outdated: say(LoginMessage::Kind::Error, moduleVersionOutdatedMessage()); return Result::Stay;
    }
    return changeMode() ? change(c, in) : login(c, in);
}

LoginState::Result LoginState::login(Connection& c, const Input& in) {
    const bool policy = passwordPolicyOn(c);
    std::optional<UserAccount> account = findUser(c, in.name, in.password);
    if (!account) {
        say(LoginMessage::Kind::Box, QStringLiteral("Niepoprawne HASŁO lub NAZWA"), QStringLiteral("UWAGA"));
        m_focus = LoginField::Password;
        return Result::Stay;
    }
    const QString reasons = policy ? forcedChangeReasons(*account, Clock::now()) : QString();
    m_account = std::move(account);
    if (reasons.isEmpty()) return complete();
    say(LoginMessage::Kind::Warning, QStringLiteral("Uwaga!\r\nZgodnie z wdrożoną polityką bezpieczeństwa wymagana jest "
                                                     "zmiana hasła przez użytkownika, gdyż: \n\r") + reasons);
    m_focus = LoginField::NewPassword;
    return Result::ChangeRequired;
}

LoginState::Result LoginState::change(Connection& c, const Input& in) {
    if (const QString refusal = passwordPolicyRefusal(in.newPassword); !refusal.isEmpty()) {
        say(LoginMessage::Kind::Warning, refusal);
        m_focus = LoginField::NewPassword;
        return Result::Stay;
    }
    const PasswordChange changed = ChangePassword(c, in.password, in.newPassword, in.confirmation, m_account->user.id);
    m_focus = changed.focus;
    if (!changed.stored) {
        say(LoginMessage::Kind::Warning, changed.refusal);
        return Result::Stay;
    }
    return complete();
}

LoginState::Result LoginState::complete() {
    Session::logIn(m_account->user, m_account->rights);
    m_loggedIn = true;
    return Result::LoggedIn;
}

} // namespace zort
