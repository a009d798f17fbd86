// Exchanging questions with other programs as comma- or TAB-separated text.

#include <algorithm>

#include "data/ImportExport.h"

#include "data/VorelDataFile.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/FileReadLine.h"
#include "text/Prompter.h"
#include "text/SafeFile.h"

namespace {

const char* const kSource = "VRLFILE";

}  // namespace

bool ExportQuestions(const CLSVorelDataFile& doc, const CLSTString& path, bool commaSeparated) {
    CLSTraceScope trace("CLSVorelDataFile::exportFile");
    char separator = commaSeparated ? ',' : '\t';
    CLSFileSafeWrite out;
    if (!out.open(path)) {
        showError(CLSError(kSource, __LINE__, CLSError::kWrite), doc.prompter());
        return false;
    }
    try {
        CLSFileWriteString& file = out.file();
        CLSTString header(SJIS("問題番号,問題,答え,グループ,コメント"));
        if (!commaSeparated) header.replaceAll(',', '\t');
        file.writeLine(header);
        int number = 0;
        for (int n = 0; n < doc.getQuestionCount(); ++n) {
            const CLSVorelDataQuestion& q = doc.getQuestion(n)->question();
            file.write(++number);
            file.write(separator);
            file.write(q.getQuestion().toText().quoteCsv());
            file.write(separator);
            // A question without an answer exports an empty answer column.
            file.write(q.firstAnswer().toText().quoteCsv());
            file.write(separator);
            file.write(doc.getGroupName(std::clamp(q.group(), 0, CLSVorelDataFile::kGroupCount - 1))
                           .quoteCsv());
            file.write(separator);
            file.writeLine(q.getComment().toText().quoteCsv());
        }
        out.commit();
    } catch (const CLSError&) {
        showError(CLSError(kSource, __LINE__, CLSError::kWrite), doc.prompter());
        return false;
    }
    return true;
}

bool ImportQuestions(CLSVorelDataFile& doc, const CLSTString& path, char separator,
                     bool skipFirstRecord, const std::vector<int>& roles) {
    CLSTraceScope trace("CLSVorelDataFile::importFile");
    static const char* const duplicateMessages[] = {
        nullptr,
        SJIS("項目「問題」が複数設定されています。"),
        SJIS("項目「ヒント」が複数設定されています。"),
        SJIS("項目「答え」が複数設定されています。"),
        SJIS("項目「コメント」が複数設定されています。"),
    };
    bool seen[5] = {};
    for (int role : roles) {
        if (role < kImportQuestion || role > kImportComment) continue;
        if (seen[role]) {
            doc.prompter().message(PromptIcon::Warning, CLSTString(duplicateMessages[role]));
            return false;
        }
        seen[role] = true;
    }

    doc.newFile();
    CLSFileReadLine file;
    if (!file.open(path)) return false;
    CLSTStringArray fields;
    if (skipFirstRecord) file.readFields(fields, separator);
    while (file.readFields(fields, separator)) {
        CLSVorelDataQuestion q;
        CLSSentenceArray hints;
        CLSSentenceArray answers;
        int columns = std::min(fields.count(), static_cast<int>(roles.size()));
        for (int i = 0; i < columns; ++i) {
            // Media markup becomes objects; backslashes and brackets stay as written.
            CLSSentence value(fields[i]);
            switch (roles[i]) {
                case kImportQuestion:
                    q.setQuestion(value);
                    break;
                case kImportHint:
                    if (value.markupLength() > 0) hints.add(value);
                    break;
                case kImportAnswer:
                    if (value.markupLength() > 0) answers.add(value);
                    break;
                case kImportComment:
                    q.setComment(value);
                    break;
                default:
                    break;
            }
        }
        q.setHints(hints);
        q.setAnswers(answers);
        if (q.getQuestion().markupLength() > 0 || q.getAnswerCount() > 0)
            doc.appendItem(CLSVorelDataItem::makeQuestion(std::move(q)));
    }
    doc.setModified();
    return true;
}
