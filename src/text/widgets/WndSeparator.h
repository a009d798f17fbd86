#pragma once

#include <QWidget>

#include "text/Colour.h"

/// A bar between two panes that the learner drags: a vertical bar moves
/// left and right, a horizontal one up and down, its centre kept within a
/// range of the parent's coordinates. The parent lays its panes out again
/// when moved() arrives.
class CLSWndSeparator : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kDefaultThickness = 7;
    /// Pixels an arrow key moves the focused bar (Shift+arrow: one).
    static constexpr int kKeyStep = 8;

    explicit CLSWndSeparator(QWidget* parent = nullptr);

    /// Qt::Vertical: a vertical bar (moves left and right, the default);
    /// Qt::Horizontal: a horizontal bar (moves up and down).
    void setOrientation(Qt::Orientation orientation);
    Qt::Orientation orientation() const { return m_orientation; }
    void setColour(Colour colour);
    int thickness() const { return m_thickness; }
    /// Allowed positions of the bar's centre; the bar moves into them.
    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    /// Where the bar runs along its length (start to end, parent coordinates).
    void setExtent(int start, int end);
    /// Moves the bar's centre to position, kept within the range.
    void setPosition(int position);
    /// The bar's centre in the parent's coordinates.
    int position() const;
    /// The centre where the bar was last seen (placed while shown, or
    /// shown where it was placed); -1 when it was never shown. A pane's
    /// size to keep is this, never the place of a bar not laid out.
    int shownPosition() const { return m_shown; }
    bool isDragging() const { return m_dragging; }

  signals:
    /// The learner dragged the bar (or moved it by the keys) to a new centre.
    void moved(int position);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void place(int position);

    Qt::Orientation m_orientation = Qt::Vertical;
    Colour m_colour;
    int m_thickness = kDefaultThickness;
    int m_minimum = 0;
    int m_maximum = 2048;
    int m_start = 0;
    int m_end = 0;
    bool m_dragging = false;
    bool m_placed = false;
    int m_shown = -1;
};
