// Reading and writing the settings file.

#include <algorithm>
#include <cstring>
#include <string>

#include "settings/IniFile.h"
#include "settings/VorelSettings.h"
#include "text/Common.h"
#include "text/Error.h"
#include "text/FileWriteString.h"

using namespace VorelSettingKeys;

bool CLSVorelSettings::loadSettings(const CLSTString& path) {
    CLSTraceScope trace("CLSVorelSettings::loadSettings");
    CLSIniFile ini;
    if (!ini.load(path)) return false;
    ini.loadCompanion(Utf8CompanionPath(path));
    applySettings(ini);
    return true;
}

void CLSVorelSettings::applySettings(const CLSIniFile& ini) {
    readSection(ini, "Window");
    readRecent(ini);
    readSection(ini, "Options");
    m_language = languageIn(ini);
    m_skin.readDesign(ini);
    readFonts(ini);
    readSection(ini, "Print");
    readPrintFonts(ini);
    m_review.read(ini);
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

std::string CLSVorelSettings::languageIn(const CLSIniFile& ini) {
    const CLSIniSection* section = ini.section("Options");
    CLSTString code;
    if (!section || !section->readText("Language", code)) return "";
    // A language code is a few ASCII letters; anything else is automatic.
    const std::string& text = code.str();
    bool letters =
        !text.empty() && text.size() <= 8 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    return letters ? text : std::string();
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
        SaveWithCompanion(path, Utf8CompanionPath(path),
                          [this](CLSFileWriteString& file, CLSIniCompanion& companion) {
                              writeSettings(file, companion);
                          });
    } catch (const CLSError&) {
        return false;
    }
    return true;
}

void CLSVorelSettings::writeSettings(CLSFileWriteString& file, CLSIniCompanion& companion) const {
    writeSectionKeys(file, companion, "Window");
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
        // One left out (kept by the companion) leaves a gap in the numbers,
        // which readers skip.
        companion.writeKeyText(file, "Recent", key.text(), path);
    }
    file.writeNewLine();

    writeSectionKeys(file, companion, "Options");
    // Older versions know no such key; a learner who never chose has none.
    if (!m_language.empty()) writeKeyText(file, "Language", CLSTString(m_language));
    file.writeNewLine();

    m_skin.writeDesign(file, companion);
    file.writeNewLine();

    // The last section: no empty line after it.
    writeSectionKeys(file, companion, "Print");
    writePrintFonts(file, companion);
    // Only a learner who changed a review setting has this section.
    m_review.write(file);
}

namespace {

// The print fonts follow the other [Print] keys, each under its own prefix
// with the properties of a design item (and its style, which the print-font
// dialog sets). Files of older versions have none of them and keep the
// built-in fonts.
const char* const kPrintFontPrefixes[CLSVorelSettings::kPrintFontCount] = {
    "PrintFontTitle",       "PrintFontQuestion",       "PrintFontAnswer",
    "PrintFontTitleNumber", "PrintFontQuestionNumber", "PrintFontAnswerNumber",
};

constexpr int kMaxPrintFontSize = 999;

std::string keyOf(int font, const char* property) {
    return std::string(kPrintFontPrefixes[font]) + property;
}

}  // namespace

void CLSVorelSettings::readPrintFonts(const CLSIniFile& ini) {
    const CLSIniSection* section = ini.section("Print");
    if (!section) return;
    // A value out of its range keeps the font's own, as a missing one does.
    for (int i = 0; i < kPrintFontCount; ++i) {
        CLSVorelFont& font = m_printFonts[i];
        int value = 0;
        if (section->readInteger(keyOf(i, "Size").c_str(), value) && value >= 1 &&
            value <= kMaxPrintFontSize) {
            font.size = value;
        }
        if (section->readInteger(keyOf(i, "CharSet").c_str(), value) && value >= 0 &&
            value <= 255) {
            font.charSet = value;
        }
        if (section->readInteger(keyOf(i, "Style").c_str(), value) && value >= 0) {
            font.style =
                value & (CLSVorelFont::kBold | CLSVorelFont::kItalic | CLSVorelFont::kUnderline);
        }
        section->readColour(keyOf(i, "TextColor").c_str(), font.textColor);
        section->readColour(keyOf(i, "BackgroundColor").c_str(), font.backgroundColor);
        CLSTString name;
        if (section->readText(keyOf(i, "Name").c_str(), name) && !name.isEmpty()) font.name = name;
    }
}

void CLSVorelSettings::writePrintFonts(CLSFileWriteString& file, CLSIniCompanion& companion) const {
    for (int i = 0; i < kPrintFontCount; ++i) {
        const CLSVorelFont& font = m_printFonts[i];
        writeKey(file, keyOf(i, "Size").c_str(), font.size);
        writeKey(file, keyOf(i, "CharSet").c_str(), font.charSet);
        writeKey(file, keyOf(i, "Style").c_str(), font.style);
        writeKey(file, keyOf(i, "TextColor").c_str(), static_cast<int>(font.textColor),
                 kKeyTypeColour);
        writeKey(file, keyOf(i, "BackgroundColor").c_str(), static_cast<int>(font.backgroundColor),
                 kKeyTypeColour);
        companion.writeKeyText(file, "Print", keyOf(i, "Name").c_str(), IniSingleLine(font.name));
    }
}

void CLSVorelSettings::writeSectionKeys(CLSFileWriteString& file, CLSIniCompanion& companion,
                                        const char* name) const {
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
                companion.writeKeyText(file, name, key.name, IniSingleLine(m_texts[key.slot]));
                break;
            case KeyKind::List:
                writeKeyList(file, key.name, m_lists[key.slot], listLength(key.slot));
                break;
            case KeyKind::ReadOnly:
                break;
        }
    }
}
