#include "image/Png.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <new>

#include "image/PngImage.h"
#include "text/Paths.h"

bool IsPngSignature(const uint8_t* data, size_t size) {
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return size >= 8 && std::memcmp(data, kSignature, 8) == 0;
}

std::optional<CLSBitmap> LoadPngFromMemory(const uint8_t* data, size_t size, Colour background) {
    if (!data || !IsPngSignature(data, size)) return std::nullopt;
    try {
        CLSPngImage image;
        size_t pos = 8;
        if (!ReadPngChunks(data, size, pos, image)) return std::nullopt;
        return ConvertToBitmap(image, background);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

bool ReadImageFile(const std::string& nativePath, std::vector<uint8_t>& bytes, uint64_t maxBytes) {
    int fd = OpenRegularFile(nativePath, O_RDONLY);
    if (fd < 0) return false;
    std::FILE* f = ::fdopen(fd, "rb");
    if (!f) {
        ::close(fd);
        return false;
    }
    bool ok = false;
    try {
        bytes.clear();
        uint8_t buffer[65536];
        size_t n;
        bool tooLarge = false;
        while (!tooLarge && (n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
            tooLarge = bytes.size() + n > maxBytes;
            if (!tooLarge) bytes.insert(bytes.end(), buffer, buffer + n);
        }
        ok = !tooLarge && !std::ferror(f) && std::feof(f);
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    std::fclose(f);
    if (!ok) bytes.clear();
    return ok;
}

std::optional<CLSBitmap> LoadPngFromNativeFile(const std::string& nativePath, Colour background) {
    std::vector<uint8_t> bytes;
    if (!ReadImageFile(nativePath, bytes)) return std::nullopt;
    return LoadPngFromMemory(bytes.data(), bytes.size(), background);
}

std::optional<CLSBitmap> LoadPngFromFile(const CLSTString& path, Colour background) {
    return LoadPngFromNativeFile(NativePath(path), background);
}
