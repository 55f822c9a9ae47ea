#pragma once
// One document form printed for one record straight into a PDF file, without the
// print selection window and the preview (`zortdb pdf`): the safety officer names
// the form, the record and the workstation settings.
#include "core/AdmSettings.h"
#include "printing/engine/DisplayList.h"

#include <QString>
#include <QStringList>

namespace zort {
class TDataModForm;
}

namespace zort::print {

// The workstation settings given as "KEY=VALUE" by their keys in the configuration
// file (AdmSettings::storedKeys() and KZS; case as the file ignores it) with values in
// the form the file stores them; every other setting keeps its default. The values
// are read by the settings' own reading, and a value is refused when that reading
// does not keep it as given (a value the settings would write back differently).
// Throws Error with the message for a malformed assignment, an unknown key or a bad
// value.
AdmSettings settingsFromKeys(const QStringList& assignments);

struct DocumentPdfRequest {
    QString form;          // class name in the form registry
    int id = 0;            // the record the form prints (ReportForms::record); 0 only blank
    bool blank = false;    // "drukuj puste formularze"
    AdmSettings settings;  // also made the run's settings (the report datasets read them)
    QStringList choices;   // summaries: "NAME=VALUE" settings of the controls of their tab
    // Own attachments: the owner "ACCIDENT:PERSON" (PERSON 0: a commuting card); empty
    // when not given.
    QString owner;
};

// Checks the request before any database work: the form exists, the id is not 0 for
// a filled form (a summary takes its structure element, never 0), an own attachment
// has its owner. Throws Error with the message.
void checkDocumentRequest(const DocumentPdfRequest& request);

// Opens the record's report datasets in the data module and prepares the form. A
// blank form with id 0 prints once without data. Throws Error for an unknown form
// or record.
PagesPtr prepareDocument(TDataModForm& dm, const DocumentPdfRequest& request);

// Saves the pages as a PDF with real text under exactly the given name (written
// whole or not at all). Throws Error when the file cannot be written.
void saveTextPdf(const PagesPtr& pages, const QString& file);

} // namespace zort::print
