#pragma once
#include <QByteArray>
#include <QString>

namespace zort {

class Params;

// The suite's reversible password encoding: the Windows-1250 byte of the character at
// position i (1 to 10) is shifted by the offset of that position, modulo 256. The
// result is a byte string, stored as such (APRAWADOSTEPU.HASLO is an octet column).
QByteArray EncodePassword(const QString& plain);
inline constexpr int kMaxPasswordLength = 10;
QString DecodePassword(const QByteArray& encoded);

// SQL for the encoded bytes: an expression of bound byte values, usable wherever the
// statement needs the encoded password (":haslo" of the suite's statements).
QString passwordExpression(const QByteArray& encoded, Params& params, const QString& prefix = QStringLiteral("haslo"));
// Select-list items that read an octet column back as its length and its ten bytes;
// pass the row's values (from the first of them) to passwordFromColumns.
QString passwordColumns(const QString& column);
class Dataset;
QByteArray passwordFromColumns(const Dataset& row, int firstColumn);

} // namespace zort
