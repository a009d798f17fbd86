// Reading and writing the settings file.

#include <cstring>

#include "settings/IniFile.h"
#include "settings/VorelSettings.h"
#include "text/Common.h"
#include "text/Error.h"
#include "text/FileWriteString.h"
#include "text/SafeFile.h"

using namespace VorelSettingKeys;

bool CLSVorelSettings::loadSettings(const CLSTString& path) {
    CLSTraceScope trace("CLSVorelSettings::loadSettings");
    CLSIniFile ini;
    if (!ini.load(path)) return false;
    applySettings(ini);
    return true;
}

void CLSVorelSettings::applySettings(const CLSIniFile& ini) {
    readSection(ini, "Window");
    readRecent(ini);
    readSection(ini, "Options");
    m_skin.readDesign(ini);
    readFonts(ini);
    readSection(ini, "Print");
}

void CLSVorelSettings::readSection(const CLSIniFile& ini, const char* name) {
    const CLSIniSection* section = ini.section(name);
    if (!section) return;
    // Old files wrote flags as 0/1; only [Print] ever took any non-zero value.
    bool exactlyOne = std::strcmp(name, "Print") != 0;
    int count = 0;
    const KeyDef* keys = Keys(&count);
    for (int k = 0; k < count; ++k) {
        const KeyDef& key = keys[k];
        if (std::strcmp(key.section, name) != 0) continue;
        switch (key.kind) {
            case KeyKind::Flag: {
                bool on = false;
                if (section->readFlag(key.name, exactlyOne, on)) setBit(key.slot, key.bit, on);
                break;
            }
            case KeyKind::DebugMode: {
                bool on = false;
                if (section->readFlag(key.name, exactlyOne, on)) setDebugMode(on);
                break;
            }
            case KeyKind::Integer:
            case KeyKind::ReadOnly: {
                int value = 0;
                if (section->readInteger(key.name, value)) setIntSetting(key.slot, value);
                break;
            }
            case KeyKind::Colour: {
                Colour value = 0;
                if (section->readColour(key.name, value))
                    m_ints[key.slot] = static_cast<int>(value);
                break;
            }
            case KeyKind::Text:
                section->readText(key.name, m_texts[key.slot]);
                break;
            case KeyKind::List:
                section->readList(key.name, m_lists[key.slot], listLength(key.slot));
                break;
        }
    }
}

void CLSVorelSettings::readRecent(const CLSIniFile& ini) {
    const CLSIniSection* section = ini.section("Recent");
    if (!section) return;
    int max = 0;
    if (section->readInteger("RecentFileMax", max)) setRecentFileMax(max);
    // Oldest first, so that File1 ends up in front and repeats collapse.
    for (int n = recentFileMax(); n >= 1; --n) {
        CLSTString key("File");
        key.append(n);
        if (const CLSTString* path = section->find(key.text())) addRecentFile(*path);
    }
}

void CLSVorelSettings::readFonts(const CLSIniFile& ini) {
    const CLSIniSection* section = ini.section("Fonts");
    if (!section) return;
    struct OldColour {
        const char* key;
        int colour;
    };
    static const OldColour kOldColours[] = {
        {"ColorHoverText", CLSVorelSkin::kHoverTextColor},
        {"ColorHoverBack", CLSVorelSkin::kHoverBackgroundColor},
        {"ColorActiveText", CLSVorelSkin::kActiveTextColor},
        {"ColorActiveBack", CLSVorelSkin::kActiveBackgroundColor},
    };
    for (const OldColour& old : kOldColours) {
        Colour value = 0;
        if (section->readColour(old.key, value)) m_skin.setColour(old.colour, value);
    }
}

bool CLSVorelSettings::saveSettings(const CLSTString& path) const {
    CLSTraceScope trace("CLSVorelSettings::saveSettings");
    try {
        CLSFileSafeWrite out;
        if (!out.open(path)) return false;
        writeSettings(out.file());
        out.commit();
    } catch (const CLSError&) {
        return false;
    }
    return true;
}

void CLSVorelSettings::writeSettings(CLSFileWriteString& file) const {
    writeSectionKeys(file, "Window");
    file.writeNewLine();

    writeSection(file, "Recent");
    writeKey(file, "RecentFileMax", recentFileMax());
    int number = 0;
    for (const CLSTString& path : m_recentFiles) {
        // A path with a line break cannot be stored; cutting it would name
        // another file.
        if (path.findFirstOf("\r\n") >= 0) continue;
        CLSTString key("File");
        key.append(++number);
        writeKeyText(file, key.text(), path);
    }
    file.writeNewLine();

    writeSectionKeys(file, "Options");
    file.writeNewLine();

    m_skin.writeDesign(file);
    file.writeNewLine();

    // The last section: no empty line after it.
    writeSectionKeys(file, "Print");
}

void CLSVorelSettings::writeSectionKeys(CLSFileWriteString& file, const char* name) const {
    writeSection(file, name);
    int count = 0;
    const KeyDef* keys = Keys(&count);
    for (int k = 0; k < count; ++k) {
        const KeyDef& key = keys[k];
        if (std::strcmp(key.section, name) != 0) continue;
        switch (key.kind) {
            case KeyKind::Flag:
                writeKeyFlag(file, key.name, (m_flagWords[key.slot] & key.bit) != 0);
                break;
            case KeyKind::DebugMode:
                writeKeyFlag(file, key.name, debugMode());
                break;
            case KeyKind::Integer:
                writeKey(file, key.name, m_ints[key.slot]);
                break;
            case KeyKind::Colour:
                writeKey(file, key.name, m_ints[key.slot], kKeyTypeColour);
                break;
            case KeyKind::Text:
                writeKeyText(file, key.name, IniSingleLine(m_texts[key.slot]));
                break;
            case KeyKind::List:
                writeKeyList(file, key.name, m_lists[key.slot], listLength(key.slot));
                break;
            case KeyKind::ReadOnly:
                break;
        }
    }
}
