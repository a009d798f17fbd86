// vorel-cli image: decodes a PNG or MNG with the program's own decoder and
// writes the pictures as binary PPM files.

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "cli/Cli.h"
#include "cli/Json.h"
#include "image/Mng.h"
#include "image/Png.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/Language.h"
#include "text/SafeFile.h"

namespace {

bool parseBackground(std::string text, Colour& colour) {
    if (text.size() == 7 && text[0] == '#') text.erase(0, 1);
    if (text.size() == 8 && (text.compare(0, 2, "0x") == 0 || text.compare(0, 2, "0X") == 0))
        text.erase(0, 2);
    if (text.size() != 6 || text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return false;
    unsigned long rgb = std::strtoul(text.c_str(), nullptr, 16);
    colour =
        makeColour(static_cast<int>(rgb >> 16), static_cast<int>(rgb >> 8), static_cast<int>(rgb));
    return true;
}

/// Writes one picture as P6 through a temporary file; false after a message.
bool writePpm(const CLSBitmap& bitmap, const std::string& path,
              std::unique_ptr<CLSFileSafeWrite>& out) {
    out = std::make_unique<CLSFileSafeWrite>();
    if (!out->openNative(path)) {
        CliFailOpen(path);
        return false;
    }
    try {
        char header[64];
        int n = std::snprintf(header, sizeof header, "P6\n%d %d\n255\n", bitmap.width(),
                              bitmap.height());
        out->file().writeBytes(header, static_cast<size_t>(n));
        std::vector<uint8_t> row(3 * static_cast<size_t>(bitmap.width()));
        for (int y = 0; y < bitmap.height(); ++y) {
            bitmap.rgbRowFromTop(y, row.data());
            out->file().writeBytes(reinterpret_cast<const char*>(row.data()), row.size());
        }
        return true;
    } catch (const CLSError& e) {
        CliFail(path + ": " + errorText(e).str());
        return false;
    }
}

/// Commits every written file, or none of them.
int commitAll(std::vector<std::unique_ptr<CLSFileSafeWrite>>& files,
              const std::vector<std::string>& paths) {
    for (size_t i = 0; i < files.size(); ++i) {
        try {
            files[i]->commit();
        } catch (const CLSError& e) {
            for (size_t j = 0; j < i; ++j)
                std::remove(paths[j].c_str());
            return CliFail(paths[i] + ": " + errorText(e).str());
        }
    }
    return 0;
}

int runImage(const std::vector<std::string>& tokens) {
    CliArgs args(tokens, {"--background", "--out"}, {});
    if (!args.error().empty() || args.positional().size() != 1 || !args.has("--out"))
        return CliUsage("image");
    const std::string& input = args.positional()[0];
    const std::string out = args.value("--out");
    Colour background = makeColour(255, 255, 255);
    if (args.has("--background") && !parseBackground(args.value("--background"), background))
        return CliFail("--background needs a colour RRGGBB (six hexadecimal digits)");

    std::vector<uint8_t> bytes;
    if (!ReadImageFile(input, bytes)) return CliFailOpen(input);
    const char* rejected = VT("画像として読み込めません");

    std::vector<std::unique_ptr<CLSFileSafeWrite>> files;
    std::vector<std::string> paths;
    if (IsPngSignature(bytes.data(), bytes.size())) {
        std::optional<CLSBitmap> bitmap = LoadPngFromMemory(bytes.data(), bytes.size(), background);
        if (!bitmap) return CliFail(input + ": " + rejected);
        files.emplace_back();
        paths.push_back(out);
        if (!writePpm(*bitmap, out, files.back())) return 1;
        return commitAll(files, paths);
    }
    if (!IsMngSignature(bytes.data(), bytes.size()))
        return CliFail(input + ": " + VT("PNG でも MNG でもありません"));

    CLSMngAnimation animation;
    if (!LoadMngFromMemory(bytes.data(), bytes.size(), background, animation))
        return CliFail(input + ": " + rejected);
    for (size_t i = 0; i < animation.images.size(); ++i) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, "-%03zu.ppm", i);
        files.emplace_back();
        paths.push_back(out + suffix);
        if (!writePpm(animation.images[i], paths.back(), files.back())) return 1;
    }
    if (int status = commitAll(files, paths)) return status;
    JsonWriter json;
    json.beginArray();
    for (const CLSMngEvent& e : animation.events) {
        json.beginArray();
        json.value(static_cast<int64_t>(e.kind)).value(e.value1).value(e.value2);
        json.endArray();
    }
    json.endArray();
    CliPrint(json.text() + "\n");
    return 0;
}

CliRegistrar image({"image", "FILE [--background RRGGBB] --out OUT",
                    "decodes a PNG into the binary PPM OUT, or each image of an MNG into "
                    "OUT-000.ppm, OUT-001.ppm, ... and prints its events as JSON "
                    "[[kind,value1,value2],...]",
                    runImage});

}  // namespace
