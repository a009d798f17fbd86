// The editor's commands started by their keys while a card field is being
// typed in: what is typed is never lost, and the commands that work inside
// the field keep working there.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "app/MainCommands.h"
#include "editor/EditorCommandIds.h"
#include "editor/widgets/Card.h"
#include "editor/widgets/CardQuestion.h"
#include "editor/widgets/CardTitle.h"
#include "editor/widgets/DlgFind.h"
#include "widgets/DialogTestSupport.h"
#include "widgets/EditorWindow.h"

using namespace EditorCommand;

namespace {

const char* kFile =
    "VORELDATA V3.0\r\n"
    "#英単語,010000\r\n"
    "dog,,犬,,,<00\r\n"
    "'メモ\r\n"
    "Cat,,猫,,,<10\r\n"
    "apple,,りんご,,,<20\r\n"
    "puppy,,犬,,,<00\r\n";

constexpr int kApple = 4;

struct Pending : EditorWindow {
    Pending() : EditorWindow(kFile) {
        settings.setSearchFrom(0x3f);
        SharedFindText() = FromQStringLossy(QString::fromUtf8("犬"));
        window->dispatch(MainCommand::kToEditor);
    }
    CLSCardQuestion* question() { return qobject_cast<CLSCardQuestion*>(editor().card()->page()); }
    /// "PENDING" typed at the end of apple's question; the field keeps the keyboard.
    void typeIntoApple() {
        editor().selectLine(kApple);
        ASSERT_NE(question(), nullptr);
        question()->questionField()->setFocus();
        key(Qt::Key_End);
        type("PENDING");
        ASSERT_EQ(QApplication::focusWidget(), question()->questionField());
    }
    std::string saved() {
        editor().list()->setFocus();
        window->dispatch(MainCommand::kSave);
        return file();
    }
};

struct Key {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
};

}  // namespace

// Every key of a command on lines, files or screens, pressed in the middle
// of typing: the typed text is in the saved file.
TEST(EditorCommands, EveryKeyedCommandKeepsWhatIsBeingTyped) {
    const Key keys[] = {
        {"F3", Qt::Key_F3, Qt::NoModifier},
        {"Shift+F3", Qt::Key_F3, Qt::ShiftModifier},
        {"Ctrl+Up", Qt::Key_Up, Qt::ControlModifier},
        {"Ctrl+Down", Qt::Key_Down, Qt::ControlModifier},
        {"Ctrl+Q", Qt::Key_Q, Qt::ControlModifier},
        {"Ctrl+F", Qt::Key_F, Qt::ControlModifier},
        {"Ctrl+S", Qt::Key_S, Qt::ControlModifier},
        {"F7", Qt::Key_F7, Qt::NoModifier},
    };
    for (const Key& k : keys) {
        SCOPED_TRACE(k.name);
        Pending p;
        p.typeIntoApple();
        p.key(k.key, k.modifiers);
        if (CLSDlgFind* find = CLSDlgFind::current()) find->close();
        if (&p.window->shownScreen() != p.window->editorScreen())
            p.window->dispatch(MainCommand::kToEditor);
        EXPECT_NE(p.saved().find("applePENDING,,りんご,,,<20\r\n"), std::string::npos) << p.file();
    }
    // Ins, which QTest cannot type, through the same path as its key.
    Pending p;
    p.typeIntoApple();
    p.window->dispatch(kInsertQuestion);
    EXPECT_NE(p.saved().find("applePENDING,,りんご"), std::string::npos) << p.file();
}

// F3 from a title card onto a question line: the title is written back and
// the question's card is shown, with no error.
TEST(EditorCommands, FindNextFromATitleCardWritesTheTitle) {
    Pending p;
    p.editor().selectLine(0);
    auto* title = qobject_cast<CLSCardTitle*>(p.editor().card()->page());
    ASSERT_NE(title, nullptr);
    title->textField()->setFocus();
    p.key(Qt::Key_End);
    p.type("PENDING");
    // A message box would open inside the key's handling; the check runs
    // in its loop then, or right after the key when there is none.
    QString said;
    bool checked = false;
    QTimer::singleShot(0, [&] {
        checked = true;
        if (auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            said = message->text();
            QTest::keyClick(message, Qt::Key_Return);
        }
    });
    p.key(Qt::Key_F3);
    QApplication::processEvents();
    EXPECT_TRUE(checked);
    EXPECT_EQ(said, QString()) << "no error";
    EXPECT_EQ(p.editor().currentLine(), 1) << "dog";
    EXPECT_NE(p.question(), nullptr) << "the question's card is shown";
    EXPECT_NE(p.saved().find("VORELDATA V3.0\r\n#英単語PENDING,010000\r\n"), std::string::npos)
        << p.file();
}

// The edit keys in a field act on the field: nothing is written back yet,
// and the field's own undo still has the typing.
TEST(EditorCommands, EditKeysInAFieldStayInTheField) {
    Pending p;
    p.typeIntoApple();
    const int steps = p.editor().undoStack().count();
    QPlainTextEdit* field = p.question()->questionField();
    p.key(Qt::Key_A, Qt::ControlModifier);
    p.key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("applePENDING"));
    p.key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(field->toPlainText(), QString());
    p.key(Qt::Key_V, Qt::ControlModifier);
    p.key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->toPlainText(), QStringLiteral("applePENDINGapplePENDING"));
    p.key(Qt::Key_A, Qt::ControlModifier);
    p.key(Qt::Key_Delete);
    EXPECT_EQ(field->toPlainText(), QString());
    p.key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->toPlainText(), QStringLiteral("applePENDINGapplePENDING"));
    p.key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(field->toPlainText(), QString());
    EXPECT_EQ(QApplication::focusWidget(), field);
    EXPECT_EQ(p.editor().undoStack().count(), steps) << "nothing written back while typing";
}
