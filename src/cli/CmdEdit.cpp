// Commands over the editor's tools on many lines: find, conditional select
// and the tools that change the selected questions.

#include <limits>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/EditArgs.h"
#include "cli/Json.h"
#include "data/VorelDataFile.h"
#include "editor/QuestionTools.h"
#include "settings/SettingsFolder.h"
#include "settings/VorelSettings.h"
#include "text/Language.h"

namespace {

// A document read for a command: every history entry is kept, so that the
// lines a tool leaves alone are written back as they were read.
struct LoadedFile {
    CLSVorelSettings settings;
    CliPrompter prompter;
    CLSVorelDataFile doc{settings, prompter};

    bool load(const std::string& utf8Path) {
        settings.setHistorySize(std::numeric_limits<int>::max());
        CLSTString path;
        return CliPath(utf8Path, path) && doc.loadFile(path);
    }
};

// --targets, else the SearchFrom setting the editor's find uses.
bool searchTargets(const CliArgs& args, int& mask) {
    if (args.has("--targets")) {
        if (ParseTargetMask(args.value("--targets"), mask)) return true;
        CliFail(
            "--targets takes a mask of 0-63 (title 1, question 2, hints 4, answers 8, "
            "choices 16, comment 32), decimal or 0x hexadecimal");
        return false;
    }
    CLSVorelSettings settings;
    settings.loadSettings(SettingsFilePath());
    mask = settings.searchFrom();
    return true;
}

// How many of the options are given.
int countGiven(const CliArgs& args, std::initializer_list<const char*> options) {
    int n = 0;
    for (const char* option : options)
        n += args.has(option) ? 1 : 0;
    return n;
}

int printNumbers(const std::vector<int>& numbers) {
    JsonWriter json;
    json.beginArray();
    for (int n : numbers)
        json.value(n);
    json.endArray();
    CliPrint(json.text() + "\n");
    return 0;
}

int runFind(const std::vector<std::string>& tokens) {
    CliArgs args(tokens, {"--targets"}, {"--ignore-case"});
    if (!args.error().empty()) CliFail(args.error());
    if (!args.error().empty() || args.positional().size() != 2) return CliUsage("find");
    CLSTString text;
    if (!CliText(args.positional()[1], text)) return 1;
    int targets = 0;
    if (!searchTargets(args, targets)) return 1;
    if (args.has("--ignore-case")) targets |= SearchTarget::kFoldCase;
    LoadedFile file;
    if (!file.load(args.positional()[0])) return 1;
    // Numbered as the editor's line column: the header is line 1.
    std::vector<int> lines;
    for (int i = FindLine(file.doc, -1, true, text, targets); i >= 0;
         i = FindLine(file.doc, i, true, text, targets))
        lines.push_back(i + 2);
    return printNumbers(lines);
}

int runSelect(const std::vector<std::string>& tokens) {
    CliArgs args(tokens, {"--lines", "--questions", "--titles", "--group", "--text", "--targets"},
                 {"--marked", "--unmarked"});
    if (!args.error().empty()) CliFail(args.error());
    if (!args.error().empty() || args.positional().size() != 1) return CliUsage("select");
    if (countGiven(args, {"--lines", "--questions", "--titles"}) != 1)
        return CliFail("give one range: --lines, --questions or --titles FROM-TO");
    if (countGiven(args, {"--group", "--text", "--marked", "--unmarked"}) != 1)
        return CliFail("give one condition: --group G|all, --text T, --marked or --unmarked");
    if (args.has("--targets") && !args.has("--text")) return CliFail("--targets goes with --text");

    RangeKind kind = args.has("--lines")       ? RangeKind::kLines
                     : args.has("--questions") ? RangeKind::kQuestions
                                               : RangeKind::kTitles;
    const char* rangeOption = kind == RangeKind::kLines       ? "--lines"
                              : kind == RangeKind::kQuestions ? "--questions"
                                                              : "--titles";
    int from = 0;
    int to = 0;
    if (!ParseNumberRange(args.value(rangeOption), from, to))
        return CliFail(std::string(rangeOption) + " takes FROM-TO, two numbers");

    CLSSelectCondition condition;
    if (args.has("--group")) {
        condition.by = SelectBy::kGroup;
        std::string g = args.value("--group");
        int group = 0;
        if (g == "all") {
            condition.group = 0;
        } else if (ParseGroup(g, group)) {
            condition.group = group + 1;
        } else {
            return CliFail("--group takes a group 0-9 or all");
        }
    } else if (args.has("--text")) {
        condition.by = SelectBy::kText;
        if (!CliText(args.value("--text"), condition.text)) return 1;
        if (!searchTargets(args, condition.targets)) return 1;
    } else {
        condition.by = SelectBy::kMark;
        condition.marked = args.has("--marked");
    }

    LoadedFile file;
    if (!file.load(args.positional()[0])) return 1;
    std::optional<std::pair<int, int>> lines = RangeLines(file.doc, kind, from, to);
    if (!lines) return CliFail(VT("値が有効範囲を超えています。"));
    std::vector<int> numbers;
    for (int i : SelectLines(file.doc, *lines, condition, SelectAction::kNew, {}))
        numbers.push_back(file.doc.getQuestionNumber(file.doc.getLine(i)) + 1);
    return printNumbers(numbers);
}

// The one tool the edit command was asked for, over the question lines.
bool editChange(const CliArgs& args, const CLSVorelDataFile& doc, const std::vector<int>& lines,
                CLSLineChange& change) {
    if (args.has("--sort")) {
        CLSSortKey first;
        CLSSortKey second;
        if (!ParseSortKeys(args.value("--sort"), first, second)) {
            CliFail(
                "--sort takes KEY[:desc][,KEY[:desc]] with the keys question, answer, "
                "group and comment");
            return false;
        }
        change = SortChange(doc, lines, first, second);
    } else if (args.has("--group")) {
        int group = 0;
        if (!ParseGroup(args.value("--group"), group)) {
            CliFail("--group takes a group 0-9");
            return false;
        }
        change = GroupChange(doc, lines, group);
    } else if (args.has("--clear-history")) {
        change = ClearHistoryChange(doc, lines);
    } else if (args.has("--mark")) {
        std::string mark = args.value("--mark");
        if (mark != "on" && mark != "off") {
            CliFail("--mark takes on or off");
            return false;
        }
        change = MarkChange(doc, lines, mark == "on");
    } else {
        CLSSwapOptions options;
        std::string how = args.value("--swap");
        if (how != "append" && how != "overwrite") {
            CliFail("--swap takes append or overwrite");
            return false;
        }
        options.append = how == "append";
        options.copyHints = args.has("--copy-hints");
        options.copyComment = args.has("--copy-comment");
        if (args.has("--swap-group") && !ParseGroup(args.value("--swap-group"), options.group)) {
            CliFail("--swap-group takes a group 0-9");
            return false;
        }
        change = SwapChange(doc, lines, options);
    }
    return true;
}

int runEdit(const std::vector<std::string>& tokens) {
    CliArgs args(tokens, {"--questions", "--sort", "--group", "--mark", "--swap", "--swap-group"},
                 {"--clear-history", "--copy-hints", "--copy-comment"});
    if (!args.error().empty()) CliFail(args.error());
    if (!args.error().empty() || args.positional().size() != 2) return CliUsage("edit");
    if (countGiven(args, {"--sort", "--group", "--clear-history", "--mark", "--swap"}) != 1) {
        return CliFail("give one tool: --sort, --group, --clear-history, --mark or --swap");
    }
    if (!args.has("--swap") &&
        countGiven(args, {"--copy-hints", "--copy-comment", "--swap-group"}) > 0)
        return CliFail("--copy-hints, --copy-comment and --swap-group go with --swap");
    int from = 0;
    int to = 0;
    if (args.has("--questions") && !ParseNumberRange(args.value("--questions"), from, to))
        return CliFail("--questions takes FROM-TO, two numbers");
    CLSTString out;
    if (!CliPath(args.positional()[1], out)) return 1;

    LoadedFile file;
    if (!file.load(args.positional()[0])) return 1;
    CLSVorelDataFile& doc = file.doc;
    std::vector<int> lines;
    if (args.has("--questions")) {
        std::optional<std::pair<int, int>> range = RangeLines(doc, RangeKind::kQuestions, from, to);
        if (!range) return CliFail(VT("値が有効範囲を超えています。"));
        for (int i = range->first; i <= range->second; ++i)
            lines.push_back(i);
    } else {
        for (int i = 0; i < doc.getItemCount(); ++i)
            lines.push_back(i);
    }
    lines = SelectedQuestions(doc, lines);
    if (lines.empty()) return CliFail(VT("問題が選択されていません。"));
    CLSLineChange change({}, {});
    if (!editChange(args, doc, lines, change)) return 1;
    change.apply(doc);
    if (doc.isFileRead(out)) CliReportLock(out);
    return doc.saveFile(out) ? 0 : 1;
}

CliRegistrar findCommand(
    {"find", "FILE TEXT [--targets MASK] [--ignore-case]",
     "prints the line numbers (the header is line 1) of every line that holds TEXT "
     "in the targets (title 1, question 2, hints 4, answers 8, choices 16, "
     "comment 32; default: the SearchFrom setting); --ignore-case folds the case "
     "of every script, as judging does",
     runFind});
CliRegistrar selectCommand(
    {"select",
     "FILE (--lines A-B | --questions A-B | --titles A-B) "
     "(--group G|all | --text T [--targets MASK] | --marked | --unmarked)",
     "prints the numbers of the questions in the range that meet the condition, as "
     "the editor's conditional select picks them",
     runSelect});
CliRegistrar editCommand(
    {"edit",
     "IN OUT [--questions A-B] (--sort K1[:desc][,K2[:desc]] | --group G | "
     "--clear-history | --mark on|off | --swap append|overwrite [--copy-hints] "
     "[--copy-comment] [--swap-group G])",
     "applies one of the editor's question tools to the questions in the range "
     "(all by default) and saves the file as OUT; sort keys: question, answer, "
     "group, comment",
     runEdit});

}  // namespace
