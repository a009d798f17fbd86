#pragma once

#include <cstdint>
#include <string>

#include "text/FileFingerprint.h"
#include "text/TString.h"
#include "text/TextEncoding.h"

/// A field as read between separators: when it starts with a double quote,
/// the quotes go and "" becomes "; text after the closing quote stays, and
/// so does everything of a field whose quote never closed.
void FinishQuotedField(std::string& field);

/// Buffered reading of a text file by line, by comma- or TAB-separated
/// record, or by blocks of bytes, on a POSIX file descriptor. Lines and
/// fields of a CP932 file (the default) come as UTF-8; with kUtf8 they are
/// the bytes as they stand, as blocks always are. Read failures throw
/// CLSError code 4 with the source "READLINE".
class CLSFileReadLine {
  public:
    static constexpr int kChunk = 1025;

    CLSFileReadLine() = default;
    /// Opens at once; check isOpen().
    explicit CLSFileReadLine(const CLSTString& path);
    virtual ~CLSFileReadLine();
    CLSFileReadLine(const CLSFileReadLine&) = delete;
    CLSFileReadLine& operator=(const CLSFileReadLine&) = delete;

    /// The encoding of the file's lines; CP932 unless set.
    void setEncoding(CLSTextEncoding encoding) { m_encoding = encoding; }
    CLSTextEncoding encoding() const { return m_encoding; }

    /// Closes any open file and opens a path for reading; false when
    /// it cannot be opened.
    bool open(const CLSTString& path);
    bool openNative(const std::string& nativePath);
    bool isOpen() const { return m_fd >= 0; }
    /// Closes the file; a writer flushes first (and may throw code 6).
    virtual void close();

    /// Next line without its terminator (CR LF, CR or LF); false at the end.
    bool readLine(CLSTString& line);
    /// The same as the bytes in the file, whatever the encoding.
    bool readLineBytes(CLSTString& line);
    /// Next record split at separator (',' or '\t') outside double quotes;
    /// false at the end. Quoted fields lose their quotes, "" becomes ".
    bool readFields(CLSTStringArray& fields, char separator);
    /// Up to count bytes; false when reading the file fails.
    bool readText(CLSTString& text, int count);
    /// The next byte without consuming it, -1 at the end.
    int peekChar();
    /// True when no file is open or a read found no more bytes.
    bool isEndOfFile() const { return m_fd < 0 || m_endOfFile; }
    /// Bytes not yet consumed.
    int64_t getRemaining();

    /// Moves the logical position (SEEK_SET, SEEK_CUR, SEEK_END); returns the
    /// new position or -1.
    int64_t seek(int64_t distance, int method);
    int64_t tell();
    /// Ends the file at the logical position.
    void truncate();

    /// From now on every byte read from (or written to) the open file goes
    /// into its fingerprint, which takes the file's time and identity now.
    void startFingerprint();
    /// The fingerprint of the bytes read or written since startFingerprint
    /// (not valid without one). Meant for files read or written from start
    /// to end in one go.
    CLSFileFingerprint fingerprint() const;

  protected:
    virtual void flushWrites() {}
    /// Empties the read buffer and moves the descriptor back to the logical position.
    void dropReadBuffer();
    bool openDescriptor(const std::string& nativePath, int flags);
    void hashBytes(const char* data, size_t n) {
        if (m_fingerprinting) m_hash.add(data, n);
    }

    int m_fd = -1;
    std::string m_nativePath;
    CLSTextEncoding m_encoding = CLSTextEncoding::kCp932;

  private:
    /// Makes bytes available; false at end of file.
    bool refill();
    void consume(int n) {
        m_pos += n;
        m_buffered -= n;
    }

    int m_buffered = 0;
    bool m_endOfFile = false;
    bool m_pendingCR = false;
    char m_buffer[kChunk + 1] = {};
    int m_pos = 0;  // first unconsumed byte in m_buffer
    bool m_fingerprinting = false;
    CLSFileFingerprint m_fingerprint;
    CLSByteHash m_hash;
};
