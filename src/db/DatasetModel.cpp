#include "db/DatasetModel.h"

#include "core/DateUtil.h"
#include "core/Formats.h"
#include "db/Dataset.h"

namespace zort {

DatasetModel::DatasetModel(Dataset* dataset, std::vector<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), m_dataset(dataset), m_columns(std::move(columns)) {
    connect(dataset, &Dataset::opened, this, &DatasetModel::reload);
    connect(dataset, &Dataset::closed, this, &DatasetModel::reload);
    connect(dataset, &Dataset::rowsRemoved, this, &DatasetModel::reload);
    // Rows read on demand or merged join the view; they never reset it.
    connect(dataset, &Dataset::rowsAboutToBeInserted, this,
            [this](int first, int last) { beginInsertRows(QModelIndex(), first, last); });
    connect(dataset, &Dataset::rowsInserted, this, [this]() { endInsertRows(); });
    connect(dataset, &Dataset::rowChanged, this, [this](int row) {
        if (row >= 0 && row < rowCount()) emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
    connect(dataset, &Dataset::posted, this, [this](int row) {
        if (row >= 0 && row < rowCount()) emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
}

bool DatasetModel::isEditable(int column) const {
    return m_editingAllowed && m_dataset && m_dataset->canModify() && column >= 0 &&
           column < int(m_columns.size()) && m_columns[size_t(column)].editable;
}

Qt::ItemFlags DatasetModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && isEditable(index.column())) f |= Qt::ItemIsEditable;
    return f;
}

bool DatasetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !isEditable(index.column()) || !m_dataset) return false;
    const Column& c = m_columns[size_t(index.column())];
    const QString typed = value.toString();
    if (typed == text(index.row(), index.column())) return false;
    // Another row's pending edit is given up; the same row's goes on with this value.
    const int pending = m_dataset->editedRow();
    auto repaint = [this](int row) {
        if (row >= 0) emit dataChanged(this->index(row, 0), this->index(row, columnCount() - 1));
    };
    try {
        if (pending != index.row()) {
            m_dataset->moveTo(index.row());
            m_dataset->edit();
            if (pending >= 0) repaint(pending);
        }
        m_dataset->setValue(c.field, typed.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(typed));
        m_dataset->post();
    } catch (const Error& e) {
        // Kept for another try: the cell shows what was typed.
        repaint(m_dataset->editedRow());
        emit writeFailed(e);
        return false;
    }
    return true;
}

bool DatasetModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && m_dataset && m_dataset->isOpen() && m_dataset->canFetchMore();
}

void DatasetModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent)) return;
    // A view asks from its event handling: a failure of the database is reported, not
    // thrown through it.
    try {
        m_dataset->fetchMore();
    } catch (const Error& e) {
        emit fetchFailed(e);
    }
}

void DatasetModel::reload() {
    beginResetModel();
    endResetModel();
}

int DatasetModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_dataset || !m_dataset->isOpen()) return 0;
    return m_dataset->recordCount();
}

int DatasetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QString DatasetModel::defaultText(const QVariant& v) {
    if (v.isNull() || !v.isValid()) return QString();
    switch (v.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(v.toDouble(), 'f', 2);
    case QMetaType::QDateTime:
    case QMetaType::QDate:
        return Formats::dateTime(dates::toDateTime(v));
    case QMetaType::QByteArray:
        return QString::fromUtf8(v.toByteArray());
    default:
        return v.toString();
    }
}

QString DatasetModel::text(int row, int column) const {
    if (!m_dataset || column < 0 || column >= int(m_columns.size())) return QString();
    const Column& c = m_columns[size_t(column)];
    const int idx = m_dataset->columnIndex(c.field);
    if (idx < 0) return QString();
    // The row being changed shows its pending values.
    const QVariant v = row == m_dataset->editedRow() ? m_dataset->editValue(c.field) : m_dataset->fieldAt(row, idx).variant();
    QString t = c.format ? c.format(v) : defaultText(v);
    // Fixed-width columns come back padded.
    while (t.endsWith(QLatin1Char(' '))) t.chop(1);
    return t;
}

QVariant DatasetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !m_dataset) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::AccessibleTextRole)
        return text(index.row(), index.column());
    if (role == Qt::ForegroundRole && m_colour) {
        const QColor c = m_colour(*m_dataset, index.row());
        if (c.isValid()) return c;
    }
    return {};
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal && section >= 0 && section < int(m_columns.size()))
        return m_columns[size_t(section)].heading;
    if (orientation == Qt::Vertical) return section + 1;
    return {};
}

} // namespace zort
