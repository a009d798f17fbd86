#include "settings/ProgramLanguage.h"

#include <cstdlib>

#include "settings/IniFile.h"
#include "settings/SettingsFolder.h"
#include "settings/VorelSettings.h"
#include "text/Language.h"

std::string StartProgramLanguage() {
    // Only the language is read here; the settings are loaded in full later.
    CLSVorelSettings settings;
    CLSIniFile ini;
    if (ini.load(SettingsFilePath())) settings.applySettings(ini);
    std::string code =
        ChooseLanguage(settings.language(), [](const char* name) { return std::getenv(name); });
    SetProgramLanguage(code);
    return ProgramLanguage();
}
