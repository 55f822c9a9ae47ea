#include "domain/Login.h"
#include "domain/SharedConnection.h"

#include "core/Clock.h"
#include "domain/ModuleVersion.h"
#include "core/Password.h"
#include "domain/PasswordColumns.h"
#include "core/UserInterface.h"
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

void refuse(const QString& text, LoginField field, LoginField* focus) {
    showWarning(text);
    if (focus) *focus = field;
}

} // namespace

bool CheckPasswordPolicy(const QString& password, bool show) {
    if (password.size() < 8) {
        if (show) showWarning(QStringLiteral("Hasło musi się składać z minimum 8 znaków."));
        return false;
    }
    bool lower = false, upper = false, other = false;
    for (QChar c : password) {
        if (isLower(c)) lower = true;
        else if (isUpper(c)) upper = true;
        else other = true;
    }
    if (lower && upper && other) return true;
    if (show)
        showWarning(QStringLiteral("Hasło niezgodne z wdrożoną polityką bezpieczeństwa, gdyż nie zawiera:\r\n") +
                    QStringLiteral("małych liter i dużych liter oraz cyfr lub znaków specjalnych\r\n"));
    return false;
}

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
    if (!CheckPasswordPolicy(account.user.typedPassword, false))
        reasons += QStringLiteral("- hasło nie zawiera zestawu wymaganych znaków") + kBreak +
                   QStringLiteral(" (małe, duże litery oraz cyfry lub znaki specjalne)") + kBreak;
    return reasons;
}

bool ChangePassword(Connection& c, const QString& current, const QString& newPassword,
                    const QString& confirmation, int userId, LoginField* focus) {
    if (newPassword == current) {
        refuse(QStringLiteral("Nowo wprowadzone hasło musi różnić się od aktualnie istniejącego!!"),
               LoginField::NewPassword, focus);
        return false;
    }
    if (newPassword != confirmation) {
        refuse(QStringLiteral("Błąd w trakcie potwierdzania hasła !!\r\nSpróbuj jeszcze raz."),
               LoginField::Confirmation, focus);
        return false;
    }
    const QString unsupported = win1250::unsupported(newPassword);
    if (!unsupported.isEmpty()) {
        refuse(unstorableTextMessage(unsupported), LoginField::NewPassword, focus);
        return false;
    }
    Params p{{"ZmianaHasla", dates::midnight(Clock::today())}, {"Id", userId}};
    const QString nowe = passwordExpression(EncodePassword(newPassword), p, QStringLiteral("nowe"));
    c.execute(QStringLiteral("UPDATE APRAWADOSTEPU SET Haslo = ") + nowe +
                  QStringLiteral(" , ZmianaHasla= :ZmianaHasla WHERE Id = :Id"),
              p);
    if (focus) *focus = LoginField::None;
    return true;
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

LoginState::Result LoginState::ok(const Input& in) {
    m_loginFlag = true;
    m_focus = LoginField::None;
    if (m_loggedIn) {  // a new login
        m_account.reset();
        m_loggedIn = false;
    }
    Connection& c = SharedConnection::get();
    if (!CheckModuleVersion(c, QStringLiteral("zortwyp"))) return Result::Stay;
    return changeMode() ? change(c, in) : login(c, in);
}

LoginState::Result LoginState::login(Connection& c, const Input& in) {
    const bool policy = passwordPolicyOn(c);
    std::optional<UserAccount> account = findUser(c, in.name, in.password);
    if (!account) {
        showBox(QStringLiteral("Niepoprawne HASŁO lub NAZWA"), QStringLiteral("UWAGA"));
        m_focus = LoginField::Password;
        return Result::Stay;
    }
    const QString reasons = policy ? forcedChangeReasons(*account, Clock::now()) : QString();
    m_account = std::move(account);
    if (reasons.isEmpty()) return complete();
    showWarning(QStringLiteral("Uwaga!\r\nZgodnie z wdrożoną polityką bezpieczeństwa wymagana jest zmiana "
                               "hasła przez użytkownika, gdyż: \n\r") + reasons);
    m_focus = LoginField::NewPassword;
    return Result::ChangeRequired;
}

LoginState::Result LoginState::change(Connection& c, const Input& in) {
    if (!CheckPasswordPolicy(in.newPassword, true)) {
        m_focus = LoginField::NewPassword;
        return Result::Stay;
    }
    if (!ChangePassword(c, in.password, in.newPassword, in.confirmation, m_account->user.id, &m_focus))
        return Result::Stay;
    return complete();
}

LoginState::Result LoginState::complete() {
    Session::logIn(m_account->user, m_account->rights);
    m_loggedIn = true;
    return Result::LoggedIn;
}

} // namespace zort
