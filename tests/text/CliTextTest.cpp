#include <gtest/gtest.h>

#include "TestSupport.h"

TEST(CliText, NormalizeAppliesTheFlagsInOrder) {
    EXPECT_EQ(RunCli("normalize --flags 15 " + ShellQuote("ａｂｃ　がぎ・パ！ヴ")), "abcｶｷﾊヴ\n")
        << "full-width letters keep their case through toUpper";
    EXPECT_EQ(RunCli("normalize --flags 5 " + ShellQuote("abcＤ")), "ABCD\n");
    EXPECT_EQ(RunCli("normalize --flags 0 " + ShellQuote("a\r\nb")), "ab\n");
    EXPECT_EQ(RunCli("normalize --flags 2 " + ShellQuote("ひらがな")), "ヒラガナ\n");
    // toUpper keeps to one-byte letters in every script; symbol removal
    // takes the punctuation of every script.
    EXPECT_EQ(RunCli("normalize --flags 1 " + ShellQuote("café😀")), "CAFé😀\n");
    EXPECT_EQ(RunCli("normalize --flags 8 " + ShellQuote("«¿Qué?»")), "Qué\n");
}

TEST(CliText, LinesAndFieldsAsJson) {
    TempDir dir;
    WriteFileBytes(dir.file("in.csv"), "a,\"b,\"\"c\"\"\"\r\n\x95\x5C,\t\x01\n");
    EXPECT_EQ(RunCli("lines " + ShellQuote(dir.file("in.csv"))),
              "[\"a,\\\"b,\\\"\\\"c\\\"\\\"\\\"\",\"表,\\t\\u0001\"]\n");
    EXPECT_EQ(RunCli("fields " + ShellQuote(dir.file("in.csv"))),
              "[[\"a\",\"b,\\\"c\\\"\"],[\"表\",\"\\t\\u0001\"]]\n");
    EXPECT_EQ(RunCli("fields --tab " + ShellQuote(dir.file("in.csv"))),
              "[[\"a,\\\"b,\\\"\\\"c\\\"\\\"\\\"\"],[\"表,\",\"\\u0001\"]]\n");
    int status = 0;
    std::string err;
    EXPECT_EQ(RunCli("lines " + ShellQuote(dir.file("missing")), &status, &err), "");
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err, "vorel-cli: error: ファイル " + dir.file("missing") + " を開けません。\n");
    RunCli("bogus", &status);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(RunCli("--version"), "vorel-cli 3.13\n");
}

// Every command words a file it cannot open the same way.
TEST(Cli, CannotOpenIsWordedOnceForEveryCommand) {
    TempDir dir;
    const std::string missing = dir.file("missing");
    for (const char* command :
         {"lines", "fields", "info", "dump", "quiz", "examlog", "settings", "export"}) {
        int status = 0;
        std::string err;
        std::string args = std::string(command) + " " + ShellQuote(missing);
        if (std::string(command) == "export") args += " " + ShellQuote(dir.file("out.csv"));
        RunCli(args, &status, &err);
        EXPECT_EQ(status, 1) << command;
        EXPECT_EQ(err, "vorel-cli: error: ファイル " + missing + " を開けません。\n") << command;
    }
}
