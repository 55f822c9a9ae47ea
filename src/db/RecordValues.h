#pragma once
#include <QList>
#include <QString>
#include <QVariant>

namespace zort {

// One column's new value, as an entry page gives it to the store.
//
// For a typed field (an edit, a memo) `value` is the text as the user typed it; for
// a choice (a radio group's or combo box's stored number, a check box's "t"/"n") it
// is the final number or text. A null or invalid variant, or an empty text, writes
// SQL null. The store converts the text by the column's type in the database and
// refuses what the column cannot take (ColumnTypes, ValueRefused).
struct ColumnValue {
    QString column;
    QVariant value{};
    bool blob = false;  // a memo bound as a text blob
    QString param{};    // the parameter it is bound under; empty: the column's name
};

// The new values of one row, in the order of the entry page.
using RowValues = QList<ColumnValue>;

} // namespace zort
