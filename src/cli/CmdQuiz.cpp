// A quiz in the terminal: the whole run of the study screen, one line of
// input per answer, with plain text or JSON-lines output.

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "cli/Cli.h"
#include "cli/CliClock.h"
#include "cli/Json.h"
#include "data/VorelDataFile.h"
#include "quiz/Exam.h"
#include "quiz/ExamLogReader.h"
#include "quiz/ExamTexts.h"
#include "quiz/ReviewRun.h"
#include "settings/SettingsFolder.h"
#include "settings/VorelSettings.h"
#include "srs/SqliteReviewLog.h"
#include "text/Clock.h"
#include "text/Codec.h"
#include "text/Common.h"
#include "text/DateWords.h"
#include "text/FileReadLine.h"
#include "text/Language.h"
#include "text/Paths.h"

namespace {

// Set by SIGINT and SIGTERM: the run ends as Esc ends it, with the answers
// so far recorded and saved.
volatile std::sig_atomic_t g_stopped = 0;

extern "C" void onStopSignal(int) {
    g_stopped = 1;
    // Standard input is swapped for an empty one, so that a read that was
    // about to start finds its end at once; one under way returns EINTR,
    // as the handler is installed without SA_RESTART.
    int empty = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (empty >= 0) {
        ::dup2(empty, 0);
        ::close(empty);
    }
}

void catchStopSignals() {
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

// Standard input as lines.
class LineInput {
  public:
    /// false at the end of the input, or once the run was told to stop.
    bool next(std::string& line) {
        if (g_stopped || !std::getline(std::cin, line) || g_stopped) return false;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
    }
};

// A sentence as the terminal shows it: pictures and videos by their file name.
std::string shown(const CLSSentence& sentence) {
    std::string out;
    for (const CLSSentenceItem& item : sentence.items()) {
        if (item.isObject()) {
            // Appended piece by piece: "[" + name + "]" trips a false
            // -Wrestrict of g++ 12 at -O3.
            out += '[';
            out += FileNameOf(item.object().fileName).str();
            out += ']';
        } else {
            out += std::string(item.string().view());
        }
    }
    return out;
}

struct QuizOptions {
    CLSExamMode mode = CLSExamMode::inOrder();
    std::optional<int> count;
    bool json = false;
    bool log = true;
    bool save = true;
};

class TerminalQuiz {
  public:
    TerminalQuiz(CLSVorelDataFile& doc, CLSVorelSettings& settings, CLSExam& exam,
                 const QuizOptions& options)
        : m_doc(doc), m_settings(settings), m_exam(exam), m_options(options) {}

    /// Whether a run's record could not be written to the exam history.
    bool logFailed() const { return m_logFailed; }

    // 0 after a run, 1 when the first run cannot start.
    int run() {
        CLSExamMode mode = m_options.mode;
        bool first = true;
        while (true) {
            auto askCount = [this] { return askQuestionCount(); };
            if (!m_exam.examStart(mode, askCount)) return first ? 1 : 0;
            m_flip.reset();
            bool asked = m_exam.examNext();
            if (!asked && first && mode.isReview()) {
                // Nothing to review now is no failure: it says when there will be.
                std::string next = m_exam.reviewRun()->nothingDueText();
                m_exam.examFinish();
                say(Fill(VT("今日復習する問題はありません。%1"), {next}));
                event([&](JsonWriter& j) {
                    j.key("event").value("nothing-due").key("next").value(next);
                });
                return 0;
            }
            if (!asked && first) {
                m_exam.examFinish();
                return CliFail(VT("出題範囲に問題がありません。"));
            }
            first = false;
            bool stopped = false;
            // The next question is on screen before anything more is read.
            while (asked) {
                Step step = askOne();
                if (step == Step::kInputEnded) {
                    stopped = true;
                    break;
                }
                if (step == Step::kJudged) asked = m_exam.examNext();
            }
            finishRun();
            if (stopped || m_exam.wrongCount() == 0) break;
            say(VT("間違えた問題を再出題しますか？ (r で再出題)"));
            std::string line;
            if (!m_input.next(line) || line != "r") break;
            mode = CLSExam::reaskWrongMode(m_settings.retryRandom());
            event([](JsonWriter& j) { j.key("event").value("retry"); });
        }
        return 0;
    }

  private:
    enum class Step { kJudged, kFlipped, kInputEnded };
    // The judgement that a "!" typed before the next answer flips.
    struct Flippable {
        int question = 0;
        bool right = false;
    };

    template <typename Fn>
    void event(Fn fill) {
        if (!m_options.json) return;
        JsonWriter j;
        j.beginObject();
        fill(j);
        j.endObject();
        CliPrint(j.text() + "\n");
        std::fflush(stdout);
    }

    void say(const std::string& utf8) {
        if (m_options.json) return;
        CliPrint(utf8 + "\n");
        std::fflush(stdout);
    }

    bool askQuestionCount() {
        int limit = m_exam.countLimit(m_settings.noAlready());
        if (m_options.count) {
            if (*m_options.count < 1 || *m_options.count > limit) {
                CliFail(VT("値が有効範囲を超えています。"));
                return false;
            }
            m_settings.setInitialExamCount(*m_options.count);
            return true;
        }
        while (true) {
            say(Fill(VT("出題数を入力してください (1～%1, 空行で %2):"),
                     {std::to_string(limit), std::to_string(m_settings.initialExamCount())}));
            std::string line;
            if (!m_input.next(line)) {
                CliFail(VT("中止しました。"));
                return false;
            }
            if (line.empty()) return true;
            char* end = nullptr;
            long n = std::strtol(line.c_str(), &end, 10);
            if (*end == 0 && n >= 1 && n <= limit) {
                m_settings.setInitialExamCount(static_cast<int>(n));
                return true;
            }
            say(VT("値が有効範囲を超えています。"));
        }
    }

    int number() const { return m_exam.currentQuestion() + 1; }

    void showQuestion(const CLSVorelDataQuestion& q) {
        int num = number();
        event([&](JsonWriter& j) {
            j.key("event").value("ask").key("number").value(num);
            j.key("title").value(m_doc.getTitleText());
            j.key("question").value(q.getQuestion().toText());
            j.key("answerCount").value(m_exam.answerFieldCount());
            j.key("hints").value(q.getHintCount());
            if (m_exam.hasChoices()) {
                j.key("choices").beginArray();
                for (const CLSChoiceSlot& slot : m_exam.choiceSlots())
                    j.value(slot.sentence.toText());
                j.endArray();
            }
        });
        if (!m_doc.getTitleText().isEmpty()) say("【" + m_doc.getTitleText().str() + "】");
        say(Fill(VT("問題 %1: %2"), {std::to_string(num), shown(q.getQuestion())}));
        if (m_exam.hasChoices()) {
            for (int k = 0; k < m_exam.shownChoiceCount(); ++k)
                say("  " + std::to_string(k + 1) + ". " + shown(m_exam.choiceSlots()[k].sentence));
        }
        if (m_settings.answerMode() == AnswerMode::kConfirm) {
            say(Fill(VT("答え: %1"), {joinedAnswers(q)}));
            say(confirmKeys());
        } else if (m_exam.hasChoices()) {
            say(m_exam.answerFieldCount() > 1 ? Fill(VT("番号を %1 つ選んでください:"),
                                                     {std::to_string(m_exam.answerFieldCount())})
                                              : std::string(VT("番号を選んでください:")));
        }
    }

    // One question: shown, answered and judged; or the previous judgement
    // flipped, after which the same question is shown again.
    Step askOne() {
        const CLSVorelDataQuestion& q = m_doc.currentQuestion();
        int num = number();
        showQuestion(q);
        m_hintsShown = 0;

        std::vector<CLSSentence> given;
        Verdict verdict = Verdict::kSkipped;
        const bool review = m_exam.mode().isReview();
        if (m_settings.answerMode() == AnswerMode::kConfirm) {
            std::optional<ReviewGrade> grade;
            while (true) {
                std::string line;
                if (!readAnswerLine(q, line)) return Step::kInputEnded;
                if (line == "!") return flipPrevious();
                if (line == "y" || line == "n" || line == "s") {
                    verdict = line == "y"   ? Verdict::kRight
                              : line == "n" ? Verdict::kWrong
                                            : Verdict::kSkipped;
                    break;
                }
                // A review grades with 1 (もう一度) to 4 (簡単) as well.
                if (review && line.size() == 1 && line[0] >= '1' && line[0] <= '4') {
                    grade = static_cast<ReviewGrade>(line[0] - '0');
                    verdict = *grade == ReviewGrade::Again ? Verdict::kWrong : Verdict::kRight;
                    break;
                }
                say(confirmKeys());
            }
            m_exam.answer({});  // stops the clock; confirm mode judges nothing
            m_exam.apply({verdict, {}, {}, grade});
        } else if (m_exam.hasChoices()) {
            std::string line;
            if (!readAnswerLine(q, line)) return Step::kInputEnded;
            if (line == "!") return flipPrevious();
            if (review && line == "s") {
                verdict = skip();
                tellJudgement(num, q, verdict);
                m_flip.reset();
                return Step::kJudged;
            }
            std::vector<bool> selected(m_exam.shownChoiceCount(), false);
            for (char c : line) {
                int k = c - '1';
                if (k >= 0 && k < m_exam.shownChoiceCount()) selected[k] = true;
            }
            for (int k = 0; k < m_exam.shownChoiceCount(); ++k) {
                if (selected[k]) given.push_back(m_exam.choiceSlots()[k].sentence);
            }
            verdict = m_exam.answer(given).verdict;
        } else {
            for (int k = 0; k < m_exam.answerFieldCount(); ++k) {
                say(m_exam.answerFieldCount() > 1 ? Fill(VT("答え %1:"), {std::to_string(k + 1)})
                                                  : std::string(VT("答え:")));
                std::string line;
                if (!readAnswerLine(q, line)) return Step::kInputEnded;
                if (k == 0 && line == "!") return flipPrevious();
                if (k == 0 && review && line == "s") {
                    verdict = skip();
                    tellJudgement(num, q, verdict);
                    m_flip.reset();
                    return Step::kJudged;
                }
                CLSTString text;
                if (!CliText(line, text)) text.clear();
                CLSSentence answer;
                answer.addText(text.view());  // typed text is never markup
                given.push_back(std::move(answer));
            }
            verdict = m_exam.answer(given).verdict;
        }
        tellJudgement(num, q, verdict);
        m_flip.reset();
        if (verdict != Verdict::kSkipped) m_flip = Flippable{num - 1, verdict == Verdict::kRight};
        return Step::kJudged;
    }

    std::string confirmKeys() const {
        // One line of keys: the extractor needs the text on one line.
        // clang-format off
        if (m_exam.mode().isReview())
            return VT("1: もう一度  2: 難しい  3: 正解  4: 簡単  (y: 正解  n: もう一度)  s: スキップ  ?: ヒント");
        // clang-format on
        return VT("y: 正解  n: 不正解  s: スキップ  ?: ヒント");
    }

    // A review's "s": the question is left ungraded and stays due.
    Verdict skip() {
        m_exam.stopClock();
        m_exam.decide(Verdict::kSkipped);
        return Verdict::kSkipped;
    }

    void tellJudgement(int num, const CLSVorelDataQuestion& q, Verdict verdict) {
        if (verdict != Verdict::kSkipped) {
            say(Fill(verdict == Verdict::kRight ? VT("○ 正解  答え: %1") : VT("× 不正解  答え: %1"),
                     {joinedAnswers(q)}));
        } else {
            say(Fill(VT("－ スキップ  答え: %1"), {joinedAnswers(q)}));
        }
        if (q.getComment().markupLength() > 0) say("  " + shown(q.getComment()));
        judgeEvent(num, q, verdict);
    }

    void judgeEvent(int num, const CLSVorelDataQuestion& q, Verdict verdict) {
        event([&](JsonWriter& j) {
            j.key("event").value("judge").key("number").value(num);
            j.key("right").value(verdict == Verdict::kRight);
            if (verdict == Verdict::kSkipped) j.key("skipped").value(true);
            j.key("answers").beginArray();
            for (const CLSSentence& a : q.answers())
                j.value(a.toText());
            j.endArray();
            j.key("comment").value(q.getComment().toText());
        });
    }

    // "!" before the answer to the question on screen: the judgement of the
    // question before it is turned round. Nothing to turn (the first
    // question, or a skip) leaves everything as it is.
    Step flipPrevious() {
        if (!m_flip) {
            say(VT("変更できる判定がありません。"));
            return Step::kFlipped;
        }
        m_flip->right = !m_flip->right;
        m_exam.changeJudgement(m_flip->right);
        say(m_flip->right ? VT("→ 正解にしました") : VT("→ 不正解にしました"));
        const CLSVorelDataQuestion& previous = m_doc.getQuestion(m_flip->question)->question();
        judgeEvent(m_flip->question + 1, previous,
                   m_flip->right ? Verdict::kRight : Verdict::kWrong);
        return Step::kFlipped;
    }

    // A line of answer input; "?" shows the next hint instead. false at the
    // end of the input.
    bool readAnswerLine(const CLSVorelDataQuestion& q, std::string& line) {
        while (true) {
            if (!m_input.next(line)) return false;
            if (line != "?") return true;
            showHint(q);
        }
    }

    void showHint(const CLSVorelDataQuestion& q) {
        if (m_hintsShown >= q.getHintCount()) {
            say(VT("ヒントはありません。"));
            return;
        }
        int i = m_hintsShown++;
        m_exam.hintShown();
        say(Fill(VT("ヒント %1: %2"), {std::to_string(i + 1), shown(q.getHint(i))}));
        event([&](JsonWriter& j) {
            j.key("event").value("hint").key("number").value(number()).key("index").value(i);
            j.key("hint").value(q.getHint(i).toText());
        });
    }

    std::string joinedAnswers(const CLSVorelDataQuestion& q) {
        std::string s;
        for (int i = 0; i < q.getAnswerCount(); ++i) {
            if (i > 0) s += " / ";
            s += shown(q.getAnswer(i));
        }
        return s;
    }

    void finishRun() {
        int asked = m_exam.cursor() + (m_exam.currentQuestion() >= 0 ? 1 : 0);
        int right = m_exam.rightCount();
        int wrong = m_exam.wrongCount();
        std::string rate = m_exam.rateText().str();
        std::string total = DurationText(SystemClock().ticks() - m_exam.startTick());
        std::string method = ShownExamWord(m_exam.modeName()).str();
        if (!m_exam.examFinish()) m_logFailed = true;
        say(Fill(VT("結果: %1  出題数 %2  正解 %3  不正解 %4  正解率 %5  所要時間 %6"),
                 {method, std::to_string(asked), std::to_string(right), std::to_string(wrong), rate,
                  total}));
        event([&](JsonWriter& j) {
            j.key("event").value("end").key("asked").value(asked).key("right").value(right);
            j.key("wrong").value(wrong).key("rate").value(rate);
        });
    }

    CLSVorelDataFile& m_doc;
    CLSVorelSettings& m_settings;
    CLSExam& m_exam;
    QuizOptions m_options;
    LineInput m_input;
    int m_hintsShown = 0;
    std::optional<Flippable> m_flip;
    bool m_logFailed = false;
};

// "FIRST-LAST", question numbers from 1; a number too large for the range
// is refused rather than wrapped round.
bool parseRange(const std::string& text, int* first, int* last) {
    size_t dash = text.find('-');
    if (dash == std::string::npos || dash == 0 || dash + 1 == text.size() ||
        text.find_first_not_of("0123456789-") != std::string::npos) {
        CliFail("--range takes FIRST-LAST, question numbers from 1");
        return false;
    }
    long long a = 0;
    long long b = 0;
    const long long most = std::numeric_limits<int>::max();
    if (!CliNumber("--range", text.substr(0, dash), 1, most, a) ||
        !CliNumber("--range", text.substr(dash + 1), a, most, b)) {
        return false;
    }
    *first = static_cast<int>(a - 1);
    *last = static_cast<int>(b - 1);
    return true;
}

int runQuiz(const std::vector<std::string>& tokens) {
    CliArgs args(tokens,
                 {"--mode", "--count", "--strength", "--answer-mode", "--range", "--groups",
                  "--marks", "--seed", "--now"},
                 {"--no-repeat", "--json", "--no-log", "--no-save"});
    if (!args.error().empty() || args.positional().size() != 1) {
        if (!args.error().empty()) CliFail(args.error());
        return CliUsage("quiz");
    }
    QuizOptions options;
    const std::string modeName = args.value("--mode", "all");
    if (modeName == "all") {
        options.mode = CLSExamMode::inOrder();
    } else if (modeName == "random") {
        options.mode = CLSExamMode::randomAll();
    } else if (modeName == "count") {
        options.mode = CLSExamMode::counted();
    } else if (modeName == "weak") {
        options.mode = CLSExamMode::weakPoints();
    } else if (modeName == "complete") {
        options.mode = CLSExamMode::complete();
    } else if (modeName == "review") {
        options.mode = CLSExamMode::review();
    } else {
        return CliFail("--mode takes all, random, count, weak, complete or review");
    }
    const long long most = std::numeric_limits<int>::max();
    long long number = 0;
    if (args.has("--count")) {
        // Within the int range; whether the run can ask that many is said later.
        if (!CliNumber("--count", args.value("--count"), -most - 1, most, number)) return 1;
        options.count = static_cast<int>(number);
    }
    options.json = args.has("--json");
    options.log = !args.has("--no-log");
    options.save = !args.has("--no-save");

    CLSTString path;
    if (!CliPath(args.positional()[0], path)) return 1;
    CLSVorelSettings settings;
    settings.loadSettings(SettingsFilePath());
    settings.loadVagueFile(VagueFilePath());
    settings.setFlag(CLSVorelSettings::kSaveExamLog, options.log);
    if (args.has("--no-repeat")) settings.setFlag(CLSVorelSettings::kNoAlready, true);
    if (args.has("--strength")) {
        if (!CliNumber("--strength", args.value("--strength"), 0, 10, number)) return 1;
        settings.setWeakPointStrength(static_cast<int>(number));
    }
    uint32_t seed = 0;
    if (args.has("--seed")) {
        if (!CliNumber("--seed", args.value("--seed"), 0, UINT32_MAX, number)) return 1;
        seed = static_cast<uint32_t>(number);
    }
    if (args.has("--answer-mode")) {
        const std::string m = args.value("--answer-mode");
        std::optional<AnswerMode> mode;
        if (m == "normal") mode = AnswerMode::kNormal;
        if (m == "written") mode = AnswerMode::kWritten;
        if (m == "choice") mode = AnswerMode::kChoice;
        if (m == "confirm") mode = AnswerMode::kConfirm;
        if (!mode) return CliFail("--answer-mode takes normal, written, choice or confirm");
        settings.setAnswerMode(*mode);
    }

    // --now sets the clock for the run and for the dates it writes.
    std::optional<CLSStartedClock> startedClock;
    if (!CliStartClock(args, startedClock)) return 1;
    const Clock& clock = startedClock ? static_cast<const Clock&>(*startedClock) : SystemClock();
    CliPrompter prompter;
    CLSVorelDataFile doc(settings, prompter, clock);
    if (!doc.loadFile(path)) return 1;
    CLSRandom random(args.has("--seed") ? seed : static_cast<uint32_t>(SystemClock().ticks()));
    CLSExam exam(doc, settings, random, clock);
    exam.resetRange();
    if (args.has("--range")) {
        int first = 0;
        int last = 0;
        if (!parseRange(args.value("--range"), &first, &last)) return 1;
        exam.setRangeFirst(first);
        exam.setRangeLast(std::min(last, doc.getQuestionCount() - 1));
    }
    if (args.has("--groups")) {
        std::array<bool, 10> groups{};
        std::string list = args.value("--groups");
        for (char c : list) {
            if (c >= '0' && c <= '9') {
                groups[static_cast<size_t>(c - '0')] = true;
            } else if (c != ',' && c != ' ') {
                return CliFail("--groups takes group digits separated by commas");
            }
        }
        exam.setGroups(groups);
    }
    if (args.has("--marks")) {
        const std::string m = args.value("--marks");
        int filter = m == "ignore" ? 0 : m == "only" ? 1 : m == "exclude" ? 2 : -1;
        if (filter < 0) return CliFail("--marks takes ignore, only or exclude");
        exam.setMarkFilter(filter);
    }
    if (exam.questionsInRange(exam.rangeFirst(), exam.rangeLast()) == 0) {
        return CliFail(VT("出題範囲に問題がありません。"));
    }
    // A review logs every answer, as the exam history logs every run.
    std::unique_ptr<CLSSqliteReviewLog> reviewLog;
    if (options.mode.isReview() && options.log) {
        auto opened = CLSSqliteReviewLog::open(DefaultReviewLogPath());
        if (opened) {
            reviewLog = std::move(*opened);
            exam.setReviewLog(reviewLog.get());
        } else {
            CliFail(opened.error());  // the review goes on; the file keeps the schedules
        }
    }
    TerminalQuiz quiz(doc, settings, exam, options);
    catchStopSignals();
    int status = quiz.run();
    // A run that recorded nothing leaves the file as it is. A file another
    // program changed during the run is not overwritten: the answers are
    // refused with the message.
    if (options.save && doc.isModified()) {
        CliReportLock(path);
        if (!doc.saveFile(path)) return 1;
    }
    if (quiz.logFailed()) return 1;
    return g_stopped ? 130 : status;
}

int runExamLog(const std::vector<std::string>& tokens) {
    CliArgs args(tokens, {}, {});
    if (!args.error().empty() || args.positional().size() != 1) return CliUsage("examlog");
    CLSTString path;
    if (!CliPath(args.positional()[0], path)) return 1;
    if (!FileExists(path)) return CliFailOpen(args.positional()[0]);
    bool readFailed = false;
    std::vector<CLSExamLogOne> records = ReadExamLog(path, {}, nullptr, &readFailed);
    if (readFailed) return CliFailRead(args.positional()[0]);
    JsonWriter j;
    j.beginArray();
    for (const CLSExamLogOne& r : records) {
        j.beginObject();
        j.key("time").beginArray().value(r.year).value(r.month).value(r.day).value(r.dayOfWeek);
        j.value(r.hour).value(r.minute).value(r.second).endArray();
        j.key("file").value(r.fileName).key("range").value(r.range).key("groups").value(r.groups);
        j.key("method").value(r.method).key("answerMode").value(r.answerMode);
        j.key("rate").value(r.rate).key("total").value(r.total);
        j.key("rows").beginArray();
        for (const CLSExamLogRow& row : r.rows) {
            j.beginArray();
            for (int f = 0; f < row.count(); ++f)
                j.value(row[f]);
            j.endArray();
        }
        j.endArray().endObject();
    }
    j.endArray();
    CliPrint(j.text() + "\n");
    return 0;
}

CliRegistrar quiz(
    {"quiz",
     "FILE [--mode all|random|count|weak|complete|review] [--count N] [--no-repeat] [--strength "
     "S]\n"
     "      [--answer-mode normal|written|choice|confirm] [--range FIRST-LAST] [--groups 0,2,5]\n"
     "      [--marks ignore|only|exclude] [--seed N] [--now YYYY-MM-DDTHH:MM] [--json] [--no-log]\n"
     "      [--no-save]",
     "studies a data file in the terminal: one line per answer, ? for a hint, ! instead of an "
     "answer to flip the previous judgement, r at the end to re-ask the wrong ones; a review "
     "asks what is due, s skips a question and in confirm mode 1-4 grade it; --now sets the "
     "clock",
     runQuiz});
CliRegistrar examlog({"examlog", "FILE", "prints the records of an exam history file as JSON",
                      runExamLog});

}  // namespace
