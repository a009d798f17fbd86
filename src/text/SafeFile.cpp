#include "text/SafeFile.h"

#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "text/Error.h"
#include "text/Paths.h"

namespace {

// A target that is a symbolic link is saved through the link, so that the
// link itself survives the rename.
std::string resolveTarget(const std::string& target) {
    struct stat st;
    if (::lstat(target.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(target.c_str(), resolved)) return resolved;
    }
    return target;
}

mode_t modeFor(const std::string& target) {
    struct stat st;
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
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
    m_target = resolveTarget(nativeTarget);
    std::string pattern = m_target + ".vtmp-XXXXXX";
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
    std::string folder = m_target.substr(0, m_target.find_last_of('/') + 1);
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
