#pragma once

#include "sentence/Sentence.h"
#include "settings/VorelFont.h"
#include "text/TString.h"

class CLSVorelDataFile;
class CLSVorelDataItem;
class CLSVorelSettings;

// The texts and fonts a printed page is made of, apart from the layout.

/// The running numbers a number format refers to.
struct CLSPrintCounters {
    int titleNumber = 1;      // &t
    int questionNumber = 1;   // &q
    int questionInTitle = 1;  // &Q, from 1 again after every title
    bool operator==(const CLSPrintCounters&) const = default;
};

/// A number format with its placeholders filled in: "&t", "&q" and "&Q"
/// become the counters, "&&" a single "&"; any other "&" stays as written.
CLSTString NumberText(const CLSTString& format, const CLSPrintCounters& counters);
/// The number text as a sentence, so that a format may carry markup.
CLSSentence NumberSentence(const CLSTString& format, const CLSPrintCounters& counters);

/// The name of a separator style as the settings dialog lists it ("なし",
/// "実線", …); "" outside 0-5.
const char* RuleStyleName(int style);

/// Print font index (CLSVorelSettings::PrintFontIndex) of the data file's
/// print-font line kind 55-60, and back.
int PrintFontLineKind(int fontIndex);

/// The print font of an index at a line: the settings' print font, overridden
/// by the data file's nearest print-font line of that kind when the settings
/// use the data file's design.
CLSVorelFont PrintFont(const CLSVorelDataFile& doc, const CLSVorelSettings& settings, int fontIndex,
                       const CLSVorelDataItem* line);

/// The pages a print job sends (0-based, first > last when none). With a
/// range (1-based as the print dialog gives it), its upper end is cut to the
/// last page; otherwise every page.
struct CLSPageRange {
    int first = 0;
    int last = -1;
    bool isEmpty() const { return first > last; }
};
CLSPageRange PagesToPrint(bool range, int fromPage, int toPage, int pageCount);
