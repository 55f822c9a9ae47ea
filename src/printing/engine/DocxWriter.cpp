#include "printing/engine/DocxWriter.h"

#include "core/Clock.h"
#include "core/Error.h"
#include "core/WholeFile.h"

#include <QBuffer>
#include <QXmlStreamWriter>
#include <cmath>
#include <stdexcept>
#include <zip.h>

namespace zort::print {
namespace {

// Units of the format: twentieths of a point (page, margins), half-points (font
// sizes), English metric units (pictures: 12,700 to the point).
constexpr double kTwipsPerPoint = 20;
constexpr double kEmuPerPoint = 12700;
constexpr double kA4WidthPt = 595.3, kA4HeightPt = 841.9;

const QString kW = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
const QString kR = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
const QString kWp = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing");
const QString kA = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/main");
const QString kPic = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/picture");
const QString kRelsNs = QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships");
const QString kImageRel = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/image");

QString num(double v) { return QString::number(std::llround(v)); }

// A part written by a function on a fresh XML writer.
template <class Fn>
QByteArray xmlPart(Fn fn) {
    QByteArray out;
    QXmlStreamWriter x(&out);
    x.writeStartDocument(QStringLiteral("1.0"), true);
    fn(x);
    x.writeEndDocument();
    return out;
}

QByteArray contentTypes() {
    return xmlPart([](QXmlStreamWriter& x) {
        x.writeDefaultNamespace(QStringLiteral("http://schemas.openxmlformats.org/package/2006/content-types"));
        x.writeStartElement(QStringLiteral("Types"));
        const auto byDefault = [&](const char* ext, const char* type) {
            x.writeEmptyElement(QStringLiteral("Default"));
            x.writeAttribute(QStringLiteral("Extension"), QLatin1String(ext));
            x.writeAttribute(QStringLiteral("ContentType"), QLatin1String(type));
        };
        byDefault("rels", "application/vnd.openxmlformats-package.relationships+xml");
        byDefault("xml", "application/xml");
        byDefault("png", "image/png");
        const auto part = [&](const char* name, const char* type) {
            x.writeEmptyElement(QStringLiteral("Override"));
            x.writeAttribute(QStringLiteral("PartName"), QLatin1String(name));
            x.writeAttribute(QStringLiteral("ContentType"), QLatin1String(type));
        };
        part("/word/document.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
        part("/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml");
        x.writeEndElement();
    });
}

QByteArray relationships(const std::vector<std::pair<QString, QString>>& typeAndTarget, const QString& idPrefix) {
    return xmlPart([&](QXmlStreamWriter& x) {
        x.writeDefaultNamespace(kRelsNs);
        x.writeStartElement(QStringLiteral("Relationships"));
        int n = 0;
        for (const auto& [type, target] : typeAndTarget) {
            x.writeEmptyElement(QStringLiteral("Relationship"));
            x.writeAttribute(QStringLiteral("Id"), idPrefix + QString::number(++n));
            x.writeAttribute(QStringLiteral("Type"), type);
            x.writeAttribute(QStringLiteral("Target"), target);
        }
        x.writeEndElement();
    });
}

QByteArray coreProperties(const QString& title) {
    return xmlPart([&](QXmlStreamWriter& x) {
        const QString cp = QStringLiteral("http://schemas.openxmlformats.org/package/2006/metadata/core-properties");
        const QString dc = QStringLiteral("http://purl.org/dc/elements/1.1/");
        const QString dcterms = QStringLiteral("http://purl.org/dc/terms/");
        const QString xsi = QStringLiteral("http://www.w3.org/2001/XMLSchema-instance");
        x.writeNamespace(cp, QStringLiteral("cp"));
        x.writeNamespace(dc, QStringLiteral("dc"));
        x.writeNamespace(dcterms, QStringLiteral("dcterms"));
        x.writeNamespace(xsi, QStringLiteral("xsi"));
        x.writeStartElement(cp, QStringLiteral("coreProperties"));
        x.writeTextElement(dc, QStringLiteral("title"), title);
        x.writeTextElement(dc, QStringLiteral("creator"), QStringLiteral("ZORT"));
        x.writeStartElement(dcterms, QStringLiteral("created"));
        x.writeAttribute(xsi, QStringLiteral("type"), QStringLiteral("dcterms:W3CDTF"));
        x.writeCharacters(Clock::now().toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ")));
        x.writeEndElement();
        x.writeEndElement();
    });
}

QString alignValue(WordParagraph::Align a) {
    switch (a) {
    case WordParagraph::Align::Left: return QStringLiteral("left");
    case WordParagraph::Align::Center: return QStringLiteral("center");
    case WordParagraph::Align::Right: return QStringLiteral("right");
    case WordParagraph::Align::Justify: return QStringLiteral("both");
    }
    return QStringLiteral("left");
}

void runProperties(QXmlStreamWriter& x, const WordParagraph& p) {
    x.writeStartElement(kW, QStringLiteral("rPr"));
    x.writeEmptyElement(kW, QStringLiteral("rFonts"));
    for (const char* a : {"ascii", "hAnsi", "cs", "eastAsia"}) x.writeAttribute(kW, QLatin1String(a), p.font);
    if (p.bold) {
        x.writeEmptyElement(kW, QStringLiteral("b"));
        x.writeEmptyElement(kW, QStringLiteral("bCs"));
    }
    for (const char* e : {"sz", "szCs"}) {
        x.writeEmptyElement(kW, QLatin1String(e));
        x.writeAttribute(kW, QStringLiteral("val"), num(p.size * 2));
    }
    x.writeEndElement();
}

// The paragraph's own properties: alignment, no spacing added, the mark's font.
void paragraphProperties(QXmlStreamWriter& x, const WordParagraph& p, bool mark = true) {
    x.writeStartElement(kW, QStringLiteral("pPr"));
    x.writeEmptyElement(kW, QStringLiteral("spacing"));
    x.writeAttribute(kW, QStringLiteral("before"), QStringLiteral("0"));
    x.writeAttribute(kW, QStringLiteral("after"), QStringLiteral("0"));
    x.writeEmptyElement(kW, QStringLiteral("jc"));
    x.writeAttribute(kW, QStringLiteral("val"), alignValue(p.align));
    if (mark) runProperties(x, p);
    x.writeEndElement();
}

void textParagraph(QXmlStreamWriter& x, const WordParagraph& p) {
    x.writeStartElement(kW, QStringLiteral("p"));
    paragraphProperties(x, p);
    if (!p.text.isEmpty()) {
        x.writeStartElement(kW, QStringLiteral("r"));
        runProperties(x, p);
        // Tabs and line breaks of the text as the format has them.
        QString piece;
        const auto flush = [&]() {
            if (piece.isEmpty()) return;
            x.writeStartElement(kW, QStringLiteral("t"));
            x.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
            x.writeCharacters(piece);
            x.writeEndElement();
            piece.clear();
        };
        for (const QChar c : p.text) {
            if (c == u'\t') {
                flush();
                x.writeEmptyElement(kW, QStringLiteral("tab"));
            } else if (c == u'\n') {
                flush();
                x.writeEmptyElement(kW, QStringLiteral("br"));
            } else if (c != u'\r') {
                piece += c;
            }
        }
        flush();
        x.writeEndElement();
    }
    x.writeEndElement();
}

void pictureParagraph(QXmlStreamWriter& x, const WordParagraph& p, int n, const QSize& px, double widthPt) {
    const double heightPt = px.width() > 0 ? widthPt * px.height() / px.width() : 0;
    const QString cx = num(widthPt * kEmuPerPoint), cy = num(heightPt * kEmuPerPoint);
    x.writeStartElement(kW, QStringLiteral("p"));
    paragraphProperties(x, p, false);
    x.writeStartElement(kW, QStringLiteral("r"));
    x.writeStartElement(kW, QStringLiteral("drawing"));
    x.writeStartElement(kWp, QStringLiteral("inline"));
    for (const char* d : {"distT", "distB", "distL", "distR"}) x.writeAttribute(QLatin1String(d), QStringLiteral("0"));
    x.writeEmptyElement(kWp, QStringLiteral("extent"));
    x.writeAttribute(QStringLiteral("cx"), cx);
    x.writeAttribute(QStringLiteral("cy"), cy);
    x.writeEmptyElement(kWp, QStringLiteral("docPr"));
    x.writeAttribute(QStringLiteral("id"), QString::number(n));
    x.writeAttribute(QStringLiteral("name"), QStringLiteral("Obraz %1").arg(n));
    x.writeStartElement(kWp, QStringLiteral("cNvGraphicFramePr"));
    x.writeEmptyElement(kA, QStringLiteral("graphicFrameLocks"));
    x.writeAttribute(QStringLiteral("noChangeAspect"), QStringLiteral("1"));
    x.writeEndElement();
    x.writeStartElement(kA, QStringLiteral("graphic"));
    x.writeStartElement(kA, QStringLiteral("graphicData"));
    x.writeAttribute(QStringLiteral("uri"), kPic);
    x.writeStartElement(kPic, QStringLiteral("pic"));
    x.writeStartElement(kPic, QStringLiteral("nvPicPr"));
    x.writeEmptyElement(kPic, QStringLiteral("cNvPr"));
    x.writeAttribute(QStringLiteral("id"), QString::number(n));
    x.writeAttribute(QStringLiteral("name"), QStringLiteral("image%1.png").arg(n));
    x.writeEmptyElement(kPic, QStringLiteral("cNvPicPr"));
    x.writeEndElement();
    x.writeStartElement(kPic, QStringLiteral("blipFill"));
    x.writeEmptyElement(kA, QStringLiteral("blip"));
    x.writeAttribute(kR, QStringLiteral("embed"), QStringLiteral("rIdImage%1").arg(n));
    x.writeStartElement(kA, QStringLiteral("stretch"));
    x.writeEmptyElement(kA, QStringLiteral("fillRect"));
    x.writeEndElement();
    x.writeEndElement();
    x.writeStartElement(kPic, QStringLiteral("spPr"));
    x.writeStartElement(kA, QStringLiteral("xfrm"));
    x.writeEmptyElement(kA, QStringLiteral("off"));
    x.writeAttribute(QStringLiteral("x"), QStringLiteral("0"));
    x.writeAttribute(QStringLiteral("y"), QStringLiteral("0"));
    x.writeEmptyElement(kA, QStringLiteral("ext"));
    x.writeAttribute(QStringLiteral("cx"), cx);
    x.writeAttribute(QStringLiteral("cy"), cy);
    x.writeEndElement();
    x.writeStartElement(kA, QStringLiteral("prstGeom"));
    x.writeAttribute(QStringLiteral("prst"), QStringLiteral("rect"));
    x.writeEmptyElement(kA, QStringLiteral("avLst"));
    x.writeEndElement();
    x.writeEndElement();  // spPr
    x.writeEndElement();  // pic
    x.writeEndElement();  // graphicData
    x.writeEndElement();  // graphic
    x.writeEndElement();  // inline
    x.writeEndElement();  // drawing
    x.writeEndElement();  // r
    x.writeEndElement();  // p
}

QByteArray documentPart(const WordDocument& d) {
    const double pageW = d.landscape ? kA4HeightPt : kA4WidthPt;
    const double pageH = d.landscape ? kA4WidthPt : kA4HeightPt;
    const double textWidth = pageW - d.marginLeft - d.marginRight;
    return xmlPart([&](QXmlStreamWriter& x) {
        x.writeNamespace(kW, QStringLiteral("w"));
        x.writeNamespace(kR, QStringLiteral("r"));
        x.writeNamespace(kWp, QStringLiteral("wp"));
        x.writeNamespace(kA, QStringLiteral("a"));
        x.writeNamespace(kPic, QStringLiteral("pic"));
        x.writeStartElement(kW, QStringLiteral("document"));
        x.writeStartElement(kW, QStringLiteral("body"));
        int pictures = 0;
        for (const WordBlock& b : d.blocks) {
            if (b.picture) pictureParagraph(x, b.paragraph, ++pictures, b.picture->size(), textWidth);
            else textParagraph(x, b.paragraph);
        }
        x.writeStartElement(kW, QStringLiteral("sectPr"));
        x.writeEmptyElement(kW, QStringLiteral("pgSz"));
        x.writeAttribute(kW, QStringLiteral("w"), num(pageW * kTwipsPerPoint));
        x.writeAttribute(kW, QStringLiteral("h"), num(pageH * kTwipsPerPoint));
        if (d.landscape) x.writeAttribute(kW, QStringLiteral("orient"), QStringLiteral("landscape"));
        x.writeEmptyElement(kW, QStringLiteral("pgMar"));
        x.writeAttribute(kW, QStringLiteral("top"), num(d.marginTop * kTwipsPerPoint));
        x.writeAttribute(kW, QStringLiteral("right"), num(d.marginRight * kTwipsPerPoint));
        x.writeAttribute(kW, QStringLiteral("bottom"), num(d.marginBottom * kTwipsPerPoint));
        x.writeAttribute(kW, QStringLiteral("left"), num(d.marginLeft * kTwipsPerPoint));
        for (const char* a : {"header", "footer", "gutter"}) x.writeAttribute(kW, QLatin1String(a), QStringLiteral("0"));
        x.writeEndElement();
        x.writeEndElement();
        x.writeEndElement();
    });
}

// A zip archive built in memory.
class ZipBuilder {
public:
    ZipBuilder() {
        zip_error_init(&m_error);
        m_source = zip_source_buffer_create(nullptr, 0, 0, &m_error);
        if (!m_source) fail("zip_source_buffer_create");
        zip_source_keep(m_source);
        m_zip = zip_open_from_source(m_source, ZIP_TRUNCATE, &m_error);
        if (!m_zip) fail("zip_open_from_source");
    }
    ~ZipBuilder() {
        if (m_zip) zip_discard(m_zip);
        if (m_source) zip_source_free(m_source);
        zip_error_fini(&m_error);
    }
    // The bytes stay owned here until the archive is closed.
    void add(const char* name, QByteArray bytes, bool compress = true) {
        m_parts.push_back(std::move(bytes));
        const QByteArray& b = m_parts.back();
        zip_source_t* s = zip_source_buffer(m_zip, b.constData(), zip_uint64_t(b.size()), 0);
        if (!s) fail("zip_source_buffer");
        const zip_int64_t i = zip_file_add(m_zip, name, s, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
        if (i < 0) {
            zip_source_free(s);
            fail("zip_file_add");
        }
        if (zip_set_file_compression(m_zip, zip_uint64_t(i), compress ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0) < 0)
            fail("zip_set_file_compression");
    }
    QByteArray finish() {
        if (zip_close(m_zip) < 0) fail("zip_close");
        m_zip = nullptr;
        m_parts.clear();
        zip_stat_t st;
        if (zip_source_stat(m_source, &st) < 0 || zip_source_open(m_source) < 0) fail("zip_source_open");
        QByteArray out(qsizetype(st.size), Qt::Uninitialized);
        const zip_int64_t n = zip_source_read(m_source, out.data(), st.size);
        zip_source_close(m_source);
        if (n < 0 || zip_uint64_t(n) != st.size) fail("zip_source_read");
        return out;
    }

private:
    [[noreturn]] void fail(const char* what) {
        const char* reason = m_zip ? zip_strerror(m_zip) : zip_error_strerror(&m_error);
        throw std::runtime_error(std::string(what) + ": " + (reason ? reason : "?"));
    }
    zip_error_t m_error;
    zip_source_t* m_source = nullptr;
    zip_t* m_zip = nullptr;
    std::vector<QByteArray> m_parts;
};

} // namespace

void WordDocument::paragraph(const QString& text, double size, bool bold, WordParagraph::Align align, const QString& font) {
    WordBlock b;
    b.paragraph = WordParagraph{text, size, font, bold, align};
    blocks.push_back(std::move(b));
}

void WordDocument::picture(std::shared_ptr<const QImage> image, WordParagraph::Align align) {
    WordBlock b;
    b.paragraph.align = align;
    b.picture = std::move(image);
    blocks.push_back(std::move(b));
}

QByteArray pngBytes(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    // The fastest compression: a chart is mostly flat colour, which it packs well.
    if (!image.save(&buffer, "PNG", 80)) throw std::runtime_error("cannot encode the picture as PNG");
    return png;
}

QByteArray docxBytes(const WordDocument& doc) {
    ZipBuilder zip;
    zip.add("[Content_Types].xml", contentTypes());
    zip.add("_rels/.rels",
            relationships({{QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument"),
                            QStringLiteral("word/document.xml")},
                           {QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties"),
                            QStringLiteral("docProps/core.xml")}},
                          QStringLiteral("rId")));
    zip.add("word/document.xml", documentPart(doc));
    std::vector<std::pair<QString, QString>> images;
    int n = 0;
    for (const WordBlock& b : doc.blocks) {
        if (!b.picture) continue;
        ++n;
        images.push_back({kImageRel, QStringLiteral("media/image%1.png").arg(n)});
        // PNG is compressed already: stored as it is.
        zip.add(QStringLiteral("word/media/image%1.png").arg(n).toUtf8().constData(), pngBytes(*b.picture), false);
    }
    zip.add("word/_rels/document.xml.rels", relationships(images, QStringLiteral("rIdImage")));
    zip.add("docProps/core.xml", coreProperties(doc.title));
    return zip.finish();
}

void saveDocx(const WordDocument& doc, const QString& path) {
    QByteArray bytes;
    try {
        bytes = docxBytes(doc);
    } catch (const std::runtime_error& e) {
        throw Error(fileWriteErrorMessage(path, QString::fromUtf8(e.what())));
    }
    writeWholeFile(path, bytes);
}

} // namespace zort::print
