#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>

namespace zort {

// Every reading of "now" and of this computer's name goes through here, so that
// tests can set them.
class Clock {
public:
    // The current wall-clock time of this workstation, as a naive date-time.
    static QDateTime now();
    static QDate today() { return now().date(); }
    // Fixes the clock (tests); an invalid value returns to the real clock.
    static void setNow(const QDateTime& fixed);
    // Moves a fixed clock on; no effect on the real clock.
    static void advance(qint64 msecs);
};

class Workstation {
public:
    // The longest name the take columns (COMPNAME CHAR(15)) hold.
    static constexpr int kMaxLength = 15;

    // The computer name as the takes of accidents record it (at most 15 characters):
    // the configuration's [Stanowisko] Nazwa= when it is set, else the host name
    // without its domain; a longer name is shortened by fit().
    static QString computerName();
    // A set name is used as given (shortened by fit()); reset returns to the
    // configured or host name.
    static void setComputerName(const QString& name);
    static void resetComputerName();

    // The name for a host name: without its domain, then fit().
    static QString nameForHost(const QString& hostName);
    // A name of up to 15 characters is used as it is. A longer one becomes its
    // first 10 characters, "~" and the first 4 hex digits (upper case) of the
    // SHA-1 of the whole name in UTF-8: two long names with a common beginning
    // stay apart, and the same name gives the same result on every computer.
    static QString fit(const QString& name);
};

// The stored date-times of the database are naive local times. The process runs in
// UTC so that no time can fall into a daylight-saving gap; the wall clock keeps
// following the zone the workstation was started in. Call once, first thing in main.
void initProcessTime();

} // namespace zort
