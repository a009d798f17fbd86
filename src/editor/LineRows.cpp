#include "editor/LineRows.h"

#include <string>

#include "data/VorelDataFile.h"
#include "text/Codec.h"
#include "text/Language.h"

CLSTString SettingKindName(int kind) {
    switch (kind) {
        case kLineFontTitle:
            return CLSTString(VT("タイトルフォント"));
        case kLineFontQuestion:
            return CLSTString(VT("問題フォント"));
        case kLineFontHint:
            return CLSTString(VT("ヒントフォント"));
        case kLineFontAnswer:
            return CLSTString(VT("答えフォント"));
        case kLineFontComment:
            return CLSTString(VT("コメントフォント"));
        case kLineFontPrintTitle:
            return CLSTString(VT("印刷タイトルフォント"));
        case kLineFontPrintQuestion:
            return CLSTString(VT("印刷問題フォント"));
        case kLineFontPrintAnswer:
            return CLSTString(VT("印刷答えフォント"));
        case kLineFontPrintTitleNumber:
            return CLSTString(VT("印刷タイトル番号フォント"));
        case kLineFontPrintQuestionNumber:
            return CLSTString(VT("印刷問題番号フォント"));
        case kLineFontPrintAnswerNumber:
            return CLSTString(VT("印刷答え番号フォント"));
        case kLineTimeLimit:
            return CLSTString(VT("制限時間"));
        case kLineQuestionShowTime:
            return CLSTString(VT("問題表示時間"));
        case kLineAnswerStartTime:
            return CLSTString(VT("解答開始時間"));
        case kLineInputFieldHeight:
            return CLSTString(VT("答え入力欄の高さ"));
        default:
            return CLSTString(VT("(不明)"));
    }
}

namespace {

// A list row shows one line of text: line breaks become blanks.
CLSTString oneLine(CLSTString text) {
    text.replaceAll('\r', ' ');
    text.replaceAll('\n', ' ');
    return text;
}

}  // namespace

CLSLineRow LineRow(const CLSVorelDataFile& doc, int line) {
    CLSLineRow row;
    const CLSVorelDataItem* item = doc.getLine(line);
    if (!item) return row;
    row.number = CLSTString(line + 2);
    switch (item->kind()) {
        case kLineTitle:
            row.kind =
                CLSTString(Fill(VT("タイトル%1"), {std::to_string(doc.getTitleNumber(item) + 1)}));
            row.data = oneLine(item->title().text);
            break;
        case kLineQuestion:
            row.kind =
                CLSTString(Fill(VT("問題%1"), {std::to_string(doc.getQuestionNumber(item) + 1)}));
            row.data = oneLine(item->question().getQuestion().toText());
            break;
        case kLineComment:
            row.kind = CLSTString(VT("コメント"));
            row.data = Escaped(item->comment().text);
            break;
        default:
            row.kind = CLSTString(VT("設定"));
            row.data = SettingKindName(item->kind());
            break;
    }
    return row;
}
