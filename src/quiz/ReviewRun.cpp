#include "quiz/ReviewRun.h"

#include <algorithm>
#include <vector>

#include "data/ReviewLine.h"
#include "data/VorelDataFile.h"
#include "srs/HistorySeed.h"
#include "srs/ReviewDay.h"
#include "srs/ReviewLog.h"
#include "srs/ReviewScheduler.h"
#include "srs/ReviewTexts.h"
#include "text/Clock.h"
#include "text/Prompter.h"

CLSReviewState ReviewStateOf(const CLSVorelDataQuestion& question,
                             const CLSReviewSettings& settings) {
    if (const CLSReviewState* stored = question.review()) return *stored;
    return SeedFromHistory(question.history(), settings);
}

namespace {

CLSReviewLogResult<int64_t> NewStartedToday(const CLSReviewLog& log, const std::string& dataFile,
                                            int64_t nowMs, const CLSReviewSettings& settings) {
    int64_t dayEnd = NextDayStart(nowMs, settings.utcOffsetMinutes, settings.dayStartHour);
    return log.newReviewedOnDay(dataFile, dayEnd - kMillisPerDay, dayEnd);
}

}  // namespace

CLSReviewDayCounts ReviewDayCountsOf(const CLSVorelDataFile& doc, const CLSReviewOptions& options,
                                     const Clock& clock, const CLSReviewLog* log,
                                     const std::string& dataFile) {
    const CLSReviewSettings settings = options.schedulerSettings(clock.utcOffsetMinutes());
    const int64_t now = clock.utcMillis();
    std::vector<CLSReviewState> states;
    const int count = doc.getQuestionCount();
    states.reserve(count);
    for (int q = 0; q < count; ++q)
        states.push_back(ReviewStateOf(doc.getQuestion(q)->question(), settings));
    CLSQueueLimits limits;
    limits.newPerDay = options.newPerDay;
    if (log) {
        // A log that cannot be read counts nothing started; the run says why.
        auto started = NewStartedToday(*log, dataFile, now, settings);
        if (started) limits.newStartedToday = static_cast<int>(*started);
    }
    CLSReviewDayCounts counts;
    counts.due = DueTodayCount(states, now, settings);
    counts.newLeft = NewLeftCount(states, limits);
    counts.untilMs = NextDayStart(now, settings.utcOffsetMinutes, settings.dayStartHour);
    return counts;
}

CLSReviewRun::CLSReviewRun(CLSVorelDataFile& doc, const CLSReviewOptions& options,
                           const Clock& clock, std::function<double()> uniform01)
    : m_doc(doc),
      m_options(options),
      m_clock(clock),
      m_uniform01(std::move(uniform01)),
      m_settings(options.schedulerSettings(clock.utcOffsetMinutes())) {}

void CLSReviewRun::setLog(CLSReviewLog* log, std::string dataFile) {
    m_log = log;
    m_dataFile = std::move(dataFile);
}

void CLSReviewRun::logFailed(const std::string& message) {
    // Once a run: the reviews go on, and the file keeps every schedule.
    if (m_logWarned) return;
    m_logWarned = true;
    m_doc.prompter().message(PromptIcon::Warning, CLSTString(message));
}

void CLSReviewRun::start(const std::function<bool(int)>& inRange) {
    int64_t now = m_clock.utcMillis();
    std::vector<CLSQueueQuestion> questions;
    int count = m_doc.getQuestionCount();
    CLSQueueLimits limits;
    limits.reviewsPerDay = m_options.reviewsPerDay;
    limits.newPerDay = m_options.newPerDay;
    if (m_log) {
        auto started = NewStartedToday(*m_log, m_dataFile, now, m_settings);
        if (started) {
            limits.newStartedToday = static_cast<int>(*started);
        } else {
            logFailed(started.error());
        }
    }
    m_seeded.clear();
    for (int q = 0; q < count; ++q) {
        if (!inRange(q)) continue;
        const CLSVorelDataQuestion& question = m_doc.getQuestion(q)->question();
        CLSReviewState state = ReviewStateOf(question, m_settings);
        // The answer adds to the history before it is graded; the schedule
        // it is graded from is the one seeded now.
        if (!question.review()) m_seeded.emplace(q, state);
        questions.push_back({q, state});
    }
    m_queue = std::make_unique<CLSReviewQueue>(questions, now, m_settings, limits);
    m_last = Graded();
    m_hinted = false;
}

std::optional<int> CLSReviewRun::next() {
    m_hinted = false;
    if (!m_queue) return std::nullopt;
    return m_queue->next(m_clock.utcMillis());
}

std::string CLSReviewRun::nothingDueText() const {
    std::vector<CLSReviewState> states;
    int count = m_doc.getQuestionCount();
    states.reserve(static_cast<size_t>(count));
    for (int q = 0; q < count; ++q)
        states.push_back(ReviewStateOf(m_doc.getQuestion(q)->question(), m_settings));
    std::optional<int64_t> due = NextDueAfter(states, m_clock.utcMillis());
    if (!due) return "";
    return NextReviewText(*due, m_settings.utcOffsetMinutes);
}

ReviewGrade CLSReviewRun::gradeOf(bool right, int64_t answerMs) const {
    if (!right) return ReviewGrade::Again;
    if (m_hinted && m_options.hardAfterHint) return ReviewGrade::Hard;
    if (m_options.easyTime > 0 && answerMs < m_options.easyTime * 1000LL) return ReviewGrade::Easy;
    return ReviewGrade::Good;
}

void CLSReviewRun::grade(int question, ReviewGrade grade, int64_t answerMs) {
    CLSVorelDataItem* line = m_doc.getQuestion(question);
    if (!line) return;
    CLSVorelDataQuestion& q = line->question();
    int64_t now = m_clock.utcMillis();
    auto seeded = m_seeded.find(question);
    CLSReviewState before =
        q.review() || seeded == m_seeded.end() ? ReviewStateOf(q, m_settings) : seeded->second;
    CLSReviewState after = ApplyReview(before, grade, now, m_settings, m_uniform01);
    after.id = before.id != 0 ? before.id : NewReviewId();
    q.setReview(after);
    m_doc.setModified();
    if (m_queue) m_queue->answered(question, after);
    m_last = {question, before, now, m_hinted, -1};
    if (!m_log) return;
    CLSReviewRecord record;
    record.questionId = after.id;
    record.dataFile = m_dataFile;
    record.utcMs = now;
    record.utcOffsetMinutes = m_settings.utcOffsetMinutes;
    record.dayStartHour = m_settings.dayStartHour;
    record.grade = static_cast<int>(grade);
    record.stateBefore = static_cast<int>(before.phase);
    record.stabilityBefore = before.stability;
    record.difficultyBefore = before.difficulty;
    record.answerMs = std::max<int64_t>(answerMs, 0);
    auto row = m_log->append(record);
    if (row) {
        m_last.logRow = *row;
    } else {
        logFailed(row.error());
    }
}

void CLSReviewRun::regrade(bool toRight) {
    if (m_last.question < 0) return;
    CLSVorelDataItem* line = m_doc.getQuestion(m_last.question);
    if (!line) return;
    ReviewGrade grade = !toRight                                   ? ReviewGrade::Again
                        : m_last.hinted && m_options.hardAfterHint ? ReviewGrade::Hard
                                                                   : ReviewGrade::Good;
    CLSReviewState after = ApplyReview(m_last.before, grade, m_last.atMs, m_settings, m_uniform01);
    after.id = line->question().review() ? line->question().review()->id : NewReviewId();
    line->question().setReview(after);
    m_doc.setModified();
    if (m_queue) m_queue->answered(m_last.question, after);
    // The log keeps one row per review, corrected.
    if (m_log && m_last.logRow >= 0) {
        auto status = m_log->regrade(m_last.logRow, static_cast<int>(grade));
        if (!status) logFailed(status.error());
    }
}

void CLSReviewRun::skip(int question) {
    m_hinted = false;
    if (m_queue) m_queue->skipped(question);
}
