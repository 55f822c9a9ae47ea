#include "app/Password.h"

#include "data/Dataset.h"
#include "data/Params.h"
#include "data/Win1250.h"

#include <algorithm>
#include <array>

namespace zort {
namespace {

// One offset per position of the password (passwords have at most 10 characters).
// The octet column pads with the byte 0 when it compares, so "abc" equals "abc\0":
// each offset sends to 0 only a byte that no password can hold (a control
// character or a byte Windows-1250 leaves unassigned), never a printable one.
constexpr std::array<qint16, 10> kOffsets = {-19, 127, -5, 104, -28, -127, -11, 120, -23, 125};
constexpr int kMaxLength = kMaxPasswordLength;

int offsetAt(qsizetype i) { return kOffsets[size_t(i % kMaxLength)]; }

} // namespace

QByteArray EncodePassword(const QString& plain) {
    const QByteArray bytes = win1250::encode(plain);
    QByteArray out(bytes.size(), '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = char((static_cast<unsigned char>(bytes[i]) + offsetAt(i) + 256) % 256);
    return out;
}

QString DecodePassword(const QByteArray& encoded) {
    QByteArray bytes(encoded.size(), '\0');
    for (qsizetype i = 0; i < encoded.size(); ++i)
        bytes[i] = char((static_cast<unsigned char>(encoded[i]) - offsetAt(i) + 512) % 256);
    return win1250::decode(bytes);
}

QString passwordExpression(const QByteArray& encoded, Params& params, const QString& prefix) {
    if (encoded.isEmpty()) return QStringLiteral("CAST('' AS VARCHAR(1) CHARACTER SET OCTETS)");
    QString expr;
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        const QString name = prefix + QString::number(i + 1);
        params.set(name, int(static_cast<unsigned char>(encoded[i])));
        if (!expr.isEmpty()) expr += QStringLiteral("||");
        expr += QStringLiteral("ASCII_CHAR(:") + name + QLatin1Char(')');
    }
    return QStringLiteral("CAST(") + expr + QStringLiteral(" AS VARCHAR(10) CHARACTER SET OCTETS)");
}

QString passwordColumns(const QString& column) {
    QString out = QStringLiteral("OCTET_LENGTH(%1)").arg(column);
    for (int i = 1; i <= kMaxLength; ++i)
        out += QStringLiteral(", ASCII_VAL(SUBSTRING(%1 FROM %2 FOR 1))").arg(column).arg(i);
    return out;
}

QByteArray passwordFromColumns(const Dataset& row, int firstColumn) {
    const int len = int(std::clamp<qint64>(row.field(firstColumn).asInt(), 0, kMaxLength));
    QByteArray out(len, '\0');
    for (int i = 0; i < len; ++i) out[i] = char(row.field(firstColumn + 1 + i).asInt());
    return out;
}

} // namespace zort
