#pragma once

#include "sentence/Sentence.h"
#include "sentence/SentenceLayout.h"
#include "settings/VorelFont.h"
#include "text/Colour.h"
#include "text/Geometry.h"
#include "text/TextMetrics.h"

/// Styles of the separator lines, as the settings store them.
enum PrintRuleStyle {
    kRuleNone,
    kRuleSolid,
    kRuleDash,
    kRuleDot,
    kRuleDashDot,
    kRuleDashDotDot,
    kRuleStyleCount
};

/// What the page layout measures with and draws on: a printer page, the
/// preview's picture, or a fake in tests. All lengths are device pixels.
/// A target that only measures (counting pages) leaves the drawing calls
/// empty.
class CLSPrintTarget {
  public:
    virtual ~CLSPrintTarget() = default;

    /// Resolution of the device in pixels per inch.
    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;
    /// The measuring seam of a print font made for this device at a scale
    /// in percent. The reference stays valid as long as the target.
    virtual const TextMetrics& metrics(const CLSVorelFont& font, int ratePercent) = 0;
    /// What an object of a sentence shows on paper. Pictures report their
    /// natural size in screen pixels; an object that cannot be read as a
    /// picture still reports a size, so that its frame is printed.
    virtual CLSMediumInfo picture(const CLSSentenceItemObject& object) = 0;

    /// A new page: drawing is clipped to the printable area.
    virtual void beginPage(const CLSRect& area) {}
    /// The page's layout is done (also when it stopped early).
    virtual void endPage() {}
    virtual void fillRect(const CLSRect& rect, Colour colour) {}
    /// A horizontal or vertical separator in one of the PrintRuleStyle styles.
    virtual void drawLine(int x1, int y1, int x2, int y2, int style, Colour colour) {}
    /// A laid-out sentence with its top-left corner at (left, top), in the
    /// font's text colour over its background colour.
    virtual void drawSentence(const CLSSentence& sentence, const CLSSentenceLayout& layout,
                              int left, int top, const CLSVorelFont& font, int ratePercent) {}
    /// The job is given up (a block that fits on no page).
    virtual void abortJob() {}
};
