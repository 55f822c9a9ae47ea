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

using Check = FieldCheckLinks::Check;

QList<QPair<QString, Check>> checksOf(std::initializer_list<const char*> names, Check check) {
    QList<QPair<QString, Check>> out;
    for (const char* n : names) out.append({QString::fromLatin1(n), check});
    return out;
}

} // namespace

const FieldCheckLinks::Table& FieldCheckLinks::atWorkTable() {
    static const Table table = [] {
        Table t;
        t.accidentDate = QStringLiteral("ewData");
        t.registrationDate = QStringLiteral("ewDataRejWyp");
        t.accidentDateCopy = QStringLiteral("e0Data");
        t.fields = checksOf({"ewNumer", "epNumerProt", "epNUMERKARTYWYP", "epNumerKarty", "epPktUstawy"}, Check::Whole) +
                   checksOf({"ewStratyZl", "epLiczbaPrac", "epProcUszczZUS", "epKwotaZUS"}, Check::Decimal) +
                   checksOf({"ewStratyCzasu", "epStaz", "epGodzPracy", "epDniNiezd", "epDniNiezdR"}, Check::Small) +
                   checksOf({"ewData"}, Check::AccidentDate) + checksOf({"ewDataRejWyp"}, Check::Registration) +
                   checksOf({"epDataUr", "ekDataProt", "ekDataZapoz", "ekDataOdb"}, Check::Date) +
                   checksOf({"erDataZg", "ekDataZg"}, Check::ReportDate) +
                   checksOf({"erDataUst", "erDataZakUst", "erDataZapoz", "erDataProt", "erDataZatw", "erDataOdb",
                             "epDataWypSKW", "epDataPPSKW", "epDataWypSKW2", "epDataPPSKW2", "epDataPismaZUS",
                             "epDataDecyzjiZUS"},
                            Check::DateAfterAccident);
        t.calendars = {
            {QStringLiteral("wDataWypCalBtn"), QStringLiteral("ewData")},
            {QStringLiteral("wDataRejBtn"), QStringLiteral("ewDataRejWyp")},
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
        return t;
    }();
    return table;
}

const FieldCheckLinks::Table& FieldCheckLinks::commutingTable() {
    static const Table table = [] {
        Table t;
        t.accidentDate = QStringLiteral("ezData");
        t.registrationDate = QStringLiteral("ezDataRejWyp");
        t.incapacityFrom = QStringLiteral("ezDataNiezdOd");
        t.incapacityTo = QStringLiteral("ezDataNiezdDo");
        t.incapacityDays = QStringLiteral("ezIlDniZwolnienia");
        t.yearOnSave = QStringLiteral("ezData");
        t.fields = checksOf({"ezNumer"}, Check::Whole) + checksOf({"ezProcUszZdr"}, Check::Decimal) +
                   checksOf({"ezData"}, Check::DateTime) + checksOf({"ezDataZg"}, Check::ReportDate) +
                   checksOf({"ezDataRejWyp"}, Check::Registration) +
                   checksOf({"ezDataUr", "ezDataSp", "ezDataOdbioru"}, Check::Date) +
                   checksOf({"ezDataNiezdOd", "ezDataNiezdDo"}, Check::Incapacity);
        t.calendars = {
            {QStringLiteral("SpeedButton4"), QStringLiteral("ezDataZg")},
            {QStringLiteral("zDataRejBtn"), QStringLiteral("ezDataRejWyp")},
            {QStringLiteral("zSpeedButton1"), QStringLiteral("ezDataNiezdOd")},
            {QStringLiteral("zSpeedButton3"), QStringLiteral("ezDataNiezdDo")},
            {QStringLiteral("zSpeedButton4"), QStringLiteral("ezDataSp")},
            {QStringLiteral("zsbDataOdbioru"), QStringLiteral("ezDataOdbioru")},
            {QStringLiteral("zSpeedButton2"), QStringLiteral("ezDataUr")},
        };
        return t;
    }();
    return table;
}

const FieldCheckLinks::Table& FieldCheckLinks::otherTable() {
    static const Table table = [] {
        Table t;
        t.accidentDate = QStringLiteral("eeData");
        t.registrationDate = QStringLiteral("eeDataRejWyp");
        t.accidentDateCopy = QStringLiteral("exData");
        t.fields = checksOf({"eeNumer", "efNumerProt", "efPktUstawy"}, Check::Whole) +
                   checksOf({"efProcUszZdr", "efKwotaOdszkod", "efStratyMat"}, Check::Decimal) +
                   checksOf({"efStaz", "efNrPoszk", "efZwolnienie"}, Check::Small) +
                   checksOf({"eeData"}, Check::DateTime) + checksOf({"eeDataRejWyp"}, Check::RegistrationGiven) +
                   checksOf({"efDataZg"}, Check::ReportDate) +
                   checksOf({"efDataUst", "efDataZakUst", "efDataProt", "efDataZatwZw", "efDataZatwDod", "efDataOdb"},
                            Check::DateAfterAccident) +
                   // The date of death is on two pages; each passes empty.
                   checksOf({"efDataUr", "efDataSporzEKW", "efDataSzkolBHP", "efDataSzkolZaw", "efDATASP", "efDATASm",
                             "e_DATASm"},
                            Check::Date);
        // Every date field has its calendar: "eCal" and the field's name after its
        // prefix (the mirror's with its "_").
        for (const char* field : {"eeData", "eeDataRejWyp", "efDataUr", "efDATASP", "efDataUst", "efDataZakUst",
                                  "efDataZg", "efDATASm", "efDataProt", "efDataZatwZw", "efDataZatwDod", "efDataOdb",
                                  "e_DATASm", "efDataSzkolBHP", "efDataSzkolZaw", "efDataSporzEKW"}) {
            const QString name = QString::fromLatin1(field);
            t.calendars.append({QStringLiteral("eCal") + name.mid(name.at(1) == QLatin1Char('_') ? 1 : 2), name});
        }
        t.mirrors = {{QStringLiteral("e_DATASm"), QStringLiteral("efDATASm")}};
        return t;
    }();
    return table;
}

const QList<QPair<QString, QString>>& FieldCheckLinks::calendarButtons() { return atWorkTable().calendars; }

FieldCheckLinks::FieldCheckLinks(QWidget* pages, QWidget* window, const Table& table)
    : QObject(window), m_table(table), m_pages(pages), m_window(window), m_checks(new LeaveChecks(window)) {
    for (const auto& [name, check] : m_table.fields) watch(name, check);
    for (const auto& [buttonName, fieldName] : m_table.calendars) {
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
    if (name == m_table.accidentDate && !m_table.accidentDateCopy.isEmpty())
        passed = [this](QLineEdit* f) {
            if (QLineEdit* copy = field(m_table.accidentDateCopy)) copy->setText(f->text());
        };
    if (check == Check::Incapacity) passed = [this](QLineEdit*) { recomputeDays(); };
    m_checks->watch(e, [this, check, e](const QString& t) {
        if (check != Check::Incapacity) return run(check, t);
        // "od" after "do": the days and the edited field are cleared.
        CheckResult r = FieldChecks::optionalDate(t);
        if (!r.ok()) return r;
        const QDate from = Formats::parseDateTime(text(m_table.incapacityFrom)).date();
        const QDate to = Formats::parseDateTime(text(m_table.incapacityTo)).date();
        if (from.isValid() && to.isValid() && from > to) {
            if (QLineEdit* days = field(m_table.incapacityDays)) days->clear();
            e->clear();
            return CheckResult::fail(QString::fromUtf8("Źle ustawione daty zwolnienia."));
        }
        return r;
    }, field(m_table.registrationDate), std::move(passed));
}

CheckResult FieldCheckLinks::run(Check check, const QString& t) const {
    switch (check) {
    case Check::Whole: return FieldChecks::wholeNumber(t);
    case Check::Decimal: return FieldChecks::decimalNumber(t);
    case Check::Small: return FieldChecks::smallWholeNumber(t);
    case Check::AccidentDate: return FieldChecks::accidentDate(t, text(m_table.registrationDate));
    case Check::DateTime:
        return Formats::parseDateTime(t).isValid() ? CheckResult::pass()
                                                   : CheckResult::fail(FieldChecks::missingDateMessage());
    case Check::Incapacity: return FieldChecks::optionalDate(t);
    case Check::Registration: {
        TDataModForm* d = dataMod();
        const int year = d && d->referenceDate().isValid() ? d->referenceDate().date().year() : Clock::today().year();
        return FieldChecks::registrationDate(t, text(m_table.accidentDate), year);
    }
    case Check::RegistrationGiven:
        if (!Formats::parseDate(t).isValid()) return CheckResult::fail(FieldChecks::missingDateMessage());
        return run(Check::Registration, t);
    case Check::Date: return FieldChecks::optionalDate(t);
    case Check::DateAfterAccident: return FieldChecks::optionalDateAfterAccident(t, text(m_table.accidentDate));
    case Check::ReportDate: return FieldChecks::reportDate(t, text(m_table.accidentDate));
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
        QLineEdit* source = e;
        for (const auto& [mirror, boundField] : m_table.mirrors)
            if (mirror == e->objectName()) source = field(boundField);
        const auto bound = source ? parseBoundControl(source, MemoSlots::TwoDigits) : std::nullopt;
        if (d && bound) {
            const QChar s = bound->selector;
            Dataset* rows = s == QLatin1Char('z')   ? d->qryWypadkiWDrodze
                            : s == QLatin1Char('w') ? d->qrySKWWypadki
                            : s == QLatin1Char('e') ? d->qryWypadki_Policja
                            : s == QLatin1Char('f') ? d->qryPoszkodowani_Policja
                                                    : d->qrySKWPoszkodowani;
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
    if (e->objectName() == m_table.accidentDate && typed.isValid() && typed.time() != QTime(0, 0))
        t += QLatin1Char(' ') + QLocale::c().toString(typed.time(), QStringLiteral("h:mm"));
    e->setText(t);
    if (check(e) && (e->objectName() == m_table.incapacityFrom || e->objectName() == m_table.incapacityTo))
        recomputeDays();
}

QString FieldCheckLinks::yearMessage() {
    return QString::fromUtf8("Rok daty wypadku musi być taki sam jak rok odniesienia");
}

bool FieldCheckLinks::checkFocusedBeforeSave(QWidget* focus) {
    if (!focus) return true;
    const QString name = focus->objectName();
    if (!m_table.incapacityFrom.isEmpty() && (name == m_table.incapacityFrom || name == m_table.incapacityTo))
        recomputeDays();
    auto* date = qobject_cast<QLineEdit*>(focus);
    if (!date || m_table.yearOnSave.isEmpty() || name != m_table.yearOnSave) return true;
    const QDateTime typed = Formats::parseDateTime(date->text().left(10));
    const TDataModForm* d = dataMod();
    const int year = d && d->referenceDate().isValid() ? d->referenceDate().date().year() : Clock::today().year();
    if (typed.isValid() && typed.date().year() == year) return true;
    showError(yearMessage(), m_window);
    date->setFocus();
    return false;
}

void FieldCheckLinks::recomputeDays() {
    QLineEdit* days = field(m_table.incapacityDays);
    if (!days) return;
    const QDate from = Formats::parseDateTime(text(m_table.incapacityFrom)).date();
    const QDate to = Formats::parseDateTime(text(m_table.incapacityTo)).date();
    if (text(m_table.incapacityFrom).trimmed().isEmpty() || text(m_table.incapacityTo).trimmed().isEmpty() ||
        !from.isValid() || !to.isValid()) {
        days->clear();
        return;
    }
    days->setText(QString::number(from.daysTo(to) + 1));
}

} // namespace zort
