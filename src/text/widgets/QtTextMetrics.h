#pragma once

#include <QFont>
#include <QFontMetrics>
#include <unordered_map>

#include "text/TextMetrics.h"

/// Measures text with a Qt font (the real seam of the layout code).
class QtTextMetrics : public TextMetrics {
  public:
    explicit QtTextMetrics(const QFont& font) : m_metrics(font) {}
    int textWidth(const char* text, int n) const override;
    int lineHeight() const override { return m_metrics.height(); }

  private:
    QFontMetrics m_metrics;
};
