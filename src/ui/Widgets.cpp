#include "ui/Widgets.h"
#include <QTableView>
#include <QHeaderView>
#include "db/Dataset.h"
#include "db/DatasetModel.h"
#include "ui/CommandGuard.h"

#include <QEvent>
#include <QTextDocument>

#include "core/Formats.h"
#include "core/MemoText.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QVBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionFrame>

namespace zort {
namespace {

QString labelTextOf(const QWidget* w) {
    if (const QWidget* parent = w->parentWidget())
        for (const QLabel* l : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (l->buddy() == w) return captionName(l->text());
    return QString();
}

// A combo box as accessibility tools see it: named by its label (its accessible
// name), with the shown entry as its value, and its list as the last child.
class ComboAccessible : public QAccessibleWidget {
public:
    explicit ComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QComboBox* combo() const { return static_cast<QComboBox*>(object()); }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name: {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? labelTextOf(widget()) : name;
        }
        case QAccessible::Value:
            return combo()->isEditable() && combo()->lineEdit() ? combo()->lineEdit()->text() : combo()->currentText();
        default: return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view() && combo()->view()->isVisible();
        s.editable = combo()->isEditable();
        return s;
    }

    int childCount() const override { return QAccessibleWidget::childCount() + 1; }
    QAccessibleInterface* child(int index) const override {
        const int own = QAccessibleWidget::childCount();
        if (index == own) return QAccessible::queryAccessibleInterface(combo()->view());
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child && child->object() == combo()->view()) return QAccessibleWidget::childCount();
        return QAccessibleWidget::indexOfChild(child);
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) return;
        if (combo()->view() && combo()->view()->isVisible()) combo()->hidePopup();
        else combo()->showPopup();
    }
};

QAccessibleInterface* comboFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox") && object && object->isWidgetType())
        return new ComboAccessible(static_cast<QComboBox*>(object));
    return nullptr;
}

} // namespace

QString captionName(const QString& caption) {
    QString n = caption;
    n.remove(QLatin1Char('&'));
    n = n.simplified();
    while (n.endsWith(QLatin1Char(':'))) n = n.chopped(1).trimmed();
    return n;
}

QString besideName(const QString& caption, const QString& what) {
    return captionName(caption) + QStringLiteral(" — ") + what;
}

void labelControl(QLabel* label, QWidget* control) {
    label->setBuddy(control);
    control->setAccessibleName(captionName(label->text()));
}

void installAccessibility() {
    // After the application object: its own factories come first and the one
    // installed last wins.
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(comboFactory);
}

void setReadOnlyLook(QLineEdit* edit, bool readOnly) {
    edit->setReadOnly(readOnly);
    if (!readOnly) {
        edit->setPalette(QPalette());
        return;
    }
    QPalette p = edit->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::Base, p.color(group, QPalette::Window));
    edit->setPalette(p);
}

RadioGroup::RadioGroup(const QString& name, const QString& caption, const QStringList& items, QWidget* parent,
                       int columns)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this)) {
    setObjectName(name);
    const QString title = captionName(caption);
    setAccessibleName(title.isEmpty() ? name : title);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setVerticalSpacing(2);
    const int cols = columns > 0 ? columns : 1;
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items.at(i), this);
        b->setObjectName(name + QStringLiteral("_") + QString::number(i));
        // The group labels its buttons; the name says which question they answer.
        b->setAccessibleName(title.isEmpty() ? captionName(items.at(i)) : besideName(title, captionName(items.at(i))));
        m_group->addButton(b, i);
        layout->addWidget(b, i / cols, i % cols);
        connect(b, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on && !m_setting) emit chosen(i);
        });
    }
}

int RadioGroup::itemIndex() const { return m_group->checkedId(); }

void RadioGroup::setItemIndex(int index) {
    const QScopedValueRollback<bool> setting(m_setting, true);
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
    // A text put in with the field's signals blocked (a record loaded) is taken whole.
    connect(document(), &QTextDocument::contentsChanged, this, [this]() {
        if (signalsBlocked()) m_accepted = toPlainText();
    });
}

void MemoEdit::setMaxLength(int maxStoredLength) {
    m_max = maxStoredLength;
    m_accepted = toPlainText();
}

void MemoEdit::enforceLimit() {
    if (m_inLimit) return;
    const QString text = toPlainText();
    const int length = int(memo::toStored(text).size());
    const int before = int(memo::toStored(m_accepted).size());
    if (m_max <= 0 || length <= m_max || length <= before) {
        m_accepted = text;
        return;
    }
    m_inLimit = true;
    QTextCursor cursor = textCursor();
    if (before > m_max) {
        // A longer text than the limit, as it was stored: typing more is refused.
        const int pos = qMin(cursor.position(), int(m_accepted.size()));
        setPlainText(m_accepted);
        cursor = textCursor();
        cursor.setPosition(qMax(0, pos - (int(text.size()) - int(m_accepted.size()))));
        setTextCursor(cursor);
        m_inLimit = false;
        return;
    }
    // Cut at the limit counted in stored characters (a line break counts two).
    QString cut;
    int stored = 0;
    for (QChar c : text) {
        const int w = c == QLatin1Char('\n') ? 2 : 1;
        if (stored + w > m_max) break;
        stored += w;
        cut += c;
    }
    const int pos = qMin(cursor.position(), int(cut.size()));
    setPlainText(cut);
    cursor = textCursor();
    cursor.setPosition(pos);
    setTextCursor(cursor);
    m_accepted = cut;
    m_inLimit = false;
}

namespace {

class DoubleClickFilter : public QObject {
public:
    DoubleClickFilter(QObject* parent, std::function<void()> action) : QObject(parent), m_action(std::move(action)) {}
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonDblClick) m_action();
        return QObject::eventFilter(watched, e);
    }

private:
    std::function<void()> m_action;
};

} // namespace

void onDoubleClick(QWidget* field, std::function<void()> action) {
    field->installEventFilter(new DoubleClickFilter(field, std::move(action)));
}

namespace {

const char* const kFieldKind = "fieldKind";

// What the style puts round the text of a line edit (frame and contents margins).
int frameOf(const QLineEdit* e) {
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.rect = QRect(0, 0, 1000, e->fontMetrics().height() + 8);
    opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
    opt.midLineWidth = 0;
    opt.state |= QStyle::State_Sunken;
    const QRect contents = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
    return opt.rect.width() - contents.width();
}

// The width of a field that shows a text `textWidth` pixels wide whole: the text,
// the line edit's margins of 2 pixels on either side, its text margins, the frame,
// and 2 pixels for the cursor after the text.
int widthFor(const QLineEdit* e, int textWidth) {
    const QMargins m = e->textMargins();
    return textWidth + 2 * 2 + m.left() + m.right() + frameOf(e) + 2;
}

// A text with every digit as wide as the widest one.
int widestAdvance(const QFontMetrics& fm, const QString& text) {
    int digit = 0;
    for (char c = '0'; c <= '9'; ++c) digit = qMax(digit, fm.horizontalAdvance(QLatin1Char(c)));
    int width = 0;
    for (QChar c : text) width += c.isDigit() ? digit : fm.horizontalAdvance(c);
    return width;
}

class WidthRule : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::FontChange:
        case QEvent::StyleChange: fitFieldWidth(static_cast<QLineEdit*>(watched)); break;
        default: break;
        }
        return false;
    }
};

} // namespace

void applyWidthRule(QLineEdit* field, FieldKind kind) {
    if (!field->property(kFieldKind).isValid()) field->installEventFilter(new WidthRule(field));
    field->setProperty(kFieldKind, int(kind));
    fitFieldWidth(field);
}

FieldKind fieldKind(const QLineEdit* field) {
    const QVariant k = field->property(kFieldKind);
    return k.isValid() ? FieldKind(k.toInt()) : FieldKind::Text;
}

void fitFieldWidth(QLineEdit* field) {
    const QVariant k = field->property(kFieldKind);
    if (!k.isValid()) return;
    const QFontMetrics fm = field->fontMetrics();
    // The longest date: two-digit days, months, hours.
    const QDateTime longest(QDate(2028, 12, 28), QTime(20, 58, 58));
    const int n = field->maxLength();
    const int digit = widestAdvance(fm, QStringLiteral("0"));
    // A character of a text, as the line edit measures its own default width.
    const int average = fm.horizontalAdvance(QLatin1Char('x'));
    int least = 0;
    int most = QWIDGETSIZE_MAX;
    switch (FieldKind(k.toInt())) {
    case FieldKind::Date: least = most = widthFor(field, widestAdvance(fm, Formats::date(longest))); break;
    case FieldKind::DateTime: least = most = widthFor(field, widestAdvance(fm, Formats::dateTime(longest))); break;
    case FieldKind::Text:
        if (n <= 20) {
            least = widthFor(field, digit * n);
            most = widthFor(field, qMax(digit, average) * (n + 2));
        } else if (n >= 32767) {
            least = widthFor(field, digit * 12);
            most = qMax(least, widthFor(field, average * 22));
        } else {
            least = widthFor(field, average * qMin(n, 30));
        }
        break;
    }
    field->setMinimumWidth(least);
    field->setMaximumWidth(most);
}

QLineEdit* makeEdit(const QString& name, QWidget* parent, QLabel* label, int maxLength) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    if (maxLength > 0) e->setMaxLength(maxLength);
    if (label) labelControl(label, e);
    return e;
}

QComboBox* makeCombo(const QString& name, QWidget* parent, QLabel* label) {
    installAccessibility();
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    if (label) labelControl(label, c);
    return c;
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

std::function<void()> linkGridToDataset(QTableView* view, Dataset* data) {
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setAlternatingRowColors(true);
    view->horizontalHeader()->setStretchLastSection(true);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->verticalHeader()->hide();
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, view,
                     [view, data](const QModelIndex& current) {
                         if (current.isValid() && current.row() != data->recNo())
                             CommandGuard::run([&]() { data->moveTo(current.row()); }, view);
                     });
    auto follow = [view, data]() {
        if (data->recNo() < 0) return;
        const QModelIndex idx = view->model()->index(data->recNo(), 0);
        // Not blocked: the view repaints its selection from these signals, and the
        // reaction above leaves the dataset alone on the row it is on.
        if (view->currentIndex().row() != idx.row())
            view->selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        view->scrollTo(idx);
    };
    QObject::connect(data, &Dataset::scrolled, view, follow);
    // A cell edited in place that could not be written is reported here; the edit
    // stays pending in the dataset.
    if (auto* model = qobject_cast<DatasetModel*>(view->model())) {
        QObject::connect(model, &DatasetModel::writeFailed, view,
                         [view](const Error& e) { CommandGuard::reportFailure(e, view); });
        QObject::connect(model, &DatasetModel::fetchFailed, view,
                         [view](const Error& e) { CommandGuard::reportFailure(e, view); });
    }

    // The model was reset: the view's row again, whether or not the current row changed.
    QObject::connect(data, &Dataset::rowsRemoved, view, follow);
    return follow;
}

} // namespace zort
