#pragma once
#include "core/Error.h"
#include "db/RecordValues.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <map>

namespace zort {

class Connection;

// A value that its column cannot take; message() is the reason shown to the user.
class ValueRefused : public Error {
public:
    ValueRefused(const QString& table, const QString& column, const QString& reason)
        : Error(reason), m_table(table), m_column(column) {}
    const QString& table() const { return m_table; }
    // The column as the caller named it.
    const QString& column() const { return m_column; }
    const QString& reason() const { return message(); }

private:
    QString m_table;
    QString m_column;
};

// The type of one column as the database's metadata describes it.
struct ColumnType {
    enum class Kind { SmallInt, Integer, BigInt, Float, Double, Numeric, Date, Timestamp, Time, Text, TextBlob, Blob, Other };
    QString name;  // as the database spells it (upper case)
    Kind kind = Kind::Other;
    int length = 0;         // CHAR / VARCHAR: characters
    int scale = 0;          // NUMERIC / DECIMAL: digits after the point
    Kind storage = Kind::Other;  // NUMERIC / DECIMAL: the whole-number type that holds it
    bool octets = false;    // a text of the character set OCTETS (bytes, no code page)
};

// A decimal number as typed: a point or a comma as the separator, an exponent
// allowed, surrounding blanks ignored; false when the text is no finite number.
bool readDecimalText(const QString& text, double& out);

// A value converted for its column, ready to be bound under its parameter.
struct BoundValue {
    QString column;  // the column's name as the database spells it
    QString param;
    QVariant value;  // null: SQL null
    bool blob = false;
};

// The column types of the tables, read from the database's metadata once per table
// (and again after the connection was opened on another database), and the
// conversion of the values that entry pages give to what their columns hold. Nothing
// wraps and nothing is cut: a value that its column cannot take is refused.
class ColumnTypes {
public:
    explicit ColumnTypes(Connection& c) : m_c(c) {}

    // The columns of a table by upper-case name; a DbError when the table has none.
    // The references stay valid while the connection stays on its database.
    const QHash<QString, ColumnType>& columns(const QString& table);
    // nullptr when the table has no such column.
    const ColumnType* column(const QString& table, const QString& column);

    // Converts the values of a row of the table, in their order, or refuses the first
    // one that its column cannot take (ValueRefused, naming the table in upper case).
    // A column the table does not have, or a parameter name that is not a plain
    // identifier, is a DbError. Texts are given CR LF line breaks, as memos store them.
    QList<BoundValue> convert(const QString& table, const RowValues& values);
    // One value for a column; `table` and `column` only name a refusal.
    static QVariant convert(const ColumnType& type, const QVariant& value, const QString& table,
                            const QString& column);

private:
    Connection& m_c;
    QString m_database;
    std::map<QString, QHash<QString, ColumnType>> m_tables;  // nodes stay where they are
};

} // namespace zort
