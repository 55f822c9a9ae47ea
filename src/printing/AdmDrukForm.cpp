#include "printing/AdmDrukForm.h"

#include "core/AccessRights.h"
#include "core/AdmSettings.h"
#include "core/Forms.h"
#include "core/Session.h"
#include "core/UserInterface.h"
#include "db/Dataset.h"
#include "db/DatasetModel.h"
#include "domain/DataModForm.h"
#include "domain/ReportDatasets.h"
#include "printing/Podglad.h"
#include "printing/engine/DisplayFormat.h"
#include "ui/CommandGuard.h"
#include "ui/Widgets.h"
#include "ui/WindowLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace zort::print {

TAdmDrukForm::TAdmDrukForm(QWidget* parent) : PrintSelectionWindow(QStringLiteral("TAdmDrukForm"), parent) {
    m_accidents = new Dataset(nullptr, QString(), this);
    m_accidents->setObjectName(QStringLiteral("qryWypadki"));
    m_persons = new Dataset(nullptr, QStringLiteral("select * from SKWPOSZKODOWANI where IdWypadku=:ID order by nazwisko,imie,id"),
                            this);
    m_persons->setObjectName(QStringLiteral("qryPoszkodowani"));
    m_persons->setMaster(m_accidents, QStringLiteral("ID"), QStringLiteral("ID"));
    m_accidents->addCalculatedField(QStringLiteral("nr_symbol"), [](const Dataset& d, int r) -> QVariant {
        const TDataModForm* m = dataMod();
        const Field number = d.rowField(r, QStringLiteral("NUMER"));
        const QString symbol = d.rowField(r, QStringLiteral("SYMBOLWYP")).asString();
        return m ? m->numberText(number, symbol) : number.asString();
    });

    buildDocumentsTab(addTab(QStringLiteral("TabSheet1"), QStringLiteral("SKW/Protokół/Karta")));
    addSummarySlot(CollectiveTab, QStringLiteral("TabSheet2"), QStringLiteral("Zestawienie zbiorcze"),
                   QStringLiteral("TZestZbDrukFrm"), QStringLiteral("WypZestZbPln"), true);
    addSummarySlot(StatisticsTab, QStringLiteral("TabSheet3"), QStringLiteral("Zestawienia statystyczne"),
                   QStringLiteral("TqrWypWydzFrm"), QStringLiteral("WypZestWypadki"), false);
    buildRegisterChoice();

    connect(PageControl, &QTabWidget::currentChanged, this,
            [this]() { CommandGuard::run([this]() { PageControlChange(); }, this); });
    connect(m_accidents, &Dataset::scrolled, this, [this]() { accidentMoved(); });
    connect(m_accidents, &Dataset::opened, this, [this]() { accidentMoved(); });
    connect(m_persons, &Dataset::scrolled, this, [this]() { personMoved(); });
    connect(m_persons, &Dataset::opened, this, [this]() { personMoved(); });
    connect(m_persons, &Dataset::closed, this, [this]() { personMoved(); });

    setHelpContext(kHelpDocuments);
    resize(720, 560);
    WindowLayout::track(this);
}

TAdmDrukForm::~TAdmDrukForm() = default;

void TAdmDrukForm::buildDocumentsTab(QWidget* page) {
    auto* row = new QHBoxLayout(page);
    auto* lists = new QVBoxLayout;
    m_accidentGrid = grid(QStringLiteral("DBGridWypadki"), QStringLiteral("Wypadki"), m_accidents,
                          {{QStringLiteral("nr_symbol"), QStringLiteral("Nr")},
                           {QStringLiteral("DATA"), QStringLiteral("Data wypadku")},
                           {QStringLiteral("STRATYCZASU"), QStringLiteral("Straty czasu")},
                           {QStringLiteral("STRATYZL"), QStringLiteral("Straty tys. zł")}},
                          page, [](const QString& column, const QVariant& v) -> QString {
                              if (column == QLatin1String("STRATYZL") || column == QLatin1String("STRATYCZASU"))
                                  return v.isNull() ? QString() : formatNumber(v.toDouble(), QStringLiteral("#.####"));
                              if (column == QLatin1String("DATA")) return formatValue(Field(v), QString());
                              return v.toString();
                          });
    m_personGrid = grid(QStringLiteral("DBGridPoszkodowani"), QStringLiteral("Poszkodowani"), m_persons,
                        {{QStringLiteral("NAZWISKO"), QStringLiteral("Nazwisko")}, {QStringLiteral("IMIE"), QStringLiteral("Imię")}},
                        page);
    lists->addWidget(m_accidentGrid, 3);
    lists->addWidget(m_personGrid, 2);
    row->addLayout(lists, 3);

    auto* choices = new QVBoxLayout;
    auto* heading = new QLabel(QStringLiteral("Elementy składowe wydruku:"), page);
    heading->setObjectName(QStringLiteral("Label1"));
    choices->addWidget(heading);
    for (int g = 0; g < PrintChoice::GroupCount; ++g) {
        auto* box = new QGroupBox(PrintChoice::groupCaption(PrintChoice::Group(g)), page);
        box->setObjectName(PrintChoice::groupName(PrintChoice::Group(g)));
        new QVBoxLayout(box);
        m_groups[size_t(g)] = box;
        choices->addWidget(box);
    }
    for (int b = 0; b < PrintChoice::BoxCount; ++b) {
        const auto kind = PrintChoice::Box(b);
        QGroupBox* owner = m_groups[PrintChoice::groupOf(kind)];
        QCheckBox* c = checkBox(PrintChoice::name(kind), PrintChoice::caption(kind), owner);
        // Screen readers name a box after its group as well ("Protokół Powypadkowy — drukuj").
        c->setAccessibleName(besideName(captionName(owner->title()), captionName(PrintChoice::caption(kind))));
        owner->layout()->addWidget(c);
        m_boxes[size_t(b)] = c;
        // Any change by the user (mouse, keyboard, a screen reader's toggle) goes to the
        // choice; the window's own settings of the boxes are made with signals blocked.
        connect(c, &QCheckBox::toggled, this, [this, kind](bool on) { boxClicked(kind, on); });
    }
    cbPuste = checkBox(QStringLiteral("cbPuste"), QStringLiteral("drukuj puste formularze"), page);
    choices->addWidget(cbPuste);
    choices->addStretch(1);
    row->addLayout(choices, 2);
}

void TAdmDrukForm::buildRegisterChoice() {
    rgRejestr = new RadioGroup(QStringLiteral("rgRejestr"), QStringLiteral(" Zestawienie  wypadków z rejestru : "),
                               {QStringLiteral("bieżącego "), QStringLiteral("ze wszystkich")}, this, 2);
    auto* line = new QHBoxLayout;
    m_registerLabel = new QLabel(QStringLiteral("Bieżący rejestr wypadków :"), this);
    cbRejestr = makeCombo(QStringLiteral("cbRejestr"), this, m_registerLabel);
    cbRejestr->setEnabled(false);
    line->addWidget(m_registerLabel);
    line->addWidget(cbRejestr, 1);
    cbWypBezRejestru = checkBox(QStringLiteral("cbWypBezRejestru"),
                                QStringLiteral("Uwzględnij wypadki nieprzypisane do żadnego rejestru"), this);
    m_belowTabs->addWidget(rgRejestr);
    m_belowTabs->addLayout(line);
    m_belowTabs->addWidget(cbWypBezRejestru);
    connect(rgRejestr, &RadioGroup::chosen, this, [this]() { rgRejestrClick(); });
    rgRejestr->setItemIndex(0);
}

void TAdmDrukForm::fillRegisters() {
    const QSignalBlocker block(cbRejestr);
    cbRejestr->clear();
    const TDataModForm* d = dm();
    if (!d) return;
    for (const RegisterItem& item : d->registers().items) cbRejestr->addItem(item.text, item.id);
    cbRejestr->setCurrentIndex(d->registers().current);
}

// --- Showing ----------------------------------------------------------------------------

void TAdmDrukForm::FormShow() {
    TDataModForm* d = dm();
    if (!d) return;
    // 1. The cause and source lists of the data module stay closed while the window is open.
    detachCauseLists();
    // 2. The first tab.
    {
        const QSignalBlocker block(PageControl);
        PageControl->setCurrentIndex(DocumentsTab);
    }
    m_previousTab = DocumentsTab;
    setHelpContext(kHelpDocuments);
    // 3. The groups and pages the settings offer; 4. the tab rules, nothing checked.
    fillRegisters();
    rgRejestr->setItemIndex(0);
    cbWypBezRejestru->setChecked(false);
    m_choice.reset(admSettings());
    cbPuste->setChecked(false);
    PageControlChange();
    // 5. The accidents of the register year and their injured persons, on the record
    // of the main window.
    const int year = d->referenceDate().date().year();
    m_accidents->close();
    m_accidents->setConnection(&d->KartyDB());
    m_persons->setConnection(&d->KartyDB());
    m_accidents->setSql(registerFilter().workAccidentsSql());
    m_accidents->setParam(QStringLiteral("DataOd"), QDateTime(QDate(year, 1, 1), QTime(0, 0)));
    m_accidents->setParam(QStringLiteral("DataDo"), QDateTime(QDate(year + 1, 1, 1), QTime(0, 0)));
    m_accidents->open();
    m_accidents->locate(QStringLiteral("ID"), d->accidentId());
    m_persons->locate(QStringLiteral("ID"), d->personId());
    // 6. The summary tabs prepare themselves; the card's page three follows the accident.
    const PrintTabContext context = tabContext();
    for (auto& s : m_slots)
        if (s->plugged) s->plugged->show(context);
    accidentMoved();
    personMoved();
}

void TAdmDrukForm::PageControlChange() {
    const int tab = PageControl->currentIndex();
    const TDataModForm* d = dm();
    // The register choice: registers mode, a summary tab, more than one register.
    const bool registers = d && d->registersMode() && tab != DocumentsTab && cbRejestr->count() > 1;
    rgRejestr->setVisible(registers);
    m_registerLabel->setVisible(registers);
    cbRejestr->setVisible(registers);
    const bool admin = Session::user().name.trimmed() == QLatin1String("admin");
    cbWypBezRejestru->setVisible(registers && rgRejestr->itemIndex() == 1 && admin);
    // The right of the user for the area of the tab.
    static const PrintArea areas[] = {PrintArea::Documents, PrintArea::CollectiveSummary, PrintArea::Statistics};
    const bool allowed = AccessRights::ofSession().mayPrint(areas[qBound(0, tab, 2)]);
    PreviewBtn->setEnabled(allowed);
    PrintBtn->setEnabled(allowed);
    static const int help[] = {kHelpDocuments, kHelpCollective, kHelpStatistics};
    setHelpContext(help[qBound(0, tab, 2)]);
    // The collective summary's query is open only while its tab is.
    if (m_previousTab != tab) {
        if (SummarySlot* s = summarySlot(m_previousTab); s && s->plugged) s->plugged->left();
        if (SummarySlot* s = summarySlot(tab); s && s->plugged) s->plugged->entered();
    }
    m_previousTab = tab;
}

void TAdmDrukForm::rgRejestrClick() {
    const bool admin = Session::user().name.trimmed() == QLatin1String("admin");
    if (rgRejestr->itemIndex() == 1 && admin) cbWypBezRejestru->setChecked(false);
    PageControlChange();
}

// --- The choice of pages -----------------------------------------------------------------

void TAdmDrukForm::boxClicked(PrintChoice::Box box, bool on) {
    m_choice.setChecked(box, on);
    syncBoxes();
}

void TAdmDrukForm::accidentMoved() {
    m_choice.setCardVersion(m_accidents->isOpen() && !m_accidents->isEmpty()
                                ? int(m_accidents->field(QStringLiteral("WERSJASKW")).asInt())
                                : -1);
    syncBoxes();
}

void TAdmDrukForm::personMoved() {
    const bool protocol = m_persons->isOpen() && !m_persons->isEmpty() &&
                          m_persons->field(QStringLiteral("NUMERPROT")).asInt() != 0;
    m_choice.setPerson(protocol);
    syncBoxes();
}

void TAdmDrukForm::syncBoxes() {
    for (int g = 0; g < PrintChoice::GroupCount; ++g)
        m_groups[size_t(g)]->setVisible(m_choice.groupShown(PrintChoice::Group(g)));
    for (int b = 0; b < PrintChoice::BoxCount; ++b) {
        QCheckBox* c = m_boxes[size_t(b)];
        const QSignalBlocker block(c);
        c->setEnabled(m_choice.isEnabled(PrintChoice::Box(b)));
        c->setChecked(m_choice.isChecked(PrintChoice::Box(b)));
    }
}

QStringList TAdmDrukForm::chosenForms() const {
    const int version = m_accidents->isOpen() && !m_accidents->isEmpty()
                            ? int(m_accidents->field(QStringLiteral("WERSJASKW")).asInt())
                            : -1;
    const TDataModForm* d = dm();
    return collectPageForms(m_choice, admSettings(), version, d ? d->referenceDate() : QDateTime());
}

RegisterFilter TAdmDrukForm::registerFilter() const {
    const TDataModForm* d = dm();
    if (!d) return RegisterFilter();
    QList<int> ids;
    for (const RegisterItem& item : d->registers().items) ids << item.id;
    return RegisterFilter::atWork(d->registersMode(), d->currentRegister(), rgRejestr->itemIndex() == 1, ids,
                                  cbWypBezRejestru->isChecked());
}

void TAdmDrukForm::registerFilterInto(PrintTabContext& context) const {
    const RegisterFilter f = registerFilter();
    context.registerFrom = f.from;
    context.registerWhere = f.where;
}

int TAdmDrukForm::currentAccidentId() const {
    return m_accidents->isOpen() && !m_accidents->isEmpty() ? int(m_accidents->field(QStringLiteral("ID")).asInt()) : 0;
}

int TAdmDrukForm::currentPersonId() const {
    return m_persons->isOpen() && !m_persons->isEmpty() ? int(m_persons->field(QStringLiteral("ID")).asInt()) : 0;
}

// --- Printing -------------------------------------------------------------------------------

QString TAdmDrukForm::personGoneMessage() {
    return QStringLiteral("Wybrany poszkodowany nie istnieje już w bazie danych (usunięty na innym stanowisku). "
                          "Wydruk nie zostanie wykonany.");
}

void TAdmDrukForm::PreviewBtnClick() { run(true); }
void TAdmDrukForm::PrintBtnClick() { run(false); }

void TAdmDrukForm::run(bool preview) {
    TDataModForm* d = dm();
    if (!d) return;
    const PrintTabContext context = tabContext();  // the register filter anew
    TfrmPodglad::request() = PreviewRequest();
    const int tab = PageControl->currentIndex();
    if (tab != DocumentsTab) {
        if (SummarySlot* s = summarySlot(tab)) runSummary(*s, context, preview);
        return;
    }
    // Nothing chosen prints nothing (not even an empty sheet).
    const QStringList names = chosenForms();
    if (names.isEmpty()) return;
    const int person = currentPersonId();
    const int accident = currentAccidentId();
    if (person <= 0 || accident <= 0) return;
    // Deleted at another workstation since the list was read: no empty card.
    if (reportds::accidentOfPerson(*d, person) != accident) {
        showError(personGoneMessage(), this);
        return;
    }
    reportds::openAll(*d, person, accident);
    if (!collect(names, cbPuste->isChecked())) return;
    if (!preview) {
        printComposite(QRCompositeReport1, m_collected, this);
        return;
    }
    PreviewTake take(accident, QStringLiteral("SKWWypadki"));
    if (!take.held()) return;
    previewComposite(QRCompositeReport1, m_collected, m_collected.kind, person);
}

// --- The cause and source lists ---------------------------------------------------------------

void TAdmDrukForm::detachCauseLists() {
    TDataModForm* d = dm();
    if (!d || m_causeListsDetached) return;
    for (Dataset* q : {d->APrzyczynyQry, d->AZrodlaQry}) {
        if (!q) continue;
        q->close();
        q->setMaster(nullptr, QString(), QString());
    }
    m_causeListsDetached = true;
}

void TAdmDrukForm::reattachCauseLists() {
    TDataModForm* d = dm();
    if (!d || !m_causeListsDetached) return;
    m_causeListsDetached = false;
    const std::pair<Dataset*, Dataset*> lists[] = {{d->APrzyczynyQry, d->APrzyczynyGQry}, {d->AZrodlaQry, d->AZrodlaGQry}};
    for (const auto& [q, master] : lists) {
        if (!q || !master) continue;
        q->setMaster(master, QStringLiteral("ID"), QStringLiteral("id"));
        q->setParam(QStringLiteral("id"), master->isOpen() && !master->isEmpty() ? master->value(QStringLiteral("ID")) : QVariant());
        q->open();
    }
}

void TAdmDrukForm::formClosed() {
    reattachCauseLists();
    const int tab = PageControl->currentIndex();
    if (SummarySlot* s = summarySlot(tab); s && s->plugged) s->plugged->left();
}

} // namespace zort::print
