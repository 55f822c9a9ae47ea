// The workstation's alias file: local paths for the embedded engine, the server
// form "host[/port]:path", and aliases it does not name.
#include "support/TestDatabase.h"
#include "db/AliasFile.h"
#include "db/DatabaseBuilder.h"
#include "core/Win1250.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace zort;
using namespace zort::test;

namespace {

// Writes aliases.ini (Windows-1250, CR LF) into the folder and returns its path.
QString writeAliases(const QString& folder, const QString& text) {
    const QString path = folder + QStringLiteral("/") + QString::fromLatin1(AliasFile::kFileName);
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(win1250::encode(QString(text).replace(QStringLiteral("\n"), QStringLiteral("\r\n"))));
    return path;
}

} // namespace

TEST(AliasFile, ResolvesLocalPathsServerFormsAndUnknownAliases) {
    QTemporaryDir dir;
    const QString path = writeAliases(dir.path(), QString::fromUtf8(
        "[ZORT]\nDatabase=/srv/bazy/zort.fdb\n"
        "[ZortArch]\nDatabase=archiwum/zort_arch.fdb\n"
        "[Wyżej]\nDatabase=../wspólne/Łódź.fdb\n"
        "[Serwer]\nDatabase=serwer-bhp:/var/lib/firebird/zort.fdb\n"
        "[SerwerPort]\nDatabase=192.168.10.5/3051:C:\\Bazy\\ZORT.FDB\n"
        "[Puste]\nDatabase=\n"));
    const AliasFile aliases(path);
    const QString folder = QDir(dir.path()).absolutePath();

    EXPECT_EQ("/srv/bazy/zort.fdb", aliases.resolve("ZORT").toStdString());
    EXPECT_EQ("/srv/bazy/zort.fdb", aliases.resolve("zort").toStdString());  // names ignore case
    EXPECT_EQ((folder + "/archiwum/zort_arch.fdb").toStdString(), aliases.resolve("ZortArch").toStdString());
    EXPECT_EQ(QDir::cleanPath(folder + QString::fromUtf8("/../wspólne/Łódź.fdb")),
              aliases.resolve(QString::fromUtf8("Wyżej")));
    EXPECT_EQ("serwer-bhp:/var/lib/firebird/zort.fdb", aliases.resolve("Serwer").toStdString());
    EXPECT_EQ("192.168.10.5/3051:C:\\Bazy\\ZORT.FDB", aliases.resolve("SerwerPort").toStdString());
    // Aliases the file does not name, or names without a database, go to Firebird as they are.
    EXPECT_EQ("employee", aliases.resolve("employee").toStdString());
    EXPECT_EQ("Puste", aliases.resolve("Puste").toStdString());
    EXPECT_TRUE(aliases.contains("Serwer"));
    EXPECT_FALSE(aliases.contains("employee"));
    EXPECT_EQ("ZORT", AliasFile(dir.path() + "/brak.ini").resolve("ZORT").toStdString());
}

TEST(AliasFile, TellsServerNamesFromLocalPaths) {
    EXPECT_TRUE(AliasFile::isServerName("localhost:/var/lib/zort.fdb"));
    EXPECT_TRUE(AliasFile::isServerName("serwer/3051:/var/lib/zort.fdb"));
    EXPECT_TRUE(AliasFile::isServerName("serwer:C:\\Bazy\\ZORT.FDB"));
    EXPECT_FALSE(AliasFile::isServerName("/var/lib/zort.fdb"));
    EXPECT_FALSE(AliasFile::isServerName("C:\\Bazy\\ZORT.FDB"));  // a drive letter is not a host
    EXPECT_FALSE(AliasFile::isServerName("bazy/zort.fdb"));
    EXPECT_EQ("/var/lib/zort.fdb", AliasFile::filePart("serwer/3051:/var/lib/zort.fdb").toStdString());
    EXPECT_EQ("/var/lib/zort.fdb", AliasFile::filePart("/var/lib/zort.fdb").toStdString());
}

TEST(AliasFile, ConnectionOpensTheDatabaseAnAliasNames) {
    TestDatabase db;
    const QString path = writeAliases(db.folder(), "[ZORT]\nDatabase=zort.fdb\n[Inna]\nDatabase=brak.fdb\n");
    Connection c("alias");
    c.openAlias("ZORT", path, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
    EXPECT_TRUE(c.isOpen());
    EXPECT_EQ("zort92", c.scalar("SELECT TRIM(WERSJA) FROM ADOSTEP").toString().toStdString());
    Connection missing("alias-missing");
    EXPECT_THROW(missing.openAlias("Inna", path, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword)),
                 DbError);
}

TEST(AliasFile, AnAliasMayNameItsOwnDatabaseUser) {
    QTemporaryDir dir;
    const QString path = writeAliases(dir.path(), QString::fromUtf8(
        "[Firma]\nDatabase=serwer:/srv/wypadki.fdb\nUser=  ZORT_WYP  \nPassword= ta jne'\"\n"
        "[Tylko użytkownik]\nDatabase=a.fdb\nuser=INNY\npassword=\n"
        "[Zwykła]\nDatabase=b.fdb\nUser=\n"));
    const AliasFile aliases(path);
    auto login = [&](const char* alias) {
        const AliasFile::Login l = aliases.login(QString::fromUtf8(alias), "kwel", "pxqv");
        return (l.user + QLatin1Char('|') + l.password).toStdString();
    };
    EXPECT_EQ(login("Firma"), "ZORT_WYP|ta jne'\"");  // trimmed like every value; inner blanks and quotes kept
    EXPECT_EQ(login("FIRMA"), "ZORT_WYP|ta jne'\"");  // aliases and keys without regard to case
    EXPECT_EQ(login("Tylko użytkownik"), "INNY|pxqv");
    EXPECT_EQ(login("Zwykła"), "kwel|pxqv");           // empty values: the built-in user
    EXPECT_EQ(login("serwer:/inna.fdb"), "kwel|pxqv");  // an alias the file does not name
    EXPECT_EQ(AliasFile(dir.path() + "/brak.ini").login("Firma", "kwel", "pxqv").user, "kwel");
}

TEST(AliasFile, AFileWithAByteOrderMarkIsReadAsUtf8) {
    TestDatabase db;
    const QString path = db.folder() + QStringLiteral("/aliases.ini");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QByteArray("\xEF\xBB\xBF") + QString::fromUtf8("[Bazą Łódź]\r\nDatabase=zort.fdb\r\nUser=SYSDBA\r\n").toUtf8());
    f.close();
    const AliasFile aliases(path);
    EXPECT_TRUE(aliases.contains(QString::fromUtf8("Bazą Łódź")));
    EXPECT_EQ(aliases.login(QString::fromUtf8("bazą łódź"), "kwel", "pxqv").user, "SYSDBA");
    Connection c("alias-utf8");
    c.openAlias(QString::fromUtf8("Bazą Łódź"), path, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
    EXPECT_EQ("zort92", c.scalar("SELECT TRIM(WERSJA) FROM ADOSTEP").toString().toStdString());
}
