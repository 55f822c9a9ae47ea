#pragma once
#include <QByteArray>
#include <QString>

namespace zort {

class Params;
class Dataset;

// SQL for the encoded bytes: an expression of bound byte values, usable wherever the
// statement needs the encoded password (":haslo" of the suite's statements).
QString passwordExpression(const QByteArray& encoded, Params& params, const QString& prefix = QStringLiteral("haslo"));
// Select-list items that read an octet column back as its length and its ten bytes;
// pass the row's values (from the first of them) to passwordFromColumns.
QString passwordColumns(const QString& column);
QByteArray passwordFromColumns(const Dataset& row, int firstColumn);

} // namespace zort
