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
#include "register/KalendarzForm.h"
#include "register/PageDictionaries.h"
#include "register/ZatrudnienieForm.h"
#include "register/ZnajdzForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
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

// The table of a register's accidents, as the takes name it.
const QString& accidentTable(Register reg) {
    static const QString tables[] = {QStringLiteral("SKWWypadki"), QStringLiteral("SKWWypadkiWDrodze"),
                                     QStringLiteral("WypOper_Wypadki")};
    return tables[int(reg)];
}

const QString kAddFirst = QStringLiteral("Najpierw należy dodać wypadek, a następnie można wprowadzać dane . ");
const QString kAddBoth =
    QStringLiteral("Najpierw należy dodać wypadek i poszkodowanego, a następnie można wprowadzać dane . ");
const QString kSaveFailed = QStringLiteral("Błąd przy zapisie danych !!!");

// The toolbar: component name, caption, hint, standard glyph.
struct Command {
    const char* name;
    const char* caption;
    const char* hint;
    QStyle::StandardPixmap glyph;
};

const Command kCommands[] = {
    {"DodWypBtn", "Wypadek", "Dodaj wypadek", QStyle::SP_FileIcon},
    {"DodPoszkBtn", "Poszkod.", "Dodaj poszkodowanego", QStyle::SP_FileDialogNewFolder},
    {"sbKasWypBtn", "Wypadek", "Skasuj wypadek", QStyle::SP_TrashIcon},
    {"sbKasPoszkBtn", "Poszkod.", "Skasuj poszkodowanego", QStyle::SP_DialogDiscardButton},
    {"SKWBtn", "SKW", "Statystyczna Karta Wypadku", QStyle::SP_FileDialogDetailedView},
    {"ProtokolBtn", "Protokół", "Protokół Powypadkowy", QStyle::SP_FileDialogContentsView},
    {"DokumBtn", "Załączn.", "Załączniki", QStyle::SP_DirOpenIcon},
    {"TestBtn", "Testuj", "Test danych", QStyle::SP_DialogApplyButton},
    {"sbZapiszBtn", "Zapisz", "Zapisz dane", QStyle::SP_DialogSaveButton},
    {"DrukBtn", "Wydruki", "Wydruki", QStyle::SP_FileDialogListView},
    {"bZnajdz", "Znajdź", "Znajdź wypadek", QStyle::SP_FileDialogContentsView},
    {"PomocBtn", "Pomoc", "Pomoc", QStyle::SP_DialogHelpButton},
    {"AdminOg", "Admin.", "Moduł administracyjny systemu ZORT", QStyle::SP_ComputerIcon},
    {"sbZamknijBtn", "Koniec", "Zakończ pracę programu", QStyle::SP_DialogCloseButton},
    {"AdminBtn", "Dodatki", "Administracja bazy rejestru wypadków", QStyle::SP_FileDialogInfoView},
};

// The menu: caption and the button whose handler it shares.
struct MenuEntry {
    const char* menu;
    const char* caption;
    const char* button;
};

const MenuEntry kMenu[] = {
    {"Rejestr", "Dodaj wypadek", "DodWypBtn"},
    {"Rejestr", "Dodaj poszkodowanego", "DodPoszkBtn"},
    {"Rejestr", "Skasuj Wypadek", "sbKasWypBtn"},
    {"Rejestr", "Skasuj poszkodowanego", "sbKasPoszkBtn"},
    {"Rejestr", "Koniec", "sbZamknijBtn"},
    {"Dokumenty", "Statystyczna Karta Wypadku ...", "SKWBtn"},
    {"Dokumenty", "Protokół Powypadkowy ...", "ProtokolBtn"},
    {"Dokumenty", "Załączniki ...", "DokumBtn"},
    {"Narzędzia", "Test danych ...", "TestBtn"},
    {"Narzędzia", "Wydruki", "DrukBtn"},
    {"Narzędzia", "Administrator ...", "AdminBtn"},
    {"Pomoc", "Pomoc", "PomocBtn"},
};

// The help contexts of the nested person pages, in page order.
const int kPersonHelp[] = {31310, 31320, 31320, 31331, 31331, 31332, 31332, 31340, 31350, 31350, 31360};

int pageIndex(QTabWidget* tabs, const char* name) {
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i)->objectName() == QLatin1String(name)) return i;
    return -1;
}

} // namespace

// ---------------------------------------------------------------------------------
// Construction

TRejestrWypForm::TRejestrWypForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("RejestrWypForm"));
    setWindowTitle(QStringLiteral("Rejestr wypadków"));
    buildToolbarAndMenu();
    buildRegisters();
    m_bindAtWork = std::make_unique<FieldBinder>(
        m_tabPraca, MemoSlots::TwoDigits,
        std::vector<SelectorRule>{{'w', QStringLiteral("accident"), true, 0, 0},
                                  {'0', QStringLiteral("accident"), false, 0, 0},
                                  {'p', QStringLiteral("person"), true, 1, 0},
                                  {'9', QStringLiteral("person"), false, 1, 0},
                                  {'r', QStringLiteral("person"), true, 1, 0},
                                  {'k', QStringLiteral("person"), true, 1, 0}});
    m_bindCommuting = std::make_unique<FieldBinder>(
        m_tabDroga, MemoSlots::OneDigit,
        std::vector<SelectorRule>{{'z', QStringLiteral("accident"), true, 0, 0},
                                  {'7', QStringLiteral("accident"), false, 0, 0}});
    m_bindOther = std::make_unique<FieldBinder>(
        m_tabPolicja ? m_tabPolicja : new QWidget(this), MemoSlots::TwoDigits,
        std::vector<SelectorRule>{{'e', QStringLiteral("accident"), true, 0, 0},
                                  {'x', QStringLiteral("accident"), false, 0, 0},
                                  {'f', QStringLiteral("person"), true, 1, 0, {QStringLiteral("TypWyp")}},
                                  {'8', QStringLiteral("person"), false, 1, 0}});
    m_dictionaries = new PageDictionaries(m_tabPraca, this);
    registerSearchWindow();
    resize(1180, 760);
    WindowLayout::track(this);
    FormCreate();
}

TRejestrWypForm::~TRejestrWypForm() {
    if (TDataModForm* d = dm(); d && d->window() == this) d->setWindow(nullptr);
}

TDataModForm* TRejestrWypForm::dm() const { return dataMod(); }

void TRejestrWypForm::buildToolbarAndMenu() {
    QToolBar* bar = addToolBar(QStringLiteral("Polecenia"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const QHash<QString, std::function<void()>> handlers = {
        {QStringLiteral("DodWypBtn"), [this]() { DodWypBtnClick(); }},
        {QStringLiteral("DodPoszkBtn"), [this]() { DodPoszkBtnClick(); }},
        {QStringLiteral("sbKasWypBtn"), [this]() { sbKasWypBtnClick(); }},
        {QStringLiteral("sbKasPoszkBtn"), [this]() { sbKasPoszkBtnClick(); }},
        {QStringLiteral("SKWBtn"), [this]() { SKWBtnClick(); }},
        {QStringLiteral("ProtokolBtn"), [this]() { ProtokolBtnClick(); }},
        {QStringLiteral("DokumBtn"), [this]() { DokumBtnClick(); }},
        {QStringLiteral("TestBtn"), [this]() { TestBtnClick(); }},
        {QStringLiteral("sbZapiszBtn"), [this]() { sbZapiszBtnClick(); }},
        {QStringLiteral("DrukBtn"), [this]() { DrukBtnClick(); }},
        {QStringLiteral("bZnajdz"), [this]() { bZnajdzClick(); }},
        {QStringLiteral("PomocBtn"), [this]() { PomocBtnClick(); }},
        {QStringLiteral("AdminOg"), [this]() { AdminOgClick(); }},
        {QStringLiteral("sbZamknijBtn"), [this]() { sbZamknijBtnClick(); }},
        {QStringLiteral("AdminBtn"), [this]() { AdminBtnClick(); }},
    };
    int i = 0;
    for (const Command& c : kCommands) {
        auto* a = new QAction(style()->standardIcon(c.glyph), QString::fromUtf8(c.caption), this);
        a->setObjectName(QString::fromLatin1(c.name));
        a->setToolTip(QString::fromUtf8(c.hint));
        a->setStatusTip(QString::fromUtf8(c.hint));
        connect(a, &QAction::triggered, this, guarded(a->objectName(), handlers.value(a->objectName())));
        bar->addAction(a);
        if (auto* b = bar->widgetForAction(a)) {
            b->setObjectName(a->objectName());
            b->setAccessibleName(a->text());
            b->setAccessibleDescription(a->toolTip());
        }
        m_buttons.insert(a->objectName(), a);
        // Groups: adding, deleting, documents, tools, the rest.
        if (++i == 2 || i == 4 || i == 7 || i == 11) bar->addSeparator();
    }
    QHash<QString, QMenu*> menus;
    for (const MenuEntry& e : kMenu) {
        const QString title = QString::fromUtf8(e.menu);
        QMenu*& menu = menus[title];
        if (!menu) {
            menu = menuBar()->addMenu(title);
            menu->setObjectName(QStringLiteral("mn") + title);
        }
        auto* a = menu->addAction(QString::fromUtf8(e.caption));
        const QString button = QString::fromLatin1(e.button);
        a->setObjectName(QStringLiteral("mi") + button);
        connect(a, &QAction::triggered, this, guarded(button, handlers.value(button)));
        m_menuItems.insert(a->text(), a);
        m_menuButtons.insert(a->text(), button);
    }
}

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
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->horizontalHeader()->setStretchLastSection(true);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->verticalHeader()->hide();
    // The list follows its dataset, and choosing a row moves the dataset.
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [data](const QModelIndex& current) {
                if (current.isValid() && current.row() != data->recNo()) data->moveTo(current.row());
            });
    auto follow = [view, data]() {
        if (data->recNo() < 0) return;
        const QModelIndex idx = view->model()->index(data->recNo(), 0);
        // Not blocked: the view repaints its selection from these signals, and the
        // reaction above leaves the dataset alone on the row it is on.
        if (view->currentIndex().row() != idx.row())
            view->selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        view->scrollTo(idx);
    };
    connect(data, &Dataset::scrolled, view, follow);
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
    auto* accident = new QTabWidget(m_pcWypDroga);
    accident->setObjectName(QStringLiteral("pcWypadekDroga"));
    for (const char* n : {"1", "2", "3", "4"}) {
        auto* p = new QWidget(accident);
        p->setObjectName(QStringLiteral("TabDroga") + QLatin1String(n));
        accident->addTab(p, QString::fromLatin1(n));
    }
    m_pcWypDroga->addTab(accident, kAccidentTab);
    auto* person = new QTabWidget(m_pcWypDroga);
    person->setObjectName(QStringLiteral("pcPoszkodowanyDroga"));
    for (const char* n : {"Dane osobowe", "Dane o zatrudnieniu"}) {
        auto* p = new QWidget(person);
        person->addTab(p, QString::fromUtf8(n));
    }
    m_pcWypDroga->addTab(person, kPersonTab);
    return tab;
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
    m_pcWypPolicja->addTab(accident, kAccidentTab);
    auto* person = new QTabWidget(m_pcWypPolicja);
    person->setObjectName(QStringLiteral("pcPoszkodowany_Policja"));
    for (const char* n : {"Dane osobowe", "Prot. powyp. cz. 1", "Prot. powyp. cz. 2", "Prot. powyp. cz. 3",
                          "Prot. powyp. cz. 4", "Prot. powyp. cz. 5", "EKW cz. 1", "EKW cz. 2"})
        person->addTab(new QWidget(person), QString::fromUtf8(n));
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
    connect(m_pcWyp, &QTabWidget::currentChanged, this, &TRejestrWypForm::pcWypChange);
    connect(m_pcWypPraca, &QTabWidget::currentChanged, this, &TRejestrWypForm::pcWypPracaChange);
    connect(m_pcWypDroga, &QTabWidget::currentChanged, this, &TRejestrWypForm::pcWypDrogaChange);
    if (m_pcWypPolicja) connect(m_pcWypPolicja, &QTabWidget::currentChanged, this, &TRejestrWypForm::pcWypPolicjaChange);
    connect(m_pcPPoszkodowany, &QTabWidget::currentChanged, this, [this](int i) {
        if (m_pcWypPraca->currentIndex() == 2 && i >= 0 && i < int(std::size(kPersonHelp))) m_helpContext = kPersonHelp[i];
    });
    if (auto* calendar = m_tabPraca->findChild<QToolButton*>(QStringLiteral("wDataRejBtn")))
        connect(calendar, &QToolButton::clicked, this, &TRejestrWypForm::wDataRejBtnClick);
    for (const char* name : {"wsbZatrudnienie1", "wSpeedButton5"})
        if (auto* b = m_tabPraca->findChild<QToolButton*>(QString::fromLatin1(name)))
            connect(b, &QToolButton::clicked, this, &TRejestrWypForm::wsbZatrudnienie1Click);
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
    d->setWindow(this);
    connectLists();
    d->ReleaseAllTakes();
    d->adminOpen = false;
    applyRight();
    if (appContext().registersMode) {
        if (!ChooseCurrentRegister()) return;
        m_bInfo->setVisible(isAdminUser(Session::user().name));
    }
    if (m_right == kNoAccess) {
        // Without access to the register its accidents are not shown at all.
        setCaption(TDataModForm::RegisterCaption(d->referenceDate.date().year(), hasAppIni() && appIni().archiveMode()));
        return;
    }
    // The lists first: loading the first record positions them. The person lists
    // follow the visible structure of a restricted user.
    m_dictionaries->fillAll();
    connect(d, &TDataModForm::structureTableBuilt, this, &TRejestrWypForm::fillPersonLists, Qt::UniqueConnection);
    d->OpenRegister(Clock::now());
}

bool TRejestrWypForm::ChooseCurrentRegister() {
    TDataModForm* d = dm();
    m_pOpisRej->setVisible(true);
    d->registers = RegisterChoice{};
    const RegisterChoice choice =
        zort::ChooseCurrentRegister(d->KartyDB(), Session::user(), [d](int id) { return d->IsElementDenied(id); });
    if (!choice.chosen()) {
        showError(choice.failure, this);
        requestTerminate(ExitFatal);
        hide();
        return false;
    }
    d->registers = choice;
    d->currentRegister = choice.currentId();
    m_registerLabel->setText(choice.panelText());
    return true;
}

void TRejestrWypForm::applyRight() {
    const AccessRights rights = AccessRights::ofSession();
    m_right = rights.registerLevel();
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
        for (QLineEdit* e : m_pcWyp->findChildren<QLineEdit*>()) e->setReadOnly(true);
        for (QPlainTextEdit* m : m_pcWyp->findChildren<QPlainTextEdit*>()) m->setReadOnly(true);
        for (RadioGroup* g : m_pcWyp->findChildren<RadioGroup*>()) g->setEnabled(false);
        for (QAbstractButton* b : m_pcWyp->findChildren<QAbstractButton*>())
            if (!qobject_cast<QTabBar*>(b->parent()) && !qobject_cast<RadioGroup*>(b->parent())) b->setEnabled(false);
    } else {
        setCommand(QStringLiteral("AdminOg"), true);
    }
}

bool TRejestrWypForm::commandAllowed(const QString& button) const {
    return AccessRights::ofSession().commandAllowed(button);
}

std::function<void()> TRejestrWypForm::guarded(const QString& button, std::function<void()> handler) {
    return [this, button, handler = std::move(handler)]() {
        if (handler && commandAllowed(button)) handler();
    };
}

void TRejestrWypForm::enableMenu(const QString& caption, bool enabled) {
    if (QAction* m = menuItem(caption)) m->setEnabled(enabled && commandAllowed(m_menuButtons.value(caption)));
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

void TRejestrWypForm::setCommand(const QString& buttonName, const QString& menuCaption, bool enabled) {
    setCommand(buttonName, enabled);
    enableMenu(menuCaption, enabled);
}

void TRejestrWypForm::setCommand(const QString& buttonName, bool enabled) {
    if (QAction* b = button(buttonName)) b->setEnabled(enabled && commandAllowed(buttonName));
}

FieldBinder& TRejestrWypForm::binder(Register reg) {
    switch (reg) {
    case Register::AtWork: return *m_bindAtWork;
    case Register::Commuting: return *m_bindCommuting;
    case Register::Other: return *m_bindOther;
    }
    return *m_bindAtWork;
}

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

bool TRejestrWypForm::mayEdit(Register reg) const {
    if (m_right != kFullAccess) return false;
    const bool open = m_open[int(reg)];
    // A closed accident that a user with the right reopened ("Zablokowany :" at "NIE")
    // is saved too.
    const RadioGroup* blok = blockGroup(reg);
    return open || (blok && blok->isEnabled() && blok->itemIndex() == 0);
}

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

void TRejestrWypForm::setAccidentKind(Register reg, int kind) {
    const QString name = reg == Register::Other ? QStringLiteral("rgeWypIZ") : QStringLiteral("rgwWypIZ");
    if (auto* g = findChild<RadioGroup*>(name)) g->setItemIndex(kind);
}

int TRejestrWypForm::injuredCount(Register reg) const {
    const QString name = reg == Register::Other ? QStringLiteral("eePoszkodowani") : QStringLiteral("ewPoszkodowani");
    auto* e = findChild<QLineEdit*>(name);
    return e ? e->text().toInt() : 0;
}

void TRejestrWypForm::setInjuredCount(Register reg, int count) {
    const QString name = reg == Register::Other ? QStringLiteral("eePoszkodowani") : QStringLiteral("ewPoszkodowani");
    if (auto* e = findChild<QLineEdit*>(name)) e->setText(QString::number(count));
}

void TRejestrWypForm::clearPages(Register reg) {
    binder(reg).clear();
    if (reg == Register::AtWork) m_dictionaries->clearSelections();
    setTabCaptions(reg, QString(), QString());
}

void TRejestrWypForm::setTabCaptions(Register reg, const QString& accidentDate, const QString& person) {
    QTabWidget* t = subPages(reg);
    if (!t) return;
    t->setTabText(1, kAccidentTab + accidentDate);
    t->setTabText(2, kPersonTab + person);
}

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

void TRejestrWypForm::enableBound(FieldBinder& b, bool enabled, QChar pickerPrefix) {
    for (const BoundControl& c : b.controls()) c.widget->setEnabled(enabled);
    QWidget* root = b.controls().isEmpty() ? nullptr : b.controls().first().widget->window();
    if (!root) return;
    for (QAbstractButton* btn : root->findChildren<QAbstractButton*>())
        if (btn->objectName().startsWith(pickerPrefix) && !qobject_cast<QToolBar*>(btn->parent())) btn->setEnabled(enabled);
}

void TRejestrWypForm::loadRecord(Register reg) {
    switch (reg) {
    case Register::AtWork: loadAtWork(); break;
    case Register::Commuting: loadCommuting(); break;
    case Register::Other: loadOther(); break;
    }
}

void TRejestrWypForm::saveRecord(Register reg) {
    switch (reg) {
    case Register::AtWork: saveAtWork(); break;
    case Register::Commuting: saveCommuting(); break;
    case Register::Other: saveOther(); break;
    }
}

void TRejestrWypForm::loadAtWork() {
    TDataModForm* d = dm();
    if (!d) return;
    Dataset* accidents = d->qrySKWWypadki;
    Dataset* persons = d->qrySKWPoszkodowani;
    if (accidents->isEmpty()) {
        clearPages(Register::AtWork);
        return;
    }
    // 1. Whether the pages may be changed.
    bool& open = m_open[int(Register::AtWork)];
    open = accidents->field(QStringLiteral("BLOK")).asInt() == 0;
    if (!open) {
        setCommand(QStringLiteral("sbKasWypBtn"), QStringLiteral("Skasuj Wypadek"), false);
        setCommand(QStringLiteral("DodPoszkBtn"), QStringLiteral("Dodaj poszkodowanego"), false);
        setCommand(QStringLiteral("sbKasPoszkBtn"), QStringLiteral("Skasuj poszkodowanego"), false);
    } else if (onListPage(Register::AtWork)) {
        setCommand(QStringLiteral("sbKasWypBtn"), QStringLiteral("Skasuj Wypadek"), m_right == kFullAccess);
        setCommand(QStringLiteral("DodPoszkBtn"), QStringLiteral("Dodaj poszkodowanego"), m_right == kFullAccess);
        setCommand(QStringLiteral("sbKasPoszkBtn"), QStringLiteral("Skasuj poszkodowanego"), m_right == kFullAccess);
    }
    const bool editable = open && m_right == kFullAccess;
    // 2. The values. The protocol or card fields only for a person of that kind.
    const qint64 kind = persons->isEmpty() ? 0 : persons->field(QStringLiteral("RODZUMOWY")).asInt();
    m_recordKind = kind == 1 ? QChar('r') : kind == 2 ? QChar('k') : QChar();
    auto rowOf = [&](const QString& t) -> const Dataset* { return t == QLatin1String("accident") ? accidents : persons; };
    auto active = [this](QChar s) { return (s != 'r' && s != 'k') || s == m_recordKind; };
    m_bindAtWork->load(rowOf, active);
    enableBound(*m_bindAtWork, editable, QLatin1Char('w'));
    // 3. Editing flag, captions, protocol number.
    d->editing = false;
    auto text = [this](const char* name) {
        auto* e = m_tabPraca->findChild<QLineEdit*>(QString::fromLatin1(name));
        return e ? e->text() : QString();
    };
    setTabCaptions(Register::AtWork, text("ewData"), text("epImie") + QLatin1Char(' ') + text("epNazwisko"));
    m_protocolNumber = text("epNumerProt");
    // 4. Every dictionary list on the code loaded into its field; the PESEL of the
    // register person when the person is not linked.
    m_dictionaries->selectEntries(int(accidents->field(QStringLiteral("WERSJASKW")).asInt()), editable);
    if (auto* pesel = m_tabPraca->findChild<QLineEdit*>(QStringLiteral("e9Pesel")); pesel && pesel->text().isEmpty())
        pesel->setText(persons->isEmpty() ? QString() : persons->field(QStringLiteral("PESELPRAC")).asString());
    // 5. Closing an accident needs its own right.
    enableBlockGroup(Register::AtWork);
    // 7. Protocol pages for employees, accident-card pages for the others.
    for (int i = 0; i < m_pcPPoszkodowany->count(); ++i) {
        const QString n = m_pcPPoszkodowany->widget(i)->objectName();
        if (n.startsWith(QLatin1String("TabProt"))) m_pcPPoszkodowany->setTabVisible(i, kind == 1);
        if (n.startsWith(QLatin1String("TabKarta"))) m_pcPPoszkodowany->setTabVisible(i, kind == 2);
    }
}

namespace {

// The earliest report date of an accident: the smallest over its other persons and
// the date typed for this one, leaving out missing and zero dates.
QDateTime earliestReportDate(Connection& c, const QString& personTable, int accidentId, int personId,
                             const QString& typed) {
    QDateTime earliest = c.scalar(QStringLiteral("select MIN(DATAZG) from ") + personTable +
                                      QStringLiteral(" where IdWypadku = :IdWypadku AND ID <> :Id AND DATAZG > :Zero"),
                                  Params{{"IdWypadku", accidentId}, {"Id", personId},
                                         {"Zero", QDateTime(dates::kZeroDate.addDays(1), QTime(0, 0))}})
                             .toDateTime();
    const QDateTime own = Formats::parseDateTime(typed);
    if (!dates::isNoDate(own) && (!earliest.isValid() || own < earliest)) earliest = own;
    return earliest;
}

} // namespace

void TRejestrWypForm::reportSaveFailure() { showError(kSaveFailed, this); }

void TRejestrWypForm::fillPersonLists() { m_dictionaries->fillPersons(); }

void TRejestrWypForm::wsbZatrudnienie1Click() {
    auto* id = m_tabPraca->findChild<QLineEdit*>(QStringLiteral("epIdStanow"));
    TZatrudnienieForm& picker = positionForm();
    if (!picker.choose(id ? id->text().toInt() : 0)) return;
    for (const auto& [name, text] : positionFieldValues(picker.position(), picker.elementAtLevel(), picker.top()))
        if (auto* e = m_tabPraca->findChild<QLineEdit*>(name)) e->setText(text);
}

void TRejestrWypForm::wDataRejBtnClick() {
    TDataModForm* d = dm();
    auto* field = m_tabPraca->findChild<QLineEdit*>(QStringLiteral("ewDataRejWyp"));
    if (!d || !field || d->qrySKWWypadki->isEmpty()) return;
    const QDateTime stored = d->qrySKWWypadki->field(QStringLiteral("DATAREJWYP")).asDateTime();
    if (const auto chosen = calendarForm().choose(stored.isValid() ? stored.date() : Clock::today()))
        field->setText(Formats::date(*chosen));
}

// What saving the record of a register with accidents and their injured persons
// needs to know of the register.
struct TRejestrWypForm::TwoRowSave {
    Register reg;
    FieldBinder* binder;
    Dataset* accidents;
    Dataset* persons;
    QString accidentTable;
    QString personTable;
    QStringList slotNames;  // blob parameters by memo slot (index = slot)
    QString reportDateField;
    std::function<bool(QChar)> active;
    int* accidentId;
    int* personId;
};

void TRejestrWypForm::saveAtWork() {
    TDataModForm* d = dm();
    if (!d) return;
    static const QStringList slotNames{QString(), QStringLiteral("Okolicznosci"), QStringLiteral("Przyczyny"),
                                       QStringLiteral("Uchybienia"), QStringLiteral("DowUchyb"),
                                       QStringLiteral("DowPij"), QStringLiteral("RodzUrazu"), QStringLiteral("Uzasadn"),
                                       QStringLiteral("Profilaktyka"), QStringLiteral("Przeszkody"),
                                       QStringLiteral("Zalaczniki"), QStringLiteral("OdmowaZus")};
    QString report;
    if (!m_recordKind.isNull()) report = m_recordKind == 'r' ? QStringLiteral("erDataZg") : QStringLiteral("ekDataZg");
    saveTwoRows({Register::AtWork, m_bindAtWork.get(), d->qrySKWWypadki, d->qrySKWPoszkodowani,
                 QStringLiteral("SKWWypadki"), QStringLiteral("SKWPoszkodowani"), slotNames, report,
                 [this](QChar s) { return (s != 'r' && s != 'k') || s == m_recordKind; }, &d->accidentId, &d->personId});
}

void TRejestrWypForm::saveOther() {
    TDataModForm* d = dm();
    if (!d || !m_tabPolicja) return;
    static const QStringList slotNames{
        QString(), QStringLiteral("Przyczyny"), QStringLiteral("Skutki"), QStringLiteral("UzasadTyp"),
        QStringLiteral("Szkoda"), QStringLiteral("RozkPrzep1"), QStringLiteral("RozkPrzep2"),
        QStringLiteral("StanPolicjanta_Opis1"), QStringLiteral("StanPolicjanta_Opis2"), QStringLiteral("PrzyczDoWyp"),
        QStringLiteral("RozmSkutki_Opis"), QStringLiteral("PodstUstalen"), QStringLiteral("Przepisy_Opis"),
        QStringLiteral("Profilaktyka"), QStringLiteral("Uwagi_opis"), QStringLiteral("Przeszkody"),
        QStringLiteral("Zalaczniki"), QStringLiteral("UwagiEKW")};
    saveTwoRows({Register::Other, m_bindOther.get(), d->qryWypadki_Policja, d->qryPoszkodowani_Policja,
                 QStringLiteral("WypOper_Wypadki"), QStringLiteral("WypOper_Poszkodowani"), slotNames,
                 QStringLiteral("efDataZg"), {}, &d->otherAccidentId, &d->otherPersonId});
}

void TRejestrWypForm::saveTwoRows(const TwoRowSave& r) {
    TDataModForm* d = dm();
    if (!d->editing) return;
    if (!mayEdit(r.reg) || r.accidents->isEmpty()) {
        d->editing = false;  // read-only or nothing to save: nothing is written
        return;
    }
    // 1. The assignments.
    auto rowOf = [&r](const QString& t) -> const Dataset* { return t == QLatin1String("accident") ? r.accidents : r.persons; };
    const FieldBinder::Collected values = r.binder->collect(rowOf, r.active, [&r](int slot) {
        return slot < r.slotNames.size() ? r.slotNames.at(slot) : QStringLiteral("Memo%1").arg(slot);
    });
    // 2. Remember the record.
    d->editing = false;
    const int accidentId = int(r.accidents->field(QStringLiteral("ID")).asInt());
    const int personId = r.persons->isEmpty() ? 0 : int(r.persons->field(QStringLiteral("ID")).asInt());
    *r.accidentId = accidentId;
    *r.personId = personId;
    // 3. The earliest report date.
    QString typedReport;
    if (!r.reportDateField.isEmpty())
        if (auto* e = findChild<QLineEdit*>(r.reportDateField)) typedReport = e->text();
    Connection& c = d->KartyDB();
    bool failed = false;
    auto run = [&](const QString& target, const std::function<void(Params&, QString&)>& statement) {
        try {
            if (values.errors.contains(target)) throw DbError(values.errors.value(target));
            Params p;
            QString sql;
            statement(p, sql);
            if (!sql.isEmpty() && c.execute(sql, p) == 0) throw DbError(QStringLiteral("no row changed"));
        } catch (const DbError& e) {
            logMessage(QStringLiteral("błąd"), e.message());
            failed = true;
        }
    };
    // 4. The accident, with the earliest report date.
    run(QStringLiteral("accident"), [&](Params& p, QString& sql) {
        QString set = FieldBinder::setClause(values.byTarget.value(QStringLiteral("accident")), p);
        set += set.isEmpty() ? QStringLiteral("DATAZGMIN = :data_1 ") : QStringLiteral(" , DATAZGMIN = :data_1 ");
        p.setDateTime(QStringLiteral("data_1"), earliestReportDate(c, r.personTable, accidentId, personId, typedReport));
        p.setInt(QStringLiteral("RecordId"), accidentId);
        sql = QStringLiteral(" Update ") + r.accidentTable + QStringLiteral(" set ") + set +
              QStringLiteral(" where id = :RecordId");
    });
    // 5. The injured person.
    if (personId != 0)
        run(QStringLiteral("person"), [&](Params& p, QString& sql) {
            const QString set = FieldBinder::setClause(values.byTarget.value(QStringLiteral("person")), p);
            if (set.isEmpty()) return;
            p.setInt(QStringLiteral("RecordId"), personId);
            p.setInt(QStringLiteral("AccidentId"), accidentId);
            sql = QStringLiteral(" Update ") + r.personTable + QStringLiteral(" set ") + set +
                  QStringLiteral(" where id = :RecordId and IdWypadku = :AccidentId");
        });
    // 6. A refused statement: the typed values stay and editing goes on.
    if (failed) {
        reportSaveFailure();
        d->editing = true;
        return;
    }
    // 7. The lists again.
    reopenAfterSave(r.reg, r.accidents, r.persons, accidentId, personId, r.accidentId, r.personId);
}

void TRejestrWypForm::reopenAfterSave(Register reg, Dataset* accidents, Dataset* persons, int accidentId,
                                      int personId, int* accidentIdOut, int* personIdOut) {
    // The lists are opened again on the same record when it is still in the open year.
    TDataModForm* d = dm();
    d->quiet = true;
    accidents->disableControls();
    if (persons) persons->disableControls();
    bool stillHere = false;
    auto thaw = [&]() {
        accidents->enableControls();
        if (persons) persons->enableControls();
        d->quiet = false;
    };
    try {
        accidents->open();
        stillHere = accidents->locate(QStringLiteral("ID"), accidentId);
        if (persons) {
            persons->setParam(QStringLiteral("ID"), currentAccidentId(reg));
            persons->open();
            if (stillHere) persons->locate(QStringLiteral("ID"), personId);
        }
    } catch (...) {
        thaw();
        throw;
    }
    thaw();
    *accidentIdOut = currentAccidentId(reg);
    if (persons && personIdOut)
        *personIdOut = persons->isEmpty() ? 0 : int(persons->field(QStringLiteral("ID")).asInt());
    if (!stillHere) {
        // The accident left the open year: give it back and return to the list.
        Takes(SharedConnection::get(), Workstation::computerName()).ReleaseAccident(accidentId, accidentTable(reg));
        m_switching = true;
        showSubPage(reg, 0);
        m_switching = false;
        leaveEditing(reg);
    }
    emit accidents->scrolled();
    loadRecord(reg);
}

void TRejestrWypForm::loadCommuting() {
    TDataModForm* d = dm();
    if (!d) return;
    Dataset* list = d->qryWypadkiWDrodze;
    if (list->isEmpty()) {
        clearPages(Register::Commuting);
        return;
    }
    bool& open = m_open[int(Register::Commuting)];
    open = list->field(QStringLiteral("BLOK")).asInt() == 0;
    if (activeRegister() == Register::Commuting && onListPage(Register::Commuting))
        setCommand(QStringLiteral("sbKasWypBtn"), QStringLiteral("Skasuj Wypadek"), m_right == kFullAccess && open);
    m_bindCommuting->load([list](const QString&) { return list; });
    enableBound(*m_bindCommuting, open && m_right == kFullAccess, QLatin1Char('z'));
    enableBlockGroup(Register::Commuting);
    d->editing = false;
    setTabCaptions(Register::Commuting, Formats::dateTime(list->field(QStringLiteral("DATA")).asDateTime()),
                   list->field(QStringLiteral("IMIE")).asString() + QLatin1Char(' ') +
                       list->field(QStringLiteral("NAZWISKO")).asString());
}

void TRejestrWypForm::saveCommuting() {
    TDataModForm* d = dm();
    if (!d || !d->editing) return;
    Dataset* list = d->qryWypadkiWDrodze;
    if (!mayEdit(Register::Commuting) || list->isEmpty()) {
        d->editing = false;
        return;
    }
    static const QStringList slotNames{QString(), QStringLiteral("przyczyny"), QStringLiteral("opisdochodzenia"),
                                       QStringLiteral("uzasadnienie"), QStringLiteral("przeszkody")};
    const auto values = m_bindCommuting->collect([list](const QString&) { return list; }, {},
                                                 [](int slot) { return slot < slotNames.size() ? slotNames.at(slot) : QStringLiteral("Memo%1").arg(slot); });
    d->editing = false;
    const int id = int(list->field(QStringLiteral("ID")).asInt());
    d->commutingId = id;
    const QList<Assignment> assignments = values.byTarget.value(QStringLiteral("accident"));
    if (!assignments.isEmpty()) {
        try {
            if (!values.errors.isEmpty()) throw DbError(values.errors.first());
            Params p;
            const QString set = FieldBinder::setClause(assignments, p);
            p.setInt(QStringLiteral("RecordId"), id);
            if (d->KartyDB().execute(QStringLiteral(" Update SKWWypadkiWDrodze set ") + set +
                                         QStringLiteral(" where id = :RecordId"),
                                     p) == 0)
                throw DbError(QStringLiteral("0 rows"));
        } catch (const DbError& e) {
            logMessage(QStringLiteral("błąd"), e.message());
            reportSaveFailure();
            d->editing = true;
            return;
        }
    }
    reopenAfterSave(Register::Commuting, list, nullptr, id, 0, &d->commutingId, nullptr);
}

void TRejestrWypForm::loadOther() {
    TDataModForm* d = dm();
    if (!d || !m_tabPolicja) return;
    Dataset* accidents = d->qryWypadki_Policja;
    Dataset* persons = d->qryPoszkodowani_Policja;
    if (accidents->isEmpty()) {
        clearPages(Register::Other);
        return;
    }
    bool& open = m_open[int(Register::Other)];
    open = accidents->field(QStringLiteral("BLOK")).asInt() == 0;
    m_bindOther->load([&](const QString& t) -> const Dataset* { return t == QLatin1String("accident") ? accidents : persons; });
    enableBound(*m_bindOther, open && m_right == kFullAccess, QLatin1Char('e'));
    enableBlockGroup(Register::Other);
    d->editing = false;
    setTabCaptions(Register::Other, Formats::dateTime(accidents->field(QStringLiteral("DATA")).asDateTime()),
                   persons->isEmpty() ? QString()
                                      : persons->field(QStringLiteral("IMIE")).asString() + QLatin1Char(' ') +
                                            persons->field(QStringLiteral("NAZWISKO")).asString());
}

// ---------------------------------------------------------------------------------
// Switching pages and registers

void TRejestrWypForm::enterEditing(Register reg) {
    TDataModForm* d = dm();
    d->editing = true;
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
        const bool open = m_open[int(reg)];
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
    const bool open = m_open[int(Register::AtWork)];
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

bool TRejestrWypForm::takeCurrent(Register reg) {
    const int id = currentAccidentId(reg);
    return !Takes(SharedConnection::get(), Workstation::computerName()).TakeAccident(id, accidentTable(reg));
}

void TRejestrWypForm::releaseTake(Register reg) {
    const int id = currentAccidentId(reg);
    if (id != 0) Takes(SharedConnection::get(), Workstation::computerName()).ReleaseAccident(id, accidentTable(reg));
}

// Switching the sub-page of a register: to an entry page the accident is taken and
// editing begins; back to the list the record is saved (when allowed) and released.
void TRejestrWypForm::subPageChanged(Register reg, int index) {
    if (m_switching) return;
    TDataModForm* d = dm();
    if (!d) return;
    if (index > 0) {
        bool refused = accidentsOf(reg)->isEmpty();
        if (refused) showError(kAddFirst, this);
        else if (!d->editing) refused = !takeCurrent(reg);
        if (refused) {
            m_switching = true;
            subPages(reg)->setCurrentIndex(0);
            m_switching = false;
            return;
        }
        enterEditing(reg);
        if (reg == Register::AtWork)
            m_helpContext = index == 1 ? 31200 : kPersonHelp[qMax(0, m_pcPPoszkodowany->currentIndex())];
        else if (reg == Register::Commuting)
            m_helpContext = index == 1 ? 42000 : 43100;
        return;
    }
    if (mayEdit(reg)) saveRecord(reg);
    d->editing = false;
    releaseTake(reg);
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
        if (other != reg) saveWhenAllowed(other);
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
            m_helpContext = onListPage(reg) ? 41000 : subPage(reg) == 1 ? 42000 : 43100;
        }
        const bool open = m_open[int(reg)];
        setCommand(QStringLiteral("sbKasWypBtn"), QStringLiteral("Skasuj Wypadek"), onListPage(reg) && m_right == kFullAccess && open);
    }
    if (!onListPage(reg) && dm()) dm()->editing = true;
}

void TRejestrWypForm::saveWhenAllowed(Register reg) {
    if (mayEdit(reg)) saveRecord(reg);
}

// ---------------------------------------------------------------------------------
// Commands

void TRejestrWypForm::DodWypBtnClick() {
    TDataModForm* d = dm();
    if (!d) return;
    switch (activeRegister()) {
    case Register::AtWork: d->AddAccident(); break;
    case Register::Commuting: d->AddCommutingAccident(); break;
    case Register::Other: d->AddOtherAccident(); break;
    }
}

void TRejestrWypForm::DodPoszkBtnClick() {
    TDataModForm* d = dm();
    if (!d) return;
    const Register reg = activeRegister();
    if (reg == Register::Commuting) return;
    if (accidentsOf(reg)->isEmpty()) {
        showError(QStringLiteral("Przed dodaniem danych poszkodowanego w wypadku należy dodać dane związane z wypadkiem"),
                  this);
        return;
    }
    if (reg == Register::AtWork) {
        d->accidentId = currentAccidentId(reg);
        d->AddInjuredPerson();
    } else {
        d->otherAccidentId = currentAccidentId(reg);
        d->AddOtherInjuredPerson();
    }
}

void TRejestrWypForm::sbKasWypBtnClick() {
    TDataModForm* d = dm();
    if (!d) return;
    const Register reg = activeRegister();
    const int id = currentAccidentId(reg);
    if (id == 0) return;
    if (confirmInfo(QStringLiteral(" Czy na pewno usunąć dane o wypadku?"), this) != 1) return;
    bool deleted = false;
    Dataset* list = nullptr;
    switch (reg) {
    case Register::AtWork:
        deleted = d->DeleteAccident(id);
        list = d->qrySKWWypadki;
        break;
    case Register::Commuting:
        deleted = d->DeleteCommutingAccident(id);
        list = d->qryWypadkiWDrodze;
        break;
    case Register::Other:
        deleted = d->DeleteOtherAccident(id);
        list = d->qryWypadki_Policja;
        break;
    }
    if (!deleted) return;
    list->refresh();
    if (list->isEmpty()) clearPages(reg);
}

void TRejestrWypForm::sbKasPoszkBtnClick() {
    TDataModForm* d = dm();
    if (!d) return;
    const Register reg = activeRegister();
    if (reg == Register::Commuting) return;
    Dataset* persons = personsOf(reg);
    const int person = persons->isEmpty() ? 0 : int(persons->field(QStringLiteral("ID")).asInt());
    if (person == 0) return;
    const int accident = currentAccidentId(reg);
    if (persons->recordCount() <= 1) {
        showError(TDataModForm::lastPersonMessage(), this);
        return;
    }
    if (confirmInfo(QStringLiteral(" Czy na pewno usunąć dane o poszkodowanym?"), this) != 1) return;
    const bool deleted = reg == Register::AtWork ? d->DeleteInjuredPerson(accident, person)
                                                 : d->DeleteOtherInjuredPerson(accident, person);
    if (!deleted) return;
    if (reg == Register::AtWork) d->accidentId = accident;
    else d->otherAccidentId = accident;
    d->AfterPersonDeleted(reg);
    // The list of persons again; moving onto a row saves the accident's new count.
    persons->setParam(QStringLiteral("ID"), accident);
    persons->open();
}

QString TRejestrWypForm::statisticalCardClass() const {
    auto* g = m_tabPraca->findChild<RadioGroup*>(QStringLiteral("rgwWersjaSKW"));
    switch (g ? g->itemIndex() : -1) {
    case 5: return QStringLiteral("TSKWForm_5");
    case 4: return QStringLiteral("TSKWForm_4");
    case 3: return QStringLiteral("TSKWForm_3");
    case 0:
    case 2: return QStringLiteral("TSKWForm_2");
    case 1: {
        const TDataModForm* d = dm();
        const QDateTime ref = d ? d->referenceDate : Clock::now();
        return cardAfter2000(ref) ? QStringLiteral("TSKWForm_1") : QStringLiteral("TSKWForm");
    }
    default: return QStringLiteral("TSKWForm_5");
    }
}

QString TRejestrWypForm::protocolClass() const {
    switch (admSettings().nowyProtPowypadkowy) {
    case 3: return QStringLiteral("TProtPowForm_3");
    case 2: return QStringLiteral("TProtPowForm_2");
    case 1: return QStringLiteral("TProtPowForm_1");
    default: return QStringLiteral("TProtPowForm");
    }
}

void TRejestrWypForm::openDocument(const QString& className, Register reg) {
    if (!dm()) return;
    const QString table = accidentTable(reg);
    if (accidentsOf(reg)->isEmpty() || personsOf(reg)->isEmpty()) {
        showError(kAddBoth, this);
        return;
    }
    const int id = currentAccidentId(reg);
    if (Takes(SharedConnection::get(), Workstation::computerName()).TakeAccident(id, table)) return;
    if (mayEdit(reg)) saveRecord(reg);
    DocumentWindows::open({className, mayEdit(reg), this});
    loadRecord(reg);
    Takes(SharedConnection::get(), Workstation::computerName()).ReleaseAccident(id, table);
}

void TRejestrWypForm::SKWBtnClick() { openDocument(statisticalCardClass(), Register::AtWork); }

void TRejestrWypForm::ProtokolBtnClick() { openDocument(protocolClass(), Register::AtWork); }

void TRejestrWypForm::DokumBtnClick() {
    TDataModForm* d = dm();
    if (!d) return;
    switch (activeRegister()) {
    case Register::AtWork:
        d->attachmentOwner = 0;
        openDocument(QStringLiteral("TZalacznikiForm"), Register::AtWork);
        break;
    case Register::Other:
        d->attachmentOwner = 3;
        openDocument(QStringLiteral("TZalacznikiForm_Policja"), Register::Other);
        break;
    case Register::Commuting: {
        if (d->qryWypadkiWDrodze->isEmpty()) {
            showError(kAddFirst, this);
            return;
        }
        d->attachmentOwner = 1;
        saveWhenAllowed(Register::Commuting);
        const int id = currentAccidentId(Register::Commuting);
        Takes takes(SharedConnection::get(), Workstation::computerName());
        if (takes.TakeAccident(id, accidentTable(Register::Commuting))) return;
        DocumentWindows::open({QStringLiteral("TZalacznikiForm"), mayEdit(Register::Commuting), this});
        takes.ReleaseAccident(id, accidentTable(Register::Commuting));
        break;
    }
    }
}

void TRejestrWypForm::TestBtnClick() {
    TDataModForm* d = dm();
    if (!d) return;
    const Dataset* persons = d->qrySKWPoszkodowani;
    const int person = persons->isEmpty() ? 0 : int(persons->field(QStringLiteral("ID")).asInt());
    if (person < 1) {
        showError(QStringLiteral("Brak danych do weryfikacji. Przed skorzystaniem z polecenia należy wprowadzić dane do "
                                 "rejestru wypadków"),
                  this);
        return;
    }
    saveWhenAllowed(Register::AtWork);
    DocumentWindows::open({QStringLiteral("TTestWForm"), mayEdit(Register::AtWork), this});
    if (!onListPage(Register::AtWork)) d->editing = true;
}

void TRejestrWypForm::sbZapiszBtnClick() {
    TDataModForm* d = dm();
    if (!d) return;
    const Register reg = activeRegister();
    saveRecord(reg);
    if (!onListPage(reg)) d->editing = true;
}

void TRejestrWypForm::DrukBtnClick() {
    TDataModForm* d = dm();
    if (!d) return;
    const Register reg = activeRegister();
    const QString noData =
        QStringLiteral("Brak danych do drukowania. Przed skorzystaniem z polecenia należy wprowadzić dane do rejestru");
    if (reg == Register::Commuting) {
        if (currentAccidentId(reg) <= 0) {
            showError(noData, this);
            return;
        }
    } else {
        const Dataset* persons = personsOf(reg);
        const int person = persons->isEmpty() ? 0 : int(persons->field(QStringLiteral("ID")).asInt());
        auto* date = findChild<QLineEdit*>(reg == Register::AtWork ? QStringLiteral("e0Data") : QStringLiteral("exData"));
        if (person <= 0 || !date || date->text().trimmed().isEmpty()) {
            showError(noData, this);
            return;
        }
    }
    saveWhenAllowed(reg);
    static const QString windows[] = {QStringLiteral("TAdmDrukForm"), QStringLiteral("TAdmDrukWDrodzeForm"),
                                      QStringLiteral("TAdmDrukForm_Policja")};
    DocumentWindows::open({windows[int(reg)], mayEdit(reg), this});
    if (!onListPage(reg)) d->editing = true;
}

void TRejestrWypForm::bZnajdzClick() { DocumentWindows::open({QStringLiteral("TZnajdzForm"), true, this}); }

void TRejestrWypForm::PomocBtnClick() { Help::show(10000, QStringLiteral("ZORTWYP.chm")); }

void TRejestrWypForm::AdminOgClick() {
    if (!startAdminModule(appContext().programDir, appContext().arg(1), Session::user().id)) return;
    FormClose();
    QApplication::quit();
}

void TRejestrWypForm::AdminBtnClick() {
    TDataModForm* d = dm();
    if (!d || d->adminOpen) return;
    d->adminOpen = true;
    DocumentWindows::open({QStringLiteral("TAdmForm_W"), m_right == kFullAccess, this});
    d->adminOpen = false;
}

void TRejestrWypForm::bInfoClick() {
    TDataModForm* d = dm();
    const Register reg = activeRegister();
    const int id = reg == Register::Other ? 0 : currentAccidentId(reg);
    showBox(QStringLiteral("Id wypadku: ") + QString::number(id) + QStringLiteral("\n\r") + QStringLiteral("Id rejestru: ") +
                QString::number(d ? d->currentRegister : 0),
            QStringLiteral("Info"), this);
}

void TRejestrWypForm::sbZamknijBtnClick() { close(); }

void TRejestrWypForm::closeEvent(QCloseEvent* e) {
    TDataModForm* d = dm();
    const Register reg = activeRegister();
    if (d && m_right == kFullAccess && d->editing && mayEdit(reg)) {
        if (confirmInfo(QStringLiteral(" Czy zapisać dane przed zakończeniem programu ?"), this) == 1) {
            saveRecord(reg);
            if (d->editing) {
                e->ignore();
                return;
            }
        }
    }
    FormClose();
    e->accept();
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
