#include "core/Clock.h"

#include "core/MyIniFile.h"

#include <QCryptographicHash>
#include <QSysInfo>
#include <QTimeZone>
#include <cstdlib>
#include <ctime>

namespace zort {
namespace {

QDateTime g_fixed;
QTimeZone g_wallZone = QTimeZone::systemTimeZone();
// The computer name once determined: set by hand (tests), or read from the
// configuration or the host; a name read before the configuration was opened is
// read again once it is.
enum class NameSource { None, Host, Config, Set };
NameSource g_nameSource = NameSource::None;
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

QString Workstation::fit(const QString& name) {
    if (name.size() <= kMaxLength) return name;
    const QByteArray hash = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().toUpper();
    return name.left(10) + QLatin1Char('~') + QString::fromLatin1(hash.left(4));
}

QString Workstation::nameForHost(const QString& hostName) {
    QString host = hostName.trimmed();
    const qsizetype dot = host.indexOf('.');
    if (dot > 0) host.truncate(dot);
    return fit(host);
}

QString Workstation::computerName() {
    if (g_nameSource == NameSource::Set || g_nameSource == NameSource::Config) return g_name;
    if (hasAppIni()) {
        // An installation that needs a fixed name (several hosts sharing one, or a
        // host name that changes) sets it in the configuration file.
        const QString configured =
            appIni().document().value(QStringLiteral("Stanowisko"), QStringLiteral("Nazwa")).trimmed();
        if (!configured.isEmpty()) {
            g_name = fit(configured);
            g_nameSource = NameSource::Config;
            return g_name;
        }
    }
    if (g_nameSource == NameSource::None) {
        g_name = nameForHost(QSysInfo::machineHostName());
        g_nameSource = NameSource::Host;
    }
    return g_name;
}

void Workstation::setComputerName(const QString& name) {
    g_name = fit(name);
    g_nameSource = NameSource::Set;
}

void Workstation::resetComputerName() {
    g_nameSource = NameSource::None;
    g_name.clear();
}

} // namespace zort
