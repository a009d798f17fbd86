#pragma once

#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>

#include "sentence/Sentence.h"
#include "sentence/SentenceLayout.h"
#include "sentence/VideoSchedule.h"
#include "text/Colour.h"

class QPlainTextEdit;
class QScrollBar;
class QTimer;
class QtTextMetrics;
class CLSSentenceVideo;

/// Shows one sentence: text runs wrapped with the line interval, pictures
/// and videos. As a view it scrolls (scroll bars, wheel, Page Up/Down,
/// arrows); as a choice button (setButton) it shows its number, takes
/// clicks, Space, its digit key and, in a single-choice group, the arrows.
class CLSWndSentence : public QWidget {
    Q_OBJECT

  public:
    explicit CLSWndSentence(QWidget* parent = nullptr);
    ~CLSWndSentence() override;

    /// Shows a copy of sentence; relative media names are opened from
    /// mediaFolder. Media that cannot be opened take no space.
    void setSentence(const CLSSentence& sentence, const CLSTString& mediaFolder = {});
    const CLSSentence& sentence() const { return m_sentence; }
    const CLSTString& mediaFolder() const { return m_folder; }

    void setSentenceFont(const QFont& font);
    const QFont& sentenceFont() const { return m_font; }
    /// Normal colours; a new background reloads the pictures, which are
    /// composed over it.
    void setColours(Colour text, Colour back);
    /// Colours of a button under the mouse.
    void setHotColours(Colour text, Colour back);
    /// Colours of a selected (pressed) button.
    void setSelectedColours(Colour text, Colour back);
    Colour textColour() const { return m_text; }
    Colour backColour() const { return m_back; }
    /// Percent of the line height added between lines (default 20).
    void setLineInterval(int percent);
    int lineInterval() const { return m_interval; }
    /// Centres the sentence in the window when it needs no scroll bars.
    void setCentring(bool on);
    /// Whether a view shows scroll bars where its sentence does not fit
    /// (default on; buttons never scroll).
    void setScrollBarsEnabled(bool on);
    /// A sunken two-pixel edge around the window (rows of a list).
    void setFrame(bool on);
    static constexpr int kEdge = 2;

    /// Makes the window choice button number (1-9); single-choice buttons
    /// of one parent behave like radio buttons. 0 makes it a view again.
    void setButton(int number, bool singleChoice);
    int buttonNumber() const { return m_number; }
    bool isButton() const { return m_number > 0; }
    bool isSingleChoice() const { return m_single; }
    bool isSelected() const { return m_selected; }
    /// Changes the selection without a click (no signal clicked).
    void setSelected(bool selected);
    /// What a click does to a button (a screen reader's press); nothing for a view.
    void activate();
    bool isHot() const { return m_hot; }

    /// The size the sentence needs at width: for a button the number
    /// column is included (the button's own frame of 4 pixels a side is not).
    QSize measure(int width) const;
    QSize sizeHint() const override;

    /// Replaces the view by a multi-line editor holding the sentence's text
    /// (runs as stored, objects as markup). Nothing when already editing.
    void toEditMode();
    /// Ends editing: the text is parsed (not unescaped) into the sentence,
    /// which is shown and returned, whole; the characters a Shift-JIS file
    /// cannot hold are added to unmappable (the caller decides whether the
    /// document takes them). Outside edit mode: the sentence.
    CLSSentence exitEditMode(QString* unmappable = nullptr);
    bool isEditing() const { return m_editor != nullptr; }
    QPlainTextEdit* editor() const { return m_editor; }
    /// What Tab stops at for this window: its field while it is edited.
    QWidget* tabStop();

    /// Scroll position of a view (0, 0 for a button).
    QPoint scrollPosition() const;
    QScrollBar* horizontalBar() const { return m_hbar; }
    QScrollBar* verticalBar() const { return m_vbar; }
    /// The layout last computed for painting (relative to contentOrigin()).
    const CLSSentenceLayout& layout() const { return m_layout; }
    QPoint contentOrigin() const;
    /// Pictures and videos opened for the sentence, by item index.
    const std::map<int, QImage>& pictures() const { return m_pictures; }
    int videoCount() const { return static_cast<int>(m_videos.size()); }
    CLSSentenceVideo* video(int itemIndex) const;
    /// Whether the 100 ms video poll runs (only while videos are shown).
    bool isPolling() const;

  signals:
    /// A button was clicked (mouse, Space, digit or arrow) and is now selected.
    void clicked(int number);
    /// The button's selection changed (learner, group or setSelected).
    void selectionChanged(bool selected);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    class Media;
    friend class Media;

    void openMedia();
    void releaseMedia();
    void relayout();
    void placeVideos();
    QRect innerRect() const;
    QRect clientRect() const;
    QRect buttonContentRect() const;
    void pollVideos();
    void paintButtonFrame(QPainter& painter);
    void setSelectedState(bool selected);
    void press();
    void complete();
    void deselectGroup();
    QList<CLSWndSentence*> group() const;
    void focusSibling(int step);
    bool focusNumber(int number);
    static int digitOf(const QKeyEvent* event);

    CLSSentence m_sentence;
    CLSTString m_folder;
    QFont m_font;
    std::unique_ptr<QtTextMetrics> m_metrics;
    std::unique_ptr<Media> m_media;
    Colour m_text;
    Colour m_back;
    Colour m_hotText;
    Colour m_hotBack;
    Colour m_selectedText;
    Colour m_selectedBack;
    int m_number = 0;
    int m_interval = 20;
    bool m_single = false;
    bool m_hot = false;
    bool m_selected = false;
    bool m_capturing = false;
    bool m_selectedBefore = false;
    bool m_centring = false;
    bool m_scrollBars = true;
    bool m_frame = false;

    QScrollBar* m_hbar = nullptr;
    QScrollBar* m_vbar = nullptr;
    QPlainTextEdit* m_editor = nullptr;
    CLSScrollLayout m_scroll;
    CLSSentenceLayout m_layout;

    std::map<int, QImage> m_pictures;
    std::map<int, CLSSentenceVideo*> m_videos;
    CLSVideoSchedule m_schedule;
    QTimer* m_poll = nullptr;
    QElapsedTimer m_pollClock;
};
