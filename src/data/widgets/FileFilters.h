#pragma once

/// The filters of the import and export file dialogs.
inline constexpr const char* kDelimitedFileFilter =
    "CSV ファイル (*.csv);;テキストファイル (*.txt);;すべてのファイル (*)";
