#include "editor/CardFields.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "data/VorelDataQuestion.h"
#include "settings/CustomizeRules.h"
#include "text/Codec.h"
#include "text/Common.h"
#include "text/Language.h"

namespace {

// name holds %1 for the entry's number.
std::vector<CLSTString> numbered(const char* name, int count, const char* newEntry, bool withNew) {
    std::vector<CLSTString> entries;
    for (int i = 1; i <= count; ++i)
        entries.push_back(CLSTString(Fill(name, {std::to_string(i)})));
    if (withNew) entries.push_back(CLSTString(newEntry));
    return entries;
}

}  // namespace

std::vector<CLSTString> AnswerEntries(const CLSVorelDataQuestion& question, int version) {
    int answers = question.getAnswerCount();
    std::vector<CLSTString> entries =
        numbered(VT("答え%1"), answers, VT("新規答え"), AnswerListEditable(version));
    if (answers == 0) entries.insert(entries.begin(), CLSTString(VT("答え")));
    return entries;
}

std::vector<CLSTString> HintEntries(const CLSVorelDataQuestion& question, int version) {
    return numbered(VT("ヒント%1"), question.getHintCount(), VT("新規ヒント"),
                    HintsAndChoicesEditable(version));
}

std::vector<CLSTString> ChoiceEntries(const CLSVorelDataQuestion& question, int version) {
    return numbered(VT("選択肢%1"), question.getChoiceCount(), VT("新規選択肢"),
                    HintsAndChoicesEditable(version));
}

std::vector<CLSTString> AnswerCountEntries(int answers) {
    std::vector<CLSTString> entries = {CLSTString(VT("1 (一問一答)"))};
    for (int i = 2; i <= answers; ++i)
        entries.push_back(CLSTString(i));
    return entries;
}

int AnswerCountIndex(const CLSVorelDataQuestion& question) {
    return std::max(0, std::min(question.answerCount(), question.getAnswerCount()) - 1);
}

std::vector<CLSTString> HistoryEntries(const CLSVorelDataQuestion& question) {
    std::vector<CLSTString> entries;
    for (const CLSHistoryEntry& e : question.history()) {
        CLSTString entry(e.result == 1 ? "○" : e.result == 0 ? "×" : VT("？"));
        if (e.month != 0) {
            char date[64];
            std::snprintf(date, sizeof date, "\t%d/%02d/%02d %02d:%02d", e.year, e.month, e.day,
                          e.hour, e.minute);
            entry.append(date);
        } else {
            entry.append('\t').append(VT("？？？"));
        }
        entries.push_back(entry);
    }
    return entries;
}

std::vector<CLSTString> ChoiceCountEntries() {
    std::vector<CLSTString> entries = {CLSTString(VT("記述"))};
    for (int i = 1; i <= 9; ++i)
        entries.push_back(CLSTString(i));
    return entries;
}

const std::vector<int>& OfferedCharsets() {
    // "ANSI" (0) has a name but is not offered.
    static const std::vector<int> charsets = {1,   134, 128, 2,   129, 136, 255, 130, 177,
                                              178, 161, 162, 222, 238, 204, 77,  186};
    return charsets;
}

int NumberFromField(const CLSTString& text) {
    std::string digits;
    for (char c : text.view()) {
        if (c >= '0' && c <= '9') digits += c;
    }
    if (digits.empty()) return -1;
    // More digits than an int holds are the largest setting there is.
    if (digits.size() > 9) return 999999999;
    return std::stoi(digits);
}

CLSTString NumberFieldText(int value) {
    return value < 0 ? CLSTString() : CLSTString(value);
}

CLSVorelDataFont FontFromFields(const CLSTString& size, const CLSTString& charset,
                                const CLSTString& face, const CLSTString& comment) {
    CLSVorelDataFont font;
    if (!size.isEmpty()) font.size = NumberFromField(size);
    if (!charset.isEmpty()) font.charset = charsetFromName(charset.text());
    font.faceName = face;
    font.comment = comment;
    return font;
}

CLSTString NumberLabel(int kind) {
    switch (kind) {
        case kLineTimeLimit:
            return CLSTString(VT("制限時間(&N)"));
        case kLineQuestionShowTime:
            return CLSTString(VT("問題表示時間(&N)"));
        case kLineAnswerStartTime:
            return CLSTString(VT("解答開始時間(&N)"));
        default:
            return CLSTString(VT("解答欄の高さ(&N)"));
    }
}

CLSTString NumberUnit(int kind) {
    return CLSTString(kind == kLineInputFieldHeight ? VT("行") : VT("秒"));
}

CLSTString NumberRefusal(int kind, int value) {
    if (value == -1) return CLSTString();
    if (kind == kLineInputFieldHeight) {
        if (value >= kSettingHeightMin && value <= kSettingHeightMax) return CLSTString();
        return CLSTString(VT("答え入力欄の高さは 1 ～ 100 の間で指定してください。"));
    }
    if (value >= 0 && value <= kSettingNumberMax) return CLSTString();
    if (kind == kLineTimeLimit)
        return CLSTString(VT("制限時間は 0 ～ 32767 の間で指定してください。"));
    if (kind == kLineQuestionShowTime)
        return CLSTString(VT("問題表示時間は 0 ～ 32767 の間で指定してください。"));
    return CLSTString(VT("解答開始時間は 0 ～ 32767 の間で指定してください。"));
}
