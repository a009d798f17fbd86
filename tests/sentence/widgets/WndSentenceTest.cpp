// Sentence windows on screen: choice buttons with the keyboard and the
// mouse, single-choice groups, views that scroll, pictures and videos,
// edit mode, and numbered lists.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "TestSupport.h"
#include "image/widgets/Picture.h"
#include "sentence/widgets/SentenceVideo.h"
#include "sentence/widgets/WndSentence.h"
#include "sentence/widgets/WndSentenceList.h"
#include "settings/widgets/QtSoundPlayer.h"
#include "text/widgets/QtText.h"

namespace {

CLSSentence S(const char* utf8) {
    return CLSSentence(Sj(utf8));
}

QFont TestFont() {
    InstallFontSubstitutions();
    return ProgramFont("ＭＳ Ｐゴシック", 12);
}

// A panel with three choice buttons, shown and active.
struct ChoicePanel {
    explicit ChoicePanel(bool single) {
        panel.resize(300, 150);
        for (int i = 0; i < 3; ++i) {
            auto* b = new CLSWndSentence(&panel);
            b->setSentenceFont(TestFont());
            b->setButton(i + 1, single);
            b->setSentence(S(i == 0 ? "りんご" : i == 1 ? "みかん" : "ぶどう"));
            b->setGeometry(0, 50 * i, 300, 48);
            buttons.push_back(b);
            spies.push_back(std::make_unique<QSignalSpy>(b, &CLSWndSentence::clicked));
        }
        panel.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&panel));
        buttons[0]->setFocus();
    }
    // Keys go where the keyboard focus is, as they do for the learner.
    static void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyPress(QApplication::focusWidget(), static_cast<Qt::Key>(key), mods);
    }
    static void release(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyRelease(QApplication::focusWidget(), static_cast<Qt::Key>(key), mods);
    }
    static void type(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        press(key, mods);
        release(key, mods);
    }
    std::vector<bool> selected() const {
        std::vector<bool> v;
        for (auto* b : buttons)
            v.push_back(b->isSelected());
        return v;
    }
    static void mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

    QWidget panel;
    std::vector<CLSWndSentence*> buttons;
    std::vector<std::unique_ptr<QSignalSpy>> spies;
};

using Sel = std::vector<bool>;

}  // namespace

TEST(WndSentenceButton, DigitsSpaceAndArrowsSelectInASingleChoiceGroup) {
    ChoicePanel p(true);
    ASSERT_EQ(QApplication::focusWidget(), p.buttons[0]);
    // Pressing 3 moves to button 3; releasing it selects it.
    p.press(Qt::Key_3);
    EXPECT_EQ(QApplication::focusWidget(), p.buttons[2]);
    EXPECT_EQ(p.selected(), (Sel{false, false, false}));
    p.release(Qt::Key_3);
    EXPECT_EQ(p.selected(), (Sel{false, false, true}));
    ASSERT_EQ(p.spies[2]->count(), 1);
    EXPECT_EQ(p.spies[2]->at(0).at(0).toInt(), 3);

    // The numeric keypad does the same; the other button is deselected.
    p.type(Qt::Key_1, Qt::KeypadModifier);
    EXPECT_EQ(p.selected(), (Sel{true, false, false}));
    // Moving through the group with the arrows selects, wrapping around.
    p.type(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), p.buttons[1]);
    EXPECT_EQ(p.selected(), (Sel{false, true, false}));
    p.type(Qt::Key_Down);
    p.type(Qt::Key_Down);
    EXPECT_EQ(p.selected(), (Sel{true, false, false}));
    p.type(Qt::Key_Up);
    EXPECT_EQ(p.selected(), (Sel{false, false, true}));
    // Space keeps a single-choice button selected and clicks it again.
    p.type(Qt::Key_Space);
    EXPECT_EQ(p.selected(), (Sel{false, false, true}));
    EXPECT_EQ(p.spies[2]->count(), 4);  // digit, passing through, Up, Space
    // A digit no button has is left to the parent.
    p.type(Qt::Key_7);
    EXPECT_EQ(QApplication::focusWidget(), p.buttons[2]);
}

TEST(WndSentenceButton, MultipleChoiceButtonsToggleOnTheirOwn) {
    ChoicePanel p(false);
    p.type(Qt::Key_Space);
    p.type(Qt::Key_2);
    EXPECT_EQ(p.selected(), (Sel{true, true, false}));
    // Arrows only move the focus.
    p.type(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), p.buttons[2]);
    EXPECT_EQ(p.selected(), (Sel{true, true, false}));
    // Toggling off sends no click.
    p.type(Qt::Key_2);
    EXPECT_EQ(p.selected(), (Sel{true, false, false}));
    EXPECT_EQ(p.spies[1]->count(), 1);
    // setSelected changes the state without a click.
    p.buttons[2]->setSelected(true);
    EXPECT_EQ(p.spies[2]->count(), 0);
    EXPECT_TRUE(p.buttons[2]->isSelected());
}

TEST(WndSentenceButton, MouseSelectsOnReleaseInsideAndTracksThePress) {
    ChoicePanel p(true);
    CLSWndSentence* b = p.buttons[1];
    QPoint inside(20, 20);
    p.mouse(b, QEvent::MouseButtonPress, inside, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), b);
    EXPECT_TRUE(b->isSelected());  // pressed look at once
    // Leaving with the button held gives the press back; coming back takes it again.
    p.mouse(b, QEvent::MouseMove, QPoint(-10, 20), Qt::LeftButton);
    EXPECT_FALSE(b->isSelected());
    EXPECT_FALSE(b->isHot());
    p.mouse(b, QEvent::MouseMove, inside, Qt::LeftButton);
    EXPECT_TRUE(b->isSelected());
    EXPECT_TRUE(b->isHot());
    EXPECT_EQ(p.spies[1]->count(), 0);
    p.mouse(b, QEvent::MouseButtonRelease, inside, Qt::NoButton);
    EXPECT_EQ(p.spies[1]->count(), 1);
    EXPECT_EQ(p.selected(), (Sel{false, true, false}));

    // Released outside: nothing changes.
    CLSWndSentence* c = p.buttons[2];
    p.mouse(c, QEvent::MouseButtonPress, inside, Qt::LeftButton);
    p.mouse(c, QEvent::MouseMove, QPoint(20, 400), Qt::LeftButton);
    p.mouse(c, QEvent::MouseButtonRelease, QPoint(20, 400), Qt::NoButton);
    EXPECT_EQ(p.selected(), (Sel{false, true, false}));
    EXPECT_EQ(p.spies[2]->count(), 0);

    // A selected single-choice button stays selected when pressed again.
    p.mouse(b, QEvent::MouseButtonPress, inside, Qt::LeftButton);
    p.mouse(b, QEvent::MouseButtonRelease, inside, Qt::NoButton);
    EXPECT_TRUE(b->isSelected());
    EXPECT_EQ(p.spies[1]->count(), 1);

    EXPECT_EQ(b->cursor().shape(), Qt::PointingHandCursor);
}

TEST(WndSentenceButton, MeasureIncludesTheNumberColumn) {
    CLSWndSentence view;
    view.setSentenceFont(TestFont());
    view.setSentence(S("日本語"));
    QSize plain = view.measure(400);
    view.setButton(4, true);
    QSize button = view.measure(400);
    QFontMetrics fm(TestFont());
    EXPECT_EQ(button.width(), plain.width() + fm.horizontalAdvance("4. "));
    EXPECT_EQ(button.height(), plain.height());
    EXPECT_EQ(button.height(), fm.height());
}

TEST(WndSentenceView, ScrollsWithBarsKeysAndWheel) {
    CLSWndSentence view;
    view.setSentenceFont(TestFont());
    view.resize(200, 100);
    std::string text;
    for (int i = 0; i < 20; ++i)
        text += "これは長い文章です。";
    view.setSentence(S(text.c_str()));
    view.show();
    ASSERT_TRUE(view.verticalBar()->isVisible());
    EXPECT_FALSE(view.horizontalBar()->isVisible());
    // Text wraps within the space the bar leaves.
    EXPECT_LE(view.layout().width, 200 - view.verticalBar()->width());
    int step = view.verticalBar()->singleStep();
    EXPECT_GT(step, 0);

    QTest::keyClick(&view, Qt::Key_PageDown);
    EXPECT_EQ(view.scrollPosition().y(), view.verticalBar()->pageStep());
    QTest::keyClick(&view, Qt::Key_Up);
    EXPECT_EQ(view.scrollPosition().y(), view.verticalBar()->pageStep() - step);
    QWheelEvent wheel(QPointF(50, 50), view.mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &wheel);
    EXPECT_EQ(view.scrollPosition().y(), view.verticalBar()->pageStep());
    // The content moves with the scroll position.
    EXPECT_EQ(view.contentOrigin().y(), -view.scrollPosition().y());
    for (int i = 0; i < 50; ++i)
        QTest::keyClick(&view, Qt::Key_PageDown);
    EXPECT_EQ(view.scrollPosition().y(), view.verticalBar()->maximum());

    // A new sentence starts at the top, and a short one needs no bar.
    view.setSentence(S("短い"));
    EXPECT_EQ(view.scrollPosition(), QPoint(0, 0));
    EXPECT_FALSE(view.verticalBar()->isVisible());
    // Centring places short content in the middle.
    view.setCentring(true);
    EXPECT_EQ(view.contentOrigin().x(), (200 - view.layout().width) / 2);
}

TEST(WndSentenceView, PicturesLoadOverTheBackgroundAndMissingMediaTakeNoSpace) {
    TempDir dir;
    std::string png =
        ReadFileBytes(std::string(VOREL_SOURCE_DIR) + "/examples/pictures/circle.png");
    ASSERT_FALSE(png.empty());
    WriteFileBytes(dir.file("circle.png"), png);
    CLSWndSentence view;
    view.resize(400, 300);
    view.setSentenceFont(TestFont());
    view.setColours(makeColour(0, 0, 0), makeColour(255, 0, 0));
    CLSTString folder(dir.path());
    view.setSentence(S("上\\i\"circle.png|width=50%\"下\\i\"gone.png\""), folder);
    ASSERT_EQ(view.pictures().size(), 1u);
    EXPECT_EQ(view.videoCount(), 0);
    EXPECT_FALSE(view.isPolling());
    const CLSSentenceLayout& layout = view.layout();
    ASSERT_EQ(layout.blocks.size(), 3u);
    EXPECT_EQ(layout.blocks[1].rect.width(), 40);
    EXPECT_EQ(layout.blocks[1].rect.height(), 80);
    // The corner of the picture is transparent: it shows the background,
    // and a new background is composed in again.
    EXPECT_EQ(view.pictures().at(1).pixel(0, 0), qRgb(255, 0, 0));
    view.setColours(makeColour(0, 0, 0), makeColour(0, 0, 255));
    EXPECT_EQ(view.pictures().at(1).pixel(0, 0), qRgb(0, 0, 255));

    // A name written with backslashes and a folder of its own.
    QDir().mkpath(QString::fromStdString(dir.file("pictures")));
    WriteFileBytes(dir.file("pictures/circle.png"), png);
    view.setSentence(S("\\i\"pictures\\circle.png\""), folder);
    EXPECT_EQ(view.pictures().size(), 1u);
    // A broken picture is not shown and is not taken for a video.
    WriteFileBytes(dir.file("broken.png"), png.substr(0, 60));
    view.setSentence(S("\\i\"broken.png\""), folder);
    EXPECT_TRUE(view.pictures().empty());
    EXPECT_EQ(view.videoCount(), 0);
    EXPECT_EQ(view.measure(300), QSize(0, 0));
}

TEST(WndSentenceView, VideosArePolledOnlyWhileShown) {
    TempDir dir;
    WriteFileBytes(dir.file("clip.avi"), "not really a video");
    CLSWndSentence view;
    view.resize(300, 200);
    view.setSentence(S("\\i\"clip.avi|width=160|height=120|showcontrol=1\""),
                     CLSTString(dir.path()));
    ASSERT_EQ(view.videoCount(), 1);
    EXPECT_TRUE(view.isPolling());
    CLSSentenceVideo* video = view.video(0);
    ASSERT_NE(video, nullptr);
    if (!video->hasFailed()) {
        EXPECT_EQ(video->size(), QSize(160, 120 + CLSSentenceVideo::kBarHeight));
        EXPECT_EQ(view.layout().height, 120 + CLSSentenceVideo::kBarHeight + 2);
    }
    // A file that cannot be played ends up taking no space.
    EXPECT_TRUE(QTest::qWaitFor([video] { return video->hasFailed(); }, 5000));
    EXPECT_EQ(view.layout().height, 0);
    view.setSentence(S("文"));
    EXPECT_EQ(view.videoCount(), 0);
    EXPECT_FALSE(view.isPolling());
}

TEST(WndSentenceView, EditModeRoundTripKeepsMarkupAndEscapes) {
    QWidget panel;
    auto* view = new CLSWndSentence(&panel);
    view->setGeometry(10, 10, 200, 80);
    view->setSentenceFont(TestFont());
    CLSSentence original = S("一行目\r\n二\\i\"p.png|width=50%\"行");
    view->setSentence(original);
    panel.show();
    view->toEditMode();
    ASSERT_TRUE(view->isEditing());
    EXPECT_EQ(view->editor()->geometry(), view->rect());
    EXPECT_EQ(view->editor()->toPlainText(),
              QString::fromUtf8("一行目\n二\\i\"p.png|width=50%\"行"));
    // Unchanged text comes back as the same sentence.
    EXPECT_TRUE(view->exitEditMode().equals(original));
    EXPECT_FALSE(view->isEditing());

    view->toEditMode();
    view->editor()->setPlainText(QString::fromUtf8("a\\(b\n\\i\"q.png\"😀"));
    QString unmappable;
    CLSSentence edited = view->exitEditMode(&unmappable);
    EXPECT_EQ(unmappable, QString::fromUtf8("😀"));
    ASSERT_EQ(edited.count(), 3);
    // Parsed, not unescaped: the backslash stays; lines end with CR LF.
    EXPECT_EQ(std::string(edited.item(0).string().view()), "a\\(b\r\n");
    EXPECT_EQ(edited.item(1).object().fileName, "q.png");
    EXPECT_EQ(std::string(edited.item(2).string().view()), "😀") << "kept whole, and reported";
    EXPECT_TRUE(view->sentence().equals(edited));
    EXPECT_TRUE(view->exitEditMode().equals(edited));  // not editing: nothing happens
}

TEST(WndSentenceList, RowsAreNumberedSizedAndScrolled) {
    CLSSentenceArray sentences;
    for (const char* s : {"一つ目", "二つ目の答え", "三つ目", "四つ目", "五つ目"})
        sentences.add(S(s));
    CLSWndSentenceList list;
    list.setSentenceFont(TestFont());
    list.setSentences(sentences);
    ASSERT_EQ(list.rowCount(), 5);
    QFontMetrics fm(TestFont());
    int rowHeight = fm.height() + 2 * CLSWndSentence::kEdge;
    QSize need = list.calculateSize(300);
    EXPECT_EQ(need.height(), rowHeight * 5);
    EXPECT_EQ(need.width(), list.row(1)->measure(280).width() + 2 * CLSWndSentence::kEdge + 20);

    // Room for two rows and a half: the bar shows, rows scroll one by one.
    list.resize(300, rowHeight * 5 / 2);
    list.show();
    EXPECT_TRUE(list.verticalBar()->isVisible());
    EXPECT_EQ(list.layout().page, 2);
    EXPECT_EQ(list.row(0)->geometry(), QRect(20, 0, list.layout().usableWidth, rowHeight));
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.scrollPosition(), 1);
    EXPECT_EQ(list.row(0)->y(), -rowHeight);
    EXPECT_EQ(list.row(1)->y(), 0);
    QTest::keyClick(&list, Qt::Key_PageDown);
    EXPECT_EQ(list.scrollPosition(), 3);
    QTest::keyClick(&list, Qt::Key_PageDown);
    EXPECT_EQ(list.scrollPosition(), 3);  // the last page
    EXPECT_EQ(list.verticalBar()->value(), 3);
    list.verticalBar()->setValue(0);
    EXPECT_EQ(list.scrollPosition(), 0);
    EXPECT_EQ(list.row(2)->y(), 2 * rowHeight);

    // New sentences replace the rows and scroll back to the top.
    CLSSentenceArray one;
    one.add(S("だけ"));
    list.setSentences(one);
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_FALSE(list.verticalBar()->isVisible());
}

// A question naming a named pipe as its picture (or a sound slot naming
// one) shows and plays nothing, and the screen does not wait for it.
TEST(WndSentenceList, TheNumberColumnFitsTheLabelsInALargeFont) {
    // With the answer font of a learner who reads from afar, "12." is wider
    // than the narrowest column and was cut at the left edge.
    CLSSentenceArray sentences;
    for (int i = 0; i < 12; ++i)
        sentences.add(S("答え"));
    QFont large = TestFont();
    large.setPixelSize(40);
    CLSWndSentenceList list;
    list.setSentenceFont(large);
    list.setSentences(sentences);
    list.resize(400, 300);
    list.show();
    int label = QFontMetrics(large).horizontalAdvance(QStringLiteral("12."));
    ASSERT_GT(label, CLSListLayout::kNumberColumn);
    EXPECT_GE(list.layout().numberColumn, label + 6);
    EXPECT_EQ(list.row(0)->x(), list.layout().numberColumn) << "rows start right of the labels";
    EXPECT_EQ(list.calculateSize(400).width(),
              list.row(0)->measure(400 - list.layout().numberColumn).width() +
                  2 * CLSWndSentence::kEdge + list.layout().numberColumn);
}

TEST(WndSentenceView, NamedPipesAreNeitherShownNorPlayed) {
    TempDir dir;
    MakeFifo(dir.file("pipe"));
    CLSWndSentence view;
    bool done = FinishesWithoutWaitingOn(
        dir.file("pipe"), [&] { view.setSentence(S("\\i\"pipe\""), CLSTString(dir.path())); });
    EXPECT_TRUE(done);
    EXPECT_TRUE(view.pictures().empty());
    EXPECT_EQ(view.videoCount(), 0);
    EXPECT_TRUE(
        LoadPictureFromNativeFile(QString::fromStdString(dir.file("pipe")), makeColour(0, 0, 0))
            .isNull());
    QtSoundPlayer player;
    EXPECT_TRUE(FinishesWithoutWaitingOn(dir.file("pipe"),
                                         [&] { player.play(CLSTString(dir.file("pipe"))); }));
}
