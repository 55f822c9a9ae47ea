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
    // The computer name as the takes of accidents record it (at most 15 characters).
    static QString computerName();
    static void setComputerName(const QString& name);
    static void resetComputerName();
};

// The stored date-times of the database are naive local times. The process runs in
// UTC so that no time can fall into a daylight-saving gap; the wall clock keeps
// following the zone the workstation was started in. Call once, first thing in main.
void initProcessTime();

} // namespace zort
