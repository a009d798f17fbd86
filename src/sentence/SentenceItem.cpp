#include "sentence/SentenceItem.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "text/Error.h"
#include "text/FileWriteString.h"

namespace {

const char* const kSource = "SENTENCE";

// A value is a percentage when "%" follows its leading digits; a minus sign
// in front of the digits rules that out.
// The magnitude is kept within INT_MAX, so that every value has a
// negative (percent) form and its absolute value is written back as read.
int sizeValue(const CLSTString& value, bool dropSign) {
    int64_t v = value.toInteger();
    if (dropSign && v < 0) v = -v;
    if (value.isPercent()) v = v < 0 ? v : -v;  // digits that wrapped stay a percent
    return static_cast<int>(std::clamp<int64_t>(v, -INT_MAX, INT_MAX));
}

int percentOf(int negativePercent, int natural) {
    return static_cast<int>(static_cast<long long>(-negativePercent) * natural / 100);
}

}  // namespace

// ---- object -----------------------------------------------------------------

CLSSentenceItemObject CLSSentenceItemObject::fromObjectText(const CLSTString& objectText) {
    CLSSentenceItemObject o;
    int bar = objectText.findChar('|');
    o.fileName = bar < 0 ? objectText : objectText.substring(0, bar);
    if (bar < 0) return o;
    CLSTStringArray pieces = objectText.substring(bar + 1).tokenize('|');
    for (const CLSTString& piece : pieces) {
        CLSTStringArray parts = piece.tokenize('=');
        if (parts.count() != 2) continue;
        const CLSTString& key = parts[0];
        const CLSTString& value = parts[1];
        if (key.compareNoCase("width") == 0) {
            o.width = sizeValue(value, true);
        } else if (key.compareNoCase("height") == 0) {
            o.height = sizeValue(value, true);
        } else if (key.compareNoCase("srcwidth") == 0) {
            o.srcwidth = sizeValue(value, false);
        } else if (key.compareNoCase("srcHeight") == 0) {
            o.srcHeight = sizeValue(value, false);
        } else if (key.compareNoCase("srcleft") == 0) {
            o.srcleft = sizeValue(value, false);
        } else if (key.compareNoCase("srctop") == 0) {
            o.srctop = sizeValue(value, false);
        } else if (key.compareNoCase("loop") == 0) {
            int loops = value.toInteger();
            o.loop = loops < 1 ? -1 : loops;
        } else if (key.compareNoCase("interval") == 0) {
            o.interval = value.toInteger();
        } else if (key.compareNoCase("autoplay") == 0) {
            o.autoplay = value.toInteger() != 0;
        } else if (key.compareNoCase("showcontrol") == 0) {
            o.showcontrol = value.toInteger() != 0;
        }
    }
    return o;
}

CLSTString CLSSentenceItemObject::toMarkup() const {
    CLSTString s("\\i\"");
    s.append(fileName);
    auto size = [&s](const char* key, int value) {
        if (value != 0) s.append('|').append(key).append('=').append(sizeText(value));
    };
    size("width", width);
    size("height", height);
    size("srcwidth", srcwidth);
    size("srcHeight", srcHeight);
    size("srcleft", srcleft);
    size("srctop", srctop);
    if (loop != 0) s.append("|loop=").append(loop);
    if (interval != 1) s.append("|interval=").append(interval);
    if (!autoplay) s.append("|autoplay=0");
    if (showcontrol) s.append("|showcontrol=1");
    return s.append('"');
}

bool CLSSentenceItemObject::equals(const CLSSentenceItemObject& other) const {
    return fileName == other.fileName && width == other.width && height == other.height &&
           srcwidth == other.srcwidth && srcHeight == other.srcHeight && srcleft == other.srcleft &&
           srctop == other.srctop;
}

int CLSSentenceItemObject::sourceLeft(int naturalWidth) const {
    return srcleft >= 0 ? srcleft : percentOf(srcleft, naturalWidth);
}

int CLSSentenceItemObject::sourceTop(int naturalHeight) const {
    return srctop > 0 ? srctop : percentOf(srctop, naturalHeight);
}

int CLSSentenceItemObject::sourceWidth(int naturalWidth) const {
    if (srcwidth > 0) return srcwidth;
    if (srcwidth < 0) return percentOf(srcwidth, naturalWidth);
    return naturalWidth - sourceLeft(naturalWidth);
}

int CLSSentenceItemObject::sourceHeight(int naturalHeight) const {
    if (srcHeight > 0) return srcHeight;
    if (srcHeight < 0) return percentOf(srcHeight, naturalHeight);
    return naturalHeight - sourceTop(naturalHeight);
}

int CLSSentenceItemObject::viewWidth(int naturalWidth) const {
    if (width > 0) return width;
    return percentOf(width == 0 ? -100 : width, sourceWidth(naturalWidth));
}

int CLSSentenceItemObject::viewHeight(int naturalHeight) const {
    if (height > 0) return height;
    return percentOf(height == 0 ? -100 : height, sourceHeight(naturalHeight));
}

// ---- item -------------------------------------------------------------------

CLSSentenceItem::CLSSentenceItem(std::string_view text) : m_string(text) {}

CLSSentenceItem::CLSSentenceItem(const CLSSentenceItemObject& object)
    : m_object(std::make_unique<CLSSentenceItemObject>(object)) {}

CLSSentenceItem::CLSSentenceItem(const CLSSentenceItem& other)
    : m_string(other.m_string),
      m_object(other.m_object ? std::make_unique<CLSSentenceItemObject>(*other.m_object)
                              : nullptr) {}

CLSSentenceItem& CLSSentenceItem::operator=(const CLSSentenceItem& other) {
    if (this != &other) {
        m_string = other.m_string;
        m_object =
            other.m_object ? std::make_unique<CLSSentenceItemObject>(*other.m_object) : nullptr;
    }
    return *this;
}

const CLSSentenceItemString& CLSSentenceItem::string() const {
    if (m_object) VR_THROW(kSource, CLSError::kParameter);
    return m_string;
}

CLSSentenceItemString& CLSSentenceItem::string() {
    if (m_object) VR_THROW(kSource, CLSError::kParameter);
    return m_string;
}

const CLSSentenceItemObject& CLSSentenceItem::object() const {
    if (!m_object) VR_THROW(kSource, CLSError::kParameter);
    return *m_object;
}

CLSSentenceItemObject& CLSSentenceItem::object() {
    if (!m_object) VR_THROW(kSource, CLSError::kParameter);
    return *m_object;
}

CLSTString CLSSentenceItem::markup() const {
    return m_object ? m_object->toMarkup() : m_string.text();
}

int CLSSentenceItem::markupLength() const {
    return m_object ? m_object->toMarkup().length() : m_string.length();
}
