#include "printing/engine/ExportQR.h"

#include "core/UserInterface.h"
#include "core/WholeFile.h"
#include "printing/engine/ImageCodecs.h"
#include "printing/engine/PrintPdf.h"
#include "printing/engine/QRPreview.h"

#include <QApplication>
#include <QBuffer>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QProgressBar>
#include <QVBoxLayout>
#include <QThread>
#include <cmath>
#include <cstring>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <thread>

namespace zort::print {
namespace {

// The small window shown while pages are exported.
class TExportProgressForm : public QDialog, public ExportProgress {
public:
    explicit TExportProgressForm(QWidget* parent) : QDialog(parent) {
        setObjectName(QStringLiteral("TfrmEksport"));
        setWindowTitle(QStringLiteral("Ekportuj..."));
        auto* lay = new QVBoxLayout(this);
        m_label = new QLabel(this);
        m_label->setObjectName(QStringLiteral("lblStrona"));
        m_bar = new QProgressBar(this);
        m_bar->setObjectName(QStringLiteral("ProgressBar1"));
        m_bar->setAccessibleName(QStringLiteral("Postęp eksportu"));
        m_label->setBuddy(m_bar);
        lay->addWidget(m_label);
        lay->addWidget(m_bar);
        setMinimumWidth(280);
        show();
    }
    void setRange(int minimum, int maximum) override { m_bar->setRange(minimum, std::max(minimum, maximum)); }
    void setText(const QString& text) override {
        m_label->setText(text);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    void step() override { m_bar->setValue(m_bar->value() + 1); }
    bool cancelled() const override { return m_cancelled; }

protected:
    // Closing the window (or Esc) gives the export up.
    void reject() override { m_cancelled = true; }
    void closeEvent(QCloseEvent* e) override {
        m_cancelled = true;
        e->ignore();
    }

private:
    bool m_cancelled = false;
    QLabel* m_label;
    QProgressBar* m_bar;
};

constexpr double kReportPixelsPerUnit = 64.0 / 25.4;

// An export the user gave up: no message, no file.
struct ExportCancelled : std::runtime_error {
    ExportCancelled() : std::runtime_error("export cancelled") {}
};

// The pages an export walks: one blank page for a report without any.
struct SourcePages {
    PagesPtr keep;
    ReportPages blank;
    const ReportPages* pages = nullptr;
    SourcePages(const PagesPtr& source, bool landscape) : keep(source) {
        if (!source) throw std::runtime_error("no pages");
        if (source->isEmpty()) {
            Page p;
            p.setup.orientation = landscape ? Orientation::Landscape : Orientation::Portrait;
            blank.append(p);
        }
        pages = source->isEmpty() ? &blank : source.get();
    }
};

// The pixels of an image export: 24-bit drawing converted to PixelFormat.
QByteArray encodeTrueColour(const QImage& img, const char* format) {
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    if (!img.convertToFormat(QImage::Format_RGB888).save(&buf, format))
        throw std::runtime_error("cannot encode the page image");
    return out;
}

// The page reduced to 8 bits: row by row while it has at most 256 colours, else
// drawn whole and reduced by toPalette.
void reducePage(PageRows& rows, PaletteBitmap& out) {
    if (!reduceExactly(rows.width(), rows.height(), [&rows](int y) { return rows.row(y); }, out))
        toPalette(rows.whole(), out);
}

} // namespace

// Threads that draw and encode export pages. They stay for the exporter's life, so
// that each keeps its fonts and the glyphs it has shaped from one export to the
// next (a thread's fonts are its own).
class ExportThreads {
public:
    using Task = std::function<void(ThreadShaper&)>;
    ExportThreads() = default;
    ExportThreads(const ExportThreads&) = delete;
    ExportThreads& operator=(const ExportThreads&) = delete;
    ~ExportThreads() {
        {
            std::lock_guard<std::mutex> g(m_lock);
            m_quit = true;
        }
        m_changed.notify_all();
        for (std::thread& t : m_threads) t.join();
    }
    // Runs the task on count threads at once, starting threads as needed.
    void run(int count, const Task& task) {
        {
            std::lock_guard<std::mutex> g(m_lock);
            while (int(m_threads.size()) < count) m_threads.emplace_back([this] { loop(); });
            for (int i = 0; i < count; ++i) m_tasks.push_back(task);
        }
        m_changed.notify_all();
    }

private:
    void loop() {
        ThreadShaper shaper;
        for (;;) {
            Task task;
            {
                std::unique_lock<std::mutex> g(m_lock);
                m_changed.wait(g, [this] { return m_quit || !m_tasks.empty(); });
                if (m_tasks.empty()) return;
                task = std::move(m_tasks.front());
                m_tasks.pop_front();
            }
            task(shaper);
        }
    }

    std::mutex m_lock;
    std::condition_variable m_changed;
    std::deque<Task> m_tasks;
    std::vector<std::thread> m_threads;
    bool m_quit = false;
};

QString exportErrorMessage() { return QStringLiteral("Błąd w trakcie eksportu raportu"); }

QStringList TExportQR::filters() {
    return {QStringLiteral("PDF Plik (Wysoka kompresja)|*.PDF"), QStringLiteral("PDF Plik (Niska kompresja)|*.PDF"),
            QStringLiteral("JPG Pliki|*.JPG"),  QStringLiteral("BMP Pliki|*.BMP"),
            QStringLiteral("EMF Pliki|*.EMF"),  QStringLiteral("WMF Pliki|*.WMF"),
            QStringLiteral("PDF Plik (tekst)|*.PDF")};
}

QString TExportQR::extension(int filter) {
    switch (filter) {
    case Jpeg: return QStringLiteral(".jpg");
    case Bmp: return QStringLiteral(".bmp");
    case Emf: return QStringLiteral(".emf");
    case Wmf: return QStringLiteral(".wmf");
    default: return QStringLiteral(".pdf");
    }
}

TExportQR::TExportQR() = default;
TExportQR::~TExportQR() = default;

void TExportQR::setPreview(TQRPreview* preview) {
    m_preview = preview;
    if (preview) m_pages.reset();
}

void TExportQR::setReport(PagesPtr pages) {
    m_pages = std::move(pages);
    m_preview = nullptr;
}

bool TExportQR::hasSource() const { return bool(sourcePages()); }

PagesPtr TExportQR::sourcePages() const { return m_preview ? m_preview->pages() : m_pages; }

QSize TExportQR::pdfBitmapSize(const Page& page) const {
    const QSizeF meta = page.size();
    QSizeF box;
    if (m_preview) {
        // The preview's box takes its width from the control's height and its
        // height from the control's width.
        const QSize c = m_preview->size();
        box = QSizeF(std::round(c.height() / 25.4 * 32), std::round(c.width() / 25.4 * 32));
    } else {
        box = QSizeF(std::round(std::round(meta.width()) / 25.4 * 64), std::round(std::round(meta.height()) / 25.4 * 64));
    }
    const double rw = box.width() / meta.width();
    const double rh = box.height() / meta.height();
    const double r = rw > rh ? rw : rh;
    return QSize(int(std::round(meta.width() * r)), int(std::round(meta.height() * r)));
}

int TExportQR::workerCount(int pages) const {
    const int cores = Workers > 0 ? Workers : std::max(1, QThread::idealThreadCount());
    return std::max(1, std::min(cores, pages));
}

bool TExportQR::walkPages(const PageFn& fn) {
    std::unique_ptr<ExportProgress> progress;
    try {
        const SourcePages source(sourcePages(), Landscape);
        const ReportPages& src = *source.pages;
        const int n = src.pageCount();
        progress = progressFactory ? progressFactory() : std::make_unique<TExportProgressForm>(parentWidget);
        progress->setRange(0, n - 1);
        progress->setText(QStringLiteral("Strona... 1 z") + QString::number(n));
        for (int p = 1; p <= n; ++p) {
            progress->setText(QStringLiteral("Strona... ") + QString::number(p) + QStringLiteral(" z ") + QString::number(n));
            fn(p, n, src.page(p));
            progress->step();
        }
        progress.reset();
        return true;
    } catch (const std::exception& e) {
        progress.reset();
        return failed(e);
    }
}

template <typename Encoded>
bool TExportQR::encodePages(bool reduces, const std::function<QSize(const Page&)>& bitmapSize,
                            const std::function<Encoded(PageRows&, PaletteBitmap&)>& encode,
                            const std::function<void(int page, int count, const Page&, Encoded&)>& take) {
    std::unique_ptr<ExportProgress> progress;
    // The workers and what they share; everything below `lock` is guarded by it.
    std::mutex lock;
    std::condition_variable changed;
    int next = 1;                  // the page the next free worker takes
    int written = 0;               // the pages this thread has written
    std::map<int, Encoded> done;   // page -> its encoding, until written
    std::exception_ptr failure;
    bool stop = false;
    // What the workers read or draw into outlives them (they are joined by finish).
    std::optional<SourcePages> source;
    std::vector<QSize> sizes;
    std::vector<PageRows::Buffers> bitmaps;
    std::vector<PaletteBitmap> reduced;
    int running = 0;               // workers still at this export's pages
    std::atomic<int> worker{0};    // the bitmap the next worker takes
    auto finish = [&] {
        std::unique_lock<std::mutex> g(lock);
        stop = true;
        changed.notify_all();
        changed.wait(g, [&] { return running == 0; });
    };
    try {
        source.emplace(sourcePages(), Landscape);
        const ReportPages& src = *source->pages;
        const int n = src.pageCount();
        progress = progressFactory ? progressFactory() : std::make_unique<TExportProgressForm>(parentWidget);
        progress->setRange(0, n - 1);
        progress->setText(QStringLiteral("Strona... 1 z") + QString::number(n));
        auto taken = [&](int p, Encoded& e) {
            if (progress->cancelled()) throw ExportCancelled();
            progress->setText(QStringLiteral("Strona... ") + QString::number(p) + QStringLiteral(" z ") + QString::number(n));
            take(p, n, src.page(p), e);
            progress->step();
        };
        const int count = workerCount(n);
        if (count == 1) {
            // One worker: the calling thread does everything, page after page.
            PageRows::Buffers buffers;
            PaletteBitmap eightBit;
            for (int p = 1; p <= n; ++p) {
                const Page& page = src.page(p);
                PageRows rows(page, bitmapSize(page), buffers);
                Encoded e = encode(rows, eightBit);
                taken(p, e);
            }
        } else {
            // Each worker draws and encodes a page with buffers and fonts of its own;
            // this thread writes the encoded pages in their order as they come. The
            // workers stay at most two pages each ahead of the writing.
            sizes.reserve(size_t(n));
            for (int p = 1; p <= n; ++p) sizes.push_back(bitmapSize(src.page(p)));
            const int ahead = 2 * count;
            bitmaps.resize(size_t(count));
            // The 8-bit bitmaps take their memory here, where an earlier export's (or
            // the pages before) are free to take again: each worker would take new.
            reduced.resize(size_t(count));
            if (reduces)
                for (PaletteBitmap& r : reduced) r.pixels.reserve(size_t(sizes.front().width()) * size_t(sizes.front().height()));
            if (!m_threads) m_threads = std::make_unique<ExportThreads>();
            running = count;
            // Values, not the names of this block: on a failure the block is left
            // before the workers are done.
            m_threads->run(count, [&, n, ahead, pages = &src](ThreadShaper& shaper) {
                const size_t mine = size_t(worker++);
                PageRows::Buffers& buffers = bitmaps[mine];
                for (;;) {
                    int p = 0;
                    {
                        std::unique_lock<std::mutex> g(lock);
                        changed.wait(g, [&] { return stop || next > n || next <= written + ahead; });
                        if (stop || next > n) break;
                        p = next++;
                    }
                    std::optional<Encoded> e;
                    std::exception_ptr error;
                    try {
                        PageRows rows(pages->page(p), sizes[size_t(p - 1)], buffers, &shaper);
                        e.emplace(encode(rows, reduced[mine]));
                    } catch (...) {
                        error = std::current_exception();
                    }
                    {
                        std::lock_guard<std::mutex> g(lock);
                        if (error && !failure) failure = error;
                        if (e) done.emplace(p, std::move(*e));
                    }
                    changed.notify_all();
                }
                std::lock_guard<std::mutex> g(lock);
                --running;
                changed.notify_all();
            });
            for (;;) {
                std::unique_lock<std::mutex> g(lock);
                if (failure) std::rethrow_exception(failure);
                if (written == n) break;
                const auto page = done.find(written + 1);
                if (page != done.end()) {
                    Encoded e = std::move(page->second);
                    done.erase(page);
                    g.unlock();
                    taken(written + 1, e);
                    g.lock();
                    ++written;
                    g.unlock();
                    changed.notify_all();
                    continue;
                }
                // The window stays responsive while the workers encode.
                changed.wait_for(g, std::chrono::milliseconds(50));
                g.unlock();
                if (progress->cancelled()) throw ExportCancelled();
            }
            finish();
        }
        progress.reset();
        return true;
    } catch (const ExportCancelled&) {
        finish();
        progress.reset();
        m_lastError.clear();
        return false;
    } catch (const std::exception& e) {
        finish();
        progress.reset();
        return failed(e);
    }
}

bool TExportQR::failed(const std::exception& e) {
    m_lastError = QString::fromUtf8(e.what());
    logMessage(QStringLiteral("eksport"), m_lastError);
    showError(exportErrorMessage(), parentWidget);
    return false;
}

bool TExportQR::ExportToPdf(const QString& base, bool highCompression) {
    m_lastError.clear();
    TPrintPDF pdf;
    pdf.FileName = base + QStringLiteral(".pdf");
    const bool compress = pdf.Compress;
    // The page sizes are known before the first page is drawn: the file is written
    // as the pages come.
    QList<QSize> plan;
    try {
        const SourcePages source(sourcePages(), Landscape);
        for (int p = 1; p <= source.pages->pageCount(); ++p) plan << source.pages->page(p).setup.points();
    } catch (const std::exception& e) {
        return failed(e);
    }
    using Encoded = TPrintPDF::EncodedImage;
    const bool ok = encodePages<Encoded>(
        highCompression,
        [this](const Page& page) { return pdfBitmapSize(page); },
        [highCompression, compress](PageRows& rows, PaletteBitmap& reduced) {
            if (!highCompression)
                return TPrintPDF::encodeJpeg(rows.width(), rows.height(), [&rows](int y) { return rows.row(y); });
            // The palette page is drawn whole: its compression takes nine tenths of
            // the time, strips made it no faster, and a page of more than 256
            // colours needs the whole page for its reduction anyway.
            toPalette(rows.whole(), reduced);
            return TPrintPDF::encodePalette(reduced, compress);
        },
        [&pdf, &plan](int p, int count, const Page& page, Encoded& image) {
            const QSize pts = page.setup.points();
            pdf.PageWidth = pts.width();
            pdf.PageHeight = pts.height();
            if (p == 1) pdf.StartDocument(plan);
            pdf.DrawImage(image);
            if (p < count) pdf.StartNewPage();
        });
    if (!ok) return false;
    try {
        pdf.FinishDocument();
        return true;
    } catch (const std::exception& e) {
        return failed(e);
    }
}

QString TExportQR::pageFile(const QString& base, int page, int filter) {
    return base + QStringLiteral("%1").arg(page, 5, 10, QLatin1Char('0')) + extension(filter).toUpper();
}

bool TExportQR::exportImages(const QString& base, int filter, double pixelsPerUnit,
                             const std::function<QByteArray(PageRows&, PaletteBitmap&)>& encode) {
    m_lastError.clear();
    const bool reduces = filter != Jpeg && !(filter == Bmp && PixelFormat != 8);
    return encodePages<QByteArray>(
        reduces,
        [pixelsPerUnit](const Page& page) { return (page.size() * pixelsPerUnit).toSize(); }, encode,
        [&](int p, int, const Page&, QByteArray& bytes) {
            // Each page file whole or not at all; the pages written before a failure stay.
            writeWholeFile(pageFile(base, p, filter), bytes);
        });
}

bool TExportQR::ExportToJpeg(const QString& base) {
    return exportImages(base, Jpeg, 1.0, [](PageRows& rows, PaletteBitmap&) {
        return encodeJpeg(rows.width(), rows.height(), [&rows](int y) { return rows.row(y); });
    });
}

bool TExportQR::ExportToBmp(const QString& base) {
    return exportImages(base, Bmp, 1.0, [this](PageRows& rows, PaletteBitmap& reduced) {
        if (PixelFormat != 8) return encodeTrueColour(rows.whole(), "BMP");
        reducePage(rows, reduced);
        return bmpFile(reduced, kUnitsPerInch / 0.0254);
    });
}

bool TExportQR::ExportToEmf(const QString& base) {
    return exportImages(base, Emf, kReportPixelsPerUnit, [](PageRows& rows, PaletteBitmap& reduced) {
        reducePage(rows, reduced);
        return emfFile(reduced, rows.page().setup.sizeMm());
    });
}

bool TExportQR::ExportToWmf(const QString& base) {
    return exportImages(base, Wmf, kReportPixelsPerUnit, [](PageRows& rows, PaletteBitmap& reduced) {
        reducePage(rows, reduced);
        return wmfFile(reduced, int(std::round(kUnitsPerInch * kReportPixelsPerUnit)));
    });
}

bool TExportQR::ExportToTextPdf(const QString& base) {
    QByteArray pdf;
    if (!ExportToTextPdf(pdf)) return false;
    try {
        writeWholeFile(base + QStringLiteral(".pdf"), pdf);
        return true;
    } catch (const std::exception& e) {
        return failed(e);
    }
}

bool TExportQR::ExportToTextPdf(QByteArray& pdf) {
    m_lastError.clear();
    pdf.clear();
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    writer.setCreator(QStringLiteral("ZORT"));
    QPainter painter;
    return walkPages([&](int p, int count, const Page& page) {
        writer.setPageLayout(page.setup.pageLayout());
        if (p == 1) {
            if (!painter.begin(&writer)) throw std::runtime_error("cannot write the PDF file");
        } else if (!writer.newPage()) {
            throw std::runtime_error("cannot start a PDF page");
        }
        page.paint(painter, QRectF(0, 0, writer.width(), writer.height()));
        if (p == count) painter.end();
    });
}

bool TExportQR::ExportReport(QString& fileName, QString& directory, bool showDialog, bool landscape) {
    if (!hasSource()) return false;
    Landscape = landscape;
    QDir().mkpath(directory);
    FileRequest req;
    req.title = QStringLiteral("Zapisz raport jako...");
    req.filters = filters();
    req.filterIndex = 1;
    req.initial = directory + QLatin1Char('/') + fileName;
    QString chosen = req.initial;
    if (showDialog) {
        chosen = ui().saveFile(req, parentWidget);
        if (chosen.isEmpty()) return false;
    }
    const QFileInfo fi(chosen);
    const QString folder = fi.absolutePath();
    const QString name = fi.fileName().section(QLatin1Char('.'), 0, 0);
    directory = folder;
    const QString base = folder + QLatin1Char('/') + name;
    m_lastFilter = req.filterIndex;
    bool ok = false;
    switch (req.filterIndex) {
    case PdfHigh: ok = ExportToPdf(base, true); break;
    case PdfLow: ok = ExportToPdf(base, false); break;
    case Jpeg: ok = ExportToJpeg(base); break;
    case Bmp: ok = ExportToBmp(base); break;
    case Emf: ok = ExportToEmf(base); break;
    case Wmf: ok = ExportToWmf(base); break;
    case PdfText: ok = ExportToTextPdf(base); break;
    default: showError(exportErrorMessage(), parentWidget); return false;
    }
    if (!ok) return false;
    fileName = name + extension(req.filterIndex);
    return true;
}

} // namespace zort::print
