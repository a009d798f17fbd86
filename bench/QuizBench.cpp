// The exam controller on a data file of 100,000 questions, judging, and
// reading a 10 MB exam history.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <string>

#include "data/VorelDataFile.h"
#include "quiz/AnswerCheck.h"
#include "quiz/Exam.h"
#include "quiz/ExamLogReader.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Prompter.h"

namespace {

class SilentPrompter : public Prompter {
  public:
    PromptAnswer ask(PromptIcon, PromptButtons, const CLSTString&, int) override {
        return PromptAnswer::No;
    }
};

char g_data[64];
char g_log[64];

void removeFiles() {
    std::remove(g_data);
    std::remove(g_log);
}

// 100,000 questions in sections of 50, each with a right/wrong history.
const char* dataFile() {
    if (!g_data[0]) {
        std::snprintf(g_data, sizeof g_data, "/tmp/vorel-bench-quiz-%d.vrf",
                      static_cast<int>(::getpid()));
        std::string text = "VORELDATA V3.0\r\n";
        std::mt19937 rng(3);
        for (int i = 0; i < 100000; ++i) {
            if (i % 50 == 0) text += "#S" + std::to_string(i / 50) + ",400000\r\n";
            text += "question " + std::to_string(i) + ",hint,answer " + std::to_string(i) +
                    "|alt,,comment,<" + std::to_string(i % 10) + "0";
            for (int h = 0; h < 5; ++h)
                text += rng() % 4 ? ",12601011200" : ",02601011200";
            text += "\r\n";
        }
        std::FILE* f = std::fopen(g_data, "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        std::atexit(removeFiles);
    }
    return g_data;
}

struct Quiz {
    CLSVorelSettings settings;
    SilentPrompter prompter;
    CLSVorelDataFile doc{settings, prompter};
    CLSRandom random{99};
    CLSExam exam{doc, settings, random};
    Quiz() {
        settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
        doc.loadFile(CLSTString(dataFile()));
        exam.resetRange();
    }
};

Quiz& quiz() {
    static Quiz q;
    return q;
}

// One examNext per iteration, judged right so that runs move on.
void runMode(benchmark::State& state, CLSExamMode mode, AnswerMode answerMode) {
    Quiz& q = quiz();
    q.settings.setAnswerMode(answerMode);
    q.settings.setInitialExamCount(32767);
    q.exam.examStart(mode, [] { return true; });
    for (auto _ : state) {
        if (!q.exam.examNext()) {
            state.PauseTiming();
            q.exam.examStart(mode, [] { return true; });
            state.ResumeTiming();
            continue;
        }
        q.exam.decide(Verdict::kRight);
    }
}

void BM_NextInOrder(benchmark::State& s) {
    runMode(s, CLSExamMode::inOrder(), AnswerMode::kNormal);
}
void BM_NextRandomAll(benchmark::State& s) {
    runMode(s, CLSExamMode::randomAll(), AnswerMode::kNormal);
}
void BM_NextCounted(benchmark::State& s) {
    runMode(s, CLSExamMode::counted(), AnswerMode::kNormal);
}
void BM_NextWeakPoints(benchmark::State& s) {
    runMode(s, CLSExamMode::weakPoints(), AnswerMode::kWritten);
}
void BM_NextComplete(benchmark::State& s) {
    runMode(s, CLSExamMode::complete(), AnswerMode::kNormal);
}
void BM_NextWithChoicesFromWholeFile(benchmark::State& s) {
    quiz().settings.setChoiceFrom(0);
    runMode(s, CLSExamMode::randomAll(), AnswerMode::kChoice);
    quiz().settings.setChoiceFrom(3);
}

// The slowest weak-point pick: every answer so far was right, so each pick
// spends the whole budget at every depth of the history before it gives up.
void BM_WeakPickAllRight(benchmark::State& state) {
    static Quiz q;
    static bool prepared = false;
    if (!prepared) {
        for (int i = 0; i < q.doc.getQuestionCount(); ++i) {
            for (CLSHistoryEntry& e : q.doc.getQuestion(i)->question().history())
                e.result = 1;
        }
        prepared = true;
    }
    q.settings.setWeakPointStrength(8);
    q.settings.setInitialExamCount(32767);
    q.settings.setAnswerMode(AnswerMode::kWritten);
    q.exam.examStart(CLSExamMode::weakPoints(), [] { return true; });
    for (auto _ : state) {
        if (!q.exam.examNext()) q.exam.examStart(CLSExamMode::weakPoints(), [] { return true; });
        q.exam.decide(Verdict::kRight);
    }
}

void BM_JudgeAgainst100Answers(benchmark::State& state) {
    CLSVagueTable table;
    CLSSentenceArray accepted;
    for (int i = 0; i < 100; ++i) {
        CLSSentence s;
        s.addText(Utf8ToCp932Literal("ばいおりんの答え" + std::to_string(i)));
        accepted.add(s);
    }
    CLSSentence typed;
    typed.addText(Utf8ToCp932Literal("ヴァイオリンの答え99"));
    std::vector<CLSSentence> given{typed};
    int options = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(JudgeAnswers(given, 1, accepted, options, table));
}

void BM_ReadExamLog(benchmark::State& state) {
    if (!g_log[0]) {
        std::snprintf(g_log, sizeof g_log, "/tmp/vorel-bench-log-%d.txt",
                      static_cast<int>(::getpid()));
        std::string record = Utf8ToCp932Literal(
            "Vorel for Windows Ver.3.13 出題履歴\r\n[   時刻   ] 2026年12月8日(火) 9時30分5秒\r\n"
            "[ファイル名] /home/learner/英単語.vrf\r\n[ 出題範囲 ] 1～120\r\n[ グループ ] 0,1,2\r\n"
            "[ 出題方法 ] すべて\r\n[解答モード] 通常\r\n[  正解率  ] 66.67%\r\n[ 所要時間 ] "
            "1分23秒\r\n"
            "順番,問題番号,正誤,所要時間,問題,答え,グループ,コメント\r\n");
        for (int i = 1; i <= 40; ++i) {
            record += std::to_string(i) + "," + std::to_string(i) +
                      Utf8ToCp932Literal(",○,3秒,りんご,apple,英語,\"a, comment\"\r\n");
        }
        std::string text;
        while (text.size() < 10u * 1024 * 1024)
            text += (text.empty() ? "" : "\r\n\r\n") + record;
        std::FILE* f = std::fopen(g_log, "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        std::atexit(removeFiles);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadExamLog(CLSTString(g_log)).size());
}

}  // namespace

BENCHMARK(BM_NextInOrder)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NextRandomAll)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NextCounted)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NextWeakPoints)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NextComplete)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NextWithChoicesFromWholeFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WeakPickAllRight)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JudgeAgainst100Answers)->Arg(0)->Arg(31)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadExamLog)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
