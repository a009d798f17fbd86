#include <gtest/gtest.h>

#include <QPdfWriter>
#include <string>
#include <utility>
#include <vector>

#include "PrintTestSupport.h"
#include "print/widgets/PdfExport.h"
#include "print/widgets/PrintJob.h"
#include "widgets/DialogTestSupport.h"

namespace {

struct PdfFixture : DocFixture {
    CLSPrint print{settings, doc};
    QByteArray pdf;

    PdfFixture() { UseProgramFonts(); }
    /// Prints to PDF; the file's path ("" when nothing was printed).
    std::string printPdf(int* pages = nullptr) {
        int count = PrintToPdf(print, CommandLinePageSetup(), pdf);
        if (pages) *pages = count;
        if (count <= 0) return "";
        std::string path = dir.file("out.pdf");
        WriteFileBytes(path, pdf.toStdString());
        return path;
    }
};

}  // namespace

TEST(PrintPdf, ExampleFileHasEveryQuestionAndItsFirstAnswerInOrder) {
    if (!HavePoppler()) GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are missing";
    PdfFixture f;
    ASSERT_TRUE(f.doc.loadFile(ExampleFile()));
    int pages = 0;
    std::string path = f.printPdf(&pages);
    ASSERT_GT(pages, 0);
    EXPECT_EQ(pages, static_cast<int>(f.print.pageTable().size()));
    EXPECT_EQ(PdfPages(path), pages);

    // Japanese is kept as text: the questions and answers read back.
    std::string text = PdfText(path);
    size_t pos = 0;
    int titles = 0;
    for (int line = 0; line < f.doc.getItemCount(); ++line) {
        const CLSVorelDataItem* item = f.doc.getLine(line);
        if (item->isTitle()) {
            std::string title = std::to_string(++titles) + ". " + U8(item->title().text);
            size_t at = text.find(title, pos);
            ASSERT_NE(at, std::string::npos) << title << " after " << pos << "\n" << text;
            pos = at + title.size();
            continue;
        }
        if (!item->isQuestion()) continue;
        const CLSVorelDataQuestion& q = item->question();
        std::string number = "(" + std::to_string(f.doc.getQuestionNumber(item) + 1) + ")";
        size_t at = text.find(number, pos);
        ASSERT_NE(at, std::string::npos) << number << "\n" << text;
        // A picture may push the question's text below its answer.
        std::string question = RunsOf(q.getQuestion());
        std::string answer = number + " " + RunsOf(q.firstAnswer());
        size_t questionAt = text.find(question, at);
        size_t answerAt = text.find(answer, at + number.size());
        ASSERT_NE(questionAt, std::string::npos) << question << "\n" << text;
        ASSERT_NE(answerAt, std::string::npos) << answer << "\n" << text;
        pos = std::max(questionAt + question.size(), answerAt + answer.size());
    }
    EXPECT_EQ(titles, 3);
}

TEST(PrintPdf, EveryPageStartsWhereThePageTableSays) {
    if (!HavePoppler()) GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are missing";
    PdfFixture f;
    ASSERT_TRUE(f.load(ManyQuestions(130)));
    int pages = 0;
    std::string path = f.printPdf(&pages);
    ASSERT_GE(pages, 3);
    ASSERT_EQ(PdfPages(path), pages);
    const std::vector<CLSPageStart>& table = f.print.pageTable();
    for (int page = 0; page < pages; ++page) {
        std::string text = PdfText(path, page + 1, page + 1);
        int first = table[page].counters.questionNumber;
        EXPECT_NE(text.find("(" + std::to_string(first) + ") 問題" + std::to_string(first)),
                  std::string::npos)
            << "page " << page + 1 << "\n"
            << text;
        EXPECT_EQ(text.find("(" + std::to_string(first - 1) + ") "), std::string::npos)
            << "page " << page + 1 << " repeats the question before it";
        int next = page + 1 < pages ? table[page + 1].counters.questionNumber : 131;
        EXPECT_NE(text.find("(" + std::to_string(next - 1) + ") answer" + std::to_string(next - 1)),
                  std::string::npos)
            << "page " << page + 1 << " ends with question " << next - 1;
    }
}

TEST(PrintPdf, LineThatFitsOnNoPageGivesNoPdf) {
    PdfFixture f;
    std::string huge(40000, 'x');
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\nq,,a,,,<00\r\n" + huge + ",,a,,,<00\r\n"));
    int pages = 0;
    EXPECT_EQ(f.printPdf(&pages), "");
    EXPECT_EQ(pages, -1);
    ASSERT_EQ(f.prompter.entries.size(), 1u);
    EXPECT_EQ(f.prompter.entries[0].utf8, "3行目のデータが用紙に収まりません。");

    // Nothing to print: no page at all.
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\n'just a comment\r\n"));
    f.print.clearPageTable();
    EXPECT_EQ(f.printPdf(&pages), "");
    EXPECT_EQ(pages, 0);
}

TEST(PrintPdf, CancellingKeepsThePagesAlreadyDrawn) {
    if (!HavePoppler()) GTEST_SKIP() << "pdfinfo (poppler-utils) is missing";
    PdfFixture f;
    ASSERT_TRUE(f.load(ManyQuestions(130)));
    std::string path = f.dir.file("cancelled.pdf");
    {
        QPdfWriter writer(QString::fromStdString(path));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        int asked = 0;
        std::vector<int> started;
        CLSPrintOutcome outcome = PrintPagesOn(
            writer, f.print, CommandLinePageSetup(), {0, 9}, 1,
            [&started](int page) { started.push_back(page); },
            [&] { return ++asked < static_cast<int>(f.doc.getItemCount() * 0.6); });
        EXPECT_EQ(outcome, CLSPrintOutcome::kCancelled);
        ASSERT_FALSE(started.empty());
        EXPECT_EQ(started.front(), 0);
        EXPECT_LT(started.size(), f.print.pageTable().size());
    }
    EXPECT_GE(PdfPages(path), 1);
    EXPECT_LT(PdfPages(path), static_cast<int>(f.print.pageTable().size()));
}

TEST(PrintPdf, ATestSheetWithPageNumbersHasTheNumbersAndNoAnswers) {
    if (!HavePoppler()) GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are missing";
    PdfFixture f;
    ASSERT_TRUE(f.load(ManyQuestions(130)));
    f.settings.setPrintFlag(CLSVorelSettings::kPrintPageNumber, true);
    f.settings.setPrintFlag(CLSVorelSettings::kPrintTestSheet, true);
    int pages = 0;
    std::string path = f.printPdf(&pages);
    ASSERT_GE(pages, 2);
    for (int page = 1; page <= pages; ++page) {
        std::string text = PdfText(path, page, page);
        // The text tool may drop the blanks around the slash.
        std::string packed = text;
        std::erase(packed, ' ');
        std::string number = std::to_string(page) + "/" + std::to_string(pages);
        EXPECT_NE(packed.find(number), std::string::npos) << number << "\n" << text;
        EXPECT_EQ(text.find("answer"), std::string::npos) << "page " << page << "\n" << text;
        EXPECT_NE(text.find("問題"), std::string::npos) << "the questions stay";
    }
}

TEST(PrintPdf, EveryScriptIsPrintedAsSearchableText) {
    if (!HavePoppler()) GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are missing";
    PdfFixture f;
    // Latin with accents, IPA with a combining tilde, Greek with breathing
    // marks, Cyrillic, Hangul, Hanzi and Japanese, in a UTF-8 data file.
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"absurdité", "abstʀaksjɔ̃"}, {"Straße", "Ἀθῆναι"}, {"Москва", "ёлка"},
        {"한국어", "漢字"},          {"汉语", "日本語"},
    };
    std::string file = "\xEF\xBB\xBFVORELDATA V3.0\r\n#T,010000\r\n";
    for (const auto& [question, answer] : pairs)
        file += question + ",," + answer + ",,,<00\r\n";
    WriteFileBytes(f.dir.file("scripts.vrf"), file);
    ASSERT_TRUE(f.doc.loadFile(f.path("scripts.vrf")));
    std::string path = f.printPdf();
    ASSERT_FALSE(path.empty());
    // The text tool puts a combining mark drawn above its letter on a line
    // of its own; it is looked for apart from its letter.
    auto withoutTilde = [](std::string s) {
        for (size_t at; (at = s.find("\xCC\x83")) != std::string::npos;)
            s.erase(at, 2);
        return s;
    };
    std::string text = PdfText(path);
    EXPECT_NE(text.find("\xCC\x83"), std::string::npos) << text;
    text = withoutTilde(text);
    for (const auto& [question, answer] : pairs) {
        EXPECT_NE(text.find(question), std::string::npos) << question << "\n" << text;
        EXPECT_NE(text.find(withoutTilde(answer)), std::string::npos) << answer << "\n" << text;
    }
}
