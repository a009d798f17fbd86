// Pictures for the windows: bitmaps as QImages, which loader a file goes
// through, transparency over the background, and the off-screen buffer.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QImageWriter>

#include "../ImageFiles.h"
#include "TestSupport.h"
#include "image/Png.h"
#include "image/widgets/GraphicsBuffer.h"
#include "image/widgets/Picture.h"
#include "text/Paths.h"

using namespace imagefiles;

namespace {

const Colour kBackground = makeColour(0, 0, 255);

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// 2 × 1 RGBA: opaque red, transparent white.
std::string RedAndClear() {
    return Png(
        {Ihdr(2, 1, 8, 6), Idat(Unfiltered({Bytes({255, 0, 0, 255, 255, 255, 255, 0})})), Iend()});
}

}  // namespace

TEST(PictureImage, EveryBitmapDepthKeepsItsPixels) {
    std::vector<std::string> files = {
        Png({Ihdr(11, 3, 1, 0), Idat(Unfiltered({"\xA5\x60", "\x0F\xE0", "\xFF\xFF"})), Iend()}),
        Png({Ihdr(5, 2, 2, 0), Idat(Unfiltered({"\x1B\x40", "\xE4\x00"})), Iend()}),
        Png({Ihdr(3, 1, 8, 3), Plte({0x102030, 0x405060}), Idat(Unfiltered({Bytes({0, 1, 9})})),
             Iend()}),
        Png({Ihdr(2, 2, 8, 2),
             Idat(Unfiltered({Bytes({1, 2, 3, 4, 5, 6}), Bytes({7, 8, 9, 10, 11, 12})})), Iend()}),
    };
    for (const std::string& file : files) {
        std::optional<CLSBitmap> bitmap = LoadPngFromMemory(U(file), file.size(), kBackground);
        ASSERT_TRUE(bitmap);
        QImage image = ImageFromBitmap(*bitmap);
        ASSERT_EQ(image.size(), QSize(bitmap->width(), bitmap->height()));
        for (int y = 0; y < bitmap->height(); ++y) {
            for (int x = 0; x < bitmap->width(); ++x) {
                Colour c = bitmap->pixel(x, y);
                EXPECT_EQ(image.pixel(x, y), qRgb(redOf(c), greenOf(c), blueOf(c)))
                    << "depth " << bitmap->bitsPerPixel() << " at " << x << "," << y;
            }
        }
    }
    EXPECT_TRUE(ImageFromBitmap(CLSBitmap()).isNull());
}

TEST(PictureLoad, PngAndMngAlwaysGoThroughTheProgramsDecoder) {
    TempDir dir;
    // A damaged CRC: the platform's PNG reader would refuse it, ours does not.
    std::string png = RedAndClear();
    png[8 + 4 + 4 + 13] ^= 0x5A;
    WriteFileBytes(dir.file("damaged.png"), png);
    WriteFileBytes(dir.file("named.bmp"), png);
    for (const char* name : {"damaged.png", "named.bmp"}) {
        QImage image = LoadPictureFromNativeFile(Q(dir.file(name)), kBackground);
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
        EXPECT_EQ(image.pixel(1, 0), qRgb(0, 0, 255)) << "transparent shows the background";
    }

    // An MNG file shows its first picture.
    std::string first = Embedded({Ihdr(1, 1, 8, 2), Idat(Unfiltered({Bytes({1, 2, 3})})), Iend()});
    std::string second = Embedded({Ihdr(1, 1, 8, 2), Idat(Unfiltered({Bytes({4, 5, 6})})), Iend()});
    WriteFileBytes(dir.file("a.mng"), Mng({Mhdr(1, 1, 10), first, second, Chunk("MEND", "")}));
    QImage frame = LoadPictureFromNativeFile(Q(dir.file("a.mng")), kBackground);
    ASSERT_FALSE(frame.isNull());
    EXPECT_EQ(frame.pixel(0, 0), qRgb(1, 2, 3));

    // A picture the rules reject is simply not shown; so is an empty file or a missing one.
    WriteFileBytes(dir.file("bad.png"), Png({Ihdr(2, 1, 3, 2), Idat("zz"), Iend()}));
    WriteFileBytes(dir.file("empty.mng"), Mng({Mhdr(1, 1, 10), Chunk("MEND", "")}));
    WriteFileBytes(dir.file("text.jpg"), "this is no picture");
    WriteFileBytes(dir.file("cut.png"), RedAndClear().substr(0, 40));
    for (const char* name : {"bad.png", "empty.mng", "text.jpg", "cut.png", "missing.gif"})
        EXPECT_TRUE(LoadPictureFromNativeFile(Q(dir.file(name)), kBackground).isNull()) << name;
}

TEST(PictureLoad, OtherFormatsThroughThePlatformOverTheBackground) {
    TempDir dir;
    QImage source(3, 2, QImage::Format_ARGB32);
    source.fill(qRgba(0, 255, 0, 255));
    source.setPixel(2, 1, qRgba(0, 0, 0, 0));
    ASSERT_TRUE(source.save(Q(dir.file("a.bmp")), "BMP"));
    QImage bmp = LoadPictureFromNativeFile(Q(dir.file("a.bmp")), kBackground);
    ASSERT_EQ(bmp.size(), QSize(3, 2));
    EXPECT_EQ(bmp.pixel(0, 0), qRgb(0, 255, 0));

    if (!QImageWriter::supportedImageFormats().contains("ico"))
        GTEST_SKIP() << "no ICO writer: transparency of platform pictures is not checked";
    ASSERT_TRUE(source.save(Q(dir.file("a.ico")), "ICO"));
    QImage ico = LoadPlatformPicture(Q(dir.file("a.ico")), kBackground);
    ASSERT_EQ(ico.size(), QSize(3, 2));
    EXPECT_EQ(ico.format(), QImage::Format_RGB32);
    EXPECT_EQ(ico.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(ico.pixel(2, 1), qRgb(0, 0, 255));
}

TEST(PictureLoad, Cp932PathsAndBackslashes) {
    TempDir dir;
    QDir(Q(dir.path())).mkdir(Q("絵"));
    WriteFileBytes(dir.file("絵/赤.png"), RedAndClear());
    CLSTString folder;
    ASSERT_TRUE(PathFromNative(dir.path(), folder));
    CLSTString slash = folder;
    slash.append(Sj("/絵/赤.png"));
    CLSTString backslash = folder;
    backslash.append(Sj("\\絵\\赤.png"));
    EXPECT_EQ(LoadPictureFromFile(slash, kBackground).pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(LoadPictureFromFile(backslash, kBackground).pixel(0, 0), qRgb(255, 0, 0));
}

TEST(PictureLoad, BytesAndResourcePaths) {
    TempDir dir;
    std::string png = RedAndClear();
    QImage fromBytes = LoadPngImage(QByteArray(png.data(), static_cast<int>(png.size())), 0);
    ASSERT_FALSE(fromBytes.isNull());
    EXPECT_EQ(fromBytes.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_TRUE(LoadPngImage(QByteArray("\x89PNG\r\n\x1a\n"), 0).isNull());
    EXPECT_TRUE(LoadPngFromResource(Q(":/no/such/picture.png"), 0).isNull());

    WriteFileBytes(
        dir.file("a.mng"),
        Mng({Mhdr(1, 1, 10), Chunk("TERM", Bytes({0, 0}) + BE32(5) + BE32(1)),
             Embedded({Ihdr(1, 1, 8, 0), Idat(Unfiltered({"\x80"})), Iend()}), Chunk("MEND", "")}));
    CLSMngAnimation animation;
    ASSERT_TRUE(LoadMngFromResource(Q(dir.file("a.mng")), 0, animation));
    EXPECT_EQ(animation.events.size(), 2u);
    std::vector<QImage> frames = ImagesOfAnimation(animation);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].pixel(0, 0), qRgb(128, 128, 128));
    EXPECT_FALSE(LoadMngFromResource(Q(dir.file("missing.mng")), 0, animation));
    EXPECT_TRUE(animation.events.empty());
}

TEST(GraphicsBuffer, DrawsOffScreenAndCopiesOut) {
    CLSGraphicsBuffer buffer;
    EXPECT_EQ(buffer.size(), QSize(1, 1));
    EXPECT_EQ(buffer.painter().font(), QApplication::font());
    QFont big = QApplication::font();
    big.setPointSize(31);
    QFont before = buffer.selectFont(big);
    EXPECT_EQ(before, QApplication::font());
    buffer.painter().setPen(Qt::red);

    buffer.resize(20, 10);
    EXPECT_EQ(buffer.size(), QSize(20, 10));
    EXPECT_EQ(buffer.painter().font().pointSize(), 31) << "the selected font survives a resize";
    EXPECT_EQ(buffer.painter().pen().color(), QColor(Qt::red));
    EXPECT_EQ(buffer.pixmap().toImage().pixel(5, 5), qRgb(0, 0, 0));
    buffer.painter().fillRect(QRect(2, 3, 4, 5), QColor(10, 200, 30));

    QImage screen(30, 30, QImage::Format_RGB32);
    screen.fill(Qt::white);
    {
        QPainter target(&screen);
        buffer.drawTo(target, QPoint(10, 10));
        buffer.drawTo(target, QPoint(0, 25), QRect(2, 3, 4, 5));
    }
    EXPECT_EQ(screen.pixel(12, 13), qRgb(10, 200, 30));
    EXPECT_EQ(screen.pixel(11, 13), qRgb(0, 0, 0));
    EXPECT_EQ(screen.pixel(9, 9), qRgb(255, 255, 255));
    EXPECT_EQ(screen.pixel(0, 25), qRgb(10, 200, 30));
    EXPECT_EQ(screen.pixel(4, 25), qRgb(255, 255, 255));

    buffer.resize(0, -5);
    EXPECT_EQ(buffer.size(), QSize(1, 1));
    buffer.release();
    EXPECT_TRUE(buffer.isReleased());
    buffer.release();
    buffer.resize(3, 3);
    EXPECT_FALSE(buffer.isReleased());
}
