#pragma once

#include <QSpinBox>

/// A number field with arrows: any number of digits may be typed (the
/// dialog judges it), while the arrows and the up and down keys stay within
/// a step range that the dialog sets.
class CLSNumberSpinBox : public QSpinBox {
  public:
    explicit CLSNumberSpinBox(QWidget* parent = nullptr);
    /// The range of the arrows; a typed value outside it is kept.
    void setStepRange(int minimum, int maximum);
    int stepMinimum() const { return m_min; }
    int stepMaximum() const { return m_max; }
    void stepBy(int steps) override;

  protected:
    StepEnabled stepEnabled() const override;

  private:
    int m_min = 1;
    int m_max = 1;
};
