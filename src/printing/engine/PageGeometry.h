#pragma once
#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <memory>
#include <QSize>
#include <QSizeF>
#include <QString>

class QPaintDevice;

namespace zort::print {

// Report units. Every position and size of the report engine is in units of
// 1/96 inch: the "screen units" of the report forms, in which an A4 page is 794
// wide. Forms written in millimetres or points convert with mm() and pt().
inline constexpr double kUnitsPerInch = 96.0;
constexpr double mm(double millimetres) { return millimetres * kUnitsPerInch / 25.4; }
constexpr double pt(double points) { return points * kUnitsPerInch / 72.0; }
constexpr double toMm(double units) { return units * 25.4 / kUnitsPerInch; }
constexpr double toPoints(double units) { return units * 72.0 / kUnitsPerInch; }

enum class Paper { A4, Letter };
enum class Orientation { Portrait, Landscape };

// Paper, orientation and margins of a report (margins in units; 10 mm each by
// default, as every document form of the program has them).
struct PageSetup {
    Paper paper = Paper::A4;
    Orientation orientation = Orientation::Portrait;
    double leftMargin = mm(10);
    double topMargin = mm(10);
    double rightMargin = mm(10);
    double bottomMargin = mm(10);

    bool landscape() const { return orientation == Orientation::Landscape; }
    // The sheet in millimetres and in units, oriented.
    QSizeF sizeMm() const;
    QSizeF size() const;
    // The sheet in whole PDF points: A4 596 x 842, Letter 612 x 792 (portrait).
    QSize points() const;
    // The sheet for a printer or a PDF writer: paper and orientation, no margins
    // (the pages carry their own).
    QPageLayout pageLayout() const;
    // The printable width between the margins.
    double contentWidth() const { return size().width() - leftMargin - rightMargin; }
    bool operator==(const PageSetup&) const = default;
};

// A font as the report forms name it: the Windows family names of the forms
// ("Arial", "Times New Roman", "Courier New", "Verdana", ...) are mapped to
// metric-compatible free families that carry every Polish letter.
struct FontSpec {
    QString family = QStringLiteral("Arial");
    double size = 10;   // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor color = Qt::black;

    FontSpec() = default;
    FontSpec(const QString& f, double s, bool b = false, bool i = false)
        : family(f), size(s), bold(b), italic(i) {}
    FontSpec withSize(double s) const { FontSpec c = *this; c.size = s; return c; }
    FontSpec withBold(bool b = true) const { FontSpec c = *this; c.bold = b; return c; }
    FontSpec withItalic(bool i = true) const { FontSpec c = *this; c.italic = i; return c; }
    FontSpec withUnderline(bool u = true) const { FontSpec c = *this; c.underline = u; return c; }
    bool operator==(const FontSpec&) const = default;

    // The free family that stands in for a form's family name.
    static QString mappedFamily(const QString& family);
    // The Qt font for a device of the given logical resolution, sized so that a
    // painter whose transform maps report units to device pixels draws it at its
    // point size.
    QFont qfontFor(double deviceDpi) const;
};

// The one reference device on which every text of every report is measured and
// broken into lines, so that line breaks and page counts are the same in the
// preview, on paper, in page images and in PDF files. It has ten device pixels
// per report unit.
class ReferenceDevice {
public:
    static constexpr double kPixelsPerUnit = 10.0;
    static QPaintDevice* device();
    // A font of the fontSpec, resolved for the reference device.
    static QFont font(const FontSpec& fontSpec);
    // Advance width of a single-line text, in units.
    static double textWidth(const FontSpec& fontSpec, const QString& text);
    // Line spacing and ascent of the font, in units.
    static double lineHeight(const FontSpec& fontSpec);
    static double ascent(const FontSpec& fontSpec);
    // The glyphs of a single-line text shaped once on the reference device, with
    // their baseline at y = 0, in reference pixels (kPixelsPerUnit per unit).
    // Drawing these everywhere puts every glyph at the same place on every device.
    static std::shared_ptr<const QList<QGlyphRun>> shape(const FontSpec& fontSpec, const QString& text);

private:
    friend class ThreadShaper;
    static QString fontKey(const FontSpec& fontSpec);
    static QImage makeDevice();
    static std::shared_ptr<const QList<QGlyphRun>> shapeOn(const QFont& font, QPaintDevice* device, const QString& text);
};

// The reference device of a thread that draws pages besides the one that laid them
// out. Qt's fonts and the glyphs shaped with them belong to the thread that made
// them, so such a thread shapes the texts again with fonts of its own: the same
// fonts at the same resolution give the same glyphs at the same places. Used by
// one thread only; it keeps what it shaped for the pages that follow.
class ThreadShaper {
public:
    ThreadShaper();
    ~ThreadShaper();
    ThreadShaper(const ThreadShaper&) = delete;
    ThreadShaper& operator=(const ThreadShaper&) = delete;
    const QList<QGlyphRun>& shape(const FontSpec& fontSpec, const QString& text);

private:
    struct Data;
    std::unique_ptr<Data> d;
};

} // namespace zort::print
