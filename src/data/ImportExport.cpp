// Exchanging questions with other programs as comma- or TAB-separated text.

#include "data/ImportExport.h"

#include <algorithm>
#include <cstdio>

#include "data/VorelDataFile.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/FileReadLine.h"
#include "text/Prompter.h"
#include "text/SafeFile.h"

namespace {

const char* const kSource = "VRLFILE";

// How many places of unmappable characters the question lists.
constexpr size_t kListedPlaces = 8;

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// "U+1F600 U+2603" for the characters of a UTF-8 text.
std::string codePoints(const std::string& utf8) {
    std::string out;
    size_t i = 0;
    while (i < utf8.size()) {
        unsigned char b = static_cast<unsigned char>(utf8[i]);
        int len = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        unsigned long cp = len == 1   ? b
                           : len == 2 ? (b & 0x1F)
                           : len == 3 ? (b & 0x0F)
                                      : (b & 0x07);
        for (int k = 1; k < len && i + k < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        char buf[16];
        std::snprintf(buf, sizeof buf, "U+%04lX", cp);
        if (!out.empty()) out += ' ';
        out += buf;
        i += len;
    }
    return out;
}

bool askAboutUnmappable(Prompter& prompter, const std::vector<CLSUnmappable>& places,
                        size_t count) {
    std::string text = Utf8ToCp932Literal("Shift_JIS (CP932) で表せない文字があります。\n");
    for (size_t i = 0; i < places.size() && i < kListedPlaces; ++i) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "\n%d", places[i].record);
        text += buf + Utf8ToCp932Literal("件目の");
        text += std::to_string(places[i].column) + Utf8ToCp932Literal("列目: ");
        text += codePoints(places[i].utf8);
    }
    if (count > places.size()) {
        text += Utf8ToCp932Literal("\nほか ") + std::to_string(count - places.size()) +
                Utf8ToCp932Literal(" か所");
    }
    text += Utf8ToCp932Literal("\n\nこれらの文字を「?」に置き換えて読み込みますか？");
    return prompter.askYesNo(PromptIcon::Question, CLSTString(text), 1);
}

// Lines of a field as separate texts (empty lines dropped).
std::vector<CLSTString> linesOf(const CLSTString& text) {
    std::vector<CLSTString> lines;
    std::string_view v = text.view();
    size_t start = 0;
    while (start <= v.size()) {
        size_t end = v.find_first_of("\r\n", start);
        std::string_view line = v.substr(start, end == std::string_view::npos ? end : end - start);
        if (!line.empty()) lines.emplace_back(std::string(line));
        if (end == std::string_view::npos) break;
        start = end + 1;
        if (v[end] == '\r' && start < v.size() && v[start] == '\n') ++start;
    }
    return lines;
}

CLSVorelDataQuestion questionOf(const CLSTStringArray& fields, const std::vector<int>& roles,
                                bool hintPerLine) {
    CLSVorelDataQuestion q;
    CLSSentenceArray hints;
    CLSSentenceArray answers;
    int columns = std::min(fields.count(), static_cast<int>(roles.size()));
    for (int i = 0; i < columns; ++i) {
        switch (roles[i]) {
            case kImportQuestion:
                // Media markup becomes objects; backslashes and brackets stay as written.
                q.setQuestion(CLSSentence(fields[i]));
                break;
            case kImportHint:
                for (const CLSTString& text :
                     hintPerLine ? linesOf(fields[i]) : std::vector<CLSTString>{fields[i]}) {
                    CLSSentence hint(text);
                    if (hint.markupLength() > 0) hints.add(std::move(hint));
                }
                break;
            case kImportAnswer: {
                CLSSentence answer(fields[i]);
                if (answer.markupLength() > 0) answers.add(std::move(answer));
                break;
            }
            case kImportComment:
                q.setComment(CLSSentence(fields[i]));
                break;
            default:
                break;
        }
    }
    q.setHints(hints);
    q.setAnswers(answers);
    return q;
}

}  // namespace

const char* ImportRoleName(int role) {
    switch (role) {
        case kImportQuestion:
            return "問題";
        case kImportHint:
            return "ヒント";
        case kImportAnswer:
            return "答え";
        case kImportComment:
            return "コメント";
        default:
            return "";
    }
}

int ImportRoleOfName(const CLSTString& name) {
    for (int role = kImportQuestion; role <= kImportComment; ++role) {
        if (name.view() == Utf8ToCp932Literal(ImportRoleName(role))) return role;
    }
    std::string lower = lowerAscii(name.view());
    static const struct {
        const char* name;  // lower case, UTF-8
        int role;
    } others[] = {
        {"question", kImportQuestion}, {"front", kImportQuestion}, {"表", kImportQuestion},
        {"hint", kImportHint},         {"hints", kImportHint},     {"answer", kImportAnswer},
        {"back", kImportAnswer},       {"裏", kImportAnswer},      {"comment", kImportComment},
        {"notes", kImportComment},     {"note", kImportComment},   {"extra", kImportComment},
    };
    for (const auto& other : others) {
        if (lower == Utf8ToCp932Literal(other.name)) return other.role;
    }
    return kImportIgnore;
}

std::vector<int> ProposeImportRoles(const CLSTStringArray& names,
                                    const CLSImportDirectives& directives) {
    std::vector<int> roles;
    bool seen[5] = {};
    for (int i = 0; i < names.count(); ++i) {
        int role = ImportRoleOfName(names[i]);
        for (const auto& [column, kind] : directives.namedColumns)
            if (column == i) role = kImportIgnore;
        // A second column of the same name is left for the learner to assign.
        if (role != kImportIgnore && seen[role]) role = kImportIgnore;
        seen[role] = true;
        roles.push_back(role);
    }
    return roles;
}

bool ExportQuestions(const CLSVorelDataFile& doc, const CLSTString& path, bool commaSeparated,
                     CLSTextEncoding encoding) {
    CLSTraceScope trace("CLSVorelDataFile::exportFile");
    char separator = commaSeparated ? ',' : '\t';
    CLSFileSafeWrite out;
    if (!out.open(path)) {
        showError(CLSError(kSource, __LINE__, CLSError::kWrite), doc.prompter());
        return false;
    }
    try {
        CLSFileWriteString& file = out.file();
        bool utf8 = encoding == CLSTextEncoding::kUtf8;
        // Each line is made in CP932 and converted as a whole.
        auto writeLine = [&](const CLSTString& line) {
            if (utf8) {
                std::string text = Cp932ToUtf8(line.view());
                file.writeBytes(text.data(), text.size());
                file.writeNewLine();
            } else {
                file.writeLine(line);
            }
        };
        if (utf8) file.writeBytes(kUtf8Bom.data(), kUtf8Bom.size());
        CLSTString header(SJIS("問題番号,問題,答え,グループ,コメント,ヒント"));
        if (!commaSeparated) header.replaceAll(',', '\t');
        writeLine(header);
        for (int n = 0; n < doc.getQuestionCount(); ++n) {
            const CLSVorelDataQuestion& q = doc.getQuestion(n)->question();
            CLSTString line(n + 1);
            line.append(separator).append(q.getQuestion().toText().quoteCsv());
            // A question without an answer exports an empty answer column.
            line.append(separator).append(q.firstAnswer().toText().quoteCsv());
            line.append(separator).append(
                doc.getGroupName(std::clamp(q.group(), 0, CLSVorelDataFile::kGroupCount - 1))
                    .quoteCsv());
            line.append(separator).append(q.getComment().toText().quoteCsv());
            CLSTString hints;
            for (int h = 0; h < q.getHintCount(); ++h) {
                if (h > 0) hints.append("\r\n");
                hints.append(q.getHint(h).toText());
            }
            line.append(separator).append(hints.quoteCsv());
            writeLine(line);
        }
        out.commit();
    } catch (const CLSError&) {
        showError(CLSError(kSource, __LINE__, CLSError::kWrite), doc.prompter());
        return false;
    }
    return true;
}

bool ImportQuestions(CLSVorelDataFile& doc, const CLSTString& path, const CLSImportOptions& options,
                     const std::vector<int>& roles) {
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

    // Everything is read before the document changes, so that a file that
    // cannot be read, or an import the learner cancels, loses nothing.
    CLSImportReader reader;
    if (!reader.open(path, options)) {
        CLSTString text(SJIS("ファイル "));
        text.append(path).append(SJIS(" を開けません。"));
        doc.prompter().message(PromptIcon::Error, text);
        return false;
    }
    std::vector<CLSVorelDataQuestion> questions;
    std::vector<CLSUnmappable> unmappable;  // the first places, for the question
    size_t unmappableCount = 0;
    try {
        CLSTStringArray fields;
        while (reader.next(fields)) {
            // Only the columns that are imported matter.
            for (CLSUnmappable& u : reader.takeUnmappable()) {
                if (u.column > static_cast<int>(roles.size()) ||
                    roles[u.column - 1] == kImportIgnore)
                    continue;
                if (unmappable.size() < kListedPlaces) unmappable.push_back(std::move(u));
                ++unmappableCount;
            }
            CLSVorelDataQuestion q = questionOf(fields, roles, options.hintPerLine);
            if (q.getQuestion().markupLength() > 0 || q.getAnswerCount() > 0)
                questions.push_back(std::move(q));
        }
    } catch (const CLSError& e) {
        showError(e, doc.prompter());
        return false;
    }
    if (auto [record, column] = reader.tooLong(); record > 0) {
        std::string text = std::to_string(record) + Utf8ToCp932Literal("件目の") +
                           std::to_string(column) +
                           Utf8ToCp932Literal(
                               "列目が長すぎるため、インポートできません"
                               "（1項目 1 MB まで）。");
        doc.prompter().message(PromptIcon::Error, CLSTString(text));
        return false;
    }
    if (questions.empty()) {
        doc.prompter().message(PromptIcon::Warning,
                               CLSTString(SJIS("インポートできる問題がありません。")));
        return false;
    }
    if (unmappableCount > 0 && !askAboutUnmappable(doc.prompter(), unmappable, unmappableCount))
        return false;

    // The imported questions are a new document, loaded as a file is: the
    // owner ends a run before, and shows the new document after.
    DocumentObserver* observer = doc.observer();
    if (observer && !observer->mayLoad()) return false;
    // The open document stays when its save was not decided.
    if (!doc.newFile()) {
        if (observer) observer->loaded(false);
        return false;
    }
    for (CLSVorelDataQuestion& q : questions)
        doc.appendItem(CLSVorelDataItem::makeQuestion(std::move(q)));
    doc.setModified();
    if (observer) observer->loaded(true);
    return true;
}

bool ImportQuestions(CLSVorelDataFile& doc, const CLSTString& path, char separator,
                     bool skipFirstRecord, const std::vector<int>& roles) {
    CLSImportOptions options;
    options.separator = separator;
    options.header = skipFirstRecord;
    return ImportQuestions(doc, path, options, roles);
}
