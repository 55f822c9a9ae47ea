#include "printing/engine/DisplayList.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace zort::print {

QStringList Page::texts() const {
    QStringList out;
    for (const DrawItem& i : items)
        if (i.kind == DrawItem::Kind::Text) out << i.text;
    return out;
}

const DrawItem* Page::findText(const QString& text, bool prefix) const {
    for (const DrawItem& i : items)
        if (i.kind == DrawItem::Kind::Text && (prefix ? i.text.startsWith(text) : i.text == text))
            return &i;
    return nullptr;
}

namespace {

// How far up and down the item's drawing reaches, in units from the sheet's top
// (generously: a glyph may reach past the font's ascent, a pen past its line).
QPointF verticalReach(const DrawItem& i) {
    switch (i.kind) {
    case DrawItem::Kind::Text: {
        const double em = std::max(i.font.size, 1.0) * kUnitsPerInch / 72.0;
        double top = i.origin.y() - 2 * em, bottom = i.origin.y() + em;
        if (i.clip.isValid()) {
            top = std::max(top, i.clip.top());
            bottom = std::min(bottom, i.clip.bottom());
        }
        return QPointF(top, bottom);
    }
    case DrawItem::Kind::Line:
    case DrawItem::Kind::Rect: {
        const double pen = std::abs(i.penWidth) + 1;
        return QPointF(std::min(i.rect.top(), i.rect.bottom()) - pen, std::max(i.rect.top(), i.rect.bottom()) + pen);
    }
    case DrawItem::Kind::Image:
        return QPointF(std::min(i.rect.top(), i.rect.bottom()) - 1, std::max(i.rect.top(), i.rect.bottom()) + 1);
    }
    return QPointF(-1e9, 1e9);
}

} // namespace

void Page::paint(QPainter& p, const QRectF& target, ThreadShaper* shaper) const {
    paintItems(p, target, shaper, nullptr);
}

void Page::paintItems(QPainter& p, const QRectF& target, ThreadShaper* shaper, const QPointF* reach) const {
    const QSizeF s = size();
    const double scale = target.width() / s.width();
    p.save();
    // Rules and boxes are drawn sharp: report pages then keep to few colours (the
    // text's grey levels), which the 8-bit exports hold exactly.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.translate(target.topLeft());
    p.scale(scale, scale);
    p.setClipRect(QRectF(QPointF(0, 0), s), Qt::IntersectClip);
    for (const DrawItem& i : items) {
        if (reach) {
            const QPointF r = verticalReach(i);
            if (r.y() < reach->x() || r.x() > reach->y()) continue;
        }
        switch (i.kind) {
        case DrawItem::Kind::Text: {
            if (i.text.isEmpty()) break;
            const bool clipped = i.clip.isValid();
            if (clipped) {
                p.save();
                p.setClipRect(i.clip, Qt::IntersectClip);
            }
            p.setPen(i.color);
            if (!shaper && !i.glyphs) i.glyphs = ReferenceDevice::shape(i.font, i.text);
            p.save();
            p.translate(i.origin);
            p.scale(1 / ReferenceDevice::kPixelsPerUnit, 1 / ReferenceDevice::kPixelsPerUnit);
            for (const QGlyphRun& run : shaper ? shaper->shape(i.font, i.text) : *i.glyphs)
                p.drawGlyphRun(QPointF(0, 0), run);
            p.restore();
            if (clipped) p.restore();
            break;
        }
        case DrawItem::Kind::Line:
            if (i.penWidth <= 0 || i.rect.isNull()) break;
            p.setPen(QPen(i.color, i.penWidth, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(i.line());
            break;
        case DrawItem::Kind::Rect:
            p.setPen(i.penWidth > 0 ? QPen(i.color, i.penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin)
                                    : QPen(Qt::NoPen));
            p.setBrush(i.fill.alpha() ? QBrush(i.fill) : QBrush(Qt::NoBrush));
            p.drawRect(i.rect);
            break;
        case DrawItem::Kind::Image:
            if (i.image && !i.image->isNull()) p.drawImage(i.rect, *i.image);
            break;
        }
    }
    p.restore();
}

void ReportPages::append(const ReportPages& other) {
    for (const Page& p : other.m_pages) m_pages.push_back(p);
}

QImage Page::image(const QSize& px) const {
    QImage img;
    drawInto(img, px);
    return img;
}

namespace {

#if defined(__linux__)
// A page bitmap (tens of megabytes) takes its memory from the system and gives it
// back when it goes: the allocator would keep it for later, in the pool of the
// thread that freed it, so that exports on several threads would hold several
// copies of the freed pages.
void unmapBitmap(void* info) {
    auto* size = static_cast<size_t*>(info);
    // The address is kept before the size.
    munmap(reinterpret_cast<void**>(size)[-1], *size);
    delete[] (reinterpret_cast<void**>(size) - 1);
}

QImage newBitmap(const QSize& px) {
    const qsizetype line = qsizetype(px.width()) * 4;
    const size_t bytes = size_t(line) * size_t(std::max(0, px.height()));
    if (px.isEmpty() || bytes < (size_t(1) << 20)) return QImage(px, QImage::Format_RGB32);
    void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) return QImage(px, QImage::Format_RGB32);
    auto* info = new void*[2];
    info[0] = memory;
    *reinterpret_cast<size_t*>(&info[1]) = bytes;
    return QImage(static_cast<uchar*>(memory), px.width(), px.height(), line, QImage::Format_RGB32, unmapBitmap,
                  &info[1]);
}
#else
QImage newBitmap(const QSize& px) { return QImage(px, QImage::Format_RGB32); }
#endif

} // namespace

void Page::drawInto(QImage& img, const QSize& px, ThreadShaper* shaper) const {
    if (img.size() != px || img.format() != QImage::Format_RGB32) img = newBitmap(px);
    const int dpm = int(kUnitsPerInch * px.width() / size().width() / 0.0254 + 0.5);
    img.setDotsPerMeterX(dpm);
    img.setDotsPerMeterY(dpm);
    img.fill(Qt::white);
    QPainter p(&img);
    paint(p, QRectF(QPointF(0, 0), QSizeF(px)), shaper);
    p.end();
}

void Page::drawStrip(QImage& strip, const QSize& px, int top, ThreadShaper* shaper) const {
    strip.fill(Qt::white);
    const double scale = px.width() / size().width();
    // The rows in units, a few pixels wider (antialiased edges).
    const QPointF reach((top - 4) / scale, (top + strip.height() + 4) / scale);
    QPainter p(&strip);
    paintItems(p, QRectF(QPointF(0, -top), QSizeF(px)), shaper, &reach);
    p.end();
}

PageRows::PageRows(const Page& page, const QSize& pixels, Buffers& buffers, ThreadShaper* shaper, int stripRows)
    : m_page(page), m_size(pixels), m_buffers(buffers), m_shaper(shaper), m_stripRows(std::max(1, stripRows)) {
    QImage& strip = m_buffers.strip;
    if (strip.width() != pixels.width() || strip.height() != m_stripRows + 1 || strip.format() != QImage::Format_RGB32)
        strip = QImage(pixels.width(), m_stripRows + 1, QImage::Format_RGB32);
}

const uint32_t* PageRows::row(int y) {
    QImage& strip = m_buffers.strip;
    const qsizetype line = strip.bytesPerLine();
    if (y < m_top || y >= m_size.height()) throw std::out_of_range("page row out of order");
    while (y >= m_top + m_rows) {
        // The next strip, below the last row of this one (the row above its first).
        if (m_rows > 0) std::memcpy(strip.bits(), strip.constScanLine(m_rows), size_t(line));
        m_top += m_rows;
        m_rows = std::min(m_stripRows, m_size.height() - m_top);
        QImage rows(strip.bits() + line, m_size.width(), m_rows, line, QImage::Format_RGB32);
        m_page.drawStrip(rows, m_size, m_top, m_shaper);
    }
    return reinterpret_cast<const uint32_t*>(strip.constScanLine(1 + y - m_top));
}

const QImage& PageRows::whole() {
    if (!m_whole) m_page.drawInto(m_buffers.whole, m_size, m_shaper);
    m_whole = true;
    return m_buffers.whole;
}

QImage ReportPages::pageImage(int number, double pixelsPerUnit, QImage::Format format) const {
    const Page& pg = page(number);
    const QImage img = pg.image((pg.size() * pixelsPerUnit).toSize());
    return format == QImage::Format_RGB32 ? img : img.convertToFormat(format);
}

bool ReportPages::print(QPrinter& printer) const {
    QPainter painter;
    for (int n = 1; n <= pageCount(); ++n) {
        const Page& pg = page(n);
        printer.setFullPage(true);
        printer.setPageLayout(pg.setup.pageLayout());
        if (n == 1) {
            if (!painter.begin(&printer)) return false;
        } else if (!printer.newPage()) {
            painter.end();
            return false;
        }
        const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
        pg.paint(painter, QRectF(QPointF(0, 0), paper.size()));
    }
    return !painter.isActive() || painter.end();
}

QStringList ReportPages::texts() const {
    QStringList out;
    for (const Page& p : m_pages) out << p.texts();
    return out;
}

} // namespace zort::print
