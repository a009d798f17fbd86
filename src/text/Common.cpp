#include "text/Common.h"

#include <cstring>

#include "text/Codec.h"
#include "text/Colour.h"
#include "text/FileWriteString.h"
#include "text/Language.h"

namespace {

struct CharsetName {
    const char* name;
    int value;
};

const CharsetName kCharsets[] = {
    {"ANSI", 0},      {"DEFAULT", 1},      {"SYMBOL", 2},   {"MAC", 77},     {"SHIFTJIS", 128},
    {"HANGEUL", 129}, {"JOHAB", 130},      {"GB2312", 134}, {"BIG5", 136},   {"GREEK", 161},
    {"TURKISH", 162}, {"HEBREW", 177},     {"ARABIC", 178}, {"BALTIC", 186}, {"RUSSIAN", 204},
    {"THAI", 222},    {"EASTEUROPE", 238}, {"OEM", 255},
};

}  // namespace

int charsetFromName(const char* name) {
    if (!name) return -1;
    if (name[0] >= '0' && name[0] <= '9') return CLSTString(name).toInteger();
    for (const CharsetName& c : kCharsets) {
        if (CLSTString(name).compareNoCase(c.name) == 0) return c.value;
    }
    return -1;
}

CLSTString charsetToName(int charset) {
    if (charset == -1) return CLSTString();
    for (const CharsetName& c : kCharsets) {
        if (c.value == charset) return CLSTString(c.name);
    }
    return CLSTString(charset);
}

CLSTString versionText(int version) {
    CLSTString s(version / 10);
    return s.append('.').append(version % 10);
}

CLSTString intervalText(int64_t milliseconds) {
    int64_t seconds = milliseconds > 0 ? milliseconds / 1000 : 0;
    int64_t hours = seconds / 3600;
    int64_t minutes = seconds / 60 % 60;
    seconds %= 60;
    CLSTString s;
    if (hours > 0) s.append(static_cast<int>(hours)).append("時間");
    if (hours > 0 || minutes > 0) s.append(static_cast<int>(minutes)).append("分");
    s.append(static_cast<int>(seconds)).append("秒");
    return s;
}

void writeSection(CLSFileWriteString& file, const char* name) {
    file.write('[');
    file.write(name);
    file.writeLine(']');
}

void writeKey(CLSFileWriteString& file, const char* name, int value, int type) {
    file.write(name);
    file.write('=');
    if (type == kKeyTypeColour) {
        file.writeLine(colourText(static_cast<Colour>(value)));
    } else {
        file.writeLine(value);
    }
}

void writeKeyText(CLSFileWriteString& file, const char* name, const CLSTString& text) {
    file.write(name);
    file.write('=');
    file.writeLine(text);
}

void writeKeyList(CLSFileWriteString& file, const char* name, const int* values, int count) {
    file.write(name);
    file.write('=');
    for (int i = 0; i < count; ++i) {
        if (i > 0) file.write(',');
        file.write(values[i]);
    }
    file.writeNewLine();
}

void writeKeyFlag(CLSFileWriteString& file, const char* name, bool flag) {
    writeKey(file, name, flag ? 1 : 0);
}

void writeKeyRect(CLSFileWriteString& file, const char* name, const CLSRect& rect) {
    std::string base(name);
    writeKey(file, (base + "Left").c_str(), rect.left);
    writeKey(file, (base + "Top").c_str(), rect.top);
    writeKey(file, (base + "Width").c_str(), rect.width());
    writeKey(file, (base + "Height").c_str(), rect.height());
}
