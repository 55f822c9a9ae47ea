// The program as a process: how it ends when the system asks (SIGTERM, SIGINT), when
// its display goes away, and how soon it reports a database that does not answer.
#include "core/Clock.h"
#include "core/TerminationSignals.h"
#include "db/Connection.h"
#include "db/DatabaseBuilder.h"
#include "db/DbError.h"
#include "support/ProgramFolder.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace zort;
using namespace zort::test;

namespace {

constexpr int kHeldId = 999999;
const char* kReady = "okno główne gotowe";

QString binary(const char* name) { return qEnvironmentVariable("ZORT_BIN_DIR") + QLatin1Char('/') + QLatin1String(name); }

// The program reads its configuration beside its executable: a copy of it goes into
// the program folder.
QString installProgram(const ProgramFolder& folder) {
    const QString target = folder.path() + QStringLiteral("/zortwyp");
    QFile::remove(target);
    EXPECT_TRUE(QFile::copy(binary("zortwyp"), target));
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ExeOwner);
    return target;
}

// A database with an accident taken by this computer. Every attempt to give it back is
// counted; the first `refused` attempts leave it taken (the start of the program gives
// back this computer's takes, and the test needs one that only a later release ends).
void prepareHeldAccident(const TestDatabase& db, int refused) {
    auto c = db.connect(QStringLiteral("prepare"));
    c->execute(QStringLiteral("CREATE TABLE ZT_RELEASES (N INTEGER)"));
    c->execute(QStringLiteral("CREATE TABLE ZT_GATE (N INTEGER)"));
    c->execute(QStringLiteral("INSERT INTO ZT_GATE (N) VALUES (:n)"), Params{{"n", refused}});
    c->execute(QStringLiteral(
        "CREATE TRIGGER ZT_HOLD FOR SKWWYPADKI BEFORE UPDATE AS BEGIN "
        "IF (OLD.ID = 999999 AND NEW.CZASZAK IS NOT NULL AND OLD.CZASZAK IS NULL) THEN BEGIN "
        "INSERT INTO ZT_RELEASES (N) VALUES (1); "
        "IF ((SELECT COUNT(*) FROM ZT_RELEASES) <= (SELECT MAX(N) FROM ZT_GATE)) THEN NEW.CZASZAK = NULL; "
        "END END"));
    Workstation::resetComputerName();
    c->execute(QStringLiteral("INSERT INTO SKWWYPADKI (ID, NUMER, COMPNAME, CZASROZP, CZASZAK) "
                              "VALUES (:id, 9999, :c, :t, NULL)"),
               Params{{"id", kHeldId}, {"c", Workstation::computerName()}, {"t", Clock::now().addSecs(-3600)}});
}

struct HeldState {
    int attempts = 0;
    bool released = false;
};

HeldState heldState(const TestDatabase& db) {
    auto c = db.connect(QStringLiteral("check"));
    HeldState s;
    s.attempts = c->scalar(QStringLiteral("SELECT COUNT(*) FROM ZT_RELEASES")).toInt();
    s.released = !c->scalar(QStringLiteral("SELECT CZASZAK FROM SKWWYPADKI WHERE ID = :id"), Params{{"id", kHeldId}}).isNull();
    return s;
}

// One run of the program, logged in automatically as the demo administrator.
class ProgramRun {
public:
    ProgramRun(const TestDatabase& db, const QProcessEnvironment& env) : m_folder(db.path()) {
        m_folder.writeDefaultConfig();
        m_process.setProcessEnvironment(env);
        m_process.setWorkingDirectory(m_folder.path());
        m_process.start(installProgram(m_folder), {QStringLiteral("0"), QStringLiteral("1")});
    }
    ~ProgramRun() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    // Waits for the main window; false when the program ended or did not get there.
    bool waitUntilReady(int msecs = 60000) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < msecs) {
            m_stderr += m_process.readAllStandardError();
            if (QString::fromUtf8(m_stderr).contains(QString::fromUtf8(kReady))) return true;
            if (m_process.state() == QProcess::NotRunning) return false;
            m_process.waitForReadyRead(200);
        }
        return false;
    }
    // Waits for the end; the milliseconds it took, or -1 when it did not end in time.
    qint64 waitForEnd(int msecs) {
        QElapsedTimer t;
        t.start();
        if (!m_process.waitForFinished(msecs)) return -1;
        m_stderr += m_process.readAllStandardError();
        return t.elapsed();
    }
    void signal(int signalNumber) { ::kill(pid_t(m_process.processId()), signalNumber); }

    QProcess& process() { return m_process; }
    QString log() const { return QString::fromUtf8(m_stderr); }

private:
    ProgramFolder m_folder;
    QProcess m_process;
    QByteArray m_stderr;
};

QProcessEnvironment offscreen() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

// How many attempts to give the take back the start of the program makes: a run that
// is killed outright makes only those.
int startReleases() {
    static int n = -1;
    if (n >= 0) return n;
    TestDatabase db(TestDatabase::Content::Demo);
    prepareHeldAccident(db, 1000);
    {
        ProgramRun run(db, offscreen());
        EXPECT_TRUE(run.waitUntilReady()) << run.log().toStdString();
        run.signal(SIGKILL);
        EXPECT_GE(run.waitForEnd(5000), 0);
    }
    const HeldState s = heldState(db);
    EXPECT_FALSE(s.released);
    n = s.attempts;
    return n;
}

// The database file is free: a second connection opens it at once.
void expectFileFree(const TestDatabase& db) {
    QElapsedTimer t;
    t.start();
    auto c = db.connect(QStringLiteral("after"));
    EXPECT_TRUE(c->isOpen());
    EXPECT_LT(t.elapsed(), 3000);
}

// A server on 127.0.0.1 that takes connections (the system completes them into the
// listening queue) and never says a word.
class SilentServer {
public:
    SilentServer() {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = 0;
        socklen_t len = sizeof a;
        if (::bind(m_fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && ::listen(m_fd, 16) == 0 &&
            ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
            m_port = ntohs(a.sin_port);
    }
    ~SilentServer() { ::close(m_fd); }
    int port() const { return m_port; }

private:
    int m_fd = -1;
    int m_port = 0;
};

} // namespace

TEST(TerminationSignals, ArriveThroughTheEventLoopAndReplaceOtherHandlers) {
    TerminationSignals& ts = TerminationSignals::instance();
    ts.install();
    EXPECT_TRUE(TerminationSignals::installed());
    QSignalSpy spy(&ts, &TerminationSignals::received);
    // The process goes on: the signal only reaches the event loop.
    ::raise(SIGHUP);
    ::raise(SIGTERM);
    EXPECT_TRUE(spy.wait(2000));
    if (spy.size() < 2) spy.wait(1000);
    ASSERT_EQ(2, spy.size());
    EXPECT_EQ(SIGHUP, spy.at(0).at(0).toInt());
    EXPECT_EQ(SIGTERM, spy.at(1).at(0).toInt());
    // A library that puts its own handler in place is overruled by installing again.
    std::signal(SIGINT, SIG_IGN);
    EXPECT_FALSE(TerminationSignals::installed());
    ts.install();
    EXPECT_TRUE(TerminationSignals::installed());
    EXPECT_EQ(143, TerminationSignals::exitCodeFor(SIGTERM));
    EXPECT_EQ(130, TerminationSignals::exitCodeFor(SIGINT));
    for (int s : {SIGTERM, SIGINT, SIGHUP}) std::signal(s, SIG_DFL);
}

TEST(ProgramEnd, KilledOutrightTheTakeStays) {
    // The contrast for the tests below: the start gives back its takes (refused here),
    // and nothing else happens when the process cannot react.
    EXPECT_GE(startReleases(), 1);
}

TEST(ProgramEnd, TermAndIntEndTheRunGiveBackTheTakeAndFreeTheFile) {
    const int refused = startReleases();
    for (int sig : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(sig);
        TestDatabase db(TestDatabase::Content::Demo);
        prepareHeldAccident(db, refused);
        ProgramRun run(db, offscreen());
        ASSERT_TRUE(run.waitUntilReady()) << run.log().toStdString();
        run.signal(sig);
        const qint64 took = run.waitForEnd(5000);
        ASSERT_GE(took, 0) << "still running 5 s after the signal\n" << run.log().toStdString();
        EXPECT_EQ(QProcess::NormalExit, run.process().exitStatus());
        EXPECT_EQ(128 + sig, run.process().exitCode()) << run.log().toStdString();
        EXPECT_TRUE(run.log().contains(QStringLiteral("sygnał %1: koniec pracy programu").arg(sig)));
        EXPECT_FALSE(run.log().contains(QStringLiteral("wymuszony")));  // it ended by itself
        const HeldState s = heldState(db);
        EXPECT_EQ(refused + 1, s.attempts);
        EXPECT_TRUE(s.released);
        expectFileFree(db);
    }
}

TEST(ProgramEnd, LostDisplayEndsTheRunLikeASignal) {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) GTEST_SKIP() << "Xvfb is not installed";
    // A display number nobody uses.
    int display = 90 + int(QCoreApplication::applicationPid() % 400);
    while (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(display)) ||
           QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(display)))
        ++display;
    QProcess server;
    server.start(xvfb, {QStringLiteral(":%1").arg(display), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                        QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1280x1024x24")});
    ASSERT_TRUE(server.waitForStarted(5000));
    QElapsedTimer up;
    up.start();
    while (!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(display)) && up.elapsed() < 10000) QThread::msleep(50);
    ASSERT_TRUE(QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(display)));

    const int refused = startReleases();
    TestDatabase db(TestDatabase::Content::Demo);
    prepareHeldAccident(db, refused);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":%1").arg(display));
    ProgramRun run(db, env);
    const bool ready = run.waitUntilReady();
    server.kill();
    server.waitForFinished(5000);
    ASSERT_TRUE(ready) << run.log().toStdString();
    const qint64 took = run.waitForEnd(5000);
    ASSERT_GE(took, 0) << "still running 5 s after the display went away\n" << run.log().toStdString();
    EXPECT_EQ(QProcess::NormalExit, run.process().exitStatus());
    EXPECT_NE(0, run.process().exitCode());
    const HeldState s = heldState(db);
    EXPECT_EQ(refused + 1, s.attempts);
    EXPECT_TRUE(s.released);
    expectFileFree(db);
}

// Without a display, or with one that cannot be reached, the program ends with one
// line and a status, before any window, instead of the toolkit's abort.
TEST(ProgramStart, WithoutADisplayEndsInOneLine) {
    QTemporaryDir runtime(testTempRoot() + QStringLiteral("/nodisplay-XXXXXX"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());  // no compositor's socket there
    int display = 90 + int(QCoreApplication::applicationPid() % 400);
    while (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(display))) ++display;
    const struct {
        QString display;
        QString line;
    } cases[] = {
        {QString(), QStringLiteral("zortwyp: Brak ekranu: program potrzebuje środowiska graficznego (zmienne DISPLAY i "
                                   "WAYLAND_DISPLAY nie są ustawione).")},
        {QStringLiteral(":%1").arg(display),
         QStringLiteral("zortwyp: Nie można otworzyć ekranu „:%1” (platforma „xcb”).").arg(display)},
    };
    for (const auto& c : cases) {
        if (!c.display.isEmpty()) env.insert(QStringLiteral("DISPLAY"), c.display);
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(runtime.path());
        p.start(binary("zortwyp"));
        ASSERT_TRUE(p.waitForFinished(20000)) << c.display.toStdString();
        EXPECT_EQ(QProcess::NormalExit, p.exitStatus()) << c.display.toStdString();
        EXPECT_EQ(1, p.exitCode()) << c.display.toStdString();
        EXPECT_EQ(c.line + QLatin1Char('\n'), QString::fromUtf8(p.readAllStandardError()));
        EXPECT_TRUE(p.readAllStandardOutput().isEmpty());
    }
}

TEST(ProgramStart, ServerThatNeverAnswersGivesTheConnectionMessageWithinTenSeconds) {
    // A server that takes the connection and stays silent.
    SilentServer silent;
    ASSERT_NE(0, silent.port());
    TestDatabase db;
    ProgramFolder folder(db.path());
    folder.writeConfig(QStringLiteral("kwel.ini"),
                       {QStringLiteral("[Database]"),
                        QStringLiteral("AliasName=127.0.0.1/%1:/x.fdb").arg(silent.port())});
    QProcess program;
    program.setProcessEnvironment(offscreen());
    program.start(installProgram(folder), {});
    ASSERT_TRUE(program.waitForStarted(5000));
    QElapsedTimer t;
    t.start();
    QByteArray err;
    const QString expected = QString::fromUtf8("Brak dostępu do bazy danych; Skontaktuj się z administratorem \n\n");
    while (t.elapsed() < 10000 && !QString::fromUtf8(err).contains(expected)) {
        program.waitForReadyRead(200);
        err += program.readAllStandardError();
    }
    const qint64 took = t.elapsed();
    program.kill();
    program.waitForFinished(5000);
    EXPECT_LT(took, 10000) << QString::fromUtf8(err).toStdString();
    EXPECT_TRUE(QString::fromUtf8(err).contains(QStringLiteral("nie odpowiada"))) << QString::fromUtf8(err).toStdString();
}

TEST(ProgramStart, FileHeldByAnotherProcessFailsWithinTheDeadline) {
    TestDatabase db(TestDatabase::Content::Demo);
    ProgramRun run(db, offscreen());
    ASSERT_TRUE(run.waitUntilReady()) << run.log().toStdString();
    const int before = Connection::openDeadline();
    Connection::setOpenDeadline(8000);
    QElapsedTimer t;
    t.start();
    QString message;
    {
        Connection second(QStringLiteral("second"));
        try {
            second.open(db.path(), QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
        } catch (const DbError& e) {
            message = e.message();
        }
    }
    const qint64 took = t.elapsed();
    Connection::setOpenDeadline(before);
    run.signal(SIGTERM);
    EXPECT_GE(run.waitForEnd(5000), 0);
    EXPECT_FALSE(message.isEmpty());
    EXPECT_LT(took, 10000) << message.toStdString();
}

// Waiting for a row that another workstation holds, the program still ends on SIGTERM
// within the usual time, with the signal's status.
TEST(ProgramEnd, TermWhileWaitingForAHeldRowEndsTheRun) {
    if (testServerHost().isEmpty()) GTEST_SKIP() << "no Firebird server (ZORT_FB_SERVER)";
    const QString database = createServerDatabase(true);
    Connection holder(QStringLiteral("holder"));
    holder.open(database, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
    // A take of this computer, which the start gives back: its row held by another
    // transaction, so the start waits.
    Workstation::resetComputerName();
    holder.execute(QStringLiteral("INSERT INTO SKWWYPADKI (ID, NUMER, COMPNAME, CZASROZP, CZASZAK) VALUES (:id, 9999, "
                                  ":c, :t, NULL)"),
                   Params{{"id", kHeldId}, {"c", Workstation::computerName()}, {"t", Clock::now().addSecs(-3600)}});
    holder.begin();
    holder.execute(QStringLiteral("UPDATE SKWWYPADKI SET BLOK = BLOK WHERE ID = :id"), Params{{"id", kHeldId}});

    ProgramFolder folder(database);
    folder.writeDefaultConfig();
    QProcess process;
    process.setProcessEnvironment(offscreen());
    process.setWorkingDirectory(folder.path());
    process.start(installProgram(folder), {QStringLiteral("0"), QStringLiteral("1")});
    ASSERT_TRUE(process.waitForStarted(10000));
    // Past the quiet time: the waiting window is up.
    EXPECT_FALSE(process.waitForFinished(3500)) << process.readAllStandardError().toStdString();
    ::kill(pid_t(process.processId()), SIGTERM);
    QElapsedTimer t;
    t.start();
    const bool ended = process.waitForFinished(5000);
    const QString log = QString::fromUtf8(process.readAllStandardError());
    ASSERT_TRUE(ended) << "still running 5 s after the signal\n" << log.toStdString();
    EXPECT_LT(t.elapsed(), 5000);
    EXPECT_EQ(QProcess::NormalExit, process.exitStatus());
    EXPECT_EQ(143, process.exitCode()) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("sygnał 15: koniec pracy programu"))) << log.toStdString();
    holder.rollback();
}
