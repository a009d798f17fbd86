// Appending a finished run to the exam history.

#include <algorithm>
#include <cstring>

#include "data/VorelDataFile.h"
#include "quiz/Exam.h"
#include "quiz/ExamLog.h"
#include "settings/SettingsFolder.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Common.h"
#include "text/Error.h"
#include "text/FileWriteString.h"
#include "text/Paths.h"
#include "text/Prompter.h"
#include "text/SafeFile.h"

namespace {

const char* const kDayNames[] = {"日", "月", "火", "水", "木", "金", "土"};

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

// The local time `elapsed` milliseconds before `now`, across day and month ends.
CLSLocalTime timeBefore(const CLSLocalTime& now, int64_t elapsed) {
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

CLSTString groupLabelOf(const CLSVorelDataFile& doc, int group) {
    return doc.getGroupName(std::clamp(group, 0, 9));
}

}  // namespace

const char* ExamLogTitle() {
    return SJIS("Vorel for Windows Ver.3.13 出題履歴");
}

CLSTString ExamLogTimeText(int year, int month, int day, int dayOfWeek, int hour, int minute,
                           int second) {
    CLSTString s;
    s.append(year)
        .append(SJIS("年"))
        .append(month)
        .append(SJIS("月"))
        .append(day)
        .append(SJIS("日("));
    s.append(Utf8ToCp932Literal(kDayNames[((dayOfWeek % 7) + 7) % 7]).c_str()).append(") ");
    s.append(hour)
        .append(SJIS("時"))
        .append(minute)
        .append(SJIS("分"))
        .append(second)
        .append(SJIS("秒"));
    return s;
}

CLSTString ExamLogLabelLine(const char* label, const CLSTString& value) {
    int length = static_cast<int>(std::strlen(label));
    int d = 10 - length;
    int before = d / 2;
    int after = d - before;
    CLSTString s("[");
    for (int i = 0; i < before; ++i)
        s.append(' ');
    s.append(label);
    for (int i = 0; i < after; ++i)
        s.append(' ');
    return s.append("] ").append(value);
}

CLSTString CLSExam::examLogPath() const {
    const CLSTString& name = m_settings.examLogName();
    if (IsAbsolutePath(name)) return name;
    return JoinPath(HistoryFolder(), name);
}

bool CLSExam::writeExamLog(Prompter& prompter) {
    CLSTraceScope trace("CLSExam::writeExamLog");
    CLSTString path = examLogPath();
    CLSFileWriteString file;
    if (!file.open(path, true)) {
        prompter.message(PromptIcon::Warning,
                         CLSTString(SJIS("出題履歴ファイルに書き込みできません。")));
        return false;
    }
    try {
        if (file.tell() > 0) {
            file.writeNewLine();
            file.writeNewLine();
        }
        CLSLocalTime start = timeBefore(m_clock.localTime(), m_clock.ticks() - m_startTick);
        file.writeLine(ExamLogTitle());
        file.writeLine(ExamLogLabelLine(
            SJIS("時刻"), ExamLogTimeText(start.year, start.month, start.day, start.dayOfWeek,
                                          start.hour, start.minute, start.second)));
        file.writeLine(ExamLogLabelLine(SJIS("ファイル名"), m_doc.getPath()));
        CLSTString range;
        range.append(rangeFirst + 1).append(SJIS("～")).append(rangeLast + 1);
        file.writeLine(ExamLogLabelLine(SJIS("出題範囲"), range));
        CLSTString groups = groupLabelOf(m_doc, 0);
        for (int g = 1; g < 10; ++g) {
            if (groupEnabled[g]) groups.append(',').append(groupLabelOf(m_doc, g).quoteCsv());
        }
        file.writeLine(ExamLogLabelLine(SJIS("グループ"), groups));
        file.writeLine(ExamLogLabelLine(SJIS("出題方法"), modeName()));
        file.writeLine(ExamLogLabelLine(SJIS("解答モード"), answerModeName()));
        file.writeLine(ExamLogLabelLine(SJIS("正解率"), rateText()));
        file.writeLine(
            ExamLogLabelLine(SJIS("所要時間"), intervalText(m_clock.ticks() - m_startTick)));
        file.writeLine(SJIS("順番,問題番号,正誤,所要時間,問題,答え,グループ,コメント"));

        // The judged records, and the one on screen when the run was stopped
        // (asked but not judged).
        int rows =
            std::min<int>(m_cursor + (m_currentAsked ? 1 : 0), static_cast<int>(m_records.size()));
        for (int i = 0; i < rows; ++i) {
            const CLSExamRecord& r = m_records[i];
            bool judged = i < m_cursor;
            // The question on screen when the run was stopped counts as skipped.
            const char* mark = verdictMark(judged ? r.result : Verdict::kSkipped);
            int64_t spent = judged || m_clockStopped ? r.time : m_clock.ticks() - r.time;
            file.write(i + 1);
            file.write(',');
            file.write(r.question + 1);
            file.write(',');
            file.write(mark);
            file.write(',');
            file.write(intervalText(spent));
            const CLSVorelDataItem* line = m_doc.getQuestion(r.question);
            if (line) {
                const CLSVorelDataQuestion& q = line->question();
                file.write(',');
                file.write(q.getQuestion().toText().quoteCsv());
                file.write(',');
                file.write(q.firstAnswer().toText().quoteCsv());
                file.write(',');
                file.write(groupLabelOf(m_doc, q.group()).quoteCsv());
                file.write(',');
                file.write(q.getComment().toText().quoteCsv());
            } else {
                file.write(",,,,");
            }
            file.writeNewLine();
        }
        file.close();
    } catch (const CLSError& e) {
        showError(e, prompter);
        return false;
    }
    int64_t limit = static_cast<int64_t>(m_settings.examLogSize()) * 1024;
    TrimExamLog(path, limit);
    return true;
}

bool TrimExamLog(const CLSTString& path, int64_t limit) {
    CLSFileReadLine file;
    if (!file.open(path)) return false;
    int64_t size = file.getRemaining();
    if (size <= limit || limit < 0) return true;
    file.seek(size - limit, SEEK_SET);
    int64_t found = -1;
    CLSTString line;
    const char kTitle[] = "Vorel for Windows";
    while (true) {
        // Past a CR LF cut by a read, the line starts after its LF.
        file.peekChar();
        int64_t offset = file.tell();
        if (!file.readLine(line)) break;
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
        CLSTString block;
        while (file.readText(block, 8192) && !block.isEmpty())
            out.file().write(block);
        file.close();
        out.commit();
    } catch (const CLSError&) {
        return false;
    }
    return true;
}
