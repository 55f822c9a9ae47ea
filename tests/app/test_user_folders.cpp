// Where an installed program keeps its files: the program folder when it holds the
// configuration file, else the user's folder; and the launcher of the menu entry,
// which prepares that folder on the first start and never overwrites it.
#include "core/UserFolders.h"
#include "support/ProgramFolder.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

using namespace zort;
using namespace zort::test;

namespace {

QString bin(const char* name) { return qEnvironmentVariable("ZORT_BIN_DIR") + QLatin1Char('/') + QLatin1String(name); }

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

void writeFile(const QString& path, const QByteArray& data) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(data);
}

// Sets an environment variable for one test.
class EnvVar {
public:
    EnvVar(const char* name, const QString& value) : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        if (value.isNull()) qunsetenv(name);
        else qputenv(name, value.toUtf8());
    }
    ~EnvVar() {
        if (m_had) qputenv(m_name, m_old);
        else qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

// A user: home, configuration and data folders, all fresh.
struct User {
    QTemporaryDir root{testTempRoot() + QStringLiteral("/user-XXXXXX")};
    QString home() const { return root.filePath(QStringLiteral("home")); }
    QString config() const { return root.filePath(QStringLiteral("cfg")); }
    QString data() const { return root.filePath(QStringLiteral("data")); }
    QProcessEnvironment env() const {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(QStringLiteral("HOME"), home());
        e.insert(QStringLiteral("XDG_CONFIG_HOME"), config());
        e.insert(QStringLiteral("XDG_DATA_HOME"), data());
        e.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return e;
    }
};

TEST(UserFolders, ProgramFolderWithItsConfigurationElseTheUsersFolder) {
    User user;
    EnvVar cfg("XDG_CONFIG_HOME", user.config());
    EnvVar data("XDG_DATA_HOME", user.data());
    EXPECT_EQ(user.config() + QStringLiteral("/zort"), UserFolders::configFolder());
    EXPECT_EQ(user.data() + QStringLiteral("/zort"), UserFolders::dataFolder());

    QTemporaryDir program(testTempRoot() + QStringLiteral("/prog-XXXXXX"));
    // Read-only and without a configuration file: the user's folder.
    QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    EXPECT_EQ(UserFolders::configFolder(), UserFolders::programFolder(program.path(), QString()));
    QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // A numbered configuration counts for its argument only.
    writeFile(program.filePath(QStringLiteral("kwel_3.ini")), "[Database]\r\n");
    EXPECT_EQ(program.path(), UserFolders::programFolder(program.path(), QStringLiteral("3")));
    EXPECT_EQ(UserFolders::configFolder(), UserFolders::programFolder(program.path(), QStringLiteral("4")));
    // "kwel.ini" keeps every run beside the program, as always.
    writeFile(program.filePath(QStringLiteral("kwel.ini")), "[Database]\r\n");
    EXPECT_EQ(program.path(), UserFolders::programFolder(program.path(), QString()));
    EXPECT_EQ(program.path(), UserFolders::programFolder(program.path(), QStringLiteral("4")));

    // Unset or relative variables mean the defaults under the home folder.
    EnvVar home("HOME", user.home());
    EnvVar relative("XDG_CONFIG_HOME", QStringLiteral("relative/cfg"));
    EnvVar unset("XDG_DATA_HOME", QString());
    EXPECT_EQ(user.home() + QStringLiteral("/.config/zort"), UserFolders::configFolder());
    EXPECT_EQ(user.home() + QStringLiteral("/.local/share/zort"), UserFolders::dataFolder());
}

// The program in a read-only folder without "kwel.ini" runs on the user's
// configuration and keeps its window layout there.
TEST(UserFolders, TheProgramRunsOnTheUsersConfiguration) {
    TestDatabase db(TestDatabase::Content::Demo);
    ProgramFolder settings(db.path());  // kwel.ini and aliases.ini, copied to the user's folder
    settings.writeDefaultConfig();
    User user;
    const QString mine = user.config() + QStringLiteral("/zort");
    QDir().mkpath(mine);
    for (const char* f : {"kwel.ini", "aliases.ini"})
        ASSERT_TRUE(QFile::copy(settings.path() + QLatin1Char('/') + QLatin1String(f), mine + QLatin1Char('/') + QLatin1String(f)));

    QTemporaryDir program(testTempRoot() + QStringLiteral("/prog-XXXXXX"));
    const QString exe = program.filePath(QStringLiteral("zortwyp"));
    ASSERT_TRUE(QFile::copy(bin("zortwyp"), exe));
    QFile::setPermissions(exe, QFile::ReadOwner | QFile::ExeOwner);
    QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner);

    QProcess p;
    p.setProcessEnvironment(user.env());
    p.setWorkingDirectory(user.root.path());
    p.start(exe, {QStringLiteral("0"), QStringLiteral("1")});
    QByteArray err;
    QElapsedTimer t;
    t.start();
    bool ready = false;
    while (!ready && t.elapsed() < 60000 && p.state() != QProcess::NotRunning) {
        p.waitForReadyRead(200);
        err += p.readAllStandardError();
        ready = QString::fromUtf8(err).contains(QStringLiteral("okno główne gotowe"));
    }
    EXPECT_TRUE(ready) << err.toStdString();
    ::kill(pid_t(p.processId()), SIGTERM);
    EXPECT_TRUE(p.waitForFinished(20000));
    QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(QFileInfo::exists(mine + QStringLiteral("/zortwyp.ini"))) << err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(program.filePath(QStringLiteral("zortwyp.ini"))));
}

// The menu entry's launcher, installed beside the built programs.
class Launcher {
public:
    Launcher() {
        const QString source = qEnvironmentVariable("ZORT_TEST_DATA") + QStringLiteral("/../packaging/zort-wypadki");
        EXPECT_TRUE(QFile::copy(source, path())) << source.toStdString();
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        for (const char* name : {"zortwyp", "zortdb"})
            EXPECT_TRUE(QFile::link(bin(name), m_dir.filePath(QLatin1String(name))));
    }
    QString path() const { return m_dir.filePath(QStringLiteral("zort-wypadki")); }
    QString folder() const { return m_dir.path(); }
    // Runs it with "--version" (the program answers and ends); the exit status.
    int run(const User& user, QString* out = nullptr) const {
        QProcess p;
        p.setProcessEnvironment(user.env());
        p.start(path(), {QStringLiteral("--version")});
        if (!p.waitForFinished(180000)) {
            p.kill();
            p.waitForFinished();
            return -1;
        }
        if (out) *out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

private:
    QTemporaryDir m_dir{testTempRoot() + QStringLiteral("/bin-XXXXXX")};
};

TEST(LauncherTest, FirstStartPreparesTheUsersFolderAndLaterStartsKeepIt) {
    Launcher launcher;
    User user;
    const QString cfg = user.config() + QStringLiteral("/zort");
    const QString data = user.data() + QStringLiteral("/zort");
    QString out;
    ASSERT_EQ(0, launcher.run(user, &out)) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("wersja"))) << out.toStdString();
    EXPECT_EQ("[Database]\r\nAliasName=ZortDemo\r\n\r\n[SavedSettings]\r\nGLOBAL.KZS.Str=4\r\n",
              readAll(cfg + QStringLiteral("/kwel.ini")).toStdString());
    EXPECT_EQ(QStringLiteral("[ZortDemo]\r\nDatabase=%1/demo.fdb\r\n\r\n[ZortArch]\r\nDatabase=%1/demo.fdb\r\n").arg(data).toStdString(),
              readAll(cfg + QStringLiteral("/aliases.ini")).toStdString());
    const QFileInfo demo(data + QStringLiteral("/demo.fdb"));
    ASSERT_TRUE(demo.isFile());
    // The demo database answers with its demo users.
    {
        QProcess users;
        users.setProcessEnvironment(user.env());
        users.start(bin("zortdb"), {QStringLiteral("users"), demo.filePath()});
        ASSERT_TRUE(users.waitForFinished(60000));
        EXPECT_TRUE(QString::fromUtf8(users.readAllStandardOutput()).contains(QStringLiteral("admin")));
    }

    // The user's own settings and database stay as they are.
    writeFile(cfg + QStringLiteral("/kwel.ini"), "[Database]\r\nAliasName=Firma\r\n");
    writeFile(cfg + QStringLiteral("/aliases.ini"), "[Firma]\r\nDatabase=serwer:/srv/wypadki.fdb\r\n");
    const QDateTime modified = QFileInfo(demo.filePath()).lastModified();
    const qint64 size = QFileInfo(demo.filePath()).size();
    ASSERT_EQ(0, launcher.run(user, &out)) << out.toStdString();
    EXPECT_EQ("[Database]\r\nAliasName=Firma\r\n", readAll(cfg + QStringLiteral("/kwel.ini")).toStdString());
    EXPECT_EQ("[Firma]\r\nDatabase=serwer:/srv/wypadki.fdb\r\n", readAll(cfg + QStringLiteral("/aliases.ini")).toStdString());
    EXPECT_EQ(modified, QFileInfo(demo.filePath()).lastModified());
    EXPECT_EQ(size, QFileInfo(demo.filePath()).size());
    EXPECT_EQ(QStringList({"aliases.ini", "kwel.ini"}), QDir(cfg).entryList(QDir::Files, QDir::Name));

    // A program folder with its own configuration leaves the user's folder alone.
    Launcher beside;
    writeFile(beside.folder() + QStringLiteral("/kwel.ini"), "[Database]\r\n");
    User other;
    ASSERT_EQ(0, beside.run(other, &out)) << out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(other.config() + QStringLiteral("/zort")));
    EXPECT_FALSE(QFileInfo::exists(other.data() + QStringLiteral("/zort")));
}

} // namespace
