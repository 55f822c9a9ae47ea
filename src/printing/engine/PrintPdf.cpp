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

QByteArray paletteHex(const PaletteBitmap& b) {
    QByteArray out;
    out.reserve(256 * 7);
    for (QRgb c : b.palette) {
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
    m_offsets << m_file.size();
    line(num(m_objects) + " 0 obj");
}

void TPrintPDF::StartDocument() {
    m_file.clear();
    m_page.clear();
    m_offsets.clear();
    m_contents.clear();
    m_sizes.clear();
    m_fonts.clear();
    m_objects = 0;
    m_images = 0;
    m_fontCount = 0;
    PageNumber = 1;
    m_temp = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/zortpdf-XXXXXX"));
    if (!m_temp->isValid()) throw std::runtime_error("cannot create a temporary folder");

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
    openContent();
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

void TPrintPDF::addImage(const QByteArray& dictionaryLines, const QByteArray& data) {
    const int k = ++m_images;
    m_page += "q\r\n";
    m_page += num(PageWidth) + " 0 0 " + num(PageHeight) + " 0 0 cm\r\n";
    m_page += "/Im" + num(k) + " Do\r\n";
    m_page += "Q\r\n";
    QFile f(tempFile(k));
    if (!f.open(QIODevice::WriteOnly)) throw Error(fileWriteErrorMessage(f.fileName(), f.errorString()));
    QByteArray head = dictionaryLines;
    head.replace("@LENGTH@", num(data.size()));
    head.replace("@NAME@", num(k));
    if (f.write(head) != head.size() || f.write(data) != data.size() || !f.flush())
        throw Error(fileWriteErrorMessage(f.fileName(), f.errorString()));
}

TPrintPDF::EncodedImage TPrintPDF::encodePalette(const PaletteBitmap& b, bool compress) {
    EncodedImage out;
    out.kind = EncodedImage::Kind::Palette;
    out.width = b.width;
    out.height = b.height;
    out.compressed = compress;
    out.palette = paletteHex(b);
    const char* pixels = reinterpret_cast<const char*>(b.pixels.data());
    out.data = compress ? deflateZlib(pixels, b.pixels.size()) : QByteArray(pixels, qsizetype(b.pixels.size()));
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
    closeContent();
    openContent();
    ++PageNumber;
}

void TPrintPDF::FinishDocument() {
    closeContent();
    const int pages = int(m_contents.size());

    beginObject();
    const int outlines = m_objects;
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

    const int pagesObj = m_objects + 1;
    const int resources = pagesObj + 1;
    const int firstImage = resources + 1;
    const int firstPage = firstImage + m_images;
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
    for (int i = 1; i <= m_images; ++i) line("/Im" + num(i) + " " + num(resources + i) + " 0 R");
    line(">>");
    line("/Font << ");
    for (int i = 0; i < m_fonts.size(); ++i) line("/F" + num(i + 1) + " " + m_fonts[i].toLatin1() + " 0 R ");
    line(">>");
    line(">>");
    line("endobj");

    // The whole file is kept in one buffer sized once for the parked images.
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

    for (int k = 0; k < pages; ++k) {
        beginObject();
        line("<< /Type /Page");
        line("/Parent " + num(pagesObj) + " 0 R");
        line("/MediaBox [ 0 0 " + num(m_sizes[k].width()) + " " + num(m_sizes[k].height()) + "]");
        line("/Contents " + num(m_contents[k]) + " 0 R");
        line("/Resources " + num(resources) + " 0 R");
        line(">>");
        line("endobj");
    }

    beginObject();
    const int catalog = m_objects;
    line("<< /Type /Catalog");
    line("/Pages " + num(pagesObj) + " 0 R");
    line("/Outlines " + num(outlines) + " 0 R");
    line(">>");
    line("endobj");

    const qint64 xref = m_file.size();
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
