// The vague-match table file on arbitrary bytes: loading never reads past
// the pair area, never keeps an empty key, and what was loaded survives
// its own pair area.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "settings/VagueTable.h"
#include "text/Error.h"
#include "text/Paths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path =
        TempFolder() + "/vorel-fuzz-vague-" + std::to_string(::getpid());
    SetTraceFilePath("/dev/null");
    const char* bytes = reinterpret_cast<const char*>(data);

    // An odd first byte gives a file with the right magic, so that the
    // length field and the pair area are reached at once.
    std::string file;
    if (size > 0 && (data[0] & 1))
        file.append(kVagueMagic, 4).append(bytes + 1, size - 1);
    else
        file.assign(bytes, size);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(file.data(), 1, file.size(), f);
    std::fclose(f);

    CLSVagueTable table;
    table.clear();
    try {
        table.load(CLSTString(path));
    } catch (const CLSError&) {
        return 0;  // out of memory is reported, not a fault
    }
    for (const auto& [key, replacement] : table) {
        if (key.isEmpty()) std::abort();
    }
    std::string area = table.pairArea();
    CLSVagueTable copy;
    copy.clear();
    if (copy.addPairArea(area.data(), area.size()) != table.count()) std::abort();
    if (!(copy.pairs() == table.pairs())) std::abort();

    // The walk over a raw area, with no file around it.
    CLSVagueTable raw;
    raw.clear();
    raw.addPairArea(bytes, size);
    return 0;
}
