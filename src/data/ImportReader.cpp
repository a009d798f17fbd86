// Reading delimited text written by spreadsheets and other flash-card
// programs, in CP932 or UTF-8.

#include "data/ImportReader.h"

#include <algorithm>
#include <cstring>

#include "data/HtmlField.h"
#include "text/Codec.h"
#include "text/Language.h"
#include "text/Unicode.h"

namespace {

constexpr size_t kBlock = 64 * 1024;
constexpr int kSampleBytes = 1 << 20;

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string trimmed(std::string_view text) {
    size_t b = 0;
    size_t e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t'))
        ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t'))
        --e;
    return std::string(text.substr(b, e - b));
}

char separatorNamed(const std::string& value) {
    // One character stands for itself (a blank or TAB included).
    if (value.size() == 1) return value[0];
    std::string name = lowerAscii(trimmed(value));
    if (name == "tab" || name == "\\t") return '\t';
    if (name == "comma" || name == ",") return ',';
    if (name == "semicolon" || name == ";") return ';';
    if (name == "space") return ' ';
    if (name == "pipe" || name == "|") return '|';
    if (name == "colon" || name == ":") return ':';
    return 0;
}

// "#key:value" with a key of letters and blanks.
bool splitDirective(std::string_view line, std::string& key, std::string& value) {
    if (line.size() < 3 || line[0] != '#') return false;
    size_t colon = line.find(':');
    if (colon == std::string_view::npos || colon < 2) return false;
    for (size_t i = 1; i < colon; ++i) {
        char c = line[i];
        bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter && c != ' ') return false;
    }
    if (line[1] == ' ') return false;
    key = lowerAscii(trimmed(line.substr(1, colon - 1)));
    value = std::string(line.substr(colon + 1));
    return true;
}

void applyDirective(const std::string& key, const std::string& value, CLSImportDirectives& d) {
    if (key == "separator") {
        d.separator = separatorNamed(value);
    } else if (key == "html") {
        std::string v = lowerAscii(trimmed(value));
        if (v == "true" || v == "1" || v == "yes") d.html = 1;
        if (v == "false" || v == "0" || v == "no") d.html = 0;
    } else if (key == "columns") {
        d.hasColumns = true;
        d.columns = value;
        while (!d.columns.empty() && d.columns.back() == '\r')
            d.columns.pop_back();
    } else if (key.size() > 7 && key.compare(key.size() - 7, 7, " column") == 0) {
        int n = std::atoi(trimmed(value).c_str());
        if (n >= 1) d.namedColumns.emplace_back(n - 1, trimmed(key.substr(0, key.size() - 7)));
    }
}

// Lone CR and lone LF become CR LF, the program's line break.
void normalizeLineBreaks(std::string& text) {
    if (text.find_first_of("\r\n") == std::string::npos) return;
    std::string out;
    out.reserve(text.size() + 16);
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    text.swap(out);
}

// Drops a character cut in two at the end of a field that was cut short.
void dropCutCharacter(std::string& text, CLSTextEncoding encoding) {
    if (encoding == CLSTextEncoding::kUtf8) {
        size_t i = text.size();
        size_t back = 0;
        while (i > 0 && back < 4 && (static_cast<unsigned char>(text[i - 1]) & 0xC0) == 0x80) {
            --i;
            ++back;
        }
        if (i > 0 && static_cast<unsigned char>(text[i - 1]) >= 0xC0) {
            unsigned char lead = static_cast<unsigned char>(text[i - 1]);
            size_t need = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
            if (back < need) text.resize(i - 1);
        }
        return;
    }
    // CP932: a lead byte (0x81-0x9F, 0xE0-0xFC) takes the byte after it.
    size_t pos = 0;
    while (pos < text.size()) {
        unsigned char b = static_cast<unsigned char>(text[pos]);
        bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        if (lead && pos + 1 == text.size()) {
            text.resize(pos);
            return;
        }
        pos += lead ? 2 : 1;
    }
}

}  // namespace

// ---- the buffer --------------------------------------------------------------------

bool CLSImportReader::fill() {
    if (m_fileEnd) return false;
    if (m_pos > 0 && m_pos * 2 >= m_buffer.size()) {
        m_buffer.erase(0, m_pos);
        m_pos = 0;
    }
    CLSTString block;
    if (!m_file.readText(block, static_cast<int>(kBlock)) || block.isEmpty()) {
        m_fileEnd = true;
        return false;
    }
    m_buffer.append(block.text(), block.length());
    return true;
}

int CLSImportReader::peek(size_t ahead) {
    while (m_pos + ahead >= m_buffer.size()) {
        if (!fill()) return -1;
    }
    return static_cast<unsigned char>(m_buffer[m_pos + ahead]);
}

// The line at the read position without consuming it; length counts its
// line end too.
bool CLSImportReader::readLineAhead(std::string& line, size_t& length) {
    size_t n = 0;
    while (true) {
        int c = peek(n);
        if (c < 0) {
            line.assign(m_buffer, m_pos, n);
            length = n;
            return n > 0;
        }
        if (c == '\r' || c == '\n') {
            line.assign(m_buffer, m_pos, n);
            length = n + 1;
            if (c == '\r' && peek(n + 1) == '\n') ++length;
            return true;
        }
        // A directive is a short line; anything longer is a record.
        if (++n > 64 * 1024) return false;
    }
}

bool CLSImportReader::open(const CLSTString& path, const CLSImportOptions& options,
                           const CLSImportLimits& limits) {
    m_options = options;
    m_limits = limits;
    if (!m_file.open(path)) return false;
    if (peek(0) == 0xEF && peek(1) == 0xBB && peek(2) == 0xBF) m_pos = 3;
    readDirectives();
    if (m_options.header) {
        if (readRaw()) {
            for (size_t i = 0; i < m_rawCount; ++i) {
                FinishQuotedField(m_raw[i]);
                m_names.add(decode(m_raw[i], static_cast<int>(i) + 1, false));
            }
        }
    } else if (m_directives.hasColumns) {
        std::string names = m_directives.columns;
        size_t start = 0;
        while (true) {
            size_t cut = names.find(m_options.separator, start);
            std::string name = names.substr(start, cut == std::string::npos ? cut : cut - start);
            m_names.add(decode(name, 0, false));
            if (cut == std::string::npos) break;
            start = cut + 1;
        }
    }
    return true;
}

void CLSImportReader::readDirectives() {
    std::string line;
    size_t length = 0;
    while (peek(0) == '#' && readLineAhead(line, length)) {
        std::string key;
        std::string value;
        if (!splitDirective(line, key, value)) break;
        applyDirective(key, value, m_directives);
        ++m_directives.lineCount;
        m_pos += length;
    }
}

// ---- records -----------------------------------------------------------------------

void CLSImportReader::appendToField(const char* p, size_t n) {
    if (m_rawCount == 0 || m_fieldFull) return;
    std::string& field = m_raw[m_rawCount - 1];
    size_t cap = static_cast<size_t>(m_limits.maxFieldBytes);
    if (field.size() + n > cap) {
        field.append(p, cap - field.size());
        m_rawCut[m_rawCount - 1] = true;
        m_fieldFull = true;
        return;
    }
    field.append(p, n);
}

// One record cut at the separator outside quotes (quotes kept for
// FinishQuotedField). Fields past maxColumns are read over but not kept.
bool CLSImportReader::readRaw() {
    m_rawCount = 0;
    bool started = false;
    bool inQuotes = false;
    auto startField = [this] {
        m_fieldFull = false;
        if (m_limits.maxColumns > 0 && m_rawCount >= static_cast<size_t>(m_limits.maxColumns)) {
            m_columnsCut = true;
            m_fieldFull = true;  // skipped
            return;
        }
        if (m_raw.size() <= m_rawCount) {
            m_raw.emplace_back();
            m_rawCut.push_back(false);
        }
        m_raw[m_rawCount].clear();
        m_rawCut[m_rawCount] = false;
        ++m_rawCount;
    };
    startField();
    const char sep = m_options.separator;
    while (true) {
        if (m_pos >= m_buffer.size() && !fill()) return started;
        const char* p = m_buffer.data() + m_pos;
        size_t avail = m_buffer.size() - m_pos;
        size_t i = 0;
        if (inQuotes) {
            while (i < avail && p[i] != '"')
                ++i;
        } else {
            while (i < avail) {
                char c = p[i];
                if (c == sep || c == '"' || c == '\r' || c == '\n') break;
                ++i;
            }
        }
        if (i > 0) started = true;
        appendToField(p, i);
        m_pos += i;
        m_consumed += static_cast<int64_t>(i);
        // A field too long to import ends the reading at once, so that a
        // file of one huge field is not read to its end first.
        if (!m_limits.cutLongFields && m_rawCount > 0 && m_rawCut[m_rawCount - 1]) return true;
        if (i == avail) continue;
        char c = p[i];
        started = true;
        ++m_pos;
        ++m_consumed;
        if (c == '"') {
            inQuotes = !inQuotes;
            appendToField(&c, 1);
        } else if (c == sep) {
            startField();
        } else {
            if (c == '\r' && peek(0) == '\n') {
                ++m_pos;
                ++m_consumed;
            }
            return true;
        }
    }
}

CLSTString CLSImportReader::decode(std::string& raw, int column, bool report) {
    std::string missing;
    if (m_options.html) raw = HtmlFieldToText(raw, m_options.encoding, &missing);
    normalizeLineBreaks(raw);
    std::string out;
    if (m_options.encoding == CLSTextEncoding::kUtf8) {
        // What a Shift-JIS file cannot hold is reported, and becomes "?"
        // only when the learner chose that.
        std::string cp932;
        Utf8ToCp932(raw, cp932, &missing);
        out = m_options.unmappable == CLSImportOptions::Unmappable::kReplace ? Cp932ToUtf8(cp932)
                                                                             : NormalizeNfc(raw);
    } else {
        out = Cp932ToUtf8(raw);
    }
    if (report && !missing.empty()) m_unmappable.push_back({m_record, column, missing});
    return CLSTString(out);
}

bool CLSImportReader::next(CLSTStringArray& fields) {
    fields.clear();
    if (m_tooLong.first > 0) return false;
    if (m_limits.maxRecords > 0 && m_record >= m_limits.maxRecords) return false;
    if (!readRaw()) return false;
    ++m_record;
    for (size_t i = 0; i < m_rawCount; ++i) {
        if (m_rawCut[i] && !m_limits.cutLongFields) {
            m_tooLong = {m_record, static_cast<int>(i) + 1};
            fields.clear();
            return false;
        }
        FinishQuotedField(m_raw[i]);
        if (m_rawCut[i]) {
            m_fieldsCut = true;
            dropCutCharacter(m_raw[i], m_options.encoding);
            m_raw[i] += m_options.encoding == CLSTextEncoding::kUtf8 ? "\xE2\x80\xA6" : "\x81\x63";
        }
        fields.add(decode(m_raw[i], static_cast<int>(i) + 1, true));
    }
    return true;
}

bool CLSImportReader::atEnd() {
    return peek(0) < 0;
}

// ---- looking at a file -------------------------------------------------------------

CLSImportProposal InspectImportFile(const CLSTString& path) {
    CLSImportProposal proposal;
    CLSFileReadLine file;
    if (!file.open(path)) {
        proposal.kind = CLSImportFileKind::kUnreadable;
        return proposal;
    }
    CLSTString sample;
    bool whole = file.getRemaining() <= kSampleBytes;
    if (!file.readText(sample, kSampleBytes)) {
        proposal.kind = CLSImportFileKind::kUnreadable;
        return proposal;
    }
    std::string_view bytes = sample.view();
    if (bytes.empty()) {
        proposal.kind = CLSImportFileKind::kEmpty;
        return proposal;
    }
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
        proposal.kind = CLSImportFileKind::kUtf16;
        return proposal;
    }
    if (bytes.find('\0') != std::string_view::npos) {
        proposal.kind = CLSImportFileKind::kBinary;
        return proposal;
    }
    CLSImportOptions& o = proposal.options;
    o.encoding = DetectTextEncoding(bytes, whole);
    o.header = true;

    // The directives, read as the reader reads them.
    CLSImportReader reader;
    CLSImportLimits limits;
    limits.maxRecords = 1;
    limits.maxColumns = 64;
    limits.cutLongFields = true;
    CLSImportOptions plain = o;
    plain.header = false;
    if (!reader.open(path, plain, limits)) {
        proposal.kind = CLSImportFileKind::kUnreadable;
        return proposal;
    }
    proposal.directives = reader.directives();
    const CLSImportDirectives& d = proposal.directives;
    if (d.lineCount > 0) {
        // These files have no header record; #columns names the columns.
        o.header = false;
        if (d.separator) o.separator = d.separator;
        if (d.html >= 0) o.html = d.html == 1;
        return proposal;
    }

    // Our own export: its header, with commas or TABs.
    size_t start = bytes.substr(0, 3) == kUtf8Bom ? 3 : 0;
    size_t end = bytes.find_first_of("\r\n", start);
    std::string first(bytes.substr(start, end == std::string_view::npos ? end : end - start));
    if (o.encoding == CLSTextEncoding::kCp932) first = Cp932ToUtf8(first);
    for (const char* header :
         {"問題番号,問題,答え,グループ,コメント,ヒント", "問題番号,問題,答え,グループ,コメント"}) {
        for (char sep : {',', '\t'}) {
            std::string expected = header;
            std::replace(expected.begin(), expected.end(), ',', sep);
            if (first == expected) {
                proposal.ownExport = true;
                o.separator = sep;
                o.hintPerLine = true;
                return proposal;
            }
        }
    }
    // A file whose first line has TABs and no commas is TAB-separated.
    if (first.find('\t') != std::string::npos && first.find(',') == std::string::npos)
        o.separator = '\t';
    return proposal;
}

CLSTString ImportFileKindMessage(CLSImportFileKind kind) {
    switch (kind) {
        case CLSImportFileKind::kUnreadable:
            return CLSTString(VT("ファイルを開けません。"));
        case CLSImportFileKind::kEmpty:
            return CLSTString(VT("ファイルが空です。"));
        case CLSImportFileKind::kBinary:
            return CLSTString(VT("テキストファイルではありません。"));
        case CLSImportFileKind::kUtf16:
            return CLSTString(
                VT("UTF-16 のテキストには対応していません。UTF-8 で保存し直してください。"));
        case CLSImportFileKind::kText:
            break;
    }
    return CLSTString();
}
