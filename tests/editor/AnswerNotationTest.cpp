#include <gtest/gtest.h>

#include "DocFixture.h"
#include "data/DataLineFormat.h"
#include "editor/AnswerNotation.h"

namespace {

using Q = CLSVorelDataQuestion;

CLSVorelDataQuestion read(const char* utf8Line) {
    CLSVorelDataQuestion q;
    EXPECT_TRUE(ParseQuestionLine(Sj(utf8Line), 0, q)) << utf8Line;
    return q;
}

std::vector<std::string> entries(const CLSSentenceArray& list) {
    std::vector<std::string> out;
    for (const CLSSentence& s : list)
        out.push_back(U8(SentenceEditText(s)));
    return out;
}

std::string written(const CLSVorelDataQuestion& q, int version = 30) {
    return U8(WriteQuestionLine(q, version));
}

}  // namespace

TEST(AnswerNotation, TheFieldShowsTheNotationAsWrittenOrTheEntriesEscaped) {
    CLSVorelDataQuestion q = read("色,,colo(u)r,[x|y] z,,<00");
    EXPECT_EQ(U8(NotationText(q, Q::kFieldAnswers, 30)), "colo(u)r");
    EXPECT_EQ(U8(NotationText(q, Q::kFieldChoices, 30)), "[x|y] z");
    EXPECT_EQ(entries(q.answers()), (std::vector<std::string>{"colour", "color"}));

    // An entry edited in the list writes the field from the list, escaped.
    q.setAnswerSentence(1, CLSSentence(Sj("a|b")));
    EXPECT_EQ(U8(NotationText(q, Q::kFieldAnswers, 30)), "colour|a\\|b");

    // Further choices of an old line are shown with bars.
    CLSVorelDataQuestion old;
    ASSERT_TRUE(ParseOldQuestionLine(Sj("問,a\\cb\\cc,<00"), old));
    EXPECT_EQ(U8(NotationText(old, Q::kFieldChoices, 29)), "b|c");
}

TEST(AnswerNotation, TypedNotationIsSavedAsTypedAndExpanded) {
    CLSVorelDataQuestion q = read("問,,x,,,<00");
    EXPECT_TRUE(SetNotation(q, Q::kFieldAnswers, Sj("[a|b] c"), 30));
    EXPECT_EQ(entries(q.answers()), (std::vector<std::string>{"a c", "b c"}));
    EXPECT_EQ(written(q), "問,,[a|b] c,,,<00");
    EXPECT_FALSE(SetNotation(q, Q::kFieldAnswers, Sj("[a|b] c"), 30)) << "the same text";

    EXPECT_TRUE(SetNotation(q, Q::kFieldAnswers, Sj("colo(u)r"), 30));
    EXPECT_EQ(written(q), "問,,colo(u)r,,,<00");
    CLSVorelDataQuestion back = read(written(q).c_str());
    EXPECT_EQ(entries(back.answers()), entries(q.answers()));

    // Choices the same way; the question's other fields keep their texts.
    EXPECT_TRUE(SetNotation(q, Q::kFieldChoices, Sj("犬|猫"), 30));
    EXPECT_EQ(written(q), "問,,colo(u)r,犬|猫,,<00");

    // What would cut the line is escaped; a backslash at the end goes.
    EXPECT_TRUE(SetNotation(q, Q::kFieldAnswers, Sj("1,000|x\\"), 30));
    EXPECT_EQ(written(q), "問,,1\\,000|x,犬|猫,,<00");
    EXPECT_EQ(entries(q.answers()), (std::vector<std::string>{"1,000", "x"}));

    // Emptied, the field has no answers left.
    EXPECT_TRUE(SetNotation(q, Q::kFieldAnswers, CLSTString(), 30));
    EXPECT_EQ(q.getAnswerCount(), 0);
    EXPECT_EQ(written(q), "問,,,犬|猫,,<00");
}

TEST(AnswerNotation, AFieldThatDoesNotExpandIsKeptAsTypedWithItsReason) {
    CLSExpandFailure why = CLSExpandFailure::kNone;
    EXPECT_TRUE(NotationEntries(Sj("colo(u"), Q::kFieldAnswers, false, &why).isEmpty());
    EXPECT_EQ(why, CLSExpandFailure::kUnbalanced);
    EXPECT_STRNE(ExpandFailureText(why), "");
    NotationEntries(Sj("colo(u)r"), Q::kFieldAnswers, false, &why);
    EXPECT_EQ(why, CLSExpandFailure::kNone);

    CLSVorelDataQuestion q = read("問,,x,,,<00");
    EXPECT_TRUE(SetNotation(q, Q::kFieldAnswers, Sj("colo(u"), 30));
    EXPECT_EQ(q.getAnswerCount(), 0);
    EXPECT_TRUE(q.isFieldMalformed(Q::kFieldAnswers));
    EXPECT_EQ(written(q), "問,,colo(u,,,<00");
    EXPECT_EQ(U8(NotationText(q, Q::kFieldAnswers, 30)), "colo(u");
    // Mended, it expands again.
    EXPECT_TRUE(SetNotation(q, Q::kFieldAnswers, Sj("colo(u)"), 30));
    EXPECT_FALSE(q.isFieldMalformed(Q::kFieldAnswers));
    EXPECT_EQ(entries(q.answers()), (std::vector<std::string>{"colou", "colo"}));
}

TEST(AnswerNotation, TheOldLayoutsAnswerDigitStillPicksTheFirstAnswer) {
    // Digit 1: of "a|b" the second answer goes first.
    CLSVorelDataQuestion q;
    ASSERT_TRUE(ParseOldQuestionLine(Sj("問,a|b,<01"), q));
    EXPECT_EQ(entries(q.answers()), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(U8(NotationText(q, Q::kFieldAnswers, 29)), "a|b");
    EXPECT_TRUE(SetNotation(q, Q::kFieldAnswers, Sj("[a|b|c]"), 29));
    EXPECT_EQ(entries(q.answers()), (std::vector<std::string>{"b", "a", "c"}));
    EXPECT_EQ(written(q, 29), "問,[a|b|c],<01");
    CLSVorelDataQuestion back;
    ASSERT_TRUE(ParseOldQuestionLine(WriteQuestionLine(q, 29), back));
    EXPECT_EQ(entries(back.answers()), entries(q.answers()));
}
