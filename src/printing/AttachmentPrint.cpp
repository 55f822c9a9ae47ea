#include "printing/AttachmentPrint.h"

#include "core/AdmSettings.h"
#include "domain/AttachmentReportDatasets.h"
#include "domain/DataModForm.h"
#include "printing/DocumentReport.h"
#include "printing/PrintRun.h"
#include "printing/ReportForms.h"
#include "ui/AttachmentPrinting.h"

namespace zort::print {
namespace {

void printAttachment(const AttachmentPrintRequest& r) {
    TDataModForm* dm = dataMod();
    const QString formName = attachmentFormOfKind(r.kind);
    DocumentReport* form = formName.isEmpty() ? nullptr : ReportForms::formOrReport(formName, r.parent);
    if (!dm || !form) return;
    const QString dataset = form->datasets().value(0);
    const reportds::AttachmentOwnerIds owner{r.ownerAccident, r.ownerProtocol};
    struct Close {
        TDataModForm* dm;
        DocumentReport* form;
        QString dataset;
        ~Close() {
            // The registry keeps the form; it must not keep the dataset open.
            form->setRun(DocumentRun());
            reportds::closeAttachment(*dm, dataset);
        }
    } close{dm, form, dataset};
    if (!reportds::openAttachment(*dm, dataset, owner, r.id)) return;
    form->setRun(DocumentRun{dm, admSettings(), r.blank});
    // The circulation follows a hearing or an order by its ID, an own attachment by
    // the document it belongs to.
    const int record = dataset == QLatin1String("qryZal") ? (owner.commuting() ? owner.accident : owner.person) : r.id;
    if (r.preview) previewSingle(*form, r.kind, false, record);
    else printSingle(*form, r.parent);
}

} // namespace

QString attachmentFormOfKind(const QString& kind) {
    if (kind == QLatin1String("WypZalWlasne")) return QStringLiteral("TZalRepForm1");
    if (kind == QLatin1String("WypZalPrzesl")) return QStringLiteral("TZal_PrzesRepForm1");
    if (kind == QLatin1String("WypZalPolec")) return QStringLiteral("TZal_RepPolForm1");
    return QString();
}

void installAttachmentPrinting() {
    registerReportForms();
    AttachmentPrinting::install(printAttachment);
}

} // namespace zort::print
