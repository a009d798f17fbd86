#include <gtest/gtest.h>

#include "TestSupport.h"
#include "text/TString.h"

namespace {

std::string halfWidth(const char* utf8) {
    CLSTString s = Sj(utf8);
    return U8(s.toHalfWidth());
}

}  // namespace

TEST(Normalize, HalfWidthCoversEveryFullWidthSymbol) {
    // Every code 0x8140-0x8197 in order; the ones without a one-byte form stay.
    const char* symbols =
        "　、。，．・：；？！゛゜´｀¨＾￣＿ヽヾゝゞ〃仝々〆〇ー―‐／＼～∥｜…‥‘’“”（）〔〕［］｛｝〈"
        "〉《》"
        "「」『』【】＋－±×÷＝≠＜＞≦≧∞∴♂♀°′″℃￥＄￠￡％＃＆＊＠";
    const char* expected =
        " ､｡,.･:;?!ﾞﾟ´`¨^￣_ヽヾゝゞ〃仝々〆〇ｰ―‐/"
        "＼～∥|…‥‘'“\"()〔〕[]{}〈〉《》｢｣『』【】+-±×÷=≠<>≦≧"
        "∞∴♂♀°′″℃\\$￠￡%#&*@";
    EXPECT_EQ(halfWidth(symbols), expected);
}

TEST(Normalize, HalfWidthCoversEveryKatakana) {
    const char* katakana =
        "ァアィイゥウェエォオカガキギクグケゲコゴサザシジスズセゼソゾタダチヂッツヅテデトドナニヌネ"
        "ノハバパヒビピ"
        "フブプヘベペホボポマミムメモャヤュユョヨラリルレロヮワヰヱヲンヴヵヶ";
    const char* expected =
        "ｧｱｨｲｩｳｪｴｫｵｶｶﾞｷｷﾞｸｸﾞｹｹﾞｺｺﾞｻｻﾞｼｼﾞｽｽﾞｾｾﾞｿｿﾞﾀﾀﾞﾁﾁﾞｯﾂﾂﾞﾃﾃﾞﾄﾄﾞﾅﾆﾇﾈﾉﾊﾊﾞﾊﾟﾋﾋﾞﾋﾟ"
        "ﾌﾌﾞﾌﾟﾍﾍﾞﾍﾟﾎﾎﾞﾎﾟﾏﾐﾑﾒﾓｬﾔｭﾕｮﾖﾗﾘﾙﾚﾛヮﾜヰヱｦﾝヴｶｶ";
    EXPECT_EQ(halfWidth(katakana), expected);

    CLSTString unassigned = CLSTString::fromBytes("\x83\x7F", 2);
    EXPECT_EQ(unassigned.toHalfWidth(), CLSTString::fromBytes("\x83\x7F", 2));
}

TEST(Normalize, HalfWidthLettersDigitsAndOthers) {
    EXPECT_EQ(halfWidth("０１２３４５６７８９"), "0123456789");
    EXPECT_EQ(halfWidth("ＡＢＹＺａｂｙｚ"), "ABYZabyz");
    EXPECT_EQ(halfWidth("漢字ひらがなabc"), "漢字ひらがなabc") << "other characters are kept";
}

TEST(Normalize, KatakanaStepsOverTheUnassignedCode) {
    CLSTString s = Sj("ぁあみむゃん");
    s.toKatakana();
    EXPECT_EQ(U8(s), "ァアミムャン");
    CLSTString mu = Sj("む");
    mu.toKatakana();
    EXPECT_EQ(U8(mu), "ム") << "ム is 0x8380";
}

TEST(Normalize, RemoveSymbolsKeepsLettersKanaAndDigits) {
    CLSTString s = Sj("ア・イ ー、1");
    EXPECT_EQ(U8(s.removeSymbols()), "アイ1");
    CLSTString mixed = Sj("A-b_c!ｱｰｶﾞ〇漢│字");  // 〇 is before ０, │ a box line
    EXPECT_EQ(U8(mixed.removeSymbols()), "Abcｱｶ漢字");
    CLSTString keep = Sj("０Ａａぁ");
    EXPECT_EQ(U8(keep.removeSymbols()), "０Ａａぁ");
}

TEST(Normalize, UpperCaseFoldsOneByteLettersOnly) {
    CLSTString s = Sj("abcXYZ ａｚ αω ひら");
    EXPECT_EQ(U8(s.toUpper()), "ABCXYZ ａｚ αω ひら");
    CLSTString so = Sj("ソa");  // a trail byte in the letter range is not touched
    EXPECT_EQ(U8(so.toUpper()), "ソA");
}
