// The editor's line operations on the document: rows as the list shows
// them, changes that undo to the very bytes they started from, the
// clipboard's text form, new lines and the command rules.

#include <gtest/gtest.h>

#include <numeric>

#include "DocFixture.h"
#include "data/DataFileWriter.h"
#include "editor/EditorCommandIds.h"
#include "editor/EditorLines.h"
#include "editor/EditorRules.h"
#include "editor/LineChange.h"
#include "editor/LineRows.h"
#include "text/FileWriteString.h"

namespace {

// Titles, questions full of notation, a comment and setting lines between them.
const char* kFile =
    "VORELDATA V3.0\r\n"
    "'はじめに\r\n"
    "#英単語,010001'比較\r\n"
    "色,,colo(u)r,,\\i\"p.png|WIDTH=20\",<00\r\n"
    "$TimeLimit=10'十秒\r\n"
    "三つ,,[red|green|blue],,,<01\r\n"
    "#地理,000000\r\n"
    "東京(都),,東京(都),,,=10,12612011930\r\n"
    "$FontHint=12,SHIFTJIS,Gothic\r\n"
    "最後,,x,,,<00\r\n"
    "$Group=g0,g1,2,3,4,5,6,7,8,9\r\n";

std::vector<std::string> RowsOf(const CLSVorelDataFile& doc) {
    std::vector<std::string> out;
    for (int i = 0; i < doc.getItemCount(); ++i) {
        CLSLineRow r = LineRow(doc, i);
        const CLSVorelDataItem* title = doc.titleOf(doc.getLine(i));
        out.push_back(U8(r.number) + "|" + U8(r.kind) + "|" + U8(r.data) + "|" +
                      std::to_string(title ? doc.getLineNumber(title) : -1));
    }
    return out;
}

struct EditFixture : DocFixture {
    EditFixture() { EXPECT_TRUE(load(kFile)); }
    std::string bytes() { return Cp932ToUtf8(ReadFileBytes(dir.file("t.vrf"))); }
    // The document as saved, in UTF-8.
    std::string text() { return saved(); }
    std::vector<std::string> rows() {
        std::vector<std::string> out;
        for (std::string& row : RowsOf(doc))
            out.push_back(row.substr(0, row.rfind('|')));
        return out;
    }
};

}  // namespace

TEST(EditorRows, NumbersKindsAndData) {
    EditFixture f;
    EXPECT_EQ(f.rows(), (std::vector<std::string>{
                            "2|コメント|はじめに",
                            "3|タイトル1|英単語",
                            "4|問題1|色",
                            "5|設定|制限時間",
                            "6|問題2|三つ",
                            "7|タイトル2|地理",
                            "8|問題3|東京(都)",
                            "9|設定|ヒントフォント",
                            "10|問題4|最後",
                        }));
    // Inserting a title in front renumbers every later title and line.
    CLSLineChange insert({}, {{0, NewLine(kLineTitle)}});
    insert.apply(f.doc);
    EXPECT_EQ(f.rows()[0], "2|タイトル1|");
    EXPECT_EQ(f.rows()[2], "4|タイトル2|英単語");
    EXPECT_EQ(f.rows()[6], "8|タイトル3|地理");
    EXPECT_EQ(LineRow(f.doc, 99).number.length(), 0) << "outside: an empty row";
}

// Every kind of change, undone, leaves the file byte for byte as it was;
// redone, it gives the same file as the first time.
TEST(LineChange, EveryChangeUndoesToTheSameBytes) {
    EditFixture f;
    const std::string original = f.text();
    auto check = [&](CLSLineChange change, const char* what) {
        change.apply(f.doc);
        std::string changed = f.text();
        EXPECT_NE(changed, original) << what;
        change.revert(f.doc);
        EXPECT_EQ(f.text(), original) << what << " undone";
        change.apply(f.doc);
        EXPECT_EQ(f.text(), changed) << what << " redone";
        change.revert(f.doc);
        EXPECT_EQ(f.text(), original) << what << " undone again";
    };
    check(CLSLineChange({1, 2, 8}, {}), "erase");
    check(CLSLineChange({}, {{0, NewLine(kLineComment)}, {5, NewLine(kLineQuestion)}}), "insert");
    check(CLSLineChange::movingUp({2, 3}), "move up");
    check(CLSLineChange::movingDown({0, 4, 7}, f.doc.getItemCount()), "move down");
    CLSVorelDataItem edited(*f.doc.getLine(2));
    edited.question().setMark(1);
    check(CLSLineChange::replacing(2, std::move(edited)), "replace");
    std::vector<int> all(f.doc.getItemCount());
    std::iota(all.begin(), all.end(), 0);
    check(CLSLineChange(all, {}), "erase everything");
}

TEST(LineChange, MovesKeepBlocksTogetherAndStopAtTheEnds) {
    EditFixture f;
    auto order = [&] {
        std::string s;
        for (int i = 0; i < f.doc.getItemCount(); ++i)
            s += U8(LineRow(f.doc, i).data).substr(0, 3);
        return s;
    };
    CLSTString third = LineRow(f.doc, 3).data;
    CLSTString fourth = LineRow(f.doc, 4).data;
    CLSLineChange up = CLSLineChange::movingUp({3, 4});
    up.apply(f.doc);
    EXPECT_EQ(LineRow(f.doc, 2).data, third) << "rows 3 and 4 move to 2 and 3 in order";
    EXPECT_EQ(LineRow(f.doc, 3).data, fourth);
    EXPECT_EQ(up.linesAfter(), (std::vector<int>{2, 3}));
    EXPECT_TRUE(CLSLineChange::movingUp({0, 5}).isEmpty()) << "row 0 is among them";
    EXPECT_TRUE(CLSLineChange::movingDown({2, 8}, 9).isEmpty()) << "the last row is among them";
    CLSLineChange down = CLSLineChange::movingDown({0, 1}, 9);
    std::string before = order();
    down.apply(f.doc);
    down.revert(f.doc);
    EXPECT_EQ(order(), before);

    // Titles moving past questions: numbers and each line's title are those
    // of the same text read afresh.
    CLSLineChange::movingDown({1, 5}, 9).apply(f.doc);
    CLSLineChange::movingUp({3, 6}).apply(f.doc);
    std::vector<std::string> moved = RowsOf(f.doc);
    DocFixture again;
    ASSERT_TRUE(again.load(f.text()));
    EXPECT_EQ(moved, RowsOf(again.doc));
}

// A line an old file could not read is copied as a comment: pasted, it is
// read in the current layout, where its bytes may make a question nobody
// wrote.
TEST(EditorLines, AnUnreadableLineOfAnOldFileIsCopiedAsAComment) {
    DocFixture f;
    f.prompter.answers = {PromptAnswer::No};  // keep version 1.6
    ASSERT_TRUE(f.load("VORELDATA V1.6\r\nq,,a,,,<00\r\nx\r\n"));
    ASSERT_EQ(f.doc.getVersion(), 16);
    ASSERT_EQ(f.doc.getLine(0)->kind(), kLineComment);
    std::vector<CLSVorelDataItem> pasted = LinesFromText(LinesText(f.doc, {0, 1}), 5);
    ASSERT_EQ(pasted.size(), 2u);
    EXPECT_EQ(pasted[0].kind(), kLineComment);
    EXPECT_EQ(U8(pasted[0].comment().text), "q,,a,,,<00");
    EXPECT_EQ(U8(LinesText(f.doc, {1})), "x\r\n") << "still unreadable: copied as it is";
    EXPECT_EQ(f.saved(), "VORELDATA V1.6\r\nq,,a,,,<00\r\nx\r\n$Group=0,1,2,3,4,5,6,7,8,9\r\n")
        << "the file itself keeps both lines byte for byte";
}

// Copying lines and pasting them back gives the same lines; pasting any
// bytes never fails.
TEST(EditorLines, ClipboardTextRoundTripsAndAnyTextPastes) {
    EditFixture f;
    CLSTString copied = LinesText(f.doc, {2, 3, 6});
    EXPECT_EQ(U8(copied),
              "色,,colo(u)r,,\\i\"p.png|WIDTH=20\",<00\r\n$TimeLimit=10'十秒\r\n"
              "東京(都),,東京(都),,,=10,12612011930\r\n");
    std::vector<CLSVorelDataItem> pasted = LinesFromText(copied, 5);
    ASSERT_EQ(pasted.size(), 3u);
    CLSLineChange paste(
        {}, {{0, std::move(pasted[0])}, {1, std::move(pasted[1])}, {2, std::move(pasted[2])}});
    paste.apply(f.doc);
    EXPECT_EQ(LinesText(f.doc, {0, 1, 2}), copied) << "pasted lines write as they were copied";

    EXPECT_EQ(LinesFromText(Sj("a\r\n\r\nb"), 5).size(), 3u) << "the middle piece is empty";
    EXPECT_EQ(LinesFromText(Sj("a\nb\r\n"), 5).size(), 2u) << "no empty piece after the last break";
    EXPECT_EQ(LinesFromText(Sj("$Group=x\r\n$Bogus=1"), 5).size(), 1u)
        << "a group line makes no line, an unknown setting is kept as a comment";
    // Ten megabytes of any bytes, a line of 100,000 characters among them.
    std::string binary;
    binary.reserve(10 << 20);
    for (size_t i = 0; i < (10u << 20) - 100000; ++i)
        binary += static_cast<char>((i * 7919) % 256);
    binary += std::string(100000, 'x');
    std::vector<CLSVorelDataItem> junk = LinesFromText(CLSTString(binary), 5);
    EXPECT_FALSE(junk.empty());
}

TEST(EditorLines, NewLinesHaveTheirDefaults) {
    CLSVorelDataItem title = NewLine(kLineTitle);
    EXPECT_EQ(title.title().choiceCount, 0);
    EXPECT_EQ(title.title().compareFlags, 0);
    CLSVorelDataItem question = NewLine(kLineQuestion);
    EXPECT_EQ(question.question().answerCount(), 1);
    EXPECT_EQ(question.question().getAnswerCount(), 0);
    EXPECT_EQ(NewLine(kLineTimeLimit).number().value, -1);
    EXPECT_EQ(NewLine(kLineFontPrintAnswer).font().size, -1);
    EXPECT_EQ(NewLine(kLineFontPrintAnswer).font().charset, -1);
    EXPECT_EQ(NewLine(999).kind(), kLineNone);
}

TEST(EditorRules, StatesFollowFocusSelectionAndVersion) {
    using namespace EditorCommand;
    CLSEditorState s;
    s.rows = 10;
    s.selected = 2;
    s.firstSelected = true;
    std::set<int> on = EnabledEditorCommands(s);
    for (int id : {kCut, kCopy, kDelete, kSelectAll, kMoveDown, kSort, kMarkOn, kCardDelete, kFind,
                   kInsertTimeLimit, kInsertShowTime, kGroupNames})
        EXPECT_TRUE(on.count(id)) << id;
    for (int id : {kMoveUp, kUndo, kInsertMedia})
        EXPECT_FALSE(on.count(id)) << id;
    // Paste reads the clipboard when it is pressed: another program may
    // have put text there since the states were last worked out.
    EXPECT_TRUE(on.count(kPaste));

    s.focus = EditorFocus::kTextField;
    s.fieldReadOnly = true;
    s.fieldHasSelection = true;
    s.questionCard = true;
    on = EnabledEditorCommands(s);
    EXPECT_TRUE(on.count(kCopy));
    EXPECT_FALSE(on.count(kCut)) << "a read-only field";
    EXPECT_FALSE(on.count(kPaste));
    EXPECT_FALSE(on.count(kInsertMedia));
    s.fieldReadOnly = false;
    EXPECT_TRUE(EnabledEditorCommands(s).count(kInsertMedia));
    EXPECT_TRUE(EnabledEditorCommands(s).count(kPaste));

    s.version = 14;
    on = EnabledEditorCommands(s);
    EXPECT_TRUE(on.count(kInsertHintFont));
    EXPECT_FALSE(on.count(kInsertTimeLimit));
    s.version = 13;
    on = EnabledEditorCommands(s);
    EXPECT_FALSE(on.count(kGroupNames));
    EXPECT_TRUE(on.count(kInsertInputHeight)) << "whatever the version";
    s.rows = 0;
    s.selected = 0;
    EXPECT_FALSE(EnabledEditorCommands(s).count(kFind));
    EXPECT_EQ(InsertedLineKind(kInsertShowTime), kLineQuestionShowTime);
    EXPECT_EQ(InsertedLineKind(kInsertPrintAnswerNumberFont), kLineFontPrintAnswerNumber);
}
