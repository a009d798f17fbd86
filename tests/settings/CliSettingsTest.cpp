#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "TestSupport.h"
#include "text/Codec.h"

TEST(CliSettings, SettingsAndVaguePairsAsJson) {
    TempDir dir;
    WriteFileBytes(dir.file("s.ini"), Utf8ToCp932Literal("[options]\r\nhistorysize=-2\r\n"
                                                         "DebugMode=1\r\n[Design]\r\n"
                                                         "問題Size=33\r\n"));
    std::string out = RunCli("settings " + ShellQuote(dir.file("s.ini")));
    EXPECT_EQ(out.rfind("{\"Window\":{\"Show\":\"0\",\"Left\":\"-2147483648\",", 0), 0u) << out;
    EXPECT_NE(out.find("\"DebugMode\":\"1\",\"CompareMode\":\"0\""), std::string::npos);
    EXPECT_NE(out.find("\"HistorySize\":\"5\",\"ExportHints\":\"0\"},\"Design\":{"),
              std::string::npos);
    EXPECT_NE(out.find("\"問題Size\":\"33\""), std::string::npos);
    EXPECT_NE(out.find("\"LineColorOfQA\":\"0x000000\",\"PrintPageNumber\":\"0\","
                       "\"PrintTestSheet\":\"0\",\"PrintFontTitleSize\":\"9\""),
              std::string::npos);
    EXPECT_TRUE(out.ends_with("\"PrintFontAnswerNumberName\":\"ＭＳ Ｐゴシック\"}}\n")) << out;

    // The companion is read with its file, and what Shift-JIS lacks is shown.
    WriteFileBytes(dir.file("s.UTF8.ini"), "\xEF\xBB\xBF[Recent]\r\nFile1=/Übungen/café.vrf\r\n");
    out = RunCli("settings " + ShellQuote(dir.file("s.ini")));
    EXPECT_NE(out.find("\"RecentFileMax\":\"5\",\"File1\":\"/Übungen/café.vrf\"}"),
              std::string::npos)
        << out;

    int status = 0;
    std::string err;
    RunCli("settings " + ShellQuote(dir.file("missing.ini")), &status, &err);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err, "vorel-cli: error: ファイル " + dir.file("missing.ini") + " を開けません。\n");

    // Without a table, the built-in pairs (a missing table is refused).
    out = RunCli("vague");
    EXPECT_EQ(std::count(out.begin(), out.end(), '['), 47);
    EXPECT_NE(out.find("[\"ヴ\",\"ブ\"]"), std::string::npos);
    RunCli("vague " + ShellQuote(dir.file("missing.dat")), &status);
    EXPECT_EQ(status, 1);
}

TEST(CliSettings, TheTemporaryFileGoesWhereTmpdirSays) {
    TempDir dir;
    std::string out;
    std::string err;
    std::string missing = dir.file("no-such-folder");
    EXPECT_EQ(
        RunCommand("TMPDIR=" + ShellQuote(missing) + " " + ShellQuote(CliPath()) + " settings",
                   &out, &err),
        1);
    EXPECT_EQ(err, "vorel-cli: 一時ファイルを作成できません: " + missing + "\n");
    EXPECT_EQ(
        RunCommand("TMPDIR=" + ShellQuote(dir.path()) + " " + ShellQuote(CliPath()) + " settings",
                   &out, &err),
        0)
        << err;
    EXPECT_EQ(out.rfind("{\"Window\":", 0), 0u);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "and is removed afterwards";
}

// The language is chosen at start; its messages follow it, and scripts see
// Japanese unless they ask.
TEST(CliSettings, TheLanguageOfARunAndItsMessages) {
    TempDir dir;
    const std::string missing = ShellQuote(dir.file("missing.vrf"));
    auto run = [&](const std::string& env, const std::string& args, std::string* err) {
        std::string out;
        RunCommand("VOREL_HOME=" + ShellQuote(dir.path()) + " " + env + " " +
                       ShellQuote(CliPath()) + " " + args,
                   &out, err);
        return out;
    };
    std::string err;
    EXPECT_EQ(run("VOREL_LANG=ja", "language", &err), "ja\n");
    EXPECT_EQ(run("VOREL_LANG= LANGUAGE= LC_ALL= LC_MESSAGES= LANG=C.UTF-8", "language", &err),
              "ja\n");
    EXPECT_EQ(run("VOREL_LANG= LANGUAGE= LC_ALL=en_GB.UTF-8", "language", &err), "en\n");
    run("VOREL_LANG=en", "vague " + missing, &err);
    EXPECT_NE(err.find("Cannot open the file"), std::string::npos) << err;
    // The learner's choice in the settings file wins over the locale.
    WriteFileBytes(dir.file("VORELWIN.INI"), "[Options]\r\nLanguage=en\r\n");
    EXPECT_EQ(run("VOREL_LANG= LANGUAGE= LC_ALL= LANG=ja_JP.UTF-8", "language", &err), "en\n");
}
