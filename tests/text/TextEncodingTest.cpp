// Telling UTF-8 from CP932 by the bytes of a file's start.

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "text/Codec.h"
#include "text/TextEncoding.h"

namespace {

const char* kWords =
    "りんご,apple\r\nありがとう,thank you\r\n日本語,Japanese\r\n英語,English\r\n"
    "こんにちは,hello\r\n";

}  // namespace

TEST(TextEncoding, DetectsUtf8ByItsMarkOrItsValidity) {
    std::string utf8 = kWords;
    std::string cp932 = Utf8ToCp932Literal(kWords);
    EXPECT_EQ(DetectTextEncoding(utf8, true), CLSTextEncoding::kUtf8);
    EXPECT_EQ(DetectTextEncoding(cp932, true), CLSTextEncoding::kCp932);
    EXPECT_EQ(DetectTextEncoding("plain,ascii\r\n", true), CLSTextEncoding::kCp932);
    EXPECT_EQ(DetectTextEncoding(std::string(kUtf8Bom) + "plain", true), CLSTextEncoding::kUtf8);
    EXPECT_EQ(DetectTextEncoding(std::string(kUtf8Bom), true), CLSTextEncoding::kUtf8);
    EXPECT_EQ(DetectTextEncoding("", true), CLSTextEncoding::kCp932);
    // A few UTF-8 words may also be valid CP932; they are still UTF-8.
    EXPECT_EQ(DetectTextEncoding("犬,dog\r\n猫,cat\r\n", true), CLSTextEncoding::kUtf8);
    EXPECT_EQ(DetectTextEncoding(Utf8ToCp932Literal("ｶﾀｶﾅ,katakana"), true),
              CLSTextEncoding::kCp932);

    // A sample cut in the middle of a character keeps its verdict...
    std::string cutUtf8 = utf8 + "\xE3\x81";
    EXPECT_EQ(DetectTextEncoding(cutUtf8, false), CLSTextEncoding::kUtf8);
    std::string cutCp932 = cp932 + "\x82";
    EXPECT_EQ(DetectTextEncoding(cutCp932, false), CLSTextEncoding::kCp932);
    // ... but a whole file that ends in half a character is not UTF-8.
    EXPECT_EQ(DetectTextEncoding(cutUtf8, true), CLSTextEncoding::kCp932);
}

TEST(TextEncoding, Utf8ValidityRejectsWhatConvertersWouldMangle) {
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));       // U+1F600
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));              // overlong "/"
    EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));          // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));          // a surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));      // beyond U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xF8\x88\x80\x80\x80"));  // no such lead byte
    EXPECT_FALSE(IsValidUtf8("\x80"));
    EXPECT_FALSE(IsValidUtf8("a\xE3\x81", false));
    EXPECT_TRUE(IsValidUtf8("a\xE3\x81", true));
    EXPECT_FALSE(IsValidUtf8("\xE3\x81z", true)) << "a broken sequence is no cut";

    CLSTextEncoding e = CLSTextEncoding::kCp932;
    EXPECT_TRUE(ParseTextEncoding("UTF8", e));
    EXPECT_EQ(e, CLSTextEncoding::kUtf8);
    EXPECT_TRUE(ParseTextEncoding("Shift_JIS", e));
    EXPECT_EQ(e, CLSTextEncoding::kCp932);
    EXPECT_FALSE(ParseTextEncoding("latin1", e));
    EXPECT_STREQ(TextEncodingName(CLSTextEncoding::kUtf8), "utf-8");
}
