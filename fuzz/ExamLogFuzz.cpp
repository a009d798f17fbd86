// Feeds arbitrary bytes to the exam history reader through a file, then
// sorts what it read and builds the browser's trees from it.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "quiz/ExamLogReader.h"
#include "text/Paths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path =
        TempFolder() + "/vorel-fuzz-examlog-" + std::to_string(::getpid());
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    std::vector<CLSExamLogOne> records = ReadExamLog(CLSTString(path));
    // Every record the reader gives back must be usable by the browser.
    SortExamLog(records, true);
    CLSExamLogNode byDate = ExamLogTreeByDate(records);
    SortExamLog(records, false);
    CLSExamLogNode byFile = ExamLogTreeByFile(records);
    size_t covered = 0;
    for (const CLSExamLogNode& file : byFile.children)
        covered += static_cast<size_t>(file.count);
    if (covered != records.size()) __builtin_trap();
    (void)byDate;
    return 0;
}
