// Pages encoded by several workers: the files are those of one worker, byte for byte,
// and an export that fails or is given up in the middle leaves no file.
#include "PrintingSupport.h"
#include "core/Clock.h"
#include "printing/engine/ExportQR.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedUi.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zort;
using namespace zort::print;
using namespace zort::test;

namespace {

// Records the pages as they are written; may act at one of them.
class PageProgress : public ExportProgress {
public:
    explicit PageProgress(QStringList* log, std::function<void(const QString&)> at = {}) : m_log(log), m_at(std::move(at)) {}
    void setRange(int, int) override {}
    void setText(const QString& t) override {
        *m_log << t;
        if (m_at) m_at(t);
    }
    void step() override {}
    bool cancelled() const override { return m_cancel; }
    bool m_cancel = false;

private:
    QStringList* m_log;
    std::function<void(const QString&)> m_at;
};

class PdfWorkers : public ::testing::Test {
protected:
    void SetUp() override {
        Clock::setNow(QDateTime(QDate(2024, 5, 10), QTime(10, 20, 30)));
        report = pagesReport(20);
        exporter.setReport(report->prepare());
        exporter.progressFactory = [this] { return std::make_unique<PageProgress>(&log, at); };
    }
    void TearDown() override { Clock::setNow(QDateTime()); }
    QString path(const QString& name) const { return dir.path() + u'/' + name; }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
    ScriptedUi ui;
    std::unique_ptr<Report> report;
    TExportQR exporter;
    QStringList log;
    std::function<void(const QString&)> at;
};

} // namespace

TEST_F(PdfWorkers, FourWorkersWriteTheBytesOfOne) {
    exporter.Workers = 1;
    ASSERT_TRUE(exporter.ExportToPdf(path("jeden_w"), true));
    ASSERT_TRUE(exporter.ExportToPdf(path("jeden_n"), false));
    ASSERT_TRUE(exporter.ExportToJpeg(path("jeden_s")));
    const QStringList single = log;
    log.clear();
    exporter.Workers = 4;
    EXPECT_EQ(4, exporter.workerCount(20));
    ASSERT_TRUE(exporter.ExportToPdf(path("cztery_w"), true));
    ASSERT_TRUE(exporter.ExportToPdf(path("cztery_n"), false));
    ASSERT_TRUE(exporter.ExportToJpeg(path("cztery_s")));
    // The window follows the pages in their order, as with one worker.
    EXPECT_EQ(single, log);
    EXPECT_EQ(3 * 21, log.size());

    const QByteArray high = readAll(path("jeden_w.pdf"));
    ASSERT_GT(high.size(), 20 * 1000);
    EXPECT_EQ(high, readAll(path("cztery_w.pdf")));
    EXPECT_EQ(readAll(path("jeden_n.pdf")), readAll(path("cztery_n.pdf")));
    for (int p = 1; p <= 20; ++p)
        EXPECT_EQ(readAll(TExportQR::pageFile(path("jeden_s"), p, TExportQR::Jpeg)),
                  readAll(TExportQR::pageFile(path("cztery_s"), p, TExportQR::Jpeg)))
            << p;
}

// The disk takes half the file: the export fails in the middle with its message and
// leaves no file.
TEST_F(PdfWorkers, AWriteErrorOrTheUserGivingUpLeavesNoFile) {
    exporter.Workers = 1;
    ASSERT_TRUE(exporter.ExportToPdf(path("pelny"), true));
    const qint64 whole = QFileInfo(path("pelny.pdf")).size();
    ASSERT_TRUE(QFile::remove(path("pelny.pdf")));
    log.clear();
    for (int workers : {1, 3}) {
        exporter.Workers = workers;
        bool exported = true;
        withFileSizeLimit(rlim_t(whole / 2), [&] { exported = exporter.ExportToPdf(path("raport"), true); });
        EXPECT_FALSE(exported) << workers;
        EXPECT_EQ("Błąd w trakcie eksportu raportu", ui.lastText());
        EXPECT_TRUE(exporter.lastError().startsWith("Nie można zapisać pliku ")) << exporter.lastError().toStdString();
        EXPECT_TRUE(files().isEmpty()) << files().join(u',').toStdString();
        EXPECT_TRUE(log.contains(QStringLiteral("Strona... 8 z 20")));
        EXPECT_FALSE(log.contains(QStringLiteral("Strona... 12 z 20")));
        log.clear();
    }

    // Given up at page 5: no file, no message.
    ui.clear();
    PageProgress* progress = nullptr;
    exporter.progressFactory = [&] {
        auto p = std::make_unique<PageProgress>(&log, [&progress](const QString& t) {
            if (t == QStringLiteral("Strona... 5 z 20")) progress->m_cancel = true;
        });
        progress = p.get();
        return p;
    };
    exporter.Workers = 2;
    EXPECT_FALSE(exporter.ExportToPdf(path("raport"), false));
    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(ui.texts().filter("Błąd").isEmpty());
    EXPECT_TRUE(exporter.lastError().isEmpty());
}
