// MNG reading: the few chunks the animations need (MHDR, the shared PLTE and
// tRNS, TERM, FRAM, embedded PNG images, MEND); everything else is skipped.

#include "image/Mng.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "image/PngImage.h"

bool IsMngSignature(const uint8_t* data, size_t size) {
    static const uint8_t kSignature[8] = {0x8A, 'M', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return size >= 8 && std::memcmp(data, kSignature, 8) == 0;
}

namespace {

/// FRAM: mode byte, subframe name up to a zero byte, then (optionally) the
/// four change bytes and the interframe delay. False when a delay is
/// announced but its bytes are missing.
bool readFrame(const CLSPngChunk& chunk, CLSMngAnimation& animation) {
    const uint8_t* d = chunk.data;
    size_t n = chunk.length;
    if (n <= 1) return true;
    const uint8_t* end = static_cast<const uint8_t*>(std::memchr(d + 1, 0, n - 1));
    if (!end) return true;  // the name runs to the end of the data
    size_t change = static_cast<size_t>(end - d) + 1;
    if (change >= n || d[change] == 0) return true;
    if (n - change < 8) return false;
    int64_t delay = ReadBigEndian32(d + change + 4);
    animation.events.push_back({CLSMngEvent::kFrameDelay, d[change] == 1 ? -delay : delay, 0});
    return true;
}

bool readMng(const uint8_t* data, size_t size, Colour background, CLSMngAnimation& animation) {
    constexpr uint32_t kMHDR = ChunkType("MHDR"), kPLTE = ChunkType("PLTE"),
                       kTRNS = ChunkType("tRNS"), kTERM = ChunkType("TERM"),
                       kFRAM = ChunkType("FRAM"), kIHDR = ChunkType("IHDR"),
                       kMEND = ChunkType("MEND");
    bool seenHeader = false, seenPalette = false, seenTerm = false, seenTransparency = false;
    CLSPngImage shared;  // the palette and transparency every image starts with
    uint64_t imageBytes = 0;
    CLSPngChunkCursor cursor(data, size, 8);
    CLSPngChunk chunk;
    while (cursor.next(chunk)) {
        if (chunk.type == kMHDR) {
            if (seenHeader || chunk.length != 28) return false;
            animation.frameWidth = ReadBigEndian32(chunk.data);
            animation.frameHeight = ReadBigEndian32(chunk.data + 4);
            animation.ticksPerSecond = ReadBigEndian32(chunk.data + 8);
            if (animation.ticksPerSecond == 0) return false;
            seenHeader = true;
        } else if (chunk.type == kPLTE || chunk.type == kTRNS || chunk.type == kTERM ||
                   chunk.type == kFRAM || chunk.type == kIHDR || chunk.type == kMEND) {
            if (!seenHeader) return false;
            if (chunk.type == kPLTE) {
                if (seenPalette || chunk.length % 3 != 0 || chunk.length == 0) return false;
                size_t count = std::min<size_t>(chunk.length / 3, 256);
                shared.palette.resize(count);
                for (size_t i = 0; i < count; ++i) {
                    const uint8_t* p = chunk.data + 3 * i;
                    shared.palette[i] = CLSRgbQuad{p[2], p[1], p[0], 0};
                }
                shared.hasPalette = true;
                seenPalette = true;
            } else if (chunk.type == kTRNS) {
                if (!seenPalette || seenTransparency) return false;
                shared.paletteAlpha.assign(chunk.data,
                                           chunk.data + std::min<size_t>(chunk.length, 256));
                seenTransparency = true;
            } else if (chunk.type == kTERM) {
                if (seenTerm) return false;
                seenTerm = true;
                if (chunk.length == 10) {
                    animation.events.push_back({CLSMngEvent::kTerminate,
                                                ReadBigEndian32(chunk.data + 2),
                                                ReadBigEndian32(chunk.data + 6)});
                } else if (chunk.length != 1) {
                    return false;
                }
            } else if (chunk.type == kFRAM) {
                if (!readFrame(chunk, animation)) return false;
            } else if (chunk.type == kIHDR) {
                CLSPngImage image;
                image.palette = shared.palette;
                image.hasPalette = shared.hasPalette;
                image.paletteAlpha = shared.paletteAlpha;
                size_t pos = cursor.position() - chunk.length - 12;
                if (!ReadPngChunks(data, size, pos, image)) return false;
                std::optional<CLSBitmap> bitmap = ConvertToBitmap(image, background);
                if (!bitmap) return false;
                // Many frames of a tiny file can each be large; their sum
                // answers to the same limit as one picture.
                imageBytes += bitmap->sizeInBytes();
                if (imageBytes > ImageSizeLimit()) return false;
                animation.events.push_back(
                    {CLSMngEvent::kImage, static_cast<int64_t>(animation.images.size()), 0});
                animation.images.push_back(std::move(*bitmap));
                cursor = CLSPngChunkCursor(data, size, pos);
            } else {
                return chunk.length == 0;  // MEND
            }
        }
    }
    return false;  // no MEND
}

}  // namespace

bool LoadMngFromMemory(const uint8_t* data, size_t size, Colour background,
                       CLSMngAnimation& animation) {
    animation = CLSMngAnimation();
    bool ok = false;
    if (data && IsMngSignature(data, size)) {
        try {
            ok = readMng(data, size, background, animation);
        } catch (const std::bad_alloc&) {
            ok = false;
        }
    }
    if (!ok) animation = CLSMngAnimation();
    return ok;
}
