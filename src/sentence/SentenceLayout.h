#pragma once

#include <functional>
#include <vector>

#include "sentence/Sentence.h"
#include "text/Geometry.h"
#include "text/TextMetrics.h"
#include "text/WrapText.h"

// Where the items of a sentence go when it is shown in a window or printed.
// Everything here is arithmetic over TextMetrics and the natural sizes of
// the loaded media, so the windows only draw what these functions decide.

/// What a window has loaded for one object item of its sentence.
struct CLSMediumInfo {
    enum Kind { kNone, kPicture, kVideo };
    Kind kind = kNone;
    int naturalWidth = 0;  // picture size, or the video's frame size (0 while unknown)
    int naturalHeight = 0;
    int barHeight = 0;  // a video's play bar under the picture
};

/// Tells the layout what each object item of a sentence has loaded.
class CLSSentenceMedia {
  public:
    virtual ~CLSSentenceMedia() = default;
    /// The medium of item itemIndex; kNone when it has none (missing file).
    virtual CLSMediumInfo medium(int itemIndex) const = 0;
};

/// A sentence whose objects have no medium (measuring text only).
class CLSNoSentenceMedia : public CLSSentenceMedia {
  public:
    CLSMediumInfo medium(int) const override { return {}; }
};

/// Pictures are drawn at the device's resolution relative to the screen's
/// and at a zoom in percent (printing); the screen itself is 1:1 at 100.
struct CLSDeviceScale {
    int deviceDpiX = 96;
    int deviceDpiY = 96;
    int screenDpiX = 96;
    int screenDpiY = 96;
    int zoom = 100;

    /// A screen length in device pixels horizontally (never negative).
    int scaleX(int pixels) const;
    int scaleY(int pixels) const;
};

/// One placed item. Rectangles are relative to the top-left of the area the
/// sentence is laid out in.
struct CLSSentenceBlock {
    enum Kind { kText, kPicture, kVideo };
    Kind kind = kText;
    int item = 0;         // index in the sentence
    CLSRect rect;         // text: the block; picture and video: where they are drawn
    CLSRect source;       // picture: the part of the picture that is shown
    CLSWrappedText text;  // text: its lines (offsets into the run's bytes)
};

struct CLSSentenceLayout {
    std::vector<CLSSentenceBlock> blocks;
    int width = 0;   // widest item, from the left edge
    int height = 0;  // all items stacked
    int lineHeight = 0;
    int lineStep = 0;  // from one line's top to the next one's

    CLSSize size() const { return {width, height}; }
};

/// Stacks the items of a sentence from the top at the given width: text runs
/// wrapped with the line interval (percent of the line height between
/// lines), pictures scaled to the device with one pixel of space around them,
/// videos at their view size. Objects without a medium take no space.
CLSSentenceLayout LayoutSentence(const CLSSentence& sentence, const TextMetrics& metrics,
                                 const CLSSentenceMedia& media, int width, int lineInterval,
                                 const CLSDeviceScale& scale = {});

/// The size a sentence needs at a width (the layout without keeping it).
CLSSize MeasureSentence(const CLSSentence& sentence, const TextMetrics& metrics,
                        const CLSSentenceMedia& media, int width, int lineInterval,
                        const CLSDeviceScale& scale = {});

/// Offset that centres content in an area; never negative, so content larger
/// than the area starts at its top-left corner and nothing is cut off there.
CLSSize CentringOffset(CLSSize content, CLSSize area);

/// The label of a choice button: its number, a period and, unless the
/// content is centred, a space ("3. ").
CLSTString ButtonNumberText(int number, bool centring);
/// Width of the number column of a choice button.
int ButtonColumnWidth(const TextMetrics& metrics, int number, bool centring);

/// What a choice button needs at a width: the sentence laid out after the
/// number column, plus that column.
CLSSize MeasureButton(const CLSSentence& sentence, const TextMetrics& metrics,
                      const CLSSentenceMedia& media, int width, int lineInterval, int number,
                      bool centring);

/// The scroll bars of a view and their ranges.
struct CLSScrollLayout {
    bool horizontal = false;  // bars shown
    bool vertical = false;
    int clientWidth = 0;  // the view without the bars shown
    int clientHeight = 0;
    CLSSize content;  // the sentence measured at clientWidth
    /// Largest scroll positions (0 when everything fits).
    int maxX() const { return content.width > clientWidth ? content.width - clientWidth : 0; }
    int maxY() const { return content.height > clientHeight ? content.height - clientHeight : 0; }
};

/// Decides the scroll bars of a view of viewWidth × viewHeight: the content
/// is measured at the width left by the vertical bar; a bar shows when the
/// content is larger than the client area in its direction. Three rounds,
/// because one bar showing narrows or shortens the other direction.
CLSScrollLayout LayoutScrollBars(const std::function<CLSSize(int width)>& measure, int viewWidth,
                                 int viewHeight, int barWidth, int barHeight);

/// The rows of a numbered sentence list.
struct CLSListLayout {
    /// The narrowest number column; a large font needs more for "12.".
    static constexpr int kNumberColumn = 20;
    int numberColumn = kNumberColumn;
    bool scrollBar = false;  // the vertical bar is shown
    int clientWidth = 0;     // the list without the bar
    int clientHeight = 0;
    int usableWidth = 0;  // width of every row
    int rowHeight = 2;
    int page = 1;  // whole rows per client height
    int rowCount = 0;
    /// Largest first visible row.
    int maxScroll() const { return rowCount > page ? rowCount - page : 0; }
    /// Where row j stands when the list is scrolled to first row scroll.
    CLSRect rowRect(int row, int scroll) const;
};

/// Lays out rowCount rows in a list of viewWidth × viewHeight: each row is
/// as wide as the client area less the number column and as high as the
/// tallest row needs at that width (plus the rows' edges), but no higher
/// than the client area and at least 2 pixels. Two rounds, because the
/// scroll bar (shown when not every row fits) narrows the rows.
/// measureRow(row, width) gives what a row's sentence needs at a width.
CLSListLayout LayoutSentenceList(int rowCount,
                                 const std::function<CLSSize(int row, int width)>& measureRow,
                                 int viewWidth, int viewHeight, int barWidth, int edgeWidth,
                                 int edgeHeight, int numberColumn = CLSListLayout::kNumberColumn);

/// The size a numbered list needs at a width: its widest row (measured at
/// width less the number column) plus the edges and the number column, by
/// rows of the tallest row's height; at least 2 × 2.
CLSSize CalculateListSize(int rowCount,
                          const std::function<CLSSize(int row, int width)>& measureRow, int width,
                          int edgeWidth, int edgeHeight,
                          int numberColumn = CLSListLayout::kNumberColumn);

/// A scroll position moved by delta and kept within 0 … maximum.
int ClampScroll(int position, int delta, int maximum);
