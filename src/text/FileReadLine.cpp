#include "text/FileReadLine.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "text/Codec.h"
#include "text/Error.h"
#include "text/Paths.h"

namespace {

const char* const kSource = "READLINE";

// First CR or LF in [p, p + n), or n.
int findLineEnd(const char* p, int n) {
    for (int i = 0; i < n; ++i) {
        char c = p[i];
        if (c == '\r' || c == '\n') return i;
    }
    return n;
}

}  // namespace

// Nothing the user wrote is dropped from malformed input.
void FinishQuotedField(std::string& field) {
    if (field.size() < 2 || field[0] != '"') return;
    std::string out;
    out.reserve(field.size());
    size_t i = 1;
    while (i < field.size()) {
        if (field[i] == '"') {
            if (i + 1 < field.size() && field[i + 1] == '"') {
                out += '"';
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        out += field[i++];
    }
    out.append(field, i, std::string::npos);
    field.swap(out);
}

CLSFileReadLine::CLSFileReadLine(const CLSTString& path) {
    open(path);
}

CLSFileReadLine::~CLSFileReadLine() {
    if (m_fd >= 0) ::close(m_fd);
}

bool CLSFileReadLine::open(const CLSTString& path) {
    return openNative(NativePath(path));
}

bool CLSFileReadLine::openNative(const std::string& nativePath) {
    close();
    return openDescriptor(nativePath, O_RDONLY);
}

bool CLSFileReadLine::openDescriptor(const std::string& nativePath, int flags) {
    int fd = OpenRegularFile(nativePath, flags);
    if (fd < 0) return false;
    m_fd = fd;
    m_nativePath = nativePath;
    m_fingerprinting = false;
    m_buffered = 0;
    m_pos = 0;
    m_endOfFile = false;
    m_pendingCR = false;
    return true;
}

void CLSFileReadLine::close() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    m_buffered = 0;
    m_pos = 0;
    m_endOfFile = false;
    m_pendingCR = false;
}

bool CLSFileReadLine::refill() {
    while (m_buffered == 0) {
        if (m_fd < 0 || m_endOfFile) return false;
        flushWrites();
        ssize_t n;
        do {
            n = ::read(m_fd, m_buffer, kChunk);
        } while (n < 0 && errno == EINTR);
        if (n < 0) VR_THROW(kSource, CLSError::kRead);
        hashBytes(m_buffer, static_cast<size_t>(n));
        m_buffer[n] = 0;
        m_pos = 0;
        m_buffered = static_cast<int>(n);
        if (n == 0) {
            m_endOfFile = true;
            m_pendingCR = false;
            return false;
        }
        // The LF of a CR LF pair that the chunk boundary cut in two.
        if (m_pendingCR && m_buffer[0] == '\n') consume(1);
        m_pendingCR = false;
    }
    return true;
}

bool CLSFileReadLine::readLine(CLSTString& line) {
    if (m_encoding == CLSTextEncoding::kUtf8) return readLineBytes(line);
    CLSTString raw;
    bool any = readLineBytes(raw);
    std::string utf8;
    AppendCp932AsUtf8(utf8, raw.view());
    line = CLSTString(utf8);
    return any;
}

bool CLSFileReadLine::readLineBytes(CLSTString& line) {
    line.clear();
    bool any = false;
    while (true) {
        if (!refill()) return any;
        const char* p = m_buffer + m_pos;
        int end = findLineEnd(p, m_buffered);
        if (end == m_buffered) {
            line.appendBytes(p, end);
            any = true;
            consume(end);
            continue;
        }
        line.appendBytes(p, end);
        if (p[end] == '\r' && end + 1 < m_buffered && p[end + 1] == '\n') {
            consume(end + 2);
        } else {
            bool lastByte = end + 1 == m_buffered;
            if (p[end] == '\r' && lastByte) m_pendingCR = true;
            consume(end + 1);
        }
        return true;
    }
}

bool CLSFileReadLine::readFields(CLSTStringArray& fields, char separator) {
    fields.clear();
    std::string field;
    bool inQuotes = false;
    // The separators, quotes and line ends are never part of a two-byte
    // CP932 character, so the record is cut before it is converted.
    auto store = [&]() {
        FinishQuotedField(field);
        if (m_encoding == CLSTextEncoding::kCp932) {
            std::string utf8;
            AppendCp932AsUtf8(utf8, field);
            fields.add(CLSTString(utf8));
        } else {
            fields.add(CLSTString(field));
        }
        field.clear();
    };
    while (true) {
        if (!refill()) {
            if (fields.count() > 0 || !field.empty()) store();
            return fields.count() > 0;
        }
        const char* p = m_buffer + m_pos;
        int i = 0;
        while (i < m_buffered) {
            char c = p[i];
            if (c == separator || c == '"' || c == '\r' || c == '\n') break;
            ++i;
        }
        field.append(p, i);
        if (i == m_buffered) {
            consume(i);
            continue;
        }
        char c = p[i];
        if (c == '"') {
            inQuotes = !inQuotes;
            field += c;
            consume(i + 1);
        } else if (inQuotes) {
            field += c;
            consume(i + 1);
        } else if (c == separator) {
            consume(i + 1);
            store();
        } else {
            if (c == '\r' && i + 1 < m_buffered && p[i + 1] == '\n') {
                consume(i + 2);
            } else {
                if (c == '\r' && i + 1 == m_buffered) m_pendingCR = true;
                consume(i + 1);
            }
            store();
            return true;
        }
    }
}

bool CLSFileReadLine::readText(CLSTString& text, int count) {
    text.clear();
    if (count <= 0) return true;
    int fromBuffer = m_buffered < count ? m_buffered : count;
    text.appendBytes(m_buffer + m_pos, fromBuffer);
    consume(fromBuffer);
    int missing = count - fromBuffer;
    if (missing == 0) return true;
    if (m_fd < 0) return false;
    flushWrites();
    std::string rest(static_cast<size_t>(missing), '\0');
    size_t got = 0;
    while (got < rest.size()) {
        ssize_t n = ::read(m_fd, rest.data() + got, rest.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            m_endOfFile = true;
            break;
        }
        got += n;
    }
    hashBytes(rest.data(), got);
    text.appendBytes(rest.data(), static_cast<int>(got));
    return true;
}

void CLSFileReadLine::startFingerprint() {
    m_fingerprint = CLSFileFingerprint();
    m_hash = CLSByteHash();
    struct stat st;
    m_fingerprinting = m_fd >= 0 && ::fstat(m_fd, &st) == 0;
    if (!m_fingerprinting) return;
    m_fingerprint.mtimeNs =
        static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    m_fingerprint.device = static_cast<uint64_t>(st.st_dev);
    m_fingerprint.inode = static_cast<uint64_t>(st.st_ino);
}

CLSFileFingerprint CLSFileReadLine::fingerprint() const {
    CLSFileFingerprint fp = m_fingerprint;
    fp.valid = m_fingerprinting;
    fp.size = m_hash.count();
    fp.hash = m_hash.value();
    return fp;
}

int CLSFileReadLine::peekChar() {
    if (!refill()) return -1;
    return static_cast<unsigned char>(m_buffer[m_pos]);
}

int64_t CLSFileReadLine::getRemaining() {
    if (m_fd < 0) return 0;
    flushWrites();
    struct stat st;
    if (::fstat(m_fd, &st) != 0) return m_buffered;
    off_t physical = ::lseek(m_fd, 0, SEEK_CUR);
    if (physical < 0) return m_buffered;
    int64_t rest = static_cast<int64_t>(st.st_size) - physical;
    return (rest > 0 ? rest : 0) + m_buffered;
}

void CLSFileReadLine::dropReadBuffer() {
    if (m_fd >= 0 && m_buffered > 0) ::lseek(m_fd, -static_cast<off_t>(m_buffered), SEEK_CUR);
    m_buffered = 0;
    m_pos = 0;
    m_pendingCR = false;
}

int64_t CLSFileReadLine::seek(int64_t distance, int method) {
    if (m_fd < 0) return -1;
    flushWrites();
    dropReadBuffer();
    m_endOfFile = false;
    off_t pos = ::lseek(m_fd, static_cast<off_t>(distance), method);
    return pos < 0 ? -1 : static_cast<int64_t>(pos);
}

int64_t CLSFileReadLine::tell() {
    if (m_fd < 0) return -1;
    flushWrites();
    off_t physical = ::lseek(m_fd, 0, SEEK_CUR);
    return physical < 0 ? -1 : static_cast<int64_t>(physical) - m_buffered;
}

void CLSFileReadLine::truncate() {
    if (m_fd < 0) return;
    flushWrites();
    dropReadBuffer();
    off_t pos = ::lseek(m_fd, 0, SEEK_CUR);
    if (pos < 0 || ::ftruncate(m_fd, pos) != 0) VR_THROW(kSource, CLSError::kWrite);
    m_endOfFile = true;
}
