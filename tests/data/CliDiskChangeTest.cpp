#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TestSupport.h"

namespace {

std::string quiz(const TempDir& dir, const std::string& file) {
    return "VOREL_HOME=" + ShellQuote(dir.path()) + " " + ShellQuote(CliPath()) + " quiz " +
           ShellQuote(file) + " --json --no-log 2>&1";
}

}  // namespace

// The terminal quiz writes its answers back at the end of the run: onto a
// file another program changed meanwhile it refuses, and a touch alone is
// no change.
TEST(CliDiskChange, QuizRefusesAFileChangedDuringTheRun) {
    TempDir dir;
    const std::string file = dir.file("q.vrf");
    WriteFileBytes(file, "VORELDATA V3.0\r\nq1,,a1,,,<00\r\n");
    {
        Conversation run(quiz(dir, file));
        ASSERT_TRUE(run.waitFor("\"event\":\"ask\",\"number\":1")) << run.output();
        WriteFileBytes(file, "VORELDATA V3.0\r\nq1,,a1,,,<00\r\nq2,,b,,,<00\r\n");
        run.send("a1");
        ASSERT_TRUE(run.waitFor("\"event\":\"end\"")) << run.output();
        EXPECT_EQ(run.finish(), 1);
        EXPECT_NE(run.output().find("vorel-cli: warning: ファイル「" + file +
                                    "」は読み込んだ後に他のプログラムで変更されています。"),
                  std::string::npos)
            << run.output();
    }
    EXPECT_EQ(ReadFileBytes(file), "VORELDATA V3.0\r\nq1,,a1,,,<00\r\nq2,,b,,,<00\r\n");

    Conversation run(quiz(dir, file));
    ASSERT_TRUE(run.waitFor("\"event\":\"ask\",\"number\":1")) << run.output();
    struct timespec later[2] = {{1900000000, 0}, {1900000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), later, 0), 0);
    run.send("a1");
    run.send("b");
    ASSERT_TRUE(run.waitFor("\"event\":\"end\"")) << run.output();
    EXPECT_EQ(run.finish(), 0) << run.output();
    EXPECT_NE(ReadFileBytes(file).find("q1,,a1,,,<00,1"), std::string::npos);
}
