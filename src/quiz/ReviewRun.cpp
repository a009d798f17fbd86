#include "quiz/ReviewRun.h"

#include <vector>

#include "data/ReviewLine.h"
#include "data/VorelDataFile.h"
#include "srs/HistorySeed.h"
#include "srs/ReviewScheduler.h"
#include "text/Clock.h"

CLSReviewState ReviewStateOf(const CLSVorelDataQuestion& question,
                             const CLSReviewSettings& settings) {
    if (const CLSReviewState* stored = question.review()) return *stored;
    return SeedFromHistory(question.history(), settings);
}

CLSReviewRun::CLSReviewRun(CLSVorelDataFile& doc, const CLSReviewOptions& options,
                           const Clock& clock, std::function<double()> uniform01)
    : m_doc(doc),
      m_options(options),
      m_clock(clock),
      m_uniform01(std::move(uniform01)),
      m_settings(options.schedulerSettings(clock.utcOffsetMinutes())) {}

void CLSReviewRun::start(const std::function<bool(int)>& inRange) {
    int64_t now = m_clock.utcMillis();
    std::vector<CLSQueueQuestion> questions;
    int count = m_doc.getQuestionCount();
    CLSQueueLimits limits;
    limits.reviewsPerDay = m_options.reviewsPerDay;
    limits.newPerDay = m_options.newPerDay;
    limits.newStartedToday = m_newStartedToday;
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

void CLSReviewRun::grade(int question, ReviewGrade grade) {
    CLSVorelDataItem* line = m_doc.getQuestion(question);
    if (!line) return;
    CLSVorelDataQuestion& q = line->question();
    int64_t now = m_clock.utcMillis();
    auto seeded = m_seeded.find(question);
    CLSReviewState before = q.review() || seeded == m_seeded.end() ? ReviewStateOf(q, m_settings)
                                                                   : seeded->second;
    CLSReviewState after = ApplyReview(before, grade, now, m_settings, m_uniform01);
    after.id = before.id != 0 ? before.id : NewReviewId();
    q.setReview(after);
    m_doc.setModified();
    if (m_queue) m_queue->answered(question, after);
    m_last = {question, before, now, m_hinted};
}

void CLSReviewRun::regrade(bool toRight) {
    if (m_last.question < 0) return;
    CLSVorelDataItem* line = m_doc.getQuestion(m_last.question);
    if (!line) return;
    ReviewGrade grade = !toRight               ? ReviewGrade::Again
                        : m_last.hinted && m_options.hardAfterHint ? ReviewGrade::Hard
                                                                   : ReviewGrade::Good;
    CLSReviewState after = ApplyReview(m_last.before, grade, m_last.atMs, m_settings, m_uniform01);
    after.id = line->question().review() ? line->question().review()->id : NewReviewId();
    line->question().setReview(after);
    m_doc.setModified();
    if (m_queue) m_queue->answered(m_last.question, after);
}

void CLSReviewRun::skip(int question) {
    m_hinted = false;
    if (m_queue) m_queue->skipped(question);
}
