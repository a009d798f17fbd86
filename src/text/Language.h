#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// The language the program speaks to the learner. Its own texts are
// Japanese; every other language comes from a catalogue built from
// translations/vorel_<code>.ts. The core looks its texts up with VT(); the
// widgets use Qt's translator, loaded from the same file.

/// The program's own language, which needs no catalogue.
inline constexpr const char* kNativeLanguage = "ja";
/// What a learner gets when the system asks for a language the program
/// does not speak.
inline constexpr const char* kFallbackLanguage = "en";

/// "ja" and the code of every language with a catalogue, in that order.
std::vector<std::string> AvailableLanguages();

/// The language to speak: VOREL_LANG when it names one the program has;
/// else the setting ("ja", "en", ...; "" for automatic); automatic takes
/// the first of LANGUAGE (its first entry), LC_ALL, LC_MESSAGES and LANG
/// that is set: Japanese for ja* and for C and POSIX (so that scripts see
/// the texts they always saw), a language the program has by its code,
/// and English for every other locale. getenv reads the environment.
std::string ChooseLanguage(std::string_view setting,
                           const std::function<const char*(const char*)>& getenv);

/// The language of this run; set once at start-up ("ja" until then).
void SetProgramLanguage(std::string_view code);
const std::string& ProgramLanguage();
inline bool SpeaksNativeLanguage() {
    return ProgramLanguage() == kNativeLanguage;
}

/// A text of the core in the program's language: the catalogue's
/// translation of japanese, or japanese itself when there is none. Give it
/// one string literal on one line: scripts/update-translations.sh finds the
/// core's texts by scanning the sources for such calls.
const char* VT(const char* japanese);

/// Marks a text of the core for the translation and gives it back as it
/// is: for a text that is kept Japanese in one place (a file's fixed words)
/// and shown translated in another, where VT() is given it. Like VT(), one
/// string literal on one line.
constexpr const char* VN(const char* japanese) {
    return japanese;
}

/// A text with values put in: %1 to %9 stand for the values in order, so
/// that a translation may place them where its language wants them
/// ("ファイル %1 を開けません。" / "Cannot open the file %1."). A % not
/// followed by a digit of a given value stays as it is.
std::string Fill(std::string_view text, std::initializer_list<std::string_view> values);
