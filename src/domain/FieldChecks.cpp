#include "domain/FieldChecks.h"

#include "db/ColumnTypes.h"

#include "core/Formats.h"

#include <QLocale>
#include <QRegularExpression>
#include <cfloat>
#include <cmath>
#include <limits>

namespace zort {
namespace {

// A whole number: digits with an optional sign, blanks around ignored.
bool isWholeText(const QString& t) {
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    return digits.match(t).hasMatch();
}

// The value of a whole-number text that fits 64 bits, or a saturated one.
qint64 wholeValue(const QString& t) {
    bool ok = false;
    const qint64 n = t.toLongLong(&ok, 10);
    if (ok) return n;
    return t.startsWith(QLatin1Char('-')) ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
}

} // namespace

QString FieldChecks::wholeFormatMessage() { return QStringLiteral("Zły format liczby całkowitej."); }
QString FieldChecks::integerFormatMessage() { return QStringLiteral("Zły format liczby całkowitej. Max. 2147483647."); }
QString FieldChecks::realFormatMessage() { return QStringLiteral("Zły format liczby rzeczywistej. Max. 3.4 x 10^38."); }
QString FieldChecks::positiveMessage() { return QStringLiteral("Tylko liczby dodatnie."); }
QString FieldChecks::smallRangeMessage() { return QStringLiteral("Tylko liczby dodatnie. Max. 32767."); }
QString FieldChecks::dateFormatMessage() { return QStringLiteral("Zły format daty."); }
QString FieldChecks::missingDateMessage() { return QStringLiteral("Brak lub zły format daty."); }
QString FieldChecks::accidentAfterRegistrationMessage() {
    return QStringLiteral("Data wypadku nie może być starsza od daty jego rejestracji.");
}
QString FieldChecks::beforeAccidentMessage() { return QStringLiteral("Ta data nie może być mniejsza od daty wypadku."); }
QString FieldChecks::otherRegisterYearWarning() {
    return QStringLiteral("Uwaga! \rData rejestracji wypadku jest niezgodna z datą odniesienia. \r"
                          "Wypadek zostanie przypisany do rejestru zgodnego z rokiem rejestracji wypadku. \r"
                          "(Wypadek zostanie usunięty z bieżącego rejestru)");
}

CheckResult FieldChecks::wholeNumber(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return CheckResult::pass();
    if (!isWholeText(t)) return CheckResult::fail(integerFormatMessage());
    const qint64 n = wholeValue(t);
    if (n < std::numeric_limits<qint32>::min() || n > std::numeric_limits<qint32>::max())
        return CheckResult::fail(integerFormatMessage());
    if (n < 0) return CheckResult::fail(positiveMessage());
    return CheckResult::pass();
}

CheckResult FieldChecks::decimalNumber(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return CheckResult::pass();
    // Read as the save reads it (a comma is a decimal separator too).
    double d = 0;
    if (!readDecimalText(t, d) || std::fabs(d) > double(FLT_MAX)) return CheckResult::fail(realFormatMessage());
    // What single precision keeps of it: a tiny negative number becomes zero.
    if (float(d) < 0.0f) return CheckResult::fail(positiveMessage());
    return CheckResult::pass();
}

CheckResult FieldChecks::smallWholeNumber(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return CheckResult::pass();
    if (!isWholeText(t)) return CheckResult::fail(wholeFormatMessage());
    const qint64 n = wholeValue(t);
    if (n < 0 || n > 32767) return CheckResult::fail(smallRangeMessage());
    return CheckResult::pass();
}

QDate FieldChecks::accidentDay(const QString& accident) {
    const QDateTime dt = Formats::parseDateTime(accident);
    return dt.isValid() ? dt.date() : QDate();
}

CheckResult FieldChecks::accidentDate(const QString& accident, const QString& registration) {
    const QDate day = accidentDay(accident);
    if (!day.isValid()) return CheckResult::fail(missingDateMessage());
    const QDate registered = Formats::parseDate(registration);
    if (registered.isValid() && registered < day)
        return CheckResult::fail(accidentAfterRegistrationMessage(), CheckResult::Focus::Compared);
    return CheckResult::pass();
}

CheckResult FieldChecks::registrationDate(const QString& registration, const QString& accident, int registerYear) {
    const QDate registered = Formats::parseDate(registration);
    if (!registered.isValid()) return CheckResult::fail(dateFormatMessage());
    const QDate day = accidentDay(accident);
    if (day.isValid() && registered < day) return CheckResult::fail(beforeAccidentMessage());
    if (registration.size() == 10 && registered.year() != registerYear)
        return CheckResult::warn(otherRegisterYearWarning());
    return CheckResult::pass();
}

CheckResult FieldChecks::optionalDate(const QString& text) {
    if (text.trimmed().isEmpty()) return CheckResult::pass();
    return Formats::parseDate(text).isValid() ? CheckResult::pass() : CheckResult::fail(dateFormatMessage());
}

CheckResult FieldChecks::optionalDateAfterAccident(const QString& text, const QString& accident) {
    if (text.trimmed().isEmpty()) return CheckResult::pass();
    const QDate d = Formats::parseDate(text);
    if (!d.isValid()) return CheckResult::fail(dateFormatMessage());
    const QDate day = accidentDay(accident);
    if (day.isValid() && d < day) return CheckResult::fail(beforeAccidentMessage());
    return CheckResult::pass();
}

QString FieldChecks::protocolBeforeAccidentMessage() { return QStringLiteral("Ta data nie może być mniejsza od daty wypadku"); }
QString FieldChecks::occupationCodeLengthMessage() { return QStringLiteral("Kod zawodu może mieć max. 7 znaków "); }

CheckResult FieldChecks::protocolDate(const QString& text, const QString& accident) {
    if (text.trimmed().isEmpty()) return CheckResult::pass();
    const QDate d = Formats::parseDate(text);
    if (!d.isValid()) return CheckResult::fail(dateFormatMessage());
    if (accident.trimmed().isEmpty()) return CheckResult::pass();
    const QDate day = accidentDay(accident);
    if (!day.isValid()) return CheckResult::fail(dateFormatMessage());
    if (d < day) return CheckResult::fail(protocolBeforeAccidentMessage());
    return CheckResult::pass();
}

CheckResult FieldChecks::occupationCode(const QString& text) {
    if (text.isEmpty()) return CheckResult::pass();
    if (text.size() >= 8) {
        CheckResult r = CheckResult::fail(occupationCodeLengthMessage());
        r.plain = true;
        return r;
    }
    return wholeNumber(text);
}

CheckResult FieldChecks::reportDate(const QString& text, const QString& accident) {
    const QDate d = Formats::parseDate(text);
    if (!d.isValid()) return CheckResult::fail(missingDateMessage());
    const QDate day = accidentDay(accident);
    if (day.isValid() && d < day) return CheckResult::fail(beforeAccidentMessage());
    return CheckResult::pass();
}

} // namespace zort
