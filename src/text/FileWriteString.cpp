#include "text/FileWriteString.h"

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "text/Codec.h"
#include "text/Error.h"
#include "text/Paths.h"

namespace {

const char* const kSource = "READLINE";
constexpr size_t kWriteBuffer = 64 * 1024;

std::function<bool(const std::string&)>& writeFault() {
    static std::function<bool(const std::string&)> predicate;
    return predicate;
}

}  // namespace

void SetWriteFaultForTests(std::function<bool(const std::string& nativePath)> predicate) {
    writeFault() = std::move(predicate);
}

CLSTString sizeText(int value) {
    CLSTString s;
    if (value < 0) {
        // INT_MIN has no positive int; its magnitude is written in full.
        char digits[24];
        std::snprintf(digits, sizeof digits, "%lld%%", -static_cast<long long>(value));
        s.append(digits);
    } else {
        s.append(value);
    }
    return s;
}

CLSFileWriteString::~CLSFileWriteString() {
    try {
        flush();
    } catch (const CLSError&) {
        // A destructor cannot report; callers that care call close() first.
    }
}

bool CLSFileWriteString::open(const CLSTString& path, bool append) {
    return openNative(NativePath(path), append);
}

bool CLSFileWriteString::openNative(const std::string& nativePath, bool append) {
    close();
    int flags = O_RDWR | O_CREAT | (append ? 0 : O_TRUNC);
    if (!openDescriptor(nativePath, flags)) return false;
    m_unmappable.clear();
    if (append && ::lseek(m_fd, 0, SEEK_END) < 0) {
        CLSFileReadLine::close();
        return false;
    }
    return true;
}

void CLSFileWriteString::close() {
    if (m_fd < 0) return;
    try {
        flush();
    } catch (...) {
        m_out.clear();
        CLSFileReadLine::close();
        throw;
    }
    CLSFileReadLine::close();
}

void CLSFileWriteString::prepareWrite() {
    if (m_fd < 0) VR_THROW(kSource, CLSError::kWrite);
    dropReadBuffer();
}

void CLSFileWriteString::writeBytes(const char* data, size_t n) {
    prepareWrite();
    m_out.append(data, n);
    if (m_out.size() >= kWriteBuffer) flush();
}

void CLSFileWriteString::flush() {
    if (m_out.empty() || m_fd < 0) return;
    const auto& fault = writeFault();
    if (fault && fault(m_nativePath)) {
        m_out.clear();
        VR_THROW(kSource, CLSError::kWrite);
    }
    const char* p = m_out.data();
    size_t left = m_out.size();
    while (left > 0) {
        ssize_t n = ::write(m_fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            m_out.clear();
            VR_THROW(kSource, CLSError::kWrite);
        }
        hashBytes(p, static_cast<size_t>(n));
        p += n;
        left -= n;
    }
    m_out.clear();
}

void CLSFileWriteString::sync() {
    flush();
    if (m_fd >= 0 && ::fsync(m_fd) != 0 && errno != EINVAL) VR_THROW(kSource, CLSError::kWrite);
}

void CLSFileWriteString::writeText(const char* text, size_t n) {
    if (m_encoding == CLSTextEncoding::kUtf8) {
        writeBytes(text, n);
        return;
    }
    prepareWrite();
    AppendUtf8AsCp932(m_out, std::string_view(text, n), &m_unmappable);
    if (m_out.size() >= kWriteBuffer) flush();
}

void CLSFileWriteString::write(const char* text) {
    if (text) writeText(text, std::strlen(text));
}

void CLSFileWriteString::write(const CLSTString& text) {
    writeText(text.text(), static_cast<size_t>(text.length()));
}

void CLSFileWriteString::write(int value) {
    char buf[16];
    int n = std::snprintf(buf, sizeof buf, "%d", value);
    writeBytes(buf, n);
}

void CLSFileWriteString::write(char c) {
    writeBytes(&c, 1);
}

void CLSFileWriteString::writeLine(const char* text) {
    write(text);
    writeNewLine();
}

void CLSFileWriteString::writeLine(const CLSTString& text) {
    write(text);
    writeNewLine();
}

void CLSFileWriteString::writeLine(int value) {
    write(value);
    writeNewLine();
}

void CLSFileWriteString::writeLine(char c) {
    write(c);
    writeNewLine();
}

void CLSFileWriteString::writeNewLine() {
    writeBytes("\r\n", 2);
}
