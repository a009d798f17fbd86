// From IDAT bytes to non-interlaced scanlines: inflate with zlib into one
// buffer sized from the header, unfilter, and spread Adam7 passes out.

#include <zlib.h>

#include <cstring>
#include <new>

#include "image/Png.h"
#include "image/PngImage.h"

namespace {

uint64_t g_sizeLimit = kDefaultImageSizeLimit;

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

struct CLSInflater {
    z_stream stream{};
    bool ready = false;
    ~CLSInflater() {
        if (ready) inflateEnd(&stream);
    }
};

/// Inflates the consecutive IDAT chunks into out. A stream that ends early
/// leaves the rest zero; running out of IDAT data before the stream ends or
/// the buffer fills is a truncated image.
bool inflateChunks(const CLSPngChunk& first, CLSPngChunkCursor& cursor, uint8_t* out,
                   size_t outSize) {
    CLSInflater z;
    if (inflateInit(&z.stream) != Z_OK) return false;
    z.ready = true;
    z.stream.next_out = out;
    CLSPngChunk chunk = first;
    const uint8_t* input = chunk.data;
    size_t inputLeft = chunk.length;
    size_t outLeft = outSize;
    bool complete = false;
    while (!complete) {
        if (inputLeft == 0 && z.stream.avail_in == 0) {
            if (!cursor.nextIs(ChunkType("IDAT"))) break;
            cursor.next(chunk);
            input = chunk.data;
            inputLeft = chunk.length;
            continue;
        }
        // avail_in/avail_out are 32-bit: feed large buffers in slices.
        if (z.stream.avail_in == 0) {
            uInt slice = static_cast<uInt>(inputLeft < 0x40000000u ? inputLeft : 0x40000000u);
            z.stream.next_in = const_cast<Bytef*>(input);
            z.stream.avail_in = slice;
            input += slice;
            inputLeft -= slice;
        }
        uInt outSlice = static_cast<uInt>(outLeft < 0x40000000u ? outLeft : 0x40000000u);
        z.stream.avail_out = outSlice;
        int result = inflate(&z.stream, Z_NO_FLUSH);
        outLeft -= outSlice - z.stream.avail_out;
        if (result == Z_STREAM_END || outLeft == 0) {
            complete = true;
        } else if (result != Z_OK && !(result == Z_BUF_ERROR && z.stream.avail_in == 0)) {
            return false;
        }
    }
    if (!complete) return false;
    std::memset(out + (outSize - outLeft), 0, outLeft);
    // The rest of the run of IDAT chunks belongs to the stream just read.
    CLSPngChunk rest;
    while (cursor.nextIs(ChunkType("IDAT")))
        cursor.next(rest);
    return true;
}

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
        if (image.interlace == 0) {
            image.rows.reset(new uint8_t[(full + 3) / 4 * 4]);
            if (!inflateChunks(first, cursor, image.rows.get(), static_cast<size_t>(full)))
                return false;
            UnfilterRows(image.rows.get(), image.rowBytes, image.height, bpp);
            return true;
        }
        uint64_t passSize[7], total = 0;
        for (int p = 0; p < 7; ++p) {
            passSize[p] =
                filteredBytes(passExtent(image.width, kPassColumn[p], kPassColumnStep[p]),
                              passExtent(image.height, kPassRow[p], kPassRowStep[p]), bits);
            if (passSize[p] == kTooLarge) return false;
            total += passSize[p];
        }
        if (total > g_sizeLimit) return false;
        std::unique_ptr<uint8_t[]> passes(new uint8_t[(total + 3) / 4 * 4]);
        if (!inflateChunks(first, cursor, passes.get(), static_cast<size_t>(total))) return false;
        image.rows.reset(new uint8_t[(full + 3) / 4 * 4]());
        uint8_t* pass = passes.get();
        for (int p = 0; p < 7; ++p) {
            if (passSize[p] == 0) continue;  // an empty pass has no scanlines
            uint64_t w = passExtent(image.width, kPassColumn[p], kPassColumnStep[p]);
            uint64_t h = passExtent(image.height, kPassRow[p], kPassRowStep[p]);
            size_t line = static_cast<size_t>(lineBytes(w, bits));
            UnfilterRows(pass, line, h, bpp);
            spreadPass(pass, line, w, h, p, image.rows.get(), image.rowBytes, bits);
            pass += passSize[p];
        }
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}
