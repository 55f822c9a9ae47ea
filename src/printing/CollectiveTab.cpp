#include "printing/CollectiveTab.h"

#include "core/AdmSettings.h"
#include "core/Clock.h"
#include "core/Error.h"
#include "core/Formats.h"
#include "core/UserInterface.h"
#include "db/Dataset.h"
#include "db/DatasetModel.h"
#include "domain/DataModForm.h"
#include "domain/FieldChecks.h"
#include "domain/OrgStructure.h"
#include "domain/StatisticsReading.h"
#include "printing/CollectiveForms.h"
#include "printing/DatasetSource.h"
#include "printing/DocumentPdf.h"
#include "printing/RegisterFilter.h"
#include "printing/ReportForms.h"
#include "printing/engine/DisplayFormat.h"
#include "ui/CommandGuard.h"
#include "ui/KalendarzForm.h"
#include "ui/LeaveChecks.h"
#include "ui/StructureTree.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zort::print {

namespace {

const QString kFrom = QStringLiteral("Od:");
const QString kTo = QStringLiteral("Do:");

// A date of the command line: yyyy-MM-dd whatever the date format of the program.
QDate isoDate(const QString& text) { return QDate::fromString(text.trimmed(), QStringLiteral("yyyy-MM-dd")); }

// A date field holds a date: not empty, and a date in the date format.
CheckResult dateText(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return CheckResult::fail(CollectiveTabBase::emptyFieldMessage());
    if (!Formats::parseDate(t).isValid()) return CheckResult::fail(FieldChecks::dateFormatMessage());
    return CheckResult::pass();
}

QString chopArrow(QString path) {
    const QString arrow = QStringLiteral(" -> ");
    if (path.endsWith(arrow)) path.chop(arrow.size());
    return path;
}

} // namespace

QString CollectiveTabBase::emptyFieldMessage() { return QStringLiteral("Pole nie może być puste."); }
QString CollectiveTabBase::datesOrderMessage() { return QStringLiteral("Źle ustawione daty."); }

CollectiveTabBase::CollectiveTabBase(bool commuting, const QString& fullForm, const QString& shortForm)
    : m_commuting(commuting), m_fullForm(fullForm), m_shortForm(shortForm) {
    m_summary = new Dataset(nullptr, QString(), this);
    m_summary->setObjectName(commuting ? QStringLiteral("qryZestZbDroga") : QStringLiteral("qryZestZb"));
    m_short = new Dataset(nullptr, QString(), this);
    m_short->setObjectName(commuting ? QStringLiteral("qryZestRoczDroga") : QStringLiteral("qryZestRocz1"));
}

CollectiveTabBase::~CollectiveTabBase() = default;

collective::NumberText CollectiveTabBase::numberText() const {
    // Numbers as the lists write them, without the year.
    return [this](const Field& number, const QString& symbol) {
        if (const TDataModForm* d = dm()) return d->numberText(number, symbol);
        return number.isNull() ? QString() : QString::number(number.asInt());
    };
}

TDataModForm* CollectiveTabBase::dm() const { return m_dm ? m_dm : dataMod(); }

QDate CollectiveTabBase::from() const { return Formats::parseDate(dataOd->text().trimmed()); }
QDate CollectiveTabBase::to() const { return Formats::parseDate(dataDo->text().trimmed()); }

void CollectiveTabBase::guarded(const std::function<void()>& fn) { CommandGuard::run(fn, m_page); }

void CollectiveTabBase::build(QWidget* page) {
    m_page = page;
    m_checks = new LeaveChecks(page->window());
    auto* pageLayout = static_cast<QVBoxLayout*>(page->layout());
    auto* top = new QHBoxLayout;
    pageLayout->addLayout(top);
    // Without a structure the choices stand in one row over the list.
    QBoxLayout* choices = m_commuting ? static_cast<QBoxLayout*>(new QHBoxLayout) : new QVBoxLayout;
    QVBoxLayout* side = m_commuting ? nullptr : new QVBoxLayout;
    top->addLayout(choices, 2);
    if (side) top->addLayout(side, 3);
    buildChoices(page, choices, side);

    // The range, each date with its calendar.
    auto* range = new QGroupBox(QStringLiteral("Zakres zestwienia"), page);
    range->setObjectName(QStringLiteral("gbZakres"));
    // The fields are named by their own labels, not by the group around them.
    auto* fields = new QWidget(range);
    (new QVBoxLayout(range))->addWidget(fields);
    auto* grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto dateRow = [&](int row, const QString& caption, const QString& name, QLineEdit*& field,
                             QPushButton*& button, const QString& buttonName) {
        auto* label = new QLabel(caption, fields);
        field = makeEdit(name, fields, label, 10);
        applyWidthRule(field, FieldKind::Date);
        button = makeDialogButton(buttonName, QStringLiteral("Kalendarz"), fields);
        button->setAccessibleName(besideName(caption, QStringLiteral("Kalendarz")));
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(button, row, 2);
    };
    dateRow(0, kFrom, QStringLiteral("dataOd"), dataOd, bKalendarzOd, QStringLiteral("bKalendarzOd"));
    dateRow(1, kTo, QStringLiteral("dataDo"), dataDo, bKalendarzDo, QStringLiteral("bKalendarzDo"));
    choices->addWidget(range);

    rgSortowanie = new RadioGroup(QStringLiteral("rgSortowanie"), QStringLiteral("Sortowanie"),
                                  {QStringLiteral("wg daty"), QStringLiteral("wg nazwiska")}, page);
    rgTypWydr = new RadioGroup(QStringLiteral("rgTypWydr"), QStringLiteral("Typ wydruku"),
                               {QStringLiteral("pełny"), QStringLiteral("skrócony")}, page);
    rgTypWyp = new RadioGroup(QStringLiteral("rgTypWyp"), QStringLiteral("Wypadki"),
                              m_commuting ? QStringList{QStringLiteral("wypadków uznanych"),
                                                        QStringLiteral("wypadków nie uznanych")}
                                          : QStringList{QStringLiteral("uznane"), QStringLiteral("nie uznane")},
                              page);
    for (RadioGroup* g : {rgSortowanie, rgTypWydr, rgTypWyp}) {
        g->setItemIndex(0);
        choices->addWidget(g);
    }
    choices->addStretch(1);

    // The rows of the summary query.
    DBGridZest = new QTableView(page);
    DBGridZest->setObjectName(QStringLiteral("DBGridZest"));
    DBGridZest->setAccessibleName(QStringLiteral("Lista wypadków"));
    std::vector<DatasetModel::Column> columns;
    for (const auto& [field, heading] : gridColumns()) {
        DatasetModel::Column c{field, heading, {}};
        if (field == QLatin1String("DATA"))
            c.format = [](const QVariant& v) { return formatValue(Field(v), QString()); };
        columns.push_back(c);
    }
    auto* model = new DatasetModel(m_summary, std::move(columns), DBGridZest);
    model->setEditingAllowed(false);
    DBGridZest->setModel(model);
    DBGridZest->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const auto follow = linkGridToDataset(DBGridZest, m_summary);
    QObject::connect(m_summary, &Dataset::opened, DBGridZest, [follow, view = DBGridZest]() {
        follow();
        view->resizeColumnsToContents();
    });
    pageLayout->addWidget(DBGridZest, 1);

    // Every choice builds the query again; a date after its check.
    const auto rebuildOn = [this](RadioGroup* g) {
        QObject::connect(g, &RadioGroup::chosen, this, [this]() { guarded([this]() { rebuild(); }); });
    };
    rebuildOn(rgSortowanie);
    rebuildOn(rgTypWyp);
    if (!m_commuting) rebuildOn(rgTypWydr);
    for (QLineEdit* field : {dataOd, dataDo})
        m_checks->watch(field, [this, field](const QString& t) { return dateCheck(field, t); }, nullptr,
                        [this](QLineEdit*) { guarded([this]() { rebuild(); }); });
    QObject::connect(bKalendarzOd, &QPushButton::clicked, this, [this]() { dateCalendar(dataOd); });
    QObject::connect(bKalendarzDo, &QPushButton::clicked, this, [this]() { dateCalendar(dataDo); });
}

CheckResult CollectiveTabBase::dateCheck(QLineEdit* field, const QString& text) {
    const CheckResult r = dateText(text);
    if (!r.ok()) return r;
    const QDate day = Formats::parseDate(text.trimmed());
    const QDate first = field == dataOd ? day : from();
    const QDate last = field == dataDo ? day : to();
    if (first.isValid() && last.isValid() && first > last) {
        // The query follows the dates all the same.
        guarded([this]() { rebuild(); });
        return CheckResult::fail(datesOrderMessage());
    }
    return CheckResult::pass();
}

void CollectiveTabBase::dateCalendar(QLineEdit* field) {
    const QDate shown = Formats::parseDate(field->text().trimmed());
    const auto chosen = calendarForm().choose(shown.isValid() ? shown : Clock::today());
    if (!chosen) return;
    field->setText(Formats::date(*chosen));
    m_checks->markEdited(field);
    m_checks->check(field);
}

bool CollectiveTabBase::datesValid() {
    for (QLineEdit* field : {dataOd, dataDo}) {
        const CheckResult r = dateText(field->text());
        if (r.ok()) continue;
        showError(r.message, m_page);
        field->setFocus();
        return false;
    }
    return true;
}

void CollectiveTabBase::show(const PrintTabContext& context) {
    m_context = context;
    TDataModForm* d = dm();
    if (!d) return;
    const int year = d->referenceDate().date().year();
    dataOd->setText(Formats::date(QDate(year, 1, 1)));
    dataDo->setText(Formats::date(QDate(year, 12, 31)));
    resetChoices();
    takeChoice();
    m_taken = true;
    if (m_entered) open();
}

void CollectiveTabBase::entered() {
    m_entered = true;
    if (!m_taken) {
        if (!choiceAccepted()) return;
        takeChoice();
        m_taken = true;
    }
    // The built choice again: its table is made afresh.
    open();
}

void CollectiveTabBase::left() {
    m_entered = false;
    m_short->close();
    m_summary->close();
    release();
}

bool CollectiveTabBase::rebuild() {
    if (!choiceAccepted()) return false;
    takeChoice();
    m_taken = true;
    if (m_entered) open();
    return true;
}

void CollectiveTabBase::open() {
    TDataModForm* d = dm();
    if (!d) return;
    QString summary, shortQuery;
    Params summaryParams, shortParams;
    try {
        m_short->close();
        m_summary->close();
        makeStatements(summary, shortQuery, summaryParams, shortParams);
        m_short->setConnection(&d->KartyDB());
        m_short->setSql(shortQuery);
        m_short->setParams(shortParams);
        m_summary->setConnection(&d->KartyDB());
        m_summary->setSql(summary);
        m_summary->setParams(summaryParams);
        m_summary->open();
        afterOpen();
    } catch (...) {
        release();
        throw;
    }
    // The rows are read: a table of the statements is not needed until they run again.
    release();
}

void CollectiveTabBase::openShort() {
    m_short->close();
    m_short->open();
}

QString CollectiveTabBase::formName() const { return rgTypWydr->itemIndex() == 1 ? m_shortForm : m_fullForm; }

bool CollectiveTabBase::landscape() const { return formName() == kCollectiveFullForm; }

bool CollectiveTabBase::check(const PrintTabContext& context) {
    m_context = context;
    return datesValid();
}

void CollectiveTabBase::beforePrint(const PrintTabContext& context) {
    auto* form = dynamic_cast<SummaryReport*>(ReportForms::form(formName()));
    if (!form) throw Error(ReportForms::missingMessage(formName()));
    fillForm(*form, context);
}

void CollectiveTabBase::fillForm(SummaryReport& form, const PrintTabContext& context, bool copyRows) {
    m_context = context;
    const QString name = form.name;
    if (form.blank()) {
        // The headings of the choice the controls show; no rows.
        if (choiceAccepted()) {
            takeChoice();
            m_taken = true;
        }
        form.setContent(collectiveHeader(name, texts()), nullptr);
        return;
    }
    // The rows are those of the choice the controls show: built again when it changed.
    if (!m_taken || !choiceCurrent()) {
        takeChoice();
        m_taken = true;
        open();
    }
    Dataset* rows = m_summary;
    if (name == m_shortForm) {
        try {
            openShort();
        } catch (...) {
            release();
            throw;
        }
        release();
        rows = m_short;
    }
    std::shared_ptr<DataSource> source;
    if (copyRows) {
        source = rowsOf(*rows);
    } else {
        // The printout walks the rows; the grid stays where it was.
        source = std::make_shared<DatasetSource>(*rows);
        m_walked = rows;
        m_walkedRow = rows->recNo();
        rows->disableControls();
    }
    form.setContent(collectiveHeader(name, texts()), source);
    m_filled = &form;
}

void CollectiveTabBase::finished() {
    // The form keeps no rows of a query that closes.
    if (m_filled) {
        m_filled->setContent(m_filled->header(), nullptr);
        m_filled = nullptr;
    }
    if (m_walked) {
        if (m_walked->isOpen() && m_walkedRow >= 0) m_walked->moveTo(m_walkedRow);
        m_walked->enableControls();
        m_walked = nullptr;
    }
    m_short->close();
    release();
}

QStringList CollectiveTabBase::choiceNames() const {
    return {QStringLiteral("dataOd"), QStringLiteral("dataDo"), QStringLiteral("rgSortowanie"), QStringLiteral("rgTypWyp")};
}

void CollectiveTabBase::setChoice(const QString& name, const QString& value) {
    const auto refused = [&](const QString& why) {
        return Error(QStringLiteral("Wybór %1=%2 odrzucony: %3").arg(name, value, why));
    };
    const auto index = [&](RadioGroup* g) {
        bool ok = false;
        const int i = value.trimmed().toInt(&ok);
        if (!ok || i < 0 || i >= g->count()) throw refused(QStringLiteral("pozycja od 0 do %1").arg(g->count() - 1));
        g->setItemIndex(i);
    };
    if (name == QLatin1String("dataOd") || name == QLatin1String("dataDo")) {
        const QDate d = isoDate(value);
        if (!d.isValid()) throw refused(QStringLiteral("data w postaci rrrr-mm-dd"));
        (name == QLatin1String("dataOd") ? dataOd : dataDo)->setText(Formats::date(d));
    } else if (name == QLatin1String("rgSortowanie")) {
        index(rgSortowanie);
    } else if (name == QLatin1String("rgTypWyp")) {
        index(rgTypWyp);
    } else {
        throw Error(QStringLiteral("Nieznana kontrolka „%1”. Znane: %2.").arg(name, choiceNames().join(QStringLiteral(", "))));
    }
}

// --- Accidents at work -----------------------------------------------------------------------

CollectiveTab::CollectiveTab() : CollectiveTabBase(false, kCollectiveFullForm, kCollectiveShortForm) {
    collective::addSummaryColumns(*summaryQuery(), numberText());
    collective::addShortColumns(*shortQuery(), numberText());
}
CollectiveTab::~CollectiveTab() {
    // The table goes before the queries that name it.
    m_queries.reset();
}

QString CollectiveTab::kindCode() const {
    return formName() == kCollectiveShortForm ? QStringLiteral("WypZestZbSkr") : QStringLiteral("WypZestZbPln");
}

OrgStructure CollectiveTab::structure() const {
    TDataModForm* d = dm();
    return OrgStructure(d->KartyDB(), [d](int id) { return d->IsElementDenied(id); });
}

QString CollectiveTab::pathOf(int element) const {
    return chopArrow(structure().StructurePath(element, QStringLiteral(" -> ")));
}

void CollectiveTab::buildChoices(QWidget* page, QBoxLayout* choices, QVBoxLayout* side) {
    cbKartyWyp = new QCheckBox(QStringLiteral("Karty wypadków"), page);
    cbKartyWyp->setObjectName(QStringLiteral("cbKartyWyp"));
    cbProtPowyp = new QCheckBox(QStringLiteral("Prot. powypadkowe"), page);
    cbProtPowyp->setObjectName(QStringLiteral("cbProtPowyp"));
    cbKartyWyp->setChecked(true);
    cbProtPowyp->setChecked(true);
    choices->addWidget(cbKartyWyp);
    choices->addWidget(cbProtPowyp);

    rgStruktura = new RadioGroup(QStringLiteral("rgStruktura"), QStringLiteral("Struktura organizacyjna"),
                                 {QStringLiteral("wszystkie"), QStringLiteral("dla elementu struktury")}, page);
    rgStruktura->setItemIndex(0);
    bUstaw = makeDialogButton(QStringLiteral("bUstaw"), QStringLiteral("Ustaw"), page);
    tvStruktPrzeds1 = new QTreeWidget(page);
    tvStruktPrzeds1->setObjectName(QStringLiteral("tvStruktPrzeds1"));
    tvStruktPrzeds1->setHeaderHidden(true);
    tvStruktPrzeds1->setToolTip(QStringLiteral("Struktura organizacyjna przedsiębiorstwa"));
    tvStruktPrzeds1->setAccessibleName(QStringLiteral("Struktura organizacyjna przedsiębiorstwa"));
    tvStruktPrzeds1->setMinimumWidth(220);
    auto* line = new QHBoxLayout;
    line->addWidget(rgStruktura, 1);
    line->addWidget(bUstaw, 0, Qt::AlignBottom);
    side->addLayout(line);
    side->addWidget(tvStruktPrzeds1, 1);

    lOpZakl = new QLabel(QStringLiteral("Lista wypadków dla: "), page);
    lOpZakl->setObjectName(QStringLiteral("lOpZakl"));
    page->layout()->addWidget(lOpZakl);

    QObject::connect(cbKartyWyp, &QCheckBox::toggled, this, [this]() { kindBoxClicked(cbKartyWyp); });
    QObject::connect(cbProtPowyp, &QCheckBox::toggled, this, [this]() { kindBoxClicked(cbProtPowyp); });
    QObject::connect(rgStruktura, &RadioGroup::chosen, this, [this]() { guarded([this]() { rebuild(); }); });
    QObject::connect(bUstaw, &QPushButton::clicked, this, [this]() { guarded([this]() { rebuild(); }); });
    QObject::connect(&admSettingsNotifier(), &AdmSettingsNotifier::changed, this, [this](const QString& key) {
        if (key == QLatin1String(kAdmStructureReload)) m_treeStale = true;
    });
}

std::vector<std::pair<QString, QString>> CollectiveTab::gridColumns() const {
    return {{QStringLiteral("numer"), QStringLiteral(" Prot./    SKW Karta")},
            {QStringLiteral("nrKarty_symbol"), QString()},
            {QStringLiteral("NAZWISKO"), QStringLiteral("Nazwisko")},
            {QStringLiteral("IMIE"), QStringLiteral("Imię")},
            {QStringLiteral("DATA"), QStringLiteral("Data wypadku")},
            {QStringLiteral("SkutkiSlownie"), QStringLiteral("Skutki wypadku")}};
}

void CollectiveTab::kindBoxClicked(QCheckBox* box) {
    (void)box;
    guarded([this]() { rebuild(); });
}

void CollectiveTab::resetChoices() {
    TDataModForm* d = dm();
    {
        const QSignalBlocker b1(cbKartyWyp), b2(cbProtPowyp);
        cbKartyWyp->setChecked(true);
        cbProtPowyp->setChecked(true);
    }
    // The tree again when the structure changed since it was built; its first element.
    if (m_treeStale || tvStruktPrzeds1->topLevelItemCount() == 0) {
        LoadStructureTree(tvStruktPrzeds1, structure(), d->referenceDate(), admSettings().sortStrukList == 1);
        tvStruktPrzeds1->sortItems(0, Qt::AscendingOrder);
        m_treeStale = false;
    }
    if (tvStruktPrzeds1->topLevelItemCount() > 0) {
        tvStruktPrzeds1->setCurrentItem(tvStruktPrzeds1->topLevelItem(0));
        rgStruktura->setEnabled(true);
    } else {
        rgStruktura->setItemIndex(0);
        rgStruktura->setEnabled(false);
    }
}

bool CollectiveTab::choiceAccepted() {
    if (cbKartyWyp->isChecked() || cbProtPowyp->isChecked()) return true;
    showWarning(statistics::noTypeMessage(), page());
    cbKartyWyp->setFocus();
    return false;
}

collective::WorkChoice CollectiveTab::choice() const {
    collective::WorkChoice c;
    c.cards = cbKartyWyp->isChecked();
    c.protocols = cbProtPowyp->isChecked();
    c.from = from();
    c.to = to();
    c.dateKind = admSettings().dataOdniesienia;
    c.byName = rgSortowanie->itemIndex() == 1;
    c.recognised = rgTypWyp->itemIndex() != 1;
    c.wholeEnterprise = rgStruktura->itemIndex() != 1;
    if (!c.wholeEnterprise) c.element = structureNode(tvStruktPrzeds1->currentItem()).ID;
    c.registerFrom = m_context.registerFrom;
    c.registerWhere = m_context.registerWhere;
    return c;
}

void CollectiveTab::takeChoice() {
    m_choice = choice();
    if (!m_choice.wholeEnterprise)
        m_choice.positions = m_choice.element != 0 ? structure().PositionsOf(m_choice.element) : QStringLiteral("-1");
}

bool CollectiveTab::choiceCurrent() const {
    collective::WorkChoice built = m_choice;
    built.positions.clear();
    return choice() == built && m_queries && m_queries->built() && m_queries->choice() == m_choice &&
           summaryQuery()->isOpen();
}

void CollectiveTab::openShort() {
    // The statements of the same choice again, with a table of its positions made afresh.
    if (!m_queries->usable()) shortQuery()->setSql(m_queries->build(m_choice).shortQuery);
    CollectiveTabBase::openShort();
}

void CollectiveTab::makeStatements(QString& summary, QString& shortQuery, Params& summaryParams, Params& shortParams) {
    if (!m_queries) m_queries = std::make_unique<collective::WorkQueries>(dm()->KartyDB());
    m_count = 0;
    lOpZakl->setText(m_choice.wholeEnterprise ? QStringLiteral("Lista wszystkich wypadków")
                                              : QStringLiteral("Lista wypadków dla: ") + pathOf(m_choice.element));
    const collective::WorkStatements& s = m_queries->build(m_choice);
    summary = s.summary;
    shortQuery = s.shortQuery;
    summaryParams = shortParams = collective::rangeParams(m_choice.from, m_choice.to);
}

void CollectiveTab::afterOpen() { m_count = m_queries->count(); }

void CollectiveTab::release() {
    if (m_queries) m_queries->dropTable();
}

CollectiveTexts CollectiveTab::texts() const {
    CollectiveTexts t;
    t.from = Formats::date(m_choice.from);
    t.to = Formats::date(m_choice.to);
    if (!taken()) {
        t.from = dataOd->text().trimmed();
        t.to = dataDo->text().trimmed();
    }
    t.path = !m_choice.wholeEnterprise && m_choice.element != 0 ? pathOf(m_choice.element) : QString();
    t.recognised = m_choice.recognised;
    t.protocols = m_choice.protocols;
    t.cards = m_choice.cards;
    t.count = m_count;
    t.printed = admSettings().printDate;
    return t;
}

bool CollectiveTab::check(const PrintTabContext& context) {
    if (!CollectiveTabBase::check(context)) return false;
    if (!choiceAccepted()) return false;
    if (rgStruktura->itemIndex() == 1 && structureNode(tvStruktPrzeds1->currentItem()).ID == 0) {
        showInfo(statistics::noElementMessage(), page());
        return false;
    }
    return true;
}

bool CollectiveTab::selectElement(int id) {
    if (id == 0) {
        rgStruktura->setItemIndex(0);
        return true;
    }
    QTreeWidgetItem* node = findStructureNode(tvStruktPrzeds1, id);
    if (!node) return false;
    tvStruktPrzeds1->setCurrentItem(node);
    rgStruktura->setItemIndex(1);
    return true;
}

QStringList CollectiveTab::choiceNames() const {
    return CollectiveTabBase::choiceNames() << QStringLiteral("cbKartyWyp") << QStringLiteral("cbProtPowyp");
}

void CollectiveTab::setChoice(const QString& name, const QString& value) {
    QCheckBox* box = name == QLatin1String("cbKartyWyp") ? cbKartyWyp : name == QLatin1String("cbProtPowyp") ? cbProtPowyp : nullptr;
    if (!box) {
        CollectiveTabBase::setChoice(name, value);
        return;
    }
    const QString v = value.trimmed().toUpper();
    if (v != QLatin1String("T") && v != QLatin1String("N"))
        throw Error(QStringLiteral("Wybór %1=%2 odrzucony: T albo N").arg(name, value));
    const QSignalBlocker block(box);
    box->setChecked(v == QLatin1String("T"));
}

// --- Commuting accidents -------------------------------------------------------------------------

CommutingCollectiveTab::CommutingCollectiveTab()
    : CollectiveTabBase(true, kCommutingFullForm, kCommutingShortForm) {
    collective::addCommutingColumns(*summaryQuery(), numberText(), false);
    collective::addCommutingColumns(*shortQuery(), numberText(), true);
}

QString CommutingCollectiveTab::kindCode() const {
    return formName() == kCommutingShortForm ? QStringLiteral("WypDrogaZestZbSkr") : QStringLiteral("WypDrogaZestZbPln");
}

void CommutingCollectiveTab::buildChoices(QWidget* page, QBoxLayout* choices, QVBoxLayout* side) {
    (void)page;
    (void)choices;
    (void)side;
}

std::vector<std::pair<QString, QString>> CommutingCollectiveTab::gridColumns() const {
    return {{QStringLiteral("numersym"), QStringLiteral("Nr")},
            {QStringLiteral("NAZWISKO"), QStringLiteral("Nazwisko")},
            {QStringLiteral("IMIE"), QStringLiteral("Imię")},
            {QStringLiteral("DATA"), QStringLiteral("Data wypadku")},
            {QStringLiteral("SkutkiSlownie"), QStringLiteral("Skutki wypadku")}};
}

collective::CommutingChoice CommutingCollectiveTab::choice() const {
    collective::CommutingChoice c;
    c.from = from();
    c.to = to();
    c.dateKind = admSettings().dataOdniesienia;
    c.byName = rgSortowanie->itemIndex() == 1;
    c.recognised = rgTypWyp->itemIndex() != 1;
    c.registerFrom = m_context.registerFrom;
    c.registerWhere = m_context.registerWhere;
    return c;
}

void CommutingCollectiveTab::takeChoice() {
    m_choice = choice();
    m_built = true;
}

bool CommutingCollectiveTab::choiceCurrent() const {
    return m_built && choice() == m_choice && summaryQuery()->isOpen();
}

void CommutingCollectiveTab::makeStatements(QString& summary, QString& shortQuery, Params& summaryParams,
                                            Params& shortParams) {
    summary = collective::commutingSummary(m_choice);
    shortQuery = collective::commutingShort(m_choice);
    summaryParams = collective::rangeParams(m_choice.from, m_choice.to);
    shortParams = collective::rangeParams(m_choice.from, m_choice.to, QStringLiteral("dpocz"), QStringLiteral("dkon"));
}

CollectiveTexts CommutingCollectiveTab::texts() const {
    CollectiveTexts t;
    t.from = m_built ? Formats::date(m_choice.from) : dataOd->text().trimmed();
    t.to = m_built ? Formats::date(m_choice.to) : dataDo->text().trimmed();
    t.recognised = m_built ? m_choice.recognised : rgTypWyp->itemIndex() != 1;
    t.printed = admSettings().printDate;
    return t;
}

// --- zortdb pdf ----------------------------------------------------------------------------------

void prepareCollectivePdf(TDataModForm& dm, DocumentReport& form, const DocumentPdfRequest& r) {
    QWidget window;
    auto* page = new QWidget(&window);
    new QVBoxLayout(page);
    const bool commuting = r.form == kCommutingFullForm || r.form == kCommutingShortForm;
    std::unique_ptr<CollectiveTabBase> tab;
    if (commuting) tab = std::make_unique<CommutingCollectiveTab>();
    else tab = std::make_unique<CollectiveTab>();
    tab->setDataModule(&dm);
    tab->build(page);
    PrintTabContext context;
    context.window = &window;
    RegisterFilter filter;
    if (commuting) {
        filter = RegisterFilter::commuting(dm.registersMode(), dm.currentRegister());
    } else {
        QList<int> ids;
        for (const RegisterItem& item : dm.registers().items) ids << item.id;
        filter = RegisterFilter::atWork(dm.registersMode(), dm.currentRegister(), false, ids, false);
    }
    context.registerFrom = filter.from;
    context.registerWhere = filter.where;
    tab->show(context);
    if (commuting) {
        if (r.id != 0)
            throw Error(QStringLiteral("Zestawienie wypadków w drodze do lub z pracy nie dotyczy elementu struktury "
                                       "organizacyjnej: identyfikator musi być 0."));
    } else if (!static_cast<CollectiveTab*>(tab.get())->selectElement(r.id)) {
        throw Error(QStringLiteral("Brak elementu struktury organizacyjnej o identyfikatorze %1.").arg(r.id));
    }
    for (const QString& c : r.choices) {
        const qsizetype eq = c.indexOf(QLatin1Char('='));
        if (eq <= 0) throw Error(QStringLiteral("Wybór „%1” nie ma postaci NAZWA=WARTOŚĆ.").arg(c));
        tab->setChoice(c.left(eq).trimmed(), c.mid(eq + 1));
    }
    tab->rgTypWydr->setItemIndex(r.form == kCollectiveShortForm || r.form == kCommutingShortForm ? 1 : 0);
    if (Formats::parseDate(tab->dataOd->text()) > Formats::parseDate(tab->dataDo->text()))
        throw Error(CollectiveTabBase::datesOrderMessage());
    if (!commuting) {
        auto* work = static_cast<CollectiveTab*>(tab.get());
        if (!work->cbKartyWyp->isChecked() && !work->cbProtPowyp->isChecked()) throw Error(statistics::noTypeMessage());
    }
    auto* summary = dynamic_cast<SummaryReport*>(&form);
    if (!summary) throw Error(ReportForms::missingMessage(r.form));
    // The rows are copied: the tab and its table are gone before the form is prepared.
    tab->fillForm(*summary, context, true);
}

} // namespace zort::print
