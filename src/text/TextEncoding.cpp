#include "text/TextEncoding.h"

#include <string>

#include "text/Codec.h"

CLSTextEncoding DetectTextEncoding(std::string_view start, bool wholeText) {
    if (start.substr(0, kUtf8Bom.size()) == kUtf8Bom) return CLSTextEncoding::kUtf8;
    bool nonAscii = false;
    for (char c : start) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            nonAscii = true;
            break;
        }
    }
    // Japanese CP932 text is practically never valid UTF-8 (its kana and
    // most kanji begin with bytes that UTF-8 only uses inside a character),
    // while short UTF-8 texts often happen to be valid CP932: validity as
    // UTF-8 decides.
    if (nonAscii && IsValidUtf8(start, !wholeText)) return CLSTextEncoding::kUtf8;
    return CLSTextEncoding::kCp932;
}

const char* TextEncodingName(CLSTextEncoding encoding) {
    return encoding == CLSTextEncoding::kUtf8 ? "utf-8" : "cp932";
}

bool ParseTextEncoding(std::string_view name, CLSTextEncoding& encoding) {
    std::string lower;
    for (char c : name)
        lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower == "cp932" || lower == "sjis" || lower == "shift_jis" || lower == "shift-jis") {
        encoding = CLSTextEncoding::kCp932;
        return true;
    }
    if (lower == "utf-8" || lower == "utf8") {
        encoding = CLSTextEncoding::kUtf8;
        return true;
    }
    return false;
}

const char* TextEncodingLabel(CLSTextEncoding encoding) {
    return encoding == CLSTextEncoding::kUtf8 ? "UTF-8" : "Shift-JIS";
}
