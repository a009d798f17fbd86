#include "quiz/Exam.h"

#include <algorithm>

#include "data/VorelDataFile.h"
#include "quiz/AnswerCheck.h"
#include "quiz/ExamTexts.h"
#include "quiz/ReviewRun.h"
#include "settings/CustomizeRules.h"
#include "settings/SettingsFolder.h"
#include "settings/SoundPlayer.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/Paths.h"

namespace {

const char* const kSource = "EXAM";

int HistoryResult(bool right) {
    return right ? 1 : 0;
}

}  // namespace

CLSExam::CLSExam(CLSVorelDataFile& doc, CLSVorelSettings& settings, CLSRandom& random,
                 const Clock& clock)
    : m_doc(doc), m_settings(settings), m_random(random), m_clock(clock) {
    m_groupEnabled.fill(true);
}

CLSExam::~CLSExam() = default;

// ---- range ------------------------------------------------------------------------

bool CLSExam::isInRange(int q) const {
    if (q < m_rangeFirst || q > m_rangeLast) return false;
    const CLSVorelDataItem* line = m_doc.getQuestion(q);
    if (!line) return false;
    const CLSVorelDataQuestion& question = line->question();
    int group = question.group();
    if (group < 0 || group > 9 || !m_groupEnabled[group]) return false;
    if (m_markFilter == kMarkedOnly) return question.mark() != 0;
    if (m_markFilter == kMarkedExcluded) return question.mark() == 0;
    return true;
}

int CLSExam::questionsInRange(int first, int last) const {
    if (first < 0) first = 0;
    last = std::min(last, m_doc.getQuestionCount() - 1);
    int n = 0;
    for (int q = first; q <= last; ++q) {
        if (isInRange(q)) ++n;
    }
    return n;
}

void CLSExam::resetRange() {
    m_rangeFirst = 0;
    m_rangeLast = m_doc.getQuestionCount() - 1;
    m_groupEnabled.fill(true);
    m_markFilter = kMarksIgnored;
}

bool CLSExam::checkRange() {
    bool tell = false;
    if (m_rangeLast != -1) {
        m_rangeLast = std::min(m_rangeLast, m_doc.getQuestionCount() - 1);
        if (questionsInRange(m_rangeFirst, m_rangeLast) > 0) return false;
        tell = m_doc.getQuestionCount() > 0;
    }
    resetRange();
    return tell;
}

// ---- asked-before bookkeeping ----------------------------------------------------------

void CLSExam::countAsked(int q, int delta) {
    if (q < 0 || q >= static_cast<int>(m_askedCounts.size())) return;
    int before = m_askedCounts[q];
    m_askedCounts[q] += delta;
    if (!isInRange(q)) return;
    if (before == 0 && m_askedCounts[q] > 0) ++m_askedInRange;
    if (before > 0 && m_askedCounts[q] == 0) --m_askedInRange;
}

bool CLSExam::askedBefore(int q) const {
    return q >= 0 && q < static_cast<int>(m_askedCounts.size()) && m_askedCounts[q] > 0;
}

// ---- start and next ------------------------------------------------------------------

bool CLSExam::examStart(CLSExamMode mode, const std::function<bool()>& askCount) {
    CLSTraceScope trace("CLSExam::examStart");
    m_rightCount = 0;
    m_wrongCount = 0;
    m_cursor = 0;
    m_shownChoiceCount = 0;
    m_answerFieldCount = 0;
    m_choiceSlots.clear();
    m_currentAsked = false;
    m_lastQuestion = -1;
    m_shuffle.seed(static_cast<uint32_t>(m_clock.ticks()));

    if (mode.isFromList()) {
        std::erase_if(m_records,
                      [](const CLSExamRecord& r) { return r.result != Verdict::kWrong; });
        m_remainingCount = static_cast<int>(m_records.size());
        if (mode.isRandom()) {
            for (int i = 1; i < static_cast<int>(m_records.size()); ++i) {
                std::swap(m_records[i], m_records[m_shuffle.below(i + 1)]);
            }
        }
    } else {
        m_records.clear();
    }
    if (mode.asksCount()) {
        if (askCount && !askCount()) return false;
        m_remainingCount = m_settings.initialExamCount();
        if (m_settings.noAlready()) mode = mode.withNoRepeat();
    }

    int questions = std::max(0, m_doc.getQuestionCount());
    m_askedCounts.assign(questions, 0);
    m_askedInRange = 0;
    m_inRangeFlags.assign(questions, 0);
    m_historyBits.assign(questions, 0);
    m_inRangeCount = 0;
    for (int q = 0; q < questions; ++q) {
        if (isInRange(q)) {
            m_inRangeFlags[q] = 1;
            ++m_inRangeCount;
        }
        refreshHistory(q);
    }
    if (mode.isRandomAll() || mode.isComplete()) m_remainingCount = m_inRangeCount;
    m_reviewRun.reset();
    if (mode.isReview()) {
        m_reviewRun = std::make_unique<CLSReviewRun>(m_doc, m_settings.review(), m_clock, [this] {
            return m_random.below(1 << 30) / static_cast<double>(1 << 30);
        });
        m_reviewRun->setLog(m_reviewLog, m_doc.getPath().str());
        m_reviewRun->start([this](int q) { return inRangeFast(q); });
        m_remainingCount = m_reviewRun->left();
    }
    m_startTick = m_clock.ticks();
    m_mode = mode;
    return true;
}

int CLSExam::randomPick() {
    // Nothing admissible is left (an empty range, or every question of it
    // already asked): drawing on would never end.
    if (m_inRangeCount <= 0) return -1;
    bool noRepeat = m_mode.isNoRepeat();
    if (noRepeat && m_askedInRange >= m_inRangeCount) return -1;
    int span = m_rangeLast - m_rangeFirst + 1;
    while (true) {
        int b = m_rangeFirst + m_random.below(span);
        if (inRangeFast(b) && !(noRepeat && askedBefore(b))) return b;
    }
}

int CLSExam::weakPointPick() {
    int n = m_rangeLast - m_rangeFirst + 1;
    int strength = m_settings.weakPointStrength();
    int budget = 0;
    int misses = 0;
    int depth = -1;
    while (true) {
        if (budget < 1) {
            budget = n * strength * 2 / 10;
            ++depth;
        }
        int b = randomPick();
        if (b < 0) return -1;
        uint32_t bits = m_historyBits[b];
        int count = static_cast<int>(bits & 0xFF);
        bool wrongAtDepth = false;
        if (count == 0xFF || depth >= 24) {
            // Beyond the compact copy: ask the document.
            const auto& history = m_doc.getQuestion(b)->question().history();
            if (static_cast<int>(history.size()) < depth + 1) {
                ++misses;
            } else {
                wrongAtDepth = history[history.size() - 1 - depth].result != 1;
            }
        } else if (count < depth + 1) {
            // No answer that far back counts as a miss, and drawing goes on.
            ++misses;
        } else {
            wrongAtDepth = ((bits >> (8 + depth)) & 1) == 0;
        }
        --budget;
        if (wrongAtDepth || misses >= m_rangeLast - m_rangeFirst) return b;
    }
}

void CLSExam::refreshHistory(int q) {
    if (q < 0 || q >= static_cast<int>(m_historyBits.size())) return;
    const CLSVorelDataItem* line = m_doc.getQuestion(q);
    if (!line) return;
    const auto& history = line->question().history();
    int n = static_cast<int>(history.size());
    uint32_t bits = static_cast<uint32_t>(std::min(n, 0xFF));
    for (int depth = 0; depth < 24 && depth < n; ++depth) {
        if (history[n - 1 - depth].result == 1) bits |= 1u << (8 + depth);
    }
    m_historyBits[q] = bits;
}

bool CLSExam::examNext() {
    CLSTraceScope trace("CLSExam::examNext");
    // The last question's history has grown since the previous pick.
    refreshHistory(m_lastQuestion);
    m_choiceSlots.clear();
    m_shownChoiceCount = 0;
    m_currentAsked = false;
    int b = -1;
    if (m_mode.isReview()) {
        std::optional<int> due = m_reviewRun ? m_reviewRun->next() : std::nullopt;
        if (!due) return false;
        b = *due;
        m_remainingCount = m_reviewRun->left();
    } else if (m_mode.isInOrder()) {
        b = (m_cursor == 0 || m_lastQuestion < 0) ? m_rangeFirst - 1 : m_lastQuestion;
        do {
            ++b;
            if (b > m_rangeLast || b >= m_doc.getQuestionCount()) return false;
        } while (!isInRange(b));
    } else {
        if (m_remainingCount <= 0) return false;
        if (m_mode.isFromList()) {
            --m_remainingCount;
            if (m_cursor >= static_cast<int>(m_records.size())) return false;
            b = m_records[m_cursor].question;
            if (b < 0 || b >= m_doc.getQuestionCount()) return false;
        } else if (m_mode.isComplete()) {
            b = randomPick();
        } else if (m_mode.isWeak()) {
            --m_remainingCount;
            b = weakPointPick();
        } else {
            --m_remainingCount;
            b = randomPick();
        }
        if (b < 0) return false;
    }

    m_doc.setCurrentQuestion(b);
    m_lastQuestion = b;
    m_currentAsked = true;
    m_clockStopped = false;
    m_answerFieldCount = m_doc.currentQuestion().answerCount();
    if (m_settings.answerMode() != AnswerMode::kConfirm) {
        m_choiceSlots =
            BuildChoices(m_doc, m_settings, m_random, choiceCount(), m_answerFieldCount);
        m_shownChoiceCount = static_cast<int>(m_choiceSlots.size());
    }

    int64_t now = m_clock.ticks();
    if (m_mode.isFromList()) {
        m_records[m_cursor].time = now;
    } else {
        m_records.push_back({b, Verdict::kRight, now});
    }
    playSound(CLSVorelSettings::kSoundExam);
    return true;
}

bool CLSExam::restartFromList(CLSExamMode mode, const std::vector<int>& questions) {
    m_records.clear();
    for (int q : questions)
        m_records.push_back({q, Verdict::kWrong, 0});
    return examStart(mode);
}

int CLSExam::countLimit(bool noRepeat) const {
    return noRepeat ? questionsInRange(m_rangeFirst, m_rangeLast) : kMaxExamCount;
}

// ---- judgements ------------------------------------------------------------------------

void CLSExam::advance(Verdict result) {
    if (m_cursor < 0 || m_cursor >= static_cast<int>(m_records.size())) {
        VR_THROW(kSource, CLSError::kIndex);
    }
    CLSExamRecord& r = m_records[m_cursor];
    r.result = result;
    if (!m_clockStopped) stopClock();
    // A complete run counts a question done only once it was answered right.
    bool counts = !m_mode.isComplete() || result == Verdict::kRight;
    if (counts) countAsked(r.question, 1);
    ++m_cursor;
    m_currentAsked = false;
}

void CLSExam::stopClock() {
    if (m_cursor < 0 || m_cursor >= static_cast<int>(m_records.size()) || m_clockStopped) return;
    CLSExamRecord& r = m_records[m_cursor];
    r.time = m_clock.ticks() - r.time;
    m_clockStopped = true;
}

int64_t CLSExam::currentElapsed() const {
    if (!m_currentAsked || m_cursor >= static_cast<int>(m_records.size())) return 0;
    const CLSExamRecord& r = m_records[m_cursor];
    return m_clockStopped ? r.time : m_clock.ticks() - r.time;
}

bool CLSExam::examFinish() {
    CLSTraceScope trace("CLSExam::examFinish");
    bool logged = true;
    // A review that found nothing due asked nothing and leaves no record.
    bool empty = m_mode.isReview() && m_records.empty();
    if (m_mode.isRunning() && m_settings.saveExamLog() && !empty)
        logged = writeExamLog(m_doc.prompter());
    m_mode = CLSExamMode();
    m_choiceSlots.clear();
    m_shownChoiceCount = 0;
    return logged;
}

// ---- answering: one path for every front end --------------------------------------------

// The judgement is recorded, the question's history follows it and the
// sound is played here, so the answer dialog and the terminal quiz only show
// questions and collect answers.
CLSAnswerOutcome CLSExam::answer(const std::vector<CLSSentence>& given) {
    CLSTraceScope trace("CLSExam::answer");
    stopClock();
    if (m_settings.answerMode() == AnswerMode::kConfirm) return {false, Verdict::kSkipped};
    bool right = isRight(given);
    decide(right ? Verdict::kRight : Verdict::kWrong);
    playSound(right ? CLSVorelSettings::kSoundRight : CLSVorelSettings::kSoundWrong);
    return {true, right ? Verdict::kRight : Verdict::kWrong};
}

void CLSExam::apply(const CLSAnswerDecision& decision) {
    const int answered = m_lastQuestion;  // stays the question asked last
    if (decision.grade) {
        decideGrade(*decision.grade);
    } else if (decision.verdict) {
        decide(*decision.verdict);
    }
    if (decision.changedToRight) changeJudgement(*decision.changedToRight);
    if (!decision.mark || answered < 0) return;
    if (CLSVorelDataItem* line = m_doc.getQuestion(answered))
        m_doc.setMark(line->question(), *decision.mark ? 1 : 0);
}

void CLSExam::decide(Verdict verdict) {
    if (verdict != Verdict::kSkipped && m_doc.current() && m_doc.current()->isQuestion()) {
        m_doc.addHistory(HistoryResult(verdict == Verdict::kRight));
    }
    advance(verdict);
    if (m_reviewRun && m_mode.isReview()) {
        const CLSExamRecord& r = m_records[m_cursor - 1];
        if (verdict == Verdict::kSkipped) {
            m_reviewRun->skip(r.question);
        } else {
            ReviewGrade grade = m_pendingGrade
                                    ? *m_pendingGrade
                                    : m_reviewRun->gradeOf(verdict == Verdict::kRight, r.time);
            m_reviewRun->grade(r.question, grade, r.time);
        }
        m_remainingCount = m_reviewRun->left();
    }
    m_pendingGrade.reset();
    if (verdict == Verdict::kRight) {
        ++m_rightCount;
        if (m_mode.isComplete()) --m_remainingCount;
    } else if (verdict == Verdict::kWrong) {
        ++m_wrongCount;
    }
}

void CLSExam::decideGrade(ReviewGrade grade) {
    m_pendingGrade = grade;
    decide(grade == ReviewGrade::Again ? Verdict::kWrong : Verdict::kRight);
}

void CLSExam::hintShown() {
    if (m_reviewRun) m_reviewRun->hintShown();
}

void CLSExam::changeJudgement(bool toRight) {
    int i = m_cursor - 1;
    if (i < 0 || i >= static_cast<int>(m_records.size())) VR_THROW(kSource, CLSError::kIndex);
    CLSExamRecord& r = m_records[i];
    Verdict wanted = toRight ? Verdict::kRight : Verdict::kWrong;
    if (r.result == wanted) return;
    Verdict previous = r.result;
    // The judged question, which need not be the one on screen any more:
    // the terminal quiz shows the next question before a judgement is flipped.
    if (CLSVorelDataItem* line = m_doc.getQuestion(r.question)) {
        // A skip left no history entry to correct: the new judgement gets its own.
        if (previous == Verdict::kSkipped) {
            m_doc.addHistory(line->question(), HistoryResult(toRight));
        } else {
            m_doc.setLastHistoryResult(line->question(), HistoryResult(toRight));
        }
    }
    r.result = wanted;
    if (m_reviewRun && m_mode.isReview()) {
        if (previous == Verdict::kSkipped) {
            m_reviewRun->grade(r.question, m_reviewRun->gradeOf(toRight, r.time), r.time);
        } else {
            m_reviewRun->regrade(toRight);
        }
        m_remainingCount = m_reviewRun->left();
    }
    bool complete = m_mode.isComplete();
    if (toRight) {
        ++m_rightCount;
        if (previous == Verdict::kWrong) --m_wrongCount;
        if (complete) {
            --m_remainingCount;
            countAsked(r.question, 1);
        }
    } else {
        ++m_wrongCount;
        if (previous == Verdict::kRight) --m_rightCount;
        if (complete) {
            ++m_remainingCount;
            countAsked(r.question, -1);
        }
    }
}

void CLSExam::playSound(int slot) const {
    if (!m_sound || !m_settings.sound()) return;
    if (slot < 0 || slot >= CLSVorelSettings::kSoundSlotCount) return;
    m_sound->play(m_settings.soundName(slot));
}

// ---- the current question ------------------------------------------------------------

int CLSExam::choiceCount() const {
    switch (m_settings.answerMode()) {
        case AnswerMode::kChoice:
            return m_settings.defaultChoicesCount();
        case AnswerMode::kNormal:
            return m_doc.currentTitle() ? m_doc.currentTitle()->title().choiceCount : 0;
        default:
            return 0;
    }
}

int CLSExam::perQuestion(int kind, int settingValue) const {
    if (m_settings.useDataQuestionSettings()) {
        const CLSVorelDataItem* line = m_doc.lineOfKindBefore(kind, m_doc.current());
        if (line && line->number().value != -1) return line->number().value;
    }
    return settingValue;
}

int CLSExam::inputFieldHeight() const {
    // A data file may hold any number here; the inputs keep to the range
    // the settings allow.
    return std::clamp(perQuestion(kLineInputFieldHeight, m_settings.inputFieldHeight()),
                      kSettingHeightMin, kSettingHeightMax);
}
int CLSExam::questionTimeLimit() const {
    return perQuestion(kLineTimeLimit, m_settings.timeLimit());
}
int CLSExam::questionShowTime() const {
    return perQuestion(kLineQuestionShowTime, m_settings.questionShowTime());
}
int CLSExam::answerStartTime() const {
    return perQuestion(kLineAnswerStartTime, m_settings.answerStartTime());
}

CLSTString CLSExam::groupLabel() const {
    return GroupLabel(m_doc, m_doc.currentQuestion());
}

CLSTString CLSExam::historyLabel() const {
    return HistoryLabel(m_doc.currentQuestion());
}

bool CLSExam::isRight(const std::vector<CLSSentence>& given) const {
    return JudgeAnswers(given, m_answerFieldCount, m_doc.currentQuestion().answers(),
                        CompareOptions(m_doc, m_settings), m_settings.vagueTable());
}

CLSTString CLSExam::answerModeName() const {
    return AnswerModeName(m_settings.answerMode());
}

CLSTString CLSExam::resultMark(int i) const {
    if (i < 0 || i >= m_cursor || i >= static_cast<int>(m_records.size())) {
        VR_THROW("EXAM", CLSError::kIndex);
    }
    return CLSTString(VerdictMark(m_records[i].result));
}

// ---- exam history ------------------------------------------------------------------------

CLSTString CLSExam::examLogPath() const {
    const CLSTString& name = m_settings.examLogName();
    if (IsAbsolutePath(name)) return name;
    return JoinPath(HistoryFolder(), name);
}

CLSExamLogRun CLSExam::logRun() const {
    auto groupName = [this](int group) { return m_doc.getGroupName(std::clamp(group, 0, 9)); };
    CLSExamLogRun run;
    int64_t now = m_clock.ticks();
    run.elapsed = now - m_startTick;
    run.start = TimeBefore(m_clock.localTime(), run.elapsed);
    run.fileName = m_doc.getPath();
    run.range.append(m_rangeFirst + 1).append("～").append(m_rangeLast + 1);
    run.groups = groupName(0);
    for (int g = 1; g < 10; ++g) {
        if (m_groupEnabled[g]) run.groups.append(',').append(groupName(g).quoteCsv());
    }
    run.method = modeName();
    run.answerMode = answerModeName();
    run.rate = rateText();
    int rows =
        std::min<int>(m_cursor + (m_currentAsked ? 1 : 0), static_cast<int>(m_records.size()));
    for (int i = 0; i < rows; ++i) {
        const CLSExamRecord& r = m_records[i];
        bool judged = i < m_cursor;
        CLSExamLogRun::Row row;
        row.question = r.question + 1;
        // The question on screen when the run was stopped counts as skipped.
        row.verdict = judged ? r.result : Verdict::kSkipped;
        row.spent = judged || m_clockStopped ? r.time : now - r.time;
        const CLSVorelDataItem* line = m_doc.getQuestion(r.question);
        row.known = line != nullptr;
        if (line) {
            const CLSVorelDataQuestion& q = line->question();
            row.questionText = q.getQuestion().toText();
            row.answer = q.firstAnswer().toText();
            row.group = groupName(q.group());
            row.comment = q.getComment().toText();
        }
        run.rows.push_back(std::move(row));
    }
    return run;
}

bool CLSExam::writeExamLog(Prompter& prompter) {
    CLSTString path = examLogPath();
    if (!AppendExamLog(path, logRun(), prompter)) return false;
    TrimExamLog(path, static_cast<int64_t>(m_settings.examLogSize()) * 1024);
    return true;
}
