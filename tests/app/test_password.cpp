// The suite's password encoding through the real database: every printable
// character of the code page at every position stores, loads, decodes and compares
// as itself.
#include "LoginFixture.h"

#include "app/Login.h"
#include "app/Password.h"
#include "data/Win1250.h"

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

TEST(PasswordEncoding, ShiftsEachPositionAndNeverProducesThePadByte) {
    const QString chars = printableCharacters();
    ASSERT_EQ(95 + 123, chars.size());
    for (int pos = 0; pos < kMaxPasswordLength; ++pos) {
        for (QChar c : chars) {
            const QString plain = QString(pos, QLatin1Char('x')) + c;
            const QByteArray enc = EncodePassword(plain);
            ASSERT_EQ(pos + 1, enc.size());
            // The octet column pads with 0 when comparing: a final 0 would make the
            // password equal to itself less its last character.
            EXPECT_NE('\0', enc.at(pos)) << "position " << pos + 1 << " char " << int(c.unicode());
            EXPECT_EQ(plain, DecodePassword(enc));
        }
    }
    // Position matters: the same character encodes differently at each position.
    const QByteArray tens = EncodePassword(QStringLiteral("aaaaaaaaaa"));
    EXPECT_EQ(10, QSet<char>(tens.begin(), tens.end()).size());
}

TEST_F(PasswordTest, EveryPrintableCharacterAtEveryPositionThroughTheDatabase) {
    const QString chars = printableCharacters();
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
    }
    conn->commit();
    for (const auto& [j, password] : users) {
        const QString name = QStringLiteral("u%1").arg(j);
        const auto account = findUser(*conn, name, password);
        ASSERT_TRUE(account.has_value()) << j;
        EXPECT_EQ(name, account->user.name);
        EXPECT_FALSE(findUser(*conn, name, password.left(9)).has_value()) << j;
        const auto stored = LoadUserForAutoLogin(*conn, QString::number(account->user.id));
        ASSERT_TRUE(stored.has_value());
        EXPECT_EQ(password, stored->password) << j;
        EXPECT_EQ(EncodePassword(password), storedPassword(account->user.id)) << j;
    }
}

TEST_F(PasswordTest, AChangedPasswordWithPolishLettersLogsIn) {
    const int id = user("jan", "Stare123");
    const QString nowe = QString::fromUtf8("Źdźbło€1ąŻ");
    ASSERT_TRUE(ChangePassword(*conn, "Stare123", nowe, nowe, id));
    EXPECT_TRUE(findUser(*conn, "jan", nowe).has_value());
    EXPECT_FALSE(findUser(*conn, "jan", "Stare123").has_value());
    EXPECT_EQ(nowe, LoadUserForAutoLogin(*conn, QString::number(id))->password);
    EXPECT_FALSE(LoadUserForAutoLogin(*conn, "12x").has_value());
}
