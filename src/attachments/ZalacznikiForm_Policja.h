#pragma once
#include "attachments/ZalacznikiBase.h"

#include <array>

class QComboBox;
class QLineEdit;

namespace zort {

class MemberPicker;
class PageDictionaries;
class RadioGroup;

// The attachments of an injured officer's post-accident protocol in the register of
// other accidents: records of hearings, records of inspections and own attachments,
// numbered in one sequence. The frame, the lists and their rules are the attachments
// windows' shared ones; this window declares its kinds and builds their pages.
class TZalacznikiForm_Policja : public TZalacznikiBase {
    Q_OBJECT
public:
    enum Tab { HearingTab = 0, InspectionTab = 1, OwnTab = 2 };
    static constexpr int kHearing = OtherHearing, kInspection = OtherInspection, kOwn = OtherOwn;

    explicit TZalacznikiForm_Policja(QWidget* parent = nullptr);
    ~TZalacznikiForm_Policja() override;

    // Shows the attachments of the request's officer, always modally.
    void ShowAttachments(const DocumentWindows::Request& request);
    // What showing does before the window comes up (tests call it alone).
    void FormShow(const DocumentWindows::Request& request);
    // "Załączniki i dokumenty związane z protokołem powypadkowym nr " with the
    // protocol's number and, when it has one, its date.
    QString documentCaption() const;

    // --- Reactions (the controls call them; tests too) -------------------------------
    // The user chose who is heard: "poszkodowanym" offers to copy the officer.
    void hearingTypeChosen(int index);
    // The inspection kind chosen on "cz. 1" or on its mirror of "cz. 2. ".
    void inspectionKindChosen(int index);
    void mirrorKindChosen(int index);
    // A person of the service's list chosen (IDOSOBY): the heard person and the
    // employment copied.
    void personChosen(int personId);
    void choosePosition();
    // "Kopiuj dane komisji powypadkowej" of the hearing and of the inspection.
    void bKopiujClick();
    void bKopiuj2Click();
    // Double clicks (or Delete): the heard person, the position.
    void clearPerson();
    void clearPosition();

    // The commission pickers of the hearing (cb1 ... cb4): filled from the
    // commission dictionary, each positioned on the name of its row; choosing a
    // member writes the name and the post of its row.
    void fillCommissionPickers();
    void positionCommissionPickers();

    // --- State ---------------------------------------------------------------------
    QTabWidget* hearingPages() const { return m_hearingPages; }
    QTabWidget* inspectionPages() const { return m_inspectionPages; }
    RadioGroup* hearingType() const { return m_hearingType; }
    RadioGroup* inspectionKind() const { return m_inspectionKind; }
    RadioGroup* inspectionKindMirror() const { return m_mirror; }
    QComboBox* commissionPicker(int row) const { return m_commission[size_t(row - 1)]; }

protected:
    void fieldsLoaded(int kind) override;
    void tabShown(int tab) override;

private:
    void buildHearing(QWidget* page);
    void buildInspection(QWidget* page);
    void buildOwn(QWidget* page);
    void copyCommission(int kind, const QString& prefix);

    QTabWidget* m_hearingPages = nullptr;
    QTabWidget* m_inspectionPages = nullptr;
    RadioGroup* m_hearingType = nullptr;
    RadioGroup* m_inspectionKind = nullptr;
    RadioGroup* m_mirror = nullptr;
    QComboBox* m_provinces = nullptr;
    PageDictionaries* m_dictionaries = nullptr;
    std::array<QComboBox*, 4> m_commission{};
    std::array<MemberPicker*, 4> m_commissionPickers{};
    QLineEdit* m_lastFunction = nullptr;  // while building: the row's post field
};

// The window of the run (created on first use).
TZalacznikiForm_Policja& otherAttachmentsWindow();
// The controls of a hearing that a copy from the employee register writes.
const CopyMap& otherHearingCopyMap();

} // namespace zort
