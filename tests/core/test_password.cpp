// The suite's password encoding through the real database: every printable
// character of the code page at every position stores, loads, decodes and compares
// as itself.
#include "support/LoginFixture.h"

#include "domain/Login.h"
#include "core/Password.h"
#include "domain/PasswordColumns.h"
#include "core/Win1250.h"

using namespace zort;
using namespace zort::test;

namespace {

// The printable characters of Windows-1250: everything but the control characters
// and the five unassigned bytes.
QString printableCharacters() {
    QString out;
    for (int b = 0x20; b <= 0xFF; ++b) {
        const QChar c = win1250::charOf(static_cast<unsigned char>(b));
        if (b != 0x7F && !c.isNull()) out += c;
    }
    return out;
}

class PasswordTest : public LoginFixture {};

} // namespace

TEST_F(PasswordTest, EveryPrintableCharacterAtEveryPositionThroughTheDatabase) {
    const QString chars = printableCharacters();
    ASSERT_EQ(95 + 123, chars.size());
    // Password j holds at position p the character (j + p): across all passwords every
    // character stands once at every position.
    std::vector<std::pair<int, QString>> users;
    conn->begin();
    for (int j = 0; j < chars.size(); ++j) {
        QString password;
        for (int p = 0; p < kMaxPasswordLength; ++p) password += chars.at((j + p) % chars.size());
        Params params{{"nazwa", QStringLiteral("u%1").arg(j)}};
        conn->execute(QStringLiteral("INSERT INTO APRAWADOSTEPU (ID, NAZWAUZYTK, HASLO) VALUES (0, :nazwa, %1)")
                          .arg(passwordExpression(EncodePassword(password), params)),
                      params);
        users.emplace_back(j, password);
        EXPECT_EQ(password, DecodePassword(EncodePassword(password)));
    }
    conn->commit();
    for (const auto& [j, password] : users) {
        const QString name = QStringLiteral("u%1").arg(j);
        const auto account = findUser(*conn, name, password);
        ASSERT_TRUE(account.has_value()) << j;
        EXPECT_EQ(name, account->user.name);
        // The octet column pads with the byte 0 when comparing: a password whose last
        // character encoded to 0 would equal itself less that character.
        EXPECT_FALSE(findUser(*conn, name, password.left(9)).has_value()) << j;
        const auto stored = LoadUserForAutoLogin(*conn, QString::number(account->user.id));
        ASSERT_TRUE(stored.has_value());
        EXPECT_EQ(password, stored->password) << j;
        EXPECT_EQ(EncodePassword(password), storedPassword(account->user.id)) << j;
    }
}
