#pragma once
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace zort {

class MemoEdit;
class RadioGroup;

// Builds an entry page row by row: a caption on the left, the control (or several)
// on the right, each control named for its binding and labelled for accessibility
// tools. The page scrolls when it is taller than the window.
class PageBuilder {
public:
    // Fills `page` (gives it a scrolling layout).
    explicit PageBuilder(QWidget* page);

    QLineEdit* edit(const QString& name, const QString& caption, int maxLength = 0, bool readOnly = false);
    // A code field and a text field on one row (e.g. "Kod" and "Opis" of a dictionary entry).
    QLineEdit* editBeside(QWidget* left, const QString& name, const QString& accessibleName, int maxLength = 0,
                          bool readOnly = false);
    MemoEdit* memo(const QString& name, const QString& caption, int maxLength = 0, int lines = 4);
    RadioGroup* radio(const QString& name, const QString& caption, const QStringList& items, int columns = 0);
    QCheckBox* check(const QString& name, const QString& caption);
    QComboBox* combo(const QString& name, const QString& caption);
    QComboBox* comboBeside(QWidget* left, const QString& name, const QString& accessibleName);
    QToolButton* buttonBeside(QWidget* left, const QString& name, const QString& caption);
    QCheckBox* checkBeside(QWidget* left, const QString& name, const QString& caption);
    // A row under the fields that begins with a check box (more controls go beside it).
    QCheckBox* checkRow(const QString& name, const QString& caption);
    void section(const QString& title);
    void stretch();

    QWidget* content() const { return m_content; }
    QGridLayout* grid() const { return m_grid; }

private:
    // Adds a control to the row of `left`, a control placed by a row method.
    void addBeside(QWidget* left, QWidget* w, int stretch);
    void addRow(const QString& caption, QWidget* field, bool fullWidth = false);
    QWidget* m_content;
    QGridLayout* m_grid;
    int m_row = 0;
};

} // namespace zort
