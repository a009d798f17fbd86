// Feeds arbitrary bytes to the line and record readers through a file.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "text/FileReadLine.h"
#include "text/Paths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path =
        TempFolder() + "/vorel-fuzz-fields-" + std::to_string(::getpid());
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    // The first byte picks the separator, so both kinds of record are reached.
    char separator = size > 0 && (data[0] & 1) ? '\t' : ',';
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    CLSFileReadLine file;
    if (!file.openNative(path)) return 0;
    CLSTStringArray fields;
    while (file.readFields(fields, separator)) {
    }
    file.seek(0, SEEK_SET);
    CLSTString line;
    while (file.readLine(line)) {
    }
    return 0;
}
