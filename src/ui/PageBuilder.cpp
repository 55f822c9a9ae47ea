#include "ui/PageBuilder.h"

#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace zort {

PageBuilder::PageBuilder(QWidget* page) {
    installAccessibility();
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(page);
    scroll->setObjectName(page->objectName() + QStringLiteral("_Przewijanie"));
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

// The controls of a row share a row layout, not a widget of their own: a label and
// its control are then siblings, which is where accessibility tools look for the
// label of a control.
QHBoxLayout* PageBuilder::newRow(QWidget* first) {
    auto* h = new QHBoxLayout;
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(first, 1);
    // What a row's controls leave over stays at its end: short fields stand at the
    // left, under the other fields, beside their captions.
    h->addStretch(0);
    m_rowOf.insert(first, h);
    return h;
}

void PageBuilder::fullWidth(QWidget* w) {
    m_grid->addWidget(w, m_row++, labelColumn(), 1, 2);
    m_rows = qMax(m_rows, m_row);
}

void PageBuilder::addRow(const QString& caption, QWidget* field, bool full) {
    if (full || caption.isNull()) {
        fullWidth(field);
        return;
    }
    auto* label = new QLabel(caption, m_content);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A long caption takes two lines rather than the width of its column.
    if (caption.size() > 40) {
        label->setWordWrap(true);
        label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 28);
    }
    labelControl(label, field);
    m_captionOf.insert(field, caption);
    m_grid->addWidget(label, m_row, labelColumn());
    m_grid->addLayout(newRow(field), m_row++, labelColumn() + 1);
    m_rows = qMax(m_rows, m_row);
}

void PageBuilder::addBeside(QWidget* left, QWidget* w, int stretch) {
    QHBoxLayout* row = m_rowOf.value(left);
    Q_ASSERT(row);
    row->insertWidget(row->count() - 1, w, stretch);
    // More controls may follow this one in its row, named after the row's caption.
    m_rowOf.insert(w, row);
    if (!m_captionOf.contains(w)) m_captionOf.insert(w, m_captionOf.value(left));
}

QLineEdit* PageBuilder::edit(const QString& name, const QString& caption, int maxLength, bool readOnly) {
    QLineEdit* e = makeEdit(name, m_content, nullptr, maxLength);
    // Short entries (dates, numbers, codes: no length or a short one) are as wide as
    // what they hold; names and texts take the row.
    const int chars = maxLength == 0 ? 22 : maxLength <= 20 ? qMax(maxLength + 2, 8) : 0;
    if (chars > 0) e->setMaximumWidth(e->fontMetrics().averageCharWidth() * chars + 16);
    setReadOnlyLook(e, readOnly);
    addRow(caption, e);
    return e;
}

QLineEdit* PageBuilder::editBeside(QWidget* left, const QString& name, const QString& what, int maxLength,
                                   bool readOnly) {
    QLineEdit* e = makeEdit(name, m_content, nullptr, maxLength);
    setReadOnlyLook(e, readOnly);
    e->setAccessibleName(besideName(m_captionOf.value(left), what));
    addBeside(left, e, 3);
    return e;
}

MemoEdit* PageBuilder::memo(const QString& name, const QString& caption, int maxLength, int lines) {
    auto* label = new QLabel(caption, m_content);
    // A long caption takes more lines rather than widen the page.
    label->setWordWrap(true);
    auto* m = new MemoEdit(name, m_content);
    m->setMaxLength(maxLength);
    m->setMinimumHeight(lines * m->fontMetrics().lineSpacing() + 10);
    labelControl(label, m);
    fullWidth(label);
    // The memos take the height the page has to spare.
    m_grid->setRowStretch(m_row, 1);
    fullWidth(m);
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
    c->setAccessibleName(captionName(caption));
    addRow(QString(), c, true);
    return c;
}

QComboBox* PageBuilder::combo(const QString& name, const QString& caption) {
    QComboBox* c = makeCombo(name, m_content);
    addRow(caption, c);
    return c;
}

QComboBox* PageBuilder::comboBeside(QWidget* left, const QString& name, const QString& what) {
    QComboBox* c = makeCombo(name, m_content);
    c->setAccessibleName(besideName(m_captionOf.value(left), what));
    c->setMinimumContentsLength(20);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    addBeside(left, c, 3);
    return c;
}

QToolButton* PageBuilder::buttonBeside(QWidget* left, const QString& name, const QString& caption) {
    auto* b = new QToolButton(m_content);
    b->setObjectName(name);
    b->setText(caption);
    b->setAccessibleName(captionName(caption));
    addBeside(left, b, 0);
    return b;
}

QCheckBox* PageBuilder::checkBeside(QWidget* left, const QString& name, const QString& caption) {
    auto* c = new QCheckBox(caption, m_content);
    c->setObjectName(name);
    c->setAccessibleName(captionName(caption));
    addBeside(left, c, 0);
    return c;
}

QCheckBox* PageBuilder::checkRow(const QString& name, const QString& caption) {
    auto* c = new QCheckBox(caption, m_content);
    c->setObjectName(name);
    c->setAccessibleName(captionName(caption));
    m_captionOf.insert(c, caption);
    QHBoxLayout* h = newRow(c);
    h->setStretch(0, 0);
    h->setAlignment(Qt::AlignLeft);
    m_grid->addLayout(h, m_row++, labelColumn() + 1);
    m_rows = qMax(m_rows, m_row);
    return c;
}

QToolButton* PageBuilder::buttonRow(const QString& name, const QString& caption) {
    auto* b = new QToolButton(m_content);
    b->setObjectName(name);
    b->setText(caption);
    b->setAccessibleName(captionName(caption));
    m_captionOf.insert(b, caption);
    QHBoxLayout* h = newRow(b);
    h->setStretch(0, 0);
    h->setAlignment(Qt::AlignLeft);
    m_grid->addLayout(h, m_row++, labelColumn() + 1);
    m_rows = qMax(m_rows, m_row);
    return b;
}

QSpinBox* PageBuilder::spin(const QString& name, const QString& caption, int min, int max) {
    auto* sb = new QSpinBox(m_content);
    sb->setObjectName(name);
    sb->setRange(min, max);
    sb->setMaximumWidth(sb->fontMetrics().averageCharWidth() * (QString::number(max).size() + 3) + 32);
    addRow(caption, sb);
    return sb;
}

QSpinBox* PageBuilder::spinBeside(QWidget* left, const QString& name, const QString& what, int min, int max) {
    auto* sb = new QSpinBox(m_content);
    sb->setObjectName(name);
    sb->setRange(min, max);
    sb->setMaximumWidth(sb->fontMetrics().averageCharWidth() * (QString::number(max).size() + 3) + 32);
    sb->setAccessibleName(besideName(m_captionOf.value(left), what));
    addBeside(left, sb, 0);
    return sb;
}

QLabel* PageBuilder::labelBeside(QWidget* left, const QString& name, const QString& text) {
    auto* l = new QLabel(text, m_content);
    l->setObjectName(name);
    addBeside(left, l, 0);
    return l;
}

QLabel* PageBuilder::text(const QString& name, const QString& text, bool framed) {
    auto* l = new QLabel(text, m_content);
    l->setObjectName(name);
    l->setWordWrap(true);
    if (framed) {
        l->setFrameShape(QFrame::Box);
        l->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        l->setMinimumHeight(l->fontMetrics().lineSpacing() * 4);
    }
    fullWidth(l);
    return l;
}

void PageBuilder::section(const QString& title) {
    auto* l = new QLabel(QStringLiteral("<b>") + title.toHtmlEscaped() + QStringLiteral("</b>"), m_content);
    l->setTextFormat(Qt::RichText);
    // A long heading takes more lines rather than widen the page.
    l->setWordWrap(true);
    fullWidth(l);
}

void PageBuilder::controlsRow(const QString& caption, const QList<QWidget*>& controls) {
    if (controls.isEmpty()) return;
    if (!caption.trimmed().isEmpty()) {
        auto* label = new QLabel(caption, m_content);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (caption.size() > 40) {
            label->setWordWrap(true);
            label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 28);
        }
        m_grid->addWidget(label, m_row, labelColumn());
    }
    auto* h = new QHBoxLayout;
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(12);
    for (QWidget* w : controls) {
        w->setParent(m_content);
        h->addWidget(w, 0);
        m_rowOf.insert(w, h);
        m_captionOf.insert(w, caption);
    }
    h->addStretch(1);
    m_grid->addLayout(h, m_row++, labelColumn() + 1);
    m_rows = qMax(m_rows, m_row);
}

void PageBuilder::setStretch(QWidget* control, int stretch) {
    if (QHBoxLayout* row = m_rowOf.value(control)) row->setStretchFactor(control, stretch);
}

void PageBuilder::column() {
    ++m_column;
    m_row = 0;
    m_grid->setColumnStretch(labelColumn() + 1, 1);
}

void PageBuilder::stretch() { m_grid->setRowStretch(m_rows, 1); }

} // namespace zort
