#include <gtest/gtest.h>

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <memory>

#include "PrintTestSupport.h"
#include "print/widgets/DlgPreview.h"
#include "print/widgets/PainterTarget.h"
#include "print/widgets/PdfExport.h"
#include "print/widgets/PrintJob.h"
#include "print/widgets/PrinterSetup.h"
#include "settings/VorelSettings.h"
#include "text/widgets/DialogHelp.h"
#include "widgets/DialogTestSupport.h"
#include "widgets/WhenModal.h"

namespace {

/// A printer that prints into a PDF file on A4 with the default margins.
std::unique_ptr<QPrinter> pdfPrinter(const std::string& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    printer->setPageLayout(DefaultPageLayout());
    printer->setFullPage(true);
    return printer;
}

struct PreviewFixture : DocFixture {
    CLSPrint print{settings, doc};
    std::unique_ptr<QPrinter> printer = pdfPrinter(dir.file("printed.pdf"));

    PreviewFixture() { UseProgramFonts(); }
};

int redIn(const QImage& image, QRect area) {
    int red = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            QColor c = image.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 120 && c.blue() < 120) ++red;
        }
    }
    return red;
}

}  // namespace

TEST(PrintPreview, ShowsEachPageAtEachZoom) {
    PreviewFixture f;
    ASSERT_TRUE(f.load(ManyQuestions(130)));
    CLSDlgPreview preview(f.print, *f.printer);
    ASSERT_TRUE(preview.start());
    int pages = preview.pageCount();
    ASSERT_GE(pages, 3);
    EXPECT_EQ(pages, static_cast<int>(f.print.pageTable().size()));
    EXPECT_EQ(preview.countLabel()->text(), "/ " + QString::number(pages));
    EXPECT_EQ(preview.pageBox()->minimum(), 1);
    EXPECT_EQ(preview.pageBox()->maximum(), pages);
    EXPECT_EQ(preview.pageBox()->value(), 1);
    ASSERT_EQ(preview.zoomBox()->count(), 3);
    EXPECT_EQ(preview.zoomBox()->itemText(0), "50%");
    EXPECT_EQ(preview.zoomBox()->itemText(2), "150%");
    EXPECT_EQ(preview.zoomBox()->currentText(), "100%");
    EXPECT_FALSE(preview.previousAction()->isEnabled());
    EXPECT_TRUE(preview.nextAction()->isEnabled());

    // The sheet at its real size on the screen: 210 × 297 mm.
    QImage first = preview.pageView()->image();
    double dpi = preview.logicalDpiX();
    EXPECT_NEAR(first.width(), 210 / 25.4 * dpi, 1.5);
    EXPECT_NEAR(first.height(), 297 / 25.4 * preview.logicalDpiY(), 1.5);
    // Questions in black on the left, answers in red on the right, nothing
    // in the 25 mm margins.
    int margin = static_cast<int>(24 / 25.4 * dpi);
    int middle = first.width() / 2;
    EXPECT_GT(InkIn(first, QRect(margin, margin, middle - margin, first.height())), 500);
    EXPECT_EQ(redIn(first, QRect(0, 0, middle - 2, first.height())), 0);
    EXPECT_GT(redIn(first, QRect(middle, margin, middle - margin, first.height())), 200);
    EXPECT_EQ(InkIn(first, QRect(0, 0, first.width(), margin)), 0);
    EXPECT_EQ(InkIn(first, QRect(0, 0, margin, first.height())), 0);
    SaveShot(&preview, "print-preview");

    preview.zoomBox()->setCurrentIndex(0);
    EXPECT_EQ(preview.zoom(), 50);
    EXPECT_NEAR(preview.pageView()->image().width(), first.width() / 2.0, 1.5);
    preview.zoomBox()->setCurrentIndex(2);
    EXPECT_EQ(preview.zoom(), 150);
    EXPECT_NEAR(preview.pageView()->image().width(), first.width() * 1.5, 1.5);
    preview.setZoom(100);
    EXPECT_EQ(preview.zoomBox()->currentIndex(), 1);

    preview.pageBox()->setValue(2);
    EXPECT_EQ(preview.page(), 2);
    EXPECT_NE(preview.pageView()->image(), first);
    preview.nextAction()->trigger();
    EXPECT_EQ(preview.page(), 3);
    EXPECT_EQ(preview.pageBox()->value(), 3);
    // A screen reader hears which page the picture is, and of how many.
    EXPECT_EQ(preview.pageView()->accessibleName(), QString("3 / %1 ページ").arg(pages));
    EXPECT_EQ(preview.pageBox()->accessibleDescription(), preview.countLabel()->text());
    preview.showPage(pages + 5);
    EXPECT_EQ(preview.page(), pages);
    EXPECT_FALSE(preview.nextAction()->isEnabled());
    preview.previousAction()->trigger();
    EXPECT_EQ(preview.page(), pages - 1);
}

TEST(PrintPreview, PicturesAreScaledOntoThePage) {
    PreviewFixture f;
    ASSERT_TRUE(f.doc.loadFile(ExampleFile()));
    CLSDlgPreview preview(f.print, *f.printer);
    ASSERT_TRUE(preview.start());
    preview.setZoom(150);
    QImage page = preview.pageView()->image();
    SaveImageShot(page, "print-preview-example");
    // The circle of the example (about 60 pixels across on the screen) is
    // drawn at its size on paper: at 150 % about 90 pixels of blue across.
    int widest = 0;
    for (int y = 0; y < page.height(); ++y) {
        int blue = 0;
        for (int x = 0; x < page.width() / 2; ++x) {
            QColor c = page.pixelColor(x, y);
            if (c.blue() > 150 && c.red() < 120) ++blue;
        }
        widest = std::max(widest, blue);
    }
    EXPECT_GT(widest, 60);
    EXPECT_LT(widest, 140);
}

TEST(PrintPreview, AScaledScreenGetsEveryPixelOfThePage) {
    PreviewFixture f;
    ASSERT_TRUE(f.load(ManyQuestions(20)));
    CLSPainterTarget target(600, 600, {});
    CLSPageSetup setup = CommandLinePageSetup();
    ASSERT_GT(f.print.getPageCount(target, setup), 0);
    QImage plain = RenderPreviewPage(f.print, target, setup, 0, 100, {96, 96});
    QImage sharp = RenderPreviewPage(f.print, target, setup, 0, 100, {96, 96}, 2.0);
    EXPECT_EQ(sharp.size(), plain.size() * 2);
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(plain.size()));
    // Drawn at the finer resolution, not enlarged: the 2 x 2 blocks that
    // hold ink are not all of one colour.
    int inked = 0;
    int mixed = 0;
    for (int y = 0; y + 1 < sharp.height(); y += 2) {
        for (int x = 0; x + 1 < sharp.width(); x += 2) {
            QRgb a = sharp.pixel(x, y);
            bool ink = qGray(a) < 200;
            bool uniform = sharp.pixel(x + 1, y) == a && sharp.pixel(x, y + 1) == a &&
                           sharp.pixel(x + 1, y + 1) == a;
            inked += ink;
            mixed += ink && !uniform;
        }
    }
    ASSERT_GT(inked, 100);
    EXPECT_GT(mixed, inked / 4);
}

TEST(PrintPreview, DoesNotOpenWhenALineFitsOnNoPage) {
    PreviewFixture f;
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\n" + std::string(40000, 'x') + ",,a,,,<00\r\n"));
    CLSDlgPreview preview(f.print, *f.printer);
    EXPECT_FALSE(preview.start());
    ASSERT_EQ(f.prompter.entries.size(), 1u);
    EXPECT_EQ(f.prompter.entries[0].utf8, "2行目のデータが用紙に収まりません。");
}

TEST(PrintPreview, TheCountsProgressBoxIsGoneBeforeItsWarning) {
    PreviewFixture f;
    std::string text = ManyQuestions(3000);
    text += std::string(40000, 'x') + ",,a,,,<00\r\n";
    ASSERT_TRUE(f.load(text));
    f.clock.step = 1000;  // the count takes long enough for its progress box
    QWidget main;
    main.show();
    bool progressShown = false;
    bool progressAtMessage = true;
    QTimer::singleShot(0, &main, [&] {
        auto* progress = main.findChild<QProgressDialog*>();
        progressShown = progress && progress->isVisible();
    });
    f.prompter.onAsk = [&] {
        auto* progress = main.findChild<QProgressDialog*>();
        progressAtMessage = progress && progress->isVisible();
    };
    CLSDlgPreview preview(f.print, *f.printer, &main);
    EXPECT_FALSE(preview.start());
    ASSERT_EQ(f.prompter.entries.size(), 1u);
    EXPECT_TRUE(progressShown) << "the box belongs to the window the preview is opened from";
    EXPECT_FALSE(progressAtMessage);
}

TEST(PrintPreview, KeepsItsPlaceInTheSettings) {
    PreviewFixture f;
    ASSERT_TRUE(f.load(ManyQuestions(3)));
    CLSWindowPlace far;
    far.left = 100000;
    far.top = -50;
    far.width = 500;
    far.height = 400;
    f.settings.setWindowPlace(CLSVorelSettings::kPreviewWindow, far);
    {
        CLSDlgPreview preview(f.print, *f.printer);
        QRect work = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_LE(preview.x(), work.right() - 120);
        EXPECT_EQ(preview.y(), 0);
        EXPECT_EQ(preview.size(), QSize(500, 400));
        EXPECT_GE(preview.minimumWidth(), 320);
        EXPECT_GE(preview.minimumHeight(), 220);
        ASSERT_TRUE(preview.start());
        preview.move(30, 40);
        preview.resize(520, 410);
        preview.reject();
    }
    CLSWindowPlace kept = f.settings.windowPlace(CLSVorelSettings::kPreviewWindow);
    EXPECT_EQ(kept.left, 30);
    EXPECT_EQ(kept.top, 40);
    EXPECT_EQ(kept.width, 520);
    EXPECT_EQ(kept.height, 410);
    EXPECT_FALSE(kept.maximized);
}

TEST(PrintJob, LongCountKeepsTheWindowResponsiveAndCanBeCancelled) {
    PreviewFixture f;
    ASSERT_TRUE(f.load(ManyQuestions(20000)));
    QWidget owner;
    CLSPainterTarget target(1200, 1200, {});
    // Every line takes the pump's whole pause, so events are handled after
    // the first line, whatever the speed of the build.
    f.clock.step = 1000;
    bool ticked = false;
    QTimer::singleShot(0, &owner, [&] {
        ticked = true;
        if (auto* progress = owner.findChild<QProgressDialog*>()) progress->cancel();
    });
    EXPECT_EQ(CountPages(&owner, f.print, target, CommandLinePageSetup()), -1);
    EXPECT_TRUE(ticked) << "events are handled while the pages are counted";
    EXPECT_FALSE(f.print.hasPageTable());
    EXPECT_TRUE(f.prompter.entries.empty());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the wait cursor is gone";

    EXPECT_GT(CountPages(&owner, f.print, target, CommandLinePageSetup()), 100);
    EXPECT_TRUE(f.print.hasPageTable());
}

TEST(PrintJob, PrintsThePagesTheDialogChose) {
    if (!HavePoppler()) GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are missing";
    PreviewFixture f;
    ASSERT_TRUE(f.load(ManyQuestions(130)));
    // Pages 2 to 99 of a shorter document: from page 2 to its end.
    f.printer->setPrintRange(QPrinter::PageRange);
    f.printer->setFromTo(2, 99);
    f.printer->setCopyCount(2);
    ASSERT_EQ(RunPrintJob(nullptr, f.print, *f.printer), CLSPrintOutcome::kPrinted);
    std::string path = f.dir.file("printed.pdf");
    int pages = static_cast<int>(f.print.pageTable().size());
    // A printer that makes no copies itself (a PDF file) gets every page twice, collated.
    int copies = f.printer->supportsMultipleCopies() ? 1 : 2;
    EXPECT_EQ(PdfPages(path), (pages - 1) * copies);
    std::string second =
        "(" + std::to_string(f.print.pageTable()[1].counters.questionNumber) + ") 問題";
    EXPECT_NE(PdfText(path, 1, 1).find(second), std::string::npos);
    if (copies == 2) {
        EXPECT_NE(PdfText(path, pages, pages).find(second), std::string::npos);
    }
    EXPECT_TRUE(f.prompter.entries.empty());
}

TEST(PrintJob, PrinterThatFailsShowsTheProgramsMessage) {
    PreviewFixture f;
    ASSERT_TRUE(f.load(ManyQuestions(5)));
    f.printer->setOutputFileName(QString::fromStdString(f.dir.file("no-such-folder/x.pdf")));
    EXPECT_EQ(RunPrintJob(nullptr, f.print, *f.printer), CLSPrintOutcome::kFailed);
    ASSERT_EQ(f.prompter.entries.size(), 1u);
    EXPECT_EQ(f.prompter.entries[0].icon, PromptIcon::Error);
    EXPECT_EQ(f.prompter.entries[0].utf8.rfind("印刷時にエラーが発生しました。\n\nPRINT : ", 0), 0u)
        << f.prompter.entries[0].utf8;
}

TEST(PrintJob, ProgressDialogNamesTheFileAndPageAndCancels) {
    CLSDlgPrintProgress progress(QString::fromUtf8("sample.vrf"));
    progress.setPage(3);
    EXPECT_EQ(progress.fileLabel()->text(), "sample.vrf");
    EXPECT_EQ(progress.pageLabel()->text(), "3");
    EXPECT_EQ(progress.cancelButton()->text(), QString::fromUtf8("キャンセル"));
    progress.show();
    SaveShot(&progress, "print-progress");
    EXPECT_FALSE(progress.cancelRequested());
    progress.cancelButton()->click();
    EXPECT_TRUE(progress.cancelRequested());
    EXPECT_TRUE(progress.isVisible()) << "it stays until the page loop stops";
    EXPECT_FALSE(progress.cancelButton()->isEnabled());
}

TEST(PrintPreview, F1OpensItsHelpPage) {
    PreviewFixture f;
    ASSERT_TRUE(f.load(ManyQuestions(3)));
    std::vector<int> topics;
    SetDialogHelpHandler([&topics](QWidget*, int topic) { topics.push_back(topic); });
    CLSDlgPreview preview(f.print, *f.printer);
    ASSERT_TRUE(preview.start());
    preview.show();
    activate(&preview);
    preview.pageBox()->setFocus();
    QTest::keyClick(preview.pageBox(), Qt::Key_F1);
    SetDialogHelpHandler(nullptr);
    EXPECT_EQ(topics, std::vector<int>{kHelpPrintPreview});
    preview.reject();
}
