#pragma once

#include <string>
#include <string_view>

// The program's Unicode: UTF-8 code points, normalisation (NFC), case folding,
// character widths and user-perceived characters (grapheme clusters). The
// properties come from utf8proc; nothing outside this file includes it.
//
// Ill-formed UTF-8 never stops a function here: every byte that does not
// belong to a well-formed sequence (a cut sequence, a lone continuation byte,
// an overlong form, a surrogate, a code point beyond U+10FFFF) counts as one
// character U+FFFD of one byte. Positions are byte offsets into the text.

/// The length of the sequence a lead byte starts (1 to 4); 0 for a byte that
/// cannot start one (a continuation byte, C0, C1, F5 to FF).
int Utf8SequenceLength(unsigned char lead);

/// The code point at byte pos; its length in bytes goes to *length (when not
/// null). An ill-formed byte gives U+FFFD with length 1; pos at or past the end
/// gives 0 with length 0. Never reads outside text.
char32_t DecodeUtf8(std::string_view text, int pos, int* length = nullptr);

/// "U+1F600 U+2603" for the characters of a text.
std::string CodePointNames(std::string_view text);

/// Appends cp as UTF-8; a surrogate or a value beyond U+10FFFF appends U+FFFD.
void AppendUtf8(std::string& out, char32_t cp);

/// The text in Normalization Form C. Text that is plainly NFC (ASCII, kana,
/// kanji, precomposed letters) is copied; only the stretches around combining
/// marks and other characters that may change go through utf8proc.
std::string NormalizeNfc(std::string_view text);

/// Whether the text is well-formed and plainly NFC: every character one that
/// NFC keeps whatever stands around it. Such text NormalizeNfc copies.
bool IsPlainlyNfc(std::string_view text);

/// Full Unicode case folding (ß to ss, final sigma to sigma), result in NFC:
/// two texts that differ only in case fold to the same string. (The settings'
/// FoldCase in settings/IniFile.h folds only A to Z.)
std::string FoldCaseFull(std::string_view text);

/// Whether a code point is punctuation, a symbol or a space of any script.
bool IsPunctuationSymbolOrSpace(char32_t cp);

/// Whether a code point is a letter, a mark or a digit of any script.
bool IsLetterMarkOrDigit(char32_t cp);

/// The lower-case form of one code point (simple case mapping: ẞ to ß);
/// the code point itself when it has none.
char32_t LowerCase(char32_t cp);

/// The text without the accents and breathings (U+0300 to U+036F) that sit on
/// Latin and Greek letters, in NFC: "absurdité" to "absurdite", "Ἀθῆναι" to
/// "Αθηναι". Marks on other scripts (Cyrillic й, kana voicing) stay.
std::string StripLatinGreekMarks(std::string_view text);

/// The columns a code point takes on a fixed-width screen: 2 for wide and
/// full-width characters, 0 for combining marks, controls and other characters
/// that draw nothing of their own, 1 for the rest (ambiguous ones included).
int CharColumns(char32_t cp);

/// The columns of a whole text: each user-perceived character takes those of
/// its widest code point (an emoji with a skin tone is 2, not 4).
int TextColumns(std::string_view text);

/// The byte position just after the user-perceived character (extended
/// grapheme cluster) that starts at pos; text.size() when pos is at or past
/// the end. A base with its combining marks, an emoji sequence, a Hangul
/// syllable in jamo and CR LF each count as one.
int NextGraphemeBoundary(std::string_view text, int pos);

/// The start of the user-perceived character that ends at or contains the
/// byte before pos (the last boundary before pos); 0 when pos <= 0.
int PreviousGraphemeBoundary(std::string_view text, int pos);

/// The number of user-perceived characters in the text.
int GraphemeCount(std::string_view text);
