// The editor's tools on any lines: find, select, sort, group, history,
// marks and swap never crash, and every change undone gives back each line's
// text exactly. vorel-cli's argument forms take the same bytes.

#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string>
#include <vector>

#include "cli/EditArgs.h"
#include "data/DataFileWriter.h"
#include "data/VorelDataFile.h"
#include "editor/EditorLines.h"
#include "editor/QuestionTools.h"
#include "settings/VorelSettings.h"
#include "text/Prompter.h"

namespace {

// Bytes taken from the front of the input to steer the run.
struct Steer {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
    int next(int n) { return at < size ? data[at++] % n : 0; }
};

std::vector<std::string> texts(const CLSVorelDataFile& doc) {
    std::vector<std::string> out;
    for (int i = 0; i < doc.getItemCount(); ++i)
        out.push_back(DataLineText(*doc.getLine(i), doc.getVersion()).str());
    return out;
}

void undoes(CLSVorelDataFile& doc, CLSLineChange change) {
    std::vector<std::string> before = texts(doc);
    std::vector<const CLSVorelDataItem*> lines;
    for (int i = 0; i < doc.getItemCount(); ++i)
        lines.push_back(doc.getLine(i));
    change.apply(doc);
    change.revert(doc);
    if (texts(doc) != before) std::abort();
    for (int i = 0; i < doc.getItemCount(); ++i) {
        if (doc.getLine(i) != lines[i]) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 8) return 0;
    Steer steer{data, 8};
    std::string rest(reinterpret_cast<const char*>(data) + 8, size - 8);
    // The first line is the text to find and the arguments to parse.
    size_t cut = rest.find('\n');
    std::string needle = rest.substr(0, cut);
    std::string body = cut == std::string::npos ? std::string() : rest.substr(cut + 1);

    int from = 0;
    int to = 0;
    CLSSortKey first;
    CLSSortKey second;
    int mask = 0;
    int group = 0;
    ParseNumberRange(needle, from, to);
    bool keys = ParseSortKeys(needle, first, second);
    ParseTargetMask(needle, mask);
    ParseGroup(needle, group);

    CLSVorelSettings settings;
    SilentPrompter prompter;
    CLSVorelDataFile doc(settings, prompter);
    for (CLSVorelDataItem& item : LinesFromText(CLSTString(body), 5))
        doc.appendItem(std::move(item));
    int count = doc.getItemCount();

    CLSTString text(needle);
    int targets = steer.next(64);
    for (int i = FindLine(doc, -1, true, text, targets); i >= 0;
         i = FindLine(doc, i, true, text, targets)) {
        if (!LineMatches(*doc.getLine(i), text, targets)) std::abort();
    }
    FindQuestion(doc, doc.getQuestionCount(), false, text, targets);

    auto kind = static_cast<RangeKind>(steer.next(3));
    int a = steer.next(count + 3) - 1;
    int b = steer.next(count + 3) - 1;
    RangePreview(doc, kind, a);
    CLSSelectCondition condition;
    condition.by = static_cast<SelectBy>(steer.next(3));
    condition.group = steer.next(11);
    condition.text = text;
    condition.targets = targets;
    std::vector<int> all(count);
    std::iota(all.begin(), all.end(), 0);
    std::vector<int> selected = all;
    if (auto lines = RangeLines(doc, kind, a, b)) {
        if (lines->first < 0 || lines->second >= count || lines->first > lines->second)
            std::abort();
        selected = SelectLines(doc, *lines, condition, static_cast<SelectAction>(steer.next(3)),
                               {0, count / 2});
    }
    SelectDescription(kind, a, b, condition, text, SelectAction::kAdd);

    if (!keys) {
        first = {static_cast<SortBy>(steer.next(4)), steer.next(2) == 1};
        second = {static_cast<SortBy>(steer.next(4)), steer.next(2) == 1};
    }
    undoes(doc, SortChange(doc, selected, first, second));
    undoes(doc, GroupChange(doc, selected, steer.next(10)));
    undoes(doc, ClearHistoryChange(doc, selected));
    undoes(doc, MarkChange(doc, selected, steer.next(2) == 1));
    CLSSwapOptions options;
    options.append = steer.next(2) == 1;
    options.copyHints = steer.next(2) == 1;
    options.copyComment = true;
    options.group = steer.next(11) - 1;
    undoes(doc, SwapChange(doc, selected, options));
    return 0;
}
