#include "ui/PageBuilder.h"

#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace zort {
namespace {

QString accessible(const QString& caption) {
    QString n = caption;
    n.remove(QLatin1Char('&'));
    n = n.simplified();
    while (n.endsWith(QLatin1Char(':')) || n.endsWith(QLatin1Char('-'))) n = n.left(n.size() - 1).trimmed();
    return n;
}

} // namespace

PageBuilder::PageBuilder(QWidget* page) {
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    outer->addWidget(scroll);
    m_content = new QWidget(scroll);
    m_grid = new QGridLayout(m_content);
    m_grid->setColumnStretch(1, 1);
    m_grid->setHorizontalSpacing(8);
    m_grid->setVerticalSpacing(4);
    scroll->setWidget(m_content);
}

void PageBuilder::addRow(const QString& caption, QWidget* field, bool fullWidth) {
    if (fullWidth || caption.isNull()) {
        m_grid->addWidget(field, m_row++, 0, 1, 2);
        return;
    }
    auto* label = new QLabel(caption, m_content);
    label->setBuddy(field);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (field->accessibleName().isEmpty()) field->setAccessibleName(accessible(caption));
    auto* holder = new QWidget(m_content);
    auto* h = new QHBoxLayout(holder);
    h->setContentsMargins(0, 0, 0, 0);
    field->setParent(holder);
    h->addWidget(field, 1);
    m_grid->addWidget(label, m_row, 0);
    m_grid->addWidget(holder, m_row++, 1);
}

void PageBuilder::addBeside(QWidget* left, QWidget* w, int stretch) {
    // Only the rows addRow makes hold their controls in a row layout.
    auto* row = qobject_cast<QHBoxLayout*>(left->parentWidget()->layout());
    Q_ASSERT(row);
    row->addWidget(w, stretch);
}

QLineEdit* PageBuilder::edit(const QString& name, const QString& caption, int maxLength, bool readOnly) {
    QLineEdit* e = makeEdit(name, m_content, nullptr, maxLength);
    e->setReadOnly(readOnly);
    addRow(caption, e);
    return e;
}

QLineEdit* PageBuilder::editBeside(QWidget* left, const QString& name, const QString& accessibleName, int maxLength,
                                   bool readOnly) {
    QLineEdit* e = makeEdit(name, m_content, nullptr, maxLength);
    e->setReadOnly(readOnly);
    e->setAccessibleName(accessibleName);
    addBeside(left, e, 3);
    return e;
}

MemoEdit* PageBuilder::memo(const QString& name, const QString& caption, int maxLength, int lines) {
    auto* label = new QLabel(caption, m_content);
    auto* m = new MemoEdit(name, m_content);
    m->setMaxLength(maxLength);
    m->setMinimumHeight(lines * m->fontMetrics().lineSpacing() + 10);
    label->setBuddy(m);
    m->setAccessibleName(accessible(caption));
    m_grid->addWidget(label, m_row++, 0, 1, 2);
    m_grid->addWidget(m, m_row++, 0, 1, 2);
    return m;
}

RadioGroup* PageBuilder::radio(const QString& name, const QString& caption, const QStringList& items, int columns) {
    auto* g = new RadioGroup(name, caption, items, m_content, columns > 0 ? columns : int(items.size()));
    addRow(QString(), g, true);
    return g;
}

QCheckBox* PageBuilder::check(const QString& name, const QString& caption) {
    auto* c = new QCheckBox(caption, m_content);
    c->setObjectName(name);
    addRow(QString(), c, true);
    return c;
}

QComboBox* PageBuilder::combo(const QString& name, const QString& caption) {
    auto* c = new QComboBox(m_content);
    c->setObjectName(name);
    addRow(caption, c);
    return c;
}

QComboBox* PageBuilder::comboBeside(QWidget* left, const QString& name, const QString& accessibleName) {
    auto* c = new QComboBox(m_content);
    c->setObjectName(name);
    c->setAccessibleName(accessibleName);
    c->setMinimumContentsLength(20);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    addBeside(left, c, 3);
    return c;
}

QToolButton* PageBuilder::buttonBeside(QWidget* left, const QString& name, const QString& caption) {
    auto* b = new QToolButton(m_content);
    b->setObjectName(name);
    b->setText(caption);
    b->setAccessibleName(caption);
    addBeside(left, b, 0);
    return b;
}

QCheckBox* PageBuilder::checkBeside(QWidget* left, const QString& name, const QString& caption) {
    auto* c = new QCheckBox(caption, m_content);
    c->setObjectName(name);
    addBeside(left, c, 0);
    return c;
}

QCheckBox* PageBuilder::checkRow(const QString& name, const QString& caption) {
    auto* holder = new QWidget(m_content);
    auto* h = new QHBoxLayout(holder);
    h->setContentsMargins(0, 0, 0, 0);
    auto* c = new QCheckBox(caption, holder);
    c->setObjectName(name);
    h->addWidget(c, 0);
    h->setAlignment(Qt::AlignLeft);
    m_grid->addWidget(holder, m_row++, 1);
    return c;
}

void PageBuilder::section(const QString& title) {
    auto* l = new QLabel(QStringLiteral("<b>") + title.toHtmlEscaped() + QStringLiteral("</b>"), m_content);
    l->setTextFormat(Qt::RichText);
    m_grid->addWidget(l, m_row++, 0, 1, 2);
}

void PageBuilder::stretch() { m_grid->setRowStretch(m_row++, 1); }

} // namespace zort
