#pragma once

#include <QWidget>

class QAbstractButton;
class QLabel;
class CLSVorelDataFile;
class CLSVorelDataItem;
class CLSVorelSettings;
class CLSWndSentence;

/// The hints panel of a run: the hints of one question one at a time, a
/// counter "n / N", "<<" and ">>" that wrap around, and "閉じる" (or Esc),
/// which asks the owner to close the panel. Fonts, colours and the frame
/// come from the design's hint item.
class CLSWndHints : public QWidget {
    Q_OBJECT

  public:
    /// Shows the hints of the question line questionLine of document.
    /// Throws CLSError code 8 when questionLine is not a question.
    CLSWndHints(CLSVorelDataFile& document, CLSVorelSettings& settings,
                const CLSVorelDataItem* questionLine, QWidget* parent = nullptr);

    /// Shows another question's hints from the first (code 8 when it is not a question).
    void setQuestion(const CLSVorelDataItem* questionLine);
    /// Applies the design of settings (fonts, colours, frame).
    void setSettings(CLSVorelSettings& settings);
    /// Shows hint index; below 0 wraps to the last, past the last to the first.
    void showHint(int index);
    int currentHint() const { return m_current; }
    int hintCount() const;

    QString counterText() const;
    CLSWndSentence* sentenceWindow() const { return m_sentence; }
    QAbstractButton* previousButton() const { return m_previous; }
    QAbstractButton* nextButton() const { return m_next; }
    QAbstractButton* closeButton() const { return m_close; }

  signals:
    /// "閉じる" or Esc: the owner hides the panel.
    void closeRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void createControls();
    void applyDesign();
    void relayout();
    int edge() const;

    CLSVorelDataFile& m_document;
    CLSVorelSettings* m_settings;
    const CLSVorelDataItem* m_line = nullptr;
    int m_current = 0;
    QLabel* m_label = nullptr;
    QLabel* m_counter = nullptr;
    CLSWndSentence* m_sentence = nullptr;
    QAbstractButton* m_previous = nullptr;
    QAbstractButton* m_close = nullptr;
    QAbstractButton* m_next = nullptr;
};
