// vorel-cli: the headless tool. Each command lives in a Cmd*.cpp file of
// this folder and registers itself with CliRegistrar.

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "text/Codec.h"
#include "text/Error.h"

namespace {

void printHelp() {
    std::printf("usage: vorel-cli COMMAND [ARGS]\n\nVorel's headless tool. Commands:\n");
    std::vector<CliCommand> commands = CliCommands();
    std::sort(commands.begin(), commands.end(), [](const CliCommand& a, const CliCommand& b) {
        return std::strcmp(a.name, b.name) < 0;
    });
    for (const CliCommand& c : commands) {
        std::printf("  %s %s\n      %s\n", c.name, c.usage, c.summary);
    }
    std::printf("\nTexts are read and written as UTF-8; data files stay Shift-JIS.\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        printHelp();
        return argc < 2 ? 1 : 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("vorel-cli %s\n", VOREL_VERSION_TEXT);
        return 0;
    }
    const CliCommand* command = nullptr;
    for (const CliCommand& c : CliCommands()) {
        if (std::strcmp(c.name, argv[1]) == 0) command = &c;
    }
    if (!command) return CliFail(std::string("unknown command ") + argv[1] + " (see --help)");
    std::vector<std::string> args(argv + 2, argv + argc);
    for (const std::string& a : args) {
        if (a == "--help") {
            std::printf("usage: vorel-cli %s %s\n  %s\n", command->name, command->usage,
                        command->summary);
            return 0;
        }
    }
    try {
        return command->run(args);
    } catch (const CLSError& e) {
        return CliFailCp932(errorText(e));
    } catch (const std::exception& e) {
        return CliFail(Cp932ToUtf8(CLSError::messageOf(CLSError::kUnexpected)) + " (" + e.what() +
                       ")");
    }
}
