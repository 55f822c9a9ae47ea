#pragma once
#include "core/Error.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

namespace zort {

class Dataset;

// A table model over a dataset, for the lists of the windows: chosen columns with
// their headings, values shown as the program shows them (dates in the short date
// format, floating point with two decimals), an optional colour per row. It follows
// the dataset: opening, closing, removing rows and moving refresh it. Columns marked
// editable are edited in place and written through the dataset (edit, setValue,
// post) while the model allows editing. A write that fails (a value the column
// cannot take, a row deleted meanwhile, a database error) stays pending in the
// dataset, its cell shows the typed value, and writeFailed() hands the error to the
// view's layer to show.
class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString field;
        QString heading;
        std::function<QString(const QVariant&)> format;  // optional
        bool editable = false;  // written through the dataset when editing is allowed
    };

    DatasetModel(Dataset* dataset, std::vector<Column> columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    // A dataset that reads its rows on demand gives them to the view as it scrolls.
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // Whether the editable columns may be edited (off: the whole list is read only).
    void setEditingAllowed(bool on) { m_editingAllowed = on; }
    bool editingAllowed() const { return m_editingAllowed; }
    bool isEditable(int column) const;

    // A text colour per row (an invalid colour: the default).
    void setRowColour(std::function<QColor(const Dataset&, int row)> fn) { m_colour = std::move(fn); }
    Dataset* dataset() const { return m_dataset; }
    const std::vector<Column>& columns() const { return m_columns; }
    // The text a cell shows.
    QString text(int row, int column) const;

    static QString defaultText(const QVariant& v);

signals:
    // An edited cell could not be written; the edit stays pending in the dataset.
    void writeFailed(const zort::Error& error);
    // Rows asked for by the view could not be read.
    void fetchFailed(const zort::Error& error);

public slots:
    void reload();

private:
    QPointer<Dataset> m_dataset;
    std::vector<Column> m_columns;
    std::function<QColor(const Dataset&, int)> m_colour;
    bool m_editingAllowed = true;
};

} // namespace zort
