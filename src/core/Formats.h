#pragma once
#include <QChar>
#include <QDate>
#include <QDateTime>
#include <QString>

namespace zort {

// The process-wide formats: decimal separator ".", the short date format (by default
// "yyyy-MM-dd", replaced by the saved setting GLOBAL/FormDaty) with its separator,
// and the time formats. Every date the program shows or parses goes through here.
class Formats {
public:
    // The formats set at start: "yyyy-MM-dd", "-", times "hh:mm" / "hh:mm:ss".
    static void reset();
    // Applies a saved date format ("dd.MM.yyyy", ...); a missing or empty value keeps
    // the current one. The separator is "-", "." or "/", the last of them found in
    // that order; the time formats become "h:mm" and "h:mm:ss".
    static void applyDateFormat(const QString& savedFormat);

    static QString shortDateFormat();  // as a Qt pattern
    static QChar dateSeparator();
    static QString longTimeFormat();

    // Texts of dates; a value that holds no date (null, invalid, 1899-12-30) gives "".
    static QString date(const QDate& d);
    static QString date(const QDateTime& dt);
    // The date and, unless it is midnight, the time ("yyyy-MM-dd h:mm:ss").
    static QString dateTime(const QDateTime& dt);
    static QString time(const QDateTime& dt);
    // Parses a date typed in the short date format (also accepts one- or two-digit
    // days and months); returns an invalid date when the text is not a date.
    static QDate parseDate(const QString& text);
    // Parses "date" or "date time" ("h:mm" or "h:mm:ss").
    static QDateTime parseDateTime(const QString& text);
    // Parses a time of day "h:mm" or "h:mm:ss"; an invalid time when it is none.
    static QTime parseTime(const QString& text);

    // A number with the decimal separator ".".
    static QString number(double value, int decimals);
};

} // namespace zort
