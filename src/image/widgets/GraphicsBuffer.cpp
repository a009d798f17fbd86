#include "image/widgets/GraphicsBuffer.h"

#include <QApplication>

CLSGraphicsBuffer::CLSGraphicsBuffer(QWidget* window) : m_window(window) {
    open(QSize(1, 1), QApplication::font(), QPen(Qt::black), QBrush(Qt::white));
}

CLSGraphicsBuffer::~CLSGraphicsBuffer() {
    release();
}

void CLSGraphicsBuffer::open(const QSize& size, const QFont& font, const QPen& pen,
                             const QBrush& brush) {
    // Drawn in the window's logical pixels but stored at its device
    // resolution, so text stays sharp on high-density screens.
    qreal ratio = m_window ? m_window->devicePixelRatioF() : qApp->devicePixelRatio();
    m_size = size.expandedTo(QSize(1, 1));
    m_pixmap = QPixmap(m_size * ratio);
    m_pixmap.setDevicePixelRatio(ratio);
    m_pixmap.fill(Qt::black);
    m_painter.begin(&m_pixmap);
    m_painter.setFont(font);
    m_painter.setPen(pen);
    m_painter.setBrush(brush);
}

void CLSGraphicsBuffer::resize(int cx, int cy) {
    bool active = m_painter.isActive();
    QFont font = active ? m_painter.font() : QApplication::font();
    QPen pen = active ? m_painter.pen() : QPen(Qt::black);
    QBrush brush = active ? m_painter.brush() : QBrush(Qt::white);
    if (active) m_painter.end();
    open(QSize(cx, cy), font, pen, brush);
}

QFont CLSGraphicsBuffer::selectFont(const QFont& font) {
    QFont previous = m_painter.font();
    m_painter.setFont(font);
    return previous;
}

void CLSGraphicsBuffer::drawTo(QPainter& target, const QPoint& at, const QRect& source) const {
    if (m_pixmap.isNull()) return;
    QRectF from = source.isEmpty() ? QRectF(QPointF(0, 0), QSizeF(m_size)) : QRectF(source);
    // The source is given in window pixels; the pixmap counts device pixels.
    qreal r = m_pixmap.devicePixelRatio();
    QRectF device(from.x() * r, from.y() * r, from.width() * r, from.height() * r);
    target.drawPixmap(QRectF(at, from.size()), m_pixmap, device);
}

void CLSGraphicsBuffer::release() {
    if (m_painter.isActive()) m_painter.end();
    m_pixmap = QPixmap();
    m_size = QSize();
}
