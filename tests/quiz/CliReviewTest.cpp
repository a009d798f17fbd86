// A review in the terminal and the schedule it leaves, read back through
// `vorel-cli srs`, with the clock set by --now.

#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "text/Codec.h"

namespace {

// apple: right on 12/01 and 12/03, due later; pear: wrong on 12/01, due;
// "new one": never asked; a fourth question is new too.
const char* kFile =
    "VORELDATA V3.0\r\n#T,010000\r\napple,,りんご,,,<00,12612011930,12612031930\r\n"
    "pear,,なし,,,<00,02612011930\r\nnew one,,新しい,,,<00\r\nlast,,最後,,,<00\r\n";

struct CliReview {
    TempDir dir;
    CliReview() {
        WriteFileBytes(dir.file("r.vrf"), Utf8ToCp932Literal(kFile));
        // One new question a day, so that "last" waits for tomorrow.
        WriteFileBytes(dir.file("VORELWIN.INI"), "[Review]\r\nNewPerDay=1\r\n");
    }
    int run(const std::string& command, const std::string& args, const std::string& input,
            std::string* out) {
        int status =
            RunCommand("TZ=UTC VOREL_HOME=" + ShellQuote(dir.path()) + " " + ShellQuote(CliPath()) +
                           " " + command + " " + ShellQuote(dir.file("r.vrf")) + " " + args,
                       out, &err, input);
        return status;
    }
    std::string err;
    std::string saved() { return Cp932ToUtf8(ReadFileBytes(dir.file("r.vrf"))); }
};

std::string asked(const std::string& events) {
    std::string numbers;
    for (size_t at = events.find("\"ask\",\"number\":"); at != std::string::npos;
         at = events.find("\"ask\",\"number\":", at + 1)) {
        numbers += events[at + 15];
    }
    return numbers;
}

}  // namespace

TEST(CliReview, AsksWhatIsDueThenTheDaysNewOnesAndSchedulesThem) {
    CliReview r;
    std::string out;
    // Before: apple and pear are seeded from their history, the others new.
    ASSERT_EQ(r.run("srs", "--now 2026-12-10T10:00", "", &out), 0);
    EXPECT_NE(
        out.find("{\"number\":2,\"state\":\"review\",\"stability\":0.212,\"difficulty\":6.4133,"
                 "\"lastReview\":\"2026-12-01T19:30\",\"due\":\"2026-12-02T19:30\""),
        std::string::npos)
        << out;
    EXPECT_NE(out.find("{\"number\":3,\"state\":\"new\",\"stability\":null"), std::string::npos);

    // pear (due) first, then the one new question of the day: wrong, then
    // right through both learning steps, each time when nothing else is left.
    ASSERT_EQ(r.run("quiz", "--mode review --now 2026-12-10T10:00 --json",
                    "なし\nx\n新しい\n新しい\n", &out),
              0);
    EXPECT_EQ(asked(out), "2333") << out;
    std::string saved = r.saved();
    EXPECT_NE(saved.find("pear,,なし,,,<00,02612011930,12612101000\r\n'@review 1,2,"),
              std::string::npos)
        << saved;
    EXPECT_NE(
        saved.find("new one,,新しい,,,<00,02612101000,12612101000,12612101000\r\n'@review 1,"),
        std::string::npos)
        << saved;
    EXPECT_EQ(saved.find("last,,最後,,,<00\r\n'"), std::string::npos) << "not asked";

    // Nothing is due again today, and the review log says the day's new
    // question was started: the run says when the next one is.
    ASSERT_EQ(r.run("quiz", "--mode review --now 2026-12-10T11:00", "", &out), 0);
    EXPECT_EQ(out.rfind("今日復習する問題はありません。次の復習は 2026年12月", 0), 0u) << out;

    // The stored schedules, and the due dates at another retention.
    ASSERT_EQ(r.run("srs", "--now 2026-12-10T11:00", "", &out), 0);
    EXPECT_NE(out.find("{\"number\":2,\"state\":\"review\""), std::string::npos) << out;
    EXPECT_NE(out.find("\"lastReview\":\"2026-12-10T10:00\""), std::string::npos) << out;
    std::string relaxed;
    ASSERT_EQ(r.run("srs", "--now 2026-12-10T11:00 --retention 0.7", "", &relaxed), 0);
    EXPECT_NE(relaxed, out) << "a lower retention puts the due dates later";
    EXPECT_EQ(r.run("srs", "--retention 2", "", &out), 1);
    EXPECT_EQ(r.err, "vorel-cli: --retention takes a number between 0 and 1, such as 0.9\n");
}

TEST(CliReview, ConfirmModeGradesWithOneToFourAndSkipsLeaveAQuestionDue) {
    CliReview r;
    std::string out;
    // pear skipped: nothing graded, still due; the new one graded Easy.
    ASSERT_EQ(
        r.run("quiz", "--mode review --answer-mode confirm --now 2026-12-10T10:00 --no-log --json",
              "s\n4\n", &out),
        0);
    EXPECT_EQ(asked(out), "23") << out;
    std::string saved = r.saved();
    EXPECT_NE(saved.find("pear,,なし,,,<00,02612011930\r\nnew one"), std::string::npos) << saved;
    EXPECT_NE(saved.find("new one,,新しい,,,<00,12612101000\r\n'@review 1,2,8.2956,1,"),
              std::string::npos)
        << "Easy at once to review: " << saved;
}
