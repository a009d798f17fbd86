#pragma once

#include <string>
#include <utility>
#include <vector>

#include "text/FileReadLine.h"
#include "text/TString.h"
#include "text/TextEncoding.h"

/// How an import file is read.
struct CLSImportOptions {
    CLSTextEncoding encoding = CLSTextEncoding::kCp932;
    char separator = ',';
    /// The first record names the columns and is not imported.
    bool header = false;
    /// The fields hold HTML (see HtmlFieldToText).
    bool html = false;
    /// A hint column holds one hint per line (the hint column of our own export).
    bool hintPerLine = false;
    /// What becomes of characters a Shift-JIS file cannot hold: the learner
    /// is asked (a UTF-8 data file, "?" in their place, or no import), or
    /// the answer is fixed. Only kReplace changes what the reader gives.
    enum class Unmappable { kAsk, kUtf8, kReplace, kRefuse };
    Unmappable unmappable = Unmappable::kAsk;
};

/// The header lines that exports of other flash-card programs put at the
/// top of a file ("#separator:tab", "#html:true", "#columns:Front<TAB>Back",
/// "#tags column:3"): they describe the file and are not records.
struct CLSImportDirectives {
    int lineCount = 0;
    char separator = 0;  // 0: not given
    int html = -1;       // -1: not given, else 0 or 1
    bool hasColumns = false;
    std::string columns;  // the #columns value as written (cut at the separator in use)
    /// Columns a "#… column:N" line names (0-based column, lower-case name:
    /// "tags", "deck", "notetype", "guid").
    std::vector<std::pair<int, std::string>> namedColumns;
};

/// A character CP932 cannot hold, and where it is.
struct CLSUnmappable {
    int record = 0;  // 1-based among the records after a header
    int column = 0;  // 1-based
    std::string utf8;
};

/// The longest field an import takes (a longer one stops it).
inline constexpr int kMaxImportFieldBytes = 1 << 20;

struct CLSImportLimits {
    int maxRecords = 0;  // 0: every record
    int maxColumns = 0;  // 0: every column
    int maxFieldBytes = kMaxImportFieldBytes;
    /// A longer field is cut and ends in "…" (previews); otherwise reading
    /// stops there and tooLong() says where.
    bool cutLongFields = false;
};

/// Reads the records of a delimited text file as the program's CP932
/// texts: the byte-order mark and the directive lines at the top are
/// skipped, quoted fields lose their quotes, UTF-8 is converted (characters
/// CP932 cannot hold become "?" and are listed with their place), HTML
/// fields become plain text, and every line break becomes CR LF.
class CLSImportReader {
  public:
    /// false when the file cannot be opened. A reader reads one file.
    bool open(const CLSTString& path, const CLSImportOptions& options,
              const CLSImportLimits& limits = {});
    const CLSImportDirectives& directives() const { return m_directives; }
    /// The header record, else the names of a #columns line; empty when neither.
    const CLSTStringArray& columnNames() const { return m_names; }
    /// The next record; false at the end, after maxRecords records, or at a
    /// field longer than maxFieldBytes (when they are not cut).
    bool next(CLSTStringArray& fields);
    /// 1-based number of the record next() gave last.
    int recordNumber() const { return m_record; }
    /// Whether every record of the file has been read.
    bool atEnd();
    /// The field that stopped reading for its length (1-based record and
    /// column), or {0, 0}.
    std::pair<int, int> tooLong() const { return m_tooLong; }
    bool fieldsCut() const { return m_fieldsCut; }
    bool columnsCut() const { return m_columnsCut; }
    const std::vector<CLSUnmappable>& unmappable() const { return m_unmappable; }
    /// The places found since the last call, handed over.
    std::vector<CLSUnmappable> takeUnmappable() { return std::exchange(m_unmappable, {}); }
    /// Bytes of the file read so far (for progress).
    int64_t bytesRead() const { return m_consumed; }

  private:
    bool fill();
    int peek(size_t ahead);
    bool readLineAhead(std::string& line, size_t& length);
    void readDirectives();
    bool readRaw();
    void appendToField(const char* p, size_t n);
    /// An unquoted field as the program's text; report: list what CP932 cannot hold.
    CLSTString decode(std::string& raw, int column, bool report);

    CLSFileReadLine m_file;
    CLSImportOptions m_options;
    CLSImportLimits m_limits;
    CLSImportDirectives m_directives;
    CLSTStringArray m_names;
    std::string m_buffer;
    size_t m_pos = 0;
    bool m_fileEnd = false;
    int64_t m_consumed = 0;
    std::vector<std::string> m_raw;  // fields of the record being read
    std::vector<bool> m_rawCut;
    size_t m_rawCount = 0;
    bool m_fieldFull = false;
    int m_record = 0;
    std::pair<int, int> m_tooLong{0, 0};
    bool m_fieldsCut = false;
    bool m_columnsCut = false;
    std::vector<CLSUnmappable> m_unmappable;
};

/// What an import file is, by its first bytes.
enum class CLSImportFileKind { kText, kUnreadable, kEmpty, kBinary, kUtf16 };

/// What the start of an import file proposes for reading it.
struct CLSImportProposal {
    CLSImportFileKind kind = CLSImportFileKind::kText;
    /// The detected encoding; the separator, header and HTML from the
    /// directives or from our own export's header.
    CLSImportOptions options;
    CLSImportDirectives directives;
    /// The file starts with the header our export writes.
    bool ownExport = false;
};

/// Looks at the start of an import file (at most its first MiB).
CLSImportProposal InspectImportFile(const CLSTString& path);
/// What the learner is told about a file that is no text to import (CP932).
CLSTString ImportFileKindMessage(CLSImportFileKind kind);
