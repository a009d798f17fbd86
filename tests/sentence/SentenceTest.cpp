#include <gtest/gtest.h>

#include "TestSupport.h"
#include "sentence/Sentence.h"
#include "text/Error.h"

namespace {

// Items as readable strings: text runs as they are, objects as their markup
// in angle brackets.
std::vector<std::string> itemsOf(const CLSSentence& s) {
    std::vector<std::string> v;
    for (const CLSSentenceItem& item : s.items()) {
        v.push_back(item.isText() ? std::string(item.string().view())
                                  : "<" + item.object().toMarkup().str() + ">");
    }
    return v;
}

using Items = std::vector<std::string>;

std::vector<Items> expand(const char* markup) {
    std::vector<Items> out;
    for (const CLSSentence& s : ExpandAlternatives(CLSSentence(CLSTString(markup)))) {
        out.push_back(itemsOf(s));
    }
    return out;
}

using Answers = std::vector<Items>;

}  // namespace

TEST(Sentence, ParseFindsObjectsOnlyWhereTheMarkerIsComplete) {
    EXPECT_TRUE(CLSSentence(CLSTString("")).isEmpty());
    EXPECT_EQ(CLSSentence(CLSTString("")).markupLength(), 0);
    EXPECT_EQ(itemsOf(CLSSentence(CLSTString("A\\i\"p.png\"B"))),
              (Items{"A", "<\\i\"p.png\">", "B"}));
    EXPECT_EQ(itemsOf(CLSSentence(CLSTString("\\i\"\""))), (Items{"\\i\"\""}));
    EXPECT_EQ(itemsOf(CLSSentence(CLSTString("\\I\"p.png\""))), (Items{"\\I\"p.png\""}));
    EXPECT_EQ(itemsOf(CLSSentence(CLSTString("x\\i\"open"))), (Items{"x\\i\"open"}));
    EXPECT_EQ(itemsOf(CLSSentence(CLSTString("\\i\"a.png\"\\m\"b.avi\""))),
              (Items{"<\\i\"a.png\">", "<\\i\"b.avi\">"}));
    // ソ ends in the byte of a backslash; it is no marker.
    CLSTString so = Sj("ソi\"x\"");
    EXPECT_EQ(CLSSentence(so).count(), 1);
    EXPECT_TRUE(CLSSentence(so).item(0).isText());
    // The marker scan does not honour escapes: a literal backslash before i" is an object.
    EXPECT_EQ(itemsOf(CLSSentence(CLSTString("\\\\i\"p.png\""))), (Items{"\\", "<\\i\"p.png\">"}));
    EXPECT_THROW(CLSSentence(CLSTString("x")).item(1), CLSError);
}

TEST(Sentence, ObjectAttributesAndSizes) {
    CLSSentence s(CLSTString("\\i\"p.png|WIDTH=50%|srcleft=-10|loop=0|bogus|x=1=2|height=-30\""));
    const CLSSentenceItemObject& o = s.item(0).object();
    EXPECT_EQ(o.fileName, "p.png");
    EXPECT_EQ(o.width, -50);
    EXPECT_EQ(o.height, 30) << "the sign of a width or height is dropped";
    EXPECT_EQ(o.srcleft, -10);
    EXPECT_EQ(o.loop, -1);
    EXPECT_EQ(o.interval, 1);
    EXPECT_TRUE(o.autoplay);
    EXPECT_EQ(o.toMarkup(), "\\i\"p.png|width=50%|height=30|srcleft=10%|loop=-1\"");

    CLSSentence video(CLSTString("\\m\"v.avi|interval=1|autoplay=1\""));
    EXPECT_EQ(video.toMarkup(), "\\i\"v.avi\"");
    CLSSentence all(
        CLSTString("\\i\"v.avi|srcwidth=20|srcHeight=10%|srctop=5|loop=3|interval=0|autoplay=0|"
                   "showcontrol=7\""));
    EXPECT_EQ(all.toMarkup(),
              "\\i\"v.avi|srcwidth=20|srcHeight=10%|srctop=5|loop=3|interval=0|autoplay=0|"
              "showcontrol=1\"");

    // Sizes from a 200 x 100 picture.
    CLSSentenceItemObject box = CLSSentenceItemObject::fromObjectText(
        CLSTString("b.png|srcleft=10%|srctop=0|srcwidth=0|srcHeight=-50|width=50%"));
    EXPECT_EQ(box.sourceLeft(200), 20);
    EXPECT_EQ(box.sourceTop(100), 0);
    EXPECT_EQ(box.sourceWidth(200), 180);
    EXPECT_EQ(box.sourceHeight(100), 50);
    EXPECT_EQ(box.viewWidth(200), 90);
    EXPECT_EQ(box.viewHeight(100), 50) << "height 0 counts as 100 percent";
    CLSSentenceItemObject fixed =
        CLSSentenceItemObject::fromObjectText(CLSTString("b.png|width=64|srcwidth=30"));
    EXPECT_EQ(fixed.viewWidth(200), 64);
    EXPECT_EQ(fixed.sourceWidth(200), 30);
}

TEST(Sentence, SizesAtTheEndsOfTheIntegerRangeKeepTheirMeaning) {
    // The smallest int has no magnitude of its own: it is kept as the largest.
    CLSSentence min(CLSTString("\\i\"a.png|width=-2147483648|srcleft=-2147483648\""));
    EXPECT_EQ(min.item(0).object().width, 2147483647);
    EXPECT_EQ(min.toMarkup(), "\\i\"a.png|width=2147483647|srcleft=2147483647%\"");
    // Digits past the range wrap as every number of the file does, and a
    // percentage stays a percentage.
    CLSSentence wrapped(CLSTString("\\i\"a.png|width=2147483648%\""));
    EXPECT_EQ(wrapped.item(0).object().width, -2147483647);
    EXPECT_EQ(wrapped.toMarkup(), "\\i\"a.png|width=2147483647%\"");
}

TEST(Sentence, MarkupTextAndEquality) {
    CLSSentence s(CLSTString("#a\\,b\\i\"p.png\"c"));
    s.unescape();
    EXPECT_EQ(itemsOf(s), (Items{"#a,b", "<\\i\"p.png\">", "c"}));
    EXPECT_EQ(s.toMarkup(), "\\#a\\,b\\i\"p.png\"c");
    EXPECT_EQ(s.toText(), "#a,b\\i\"p.png\"c");
    EXPECT_EQ(s.markupLength(), 4 + 9 + 1);

    CLSSentence a(CLSTString("\\i\"x.png|loop=2\""));
    CLSSentence b(CLSTString("\\i\"x.png|loop=5\""));
    CLSSentence c(CLSTString("\\i\"x.png|srcHeight=5\""));
    EXPECT_TRUE(a.equals(b)) << "playback attributes do not count";
    EXPECT_FALSE(a.equals(c));
    EXPECT_FALSE(CLSSentence(CLSTString("ab")).equals(CLSSentence(CLSTString("AB"))));
    CLSSentence emptyRun;
    emptyRun.addText("");
    EXPECT_FALSE(emptyRun.equals(CLSSentence()));

    CLSSentence joined = CLSSentence(CLSTString("ab")) + CLSSentence(CLSTString("cd")) + a;
    EXPECT_EQ(itemsOf(joined), (Items{"abcd", "<\\i\"x.png|loop=2\">"}));

    CLSSentence lines(CLSTString("a\\nb"));
    lines.unescape();
    EXPECT_EQ(itemsOf(lines), (Items{"a\r\nb"}));
    lines.removeLineBreaks();
    EXPECT_EQ(itemsOf(lines), (Items{"ab"}));
    lines.replaceText("b", "xyz");
    EXPECT_EQ(itemsOf(lines), (Items{"axyz"}));
}

TEST(Sentence, DivideKeepsObjectsInTheirPieceAndEmptyParts) {
    CLSSentenceArray pieces = CLSSentence(CLSTString("x\\i\"p.png\"y|z")).divide('|', '\\');
    ASSERT_EQ(pieces.count(), 2);
    EXPECT_EQ(itemsOf(pieces[0]), (Items{"x", "<\\i\"p.png\">", "y"}));
    EXPECT_EQ(itemsOf(pieces[1]), (Items{"z"}));

    pieces = CLSSentence(CLSTString("\\i\"p.png\"|")).divide('|', '\\');
    ASSERT_EQ(pieces.count(), 2);
    EXPECT_EQ(itemsOf(pieces[0]), (Items{"<\\i\"p.png\">", ""}));
    EXPECT_EQ(itemsOf(pieces[1]), (Items{""}));

    pieces = CLSSentence(CLSTString("a|b\\|c|d")).divide('|', '\\', 2);
    ASSERT_EQ(pieces.count(), 2);
    EXPECT_EQ(itemsOf(pieces[1]), (Items{"b\\|c|d"}));
    EXPECT_EQ(CLSSentence().divide('|', '\\').count(), 1);

    CLSSentenceArray hints;
    hints.add(CLSSentence(CLSTString("a,b")));
    hints.add(CLSSentence(CLSTString("c")));
    hints[0].unescape();
    EXPECT_EQ(hints.join('|'), "a\\,b|c");
}

TEST(ExpandAlternatives, ExamplesAndOrder) {
    EXPECT_EQ(expand("colo(u)r"), (Answers{{"colour"}, {"color"}}));
    EXPECT_EQ(expand("[a|b](c)"), (Answers{{"ac"}, {"a"}, {"bc"}, {"b"}}));
    EXPECT_EQ(expand("a(b(c))"), (Answers{{"abc"}, {"ab"}, {"a"}}));
    EXPECT_EQ(expand("x|[y|z]w"), (Answers{{"x"}, {"yw"}, {"zw"}}));
    EXPECT_EQ(expand("\\(b\\)"), (Answers{{"(b)"}}));
    EXPECT_EQ(expand("a\\|b"), (Answers{{"a|b"}}));
    EXPECT_EQ(expand("(x)"), (Answers{{"x"}, {""}})) << "an empty alternative is one empty run";
    EXPECT_EQ(expand("(a|b)"), (Answers{{"a"}, {"b"}, {""}}));
    EXPECT_EQ(expand("a||b"), (Answers{{"a"}, {""}, {"b"}}));
    EXPECT_EQ(expand(""), (Answers{{}}));
    EXPECT_EQ(expand("p\\,q"), (Answers{{"p,q"}}));
}

TEST(ExpandAlternatives, MalformedAndOversizedFieldsGiveNothing) {
    EXPECT_TRUE(expand("a\\(b").empty());
    EXPECT_TRUE(expand("a]").empty());
    EXPECT_TRUE(expand("[a)").empty());
    EXPECT_TRUE(expand("(a").empty());
    std::string huge;
    for (int i = 0; i < 30; ++i)
        huge += "[a|b]";
    EXPECT_TRUE(expand(huge.c_str()).empty());
    std::string many;
    for (int i = 0; i < 13; ++i)
        many += "[a|b]";
    EXPECT_EQ(expand(many.c_str()).size(), 8192u);
}

TEST(ExpandAlternatives, BoundsHoldForPlainFieldsAndTheWholeWorkingText) {
    std::string plain = "x";
    for (int i = 0; i < 10000; ++i)
        plain += "|x";
    EXPECT_TRUE(expand(plain.c_str()).empty()) << "10,001 alternatives without brackets";
    plain.resize(plain.size() - 2);
    EXPECT_EQ(expand(plain.c_str()).size(), 10000u);

    // Two alternatives of 300 KB, each rewritten to 600 KB: what is left to
    // rewrite never passes 1 MiB, the whole working text does.
    std::string part(300 * 1024, 'p');
    std::string twoParts = part + "(x)|" + part + "(y)";
    EXPECT_TRUE(expand(twoParts.c_str()).empty());
    std::string onePart = part + "(x)|z(y)";
    EXPECT_EQ(expand(onePart.c_str()).size(), 4u);

    // An object counts with its markup, not as one character.
    std::string bigObject = "[\\i\"" + std::string(600 * 1024, 'o') + ".png\"|y](z)";
    EXPECT_TRUE(expand(bigObject.c_str()).empty());
    std::string smallObject = "[\\i\"o.png\"|y](z)";
    EXPECT_EQ(expand(smallObject.c_str()).size(), 4u);
}

TEST(ExpandAlternatives, ALoneBackslashAtTheEndOfARunIsNoCharacter) {
    EXPECT_EQ(expand("abc\\"), (Answers{{"abc"}}));
    EXPECT_EQ(expand("a\\|b"), (Answers{{"a|b"}})) << "an escape is still an escape";
    EXPECT_EQ(expand("a|b\\"), (Answers{{"a"}, {"b"}}));
    EXPECT_EQ(expand("x\\\\i\"p.png\""), (Answers{{"x", "<\\i\"p.png\">"}}))
        << "the backslash before an object ends its run";
    CLSSentence text(CLSTString("end\\"));
    text.unescape();
    EXPECT_EQ(text.toText(), "end");
}

TEST(ExpandAlternatives, TwoByteCharactersAndObjects) {
    // ー and ソ carry bracket and backslash bytes as their second byte.
    CLSTString field = Sj("[ソー|ボール](ド)");
    CLSSentenceArray answers = ExpandAlternatives(CLSSentence(field));
    ASSERT_EQ(answers.count(), 4);
    EXPECT_EQ(U8(answers[0].toText()), "ソード");
    EXPECT_EQ(U8(answers[3].toText()), "ボール");

    EXPECT_EQ(expand("[\\i\"a.png\"|b]c"), (Answers{{"<\\i\"a.png\">", "c"}, {"bc"}}));
    EXPECT_EQ(expand("\\i\"a.png\"|x"), (Answers{{"<\\i\"a.png\">", ""}, {"x"}}));
}
