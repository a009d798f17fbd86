#pragma once

#include <vector>

#include "text/TString.h"

class CLSVorelDataFile;

/// Roles of imported columns.
enum ImportRole {
    kImportIgnore = 0,
    kImportQuestion = 1,
    kImportHint = 2,
    kImportAnswer = 3,
    kImportComment = 4
};

/// The document's questions as comma- (or TAB-) separated text with the
/// header "問題番号,問題,答え,グループ,コメント"; false after the code 6
/// message (through the document's prompter) when the file cannot be written.
bool ExportQuestions(const CLSVorelDataFile& doc, const CLSTString& path, bool commaSeparated);
/// Replaces the document by questions read from delimited text, a column
/// each as roles says; false (document untouched) for a role given twice,
/// false (document emptied) when the file cannot be read.
bool ImportQuestions(CLSVorelDataFile& doc, const CLSTString& path, char separator,
                     bool skipFirstRecord, const std::vector<int>& roles);
