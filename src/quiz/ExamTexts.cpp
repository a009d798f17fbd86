// The words the information pane, the result dialog and the exam history
// use for a run.

#include "quiz/ExamTexts.h"

#include <algorithm>
#include <cstdio>

#include "data/VorelDataFile.h"
#include "data/VorelDataQuestion.h"
#include "text/Codec.h"

CLSTString ExamModeName(CLSExamMode mode) {
    if (mode.isInOrder()) return CLSTString("すべて");
    if (mode.isReview()) return CLSTString("復習");
    CLSExamMode::Kind kind = mode.kind();
    CLSTString text;
    if (mode.isFromList()) {
        if (kind == CLSExamMode::kRetryWrong) {
            text.append("間違えた");
        } else if (kind == CLSExamMode::kRetryAll) {
            text.append("すべての");
        } else if (kind == CLSExamMode::kRetrySelected) {
            text.append("選択された");
        } else {
            return CLSTString("不明");
        }
        text.append("問題を再出題");
        if (mode.isRandom()) text.append("(ランダム)");
        return text;
    }
    if (mode.isRandom()) {
        text.append("ランダム");
        if (kind == CLSExamMode::kAll) {
            text.append("(すべて)");
        } else if (kind == CLSExamMode::kComplete) {
            text.append("(完全)");
        } else {
            if (kind == CLSExamMode::kWeak) text.append("(弱点問題)");
            if (mode.isNoRepeat()) text.append("(一度出題した問題は出題しない)");
        }
        return text;
    }
    return CLSTString("不明");
}

CLSTString AnswerModeName(AnswerMode answerMode) {
    switch (answerMode) {
        case AnswerMode::kWritten:
            return CLSTString("記述式");
        case AnswerMode::kChoice:
            return CLSTString("選択式");
        case AnswerMode::kConfirm:
            return CLSTString("確認");
        default:
            return CLSTString("通常");
    }
}

const char* VerdictMark(Verdict verdict) {
    switch (verdict) {
        case Verdict::kRight:
            return "○";
        case Verdict::kWrong:
            return "×";
        default:
            return "－";
    }
}

CLSTString RateText(int right, int wrong) {
    if (right + wrong <= 0) return CLSTString("－");
    // Rounded to the nearest hundredth of a percent, halves away from zero.
    long long total = static_cast<long long>(right) + wrong;
    long long p = (static_cast<long long>(right) * 20000 + total) / (2 * total);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld.%02lld%%", p / 100, p % 100);
    return CLSTString(buf);
}

CLSTString GroupLabel(const CLSVorelDataFile& doc, const CLSVorelDataQuestion& question) {
    CLSTString label("グループ\n");
    return label.append(doc.getGroupName(std::clamp(question.group(), 0, 9)));
}

CLSTString HistoryLabel(const CLSVorelDataQuestion& question) {
    CLSTString label("５４３２１\n");
    const auto& history = question.history();
    int n = static_cast<int>(history.size());
    for (int age = 4; age >= 0; --age) {
        if (age >= n) {
            label.append("－");
            continue;
        }
        int result = history[n - 1 - age].result;
        label.append(result == 1 ? "○" : result == 0 ? "×" : "？");
    }
    return label;
}
