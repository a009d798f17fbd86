#include "data/LockInfo.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "text/Codec.h"
#include "text/Language.h"

namespace {

// The first line of a small system file, without its line end.
std::string firstLineOf(const char* path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' '))
        line.pop_back();
    return line;
}

std::string thisMachineId() {
    std::string id = firstLineOf("/etc/machine-id");
    return id.empty() ? firstLineOf("/var/lib/dbus/machine-id") : id;
}

// The file name of a process's program, "" when it cannot be seen.
std::string programOf(int64_t pid) {
    char link[64];
    std::snprintf(link, sizeof link, "/proc/%lld/exe", static_cast<long long>(pid));
    char target[PATH_MAX];
    ssize_t n = ::readlink(link, target, sizeof target - 1);
    if (n <= 0) return std::string();
    std::string path(target, static_cast<size_t>(n));
    const std::string deleted = " (deleted)";
    if (path.size() > deleted.size() &&
        path.compare(path.size() - deleted.size(), deleted.size(), deleted) == 0)
        path.resize(path.size() - deleted.size());
    return path.substr(path.find_last_of('/') + 1);
}

CLSTString fromNative(const std::string& utf8) {
    return CLSTString(utf8);
}

}  // namespace

std::string LockFilePathOf(const std::string& nativeDataPath) {
    size_t slash = nativeDataPath.find_last_of('/');
    std::string folder = slash == std::string::npos ? "" : nativeDataPath.substr(0, slash + 1);
    std::string name =
        slash == std::string::npos ? nativeDataPath : nativeDataPath.substr(slash + 1);
    return folder + "." + name + ".lock";
}

bool ReadLockFile(const std::string& nativeLockPath, CLSLockInfo& info) {
    struct stat st;
    if (::stat(nativeLockPath.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    std::ifstream in(nativeLockPath);
    if (!in) return false;
    std::string pidLine;
    std::getline(in, pidLine);
    char* end = nullptr;
    long long pid = std::strtoll(pidLine.c_str(), &end, 10);
    if (pidLine.empty() || *end || pid <= 0) return false;
    CLSLockInfo read;
    read.pid = pid;
    std::getline(in, read.app);
    std::getline(in, read.host);
    std::getline(in, read.machineId);
    std::getline(in, read.bootId);
    read.madeSeconds = static_cast<int64_t>(st.st_mtim.tv_sec);
    info = read;
    return true;
}

std::string ThisHostName() {
    char name[HOST_NAME_MAX + 1] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return std::string();
    return name;
}

bool IsLockOfOtherHost(const CLSLockInfo& info) {
    // The machine's id decides when the lock has one: two computers may
    // share a host name.
    if (!info.machineId.empty()) {
        std::string ours = thisMachineId();
        if (!ours.empty()) return ours != info.machineId;
    }
    return !info.host.empty() && info.host != ThisHostName();
}

bool IsLockHeldByOther(const CLSLockInfo& info) {
    if (IsLockOfOtherHost(info)) return true;
    if (info.pid == static_cast<int64_t>(::getpid())) return false;
    // A lock from before the last start of the computer is left over.
    if (!info.bootId.empty()) {
        std::string boot = firstLineOf("/proc/sys/kernel/random/boot_id");
        if (!boot.empty() && boot != info.bootId) return false;
    }
    if (::kill(static_cast<pid_t>(info.pid), 0) == -1 && errno == ESRCH) return false;
    // The process id may have gone to another program since.
    std::string program = programOf(info.pid);
    if (!program.empty() && !info.app.empty()) {
        std::string app = info.app.substr(info.app.find_last_of('/') + 1);
        if (program != app) return false;
    }
    return true;
}

CLSTString LockAgeText(int64_t seconds) {
    if (seconds < 0) seconds = 0;
    int64_t minutes = seconds / 60;
    int64_t hours = minutes / 60;
    int64_t days = hours / 24;
    if (days > 0)
        return CLSTString(
            Fill(VT("%1日%2時間前"), {std::to_string(days), std::to_string(hours % 24)}));
    if (hours > 0)
        return CLSTString(
            Fill(VT("%1時間%2分前"), {std::to_string(hours), std::to_string(minutes % 60)}));
    return CLSTString(Fill(VT("%1分前"), {std::to_string(minutes)}));
}

CLSTString LockMessage(const CLSLockInfo& info, int64_t nowSeconds) {
    time_t made = static_cast<time_t>(info.madeSeconds);
    struct tm local = {};
    localtime_r(&made, &local);
    char start[64];
    std::snprintf(start, sizeof start, "%04d/%02d/%02d %02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min);
    CLSTString host = fromNative(info.host.empty() ? "?" : info.host);
    bool elsewhere = IsLockOfOtherHost(info);
    if (!elsewhere)
        return CLSTString(Fill(VT("このファイルは他の Vorel で開かれています（%1、%2）。"),
                               {host.view(), start}));
    CLSTString age = LockAgeText(nowSeconds - info.madeSeconds);
    // clang-format off
    return CLSTString(Fill(VT("このファイルは他の Vorel で開かれています（%1、%2、%3）。\n\n別のコンピュータで開いたときのロックが、同期で運ばれてきたものかもしれません。"), {host.view(), start, age.view()}));
    // clang-format on
}
