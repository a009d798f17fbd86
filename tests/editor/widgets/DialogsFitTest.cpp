// The editor's cards and dialogs at their default size, in Japanese and in
// English: no text clipped, and in English a key of its own for each text.

#include <gtest/gtest.h>

#include <QWidget>
#include <array>

#include "DocFixture.h"
#include "app/MainWindow.h"
#include "editor/widgets/Card.h"
#include "editor/widgets/DlgFind.h"
#include "editor/widgets/DlgSelectWhere.h"
#include "editor/widgets/EditorDialogs.h"
#include "editor/widgets/QuestionToolDialogs.h"
#include "widgets/DialogTestSupport.h"
#include "widgets/EditorWindow.h"
#include "widgets/Languages.h"

namespace {

const char* kDoc =
    "VORELDATA V3.0\r\n#名詞,000000\r\n犬,鳴く,dog,,,<00\r\n猫,,cat,,ねこ,<20\r\n"
    "#動詞,000000\r\n走る,,run,,,<20\r\n$Group=,,動物\r\n$Message=範囲を選んでください。\r\n";

// A line of each kind: title, question, number and font settings, comment.
const char* kLines =
    "VORELDATA V3.0\r\n#英単語,010000\r\n色,,colo(u)r,,,<00\r\n$TimeLimit=10\r\n"
    "$FontQuestion=12,128,Sans\r\n'メモ\r\n";

}  // namespace

TEST(EditorDialogs, EveryCardFitsInBothLanguages) {
    InBothLanguages([] {
        EditorWindow w(kLines);
        w.key(Qt::Key_F7);
        const char* names[] = {"card-title", "card-question", "card-numbers", "card-fonts",
                               "card-comment"};
        for (int line = 0; line < 5; ++line) {
            w.editor().selectLine(line);
            ASSERT_NE(w.editor().card()->page(), nullptr) << names[line];
            ExpectFits(w.window.get(), names[line]);
        }
    });
}

TEST(EditorDialogs, EveryDialogFitsInBothLanguages) {
    InBothLanguages([] {
        DocFixture f;
        UseProgramFonts();
        ASSERT_TRUE(f.load(kDoc));
        QWidget owner;
        owner.resize(600, 400);
        owner.show();

        CLSDlgFind* find = CLSDlgFind::open(&owner, f.settings, [](bool) {});
        ASSERT_NE(find, nullptr);
        ExpectFits(find, "find");
        find->close();
        ExpectModalFits("search-targets", [&] { EditSearchTargets(&owner, f.settings); });

        CLSDlgSelectWhere select(f.doc, f.settings, &owner);
        select.show();
        ExpectFits(&select, "select-where");
        select.reject();

        std::array<CLSTString, 10> names;
        names[2] = Sj("動物");
        ExpectModalFits("group-names", [&] { EditGroupNames(&owner, names); });
        ExpectModalFits("message", [&] { EditMessage(&owner, Sj("範囲を選んでください。")); });
        ExpectModalFits("sort-keys", [&] { AskSortKeys(&owner); });
        ExpectModalFits("group", [&] { AskGroup(&owner, f.doc); });
        ExpectModalFits("swap", [&] { AskSwapOptions(&owner, f.doc); });
    });
}
