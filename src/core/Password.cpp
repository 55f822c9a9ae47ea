#include "core/Password.h"

#include "core/Win1250.h"

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


} // namespace zort
