#pragma once
// The tabs of the collective register ("Zestawienie zbiorcze" of the accidents at
// work, "Zestawienia zbiorcze" of the commuting accidents): the date range with its
// calendars, the order, the full or short printout, recognised or not recognised
// accidents, the grid of the summary query; for accidents at work also the kinds of
// documents and the structure element. The summary query is open while the tab is
// shown; a printout rebuilds it first when a choice changed since it was built. A
// table of the positions of a large element exists only while a statement naming it
// runs: it is made afresh for each and dropped once the rows are read.
#include "domain/CollectiveSummary.h"
#include "domain/FieldChecks.h"
#include "ui/PrintTabs.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTreeWidget;
class QBoxLayout;
class QVBoxLayout;

namespace zort {
class Dataset;
class LeaveChecks;
class OrgStructure;
class RadioGroup;
class TDataModForm;
} // namespace zort

namespace zort::print {

struct CollectiveTexts;
struct DocumentPdfRequest;
class DocumentReport;
class SummaryReport;

class CollectiveTabBase : public QObject, public PrintTab {
public:
    ~CollectiveTabBase() override;

    void build(QWidget* page) override;
    void show(const PrintTabContext& context) override;
    void entered() override;
    void left() override;
    QString formName() const override;
    bool landscape() const override;
    bool check(const PrintTabContext& context) override;
    void beforePrint(const PrintTabContext& context) override;
    void finished() override;

    // The summary query again from the controls ("Ustaw" and every choice); false when
    // the choice is refused (its message shown).
    bool rebuild();
    // Fills the form of the printout: the queries rebuilt first when a choice changed
    // since they were built, the short query opened (with its table made afresh).
    // A blank form gets its headings only. `copyRows` hands the form a copy of the
    // rows (a printout made after the tab is gone).
    void fillForm(SummaryReport& form, const PrintTabContext& context, bool copyRows = false);

    // Sets a control by its name as the user would: item indexes of the groups, "T"/"N"
    // for the boxes, dates as yyyy-MM-dd. Throws Error for an unknown name or a value
    // the control refuses.
    virtual void setChoice(const QString& name, const QString& value);
    virtual QStringList choiceNames() const;
    // The data module the tab reads (the program's by default).
    void setDataModule(TDataModForm* dm) { m_dm = dm; }

    // The messages of the date fields.
    static QString emptyFieldMessage();
    static QString datesOrderMessage();

    QLineEdit* dataOd = nullptr;
    QLineEdit* dataDo = nullptr;
    QPushButton* bKalendarzOd = nullptr;
    QPushButton* bKalendarzDo = nullptr;
    RadioGroup* rgSortowanie = nullptr;
    RadioGroup* rgTypWydr = nullptr;
    RadioGroup* rgTypWyp = nullptr;
    QTableView* DBGridZest = nullptr;
    Dataset* summaryQuery() const { return m_summary; }
    Dataset* shortQuery() const { return m_short; }
    bool isEntered() const { return m_entered; }

protected:
    CollectiveTabBase(bool commuting, const QString& fullForm, const QString& shortForm);

    // The controls of the kind of tab, beside the date group and the choices.
    virtual void buildChoices(QWidget* page, QBoxLayout* choices, QVBoxLayout* side) = 0;
    virtual std::vector<std::pair<QString, QString>> gridColumns() const = 0;
    // show(): the controls of the kind of tab as the window opens.
    virtual void resetChoices() {}
    // The choice of the controls may be built (its message shown otherwise).
    virtual bool choiceAccepted() { return true; }
    // The choice of the controls becomes the built one.
    virtual void takeChoice() = 0;
    // The controls still show the built choice, and its statements can open.
    virtual bool choiceCurrent() const = 0;
    // The statements of the built choice (its table made afresh), with their parameters.
    virtual void makeStatements(QString& summary, QString& shortQuery, Params& summaryParams, Params& shortParams) = 0;
    // After the summary query opened (the count).
    virtual void afterOpen() {}
    // Opens the short query of the built choice.
    virtual void openShort();
    // The table of the statements dropped.
    virtual void release() {}
    virtual CollectiveTexts texts() const = 0;

    // The numbers of the computed columns.
    collective::NumberText numberText() const;
    // Runs a reaction of a control with its failures shown.
    void guarded(const std::function<void()>& fn);
    QWidget* page() const { return m_page; }
    bool taken() const { return m_taken; }
    TDataModForm* dm() const;
    QDate from() const;
    QDate to() const;
    PrintTabContext m_context;

private:
    void open();
    void dateCalendar(QLineEdit* field);
    CheckResult dateCheck(QLineEdit* field, const QString& text);
    bool datesValid();
    void typeChosen();

    bool m_commuting;
    QString m_fullForm;
    QString m_shortForm;
    QWidget* m_page = nullptr;
    LeaveChecks* m_checks = nullptr;
    TDataModForm* m_dm = nullptr;
    Dataset* m_summary = nullptr;
    Dataset* m_short = nullptr;
    SummaryReport* m_filled = nullptr;  // the form handed the rows of the last printout
    Dataset* m_walked = nullptr;        // the query the printout walks (its grid held still)
    int m_walkedRow = -1;
    bool m_entered = false;
    bool m_taken = false;  // a choice was taken since the tab was made
};

// The tab of the accidents at work ("TAdmDrukForm", tab 1).
class CollectiveTab : public CollectiveTabBase {
public:
    CollectiveTab();
    ~CollectiveTab() override;

    QString kindCode() const override;
    bool check(const PrintTabContext& context) override;
    void setChoice(const QString& name, const QString& value) override;
    QStringList choiceNames() const override;
    // Selects the element in the tree and "dla elementu struktury"; false when the tree
    // does not show it. 0 chooses "wszystkie".
    bool selectElement(int id);
    // The choice of the controls as the statements take it.
    collective::WorkChoice choice() const;
    // The distinct accidents of the built choice.
    int count() const { return m_count; }
    const collective::WorkQueries& queries() const { return *m_queries; }

    QCheckBox* cbKartyWyp = nullptr;
    QCheckBox* cbProtPowyp = nullptr;
    RadioGroup* rgStruktura = nullptr;
    QPushButton* bUstaw = nullptr;
    QTreeWidget* tvStruktPrzeds1 = nullptr;
    QLabel* lOpZakl = nullptr;

protected:
    void buildChoices(QWidget* page, QBoxLayout* choices, QVBoxLayout* side) override;
    std::vector<std::pair<QString, QString>> gridColumns() const override;
    void resetChoices() override;
    bool choiceAccepted() override;
    void takeChoice() override;
    bool choiceCurrent() const override;
    void makeStatements(QString& summary, QString& shortQuery, Params& summaryParams, Params& shortParams) override;
    void afterOpen() override;
    void openShort() override;
    void release() override;
    CollectiveTexts texts() const override;

private:
    void kindBoxClicked(QCheckBox* box);
    OrgStructure structure() const;
    QString pathOf(int element) const;

    collective::WorkChoice m_choice;
    std::unique_ptr<collective::WorkQueries> m_queries;
    int m_count = 0;
    bool m_treeStale = true;
};

// The tab of the commuting accidents ("TAdmDrukWDrodzeForm", tab 1).
class CommutingCollectiveTab : public CollectiveTabBase {
public:
    CommutingCollectiveTab();
    QString kindCode() const override;
    collective::CommutingChoice choice() const;

protected:
    void buildChoices(QWidget* page, QBoxLayout* choices, QVBoxLayout* side) override;
    std::vector<std::pair<QString, QString>> gridColumns() const override;
    void takeChoice() override;
    bool choiceCurrent() const override;
    void makeStatements(QString& summary, QString& shortQuery, Params& summaryParams, Params& shortParams) override;
    CollectiveTexts texts() const override;

private:
    collective::CommutingChoice m_choice;
    bool m_built = false;
};

// The collective printouts written by `zortdb pdf`: the tab of the form made without a
// window, the element chosen (0: "wszystkie"), the choices applied, its checks (a
// refusal throws Error with the message) and the rows handed to the form.
void prepareCollectivePdf(TDataModForm& dm, DocumentReport& form, const DocumentPdfRequest& request);

} // namespace zort::print
