#pragma once
#include <QString>
#include <QStringList>
#include <functional>

namespace zort {


// The start-up of the program, in its order: configuration file, formats, computer
// name, housekeeping on the shared database (takes, database marker, variant flags),
// login, information window, the windows and report forms, the message loop.
class Startup {
public:
    Startup(const QStringList& args, const QString& programDir);

    // Steps 1 to 4. Returns ExitOk when the run goes on, else the exit code (the
    // message has been shown).
    int prepare();
    // Step 5: the login; ExitOk when a user is logged in.
    int login();
    // Steps 6 to 9: information window, application title, windows and forms.
    int createForms();
    // The whole run: prepare, login, forms, message loop, end.
    int run();

    // Replaces the login of the program (the login window, runLogin) for tests.
    using LoginStep = std::function<int(const QStringList& args)>;
    static void setLoginStep(LoginStep step);

private:
    int housekeeping();
    QStringList m_args;
    QString m_programDir;
};

// Step 7: the application's title "wypadki" (its name, which names its settings
// too). No window title carries it: every window shows its own caption exactly.
void setUpApplication();
QString applicationTitle();

// The steps done when the main window is created: the occupation classification
// edition (GLOBAL/KZS, 0 when missing or not a number) and the date format
// (GLOBAL/FormDaty).
void applyMainWindowSettings();

QString lockedDatabaseMessage();
QString wrongMarkerMessage();
QString missingConfigMessage(const QString& fileName);

} // namespace zort
