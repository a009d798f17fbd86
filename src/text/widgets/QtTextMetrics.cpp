#include "text/widgets/QtTextMetrics.h"

#include "text/widgets/QtText.h"

int QtTextMetrics::textWidth(const char* text, int n) const {
    return m_metrics.horizontalAdvance(ToQString(std::string_view(text, static_cast<size_t>(n))));
}
