#pragma once
#include <QString>
#include <QStringList>

namespace zort {

// What the start-up establishes for the whole run: the program's folder, the
// command line, the configuration file, the variant flags and the database marker.
// The alias file beside the program.
inline constexpr const char* kAliasFileName = "aliases.ini";

struct AppContext {
    QString programDir;        // the program's folder, or the user's folder that plays it (UserFolders)
    QStringList args;          // command-line arguments 1 to 3 (without the program name)
    QString configFileName;    // "kwel.ini" or "kwel_N.ini"
    bool uniformedServices = false;  // configuration section "Operacyjni"
    bool registersMode = false;      // configuration section "TW"
    QString markerVersion;           // ADOSTEP.Wersja as read
    int occupationEdition = 0;       // GLOBAL/KZS
    // The database is in read-only mode: every window opens read-only and nothing,
    // takes included, is written.
    bool readOnlyDatabase = false;

    QString arg(int n) const { return n >= 1 && n <= args.size() ? args.at(n - 1) : QString(); }
    QString configPath() const;
    QString aliasFilePath() const;
    // "zortwyp.ini", the window layout file beside the executable.
    QString layoutFilePath() const;

    // The configuration file name for argument 1: "1" to "9" select "kwel_N.ini".
    static QString configFileNameFor(const QString& arg1);
};

AppContext& appContext();

// Ends the run: before the event loop the start-up sees the request and returns the
// code; inside the loop the loop ends with it.
void requestTerminate(int exitCode);
bool terminationRequested();
int terminationCode();
void clearTermination();

// Exit codes of a start-up that could not complete.
enum ExitCode {
    ExitOk = 0,
    ExitNoConfig = 2,
    ExitNoDatabase = 3,
    ExitDatabaseLocked = 4,
    ExitWrongMarker = 5,
    ExitLoginFailed = 6,
    ExitFatal = 7,
};

} // namespace zort
