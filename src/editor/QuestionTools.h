#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "editor/LineChange.h"
#include "text/TString.h"

class CLSVorelDataFile;
class CLSVorelDataItem;

// The editor's tools that work on many lines at once: find, conditional
// select, sort, group change, clearing histories, marks and swapping
// question and answer. The editor's dialogs and vorel-cli both call these;
// the changing ones return a CLSLineChange for the editor's undo stack.

/// Where find looks: the bits of the SearchFrom setting.
namespace SearchTarget {
enum : int {
    kTitle = 0x01,
    kQuestion = 0x02,
    kHints = 0x04,
    kAnswers = 0x08,
    kChoices = 0x10,
    kComment = 0x20,
    kAll = 0x3f,
    // Not a place but how texts compare: case folded in every script, as
    // judging does. Never part of the SearchFrom setting.
    kFoldCase = 0x100,
};
}  // namespace SearchTarget

/// Whether a line holds the text (bytes compared as they are, case
/// included unless kFoldCase is given) in one of the targets: a title's
/// text, a question's sentence, any hint, answer or choice, or any line's
/// comment. An empty text or a mask without a place matches nothing.
bool LineMatches(const CLSVorelDataItem& line, const CLSTString& text, int targets);

/// The first matching line after (forward) or before line `from`, never
/// wrapping round; -1 when there is none. `from` may be -1 (forward from
/// the top) or the line count (backward from the end).
int FindLine(const CLSVorelDataFile& doc, int from, bool forward, const CLSTString& text,
             int targets);

/// The same over question lines only, by question index (0-based).
int FindQuestion(const CLSVorelDataFile& doc, int fromQuestion, bool forward,
                 const CLSTString& text, int targets);

// ---- conditional select ---------------------------------------------------------------

enum class RangeKind { kLines, kQuestions, kTitles };

/// The numbers a range kind can take: lines 2 … line count + 1 (the header
/// is line 1), questions 1 … question count, titles 1 … title count. When
/// the document has none, low is greater than high.
std::pair<int, int> RangeBounds(const CLSVorelDataFile& doc, RangeKind kind);

/// The line indexes (first, last) a range walks, or nothing when from or
/// to is out of bounds or from > to. Titles walk from title `from`'s line
/// up to, not including, title `to + 1`'s line, or to the end.
std::optional<std::pair<int, int>> RangeLines(const CLSVorelDataFile& doc, RangeKind kind, int from,
                                              int to);

/// Why a range is refused, in the program's words (CP932): a number
/// outside the bounds gives them ("開始は 1 ～ 8 の間で指定してください。"),
/// an empty document or from > to "値が有効範囲を超えています。"; "" when
/// the range is walked.
CLSTString RangeRefusal(const CLSVorelDataFile& doc, RangeKind kind, int from, int to);

/// The preview beside a number field: a line in its data-file text form,
/// a question's plain text or a title's text; empty out of range.
CLSTString RangePreview(const CLSVorelDataFile& doc, RangeKind kind, int number);

enum class SelectBy { kGroup, kText, kMark };
enum class SelectAction { kNew, kAdd, kRemove };

struct CLSSelectCondition {
    SelectBy by = SelectBy::kGroup;
    int group = 0;  // 0 every group, k group k - 1
    CLSTString text;
    int targets = SearchTarget::kAll;
    bool marked = true;  // kMark: marked questions, else unmarked ones
};

/// Whether a line is a question that meets the condition.
bool QuestionMeets(const CLSVorelDataItem& line, const CLSSelectCondition& condition);

/// The selection after a conditional select: `selected` (ascending line
/// indexes) changed for the lines first … last by the action, as the
/// dialog does it (kNew also clears rows outside the range).
std::vector<int> SelectLines(const CLSVorelDataFile& doc, std::pair<int, int> lines,
                             const CLSSelectCondition& condition, SelectAction action,
                             const std::vector<int>& selected);

/// The dialog's description line, e.g. 問題番号1～10内のすべての問題を新規選択します。
/// groupLabel is the chosen group's label (unused for every group).
CLSTString SelectDescription(RangeKind kind, int from, int to, const CLSSelectCondition& condition,
                             const CLSTString& groupLabel, SelectAction action);

// ---- tools on the selected questions --------------------------------------------------

/// The question lines among the selected lines (ascending).
std::vector<int> SelectedQuestions(const CLSVorelDataFile& doc, const std::vector<int>& selected);

enum class SortBy { kQuestion, kAnswer, kGroup, kComment };
struct CLSSortKey {
    SortBy by = SortBy::kQuestion;
    bool descending = false;
};

/// The selected questions sorted among their own places (other lines stay),
/// stable: questions equal under both keys keep their file order. Text keys
/// are the plain texts of the question, its first answer and its comment,
/// compared case-insensitively as the program compares; the group key
/// compares group numbers. Empty when fewer than two questions are selected
/// or nothing would move.
CLSLineChange SortChange(const CLSVorelDataFile& doc, const std::vector<int>& questionLines,
                         CLSSortKey first, CLSSortKey second);

/// Every question line given gets the group (0-9).
CLSLineChange GroupChange(const CLSVorelDataFile& doc, const std::vector<int>& questionLines,
                          int group);
/// Every question line given loses its right/wrong history.
CLSLineChange ClearHistoryChange(const CLSVorelDataFile& doc,
                                 const std::vector<int>& questionLines);
/// Every question line given gets its mark set or cleared.
CLSLineChange MarkChange(const CLSVorelDataFile& doc, const std::vector<int>& questionLines,
                         bool on);

struct CLSSwapOptions {
    bool append = true;  // else each question is overwritten in place
    bool copyHints = false;
    bool copyComment = false;
    int group = -1;  // -1 keeps each question's group, else 0-9
};

/// Questions with question and answer exchanged: the new question is the
/// old first answer (empty when there was none), its one answer the old
/// question, no choices, no history, no mark, one answer to give; hints
/// and comment copied when asked (as they were written). Appended after
/// the last line in order, or replacing each question. An empty old
/// question gives no answer, and so does one that an answers field cannot
/// hold (a lone bracket, as in "a(b"): the new question is then what the
/// file gives back, its answers field keeping the text as written.
CLSLineChange SwapChange(const CLSVorelDataFile& doc, const std::vector<int>& questionLines,
                         const CLSSwapOptions& options);
