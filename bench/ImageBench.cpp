// PNG decoding speed against libpng's simplified reading API on the same
// bytes, and the decoder's peak memory, for a 2048 × 2048 truecolour+alpha
// picture and a 2048 × 2048 8-bit indexed one made here with libpng's writer.

#include <benchmark/benchmark.h>
#include <png.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>
#include <vector>

#include "image/Png.h"

// Counts what operator new hands out, to find the decoder's peak. zlib's own
// state (about 40 KB through malloc) is not included.
namespace {
std::atomic<size_t> g_current{0};
std::atomic<size_t> g_peak{0};
}  // namespace

// The replaced global operators below pair up among themselves; the
// compiler cannot see that the malloc'ed block behind new is freed by delete.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(size_t size) {
    void* p = std::malloc(size + 16);
    if (!p) throw std::bad_alloc();
    *static_cast<size_t*>(p) = size;
    size_t now = g_current += size;
    size_t peak = g_peak.load();
    while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
    }
    return static_cast<char*>(p) + 16;
}
void* operator new[](size_t size) {
    return operator new(size);
}
void operator delete(void* p) noexcept {
    if (!p) return;
    char* base = static_cast<char*>(p) - 16;
    g_current -= *reinterpret_cast<size_t*>(base);
    std::free(base);
}
void operator delete[](void* p) noexcept {
    operator delete(p);
}
void operator delete(void* p, size_t) noexcept {
    operator delete(p);
}
void operator delete[](void* p, size_t) noexcept {
    operator delete(p);
}

namespace {

constexpr int kSide = 2048;

uint32_t g_seed = 12345;
int noise(int amplitude) {
    g_seed = g_seed * 1103515245u + 12345u;
    return static_cast<int>((g_seed >> 16) % (2 * amplitude + 1)) - amplitude;
}

uint8_t clampByte(double v) {
    return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
}

/// Smooth shapes with a little noise, so the filters and inflate both work
/// as they would on a photograph or a drawing.
std::vector<uint8_t> encode(png_image& image, const void* pixels, const void* colourMap) {
    size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, pixels, 0, colourMap);
    std::vector<uint8_t> out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, pixels, 0, colourMap))
        std::abort();
    out.resize(size);
    return out;
}

const std::vector<uint8_t>& rgbaFile() {
    static const std::vector<uint8_t> file = [] {
        std::vector<uint8_t> pixels(size_t{kSide} * kSide * 4);
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) {
                uint8_t* p = &pixels[(size_t{kSide} * y + x) * 4];
                double dx = x - 1024.0, dy = y - 900.0;
                double r = std::sqrt(dx * dx + dy * dy);
                p[0] = clampByte(128 + 100 * std::sin(r / 40.0) + noise(6));
                p[1] = clampByte(x / 8.0 + noise(4));
                p[2] = clampByte(255 - y / 8.0 + 30 * std::cos(x / 90.0) + noise(5));
                p[3] = clampByte(r < 700 ? 255 : 255 - (r - 700) / 2 + noise(3));
            }
        }
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        image.width = kSide;
        image.height = kSide;
        image.format = PNG_FORMAT_RGBA;
        return encode(image, pixels.data(), nullptr);
    }();
    return file;
}

const std::vector<uint8_t>& indexedFile() {
    static const std::vector<uint8_t> file = [] {
        std::vector<uint8_t> map(256 * 3);
        for (int i = 0; i < 256; ++i) {
            map[3 * i] = static_cast<uint8_t>(i);
            map[3 * i + 1] = static_cast<uint8_t>((i * 7) & 0xFF);
            map[3 * i + 2] = static_cast<uint8_t>(255 - i);
        }
        std::vector<uint8_t> pixels(size_t{kSide} * kSide);
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) {
                double v = 128 + 60 * std::sin(x / 50.0) * std::cos(y / 70.0) + (x ^ y) % 32;
                pixels[size_t{kSide} * y + x] = clampByte(v + noise(3));
            }
        }
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        image.width = kSide;
        image.height = kSide;
        image.format = PNG_FORMAT_RGB_COLORMAP;
        image.colormap_entries = 256;
        return encode(image, pixels.data(), map.data());
    }();
    return file;
}

/// Decodes once with the counters reset and reports the peak.
void reportPeak(benchmark::State& state, const std::vector<uint8_t>& file, int channels) {
    size_t before = g_current.load();
    g_peak = before;
    std::optional<CLSBitmap> bitmap = LoadPngFromMemory(file.data(), file.size(), 0xFFFFFF);
    if (!bitmap) {
        state.SkipWithError("the picture was rejected");
        return;
    }
    double peak = static_cast<double>(g_peak.load() - before);
    state.counters["peak_MiB"] = peak / (1 << 20);
    state.counters["peak_per_bitmap"] = peak / static_cast<double>(bitmap->sizeInBytes());
    state.counters["peak_per_pixels"] = peak / (double(kSide) * kSide * channels);
    state.counters["file_MiB"] = static_cast<double>(file.size()) / (1 << 20);
}

void ours(benchmark::State& state, const std::vector<uint8_t>& file, int channels) {
    for (auto _ : state) {
        std::optional<CLSBitmap> bitmap = LoadPngFromMemory(file.data(), file.size(), 0xFFFFFF);
        benchmark::DoNotOptimize(bitmap);
    }
    reportPeak(state, file, channels);
}

void libpng(benchmark::State& state, const std::vector<uint8_t>& file, png_uint_32 format) {
    for (auto _ : state) {
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) std::abort();
        image.format = format;
        std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
        std::vector<uint8_t> map(PNG_IMAGE_COLORMAP_SIZE(image));
        if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, map.data())) std::abort();
        benchmark::DoNotOptimize(pixels.data());
    }
}

void BM_OursRgba(benchmark::State& state) {
    ours(state, rgbaFile(), 4);
}
void BM_LibpngRgba(benchmark::State& state) {
    libpng(state, rgbaFile(), PNG_FORMAT_RGBA);
}
void BM_OursIndexed(benchmark::State& state) {
    ours(state, indexedFile(), 1);
}
void BM_LibpngIndexed(benchmark::State& state) {
    libpng(state, indexedFile(), PNG_FORMAT_RGB_COLORMAP);
}

}  // namespace

BENCHMARK(BM_OursRgba)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibpngRgba)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OursIndexed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibpngIndexed)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
