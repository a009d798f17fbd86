#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <climits>

#include "TestSupport.h"
#include "data/LockInfo.h"

namespace {

// A process of this computer that runs until it is killed.
pid_t startSleeper() {
    pid_t child = ::fork();
    if (child == 0) {
        ::pause();
        ::_exit(0);
    }
    return child;
}

void stop(pid_t child) {
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

std::string thisProgram() {
    char target[PATH_MAX] = {};
    ssize_t n = ::readlink("/proc/self/exe", target, sizeof target - 1);
    std::string path(target, n > 0 ? static_cast<size_t>(n) : 0);
    return path.substr(path.find_last_of('/') + 1);
}

std::string localStart(time_t seconds) {
    struct tm local = {};
    localtime_r(&seconds, &local);
    char text[32];
    strftime(text, sizeof text, "%Y/%m/%d %H:%M", &local);
    return text;
}

}  // namespace

TEST(LockFile, TellsALiveLockFromALeftOverOneAndSaysWhoHoldsIt) {
    EXPECT_EQ(LockFilePathOf("/a/b/t.vrf"), "/a/b/.t.vrf.lock");
    EXPECT_EQ(LockFilePathOf("t.vrf"), ".t.vrf.lock");

    TempDir dir;
    const std::string lock = dir.file(".t.vrf.lock");
    pid_t child = startSleeper();
    WriteFileBytes(lock,
                   std::to_string(child) + "\n" + thisProgram() + "\n" + ThisHostName() + "\n");
    struct timespec made[2] = {{1700000000, 0}, {1700000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, lock.c_str(), made, 0), 0);
    CLSLockInfo info;
    ASSERT_TRUE(ReadLockFile(lock, info));
    EXPECT_EQ(info.pid, child);
    EXPECT_EQ(info.host, ThisHostName());
    EXPECT_EQ(info.madeSeconds, 1700000000);
    EXPECT_FALSE(IsLockOfOtherHost(info));
    EXPECT_TRUE(IsLockHeldByOther(info));
    EXPECT_EQ(U8(LockMessage(info, 1700000000 + 7200)),
              "このファイルは他の Vorel で開かれています（" + ThisHostName() + "、" +
                  localStart(1700000000) + "）。");

    CLSLockInfo reused = info;
    reused.app = "some-other-program";
    EXPECT_FALSE(IsLockHeldByOther(reused)) << "the process id went to another program";
    stop(child);
    EXPECT_FALSE(IsLockHeldByOther(info)) << "its process is gone";
    CLSLockInfo ours = info;
    ours.pid = ::getpid();
    EXPECT_FALSE(IsLockHeldByOther(ours)) << "our own lock";

    // Carried here from another computer: its process cannot be looked at.
    CLSLockInfo elsewhere = info;
    elsewhere.host = "elsewhere-pc";
    EXPECT_TRUE(IsLockOfOtherHost(elsewhere));
    EXPECT_TRUE(IsLockHeldByOther(elsewhere));
    EXPECT_EQ(U8(LockMessage(elsewhere, 1700000000 + 2 * 3600 + 5 * 60 + 30)),
              "このファイルは他の Vorel で開かれています（elsewhere-pc、" + localStart(1700000000) +
                  "、2時間5分前）。\n\n別のコンピュータで開いたときのロックが、同期で運ばれてきた"
                  "ものかもしれません。");
    EXPECT_EQ(U8(LockAgeText(59)), "0分前");
    EXPECT_EQ(U8(LockAgeText(3 * 86400 + 3700)), "3日1時間前");

    WriteFileBytes(lock, "not a process\n");
    EXPECT_FALSE(ReadLockFile(lock, info));
    EXPECT_FALSE(ReadLockFile(dir.file(".none.vrf.lock"), info));
}
