// Commands over the settings: the settings file and the vague-match table
// as JSON.

#include <stdlib.h>
#include <unistd.h>

#include "cli/Cli.h"
#include "cli/Json.h"
#include "settings/IniFile.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/FileWriteString.h"
#include "text/Language.h"
#include "text/Paths.h"

namespace {

// The settings exactly as they would be saved (the settings file with its
// companion), read back section by section.
int runSettings(const std::vector<std::string>& tokens) {
    CliArgs args(tokens, {}, {});
    if (!args.error().empty() || args.positional().size() > 1) return CliUsage("settings");
    CLSVorelSettings settings;
    setDebugMode(false);
    SetTraceFilePath("/dev/null");  // a DebugMode=1 file must not start a trace here
    if (!args.positional().empty()) {
        CLSIniFile ini;
        if (!ini.loadNative(args.positional()[0])) return CliFailOpen(args.positional()[0]);
        CLSTString path;
        PathFromNative(args.positional()[0], path);
        ini.loadCompanion(Utf8CompanionPath(path));
        settings.applySettings(ini);
    }
    const std::string folder = TempFolder();
    std::string pattern = folder + "/vorel-settings-XXXXXX";
    char* temp = pattern.data();
    int fd = ::mkstemp(temp);
    if (fd < 0) return CliFail(Fill(VT("一時ファイルを作成できません: %1"), {folder}));
    ::close(fd);
    CLSIniFile written;
    try {
        // In UTF-8 every value is written as it is, also those that a
        // Shift-JIS file leaves to its companion.
        CLSFileWriteString file;
        CLSIniCompanion companion;
        if (file.openNative(temp)) {
            file.setEncoding(CLSTextEncoding::kUtf8);
            settings.writeSettings(file, companion);
            file.close();
        }
        written.loadNative(temp, CLSTextEncoding::kUtf8);
    } catch (const CLSError& error) {
        ::unlink(temp);
        return CliFailCp932(errorText(error));
    }
    ::unlink(temp);

    JsonWriter json;
    json.beginObject();
    for (const CLSIniSection& section : written.sections()) {
        json.key(section.name().str()).beginObject();
        for (const CLSIniSection::Entry& entry : section.entries())
            json.key(entry.key.str()).value(entry.value);
        json.endObject();
    }
    json.endObject();
    CliPrint(json.text() + "\n");
    return 0;
}

int runVague(const std::vector<std::string>& tokens) {
    CliArgs args(tokens, {}, {});
    if (!args.error().empty() || args.positional().size() > 1) return CliUsage("vague");
    CLSVorelSettings settings;
    if (!args.positional().empty()) {
        CLSTString path;
        if (!CliText(args.positional()[0], path)) return 1;
        // The program falls back on the built-in pairs; asked for a table,
        // this command says that there is none to read.
        if (!FileExists(path)) return CliFailOpen(args.positional()[0]);
        try {
            if (!settings.loadVagueFile(path)) return CliFailRead(args.positional()[0]);
        } catch (const CLSError& error) {
            return CliFailCp932(errorText(error));
        }
    }
    JsonWriter json;
    json.beginArray();
    for (const auto& [key, replacement] : settings.vagueTable())
        json.beginArray().value(key).value(replacement).endArray();
    json.endArray();
    CliPrint(json.text() + "\n");
    return 0;
}

int runLanguage(const std::vector<std::string>& tokens) {
    CliArgs args(tokens, {}, {});
    if (!args.error().empty() || !args.positional().empty()) return CliUsage("language");
    // Chosen at start from the settings file, VOREL_LANG and the locale.
    CliPrint(ProgramLanguage() + "\n");
    return 0;
}

CliRegistrar languageCommand({"language", "",
                              "prints the code of the language the program speaks here and now "
                              "(ja, en): the settings' choice, VOREL_LANG or the locale",
                              runLanguage});
CliRegistrar settingsCommand({"settings", "[FILE]",
                              "prints the settings (the defaults, or FILE read over them) as "
                              "JSON, section by section as they would be saved",
                              runSettings});
CliRegistrar vagueCommand({"vague", "[FILE]",
                           "prints the vague-match pairs (the built-in ones, plus those of a "
                           "table FILE) as JSON [key, replacement] arrays",
                           runVague});

}  // namespace
