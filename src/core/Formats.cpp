#include "core/Formats.h"

#include "core/DateUtil.h"

#include <QLocale>
#include <QRegularExpression>

namespace zort {
namespace {

QString g_dateFormat = QStringLiteral("yyyy-MM-dd");
QChar g_separator = QLatin1Char('-');
QString g_longTime = QStringLiteral("hh:mm:ss");

// The suite writes date formats with d, m and y in either case; Qt wants M for months.
QString toQtPattern(const QString& format) {
    QString out;
    for (QChar c : format) {
        const QChar l = c.toLower();
        if (l == 'd' || l == 'y') out += l;
        else if (l == 'm') out += QLatin1Char('M');
        else out += c;
    }
    return out;
}

} // namespace

void Formats::reset() {
    g_dateFormat = QStringLiteral("yyyy-MM-dd");
    g_separator = QLatin1Char('-');
    g_longTime = QStringLiteral("hh:mm:ss");
}

void Formats::applyDateFormat(const QString& savedFormat) {
    const QString f = savedFormat.trimmed();
    if (f.isEmpty()) return;   // not set: the formats set at start stay
    g_dateFormat = toQtPattern(f);
    for (QChar s : {QLatin1Char('-'), QLatin1Char('.'), QLatin1Char('/')})
        if (f.contains(s)) g_separator = s;
    g_longTime = QStringLiteral("h:mm:ss");
}

QString Formats::shortDateFormat() { return g_dateFormat; }
QChar Formats::dateSeparator() { return g_separator; }
QString Formats::longTimeFormat() { return g_longTime; }

QString Formats::date(const QDate& d) {
    if (!d.isValid() || d == dates::kZeroDate) return QString();
    return QLocale::c().toString(d, g_dateFormat);
}

QString Formats::date(const QDateTime& dt) {
    return dates::isNoDate(dt) ? QString() : date(dt.date());
}

QString Formats::dateTime(const QDateTime& dt) {
    if (dates::isNoDate(dt)) return QString();
    if (dt.time() == QTime(0, 0)) return date(dt.date());
    return date(dt.date()) + QLatin1Char(' ') + QLocale::c().toString(dt.time(), g_longTime);
}

QString Formats::time(const QDateTime& dt) {
    if (!dt.isValid()) return QString();
    return QLocale::c().toString(dt.time(), g_longTime);
}

QDate Formats::parseDate(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return QDate();
    QDate d = QLocale::c().toDate(t, g_dateFormat);
    if (d.isValid()) return d;
    // Be lenient with single-digit days and months.
    QString lenient = g_dateFormat;
    lenient.replace(QStringLiteral("dd"), QStringLiteral("d")).replace(QStringLiteral("MM"), QStringLiteral("M"));
    return QLocale::c().toDate(t, lenient);
}

QDateTime Formats::parseDateTime(const QString& text) {
    const QString t = text.trimmed();
    const qsizetype space = t.indexOf(' ');
    if (space < 0) {
        const QDate d = parseDate(t);
        return d.isValid() ? QDateTime(d, QTime(0, 0)) : QDateTime();
    }
    const QDate d = parseDate(t.left(space));
    if (!d.isValid()) return QDateTime();
    const QTime tm = parseTime(t.mid(space + 1));
    return tm.isValid() ? QDateTime(d, tm) : QDateTime();
}

QTime Formats::parseTime(const QString& text) {
    const QString t = text.trimmed();
    for (const char* f : {"h:mm:ss", "h:mm", "hh:mm:ss", "hh:mm"}) {
        const QTime tm = QTime::fromString(t, QString::fromLatin1(f));
        if (tm.isValid()) return tm;
    }
    return QTime();
}

QString Formats::number(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

} // namespace zort
