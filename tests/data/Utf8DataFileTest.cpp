#include <gtest/gtest.h>

#include "DocFixture.h"
#include "data/ImportExport.h"
#include "sentence/Sentence.h"

namespace {

const std::string kBom = "\xEF\xBB\xBF";

// One question line per script, with a combining mark (ɔ̃) and an emoji.
const std::string kScripts =
    "café,,absurdité|abstʀaksjɔ̃,,,<00\r\n"
    "Straße,,Größe,,,<00\r\n"
    "한국어,,학교,,,<00\r\n"
    "汉语,,学习,,,<00\r\n"
    "Ἀθῆναι,,Αθηναι,,,<00\r\n"
    "Москва,,ёж й,,,<00\r\n"
    "smile,,😀👍🏽,,,<00\r\n";

std::string utf8File(const std::string& lines) {
    return kBom + "VORELDATA V3.0\r\n" + lines;
}

const std::string kGroupLine = "$Group=0,1,2,3,4,5,6,7,8,9\r\n";

}  // namespace

TEST(Utf8DataFile, EveryScriptRoundTripsByteForByte) {
    DocFixture f;
    WriteFileBytes(f.dir.file("u.vrf"), utf8File(kScripts));
    ASSERT_TRUE(f.doc.loadFile(f.path("u.vrf")));
    EXPECT_EQ(f.doc.encoding(), CLSTextEncoding::kUtf8);
    ASSERT_EQ(f.doc.getQuestionCount(), 7);
    EXPECT_EQ(U8(f.doc.getQuestion(0)->question().getAnswer(1).toText()), "abstʀaksjɔ̃");
    EXPECT_EQ(U8(f.doc.getQuestion(6)->question().getAnswer(0).toText()), "😀👍🏽");
    ASSERT_TRUE(f.doc.saveFile(f.path("out.vrf")));
    EXPECT_EQ(ReadFileBytes(f.dir.file("out.vrf")), utf8File(kScripts) + kGroupLine);

    // Text typed decomposed (e + U+0301) is read in NFC; the line keeps its
    // bytes while nobody changes it.
    DocFixture g;
    const std::string decomposed = utf8File("cafe\xCC\x81,,a,,,<00\r\n");
    WriteFileBytes(g.dir.file("d.vrf"), decomposed);
    ASSERT_TRUE(g.doc.loadFile(g.path("d.vrf")));
    EXPECT_EQ(U8(g.doc.getQuestion(0)->question().getQuestion().toText()), "café");
    ASSERT_TRUE(g.doc.saveFile(g.path("out.vrf")));
    EXPECT_EQ(ReadFileBytes(g.dir.file("out.vrf")), decomposed + kGroupLine);
    g.doc.getQuestion(0)->question().setMark(1);
    ASSERT_TRUE(g.doc.saveFile(g.path("out.vrf")));
    EXPECT_NE(ReadFileBytes(g.dir.file("out.vrf")).find("café,,a,,,=00"), std::string::npos);
}

TEST(Utf8DataFile, OnlyTheCurrentLayoutIsEverUtf8) {
    DocFixture f;
    WriteFileBytes(f.dir.file("old.vrf"), kBom + "VORELDATA V2.0\r\nq,a\r\n");
    EXPECT_FALSE(f.doc.loadFile(f.path("old.vrf")));
    EXPECT_EQ(f.prompter.entries.back().utf8,
              "UTF-8 のVorelデータファイルは V3.0 でなければなりません。");

    DocFixture g;
    g.prompter.fallback = PromptAnswer::No;
    ASSERT_TRUE(g.load("VORELDATA V2.0\nq,a\n"));
    EXPECT_FALSE(g.doc.setEncoding(CLSTextEncoding::kUtf8));
    EXPECT_EQ(g.doc.encoding(), CLSTextEncoding::kCp932);
    EXPECT_NE(g.prompter.entries.back().utf8.find("V3.0 に変換"), std::string::npos);
}

// Shift-JIS to UTF-8 and back: the conversion is an edit, asks about bytes
// that were no character, and is refused where Shift-JIS cannot hold a text.
TEST(Utf8DataFile, ConvertingAsksAboutOddBytesAndRefusesWhatShiftJisCannotHold) {
    DocFixture f;
    WriteFileBytes(
        f.dir.file("s.vrf"),
        "VORELDATA V3.0\r\n" + Utf8ToCp932Literal("問題,,答え,,,<00\r\n") + "odd\x83,,a,,,<00\r\n");
    ASSERT_TRUE(f.doc.loadFile(f.path("s.vrf")));
    f.prompter.answers = {PromptAnswer::No};
    EXPECT_FALSE(f.doc.setEncoding(CLSTextEncoding::kUtf8)) << "declined";
    EXPECT_NE(f.prompter.entries.back().utf8.find("\n3行目"), std::string::npos)
        << f.prompter.entries.back().utf8;
    EXPECT_FALSE(f.doc.isModified());
    f.prompter.answers = {PromptAnswer::Yes};
    ASSERT_TRUE(f.doc.setEncoding(CLSTextEncoding::kUtf8));
    EXPECT_TRUE(f.doc.isModified());
    ASSERT_TRUE(f.doc.saveFile(f.path("u.vrf")));
    EXPECT_EQ(ReadFileBytes(f.dir.file("u.vrf")),
              utf8File("問題,,答え,,,<00\r\nodd\xEF\xBF\xBD,,a,,,<00\r\n") + kGroupLine);

    DocFixture g;
    WriteFileBytes(g.dir.file("u.vrf"), utf8File("ok,,あ,,,<00\r\n" + kScripts));
    ASSERT_TRUE(g.doc.loadFile(g.path("u.vrf")));
    EXPECT_FALSE(g.doc.setEncoding(CLSTextEncoding::kCp932));
    const std::string& refusal = g.prompter.entries.back().utf8;
    EXPECT_NE(refusal.find("\n3行目: éʀɔ̃ (U+00E9 U+0280 U+0254 U+0303)\n"), std::string::npos)
        << refusal;
    EXPECT_EQ(refusal.find("\n2行目"), std::string::npos) << "a line Shift-JIS holds";
    EXPECT_EQ(refusal.find("\n8行目"), std::string::npos) << "Cyrillic is in Shift-JIS";

    // Greek and Cyrillic are in Shift-JIS; those lines alone convert back.
    DocFixture h;
    WriteFileBytes(h.dir.file("u.vrf"), utf8File("Москва,,Αθηνα,,,<00\r\n"));
    ASSERT_TRUE(h.doc.loadFile(h.path("u.vrf")));
    ASSERT_TRUE(h.doc.setEncoding(CLSTextEncoding::kCp932));
    EXPECT_EQ(h.saved(), "VORELDATA V3.0\r\nМосква,,Αθηνα,,,<00\r\n" + kGroupLine);
}

TEST(Utf8DataFile, AShiftJisFileIsNeverSavedWithQuestionMarks) {
    DocFixture f;
    ASSERT_TRUE(f.load("VORELDATA V3.0\nq,,a,,,<00\n"));
    ASSERT_TRUE(f.doc.saveFile(f.path("t.vrf")));
    const std::string before = ReadFileBytes(f.dir.file("t.vrf"));
    f.doc.getQuestion(0)->question().setQuestion(CLSSentence(CLSTString("café")));
    EXPECT_FALSE(f.doc.saveFile(f.path("t.vrf")));
    EXPECT_NE(f.prompter.entries.back().utf8.find("保存できません: é"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(f.dir.file("t.vrf")), before) << "the old file stays";
    ASSERT_TRUE(f.doc.setEncoding(CLSTextEncoding::kUtf8));
    ASSERT_TRUE(f.doc.saveFile(f.path("t.vrf")));
    EXPECT_EQ(ReadFileBytes(f.dir.file("t.vrf")), utf8File("café,,a,,,<00\r\n") + kGroupLine);
}

TEST(Utf8DataFile, ExportInShiftJisListsWhatItCannotHoldAndAsks) {
    DocFixture f;
    WriteFileBytes(f.dir.file("u.vrf"), utf8File("café,,abstʀaksjɔ̃,,,<00\r\n"));
    ASSERT_TRUE(f.doc.loadFile(f.path("u.vrf")));
    f.prompter.answers = {PromptAnswer::No};
    EXPECT_FALSE(ExportQuestions(f.doc, f.path("out.csv"), true, CLSTextEncoding::kCp932, false));
    ASSERT_FALSE(f.prompter.entries.empty());
    EXPECT_NE(f.prompter.entries.back().utf8.find("U+00E9 U+0280 U+0254 U+0303"), std::string::npos)
        << f.prompter.entries.back().utf8;
    EXPECT_EQ(ReadFileBytes(f.dir.file("out.csv")), "") << "nothing written";
    f.prompter.answers = {PromptAnswer::Yes};
    ASSERT_TRUE(ExportQuestions(f.doc, f.path("out.csv"), true, CLSTextEncoding::kCp932, false));
    EXPECT_NE(ReadFileBytes(f.dir.file("out.csv")).find("\r\n1,caf?,abst?aksj??,0,\r\n"),
              std::string::npos);
    ASSERT_TRUE(ExportQuestions(f.doc, f.path("out8.csv"), true, CLSTextEncoding::kUtf8, false));
    EXPECT_NE(ReadFileBytes(f.dir.file("out8.csv")).find("\r\n1,café,abstʀaksjɔ̃,0,\r\n"),
              std::string::npos);
}
