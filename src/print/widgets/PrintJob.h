#pragma once

#include <QDialog>
#include <functional>

#include "print/Print.h"

class QLabel;
class QPagedPaintDevice;
class QPrinter;
class QPushButton;
class CLSPainterTarget;

/// How a print job ended.
enum class CLSPrintOutcome {
    kPrinted,    // every page asked for (or none: nothing to print)
    kCancelled,  // the learner cancelled; the pages already drawn stay
    kFailed,     // the device could not be drawn on or took no further page
    kNoPages,    // the pages could not be counted (a line fits on no page)
};

/// "印刷中": which page of which file is being printed, and "キャンセル".
/// It blocks the window it belongs to while the job runs.
class CLSDlgPrintProgress : public QDialog {
    Q_OBJECT
  public:
    CLSDlgPrintProgress(const QString& fileName, QWidget* parent = nullptr);
    /// Shows the 1-based number of the page being printed.
    void setPage(int page);
    bool cancelRequested() const { return m_cancel; }

    QLabel* fileLabel() const { return m_file; }
    QLabel* pageLabel() const { return m_page; }
    QPushButton* cancelButton() const { return m_cancelButton; }

  protected:
    void reject() override;

  private:
    QLabel* m_file = nullptr;
    QLabel* m_page = nullptr;
    QPushButton* m_cancelButton = nullptr;
    bool m_cancel = false;
};

/// Counts the pages of print on target (the page table stays in print),
/// with the wait cursor and, for a long file, a progress dialog that keeps
/// the window responsive and can cancel. -1 when cancelled or when a line
/// fits on no page (after the warning).
int CountPages(QWidget* owner, CLSPrint& print, CLSPrintTarget& target, const CLSPageSetup& setup);

/// Draws the pages of range on a printer or PDF writer, one device page
/// each, copies times over (collated). beforePage(page) is told each 0-based
/// page before it is drawn; keepGoing is asked between blocks (it may handle
/// events) and cancels with false.
CLSPrintOutcome PrintPagesOn(QPagedPaintDevice& device, CLSPrint& print, const CLSPageSetup& setup,
                             CLSPageRange range, int copies = 1,
                             const std::function<void(int page)>& beforePage = {},
                             const std::function<bool()>& keepGoing = {});

/// Prints the document on printer as its print dialog left it (page range,
/// copies), with the progress dialog; a device failure shows "印刷時にエラーが
/// 発生しました。". The page table is made anew for this printer.
CLSPrintOutcome RunPrintJob(QWidget* owner, CLSPrint& print, QPrinter& printer);

/// The print command: the platform's print dialog on the shared printer
/// (page range, copies), then RunPrintJob. Nothing when it is cancelled or
/// when no printer can be had.
void PrintWithDialog(QWidget* owner, CLSPrint& print);
