#include "text/widgets/NumberSpinBox.h"

#include <algorithm>

// What may be typed: digits only, so up to seven of them.
constexpr int kTypedMaximum = 9999999;

CLSNumberSpinBox::CLSNumberSpinBox(QWidget* parent) : QSpinBox(parent) {
    setRange(0, kTypedMaximum);
    setAccelerated(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

void CLSNumberSpinBox::setStepRange(int minimum, int maximum) {
    m_min = minimum;
    m_max = std::max(minimum, maximum);
}

void CLSNumberSpinBox::stepBy(int steps) {
    int v = std::clamp(value() + steps, m_min, m_max);
    setValue(v);
    selectAll();
}

QAbstractSpinBox::StepEnabled CLSNumberSpinBox::stepEnabled() const {
    StepEnabled e = StepNone;
    if (value() < m_max) e |= StepUpEnabled;
    if (value() > m_min) e |= StepDownEnabled;
    return e;
}
