#include "image/widgets/Picture.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <cstdio>

#include "image/Png.h"
#include "text/Paths.h"

namespace {

QColor qColour(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

QImage fromPngBytes(const uint8_t* data, size_t size, Colour background) {
    std::optional<CLSBitmap> bitmap = LoadPngFromMemory(data, size, background);
    return bitmap ? ImageFromBitmap(*bitmap) : QImage();
}

QImage fromMngBytes(const uint8_t* data, size_t size, Colour background) {
    CLSMngAnimation animation;
    if (!LoadMngFromMemory(data, size, background, animation) || animation.images.empty())
        return QImage();
    return ImageFromBitmap(animation.images.front());
}

bool readFile(const QString& path, QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    bytes = file.readAll();
    return file.error() == QFile::NoError;
}

}  // namespace

QImage ImageFromBitmap(const CLSBitmap& bitmap) {
    if (bitmap.isNull()) return QImage();
    QImage image(bitmap.width(), bitmap.height(), QImage::Format_RGB32);
    if (image.isNull()) return image;
    QRgb table[256];
    for (int i = 0; i < 256; ++i) {
        const std::vector<CLSRgbQuad>& colours = bitmap.colours();
        CLSRgbQuad q = static_cast<size_t>(i) < colours.size() ? colours[i] : CLSRgbQuad{};
        table[i] = qRgb(q.red, q.green, q.blue);
    }
    const int depth = bitmap.bitsPerPixel();
    for (int y = 0; y < bitmap.height(); ++y) {
        const uint8_t* src = bitmap.rowFromTop(y);
        QRgb* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x) {
            switch (depth) {
                case 24:
                    dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
                    break;
                case 8:
                    dst[x] = table[src[x]];
                    break;
                case 4:
                    dst[x] = table[(x & 1) ? (src[x >> 1] & 0x0F) : (src[x >> 1] >> 4)];
                    break;
                default:
                    dst[x] = table[(src[x >> 3] >> (7 - (x & 7))) & 1];
                    break;
            }
        }
    }
    return image;
}

QImage LoadPlatformPicture(const QString& nativePath, Colour background) {
    QImageReader reader(nativePath);
    reader.setAutoTransform(true);  // upright, as the picture is meant to be seen
    QImage picture = reader.read();
    if (picture.isNull()) return QImage();
    QImage out(picture.size(), QImage::Format_RGB32);
    if (out.isNull()) return out;
    out.fill(qColour(background));
    QPainter painter(&out);
    painter.drawImage(0, 0, picture);
    return out;
}

QImage LoadPictureFromNativeFile(const QString& nativePath, Colour background) {
    // Only a regular file: a named pipe would keep the screen waiting.
    if (!NativeFileExists(nativePath.toStdString())) return QImage();
    // The content decides, not the name: a PNG called .bmp is still ours.
    QFile file(nativePath);
    if (!file.open(QIODevice::ReadOnly)) return QImage();
    QByteArray head = file.read(8);
    const uint8_t* h = reinterpret_cast<const uint8_t*>(head.constData());
    bool png = IsPngSignature(h, static_cast<size_t>(head.size()));
    bool mng = IsMngSignature(h, static_cast<size_t>(head.size()));
    file.close();
    if (!png && !mng) return LoadPlatformPicture(nativePath, background);
    QByteArray bytes;
    if (!readFile(nativePath, bytes)) return QImage();
    const uint8_t* data = reinterpret_cast<const uint8_t*>(bytes.constData());
    size_t size = static_cast<size_t>(bytes.size());
    return png ? fromPngBytes(data, size, background) : fromMngBytes(data, size, background);
}

QImage LoadPictureFromFile(const CLSTString& path, Colour background) {
    CLSTString chosen = path;
    if (!FileExists(chosen) && chosen.findChar('\\') >= 0) chosen.replaceAll('\\', '/');
    return LoadPictureFromNativeFile(QString::fromStdString(NativePath(chosen)), background);
}

QImage LoadPngImage(const QByteArray& bytes, Colour background) {
    return fromPngBytes(reinterpret_cast<const uint8_t*>(bytes.constData()),
                        static_cast<size_t>(bytes.size()), background);
}

QImage LoadPngFromResource(const QString& resourcePath, Colour background) {
    QByteArray bytes;
    return readFile(resourcePath, bytes) ? LoadPngImage(bytes, background) : QImage();
}

namespace {

// The larger drawing of a picture, as Qt names it for scaled screens.
QString doubleSizeName(const QString& path) {
    int dot = path.lastIndexOf('.');
    return dot < 0 ? path + "@2x" : path.left(dot) + "@2x" + path.mid(dot);
}

}  // namespace

QImage LoadPngFromResourceForRatio(const QString& resourcePath, qreal ratio, Colour background) {
    if (ratio > 1.0) {
        QImage large = LoadPngFromResource(doubleSizeName(resourcePath), background);
        if (!large.isNull()) {
            large.setDevicePixelRatio(2.0);
            return large;
        }
    }
    return LoadPngFromResource(resourcePath, background);
}

QPixmap LoadPixmapForRatio(const QString& resourcePath, qreal ratio) {
    if (ratio > 1.0) {
        QPixmap large(doubleSizeName(resourcePath));
        if (!large.isNull()) {
            large.setDevicePixelRatio(2.0);
            return large;
        }
    }
    return QPixmap(resourcePath);
}

bool LoadMngFromResource(const QString& resourcePath, Colour background,
                         CLSMngAnimation& animation) {
    animation = CLSMngAnimation();
    QByteArray bytes;
    if (!readFile(resourcePath, bytes)) return false;
    return LoadMngFromMemory(reinterpret_cast<const uint8_t*>(bytes.constData()),
                             static_cast<size_t>(bytes.size()), background, animation);
}

std::vector<QImage> ImagesOfAnimation(const CLSMngAnimation& animation) {
    std::vector<QImage> images;
    images.reserve(animation.images.size());
    for (const CLSBitmap& bitmap : animation.images)
        images.push_back(ImageFromBitmap(bitmap));
    return images;
}
