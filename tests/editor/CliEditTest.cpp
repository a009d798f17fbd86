// vorel-cli find, select and edit: the editor's tools without a screen.

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "text/Codec.h"

namespace {

// The lines of the file; the editor numbers them from 1 (the header).
const std::vector<std::string> kLines = {
    "VORELDATA V3.0",
    "'はじめに apple",
    "#英単語,010001",
    "banana,ヒント,yellow|(y),,熟した,<10,12612011930",  // question 1
    "$TimeLimit=10'apple time",
    "Apple,,red,,,=00",                      // question 2
    "cherry\\(s\\),,[red|dark],,sweet,<20",  // question 3
    "#地理,000000",
    "東京(都),,東京(都),,,=10,12612011930,12612021930",  // question 4
    "apple,,Red,,,<00",                                  // question 5
    "$Group=g0,g1,2,3,4,5,6,7,8,9",
};

std::string FileOf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// The file with some lines replaced (by their index in kLines).
std::string With(std::initializer_list<std::pair<int, std::string>> changes) {
    std::vector<std::string> lines = kLines;
    for (const auto& [index, line] : changes)
        lines[index] = line;
    return FileOf(lines);
}

struct CliFixture {
    TempDir dir;
    CliFixture() { WriteFileBytes(dir.file("in.vrf"), Utf8ToCp932Literal(FileOf(kLines))); }

    // Runs vorel-cli with VOREL_HOME in the temporary folder.
    int run(const std::string& args, std::string* out, std::string* err = nullptr) {
        return RunCommand(
            "VOREL_HOME=" + ShellQuote(dir.path()) + " " + ShellQuote(CliPath()) + " " + args, out,
            err);
    }
    std::string in() const { return ShellQuote(dir.file("in.vrf")); }
    std::string out() const { return ShellQuote(dir.file("out.vrf")); }
    std::string edit(const std::string& args) const {
        return "edit " + in() + " " + out() + " " + args;
    }
    std::string written() const { return Cp932ToUtf8(ReadFileBytes(dir.file("out.vrf"))); }
};

}  // namespace

TEST(CliEdit, FindPrintsEveryMatchingLine) {
    CliFixture f;
    std::string out;
    ASSERT_EQ(f.run("find " + f.in() + " apple --targets 0x3f", &out), 0);
    EXPECT_EQ(out, "[2,5,10]\n");
    ASSERT_EQ(f.run("find " + f.in() + " apple --targets 2", &out), 0);
    EXPECT_EQ(out, "[10]\n");
    ASSERT_EQ(f.run("find " + f.in() + " red --targets 8", &out), 0);
    EXPECT_EQ(out, "[6,7]\n");
    ASSERT_EQ(f.run("find " + f.in() + " 地理 --targets=1", &out), 0);
    EXPECT_EQ(out, "[8]\n");
    ASSERT_EQ(f.run("find " + f.in() + " nothing", &out), 0);
    EXPECT_EQ(out, "[]\n");
    ASSERT_EQ(f.run("find " + f.in() + " APPLE --targets 2", &out), 0);
    EXPECT_EQ(out, "[]\n");
    ASSERT_EQ(f.run("find " + f.in() + " APPLE --targets 2 --ignore-case", &out), 0);
    EXPECT_EQ(out, "[6,10]\n") << "Apple and apple";

    // Without --targets the editor's setting holds.
    WriteFileBytes(f.dir.file("VORELWIN.INI"), "[Options]\r\nSearchFrom=32\r\n");
    ASSERT_EQ(f.run("find " + f.in() + " apple", &out), 0);
    EXPECT_EQ(out, "[2,5]\n");

    std::string err;
    EXPECT_EQ(f.run("find " + f.in() + " apple --targets 64", &out, &err), 1);
    EXPECT_NE(err.find("--targets takes a mask of 0-63"), std::string::npos) << err;
    EXPECT_EQ(f.run("find " + f.in() + " apple --targets 0xg", &out, &err), 1);
    EXPECT_EQ(f.run("find " + f.in(), &out, &err), 1);
    EXPECT_NE(err.find("usage: vorel-cli find"), std::string::npos) << err;
    EXPECT_EQ(f.run("find " + ShellQuote(f.dir.file("missing.vrf")) + " a", &out, &err), 1);
    EXPECT_EQ(out, "");
    EXPECT_NE(err.find("を開けません。"), std::string::npos) << err;
}

TEST(CliEdit, SelectPrintsQuestionNumbersAndRefusesRangesAsTheDialog) {
    CliFixture f;
    std::string out;
    ASSERT_EQ(f.run("select " + f.in() + " --questions 1-5 --group all", &out), 0);
    EXPECT_EQ(out, "[1,2,3,4,5]\n");
    ASSERT_EQ(f.run("select " + f.in() + " --questions 1-5 --group 1", &out), 0);
    EXPECT_EQ(out, "[1,4]\n");
    ASSERT_EQ(f.run("select " + f.in() + " --titles 2-2 --marked", &out), 0);
    EXPECT_EQ(out, "[4]\n");
    ASSERT_EQ(f.run("select " + f.in() + " --titles 1-1 --unmarked", &out), 0);
    EXPECT_EQ(out, "[1,3]\n");
    ASSERT_EQ(f.run("select " + f.in() + " --lines 2-9 --text red --targets 8", &out), 0);
    EXPECT_EQ(out, "[2,3]\n");
    ASSERT_EQ(f.run("select " + f.in() + " --lines 2-10 --text apple --targets 0", &out), 0);
    EXPECT_EQ(out, "[]\n");

    std::string err;
    for (const char* range : {"--lines 1-3", "--lines 2-11", "--questions 0-2", "--questions 3-2",
                              "--questions 1-6", "--titles 1-3"}) {
        EXPECT_EQ(f.run("select " + f.in() + " " + range + " --group all", &out, &err), 1) << range;
        EXPECT_EQ(err, "vorel-cli: 値が有効範囲を超えています。\n") << range;
        EXPECT_EQ(out, "");
    }
    struct Bad {
        const char* args;
        const char* message;
    };
    for (Bad bad : {Bad{"--group all", "give one range"},
                    Bad{"--lines 2-3 --titles 1-1 --group all", "give one range"},
                    Bad{"--lines 2-3", "give one condition"},
                    Bad{"--lines 2-3 --marked --unmarked", "give one condition"},
                    Bad{"--lines 2-3 --group 10", "--group takes a group 0-9 or all"},
                    Bad{"--lines 2 --group 1", "--lines takes FROM-TO"},
                    Bad{"--lines 2-x --group 1", "--lines takes FROM-TO"},
                    Bad{"--lines 2-3 --marked --targets 2", "--targets goes with --text"},
                    Bad{"--lines 2-3 --marked --bogus", "unknown option --bogus"}}) {
        EXPECT_EQ(f.run("select " + f.in() + " " + bad.args, &out, &err), 1) << bad.args;
        EXPECT_NE(err.find(bad.message), std::string::npos) << bad.args << ": " << err;
    }
}

TEST(CliEdit, EditSortsAndLeavesOtherLinesAsRead) {
    CliFixture f;
    std::string out;
    ASSERT_EQ(f.run(f.edit("--sort answer,question:desc"), &out), 0);
    EXPECT_EQ(out, "");
    // red, red and Red are equal answers, so the questions decide downward,
    // and Apple and apple are equal too: they keep their order.
    EXPECT_EQ(
        f.written(),
        With({{3, kLines[6]}, {5, kLines[5]}, {6, kLines[9]}, {8, kLines[3]}, {9, kLines[8]}}));

    // Only the questions of the range; one question sorts to itself.
    ASSERT_EQ(f.run(f.edit("--questions 4-5 --sort question"), &out), 0);
    EXPECT_EQ(f.written(), With({{8, kLines[9]}, {9, kLines[8]}}));
    ASSERT_EQ(f.run(f.edit("--questions 2-2 --sort group:desc"), &out), 0);
    EXPECT_EQ(ReadFileBytes(f.dir.file("out.vrf")), ReadFileBytes(f.dir.file("in.vrf")));
}

TEST(CliEdit, EditGroupHistoryMarkAndSwap) {
    CliFixture f;
    std::string out;
    ASSERT_EQ(f.run(f.edit("--questions 1-2 --group 7"), &out), 0);
    EXPECT_EQ(f.written(), With({{3, "banana,ヒント,yellow|(y),,熟した,<70,12612011930"},
                                 {5, "Apple,,red,,,=70"}}));

    ASSERT_EQ(f.run(f.edit("--clear-history"), &out), 0);
    EXPECT_EQ(f.written(),
              With({{3, "banana,ヒント,yellow|(y),,熟した,<10"}, {8, "東京(都),,東京(都),,,=10"}}));

    ASSERT_EQ(f.run(f.edit("--questions 3-5 --mark on"), &out), 0);
    EXPECT_EQ(f.written(),
              With({{6, "cherry\\(s\\),,[red|dark],,sweet,=20"}, {9, "apple,,Red,,,=00"}}));

    ASSERT_EQ(f.run(f.edit("--questions 1-3 --swap overwrite --copy-hints --swap-group 4"), &out),
              0);
    EXPECT_EQ(f.written(), With({{3, "yellow,ヒント,banana,,,<40"},
                                 {5, "red,,Apple,,,<40"},
                                 {6, "red,,cherry\\(s\\),,,<40"}}));

    ASSERT_EQ(f.run(f.edit("--questions 4-5 --swap append --copy-comment"), &out), 0);
    EXPECT_EQ(f.written(),
              With({{9, kLines[9] + "\r\n東京都,,東京\\(都\\),,,<10\r\nRed,,apple,,,<00"}}));
}

TEST(CliEdit, EditRefusesWhatTheDialogsRefuse) {
    CliFixture f;
    std::string out;
    std::string err;
    EXPECT_EQ(f.run(f.edit("--questions 2-6 --mark on"), &out, &err), 1);
    EXPECT_EQ(err, "vorel-cli: 値が有効範囲を超えています。\n");
    WriteFileBytes(f.dir.file("none.vrf"), "VORELDATA V3.0\r\n#t,000000\r\n'c\r\n");
    EXPECT_EQ(
        f.run("edit " + ShellQuote(f.dir.file("none.vrf")) + " " + f.out() + " --sort question",
              &out, &err),
        1);
    EXPECT_EQ(err, "vorel-cli: 問題が選択されていません。\n");
    EXPECT_FALSE(ReadFileBytes(f.dir.file("out.vrf")).size()) << "nothing written";

    struct Bad {
        const char* args;
        const char* message;
    };
    for (Bad bad : {Bad{"", "give one tool"}, Bad{"--mark on --clear-history", "give one tool"},
                    Bad{"--sort name", "--sort takes KEY[:desc][,KEY[:desc]]"},
                    Bad{"--sort question:down", "--sort takes"},
                    Bad{"--sort question,answer,group", "--sort takes"},
                    Bad{"--group 12", "--group takes a group 0-9"},
                    Bad{"--mark yes", "--mark takes on or off"},
                    Bad{"--swap both", "--swap takes append or overwrite"},
                    Bad{"--swap append --swap-group x", "--swap-group takes a group 0-9"},
                    Bad{"--mark on --copy-hints", "go with --swap"},
                    Bad{"--questions 1 --mark on", "--questions takes FROM-TO"}}) {
        EXPECT_EQ(f.run(f.edit(bad.args), &out, &err), 1) << bad.args;
        EXPECT_NE(err.find(bad.message), std::string::npos) << bad.args << ": " << err;
    }
    EXPECT_EQ(f.run("edit " + f.in() + " --mark on", &out, &err), 1);
    EXPECT_NE(err.find("usage: vorel-cli edit"), std::string::npos) << err;

    // A file that cannot be written leaves the old one as it was.
    WriteFileBytes(f.dir.file("out.vrf"), "old");
    EXPECT_EQ(
        f.run("edit " + f.in() + " " + ShellQuote(f.dir.file("no/such/out.vrf")) + " --mark on",
              &out, &err),
        1);
    EXPECT_EQ(ReadFileBytes(f.dir.file("out.vrf")), "old");
}
