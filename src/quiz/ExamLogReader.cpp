// Reading the exam history back, sorting it and grouping it into a tree.

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "quiz/ExamLog.h"
#include "quiz/ExamLogReader.h"
#include "text/Clock.h"
#include "text/Codec.h"
#include "text/DateWords.h"
#include "text/Error.h"
#include "text/FileReadLine.h"
#include "text/Language.h"
#include "text/TextEncoding.h"
#include "text/Unicode.h"

namespace {

// A tree node covering records from first on; counts are added as they come.
CLSExamLogNode node(const CLSTString& label, int first) {
    CLSExamLogNode n;
    n.label = label;
    n.first = first;
    return n;
}

bool isTitleLine(const CLSTString& line) {
    return line.length() >= 17 &&
           CLSTString(line.substring(0, 17)).compareNoCase("Vorel for Windows") == 0;
}

// Runs of digits followed by 年, 月, 日, 時, 分 or 秒 set those parts.
void parseTime(const CLSTString& value, CLSExamLogOne& record) {
    struct Unit {
        const char* mark;  // CP932
        int* field;
    };
    const Unit units[] = {{"年", &record.year}, {"月", &record.month},  {"日", &record.day},
                          {"時", &record.hour}, {"分", &record.minute}, {"秒", &record.second}};
    const char* p = value.text();
    int len = value.length();
    int pos = 0;
    while (pos < len) {
        if (p[pos] < '0' || p[pos] > '9') {
            pos += charLengthAt(p, pos, len);
            continue;
        }
        // A number too long for its field (only a damaged or forged file has
        // one) leaves the field unset instead of wrapping round.
        int64_t number = 0;
        while (pos < len && p[pos] >= '0' && p[pos] <= '9') {
            if (number <= INT_MAX) number = number * 10 + (p[pos] - '0');
            ++pos;
        }
        for (const Unit& unit : units) {
            std::string_view mark(unit.mark);
            if (value.view().substr(pos, mark.size()) == mark) {
                if (number <= INT_MAX) *unit.field = static_cast<int>(number);
                pos += static_cast<int>(mark.size());
                break;
            }
        }
    }
    record.dayOfWeek = DayOfWeek(record.year, record.month, record.day);
}

CLSTString withoutBlanks(const CLSTString& text) {
    CLSTString s(text);
    return s.removeAll(' ');
}

int compareDates(const CLSExamLogOne& a, const CLSExamLogOne& b) {
    const int x[] = {a.year, a.month, a.day, a.hour, a.minute, a.second};
    const int y[] = {b.year, b.month, b.day, b.hour, b.minute, b.second};
    for (int i = 0; i < 6; ++i) {
        if (x[i] != y[i]) return x[i] < y[i] ? -1 : 1;
    }
    return 0;
}

}  // namespace

namespace {

// Whether a field read across line ends took in the title line of the
// next record: a quote that never closed.
bool swallowedTitle(const CLSTStringArray& fields) {
    for (const CLSTString& field : fields) {
        std::string_view v = field.view();
        for (size_t i = v.find_first_of("\r\n"); i != std::string_view::npos;
             i = v.find_first_of("\r\n", i + 1)) {
            if (isTitleLine(CLSTString(std::string(v.substr(i + 1, 17))))) return true;
        }
    }
    return false;
}

// A row cut at commas outside quotes, as the delimited reader cuts it.
void splitRow(const CLSTString& text, CLSTStringArray& fields) {
    fields.clear();
    std::string field;
    bool inQuotes = false;
    for (char c : text.view()) {
        if (c == '"') inQuotes = !inQuotes;
        if (c == ',' && !inQuotes) {
            FinishQuotedField(field);
            fields.add(CLSTString(field));
            field.clear();
        } else {
            field += c;
        }
    }
    FinishQuotedField(field);
    fields.add(CLSTString(field));
}

}  // namespace

CLSExamLogRow::CLSExamLogRow(const CLSTStringArray& fields) {
    size_t length = 0;
    for (const CLSTString& f : fields)
        length += static_cast<size_t>(f.length());
    m_text.reserve(length);
    m_ends.reserve(static_cast<size_t>(fields.count()));
    for (const CLSTString& f : fields) {
        m_text.append(f.text(), static_cast<size_t>(f.length()));
        m_ends.push_back(static_cast<uint32_t>(m_text.size()));
    }
}

std::string_view CLSExamLogRow::view(int i) const {
    if (i < 0 || i >= count()) return {};
    uint32_t begin = i == 0 ? 0 : m_ends[i - 1];
    return std::string_view(m_text).substr(begin, m_ends[i] - begin);
}

std::vector<CLSExamLogOne> ReadExamLog(const CLSTString& path,
                                       const std::function<void(int)>& progress,
                                       const std::atomic<bool>* stop, bool* readFailed) {
    std::vector<CLSExamLogOne> records;
    if (readFailed) *readFailed = false;
    CLSFileReadLine file;
    if (!file.open(path)) {
        if (readFailed) *readFailed = true;
        return records;
    }
    int64_t size = std::max<int64_t>(1, file.getRemaining());
    // A history that had to take text Shift-JIS cannot hold is UTF-8 after
    // its byte-order mark; its texts are taken valid and in NFC.
    bool utf8 = false;
    auto asProgramText = [&utf8](CLSTString& text) {
        if (utf8 && !IsPlainlyNfc(text.view())) text = CLSTString(NormalizeNfc(text.view()));
    };
    auto readLine = [&](CLSTString& text) {
        bool any = file.readLine(text);
        asProgramText(text);
        return any;
    };
    auto readFields = [&](CLSTStringArray& fields) {
        bool any = file.readFields(fields, ',');
        for (int i = 0; i < fields.count(); ++i)
            asProgramText(fields[i]);
        return any;
    };
    int lastPercent = -1;
    int lines = 0;
    CLSTString line;
    const std::string timeLabel = "時刻";
    const std::pair<std::string, CLSTString CLSExamLogOne::*> labels[] = {
        {"ファイル名", &CLSExamLogOne::fileName},   {"出題範囲", &CLSExamLogOne::range},
        {"グループ", &CLSExamLogOne::groups},       {"出題方法", &CLSExamLogOne::method},
        {"解答モード", &CLSExamLogOne::answerMode}, {"解答方法", &CLSExamLogOne::answerMode},
        {"正解率", &CLSExamLogOne::rate},           {"所要時間", &CLSExamLogOne::total},
    };
    try {
        CLSTString head;
        utf8 = file.readText(head, static_cast<int>(kUtf8Bom.size())) && head.view() == kUtf8Bom;
        if (utf8) {
            file.setEncoding(CLSTextEncoding::kUtf8);
        } else {
            file.seek(0, SEEK_SET);
        }
        while (readLine(line)) {
            // Asking the file for its position costs a system call: only
            // now and then.
            if (progress && ++lines % 256 == 0) {
                int percent = static_cast<int>(100 - file.getRemaining() * 100 / size);
                if (percent != lastPercent) progress(lastPercent = percent);
            }
            if (stop && stop->load(std::memory_order_relaxed)) break;
            if (!isTitleLine(line)) continue;
            CLSExamLogOne record;
            while (file.peekChar() == '[') {
                if (!readLine(line)) break;
                int close = line.findChar(']');
                if (close < 0) break;
                CLSTString label = withoutBlanks(line.substring(1, close - 1));
                int start = close + 1;
                while (start < line.length() && line.text()[start] == ' ')
                    ++start;
                CLSTString value = line.substring(start);
                if (label.view() == timeLabel) {
                    parseTime(value, record);
                    continue;
                }
                for (const auto& [name, field] : labels) {
                    if (label.view() == name) record.*field = value;
                }
            }
            CLSTStringArray fields;
            while (true) {
                int next = file.peekChar();
                if (next < 0 || next == '\r' || next == '\n') break;
                int64_t start = file.tell();
                if (next == 'V' || next == 'v') {
                    // A record whose blank lines were lost still ends
                    // where the next one begins.
                    bool title = file.readLine(line) && isTitleLine(line);
                    file.seek(start, SEEK_SET);
                    if (title) break;
                }
                if (!readFields(fields)) break;
                ++lines;
                if (swallowedTitle(fields)) {
                    // A quote that never closed: the row is its own line
                    // only, and the next record is read as it stands.
                    file.seek(start, SEEK_SET);
                    readLine(line);
                    splitRow(line, fields);
                    record.rows.emplace_back(fields);
                    break;
                }
                record.rows.emplace_back(fields);
            }
            records.push_back(std::move(record));
        }
    } catch (const CLSError&) {
        // A read failure keeps what was read before it.
        if (readFailed) *readFailed = true;
    }
    if (progress) progress(100);
    return records;
}

void SortExamLog(std::vector<CLSExamLogOne>& records, bool byDate) {
    std::stable_sort(records.begin(), records.end(),
                     [byDate](const CLSExamLogOne& a, const CLSExamLogOne& b) {
                         int names = a.fileName.compareNoCase(b.fileName.text());
                         int dates = compareDates(a, b);
                         if (byDate) return dates != 0 ? dates < 0 : names < 0;
                         return names != 0 ? names < 0 : dates < 0;
                     });
}

CLSExamLogNode ExamLogTreeByDate(const std::vector<CLSExamLogOne>& records) {
    CLSExamLogNode root;
    root.label = CLSTString(VT("出題履歴"));
    root.count = static_cast<int>(records.size());
    for (int i = 0; i < static_cast<int>(records.size()); ++i) {
        const CLSExamLogOne& r = records[i];
        bool newYear = i == 0 || r.year != records[i - 1].year;
        bool newMonth = newYear || r.month != records[i - 1].month;
        bool newDay = newMonth || r.day != records[i - 1].day;
        if (newYear)
            root.children.push_back(
                node(CLSTString(Fill(VT("%1年"), {std::to_string(r.year)})), i));
        CLSExamLogNode& year = root.children.back();
        if (newMonth) year.children.push_back(node(CLSTString(MonthName(r.month)), i));
        CLSExamLogNode& month = year.children.back();
        if (newDay) {
            CLSTString label(
                Fill(VT("%1日(%2)"), {std::to_string(r.day), WeekdayName(r.dayOfWeek)}));
            month.children.push_back(node(label, i));
        }
        ++year.count;
        ++month.count;
        ++month.children.back().count;
    }
    if (!root.children.empty()) {
        CLSExamLogNode& year = root.children.back();
        year.expanded = true;
        year.children.back().expanded = true;
        year.children.back().children.back().selected = true;
    }
    root.expanded = true;
    return root;
}

CLSExamLogNode ExamLogTreeByFile(const std::vector<CLSExamLogOne>& records) {
    CLSExamLogNode root;
    root.label = CLSTString(VT("出題履歴"));
    root.count = static_cast<int>(records.size());
    root.expanded = true;
    root.selected = true;
    for (int i = 0; i < static_cast<int>(records.size()); ++i) {
        if (i == 0 || records[i].fileName.compareNoCase(records[i - 1].fileName.text()) != 0) {
            root.children.push_back(node(records[i].fileName, i));
        }
        ++root.children.back().count;
    }
    return root;
}
