// Appending a finished run to the exam history and keeping the file small.

#include "quiz/ExamLogWriter.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "quiz/ExamLog.h"
#include "quiz/ExamTexts.h"
#include "text/Codec.h"
#include "text/Common.h"
#include "text/Error.h"
#include "text/FileWriteString.h"
#include "text/Language.h"
#include "text/Paths.h"
#include "text/Prompter.h"
#include "text/SafeFile.h"
#include "text/TextEncoding.h"

namespace {

// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian).
int64_t daysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    int64_t era = (y >= 0 ? y : y - 399) / 400;
    int64_t yoe = y - era * 400;
    int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(int64_t z, int* y, int* m, int* d) {
    z += 719468;
    int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    *d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    *m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    *y = static_cast<int>(yoe + era * 400 + (*m <= 2));
}

}  // namespace

CLSLocalTime TimeBefore(const CLSLocalTime& now, int64_t elapsed) {
    int64_t ms = (daysFromCivil(now.year, now.month, now.day) * 86400 + now.hour * 3600 +
                  now.minute * 60 + now.second) *
                     1000 +
                 now.millisecond - std::max<int64_t>(0, elapsed);
    int64_t seconds = ms >= 0 ? ms / 1000 : (ms - 999) / 1000;
    int64_t days = seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400;
    int64_t rest = seconds - days * 86400;
    CLSLocalTime t;
    civilFromDays(days, &t.year, &t.month, &t.day);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    t.dayOfWeek = DayOfWeek(t.year, t.month, t.day);
    return t;
}

namespace {

void addLine(std::string& out, std::string_view text) {
    out.append(text);
    out.append("\r\n");
}

void addField(std::string& out, const CLSTString& text) {
    out += ',';
    CLSTString quoted = text.quoteCsv();
    out.append(quoted.text(), static_cast<size_t>(quoted.length()));
}

// The record in UTF-8 with CR LF; a Shift-JIS file takes it converted.
std::string recordText(const CLSExamLogRun& run) {
    std::string out;
    const CLSLocalTime& t = run.start;
    addLine(out, ExamLogTitle());
    auto label = [&out](const char* name, const CLSTString& value) {
        addLine(out, ExamLogLabelLine(name, value).view());
    };
    label("時刻", ExamLogTimeText(t.year, t.month, t.day, t.dayOfWeek, t.hour, t.minute, t.second));
    label("ファイル名", run.fileName);
    label("出題範囲", run.range);
    label("グループ", run.groups);
    label("出題方法", run.method);
    label("解答モード", run.answerMode);
    label("正解率", run.rate);
    label("所要時間", intervalText(run.elapsed));
    addLine(out, "順番,問題番号,正誤,所要時間,問題,答え,グループ,コメント");
    int order = 0;
    for (const CLSExamLogRun::Row& r : run.rows) {
        out += std::to_string(++order);
        out += ',';
        out += std::to_string(r.question);
        out += ',';
        out += VerdictMark(r.verdict);
        out += ',';
        out.append(intervalText(r.spent).view());
        if (r.known) {
            addField(out, r.questionText);
            addField(out, r.answer);
            addField(out, r.group);
            addField(out, r.comment);
        } else {
            out += ",,,,";
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace

namespace {

// Whether a history file is UTF-8: it starts with the byte-order mark.
// Leaves the file at its start.
bool isUtf8Log(CLSFileReadLine& file) {
    file.seek(0, SEEK_SET);
    CLSTString head;
    bool utf8 = file.readText(head, static_cast<int>(kUtf8Bom.size())) && head.view() == kUtf8Bom;
    file.seek(0, SEEK_SET);
    return utf8;
}

// The whole Shift-JIS history in UTF-8 (through a temporary file, so that
// a failure keeps the old one), the record appended. Every character reads
// back as it read before; a byte that was no Shift-JIS (which the history
// already showed as U+FFFD) becomes that character.
void convertAndAppend(const CLSTString& path, std::string_view record) {
    CLSFileReadLine in;
    if (!in.open(path)) VR_THROW("READLINE", CLSError::kRead);
    std::string bytes;
    CLSTString block;
    while (in.readText(block, 64 * 1024) && !block.isEmpty())
        bytes.append(block.view());
    in.close();
    std::string text(kUtf8Bom);
    AppendCp932AsUtf8(text, bytes);
    text.append("\r\n\r\n").append(record);
    CLSFileSafeWrite out;
    if (!out.open(path)) VR_THROW("READLINE", CLSError::kWrite);
    out.file().writeBytes(text.data(), text.size());
    out.commit();
}

}  // namespace

bool AppendExamLog(const CLSTString& path, const CLSExamLogRun& run, Prompter& prompter) {
    CLSTraceScope trace("CLSExam::writeExamLog");
    CLSFileWriteString file;
    if (!file.open(path, true)) {
        prompter.message(PromptIcon::Warning,
                         CLSTString(VT("出題履歴ファイルに書き込みできません。")));
        return false;
    }
    // The history stays Shift-JIS, which older versions read, until a record
    // holds text that Shift-JIS cannot: then the whole file turns UTF-8 (a
    // file half one and half the other could not be read), and stays so.
    // A record is there whole or not at all: a half one (a full disk, the
    // program stopped midway) would read back as a record with a broken
    // last row. It goes out in one write, and a write that fails partway
    // is cut off again.
    int64_t oldSize = -1;
    try {
        bool utf8 = isUtf8Log(file);
        int64_t size = file.seek(0, SEEK_END);
        if (size < 0) VR_THROW("READLINE", CLSError::kRead);
        std::string record = recordText(run);
        std::string converted;
        std::string text;
        if (utf8) {
            text = size > static_cast<int64_t>(kUtf8Bom.size()) ? "\r\n\r\n" : "";
            text += record;
        } else if (FitsCp932(record, &converted)) {
            text = size > 0 ? "\r\n\r\n" : "";
            text += converted;
        } else if (size == 0) {
            text = std::string(kUtf8Bom) + record;
        } else {
            file.close();
            convertAndAppend(path, record);
            return true;
        }
        oldSize = size;
        file.writeBytes(text.data(), text.size());
        file.flush();
        file.close();
    } catch (const CLSError& e) {
        try {
            if (oldSize >= 0 && file.seek(oldSize, SEEK_SET) == oldSize) file.truncate();
            file.close();
        } catch (const CLSError&) {
            // Nothing more can be done about a file that cannot be cut.
        }
        showError(e, prompter);
        return false;
    }
    return true;
}

bool TrimExamLog(const CLSTString& path, int64_t limit) {
    CLSFileReadLine file;
    if (!file.open(path)) return false;
    // A UTF-8 history stays UTF-8: its byte-order mark comes first again.
    bool utf8 = isUtf8Log(file);
    int64_t size = file.getRemaining();
    if (size <= limit || limit < 0) return true;
    int64_t room =
        utf8 ? std::max<int64_t>(0, limit - static_cast<int64_t>(kUtf8Bom.size())) : limit;
    file.seek(size - room, SEEK_SET);
    int64_t found = -1;
    CLSTString line;
    const char kTitle[] = "Vorel for Windows";
    while (true) {
        // Past a CR LF cut by a read, the line starts after its LF.
        file.peekChar();
        int64_t offset = file.tell();
        if (!file.readLineBytes(line)) break;
        if (line.length() >= 17 && line.view().substr(0, 17) == kTitle) {
            found = offset;
            break;
        }
    }
    if (found < 0) return true;
    CLSFileSafeWrite out;
    if (!out.open(path)) return false;
    try {
        file.seek(found, SEEK_SET);
        if (utf8) out.file().writeBytes(kUtf8Bom.data(), kUtf8Bom.size());
        CLSTString block;
        while (file.readText(block, 8192) && !block.isEmpty())
            out.file().writeBytes(block.text(), static_cast<size_t>(block.length()));
        file.close();
        out.commit();
    } catch (const CLSError&) {
        return false;
    }
    return true;
}
