// Reading back histories that were damaged, and the figures of the charts.

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "quiz/ExamLogReader.h"
#include "quiz/ExamLogStats.h"
#include "text/Clock.h"
#include "text/Codec.h"

namespace {

std::string record(const std::string& time, const std::string& file, const std::string& rate,
                   const std::string& rows) {
    return "Vorel for Windows Ver.3.13 出題履歴\r\n[   時刻   ] " + time + "\r\n[ファイル名] " +
           file + "\r\n[ 出題方法 ] すべて\r\n[  正解率  ] " + rate +
           "\r\n順番,問題番号,正誤,所要時間,問題,答え,グループ,コメント\r\n" + rows;
}

std::vector<CLSExamLogOne> readUtf8(const TempDir& dir, const std::string& utf8) {
    WriteFileBytes(dir.file("log.txt"), Utf8ToCp932Literal(utf8));
    return ReadExamLog(CLSTString(dir.file("log.txt")));
}

}  // namespace

TEST(ExamLogRead, DamagedHistoriesShowWhatCanBeRead) {
    TempDir dir;
    std::string first = record("2026年1月2日(金) 9時0分0秒", "a.vrf", "50.00%",
                               "1,1,○,1秒,q,a,0,\r\n2,2,×,1秒,\"never closed,a,0,\r\n");
    std::string second = record("2026年1月3日(土) 9時0分0秒", "b.vrf", "100.00%",
                                "1,4,○,1秒,q4,a4,0,\"two\nlines\"\r\n");
    // A quote that never closed swallows no record after it, and a record
    // whose blank lines were lost still ends at the next title.
    std::vector<CLSExamLogOne> records = readUtf8(dir, first + "\r\n\r\n" + second + second);
    ASSERT_EQ(records.size(), 3u);
    ASSERT_EQ(records[0].rows.size(), 3u);
    EXPECT_EQ(U8(records[0].rows[2][4]), "never closed,a,0,")
        << "the broken field keeps the rest of its line";
    EXPECT_EQ(U8(records[1].fileName), "b.vrf");
    ASSERT_EQ(records[1].rows.size(), 2u);
    EXPECT_EQ(U8(records[1].rows[1][7]), "two\nlines");
    EXPECT_EQ(U8(records[2].fileName), "b.vrf");

    // Garbage between records and a file cut short.
    std::string garbage = std::string("\x01\x02\xFF\xFE garbage\r\n\"\r\n", 16);
    std::string cut = record("2026年1月4日(日) 9時0分0秒", "c.vrf", "0.00%", "1,1,×,1秒,q,");
    WriteFileBytes(dir.file("log.txt"), Utf8ToCp932Literal(first) + "\r\n\r\n" + garbage +
                                            Utf8ToCp932Literal(second + "\r\n\r\n" + cut));
    records = ReadExamLog(CLSTString(dir.file("log.txt")));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(U8(records[1].fileName), "b.vrf");
    ASSERT_EQ(records[2].rows.size(), 2u);
    EXPECT_EQ(records[2].rows[1].count(), 6);

    WriteFileBytes(dir.file("bin.txt"), std::string("\0\0\0Vorel", 8));
    EXPECT_TRUE(ReadExamLog(CLSTString(dir.file("bin.txt"))).empty());
}

TEST(ExamLogRead, TimeNumbersPastTheRangeLeaveTheirFieldUnset) {
    TempDir dir;
    std::vector<CLSExamLogOne> records =
        readUtf8(dir, record("99999999999年1月2日(金) 2147483647時0分99999999999999999999秒",
                             "a.vrf", "0.00%", "1,1,×,1秒,q,a,0,\r\n"));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].year, 0);
    EXPECT_EQ(records[0].month, 1);
    EXPECT_EQ(records[0].day, 2);
    EXPECT_EQ(records[0].hour, 2147483647);
    EXPECT_EQ(records[0].second, 0);
    // The largest year and day the fields hold still give the right weekday.
    EXPECT_EQ(DayOfWeek(2147483647, 1, 2147483647), 2);
}

TEST(ExamLogRead, ReadingStopsWhenAskedAndReportsProgress) {
    TempDir dir;
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += record("2026年1月2日(金) 9時0分0秒", "a.vrf", "50.00%", "1,1,○,1秒,q,a,0,\r\n") +
                "\r\n\r\n";
    WriteFileBytes(dir.file("log.txt"), Utf8ToCp932Literal(text));
    std::vector<int> seen;
    std::atomic<bool> stop{false};
    auto records = ReadExamLog(
        CLSTString(dir.file("log.txt")),
        [&](int percent) {
            seen.push_back(percent);
            if (percent >= 50) stop = true;
        },
        &stop);
    EXPECT_LT(records.size(), 300u);
    EXPECT_GT(records.size(), 50u);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), 100);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
}

TEST(ExamLogStats, RatesAndDailyCountsOfOneFile) {
    TempDir dir;
    std::string rows3 = "1,1,○,1秒,q,a,0,\r\n2,2,×,1秒,q,a,0,\r\n3,3,○,1秒,q,a,0,\r\n";
    std::string text =
        record("2026年1月3日(土) 8時0分0秒", "A.vrf", "66.67%", rows3) + "\r\n\r\n" +
        record("2026年1月2日(金) 9時0分0秒", "a.vrf", "100.00%", "1,1,○,1秒,q,a,0,\r\n") +
        "\r\n\r\n" + record("2026年1月3日(土) 7時0分0秒", "b.vrf", "0.00%", rows3) + "\r\n\r\n" +
        record("2026年1月3日(土) 9時0分0秒", "a.vrf", "－", rows3);
    std::vector<CLSExamLogOne> records = readUtf8(dir, text);
    ASSERT_EQ(records.size(), 4u);
    CLSExamLogStats stats = ExamLogStatsOfFile(records, Sj("a.vrf"));
    ASSERT_EQ(stats.rates.size(), 2u) << "a run without judged answers has no rate";
    EXPECT_EQ(stats.rates[0].time, (CLSExamLogTime{2026, 1, 2, 9, 0, 0}));
    EXPECT_DOUBLE_EQ(stats.rates[0].percent, 100.0);
    EXPECT_DOUBLE_EQ(stats.rates[1].percent, 66.67);
    ASSERT_EQ(stats.days.size(), 2u);
    EXPECT_EQ(stats.days[0].questions, 1);
    EXPECT_EQ(stats.days[1].day, 3);
    EXPECT_EQ(stats.days[1].questions, 6) << "two runs of the same file that day";

    double percent = 0;
    EXPECT_FALSE(ParseRateText(Sj("－"), percent));
    EXPECT_FALSE(ParseRateText(Sj("12"), percent));
    EXPECT_FALSE(ParseRateText(Sj("250%"), percent));
    EXPECT_TRUE(ParseRateText(Sj("0.50%"), percent));
    EXPECT_DOUBLE_EQ(percent, 0.5);
}
