#include "app/Startup.h"

#include "ui/AboutForm.h"
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Forms.h"
#include "core/Formats.h"
#include "ui/LogowanieForm.h"
#include "core/MyIniFile.h"
#include "core/Session.h"
#include "core/TerminationSignals.h"
#include "domain/DataModForm.h"
#include "domain/SharedConnection.h"
#include "domain/Takes.h"
#include "core/UserInterface.h"
#include "db/Dataset.h"

#include <QApplication>
#include <QDir>
#include "db/DatabaseWait.h"

#include <QFileInfo>
#include <QMainWindow>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace zort {
namespace {

Startup::LoginStep g_login;
std::unique_ptr<TMyIniFile> g_ini;

// Shows why the run cannot go on and ends it with that exit status.
int endRun(const QString& message, int code) {
    showError(message);
    requestTerminate(code);
    return code;
}

// How long the first answer of the database may take before the start-up gives up
// with its connection message.
constexpr int kOpenDeadlineMs = 8000;
// How long an ending asked for by the system may take before the process ends anyway.
constexpr int kEndDeadlineMs = 4000;

// Gives back every take of this computer, as closing the main window does.
void releaseTakes() {
    auto* d = Forms::get<TDataModForm>(QStringLiteral("TDataModForm"));
    if (!d) return;
    try {
        d->ReleaseAllTakes();
    } catch (const DbError& e) {
        logMessage(QStringLiteral("błąd"), e.message());
    }
}

// The system asked the program to end (logout, kill, Ctrl+C, the terminal gone): the
// run ends as "Koniec" ends it, but nothing asks: pending edits are not saved, the
// takes are given back, and the message loop (with any window open in it) ends with
// 128 + the signal. A second request, or a run that does not end in time, ends the
// process at once.
void endOnSignal(int signalNumber) {
    const int code = TerminationSignals::exitCodeFor(signalNumber);
    static bool ending = false;
    if (ending) {
        std::fflush(stderr);
        ::_exit(code);
    }
    ending = true;
    logMessage(QStringLiteral("koniec"), QStringLiteral("sygnał %1: koniec pracy programu").arg(signalNumber));
    TerminationSignals::armDeadline(code, kEndDeadlineMs);
    // From now on no window waits for the user: questions count as cancelled.
    setDefaultUserInterface(nullptr);
    releaseTakes();
    requestTerminate(code);
}

// The toolkit ends the process from inside when the display goes away (exit() deep in
// its event processing); the database engine's own shutdown would then never finish
// and keep the database file. Such an end takes the path of a signal instead: the
// takes are given back, the connections closed, and the process ends at once.
void endWithoutDisplay() {
    logMessage(QStringLiteral("koniec"), QStringLiteral("nieoczekiwany koniec pracy programu (utrata ekranu)"));
    DatabaseWait::runDirectlyFromNowOn();
    releaseTakes();
    Connection::closeAll();
}

// Puts the reactions to the system's requests in place; called again after each step
// that may have loaded or attached the database client (it installs its own handlers).
void watchSignals() {
    static bool connected = false;
    if (!connected) {
        connected = true;
        QObject::connect(&TerminationSignals::instance(), &TerminationSignals::received, &endOnSignal);
    }
    TerminationSignals::instance().install();
}

void watchTermination() {
    watchSignals();
    TerminationSignals::setExitHook(&endWithoutDisplay, TerminationSignals::exitCodeFor(SIGHUP));
}

} // namespace

QString lockedDatabaseMessage() {
    return QStringLiteral("Baza danych została zablokowana\r\nSkontaktuj się z administratorem");
}

QString wrongMarkerMessage() {
    return QStringLiteral("Nieprawidłowa wersja bazy danych\r\nSkontaktuj się z administratorem");
}

QString missingConfigMessage(const QString& fileName) {
    return QStringLiteral("Brak pliku konfiguracyjnego : ") + fileName;
}

void Startup::setLoginStep(LoginStep step) { g_login = std::move(step); }

Startup::Startup(const QStringList& args, const QString& programDir) : m_args(args), m_programDir(programDir) {}

int Startup::prepare() {
    clearTermination();
    AppContext& ctx = appContext();
    ctx = AppContext{};
    ctx.programDir = m_programDir;
    ctx.args = m_args.mid(0, 3);

    // 1. The configuration file.
    ctx.configFileName = AppContext::configFileNameFor(ctx.arg(1));
    if (!QFileInfo::exists(ctx.configPath())) {
        showError(missingConfigMessage(ctx.configFileName));
        requestTerminate(ExitNoConfig);
        ctx.configFileName = QStringLiteral("kwel.ini");
    }
    g_ini = std::make_unique<TMyIniFile>(ctx.configPath());
    g_ini->setArchiveArgument(ctx.arg(3));
    setAppIni(g_ini.get());
    if (terminationRequested()) return terminationCode();

    // 2. Regional formats; how long a command may wait for the database.
    Formats::reset();
    DatabaseWait::setLimit(1000 * std::clamp(g_ini->globalInt(QStringLiteral("CzasOczekiwaniaBazy"), 30), 5, 600));

    // 3. The computer name.
    Workstation::computerName();

    // 4. Housekeeping on the shared database, whose first answer is awaited only so long.
    Connection::setOpenDeadline(kOpenDeadlineMs);
    return housekeeping();
}

int Startup::housekeeping() {
    AppContext& ctx = appContext();
    Connection* c = nullptr;
    try {
        c = &SharedConnection::get();
    } catch (const DbError& e) {
        // The connection's message; the run was asked to end.
        showError(e.message());
        return terminationCode() ? terminationCode() : ExitNoDatabase;
    }
    // The database client has put its signal handlers in place: the program's own
    // replace them before anything may wait for the database.
    watchSignals();
    try {
        ctx.readOnlyDatabase = Takes::databaseReadOnly(*c);
    } catch (const DbError& e) {
        return endRun(e.message(), ExitFatal);
    }
    if (!ctx.readOnlyDatabase) try {
        // 4.1 and 4.2: release this computer's takes, with the position trigger off
        // while a synchronisation has not finished. The trigger is switched on again
        // whatever happens: the database is shared by every workstation.
        Dataset sync(c, QStringLiteral(" SELECT * FROM  ASYNSTANBAZY  WHERE DATASYNCHR is null"));
        sync.open();
        const bool unfinished = !sync.isEmpty();
        sync.close();
        const QString triggerOn = QStringLiteral(" ALTER TRIGGER Trig_OStanow_Up ACTIVE");
        if (unfinished) c->execute(QStringLiteral(" ALTER TRIGGER Trig_OStanow_Up INACTIVE"));
        try {
            Takes(*c, Workstation::computerName())
                .ReleaseAllTakes({QStringLiteral("SKWWYPADKI"), QStringLiteral("SKWWYPADKIWDRODZE")});
        } catch (const DbError&) {
            if (unfinished) {
                try {
                    c->execute(triggerOn);
                } catch (const DbError&) {
                    // the first failure is the one the user must see
                }
            }
            throw;
        }
        if (unfinished) c->execute(triggerOn);
    } catch (const DbError& e) {
        return endRun(e.message(), ExitFatal);
    }

    // 4.3 The database marker.
    try {
        Dataset marker(c, QStringLiteral("SELECT Wersja, Blokada FROM ADostep"));
        marker.open();
        if (marker.isEmpty()) throw DbError(QStringLiteral("ADOSTEP"));
        if (marker.field("BLOKADA").asInt() == 1) return endRun(lockedDatabaseMessage(), ExitDatabaseLocked);
        ctx.markerVersion = marker.field("WERSJA").asTrimmed();
        if (ctx.markerVersion != QLatin1String("zort92")) return endRun(wrongMarkerMessage(), ExitWrongMarker);
    } catch (const DbError&) {
        return endRun(wrongMarkerMessage(), ExitWrongMarker);
    }

    // 4.4 The variant flags.
    ctx.uniformedServices = appIni().SectionExists(QStringLiteral("Operacyjni"));
    ctx.registersMode = appIni().SectionExists(QStringLiteral("TW"));
    return ExitOk;
}

int Startup::login() {
    return g_login ? g_login(appContext().args) : runLogin(appContext().args);
}

void setUpApplication() {
    QApplication::setApplicationName(applicationTitle());
    // Qt ends every window title with the display name (" — " + name) once one is
    // set, unless the title already ends with it; the empty name is the one every
    // title ends with, so each window shows its caption exactly.
    QGuiApplication::setApplicationDisplayName(QString());
}

QString applicationTitle() { return QStringLiteral("wypadki"); }

void applyMainWindowSettings() {
    appContext().occupationEdition = appIni().globalInt(QStringLiteral("KZS"), 0);
    Formats::applyDateFormat(appIni().global(QStringLiteral("FormDaty")));
}

int Startup::createForms() {
    // 6. The information window.
    auto* about = new TAboutForm();
    about->setTitleLine(QStringLiteral("Przygotowanie programu i bazy danych"));
    about->setProgress(0, 5);
    about->show();
    about->repaint();
    QCoreApplication::processEvents();

    // 7. The application.
    setUpApplication();

    // 8. The windows and report forms.
    registerDocumentWindows();
    for (const StartupForm& f : startupForms()) {
        if (f.create) {
            Forms::create(QString::fromLatin1(f.name), f.create);
            if (qstrcmp(f.name, "TRejestrWypForm") == 0) applyMainWindowSettings();
        }
        if (f.advancesProgress) {
            about->advance();
            QCoreApplication::processEvents();
        }
        if (terminationRequested()) break;
    }

    // 9. Done with the information window.
    about->hide();
    delete about;
    return terminationRequested() ? terminationCode() : ExitOk;
}

int Startup::run() {
    int code = prepare();
    // The shared connection is open: the database client has put its signal handlers
    // in place, and the program's own replace them.
    if (code == ExitOk) watchTermination();
    if (code == ExitOk) code = login();
    if (code == ExitOk && appContext().readOnlyDatabase) showInfo(Takes::readOnlyMessage());
    if (code == ExitOk) code = createForms();
    if (code == ExitOk) {
        if (auto* main = Forms::get<QMainWindow>(QStringLiteral("TRejestrWypForm"))) {
            // Again after the data module's connection.
            watchTermination();
            main->show();
            QObject::connect(qApp, &QApplication::lastWindowClosed, qApp, &QApplication::quit);
            logMessage(QStringLiteral("start"), QStringLiteral("okno główne gotowe"));
            // Showing the main window may end the run (no register for the user).
            if (!terminationRequested()) code = QApplication::exec();
        }
    }
    if (terminationRequested()) code = terminationCode();
    // Asked to end while the start waited for the database: the wait was given up and
    // the run ends as a signal ends it.
    if (const int signalNumber = TerminationSignals::pendingSignal(); signalNumber && code != ExitOk) {
        logMessage(QStringLiteral("koniec"), QStringLiteral("sygnał %1: koniec pracy programu").arg(signalNumber));
        code = TerminationSignals::exitCodeFor(signalNumber);
    }
    Forms::destroyAll();
    Session::logOut();
    SharedConnection::shutdown();
    setAppIni(nullptr);
    g_ini.reset();
    TerminationSignals::disarmExitHook();
    if (Connection::abandonedAttempts()) {
        // An attempt to reach the database still waits inside the database client,
        // whose shutdown would wait for it: end here.
        std::fflush(stdout);
        std::fflush(stderr);
        ::_exit(code);
    }
    return code;
}

} // namespace zort
