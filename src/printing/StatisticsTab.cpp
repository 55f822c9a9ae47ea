#include "printing/StatisticsTab.h"

#include "core/AdmSettings.h"
#include "core/Error.h"
#include "core/UserInterface.h"
#include "domain/DataModForm.h"
#include "domain/FieldChecks.h"
#include "domain/OrgStructure.h"
#include "printing/DocumentPdf.h"
#include "printing/RegisterFilter.h"
#include "printing/ReportForms.h"
#include "printing/StatisticsCharts.h"
#include "printing/StatisticsForms.h"
#include "ui/LeaveChecks.h"
#include "ui/ProgresForm.h"
#include "ui/StructureTree.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <limits>

namespace zort::print {

using namespace statistics;

namespace {

const QString kPeriodsCaption = QStringLiteral("Okresy porównawcze :");
const QString kEmployeesCaption = QStringLiteral("Liczba zatrudnionych w roku :");
const QString kShiftsCaption = QStringLiteral("Zmiany robocze   od         do : ");
const QString kYear1 = QStringLiteral("Rok 1 : ");
const QString kYear2 = QStringLiteral("Rok 2 :");

// The default hours of the shifts; the fourth is empty.
const char* const kShiftDefaults[4][2] = {{"6", "14"}, {"14", "22"}, {"22", "6"}, {"", ""}};

bool isWhole(const QString& t, qint64& n) {
    bool ok = false;
    n = t.trimmed().toLongLong(&ok);
    return ok;
}

// Years: whole numbers 0 to 32767 as every such field, and a real year.
CheckResult yearCheck(const QString& text, const QString& field) {
    CheckResult r = FieldChecks::smallWholeNumber(text);
    if (!r.ok()) return r;
    if (text.trimmed().isEmpty()) return CheckResult::fail(FieldChecks::wholeFormatMessage());
    if (!yearAccepted(text.trimmed().toInt())) return CheckResult::fail(StatisticsTab::yearRangeMessage(field));
    return CheckResult::pass();
}

// Employee counts: the range of the stored column, never negative.
CheckResult employeesCheck(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return CheckResult::pass();
    qint64 n = 0;
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    if (!digits.match(t).hasMatch()) return CheckResult::fail(FieldChecks::wholeFormatMessage());
    if (t.startsWith(QLatin1Char('-'))) return CheckResult::fail(FieldChecks::smallRangeMessage());
    if (!isWhole(t, n) || !employeesAccepted(n)) return CheckResult::fail(FieldChecks::wholeFormatMessage());
    return CheckResult::pass();
}

QComboBox* periodBox(const QString& name, QWidget* parent) {
    QComboBox* c = makeCombo(name, parent);
    c->addItems(periodItemNames());
    c->setCurrentIndex(0);
    return c;
}

} // namespace

QString StatisticsTab::yearRangeMessage(const QString& field) {
    return QStringLiteral("%1: rok musi być liczbą od 1 do 9998.").arg(captionName(field));
}

StatisticsTab::StatisticsTab() = default;
StatisticsTab::~StatisticsTab() = default;

TDataModForm* StatisticsTab::dm() const { return m_dm ? m_dm : dataMod(); }

OrgStructure StatisticsTab::structure() const {
    TDataModForm* d = dm();
    return OrgStructure(d->KartyDB(), [d](int id) { return d->IsElementDenied(id); });
}

void StatisticsTab::build(QWidget* page) {
    m_page = page;
    m_checks = new LeaveChecks(page->window());
    auto* columns = new QHBoxLayout;
    static_cast<QVBoxLayout*>(page->layout())->addLayout(columns, 1);

    // The three lists of summaries: choosing in one clears the other two.
    auto* lists = new QVBoxLayout;
    rgZest = new RadioGroup(QStringLiteral("rgZest"), QStringLiteral("Rodzaj zestawienia :"),
                            {QStringLiteral("Wypadki "), QStringLiteral("Wiek pracowników, którzy ulegli wypadkom"),
                             QStringLiteral("Staż pracy w zakładzie"), QStringLiteral("Przepracowane godziny"),
                             QStringLiteral("Dni tygodnia"), QStringLiteral("Miesiące, kwartały"),
                             QStringLiteral("Zmianowość w pracy"), QStringLiteral("Badania lekarskie, szkolenia BHP"),
                             QStringLiteral("Płeć osób, które uległy wypadkom"), QStringLiteral("Wypadki na stanowisku")},
                            page);
    lists->addWidget(rgZest);
    auto* cardLabel = new QLabel(QStringLiteral("Zestawienia na podstawie SKW 2010/2009/2004 :"), page);
    cbSKW2004 = makeCombo(QStringLiteral("cbSKW2004"), page, cardLabel);
    for (const ClassificationItem& item : classificationItems()) cbSKW2004->addItem(item.name);
    cbSKW2004->setCurrentIndex(-1);
    lists->addWidget(cardLabel);
    lists->addWidget(cbSKW2004);
    rgZest_old = new RadioGroup(QStringLiteral("rgZest_old"), QStringLiteral("Zestawienia na podstawie SKW 2000 :"),
                                {QStringLiteral("Wydarzenia powodujące obrażenia wg  GUS"),
                                 QStringLiteral("Umiejscowienie urazów powypadkowych"),
                                 QStringLiteral("Czynniki powodujące wypadek"), QStringLiteral("Grupy źródeł czynników"),
                                 QStringLiteral("Grupy przyczyn powodujących obrażenia"),
                                 QStringLiteral("Miejsce powstania wypadku"), QStringLiteral("Czynności wykonywane")},
                                page);
    lists->addWidget(rgZest_old);
    lists->addStretch(1);
    columns->addLayout(lists, 2);

    tvStruktPrzeds = new QTreeWidget(page);
    tvStruktPrzeds->setObjectName(QStringLiteral("tvStruktPrzeds"));
    tvStruktPrzeds->setHeaderHidden(true);
    tvStruktPrzeds->setAccessibleName(QStringLiteral("Struktura organizacyjna"));
    tvStruktPrzeds->setMinimumWidth(240);
    columns->addWidget(tvStruktPrzeds, 3);

    auto* right = new QVBoxLayout;
    auto* periods = new QGroupBox(kPeriodsCaption, page);
    periods->setObjectName(QStringLiteral("gbOkresy"));
    auto* pg = new QGridLayout(periods);
    auto* year1 = new QLabel(kYear1, periods);
    auto* year2 = new QLabel(kYear2, periods);
    eRok1 = makeEdit(QStringLiteral("eRok1"), periods, year1, 5);
    eRok2 = makeEdit(QStringLiteral("eRok2"), periods, year2, 5);
    cbRok1 = periodBox(QStringLiteral("cbRok1"), periods);
    cbRok2 = periodBox(QStringLiteral("cbRok2"), periods);
    cbRok1->setAccessibleName(besideName(kYear1, QStringLiteral("okres")));
    cbRok2->setAccessibleName(besideName(kYear2, QStringLiteral("okres")));
    pg->addWidget(year1, 0, 0);
    pg->addWidget(eRok1, 0, 1);
    pg->addWidget(cbRok1, 0, 2);
    pg->addWidget(year2, 1, 0);
    pg->addWidget(eRok2, 1, 1);
    pg->addWidget(cbRok2, 1, 2);
    right->addWidget(periods);

    cbKartyWypZS = new QCheckBox(QStringLiteral("Karty wypadków"), page);
    cbKartyWypZS->setObjectName(QStringLiteral("cbKartyWypZS"));
    cbProtPowypZS = new QCheckBox(QStringLiteral("Protokoły powypadkowe"), page);
    cbProtPowypZS->setObjectName(QStringLiteral("cbProtPowypZS"));
    right->addWidget(cbKartyWypZS);
    right->addWidget(cbProtPowypZS);

    gbZmiany = new QGroupBox(kShiftsCaption, page);
    gbZmiany->setObjectName(QStringLiteral("gbZmiany"));
    auto* sg = new QGridLayout(gbZmiany);
    for (int s = 0; s < 4; ++s) {
        const QString caption = QStringLiteral("Zmiana %1 : ").arg(s + 1);
        auto* label = new QLabel(caption, gbZmiany);
        eZmianaOd[s] = makeEdit(QStringLiteral("eZmiana%1Od").arg(s + 1), gbZmiany, label, 5);
        eZmianaDo[s] = makeEdit(QStringLiteral("eZmiana%1Do").arg(s + 1), gbZmiany, nullptr, 5);
        eZmianaOd[s]->setAccessibleName(besideName(caption, QStringLiteral("od")));
        eZmianaDo[s]->setAccessibleName(besideName(caption, QStringLiteral("do")));
        eZmianaOd[s]->setText(QString::fromLatin1(kShiftDefaults[s][0]));
        eZmianaDo[s]->setText(QString::fromLatin1(kShiftDefaults[s][1]));
        sg->addWidget(label, s, 0);
        sg->addWidget(eZmianaOd[s], s, 1);
        sg->addWidget(eZmianaDo[s], s, 2);
        for (QLineEdit* e : {eZmianaOd[s], eZmianaDo[s]}) m_checks->watch(e, &FieldChecks::smallWholeNumber);
    }
    right->addWidget(gbZmiany);

    gbSposobPrezent = new RadioGroup(QStringLiteral("gbSposobPrezent"), QStringLiteral("Sposób prezentacji danych :"),
                                     {QStringLiteral("poszczególne pozycje"), QStringLiteral("grupy pozycji")}, page);
    gbSposobPrezent->setItemIndex(0);
    right->addWidget(gbSposobPrezent);

    gbZatrud = new QGroupBox(kEmployeesCaption, page);
    gbZatrud->setObjectName(QStringLiteral("gbZatrud"));
    auto* eg = new QGridLayout(gbZatrud);
    auto* count1 = new QLabel(kYear1, gbZatrud);
    auto* count2 = new QLabel(kYear2, gbZatrud);
    eZatr1 = makeEdit(QStringLiteral("eZatr1"), gbZatrud, count1, 10);
    eZatr2 = makeEdit(QStringLiteral("eZatr2"), gbZatrud, count2, 10);
    eZatr1->setAccessibleName(besideName(kEmployeesCaption, captionName(kYear1)));
    eZatr2->setAccessibleName(besideName(kEmployeesCaption, captionName(kYear2)));
    bOdczytaj = makeDialogButton(QStringLiteral("bOdczytaj"), QStringLiteral("Odczytaj"), gbZatrud);
    bZapisz = makeDialogButton(QStringLiteral("bZapisz"), QStringLiteral("Zapisz"), gbZatrud);
    eg->addWidget(count1, 0, 0);
    eg->addWidget(eZatr1, 0, 1);
    eg->addWidget(bOdczytaj, 0, 2);
    eg->addWidget(count2, 1, 0);
    eg->addWidget(eZatr2, 1, 1);
    eg->addWidget(bZapisz, 1, 2);
    right->addWidget(gbZatrud);

    cbWykres = new QCheckBox(QStringLiteral("zestawienie graficzne"), page);
    cbWykres->setObjectName(QStringLiteral("cbWykres"));
    cbWykres->setVisible(false);
    right->addWidget(cbWykres);
    right->addStretch(1);
    columns->addLayout(right, 2);

    // Field checks; leaving a year field reads that year's employee count.
    m_checks->watch(eRok1, [](const QString& t) { return yearCheck(t, kYear1); }, nullptr,
                    [this](QLineEdit*) { readEmployees(eRok1, eZatr1); });
    m_checks->watch(eRok2, [](const QString& t) { return yearCheck(t, kYear2); }, nullptr,
                    [this](QLineEdit*) { readEmployees(eRok2, eZatr2); });
    for (QLineEdit* e : {eZatr1, eZatr2}) m_checks->watch(e, &employeesCheck);

    QObject::connect(rgZest, &RadioGroup::chosen, this, [this]() { listChosen(General); });
    QObject::connect(rgZest_old, &RadioGroup::chosen, this, [this]() { listChosen(Card2000); });
    QObject::connect(cbSKW2004, &QComboBox::activated, this, [this]() { listChosen(Card2004); });
    QObject::connect(cbKartyWypZS, &QCheckBox::toggled, this, [this]() { typeBoxToggled(cbKartyWypZS); });
    QObject::connect(cbProtPowypZS, &QCheckBox::toggled, this, [this]() { typeBoxToggled(cbProtPowypZS); });
    QObject::connect(bOdczytaj, &QPushButton::clicked, this, [this]() { readEmployees(); });
    QObject::connect(bZapisz, &QPushButton::clicked, this, [this]() { saveEmployees(); });
    QObject::connect(&admSettingsNotifier(), &AdmSettingsNotifier::changed, this, [this](const QString& key) {
        if (key == QLatin1String(kAdmStructureReload)) m_treeStale = true;
    });

    rgZest->setItemIndex(0);
    cbProtPowypZS->setChecked(true);
    cbKartyWypZS->setChecked(true);
    applyGroups();
}

void StatisticsTab::show(const PrintTabContext& context) {
    (void)context;
    TDataModForm* d = dm();
    if (!d) return;
    // The tree again when the structure changed since it was built; its first node.
    if (m_treeStale || tvStruktPrzeds->topLevelItemCount() == 0) {
        LoadStructureTree(tvStruktPrzeds, structure(), d->referenceDate(), admSettings().sortStrukList == 1);
        m_treeStale = false;
    }
    if (tvStruktPrzeds->topLevelItemCount() > 0) tvStruktPrzeds->setCurrentItem(tvStruktPrzeds->topLevelItem(0));
    {
        const QSignalBlocker b1(cbKartyWypZS), b2(cbProtPowypZS);
        cbKartyWypZS->setChecked(true);
        cbProtPowypZS->setChecked(true);
    }
    const int year = d->referenceDate().date().year();
    eRok1->setText(QString::number(year - 1));
    eRok2->setText(QString::number(year));
    cbRok1->setCurrentIndex(0);
    cbRok2->setCurrentIndex(0);
    cbWykres->setVisible(false);
    readEmployees();
}

// --- The choice ---------------------------------------------------------------------------

void StatisticsTab::listChosen(List list) {
    if (list != General) rgZest->setItemIndex(-1);
    if (list != Card2004) cbSKW2004->setCurrentIndex(-1);
    if (list != Card2000) rgZest_old->setItemIndex(-1);
    applyGroups();
    if (list == General && rgZest->itemIndex() == 0) readEmployees();
}

void StatisticsTab::applyGroups() {
    gbZmiany->setVisible(rgZest->itemIndex() == 6);
    gbZatrud->setVisible(rgZest->itemIndex() == 0);
    const int item = cbSKW2004->currentIndex();
    gbSposobPrezent->setVisible(item >= 0 && !classificationItems().at(size_t(item)).table.isEmpty());
    // The chart option: the distributions drawn as charts and every classification.
    const int kind = summaryKind(rgZest->itemIndex(), rgZest_old->itemIndex());
    cbWykres->setVisible(rgZest_old->itemIndex() < 0 && (item >= 0 || rgZest->itemIndex() > 0) && chartOffered(kind, item));
}

void StatisticsTab::entered() { cbWykres->setVisible(false); }

void StatisticsTab::left() { cbWykres->setVisible(false); }

// The flag of the option itself: its page may not be on screen.
bool StatisticsTab::chart() const { return !cbWykres->isHidden() && cbWykres->isChecked(); }

void StatisticsTab::typeBoxToggled(QCheckBox* box) {
    if (cbKartyWypZS->isChecked() || cbProtPowypZS->isChecked()) return;
    showWarning(noTypeMessage(), m_page);
    box->setFocus();
}

int StatisticsTab::year(const QLineEdit* field) const { return field->text().trimmed().toInt(); }

int StatisticsTab::periodItem(const QComboBox* box) const { return qMax(0, box->currentIndex()); }

QString StatisticsTab::formName() const { return statisticsFormName(request({}).kind, cbSKW2004->currentIndex(), chart()); }

QString StatisticsTab::kindCode() const { return statisticsKindCode(request({}).kind, cbSKW2004->currentIndex(), chart()); }

bool StatisticsTab::landscape() const { return formName() == kAccidentsForm || chart(); }

SummaryRequest StatisticsTab::request(const PrintTabContext& context) const {
    SummaryRequest r;
    r.classification = cbSKW2004->currentIndex();
    r.kind = r.classification >= 0 ? -1 : summaryKind(rgZest->itemIndex(), rgZest_old->itemIndex());
    r.groups = gbSposobPrezent->itemIndex() == 1;
    r.periods[0] = Period{year(eRok1), periodItem(cbRok1)};
    r.periods[1] = Period{year(eRok2), periodItem(cbRok2)};
    const TStrukt element = structureNode(tvStruktPrzeds->currentItem());
    r.element = element.ID;
    r.count.registerFrom = context.registerFrom;
    r.count.registerWhere = context.registerWhere;
    r.count.dateKind = admSettings().dataOdniesienia;
    r.count.protocols = cbProtPowypZS->isChecked();
    r.count.cards = cbKartyWypZS->isChecked();
    r.employees[0] = eZatr1->text().trimmed().toInt();
    r.employees[1] = eZatr2->text().trimmed().toInt();
    for (int s = 0; s < 4; ++s) r.shifts.push_back(Shift::parse(eZmianaOd[s]->text(), eZmianaDo[s]->text()));
    r.byCode = admSettings().sortStrukList == 1;
    r.occupationEdition = admSettings().kzs;
    return r;
}

bool StatisticsTab::check(const PrintTabContext& context) {
    // The fields first, also those whose focus never left them.
    if (!m_checks->checkPending()) return false;
    for (QLineEdit* e : {eRok1, eRok2})
        if (!m_checks->check(e)) return false;
    const Refusal r = refusal(request(context), true);
    switch (r.kind) {
    case Refusal::None: return true;
    case Refusal::Type:
        showWarning(r.message, m_page);
        cbProtPowypZS->setFocus();
        return false;
    case Refusal::Element:
        showWarning(r.message, m_page);
        tvStruktPrzeds->setFocus();
        return false;
    case Refusal::Periods: showInfo(r.message, m_page); return false;
    }
    return false;
}

StatisticsTab::Refusal StatisticsTab::refusal(const SummaryRequest& r, bool element) const {
    if (!r.count.cards && !r.count.protocols) return {Refusal::Type, noTypeMessage()};
    if (!periodsComparable(r.classification >= 0, rgZest_old->itemIndex() >= 0, r.periods[0].year, r.periods[1].year))
        return {Refusal::Periods, periodsNotComparableMessage()};
    if (r.classification < 0 && !card2001Comparable(r.kind, r.periods[0].year, r.periods[1].year))
        return {Refusal::Periods, card2001Message()};
    if (element && r.element == 0) return {Refusal::Element, noElementMessage()};
    return {};
}

void StatisticsTab::beforePrint(const PrintTabContext& context) {
    auto* form = dynamic_cast<SummaryReport*>(ReportForms::form(formName()));
    if (!form) throw Error(ReportForms::missingMessage(formName()));
    fillForm(*form, context);
}

void StatisticsTab::fillForm(SummaryReport& form, const PrintTabContext& context) {
    const SummaryRequest r = request(context);
    const OrgStructure s = structure();
    SummaryResult result;
    if (form.blank()) {
        result = summaryHeadings(dm()->KartyDB(), r);
    } else {
        // The counting, behind the progress window; the form's passes only lay it out.
        TfrmProgres& progress = progressWindow();
        QString phase;
        int done = 0;
        struct Finish {
            TfrmProgres& p;
            ~Finish() { p.finish(); }
        } finish{progress};
        result = computeSummary(dm()->KartyDB(), s, r, [&](const QString& text, int now, int total) {
            if (text != phase) {
                phase = text;
                done = 0;
                progress.start(text, total);
            }
            for (; done < now; ++done) progress.step();
        });
    }
    const QString path = r.element != 0 ? s.StructurePath(r.element, QStringLiteral(" -> ")) : QString();
    if (auto* chartForm = dynamic_cast<StatisticsChartForm*>(&form)) {
        chartForm->fill(result, r, path, form.settings().printDate, form.blank());
        return;
    }
    const StatisticsContent content = statisticsContent(result, r, path, form.settings().printDate, form.blank());
    form.setContent(content.header, content.rows);
}

// --- Employee counts ------------------------------------------------------------------------

void StatisticsTab::readEmployees(QLineEdit* yearField, QLineEdit* count) {
    TDataModForm* d = dm();
    if (!d) return;
    const QString t = yearField->text().trimmed();
    bool ok = false;
    const int y = t.toInt(&ok);
    if (!ok || !yearAccepted(y)) return;
    count->setText(QString::number(statistics::readEmployees(d->KartyDB(), y)));
}

void StatisticsTab::readEmployees() {
    readEmployees(eRok1, eZatr1);
    readEmployees(eRok2, eZatr2);
}

bool StatisticsTab::saveEmployees() {
    TDataModForm* d = dm();
    if (!d) return false;
    // Every field checked; a year that passes is not read again (the counts are typed).
    const auto valid = [&](QLineEdit* e, const CheckResult& r) {
        if (r.ok()) return true;
        m_checks->markEdited(e);
        m_checks->check(e);
        return false;
    };
    if (!valid(eRok1, yearCheck(eRok1->text(), kYear1)) || !valid(eRok2, yearCheck(eRok2->text(), kYear2)) ||
        !valid(eZatr1, employeesCheck(eZatr1->text())) || !valid(eZatr2, employeesCheck(eZatr2->text())))
        return false;
    statistics::saveEmployees(d->KartyDB(), year(eRok1), eZatr1->text().trimmed().toInt());
    statistics::saveEmployees(d->KartyDB(), year(eRok2), eZatr2->text().trimmed().toInt());
    return true;
}

// --- Choices by name --------------------------------------------------------------------------

bool StatisticsTab::selectElement(int id) {
    QTreeWidgetItem* node = findStructureNode(tvStruktPrzeds, id);
    if (!node) return false;
    tvStruktPrzeds->setCurrentItem(node);
    return true;
}

QStringList StatisticsTab::choiceNames() const {
    return {QStringLiteral("rgZest"),        QStringLiteral("cbSKW2004"),    QStringLiteral("rgZest_old"),
            QStringLiteral("eRok1"),         QStringLiteral("cbRok1"),       QStringLiteral("eRok2"),
            QStringLiteral("cbRok2"),        QStringLiteral("cbKartyWypZS"), QStringLiteral("cbProtPowypZS"),
            QStringLiteral("Zmiana1"),       QStringLiteral("Zmiana2"),      QStringLiteral("Zmiana3"),
            QStringLiteral("Zmiana4"),       QStringLiteral("gbSposobPrezent"), QStringLiteral("eZatr1"),
            QStringLiteral("eZatr2"),        QStringLiteral("cbWykres")};
}

void StatisticsTab::setChoice(const QString& name, const QString& value) {
    const auto refused = [&](const QString& why) {
        return Error(QStringLiteral("Wybór %1=%2 odrzucony: %3").arg(name, value, why));
    };
    const auto index = [&](int count) {
        bool ok = false;
        const int i = value.trimmed().toInt(&ok);
        if (!ok || i < 0 || i >= count)
            throw refused(QStringLiteral("pozycja od 0 do %1").arg(count - 1));
        return i;
    };
    const auto text = [&](QLineEdit* field) {
        const QString t = value.trimmed();
        const CheckResult r = field == eRok1 || field == eRok2 ? yearCheck(t, field == eRok1 ? kYear1 : kYear2)
                                                               : employeesCheck(t);
        if (!r.ok()) throw refused(r.message);
        field->setText(t);
        m_checks->markEdited(field);
        m_checks->check(field);
    };
    const auto box = [&](QCheckBox* b) {
        const QString v = value.trimmed().toUpper();
        if (v != QLatin1String("T") && v != QLatin1String("N")) throw refused(QStringLiteral("T albo N"));
        const QSignalBlocker block(b);
        b->setChecked(v == QLatin1String("T"));
    };
    if (name == QLatin1String("rgZest")) {
        rgZest->setItemIndex(index(rgZest->count()));
        listChosen(General);
    } else if (name == QLatin1String("rgZest_old")) {
        rgZest_old->setItemIndex(index(rgZest_old->count()));
        listChosen(Card2000);
    } else if (name == QLatin1String("cbSKW2004")) {
        cbSKW2004->setCurrentIndex(index(cbSKW2004->count()));
        listChosen(Card2004);
    } else if (name == QLatin1String("cbRok1")) {
        cbRok1->setCurrentIndex(index(cbRok1->count()));
    } else if (name == QLatin1String("cbRok2")) {
        cbRok2->setCurrentIndex(index(cbRok2->count()));
    } else if (name == QLatin1String("gbSposobPrezent")) {
        gbSposobPrezent->setItemIndex(index(gbSposobPrezent->count()));
    } else if (name == QLatin1String("eRok1")) {
        text(eRok1);
    } else if (name == QLatin1String("eRok2")) {
        text(eRok2);
    } else if (name == QLatin1String("eZatr1")) {
        text(eZatr1);
    } else if (name == QLatin1String("eZatr2")) {
        text(eZatr2);
    } else if (name == QLatin1String("cbKartyWypZS")) {
        box(cbKartyWypZS);
    } else if (name == QLatin1String("cbProtPowypZS")) {
        box(cbProtPowypZS);
    } else if (name == QLatin1String("cbWykres")) {
        if (cbWykres->isHidden()) throw refused(QStringLiteral("zestawienie nie ma wykresu"));
        box(cbWykres);
    } else if (name.startsWith(QLatin1String("Zmiana")) && name.size() == 7 && name.at(6) >= QLatin1Char('1') &&
               name.at(6) <= QLatin1Char('4')) {
        const int s = name.at(6).digitValue() - 1;
        const qsizetype dash = value.indexOf(QLatin1Char('-'));
        if (dash < 0) throw refused(QStringLiteral("godziny w postaci od-do"));
        const QString from = value.left(dash).trimmed(), to = value.mid(dash + 1).trimmed();
        for (const QString& hour : {from, to}) {
            const CheckResult r = FieldChecks::smallWholeNumber(hour);
            if (!r.ok()) throw refused(r.message);
        }
        eZmianaOd[s]->setText(from);
        eZmianaDo[s]->setText(to);
    } else {
        throw Error(QStringLiteral("Nieznana kontrolka „%1”. Znane: %2.").arg(name, choiceNames().join(QStringLiteral(", "))));
    }
}

// --- zortdb pdf --------------------------------------------------------------------------------

namespace {

// The summary a form name stands for when no list is chosen.
void defaultSummary(StatisticsTab& tab, const QString& form) {
    if (form == kShiftsForm) tab.setChoice(QStringLiteral("rgZest"), QStringLiteral("6"));
    else if (form == kPositionsForm) tab.setChoice(QStringLiteral("rgZest"), QStringLiteral("9"));
    else if (form == kDistributionForm) tab.setChoice(QStringLiteral("rgZest"), QStringLiteral("1"));
    else if (form == kClassificationForm) tab.setChoice(QStringLiteral("cbSKW2004"), QStringLiteral("0"));
    else if (form == kDistributionChartForm) tab.setChoice(QStringLiteral("rgZest"), QStringLiteral("5"));
    else if (form == kClassificationChartForm) tab.setChoice(QStringLiteral("cbSKW2004"), QStringLiteral("0"));
}

} // namespace

void prepareStatisticsPdf(TDataModForm& dm, DocumentReport& form, const DocumentPdfRequest& r) {
    QWidget window;
    auto* page = new QWidget(&window);
    new QVBoxLayout(page);
    StatisticsTab tab;
    tab.setDataModule(&dm);
    tab.build(page);
    PrintTabContext context;
    context.window = &window;
    QList<int> ids;
    for (const RegisterItem& item : dm.registers().items) ids << item.id;
    const RegisterFilter filter = RegisterFilter::atWork(dm.registersMode(), dm.currentRegister(), false, ids, false);
    context.registerFrom = filter.from;
    context.registerWhere = filter.where;
    tab.show(context);
    // A blank form may leave the element out (no structure line).
    if (r.blank && r.id == 0) tab.tvStruktPrzeds->setCurrentItem(nullptr);
    else if (!tab.selectElement(r.id))
        throw Error(QStringLiteral("Brak elementu struktury organizacyjnej o identyfikatorze %1.").arg(r.id));
    bool listChosen = false;
    for (const QString& c : r.choices) {
        const qsizetype eq = c.indexOf(QLatin1Char('='));
        if (eq <= 0) throw Error(QStringLiteral("Wybór „%1” nie ma postaci NAZWA=WARTOŚĆ.").arg(c));
        const QString name = c.left(eq).trimmed();
        listChosen = listChosen || name == QLatin1String("rgZest") || name == QLatin1String("rgZest_old") ||
                     name == QLatin1String("cbSKW2004");
        tab.setChoice(name, c.mid(eq + 1));
    }
    if (!listChosen) defaultSummary(tab, r.form);
    // A chart form names the chart of the summary chosen.
    if ((r.form == kDistributionChartForm || r.form == kClassificationChartForm) && !tab.cbWykres->isHidden() &&
        !r.choices.filter(QRegularExpression(QStringLiteral("^\\s*cbWykres\\s*="))).size())
        tab.setChoice(QStringLiteral("cbWykres"), QStringLiteral("T"));
    if (tab.formName() != r.form)
        throw Error(QStringLiteral("Wybrane zestawienie drukuje formularz %1, nie %2.").arg(tab.formName(), r.form));
    const StatisticsTab::Refusal refused = tab.refusal(tab.request(context), !(r.blank && r.id == 0));
    if (refused.kind != StatisticsTab::Refusal::None) throw Error(refused.message);
    auto* summary = dynamic_cast<SummaryReport*>(&form);
    if (!summary) throw Error(ReportForms::missingMessage(r.form));
    tab.fillForm(*summary, context);
}

} // namespace zort::print
