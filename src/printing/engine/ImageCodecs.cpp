#include "printing/engine/ImageCodecs.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <unordered_map>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <jpeglib.h>
#include <zlib.h>

namespace zort::print {
namespace {

// Little-endian fields of the Windows file formats.
class LeWriter {
public:
    explicit LeWriter(QByteArray& out) : m_out(out) {}
    void u16(uint32_t v) { put(v, 2); }
    void u32(uint32_t v) { put(v, 4); }
    void i32(int32_t v) { put(uint32_t(v), 4); }
    void bytes(const QByteArray& b) { m_out += b; }

private:
    void put(uint32_t v, int n) {
        for (int i = 0; i < n; ++i) m_out += char((v >> (8 * i)) & 0xff);
    }
    QByteArray& m_out;
};

int dibStride(int width) { return (width + 3) & ~3; }

// BITMAPINFOHEADER and the 256-entry colour table of a device-independent bitmap.
QByteArray dibHeader(const PaletteBitmap& b, int32_t dotsPerMeter) {
    QByteArray out;
    LeWriter w(out);
    w.u32(40);
    w.i32(b.width);
    w.i32(b.height);   // positive: rows bottom-up
    w.u16(1);
    w.u16(8);
    w.u32(0);          // BI_RGB
    w.u32(uint32_t(dibStride(b.width) * b.height));
    w.i32(dotsPerMeter);
    w.i32(dotsPerMeter);
    w.u32(256);
    w.u32(0);
    for (QRgb c : b.palette) {
        out += char(qBlue(c));
        out += char(qGreen(c));
        out += char(qRed(c));
        out += char(0);
    }
    return out;
}

QByteArray dibBits(const PaletteBitmap& b) {
    const int stride = dibStride(b.width);
    QByteArray out(qsizetype(stride) * b.height, '\0');
    for (int y = 0; y < b.height; ++y)
        std::memcpy(out.data() + qsizetype(stride) * (b.height - 1 - y), b.row(y), size_t(b.width));
    return out;
}

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

void jpegFail(j_common_ptr c) {
    std::longjmp(reinterpret_cast<JpegError*>(c->err)->jump, 1);
}

// Runs libjpeg with its default settings on rows that fill() writes.
template <class Fill>
QByteArray runJpeg(int width, int height, J_COLOR_SPACE space, int components, Fill fill) {
    jpeg_compress_struct cinfo{};
    JpegError err{};
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpegFail;
    unsigned char* mem = nullptr;
    unsigned long memSize = 0;
    std::vector<uint8_t> row(size_t(width) * size_t(components));
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::free(mem);
        throw std::runtime_error("JPEG encoding failed");
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &mem, &memSize);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW r = fill(int(cinfo.next_scanline), row.data());
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    QByteArray out(reinterpret_cast<const char*>(mem), qsizetype(memSize));
    jpeg_destroy_compress(&cinfo);
    std::free(mem);
    return out;
}

// The colours of a bitmap's rows, met from the top: each takes the next index.
class ExactPalette {
public:
    ExactPalette();
    // Writes the row's indices to out; above and outAbove are the row above and its
    // indices (null for the first row). False when the row brings a 257th colour.
    bool reduceRow(const uint32_t* in, const uint32_t* above, uint8_t* out, const uint8_t* outAbove, int width);
    const std::array<QRgb, 256>& palette() const { return m_palette; }

private:
    static constexpr int kSlots = 1024;
    std::array<uint32_t, kSlots> m_keys;
    std::array<uint8_t, kSlots> m_index{};
    std::array<uint32_t, 256> m_quickColour;
    std::array<uint8_t, 256> m_quickIndex{};
    std::array<QRgb, 256> m_palette{};
    int m_used = 0;
};

// A box of the median cut: a range of the colour list [begin, end).
struct MedianBox {
    int begin = 0;
    int end = 0;
    uint64_t population = 0;
    int range = 0;
    int channel = 0;    // 16 red, 8 green, 0 blue: the shift of the widest channel
    uint32_t mode = 0;  // the most frequent colour

    static MedianBox of(const std::vector<std::pair<uint32_t, uint32_t>>& c, int begin, int end) {
        MedianBox b;
        b.begin = begin;
        b.end = end;
        int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
        uint32_t best = 0;
        for (int i = begin; i < end; ++i) {
            const auto [colour, n] = c[size_t(i)];
            b.population += n;
            if (n > best) {
                best = n;
                b.mode = colour;
            }
            for (int ch = 0; ch < 3; ++ch) {
                const int v = int((colour >> (16 - 8 * ch)) & 0xff);
                lo[ch] = std::min(lo[ch], v);
                hi[ch] = std::max(hi[ch], v);
            }
        }
        for (int ch = 0; ch < 3; ++ch)
            if (hi[ch] - lo[ch] > b.range) {
                b.range = hi[ch] - lo[ch];
                b.channel = 16 - 8 * ch;
            }
        if (end - begin < 2) b.range = 0;
        return b;
    }

    // Sorts the box's colours along its widest channel and returns the index that
    // halves its population (both halves non-empty).
    int split(std::vector<std::pair<uint32_t, uint32_t>>& c) const {
        const int shift = channel;
        std::sort(c.begin() + begin, c.begin() + end, [shift](const auto& a, const auto& b) {
            return ((a.first >> shift) & 0xff) < ((b.first >> shift) & 0xff);
        });
        uint64_t acc = 0;
        int i = begin;
        while (i < end - 1 && (acc += c[size_t(i)].second) * 2 < population) ++i;
        return std::clamp(i + 1, begin + 1, end - 1);
    }
};

} // namespace

QImage PaletteBitmap::toImage() const {
    QImage img(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<QRgb*>(img.scanLine(y));
        const uint8_t* in = row(y);
        for (int x = 0; x < width; ++x) out[x] = palette[in[x]] | 0xff000000u;
    }
    return img;
}

PaletteBitmap toPalette(const QImage& source) {
    PaletteBitmap out;
    toPalette(source, out);
    return out;
}

namespace {

ExactPalette::ExactPalette() {
    m_keys.fill(0);   // colour keys carry 0xff in the top byte, so 0 marks a free slot
    m_quickColour.fill(0);
}

bool ExactPalette::reduceRow(const uint32_t* in, const uint32_t* above, uint8_t* dst, const uint8_t* dstAbove,
                             int width) {
    // A page is mostly rows that repeat the row above (margins, blank lines): those
    // take the row above's indices whole.
    if (above && std::memcmp(in, above, size_t(width) * 4) == 0) {
        std::memcpy(dst, dstAbove, size_t(width));
        return true;
    }
    uint32_t lastColour = 0;
    uint8_t lastIndex = 0;
    for (int x = 0; x < width; ++x) {
        const uint32_t c = in[x] | 0xff000000u;
        if (c == lastColour) {
            // A run of one colour (the paper between the letters) goes at once.
            int end = x + 1;
#if defined(__SSE2__)
            const __m128i want = _mm_set1_epi32(int(lastColour));
            const __m128i opaque = _mm_set1_epi32(int(0xff000000u));
            while (end + 4 <= width) {
                const __m128i four = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in + end)), opaque);
                if (_mm_movemask_epi8(_mm_cmpeq_epi32(four, want)) != 0xffff) break;
                end += 4;
            }
#endif
            while (end < width && (in[end] | 0xff000000u) == lastColour) ++end;
            std::memset(dst + x, lastIndex, size_t(end - x));
            x = end - 1;
            continue;
        }
        // The colours of a text page are mostly greys, one per value of the low
        // byte: a table on that byte answers them without searching.
        const uint32_t quick = c & 0xffu;
        if (m_quickColour[quick] == c) {
            lastColour = c;
            lastIndex = m_quickIndex[quick];
            dst[x] = lastIndex;
            continue;
        }
        uint32_t slot = (c * 2654435761u) >> 22;
        while (m_keys[slot] != 0 && m_keys[slot] != c) slot = (slot + 1) & (kSlots - 1);
        if (m_keys[slot] == 0) {
            if (m_used == 256) return false;
            m_keys[slot] = c;
            m_index[slot] = uint8_t(m_used);
            m_palette[size_t(m_used)] = c;
            ++m_used;
        }
        lastColour = c;
        lastIndex = m_index[slot];
        m_quickColour[quick] = c;
        m_quickIndex[quick] = lastIndex;
        dst[x] = lastIndex;
    }
    return true;
}

} // namespace

bool reduceExactly(int width, int height, const std::function<const uint32_t*(int y)>& row, PaletteBitmap& out) {
    out.width = width;
    out.height = height;
    out.pixels.resize(size_t(width) * size_t(std::max(0, height)));
    ExactPalette exact;
    for (int y = 0; y < height; ++y) {
        uint8_t* dst = out.pixels.data() + size_t(y) * size_t(width);
        const uint32_t* in = row(y);
        if (!exact.reduceRow(in, y > 0 ? in - width : nullptr, dst, dst - width, width)) return false;
    }
    out.palette = exact.palette();
    return true;
}

void toPalette(const QImage& source, PaletteBitmap& out) {
    QImage img = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
                     ? source
                     : source.convertToFormat(QImage::Format_RGB32);
    // Rows one after another, each row above just before its row below.
    if (img.bytesPerLine() != qsizetype(img.width()) * 4) img = img.copy();
    if (reduceExactly(img.width(), img.height(),
                      [&img](int y) { return reinterpret_cast<const uint32_t*>(img.constScanLine(y)); }, out))
        return;

    // More colours (pictures, charts): median cut of the colours met, each box
    // represented by its most frequent colour (so a page's white stays white).
    // Beyond 65536 distinct colours they are first cut to 5 bits per channel.
    for (int bits = 8; bits >= 5; bits -= 3) {
        const uint32_t mask = bits == 8 ? 0xffffffffu : 0xfff8f8f8u;
        const uint32_t centre = bits == 8 ? 0u : 0x00040404u;
        auto key = [&](uint32_t c) { return ((c & mask) | centre) | 0xff000000u; };
        std::unordered_map<uint32_t, uint32_t> counts;
        counts.reserve(8192);
        bool tooMany = false;
        for (int y = 0; y < out.height && !tooMany; ++y) {
            const auto* in = reinterpret_cast<const uint32_t*>(img.constScanLine(y));
            for (int x = 0; x < out.width;) {
                const uint32_t c = in[x];
                int run = 1;
                while (x + run < out.width && in[x + run] == c) ++run;
                counts[key(c)] += uint32_t(run);
                x += run;
            }
            tooMany = bits == 8 && counts.size() > 65536;
        }
        if (tooMany) continue;
        std::vector<std::pair<uint32_t, uint32_t>> colours(counts.begin(), counts.end());
        std::vector<MedianBox> boxes{MedianBox::of(colours, 0, int(colours.size()))};
        while (boxes.size() < 256) {
            auto it = std::max_element(boxes.begin(), boxes.end(), [](const MedianBox& a, const MedianBox& b) {
                return a.range != b.range ? a.range < b.range : a.population < b.population;
            });
            if (it->range == 0) break;
            const MedianBox box = *it;
            const int split = box.split(colours);
            *it = MedianBox::of(colours, box.begin, split);
            boxes.push_back(MedianBox::of(colours, split, box.end));
        }
        out.palette.fill(0xff000000u);
        std::unordered_map<uint32_t, uint8_t> index;
        index.reserve(colours.size());
        for (size_t i = 0; i < boxes.size(); ++i) {
            out.palette[i] = boxes[i].mode;
            for (int k = boxes[i].begin; k < boxes[i].end; ++k) index[colours[size_t(k)].first] = uint8_t(i);
        }
        for (int y = 0; y < out.height; ++y) {
            const auto* in = reinterpret_cast<const uint32_t*>(img.constScanLine(y));
            uint8_t* dst = out.pixels.data() + size_t(y) * size_t(out.width);
            uint32_t last = key(in[0]);
            uint8_t lastIndex = index[last];
            for (int x = 0; x < out.width; ++x) {
                const uint32_t c = key(in[x]);
                if (c != last) {
                    last = c;
                    lastIndex = index[c];
                }
                dst[x] = lastIndex;
            }
        }
        break;
    }
}

QByteArray deflateZlib(const char* data, size_t size) {
    // The same stream as compress2 at the default level (all input at once, finished
    // in one go), written out in pieces: the buffer grows with the compressed bytes
    // instead of being sized for the worst case of the whole input.
    z_stream z{};
    if (deflateInit(&z, Z_DEFAULT_COMPRESSION) != Z_OK) throw std::runtime_error("zlib compression failed");
    QByteArray out;
    constexpr qsizetype kPiece = 64 * 1024;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
    z.avail_in = uInt(size);
    int status = Z_OK;
    while (status == Z_OK) {
        const qsizetype at = out.size();
        out.resize(at + kPiece);
        z.next_out = reinterpret_cast<Bytef*>(out.data() + at);
        z.avail_out = uInt(kPiece);
        status = deflate(&z, Z_FINISH);
        out.resize(at + kPiece - qsizetype(z.avail_out));
    }
    deflateEnd(&z);
    if (status != Z_STREAM_END) throw std::runtime_error("zlib compression failed");
    out.squeeze();
    return out;
}

QByteArray encodeJpeg(const PaletteBitmap& b) {
    return runJpeg(b.width, b.height, JCS_RGB, 3, [&b](int y, uint8_t* row) {
        const uint8_t* in = b.row(y);
        for (int x = 0; x < b.width; ++x) {
            const QRgb c = b.palette[in[x]];
            row[3 * x] = uint8_t(qRed(c));
            row[3 * x + 1] = uint8_t(qGreen(c));
            row[3 * x + 2] = uint8_t(qBlue(c));
        }
        return row;
    });
}

QByteArray encodeJpeg(int width, int height, const std::function<const uint32_t*(int y)>& row) {
    // Qt's 32-bit pixels lie in memory as blue, green, red, unused.
    return runJpeg(width, height, JCS_EXT_BGRX, 4, [&row](int y, uint8_t*) {
        return reinterpret_cast<JSAMPROW>(const_cast<uint32_t*>(row(y)));
    });
}

QByteArray encodeJpeg(const QImage& source) {
    const QImage img = source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    // Qt's 32-bit pixels lie in memory as blue, green, red, unused.
    return runJpeg(img.width(), img.height(), JCS_EXT_BGRX, 4, [&img](int y, uint8_t*) {
        return const_cast<JSAMPROW>(img.constScanLine(y));
    });
}

QByteArray bmpFile(const PaletteBitmap& b, double dotsPerMeter) {
    const QByteArray header = dibHeader(b, int32_t(dotsPerMeter + 0.5));
    const QByteArray bits = dibBits(b);
    QByteArray out;
    LeWriter w(out);
    out += "BM";
    w.u32(uint32_t(14 + header.size() + bits.size()));
    w.u32(0);
    w.u32(uint32_t(14 + header.size()));
    out += header;
    out += bits;
    return out;
}

QByteArray emfFile(const PaletteBitmap& b, const QSizeF& frameMm) {
    const QByteArray bmi = dibHeader(b, int32_t(b.width / (frameMm.width() / 1000.0) + 0.5));
    const QByteArray bits = dibBits(b);
    constexpr uint32_t kHeaderSize = 108;
    constexpr uint32_t kStretchFixed = 80;
    const uint32_t stretchSize = kStretchFixed + uint32_t(bmi.size() + bits.size());
    constexpr uint32_t kEofSize = 20;
    const uint32_t total = kHeaderSize + stretchSize + kEofSize;
    const int mmW = int(frameMm.width() + 0.5), mmH = int(frameMm.height() + 0.5);

    QByteArray out;
    LeWriter w(out);
    // EMR_HEADER: the reference device is the bitmap itself, frameMm wide.
    w.u32(1);
    w.u32(kHeaderSize);
    w.i32(0); w.i32(0); w.i32(b.width - 1); w.i32(b.height - 1);              // bounds
    w.i32(0); w.i32(0); w.i32(int(frameMm.width() * 100) - 1); w.i32(int(frameMm.height() * 100) - 1);  // frame
    w.u32(0x464D4520);                                                       // " EMF"
    w.u32(0x00010000);
    w.u32(total);
    w.u32(3);                                                                // records
    w.u16(1);                                                                // handles
    w.u16(0);
    w.u32(0); w.u32(0);                                                      // no description
    w.u32(0);                                                                // palette entries
    w.i32(b.width); w.i32(b.height);                                         // device, pixels
    w.i32(mmW); w.i32(mmH);                                                  // device, millimetres
    w.u32(0); w.u32(0); w.u32(0);                                            // no pixel format, no OpenGL
    w.i32(int(frameMm.width() * 1000)); w.i32(int(frameMm.height() * 1000)); // micrometres
    // EMR_STRETCHDIBITS
    w.u32(81);
    w.u32(stretchSize);
    w.i32(0); w.i32(0); w.i32(b.width - 1); w.i32(b.height - 1);
    w.i32(0); w.i32(0);                                                      // destination
    w.i32(0); w.i32(0); w.i32(b.width); w.i32(b.height);                     // source
    w.u32(kStretchFixed);
    w.u32(uint32_t(bmi.size()));
    w.u32(kStretchFixed + uint32_t(bmi.size()));
    w.u32(uint32_t(bits.size()));
    w.u32(0);                                                                // DIB_RGB_COLORS
    w.u32(0x00CC0020);                                                       // SRCCOPY
    w.i32(b.width); w.i32(b.height);
    out += bmi;
    out += bits;
    // EMR_EOF
    w.u32(14);
    w.u32(kEofSize);
    w.u32(0);
    w.u32(16);
    w.u32(kEofSize);
    return out;
}

QByteArray wmfFile(const PaletteBitmap& b, int dotsPerInch) {
    const QByteArray bmi = dibHeader(b, int32_t(dotsPerInch / 0.0254 + 0.5));
    const QByteArray bits = dibBits(b);
    const uint32_t orgWords = 5, extWords = 5;
    const uint32_t stretchWords = uint32_t(3 + 2 + 1 + 8 + (bmi.size() + bits.size()) / 2);
    const uint32_t eofWords = 3;
    const uint32_t totalWords = 9 + orgWords + extWords + stretchWords + eofWords;

    QByteArray out;
    LeWriter w(out);
    // Placeable header: the picture's size in its own units and their number per inch.
    QByteArray placeable;
    LeWriter p(placeable);
    p.u32(0x9AC6CDD7);
    p.u16(0);
    p.u16(0); p.u16(0); p.u16(uint32_t(b.width)); p.u16(uint32_t(b.height));
    p.u16(uint32_t(dotsPerInch));
    p.u32(0);
    uint16_t sum = 0;
    for (int i = 0; i < 20; i += 2) sum ^= uint16_t(uint8_t(placeable[i]) | (uint8_t(placeable[i + 1]) << 8));
    p.u16(sum);
    out += placeable;
    // META_HEADER
    w.u16(1);
    w.u16(9);
    w.u16(0x0300);
    w.u32(totalWords);
    w.u16(0);
    w.u32(stretchWords);
    w.u16(0);
    // META_SETWINDOWORG, META_SETWINDOWEXT (y before x)
    w.u32(orgWords); w.u16(0x020B); w.u16(0); w.u16(0);
    w.u32(extWords); w.u16(0x020C); w.u16(uint32_t(b.height)); w.u16(uint32_t(b.width));
    // META_STRETCHDIB
    w.u32(stretchWords);
    w.u16(0x0F43);
    w.u32(0x00CC0020);
    w.u16(0);                                             // DIB_RGB_COLORS
    w.u16(uint32_t(b.height)); w.u16(uint32_t(b.width));  // source height, width
    w.u16(0); w.u16(0);                                   // source y, x
    w.u16(uint32_t(b.height)); w.u16(uint32_t(b.width));  // destination height, width
    w.u16(0); w.u16(0);                                   // destination y, x
    out += bmi;
    out += bits;
    // META_EOF
    w.u32(eofWords);
    w.u16(0);
    return out;
}

} // namespace zort::print
