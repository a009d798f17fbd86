#pragma once

#include <functional>
#include <string>

#include "text/FileReadLine.h"

/// Writing (and mixed reading) of a text file. Texts are written in the
/// file's encoding (CP932 unless set otherwise; writeBytes writes bytes as
/// they are). Write failures throw CLSError code 6 with the source
/// "READLINE"; what was written before stays.
class CLSFileWriteString : public CLSFileReadLine {
  public:
    CLSFileWriteString() = default;
    ~CLSFileWriteString() override;

    /// append = false creates or truncates; true opens or creates and moves
    /// to the end. false when it fails.
    bool open(const CLSTString& path, bool append = false);
    bool openNative(const std::string& nativePath, bool append = false);
    void close() override;

    void write(const char* text);
    void write(const CLSTString& text);
    void write(int value);
    void write(char c);
    void writeBytes(const char* data, size_t n);
    void writeLine(const char* text);
    void writeLine(const CLSTString& text);
    void writeLine(int value);
    void writeLine(char c);
    void writeNewLine();

    /// The characters that CP932 could not hold and were written as "?"
    /// since the file was opened (callers that may meet them check).
    const std::string& unmappable() const { return m_unmappable; }

    /// Hands buffered bytes to the system; throws code 6 on failure.
    void flush();
    /// flush() and then waits until the bytes are on the disk.
    void sync();

  protected:
    void flushWrites() override { flush(); }

  private:
    void prepareWrite();
    void writeText(const char* text, size_t n);
    std::string m_out;
    std::string m_unmappable;
};

/// "n%" for a negative size -n, else the decimal value (markup attributes).
CLSTString sizeText(int value);

/// Test seam: writes to files whose native path makes the predicate true
/// fail as on a full disk. Pass an empty function to switch it off.
void SetWriteFaultForTests(std::function<bool(const std::string& nativePath)> predicate);
