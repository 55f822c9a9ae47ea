#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>

namespace zort {

// The outcome of a field check: passed, an error to show (the focus goes back into
// the checked field, or into the field it was compared with), or a warning that
// leaves the value as it is.
struct CheckResult {
    enum class Kind { Ok, Error, Warning };
    // Which field takes the focus after an error.
    enum class Focus { Checked, Compared };

    Kind kind = Kind::Ok;
    QString message;
    Focus focus = Focus::Checked;
    // An error shown as a plain message, without the error icon.
    bool plain = false;

    bool ok() const { return kind == Kind::Ok; }
    bool error() const { return kind == Kind::Error; }
    bool warning() const { return kind == Kind::Warning; }

    static CheckResult pass() { return {}; }
    static CheckResult fail(const QString& text, Focus focus = Focus::Checked) { return {Kind::Error, text, focus}; }
    static CheckResult warn(const QString& text) { return {Kind::Warning, text, Focus::Checked}; }
};

// The checks an entry field runs when the user leaves it, on the texts of the
// fields alone (dates in the short date format of Formats). An empty number field
// passes every number check.
class FieldChecks {
public:
    // Whole numbers 0 .. 2147483647 (register numbers, document numbers).
    static CheckResult wholeNumber(const QString& text);
    // Non-negative decimal numbers with "." as separator, up to single precision.
    static CheckResult decimalNumber(const QString& text);
    // Small whole numbers 0 .. 32767 (hours, days, years of service).
    static CheckResult smallWholeNumber(const QString& text);

    // The accident's date and time against the registration date: the registration
    // may not fall on an earlier day than the accident (focus on the registration).
    static CheckResult accidentDate(const QString& accident, const QString& registration);
    // The registration date against the accident's day; passing, a date of another
    // year than the open register's gives the warning that the accident moves to the
    // register of its registration year.
    static CheckResult registrationDate(const QString& registration, const QString& accident, int registerYear);

    // A date that may stay empty.
    static CheckResult optionalDate(const QString& text);
    // A date that may stay empty and may not fall before the accident's day.
    static CheckResult optionalDateAfterAccident(const QString& text, const QString& accident);
    // A date that must be given and may not fall before the accident's day (the
    // report of the accident).
    static CheckResult reportDate(const QString& text, const QString& accident);

    // The protocol's dates: a date that may stay empty and may not fall before the
    // accident's day (the accident's date and time as the protocol shows it); an
    // accident date that does not read gives the format message, an empty one skips
    // the comparison.
    static CheckResult protocolDate(const QString& text, const QString& accident);
    // An occupation code: up to 7 characters, a whole number not below 0; empty passes.
    static CheckResult occupationCode(const QString& text);

    // The texts of the checks.
    static QString wholeFormatMessage();
    static QString integerFormatMessage();
    static QString realFormatMessage();
    static QString positiveMessage();
    static QString smallRangeMessage();
    static QString dateFormatMessage();
    static QString missingDateMessage();
    static QString accidentAfterRegistrationMessage();
    static QString beforeAccidentMessage();
    static QString protocolBeforeAccidentMessage();
    static QString occupationCodeLengthMessage();
    static QString otherRegisterYearWarning();

    // The day of an accident's date text (date, or date and time); invalid when none.
    static QDate accidentDay(const QString& accident);
};

} // namespace zort
