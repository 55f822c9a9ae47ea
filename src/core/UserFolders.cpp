#include "core/UserFolders.h"

#include "core/AppContext.h"

#include <QDir>
#include <QFileInfo>

namespace zort {
namespace {

// An XDG base folder: the variable when it holds an absolute path (relative ones are
// ignored, as the desktop's rules say), else the default under the home folder.
QString baseFolder(const char* variable, const QString& homeDefault) {
    const QString set = qEnvironmentVariable(variable);
    if (!set.isEmpty() && QDir::isAbsolutePath(set)) return QDir::cleanPath(set);
    return QDir::cleanPath(QDir::home().filePath(homeDefault));
}

} // namespace

QString UserFolders::configFolder() {
    return QDir(baseFolder("XDG_CONFIG_HOME", QStringLiteral(".config"))).filePath(QStringLiteral("zort"));
}

QString UserFolders::dataFolder() {
    return QDir(baseFolder("XDG_DATA_HOME", QStringLiteral(".local/share"))).filePath(QStringLiteral("zort"));
}

QString UserFolders::programFolder(const QString& executableDir, const QString& arg1) {
    const QDir dir(executableDir);
    if (QFileInfo::exists(dir.filePath(QStringLiteral("kwel.ini"))) ||
        QFileInfo::exists(dir.filePath(AppContext::configFileNameFor(arg1))))
        return executableDir;
    return configFolder();
}

} // namespace zort
