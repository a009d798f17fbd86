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

TEST(CliData, SavingAnUneditedFileReproducesItsQuestionLines) {
    TempDir dir;
    const std::string questions =
        "colo(u)r\\q,ヒ\\|ント|\\(h2\\),colo(u)r|[red|green|blue],東京(都)|大阪,注\\n記\\!,<01\r\n"
        "\\m\"V.AVI|Width=50%|unknown=1|loop=0\"問\\i\"|width=5\",\\i\"H.PNG|HEIGHT=3\"h,"
        "a\\i\"A.png|x=1=2\"(s),,\\i\"c.png\",=91,11212121212\r\n"
        "\\\\i\"p.png\"x,,[a|b]c\\,d,(x),c\\\\\\\\,<00\r\n"
        "q,,\\m\"P.PNG|WIDTH=5|foo=bar\"(\\i\"|srcleft=1\",x[\\x|y,,<00\r\n"
        "bomb,," +
        std::string(30 * 5, '.') + ",,,<00\r\n";
    std::string bomb;
    for (int i = 0; i < 30; ++i)
        bomb += "[a|b]";
    std::string lines = questions;
    lines.replace(lines.find(std::string(150, '.')), 150, bomb);
    const std::string file =
        "VORELDATA V3.0\r\n'a\\b\r\n#T,210000\r\n$FontPrintAnswer=9,128,F'p\r\n" + lines +
        "h,,a,,,<00,02601011200,02601021200,02601031200,02601041200," +
        "02601051200,12601061200,12601071200\r\n";
    WriteFileBytes(dir.file("in.vrf"), Utf8ToCp932Literal(file));
    std::string out;
    ASSERT_EQ(
        cli("save " + ShellQuote(dir.file("in.vrf")) + " " + ShellQuote(dir.file("out.vrf")), &out),
        0);
    EXPECT_EQ(Cp932ToUtf8(ReadFileBytes(dir.file("out.vrf"))),
              "VORELDATA V3.0\r\n'a\\b\r\n#T,210000\r\n$FontPrintAnswer=9,128,F'p\r\n" + lines +
                  "h,,a,,,<00,02601011200,02601021200,02601031200,02601041200,02601051200,"
                  "12601061200,12601071200\r\n$Group=0,1,2,3,4,5,6,7,8,9\r\n");
    // --history-size 5 keeps the newest five entries, as the program's default.
    ASSERT_EQ(cli("save --history-size 5 " + ShellQuote(dir.file("in.vrf")) + " " +
                      ShellQuote(dir.file("five.vrf")),
                  &out),
              0);
    EXPECT_NE(
        ReadFileBytes(dir.file("five.vrf"))
            .find("h,,a,,,<00,02601031200,02601041200,02601051200,12601061200,12601071200\r\n"),
        std::string::npos);
}

TEST(CliData, SaveSaysWhyItAnswersYes) {
    TempDir dir;
    WriteFileBytes(dir.file("new.vrf"), "VORELDATA V3.0\r\nq,h,a,,,<00\r\n");
    std::string out;
    std::string err;
    ASSERT_EQ(cli("save --version 1.2 " + ShellQuote(dir.file("new.vrf")) + " " +
                      ShellQuote(dir.file("old.vrf")),
                  &out, &err),
              0);
    EXPECT_EQ(err,
              "vorel-cli: question: 下位バージョンに変更すると情報が失われます。続行しますか？\n"
              "vorel-cli: answered Yes because --version was given\n");
    EXPECT_EQ(ReadFileBytes(dir.file("old.vrf")), "VORELDATA V1.2\r\nq,a,<00\r\n");
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

TEST(CliData, EncodingsDirectivesAndStrayCharacters) {
    TempDir dir;
    WriteFileBytes(dir.file("a.vrf"),
                   Utf8ToCp932Literal("VORELDATA V3.0\r\n問,ヒ1|ヒ2,答,,注,<00\r\n"));
    std::string out;
    std::string err;
    ASSERT_EQ(cli("export --encoding utf-8 --tab " + ShellQuote(dir.file("a.vrf")) + " " +
                      ShellQuote(dir.file("five.txt")),
                  &out),
              0);
    EXPECT_EQ(ReadFileBytes(dir.file("five.txt")),
              "\xEF\xBB\xBF問題番号\t問題\t答え\tグループ\tコメント\r\n1\t問\t答\t0\t注\r\n");
    ASSERT_EQ(cli("export --encoding utf-8 --tab --hints " + ShellQuote(dir.file("a.vrf")) + " " +
                      ShellQuote(dir.file("a.txt")),
                  &out),
              0);
    EXPECT_EQ(ReadFileBytes(dir.file("a.txt")),
              "\xEF\xBB\xBF問題番号\t問題\t答え\tグループ\tコメント\tヒント\r\n"
              "1\t問\t答\t0\t注\t\"ヒ1\nヒ2\"\r\n");
    EXPECT_EQ(cli("export --encoding latin1 " + ShellQuote(dir.file("a.vrf")) + " x", &out, &err),
              1);
    EXPECT_NE(err.find("--encoding takes cp932 or utf-8"), std::string::npos);

    // Our own export needs no roles, separator or encoding to come back.
    ASSERT_EQ(
        cli("import " + ShellQuote(dir.file("a.txt")) + " " + ShellQuote(dir.file("b.vrf")), &out),
        0);
    EXPECT_EQ(Cp932ToUtf8(ReadFileBytes(dir.file("b.vrf"))),
              "VORELDATA V3.0\r\n問,ヒ1|ヒ2,答,,注,<00\r\n$Group=0,1,2,3,4,5,6,7,8,9\r\n");

    // Directive lines name the separator, the HTML and the columns.
    WriteFileBytes(dir.file("cards.txt"),
                   "#separator:tab\n#html:true\n#columns:Front\tBack\n犬&amp;猫\t<i>dogs</i>\n");
    ASSERT_EQ(
        cli("import " + ShellQuote(dir.file("cards.txt")) + " " + ShellQuote(dir.file("c.vrf")),
            &out),
        0);
    EXPECT_EQ(Cp932ToUtf8(ReadFileBytes(dir.file("c.vrf"))),
              "VORELDATA V3.0\r\n犬&猫,,dogs,,,<00\r\n$Group=0,1,2,3,4,5,6,7,8,9\r\n");

    // A file that names no columns needs its roles; characters CP932
    // cannot hold make a UTF-8 data file, stop the import with
    // --data-encoding cp932, and become "?" with --replace.
    WriteFileBytes(dir.file("e.csv"), "smile😀,a\n");
    EXPECT_EQ(cli("import " + ShellQuote(dir.file("e.csv")) + " " + ShellQuote(dir.file("e.vrf")),
                  &out, &err),
              1);
    EXPECT_NE(err.find("--roles"), std::string::npos);
    EXPECT_EQ(cli("import --data-encoding cp932 --roles 1,3 " + ShellQuote(dir.file("e.csv")) +
                      " " + ShellQuote(dir.file("e.vrf")),
                  &out, &err),
              1);
    EXPECT_NE(err.find("1件目の1列目: U+1F600"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(dir.file("e.vrf")), "");
    ASSERT_EQ(cli("import --roles 1,3 " + ShellQuote(dir.file("e.csv")) + " " +
                      ShellQuote(dir.file("e.vrf")),
                  &out, &err),
              0);
    EXPECT_EQ(ReadFileBytes(dir.file("e.vrf")).substr(0, 32),
              "\xEF\xBB\xBFVORELDATA V3.0\r\nsmile😀,,a,");
    ASSERT_EQ(cli("import --replace --roles 1,3 " + ShellQuote(dir.file("e.csv")) + " " +
                      ShellQuote(dir.file("e.vrf")),
                  &out, &err),
              0);
    EXPECT_EQ(ReadFileBytes(dir.file("e.vrf")).substr(0, 26), "VORELDATA V3.0\r\nsmile?,,a,");
    // Read as CP932 when told, the same bytes are other characters.
    ASSERT_EQ(cli("import --encoding cp932 --roles 0,3 " + ShellQuote(dir.file("e.csv")) + " " +
                      ShellQuote(dir.file("f.vrf")),
                  &out, &err),
              0);

    WriteFileBytes(dir.file("bin.csv"), std::string("\0\1\2", 3));
    EXPECT_EQ(cli("import --roles 1 " + ShellQuote(dir.file("bin.csv")) + " x.vrf", &out, &err), 1);
    EXPECT_NE(err.find("テキストファイルではありません。"), std::string::npos);
}
