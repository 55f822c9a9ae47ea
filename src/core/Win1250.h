#pragma once
#include <QByteArray>
#include <QString>

namespace zort::win1250 {

// The Windows-1250 code page, the character set of the shared database and of the
// suite's INI files. Qt has no converter for it without ICU, so the table is ours.

// Encodes a text; characters the code page lacks become '?' (see unsupported()).
QByteArray encode(const QString& text);
// Decodes bytes; the five unassigned bytes decode to U+FFFD.
QString decode(const QByteArray& bytes);
// True when the character has a Windows-1250 byte.
bool canEncode(QChar c);
// The distinct characters of the text that Windows-1250 cannot hold, in order.
QString unsupported(const QString& text);
// The byte of a character, or -1.
int byteOf(QChar c);
// The character of a byte; U+0000 for an unassigned byte.
QChar charOf(unsigned char b);

} // namespace zort::win1250
