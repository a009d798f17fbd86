#include "editor/LineRows.h"

#include "data/VorelDataFile.h"
#include "text/Codec.h"

CLSTString SettingKindName(int kind) {
    switch (kind) {
        case kLineFontTitle:
            return CLSTString("タイトルフォント");
        case kLineFontQuestion:
            return CLSTString("問題フォント");
        case kLineFontHint:
            return CLSTString("ヒントフォント");
        case kLineFontAnswer:
            return CLSTString("答えフォント");
        case kLineFontComment:
            return CLSTString("コメントフォント");
        case kLineFontPrintTitle:
            return CLSTString("印刷タイトルフォント");
        case kLineFontPrintQuestion:
            return CLSTString("印刷問題フォント");
        case kLineFontPrintAnswer:
            return CLSTString("印刷答えフォント");
        case kLineFontPrintTitleNumber:
            return CLSTString("印刷タイトル番号フォント");
        case kLineFontPrintQuestionNumber:
            return CLSTString("印刷問題番号フォント");
        case kLineFontPrintAnswerNumber:
            return CLSTString("印刷答え番号フォント");
        case kLineTimeLimit:
            return CLSTString("制限時間");
        case kLineQuestionShowTime:
            return CLSTString("問題表示時間");
        case kLineAnswerStartTime:
            return CLSTString("解答開始時間");
        case kLineInputFieldHeight:
            return CLSTString("答え入力欄の高さ");
        default:
            return CLSTString("(不明)");
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
            row.kind = CLSTString("タイトル").append(doc.getTitleNumber(item) + 1);
            row.data = oneLine(item->title().text);
            break;
        case kLineQuestion:
            row.kind = CLSTString("問題").append(doc.getQuestionNumber(item) + 1);
            row.data = oneLine(item->question().getQuestion().toText());
            break;
        case kLineComment:
            row.kind = CLSTString("コメント");
            row.data = Escaped(item->comment().text);
            break;
        default:
            row.kind = CLSTString("設定");
            row.data = SettingKindName(item->kind());
            break;
    }
    return row;
}
