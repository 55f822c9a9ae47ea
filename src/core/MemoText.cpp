#include "core/MemoText.h"

namespace zort::memo {

QString fromStored(const QString& stored) {
    QString s = stored;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

QString toStored(const QString& text) {
    QString s = fromStored(text);
    s.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return s;
}

} // namespace zort::memo
