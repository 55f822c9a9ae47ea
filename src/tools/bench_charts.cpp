// zortbench charts: the months chart and the "Zawód wykonywany" chart (several
// hundred categories) of the firm for two whole years of the register's generated
// database: the counting, both layout passes of the chart form, the PDF with text and
// the word-processor document. The floor of each chart is the same chart filled and
// drawn once into an image of the same size with Qt alone, and that image encoded as
// PNG; the target is at most three times the floor (both passes draw the chart, the
// PDF and the document encode it). Times are the process's processor time, which the
// load of a shared machine disturbs far less than the time on the clock.
#include "db/DatabaseBuilder.h"
#include "domain/OrgStructure.h"
#include "domain/StatisticsSummary.h"
#include "printing/ReportForms.h"
#include "printing/StatisticsCharts.h"
#include "printing/engine/DocxWriter.h"
#include "printing/engine/ExportQR.h"
#include "tools/Bench.h"

#include <QBuffer>
#include <QGraphicsScene>
#include <QPainter>
#include <QTemporaryDir>
#include <QtCharts/QChart>
#include <cstdio>
#include <ctime>

namespace zort::bench {
namespace {

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double bestCpuMs(int runs, const std::function<void()>& fn) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const double start = cpuMs();
        fn();
        best = std::min(best, cpuMs() - start);
    }
    return best;
}

class NoProgress : public print::ExportProgress {
public:
    void setRange(int, int) override {}
    void setText(const QString&) override {}
    void step() override {}
};

// The floor: the chart filled and drawn once at three times the report's resolution,
// then encoded as PNG.
QByteArray floorChart(const print::ChartData& data, const QSizeF& area) {
    auto* chart = new QChart();
    print::fillStatisticsChart(*chart, data, area);
    QGraphicsScene scene;
    scene.addItem(chart);
    chart->setGeometry(QRectF(QPointF(0, 0), area));
    QImage img((area * 3).toSize(), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    scene.render(&p, QRectF(QPointF(0, 0), QSizeF(img.size())), QRectF(QPointF(0, 0), area));
    p.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    return png;
}

int run(const BenchArgs& args) {
    QTemporaryDir tmp;
    const QString path = benchDatabase(args, tmp.path(), [](Connection& gen) { generateRegister(gen); });
    Connection c(QStringLiteral("WYKRESY"));
    c.open(path, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
    const OrgStructure s(c, {});
    using namespace statistics;
    print::registerReportForms();

    int occupations = 0;
    for (int i = 0; i < int(classificationItems().size()); ++i)
        if (classificationItems()[size_t(i)].name == QString::fromUtf8("Zawód wykonywany")) occupations = i;
    struct Case {
        const char* name;
        int kind;
        int classification;
    };
    const Case cases[] = {{"Miesiące, kwartały", 12, -1}, {"Zawód wykonywany", -1, occupations}};
    bool allOk = true;
    for (const Case& k : cases) {
        SummaryRequest r;
        r.kind = k.kind;
        r.classification = k.classification;
        r.element = kBenchFirm;
        r.periods[0] = {2023, WholeYear};
        r.periods[1] = {2024, WholeYear};
        r.occupationEdition = 4;
        auto* form = dynamic_cast<print::StatisticsChartForm*>(
            print::ReportForms::form(print::statisticsFormName(r.kind, r.classification, true)));
        if (!form) return 1;
        const QString structurePath = s.StructurePath(kBenchFirm, QStringLiteral(" -> "));
        int pages = 0, categories = 0;
        qint64 pdfBytes = 0, docBytes = 0;
        double counting = 0, passes = 0, pdfMs = 0;
        const double printed = bestCpuMs(3, [&] {
            double t = cpuMs();
            const SummaryResult result = computeSummary(c, s, r);
            counting = cpuMs() - t;
            t = cpuMs();
            form->setRun(print::DocumentRun());
            form->fill(result, r, structurePath, QDate(2025, 1, 2), false);
            const print::PagesPtr p = form->prepare();
            pages = p->pageCount();
            categories = int(form->chart().categories.size());
            passes = cpuMs() - t;
            t = cpuMs();
            print::TExportQR exporter;
            exporter.setReport(p);
            exporter.progressFactory = [] { return std::make_unique<NoProgress>(); };
            QByteArray pdf;
            exporter.ExportToTextPdf(pdf);
            pdfBytes = pdf.size();
            pdfMs = cpuMs() - t;
            const std::shared_ptr<print::ChartExport> e = form->chartExport();
            e->picture = print::chartPicture(p);
            docBytes = print::docxBytes(print::chartDocument(*e)).size();
            form->freePages();
        });
        const double floor = bestCpuMs(3, [&] { floorChart(form->chart(), form->chartArea()); });
        const bool ok = printed <= 3 * floor;
        allOk &= ok;
        std::printf("  %-20s kategorii %4d  stron %3d  całość %8.1f ms (liczenie %.1f, przebiegi %.1f, PDF %.1f ms)   "
                    "podłoga %8.1f ms   x%5.2f (cel <= 3x)   PDF %lld B, DOCX %lld B %s\n",
                    k.name, categories, pages, printed, counting, passes, pdfMs, floor, floor > 0 ? printed / floor : 0.0,
                    static_cast<long long>(pdfBytes), static_cast<long long>(docBytes), ok ? "OK" : "PRZEKROCZONY");
    }
    std::printf("Pamięć szczytowa: %ld KiB\n", peakRssKiB());
    return allOk ? 0 : 1;
}

Registrar reg("charts", "wykresy miesięcy i zawodów: liczenie, dwa przebiegi, PDF i DOCX (--db PLIK)", {databaseOption()},
              run);

} // namespace
} // namespace zort::bench
