#include "ui/LeaveChecks.h"

#include "core/UserInterface.h"
#include "ui/FieldBinding.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

namespace zort {

LeaveChecks::LeaveChecks(QWidget* window) : QObject(window), m_window(window) {}

void LeaveChecks::watch(QLineEdit* e, Check check, QLineEdit* compared, Passed passed) {
    if (!e) return;
    m_checks.insert(e, Watched{std::move(check), compared, std::move(passed)});
    e->installEventFilter(this);
    connect(e, &QLineEdit::textEdited, this, [this, e]() { m_edited.insert(e); });
    connect(e, &QObject::destroyed, this, [this, e]() {
        m_checks.remove(e);
        m_edited.remove(e);
    });
}

bool LeaveChecks::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !m_checking) {
        auto* e = static_cast<QLineEdit*>(watched);
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Another window coming up (a message, a list) or a popup menu is no leaving.
        const bool left = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        // Checked once the focus has moved: the field ends its own leaving first.
        if (left && m_edited.contains(e))
            QTimer::singleShot(0, this, [this, field = QPointer<QLineEdit>(e)]() {
                if (field && !m_checking && m_edited.contains(field) && field->isEnabled() && !field->isReadOnly())
                    check(field);
            });
    }
    return QObject::eventFilter(watched, event);
}

bool LeaveChecks::checkPending() {
    const auto pending = m_edited;
    for (const QLineEdit* e : pending)
        if (auto* field = const_cast<QLineEdit*>(e); field->isEnabled() && !field->isReadOnly() && !check(field))
            return false;
    return true;
}

bool LeaveChecks::checkBeforeSave(const QList<QWidget*>& changed) {
    for (QWidget* w : changed) {
        auto* field = qobject_cast<QLineEdit*>(w);
        if (field && watches(field) && field->isEnabled() && !field->isReadOnly() && !check(field)) return false;
    }
    return checkPending();
}

bool LeaveChecks::check(QLineEdit* e) {
    const auto it = m_checks.constFind(e);
    if (it == m_checks.constEnd()) return true;
    const Watched w = *it;
    const CheckResult r = w.check(e->text());
    m_checking = true;
    if (r.error()) {
        m_edited.insert(e);  // leaving it again checks again
        if (r.plain) ui().message(r.message, QString(), MsgIcon::None, MsgButtons::Ok, m_window);
        else showError(r.message, m_window);
        QLineEdit* target = r.focus == CheckResult::Focus::Compared && w.compared ? w.compared.data() : e;
        // The field's page comes up (a save may run while another page is shown).
        if (m_reveal) m_reveal(target);
        else revealField(target);
        m_checking = false;
        if (target->isVisibleTo(target->window())) target->setFocus(Qt::OtherFocusReason);
        return false;
    }
    m_edited.remove(e);
    if (r.warning()) ui().message(r.message, QStringLiteral("Uwaga"), MsgIcon::Warning, MsgButtons::Ok, m_window);
    m_checking = false;
    if (w.passed) w.passed(e);
    return true;
}

} // namespace zort
