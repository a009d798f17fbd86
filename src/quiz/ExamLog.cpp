#include "quiz/ExamLog.h"

#include <cstring>

#include "text/Codec.h"
#include "text/Columns.h"

namespace {

const char* const kDayNames[] = {"日", "月", "火", "水", "木", "金", "土"};

}  // namespace

const char* ExamLogTitle() {
    return "Vorel for Windows Ver.3.13 出題履歴";
}

CLSTString ExamLogTimeText(int year, int month, int day, int dayOfWeek, int hour, int minute,
                           int second) {
    CLSTString s;
    s.append(year).append("年").append(month).append("月").append(day).append("日(");
    s.append(kDayNames[((dayOfWeek % 7) + 7) % 7]).append(") ");
    s.append(hour).append("時").append(minute).append("分").append(second).append("秒");
    return s;
}

CLSTString ExamLogLabelLine(const char* label, const CLSTString& value) {
    // Centred in ten columns, a full-width character taking two.
    int length = DisplayColumns(label);
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
