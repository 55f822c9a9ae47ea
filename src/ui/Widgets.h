#pragma once
#include <functional>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>

class QButtonGroup;
class QComboBox;
class QDialog;
class QVBoxLayout;
class QRadioButton;
class QLabel;
class QPushButton;
class QTableView;

namespace zort {

class Dataset;

// A group of exclusive choices with a caption, as the entry pages use them: the
// chosen item is an index (-1 for none).
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& name, const QString& caption, const QStringList& items, QWidget* parent = nullptr,
               int columns = 0);
    int itemIndex() const;
    void setItemIndex(int index);
    int count() const;
    QString itemText(int index) const;
    QRadioButton* button(int index) const;

signals:
    // The user chose an item: by a click, by the keyboard or through an accessibility
    // tool (which checks a radio button without clicking it). Not emitted when the
    // program sets the item (setItemIndex).
    void chosen(int index);

private:
    QButtonGroup* m_group;
    bool m_setting = false;
};

// A multi-line text field. The text it shows has LF line ends, a memo column keeps
// CR LF; a maximum length, when set, counts stored characters. The limit restricts
// typing only: a text put in by the program (a stored record) is shown and kept
// whole however long it is, and the user may shorten it but not lengthen it.
class MemoEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MemoEdit(const QString& name, QWidget* parent = nullptr);
    void setMaxLength(int maxStoredLength);  // 0: no limit
    int maxLength() const { return m_max; }

private:
    void enforceLimit();
    int m_max = 0;
    bool m_inLimit = false;
    QString m_accepted;  // the text as last accepted (typed within the limit or put in)
};

// Runs `action` when the user double-clicks the field (the clearing links of code
// fields).
void onDoubleClick(QWidget* field, std::function<void()> action);

// Accessibility of entry controls. Every entry control is named after its label (the
// caption without the accelerator mark, the trailing colon and blanks) and labelled
// by it; a control beside a labelled field, without a label of its own, is named
// "<field's label> — <what it is>".
QString captionName(const QString& caption);
QString besideName(const QString& caption, const QString& what);
// Makes `label` the label of `control`: its buddy (the labelled-by relation) and the
// source of the control's accessible name.
void labelControl(QLabel* label, QWidget* control);
// Makes screen readers name combo boxes after their labels, not after the entry they
// show (the entry is their value). Called by the helpers that make entry controls;
// needs the application object.
void installAccessibility();

// A read-only edit looks read-only (the window's colour as its base), an editable one
// as the style draws it.
void setReadOnlyLook(QLineEdit* edit, bool readOnly);

// What a single-line entry field holds, for its width: a text or code (its width
// follows its maximum length), a date, or a date with the time of day.
enum class FieldKind { Text, Date, DateTime };

// The width rule of entry fields: a field shows its whole value.
// - A date field is as wide as a date in the process's date format, a date-time field
//   as a date with the time (as Formats writes them).
// - A field of up to 20 characters (a code, a number) is as wide as that many digits
//   and at most a little wider.
// - A longer field (a name, a text) is at least 30 characters wide (as many as it
//   holds when fewer) and takes what its row leaves.
// - A field without a limit (a number) is as wide as 12 digits, at most 22 characters.
// Widths are measured with the field's font and style (frame, margins, the cursor).
// The field follows the rule from here on: as it is shown (after its window set its
// maximum length) and when its font or style changes; fitFieldWidth() applies it at
// once.
void applyWidthRule(QLineEdit* field, FieldKind kind = FieldKind::Text);
// The kind the rule measures the field as (Text for a field without the rule).
FieldKind fieldKind(const QLineEdit* field);
// Applies the rule to a field that follows it (nothing to another field).
void fitFieldWidth(QLineEdit* field);

// A single-line edit with its component name and an optional label that names it for
// accessibility tools.
QLineEdit* makeEdit(const QString& name, QWidget* parent, QLabel* label = nullptr, int maxLength = 0);
// A combo box with its component name and an optional label.
QComboBox* makeCombo(const QString& name, QWidget* parent, QLabel* label = nullptr);
// Gives a dialog of the program its component name, caption and modality (without
// the title bar's help button) and a vertical layout, which it returns.
QVBoxLayout* setUpDialog(QDialog* dialog, const QString& name, const QString& caption, bool modal);
// A push button of a dialog with its component name; Enter does not press it
// unless it is made the default.
QPushButton* makeDialogButton(const QString& name, const QString& caption, QWidget* parent);

// A grid over a dataset: whole rows, one at a time, alternating colours, no row
// headers, the last column stretched. Choosing a row moves the dataset and the grid
// follows the dataset's moves; a cell of a DatasetModel (set before) that could not
// be written is reported through CommandGuard. Returns the routine that puts the
// grid on the dataset's row (for the owner's reaction to the dataset opened again).
std::function<void()> linkGridToDataset(QTableView* view, Dataset* data);

} // namespace zort
