#include "print/widgets/PrintJob.h"

#include <QApplication>
#include <QBoxLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <limits>

#include "data/VorelDataFile.h"
#include "print/widgets/PainterTarget.h"
#include "print/widgets/PrinterSetup.h"
#include "text/Clock.h"
#include "text/Error.h"
#include "text/Language.h"
#include "text/Paths.h"
#include "text/Prompter.h"
#include "text/widgets/QtText.h"

namespace {

constexpr const char* kSource = "PRINT";
// Events are handled this often while a long job or count runs.
constexpr int kPumpMs = 30;
// A count that takes longer than this shows its progress box.
constexpr int kShowProgressMs = 500;

/// Messages shown during a count appear with the normal cursor, and only
/// after the progress box has gone: a box under a window-modal progress
/// dialog takes neither clicks nor keys.
class CursorFreePrompter : public Prompter {
  public:
    CursorFreePrompter(Prompter& inner, std::function<void()> beforeMessage)
        : m_inner(inner), m_beforeMessage(std::move(beforeMessage)) {}
    PromptAnswer ask(PromptIcon icon, PromptButtons buttons, const CLSTString& text,
                     int defaultButton) override {
        if (m_beforeMessage) m_beforeMessage();
        bool waiting = QGuiApplication::overrideCursor() != nullptr;
        if (waiting) QGuiApplication::restoreOverrideCursor();
        PromptAnswer answer = m_inner.ask(icon, buttons, text, defaultButton);
        if (waiting) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        return answer;
    }
    int askChoice(PromptIcon icon, const CLSTString& text, const std::vector<CLSTString>& answers,
                  int defaultAnswer) override {
        if (m_beforeMessage) m_beforeMessage();
        bool waiting = QGuiApplication::overrideCursor() != nullptr;
        if (waiting) QGuiApplication::restoreOverrideCursor();
        int answer = m_inner.askChoice(icon, text, answers, defaultAnswer);
        if (waiting) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        return answer;
    }

  private:
    Prompter& m_inner;
    std::function<void()> m_beforeMessage;
};

/// Handles pending events now and then; the job goes on while it returns
/// true. The pace comes from the document's clock, so a test's fake clock
/// decides when events are handled, however fast the build counts.
class EventPump {
  public:
    EventPump(const Clock& clock, std::function<bool()> cancelled,
              std::function<void()> handleEvents)
        : m_clock(clock),
          m_cancelled(std::move(cancelled)),
          m_handleEvents(std::move(handleEvents)),
          m_last(clock.ticks()) {}
    bool operator()() {
        int64_t now = m_clock.ticks();
        if (now - m_last >= kPumpMs) {
            m_handleEvents();
            m_last = m_clock.ticks();
        }
        return !m_cancelled();
    }

  private:
    const Clock& m_clock;
    std::function<bool()> m_cancelled;
    std::function<void()> m_handleEvents;
    int64_t m_last;
};

/// The wait cursor and a prompter that shows its boxes without it, for as
/// long as the count runs; a throw in between restores both.
class CountingScope {
  public:
    CountingScope(CLSVorelDataFile& doc, std::function<void()> beforeMessage)
        : m_doc(doc), m_old(doc.prompter()), m_quiet(m_old, std::move(beforeMessage)) {
        m_doc.setPrompter(m_quiet);
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~CountingScope() {
        QGuiApplication::restoreOverrideCursor();
        m_doc.setPrompter(m_old);
    }
    CountingScope(const CountingScope&) = delete;
    CountingScope& operator=(const CountingScope&) = delete;

  private:
    CLSVorelDataFile& m_doc;
    Prompter& m_old;
    CursorFreePrompter m_quiet;
};

void showPrintError(Prompter& prompter, int line) {
    showError(CLSError(kSource, line, CLSError::kPrint), prompter);
}

}  // namespace

// ---- the progress dialog --------------------------------------------------------

CLSDlgPrintProgress::CLSDlgPrintProgress(const QString& fileName, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("印刷"));
    auto* top = new QVBoxLayout(this);
    auto* fileRow = new QHBoxLayout;
    fileRow->setSpacing(6);
    m_file = new QLabel(fileName, this);
    m_file->setTextFormat(Qt::PlainText);
    fileRow->addWidget(new QLabel(tr("ファイル"), this));
    fileRow->addWidget(m_file);
    // "File: sample.vrf" needs no word after the name in other languages.
    if (SpeaksNativeLanguage()) fileRow->addWidget(new QLabel(tr("の"), this));
    fileRow->addStretch();
    top->addLayout(fileRow);
    auto* pageRow = new QHBoxLayout;
    pageRow->setSpacing(2);
    m_page = new QLabel(this);
    m_page->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_page->setMinimumWidth(m_page->fontMetrics().horizontalAdvance("00000"));
    auto* pageWord = new QLabel(tr("ページ目を"), this);
    auto* printing = new QLabel(tr("印刷中"), this);
    if (SpeaksNativeLanguage()) {
        pageRow->addWidget(m_page);
        pageRow->addSpacing(4);
        pageRow->addWidget(pageWord);
        pageRow->addWidget(printing);
    } else {
        // "Printing page 3": the number goes last.
        m_page->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        pageRow->addWidget(printing);
        pageRow->addSpacing(4);
        pageRow->addWidget(pageWord);
        pageRow->addSpacing(4);
        pageRow->addWidget(m_page);
    }
    pageRow->addStretch();
    top->addLayout(pageRow);
    auto* buttonRow = new QHBoxLayout;
    m_cancelButton = new QPushButton(tr("キャンセル"), this);
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
    QProgressDialog progress(
        QCoreApplication::translate("CLSDlgPrintProgress", "ページを数えています..."),
        QCoreApplication::translate("CLSDlgPrintProgress", "キャンセル"), 0,
        std::max(1, doc.getItemCount()), owner);
    progress.setWindowTitle(QCoreApplication::translate("CLSDlgPrintProgress", "印刷"));
    progress.setWindowModality(Qt::WindowModal);
    // The box appears once the count has taken half a second by the
    // document's clock (not by Qt's own timer), so tests see it on their clock.
    progress.setMinimumDuration(std::numeric_limits<int>::max());
    progress.setAutoReset(false);
    progress.setValue(0);
    const int64_t start = doc.clock().ticks();

    int count = -1;
    int line = 0;
    bool messageShown = false;
    {
        CountingScope scope(doc, [&] {
            messageShown = true;
            progress.hide();
        });
        EventPump pump(
            doc.clock(), [&progress] { return progress.wasCanceled(); },
            [&] {
                if (!messageShown) {
                    progress.setValue(line);
                    if (!progress.isVisible() && doc.clock().ticks() - start >= kShowProgressMs) {
                        progress.show();
                    }
                }
                // Until the dialog blocks the window, the window only repaints:
                // a click must not start another command on a half-made table.
                QCoreApplication::processEvents(progress.isVisible()
                                                    ? QEventLoop::AllEvents
                                                    : QEventLoop::ExcludeUserInputEvents);
            });
        count = print.getPageCount(target, setup, [&](int at, int) {
            line = at;
            return pump();
        });
    }
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
    EventPump pump(
        doc.clock(), [&progress] { return progress.cancelRequested(); },
        [] { QCoreApplication::processEvents(); });
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
