#include "settings/SettingsFolder.h"

#include <limits.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "text/Paths.h"

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string withoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// The folders of a per-user layout, as the XDG base directories name them.
// A relative XDG value is invalid and ignored, as that layout demands.
std::string userFolder(const std::string& xdgValue, const std::string& home,
                       const char* homeRelative) {
    std::string base;
    if (!xdgValue.empty() && xdgValue[0] == '/') {
        base = xdgValue;
    } else if (!home.empty()) {
        base = withoutTrailingSlashes(home) + homeRelative;
    }
    if (base.empty()) return "";
    std::string folder = withoutTrailingSlashes(base) + "/vorel";
    return folder;
}

bool usesOwnFolder(const CLSSettingsFolderInputs& inputs) {
    return !inputs.exeFolder.empty() && inputs.exeFolderWritable &&
           !IsInstalledExeFolder(inputs.exeFolder);
}

CLSTString existingOrCreated(const std::string& folder) {
    if (folder.empty()) return CLSTString();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) return CLSTString();
    CLSTString path;
    return PathFromNative(folder, path) ? path : CLSTString();
}

}  // namespace

bool IsInstalledExeFolder(const std::string& exeFolder) {
    std::string folder = withoutTrailingSlashes(exeFolder);
    size_t slash = folder.find_last_of('/');
    std::string last = slash == std::string::npos ? folder : folder.substr(slash + 1);
    return last == "bin";
}

std::string ChooseSettingsFolder(const CLSSettingsFolderInputs& inputs) {
    if (!inputs.vorelHome.empty()) return inputs.vorelHome;
    if (usesOwnFolder(inputs)) return inputs.exeFolder;
    return userFolder(inputs.xdgConfigHome, inputs.home, "/.config");
}

std::string ChooseHistoryFolder(const CLSSettingsFolderInputs& inputs) {
    // A chosen home or a folder beside the program keeps everything together,
    // so that copying that one folder carries the learner's history along.
    if (!inputs.vorelHome.empty()) return inputs.vorelHome;
    if (usesOwnFolder(inputs)) return inputs.exeFolder;
    return userFolder(inputs.xdgStateHome, inputs.home, "/.local/state");
}

std::string ChooseDataFolder(const std::string& exeFolder) {
    if (exeFolder.empty()) return "";
    std::string folder = withoutTrailingSlashes(exeFolder);
    size_t slash = folder.find_last_of('/');
    std::string parent = slash == std::string::npos ? "."
                         : slash == 0               ? ""
                                                    : folder.substr(0, slash);
    return parent + "/share/vorel";
}

CLSSettingsFolderInputs CurrentSettingsFolderInputs() {
    CLSSettingsFolderInputs inputs;
    inputs.vorelHome = environment("VOREL_HOME");
    inputs.xdgConfigHome = environment("XDG_CONFIG_HOME");
    inputs.xdgStateHome = environment("XDG_STATE_HOME");
    inputs.home = environment("HOME");
    char exe[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n > 0) {
        std::string path(exe, static_cast<size_t>(n));
        size_t slash = path.find_last_of('/');
        if (slash != std::string::npos) {
            inputs.exeFolder = slash == 0 ? "/" : path.substr(0, slash);
            inputs.exeFolderWritable = ::access(inputs.exeFolder.c_str(), W_OK) == 0;
        }
    }
    return inputs;
}

CLSTString SettingsFolder() {
    return existingOrCreated(ChooseSettingsFolder(CurrentSettingsFolderInputs()));
}

CLSTString HistoryFolder() {
    CLSSettingsFolderInputs inputs = CurrentSettingsFolderInputs();
    CLSTString folder = existingOrCreated(ChooseHistoryFolder(inputs));
    return folder.isEmpty() ? existingOrCreated(ChooseSettingsFolder(inputs)) : folder;
}

CLSTString ProgramDataFolder() {
    std::string folder = ChooseDataFolder(CurrentSettingsFolderInputs().exeFolder);
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec)) return CLSTString();
    CLSTString path;
    return PathFromNative(folder, path) ? path : CLSTString();
}

CLSTString SettingsFilePath() {
    return JoinPath(SettingsFolder(), CLSTString("VORELWIN.INI"));
}

CLSTString VagueFilePath() {
    return JoinPath(SettingsFolder(), CLSTString("VRLVAGUE.DAT"));
}

CLSTString TraceFilePath() {
    return JoinPath(HistoryFolder(), CLSTString("DEBUG.LOG"));
}

CLSTString DefaultExamLogPath() {
    return JoinPath(HistoryFolder(), CLSTString("EXAMLOG.TXT"));
}

CLSTString DefaultReviewLogPath() {
    return JoinPath(HistoryFolder(), CLSTString("REVIEWLOG.DB"));
}
