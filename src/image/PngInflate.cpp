// From IDAT bytes to non-interlaced scanlines: inflate with zlib into
// buffers sized from the header, unfilter, and spread Adam7 passes out.

#include <zlib.h>

#include <atomic>
#include <cstring>
#include <new>

#include "image/Png.h"
#include "image/PngImage.h"

namespace {

std::atomic<uint64_t> g_sizeLimit{kDefaultImageSizeLimit};

constexpr uint64_t kTooLarge = ~uint64_t{0};

// Adam7: first row, first column, row step, column step of each pass.
constexpr int kPassRow[7] = {0, 0, 4, 0, 2, 0, 1};
constexpr int kPassColumn[7] = {0, 4, 0, 2, 0, 1, 0};
constexpr int kPassRowStep[7] = {8, 8, 8, 4, 4, 2, 2};
constexpr int kPassColumnStep[7] = {8, 8, 4, 4, 2, 2, 1};

uint64_t passExtent(uint64_t size, int start, int step) {
    return size > static_cast<uint64_t>(start) ? (size - start + step - 1) / step : 0;
}

/// Scanline size with its filter byte.
uint64_t lineBytes(uint64_t width, int bitsPerPixel) {
    return (width * static_cast<uint64_t>(bitsPerPixel) + 7) / 8 + 1;
}

/// Filtered bytes of an image (or pass) of this size; kTooLarge past the
/// limit. The widths and heights are below 2^31 and rows beyond the limit
/// are turned away before multiplying, so nothing here can wrap.
uint64_t filteredBytes(uint64_t width, uint64_t height, int bitsPerPixel) {
    if (width == 0 || height == 0) return 0;
    uint64_t row = lineBytes(width, bitsPerPixel);
    if (row > g_sizeLimit) return kTooLarge;
    uint64_t total = row * height;
    return total > g_sizeLimit ? kTooLarge : total;
}

/// The zlib stream spread over a run of consecutive IDAT chunks, read in
/// pieces so that Adam7 passes need no buffer for all of them at once.
class CLSIdatReader {
  public:
    CLSIdatReader(const CLSPngChunk& first, CLSPngChunkCursor& cursor)
        : m_cursor(cursor), m_input(first.data), m_inputLeft(first.length) {}
    ~CLSIdatReader() {
        if (m_ready) inflateEnd(&m_z);
    }
    CLSIdatReader(const CLSIdatReader&) = delete;
    CLSIdatReader& operator=(const CLSIdatReader&) = delete;

    bool init() {
        m_ready = inflateInit(&m_z) == Z_OK;
        return m_ready;
    }

    /// Fills out with the next n bytes of scanlines. Once the stream has
    /// ended the rest is zeros; running out of IDAT data before the stream
    /// ends is a truncated image, and any other inflate error rejects it.
    bool read(uint8_t* out, size_t n) {
        m_z.next_out = out;
        size_t outLeft = n;
        while (outLeft > 0 && !m_ended) {
            if (m_z.avail_in == 0) {
                if (m_inputLeft == 0) {
                    if (!m_cursor.nextIs(ChunkType("IDAT"))) return false;
                    CLSPngChunk chunk;
                    m_cursor.next(chunk);
                    m_input = chunk.data;
                    m_inputLeft = chunk.length;
                    continue;
                }
                // avail_in and avail_out are 32-bit: large buffers go in slices.
                uInt slice = static_cast<uInt>(m_inputLeft < kSlice ? m_inputLeft : kSlice);
                m_z.next_in = const_cast<Bytef*>(m_input);
                m_z.avail_in = slice;
                m_input += slice;
                m_inputLeft -= slice;
            }
            uInt outSlice = static_cast<uInt>(outLeft < kSlice ? outLeft : kSlice);
            m_z.avail_out = outSlice;
            int result = inflate(&m_z, Z_NO_FLUSH);
            outLeft -= outSlice - m_z.avail_out;
            if (result == Z_STREAM_END) {
                m_ended = true;
            } else if (result != Z_OK && !(result == Z_BUF_ERROR && m_z.avail_in == 0)) {
                return false;
            }
        }
        std::memset(out + (n - outLeft), 0, outLeft);
        return true;
    }

    /// Steps over the rest of the IDAT run: it belongs to the stream just read.
    void skipRest() {
        CLSPngChunk rest;
        while (m_cursor.nextIs(ChunkType("IDAT")))
            m_cursor.next(rest);
    }

  private:
    static constexpr size_t kSlice = 0x40000000u;
    CLSPngChunkCursor& m_cursor;
    z_stream m_z{};
    bool m_ready = false;
    bool m_ended = false;
    const uint8_t* m_input;
    size_t m_inputLeft;
};

inline uint8_t paeth(int a, int b, int c) {
    int p = b - c;
    int q = a - c;
    int pa = p < 0 ? -p : p;
    int pb = q < 0 ? -q : q;
    int pc = p + q < 0 ? -(p + q) : p + q;
    // Ties go to left, then above, then upper-left.
    int best = a;
    if (pb < pa) {
        pa = pb;
        best = b;
    }
    if (pc < pa) best = c;
    return static_cast<uint8_t>(best);
}

void unfilterLine(uint8_t filter, uint8_t* row, const uint8_t* prev, size_t n, size_t bpp) {
    switch (filter) {
        case 1:
            for (size_t i = bpp; i < n; ++i)
                row[i] = static_cast<uint8_t>(row[i] + row[i - bpp]);
            break;
        case 2:
            for (size_t i = 0; i < n; ++i)
                row[i] = static_cast<uint8_t>(row[i] + prev[i]);
            break;
        case 3: {
            size_t head = bpp < n ? bpp : n;
            for (size_t i = 0; i < head; ++i)
                row[i] = static_cast<uint8_t>(row[i] + (prev[i] >> 1));
            for (size_t i = bpp; i < n; ++i)
                row[i] = static_cast<uint8_t>(row[i] + ((row[i - bpp] + prev[i]) >> 1));
            break;
        }
        case 4: {
            // Before the first pixel left and upper-left are zero, which
            // makes the predictor the byte above.
            size_t head = bpp < n ? bpp : n;
            for (size_t i = 0; i < head; ++i)
                row[i] = static_cast<uint8_t>(row[i] + prev[i]);
            for (size_t i = bpp; i < n; ++i)
                row[i] = static_cast<uint8_t>(row[i] + paeth(row[i - bpp], prev[i], prev[i - bpp]));
            break;
        }
        default:
            break;  // none, or an unknown filter: the line stays as it is
    }
}

/// Places the unfiltered pass pixels into the full-size rows.
void spreadPass(const uint8_t* pass, size_t passLine, uint64_t passWidth, uint64_t passHeight,
                int p, uint8_t* rows, size_t rowBytes, int bitsPerPixel) {
    for (uint64_t r = 0; r < passHeight; ++r) {
        const uint8_t* src = pass + r * passLine + 1;
        uint8_t* dst = rows + (kPassRow[p] + r * kPassRowStep[p]) * rowBytes + 1;
        uint64_t x = kPassColumn[p];
        if (bitsPerPixel >= 8) {
            size_t pixelBytes = static_cast<size_t>(bitsPerPixel / 8);
            for (uint64_t i = 0; i < passWidth; ++i, x += kPassColumnStep[p])
                std::memcpy(dst + x * pixelBytes, src + i * pixelBytes, pixelBytes);
            continue;
        }
        unsigned mask = (1u << bitsPerPixel) - 1;
        for (uint64_t i = 0; i < passWidth; ++i, x += kPassColumnStep[p]) {
            uint64_t srcBit = i * bitsPerPixel;
            unsigned value = (src[srcBit >> 3] >> (8 - bitsPerPixel - (srcBit & 7))) & mask;
            uint64_t dstBit = x * bitsPerPixel;
            dst[dstBit >> 3] |= static_cast<uint8_t>(value << (8 - bitsPerPixel - (dstBit & 7)));
        }
    }
}

}  // namespace

uint64_t ImageSizeLimit() {
    return g_sizeLimit;
}

void SetImageSizeLimit(uint64_t bytes) {
    g_sizeLimit = bytes < (uint64_t{1} << 40) ? bytes : (uint64_t{1} << 40);
}

void UnfilterRows(uint8_t* rows, size_t rowBytes, size_t rowCount, int bytesPerPixel) {
    if (rowBytes < 2 || rowCount == 0) return;
    size_t n = rowBytes - 1;
    size_t bpp = static_cast<size_t>(bytesPerPixel);
    // The line above the first is zeros; one zero line serves for it.
    std::unique_ptr<uint8_t[]> zeros(new uint8_t[n]());
    const uint8_t* prev = zeros.get();
    for (size_t y = 0; y < rowCount; ++y) {
        uint8_t* line = rows + y * rowBytes;
        unfilterLine(line[0], line + 1, prev, n, bpp);
        line[0] = 0;
        prev = line + 1;
    }
}

bool DecodeImageData(const CLSPngChunk& first, CLSPngChunkCursor& cursor, CLSPngImage& image) {
    try {
        int bits = image.bitsPerPixel;
        int bpp = (bits + 7) / 8;
        uint64_t full = filteredBytes(image.width, image.height, bits);
        if (full == kTooLarge) return false;
        image.rowBytes = static_cast<size_t>(lineBytes(image.width, bits));
        CLSIdatReader reader(first, cursor);
        if (!reader.init()) return false;
        if (image.interlace == 0) {
            image.rows.reset(new uint8_t[(full + 3) / 4 * 4]);
            if (!reader.read(image.rows.get(), static_cast<size_t>(full))) return false;
            reader.skipRest();
            UnfilterRows(image.rows.get(), image.rowBytes, image.height, bpp);
            return true;
        }
        // Each pass is inflated, unfiltered and spread out before the next,
        // so only the largest pass needs a buffer of its own.
        uint64_t passSize[7], total = 0, largest = 0;
        for (int p = 0; p < 7; ++p) {
            passSize[p] =
                filteredBytes(passExtent(image.width, kPassColumn[p], kPassColumnStep[p]),
                              passExtent(image.height, kPassRow[p], kPassRowStep[p]), bits);
            if (passSize[p] == kTooLarge) return false;
            total += passSize[p];
            largest = passSize[p] > largest ? passSize[p] : largest;
        }
        if (total > g_sizeLimit) return false;
        image.rows.reset(new uint8_t[(full + 3) / 4 * 4]());
        std::unique_ptr<uint8_t[]> pass(new uint8_t[(largest + 3) / 4 * 4]);
        for (int p = 0; p < 7; ++p) {
            if (passSize[p] == 0) continue;  // an empty pass has no scanlines
            if (!reader.read(pass.get(), static_cast<size_t>(passSize[p]))) return false;
            uint64_t w = passExtent(image.width, kPassColumn[p], kPassColumnStep[p]);
            uint64_t h = passExtent(image.height, kPassRow[p], kPassRowStep[p]);
            size_t line = static_cast<size_t>(lineBytes(w, bits));
            UnfilterRows(pass.get(), line, h, bpp);
            spreadPass(pass.get(), line, w, h, p, image.rows.get(), image.rowBytes, bits);
        }
        reader.skipRest();
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}
