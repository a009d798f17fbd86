#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <functional>

#include "DocFixture.h"
#include "app/MainCommands.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "quiz/StudyCommandIds.h"
#include "quiz/widgets/DlgAnswer.h"
#include "quiz/widgets/DlgCount.h"
#include "quiz/widgets/DlgResult.h"
#include "quiz/widgets/FlatButton.h"
#include "quiz/widgets/StudyScreen.h"
#include "sentence/widgets/SentenceVideo.h"
#include "sentence/widgets/WndSentence.h"
#include "settings/VorelSettings.h"
#include "settings/widgets/HelpPages.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/widgets/DesktopOpen.h"
#include "text/widgets/NumberSpinBox.h"
#include "widgets/DialogTestSupport.h"
#include "widgets/EditorWindow.h"
#include "widgets/WhenModal.h"

using namespace StudyCommand;
using MainCommand::kOpen;

namespace {

const char* kFile =
    "VORELDATA V3.0\r\n#T,000000\r\nq1,,a1,,,<00\r\nq2,,a2,,,<00\r\nq3,,x|y|z,,,<01\r\n"
    "q4,,a4,,,<00\r\n";

struct Study : EditorWindow {
    Study() : EditorWindow(kFile, 42, QSize(760, 560)) {
        settings.setFlag(CLSVorelSettings::kRetryRandom, false);
    }
    QLineEdit* input(int k = 0) {
        QList<QLineEdit*> all = window->findChildren<QLineEdit*>();
        QList<QLineEdit*> visible;
        for (QLineEdit* e : all) {
            if (e->isVisible()) visible.append(e);
        }
        return k < visible.size() ? visible[k] : nullptr;
    }
    std::vector<CLSWndSentence*> choices() {
        std::vector<CLSWndSentence*> out;
        for (CLSWndSentence* w : window->findChildren<CLSWndSentence*>()) {
            if (w->isButton() && w->isVisible()) out.push_back(w);
        }
        std::sort(out.begin(), out.end(),
                  [](auto* a, auto* b) { return a->buttonNumber() < b->buttonNumber(); });
        return out;
    }
    // Types into each input and answers; the answer dialog is closed with Esc.
    void answerTyped(std::vector<const char*> texts) {
        for (size_t k = 0; k < texts.size(); ++k)
            QTest::keyClicks(input(static_cast<int>(k)), texts[k]);
        whenModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Escape); });
        answerWith(input(0));
    }
    // Enter on a control answers (queued, as the keyboard does); waits until
    // the question has been judged.
    void answerWith(QWidget* control) {
        int judged = exam().cursor();
        QTest::keyClick(control, Qt::Key_Return);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !screen().isRunning() || exam().cursor() > judged; }, 5000));
        QApplication::processEvents();
    }
    int currentNumber() { return exam().currentQuestion() + 1; }
    // A digit key as the keyboard delivers it: the release goes to whatever
    // has the focus after the press.
    void pressDigit(int digit) {
        QTest::keyPress(window->focusWidget(), Qt::Key(Qt::Key_0 + digit));
        QTest::keyRelease(window->focusWidget(), Qt::Key(Qt::Key_0 + digit));
    }
};

}  // namespace

TEST(StudyScreen, TypedRunRecordsJudgementsAndHistory) {
    Study s;
    s.window->dispatch(kRunAll);
    ASSERT_TRUE(s.screen().isRunning());
    EXPECT_EQ(s.currentNumber(), 1);
    s.answerTyped({"a1"});
    EXPECT_EQ(s.currentNumber(), 2);
    s.answerTyped({"wrong"});
    EXPECT_EQ(s.exam().rightCount(), 1);
    EXPECT_EQ(s.exam().wrongCount(), 1);
    EXPECT_EQ(s.currentNumber(), 3);
    s.answerTyped({"z", "x"});  // two inputs, any order
    EXPECT_EQ(s.exam().rightCount(), 2);
    EXPECT_EQ(s.window->document().getQuestion(1)->question().history().back().result, 0);

    // Esc asks "中止しますか？"; Yes ends the run and shows the result pane.
    whenModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Y, Qt::AltModifier); });
    QTest::keyClick(s.input(0), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !s.screen().isRunning(); }, 5000));
    EXPECT_NE(s.screen().findChild<CLSDlgResult*>(), nullptr);
}

TEST(StudyScreen, ChoicesByDigitKeysSingleAndMultiple) {
    Study s;
    s.settings.setAnswerMode(AnswerMode::kChoice);
    s.settings.setDefaultChoicesCount(3);
    s.exam().setRangeFirst(2);  // q3 needs two of x, y, z
    s.window->dispatch(kRunAll);
    ASSERT_EQ(s.currentNumber(), 3);
    std::vector<CLSWndSentence*> buttons = s.choices();
    ASSERT_EQ(buttons.size(), 3u);
    int pressed = 0;
    for (CLSWndSentence* b : buttons) {
        std::string text = U8(b->sentence().toText());
        if ((text == "x" || text == "y") && pressed < 2) {
            s.pressDigit(b->buttonNumber());
            ++pressed;
        }
    }
    int selected = 0;
    for (CLSWndSentence* b : buttons)
        selected += b->isSelected();
    EXPECT_EQ(selected, 2);
    whenModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Escape); });
    s.answerWith(s.window->focusWidget());
    EXPECT_EQ(s.exam().rightCount(), 1) << "two right buttons of two required";

    ASSERT_EQ(s.currentNumber(), 4);
    buttons = s.choices();
    ASSERT_FALSE(buttons.empty());
    for (CLSWndSentence* b : buttons) {
        if (U8(b->sentence().toText()) != "a4") {
            s.pressDigit(b->buttonNumber());
            break;
        }
    }
    whenModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Escape); });
    s.answerWith(s.window->focusWidget());
    EXPECT_EQ(s.exam().wrongCount(), 1);
}

TEST(StudyScreen, ConfirmModeRightWrongAndSkip) {
    Study s;
    s.settings.setAnswerMode(AnswerMode::kConfirm);
    s.window->dispatch(kRunAll);
    EXPECT_EQ(s.input(), nullptr) << "confirm mode has no inputs";
    auto judge = [&](const char* which) {
        whenModal([which](QWidget* m) {
            auto* dialog = qobject_cast<CLSDlgAnswer*>(m);
            ASSERT_NE(dialog, nullptr);
            if (std::string(which) == "right") dialog->rightButton()->click();
            if (std::string(which) == "wrong") dialog->wrongButton()->click();
            if (std::string(which) == "esc") QTest::keyClick(m, Qt::Key_Escape);
        });
        s.answerWith(s.window->focusWidget());
    };
    judge("right");
    judge("wrong");
    judge("esc");
    EXPECT_EQ(s.exam().rightCount(), 1);
    EXPECT_EQ(s.exam().wrongCount(), 1);
    EXPECT_EQ(s.exam().records()[2].result, Verdict::kSkipped);
    EXPECT_TRUE(s.window->document().getQuestion(2)->question().history().empty())
        << "a skip adds no history";
}

// The dialog only returns the learner's decision; the screen records it,
// whichever way the dialog closed.
TEST(StudyScreen, RecordsTheDecisionOfTheAnswerDialogHoweverItCloses) {
    Study s;
    s.window->dispatch(kRunAll);
    QTest::keyClicks(s.input(), "wrong");
    whenModal([](QWidget* m) {
        auto* dialog = qobject_cast<CLSDlgAnswer*>(m);
        ASSERT_NE(dialog, nullptr);
        dialog->markBox()->setChecked(true);
        dialog->rightButton()->click();
    });
    s.answerWith(s.input());
    const CLSVorelDataQuestion& first = s.window->document().getQuestion(0)->question();
    EXPECT_EQ(s.exam().rightCount(), 1) << "turned over to right";
    EXPECT_EQ(s.exam().wrongCount(), 0);
    ASSERT_EQ(first.history().size(), 1u);
    EXPECT_EQ(first.history().back().result, 1);
    EXPECT_EQ(first.mark(), 1);

    QTest::keyClicks(s.input(), "a2");
    whenModal([](QWidget* m) {
        qobject_cast<CLSDlgAnswer*>(m)->markBox()->setChecked(true);
        QTest::keyClick(m, Qt::Key_Escape);
    });
    s.answerWith(s.input());
    EXPECT_EQ(s.window->document().getQuestion(1)->question().mark(), 1) << "Esc keeps the mark";
    EXPECT_EQ(s.exam().rightCount(), 2);
    EXPECT_TRUE(s.window->document().isModified());
}

TEST(StudyScreen, CountedAndWeakPointRunsGoThroughTheCountDialog) {
    Study s;
    whenModal([](QWidget* m) {
        auto* dialog = qobject_cast<CLSDlgCount*>(m);
        ASSERT_NE(dialog, nullptr);
        dialog->countBox()->setValue(2);
        QTest::keyClick(m, Qt::Key_Return);
    });
    s.window->dispatch(kRunCount);
    ASSERT_TRUE(s.screen().isRunning());
    EXPECT_EQ(s.exam().remainingCount(), 1) << "two to ask, one shown";
    s.answerTyped({"?"});
    s.answerTyped({"?"});
    EXPECT_FALSE(s.screen().isRunning());

    whenModal([](QWidget* m) {
        auto* dialog = qobject_cast<CLSDlgCount*>(m);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->strengthSlider()->isEnabled());
        dialog->countBox()->setValue(1);
        QTest::keyClick(m, Qt::Key_Return);
    });
    s.window->dispatch(kRunWeak);
    EXPECT_TRUE(s.screen().isRunning());
    EXPECT_TRUE(s.exam().mode().isWeak());
}

// The question's times run on the exam's clock: the test moves it and
// lets the screen's timer beat.
TEST(StudyScreen, AnswerStartDelayShowTimeAndTimeLimit) {
    Study s;
    s.settings.setAnswerStartTime(1);
    s.settings.setQuestionShowTime(2);
    s.window->dispatch(kRunAll);
    QLineEdit* hidden = s.window->findChild<QLineEdit*>();
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(hidden->isVisible());
    s.clock.now += 900;
    s.screen().tick();
    EXPECT_FALSE(hidden->isVisible());
    s.clock.now += 200;
    s.screen().tick();
    EXPECT_TRUE(hidden->isVisible()) << "the input appears after the delay";
    EXPECT_TRUE(hidden->isEnabled());
    auto* question = s.window->findChildren<CLSWndSentence*>().front();
    EXPECT_FALSE(question->sentence().isEmpty());
    s.clock.now += 1000;
    s.screen().tick();
    EXPECT_TRUE(question->sentence().isEmpty()) << "the question disappears after its time";

    s.settings.setAnswerStartTime(0);
    s.settings.setQuestionShowTime(0);
    s.settings.setTimeLimit(10);
    s.answerTyped({"a1"});
    bool opened = false;
    whenModal([&](QWidget* m) {
        opened = qobject_cast<CLSDlgAnswer*>(m) != nullptr;
        QTest::keyClick(m, Qt::Key_Escape);
    });
    s.clock.now += 9000;
    s.screen().tick();
    QApplication::processEvents();
    EXPECT_FALSE(opened);
    s.clock.now += 1500;
    s.screen().tick();
    EXPECT_TRUE(QTest::qWaitFor([&] { return opened; }, 5000)) << "the time limit answers";
    EXPECT_TRUE(QTest::qWaitFor([&] { return s.exam().wrongCount() == 1; }, 5000));
}

TEST(StudyScreen, AutomaticClickClosesTheAnswerDialog) {
    Study s;
    s.settings.setAnsDlgAutoClickTime(50);
    s.window->dispatch(kRunAll);
    QTest::keyClicks(s.input(), "a1");
    QTest::keyClick(s.input(), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return s.currentNumber() == 2; }, 5000));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(StudyScreen, ReaskFromTheResultPane) {
    Study s;
    s.window->dispatch(kRunAll);
    s.answerTyped({"a1"});
    s.answerTyped({"no"});
    s.answerTyped({"x", "y"});
    s.answerTyped({"no"});
    ASSERT_FALSE(s.screen().isRunning());
    auto* result = s.screen().findChild<CLSDlgResult*>();
    ASSERT_NE(result, nullptr);
    ASSERT_TRUE(result->reaskBox()->isChecked());
    result->reaskButton()->click();
    ASSERT_TRUE(s.screen().isRunning());
    EXPECT_EQ(s.exam().mode(), CLSExam::reaskWrongMode(false));
    EXPECT_EQ(s.currentNumber(), 2);
    s.answerTyped({"a2"});
    EXPECT_EQ(s.currentNumber(), 4);
}

TEST(StudyScreen, TheResultPaneHasItsHelpAndLeavesTheIdleStatus) {
    Study s;
    std::vector<QString> pages;
    SetHelpPageShower(
        [&](const QString& page, QWidget*) { pages.push_back(QFileInfo(page).fileName()); });
    s.window->dispatch(kRunAll);
    s.answerTyped({"a1"});
    s.screen().examFinish(false);
    auto* result = s.screen().findChild<CLSDlgResult*>();
    ASSERT_NE(result, nullptr);
    const QString idle = QString::fromUtf8("ヘルプを見るには F1 キーを押してください。");
    EXPECT_EQ(s.window->statusPart(0)->text(), idle);
    s.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(s.window.get()));
    result->reaskButton()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages.back(), "119.html");
    result->closeButton()->click();
    EXPECT_EQ(s.window->statusPart(0)->text(), idle);
    QTest::keyClick(s.window.get(), Qt::Key_F1);
    EXPECT_EQ(pages.back(), "133.html") << "the study screen's page again";
    SetHelpPageShower({});
}

TEST(StudyScreen, OpeningAFileDuringARunShowsTheResultInAWindowFirst) {
    Study s;
    s.window->dispatch(kRunAll);
    s.answerTyped({"a1"});
    // Ctrl+O: the run's result comes first, in a window that holds the main
    // window back; the open dialog only after it has closed.
    std::vector<std::string> seen;
    whenModal([&](QWidget* m) {
        auto* result = qobject_cast<CLSDlgResult*>(m);
        seen.push_back(result ? "result" : m->metaObject()->className());
        if (result) {
            EXPECT_TRUE(result->isSeparateWindow());
            EXPECT_EQ(result->summary().answered(), 1);
            EXPECT_FALSE(result->reaskBox()->isEnabled()) << "the document is about to change";
            whenModal([&](QWidget* next) {
                seen.push_back(qobject_cast<QFileDialog*>(next) ? "open" : "other");
                QTest::keyClick(next, Qt::Key_Escape);
            });
        }
        QTest::keyClick(m, Qt::Key_Escape);
    });
    s.window->dispatch(kOpen);
    EXPECT_EQ(seen, (std::vector<std::string>{"result", "open"}));
    EXPECT_FALSE(s.screen().isRunning());

    // Opening a file directly (a recent file, a dropped one) during a run
    // also shows the result before the file is read.
    s.window->dispatch(kRunAll);
    s.answerTyped({"a1"});
    WriteFileBytes(s.dir.file("other.vrf"), "VORELDATA V3.0\r\nz,,z,,,<00\r\n");
    int questionsWhenShown = -1;
    whenModal([&](QWidget* m) {
        questionsWhenShown = s.window->document().getQuestionCount();
        EXPECT_NE(qobject_cast<CLSDlgResult*>(m), nullptr);
        QTest::keyClick(m, Qt::Key_Escape);
    });
    ASSERT_TRUE(s.window->openFile(CLSTString(s.dir.file("other.vrf"))));
    EXPECT_EQ(questionsWhenShown, 4);
    EXPECT_EQ(s.window->document().getQuestionCount(), 1);
}

// Starting a run while one is going ends it first: its result is shown
// (and may re-ask instead), and the run keys win over the answer field.
TEST(StudyScreen, StartingARunDuringARunShowsTheResultFirst) {
    Study s;
    s.window->dispatch(kRunRandom);
    s.answerTyped({"no"});
    ASSERT_TRUE(s.screen().isRunning());
    ASSERT_EQ(s.window->focusWidget(), s.input(0));
    s.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(s.window.get()));
    bool shown = false;
    whenModal([&](QWidget* m) {
        auto* result = qobject_cast<CLSDlgResult*>(m);
        ASSERT_NE(result, nullptr);
        shown = true;
        EXPECT_EQ(result->summary().answered(), 1);
        EXPECT_TRUE(result->isModal());
        QTest::keyClick(m, Qt::Key_Escape);
    });
    QTest::keyClick(s.input(0), Qt::Key_A, Qt::ControlModifier);  // "すべて", not select-all
    EXPECT_TRUE(shown);
    ASSERT_TRUE(s.screen().isRunning());
    EXPECT_EQ(s.exam().mode(), CLSExamMode::inOrder());
    EXPECT_EQ(s.currentNumber(), 1);

    // The result window's re-ask replaces the run that was asked for.
    s.answerTyped({"no"});
    whenModal([&](QWidget* m) {
        auto* result = qobject_cast<CLSDlgResult*>(m);
        ASSERT_NE(result, nullptr);
        result->reaskBox()->setChecked(true);
        result->randomBox()->setChecked(false);
        result->reaskButton()->click();
    });
    s.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(s.window.get()));
    QTest::keyClick(s.input(0), Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(s.screen().isRunning());
    EXPECT_EQ(s.exam().mode(), CLSExam::reaskWrongMode(false));
    EXPECT_EQ(s.currentNumber(), 1);
}

TEST(StudyScreen, ClosingAnUntitledDocumentAsksWhereToSave) {
    Study s;
    s.window->document().newFile();
    s.window->document().insertComment(0, CLSTString("note"));
    bool asked = false;
    whenModal([&](QWidget* m) {
        asked = qobject_cast<QFileDialog*>(m) != nullptr;
        QTest::keyClick(m, Qt::Key_Escape);
    });
    s.window->close();
    EXPECT_TRUE(asked);
    EXPECT_FALSE(s.window->isVisible()) << "cancelling still closes";
}

// Qt's media back end crashes when GStreamer lacks its elements. The test
// runs itself again in a process whose GStreamer finds no plugins at all,
// and there a video question is shown as a still frame with its name.
TEST(StudyScreen, VideoQuestionWithoutPlaybackShowsItsFrame) {
    if (getenv("VOREL_TEST_NO_GSTREAMER_PLUGINS")) {
        Study s;
        WriteFileBytes(s.dir.file("clip.mpg"), "not a picture, maybe a video");
        WriteFileBytes(s.dir.file("v.vrf"), Utf8ToCp932Literal("VORELDATA V3.0\r\n#T,000000\r\n"
                                                               "見て\\i\"clip.mpg\",,a,,,<00\r\n"));
        ASSERT_TRUE(s.window->openFile(CLSTString(s.dir.file("v.vrf"))));
        s.window->dispatch(kRunAll);
        ASSERT_TRUE(s.screen().isRunning());
        QList<CLSSentenceVideo*> videos = s.window->findChildren<CLSSentenceVideo*>();
        ASSERT_EQ(videos.size(), 1);
        CLSSentenceVideo* video = videos.front();
        EXPECT_TRUE(video->isStill());
        EXPECT_TRUE(video->isVisible());
        EXPECT_GE(video->width(), 160);
        EXPECT_EQ(video->height(), 120);
        QImage shot = video->grab().toImage();
        EXPECT_EQ(shot.pixelColor(shot.width() / 2, 4), QColor(32, 32, 32));
        bool told = false;
        for (const std::string& line : TraceRing())
            told = told || line.find("videos are not played") != std::string::npos;
        EXPECT_TRUE(told);
        s.answerTyped({"a"});
        EXPECT_EQ(s.exam().rightCount(), 1);
        return;
    }
    TempDir empty;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("GST_PLUGIN_SYSTEM_PATH_1_0", QString::fromStdString(empty.path()));
    env.insert("GST_PLUGIN_PATH_1_0", QString::fromStdString(empty.path()));
    env.insert("GST_REGISTRY_1_0", QString::fromStdString(empty.file("reg.bin")));
    env.insert("VOREL_TEST_NO_GSTREAMER_PLUGINS", "1");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=StudyScreen.VideoQuestionWithoutPlaybackShowsItsFrame"});
    ASSERT_TRUE(child.waitForFinished(60000));
    QString output = QString::fromUtf8(child.readAll());
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << output.toStdString();
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}

TEST(StudyScreen, FourButtonsGradeHardAndEasyInGradeOrder) {
    Study s;
    s.settings.setAnswerMode(AnswerMode::kConfirm);
    s.settings.review().fourButtons = true;
    s.settings.review().newPerDay = 2;
    s.settings.review().learningSteps = "";
    s.window->dispatch(kRunReview);
    ASSERT_TRUE(s.screen().isRunning());
    for (bool hard : {true, false}) {
        whenModal([hard](QWidget* m) {
            auto* dialog = qobject_cast<CLSDlgAnswer*>(m);
            ASSERT_NE(dialog, nullptr);
            ASSERT_NE(dialog->hardButton(), nullptr);
            ASSERT_NE(dialog->easyButton(), nullptr);
            EXPECT_EQ(dialog->hardButton()->text().toStdString(), "難しい(&2)");
            EXPECT_EQ(dialog->easyButton()->text().toStdString(), "簡単(&4)");
            QWidget* row[] = {dialog->wrongButton(), dialog->hardButton(), dialog->rightButton(),
                              dialog->easyButton()};
            for (int i = 1; i < 4; ++i) {
                EXPECT_GT(row[i]->x(), row[i - 1]->x());
                EXPECT_EQ(row[i]->y(), row[0]->y());
                EXPECT_EQ(row[i - 1]->nextInFocusChain(), row[i]) << "tab follows the row";
            }
            SaveShot(m, "review-four-buttons");
            (hard ? dialog->hardButton() : dialog->easyButton())->click();
        });
        s.answerWith(s.window->focusWidget());
    }
    const CLSVorelDataFile& doc = s.window->document();
    ASSERT_NE(doc.getQuestion(0)->question().review(), nullptr);
    ASSERT_NE(doc.getQuestion(1)->question().review(), nullptr);
    EXPECT_NEAR(doc.getQuestion(0)->question().review()->stability, 1.2931, 1e-9) << "Hard";
    EXPECT_NEAR(doc.getQuestion(1)->question().review()->stability, 8.2956, 1e-9) << "Easy";
}

TEST(StudyScreen, AReviewAsksTheDaysNewQuestionsAndGradesByNumberKeys) {
    Study s;
    s.settings.setAnswerMode(AnswerMode::kConfirm);
    s.settings.review().newPerDay = 2;
    s.settings.review().learningSteps = "";  // straight to review
    s.window->dispatch(kRunReview);
    ASSERT_TRUE(s.screen().isRunning());
    EXPECT_EQ(s.currentNumber(), 1);
    // 4 grades Easy, 1 Again.
    for (int key : {Qt::Key_4, Qt::Key_1}) {
        whenModal([key](QWidget* m) {
            auto* dialog = qobject_cast<CLSDlgAnswer*>(m);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->wrongButton()->text().toStdString(), "もう一度(&1)");
            QTest::keyClick(m, Qt::Key(key));
        });
        s.answerWith(s.window->focusWidget());
    }
    const CLSVorelDataQuestion& first = s.window->document().getQuestion(0)->question();
    ASSERT_NE(first.review(), nullptr);
    EXPECT_EQ(first.review()->phase, ReviewPhase::Review);
    EXPECT_NEAR(first.review()->stability, 8.2956, 1e-9) << "Easy";
    const CLSVorelDataQuestion& second = s.window->document().getQuestion(1)->question();
    ASSERT_NE(second.review(), nullptr);
    EXPECT_NEAR(second.review()->stability, 0.212, 1e-9) << "Again";
    // Without learning steps both are in review, due tomorrow at the
    // earliest, and the day allows no third new question.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !s.screen().isRunning(); }, 5000));

    // Nothing more today: the program says when the next review is.
    std::string said;
    whenModal([&said](QWidget* m) {
        if (auto* box = qobject_cast<QMessageBox*>(m)) said = box->text().toStdString();
        QTest::keyClick(m, Qt::Key_Return);
    });
    s.window->dispatch(kRunReview);
    EXPECT_EQ(said.rfind("今日復習する問題はありません。次の復習は ", 0), 0u) << said;
    EXPECT_FALSE(s.screen().isRunning());
}
