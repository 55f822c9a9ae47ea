#include "core/DateUtil.h"

#include <cmath>

namespace zort::dates {

bool isNoDate(const QDateTime& value) {
    return !value.isValid() || value.date() == kZeroDate;
}

bool isNoDate(const QVariant& value) {
    if (value.isNull() || !value.isValid()) return true;
    if (value.metaType().id() == QMetaType::QDate) {
        const QDate d = value.toDate();
        return !d.isValid() || d == kZeroDate;
    }
    return isNoDate(value.toDateTime());
}

QDateTime toDateTime(const QVariant& value) {
    if (isNoDate(value)) return QDateTime();
    if (value.metaType().id() == QMetaType::QDate) return midnight(value.toDate());
    return value.toDateTime();
}

int yearOf(const QVariant& value) {
    return isNoDate(value) ? 0 : toDateTime(value).date().year();
}

double toSerial(const QDateTime& value) {
    if (!value.isValid()) return 0.0;
    const double days = double(kZeroDate.daysTo(value.date()));
    const double frac = double(value.time().msecsSinceStartOfDay()) / 86400000.0;
    return days + frac;
}

QDateTime fromSerial(double serial) {
    const double whole = std::floor(serial);
    const qint64 ms = qint64(std::llround((serial - whole) * 86400000.0));
    return QDateTime(kZeroDate.addDays(qint64(whole)), QTime(0, 0)).addMSecs(ms);
}

QDateTime midnight(const QDate& day) {
    return QDateTime(day, QTime(0, 0));
}

} // namespace zort::dates
