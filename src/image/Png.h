#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image/Bitmap.h"
#include "text/TString.h"

/// True when the bytes start with the 8-byte PNG signature.
bool IsPngSignature(const uint8_t* data, size_t size);

/// Decodes a PNG file held in memory (signature included), resolving
/// transparency against background; nothing when the picture is rejected or
/// memory runs out. Never reads beyond size bytes.
std::optional<CLSBitmap> LoadPngFromMemory(const uint8_t* data, size_t size, Colour background);

/// Reads a whole PNG file (CP932 path) and decodes it; nothing when the file
/// cannot be read or the picture is rejected.
std::optional<CLSBitmap> LoadPngFromFile(const CLSTString& path, Colour background);
/// As LoadPngFromFile with a native (UTF-8) path.
std::optional<CLSBitmap> LoadPngFromNativeFile(const std::string& nativePath, Colour background);

/// Reads a whole file into bytes; false when it cannot be read or is larger
/// than maxBytes.
bool ReadImageFile(const std::string& nativePath, std::vector<uint8_t>& bytes,
                   uint64_t maxBytes = uint64_t{1} << 30);

/// Pictures whose inflated data or bitmap would exceed this many bytes are
/// rejected before anything that large is allocated.
constexpr uint64_t kDefaultImageSizeLimit = uint64_t{256} << 20;
/// Changes the limit (fuzzing and tests use a small one); at most 1 TiB.
void SetImageSizeLimit(uint64_t bytes);
