// Reading files of spreadsheets and other flash-card programs, and our
// own export read back.

#include <gtest/gtest.h>

#include "DocFixture.h"
#include "data/HtmlField.h"
#include "data/ImportExport.h"
#include "data/ImportReader.h"
#include "text/Codec.h"
#include "text/FileWriteString.h"

namespace {

std::vector<std::vector<std::string>> readAll(const CLSTString& path,
                                              const CLSImportOptions& options,
                                              CLSImportReader& reader,
                                              const CLSImportLimits& limits = {}) {
    std::vector<std::vector<std::string>> records;
    EXPECT_TRUE(reader.open(path, options, limits));
    CLSTStringArray fields;
    while (reader.next(fields)) {
        records.emplace_back();
        for (const CLSTString& f : fields)
            records.back().push_back(U8(f));
    }
    return records;
}

std::string questionText(const CLSVorelDataFile& doc, int n) {
    return U8(doc.getQuestion(n)->question().getQuestion().toText());
}

// What an export carries of a question, to compare with what comes back.
std::string carried(const CLSVorelDataQuestion& q) {
    std::string s = U8(q.getQuestion().toText()) + " | ";
    for (const CLSSentence& h : q.hints())
        s += U8(h.toText()) + " / ";
    s += "| " + U8(q.firstAnswer().toText()) + " | " + U8(q.getComment().toText());
    return s + " | " + std::to_string(q.group());
}

}  // namespace

TEST(Import, Utf8FilesAreConvertedAndTheirStrayCharactersReported) {
    DocFixture f;
    // A BOM, a quoted line break (LF only), and characters CP932 lacks in
    // an imported column and in an ignored one.
    WriteFileBytes(f.dir.file("u.csv"), std::string(kUtf8Bom) +
                                            "問題,答え,メモ\r\n犬,dog,🐕\r\n\"猫\nねこ\",cat,x\r\n"
                                            "笑顔😀,smile ☃,y\r\n");
    CLSImportProposal proposal = InspectImportFile(f.path("u.csv"));
    EXPECT_EQ(proposal.kind, CLSImportFileKind::kText);
    EXPECT_EQ(proposal.options.encoding, CLSTextEncoding::kUtf8);
    EXPECT_TRUE(proposal.options.header);
    EXPECT_EQ(proposal.options.separator, ',');

    CLSImportReader reader;
    auto records = readAll(f.path("u.csv"), proposal.options, reader);
    EXPECT_EQ(U8(reader.columnNames()[0]), "問題");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1][0], "猫\r\nねこ") << "a line break is the program's CR LF";
    EXPECT_EQ(records[2][1], "smile ☃") << "the reader keeps every character";
    ASSERT_EQ(reader.unmappable().size(), 3u);
    EXPECT_EQ(reader.unmappable()[0].record, 1);
    EXPECT_EQ(reader.unmappable()[0].column, 3);
    std::vector<int> roles = ProposeImportRoles(reader.columnNames(), proposal.directives);
    EXPECT_EQ(roles, (std::vector<int>{kImportQuestion, kImportAnswer, kImportIgnore}));

    // The learner is asked before anything changes, with the places of the
    // imported columns only: a UTF-8 data file, "?" in their place, or no
    // import, which leaves the document as it was.
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\nold,,a,,,<00\r\n"));
    f.prompter.choices = {2};
    EXPECT_FALSE(ImportQuestions(f.doc, f.path("u.csv"), proposal.options, roles));
    EXPECT_EQ(f.prompter.entries.back().utf8.rfind(
                  "Shift_JIS (CP932) で表せない文字があります。\n\n3件目の1列目: U+1F600\n"
                  "3件目の2列目: U+2603\n\nUTF-8 のデータファイルにすれば",
                  0),
              0u);
    EXPECT_EQ(
        f.prompter.entries.back().choices,
        (std::vector<std::string>{"UTF-8 にする(&U)", "「?」に置き換える(&R)", "キャンセル"}));
    EXPECT_EQ(questionText(f.doc, 0), "old");

    f.prompter.choices = {1};
    ASSERT_TRUE(ImportQuestions(f.doc, f.path("u.csv"), proposal.options, roles));
    ASSERT_EQ(f.doc.getQuestionCount(), 3);
    EXPECT_EQ(questionText(f.doc, 2), "笑顔?");
    EXPECT_EQ(U8(f.doc.getQuestion(2)->question().getAnswer(0).toText()), "smile ?");
    EXPECT_EQ(f.doc.encoding(), CLSTextEncoding::kCp932);
    EXPECT_TRUE(f.doc.isUntitled());

    f.prompter.choices = {0};
    ASSERT_TRUE(ImportQuestions(f.doc, f.path("u.csv"), proposal.options, roles));
    EXPECT_EQ(questionText(f.doc, 2), "笑顔😀");
    EXPECT_EQ(f.doc.encoding(), CLSTextEncoding::kUtf8);

    // Only what is imported is reported.
    f.prompter.choices = {1};
    ASSERT_TRUE(ImportQuestions(f.doc, f.path("u.csv"), proposal.options, {0, 3, 0}));
    EXPECT_NE(f.prompter.entries.back().utf8.find("\n\n3件目の2列目: U+2603\n\n"),
              std::string::npos);
}

TEST(Import, ManyStrayCharactersAreCountedNotAllListed) {
    DocFixture f;
    std::string text;
    for (int i = 0; i < 20; ++i)
        text += "q" + std::to_string(i) + "😀,a\r\n";
    WriteFileBytes(f.dir.file("many.csv"), text);
    CLSImportOptions o;
    o.encoding = CLSTextEncoding::kUtf8;
    f.prompter.answers = {PromptAnswer::No};
    EXPECT_FALSE(ImportQuestions(f.doc, f.path("many.csv"), o, {1, 3}));
    const std::string& asked = f.prompter.entries.back().utf8;
    EXPECT_NE(asked.find("8件目の1列目: U+1F600\nほか 12 か所"), std::string::npos) << asked;
}

TEST(Import, DirectivesOfOtherFlashCardProgramsDescribeTheFile) {
    DocFixture f;
    WriteFileBytes(f.dir.file("cards.txt"),
                   "#separator:tab\n#html:true\n#tags column:3\n#columns:Front\tBack\tTags\n"
                   "dog &amp; cat<br>two<div>pets</div>\t<b>犬</b>と&#x732B;\tanimals\n"
                   "#1\tnot a directive\t\n");
    CLSImportProposal p = InspectImportFile(f.path("cards.txt"));
    EXPECT_EQ(p.directives.lineCount, 4);
    EXPECT_EQ(p.options.separator, '\t');
    EXPECT_TRUE(p.options.html);
    EXPECT_FALSE(p.options.header) << "the columns line names the columns";
    EXPECT_EQ(p.options.encoding, CLSTextEncoding::kUtf8);

    CLSImportReader reader;
    auto records = readAll(f.path("cards.txt"), p.options, reader);
    ASSERT_EQ(reader.columnNames().count(), 3);
    EXPECT_EQ(U8(reader.columnNames()[1]), "Back");
    EXPECT_EQ(ProposeImportRoles(reader.columnNames(), p.directives),
              (std::vector<int>{kImportQuestion, kImportAnswer, kImportIgnore}));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0][0], "dog & cat\r\ntwo\r\npets");
    EXPECT_EQ(records[0][1], "犬と猫");
    EXPECT_EQ(records[1][0], "#1") << "a line that is no directive is a record";

    // The proposal needs nobody to choose anything.
    ASSERT_TRUE(ImportQuestions(f.doc, f.path("cards.txt"), p.options,
                                ProposeImportRoles(reader.columnNames(), p.directives)));
    EXPECT_EQ(questionText(f.doc, 0), "dog & cat\r\ntwo\r\npets");
    EXPECT_EQ(U8(f.doc.getQuestion(0)->question().getAnswer(0).toText()), "犬と猫");
    EXPECT_EQ(f.doc.getQuestionCount(), 2);
}

TEST(Import, HtmlFieldsBecomePlainText) {
    auto plain = [](const char* html) { return HtmlFieldToText(html, CLSTextEncoding::kUtf8); };
    EXPECT_EQ(plain("a<br>b<BR/>c<br />d"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(plain("<div>first</div><div>second</div>"), "first\r\nsecond");
    EXPECT_EQ(plain("<span style=\"color:red\">red</span> &lt;tag&gt; &quot;q&quot; &#39;"),
              "red <tag> \"q\" '");
    EXPECT_EQ(plain("1 < 2 and 3 > 2 & &unknown; &#xZZ;"), "1 < 2 and 3 > 2 & &unknown; &#xZZ;")
        << "what is no tag or reference stays";
    EXPECT_EQ(plain("<b unclosed"), "<b unclosed");
    EXPECT_EQ(plain("&nbsp;&hellip;"), " …");

    std::string missing;
    std::string cp932 = HtmlFieldToText(Utf8ToCp932Literal("表&#9731;&amp;") + "<i>x</i>",
                                        CLSTextEncoding::kCp932, &missing);
    EXPECT_EQ(Cp932ToUtf8(cp932), "表?&x");
    EXPECT_EQ(missing, "☃");
}

TEST(Import, OwnExportComesBackWithoutChoosingAnything) {
    DocFixture f;
    std::string example = ReadFileBytes(std::string(VOREL_SOURCE_DIR) + "/examples/sample.vrf");
    ASSERT_FALSE(example.empty());
    WriteFileBytes(f.dir.file("sample.vrf"), example);
    ASSERT_TRUE(f.doc.loadFile(f.path("sample.vrf")));
    ASSERT_GT(f.doc.getQuestionCount(), 3);
    std::vector<std::string> original;
    for (int n = 0; n < f.doc.getQuestionCount(); ++n)
        original.push_back(carried(f.doc.getQuestion(n)->question()));

    for (CLSTextEncoding encoding : {CLSTextEncoding::kCp932, CLSTextEncoding::kUtf8}) {
        for (bool comma : {true, false}) {
            SCOPED_TRACE(std::string(TextEncodingName(encoding)) + (comma ? " comma" : " tab"));
            ASSERT_TRUE(ExportQuestions(f.doc, f.path("x.csv"), comma, encoding, true));
            CLSImportProposal p = InspectImportFile(f.path("x.csv"));
            EXPECT_TRUE(p.ownExport);
            EXPECT_EQ(p.options.encoding, encoding);
            EXPECT_EQ(p.options.separator, comma ? ',' : '\t');
            CLSImportReader names;
            ASSERT_TRUE(names.open(f.path("x.csv"), p.options));
            std::vector<int> roles = ProposeImportRoles(names.columnNames(), p.directives);
            EXPECT_EQ(roles, (std::vector<int>{0, 1, 3, 5, 4, 2}));

            DocFixture g;
            ASSERT_TRUE(ImportQuestions(g.doc, f.path("x.csv"), p.options, roles));
            ASSERT_EQ(g.doc.getQuestionCount(), f.doc.getQuestionCount());
            for (int n = 0; n < g.doc.getQuestionCount(); ++n)
                EXPECT_EQ(carried(g.doc.getQuestion(n)->question()), original[n]) << n;
            EXPECT_TRUE(g.prompter.entries.empty());
        }
    }
}

TEST(Import, FilesThatAreNoTextAreToldApart) {
    TempDir dir;
    WriteFileBytes(dir.file("empty.csv"), "");
    WriteFileBytes(dir.file("bin.csv"), std::string("PK\x03\x04\0\0data", 10));
    WriteFileBytes(dir.file("u16.txt"), std::string("\xFF\xFEq\0,\0", 6));
    WriteFileBytes(dir.file("tabs.txt"), "a\tb\tc\r\n");
    EXPECT_EQ(InspectImportFile(CLSTString(dir.file("empty.csv"))).kind, CLSImportFileKind::kEmpty);
    EXPECT_EQ(InspectImportFile(CLSTString(dir.file("bin.csv"))).kind, CLSImportFileKind::kBinary);
    EXPECT_EQ(InspectImportFile(CLSTString(dir.file("u16.txt"))).kind, CLSImportFileKind::kUtf16);
    EXPECT_EQ(InspectImportFile(CLSTString(dir.file("none.csv"))).kind,
              CLSImportFileKind::kUnreadable);
    EXPECT_EQ(InspectImportFile(CLSTString(dir.file("tabs.txt"))).options.separator, '\t');
    EXPECT_EQ(U8(ImportFileKindMessage(CLSImportFileKind::kBinary)),
              "テキストファイルではありません。");

    // Nothing to import keeps the document.
    DocFixture f;
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\nkept,,a,,,<00\r\n"));
    WriteFileBytes(f.dir.file("blank.csv"), "\r\n,\r\n");
    EXPECT_FALSE(ImportQuestions(f.doc, f.path("blank.csv"), ',', false, {1, 3}));
    EXPECT_EQ(f.prompter.entries.back().utf8, "インポートできる問題がありません。");
    EXPECT_EQ(questionText(f.doc, 0), "kept");
}

TEST(Import, OneHugeFieldIsCutInThePreviewAndRefusedByTheImport) {
    DocFixture f;
    std::string huge = "q,\"" + std::string(3 * 1024 * 1024, 'x') + "\",more\r\nq2,a2\r\n";
    WriteFileBytes(f.dir.file("huge.csv"), huge);

    CLSImportLimits preview;
    preview.maxFieldBytes = 100;
    preview.cutLongFields = true;
    CLSImportReader reader;
    auto records = readAll(f.path("huge.csv"), {}, reader, preview);
    ASSERT_EQ(records.size(), 2u);
    // Cut within the field's first 100 bytes (its quote counts).
    EXPECT_EQ(records[0][1], std::string(99, 'x') + "…");
    EXPECT_EQ(records[0][2], "more");
    EXPECT_TRUE(reader.fieldsCut());

    ASSERT_TRUE(f.load("VORELDATA V3.0\r\nkept,,a,,,<00\r\n"));
    EXPECT_FALSE(ImportQuestions(f.doc, f.path("huge.csv"), ',', false, {1, 3}));
    EXPECT_EQ(f.prompter.entries.back().utf8,
              "1件目の2列目が長すぎるため、インポートできません（1項目 1 MB まで）。");
    EXPECT_EQ(questionText(f.doc, 0), "kept");

    // A record of very many columns is shown in part.
    WriteFileBytes(f.dir.file("wide.csv"), std::string(5000, ',') + "\r\n");
    CLSImportLimits narrow;
    narrow.maxColumns = 10;
    CLSImportReader wide;
    records = readAll(f.path("wide.csv"), {}, wide, narrow);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].size(), 10u);
    EXPECT_TRUE(wide.columnsCut());
}

TEST(Export, Utf8CarriesItsMarkAndAFailedWriteKeepsTheOldFile) {
    DocFixture f;
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\n漢字,,かんじ,,,<00\r\n"));
    ASSERT_TRUE(ExportQuestions(f.doc, f.path("u.csv"), true, CLSTextEncoding::kUtf8));
    EXPECT_EQ(ReadFileBytes(f.dir.file("u.csv")), std::string(kUtf8Bom) +
                                                      "問題番号,問題,答え,グループ,コメント\r\n"
                                                      "1,漢字,かんじ,0,\r\n");

    WriteFileBytes(f.dir.file("old.csv"), "old contents");
    SetWriteFaultForTests([](const std::string&) { return true; });
    EXPECT_FALSE(ExportQuestions(f.doc, f.path("old.csv"), true));
    SetWriteFaultForTests({});
    EXPECT_EQ(f.prompter.entries.back().utf8.rfind("ファイルに書き込めません。", 0), 0u);
    EXPECT_EQ(ReadFileBytes(f.dir.file("old.csv")), "old contents");
    EXPECT_EQ(ReadFileBytes(f.dir.file("missing-dir/x.csv")), "");
    EXPECT_FALSE(ExportQuestions(f.doc, f.path("missing-dir/x.csv"), true));
}
