#pragma once

// Decoding state of one PNG image and the stages that fill it. Internal to
// the image subsystem; other code goes through image/Png.h and image/Mng.h.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "image/Bitmap.h"

/// One chunk's frame: the data lies inside the caller's bytes.
struct CLSPngChunk {
    uint32_t type = 0;
    const uint8_t* data = nullptr;
    size_t length = 0;
};

constexpr uint32_t ChunkType(const char (&name)[5]) {
    return static_cast<uint32_t>(static_cast<uint8_t>(name[0])) << 24 |
           static_cast<uint32_t>(static_cast<uint8_t>(name[1])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(name[2])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(name[3]));
}

inline uint32_t ReadBigEndian32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
           static_cast<uint32_t>(p[2]) << 8 | static_cast<uint32_t>(p[3]);
}

/// Steps through the chunks of a byte range; never reads past its end.
class CLSPngChunkCursor {
  public:
    CLSPngChunkCursor(const uint8_t* data, size_t size, size_t pos)
        : m_data(data), m_size(size), m_pos(pos) {}

    /// The next chunk, or false (position unchanged) when none starts here or
    /// its length, data or CRC would run past the end. The CRC is not checked.
    bool next(CLSPngChunk& chunk);
    /// True when a whole chunk of this type starts at the position.
    bool nextIs(uint32_t type) const;
    bool atEnd() const { return m_pos >= m_size; }
    size_t position() const { return m_pos; }

  private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos;
};

struct CLSPngImage {
    uint32_t width = 0;
    uint32_t height = 0;
    int bitDepth = 0;
    int colourType = 0;
    int interlace = 0;
    int bitsPerPixel = 0;

    /// Starts empty for a PNG file; an MNG hands its shared palette over.
    std::vector<CLSRgbQuad> palette;
    bool hasPalette = false;

    // Transparency, kept in the form its colour type needs.
    // Palette alphas may also come from an MNG's shared tRNS; they only ever
    // apply to indexed images.
    std::vector<uint8_t> paletteAlpha;  // type 3: one alpha per palette entry
    bool hasTransparentSample = false;
    uint16_t transparentSample[3] = {};  // type 0: grey; type 2: red, green, blue

    // Scanlines, each behind its filter byte: the inflated data until
    // unfiltering, then non-interlaced rows.
    std::unique_ptr<uint8_t[]> rows;
    size_t rowBytes = 0;  // with the filter byte
};

/// Reads chunks from the IHDR onward up to and including IEND, inflating and
/// unfiltering the image data on the way. pos is after IEND on success;
/// false on any breach of the chunk rules or of the data.
bool ReadPngChunks(const uint8_t* data, size_t size, size_t& pos, CLSPngImage& image);

/// Inflates the IDAT chunks (the first one is given, the consecutive ones
/// follow from the cursor), unfilters and de-interlaces them into image.rows.
/// False on an inflate error, truncated data or a picture over the size limit.
bool DecodeImageData(const CLSPngChunk& first, CLSPngChunkCursor& cursor, CLSPngImage& image);

/// Unfilters rowCount scanlines of rowBytes bytes (filter byte included) in
/// place; bytesPerPixel is the distance to the same byte of the left pixel.
void UnfilterRows(uint8_t* rows, size_t rowBytes, size_t rowCount, int bytesPerPixel);

/// The device-independent bitmap of a decoded image, with transparency
/// resolved against background; nothing when memory runs out.
std::optional<CLSBitmap> ConvertToBitmap(const CLSPngImage& image, Colour background);

/// Upper bound for the inflated data and for the bitmap of one picture.
uint64_t ImageSizeLimit();
