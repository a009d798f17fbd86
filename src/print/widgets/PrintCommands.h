#pragma once

class CLSVorelDataFile;
class QWidget;

// The file menu's printing commands, as the main window runs them.

/// Whether printing applies: the document has questions.
bool CanPrint(const CLSVorelDataFile& doc);
/// "印刷設定": the print-settings dialog over the document's settings.
void ShowPrintSettings(QWidget* owner, CLSVorelDataFile& doc);
/// "印刷プレビュー": the preview of the document on the shared printer's
/// paper; it does not open when a line fits on no page.
void ShowPrintPreview(QWidget* owner, CLSVorelDataFile& doc);
/// "印刷": the print dialog, then the pages.
void PrintDocument(QWidget* owner, CLSVorelDataFile& doc);
