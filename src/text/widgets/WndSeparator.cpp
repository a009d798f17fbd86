#include "text/widgets/WndSeparator.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "text/widgets/QtText.h"

CLSWndSeparator::CLSWndSeparator(QWidget* parent) : QWidget(parent) {
    m_colour = FromQColor(palette().color(QPalette::Button));
    setCursor(Qt::SplitHCursor);
    setGeometry(0, 0, 0, 0);
    // Reached by Tab and moved by the arrows: a learner without a mouse
    // sizes the panes too.
    setFocusPolicy(Qt::TabFocus);
}

void CLSWndSeparator::setOrientation(Qt::Orientation orientation) {
    int at = position();
    m_orientation = orientation;
    setCursor(orientation == Qt::Vertical ? Qt::SplitHCursor : Qt::SplitVCursor);
    place(at);
}

void CLSWndSeparator::setColour(Colour colour) {
    m_colour = colour;
    update();
}

void CLSWndSeparator::setRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    place(std::clamp(position(), m_minimum, m_maximum));
}

void CLSWndSeparator::setExtent(int start, int end) {
    m_start = start;
    m_end = std::max(start, end);
    place(position());
}

void CLSWndSeparator::setPosition(int position) {
    place(std::clamp(position, m_minimum, m_maximum));
}

int CLSWndSeparator::position() const {
    return (m_orientation == Qt::Vertical ? x() : y()) + m_thickness / 2;
}

void CLSWndSeparator::place(int position) {
    int near = position - m_thickness / 2;
    if (m_orientation == Qt::Vertical) {
        setGeometry(near, m_start, m_thickness, m_end - m_start);
    } else {
        setGeometry(m_start, near, m_end - m_start, m_thickness);
    }
    // Laid out along a length: the bar stands where its parent put it.
    if (m_end > m_start) m_placed = true;
    if (m_placed && isVisible()) m_shown = this->position();
}

void CLSWndSeparator::showEvent(QShowEvent*) {
    if (m_placed) m_shown = position();
}

void CLSWndSeparator::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;  // the mouse stays with the bar until released
    } else if (event->button() == Qt::RightButton && m_dragging) {
        m_dragging = false;
    }
}

void CLSWndSeparator::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging) return;
    QPoint at = mapToParent(event->position().toPoint());
    int wanted = std::clamp(m_orientation == Qt::Vertical ? at.x() : at.y(), m_minimum, m_maximum);
    if (wanted == position()) return;
    place(wanted);
    emit moved(position());
}

void CLSWndSeparator::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_dragging = false;
}

void CLSWndSeparator::keyPressEvent(QKeyEvent* event) {
    const bool vertical = m_orientation == Qt::Vertical;
    const int step = event->modifiers() & Qt::ShiftModifier ? 1 : kKeyStep;
    int wanted = position();
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            if ((event->key() == Qt::Key_Left) != vertical) return QWidget::keyPressEvent(event);
            wanted -= step;
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            if ((event->key() == Qt::Key_Right) != vertical) return QWidget::keyPressEvent(event);
            wanted += step;
            break;
        case Qt::Key_Home:
            wanted = m_minimum;
            break;
        case Qt::Key_End:
            wanted = m_maximum;
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    wanted = std::clamp(wanted, m_minimum, m_maximum);
    if (wanted == position()) return;
    place(wanted);
    emit moved(position());
}

void CLSWndSeparator::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void CLSWndSeparator::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void CLSWndSeparator::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The focused bar takes the highlight colour, which every design keeps
    // apart from its background.
    p.fillRect(rect(), hasFocus() ? palette().color(QPalette::Highlight) : ToQColor(m_colour));
    // A groove along the middle: a shadow line and a light one after it.
    p.setPen(palette().color(QPalette::Dark));
    if (m_orientation == Qt::Vertical) {
        int mid = width() / 2;
        p.drawLine(mid, 0, mid, height() - 1);
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(mid + 1, 0, mid + 1, height() - 1);
    } else {
        int mid = height() / 2;
        p.drawLine(0, mid, width() - 1, mid);
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(0, mid + 1, width() - 1, mid + 1);
    }
}
