#include "print/widgets/PrinterSetup.h"

#include <QCoreApplication>
#include <QPageSetupDialog>
#include <QPrinter>
#include <cmath>

#include "text/Codec.h"
#include "text/Prompter.h"
#include "text/widgets/QtText.h"

namespace {

std::unique_ptr<QPrinter>& sharedPrinter() {
    static std::unique_ptr<QPrinter> printer;
    return printer;
}

// The printer goes with the application object, while the print system it
// talks to is still there.
void releaseWithTheApplication() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    qAddPostRoutine([] { sharedPrinter().reset(); });
}

constexpr qreal kDefaultMarginMm = 25.0;

}  // namespace

QPageLayout DefaultPageLayout() {
    return QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kDefaultMarginMm, kDefaultMarginMm, kDefaultMarginMm, kDefaultMarginMm),
        QPageLayout::Millimeter);
}

CLSPageSetup PageSetupOf(const QPageLayout& layout) {
    CLSPageSetup setup;
    // Page sizes are defined upright; the orientation turns them.
    QSizeF paper = layout.pageSize().size(QPageSize::Millimeter);
    setup.paperWidth = static_cast<int>(std::lround(paper.width() * 10));
    setup.paperHeight = static_cast<int>(std::lround(paper.height() * 10));
    setup.landscape = layout.orientation() == QPageLayout::Landscape;
    QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    setup.marginLeft = static_cast<int>(std::lround(margins.left() * 100));
    setup.marginTop = static_cast<int>(std::lround(margins.top() * 100));
    setup.marginRight = static_cast<int>(std::lround(margins.right() * 100));
    setup.marginBottom = static_cast<int>(std::lround(margins.bottom() * 100));
    setup.inchMargins = false;
    return setup;
}

QSize PaperPixels(const CLSPageSetup& setup, int dpiX, int dpiY) {
    int width = setup.landscape ? setup.paperHeight : setup.paperWidth;
    int height = setup.landscape ? setup.paperWidth : setup.paperHeight;
    return QSize(static_cast<int>(std::lround(width * static_cast<double>(dpiX) / 254.0)),
                 static_cast<int>(std::lround(height * static_cast<double>(dpiY) / 254.0)));
}

QPrinter* SharedPrinter(Prompter& prompter) {
    std::unique_ptr<QPrinter>& printer = sharedPrinter();
    if (!printer) {
        auto made = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!made->isValid()) {
            prompter.message(PromptIcon::Error,
                             FromQStringWhole(QCoreApplication::translate(
                                 "CLSPrinterSetup", "プリンタを取得できません。")));
            return nullptr;
        }
        // The whole sheet is the page; the margins are kept in the layout
        // and the page table keeps out of them.
        made->setFullPage(true);
        QPageLayout layout = made->pageLayout();
        QMarginsF margins(kDefaultMarginMm, kDefaultMarginMm, kDefaultMarginMm, kDefaultMarginMm);
        made->setPageMargins(margins, QPageLayout::Millimeter);
        if (!layout.pageSize().isValid()) made->setPageSize(QPageSize(QPageSize::A4));
        printer = std::move(made);
        releaseWithTheApplication();
    }
    return printer.get();
}

bool RunPageSetupDialog(QWidget* owner, Prompter& prompter) {
    QPrinter* printer = SharedPrinter(prompter);
    if (!printer) return false;
    QPageSetupDialog dialog(printer, owner);
    return dialog.exec() == QDialog::Accepted;
}
