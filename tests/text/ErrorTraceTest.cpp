#include <gtest/gtest.h>

#include "TestSupport.h"
#include "text/Error.h"
#include "text/TString.h"

class ErrorTrace : public ::testing::Test {
  protected:
    void SetUp() override { ResetTrace(); }
    void TearDown() override {
        setDebugMode(false);
        SetTraceFilePath("DEBUG.LOG");
        ResetTrace();
    }
};

TEST_F(ErrorTrace, RingKeepsTheLast70LinesAndDebugLogListsThemOldestFirst) {
    TempDir dir;
    SetTraceFilePath(dir.file("DEBUG.LOG"));
    setDebugMode(true);
    for (int i = 0; i < 75; ++i)
        traceLine(("line " + std::to_string(i)).c_str());
    std::vector<std::string> ring = TraceRing();
    ASSERT_EQ(ring.size(), 70u);
    EXPECT_EQ(ring[0], "line 74");
    EXPECT_EQ(ring[69], "line 5");

    std::string log = ReadFileBytes(dir.file("DEBUG.LOG"));
    std::string expected = "Vorel for Windows Ver.3.13\r\n";
    for (int i = 5; i < 75; ++i)
        expected += "line " + std::to_string(i) + "\r\n";
    EXPECT_EQ(log, expected);

    ResetTrace();
    traceLine("only");
    log = ReadFileBytes(dir.file("DEBUG.LOG"));
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 71) << "empty slots are empty lines";
    EXPECT_EQ(log.substr(log.size() - 6), "only\r\n");
}

TEST_F(ErrorTrace, NestingIndentsByTwoSpacesPerLevel) {
    traceIn("A::a");
    traceIn("B::b");
    traceIn("C::c");
    traceOut("C::c");
    traceOut("B::b");
    traceOut("A::a");
    traceOut("Stray");
    std::vector<std::string> ring = TraceRing();
    EXPECT_EQ(ring[6], "A::a() in");
    EXPECT_EQ(ring[4], "    C::c() in");
    EXPECT_EQ(ring[3], "    C::c() out");
    EXPECT_EQ(ring[2], "  B::b() out");
    EXPECT_EQ(ring[1], "A::a() out");
    EXPECT_EQ(ring[0], "Stray() out") << "an unmatched out is not indented";
    EXPECT_EQ(TraceDepth(), 0);

    std::string longName(400, 'n');
    traceLine(longName.c_str());
    EXPECT_EQ(TraceRing()[0].size(), 255u);
}

TEST_F(ErrorTrace, ScopeLeavingByAnErrorKeepsTheDepth) {
    try {
        CLSTraceScope outer("Outer::run");
        CLSTString("abc").charAt(7);
    } catch (const CLSError& e) {
        EXPECT_EQ(e.code(), CLSError::kIndex);
    }
    EXPECT_EQ(TraceDepth(), 0);
    EXPECT_EQ(U8(CLSTString(TraceRing()[0].c_str())).find("TSTRING("), 0u);
}

TEST_F(ErrorTrace, ErrorsShowTheirMessageModuleAndLine) {
    CLSError e("TSTRING", 123, CLSError::kParameter);
    EXPECT_EQ(U8(CLSTString(TraceRing()[0].c_str())), "TSTRING(123行): パラメータが不正です。");
    FakePrompter prompter;
    showError(e, prompter);
    ASSERT_EQ(prompter.entries.size(), 1u);
    EXPECT_EQ(prompter.entries[0].icon, PromptIcon::Error);
    EXPECT_EQ(prompter.entries[0].utf8, "パラメータが不正です。\n\nTSTRING : 123行");

    showErrorText(prompter, nullptr);
    EXPECT_EQ(prompter.entries.size(), 1u) << "nothing is shown for a missing text";
    showErrorText(prompter, Sj("読めません").text());
    EXPECT_EQ(prompter.entries.back().utf8, "読めません");

    const char* messages[] = {"ダイアログを表示できません。",
                              "ファイルを開けません。",
                              "印刷時にエラーが発生しました。",
                              "クリップボードから読み取れません。",
                              "ファイルを読み込めません。",
                              "ウィンドウクラスを登録できません。",
                              "ファイルに書き込めません。",
                              "デストラクタが不正呼び出しされました。",
                              "パラメータが不正です。",
                              "その機能は実装されていません。",
                              "メモリ不足です。",
                              "添字が範囲外です。",
                              "予期しないエラーです。"};
    for (int code = 0; code <= 12; ++code) {
        EXPECT_EQ(U8(CLSTString(CLSError::messageOf(code))), messages[code]) << code;
    }
    EXPECT_STREQ(CLSError::messageOf(13), "???");
}
