#include "text/Unicode.h"

#include <gtest/gtest.h>
#include <utf8proc.h>

#include <cstdlib>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

std::string Utf8(char32_t cp) {
    std::string s;
    AppendUtf8(s, cp);
    return s;
}

// utf8proc's own NFC, the reference for the fast path.
std::string LibraryNfc(const std::string& text) {
    utf8proc_uint8_t* nfc = utf8proc_NFC(reinterpret_cast<const utf8proc_uint8_t*>(text.c_str()));
    std::string out = nfc ? reinterpret_cast<const char*>(nfc) : "(error)";
    std::free(nfc);
    return out;
}

// The clusters NextGraphemeBoundary cuts the text into.
std::vector<std::string> Clusters(std::string_view text) {
    std::vector<std::string> out;
    for (int pos = 0; pos < static_cast<int>(text.size());) {
        int next = NextGraphemeBoundary(text, pos);
        out.emplace_back(text.substr(pos, next - pos));
        pos = next;
    }
    return out;
}

// Whether stepping back from every byte, also those inside a sequence, finds
// the start of the cluster that holds the byte before, as stepping forward
// cuts them.
testing::AssertionResult PreviousMatchesNext(std::string_view text) {
    std::vector<int> starts;
    for (int pos = 0; pos < static_cast<int>(text.size()); pos = NextGraphemeBoundary(text, pos)) {
        starts.push_back(pos);
    }
    for (int pos = 1, start = 0; pos <= static_cast<int>(text.size()); ++pos) {
        while (start + 1 < static_cast<int>(starts.size()) && starts[start + 1] < pos)
            ++start;
        int previous = PreviousGraphemeBoundary(text, pos);
        if (previous != starts[start]) {
            return testing::AssertionFailure()
                   << "from " << pos << ": " << previous << ", not " << starts[start];
        }
    }
    return testing::AssertionSuccess();
}

}  // namespace

TEST(Unicode, DecodesAndEncodesCodePoints) {
    struct Case {
        const char* text;
        char32_t cp;
        int length;
    };
    const Case cases[] = {
        {"A", U'A', 1},          {"é", U'é', 2},    {"あ", U'あ', 3},           {"Ａ", U'Ａ', 3},
        {"😀", U'\U0001F600', 4}, {"\x7F", 0x7F, 1}, {"\xEF\xBF\xBF", 0xFFFF, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int length = -1;
        EXPECT_EQ(DecodeUtf8(c.text, 0, &length), c.cp);
        EXPECT_EQ(length, c.length);
        EXPECT_EQ(Utf8SequenceLength(static_cast<unsigned char>(c.text[0])), c.length);
        EXPECT_EQ(Utf8(c.cp), c.text);
    }
    int length = -1;
    EXPECT_EQ(DecodeUtf8("ab", 2, &length), 0u);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(DecodeUtf8("ab", -1, &length), 0u);
    EXPECT_EQ(length, 0);
    for (unsigned char lead : {0x80, 0xBF, 0xC0, 0xC1, 0xF5, 0xFF}) {
        EXPECT_EQ(Utf8SequenceLength(lead), 0) << int(lead);
    }
    EXPECT_EQ(Utf8(0xD800), "\uFFFD");
    EXPECT_EQ(Utf8(0x110000), "\uFFFD");
}

TEST(Unicode, IllFormedBytesAreOneReplacementEach) {
    struct Case {
        std::string text;
        const char* nfc;
    };
    const Case cases[] = {
        {"a\xE3\x81", "a\uFFFD\uFFFD"},                    // sequence cut at the end
        {"\x81x", "\uFFFDx"},                              // lone continuation byte
        {"\xC0\xAF", "\uFFFD\uFFFD"},                      // overlong '/'
        {"\xE0\x80\xAF", "\uFFFD\uFFFD\uFFFD"},            // overlong, three bytes
        {"\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},            // a surrogate
        {"\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
        {"\xFF"
         "e\xCC\x81",
         "\uFFFD\u00E9"},  // bad byte before a mark
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nfc);
        EXPECT_EQ(NormalizeNfc(c.text), c.nfc);
        EXPECT_EQ(FoldCaseFull(c.text), FoldCaseFull(c.nfc));
        EXPECT_EQ(StripLatinGreekMarks(c.text), StripLatinGreekMarks(c.nfc));
        EXPECT_EQ(GraphemeCount(c.text), GraphemeCount(c.nfc));
        EXPECT_GE(TextColumns(c.text), 1);
    }

    // A view that ends inside a sequence: nothing past its end is read, even
    // though the bytes there would complete it.
    const std::string full = "x\xE3\x81\x82";  // x あ
    std::string_view cut(full.data(), 3);
    int length = 0;
    EXPECT_EQ(DecodeUtf8(cut, 1, &length), 0xFFFDu);
    EXPECT_EQ(length, 1);
    EXPECT_EQ(NextGraphemeBoundary(cut, 1), 2);
    EXPECT_EQ(NextGraphemeBoundary(cut, 2), 3);
    EXPECT_EQ(PreviousGraphemeBoundary(cut, 3), 2);
    EXPECT_EQ(GraphemeCount(cut), 3);
    EXPECT_EQ(NormalizeNfc(cut), "x\uFFFD\uFFFD");
}

TEST(Unicode, NfcComposesWhatTypingDecomposed) {
    struct Case {
        const char* input;
        const char* nfc;
    };
    const Case cases[] = {
        {"cafe\u0301", "caf\u00E9"},                   // café with a combining acute
        {"a\u0301\u0323", "\u1EA1\u0301"},             // marks put in canonical order
        {"\u212B", "\u00C5"},                          // ANGSTROM SIGN, a singleton
        {"\u2126", "\u03A9"},                          // OHM SIGN
        {"\u304B\u3099", "\u304C"},                    // か + voicing = が
        {"\u1100\u1161\u11A8", "\uAC01"},              // jamo to the syllable 각
        {"\uAC00\u11A8", "\uAC01"},                    // syllable + trailing jamo
        {"\u0915\u093C", "\u0915\u093C"},              // excluded from composition
        {"日本語のテキストが", "日本語のテキストが"},  // already NFC
        {"plain ASCII", "plain ASCII"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(NormalizeNfc(c.input), c.nfc);
        EXPECT_EQ(NormalizeNfc(c.nfc), c.nfc);
    }
}

TEST(Unicode, NfcFastPathAgreesWithTheLibraryForEveryCharacter) {
    // Each assigned character alone, after a letter, and before a mark and a
    // Hangul vowel: what the fast path leaves alone must be NFC already.
    for (char32_t cp = 1; cp <= 0x10FFFF; ++cp) {
        if (!utf8proc_codepoint_valid(static_cast<utf8proc_int32_t>(cp))) continue;
        auto category = utf8proc_category(static_cast<utf8proc_int32_t>(cp));
        if (category == UTF8PROC_CATEGORY_CN || category == UTF8PROC_CATEGORY_CO) continue;
        const std::string c = Utf8(cp);
        for (const std::string& text : {c, "A" + c, c + "\u0301", c + "\u1161"}) {
            ASSERT_EQ(NormalizeNfc(text), LibraryNfc(text)) << std::hex << uint32_t(cp);
        }
    }
}

TEST(Unicode, FoldCaseMatchesTextsThatDifferInCase) {
    struct Case {
        const char* a;
        const char* b;
        const char* folded;
    };
    const Case cases[] = {
        {"STRASSE", "Straße", "strasse"},
        {"МОСКВА", "Москва", "москва"},
        {"ÇA IRA", "Ça ira", "\u00E7a ira"},
        {"C\u0327A IRA", "Ça ira", "\u00E7a ira"},  // decomposed, result is NFC
        {"ΟΔΥΣΣΕΥΣ", "οδυσσευς", "οδυσσευσ"},       // final sigma
        {"ÉTÉ", "été", "été"},
        {"ＡＢＣ", "ａｂｃ", "ａｂｃ"},  // full-width letters fold too
        {"ひらがな", "ひらがな", "ひらがな"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.a);
        EXPECT_EQ(FoldCaseFull(c.a), c.folded);
        EXPECT_EQ(FoldCaseFull(c.b), c.folded);
    }
    EXPECT_NE(FoldCaseFull("Rome"), FoldCaseFull("Röme"));
    EXPECT_NE(FoldCaseFull("ひらがな"), FoldCaseFull("ヒラガナ"));
}

TEST(Unicode, StripsMarksOfLatinAndGreekOnly) {
    struct Case {
        const char* input;
        const char* stripped;
    };
    const Case cases[] = {
        {"absurdité", "absurdite"},
        {"absurdite\u0301", "absurdite"},  // typed with a combining acute
        {"Ἀθῆναι", "Αθηναι"},
        {"ᾠδή", "ωδη"},                    // iota subscript and breathing go too
        {"Tiếng Việt", "Tieng Viet"},      // two marks on one letter
        {"Ça ira, Ærø", "Ca ira, Ærø"},    // ø and Æ are letters of their own
        {"ɔ̃", "ɔ"},                        // IPA is Latin
        {"йод, ёж", "йод, ёж"},            // Cyrillic keeps its breve and diaeresis
        {"моло\u0301ко", "моло\u0301ко"},  // and a stress mark
        {"ぎ ガ ぱ", "ぎ ガ ぱ"},          // kana voicing is not a Latin mark
        {"日本", "日本"},
        {"plain", "plain"},
        // Marks of other scripts out of canonical order still come out in
        // NFC (a fuzz find): Arabic U+0616 (class 230) before U+0619 (class 33).
        {"\u0616\u0619!", "\u0619\u0616!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(StripLatinGreekMarks(c.input), c.stripped);
    }
}

TEST(Unicode, ColumnsFollowEastAsianWidth) {
    struct Case {
        char32_t cp;
        int columns;
    };
    const Case cases[] = {
        {U'A', 1},      {U' ', 1},      {U'é', 1},      {U'あ', 2},         {U'ア', 2},
        {U'ｱ', 1},      {U'Ａ', 2},     {U'\u3000', 2}, {U'漢', 2},         {U'\U00020B9F', 2},
        {U'한', 2},     {U'\u1100', 2}, {U'\u1161', 0}, {U'\u11A8', 0},     {U'\u0301', 0},
        {U'\u3099', 0}, {U'\t', 0},     {0x7F, 0},      {U'\u200D', 0},     {U'α', 1},
        {U'※', 1},      {0xD800, 1},    {0x110000, 1},  {U'\U0001F600', 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CharColumns(c.cp), c.columns) << std::hex << uint32_t(c.cp);
    }
    EXPECT_EQ(TextColumns("abc"), 3);
    EXPECT_EQ(TextColumns("日本語 text"), 11);
    EXPECT_EQ(TextColumns("cafe\u0301"), 4);
    EXPECT_EQ(TextColumns("\u1100\u1161\u11A8"), 2);          // one syllable in jamo
    EXPECT_EQ(TextColumns("\U0001F44D\U0001F3FD"), 2);        // thumbs up with a skin tone
    EXPECT_EQ(TextColumns("\U0001F469\u200D\U0001F4BB"), 2);  // woman technologist
}

TEST(Unicode, GraphemesAcrossScripts) {
    struct Case {
        const char* text;
        std::vector<std::string> clusters;
    };
    const std::vector<Case> cases = {
        {"cafe\u0301", {"c", "a", "f", "e\u0301"}},
        {"Straße", {"S", "t", "r", "a", "ß", "e"}},
        {"한국어", {"한", "국", "어"}},
        {"\u1112\u1161\u11AB\u1100\u116E\u11A8", {"\u1112\u1161\u11AB", "\u1100\u116E\u11A8"}},
        {"中文", {"中", "文"}},
        {"Ἀθῆναι", {"Ἀ", "θ", "ῆ", "ν", "α", "ι"}},
        {"\u0391\u0313\u03B8", {"\u0391\u0313", "\u03B8"}},
        {"йод", {"й", "о", "д"}},
        {"\u0438\u0306o", {"\u0438\u0306", "o"}},
        {"bɔ̃ʒuʁ", {"b", "ɔ̃", "ʒ", "u", "ʁ"}},
        {"a\u0323\u0302b", {"a\u0323\u0302", "b"}},
        {"\U0001F44D\U0001F3FDok", {"\U0001F44D\U0001F3FD", "o", "k"}},
        {"\U0001F468\u200D\U0001F469\u200D\U0001F467x",
         {"\U0001F468\u200D\U0001F469\u200D\U0001F467", "x"}},
        {"\U0001F1EF\U0001F1F5\U0001F1EB\U0001F1F7\U0001F1E9",
         {"\U0001F1EF\U0001F1F5", "\U0001F1EB\U0001F1F7", "\U0001F1E9"}},
        {"a\r\nb\n\r", {"a", "\r\n", "b", "\n", "\r"}},
        {"が\u304B\u3099", {"が", "\u304B\u3099"}},
        {"\u0915\u093F\u0937", {"\u0915\u093F", "\u0937"}},  // a vowel sign stays
        {"\u0301x", {"\u0301", "x"}},
        {"e\xCC\x81\x81\xCC\x81", {"e\xCC\x81", "\x81\xCC\x81"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string_view text = c.text;
        EXPECT_EQ(Clusters(text), c.clusters);
        EXPECT_EQ(GraphemeCount(text), static_cast<int>(c.clusters.size()));
        EXPECT_TRUE(PreviousMatchesNext(text));
    }
    EXPECT_EQ(NextGraphemeBoundary("ab", 2), 2);
    EXPECT_EQ(NextGraphemeBoundary("ab", 9), 2);
    EXPECT_EQ(PreviousGraphemeBoundary("ab", 0), 0);
    EXPECT_EQ(PreviousGraphemeBoundary("ab", 9), 1);
}

TEST(Unicode, MixedSequencesKeepBoundariesAndNormalForm) {
    // Random strings of the characters the cluster and composition rules turn
    // on, with stray bytes among them: stepping back finds the same clusters
    // as stepping forward, and NFC is utf8proc's and stable.
    const char* pool[] = {"a",      "e",          "\u0301",     "\u0323",     "\u0338",
                          "\u200D", "\U0001F468", "\U0001F3FD", "\U0001F1EF", "\U0001F1F5",
                          "\u1100", "\u1161",     "\u11A8",     "\uAC00",     "\r",
                          "\n",     "\t",         "\u0915",     "\u093F",     "\u094D",
                          "\u0600", "\u304B",     "\u3099",     "\u212B",     "\u00E9",
                          "\u1EA1", "\u2ADC",     "\u0F73",     "\xE3\x81",   "\x81"};
    const int poolSize = static_cast<int>(std::size(pool));
    std::mt19937 rng(20261209);
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        const int n = 1 + static_cast<int>(rng() % 12);
        for (int i = 0; i < n; ++i)
            text += pool[rng() % poolSize];
        SCOPED_TRACE(testing::PrintToString(text));

        ASSERT_EQ(GraphemeCount(text), static_cast<int>(Clusters(text).size()));
        ASSERT_TRUE(PreviousMatchesNext(text));

        std::string repaired;
        for (int pos = 0, length = 0; pos < static_cast<int>(text.size()); pos += length) {
            AppendUtf8(repaired, DecodeUtf8(text, pos, &length));
        }
        const std::string nfc = NormalizeNfc(text);
        ASSERT_EQ(nfc, LibraryNfc(repaired));
        ASSERT_EQ(NormalizeNfc(nfc), nfc);
        ASSERT_EQ(FoldCaseFull(nfc), FoldCaseFull(text));
    }
}
