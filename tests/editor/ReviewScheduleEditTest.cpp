// A question's review schedule stays with it through the editor's tools:
// sorting, the clipboard, swapping, and a pasted copy is told apart.

#include <gtest/gtest.h>

#include "DocFixture.h"
#include "data/ReviewLine.h"
#include "editor/EditorLines.h"
#include "editor/LineChange.h"
#include "editor/QuestionTools.h"

namespace {

CLSReviewState scheduled(uint64_t id, double stability) {
    CLSReviewState s;
    s.phase = ReviewPhase::Review;
    s.stability = stability;
    s.difficulty = 5;
    s.lastReviewMs = 1796171400000;
    s.dueMs = 1796171400000 + 86400000;
    s.id = id;
    return s;
}

struct ScheduleFixture : DocFixture {
    ScheduleFixture() {
        // "cherry" has a schedule, "apple" has one, "banana" none.
        std::string file =
            "VORELDATA V3.0\r\n#T,010000\r\ncherry,,さくらんぼ,,,<00\r\n" +
            ReviewLineText(scheduled(3, 30), "cherry") + "\r\napple,,りんご,,,<00\r\n" +
            ReviewLineText(scheduled(1, 10), "apple") + "\r\nbanana,,バナナ,,,<00\r\n";
        EXPECT_TRUE(load(file));
    }
    const CLSReviewState* reviewOf(int question) const {
        return doc.getQuestion(question)->question().review();
    }
    std::vector<int> questionLines() const { return {1, 2, 3}; }
};

}  // namespace

TEST(ReviewScheduleEdit, SortingAndSwappingKeepEachSchedule) {
    ScheduleFixture f;
    CLSLineChange sort = SortChange(f.doc, f.questionLines(), {SortBy::kQuestion, false},
                                    {SortBy::kQuestion, false});
    sort.apply(f.doc);
    ASSERT_NE(f.reviewOf(0), nullptr);
    EXPECT_EQ(f.reviewOf(0)->id, 1u) << "apple comes first";
    EXPECT_EQ(f.reviewOf(1), nullptr) << "banana";
    ASSERT_NE(f.reviewOf(2), nullptr);
    EXPECT_EQ(f.reviewOf(2)->id, 3u);
    // Saved and read again, each schedule still follows its question.
    std::string saved = f.saved();
    EXPECT_NE(saved.find("apple,,りんご,,,<00\r\n'@review 1,2,10,"), std::string::npos) << saved;

    // Swapped in place the question keeps its schedule; appended, the
    // reversed question is new.
    CLSSwapOptions overwrite;
    overwrite.append = false;
    SwapChange(f.doc, {1}, overwrite).apply(f.doc);
    ASSERT_NE(f.reviewOf(0), nullptr);
    EXPECT_EQ(f.reviewOf(0)->id, 1u);
    CLSSwapOptions append;
    SwapChange(f.doc, {1}, append).apply(f.doc);
    EXPECT_EQ(f.reviewOf(3), nullptr);
}

TEST(ReviewScheduleEdit, TheClipboardCarriesSchedulesAndCopiesGetIdsOfTheirOwn) {
    ScheduleFixture f;
    CLSTString text = LinesText(f.doc, {1, 2, 3});
    std::vector<CLSVorelDataItem> lines = LinesFromText(text, 5);
    ASSERT_EQ(lines.size(), 3u) << "schedules are no lines of their own";
    ASSERT_NE(lines[0].question().review(), nullptr);
    EXPECT_EQ(*lines[0].question().review(), scheduled(3, 30));

    // Pasted while the originals are still there: copies, with new ids and
    // the same memory.
    RenewCopiedReviewIds(f.doc, lines);
    ASSERT_NE(lines[1].question().review(), nullptr);
    EXPECT_NE(lines[0].question().review()->id, 3u);
    EXPECT_NE(lines[1].question().review()->id, 1u);
    EXPECT_NE(lines[0].question().review()->id, lines[1].question().review()->id);
    EXPECT_EQ(lines[1].question().review()->stability, 10);
    EXPECT_EQ(lines[2].question().review(), nullptr);

    // Cut and pasted back: the same questions, the same ids.
    std::vector<CLSVorelDataItem> again = LinesFromText(text, 5);
    CLSLineChange({1, 2, 3}, {}).apply(f.doc);
    RenewCopiedReviewIds(f.doc, again);
    EXPECT_EQ(again[0].question().review()->id, 3u);
    EXPECT_EQ(again[1].question().review()->id, 1u);
}
