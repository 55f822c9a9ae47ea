#pragma once
#include <QHash>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;
class QWidget;

namespace zort {

class MemoEdit;
class RadioGroup;
class RowLayout;

// Builds an entry page row by row: a caption on the left, the control (or several)
// on the right. Every control is named for its binding and, for accessibility
// tools, after its caption (and labelled by it); a control beside a field is named
// after the field's caption and what it is ("Obywatelstwo — opis"). A long page is
// laid out in two columns (column()); the page scrolls only when it is taller than
// the window even so.
//
// Every field shows its whole value: its width follows the width rule of entry
// fields (applyWidthRule: codes as wide as their digits, dates as their format,
// names at least 30 characters). A caption stands clear of its field; a row whose
// controls do not fit its column beside each other continues on another line
// rather than cut them or widen the page.
// Shows or hides the row of an entry page that holds the control: its caption and
// every control of the row (a full-width control alone).
void setRowShown(QWidget* control, bool shown);

class PageBuilder {
public:
    // Fills `page` (gives it a scrolling layout).
    explicit PageBuilder(QWidget* page);

    QLineEdit* edit(const QString& name, const QString& caption, int maxLength = 0, bool readOnly = false);
    // A control beside the field `left` (e.g. the text of a dictionary code); `what`
    // completes its accessible name: "<caption of left> — <what>".
    QLineEdit* editBeside(QWidget* left, const QString& name, const QString& what, int maxLength = 0,
                          bool readOnly = false);
    // A field of a date column: as wide as a date with its time of day, which it
    // shows when the stored value has one.
    QLineEdit* date(const QString& name, const QString& caption, bool readOnly = false);
    QLineEdit* dateBeside(QWidget* left, const QString& name, const QString& what);
    MemoEdit* memo(const QString& name, const QString& caption, int maxLength = 0, int lines = 3);
    // A memo of a few lines beside the field `left` (e.g. the description of a code),
    // taking the rest of its row.
    MemoEdit* memoBeside(QWidget* left, const QString& name, const QString& what, int maxLength = 0, int lines = 2);
    RadioGroup* radio(const QString& name, const QString& caption, const QStringList& items, int columns = 0);
    QCheckBox* check(const QString& name, const QString& caption);
    QComboBox* combo(const QString& name, const QString& caption);
    QComboBox* comboBeside(QWidget* left, const QString& name, const QString& what);
    QToolButton* buttonBeside(QWidget* left, const QString& name, const QString& caption);
    QCheckBox* checkBeside(QWidget* left, const QString& name, const QString& caption);
    // A row under the fields that begins with a check box (more controls go beside it).
    QCheckBox* checkRow(const QString& name, const QString& caption);
    // A row under the fields that holds a button (e.g. one that fills the memo above).
    QToolButton* buttonRow(const QString& name, const QString& caption);
    // A number editor with arrows (years, months, days, hours).
    QSpinBox* spin(const QString& name, const QString& caption, int min, int max);
    QSpinBox* spinBeside(QWidget* left, const QString& name, const QString& what, int min, int max);
    // A text beside a field (e.g. "/ 2024" after a number).
    QLabel* labelBeside(QWidget* left, const QString& name, const QString& text);
    // A fixed text of the form across the page; framed, it marks an area left blank
    // on the printed form (a stamp).
    QLabel* text(const QString& name, const QString& text, bool framed = false);
    QLabel* section(const QString& title);
    // A row of controls that carry their own names (the alternatives of a printed
    // form), after a caption that labels none of them (none when empty).
    void controlsRow(const QString& caption, const QList<QWidget*>& controls);
    // How much of its row's spare width a control takes, against the others of the row.
    void setStretch(QWidget* control, int stretch);
    // The rows after this go to a second column, from the top.
    void column();
    // The rows up to endPanel() go into a panel of their own across the column (a
    // part of the page shown or hidden as one); returns the panel.
    QWidget* beginPanel(const QString& name);
    void endPanel();
    void stretch();

    QWidget* content() const { return m_content; }
    QGridLayout* grid() const { return m_grid; }

private:
    // Adds a control to the row of `left`, a control placed by a row method.
    void addBeside(QWidget* left, QWidget* w, int stretch);
    void addRow(const QString& caption, QWidget* field, bool fullWidth = false);
    // The caption of the row being added, in the column of captions.
    QLabel* rowCaption(const QString& caption);
    RowLayout* newRow(QWidget* first, int stretch = 1);
    void fullWidth(QWidget* w);
    int labelColumn() const { return m_column * 2; }
    QWidget* m_content;
    QGridLayout* m_grid;
    int m_row = 0;
    int m_rows = 0;  // the most rows of a column
    int m_column = 0;
    // The page's own content, grid and place while the rows go into a panel.
    struct Outer {
        QWidget* content = nullptr;
        QGridLayout* grid = nullptr;
        int row = 0, rows = 0, column = 0;
    };
    Outer m_outer;
    // The row layout and the accessible caption of every control placed by a row method.
    QHash<QWidget*, RowLayout*> m_rowOf;
    QHash<QWidget*, QString> m_captionOf;
};

} // namespace zort
