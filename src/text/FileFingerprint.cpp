#include "text/FileFingerprint.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "text/Paths.h"

namespace {

uint64_t rotateLeft(uint64_t x, int r) {
    return (x << r) | (x >> (64 - r));
}

uint64_t loadWord(const void* p) {
    uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

}  // namespace

void CLSByteHash::mix(uint64_t word) {
    m_state = rotateLeft(m_state ^ (word * 0x9E3779B97F4A7C15ull), 29) * 0xBF58476D1CE4E5B9ull;
}

void CLSByteHash::add(const char* data, size_t n) {
    m_count += static_cast<int64_t>(n);
    if (m_pendingLength > 0) {
        size_t take = std::min(n, sizeof m_pending - m_pendingLength);
        std::memcpy(m_pending + m_pendingLength, data, take);
        m_pendingLength += take;
        data += take;
        n -= take;
        if (m_pendingLength < sizeof m_pending) return;
        mix(loadWord(m_pending));
        m_pendingLength = 0;
    }
    for (; n >= 8; data += 8, n -= 8)
        mix(loadWord(data));
    std::memcpy(m_pending, data, n);
    m_pendingLength = n;
}

uint64_t CLSByteHash::value() const {
    CLSByteHash last = *this;
    if (last.m_pendingLength > 0) {
        unsigned char tail[8] = {};
        std::memcpy(tail, m_pending, m_pendingLength);
        last.mix(loadWord(tail));
    }
    // The length goes in too (a tail of zero bytes is not the empty one),
    // and a final scramble spreads every bit over the value.
    uint64_t h = last.m_state ^ static_cast<uint64_t>(m_count);
    h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ull;
    h = (h ^ (h >> 27)) * 0x94D049BB133111EBull;
    return h ^ (h >> 31);
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
