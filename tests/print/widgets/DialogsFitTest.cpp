// The print dialogs at their default size, in Japanese and in English: no
// text clipped, and in English a key of its own for each text.

#include <gtest/gtest.h>

#include <QPrinter>
#include <memory>

#include "PrintTestSupport.h"
#include "print/widgets/DlgPreview.h"
#include "print/widgets/DlgPrintFonts.h"
#include "print/widgets/DlgPrintSettings.h"
#include "print/widgets/PrintJob.h"
#include "print/widgets/PrinterSetup.h"
#include "settings/VorelSettings.h"
#include "widgets/DialogTestSupport.h"
#include "widgets/Languages.h"

namespace {}  // namespace

TEST(PrintDialogs, SettingsFontsPreviewAndProgressFitInBothLanguages) {
    InBothLanguages([] {
        DocFixture f;
        UseProgramFonts();
        ASSERT_TRUE(f.load(ManyQuestions(30)));
        CLSDlgPrintSettings settings(f.settings, f.prompter);
        ShowAndCheck(settings, "print-settings");
        CLSDlgPrintFonts fonts(PrintFontsOf(f.settings));
        ShowAndCheck(fonts, "print-fonts");

        CLSPrint print{f.settings, f.doc};
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(f.dir.file("printed.pdf")));
        printer.setPageLayout(DefaultPageLayout());
        printer.setFullPage(true);
        CLSDlgPreview preview(print, printer);
        ShowAndCheck(preview, "preview");
        CLSDlgPrintProgress progress(QString::fromUtf8("sample.vrf"));
        ShowAndCheck(progress, "print-progress");
    });
}
