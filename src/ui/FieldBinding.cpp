#include "ui/FieldBinding.h"

#include <QLabel>
#include <QTabWidget>

#include "core/Formats.h"
#include "ui/Widgets.h"
#include "db/Dataset.h"
#include "core/DateUtil.h"
#include "core/MemoText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace zort {
namespace {

bool isFloat(const QMetaType& t) { return t.id() == QMetaType::Double || t.id() == QMetaType::Float; }

bool isDateTime(const QMetaType& t) {
    return t.id() == QMetaType::QDateTime || t.id() == QMetaType::QDate;
}

QString displayText(const QVariant& v, const QMetaType& type) {
    if (v.isNull() || !v.isValid()) return QString();
    if (isFloat(type) || v.metaType().id() == QMetaType::Double) return QString::number(v.toDouble(), 'f', 2);
    if (isDateTime(type) || isDateTime(v.metaType())) return Formats::dateTime(dates::toDateTime(v));
    return Field(v).asString();
}

// The width the window gave an edit. Typing stops there, but a longer stored text (a
// row written under another form, or before the limit) loads whole and is saved
// unchanged: the binder widens the field to it while it is shown.
int declaredWidth(QLineEdit* e) {
    const QVariant own = e->property("declaredMaxLength");
    const QVariant applied = e->property("appliedMaxLength");
    if (own.isValid() && applied.isValid() && applied.toInt() == e->maxLength()) return own.toInt();
    e->setProperty("declaredMaxLength", e->maxLength());
    return e->maxLength();
}

} // namespace

void setWholeText(QLineEdit* e, QString text) {
    const int declared = declaredWidth(e);
    // A fixed-width column comes back padded with blanks, possibly past its width.
    if (text.size() > declared)
        while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    const int width = qMax(declared, int(text.size()));
    const bool widened = width != e->maxLength();
    e->setMaxLength(width);
    e->setProperty("appliedMaxLength", e->maxLength());
    e->setText(text);
    // A field that follows the width rule is wide enough for the text at once.
    if (widened) fitFieldWidth(e);
}

std::optional<BoundControl> parseBoundControl(QWidget* w, MemoSlots memoSlots, QChar memoPrefix) {
    const QString name = w->objectName();
    BoundControl b;
    b.widget = w;
    if (qobject_cast<RadioGroup*>(w)) {
        if (name.size() < 4) return std::nullopt;
        b.kind = BoundKind::Radio;
        b.selector = name.at(2);
        b.column = name.mid(3);
        if (!name.startsWith(QLatin1String("rg")) && !name.startsWith(QLatin1String("eg"))) return std::nullopt;
        return b;
    }
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QComboBox*>(w)) {
        if (name.size() < 4 || !name.startsWith(QLatin1String("cb"))) return std::nullopt;
        b.kind = qobject_cast<QCheckBox*>(w) ? BoundKind::Check : BoundKind::Combo;
        b.selector = name.at(2);
        b.column = name.mid(3);
        return b;
    }
    if (qobject_cast<QPlainTextEdit*>(w)) {
        if (name.size() < 3 || !name.startsWith(memoPrefix)) return std::nullopt;
        b.kind = BoundKind::Memo;
        b.selector = name.at(1);
        QString rest = name.mid(2);
        int digits = 0;
        while (digits < rest.size() && rest.at(rest.size() - 1 - digits).isDigit()) ++digits;
        int take = 0;
        switch (memoSlots) {
        case MemoSlots::None: take = 0; break;
        case MemoSlots::TwoDigits: take = digits >= 2 ? 2 : 0; break;
        case MemoSlots::OneOrTwoDigits: take = qMin(digits, 2); break;
        case MemoSlots::OneDigit: take = qMin(digits, 1); break;
        }
        if (memoSlots == MemoSlots::TwoDigits && take != 2) return std::nullopt;
        if (take > 0) {
            b.slot = rest.right(take).toInt();
            rest.chop(take);
        }
        if (rest.isEmpty()) return std::nullopt;
        b.column = rest;
        return b;
    }
    if (qobject_cast<QLineEdit*>(w)) {
        if (name.size() < 3 || !name.startsWith(QLatin1Char('e'))) return std::nullopt;
        // An edit inside another control (a combo's or spin box's own) never binds.
        if (qobject_cast<QComboBox*>(w->parentWidget())) return std::nullopt;
        b.kind = BoundKind::Edit;
        b.selector = name.at(1);
        b.column = name.mid(2);
        return b;
    }
    return std::nullopt;
}

FieldBinder::FieldBinder(QWidget* root, MemoSlots memoSlots, std::vector<SelectorRule> rules, QChar memoPrefix)
    : m_root(root), m_slots(memoSlots), m_rules(std::move(rules)), m_memoPrefix(memoPrefix) {
    rescan();
}

const SelectorRule* FieldBinder::rule(QChar selector) const {
    for (const SelectorRule& r : m_rules)
        if (r.selector == selector) return &r;
    return nullptr;
}

void FieldBinder::rescan() {
    m_controls.clear();
    for (QWidget* w : m_root->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty()) continue;
        auto b = parseBoundControl(w, m_slots, m_memoPrefix);
        if (!b) continue;
        const SelectorRule* r = rule(b->selector);
        if (!r) continue;
        if (r->editsAndMemosOnly && b->kind != BoundKind::Edit && b->kind != BoundKind::Memo) continue;
        if (r->neverBound.contains(w->objectName(), Qt::CaseInsensitive)) continue;
        if (b->kind == BoundKind::Memo && r->memoSlots && *r->memoSlots != m_slots) {
            b = parseBoundControl(w, *r->memoSlots, m_memoPrefix);
            if (!b) continue;
        }
        m_controls << *b;
    }
}

void FieldBinder::load(const RowOf& rowOf, const Active& active) {
    for (const BoundControl& b : m_controls) {
        if (active && !active(b.selector)) continue;
        const SelectorRule* r = rule(b.selector);
        const Dataset* row = rowOf(r->target);
        if (!row || !row->hasColumn(b.column)) continue;
        const QVariant v = row->isEmpty() ? QVariant() : row->value(b.column);
        const QMetaType type = row->columnType(b.column);
        switch (b.kind) {
        case BoundKind::Edit: {
            auto* e = static_cast<QLineEdit*>(b.widget);
            const QSignalBlocker block(e);
            const QString text = displayText(v, type);
            setWholeText(e, text);
            e->setCursorPosition(0);
            m_loaded[e] = Loaded{e->text(), v};
            break;
        }
        case BoundKind::Memo: {
            auto* m = static_cast<QPlainTextEdit*>(b.widget);
            const QSignalBlocker block(m);
            m->setPlainText(memo::fromStored(Field(v).asString()));
            break;
        }
        case BoundKind::Radio: {
            auto* g = static_cast<RadioGroup*>(b.widget);
            g->setItemIndex(v.isNull() ? -1 : int(Field(v).asInt()) - r->radioOffsetFor(b.column));
            m_loaded[g] = Loaded{QString(), v};
            break;
        }
        case BoundKind::Combo: {
            auto* c = static_cast<QComboBox*>(b.widget);
            const QSignalBlocker block(c);
            c->setCurrentIndex(v.isNull() ? -1 : int(Field(v).asInt()) - r->comboOffset);
            m_loaded[c] = Loaded{QString(), v};
            break;
        }
        case BoundKind::Check: {
            auto* c = static_cast<QCheckBox*>(b.widget);
            const QSignalBlocker block(c);
            const QString t = Field(v).asTrimmed();
            if (v.isNull()) c->setChecked(false);
            else if (t == QLatin1String("t")) c->setChecked(true);
            else if (t == QLatin1String("n")) c->setChecked(false);
            break;
        }
        }
    }
}

void FieldBinder::clear() {
    for (const BoundControl& b : m_controls) {
        const QSignalBlocker block(b.widget);
        switch (b.kind) {
        case BoundKind::Edit: static_cast<QLineEdit*>(b.widget)->clear(); break;
        case BoundKind::Memo: static_cast<QPlainTextEdit*>(b.widget)->clear(); break;
        case BoundKind::Radio: static_cast<RadioGroup*>(b.widget)->setItemIndex(-1); break;
        case BoundKind::Combo: static_cast<QComboBox*>(b.widget)->setCurrentIndex(-1); break;
        case BoundKind::Check: static_cast<QCheckBox*>(b.widget)->setChecked(false); break;
        }
    }
    m_loaded.clear();
    m_baseline.clear();
}

namespace {

// What a bound control shows, as one comparable text.
QString shownState(const BoundControl& b) {
    switch (b.kind) {
    case BoundKind::Edit: return static_cast<QLineEdit*>(b.widget)->text();
    case BoundKind::Memo: return static_cast<QPlainTextEdit*>(b.widget)->toPlainText();
    case BoundKind::Radio: return QString::number(static_cast<RadioGroup*>(b.widget)->itemIndex());
    case BoundKind::Combo: return QString::number(static_cast<QComboBox*>(b.widget)->currentIndex());
    case BoundKind::Check: return static_cast<QCheckBox*>(b.widget)->isChecked() ? QStringLiteral("t") : QStringLiteral("n");
    }
    return QString();
}

} // namespace

void FieldBinder::takeBaseline(const Active& active) {
    m_baseline.clear();
    for (const BoundControl& b : m_controls) {
        if (active && !active(b.selector)) continue;
        const SelectorRule* r = rule(b.selector);
        if (r && r->save) m_baseline.insert(b.widget, shownState(b));
    }
}

QList<QWidget*> FieldBinder::changedControls() const {
    QList<QWidget*> changed;
    for (const BoundControl& b : m_controls) {
        const auto it = m_baseline.constFind(b.widget);
        if (it != m_baseline.constEnd() && *it != shownState(b)) changed << b.widget;
    }
    return changed;
}

bool FieldBinder::unchangedSinceLoad(QWidget* w) const {
    const auto it = m_loaded.constFind(w);
    if (it == m_loaded.constEnd()) return false;
    auto* e = qobject_cast<QLineEdit*>(w);
    return e && e->text() == it->text;
}

FieldBinder::Collected FieldBinder::collect(const RowOf& rowOf, const Active& active,
                                             const std::function<QString(int)>& slotParam) const {
    Collected out;
    for (const BoundControl& b : m_controls) {
        if (active && !active(b.selector)) continue;
        const SelectorRule* r = rule(b.selector);
        if (!r->save) continue;
        const Dataset* row = rowOf(r->target);
        const QMetaType type = row ? row->columnType(b.column) : QMetaType();
        ColumnValue a;
        a.column = b.column;
        switch (b.kind) {
        case BoundKind::Edit: {
            auto* e = static_cast<QLineEdit*>(b.widget);
            const QString text = e->text();
            if (text.trimmed().isEmpty()) break;
            const QVariant loaded = m_loaded.value(e).value;
            // A date shown without its seconds goes back with them, as it was loaded.
            const bool exact = isFloat(type) || isDateTime(type);
            a.value = exact && unchangedSinceLoad(e) && !loaded.isNull() ? loaded : QVariant(text);
            break;
        }
        case BoundKind::Memo: {
            auto* m = static_cast<QPlainTextEdit*>(b.widget);
            const QString text = m->toPlainText();
            if (!text.isEmpty()) a.value = memo::toStored(text);
            if (b.slot > 0) {
                a.blob = true;
                a.param = slotParam ? slotParam(b.slot) : QStringLiteral("Memo%1").arg(b.slot);
            }
            break;
        }
        case BoundKind::Radio: {
            const int i = static_cast<RadioGroup*>(b.widget)->itemIndex();
            if (i >= 0) a.value = i + r->radioOffsetFor(b.column);
            // A stored value the group has no item for goes back as it was.
            else a.value = m_loaded.value(b.widget).value;
            break;
        }
        case BoundKind::Combo: {
            const int i = static_cast<QComboBox*>(b.widget)->currentIndex();
            if (i >= 0) a.value = i + r->comboOffset;
            // A stored value the list has no item for goes back as it was.
            else a.value = m_loaded.value(b.widget).value;
            break;
        }
        case BoundKind::Check:
            a.value = static_cast<QCheckBox*>(b.widget)->isChecked() ? QStringLiteral("t") : QStringLiteral("n");
            break;
        }
        out.controls.insert(r->target + QLatin1Char('/') + b.column.toUpper(), b.widget);
        out.byTarget[r->target] << a;
    }
    return out;
}

QString saveFailedMessage() { return QStringLiteral("Błąd przy zapisie danych !!!"); }

QString saveRefusalText(const QString& caption, const QString& reason) {
    return saveFailedMessage() + QStringLiteral("\r\n") + caption + QStringLiteral(": ") + reason;
}

QString fieldCaption(QWidget* field) {
    if (!field) return QString();
    QString caption;
    for (QLabel* l : field->window()->findChildren<QLabel*>())
        if (l->buddy() == field) {
            caption = l->text();
            break;
        }
    if (caption.isEmpty()) caption = field->accessibleName();
    if (caption.isEmpty()) caption = field->objectName();
    caption.remove(QLatin1Char('&'));
    caption = caption.trimmed();
    while (caption.endsWith(QLatin1Char(':'))) caption = caption.chopped(1).trimmed();
    return caption;
}

void revealField(QWidget* field) {
    for (QWidget* w = field; w; w = w->parentWidget()) {
        auto* stack = w->parentWidget();
        if (!stack) break;
        if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget())) {
            const int i = tabs->indexOf(w);
            if (i >= 0) tabs->setCurrentIndex(i);
        }
    }
}

} // namespace zort
