#include "ui/DictionaryCombos.h"

#include "core/AdmSettings.h"
#include "domain/DataModForm.h"
#include "db/Dataset.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <optional>

namespace zort {
namespace {

constexpr int kObjectRole = Qt::UserRole + 1;

// An entry of a dictionary list: its text and object kept as members and answered
// from data(), where a plain item stores each role as a value of its own (three
// value changes an item, most of the cost of filling a list of thousands).
class DictItem : public QStandardItem {
public:
    explicit DictItem(DictEntry&& e) : m_text(std::move(e.text)), m_object(std::move(e.object)) {}
    static constexpr int kType = UserType + 1;
    // Takes another entry without telling the model (the caller tells it once for
    // all the entries it changed).
    void assign(DictEntry&& e) {
        m_text = std::move(e.text);
        m_object = std::move(e.object);
    }
    QVariant data(int role) const override {
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: return m_text;
        case kObjectRole: return QVariant::fromValue(m_object);
        case kFlagsRole: return m_flags ? QVariant(*m_flags) : QVariant(int(kFlags));
        default: return QStandardItem::data(role);
        }
    }
    void setData(const QVariant& value, int role) override {
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: m_text = value.toString(); break;
        case kObjectRole: m_object = value.value<DictObject>(); break;
        case kFlagsRole:
            if (value.isValid()) m_flags = value.toInt();
            else m_flags.reset();
            break;
        default: QStandardItem::setData(value, role); return;
        }
        emitDataChanged();
    }
    QStandardItem* clone() const override { return new DictItem(*this); }
    int type() const override { return kType; }

private:
    // Where QStandardItem keeps its flags; a list entry is selectable, not editable.
    static constexpr int kFlagsRole = Qt::UserRole - 1;
    static constexpr Qt::ItemFlags kFlags =
        Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    DictItem(const DictItem& other) = default;
    QString m_text;
    DictObject m_object;
    std::optional<int> m_flags;
};

// Reads a dataset for a combo box: the combo box is emptied first, so that it stays
// empty when the database refuses the statement.
void readInto(Dataset* query, QComboBox* combo, const QString& sql, const Params& params, int kind) {
    try {
        query->close();
        query->setSql(sql);
        query->setParams(params);
        query->open();
    } catch (...) {
        // The list stays empty when the database refuses the statement.
        setComboEntries(combo, {});
        throw;
    }
    setComboEntries(combo, comboEntries(*query, kind));
    query->first();
}

// The person lists of the user: restricted to the visible structure when the user's
// are (then with the reference date, and nobody while that structure's table is not
// built).
void readPersons(Dataset* query, QComboBox* combo, const QString& sql) {
    const TDataModForm* d = dataMod();
    readInto(query, combo, sql, d ? d->personListParams() : Params{}, 2);
}

} // namespace

void setComboEntries(QComboBox* combo, std::vector<DictEntry> entries) {
    const QSignalBlocker block(combo);
    auto* model = qobject_cast<QStandardItemModel*>(combo->model());
    if (!model) {
        combo->clear();
        for (DictEntry& e : entries) combo->addItem(e.text, QVariant::fromValue(e.object));
        combo->setCurrentIndex(-1);
        return;
    }
    // A list read again keeps its entries' items and gives them the new texts and
    // objects; only the rows it gains or loses are made or removed.
    QStandardItem* root = model->invisibleRootItem();
    int kept = 0;
    while (kept < root->rowCount() && size_t(kept) < entries.size() && root->child(kept)->type() == DictItem::kType)
        ++kept;
    if (root->rowCount() > kept) model->removeRows(kept, root->rowCount() - kept);
    for (int i = 0; i < kept; ++i) static_cast<DictItem*>(root->child(i))->assign(std::move(entries[size_t(i)]));
    if (kept > 0) emit model->dataChanged(model->index(0, 0), model->index(kept - 1, 0));
    if (entries.size() > size_t(kept)) {
        // One insertion for the rest: a long list (thousands of occupations) is not
        // laid out item by item.
        QList<QStandardItem*> items;
        items.reserve(qsizetype(entries.size()) - kept);
        for (size_t i = size_t(kept); i < entries.size(); ++i) items << new DictItem(std::move(entries[i]));
        root->appendRows(items);
    }
    combo->setCurrentIndex(-1);
}

DictObject comboObject(const QComboBox* combo, int index) {
    if (index < 0 || index >= combo->count()) return {};
    const QVariant v = combo->itemData(index, kObjectRole);
    return v.canConvert<DictObject>() ? v.value<DictObject>() : DictObject{};
}

void FillCombo(Dataset* query, QComboBox* combo, const DictSource& source) {
    if (source.kind != 2) {
        readInto(query, combo, comboSql(source), source.params, source.kind);
        return;
    }
    const TDataModForm* d = dataMod();
    readPersons(query, combo, d ? d->personListSql(source.order, source.table) : PersonListSql(source.table, source.order, {}));
}

void FillCombo(Dataset* query, QComboBox* combo, const QString& order, const QString& table, int kind) {
    DictSource s;
    s.table = table;
    s.order = order;
    s.kind = kind;
    FillCombo(query, combo, s);
}

void FillPersonCombo(Dataset* query, QComboBox* combo, const QString& order) {
    const TDataModForm* d = dataMod();
    const bool restricted = TDataModForm::personsRestricted();
    // Restricted without the visible-structure table: nobody.
    const QString table = restricted && d ? d->structureTable() : QString();
    if (restricted && table.isEmpty()) {
        setComboEntries(combo, {});
        query->close();
        return;
    }
    readPersons(query, combo, policePersonListSql(order, table, admSettings().allTypPrac));
}

void SelectComboEntry(const QLineEdit* edit, QComboBox* combo, bool enabled, int rule) {
    combo->setEnabled(enabled);
    const QSignalBlocker block(combo);
    combo->setCurrentIndex(-1);
    const QString text = edit ? edit->text() : QString();
    for (int i = 0; i < combo->count(); ++i) {
        if (comboEntryMatches(comboObject(combo, i), text, rule)) {
            combo->setCurrentIndex(i);
            return;
        }
    }
}

} // namespace zort
