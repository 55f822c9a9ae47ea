#pragma once
#include "db/Dataset.h"
#include "db/DatasetModel.h"

#include <QObject>
#include <QString>
#include <vector>

class QTabWidget;
class QTableView;
class QWidget;

namespace zort {

class Dataset;
class RadioGroup;
class TDataModForm;

// The dictionary pages of the administration window: the post-accident team, the
// statistical-card lists of 2004 and 2000 with the diseases and the sort orders,
// and (variant for uniformed services) the post-accident commission. Grids over the
// data module's datasets; adding and deleting where the page allows it.
class AdmDictionaryPages : public QObject {
    Q_OBJECT
public:
    // Builds the pages into the window's tabs: `team` ("Zespół powypadkowy"), `card`
    // ("SKW"), `commission` ("Komisja powypadkowa", null outside the variant).
    AdmDictionaryPages(QWidget* team, QWidget* card, QWidget* commission, QObject* parent = nullptr);

    // The window is shown: the lists opened, the grids editable by the user's right.
    void showing(bool fullRight);
    // The window closes: pending grid edits posted, deferred refills done.
    void closing();

    // Whether "Dodaj" and "Usuń" act on the page shown now.
    bool addsAndDeletes() const;
    // "Dodaj" and "Usuń" on the page shown now.
    void add();
    void remove();

    // The pages and the controls (by their names: "dbgZespol", "dbgKomisja",
    // "dbgChorobyG", "dbgChoroby", "dbgPrzyczynyG", ...; the sort groups by theirs).
    QTabWidget* cardTabs() const { return m_cardTabs; }
    QTabWidget* tabs2004() const { return m_tabs2004; }
    QTabWidget* tabs2000() const { return m_tabs2000; }
    QTableView* grid(const QString& name) const;
    RadioGroup* sortGroup(const QString& name) const;
    // Shows the disease page ("SKW", "SKW 2000", "Choroby (L4)").
    void showDiseasePage();
    // Double click on a disease: its entry window (a user with the full right only).
    void editDisease();

signals:
    // The page shown changed (the buttons follow it).
    void pageChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Page { Other, Team, Diseases, Commission };
    struct Grid {
        QTableView* view = nullptr;
        DatasetModel* model = nullptr;
        Dataset* data = nullptr;
    };
    void build();
    QTableView* makeGrid(QWidget* parent, const QString& name, const QString& title, Dataset* data,
                         std::vector<DatasetModel::Column> columns);
    QWidget* flatPage(QTabWidget* tabs, const QString& caption, const QString& grid, Dataset* data, bool withShortName,
                      bool editable);
    QWidget* groupedPage(const QString& caption, const QString& grid, Dataset* groups, Dataset* members,
                         bool groupShortName);
    void buildSortPage();
    void sizeColumns(Grid& g);
    Page page() const;
    QTabWidget* windowTabs() const;
    // The statements of the ordered lists, as the sort settings and the reference date
    // say; `reopen` reads them again.
    void applyOrders(bool reopen);
    void reopen(Dataset* d);
    void commitEditors();
    void addTeamMember(Dataset* data, const QString& window, bool commission);
    void removeTeamMember(Dataset* data, bool commission);
    void addDisease();
    void removeDisease();
    void openDisease(bool isNew);

    QWidget* m_team;
    QWidget* m_card;
    QWidget* m_commission;
    TDataModForm* m_dm = nullptr;
    QTabWidget* m_cardTabs = nullptr;
    QTabWidget* m_tabs2004 = nullptr;
    QTabWidget* m_tabs2000 = nullptr;
    QWidget* m_diseasePage = nullptr;
    std::vector<Grid> m_grids;
    std::vector<RadioGroup*> m_sortGroups;
    QTableView* m_diseaseGroups = nullptr;
    QTableView* m_diseases = nullptr;
    bool m_diseaseGridLast = false;  // the disease grid (not the groups) had the focus last
    bool m_diseasesChanged = false;  // the disease pickers are filled again on closing
    bool m_fullRight = false;
    bool m_shown = false;  // the lists were opened by showing()
};

} // namespace zort
