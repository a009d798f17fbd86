// Every command meets hostile targets, outputs and numbers: nothing that is
// not a regular file is replaced, no failure is reported as success, and
// no number wraps round into its range.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <filesystem>

#include "TestSupport.h"
#include "text/Codec.h"

namespace {

const char* kData = "VORELDATA V3.0\r\n#T,000000\r\nq1,,a(b),,,<00\r\nq2,,c,,,<00\r\n";

mode_t kindOf(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

int cli(const std::string& args, std::string* out = nullptr, std::string* err = nullptr) {
    std::string ignored;
    return RunCommand(ShellQuote(CliPath()) + " " + args, out ? out : &ignored, err);
}

}  // namespace

TEST(CliHostileInput, CommandsRefuseToReplaceWhatIsNoRegularFile) {
    TempDir dir;
    WriteFileBytes(dir.file("in.vrf"), kData);
    WriteFileBytes(dir.file("in.csv"), "問題番号,問題,答え,グループ,コメント\r\n1,q,a,0,\r\n");
    std::filesystem::copy_file(std::string(VOREL_SOURCE_DIR) + "/examples/pictures/circle.png",
                               dir.file("in.png"));
    MakeFifo(dir.file("pipe"));
    // A device node needs root (as CI and packagers run); without it the
    // pipe and the links still show the fault.
    ::mknod(dir.file("null").c_str(), S_IFCHR | 0666, makedev(1, 3));
    std::filesystem::create_symlink(dir.file("null"), dir.file("to-null"));
    std::filesystem::create_symlink(dir.file("nowhere"), dir.file("dangling"));
    std::filesystem::create_symlink(dir.file("loop"), dir.file("loop"));

    const std::string in = ShellQuote(dir.file("in.vrf"));
    for (const char* target : {"pipe", "null", "to-null", "dangling", "loop"}) {
        const std::string path = dir.file(target);
        mode_t before = kindOf(path);
        if (before == 0) continue;
        const std::string out = ShellQuote(path);
        const std::string commands[] = {
            "save " + in + " " + out,
            "edit " + in + " " + out + " --mark on",
            "export " + in + " " + out,
            "import " + ShellQuote(dir.file("in.csv")) + " " + out,
            "image " + ShellQuote(dir.file("in.png")) + " --out " + out,
        };
        for (const std::string& command : commands) {
            std::string err;
            EXPECT_EQ(cli(command, nullptr, &err), 1) << command;
            EXPECT_NE(err.find("error: "), std::string::npos) << command << ": " << err;
            EXPECT_EQ(kindOf(path), before) << command;
        }
    }
    if (kindOf(dir.file("null")) == S_IFCHR) {
        EXPECT_EQ(kindOf(dir.file("to-null")), static_cast<mode_t>(S_IFLNK));
    }

    // A link to a regular file is followed, and the link stays a link.
    WriteFileBytes(dir.file("real.vrf"), "");
    std::filesystem::create_symlink(dir.file("real.vrf"), dir.file("link.vrf"));
    EXPECT_EQ(cli("save " + in + " " + ShellQuote(dir.file("link.vrf"))), 0);
    EXPECT_EQ(kindOf(dir.file("link.vrf")), static_cast<mode_t>(S_IFLNK));
    EXPECT_EQ(ReadFileBytes(dir.file("real.vrf")).rfind("VORELDATA V3.0\r\n", 0), 0u);
}

TEST(CliHostileInput, OutputThatCannotBeWrittenIsAFailure) {
    TempDir dir;
    WriteFileBytes(dir.file("in.vrf"), kData);
    WriteFileBytes(dir.file("log.txt"), "");
    const std::string in = ShellQuote(dir.file("in.vrf"));
    const std::string commands[] = {
        "dump " + in,
        "info " + in,
        "lines " + in,
        "fields " + in,
        "examlog " + ShellQuote(dir.file("log.txt")),
        "expand abc",
        "settings",
        "vague",
        "find " + in + " q",
    };
    for (const std::string& command : commands) {
        std::string out;
        std::string err;
        ASSERT_EQ(cli(command, &out, &err), 0) << command << ": " << err;
        ASSERT_FALSE(out.empty()) << command;
        for (const char* redirect : {">/dev/full", ">&-"}) {
            int status = RunCommand(
                "{ " + ShellQuote(CliPath()) + " " + command + " " + redirect + "; }", &out, &err);
            EXPECT_EQ(status, 1) << command << " " << redirect;
            EXPECT_EQ(err, "vorel-cli: error: 標準出力に書き込めません。\n")
                << command << " " << redirect;
        }
    }
}

TEST(CliHostileInput, TablesAndHistoriesThatCannotBeReadAreRefused) {
    TempDir dir;
    MakeFifo(dir.file("pipe"));
    for (const std::string& path : {dir.file("missing.dat"), dir.path(), dir.file("pipe")}) {
        std::string out;
        std::string err;
        EXPECT_EQ(cli("vague " + ShellQuote(path), &out, &err), 1) << path;
        EXPECT_EQ(out, "") << path;
        EXPECT_EQ(err, "vorel-cli: error: ファイル " + path + " を開けません。\n");
    }
    WriteFileBytes(dir.file("text.dat"), "no table");
    std::string err;
    EXPECT_EQ(cli("vague " + ShellQuote(dir.file("text.dat")), nullptr, &err), 1);
    EXPECT_EQ(err, "vorel-cli: error: ファイル " + dir.file("text.dat") + " を読み込めません。\n");

    std::string out;
    EXPECT_EQ(cli("examlog /proc/self/mem", &out, &err), 1);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "vorel-cli: error: ファイル /proc/self/mem を読み込めません。\n");
}

TEST(CliHostileInput, ExpandSaysWhyAFieldHasNoAnswers) {
    std::string out;
    std::string err;
    EXPECT_EQ(cli("expand " + ShellQuote("a(b"), &out, &err), 0);
    EXPECT_EQ(out, "[]\n");
    EXPECT_EQ(err, "vorel-cli: warning: 括弧の対応が取れていないため、答えがありません。\n");
    std::string many;
    for (int i = 0; i < 14; ++i)
        many += "[a|b]";
    EXPECT_EQ(cli("expand " + ShellQuote(many), &out, &err), 0);
    EXPECT_EQ(out, "[]\n");
    EXPECT_EQ(err, "vorel-cli: warning: 答えが 10000 個を超えるため、答えがありません。\n");
    // Ten copies of a 120 KB text (an argument holds at most 128 KB).
    std::string longField = std::string(120 * 1024, 'x') + "[a|b|c|d|e|f|g|h|i|j]";
    EXPECT_EQ(cli("expand " + ShellQuote(longField), &out, &err), 0);
    EXPECT_EQ(out, "[]\n");
    EXPECT_EQ(err, "vorel-cli: warning: 展開した答えが 1 MiB を超えるため、答えがありません。\n");
    EXPECT_EQ(cli("expand " + ShellQuote("a(b)"), &out, &err), 0);
    EXPECT_EQ(err, "");
}

TEST(CliHostileInput, NumbersOutsideTheirRangeAreRefused) {
    TempDir dir;
    WriteFileBytes(dir.file("in.vrf"), kData);
    const std::string in = ShellQuote(dir.file("in.vrf"));
    const std::string out = ShellQuote(dir.file("out.vrf"));
    const std::string quiz = "VOREL_HOME=" + ShellQuote(dir.path()) + " " + ShellQuote(CliPath()) +
                             " quiz " + in + " --no-save --no-log ";
    struct Case {
        std::string command;
        std::string message;
    };
    const Case cases[] = {
        {quiz + "--range 4294967297-4294967298",
         "--range 4294967297: 値が有効範囲を超えています。(1～2147483647)"},
        {quiz + "--range 2-1", "--range 1: 値が有効範囲を超えています。(2～2147483647)"},
        {quiz + "--mode count --count 4294967297",
         "--count 4294967297: 値が有効範囲を超えています。(-2147483648～2147483647)"},
        {quiz + "--seed 4294967296",
         "--seed 4294967296: 値が有効範囲を超えています。(0～4294967295)"},
        {quiz + "--seed -1", "--seed -1: 値が有効範囲を超えています。(0～4294967295)"},
        {quiz + "--strength 11", "--strength 11: 値が有効範囲を超えています。(0～10)"},
        {quiz + "--strength x", "--strength x: 数値を指定してください。"},
        {ShellQuote(CliPath()) + " save --history-size 4294967297 " + in + " " + out,
         "--history-size 4294967297: 値が有効範囲を超えています。(0～2147483647)"},
        {ShellQuote(CliPath()) + " dump --history-size -1 " + in,
         "--history-size -1: 値が有効範囲を超えています。(0～2147483647)"},
        {ShellQuote(CliPath()) + " save --version 4294967308 " + in + " " + out,
         "--version must be between 1.2 (12) and 3.0 (30)"},
        {ShellQuote(CliPath()) + " normalize --flags 99999999999999999999 abc",
         "--flags 99999999999999999999: 値が有効範囲を超えています。(0～15)"},
        {ShellQuote(CliPath()) + " normalize --flags 16 abc",
         "--flags 16: 値が有効範囲を超えています。(0～15)"},
    };
    for (const Case& c : cases) {
        std::string stdout_;
        std::string err;
        EXPECT_EQ(RunCommand(c.command, &stdout_, &err), 1) << c.command;
        EXPECT_EQ(err, "vorel-cli: " + c.message + "\n") << c.command;
        EXPECT_EQ(stdout_, "") << c.command;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.vrf")));
    std::string text;
    EXPECT_EQ(cli("normalize --flags 0x1 abc", &text), 0);
    EXPECT_EQ(text, "ABC\n");
}
