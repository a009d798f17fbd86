// The question card window at its default and smallest sizes: nothing
// overlaps and no text is cut.

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSizeGrip>
#include <QSpinBox>
#include <QTest>

#include "quiz/StudyCommandIds.h"
#include "quiz/widgets/DlgList.h"
#include "quiz/widgets/StudyScreen.h"
#include "sentence/widgets/WndSentence.h"
#include "widgets/EditorWindow.h"

namespace {

const char* kFile =
    "VORELDATA V3.0\r\n"
    "#英単語,000000\r\n"
    "山,高い|日本一,富士山,,コメント,<00\r\n";

struct Card : EditorWindow {
    Card() : EditorWindow(kFile) {}
    CLSDlgList* card() { return window->studyScreen()->card(); }
};

// The visible children of the card, each with its place.
std::vector<QWidget*> parts(QWidget* card) {
    std::vector<QWidget*> out;
    for (QWidget* w : card->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // The size grip lies over the corner on purpose.
        if (w->isVisible() && !w->isWindow() && !qobject_cast<QSizeGrip*>(w)) out.push_back(w);
    }
    return out;
}

void expectLaidOut(QWidget* card, const char* what) {
    std::vector<QWidget*> all = parts(card);
    for (size_t i = 0; i < all.size(); ++i) {
        QWidget* a = all[i];
        EXPECT_TRUE(card->rect().contains(a->geometry()))
            << what << ": " << a->metaObject()->className() << " '" << a->toolTip().toStdString()
            << "' leaves the window";
        int needed = std::max(a->minimumSizeHint().height(), 0);
        if (qobject_cast<QPushButton*>(a) || qobject_cast<QSpinBox*>(a))
            needed = a->sizeHint().height();
        EXPECT_GE(a->height(), needed) << what << ": " << a->metaObject()->className() << " '"
                                       << a->toolTip().toStdString() << "' is cut";
        for (size_t j = i + 1; j < all.size(); ++j) {
            QWidget* b = all[j];
            EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                << what << ": " << a->metaObject()->className() << " '"
                << a->toolTip().toStdString() << "' " << a->geometry().x() << ","
                << a->geometry().y() << " " << a->width() << "x" << a->height() << " overlaps "
                << b->metaObject()->className() << " '" << b->toolTip().toStdString() << "' "
                << b->geometry().x() << "," << b->geometry().y() << " " << b->width() << "x"
                << b->height();
        }
    }
}

}  // namespace

TEST(QuestionCardLayout, NothingOverlapsOrIsCutAtTheDefaultAndSmallestSizes) {
    Card c;
    ASSERT_TRUE(c.window->dispatch(StudyCommand::kCard));
    CLSDlgList* card = c.card();
    ASSERT_NE(card, nullptr);
    for (QSize size : {QSize(400, 300), card->minimumSize()}) {
        card->resize(size);
        QTest::qWait(0);
        expectLaidOut(card, "viewing");
        card->editButton()->click();
        expectLaidOut(card, "editing");
        // The answer's edit box shows its line whole.
        QWidget* editor = card->answerWindow()->editor();
        ASSERT_NE(editor, nullptr);
        EXPECT_GE(editor->height(), editor->fontMetrics().height() + 8) << "the answer is cut";
        QWidget* question = card->questionWindow()->editor();
        ASSERT_NE(question, nullptr);
        EXPECT_GE(question->height(), question->fontMetrics().height() + 8)
            << "the question is cut";
        QWidget* comment = card->commentWindow()->editor();
        ASSERT_NE(comment, nullptr);
        EXPECT_GE(comment->height(), comment->fontMetrics().height() + 8) << "the comment is cut";
        card->editButton()->click();
    }
}
