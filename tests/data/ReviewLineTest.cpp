#include <gtest/gtest.h>

#include <string>

#include "DocFixture.h"
#include "data/ReviewLine.h"

namespace {

CLSReviewState learned() {
    CLSReviewState s;
    s.phase = ReviewPhase::Review;
    s.stability = 12.25;
    s.difficulty = 4.930120018;
    s.lastReviewMs = 1796171400000;  // 2026-12-02T00:30:00Z
    s.dueMs = 1797207000000;
    s.step = 0;
    s.id = 0x1f2e3d4c5b6a7980;
    return s;
}

const std::string kQuestionLine = "apple,,りんご,,,<00,11212121212";

}  // namespace

TEST(ReviewLine, WritesAndReadsEveryField) {
    const std::string line = ReviewLineText(learned(), "apple");
    EXPECT_EQ(line.rfind("'@review 1,2,12.25,4.930120018,2026-12-02T00:30:00Z,", 0), 0u) << line;
    CLSReviewState read;
    EXPECT_EQ(ParseReviewLine(std::string_view(line).substr(1), "apple", &read),
              ReviewLineKind::kSchedule);
    EXPECT_EQ(read, learned());
    EXPECT_EQ(ParseReviewLine(std::string_view(line).substr(1), "pear", &read),
              ReviewLineKind::kOther);

    // Anything else after the marker is not understood and stays a comment.
    for (const char* text : {"@review",
                             "@review 2,2,1,1,2026-12-02T00:30:00Z,2026-12-02T00:30:00Z,0,"
                             "0000000000000001,00000000",
                             "@review 1,7,1,1,2026-12-02T00:30:00Z,2026-12-02T00:30:00Z,0,"
                             "0000000000000001,00000000",
                             "@review 1,2,x,1,2026-12-02T00:30:00Z,2026-12-02T00:30:00Z,0,"
                             "0000000000000001,00000000",
                             "@review 1,2,1,1,2026-13-02T00:30:00Z,2026-12-02T00:30:00Z,0,"
                             "0000000000000001,00000000",
                             "@review 1,2,1,1,2026-12-02T00:30:00Z,2026-12-02T00:30:00Z,0,"
                             "0000000000000001,00000000,extra",
                             "a comment"}) {
        EXPECT_EQ(ParseReviewLine(text, "apple", &read), ReviewLineKind::kNotOurs) << text;
    }
}

TEST(ReviewLine, TravelsWithItsQuestionThroughLoadAndSave) {
    const std::string review = ReviewLineText(learned(), "apple");
    const std::string file =
        "VORELDATA V3.0\r\n#T,010000\r\n" + kQuestionLine + "\r\n" + review + "\r\n'note\r\n";
    for (int historySize : {5, 0}) {
        DocFixture f;
        f.settings.setHistorySize(historySize);
        ASSERT_TRUE(f.load(file));
        ASSERT_EQ(f.doc.getItemCount(), 3) << "the schedule is no line of its own";
        const CLSVorelDataQuestion& q = f.doc.getQuestion(0)->question();
        ASSERT_NE(q.review(), nullptr) << "HistorySize " << historySize;
        EXPECT_EQ(*q.review(), learned());
        if (historySize == 5) {
            EXPECT_EQ(f.saved(), file + "$Group=0,1,2,3,4,5,6,7,8,9\r\n");
        }
    }

    // A UTF-8 file and a Shift-JIS file hold the same ASCII line.
    DocFixture u;
    WriteFileBytes(u.dir.file("u.vrf"), "\xEF\xBB\xBF" + file);
    ASSERT_TRUE(u.doc.loadFile(u.path("u.vrf")));
    ASSERT_NE(u.doc.getQuestion(0)->question().review(), nullptr);
    ASSERT_TRUE(u.doc.saveFile(u.path("u2.vrf")));
    EXPECT_NE(ReadFileBytes(u.dir.file("u2.vrf")).find(review + "\r\n"), std::string::npos);
}

TEST(ReviewLine, AScheduleThatNoLongerFollowsItsQuestionIsDropped) {
    // As another program leaves a file whose questions it sorted: the
    // schedule of "apple" now follows "pear", and one follows a title.
    const std::string review = ReviewLineText(learned(), "apple");
    DocFixture f;
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\n#T,010000\r\npear,,なし,,,<00\r\n" + review +
                       "\r\n#U,010000\r\n" + review + "\r\n" + kQuestionLine + "\r\n"));
    EXPECT_EQ(f.doc.getQuestion(0)->question().review(), nullptr);
    EXPECT_EQ(f.doc.getQuestion(1)->question().review(), nullptr);
    // The one after the title is a comment like any other; the other is gone.
    std::string saved = f.saved();
    size_t at = saved.find("'@review");
    EXPECT_EQ(saved.substr(0, at),
              "VORELDATA V3.0\r\n#T,010000\r\npear,,なし,,,<00\r\n#U,010000\r\n");
    EXPECT_EQ(saved.find("'@review", at + 1), std::string::npos) << saved;
}

TEST(ReviewLine, OlderLayoutsKeepTheLineAsAComment) {
    const std::string review = ReviewLineText(learned(), "apple");
    DocFixture f;
    ASSERT_TRUE(f.load("VORELDATA V2.0\r\napple,りんご,<00\r\n" + review + "\r\n"));
    EXPECT_EQ(f.doc.getItemCount(), 2);
    EXPECT_EQ(f.doc.getQuestion(0)->question().review(), nullptr);
    EXPECT_NE(f.saved().find(review + "\r\n"), std::string::npos);

    // Converting a 3.0 file to an older layout leaves schedules out.
    DocFixture g;
    ASSERT_TRUE(g.load("VORELDATA V3.0\r\n" + kQuestionLine + "\r\n" + review + "\r\n"));
    ASSERT_NE(g.doc.getQuestion(0)->question().review(), nullptr);
    g.prompter.fallback = PromptAnswer::Yes;
    ASSERT_TRUE(g.doc.setVersion(20));
    EXPECT_EQ(g.saved().find("@review"), std::string::npos);
}
