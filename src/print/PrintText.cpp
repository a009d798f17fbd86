#include "print/PrintText.h"

#include <algorithm>

#include "data/VorelDataFile.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Language.h"

CLSTString NumberText(const CLSTString& format, const CLSPrintCounters& counters) {
    std::string_view f = format.view();
    const int n = static_cast<int>(f.size());
    std::string out;
    out.reserve(f.size() + 8);
    for (int i = 0; i < n;) {
        int len = charLengthAt(f.data(), i, n);
        // Only an ASCII letter right after "&" makes a placeholder.
        if (len == 1 && f[i] == '&' && i + 1 < n && charLengthAt(f.data(), i + 1, n) == 1) {
            char c = f[i + 1];
            if (c == 't' || c == 'q' || c == 'Q' || c == '&') {
                if (c == '&') {
                    out += '&';
                } else {
                    int value = c == 't'   ? counters.titleNumber
                                : c == 'q' ? counters.questionNumber
                                           : counters.questionInTitle;
                    out += std::to_string(value);
                }
                i += 2;
                continue;
            }
        }
        out.append(f.substr(static_cast<size_t>(i), static_cast<size_t>(len)));
        i += len;
    }
    return CLSTString(out);
}

CLSSentence NumberSentence(const CLSTString& format, const CLSPrintCounters& counters) {
    CLSSentence sentence(NumberText(format, counters));
    sentence.unescape();
    return sentence;
}

const char* RuleStyleName(int style) {
    switch (style) {
        case 0:
            return VT("なし");
        case 1:
            return VT("実線");
        case 2:
            return VT("破線");
        case 3:
            return VT("点線");
        case 4:
            return VT("1点鎖線");
        case 5:
            return VT("2点鎖線");
        default:
            return "";
    }
}

int PrintFontLineKind(int fontIndex) {
    return kLineFontPrintTitle + fontIndex;
}

CLSVorelFont PrintFont(const CLSVorelDataFile& doc, const CLSVorelSettings& settings, int fontIndex,
                       const CLSVorelDataItem* line) {
    const CLSVorelFont& base = settings.printFont(fontIndex);
    if (!settings.useDataDesign()) return base;
    return doc.fontAt(PrintFontLineKind(fontIndex), base, line);
}

CLSPageRange PagesToPrint(bool range, int fromPage, int toPage, int pageCount) {
    CLSPageRange pages;
    if (pageCount <= 0) return pages;
    if (!range) return {0, pageCount - 1};
    pages.first = std::max(0, fromPage - 1);
    pages.last = std::min(toPage - 1, pageCount - 1);
    return pages;
}
