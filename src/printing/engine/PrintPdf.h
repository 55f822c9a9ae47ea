#pragma once
#include "printing/engine/ImageCodecs.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace zort {
class WholeFile;
}

namespace zort::print {

// The text state the writer keeps (page images do not use it).
struct TPDFFont {
    QString name = QStringLiteral("Helvetica");
    int size = 10;
};

// Writes a PDF 1.4 file whose every page is one raster image: a palette image
// (zlib-compressed indices with a 256-entry RGB palette) or a JPEG. Every line
// ends with CR LF. Calling order: StartDocument, then for each page one image
// call followed (except after the last page) by StartNewPage, then FinishDocument.
//
// Objects are numbered in the order written: 1 the information, 2k and 2k+1 the
// content stream of page k and its length, then the outlines, fourteen Type 1
// fonts, the page tree, the resources, the image objects, the page objects and
// the catalog, followed by the cross-reference table and the trailer.
class TPrintPDF {
public:
    // A page image encoded apart from the writer, on any thread, and added to the
    // document later by DrawImage in page order: exactly what DrawPaletteImage or
    // DrawJpegImage would add for the same bitmap.
    struct EncodedImage {
        enum class Kind { Palette, Jpeg };
        Kind kind = Kind::Palette;
        int width = 0;
        int height = 0;
        bool compressed = false;  // palette indices deflated
        QByteArray palette;       // the palette in the file's hexadecimal form
        QByteArray data;          // the image stream's bytes
    };
    static EncodedImage encodePalette(const PaletteBitmap& bitmap, bool compress);
    static EncodedImage encodeJpeg(const QImage& rgb32);
    static EncodedImage encodeJpeg(int width, int height, const std::function<const uint32_t*(int y)>& row);


    TPrintPDF();
    ~TPrintPDF();

    QString FileName;
    // When set, the file goes to this device instead of FileName, which is then
    // forgotten.
    QIODevice* TargetStream = nullptr;
    int PageWidth = 596;
    int PageHeight = 842;
    bool Compress = true;
    QString Producer, Author, Creator, Keywords, Subject, Title;
    TPDFFont Font;
    int LineWidth = 1;
    int PageNumber = 0;

    void StartDocument();
    // A document of one image a page whose page sizes (in points) are known at the
    // start: the content streams and the page tree are written first, and each
    // image goes to the file as it is drawn, the disk writing it while the next
    // pages are made; nothing is parked and the file is never whole in memory. The
    // bytes are those of the same calls after StartDocument(). Without
    // FinishDocument nothing replaces the file.
    void StartDocument(const QList<QSize>& pageSizes);
    void DrawPaletteImage(const PaletteBitmap& bitmap);
    void DrawJpegImage(const PaletteBitmap& bitmap);
    // The same from a 32-bit drawing (what the exporters hand over: for report
    // pages the 8-bit reduction loses nothing, and libjpeg reads Qt's pixels as
    // they lie in memory).
    void DrawJpegImage(const QImage& bitmap);
    // An image encoded beforehand; a palette image must have been encoded with the
    // writer's Compress.
    void DrawImage(const EncodedImage& image);
    void StartNewPage();
    // Writes the rest and saves the file; throws std::runtime_error when the file
    // cannot be written.
    void FinishDocument();

    int objectCount() const { return m_objects; }
    int imageCount() const { return m_images; }
    // Where the temporary image files are parked (a private folder).
    QString tempFolder() const;

private:
    void begin();
    void flush();
    void writeOut(const QByteArray& bytes);
    QByteArray imageCommands(int k) const;
    void writeTree(int images);
    void writeTail();
    void line(const QByteArray& text);
    void beginObject();
    void openContent();
    void closeContent();
    void addImage(const QByteArray& dictionaryLines, const QByteArray& data);
    QString tempFile(int k) const;

    QByteArray m_file;       // the bytes not written out yet
    qint64 m_written = 0;    // the bytes written out before them
    QList<QSize> m_plan;     // the pages of a document written as it goes
    std::unique_ptr<WholeFile> m_target;
    int m_outlines = 0, m_pagesObject = 0, m_resources = 0;
    QByteArray m_page;
    QList<qint64> m_offsets;
    QList<int> m_contents;   // object number of each page's content stream
    QList<QSize> m_sizes;    // and the page size it was drawn in
    QStringList m_fonts;
    int m_objects = 0;
    int m_images = 0;
    int m_fontCount = 0;
    std::unique_ptr<QTemporaryDir> m_temp;
};

} // namespace zort::print
