#include <gtest/gtest.h>

#include "DocFixture.h"
#include "editor/CardFields.h"
#include "sentence/Sentence.h"

namespace {

std::vector<std::string> u8s(const std::vector<CLSTString>& list) {
    std::vector<std::string> out;
    for (const CLSTString& s : list)
        out.push_back(U8(s));
    return out;
}

}  // namespace

TEST(CardFields, ListEntriesFollowTheQuestionAndTheVersion) {
    CLSVorelDataQuestion q;
    EXPECT_EQ(u8s(AnswerEntries(q, 30)), (std::vector<std::string>{"答え", "新規答え"}));
    EXPECT_EQ(u8s(AnswerEntries(q, 12)), (std::vector<std::string>{"答え"}));
    CLSSentenceArray answers;
    answers.add(CLSSentence(Sj("a")));
    answers.add(CLSSentence(Sj("b")));
    q.setAnswers(answers);
    EXPECT_EQ(u8s(AnswerEntries(q, 30)), (std::vector<std::string>{"答え1", "答え2", "新規答え"}));
    q.setHintSentence(5, CLSSentence(Sj("h")));
    EXPECT_EQ(u8s(HintEntries(q, 15)), (std::vector<std::string>{"ヒント1", "新規ヒント"}));
    EXPECT_EQ(u8s(HintEntries(q, 14)), (std::vector<std::string>{"ヒント1"}));
    EXPECT_EQ(u8s(ChoiceEntries(q, 30)), (std::vector<std::string>{"新規選択肢"}));

    q.setAnswerCount(3);
    EXPECT_EQ(AnswerCountIndex(q), 1) << "three asked of two answers shows 2";
    EXPECT_EQ(u8s(AnswerCountEntries(2)), (std::vector<std::string>{"1 (一問一答)", "2"}));
    EXPECT_EQ(u8s(AnswerCountEntries(0)), (std::vector<std::string>{"1 (一問一答)"}));
    q.setAnswers(CLSSentenceArray());
    EXPECT_EQ(AnswerCountIndex(q), 0);

    CLSHistoryEntry dated{1, 2026, 12, 9, 3, 5};
    CLSHistoryEntry undated{0};
    q.history() = {dated, undated};
    EXPECT_EQ(u8s(HistoryEntries(q)),
              (std::vector<std::string>{"○\t2026/12/09 03:05", "×\t？？？"}));
    EXPECT_EQ(u8s(ChoiceCountEntries()).front(), "記述");
    EXPECT_EQ(ChoiceCountEntries().size(), 10u);
}

TEST(CardFields, NumbersAndFontsFromTheirFields) {
    EXPECT_EQ(NumberFromField(Sj("")), -1);
    EXPECT_EQ(NumberFromField(Sj("abc")), -1) << "no digits: unset";
    EXPECT_EQ(NumberFromField(Sj("12")), 12);
    EXPECT_EQ(NumberFromField(Sj("99999999999")), 999999999);
    EXPECT_EQ(U8(NumberFieldText(-1)), "");
    EXPECT_EQ(U8(NumberLabel(kLineAnswerStartTime)), "解答開始時間(&N)");

    CLSVorelDataFont f = FontFromFields(Sj(""), Sj(""), Sj(""), Sj("c"));
    EXPECT_EQ(f.size, -1);
    EXPECT_EQ(f.charset, -1);
    EXPECT_TRUE(f.faceName.isEmpty());
    f = FontFromFields(Sj("14"), Sj("shiftjis"), Sj("ＭＳ ゴシック"), Sj(""));
    EXPECT_EQ(f.size, 14);
    EXPECT_EQ(f.charset, 128);
    EXPECT_EQ(U8(f.faceName), "ＭＳ ゴシック");
    EXPECT_EQ(OfferedCharsets().front(), 1) << "DEFAULT first, ANSI not offered";
    EXPECT_EQ(OfferedCharsets().size(), 17u);
}

TEST(CardFields, EditTextKeepsLineBreaksAndPictures) {
    CLSSentence s = SentenceFromEditText(Sj("一行目\n二\\i\"p.png|width=50\"行(x)"));
    EXPECT_EQ(s.count(), 3);
    EXPECT_EQ(U8(SentenceEditText(s)), "一行目\n二\\i\"p.png|width=50\"行(x)");
    EXPECT_EQ(U8(s.toMarkup()), "一行目\\n二\\i\"p.png|width=50\"行\\(x\\)")
        << "typed brackets are text, written escaped";
}

TEST(CardFields, NumberSettingsAreCheckedAgainstTheSettingsRanges) {
    EXPECT_EQ(U8(NumberUnit(kLineTimeLimit)), "秒");
    EXPECT_EQ(U8(NumberUnit(kLineInputFieldHeight)), "行");
    EXPECT_TRUE(NumberRefusal(kLineInputFieldHeight, 1).isEmpty());
    EXPECT_TRUE(NumberRefusal(kLineInputFieldHeight, 100).isEmpty());
    EXPECT_TRUE(NumberRefusal(kLineInputFieldHeight, -1).isEmpty()) << "unset";
    EXPECT_EQ(U8(NumberRefusal(kLineInputFieldHeight, 0)),
              "答え入力欄の高さは 1 ～ 100 の間で指定してください。");
    EXPECT_FALSE(NumberRefusal(kLineInputFieldHeight, 999999999).isEmpty());
    EXPECT_TRUE(NumberRefusal(kLineTimeLimit, 0).isEmpty());
    EXPECT_TRUE(NumberRefusal(kLineAnswerStartTime, 32767).isEmpty());
    EXPECT_EQ(U8(NumberRefusal(kLineTimeLimit, 32768)),
              "制限時間は 0 ～ 32767 の間で指定してください。");
    EXPECT_EQ(U8(NumberRefusal(kLineQuestionShowTime, 999999999)),
              "問題表示時間は 0 ～ 32767 の間で指定してください。");
}
