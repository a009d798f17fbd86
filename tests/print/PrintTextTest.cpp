#include <gtest/gtest.h>

#include "TestSupport.h"
#include "print/PrintTarget.h"
#include "print/PrintText.h"
#include "settings/VorelSettings.h"

namespace {

std::string number(const char* utf8Format, int t, int q, int Q) {
    return U8(NumberText(Sj(utf8Format), CLSPrintCounters{t, q, Q}));
}

std::string sentenceText(const CLSSentence& s) {
    return U8(s.toText());
}

}  // namespace

TEST(NumberFormats, PlaceholdersAndAmpersands) {
    EXPECT_EQ(number("&t. ", 3, 7, 2), "3. ");
    EXPECT_EQ(number("(&q) ", 3, 7, 2), "(7) ");
    EXPECT_EQ(number("&t-&Q", 3, 7, 2), "3-2");
    EXPECT_EQ(number("第&t章", 3, 7, 2), "第3章");
    EXPECT_EQ(number("問&q／&Q", 1, 12345, 100), "問12345／100");
    EXPECT_EQ(number("&&t", 3, 7, 2), "&t");
    EXPECT_EQ(number("&&&q", 3, 7, 2), "&7");
    // Anything else after "&" is kept, a final "&" too.
    EXPECT_EQ(number("&x&T &", 3, 7, 2), "&x&T &");
    EXPECT_EQ(number("", 3, 7, 2), "");
    // A two-byte character right after "&" is no placeholder, even when
    // its second byte is a "t" ("フ" is 0x83 0x74).
    EXPECT_EQ(number("&フ&t", 3, 7, 2), "&フ3");
}

TEST(NumberFormats, DrawnAsSentencesWithMarkup) {
    CLSSentence plain = NumberSentence(Sj("(&q) "), CLSPrintCounters{1, 4, 1});
    ASSERT_EQ(plain.count(), 1);
    EXPECT_EQ(sentenceText(plain), "(4) ");
    // Escapes are resolved as in question texts, and a picture may stand
    // in the format.
    CLSSentence marked = NumberSentence(Sj("\\i\"n.png\"\\(&t\\) 表"), CLSPrintCounters{2, 1, 1});
    ASSERT_EQ(marked.count(), 2);
    EXPECT_TRUE(marked.item(0).isObject());
    EXPECT_EQ(U8(marked.item(0).object().fileName), "n.png");
    EXPECT_EQ(U8(marked.item(1).markup()), "(2) 表");
}

TEST(PrintRules, StyleNamesAndPageRanges) {
    const char* names[] = {"なし", "実線", "破線", "点線", "1点鎖線", "2点鎖線"};
    for (int i = 0; i < kRuleStyleCount; ++i)
        EXPECT_EQ(U8(CLSTString(RuleStyleName(i))), names[i]);
    EXPECT_STREQ(RuleStyleName(6), "");
    EXPECT_STREQ(RuleStyleName(-1), "");

    // Pages 2-5 of a three-page document: pages 2 and 3.
    CLSPageRange range = PagesToPrint(true, 2, 5, 3);
    EXPECT_EQ(range.first, 1);
    EXPECT_EQ(range.last, 2);
    CLSPageRange all = PagesToPrint(false, 2, 5, 3);
    EXPECT_EQ(all.first, 0);
    EXPECT_EQ(all.last, 2);
    EXPECT_TRUE(PagesToPrint(false, 0, 0, 0).isEmpty()) << "an empty document prints nothing";
    EXPECT_TRUE(PagesToPrint(true, 4, 5, 3).isEmpty());
    EXPECT_FALSE(PagesToPrint(true, 3, 3, 3).isEmpty());
}

TEST(PrintRules, PrintFontLineKindsFollowTheFontOrder) {
    EXPECT_EQ(PrintFontLineKind(CLSVorelSettings::kPrintFontTitle), 55);
    EXPECT_EQ(PrintFontLineKind(CLSVorelSettings::kPrintFontAnswerNumber), 60);
    CLSVorelSettings settings;
    EXPECT_EQ(settings.printFont(CLSVorelSettings::kPrintFontAnswer).textColor,
              makeColour(255, 0, 0));
    EXPECT_EQ(settings.printFont(CLSVorelSettings::kPrintFontQuestion).size, 9);
}
