#include "printing/engine/PageGeometry.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QTextLayout>

namespace zort::print {

QSizeF PageSetup::sizeMm() const {
    const QSizeF portrait = paper == Paper::A4 ? QSizeF(210, 297) : QSizeF(215.9, 279.4);
    return landscape() ? portrait.transposed() : portrait;
}

QSizeF PageSetup::size() const {
    const QSizeF m = sizeMm();
    return QSizeF(mm(m.width()), mm(m.height()));
}

QSize PageSetup::points() const {
    const QSize portrait = paper == Paper::A4 ? QSize(596, 842) : QSize(612, 792);
    return landscape() ? portrait.transposed() : portrait;
}

QString FontSpec::mappedFamily(const QString& family) {
    static const QHash<QString, QString> map = {
        {QStringLiteral("arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("helvetica"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("ms sans serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("microsoft sans serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("tahoma"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("verdana"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("arial narrow"), QStringLiteral("Liberation Sans Narrow")},
        {QStringLiteral("times new roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("times"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("courier new"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("courier"), QStringLiteral("Liberation Mono")},
    };
    return map.value(family.trimmed().toLower(), family);
}

QPageLayout PageSetup::pageLayout() const {
    return QPageLayout(QPageSize(paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter),
                       landscape() ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

QFont FontSpec::qfontFor(double deviceDpi) const {
    QFont f(mappedFamily(family));
    f.setPointSizeF(size * kUnitsPerInch / deviceDpi);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStrikeOut(strikeOut);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

QImage ReferenceDevice::makeDevice() {
    QImage i(8, 8, QImage::Format_RGB32);
    const int dpm = int(kUnitsPerInch * kPixelsPerUnit / 0.0254 + 0.5);
    i.setDotsPerMeterX(dpm);
    i.setDotsPerMeterY(dpm);
    return i;
}

QPaintDevice* ReferenceDevice::device() {
    static QImage image = makeDevice();
    return &image;
}

QString ReferenceDevice::fontKey(const FontSpec& fontSpec) {
    return QStringLiteral("%1|%2|%3%4%5%6")
        .arg(fontSpec.family)
        .arg(fontSpec.size)
        .arg(int(fontSpec.bold))
        .arg(int(fontSpec.italic))
        .arg(int(fontSpec.underline))
        .arg(int(fontSpec.strikeOut));
}

QFont ReferenceDevice::font(const FontSpec& fontSpec) {
    // At the reference resolution one point is 960/72 pixels: the plain point size
    // gives the pixel size in tenths of units.
    // The fonts are kept: a font held keeps its font engine, which Qt would otherwise
    // drop and load again between the lines of a long text (most of the cost of
    // measuring and shaping them).
    static QHash<QString, QFont> fonts;
    const QString key = fontKey(fontSpec);
    const auto it = fonts.constFind(key);
    if (it != fonts.constEnd()) return *it;
    if (fonts.size() > 256) fonts.clear();
    return *fonts.insert(key, QFont(fontSpec.qfontFor(kUnitsPerInch), device()));
}

double ReferenceDevice::textWidth(const FontSpec& fontSpec, const QString& text) {
    return QFontMetricsF(font(fontSpec), device()).horizontalAdvance(text) / kPixelsPerUnit;
}

double ReferenceDevice::lineHeight(const FontSpec& fontSpec) {
    return QFontMetricsF(font(fontSpec), device()).lineSpacing() / kPixelsPerUnit;
}

double ReferenceDevice::ascent(const FontSpec& fontSpec) {
    return QFontMetricsF(font(fontSpec), device()).ascent() / kPixelsPerUnit;
}

std::shared_ptr<const QList<QGlyphRun>> ReferenceDevice::shape(const FontSpec& fontSpec, const QString& text) {
    return shapeOn(font(fontSpec), device(), text);
}

std::shared_ptr<const QList<QGlyphRun>> ReferenceDevice::shapeOn(const QFont& font, QPaintDevice* device,
                                                                 const QString& text) {
    QTextLayout layout(text, font, device);
    QTextOption opt;
    opt.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(opt);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) line.setPosition(QPointF(0, 0));
    layout.endLayout();
    auto runs = std::make_shared<QList<QGlyphRun>>();
    if (!line.isValid()) return runs;
    const double ascent = line.ascent();
    for (QGlyphRun run : line.glyphRuns()) {
        QList<QPointF> pos = run.positions();
        for (QPointF& p : pos) p.ry() -= ascent;
        run.setPositions(pos);
        run.setUnderline(false);
        run.setStrikeOut(false);
        runs->append(run);
    }
    return runs;
}

struct ThreadShaper::Data {
    QImage device = ReferenceDevice::makeDevice();
    QHash<QString, QFont> fonts;
    QHash<QString, std::shared_ptr<const QList<QGlyphRun>>> runs;   // font key + text
};

ThreadShaper::ThreadShaper() : d(std::make_unique<Data>()) {}

// The glyphs go before the fonts they were shaped with.
ThreadShaper::~ThreadShaper() { d->runs.clear(); }

const QList<QGlyphRun>& ThreadShaper::shape(const FontSpec& fontSpec, const QString& text) {
    const QString fontKey = ReferenceDevice::fontKey(fontSpec);
    const QString key = fontKey + QChar(0) + text;
    auto it = d->runs.constFind(key);
    if (it != d->runs.constEnd()) return **it;
    if (d->runs.size() > 8192) d->runs.clear();
    auto font = d->fonts.constFind(fontKey);
    if (font == d->fonts.constEnd())
        font = d->fonts.insert(fontKey, QFont(fontSpec.qfontFor(kUnitsPerInch), &d->device));
    return **d->runs.insert(key, ReferenceDevice::shapeOn(*font, &d->device, text));
}

} // namespace zort::print
