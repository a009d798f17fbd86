#include "sentence/widgets/SentencePainter.h"

#include <QFile>
#include <QFontMetrics>
#include <QImageReader>

#include "image/Mng.h"
#include "image/Png.h"
#include "image/widgets/Picture.h"
#include "sentence/SpokenText.h"
#include "text/Paths.h"
#include "text/widgets/QtText.h"

QString ResolveMediaPath(const CLSTString& folder, const CLSTString& name) {
    CLSTString path = JoinPath(folder, name);
    if (FileExists(path)) return QString::fromStdString(NativePath(path));
    if (name.findChar('\\') >= 0) {
        // Files named on the other platform: "pictures\a.png".
        CLSTString slashed = name;
        slashed.replaceAll('\\', '/');
        path = JoinPath(folder, slashed);
        if (FileExists(path)) return QString::fromStdString(NativePath(path));
    }
    return QString();
}

namespace {

// A file in a picture format that could not be read is a broken picture,
// not a video: it is simply not shown.
bool isPictureFormat(const QString& nativePath) {
    QFile file(nativePath);
    if (file.open(QIODevice::ReadOnly)) {
        QByteArray head = file.read(8);
        const uint8_t* h = reinterpret_cast<const uint8_t*>(head.constData());
        size_t n = static_cast<size_t>(head.size());
        if (IsPngSignature(h, n) || IsMngSignature(h, n)) return true;
    }
    if (!QImageReader::imageFormat(nativePath).isEmpty()) return true;
    return MediaKindByName(nativePath.toStdString()) == CLSMediaKind::kPicture;
}

}  // namespace

CLSSentenceMediaFiles OpenSentenceMedia(const CLSSentence& sentence, const CLSTString& folder,
                                        Colour background) {
    CLSSentenceMediaFiles files;
    for (int i = 0; i < sentence.count(); ++i) {
        const CLSSentenceItem& item = sentence.item(i);
        if (!item.isObject()) continue;
        QString path = ResolveMediaPath(folder, item.object().fileName);
        if (path.isEmpty()) continue;
        QImage picture = LoadPictureFromNativeFile(path, background);
        if (!picture.isNull()) {
            files.pictures[i] = picture;
        } else if (!isPictureFormat(path)) {
            files.videos[i] = path;
        }
    }
    return files;
}

void PaintSentence(QPainter& painter, QPoint origin, const CLSSentence& sentence,
                   const CLSSentenceLayout& layout, const std::map<int, QImage>& pictures) {
    QFontMetrics fm = painter.fontMetrics();  // the device's, a printer's included
    for (const CLSSentenceBlock& block : layout.blocks) {
        if (block.kind == CLSSentenceBlock::kText) {
            std::string_view run = sentence.item(block.item).string().view();
            int y = origin.y() + block.rect.top;
            for (const CLSWrappedLine& line : block.text.lines) {
                painter.drawText(origin.x() + block.rect.left, y + fm.ascent(),
                                 ToQString(run.substr(static_cast<size_t>(line.start),
                                                      static_cast<size_t>(line.length))));
                y += layout.lineStep;
            }
        } else if (block.kind == CLSSentenceBlock::kPicture) {
            auto it = pictures.find(block.item);
            if (it == pictures.end() || block.rect.isEmpty() || block.source.isEmpty()) continue;
            QRect target(origin.x() + block.rect.left, origin.y() + block.rect.top,
                         block.rect.width(), block.rect.height());
            QRect source(block.source.left, block.source.top, block.source.width(),
                         block.source.height());
            painter.save();
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.drawImage(target, it->second, source);
            painter.restore();
        }
    }
}
