#pragma once
#include "printing/DocumentCirculation.h"
#include "printing/engine/ExportQR.h"
#include "printing/engine/Report.h"
#include "ui/DesktopFiles.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QStatusBar;

namespace zort::print {

class TQRPreview;
struct ChartExport;

// What the caller hands to the preview before a report is previewed.
struct PreviewRequest {
    QString kind;                       // document kind code ("WypProt", ...)
    int personId = 0;                   // IdTabeli of the circulation; 0 for summaries
    bool landscape = false;
    Report* report = nullptr;           // exactly one of report and composite is set
    CompositeReport* composite = nullptr;
    bool wordAvailable = false;         // the chart option is checked and visible
    std::shared_ptr<const ChartExport> chart;  // what "&Word" saves (its picture: these pages')

    // What printing and printer set-up act on: the single report, else the composite.
    Printable* target() const { return report ? static_cast<Printable*>(report) : composite; }
};

// The report preview window "Podgląd raportu": pages, zoom, printing, printer
// set-up, saving as PDF or images with the document circulation, and (for charts)
// the word-processor export.
//
// A print selection window fills TfrmPodglad::request() (document kind, person id,
// orientation, the report or composite that printing acts on, the chart option)
// and calls preview() or previewModal() of that report or composite; the engine
// hands the prepared pages to TQRMyPreviewInterface, which opens this window.
// Shown when the printer could not print the report.
QString printFailedMessage();

class TfrmPodglad : public QDialog {
    Q_OBJECT
public:
    // The request the next preview takes (set by the print selection windows).
    static PreviewRequest& request();
    // Called by "&Word" (the chart export of the statistics, exportChartToWord).
    static std::function<void(TfrmPodglad&)>& wordHandler();

    TfrmPodglad(PagesPtr pages, const PreviewRequest& request, QWidget* parent = nullptr);
    ~TfrmPodglad() override;

    TQRPreview* preview() const { return m_preview; }
    TExportQR& exporter() { return m_export; }
    const DocumentCirculation& circulation() const { return m_circ; }
    const QString& pdfName() const { return m_pdfName; }
    const QString& docName() const { return m_docName; }
    const PreviewRequest& currentRequest() const { return m_req; }
    QString statusText() const;

    // The fraction of the day in millionths, which names the proposed files.
    static qint64 dayFraction(const QDateTime& now);

    // Event handlers, by control.
    void FormShow();
    void bbPdfClick();
    void bbDrukujClick();
    void bbUstawieniaClick();
    void btnDoWordClick();
    void goToPage(int page);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    QPushButton* button(const QString& name, const QString& caption);
    void updatePaging();
    void refreshUser();
    void release();

    PreviewRequest m_req;
    PagesPtr m_pages;
    TQRPreview* m_preview;
    TExportQR m_export;
    DocumentCirculation m_circ;
    QString m_pdfName;
    QString m_docName;
    QPushButton* m_cala;
    QPushButton* m_szer;
    QPushButton* m_first;
    QPushButton* m_prior;
    QPushButton* m_next;
    QPushButton* m_last;
    QPushButton* m_print;
    QPushButton* m_setup;
    QPushButton* m_pdf;
    QPushButton* m_word;
    QPushButton* m_close;
    QComboBox* m_skala;
    QCheckBox* m_inicjuj;
    QCheckBox* m_aktualizuj;
    QStatusBar* m_status;
    bool m_shown = false;
};

// The program's preview interface: creates TfrmPodglad on the engine's pages with
// the request handed in, and shows it maximized, plainly or modally.
class TQRMyPreviewInterface : public PreviewInterface {
public:
    QWidget* show(PagesPtr pages) override;
    QWidget* showModal(PagesPtr pages) override;
};

} // namespace zort::print
