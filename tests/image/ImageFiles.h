#pragma once

// A small PNG and MNG writer for the image tests: chunks are written with
// real CRCs (the decoder ignores them, other readers do not) and the image
// data is compressed with zlib.

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace imagefiles {

inline std::string BE32(uint32_t v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
            static_cast<char>(v)};
}

inline std::string Chunk(const std::string& type, const std::string& data) {
    std::string body = type + data;
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(body.data()), body.size());
    return BE32(static_cast<uint32_t>(data.size())) + body + BE32(static_cast<uint32_t>(crc));
}

inline std::string Zlib(const std::string& raw) {
    uLongf size = compressBound(raw.size());
    std::string out(size, '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size,
              reinterpret_cast<const Bytef*>(raw.data()), raw.size(), 9);
    out.resize(size);
    return out;
}

inline std::string Ihdr(uint32_t width, uint32_t height, int depth, int colourType,
                        int interlace = 0) {
    std::string d = BE32(width) + BE32(height);
    d += static_cast<char>(depth);
    d += static_cast<char>(colourType);
    d += std::string(2, '\0');
    d += static_cast<char>(interlace);
    return Chunk("IHDR", d);
}

/// PLTE from 0xRRGGBB values.
inline std::string Plte(const std::vector<uint32_t>& colours) {
    std::string d;
    for (uint32_t c : colours) {
        d += static_cast<char>(c >> 16);
        d += static_cast<char>(c >> 8);
        d += static_cast<char>(c);
    }
    return Chunk("PLTE", d);
}

inline std::string Bytes(const std::vector<int>& values) {
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

/// IDAT of raw (already filtered) scanlines.
inline std::string Idat(const std::string& scanlines) {
    return Chunk("IDAT", Zlib(scanlines));
}

inline std::string Iend() {
    return Chunk("IEND", "");
}

inline std::string Png(const std::vector<std::string>& chunks) {
    std::string s = "\x89PNG\r\n\x1a\n";
    for (const std::string& c : chunks)
        s += c;
    return s;
}

/// Scanlines of a picture given as rows of unfiltered bytes, all with filter 0.
inline std::string Unfiltered(const std::vector<std::string>& rows) {
    std::string s;
    for (const std::string& r : rows)
        s += '\0' + r;
    return s;
}

inline std::string Mhdr(uint32_t width, uint32_t height, uint32_t ticks) {
    return Chunk("MHDR", BE32(width) + BE32(height) + BE32(ticks) + std::string(16, '\0'));
}

inline std::string Mng(const std::vector<std::string>& chunks) {
    std::string s = "\x8aMNG\r\n\x1a\n";
    for (const std::string& c : chunks)
        s += c;
    return s;
}

/// An embedded image's chunks without the PNG signature.
inline std::string Embedded(const std::vector<std::string>& chunks) {
    std::string s;
    for (const std::string& c : chunks)
        s += c;
    return s;
}

inline const uint8_t* U(const std::string& s) {
    return reinterpret_cast<const uint8_t*>(s.data());
}

}  // namespace imagefiles
