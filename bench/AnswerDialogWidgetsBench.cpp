// How long the answer dialog takes from its construction (judging,
// recording, measuring, the animation) until it is painted on screen, on
// the offscreen platform; the first opening of a run also pays for the
// fonts. Target: 100 ms.

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <memory>
#include <string>

#include "data/VorelDataFile.h"
#include "quiz/Exam.h"
#include "quiz/widgets/DlgAnswer.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Prompter.h"
#include "text/widgets/QtText.h"

namespace {

class SilentPrompter : public Prompter {
  public:
    PromptAnswer ask(PromptIcon, PromptButtons, const CLSTString&, int) override {
        return PromptAnswer::No;
    }
};

std::string g_path;

// Ten questions with a comment and three accepted answers each.
void writeData() {
    g_path = "/tmp/vorel-bench-answer-" + std::to_string(::getpid()) + ".vrf";
    std::string text = "VORELDATA V3.0\r\n#見出し,000000\r\n";
    for (int i = 0; i < 10; ++i) {
        text +=
            "問題" + std::to_string(i) +
            ",,[赤|緑|青]の光,,光の三原色は赤、緑、青です。絵の具の三原色とは違います。,<00\r\n";
    }
    std::string bytes = Utf8ToCp932Literal(text);
    std::FILE* f = std::fopen(g_path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

struct Run {
    CLSVorelSettings settings;
    SilentPrompter prompter;
    CLSVorelDataFile doc{settings, prompter};
    CLSRandom random{1};
    CLSExam exam{doc, settings, random};
    Run() {
        settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
        settings.setAnswerView(3);
        settings.setAnswerMode(AnswerMode::kWritten);
        doc.loadFile(CLSTString(g_path));
        exam.resetRange();
    }
    void next() {
        if (!exam.isRunning() || !exam.examNext()) {
            exam.examStart(CLSExamMode::inOrder());
            exam.examNext();
        }
    }
};

std::vector<CLSSentence> wrongAnswer() {
    CLSSentence s;
    s.addText(Utf8ToCp932Literal("黄の光"));
    return {s};
}

double openOnce(Run& run) {
    run.next();
    QElapsedTimer t;
    t.start();
    CLSDlgAnswer dialog(run.exam, run.exam.answer(wrongAnswer()));
    dialog.show();
    dialog.repaint();
    QCoreApplication::processEvents();
    double ms = t.nsecsElapsed() / 1e6;
    dialog.accept();
    return ms;
}

void BM_AnswerDialogOpen(benchmark::State& state) {
    Run run;
    for (auto _ : state) {
        state.PauseTiming();
        run.next();
        state.ResumeTiming();
        CLSDlgAnswer dialog(run.exam, run.exam.answer(wrongAnswer()));
        dialog.show();
        dialog.repaint();
        QCoreApplication::processEvents();
        state.PauseTiming();
        dialog.accept();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AnswerDialogOpen)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    writeData();
    {
        Run first;
        std::printf("first answer dialog of the program: %.1f ms\n", openOnce(first));
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::remove(g_path.c_str());
    return 0;
}
