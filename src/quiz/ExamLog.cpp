#include "quiz/ExamLog.h"

#include <cstring>

#include "text/Codec.h"

namespace {

const char* const kDayNames[] = {"日", "月", "火", "水", "木", "金", "土"};

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
