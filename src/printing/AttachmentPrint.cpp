#include "printing/AttachmentPrint.h"

#include "core/AdmSettings.h"
#include "domain/AttachmentReportDatasets.h"
#include "domain/DataModForm.h"
#include "domain/PoliceReportDatasets.h"
#include "printing/DocumentReport.h"
#include "printing/PrintRun.h"
#include "printing/ReportForms.h"
#include "ui/AttachmentPrinting.h"

namespace zort::print {
namespace {

// The entry's row in the form's dataset: the attachments of the accidents at work and
// on the way by their owner, those of an officer's protocol by their own keys.
bool openEntry(TDataModForm& dm, const QString& dataset, const reportds::AttachmentOwnerIds& owner, int id) {
    if (dataset == reportds::kPoliceHearing) return reportds::openPoliceHearing(dm, id);
    if (dataset == reportds::kPoliceInspection) return reportds::openPoliceInspection(dm, id);
    if (dataset == reportds::kPoliceOwnAttachment)
        return reportds::openPoliceOwnAttachment(dm, owner.accident, owner.person, id);
    return reportds::openAttachment(dm, dataset, owner, id);
}

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
    if (!openEntry(*dm, dataset, owner, r.id)) return;
    form->setRun(DocumentRun{dm, admSettings(), r.blank});
    // The circulation follows a hearing or an order by its ID, an own attachment by
    // the document it belongs to.
    const bool own = dataset == QLatin1String("qryZal") || dataset == reportds::kPoliceOwnAttachment;
    const int record = own ? (owner.commuting() ? owner.accident : owner.person) : r.id;
    if (r.preview) previewSingle(*form, r.kind, false, record);
    else printSingle(*form, r.parent);
}

} // namespace

QString attachmentFormOfKind(const QString& kind) {
    if (kind == QLatin1String("WypZalWlasne")) return QStringLiteral("TZalRepForm1");
    if (kind == QLatin1String("WypZalPrzesl")) return QStringLiteral("TZal_PrzesRepForm1");
    if (kind == QLatin1String("WypZalPolec")) return QStringLiteral("TZal_RepPolForm1");
    if (kind == QLatin1String("WypZalPrzeslPol")) return QStringLiteral("TfrmRepProtPrz_Policja");
    if (kind == QLatin1String("WypZalOgledzPol")) return QStringLiteral("TfrmRepProtOgl_Policja");
    if (kind == QLatin1String("WypZalWlasnePol")) return QStringLiteral("TfrmRepZalW_Policja");
    return QString();
}

void installAttachmentPrinting() {
    registerReportForms();
    AttachmentPrinting::install(printAttachment);
}

} // namespace zort::print
