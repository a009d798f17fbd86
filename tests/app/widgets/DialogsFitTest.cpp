// The main window's own dialogs at their default size, in Japanese and in
// English: no text clipped, and in English a key of its own for each text.

#include <gtest/gtest.h>

#include "app/MainCommands.h"
#include "app/MainWindow.h"
#include "widgets/EditorWindow.h"
#include "widgets/Languages.h"

namespace {

const char* kFile = "VORELDATA V3.0\r\n#T,000000\r\nq1,,a1,,,<00\r\nq2,,a2,,,<00\r\n";

}  // namespace

TEST(MainWindowDialogs, AboutFitsInBothLanguages) {
    InBothLanguages([] {
        EditorWindow w(kFile);
        ExpectModalFits("about", [&] { w.window->dispatch(MainCommand::kAbout); });
    });
}
