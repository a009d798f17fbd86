#include "quiz/widgets/FlatButton.h"

#include <QPainter>

#include "text/widgets/Drawing.h"

CLSFlatButton::CLSFlatButton(const QString& text, Colour textColour, Colour backColour,
                             QWidget* parent)
    : QPushButton(text, parent), m_text(textColour), m_back(backColour) {
    setCursor(Qt::PointingHandCursor);
}

void CLSFlatButton::setColours(Colour text, Colour back) {
    m_text = text;
    m_back = back;
    update();
}

void CLSFlatButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    int flags = 0;
    if (isDown()) flags |= kFlatPressed;
    if (!isEnabled()) flags |= kFlatDisabled;
    if (hasFocus()) flags |= kFlatFocus;
    // The default button gets the thicker edge, as the platform marks it.
    int edge = isDefault() && isEnabled() ? 2 : 1;
    drawFlatButton(painter, rect(), text(), m_text, m_back, edge, flags);
}
