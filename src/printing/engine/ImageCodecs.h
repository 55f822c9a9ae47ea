#pragma once
#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace zort::print {

// A bitmap of 8 bits per pixel with a palette of exactly 256 entries. Rows run from
// the top down and are exactly `width` bytes long (no padding).
struct PaletteBitmap {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
    std::array<QRgb, 256> palette{};

    const uint8_t* row(int y) const { return pixels.data() + size_t(y) * size_t(width); }
    // Back to 32-bit colours (tests, image checks).
    QImage toImage() const;
};

// Reduces a 32-bit bitmap to at most 256 colours: exactly when it has no more
// (report pages nearly always), else by a median cut of its colours.
PaletteBitmap toPalette(const QImage& image);
// The same into a bitmap the caller keeps, its memory used again when the size is
// the same (a walk over many pages).
void toPalette(const QImage& image, PaletteBitmap& into);

// The exact reduction of a bitmap whose rows row(y) gives, y counting up from 0, the
// row above each lying just before it in memory: each colour takes the next index
// as it is first met, so the result is that of toPalette. False (out then partly
// written) as soon as a 257th colour comes.
bool reduceExactly(int width, int height, const std::function<const uint32_t*(int y)>& row, PaletteBitmap& out);

// zlib's deflate at the default level, with the zlib header (what a PDF's
// FlateDecode filter reads).
QByteArray deflateZlib(const char* data, size_t size);
inline QByteArray deflateZlib(const QByteArray& data) { return deflateZlib(data.constData(), size_t(data.size())); }

// A baseline JPEG with the encoder's default settings (quality 75).
QByteArray encodeJpeg(const PaletteBitmap& bitmap);
QByteArray encodeJpeg(const QImage& rgb32);
// The same of rows of 32-bit pixels that row(y) gives, y counting up from 0.
QByteArray encodeJpeg(int width, int height, const std::function<const uint32_t*(int y)>& row);

// Windows bitmap files and metafiles that carry an 8-bit bitmap.
QByteArray bmpFile(const PaletteBitmap& bitmap, double dotsPerMeter);
// An enhanced metafile whose one drawing record stretches the bitmap over the
// frame (the page's size in millimetres).
QByteArray emfFile(const PaletteBitmap& bitmap, const QSizeF& frameMm);
// A placeable Windows metafile with the same single bitmap record; dotsPerInch
// gives its physical size.
QByteArray wmfFile(const PaletteBitmap& bitmap, int dotsPerInch);

} // namespace zort::print
