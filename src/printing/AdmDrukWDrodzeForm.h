#pragma once
#include "printing/PrintSelectionWindow.h"
#include "printing/RegisterFilter.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QTableView;

namespace zort::print {

// The print selection of commuting accidents: the commuting-accident card of the
// chosen accident (its pages by the card's form), its attachments, and the
// collective summary of commuting accidents.
class TAdmDrukWDrodzeForm : public PrintSelectionWindow {
    Q_OBJECT
public:
    enum Tab { CardTab = 0, SummaryTab = 1 };
    static constexpr int kHelpCard = 62100;
    static constexpr int kHelpSummary = 62200;
    static QString kindCode() { return QStringLiteral("WypDrogaKartWyp"); }

    explicit TAdmDrukWDrodzeForm(QWidget* parent = nullptr);

    void FormShow() override;
    void PreviewBtnClick() override;
    void PrintBtnClick() override;
    void PageControlChange();
    // "Załączn.": the attachments of the chosen commuting accident.
    void ZalBtnClick();

    QGroupBox* gbKartaWypadku = nullptr;
    std::array<QCheckBox*, 3> CBoxKW{};
    QCheckBox* cbPuste = nullptr;
    QPushButton* ZalBtn = nullptr;
    Dataset* accidents() const { return m_accidents; }
    RegisterFilter registerFilter() const;
    QStringList chosenForms() const;

protected:
    void registerFilterInto(PrintTabContext& context) const override;
    void formClosed() override;

private:
    void applyPageSetting();
    void run(bool preview);
    int currentId() const;

    Dataset* m_accidents = nullptr;
    QTableView* m_grid = nullptr;
    int m_previousTab = CardTab;
};

} // namespace zort::print
