#include "printing/engine/PrintPdf.h"

#include "core/Clock.h"
#include "core/Error.h"
#include "core/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace zort::print {
namespace {

const char* const kFontNames[14] = {
    "Helvetica", "Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique",
    "Courier", "Courier-Bold", "Courier-Oblique", "Courier-BoldOblique",
    "Times-Roman", "Times-Bold", "Times-Italic", "Times-BoldItalic",
    "Symbol", "ZapfDingbats"};

QByteArray num(qint64 v) { return QByteArray::number(v); }

QByteArray paletteHex(const std::array<QRgb, 256>& palette) {
    QByteArray out;
    out.reserve(256 * 7);
    for (QRgb c : palette) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%02X%02X%02X ", qRed(c), qGreen(c), qBlue(c));
        out += buf;
    }
    return out;
}

} // namespace

TPrintPDF::TPrintPDF() = default;
TPrintPDF::~TPrintPDF() = default;

QString TPrintPDF::tempFolder() const { return m_temp ? m_temp->path() : QString(); }

QString TPrintPDF::tempFile(int k) const { return m_temp->path() + QStringLiteral("/~tmpim") + QString::number(k); }

void TPrintPDF::line(const QByteArray& text) {
    m_file += text;
    m_file += "\r\n";
}

void TPrintPDF::beginObject() {
    ++m_objects;
    m_offsets << m_written + m_file.size();
    line(num(m_objects) + " 0 obj");
}

void TPrintPDF::begin() {
    m_file.clear();
    m_written = 0;
    m_plan.clear();
    m_target.reset();
    m_page.clear();
    m_offsets.clear();
    m_contents.clear();
    m_sizes.clear();
    m_fonts.clear();
    m_objects = 0;
    m_images = 0;
    m_fontCount = 0;
    PageNumber = 1;

    line("%PDF-1.4");
    beginObject();
    line("<<");
    line("/Producer (" + Producer.toLatin1() + ")");
    line("/Author (" + Author.toLatin1() + ")");
    line("/CreationDate (D:" + Clock::now().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + ")");
    line("/Creator (" + Creator.toLatin1() + ")");
    line("/Keywords (" + Keywords.toLatin1() + ")");
    line("/Subject (" + Subject.toLatin1() + ")");
    line("/Title (" + Title.toLatin1() + ")");
    line("/ModDate ()");
    line(">>");
    line("endobj");
}

void TPrintPDF::StartDocument() {
    begin();
    m_temp = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/zortpdf-XXXXXX"));
    if (!m_temp->isValid()) throw std::runtime_error("cannot create a temporary folder");
    openContent();
}

void TPrintPDF::StartDocument(const QList<QSize>& pageSizes) {
    if (pageSizes.isEmpty()) throw std::runtime_error("a PDF document needs a page");
    begin();
    // Every page's content stream draws its one image: all of them, and the tree
    // after them, are known now.
    for (int k = 1; k <= pageSizes.size(); ++k) {
        openContent();
        PageWidth = pageSizes[k - 1].width();
        PageHeight = pageSizes[k - 1].height();
        m_page += imageCommands(k);
        closeContent();
    }
    PageWidth = pageSizes.front().width();
    PageHeight = pageSizes.front().height();
    writeTree(int(pageSizes.size()));
    m_plan = pageSizes;
    if (!TargetStream) m_target = std::make_unique<WholeFile>(FileName);
    flush();
}

void TPrintPDF::flush() {
    writeOut(m_file);
    m_written += m_file.size();
    m_file.clear();
}

void TPrintPDF::writeOut(const QByteArray& bytes) {
    if (m_target) {
        m_target->write(bytes);
    } else if (TargetStream->write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write the PDF stream");
    }
}

void TPrintPDF::openContent() {
    beginObject();
    m_contents << m_objects;
    line("<< /Length " + num(m_objects + 1) + " 0 R");
    if (Compress) line("/Filter [/FlateDecode]");
    line(" >>");
    line("stream");
    m_page.clear();
}

void TPrintPDF::closeContent() {
    // A page keeps the size it was drawn in: a printout may change orientation.
    m_sizes << QSize(PageWidth, PageHeight);
    const QByteArray data = Compress ? deflateZlib(m_page) : m_page;
    m_file += data;
    line(QByteArray());
    line("endstream");
    line("endobj");
    beginObject();
    line(num(data.size()));
    line("endobj");
    m_page.clear();
}

QByteArray TPrintPDF::imageCommands(int k) const {
    return "q\r\n" + num(PageWidth) + " 0 0 " + num(PageHeight) + " 0 0 cm\r\n" + "/Im" + num(k) + " Do\r\n" + "Q\r\n";
}

void TPrintPDF::addImage(const QByteArray& dictionaryLines, const QByteArray& data) {
    const int k = ++m_images;
    QByteArray head = dictionaryLines;
    head.replace("@LENGTH@", num(data.size()));
    head.replace("@NAME@", num(k));
    if (!m_plan.isEmpty()) {
        // The image object goes to the file at once, after the tree written at the start.
        if (k > m_plan.size()) throw std::runtime_error("more images than planned pages");
        beginObject();
        m_file += head;
        flush();
        writeOut(data);
        m_written += data.size();
        m_file += "\r\nendstream\r\n";
        line("endobj");
        if (m_target) m_target->startWriteback();
        return;
    }
    m_page += imageCommands(k);
    QFile f(tempFile(k));
    if (!f.open(QIODevice::WriteOnly)) throw Error(fileWriteErrorMessage(f.fileName(), f.errorString()));
    if (f.write(head) != head.size() || f.write(data) != data.size() || !f.flush())
        throw Error(fileWriteErrorMessage(f.fileName(), f.errorString()));
}

TPrintPDF::EncodedImage TPrintPDF::encodePalette(const PaletteBitmap& b, bool compress) {
    EncodedImage out;
    out.kind = EncodedImage::Kind::Palette;
    out.width = b.width;
    out.height = b.height;
    out.compressed = compress;
    out.palette = paletteHex(b.palette);
    const char* pixels = reinterpret_cast<const char*>(b.pixels.data());
    out.data = compress ? deflateZlib(pixels, b.pixels.size()) : QByteArray(pixels, qsizetype(b.pixels.size()));
    return out;
}

TPrintPDF::EncodedImage TPrintPDF::encodeJpeg(int width, int height, const std::function<const uint32_t*(int y)>& row) {
    EncodedImage out;
    out.kind = EncodedImage::Kind::Jpeg;
    out.width = width;
    out.height = height;
    out.data = print::encodeJpeg(width, height, row);
    return out;
}

TPrintPDF::EncodedImage TPrintPDF::encodeJpeg(const QImage& rgb32) {
    EncodedImage out;
    out.kind = EncodedImage::Kind::Jpeg;
    out.width = rgb32.width();
    out.height = rgb32.height();
    out.data = print::encodeJpeg(rgb32);
    return out;
}

void TPrintPDF::DrawImage(const EncodedImage& image) {
    QByteArray head;
    head += "<< /Type /XObject\r\n";
    head += "/Subtype /Image\r\n";
    head += "/Width " + num(image.width) + "\r\n";
    head += "/Height " + num(image.height) + "\r\n";
    if (image.kind == EncodedImage::Kind::Palette)
        head += "/ColorSpace [/Indexed /DeviceRGB 255 <" + image.palette + ">]\r\n";
    else
        head += "/ColorSpace /DeviceRGB\r\n";
    head += "/BitsPerComponent 8\r\n";
    head += "/Length @LENGTH@\r\n";
    head += "/Name /Im@NAME@\r\n";
    if (image.kind == EncodedImage::Kind::Jpeg) head += "/Filter [/DCTDecode]\r\n";
    else if (image.compressed) head += "/Filter [/FlateDecode]\r\n";
    head += ">>\r\n";
    head += "stream\r\n";
    addImage(head, image.data);
}

void TPrintPDF::DrawPaletteImage(const PaletteBitmap& b) { DrawImage(encodePalette(b, Compress)); }

void TPrintPDF::DrawJpegImage(const PaletteBitmap& b) {
    EncodedImage image;
    image.kind = EncodedImage::Kind::Jpeg;
    image.width = b.width;
    image.height = b.height;
    image.data = print::encodeJpeg(b);
    DrawImage(image);
}

void TPrintPDF::DrawJpegImage(const QImage& b) { DrawImage(encodeJpeg(b)); }

void TPrintPDF::StartNewPage() {
    if (m_plan.isEmpty()) {
        closeContent();
        openContent();
    }
    ++PageNumber;
}

void TPrintPDF::writeTree(int images) {
    const int pages = int(m_contents.size());
    beginObject();
    m_outlines = m_objects;
    line("<< /Type /Outlines");
    line("/Count 0");
    line(">>");
    line("endobj");

    for (const char* name : kFontNames) {
        beginObject();
        ++m_fontCount;
        m_fonts << QString::number(m_objects);
        line("<< /Type /Font");
        line(QByteArray("/Subtype /") + "Type1");
        line("/Name /F" + num(m_fontCount));
        line(QByteArray("/BaseFont /") + name);
        line(QByteArray("/Encoding /") + "WinAnsiEncoding");
        line(">>");
        line("endobj");
    }

    m_pagesObject = m_objects + 1;
    m_resources = m_pagesObject + 1;
    const int firstPage = m_resources + 1 + images;
    beginObject();
    line("<< /Type /Pages");
    line("/Kids [");
    for (int k = 0; k < pages; ++k) line(num(firstPage + k) + " 0 R");
    line("]");
    line("/Count " + num(pages));
    line(">>");
    line("endobj");

    beginObject();
    line("<< /ProcSet [ /PDF /Text /ImageC]");
    line("/XObject << ");
    for (int i = 1; i <= images; ++i) line("/Im" + num(i) + " " + num(m_resources + i) + " 0 R");
    line(">>");
    line("/Font << ");
    for (int i = 0; i < m_fonts.size(); ++i) line("/F" + num(i + 1) + " " + m_fonts[i].toLatin1() + " 0 R ");
    line(">>");
    line(">>");
    line("endobj");
}

void TPrintPDF::writeTail() {
    const int pages = int(m_contents.size());
    for (int k = 0; k < pages; ++k) {
        beginObject();
        line("<< /Type /Page");
        line("/Parent " + num(m_pagesObject) + " 0 R");
        line("/MediaBox [ 0 0 " + num(m_sizes[k].width()) + " " + num(m_sizes[k].height()) + "]");
        line("/Contents " + num(m_contents[k]) + " 0 R");
        line("/Resources " + num(m_resources) + " 0 R");
        line(">>");
        line("endobj");
    }

    beginObject();
    const int catalog = m_objects;
    line("<< /Type /Catalog");
    line("/Pages " + num(m_pagesObject) + " 0 R");
    line("/Outlines " + num(m_outlines) + " 0 R");
    line(">>");
    line("endobj");

    const qint64 xref = m_written + m_file.size();
    const int size = m_objects + 1;
    line("xref");
    line("0 " + num(size));
    line("0000000000 65535 f");
    for (qint64 off : m_offsets) line(QByteArray::number(off).rightJustified(10, '0') + " 00000 n");
    line("trailer");
    line("<< /Size " + num(size));
    line("/Root " + num(catalog) + " 0 R");
    line("/Info 1 0 R");
    line(">>");
    line("startxref");
    line(num(xref));
    line("%%EOF");
}

void TPrintPDF::FinishDocument() {
    if (!m_plan.isEmpty()) {
        if (m_images != m_plan.size()) throw std::runtime_error("fewer images than planned pages");
        writeTail();
        flush();
        if (m_target) m_target->commit();
        m_target.reset();
        TargetStream = nullptr;
        m_plan.clear();
        return;
    }
    closeContent();
    writeTree(m_images);

    // The whole file is kept in one buffer sized once for the parked images.
    const int pages = int(m_contents.size());
    qint64 parked = 0;
    for (int i = 1; i <= m_images; ++i) parked += QFileInfo(tempFile(i)).size() + 64;
    m_file.reserve(m_file.size() + parked + 512 * qint64(pages) + 64 * qint64(m_objects) + 4096);
    for (int i = 1; i <= m_images; ++i) {
        beginObject();
        QFile f(tempFile(i));
        if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read a temporary image file");
        const qint64 at = m_file.size();
        m_file.resize(at + f.size());
        if (f.read(m_file.data() + at, f.size()) != f.size()) throw std::runtime_error("cannot read a temporary image file");
        f.close();
        m_file += "\r\nendstream\r\n";
        line("endobj");
    }
    writeTail();

    if (TargetStream) {
        QIODevice* target = TargetStream;
        TargetStream = nullptr;
        if (target->write(m_file) != m_file.size()) throw std::runtime_error("cannot write the PDF stream");
    } else {
        // Whole or not at all: a failed write leaves an earlier file as it was.
        writeWholeFile(FileName, m_file);
    }
    m_file.clear();
    for (int i = 1; i <= m_images; ++i) QFile::remove(tempFile(i));
    m_temp.reset();
}

} // namespace zort::print
