// Tab walks every card and dialog of the editor, and the customisation
// sheet, in the order the fields are seen: top to bottom, left to right.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "app/MainWindow.h"
#include "editor/EditorCommandIds.h"
#include "editor/widgets/Card.h"
#include "editor/widgets/CardQuestion.h"
#include "settings/widgets/CustomizeSheet.h"
#include "widgets/EditorWindow.h"
#include "widgets/TabOrder.h"
#include "widgets/WhenModal.h"

using namespace EditorCommand;

namespace {

const char* kFile =
    "VORELDATA V3.0\r\n"
    "#英単語,010000\r\n"
    "色,,colo(u)r,,,<00\r\n"
    "$TimeLimit=10\r\n"
    "$FontQuestion=12,128,Sans\r\n"
    "'メモ\r\n";

struct Cards : EditorWindow {
    Cards() : EditorWindow(kFile) { key(Qt::Key_F7); }
    CLSCardPage* cardOf(int line) {
        editor().selectLine(line);
        return editor().card()->page();
    }
};

}  // namespace

TEST(TabOrder, EveryCardFollowsTheScreen) {
    Cards e;
    const char* names[] = {"タイトル", "問題", "数値設定", "フォント設定", "コメント"};
    for (int line = 0; line < 5; ++line) {
        CLSCardPage* card = e.cardOf(line);
        ASSERT_NE(card, nullptr) << names[line];
        taborder::expectTabFollowsScreen(card, names[line]);
        if (auto* q = qobject_cast<CLSCardQuestion*>(card)) {
            q->tabs()->setCurrentIndex(1);
            taborder::expectTabFollowsScreen(card, "問題 (ヒント・選択肢)");
            q->tabs()->setCurrentIndex(0);
        }
    }
}

TEST(TabOrder, EveryEditorDialogFollowsTheScreen) {
    Cards e;
    const struct {
        int command;
        const char* name;
    } dialogs[] = {{kSelectWhere, "条件選択"},      {kSort, "問題の並べ替え"},
                   {kChangeGroup, "グループ変更"},  {kSwap, "問題と答えの入れ替え"},
                   {kGroupNames, "グループ名編集"}, {kMessage, "メッセージ編集"}};
    for (const auto& d : dialogs) {
        e.editor().selectLine(1);
        e.editor().list()->setFocus();
        bool seen = false;
        whenModal([&](QWidget* dialog) {
            seen = true;
            taborder::expectTabFollowsScreen(dialog, d.name);
            static_cast<QDialog*>(dialog)->reject();
        });
        e.window->dispatch(d.command);
        EXPECT_TRUE(seen) << d.name;
    }
    // The find dialog stays open beside the editor.
    e.window->dispatch(kFind);
    QDialog* find = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowTitle() == U("検索")) find = qobject_cast<QDialog*>(w);
    }
    ASSERT_NE(find, nullptr);
    taborder::expectTabFollowsScreen(find, "検索");
    find->close();
}

TEST(TabOrder, EveryPageOfTheCustomisationSheetFollowsTheScreen) {
    InitVorelApplication();
    CLSVorelSettings settings;
    CLSCustomizeSheet sheet(settings, nullptr);
    sheet.show();
    for (int page = 0; page < CLSCustomizeSheet::kPageCount; ++page) {
        sheet.tabs()->setCurrentIndex(page);
        taborder::expectTabFollowsScreen(sheet.tabs()->currentWidget(),
                                         sheet.tabs()->tabText(page).toStdString().c_str());
    }
}
