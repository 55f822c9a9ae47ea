#pragma once
#include "domain/FieldChecks.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <functional>

class QLineEdit;
class QWidget;

namespace zort {

// The checks an entry window runs when the user leaves a field he changed: an error
// is shown over the window and the focus goes back into the field (or into the field
// the check compared it with), the value staying as typed; a warning is shown and
// the value kept. A field is checked again once it is changed again or after an
// error. Another window coming up (a message, a list) is no leaving.
class LeaveChecks : public QObject {
    Q_OBJECT
public:
    using Check = std::function<CheckResult(const QString& text)>;
    using Passed = std::function<void(QLineEdit* field)>;

    explicit LeaveChecks(QWidget* window);

    // `compared` takes the focus after an error that names the compared field;
    // `passed` runs after the check passed (a copy into another field).
    void watch(QLineEdit* field, Check check, QLineEdit* compared = nullptr, Passed passed = {});
    bool watches(const QLineEdit* field) const { return m_checks.contains(field); }

    // Runs the field's check now, as when the user leaves it; false after an error.
    bool check(QLineEdit* field);
    // Runs the checks of every field changed and not yet checked (before a save);
    // false at the first error.
    bool checkPending();
    // Before every save: the checks of the fields given (those changed since the
    // record was loaded, in page order) and then of those still pending; false at
    // the first error, whose field is shown and focused.
    bool checkBeforeSave(const QList<QWidget*>& changed);
    // How a field's page is shown after an error (the field's tabs by default).
    void setReveal(std::function<void(QWidget* field)> reveal) { m_reveal = std::move(reveal); }
    // The field counts as changed by the user (checked when left).
    void markEdited(QLineEdit* field) { m_edited.insert(field); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Watched {
        Check check;
        QPointer<QLineEdit> compared;
        Passed passed;
    };
    QWidget* m_window;
    QHash<const QLineEdit*, Watched> m_checks;
    QSet<const QLineEdit*> m_edited;
    bool m_checking = false;
    std::function<void(QWidget*)> m_reveal;
};

} // namespace zort
