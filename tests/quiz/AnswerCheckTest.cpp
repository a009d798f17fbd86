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
    EXPECT_TRUE(judge({"ａ"}, {"Ａ"}, kCompareIgnoreCase | kCompareIgnoreWidth))
        << "case is folded in every script, full-width letters too";
    EXPECT_FALSE(judge({"ａ"}, {"Ａ"}, kCompareIgnoreWidth));
    EXPECT_TRUE(judge({"ＡＢＣ"}, {"ABC"}, kCompareIgnoreWidth));
    EXPECT_TRUE(judge({"ひらがな"}, {"ヒラガナ"}, kCompareIgnoreKana));
    EXPECT_TRUE(judge({"ぱん"}, {"ﾊﾟﾝ"}, kCompareIgnoreKana | kCompareIgnoreWidth));
    EXPECT_TRUE(judge({"ア・イ"}, {"アイ"}, kCompareIgnoreSymbols));
    EXPECT_FALSE(judge({"ア・イ"}, {"アイ"}, 0));
    EXPECT_TRUE(judge({"two\r\nlines"}, {"twolines"}, 0)) << "line breaks never count";
}

TEST(AnswerCheck, IgnoringCaseFoldsEveryScriptOfAShiftJisText) {
    const int kCase = kCompareIgnoreCase;
    EXPECT_TRUE(judge({"МОСКВА"}, {"Москва"}, kCase));
    EXPECT_TRUE(judge({"ΑΘΗΝΑ"}, {"αθηνα"}, kCase));
    EXPECT_TRUE(judge({"ＡＢＣ"}, {"ａｂｃ"}, kCase));
    EXPECT_TRUE(judge({"Ⅳ"}, {"ⅳ"}, kCase)) << "Roman numerals have case too";
    EXPECT_TRUE(judge({"Abc Москва"}, {"aBC МОСКВА"}, kCase));
    EXPECT_TRUE(judge({"ＡＢＣ"}, {"abc"}, kCase | kCompareIgnoreWidth));
    // Without the option, and for what has no case, nothing changes.
    EXPECT_FALSE(judge({"МОСКВА"}, {"Москва"}, 0));
    EXPECT_FALSE(judge({"ＡＢＣ"}, {"ａｂｃ"}, kCompareIgnoreWidth));
    EXPECT_FALSE(judge({"あ"}, {"ア"}, kCase));
    EXPECT_FALSE(judge({"﨑"}, {"崎"}, kCase)) << "a compatibility kanji stays itself";
    EXPECT_TRUE(judge({"ヴァイオリン"}, {"バイオリン"}, kCase | kCompareVague))
        << "the vague table still applies after folding";
}

// Answers in scripts Shift-JIS cannot hold, as a UTF-8 file keeps them.
TEST(AnswerCheck, EveryScriptIsJudgedAfterNormalisation) {
    const int kCase = kCompareIgnoreCase;
    EXPECT_TRUE(judge({"cafe\xCC\x81"}, {"café"}, 0)) << "e + combining acute, in NFC";
    EXPECT_TRUE(judge({"STRASSE"}, {"Straße"}, kCase));
    EXPECT_TRUE(judge({"ÇA IRA"}, {"Ça ira"}, kCase));
    EXPECT_FALSE(judge({"ÇA IRA"}, {"Ça ira"}, 0));
    EXPECT_TRUE(judge({"ＣＡＦÉ"}, {"café"}, kCase | kCompareIgnoreWidth));

    // Vague comparison drops Latin and Greek accents, nothing else.
    const int kVague = kCompareVague;
    EXPECT_TRUE(judge({"absurdite"}, {"absurdité"}, kVague));
    EXPECT_FALSE(judge({"absurdite"}, {"absurdité"}, 0));
    EXPECT_TRUE(judge({"Αθηναι"}, {"Ἀθῆναι"}, kVague));
    EXPECT_FALSE(judge({"еж"}, {"ёж"}, kVague)) << "ё is a letter of its own";
    EXPECT_FALSE(judge({"и"}, {"й"}, kVague));
    EXPECT_FALSE(judge({"かき"}, {"かぎ"}, kVague));
    EXPECT_FALSE(judge({"カラス"}, {"ガラス"}, kVague));

    // What a Linux input method types for the characters of a Shift-JIS file.
    EXPECT_TRUE(judge({"1〜3"}, {"1～3"}, 0));
    EXPECT_TRUE(judge({"a−b"}, {"a－b"}, 0));
    EXPECT_TRUE(judge({"‖"}, {"∥"}, 0));
    EXPECT_TRUE(judge({"—"}, {"―"}, 0));
    EXPECT_TRUE(judge({"¢£¬"}, {"￠￡￢"}, 0));
    EXPECT_TRUE(judge({"¥100"}, {"\\100"}, 0));

    // Symbol removal takes the punctuation of every script.
    EXPECT_TRUE(judge({"«Ça va?»"}, {"Ça va"}, kCompareIgnoreSymbols));
    EXPECT_TRUE(judge({"¿Qué?"}, {"Qué"}, kCompareIgnoreSymbols));
    EXPECT_FALSE(judge({"Qué"}, {"Que"}, kCompareIgnoreSymbols)) << "accents are no symbols";
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
