#include "register/DictionaryCombos.h"

#include "admin/AdmSettings.h"
#include "app/Session.h"
#include "data/DataModForm.h"
#include "data/Dataset.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStandardItemModel>

namespace zort {
namespace {

constexpr int kObjectRole = Qt::UserRole + 1;

// Reads a dataset for a combo box: the combo box is emptied first, so that it stays
// empty when the database refuses the statement.
void readInto(Dataset* query, QComboBox* combo, const QString& sql, const Params& params, int kind) {
    setComboEntries(combo, {});
    query->close();
    query->setSql(sql);
    query->setParams(params);
    query->open();
    setComboEntries(combo, comboEntries(*query, kind));
    query->first();
}

// The persons of the restricted list are those employed on the reference date.
Params personParams() {
    Params p;
    const TDataModForm* d = dataMod();
    p.setDateTime(QStringLiteral("nowdata"), d ? d->referenceDate : QDateTime());
    return p;
}

// The visible-structure table of a restricted user; empty when it is not built.
QString restrictionTable() {
    const TDataModForm* d = dataMod();
    return d ? d->structureTable : QString();
}

// Reads the persons: for a restricted user the persons of the visible structure,
// nobody while that structure's table is not built.
void readPersons(Dataset* query, QComboBox* combo, const std::function<QString(const QString& table)>& sql) {
    const bool restricted = personsRestricted();
    const QString table = restricted ? restrictionTable() : QString();
    if (restricted && table.isEmpty()) {
        setComboEntries(combo, {});
        query->close();
        return;
    }
    readInto(query, combo, sql(table), personParams(), 2);
}

} // namespace

void setComboEntries(QComboBox* combo, const std::vector<DictEntry>& entries) {
    const QSignalBlocker block(combo);
    combo->clear();
    if (!entries.empty()) {
        // One insertion for the whole list: a long list (thousands of occupations)
        // is not laid out item by item.
        QList<QStandardItem*> items;
        items.reserve(qsizetype(entries.size()));
        for (const DictEntry& e : entries) {
            auto* item = new QStandardItem(e.text);
            item->setData(QVariant::fromValue(e.object), kObjectRole);
            item->setEditable(false);
            items << item;
        }
        if (auto* model = qobject_cast<QStandardItemModel*>(combo->model())) model->invisibleRootItem()->appendRows(items);
    }
    combo->setCurrentIndex(-1);
}

DictObject comboObject(const QComboBox* combo, int index) {
    if (index < 0 || index >= combo->count()) return {};
    const QVariant v = combo->itemData(index, kObjectRole);
    return v.canConvert<DictObject>() ? v.value<DictObject>() : DictObject{};
}

bool personsRestricted() { return Session::loggedIn() && Session::rights().AOsobWysw == 0; }

void FillCombo(Dataset* query, QComboBox* combo, const DictSource& source) {
    if (source.kind != 2) {
        readInto(query, combo, comboSql(source), source.params, source.kind);
        return;
    }
    readPersons(query, combo, [&source](const QString& table) { return personListSql(source.order, table); });
}

void FillCombo(Dataset* query, QComboBox* combo, const QString& order, const QString& table, int kind) {
    DictSource s;
    s.table = table;
    s.order = order;
    s.kind = kind;
    FillCombo(query, combo, s);
}

void FillPersonCombo(Dataset* query, QComboBox* combo, const QString& order) {
    readPersons(query, combo,
                [&order](const QString& table) { return policePersonListSql(order, table, admSettings().allTypPrac); });
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
