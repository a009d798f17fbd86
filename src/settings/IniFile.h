#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "text/Colour.h"
#include "text/TString.h"
#include "text/TextEncoding.h"

class CLSFileSafeWrite;
class CLSFileWriteString;

/// One [section] of an INI-style file: its entries in the order they first
/// appeared, looked up without regard to case. A later entry with the same
/// key replaces the value of the earlier one.
class CLSIniSection {
  public:
    struct Entry {
        CLSTString key;
        CLSTString value;
    };

    explicit CLSIniSection(const CLSTString& name) : m_name(name) {}

    const CLSTString& name() const { return m_name; }
    const std::vector<Entry>& entries() const { return m_entries; }
    void set(const CLSTString& key, const CLSTString& value);
    /// The value of key (any case), or nullptr when the key is absent.
    const CLSTString* find(const char* key) const;

    // Typed readers: each leaves value untouched and returns false when the
    // key is absent.
    bool readInteger(const char* key, int& value) const;
    bool readColour(const char* key, Colour& value) const;
    bool readText(const char* key, CLSTString& value) const;
    /// exactlyOne: only a value reading as 1 is on (else any non-zero value).
    bool readFlag(const char* key, bool exactlyOne, bool& value) const;
    /// Comma-separated integers into slots in order; missing or empty pieces
    /// keep their slot, extra pieces are ignored.
    bool readList(const char* key, int* slots, int count) const;

  private:
    CLSTString m_name;
    std::vector<Entry> m_entries;
    std::unordered_map<std::string, size_t> m_index;  // case-folded key -> entry
};

/// The parsed content of a settings or design file: sections of entries.
/// Lines before the first section, lines without "=" and empty lines are
/// ignored; names and values are kept exactly as written (no trimming).
class CLSIniFile {
  public:
    /// Parses a file (Shift-JIS, or UTF-8 with or without its byte-order
    /// mark); false (leaving the content empty) when it cannot be opened or
    /// read.
    bool load(const CLSTString& path);
    bool loadNative(const std::string& nativePath,
                    CLSTextEncoding encoding = CLSTextEncoding::kCp932);
    /// Reads the UTF-8 companion of the file loaded (see CLSIniCompanion):
    /// its entries are added where this file lacks their key. False, adding
    /// nothing, when there is none or it cannot be read.
    bool loadCompanion(const CLSTString& companionPath);
    /// Adds the entries of other whose keys (in their section) this file lacks.
    void fillIn(const CLSIniFile& other);
    /// Parses text held in memory; lines end with CR LF, CR or LF.
    void parse(std::string_view text);
    /// Takes one line of the file (without its line end).
    void addLine(const CLSTString& line);
    void clear();

    /// The section of that name (any case), or nullptr.
    const CLSIniSection* section(const char* name) const;
    const std::vector<CLSIniSection>& sections() const { return m_sections; }

  private:
    /// The index of the section of that name, added when there is none.
    int sectionIndex(const CLSTString& name);

    std::vector<CLSIniSection> m_sections;
    std::vector<std::string> m_folded;  // case-folded section names
    int m_current = -1;                 // section that takes entries, -1 before the first
};

/// The entries of a Shift-JIS settings or design file that Shift-JIS cannot
/// hold. The main file keeps every other value, so that older versions still
/// read it; such an entry is left out of it (an older version then takes its
/// default: a gap in a numbered list, the built-in font) and goes to the
/// companion file instead, the same [section] and key=value lines in UTF-8
/// with a byte-order mark. The companion is read after the main file, and an
/// entry of it counts only where the main file lacks the key: the program
/// never writes a key to both, so one found in the main file was put there
/// later (by an older version, or by hand) and is the newer value.
class CLSIniCompanion {
  public:
    /// Writes key=value to file when the file's encoding holds the value
    /// exactly; otherwise keeps the entry, under section, for the companion.
    void writeKeyText(CLSFileWriteString& file, const char* section, const char* key,
                      const CLSTString& value);
    bool isEmpty() const { return m_sections.empty(); }
    /// The bytes of the companion file: byte-order mark and lines (CR LF).
    std::string fileBytes() const;

  private:
    std::vector<std::pair<std::string, std::string>> m_sections;  // name, its lines
};

/// Saves a main file and its companion, each through a temporary file:
/// write puts the main text into the file and hands entries Shift-JIS cannot
/// hold to the companion. When none did, an old companion is removed, so
/// that its values cannot stand in for newer ones. Throws CLSError code 6
/// (source "READLINE") when either cannot be written; both files are then
/// as they were (unless the system refuses the last rename, after the
/// first went through).
void SaveWithCompanion(const CLSTString& path, const CLSTString& companionPath,
                       const std::function<void(CLSFileWriteString&, CLSIniCompanion&)>& write);

/// Puts a main file, written whole into main, and its companion in place:
/// empty companionBytes remove an old companion. Throws as SaveWithCompanion.
void CommitWithCompanion(CLSFileSafeWrite& main, const CLSTString& companionPath,
                         std::string_view companionBytes);

/// The companion of a settings or table file: ".UTF8" before the extension
/// (VORELWIN.INI -> VORELWIN.UTF8.INI), or at the end of a name without one.
CLSTString Utf8CompanionPath(const CLSTString& path);

/// Integer value of a setting: decimal or "0x" hexadecimal, 0 for text that
/// is no number. Unlike a colour, an eight-character hex text is one number.
int IniInteger(const CLSTString& value);
/// Colour value: "0xRRGGBB" as red, green, blue; any other text as an integer
/// (red in the low byte), keeping only the red, green and blue bytes.
Colour IniColour(const CLSTString& value);
/// Text with A-Z folded to a-z (every other character untouched), the
/// key under which names are compared.
std::string FoldCase(std::string_view text);
/// The part of a value before its first line break: the file has no way to
/// hold one, and writing it would add lines of its own.
CLSTString IniSingleLine(const CLSTString& value);
/// True when text starts with prefix, comparing without regard to case.
bool StartsWithNoCase(const CLSTString& text, const char* prefix);
