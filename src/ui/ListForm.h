#pragma once
#include "domain/Dictionaries.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QListWidget;

namespace zort {

class Dataset;

// The list picker of a dictionary: the caller fills the list (FillList), positions it
// on the code of its field (SelectListEntry) and shows it modally; a double click on
// an entry (or Enter) closes it with that choice, Escape or closing without a choice.
class TListForm : public QDialog {
    Q_OBJECT
public:
    explicit TListForm(QWidget* parent = nullptr);

    // Empties the list and adds one entry per row of the dataset (listEntries kinds).
    void FillList(const Dataset& query, int kind);
    // Clears the selection; when the edit holds a whole number, selects the first
    // entry that matches it by the rule (listEntryMatches).
    void SelectListEntry(const QLineEdit* edit, int rule);
    // Clears the selection and selects the first entry whose object matches (a code
    // that is no number, e.g. a disease number).
    void selectEntry(const std::function<bool(const DictObject&)>& matches);

    // Shows the list modally; true when the user chose an entry.
    bool choose(const QString& title = QString());

    int selectedIndex() const;
    DictObject selectedObject() const;
    QListWidget* list() const { return m_list; }

private:
    QListWidget* m_list;
};

// The list picker of the run (created at start-up, or on first use).
TListForm& listForm();

} // namespace zort
