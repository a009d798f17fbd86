#include "text/widgets/Drawing.h"

#include "text/WrapText.h"
#include "text/widgets/QtText.h"
#include "text/widgets/QtTextMetrics.h"

namespace {

void frameLine(QPainter& p, QRect r, Colour leftTop, Colour rightBottom) {
    // One pixel frame: left and top edges in one colour, right and bottom in the other.
    p.setPen(ToQColor(leftTop));
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom());
    p.setPen(ToQColor(rightBottom));
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

}  // namespace

void drawBorderBox(QPainter& painter, const CLSBorderStyle& style, QRect rect) {
    rect.adjust(-style.padding, -style.padding, style.padding, style.padding);
    if (rect.width() <= 0 || rect.height() <= 0) return;
    painter.save();
    int w = std::max(1, style.width);
    if (style.type >= 5 && style.type <= 8) {
        painter.fillRect(rect, ToQColor(style.fill));
        Colour dark = darkShade(style.border);
        Colour light = lightShade(style.border);
        QRect r = rect;
        for (int i = 0; i < w && r.width() > 1 && r.height() > 1; ++i) {
            bool outer = i < w / 2;
            bool darkFirst;
            switch (style.type) {
                case 5:
                    darkFirst = outer;
                    break;
                case 6:
                    darkFirst = !outer;
                    break;
                case 7:
                    darkFirst = true;
                    break;
                default:
                    darkFirst = false;
                    break;
            }
            frameLine(painter, r, darkFirst ? dark : light, darkFirst ? light : dark);
            r.adjust(1, 1, -1, -1);
        }
        painter.restore();
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing, style.type == 2 || style.type == 4);
    QColor pen = ToQColor(style.type == 0 ? style.fill : style.border);
    painter.setBrush(ToQColor(style.fill));
    painter.setPen(QPen(pen, w));
    QRectF outline = QRectF(rect).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0);
    bool rounded = style.type == 2 || style.type == 4;
    if (rounded) {
        painter.drawRoundedRect(outline, 5, 5);
    } else {
        painter.drawRect(outline);
    }
    if (style.type == 3 || style.type == 4) {
        painter.setBrush(Qt::NoBrush);
        QRectF inner = outline.adjusted(2 * w, 2 * w, -2 * w, -2 * w);
        if (inner.width() > 0 && inner.height() > 0) {
            if (rounded) {
                painter.drawRoundedRect(inner, 2.5, 2.5);
            } else {
                painter.drawRect(inner);
            }
        }
    }
    painter.restore();
}

void drawFlatButton(QPainter& painter, QRect rect, const QString& text, Colour textColour,
                    Colour backColour, int edgeWidth, int flags) {
    painter.save();
    painter.fillRect(rect, ToQColor(backColour));
    bool pressed = flags & kFlatPressed;
    bool disabled = flags & kFlatDisabled;
    QRect r = rect.adjusted(0, 0, -1, -1);
    if (!disabled) {
        Colour light = lightShade(backColour);
        Colour dark = darkShade(backColour);
        for (int i = 0; i < edgeWidth; ++i) {
            frameLine(painter, r, pressed ? dark : light, pressed ? light : dark);
            r.adjust(1, 1, -1, -1);
        }
    }
    Colour colour = textColour;
    if (disabled) {
        // The disabled look: the back colour made darker or lighter by 50.
        uint32_t hsv = rgbToHsv(backColour);
        int v = hsv & 0xFF;
        v = v >= 128 ? v - 50 : v + 50;
        colour = hsvToRgb((hsv & ~0xFFu) | static_cast<uint32_t>(v));
    }
    QRect textRect = r;
    if (pressed) textRect.translate(1, 1);
    painter.setPen(ToQColor(colour));
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, text);
    if ((flags & kFlatFocus) && (r.width() > 6 || r.height() > 6)) {
        QPen focus(ToQColor(colour), 1, Qt::DotLine);
        painter.setPen(focus);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(1, 1, -1, -1));
    }
    painter.restore();
}

int drawWrappedText(QPainter& painter, const CLSTString& text, QRect& rect, int flags,
                    int spacing) {
    QtTextMetrics metrics(painter.font());
    CLSWrappedText wrapped = wrapText(metrics, text.text(), text.length(), rect.width(), spacing);
    if (flags & kWrapCalculate) {
        rect.setWidth(wrapped.widest);
        rect.setHeight(wrapped.height);
        return wrapped.height;
    }
    painter.save();
    if (!(flags & kWrapNoClip)) painter.setClipRect(rect, Qt::IntersectClip);
    QFontMetrics fm(painter.font());
    int h = metrics.lineHeight();
    int y = rect.top();
    for (const CLSWrappedLine& line : wrapped.lines) {
        painter.drawText(rect.left(), y + fm.ascent(),
                         ToQString(std::string_view(text.text() + line.start, line.length)));
        y += h + h * spacing / 100;
    }
    painter.restore();
    return wrapped.height;
}
