// Writing a data file: the header, every line, then the group names and the message.

#include "data/DataFileWriter.h"

#include "data/DataFileReader.h"
#include "data/DataFileVersion.h"
#include "data/DataLineFormat.h"
#include "data/ReviewLine.h"
#include "data/VorelDataFile.h"
#include "text/Common.h"
#include "text/Error.h"
#include "text/FileWriteString.h"
#include "text/Prompter.h"

namespace {

const char kHeader[] = "VORELDATA V";

// Whether a line that fit no grammar still fits none in the layout of
// version: another layout may read it as a question (a malformed 3.0
// question line can be a good 1.6 one), and then its bytes would turn into
// a line the learner never wrote.
bool staysUnreadable(const std::string& raw, int version) {
    SilentPrompter quiet;
    CLSDataFileBody ignored;
    try {
        CLSVorelDataItem again = ParseDataFileLine(CLSTString(raw), version, 0, 0, quiet, ignored);
        return again.kind() == kLineComment && again.comment().wholeLine;
    } catch (const CLSError&) {
        return false;
    }
}

CLSTString commentLineText(const CLSVorelDataComment& comment, int version) {
    if (comment.wholeLine && !comment.readLine.empty() &&
        !staysUnreadable(comment.readLine, version)) {
        return WriteCommentLine(comment.text);
    }
    return WriteCommentLine(comment);
}

}  // namespace

CLSTString DataLineText(const CLSVorelDataItem& line, int version) {
    int kind = line.kind();
    if (kind == kLineTitle) return WriteTitleLine(line.title());
    if (kind == kLineQuestion) return WriteQuestionLine(line.question(), version);
    if (kind == kLineComment) return commentLineText(line.comment(), version);
    if (IsNumberKind(kind)) return WriteNumberLine(kind, line.number());
    // Print fonts are written like the others: dropping them lost the
    // learner's print fonts at the first save.
    if (IsFontKind(kind)) return WriteFontLine(kind, line.font());
    return CLSTString();
}

std::string ReviewLineOf(const CLSVorelDataItem& line, int version) {
    if (version < DataFileVersion::kCurrent || !line.isQuestion()) return {};
    const CLSVorelDataQuestion& question = line.question();
    if (!question.review()) return {};
    return ReviewLineText(*question.review(), question.getQuestion().toMarkup().view());
}

void WriteDataFile(CLSFileWriteString& file, const CLSVorelDataFile& doc) {
    int version = doc.getVersion();
    file.setEncoding(doc.encoding());
    if (doc.encoding() == CLSTextEncoding::kUtf8) file.writeBytes(kUtf8Bom.data(), kUtf8Bom.size());
    file.write(kHeader);
    file.writeLine(versionText(version));
    for (int i = 0; i < doc.getItemCount(); ++i) {
        const CLSVorelDataItem* line = doc.getLine(i);
        // A font line of a kind without a key has no text and no line.
        CLSTString text = DataLineText(*line, version);
        if (text.isEmpty() && IsFontKind(line->kind())) continue;
        const CLSVorelDataLine* object = line->line();
        const auto* read = object ? object->readBytes.get() : nullptr;
        if (read && read->encoding == file.encoding() && read->asWritten == text.view()) {
            file.writeBytes(read->bytes.data(), read->bytes.size());
            file.writeNewLine();
        } else {
            file.writeLine(text);
        }
        if (std::string review = ReviewLineOf(*line, version); !review.empty()) {
            file.writeBytes(review.data(), review.size());
            file.writeNewLine();
        }
    }
    // Group names are read from version 1.3 on, so they are written from
    // there too: writing them only from 1.4 would lose them on a 1.3 file.
    if (version >= DataFileVersion::kSettingLines) {
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
