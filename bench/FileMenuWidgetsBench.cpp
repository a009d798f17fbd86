// The file menu's screens on large files: the exam history browser opening
// on a 10 MB history (until its tree and first run are shown), and the
// import dialog's preview of a 100,000-record file (until it is filled).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <cstdio>
#include <memory>
#include <string>

#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "data/ImportReader.h"
#include "data/widgets/DlgImport.h"
#include "data/widgets/ImportPreviewModel.h"
#include "quiz/widgets/DlgExamLog.h"
#include "quiz/widgets/StudyScreen.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/widgets/QtText.h"

namespace {

char g_log[64];
char g_csv[64];

void removeFiles() {
    std::remove(g_log);
    std::remove(g_csv);
}

void writeFile(const char* path, const std::string& bytes) {
    std::FILE* f = std::fopen(path, "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// Runs of 40 questions over 20 files and three years, as a learner's
// history grows: about 10 MB.
const char* largeHistory() {
    if (!g_log[0]) {
        std::snprintf(g_log, sizeof g_log, "/tmp/vorel-bench-log-%d.txt",
                      static_cast<int>(::getpid()));
        std::string text;
        for (int run = 0; text.size() < 10u * 1024 * 1024; ++run) {
            std::string record =
                "Vorel for Windows Ver.3.13 出題履歴\r\n[   時刻   ] " +
                std::to_string(2024 + run / 3000) + "年" + std::to_string(1 + run / 250 % 12) +
                "月" + std::to_string(1 + run / 8 % 28) + "日(月) " + std::to_string(run % 24) +
                "時10分5秒\r\n[ファイル名] /home/learner/単語" + std::to_string(run % 20) +
                ".vrf\r\n[ 出題範囲 ] 1～120\r\n[ グループ ] 0,1,2\r\n"
                "[ 出題方法 ] すべて\r\n[解答モード] 通常\r\n"
                "[  正解率  ] 66.67%\r\n[ 所要時間 ] 1分23秒\r\n"
                "順番,問題番号,正誤,所要時間,問題,答え,グループ,コメント\r\n";
            for (int i = 1; i <= 40; ++i) {
                record += std::to_string(i) + "," + std::to_string(i) +
                          ",○,3秒,りんご,apple,英語,\"a, comment\"\r\n";
            }
            if (!text.empty()) text += "\r\n\r\n";
            text += Utf8ToCp932Literal(record);
        }
        writeFile(g_log, text);
        std::atexit(removeFiles);
    }
    return g_log;
}

const char* largeCsv() {
    if (!g_csv[0]) {
        std::snprintf(g_csv, sizeof g_csv, "/tmp/vorel-bench-import-%d.csv",
                      static_cast<int>(::getpid()));
        std::string text = "問題,答え,ヒント,コメント\r\n";
        for (int i = 0; i < 100000; ++i) {
            text += "日本語の問題文" + std::to_string(i) + ",answer" + std::to_string(i) +
                    ",\"ヒント, その" + std::to_string(i) + "\",コメント\r\n";
        }
        writeFile(g_csv, text);
        std::atexit(removeFiles);
    }
    return g_csv;
}

void BM_ExamLogBrowserOpens10MB(benchmark::State& state) {
    CLSVorelSettings settings;
    settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
    settings.setFlag(CLSVorelSettings::kSound, false);
    settings.setExamLogName(CLSTString(largeHistory()));
    CLSMainWindow window(settings, 1);
    window.show();
    size_t records = 0;
    for (auto _ : state) {
        CLSDlgExamLog dialog(*window.studyScreen());
        dialog.show();
        QEventLoop wait;
        QObject::connect(&dialog, &CLSDlgExamLog::loaded, &wait, &QEventLoop::quit);
        if (!dialog.isLoaded()) wait.exec();
        QApplication::processEvents();
        records = dialog.records().size();
    }
    state.counters["runs"] = static_cast<double>(records);
}

void BM_ImportPreview100000Records(benchmark::State& state) {
    CLSVorelSettings settings;
    CLSMainWindow window(settings, 1);
    CLSTString path(largeCsv());
    int rows = 0;
    for (auto _ : state) {
        CLSDlgImport dialog(window.document(), path, InspectImportFile(path));
        dialog.show();
        QApplication::processEvents();
        rows = dialog.model()->rowCount();
    }
    state.counters["rows"] = rows;
}

}  // namespace

int main(int argc, char** argv) {
    if (!getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("VOREL_HOME", "/tmp", 0);
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    InitVorelApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("BM_ExamLogBrowserOpens10MB", BM_ExamLogBrowserOpens10MB)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::RegisterBenchmark("BM_ImportPreview100000Records", BM_ImportPreview100000Records)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(10);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
