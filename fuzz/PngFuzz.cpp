// The PNG decoder on arbitrary bytes. Inputs starting with 'Z' are turned
// into a well-formed file around fuzzed header, palette, transparency and
// scanlines (compressed here), so unfiltering, Adam7 and the conversions see
// arbitrary data without the fuzzer having to learn zlib.

#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "image/Png.h"

namespace {

void appendChunk(std::string& out, const char* type, const std::string& data) {
    uint32_t n = static_cast<uint32_t>(data.size());
    out += {static_cast<char>(n >> 24), static_cast<char>(n >> 16), static_cast<char>(n >> 8),
            static_cast<char>(n)};
    out += type;
    out += data;
    out += std::string(4, '\0');  // CRCs are not checked
}

std::string buildFile(const uint8_t* data, size_t size) {
    std::string out = "\x89PNG\r\n\x1a\n";
    size_t pos = 1;
    auto take = [&](size_t n) {
        n = n < size - pos ? n : size - pos;
        std::string s(reinterpret_cast<const char*>(data + pos), n);
        pos += n;
        return s;
    };
    appendChunk(out, "IHDR", take(13));
    size_t paletteEntries = pos < size ? data[pos++] : 0;
    if (paletteEntries) appendChunk(out, "PLTE", take(3 * paletteEntries));
    size_t transparency = pos < size ? data[pos++] : 0;
    if (transparency) appendChunk(out, "tRNS", take(transparency));
    std::string raw = take(size);
    uLongf packedSize = compressBound(raw.size());
    std::string packed(packedSize, '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
              reinterpret_cast<const Bytef*>(raw.data()), raw.size(), 1);
    packed.resize(packedSize);
    appendChunk(out, "IDAT", packed);
    appendChunk(out, "IEND", "");
    return out;
}

void check(const CLSBitmap& bitmap) {
    int depth = bitmap.bitsPerPixel();
    if (bitmap.isNull() || (depth != 1 && depth != 4 && depth != 8 && depth != 24)) std::abort();
    if (bitmap.stride() % 4 || bitmap.sizeInBytes() != bitmap.stride() * bitmap.height())
        std::abort();
    if (bitmap.colours().size() > 256 || (depth == 24) != bitmap.colours().empty()) std::abort();
    std::vector<uint8_t> row(3 * static_cast<size_t>(bitmap.width()));
    bitmap.rgbRowFromTop(0, row.data());
    bitmap.rgbRowFromTop(bitmap.height() - 1, row.data());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Large pictures only cost time here; the size arithmetic is the same.
    SetImageSizeLimit(uint64_t{16} << 20);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::optional<CLSBitmap> bitmap;
    if (size > 0 && data[0] == 'Z') {
        std::string file = buildFile(data, size);
        // An exact-size heap copy, so that reading past it is caught.
        std::vector<uint8_t> bytes(file.begin(), file.end());
        bitmap = LoadPngFromMemory(bytes.data(), bytes.size(), 0x336699);
    } else {
        bitmap = LoadPngFromMemory(data, size, 0x336699);
    }
    if (bitmap) check(*bitmap);
    return 0;
}
