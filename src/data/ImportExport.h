#pragma once

#include <vector>

#include "data/ImportReader.h"
#include "text/TString.h"
#include "text/TextEncoding.h"

class CLSVorelDataFile;

/// Roles of imported columns.
enum ImportRole {
    kImportIgnore = 0,
    kImportQuestion = 1,
    kImportHint = 2,
    kImportAnswer = 3,
    kImportComment = 4,
    kImportGroup = 5,
    kImportRoleCount = 6
};

/// The header text of a role (UTF-8): "問題", "ヒント", "答え", "コメント",
/// "グループ"; "" for none.
const char* ImportRoleName(int role);
/// The role a column's name proposes: the header texts of the roles, and
/// the names other programs give such columns (Front, Back, Question,
/// Answer, Hint, Comment, Notes, Extra, Group, 表, 裏; any case); none otherwise.
int ImportRoleOfName(const CLSTString& name);
/// The roles the column names propose; columns a directive names (tags,
/// deck, note type, id) are ignored.
std::vector<int> ProposeImportRoles(const CLSTStringArray& names,
                                    const CLSImportDirectives& directives);

/// The document's questions as comma- (or TAB-) separated text in CP932 or
/// UTF-8 (with its byte-order mark), header "問題番号,問題,答え,グループ,コメント"
/// and, with withHints, a sixth column "ヒント" (the hints of a question one
/// per line). false after the code 6 message (through the document's
/// prompter) when the file cannot be written; an existing file is then
/// left as it was.
bool ExportQuestions(const CLSVorelDataFile& doc, const CLSTString& path, bool commaSeparated,
                     CLSTextEncoding encoding = CLSTextEncoding::kCp932, bool withHints = false);

/// Replaces the document by questions read from delimited text, a column
/// each as roles says. A group column holds a group's digit or its name: a
/// name becomes the name of a group of its own (the lowest the digits leave
/// free, in the order the names first appear; past ten the questions go to
/// group 0, after a warning). Nothing changes, and false is returned, when a role
/// is given twice (warning), the file cannot be read, a field is longer
/// than kMaxImportFieldBytes (message naming it), or characters CP932
/// cannot hold were found (listed with their places) and the learner chose
/// not to import them as "?".
bool ImportQuestions(CLSVorelDataFile& doc, const CLSTString& path, const CLSImportOptions& options,
                     const std::vector<int>& roles);
/// The same for a CP932 file without HTML.
bool ImportQuestions(CLSVorelDataFile& doc, const CLSTString& path, char separator,
                     bool skipFirstRecord, const std::vector<int>& roles);
