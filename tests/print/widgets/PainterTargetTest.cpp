#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPainter>

#include "PrintTestSupport.h"
#include "print/widgets/PainterTarget.h"
#include "text/Codec.h"
#include "widgets/DialogTestSupport.h"

namespace {

QImage whiteImage(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

int inkInRow(const QImage& image, int y) {
    return InkIn(image, QRect(0, y, image.width(), 1));
}

CLSVorelFont gothic(int size, int charSet = 128) {
    CLSVorelFont font;
    font.size = size;
    font.charSet = charSet;
    font.name = CLSTString("ＭＳ Ｐゴシック");
    return font;
}

}  // namespace

TEST(PainterTarget, SeparatorStylesAndThickness) {
    QImage image = whiteImage(200, 80);
    {
        QPainter painter(&image);
        CLSPainterTarget target(96, 96, {});
        target.setPainter(&painter);
        target.drawLine(0, 10, 200, 10, kRuleSolid, makeColour(0, 0, 255));
        target.drawLine(0, 20, 200, 20, kRuleDash, 0);
        target.drawLine(0, 30, 200, 30, kRuleDot, 0);
        target.drawLine(0, 40, 200, 40, kRuleNone, 0);
        target.drawLine(0, 50, 200, 50, 9, 0);
        target.drawLine(150, 60, 150, 80, kRuleDashDot, 0);
        // Backgrounds drawn after a separator (the next block's) never cover it.
        target.fillRect({0, 11, 200, 60}, makeColour(255, 255, 255));
        target.endPage();
    }
    EXPECT_EQ(inkInRow(image, 10), 200);
    EXPECT_EQ(image.pixelColor(100, 10), QColor(0, 0, 255));
    EXPECT_EQ(inkInRow(image, 9) + inkInRow(image, 11), 0) << "one pixel thick";
    int dashes = inkInRow(image, 20);
    int dots = inkInRow(image, 30);
    EXPECT_GT(dashes, 100);
    EXPECT_LT(dashes, 200);
    EXPECT_GT(dots, 30);
    EXPECT_LT(dots, dashes);
    EXPECT_EQ(inkInRow(image, 40), 0) << "なし draws nothing";
    EXPECT_EQ(inkInRow(image, 50), 0) << "an unknown style draws nothing";
    EXPECT_GT(InkIn(image, QRect(150, 60, 1, 20)), 5);

    // On any device a line is one of its pixels, on the block's last row;
    // dashes are as long as on the screen, whatever the resolution.
    QImage fine = whiteImage(400, 40);
    {
        QPainter painter(&fine);
        CLSPainterTarget target(1200, 1200, {});
        target.setPainter(&painter);
        target.drawLine(0, 20, 400, 20, kRuleSolid, 0);
        target.drawLine(0, 30, 400, 30, kRuleDash, 0);
        target.endPage();
    }
    EXPECT_EQ(inkInRow(fine, 20), 400);
    EXPECT_EQ(inkInRow(fine, 19) + inkInRow(fine, 21), 0);
    // 4 screen pixels of dash and 2 of gap: 50 and 25 pixels at 1200 dpi.
    EXPECT_EQ(InkIn(fine, QRect(0, 30, 50, 1)), 50);
    EXPECT_EQ(InkIn(fine, QRect(50, 30, 25, 1)), 0);
    QImage shrunk = whiteImage(100, 40);
    {
        QPainter painter(&shrunk);
        painter.scale(0.08, 0.08);  // 1200 dpi shown at 96 dpi
        CLSPainterTarget target(1200, 1200, {});
        target.setPainter(&painter);
        target.drawLine(0, 250, 1250, 250, kRuleSolid, 0);
        target.drawLine(0, 375, 1250, 375, kRuleDash, 0);
        target.endPage();
    }
    EXPECT_GE(inkInRow(shrunk, 20), 99);
    EXPECT_EQ(InkIn(shrunk, QRect(0, 30, 4, 1)), 4);
    EXPECT_EQ(InkIn(shrunk, QRect(4, 30, 2, 1)), 0);
}

TEST(PainterTarget, PrintFontsMeasureAsTheyDraw) {
    UseProgramFonts();
    // 9 points at 1200 dpi: 150 pixels high, half that at 50 %.
    EXPECT_EQ(PrintQFont(gothic(9), 1200, 100).pixelSize(), 150);
    EXPECT_EQ(PrintQFont(gothic(9), 1200, 50).pixelSize(), 75);
    EXPECT_EQ(PrintQFont(gothic(0), 1200, 100).pixelSize(), 150) << "no size: 9 points";
    EXPECT_FALSE(PrintQFont(gothic(9), 1200, 100).kerning());

    CLSPainterTarget target(1200, 1200, {});
    const TextMetrics& metrics = target.metrics(gothic(9), 100);
    EXPECT_EQ(&metrics, &target.metrics(gothic(9), 100)) << "made once";
    std::string text = "日本語の問題 Apple 123";
    QFontMetricsF real(PrintQFont(gothic(9), 1200, 100));
    double width = real.horizontalAdvance(QString::fromUtf8("日本語の問題 Apple 123"));
    int measured = metrics.textWidth(text.data(), static_cast<int>(text.size()));
    EXPECT_GE(measured, width - 0.01);
    EXPECT_LE(measured, width + 1);
    EXPECT_EQ(metrics.lineHeight(), static_cast<int>(std::ceil(real.height())));
    // Measuring carries on from the last text only while it is the same.
    std::string buffer = "iiii";
    int narrow = metrics.textWidth(buffer.data(), 4);
    buffer = "WWWWWW";
    int wide = metrics.textWidth(buffer.data(), 6);
    EXPECT_GT(wide, narrow * 6 / 4 + 10);
    EXPECT_EQ(metrics.textWidth(buffer.data(), 6), wide);
    EXPECT_EQ(metrics.textWidth("iiii", 4), narrow);
}

TEST(PainterTarget, PictureThatCannotBeReadPrintsAsItsFrame) {
    TempDir dir;
    WriteFileBytes(dir.file("broken.png"), "\x89PNG\r\n\x1a\nnot really");
    CLSPainterTarget target(96, 96, CLSTString(dir.path()));
    CLSSentence sentence(CLSTString("\\i\"broken.png\"\\i\"missing.png|width=50|height=20\""));
    ASSERT_EQ(sentence.count(), 2);
    CLSMediumInfo broken = target.picture(sentence.item(0).object());
    EXPECT_EQ(broken.kind, CLSMediumInfo::kPicture);
    EXPECT_EQ(broken.naturalWidth, CLSPainterTarget::kFrameSize);

    CLSPainterTarget example(96, 96, CLSTString(std::string(VOREL_SOURCE_DIR) + "/examples"));
    CLSSentence circle(CLSTString("\\i\"pictures/circle.png\""));
    CLSMediumInfo real = example.picture(circle.item(0).object());
    EXPECT_EQ(real.kind, CLSMediumInfo::kPicture);
    EXPECT_NE(real.naturalWidth, CLSPainterTarget::kFrameSize);

    // Laid out as pictures are and drawn as frames: ink on the edges only.
    struct Media : CLSSentenceMedia {
        CLSPainterTarget& t;
        const CLSSentence& s;
        Media(CLSPainterTarget& target, const CLSSentence& sentence) : t(target), s(sentence) {}
        CLSMediumInfo medium(int i) const override { return t.picture(s.item(i).object()); }
    } media(target, sentence);
    CLSSentenceLayout layout =
        LayoutSentence(sentence, target.metrics(gothic(9), 100), media, 200, 40, CLSDeviceScale{});
    ASSERT_EQ(layout.blocks.size(), 2u);
    EXPECT_EQ(layout.blocks[1].rect.width(), 50);
    EXPECT_EQ(layout.blocks[1].rect.height(), 20);
    QImage image = whiteImage(120, 80);
    {
        QPainter painter(&image);
        target.setPainter(&painter);
        target.drawSentence(sentence, layout, 0, 0, gothic(9), 100);
        target.setPainter(nullptr);
    }
    EXPECT_GT(InkIn(image, QRect(1, 1, 32, 1)), 30);
    EXPECT_EQ(InkIn(image, QRect(5, 5, 24, 24)), 0);
    const CLSRect& second = layout.blocks[1].rect;
    EXPECT_GT(InkIn(image, QRect(second.left, second.top, 1, second.height())), 15);
}
