// Conditional select: ranges by line, question or title number, their
// previews, the condition and the selection it leaves.

#include <algorithm>
#include <string>

#include "data/DataFileWriter.h"
#include "data/VorelDataFile.h"
#include "editor/QuestionTools.h"
#include "settings/CustomizeRules.h"
#include "text/Codec.h"
#include "text/Language.h"

namespace {

// A preview field shows one line: line breaks become blanks.
CLSTString oneLine(CLSTString text) {
    text.replaceAll('\r', ' ');
    text.replaceAll('\n', ' ');
    return text;
}

const char* kindWord(RangeKind kind) {
    switch (kind) {
        case RangeKind::kLines:
            return VT("行番号");
        case RangeKind::kQuestions:
            return VT("問題番号");
        case RangeKind::kTitles:
            return VT("タイトル番号");
    }
    return "";
}

const char* actionWord(SelectAction action) {
    switch (action) {
        case SelectAction::kNew:
            return VT("新規選択");
        case SelectAction::kAdd:
            return VT("追加選択");
        case SelectAction::kRemove:
            return VT("選択解除");
    }
    return "";
}

}  // namespace

std::pair<int, int> RangeBounds(const CLSVorelDataFile& doc, RangeKind kind) {
    switch (kind) {
        case RangeKind::kLines:
            return {2, doc.getItemCount() + 1};
        case RangeKind::kQuestions:
            return {1, doc.getQuestionCount()};
        case RangeKind::kTitles:
            return {1, doc.getTitleCount()};
    }
    return {1, 0};
}

std::optional<std::pair<int, int>> RangeLines(const CLSVorelDataFile& doc, RangeKind kind, int from,
                                              int to) {
    auto [low, high] = RangeBounds(doc, kind);
    if (from < low || to > high || from > to) return std::nullopt;
    switch (kind) {
        case RangeKind::kLines:
            return std::make_pair(from - 2, to - 2);
        case RangeKind::kQuestions:
            return std::make_pair(doc.getLineNumber(doc.getQuestion(from - 1)),
                                  doc.getLineNumber(doc.getQuestion(to - 1)));
        case RangeKind::kTitles: {
            int end = to < high ? doc.getLineNumber(doc.getTitle(to)) : doc.getItemCount();
            return std::make_pair(doc.getLineNumber(doc.getTitle(from - 1)), end - 1);
        }
    }
    return std::nullopt;
}

CLSTString RangeRefusal(const CLSVorelDataFile& doc, RangeKind kind, int from, int to) {
    auto [low, high] = RangeBounds(doc, kind);
    if (low <= high) {
        const char* refusals[2] = {VT("開始は %1 ～ %2 の間で指定してください。"),
                                   VT("終了は %1 ～ %2 の間で指定してください。")};
        int values[2] = {from, to};
        for (int i = 0; i < 2; ++i) {
            if (values[i] >= low && values[i] <= high) continue;
            return CLSTString(Fill(refusals[i], {std::to_string(low), std::to_string(high)}));
        }
    }
    if (RangeLines(doc, kind, from, to)) return CLSTString();
    return CLSTString(VT("値が有効範囲を超えています。"));
}

CLSTString RangePreview(const CLSVorelDataFile& doc, RangeKind kind, int number) {
    auto [low, high] = RangeBounds(doc, kind);
    if (number < low || number > high) return CLSTString();
    switch (kind) {
        case RangeKind::kLines:
            return DataLineText(*doc.getLine(number - 2), doc.getVersion());
        case RangeKind::kQuestions:
            return oneLine(doc.getQuestion(number - 1)->question().getQuestion().toText());
        case RangeKind::kTitles:
            return oneLine(doc.getTitle(number - 1)->title().text);
    }
    return CLSTString();
}

bool QuestionMeets(const CLSVorelDataItem& line, const CLSSelectCondition& condition) {
    if (!line.isQuestion()) return false;
    const CLSVorelDataQuestion& q = line.question();
    switch (condition.by) {
        case SelectBy::kGroup:
            return condition.group == 0 || q.group() == condition.group - 1;
        case SelectBy::kText:
            return LineMatches(line, condition.text, condition.targets);
        case SelectBy::kMark:
            return (q.mark() != 0) == condition.marked;
    }
    return false;
}

std::vector<int> SelectLines(const CLSVorelDataFile& doc, std::pair<int, int> lines,
                             const CLSSelectCondition& condition, SelectAction action,
                             const std::vector<int>& selected) {
    int first = std::max(lines.first, 0);
    int last = std::min(lines.second, doc.getItemCount() - 1);
    std::vector<int> result;
    auto meets = [&](int i) { return QuestionMeets(*doc.getLine(i), condition); };
    if (action == SelectAction::kNew) {
        // A new selection starts from nothing, outside the range too.
        for (int i = first; i <= last; ++i) {
            if (meets(i)) result.push_back(i);
        }
        return result;
    }
    std::vector<int> before = selected;
    std::sort(before.begin(), before.end());
    before.erase(std::unique(before.begin(), before.end()), before.end());
    result.reserve(before.size());
    auto next = before.begin();
    for (; next != before.end() && *next < first; ++next)
        result.push_back(*next);
    for (int i = first; i <= last; ++i) {
        bool was = next != before.end() && *next == i;
        if (was) ++next;
        bool keep = action == SelectAction::kAdd ? was || meets(i) : was && !meets(i);
        if (keep) result.push_back(i);
    }
    for (; next != before.end(); ++next) {
        if (*next > last) result.push_back(*next);
    }
    return result;
}

CLSTString SelectDescription(RangeKind kind, int from, int to, const CLSSelectCondition& condition,
                             const CLSTString& groupLabel, SelectAction action) {
    // The questions the condition picks, as one phrase of the sentence.
    std::string which;
    switch (condition.by) {
        case SelectBy::kGroup:
            which = condition.group == 0
                        ? VT("のすべての問題")
                        : Fill(VT("で，グループ「%1」の問題"), {groupLabel.view()});
            break;
        case SelectBy::kText:
            which = Fill(VT("で，「%1」を含む問題"), {condition.text.view()});
            break;
        case SelectBy::kMark:
            which = condition.marked ? VT("で，マークがついている問題")
                                     : VT("で，マークがついていない問題");
            break;
    }
    return CLSTString(Fill(
        VT("%1%2～%3内%4を%5します。"),
        {kindWord(kind), std::to_string(from), std::to_string(to), which, actionWord(action)}));
}

std::vector<int> SelectedQuestions(const CLSVorelDataFile& doc, const std::vector<int>& selected) {
    std::vector<int> lines;
    for (int i : selected) {
        const CLSVorelDataItem* line = doc.getLine(i);
        if (line && line->isQuestion()) lines.push_back(i);
    }
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}
