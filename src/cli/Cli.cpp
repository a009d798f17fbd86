#include "cli/Cli.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "data/LockInfo.h"
#include "text/Codec.h"
#include "text/Language.h"
#include "text/Paths.h"
#include "text/Unicode.h"

CliArgs::CliArgs(const std::vector<std::string>& tokens,
                 std::initializer_list<const char*> valueOptions,
                 std::initializer_list<const char*> flagOptions) {
    auto inList = [](std::initializer_list<const char*> list, const std::string& s) {
        for (const char* item : list) {
            if (s == item) return true;
        }
        return false;
    };
    for (size_t i = 0; i < tokens.size(); ++i) {
        const std::string& t = tokens[i];
        if (t.size() > 2 && t.compare(0, 2, "--") == 0) {
            std::string name = t;
            std::string value;
            size_t eq = t.find('=');
            bool inlineValue = eq != std::string::npos;
            if (inlineValue) {
                name = t.substr(0, eq);
                value = t.substr(eq + 1);
            }
            if (inList(valueOptions, name)) {
                if (!inlineValue) {
                    if (i + 1 >= tokens.size()) {
                        m_error = name + " needs a value";
                        return;
                    }
                    value = tokens[++i];
                }
                m_options.emplace_back(name, value);
            } else if (inList(flagOptions, name) && !inlineValue) {
                m_options.emplace_back(name, "");
            } else {
                m_error = "unknown option " + name;
                return;
            }
        } else if (t == "--") {
            for (++i; i < tokens.size(); ++i)
                m_positional.push_back(tokens[i]);
        } else {
            m_positional.push_back(t);
        }
    }
}

bool CliArgs::has(const std::string& option) const {
    for (const auto& o : m_options) {
        if (o.first == option) return true;
    }
    return false;
}

std::string CliArgs::value(const std::string& option, const std::string& fallback) const {
    // A later option wins, as on most command lines.
    for (auto it = m_options.rbegin(); it != m_options.rend(); ++it) {
        if (it->first == option) return it->second;
    }
    return fallback;
}

static std::vector<CliCommand>& registry() {
    static std::vector<CliCommand> commands;
    return commands;
}

CliRegistrar::CliRegistrar(const CliCommand& command) {
    registry().push_back(command);
}

const std::vector<CliCommand>& CliCommands() {
    return registry();
}

int CliFail(const std::string& utf8) {
    std::fprintf(stderr, "vorel-cli: %s\n", utf8.c_str());
    return 1;
}

int CliFailOpen(const std::string& utf8Path) {
    // Worded as the data file's own message, which reaches stderr through the prompter.
    std::fprintf(stderr, "vorel-cli: error: %s\n",
                 Fill(VT("ファイル %1 を開けません。"), {utf8Path}).c_str());
    return 1;
}

int CliFailRead(const std::string& utf8Path) {
    std::fprintf(stderr, "vorel-cli: error: %s\n",
                 Fill(VT("ファイル %1 を読み込めません。"), {utf8Path}).c_str());
    return 1;
}

bool CliNumber(const std::string& option, const std::string& text, long long min, long long max,
               long long& value, int base) {
    bool digits = !text.empty() && text.find_first_of("0123456789") != std::string::npos &&
                  text.find_first_of(" \t\n") == std::string::npos;
    char* end = nullptr;
    errno = 0;
    long long v = digits ? std::strtoll(text.c_str(), &end, base) : 0;
    if (!digits || *end) {
        CliFail(Fill(VT("%1 %2: 数値を指定してください。"), {option, text}));
        return false;
    }
    if (errno == ERANGE || v < min || v > max) {
        CliFail(Fill(VT("%1 %2: 値が有効範囲を超えています。(%3～%4)"),
                     {option, text, std::to_string(min), std::to_string(max)}));
        return false;
    }
    value = v;
    return true;
}

int CliFailCp932(const CLSTString& text) {
    return CliFail(text.str());
}

int CliUsage(const char* name) {
    for (const CliCommand& c : CliCommands()) {
        if (std::strcmp(c.name, name) == 0) {
            return CliFail(std::string("usage: vorel-cli ") + c.name + " " + c.usage);
        }
    }
    return CliFail(std::string("usage: vorel-cli ") + name);
}

bool CliText(const std::string& utf8, CLSTString& out) {
    out = CLSTString(NormalizeNfc(utf8));
    return true;
}

bool CliPath(const std::string& native, CLSTString& out) {
    return PathFromNative(native, out);
}

void CliPrint(const std::string& utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

void CliReportLock(const CLSTString& path) {
    CLSLockInfo info;
    if (!ReadLockFile(LockFilePathOf(NativePath(path)), info) || !IsLockHeldByOther(info)) return;
    std::string text = LockMessage(info, std::time(nullptr)).str();
    std::fprintf(stderr, "vorel-cli: warning: %s\n", text.c_str());
}

namespace {

void printPrompt(PromptIcon icon, const CLSTString& text) {
    std::string utf8 = text.str();
    const char* kind = icon == PromptIcon::Error      ? "error"
                       : icon == PromptIcon::Warning  ? "warning"
                       : icon == PromptIcon::Question ? "question"
                                                      : "info";
    std::fprintf(stderr, "vorel-cli: %s: %s\n", kind, utf8.c_str());
}

}  // namespace

int CliPrompter::askChoice(PromptIcon icon, const CLSTString& text, const std::vector<CLSTString>&,
                           int) {
    // A command never picks one of several ways out for the learner: the
    // caller refuses instead.
    printPrompt(icon, text);
    return -1;
}

PromptAnswer CliPrompter::ask(PromptIcon icon, PromptButtons buttons, const CLSTString& text,
                              int defaultButton) {
    printPrompt(icon, text);
    switch (buttons) {
        case PromptButtons::Ok:
            return PromptAnswer::Ok;
        case PromptButtons::OkCancel:
            return m_answerYes ? PromptAnswer::Ok : PromptAnswer::Cancel;
        case PromptButtons::YesNo:
        case PromptButtons::YesNoCancel:
            return m_answerYes ? PromptAnswer::Yes : PromptAnswer::No;
    }
    return PromptAnswer::No;
}
