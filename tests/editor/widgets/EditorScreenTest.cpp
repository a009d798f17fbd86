// The editor driven as a learner drives it: by keyboard, with the saved
// bytes compared at the end.

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "app/MainCommands.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "editor/EditorCommandIds.h"
#include "editor/widgets/Card.h"
#include "editor/widgets/CardQuestion.h"
#include "editor/widgets/CardSettings.h"
#include "editor/widgets/CardTitle.h"
#include "editor/widgets/EditorScreen.h"
#include "quiz/widgets/StudyScreen.h"
#include "settings/VorelSettings.h"
#include "text/widgets/Screen.h"
#include "text/widgets/WndSeparator.h"
#include "widgets/DialogTestSupport.h"
#include "widgets/EditorWindow.h"
#include "widgets/WhenModal.h"

using namespace EditorCommand;

namespace {

const char* kFile =
    "VORELDATA V3.0\r\n"
    "#英単語,010000\r\n"
    "色,,colo(u)r,,\\i\"p.png|WIDTH=20\",<00\r\n"
    "三つ,,[red|green|blue],,,<01\r\n"
    "'メモ\r\n"
    "最後,ヒント,x,,,<00,12612011930\r\n"
    "$Group=英語,1,2,3,4,5,6,7,8,9\r\n";

struct Editing : EditorWindow {
    Editing() : EditorWindow(kFile) {}
    QTableView* list() { return editor().list(); }
    template <class Card>
    Card* card() {
        return qobject_cast<Card*>(editor().card()->page());
    }
    int current() { return editor().currentLine(); }
};

}  // namespace

TEST(EditorScreen, F7OpensTheEditorOnLineOneAndBack) {
    Editing e;
    QAbstractItemModelTester tester(e.list()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    e.key(Qt::Key_F7);
    ASSERT_TRUE(&e.window->shownScreen() == e.window->editorScreen());
    EXPECT_EQ(e.current(), 0);
    EXPECT_EQ(QApplication::focusWidget(), e.list());
    ASSERT_NE(e.card<CLSCardTitle>(), nullptr);
    EXPECT_EQ(e.card<CLSCardTitle>()->textField()->text(), U("英単語"));
    EXPECT_EQ(e.window->statusPart(1)->text(), QStringLiteral("2 / 6"));
    EXPECT_EQ(e.list()->model()->index(1, 1).data().toString(), U("問題1"));
    EXPECT_EQ(e.list()->model()->index(3, 2).data().toString(), U("メモ"));
    e.key(Qt::Key_F7);
    EXPECT_TRUE(&e.window->shownScreen() == e.window->studyScreen());
    EXPECT_NE(e.window->statusPart(1)->text(), QStringLiteral("2 / 6"))
        << "the editor's line count is not left on the study screen";
}

// Arrows, Ins, typing into the card, Tab and Ctrl+S: the file holds the new
// question, and everything nobody touched is written as it was read.
TEST(EditorScreen, KeyboardOnlyEditingSavesTheTypedQuestion) {
    Editing e;
    e.key(Qt::Key_F7);
    e.key(Qt::Key_Down);
    e.key(Qt::Key_Down);
    ASSERT_EQ(e.current(), 2);
    // Ins (which QTest cannot type) inserts a question before "三つ".
    EXPECT_EQ(e.window->action(kInsertQuestion)->shortcut(), QKeySequence(Qt::Key_Insert));
    e.window->dispatch(kInsertQuestion);
    ASSERT_EQ(e.current(), 2);
    auto* q = e.card<CLSCardQuestion>();
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), q->questionField()) << "the card's first field";
    e.type("空");
    e.key(Qt::Key_Tab);  // to the bar under the question, which the arrows move
    EXPECT_TRUE(qobject_cast<CLSWndSeparator*>(QApplication::focusWidget()));
    e.key(Qt::Key_Tab);  // to the answer list
    e.key(Qt::Key_Tab);  // to the field beside it
    ASSERT_EQ(QApplication::focusWidget(), q->answerField());
    e.type("sky");
    e.key(Qt::Key_Tab);
    EXPECT_EQ(q->answerList()->item(0)->text(), U("答え1"));
    EXPECT_EQ(q->answerList()->count(), 2) << "答え1 and a new 新規答え";
    e.key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(e.file(),
              "VORELDATA V3.0\r\n#英単語,010000\r\n"
              "色,,colo(u)r,,\\i\"p.png|WIDTH=20\",<00\r\n"
              "空,,sky,,,<00\r\n"
              "三つ,,[red|green|blue],,,<01\r\n'メモ\r\n"
              "最後,ヒント,x,,,<00,12612011930\r\n$Group=英語,1,2,3,4,5,6,7,8,9\r\n");
}

// Every line command undone with Ctrl+Z leaves the file byte for byte as it
// was read; Ctrl+Y makes them again.
TEST(EditorScreen, LineCommandsUndoToTheSameBytes) {
    Editing e;
    const std::string original = e.file();
    e.key(Qt::Key_F7);
    e.key(Qt::Key_Down);
    e.key(Qt::Key_Down, Qt::ShiftModifier);    // rows 1 and 2
    e.key(Qt::Key_Down, Qt::ControlModifier);  // moved down a line
    EXPECT_EQ(e.list()->model()->index(2, 2).data().toString(), U("色"));
    EXPECT_TRUE(e.list()->selectionModel()->isRowSelected(3, QModelIndex())) << "still selected";
    e.window->dispatch(kMarkOn);
    e.key(Qt::Key_Delete);
    EXPECT_EQ(e.editor().undoStack().count(), 3);
    e.key(Qt::Key_Q, Qt::ControlModifier);  // a question at the end
    e.type("末尾");
    e.list()->setFocus();
    EXPECT_EQ(e.editor().undoStack().count(), 5) << "the added line and its typed text";
    for (int i = 0; i < 5; ++i)
        e.key(Qt::Key_Z, Qt::ControlModifier);
    e.key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(e.file(), original);
    e.key(Qt::Key_Y, Qt::ControlModifier);
    e.key(Qt::Key_Y, Qt::ControlModifier);
    e.key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_NE(
        e.file().find(
            "'メモ\r\n色,,colo(u)r,,\\i\"p.png|WIDTH=20\",=00\r\n三つ,,[red|green|blue],,,=01"),
        std::string::npos)
        << e.file();
}

TEST(EditorScreen, CopyPasteKeepsOrderAndFocus) {
    Editing e;
    e.key(Qt::Key_F7);
    e.key(Qt::Key_Down);
    e.key(Qt::Key_Down, Qt::ShiftModifier);
    e.key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              U("色,,colo(u)r,,\\i\"p.png|WIDTH=20\",<00\r\n三つ,,[red|green|blue],,,<01\r\n"));
    e.key(Qt::Key_Home);
    e.key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(e.list()->model()->rowCount(), 7);
    EXPECT_EQ(e.list()->model()->index(0, 2).data().toString(), U("色"));
    EXPECT_EQ(e.list()->model()->index(1, 2).data().toString(), U("三つ"));
    EXPECT_EQ(e.current(), 2) << "the line that had the focus keeps it";
    EXPECT_EQ(e.list()->model()->index(2, 2).data().toString(), U("英単語"));

    // Text that is no data file line is kept as it is, nothing is lost.
    QApplication::clipboard()->setText(QStringLiteral("\x01\x02junk line"));
    e.key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(e.list()->model()->rowCount(), 8);
}

TEST(EditorScreen, CardsWriteBackWhenAFieldLosesTheFocus) {
    Editing e;
    e.key(Qt::Key_F7);
    auto* title = e.card<CLSCardTitle>();
    ASSERT_NE(title, nullptr);
    title->textField()->setFocus();
    title->textField()->selectAll();
    e.type("英語");
    title->option(4)->setFocus();  // the field writes back
    EXPECT_EQ(e.list()->model()->index(0, 2).data().toString(), U("英語"));
    title->option(4)->setChecked(true);
    e.list()->setFocus();
    e.key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(e.file().substr(0, 32), "VORELDATA V3.0\r\n#英語,010001\r\n");

    // A question of three answers: emptying answer 2 removes it.
    e.editor().selectLine(2);
    auto* q = e.card<CLSCardQuestion>();
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->answerList()->count(), 4) << "red, green, blue and 新規答え";
    EXPECT_EQ(q->answerCountBox()->currentIndex(), 1);
    q->answerList()->setFocus();
    q->answerList()->setCurrentRow(1);
    e.window->dispatch(kDelete);  // empties the field beside the list
    EXPECT_EQ(q->answerList()->count(), 3);
    EXPECT_EQ(q->answerList()->item(1)->text(), U("答え2"));
    e.list()->setFocus();
    e.key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_NE(e.file().find("三つ,,red|blue,,,<01\r\n"), std::string::npos) << e.file();

    // A number card takes digits only; empty is unset.
    e.editor().selectLine(e.list()->model()->rowCount() - 1);
    e.window->dispatch(kInsertTimeLimit);
    auto* number = e.card<CLSCardNumber>();
    ASSERT_NE(number, nullptr);
    e.type("1x5");
    e.list()->setFocus();
    e.key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_NE(e.file().find("$TimeLimit=15\r\n最後"), std::string::npos) << e.file();
}

TEST(EditorScreen, GroupNamesAndMessageDialogs) {
    Editing e;
    e.key(Qt::Key_F7);
    whenModal([](QWidget* m) {
        QList<QLineEdit*> fields = m->findChildren<QLineEdit*>();
        ASSERT_EQ(fields.size(), 10);
        EXPECT_EQ(fields[0]->text(), U("英語"));
        fields[1]->setText(U("地理"));
        QTest::keyClick(m, Qt::Key_Return);
    });
    e.window->dispatch(kGroupNames);
    EXPECT_EQ(U8(e.window->document().getGroupName(1)), "地理");
    whenModal([](QWidget* m) {
        m->findChild<QPlainTextEdit*>()->setPlainText(U("一行目\n二行目"));
        QTest::keyClick(m->findChild<QPlainTextEdit*>(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    e.window->dispatch(kMessage);
    EXPECT_EQ(U8(e.window->document().getMessage()), "一行目\r\n二行目");
    e.key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(U8(e.window->document().getMessage()), "");
    EXPECT_EQ(U8(e.window->document().getGroupName(1)), "地理");
}

TEST(EditorScreen, StatesFollowTheFocusAndLoadingResetsTheView) {
    Editing e;
    e.key(Qt::Key_F7);
    EXPECT_FALSE(e.window->action(kMoveUp)->isEnabled()) << "row 0 is selected";
    EXPECT_TRUE(e.window->action(kMoveDown)->isEnabled());
    e.key(Qt::Key_Delete);
    EXPECT_TRUE(e.window->action(kUndo)->isEnabled());
    // Another file: the view starts again and the undo steps are gone.
    WriteFileBytes(e.dir.file("f.vrf"), "VORELDATA V1.2\r\nq,a,<00\r\n");
    whenModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_N, Qt::AltModifier); });
    ASSERT_TRUE(e.window->openFile(CLSTString(e.dir.file("f.vrf"))));
    EXPECT_EQ(e.list()->model()->rowCount(), 1);
    EXPECT_EQ(e.current(), 0);
    EXPECT_EQ(e.editor().undoStack().count(), 0);
    EXPECT_FALSE(e.window->action(kInsertHintFont)->isEnabled()) << "a 1.2 file has no fonts";
    auto* q = e.card<CLSCardQuestion>();
    ASSERT_NE(q, nullptr);
    EXPECT_FALSE(q->hintList()->isEnabled());
    EXPECT_FALSE(q->answerList()->isEnabled());
    EXPECT_EQ(q->answerList()->count(), 1) << "no 新規答え before 1.3";
    // The old file was saved with the removed line (a change).
    EXPECT_EQ(e.file().find("#英単語"), std::string::npos);
}

// Home and End select the line they go to, as Up and Down do; with Shift
// they extend the selection; Ctrl+End neither leaves the selection behind
// nor scrolls the list away from its line numbers.
TEST(EditorScreen, HomeAndEndSelectTheLineTheyGoTo) {
    Editing e;
    e.key(Qt::Key_F7);
    auto selected = [&] { return e.editor().selectedLines(); };
    e.key(Qt::Key_Down);
    e.key(Qt::Key_Down);
    e.key(Qt::Key_End);
    EXPECT_EQ(e.current(), 4);
    EXPECT_EQ(selected(), std::vector<int>{4});
    e.key(Qt::Key_Up);
    e.key(Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(e.current(), 0);
    EXPECT_EQ(selected(), (std::vector<int>{0, 1, 2, 3}));
    e.key(Qt::Key_Down);
    e.key(Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(selected(), (std::vector<int>{1, 2, 3, 4}));
    e.key(Qt::Key_Home);
    EXPECT_EQ(selected(), std::vector<int>{0});

    e.list()->horizontalHeader()->resizeSection(2, 3000);
    e.list()->horizontalScrollBar()->setValue(0);
    e.key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(e.current(), 4);
    EXPECT_EQ(selected(), std::vector<int>{4});
    EXPECT_EQ(e.list()->horizontalScrollBar()->value(), 0) << "行 and 種類 stay in view";
    e.key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(selected(), std::vector<int>{0});
    // Del erases the line the card shows.
    e.key(Qt::Key_End);
    e.key(Qt::Key_Delete);
    EXPECT_EQ(e.list()->model()->rowCount(), 4);
    EXPECT_EQ(e.list()->model()->index(0, 2).data().toString(), U("英単語"));
}

// The 行 column shows a six-digit line number whole, even after a session
// that stored it narrower.
TEST(EditorScreen, LineColumnHoldsSixDigits) {
    Editing e;
    QTableView probe;
    probe.setFont(e.list()->font());
    QStandardItemModel numbers(1, 1);
    numbers.setItem(0, 0, new QStandardItem(QStringLiteral("100000")));
    probe.setModel(&numbers);
    int needed = static_cast<QAbstractItemView&>(probe).sizeHintForColumn(0);
    EXPECT_GE(e.list()->horizontalHeader()->sectionSize(0), needed);
}

// Ctrl+V reads the clipboard when it is pressed: text another program put
// there since the states were last worked out is pasted, and an empty
// clipboard is said to be so.
TEST(EditorScreen, PasteReadsTheClipboardWhenPressed) {
    Editing e;
    e.key(Qt::Key_F7);
    QApplication::clipboard()->clear();
    e.key(Qt::Key_Down);
    e.key(Qt::Key_Up);
    QApplication::clipboard()->setText(U("追加,,x,,,<00\r\n"));
    e.key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(e.list()->model()->rowCount(), 6);
    EXPECT_EQ(e.list()->model()->index(0, 2).data().toString(), U("追加"));

    QApplication::clipboard()->clear();
    QString said;
    whenModal([&](QWidget* box) {
        if (auto* message = qobject_cast<QMessageBox*>(box)) said = message->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    e.key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(said, U("クリップボードから読み取れません。"));
    EXPECT_EQ(e.list()->model()->rowCount(), 6);
}

// A menu opened from the keyboard shows the commands of the control that
// had the keyboard, and so does the toolbar: the list's, then a field's.
TEST(EditorScreen, KeyboardMenusShowTheFocusedControlsCommands) {
    Editing e;
    e.key(Qt::Key_F7);
    e.key(Qt::Key_Down);
    auto openEditMenu = [&] {
        e.key(Qt::Key_E, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    };
    auto closeMenu = [&] {
        if (QWidget* popup = QApplication::activePopupWidget())
            QTest::keyClick(popup, Qt::Key_Escape);
        if (QWidget* popup = QApplication::activePopupWidget())
            QTest::keyClick(popup, Qt::Key_Escape);
        e.key(Qt::Key_Escape);
    };
    openEditMenu();
    for (int id : {kCut, kCopy, kDelete, kSelectAll, kPaste})
        EXPECT_TRUE(e.window->action(id)->isEnabled()) << id;
    closeMenu();

    auto* q = e.card<CLSCardQuestion>();
    ASSERT_NE(q, nullptr);
    q->questionField()->setFocus();
    e.type("x");
    openEditMenu();
    for (int id : {kUndo, kSelectAll, kInsertMedia})
        EXPECT_TRUE(e.window->action(id)->isEnabled()) << id;
    closeMenu();
    EXPECT_EQ(e.window->action(kInsertMedia)->shortcut(), QKeySequence(U("Ctrl+M")));
}

// After a dialog of the editor the list has the keyboard and the commands
// are those of the list with its selected lines, at once.
TEST(EditorScreen, StatesFollowAtOnceAfterADialog) {
    Editing e;
    e.key(Qt::Key_F7);
    e.key(Qt::Key_Down);
    e.window->dispatch(kMarkOn);  // an undo step
    e.key(Qt::Key_A, Qt::ControlModifier);
    whenModal([](QWidget* d) { QTest::keyClick(d, Qt::Key_Return); });
    e.window->dispatch(kSort);
    EXPECT_EQ(e.window->focusWidget(), e.list());
    for (int id : {kCut, kCopy, kDelete, kSelectAll, kUndo})
        EXPECT_TRUE(e.window->action(id)->isEnabled()) << id;
}

// The タイトル button keeps the other lines selected; Shift+F10 opens the
// list's menu; Tab goes from the list to the card, past the toolbar.
TEST(EditorScreen, TitleJumpMenuKeyAndTabOrder) {
    Editing e;
    e.key(Qt::Key_F7);
    e.key(Qt::Key_Down);
    e.key(Qt::Key_Down, Qt::ShiftModifier);
    auto* q = e.card<CLSCardQuestion>();
    ASSERT_NE(q, nullptr);
    emit q->titleRequested();
    EXPECT_EQ(e.current(), 0);
    EXPECT_EQ(e.editor().selectedLines(), (std::vector<int>{0, 1, 2}));

    QString firstItem;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            poll.stop();
            firstItem = menu->actions().value(0) ? menu->actions()[0]->text() : QString();
            menu->close();
        }
    });
    poll.start(20);
    e.key(Qt::Key_F10, Qt::ShiftModifier);
    poll.stop();
    EXPECT_EQ(firstItem, U("切り取り(&T)"));

    e.list()->setFocus();
    e.key(Qt::Key_Tab);
    EXPECT_TRUE(qobject_cast<CLSWndSeparator*>(QApplication::focusWidget()))
        << "the bar between the list and the card, in reading order";
    e.key(Qt::Key_Tab);
    EXPECT_TRUE(e.editor().card()->isAncestorOf(QApplication::focusWidget()))
        << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className()
                                        : "nothing");
}

// The pane sizes kept are those the learner saw: a session that never
// opens the editor, or never shows the question card's second page, keeps
// the stored ones; a stored size below the layout's minimum is the default.
TEST(EditorScreen, PaneSizesKeptAreThoseSeen) {
    {
        Editing e;
        e.window.reset();  // closed on the study screen
        const std::string path = e.dir.file("vorel.ini");
        ASSERT_TRUE(e.settings.saveSettings(CLSTString(path)));
        CLSVorelSettings again;
        ASSERT_TRUE(again.loadSettings(CLSTString(path)));
        EXPECT_EQ(again.editListWidth(), 200);
        EXPECT_EQ(again.editHintHeight(), 180);
    }
    {
        Editing e;
        e.settings.setEditListWidth(260);
        e.key(Qt::Key_F7);
        e.key(Qt::Key_Down);  // the question card, on its first page
        ASSERT_NE(e.card<CLSCardQuestion>(), nullptr);
        e.key(Qt::Key_F7);
        e.key(Qt::Key_F7);
        e.window.reset();  // closed on the editor
        EXPECT_EQ(e.settings.editListWidth(), 260);
        EXPECT_EQ(e.settings.editHintHeight(), 180);
    }
    {
        Editing e;
        e.settings.setEditListWidth(3);
        e.settings.setEditHintHeight(3);
        e.key(Qt::Key_F7);
        EXPECT_EQ(e.list()->width(), 200 - CLSWndSeparator::kDefaultThickness / 2);
        e.window.reset();
        EXPECT_EQ(e.settings.editListWidth(), 200);
    }
}
