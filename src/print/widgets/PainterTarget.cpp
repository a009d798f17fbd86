#include "print/widgets/PainterTarget.h"

#include "text/Unicode.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "image/widgets/Picture.h"
#include "sentence/widgets/SentencePainter.h"
#include "text/Unicode.h"
#include "text/widgets/QtText.h"

namespace {

constexpr int kShiftJisCharSet = 128;
constexpr int kDefaultCharSet = 1;
constexpr int kLargestPixelSize = 8000;

Qt::PenStyle penStyleOf(int style) {
    switch (style) {
        case kRuleSolid:
            return Qt::SolidLine;
        case kRuleDash:
            return Qt::DashLine;
        case kRuleDot:
            return Qt::DotLine;
        case kRuleDashDot:
            return Qt::DashDotLine;
        case kRuleDashDotDot:
            return Qt::DashDotDotLine;
        default:
            return Qt::NoPen;
    }
}

// Separators and frames are hairlines: one pixel of whatever device shows
// them, a printer's, a PDF viewer's at any zoom or the preview's. Their
// dashes are measured in screen pixels at full size (unit: device pixels
// per screen pixel), so that a dashed line looks dashed everywhere.
QPen hairline(const QColor& colour, Qt::PenStyle style, qreal unit) {
    QPen pen(colour, 0);
    pen.setCapStyle(Qt::FlatCap);
    QList<qreal> dashes;
    switch (style) {
        case Qt::DashLine:
            dashes = {4, 2};
            break;
        case Qt::DotLine:
            dashes = {1, 2};
            break;
        case Qt::DashDotLine:
            dashes = {4, 2, 1, 2};
            break;
        case Qt::DashDotDotLine:
            dashes = {4, 2, 1, 2, 1, 2};
            break;
        default:
            return pen;
    }
    for (qreal& d : dashes)
        d *= std::max<qreal>(1.0, unit);
    pen.setDashPattern(dashes);
    return pen;
}

}  // namespace

// ---- measuring ----------------------------------------------------------------

CLSCachedTextMetrics::CLSCachedTextMetrics(const QFont& font)
    : m_metrics(font),
      m_lineHeight(static_cast<int>(std::ceil(m_metrics.height()))),
      m_advances(65536, -1.0f) {}

float CLSCachedTextMetrics::advance(const char* p, int len) const {
    std::string_view utf8(p, static_cast<size_t>(len));
    int length = 0;
    char32_t cp = DecodeUtf8(utf8, 0, &length);
    auto measure = [&] { return static_cast<float>(m_metrics.horizontalAdvance(ToQString(utf8))); };
    if (cp >= 0x10000 || length != len) return measure();
    float& slot = m_advances[cp];
    if (slot < 0) slot = measure();
    return slot;
}

int CLSCachedTextMetrics::textWidth(const char* text, int n) const {
    // Wrapping measures a line from its start once per character; the sum
    // of the last call is carried on while the text still begins with the
    // same bytes, so that a line costs its length and not its square.
    int i = 0;
    double sum = 0;
    int known = static_cast<int>(m_prefix.size());
    if (known > 0 && known <= n && std::memcmp(m_prefix.data(), text, known) == 0) {
        i = known;
        sum = m_prefixWidth;
    }
    while (i < n) {
        // A letter with combining marks is measured whole.
        int len = charLengthAt(text, i, n);
        if (i + len < n && static_cast<unsigned char>(text[i + len]) >= 0x80)
            len = NextGraphemeBoundary(std::string_view(text, static_cast<size_t>(n)), i) - i;
        sum += advance(text + i, len);
        i += len;
    }
    m_prefix.assign(text, static_cast<size_t>(n));
    m_prefixWidth = sum;
    // Rounded up (less a rounding error), so that the drawn text never
    // reaches beyond what was measured.
    return static_cast<int>(std::ceil(sum - 1e-3));
}

QFont PrintQFont(const CLSVorelFont& font, int dpi, int ratePercent) {
    CLSVorelFont sized = font;
    if (sized.size <= 0) sized.size = 9;
    CLSFontSpec fontSpec = sized.fontSpec(dpi, ratePercent);
    QFont q(ToQString(font.name));
    q.setPixelSize(std::clamp(-fontSpec.height, 1, kLargestPixelSize));
    q.setBold(fontSpec.weight >= 700);
    q.setItalic(fontSpec.italic);
    q.setUnderline(fontSpec.underline);
    q.setKerning(false);
    q.setHintingPreference(QFont::PreferNoHinting);
    return q;
}

// ---- the target -----------------------------------------------------------------

CLSPainterTarget::CLSPainterTarget(int dpiX, int dpiY, const CLSTString& mediaFolder)
    : m_dpiX(std::max(1, dpiX)), m_dpiY(std::max(1, dpiY)), m_folder(mediaFolder) {}

CLSPainterTarget::~CLSPainterTarget() = default;

CLSPainterTarget::Font& CLSPainterTarget::fontFor(const CLSVorelFont& font, int ratePercent) {
    std::string key = font.name.str();
    key += '\n' + std::to_string(font.size) + ',' + std::to_string(font.style) + ',' +
           std::to_string(font.charSet) + ',' + std::to_string(ratePercent);
    Font& entry = m_fonts[key];
    if (!entry.metrics) {
        entry.font = PrintQFont(font, m_dpiY, ratePercent);
        entry.metrics = std::make_unique<CLSCachedTextMetrics>(entry.font);
    }
    return entry;
}

const TextMetrics& CLSPainterTarget::metrics(const CLSVorelFont& font, int ratePercent) {
    return *fontFor(font, ratePercent).metrics;
}

const CLSPainterTarget::Picture& CLSPainterTarget::pictureFor(const CLSTString& fileName) {
    auto found = m_pictures.find(fileName.str());
    if (found != m_pictures.end()) return found->second;
    Picture picture;
    QString path = ResolveMediaPath(m_folder, fileName);
    if (!path.isEmpty()) picture.image = LoadPictureFromNativeFile(path, makeColour(255, 255, 255));
    picture.width = picture.image.isNull() ? kFrameSize : picture.image.width();
    picture.height = picture.image.isNull() ? kFrameSize : picture.image.height();
    return m_pictures.emplace(fileName.str(), std::move(picture)).first->second;
}

CLSMediumInfo CLSPainterTarget::picture(const CLSSentenceItemObject& object) {
    const Picture& p = pictureFor(object.fileName);
    return {CLSMediumInfo::kPicture, p.width, p.height, 0};
}

void CLSPainterTarget::beginPage(const CLSRect& area) {
    m_rules.clear();
    if (!m_painter) return;
    m_painter->setClipRect(ToQRect(area));
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
}

void CLSPainterTarget::fillRect(const CLSRect& rect, Colour colour) {
    if (!m_painter || rect.isEmpty()) return;
    m_painter->fillRect(ToQRect(rect), ToQColor(colour));
}

qreal CLSPainterTarget::screenPixel(bool horizontal) const {
    const QTransform& t = m_painter->worldTransform();
    qreal scale = horizontal ? std::abs(t.m11()) : std::abs(t.m22());
    return (horizontal ? m_dpiX : m_dpiY) * scale / kScreenDpi;
}

void CLSPainterTarget::drawLine(int x1, int y1, int x2, int y2, int style, Colour colour) {
    if (!m_painter || penStyleOf(style) == Qt::NoPen) return;
    m_rules.push_back({x1, y1, x2, y2, style, colour});
}

void CLSPainterTarget::endPage() {
    if (m_painter) {
        for (const Rule& r : m_rules) {
            bool horizontal = r.y1 == r.y2;
            m_painter->setPen(
                hairline(ToQColor(r.colour), penStyleOf(r.style), screenPixel(horizontal)));
            // Through the middle of the pixel row (or column) the layout gave.
            if (horizontal) {
                m_painter->drawLine(QPointF(r.x1, r.y1 + 0.5), QPointF(r.x2, r.y1 + 0.5));
            } else {
                m_painter->drawLine(QPointF(r.x1 + 0.5, r.y1), QPointF(r.x1 + 0.5, r.y2));
            }
        }
    }
    m_rules.clear();
}

void CLSPainterTarget::drawSentence(const CLSSentence& sentence, const CLSSentenceLayout& layout,
                                    int left, int top, const CLSVorelFont& font, int ratePercent) {
    if (!m_painter) return;
    QPainter& p = *m_painter;
    Font& f = fontFor(font, ratePercent);
    QColor text = ToQColor(font.textColor);
    QColor back = ToQColor(font.backgroundColor);
    p.setFont(f.font);
    p.setPen(text);
    qreal ascent = f.metrics->ascent();
    for (const CLSSentenceBlock& block : layout.blocks) {
        const CLSSentenceItem& item = sentence.item(block.item);
        if (block.kind == CLSSentenceBlock::kText) {
            std::string_view run = item.string().view();
            int y = top + block.rect.top;
            for (const CLSWrappedLine& line : block.text.lines) {
                int x = left + block.rect.left;
                // Text is drawn on its own background, as the font's colours say.
                p.fillRect(QRect(x, y, line.width, layout.lineHeight), back);
                p.drawText(QPointF(x, y + ascent),
                           ToQString(run.substr(static_cast<size_t>(line.start),
                                                static_cast<size_t>(line.length))));
                y += layout.lineStep;
            }
        } else if (block.kind == CLSSentenceBlock::kPicture) {
            QRect target(left + block.rect.left, top + block.rect.top, block.rect.width(),
                         block.rect.height());
            if (target.isEmpty()) continue;
            const Picture& picture = pictureFor(item.object().fileName);
            if (!picture.image.isNull() && !block.source.isEmpty()) {
                p.drawImage(QRectF(target), picture.image, QRectF(ToQRect(block.source)));
            } else {
                p.setPen(hairline(text, Qt::SolidLine, 1));
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(target).adjusted(0.5, 0.5, -0.5, -0.5));
                p.setPen(text);
            }
        }
    }
}
