// zortdb and zortbench as processes: a failure is one line on standard error and a
// non-zero status, never a window or an abort, and no temporary folder stays behind.
#include "db/Dataset.h"
#include "db/DatabaseBuilder.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>
#include <gtest/gtest.h>

using namespace zort::test;

namespace {

struct ToolResult {
    bool finished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    QStringList errorLines;
    QStringList outputLines;
    QStringList leftInTemp;  // what the run left in its temporary folder
};

// Runs a tool with a temporary folder of its own; a window waiting for a click would
// keep it running until the time-out.
ToolResult runTool(const char* tool, const QStringList& args, int msecs = 60000) {
    QTemporaryDir temp(testTempRoot() + QStringLiteral("/tooltmp-XXXXXX"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TMPDIR"), temp.path());
    // As in a desktop session (without it the toolkit warns and makes one in TMPDIR).
    const QString runtime = testTempRoot() + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));  // the tools choose for themselves
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("ZORT_BIN_DIR") + QLatin1Char('/') + QLatin1String(tool), args);
    ToolResult r;
    r.finished = p.waitForFinished(msecs);
    if (!r.finished) {
        p.kill();
        p.waitForFinished(5000);
    }
    r.status = p.exitStatus();
    r.code = p.exitCode();
    r.errorLines = QString::fromUtf8(p.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    r.outputLines = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    r.leftInTemp = QDir(temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    return r;
}

void expectOneLineFailure(const ToolResult& r, const char* tool) {
    ASSERT_TRUE(r.finished) << "still running (a window waiting?)";
    EXPECT_EQ(QProcess::NormalExit, r.status);
    EXPECT_NE(0, r.code);
    EXPECT_NE(134, r.code);
    ASSERT_EQ(1, r.errorLines.size()) << r.errorLines.join('\n').toStdString();
    EXPECT_TRUE(r.errorLines[0].startsWith(QLatin1String(tool) + QStringLiteral(": "))) << r.errorLines[0].toStdString();
    EXPECT_TRUE(r.leftInTemp.isEmpty()) << r.leftInTemp.join(' ').toStdString();
}

// A folder nothing can be written into, even by an administrator: file permissions do
// not stop root, a path below a plain file stops everybody.
QString unwritableFolder() {
    const QString dir = testTempRoot() + QStringLiteral("/readonly");
    QDir().mkpath(dir);
    QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                   QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther);
    QFile probe(dir + QStringLiteral("/probe"));
    if (!probe.open(QIODevice::WriteOnly)) return dir;
    probe.close();
    probe.remove();
    const QString file = testTempRoot() + QStringLiteral("/plain-file");
    QFile f(file);
    f.open(QIODevice::WriteOnly);
    return file + QStringLiteral("/out");
}

} // namespace

TEST(Tools, BenchWithABadDatabaseFailsInOneLine) {
    const ToolResult r = runTool("zortbench", {QStringLiteral("register"), QStringLiteral("--db"), QStringLiteral("/nonexistent/x.fdb")});
    expectOneLineFailure(r, "zortbench");
    const ToolResult d = runTool("zortbench", {QStringLiteral("dictionaries"), QStringLiteral("--db"), QStringLiteral("/nonexistent/x.fdb")});
    expectOneLineFailure(d, "zortbench");
}

TEST(Tools, BenchExportIntoAnUnwritableFolderFailsInOneLine) {
    const QString out = unwritableFolder();
    const ToolResult r = runTool("zortbench", {QStringLiteral("export"), QStringLiteral("--out"), out, QStringLiteral("--pages"), QStringLiteral("2")});
    expectOneLineFailure(r, "zortbench");
    EXPECT_TRUE(r.errorLines.value(0).contains(out)) << r.errorLines.value(0).toStdString();
}

// A command line zortbench does not take is refused before anything runs: one line,
// status 2, nothing on standard output.
TEST(Tools, BenchRefusesBadArgumentsBeforeRunning) {
    const struct {
        QStringList args;
        QString line;
    } cases[] = {
        {{QStringLiteral("nosuch")}, QStringLiteral("zortbench: Nieznany pomiar „nosuch” (listę wypisuje zortbench bez argumentów).")},
        {{QStringLiteral("protocol"), QStringLiteral("--chars"), QStringLiteral("abc")},
         QStringLiteral("zortbench: Opcja --chars wymaga liczby całkowitej od 1 do 1000000, podano „abc”.")},
        {{QStringLiteral("protocol"), QStringLiteral("--chars"), QStringLiteral("-5")},
         QStringLiteral("zortbench: Opcja --chars wymaga liczby całkowitej od 1 do 1000000, podano „-5”.")},
        {{QStringLiteral("register"), QStringLiteral("--bogus")}, QStringLiteral("zortbench: Nieznana opcja „--bogus”.")},
        {{QStringLiteral("register"), QStringLiteral("--db")}, QStringLiteral("zortbench: Brak wartości opcji --db.")},
        {{QStringLiteral("register"), QStringLiteral("--db"), QStringLiteral("--bogus")}, QStringLiteral("zortbench: Brak wartości opcji --db.")},
        {{QStringLiteral("trees"), QStringLiteral("--db"), QStringLiteral("a.fdb"), QStringLiteral("--db"), QStringLiteral("b.fdb")},
         QStringLiteral("zortbench: Opcja --db podana dwa razy.")},
        {{QStringLiteral("structure-table"), QStringLiteral("teraz")}, QStringLiteral("zortbench: Nieoczekiwany argument „teraz”.")},
        {{QStringLiteral("export"), QStringLiteral("--pages"), QStringLiteral("0")},
         QStringLiteral("zortbench: Opcja --pages wymaga liczby całkowitej od 1 do 1000, podano „0”.")},
        {{QStringLiteral("export"), QStringLiteral("--db"), QStringLiteral("x.fdb")}, QStringLiteral("zortbench: Nieznana opcja „--db”.")},
    };
    for (const auto& c : cases) {
        const ToolResult r = runTool("zortbench", c.args, 20000);
        ASSERT_TRUE(r.finished) << c.args.join(' ').toStdString();
        EXPECT_EQ(QProcess::NormalExit, r.status);
        EXPECT_EQ(2, r.code) << c.args.join(' ').toStdString();
        EXPECT_EQ(QStringList{c.line}, r.errorLines);
        EXPECT_TRUE(r.outputLines.isEmpty()) << r.outputLines.join('\n').toStdString();
        EXPECT_TRUE(r.leftInTemp.isEmpty()) << r.leftInTemp.join(' ').toStdString();
    }
}

// Without --out the exported files go to a temporary folder that goes away.
TEST(Tools, BenchExportWithoutAFolderLeavesNothing) {
    const ToolResult r = runTool("zortbench", {QStringLiteral("export"), QStringLiteral("--pages"), QStringLiteral("1")});
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(0, r.code) << r.errorLines.join('\n').toStdString();
    EXPECT_TRUE(r.leftInTemp.isEmpty()) << r.leftInTemp.join(' ').toStdString();
    EXPECT_TRUE(r.outputLines.filter(QStringLiteral("pliki w")).isEmpty());
}

TEST(Tools, ZortdbWithABadDatabasePathFailsInOneLine) {
    expectOneLineFailure(runTool("zortdb", {QStringLiteral("users"), QStringLiteral("/nonexistent/x.fdb")}), "zortdb");
    expectOneLineFailure(runTool("zortdb", {QStringLiteral("create"), QStringLiteral("/nonexistent/dir/x.fdb")}), "zortdb");
    expectOneLineFailure(runTool("zortdb", {QStringLiteral("user-add"), QStringLiteral("/nonexistent/x.fdb"),
                                            QStringLiteral("nowy"), QStringLiteral("Haslo1234")}),
                         "zortdb");
}

TEST(Tools, ZortdbStillWorksOnAGoodDatabase) {
    TestDatabase db(TestDatabase::Content::Demo);
    const ToolResult r = runTool("zortdb", {QStringLiteral("users"), db.path()});
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(0, r.code) << r.errorLines.join('\n').toStdString();
    EXPECT_TRUE(r.errorLines.isEmpty()) << r.errorLines.join('\n').toStdString();
    EXPECT_TRUE(r.leftInTemp.isEmpty());
}

TEST(Tools, ZortdbLoadsAndWritesCodeLists) {
    TestDatabase db;
    const QString source = qEnvironmentVariable("ZORT_TEST_DATA") + QStringLiteral("/reference/skw-2009/09_przyczyny_wypadku.tsv");
    const QStringList load{QStringLiteral("import-list"), db.path(), QStringLiteral("skwprzyczynywyp_1"), source};
    const ToolResult r = runTool("zortdb", load);
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(0, r.code) << r.errorLines.join('\n').toStdString();
    EXPECT_EQ(QStringList{QStringLiteral("Wczytano 90 wierszy do tabeli SKWPRZYCZYNYWYP_1")}, r.outputLines);

    const ToolResult again = runTool("zortdb", load);
    expectOneLineFailure(again, "zortdb");
    EXPECT_EQ(QStringLiteral("zortdb: Tabela SKWPRZYCZYNYWYP_1 zawiera już 90 wierszy; użyj --replace, aby je zastąpić."),
              again.errorLines.value(0));
    EXPECT_EQ(0, runTool("zortdb", load + QStringList{QStringLiteral("--replace")}).code);

    const QString exported = db.folder() + QStringLiteral("/przyczyny.tsv");
    const ToolResult e = runTool("zortdb", {QStringLiteral("export-list"), db.path(), QStringLiteral("SKWPRZYCZYNYWYP_1"), exported});
    ASSERT_TRUE(e.finished);
    EXPECT_EQ(0, e.code) << e.errorLines.join('\n').toStdString();
    EXPECT_EQ(QStringList{QStringLiteral("Zapisano 90 wierszy tabeli SKWPRZYCZYNYWYP_1 do pliku %1").arg(exported)}, e.outputLines);
    EXPECT_TRUE(QFileInfo(exported).size() > 0);

    const QString bad = db.folder() + QStringLiteral("/zla.tsv");
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("code\tparent_code\tlevel\tname\nA\tX\t1\tPozycja\n");
    f.close();
    const ToolResult wrong = runTool("zortdb", {QStringLiteral("import-list"), db.path(), QStringLiteral("SKWMIEJSCEWYP_1"), bad});
    expectOneLineFailure(wrong, "zortdb");
    EXPECT_EQ(QStringLiteral("zortdb: Wiersz 2: nieznany kod nadrzędny „X”."), wrong.errorLines.value(0));
    // A list that cannot be written: one line naming the file, no success line, and a
    // device is never replaced.
    for (const QString& target : {unwritableFolder() + QStringLiteral("/lista.tsv"), QStringLiteral("/dev/full")}) {
        if (target == QLatin1String("/dev/full") && !QFileInfo::exists(target)) continue;
        const ToolResult full = runTool("zortdb", {QStringLiteral("export-list"), db.path(), QStringLiteral("SKWPRZYCZYNYWYP_1"), target});
        expectOneLineFailure(full, "zortdb");
        EXPECT_TRUE(full.errorLines.value(0).startsWith(QStringLiteral("zortdb: Nie można zapisać pliku ") + target + QStringLiteral(": ")))
            << full.errorLines.value(0).toStdString();
        EXPECT_TRUE(full.outputLines.isEmpty());
    }
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());

    const ToolResult unknown = runTool("zortdb", {QStringLiteral("export-list"), db.path(), QStringLiteral("OSOBY"), exported});
    expectOneLineFailure(unknown, "zortdb");
    EXPECT_EQ(QStringLiteral("zortdb: Tabela OSOBY nie jest słownikiem klasyfikacyjnym programu."), unknown.errorLines.value(0));
}

// The connection user on a server: kwel with its built-in password, and an
// installation's own user whose password holds quotes and a colon; each then logs in
// and reads the module's tables. A name that is not a plain identifier is refused.
TEST(Tools, ZortdbCreatesConnectionUsersOnAServer) {
    if (testServerHost().isEmpty()) GTEST_SKIP() << "no Firebird server (ZORT_FB_SERVER)";
    const QString database = createServerDatabase();
    const QStringList admin{QStringLiteral("--user"), QStringLiteral("SYSDBA"), QStringLiteral("--password"),
                            testServerSysdbaPassword()};
    const QString own = QStringLiteral("ZT_") + QUuid::createUuid().toString(QUuid::Id128).left(12).toUpper();
    const QString ownPassword = QStringLiteral("Ha'slo:x ?1\"");
    // Users live in the server's security database, shared by every test program.
    QLockFile users(QDir::temp().filePath(QStringLiteral("zort-test-server-users.lock")));
    users.setStaleLockTime(60000);
    ASSERT_TRUE(users.lock());

    const ToolResult kwel = runTool("zortdb", QStringList{QStringLiteral("create-kwel"), database} + admin);
    ASSERT_TRUE(kwel.finished);
    EXPECT_EQ(0, kwel.code) << kwel.errorLines.join('\n').toStdString();
    EXPECT_EQ(QStringList{QStringLiteral("Użytkownik KWEL jest gotowy na serwerze bazy %1").arg(database)}, kwel.outputLines);

    const ToolResult named = runTool("zortdb", QStringList{QStringLiteral("create-kwel"), database} + admin +
                                                   QStringList{QStringLiteral("--name"), own.toLower(),
                                                               QStringLiteral("--user-password"), ownPassword});
    ASSERT_TRUE(named.finished);
    EXPECT_EQ(0, named.code) << named.errorLines.join('\n').toStdString();
    EXPECT_TRUE(named.errorLines.isEmpty()) << named.errorLines.join('\n').toStdString();

    for (const auto& [user, password] : {std::pair{QStringLiteral("kwel"), QStringLiteral("pxqv")}, std::pair{own, ownPassword}}) {
        zort::Connection c(QStringLiteral("created-") + user);
        ASSERT_NO_THROW(c.open(database, user, password)) << user.toStdString();
        zort::Dataset ds(&c, QStringLiteral("SELECT MODUL, NUMER FROM AWERSJAMOD"));
        ASSERT_NO_THROW(ds.open()) << user.toStdString();
        EXPECT_EQ(QStringLiteral("zortwyp"), ds.field("MODUL").asTrimmed());
        // The module's temporary tables.
        EXPECT_NO_THROW(c.execute(QStringLiteral("CREATE TABLE TEMP91 (ID INTEGER)"))) << user.toStdString();
        EXPECT_NO_THROW(c.execute(QStringLiteral("DROP TABLE TEMP91"))) << user.toStdString();
    }

    // A second run gives the existing user the new password.
    const ToolResult again = runTool("zortdb", QStringList{QStringLiteral("create-kwel"), database} + admin +
                                                   QStringList{QStringLiteral("--name"), own,
                                                               QStringLiteral("--user-password"), QStringLiteral("Inne1234")});
    EXPECT_EQ(0, again.code) << again.errorLines.join('\n').toStdString();
    {
        zort::Connection c(QStringLiteral("created-again"));
        EXPECT_NO_THROW(c.open(database, own, QStringLiteral("Inne1234")));
    }

    const ToolResult bad = runTool("zortdb", QStringList{QStringLiteral("create-kwel"), database} + admin +
                                                 QStringList{QStringLiteral("--name"), QStringLiteral("X\" TO PUBLIC"),
                                                             QStringLiteral("--user-password"), QStringLiteral("a")});
    expectOneLineFailure(bad, "zortdb");
    EXPECT_TRUE(bad.errorLines.value(0).startsWith(QStringLiteral("zortdb: Nieprawidłowa nazwa użytkownika bazy danych: X\" TO PUBLIC")))
        << bad.errorLines.value(0).toStdString();

    zort::Connection sysdba(QStringLiteral("created-cleanup"));
    sysdba.open(database, QStringLiteral("SYSDBA"), testServerSysdbaPassword());
    sysdba.execute(QStringLiteral("DROP USER ") + own);
}
