#pragma once
#include <QHash>
#include <QList>
#include <QPair>
#include <QObject>
#include <QSet>

#include "ui/LeaveChecks.h"

class QLineEdit;
class QWidget;

namespace zort {

// The checks of the number and date fields of the pages of accidents at work, run
// when the user has left a field he changed (FieldChecks): an error is shown and the
// focus goes back into the field (or into the field the check names); the
// registration date warns about another register year. The calendar buttons beside
// the date fields ("w...CalBtn", "wDataRejBtn") open the calendar on the field's
// date and run the field's check on the date chosen.
class FieldCheckLinks : public QObject {
    Q_OBJECT
public:
    // RegistrationGiven: as Registration, an empty or unreadable date named missing.
    enum class Check { Whole, Decimal, Small, AccidentDate, Registration, RegistrationGiven, Date, DateAfterAccident,
                       ReportDate, DateTime, Incapacity };

    // Which check each field of a register's pages runs, and its calendar buttons.
    struct Table {
        QString accidentDate;          // the accident's date and time
        QString registrationDate;      // the registration date (the year warning)
        QString accidentDateCopy;      // shown again on the person's pages (its check passed), when any
        QString incapacityFrom, incapacityTo, incapacityDays;  // days of incapacity, when any
        QList<QPair<QString, Check>> fields;
        QList<QPair<QString, QString>> calendars;  // button name, field name
        // A field that shows a bound field's date again (its calendar opens on that
        // field's stored date): mirror, bound field.
        QList<QPair<QString, QString>> mirrors;
        // A save refuses this date while it still has the focus and is not of the
        // reference year (the accident date of the commuting register).
        QString yearOnSave;
    };
    static const Table& atWorkTable();
    static const Table& commutingTable();
    static const Table& otherTable();

    // `pages` holds the accident page and the injured person's pages; messages
    // are shown over `window`.
    FieldCheckLinks(QWidget* pages, QWidget* window, const Table& table = atWorkTable());

    // Runs the field's check as when the user leaves it; false after an error.
    bool check(QLineEdit* field);
    // Before a save: the checks of the fields changed since loading (page order),
    // then of those still pending; false at the first error (its field shown).
    bool checkBeforeSave(const QList<QWidget*>& changed) { return m_checks->checkBeforeSave(changed); }
    // Before a save, of the field that still has the focus: the days of incapacity
    // computed anew from an incapacity date, and the year of the table's date; false
    // (after the message, the focus in the date) refuses the save.
    bool checkFocusedBeforeSave(QWidget* focus);
    static QString yearMessage();
    void setReveal(std::function<void(QWidget*)> reveal) { m_checks->setReveal(std::move(reveal)); }
    // Opens the calendar for a date field: on its date, else the stored date, else
    // today; the chosen date goes into the field and the field's check runs.
    void chooseDate(QLineEdit* field);
    // Days of incapacity from the two dates (calendar days, both counted); cleared
    // when either is empty.
    void recomputeDays();

    // The calendar button of each date field (button name, field name).
    static const QList<QPair<QString, QString>>& calendarButtons();

private:
    QLineEdit* field(const QString& name) const;
    QString text(const QString& name) const;
    void watch(const QString& name, Check check);
    CheckResult run(Check check, const QString& text) const;


    const Table& m_table;
    QWidget* m_pages;
    QWidget* m_window;
    LeaveChecks* m_checks;
};

} // namespace zort
