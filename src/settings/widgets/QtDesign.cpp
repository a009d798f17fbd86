#include "settings/widgets/QtDesign.h"

#include "settings/VorelSkin.h"
#include "text/widgets/QtText.h"

QFont ToQFont(const CLSVorelFont& font, int ratePercent) {
    QFont f(ToQString(font.name));
    int size = font.size > 0 ? font.size : 12;
    f.setPointSizeF(size * ratePercent / 100.0);
    f.setBold(font.bold());
    f.setItalic(font.italic());
    f.setUnderline(font.underline());
    return f;
}

CLSVorelFont FromQFont(const QFont& font, const CLSVorelFont& keepColours) {
    CLSVorelFont f = keepColours;
    f.name = FromQStringLossy(font.family());
    f.size = qRound(font.pointSizeF());
    f.setStyle(CLSVorelFont::kBold, font.bold());
    f.setStyle(CLSVorelFont::kItalic, font.italic());
    f.setStyle(CLSVorelFont::kUnderline, font.underline());
    return f;
}

CLSBorderStyle BorderStyleOf(const CLSVorelSkinItem& item) {
    CLSBorderStyle s;
    s.type = item.borderType;
    s.border = item.borderColor;
    s.fill = item.backgroundColor;
    s.width = item.borderSize;
    s.padding = item.padding;
    return s;
}

void DrawItemFrame(QPainter& painter, const CLSVorelSkinItem& item, const QRect& content) {
    CLSBorderStyle style = BorderStyleOf(item);
    style.padding = 0;
    int inset = item.borderSize + item.padding;
    drawBorderBox(painter, style, content.adjusted(-inset, -inset, inset, inset));
}

int ItemFrameExtent(const CLSVorelSkinItem& item) {
    return item.borderSize + item.padding + item.margin;
}
