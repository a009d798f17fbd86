// The question card's "表記" fields: answer notation typed in the editor.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>

#include "editor/widgets/Card.h"
#include "editor/widgets/CardQuestion.h"
#include "widgets/EditorWindow.h"

namespace {

const char* kFile =
    "VORELDATA V3.0\r\n"
    "#英単語,010000\r\n"
    "色,,colo(u)r,[x|y] z,,<00\r\n"
    "最後,,x,,,<00\r\n";

struct Notation : EditorWindow {
    Notation() : EditorWindow(kFile) {
        key(Qt::Key_F7);
        editor().selectLine(1);
    }
    CLSCardQuestion* card() { return qobject_cast<CLSCardQuestion*>(editor().card()->page()); }
    void typeInto(QLineEdit* field, const char* text) {
        field->setFocus();
        field->selectAll();
        type(text);
    }
    std::string saved() {
        editor().list()->setFocus();
        key(Qt::Key_S, Qt::ControlModifier);
        return file();
    }
};

QStringList rows(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

}  // namespace

TEST(CardNotation, TypedNotationIsSavedAsTypedAndListedExpanded) {
    Notation e;
    CLSCardQuestion* q = e.card();
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->answerNotation()->text(), U("colo(u)r"));
    EXPECT_EQ(rows(q->answerList()), (QStringList{U("答え1"), U("答え2"), U("新規答え")}));
    EXPECT_EQ(q->choiceNotation()->text(), U("[x|y] z"));

    e.typeInto(q->answerNotation(), "[a|b] c");
    q->answerList()->setFocus();  // leaving the field writes it back
    EXPECT_EQ(rows(q->answerList()), (QStringList{U("答え1"), U("答え2"), U("新規答え")}));
    q->answerList()->setCurrentRow(1);
    EXPECT_EQ(q->answerField()->toPlainText(), U("b c"));
    EXPECT_EQ(q->answerCountBox()->count(), 2) << "解答数 counts the expanded answers";

    e.typeInto(q->choiceNotation(), "犬|猫|鳥");
    q->choiceList()->setFocus();
    EXPECT_EQ(q->choiceList()->count(), 4);
    EXPECT_NE(e.saved().find("色,,[a|b] c,犬|猫|鳥,,<00\r\n"), std::string::npos) << e.file();
}

TEST(CardNotation, AFieldThatDoesNotExpandIsMarkedAtOnceAndKept) {
    Notation e;
    CLSCardQuestion* q = e.card();
    ASSERT_NE(q, nullptr);
    EXPECT_TRUE(q->answerNotationProblem()->text().isEmpty());
    e.typeInto(q->answerNotation(), "colo(u");
    // Marked while it is typed, before it is written back.
    EXPECT_EQ(q->answerNotationProblem()->text(),
              U("括弧の対応が取れていないため、答えがありません。"));
    q->answerList()->setFocus();
    EXPECT_EQ(q->answerNotation()->text(), U("colo(u"));
    EXPECT_FALSE(q->answerNotationProblem()->text().isEmpty());
    EXPECT_NE(e.saved().find("色,,colo(u,[x|y] z,,<00\r\n"), std::string::npos) << e.file();
}

TEST(CardNotation, AnEditedEntryRewritesTheFieldEscaped) {
    Notation e;
    CLSCardQuestion* q = e.card();
    ASSERT_NE(q, nullptr);
    q->answerList()->setCurrentRow(2);  // 新規答え
    q->answerField()->setFocus();
    e.type("x(y)");
    q->answerList()->setFocus();
    EXPECT_EQ(q->answerNotation()->text(), U("colour|color|x\\(y\\)"));
    EXPECT_NE(e.saved().find("色,,colour|color|x\\(y\\),"), std::string::npos) << e.file();
}
