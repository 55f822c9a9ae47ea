#pragma once
#include "domain/Dictionaries.h"

#include <QString>
#include <vector>

class QComboBox;
class QLineEdit;

namespace zort {

class Dataset;

// Makes the entries the items of a combo box (nothing else stays), every entry with
// its object, and no item selected afterwards.
void setComboEntries(QComboBox* combo, std::vector<DictEntry> entries);
// The object of an item (none for a plain item or an index outside the list).
DictObject comboObject(const QComboBox* combo, int index);

// Reads the dictionary into the dataset (which keeps the rows and their order for
// the list picker) and fills the combo box with one entry per row of the kind. Kind
// 2 reads the persons (restricted to the visible structure for a user with
// AOsobWysw 0; the order is the source's). The dataset ends on its first row; the
// combo box has no selection. A database error propagates; the combo box is empty
// then.
void FillCombo(Dataset* query, QComboBox* combo, const DictSource& source);
// The same with a table name and no condition.
void FillCombo(Dataset* query, QComboBox* combo, const QString& order, const QString& table, int kind);
// The person list of the variant for uniformed services (kind 2 entries).
void FillPersonCombo(Dataset* query, QComboBox* combo, const QString& order);

// Enables or disables the combo box, clears its selection and selects the first
// entry that matches the edit's text by the rule (comboEntryMatches). Never runs the
// combo box's reaction to a choice (that reacts to the user's choice only).
void SelectComboEntry(const QLineEdit* edit, QComboBox* combo, bool enabled, int rule);

} // namespace zort
