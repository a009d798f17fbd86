#include "settings/VorelSettings.h"

#include "text/Codec.h"
#include "text/Error.h"

using namespace VorelSettingKeys;

namespace {

const char* const kSource = "VRLSET";

void checkIndex(int index, int count) {
    if (index < 0 || index >= count) VR_THROW(kSource, CLSError::kIndex);
}

struct WindowSlots {
    int left;
    int showBit;
};
const WindowSlots kWindowSlots[] = {{kLeft, 1}, {kListLeft, 2}, {kPreviewLeft, 4}};

}  // namespace

CLSVorelSettings::CLSVorelSettings() {
    for (int i = 0; i < kIntSlotCount; ++i)
        m_ints[i] = IntDefault(i);
    for (int i = 0; i < kTextSlotCount; ++i)
        m_texts[i] = TextDefault(i);
    for (int list = 0; list < kListSlotCount; ++list) {
        for (int i = 0; i < kMaxListLength; ++i)
            m_lists[list][i] = ListDefault(list)[i];
    }
    for (int word = 0; word < kFlagWordCount; ++word)
        m_flagWords[word] = FlagWordDefault(word);
    for (CLSVorelFont& font : m_printFonts) {
        font.size = 9;
        font.charSet = 128;
        font.name = "ＭＳ Ｐゴシック";
    }
    m_printFonts[kPrintFontAnswer].textColor = makeColour(255, 0, 0);
}

void CLSVorelSettings::setBit(int word, int bit, bool on) {
    m_flagWords[word] = on ? (m_flagWords[word] | bit) : (m_flagWords[word] & ~bit);
}

bool CLSVorelSettings::debugMode() const {
    return ::debugMode();
}

void CLSVorelSettings::setDebugMode(bool on) {
    ::setDebugMode(on);
}

CLSWindowPlace CLSVorelSettings::windowPlace(int window) const {
    checkIndex(window, 3);
    const WindowSlots& slots = kWindowSlots[window];
    CLSWindowPlace place;
    place.left = m_ints[slots.left];
    place.top = m_ints[slots.left + 1];
    place.width = m_ints[slots.left + 2];
    place.height = m_ints[slots.left + 3];
    place.maximized = (m_flagWords[kWindowFlags] & slots.showBit) != 0;
    return place;
}

void CLSVorelSettings::setWindowPlace(int window, const CLSWindowPlace& place) {
    checkIndex(window, 3);
    const WindowSlots& slots = kWindowSlots[window];
    m_ints[slots.left] = place.left;
    m_ints[slots.left + 1] = place.top;
    m_ints[slots.left + 2] = place.width;
    m_ints[slots.left + 3] = place.height;
    setBit(kWindowFlags, slots.showBit, place.maximized);
}

int CLSVorelSettings::paneSize(int slot, int minimum) const {
    int stored = intSetting(slot);
    return stored < minimum ? VorelSettingKeys::IntDefault(slot) : stored;
}

int CLSVorelSettings::intSetting(int slot) const {
    checkIndex(slot, kIntSlotCount);
    return m_ints[slot];
}

void CLSVorelSettings::setIntSetting(int slot, int value) {
    checkIndex(slot, kIntSlotCount);
    if (slot == kRecentFileMax) {
        setRecentFileMax(value);
        return;
    }
    m_ints[slot] = ApplyRangeRule(slot, value, m_ints[slot]);
}

void CLSVorelSettings::setTextSetting(int slot, const CLSTString& text) {
    checkIndex(slot, kTextSlotCount);
    m_texts[slot] = text;
}

const CLSTString& CLSVorelSettings::titleNumberFormat() const {
    return m_texts[kTitleNumberFormat];
}
const CLSTString& CLSVorelSettings::questionNumberFormat() const {
    return m_texts[kQuestionNumberFormat];
}
const CLSTString& CLSVorelSettings::answerNumberFormat() const {
    return m_texts[kAnswerNumberFormat];
}
void CLSVorelSettings::setTitleNumberFormat(const CLSTString& s) {
    m_texts[kTitleNumberFormat] = s;
}
void CLSVorelSettings::setQuestionNumberFormat(const CLSTString& s) {
    m_texts[kQuestionNumberFormat] = s;
}
void CLSVorelSettings::setAnswerNumberFormat(const CLSTString& s) {
    m_texts[kAnswerNumberFormat] = s;
}

const CLSTString& CLSVorelSettings::soundName(int slot) const {
    checkIndex(slot, kSoundSlotCount);
    return m_texts[kSoundExamName + slot];
}

void CLSVorelSettings::setSoundName(int slot, const CLSTString& fileName) {
    checkIndex(slot, kSoundSlotCount);
    m_texts[kSoundExamName + slot] = fileName;
}

int CLSVorelSettings::listValue(int list, int index) const {
    return index >= 0 && index < listLength(list) ? m_lists[list][index] : 0;
}

void CLSVorelSettings::setListValue(int list, int index, int value) {
    if (index >= 0 && index < listLength(list)) m_lists[list][index] = value;
}

int CLSVorelSettings::editListColumnWidth(int index) const {
    return listValue(kEditListColumnWidth, index);
}
int CLSVorelSettings::examListColumnWidth(int index) const {
    return listValue(kExamListColumnWidth, index);
}
int CLSVorelSettings::detailsListColumnWidth(int index) const {
    return listValue(kDetailsListColumnWidth, index);
}
void CLSVorelSettings::setEditListColumnWidth(int index, int width) {
    setListValue(kEditListColumnWidth, index, width);
}
void CLSVorelSettings::setExamListColumnWidth(int index, int width) {
    setListValue(kExamListColumnWidth, index, width);
}
void CLSVorelSettings::setDetailsListColumnWidth(int index, int width) {
    setListValue(kDetailsListColumnWidth, index, width);
}

const CLSVorelFont& CLSVorelSettings::printFont(int index) const {
    checkIndex(index, kPrintFontCount);
    return m_printFonts[index];
}

void CLSVorelSettings::setPrintFont(int index, const CLSVorelFont& font) {
    checkIndex(index, kPrintFontCount);
    m_printFonts[index] = font;
}

bool CLSVorelSettings::loadVagueFile(const CLSTString& path) {
    CLSTraceScope trace("CLSVorelSettings::loadVagueFile");
    return m_vague.load(path);
}

bool CLSVorelSettings::saveVagueFile(const CLSTString& path) const {
    CLSTraceScope trace("CLSVorelSettings::saveVagueFile");
    return m_vague.save(path);
}

AnswerMode CLSVorelSettings::answerMode() const {
    int stored = m_ints[VorelSettingKeys::kAnswerMode];
    return stored >= 0 && stored <= 3 ? static_cast<AnswerMode>(stored) : AnswerMode::kNormal;
}
