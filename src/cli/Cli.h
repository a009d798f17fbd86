#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "text/Prompter.h"
#include "text/TString.h"

/// The arguments of one command: positionals and "--name [value]" options.
class CliArgs {
  public:
    CliArgs(const std::vector<std::string>& tokens, std::initializer_list<const char*> valueOptions,
            std::initializer_list<const char*> flagOptions);

    /// Empty when the arguments parsed; otherwise what was wrong.
    const std::string& error() const { return m_error; }
    const std::vector<std::string>& positional() const { return m_positional; }
    bool has(const std::string& option) const;
    std::string value(const std::string& option, const std::string& fallback = "") const;

  private:
    std::vector<std::string> m_positional;
    std::vector<std::pair<std::string, std::string>> m_options;
    std::string m_error;
};

/// One sub-command of vorel-cli.
struct CliCommand {
    const char* name;
    const char* usage;    // arguments after the name
    const char* summary;  // one line for --help
    int (*run)(const std::vector<std::string>& args);
};

/// Registers a command at start-up (the CLI sources are linked directly into
/// the executable, so static registration is safe).
struct CliRegistrar {
    explicit CliRegistrar(const CliCommand& command);
};
const std::vector<CliCommand>& CliCommands();

/// Prints a UTF-8 message to stderr and returns 1, the status of every failure.
int CliFail(const std::string& utf8);
/// Prints a CP932 message to stderr and returns 1.
int CliFailCp932(const CLSTString& text);
/// "ファイル PATH を開けません。" as an error, the one wording of every
/// command for a file that cannot be opened; returns 1.
int CliFailOpen(const std::string& utf8Path);
/// "ファイル PATH を読み込めません。" as an error, for a file that opened
/// but could not be read; returns 1.
int CliFailRead(const std::string& utf8Path);
/// A whole number given for option (decimal; base 0 also takes 0x hex and
/// leading-zero octal) that lies within [min, max]; false, after the
/// program's message, when it is no number or lies outside, so that a
/// value too large for its type never wraps round into the range.
bool CliNumber(const std::string& option, const std::string& text, long long min, long long max,
               long long& value, int base = 10);
/// Usage line of a command, for argument errors.
int CliUsage(const char* name);
/// A text argument (or a typed answer) as a program text, in NFC. Kept a
/// bool for the callers' flow; every text is taken.
bool CliText(const std::string& utf8, CLSTString& out);
/// A path argument as the program's path: its bytes as they are.
bool CliPath(const std::string& native, CLSTString& out);
/// Writes UTF-8 text to stdout.
void CliPrint(const std::string& utf8);
/// Says on stderr when a Vorel has the data file open (its lock beside
/// it): the command writes the file anyway, and that Vorel will see the
/// change when it saves.
void CliReportLock(const CLSTString& path);

/// The prompter of the command-line tool: messages go to stderr, questions
/// get a fixed answer.
class CliPrompter : public Prompter {
  public:
    explicit CliPrompter(bool answerYes = false) : m_answerYes(answerYes) {}
    PromptAnswer ask(PromptIcon icon, PromptButtons buttons, const CLSTString& text,
                     int defaultButton) override;
    /// Nobody can choose: the question is shown and answered -1.
    int askChoice(PromptIcon icon, const CLSTString& text, const std::vector<CLSTString>& answers,
                  int defaultAnswer) override;

  private:
    bool m_answerYes;
};
