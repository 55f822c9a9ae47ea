#include "register/RejestrWypForm.h"

#include "core/AdmSettings.h"
#include "domain/StructureAccess.h"
#include "core/AdminModule.h"
#include "core/AppContext.h"
#include "core/Clock.h"
#include "ui/DocumentWindows.h"
#include "core/Formats.h"
#include "ui/Help.h"
#include "core/MyIniFile.h"
#include "core/Session.h"
#include "domain/SharedConnection.h"
#include "domain/Takes.h"
#include "core/UserInterface.h"
#include "ui/WindowLayout.h"
#include "ui/Widgets.h"
#include "domain/DataModForm.h"
#include "domain/Dictionaries.h"
#include "db/DatasetModel.h"
#include "core/DateUtil.h"
#include "register/EntryPages.h"
#include "register/EntryReactions.h"
#include "register/CommutingPages.h"
#include "register/CommutingReactions.h"
#include "register/OtherPages.h"
#include "register/OtherReactions.h"
#include "register/FieldCheckLinks.h"
#include "register/EditSession.h"
#include "register/RecordEditor.h"
#include "ui/CommandGuard.h"
#include "ui/KalendarzForm.h"
#include "register/CardPages.h"
#include "ui/PageDictionaries.h"
#include "ui/PersonCopyPage.h"
#include "ui/ZatrudnienieForm.h"
#include "register/ZnajdzForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace zort {

struct ListColumn {
    const char* field;
    const char* heading;
};

namespace {

// The help contexts of the nested person pages, in page order.
const int kPersonHelp[] = {31310, 31320, 31320, 31331, 31331, 31332, 31332, 31340, 31350, 31350, 31360};

} // namespace

// ---------------------------------------------------------------------------------
// Construction

TRejestrWypForm::TRejestrWypForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("RejestrWypForm"));
    setWindowTitle(QStringLiteral("Rejestr wypadków"));
    buildToolbarAndMenu();
    buildRegisters();
    m_editor = std::make_unique<RecordEditor>(*this, m_tabPraca, m_tabDroga, m_tabPolicja ? m_tabPolicja : new QWidget(this));
    m_dictionaries = new PageDictionaries(m_tabPraca, DictionaryNames::atWork(), this);
    new PersonCopyPage(m_tabPraca, *m_dictionaries, this);
    resize(1180, 760);
    WindowLayout::track(this);
    FormCreate();
}

TRejestrWypForm::~TRejestrWypForm() = default;

TDataModForm* TRejestrWypForm::dm() const { return dataMod(); }

QTableView* TRejestrWypForm::makeList(QWidget* parent, const QString& name, Dataset* data, const QString& hint,
                                      std::vector<ListColumn> columns) {
    std::vector<DatasetModel::Column> cols;
    for (const ListColumn& c : columns)
        cols.push_back({QString::fromLatin1(c.field), QString::fromUtf8(c.heading), {}});
    auto model = std::make_unique<DatasetModel>(data, std::move(cols));
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setToolTip(hint);
    view->setAccessibleName(hint);
    view->setModel(model.get());
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const auto follow = linkGridToDataset(view, data);
    connect(data, &Dataset::opened, view, [view, follow]() {
        view->resizeColumnsToContents();
        follow();
    });
    m_lists.insert(name, view);
    m_models.push_back(std::move(model));
    return view;
}

namespace {

const QString kAccidentTab = QStringLiteral("Wypadek z dnia ");
const QString kPersonTab = QStringLiteral("Poszkodowany: ");

// A register's tab filled by its page control, which is returned.
QTabWidget* registerPages(QWidget* parent, const char* tabName, const char* pagesName, QWidget** tab) {
    *tab = new QWidget(parent);
    (*tab)->setObjectName(QString::fromLatin1(tabName));
    auto* layout = new QVBoxLayout(*tab);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* pages = new QTabWidget(*tab);
    pages->setObjectName(QString::fromLatin1(pagesName));
    layout->addWidget(pages);
    return pages;
}

// The list page "Zestawienie" of a register; returns its layout.
QVBoxLayout* addListPage(QTabWidget* pages, const char* name) {
    auto* list = new QWidget(pages);
    list->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(list);
    pages->addTab(list, QStringLiteral("Zestawienie"));
    return layout;
}

} // namespace

QWidget* TRejestrWypForm::buildAtWorkRegister() {
    QWidget* tab = nullptr;
    m_pcWypPraca = registerPages(m_pcWyp, "TabWypPraca", "pcWypPraca", &tab);
    QVBoxLayout* listLayout = addListPage(m_pcWypPraca, "TabZestawienie");
    auto* split = new QSplitter(Qt::Vertical, listLayout->parentWidget());
    split->setObjectName(QStringLiteral("Splitter1"));
    listLayout->addWidget(split);

    auto* accident = new QWidget(m_pcWypPraca);
    accident->setObjectName(QStringLiteral("TabWypadek"));
    buildAccidentPage(accident);
    m_pcWypPraca->addTab(accident, kAccidentTab);

    auto* person = new QWidget(m_pcWypPraca);
    person->setObjectName(QStringLiteral("TabPoszkodowany"));
    auto* personLayout = new QVBoxLayout(person);
    m_pcPPoszkodowany = new QTabWidget(person);
    m_pcPPoszkodowany->setObjectName(QStringLiteral("pcPPoszkodowany"));
    buildPersonPages(m_pcPPoszkodowany);
    personLayout->addWidget(m_pcPPoszkodowany);
    m_pcWypPraca->addTab(person, kPersonTab);
    return tab;
}

QWidget* TRejestrWypForm::buildCommutingRegister() {
    QWidget* tab = nullptr;
    m_pcWypDroga = registerPages(m_pcWyp, "TabWypDroga", "pcWypDroga", &tab);
    addListPage(m_pcWypDroga, "TabZestawienieDroga");
    // "Wypadek": the nested pages "1" to "4"; "Poszkodowany": personal data and employment.
    const auto nested = [this](const char* tabName, const char* pagesName, const QString& caption,
                               void (*build)(QTabWidget*)) {
        auto* page = new QWidget(m_pcWypDroga);
        page->setObjectName(QString::fromLatin1(tabName));
        auto* pages = new QTabWidget(page);
        pages->setObjectName(QString::fromLatin1(pagesName));
        build(pages);
        (new QVBoxLayout(page))->addWidget(pages);
        m_pcWypDroga->addTab(page, caption);
        return pages;
    };
    m_pczWypadek = nested("TabWDWypadek", "pczWypadek", kAccidentTab, buildCommutingAccidentPages);
    m_pczPoszkodowany = nested("TabWDPoszkodowany", "pczPoszkodowany", kPersonTab, buildCommutingPersonPages);
    return tab;
}

int TRejestrWypForm::commutingPersonHelp() const {
    return m_pczPoszkodowany && m_pczPoszkodowany->currentIndex() == 1 ? 43200 : 43100;
}

QWidget* TRejestrWypForm::buildOtherRegister() {
    QWidget* tab = nullptr;
    m_pcWypPolicja = registerPages(m_pcWyp, "TabWypPolicja", "pcWypPolicja", &tab);
    QVBoxLayout* listLayout = addListPage(m_pcWypPolicja, "TabZestawieniePolicja");
    listLayout->addWidget(new QLabel(QStringLiteral("Rejestr wypadków (rok) :  "), listLayout->parentWidget()));
    auto* split = new QSplitter(Qt::Vertical, listLayout->parentWidget());
    split->setObjectName(QStringLiteral("Splitter3"));
    listLayout->addWidget(split);
    auto* accident = new QWidget(m_pcWypPolicja);
    accident->setObjectName(QStringLiteral("TabWypadekPolicja"));
    buildServiceAccidentPage(accident);
    m_pcWypPolicja->addTab(accident, kAccidentTab);
    auto* person = new QTabWidget(m_pcWypPolicja);
    person->setObjectName(QStringLiteral("pcPoszkodowany_Policja"));
    buildServicePersonPages(person);
    m_pcWypPolicja->addTab(person, kPersonTab);
    return tab;
}

void TRejestrWypForm::buildRegisters() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    m_pcWyp = new QTabWidget(central);
    m_pcWyp->setObjectName(QStringLiteral("pcWyp"));
    layout->addWidget(m_pcWyp, 1);

    m_tabPraca = buildAtWorkRegister();
    m_pcWyp->addTab(m_tabPraca, QStringLiteral("Wypadki przy pracy"));
    m_tabDroga = buildCommutingRegister();
    m_pcWyp->addTab(m_tabDroga, QStringLiteral("Wypadki w drodze do lub z pracy"));
    if (appContext().uniformedServices) {
        m_tabPolicja = buildOtherRegister();
        m_pcWyp->addTab(m_tabPolicja, QStringLiteral("Inne wypadki"));
    }

    m_pOpisRej = new QWidget(central);
    m_pOpisRej->setObjectName(QStringLiteral("pOpisRej"));
    auto* reg = new QHBoxLayout(m_pOpisRej);
    reg->setContentsMargins(4, 2, 4, 2);
    m_registerLabel = new QLabel(m_pOpisRej);
    m_registerLabel->setObjectName(QStringLiteral("lRejestr"));
    reg->addWidget(m_registerLabel, 1);
    auto* info = new QPushButton(QStringLiteral("Info"), m_pOpisRej);
    info->setObjectName(QStringLiteral("bInfo"));
    reg->addWidget(info);
    m_bInfo = new QAction(QStringLiteral("Info"), this);
    m_bInfo->setObjectName(QStringLiteral("bInfo"));
    connect(info, &QPushButton::clicked, m_bInfo, &QAction::trigger);
    connect(m_bInfo, &QAction::triggered, this, guarded(QStringLiteral("bInfo"), [this]() { bInfoClick(); }));
    connect(m_bInfo, &QAction::changed, info, [this, info]() {
        info->setVisible(m_bInfo->isVisible());
        info->setEnabled(m_bInfo->isEnabled());
    });
    m_buttons.insert(QStringLiteral("bInfo"), m_bInfo);
    layout->addWidget(m_pOpisRej);
    setCentralWidget(central);
}

void TRejestrWypForm::connectLists() {
    TDataModForm* d = dm();
    if (!d || m_lists.contains(QStringLiteral("DBGridWypadki"))) return;
    auto* split = m_tabPraca->findChild<QSplitter*>(QStringLiteral("Splitter1"));
    QTableView* accidents = makeList(split, QStringLiteral("DBGridWypadki"), d->qrySKWWypadki,
                                     QStringLiteral("Zestaw wybranych danych wypadków"),
                                     {{"nr_symbol", "NUMER"}, {"DATA", "DATA"}, {"DATAREJWYP", "DATAREJWYP"},
                                      {"MIEJSCEWYP", "MIEJSCEWYP"}, {"POSZKODOWANI", "POSZKODOWANI"},
                                      {"STRATYZL", "STRATYZL"}, {"SUM", "SUM"}});
    split->addWidget(accidents);
    split->addWidget(makeList(split, QStringLiteral("DBGridPoszkodowani"), d->qrySKWPoszkodowani,
                              QStringLiteral("Zestaw wybranych danych poszkodowanych"),
                              {{"numer", "NUMERPROT"}, {"nrKarty_symbol", "NUMERKARTY"}, {"NAZWISKO", "NAZWISKO"},
                               {"IMIE", "IMIE"}, {"STRUKTSKROT", "STRUKTSKROT"}, {"STANOWSKROT", "STANOWSKROT"},
                               {"DATAPROT", "DATAPROT"}}));
    // Accidents that are not accidents at work are drawn in red when the setting says so.
    static_cast<DatasetModel*>(accidents->model())->setRowColour([this](const Dataset& ds, int row) {
        TDataModForm* d = dm();
        if (!d || !admSettings().kolorWyp) return QColor();
        const int id = int(ds.fieldAt(row, QStringLiteral("ID")).asInt());
        return d->isNotRecognised(id, ds.fieldAt(row, QStringLiteral("DATA")).asDateTime()) ? QColor(Qt::red) : QColor();
    });
    auto* commutingList = m_pcWypDroga->widget(0);
    commutingList->layout()->addWidget(makeList(commutingList, QStringLiteral("DBGrid1"), d->qryWypadkiWDrodze,
                                                QStringLiteral("Zestaw wybranych danych wypadków w drodze"),
                                                {{"nr_symbol", "NUMER"}, {"DATA", "DATA"}, {"DATAREJWYP", "DATAREJWYP"},
                                                 {"NAZWISKO", "NAZWISKO"}, {"IMIE", "IMIE"}}));
    if (m_tabPolicja) {
        auto* s = m_tabPolicja->findChild<QSplitter*>(QStringLiteral("Splitter3"));
        s->addWidget(makeList(s, QStringLiteral("DBGrid3"), d->qryWypadki_Policja,
                              QStringLiteral("Zestaw wybranych danych wypadków"),
                              {{"nr_symbol", "NUMER"}, {"DATA", "DATA"}, {"DATAREJWYP", "DATAREJWYP"},
                               {"POSZKODOWANI", "POSZKODOWANI"}, {"MSCWYPADKU", "MSCWYPADKU"}}));
        s->addWidget(makeList(s, QStringLiteral("DBGrid4"), d->qryPoszkodowani_Policja,
                              QStringLiteral("Zestaw wybranych danych poszkodowanych"),
                              {{"nrProt_symbol", "NUMERPROT"}, {"nrKarty_symbol", "NUMERKARTY"},
                               {"NAZWISKO", "NAZWISKO"}, {"IMIE", "IMIE"}, {"STOPSL", "Stopień służbowy"},
                               {"DATAPROT", "DATAPROT"}}));
    }
    for (QTableView* v : m_lists) WindowLayout::restore(v, WindowLayout::file());
}

// ---------------------------------------------------------------------------------
// State of the window

void TRejestrWypForm::FormCreate() {
    m_shown = false;
    m_switching = false;
    for (QTabWidget* t : {m_pcWypPraca, m_pcWypDroga, m_pcWypPolicja})
        if (t) t->setCurrentIndex(0);
    m_pcPPoszkodowany->setCurrentIndex(0);
    if (appContext().uniformedServices && m_tabPolicja) {
        m_pcWyp->setCurrentWidget(m_tabPolicja);
        for (const char* b : {"SKWBtn", "ProtokolBtn", "TestBtn", "bZnajdz"}) setCommand(QString::fromLatin1(b), false);
        enableMenu(QStringLiteral("Protokół Powypadkowy ..."), false);
        enableMenu(QStringLiteral("Statystyczna Karta Wypadku ..."), false);
    } else {
        m_pcWyp->setCurrentWidget(m_tabPraca);
        m_helpContext = 31100;
    }
    m_pOpisRej->setVisible(appContext().registersMode);
    m_cardPages = new CardPages(*this, m_tabPraca);
    // Page changes are commands of the user too: through the command guard.
    auto guard = [this](void (TRejestrWypForm::*change)(int)) {
        return [this, change](int i) { CommandGuard::run([&]() { (this->*change)(i); }, this); };
    };
    connect(m_pcWyp, &QTabWidget::currentChanged, this, guard(&TRejestrWypForm::pcWypChange));
    connect(m_pcWypPraca, &QTabWidget::currentChanged, this, guard(&TRejestrWypForm::pcWypPracaChange));
    connect(m_pcWypDroga, &QTabWidget::currentChanged, this, guard(&TRejestrWypForm::pcWypDrogaChange));
    if (m_pcWypPolicja) connect(m_pcWypPolicja, &QTabWidget::currentChanged, this, guard(&TRejestrWypForm::pcWypPolicjaChange));
    connect(m_pcPPoszkodowany, &QTabWidget::currentChanged, this, [this](int i) {
        if (m_pcWypPraca->currentIndex() == 2 && i >= 0 && i < int(std::size(kPersonHelp))) m_helpContext = kPersonHelp[i];
    });
    connect(m_pczPoszkodowany, &QTabWidget::currentChanged, this, [this](int) {
        if (m_pcWypDroga->currentIndex() == 2) m_helpContext = commutingPersonHelp();
    });
    m_fieldChecks = new FieldCheckLinks(m_tabPraca, this);  // field checks and calendar buttons
    m_fieldChecks->setReveal([this](QWidget* field) { revealQuietly(field); });
    m_commutingChecks = new FieldCheckLinks(m_tabDroga, this, FieldCheckLinks::commutingTable());
    m_commutingChecks->setReveal([this](QWidget* field) { revealQuietly(field); });
    for (const char* name : {"wsbZatrudnienie1", "wSpeedButton5"})
        if (auto* b = m_tabPraca->findChild<QToolButton*>(QString::fromLatin1(name)))
            connect(b, &QToolButton::clicked, this,
                    [this]() { CommandGuard::run([this]() { wsbZatrudnienie1Click(); }, this); });
    for (auto [name, click] : {std::pair{"wMiejsceWyp", &TRejestrWypForm::wMiejsceWypClick},
                               std::pair{"wZawod", &TRejestrWypForm::wZawodClick}})
        if (auto* b = m_tabPraca->findChild<QToolButton*>(QString::fromLatin1(name)))
            connect(b, &QToolButton::clicked, this, [this, click]() { CommandGuard::run([&]() { (this->*click)(); }, this); });
    m_reactions = new EntryReactions(*this, m_tabPraca);
    m_commutingReactions = new CommutingReactions(*this, m_tabDroga);
    if (m_tabPolicja) m_otherReactions = new OtherReactions(*this, m_tabPolicja);
    // The accident date is in the tab caption while it is typed.
    if (auto* date = m_tabPraca->findChild<QLineEdit*>(QStringLiteral("ewData")))
        connect(date, &QLineEdit::textChanged, this,
                [this](const QString& t) { m_pcWypPraca->setTabText(1, kAccidentTab + t); });
}

void TRejestrWypForm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TRejestrWypForm::FormShow() {
    TDataModForm* d = dm();
    if (!d) return;
    connectDataModule();
    connectLists();
    d->ReleaseAllTakes();
    d->setAdminOpen(false);
    applyRight();
    if (appContext().registersMode) {
        if (!ChooseCurrentRegister()) return;
        m_bInfo->setVisible(isAdminUser(Session::user().name));
    }
    if (m_right == kNoAccess) {
        // Without access to the register its accidents are not shown at all.
        setCaption(TDataModForm::RegisterCaption(d->referenceDate().date().year(), hasAppIni() && appIni().archiveMode()));
        return;
    }
    // The lists first: loading the first record positions them. The person lists
    // follow the visible structure of a restricted user.
    PageDictionaries* commuting = &m_commutingReactions->dictionaries();
    for (PageDictionaries* lists : {m_dictionaries, commuting}) {
        lists->fillAll();
        // The administration window's dictionaries changed: their pickers follow.
        connect(d, &TDataModForm::teamChanged, lists, &PageDictionaries::fillTeam, Qt::UniqueConnection);
        connect(d, &TDataModForm::diseasesChanged, lists, &PageDictionaries::fillDiseases, Qt::UniqueConnection);
        connect(d, &TDataModForm::listsReordered, lists, &PageDictionaries::fillAll, Qt::UniqueConnection);
    }
    if (m_otherReactions) m_otherReactions->shown();
    connect(d, &TDataModForm::structureTableBuilt, this, &TRejestrWypForm::fillPersonLists, Qt::UniqueConnection);
    d->OpenRegister(Clock::now());
}

// ---------------------------------------------------------------------------------
// What the data module reports

void TRejestrWypForm::connectDataModule() {
    TDataModForm* d = dm();
    connect(d, &TDataModForm::currentRecordChanged, this, &TRejestrWypForm::onCurrentRecordChanged, Qt::UniqueConnection);
    connect(d, &TDataModForm::accidentRowChanged, this, &TRejestrWypForm::showPersonalDataPage, Qt::UniqueConnection);
    connect(d, &TDataModForm::recordAdded, this, &TRejestrWypForm::onRecordAdded, Qt::UniqueConnection);
    connect(d, &TDataModForm::recordDeleted, this, &TRejestrWypForm::onRecordDeleted, Qt::UniqueConnection);
    connect(d, &TDataModForm::recordsReleased, this, [this]() { m_editor->forgetAll(); });
    connect(d, &TDataModForm::registerOpened, this, &TRejestrWypForm::onRegisterOpened, Qt::UniqueConnection);
    connect(d, &TDataModForm::registerYearChanged, this, &TRejestrWypForm::showAtWorkListPage, Qt::UniqueConnection);
    connect(&admSettingsNotifier(), &AdmSettingsNotifier::changed, this, &TRejestrWypForm::onAdmSettingChanged,
            Qt::UniqueConnection);
}

// The user chose another record in a list: the open one is saved (to the record it
// was loaded from), then the chosen one is loaded.
void TRejestrWypForm::onCurrentRecordChanged(Register reg) {
    TDataModForm* d = dm();
    const EditSession& s = session(reg);
    const RecordRef loaded = s.record();
    const RecordRef now = d->listRecord(reg);
    if (s.hasRecord() && !(loaded == now) && !saveRecord(reg)) {
        // The record on the pages keeps its typed values; the lists go back to it.
        d->reopenLists(reg, loaded.accidentId, loaded.personId);
        return;
    }
    loadRecord(reg);
    if (reg != Register::AtWork) return;
    Dataset* persons = d->qrySKWPoszkodowani;
    setProtocolButtonEnabled(atWorkRegisterActive() && hasRegisterRight() && !persons->isEmpty() &&
                             persons->field(QStringLiteral("RODZUMOWY")).asInt() == 1);
}

void TRejestrWypForm::onRecordAdded(Register reg) {
    loadRecord(reg);
    if (reg == Register::AtWork) setProtocolButtonEnabled(hasRegisterRight());
}

// A deleted record is never saved: the pages show the record the lists stand on now.
void TRejestrWypForm::onRecordDeleted(Register reg, int accidentId, int personId) {
    const EditSession& s = session(reg);
    if (s.accidentId() == accidentId && (personId == 0 || s.personId() == personId)) m_editor->forget(reg);
    if (accidentsOf(reg)->isEmpty()) clearPages(reg);
    else loadRecord(reg);
}

void TRejestrWypForm::onRegisterOpened(const QString& caption) {
    setCaption(caption);
    for (Register reg : {Register::AtWork, Register::Commuting, Register::Other}) {
        if (reg == Register::Other && !m_tabPolicja) continue;
        if (accidentsOf(reg)->isEmpty()) clearPages(reg);
        else loadRecord(reg);
    }
}

bool TRejestrWypForm::ChooseCurrentRegister() {
    TDataModForm* d = dm();
    m_pOpisRej->setVisible(true);
    d->setRegisters(RegisterChoice{});
    const RegisterChoice choice =
        zort::ChooseCurrentRegister(d->KartyDB(), Session::user(), [d](int id) { return d->IsElementDenied(id); });
    if (!choice.chosen()) {
        showError(choice.failure, this);
        requestTerminate(ExitFatal);
        hide();
        return false;
    }
    d->setRegisters(choice);
    d->setCurrentRegister(choice.currentId());
    m_registerLabel->setText(choice.panelText());
    return true;
}

void TRejestrWypForm::applyRight() {
    const AccessRights rights = AccessRights::ofSession();
    m_right = rights.registerLevel();
    for (Register reg : {Register::AtWork, Register::Commuting, Register::Other}) {
        session(reg).setRight(m_right);
        session(reg).setReadOnlyDatabase(appContext().readOnlyDatabase);
    }
    if (m_right != kFullAccess) {
        // Only the commands the level allows; the others keep no action.
        for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it) it.value()->setEnabled(commandAllowed(it.key()));
        for (auto it = m_menuItems.cbegin(); it != m_menuItems.cend(); ++it)
            it.value()->setEnabled(commandAllowed(m_menuButtons.value(it.key())));
        if (appContext().uniformedServices && activeRegister() == Register::Other)
            for (const char* b : {"SKWBtn", "ProtokolBtn"}) setCommand(QString::fromLatin1(b), false);
        for (QComboBox* c : m_pcWyp->findChildren<QComboBox*>()) c->setEnabled(false);
    }
    if (m_right == kNoAccess) {
        m_pcWyp->setEnabled(false);
        for (QTabWidget* t : findChildren<QTabWidget*>()) t->setEnabled(false);
        for (QTableView* v : findChildren<QTableView*>()) v->setEnabled(false);
    } else if (m_right == kViewOnly) {
        for (QLineEdit* e : m_pcWyp->findChildren<QLineEdit*>()) setReadOnlyLook(e, true);
        for (QPlainTextEdit* m : m_pcWyp->findChildren<QPlainTextEdit*>()) m->setReadOnly(true);
        for (RadioGroup* g : m_pcWyp->findChildren<RadioGroup*>()) g->setEnabled(false);
        for (QAbstractButton* b : m_pcWyp->findChildren<QAbstractButton*>())
            if (!qobject_cast<QTabBar*>(b->parent()) && !qobject_cast<RadioGroup*>(b->parent())) b->setEnabled(false);
    } else {
        setCommand(QStringLiteral("AdminOg"), true);
    }
}

QWidget* TRejestrWypForm::registerTab(Register reg) const {
    switch (reg) {
    case Register::AtWork: return m_tabPraca;
    case Register::Commuting: return m_tabDroga;
    case Register::Other: return m_tabPolicja;
    }
    return nullptr;
}

EditSession& TRejestrWypForm::session(Register reg) { return m_editor->session(reg); }

const EditSession& TRejestrWypForm::session(Register reg) const { return m_editor->session(reg); }

bool TRejestrWypForm::accidentEditable() const { return !session(Register::AtWork).closed(); }

void TRejestrWypForm::revealQuietly(QWidget* field) {
    m_switching = true;
    revealField(field);
    m_switching = false;
}

void TRejestrWypForm::returnToList(Register reg) {
    m_switching = true;
    showSubPage(reg, 0);
    m_switching = false;
    session(reg).left();
    leaveEditing(reg);
}

RadioGroup* TRejestrWypForm::blockGroup(Register reg) const {
    static const QString names[] = {QStringLiteral("rgwBlok"), QStringLiteral("rgzBlok"), QStringLiteral("rgeBlok")};
    return findChild<RadioGroup*>(names[int(reg)]);
}

void TRejestrWypForm::enableBlockGroup(Register reg) {
    if (RadioGroup* blok = blockGroup(reg)) blok->setEnabled(AccessRights::ofSession().mayCloseAccidents());
}

bool TRejestrWypForm::hasRegisterRight() const { return m_right != kNoAccess; }

QAction* TRejestrWypForm::button(const QString& name) const { return m_buttons.value(name); }

QAction* TRejestrWypForm::menuItem(const QString& caption) const { return m_menuItems.value(caption); }

QTableView* TRejestrWypForm::list(const QString& name) const { return m_lists.value(name); }

FieldBinder& TRejestrWypForm::binder(Register reg) { return m_editor->binder(reg); }

const QString& TRejestrWypForm::loadedProtocolNumber() const { return m_editor->protocolNumber(); }

QChar TRejestrWypForm::recordKind() const { return m_editor->recordKind(); }

QTabWidget* TRejestrWypForm::subPages(Register reg) const {
    switch (reg) {
    case Register::AtWork: return m_pcWypPraca;
    case Register::Commuting: return m_pcWypDroga;
    case Register::Other: return m_pcWypPolicja;
    }
    return m_pcWypPraca;
}

Register TRejestrWypForm::activeRegister() const {
    QWidget* w = m_pcWyp->currentWidget();
    if (w == m_tabDroga) return Register::Commuting;
    if (w && w == m_tabPolicja) return Register::Other;
    return Register::AtWork;
}

void TRejestrWypForm::setActiveRegister(Register reg) {
    QWidget* w = reg == Register::AtWork ? m_tabPraca : reg == Register::Commuting ? m_tabDroga : m_tabPolicja;
    if (w) m_pcWyp->setCurrentWidget(w);
}

bool TRejestrWypForm::onListPage(Register reg) const {
    QTabWidget* t = subPages(reg);
    return !t || t->currentIndex() == 0;
}

void TRejestrWypForm::showSubPage(Register reg, int page) {
    if (QTabWidget* t = subPages(reg)) t->setCurrentIndex(page);
}

int TRejestrWypForm::subPage(Register reg) const {
    QTabWidget* t = subPages(reg);
    return t ? t->currentIndex() : 0;
}

bool TRejestrWypForm::atWorkRegisterActive() const { return activeRegister() == Register::AtWork; }

bool TRejestrWypForm::mayEdit(Register reg) const { return session(reg).mayBeEdited(); }

Dataset* TRejestrWypForm::accidentsOf(Register reg) const {
    TDataModForm* d = dm();
    if (!d) return nullptr;
    switch (reg) {
    case Register::AtWork: return d->qrySKWWypadki;
    case Register::Commuting: return d->qryWypadkiWDrodze;
    case Register::Other: return d->qryWypadki_Policja;
    }
    return nullptr;
}

Dataset* TRejestrWypForm::personsOf(Register reg) const {
    TDataModForm* d = dm();
    if (!d || reg == Register::Commuting) return nullptr;
    return reg == Register::AtWork ? d->qrySKWPoszkodowani : d->qryPoszkodowani_Policja;
}

int TRejestrWypForm::currentAccidentId(Register reg) const {
    const Dataset* list = accidentsOf(reg);
    return !list || list->isEmpty() ? 0 : int(list->field(QStringLiteral("ID")).asInt());
}

// ---------------------------------------------------------------------------------
// The data module's requests

void TRejestrWypForm::setCaption(const QString& caption) {
    m_caption = caption;
    setWindowTitle(caption);
}

void TRejestrWypForm::clearPages(Register reg) { m_editor->clear(reg); }

void TRejestrWypForm::showPersonalDataPage(Register reg) {
    if (reg == Register::AtWork) m_pcPPoszkodowany->setCurrentIndex(0);
    else if (auto* t = subPages(reg)) {
        if (auto* nested = qobject_cast<QTabWidget*>(t->widget(2))) nested->setCurrentIndex(0);
    }
}

void TRejestrWypForm::setProtocolButtonEnabled(bool enabled) {
    setCommand(QStringLiteral("ProtokolBtn"), QStringLiteral("Protokół Powypadkowy ..."), enabled);
}

void TRejestrWypForm::showAtWorkListPage() {
    setActiveRegister(Register::AtWork);
    showSubPage(Register::AtWork, 0);
}

// ---------------------------------------------------------------------------------
// Loading and saving

void TRejestrWypForm::loadRecord(Register reg) { m_editor->load(reg); }

bool TRejestrWypForm::saveRecord(Register reg) { return m_editor->save(reg) != RecordEditor::Saved::Refused; }

void TRejestrWypForm::wsbZatrudnienie1Click() {
    auto* id = m_tabPraca->findChild<QLineEdit*>(QStringLiteral("epIdStanow"));
    TZatrudnienieForm& picker = positionForm();
    if (!picker.choose(id ? id->text().toInt() : 0)) return;
    for (const auto& [name, text] : positionFieldValues(picker.position(), picker.elementAtLevel(), picker.top()))
        if (auto* e = m_tabPraca->findChild<QLineEdit*>(name)) e->setText(text);
}

// ---------------------------------------------------------------------------------
// Switching pages and registers

void TRejestrWypForm::enterEditing(Register reg) {
    m_attachmentsAvailable = reg != Register::AtWork;
    for (const char* b : {"DodWypBtn", "DodPoszkBtn", "sbKasWypBtn", "sbKasPoszkBtn", "SKWBtn", "ProtokolBtn", "TestBtn",
                          "DrukBtn", "bZnajdz", "AdminOg", "AdminBtn"})
        setCommand(QString::fromLatin1(b), false);
    for (const char* m : {"Dodaj wypadek", "Skasuj Wypadek", "Dodaj poszkodowanego", "Skasuj poszkodowanego",
                          "Statystyczna Karta Wypadku ...", "Protokół Powypadkowy ...", "Załączniki ...",
                          "Administrator ..."})
        enableMenu(QString::fromUtf8(m), false);
    for (int i = 0; i < m_pcWyp->count(); ++i) m_pcWyp->setTabVisible(i, m_pcWyp->widget(i) == m_pcWyp->currentWidget());
}

void TRejestrWypForm::leaveEditing(Register reg) {
    const bool full = m_right == kFullAccess;
    m_attachmentsAvailable = true;
    setCommand(QStringLiteral("DodWypBtn"), QStringLiteral("Dodaj wypadek"), full);
    setCommand(QStringLiteral("DrukBtn"), QStringLiteral("Wydruki"), m_right != kNoAccess);
    setCommand(QStringLiteral("AdminOg"), true);
    setCommand(QStringLiteral("AdminBtn"), QStringLiteral("Administrator ..."), m_right != kNoAccess);
    enableMenu(QStringLiteral("Załączniki ..."), true);
    if (reg == Register::AtWork) setListCommandsForAtWork();
    else {
        const bool open = !session(reg).closed();
        setCommand(QStringLiteral("sbKasWypBtn"), QStringLiteral("Skasuj Wypadek"), full && open);
        if (reg == Register::Other) {
            setCommand(QStringLiteral("DodPoszkBtn"), QStringLiteral("Dodaj poszkodowanego"), full && open);
            setCommand(QStringLiteral("sbKasPoszkBtn"), QStringLiteral("Skasuj poszkodowanego"), full && open);
        }
    }
    for (int i = 0; i < m_pcWyp->count(); ++i) m_pcWyp->setTabVisible(i, true);
}

void TRejestrWypForm::setListCommandsForAtWork() {
    TDataModForm* d = dm();
    const bool full = m_right == kFullAccess;
    const bool open = !session(Register::AtWork).closed();
    setCommand(QStringLiteral("SKWBtn"), QStringLiteral("Statystyczna Karta Wypadku ..."), m_right != kNoAccess);
    setCommand(QStringLiteral("TestBtn"), QStringLiteral("Test danych ..."), full);
    setCommand(QStringLiteral("bZnajdz"), m_right != kNoAccess);
    Dataset* persons = d ? d->qrySKWPoszkodowani : nullptr;
    const bool employee = !persons || persons->isEmpty() || persons->field(QStringLiteral("RODZUMOWY")).asInt() == 1;
    setCommand(QStringLiteral("ProtokolBtn"), QStringLiteral("Protokół Powypadkowy ..."), m_right != kNoAccess && employee);
    setCommand(QStringLiteral("DodPoszkBtn"), QStringLiteral("Dodaj poszkodowanego"), full && open);
    setCommand(QStringLiteral("sbKasWypBtn"), QStringLiteral("Skasuj Wypadek"), full && open);
    setCommand(QStringLiteral("sbKasPoszkBtn"), QStringLiteral("Skasuj poszkodowanego"), full && open);
}

// Gives back the accident of the entry pages (the one the list stands on when none
// is loaded).
void TRejestrWypForm::releaseTake(Register reg) {
    const int loaded = session(reg).accidentId();
    m_editor->release(reg, loaded ? loaded : currentAccidentId(reg));
}

// Switching the sub-page of a register: to an entry page the accident is taken and
// editing begins; back to the list the record is saved (when allowed) and released.
void TRejestrWypForm::subPageChanged(Register reg, int index) {
    if (m_switching) return;
    TDataModForm* d = dm();
    if (!d) return;
    if (index > 0) {
        EditSession& s = session(reg);
        bool refused = accidentsOf(reg)->isEmpty();
        if (refused) showError(addAccidentFirstMessage(), this);
        else if (!s.onEntryPages()) {
            // A take the database could not give is refused as well (the message shown).
            bool taken = false;
            const int id = currentAccidentId(reg);
            refused = !CommandGuard::run([&]() { taken = m_editor->take(reg, id); }, this) || !taken;
            if (!refused) s.entered(true);
        }
        if (refused) {
            m_switching = true;
            subPages(reg)->setCurrentIndex(0);
            m_switching = false;
            return;
        }
        enterEditing(reg);
        m_lastEntryPage[size_t(reg)] = index;
        if (reg == Register::AtWork)
            m_helpContext = index == 1 ? 31200 : kPersonHelp[qMax(0, m_pcPPoszkodowany->currentIndex())];
        else if (reg == Register::Commuting)
            m_helpContext = index == 1 ? 42000 : commutingPersonHelp();
        return;
    }
    // A save that a check refused keeps the user on the entry pages, with the values
    // typed and the field named.
    if (!saveRecord(reg)) {
        if (subPages(reg)->currentIndex() == 0) {
            m_switching = true;
            subPages(reg)->setCurrentIndex(m_lastEntryPage[size_t(reg)]);
            m_switching = false;
        }
        return;
    }
    session(reg).left();
    // A take the database cannot end now is ended at the next start of this computer;
    // the list works all the same.
    CommandGuard::run([&]() { releaseTake(reg); }, this);
    DocumentWindows::closeModeless();
    leaveEditing(reg);
    if (reg != Register::Other) m_helpContext = reg == Register::AtWork ? 31100 : 41000;
}

void TRejestrWypForm::pcWypPracaChange(int index) { subPageChanged(Register::AtWork, index); }

void TRejestrWypForm::pcWypDrogaChange(int index) { subPageChanged(Register::Commuting, index); }

void TRejestrWypForm::pcWypPolicjaChange(int index) { subPageChanged(Register::Other, index); }

void TRejestrWypForm::pcWypChange(int) {
    if (m_switching) return;
    const Register reg = activeRegister();
    // The open records of the other registers are saved first.
    for (Register other : {Register::AtWork, Register::Commuting, Register::Other})
        if (other != reg) saveRecord(other);
    if (reg == Register::AtWork) {
        setListCommandsForAtWork();
        m_helpContext = onListPage(reg) ? 31100 : subPage(reg) == 1 ? 31200 : kPersonHelp[m_pcPPoszkodowany->currentIndex()];
    } else {
        for (const char* b : {"DodPoszkBtn", "sbKasPoszkBtn", "SKWBtn", "ProtokolBtn", "TestBtn", "bZnajdz"})
            if (reg == Register::Commuting || (qstrcmp(b, "DodPoszkBtn") != 0 && qstrcmp(b, "sbKasPoszkBtn") != 0))
                setCommand(QString::fromLatin1(b), false);
        for (const char* m : {"Statystyczna Karta Wypadku ...", "Protokół Powypadkowy ...", "Test danych ..."})
            enableMenu(QString::fromUtf8(m), false);
        if (reg == Register::Commuting) {
            enableMenu(QStringLiteral("Dodaj poszkodowanego"), false);
            enableMenu(QStringLiteral("Skasuj poszkodowanego"), false);
            m_helpContext = onListPage(reg) ? 41000 : subPage(reg) == 1 ? 42000 : commutingPersonHelp();
        }
        m_editor->listCommands(reg, !session(reg).closed());
    }
}

void TRejestrWypForm::closeEvent(QCloseEvent* e) {
    const Register reg = activeRegister();
    const EditSession& s = session(reg);
    if (m_right == kFullAccess && s.editing() && s.mayBeEdited()) {
        // A refused save keeps the window open with what was typed.
        if (confirmInfo(QStringLiteral(" Czy zapisać dane przed zakończeniem programu ?"), this) == 1 &&
            !saveRecord(reg)) {
            e->ignore();
            return;
        }
    }
    FormClose();
    e->accept();
}

void TRejestrWypForm::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1) {
        Help::show(m_helpContext);
        return;
    }
    QMainWindow::keyPressEvent(e);
}

void TRejestrWypForm::FormClose() {
    TDataModForm* d = dm();
    if (!d) return;
    d->qrySKWWypadki->clearFilter();
    try {
        d->ReleaseAllTakes();
    } catch (const DbError& e) {
        logMessage(QStringLiteral("błąd"), e.message());
    }
}

} // namespace zort
