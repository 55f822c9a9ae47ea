#include "ui/PageBuilder.h"

#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace zort {

namespace {

// The room between the controls of a row (a caption and its field among them).
constexpr int kRowSpacing = 6;
// Between the lines of a row that continues on another line.
constexpr int kLineSpacing = 4;

} // namespace

// The controls of a row, left to right, each at least as wide as it needs (its
// least width) and at most as wide as it may be. When the row is narrower than its
// controls need beside each other, it continues on another line below: a caption
// goes with the control after it (a text at the row's end with the one before
// it), a tool button with the control before it. The
// width a line has over the controls' least widths goes first to the controls'
// preferred widths, then to those with a stretch, by their stretch; what is left
// stays at the line's end. The lines stand in the middle of the row's height.
class RowLayout : public QLayout {
public:
    explicit RowLayout(int spacing) {
        setContentsMargins(0, 0, 0, 0);
        setSpacing(spacing);
    }
    ~RowLayout() override {
        while (QLayoutItem* item = takeAt(0)) delete item;
    }

    void insertWidget(int index, QWidget* w, int stretch) {
        addChildWidget(w);
        m_items.insert(qBound(0, index, int(m_items.size())), {new QWidgetItem(w), stretch});
        invalidate();
    }
    void addWidget(QWidget* w, int stretch) { insertWidget(int(m_items.size()), w, stretch); }
    void setStretch(QWidget* w, int stretch) {
        for (Entry& e : m_items)
            if (e.item->widget() == w) e.stretch = stretch;
        invalidate();
    }

    void addItem(QLayoutItem* item) override { m_items.append({item, 0}); }
    int count() const override { return int(m_items.size()); }
    QLayoutItem* itemAt(int index) const override {
        return index >= 0 && index < m_items.size() ? m_items.at(index).item : nullptr;
    }
    QLayoutItem* takeAt(int index) override {
        if (index < 0 || index >= m_items.size()) return nullptr;
        QLayoutItem* item = m_items.takeAt(index).item;
        invalidate();
        return item;
    }
    Qt::Orientations expandingDirections() const override { return Qt::Horizontal; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return arrange(QRect(0, 0, width, 0), false); }

    QSize minimumSize() const override {
        int width = 0;
        int height = 0;
        const QList<Entry> shown = visible();
        for (const auto& [first, last] : units(shown)) {
            int unit = 0;
            for (int i = first; i <= last; ++i) {
                unit += shown.at(i).item->minimumSize().width() + (i > first ? spacing() : 0);
                height = qMax(height, shown.at(i).item->minimumSize().height());
            }
            width = qMax(width, unit);
        }
        return QSize(width, height);
    }
    QSize sizeHint() const override {
        int width = 0;
        int height = 0;
        const QList<Entry> shown = visible();
        for (const Entry& e : shown) {
            width += hintOf(e.item).width();
            height = qMax(height, hintOf(e.item).height());
        }
        if (!shown.isEmpty()) width += spacing() * int(shown.size() - 1);
        return QSize(width, height);
    }
    void setGeometry(const QRect& rect) override {
        QLayout::setGeometry(rect);
        arrange(rect, true);
    }

private:
    struct Entry {
        QLayoutItem* item;
        int stretch;
    };

    QList<Entry> visible() const {
        QList<Entry> out;
        for (const Entry& e : m_items)
            if (!e.item->isEmpty()) out << e;
        return out;
    }
    static QSize hintOf(QLayoutItem* item) {
        return item->sizeHint().expandedTo(item->minimumSize()).boundedTo(item->maximumSize());
    }
    // The groups of controls that stay on one line: first and last index in `shown`.
    static QList<QPair<int, int>> units(const QList<Entry>& shown) {
        QList<QPair<int, int>> out;
        for (int i = 0; i < shown.size(); ++i) {
            QWidget* w = shown.at(i).item->widget();
            const bool afterCaption = i > 0 && qobject_cast<QLabel*>(shown.at(i - 1).item->widget());
            const bool lastText = i == shown.size() - 1 && qobject_cast<QLabel*>(w);
            const bool toolButton = qobject_cast<QToolButton*>(w);
            if (!out.isEmpty() && (afterCaption || lastText || toolButton)) out.last().second = i;
            else out << QPair<int, int>(i, i);
        }
        return out;
    }

    // Places the controls in `rect` (when `place`); returns the height they take.
    int arrange(const QRect& rect, bool place) const {
        const QList<Entry> shown = visible();
        // The lines: the units that fit beside each other at their least widths.
        QList<QList<int>> lines;
        int used = 0;
        for (const auto& [first, last] : units(shown)) {
            int unit = 0;
            for (int i = first; i <= last; ++i) unit += shown.at(i).item->minimumSize().width() + (i > first ? spacing() : 0);
            if (lines.isEmpty() || used + spacing() + unit > rect.width()) {
                lines.append(QList<int>());
                used = unit;
            } else {
                used += spacing() + unit;
            }
            for (int i = first; i <= last; ++i) lines.last() << i;
        }
        QList<int> heights;
        int total = 0;
        for (const QList<int>& line : lines) {
            int h = 0;
            for (int i : line) h = qMax(h, hintOf(shown.at(i).item).height());
            heights << h;
            total += h;
        }
        if (!lines.isEmpty()) total += kLineSpacing * int(lines.size() - 1);
        if (!place) return total;

        int y = rect.top() + qMax(0, (rect.height() - total) / 2);
        for (int l = 0; l < lines.size(); ++l) {
            const QList<int>& line = lines.at(l);
            QList<int> widths;
            int extra = rect.width() - spacing() * int(line.size() - 1);
            int lacking = 0;  // what the controls lack of their preferred widths
            for (int i : line) {
                QLayoutItem* item = shown.at(i).item;
                widths << item->minimumSize().width();
                extra -= widths.last();
                lacking += hintOf(item).width() - widths.last();
            }
            for (int k = 0; k < line.size() && extra > 0 && lacking > 0; ++k) {
                const int lack = hintOf(shown.at(line.at(k)).item).width() - widths.at(k);
                widths[k] += extra >= lacking ? lack : int(qint64(lack) * extra / lacking);
            }
            extra = rect.width() - spacing() * int(line.size() - 1);
            for (int w : widths) extra -= w;
            // The rest by stretch, up to each control's widest.
            while (extra > 0) {
                int stretches = 0;
                for (int k = 0; k < line.size(); ++k) {
                    const Entry& e = shown.at(line.at(k));
                    if (e.stretch > 0 && widths.at(k) < e.item->maximumSize().width()) stretches += e.stretch;
                }
                if (stretches == 0) break;
                int given = 0;
                for (int k = 0; k < line.size(); ++k) {
                    const Entry& e = shown.at(line.at(k));
                    if (e.stretch <= 0 || widths.at(k) >= e.item->maximumSize().width()) continue;
                    const int share = qMin(qMax(1, int(qint64(extra) * e.stretch / stretches)),
                                           e.item->maximumSize().width() - widths.at(k));
                    widths[k] += share;
                    given += share;
                    if (given >= extra) break;
                }
                extra -= given;
            }
            int x = rect.left();
            for (int k = 0; k < line.size(); ++k) {
                QLayoutItem* item = shown.at(line.at(k)).item;
                const int h = qMin(heights.at(l), hintOf(item).height());
                item->setGeometry(QRect(x, y + (heights.at(l) - h) / 2, widths.at(k), h));
                x += widths.at(k) + spacing();
            }
            y += heights.at(l) + kLineSpacing;
        }
        return total;
    }

    QList<Entry> m_items;
};

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
    // The captions take a quarter of the page's width (a long one wraps when that
    // is too little), the fields the rest.
    m_grid->setColumnStretch(0, 1);
    m_grid->setColumnStretch(1, 3);
    m_grid->setHorizontalSpacing(8);
    m_grid->setVerticalSpacing(4);
    scroll->setWidget(m_content);
}

// The controls of a row share a row layout, not a widget of their own: a label and
// its control are then siblings, which is where accessibility tools look for the
// label of a control. What a row's controls leave over stays at its end: short
// fields stand at the left, under the other fields, beside their captions.
RowLayout* PageBuilder::newRow(QWidget* first, int stretch) {
    auto* row = new RowLayout(kRowSpacing);
    row->addWidget(first, stretch);
    m_rowOf.insert(first, row);
    return row;
}

void PageBuilder::fullWidth(QWidget* w) {
    m_grid->addWidget(w, m_row++, labelColumn(), 1, 2);
    m_rows = qMax(m_rows, m_row);
}

QLabel* PageBuilder::rowCaption(const QString& caption) {
    auto* label = new QLabel(caption, m_content);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A long caption takes two lines or more rather than the width of its column.
    if (caption.size() > 30) {
        label->setWordWrap(true);
        label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 28);
    }
    m_grid->addWidget(label, m_row, labelColumn());
    return label;
}

void PageBuilder::addRow(const QString& caption, QWidget* field, bool full) {
    if (full || caption.isNull()) {
        fullWidth(field);
        return;
    }
    QLabel* label = rowCaption(caption);
    labelControl(label, field);
    m_captionOf.insert(field, caption);
    m_grid->addLayout(newRow(field), m_row++, labelColumn() + 1);
    m_rows = qMax(m_rows, m_row);
}

void PageBuilder::addBeside(QWidget* left, QWidget* w, int stretch) {
    RowLayout* row = m_rowOf.value(left);
    Q_ASSERT(row);
    row->addWidget(w, stretch);
    // More controls may follow this one in its row, named after the row's caption.
    m_rowOf.insert(w, row);
    if (!m_captionOf.contains(w)) m_captionOf.insert(w, m_captionOf.value(left));
}

QLineEdit* PageBuilder::edit(const QString& name, const QString& caption, int maxLength, bool readOnly) {
    QLineEdit* e = makeEdit(name, m_content, nullptr, maxLength);
    // Short entries (numbers, codes) are as wide as what they hold; names and texts
    // take the row.
    applyWidthRule(e);
    setReadOnlyLook(e, readOnly);
    addRow(caption, e);
    return e;
}

QLineEdit* PageBuilder::editBeside(QWidget* left, const QString& name, const QString& what, int maxLength,
                                   bool readOnly) {
    QLineEdit* e = makeEdit(name, m_content, nullptr, maxLength);
    applyWidthRule(e);
    setReadOnlyLook(e, readOnly);
    e->setAccessibleName(besideName(m_captionOf.value(left), what));
    addBeside(left, e, 3);
    return e;
}

QLineEdit* PageBuilder::date(const QString& name, const QString& caption, bool readOnly) {
    QLineEdit* e = edit(name, caption, 0, readOnly);
    applyWidthRule(e, FieldKind::DateTime);
    return e;
}

QLineEdit* PageBuilder::dateBeside(QWidget* left, const QString& name, const QString& what) {
    QLineEdit* e = editBeside(left, name, what);
    applyWidthRule(e, FieldKind::DateTime);
    setStretch(e, 0);
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

MemoEdit* PageBuilder::memoBeside(QWidget* left, const QString& name, const QString& what, int maxLength, int lines) {
    auto* m = new MemoEdit(name, m_content);
    m->setMaxLength(maxLength);
    const int height = lines * m->fontMetrics().lineSpacing() + 10;
    m->setMinimumHeight(height);
    m->setMaximumHeight(height);
    m->setMinimumWidth(m->fontMetrics().averageCharWidth() * 20);
    m->setAccessibleName(besideName(m_captionOf.value(left), what));
    addBeside(left, m, 3);
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
    m_grid->addLayout(newRow(c, 0), m_row++, labelColumn() + 1);
    m_rows = qMax(m_rows, m_row);
    return c;
}

QToolButton* PageBuilder::buttonRow(const QString& name, const QString& caption) {
    auto* b = new QToolButton(m_content);
    b->setObjectName(name);
    b->setText(caption);
    b->setAccessibleName(captionName(caption));
    m_captionOf.insert(b, caption);
    m_grid->addLayout(newRow(b, 0), m_row++, labelColumn() + 1);
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

QLabel* PageBuilder::section(const QString& title) {
    auto* l = new QLabel(QStringLiteral("<b>") + title.toHtmlEscaped() + QStringLiteral("</b>"), m_content);
    l->setTextFormat(Qt::RichText);
    // A long heading takes more lines rather than widen the page.
    l->setWordWrap(true);
    fullWidth(l);
    return l;
}

void setRowShown(QWidget* control, bool shown) {
    QWidget* content = control ? control->parentWidget() : nullptr;
    auto* grid = content ? qobject_cast<QGridLayout*>(content->layout()) : nullptr;
    if (grid) {
        for (int i = 0; i < grid->count(); ++i) {
            QLayout* row = grid->itemAt(i)->layout();
            if (!row || row->indexOf(control) < 0) continue;
            for (int k = 0; k < row->count(); ++k)
                if (QWidget* w = row->itemAt(k)->widget()) w->setVisible(shown);
            int r = 0, c = 0, rs = 0, cs = 0;
            grid->getItemPosition(i, &r, &c, &rs, &cs);
            if (QLayoutItem* caption = c > 0 ? grid->itemAtPosition(r, c - 1) : nullptr; caption && caption->widget())
                caption->widget()->setVisible(shown);
            return;
        }
    }
    if (control) control->setVisible(shown);
}

void PageBuilder::controlsRow(const QString& caption, const QList<QWidget*>& controls) {
    if (controls.isEmpty()) return;
    if (!caption.trimmed().isEmpty()) {
        rowCaption(caption);
    }
    auto* row = new RowLayout(12);
    for (QWidget* w : controls) {
        w->setParent(m_content);
        row->addWidget(w, 0);
        m_rowOf.insert(w, row);
        m_captionOf.insert(w, caption);
    }
    m_grid->addLayout(row, m_row++, labelColumn() + 1);
    m_rows = qMax(m_rows, m_row);
}

void PageBuilder::setStretch(QWidget* control, int stretch) {
    if (RowLayout* row = m_rowOf.value(control)) row->setStretch(control, stretch);
}

void PageBuilder::column() {
    ++m_column;
    m_row = 0;
    // The columns share the page by what their rows need: each its preferred width
    // first, what is left over equally.
    for (int c = 0; c < labelColumn() + 1; ++c) m_grid->setColumnStretch(c, 0);
}

QWidget* PageBuilder::beginPanel(const QString& name) {
    Q_ASSERT(!m_outer.content);
    auto* panel = new QWidget(m_content);
    panel->setObjectName(name);
    fullWidth(panel);
    m_outer = Outer{m_content, m_grid, m_row, m_rows, m_column};
    m_content = panel;
    m_grid = new QGridLayout(panel);
    m_grid->setContentsMargins(0, 0, 0, 0);
    // As the page's columns: a quarter for the captions.
    m_grid->setColumnStretch(0, 1);
    m_grid->setColumnStretch(1, 3);
    m_grid->setHorizontalSpacing(8);
    m_grid->setVerticalSpacing(4);
    m_row = m_rows = m_column = 0;
    return panel;
}

void PageBuilder::endPanel() {
    Q_ASSERT(m_outer.content);
    m_content = m_outer.content;
    m_grid = m_outer.grid;
    m_row = m_outer.row;
    m_rows = m_outer.rows;
    m_column = m_outer.column;
    m_outer = Outer{};
}

void PageBuilder::stretch() { m_grid->setRowStretch(m_rows, 1); }

} // namespace zort
