// The settings-file reader on arbitrary bytes: parsing in memory and from a
// file must agree, and whatever was read must survive writing and reading
// again unchanged.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "settings/IniFile.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/FileWriteString.h"
#include "text/Paths.h"
#include "text/TextEncoding.h"
#include "text/Unicode.h"

namespace {

std::string writtenSettings(const CLSVorelSettings& settings, const std::string& path) {
    CLSFileWriteString file;
    if (!file.openNative(path)) std::abort();
    CLSIniCompanion companion;
    settings.writeSettings(file, companion);
    file.close();
    // What Shift-JIS cannot hold is in the companion; it counts too.
    std::string companionBytes = companion.fileBytes();
    std::string companionPath = path + ".utf8";
    std::FILE* c = std::fopen(companionPath.c_str(), "wb");
    if (!c) std::abort();
    std::fwrite(companionBytes.data(), 1, companionBytes.size(), c);
    std::fclose(c);
    std::string bytes;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) std::abort();
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;)
        bytes.append(buffer, n);
    std::fclose(f);
    return bytes + '\0' + companionBytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string base = TempFolder() + "/vorel-fuzz-ini-" + std::to_string(::getpid());
    static const std::string input = base + ".in";
    static const std::string output = base + ".out";
    SetTraceFilePath("/dev/null");
    setDebugMode(false);

    std::string text(reinterpret_cast<const char*>(data), size);
    std::FILE* f = std::fopen(input.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);

    CLSIniFile fromFile;
    if (!fromFile.loadNative(input)) std::abort();
    // The file is CP932, or UTF-8 after a byte-order mark; parse takes the
    // program's UTF-8.
    CLSIniFile inMemory;
    bool utf8 = text.compare(0, kUtf8Bom.size(), kUtf8Bom) == 0;
    inMemory.parse(utf8 ? NormalizeNfc(std::string_view(text).substr(kUtf8Bom.size()))
                        : Cp932ToUtf8(text));
    if (fromFile.sections().size() != inMemory.sections().size()) std::abort();
    for (size_t i = 0; i < inMemory.sections().size(); ++i) {
        const CLSIniSection& a = fromFile.sections()[i];
        const CLSIniSection& b = inMemory.sections()[i];
        if (!(a.name() == b.name()) || a.entries().size() != b.entries().size()) std::abort();
    }

    CLSVorelSettings first;
    first.applySettings(inMemory);
    std::string once = writtenSettings(first, output);

    CLSIniFile again;
    if (!again.loadNative(output)) std::abort();
    again.loadCompanion(CLSTString(output + ".utf8"));
    CLSVorelSettings second;
    second.applySettings(again);
    if (writtenSettings(second, output) != once) std::abort();
    if (!(second.skin() == first.skin())) std::abort();
    setDebugMode(false);
    return 0;
}
