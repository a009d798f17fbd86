#include "print/widgets/PrintCommands.h"

#include <QPrinter>

#include "data/VorelDataFile.h"
#include "print/Print.h"
#include "print/widgets/DlgPreview.h"
#include "print/widgets/DlgPrintSettings.h"
#include "print/widgets/PrintJob.h"
#include "print/widgets/PrinterSetup.h"

bool CanPrint(const CLSVorelDataFile& doc) {
    return doc.getQuestionCount() > 0;
}

void ShowPrintSettings(QWidget* owner, CLSVorelDataFile& doc) {
    CLSDlgPrintSettings dialog(doc.settings(), doc.prompter(), owner);
    dialog.exec();
}

void ShowPrintPreview(QWidget* owner, CLSVorelDataFile& doc) {
    QPrinter* printer = SharedPrinter(doc.prompter());
    if (!printer) return;
    CLSPrint print(doc.settings(), doc);
    CLSDlgPreview preview(print, *printer, owner);
    if (!preview.start()) {
        if (owner) owner->activateWindow();  // the keys go back where they were
        return;
    }
    preview.exec();
}

void PrintDocument(QWidget* owner, CLSVorelDataFile& doc) {
    CLSPrint print(doc.settings(), doc);
    PrintWithDialog(owner, print);
}
