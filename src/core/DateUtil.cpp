#include "core/DateUtil.h"

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

QDateTime midnight(const QDate& day) {
    return QDateTime(day, QTime(0, 0));
}

} // namespace zort::dates
