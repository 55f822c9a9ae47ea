#pragma once
#include "db/RecordValues.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

class QLineEdit;
class QWidget;

namespace zort {

class Dataset;

// Entry windows bind their controls to table columns by the control's component
// name: a kind prefix, one selector character naming the row, and the column.
//
//   edit        "e"  selector 2nd character, column from the 3rd
//   memo        "m"  selector 2nd character, column from the 3rd without the memo's
//                    slot digits (how many depends on the window, see MemoSlots)
//   radio group "rg" selector 3rd character, column from the 4th (any two-letter
//                    prefix on a radio group: only the position counts)
//   combo box   "cb" selector 3rd character, column from the 4th
//   check box   "cb" selector 3rd character, column from the 4th
//
// Only controls of these kinds bind (a label named "eX" does not), and only with the
// selectors a window declares; "_" and unused selectors never bind.
enum class BoundKind { Edit, Memo, Radio, Combo, Check };

// How the names of memos end: with a two-digit slot ("00" to "99"), with one or two
// digits, with one digit, or with none (the whole rest is the column).
enum class MemoSlots { None, TwoDigits, OneOrTwoDigits, OneDigit };

struct BoundControl {
    QWidget* widget = nullptr;
    BoundKind kind = BoundKind::Edit;
    QChar selector;
    QString column;  // as written in the name; columns compare without case
    int slot = -1;   // the memo's slot number, -1 without
};

// `memoPrefix`: the first letter of the window's memo names ("m"; a window whose memos
// are named like edits, "epOkolicznosci01", declares "e").
std::optional<BoundControl> parseBoundControl(QWidget* widget, MemoSlots memoSlots, QChar memoPrefix = QLatin1Char('m'));

// What one selector means in a window.
struct SelectorRule {
    QChar selector;
    QString target;        // the row: e.g. "accident", "person"
    bool save = true;      // false: loaded only (read-only copies on other pages)
    int radioOffset = 0;   // stored value = item index + offset
    int comboOffset = 0;   // stored value = combo index + offset
    // Radio groups of these columns store the item index itself (no offset).
    QStringList indexColumns = {};
    // How the memos of this selector end, when not as the window's other memos.
    std::optional<MemoSlots> memoSlots = std::nullopt;
    // Only edits and memos bind with this selector (a combo or radio group named like
    // a field is a picker or a choice with a rule of its own).
    bool editsAndMemosOnly = false;
    // Controls of this selector that are named like fields but never bind (lists
    // that copy a person, choose a disease or an occupation).
    QStringList neverBound = {};

    int radioOffsetFor(const QString& column) const {
        return indexColumns.contains(column, Qt::CaseInsensitive) ? 0 : radioOffset;
    }
};

// The binding of one window: finds its bound controls, loads them from the current
// rows and collects their values for saving.
class FieldBinder {
public:
    FieldBinder(QWidget* root, MemoSlots memoSlots, std::vector<SelectorRule> rules,
                QChar memoPrefix = QLatin1Char('m'));

    // Finds the bound controls again (after the window's controls were built).
    void rescan();
    const QList<BoundControl>& controls() const { return m_controls; }
    const SelectorRule* rule(QChar selector) const;

    using RowOf = std::function<const Dataset*(const QString& target)>;
    using Active = std::function<bool(QChar selector)>;

    // Puts the current row's values into the controls of the active selectors:
    // floating point with two decimals, dates in the short date format, memos with
    // widget line ends, radio groups and combos by index (stored value − offset,
    // without their click reactions), check boxes from "t"/"n" (null unchecks).
    void load(const RowOf& rowOf, const Active& active = {});
    // Empties every bound control (no row to show).
    void clear();

    struct Collected {
        QMap<QString, RowValues> byTarget;
        // The control of each value: target + "/" + column in upper case.
        QHash<QString, QWidget*> controls;
        QWidget* control(const QString& target, const QString& column) const {
            return controls.value(target + QLatin1Char('/') + column.toUpper());
        }
    };
    // Collects the values of the savable controls of the active selectors, in
    // component order: edits and memos as typed (memos with stored line ends; a memo
    // with a slot is a blob parameter named by `slotParam`, default "Memo" + slot),
    // radio groups and combos by index + offset, check boxes "t"/"n". A
    // floating-point or date field whose text was not changed since loading gives back
    // the value it was loaded from (the two decimals or the minutes it shows would lose
    // digits). An edit loads a stored text longer than its width whole.
    Collected collect(const RowOf& rowOf, const Active& active = {},
                      const std::function<QString(int slot)>& slotParam = {}) const;

    // The value a control loaded, and whether its text still equals what was shown.
    bool unchangedSinceLoad(QWidget* w) const;

    // What the savable controls of the active selectors show now becomes what they
    // are compared with: taken when a record has been loaded (after the window's own
    // reactions to the loading) and after every save.
    void takeBaseline(const Active& active = {});
    // The savable controls whose shown value differs from the baseline, in
    // component order (none before a baseline was taken).
    QList<QWidget*> changedControls() const;
    bool changed() const { return !changedControls().isEmpty(); }

private:
    QWidget* m_root;
    MemoSlots m_slots;
    QChar m_memoPrefix;
    std::vector<SelectorRule> m_rules;
    QList<BoundControl> m_controls;
    struct Loaded {
        QString text;
        QVariant value;
    };
    QHash<QWidget*, Loaded> m_loaded;
    QHash<QWidget*, QString> m_baseline;
};

// The message of a save that failed.
QString saveFailedMessage();
// A value its column refused: the message and, on a second line, the field's caption
// and the reason.
QString saveRefusalText(const QString& caption, const QString& reason);
// The caption of an entry field: its label's text, or its accessible name, without
// the accelerator mark and the trailing colon.
QString fieldCaption(QWidget* field);
// Puts a text into an edit whole, as the binder loads a stored text: a text longer
// than the edit's typing width widens it while the text is shown (a fixed-width
// column's padding past the width dropped).
void setWholeText(QLineEdit* e, QString text);
// Shows the pages (tabs) a field lies on, innermost first.
void revealField(QWidget* field);

} // namespace zort
