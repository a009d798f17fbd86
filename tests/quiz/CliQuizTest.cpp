#include <gtest/gtest.h>

#include "TestSupport.h"
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
    ASSERT_EQ(q.run("--json", "?\nAPPLE\n!\ncat\nred\nred\nr\ndog\n", &out), 0);
    EXPECT_EQ(out,
              "{\"event\":\"ask\",\"number\":1,\"title\":\"T\",\"question\":\"q1\",\"answerCount\":"
              "1,\"hints\":1}\n"
              "{\"event\":\"hint\",\"number\":1,\"index\":0,\"hint\":\"hint one\"}\n"
              "{\"event\":\"judge\",\"number\":1,\"right\":true,\"answers\":[\"apple\",\"an "
              "apple\"],\"comment\":\"c1\"}\n"
              "{\"event\":\"override\",\"number\":1,\"right\":false}\n"
              "{\"event\":\"ask\",\"number\":2,\"title\":\"T\",\"question\":\"q2\",\"answerCount\":"
              "1,\"hints\":0}\n"
              "{\"event\":\"judge\",\"number\":2,\"right\":false,\"answers\":[\"dog\"],\"comment\":"
              "\"\"}\n"
              "{\"event\":\"ask\",\"number\":3,\"title\":\"T\",\"question\":\"q3\",\"answerCount\":"
              "2,\"hints\":0}\n"
              "{\"event\":\"judge\",\"number\":3,\"right\":true,\"answers\":[\"red\",\"blue\","
              "\"green\"],\"comment\":\"\"}\n"
              "{\"event\":\"end\",\"asked\":3,\"right\":1,\"wrong\":2,\"rate\":\"33.33%\"}\n"
              "{\"event\":\"retry\"}\n"
              "{\"event\":\"ask\",\"number\":1,\"title\":\"T\",\"question\":\"q1\",\"answerCount\":"
              "1,\"hints\":1}\n"
              "{\"event\":\"judge\",\"number\":1,\"right\":false,\"answers\":[\"apple\",\"an "
              "apple\"],\"comment\":\"c1\"}\n"
              "{\"event\":\"ask\",\"number\":2,\"title\":\"T\",\"question\":\"q2\",\"answerCount\":"
              "1,\"hints\":0}\n"
              "{\"event\":\"end\",\"asked\":2,\"right\":0,\"wrong\":1,\"rate\":\"0.00%\"}\n");
    // History was recorded and saved; the exam history has both runs.
    std::string saved = Cp932ToUtf8(ReadFileBytes(q.dir.file("q.vrf")));
    EXPECT_NE(saved.find("q1,hint one,apple|an apple,,c1,<00,0"), std::string::npos);
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
