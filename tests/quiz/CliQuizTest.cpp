#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include "TestSupport.h"
#include "quiz/ExamLogReader.h"
#include "text/Codec.h"
#include "text/Paths.h"

namespace {

const char* kFile =
    "VORELDATA V3.0\r\n#T,010000\r\nq1,hint one,apple|an apple,,c1,<00\r\nq2,,dog,,,<00\r\n"
    "q3,,red|blue|green,,,<01\r\n";

struct CliQuiz {
    TempDir dir;
    CliQuiz() {
        WriteFileBytes(dir.file("q.vrf"), Utf8ToCp932Literal(kFile));
        // Re-asking in file order keeps the script deterministic.
        WriteFileBytes(dir.file("VORELWIN.INI"), "[Options]\r\nRetryRandom=0\r\n");
    }
    int run(const std::string& args, const std::string& input, std::string* out) {
        std::string cmd = "VOREL_HOME=" + ShellQuote(dir.path()) + " " + ShellQuote(CliPath()) +
                          " quiz " + ShellQuote(dir.file("q.vrf")) + " --seed 5 " + args;
        return RunCommand(cmd, out, nullptr, input);
    }
};

}  // namespace

TEST(CliQuiz, ScriptedRunWithHintsOverridesAndRetry) {
    CliQuiz q;
    std::string out;
    // "!" while q2 is shown flips q1's judgement, and q2 is shown again.
    ASSERT_EQ(q.run("--json", "?\nAPPLE\n!\ncat\nred\nred\nr\ndog\n", &out), 0);
    const std::string ask1 =
        "{\"event\":\"ask\",\"number\":1,\"title\":\"T\",\"question\":\"q1\",\"answerCount\":"
        "1,\"hints\":1}\n";
    const std::string ask2 =
        "{\"event\":\"ask\",\"number\":2,\"title\":\"T\",\"question\":\"q2\",\"answerCount\":"
        "1,\"hints\":0}\n";
    EXPECT_EQ(out,
              ask1 +
                  "{\"event\":\"hint\",\"number\":1,\"index\":0,\"hint\":\"hint one\"}\n"
                  "{\"event\":\"judge\",\"number\":1,\"right\":true,\"answers\":[\"apple\","
                  "\"an apple\"],\"comment\":\"c1\"}\n" +
                  ask2 +
                  "{\"event\":\"judge\",\"number\":1,\"right\":false,\"answers\":[\"apple\",\"an "
                  "apple\"],\"comment\":\"c1\"}\n" +
                  ask2 +
                  "{\"event\":\"judge\",\"number\":2,\"right\":false,\"answers\":[\"dog\"],"
                  "\"comment\":\"\"}\n"
                  "{\"event\":\"ask\",\"number\":3,\"title\":\"T\",\"question\":\"q3\","
                  "\"answerCount\":2,\"hints\":0}\n"
                  "{\"event\":\"judge\",\"number\":3,\"right\":true,\"answers\":[\"red\",\"blue\","
                  "\"green\"],\"comment\":\"\"}\n"
                  "{\"event\":\"end\",\"asked\":3,\"right\":1,\"wrong\":2,\"rate\":\"33.33%\"}\n"
                  "{\"event\":\"retry\"}\n" +
                  ask1 +
                  "{\"event\":\"judge\",\"number\":1,\"right\":false,\"answers\":[\"apple\",\"an "
                  "apple\"],\"comment\":\"c1\"}\n" +
                  ask2 +
                  "{\"event\":\"end\",\"asked\":2,\"right\":0,\"wrong\":1,\"rate\":\"0.00%\"}\n");
    // History was recorded and saved; the exam history has both runs.
    std::string saved = Cp932ToUtf8(ReadFileBytes(q.dir.file("q.vrf")));
    // The flip corrected q1's own history entry, not the one of q2 on screen.
    auto lineOf = [&saved](const std::string& start) {
        size_t at = saved.find(start);
        return at == std::string::npos ? std::string()
                                       : saved.substr(at, saved.find('\r', at) - at);
    };
    std::string q1 = lineOf("q1,");
    ASSERT_EQ(q1.size(),
              std::string("q1,hint one,apple|an apple,,c1,<00,0yymmddhhmm,0yymmddhhmm").size())
        << saved;
    EXPECT_EQ(q1.substr(0, 32), "q1,hint one,apple|an apple,,c1,<") << q1;
    EXPECT_EQ(q1.substr(34, 2), ",0") << "right at first, then flipped";
    EXPECT_EQ(q1.substr(46, 2), ",0") << "wrong when asked again";
    EXPECT_EQ(lineOf("q2,").size(), std::string("q2,,dog,,,<00,0yymmddhhmm").size()) << saved;
    std::string log = Cp932ToUtf8(ReadFileBytes(q.dir.file("EXAMLOG.TXT")));
    EXPECT_NE(log.find("[ 出題方法 ] 間違えた問題を再出題"), std::string::npos);
    EXPECT_NE(log.find("2,2,－,"), std::string::npos) << "the question left unanswered";
}

TEST(CliQuiz, ChoicesConfirmAndOptions) {
    CliQuiz q;
    std::string out;
    ASSERT_EQ(q.run("--json --no-log --no-save --answer-mode confirm --range 2-2", "s\n", &out), 0);
    EXPECT_NE(out.find("\"right\":false,\"skipped\":true"), std::string::npos);
    EXPECT_NE(out.find("\"rate\":\"－\""), std::string::npos);
    EXPECT_FALSE(NativeFileExists(q.dir.file("EXAMLOG.TXT")));

    ASSERT_EQ(q.run("--json --no-log --no-save --answer-mode choice --range 1-1", "1\n", &out), 0);
    EXPECT_NE(out.find("\"choices\":["), std::string::npos);

    std::string err;
    EXPECT_EQ(RunCommand(ShellQuote(CliPath()) + " quiz " + ShellQuote(q.dir.file("q.vrf")) +
                             " --groups 9 --no-save",
                         &out, &err),
              1);
    EXPECT_NE(err.find("出題範囲に問題がありません。"), std::string::npos);
}

// A script that waits for each question before answering it: the next
// question must be on screen before the program reads another line.
TEST(CliQuiz, NextQuestionIsShownBeforeTheNextLineIsRead) {
    CliQuiz q;
    Conversation quiz("VOREL_HOME=" + ShellQuote(q.dir.path()) + " " + ShellQuote(CliPath()) +
                      " quiz " + ShellQuote(q.dir.file("q.vrf")) + " --json --no-save --no-log");
    ASSERT_TRUE(quiz.waitFor("\"number\":1,\"title\"")) << quiz.output();
    quiz.send("wrong");
    ASSERT_TRUE(quiz.waitFor("\"event\":\"judge\",\"number\":1")) << quiz.output();
    ASSERT_TRUE(quiz.waitFor("\"event\":\"ask\",\"number\":2")) << quiz.output();
    quiz.send("!");
    ASSERT_TRUE(quiz.waitFor("\"event\":\"judge\",\"number\":1,\"right\":true")) << quiz.output();
    ASSERT_TRUE(quiz.waitFor("\"event\":\"ask\",\"number\":2")) << quiz.output();
    quiz.send("dog");
    ASSERT_TRUE(quiz.waitFor("\"event\":\"ask\",\"number\":3")) << quiz.output();
    quiz.send("red");
    quiz.send("green");
    ASSERT_TRUE(quiz.waitFor("\"event\":\"end\",\"asked\":3,\"right\":3")) << quiz.output();
    EXPECT_EQ(quiz.finish(), 0);
}

TEST(CliQuiz, RunsThatCannotStartFailAndMediaShowByName) {
    CliQuiz q;
    std::string out;
    std::string err;
    auto quiz = [&](const std::string& args) {
        return RunCommand("VOREL_HOME=" + ShellQuote(q.dir.path()) + " " + ShellQuote(CliPath()) +
                              " quiz " + ShellQuote(q.dir.file("q.vrf")) + " --no-save --no-log " +
                              args,
                          &out, &err, "");
    };
    EXPECT_EQ(quiz("--mode count --count 0"), 1);
    EXPECT_NE(err.find("値が有効範囲を超えています。"), std::string::npos) << err;
    EXPECT_EQ(quiz("--mode count --count 100 --no-repeat"), 1);
    EXPECT_NE(err.find("値が有効範囲を超えています。"), std::string::npos) << err;
    EXPECT_EQ(quiz("--mode count"), 1) << "the count prompt met the end of input";
    EXPECT_EQ(quiz("--range 5-9"), 1);
    EXPECT_NE(err.find("出題範囲に問題がありません。"), std::string::npos) << err;

    WriteFileBytes(q.dir.file("q.vrf"),
                   Utf8ToCp932Literal("VORELDATA V3.0\r\n#T,000000\r\n"
                                      "\\i\"pics\\fuji.png|width=50\"これは？,,山,,,<00\r\n"));
    EXPECT_EQ(quiz(""), 0);
    EXPECT_NE(out.find("問題 1: [fuji.png]これは？"), std::string::npos) << out;
}

// Ctrl+C (or a TERM from the system) ends the run as Esc does: the answers
// so far are in the data file and the exam history, and the exit status
// tells that the run was stopped.
TEST(CliQuiz, SignalsEndTheRunAndKeepTheAnswersSoFar) {
    for (int number : {SIGINT, SIGTERM}) {
        CliQuiz q;
        Conversation quiz("exec env VOREL_HOME=" + ShellQuote(q.dir.path()) + " " +
                          ShellQuote(CliPath()) + " quiz " + ShellQuote(q.dir.file("q.vrf")) +
                          " --json");
        ASSERT_TRUE(quiz.waitFor("\"event\":\"ask\",\"number\":1")) << quiz.output();
        quiz.send("apple");
        ASSERT_TRUE(quiz.waitFor("\"event\":\"ask\",\"number\":2")) << quiz.output();
        quiz.signal(number);
        ASSERT_TRUE(quiz.waitFor("\"event\":\"end\",\"asked\":2,\"right\":1")) << quiz.output();
        EXPECT_EQ(quiz.finish(), 130) << number;

        std::string data = Cp932ToUtf8(ReadFileBytes(q.dir.file("q.vrf")));
        EXPECT_NE(data.find("q1,hint one,apple|an apple,,c1,<00,1"), std::string::npos) << data;
        EXPECT_NE(data.find("q2,,dog,,,<00\r\n"), std::string::npos) << data;
        std::vector<CLSExamLogOne> log = ReadExamLog(CLSTString(q.dir.file("EXAMLOG.TXT")));
        ASSERT_EQ(log.size(), 1u) << number;
        ASSERT_EQ(log[0].rows.size(), 3u) << "the header, the answer and the question on screen";
        EXPECT_EQ(U8(log[0].rows[1][2]), "○");
        EXPECT_EQ(U8(log[0].rows[2][2]), "－");
    }
}

// A record that does not fit (a full disk; here a file size limit) is not
// left in half, and the run says that it failed.
TEST(CliQuiz, AHistoryRecordIsWrittenWholeOrNotAtAll) {
    CliQuiz q;
    std::string file = "VORELDATA V3.0\r\n#T,000000\r\n";
    std::string input;
    for (int i = 0; i < 40; ++i) {
        file += "q" + std::to_string(i) + std::string(50, 'x') + ",,a,,,<00\r\n";
        input += "a\n";
    }
    WriteFileBytes(q.dir.file("q.vrf"), file);
    // An earlier record takes most of what the file may grow to.
    std::string earlier = Utf8ToCp932Literal(
        "Vorel for Windows Ver.3.13 出題履歴\r\n[   時刻   ] 2026年1月2日(金) 9時0分0秒\r\n"
        "順番,問題番号,正誤,所要時間,問題,答え,グループ,コメント\r\n1,1,○,1秒,q,a,0," +
        std::string(6000, 'c') + "\r\n");
    WriteFileBytes(q.dir.file("EXAMLOG.TXT"), earlier);
    std::string out;
    std::string err;
    // The limit is inherited by the command; beyond it a write fails with
    // EFBIG (the signal it would send is ignored) as on a full disk.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit limit = old;
    limit.rlim_cur = 8192;
    auto previous = ::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    int status = RunCommand("VOREL_HOME=" + ShellQuote(q.dir.path()) + " " + ShellQuote(CliPath()) +
                                " quiz " + ShellQuote(q.dir.file("q.vrf")) + " --seed 5",
                            &out, &err, input);
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, previous);
    EXPECT_EQ(status, 1) << err;
    EXPECT_NE(err.find("ファイルに書き込めません。"), std::string::npos) << err;
    EXPECT_EQ(ReadFileBytes(q.dir.file("EXAMLOG.TXT")), earlier);
    EXPECT_NE(ReadFileBytes(q.dir.file("q.vrf")).find(",,a,,,<00,1"), std::string::npos)
        << "the data file still gets the answers";
}
