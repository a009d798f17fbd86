// The memory model against the published reference numbers, and reading and
// writing its weights.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "srs/FsrsModel.h"

namespace {

const CLSFsrsParameters kDefaults = CLSFsrsParameters::Defaults();

void ExpectRelative(double actual, double expected, const std::string& what) {
    EXPECT_NEAR(actual, expected, std::abs(expected) * 1e-4) << what;
}

// Grades 1, 3, 3, 3, 3, 3 at 0, 0, 1, 3, 8 and 21 days after the review before.
CLSMemoryState ReplayReferenceReviews(const CLSFsrsParameters& p) {
    const int grades[] = {1, 3, 3, 3, 3, 3};
    const int days[] = {0, 0, 1, 3, 8, 21};
    std::optional<CLSMemoryState> state;
    for (int i = 0; i < 6; ++i)
        state = NextMemoryState(state, days[i], grades[i], p);
    return *state;
}

}  // namespace

TEST(FsrsModel, MemoryStateMatchesTheReferenceReplay) {
    CLSMemoryState state = ReplayReferenceReviews(kDefaults);
    ExpectRelative(state.stability, 53.62691, "stability");
    ExpectRelative(state.difficulty, 6.3574867, "difficulty");

    CLSFsrsParameters noSameDay = kDefaults;
    noSameDay.w[17] = noSameDay.w[18] = noSameDay.w[19] = 0;
    ExpectRelative(ReplayReferenceReviews(noSameDay).stability, 53.335106,
                   "stability without same-day weights");
}

TEST(FsrsModel, IntervalsByRetentionWithoutTheCap) {
    const double expected[] = {3116766, 34793, 2508, 387, 90, 27, 9, 3, 1, 1};
    for (int i = 0; i < 10; ++i) {
        double r = (i + 1) / 10.0;
        double days = std::max(1.0, std::round(NextIntervalRaw(1, r, kDefaults)));
        // One reference computes 3116769 for r = 0.1: float rounding, 1e-6 of it.
        EXPECT_NEAR(days, expected[i], expected[i] * 1e-4) << "r = " << r;
    }
    EXPECT_DOUBLE_EQ(NextIntervalRaw(7.25, 0.9, kDefaults), 7.25) << "90 % is the stability";
    EXPECT_EQ(NextIntervalDays(1, 0.1, kDefaults), 36500) << "capped at a hundred years";
    EXPECT_EQ(NextIntervalDays(1, 0.1, kDefaults, 180), 180) << "the learner's maximum";
    EXPECT_EQ(NextIntervalDays(1, 0.1, kDefaults, 99999), 36500) << "never past a hundred years";
    EXPECT_EQ(NextIntervalDays(0.3, 0.9, kDefaults), 1) << "at least a day";
    EXPECT_EQ(NextIntervalDays(10, std::nan(""), kDefaults), 1);
    EXPECT_EQ(NextIntervalDays(2.5, 0.9, kDefaults), 3) << "halves round up";
}

TEST(FsrsModel, ForgettingCurve) {
    struct Case {
        double days, stability, r;
    } cases[] = {{0, 1, 1.0},       {1, 2, 0.9403443}, {2, 3, 0.9253786},
                 {3, 4, 0.9185229}, {4, 4, 0.9},       {5, 2, 0.8261359}};
    for (const Case& c : cases)
        ExpectRelative(Retrievability(c.days, c.stability, kDefaults), c.r,
                       "t = " + std::to_string(c.days) + ", S = " + std::to_string(c.stability));
    ExpectRelative(FsrsFactor(kDefaults), 0.98035, "factor");
}

TEST(FsrsModel, FirstReviewByGrade) {
    const double stability[] = {0.212, 1.2931, 2.3065, 8.2956};
    const double difficulty[] = {6.4133, 5.11217071, 2.11810397, 1};
    for (int g = 1; g <= 4; ++g) {
        CLSMemoryState s = NextMemoryState(std::nullopt, 0, g, kDefaults);
        ExpectRelative(s.stability, stability[g - 1], "S0 of grade " + std::to_string(g));
        ExpectRelative(s.difficulty, difficulty[g - 1], "D0 of grade " + std::to_string(g));
    }
    EXPECT_EQ(NextIntervalDays(InitialStability(4, kDefaults), 0.9, kDefaults), 8);
}

TEST(FsrsModel, ReviewsMoveMemoryTheRightWay) {
    const CLSMemoryState start{10, 5};
    struct Case {
        int days, grade;
    } cases[] = {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {5, 1}, {5, 2}, {5, 3}, {5, 4}, {30, 3}};
    for (const Case& c : cases) {
        CLSMemoryState after = NextMemoryState(start, c.days, c.grade, kDefaults);
        std::string what =
            "grade " + std::to_string(c.grade) + " after " + std::to_string(c.days) + " days";
        EXPECT_GE(after.difficulty, 1) << what;
        EXPECT_LE(after.difficulty, 10) << what;
        if (c.grade == 1) {
            EXPECT_LT(after.stability, start.stability) << what;
            EXPECT_GT(after.difficulty, start.difficulty) << what;
        } else {
            EXPECT_GE(after.stability, start.stability) << what;
        }
        if (c.grade == 4) {
            EXPECT_LT(after.difficulty, start.difficulty) << what;
        }
    }
    // Hard never lowers stability on the same day (the raw formula would give 0.578 of it).
    EXPECT_DOUBLE_EQ(StabilitySameDay(1, 2, kDefaults), 1);
    EXPECT_LT(StabilitySameDay(1, 1, kDefaults), 1);
    // The further a recall from the last review, the more it strengthens memory.
    EXPECT_GT(NextMemoryState(start, 30, 3, kDefaults).stability,
              NextMemoryState(start, 5, 3, kDefaults).stability);
    // A damaged stored state still gives numbers in range.
    CLSMemoryState broken = NextMemoryState(CLSMemoryState{std::nan(""), -3}, 4, 3, kDefaults);
    EXPECT_GE(broken.stability, kMinStability);
    EXPECT_GE(broken.difficulty, 1);
}

TEST(FsrsParameters, FormatReadsBackExactly) {
    EXPECT_EQ(kDefaults.Format(),
              "0.212, 1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001, 1.8722, 0.1666, "
              "0.796, 1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, "
              "0.1542");
    CLSFsrsParameters odd = kDefaults;
    odd.w[3] = 0.1 + 0.2;
    odd.w[9] = 1.0 / 3;
    odd.w[12] = 1e-300;
    std::string error;
    auto back = CLSFsrsParameters::Parse(odd.Format(), &error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(*back, odd);
}

TEST(FsrsParameters, SeparatorsAndTheOlderSet) {
    std::string spaced =
        "0.212 1.2931 2.3065 8.2956 6.4133 0.8334 3.0194 0.001 1.8722 0.1666 "
        "0.796 1.4835 0.0614 0.2629 1.6483 0.6014 1.8729 0.5425 0.0912 0.0658 "
        "0.1542\n";
    std::string mixed =
        "0.212,1.2931 , 2.3065、8.2956，6.4133　0.8334, 3.0194,0.001,1.8722,0.1666,"
        "0.796,1.4835,0.0614,0.2629,1.6483,0.6014,1.8729,0.5425,0.0912,0.0658,"
        "0.1542";
    for (const std::string& text : {spaced, mixed}) {
        std::string error;
        auto p = CLSFsrsParameters::Parse(text, &error);
        ASSERT_TRUE(p) << text << ": " << error;
        EXPECT_EQ(*p, kDefaults) << text;
    }

    auto older = CLSFsrsParameters::Parse(
        "0.4, 0.6, 2.4, 5.8, 4.93, 0.94, 0.86, 0.01, 1.49, 0.14, 0.94, 2.18, 0.05, 0.34, 1.26, "
        "0.29, 2.61, 0.5, 0.3",
        nullptr);
    ASSERT_TRUE(older);
    EXPECT_EQ(older->w[18], 0.3);
    EXPECT_EQ(older->w[19], 0);
    EXPECT_EQ(older->w[20], 0.5);
    EXPECT_NEAR(FsrsFactor(*older), 19.0 / 81, 1e-12) << "the older curve";
}

TEST(FsrsParameters, WrongTextsAreRefusedWithAReason) {
    std::string d = kDefaults.Format();
    std::string head = d.substr(0, d.rfind(", ") + 2);  // all but the decay
    struct Case {
        std::string text;
        const char* message;
    } cases[] = {
        {"", "21個の数が必要です (0個あります)"},
        {d + ", 1", "21個の数が必要です (22個あります)"},
        {"1, 2, 3", "21個の数が必要です (3個あります)"},
        {head + "abc", "「abc」は数ではありません"},
        {head + "nan", "「nan」は数ではありません"},
        {head + "inf", "「inf」は数ではありません"},
        {head + "0.2x", "「0.2x」は数ではありません"},
        {head + "1e999", "「1e999」は数ではありません"},
        {"-0.212" + d.substr(5), "w0 が負の数です (-0.212)"},
        {head + "0.05", "減衰 (w20) は 0.1～0.8 にしてください (0.05)"},
        {head + "0.81", "減衰 (w20) は 0.1～0.8 にしてください (0.81)"},
        {"0.212,, " + d.substr(7), "カンマの間に数がありません"},
        {", " + d, "カンマの間に数がありません"},
        {d + ",", "カンマの後に数がありません"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(CLSFsrsParameters::Parse(c.text, &error)) << c.text;
        EXPECT_EQ(error, std::string("復習のパラメーターが正しくありません: ") + c.message)
            << c.text;
    }
    EXPECT_FALSE(CLSFsrsParameters::Parse("x", nullptr)) << "no message wanted";
    EXPECT_TRUE(CLSFsrsParameters::Parse(head + "0.1", nullptr)) << "decay range is inclusive";
    EXPECT_TRUE(CLSFsrsParameters::Parse(head + "0.8", nullptr));
}
