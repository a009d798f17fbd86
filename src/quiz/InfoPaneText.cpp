#include "quiz/InfoPaneText.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "data/VorelDataFile.h"
#include "quiz/Exam.h"
#include "quiz/ExamTexts.h"
#include "quiz/RangeCount.h"
#include "quiz/ReviewRun.h"
#include "text/Codec.h"
#include "text/Common.h"
#include "text/DateWords.h"
#include "text/Language.h"
#include "text/Unicode.h"
#include "text/WrapText.h"

namespace {

// Each tip is one text on one line, as the translation finds it.
// clang-format off
const char* const kTips[kInfoPaneTipCount] = {
    VN("ファイルを読み込むには，「ファイル」メニューの「開く」を実行して下さい。"),
    VN("出題範囲を指定するには，「学習」メニューの「出題範囲」を実行して下さい。"),
    VN("標準モードでは，データファイル指定の形式で解答します。"),
    VN("記述式モードにすると，すべての問題を記述式で出題します。"),
    VN("選択式モードにすると，すべての問題を選択式で出題します。このとき，「表示」－「カスタマイズ」メニューの「問題」タブの「選択肢」欄で，選択肢を選んでくる問題の種類を指定できます。"),
    VN("確認モードでは，「答え」ボタンをクリックすると答えが表示され，自分で正解／不正解を決められます。"),
    VN("順番に出題したいときは，「すべて」を実行します。"),
    VN("最近間違えた問題を中心に出題したいときは，「弱点問題」を実行します。"),
    VN("徹底的に暗記したいときは，「完全」を実行します。範囲内の問題をすべて正解するまで終わりません。"),
};
// clang-format on

// A clock that jumped (a suspended machine) catches up by this many beats
// at most, which is more than any tip needs to finish.
constexpr int kMaxCatchUpBeats = 400;

}  // namespace

const char* InfoPaneTip(int index) {
    if (index < 0 || index >= kInfoPaneTipCount) return "";
    return VT(kTips[index]);
}

InfoPaneMode InfoPaneModeOf(const CLSVorelDataFile& doc, bool running) {
    if (running) return InfoPaneMode::kRun;
    // An untitled document has the new-file name, not a file of its own.
    bool file = !doc.getPath().isEmpty() && !doc.isUntitled();
    return file || doc.getQuestionCount() > 0 ? InfoPaneMode::kFileOpen : InfoPaneMode::kNoFile;
}

// ---- typed tips ----------------------------------------------------------------------------

void CLSInfoPaneTips::start(int tip) {
    m_tip = tip;
    m_shown = 0;
    m_heldBeats = 0;
}

void CLSInfoPaneTips::setMode(InfoPaneMode mode) {
    if (mode == m_mode) return;
    m_mode = mode;
    if (mode == InfoPaneMode::kFileOpen) start(1);
    if (mode == InfoPaneMode::kNoFile) start(0);
}

bool CLSInfoPaneTips::complete() const {
    return m_shown >= static_cast<int>(std::char_traits<char>::length(InfoPaneTip(m_tip)));
}

void CLSInfoPaneTips::beat() {
    const char* tip = InfoPaneTip(m_tip);
    int length = static_cast<int>(std::char_traits<char>::length(tip));
    if (m_shown < length) {
        if (m_pause > 0) {
            --m_pause;
        } else {
            // The punctuation itself shows at once; the pause comes after it.
            // One beat types one letter as the reader sees it, marks and all.
            int n =
                NextGraphemeBoundary(std::string_view(tip, static_cast<size_t>(length)), m_shown) -
                m_shown;
            std::string_view next(tip + m_shown, static_cast<size_t>(n));
            if (next == "。" || next == "，") m_pause = 2;
            // A comma or a full stop of other scripts pauses where a word follows.
            if ((next == "," || next == ".") &&
                (m_shown + n >= length || tip[m_shown + n] == ' ')) {
                m_pause = 2;
            }
            m_shown += n;
        }
    }
    if (m_shown >= length) {
        m_pause = 0;
        if (++m_heldBeats > kShownBeats) {
            int next = m_tip + 1;
            if (m_mode == InfoPaneMode::kFileOpen) {
                if (next > kInfoPaneTipCount - 1) next = 1;
            } else {
                next = 0;
            }
            start(next);
        }
    }
}

int CLSInfoPaneTips::advanceTo(int64_t ticks) {
    if (m_lastTicks < 0 || ticks < m_lastTicks) {
        m_lastTicks = ticks;
        return 0;
    }
    int64_t due = (ticks - m_lastTicks) / kBeatMs;
    m_lastTicks += due * kBeatMs;
    int beats = static_cast<int>(std::min<int64_t>(due, kMaxCatchUpBeats));
    for (int i = 0; i < beats; ++i)
        beat();
    return beats;
}

CLSTString CLSInfoPaneTips::shownText() const {
    return CLSTString::fromBytes(InfoPaneTip(m_tip), m_shown);
}

// ---- a run's figures -----------------------------------------------------------------------

std::vector<CLSInfoPaneEntry> InfoPaneRunEntries(const CLSExam& exam) {
    std::vector<CLSInfoPaneEntry> entries;
    entries.push_back({CLSTString(VT("出題方法")), ShownExamWord(exam.modeName())});
    entries.push_back({CLSTString(VT("解答モード")), ShownExamWord(exam.answerModeName())});
    entries.push_back({CLSTString(VT("正解率")), exam.rateText()});

    CLSExamMode mode = exam.mode();
    CLSTString left;
    if (mode.isReview()) {
        // The review queue still holds the question on screen; it is not left.
        left =
            QuestionCountText(std::max(0, exam.remainingCount() - (exam.currentQuestion() >= 0)));
    } else if (mode.isInOrder()) {
        // In order the run asks what is left of the range after the question
        // asked last.
        int last = exam.records().empty() ? exam.rangeFirst() - 1 : exam.records().back().question;
        left = QuestionCountText(exam.questionsInRange(last + 1, exam.rangeLast()));
    } else if (mode.isComplete()) {
        // The question on screen may be the last one to get right; once it
        // has been, nothing is left rather than a negative count.
        left = CLSTString(
            Fill(VT("最低%1"), {QuestionCountText(std::max(0, exam.remainingCount() - 1)).view()}));
    } else {
        left = QuestionCountText(std::max(0, exam.remainingCount()));
    }
    entries.push_back({CLSTString(VT("残り問題")), left});

    // While the answer dialog is open the question's time has stopped: the
    // time it took stays on show.
    int64_t elapsed = exam.currentElapsed();
    if (exam.currentQuestion() < 0 && exam.cursor() > 0 &&
        exam.cursor() <= static_cast<int>(exam.records().size())) {
        elapsed = exam.records()[exam.cursor() - 1].time;
    }
    int limit = exam.questionTimeLimit();
    if (limit > 0) {
        int64_t rest = std::max<int64_t>(0, static_cast<int64_t>(limit) * 1000 - elapsed);
        entries.push_back({CLSTString(VT("残り時間")), CLSTString(DurationText(rest))});
    } else {
        entries.push_back(
            {CLSTString(VT("所要時間")), CLSTString(DurationText(std::max<int64_t>(0, elapsed)))});
    }
    return entries;
}

std::vector<CLSInfoPaneEntry> InfoPaneReviewEntries(const CLSReviewDayCounts& counts) {
    return {{CLSTString(VT("今日の復習")), QuestionCountText(counts.due)},
            {CLSTString(VT("新しい問題")), QuestionCountText(counts.newLeft)}};
}

CLSInfoPaneClock InfoPaneClock(const CLSLocalTime& time) {
    char hours[16];
    char minutes[16];
    std::snprintf(hours, sizeof hours, "%02d", time.hour);
    std::snprintf(minutes, sizeof minutes, "%02d", time.minute);
    return {CLSTString(hours), CLSTString(minutes), time.millisecond >= 500};
}

// ---- placing the figures -------------------------------------------------------------------

CLSTString InfoPaneLabelText(const CLSTString& label) {
    return CLSTString("[") + label + "]";
}

std::vector<CLSInfoPaneEntryPlace> PlaceInfoPaneEntries(
    const TextMetrics& metrics, const std::vector<CLSInfoPaneEntry>& entries, const CLSRect& area) {
    std::vector<CLSInfoPaneEntryPlace> places;
    int width = std::max(1, area.width());
    int top = area.top;
    for (const CLSInfoPaneEntry& entry : entries) {
        CLSTString label = InfoPaneLabelText(entry.label);
        int labelHeight = wrapText(metrics, label.text(), label.length(), width, 0).height;
        int bandBottom = top + labelHeight + 2;
        if (bandBottom > area.bottom) break;
        CLSInfoPaneEntryPlace place;
        place.band = {area.left, top, area.right, bandBottom};
        place.label = {area.left, top + 1, area.right, top + 1 + labelHeight};
        top += labelHeight + 4;
        int valueHeight =
            wrapText(metrics, entry.value.text(), entry.value.length(), width, kInfoPaneSpacing)
                .height;
        place.value = {area.left, top, area.right, std::min(area.bottom, top + valueHeight)};
        places.push_back(place);
        top += valueHeight + 4 + metrics.lineHeight() / 2;
        if (top >= area.bottom) break;
    }
    return places;
}
