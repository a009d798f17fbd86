#include "text/SafeFile.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "text/Error.h"
#include "text/Paths.h"

namespace {

const char kTempMark[] = ".vtmp-";

// What a save may replace: a regular file, or nothing. A symbolic link is
// followed, so that the link survives the rename and the file it names is
// what changes. Anything else (a device, a pipe, a folder, a link that
// leads nowhere or round in a circle) is refused: renaming over it would
// put a plain file in its place, and as root that was once /dev/null.
bool resolveTarget(const std::string& target, std::string& resolved) {
    struct stat st;
    if (::lstat(target.c_str(), &st) != 0) {
        resolved = target;
        return errno == ENOENT;
    }
    if (S_ISREG(st.st_mode)) {
        resolved = target;
        return true;
    }
    if (!S_ISLNK(st.st_mode) || ::stat(target.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    char buffer[PATH_MAX];
    if (!::realpath(target.c_str(), buffer)) return false;
    resolved = buffer;
    return true;
}

mode_t modeFor(const std::string& target) {
    struct stat st;
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string folderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The process id in a temporary file's name, when the name is NAME.vtmp-PID-
// and six more characters; 0 when it is not one of ours.
pid_t tempOwner(const std::string& entry, const std::string& prefix) {
    if (entry.compare(0, prefix.size(), prefix) != 0) return 0;
    size_t pos = prefix.size();
    size_t dash = entry.find('-', pos);
    if (dash == std::string::npos || dash == pos || dash - pos > 10) return 0;
    if (entry.size() - dash - 1 != 6) return 0;
    long long pid = 0;
    for (size_t i = pos; i < dash; ++i) {
        if (entry[i] < '0' || entry[i] > '9') return 0;
        pid = pid * 10 + (entry[i] - '0');
    }
    return pid > 0 && pid <= INT_MAX ? static_cast<pid_t>(pid) : 0;
}

// A save that was killed leaves its temporary file behind. Ours carry the
// process id, so those whose process is gone can go; one whose process may
// still run (or that another user's process owns) is left alone.
void removeStaleTemps(const std::string& target) {
    std::string folder = folderOf(target);
    std::string prefix = target.substr(folder.size()) + kTempMark;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return;
    while (dirent* e = ::readdir(dir)) {
        std::string name = e->d_name;
        pid_t pid = tempOwner(name, prefix);
        if (pid == 0 || pid == ::getpid()) continue;
        if (::kill(pid, 0) == 0 || errno != ESRCH) continue;
        std::string path = folder + name;
        struct stat st;
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(path.c_str());
    }
    ::closedir(dir);
}

}  // namespace

CLSFileSafeWrite::~CLSFileSafeWrite() {
    abandon();
}

bool CLSFileSafeWrite::open(const CLSTString& path) {
    return openNative(NativePath(path));
}

bool CLSFileSafeWrite::openNative(const std::string& nativeTarget) {
    abandon();
    if (!resolveTarget(nativeTarget, m_target)) return false;
    removeStaleTemps(m_target);
    std::string pattern = m_target + kTempMark + std::to_string(::getpid()) + "-XXXXXX";
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) return false;
    ::fchmod(fd, modeFor(m_target));
    ::close(fd);
    m_temp = pattern;
    if (!m_file.openNative(m_temp, false)) {
        ::unlink(m_temp.c_str());
        m_temp.clear();
        return false;
    }
    return true;
}

void CLSFileSafeWrite::commit() {
    if (m_temp.empty()) VR_THROW("READLINE", CLSError::kWrite);
    try {
        m_file.sync();
        m_file.close();
    } catch (...) {
        abandon();
        throw;
    }
    if (::rename(m_temp.c_str(), m_target.c_str()) != 0) {
        abandon();
        VR_THROW("READLINE", CLSError::kWrite);
    }
    m_temp.clear();
    // Make the rename itself durable.
    std::string folder = folderOf(m_target);
    int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

void CLSFileSafeWrite::abandon() {
    if (m_temp.empty()) return;
    try {
        m_file.close();
    } catch (const CLSError&) {
        // The temporary file is dropped anyway.
    }
    ::unlink(m_temp.c_str());
    m_temp.clear();
}
