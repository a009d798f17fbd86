// Commands over data files: dump, save, expand, export and import.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "cli/Cli.h"
#include "cli/Json.h"
#include "data/DataFileVersion.h"
#include "data/ImportExport.h"
#include "data/VorelDataFile.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Common.h"
#include "text/Language.h"
#include "text/Paths.h"
#include "text/TextEncoding.h"

namespace {

// Answers questions with a default that the command can change midway.
class SwitchablePrompter : public CliPrompter {
  public:
    PromptAnswer ask(PromptIcon icon, PromptButtons buttons, const CLSTString& text,
                     int defaultButton) override {
        CliPrompter delegate(!yesBecause.empty());
        PromptAnswer answer = delegate.ask(icon, buttons, text, defaultButton);
        // Nobody is asked, so say why the answer is Yes.
        if (answer == PromptAnswer::Yes) {
            std::fprintf(stderr, "vorel-cli: answered Yes because %s was given\n",
                         yesBecause.c_str());
        }
        return answer;
    }
    /// The option that makes every question answer Yes; empty: answer No.
    std::string yesBecause;
};

// --history-size N: how many entries each question keeps, 0 and up.
bool historySizeArgument(const CliArgs& args, CLSVorelSettings& settings) {
    if (!args.has("--history-size")) return true;
    long long n = 0;
    if (!CliNumber("--history-size", args.value("--history-size"), 0,
                   std::numeric_limits<int>::max(), n)) {
        return false;
    }
    settings.setHistorySize(static_cast<int>(n));
    return true;
}

// "1.2" .. "3.0", or the same as 12 .. 30; -1 for anything else, so that
// no number wraps round into the range.
int versionArgument(const std::string& v) {
    auto digits = [](const std::string& s) {
        return !s.empty() && s.size() <= 2 &&
               s.find_first_not_of("0123456789") == std::string::npos;
    };
    size_t dot = v.find('.');
    if (dot == std::string::npos) return digits(v) ? std::stoi(v) : -1;
    std::string major = v.substr(0, dot);
    std::string minor = v.substr(dot + 1);
    if (!digits(major) || minor.size() != 1 || !digits(minor)) return -1;
    return std::stoi(major) * 10 + std::stoi(minor);
}

bool pathArgument(const std::string& native, CLSTString& path) {
    return CliPath(native, path);
}

// The two file arguments of a conversion: the data file is loaded into doc.
bool loadInput(const CliArgs& args, CLSVorelDataFile& doc, CLSTString& out) {
    CLSTString in;
    if (!pathArgument(args.positional()[0], in) || !pathArgument(args.positional()[1], out)) {
        return false;
    }
    return doc.loadFile(in);
}

void sentenceList(JsonWriter& json, const CLSSentenceArray& list) {
    json.beginArray();
    for (const CLSSentence& s : list)
        json.value(s.toMarkup());
    json.endArray();
}

void dumpLine(JsonWriter& json, const CLSVorelDataItem& line) {
    json.beginObject();
    json.key("kind").value(line.kind());
    int kind = line.kind();
    if (kind == kLineTitle) {
        const CLSVorelDataTitle& t = line.title();
        json.key("text").value(t.text);
        json.key("comment").value(t.comment);
        json.key("choiceCount").value(t.choiceCount);
        json.key("compareFlags").value(t.compareFlags);
    } else if (kind == kLineQuestion) {
        const CLSVorelDataQuestion& q = line.question();
        json.key("question").value(q.getQuestion().toMarkup());
        json.key("hints");
        sentenceList(json, q.hints());
        json.key("answers");
        sentenceList(json, q.answers());
        json.key("choices");
        sentenceList(json, q.choices());
        json.key("comment").value(q.getComment().toMarkup());
        json.key("answerCount").value(q.answerCount());
        json.key("group").value(q.group());
        json.key("mark").value(q.mark());
        json.key("history").beginArray();
        for (const CLSHistoryEntry& e : q.history()) {
            json.beginArray().value(e.result).value(static_cast<int>(e.year));
            json.value(static_cast<int>(e.month)).value(static_cast<int>(e.day));
            json.value(static_cast<int>(e.hour)).value(static_cast<int>(e.minute)).endArray();
        }
        json.endArray();
    } else if (kind == kLineComment) {
        json.key("text").value(line.comment().text);
    } else if (IsNumberKind(kind)) {
        json.key("value").value(line.number().value);
        json.key("comment").value(line.number().comment);
    } else if (IsFontKind(kind)) {
        const CLSVorelDataFont& f = line.font();
        json.key("size").value(f.size);
        json.key("charset").value(f.charset);
        json.key("face").value(f.faceName);
        json.key("comment").value(f.comment);
    }
    json.endObject();
}

int runDump(const std::vector<std::string>& tokens) {
    CliArgs args(tokens, {"--history-size"}, {});
    if (!args.error().empty() || args.positional().size() != 1) return CliUsage("dump");
    CLSTString path;
    if (!pathArgument(args.positional()[0], path)) return 1;
    CLSVorelSettings settings;
    if (!historySizeArgument(args, settings)) return 1;
    SwitchablePrompter prompter;
    CLSVorelDataFile doc(settings, prompter);
    if (!doc.loadFile(path)) return 1;

    JsonWriter json;
    json.beginObject();
    json.key("version").value(doc.getVersion());
    json.key("groupNames").beginArray();
    for (int g = 0; g < CLSVorelDataFile::kGroupCount; ++g)
        json.value(doc.storedGroupName(g));
    json.endArray();
    json.key("message").value(doc.getMessage());
    json.key("questionCount").value(doc.getQuestionCount());
    json.key("lines").beginArray();
    for (int i = 0; i < doc.getItemCount(); ++i)
        dumpLine(json, *doc.getLine(i));
    json.endArray();
    json.endObject();
    CliPrint(json.text() + "\n");
    return 0;
}

int runSave(const std::vector<std::string>& tokens) {
    CliArgs args(tokens, {"--version", "--history-size", "--encoding"}, {});
    if (!args.error().empty() || args.positional().size() != 2) return CliUsage("save");
    CLSTextEncoding encoding = CLSTextEncoding::kCp932;
    if (args.has("--encoding") && !ParseTextEncoding(args.value("--encoding"), encoding))
        return CliFail("--encoding must be cp932 or utf-8");
    CLSVorelSettings settings;
    // A conversion keeps every history entry unless told to keep as few as
    // the program would.
    settings.setHistorySize(std::numeric_limits<int>::max());
    if (!historySizeArgument(args, settings)) return 1;
    SwitchablePrompter prompter;
    CLSVorelDataFile doc(settings, prompter);
    CLSTString out;
    if (!loadInput(args, doc, out)) return 1;
    if (args.has("--version")) {
        int version = versionArgument(args.value("--version"));
        if (!DataFileVersion::isKnown(version)) {
            return CliFail("--version must be between 1.2 (12) and 3.0 (30)");
        }
        prompter.yesBecause = "--version";
        doc.setVersion(version);
    }
    if (args.has("--encoding")) {
        prompter.yesBecause = "--encoding";
        if (!doc.setEncoding(encoding)) return 1;
    }
    if (doc.isFileRead(out)) CliReportLock(out);
    return doc.saveFile(out) ? 0 : 1;
}

void sentenceItems(JsonWriter& json, const CLSSentence& s) {
    json.beginArray();
    for (const CLSSentenceItem& item : s.items()) {
        json.beginObject();
        if (item.isText()) {
            json.key("t").value(item.string().text());
        } else {
            json.key("o").value(item.object().toMarkup());
        }
        json.endObject();
    }
    json.endArray();
}

int runExpand(const std::vector<std::string>& tokens) {
    CliArgs args(tokens, {}, {});
    if (!args.error().empty() || args.positional().size() != 1) return CliUsage("expand");
    CLSTString markup;
    if (!CliText(args.positional()[0], markup)) return 1;
    CLSExpandFailure failure = CLSExpandFailure::kNone;
    CLSSentenceArray answers = ExpandAlternatives(CLSSentence(markup), &failure);
    JsonWriter json;
    json.beginArray();
    for (const CLSSentence& s : answers)
        sentenceItems(json, s);
    json.endArray();
    CliPrint(json.text() + "\n");
    // The field still loads (as one without answers), so this is no failure.
    if (failure != CLSExpandFailure::kNone)
        std::fprintf(stderr, "vorel-cli: warning: %s\n", ExpandFailureText(failure));
    return 0;
}

bool encodingArgument(const CliArgs& args, bool allowAuto, CLSTextEncoding& encoding,
                      bool& automatic) {
    std::string name = args.value("--encoding", allowAuto ? "auto" : "cp932");
    automatic = allowAuto && name == "auto";
    if (automatic || ParseTextEncoding(name, encoding)) return true;
    CliFail(allowAuto ? "--encoding takes auto, cp932 or utf-8"
                      : "--encoding takes cp932 or utf-8");
    return false;
}

int runExport(const std::vector<std::string>& tokens) {
    CliArgs args(tokens, {"--encoding"}, {"--tab", "--hints"});
    if (!args.error().empty() || args.positional().size() != 2) return CliUsage("export");
    CLSTextEncoding encoding = CLSTextEncoding::kCp932;
    bool automatic = false;
    if (!encodingArgument(args, false, encoding, automatic)) return 1;
    CLSVorelSettings settings;
    // A conversion keeps every history entry, however few the program keeps.
    settings.setHistorySize(std::numeric_limits<int>::max());
    SwitchablePrompter prompter;
    CLSVorelDataFile doc(settings, prompter);
    CLSTString out;
    if (!loadInput(args, doc, out)) return 1;
    return ExportQuestions(doc, out, !args.has("--tab"), encoding, args.has("--hints")) ? 0 : 1;
}

bool rolesArgument(const std::string& list, std::vector<int>& roles) {
    size_t start = 0;
    while (start <= list.size()) {
        size_t comma = list.find(',', start);
        std::string piece =
            list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        char* end = nullptr;
        long role = std::strtol(piece.c_str(), &end, 10);
        if (piece.empty() || *end || role < kImportIgnore || role >= kImportRoleCount) return false;
        roles.push_back(static_cast<int>(role));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return true;
}

// A file that is no text to import, in the words of the import dialog.
int failForKind(CLSImportFileKind kind, const std::string& path) {
    if (kind == CLSImportFileKind::kUnreadable) return CliFailOpen(path);
    return CliFail(ImportFileKindMessage(kind).str());
}

int runImport(const std::vector<std::string>& tokens) {
    CliArgs args(tokens, {"--roles", "--encoding", "--data-encoding"},
                 {"--tab", "--comma", "--header", "--html", "--replace"});
    if (!args.error().empty() || args.positional().size() != 2) return CliUsage("import");
    CLSTString in, out;
    if (!pathArgument(args.positional()[0], in) || !pathArgument(args.positional()[1], out))
        return 1;
    std::vector<int> roles;
    if (args.has("--roles") && !rolesArgument(args.value("--roles"), roles))
        return CliFail("--roles takes codes 0-5 separated by commas");
    CLSTextEncoding encoding = CLSTextEncoding::kCp932;
    bool automatic = true;
    if (!encodingArgument(args, true, encoding, automatic)) return 1;
    CLSTextEncoding dataEncoding = CLSTextEncoding::kCp932;
    bool dataEncodingGiven = args.has("--data-encoding");
    if (dataEncodingGiven && !ParseTextEncoding(args.value("--data-encoding"), dataEncoding))
        return CliFail("--data-encoding must be cp932 or utf-8");

    // What the file says of itself (its encoding, directives, our own
    // export's header), overridden by what was given.
    CLSImportProposal proposal = InspectImportFile(in);
    if (proposal.kind != CLSImportFileKind::kText)
        return failForKind(proposal.kind, args.positional()[0]);
    CLSImportOptions options = proposal.options;
    if (!automatic) options.encoding = encoding;
    if (args.has("--tab")) options.separator = '\t';
    if (args.has("--comma")) options.separator = ',';
    options.header = args.has("--header") || proposal.ownExport;
    if (args.has("--html")) options.html = true;
    if (roles.empty()) {
        CLSImportReader names;
        if (names.open(in, options))
            roles = ProposeImportRoles(names.columnNames(), proposal.directives);
        bool any =
            std::any_of(roles.begin(), roles.end(), [](int r) { return r != kImportIgnore; });
        if (!any) return CliFail("the file names no columns: give their roles with --roles");
    }

    CLSVorelSettings settings;
    SwitchablePrompter prompter;
    // What Shift-JIS cannot hold makes a UTF-8 file unless told otherwise.
    using Unmappable = CLSImportOptions::Unmappable;
    options.unmappable = args.has("--replace") ? Unmappable::kReplace
                         : dataEncodingGiven && dataEncoding == CLSTextEncoding::kCp932
                             ? Unmappable::kRefuse
                             : Unmappable::kUtf8;
    CLSVorelDataFile doc(settings, prompter);
    if (!ImportQuestions(doc, in, options, roles)) return 1;
    if (dataEncodingGiven && !doc.setEncoding(dataEncoding)) return 1;
    return doc.saveFile(out) ? 0 : 1;
}

int runInfo(const std::vector<std::string>& tokens) {
    CliArgs args(tokens, {}, {});
    if (!args.error().empty() || args.positional().size() != 1) return CliUsage("info");
    CLSTString path;
    if (!pathArgument(args.positional()[0], path)) return 1;
    CLSVorelSettings settings;
    SwitchablePrompter prompter;
    CLSVorelDataFile doc(settings, prompter);
    if (!doc.loadFile(path)) return 1;
    CLSDataInfo info = doc.dataInfo();
    std::string text = Fill(VT("ファイル名: %1"), {args.positional()[0]}) + "\n";
    text += Fill(VT("ファイルバージョン: %1"), {versionText(info.version).str()}) + "\n";
    text += Fill(VT("文字コード: %1"), {TextEncodingLabel(info.encoding)}) + "\n";
    text += Fill(VT("行数: %1"), {std::to_string(info.lineCount)}) + "\n";
    text += Fill(VT("タイトル数: %1"), {std::to_string(info.titleCount)}) + "\n";
    text += Fill(VT("問題数: %1"), {std::to_string(info.questionCount)}) + "\n";
    text += std::string(VT("グループ:")) + "\n";
    for (int g = 0; g < CLSVorelDataFile::kGroupCount; ++g) {
        text += "  " + std::to_string(g) + " " + info.groupNames[g].str() + ": " +
                std::to_string(info.groupQuestionCounts[g]) + "\n";
    }
    if (!doc.getMessage().isEmpty())
        text += Fill(VT("メッセージ: %1"), {doc.getMessage().str()}) + "\n";
    CliPrint(text);
    return 0;
}

CliRegistrar info({"info", "FILE",
                   "prints the facts of a data file (lines, titles, questions, groups)", runInfo});
CliRegistrar dump({"dump", "FILE [--history-size N]", "prints a data file as JSON", runDump});
CliRegistrar save({"save", "IN OUT [--version V] [--history-size N] [--encoding cp932|utf-8]",
                   "loads a data file, converts it to version V (1.2-3.0) and to the encoding when "
                   "given, and saves it (with every history entry, or the newest N)",
                   runSave});
CliRegistrar expand({"expand", "MARKUP",
                     "expands the bracket-and-bar notation of an answer field into JSON",
                     runExpand});
CliRegistrar exportCommand({"export", "IN OUT [--tab] [--encoding cp932|utf-8] [--hints]",
                            "exports the questions of a data file as comma- (or TAB-) separated "
                            "text in CP932 (default) or UTF-8; --hints adds a column of hints",
                            runExport});
CliRegistrar importCommand(
    {"import",
     "IN OUT [--roles R,R,...] [--tab|--comma] [--header] [--html] "
     "[--encoding auto|cp932|utf-8] [--data-encoding cp932|utf-8] [--replace]",
     "imports delimited text (roles: 0 none, 1 question, 2 hint, 3 answer, 4 comment, 5 group; "
     "without --roles the header or #columns line proposes them) and saves it as a data file: "
     "Shift-JIS, or UTF-8 when the text holds characters Shift-JIS cannot; --data-encoding "
     "fixes the data file's encoding (cp932 then refuses such text); --replace imports those "
     "characters as \"?\" in a Shift-JIS file",
     runImport});

}  // namespace
