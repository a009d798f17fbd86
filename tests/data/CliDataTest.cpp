#include <gtest/gtest.h>

#include "TestSupport.h"
#include "text/Codec.h"

namespace {

int cli(const std::string& args, std::string* out, std::string* err = nullptr) {
    return RunCommand(ShellQuote(CliPath()) + " " + args, out, err);
}

}  // namespace

TEST(CliData, DumpPrintsEveryLineKind) {
    TempDir dir;
    WriteFileBytes(dir.file("a.vrf"),
                   Utf8ToCp932Literal("VORELDATA V3.0\r\n'c\r\n#T,210000\r\n$TimeLimit=5'x\r\n"
                                      "$FontHint=9,128,F'y\r\nq,h1|h2,a|b,c,m,=12,11212121212\r\n"
                                      "$Group=g0\r\n$Message=hi\r\n"));
    std::string out;
    ASSERT_EQ(cli("dump " + ShellQuote(dir.file("a.vrf")), &out), 0);
    EXPECT_EQ(
        out,
        "{\"version\":30,\"groupNames\":[\"g0\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"],"
        "\"message\":\"hi\",\"questionCount\":1,\"lines\":[{\"kind\":15,\"text\":\"c\"},"
        "{\"kind\":1,\"text\":\"T\",\"comment\":\"\",\"choiceCount\":2,\"compareFlags\":1},"
        "{\"kind\":27,\"value\":5,\"comment\":\"x\"},"
        "{\"kind\":51,\"size\":9,\"charset\":128,\"face\":\"F\",\"comment\":\"y\"},"
        "{\"kind\":2,\"question\":\"q\",\"hints\":[\"h1\",\"h2\"],\"answers\":[\"a\",\"b\"],"
        "\"choices\":[\"c\"],\"comment\":\"m\",\"answerCount\":1,\"group\":1,\"mark\":1,"
        "\"history\":[[1,2012,12,12,12,12]]}]}\n");
    ASSERT_EQ(cli("dump --history-size 0 " + ShellQuote(dir.file("a.vrf")), &out), 0);
    EXPECT_NE(out.find("\"history\":[]"), std::string::npos);

    std::string err;
    WriteFileBytes(dir.file("bad.vrf"), "hello\r\n");
    EXPECT_EQ(cli("dump " + ShellQuote(dir.file("bad.vrf")), &out, &err), 1);
    EXPECT_EQ(out, "");
    EXPECT_NE(err.find("Vorelデータファイルではありません。"), std::string::npos);
}

TEST(CliData, SaveConvertsAndExpandShowsItems) {
    TempDir dir;
    WriteFileBytes(dir.file("old.vrf"), "VORELDATA V1.5\r\nq\\hh,a\\cb,<10\r\n");
    std::string out;
    ASSERT_EQ(
        cli("save " + ShellQuote(dir.file("old.vrf")) + " " + ShellQuote(dir.file("same.vrf")),
            &out),
        0);
    EXPECT_EQ(ReadFileBytes(dir.file("same.vrf")),
              "VORELDATA V1.5\r\nq\\hh,a\\cb,<10\r\n$Group=0,1,2,3,4,5,6,7,8,9\r\n");
    ASSERT_EQ(cli("save --version 3.0 " + ShellQuote(dir.file("old.vrf")) + " " +
                      ShellQuote(dir.file("new.vrf")),
                  &out),
              0);
    EXPECT_EQ(ReadFileBytes(dir.file("new.vrf")),
              "VORELDATA V3.0\r\nq,h,a,b,,<10\r\n$Group=0,1,2,3,4,5,6,7,8,9\r\n");

    ASSERT_EQ(cli("expand " + ShellQuote("[\\i\"p.png\"|x](y)\\,"), &out), 0);
    EXPECT_EQ(out,
              "[[{\"o\":\"\\\\i\\\"p.png\\\"\"},{\"t\":\"y,\"}],[{\"t\":\"\"},{\"o\":\"\\\\i\\\"p."
              "png\\\"\"},"
              "{\"t\":\",\"}],[{\"t\":\"xy,\"}],[{\"t\":\"x,\"}]]\n");
}

TEST(CliData, ExportAndImportRoundTrip) {
    TempDir dir;
    WriteFileBytes(dir.file("a.vrf"), Utf8ToCp932Literal("VORELDATA V3.0\r\n問,,答,,注,<00\r\n"));
    std::string out;
    ASSERT_EQ(
        cli("export " + ShellQuote(dir.file("a.vrf")) + " " + ShellQuote(dir.file("a.csv")), &out),
        0);
    ASSERT_EQ(cli("import --roles 0,1,3,0,4 --header " + ShellQuote(dir.file("a.csv")) + " " +
                      ShellQuote(dir.file("b.vrf")),
                  &out),
              0);
    EXPECT_EQ(Cp932ToUtf8(ReadFileBytes(dir.file("b.vrf"))),
              "VORELDATA V3.0\r\n問,,答,,注,<00\r\n$Group=0,1,2,3,4,5,6,7,8,9\r\n");
    std::string err;
    EXPECT_EQ(cli("import --roles 1,1 " + ShellQuote(dir.file("a.csv")) + " " +
                      ShellQuote(dir.file("c.vrf")),
                  &out, &err),
              1);
    EXPECT_NE(err.find("項目「問題」が複数設定されています。"), std::string::npos);
}
