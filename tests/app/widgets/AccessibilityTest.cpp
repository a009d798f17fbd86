// The study screen, a run, the answer and result dialogs, the editor and the
// customisation sheet as a screen reader sees them: every control named,
// and the question and the verdict on the control that takes the focus.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "DocFixture.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "editor/widgets/CardQuestion.h"
#include "quiz/StudyCommandIds.h"
#include "quiz/widgets/DlgAnswer.h"
#include "quiz/widgets/DlgResult.h"
#include "quiz/widgets/FlatButton.h"
#include "quiz/widgets/OpeningPanel.h"
#include "quiz/widgets/StudyScreen.h"
#include "quiz/widgets/WndHints.h"
#include "quiz/widgets/WndInfoPane.h"
#include "sentence/widgets/WndSentence.h"
#include "settings/VorelSettings.h"
#include "settings/widgets/CustomizeSheet.h"
#include "text/Codec.h"
#include "text/widgets/WndSeparator.h"
#include "widgets/AccessibleWalk.h"
#include "widgets/DialogTestSupport.h"
#include "widgets/EditorWindow.h"
#include "widgets/TabOrder.h"
#include "widgets/WhenModal.h"

using namespace StudyCommand;

namespace {

const char* kFile =
    "VORELDATA V3.0\r\n#T,000000\r\nq1,ひんと,a1,,,<00\r\nq2 \\i\"fig.png\",,a2,,,<00\r\n"
    "q3,,a3,,,<00\r\n";

struct Study : EditorWindow {
    Study() : EditorWindow(kFile, 42, QSize(760, 560)) {}
    QWidget* focused() { return QApplication::focusWidget(); }
    // Answers with Enter on the focused control; act runs on the answer dialog.
    void answer(std::function<void(QWidget*)> act) {
        int judged = exam().cursor();
        whenModal(std::move(act));
        QTest::keyClick(focused(), Qt::Key_Return);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !screen().isRunning() || exam().cursor() > judged; }, 5000));
        QApplication::processEvents();
        // The offscreen platform gives the window no focus back after a
        // dialog; a window manager would.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
};

QString nameOf(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

QString descriptionOf(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Description) : QString();
}

QAccessible::Role roleOf(QObject* object) {
    InstallAccessibleInterfaces();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->role() : QAccessible::NoRole;
}

}  // namespace

TEST(Accessibility, ARunTellsEachQuestionOnTheAnswerFieldAndTheVerdictOnOk) {
    Study s;
    EXPECT_EQ(UnnamedControls(s.window.get()), "") << "the idle study screen";
    CLSWndInfoPane* pane = s.window->findChild<CLSWndInfoPane*>();
    ASSERT_TRUE(pane);
    EXPECT_EQ(roleOf(pane), QAccessible::StaticText);
    EXPECT_FALSE(descriptionOf(pane).isEmpty()) << "the tip, whole";
    // The idle panel's read-only fields are named by their captions, and
    // Tab reaches them: a long message scrolls by the keyboard too.
    auto* opening = s.window->findChild<CLSOpeningPanel*>();
    ASSERT_TRUE(opening);
    EXPECT_EQ(nameOf(opening->pathField()), "ファイル名：");
    EXPECT_EQ(nameOf(opening->messageField()), "メッセージ：");
    std::vector<QWidget*> chain = taborder::tabChain(s.window.get());
    for (QWidget* field : {opening->pathField(), opening->messageField()})
        EXPECT_NE(std::find(chain.begin(), chain.end(), field), chain.end());

    s.window->dispatch(kRunAll);
    ASSERT_TRUE(s.screen().isRunning());
    auto* input = qobject_cast<QLineEdit*>(s.focused());
    ASSERT_TRUE(input);
    EXPECT_EQ(nameOf(input), "答え");
    EXPECT_EQ(descriptionOf(input), "第1問: q1");
    EXPECT_EQ(UnnamedControls(s.window.get()), "") << "a run";
    EXPECT_TRUE(descriptionOf(pane).contains("正解率")) << "the run's figures";

    s.window->dispatch(kHints);
    EXPECT_EQ(UnnamedControls(s.window.get()), "") << "a run with its hints";
    auto* hints = s.window->findChild<CLSWndHints*>();
    ASSERT_TRUE(hints);
    EXPECT_EQ(nameOf(hints->nextButton()), "次のヒント");
    EXPECT_EQ(descriptionOf(hints->nextButton()), "ヒント 1 / 1: ひんと");
    s.window->dispatch(kHints);
    input->setFocus();

    CLSWndSentence* question = s.screen().findChild<CLSWndSentence*>();
    ASSERT_TRUE(question);
    EXPECT_EQ(roleOf(question), QAccessible::StaticText);
    EXPECT_EQ(nameOf(question), "問題: q1");

    QTest::keyClicks(input, "wrong");
    QString okDescription;
    std::string unnamed = "not opened";
    s.answer([&](QWidget* dialog) {
        auto* answer = qobject_cast<CLSDlgAnswer*>(dialog);
        ASSERT_TRUE(answer);
        EXPECT_EQ(QApplication::focusWidget(), answer->okButton());
        okDescription = descriptionOf(answer->okButton());
        unnamed = UnnamedControls(answer);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(okDescription, "不正解。答え: a1");
    EXPECT_EQ(unnamed, "") << "the answer dialog";

    // The next question's picture is read by its file name.
    EXPECT_EQ(descriptionOf(s.focused()), "第2問: q2 画像: fig.png");
    QTest::keyClicks(s.focused(), "a2");
    s.answer([&](QWidget* dialog) {
        okDescription = descriptionOf(static_cast<CLSDlgAnswer*>(dialog)->okButton());
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(okDescription, "正解。答え: a2");

    QTest::keyClicks(s.focused(), "a3");
    s.answer([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    ASSERT_FALSE(s.screen().isRunning());
    auto* result = s.screen().findChild<CLSDlgResult*>();
    ASSERT_TRUE(result);
    ASSERT_TRUE(result->isVisible());
    EXPECT_EQ(nameOf(result), "結果") << "the pane, as its window would be titled";
    EXPECT_TRUE(s.focused() == result->reaskButton() || s.focused() == result->closeButton());
    EXPECT_TRUE(descriptionOf(s.focused()).startsWith("終了しました。正解率"))
        << descriptionOf(s.focused()).toStdString();
    EXPECT_EQ(UnnamedControls(s.window.get()), "") << "the result pane";
}

TEST(Accessibility, ChoicesAreRadioButtonsNamedByNumberAndPressedByTheirAction) {
    Study s;
    s.settings.setAnswerMode(AnswerMode::kChoice);
    s.settings.setDefaultChoicesCount(3);
    s.window->dispatch(kRunAll);
    auto* first = qobject_cast<CLSWndSentence*>(s.focused());
    ASSERT_TRUE(first && first->isButton());
    EXPECT_EQ(roleOf(first), QAccessible::RadioButton);
    EXPECT_TRUE(nameOf(first).startsWith("1. ")) << nameOf(first).toStdString();
    EXPECT_EQ(descriptionOf(first), "第1問: q1");

    std::vector<CLSWndSentence*> buttons;
    for (CLSWndSentence* w : s.window->findChildren<CLSWndSentence*>()) {
        if (w->isButton() && w->isVisible()) buttons.push_back(w);
    }
    ASSERT_EQ(buttons.size(), 3u);
    CLSWndSentence* second = buttons[0] == first ? buttons[1] : buttons[0];
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(second);
    ASSERT_TRUE(iface->actionInterface());
    EXPECT_FALSE(iface->state().checked);
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(second->isSelected());
    EXPECT_TRUE(iface->state().checked);
    EXPECT_EQ(UnnamedControls(s.window.get()), "") << "a run with choices";
}

namespace {

// Pixels that change by more than a shade when w takes the focus.
int focusMarkPixels(QWidget* w) {
    w->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(w->hasFocus());
    QImage focused = w->grab().toImage();
    w->clearFocus();
    QApplication::processEvents();
    QImage plain = w->grab().toImage();
    EXPECT_EQ(focused.size(), plain.size());
    int marked = 0;
    for (int y = 0; y < std::min(focused.height(), plain.height()); ++y) {
        for (int x = 0; x < std::min(focused.width(), plain.width()); ++x) {
            QColor a = focused.pixelColor(x, y), b = plain.pixelColor(x, y);
            if (std::abs(a.lightness() - b.lightness()) > 100) ++marked;
        }
    }
    return marked;
}

}  // namespace

// The focused control is marked in a dark design too, a choice button and
// the question's window alike: the mark is drawn in a colour that stands
// out from the window's own, along a good part of its edge.
TEST(Accessibility, TheHighContrastDesignMarksTheFocusedChoiceAndQuestion) {
    Study s;
    FakePrompter prompter;
    ASSERT_TRUE(s.settings.skin().loadDesignFile(
        prompter, CLSTString(VOREL_SOURCE_DIR "/designs/high-contrast.ini")));
    s.settings.setAnswerMode(AnswerMode::kChoice);
    s.settings.setDefaultChoicesCount(3);
    s.screen().applySettings();
    s.window->dispatch(kRunAll);
    auto* first = qobject_cast<CLSWndSentence*>(s.focused());
    ASSERT_TRUE(first);
    SaveShot(s.window.get(), "high-contrast-choices");
    CLSWndSentence* question = nullptr;
    for (CLSWndSentence* w : s.window->findChildren<CLSWndSentence*>()) {
        if (w->accessibleName() == U("問題")) question = w;
    }
    ASSERT_TRUE(question);
    for (QWidget* w : {static_cast<QWidget*>(first), static_cast<QWidget*>(question)}) {
        EXPECT_GT(focusMarkPixels(w), 2 * (w->width() + w->height()) / 4)
            << nameOf(w).toStdString();
    }
}

TEST(Accessibility, TheEditorAndEveryPageOfTheCustomisationSheetAreNamed) {
    Study s;
    s.window->switchScreens();
    QApplication::processEvents();
    EXPECT_EQ(UnnamedControls(s.window.get()), "") << "the editor on the title line";
    auto* lines = s.window->findChild<QTableView*>();
    ASSERT_TRUE(lines);
    lines->setFocus();
    QTest::keyClick(lines, Qt::Key_Down);
    auto* card = s.window->findChild<CLSCardQuestion*>();
    ASSERT_TRUE(card && card->isVisible());
    for (int tab = 0; tab < card->tabs()->count(); ++tab) {
        card->tabs()->setCurrentIndex(tab);
        QApplication::processEvents();
        EXPECT_EQ(UnnamedControls(s.window.get()), "") << "the question card, tab " << tab;
    }

    CLSCustomizeSheet sheet(s.settings, nullptr);
    sheet.show();
    for (int i = 0; i < CLSCustomizeSheet::kPageCount; ++i) {
        sheet.tabs()->setCurrentIndex(i);
        QApplication::processEvents();
        EXPECT_EQ(UnnamedControls(&sheet), "") << "page " << i;
        EXPECT_EQ(NumberFieldsWithoutUnits(&sheet), "") << "page " << i;
    }
}

TEST(Accessibility, ASeparatorIsReachedByTheKeyboardAndMovedByTheArrows) {
    InstallAccessibleInterfaces();
    QWidget parent;
    parent.resize(400, 300);
    CLSWndSeparator bar(&parent);
    bar.setAccessibleName("区切り");
    bar.setRange(50, 350);
    bar.setExtent(0, 300);
    bar.setPosition(200);
    parent.show();
    std::vector<int> moves;
    QObject::connect(&bar, &CLSWndSeparator::moved, [&](int at) { moves.push_back(at); });
    EXPECT_TRUE(bar.focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(roleOf(&bar), QAccessible::Splitter);
    QTest::keyClick(&bar, Qt::Key_Right);
    QTest::keyClick(&bar, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(&bar, Qt::Key_Up);  // across a vertical bar: nothing
    QTest::keyClick(&bar, Qt::Key_End);
    QTest::keyClick(&bar, Qt::Key_Right);  // at the end already
    EXPECT_EQ(moves, (std::vector<int>{200 + CLSWndSeparator::kKeyStep,
                                       199 + CLSWndSeparator::kKeyStep, 350}));
    bar.setOrientation(Qt::Horizontal);
    bar.setRange(50, 250);
    QTest::keyClick(&bar, Qt::Key_Home);
    EXPECT_EQ(bar.position(), 50);
}

// The events a reader hears.

TEST(AccessibilityEvents, TheFocusMovesToEachQuestionAndTheVerdictWithTheirTexts) {
    Study s;
    AccessibleEventLog log;
    ASSERT_TRUE(log.active());
    s.window->dispatch(kRunAll);
    QTest::keyClicks(s.focused(), "wrong");
    s.answer([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    QStringList told = log.focusDescriptions();
    int question = told.indexOf("第1問: q1");
    int verdict = told.indexOf("不正解。答え: a1");
    int next = told.indexOf("第2問: q2 画像: fig.png");
    EXPECT_TRUE(question >= 0 && question < verdict && verdict < next)
        << told.join(" | ").toStdString();
}

TEST(AccessibilityEvents, APressedChoiceTellsItsNewState) {
    Study s;
    s.settings.setAnswerMode(AnswerMode::kChoice);
    s.settings.setDefaultChoicesCount(3);
    AccessibleEventLog log;
    ASSERT_TRUE(log.active());
    s.window->dispatch(kRunAll);
    auto* first = qobject_cast<CLSWndSentence*>(s.focused());
    ASSERT_TRUE(first);
    log.clear();
    QTest::keyClick(first, Qt::Key_Space);
    EXPECT_TRUE(first->isSelected());
    EXPECT_TRUE(log.has(QAccessible::StateChanged, first));
}

TEST(AccessibilityEvents, ConfirmModeTellsEachQuestionOnTheAnswerButtonItKeeps) {
    Study s;
    s.settings.setAnswerMode(AnswerMode::kConfirm);
    AccessibleEventLog log;
    ASSERT_TRUE(log.active());
    s.window->dispatch(kRunAll);
    QWidget* button = s.focused();
    ASSERT_TRUE(qobject_cast<QPushButton*>(button));
    EXPECT_EQ(descriptionOf(button), "第1問: q1");
    QString rightDescription;
    s.answer([&](QWidget* dialog) {
        auto* answer = static_cast<CLSDlgAnswer*>(dialog);
        rightDescription = descriptionOf(answer->rightButton());
        QTest::keyClick(answer->rightButton(), Qt::Key_Space);
    });
    EXPECT_EQ(rightDescription, "答え: a1") << "the learner judges";
    ASSERT_EQ(s.focused(), button) << "the focus stays on the answer button";
    EXPECT_EQ(descriptionOf(button), "第2問: q2 画像: fig.png");
    EXPECT_GE(log.focusDescriptions().count("第2問: q2 画像: fig.png"), 1)
        << "told again although the focus did not move";
}
