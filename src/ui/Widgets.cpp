#include "ui/Widgets.h"

#include "core/MemoText.h"

#include <QButtonGroup>
#include <QDialog>
#include <QVBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

namespace zort {

RadioGroup::RadioGroup(const QString& name, const QString& caption, const QStringList& items, QWidget* parent,
                       int columns)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this)) {
    setObjectName(name);
    setAccessibleName(caption.trimmed().isEmpty() ? name : caption.trimmed());
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setVerticalSpacing(2);
    const int cols = columns > 0 ? columns : 1;
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items.at(i), this);
        b->setObjectName(name + QStringLiteral("_") + QString::number(i));
        m_group->addButton(b, i);
        layout->addWidget(b, i / cols, i % cols);
    }
}

int RadioGroup::itemIndex() const { return m_group->checkedId(); }

void RadioGroup::setItemIndex(int index) {
    if (index < 0 || index >= count()) {
        m_group->setExclusive(false);
        for (QAbstractButton* b : m_group->buttons()) b->setChecked(false);
        m_group->setExclusive(true);
        return;
    }
    m_group->button(index)->setChecked(true);
}

int RadioGroup::count() const { return int(m_group->buttons().size()); }

QString RadioGroup::itemText(int index) const {
    QAbstractButton* b = m_group->button(index);
    return b ? b->text() : QString();
}

QRadioButton* RadioGroup::button(int index) const { return qobject_cast<QRadioButton*>(m_group->button(index)); }

MemoEdit::MemoEdit(const QString& name, QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(name);
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &MemoEdit::enforceLimit);
}

void MemoEdit::setMaxLength(int maxStoredLength) {
    m_max = maxStoredLength;
    enforceLimit();
}

void MemoEdit::enforceLimit() {
    if (m_max <= 0 || m_inLimit) return;
    const QString text = toPlainText();
    if (memo::toStored(text).size() <= m_max) return;
    m_inLimit = true;
    // Cut at the limit counted in stored characters (a line break counts two).
    QString cut;
    int stored = 0;
    for (QChar c : text) {
        const int w = c == QLatin1Char('\n') ? 2 : 1;
        if (stored + w > m_max) break;
        stored += w;
        cut += c;
    }
    QTextCursor cursor = textCursor();
    const int pos = qMin(cursor.position(), int(cut.size()));
    setPlainText(cut);
    cursor = textCursor();
    cursor.setPosition(pos);
    setTextCursor(cursor);
    m_inLimit = false;
}

QLineEdit* makeEdit(const QString& name, QWidget* parent, QLabel* label, int maxLength) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    if (maxLength > 0) e->setMaxLength(maxLength);
    if (label) {
        label->setBuddy(e);
        e->setAccessibleName(label->text().remove(QLatin1Char('&')).trimmed());
    }
    return e;
}

QVBoxLayout* setUpDialog(QDialog* dialog, const QString& name, const QString& caption, bool modal) {
    dialog->setObjectName(name);
    dialog->setWindowTitle(caption);
    dialog->setModal(modal);
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    return new QVBoxLayout(dialog);
}

QPushButton* makeDialogButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace zort
