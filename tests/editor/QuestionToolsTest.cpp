// The editor's tools on many lines, on a file with titles, comments and
// setting lines between the questions: find, conditional select, sort,
// group, history, marks and swap, and their undo to the very bytes.

#include <gtest/gtest.h>

#include <numeric>

#include "DocFixture.h"
#include "data/DataFileWriter.h"
#include "editor/EditorLines.h"
#include "editor/QuestionTools.h"
#include "text/Error.h"
#include "text/Language.h"

namespace {

// Line index: what it holds.
//  0 'はじめに              1 title 1 (comment 比較メモ)
//  2 q1 banana, hints, answers yellow|(y), comment, group 1, history
//  3 a time limit           4 q2 Apple, marked, group 0
//  5 q3 cherry(s), [red|dark], choices pink|dark, group 2
//  6 title 2                7 q4 東京(都), marked, group 1, two history entries
//  8 a hint font (comment apple font)   9 'apple pie recipe
// 10 q5 apple + picture, answer Red     11 title 3 (comment English)
// 12 q6 最後 without answers
const char* kFile =
    "VORELDATA V3.0\r\n"
    "'はじめに\r\n"
    "#英単語,010001'比較メモ\r\n"
    "banana,ヒント1|ヒント2,yellow|(y),,熟した,<10,12612011930\r\n"
    "$TimeLimit=10'十秒\r\n"
    "Apple,,red,,,=00\r\n"
    "cherry\\(s\\),,[red|dark],pink|dark,sweet,<20\r\n"
    "#地理,000000\r\n"
    "東京(都),,東京(都),,,=10,12612011930,12612021930\r\n"
    "$FontHint=12,SHIFTJIS,Gothic'apple font\r\n"
    "'apple pie recipe\r\n"
    "apple\\i\"p.png|WIDTH=20\",,Red,,,<00\r\n"
    "#最後,000000'English\r\n"
    "最後,,,,,<00\r\n"
    "$Group=g0,g1,2,3,4,5,6,7,8,9\r\n";

struct ToolsFixture : DocFixture {
    explicit ToolsFixture(const char* file = kFile) { EXPECT_TRUE(load(file)); }

    std::string line(int i) { return U8(DataLineText(*doc.getLine(i), doc.getVersion())); }
    // The question texts in file order.
    std::vector<std::string> questions() {
        std::vector<std::string> out;
        for (int n = 0; n < doc.getQuestionCount(); ++n)
            out.push_back(U8(doc.getQuestion(n)->question().getQuestion().toText()));
        return out;
    }
    std::vector<int> allLines() {
        std::vector<int> lines(doc.getItemCount());
        std::iota(lines.begin(), lines.end(), 0);
        return lines;
    }
    std::vector<int> questionLines() { return SelectedQuestions(doc, allLines()); }
    int find(int from, bool forward, const char* text, int targets = SearchTarget::kAll) {
        return FindLine(doc, from, forward, Sj(text), targets);
    }
};

CLSSelectCondition Group(int entry) {
    CLSSelectCondition c;
    c.by = SelectBy::kGroup;
    c.group = entry;
    return c;
}
CLSSelectCondition Mark(bool marked) {
    CLSSelectCondition c;
    c.by = SelectBy::kMark;
    c.marked = marked;
    return c;
}
CLSSelectCondition Text(const char* text, int targets) {
    CLSSelectCondition c;
    c.by = SelectBy::kText;
    c.text = Sj(text);
    c.targets = targets;
    return c;
}

// Applies a change and checks that undo gives the saved file byte for byte
// and redo the changed one.
void CheckUndo(ToolsFixture& f, CLSLineChange& change) {
    auto bytes = [&f] {
        EXPECT_TRUE(f.doc.saveFile(f.path("check.vrf")));
        return ReadFileBytes(f.dir.file("check.vrf"));
    };
    const std::string original = bytes();
    ASSERT_FALSE(change.isEmpty());
    change.apply(f.doc);
    const std::string changed = bytes();
    EXPECT_NE(changed, original);
    change.revert(f.doc);
    EXPECT_EQ(bytes(), original) << "undone";
    change.apply(f.doc);
    EXPECT_EQ(bytes(), changed) << "redone";
}

}  // namespace

// ---- find ----------------------------------------------------------------------------

TEST(QuestionFind, WalksWithoutWrappingAndLooksOnlyWhereAsked) {
    ToolsFixture f;
    // Forward from the top: the font line's comment, the comment line, then
    // the question; "Apple" is no match, titles' and questions' case counts.
    EXPECT_EQ(f.find(-1, true, "apple"), 8);
    EXPECT_EQ(f.find(8, true, "apple"), 9);
    EXPECT_EQ(f.find(9, true, "apple"), 10);
    EXPECT_EQ(f.find(10, true, "apple"), -1) << "no wrap-around to the top";
    EXPECT_EQ(f.find(13, false, "apple"), 10);
    EXPECT_EQ(f.find(0, false, "apple"), -1) << "upward from row 0 ends at once";
    EXPECT_EQ(f.find(-1, true, "apple", SearchTarget::kQuestion), 10);
    EXPECT_EQ(f.find(-1, true, "Apple", SearchTarget::kQuestion), 4);

    EXPECT_EQ(f.find(-1, true, "English", SearchTarget::kComment), 11);
    EXPECT_EQ(f.find(-1, true, "English", SearchTarget::kTitle), -1);
    EXPECT_EQ(f.find(-1, true, "english"), -1);
    EXPECT_EQ(f.find(-1, true, "地理", SearchTarget::kTitle), 6);
    EXPECT_EQ(f.find(-1, true, "地理", SearchTarget::kAll & ~SearchTarget::kTitle), -1);

    EXPECT_EQ(f.find(-1, true, "ヒント2", SearchTarget::kHints), 2);
    EXPECT_EQ(f.find(-1, true, "ヒント2", SearchTarget::kAnswers), -1);
    // Answers are matched as expanded; their notation is no text.
    EXPECT_EQ(f.find(-1, true, "dark", SearchTarget::kAnswers), 5);
    EXPECT_EQ(f.find(-1, true, "[red", SearchTarget::kAll), -1);
    EXPECT_EQ(f.find(-1, true, "pink", SearchTarget::kChoices), 5);
    EXPECT_EQ(f.find(-1, true, "pink", SearchTarget::kAnswers), -1);
    EXPECT_EQ(f.find(-1, true, "熟し", SearchTarget::kComment), 2);
    EXPECT_EQ(f.find(-1, true, "十秒", SearchTarget::kComment), 3);
    // A picture is no text.
    EXPECT_EQ(f.find(-1, true, "png"), -1);
    EXPECT_EQ(f.find(-1, true, "", SearchTarget::kAll), -1);
    EXPECT_EQ(f.find(-1, true, "apple", 0), -1);
}

TEST(QuestionFind, NeverMatchesInsideATwoByteCharacter) {
    ToolsFixture f;
    // 英 is 0x89 0x70 and 単 0x92 0x50: their trail bytes are "p" and "P".
    EXPECT_EQ(f.find(-1, true, "p", SearchTarget::kTitle), -1);
    EXPECT_EQ(f.find(-1, true, "P", SearchTarget::kTitle), -1);
    EXPECT_EQ(f.find(-1, true, "単語", SearchTarget::kTitle), 1);
    // A match found after a false one at a trail byte still counts.
    ToolsFixture g("VORELDATA V3.0\r\n英p,,a,,,<00\r\n");
    EXPECT_EQ(g.find(-1, true, "p", SearchTarget::kQuestion), 0);
}

TEST(QuestionFind, IgnoringCaseFoldsEveryScriptButNoTrailByte) {
    ToolsFixture f("VORELDATA V3.0\r\nМосква,,Ｒｅｄ,,,<00\r\n英,,APPLE,,,<00\r\n英,,x,,,<00\r\n");
    const int kFold = SearchTarget::kAll | SearchTarget::kFoldCase;
    EXPECT_EQ(f.find(-1, true, "apple"), -1);
    EXPECT_EQ(f.find(-1, true, "apple", kFold), 1);
    EXPECT_EQ(f.find(-1, true, "МОСКВА", kFold), 0);
    EXPECT_EQ(f.find(-1, true, "ｒＥＤ", kFold), 0);
    EXPECT_EQ(f.find(-1, true, "ＲＥＤ"), -1);
    // 英 is 0x89 0x70: its trail byte is no "p" however case is taken.
    EXPECT_EQ(f.find(1, true, "P", kFold), -1);
}

TEST(QuestionFind, IgnoringCaseAlsoIgnoresLatinAndGreekAccentsNeverSplittingALetter) {
    ToolsFixture f;
    WriteFileBytes(f.dir.file("u.vrf"),
                   "\xEF\xBB\xBFVORELDATA V3.0\r\nAbsurdité,,abstʀaksjɔ̃,,,<00\r\n"
                   "Ἀθῆναι,,ёж,,,<00\r\n");
    ASSERT_TRUE(f.doc.loadFile(f.path("u.vrf")));
    const int kFold = SearchTarget::kAll | SearchTarget::kFoldCase;
    EXPECT_EQ(f.find(-1, true, "absurdite", kFold), 0);
    EXPECT_EQ(f.find(-1, true, "absurdite"), -1);
    EXPECT_EQ(f.find(-1, true, "ΑΘΗΝΑΙ", kFold), 1);
    EXPECT_EQ(f.find(-1, true, "еж", kFold), -1) << "ё is a letter of its own";
    EXPECT_EQ(f.find(-1, true, "ksjɔ̃"), 0);
    EXPECT_EQ(f.find(-1, true, "ksjɔ"), -1) << "ɔ without its tilde is another letter";
}

TEST(QuestionFind, QuestionsOnlyForTheCardWindow) {
    ToolsFixture f;
    EXPECT_EQ(FindQuestion(f.doc, -1, true, Sj("apple"), SearchTarget::kAll), 4)
        << "the comment lines before it are skipped";
    EXPECT_EQ(FindQuestion(f.doc, -1, true, Sj("red"), SearchTarget::kAnswers), 1);
    EXPECT_EQ(FindQuestion(f.doc, 1, true, Sj("red"), SearchTarget::kAnswers), 2);
    EXPECT_EQ(FindQuestion(f.doc, 2, true, Sj("red"), SearchTarget::kAnswers), -1);
    EXPECT_EQ(FindQuestion(f.doc, 6, false, Sj("red"), SearchTarget::kAnswers), 2);
    EXPECT_EQ(FindQuestion(f.doc, 0, false, Sj("banana"), SearchTarget::kAll), -1);
}

// ---- conditional select ----------------------------------------------------------------

TEST(QuestionSelect, RangesOfEachKindAndTheirRefusals) {
    ToolsFixture f;
    EXPECT_EQ(RangeBounds(f.doc, RangeKind::kLines), std::make_pair(2, 14));
    EXPECT_EQ(RangeBounds(f.doc, RangeKind::kQuestions), std::make_pair(1, 6));
    EXPECT_EQ(RangeBounds(f.doc, RangeKind::kTitles), std::make_pair(1, 3));

    using Lines = std::optional<std::pair<int, int>>;
    EXPECT_EQ(RangeLines(f.doc, RangeKind::kLines, 2, 14), Lines({0, 12}));
    EXPECT_EQ(RangeLines(f.doc, RangeKind::kQuestions, 2, 4), Lines({4, 7}));
    EXPECT_EQ(RangeLines(f.doc, RangeKind::kTitles, 2, 2), Lines({6, 10}))
        << "title 2 and every line up to the next title";
    EXPECT_EQ(RangeLines(f.doc, RangeKind::kTitles, 2, 3), Lines({6, 12})) << "to the end";
    EXPECT_EQ(RangeLines(f.doc, RangeKind::kTitles, 1, 1), Lines({1, 5}));
    for (auto [kind, from, to] : {std::tuple{RangeKind::kLines, 1, 3},
                                  {RangeKind::kLines, 2, 15},
                                  {RangeKind::kLines, 5, 4},
                                  {RangeKind::kQuestions, 0, 1},
                                  {RangeKind::kQuestions, 1, 7},
                                  {RangeKind::kTitles, 1, 4},
                                  {RangeKind::kTitles, 3, 2}}) {
        EXPECT_FALSE(RangeLines(f.doc, kind, from, to)) << from << "-" << to;
    }

    ToolsFixture empty("VORELDATA V3.0\r\n");
    for (RangeKind kind : {RangeKind::kLines, RangeKind::kQuestions, RangeKind::kTitles}) {
        auto [low, high] = RangeBounds(empty.doc, kind);
        EXPECT_GT(low, high);
        EXPECT_FALSE(RangeLines(empty.doc, kind, low, low));
    }
}

TEST(QuestionSelect, ARefusedRangeSaysWhichNumberAndItsBounds) {
    ToolsFixture f;
    EXPECT_TRUE(RangeRefusal(f.doc, RangeKind::kQuestions, 1, 6).isEmpty());
    EXPECT_EQ(U8(RangeRefusal(f.doc, RangeKind::kQuestions, 99, 6)),
              "開始は 1 ～ 6 の間で指定してください。");
    EXPECT_EQ(U8(RangeRefusal(f.doc, RangeKind::kLines, 2, 99)),
              "終了は 2 ～ 14 の間で指定してください。");
    EXPECT_EQ(U8(RangeRefusal(f.doc, RangeKind::kTitles, 3, 2)), "値が有効範囲を超えています。");
    ToolsFixture empty("VORELDATA V3.0\r\n");
    EXPECT_EQ(U8(RangeRefusal(empty.doc, RangeKind::kTitles, 1, 1)),
              "値が有効範囲を超えています。");
}

TEST(QuestionSelect, PreviewsShowTheLineQuestionOrTitle) {
    ToolsFixture f;
    EXPECT_EQ(U8(RangePreview(f.doc, RangeKind::kLines, 5)), "$TimeLimit=10'十秒");
    EXPECT_EQ(U8(RangePreview(f.doc, RangeKind::kLines, 7)),
              "cherry\\(s\\),,[red|dark],pink|dark,sweet,<20");
    EXPECT_EQ(U8(RangePreview(f.doc, RangeKind::kQuestions, 3)), "cherry(s)");
    EXPECT_EQ(U8(RangePreview(f.doc, RangeKind::kTitles, 2)), "地理");
    EXPECT_EQ(U8(RangePreview(f.doc, RangeKind::kLines, 1)), "");
    EXPECT_EQ(U8(RangePreview(f.doc, RangeKind::kQuestions, 7)), "");
    EXPECT_EQ(U8(RangePreview(f.doc, RangeKind::kTitles, 0)), "");
    ToolsFixture lines("VORELDATA V3.0\r\n二\\n行,,a,,,<00\r\n");
    EXPECT_EQ(U8(RangePreview(lines.doc, RangeKind::kQuestions, 1)), "二  行")
        << "a one-line field";
}

TEST(QuestionSelect, ConditionsPickQuestionsOnly) {
    ToolsFixture f;
    auto pick = [&](CLSSelectCondition c) {
        return SelectLines(f.doc, {0, 12}, c, SelectAction::kNew, {});
    };
    using V = std::vector<int>;
    EXPECT_EQ(pick(Group(0)), (V{2, 4, 5, 7, 10, 12}));
    EXPECT_EQ(pick(Group(2)), (V{2, 7})) << "entry 2 is group 1";
    EXPECT_EQ(pick(Group(10)), V{});
    EXPECT_EQ(pick(Mark(true)), (V{4, 7}));
    EXPECT_EQ(pick(Mark(false)), (V{2, 5, 10, 12}));
    EXPECT_EQ(pick(Text("red", SearchTarget::kAnswers)), (V{4, 5}));
    EXPECT_EQ(pick(Text("apple", SearchTarget::kAll)), V{10})
        << "comment and setting lines never count";
    EXPECT_EQ(pick(Text("red", 0)), V{}) << "no target, no match";
}

TEST(QuestionSelect, ActionsChangeTheSelectionAsTheDialogDoes) {
    ToolsFixture f;
    auto title2 = *RangeLines(f.doc, RangeKind::kTitles, 2, 2);
    using V = std::vector<int>;
    CLSSelectCondition all = Group(0);
    EXPECT_EQ(SelectLines(f.doc, title2, all, SelectAction::kNew, {0, 1, 7, 12}), (V{7, 10}))
        << "a new selection drops rows outside the range too";
    EXPECT_EQ(SelectLines(f.doc, title2, all, SelectAction::kAdd, {12, 0, 1, 1}),
              (V{0, 1, 7, 10, 12}));
    CLSSelectCondition marked = Mark(true);
    EXPECT_EQ(SelectLines(f.doc, title2, marked, SelectAction::kRemove, {0, 4, 7, 8, 10, 12}),
              (V{0, 4, 8, 10, 12}))
        << "only matching rows in the range go; marked row 4 lies outside";
    EXPECT_EQ(SelectLines(f.doc, title2, marked, SelectAction::kAdd, {8}), (V{7, 8}));
}

TEST(QuestionSelect, DescriptionLine) {
    CLSSelectCondition all = Group(0);
    EXPECT_EQ(U8(SelectDescription(RangeKind::kQuestions, 1, 10, all, {}, SelectAction::kNew)),
              "問題番号1～10内のすべての問題を新規選択します。");
    CLSSelectCondition group = Group(2);
    EXPECT_EQ(U8(SelectDescription(RangeKind::kLines, 2, 5, group, Sj("g1"), SelectAction::kAdd)),
              "行番号2～5内で，グループ「g1」の問題を追加選択します。");
    CLSSelectCondition text = Text("赤", SearchTarget::kAll);
    EXPECT_EQ(U8(SelectDescription(RangeKind::kTitles, 1, 3, text, {}, SelectAction::kRemove)),
              "タイトル番号1～3内で，「赤」を含む問題を選択解除します。");
    CLSSelectCondition unmarked = Mark(false);
    EXPECT_EQ(U8(SelectDescription(RangeKind::kQuestions, 4, 4, unmarked, {}, SelectAction::kNew)),
              "問題番号4～4内で，マークがついていない問題を新規選択します。");
}

TEST(QuestionSelect, DescriptionLineInEnglishPutsItsPartsInEnglishOrder) {
    SetProgramLanguage("en");
    CLSSelectCondition group = Group(2);
    EXPECT_EQ(U8(SelectDescription(RangeKind::kLines, 2, 5, group, Sj("g1"), SelectAction::kAdd)),
              "Add to the selection the questions of group “g1” within line numbers 2 to 5.");
    CLSSelectCondition text = Text("赤", SearchTarget::kAll);
    EXPECT_EQ(U8(SelectDescription(RangeKind::kTitles, 1, 3, text, {}, SelectAction::kRemove)),
              "Deselect the questions containing “赤” within title numbers 1 to 3.");
    SetProgramLanguage("ja");
}

// ---- sort ----------------------------------------------------------------------------

TEST(QuestionSort, TwoKeysAmongTheirOwnPlaces) {
    ToolsFixture f;
    // Answers first ("red", "red" and "Red" are equal), then questions downward.
    CLSLineChange change =
        SortChange(f.doc, f.allLines(), {SortBy::kAnswer, false}, {SortBy::kQuestion, true});
    CheckUndo(f, change);
    EXPECT_EQ(f.questions(),
              (std::vector<std::string>{"最後", "cherry(s)", "apple\\i\"p.png|width=20\"", "Apple",
                                        "banana", "東京(都)"}));
    // The other lines stay where they were, questions take the same places.
    EXPECT_EQ(f.line(0), "'はじめに");
    EXPECT_EQ(f.line(3), "$TimeLimit=10'十秒");
    EXPECT_EQ(f.line(11), "#最後,000000'English");
    EXPECT_EQ(f.questionLines(), (std::vector<int>{2, 4, 5, 7, 10, 12}));
    // Moved lines are written as they were read.
    EXPECT_EQ(f.line(5), "apple\\i\"p.png|WIDTH=20\",,Red,,,<00");
    EXPECT_EQ(f.line(7), "Apple,,red,,,=00");
}

TEST(QuestionSort, StableAndCaseInsensitive) {
    ToolsFixture f;
    auto sorted = [&](CLSSortKey k) {
        CLSLineChange c = SortChange(f.doc, f.allLines(), k, k);
        c.apply(f.doc);
        std::vector<std::string> order = f.questions();
        c.revert(f.doc);
        return order;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(sorted({SortBy::kGroup, false}), (V{"Apple", "apple\\i\"p.png|width=20\"", "最後",
                                                  "banana", "東京(都)", "cherry(s)"}));
    EXPECT_EQ(sorted({SortBy::kGroup, true}),
              (V{"cherry(s)", "banana", "東京(都)", "Apple", "apple\\i\"p.png|width=20\"", "最後"}))
        << "downward too, equal questions keep their file order";
    EXPECT_EQ(
        sorted({SortBy::kComment, false}),
        (V{"Apple", "東京(都)", "apple\\i\"p.png|width=20\"", "最後", "cherry(s)", "banana"}));

    for (const char* file : {"VORELDATA V3.0\r\nb,,1,,,<00\r\nB,,2,,,<00\r\na,,3,,,<00\r\n"
                             "A,,4,,,<00\r\n",
                             "VORELDATA V3.0\r\nB,,1,,,<00\r\nb,,2,,,<00\r\nA,,3,,,<00\r\n"
                             "a,,4,,,<00\r\n"}) {
        ToolsFixture g(file);
        CLSLineChange c =
            SortChange(g.doc, g.allLines(), {SortBy::kQuestion, false}, {SortBy::kQuestion, false});
        c.apply(g.doc);
        V before = ToolsFixture(file).questions();
        EXPECT_EQ(g.questions(), (V{before[2], before[3], before[0], before[1]}));
    }
}

TEST(QuestionSort, OnlyTheSelectedQuestionsMove) {
    ToolsFixture f;
    // q1 banana, q3 cherry(s), q6 最後 and rows that are no questions.
    CLSLineChange change =
        SortChange(f.doc, {0, 2, 5, 8, 12}, {SortBy::kQuestion, true}, {SortBy::kAnswer, false});
    CheckUndo(f, change);
    EXPECT_EQ(f.questions(), (std::vector<std::string>{"最後", "Apple", "cherry(s)", "東京(都)",
                                                       "apple\\i\"p.png|width=20\"", "banana"}));
}

TEST(QuestionSort, NothingToDo) {
    ToolsFixture f;
    CLSSortKey q{SortBy::kQuestion, false};
    EXPECT_TRUE(SortChange(f.doc, {2}, q, q).isEmpty()) << "one question";
    EXPECT_TRUE(SortChange(f.doc, {0, 1, 3}, q, q).isEmpty()) << "no question";
    ToolsFixture one("VORELDATA V3.0\r\n#t,000000\r\nz,,a,,,<00\r\n'c\r\n");
    EXPECT_TRUE(SortChange(one.doc, one.allLines(), q, q).isEmpty());
    ToolsFixture sorted("VORELDATA V3.0\r\na,,1,,,<00\r\nB,,2,,,<00\r\nb,,3,,,<00\r\n");
    EXPECT_TRUE(SortChange(sorted.doc, sorted.allLines(), q, q).isEmpty());
}

TEST(QuestionSort, LinesKeepTheirObjectsAndTheCurrentLineMovesWithItsQuestion) {
    ToolsFixture f;
    std::vector<const CLSVorelDataItem*> before;
    for (int i = 0; i < f.doc.getItemCount(); ++i)
        before.push_back(f.doc.getLine(i));
    f.doc.setCurrentLine(5);  // cherry(s), under title 1
    const CLSVorelDataItem* cherry = f.doc.current();
    CLSLineChange change =
        SortChange(f.doc, f.allLines(), {SortBy::kQuestion, false}, {SortBy::kQuestion, false});
    change.apply(f.doc);
    EXPECT_EQ(f.doc.current(), cherry);
    EXPECT_EQ(f.doc.getLineNumber(cherry), 7);
    EXPECT_EQ(f.doc.currentTitle(), f.doc.getLine(6)) << "it now stands under title 2";
    EXPECT_EQ(f.doc.getQuestionNumber(cherry), 3);
    for (int n = 0; n < f.doc.getQuestionCount(); ++n)
        EXPECT_EQ(f.doc.getQuestionNumber(f.doc.getQuestion(n)), n);
    EXPECT_EQ(change.linesAfter(), (std::vector<int>{2, 4, 5, 7, 10, 12}));
    EXPECT_TRUE(change.isReplacement()) << "rows keep their count";
    EXPECT_EQ(change.firstLine(), 2);
    change.revert(f.doc);
    for (int i = 0; i < f.doc.getItemCount(); ++i)
        EXPECT_EQ(f.doc.getLine(i), before[i]) << "the very objects are back at " << i;
    EXPECT_EQ(f.doc.currentTitle(), f.doc.getLine(1));
}

TEST(QuestionSort, PermutingLinesOfMixedKindsKeepsNumbersRightAndRefusesNonsense) {
    ToolsFixture f;
    // A title and a question trade places: title and question numbers change.
    f.doc.permuteLines({1, 2}, {1, 0});
    EXPECT_TRUE(f.doc.getLine(1)->isQuestion());
    EXPECT_EQ(f.doc.getTitleNumber(f.doc.getLine(2)), 0);
    EXPECT_EQ(f.doc.titleOf(f.doc.getLine(1)), nullptr);
    EXPECT_EQ(f.doc.getLineNumber(f.doc.getQuestion(0)), 1);
    for (auto [places, order] : {std::pair<std::vector<int>, std::vector<int>>{{1, 2}, {0, 0}},
                                 {{2, 1}, {1, 0}},
                                 {{1, 13}, {1, 0}},
                                 {{1, 2}, {0}},
                                 {{1, 2}, {0, 2}}}) {
        EXPECT_THROW(f.doc.permuteLines(places, order), CLSError);
    }
    EXPECT_THROW(CLSLineChange::permuting({1, 2}, {1, 1}), CLSError);
    EXPECT_THROW(CLSLineChange::permuting({1, 2}, {0}), CLSError);
    EXPECT_TRUE(CLSLineChange::permuting({}, {}).isEmpty());
}

// A sorted file sorted again by the same keys stays as it is, whatever the
// keys and whichever questions are selected.
TEST(QuestionSort, PropertyStableSortTwiceGivesTheSameFile) {
    uint32_t seed = 12345;
    auto next = [&seed](uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    const char* words[] = {"a", "A", "b", "B", "ab", "Ab", "", "日本", "z"};
    for (int round = 0; round < 40; ++round) {
        std::string file = "VORELDATA V3.0\r\n";
        int lines = 3 + static_cast<int>(next(25));
        for (int i = 0; i < lines; ++i) {
            switch (next(6)) {
                case 0:
                    file += "#t" + std::to_string(i) + ",000000\r\n";
                    break;
                case 1:
                    file += "'c" + std::to_string(i) + "\r\n";
                    break;
                default:
                    file += std::string(words[next(9)]) + ",," + words[next(9)] + ",," +
                            words[next(9)] + ",<" + std::to_string(next(3)) + "0\r\n";
            }
        }
        ToolsFixture f(file.c_str());
        std::vector<int> selected;
        for (int i = 0; i < f.doc.getItemCount(); ++i) {
            if (next(4) != 0) selected.push_back(i);
        }
        CLSSortKey a{static_cast<SortBy>(next(4)), next(2) == 1};
        CLSSortKey b{static_cast<SortBy>(next(4)), next(2) == 1};
        CLSLineChange first = SortChange(f.doc, selected, a, b);
        first.apply(f.doc);
        std::string once = f.saved();
        CLSLineChange second = SortChange(f.doc, selected, a, b);
        EXPECT_TRUE(second.isEmpty()) << file;
        second.apply(f.doc);
        EXPECT_EQ(f.saved(), once) << file;
    }
}

// ---- group, history and marks ---------------------------------------------------------

TEST(QuestionAttributes, GroupHistoryAndMarkChangeOnlyWhatTheySay) {
    ToolsFixture f;
    std::vector<const CLSVorelDataQuestion*> objects;
    for (int n = 0; n < f.doc.getQuestionCount(); ++n)
        objects.push_back(&f.doc.getQuestion(n)->question());

    CLSLineChange group = GroupChange(f.doc, {1, 2, 4, 9}, 3);
    CheckUndo(f, group);
    EXPECT_EQ(f.line(2), "banana,ヒント1|ヒント2,yellow|(y),,熟した,<30,12612011930");
    EXPECT_EQ(f.line(4), "Apple,,red,,,=30");
    EXPECT_EQ(f.line(5), "cherry\\(s\\),,[red|dark],pink|dark,sweet,<20");
    EXPECT_EQ(&f.doc.getLine(5)->question(), objects[2]) << "an untouched line is the same object";
    group.revert(f.doc);
    for (int n = 0; n < f.doc.getQuestionCount(); ++n)
        EXPECT_EQ(&f.doc.getQuestion(n)->question(), objects[n])
            << "undo brings back question " << n;

    CLSLineChange history = ClearHistoryChange(f.doc, f.questionLines());
    CheckUndo(f, history);
    EXPECT_EQ(f.line(2), "banana,ヒント1|ヒント2,yellow|(y),,熟した,<10");
    EXPECT_EQ(f.line(7), "東京(都),,東京(都),,,=10");
    EXPECT_EQ(history.linesAfter(), (std::vector<int>{2, 7})) << "only lines with a history";

    CLSLineChange on = MarkChange(f.doc, f.questionLines(), true);
    CheckUndo(f, on);
    EXPECT_EQ(f.line(12), "最後,,,,,=00");
    EXPECT_EQ(on.linesAfter(), (std::vector<int>{2, 5, 10, 12}));
    CLSLineChange off = MarkChange(f.doc, {4, 7}, false);
    CheckUndo(f, off);
    EXPECT_EQ(f.line(4), "Apple,,red,,,<00");
}

TEST(QuestionAttributes, NoChangeWithoutAQuestionToChange) {
    ToolsFixture f;
    EXPECT_TRUE(GroupChange(f.doc, {4, 10, 12}, 0).isEmpty()) << "already in group 0";
    EXPECT_TRUE(GroupChange(f.doc, {2}, 10).isEmpty()) << "no such group";
    EXPECT_TRUE(ClearHistoryChange(f.doc, {0, 1, 3, 6, 8, 9, 11}).isEmpty())
        << "titles, comments and settings only";
    EXPECT_TRUE(ClearHistoryChange(f.doc, {4}).isEmpty()) << "no history to clear";
    EXPECT_TRUE(MarkChange(f.doc, {4, 7}, true).isEmpty());
    EXPECT_TRUE(SwapChange(f.doc, {0, 1, 99, -1}, CLSSwapOptions()).isEmpty());
    EXPECT_EQ(SelectedQuestions(f.doc, {12, 0, 2, 2, 99, -3}), (std::vector<int>{2, 12}));
}

// ---- swap ----------------------------------------------------------------------------

TEST(QuestionSwap, OverwriteBuildsTheNewQuestionFromTheOld) {
    ToolsFixture f;
    CLSSwapOptions plain;
    plain.append = false;
    CLSLineChange change = SwapChange(f.doc, f.questionLines(), plain);
    CheckUndo(f, change);
    EXPECT_EQ(f.line(2), "yellow,,banana,,,<10") << "no hints, choices, comment or history";
    EXPECT_EQ(f.line(4), "red,,Apple,,,<00") << "no mark";
    // A bracket of the old question stays a character of the new answer.
    EXPECT_EQ(f.line(5), "red,,cherry\\(s\\),,,<20");
    EXPECT_EQ(f.line(7), "東京都,,東京\\(都\\),,,<10");
    EXPECT_EQ(f.line(10), "Red,,apple\\i\"p.png|width=20\",,,<00");
    EXPECT_EQ(f.line(12), ",,最後,,,<00") << "no answer: an empty question";
    EXPECT_EQ(f.line(3), "$TimeLimit=10'十秒");

    // What was written reads back as what was built.
    std::string saved = f.saved("swapped.vrf");
    ASSERT_TRUE(f.doc.loadFile(f.path("swapped.vrf")));
    const CLSVorelDataQuestion& cherry = f.doc.getLine(5)->question();
    ASSERT_EQ(cherry.getAnswerCount(), 1);
    EXPECT_EQ(U8(cherry.getAnswer(0).toText()), "cherry(s)");
    const CLSVorelDataQuestion& apple = f.doc.getLine(10)->question();
    ASSERT_EQ(apple.getAnswerCount(), 1);
    EXPECT_EQ(apple.getAnswer(0).count(), 2) << "text and picture";
    EXPECT_TRUE(apple.getAnswer(0).item(1).isObject());
}

TEST(QuestionSwap, CopiesHintsAndCommentAsWrittenAndSetsTheGroup) {
    ToolsFixture f;
    CLSSwapOptions options;
    options.append = false;
    options.copyHints = true;
    options.copyComment = true;
    options.group = 5;
    CLSLineChange change = SwapChange(f.doc, {2, 5}, options);
    CheckUndo(f, change);
    EXPECT_EQ(f.line(2), "yellow,ヒント1|ヒント2,banana,,熟した,<50");
    EXPECT_EQ(f.line(5), "red,,cherry\\(s\\),,sweet,<50");
}

TEST(QuestionSwap, AppendAddsTheNewQuestionsAtTheEndInOrder) {
    ToolsFixture f;
    CLSLineChange change = SwapChange(f.doc, {12, 2, 4}, CLSSwapOptions());
    CheckUndo(f, change);
    ASSERT_EQ(f.doc.getItemCount(), 16);
    EXPECT_EQ(f.line(2), "banana,ヒント1|ヒント2,yellow|(y),,熟した,<10,12612011930");
    EXPECT_EQ(f.line(13), "yellow,,banana,,,<10");
    EXPECT_EQ(f.line(14), "red,,Apple,,,<00");
    EXPECT_EQ(f.line(15), ",,最後,,,<00");
    EXPECT_EQ(change.addedLines(), (std::vector<int>{13, 14, 15}));
}

TEST(QuestionSwap, MalformedAndOldLayoutFieldsDoNotLeakIntoTheNewQuestion) {
    // An empty question whose answers field cannot be expanded keeps that
    // text while it is as read; the swapped question must not write it.
    ToolsFixture f("VORELDATA V3.0\r\n,,a]b,x[,,<00\r\n");
    CLSSwapOptions overwrite;
    overwrite.append = false;
    CLSLineChange change = SwapChange(f.doc, {0}, overwrite);
    CheckUndo(f, change);
    EXPECT_EQ(f.line(0), ",,,,,<00");

    // An old-layout line: the new question is written in that layout too,
    // its hints copied as they were written.
    ToolsFixture old("VORELDATA V1.5\r\nq\\hh1\\hh2,a2|a1\\cc,<31'note\r\n");
    CLSSwapOptions hints = overwrite;
    hints.copyHints = true;
    CLSLineChange swap = SwapChange(old.doc, {0}, hints);
    CheckUndo(old, swap);
    EXPECT_EQ(old.line(0), "a1\\hh1\\hh2,q,<30");
}

TEST(QuestionSwap, AQuestionNoAnswerCanHoldBecomesNoAnswerAtOnce) {
    // An answers field checks its brackets' balance with escapes ignored:
    // "a(b" cannot be an answer in a file. The swapped question has no
    // answer now, as it would after the next load, and the text stays in
    // the file as written.
    ToolsFixture f("VORELDATA V3.0\r\na(b,,x,,,<00\r\n:-),,y,,,<00\r\n(ok),,z,,,<00\r\n");
    CLSSwapOptions overwrite;
    overwrite.append = false;
    CLSLineChange change = SwapChange(f.doc, f.questionLines(), overwrite);
    CheckUndo(f, change);
    EXPECT_EQ(f.line(0), "x,,a\\(b,,,<00");
    EXPECT_EQ(f.line(1), "y,,:-\\),,,<00");
    EXPECT_EQ(f.line(2), "z,,\\(ok\\),,,<00");
    EXPECT_EQ(f.doc.getLine(0)->question().getAnswerCount(), 0);
    EXPECT_EQ(f.doc.getLine(1)->question().getAnswerCount(), 0);
    ASSERT_EQ(f.doc.getLine(2)->question().getAnswerCount(), 1);
    EXPECT_EQ(U8(f.doc.getLine(2)->question().getAnswer(0).toText()), "(ok)");
    const std::string swapped = f.saved("swapped.vrf");
    ASSERT_TRUE(f.doc.loadFile(f.path("swapped.vrf")));
    EXPECT_EQ(f.doc.getLine(0)->question().getAnswerCount(), 0);
    EXPECT_EQ(f.saved("again.vrf"), swapped);
}

// Swapping twice gives back the question and its one answer, whatever
// notation characters, line breaks and pictures they hold.
TEST(QuestionSwap, PropertyOverwriteTwiceGivesBackQuestionAndAnswer) {
    // No backslash before an "i": a text holding \i" reads back as a
    // picture in any field, a form older files depend on. Brackets come in
    // pairs: an answer cannot hold a lone one (see below).
    const char* pieces[] = {"a",  "B",  "(x)", "[y]",  "|",  ",",    "'",       "\\", "#",     "$",
                            "日", "ア", " ",   "\r\n", "\"", "x\\n", "(u)|[v]", "表", "([z])", "%"};
    uint32_t seed = 99;
    auto next = [&seed](uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    auto sentence = [&] {
        CLSSentence s;
        int n = 1 + static_cast<int>(next(5));
        for (int k = 0; k < n; ++k) {
            if (next(6) == 0) {
                CLSSentenceItemObject object;
                object.fileName = Sj(next(2) ? "p.png" : "動画.avi");
                object.width = next(2) ? -50 : 0;
                s.addObject(object);
            } else {
                s.addText(Sj(pieces[next(20)]).view());
            }
        }
        s.normalize();
        return s;
    };
    ToolsFixture f("VORELDATA V3.0\r\n");
    for (int i = 0; i < 200; ++i) {
        CLSVorelDataQuestion q;
        q.setQuestion(sentence());
        CLSSentenceArray answers;
        CLSSentence answer = sentence();
        if (answer.markupLength() == 0) answer.addText("x");
        answers.add(answer);
        q.setAnswers(answers);
        f.doc.appendItem(CLSVorelDataItem::makeQuestion(q));
        if (i % 7 == 0) f.doc.appendItem(CLSVorelDataItem::makeComment(Sj("c")));
    }
    // What a file holds is what counts: read the questions back first.
    f.saved("start.vrf");
    ASSERT_TRUE(f.doc.loadFile(f.path("start.vrf")));
    std::vector<std::pair<std::string, std::string>> texts;
    for (int n = 0; n < f.doc.getQuestionCount(); ++n) {
        const CLSVorelDataQuestion& q = f.doc.getQuestion(n)->question();
        ASSERT_EQ(q.getAnswerCount(), 1) << n;
        texts.emplace_back(q.getQuestion().toMarkup().str(), q.getAnswer(0).toMarkup().str());
    }
    auto check = [&](const char* when) {
        for (int n = 0; n < f.doc.getQuestionCount(); ++n) {
            const CLSVorelDataQuestion& q = f.doc.getQuestion(n)->question();
            EXPECT_EQ(q.getQuestion().toMarkup().str(), texts[n].first) << when << " " << n;
            ASSERT_EQ(q.getAnswerCount(), 1) << when << " " << n;
            EXPECT_EQ(q.getAnswer(0).toMarkup().str(), texts[n].second) << when << " " << n;
        }
    };
    CLSSwapOptions overwrite;
    overwrite.append = false;
    const std::string start = ReadFileBytes(f.dir.file("start.vrf"));
    SwapChange(f.doc, f.questionLines(), overwrite).apply(f.doc);
    SwapChange(f.doc, f.questionLines(), overwrite).apply(f.doc);
    check("in memory");
    // Through the file between the two swaps as well.
    ASSERT_TRUE(f.doc.loadFile(f.path("start.vrf")));
    SwapChange(f.doc, f.questionLines(), overwrite).apply(f.doc);
    f.saved("once.vrf");
    ASSERT_TRUE(f.doc.loadFile(f.path("once.vrf")));
    SwapChange(f.doc, f.questionLines(), overwrite).apply(f.doc);
    check("read back between");
    f.saved("twice.vrf");
    EXPECT_EQ(ReadFileBytes(f.dir.file("twice.vrf")), start)
        << "written from the model, the file comes back byte for byte";
}
