#include "printing/engine/DisplayFormat.h"

#include "core/DateUtil.h"

#include <cmath>

namespace zort::print {
namespace {

QString g_shortDate = QStringLiteral("yyyy-MM-dd");

bool isDateFormat(const QString& f) {
    for (const QChar c : f)
        if (QStringLiteral("dmyhns").contains(c.toLower())) return true;
    return false;
}

// Rounds half away from zero at the given number of decimals.
double roundAway(double v, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = std::abs(v) * scale;
    // A small tolerance keeps 0.125 (stored as 0.12499999...) rounding up.
    const double r = std::floor(scaled + 0.5 + 1e-9 * std::max(1.0, scaled));
    return std::copysign(r / scale, v);
}

} // namespace

QString shortDateFormat() { return g_shortDate; }
void setShortDateFormat(const QString& qtFormat) { g_shortDate = qtFormat; }

QString formatDateTime(const QDateTime& v, const QString& format) {
    if (!v.isValid() || dates::isNoDate(v)) return QString();
    if (format.isEmpty()) return v.date().toString(g_shortDate);
    QString out;
    const QString f = format;
    bool lastWasHour = false;
    for (qsizetype i = 0; i < f.size();) {
        const QChar c = f.at(i).toLower();
        qsizetype n = 1;
        while (i + n < f.size() && f.at(i + n).toLower() == c) ++n;
        auto two = [](int x) { return QStringLiteral("%1").arg(x, 2, 10, QLatin1Char('0')); };
        switch (c.unicode()) {
        case 'd': out += n >= 2 ? two(v.date().day()) : QString::number(v.date().day()); lastWasHour = false; break;
        case 'm':
            if (lastWasHour) out += n >= 2 ? two(v.time().minute()) : QString::number(v.time().minute());
            else out += n >= 2 ? two(v.date().month()) : QString::number(v.date().month());
            lastWasHour = false;
            break;
        case 'y': out += n >= 4 ? QString::number(v.date().year()) : two(v.date().year() % 100); lastWasHour = false; break;
        case 'h': out += n >= 2 ? two(v.time().hour()) : QString::number(v.time().hour()); lastWasHour = true; break;
        case 'n': out += n >= 2 ? two(v.time().minute()) : QString::number(v.time().minute()); lastWasHour = false; break;
        case 's': out += n >= 2 ? two(v.time().second()) : QString::number(v.time().second()); lastWasHour = false; break;
        default:
            out += f.mid(i, n);
            if (!f.at(i).isSpace() && f.at(i) != u':') lastWasHour = false;
            break;
        }
        i += n;
    }
    return out;
}

QString formatNumber(double value, const QString& format) {
    if (format.isEmpty()) {
        QString s = QString::number(value, 'f', 10);
        if (s.contains(u'.')) {
            while (s.endsWith(u'0')) s.chop(1);
            if (s.endsWith(u'.')) s.chop(1);
        }
        return s == QStringLiteral("-0") ? QStringLiteral("0") : s;
    }
    const qsizetype dot = format.indexOf(u'.');
    const QString intPart = dot < 0 ? format : format.left(dot);
    const QString fracPart = dot < 0 ? QString() : format.mid(dot + 1);
    const int maxDec = int(fracPart.count(u'0') + fracPart.count(u'#'));
    const int minDec = int(fracPart.count(u'0'));
    const int minInt = int(intPart.count(u'0'));
    const bool group = intPart.contains(u',');

    const double r = roundAway(value, maxDec);
    QString digits = QString::number(std::abs(r), 'f', maxDec);
    QString ip = digits, fp;
    if (maxDec > 0) {
        ip = digits.section(u'.', 0, 0);
        fp = digits.section(u'.', 1);
        while (fp.size() > minDec && fp.endsWith(u'0')) fp.chop(1);
    }
    if (ip == QStringLiteral("0") && minInt == 0) ip.clear();
    while (ip.size() < minInt) ip.prepend(u'0');
    if (group && ip.size() > 3) {
        for (qsizetype pos = ip.size() - 3; pos > 0; pos -= 3) ip.insert(pos, u' ');
    }
    QString out = ip;
    if (!fp.isEmpty()) out += u'.' + fp;
    const bool zero = r == 0;
    if (!zero && r < 0) out.prepend(u'-');
    return out;
}

QString formatValue(const Field& value, const QString& format) {
    if (value.isNull()) return QString();
    const QVariant& v = value.variant();
    switch (v.metaType().id()) {
    case QMetaType::QDateTime:
    case QMetaType::QDate:
        return formatDateTime(value.asDateTime(), format);
    case QMetaType::QTime:
        return v.toTime().toString(format.isEmpty() ? QStringLiteral("hh:mm") : QString(format).replace(QStringLiteral("nn"), QStringLiteral("mm")));
    case QMetaType::Double:
    case QMetaType::Float:
        return formatNumber(v.toDouble(), format);
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
        return format.isEmpty() || isDateFormat(format) ? QString::number(v.toLongLong())
                                                        : formatNumber(v.toDouble(), format);
    default:
        break;
    }
    return value.asString();
}

} // namespace zort::print
