// The editor on a data file of 100,000 questions: switching to it, moving the
// focus from row to row, erasing and restoring a thousand lines, moving one
// line, and the memory the editor adds to the study screen.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QTableView>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "app/MainCommands.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "editor/EditorCommandIds.h"
#include "editor/widgets/EditorScreen.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/widgets/QtText.h"

namespace {

char g_path[64];

void removeFile() {
    std::remove(g_path);
}

const char* largeFile() {
    if (!g_path[0]) {
        std::snprintf(g_path, sizeof g_path, "/tmp/vorel-bench-editor-%d.vrf",
                      static_cast<int>(::getpid()));
        std::string text = "VORELDATA V3.0\r\n";
        std::string jp = Utf8ToCp932Literal("日本語の問題文");
        for (int i = 0; i < 100000; ++i) {
            if (i % 50 == 0) text += "#Section " + std::to_string(i / 50) + ",000001\r\n";
            text += jp + std::to_string(i) + ",hint|more,answer" + std::to_string(i) +
                    "|alt(s),,c,<" + std::to_string(i % 10) + "0,12601011200,02601021200\r\n";
        }
        std::FILE* f = std::fopen(g_path, "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        std::atexit(removeFile);
    }
    return g_path;
}

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

struct Window {
    CLSVorelSettings settings;
    std::unique_ptr<CLSMainWindow> window;
    Window() {
        settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
        settings.setFlag(CLSVorelSettings::kSound, false);
        window = std::make_unique<CLSMainWindow>(settings, 1);
        window->resize(800, 600);
        window->show();
        window->openFile(CLSTString(largeFile()));
        QApplication::processEvents();
    }
    ~Window() { window->document().newFile(); }
    CLSEditorScreen& editor() { return *window->editorScreen(); }
    void toEditor() {
        window->dispatch(MainCommand::kToEditor);
        QApplication::processEvents();
    }
    void selectRows(int first, int count) {
        QTableView* list = editor().list();
        QItemSelection rows(list->model()->index(first, 0),
                            list->model()->index(first + count - 1, 2));
        list->selectionModel()->setCurrentIndex(list->model()->index(first, 0),
                                                QItemSelectionModel::NoUpdate);
        list->selectionModel()->select(
            rows, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
};

void BM_F7ToEditor(benchmark::State& state) {
    Window w;
    long before = residentKiB();
    long added = 0;
    for (auto _ : state) {
        w.toEditor();
        state.PauseTiming();
        added = std::max(added, residentKiB() - before);
        w.window->dispatch(MainCommand::kToStudy);
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["added_MB"] = static_cast<double>(added) / 1024.0;
}

void BM_FocusRowAndShowCard(benchmark::State& state) {
    Window w;
    w.toEditor();
    int row = 1;
    for (auto _ : state) {
        w.editor().selectLine(row);
        QApplication::processEvents();
        row = (row * 7919 + 13) % 100000 + 1;
    }
}

void BM_EraseThousandLinesAndUndo(benchmark::State& state) {
    Window w;
    w.toEditor();
    for (auto _ : state) {
        w.selectRows(5000, 1000);
        w.window->dispatch(EditorCommand::kCardDelete);
        QApplication::processEvents();
        if (state.range(0)) {
            w.editor().undoStack().undo();
            QApplication::processEvents();
        } else {
            state.PauseTiming();
            w.editor().undoStack().undo();
            QApplication::processEvents();
            state.ResumeTiming();
        }
    }
}

void BM_MoveSelectedLine(benchmark::State& state) {
    Window w;
    w.toEditor();
    bool down = true;
    for (auto _ : state) {
        w.selectRows(50000, 1);
        w.window->dispatch(down ? EditorCommand::kMoveDown : EditorCommand::kMoveUp);
        QApplication::processEvents();
        down = !down;
    }
}

// Accepts the next modal dialog (the group dialog, one group down) as soon as it shows.
void acceptNextDialog() {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        timer->stop();
        timer->deleteLater();
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(modal->focusWidget() ? modal->focusWidget() : modal, &down);
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->accept();
    });
    timer->start(0);
}

// 0: a group change on every line (all 100,000 questions selected);
// 1: undoing it; 2: making it again.
void BM_GroupChangeOnEveryQuestion(benchmark::State& state) {
    Window w;
    w.toEditor();
    QTableView* list = w.editor().list();
    const int64_t timed = state.range(0);
    auto step = [&](int64_t part, auto run) {
        if (part == timed) state.ResumeTiming();
        run();
        QApplication::processEvents();
        if (part == timed) state.PauseTiming();
    };
    QUndoStack& undo = w.editor().undoStack();
    for (auto _ : state) {
        state.PauseTiming();
        list->setFocus();
        list->selectAll();
        QApplication::processEvents();
        step(0, [&] {
            acceptNextDialog();
            w.window->dispatch(EditorCommand::kChangeGroup);
        });
        step(1, [&] { undo.undo(); });
        step(2, [&] { undo.redo(); });
        undo.undo();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (!getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("VOREL_HOME", "/tmp", 0);
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    InitVorelApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("BM_F7ToEditor", BM_F7ToEditor)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::RegisterBenchmark("BM_FocusRowAndShowCard", BM_FocusRowAndShowCard)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(200);
    // 0: erasing alone; 1: erasing and undoing it.
    benchmark::RegisterBenchmark("BM_EraseThousandLines", BM_EraseThousandLinesAndUndo)
        ->Arg(0)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(10);
    benchmark::RegisterBenchmark("BM_EraseThousandLinesAndUndo", BM_EraseThousandLinesAndUndo)
        ->Arg(1)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(10);
    benchmark::RegisterBenchmark("BM_MoveSelectedLine", BM_MoveSelectedLine)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(200);
    benchmark::RegisterBenchmark("BM_GroupChangeOnEveryQuestion", BM_GroupChangeOnEveryQuestion)
        ->Arg(0)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::RegisterBenchmark("BM_GroupChangeOnEveryQuestionUndo", BM_GroupChangeOnEveryQuestion)
        ->Arg(1)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::RegisterBenchmark("BM_GroupChangeOnEveryQuestionRedo", BM_GroupChangeOnEveryQuestion)
        ->Arg(2)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
