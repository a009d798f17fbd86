// The words the information pane, the result dialog and the exam history
// use for a run.

#include "quiz/ExamTexts.h"

#include <algorithm>
#include <cstdio>

#include "data/VorelDataFile.h"
#include "data/VorelDataQuestion.h"
#include "text/Codec.h"

CLSTString ExamModeName(CLSExamMode mode) {
    if (mode.isInOrder()) return CLSTString(SJIS("すべて"));
    CLSExamMode::Kind kind = mode.kind();
    CLSTString text;
    if (mode.isFromList()) {
        if (kind == CLSExamMode::kRetryWrong) {
            text.append(SJIS("間違えた"));
        } else if (kind == CLSExamMode::kRetryAll) {
            text.append(SJIS("すべての"));
        } else if (kind == CLSExamMode::kRetrySelected) {
            text.append(SJIS("選択された"));
        } else {
            return CLSTString(SJIS("不明"));
        }
        text.append(SJIS("問題を再出題"));
        if (mode.isRandom()) text.append(SJIS("(ランダム)"));
        return text;
    }
    if (mode.isRandom()) {
        text.append(SJIS("ランダム"));
        if (kind == CLSExamMode::kAll) {
            text.append(SJIS("(すべて)"));
        } else if (kind == CLSExamMode::kComplete) {
            text.append(SJIS("(完全)"));
        } else {
            if (kind == CLSExamMode::kWeak) text.append(SJIS("(弱点問題)"));
            if (mode.isNoRepeat()) text.append(SJIS("(一度出題した問題は出題しない)"));
        }
        return text;
    }
    return CLSTString(SJIS("不明"));
}

CLSTString AnswerModeName(AnswerMode answerMode) {
    switch (answerMode) {
        case AnswerMode::kWritten:
            return CLSTString(SJIS("記述式"));
        case AnswerMode::kChoice:
            return CLSTString(SJIS("選択式"));
        case AnswerMode::kConfirm:
            return CLSTString(SJIS("確認"));
        default:
            return CLSTString(SJIS("通常"));
    }
}

const char* VerdictMark(Verdict verdict) {
    switch (verdict) {
        case Verdict::kRight:
            return SJIS("○");
        case Verdict::kWrong:
            return SJIS("×");
        default:
            return SJIS("－");
    }
}

CLSTString RateText(int right, int wrong) {
    if (right + wrong <= 0) return CLSTString(SJIS("－"));
    // Rounded to the nearest hundredth of a percent, halves away from zero.
    long long total = static_cast<long long>(right) + wrong;
    long long p = (static_cast<long long>(right) * 20000 + total) / (2 * total);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld.%02lld%%", p / 100, p % 100);
    return CLSTString(buf);
}

CLSTString GroupLabel(const CLSVorelDataFile& doc, const CLSVorelDataQuestion& question) {
    CLSTString label(SJIS("グループ\n"));
    return label.append(doc.getGroupName(std::clamp(question.group(), 0, 9)));
}

CLSTString HistoryLabel(const CLSVorelDataQuestion& question) {
    CLSTString label(SJIS("５４３２１\n"));
    const auto& history = question.history();
    int n = static_cast<int>(history.size());
    for (int age = 4; age >= 0; --age) {
        if (age >= n) {
            label.append(SJIS("－"));
            continue;
        }
        int result = history[n - 1 - age].result;
        label.append(result == 1 ? SJIS("○") : result == 0 ? SJIS("×") : SJIS("？"));
    }
    return label;
}
