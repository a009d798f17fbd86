#include <gtest/gtest.h>

#include "DocFixture.h"
#include "data/DataLineFormat.h"

namespace {

std::vector<std::string> markups(const CLSSentenceArray& list) {
    std::vector<std::string> v;
    for (const CLSSentence& s : list)
        v.push_back(U8(s.toMarkup()));
    return v;
}

using V = std::vector<std::string>;

// The fields of a line, cut at commas that no backslash escapes.
std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == ',') {
            fields.emplace_back();
            continue;
        }
        fields.back() += line[i];
        if (line[i] == '\\' && i + 1 < line.size()) fields.back() += line[++i];
    }
    return fields;
}

CLSVorelDataQuestion question(const char* utf8, int historySize = 5) {
    CLSVorelDataQuestion q;
    EXPECT_TRUE(ParseQuestionLine(Sj(utf8), historySize, q)) << utf8;
    return q;
}

}  // namespace

TEST(QuestionLine, ReadsEveryField) {
    CLSVorelDataQuestion q =
        question("りんご,赤い|果物,apple|an apple,,秋,=21,11101010930,00000000000");
    EXPECT_EQ(U8(q.getQuestion().toMarkup()), "りんご");
    EXPECT_EQ(markups(q.hints()), (V{"赤い", "果物"}));
    EXPECT_EQ(markups(q.answers()), (V{"apple", "an apple"}));
    EXPECT_TRUE(q.choices().isEmpty());
    EXPECT_EQ(U8(q.getComment().toMarkup()), "秋");
    EXPECT_EQ(q.mark(), 1);
    EXPECT_EQ(q.group(), 2);
    EXPECT_EQ(q.answerCount(), 2);
    ASSERT_EQ(q.history().size(), 2u);
    EXPECT_EQ(q.history()[0], (CLSHistoryEntry{1, 2011, 1, 1, 9, 30}));
    EXPECT_EQ(q.history()[1], (CLSHistoryEntry{0, 2000, 0, 0, 0, 0}));
    EXPECT_EQ(U8(WriteQuestionLine(q, 30)),
              "りんご,赤い|果物,apple|an apple,,秋,=21,11101010930,00000000000");
}

TEST(QuestionLine, AttributesHistoryAndAnswerCount) {
    EXPECT_EQ(question("q,,a|b,,,=31").answerCount(), 2);
    EXPECT_EQ(question("q,,a,,,=31").answerCount(), 1) << "more than there are answers";
    EXPECT_EQ(question("q,,a,,,<00").history().size(), 0u);
    EXPECT_EQ(question("q,,a,,,<00,11101010930", 0).history().size(), 0u) << "HistorySize 0";
    CLSVorelDataQuestion shortEntry = question("q,,a,,,<00,1260101", 2);
    EXPECT_EQ(shortEntry.history().size(), 0u) << "fewer than 11 characters end the history";
    CLSVorelDataQuestion three = question("q,,a,,,<00,12601011200,02601021200,12601031200", 2);
    ASSERT_EQ(three.history().size(), 2u) << "the oldest are dropped";
    EXPECT_EQ(three.history()[0].result, 0);
    EXPECT_EQ(three.history()[1].day, 3);

    CLSVorelDataQuestion q;
    for (const char* bad :
         {"q,,a,,", "q,,a,,,<0", "q,,a,,,<000", "q,,a,,,x00", "q,,a,,,<x0", "q,,a,,,<0y"}) {
        EXPECT_FALSE(ParseQuestionLine(CLSTString(bad), 5, q)) << bad;
    }
}

TEST(QuestionLine, FieldsKeepSeparatorsAndObjects) {
    CLSVorelDataQuestion q;
    q.setQuestion(CLSSentence(Sj("a,b'c|d\\e")));  // runs are literal after unescape
    CLSSentence text = q.getQuestion();
    text.unescape();
    q.setQuestion(text);
    CLSSentence comment;
    comment.addText("line1\r\nline2 (x) [y] #z");
    q.setComment(comment);
    CLSSentenceArray answers;
    CLSSentence ans;
    ans.addText("1,000");
    answers.add(ans);
    q.setAnswers(answers);
    CLSTString line = WriteQuestionLine(q, 30);
    CLSVorelDataQuestion back;
    ASSERT_TRUE(ParseQuestionLine(line, 5, back)) << U8(line);
    EXPECT_TRUE(back.getQuestion().equals(q.getQuestion()));
    EXPECT_TRUE(back.getComment().equals(q.getComment()));
    ASSERT_EQ(back.getAnswerCount(), 1);
    EXPECT_EQ(U8(back.getAnswer(0).toText()), "1,000");

    CLSVorelDataQuestion media = question("\\i\"a,b.png|width=5\"x,h,ans,,c,<00");
    ASSERT_EQ(media.getQuestion().count(), 2);
    EXPECT_EQ(media.getQuestion().item(0).object().fileName, "a,b.png");
}

TEST(QuestionLine, MalformedAnswerFieldsAreKeptAsWritten) {
    CLSVorelDataQuestion q = question("q,,a(b,x[|,,<00");
    EXPECT_TRUE(q.answers().isEmpty());
    EXPECT_TRUE(q.choices().isEmpty());
    EXPECT_EQ(U8(WriteQuestionLine(q, 30)), "q,,a(b,x[|,,<00");
    // Editing the list drops the kept text.
    q.setAnswerSentence(0, CLSSentence(CLSTString("fixed")));
    EXPECT_EQ(U8(WriteQuestionLine(q, 30)), "q,,fixed,x[|,,<00");

    std::string bomb = "q,,";
    for (int i = 0; i < 30; ++i)
        bomb += "[a|b]";
    bomb += ",,,<00";
    CLSVorelDataQuestion big = question(bomb.c_str());
    EXPECT_TRUE(big.answers().isEmpty());
    EXPECT_EQ(U8(WriteQuestionLine(big, 30)), bomb);

    CLSVorelDataQuestion empty = question("q,,(x),,,<00");
    ASSERT_EQ(empty.getAnswerCount(), 2);
    EXPECT_EQ(empty.getAnswer(1).count(), 1) << "an empty alternative is one empty run";
    EXPECT_TRUE(question("q,,,,,<00").answers().isEmpty()) << "an empty field is no answer";
}

TEST(QuestionLine, UneditedFieldsAreWrittenAsRead) {
    using Q = CLSVorelDataQuestion;
    // Notation, needless escapes, objects as typed (\m, key case, unknown
    // and malformed attributes, a nameless object) and history.
    const char* lines[] = {
        "colo(u)r\\q,ヒ\\|ント|\\(h2\\),colo(u)r|[red|green|blue],東京(都)|大阪,注\\n記\\!,<01",
        ("\\m\"V.AVI|Width=50%|unknown=1|loop=0\"問\\i\"|width=5\",\\i\"H.PNG|HEIGHT=3\"h,"
         "a\\i\"A.png|x=1=2\"(s),,\\i\"c.png\",=91,11212121212"),
        "\\\\i\"p.png\"x,,[a|b]c\\,d,(x),c\\\\\\\\,<00",
    };
    for (const char* line : lines) {
        Q q = question(line);
        EXPECT_EQ(U8(WriteQuestionLine(q, 30)), line);
        // An empty field writes back as nothing without its text.
        std::vector<std::string> texts = SplitFields(line);
        for (int f = 0; f < Q::kFieldCount; ++f) {
            EXPECT_EQ(q.isFieldAsRead(static_cast<Q::Field>(f)), !texts[f].empty())
                << line << " field " << f;
        }
    }
    // Plain fields, which the model writes back byte for byte, keep no copy
    // of their text; the line is still written as read.
    for (const char* line : {"q,h1|h2,a|b,c,m,<00", "café 1,,é|è,,ɔ̃,=11,11212121212"}) {
        Q plain = question(line);
        EXPECT_EQ(U8(WriteQuestionLine(plain, 30)), line);
        for (int f = 0; f < Q::kFieldCount; ++f)
            EXPECT_FALSE(plain.isFieldAsRead(static_cast<Q::Field>(f))) << line << " field " << f;
    }
    // Empty alternatives are not plain: the list drops them.
    EXPECT_EQ(U8(WriteQuestionLine(question("q,,a||b,,,<00"), 30)), "q,,a||b,,,<00");
    Q q = question(lines[0]);
    EXPECT_EQ(markups(q.answers()), (V{"colour", "color", "red", "green", "blue"}));
    EXPECT_EQ(U8(CLSTString(std::string(q.readFieldText(Q::kFieldChoices)))), "東京(都)|大阪");
    EXPECT_FALSE(q.isFieldMalformed(Q::kFieldChoices));

    // Setting what a field already holds is no edit.
    EXPECT_FALSE(q.setAnswers(q.answers()));
    EXPECT_FALSE(q.setQuestion(q.getQuestion()));
    EXPECT_FALSE(q.setHintSentence(5, CLSSentence()));
    EXPECT_EQ(U8(WriteQuestionLine(q, 30)).rfind("colo(u)r\\q,ヒ\\|ント|\\(h2\\),colo(u)r|", 0),
              0u);

    // Only the edited field is written from the model.
    EXPECT_TRUE(q.setChoiceSentence(1, CLSSentence(Sj("京都"))));
    EXPECT_FALSE(q.isFieldAsRead(Q::kFieldChoices));
    EXPECT_EQ(
        U8(WriteQuestionLine(q, 30)),
        "colo(u)r\\q,ヒ\\|ント|\\(h2\\),colo(u)r|[red|green|blue],東京都|京都|大阪,注\\n記\\!,"
        "<01");
    EXPECT_TRUE(q.setQuestion(CLSSentence(CLSTString("a,b"))));
    EXPECT_TRUE(q.setComment(CLSSentence()));
    EXPECT_TRUE(q.keepFirstAnswerOnly());
    EXPECT_TRUE(q.clearHints());
    q.setAnswerCount(1);
    q.setMark(1);
    EXPECT_EQ(U8(WriteQuestionLine(q, 30)), "a\\,b,,colour,東京都|京都|大阪,,=00");
    for (int f = 0; f < Q::kFieldCount; ++f)
        EXPECT_FALSE(q.isFieldAsRead(static_cast<Q::Field>(f)));

    // A copy keeps the read texts; the history is always the model's.
    Q media = question(lines[1]);
    Q copy = media;
    copy.history().clear();
    EXPECT_EQ(U8(WriteQuestionLine(copy, 30)),
              "\\m\"V.AVI|Width=50%|unknown=1|loop=0\"問\\i\"|width=5\",\\i\"H.PNG|HEIGHT=3\"h,"
              "a\\i\"A.png|x=1=2\"(s),,\\i\"c.png\",=91");
    EXPECT_EQ(media.getQuestion().count(), 2) << "the nameless object is no item";
}

TEST(QuestionLine, MalformedFieldsKeepTheirExactBytes) {
    using Q = CLSVorelDataQuestion;
    const char* line = "q,,\\m\"P.PNG|WIDTH=5|foo=bar\"(\\i\"|srcleft=1\",x[\\x|y,,<00";
    Q q = question(line);
    EXPECT_TRUE(q.answers().isEmpty());
    EXPECT_TRUE(q.choices().isEmpty());
    EXPECT_TRUE(q.isFieldMalformed(Q::kFieldAnswers));
    EXPECT_TRUE(q.isFieldMalformed(Q::kFieldChoices));
    EXPECT_EQ(U8(WriteQuestionLine(q, 30)), line);
    EXPECT_FALSE(q.setAnswers(CLSSentenceArray())) << "still no answers: no edit";
    EXPECT_FALSE(q.keepFirstAnswerOnly());
    EXPECT_EQ(U8(WriteQuestionLine(q, 30)), line);
    EXPECT_TRUE(q.clearChoices()) << "clearing lets go of the text";
    EXPECT_EQ(U8(WriteQuestionLine(q, 30)),
              "q,,\\m\"P.PNG|WIDTH=5|foo=bar\"(\\i\"|srcleft=1\",,,<00");
    // In the old layout a malformed field keeps its text too.
    EXPECT_EQ(U8(WriteQuestionLine(q, 16)), "q,\\m\"P.PNG|WIDTH=5|foo=bar\"(\\i\"|srcleft=1\",<00");
}

TEST(QuestionLine, OldLayout) {
    CLSVorelDataQuestion q;
    ASSERT_TRUE(ParseOldQuestionLine(Sj("問\\hヒ1\\hヒ2|ヒ3,a|b|c\\cx\\cy,\x42"
                                        "52'注"),
                                     q));
    EXPECT_EQ(U8(q.getQuestion().toMarkup()), "問");
    EXPECT_EQ(markups(q.hints()), (V{"ヒ1", "ヒ2", "ヒ3"}));
    EXPECT_EQ(markups(q.answers()), (V{"c", "a", "b"})) << "the chosen answer moves to the front";
    EXPECT_EQ(markups(q.choices()), (V{"x", "y"}));
    EXPECT_EQ(q.group(), 5);
    EXPECT_EQ(U8(q.getComment().toMarkup()), "注");
    // 0x42 - 0x3C = 6 = 0b110: the zero bit below the lowest set bit is skipped.
    ASSERT_EQ(q.history().size(), 2u);
    EXPECT_EQ(q.history()[0].result, 1);
    EXPECT_EQ(q.history()[1].result, 1);
    EXPECT_EQ(q.history()[0].year, 0);

    EXPECT_EQ(U8(WriteQuestionLine(q, 16)), "問\\hヒ1\\hヒ2|ヒ3,a|b|c\\cx\\cy,T52'注")
        << "fields as read, and the index digit that points into them";
    for (int f = 0; f < CLSVorelDataQuestion::kFieldCount; ++f)
        q.forgetReadText(static_cast<CLSVorelDataQuestion::Field>(f));
    EXPECT_EQ(U8(WriteQuestionLine(q, 16)), "問\\hヒ1|ヒ2|ヒ3,c|a|b\\cx|y,T50'注");
    // A part that ends in a backslash keeps the marker after it, or the
    // backslash would escape the comma.
    CLSVorelDataQuestion dangling;
    ASSERT_TRUE(ParseOldQuestionLine(CLSTString("q\\\\h,a\\\\c,<00"), dangling));
    EXPECT_EQ(U8(dangling.getQuestion().toText()), "q");
    EXPECT_EQ(U8(WriteQuestionLine(dangling, 16)), "q\\\\h,a\\\\c,<00");
    CLSVorelDataQuestion noHints;
    ASSERT_TRUE(ParseOldQuestionLine(CLSTString("q,a,<09"), noHints));
    EXPECT_EQ(markups(noHints.answers()), (V{"a"}))
        << "an index beyond the answers keeps the first";
    EXPECT_FALSE(ParseOldQuestionLine(CLSTString("q,a,<0"), noHints));
    EXPECT_FALSE(ParseOldQuestionLine(CLSTString("q,a"), noHints));
}

TEST(TitleAndSettingLines, ReadAndWrite) {
    CLSVorelDataTitle t;
    ASSERT_TRUE(ParseTitleLine(Sj("#英語\\,1,310011'コメント"), t));
    EXPECT_EQ(U8(t.text), "英語,1");
    EXPECT_EQ(t.choiceCount, 3);
    EXPECT_EQ(t.compareFlags, 1 | 8 | 16);
    EXPECT_EQ(U8(t.comment), "コメント");
    EXPECT_EQ(U8(WriteTitleLine(t)), "#英語\\,1,310011'コメント");
    ASSERT_TRUE(ParseTitleLine(CLSTString("#x,0abcde"), t));
    EXPECT_EQ(t.compareFlags, 31) << "anything but 0 is on";
    EXPECT_FALSE(ParseTitleLine(CLSTString("#x,01001"), t)) << "too short";
    EXPECT_FALSE(ParseTitleLine(CLSTString("#no comma"), t));

    CLSVorelDataFont f = ParseFontValue(Sj("12,shiftjis,ＭＳ ゴシック'本文"));
    EXPECT_EQ(f.size, 12);
    EXPECT_EQ(f.charset, 128);
    EXPECT_EQ(U8(f.faceName), "ＭＳ ゴシック");
    EXPECT_EQ(U8(f.comment), "本文");
    EXPECT_EQ(U8(WriteFontLine(kLineFontQuestion, f)), "$FontQuestion=12,128,ＭＳ ゴシック'本文");
    CLSVorelDataFont none = ParseFontValue(CLSTString(",,'c"));
    EXPECT_EQ(none.size, -1);
    EXPECT_EQ(none.charset, -1);
    EXPECT_EQ(U8(WriteFontLine(kLineFontHint, none)), "$FontHint=,,'c");
    EXPECT_EQ(U8(WriteFontLine(kLineFontHint, ParseFontValue(CLSTString("0")))), "$FontHint=");
    EXPECT_EQ(U8(WriteFontLine(kLineFontPrintTitle, f)),
              "$FontPrintTitle=12,128,ＭＳ ゴシック'本文");
    EXPECT_EQ(U8(WriteFontLine(kLineFontPrintAnswerNumber, none)), "$FontPrintAnswerNumber=,,'c");
    EXPECT_EQ(FontKindOfKey(CLSTString("fontprintanswer")), kLineFontPrintAnswer);
    EXPECT_EQ(FontKindOfKey(CLSTString("FontWhatever")), kLineFontComment);

    CLSVorelDataNumber n = ParseNumberValue(CLSTString(""));
    EXPECT_EQ(n.value, -1);
    EXPECT_EQ(U8(WriteNumberLine(kLineTimeLimit, n)), "$TimeLimit=");
    n = ParseNumberValue(Sj("30'秒"));
    EXPECT_EQ(n.value, 30);
    EXPECT_EQ(U8(WriteNumberLine(kLineTimeLimit, n)), "$TimeLimit=30'秒");
    EXPECT_EQ(U8(WriteCommentLine(Sj("a,b"))), "'a\\,b");
    EXPECT_EQ(WriteCommentLine(CLSTString()), "");
}
