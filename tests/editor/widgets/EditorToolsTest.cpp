// Find and the question tools driven from the editor by keyboard: the
// dialogs, what they select or change, and undo back to the bytes read.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include "app/MainCommands.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "editor/EditorCommandIds.h"
#include "editor/widgets/DlgFind.h"
#include "editor/widgets/DlgSelectWhere.h"
#include "editor/widgets/EditorScreen.h"
#include "settings/VorelSettings.h"
#include "widgets/DialogTestSupport.h"
#include "widgets/EditorWindow.h"
#include "widgets/WhenModal.h"

using namespace EditorCommand;

namespace {

const char* kFile =
    "VORELDATA V3.0\r\n"
    "#英単語,010000\r\n"
    "dog,,犬,,,<00,12612011930\r\n"
    "'メモ\r\n"
    "Cat,,猫,,,<10\r\n"
    "bird,,鳥,,,=00\r\n"
    "#地理,000000\r\n"
    "$TimeLimit=10\r\n"
    "apple,,りんご,,,<20\r\n";

struct Tools : EditorWindow {
    Tools() : EditorWindow(kFile) {
        settings.setSearchFrom(0x3f);
        SharedFindText() = CLSTString();
        window->dispatch(MainCommand::kToEditor);
    }
    std::vector<int> selected() { return editor().selectedLines(); }
    std::string file() {
        window->dispatch(MainCommand::kSave);
        return EditorWindow::file();
    }
};

QString messageOf(QWidget* box) {
    auto* message = qobject_cast<QMessageBox*>(box);
    return message ? message->text() : QString();
}

}  // namespace

// Ctrl+F, a text and Enter find downward without wrapping round; F3 goes
// on after the dialog is closed, and the end is reported.
TEST(EditorTools, FindGoesDownAndUpAndReportsTheEnd) {
    Tools t;
    t.key(Qt::Key_F, Qt::ControlModifier);
    CLSDlgFind* find = CLSDlgFind::current();
    ASSERT_NE(find, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(find));
    QTest::keyClicks(find->textField(), "a");  // "Cat", "apple" (case counts: not "地理")
    QTest::keyClick(find->textField(), Qt::Key_Return);
    EXPECT_EQ(t.editor().currentLine(), 3) << "Cat";
    EXPECT_EQ(t.selected(), std::vector<int>{3});
    QTest::keyClick(find->textField(), Qt::Key_Return);
    EXPECT_EQ(t.editor().currentLine(), 7) << "apple";
    QString said;
    whenModal([&](QWidget* box) {
        said = messageOf(box);
        QTest::keyClick(box, Qt::Key_Return);
    });
    QTest::keyClick(find->textField(), Qt::Key_Return);
    EXPECT_EQ(said, QString::fromUtf8("検索を終了しました。"));
    EXPECT_EQ(t.editor().currentLine(), 7) << "no wrap-around";
    EXPECT_TRUE(QTest::qWaitForWindowActive(find)) << "the find dialog has the keyboard again";
    EXPECT_EQ(QApplication::focusWidget(), find->textField());
    QTest::keyClick(find, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(CLSDlgFind::current(), nullptr);

    t.editor().list()->setFocus();
    t.key(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(t.editor().currentLine(), 3) << "upward from apple";
    // The targets: without titles and comments "地理" is not found.
    t.settings.setSearchFrom(0x02);
    SharedFindText() = FromQStringLossy(QString::fromUtf8("地理"));
    whenModal([&](QWidget* box) {
        said = messageOf(box);
        QTest::keyClick(box, Qt::Key_Return);
    });
    t.key(Qt::Key_F3);
    EXPECT_EQ(said, QString::fromUtf8("検索を終了しました。"));
}

TEST(EditorTools, FindCanIgnoreCaseAndKeepsTheChoiceForF3) {
    Tools t;
    SharedFindFoldsCase() = false;
    t.key(Qt::Key_F, Qt::ControlModifier);
    CLSDlgFind* find = CLSDlgFind::current();
    ASSERT_NE(find, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(find));
    EXPECT_FALSE(find->foldCaseBox()->isChecked());
    QTest::keyClicks(find->textField(), "CAT");
    QTest::keyClick(find->foldCaseBox(), Qt::Key_Space);
    EXPECT_TRUE(find->foldCaseBox()->isChecked());
    find->textField()->setFocus();
    QTest::keyClick(find->textField(), Qt::Key_Return);
    EXPECT_EQ(t.editor().currentLine(), 3) << "Cat";
    QTest::keyClick(find, Qt::Key_Escape);
    QApplication::processEvents();
    // F3 finds the same way; a new dialog shows the choice.
    SharedFindText() = FromQStringLossy(QString::fromUtf8("APPLE"));
    t.editor().list()->setFocus();
    t.key(Qt::Key_F3);
    EXPECT_EQ(t.editor().currentLine(), 7) << "apple";
    t.key(Qt::Key_F, Qt::ControlModifier);
    ASSERT_NE(CLSDlgFind::current(), nullptr);
    EXPECT_TRUE(CLSDlgFind::current()->foldCaseBox()->isChecked());
    CLSDlgFind::current()->close();
    SharedFindFoldsCase() = false;
}

TEST(EditorTools, ConditionalSelectByRangeAndTextAndRefusal) {
    Tools t;
    whenModal<CLSDlgSelectWhere>([&](CLSDlgSelectWhere* d) {
        EXPECT_EQ(d->rangeKindBox()->currentIndex(), 1) << "問題番号で指定";
        EXPECT_EQ(d->fromBox()->value(), 1);
        EXPECT_EQ(d->toBox()->value(), 4);
        EXPECT_EQ(d->fromPreview()->text(), QStringLiteral("dog"));
        EXPECT_EQ(d->description()->text(),
                  QString::fromUtf8("問題番号1～4内のすべての問題を新規選択します。"));
        // The marked questions: Alt+M; the mark box stays at "ついている".
        QTest::keyClick(d, Qt::Key_M, Qt::AltModifier);
        // A mnemonic clicks its button a moment later, as a click looks.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return d->description()->text().contains(QString::fromUtf8("マーク")); }));
        QTest::keyClick(d, Qt::Key_Return);
    });
    t.window->dispatch(kSelectWhere);
    EXPECT_EQ(t.selected(), std::vector<int>{4}) << "bird is the marked one";
    EXPECT_EQ(t.editor().currentLine(), 0) << "the focused row stays";

    // From above to: refused, and the dialog stays until cancelled.
    int warnings = 0;
    whenModal<CLSDlgSelectWhere>([&](CLSDlgSelectWhere* d) {
        d->fromBox()->setValue(3);
        d->toBox()->setValue(2);
        whenModal([&](QWidget* box) {
            if (messageOf(box) == QString::fromUtf8("値が有効範囲を超えています。")) ++warnings;
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::keyClick(d, Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());
        QTest::keyClick(d, Qt::Key_Escape);
    });
    t.window->dispatch(kSelectWhere);
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(t.selected(), std::vector<int>{4}) << "nothing changed";
}

// Sort by the dialog's preset keys, then undo: the bytes read come back.
TEST(EditorTools, SortGroupAndHistoryAreUndoableSteps) {
    Tools t;
    const std::string original = t.file();
    t.editor().list()->setFocus();
    t.key(Qt::Key_A, Qt::ControlModifier);
    whenModal([](QWidget* d) { QTest::keyClick(d, Qt::Key_Return); });
    t.window->dispatch(kSort);
    std::string sorted = t.file();
    // Case does not count: apple, bird, Cat, dog in the questions' places.
    EXPECT_NE(sorted.find("dog,,犬,,,<00,12612011930\r\n"), std::string::npos)
        << "the history travels with its question";
    size_t apple = sorted.find("apple");
    size_t bird = sorted.find("bird");
    size_t cat = sorted.find("Cat");
    size_t dog = sorted.find("dog");
    EXPECT_TRUE(apple < bird && bird < cat && cat < dog) << sorted;
    EXPECT_NE(sorted.find("'メモ\r\n"), std::string::npos);
    t.key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(t.file(), original);

    // Group 1 for dog and Cat (which has it already).
    t.editor().selectLine(1);
    t.editor().list()->selectionModel()->select(
        t.editor().list()->model()->index(3, 0),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    whenModal([](QWidget* d) {
        QTest::keyClick(d->focusWidget(), Qt::Key_Down);
        QTest::keyClick(d, Qt::Key_Return);
    });
    t.window->dispatch(kChangeGroup);
    std::string grouped = t.file();
    EXPECT_NE(grouped.find("dog,,犬,,,<10,12612011930\r\n"), std::string::npos) << grouped;
    EXPECT_NE(grouped.find("Cat,,猫,,,<10\r\n"), std::string::npos) << grouped;

    whenModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Y, Qt::AltModifier); });
    t.window->dispatch(kClearHistory);
    EXPECT_NE(t.file().find("dog,,犬,,,<10\r\n"), std::string::npos);
    t.key(Qt::Key_Z, Qt::ControlModifier);
    t.key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(t.file(), original);
}

TEST(EditorTools, WithoutASelectedQuestionNothingOpens) {
    Tools t;
    t.editor().selectLine(0);  // a title
    for (int command : {kSort, kChangeGroup, kClearHistory, kSwap}) {
        QString said;
        whenModal([&](QWidget* box) {
            said = messageOf(box);
            QTest::keyClick(box, Qt::Key_Return);
        });
        t.window->dispatch(command);
        EXPECT_EQ(said, QString::fromUtf8("問題が選択されていません。")) << command;
    }
}

// Swapping by appending puts the new card after the last line and shows it.
TEST(EditorTools, SwapAppendsAndShowsTheLastLine) {
    Tools t;
    t.editor().selectLine(1);
    whenModal([](QWidget* d) {
        QTest::keyClick(d, Qt::Key_C, Qt::AltModifier);  // the comment too (none here)
        QTest::keyClick(d, Qt::Key_Return);
    });
    t.window->dispatch(kSwap);
    int last = t.editor().list()->model()->rowCount() - 1;
    EXPECT_EQ(last, 8);
    EXPECT_EQ(t.editor().currentLine(), last);
    EXPECT_EQ(t.selected(), std::vector<int>{last});
    std::string text = t.file();
    EXPECT_NE(text.find("apple,,りんご,,,<20\r\n犬,,dog,,,<00\r\n"), std::string::npos) << text;
}

// Undo gives back the selection in force before the step, redo the one the
// step made: a swap onto the end, a group change and clearing histories.
TEST(EditorTools, UndoAndRedoGiveBackTheSelection) {
    Tools t;
    QTableView* list = t.editor().list();
    list->setFocus();
    t.editor().selectLine(1);  // dog
    list->selectionModel()->select(list->model()->index(3, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    whenModal([](QWidget* d) { QTest::keyClick(d, Qt::Key_Return); });
    t.window->dispatch(kSwap);  // appended: rows 8 and 9
    ASSERT_EQ(list->model()->rowCount(), 10);
    EXPECT_EQ(t.selected(), std::vector<int>{9});
    t.key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(t.selected(), (std::vector<int>{1, 3})) << "dog and Cat, as before the swap";
    EXPECT_EQ(t.editor().currentLine(), 1);
    t.key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(t.selected(), std::vector<int>{9});
    EXPECT_EQ(t.editor().currentLine(), 9);
    t.key(Qt::Key_Z, Qt::ControlModifier);

    const std::vector<int> every = {0, 1, 2, 3, 4, 5, 6, 7};
    t.key(Qt::Key_End);
    t.key(Qt::Key_A, Qt::ControlModifier);
    whenModal([](QWidget* d) {
        QTest::keyClick(d->focusWidget(), Qt::Key_Down);
        QTest::keyClick(d, Qt::Key_Return);
    });
    t.window->dispatch(kChangeGroup);
    t.key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(t.selected(), every) << "not only the questions changed";
    EXPECT_EQ(t.editor().currentLine(), 7);
    whenModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Y, Qt::AltModifier); });
    t.window->dispatch(kClearHistory);
    t.key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(t.selected(), every);
}
