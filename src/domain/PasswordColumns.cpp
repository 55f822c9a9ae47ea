#include "domain/PasswordColumns.h"

#include "db/Dataset.h"
#include "db/Params.h"
#include "core/Password.h"

#include <algorithm>

namespace zort {

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
    for (int i = 1; i <= kMaxPasswordLength; ++i)
        out += QStringLiteral(", ASCII_VAL(SUBSTRING(%1 FROM %2 FOR 1))").arg(column).arg(i);
    return out;
}

QByteArray passwordFromColumns(const Dataset& row, int firstColumn) {
    const int len = int(std::clamp<qint64>(row.field(firstColumn).asInt(), 0, kMaxPasswordLength));
    QByteArray out(len, '\0');
    for (int i = 0; i < len; ++i) out[i] = char(row.field(firstColumn + 1 + i).asInt());
    return out;
}

} // namespace zort
