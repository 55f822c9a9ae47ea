#pragma once
// What the print selection windows do with the forms they chose: resolve them in
// the form registry (a missing one is reported and nothing prints), hand each its
// run, collect them into the window's composite report, and preview (under the
// take of the accident) or print; and the prepare, count, preview sequence of the
// single reports behind the wait window.
#include "printing/DocumentReport.h"

#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

namespace zort::print {

// The forms of one printout.
struct CollectedForms {
    bool ok = false;                      // every form exists
    std::vector<DocumentReport*> forms;   // in printing order
    QString kind;                         // the kind code of the last form collected
};

// Looks every name up in the registry (created on first use); the first missing one
// is reported and the result is not ok. Each form gets the run.
CollectedForms resolveForms(const QStringList& names, const DocumentRun& run, QWidget* parent);

// The take of an accident for the time of a preview. An accident this computer
// already holds (its document window is open, or the main window edits it) stays
// taken afterwards; a free one is given back; one held by another computer shows
// the taking message, and held() is false.
class PreviewTake {
public:
    PreviewTake(int id, const QString& table);
    ~PreviewTake();
    PreviewTake(const PreviewTake&) = delete;
    PreviewTake& operator=(const PreviewTake&) = delete;
    bool held() const { return m_held; }

private:
    int m_id;
    QString m_table;
    bool m_held = false;
    bool m_started = false;
};

// Previews the composite modally with the request filled; false when nothing was
// collected (no page prints).
bool previewComposite(CompositeReport& composite, const CollectedForms& forms, const QString& kind, int personId);
// Prints the composite on its printer; a printer failure is reported.
bool printComposite(CompositeReport& composite, const CollectedForms& forms, QWidget* parent);

// A single report: prepared behind the wait window, its page count noted, the pages
// freed; then previewed modally (request: kind, the record of the circulation (0 for
// summaries), orientation) or printed.
int prepareCounted(Report& report);
void previewSingle(Report& report, const QString& kind, bool landscape, int recordId = 0);
bool printSingle(Report& report, QWidget* parent);

} // namespace zort::print
