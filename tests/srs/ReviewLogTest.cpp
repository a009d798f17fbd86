// The review log file: records read back whole, judgements corrected, and
// files that are not ours (or cannot be written) refused with the
// program's message and left as they were.

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iterator>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "srs/SqliteReviewLog.h"

namespace {

using Opened = CLSReviewLogResult<std::unique_ptr<CLSSqliteReviewLog>>;

Opened Open(const std::string& path, int busyMs = CLSSqliteReviewLog::kDefaultBusyTimeoutMs) {
    return CLSSqliteReviewLog::open(CLSTString(path), busyMs);
}

CLSReviewRecord Record(uint64_t id, int64_t utcMs, int grade = 3, int stateBefore = 2) {
    CLSReviewRecord r;
    r.questionId = id;
    r.dataFile = "/home/学習者/単語帳 ①.vrf";
    r.utcMs = utcMs;
    r.utcOffsetMinutes = 540;
    r.grade = grade;
    r.stateBefore = stateBefore;
    r.stabilityBefore = 3.1730;
    r.difficultyBefore = 5.5;
    r.answerMs = 4200;
    return r;
}

// Runs SQL on a file with SQLite itself, as another program would.
void Sql(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

size_t FileCount(const std::string& folder) {
    auto entries = std::filesystem::directory_iterator(folder);
    return static_cast<size_t>(std::distance(begin(entries), end(entries)));
}

}  // namespace

TEST(ReviewLog, RecordsReadBackWholeAndRegraded) {
    TempDir dir;
    std::vector<CLSReviewRecord> added = {
        Record(std::numeric_limits<uint64_t>::max(), 1'796'689'800'000),
        Record(7, 1'700'000'000'000, 1, 0),
        Record(8, 1'796'689'800'000, 4, 3),  // the same moment: after the first
        Record(0, -86'400'000, 2, 1),        // a clock set before 1970
    };
    added[1].dataFile = "";
    added[2].utcOffsetMinutes = -570;
    added[2].dayStartHour = 0;
    added[2].stabilityBefore = 36500;
    added[2].difficultyBefore = 6.3574867;
    added[3].dayStartHour = 23;
    added[3].answerMs = 0;
    std::vector<CLSReviewRecord> oldestFirst = {added[3], added[1], added[0], added[2]};

    Opened file = Open(dir.file("記録.db"));
    Opened memory = CLSSqliteReviewLog::openInMemory();
    for (Opened* opened : {&file, &memory}) {
        ASSERT_TRUE(opened->ok()) << opened->error();
        CLSReviewLog& log = ***opened;
        std::vector<int64_t> rows;
        for (const CLSReviewRecord& r : added) {
            auto row = log.append(r);
            ASSERT_TRUE(row.ok()) << row.error();
            rows.push_back(*row);
        }
        EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end()));
        EXPECT_EQ(log.reviews().value(), oldestFirst);
        // A changed judgement corrects its row and adds none.
        ASSERT_TRUE(log.regrade(rows[0], 1).ok());
        EXPECT_EQ(
            log.regrade(rows[3] + 1, 2).error(),
            "復習の記録を書き込めません: 記録 " + std::to_string(rows[3] + 1) + " がありません");
        EXPECT_EQ(log.regrade(rows[0], 0).error(),
                  "復習の記録を書き込めません: 評価 0 は 1 から 4 のどれかにしてください");
        EXPECT_EQ(log.count().value(), 4);
    }
    oldestFirst[2].grade = 1;
    EXPECT_EQ((*memory)->reviews().value(), oldestFirst);

    // Closed and opened again, the log has everything and takes more.
    file->reset();
    Opened again = Open(dir.file("記録.db"));
    ASSERT_TRUE(again.ok()) << again.error();
    EXPECT_EQ((*again)->reviews().value(), oldestFirst);
    EXPECT_TRUE((*again)->append(Record(9, 1'800'000'000'000)).ok());
    EXPECT_EQ((*again)->count().value(), 5);
}

TEST(ReviewLog, RecordsOutOfRangeAreRefusedWhole) {
    struct Case {
        std::function<void(CLSReviewRecord&)> spoil;
        const char* message;
    } cases[] = {
        {[](CLSReviewRecord& r) { r.grade = 5; }, "評価 5 は 1 から 4 のどれかにしてください"},
        {[](CLSReviewRecord& r) { r.stateBefore = 4; },
         "復習前の状態 4 は 0 から 3 のどれかにしてください"},
        {[](CLSReviewRecord& r) { r.utcOffsetMinutes = 900; },
         "時差 900 分は -720 から 840 分にしてください"},
        {[](CLSReviewRecord& r) { r.utcMs = std::numeric_limits<int64_t>::max(); },
         "復習の時刻が正しくありません"},
        {[](CLSReviewRecord& r) { r.answerMs = -1; }, "解答時間が負になっています"},
        {[](CLSReviewRecord& r) { r.stabilityBefore = std::numeric_limits<double>::quiet_NaN(); },
         "記憶の安定度か難易度が正しくありません"},
    };
    auto log = std::move(CLSSqliteReviewLog::openInMemory().value());
    for (const Case& c : cases) {
        CLSReviewRecord r = Record(1, 1000);
        c.spoil(r);
        EXPECT_EQ(log->append(r).error(), std::string("復習の記録を書き込めません: ") + c.message);
    }
    EXPECT_EQ(log->count().value(), 0);
}

TEST(ReviewLog, FilesNotOursAreRefusedAndLeftAlone) {
    TempDir dir;
    std::string newer = dir.file("newer.db");
    {
        Opened made = Open(newer);
        ASSERT_TRUE(made.ok() && (*made)->append(Record(1, 1000)).ok());
    }
    Sql(newer, "PRAGMA user_version = 2");
    std::string foreign = dir.file("foreign.db");
    Sql(foreign, "CREATE TABLE cards (front TEXT, back TEXT); INSERT INTO cards VALUES ('a', 'b')");
    WriteFileBytes(dir.file("text.db"), "これはデータベースではありません\r\n");
    std::string noise(8192, '\0');
    std::mt19937 rng(3);
    for (char& b : noise)
        b = static_cast<char>(rng());
    WriteFileBytes(dir.file("noise.db"), noise);

    const std::string notADatabase =
        "復習の記録を読めません: データベースのファイルではありません (file is not a database)";
    struct Case {
        std::string path;
        std::string message;
    } cases[] = {
        {newer, "復習の記録を読めません: このプログラムより新しい版で作られています (版 2)"},
        {foreign, "復習の記録を読めません: 復習の記録のファイルではありません"},
        {dir.file("text.db"), notADatabase},
        {dir.file("noise.db"), notADatabase},
    };
    size_t files = FileCount(dir.path());
    for (const Case& c : cases) {
        std::string before = ReadFileBytes(c.path);
        EXPECT_EQ(Open(c.path).error(), c.message) << c.path;
        EXPECT_EQ(ReadFileBytes(c.path), before) << c.path;
    }
    EXPECT_EQ(FileCount(dir.path()), files) << "no journal left beside them";
}

TEST(ReviewLog, PlacesThatCannotHoldALogAreReported) {
    TempDir dir;
    WriteFileBytes(dir.file("plain"), "x");
    MakeFifo(dir.file("pipe"));
    const std::string cannotOpen =
        "復習の記録を書き込めません: ファイルを開けません (unable to open database file)";
    const std::string notAFile = "復習の記録を読めません: 普通のファイルではありません";
    EXPECT_EQ(Open(dir.file("plain/REVIEWLOG.DB")).error(), cannotOpen);
    EXPECT_EQ(Open(dir.file("missing/REVIEWLOG.DB")).error(), cannotOpen);
    EXPECT_EQ(Open(dir.path()).error(), notAFile);
    EXPECT_EQ(Open("").error(), "復習の記録を書き込めません: ファイル名がありません");
    EXPECT_TRUE(FinishesWithoutWaitingOn(
        dir.file("pipe"), [&] { EXPECT_EQ(Open(dir.file("pipe")).error(), notAFile); }));
    if (::geteuid() != 0) {
        // A folder we may not write to (root writes anywhere).
        std::filesystem::create_directory(dir.file("shut"));
        ::chmod(dir.file("shut").c_str(), 0555);
        EXPECT_EQ(Open(dir.file("shut/REVIEWLOG.DB")).error(), cannotOpen);
        ::chmod(dir.file("shut").c_str(), 0755);
    }
}

TEST(ReviewLog, SecondWriterIsWaitedForOrReported) {
    TempDir dir;
    std::string path = dir.file("REVIEWLOG.DB");
    Opened one = Open(path);
    Opened two = Open(path, 20);
    ASSERT_TRUE(one.ok() && two.ok());
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE((*one)->append(Record(1, 1000 + i)).ok());
        ASSERT_TRUE((*two)->append(Record(2, 1000 + i)).ok());
    }
    // Another program in the middle of a write: readers go on, a writer
    // that waited too long is told so, and nothing is lost.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ((*two)->count().value(), 6);
    EXPECT_EQ((*two)->append(Record(3, 2000)).error(),
              "復習の記録を書き込めません: ほかのプログラムが使っています (database is locked)");
    ASSERT_EQ(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    EXPECT_TRUE((*two)->append(Record(3, 2000)).ok());
    EXPECT_EQ((*one)->count().value(), 7);
}
