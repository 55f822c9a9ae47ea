#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariant>

namespace zort {

// One value of a row (read from the database or computed), with the conversions the windows need.
class Field {
public:
    Field() = default;
    explicit Field(QVariant v) : m_v(std::move(v)) {}
    bool isNull() const { return m_v.isNull() || !m_v.isValid(); }
    const QVariant& variant() const { return m_v; }
    // Text (text blobs decoded); null gives "".
    QString asString() const;
    // Text without trailing blanks (fixed-width columns come back padded).
    QString asTrimmed() const;
    // Integer; null and texts that are not numbers give 0.
    qint64 asInt() const;
    double asFloat() const;
    // Date-time; null and the zero date give an invalid date-time.
    QDateTime asDateTime() const;
    bool isNoDate() const;

private:
    QVariant m_v;
};

} // namespace zort
