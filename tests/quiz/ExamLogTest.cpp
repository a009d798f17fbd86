#include <gtest/gtest.h>

#include "DocFixture.h"
#include "quiz/Exam.h"
#include "quiz/ExamLog.h"
#include "quiz/ExamLogReader.h"
#include "quiz/ExamLogWriter.h"
#include "quiz/InfoPaneText.h"
#include "text/FileWriteString.h"
#include "text/Language.h"
#include "text/TextEncoding.h"

namespace {

struct LogFixture : DocFixture {
    CLSRandom random{1};
    CLSExam exam{doc, settings, random, clock};

    LogFixture() {
        settings.setExamLogName(path("EXAMLOG.TXT"));
        EXPECT_TRUE(
            load("VORELDATA "
                 "V3.0\r\nq1,,a1,,c\\,1,<00\r\nq2\\nline,,\"quoted\",,,<10\r\nq3,,a3,,\\n,<20\r\n"
                 "$Group=g0,g\\,1\r\n"));
        exam.resetRange();
        clock.local = {2026, 12, 1, 2, 0, 0, 30, 0};
    }

    void run(std::vector<Verdict> verdicts, bool stopEarly = false) {
        clock.now = 100000;
        ASSERT_TRUE(exam.examStart(CLSExamMode::inOrder()));
        for (Verdict v : verdicts) {
            ASSERT_TRUE(exam.examNext());
            clock.now += 1500;
            exam.decide(v);
        }
        if (stopEarly) {
            ASSERT_TRUE(exam.examNext());
            clock.now += 500;
        }
        clock.now += 61000;
        exam.examFinish();
    }
    std::string log() { return Cp932ToUtf8(ReadFileBytes(dir.file("EXAMLOG.TXT"))); }
};

const char* kFirstRecord =
    "Vorel for Windows Ver.3.13 出題履歴\r\n"
    "[   時刻   ] 2026年11月30日(月) 23時59分24秒\r\n";

}  // namespace

TEST(ExamLog, RecordFormatByteForByte) {
    LogFixture f;
    f.run({Verdict::kRight, Verdict::kWrong, Verdict::kSkipped});
    std::string expected = std::string(kFirstRecord) + "[ファイル名] " + f.dir.file("t.vrf") +
                           "\r\n"
                           "[ 出題範囲 ] 1～3\r\n"
                           "[ グループ ] g0,\"g,1\",2,3,4,5,6,7,8,9\r\n"
                           "[ 出題方法 ] すべて\r\n"
                           "[解答モード] 通常\r\n"
                           "[  正解率  ] 50.00%\r\n"
                           "[ 所要時間 ] 1分5秒\r\n"
                           "順番,問題番号,正誤,所要時間,問題,答え,グループ,コメント\r\n"
                           "1,1,○,1秒,q1,a1,g0,\"c,1\"\r\n"
                           "2,2,×,1秒,\"q2\nline\",\"\"\"quoted\"\"\",\"g,1\",\r\n"
                           "3,3,－,1秒,q3,a3,2,\"\n\"\r\n";
    EXPECT_EQ(f.log(), expected);

    // A later record follows two empty lines; a run stopped on a question
    // logs that question as neither right nor wrong.
    f.exam.setGroups({});
    f.exam.setGroupEnabled(2, true);
    f.run({}, true);
    std::string log = f.log();
    EXPECT_EQ(log.substr(0, expected.size()), expected);
    std::string second = log.substr(expected.size());
    EXPECT_EQ(second.substr(0, 4), "\r\n\r\n");
    EXPECT_NE(second.find("[ グループ ] g0,2\r\n"), std::string::npos);
    EXPECT_NE(second.find("[  正解率  ] －\r\n"), std::string::npos);
    EXPECT_NE(second.find("1,3,－,1分1秒,q3,a3,2,"), std::string::npos);
}

TEST(ExamLog, ReadsRecordsBackAndGroupsThem) {
    LogFixture f;
    f.run({Verdict::kRight, Verdict::kRight, Verdict::kRight});
    f.clock.local = {2027, 1, 2, 6, 10, 0, 0, 0};
    f.run({Verdict::kWrong});
    std::string extra =
        "\r\n\r\nvorel for windows Ver.3.13 出題履歴\r\n[時刻] 2025年5月5日(?) 8時1分2秒\r\n"
        "[ファイル名] B.vrf\r\n[解答方法] 記述式\r\n[ignored] "
        "x\r\n順番,問題番号\r\n1,\"2\r\n\"\r\n\r\ntrailing\r\n";
    std::string bytes = ReadFileBytes(f.dir.file("EXAMLOG.TXT")) + Utf8ToCp932Literal(extra);
    WriteFileBytes(f.dir.file("EXAMLOG.TXT"), bytes);

    std::vector<CLSExamLogOne> records = ReadExamLog(f.path("EXAMLOG.TXT"));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].rows.size(), 4u) << "the header row and three rows";
    EXPECT_EQ(U8(records[0].rate), "100.00%");
    EXPECT_EQ(records[1].year, 2027);
    EXPECT_EQ(records[1].day, 2);
    EXPECT_EQ(records[1].dayOfWeek, 6) << "2027-01-02 is a Saturday";
    EXPECT_EQ(records[2].dayOfWeek, 1) << "recomputed: 2025-05-05 is a Monday";
    EXPECT_EQ(U8(records[2].answerMode), "記述式") << "the older label is the answer mode";
    EXPECT_EQ(records[2].month, 5);
    ASSERT_EQ(records[2].rows.size(), 2u);
    EXPECT_EQ(U8(records[2].rows[1][1]), "2\r\n");

    SortExamLog(records, true);
    EXPECT_EQ(records[0].year, 2025);
    CLSExamLogNode tree = ExamLogTreeByDate(records);
    EXPECT_EQ(U8(tree.label), "出題履歴");
    ASSERT_EQ(tree.children.size(), 3u);
    EXPECT_EQ(U8(tree.children[0].label), "2025年");
    EXPECT_EQ(U8(tree.children[1].children[0].children[0].label), "30日(月)");
    EXPECT_TRUE(tree.children[2].expanded);
    EXPECT_TRUE(tree.children[2].children[0].children[0].selected);
    EXPECT_EQ(tree.children[2].first, 2);

    SortExamLog(records, false);
    EXPECT_EQ(U8(records[2].fileName), "B.vrf");
    CLSExamLogNode byFile = ExamLogTreeByFile(records);
    ASSERT_EQ(byFile.children.size(), 2u);
    EXPECT_EQ(byFile.children[0].count, 2);
    EXPECT_EQ(byFile.children[1].first, 2);
    EXPECT_TRUE(ReadExamLog(f.path("missing.txt")).empty());
}

TEST(ExamLog, SizeLimitDropsOldRecordsWhole) {
    LogFixture f;
    for (int i = 0; i < 8; ++i)
        f.run({Verdict::kRight, Verdict::kWrong, Verdict::kRight});
    std::string full = ReadFileBytes(f.dir.file("EXAMLOG.TXT"));
    ASSERT_GT(full.size(), 3000u);
    ASSERT_TRUE(TrimExamLog(f.path("EXAMLOG.TXT"), 1024));
    std::string kept = ReadFileBytes(f.dir.file("EXAMLOG.TXT"));
    EXPECT_LE(kept.size(), 1024u);
    EXPECT_EQ(kept.substr(0, 17), "Vorel for Windows");
    EXPECT_EQ(full.substr(full.size() - kept.size()), kept);

    // A newest record longer than the limit: nothing is cut.
    ASSERT_TRUE(TrimExamLog(f.path("EXAMLOG.TXT"), 100));
    EXPECT_EQ(ReadFileBytes(f.dir.file("EXAMLOG.TXT")), kept);

    // The kept part starts at the title even when its CR LF straddles a read.
    std::string head(1023, 'x');
    WriteFileBytes(f.dir.file("cut.txt"), head + "\r\nVorel for Windows tail\r\n");
    ASSERT_TRUE(TrimExamLog(f.path("cut.txt"), 1025 + 10));
    EXPECT_EQ(ReadFileBytes(f.dir.file("cut.txt")), "Vorel for Windows tail\r\n");

    f.settings.setExamLogName(f.path("no-folder/EXAMLOG.TXT"));
    f.prompter.entries.clear();
    f.run({Verdict::kRight});
    ASSERT_EQ(f.prompter.entries.size(), 1u);
    EXPECT_EQ(f.prompter.entries[0].utf8, "出題履歴ファイルに書き込みできません。");
}

// A record goes out in one write: a disk that fills midway would otherwise
// leave the first part of it, which reads back as a record with a broken
// last row. A failed write leaves the file as it was and is reported.
TEST(ExamLog, ARecordIsAppendedWholeOrNotAtAll) {
    LogFixture f;
    f.run({Verdict::kRight});
    const std::string before = ReadFileBytes(f.dir.file("EXAMLOG.TXT"));
    const std::string logPath = f.dir.file("EXAMLOG.TXT");

    CLSExamLogRun big = f.exam.logRun();
    big.rows.assign(3000, big.rows.empty() ? CLSExamLogRun::Row{} : big.rows[0]);
    for (CLSExamLogRun::Row& r : big.rows)
        r.comment = CLSTString(std::string(100, 'c'));
    int writes = 0;
    SetWriteFaultForTests([&](const std::string& p) { return p == logPath && ++writes > 1; });
    EXPECT_TRUE(AppendExamLog(CLSTString(logPath), big, f.prompter));
    EXPECT_EQ(writes, 1) << "300 KB in one write";
    std::vector<CLSExamLogOne> records = ReadExamLog(CLSTString(logPath));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].rows.size(), 3001u);

    WriteFileBytes(logPath, before);
    SetWriteFaultForTests([&](const std::string& p) { return p == logPath; });
    f.prompter.entries.clear();
    ASSERT_TRUE(f.exam.examStart(CLSExamMode::inOrder()));
    ASSERT_TRUE(f.exam.examNext());
    f.exam.decide(Verdict::kWrong);
    EXPECT_FALSE(f.exam.examFinish());
    SetWriteFaultForTests(nullptr);
    EXPECT_EQ(ReadFileBytes(logPath), before);
    ASSERT_EQ(f.prompter.entries.size(), 1u);
    EXPECT_NE(f.prompter.entries[0].utf8.find("ファイルに書き込めません。"), std::string::npos)
        << f.prompter.entries[0].utf8;
}

// The history stays Shift-JIS until a record needs more; then the whole file
// turns UTF-8 at once, and stays so when it is cut.
TEST(ExamLog, TheHistoryTurnsUtf8WholeOnTheFirstRecordThatNeedsIt) {
    LogFixture f;
    const std::string logPath = f.dir.file("EXAMLOG.TXT");
    f.run({Verdict::kRight, Verdict::kWrong});
    const std::string shiftJis = ReadFileBytes(logPath);
    ASSERT_EQ(shiftJis.rfind("Vorel for Windows", 0), 0u) << "no byte-order mark";

    CLSExamLogRun wide = f.exam.logRun();
    ASSERT_FALSE(wide.rows.empty());
    wide.rows[0].comment = Sj("café, 한국어");

    // A conversion that fails keeps the Shift-JIS file.
    SetWriteFaultForTests([&](const std::string& p) { return p.rfind(logPath + ".vtmp", 0) == 0; });
    EXPECT_FALSE(AppendExamLog(CLSTString(logPath), wide, f.prompter));
    SetWriteFaultForTests(nullptr);
    EXPECT_EQ(ReadFileBytes(logPath), shiftJis);
    ASSERT_EQ(f.prompter.entries.size(), 1u);
    f.prompter.entries.clear();

    ASSERT_TRUE(AppendExamLog(CLSTString(logPath), wide, f.prompter));
    std::string utf8 = ReadFileBytes(logPath);
    ASSERT_EQ(utf8.rfind(std::string(kUtf8Bom) + Cp932ToUtf8(shiftJis) + "\r\n\r\n", 0), 0u);
    EXPECT_NE(utf8.find(",\"café, 한국어\"\r\n"), std::string::npos);

    // Later records, whatever they hold, are appended in UTF-8.
    f.run({Verdict::kRight});
    std::string third = ReadFileBytes(logPath).substr(utf8.size());
    EXPECT_EQ(third.rfind("\r\n\r\nVorel for Windows Ver.3.13 出題履歴\r\n", 0), 0u);

    std::vector<CLSExamLogOne> records = ReadExamLog(CLSTString(logPath));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(U8(records[0].fileName), f.dir.file("t.vrf"));
    EXPECT_EQ(U8(records[1].rows[1][7]), "café, 한국어");
    EXPECT_EQ(U8(records[2].range), "1～3");

    // Cut, it keeps its mark: the newest record whole after it.
    int64_t limit = static_cast<int64_t>(third.size());
    ASSERT_TRUE(TrimExamLog(CLSTString(logPath), limit));
    std::string kept = ReadFileBytes(logPath);
    EXPECT_EQ(kept, std::string(kUtf8Bom) + third.substr(4));
    EXPECT_LE(static_cast<int64_t>(kept.size()), limit);
    records = ReadExamLog(CLSTString(logPath));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(U8(records[0].range), "1～3");

    // A new history whose first record needs UTF-8 starts in UTF-8.
    const std::string fresh = f.dir.file("FRESH.TXT");
    ASSERT_TRUE(AppendExamLog(CLSTString(fresh), wide, f.prompter));
    EXPECT_EQ(ReadFileBytes(fresh).rfind(std::string(kUtf8Bom) + "Vorel for Windows", 0), 0u);
    EXPECT_TRUE(f.prompter.entries.empty());
}

TEST(ExamLog, KeepsItsJapaneseWordsWhileTheScreenSpeaksEnglish) {
    LogFixture f;
    SetProgramLanguage("en");
    f.clock.now = 100000;
    ASSERT_TRUE(f.exam.examStart(CLSExamMode::randomAll()));
    ASSERT_TRUE(f.exam.examNext());
    std::vector<CLSInfoPaneEntry> pane = InfoPaneRunEntries(f.exam);
    ASSERT_EQ(pane.size(), 5u);
    EXPECT_EQ(U8(pane[0].label), "Method");
    EXPECT_EQ(U8(pane[0].value), "Random (all)");
    EXPECT_EQ(U8(pane[1].value), "Normal");
    EXPECT_EQ(U8(pane[3].label), "Questions left");
    EXPECT_EQ(U8(pane[3].value), "2 questions");
    f.clock.now += 65000;
    f.exam.decide(Verdict::kRight);
    f.exam.examFinish();
    std::string log = f.log();
    SetProgramLanguage(kNativeLanguage);
    // Every version reads the history: its labels, names and times are the same in every language.
    EXPECT_NE(log.find("[ 出題方法 ] ランダム(すべて)\r\n[解答モード] 通常\r\n"), std::string::npos)
        << log;
    EXPECT_NE(log.find("順番,問題番号,正誤,所要時間,問題,答え,グループ,コメント\r\n"),
              std::string::npos);
    EXPECT_NE(log.find(",○,1分5秒,"), std::string::npos) << log;

    // Read back, the history shows in the screen's words.
    std::vector<CLSExamLogOne> records = ReadExamLog(f.path("EXAMLOG.TXT"));
    ASSERT_EQ(records.size(), 1u);
    SetProgramLanguage("en");
    EXPECT_EQ(U8(ShownExamWord(records[0].method)), "Random (all)");
    EXPECT_EQ(U8(ShownExamWord(records[0].answerMode)), "Normal");
    EXPECT_EQ(U8(ShownExamWord(CLSTString("昔の出題方法"))), "昔の出題方法")
        << "unknown: as written";
    EXPECT_EQ(U8(ShownExamDuration(records[0].rows[1][3])), "1 min 5 s");
    EXPECT_EQ(U8(ShownExamDuration(CLSTString("1時間0分7秒"))), "1 h 0 min 7 s");
    EXPECT_EQ(U8(ShownExamDuration(CLSTString("5分"))), "5分") << "not a time the history writes";
    CLSExamLogNode tree = ExamLogTreeByDate(records);
    EXPECT_EQ(U8(tree.label), "Exam history");
    EXPECT_EQ(U8(tree.children[0].label), "2026");
    EXPECT_EQ(U8(tree.children[0].children[0].label), "Nov");
    EXPECT_EQ(U8(tree.children[0].children[0].children[0].label), "30 (Mon)");
    SetProgramLanguage(kNativeLanguage);
    EXPECT_EQ(U8(ShownExamWord(records[0].method)), "ランダム(すべて)");
}
