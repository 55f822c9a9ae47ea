#pragma once
#include "printing/engine/DisplayList.h"

#include <QByteArray>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QStringList>
#include <exception>
#include <functional>
#include <memory>

class QWidget;

namespace zort::print {

class TQRPreview;
struct PaletteBitmap;
class ExportThreads;

// What an exporter reports while it walks the pages (the "Ekportuj..." window by
// default).
class ExportProgress {
public:
    virtual ~ExportProgress() = default;
    virtual void setRange(int minimum, int maximum) = 0;
    virtual void setText(const QString& text) = 0;
    virtual void step() = 0;
    // The user gave the export up (closed the window): it stops and writes no file.
    virtual bool cancelled() const { return false; }
};

// Saves the prepared pages of a preview or of a report as PDF (palette images or
// JPEG), as JPEG, BMP, EMF or WMF page files, or as a PDF with real text.
class TExportQR {
public:
    // The filters of the save dialog, in the order the exporters are chosen by.
    enum Filter { PdfHigh = 1, PdfLow = 2, Jpeg = 3, Bmp = 4, Emf = 5, Wmf = 6, PdfText = 7 };
    static QStringList filters();
    static QString extension(int filter);   // ".pdf", ".jpg", ".bmp", ".emf", ".wmf"
    // The file of one page of an image export: base + five-digit page number +
    // the filter's extension in capitals.
    static QString pageFile(const QString& base, int page, int filter);

    TExportQR();
    ~TExportQR();

    // The page source: a preview control (its pages and its size on screen) or the
    // pages of a prepared report.
    void setPreview(TQRPreview* preview);
    void setReport(PagesPtr pages);
    bool hasSource() const;
    PagesPtr sourcePages() const;

    int PixelFormat = 8;   // bits per pixel of bitmap exports (8: with a palette)
    bool Landscape = false;
    // Threads that draw and encode the pages (0: one per processor core), each
    // worker holding one page bitmap at a time; the calling thread writes the
    // encoded pages in page order: the files are the same whatever the number of
    // workers.
    int Workers = 0;
    int workerCount(int pages) const;

    // Asks for the target (a save dialog when showDialog) and runs the chosen
    // exporter. On confirmation directory holds the chosen folder and fileName the
    // base name cut at its first dot plus the exporter's extension. Returns true
    // when the user confirmed and the export succeeded.
    bool ExportReport(QString& fileName, QString& directory, bool showDialog, bool landscape);
    int lastFilter() const { return m_lastFilter; }

    // The exporters, on base = folder + "/" + name without extension. They show
    // "Błąd w trakcie eksportu raportu" and return false on any failure.
    bool ExportToPdf(const QString& base, bool highCompression);
    bool ExportToJpeg(const QString& base);
    bool ExportToBmp(const QString& base);
    bool ExportToEmf(const QString& base);
    bool ExportToWmf(const QString& base);
    bool ExportToTextPdf(const QString& base);
    // The PDF with real text in memory (for a caller that writes it itself).
    bool ExportToTextPdf(QByteArray& pdf);
    // What went wrong in the last failed export (the file's name and the reason),
    // beside the general message the exporters show.
    const QString& lastError() const { return m_lastError; }

    // The bitmap size of a PDF page. The box is, for a preview source, the control's
    // height and width (in that order) x 32 / 25.4, for a report source the page's
    // width and height in units x 64 / 25.4; the page is scaled by the larger of the
    // two ratios box / page.
    QSize pdfBitmapSize(const Page& page) const;

    // Replaces the progress window (tests).
    std::function<std::unique_ptr<ExportProgress>()> progressFactory;
    QWidget* parentWidget = nullptr;

private:
    // Called for pages 1..count of the source (one blank page for an empty one).
    using PageFn = std::function<void(int page, int count, const Page&)>;
    bool walkPages(const PageFn& fn);
    // The pages of the source encoded by encode from their rows at the size
    // bitmapSize gives (drawn as encode reads them), on a worker, and the results
    // handed to take on the calling thread in page order, the progress window
    // following them. Each worker hands encode the same 8-bit bitmap for all its
    // pages, to reduce them into (made beforehand on this thread when `reduces`).
    template <typename Encoded>
    bool encodePages(bool reduces, const std::function<QSize(const Page&)>& bitmapSize,
                     const std::function<Encoded(PageRows&, PaletteBitmap&)>& encode,
                     const std::function<void(int page, int count, const Page&, Encoded&)>& take);
    // Page files: each page drawn at pixelsPerUnit and encoded by encode.
    bool exportImages(const QString& base, int filter, double pixelsPerUnit,
                      const std::function<QByteArray(PageRows&, PaletteBitmap&)>& encode);

    // Logs the failure, keeps it as lastError(), shows the export error; false.
    bool failed(const std::exception& e);

    QPointer<TQRPreview> m_preview;   // when set, the source is the preview
    PagesPtr m_pages;
    int m_lastFilter = 0;
    QString m_lastError;
    // The workers' threads, kept from one export to the next with their fonts.
    std::unique_ptr<ExportThreads> m_threads;
};

// The message of every failed export.
QString exportErrorMessage();

} // namespace zort::print
