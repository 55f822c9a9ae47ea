#include "printing/PrintForms.h"
#include "printing/ReportForms.h"

namespace zort::print {

void registerReportForms() {
    static bool done = false;
    if (done) return;
    done = true;
    registerRegisterCardForms();
    registerProtocolForms();
    registerOldProtocolForms();
    registerCommutingCardForms();
    registerAccidentCardForms();
    registerStatCardForms();
    registerStatisticsForms();
    registerStatisticsChartForms();
    registerCollectiveForms();
    registerPoliceForms();
    registerAttachmentForms();
}

} // namespace zort::print
