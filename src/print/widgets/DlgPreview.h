#pragma once

#include <QDialog>
#include <QImage>
#include <memory>

#include "print/Print.h"

class CLSPainterTarget;
class QComboBox;
class QLabel;
class QPrinter;
class QScrollArea;
class QSpinBox;
class QAction;

/// Draws page index page of print as the printer would, shrunk onto a
/// picture that shows the sheet at zoom percent of its real size on a
/// screen of screenDpi. The layout is the printer's (target measures at its
/// resolution); only the painter is scaled. A null picture for a page
/// outside the table.
/// pixelRatio is the screen's device pixel ratio: the picture has that
/// many pixels per logical pixel, so a scaled screen shows it sharp.
QImage RenderPreviewPage(CLSPrint& print, CLSPainterTarget& target, const CLSPageSetup& setup,
                         int page, int zoom, QSize screenDpi, qreal pixelRatio = 1.0);

/// The sheet of the preview: the page picture in a one-pixel frame.
class CLSPreviewPage : public QWidget {
  public:
    explicit CLSPreviewPage(QWidget* parent = nullptr);
    void setPage(const QImage& image);
    const QImage& image() const { return m_image; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage m_image;
};

/// "印刷プレビュー": the pages as the printer will print them, one at a
/// time, at 50, 100 or 150 %, with the page number field, the previous and
/// next page, the print settings ("用紙") and printing. It keeps its place
/// and size in the settings.
class CLSDlgPreview : public QDialog {
    Q_OBJECT
  public:
    CLSDlgPreview(CLSPrint& print, QPrinter& printer, QWidget* parent = nullptr);
    ~CLSDlgPreview() override;

    /// Counts the pages and shows the first; false (the preview must not
    /// open) when a line fits on no page or the count was cancelled.
    bool start();

    int pageCount() const { return m_pageCount; }
    int page() const { return m_page; }
    int zoom() const { return m_zoom; }
    /// Shows a page (1-based, kept within the pages).
    void showPage(int page);
    void setZoom(int percent);
    /// After the paper, the printer or the options changed: counts again and
    /// redraws; false (the dialog closes) when the pages cannot be counted.
    bool refresh();
    /// "用紙": the print-settings dialog, then refresh.
    void editSettings();
    /// "印刷": the print command from the preview.
    void printFromPreview();

    QSpinBox* pageBox() const { return m_pageBox; }
    QLabel* countLabel() const { return m_countLabel; }
    QComboBox* zoomBox() const { return m_zoomBox; }
    QAction* previousAction() const { return m_previous; }
    QAction* nextAction() const { return m_next; }
    CLSPreviewPage* pageView() const { return m_view; }
    QScrollArea* scrollArea() const { return m_scroll; }

  protected:
    void done(int result) override;

  private:
    void createControls();
    void restorePlacement();
    void storePlacement();
    void drawPage();
    void updateButtons();

    CLSPrint& m_print;
    QPrinter& m_printer;
    CLSPageSetup m_setup;
    std::unique_ptr<CLSPainterTarget> m_target;
    int m_pageCount = 0;
    int m_page = 1;
    int m_zoom = 100;
    QAction* m_previous = nullptr;
    QAction* m_next = nullptr;
    QSpinBox* m_pageBox = nullptr;
    QLabel* m_countLabel = nullptr;
    QComboBox* m_zoomBox = nullptr;
    QScrollArea* m_scroll = nullptr;
    CLSPreviewPage* m_view = nullptr;
};
