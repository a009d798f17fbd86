#pragma once

#include <cstddef>
#include <map>
#include <string>

#include "text/TString.h"

/// The vague-match table: pairs of a key text and its replacement,
/// keys unique without regard to case and kept in case-insensitive order.
/// Judging rewrites answers with it when vague comparison is on.
class CLSVagueTable {
  public:
    using Pairs = std::map<CLSTString, CLSTString>;  // CLSTString orders without case

    /// The built-in pairs.
    CLSVagueTable();

    /// Adds a pair unless its key is empty or the table already holds an
    /// equal key (without regard to case); true when it was added.
    bool insert(const CLSTString& key, const CLSTString& replacement);
    /// Adds a pair as the customisation page enters it: the longer text
    /// becomes the key (equal lengths keep the order given). False, adding
    /// nothing, when both texts are empty (see VagueEmptyPairMessage).
    bool addPair(const CLSTString& text1, const CLSTString& text2);
    void clear() { m_pairs.clear(); }
    /// Replaces the content with the built-in pairs.
    void resetToBuiltIn();

    int count() const { return static_cast<int>(m_pairs.size()); }
    /// The replacement of key (any case), or nullptr.
    const CLSTString* find(const CLSTString& key) const;
    /// The pairs in table order: first is the key, second the replacement.
    const Pairs& pairs() const { return m_pairs; }
    Pairs::const_iterator begin() const { return m_pairs.begin(); }
    Pairs::const_iterator end() const { return m_pairs.end(); }

    /// Inserts the pairs of a pair area (key, NUL, replacement, NUL, ...).
    /// A last pair cut short is ignored. Returns the number of complete pairs.
    int addPairArea(const char* data, size_t size);
    /// The pair area of the table, in table order.
    std::string pairArea() const;

    /// Adds the pairs of a table file, and then of its UTF-8 companion
    /// (Utf8CompanionPath), to those already held; a missing, unreadable or
    /// foreign file gives the built-in pairs instead. True when the file's
    /// pairs were used. Throws CLSError code 10 (source "VRLSET")
    /// when the pair area cannot be held in memory.
    bool load(const CLSTString& path);
    /// Writes the table file through a temporary file, with the pairs that
    /// Shift-JIS cannot hold in its companion (an old one goes when none
    /// is needed); false (the old files untouched) when it cannot be written.
    bool save(const CLSTString& path) const;

  private:
    Pairs m_pairs;
};

/// The four bytes every table file starts with.
inline constexpr char kVagueMagic[4] = {'V', 'R', 0x01, '!'};
/// The built-in pairs as a pair area (46 pairs, 329 bytes) in stored order.
const std::string& BuiltInVaguePairArea();
/// The refusal shown when a pair with two empty texts is added (CP932).
const char* VagueEmptyPairMessage();
