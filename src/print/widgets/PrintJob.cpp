#include "print/widgets/PrintJob.h"

#include <QApplication>
#include <QBoxLayout>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>

#include "data/VorelDataFile.h"
#include "print/widgets/PainterTarget.h"
#include "print/widgets/PrinterSetup.h"
#include "text/Error.h"
#include "text/Paths.h"
#include "text/Prompter.h"
#include "text/widgets/QtText.h"

namespace {

constexpr const char* kSource = "PRINT";
// Events are handled this often while a long job or count runs.
constexpr int kPumpMs = 30;

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

/// Messages shown during a count appear with the normal cursor.
class CursorFreePrompter : public Prompter {
  public:
    explicit CursorFreePrompter(Prompter& inner) : m_inner(inner) {}
    PromptAnswer ask(PromptIcon icon, PromptButtons buttons, const CLSTString& text,
                     int defaultButton) override {
        bool waiting = QGuiApplication::overrideCursor() != nullptr;
        if (waiting) QGuiApplication::restoreOverrideCursor();
        PromptAnswer answer = m_inner.ask(icon, buttons, text, defaultButton);
        if (waiting) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        return answer;
    }

  private:
    Prompter& m_inner;
};

/// Handles pending events now and then; the job goes on while it returns true.
class EventPump {
  public:
    explicit EventPump(std::function<bool()> cancelled) : m_cancelled(std::move(cancelled)) {
        m_clock.start();
    }
    bool operator()() {
        if (m_clock.elapsed() >= kPumpMs) {
            QCoreApplication::processEvents();
            m_clock.restart();
        }
        return !m_cancelled();
    }

  private:
    std::function<bool()> m_cancelled;
    QElapsedTimer m_clock;
};

void showPrintError(Prompter& prompter, int line) {
    showError(CLSError(kSource, line, CLSError::kPrint), prompter);
}

}  // namespace

// ---- the progress dialog --------------------------------------------------------

CLSDlgPrintProgress::CLSDlgPrintProgress(const QString& fileName, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(U("印刷"));
    auto* top = new QVBoxLayout(this);
    auto* fileRow = new QHBoxLayout;
    fileRow->setSpacing(6);
    m_file = new QLabel(fileName, this);
    m_file->setTextFormat(Qt::PlainText);
    fileRow->addWidget(new QLabel(U("ファイル"), this));
    fileRow->addWidget(m_file);
    fileRow->addWidget(new QLabel(U("の"), this));
    fileRow->addStretch();
    top->addLayout(fileRow);
    auto* pageRow = new QHBoxLayout;
    pageRow->setSpacing(2);
    m_page = new QLabel(this);
    m_page->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_page->setMinimumWidth(m_page->fontMetrics().horizontalAdvance("00000"));
    pageRow->addWidget(m_page);
    pageRow->addSpacing(4);
    pageRow->addWidget(new QLabel(U("ページ目を"), this));
    pageRow->addWidget(new QLabel(U("印刷中"), this));
    pageRow->addStretch();
    top->addLayout(pageRow);
    auto* buttonRow = new QHBoxLayout;
    m_cancelButton = new QPushButton(U("キャンセル"), this);
    buttonRow->addStretch();
    buttonRow->addWidget(m_cancelButton);
    buttonRow->addStretch();
    top->addLayout(buttonRow);
    connect(m_cancelButton, &QPushButton::clicked, this, &CLSDlgPrintProgress::reject);
    setMinimumWidth(320);
}

void CLSDlgPrintProgress::setPage(int page) {
    m_page->setText(QString::number(page));
}

void CLSDlgPrintProgress::reject() {
    // The dialog stays until the job has stopped; the page loop sees the request.
    m_cancel = true;
    m_cancelButton->setEnabled(false);
}

// ---- counting -------------------------------------------------------------------

int CountPages(QWidget* owner, CLSPrint& print, CLSPrintTarget& target, const CLSPageSetup& setup) {
    if (print.hasPageTable()) return static_cast<int>(print.pageTable().size());
    CLSVorelDataFile& doc = print.document();
    QProgressDialog progress(U("ページを数えています..."), U("キャンセル"), 0,
                             std::max(1, doc.getItemCount()), owner);
    progress.setWindowTitle(U("印刷"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoReset(false);
    progress.setValue(0);
    QElapsedTimer clock;
    clock.start();

    Prompter& prompter = doc.prompter();
    CursorFreePrompter quiet(prompter);
    doc.setPrompter(quiet);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    int count = print.getPageCount(target, setup, [&](int line, int) {
        if (clock.elapsed() >= kPumpMs) {
            progress.setValue(line);  // shows the dialog once the count takes a while
            // Until the dialog blocks the window, the window only repaints:
            // a click must not start another command on a half-made table.
            QCoreApplication::processEvents(
                progress.isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
            clock.restart();
        }
        return !progress.wasCanceled();
    });
    QGuiApplication::restoreOverrideCursor();
    doc.setPrompter(prompter);
    return count;
}

// ---- printing -------------------------------------------------------------------

CLSPrintOutcome PrintPagesOn(QPagedPaintDevice& device, CLSPrint& print, const CLSPageSetup& setup,
                             CLSPageRange range, int copies,
                             const std::function<void(int)>& beforePage,
                             const std::function<bool()>& keepGoing) {
    CLSTraceScope trace("CLSPrint::print");
    CLSPainterTarget target(device.logicalDpiX(), device.logicalDpiY(),
                            print.document().getFolder());
    int count = print.getPageCount(target, setup);
    if (count < 0) return CLSPrintOutcome::kNoPages;
    range.last = std::min(range.last, count - 1);
    if (range.isEmpty()) return CLSPrintOutcome::kPrinted;

    QPainter painter;
    if (!painter.begin(&device)) return CLSPrintOutcome::kFailed;
    target.setPainter(&painter);
    CLSPrintParam param;
    print.initializePrintParam(param, target, setup);
    bool cancelled = false;
    param.keepGoing = [&] {
        cancelled = keepGoing && !keepGoing();
        return !cancelled;
    };
    CLSPrintOutcome outcome = CLSPrintOutcome::kPrinted;
    const int perCopy = range.last - range.first + 1;
    const int sheets = perCopy * std::max(1, copies);
    for (int sheet = 0; sheet < sheets; ++sheet) {
        int page = range.first + sheet % perCopy;
        if (sheet > 0 && !device.newPage()) {
            outcome = CLSPrintOutcome::kFailed;
            break;
        }
        if (beforePage) beforePage(page);
        if (!print.printOnePage(param, page, true, false)) {
            outcome = cancelled ? CLSPrintOutcome::kCancelled : CLSPrintOutcome::kNoPages;
            break;
        }
    }
    if (!painter.end() && outcome == CLSPrintOutcome::kPrinted) outcome = CLSPrintOutcome::kFailed;
    return outcome;
}

CLSPrintOutcome RunPrintJob(QWidget* owner, CLSPrint& print, QPrinter& printer) {
    CLSVorelDataFile& doc = print.document();
    CLSPageSetup setup = PageSetupOf(printer.pageLayout());
    print.clearPageTable();
    CLSPainterTarget measure(printer.logicalDpiX(), printer.logicalDpiY(), doc.getFolder());
    int count = CountPages(owner, print, measure, setup);
    if (count < 0) return CLSPrintOutcome::kNoPages;
    CLSPageRange range = PagesToPrint(printer.printRange() == QPrinter::PageRange,
                                      printer.fromPage(), printer.toPage(), count);
    if (range.isEmpty()) return CLSPrintOutcome::kPrinted;

    printer.setDocName(ToQString(doc.getPath()));
    CLSDlgPrintProgress progress(ToQString(FileNameOf(doc.getPath())), owner);
    progress.setWindowModality(Qt::WindowModal);
    progress.show();
    EventPump pump([&progress] { return progress.cancelRequested(); });
    // A printer that cannot make copies itself gets the pages that often.
    int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    CLSPrintOutcome outcome = PrintPagesOn(
        printer, print, setup, range, copies, [&progress](int page) { progress.setPage(page + 1); },
        std::ref(pump));
    if (outcome == CLSPrintOutcome::kPrinted && printer.printerState() == QPrinter::Error) {
        outcome = CLSPrintOutcome::kFailed;
    }
    progress.hide();
    if (outcome == CLSPrintOutcome::kFailed) showPrintError(doc.prompter(), __LINE__);
    return outcome;
}

void PrintWithDialog(QWidget* owner, CLSPrint& print) {
    QPrinter* printer = SharedPrinter(print.document().prompter());
    if (!printer) return;
    QPrintDialog dialog(printer, owner);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    dialog.setMinMax(1, 32000);
    if (dialog.exec() != QDialog::Accepted) return;
    RunPrintJob(owner, print, *printer);
}
