#include "core/Clock.h"

#include <QSysInfo>
#include <QTimeZone>
#include <cstdlib>
#include <ctime>

namespace zort {
namespace {

QDateTime g_fixed;
QTimeZone g_wallZone = QTimeZone::systemTimeZone();
bool g_nameSet = false;
QString g_name;

} // namespace

void initProcessTime() {
    static bool done = false;
    if (done) return;
    done = true;
    g_wallZone = QTimeZone::systemTimeZone();
    qputenv("TZ", "UTC");
    tzset();
}

QDateTime Clock::now() {
    if (g_fixed.isValid()) return g_fixed;
    const QDateTime wall = QDateTime::currentDateTimeUtc().toTimeZone(g_wallZone);
    // Naive: the same wall-clock fields, in the process's (UTC) local time.
    return QDateTime(wall.date(), wall.time());
}

void Clock::setNow(const QDateTime& fixed) { g_fixed = fixed; }

void Clock::advance(qint64 msecs) {
    if (g_fixed.isValid()) g_fixed = g_fixed.addMSecs(msecs);
}

QString Workstation::computerName() {
    if (!g_nameSet) {
        QString host = QSysInfo::machineHostName();
        const int dot = host.indexOf('.');
        if (dot > 0) host.truncate(dot);
        g_name = host.left(15);
        g_nameSet = true;
    }
    return g_name;
}

void Workstation::setComputerName(const QString& name) {
    g_name = name.left(15);
    g_nameSet = true;
}

void Workstation::resetComputerName() { g_nameSet = false; }

} // namespace zort
