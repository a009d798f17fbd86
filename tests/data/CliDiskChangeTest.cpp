#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>

#include "TestSupport.h"
#include "data/LockInfo.h"

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

// A Vorel that has the file open is named on stderr; the command writes the
// file all the same, and a lock whose process is gone says nothing.
TEST(CliDiskChange, ALockIsReportedAndTheFileStillWritten) {
    TempDir dir;
    const std::string file = dir.file("a.vrf");
    WriteFileBytes(file, "VORELDATA V3.0\nq1,,a1,,,<00\n");
    pid_t holder = ::fork();
    if (holder == 0) {
        ::pause();
        ::_exit(0);
    }
    char exe[PATH_MAX] = {};
    ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    std::string program(exe, n > 0 ? static_cast<size_t>(n) : 0);
    program = program.substr(program.find_last_of('/') + 1);
    WriteFileBytes(dir.file(".a.vrf.lock"),
                   std::to_string(holder) + "\n" + program + "\n" + ThisHostName() + "\n");

    int status = -1;
    std::string err;
    RunCli("edit " + ShellQuote(file) + " " + ShellQuote(file) + " --mark on", &status, &err);
    EXPECT_EQ(status, 0) << err;
    EXPECT_NE(err.find("vorel-cli: warning: このファイルは他の Vorel で開かれています（" +
                       ThisHostName() + "、"),
              std::string::npos)
        << err;
    EXPECT_NE(ReadFileBytes(file).find("q1,,a1,,,=00\r\n"), std::string::npos);

    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    RunCli("save " + ShellQuote(file) + " " + ShellQuote(file), &status, &err);
    EXPECT_EQ(status, 0) << err;
    EXPECT_EQ(err, "");
}
