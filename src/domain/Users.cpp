#include "domain/Users.h"

#include "domain/Login.h"
#include "core/Password.h"
#include "domain/PasswordColumns.h"
#include "db/Connection.h"
#include "db/Dataset.h"
#include "core/Win1250.h"

namespace zort {
namespace {

QString rightName(int i) { return QString::fromLatin1(TPrawaDostepu::names()[size_t(i)]); }

// The rights columns in their order, each after `before` (", " for a select or
// column list, ", :" for the parameters of an insert).
QString rightsList(const QString& before) {
    QString out;
    for (int i = 0; i < TPrawaDostepu::kCount; ++i) out += before + rightName(i);
    return out;
}

void checkText(const QString& what, const QString& text, int maxLength) {
    if (text.size() > maxLength)
        throw DbError(QStringLiteral("%1 może mieć najwyżej %2 znaków.").arg(what).arg(maxLength));
    Connection::checkStorable(text);
}

QString checkedName(const QString& name) {
    const QString lower = name.trimmed().toLower();
    if (lower.isEmpty()) throw DbError(QStringLiteral("Nazwa użytkownika nie może być pusta."));
    checkText(QStringLiteral("Nazwa użytkownika"), lower, kMaxUserNameLength);
    return lower;
}

void checkPassword(const QString& password) {
    if (password.isEmpty()) throw DbError(QStringLiteral("Hasło nie może być puste."));
    checkText(QStringLiteral("Hasło"), password, kMaxPasswordLength);
}

QVariant userId(Connection& c, const QString& name) {
    return c.scalar(QStringLiteral("SELECT ID FROM APRAWADOSTEPU WHERE NAZWAUZYTK = :nazwa"), Params{{"nazwa", name}});
}

} // namespace

TPrawaDostepu parseRights(const QString& list) {
    TPrawaDostepu r;
    for (const QString& item : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList kv = item.split(QLatin1Char('='));
        bool ok = false;
        const int value = kv.size() == 2 ? kv.at(1).trimmed().toInt(&ok) : 0;
        if (!ok) throw DbError(QStringLiteral("Nieprawidłowe uprawnienie: %1 (oczekiwano NAZWA=liczba).").arg(item));
        const QString name = kv.at(0).trimmed();
        bool found = false;
        for (int i = 0; i < TPrawaDostepu::kCount; ++i) {
            if (name.compare(QLatin1String("ALL"), Qt::CaseInsensitive) == 0 ||
                name.compare(rightName(i), Qt::CaseInsensitive) == 0) {
                r.at(i) = value;
                found = true;
            }
        }
        if (!found) throw DbError(QStringLiteral("Nieznane uprawnienie: %1").arg(name));
    }
    return r;
}

int addUser(Connection& c, const QString& name, const QString& password, const QString& firstName,
            const QString& lastName, const TPrawaDostepu& rights) {
    const QString lower = checkedName(name);
    checkPassword(password);
    checkText(QStringLiteral("Imię"), firstName, 30);
    checkText(QStringLiteral("Nazwisko"), lastName, 50);
    if (userId(c, lower).isValid()) throw DbError(QStringLiteral("Użytkownik %1 już istnieje.").arg(lower));
    Params p{{"nazwa", lower}, {"imie", firstName}, {"nazwisko", lastName}};
    for (int i = 0; i < TPrawaDostepu::kCount; ++i) p.set(rightName(i), rights.at(i));
    const QString columns = rightsList(QStringLiteral(", ")), values = rightsList(QStringLiteral(", :"));
    const QString haslo = passwordExpression(EncodePassword(password), p);
    c.execute(QStringLiteral("INSERT INTO APRAWADOSTEPU (ID, NAZWAUZYTK, IMIE, NAZWISKO, HASLO, ZMIANAHASLA") + columns +
                  QStringLiteral(") VALUES (0, :nazwa, :imie, :nazwisko, ") + haslo + QStringLiteral(", NULL") + values +
                  QLatin1Char(')'),
              p);
    return userId(c, lower).toInt();
}

void setPasswordByAdministrator(Connection& c, const QString& name, const QString& password) {
    const QString lower = checkedName(name);
    checkPassword(password);
    Params p{{"nazwa", lower}};
    const QString haslo = passwordExpression(EncodePassword(password), p);
    if (c.execute(QStringLiteral("UPDATE APRAWADOSTEPU SET HASLO = ") + haslo +
                      QStringLiteral(", ZMIANAHASLA = NULL WHERE NAZWAUZYTK = :nazwa"),
                  p) == 0)
        throw DbError(QStringLiteral("Nie ma użytkownika %1.").arg(lower));
}

std::vector<UserRow> listUsers(Connection& c) {
    Dataset q(&c, QStringLiteral("SELECT ID, NAZWAUZYTK, IMIE, NAZWISKO, ZMIANAHASLA") + rightsList(QStringLiteral(", ")) +
                      QStringLiteral(" FROM APRAWADOSTEPU ORDER BY ID"));
    q.open();
    std::vector<UserRow> out;
    for (q.first(); !q.eof(); q.next()) {
        UserRow u;
        u.id = int(q.field("ID").asInt());
        u.name = q.field("NAZWAUZYTK").asTrimmed();
        u.firstName = q.field("IMIE").asTrimmed();
        u.lastName = q.field("NAZWISKO").asTrimmed();
        u.passwordChanged = q.field("ZMIANAHASLA").asDateTime();
        u.rights = rightsOf(q);
        out.push_back(u);
    }
    return out;
}

} // namespace zort
