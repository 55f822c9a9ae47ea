#pragma once
#include <QString>

namespace zort::memo {

// Memos are stored with CR LF line ends; the text widgets work with LF alone.

// The text as a memo column stores it: every line break becomes CR LF.
QString toStored(const QString& text);
// The stored text as a widget shows it: CR LF, a reversed LF CR and a lone CR
// each become one LF.
QString fromStored(const QString& stored);

} // namespace zort::memo
