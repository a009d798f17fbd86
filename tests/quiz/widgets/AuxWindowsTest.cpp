// The small windows of the shell: the separator bar, the animation window
// with the two built-in animations, and the hints panel.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "DocFixture.h"
#include "quiz/widgets/WndHints.h"
#include "quiz/widgets/WndMNG.h"
#include "sentence/widgets/WndSentence.h"
#include "text/Error.h"
#include "text/widgets/QtText.h"
#include "text/widgets/Resources.h"
#include "text/widgets/WndSeparator.h"

namespace {

void Mouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, QPoint at,
           Qt::MouseButtons held) {
    QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// A one-colour frame of w × h.
CLSBitmap Frame(int w, int h, uint8_t grey) {
    CLSBitmap bitmap(w, h, 24);
    for (int y = 0; y < h; ++y)
        std::fill_n(bitmap.rowFromTop(y), w * 3, grey);
    return bitmap;
}

}  // namespace

TEST(WndSeparator, DragsWithinItsRangeAndStopsOnTheRightButton) {
    QWidget parent;
    parent.resize(600, 400);
    auto* bar = new CLSWndSeparator(&parent);
    bar->setExtent(10, 390);
    bar->setRange(100, 400);
    EXPECT_EQ(bar->position(), 100);  // moved into the range
    bar->setPosition(250);
    EXPECT_EQ(bar->geometry(), QRect(247, 10, 7, 380));
    EXPECT_EQ(bar->cursor().shape(), Qt::SplitHCursor);
    QSignalSpy moved(bar, &CLSWndSeparator::moved);

    Mouse(bar, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(3, 50), Qt::LeftButton);
    EXPECT_TRUE(bar->isDragging());
    Mouse(bar, QEvent::MouseMove, Qt::NoButton, QPoint(3 + 60, 50), Qt::LeftButton);
    EXPECT_EQ(bar->position(), 310);
    // Beyond the maximum it stays at the maximum.
    Mouse(bar, QEvent::MouseMove, Qt::NoButton, QPoint(400, 50), Qt::LeftButton);
    EXPECT_EQ(bar->position(), 400);
    Mouse(bar, QEvent::MouseMove, Qt::NoButton, QPoint(500, 50), Qt::LeftButton);
    EXPECT_EQ(moved.count(), 2);  // no move, no signal
    EXPECT_EQ(moved.last().at(0).toInt(), 400);
    // The right button ends the drag: later moves leave the bar alone.
    Mouse(bar, QEvent::MouseButtonPress, Qt::RightButton, QPoint(3, 50),
          Qt::LeftButton | Qt::RightButton);
    EXPECT_FALSE(bar->isDragging());
    Mouse(bar, QEvent::MouseMove, Qt::NoButton, QPoint(-200, 50), Qt::LeftButton);
    EXPECT_EQ(bar->position(), 400);

    // A horizontal bar moves up and down; a narrower range pulls it in.
    bar->setOrientation(Qt::Horizontal);
    EXPECT_EQ(bar->cursor().shape(), Qt::SplitVCursor);
    bar->setExtent(0, 600);
    bar->setRange(20, 300);
    EXPECT_EQ(bar->position(), 300);
    EXPECT_EQ(bar->geometry(), QRect(0, 297, 600, 7));
    Mouse(bar, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(10, 3), Qt::LeftButton);
    Mouse(bar, QEvent::MouseMove, Qt::NoButton, QPoint(10, -100), Qt::LeftButton);
    Mouse(bar, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(10, -100), Qt::NoButton);
    EXPECT_EQ(bar->position(), 197);
    EXPECT_FALSE(bar->isDragging());
}

TEST(WndMNG, ALoopOfThreePassesPlaysThreeTimesAndStopsOnTheLastFrame) {
    CLSMngAnimation animation;
    animation.frameWidth = 4;
    animation.frameHeight = 4;
    animation.ticksPerSecond = 1000;  // one millisecond a tick keeps the test short
    animation.images.push_back(Frame(4, 4, 0));
    animation.images.push_back(Frame(4, 4, 255));
    animation.events = {{CLSMngEvent::kTerminate, 0, 3},
                        {CLSMngEvent::kImage, 0, 0},
                        {CLSMngEvent::kFrameDelay, 2, 0},
                        {CLSMngEvent::kImage, 1, 0}};
    CLSWndMNG window;
    window.resize(4, 4);
    ASSERT_TRUE(window.load(animation));
    EXPECT_EQ(window.tickInterval(), 1);
    QSignalSpy shown(&window, &CLSWndMNG::frameShown);
    QSignalSpy finished(&window, &CLSWndMNG::finished);
    window.start();
    EXPECT_TRUE(window.isRunning());
    EXPECT_EQ(finished.count(), 0);  // never from inside start()
    ASSERT_TRUE(finished.wait(2000));
    std::vector<int> frames;
    for (const QList<QVariant>& args : shown)
        frames.push_back(args.at(0).toInt());
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 0, 1, 0, 1}));
    EXPECT_FALSE(window.isRunning());
    EXPECT_EQ(window.currentFrame(), 1);
    EXPECT_EQ(window.grab().toImage().pixel(1, 1), qRgb(255, 255, 255));
    QTest::qWait(20);
    EXPECT_EQ(finished.count(), 1);

    // Nothing loaded: start does nothing.
    CLSWndMNG empty;
    EXPECT_FALSE(empty.load(QStringLiteral(":/no-such.mng")));
    empty.start();
    EXPECT_FALSE(empty.isRunning());
}

TEST(WndMNG, TheBuiltInAnimationsDrawOverTheBackgroundAndEndOnTheirFigure) {
    InitVorelResources();
    InitVorelResources();  // harmless twice
    for (const char* path : {kAnswerRightMng, kAnswerWrongMng}) {
        SCOPED_TRACE(path);
        CLSWndMNG window;
        window.setBackgroundColour(makeColour(10, 200, 10));
        ASSERT_TRUE(window.load(QString::fromLatin1(path)));
        EXPECT_EQ(window.animationSize(), QSize(60, 60));
        EXPECT_GE(window.frameCount(), 4);
        window.resize(window.sizeHint());
        QSignalSpy finished(&window, &CLSWndMNG::finished);
        window.start();
        ASSERT_TRUE(finished.wait(5000));
        EXPECT_EQ(window.currentFrame(), window.frameCount() - 1);
        QImage last = window.grab().toImage();
        // The corners show the background; the figure crosses the middle row.
        EXPECT_EQ(last.pixel(0, 0), qRgb(10, 200, 10));
        int figure = 0;
        for (int x = 0; x < 60; ++x)
            figure += last.pixel(x, 30) != qRgb(10, 200, 10);
        EXPECT_GT(figure, 6);
    }
}

TEST(WndHints, ShowsHintsInTurnWrapsAroundAndAsksToClose) {
    DocFixture f;
    ASSERT_TRUE(
        f.load("VORELDATA V3.0\r\n#t,000000\r\n問題,一つ目|二つ目|三つ目,答え,,,<00\r\n"
               "なし,,答え,,,<00\r\n"));
    f.doc.setCurrentQuestion(0);
    QWidget parent;
    auto* hints = new CLSWndHints(f.doc, f.settings, f.doc.getQuestion(0), &parent);
    hints->setGeometry(0, 0, 300, 200);
    parent.show();
    EXPECT_EQ(hints->counterText(), "1 / 3");
    EXPECT_EQ(U8(hints->sentenceWindow()->sentence().toText()), "一つ目");
    EXPECT_EQ(hints->previousButton()->toolTip(), QString::fromUtf8("前のヒント"));
    EXPECT_EQ(hints->nextButton()->toolTip(), QString::fromUtf8("次のヒント"));
    EXPECT_EQ(hints->closeButton()->text(), QString::fromUtf8("閉じる"));

    // "<<" on the first hint shows the third.
    QTest::mouseClick(hints->previousButton(), Qt::LeftButton);
    EXPECT_EQ(hints->counterText(), "3 / 3");
    EXPECT_EQ(U8(hints->sentenceWindow()->sentence().toText()), "三つ目");
    QTest::mouseClick(hints->nextButton(), Qt::LeftButton);
    EXPECT_EQ(hints->currentHint(), 0);
    hints->nextButton()->setFocus();
    QTest::keyClick(hints->nextButton(), Qt::Key_Space);
    EXPECT_EQ(hints->counterText(), "2 / 3");
    auto* counter = hints->findChildren<QLabel*>().last();
    EXPECT_EQ(counter->text(), "2 / 3");

    QSignalSpy close(hints, &CLSWndHints::closeRequested);
    QTest::mouseClick(hints->closeButton(), Qt::LeftButton);
    QTest::keyClick(hints->nextButton(), Qt::Key_Escape);
    EXPECT_EQ(close.count(), 2);

    // The layout keeps the buttons round "閉じる" and the hint above them.
    QRect closeRect = hints->closeButton()->geometry();
    int e = f.settings.skin().item(CLSVorelSkin::kHint).padding +
            f.settings.skin().item(CLSVorelSkin::kHint).margin;
    EXPECT_EQ(closeRect, QRect((300 - 46) / 2, 200 - e - 21, 46, 21));
    EXPECT_EQ(hints->previousButton()->x(), closeRect.x() - 28);
    EXPECT_EQ(hints->nextButton()->x(), closeRect.x() + 50);
    EXPECT_EQ(hints->sentenceWindow()->geometry(), QRect(e, e + 18, 300 - 2 * e, 200 - 2 * e - 59));

    // A question without hints counts none; a line that is no question is refused.
    hints->setQuestion(f.doc.getQuestion(1));
    EXPECT_EQ(hints->counterText(), "0 / 0");
    QTest::mouseClick(hints->nextButton(), Qt::LeftButton);
    EXPECT_EQ(hints->counterText(), "0 / 0");
    try {
        CLSWndHints refused(f.doc, f.settings, f.doc.getLine(0), nullptr);
        ADD_FAILURE() << "a title line was accepted";
    } catch (const CLSError& error) {
        EXPECT_EQ(error.code(), CLSError::kParameter);
    }
}
