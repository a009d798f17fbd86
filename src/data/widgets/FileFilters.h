#pragma once

#include <QtGlobal>

/// The filters of the import and export file dialogs.
/// Translated in the context CLSDlgImport.
inline constexpr const char* kDelimitedFileFilter = QT_TRANSLATE_NOOP(
    "CLSDlgImport", "CSV ファイル (*.csv);;テキストファイル (*.txt);;すべてのファイル (*)");
