#include "ui/RecordSave.h"

#include "core/UserInterface.h"
#include "db/DbError.h"
#include "db/ColumnTypes.h"
#include "ui/CommandGuard.h"

#include <QWidget>

namespace zort {

QString RecordSave::targetOfTable(const QString& table) {
    return table.contains(QLatin1String("POSZKOD"), Qt::CaseInsensitive) ? QStringLiteral("person")
                                                                          : QStringLiteral("accident");
}

void RecordSave::refuse(QWidget* window, const QString& text, QWidget* field, const Reveal& reveal) {
    showError(text, window);
    if (!field) return;
    if (reveal) reveal(field);
    else revealField(field);
    field->setFocus(Qt::OtherFocusReason);
}

bool RecordSave::run(QWidget* window, const Checks& checks, const Collect& collect, const Write& write,
                     const Reveal& reveal) {
    if (checks && !checks()) return false;
    FieldBinder::Collected values;
    try {
        values = collect();
        write(values);
    } catch (const ValueRefused& e) {
        QWidget* field = values.control(targetOfTable(e.table()), e.column());
        refuse(window, saveRefusalText(field ? fieldCaption(field) : e.column(), e.reason()), field, reveal);
        return false;
    } catch (const DbError& e) {
        // The typed values stay; the user saves again once the database answers.
        CommandGuard::report(e, window, saveFailedMessage());
        return false;
    }
    return true;
}

} // namespace zort
