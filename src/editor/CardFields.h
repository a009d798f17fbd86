#pragma once

#include <vector>

#include "data/DataFileVersion.h"
#include "data/VorelDataItem.h"
#include "text/TString.h"

class CLSVorelDataQuestion;

// What the editor's cards show of a line and how their fields become the
// line again: the rules, kept here so the cards only display them (CP932).

/// The question card's answer list: "答え1", "答え2", …, or "答え" alone for
/// a question without answers; then "新規答え" from format 1.3 on.
std::vector<CLSTString> AnswerEntries(const CLSVorelDataQuestion& question, int version);
/// "ヒント1", … then "新規ヒント"; "選択肢1", … then "新規選択肢" (format 1.5 on).
std::vector<CLSTString> HintEntries(const CLSVorelDataQuestion& question, int version);
std::vector<CLSTString> ChoiceEntries(const CLSVorelDataQuestion& question, int version);
/// Whether the hint and choice lists can be edited, and the answer list.
inline bool HintsAndChoicesEditable(int version) {
    return version >= DataFileVersion::kTimeLimit;
}
inline bool AnswerListEditable(int version) {
    return version >= DataFileVersion::kSettingLines;
}

/// "解答数": "1 (一問一答)", "2", … up to the number of answers (one at least).
std::vector<CLSTString> AnswerCountEntries(int answers);
/// The entry shown for the question's required count: the count, at most
/// the number of answers, less one; 0 when that is below 0.
int AnswerCountIndex(const CLSVorelDataQuestion& question);

/// "正誤履歴": per stored result "○", "×" or "？", a TAB and the date
/// "2026/12/09 03:15", or "？？？" for a result without a date.
std::vector<CLSTString> HistoryEntries(const CLSVorelDataQuestion& question);

/// The title card's "選択肢数": "記述" (written answers) and 1 to 9.
std::vector<CLSTString> ChoiceCountEntries();

/// The font card's "文字セット" list, in its order.
const std::vector<int>& OfferedCharsets();
/// A font line from the card's fields: each empty field leaves its part
/// unset (size and character set -1, no face name); a size without digits
/// is unset too.
CLSVorelDataFont FontFromFields(const CLSTString& size, const CLSTString& charset,
                                const CLSTString& face, const CLSTString& comment);
/// The number in a field of digits, or -1 (unset) for a field without digits.
int NumberFromField(const CLSTString& text);
/// A number as its field shows it: "" for -1 (unset).
CLSTString NumberFieldText(int value);
/// The number card's label of a kind: "制限時間(&N)", "問題表示時間(&N)",
/// "解答開始時間(&N)", "解答欄の高さ(&N)".
CLSTString NumberLabel(int kind);
/// Its unit: "秒" for the times, "行" for the answer field's height, which
/// counts lines.
CLSTString NumberUnit(int kind);
/// The program's warning when a value is outside what the settings take
/// (times 0-32767, the height 1-100), "" when it is in range or unset (-1).
CLSTString NumberRefusal(int kind, int value);
