#pragma once
#include <QByteArray>
#include <QString>

namespace zort {

// The suite's reversible password encoding: the Windows-1250 byte of the character at
// position i (1 to 10) is shifted by the offset of that position, modulo 256. The
// result is a byte string, stored as such (APRAWADOSTEPU.HASLO is an octet column).
QByteArray EncodePassword(const QString& plain);
inline constexpr int kMaxPasswordLength = 10;
QString DecodePassword(const QByteArray& encoded);

} // namespace zort
