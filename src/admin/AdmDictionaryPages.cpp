#include "admin/AdmDictionaryPages.h"

#include "admin/AChorForm.h"
#include "core/AdmSettings.h"
#include "core/MyIniFile.h"
#include "core/UserInterface.h"
#include "db/Dataset.h"
#include "domain/AdmDictionaries.h"
#include "domain/DataModForm.h"
#include "ui/CommandGuard.h"
#include "ui/DocumentWindows.h"
#include "ui/Widgets.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace zort {
namespace {

const QString kId = QStringLiteral("ID");
const QString kIdHeading = QStringLiteral("Ident.");
const QString kName = QStringLiteral("NAZWA");
const QString kNameHeading = QStringLiteral("Nazwa");
const QString kShort = QStringLiteral("SKROT");
const QString kShortHeading = QStringLiteral("Skrót");

// An edited cell takes no more characters than its column holds.
class LengthDelegate : public QStyledItemDelegate {
public:
    LengthDelegate(DatasetModel* model, QObject* parent) : QStyledItemDelegate(parent), m_model(model) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        auto* line = qobject_cast<QLineEdit*>(editor);
        Dataset* d = m_model->dataset();
        if (line && d && index.column() < int(m_model->columns().size())) {
            const int length = d->columnLength(d->columnIndex(m_model->columns()[size_t(index.column())].field));
            if (length > 0) line->setMaxLength(length);
        }
        return editor;
    }

private:
    DatasetModel* m_model;
};

// Writes a sort setting to the configuration file at once, in its stored form.
QWidget* pageOf(QTabWidget* tabs, const QString& name, const QString& caption) {
    auto* w = new QWidget(tabs);
    w->setObjectName(name);
    tabs->addTab(w, caption);
    return w;
}

QVBoxLayout* layoutOf(QWidget* w) {
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(4, 4, 4, 4);
    return l;
}

} // namespace

AdmDictionaryPages::AdmDictionaryPages(QWidget* team, QWidget* card, QWidget* commission, QObject* parent)
    : QObject(parent), m_team(team), m_card(card), m_commission(commission) {
    build();
}

QTabWidget* AdmDictionaryPages::windowTabs() const {
    for (QWidget* w = m_team ? m_team->parentWidget() : nullptr; w; w = w->parentWidget())
        if (auto* t = qobject_cast<QTabWidget*>(w)) return t;
    return nullptr;
}

QTableView* AdmDictionaryPages::grid(const QString& name) const {
    for (const Grid& g : m_grids)
        if (g.view->objectName() == name) return g.view;
    return nullptr;
}

RadioGroup* AdmDictionaryPages::sortGroup(const QString& name) const {
    for (RadioGroup* r : m_sortGroups)
        if (r->objectName() == name) return r;
    return nullptr;
}

QTableView* AdmDictionaryPages::makeGrid(QWidget* parent, const QString& name, const QString& title, Dataset* data,
                                         std::vector<DatasetModel::Column> columns) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setAccessibleName(title);
    view->setToolTip(title);
    auto* model = new DatasetModel(data, std::move(columns), view);
    view->setModel(model);
    view->setItemDelegate(new LengthDelegate(model, view));
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    view->installEventFilter(this);
    const auto follow = linkGridToDataset(view, data);
    // "Usuń" on the disease page acts on the grid whose row was chosen last.
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this, view]() {
        if (view == m_diseases) m_diseaseGridLast = true;
        if (view == m_diseaseGroups) m_diseaseGridLast = false;
    });
    const size_t at = m_grids.size();
    connect(data, &Dataset::opened, view, [this, at, follow]() {
        sizeColumns(m_grids[at]);
        follow();
    });
    m_grids.push_back(Grid{view, model, data});
    if (data->isOpen()) sizeColumns(m_grids.back());
    return view;
}

void AdmDictionaryPages::sizeColumns(Grid& g) {
    // Each column as wide as its texts, never wider than the column's length allows
    // (and a long text column capped); the last one takes the rest of the grid.
    if (!g.data->isOpen()) return;
    const int ch = g.view->fontMetrics().averageCharWidth();
    const auto& cols = g.model->columns();
    for (int i = 0; i + 1 < int(cols.size()); ++i) {
        const int length = g.data->columnLength(g.data->columnIndex(cols[size_t(i)].field));
        const int heading = g.view->fontMetrics().horizontalAdvance(cols[size_t(i)].heading) + 24;
        g.view->resizeColumnToContents(i);
        const int byLength = length > 0 ? length * ch + 16 : g.view->columnWidth(i);
        g.view->setColumnWidth(i, qBound(qMax(6 * ch, heading), qMin(g.view->columnWidth(i), byLength), 60 * ch));
    }
}

QWidget* AdmDictionaryPages::flatPage(QTabWidget* tabs, const QString& caption, const QString& grid, Dataset* data,
                                      bool withShortName, bool editable) {
    QWidget* page = pageOf(tabs, QStringLiteral("ts") + grid.mid(3), caption);
    std::vector<DatasetModel::Column> cols{{kId, kIdHeading, {}}, {kName, kNameHeading, {}}};
    if (withShortName) cols.push_back({kShort, kShortHeading, {}, editable});
    layoutOf(page)->addWidget(makeGrid(page, grid, caption, data, std::move(cols)));
    return page;
}

QWidget* AdmDictionaryPages::groupedPage(const QString& caption, const QString& grid, Dataset* groups,
                                         Dataset* members, bool groupShortName) {
    QWidget* page = pageOf(m_tabs2000, QStringLiteral("ts") + grid.mid(3), caption);
    auto* split = new QSplitter(Qt::Vertical, page);
    std::vector<DatasetModel::Column> groupCols{{kId, kIdHeading, {}}, {kName, kNameHeading, {}}};
    if (groupShortName) groupCols.push_back({kShort, kShortHeading, {}});
    split->addWidget(makeGrid(split, grid + QStringLiteral("G"), caption + QStringLiteral(" — grupy"), groups,
                              std::move(groupCols)));
    split->addWidget(makeGrid(split, grid, caption, members,
                              {{kId, kIdHeading, {}}, {kName, kNameHeading, {}}, {kShort, kShortHeading, {}, true}}));
    layoutOf(page)->addWidget(split);
    return page;
}

void AdmDictionaryPages::build() {
    m_dm = dataMod();
    if (!m_dm) return;
    TDataModForm& d = *m_dm;
    auto ds = [&d](const char* name) { return d.dataset(QString::fromLatin1(name)); };

    // The tables the grids write to.
    ds("AZespolQry")->setUpdateTable(QStringLiteral("SKWZESPPOWYPADKOWY"));
    ds("AKomisjaQry")->setUpdateTable(QStringLiteral("WYPOPER_KOMISJAPOWYPAD"));
    ds("ACzynnikiQry")->setUpdateTable(QStringLiteral("SKWCZYNNIKI"));
    ds("ACzynnosciQry")->setUpdateTable(QStringLiteral("SKWCZYNNOSCI"));
    ds("AMiejscaQry")->setUpdateTable(QStringLiteral("SKWMIEJSCA"));
    ds("AUmowyQry")->setUpdateTable(QStringLiteral("SKWUMOWY"));
    ds("AWydarzeniaQry")->setUpdateTable(QStringLiteral("SKWWYDARZENIA"));
    d.APrzyczynyQry->setUpdateTable(QStringLiteral("SKWPRZYCZYNY"));
    d.AChorL4Qry->setUpdateTable(QStringLiteral("SKWCHORL4"));

    // Another reference date may take the sources from another table.
    connect(m_dm, &TDataModForm::registerOpened, this, [this]() {
        if (m_shown) applyOrders(true);
    });

    // "Zespół powypadkowy"
    if (m_team) {
        layoutOf(m_team)->addWidget(makeGrid(m_team, QStringLiteral("dbgZespol"), QStringLiteral("Zespół powypadkowy"),
                                             ds("AZespolQry"),
                                             {{QStringLiteral("IMNAZW"), QStringLiteral("Imię i nazwisko"), {}},
                                              {QStringLiteral("FUNKCJA"), QStringLiteral("Funkcja"), {}, true}}));
        // An edited function is shown by the team pickers at once.
        connect(ds("AZespolQry"), &Dataset::posted, this, [this]() { emit m_dm->teamChanged(); });
    }

    // "SKW"
    if (m_card) {
        m_cardTabs = new QTabWidget(m_card);
        m_cardTabs->setObjectName(QStringLiteral("pcSKW"));
        layoutOf(m_card)->addWidget(m_cardTabs);
        QWidget* p2004 = pageOf(m_cardTabs, QStringLiteral("tsSKW2004"), QStringLiteral("SKW 2004"));
        QWidget* p2000 = pageOf(m_cardTabs, QStringLiteral("tsSKW2000"), QStringLiteral("SKW 2000"));
        m_tabs2004 = new QTabWidget(p2004);
        m_tabs2004->setObjectName(QStringLiteral("pcSKW2004"));
        layoutOf(p2004)->addWidget(m_tabs2004);
        const struct {
            const char* caption;
            const char* grid;
            const char* dataset;
        } k2004[] = {{"Liczba pracujących", "dbgLiczbaPrac", "ALiczbaPracQry"},
                     {"Obywatelstwo", "dbgObywatelstwo", "AObywatelstwoQry"},
                     {"Status zatrudnienia", "dbgStatusZatr", "AStatusZatrQry"},
                     {"Rodzaj urazu", "dbgRodzajUraz", "ARodzajUrazQry"},
                     {"Rodzaj miejsca wypadku", "dbgRodzajMiejscWyp", "ARodzajMiejsWypQry"}};
        for (const auto& l : k2004) {
            const QString caption = QString::fromUtf8(l.caption);
            QWidget* page = pageOf(m_tabs2004, QStringLiteral("ts") + QString::fromLatin1(l.grid).mid(3), caption);
            layoutOf(page)->addWidget(makeGrid(page, QString::fromLatin1(l.grid), caption, ds(l.dataset),
                                               {{QStringLiteral("KOD"), QStringLiteral("Kod"), {}},
                                                {kName, kNameHeading, {}}}));
        }

        m_tabs2000 = new QTabWidget(p2000);
        m_tabs2000->setObjectName(QStringLiteral("pcSKW2000"));
        layoutOf(p2000)->addWidget(m_tabs2000);
        flatPage(m_tabs2000, QStringLiteral("Czynniki"), QStringLiteral("dbgCzynniki"), ds("ACzynnikiQry"), true, true);
        flatPage(m_tabs2000, QStringLiteral("Czynności"), QStringLiteral("dbgCzynnosci"), ds("ACzynnosciQry"), true, true);
        flatPage(m_tabs2000, QStringLiteral("Miejsca"), QStringLiteral("dbgMiejsca"), ds("AMiejscaQry"), true, true);
        groupedPage(QStringLiteral("Przyczyny"), QStringLiteral("dbgPrzyczyny"), d.APrzyczynyGQry, d.APrzyczynyQry, true);
        flatPage(m_tabs2000, QStringLiteral("Umowy"), QStringLiteral("dbgUmowy"), ds("AUmowyQry"), true, true);
        flatPage(m_tabs2000, QStringLiteral("Urazy"), QStringLiteral("dbgUrazy"), ds("AUrazyQry"), false, false);
        flatPage(m_tabs2000, QStringLiteral("Wydarzenia"), QStringLiteral("dbgWydarzenia"), ds("AWydarzeniaQry"), true, true);
        groupedPage(QStringLiteral("Źródła"), QStringLiteral("dbgZrodla"), d.AZrodlaGQry, d.AZrodlaQry, true);

        // "Choroby (L4)": the groups and the diseases of the chosen group.
        m_diseasePage = pageOf(m_tabs2000, QStringLiteral("tsChoroby"), QStringLiteral("Choroby (L4)"));
        auto* split = new QSplitter(Qt::Vertical, m_diseasePage);
        m_diseaseGroups = makeGrid(split, QStringLiteral("dbgChorobyG"), QStringLiteral("Grupy chorób"), d.AChorL4GQry,
                                   {{kName, QStringLiteral("Grupa"), {}}});
        m_diseases = makeGrid(split, QStringLiteral("dbgChoroby"), QStringLiteral("Choroby"), d.AChorL4Qry,
                              {{QStringLiteral("KODCHORL4"), QStringLiteral("Kod"), {}}, {kName, kNameHeading, {}}});
        m_diseases->setEditTriggers(QAbstractItemView::NoEditTriggers);
        connect(m_diseases, &QTableView::doubleClicked, this,
                [this]() { CommandGuard::run([this]() { editDisease(); }, m_diseases); });
        split->addWidget(m_diseaseGroups);
        split->addWidget(m_diseases);
        layoutOf(m_diseasePage)->addWidget(split);
        buildSortPage();
        // Every list's tab shows its whole caption: the window is as wide as they need.
        for (QTabWidget* t : {m_cardTabs, m_tabs2004, m_tabs2000}) {
            t->setUsesScrollButtons(false);
            t->setElideMode(Qt::ElideNone);
        }

        for (QTabWidget* t : {m_cardTabs, m_tabs2004, m_tabs2000})
            connect(t, &QTabWidget::currentChanged, this, [this]() { emit pageChanged(); });
    }

    // "Komisja powypadkowa"
    if (m_commission) {
        layoutOf(m_commission)
            ->addWidget(makeGrid(m_commission, QStringLiteral("dbgKomisja"), QStringLiteral("Komisja powypadkowa"),
                                 ds("AKomisjaQry"),
                                 {{QStringLiteral("IMNAZW"), QStringLiteral("Imię i nazwisko"), {}},
                                  {QStringLiteral("FUNKCJA"), QStringLiteral("Stopień służbowy"), {}},
                                  {QStringLiteral("STANOW"), QStringLiteral("Stanowisko"), {}}}));
    }
}

void AdmDictionaryPages::buildSortPage() {
    QWidget* page = pageOf(m_tabs2000, QStringLiteral("tsInne"), QStringLiteral("Inne"));
    QVBoxLayout* l = layoutOf(page);
    const QStringList items{QStringLiteral("NAZWY"), QStringLiteral("KODY")};
    auto group = [&](const char* name, const QString& caption, std::function<void(int)> chosen) {
        auto* g = new RadioGroup(QString::fromLatin1(name), caption, items, page, 2);
        l->addWidget(g, 0, Qt::AlignLeft);
        m_sortGroups.push_back(g);
        connect(g, &RadioGroup::chosen, this, [this, g, chosen](int index) {
            CommandGuard::run([&]() { chosen(index); }, g);
        });
    };
    group("rgsortPrzyczyny", QStringLiteral("Sortowanie przyczyn wypadków 17 pkt SKW "), [this](int i) {
        admSettings().sortPrzyczWyp = i;
        admSettingChanged(QStringLiteral("SortPrzyczWyp"));
        applyOrders(true);
    });
    group("rgsortZrodla", QStringLiteral("Sortowanie źródeł czynników 18 pkt SKW"), [this](int i) {
        admSettings().sortZrodlWyp = i;
        admSettingChanged(QStringLiteral("SortZrodlWyp"));
        applyOrders(true);
    });
    group("rgPozostale", QStringLiteral("Sortowanie pozostałych list"), [this](int i) {
        admSettings().sortPozListWyp = i;
        admSettingChanged(QStringLiteral("SortPozListWyp"));
        applyOrders(true);
        emit m_dm->listsReordered();
    });
    group("rgsortL4", QStringLiteral("Sortowanie Chorób L4 13 pkt SKW"), [this](int i) {
        admSettings().sortL4 = i;
        applyOrders(true);
        emit m_dm->diseasesChanged();
    });
    group("rgsortStrukt", QStringLiteral("Sortowanie struktury organizacyjnej"), [](int i) {
        admSettings().sortStrukList = i;
        admSettingChanged(QStringLiteral("SortStrukList"));
    });
    // One width for the groups: the longest caption's.
    int width = 0;
    for (RadioGroup* g : m_sortGroups) width = qMax(width, g->fontMetrics().horizontalAdvance(g->title()) + 60);
    for (RadioGroup* g : m_sortGroups) g->setMinimumWidth(width);
    l->addStretch(1);
}

void AdmDictionaryPages::reopen(Dataset* d) {
    if (d->isOpen()) d->refresh();
    else d->open();
}

void AdmDictionaryPages::applyOrders(bool reopenLists) {
    if (!m_dm) return;
    TDataModForm& d = *m_dm;
    const AdmSettings& s = admSettings();
    auto ds = [&d](const char* name) { return d.dataset(QString::fromLatin1(name)); };
    d.APrzyczynyQry->setSql(admdict::causesSql(s.sortPrzyczWyp));
    d.AZrodlaQry->setSql(admdict::sourcesSql(s.sortZrodlWyp, d.referenceDate()));
    d.AZrodlaQry->setUpdateTable(admdict::sourcesByGroup(d.referenceDate()) ? QStringLiteral("SKWZRODLA_1")
                                                                          : QStringLiteral("SKWZRODLA"));
    d.AChorL4Qry->setSql(admdict::diseasesSql(s.sortL4));
    const struct {
        const char* dataset;
        const char* table;
        bool shortName;
    } flat[] = {{"ACzynnikiQry", "SKWCZYNNIKI", true},
                {"ACzynnosciQry", "SKWCZYNNOSCI", true},
                {"AMiejscaQry", "SKWMIEJSCA", true},
                {"AUrazyQry", "SKWURAZY", false},
                {"AWydarzeniaQry", "SKWWYDARZENIA", true}};
    for (const auto& f : flat)
        ds(f.dataset)->setSql(admdict::flatListSql(QString::fromLatin1(f.table), f.shortName, s.sortPozListWyp));
    if (!reopenLists) return;
    // The details follow their groups: read again on the group they stand on.
    for (Dataset* detail : {d.APrzyczynyQry, d.AZrodlaQry, d.AChorL4Qry})
        if (detail->isOpen()) detail->refresh();
    for (const auto& f : flat) reopen(ds(f.dataset));
}

void AdmDictionaryPages::showing(bool fullRight) {
    m_fullRight = fullRight;
    // Made before the data module: the pages are built now.
    if (!m_dm) build();
    if (!m_dm) return;
    m_shown = true;
    for (Grid& g : m_grids) g.model->setEditingAllowed(fullRight);
    for (RadioGroup* g : m_sortGroups) {
        const AdmSettings& s = admSettings();
        const QString n = g->objectName();
        g->setItemIndex(n == QLatin1String("rgsortPrzyczyny") ? s.sortPrzyczWyp
                        : n == QLatin1String("rgsortZrodla")  ? s.sortZrodlWyp
                        : n == QLatin1String("rgPozostale")   ? s.sortPozListWyp
                        : n == QLatin1String("rgsortL4")      ? s.sortL4
                                                              : s.sortStrukList);
    }
    applyOrders(false);
    TDataModForm& d = *m_dm;
    for (const char* name : {"AZespolQry", "AKomisjaQry", "ACzynnikiQry", "ACzynnosciQry", "AMiejscaQry", "AUmowyQry",
                             "AUrazyQry", "AWydarzeniaQry", "ALiczbaPracQry", "AObywatelstwoQry", "AStatusZatrQry",
                             "ARodzajUrazQry", "ARodzajMiejsWypQry"})
        if (m_commission || QLatin1String(name) != QLatin1String("AKomisjaQry")) reopen(d.dataset(QString::fromLatin1(name)));
    // The groups again, and with them their members.
    for (Dataset* groups : {d.APrzyczynyGQry, d.AZrodlaGQry, d.AChorL4GQry}) reopen(groups);
    m_diseaseGridLast = false;
    m_diseasesChanged = false;
}

void AdmDictionaryPages::commitEditors() {
    for (const Grid& g : m_grids) {
        const QModelIndex idx = g.view->currentIndex();
        if (QWidget* editor = idx.isValid() ? g.view->indexWidget(idx) : nullptr) {
            g.view->itemDelegateForIndex(idx)->setModelData(editor, g.view->model(), idx);
            g.view->setFocus();
        }
    }
}

void AdmDictionaryPages::closing() {
    if (!m_dm) return;
    commitEditors();
    if (m_diseasesChanged) {
        m_diseasesChanged = false;
        emit m_dm->diseasesChanged();
    }
}

AdmDictionaryPages::Page AdmDictionaryPages::page() const {
    QTabWidget* tabs = windowTabs();
    QWidget* shown = tabs ? tabs->currentWidget() : nullptr;
    if (!shown) return Page::Other;
    if (shown == m_team) return Page::Team;
    if (m_commission && shown == m_commission) return Page::Commission;
    if (shown == m_card && m_cardTabs && m_cardTabs->currentIndex() == 1 && m_tabs2000->currentWidget() == m_diseasePage)
        return Page::Diseases;
    return Page::Other;
}

bool AdmDictionaryPages::addsAndDeletes() const { return m_dm && page() != Page::Other; }

void AdmDictionaryPages::showDiseasePage() {
    if (QTabWidget* tabs = windowTabs()) tabs->setCurrentWidget(m_card);
    m_cardTabs->setCurrentIndex(1);
    m_tabs2000->setCurrentWidget(m_diseasePage);
}

bool AdmDictionaryPages::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_diseases) m_diseaseGridLast = true;
        else if (watched == m_diseaseGroups) m_diseaseGridLast = false;
    }
    return QObject::eventFilter(watched, event);
}

void AdmDictionaryPages::add() {
    if (!m_fullRight) return;
    switch (page()) {
    case Page::Team: addTeamMember(m_dm->dataset(QStringLiteral("AZespolQry")), QStringLiteral("TAZespForm"), false); break;
    case Page::Commission:
        addTeamMember(m_dm->dataset(QStringLiteral("AKomisjaQry")), QStringLiteral("TfrmKomisjaPow_Policja"), true);
        break;
    case Page::Diseases: addDisease(); break;
    case Page::Other: break;
    }
}

void AdmDictionaryPages::remove() {
    if (!m_fullRight) return;
    switch (page()) {
    case Page::Team: removeTeamMember(m_dm->dataset(QStringLiteral("AZespolQry")), false); break;
    case Page::Commission: removeTeamMember(m_dm->dataset(QStringLiteral("AKomisjaQry")), true); break;
    case Page::Diseases: removeDisease(); break;
    case Page::Other: break;
    }
}

void AdmDictionaryPages::addTeamMember(Dataset* data, const QString& window, bool commission) {
    // A new row for the entry window; a row it did not store is dropped.
    data->append();
    try {
        DocumentWindows::open({window, true, m_team ? m_team->window() : nullptr});
    } catch (...) {
        data->cancel();
        throw;
    }
    if (data->state() != Dataset::State::Browse) data->cancel();
    data->refresh();
    if (commission) emit m_dm->commissionChanged();
    else emit m_dm->teamChanged();
}

void AdmDictionaryPages::removeTeamMember(Dataset* data, bool commission) {
    QWidget* parent = m_team ? m_team->window() : nullptr;
    if (!data->isOpen() || data->isEmpty()) {
        showInfo(QStringLiteral("Brak danych do usunięcia ."), parent);
        return;
    }
    if (!askYesNo(QStringLiteral(" Czy na pewno usunąć wskazaną osobę?"), QString(), parent)) return;
    const int id = int(data->value(kId).toInt());
    if (commission) admdict::deleteCommissionMember(*data->connection(), id);
    else admdict::deleteTeamMember(*data->connection(), id);
    data->refresh();
    if (commission) emit m_dm->commissionChanged();
    else emit m_dm->teamChanged();
}

void AdmDictionaryPages::addDisease() {
    if (m_dm->AChorL4GQry->isEmpty()) return;
    openDisease(true);
}

void AdmDictionaryPages::editDisease() {
    if (!m_fullRight || !m_dm || m_dm->AChorL4Qry->isEmpty()) return;
    openDisease(false);
}

void AdmDictionaryPages::openDisease(bool isNew) {
    Dataset* diseases = m_dm->AChorL4Qry;
    if (isNew) diseases->append();
    else diseases->edit();
    TAChorForm form(m_card ? m_card->window() : nullptr);
    if (form.editDisease(*diseases, int(m_dm->AChorL4GQry->value(kId).toInt()))) m_diseasesChanged = true;
}

void AdmDictionaryPages::removeDisease() {
    QWidget* parent = m_card ? m_card->window() : nullptr;
    if (!m_diseaseGridLast) {
        showInfo(QStringLiteral("Nie można usuwać grupy chorób ."), parent);
        return;
    }
    Dataset* diseases = m_dm->AChorL4Qry;
    if (!diseases->isOpen() || diseases->isEmpty()) {
        showInfo(QStringLiteral("Brak chorób do usunięcia ."), parent);
        return;
    }
    if (!askYesNo(QStringLiteral(" Czy na pewno usunąć wskazaną chorobę?"), QString(), parent)) return;
    admdict::deleteDisease(*diseases->connection(), int(diseases->value(kId).toInt()));
    diseases->refresh();
    m_diseasesChanged = true;
}

} // namespace zort
