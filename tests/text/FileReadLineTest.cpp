#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "TestSupport.h"
#include "data/VorelDataFile.h"
#include "image/Png.h"
#include "settings/VorelSettings.h"
#include "text/Error.h"
#include "text/FileWriteString.h"
#include "text/Paths.h"
#include "text/SafeFile.h"

namespace {

std::vector<std::string> readLines(const std::string& bytes) {
    TempDir dir;
    WriteFileBytes(dir.file("f"), bytes);
    CLSFileReadLine file;
    EXPECT_TRUE(file.openNative(dir.file("f")));
    std::vector<std::string> lines;
    CLSTString line;
    while (file.readLine(line))
        lines.push_back(line.str());
    EXPECT_TRUE(file.isEndOfFile());
    return lines;
}

std::vector<std::vector<std::string>> readRecords(const std::string& bytes, char sep = ',') {
    TempDir dir;
    WriteFileBytes(dir.file("f"), bytes);
    CLSFileReadLine file;
    EXPECT_TRUE(file.openNative(dir.file("f")));
    std::vector<std::vector<std::string>> records;
    CLSTStringArray fields;
    while (file.readFields(fields, sep)) {
        std::vector<std::string> r;
        for (const CLSTString& f : fields)
            r.push_back(f.str());
        records.push_back(r);
    }
    return records;
}

using Lines = std::vector<std::string>;
using Records = std::vector<std::vector<std::string>>;

}  // namespace

TEST(ReadLine, EveryLineEndAndNoPhantomLines) {
    EXPECT_EQ(readLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(readLines("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(readLines("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(readLines("\n\r"), (Lines{"", ""}));
    EXPECT_EQ(readLines(""), Lines{});
}

TEST(ReadLine, LineEndsCutByTheChunkBoundary) {
    // CR as byte 1025, its LF opening the next chunk: one line end, not two.
    std::string first(1024, 'x');
    EXPECT_EQ(readLines(first + "\r\nnext"), (Lines{first, "next"}));
    // A lone CR at the boundary followed by an ordinary byte.
    EXPECT_EQ(readLines(first + "\rnext"), (Lines{first, "next"}));
    // A lone CR in mid-chunk must not swallow an LF that opens a later chunk.
    std::string s = "a\r" + std::string(1022, 'y') + "\n\nz";
    EXPECT_EQ(readLines(s), (Lines{"a", std::string(1022, 'y'), "", "z"}));
    // Lines much longer than a chunk.
    std::string longLine(5000, 'q');
    EXPECT_EQ(readLines(longLine + "\n" + longLine), (Lines{longLine, longLine}));
}

TEST(ReadLine, OddBytesSurviveAsBytesAndShowAsReplacements) {
    std::string nul("a\0b", 3);
    EXPECT_EQ(readLines(nul + "\n\x83"), (Lines{nul, "\xEF\xBF\xBD"})) << "a lone lead byte";
    TempDir dir;
    WriteFileBytes(dir.file("odd.txt"), "\x83\n\x82\xA0");
    CLSFileReadLine file;
    ASSERT_TRUE(file.openNative(dir.file("odd.txt")));
    CLSTString line;
    ASSERT_TRUE(file.readLineBytes(line));
    EXPECT_EQ(line.str(), "\x83");
    ASSERT_TRUE(file.readLine(line));
    EXPECT_EQ(U8(line), "あ");
}

TEST(ReadFields, QuotingRules) {
    EXPECT_EQ(readRecords("a,\"b,c\",\"d\"\"e\"\r\n"), (Records{{"a", "b,c", "d\"e"}}));
    EXPECT_EQ(readRecords("\"two\r\nlines\",x\n"), (Records{{"two\r\nlines", "x"}}));
    EXPECT_EQ(readRecords(",,\n"), (Records{{"", "", ""}}));
    EXPECT_EQ(readRecords("\n"), (Records{{""}}));
    EXPECT_EQ(readRecords("a\tb,c\t\"d\"", '\t'), (Records{{"a", "b,c", "d"}}));
    EXPECT_EQ(readRecords("last,\"quoted\""), (Records{{"last", "quoted"}}));
    EXPECT_EQ(readRecords("x,"), (Records{{"x", ""}}));
    // Malformed input keeps what the user wrote.
    EXPECT_EQ(readRecords("\"open,end"), (Records{{"open,end"}}));
    EXPECT_EQ(readRecords("\"ab\"c,d\n"), (Records{{"abc", "d"}}));
    EXPECT_EQ(readRecords("\""), (Records{{"\""}}));
}

TEST(ReadFields, RecordsAcrossChunkBoundaries) {
    std::string big(1023, 'b');
    EXPECT_EQ(readRecords("a," + big + "\r\n\"q\"\n"), (Records{{"a", big}, {"q"}}));
    std::string quoted = "\"" + std::string(3000, ',') + "\"";
    EXPECT_EQ(readRecords(quoted + ",z"), (Records{{std::string(3000, ','), "z"}}));
}

TEST(ReadText, PeekSeekTellAndTruncate) {
    TempDir dir;
    WriteFileBytes(dir.file("f"), "line1\r\nline2\r\nrest");
    CLSFileWriteString file;
    ASSERT_TRUE(file.openNative(dir.file("f"), true));
    EXPECT_EQ(file.tell(), 18);
    EXPECT_EQ(file.seek(0, SEEK_SET), 0);
    CLSTString line;
    ASSERT_TRUE(file.readLine(line));
    EXPECT_EQ(file.peekChar(), 'l');
    EXPECT_EQ(file.tell(), 7);
    EXPECT_EQ(file.getRemaining(), 11);
    CLSTString text;
    ASSERT_TRUE(file.readText(text, 5));
    EXPECT_EQ(text, "line2");
    file.truncate();
    EXPECT_TRUE(file.isEndOfFile());
    file.write("!");
    file.close();
    EXPECT_EQ(ReadFileBytes(dir.file("f")), "line1\r\nline2!");
}

TEST(WriteString, WritesCrLfAndAppends) {
    TempDir dir;
    {
        CLSFileWriteString file;
        ASSERT_TRUE(file.openNative(dir.file("w"), false));
        file.writeLine("a");
        file.write(42);
        file.write(',');
        file.writeLine(CLSTString("b"));
        file.write(static_cast<const char*>(nullptr));
        file.writeNewLine();
    }
    EXPECT_EQ(ReadFileBytes(dir.file("w")), "a\r\n42,b\r\n\r\n");
    {
        CLSFileWriteString file;
        ASSERT_TRUE(file.openNative(dir.file("w"), true));
        file.writeLine(-1);
    }
    EXPECT_EQ(ReadFileBytes(dir.file("w")), "a\r\n42,b\r\n\r\n-1\r\n");
    EXPECT_EQ(sizeText(-50), "50%");
    EXPECT_EQ(sizeText(120), "120");
}

TEST(WriteString, FailuresRaiseCode6AndKeepTheOldFile) {
    CLSFileWriteString full;
    ASSERT_TRUE(full.openNative("/dev/full", false));
    try {
        full.write(std::string(100000, 'x').c_str());
        full.close();
        ADD_FAILURE() << "writing to a full disk must fail";
    } catch (const CLSError& e) {
        EXPECT_EQ(e.code(), CLSError::kWrite);
        EXPECT_STREQ(e.source(), "READLINE");
    }

    TempDir dir;
    std::string target = dir.file("keep.txt");
    WriteFileBytes(target, "old contents\r\n");
    SetWriteFaultForTests([&](const std::string& p) { return p.rfind(target, 0) == 0; });
    {
        CLSFileSafeWrite save;
        ASSERT_TRUE(save.openNative(target));
        save.file().writeLine("new contents");
        EXPECT_THROW(save.commit(), CLSError);
    }
    SetWriteFaultForTests(nullptr);
    EXPECT_EQ(ReadFileBytes(target), "old contents\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file is left behind";

    CLSFileSafeWrite save;
    ASSERT_TRUE(save.openNative(target));
    save.file().writeLine("new contents");
    save.commit();
    EXPECT_EQ(ReadFileBytes(target), "new contents\r\n");

    CLSFileSafeWrite nowhere;
    EXPECT_FALSE(nowhere.openNative(dir.file("missing-folder/x.txt")));
}

// A named pipe where a file is expected (a data file, a picture named in a
// question, the settings) is refused like a missing file, at once: opening
// one for reading would wait for a writer that never comes.
TEST(ReadLine, PathsThatAreNotFilesAreRefusedWithoutWaiting) {
    TempDir dir;
    const std::string pipe = dir.file("pipe");
    MakeFifo(pipe);
    EXPECT_FALSE(NativeFileExists(pipe));
    EXPECT_FALSE(NativeFileExists(dir.path())) << "nor is a folder";
    EXPECT_TRUE(FinishesWithoutWaitingOn(pipe, [&] {
        CLSFileReadLine file;
        EXPECT_FALSE(file.openNative(pipe));
    }));
    EXPECT_TRUE(FinishesWithoutWaitingOn(pipe, [&] {
        std::vector<uint8_t> bytes;
        EXPECT_FALSE(ReadImageFile(pipe, bytes, 1 << 20));
    }));
    EXPECT_TRUE(FinishesWithoutWaitingOn(pipe, [&] {
        CLSVorelSettings settings;
        FakePrompter prompter;
        EXPECT_FALSE(settings.loadSettings(CLSTString(pipe)));
        EXPECT_FALSE(settings.skin().loadDesignFile(prompter, CLSTString(pipe)));
    }));
    EXPECT_TRUE(FinishesWithoutWaitingOn(pipe, [&] {
        CLSVorelSettings settings;
        FakePrompter prompter;
        CLSVorelDataFile doc(settings, prompter);
        EXPECT_FALSE(doc.loadFile(CLSTString(pipe)));
        ASSERT_EQ(prompter.entries.size(), 1u);
        EXPECT_EQ(prompter.entries[0].utf8, "ファイル " + pipe + " を開けません。");
    }));
    EXPECT_TRUE(FinishesWithoutWaitingOn(pipe, [&] {
        int status = 0;
        RunCli("info " + ShellQuote(pipe), &status);
        EXPECT_EQ(status, 1);
    }));
}

namespace {

mode_t kindOf(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

std::vector<std::string> entriesOf(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool saves(const std::string& target, const std::string& text) {
    CLSFileSafeWrite save;
    if (!save.openNative(target)) return false;
    save.file().write(text.c_str());
    save.commit();
    return true;
}

}  // namespace

// Renaming the temporary file over a device or a pipe would put a plain
// file in its place; such targets are refused and stay what they were.
TEST(SafeWrite, OnlyRegularFilesAreReplaced) {
    TempDir dir;
    const std::string pipe = dir.file("pipe");
    MakeFifo(pipe);
    const std::string device = dir.file("null");
    // Making a device node needs root, as CI and packagers run.
    bool haveDevice = ::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    std::filesystem::create_directory(dir.file("folder"));
    std::filesystem::create_symlink(dir.file("nothing"), dir.file("dangling"));
    std::filesystem::create_symlink(dir.file("loop2"), dir.file("loop1"));
    std::filesystem::create_symlink(dir.file("loop1"), dir.file("loop2"));
    std::filesystem::create_symlink(pipe, dir.file("to-pipe"));
    if (haveDevice) std::filesystem::create_symlink(device, dir.file("to-device"));

    for (const char* name :
         {"pipe", "null", "folder", "dangling", "loop1", "to-pipe", "to-device"}) {
        std::string target = dir.file(name);
        mode_t before = kindOf(target);
        if (before == 0) continue;  // no device node without root
        EXPECT_FALSE(saves(target, "x")) << name;
        EXPECT_EQ(kindOf(target), before) << name;
    }
    if (haveDevice) {
        EXPECT_EQ(kindOf(device), static_cast<mode_t>(S_IFCHR));
    }
    EXPECT_EQ(kindOf(dir.file("nothing")), 0u) << "a dangling link is not followed";

    // A link to a regular file is followed: the file changes, the link stays.
    WriteFileBytes(dir.file("real.txt"), "old");
    std::filesystem::create_directory(dir.file("sub"));
    std::filesystem::create_symlink("../real.txt", dir.file("sub/link.txt"));
    ASSERT_TRUE(saves(dir.file("sub/link.txt"), "new"));
    EXPECT_EQ(kindOf(dir.file("sub/link.txt")), static_cast<mode_t>(S_IFLNK));
    EXPECT_EQ(ReadFileBytes(dir.file("real.txt")), "new");
    EXPECT_EQ(entriesOf(dir.file("sub")), std::vector<std::string>{"link.txt"});
    ASSERT_TRUE(saves(dir.file("fresh.txt"), "made")) << "a missing file is made";
    EXPECT_EQ(ReadFileBytes(dir.file("fresh.txt")), "made");
}

// A save killed midway leaves its temporary file; it names its process, so
// a later save beside it removes it once that process is gone.
TEST(SafeWrite, TemporaryFilesOfEndedProcessesAreRemoved) {
    TempDir dir;
    pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ASSERT_GT(gone, 0);
    ::waitpid(gone, nullptr, 0);
    const std::string dead = "f.vrf.vtmp-" + std::to_string(gone) + "-a1B2c3";
    const std::string alive = "f.vrf.vtmp-" + std::to_string(::getppid()) + "-a1B2c3";
    const std::string unnamed = "f.vrf.vtmp-Qw3rty";  // no process id: left alone
    const std::string other = "g.vrf.vtmp-" + std::to_string(gone) + "-a1B2c3";
    for (const std::string& name : {dead, alive, unnamed, other})
        WriteFileBytes(dir.file(name), "half");

    CLSFileSafeWrite save;
    ASSERT_TRUE(save.openNative(dir.file("f.vrf")));
    std::vector<std::string> during = entriesOf(dir.path());
    std::string prefix = "f.vrf.vtmp-" + std::to_string(::getpid()) + "-";
    EXPECT_EQ(std::count_if(during.begin(), during.end(),
                            [&](const std::string& n) {
                                return n.rfind(prefix, 0) == 0 && n.size() == prefix.size() + 6;
                            }),
              1)
        << "the temporary file names this process";
    save.file().write("data");
    save.commit();
    std::vector<std::string> expected = {alive, "f.vrf", unnamed, other};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(entriesOf(dir.path()), expected);
}
