#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "DocFixture.h"
#include "FakePrintTarget.h"
#include "print/Print.h"

namespace {

// Paper of 1000 × 600 tenths of a millimetre without margins, at 254 dots
// per inch: one pixel per tenth, so the area is 1000 × 600 pixels.
CLSPageSetup smallPaper(int height = 600) {
    CLSPageSetup setup;
    setup.paperWidth = 1000;
    setup.paperHeight = height;
    setup.marginLeft = setup.marginTop = setup.marginRight = setup.marginBottom = 0;
    return setup;
}

// Every print font 10 px a byte and 20 px a line; blocks 10 px apart
// (LineMargin 1 mm). A one-line block takes 20 + 2 × 10 = 40 pixels.
struct PrintFixture : DocFixture {
    FakePrintTarget target;
    CLSPrint print{settings, doc};

    PrintFixture() {
        for (int i = 0; i < CLSVorelSettings::kPrintFontCount; ++i) {
            CLSVorelFont font = settings.printFont(i);
            font.size = 10;
            settings.setPrintFont(i, font);
        }
        settings.setLineMargin(1);
    }

    bool loadLines(const std::vector<std::string>& lines) {
        std::string text = "VORELDATA V3.0";
        for (const std::string& line : lines)
            text += "\r\n" + line;
        return load(text + "\r\n");
    }

    /// Draws page index page as a printer would; the texts drawn.
    std::vector<std::string> drawPage(int page, const CLSPageSetup& setup) {
        CLSPrintParam param;
        print.initializePrintParam(param, target, setup);
        EXPECT_TRUE(print.printOnePage(param, page, false, false));
        return target.textsDrawn();
    }
};

std::string question(int n) {
    return "q" + std::to_string(n) + ",,a" + std::to_string(n) + ",,,<00";
}

std::vector<std::string> titledQuestions() {
    // Title A with q1-q20, title B with q21-q29: 31 blocks.
    std::vector<std::string> lines = {"#A,000000"};
    for (int i = 1; i <= 20; ++i)
        lines.push_back(question(i));
    lines.push_back("#B,000000");
    for (int i = 21; i <= 29; ++i)
        lines.push_back(question(i));
    return lines;
}

}  // namespace

TEST(PrintGeometry, AreaColumnsAndMarginComeFromThePageSetUp) {
    PrintFixture f;
    CLSPrintParam p;
    CLSPageSetup a4;  // 210 × 297 mm, 25 mm margins
    f.print.initializePrintParam(p, f.target, a4);
    EXPECT_EQ(p.area, (CLSRect{250, 250, 1850, 2720}));
    EXPECT_EQ(p.lineMargin, 10);
    EXPECT_EQ(p.y, 250);
    EXPECT_EQ(p.position, 0);
    EXPECT_EQ(p.counters.titleNumber, 1);
    EXPECT_EQ(p.counters.questionNumber, 1);
    EXPECT_EQ(p.counters.questionInTitle, 1);

    a4.landscape = true;
    f.print.initializePrintParam(p, f.target, a4);
    EXPECT_EQ(p.area, (CLSRect{250, 250, 2720, 1850}));

    // One inch (1000 thousandths) is 25.4 mm.
    CLSPageSetup inch;
    inch.inchMargins = true;
    inch.marginLeft = inch.marginTop = inch.marginRight = inch.marginBottom = 1000;
    f.print.initializePrintParam(p, f.target, inch);
    EXPECT_EQ(p.area, (CLSRect{254, 254, 1846, 2716}));

    FakePrintTarget printer(600);
    f.print.initializePrintParam(p, printer, CLSPageSetup{});
    EXPECT_EQ(p.area.left, 591);  // 25 mm at 600 dpi, rounded
    EXPECT_EQ(p.lineMargin, 24);  // 1 mm

    // The question column takes WidthRateOfQuestion percent of the area.
    f.settings.setWidthRateOfQuestion(70);
    f.print.initializePrintParam(p, f.target, smallPaper());
    EXPECT_EQ(p.questionLeft, 0);
    EXPECT_EQ(p.questionRight, 700);
    EXPECT_EQ(p.answerLeft, 700);
    EXPECT_EQ(p.answerRight, 1000);
}

TEST(PrintPages, PageBreaksKeepTheCountersOfEachPageStart) {
    PrintFixture f;
    ASSERT_TRUE(f.loadLines(titledQuestions()));
    // 600 pixels hold exactly 15 blocks of 40: the last one ends on the bottom edge.
    ASSERT_EQ(f.print.getPageCount(f.target, smallPaper()), 3);
    const std::vector<CLSPageStart>& table = f.print.pageTable();
    EXPECT_EQ(table[0], (CLSPageStart{0, {1, 1, 1}}));
    EXPECT_EQ(table[1], (CLSPageStart{15, {2, 15, 15}}));  // q15
    EXPECT_EQ(table[2], (CLSPageStart{30, {3, 29, 9}}));   // q29, the 9th under B

    // A page is drawn from its own record, without the pages before it.
    f.settings.setQuestionNumberFormat(CLSTString("&t-&Q "));
    std::vector<std::string> page2 = f.drawPage(1, smallPaper());
    ASSERT_EQ(page2.size(), 6u * 4 + 2 + 8u * 4);
    EXPECT_EQ(page2[0], "2-15 ");  // before title B the title number is already 2
    EXPECT_EQ(page2[1], "q15");
    EXPECT_EQ(page2[2], "(15) ");
    EXPECT_EQ(page2[3], "a15");
    EXPECT_EQ(page2[24], "2. ");
    EXPECT_EQ(page2[25], "B");
    EXPECT_EQ(page2[26], "3-1 ");  // after title B: title 3 counts on, &Q from 1
    EXPECT_EQ(page2[27], "q21");
    EXPECT_EQ(f.drawPage(2, smallPaper()),
              (std::vector<std::string>{"3-9 ", "q29", "(29) ", "a29"}));

    // One pixel less and the 15th block goes to the next page.
    f.print.clearPageTable();
    EXPECT_EQ(f.print.getPageCount(f.target, smallPaper(599)), 3);
    EXPECT_EQ(f.print.pageTable()[1].position, 14);

    CLSPrintParam param;
    f.print.initializePrintParam(param, f.target, smallPaper(599));
    EXPECT_FALSE(f.print.printOnePage(param, 3, false, false)) << "beyond the last page";
}

TEST(PrintPages, OtherLinesArePassedOverAndPrintNothing) {
    PrintFixture f;
    EXPECT_EQ(f.print.getPageCount(f.target, smallPaper()), 0) << "an empty document";
    ASSERT_TRUE(f.loadLines({"'only a comment", "$TimeLimit=5"}));
    f.print.clearPageTable();
    EXPECT_EQ(f.print.getPageCount(f.target, smallPaper()), 0);

    ASSERT_TRUE(f.loadLines({"'note", question(1), "$TimeLimit=5", question(2), "'end"}));
    f.print.clearPageTable();
    ASSERT_EQ(f.print.getPageCount(f.target, smallPaper()), 1);
    EXPECT_EQ(f.drawPage(0, smallPaper()),
              (std::vector<std::string>{"(1) ", "q1", "(1) ", "a1", "(2) ", "q2", "(2) ", "a2"}));
}

TEST(PrintPages, TitlesRunAcrossBothColumnsAndQuestionsSplitThem) {
    PrintFixture f;
    f.settings.setLineStyleOfQT(2);
    f.settings.setLineColorOfQT(makeColour(0, 0, 255));
    f.settings.setLineStyleOfQQ(3);
    f.settings.setLineStyleOfQA(1);
    f.settings.setWidthRateOfQuestion(40);
    CLSVorelFont title = f.settings.printFont(CLSVorelSettings::kPrintFontTitle);
    title.backgroundColor = makeColour(255, 255, 0);
    f.settings.setPrintFont(CLSVorelSettings::kPrintFontTitle, title);
    ASSERT_TRUE(f.loadLines({"#Title,000000", question(1)}));
    CLSPageSetup setup = smallPaper();
    setup.marginLeft = setup.marginTop = 1000;  // 10 mm: the area starts at (100, 100)
    ASSERT_EQ(f.print.getPageCount(f.target, setup), 1);
    f.drawPage(0, setup);

    // Title block: 100 + margin 10; number "1. " 30 px wide, then the title.
    ASSERT_EQ(f.target.texts.size(), 6u);
    EXPECT_EQ(f.target.texts[0].utf8, "1. ");
    EXPECT_EQ(f.target.texts[0].left, 100);
    EXPECT_EQ(f.target.texts[0].top, 110);
    EXPECT_EQ(f.target.texts[1].utf8, "Title");
    EXPECT_EQ(f.target.texts[1].left, 130);
    ASSERT_GE(f.target.fills.size(), 3u);
    EXPECT_EQ(f.target.fills[0].rect, (CLSRect{100, 100, 1000, 140}));
    EXPECT_EQ(f.target.fills[0].colour, makeColour(255, 255, 0));
    // The title's line lies on its own last row, across the whole area.
    ASSERT_EQ(f.target.lines.size(), 3u);
    EXPECT_EQ(f.target.lines[0].x1, 100);
    EXPECT_EQ(f.target.lines[0].x2, 1000);
    EXPECT_EQ(f.target.lines[0].y1, 139);
    EXPECT_EQ(f.target.lines[0].style, 2);
    EXPECT_EQ(f.target.lines[0].colour, makeColour(0, 0, 255));

    // Question block from 140: columns 100-460 and 460-1000; the answer
    // starts one margin right of the boundary.
    EXPECT_EQ(f.target.fills[1].rect, (CLSRect{100, 140, 460, 180}));
    EXPECT_EQ(f.target.fills[2].rect, (CLSRect{460, 140, 1000, 180}));
    EXPECT_EQ(f.target.texts[2].left, 100);  // "(1) "
    EXPECT_EQ(f.target.texts[3].left, 140);  // "q1"
    EXPECT_EQ(f.target.texts[4].left, 470);  // "(1) "
    EXPECT_EQ(f.target.texts[5].left, 510);  // "a1"
    EXPECT_EQ(f.target.texts[5].top, 150);
    EXPECT_EQ(f.target.texts[5].colour, makeColour(255, 0, 0)) << "answers print in red";
    EXPECT_EQ(f.target.lines[1].y1, 179);
    EXPECT_EQ(f.target.lines[1].style, 3);
    EXPECT_EQ(f.target.lines[2].x1, 460);
    EXPECT_EQ(f.target.lines[2].x2, 460);
    EXPECT_EQ(f.target.lines[2].y1, 140);
    EXPECT_EQ(f.target.lines[2].y2, 180);
}

TEST(PrintPages, WrappedTextAndCentredNumbers) {
    PrintFixture f;
    f.settings.setLineInterval(50);
    f.settings.setWidthRateOfQuestion(20);  // question column 200, text 200 - 10 - 40 wide
    CLSVorelFont big = f.settings.printFont(CLSVorelSettings::kPrintFontQuestion);
    big.size = 20;  // 40 px lines; its number font stays at 20 px lines
    f.settings.setPrintFont(CLSVorelSettings::kPrintFontQuestion, big);
    // 13 bytes at 20 px in 150 px: "abcdef " and "abcdef" (40 + 20 + 40).
    ASSERT_TRUE(f.loadLines({"abcdef abcdef,,x,,,<00", "q2,,,,,<00"}));
    ASSERT_EQ(f.print.getPageCount(f.target, smallPaper()), 1);
    f.drawPage(0, smallPaper());
    ASSERT_EQ(f.target.texts.size(), 8u);
    EXPECT_EQ(f.target.texts[1].height, 100);
    EXPECT_EQ(f.target.texts[0].top, 10 + (40 - 20) / 2) << "the number centres on the first line";
    EXPECT_EQ(f.target.fills[0].rect.bottom, 120);
    // A question without an answer: an empty answer cell as high as the question.
    EXPECT_EQ(f.target.texts[5].utf8, "q2");
    EXPECT_EQ(f.target.texts[7].utf8, "");
    EXPECT_EQ(f.target.fills[2].rect, (CLSRect{0, 120, 200, 180}));
    EXPECT_EQ(f.target.fills[3].rect, (CLSRect{200, 120, 1000, 180}));
}

TEST(PrintPages, PartsSwitchedOffStillCountAndTakeTheirMargins) {
    PrintFixture f;
    f.settings.setPrintFlag(CLSVorelSettings::kPrintTitle, false);
    f.settings.setPrintFlag(CLSVorelSettings::kPrintQuestion, false);
    f.settings.setAnswerNumberFormat(CLSTString("&t/&Q "));
    ASSERT_TRUE(f.loadLines({question(1), "#Hidden,000000", question(2)}));
    ASSERT_EQ(f.print.getPageCount(f.target, smallPaper()), 1);
    f.drawPage(0, smallPaper());
    // The title is not printed but still takes two margins and counts.
    EXPECT_EQ(f.target.textsDrawn(), (std::vector<std::string>{"1/1 ", "a1", "2/1 ", "a2"}));
    EXPECT_EQ(f.target.texts[2].top, 40 + 20 + 10);
    // Answers alone: no background and no separators.
    EXPECT_TRUE(f.target.fills.empty());
    EXPECT_TRUE(f.target.lines.empty());

    // Numbers are printed only with their text.
    f.settings.setPrintFlag(CLSVorelSettings::kPrintQuestion, true);
    f.settings.setPrintFlag(CLSVorelSettings::kPrintQuestionNum, false);
    f.settings.setPrintFlag(CLSVorelSettings::kPrintAnswer, false);
    f.drawPage(0, smallPaper());
    EXPECT_EQ(f.target.textsDrawn(), (std::vector<std::string>{"q1", "q2"}));
    EXPECT_EQ(f.target.fills.size(), 4u) << "both columns are filled";
    EXPECT_TRUE(f.target.lines.empty());
}

TEST(PrintPages, BlockTallerThanAnEmptyPageStopsEverything) {
    PrintFixture f;
    ASSERT_TRUE(
        f.loadLines({"#T,000000", question(1), "'c", std::string(2000, 'x') + ",,a,,,<00"}));
    EXPECT_EQ(f.print.getPageCount(f.target, smallPaper()), -1);
    EXPECT_FALSE(f.print.hasPageTable());
    EXPECT_TRUE(f.print.pageTable().empty());
    EXPECT_EQ(f.target.aborts, 1);
    ASSERT_EQ(f.prompter.entries.size(), 1u);
    EXPECT_EQ(f.prompter.entries[0].icon, PromptIcon::Warning);
    // The fourth line of the document is the fifth of the file.
    EXPECT_EQ(f.prompter.entries[0].utf8, "5行目のデータが用紙に収まりません。");

    // The preview forces every block onto its page.
    f.prompter.entries.clear();
    ASSERT_TRUE(f.loadLines({question(1)}));
    f.print.clearPageTable();
    ASSERT_EQ(f.print.getPageCount(f.target, smallPaper()), 1);
    CLSPrintParam param;
    f.print.initializePrintParam(param, f.target, smallPaper(30));
    EXPECT_FALSE(f.print.printOnePage(param, 0, false, false));
    f.print.initializePrintParam(param, f.target, smallPaper(30));
    EXPECT_TRUE(f.print.printOnePage(param, 0, false, true));
    EXPECT_EQ(f.target.textsDrawn().size(), 4u);
}

TEST(PrintPages, CancellingBetweenBlocksEndsThePage) {
    PrintFixture f;
    ASSERT_TRUE(f.loadLines(titledQuestions()));
    ASSERT_EQ(f.print.getPageCount(f.target, smallPaper()), 3);
    CLSPrintParam param;
    f.print.initializePrintParam(param, f.target, smallPaper());
    int asked = 0;
    param.keepGoing = [&asked] { return ++asked < 4; };
    EXPECT_FALSE(f.print.printOnePage(param, 0, true, false));
    EXPECT_EQ(f.target.textsDrawn().size(), 2u + 2 * 4) << "three blocks before the cancel";
    // Not cancellable: the question is never asked.
    asked = 0;
    f.print.initializePrintParam(param, f.target, smallPaper());
    param.keepGoing = [&asked] { return ++asked < 0; };
    EXPECT_TRUE(f.print.printOnePage(param, 0, false, false));
    EXPECT_EQ(asked, 0);

    // The page count can be stopped through its progress report.
    f.print.clearPageTable();
    EXPECT_EQ(
        f.print.getPageCount(f.target, smallPaper(), [](int line, int count) { return line < 20; }),
        -1);
    EXPECT_TRUE(f.prompter.entries.empty()) << "stopping is not a failure to report";
}

TEST(PrintFonts, DataFilePrintFontLinesOverrideTheSettingsWhereAsked) {
    PrintFixture f;
    ASSERT_TRUE(f.loadLines({question(1), "$FontPrintQuestion=15,128,Other", question(2),
                             "$FontPrintAnswerNumber=,,Face", question(3)}));
    ASSERT_EQ(f.print.getPageCount(f.target, smallPaper()), 1);
    f.drawPage(0, smallPaper());
    ASSERT_EQ(f.target.texts.size(), 12u);
    EXPECT_EQ(f.target.texts[1].fontSize, 10);
    EXPECT_EQ(f.target.texts[5].fontSize, 15);
    EXPECT_EQ(f.target.texts[9].fontSize, 15);
    EXPECT_EQ(f.target.texts[10].fontSize, 10) << "a line without a size keeps the settings'";

    CLSVorelFont settingsFont = f.settings.printFont(CLSVorelSettings::kPrintFontQuestion);
    const CLSVorelDataItem* third = f.doc.getQuestion(2);
    CLSVorelFont used = PrintFont(f.doc, f.settings, CLSVorelSettings::kPrintFontQuestion, third);
    EXPECT_EQ(used.name, CLSTString("Other"));
    EXPECT_EQ(used.textColor, settingsFont.textColor) << "colours stay the settings'";
    EXPECT_EQ(PrintFont(f.doc, f.settings, CLSVorelSettings::kPrintFontAnswerNumber, third).name,
              CLSTString("Face"));

    // Without the data file's design the settings' fonts hold everywhere.
    f.settings.setUseData(f.settings.useData() & ~4);
    f.drawPage(0, smallPaper());
    EXPECT_EQ(f.target.texts[9].fontSize, 10);
}

TEST(PrintPictures, PicturesScaleWithTheDeviceAndTheFontRate) {
    PrintFixture f;
    FakePrintTarget printer(192);  // twice the screen's resolution
    printer.pictures["p.png"] = {100, 50};
    f.settings.setFontSizeRate(50);  // fonts 5 px a byte at 100 %, …
    ASSERT_TRUE(f.loadLines({"\\i\"p.png\"pic,,a,,,<00"}));
    ASSERT_EQ(f.print.getPageCount(printer, smallPaper()), 1);
    CLSPrintParam param;
    f.print.initializePrintParam(param, printer, smallPaper());
    ASSERT_TRUE(f.print.printOnePage(param, 0, false, false));
    // … and the picture at 192/96 × 50 % = its screen size, one pixel of
    // space around it, then the text below.
    ASSERT_EQ(printer.texts.size(), 4u);
    EXPECT_EQ(printer.texts[1].utf8, "pic");
    EXPECT_EQ(printer.texts[1].height, 52 + 10);
    // A rate beyond what the dialog offers is held at 500 %.
    f.settings.setFontSizeRate(100000);
    f.print.clearPageTable();
    EXPECT_EQ(f.print.getPageCount(printer, smallPaper()), -1) << "50 px a byte: too tall";
}

TEST(PrintPages, PageNumbersStandAtTheFootOfEveryPageAndTakeTheirRoom) {
    PrintFixture f;
    ASSERT_TRUE(f.loadLines(titledQuestions()));
    // 15 blocks of 40 px fill the 600 px page; the number's line (20 px)
    // and its margin (10 px) leave room for 14.
    ASSERT_EQ(f.print.getPageCount(f.target, smallPaper()), 3);
    EXPECT_EQ(f.print.pageTable()[1].position, 15);
    for (const std::string& text : f.drawPage(0, smallPaper()))
        EXPECT_EQ(text.find(" / "), std::string::npos) << "no page number unless asked";

    f.settings.setPrintFlag(CLSVorelSettings::kPrintPageNumber, true);
    f.print.clearPageTable();
    ASSERT_EQ(f.print.getPageCount(f.target, smallPaper()), 3);
    EXPECT_EQ(f.print.pageTable()[1].position, 14);
    for (int page = 0; page < 3; ++page) {
        std::vector<std::string> texts = f.drawPage(page, smallPaper());
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.back(), std::to_string(page + 1) + " / 3");
        const FakePrintTarget::Text& number = f.target.texts.back();
        EXPECT_EQ(number.left, (1000 - 50) / 2) << "centred";
        EXPECT_EQ(number.top + number.height, 600) << "on the last row of the area";
        for (size_t i = 0; i + 1 < f.target.texts.size(); ++i) {
            const FakePrintTarget::Text& t = f.target.texts[i];
            EXPECT_LE(t.top + t.height, 570) << t.utf8 << " reaches into the foot";
        }
    }
}

TEST(PrintPages, ATestSheetLeavesTheAnswersOutButKeepsTheirRoomAndNumbers) {
    PrintFixture f;
    // An answer of two lines in the 490 px answer cell (49 bytes a line).
    std::string longAnswer(60, 'x');
    ASSERT_TRUE(f.loadLines({"#A,000000", "q1,," + longAnswer + ",,,<00", question(2)}));
    ASSERT_EQ(f.print.getPageCount(f.target, smallPaper()), 1);
    std::vector<std::string> withAnswers = f.drawPage(0, smallPaper());
    std::vector<FakePrintTarget::Fill> answerFills = f.target.fills;
    std::vector<FakePrintTarget::Line> lines = f.target.lines;
    std::vector<CLSPageStart> pages = f.print.pageTable();
    ASSERT_NE(std::find(withAnswers.begin(), withAnswers.end(), longAnswer), withAnswers.end());

    f.settings.setPrintFlag(CLSVorelSettings::kPrintTestSheet, true);
    f.print.clearPageTable();
    ASSERT_EQ(f.print.getPageCount(f.target, smallPaper()), 1);
    EXPECT_EQ(f.print.pageTable(), pages) << "the same pages as with the answers";
    std::vector<std::string> sheet = f.drawPage(0, smallPaper());
    EXPECT_EQ(sheet,
              (std::vector<std::string>{"1. ", "A", "(1) ", "q1", "(1) ", "(2) ", "q2", "(2) "}));
    EXPECT_EQ(f.target.fills.size(), answerFills.size());
    for (size_t i = 0; i < answerFills.size() && i < f.target.fills.size(); ++i)
        EXPECT_EQ(f.target.fills[i].rect, answerFills[i].rect) << "the room for the answer stays";
    EXPECT_EQ(f.target.lines.size(), lines.size()) << "and so do the separators";
}
