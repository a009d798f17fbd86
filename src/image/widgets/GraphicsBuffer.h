#pragma once

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

/// An off-screen picture with a painter open on it: windows draw here and
/// copy the result to the screen in one step, so nothing flickers.
class CLSGraphicsBuffer {
  public:
    /// A 1 × 1 buffer for drawing that ends up on window (which may be null),
    /// with the application's default font selected.
    explicit CLSGraphicsBuffer(QWidget* window = nullptr);
    ~CLSGraphicsBuffer();
    CLSGraphicsBuffer(const CLSGraphicsBuffer&) = delete;
    CLSGraphicsBuffer& operator=(const CLSGraphicsBuffer&) = delete;

    /// Replaces the picture by a new black one of cx × cy (sizes below 1 count
    /// as 1); the selected font, pen and brush stay. Reopens a released buffer.
    void resize(int cx, int cy);
    /// Selects a font for drawing; returns the one selected before.
    QFont selectFont(const QFont& font);

    /// The painter on the buffer (valid until release).
    QPainter& painter() { return m_painter; }
    const QPixmap& pixmap() const { return m_pixmap; }
    /// Size in the window's (device-independent) pixels.
    QSize size() const { return m_size; }
    QWidget* window() const { return m_window; }

    /// Copies source (the whole buffer when empty) to at on target.
    void drawTo(QPainter& target, const QPoint& at, const QRect& source = QRect()) const;

    /// Closes the painter and frees the picture; harmless when repeated.
    void release();
    bool isReleased() const { return !m_painter.isActive(); }

  private:
    void open(const QSize& size, const QFont& font, const QPen& pen, const QBrush& brush);

    QPointer<QWidget> m_window;
    QPixmap m_pixmap;
    QPainter m_painter;
    QSize m_size;
};
