// Exchanging questions with other programs as comma- or TAB-separated text.

#include "data/ImportExport.h"

#include <algorithm>

#include "data/VorelDataFile.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/FileReadLine.h"
#include "text/Language.h"
#include "text/Prompter.h"
#include "text/SafeFile.h"
#include "text/Unicode.h"

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

// The places of the characters a Shift-JIS file cannot hold.
std::string unmappableText(const std::vector<CLSUnmappable>& places, size_t count) {
    std::string text = VT("Shift_JIS (CP932) で表せない文字があります。\n");
    for (size_t i = 0; i < places.size() && i < kListedPlaces; ++i) {
        text += "\n" + Fill(VT("%1件目の%2列目: %3"),
                            {std::to_string(places[i].record), std::to_string(places[i].column),
                             CodePointNames(places[i].utf8)});
    }
    if (count > places.size()) {
        text += "\n" + Fill(VT("ほか %1 か所"), {std::to_string(count - places.size())});
    }
    return text;
}

enum class UnmappableChoice { kUtf8, kReplace, kNone };

UnmappableChoice askAboutUnmappable(Prompter& prompter, const std::vector<CLSUnmappable>& places,
                                    size_t count) {
    // clang-format off
    std::string text =
        unmappableText(places, count) +
        VT("\n\nUTF-8 のデータファイルにすれば、これらの文字もそのまま読み込めます（UTF-8 のファイルは以前のバージョンのプログラムでは読めません）。");
    // clang-format on
    int answer =
        prompter.askChoice(PromptIcon::Question, CLSTString(text),
                           {CLSTString(VT("UTF-8 にする(&U)")),
                            CLSTString(VT("「?」に置き換える(&R)")), CLSTString(VT("キャンセル"))},
                           0);
    return answer == 0   ? UnmappableChoice::kUtf8
           : answer == 1 ? UnmappableChoice::kReplace
                         : UnmappableChoice::kNone;
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
                                bool hintPerLine, CLSTString* group) {
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
            case kImportGroup:
                *group = fields[i];
                break;
            default:
                break;
        }
    }
    q.setHints(hints);
    q.setAnswers(answers);
    return q;
}

// The groups of an import: a digit is the group itself, a name gets a
// group of its own (our export writes a named group's name and an unnamed
// group's digit, so its file reads back with the same groups and names).
class ImportGroups {
  public:
    static constexpr int kCount = CLSVorelDataFile::kGroupCount;

    // The fields of the group column, one per imported question.
    void assign(const std::vector<CLSTString>& fields) {
        bool digitUsed[kCount] = {};
        for (const CLSTString& f : fields)
            if (int d = digitOf(f); d >= 0) digitUsed[d] = true;
        int next = 0;
        m_groups.reserve(fields.size());
        for (const CLSTString& f : fields) {
            if (int d = digitOf(f); d >= 0 || f.isEmpty()) {
                m_groups.push_back(std::max(d, 0));
                continue;
            }
            auto known = std::find(m_names.begin(), m_names.end(), f);
            if (known != m_names.end()) {
                m_groups.push_back(m_indexes[known - m_names.begin()]);
                continue;
            }
            while (next < kCount && digitUsed[next])
                ++next;
            if (next >= kCount) {
                m_overflow = true;
                m_groups.push_back(0);
                continue;
            }
            m_names.push_back(f);
            m_indexes.push_back(next);
            m_groups.push_back(next++);
        }
    }
    int groupOf(size_t question) const { return m_groups[question]; }
    bool overflowed() const { return m_overflow; }
    void nameGroups(CLSVorelDataFile& doc) const {
        for (size_t i = 0; i < m_names.size(); ++i)
            doc.setGroupName(m_indexes[i], m_names[i]);
    }

  private:
    static int digitOf(const CLSTString& f) {
        std::string_view v = f.view();
        return v.size() == 1 && v[0] >= '0' && v[0] <= '9' ? v[0] - '0' : -1;
    }

    std::vector<int> m_groups;
    std::vector<CLSTString> m_names;
    std::vector<int> m_indexes;
    bool m_overflow = false;
};

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
        case kImportGroup:
            return "グループ";
        default:
            return "";
    }
}

int ImportRoleOfName(const CLSTString& name) {
    for (int role = kImportQuestion; role < kImportRoleCount; ++role) {
        if (name.view() == ImportRoleName(role)) return role;
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
        {"group", kImportGroup},
    };
    for (const auto& other : others) {
        if (lower == other.name) return other.role;
    }
    return kImportIgnore;
}

std::vector<int> ProposeImportRoles(const CLSTStringArray& names,
                                    const CLSImportDirectives& directives) {
    std::vector<int> roles;
    bool seen[kImportRoleCount] = {};
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
                     CLSTextEncoding encoding, bool withHints) {
    CLSTraceScope trace("CLSVorelDataFile::exportFile");
    char separator = commaSeparated ? ',' : '\t';
    CLSFileSafeWrite out;
    if (!out.open(path)) {
        showError(CLSError(kSource, __LINE__, CLSError::kWrite), doc.prompter());
        return false;
    }
    try {
        CLSFileWriteString& file = out.file();
        file.setEncoding(encoding);
        if (encoding == CLSTextEncoding::kUtf8) file.writeBytes(kUtf8Bom.data(), kUtf8Bom.size());
        auto writeLine = [&](const CLSTString& line) { file.writeLine(line); };
        // Other tools read the five columns; the hints are the learner's choice.
        CLSTString header("問題番号,問題,答え,グループ,コメント");
        if (withHints) header.append(",ヒント");
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
            if (withHints) {
                CLSTString hints;
                for (int h = 0; h < q.getHintCount(); ++h) {
                    if (h > 0) hints.append("\r\n");
                    hints.append(q.getHint(h).toText());
                }
                line.append(separator).append(hints.quoteCsv());
            }
            writeLine(line);
        }
        // What Shift-JIS cannot hold is listed, and written as "?" only
        // when the learner says so; otherwise the old file stays.
        if (!file.unmappable().empty()) {
            // clang-format off
            std::string text = Fill(VT("Shift_JIS (CP932) で表せない文字があります: %1\n\nこれらの文字を「?」に置き換えて書き出しますか？"),
                                    {CodePointNames(file.unmappable())});
            // clang-format on
            if (!doc.prompter().askYesNo(PromptIcon::Question, CLSTString(text), 1)) return false;
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
    const char* const duplicateMessages[] = {
        nullptr,
        VT("項目「問題」が複数設定されています。"),
        VT("項目「ヒント」が複数設定されています。"),
        VT("項目「答え」が複数設定されています。"),
        VT("項目「コメント」が複数設定されています。"),
        VT("項目「グループ」が複数設定されています。"),
    };
    bool seen[kImportRoleCount] = {};
    for (int role : roles) {
        if (role < kImportQuestion || role >= kImportRoleCount) continue;
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
        CLSTString text(Fill(VT("ファイル %1 を開けません。"), {path.view()}));
        doc.prompter().message(PromptIcon::Error, text);
        return false;
    }
    std::vector<CLSVorelDataQuestion> questions;
    std::vector<CLSTString> groupFields;
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
            CLSTString group;
            CLSVorelDataQuestion q = questionOf(fields, roles, options.hintPerLine, &group);
            if (q.getQuestion().markupLength() > 0 || q.getAnswerCount() > 0) {
                questions.push_back(std::move(q));
                groupFields.push_back(std::move(group));
            }
        }
    } catch (const CLSError& e) {
        showError(e, doc.prompter());
        return false;
    }
    if (auto [record, column] = reader.tooLong(); record > 0) {
        std::string text =
            Fill(VT("%1件目の%2列目が長すぎるため、インポートできません（1項目 1 MB まで）。"),
                 {std::to_string(record), std::to_string(column)});
        doc.prompter().message(PromptIcon::Error, CLSTString(text));
        return false;
    }
    if (questions.empty()) {
        doc.prompter().message(PromptIcon::Warning,
                               CLSTString(VT("インポートできる問題がありません。")));
        return false;
    }
    using Unmappable = CLSImportOptions::Unmappable;
    bool utf8 = false;
    if (unmappableCount > 0 && options.unmappable != Unmappable::kReplace) {
        UnmappableChoice choice =
            options.unmappable == Unmappable::kUtf8 ? UnmappableChoice::kUtf8
            : options.unmappable == Unmappable::kRefuse
                ? UnmappableChoice::kNone
                : askAboutUnmappable(doc.prompter(), unmappable, unmappableCount);
        if (options.unmappable == Unmappable::kRefuse)
            doc.prompter().message(PromptIcon::Warning,
                                   CLSTString(unmappableText(unmappable, unmappableCount)));
        if (choice == UnmappableChoice::kNone) return false;
        if (choice == UnmappableChoice::kReplace) {
            // Read again with "?" in their place.
            CLSImportOptions replacing = options;
            replacing.unmappable = Unmappable::kReplace;
            return ImportQuestions(doc, path, replacing, roles);
        }
        utf8 = true;
    }
    ImportGroups groups;
    groups.assign(groupFields);
    if (groups.overflowed()) {
        // clang-format off
        doc.prompter().message(PromptIcon::Warning, CLSTString(VT("グループ名が多すぎます。11 個目からのグループ名の問題はグループ 0 に入ります。")));
        // clang-format on
    }

    // The imported questions are a new document, loaded as a file is: the
    // owner ends a run before, and shows the new document after.
    DocumentObserver* observer = doc.observer();
    if (observer && !observer->mayLoad()) return false;
    // The open document stays when its save was not decided.
    if (!doc.newFile()) {
        if (observer) observer->loaded(false);
        return false;
    }
    for (size_t i = 0; i < questions.size(); ++i) {
        questions[i].setGroup(groups.groupOf(i));
        doc.appendItem(CLSVorelDataItem::makeQuestion(std::move(questions[i])));
    }
    groups.nameGroups(doc);
    if (utf8) doc.setEncoding(CLSTextEncoding::kUtf8);
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
