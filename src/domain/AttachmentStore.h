#pragma once
#include "db/ColumnTypes.h"
#include "db/RecordValues.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace zort {

class Connection;

// The rows of the attachments of a document: own attachments (SKWZALACZNIKI, whose
// number is its key within the owner), hearings and orders (SKWPRZESLUCHANIE,
// SKWPOLECENIE: a table-wide key ID and a number NUMER), and the tables of other
// windows built the same way. An owner is the pair of the rows' IDWYPADKU and
// IDPROTOKOLU. Every value is bound; nothing typed is pasted into a statement.
class AttachmentStore {
public:
    explicit AttachmentStore(Connection& c);

    // A table whose numbers count in an owner's sequence and its number column.
    struct NumberSource {
        QString table;
        QString numberColumn;
    };
    // Own attachments, hearings and orders of a document.
    static const QList<NumberSource>& documentSources();

    // The next attachment number of an owner: the largest number over the sources,
    // plus 1; 1 for an owner without attachments.
    int nextNumber(const QList<NumberSource>& sources, int accident, int protocol);

    // A new own attachment with the next number (its key); returns the number.
    int addOwnAttachment(int accident, int protocol);
    // A new row of a table keyed by a table-wide ID (the largest ID plus 1) with the
    // owner, the next number and TYP -1 when `typed`; returns the new ID. The key and
    // the number are drawn under the table's number lock.
    int addKeyedRow(const QString& table, const QList<NumberSource>& sources, int accident, int protocol,
                    bool typed = true);
    int addHearing(int accident, int protocol);
    int addOrder(int accident, int protocol);
    // A new row of a table whose number is its key (the own attachments' way) for
    // another table; returns the number.
    int addNumberedRow(const QString& table, const QList<NumberSource>& sources, int accident, int protocol);

    void deleteOwnAttachment(int id, int accident, int protocol);
    void deleteHearing(int id);
    void deleteOrder(int id);
    // The row of a table named by its key columns and values, in the same order.
    void deleteRow(const QString& table, const QStringList& keyColumns, const QVariantList& key);

    // One row's new values: the row is named by its key columns and their values.
    struct RowUpdate {
        QString table;
        QStringList keyColumns;
        QVariantList key;
        RowValues values;
    };
    // A row that was not written: its index in the rows given, and why (the column of
    // a refused value, empty for a database error).
    struct RowFailure {
        int index = -1;
        QString column;
        QString reason;
    };
    // Writes each row in a transaction of its own. A row with a value its column
    // refuses, or whose UPDATE the database rejects or that changes no row, is left as
    // it was and named in the result; the other rows are written.
    QList<RowFailure> save(const QList<RowUpdate>& rows);

    // The type of a table's column (nullptr when it has none).
    const ColumnType* column(const QString& table, const QString& column) { return m_types.column(table, column); }

    // The statements, with their parameters.
    static QString maxNumberSql(const NumberSource& source);  // :IdWypadku, :IdProtokolu
    static QString updateSql(const QString& table, const QString& setList, const QStringList& keyColumns);

private:
    Connection& m_c;
    ColumnTypes& m_types;  // the connection's
};

} // namespace zort
