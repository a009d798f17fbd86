#pragma once

#include "text/TString.h"

class CLSVorelDataFile;

/// One row of the editor's line list: "行", "種類" and "データ" (CP932).
struct CLSLineRow {
    CLSTString number;  // the line's number in the file: the header is line 1
    CLSTString kind;    // "タイトル3", "問題12", "コメント", "設定"
    CLSTString data;    // the title, the question, the escaped comment, the setting's name
};

/// The row of document line i (0-based), worked out on demand so that the
/// list holds nothing of its own: a file's hundred thousand lines cost
/// nothing until they are shown. Throws nothing; an index outside gives an
/// empty row.
CLSLineRow LineRow(const CLSVorelDataFile& doc, int line);

/// The name of a setting line's kind ("制限時間", "タイトルフォント", …).
CLSTString SettingKindName(int kind);
