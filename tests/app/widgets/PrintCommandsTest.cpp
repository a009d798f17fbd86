#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "TestSupport.h"
#include "app/CommandLine.h"
#include "app/MainCommands.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "print/widgets/DlgPreview.h"
#include "print/widgets/DlgPrintSettings.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"

namespace {

std::string exampleFile() {
    return std::string(VOREL_SOURCE_DIR) + "/examples/sample.vrf";
}

/// Runs command while a modal window of type T is expected; closes it.
template <typename T>
bool opensModal(CLSMainWindow& window, int command) {
    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        seen = qobject_cast<T*>(modal) != nullptr;
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    });
    poll.start(20);
    window.dispatch(command);
    return seen;
}

}  // namespace

TEST(PrintCommands, AvailableOnceTheDocumentHasQuestions) {
    InitVorelApplication();
    CLSVorelSettings settings;
    settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
    CLSMainWindow window(settings, 1);
    for (int id : {MainCommand::kPageSetup, MainCommand::kPreview, MainCommand::kPrint}) {
        ASSERT_NE(window.action(id), nullptr);
        EXPECT_FALSE(window.action(id)->isEnabled()) << id;
    }
    EXPECT_EQ(window.action(MainCommand::kPrint)->shortcut(), QKeySequence("Ctrl+P"));
    ASSERT_TRUE(window.openFile(CLSTString(exampleFile())));
    for (int id : {MainCommand::kPageSetup, MainCommand::kPreview, MainCommand::kPrint})
        EXPECT_TRUE(window.action(id)->isEnabled()) << id;

    EXPECT_TRUE(opensModal<CLSDlgPrintSettings>(window, MainCommand::kPageSetup));
    EXPECT_TRUE(opensModal<CLSDlgPreview>(window, MainCommand::kPreview));
}

TEST(PrintCommands, PdfOptionNeedsBothFiles) {
    CLSCommandLine line = ParseCommandLine({"vorel", "--print-pdf", "out.pdf", "\"a b.vrf\""});
    EXPECT_EQ(line.action, CLSCommandLine::Action::PrintPdf);
    EXPECT_EQ(line.pdfOutput, "out.pdf");
    EXPECT_EQ(line.file, "a b.vrf");
    CLSCommandLine missing = ParseCommandLine({"vorel", "--print-pdf", "out.pdf"});
    EXPECT_EQ(missing.action, CLSCommandLine::Action::Error);
    EXPECT_EQ(missing.exitStatus(), 2);
    EXPECT_EQ(missing.text.toStdString(),
              "vorel: --print-pdf needs the PDF file and a data file: vorel --print-pdf OUT.pdf "
              "FILE\nTry 'vorel --help' for more information.\n");
    EXPECT_TRUE(ParseCommandLine({"vorel", "--help"}).text.contains("--print-pdf <OUT>"));
}

#ifdef VOREL_GUI_PATH
TEST(PrintCommands, ProgramPrintsAPdfWithoutAWindow) {
    TempDir dir;
    // No display and no platform named: the program needs neither.
    std::string program = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM VOREL_HOME=" +
                          ShellQuote(dir.path()) + " " + ShellQuote(VOREL_GUI_PATH);
    std::string pdf = dir.file("sheet.pdf");
    std::string out, err;
    ASSERT_EQ(
        RunCommand(program + " --print-pdf " + ShellQuote(pdf) + " " + ShellQuote(exampleFile()),
                   &out, &err),
        0)
        << err;
    EXPECT_EQ(out, "1\n");
    EXPECT_EQ(ReadFileBytes(pdf).rfind("%PDF-", 0), 0u);

    // A file that cannot be read: the program's message, status 1, and the
    // PDF made before stays as it was.
    std::string before = ReadFileBytes(pdf);
    EXPECT_EQ(RunCommand(program + " --print-pdf " + ShellQuote(pdf) + " " +
                             ShellQuote(dir.file("missing.vrf")),
                         &out, &err),
              1);
    EXPECT_EQ(out, "");
    EXPECT_NE(err.find("vorel: ファイル " + dir.file("missing.vrf") + " を開けません。"),
              std::string::npos)
        << err;
    WriteFileBytes(dir.file("text.vrf"), "just text\r\n");
    EXPECT_EQ(RunCommand(program + " --print-pdf " + ShellQuote(pdf) + " " +
                             ShellQuote(dir.file("text.vrf")),
                         &out, &err),
              1);
    EXPECT_NE(err.find("vorel: Vorelデータファイルではありません。"), std::string::npos) << err;
    EXPECT_EQ(ReadFileBytes(pdf), before);

    // A PDF that cannot be written.
    EXPECT_EQ(RunCommand(program + " --print-pdf " + ShellQuote(dir.file("no/such/dir.pdf")) + " " +
                             ShellQuote(exampleFile()),
                         &out, &err),
              1);
    EXPECT_NE(err.find("vorel: ファイルに書き込めません。"), std::string::npos) << err;
}
#endif
