#include <gtest/gtest.h>

#include <set>

#include "TestSupport.h"
#include "text/Error.h"
#include "text/TString.h"

namespace {

void expectError(int code, const std::function<void()>& f) {
    try {
        f();
        ADD_FAILURE() << "no error raised";
    } catch (const CLSError& e) {
        EXPECT_EQ(e.code(), code);
        EXPECT_STREQ(e.source(), "TSTRING");
    }
}

}  // namespace

TEST(TString, CapacityFollowsLengthInUnitsOf256BothWays) {
    CLSTString s;
    EXPECT_EQ(s.capacity(), 256);
    EXPECT_EQ(s.text()[0], 0);
    s = CLSTString(std::string(254, 'x'));
    EXPECT_EQ(s.capacity(), 256);
    s.append('y');
    EXPECT_EQ(s.length(), 255);
    EXPECT_EQ(s.capacity(), 512);
    s.append(std::string(1000, 'z').c_str());
    EXPECT_EQ(s.capacity(), 256 * ((1255 + 1) / 256 + 1));
    s.erase(10);
    EXPECT_EQ(s.length(), 10);
    EXPECT_EQ(s.capacity(), 256) << "the buffer shrinks with the text";
    s.clear();
    EXPECT_EQ(s.capacity(), 256);
}

TEST(TString, ConstructionAndEditingCheckTheirRanges) {
    EXPECT_EQ(CLSTString("abcdef", 2, 3), "cde");
    EXPECT_EQ(CLSTString("abcdef", 2), "cdef");
    EXPECT_EQ(CLSTString(static_cast<const char*>(nullptr)), "");
    EXPECT_EQ(CLSTString(-42), "-42");
    EXPECT_EQ(CLSTString('q'), "q");
    expectError(CLSError::kParameter, [] { CLSTString("abc", 4); });
    expectError(CLSError::kParameter, [] { CLSTString("abc", 1, 3); });

    CLSTString s("hello");
    expectError(CLSError::kIndex, [&] { s.charAt(5); });
    expectError(CLSError::kIndex, [&] { s.charAt(-1); });
    expectError(CLSError::kParameter, [&] { s.replace(3, 3, "x"); });
    expectError(CLSError::kParameter, [&] { s.replace(-1, 1, "x"); });
    EXPECT_EQ(s, "hello") << "a failed range check leaves the string alone";

    s.replace(1, 3, "EYYYYY");
    EXPECT_EQ(s, "hEYYYYYo");
    s.replace(1, -1, nullptr);
    EXPECT_EQ(s, "h");
    s.insertChar(0, '>').append(12).append(CLSTString("!")).append('?');
    EXPECT_EQ(s, ">h12!?");
    // Replacing with a piece of the string itself.
    s.replace(0, 1, s.text() + 2);
    EXPECT_EQ(s, "12!?h12!?");
    EXPECT_EQ(CLSTString("ab") + "c" + 'd' + 5 + CLSTString("e"), "abcd5e");
}

TEST(TString, ScansSkipEscapesAndNeverMatchTrailBytes) {
    CLSTString s("a\\,b,c");
    EXPECT_EQ(s.find(",", 0, '\\'), 4);
    EXPECT_EQ(s.find(",", 0, 0), 2);
    EXPECT_EQ(s.findChar(',', 0, '\\'), 4);
    EXPECT_EQ(s.find(",", 5, '\\'), -1);

    CLSTString small_a = Sj("ァ");  // 0x83 0x40: the trail byte is '@'
    EXPECT_EQ(small_a.find("@"), -1);
    EXPECT_EQ(small_a.findFirstOf("@"), -1);
    CLSTString so = Sj("ソ\\");  // in CP932 the trail byte of ソ is a backslash
    EXPECT_EQ(so.findChar('\\'), 3);
    EXPECT_EQ(so.findFirstOf("\\"), 3);

    // findFirstOf finds an escape character that belongs to the set.
    CLSTString t("x\\(y(");
    EXPECT_EQ(t.findFirstOf("(\\", 0, '\\'), 1);
    EXPECT_EQ(t.findFirstOf("(", 0, '\\'), 4);
    EXPECT_EQ(CLSTString("abc").find("bcd"), -1) << "no reading past the end";
    expectError(CLSError::kParameter, [&] { t.find(nullptr); });
    expectError(CLSError::kParameter, [&] { t.findFirstOf(nullptr); });
}

TEST(TString, TokenizeKeepsEscapesAndHonoursMaxCount) {
    auto pieces = [](const CLSTStringArray& a) {
        std::vector<std::string> v;
        for (const CLSTString& s : a)
            v.push_back(s.str());
        return v;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(pieces(CLSTString("a,b,c").tokenize(',', 0, 2)), (V{"a", "b,c"}));
    EXPECT_EQ(pieces(CLSTString("a,b,c").tokenize(',', 0, 0)), (V{"a", "b", "c"}));
    EXPECT_EQ(pieces(CLSTString("a,b,c").tokenize(',', 0, 1)), (V{"a,b,c"}));
    EXPECT_EQ(pieces(CLSTString("").tokenize(',')), (V{""}));
    EXPECT_EQ(pieces(CLSTString("a\\,b,,c,").tokenize(',', '\\')), (V{"a\\,b", "", "c", ""}));
    CLSTString kana = Sj("ソ,ソ");
    EXPECT_EQ(kana.tokenize(',', '\\').count(), 2) << "a 0x5C trail byte is no escape";
}

TEST(TString, ReplaceAllContinuesAfterTheReplacement) {
    CLSTString s("aXbXc");
    s.replaceAll("X", "XX");
    EXPECT_EQ(s, "aXXbXXc");
    s.replaceAll("XX", 'Y');
    EXPECT_EQ(s, "aYbYc");
    s.replaceAll('Y', "\\,");
    EXPECT_EQ(s, "a\\,b\\,c");
    s.replaceAll(',', ';', '\\');
    EXPECT_EQ(s, "a\\,b\\,c") << "escaped commas are not replaced";
    s.removeAll('\\');
    EXPECT_EQ(s, "a,b,c");
    s.removeAll(",");
    EXPECT_EQ(s, "abc");
    expectError(CLSError::kParameter,
                [&] { s.replaceAll(static_cast<const char*>(nullptr), "x"); });
}

TEST(TString, EscapeMarkupRoundTrips) {
    CLSTString s("#1 (a)");
    s.escapeMarkup();
    EXPECT_EQ(s, "\\#1 \\(a\\)");
    CLSTString lines("x\r\ny\rz\nw");
    lines.escapeMarkup();
    EXPECT_EQ(lines, "x\\ny\\nz\\nw");
    CLSTString all("$a\\b[c]|d,e'f");
    all.escapeMarkup();
    EXPECT_EQ(all, "\\$a\\\\b\\[c\\]\\|d\\,e\\'f");
    all.unescapeMarkup();
    EXPECT_EQ(all, "$a\\b[c]|d,e'f");

    CLSTString kana = Sj("ソ表,");  // both have 0x5C trail bytes
    CLSTString escaped = kana;
    escaped.escapeMarkup();
    EXPECT_EQ(escaped, Sj("ソ表\\,"));
    escaped.unescapeMarkup();
    EXPECT_EQ(escaped, kana);

    CLSTString broken("\\n\\\\x\\");
    broken.unescapeMarkup();
    EXPECT_EQ(broken, "\r\n\\x") << "a lone final backslash escapes nothing and goes";
}

TEST(TString, QuoteCsvAndNumbers) {
    EXPECT_EQ(CLSTString("plain").quoteCsv(), "plain");
    EXPECT_EQ(CLSTString("a\"b").quoteCsv(), "\"a\"\"b\"");
    EXPECT_EQ(CLSTString("x\r\ny").quoteCsv(), "\"x\ny\"");
    EXPECT_EQ(CLSTString("x\ry\tz").quoteCsv(), "\"x\ny\tz\"");

    EXPECT_EQ(CLSTString("0x0000FF").toInteger(), 255 * 65536);
    EXPECT_EQ(CLSTString("0x010203").toInteger(), 1 + 2 * 256 + 3 * 65536);
    EXPECT_EQ(CLSTString("0x1F").toInteger(), 31);
    EXPECT_EQ(CLSTString("0X1f").toInteger(), 31);
    EXPECT_EQ(CLSTString("123abc").toInteger(), 123);
    EXPECT_EQ(CLSTString("-7").toInteger(), -7);
    EXPECT_EQ(CLSTString("abc").toInteger(), 0);
    EXPECT_EQ(CLSTString("").toInteger(), 0);

    EXPECT_TRUE(CLSTString("50%").isPercent());
    EXPECT_TRUE(CLSTString("%").isPercent());
    EXPECT_TRUE(CLSTString("5%x").isPercent());
    EXPECT_FALSE(CLSTString("50").isPercent());
    EXPECT_FALSE(CLSTString("").isPercent());
}

TEST(TString, ComparisonsFoldOnlyOneByteLetters) {
    EXPECT_TRUE(CLSTString("abc") == "abc");
    EXPECT_FALSE(CLSTString("abc") == "ABC");
    EXPECT_EQ(CLSTString("abc").compareNoCase("ABC"), 0);
    EXPECT_LT(CLSTString("abc").compareNoCase("ABD"), 0);
    EXPECT_LT(CLSTString("ab").compareNoCase("abc"), 0);
    EXPECT_TRUE(CLSTString("Apple") < CLSTString("banana"));
    EXPECT_FALSE(CLSTString("banana") < CLSTString("Apple"));
    // The trail byte of ａ (0x82 0x81) is not a letter to fold.
    CLSTString fullA = Sj("ａ");
    CLSTString fullBigA = Sj("Ａ");
    EXPECT_NE(fullA.compareNoCase(fullBigA.text()), 0);
}

// Sort keys made once order texts as comparing them case-insensitively does,
// for any bytes: letters, two-byte characters whose trail byte is a letter
// (ア is 0x83 0x41), lead bytes without a trail and lone bytes at the end.
TEST(TString, NoCaseKeysOrderAsCompareNoCase) {
    const std::string pieces[] = {"a",        "A",        "z",        "Z",    "[", "`",    "\x83",
                                  "\x83\x41", "\x83\x61", "\x82\x60", "\xFC", " ", "\x7F", "\x80"};
    uint32_t seed = 2024;
    auto next = [&seed](uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    auto text = [&] {
        std::string s;
        for (uint32_t k = next(6); k > 0; --k)
            s += pieces[next(14)];
        return s;
    };
    auto sign = [](int c) { return (c > 0) - (c < 0); };
    for (int round = 0; round < 20000; ++round) {
        std::string a = text();
        std::string b = round % 3 == 0 ? a + text() : text();
        std::string ka;
        std::string kb;
        AppendNoCaseKey(ka, a);
        AppendNoCaseKey(kb, b);
        ASSERT_EQ(sign(std::string_view(ka).compare(kb)), sign(CompareNoCase(a, b)))
            << testing::PrintToString(a) << " " << testing::PrintToString(b);
    }
}

TEST(TStringArray, GrowsGeometricallyAndChecksIndexes) {
    CLSTStringArray a;
    EXPECT_EQ(a.capacity(), 16);
    for (int i = 0; i < 17; ++i)
        a.add(CLSTString(i));
    EXPECT_EQ(a.count(), 17);
    EXPECT_EQ(a.capacity(), 32);
    // A long line is cut into a long array: it must not be moved once per
    // 16 pieces.
    CLSTStringArray big;
    std::set<int> capacities;
    for (int i = 0; i < 10000; ++i) {
        big.add(CLSTString("x"));
        capacities.insert(big.capacity());
    }
    EXPECT_LE(capacities.size(), 11u);
    CLSTStringArray inserted;
    for (int i = 0; i < 1000; ++i)
        inserted.insert(0, CLSTString(i));
    EXPECT_EQ(inserted.capacity(), 1024);
    EXPECT_EQ(inserted[0], "999");
    EXPECT_EQ(a[16], "16");
    CLSTStringArray copy = a;
    copy[0] = "changed";
    EXPECT_EQ(a[0], "0") << "copies own their strings";
    expectError(CLSError::kIndex, [&] { a.at(17); });
    expectError(CLSError::kIndex, [&] { a.at(-1); });
    a.insert(0, CLSTString("first"));
    a.remove(1);
    EXPECT_EQ(a[0], "first");
    EXPECT_EQ(a[1], "1");
}
