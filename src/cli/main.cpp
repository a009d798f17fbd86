// vorel-cli: the headless tool. Each command lives in a Cmd*.cpp file of
// this folder and registers itself with CliRegistrar.

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "settings/ProgramLanguage.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/Language.h"

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
    std::printf("\nTexts are read and written as UTF-8; data files keep their encoding.\n");
}

// A standard stream that was closed would be the next file opened: what the
// program prints would then go into that file (a data file being saved).
// Its place is taken by /dev/null opened so that every use fails, as it
// would have on the closed stream, and the failure is reported at the end.
void holdClosedStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        int held = ::open("/dev/null", fd == 0 ? O_WRONLY : O_RDONLY);
        if (held >= 0 && held != fd) {
            ::dup2(held, fd);
            ::close(held);
        }
    }
}

// Output that could not be written (a full disk, a closed pipe) is a failure
// of the command, whatever it printed before.
int checkedOutput(int status) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
    std::fprintf(stderr, "vorel-cli: error: %s\n", VT("標準出力に書き込めません。"));
    return status == 0 ? 1 : status;
}

}  // namespace

int main(int argc, char** argv) {
    holdClosedStreams();
    StartProgramLanguage();
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        printHelp();
        return checkedOutput(argc < 2 ? 1 : 0);
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("vorel-cli %s\n", VOREL_VERSION_TEXT);
        return checkedOutput(0);
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
            return checkedOutput(0);
        }
    }
    try {
        return checkedOutput(command->run(args));
    } catch (const CLSError& e) {
        return CliFailCp932(errorText(e));
    } catch (const std::exception& e) {
        return CliFail(std::string(CLSError::messageOf(CLSError::kUnexpected)) + " (" + e.what() +
                       ")");
    }
}
