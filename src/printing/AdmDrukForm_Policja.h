#pragma once
#include "printing/PrintSelectionWindow.h"

class QCheckBox;
class QTableView;

namespace zort::print {

// The print selection of other accidents (the variant for uniformed services): the
// protocol and the accident record card "EKW" of one injured person, and the
// register of accidents in service of the register year.
class TAdmDrukForm_Policja : public PrintSelectionWindow {
    Q_OBJECT
public:
    enum Tab { DocumentsTab = 0, RegisterTab = 1 };
    static constexpr int kHelpContext = 7000;
    static constexpr int kWidth = 610;
    static constexpr int kMinHeight = 500;
    // The register of accidents in service: the injured persons of the accidents
    // registered from datapocz to before datakonc.
    static QString registerSql();

    explicit TAdmDrukForm_Policja(QWidget* parent = nullptr);

    void FormShow() override;
    void PreviewBtnClick() override;
    void PrintBtnClick() override;

    QCheckBox* CBoxPPall = nullptr;
    QCheckBox* cb_EKW = nullptr;
    QCheckBox* cbPuste = nullptr;
    Dataset* accidents() const { return m_accidents; }
    Dataset* persons() const { return m_persons; }
    Dataset* registerList() const { return m_register; }
    QStringList chosenForms() const;

private:
    void run(bool preview);

    Dataset* m_accidents = nullptr;
    Dataset* m_persons = nullptr;
    Dataset* m_register = nullptr;
};

} // namespace zort::print
