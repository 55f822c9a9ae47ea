#include "printing/PrintRun.h"

#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/UserInterface.h"
#include "domain/SharedConnection.h"
#include "domain/Takes.h"
#include "printing/Podglad.h"
#include "printing/ReportForms.h"
#include "printing/StatRepForm.h"
#include "printing/StatisticsCharts.h"
#include "ui/AccidentTake.h"

namespace zort::print {

CollectedForms resolveForms(const QStringList& names, const DocumentRun& run, QWidget* parent) {
    CollectedForms out;
    for (const QString& name : names) {
        DocumentReport* f = ReportForms::formOrReport(name, parent);
        if (!f) return CollectedForms();
        out.forms.push_back(f);
    }
    for (DocumentReport* f : out.forms) {
        f->setRun(run);
        out.kind = f->kindCode();
    }
    out.ok = true;
    return out;
}

PreviewTake::PreviewTake(int id, const QString& table) : m_id(id), m_table(table) {
    Takes takes(SharedConnection::get(), Workstation::computerName());
    if (!appContext().readOnlyDatabase && takes.heldHere(id, table)) {
        m_held = true;  // someone of this computer took it before: it stays theirs
        return;
    }
    m_held = takeAccident(id, table);
    m_started = m_held;
}

PreviewTake::~PreviewTake() {
    if (!m_started) return;
    try {
        Takes(SharedConnection::get(), Workstation::computerName()).ReleaseAccident(m_id, m_table);
    } catch (...) {
        // The connection is gone: the take ends with the next start of the program.
    }
}

bool previewComposite(CompositeReport& composite, const CollectedForms& forms, const QString& kind, int personId) {
    if (!forms.ok || forms.forms.empty()) return false;
    PreviewRequest& r = TfrmPodglad::request();
    r = PreviewRequest();
    r.kind = kind;
    r.personId = personId;
    r.landscape = false;
    r.composite = &composite;
    composite.previewModal();
    return true;
}

bool printComposite(CompositeReport& composite, const CollectedForms& forms, QWidget* parent) {
    if (!forms.ok || forms.forms.empty()) return false;
    if (composite.print(composite.printer())) return true;
    showError(printFailedMessage(), parent);
    return false;
}

int prepareCounted(Report& report) {
    WaitWindow wait;
    report.prepare();
    const int pages = report.pageCount();
    report.freePages();
    return pages;
}

void previewSingle(Report& report, const QString& kind, bool landscape, int recordId) {
    prepareCounted(report);
    PreviewRequest& r = TfrmPodglad::request();
    r = PreviewRequest();
    r.kind = kind;
    r.personId = recordId;
    r.landscape = landscape;
    r.report = &report;
    // A chart can also be saved as a document: its texts from this preparation, its
    // picture from the preview's own pages.
    if (const auto* chart = dynamic_cast<const StatisticsChartForm*>(&report)) {
        r.wordAvailable = true;
        r.chart = chart->chartExport();
    }
    // Modal as the document previews: the print window stays below it, and the form
    // is not prepared anew for another summary while this one is shown.
    report.previewModal();
}

bool printSingle(Report& report, QWidget* parent) {
    prepareCounted(report);
    if (report.print(report.printer())) return true;
    showError(printFailedMessage(), parent);
    return false;
}

} // namespace zort::print
