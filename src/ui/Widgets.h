#pragma once
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>

class QButtonGroup;
class QDialog;
class QVBoxLayout;
class QRadioButton;
class QLabel;
class QPushButton;

namespace zort {

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

private:
    QButtonGroup* m_group;
};

// A multi-line text field. The text it shows has LF line ends, a memo column keeps
// CR LF; a maximum length, when set, counts stored characters.
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
};

// A single-line edit with its component name and an optional label that names it for
// accessibility tools.
QLineEdit* makeEdit(const QString& name, QWidget* parent, QLabel* label = nullptr, int maxLength = 0);
// Gives a dialog of the program its component name, caption and modality (without
// the title bar's help button) and a vertical layout, which it returns.
QVBoxLayout* setUpDialog(QDialog* dialog, const QString& name, const QString& caption, bool modal);
// A push button of a dialog with its component name; Enter does not press it
// unless it is made the default.
QPushButton* makeDialogButton(const QString& name, const QString& caption, QWidget* parent);

} // namespace zort
