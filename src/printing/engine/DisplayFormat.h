#pragma once
#include "core/Field.h"

#include <QString>

namespace zort::print {

// Display formats of data-bound report texts, written as the report forms write
// them:
//  - dates and times: "dd.mm.yyyy", "yyyy-mm-dd", "hh:nn", "dd.mm.yyyy hh:nn:ss"
//    (d, dd, m, mm, yy, yyyy, h, hh, n, nn, s, ss; "mm" right after an hour is
//    minutes); a null or zero date prints nothing;
//  - numbers: "0.00", "#.####", "#,##0.0", "000" ('0' a digit always printed,
//    '#' a digit printed when significant, '.' the decimal point, ',' anywhere in
//    the integer part groups thousands with a blank). Rounding is half away from
//    zero (1234.5 with "0" prints 1235). The decimal separator is always ".".
// With an empty format dates print in the short date format and numbers plainly.
QString formatValue(const Field& value, const QString& format);
QString formatDateTime(const QDateTime& value, const QString& format);
QString formatNumber(double value, const QString& format);

// The process's short date format (Qt notation); "yyyy-MM-dd" unless start-up
// sets the configured one.
QString shortDateFormat();
void setShortDateFormat(const QString& qtFormat);

} // namespace zort::print
