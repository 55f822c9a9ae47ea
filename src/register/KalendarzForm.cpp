#include "register/KalendarzForm.h"

#include "core/Forms.h"
#include "ui/Widgets.h"
#include "ui/WindowLayout.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zort {

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

    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("Calendar1"));
    m_calendar->setAccessibleName(QStringLiteral("Kalendarz"));
    m_calendar->setNavigationBarVisible(false);
    m_calendar->setFirstDayOfWeek(Qt::Monday);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setLocale(QLocale(QLocale::Polish, QLocale::Poland));
    m_calendar->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    layout->addWidget(m_calendar, 1);
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, &TKalendarzForm::showTitle);
    connect(m_calendar, &QCalendarWidget::activated, this, [this](QDate) { accept(); });

    auto* answers = new QHBoxLayout;
    layout->addLayout(answers);
    answers->addStretch();
    QPushButton* ok = button(answers, "bbAkceptuj", QStringLiteral("Akceptuj"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(button(answers, "bbRezygnuj", QStringLiteral("Rezygnuj")), &QPushButton::clicked, this, &QDialog::reject);
    answers->addStretch();
    showTitle();
    WindowLayout::track(this);
}

QString TKalendarzForm::monthName(int month) {
    static const char* const names[] = {"Styczeń", "Luty",     "Marzec",      "Kwiecień", "Maj",      "Czerwiec",
                                        "Lipiec",  "Sierpień", "Wrzesień", "Październik", "Listopad", "Grudzień"};
    return month >= 1 && month <= 12 ? QString::fromUtf8(names[month - 1]) : QString();
}

QString TKalendarzForm::titleOf(const QDate& date) {
    return monthName(date.month()) + QStringLiteral(", ") + QString::number(date.year());
}

void TKalendarzForm::setDate(const QDate& date) {
    if (date.isValid()) m_calendar->setSelectedDate(date);
    showTitle();
}

QDate TKalendarzForm::date() const { return m_calendar->selectedDate(); }

QString TKalendarzForm::title() const { return m_title->text(); }

void TKalendarzForm::showTitle() { m_title->setText(titleOf(date())); }

void TKalendarzForm::PoprzedniMiesiacClick() { setDate(date().addMonths(-1)); }

void TKalendarzForm::NastepnyMiesiacClick() { setDate(date().addMonths(1)); }

void TKalendarzForm::PoprzedniRokClick() { stepYears(-1); }

void TKalendarzForm::NastepnyRokClick() { stepYears(1); }

void TKalendarzForm::stepYears(int years) {
    const QDate d = date();
    const QDate target(d.year() + years, d.month(), d.day());
    if (target.isValid()) setDate(target);
}

std::optional<QDate> TKalendarzForm::choose(const QDate& initial) {
    setDate(initial);
    m_calendar->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return date();
}

TKalendarzForm& calendarForm() { return *Forms::getOrCreate<TKalendarzForm>(QStringLiteral("TKalendarzForm")); }

} // namespace zort
