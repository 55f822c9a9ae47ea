// zortbench export: the time and memory of exporting a 20-page A4 report to PDF in
// both qualities and to JPEG pages, against encoding the same page bitmaps with
// zlib and libjpeg alone.
#include "printing/engine/ExportQR.h"
#include "printing/engine/ImageCodecs.h"
#include "printing/engine/Report.h"
#include "tools/Bench.h"

#include "core/Error.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

namespace zort::bench {
namespace {

using namespace zort::print;

// A document-like report: headers, numbered sections of long text, rules.
std::unique_ptr<Report> sampleReport(int pages) {
    auto r = std::make_unique<Report>(QStringLiteral("bench"));
    Band& head = r->addBand(BandType::PageHeader, mm(10));
    head.pageNumber({0, 0, mm(40), mm(5)}, QStringLiteral("Strona: "));
    head.label({mm(60), 0, mm(130), mm(5)}, QStringLiteral("Protokół ustalenia okoliczności i przyczyn wypadku przy pracy"))
        .setAlign(Qt::AlignRight);
    head.hline(0, mm(7), mm(190), 1);
    Band& d = r->addBand(BandType::Detail, mm(12));
    d.forceNewPage = true;
    d.text({0, 0, mm(190), mm(8)}, [](const PrintContext& c) {
        return QStringLiteral("%1.    Ustalono następujące okoliczności wypadku:").arg(c.record());
    }, FontSpec("Arial", 10, true));
    QString para;
    for (int i = 0; i < 40; ++i)
        para += QStringLiteral("Pracownik zażółć gęślą jaźń wykonywał czynności przy maszynie numer %1, gdy nastąpiło "
                               "zdarzenie opisane w zeznaniach świadków. ").arg(i);
    d.memo({mm(5), mm(8), mm(180), mm(4)}, QStringLiteral("T")).setFrame(FrameAll);
    Band& f = r->addBand(BandType::PageFooter, mm(8));
    f.pageNumber({mm(150), mm(2), mm(40), mm(5)}, QStringLiteral("Strona "), true);
    r->setDataSource(std::make_shared<FunctionSource>(pages, [para](int, const QString&) { return QVariant(para); }));
    return r;
}

struct Silent : ExportProgress {
    void setRange(int, int) override {}
    void setText(const QString&) override {}
    void step() override {}
};

int run(const BenchArgs& args) {
    const int pages = args.number(QStringLiteral("--pages"), 20);
    // Without --out the files go to a temporary folder, removed at the end.
    QTemporaryDir temporary;
    QString out = args.text(QStringLiteral("--out"));
    if (out.isEmpty()) {
        if (!temporary.isValid())
            throw Error(QStringLiteral("Nie można utworzyć folderu tymczasowego: %1").arg(temporary.errorString()));
        out = temporary.path();
    }
    // A folder the files cannot go into ends the benchmark before any work.
    if (!QDir().mkpath(out)) throw Error(QStringLiteral("Nie można utworzyć katalogu %1").arg(out));
    {
        QTemporaryFile probe(out + QStringLiteral("/zortbench-XXXXXX"));
        if (!probe.open()) throw Error(QStringLiteral("Brak prawa zapisu w katalogu %1").arg(out));
    }
    auto report = sampleReport(pages);
    QElapsedTimer prep;
    prep.start();
    const PagesPtr p = report->prepare();
    std::printf("przygotowanie raportu: %d stron, %.1f ms\n", p->pageCount(), prep.nsecsElapsed() / 1e6);

    TExportQR exporter;
    exporter.setReport(p);
    exporter.progressFactory = [] { return std::make_unique<Silent>(); };
    auto check = [&exporter](bool exported) {
        if (!exported) throw Error(exporter.lastError().isEmpty() ? exportErrorMessage() : exporter.lastError());
    };
    // One worker first: the single-thread export and its peak memory.
    exporter.Workers = 1;
    const double high1 = bestMs(3, [&] { check(exporter.ExportToPdf(out + QStringLiteral("/raport_wysoka"), true)); });
    const double low1 = bestMs(3, [&] { check(exporter.ExportToPdf(out + QStringLiteral("/raport_niska"), false)); });
    const double jpeg1 = bestMs(3, [&] { check(exporter.ExportToJpeg(out + QStringLiteral("/raport_strona"))); });
    const long rssSingle = peakRssKiB();
    // Then a worker per core: its peak memory before anything else is measured.
    exporter.Workers = 0;
    const int workers = exporter.workerCount(p->pageCount());
    auto exportHigh = [&] { check(exporter.ExportToPdf(out + QStringLiteral("/raport_wysoka"), true)); };
    auto exportLow = [&] { check(exporter.ExportToPdf(out + QStringLiteral("/raport_niska"), false)); };
    auto exportJpeg = [&] { check(exporter.ExportToJpeg(out + QStringLiteral("/raport_strona"))); };
    double high = bestMs(1, exportHigh), low = bestMs(1, exportLow), jpeg = bestMs(1, exportJpeg);
    const long rssExports = peakRssKiB();

    // The floor: the same bitmaps, one page at a time, only the encoders timed. The
    // exports and the floor are measured in turn, five rounds, the best of each kept:
    // a machine that grows slower or faster during the run does not decide the ratio.
    std::vector<double> floorHighPage(size_t(p->pageCount()), 1e300), floorLowPage = floorHighPage,
                        floorJpegPage = floorHighPage, drawPdfPage = floorHighPage, drawJpgPage = floorHighPage;
    QImage pdfCanvas, jpgCanvas;
    for (int round = 0; round < 5; ++round) {
        high = std::min(high, bestMs(1, exportHigh));
        low = std::min(low, bestMs(1, exportLow));
        jpeg = std::min(jpeg, bestMs(1, exportJpeg));
        for (int n = 1; n <= p->pageCount(); ++n) {
            const Page& page = p->page(n);
            const size_t i = size_t(n - 1);
            const PaletteBitmap pdfBitmap = toPalette(page.image(exporter.pdfBitmapSize(page)));
            const QImage jpgBitmap = page.image(page.size().toSize());
            const QImage pdfDrawn = pdfBitmap.toImage();
            // Drawing the pages is work of the export that the floor leaves out.
            drawPdfPage[i] = std::min(drawPdfPage[i], bestMs(1, [&] { page.drawInto(pdfCanvas, exporter.pdfBitmapSize(page)); }));
            drawJpgPage[i] = std::min(drawJpgPage[i], bestMs(1, [&] { page.drawInto(jpgCanvas, page.size().toSize()); }));
            floorHighPage[i] = std::min(floorHighPage[i], bestMs(1, [&] {
                deflateZlib(reinterpret_cast<const char*>(pdfBitmap.pixels.data()), pdfBitmap.pixels.size());
            }));
            floorLowPage[i] = std::min(floorLowPage[i], bestMs(1, [&] { encodeJpeg(pdfDrawn); }));
            floorJpegPage[i] = std::min(floorJpegPage[i], bestMs(1, [&] { encodeJpeg(jpgBitmap); }));
        }
    }
    auto sum = [](const std::vector<double>& v) { return std::accumulate(v.begin(), v.end(), 0.0); };
    const double floorHigh = sum(floorHighPage), floorLow = sum(floorLowPage), floorJpeg = sum(floorJpegPage);
    const double drawPdf = sum(drawPdfPage), drawJpg = sum(drawJpgPage);
    auto row = [](const char* what, double ms, double floor) {
        std::printf("%-26s %9.1f ms   podłoga %9.1f ms   %.2fx\n", what, ms, floor, ms / floor);
    };
    row("PDF (wysoka kompresja)", high, floorHigh);
    row("PDF (niska kompresja)", low, floorLow);
    row("JPG (strony)", jpeg, floorJpeg);
    row("razem", high + low + jpeg, floorHigh + floorLow + floorJpeg);
    std::printf("jeden wątek: PDF wysoka %.1f ms (%.2fx), niska %.1f ms (%.2fx), JPG %.1f ms (%.2fx), razem %.2fx; "
                "wątków kodujących: %d\n",
                high1, high1 / floorHigh, low1, low1 / floorLow, jpeg1, jpeg1 / floorJpeg,
                (high1 + low1 + jpeg1) / (floorHigh + floorLow + floorJpeg), workers);
    std::printf("rysowanie stron (poza podłogą): PDF %.1f ms, JPG %.1f ms\n", drawPdf, drawJpg);
    const QSize jpgPage = p->page(1).size().toSize();
    const qint64 pageKiB = std::max(qint64(exporter.pdfBitmapSize(p->page(1)).width()) * exporter.pdfBitmapSize(p->page(1)).height(),
                                    qint64(jpgPage.width()) * jpgPage.height()) * 4 / 1024;
    const double memoryLimit = double(rssSingle + workers * pageKiB);
    std::printf("szczytowa pamięć po eksportach: %ld KiB (jedna mapa bitowa strony PDF: %lld KiB)\n", rssExports,
                qint64(exporter.pdfBitmapSize(p->page(1)).width()) * exporter.pdfBitmapSize(p->page(1)).height() * 4 / 1024);
    std::printf("  jeden wątek: %ld KiB; dopuszczalne przy %d wątkach: %.0f KiB (+ strona na wątek) %s\n", rssSingle,
                workers, memoryLimit, rssExports <= memoryLimit ? "OK" : "PRZEKROCZONY");
    const double ratio = (high + low + jpeg) / (floorHigh + floorLow + floorJpeg);
    recordFigure(QStringLiteral("export.ratio"), ratio);
    recordFigure(QStringLiteral("export.memory"), double(rssExports) / memoryLimit);
    if (args.has(QStringLiteral("--out"))) std::printf("pliki w %s\n", out.toUtf8().constData());
    return 0;
}

Registrar reg("export", "eksport 20-stronicowego raportu A4 do PDF i JPG wobec samych koderów (--out KATALOG, --pages N)",
              {{QStringLiteral("--out")}, {QStringLiteral("--pages"), OptionRule::Kind::Number, 1, 1000}}, run);

} // namespace
} // namespace zort::bench
