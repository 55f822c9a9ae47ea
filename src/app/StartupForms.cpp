// The windows and report forms that the start-up creates, in this order. Classes
// that later parts of the program add get their factory here.
#include "core/Forms.h"
#include "admin/AdmForm.h"
#include "attachments/PathDokumForm.h"
#include "attachments/ZalacznikiForm.h"
#include "card/CodePickerForms.h"
#include "card/SKWForm.h"
#include "datatest/TestWForm.h"
#include "protocol/ProtPowForm.h"
#include "ui/HelpWindow.h"
#include "ui/InfoForm.h"
#include "printing/AdmDrukWDrodzeForm.h"
#include "printing/PrintWindows.h"
#include "printing/StatRepForm.h"
#include "domain/DataModForm.h"
#include "ui/DanPoszkodForm.h"
#include "ui/KalendarzForm.h"
#include "ui/ListForm.h"
#include "register/RejestrWypForm.h"
#include "register/ZnajdzForm.h"

namespace zort {

const std::vector<StartupForm>& startupForms() {
    static const std::vector<StartupForm> forms = {
        {"TRejestrWypForm", []() -> QObject* { return new TRejestrWypForm(); }, false},
        {"TDataModForm", []() -> QObject* { return new TDataModForm(); }, false},
        {"TInfoForm", []() -> QObject* { return new InfoForm(); }, false},
        {"TProtWDrodzeNowy2012Form", nullptr, false},
        {"TProtWDrodzeNowy2012_1Form", nullptr, false},
        {"TKartaWypadkuRep_all_Form", nullptr, false},
        {"TKartaWypadkuRep1Form", nullptr, false},
        {"TKartaWypadkuRep2Form", nullptr, false},
        {"TKartaWypadkuRep2022_2Form", nullptr, false},
        {"TKartaWypadkuRep2022_3Form", nullptr, false},
        {"TProtPowForm_2", []() -> QObject* { return new TProtPowForm_2(); }, false},
        {"TProtPowRepForm_all", nullptr, false},
        {"TKartWypRep2Form_4", nullptr, false},
        {"TKartWypRep1Form_3", nullptr, false},
        {"TKartWypRep1Form_4", nullptr, false},
        {"TKartaWypadkuRep2012_1Form", nullptr, false},
        {"TKartaWypadkuRep2012_2Form", nullptr, false},
        {"TKartaWypadkuRep2012_3Form", nullptr, false},
        {"TKartaWypadkuRep2012_4Form", nullptr, false},
        {"TKartaWypadkuRep2012_all_Form", nullptr, false},
        {"TSKWForm_4", []() -> QObject* { return new TSKWForm_4(); }, false},
        {"TKartWypRep1Form_5", nullptr, false},
        {"TKartWypRep2Form_5", nullptr, false},
        {"TKartWypRep3Form_5", nullptr, true},
        {"TfrmPodglad", nullptr, false},
        {"TBaseForm_W", nullptr, false},
        {"TfrmHTMLHelp", []() -> QObject* { return new TfrmHTMLHelp(); }, true},
        {"TKalendarzForm", []() -> QObject* { return new TKalendarzForm(); }, false},
        {"TZalacznikiForm", []() -> QObject* { return new TZalacznikiForm(); }, false},
        {"TListForm", []() -> QObject* { return new TListForm(); }, true},
        {"TfrmPathDokum", []() -> QObject* { return new TfrmPathDokum(); }, false},
        {"TAdmDrukWDrodzeForm", []() -> QObject* { return new print::TAdmDrukWDrodzeForm(); }, false},
        {"TfrmStatRep", []() -> QObject* { return new print::TfrmStatRep(); }, true},
        {"TTestWForm", []() -> QObject* { return new TTestWForm(); }, false},
        {"TDanPoszkodForm", []() -> QObject* { return new TDanPoszkodForm(); }, false},
        {"TAdmForm_W", []() -> QObject* { return new TAdmForm_W(); }, true},
    };
    return forms;
}

void registerDocumentWindows() {
    // The windows the main window opens by class name; the others of the document
    // windows come with their subsystems.
    registerSearchWindow();
    installCodePickers();
    registerCardWindows();
    registerProtocolWindows();
    registerDataTestWindow();
    registerAdminWindows();
    registerAttachmentWindows();
    print::registerPrintWindows();
}

} // namespace zort
