// The question card window of the study screen: stepping by number, what
// it shows of a question, edits written back, find, and closing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "app/MainCommands.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "editor/widgets/DlgFind.h"
#include "quiz/StudyCommandIds.h"
#include "quiz/widgets/DlgList.h"
#include "quiz/widgets/DlgResult.h"
#include "quiz/widgets/StudyScreen.h"
#include "quiz/widgets/WndHints.h"
#include "sentence/widgets/WndSentence.h"
#include "sentence/widgets/WndSentenceList.h"
#include "settings/VorelSettings.h"
#include "widgets/DialogTestSupport.h"
#include "widgets/EditorWindow.h"
#include "widgets/WhenModal.h"

namespace {

const char* kFile =
    "VORELDATA V3.0\r\n"
    "#英単語,000000\r\n"
    "dog,,犬,,吠える,<00,12612011930,02612021930\r\n"
    "colours,,red|green|blue,,,<01\r\n"
    "#地理,000000\r\n"
    "山,高い,富士山,,,=10\r\n"
    "$Group=英語,地理,2,3,4,5,6,7,8,9\r\n";

struct Card : EditorWindow {
    Card() : EditorWindow(kFile) { SharedFindText() = CLSTString(); }
    CLSStudyScreen& study() { return *window->studyScreen(); }
    CLSDlgList* card() { return study().card(); }
    QString text(const CLSWndSentence* w) { return ToQString(w->sentence().toText()); }
};

}  // namespace

TEST(QuestionCard, ShowsEachQuestionByItsNumber) {
    Card c;
    ASSERT_TRUE(c.window->dispatch(StudyCommand::kCard));
    CLSDlgList* card = c.card();
    ASSERT_NE(card, nullptr);
    EXPECT_TRUE(c.window->action(StudyCommand::kCard)->isChecked());
    EXPECT_EQ(card->numberBox()->value(), 1);
    EXPECT_EQ(card->titleLabel()->text(), QString::fromUtf8("英単語"));
    EXPECT_EQ(c.text(card->questionWindow()), QStringLiteral("dog"));
    EXPECT_EQ(c.text(card->answerWindow()), QString::fromUtf8("犬"));
    EXPECT_EQ(c.text(card->commentWindow()), QString::fromUtf8("吠える"));
    EXPECT_EQ(card->historyLabel()->text(), QString::fromUtf8("５４３２１\n－－－○×"));
    EXPECT_EQ(card->groupLabel()->text(), QString::fromUtf8("グループ\n英語"));
    EXPECT_FALSE(card->otherAnswersButton()->isEnabled());

    // Two answers to give of three: the first two in a list, 別解 for the rest.
    card->numberBox()->setFocus();
    QTest::keyClick(card->numberBox(), Qt::Key_Up);
    EXPECT_TRUE(card->answerList()->isVisible());
    EXPECT_FALSE(card->answerWindow()->isVisible());
    EXPECT_EQ(card->answerList()->rowCount(), 2);
    EXPECT_TRUE(card->otherAnswersButton()->isEnabled());

    // A typed number; one outside the file shows nothing new.
    card->numberBox()->selectAll();
    QTest::keyClicks(card->numberBox(), "3");
    EXPECT_EQ(card->shownQuestion(), 2);
    EXPECT_EQ(card->titleLabel()->text(), QString::fromUtf8("地理"));
    EXPECT_TRUE(card->markBox()->isChecked());
    ASSERT_NE(card->hints(), nullptr);
    EXPECT_TRUE(card->hints()->isVisible());
    card->showQuestion(7);
    EXPECT_EQ(card->shownQuestion(), 2);

    QTest::keyClick(card, Qt::Key_Escape);
    EXPECT_EQ(c.card(), nullptr);
    EXPECT_FALSE(c.window->action(StudyCommand::kCard)->isChecked());
}

// Edits are written back when the learner steps on, and the mark at once.
TEST(QuestionCard, EditsReachTheDocumentWhenSteppingOn) {
    Card c;
    c.window->dispatch(StudyCommand::kCard);
    CLSDlgList* card = c.card();
    ASSERT_NE(card, nullptr);
    // The window shares its activation with the main window (so that
    // isActiveWindow says yes at once); the keys want it really active.
    card->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == card; }));
    QTest::keyClick(card, Qt::Key_E, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return card->isEditing(); }));
    QPlainTextEdit* question = card->questionWindow()->editor();
    ASSERT_NE(question, nullptr);
    question->selectAll();
    QTest::keyClicks(question, "hound");
    card->showQuestion(1);
    EXPECT_TRUE(card->isEditing()) << "edit mode goes on with the next question";
    EXPECT_EQ(ToQString(c.window->document().getQuestion(0)->question().getQuestion().toText()),
              QStringLiteral("hound"));
    card->markBox()->click();
    EXPECT_EQ(c.window->document().getQuestion(1)->question().mark(), 1);
    EXPECT_TRUE(c.window->document().isModified());
    c.window->dispatch(StudyCommand::kCard);  // closed: the settings keep its place
    EXPECT_EQ(c.card(), nullptr);
    EXPECT_GT(c.settings.windowPlace(CLSVorelSettings::kListWindow).width, 0);
}

TEST(QuestionCard, FindsQuestionsAndSaysWhenThereAreNoMore) {
    Card c;
    c.window->dispatch(StudyCommand::kCard);
    CLSDlgList* card = c.card();
    ASSERT_NE(card, nullptr);
    c.settings.setSearchFrom(0x0a);  // questions and answers
    SharedFindText() = FromQStringLossy(QString::fromUtf8("富士"));
    card->find(true);
    EXPECT_EQ(card->shownQuestion(), 2);
    QString said;
    whenModal([&](QWidget* box) {
        if (auto* m = qobject_cast<QMessageBox*>(box)) said = m->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    card->find(true);
    EXPECT_EQ(said, QString::fromUtf8("検索を終了しました。"));
    EXPECT_EQ(card->shownQuestion(), 2);
}

// The result pane's 表示 opens the card on the question of the row.
TEST(QuestionCard, TheResultsShowButtonOpensIt) {
    Card c;
    c.window->dispatch(StudyCommand::kRunAll);
    whenModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Escape); });
    c.study().checkAnswer();  // the first question judged (wrong: nothing typed)
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.study().exam().cursor() > 0; }, 5000));
    c.study().examFinish(false);
    CLSDlgResult* result = c.window->findChild<CLSDlgResult*>();
    ASSERT_NE(result, nullptr);
    emit result->showQuestionRequested(1);
    ASSERT_NE(c.card(), nullptr);
    EXPECT_EQ(c.card()->shownQuestion(), 1);
}

TEST(QuestionCard, ResettingTheReviewMakesTheQuestionNew) {
    Card c;
    CLSVorelDataQuestion& dog = c.window->document().getQuestion(0)->question();
    CLSReviewState learned;
    learned.phase = ReviewPhase::Review;
    learned.stability = 20;
    learned.id = 77;
    dog.setReview(learned);
    ASSERT_TRUE(c.window->dispatch(StudyCommand::kCard));
    CLSDlgList* card = c.card();
    ASSERT_NE(card, nullptr);
    QPushButton* reset = nullptr;
    for (QPushButton* b : card->findChildren<QPushButton*>()) {
        if (b->text() == QString::fromUtf8("復習をリセット")) reset = b;
    }
    ASSERT_NE(reset, nullptr);
    EXPECT_TRUE(reset->isEnabled());
    EXPECT_GE(reset->width(), reset->sizeHint().width()) << "the whole text shows";
    QString state = card->reviewLabel()->text();
    EXPECT_TRUE(state.startsWith(QString::fromUtf8("復習中\n期日 "))) << state.toStdString();
    EXPECT_TRUE(state.contains(QString::fromUtf8("\n安定度 20日"))) << state.toStdString();
    EXPECT_GE(card->reviewLabel()->height(),
              card->reviewLabel()->heightForWidth(card->reviewLabel()->width()))
        << "every line shows";
    SaveShot(card, "card-review-state");
    whenModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Y, Qt::AltModifier); });
    reset->click();
    ASSERT_NE(dog.review(), nullptr);
    EXPECT_EQ(dog.review()->phase, ReviewPhase::New);
    EXPECT_EQ(dog.review()->id, 77u) << "the log still knows the question";
    EXPECT_FALSE(reset->isEnabled());
    EXPECT_EQ(card->reviewLabel()->text(), QString::fromUtf8("新しい問題"));
}
