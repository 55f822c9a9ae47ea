#pragma once
// Walks a window as screen readers and UI automation see it, through Qt's
// accessibility interfaces, and checks that every entry control is found by its
// label.
#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QSet>
#include <QStringList>
#include <QWidget>

namespace zort::test {

struct AccessibleControl {
    QAccessibleInterface* iface;
    QAccessible::Role role;
    QString name;
};

// The visible control of the type whose caption (without its "&") is the text, as a
// user finds a button or a check box by what it says.
template <class W>
W* byText(QWidget* root, const QString& text) {
    for (W* w : root->findChildren<W*>())
        if (w->text().remove(QLatin1Char('&')) == text && w->isVisible()) return w;
    return nullptr;
}

inline bool isEntryRole(QAccessible::Role r) {
    return r == QAccessible::EditableText || r == QAccessible::ComboBox || r == QAccessible::CheckBox ||
           r == QAccessible::RadioButton || r == QAccessible::SpinBox;
}

// A caption as a name: without the accelerator mark, the trailing colon and blanks.
inline QString withoutColon(QString text) {
    text.remove(QLatin1Char('&'));
    text = text.simplified();
    while (text.endsWith(QLatin1Char(':'))) text = text.chopped(1).trimmed();
    return text;
}

// The visible entry controls under `root`, in the order of the accessibility tree.
inline void collectEntryControls(QAccessibleInterface* root, QList<AccessibleControl>& out) {
    if (!root || root->state().invisible) return;
    const QAccessible::Role role = root->role();
    if (isEntryRole(role)) {
        out.append({root, role, root->text(QAccessible::Name)});
        if (role == QAccessible::ComboBox) return;  // its list is not a control of the page
    }
    if (role == QAccessible::Table || role == QAccessible::List || role == QAccessible::Tree) return;
    for (int i = 0; i < root->childCount(); ++i) collectEntryControls(root->child(i), out);
}

inline QList<AccessibleControl> entryControls(QWidget* root) {
    QList<AccessibleControl> out;
    collectEntryControls(QAccessible::queryAccessibleInterface(root), out);
    return out;
}

// What is wrong with the entry controls under `root` (empty when nothing is):
// - every control has a name, without a trailing colon, doubled colons or blanks;
// - a control with a label is named by its label's text and labelled by it;
// - a check box is named by its caption, a radio button by its group's caption and
//   its own ("Płeć — kobieta"), and is labelled by the group;
// - a control without a label of its own (beside a labelled field) is named by the
//   field's label and what it is ("Obywatelstwo — opis");
// - no two controls share name and role.
inline QStringList accessibilityFaults(QWidget* root) {
    QStringList faults;
    QSet<QString> seen;
    for (const AccessibleControl& c : entryControls(root)) {
        QWidget* w = qobject_cast<QWidget*>(c.iface->object());
        const QString who = (w ? w->objectName() : QStringLiteral("?")) + QStringLiteral(" [") + c.name +
                            QStringLiteral("]: ");
        if (c.name.trimmed().isEmpty()) {
            faults << who + QStringLiteral("no name");
            continue;
        }
        if (c.name != c.name.simplified() || c.name.endsWith(QLatin1Char(':')) || c.name.contains(QStringLiteral(": —")) ||
            c.name.contains(QStringLiteral("::")))
            faults << who + QStringLiteral("a caption's colon or blanks in the name");
        const QString key = QString::number(int(c.role)) + QLatin1Char('|') + c.name;
        if (seen.contains(key)) faults << who + QStringLiteral("the name of another control");
        seen.insert(key);

        QString labelText;
        bool groupLabel = false;
        for (const auto& rel : c.iface->relations(QAccessible::Label)) {
            if (auto* l = qobject_cast<QLabel*>(rel.first->object())) labelText = l->text();
            if (auto* g = qobject_cast<QGroupBox*>(rel.first->object())) {
                labelText = g->title();
                groupLabel = true;
            }
        }
        if (c.role == QAccessible::RadioButton) {
            auto* b = qobject_cast<QAbstractButton*>(w);
            if (!groupLabel) faults << who + QStringLiteral("not labelled by its group");
            else if (b && c.name != withoutColon(labelText) + QStringLiteral(" — ") + withoutColon(b->text()))
                faults << who + QStringLiteral("not named by its group and caption");
        } else if (c.role == QAccessible::CheckBox && groupLabel) {
            // A check box of a group of several: named by the group and its caption.
            auto* b = qobject_cast<QAbstractButton*>(w);
            if (b && c.name != withoutColon(b->text()) &&
                c.name != withoutColon(labelText) + QStringLiteral(" — ") + withoutColon(b->text()))
                faults << who + QStringLiteral("not named by its group and caption");
        } else if (c.role == QAccessible::CheckBox && labelText.isEmpty()) {
            auto* b = qobject_cast<QAbstractButton*>(w);
            if (b && c.name != withoutColon(b->text())) faults << who + QStringLiteral("not named by its caption");
        } else if (!labelText.isEmpty()) {
            if (c.name != withoutColon(labelText)) faults << who + QStringLiteral("not named by its label ") + labelText;
        } else if (!c.name.contains(QStringLiteral(" — "))) {
            faults << who + QStringLiteral("neither labelled nor named after the field it is beside");
        }
    }
    return faults;
}

} // namespace zort::test
