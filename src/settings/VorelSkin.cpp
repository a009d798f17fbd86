#include "settings/VorelSkin.h"

#include <cstring>
#include <string>

#include "settings/IniFile.h"
#include "text/Codec.h"
#include "text/Common.h"
#include "text/Error.h"
#include "text/FileWriteString.h"
#include "text/Language.h"

namespace {

const char* const kSource = "VRLSKIN";

struct DefaultItem {
    int size;
    int textColor;  // 0xRRGGBB as written in a file
    int backgroundColor;
    int borderType;
    int borderColor;
    int borderSize;
    int padding;
    int margin;
};

const DefaultItem kDefaultItems[CLSVorelSkin::kItemCount] = {
    {12, 0x000000, 0xFFC6AA, 2, 0x808080, 2, 5, 2},  // title
    {20, 0xFFFFFF, 0x008080, 3, 0x004080, 2, 8, 2},  // question
    {14, 0x000000, 0xB5BEFF, 2, 0x0000FF, 1, 4, 1},  // hint
    {20, 0x0000A0, 0xFFFFCC, 5, 0x808080, 2, 4, 1},  // answer
    {11, 0x000000, 0xD4D4D4, 1, 0x000000, 1, 4, 1},  // comment
    {9, 0x0000C8, 0xD8D8FF, 0, 0x000000, 2, 4, 0},   // information pane
};

const int kDefaultColours[CLSVorelSkin::kColourCount] = {
    0x004040, 0xCCFFFF, 0xFF8040, 0xFFFFA6, 0xFF0000, 0xFFCCCC,
};

const char* const kColourKeys[CLSVorelSkin::kColourCount] = {
    "StudyFormTextColor",   "StudyFormBackgroundColor", "HoverTextColor",
    "HoverBackgroundColor", "ActiveTextColor",          "ActiveBackgroundColor",
};

// The table above is written the way a design file shows colours.
Colour fromRgbHex(int rgb) {
    return makeColour((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

bool isProperty(const CLSTString& property, const char* name) {
    return property.compareNoCase(name) == 0;
}

int inRangeOr(int value, int low, int high, int fallback) {
    return value >= low && value <= high ? value : fallback;
}

void checkIndex(int index, int count) {
    if (index < 0 || index >= count) VR_THROW(kSource, CLSError::kIndex);
}

}  // namespace

bool CLSVorelSkinItem::setProperty(const CLSTString& property, const CLSTString& value) {
    if (isProperty(property, "Size")) {
        size = IniInteger(value);
    } else if (isProperty(property, "CharSet")) {
        charSet = IniInteger(value);
    } else if (isProperty(property, "TextColor")) {
        textColor = IniColour(value);
    } else if (isProperty(property, "BackgroundColor")) {
        backgroundColor = IniColour(value);
    } else if (isProperty(property, "Name")) {
        name = value;
    } else if (isProperty(property, "BorderType")) {
        borderType = IniInteger(value);
    } else if (isProperty(property, "BorderColor")) {
        borderColor = IniColour(value);
    } else if (isProperty(property, "BorderSize")) {
        borderSize = inRangeOr(IniInteger(value), 1, 10, 2);
    } else if (isProperty(property, "Padding")) {
        padding = inRangeOr(IniInteger(value), 0, 50, 4);
    } else if (isProperty(property, "Margin")) {
        margin = inRangeOr(IniInteger(value), 0, 20, 0);
    } else {
        return false;
    }
    return true;
}

const char* BorderTypeName(int borderType) {
    switch (borderType) {
        case 0:
            return VT("なし");
        case 1:
            return VT("四角");
        case 2:
            return VT("丸四角");
        case 3:
            return VT("2重四角");
        case 4:
            return VT("2重丸四角");
        case 5:
            return VT("谷線");
        case 6:
            return VT("山線");
        case 7:
            return VT("内線");
        case 8:
            return VT("外線");
        default:
            return "";
    }
}

CLSVorelSkin::CLSVorelSkin() {
    for (int i = 0; i < kItemCount; ++i) {
        const DefaultItem& d = kDefaultItems[i];
        CLSVorelSkinItem& item = m_items[i];
        item.size = d.size;
        item.charSet = 128;
        item.name = "ＭＳ Ｐゴシック";
        item.textColor = fromRgbHex(d.textColor);
        item.backgroundColor = fromRgbHex(d.backgroundColor);
        item.borderType = d.borderType;
        item.borderColor = fromRgbHex(d.borderColor);
        item.borderSize = d.borderSize;
        item.padding = d.padding;
        item.margin = d.margin;
    }
    for (int i = 0; i < kColourCount; ++i)
        m_colours[i] = fromRgbHex(kDefaultColours[i]);
}

CLSVorelSkinItem& CLSVorelSkin::item(int index) {
    checkIndex(index, kItemCount);
    return m_items[index];
}

const CLSVorelSkinItem& CLSVorelSkin::item(int index) const {
    checkIndex(index, kItemCount);
    return m_items[index];
}

Colour CLSVorelSkin::colour(int index) const {
    checkIndex(index, kColourCount);
    return m_colours[index];
}

void CLSVorelSkin::setColour(int index, Colour colour) {
    checkIndex(index, kColourCount);
    m_colours[index] = colour;
}

const char* CLSVorelSkin::itemPrefix(int index) {
    switch (index) {
        case kTitle:
            return "タイトル";
        case kQuestion:
            return "問題";
        case kHint:
            return "ヒント";
        case kAnswer:
            return "答え";
        case kComment:
            return "コメント";
        case kInfoPane:
            return "InfoPane";
        default:
            return "";
    }
}

const char* CLSVorelSkin::colourKey(int index) {
    return index >= 0 && index < kColourCount ? kColourKeys[index] : "";
}

void CLSVorelSkin::readDesign(const CLSIniFile& ini) {
    const CLSIniSection* design = ini.section("Design");
    if (!design) return;
    for (const CLSIniSection::Entry& entry : design->entries()) {
        bool isItemKey = false;
        for (int i = 0; i < kItemCount && !isItemKey; ++i) {
            const char* prefix = itemPrefix(i);
            if (StartsWithNoCase(entry.key, prefix)) {
                isItemKey = true;
                CLSTString property = entry.key.substring(static_cast<int>(std::strlen(prefix)));
                m_items[i].setProperty(property, entry.value);
            }
        }
        if (isItemKey) continue;
        for (int c = 0; c < kColourCount; ++c) {
            if (entry.key.compareNoCase(kColourKeys[c]) == 0) m_colours[c] = IniColour(entry.value);
        }
    }
}

void CLSVorelSkin::writeDesign(CLSFileWriteString& file, CLSIniCompanion& companion) const {
    writeSection(file, "Design");
    for (int i = 0; i < kItemCount; ++i) {
        const CLSVorelSkinItem& item = m_items[i];
        std::string prefix = itemPrefix(i);
        auto key = [&prefix](const char* property) { return prefix + property; };
        writeKey(file, key("Size").c_str(), item.size);
        writeKey(file, key("CharSet").c_str(), item.charSet);
        writeKey(file, key("TextColor").c_str(), static_cast<int>(item.textColor), kKeyTypeColour);
        writeKey(file, key("BackgroundColor").c_str(), static_cast<int>(item.backgroundColor),
                 kKeyTypeColour);
        companion.writeKeyText(file, "Design", key("Name").c_str(), IniSingleLine(item.name));
        writeKey(file, key("BorderType").c_str(), item.borderType);
        writeKey(file, key("BorderSize").c_str(), item.borderSize);
        writeKey(file, key("BorderColor").c_str(), static_cast<int>(item.borderColor),
                 kKeyTypeColour);
        writeKey(file, key("Padding").c_str(), item.padding);
        writeKey(file, key("Margin").c_str(), item.margin);
    }
    for (int c = 0; c < kColourCount; ++c)
        writeKey(file, kColourKeys[c], static_cast<int>(m_colours[c]), kKeyTypeColour);
}

bool CLSVorelSkin::loadDesignFile(Prompter& prompter, const CLSTString& path) {
    CLSTraceScope trace("CLSVorelSkin::loadDesignFile");
    CLSIniFile ini;
    if (!ini.load(path)) {
        showError(CLSError(kSource, __LINE__, CLSError::kOpen), prompter);
        return false;
    }
    ini.loadCompanion(DesignCompanionPath(path));
    readDesign(ini);
    return true;
}

bool CLSVorelSkin::saveDesignFile(Prompter& prompter, const CLSTString& path) const {
    CLSTraceScope trace("CLSVorelSkin::saveDesignFile");
    try {
        SaveWithCompanion(path, DesignCompanionPath(path),
                          [this](CLSFileWriteString& file, CLSIniCompanion& companion) {
                              writeDesign(file, companion);
                          });
    } catch (const CLSError& error) {
        showError(error, prompter);
        return false;
    }
    return true;
}

CLSTString DesignCompanionPath(const CLSTString& path) {
    CLSTString companion(path);
    return companion.append(".utf8");
}
