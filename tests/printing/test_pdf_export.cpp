#include "PrintingSupport.h"
#include "core/Clock.h"
#include "core/Error.h"
#include "printing/engine/ExportQR.h"
#include "printing/engine/ImageCodecs.h"
#include "printing/engine/PrintPdf.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedUi.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <zlib.h>

using namespace zort;
using namespace zort::print;
using namespace zort::test;

namespace {

// The objects of a PDF file found through its cross-reference table.
struct PdfFile {
    QByteArray bytes;
    std::vector<qint64> offsets;   // offsets[n] of object n (index 0 unused)
    int size = 0;

    explicit PdfFile(const QByteArray& b) : bytes(b) {
        const qint64 startxref = b.lastIndexOf("startxref\r\n");
        const qint64 xref = b.mid(startxref + 11).split('\r').first().toLongLong();
        EXPECT_TRUE(b.mid(xref).startsWith("xref\r\n"));
        const QList<QByteArray> head = b.mid(xref + 6, 40).split('\r');
        size = head.first().split(' ').last().toInt();
        qint64 pos = xref + 6 + head.first().size() + 2;
        EXPECT_EQ(QByteArray("0000000000 65535 f\r\n"), b.mid(pos, 20));
        offsets.push_back(0);
        for (int n = 1; n < size; ++n) {
            pos += 20;
            const QByteArray entry = b.mid(pos, 20);
            EXPECT_TRUE(entry.endsWith(" 00000 n\r\n")) << entry.toStdString();
            offsets.push_back(entry.left(10).toLongLong());
        }
        EXPECT_TRUE(b.mid(pos + 20).startsWith("trailer\r\n"));
    }
    // The object's text up to its "endobj".
    QByteArray object(int n) const {
        const qint64 at = offsets[size_t(n)];
        return bytes.mid(at, bytes.indexOf("endobj", at) - at + 6);
    }
    QByteArray streamData(int n, int length) const {
        const QByteArray o = object(n);
        return o.mid(o.indexOf("stream\r\n") + 8, length);
    }
};

QByteArray inflate(const QByteArray& data, size_t expected) {
    QByteArray out(qsizetype(expected + 16), '\0');
    uLongf len = uLongf(out.size());
    EXPECT_EQ(Z_OK, uncompress(reinterpret_cast<Bytef*>(out.data()), &len,
                               reinterpret_cast<const Bytef*>(data.constData()), uLong(data.size())));
    out.resize(qsizetype(len));
    return out;
}

int intAfter(const QByteArray& text, const QByteArray& key) {
    const qint64 at = text.indexOf(key);
    return at < 0 ? -1 : text.mid(at + key.size()).split('\r').first().split(' ').first().toInt();
}

class RecordingProgress : public ExportProgress {
public:
    explicit RecordingProgress(QStringList* log) : m_log(log) {}
    void setRange(int a, int b) override { *m_log << QStringLiteral("range %1-%2").arg(a).arg(b); }
    void setText(const QString& t) override { *m_log << t; }
    void step() override { *m_log << QStringLiteral("step"); }

private:
    QStringList* m_log;
};

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        exporter.progressFactory = [this] { return std::make_unique<RecordingProgress>(&progress); };
    }
    QString path(const QString& name) const { return dir.path() + u'/' + name; }
    bool exportAs(Report& r, int filter, QString name, QString* outName = nullptr) {
        r.prepare();
        exporter.setReport(r.pages());
        ui.files.push_back(path(name));
        ui.filterIndexes.push_back(filter);
        QString file = QStringLiteral("ignored.pdf");
        QString folder = dir.path();
        const bool ok = exporter.ExportReport(file, folder, true, r.page.landscape());
        if (outName) *outName = file;
        return ok;
    }

    QTemporaryDir dir;
    ScriptedUi ui;
    TExportQR exporter;
    QStringList progress;
};

} // namespace

TEST_F(ExportTest, ThreePagePdfHasTheObjectLayoutOfTheWriter) {
    auto r = pagesReport(3);
    QString name;
    ASSERT_TRUE(exportAs(*r, TExportQR::PdfHigh, "trzy.pdf", &name));
    EXPECT_EQ("trzy.pdf", name);
    const QByteArray bytes = readAll(path("trzy.pdf"));
    ASSERT_TRUE(bytes.startsWith("%PDF-1.4\r\n1 0 obj\r\n<<\r\n/Producer ()\r\n"));
    EXPECT_TRUE(bytes.endsWith("%%EOF\r\n"));
    PdfFile pdf(bytes);
    EXPECT_EQ(32, pdf.size);
    EXPECT_TRUE(bytes.contains("trailer\r\n<< /Size 32\r\n/Root 31 0 R\r\n/Info 1 0 R\r\n>>\r\nstartxref\r\n"));
    for (int n = 1; n < pdf.size; ++n)
        EXPECT_TRUE(pdf.object(n).startsWith(QByteArray::number(n) + " 0 obj\r\n")) << n;
    for (int k : {2, 4, 6}) {
        const QByteArray o = pdf.object(k);
        EXPECT_TRUE(o.contains("<< /Length " + QByteArray::number(k + 1) + " 0 R\r\n/Filter [/FlateDecode]\r\n >>\r\nstream\r\n"));
        const int length = pdf.object(k + 1).split('\r').at(1).trimmed().toInt();
        const QByteArray data = pdf.streamData(k, length);
        EXPECT_TRUE(o.mid(o.indexOf("stream\r\n") + 8 + length).startsWith("\r\nendstream\r\nendobj"));
        const int image = k / 2;
        EXPECT_EQ("q\r\n596 0 0 842 0 0 cm\r\n/Im" + QByteArray::number(image) + " Do\r\nQ\r\n", inflate(data, 100));
    }
    EXPECT_EQ(QByteArray("8 0 obj\r\n<< /Type /Outlines\r\n/Count 0\r\n>>\r\nendobj"), pdf.object(8));
    EXPECT_TRUE(pdf.object(9).contains("/Name /F1\r\n/BaseFont /Helvetica\r\n/Encoding /WinAnsiEncoding"));
    EXPECT_TRUE(pdf.object(22).contains("/Name /F14\r\n/BaseFont /ZapfDingbats\r\n"));
    EXPECT_TRUE(pdf.object(23).contains("<< /Type /Pages\r\n/Kids [\r\n28 0 R\r\n29 0 R\r\n30 0 R\r\n]\r\n/Count 3\r\n>>"));
    EXPECT_TRUE(pdf.object(24).contains("/XObject << \r\n/Im1 25 0 R\r\n/Im2 26 0 R\r\n/Im3 27 0 R\r\n>>\r\n/Font << \r\n/F1 9 0 R \r\n"));
    for (int k = 0; k < 3; ++k) {
        const QByteArray page = pdf.object(28 + k);
        EXPECT_TRUE(page.contains("/Parent 23 0 R\r\n/MediaBox [ 0 0 596 842]\r\n/Contents " + QByteArray::number(2 + 2 * k) +
                                  " 0 R\r\n/Resources 24 0 R\r\n"));
        // The palette image: width x height indices, 256 palette entries.
        const QByteArray img = pdf.object(25 + k);
        const int w = intAfter(img, "/Width "), h = intAfter(img, "/Height "), len = intAfter(img, "/Length ");
        // 64 pixels per 25.4 screen pixels: about 242 dpi.
        EXPECT_NEAR(2000, w, 2);
        EXPECT_NEAR(2829, h, 2);
        static const QRegularExpression palette("/ColorSpace \\[/Indexed /DeviceRGB 255 <((?:[0-9A-F]{6} ){256})>\\]\r\n");
        EXPECT_TRUE(palette.match(QString::fromLatin1(img)).hasMatch());
        EXPECT_TRUE(img.contains("/Name /Im" + QByteArray::number(k + 1) + "\r\n/Filter [/FlateDecode]\r\n>>\r\nstream\r\n"));
        EXPECT_EQ(qsizetype(w) * h, inflate(pdf.streamData(25 + k, len), size_t(w) * size_t(h)).size());
    }
    EXPECT_TRUE(pdf.object(31).contains("<< /Type /Catalog\r\n/Pages 23 0 R\r\n/Outlines 8 0 R\r\n>>"));

    QString out;
    EXPECT_EQ(0, runTool("qpdf", {"--check", path("trzy.pdf")}, &out)) << out.toStdString();
    EXPECT_EQ((QStringList{"range 0-2", "Strona... 1 z3", "Strona... 1 z 3", "step", "Strona... 2 z 3", "step",
                           "Strona... 3 z 3", "step"}),
              progress);
}

TEST_F(ExportTest, MediaBoxFollowsPaperAndOrientationAndLowQualityUsesJpeg) {
    struct Case {
        Orientation o;
        Paper paper;
        QByteArray box;
    };
    for (const Case& c : {Case{Orientation::Landscape, Paper::A4, "[ 0 0 842 596]"},
                          Case{Orientation::Portrait, Paper::Letter, "[ 0 0 612 792]"},
                          Case{Orientation::Landscape, Paper::Letter, "[ 0 0 792 612]"}}) {
        auto r = pagesReport(2, c.o, c.paper);
        ASSERT_TRUE(exportAs(*r, TExportQR::PdfLow, "niska.pdf"));
        const QByteArray bytes = readAll(path("niska.pdf"));
        PdfFile pdf(bytes);
        EXPECT_EQ(2, bytes.count("/MediaBox " + c.box));
        // Two pages: resources R = 2N + 18 = 22, images 23 and 24.
        const QByteArray first = pdf.object(23);
        EXPECT_TRUE(first.contains("/ColorSpace /DeviceRGB\r\n/BitsPerComponent 8\r\n"));
        EXPECT_TRUE(first.contains("/Filter [/DCTDecode]\r\n>>\r\nstream\r\n"));
        EXPECT_TRUE(pdf.streamData(23, 2).startsWith("\xFF\xD8"));
        QString out;
        EXPECT_EQ(0, runTool("qpdf", {"--check", path("niska.pdf")}, &out)) << out.toStdString();
    }
}

TEST_F(ExportTest, EachPageKeepsItsOwnOrientationInBothQualities) {
    auto portrait = pagesReport(1);
    auto landscape = pagesReport(1, Orientation::Landscape);
    CompositeReport c;
    c.add(*portrait);
    c.add(*landscape);
    c.prepare();
    for (int filter : {TExportQR::PdfHigh, TExportQR::PdfLow}) {
        exporter.setReport(c.pages());
        ui.files.push_back(path("mieszany.pdf"));
        ui.filterIndexes.push_back(filter);
        QString file = QStringLiteral("ignored.pdf");
        QString folder = dir.path();
        ASSERT_TRUE(exporter.ExportReport(file, folder, true, false));
        QString info;
        ASSERT_EQ(0, runTool("pdfinfo", {"-f", "1", "-l", "2", path("mieszany.pdf")}, &info));
        EXPECT_TRUE(info.contains(QRegularExpression("Page    1 size:\\s+596 x 842"))) << info.toStdString();
        EXPECT_TRUE(info.contains(QRegularExpression("Page    2 size:\\s+842 x 596"))) << info.toStdString();
    }
}

TEST_F(ExportTest, RenderedPdfPageMatchesThePageImage) {
    auto r = pagesReport(1);
    ASSERT_TRUE(exportAs(*r, TExportQR::PdfHigh, "obraz.pdf"));
    ASSERT_EQ(0, runTool("pdftoppm", {"-r", "48", "-png", "-singlefile", path("obraz.pdf"), path("obraz")}));
    const QImage rendered = QImage(path("obraz.png")).convertToFormat(QImage::Format_RGB32);
    const QImage expected = r->pages()->page(1).image(rendered.size());
    ASSERT_EQ(expected.size(), rendered.size());
    double diff = 0;
    for (int y = 0; y < rendered.height(); ++y)
        for (int x = 0; x < rendered.width(); ++x) {
            const QRgb a = rendered.pixel(x, y), b = expected.pixel(x, y);
            diff += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    EXPECT_LT(diff / (rendered.width() * rendered.height() * 3.0), 4.0);
    // The red box of the page survives in colour.
    const QPoint red((mm(10) + mm(75)) / mm(210) * rendered.width(), (mm(10) + mm(15)) / mm(297) * rendered.height());
    EXPECT_GT(qRed(rendered.pixel(red)), 150);
    EXPECT_LT(qGreen(rendered.pixel(red)), 100);
}

TEST_F(ExportTest, NameIsCutAtItsFirstDotAndPageFilesAreNumbered) {
    auto r = pagesReport(12);
    QString name;
    ASSERT_TRUE(exportAs(*r, TExportQR::PdfHigh, "raport.wersja.2.xyz", &name));
    EXPECT_EQ("raport.pdf", name);
    EXPECT_TRUE(QFile::exists(path("raport.pdf")));
    ASSERT_TRUE(exportAs(*r, TExportQR::Jpeg, "strony.pdf", &name));
    EXPECT_EQ("strony.jpg", name);
    QStringList files = QDir(dir.path()).entryList({"strony*"}, QDir::Files, QDir::Name);
    ASSERT_EQ(12, files.size());
    EXPECT_EQ("strony00001.JPG", files.first());
    EXPECT_EQ("strony00012.JPG", files.last());
    const QImage page = QImage(path("strony00001.JPG"));
    EXPECT_EQ(r->pages()->page(1).size().toSize(), page.size());
    // Text export: real text, searchable.
    ASSERT_TRUE(exportAs(*r, TExportQR::PdfText, "tekst.pdf", &name));
    EXPECT_EQ("tekst.pdf", name);
    QString text;
    ASSERT_EQ(0, runTool("pdftotext", {"-f", "3", "-l", "3", path("tekst.pdf"), "-"}, &text));
    EXPECT_TRUE(text.contains(QStringLiteral("Strona próbna 3 — zażółć gęślą jaźń"))) << text.toStdString();
    EXPECT_EQ(0, runTool("qpdf", {"--check", path("tekst.pdf")}));
    // The dialog: title, filters, proposed file.
    const FileRequest& req = ui.fileRequests.back();
    EXPECT_EQ("Zapisz raport jako...", req.title);
    EXPECT_EQ(dir.path() + "/ignored.pdf", req.initial);
    EXPECT_EQ((QStringList{"PDF Plik (Wysoka kompresja)|*.PDF", "PDF Plik (Niska kompresja)|*.PDF", "JPG Pliki|*.JPG",
                           "BMP Pliki|*.BMP", "EMF Pliki|*.EMF", "WMF Pliki|*.WMF", "PDF Plik (tekst)|*.PDF"}),
              req.filters);
}

TEST_F(ExportTest, BitmapAndMetafilePagesAreValidFiles) {
    auto r = pagesReport(2);
    ASSERT_TRUE(exportAs(*r, TExportQR::Bmp, "bmp"));
    const QByteArray bmp = readAll(path("bmp00002.BMP"));
    ASSERT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(8, uint8_t(bmp[28]));
    const QImage back = QImage::fromData(bmp, "BMP");
    EXPECT_EQ(QSize(794, 1123), back.size());
    EXPECT_EQ(qRgb(255, 255, 255), back.pixel(5, 5));

    ASSERT_TRUE(exportAs(*r, TExportQR::Emf, "emf"));
    const QByteArray emf = readAll(path("emf00001.EMF"));
    auto u32 = [](const QByteArray& b, int at) {
        return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 | uint32_t(uint8_t(b[at + 2])) << 16 |
               uint32_t(uint8_t(b[at + 3])) << 24;
    };
    EXPECT_EQ(1u, u32(emf, 0));
    EXPECT_EQ(0x464D4520u, u32(emf, 40));
    EXPECT_EQ(uint32_t(emf.size()), u32(emf, 48));
    EXPECT_EQ(81u, u32(emf, 108));                           // EMR_STRETCHDIBITS
    EXPECT_EQ(14u, u32(emf, emf.size() - 20));               // EMR_EOF

    ASSERT_TRUE(exportAs(*r, TExportQR::Wmf, "wmf"));
    const QByteArray wmf = readAll(path("wmf00002.WMF"));
    EXPECT_EQ(0x9AC6CDD7u, u32(wmf, 0));
    EXPECT_EQ(uint32_t(wmf.size() - 22) / 2, u32(wmf, 22 + 6));  // size in words
    EXPECT_TRUE(wmf.endsWith(QByteArray("\x03\x00\x00\x00\x00\x00", 6)));
    // Free drawing tools read both metafiles (when they are installed).
    if (QFile::exists("/usr/bin/wmf2gd")) {
        EXPECT_EQ(0, runTool("wmf2gd", {"-o", path("wmf.png"), path("wmf00002.WMF")}));
        const QImage drawn(path("wmf.png"));
        ASSERT_FALSE(drawn.isNull());
        EXPECT_NEAR(210.0 / 297.0, double(drawn.width()) / drawn.height(), 0.01);
    }
    if (QFile::exists("/usr/bin/emf2svg-conv")) {
        EXPECT_EQ(0, runTool("emf2svg-conv", {"-i", path("emf00001.EMF"), "-o", path("emf.svg")}));
        EXPECT_TRUE(readAll(path("emf.svg")).contains("<image width=\"2000"));
    }
}

TEST_F(ExportTest, PagesDrawnInStripsGiveTheBytesOfTheWholePage) {
    auto r = pagesReport(1);
    auto pages = std::make_shared<ReportPages>(*r->prepare());
    // A second page with a picture of more colours than a palette holds, across
    // strips: its 8-bit files fall back to the whole page.
    Page pictured = pages->page(1);
    QImage picture(120, 90, QImage::Format_RGB32);
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 120; ++x) picture.setPixel(x, y, qRgb(x * 2, y * 2, (x + y) % 256));
    DrawItem item;
    item.kind = DrawItem::Kind::Image;
    item.rect = QRectF(100, 301.5, 120, 90);
    item.image = std::make_shared<QImage>(picture);
    pictured.items.push_back(item);
    pages->append(pictured);

    for (int n = 1; n <= 2; ++n) {
        const Page& page = pages->page(n);
        const QSize px = page.size().toSize();
        const QImage whole = page.image(px);
        for (int strip : {7, PageRows::kStripRows}) {
            PageRows::Buffers buffers;
            PageRows rows(page, px, buffers, nullptr, strip);
            int differing = 0;
            for (int y = 0; y < px.height(); ++y)
                differing += std::memcmp(rows.row(y), whole.constScanLine(y), size_t(px.width()) * 4) != 0;
            EXPECT_EQ(0, differing) << "page " << n << ", strips of " << strip;
            EXPECT_THROW(rows.row(0), std::out_of_range) << "rows are read from the top down";
        }
    }
    exporter.setReport(pages);
    ASSERT_TRUE(exporter.ExportToBmp(path("s")));
    ASSERT_TRUE(exporter.ExportToJpeg(path("s")));
    for (int n = 1; n <= 2; ++n) {
        const QImage whole = pages->page(n).image(pages->page(n).size().toSize());
        EXPECT_EQ(bmpFile(toPalette(whole), kUnitsPerInch / 0.0254), readAll(TExportQR::pageFile(path("s"), n, TExportQR::Bmp)));
        EXPECT_EQ(encodeJpeg(whole), readAll(TExportQR::pageFile(path("s"), n, TExportQR::Jpeg)));
    }
}

TEST_F(ExportTest, FailureShowsTheMessageAndIsNotConfirmed) {
    auto r = pagesReport(1);
    QFile blocker(path("plik"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString name;
    // A folder that cannot exist: its parent is a file.
    EXPECT_FALSE(exportAs(*r, TExportQR::PdfHigh, "plik/w/srodku.pdf", &name));
    EXPECT_EQ("ignored.pdf", name);
    EXPECT_EQ("Błąd w trakcie eksportu raportu", ui.lastText());
    // Cancelling the dialog: nothing written, not confirmed.
    ui.clear();
    r->prepare();
    exporter.setReport(r->pages());
    QString file = "x.pdf", folder = dir.path();
    EXPECT_FALSE(exporter.ExportReport(file, folder, true, false));
    EXPECT_TRUE(ui.texts().filter("Błąd").isEmpty());
}

// A target that cannot be written: the export's message, the file's name in
// lastError(), the earlier file as it was and no temporary file beside it; a device
// is written directly, never replaced.
TEST_F(ExportTest, WritersReportAnUnwritableTargetAndKeepTheEarlierFile) {
    auto r = pagesReport(2);
    r->prepare();
    exporter.setReport(r->pages());
    const QString base = path("raport");
    ASSERT_TRUE(exporter.ExportToPdf(base, true));
    const QByteArray earlier = readAll(base + ".pdf");
    // Room for each parked page image, not for the whole file.
    bool ok = true;
    withFileSizeLimit(rlim_t(earlier.size() * 3 / 4), [&] { ok = exporter.ExportToPdf(base, true); });
    EXPECT_FALSE(ok);
    EXPECT_EQ("Błąd w trakcie eksportu raportu", ui.lastText());
    EXPECT_TRUE(exporter.lastError().startsWith("Nie można zapisać pliku " + base + ".pdf: ")) << exporter.lastError().toStdString();
    EXPECT_EQ(earlier, readAll(base + ".pdf"));
    EXPECT_EQ(QStringList{"raport.pdf"}, QDir(dir.path()).entryList(QDir::Files | QDir::Hidden));

    QFile blocker(path("plik"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(exporter.ExportToJpeg(path("plik/strona")));
    EXPECT_TRUE(exporter.lastError().startsWith("Nie można zapisać pliku " + path("plik/strona00001.JPG") + ": "))
        << exporter.lastError().toStdString();

    if (!QFileInfo::exists("/dev/full")) return;
    TPrintPDF w;
    w.FileName = "/dev/full";
    w.StartDocument();
    PaletteBitmap b;
    b.width = 2;
    b.height = 1;
    b.pixels = {0, 1};
    w.DrawPaletteImage(b);
    try {
        w.FinishDocument();
        ADD_FAILURE() << "no error on /dev/full";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().startsWith("Nie można zapisać pliku /dev/full: ")) << e.message().toStdString();
    }
    EXPECT_FALSE(QFileInfo("/dev/full").isFile());
}

TEST(PdfWriter, ReportWithoutPagesGivesOneBlankPageAndNoTemporaryFileStays) {
    QTemporaryDir dir;
    TExportQR exporter;
    exporter.progressFactory = [] {
        struct Silent : ExportProgress {
            void setRange(int, int) override {}
            void setText(const QString&) override {}
            void step() override {}
        };
        return std::make_unique<Silent>();
    };
    exporter.setReport(std::make_shared<ReportPages>());
    ASSERT_TRUE(exporter.ExportToPdf(dir.path() + "/pusty", true));
    PdfFile pdf(readAll(dir.path() + "/pusty.pdf"));
    EXPECT_EQ(2 * 1 + 18 + 2 * 1 + 2, pdf.size);
    EXPECT_EQ(0, runTool("qpdf", {"--check", dir.path() + "/pusty.pdf"}));

    TPrintPDF w;
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    w.TargetStream = &buf;
    w.Compress = false;
    w.StartDocument();
    const QString temp = w.tempFolder();
    PaletteBitmap b;
    b.width = 3;
    b.height = 2;
    b.pixels = {0, 1, 2, 2, 1, 0};
    b.palette[1] = qRgb(255, 0, 0);
    b.palette[2] = qRgb(0, 0, 255);
    w.DrawPaletteImage(b);
    EXPECT_TRUE(QFile::exists(temp + "/~tmpim1"));
    w.FinishDocument();
    EXPECT_FALSE(QDir(temp).exists());
    EXPECT_EQ(nullptr, w.TargetStream);
    const QByteArray bytes = buf.data();
    EXPECT_TRUE(bytes.contains("<000000 FF0000 0000FF 000000 "));
    EXPECT_TRUE(bytes.contains("/Length 6\r\n/Name /Im1\r\n>>\r\nstream\r\n" + QByteArray("\0\1\2\2\1\0", 6) + "\r\nendstream"));
    EXPECT_FALSE(bytes.contains("FlateDecode"));
}

TEST(ImageCodecs, PaletteReductionIsExactUpTo256ColoursAndNearOtherwise) {
    QImage few(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) few.setPixel(x, y, qRgb(x * 16, y * 16, 7));
    EXPECT_EQ(few, toPalette(few).toImage());
    QImage many(64, 80, QImage::Format_RGB32);
    many.fill(Qt::white);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) many.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) * 2));
    const QImage back = toPalette(many).toImage();
    EXPECT_EQ(qRgb(255, 255, 255), back.pixel(10, 70)) << "the page's white stays white";
    double error = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            error += std::abs(qRed(back.pixel(x, y)) - x * 4) + std::abs(qGreen(back.pixel(x, y)) - y * 4);
    EXPECT_LE(error / (64 * 64 * 2), 6);
}

TEST(ExportProgressWindow, ShowsThePagesWhileExporting) {
    QTemporaryDir dir;
    auto r = pagesReport(3);
    TExportQR exporter;
    exporter.setReport(r->prepare());
    QStringList seen;
    // The window lets events through while it counts the pages.
    QTimer look;
    look.setInterval(0);
    QObject::connect(&look, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->windowTitle() == "Ekportuj...") {
                const QString label = w->findChild<QLabel*>()->text();
                const auto* bar = w->findChild<QProgressBar*>();
                const QString entry = label + QStringLiteral(" [%1..%2]").arg(bar->minimum()).arg(bar->maximum());
                if (seen.isEmpty() || seen.last() != entry) seen << entry;
            }
        }
    });
    look.start();
    ASSERT_TRUE(exporter.ExportToJpeg(dir.path() + "/p"));
    look.stop();
    EXPECT_EQ((QStringList{"Strona... 1 z3 [0..2]", "Strona... 1 z 3 [0..2]", "Strona... 2 z 3 [0..2]",
                           "Strona... 3 z 3 [0..2]"}),
              seen);
    for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_NE("Ekportuj...", w->windowTitle()) << "the window is freed";
}

// Pages known at the start go to the file as they come: the same bytes as the
// parked images give, portrait and landscape pages, palette and JPEG images; a
// document left short of its pages replaces no file.
TEST(PdfWriter, PagesWrittenAsTheyComeGiveTheBytesOfParkedImages) {
    QTemporaryDir dir;
    PaletteBitmap b;
    b.width = 3;
    b.height = 2;
    b.pixels = {0, 1, 2, 2, 1, 0};
    b.palette[1] = qRgb(255, 0, 0);
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(qRgb(10, 200, 30));
    const QList<QSize> sizes{{596, 842}, {842, 596}, {596, 842}};
    auto write = [&](TPrintPDF& w, bool planned) {
        w.Title = "Raport";
        if (planned) w.StartDocument(sizes);
        for (int k = 0; k < 3; ++k) {
            w.PageWidth = sizes[k].width();
            w.PageHeight = sizes[k].height();
            if (k == 0 && !planned) w.StartDocument();
            if (k == 1) w.DrawJpegImage(picture);
            else w.DrawPaletteImage(b);
            if (k < 2) w.StartNewPage();
        }
        w.FinishDocument();
    };
    Clock::setNow(QDateTime(QDate(2024, 5, 10), QTime(10, 20, 30)));
    TPrintPDF parked, planned;
    parked.FileName = dir.path() + "/parkowane.pdf";
    planned.FileName = dir.path() + "/od_razu.pdf";
    write(parked, false);
    write(planned, true);
    const QByteArray bytes = readAll(parked.FileName);
    EXPECT_EQ(2 * 3 + 18 + 2 * 3 + 2, PdfFile(bytes).size);
    EXPECT_EQ(bytes, readAll(planned.FileName));
    EXPECT_EQ(0, runTool("qpdf", {"--check", planned.FileName}));

    TPrintPDF shortOne;
    shortOne.FileName = dir.path() + "/krotki.pdf";
    shortOne.StartDocument(sizes);
    shortOne.DrawPaletteImage(b);
    EXPECT_THROW(shortOne.FinishDocument(), std::runtime_error);
    Clock::setNow(QDateTime());
    EXPECT_FALSE(QFileInfo::exists(shortOne.FileName));
}
