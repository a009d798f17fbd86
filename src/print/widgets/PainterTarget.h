#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "print/PrintTarget.h"
#include "text/TString.h"

class QPainter;

/// Measures text in a print font by adding up the advances of its
/// characters, each looked up once. Laying out a large file measures the
/// same few hundred characters millions of times; kerning is off in print
/// fonts, so the sum is what the painter draws.
class CLSCachedTextMetrics : public TextMetrics {
  public:
    explicit CLSCachedTextMetrics(const QFont& font);
    int textWidth(const char* text, int n) const override;
    int lineHeight() const override { return m_lineHeight; }
    qreal ascent() const { return m_metrics.ascent(); }

  private:
    float advance(const char* p, int len) const;

    QFontMetricsF m_metrics;
    int m_lineHeight;
    mutable std::vector<float> m_advances;  // by BMP code point; < 0 unknown
    mutable std::string m_prefix;           // the text of the last call
    mutable double m_prefixWidth = 0;
};

/// The font a print font becomes on a device of dpi pixels per inch at a
/// scale in percent: its character height in device pixels, no kerning and
/// no hinting, so that it measures the same on the printer and, scaled, in
/// the preview.
QFont PrintQFont(const CLSVorelFont& font, int dpi, int ratePercent);

/// The page layout's target on a Qt paint device (printer, PDF writer or
/// the preview's picture). Without a painter it only measures (counting
/// pages). Pictures are opened once per file name, relative to the data
/// file's folder, over white; one that cannot be read prints as its frame.
class CLSPainterTarget : public CLSPrintTarget {
  public:
    /// The size an unreadable picture's frame has when its attributes give none.
    static constexpr int kFrameSize = 32;
    static constexpr int kScreenDpi = 96;

    CLSPainterTarget(int dpiX, int dpiY, const CLSTString& mediaFolder);
    ~CLSPainterTarget() override;

    /// Draws with painter from now on; nullptr measures only. The painter
    /// may be scaled (the preview): lengths stay the device's pixels.
    void setPainter(QPainter* painter) { m_painter = painter; }
    QPainter* painter() const { return m_painter; }

    int dpiX() const override { return m_dpiX; }
    int dpiY() const override { return m_dpiY; }
    const TextMetrics& metrics(const CLSVorelFont& font, int ratePercent) override;
    CLSMediumInfo picture(const CLSSentenceItemObject& object) override;
    void beginPage(const CLSRect& area) override;
    /// Draws the page's separators, over every background of the page.
    void endPage() override;
    void fillRect(const CLSRect& rect, Colour colour) override;
    void drawLine(int x1, int y1, int x2, int y2, int style, Colour colour) override;
    void drawSentence(const CLSSentence& sentence, const CLSSentenceLayout& layout, int left,
                      int top, const CLSVorelFont& font, int ratePercent) override;
    void abortJob() override { m_aborted = true; }
    bool aborted() const { return m_aborted; }

  private:
    struct Font {
        QFont font;
        std::unique_ptr<CLSCachedTextMetrics> metrics;
    };
    struct Rule {
        int x1, y1, x2, y2, style;
        Colour colour;
    };
    struct Picture {
        QImage image;  // null: print the frame
        int width = 0;
        int height = 0;
    };
    Font& fontFor(const CLSVorelFont& font, int ratePercent);
    /// Device pixels per screen pixel of the sheet at full size, as drawn now.
    qreal screenPixel(bool horizontal) const;
    const Picture& pictureFor(const CLSTString& fileName);

    int m_dpiX;
    int m_dpiY;
    CLSTString m_folder;
    QPainter* m_painter = nullptr;
    bool m_aborted = false;
    std::map<std::string, Font> m_fonts;
    std::map<std::string, Picture> m_pictures;
    // A separator lies on the last pixel row of its block, next to the
    // following block's background: drawn last, so that no viewer or
    // printer rounding lets that background cover it.
    std::vector<Rule> m_rules;
};
