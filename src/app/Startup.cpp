#include "app/Startup.h"

#include "ui/AboutForm.h"
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Forms.h"
#include "core/Formats.h"
#include "ui/LogowanieForm.h"
#include "core/MyIniFile.h"
#include "core/Session.h"
#include "domain/SharedConnection.h"
#include "domain/Takes.h"
#include "core/UserInterface.h"
#include "db/Dataset.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <memory>

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

    // 2. Regional formats.
    Formats::reset();

    // 3. The computer name.
    Workstation::computerName();

    // 4. Housekeeping on the shared database.
    return housekeeping();
}

int Startup::housekeeping() {
    AppContext& ctx = appContext();
    Connection* c = nullptr;
    try {
        c = &SharedConnection::get();
    } catch (const DbError&) {
        return terminationCode() ? terminationCode() : ExitNoDatabase;
    }
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
    QApplication::setApplicationName(QStringLiteral("wypadki"));
    QApplication::setApplicationDisplayName(QStringLiteral("wypadki"));

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
    if (code == ExitOk) code = login();
    if (code == ExitOk && appContext().readOnlyDatabase) showInfo(Takes::readOnlyMessage());
    if (code == ExitOk) code = createForms();
    if (code == ExitOk) {
        if (auto* main = Forms::get<QMainWindow>(QStringLiteral("TRejestrWypForm"))) {
            main->show();
            QObject::connect(qApp, &QApplication::lastWindowClosed, qApp, &QApplication::quit);
            // Showing the main window may end the run (no register for the user).
            if (!terminationRequested()) code = QApplication::exec();
            if (terminationRequested()) code = terminationCode();
        }
    }
    Forms::destroyAll();
    Session::logOut();
    SharedConnection::shutdown();
    setAppIni(nullptr);
    g_ini.reset();
    return code;
}

} // namespace zort
