// The expansion walks the bracket tree; it must give exactly what the
// notation's rewriting gives, bounds included, and never take time that
// grows with the square of the field.

#include <gtest/gtest.h>

#include <random>

#include "TestSupport.h"
#include "sentence/Sentence.h"

namespace {

std::string shown(const CLSSentenceArray& answers, CLSExpandFailure failure) {
    std::string s =
        std::to_string(static_cast<int>(failure)) + ":" + std::to_string(answers.count()) + ":";
    for (const CLSSentence& a : answers) {
        s += "{";
        for (const CLSSentenceItem& item : a.items())
            s += item.isText() ? "'" + item.string().text().str() + "'"
                               : "<" + item.object().toMarkup().str() + ">";
        s += "}";
    }
    return s;
}

std::string byWalk(const std::string& markup) {
    CLSExpandFailure failure = CLSExpandFailure::kNone;
    CLSSentenceArray answers = ExpandAlternatives(CLSSentence(CLSTString(markup)), &failure);
    return shown(answers, failure);
}

std::string byRewriting(const std::string& markup) {
    CLSExpandFailure failure = CLSExpandFailure::kNone;
    CLSSentenceArray answers =
        ExpandAlternativesStepwise(CLSSentence(CLSTString(markup)), &failure);
    return shown(answers, failure);
}

// Nested groups of random shape, with the pieces that make the walk and
// the rewriting differ if anything does: escapes, objects, two-byte
// characters, lone lead bytes and empty alternatives.
std::string randomField(std::mt19937& rng, int depth) {
    static const char* const pieces[] = {"a",   "b",   "",   "\\i\"p.png\"", "\x82\xa0", "\\(x\\)",
                                         "\\n", "\\|", "\\", "\x82",         "(",        ")",
                                         "[",   "]",   "|"};
    std::string s;
    int parts = static_cast<int>(rng() % 4);
    for (int i = 0; i < parts; ++i) {
        unsigned r = rng() % 12;
        if (r < 6 || depth > 3) {
            // Stray brackets and bars only now and then.
            s += pieces[rng() % (r == 0 ? 15 : 9)];
        } else if (r < 10) {
            bool paren = rng() % 2 == 0;
            s += paren ? "(" : "[";
            int alternatives = 1 + static_cast<int>(rng() % 3);
            for (int k = 0; k < alternatives; ++k) {
                if (k > 0) s += "|";
                s += randomField(rng, depth + 1);
            }
            s += paren ? ")" : "]";
        } else {
            s += "|";
        }
    }
    return s;
}

}  // namespace

TEST(ExpandAlternatives, TheWalkGivesWhatTheRewritingGives) {
    std::mt19937 rng(20261209);
    for (int i = 0; i < 15000; ++i) {
        std::string field = randomField(rng, 0);
        ASSERT_EQ(byWalk(field), byRewriting(field)) << testing::PrintToString(field);
    }
    // Fields where escapes and bytes join what the tree keeps apart.
    for (const char* field : {"(a\\|b)", "x(a\\|b)y", "(a)b\\|c", "\\((a))|x|(y)", "\\[(a)b](c|d)",
                              "(\\(a)b)", "\\(a|(b)\\)", "\x82(a)", "(a\x82)b", "(a)\x82", "(a)\\",
                              "a\\|b|(c)", "[\\i\"p.png\"]x"}) {
        EXPECT_EQ(byWalk(field), byRewriting(field)) << testing::PrintToString(field);
    }
}

TEST(ExpandAlternatives, BoundsAreMetWhereTheRewritingMeetsThem) {
    const int limit = kMaxExpansionBytes;
    for (int d = -2; d <= 2; ++d) {
        // The first rewrite of [x] takes two bytes off: the bound is on
        // what is left.
        std::string fold = std::string(limit + d, 'p') + "[x]";
        std::string twice = std::string((limit - 6) / 2 + d, 'p') + "(x)";
        std::string later = "(x)[" + std::string(limit / 2 - 4 + d, 'p') + "]";
        std::string three =
            std::string(limit / 6 + d, 'p') + "[a|b|c]" + std::string(limit / 6, 'q');
        for (const std::string& field : {fold, twice, later, three}) {
            std::string walk = byWalk(field);
            EXPECT_EQ(walk, byRewriting(field)) << field.size();
        }
    }
    EXPECT_EQ(byWalk(std::string(limit - 1, 'p') + "[x]").substr(0, 4), "0:1:");
    EXPECT_EQ(byWalk(std::string(limit, 'p') + "[x]"), "3:0:");
}

TEST(ExpandAlternatives, DeepNestingIsExpandedAtOnce) {
    // Quadratic before: 100,000 levels took close to a minute.
    const int depth = 100000;
    std::string parens = std::string(depth, '(') + "a" + std::string(depth, ')');
    EXPECT_EQ(byWalk(parens), "2:0:") << "100,001 answers are too many";
    std::string brackets = std::string(depth, '[') + "a" + std::string(depth, ']');
    EXPECT_EQ(byWalk(brackets), "0:1:{'a'}");
    std::string some = std::string(9999, '(') + "a" + std::string(9999, ')');
    CLSSentenceArray answers = ExpandAlternatives(CLSSentence(CLSTString(some)));
    ASSERT_EQ(answers.count(), 10000);
    EXPECT_EQ(answers[0].toText(), "a");
    EXPECT_EQ(answers[9999].toText(), "");
    // Thirteen choices before 30,000 one-alternative brackets: every one of
    // the 8192 answers passes them.
    std::string chain;
    for (int i = 0; i < 13; ++i)
        chain += "(a)";
    chain += std::string(30000, '[') + "x" + std::string(30000, ']');
    answers = ExpandAlternatives(CLSSentence(CLSTString(chain)));
    ASSERT_EQ(answers.count(), 8192);
    EXPECT_EQ(answers[0].toText(), "aaaaaaaaaaaaax");
    EXPECT_EQ(answers[8191].toText(), "x");
}

TEST(ExpandAlternatives, FieldsLeftToTheRewritingNeverTakeLong) {
    // An escaped bar keeps these from the walk; thousands of levels would
    // take the rewriting the square of their length.
    std::string deep = std::string(20000, '(') + "a\\|b" + std::string(20000, ')');
    CLSExpandFailure failure = CLSExpandFailure::kNone;
    EXPECT_EQ(ExpandAlternativesStepwise(CLSSentence(CLSTString(deep)), &failure).count(), 0);
    EXPECT_EQ(failure, CLSExpandFailure::kTooComplex);
    EXPECT_EQ(byWalk(deep), "4:0:");
    EXPECT_STREQ(ExpandFailureText(failure),
                 "括弧の入れ子が深すぎて展開できないため、答えがありません。");
    // Shallow ones are expanded as ever.
    std::string shallow = std::string(50, '(') + "a\\|b" + std::string(50, ')');
    EXPECT_EQ(ExpandAlternatives(CLSSentence(CLSTString(shallow))).count(), 51);
    EXPECT_EQ(byWalk("x(a\\|b)y"), "0:3:{'xay'}{'xby'}{'xy'}");
}
