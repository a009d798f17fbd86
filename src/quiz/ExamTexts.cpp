// The words the information pane, the result dialog and the exam history
// use for a run.

#include <cstdio>

#include "quiz/Exam.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Error.h"

CLSTString CLSExam::modeNameOf(int mode) {
    if (mode == kExamAll) return CLSTString(SJIS("すべて"));
    int kind = mode & kExamKindMask;
    CLSTString text;
    if (mode & kExamFromList) {
        if (kind == kExamRetryWrong) {
            text.append(SJIS("間違えた"));
        } else if (kind == kExamRetryAll) {
            text.append(SJIS("すべての"));
        } else if (kind == kExamRetrySelected) {
            text.append(SJIS("選択された"));
        } else {
            return CLSTString(SJIS("不明"));
        }
        text.append(SJIS("問題を再出題"));
        if (mode & kExamRandom) text.append(SJIS("(ランダム)"));
        return text;
    }
    if (mode & kExamRandom) {
        text.append(SJIS("ランダム"));
        if (kind == kExamAll) {
            text.append(SJIS("(すべて)"));
        } else if (kind == kExamComplete) {
            text.append(SJIS("(完全)"));
        } else {
            if (kind == kExamWeak) text.append(SJIS("(弱点問題)"));
            if (mode & kExamNoRepeat) text.append(SJIS("(一度出題した問題は出題しない)"));
        }
        return text;
    }
    return CLSTString(SJIS("不明"));
}

CLSTString CLSExam::answerModeNameOf(int answerMode) {
    switch (answerMode) {
        case 1:
            return CLSTString(SJIS("記述式"));
        case 2:
            return CLSTString(SJIS("選択式"));
        case 3:
            return CLSTString(SJIS("確認"));
        default:
            return CLSTString(SJIS("通常"));
    }
}

CLSTString CLSExam::answerModeName() const {
    return answerModeNameOf(m_settings.answerMode());
}

CLSTString CLSExam::rateTextOf(int right, int wrong) {
    if (right + wrong <= 0) return CLSTString(SJIS("－"));
    // Rounded to the nearest hundredth of a percent, halves away from zero.
    long long total = static_cast<long long>(right) + wrong;
    long long p = (static_cast<long long>(right) * 20000 + total) / (2 * total);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld.%02lld%%", p / 100, p % 100);
    return CLSTString(buf);
}

CLSTString CLSExam::resultMark(int i) const {
    if (i < 0 || i >= m_cursor || i >= static_cast<int>(m_records.size())) {
        VR_THROW("EXAM", CLSError::kIndex);
    }
    switch (m_records[i].result) {
        case CLSExamRecord::kRight:
            return CLSTString(SJIS("○"));
        case CLSExamRecord::kWrong:
            return CLSTString(SJIS("×"));
        default:
            return CLSTString(SJIS("－"));
    }
}
