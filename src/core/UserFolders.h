#pragma once
#include <QString>

namespace zort {

// Where a run keeps its files. A program folder that holds its configuration file
// ("kwel.ini", or the numbered file argument 1 names) keeps everything beside the
// program, as the suite always did. An installed program's folder holds none and is
// not writable: then the user's own folder plays the program folder (configuration,
// aliases, window layouts, "debug.debug"), and the databases the launcher creates
// live in the user's data folder.
class UserFolders {
public:
    // "$XDG_CONFIG_HOME/zort", by default "~/.config/zort".
    static QString configFolder();
    // "$XDG_DATA_HOME/zort", by default "~/.local/share/zort".
    static QString dataFolder();
    // The folder that plays the program folder for a program in executableDir
    // started with argument 1.
    static QString programFolder(const QString& executableDir, const QString& arg1);
};

} // namespace zort
