#include "printing/PrintWindows.h"

#include "core/Forms.h"
#include "printing/AdmDrukForm.h"
#include "printing/AdmDrukForm_Policja.h"
#include "printing/AdmDrukWDrodzeForm.h"
#include "printing/AttachmentPrint.h"
#include "printing/CollectiveTab.h"
#include "printing/ReportForms.h"
#include "printing/StatisticsTab.h"
#include "ui/DocumentWindows.h"

namespace zort::print {
namespace {

template <class W>
void addWindow(const char* className) {
    const QString name = QString::fromLatin1(className);
    DocumentWindows::add(name, [name](const DocumentWindows::Request& r) {
        if (W* w = Forms::getOrCreate<W>(name)) w->ShowPrint(r.editable);
    });
}

} // namespace

void registerPrintWindows() {
    // The document forms the windows collect, reached by their class names.
    registerReportForms();
    // The attachments windows print their entries through the attachment forms.
    installAttachmentPrinting();
    // The summary tabs plug into their windows.
    PrintTabs::add(QStringLiteral("TAdmDrukForm"), TAdmDrukForm::CollectiveTab,
                   []() { return std::make_unique<CollectiveTab>(); });
    PrintTabs::add(QStringLiteral("TAdmDrukForm"), TAdmDrukForm::StatisticsTab,
                   []() { return std::make_unique<StatisticsTab>(); });
    PrintTabs::add(QStringLiteral("TAdmDrukWDrodzeForm"), TAdmDrukWDrodzeForm::SummaryTab,
                   []() { return std::make_unique<CommutingCollectiveTab>(); });
    addWindow<TAdmDrukForm>("TAdmDrukForm");
    addWindow<TAdmDrukWDrodzeForm>("TAdmDrukWDrodzeForm");
    addWindow<TAdmDrukForm_Policja>("TAdmDrukForm_Policja");
}

} // namespace zort::print
