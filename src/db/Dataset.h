#pragma once
#include "core/Field.h"
#include "db/Connection.h"
#include "db/Params.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

class QSqlQuery;

namespace zort {

// A dataset: the rows of one SELECT held in memory, with a current row, locate,
// a prefix filter, calculated fields and a master it follows. Changes go through
// Connection::execute, or, for a dataset given the table it writes to, through
// edit()/append(), setValue() and post(). Opening reads all rows and ends the
// statement, so no transaction is left open behind it.
class Dataset : public QObject {
    Q_OBJECT
public:
    // A calculated field's function gets the dataset and the row being computed;
    // it reads that row's values with rowField().
    using CalcFn = std::function<QVariant(const Dataset&, int row)>;

    explicit Dataset(Connection* connection = nullptr, const QString& sql = QString(),
                     QObject* parent = nullptr);
    ~Dataset() override;

    void setConnection(Connection* c) { m_conn = c; }
    Connection* connection() const { return m_conn; }
    void setSql(const QString& sql) { m_sql = sql; }
    const QString& sql() const { return m_sql; }
    Params& params() { return m_params; }
    void setParams(const Params& p) { m_params = p; }
    void setParam(const QString& name, const QVariant& v) { m_params.set(name, v); }

    void open();
    void close();
    bool isOpen() const { return m_open; }
    // Reads the rows again and returns to the row with the same value of the key
    // column (when the dataset has it), else to the same position.
    void refresh(const QString& keyColumn = QStringLiteral("ID"));

    // --- Reading on demand ----------------------------------------------------------
    // With a block of n rows, open() reads the first n rows only and keeps the
    // statement for the rest, which fetchMore() reads when a view scrolls to them (and
    // locate(), find() and last() when they look for a row further on); 0, the
    // default, reads every row at once. recordCount() counts the rows read so far.
    // While rows are left, the statement's transaction stays open: rows deleted meanwhile
    // through removeRows() are skipped when they come, and the rows added through
    // mergeRows() are put in their place among them.
    void setFetchBlock(int rows) { m_fetchBlock = rows; }
    int fetchBlock() const { return m_fetchBlock; }
    bool canFetchMore() const { return m_cursor != nullptr || !m_pending.empty(); }
    // Reads up to `rows` more rows (the block when 0); returns how many were added.
    int fetchMore(int rows = 0);
    void fetchAll();
    // The visible row whose column equals the value, reading further rows while
    // none does and some are left; -1 when there is none.
    int find(const QString& column, const QVariant& value);
    // Reads the rows of a statement with the dataset's own columns (the dataset's
    // statement restricted to some keys) into the dataset without reading it again:
    // a row whose key column matches one held takes its new values, any other row
    // joins at its place in the order of orderColumns (compared as numbers). The
    // current row stays current. Calculated fields are computed for them.
    void mergeRows(const QString& sql, const Params& params, const QStringList& orderColumns,
                   const QString& keyColumn = QStringLiteral("ID"));

    // Rows visible through the filter.
    int recordCount() const { return int(m_visible.size()); }
    bool isEmpty() const { return m_visible.empty(); }
    int recNo() const { return m_pos; }   // -1 when empty
    bool eof() const { return m_eof; }
    void first();
    void next();
    void last();
    bool moveTo(int row);

    int columnCount() const { return int(m_columns.size()); }
    const QStringList& columns() const { return m_columns; }
    int columnIndex(const QString& name) const;
    // The column's index; throws when the dataset has no such column.
    int requireColumn(const QString& name) const;
    bool hasColumn(const QString& name) const { return columnIndex(name) >= 0; }
    // The column's type as the database declared it (Int, Double, QDateTime,
    // QString, QByteArray for blobs); unknown for calculated fields.
    QMetaType columnType(int column) const;
    QMetaType columnType(const QString& name) const { return columnType(columnIndex(name)); }

    Field field(const QString& name) const;
    Field field(int column) const;
    QVariant value(const QString& name) const { return field(name).variant(); }
    Field fieldAt(int row, const QString& name) const;
    Field fieldAt(int row, int column) const;
    // The stored value of a visible row's column, not copied (a null value out of
    // range): for walks over thousands of rows.
    const QVariant& valueAt(int row, int column) const;

    // Makes the first row whose column equals the value current; false (and no
    // move) when none does. Texts compare exactly, numbers by value.
    bool locate(const QString& column, const QVariant& value);
    // Shows only the rows whose column begins with the pattern up to its "*"
    // (the whole value must match when there is no "*"). Case-sensitive.
    void setPrefixFilter(const QString& column, const QString& pattern);
    void clearFilter();
    // Drops the rows whose column equals the value (those the filter hides too) from
    // memory, after they were deleted in the database: the dataset is not read
    // again. A removed current row gives way to the row after it, else the one
    // before, else none, and scrolled() follows; another current row stays current.
    // rowsRemoved() is emitted first when anything was removed. Returns the number
    // of rows removed. With unique (the column is a key) one row at most goes, found
    // without reading through a long list when it is at or near the current row.
    int removeRows(const QString& column, const QVariant& value, bool unique = false);

    // A field computed for every row when the dataset opens (and by recalculate()).
    void addCalculatedField(const QString& name, CalcFn fn);
    void recalculate();
    // A value of the row a calculated field is computed for (filtered or not).
    Field rowField(int row, const QString& name) const;

    // Follows a master: whenever the master's current row changes or the master is
    // reopened, the dataset is reopened with the parameter set to the master's
    // column. While the master's controls are disabled it waits, and follows when
    // they are enabled again.
    void setMaster(Dataset* master, const QString& masterColumn, const QString& paramName);

    // While disabled, moves emit no scrolled() (used while records are reloaded);
    // when the last disable ends and the current row changed or the dataset was
    // reopened meanwhile, scrolled() is emitted once.
    void disableControls() { ++m_disabled; }
    void enableControls();
    bool controlsDisabled() const { return m_disabled > 0; }

    // --- Editing --------------------------------------------------------------
    // The table the dataset's rows are written to and its key column; without a
    // table the dataset cannot be edited.
    void setUpdateTable(const QString& table, const QString& keyColumn = QStringLiteral("ID"));
    const QString& updateTable() const { return m_updateTable; }
    bool canModify() const { return !m_updateTable.isEmpty(); }
    enum class State { Browse, Edit, Insert };
    State state() const { return m_state; }
    // Begins changing the current row (throws without one), or a new row that joins
    // the dataset only when it is read again after post(). The row being changed
    // stays the one edit() began on, wherever the dataset moves meanwhile.
    void edit();
    void append();
    // The row being changed (Edit), -1 otherwise or when the filter hides it.
    int editedRow() const;
    // A value of the row being changed (the row's value until it is set).
    void setValue(const QString& column, const QVariant& value);
    QVariant editValue(const QString& column) const;
    // Writes the values set: an UPDATE of the changed columns of the row by its key,
    // or an INSERT of the new row; every value converted for its column as the
    // register's saves do (ColumnTypes::convert) and bound. A value that its column
    // cannot take throws ValueRefused before anything is written. The UPDATE must
    // change exactly the one row: when another workstation deleted it meanwhile,
    // DbError(recordGoneMessage()) is thrown. The dataset shows the written values
    // at once (a new row after it is read again). On any failure the state and the
    // values stay pending and the error is thrown.
    void post();
    // Forgets the values set.
    void cancel();
    // The declared length of a text column (0 when unknown).
    int columnLength(int column) const;

signals:
    // A change of a row was written (the row's index; -1 for a new row).
    void posted(int row);
    void opened();
    void closed();
    void rowsRemoved();  // removeRows() took rows out
    void scrolled();  // the current row changed
    // Visible rows first..last are about to join (read on demand, or merged), and
    // have joined.
    void rowsAboutToBeInserted(int first, int last);
    void rowsInserted();
    // The values of a visible row changed (mergeRows).
    void rowChanged(int row);

private:
    const QVector<QVariant>* currentRow() const;
    void setPos(int pos);
    void applyFilter();
    void computeRow(int raw);
    int rawIndex(int row) const { return m_visible[size_t(row)]; }
    void followMaster(bool reopened);
    void releaseCursor();
    // Whether a row passes the filter.
    bool passesFilter(const QVector<QVariant>& row) const;
    // Puts a complete row (query values and room for the calculated fields) at raw
    // index `at`, keeping the visible rows, the current and the edited row in step.
    void insertRaw(int at, QVector<QVariant> row);
    // Whether row a sorts before row b by the order columns.
    bool sortsBefore(const QVector<QVariant>& a, const QVector<QVariant>& b) const;
    // A row read from the statement: skipped when it was removed meanwhile.
    bool skipped(const QVector<QVariant>& row) const;

    Connection* m_conn = nullptr;
    QString m_sql;
    Params m_params;
    bool m_open = false;
    QStringList m_columns;
    mutable QHash<QString, int> m_columnCache;
    QList<QMetaType> m_types;
    int m_queryColumns = 0;
    std::vector<QVector<QVariant>> m_rows;
    std::vector<QVector<QVariant>> m_spent;   // closed rows, freed by the next reading
    std::vector<int> m_visible;
    int m_pos = -1;
    bool m_eof = true;
    QString m_filterColumn;
    QString m_filterPrefix;
    bool m_filterExact = false;
    std::vector<std::pair<QString, CalcFn>> m_calc;
    Dataset* m_master = nullptr;
    QString m_masterColumn;
    QString m_masterParam;
    bool m_masterStale = false;   // the master was reopened since this dataset followed it
    int m_disabled = 0;
    bool m_scrollPending = false;  // the row changed while controls were disabled
    QList<int> m_lengths;
    QString m_updateTable;
    QString m_keyColumn;
    State m_state = State::Browse;
    int m_editRaw = -1;  // the row being changed (Edit), an index of m_rows
    std::vector<std::pair<QString, QVariant>> m_edits;  // columns set, in order
    int m_fetchBlock = 0;
    std::unique_ptr<QSqlQuery> m_cursor;  // the rows still to be read
    std::vector<std::pair<int, QVariant>> m_skip;  // removed while rows were left: column, value
    std::vector<QVector<QVariant>> m_pending;       // merged rows whose place is not read yet
    std::vector<int> m_orderColumns;                // the order of merged rows
};

} // namespace zort
