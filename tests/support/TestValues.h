#pragma once
// Small helpers every test program may use: texts in failure messages as texts,
// and midnight of a day.
#include <QDateTime>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace zort::test {

inline QDateTime day(int y, int m, int d) { return QDateTime(QDate(y, m, d), QTime(0, 0)); }

} // namespace zort::test
