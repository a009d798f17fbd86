// Where sentences go on screen: text blocks, pictures and videos stacked,
// device scaling, centring, choice button columns, scroll bars and the rows
// of numbered lists, all measured with a fixed-width font.

#include <gtest/gtest.h>

#include <cstring>

#include <map>

#include "TestSupport.h"
#include "sentence/SentenceLayout.h"
#include "sentence/VideoSchedule.h"
#include "text/Columns.h"

namespace {

// 10 pixels per byte, lines 20 pixels high.
class FixedMetrics : public TextMetrics {
  public:
    int textWidth(const char* text, int n) const override {
        return 10 * DisplayColumns(std::string_view(text, static_cast<size_t>(n)));
    }
    int lineHeight() const override { return 20; }
};

class FakeMedia : public CLSSentenceMedia {
  public:
    CLSMediumInfo medium(int item) const override {
        auto it = items.find(item);
        return it == items.end() ? CLSMediumInfo{} : it->second;
    }
    std::map<int, CLSMediumInfo> items;
};

CLSMediumInfo Picture(int w, int h) {
    return {CLSMediumInfo::kPicture, w, h, 0};
}

CLSSentence S(const char* markup) {
    return CLSSentence(CLSTString(markup));
}

const FixedMetrics kMetrics;
const CLSNoSentenceMedia kNoMedia;

}  // namespace

TEST(SentenceLayout, TextLinesFollowTheLineInterval) {
    // Two lines: 20 + 8 + 20 with an interval of 40 percent.
    CLSSentenceLayout layout = LayoutSentence(S("abc def"), kMetrics, kNoMedia, 40, 40);
    ASSERT_EQ(layout.blocks.size(), 1u);
    EXPECT_EQ(layout.blocks[0].text.lines.size(), 2u);
    EXPECT_EQ(layout.height, 48);
    EXPECT_EQ(layout.width, 40);  // "abc " is the wider line
    EXPECT_EQ(layout.lineStep, 28);
    // One line has no interval after it.
    EXPECT_EQ(MeasureSentence(S("abc"), kMetrics, kNoMedia, 100, 40), (CLSSize{30, 20}));
    // A word wider than the window breaks inside; a shorter one moves whole.
    CLSSentenceLayout word = LayoutSentence(S("abcdefgh"), kMetrics, kNoMedia, 30, 0);
    EXPECT_EQ(word.blocks[0].text.lines.size(), 3u);
    EXPECT_EQ(word.height, 60);
    CLSSentenceLayout moved = LayoutSentence(S("ab cdef"), kMetrics, kNoMedia, 50, 0);
    ASSERT_EQ(moved.blocks[0].text.lines.size(), 2u);
    EXPECT_EQ(moved.blocks[0].text.lines[1].start, 3);
    // Japanese text may break between any two characters.
    CLSTString jp = Sj("日本語の文");
    CLSSentence japanese;
    japanese.addText(jp.view());
    CLSSentenceLayout jl = LayoutSentence(japanese, kMetrics, kNoMedia, 40, 0);
    ASSERT_EQ(jl.blocks[0].text.lines.size(), 3u);
    EXPECT_EQ(jl.blocks[0].text.lines[0].length, static_cast<int>(std::strlen("日本")));
}

TEST(SentenceLayout, TextPictureAndTextStackFromTheLeftEdge) {
    FakeMedia media;
    media.items[1] = Picture(200, 100);
    CLSSentenceLayout layout =
        LayoutSentence(S("ab\\i\"p.png|width=50%\"cd"), kMetrics, media, 300, 20);
    ASSERT_EQ(layout.blocks.size(), 3u);
    EXPECT_EQ(layout.blocks[0].rect, (CLSRect{0, 0, 20, 20}));
    // 50 percent of 200 × 100 wide; the height keeps its natural size.
    EXPECT_EQ(layout.blocks[1].kind, CLSSentenceBlock::kPicture);
    EXPECT_EQ(layout.blocks[1].rect, (CLSRect{1, 21, 101, 121}));
    EXPECT_EQ(layout.blocks[1].source, (CLSRect{0, 0, 200, 100}));
    EXPECT_EQ(layout.blocks[2].rect, (CLSRect{0, 122, 20, 142}));
    EXPECT_EQ(layout.size(), (CLSSize{102, 142}));

    // A picture that could not be loaded takes no space.
    CLSSentenceLayout missing =
        LayoutSentence(S("ab\\i\"gone.png\"cd"), kMetrics, kNoMedia, 300, 20);
    ASSERT_EQ(missing.blocks.size(), 2u);
    EXPECT_EQ(missing.height, 40);
}

TEST(SentenceLayout, PicturesScaleToTheDeviceAndShowTheirSourcePart) {
    FakeMedia media;
    media.items[0] = Picture(200, 80);
    CLSSentence half = S("\\i\"p.png|width=50%|height=50%\"");
    EXPECT_EQ(MeasureSentence(half, kMetrics, media, 500, 20), (CLSSize{102, 42}));
    // A 600 dpi printer at the screen's 96 dpi, and a zoom of 50 percent.
    CLSDeviceScale printer{600, 600, 96, 96, 100};
    CLSSentenceLayout printed = LayoutSentence(half, kMetrics, media, 5000, 20, printer);
    EXPECT_EQ(printed.blocks[0].rect, (CLSRect{1, 1, 626, 251}));
    CLSDeviceScale zoomed{96, 96, 96, 96, 50};
    EXPECT_EQ(MeasureSentence(half, kMetrics, media, 500, 20, zoomed), (CLSSize{52, 22}));

    // The source rectangle: 10 percent in from the left, 40 pixels wide.
    CLSSentenceLayout part = LayoutSentence(S("\\i\"p.png|srcleft=10%|srcwidth=40|srctop=5\""),
                                            kMetrics, media, 500, 20);
    EXPECT_EQ(part.blocks[0].source, (CLSRect{20, 5, 60, 80}));
    EXPECT_EQ(part.blocks[0].rect, (CLSRect{1, 1, 41, 76}));
    // Absurd sizes neither overflow nor go negative.
    CLSSize huge = MeasureSentence(S("\\i\"p.png|width=2147483647|srcleft=900\""), kMetrics, media,
                                   500, 20, printer);
    EXPECT_GT(huge.width, 0);
    EXPECT_GE(huge.height, 2);
}

TEST(SentenceLayout, VideosTakeTheirViewSizeAndPlayBar) {
    FakeMedia media;
    media.items[0] = {CLSMediumInfo::kVideo, 320, 240, 24};
    CLSSentenceLayout layout =
        LayoutSentence(S("\\i\"v.avi|width=160|height=120\""), kMetrics, media, 100, 20,
                       CLSDeviceScale{600, 600, 96, 96, 100});
    ASSERT_EQ(layout.blocks.size(), 1u);
    EXPECT_EQ(layout.blocks[0].kind, CLSSentenceBlock::kVideo);
    EXPECT_EQ(layout.blocks[0].rect, (CLSRect{1, 1, 161, 145}));
    EXPECT_EQ(layout.size(), (CLSSize{162, 146}));
}

TEST(SentenceLayout, CentringAndButtonColumns) {
    EXPECT_EQ(CentringOffset({40, 20}, {100, 60}), (CLSSize{30, 20}));
    // Content larger than the area keeps its start visible.
    EXPECT_EQ(CentringOffset({140, 80}, {100, 60}), (CLSSize{0, 0}));

    EXPECT_EQ(ButtonNumberText(3, false), "3. ");
    EXPECT_EQ(ButtonNumberText(3, true), "3.");
    EXPECT_EQ(ButtonColumnWidth(kMetrics, 3, false), 30);
    // The sentence wraps in what the column leaves and the column is added.
    EXPECT_EQ(MeasureButton(S("abc def"), kMetrics, kNoMedia, 70, 0, 3, false), (CLSSize{70, 40}));
    EXPECT_EQ(MeasureButton(S("abc"), kMetrics, kNoMedia, 200, 0, 1, true), (CLSSize{50, 20}));
}

TEST(SentenceLayout, ScrollBarsAppearWhereTheContentDoesNotFit) {
    // Text of 10 lines of 20 pixels, 100 pixels wide wherever it wraps.
    auto tall = [](int) { return CLSSize{100, 200}; };
    CLSScrollLayout v = LayoutScrollBars(tall, 150, 100, 16, 16);
    EXPECT_TRUE(v.vertical);
    EXPECT_FALSE(v.horizontal);
    EXPECT_EQ(v.clientWidth, 134);
    EXPECT_EQ(v.maxY(), 100);
    EXPECT_EQ(v.maxX(), 0);

    // The vertical bar narrows the view, which then needs the other bar,
    // which shortens it further.
    auto wide = [](int width) { return CLSSize{150, width < 140 ? 110 : 95}; };
    CLSScrollLayout both = LayoutScrollBars(wide, 140, 100, 16, 16);
    EXPECT_TRUE(both.vertical);
    EXPECT_TRUE(both.horizontal);
    EXPECT_EQ(both.clientWidth, 124);
    EXPECT_EQ(both.clientHeight, 84);
    EXPECT_EQ(both.maxX(), 26);
    EXPECT_EQ(both.maxY(), 26);

    CLSScrollLayout fits = LayoutScrollBars(tall, 200, 300, 16, 16);
    EXPECT_FALSE(fits.vertical || fits.horizontal);
    EXPECT_EQ(fits.maxY(), 0);

    EXPECT_EQ(ClampScroll(5, -10, 30), 0);
    EXPECT_EQ(ClampScroll(25, 10, 30), 30);
    EXPECT_EQ(ClampScroll(3, 1, -4), 0);
}

TEST(SentenceLayout, ListRowsShareTheTallestHeightAndScrollByRows) {
    // Row 1 needs two lines at any width below 200.
    auto rows = [](int row, int width) {
        return row == 1 && width < 200 ? CLSSize{150, 40} : CLSSize{60, 20};
    };
    CLSListLayout list = LayoutSentenceList(3, rows, 300, 200, 16, 2, 2);
    EXPECT_FALSE(list.scrollBar);
    EXPECT_EQ(list.usableWidth, 280);
    EXPECT_EQ(list.rowHeight, 24);
    EXPECT_EQ(list.rowRect(2, 0), (CLSRect{20, 48, 300, 72}));

    // Only two rows fit: the bar takes its width and rows get taller.
    CLSListLayout scrolled = LayoutSentenceList(3, rows, 220, 100, 16, 2, 2);
    EXPECT_TRUE(scrolled.scrollBar);
    EXPECT_EQ(scrolled.usableWidth, 184);
    EXPECT_EQ(scrolled.rowHeight, 44);
    EXPECT_EQ(scrolled.page, 2);
    EXPECT_EQ(scrolled.maxScroll(), 1);
    EXPECT_EQ(scrolled.rowRect(0, 1), (CLSRect{20, -44, 204, 0}));

    // A row never gets taller than the list, nor lower than 2.
    CLSListLayout low = LayoutSentenceList(1, rows, 300, 10, 16, 2, 2);
    EXPECT_EQ(low.rowHeight, 10);
    CLSListLayout empty = LayoutSentenceList(0, rows, 300, 100, 16, 2, 2);
    EXPECT_EQ(empty.rowHeight, 4);
    EXPECT_EQ(empty.maxScroll(), 0);

    EXPECT_EQ(CalculateListSize(3, rows, 180, 2, 2), (CLSSize{150 + 4 + 20, 44 * 3}));
    EXPECT_EQ(CalculateListSize(0, rows, 180, 2, 2), (CLSSize{26, 0}));
}

TEST(VideoSchedule, PlaysItsLoopsAfterEachIntervalThenSwitchesOff) {
    CLSVideoSchedule schedule;
    CLSSentenceItemObject twice = CLSSentenceItemObject::fromObjectText(CLSTString("v.avi|loop=2"));
    CLSSentenceItemObject manual =
        CLSSentenceItemObject::fromObjectText(CLSTString("w.avi|autoplay=0"));
    schedule.add(twice);
    schedule.add(manual);
    using A = CLSVideoSchedule::Action;
    auto pollMs = [&](int ms, bool stopped) {
        A first = A::kNothing;
        for (int t = 0; t < ms; t += 100) {
            std::vector<A> actions = schedule.poll(100, {stopped, true});
            if (actions[0] != A::kNothing) first = actions[0];
            EXPECT_EQ(actions[1], A::kNothing);  // waits for the learner
        }
        return first;
    };
    EXPECT_EQ(pollMs(900, true), A::kNothing);
    EXPECT_EQ(pollMs(100, true), A::kPlay);  // after one second
    EXPECT_EQ(schedule.playsLeft(0), 1);
    EXPECT_EQ(pollMs(5000, false), A::kNothing);  // playing: no countdown
    EXPECT_EQ(pollMs(900, true), A::kNothing);
    EXPECT_EQ(pollMs(100, true), A::kPlay);  // a second after it stopped
    EXPECT_EQ(pollMs(1000, true), A::kDisable);
    EXPECT_EQ(pollMs(3000, true), A::kNothing);

    CLSVideoSchedule endless;
    endless.add(CLSSentenceItemObject::fromObjectText(CLSTString("v.avi|interval=0")));
    EXPECT_EQ(endless.playsLeft(0), -1);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(endless.poll(100, {true})[0], A::kPlay);
    EXPECT_EQ(endless.playsLeft(7), -2);
}
