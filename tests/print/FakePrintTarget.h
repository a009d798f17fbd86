#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "print/PrintTarget.h"
#include "text/Columns.h"

/// Every byte is fontSize × rate / 100 pixels wide and a line twice that
/// high, so that the page arithmetic can be followed by hand.
class FixedWidthMetrics : public TextMetrics {
  public:
    FixedWidthMetrics(int charWidth, int lineHeight) : m_width(charWidth), m_height(lineHeight) {}
    int textWidth(const char* text, int n) const override {
        return DisplayColumns(std::string_view(text, static_cast<size_t>(n))) * m_width;
    }
    int lineHeight() const override { return m_height; }

  private:
    int m_width;
    int m_height;
};

/// A print target that measures with FixedWidthMetrics and records what is
/// drawn.
class FakePrintTarget : public CLSPrintTarget {
  public:
    struct Text {
        std::string utf8;  // the sentence's text runs
        int left, top, height, fontSize;
        Colour colour;
    };
    struct Fill {
        CLSRect rect;
        Colour colour;
    };
    struct Line {
        int x1, y1, x2, y2, style;
        Colour colour;
    };

    explicit FakePrintTarget(int dpi = 254) : m_dpi(dpi) {}

    int dpiX() const override { return m_dpi; }
    int dpiY() const override { return m_dpi; }
    const TextMetrics& metrics(const CLSVorelFont& font, int rate) override {
        auto& slot = m_metrics[{font.size, rate}];
        if (!slot) {
            int w = font.size * rate / 100;
            slot = std::make_unique<FixedWidthMetrics>(w, 2 * w);
        }
        return *slot;
    }
    CLSMediumInfo picture(const CLSSentenceItemObject& object) override {
        auto it = pictures.find(object.fileName.str());
        if (it == pictures.end()) return {};
        return {CLSMediumInfo::kPicture, it->second.width, it->second.height, 0};
    }
    void beginPage(const CLSRect& area) override {
        ++pagesBegun;
        texts.clear();
        fills.clear();
        lines.clear();
    }
    void fillRect(const CLSRect& rect, Colour colour) override { fills.push_back({rect, colour}); }
    void drawLine(int x1, int y1, int x2, int y2, int style, Colour colour) override {
        lines.push_back({x1, y1, x2, y2, style, colour});
    }
    void drawSentence(const CLSSentence& sentence, const CLSSentenceLayout& layout, int left,
                      int top, const CLSVorelFont& font, int) override {
        std::string runs;
        for (const CLSSentenceItem& item : sentence.items()) {
            if (!item.isText()) continue;
            std::string_view v = item.string().view();
            runs += U8(CLSTString::fromBytes(v.data(), static_cast<int>(v.size())));
        }
        texts.push_back({runs, left, top, layout.height, font.size, font.textColor});
    }
    void abortJob() override { ++aborts; }

    /// The texts drawn on the last page, in order.
    std::vector<std::string> textsDrawn() const {
        std::vector<std::string> out;
        for (const Text& t : texts)
            out.push_back(t.utf8);
        return out;
    }

    std::map<std::string, CLSSize> pictures;  // file name → natural size
    std::vector<Text> texts;
    std::vector<Fill> fills;
    std::vector<Line> lines;
    int pagesBegun = 0;
    int aborts = 0;

  private:
    int m_dpi;
    std::map<std::pair<int, int>, std::unique_ptr<FixedWidthMetrics>> m_metrics;
};
