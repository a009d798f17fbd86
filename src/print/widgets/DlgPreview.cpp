#include "print/widgets/DlgPreview.h"

#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolBar>
#include <cmath>

#include "data/VorelDataFile.h"
#include "print/widgets/DlgPrintSettings.h"
#include "print/widgets/PainterTarget.h"
#include "print/widgets/PrintJob.h"
#include "print/widgets/PrinterSetup.h"
#include "settings/VorelSettings.h"
#include "settings/widgets/WindowPlace.h"
#include "text/Error.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/FocusMark.h"
#include "text/widgets/QtText.h"

namespace {

constexpr int kZoomSteps[] = {50, 100, 150};
// The corner of a restored preview stays this far inside the work area.

}  // namespace

QImage RenderPreviewPage(CLSPrint& print, CLSPainterTarget& target, const CLSPageSetup& setup,
                         int page, int zoom, QSize screenDpi, qreal pixelRatio) {
    QSize paper = PaperPixels(setup, target.dpiX(), target.dpiY());
    auto shrink = [zoom](int length, int screen, int device) {
        return std::max(1, static_cast<int>(std::lround(static_cast<double>(length) * screen *
                                                        zoom / (device * 100.0))));
    };
    QSize size(shrink(paper.width(), screenDpi.width(), target.dpiX()),
               shrink(paper.height(), screenDpi.height(), target.dpiY()));
    pixelRatio = std::max<qreal>(1.0, pixelRatio);
    QImage image(size * pixelRatio, QImage::Format_RGB32);
    // The painter works in logical pixels; the picture holds the screen's.
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    if (page < 0 || page >= static_cast<int>(print.pageTable().size())) return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.scale(static_cast<double>(size.width()) / std::max(1, paper.width()),
                  static_cast<double>(size.height()) / std::max(1, paper.height()));
    target.setPainter(&painter);
    CLSPrintParam param;
    print.initializePrintParam(param, target, setup);
    print.printOnePage(param, page, false, true);
    target.setPainter(nullptr);
    return image;
}

// ---- the sheet ------------------------------------------------------------------

CLSPreviewPage::CLSPreviewPage(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CLSPreviewPage::setPage(const QImage& image) {
    m_image = image;
    setFixedSize(sizeHint());
    update();
}

QSize CLSPreviewPage::sizeHint() const {
    return m_image.deviceIndependentSize().toSize() + QSize(2, 2);
}

void CLSPreviewPage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(Qt::black);
    p.drawRect(0, 0, width() - 1, height() - 1);
    p.drawImage(1, 1, m_image);
}

// ---- the dialog -----------------------------------------------------------------

CLSDlgPreview::CLSDlgPreview(CLSPrint& print, QPrinter& printer, QWidget* parent)
    : QDialog(parent), m_print(print), m_printer(printer) {
    CLSTraceScope trace("CLSDlgPreview::create");
    setWindowTitle(tr("印刷プレビュー"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    setMinimumSize(320, 220);
    createControls();
    InstallHelpKey(this, kHelpPrintPreview);
    restorePlacement();
}

CLSDlgPreview::~CLSDlgPreview() = default;

void CLSDlgPreview::createControls() {
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(0);
    // A tool bar, so that a narrow window hides what does not fit behind
    // its extension button instead of squeezing the buttons.
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->setFloatable(false);
    bar->setMovable(false);
    auto addCommand = [this, bar](const QString& text, auto run) {
        QAction* action = bar->addAction(text);
        action->setShortcut(QKeySequence::mnemonic(action->text()));
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    addCommand(tr("印刷(&P)..."), [this] { printFromPreview(); });
    addCommand(tr("用紙(&S)..."), [this] { editSettings(); });
    bar->addSeparator();
    m_previous = addCommand(tr("前のページ(&B)"), [this] { showPage(m_page - 1); });
    m_next = addCommand(tr("次のページ(&N)"), [this] { showPage(m_page + 1); });
    m_pageBox = new QSpinBox(this);
    m_pageBox->setRange(1, 1);
    m_pageBox->setMinimumWidth(70);
    m_pageBox->setAccessibleName(tr("ページ番号"));
    bar->addWidget(m_pageBox);
    m_countLabel = new QLabel(U("/ 0"), this);
    m_pageBox->setAccessibleDescription(m_countLabel->text());
    m_countLabel->setContentsMargins(4, 0, 8, 0);
    bar->addWidget(m_countLabel);
    m_zoomBox = new QComboBox(this);
    for (int zoom : kZoomSteps)
        m_zoomBox->addItem(QString::number(zoom) + "%");
    bar->addWidget(m_zoomBox);
    auto* gap = new QWidget(this);
    gap->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(gap);
    addCommand(tr("閉じる(&C)"), [this] { reject(); });
    top->addWidget(bar);

    m_view = new CLSPreviewPage;
    m_scroll = new QScrollArea(this);
    MarkFocusOf(m_scroll);
    m_scroll->setAccessibleName(tr("ページ"));
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setWidget(m_view);
    top->addWidget(m_scroll, 1);

    m_zoomBox->setCurrentIndex(1);
    connect(m_pageBox, &QSpinBox::valueChanged, this, [this](int page) {
        if (page != m_page) showPage(page);
    });
    connect(m_zoomBox, &QComboBox::currentIndexChanged, this,
            [this](int index) { setZoom(index * 50 + 50); });
}

bool CLSDlgPreview::start() {
    return refresh();
}

bool CLSDlgPreview::refresh() {
    m_print.clearPageTable();
    m_setup = PageSetupOf(m_printer.pageLayout());
    m_target = std::make_unique<CLSPainterTarget>(m_printer.logicalDpiX(), m_printer.logicalDpiY(),
                                                  m_print.document().getFolder());
    // Before the preview is shown the count's progress box belongs to the
    // window the preview was opened from: a box over a hidden window can
    // neither be seen nor clicked.
    QWidget* owner = isVisible() || !parentWidget() ? this : parentWidget();
    int count = CountPages(owner, m_print, *m_target, m_setup);
    if (count < 0) return false;
    m_pageCount = count;
    m_countLabel->setText("/ " + QString::number(count));
    m_pageBox->setAccessibleDescription(m_countLabel->text());
    {
        QSignalBlocker block(m_pageBox);
        m_pageBox->setRange(1, std::max(1, count));
    }
    m_page = std::clamp(m_page, 1, std::max(1, count));
    showPage(m_page);
    return true;
}

void CLSDlgPreview::showPage(int page) {
    m_page = std::clamp(page, 1, std::max(1, m_pageCount));
    {
        QSignalBlocker block(m_pageBox);
        m_pageBox->setValue(m_page);
    }
    drawPage();
    updateButtons();
}

void CLSDlgPreview::setZoom(int percent) {
    m_zoom = percent;
    int index = percent / 50 - 1;
    if (index >= 0 && index < m_zoomBox->count() && m_zoomBox->currentIndex() != index) {
        QSignalBlocker block(m_zoomBox);
        m_zoomBox->setCurrentIndex(index);
    }
    drawPage();
}

void CLSDlgPreview::drawPage() {
    if (!m_target) return;
    QSize screenDpi(logicalDpiX(), logicalDpiY());
    m_view->setPage(RenderPreviewPage(m_print, *m_target, m_setup, m_page - 1, m_zoom, screenDpi,
                                      devicePixelRatioF()));
    // A reader hears which page the picture is; its text is the data file's.
    m_view->setAccessibleName(tr("%1 / %2 ページ").arg(m_page).arg(m_pageCount));
}

void CLSDlgPreview::updateButtons() {
    m_previous->setEnabled(m_page > 1);
    m_next->setEnabled(m_page < m_pageCount);
}

void CLSDlgPreview::editSettings() {
    CLSDlgPrintSettings dialog(m_print.settings(), m_print.document().prompter(), this);
    bool accepted = dialog.exec() == QDialog::Accepted;
    if ((accepted || dialog.paperChanged()) && !refresh()) reject();
}

void CLSDlgPreview::printFromPreview() {
    PrintWithDialog(this, m_print);
    // The printer (and so the resolution or the paper) may have changed.
    if (!refresh()) reject();
}

void CLSDlgPreview::restorePlacement() {
    RestoreWindowPlace(this, m_print.settings(), CLSVorelSettings::kPreviewWindow, QSize(560, 480),
                       QSize(320, 220));
}

void CLSDlgPreview::storePlacement() {
    StoreWindowPlace(this, m_print.settings(), CLSVorelSettings::kPreviewWindow);
}

void CLSDlgPreview::done(int result) {
    storePlacement();
    m_target.reset();  // the preview's fonts and pictures go with it
    QDialog::done(result);
}
