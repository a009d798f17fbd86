// Writing a data file: the header, every line, then the group names and the message.

#include "data/DataFileWriter.h"

#include "data/DataLineFormat.h"
#include "data/VorelDataFile.h"
#include "text/Common.h"
#include "text/FileWriteString.h"

namespace {

const char kHeader[] = "VORELDATA V";

}  // namespace

void WriteDataFile(CLSFileWriteString& file, const CLSVorelDataFile& doc) {
    int version = doc.getVersion();
    file.write(kHeader);
    file.writeLine(versionText(version));
    for (int i = 0; i < doc.getItemCount(); ++i) {
        const CLSVorelDataItem* line = doc.getLine(i);
        int kind = line->kind();
        if (kind == kLineTitle) {
            file.writeLine(WriteTitleLine(line->title()));
        } else if (kind == kLineQuestion) {
            file.writeLine(WriteQuestionLine(line->question(), version));
        } else if (kind == kLineComment) {
            file.writeLine(WriteCommentLine(line->comment()));
        } else if (IsNumberKind(kind)) {
            file.writeLine(WriteNumberLine(kind, line->number()));
        } else if (IsFontKind(kind)) {
            // Print fonts are written like the others: dropping them lost
            // the learner's print fonts at the first save.
            CLSTString text = WriteFontLine(kind, line->font());
            if (!text.isEmpty()) file.writeLine(text);
        }
    }
    // Group names are read from version 1.3 on, so they are written from
    // there too: writing them only from 1.4 would lose them on a 1.3 file.
    if (version >= 13) {
        file.write("$Group=");
        for (int i = 0; i < CLSVorelDataFile::kGroupCount; ++i) {
            if (i > 0) file.write(',');
            file.write(Escaped(doc.getGroupName(i)));
        }
        file.writeNewLine();
        if (!doc.getMessage().isEmpty()) {
            file.write("$Message=");
            file.writeLine(Escaped(doc.getMessage()));
        }
    }
}
