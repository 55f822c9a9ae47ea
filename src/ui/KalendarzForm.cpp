#include "ui/KalendarzForm.h"

#include "core/Clock.h"
#include "core/Forms.h"
#include "ui/Widgets.h"
#include "ui/WindowLayout.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zort {
namespace {

// The calendar speaks Polish whatever the system's language is.
const QLocale& polish() {
    static const QLocale locale(QLocale::Polish, QLocale::Poland);
    return locale;
}

} // namespace

TKalendarzForm::TKalendarzForm(QWidget* parent) : QDialog(parent) {
    auto* layout = setUpDialog(this, QStringLiteral("KalendarzForm"), QStringLiteral("Kalendarz"), true);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("lMiesiac"));
    m_title->setAlignment(Qt::AlignCenter);
    QFont big = m_title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.25);
    m_title->setFont(big);
    layout->addWidget(m_title);

    auto* steps = new QHBoxLayout;
    layout->addLayout(steps);
    auto button = [this](QBoxLayout* row, const char* name, const QString& caption) {
        QPushButton* b = makeDialogButton(QString::fromLatin1(name), caption, this);
        row->addWidget(b);
        return b;
    };
    connect(button(steps, "bPoprzedniRok", QStringLiteral("Poprzedni rok")), &QPushButton::clicked, this,
            &TKalendarzForm::PoprzedniRokClick);
    connect(button(steps, "bPoprzedniMiesiac", QStringLiteral("Poprzedni miesiąc")), &QPushButton::clicked, this,
            &TKalendarzForm::PoprzedniMiesiacClick);
    connect(button(steps, "bNastepnyMiesiac", QStringLiteral("Następny miesiąc")), &QPushButton::clicked, this,
            &TKalendarzForm::NastepnyMiesiacClick);
    connect(button(steps, "bNastepnyRok", QStringLiteral("Następny rok")), &QPushButton::clicked, this,
            &TKalendarzForm::NastepnyRokClick);

    m_days = new QTableWidget(kWeeks, 7, this);
    m_days->setObjectName(QStringLiteral("Calendar1"));
    m_days->setAccessibleName(QStringLiteral("Kalendarz"));
    m_days->setHorizontalHeaderLabels(weekdayNames());
    m_days->verticalHeader()->hide();
    m_days->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_days->horizontalHeader()->setSectionsClickable(false);
    m_days->horizontalHeader()->setHighlightSections(false);
    m_days->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_days->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_days->setSelectionMode(QAbstractItemView::SingleSelection);
    m_days->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_days->setTabKeyNavigation(false);
    m_days->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_days->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_days->setMinimumSize(7 * 44, (kWeeks + 1) * 28);
    for (int row = 0; row < kWeeks; ++row) {
        for (int column = 0; column < 7; ++column) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignCenter);
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            m_days->setItem(row, column, cell);
        }
    }
    layout->addWidget(m_days, 1);
    // Moving in the grid (mouse or arrows) chooses the day.
    connect(m_days, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int, int) { dayChosen(row, column); });
    connect(m_days, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        dayChosen(row, column);
        accept();
    });

    auto* answers = new QHBoxLayout;
    layout->addLayout(answers);
    answers->addStretch();
    QPushButton* ok = button(answers, "bbAkceptuj", QStringLiteral("Akceptuj"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(button(answers, "bbRezygnuj", QStringLiteral("Rezygnuj")), &QPushButton::clicked, this, &QDialog::reject);
    answers->addStretch();
    setDate(Clock::today());
    WindowLayout::track(this);
}

QString TKalendarzForm::monthName(int month) {
    // The stand-alone form is the nominative ("luty"); the other one is the genitive
    // of a day in a date ("29 lutego").
    return month >= 1 && month <= 12 ? polish().standaloneMonthName(month, QLocale::LongFormat) : QString();
}

QString TKalendarzForm::titleOf(const QDate& date) {
    return monthName(date.month()) + QStringLiteral(", ") + QString::number(date.year());
}

QStringList TKalendarzForm::weekdayNames() {
    QStringList names;
    const int first = polish().firstDayOfWeek();
    for (int i = 0; i < 7; ++i) names << polish().dayName((first - 1 + i) % 7 + 1, QLocale::ShortFormat);
    return names;
}

void TKalendarzForm::setDate(const QDate& date) {
    if (date.isValid()) m_date = date;
    showMonth();
}

QDate TKalendarzForm::date() const { return m_date; }

QString TKalendarzForm::title() const { return m_title->text(); }

QDate TKalendarzForm::dateAt(int row, int column) const {
    if (row < 0 || row >= kWeeks || column < 0 || column >= 7) return {};
    const QDate day = m_first.addDays(row * 7 + column);
    return day.month() == m_date.month() ? day : QDate();
}

void TKalendarzForm::showMonth() {
    m_title->setText(titleOf(m_date));
    const QDate firstOfMonth(m_date.year(), m_date.month(), 1);
    const int lead = (firstOfMonth.dayOfWeek() - polish().firstDayOfWeek() + 7) % 7;
    m_first = firstOfMonth.addDays(-lead);
    const QSignalBlocker quiet(m_days);
    for (int row = 0; row < kWeeks; ++row) {
        for (int column = 0; column < 7; ++column) {
            const QDate day = dateAt(row, column);
            QTableWidgetItem* cell = m_days->item(row, column);
            cell->setText(day.isValid() ? QString::number(day.day()) : QString());
            cell->setFlags(day.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags);
            if (day == m_date) m_days->setCurrentCell(row, column);
        }
    }
}

void TKalendarzForm::dayChosen(int row, int column) {
    // A day of the month shown: the grid stays as it is.
    const QDate day = dateAt(row, column);
    if (day.isValid()) m_date = day;
}

void TKalendarzForm::PoprzedniMiesiacClick() { setDate(m_date.addMonths(-1)); }

void TKalendarzForm::NastepnyMiesiacClick() { setDate(m_date.addMonths(1)); }

void TKalendarzForm::PoprzedniRokClick() { stepYears(-1); }

void TKalendarzForm::NastepnyRokClick() { stepYears(1); }

void TKalendarzForm::stepYears(int years) {
    const QDate target(m_date.year() + years, m_date.month(), m_date.day());
    if (target.isValid()) setDate(target);
}

std::optional<QDate> TKalendarzForm::choose(const QDate& initial) {
    setDate(initial);
    m_days->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return date();
}

TKalendarzForm& calendarForm() { return *Forms::getOrCreate<TKalendarzForm>(QStringLiteral("TKalendarzForm")); }

} // namespace zort
