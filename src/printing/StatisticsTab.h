#pragma once
// The tab "Zestawienia statystyczne" of the print selection window for accidents at
// work: the choice of a summary, the structure element, the two compared periods,
// what is counted, the shifts, the presentation and the employee counts; the
// summary is counted before its form is prepared.
#include "domain/StatisticsSummary.h"
#include "ui/PrintTabs.h"

#include <QObject>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace zort {
class LeaveChecks;
class OrgStructure;
class RadioGroup;
class TDataModForm;
}

namespace zort::print {

struct DocumentPdfRequest;
class DocumentReport;
class SummaryReport;

class StatisticsTab : public QObject, public PrintTab {
public:
    StatisticsTab();
    ~StatisticsTab() override;

    void build(QWidget* page) override;
    void show(const PrintTabContext& context) override;
    QString formName() const override;
    QString kindCode() const override;
    bool landscape() const override;
    bool check(const PrintTabContext& context) override;
    void beforePrint(const PrintTabContext& context) override;
    void entered() override;
    void left() override;
    // The chart option is offered for the summary chosen and checked.
    bool chart() const;

    // What the checks before printing refuse in a choice (`element` false lets a blank
    // form go without a structure element).
    struct Refusal {
        enum Kind { None, Type, Periods, Element } kind = None;
        QString message;
    };
    Refusal refusal(const statistics::SummaryRequest& request, bool element) const;
    // Counts the summary of the choice (a blank form: only its headings) and hands the
    // rows to the form.
    void fillForm(SummaryReport& form, const PrintTabContext& context);

    // The data module the tab reads (the program's by default).
    void setDataModule(TDataModForm* dm) { m_dm = dm; }

    // The choice as the engine takes it.
    statistics::SummaryRequest request(const PrintTabContext& context) const;
    // Sets a control by its name as the user would: item indexes of the lists, texts
    // of the fields (checked as when the field is left), "T"/"N" for the boxes,
    // "Zmiana1".."Zmiana4" as "from-to". Throws Error for an unknown name or a value
    // the control refuses.
    void setChoice(const QString& name, const QString& value);
    QStringList choiceNames() const;
    // Selects the element in the tree; false when the tree does not show it.
    bool selectElement(int id);

    // Reads and saves the employee counts of both years ("Odczytaj", "Zapisz").
    void readEmployees();
    bool saveEmployees();

    RadioGroup* rgZest = nullptr;
    QComboBox* cbSKW2004 = nullptr;
    RadioGroup* rgZest_old = nullptr;
    QTreeWidget* tvStruktPrzeds = nullptr;
    QLineEdit* eRok1 = nullptr;
    QLineEdit* eRok2 = nullptr;
    QComboBox* cbRok1 = nullptr;
    QComboBox* cbRok2 = nullptr;
    QCheckBox* cbKartyWypZS = nullptr;
    QCheckBox* cbProtPowypZS = nullptr;
    QGroupBox* gbZmiany = nullptr;
    QLineEdit* eZmianaOd[4] = {};
    QLineEdit* eZmianaDo[4] = {};
    RadioGroup* gbSposobPrezent = nullptr;
    QGroupBox* gbZatrud = nullptr;
    QLineEdit* eZatr1 = nullptr;
    QLineEdit* eZatr2 = nullptr;
    QPushButton* bOdczytaj = nullptr;
    QPushButton* bZapisz = nullptr;
    QCheckBox* cbWykres = nullptr;

    static QString yearRangeMessage(const QString& field);

private:
    enum List { General, Card2004, Card2000 };
    void listChosen(List list);
    void applyGroups();
    void typeBoxToggled(QCheckBox* box);
    void readEmployees(QLineEdit* year, QLineEdit* count);
    TDataModForm* dm() const;
    OrgStructure structure() const;
    int year(const QLineEdit* field) const;
    int periodItem(const QComboBox* box) const;

    QWidget* m_page = nullptr;
    LeaveChecks* m_checks = nullptr;
    TDataModForm* m_dm = nullptr;
    bool m_treeStale = true;
};

// The summaries written by `zortdb pdf`: the tab made without a window, the choices
// applied, its checks (a refusal throws Error with the message), the counting and
// the form's content.
void prepareStatisticsPdf(TDataModForm& dm, DocumentReport& form, const DocumentPdfRequest& request);

} // namespace zort::print
