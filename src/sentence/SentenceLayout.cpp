#include "sentence/SentenceLayout.h"

#include <algorithm>
#include <cstdint>

namespace {

// A size attribute can be any 32-bit number; keep what reaches the screen
// within what a painter can handle.
constexpr int64_t kLargestSide = 1 << 20;

int clampSide(int64_t v) {
    return static_cast<int>(std::clamp<int64_t>(v, 0, kLargestSide));
}

int scale(int pixels, int device, int screen, int zoom) {
    if (screen <= 0 || device <= 0) return clampSide(pixels);
    return clampSide(static_cast<int64_t>(pixels) * device * zoom /
                     (static_cast<int64_t>(screen) * 100));
}

}  // namespace

int CLSDeviceScale::scaleX(int pixels) const {
    return scale(pixels, deviceDpiX, screenDpiX, zoom);
}

int CLSDeviceScale::scaleY(int pixels) const {
    return scale(pixels, deviceDpiY, screenDpiY, zoom);
}

CLSSentenceLayout LayoutSentence(const CLSSentence& sentence, const TextMetrics& metrics,
                                 const CLSSentenceMedia& media, int width, int lineInterval,
                                 const CLSDeviceScale& scale) {
    CLSSentenceLayout layout;
    int h = metrics.lineHeight();
    layout.lineHeight = h;
    layout.lineStep = h + h * lineInterval / 100;
    int top = 0;
    for (int i = 0; i < sentence.count(); ++i) {
        const CLSSentenceItem& item = sentence.item(i);
        CLSSentenceBlock block;
        block.item = i;
        if (item.isText()) {
            std::string_view run = item.string().view();
            block.kind = CLSSentenceBlock::kText;
            block.text =
                wrapText(metrics, run.data(), static_cast<int>(run.size()), width, lineInterval);
            block.rect = {0, top, block.text.widest, top + block.text.height};
            top += block.text.height;
            layout.width = std::max(layout.width, block.text.widest);
            layout.blocks.push_back(std::move(block));
            continue;
        }
        CLSMediumInfo info = media.medium(i);
        if (info.kind == CLSMediumInfo::kNone) continue;
        const CLSSentenceItemObject& object = item.object();
        int viewWidth = clampSide(object.viewWidth(info.naturalWidth));
        int viewHeight = clampSide(object.viewHeight(info.naturalHeight));
        if (info.kind == CLSMediumInfo::kPicture) {
            int w = scale.scaleX(viewWidth);
            int ht = scale.scaleY(viewHeight);
            block.kind = CLSSentenceBlock::kPicture;
            block.rect = {1, top + 1, 1 + w, top + 1 + ht};
            int left = object.sourceLeft(info.naturalWidth);
            int srcTop = object.sourceTop(info.naturalHeight);
            block.source = {left, srcTop, left + clampSide(object.sourceWidth(info.naturalWidth)),
                            srcTop + clampSide(object.sourceHeight(info.naturalHeight))};
            top += ht + 2;
            layout.width = std::max(layout.width, w + 2);
        } else {
            // A video plays on the screen only: its window is not scaled.
            int ht = viewHeight + std::max(0, info.barHeight);
            block.kind = CLSSentenceBlock::kVideo;
            block.rect = {1, top + 1, 1 + viewWidth, top + 1 + ht};
            top += ht + 2;
            layout.width = std::max(layout.width, viewWidth + 2);
        }
        layout.blocks.push_back(std::move(block));
    }
    layout.height = top;
    return layout;
}

CLSSize MeasureSentence(const CLSSentence& sentence, const TextMetrics& metrics,
                        const CLSSentenceMedia& media, int width, int lineInterval,
                        const CLSDeviceScale& scale) {
    return LayoutSentence(sentence, metrics, media, width, lineInterval, scale).size();
}

CLSSize CentringOffset(CLSSize content, CLSSize area) {
    return {std::max(0, (area.width - content.width) / 2),
            std::max(0, (area.height - content.height) / 2)};
}

CLSTString ButtonNumberText(int number, bool centring) {
    CLSTString text(number);
    text.append('.');
    if (!centring) text.append(' ');
    return text;
}

int ButtonColumnWidth(const TextMetrics& metrics, int number, bool centring) {
    CLSTString label = ButtonNumberText(number, centring);
    return metrics.textWidth(label.text(), label.length());
}

CLSSize MeasureButton(const CLSSentence& sentence, const TextMetrics& metrics,
                      const CLSSentenceMedia& media, int width, int lineInterval, int number,
                      bool centring) {
    int column = ButtonColumnWidth(metrics, number, centring);
    CLSSize size = MeasureSentence(sentence, metrics, media, width - column, lineInterval);
    size.width += column;
    return size;
}

CLSScrollLayout LayoutScrollBars(const std::function<CLSSize(int width)>& measure, int viewWidth,
                                 int viewHeight, int barWidth, int barHeight) {
    CLSScrollLayout layout;
    for (int round = 0; round < 3; ++round) {
        layout.clientWidth = viewWidth - (layout.vertical ? barWidth : 0);
        layout.clientHeight = viewHeight - (layout.horizontal ? barHeight : 0);
        layout.content = measure(layout.clientWidth);
        bool horizontal = layout.content.width > layout.clientWidth;
        bool vertical = layout.content.height > layout.clientHeight;
        if (horizontal == layout.horizontal && vertical == layout.vertical) break;
        layout.horizontal = horizontal;
        layout.vertical = vertical;
    }
    // The client area follows the bars finally shown, even when the rounds
    // ran out before the bars settled.
    int clientWidth = viewWidth - (layout.vertical ? barWidth : 0);
    if (clientWidth != layout.clientWidth) {
        layout.clientWidth = clientWidth;
        layout.content = measure(clientWidth);
    }
    layout.clientHeight = viewHeight - (layout.horizontal ? barHeight : 0);
    return layout;
}

CLSRect CLSListLayout::rowRect(int row, int scroll) const {
    int top = rowHeight * (row - scroll);
    return {numberColumn, top, numberColumn + usableWidth, top + rowHeight};
}

CLSListLayout LayoutSentenceList(int rowCount,
                                 const std::function<CLSSize(int row, int width)>& measureRow,
                                 int viewWidth, int viewHeight, int barWidth, int edgeWidth,
                                 int edgeHeight, int numberColumn) {
    CLSListLayout layout;
    layout.numberColumn = std::max(CLSListLayout::kNumberColumn, numberColumn);
    layout.rowCount = std::max(0, rowCount);
    bool bar = false;
    for (int round = 0; round < 2; ++round) {
        layout.scrollBar = bar;
        layout.clientWidth = viewWidth - (bar ? barWidth : 0);
        layout.clientHeight = viewHeight;
        layout.usableWidth = layout.clientWidth - layout.numberColumn;
        int tallest = 0;
        for (int r = 0; r < layout.rowCount; ++r) {
            tallest = std::max(tallest, measureRow(r, layout.usableWidth - 2 * edgeWidth).height);
        }
        layout.rowHeight = std::max(2, std::min(tallest + 2 * edgeHeight, layout.clientHeight));
        layout.page = std::max(1, layout.clientHeight / layout.rowHeight);
        bar = layout.rowCount > layout.page;
        if (bar == layout.scrollBar) break;
    }
    return layout;
}

CLSSize CalculateListSize(int rowCount,
                          const std::function<CLSSize(int row, int width)>& measureRow, int width,
                          int edgeWidth, int edgeHeight, int numberColumn) {
    numberColumn = std::max(CLSListLayout::kNumberColumn, numberColumn);
    int widest = 2;
    int tallest = 2;
    for (int r = 0; r < rowCount; ++r) {
        CLSSize need = measureRow(r, width - numberColumn);
        widest = std::max(widest, need.width);
        tallest = std::max(tallest, need.height);
    }
    return {widest + 2 * edgeWidth + numberColumn,
            (tallest + 2 * edgeHeight) * std::max(0, rowCount)};
}

int ClampScroll(int position, int delta, int maximum) {
    return std::clamp(position + delta, 0, std::max(0, maximum));
}
