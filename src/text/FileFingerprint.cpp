#include "text/FileFingerprint.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "text/Paths.h"

void CLSByteHash::add(const char* data, size_t n) {
    uint64_t h = m_state;
    for (size_t i = 0; i < n; ++i) {
        h ^= static_cast<unsigned char>(data[i]);
        h *= 1099511628211ull;
    }
    m_state = h;
    m_count += static_cast<int64_t>(n);
}

namespace {

void fillFromStat(const struct stat& st, CLSFileFingerprint& fp) {
    fp.size = static_cast<int64_t>(st.st_size);
    fp.mtimeNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    fp.device = static_cast<uint64_t>(st.st_dev);
    fp.inode = static_cast<uint64_t>(st.st_ino);
}

}  // namespace

bool StatIntoFingerprint(const std::string& nativePath, CLSFileFingerprint& fingerprint) {
    struct stat st;
    if (::stat(nativePath.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    fillFromStat(st, fingerprint);
    return true;
}

bool FingerprintOfFile(const std::string& nativePath, CLSFileFingerprint& fingerprint) {
    int fd = OpenRegularFile(nativePath, O_RDONLY);
    if (fd < 0) return false;
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return false;
    }
    CLSFileFingerprint fp;
    fillFromStat(st, fp);
    CLSByteHash hash;
    std::vector<char> buffer(64 * 1024);
    while (true) {
        ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return false;
        }
        if (n == 0) break;
        hash.add(buffer.data(), static_cast<size_t>(n));
    }
    ::close(fd);
    // The bytes read are what counts: a file growing while it is read has
    // the size of what was seen.
    fp.size = hash.count();
    fp.hash = hash.value();
    fp.valid = true;
    fingerprint = fp;
    return true;
}

CLSDiskState CompareWithDisk(const std::string& nativePath, const CLSFileFingerprint& fingerprint) {
    CLSFileFingerprint now;
    if (!StatIntoFingerprint(nativePath, now)) return CLSDiskState::kMissing;
    if (now.size != fingerprint.size) return CLSDiskState::kChanged;
    // The time is no proof either way (a touch changes it, a copy may keep
    // it), so the bytes decide.
    if (!FingerprintOfFile(nativePath, now)) return CLSDiskState::kMissing;
    if (now.size != fingerprint.size || now.hash != fingerprint.hash) return CLSDiskState::kChanged;
    return CLSDiskState::kSame;
}
