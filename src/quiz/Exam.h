#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "quiz/ExamChoices.h"
#include "quiz/ExamLogWriter.h"
#include "quiz/ExamMode.h"
#include "quiz/ExamTexts.h"
#include "quiz/Random.h"
#include "sentence/Sentence.h"
#include "settings/AnswerMode.h"
#include "srs/ReviewState.h"
#include "text/Clock.h"
#include "text/TString.h"

class CLSReviewLog;
class CLSReviewRun;
class CLSVorelDataFile;
class CLSVorelDataItem;
class CLSVorelSettings;
class Prompter;
class SoundPlayer;

/// One asked question of a run.
struct CLSExamRecord {
    int question = 0;  // index among the document's questions
    Verdict result = Verdict::kRight;
    int64_t time = 0;  // tick when shown, then the milliseconds spent
};

/// What a front end shows after the learner answered. In confirm mode
/// nothing is judged yet: the learner's verdict comes with the decision.
struct CLSAnswerOutcome {
    bool judged = true;
    Verdict verdict = Verdict::kRight;
};

/// What the learner decided once the answer was shown, recorded by
/// CLSExam::apply: the verdict of confirm mode or a skip, a judgement
/// turned over (正解にする/不正解にする), and the mark as it was left.
struct CLSAnswerDecision {
    std::optional<Verdict> verdict;
    std::optional<bool> changedToRight;
    std::optional<bool> mark;
    /// Confirm mode of a review run with four buttons: the grade itself
    /// (Again is wrong, the others right), in place of the verdict.
    std::optional<ReviewGrade> grade = std::nullopt;
};

/// A quiz run over the open document: the range and its filters, the
/// choice of the next question under the asking mode, the choices offered,
/// the judging of answers with their records, the questions' history and
/// the sounds, and the exam history record at the end. The study screen
/// and the terminal quiz only show questions and collect answers.
class CLSExam {
  public:
    enum MarkFilter { kMarksIgnored = 0, kMarkedOnly = 1, kMarkedExcluded = 2 };

    CLSExam(CLSVorelDataFile& doc, CLSVorelSettings& settings, CLSRandom& random,
            const Clock& clock = SystemClock());
    ~CLSExam();

    // ---- range and filters ----
    /// The first and last question index of the range (-1 before any).
    int rangeFirst() const { return m_rangeFirst; }
    int rangeLast() const { return m_rangeLast; }
    void setRangeFirst(int first) { m_rangeFirst = first; }
    void setRangeLast(int last) { m_rangeLast = last; }
    bool groupEnabled(int group) const { return m_groupEnabled[static_cast<size_t>(group)]; }
    const std::array<bool, 10>& groups() const { return m_groupEnabled; }
    void setGroupEnabled(int group, bool on) { m_groupEnabled[static_cast<size_t>(group)] = on; }
    void setGroups(const std::array<bool, 10>& groups) { m_groupEnabled = groups; }
    /// A MarkFilter.
    int markFilter() const { return m_markFilter; }
    void setMarkFilter(int filter) { m_markFilter = filter; }

    /// Whether question q lies in the range and passes the group and mark filters.
    bool isInRange(int q) const;
    /// Questions in range between two indexes (first below 0 counts from 0).
    int questionsInRange(int first, int last) const;
    /// Keeps the range valid for the document; true when the learner must be
    /// told that the range was reset to all questions.
    bool checkRange();
    /// All questions, all groups, marks ignored.
    void resetRange();

    // ---- a run ----
    /// Prepares a run. askCount is the count dialog of counted runs (it may
    /// change InitialExamCount); false when it is cancelled.
    bool examStart(CLSExamMode mode, const std::function<bool()>& askCount = {});
    /// Asks the next question (it becomes the document's current question);
    /// false when the run is over.
    bool examNext();
    /// Ends the run; the exam history gets its record when SaveExamLog is on.
    /// false when that record could not be written (after the warning).
    bool examFinish();
    /// A run over the given questions (a re-ask mode: kRetryWrong,
    /// kRetryAll or kRetrySelected).
    bool restartFromList(CLSExamMode mode, const std::vector<int>& questions);
    /// Re-asking the wrong questions of the run just ended.
    static CLSExamMode reaskWrongMode(bool random) {
        return CLSExamMode::reask(CLSExamMode::kRetryWrong, random);
    }
    /// The largest count a counted or weak-point run accepts: the questions
    /// in range when none may be asked twice, else kMaxExamCount.
    int countLimit(bool noRepeat) const;
    static constexpr int kMaxExamCount = 32767;

    // ---- answering ----
    /// Stops the answer clock and, unless the answer mode is confirm, judges
    /// the answers given to the current question (typed texts or the chosen
    /// choices), records the judgement and the question's history and plays
    /// the right or wrong sound.
    CLSAnswerOutcome answer(const std::vector<CLSSentence>& given);
    /// Records what the learner decided about the question just answered:
    /// the confirm-mode verdict, a changed judgement, the mark.
    void apply(const CLSAnswerDecision& decision);
    /// A judgement the learner makes (confirm mode) or a skip: recorded,
    /// with a history entry unless skipped.
    void decide(Verdict verdict);
    /// A grade the learner gives in a review run's confirm mode.
    void decideGrade(ReviewGrade grade);
    /// A hint of the current question was shown (a review then grades a
    /// right answer Hard).
    void hintShown();
    /// Where review runs log their reviews (null: nowhere; the log must
    /// outlive the runs).
    void setReviewLog(CLSReviewLog* log) { m_reviewLog = log; }
    /// The review side of a review run (null in the other runs).
    const CLSReviewRun* reviewRun() const { return m_reviewRun.get(); }
    /// The learner overrides the judgement just recorded (also after the next
    /// question has been shown); the judged question's history follows.
    void changeJudgement(bool toRight);
    /// Plays a sound slot through the player when sounds are on.
    void playSound(int slot) const;
    void setSoundPlayer(SoundPlayer* player) { m_sound = player; }
    /// The current record's time becomes the milliseconds since it was shown.
    void stopClock();

    CLSExamMode mode() const { return m_mode; }
    bool isRunning() const { return m_mode.isRunning(); }
    int remainingCount() const { return m_remainingCount; }
    int cursor() const { return m_cursor; }
    int rightCount() const { return m_rightCount; }
    int wrongCount() const { return m_wrongCount; }
    int64_t startTick() const { return m_startTick; }
    const std::vector<CLSExamRecord>& records() const { return m_records; }
    /// Index of the question being asked, -1 when none.
    int currentQuestion() const { return m_currentAsked ? m_lastQuestion : -1; }
    /// Milliseconds the current question has been shown (0 when none).
    int64_t currentElapsed() const;

    // ---- the current question ----
    int answerFieldCount() const { return m_answerFieldCount; }
    /// Choices to offer: DefaultChoicesCount in choice mode, the title's
    /// count in normal mode, otherwise 0.
    int choiceCount() const;
    /// Whether the current question is asked with choice buttons.
    bool hasChoices() const { return m_shownChoiceCount > 0; }
    int shownChoiceCount() const { return m_shownChoiceCount; }
    const std::vector<CLSChoiceSlot>& choiceSlots() const { return m_choiceSlots; }
    /// Lines of the answer inputs: the data file's value when allowed and set.
    int inputFieldHeight() const;
    /// A per-question setting line (time limit, show time, start delay) in
    /// force: the data file's when allowed and set, else the setting's.
    int questionTimeLimit() const;
    int questionShowTime() const;
    int answerStartTime() const;
    /// "グループ\n" and the group's name.
    CLSTString groupLabel() const;
    /// "５４３２１\n" and five marks, fifth-newest first.
    CLSTString historyLabel() const;
    /// Judges the answers given for the current question.
    bool isRight(const std::vector<CLSSentence>& given) const;

    // ---- texts (ExamTexts.h) ----
    CLSTString modeName() const { return ExamModeName(m_mode); }
    CLSTString answerModeName() const;
    CLSTString rateText() const { return RateText(m_rightCount, m_wrongCount); }
    /// "○", "×" or "－" of a judged record; CLSError ("EXAM", 11) outside them.
    CLSTString resultMark(int i) const;

    // ---- exam history ----
    /// The run as the exam history keeps it: the judged records, and the one
    /// on screen when the run was stopped (asked but not judged).
    CLSExamLogRun logRun() const;
    /// Appends the run to the exam history file and keeps it within
    /// ExamLogSize; false (after a warning) when the file cannot be written.
    bool writeExamLog(Prompter& prompter);
    /// The history file's path (a relative name lies in the settings folder).
    CLSTString examLogPath() const;

    CLSVorelDataFile& document() { return m_doc; }
    CLSVorelSettings& settings() { return m_settings; }

  private:
    int randomPick();
    int weakPointPick();
    bool askedBefore(int q) const;
    void advance(Verdict result);
    void countAsked(int q, int delta);
    int perQuestion(int kind, int settingValue) const;

    CLSVorelDataFile& m_doc;
    CLSVorelSettings& m_settings;
    CLSRandom& m_random;
    std::array<bool, 10> m_groupEnabled{};
    int m_markFilter = kMarksIgnored;
    int m_rangeFirst = -1;
    int m_rangeLast = -1;
    const Clock& m_clock;
    CLSRandom m_shuffle;

    SoundPlayer* m_sound = nullptr;
    CLSExamMode m_mode;
    std::unique_ptr<CLSReviewRun> m_reviewRun;
    CLSReviewLog* m_reviewLog = nullptr;
    std::optional<ReviewGrade> m_pendingGrade;
    int m_remainingCount = 0;
    int m_cursor = 0;
    int m_rightCount = 0;
    int m_wrongCount = 0;
    int64_t m_startTick = 0;
    std::vector<CLSExamRecord> m_records;
    int m_answerFieldCount = 0;
    int m_shownChoiceCount = 0;
    std::vector<CLSChoiceSlot> m_choiceSlots;
    int m_lastQuestion = -1;
    bool m_currentAsked = false;
    bool m_clockStopped = false;

    // How often each question was asked among the judged records (in a
    // complete run: answered right), so that "asked before" is a lookup, and
    // how many questions of the range that covers.
    std::vector<int> m_askedCounts;
    int m_askedInRange = 0;
    int m_inRangeCount = 0;

    // Compact copies of what every draw looks at, so that the hundreds of
    // thousands of draws of a weak-point pick stay in the cache: whether a
    // question is in range, and its newest results (count in the low byte,
    // then one bit per result, newest first, set when right).
    std::vector<uint8_t> m_inRangeFlags;
    std::vector<uint32_t> m_historyBits;
    void refreshHistory(int q);
    bool inRangeFast(int q) const {
        return q >= 0 && q < static_cast<int>(m_inRangeFlags.size()) && m_inRangeFlags[q];
    }
};
