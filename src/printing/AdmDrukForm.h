#pragma once
#include "printing/PrintChoice.h"
#include "printing/PrintSelectionWindow.h"
#include "printing/RegisterFilter.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QTableView;

namespace zort {
class RadioGroup;
}

namespace zort::print {

// The print selection of accidents at work: the documents of one injured person
// (statistical card, protocol, register card, accident card), the collective
// summary of the year and the statistical summaries.
class TAdmDrukForm : public PrintSelectionWindow {
    Q_OBJECT
public:
    enum Tab { DocumentsTab = 0, CollectiveTab = 1, StatisticsTab = 2 };
    static QString personGoneMessage();
    static constexpr int kHelpDocuments = 61100;
    static constexpr int kHelpCollective = 61200;
    static constexpr int kHelpStatistics = 61300;

    explicit TAdmDrukForm(QWidget* parent = nullptr);
    ~TAdmDrukForm() override;

    void FormShow() override;
    void PreviewBtnClick() override;
    void PrintBtnClick() override;
    void PageControlChange();
    void rgRejestrClick();
    // A page box checked or unchecked by the user.
    void boxClicked(PrintChoice::Box box, bool on);

    const PrintChoice& choice() const { return m_choice; }
    QCheckBox* box(PrintChoice::Box b) const { return m_boxes[b]; }
    QGroupBox* group(PrintChoice::Group g) const { return m_groups[g]; }
    QCheckBox* cbPuste = nullptr;
    RadioGroup* rgRejestr = nullptr;
    QComboBox* cbRejestr = nullptr;
    QCheckBox* cbWypBezRejestru = nullptr;
    Dataset* accidents() const { return m_accidents; }
    Dataset* persons() const { return m_persons; }
    // The register filter as the next printout builds it.
    RegisterFilter registerFilter() const;
    // The page forms the current choice collects.
    QStringList chosenForms() const;

protected:
    void formClosed() override;
    void registerFilterInto(PrintTabContext& context) const override;

private:
    void buildDocumentsTab(QWidget* page);
    void buildRegisterChoice();
    void fillRegisters();
    void accidentMoved();
    void personMoved();
    void syncBoxes();
    void detachCauseLists();
    void reattachCauseLists();
    void run(bool preview);
    int currentAccidentId() const;
    int currentPersonId() const;

    PrintChoice m_choice;
    std::array<QCheckBox*, PrintChoice::BoxCount> m_boxes{};
    std::array<QGroupBox*, PrintChoice::GroupCount> m_groups{};
    Dataset* m_accidents = nullptr;
    Dataset* m_persons = nullptr;
    QTableView* m_accidentGrid = nullptr;
    QTableView* m_personGrid = nullptr;
    QLabel* m_registerLabel = nullptr;
    int m_previousTab = DocumentsTab;
    bool m_causeListsDetached = false;
};

} // namespace zort::print
