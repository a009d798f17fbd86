#pragma once

#include <QPushButton>

#include "text/Colour.h"

/// A push button drawn flat in the design's colours, with the hand cursor.
class CLSFlatButton : public QPushButton {
    Q_OBJECT
  public:
    CLSFlatButton(const QString& text, Colour textColour, Colour backColour,
                  QWidget* parent = nullptr);
    void setColours(Colour text, Colour back);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Colour m_text;
    Colour m_back;
};
