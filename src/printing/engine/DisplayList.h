#pragma once
#include "printing/engine/PageGeometry.h"

#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QStringList>
#include <memory>
#include <vector>

class QPainter;
class QPrinter;

namespace zort::print {

// One drawing command of a prepared page, in report units from the sheet's top
// left corner.
struct DrawItem {
    enum class Kind { Text, Line, Rect, Image };
    Kind kind = Kind::Text;
    // Text: one laid-out line (or run) drawn from its baseline origin, clipped to
    // clip when that is valid. Line: from rect's top left to its bottom right.
    // Rect: the rectangle. Image: the target rectangle.
    QRectF rect;
    QPointF origin;
    QRectF clip;
    QString text;
    FontSpec font;
    QColor color = Qt::black;     // pen colour of lines, rectangles and texts
    QColor fill = Qt::transparent;
    double penWidth = 1;          // units; 0 draws no outline
    std::shared_ptr<const QImage> image;
    // Text: the glyphs shaped on the reference device (ReferenceDevice::shape),
    // shaped when the item is first drawn and kept with it: a long report is laid
    // out whole, but its pages are drawn one by one (or never), and shaping every
    // line while preparing would cost more than the layout itself. Underlines and
    // strike-outs of texts are separate lines.
    mutable std::shared_ptr<const QList<QGlyphRun>> glyphs;

    QLineF line() const { return QLineF(rect.topLeft(), rect.bottomRight()); }
};

// A prepared page: the display list of our own that the preview, the printer,
// page images and PDF files all draw with QPainter.
struct Page {
    PageSetup setup;
    int number = 1;        // page number within its report
    int count = 1;         // pages of its report
    int reportIndex = 0;   // which report of a composite the page belongs to
    std::vector<DrawItem> items;

    QSizeF size() const { return setup.size(); }
    // The texts of the page in drawing order (tests and search read them).
    QStringList texts() const;
    // The first text item equal to the text (or starting with it when prefix is
    // set), or nullptr.
    const DrawItem* findText(const QString& text, bool prefix = false) const;
    // Draws the page scaled into the target rectangle of the painter's device
    // (in device coordinates of the painter's current transform). Texts are drawn
    // from their reference glyphs, so they sit alike on every device. A thread
    // other than the one that laid the page out draws with a shaper of its own.
    void paint(QPainter& painter, const QRectF& target, ThreadShaper* shaper = nullptr) const;
    // The page drawn on white into a 32-bit bitmap of the given size.
    QImage image(const QSize& pixels) const;
    // The same into a bitmap the caller keeps (reallocated only when its size or
    // format differs), so that a walk over many pages holds one bitmap.
    void drawInto(QImage& bitmap, const QSize& pixels, ThreadShaper* shaper = nullptr) const;
    // Rows top .. top + strip.height() - 1 of the page drawn on white at the given
    // size, into strip (32-bit, as wide as the page): the items that do not reach
    // those rows are passed over.
    void drawStrip(QImage& strip, const QSize& pixels, int top, ThreadShaper* shaper = nullptr) const;

private:
    // Draws the items that reach the rows from..to (units from the sheet's top), or
    // all of them when reach is null.
    void paintItems(QPainter& painter, const QRectF& target, ThreadShaper* shaper, const QPointF* reach) const;
};

// A page's rows at one size read from the top down, drawn a strip of rows at a time
// when the reading comes to it: the page never lies whole in memory, and what a
// reader does with a strip finds it still in the processor's cache. The buffers are
// the caller's, kept from page to page.
class PageRows {
public:
    struct Buffers {
        QImage strip;   // the strip being read, after the last row of the strip before
        QImage whole;   // the page drawn whole, for a reader that needs it
    };
    static constexpr int kStripRows = 128;

    PageRows(const Page& page, const QSize& pixels, Buffers& buffers, ThreadShaper* shaper = nullptr,
             int stripRows = kStripRows);
    const Page& page() const { return m_page; }
    int width() const { return m_size.width(); }
    int height() const { return m_size.height(); }
    // Row y (its pixels as 0xffRRGGBB), y counting up from 0 without going back; the
    // row above it (y > 0) lies just before it in memory, width() pixels back.
    const uint32_t* row(int y);
    // The page drawn whole at the same size (drawn at the first call).
    const QImage& whole();

private:
    const Page& m_page;
    QSize m_size;
    Buffers& m_buffers;
    ThreadShaper* m_shaper;
    int m_stripRows;
    int m_top = 0;      // the first row of the strip in the buffer
    int m_rows = 0;     // the rows of that strip (0: none drawn yet)
    bool m_whole = false;
};

// The prepared pages of a report or of a composite report: the engine's page
// store that the preview shows and the exporters walk. Pages are numbered from 1.
class ReportPages {
public:
    ReportPages() = default;
    int pageCount() const { return int(m_pages.size()); }
    bool isEmpty() const { return m_pages.empty(); }
    const Page& page(int number) const { return m_pages.at(size_t(number - 1)); }
    Page& page(int number) { return m_pages.at(size_t(number - 1)); }
    const std::vector<Page>& pages() const { return m_pages; }
    void append(Page p) { m_pages.push_back(std::move(p)); }
    void append(const ReportPages& other);
    void clear() { m_pages.clear(); }

    // The image of a page drawn at the given resolution (pixels per report unit;
    // 1 gives 96 dpi) on white.
    QImage pageImage(int number, double pixelsPerUnit,
                     QImage::Format format = QImage::Format_RGB32) const;
    // Prints every page, each in its own paper and orientation.
    // False when the printer could not be started or could not take a page.
    bool print(QPrinter& printer) const;
    // All texts of all pages, page by page.
    QStringList texts() const;

private:
    std::vector<Page> m_pages;
};

using PagesPtr = std::shared_ptr<ReportPages>;

} // namespace zort::print
