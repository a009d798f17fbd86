#include "print/widgets/PdfExport.h"

#include <QBuffer>
#include <QFile>
#include <QPdfWriter>
#include <cstdio>

#include "data/VorelDataFile.h"
#include "print/widgets/PainterTarget.h"
#include "print/widgets/PrintJob.h"
#include "print/widgets/PrinterSetup.h"
#include "settings/SettingsFolder.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/Paths.h"
#include "text/Prompter.h"
#include "text/SafeFile.h"
#include "text/widgets/QtText.h"
#include "text/widgets/TextFromUser.h"

namespace {

constexpr const char* kSource = "PRINT";

/// Messages of a run without a window go to stderr; questions get "no".
class StderrPrompter : public Prompter {
  public:
    PromptAnswer ask(PromptIcon, PromptButtons buttons, const CLSTString& text, int) override {
        std::fprintf(stderr, "vorel: %s\n", text.str().c_str());
        return buttons == PromptButtons::Ok         ? PromptAnswer::Ok
               : buttons == PromptButtons::OkCancel ? PromptAnswer::Cancel
                                                    : PromptAnswer::No;
    }
};

QPageLayout pageLayoutOf(const CLSPageSetup& setup) {
    auto mm = [&setup](int value) { return setup.inchMargins ? value * 0.0254 : value / 100.0; };
    QPageLayout layout(
        QPageSize(QSizeF(setup.paperWidth / 10.0, setup.paperHeight / 10.0), QPageSize::Millimeter),
        setup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(mm(setup.marginLeft), mm(setup.marginTop), mm(setup.marginRight),
                  mm(setup.marginBottom)),
        QPageLayout::Millimeter);
    // The pages are drawn on the whole sheet; the layout keeps out of the margins.
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

}  // namespace

CLSPageSetup CommandLinePageSetup() {
    return PageSetupOf(DefaultPageLayout());
}

int PrintToPdf(CLSPrint& print, const CLSPageSetup& setup, QByteArray& pdf) {
    CLSVorelDataFile& doc = print.document();
    pdf.clear();
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(pageLayoutOf(setup));
    writer.setCreator(QStringLiteral("Vorel"));
    writer.setTitle(ToQString(FileNameOf(doc.getPath())));

    CLSPainterTarget measure(writer.logicalDpiX(), writer.logicalDpiY(), doc.getFolder());
    int count = print.getPageCount(measure, setup);
    if (count <= 0) return count;
    CLSPrintOutcome outcome = PrintPagesOn(writer, print, setup, {0, count - 1});
    if (outcome == CLSPrintOutcome::kPrinted) return count;
    if (outcome == CLSPrintOutcome::kFailed) {
        showError(CLSError(kSource, __LINE__, CLSError::kPrint), doc.prompter());
    }
    return -1;
}

int PrintPdfCommand(const QString& pdfPath, const QString& dataFile) {
    CLSTraceScope trace("PrintPdfCommand");
    StderrPrompter prompter;
    CLSVorelSettings settings;
    settings.loadSettings(SettingsFilePath());
    CLSTString path;
    if (!PathFromChosen(dataFile, path, prompter)) return 1;
    try {
        CLSVorelDataFile doc(settings, prompter);
        if (!doc.loadFile(path)) return 1;
        CLSPrint print(settings, doc);
        QByteArray pdf;
        int count = PrintToPdf(print, CommandLinePageSetup(), pdf);
        if (count < 0) return 1;
        if (count > 0) {
            CLSFileSafeWrite out;
            if (!out.openNative(QFile::encodeName(pdfPath).toStdString())) {
                showError(CLSError(kSource, __LINE__, CLSError::kWrite), prompter);
                return 1;
            }
            out.file().writeBytes(pdf.constData(), static_cast<size_t>(pdf.size()));
            out.commit();
        }
        std::printf("%d\n", count);
        std::fflush(stdout);
        return 0;
    } catch (const CLSError& e) {
        showError(e, prompter);
        return 1;
    }
}
