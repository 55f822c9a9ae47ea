#include "db/ColumnTypes.h"

#include "core/Formats.h"
#include "core/MemoText.h"
#include "core/Win1250.h"
#include "db/Connection.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>
#include <cfloat>
#include <cmath>
#include <limits>

namespace zort {
namespace {

const QString kWholeFormat = QStringLiteral("Zły format liczby całkowitej.");
const QString kSmallRange = QStringLiteral("Tylko liczby dodatnie. Max. 32767.");
const QString kIntegerFormat = QStringLiteral("Zły format liczby całkowitej. Max. 2147483647.");
const QString kFloatFormat = QStringLiteral("Zły format liczby rzeczywistej. Max. 3.4 x 10^38.");
const QString kNumberFormat = QStringLiteral("Zły format liczby.");
const QString kDateFormat = QStringLiteral("Zły format daty.");
const QString kTimeFormat = QStringLiteral("Zły format czasu.");

// The field types of RDB$FIELDS.RDB$FIELD_TYPE.
enum FieldType {
    kSmallInt = 7,
    kInteger = 8,
    kFloat = 10,
    kDate = 12,
    kTime = 13,
    kChar = 14,
    kBigInt = 16,
    kDouble = 27,
    kTimestamp = 35,
    kVarchar = 37,
    kBlob = 261,
};
constexpr int kOctets = 1;  // RDB$CHARACTER_SET_ID of OCTETS

ColumnType::Kind wholeKind(int fieldType) {
    switch (fieldType) {
    case kSmallInt: return ColumnType::Kind::SmallInt;
    case kInteger: return ColumnType::Kind::Integer;
    default: return ColumnType::Kind::BigInt;
    }
}

ColumnType typeOf(const QString& name, int fieldType, int subType, int length, int scale, int charset) {
    ColumnType t;
    t.name = name;
    switch (fieldType) {
    case kSmallInt:
    case kInteger:
    case kBigInt:
        if (scale < 0 || subType == 1 || subType == 2) {
            t.kind = ColumnType::Kind::Numeric;
            t.scale = -scale;
            t.storage = wholeKind(fieldType);
        } else {
            t.kind = wholeKind(fieldType);
        }
        break;
    case kFloat: t.kind = ColumnType::Kind::Float; break;
    case kDouble: t.kind = ColumnType::Kind::Double; break;
    case kDate: t.kind = ColumnType::Kind::Date; break;
    case kTime: t.kind = ColumnType::Kind::Time; break;
    case kTimestamp: t.kind = ColumnType::Kind::Timestamp; break;
    case kChar:
    case kVarchar:
        t.kind = ColumnType::Kind::Text;
        t.length = length;
        t.octets = charset == kOctets;
        break;
    case kBlob:
        t.kind = subType == 1 ? ColumnType::Kind::TextBlob : ColumnType::Kind::Blob;
        t.octets = charset == kOctets;
        break;
    default: t.kind = ColumnType::Kind::Other; break;
    }
    return t;
}

bool isText(const QVariant& v) { return v.metaType().id() == QMetaType::QString; }

bool isNumber(const QVariant& v) {
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

bool isWholeType(const QVariant& v) {
    return isNumber(v) && v.metaType().id() != QMetaType::Double && v.metaType().id() != QMetaType::Float;
}

enum class Whole { NotWhole, OutOfRange, Ok };

// A whole number: a whole number variant, a double without a fraction, or a text of
// digits with an optional sign (surrounding blanks ignored).
Whole readWhole(const QVariant& v, qint64& out) {
    if (isWholeType(v)) {
        if (v.metaType().id() == QMetaType::ULongLong || v.metaType().id() == QMetaType::ULong) {
            const quint64 u = v.toULongLong();
            if (u > quint64(std::numeric_limits<qint64>::max())) return Whole::OutOfRange;
            out = qint64(u);
            return Whole::Ok;
        }
        out = v.toLongLong();
        return Whole::Ok;
    }
    if (isNumber(v)) {
        const double d = v.toDouble();
        if (!std::isfinite(d) || d != std::trunc(d)) return Whole::NotWhole;
        if (std::fabs(d) >= 9.2e18) return Whole::OutOfRange;
        out = qint64(d);
        return Whole::Ok;
    }
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    const QString t = v.toString().trimmed();
    if (!digits.match(t).hasMatch()) return Whole::NotWhole;
    bool ok = false;
    out = t.toLongLong(&ok, 10);
    return ok ? Whole::Ok : Whole::OutOfRange;
}

// A finite number: a number variant, or a text with "." or "," as the decimal
// separator (surrounding blanks ignored).
bool readReal(const QVariant& v, double& out) {
    if (isNumber(v)) {
        out = v.toDouble();
        return std::isfinite(out);
    }
    return readDecimalText(v.toString(), out);
}

// The largest whole number a NUMERIC's storage holds.
double storageMax(ColumnType::Kind storage) {
    switch (storage) {
    case ColumnType::Kind::SmallInt: return 32767.0;
    case ColumnType::Kind::Integer: return 2147483647.0;
    default: return 9.2e18;  // below 2^63, so that the scaled value converts safely
    }
}

QDate readDate(const QVariant& v) {
    if (v.metaType().id() == QMetaType::QDate) return v.toDate();
    if (v.metaType().id() == QMetaType::QDateTime) {
        const QDateTime dt = v.toDateTime();
        return dt.isValid() && dt.time() == QTime(0, 0) ? dt.date() : QDate();
    }
    const QString t = v.toString();
    const QDate d = Formats::parseDate(t);
    if (d.isValid()) return d;
    const QDateTime dt = Formats::parseDateTime(t);  // a date with a midnight time
    return dt.isValid() && dt.time() == QTime(0, 0) ? dt.date() : QDate();
}

QDateTime readDateTime(const QVariant& v) {
    if (v.metaType().id() == QMetaType::QDateTime) return v.toDateTime();
    if (v.metaType().id() == QMetaType::QDate) {
        const QDate d = v.toDate();
        return d.isValid() ? QDateTime(d, QTime(0, 0)) : QDateTime();
    }
    return Formats::parseDateTime(v.toString());
}

QTime readTime(const QVariant& v) {
    return v.metaType().id() == QMetaType::QTime ? v.toTime() : Formats::parseTime(v.toString());
}

bool isIdentifier(const QString& name) {
    static const QRegularExpression id(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return id.match(name).hasMatch();
}

} // namespace

bool readDecimalText(const QString& text, double& out) {
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    static const QRegularExpression number(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    if (!number.match(t).hasMatch()) return false;
    bool ok = false;
    out = QLocale::c().toDouble(t, &ok);
    return ok && std::isfinite(out);
}

const QHash<QString, ColumnType>& ColumnTypes::columns(const QString& table) {
    if (m_database != m_c.databaseName()) {
        m_tables.clear();
        m_database = m_c.databaseName();
    }
    const QString key = table.trimmed().toUpper();
    const auto it = m_tables.find(key);
    if (it != m_tables.end()) return it->second;

    static const QString sql = QStringLiteral(
        "SELECT RF.RDB$FIELD_NAME, F.RDB$FIELD_TYPE, F.RDB$FIELD_SUB_TYPE, "
        "COALESCE(F.RDB$CHARACTER_LENGTH, F.RDB$FIELD_LENGTH), F.RDB$FIELD_SCALE, F.RDB$CHARACTER_SET_ID "
        "FROM RDB$RELATION_FIELDS RF JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = RF.RDB$FIELD_SOURCE "
        "WHERE RF.RDB$RELATION_NAME = :Tabela");
    QHash<QString, ColumnType> cols;
    QSqlQuery q = m_c.run(sql, Params{{"Tabela", key}});
    while (q.next()) {
        const QString name = q.value(0).toString().trimmed();
        cols.insert(name.toUpper(), typeOf(name, q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt(),
                                           q.value(4).toInt(), q.value(5).toInt()));
    }
    Connection::checkFetched(q, sql);
    if (cols.isEmpty()) throw DbError(QStringLiteral("Tabela %1 nie istnieje w bazie danych.").arg(table));
    return m_tables.emplace(key, std::move(cols)).first->second;
}

const ColumnType* ColumnTypes::column(const QString& table, const QString& column) {
    const QHash<QString, ColumnType>& cols = columns(table);
    const auto it = cols.constFind(column.trimmed().toUpper());
    return it == cols.constEnd() ? nullptr : &*it;
}

QList<BoundValue> ColumnTypes::convert(const QString& table, const RowValues& values) {
    const QString name = table.trimmed().toUpper();
    QList<BoundValue> out;
    out.reserve(values.size());
    for (const ColumnValue& v : values) {
        const ColumnType* type = column(name, v.column);
        if (!type) throw DbError(QStringLiteral("Tabela %1 nie ma kolumny %2.").arg(name, v.column));
        const QString param = v.param.isEmpty() ? type->name : v.param;
        if (!isIdentifier(param))
            throw DbError(QStringLiteral("Niepoprawna nazwa parametru kolumny %1: %2").arg(v.column, param));
        out << BoundValue{type->name, param, convert(*type, v.value, name, v.column), v.blob};
    }
    return out;
}

QVariant ColumnTypes::convert(const ColumnType& type, const QVariant& value, const QString& table,
                              const QString& column) {
    using Kind = ColumnType::Kind;
    auto refuse = [&](const QString& reason) { return ValueRefused(table, column, reason); };
    if (!value.isValid() || value.isNull()) return QVariant();
    const bool textColumn = type.kind == Kind::Text || type.kind == Kind::TextBlob;
    if (isText(value)) {
        const QString t = value.toString();
        if (t.isEmpty() || (!textColumn && t.trimmed().isEmpty())) return QVariant();
    }
    switch (type.kind) {
    case Kind::SmallInt: {
        qint64 n = 0;
        const Whole w = readWhole(value, n);
        if (w == Whole::NotWhole) throw refuse(kWholeFormat);
        if (w == Whole::OutOfRange || n < -32768 || n > 32767) throw refuse(kSmallRange);
        return QVariant(int(n));
    }
    case Kind::Integer: {
        qint64 n = 0;
        if (readWhole(value, n) != Whole::Ok || n < std::numeric_limits<qint32>::min() ||
            n > std::numeric_limits<qint32>::max())
            throw refuse(kIntegerFormat);
        return QVariant(int(n));
    }
    case Kind::BigInt: {
        qint64 n = 0;
        if (readWhole(value, n) != Whole::Ok) throw refuse(kNumberFormat);
        return QVariant(qlonglong(n));
    }
    case Kind::Float: {
        double d = 0;
        if (!readReal(value, d) || std::fabs(d) > double(FLT_MAX)) throw refuse(kFloatFormat);
        return QVariant(d);
    }
    case Kind::Double: {
        double d = 0;
        if (!readReal(value, d)) throw refuse(kNumberFormat);
        return QVariant(d);
    }
    case Kind::Numeric: {
        double d = 0;
        if (!readReal(value, d) || std::floor(std::fabs(d) * std::pow(10.0, type.scale) + 0.5) > storageMax(type.storage))
            throw refuse(kNumberFormat);
        return QVariant(d);
    }
    case Kind::Date: {
        const QDate d = readDate(value);
        if (!d.isValid()) throw refuse(kDateFormat);
        return QVariant(d);
    }
    case Kind::Timestamp: {
        const QDateTime dt = readDateTime(value);
        if (!dt.isValid()) throw refuse(kDateFormat);
        return QVariant(dt);
    }
    case Kind::Time: {
        const QTime t = readTime(value);
        if (!t.isValid()) throw refuse(kTimeFormat);
        return QVariant(t);
    }
    case Kind::Text:
    case Kind::TextBlob: {
        if (type.octets) return value;
        // Texts are stored with CR LF line breaks; the limits count stored characters.
        const QString t = memo::toStored(value.toString());
        const QString bad = win1250::unsupported(t);
        if (!bad.isEmpty()) throw refuse(QStringLiteral("Znaki spoza strony kodowej Windows-1250: ") + bad);
        if (type.kind == Kind::Text && t.size() > type.length)
            throw refuse(QStringLiteral("Za długi tekst. Max. %1 znaków.").arg(type.length));
        return QVariant(t);
    }
    case Kind::Blob:
    case Kind::Other:
        return value;
    }
    return value;
}

} // namespace zort
