#pragma once
#include <QDate>
#include <QDateTime>
#include <QVariant>

namespace zort::dates {

// The zero date of the database's date-time columns: a column that holds it, or
// null, holds no date.
inline const QDate kZeroDate{1899, 12, 30};

bool isNoDate(const QDateTime& value);
bool isNoDate(const QVariant& value);
// The value as a date-time, or an invalid date-time when it holds no date.
QDateTime toDateTime(const QVariant& value);
// The year of the value, 0 when it holds no date.
int yearOf(const QVariant& value);

// Midnight of the given day, as a naive date-time.
QDateTime midnight(const QDate& day);

} // namespace zort::dates
