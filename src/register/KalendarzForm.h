#pragma once
#include <QDate>
#include <QDialog>
#include <optional>

class QCalendarWidget;
class QLabel;

namespace zort {

// "Kalendarz": the date picker. The title shows the month of the chosen day as
// "month name, year" (the name in the nominative); the buttons step a month or a
// year, "Akceptuj" (or a double click on a day) closes with the chosen day,
// "Rezygnuj" without.
class TKalendarzForm : public QDialog {
    Q_OBJECT
public:
    explicit TKalendarzForm(QWidget* parent = nullptr);

    void setDate(const QDate& date);
    QDate date() const;
    QString title() const;

    // One month back or on; a day the new month lacks becomes its last day.
    void PoprzedniMiesiacClick();
    void NastepnyMiesiacClick();
    // One year back or on, keeping month and day; from 29 February to a year without
    // it the calendar does not move.
    void PoprzedniRokClick();
    void NastepnyRokClick();

    // Shows the calendar modally on the date; the chosen date, or nothing.
    std::optional<QDate> choose(const QDate& initial);

    // "Styczeń" ... "Grudzień".
    static QString monthName(int month);
    // The title of a date: "Luty, 2024".
    static QString titleOf(const QDate& date);

private:
    void stepYears(int years);
    void showTitle();

    QLabel* m_title;
    QCalendarWidget* m_calendar;
};

// The calendar of the run (created at start-up, or on first use).
TKalendarzForm& calendarForm();

} // namespace zort
