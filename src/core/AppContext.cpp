#include "core/AppContext.h"


#include <QCoreApplication>
#include <QDir>

namespace zort {
namespace {
AppContext g_context;
bool g_terminate = false;
int g_code = 0;
} // namespace

QString AppContext::configPath() const { return QDir(programDir).filePath(configFileName); }

QString AppContext::aliasFilePath() const { return QDir(programDir).filePath(QString::fromLatin1(kAliasFileName)); }

QString AppContext::layoutFilePath() const {
    const QString dir = programDir.isEmpty() ? QCoreApplication::applicationDirPath() : programDir;
    return QDir(dir).filePath(QStringLiteral("zortwyp.ini"));
}

QString AppContext::configFileNameFor(const QString& arg1) {
    if (arg1.size() == 1 && arg1.at(0) >= QLatin1Char('1') && arg1.at(0) <= QLatin1Char('9'))
        return QStringLiteral("kwel_") + arg1 + QStringLiteral(".ini");
    return QStringLiteral("kwel.ini");
}

AppContext& appContext() { return g_context; }

void requestTerminate(int exitCode) {
    if (!g_terminate) g_code = exitCode;
    g_terminate = true;
    if (QCoreApplication::instance()) QCoreApplication::exit(g_code);
}

bool terminationRequested() { return g_terminate; }
int terminationCode() { return g_code; }

void clearTermination() {
    g_terminate = false;
    g_code = 0;
}

} // namespace zort
