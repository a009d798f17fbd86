#pragma once

#include <string>
#include <string_view>

// The one conversion between CP932 (Windows-31J), the encoding of the
// Shift-JIS files, and UTF-8, the encoding of every text inside the program.

/// CP932 bytes to UTF-8. Never fails: a byte sequence that is not CP932
/// shows as U+FFFD.
std::string Cp932ToUtf8(std::string_view cp932);

/// Appends the UTF-8 of CP932 bytes; false when writing the result as CP932
/// would not give the same bytes back (a byte that is not CP932, shown as
/// U+FFFD, or one of the NEC and IBM duplicate codes).
bool AppendCp932AsUtf8(std::string& out, std::string_view cp932);

/// Appends the CP932 of UTF-8 text, as Utf8ToCp932 converts it; false when
/// any character became "?" (listed in unmappable).
bool AppendUtf8AsCp932(std::string& out, std::string_view utf8, std::string* unmappable);

/// Whether UTF-8 text comes back unchanged from CP932: every character has
/// a code of its own (no "?" and no look-alike). cp932, when given, gets the
/// CP932 bytes.
bool FitsCp932(std::string_view utf8, std::string* cp932 = nullptr);

/// UTF-8 to CP932. Characters that CP932 cannot hold become "?" in out and
/// are listed (as UTF-8) in unmappable; returns false when there was any.
bool Utf8ToCp932(std::string_view utf8, std::string& out, std::string* unmappable = nullptr);

/// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or
/// code points beyond U+10FFFF). With cutAllowed a sequence cut off at the
/// very end counts as well-formed.
bool IsValidUtf8(std::string_view bytes, bool cutAllowed = false);

/// UTF-8 to CP932 for texts that are known to fit (the tests' file bytes).
std::string Utf8ToCp932Literal(std::string_view utf8);

/// The CP932 code of one code point (a value below 0x100 is one byte),
/// counting the look-alikes other platforms type (U+301C for ～); -1 when
/// CP932 cannot hold it.
int Cp932CodeOf(char32_t cp);

/// The text with every character CP932 holds as CP932 reads it back: the
/// look-alikes other platforms type (U+301C for ～, U+2212 for －) and the
/// NEC and IBM duplicates become one character each, as answers typed
/// into a Shift-JIS program always were. Other characters stay.
std::string FoldToCp932Forms(std::string_view utf8);

/// Appends the UTF-8 of one CP932 code (one byte below 0x100, else two);
/// U+FFFD for a code CP932 does not define.
void AppendCp932Code(std::string& out, int code);
