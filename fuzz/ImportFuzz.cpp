// Feeds arbitrary bytes to the readers of files other programs wrote: the
// import reader (directives, quotes, HTML, UTF-8 with stray characters),
// the look at a file's start, and the exam history reader.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "data/HtmlField.h"
#include "data/ImportReader.h"
#include "quiz/ExamLogReader.h"
#include "quiz/ExamLogStats.h"
#include "text/Paths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path =
        TempFolder() + "/vorel-fuzz-import-" + std::to_string(::getpid());
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    CLSTString file(path);

    // The first byte picks the choices, so that every way of reading is reached.
    unsigned char choice = size > 0 ? data[0] : 0;
    CLSImportProposal proposal = InspectImportFile(file);
    CLSImportOptions options = proposal.options;
    options.encoding = (choice & 1) ? CLSTextEncoding::kUtf8 : CLSTextEncoding::kCp932;
    options.html = (choice & 2) != 0;
    options.header = (choice & 4) != 0;
    options.separator = (choice & 8) ? '\t' : ',';
    CLSImportLimits limits;
    limits.maxFieldBytes = (choice & 16) ? 7 : 4096;
    limits.cutLongFields = (choice & 32) != 0;
    limits.maxColumns = (choice & 64) ? 3 : 0;
    CLSImportReader reader;
    if (reader.open(file, options, limits)) {
        CLSTStringArray fields;
        while (reader.next(fields)) {
        }
    }
    std::string text(reinterpret_cast<const char*>(data), size);
    HtmlFieldToText(text, options.encoding);

    std::vector<CLSExamLogOne> records = ReadExamLog(file);
    SortExamLog(records, (choice & 128) != 0);
    ExamLogTreeByDate(records);
    ExamLogTreeByFile(records);
    if (!records.empty()) ExamLogStatsOfFile(records, records.front().fileName);
    return 0;
}
