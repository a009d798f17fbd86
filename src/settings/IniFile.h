#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "text/Colour.h"
#include "text/TString.h"

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
    /// Parses a CP932 file; false (leaving the content empty) when it cannot
    /// be opened or read.
    bool load(const CLSTString& path);
    bool loadNative(const std::string& nativePath);
    /// Parses text held in memory; lines end with CR LF, CR or LF.
    void parse(std::string_view text);
    /// Takes one line of the file (without its line end).
    void addLine(const CLSTString& line);
    void clear();

    /// The section of that name (any case), or nullptr.
    const CLSIniSection* section(const char* name) const;
    const std::vector<CLSIniSection>& sections() const { return m_sections; }

  private:
    std::vector<CLSIniSection> m_sections;
    std::vector<std::string> m_folded;  // case-folded section names
    int m_current = -1;                 // section that takes entries, -1 before the first
};

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
