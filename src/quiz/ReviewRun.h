#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "settings/ReviewOptions.h"
#include "srs/ReviewQueue.h"
#include "srs/ReviewState.h"

class Clock;
class CLSReviewLog;
class CLSVorelDataFile;
class CLSVorelDataQuestion;

/// A question's schedule: the stored one, else the one its dated history
/// gives (a question with no dated entry is new).
CLSReviewState ReviewStateOf(const CLSVorelDataQuestion& question,
                             const CLSReviewSettings& settings);

/// What the day holds for the whole file, as the information pane tells it
/// while no run goes on: the questions due before the day ends, and the new
/// questions the day still allows. The counts hold until untilMs (the next
/// day start) or the next change of the document.
struct CLSReviewDayCounts {
    int due = 0;
    int newLeft = 0;
    int64_t untilMs = 0;

    bool operator==(const CLSReviewDayCounts&) const = default;
};
/// The counts at the clock's moment; the log (when given) tells how many
/// new questions of the file at dataFile were started today.
CLSReviewDayCounts ReviewDayCountsOf(const CLSVorelDataFile& doc, const CLSReviewOptions& options,
                                     const Clock& clock, const CLSReviewLog* log,
                                     const std::string& dataFile);

/// The review side of a review run: the day's queue over the questions in
/// range, the grade each answer gives and the schedule it leaves in the
/// question (the document then has changes to save).
class CLSReviewRun {
  public:
    CLSReviewRun(CLSVorelDataFile& doc, const CLSReviewOptions& options, const Clock& clock,
                 std::function<double()> uniform01);

    /// Where the reviews are logged (null: nowhere), as answers to the
    /// questions of the data file at dataFile. The log also tells how many
    /// new questions of the file were started today.
    void setLog(CLSReviewLog* log, std::string dataFile);
    /// Builds the queue of questions q for which inRange(q) holds.
    void start(const std::function<bool(int)>& inRange);
    /// The next question to ask, or nothing when the run is over.
    std::optional<int> next();
    int left() const { return m_queue ? m_queue->left() : 0; }
    /// When nothing was due at the start: the message that says when the
    /// next question falls due ("" when every question is new and none
    /// may be started today).
    std::string nothingDueText() const;

    /// A hint of the question being asked was shown: right is then Hard.
    void hintShown() { m_hinted = true; }
    /// The grade of a typed or chosen answer.
    ReviewGrade gradeOf(bool right, int64_t answerMs) const;
    /// Grades a question just answered: its schedule moves on, and the
    /// review is logged.
    void grade(int question, ReviewGrade grade, int64_t answerMs);
    /// The learner turned the judgement of the question graded last.
    void regrade(bool toRight);
    /// Leaves a question ungraded; it stays due.
    void skip(int question);

    const CLSReviewSettings& settings() const { return m_settings; }

  private:
    CLSVorelDataFile& m_doc;
    CLSReviewOptions m_options;
    const Clock& m_clock;
    std::function<double()> m_uniform01;
    CLSReviewSettings m_settings;
    std::unique_ptr<CLSReviewQueue> m_queue;
    bool m_hinted = false;
    CLSReviewLog* m_log = nullptr;
    std::string m_dataFile;
    bool m_logWarned = false;
    void logFailed(const std::string& message);
    std::unordered_map<int, CLSReviewState> m_seeded;  // questions without a stored schedule

    // The last graded question, to turn its grade over.
    struct Graded {
        int question = -1;
        CLSReviewState before;
        int64_t atMs = 0;
        bool hinted = false;
        int64_t logRow = -1;
    };
    Graded m_last;
};
