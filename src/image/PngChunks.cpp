// The chunk walk of one PNG image: order and multiplicity rules, IHDR and
// PLTE/tRNS parsing. CRCs are not checked, so a damaged checksum alone never
// hides a picture.

#include <algorithm>

#include "image/PngImage.h"

bool CLSPngChunkCursor::next(CLSPngChunk& chunk) {
    // Length, type and CRC take 12 bytes around the data; compare against the
    // remaining size so that no addition can wrap.
    if (m_pos > m_size || m_size - m_pos < 12) return false;
    size_t length = ReadBigEndian32(m_data + m_pos);
    if (length > m_size - m_pos - 12) return false;
    chunk.type = ReadBigEndian32(m_data + m_pos + 4);
    chunk.data = m_data + m_pos + 8;
    chunk.length = length;
    m_pos += 12 + length;
    return true;
}

bool CLSPngChunkCursor::nextIs(uint32_t type) const {
    CLSPngChunkCursor probe = *this;
    CLSPngChunk chunk;
    return probe.next(chunk) && chunk.type == type;
}

namespace {

bool depthAllowed(int colourType, int depth) {
    switch (colourType) {
        case 0:
            return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
        case 3:
            return depth == 1 || depth == 2 || depth == 4 || depth == 8;
        case 2:
        case 4:
        case 6:
            return depth == 8 || depth == 16;
        default:
            return false;
    }
}

int samplesOf(int colourType) {
    switch (colourType) {
        case 2:
            return 3;
        case 4:
            return 2;
        case 6:
            return 4;
        default:
            return 1;
    }
}

bool readHeader(const CLSPngChunk& chunk, CLSPngImage& image) {
    if (chunk.length != 13) return false;
    const uint8_t* d = chunk.data;
    image.width = ReadBigEndian32(d);
    image.height = ReadBigEndian32(d + 4);
    image.bitDepth = d[8];
    image.colourType = d[9];
    image.interlace = d[12];
    // An empty picture or one beyond 2^31 - 1 pixels a side cannot be a bitmap.
    if (image.width == 0 || image.height == 0 || image.width > 0x7FFFFFFFu ||
        image.height > 0x7FFFFFFFu)
        return false;
    if (!depthAllowed(image.colourType, image.bitDepth)) return false;
    if (d[10] != 0 || d[11] != 0 || image.interlace > 1) return false;
    image.bitsPerPixel = image.bitDepth * samplesOf(image.colourType);
    return true;
}

bool readPalette(const CLSPngChunk& chunk, CLSPngImage& image) {
    if (chunk.length % 3 != 0) return false;
    // An empty PLTE inside an MNG keeps the palette the file shares.
    if (chunk.length == 0) return image.hasPalette;
    // Indexes have at most 8 bits, so entries past 256 can never be shown.
    size_t count = std::min<size_t>(chunk.length / 3, 256);
    image.palette.assign(count, CLSRgbQuad{});
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* p = chunk.data + 3 * i;
        image.palette[i] = CLSRgbQuad{p[2], p[1], p[0], 0};
    }
    image.hasPalette = true;
    return true;
}

bool readTransparency(const CLSPngChunk& chunk, CLSPngImage& image) {
    const uint8_t* d = chunk.data;
    switch (image.colourType) {
        case 0:
            if (chunk.length < 2) return false;
            image.transparentSample[0] = static_cast<uint16_t>(d[0] << 8 | d[1]);
            image.hasTransparentSample = true;
            return true;
        case 2:
            if (chunk.length < 6) return false;
            for (int i = 0; i < 3; ++i)
                image.transparentSample[i] = static_cast<uint16_t>(d[2 * i] << 8 | d[2 * i + 1]);
            image.hasTransparentSample = true;
            return true;
        case 3:
            image.paletteAlpha.assign(d, d + std::min<size_t>(chunk.length, 256));
            return true;
        default:
            return true;  // alpha images carry their own transparency
    }
}

}  // namespace

bool ReadPngChunks(const uint8_t* data, size_t size, size_t& pos, CLSPngImage& image) {
    constexpr uint32_t kIHDR = ChunkType("IHDR"), kPLTE = ChunkType("PLTE"),
                       kTRNS = ChunkType("tRNS"), kIDAT = ChunkType("IDAT"),
                       kIEND = ChunkType("IEND");
    bool seenHeader = false, seenPalette = false, seenData = false, seenTransparency = false;
    CLSPngChunkCursor cursor(data, size, pos);
    CLSPngChunk chunk;
    while (cursor.next(chunk)) {
        if (chunk.type == kIHDR) {
            if (seenHeader || !readHeader(chunk, image)) return false;
            seenHeader = true;
        } else if (chunk.type == kPLTE) {
            if (!seenHeader || seenData || seenPalette || !readPalette(chunk, image)) return false;
            seenPalette = true;
        } else if (chunk.type == kTRNS) {
            if (!seenHeader || seenData || seenTransparency || !readTransparency(chunk, image))
                return false;
            seenTransparency = true;
        } else if (chunk.type == kIDAT) {
            if (!seenHeader || seenData) return false;
            seenData = true;
            if (!DecodeImageData(chunk, cursor, image)) return false;
        } else if (chunk.type == kIEND) {
            if (!seenHeader || chunk.length != 0 || !seenData) return false;
            pos = cursor.position();
            return true;
        }
    }
    return false;  // the bytes ended (or a chunk ran past them) before IEND
}
