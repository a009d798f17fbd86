#pragma once

#include <functional>
#include <vector>

#include "print/PrintTarget.h"
#include "print/PrintText.h"
#include "text/Geometry.h"

class CLSVorelDataFile;
class CLSVorelDataItem;
class CLSVorelSettings;

/// The paper and margins the pages are laid out on, as the page set-up
/// keeps them.
struct CLSPageSetup {
    int paperWidth = 2100;  // tenths of a millimetre, upright
    int paperHeight = 2970;
    bool landscape = false;
    // Hundredths of a millimetre, or thousandths of an inch with inchMargins.
    int marginLeft = 2500;
    int marginTop = 2500;
    int marginRight = 2500;
    int marginBottom = 2500;
    bool inchMargins = false;

    bool operator==(const CLSPageSetup&) const = default;
};

/// Where a page starts: its first line and the running numbers there.
struct CLSPageStart {
    int position = 0;  // line index
    CLSPrintCounters counters;
    bool operator==(const CLSPageStart&) const = default;
};

/// Everything one run over the pages works with, in the target's pixels.
struct CLSPrintParam {
    CLSPrintTarget* target = nullptr;
    CLSRect area;          // the printable area inside the margins
    int blocksBottom = 0;  // where the blocks end: above the page number, if any
    int position = 0;      // the line to handle next
    CLSPrintCounters counters;
    int y = 0;  // top of the next block
    int questionLeft = 0;
    int questionRight = 0;
    int answerLeft = 0;
    int answerRight = 0;
    int lineMargin = 0;  // above and below every block
    int blocksOnPage = 0;
    /// Asked between blocks of a cancellable page (it may handle pending
    /// events); false when the learner cancelled.
    std::function<bool()> keepGoing;
};

/// The printed sheet of a data file: questions on the left, their first
/// answers on the right, titles across the page. The layout is worked out
/// once into a table of page starts, so that any page can be drawn alone.
class CLSPrint {
  public:
    static constexpr int kScreenDpi = 96;
    /// Reports the lines laid out so far; false stops the count.
    using Progress = std::function<bool(int line, int lineCount)>;

    CLSPrint(CLSVorelSettings& settings, CLSVorelDataFile& doc);

    CLSVorelSettings& settings() const { return m_settings; }
    CLSVorelDataFile& document() const { return m_doc; }

    /// Fills the parameters for a fresh run on target over the paper of setup.
    void initializePrintParam(CLSPrintParam& param, CLSPrintTarget& target,
                              const CLSPageSetup& setup) const;
    /// The number of pages, working out the page table first when it is
    /// empty. -1 when a line fits on no page (after the warning through the
    /// document's prompter) or when progress stopped the count.
    int getPageCount(CLSPrintTarget& target, const CLSPageSetup& setup,
                     const Progress& progress = {});
    /// Lays out one page, drawing page index page (from its page start up to
    /// the next page's), or with -1 the next page from param's position
    /// without drawing. cancellable asks param.keepGoing between blocks;
    /// forced places every block even where it does not fit. false when the
    /// page is beyond the table, when cancelled, or when a block fits on no
    /// page (the job is aborted and the warning shown).
    bool printOnePage(CLSPrintParam& param, int page, bool cancellable, bool forced);

    /// Forgets the page table (the printer, paper or print options changed).
    void clearPageTable();
    bool hasPageTable() const { return m_counted; }
    const std::vector<CLSPageStart>& pageTable() const { return m_pages; }

  private:
    bool titleBlock(CLSPrintParam& param, const CLSVorelDataItem& line, bool draw, bool forced);
    bool questionBlock(CLSPrintParam& param, const CLSVorelDataItem& line, bool draw, bool forced);
    CLSSentenceLayout layoutIn(CLSPrintTarget& target, const CLSSentence& sentence,
                               const CLSVorelFont& font, int width) const;
    int fontRate() const;
    bool fits(const CLSPrintParam& param, int height, bool forced) const;
    const CLSVorelFont& pageNumberFont() const;
    void drawPageNumber(CLSPrintParam& param, int page);
    void drawNumber(CLSPrintParam& param, const CLSSentence& text, const CLSSentenceLayout& layout,
                    int left, const CLSVorelFont& font, int mainLineHeight, int blockHeight);

    CLSVorelSettings& m_settings;
    CLSVorelDataFile& m_doc;
    std::vector<CLSPageStart> m_pages;
    bool m_counted = false;
};

/// The page number at the foot of a page: "3 / 12" (1-based page of count).
CLSTString PageNumberText(int page, int pageCount);

/// The warning of a line that fits on no page: the line's 1-based number in
/// the file (its index + 2, the header being line 1) and "行目のデータが用紙に収まりません。".
CLSTString DoesNotFitText(int lineIndex);
