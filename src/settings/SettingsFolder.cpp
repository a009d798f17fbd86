#include "settings/SettingsFolder.h"

#include <limits.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "text/Codec.h"
#include "text/Paths.h"

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The program keeps its paths in CP932; a folder it cannot name is no use.
bool nameable(const std::string& folder) {
    std::string unused;
    return Utf8ToCp932(folder, unused);
}

}  // namespace

std::string ChooseSettingsFolder(const CLSSettingsFolderInputs& inputs) {
    if (!inputs.vorelHome.empty() && nameable(inputs.vorelHome)) return inputs.vorelHome;
    if (!inputs.exeFolder.empty() && inputs.exeFolderWritable && nameable(inputs.exeFolder))
        return inputs.exeFolder;
    std::string config;
    if (!inputs.xdgConfigHome.empty() && inputs.xdgConfigHome[0] == '/') {
        config = inputs.xdgConfigHome;
    } else if (!inputs.home.empty()) {
        config = inputs.home + "/.config";
    }
    if (config.empty()) return "";
    std::string folder = config + "/vorel";
    return nameable(folder) ? folder : "";
}

CLSSettingsFolderInputs CurrentSettingsFolderInputs() {
    CLSSettingsFolderInputs inputs;
    inputs.vorelHome = environment("VOREL_HOME");
    inputs.xdgConfigHome = environment("XDG_CONFIG_HOME");
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
    std::string folder = ChooseSettingsFolder(CurrentSettingsFolderInputs());
    if (folder.empty()) return CLSTString();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) return CLSTString();
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
    return JoinPath(SettingsFolder(), CLSTString("DEBUG.LOG"));
}

CLSTString DefaultExamLogPath() {
    return JoinPath(SettingsFolder(), CLSTString("EXAMLOG.TXT"));
}
