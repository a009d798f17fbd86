// The memory model against the published reference numbers, and reading and
// writing its weights.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "srs/FsrsModel.h"

namespace {

const CLSFsrsParameters kDefaults = CLSFsrsParameters::Defaults();

#define EXPECT_RELATIVE(actual, expected) EXPECT_NEAR(actual, expected, std::abs(expected) * 1e-4)

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

TEST(FsrsModel, ReferenceNumbers) {
    CLSMemoryState state = ReplayReferenceReviews(kDefaults);
    EXPECT_RELATIVE(state.stability, 53.62691);
    EXPECT_RELATIVE(state.difficulty, 6.3574867);
    CLSFsrsParameters noSameDay = kDefaults;
    noSameDay.w[17] = noSameDay.w[18] = noSameDay.w[19] = 0;
    EXPECT_RELATIVE(ReplayReferenceReviews(noSameDay).stability, 53.335106);

    // Intervals by retention 0.1 .. 1.0 for S = 1: rounded, at least 1, uncapped.
    const double days[] = {3116766, 34793, 2508, 387, 90, 27, 9, 3, 1, 1};
    for (int i = 0; i < 10; ++i)
        EXPECT_RELATIVE(std::max(1.0, std::round(NextIntervalRaw(1, (i + 1) / 10.0, kDefaults))),
                        days[i]);

    const double curve[][3] = {{0, 1, 1.0},       {1, 2, 0.9403443}, {2, 3, 0.9253786},
                               {3, 4, 0.9185229}, {4, 4, 0.9},       {5, 2, 0.8261359}};
    for (const auto& c : curve)
        EXPECT_RELATIVE(Retrievability(c[0], c[1], kDefaults), c[2]);

    const double s0[] = {0.212, 1.2931, 2.3065, 8.2956};
    const double d0[] = {6.4133, 5.11217071, 2.11810397, 1};
    for (int g = 1; g <= 4; ++g) {
        CLSMemoryState first = NextMemoryState(std::nullopt, 0, g, kDefaults);
        EXPECT_RELATIVE(first.stability, s0[g - 1]);
        EXPECT_RELATIVE(first.difficulty, d0[g - 1]);
    }
    EXPECT_EQ(NextIntervalDays(InitialStability(4, kDefaults), 0.9, kDefaults), 8);
}

TEST(FsrsModel, IntervalLimitsAndOddStates) {
    EXPECT_EQ(NextIntervalDays(1, 0.1, kDefaults), 36500) << "capped at a hundred years";
    EXPECT_EQ(NextIntervalDays(1, 0.1, kDefaults, 180), 180) << "the learner's maximum";
    EXPECT_EQ(NextIntervalDays(1, 0.1, kDefaults, 99999), 36500);
    EXPECT_EQ(NextIntervalDays(0.3, 0.9, kDefaults), 1) << "at least a day";
    EXPECT_EQ(NextIntervalDays(10, std::nan(""), kDefaults), 1);
    // A same-day Hard keeps stability (the bare formula would give 0.578 of it).
    EXPECT_DOUBLE_EQ(StabilitySameDay(1, 2, kDefaults), 1);
    EXPECT_LT(StabilitySameDay(1, 1, kDefaults), 1);
    CLSMemoryState broken = NextMemoryState(CLSMemoryState{std::nan(""), -3}, 4, 3, kDefaults);
    EXPECT_GE(broken.stability, kMinStability) << "a damaged stored state";
    EXPECT_GE(broken.difficulty, 1);
}

TEST(FsrsParameters, FormatAndParse) {
    std::string text = kDefaults.Format();
    EXPECT_EQ(text,
              "0.212, 1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001, 1.8722, 0.1666, "
              "0.796, 1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, "
              "0.1542");
    CLSFsrsParameters odd = kDefaults;
    odd.w[3] = 0.1 + 0.2;
    odd.w[9] = 1.0 / 3;
    EXPECT_EQ(CLSFsrsParameters::Parse(odd.Format(), nullptr), odd) << "shortest round trip";

    std::string spaced = text, mixed = text;
    for (char& c : spaced)
        c = c == ',' ? ' ' : c;
    mixed.replace(mixed.find(", "), 2, "、").replace(mixed.find(", "), 2, "　");
    mixed.replace(mixed.find(", "), 2, "，").replace(mixed.find(", "), 2, " ,");
    for (const std::string& t : {spaced + "\n", mixed}) {
        std::string error;
        EXPECT_EQ(CLSFsrsParameters::Parse(t, &error), kDefaults) << t << error;
    }

    auto older = CLSFsrsParameters::Parse(text.substr(0, text.find(", 0.0658")), nullptr);
    ASSERT_TRUE(older) << "19 weights of the older model";
    EXPECT_EQ(older->w[18], 0.0912);
    EXPECT_EQ(older->w[19], 0);
    EXPECT_EQ(older->w[20], 0.5);
}

TEST(FsrsParameters, WrongTextsAreRefusedWithAReason) {
    std::string d = kDefaults.Format();
    std::string head = d.substr(0, d.rfind(", ") + 2);  // all but the decay
    const char* notANumber[] = {"abc", "nan", "inf", "0.2x", "1e999"};
    for (const char* t : notANumber) {
        std::string error;
        EXPECT_FALSE(CLSFsrsParameters::Parse(head + t, &error));
        EXPECT_EQ(error, std::string("復習のパラメーターが正しくありません: 「") + t +
                             "」は数ではありません");
    }
    const std::pair<std::string, const char*> cases[] = {
        {"", "21個の数が必要です (0個あります)"},
        {d + ", 1", "21個の数が必要です (22個あります)"},
        {"-0.212" + d.substr(5), "w0 が負の数です (-0.212)"},
        {head + "0.05", "減衰 (w20) は 0.1～0.8 にしてください (0.05)"},
        {head + "0.81", "減衰 (w20) は 0.1～0.8 にしてください (0.81)"},
        {"0.212,, " + d.substr(7), "カンマの間に数がありません"},
        {", " + d, "カンマの間に数がありません"},
        {d + ",", "カンマの後に数がありません"},
    };
    for (const auto& [text, message] : cases) {
        std::string error;
        EXPECT_FALSE(CLSFsrsParameters::Parse(text, &error)) << text;
        EXPECT_EQ(error, std::string("復習のパラメーターが正しくありません: ") + message);
    }
    EXPECT_TRUE(CLSFsrsParameters::Parse(head + "0.1", nullptr)) << "the range is inclusive";
    EXPECT_TRUE(CLSFsrsParameters::Parse(head + "0.8", nullptr));
}
