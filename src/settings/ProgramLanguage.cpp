#include "settings/ProgramLanguage.h"

#include <cstdlib>

#include "settings/IniFile.h"
#include "settings/SettingsFolder.h"
#include "settings/VorelSettings.h"
#include "text/Language.h"

std::string StartProgramLanguage() {
    // Only the language is read here; the settings are loaded in full later.
    CLSIniFile ini;
    std::string chosen = ini.load(SettingsFilePath()) ? CLSVorelSettings::languageIn(ini) : "";
    std::string code = ChooseLanguage(chosen, [](const char* name) { return std::getenv(name); });
    SetProgramLanguage(code);
    return ProgramLanguage();
}
