#include <gtest/gtest.h>

#include "TestSupport.h"
#include "quiz/AnswerCheck.h"
#include "settings/VagueTable.h"

namespace {

CLSSentence typed(const char* utf8) {
    CLSSentence s;
    s.addText(Sj(utf8).view());
    return s;
}

CLSSentenceArray accepted(std::initializer_list<const char*> utf8) {
    CLSSentenceArray list;
    for (const char* a : utf8)
        list.add(typed(a));
    return list;
}

bool judge(std::vector<const char*> given, std::initializer_list<const char*> answers, int options,
           int fields = -1) {
    static const CLSVagueTable table;
    std::vector<CLSSentence> g;
    for (const char* a : given)
        g.push_back(typed(a));
    return JudgeAnswers(g, fields < 0 ? static_cast<int>(g.size()) : fields, accepted(answers),
                        options, table);
}

}  // namespace

TEST(AnswerCheck, EachOptionAndTheirOrder) {
    EXPECT_FALSE(judge({"abc"}, {"ABC"}, 0));
    EXPECT_TRUE(judge({"abc"}, {"ABC"}, kCompareIgnoreCase));
    EXPECT_FALSE(judge({"ａ"}, {"Ａ"}, kCompareIgnoreCase | kCompareIgnoreWidth))
        << "case is folded before the width: ａ becomes a, Ａ becomes A";
    EXPECT_FALSE(judge({"ａ"}, {"Ａ"}, kCompareIgnoreWidth));
    EXPECT_TRUE(judge({"ＡＢＣ"}, {"ABC"}, kCompareIgnoreWidth));
    EXPECT_TRUE(judge({"ひらがな"}, {"ヒラガナ"}, kCompareIgnoreKana));
    EXPECT_TRUE(judge({"ぱん"}, {"ﾊﾟﾝ"}, kCompareIgnoreKana | kCompareIgnoreWidth));
    EXPECT_TRUE(judge({"ア・イ"}, {"アイ"}, kCompareIgnoreSymbols));
    EXPECT_FALSE(judge({"ア・イ"}, {"アイ"}, 0));
    EXPECT_TRUE(judge({"two\r\nlines"}, {"twolines"}, 0)) << "line breaks never count";
}

TEST(AnswerCheck, CountsOfGivenAnswers) {
    EXPECT_TRUE(judge({"x", "x"}, {"x", "y"}, 0)) << "two inputs may match the same answer";
    EXPECT_FALSE(judge({"x", "z"}, {"x", "y"}, 0));
    EXPECT_FALSE(judge({"x"}, {"x", "y"}, 0, 2)) << "one button of two required";
    EXPECT_FALSE(judge({"x", "y", "x"}, {"x", "y"}, 0, 2));
    EXPECT_TRUE(judge({""}, {"x", ""}, 0)) << "an empty alternative accepts an empty input";
}

TEST(AnswerCheck, VagueComparisonUsesTheLongestKey) {
    EXPECT_TRUE(judge({"ヴァイオリン"}, {"バイオリン"}, kCompareVague));
    EXPECT_FALSE(judge({"ヴァイオリン"}, {"バイオリン"}, 0));
    EXPECT_TRUE(judge({"ティーカップ"}, {"チーカップ"}, kCompareVague));
    EXPECT_TRUE(judge({"ｳﾞｨｰﾅｽ"}, {"ビーナス"}, kCompareVague | kCompareIgnoreWidth))
        << "the half-width rows apply after the width option";
    CLSVagueTable table;
    EXPECT_EQ(U8(ApplyVagueTable(Sj("う゛ぁいおりんヴ"), table)), "ばいおりんブ");

    // Choices of the same picture match even when alternatives left empty runs.
    CLSSentence fromField = ExpandAlternatives(CLSSentence(CLSTString("x|\\i\"p.png\"")))[1];
    CLSSentence choice(CLSTString("\\i\"p.png\""));
    EXPECT_FALSE(fromField.equals(choice));
    EXPECT_TRUE(SameAnswer(fromField, choice));
}
