#pragma once
#include <QDate>
#include <QDialog>
#include <QStringList>
#include <optional>

class QLabel;
class QTableWidget;

namespace zort {

// "Kalendarz": the date picker. The title shows the month of the chosen day as
// "month name, year" (the Polish name in the nominative, lower case: "luty, 2024");
// below it the month as a grid of days under the weekday names, the week from
// Monday. The buttons step a month or a year, "Akceptuj" (or a double click on a
// day) closes with the chosen day, "Rezygnuj" without.
class TKalendarzForm : public QDialog {
    Q_OBJECT
public:
    // Six weeks cover every month whatever day it starts on.
    static constexpr int kWeeks = 6;

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

    // The grid of days ("Calendar1"): the columns are the weekdays, the rows the
    // weeks of the month; the cells before its first day and after its last are
    // empty and cannot be chosen.
    QTableWidget* days() const { return m_days; }
    // The day shown in a cell of the grid; invalid for an empty cell.
    QDate dateAt(int row, int column) const;

    // "styczeń" ... "grudzień".
    static QString monthName(int month);
    // The title of a date: "luty, 2024".
    static QString titleOf(const QDate& date);
    // The column headers: "pon." ... "niedz.", from the first day of the Polish week.
    static QStringList weekdayNames();

private:
    void stepYears(int years);
    void showMonth();
    void dayChosen(int row, int column);

    QLabel* m_title;
    QTableWidget* m_days;
    QDate m_date;
    // The day the first cell of the grid stands for (the Monday of the first week).
    QDate m_first;
};

// The calendar of the run (created at start-up, or on first use).
TKalendarzForm& calendarForm();

} // namespace zort
