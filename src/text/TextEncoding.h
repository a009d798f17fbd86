#pragma once

#include <string_view>

/// The encodings of text files: Shift-JIS (CP932), the encoding of the
/// program's files from the start, and UTF-8.
enum class CLSTextEncoding { kCp932, kUtf8 };

/// The UTF-8 byte-order mark.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

/// The encoding of a text from its first bytes: UTF-8 when it starts with
/// the byte-order mark, or when it is valid UTF-8 beyond plain ASCII; CP932
/// otherwise. wholeText: nothing was cut off after start (else a character
/// cut in two at the end is not held against it).
CLSTextEncoding DetectTextEncoding(std::string_view start, bool wholeText);

/// "Shift-JIS" or "UTF-8", as the program shows a file's encoding.
const char* TextEncodingLabel(CLSTextEncoding encoding);
/// "cp932" or "utf-8".
const char* TextEncodingName(CLSTextEncoding encoding);
/// Reads "cp932", "sjis", "shift_jis", "utf-8" or "utf8" (any case); false
/// for anything else.
bool ParseTextEncoding(std::string_view name, CLSTextEncoding& encoding);
