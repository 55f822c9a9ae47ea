#include "register/FieldCheckLinks.h"

#include "core/Clock.h"
#include "core/Formats.h"
#include "core/UserInterface.h"
#include "domain/DataModForm.h"
#include "domain/FieldChecks.h"
#include "ui/KalendarzForm.h"
#include "ui/CommandGuard.h"
#include "ui/FieldBinding.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QTimer>
#include <QToolButton>

namespace zort {
namespace {

const QString kAccidentDate = QStringLiteral("ewData");
const QString kRegistrationDate = QStringLiteral("ewDataRejWyp");

} // namespace

const QList<QPair<QString, QString>>& FieldCheckLinks::calendarButtons() {
    static const QList<QPair<QString, QString>> buttons{
        {QStringLiteral("wDataWypCalBtn"), kAccidentDate},
        {QStringLiteral("wDataRejBtn"), kRegistrationDate},
        {QStringLiteral("wDataUrCalBtn"), QStringLiteral("epDataUr")},
        {QStringLiteral("wrDataZgCalBtn"), QStringLiteral("erDataZg")},
        {QStringLiteral("wrDataUstCalBtn"), QStringLiteral("erDataUst")},
        {QStringLiteral("wrDataZakUstCalBtn"), QStringLiteral("erDataZakUst")},
        {QStringLiteral("wrDataProtCalBtn"), QStringLiteral("erDataProt")},
        {QStringLiteral("wrDataZapozCalBtn"), QStringLiteral("erDataZapoz")},
        {QStringLiteral("wrDataZatwCalBtn"), QStringLiteral("erDataZatw")},
        {QStringLiteral("wrDataOdbCalBtn"), QStringLiteral("erDataOdb")},
        {QStringLiteral("wkDataZgCalBtn"), QStringLiteral("ekDataZg")},
        {QStringLiteral("wkDataZapozCalBtn"), QStringLiteral("ekDataZapoz")},
        {QStringLiteral("wkDataProtCalBtn"), QStringLiteral("ekDataProt")},
        {QStringLiteral("wkDataOdbCalBtn"), QStringLiteral("ekDataOdb")},
        {QStringLiteral("wDataWypSKWCalBtn"), QStringLiteral("epDataWypSKW")},
        {QStringLiteral("wDataPPSKWCalBtn"), QStringLiteral("epDataPPSKW")},
        {QStringLiteral("wDataWypSKW2CalBtn"), QStringLiteral("epDataWypSKW2")},
        {QStringLiteral("wDataPPSKW2CalBtn"), QStringLiteral("epDataPPSKW2")},
        {QStringLiteral("wDataPismaZUSCalBtn"), QStringLiteral("epDataPismaZUS")},
        {QStringLiteral("wDataDecyzjiZUSCalBtn"), QStringLiteral("epDataDecyzjiZUS")},
    };
    return buttons;
}

FieldCheckLinks::FieldCheckLinks(QWidget* pages, QWidget* window)
    : QObject(window), m_pages(pages), m_window(window), m_checks(new LeaveChecks(window)) {
    for (const char* n : {"ewNumer", "epNumerProt", "epNUMERKARTYWYP", "epNumerKarty", "epPktUstawy"})
        watch(QString::fromLatin1(n), Check::Whole);
    for (const char* n : {"ewStratyZl", "epLiczbaPrac", "epProcUszczZUS", "epKwotaZUS"})
        watch(QString::fromLatin1(n), Check::Decimal);
    for (const char* n : {"ewStratyCzasu", "epStaz", "epGodzPracy", "epDniNiezd", "epDniNiezdR"})
        watch(QString::fromLatin1(n), Check::Small);
    watch(kAccidentDate, Check::AccidentDate);
    watch(kRegistrationDate, Check::Registration);
    for (const char* n : {"epDataUr", "ekDataProt", "ekDataZapoz", "ekDataOdb"}) watch(QString::fromLatin1(n), Check::Date);
    for (const char* n : {"erDataZg", "ekDataZg"}) watch(QString::fromLatin1(n), Check::ReportDate);
    for (const char* n : {"erDataUst", "erDataZakUst", "erDataZapoz", "erDataProt", "erDataZatw", "erDataOdb", "epDataWypSKW",
                          "epDataPPSKW", "epDataWypSKW2", "epDataPPSKW2", "epDataPismaZUS", "epDataDecyzjiZUS"})
        watch(QString::fromLatin1(n), Check::DateAfterAccident);

    for (const auto& [buttonName, fieldName] : calendarButtons()) {
        auto* button = m_pages->findChild<QToolButton*>(buttonName);
        QLineEdit* target = field(fieldName);
        if (!button || !target) continue;
        connect(button, &QToolButton::clicked, this,
                [this, target]() { CommandGuard::run([this, target]() { chooseDate(target); }, m_window); });
    }
}

QLineEdit* FieldCheckLinks::field(const QString& name) const { return m_pages->findChild<QLineEdit*>(name); }

QString FieldCheckLinks::text(const QString& name) const {
    QLineEdit* e = field(name);
    return e ? e->text() : QString();
}

void FieldCheckLinks::watch(const QString& name, Check check) {
    QLineEdit* e = field(name);
    if (!e) return;
    LeaveChecks::Passed passed;
    // The accident's date is shown again on the pages of the injured person.
    if (check == Check::AccidentDate)
        passed = [this](QLineEdit* f) {
            if (QLineEdit* copy = field(QStringLiteral("e0Data"))) copy->setText(f->text());
        };
    m_checks->watch(e, [this, check](const QString& t) { return run(check, t); }, field(kRegistrationDate),
                    std::move(passed));
}

CheckResult FieldCheckLinks::run(Check check, const QString& t) const {
    switch (check) {
    case Check::Whole: return FieldChecks::wholeNumber(t);
    case Check::Decimal: return FieldChecks::decimalNumber(t);
    case Check::Small: return FieldChecks::smallWholeNumber(t);
    case Check::AccidentDate: return FieldChecks::accidentDate(t, text(kRegistrationDate));
    case Check::Registration: {
        TDataModForm* d = dataMod();
        const int year = d && d->referenceDate().isValid() ? d->referenceDate().date().year() : Clock::today().year();
        return FieldChecks::registrationDate(t, text(kAccidentDate), year);
    }
    case Check::Date: return FieldChecks::optionalDate(t);
    case Check::DateAfterAccident: return FieldChecks::optionalDateAfterAccident(t, text(kAccidentDate));
    case Check::ReportDate: return FieldChecks::reportDate(t, text(kAccidentDate));
    }
    return CheckResult::pass();
}

bool FieldCheckLinks::check(QLineEdit* e) { return m_checks->check(e); }

void FieldCheckLinks::chooseDate(QLineEdit* e) {
    if (!e || !e->isEnabled() || e->isReadOnly()) return;
    const QDateTime typed = Formats::parseDateTime(e->text());
    QDate initial = typed.isValid() ? typed.date() : QDate();
    if (!initial.isValid()) {
        // The date the record holds.
        TDataModForm* d = dataMod();
        const auto bound = parseBoundControl(e, MemoSlots::TwoDigits);
        if (d && bound) {
            Dataset* rows = bound->selector == QLatin1Char('w') ? d->qrySKWWypadki : d->qrySKWPoszkodowani;
            if (rows && !rows->isEmpty() && rows->hasColumn(bound->column)) {
                const QDateTime stored = rows->field(bound->column).asDateTime();
                if (stored.isValid() && !Formats::date(stored).isEmpty()) initial = stored.date();
            }
        }
    }
    if (!initial.isValid()) initial = Clock::today();
    const auto chosen = calendarForm().choose(initial);
    if (!chosen) return;
    QString t = Formats::date(*chosen);
    // The accident's date keeps its time of day.
    if (e->objectName() == kAccidentDate && typed.isValid() && typed.time() != QTime(0, 0))
        t += QLatin1Char(' ') + QLocale::c().toString(typed.time(), QStringLiteral("h:mm"));
    e->setText(t);
    check(e);
}

} // namespace zort
