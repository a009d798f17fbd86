#include <gtest/gtest.h>

#include "DocFixture.h"
#include "data/ImportExport.h"
#include "data/QuestionFonts.h"
#include "text/Error.h"
#include "text/FileWriteString.h"

namespace {

const char* kSample =
    "VORELDATA V3.0\r\n"
    "'コメント\r\n"
    "#英語,000000\r\n"
    "q1,h,a1,,,<00\r\n"
    "$TimeLimit=20\r\n"
    "q2,,a2,,,<30\r\n"
    "#数学,200000\r\n"
    "q3,,a3,,,<30\r\n"
    "$Group=英,,数\r\n"
    "$Message=こんにちは\r\n";

struct Recorder : DocumentObserver {
    bool allowLoad = true;
    int saves = 0;
    std::vector<bool> loads;
    std::string caption;
    bool mayLoad() override { return allowLoad; }
    void loaded(bool ok) override { loads.push_back(ok); }
    void captionChanged(const CLSTString& c) override { caption = U8(c); }
    bool requestSave() override {
        ++saves;
        return true;
    }
};

}  // namespace

TEST(DataFile, LoadsLinesCountsAndPositions) {
    DocFixture f;
    ASSERT_TRUE(f.load(kSample));
    CLSVorelDataFile& doc = f.doc;
    EXPECT_EQ(doc.getItemCount(), 7);
    EXPECT_EQ(doc.getQuestionCount(), 3);
    EXPECT_EQ(doc.getTitleCount(), 2);
    EXPECT_EQ(U8(doc.getGroupName(0)), "英");
    EXPECT_EQ(U8(doc.getGroupName(1)), "1") << "an unnamed group shows its digit";
    EXPECT_EQ(U8(doc.getGroupName(2)), "数");
    EXPECT_THROW(doc.getGroupName(10), CLSError);
    EXPECT_EQ(U8(doc.getMessage()), "こんにちは");
    EXPECT_FALSE(doc.isModified()) << "what was just read needs no saving";
    EXPECT_EQ(doc.countQuestionsInGroup(3), 2);
    EXPECT_EQ(doc.countQuestionsOfTitle(doc.getTitle(0)), 2);
    EXPECT_EQ(doc.getQuestionNumber(doc.getQuestion(2)), 2);
    EXPECT_EQ(doc.getLineNumber(doc.getQuestion(1)), 4);
    EXPECT_EQ(doc.nextQuestion(doc.getQuestion(0)), doc.getQuestion(1));
    EXPECT_EQ(doc.getQuestion(3), nullptr);
    EXPECT_THROW(doc.getTitle(2), CLSError);

    doc.setCurrentQuestion(0);
    EXPECT_EQ(U8(doc.getTitleText()), "英語");
    EXPECT_EQ(doc.getTimeLimit(), -1) << "a TimeLimit line after a question does not apply to it";
    doc.setCurrentQuestion(1);
    EXPECT_EQ(doc.getTimeLimit(), 20);
    doc.setCurrentQuestion(2);
    EXPECT_EQ(U8(doc.getTitleText()), "数学");
    EXPECT_EQ(doc.getTimeLimit(), 20);
    doc.setCurrentQuestion(3);
    EXPECT_EQ(doc.current(), nullptr);
    EXPECT_THROW(doc.currentQuestion(), CLSError);

    // Erasing a title makes its questions belong to the previous one.
    doc.erase(5);
    doc.setCurrentQuestion(2);
    EXPECT_EQ(U8(doc.getTitleText()), "英語");
    EXPECT_EQ(doc.getItemCount(), 6);
    doc.erase(99);
    EXPECT_EQ(doc.getItemCount(), 6);
    CLSVorelDataItem* kept = doc.getQuestion(0);
    doc.insertComment(0, CLSTString("new"));
    EXPECT_EQ(doc.getQuestion(0), kept) << "positions survive insertions";
    EXPECT_EQ(doc.getLineNumber(kept), 3);
}

TEST(DataFile, HistoryFollowsHistorySize) {
    DocFixture f;
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\nq,,a,,,<00\r\n"));
    f.doc.setCurrentQuestion(0);
    for (int i = 0; i < 7; ++i) {
        f.clock.local.minute = i;
        f.doc.addHistory(i % 2);
    }
    const auto& history = f.doc.currentQuestion().history();
    ASSERT_EQ(history.size(), 5u);
    EXPECT_EQ(history.front().minute, 2);
    EXPECT_EQ(history.back(), (CLSHistoryEntry{0, 2026, 12, 8, 9, 6}));
    CLSHistoryEntry newest;
    ASSERT_TRUE(f.doc.getHistory(0, newest));
    EXPECT_EQ(newest.minute, 6);
    EXPECT_FALSE(f.doc.getHistory(5, newest));
    f.doc.setLastHistoryResult(1);
    EXPECT_EQ(history.back().result, 1);
    f.settings.setHistorySize(0);
    f.doc.addHistory(1);
    EXPECT_TRUE(f.doc.currentQuestion().history().empty());
}

TEST(DataFile, Fonts) {
    DocFixture f;
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\n#t,300000\r\n$FontQuestion=20,,Serif\r\nq,,a,,,<00\r\n"));
    f.doc.setCurrentQuestion(0);

    const CLSVorelFont& base = f.settings.skin().item(CLSVorelSkin::kQuestion);
    auto font = [&](QuestionFontRole role) {
        return QuestionFont(f.doc, f.settings, role, f.doc.current());
    };
    f.settings.setUseData(7);
    EXPECT_EQ(font(kFontQuestion).size, 20);
    EXPECT_EQ(font(kFontQuestion).name, "Serif");
    EXPECT_EQ(font(kFontQuestion).charSet, base.charSet);
    EXPECT_EQ(font(kFontTitle), f.settings.skin().item(CLSVorelSkin::kTitle));
    EXPECT_EQ(QuestionFont(f.doc, f.settings, kFontQuestion, f.doc.getLine(0)), base)
        << "the title line stands before the font line";
    f.settings.setUseData(3);
    EXPECT_EQ(font(kFontQuestion), base);
}

TEST(DataFile, SaveWritesTheSameDocumentBack) {
    DocFixture f;
    std::string text =
        "VORELDATA V3.0\r\n"
        "\r\n"
        "'a\\, comment\r\n"
        "#タイトル,210101'注意\r\n"
        "$TimeLimit=\r\n"
        "$QuestionShowTime=5'秒\r\n"
        "$FontTitle=12,128,Sans'x\r\n"
        "$FontPrintTitle=9\r\n"
        "\\#問\\,題\\n二行,h1|h2,a|b,c1|c2,コメント\\'s,=91,11212121212\r\n"
        "\\i\"p.png|width=50%\"x,,y,,,<00\r\n"
        "$Group=A,B\\,b,,,,,,,,J\r\n";
    ASSERT_TRUE(f.load(text));
    std::string out = f.saved();
    std::string expected =
        "VORELDATA V3.0\r\n"
        "\r\n"
        "'a\\, comment\r\n"
        "#タイトル,210101'注意\r\n"
        "$TimeLimit=\r\n"
        "$QuestionShowTime=5'秒\r\n"
        "$FontTitle=12,128,Sans'x\r\n"
        "$FontPrintTitle=9\r\n"
        "\\#問\\,題\\n二行,h1|h2,a|b,c1|c2,コメント\\'s,=91,11212121212\r\n"
        "\\i\"p.png|width=50%\"x,,y,,,<00\r\n"
        "$Group=A,B\\,b,2,3,4,5,6,7,8,J\r\n";
    EXPECT_EQ(out, expected) << "print fonts are kept like the others";

    // What is written loads back to the same document.
    DocFixture g;
    ASSERT_TRUE(g.load(out));
    EXPECT_EQ(g.saved(), expected);
    g.doc.setCurrentQuestion(0);
    EXPECT_EQ(U8(g.doc.currentQuestion().getQuestion().toText()), "#問,題\r\n二行");
}

TEST(DataFile, RefusesWhatIsNotADataFile) {
    DocFixture f;
    Recorder r;
    f.doc.setObserver(&r);
    EXPECT_FALSE(f.doc.loadFile(f.path("missing.vrf")));
    ASSERT_EQ(f.prompter.entries.size(), 1u);
    EXPECT_EQ(f.prompter.entries[0].utf8,
              "ファイル " + f.dir.file("missing.vrf") + " を開けません。");

    EXPECT_FALSE(f.load("VORELDATA V3.0 \r\nq,,a,,,<00\r\n"));
    EXPECT_EQ(f.prompter.entries.back().utf8, "Vorelデータファイルではありません。");
    EXPECT_FALSE(f.load("VORELDATA V1.1\r\n"));
    EXPECT_EQ(f.prompter.entries.back().utf8,
              "このバージョンのVorelデータファイルには対応していません。");
    EXPECT_TRUE(f.doc.isUntitled());
    EXPECT_EQ(f.doc.getItemCount(), 0);
    EXPECT_EQ(r.loads, (std::vector<bool>{false, false, false}));

    r.allowLoad = false;
    EXPECT_FALSE(f.load("VORELDATA V3.0\r\n"));
    EXPECT_EQ(r.loads.size(), 3u) << "a refused load changes nothing and reports nothing";
}

TEST(DataFile, OddLinesSurviveAsTheyWereRead) {
    DocFixture f;
    ASSERT_TRUE(
        f.load("VORELDATA V3.0\n$Unknown=1\n$NoEquals\nshort,line\n#title only\n"
               "q,,a,,,x00\nq\\\n'odd \\escape\\\n'plain\\, comment\n"));
    ASSERT_EQ(f.prompter.entries.size(), 1u);
    EXPECT_EQ(f.prompter.entries[0].utf8, "その機能は実装されていません。\n\nVRLFILE : 2行");
    ASSERT_EQ(f.doc.getItemCount(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(f.doc.getLine(i)->kind(), kLineComment);
    EXPECT_EQ(U8(f.doc.getLine(6)->comment().text), "odd escape")
        << "a lone final backslash is no character";
    // Nothing nobody changed is rewritten: not the lines that fit no
    // grammar, nor a comment whose escapes would be written another way.
    const std::string asRead =
        "VORELDATA V3.0\r\n$Unknown=1\r\n$NoEquals\r\nshort,line\r\n#title only\r\n"
        "q,,a,,,x00\r\nq\\\r\n'odd \\escape\\\r\n'plain\\, comment\r\n";
    EXPECT_EQ(f.saved(), asRead + "$Group=0,1,2,3,4,5,6,7,8,9\r\n");

    // An edited line is written from its text.
    f.doc.getLine(3)->comment().text = CLSTString("#title, edited");
    f.doc.getLine(6)->comment().text = CLSTString("odd escape!");
    std::string out = f.saved();
    EXPECT_NE(out.find("\r\n'\\#title\\, edited\r\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\r\n'odd escape!\r\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\r\nq,,a,,,x00\r\n"), std::string::npos) << out;

    // In another version a line may fit a grammar it did not fit here, so
    // converting keeps such lines as comments.
    f.prompter.answers = {PromptAnswer::Yes};
    ASSERT_TRUE(f.doc.setVersion(16));
    out = f.saved();
    EXPECT_NE(out.find("\r\n'q\\,\\,a\\,\\,\\,x00\r\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\r\n'plain\\, comment\r\n"), std::string::npos) << out;
}

// Bytes that are not CP932, and the NEC and IBM codes of a character CP932
// writes with another code, cannot come back from the text they are read
// as; their lines keep those bytes until they change.
TEST(DataFile, ShiftJisBytesWithoutACodeOfTheirOwnAreWrittenAsRead) {
    DocFixture f;
    const std::string odd =
        "VORELDATA V3.0\r\n\xED\x40\xFA\x5C,,\x82\xA0\x83,,,<00\r\nq2,,a,,,<00\r\n";
    WriteFileBytes(f.dir.file("odd.vrf"), odd);
    ASSERT_TRUE(f.doc.loadFile(f.path("odd.vrf")));
    const CLSVorelDataQuestion& q = f.doc.getQuestion(0)->question();
    EXPECT_EQ(U8(q.getQuestion().toText()), "纊纊") << "both codes are one character";
    EXPECT_EQ(U8(q.getAnswer(0).toText()), "あ\uFFFD");
    ASSERT_TRUE(f.doc.saveFile(f.path("out.vrf")));
    EXPECT_EQ(ReadFileBytes(f.dir.file("out.vrf")), odd + "$Group=0,1,2,3,4,5,6,7,8,9\r\n");

    f.doc.getQuestion(0)->question().setMark(1);
    ASSERT_TRUE(f.doc.saveFile(f.path("out.vrf")));
    EXPECT_EQ(ReadFileBytes(f.dir.file("out.vrf")).substr(16, 17),
              "\xFA\x5C\xFA\x5C,,\x82\xA0?,,,=00\r\n")
        << "a changed line is written from its text";
}

TEST(DataFile, OldVersionsConvertAndDowngrade) {
    DocFixture f;
    f.prompter.answers = {PromptAnswer::Yes};
    ASSERT_TRUE(f.load("VORELDATA V1.2\r\nq\\hh,a|b\\cc,<10\r\n$Group=x\r\n"));
    ASSERT_EQ(f.prompter.entries.size(), 1u);
    EXPECT_EQ(f.prompter.entries[0].icon, PromptIcon::Question);
    EXPECT_NE(f.prompter.entries[0].utf8.find("V3.0 に変換しますか？"), std::string::npos);
    EXPECT_EQ(f.doc.getVersion(), 30);
    EXPECT_EQ(f.doc.getItemCount(), 2) << "version 1.2 has no setting lines";
    EXPECT_EQ(f.saved(),
              "VORELDATA V3.0\r\nq,h,a|b,c,,<10\r\n'\\$Group=x\r\n$Group=0,1,2,3,4,5,6,7,8,9\r\n");

    DocFixture g;
    ASSERT_TRUE(
        g.load("VORELDATA V3.0\r\n$FontHint=10\r\n$TimeLimit=5\r\n$AnswerStartTime=1\r\n"
               "$InputFieldHeight=2\r\nq,h,a|b,c,,<00\r\n"));
    g.prompter.answers = {PromptAnswer::No};
    EXPECT_FALSE(g.doc.setVersion(15));
    EXPECT_EQ(g.doc.getVersion(), 30);
    g.prompter.answers = {PromptAnswer::Yes};
    EXPECT_TRUE(g.doc.setVersion(12));
    EXPECT_EQ(g.saved(), "VORELDATA V1.2\r\n$InputFieldHeight=2\r\nq,a,<00\r\n");

    DocFixture h;
    ASSERT_TRUE(h.load("VORELDATA V1.3\r\nq,a,<00\r\n$Group=one,two\r\n"));
    EXPECT_EQ(h.saved(), "VORELDATA V1.3\r\nq,a,<00\r\n$Group=one,two,2,3,4,5,6,7,8,9\r\n")
        << "group names of a 1.3 file are kept";
}

TEST(DataFile, ConversionsWriteWellFormedFieldsFromTheModelAndKeepMalformedOnes) {
    // 3.0 down to the old layout, then down to 1.2.
    DocFixture f;
    ASSERT_TRUE(
        f.load("VORELDATA V3.0\r\nq\\q,h,colo(u)r,c1|c2,cm,<00\r\n"
               "m,,a(b,x[,,<00\r\n"));
    f.prompter.answers = {PromptAnswer::Yes};
    ASSERT_TRUE(f.doc.setVersion(16));
    EXPECT_TRUE(f.doc.isModified());
    EXPECT_EQ(f.saved(),
              "VORELDATA V1.6\r\nqq\\hh,colour|color\\cc1|c2,<00'cm\r\n"
              "m,a(b\\cx[,<00\r\n$Group=0,1,2,3,4,5,6,7,8,9\r\n");
    f.prompter.answers = {PromptAnswer::Yes};
    ASSERT_TRUE(f.doc.setVersion(12));
    EXPECT_EQ(f.saved(), "VORELDATA V1.2\r\nqq,colour,<00'cm\r\nm,a(b\\cx[,<00\r\n")
        << "no version change drops a malformed field";
    f.doc.setCurrentQuestion(1);
    EXPECT_TRUE(f.doc.currentQuestion().isFieldMalformed(CLSVorelDataQuestion::kFieldAnswers));

    // An old file is written as read, index digit included, until converted;
    // its further \c then mean bars.
    DocFixture g;
    const std::string old =
        "VORELDATA V1.5\r\nq\\hh1\\hh2,a|b\\cc1\\cc2,<01'cm\r\nm,a\\cx[\\cy,<00\r\n"
        "n\\h,a\\c,<00'\r\n";
    g.prompter.answers = {PromptAnswer::No};
    ASSERT_TRUE(g.load(old));
    EXPECT_FALSE(g.doc.isModified());
    EXPECT_EQ(g.saved(),
              "VORELDATA V1.5\r\nq\\hh1\\hh2,a|b\\cc1\\cc2,<01'cm\r\n"
              "m,a\\cx[\\cy,<00\r\nn,a,<00\r\n$Group=0,1,2,3,4,5,6,7,8,9\r\n")
        << "\\h, \\c and ' only before something";
    ASSERT_TRUE(g.doc.setVersion(30));
    EXPECT_EQ(g.saved(),
              "VORELDATA V3.0\r\nq,h1|h2,b|a,c1|c2,cm,<00\r\nm,,a,x[|y,,<00\r\n"
              "n,,a,,,<00\r\n$Group=0,1,2,3,4,5,6,7,8,9\r\n");

    // A 1.2 question starting with "$" would read as a setting from 1.3 on.
    DocFixture h;
    h.prompter.answers = {PromptAnswer::No};
    ASSERT_TRUE(h.load("VORELDATA V1.2\r\n$x\\q,a,<00\r\n"));
    EXPECT_EQ(h.saved(), "VORELDATA V1.2\r\n$x\\q,a,<00\r\n");
    ASSERT_TRUE(h.doc.setVersion(13));
    EXPECT_EQ(h.saved(), "VORELDATA V1.3\r\n\\$xq,a,<00\r\n$Group=0,1,2,3,4,5,6,7,8,9\r\n");
}

TEST(DataFile, OnlyAModifiedDocumentIsSavedBeforeItIsReplaced) {
    DocFixture f;
    Recorder r;
    f.doc.setObserver(&r);
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\nq,,a,,,<00\r\n"));
    EXPECT_EQ(r.caption, f.dir.file("t.vrf") + " - Vorel for Windows");
    EXPECT_FALSE(f.doc.isModified());
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\nq,,b,,,<00\r\n", "u.vrf"));
    f.doc.newFile();
    EXPECT_EQ(r.saves, 0) << "opening and closing a file never rewrites it";
    EXPECT_EQ(r.caption, "Vorel for Windows");

    // Recording an answer, correcting it and converting are changes.
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\nq,,a,,,<00\r\n"));
    f.doc.setCurrentQuestion(0);
    f.doc.addHistory(0);
    EXPECT_TRUE(f.doc.isModified());
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\nq,,a,,,<00\r\n", "u.vrf"));
    EXPECT_EQ(r.saves, 1) << "a named document is saved without asking";
    f.doc.setCurrentQuestion(0);
    f.doc.setLastHistoryResult(1);
    EXPECT_FALSE(f.doc.isModified()) << "no entry to correct";
    f.doc.addHistory(1);
    ASSERT_TRUE(f.doc.saveFile(f.doc.getPath()));
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\nq,,a,,,<00\r\n"));
    EXPECT_EQ(r.saves, 2);
    f.doc.setCurrentQuestion(0);
    f.doc.setLastHistoryResult(0);
    f.doc.newFile();
    EXPECT_EQ(r.saves, 2) << "nothing to correct without history";
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\nq,,a,,,<00,02601011200\r\n"));
    f.doc.setCurrentQuestion(0);
    f.doc.setLastHistoryResult(1);
    f.doc.newFile();
    EXPECT_EQ(r.saves, 3);

    f.prompter.answers = {PromptAnswer::No};
    ASSERT_TRUE(f.load("VORELDATA V1.5\r\nq,a,<00\r\n"));
    f.doc.newFile();
    EXPECT_EQ(r.saves, 3) << "an old file left as it is";
    f.prompter.answers = {PromptAnswer::Yes};
    ASSERT_TRUE(f.load("VORELDATA V1.5\r\nq,a,<00\r\n"));
    EXPECT_TRUE(f.doc.isModified()) << "converted on loading";
    f.doc.newFile();
    EXPECT_EQ(r.saves, 4);

    f.doc.insertComment(0, CLSTString("x"));
    f.prompter.answers = {PromptAnswer::No};
    f.doc.newFile();
    EXPECT_EQ(r.saves, 4);
    EXPECT_EQ(f.prompter.entries.back().utf8, "編集中のデータは保存されていません。保存しますか？");
}

TEST(DataFile, FailedSaveKeepsTheOldFileAndPath) {
    DocFixture f;
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\nq,,a,,,<00\r\n"));
    std::string before = ReadFileBytes(f.dir.file("t.vrf"));
    std::string target = f.dir.file("t.vrf");
    SetWriteFaultForTests([&](const std::string& p) { return p.rfind(target, 0) == 0; });
    f.doc.insertComment(0, CLSTString("more"));
    EXPECT_FALSE(f.doc.saveFile(f.path("t.vrf")));
    SetWriteFaultForTests(nullptr);
    EXPECT_EQ(ReadFileBytes(target), before);
    EXPECT_EQ(f.prompter.entries.back().utf8.rfind("ファイルに書き込めません。", 0), 0u);

    EXPECT_FALSE(f.doc.saveFile(f.path("no-such-folder/x.vrf")));
    EXPECT_EQ(f.doc.getPath(), f.path("t.vrf"));
}

TEST(DataFile, ExportAndImport) {
    DocFixture f;
    ASSERT_TRUE(
        f.load("VORELDATA V3.0\r\n#t1,000000\r\nq1,h1|h\\,2,a\\,1|b,,c,<00\r\n#t2,000000\r\n"
               "\\i\"p.png\"q2,,,,\"quoted\",<20\r\nq3,,a3,,,<00\r\n$Group=,,名前\r\n"));
    // Five columns unless the hints are asked for.
    ASSERT_TRUE(ExportQuestions(f.doc, f.path("five.csv"), true));
    EXPECT_EQ(Cp932ToUtf8(ReadFileBytes(f.dir.file("five.csv"))),
              "問題番号,問題,答え,グループ,コメント\r\n1,q1,\"a,1\",0,c\r\n"
              "2,\"\\i\"\"p.png\"\"q2\",,名前,\"\"\"quoted\"\"\"\r\n3,q3,a3,0,\r\n");
    ASSERT_TRUE(ExportQuestions(f.doc, f.path("out.csv"), true, CLSTextEncoding::kCp932, true));
    // The hints of a question share the last column, one per line.
    EXPECT_EQ(Cp932ToUtf8(ReadFileBytes(f.dir.file("out.csv"))),
              "問題番号,問題,答え,グループ,コメント,ヒント\r\n1,q1,\"a,1\",0,c,\"h1\nh,2\"\r\n"
              "2,\"\\i\"\"p.png\"\"q2\",,名前,\"\"\"quoted\"\"\",\r\n3,q3,a3,0,,\r\n");
    ASSERT_TRUE(ExportQuestions(f.doc, f.path("out.txt"), false, CLSTextEncoding::kCp932, true));
    EXPECT_EQ(
        Cp932ToUtf8(ReadFileBytes(f.dir.file("out.txt"))),
        "問題番号\t問題\t答え\tグループ\tコメント\tヒント\r\n1\tq1\t\"a,1\"\t0\tc\t\"h1\nh,2\"\r\n"
        "2\t\"\\i\"\"p.png\"\"q2\"\t\t名前\t\"\"\"quoted\"\"\"\t\r\n3\tq3\ta3\t0\t\t\r\n");

    DocFixture g;
    WriteFileBytes(
        g.dir.file("in.csv"),
        Utf8ToCp932Literal(
            "問題,答え,x,ヒント\r\nq\\i\"p.png\",(a|b),skip,h\r\n,,,\r\n,only answer\r\nlone\r\n"));
    g.prompter.answers = {};
    EXPECT_FALSE(ImportQuestions(g.doc, g.path("in.csv"), ',', true, {3, 3}));
    EXPECT_EQ(g.prompter.entries.back().utf8, "項目「答え」が複数設定されています。");
    ASSERT_TRUE(ImportQuestions(g.doc, g.path("in.csv"), ',', true, {1, 3, 0, 2}));
    ASSERT_EQ(g.doc.getQuestionCount(), 3);
    const CLSVorelDataQuestion& q = g.doc.getQuestion(0)->question();
    EXPECT_TRUE(q.getQuestion().item(1).isObject());
    EXPECT_EQ(U8(q.getAnswer(0).toText()), "(a|b)") << "no expansion on import";
    EXPECT_EQ(U8(q.getHint(0).toText()), "h");
    EXPECT_EQ(U8(g.doc.getQuestion(1)->question().getAnswer(0).toText()), "only answer");
    EXPECT_EQ(g.doc.getQuestion(2)->question().getAnswerCount(), 0);
    EXPECT_TRUE(g.doc.isUntitled());
    EXPECT_TRUE(g.doc.isModified());
    // A file that cannot be read leaves the document as it was.
    EXPECT_FALSE(ImportQuestions(g.doc, g.path("missing.csv"), ',', false, {1}));
    EXPECT_EQ(g.prompter.entries.back().utf8,
              "ファイル " + g.dir.file("missing.csv") + " を開けません。");
    EXPECT_EQ(g.doc.getQuestionCount(), 3);
}

TEST(DataFile, OwnExportImportsBackWithItsGroups) {
    DocFixture f;
    ASSERT_TRUE(
        f.load("VORELDATA V3.0\r\nq0,,a0,,,<00\r\nq1,,a1,,,<10\r\nq2,,a2,,,<20\r\n"
               "q3,,a3,,,<70\r\nq4,,a4,,,<10\r\n$Group=,地理,歴史\r\n"));
    for (bool hints : {false, true}) {
        ASSERT_TRUE(ExportQuestions(f.doc, f.path("g.csv"), true, CLSTextEncoding::kCp932, hints));
        CLSImportProposal proposal = InspectImportFile(f.path("g.csv"));
        EXPECT_TRUE(proposal.ownExport);
        CLSImportReader names;
        ASSERT_TRUE(names.open(f.path("g.csv"), proposal.options));
        std::vector<int> roles = ProposeImportRoles(names.columnNames(), proposal.directives);
        EXPECT_EQ(roles[3], kImportGroup);
        DocFixture g;
        ASSERT_TRUE(ImportQuestions(g.doc, f.path("g.csv"), proposal.options, roles));
        ASSERT_EQ(g.doc.getQuestionCount(), 5);
        // Unnamed groups keep their digit; the names take the free groups in turn.
        std::vector<int> groups;
        for (int n = 0; n < 5; ++n)
            groups.push_back(g.doc.getQuestion(n)->question().group());
        EXPECT_EQ(groups, (std::vector<int>{0, 1, 2, 7, 1}));
        EXPECT_EQ(U8(g.doc.getGroupName(1)), "地理");
        EXPECT_EQ(U8(g.doc.getGroupName(2)), "歴史");
    }

    // Eleven names: the last one's questions go to group 0, with a warning.
    std::string many = "問題,答え,グループ\r\n";
    for (int i = 0; i < 11; ++i)
        many += "q" + std::to_string(i) + ",a,g" + std::to_string(i) + "\r\n";
    WriteFileBytes(f.dir.file("many.csv"), many);
    DocFixture h;
    ASSERT_TRUE(ImportQuestions(h.doc, f.path("many.csv"), ',', true, {1, 3, 5}));
    EXPECT_EQ(h.doc.getQuestion(9)->question().group(), 9);
    EXPECT_EQ(h.doc.getQuestion(10)->question().group(), 0);
    EXPECT_EQ(U8(h.doc.getGroupName(0)), "g0");
    ASSERT_EQ(h.prompter.entries.size(), 1u);
    EXPECT_EQ(h.prompter.entries[0].utf8,
              "グループ名が多すぎます。11 個目からのグループ名の問題はグループ 0 に入ります。");
    EXPECT_FALSE(ImportQuestions(h.doc, f.path("many.csv"), ',', true, {1, 5, 5}));
    EXPECT_EQ(h.prompter.entries.back().utf8, "項目「グループ」が複数設定されています。");
}

TEST(DataFile, DataInfo) {
    DocFixture f;
    ASSERT_TRUE(f.load(kSample));
    CLSDataInfo info = f.doc.dataInfo();
    EXPECT_EQ(info.lineCount, 8);
    EXPECT_EQ(info.titleCount, 2);
    EXPECT_EQ(info.questionCount, 3);
    EXPECT_EQ(U8(info.groupNames[2]), "数");
    EXPECT_EQ(info.groupQuestionCounts[0], 1);
    EXPECT_EQ(info.groupQuestionCounts[3], 2);
}
