// The words the information pane, the result dialog and the exam history
// use for a run.

#include "quiz/ExamTexts.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <utility>

#include "data/VorelDataFile.h"
#include "data/VorelDataQuestion.h"
#include "text/Codec.h"
#include "text/DateWords.h"
#include "text/Language.h"

namespace {

// The name of a way of asking, as the exam history writes it.
const char* modeWord(CLSExamMode mode) {
    if (mode.isInOrder()) return VN("すべて");
    if (mode.isReview()) return VN("復習");
    CLSExamMode::Kind kind = mode.kind();
    bool random = mode.isRandom();
    if (mode.isFromList()) {
        switch (kind) {
            case CLSExamMode::kRetryWrong:
                return random ? VN("間違えた問題を再出題(ランダム)") : VN("間違えた問題を再出題");
            case CLSExamMode::kRetryAll:
                return random ? VN("すべての問題を再出題(ランダム)") : VN("すべての問題を再出題");
            case CLSExamMode::kRetrySelected:
                return random ? VN("選択された問題を再出題(ランダム)")
                              : VN("選択された問題を再出題");
            default:
                return VN("不明");
        }
    }
    if (!random) return VN("不明");
    if (kind == CLSExamMode::kAll) return VN("ランダム(すべて)");
    if (kind == CLSExamMode::kComplete) return VN("ランダム(完全)");
    if (kind == CLSExamMode::kWeak) {
        return mode.isNoRepeat() ? VN("ランダム(弱点問題)(一度出題した問題は出題しない)")
                                 : VN("ランダム(弱点問題)");
    }
    return mode.isNoRepeat() ? VN("ランダム(一度出題した問題は出題しない)") : VN("ランダム");
}

}  // namespace

CLSTString ExamModeName(CLSExamMode mode) {
    return CLSTString(modeWord(mode));
}

CLSTString AnswerModeName(AnswerMode answerMode) {
    switch (answerMode) {
        case AnswerMode::kWritten:
            return CLSTString(VN("記述式"));
        case AnswerMode::kChoice:
            return CLSTString(VN("選択式"));
        case AnswerMode::kConfirm:
            return CLSTString(VN("確認"));
        default:
            return CLSTString(VN("通常"));
    }
}

CLSTString ShownExamDuration(const CLSTString& written) {
    if (SpeaksNativeLanguage()) return written;
    // "1時間2分3秒", "2分3秒" or "3秒", as intervalText writes them.
    std::string_view text = written.view();
    int64_t seconds = 0;
    bool hasSeconds = false;  // which intervalText always writes
    const std::pair<std::string_view, int64_t> units[] = {{"時間", 3600}, {"分", 60}, {"秒", 1}};
    size_t at = 0;
    for (const auto& [unit, scale] : units) {
        size_t digits = at;
        while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9')
            ++digits;
        if (digits == at || digits - at > 9 || text.substr(digits, unit.size()) != unit) continue;
        int64_t value = 0;
        for (size_t i = at; i < digits; ++i)
            value = value * 10 + (text[i] - '0');
        seconds += value * scale;
        at = digits + unit.size();
        hasSeconds = scale == 1;
    }
    if (!hasSeconds || at != text.size()) return written;
    return CLSTString(DurationText(seconds * 1000));
}

CLSTString ShownExamWord(const CLSTString& written) {
    // The catalogue finds a text by its words: every name above is in it.
    if (SpeaksNativeLanguage()) return written;
    return CLSTString(VT(written.c_str()));
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
    CLSTString label(VT("グループ"));
    label.append('\n');
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
