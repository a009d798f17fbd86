#pragma once

#include <string>
#include <string_view>

// The one conversion between the program's CP932 (Windows-31J) texts and
// UTF-8, the encoding of the platform, file names and the widgets.

/// CP932 bytes to UTF-8. Never fails: a byte sequence that is not CP932
/// shows as U+FFFD.
std::string Cp932ToUtf8(std::string_view cp932);

/// UTF-8 to CP932. Characters that CP932 cannot hold become "?" in out and
/// are listed (as UTF-8) in unmappable; returns false when there was any.
bool Utf8ToCp932(std::string_view utf8, std::string& out, std::string* unmappable = nullptr);

/// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or
/// code points beyond U+10FFFF). With cutAllowed a sequence cut off at the
/// very end counts as well-formed.
bool IsValidUtf8(std::string_view bytes, bool cutAllowed = false);

/// UTF-8 to CP932 for the program's own texts, which are always mappable.
std::string Utf8ToCp932Literal(std::string_view utf8);

/// A CP932 copy of a UTF-8 string literal, converted once per use site.
#define SJIS(utf8)                                                      \
    ([]() -> const char* {                                              \
        static const std::string converted_ = Utf8ToCp932Literal(utf8); \
        return converted_.c_str();                                      \
    }())
