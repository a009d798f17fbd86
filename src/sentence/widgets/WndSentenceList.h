#pragma once

#include <QFont>
#include <QList>
#include <QWidget>

#include "sentence/Sentence.h"
#include "sentence/SentenceLayout.h"
#include "text/Colour.h"

class QScrollBar;
class CLSWndSentence;

/// A vertical list of sentences numbered "1.", "2.", … in a column as wide
/// as the labels need in the list's font (at least 20 pixels), one framed sentence window per row,
/// all rows as high as the tallest. Scrolls by row (arrows, wheel), by page (Page Up/Down) or with
/// its scroll bar.
class CLSWndSentenceList : public QWidget {
    Q_OBJECT

  public:
    explicit CLSWndSentenceList(QWidget* parent = nullptr);

    /// Replaces the rows by one per sentence; relative media names are
    /// opened from mediaFolder.
    void setSentences(const CLSSentenceArray& sentences, const CLSTString& mediaFolder = {});
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    /// Row i's window (nullptr outside the list).
    CLSWndSentence* row(int i) const;

    void setSentenceFont(const QFont& font);
    void setTextColour(Colour colour);
    void setBackColour(Colour colour);
    void setColours(Colour text, Colour back);
    void setLineInterval(int percent);

    /// The size the list needs at width to show every row without
    /// scrolling (at least 2 × 2).
    QSize calculateSize(int width) const;
    QSize sizeHint() const override;

    /// First row shown.
    int scrollPosition() const { return m_scroll; }
    /// Scrolls so that row is the first shown, within the range.
    void scrollTo(int row);
    const CLSListLayout& layout() const { return m_layout; }
    QScrollBar* verticalBar() const { return m_bar; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

    /// Width of the number column: the widest label plus its margins.
    int numberColumnWidth() const;

  private:
    static constexpr int kNumberPadding = 6;  // 2 left of the label, 4 right
    void relayout();
    void placeRows();
    void applyLook(CLSWndSentence* row);

    QList<CLSWndSentence*> m_rows;
    QScrollBar* m_bar = nullptr;
    CLSListLayout m_layout;
    int m_scroll = 0;
    int m_interval = 20;
    QFont m_font;
    Colour m_text;
    Colour m_back;
};
