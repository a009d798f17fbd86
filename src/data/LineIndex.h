#pragma once

#include <array>
#include <memory>
#include <vector>

class CLSVorelDataItem;

/// Where the questions, titles and setting lines of a document are, so that
/// lookups by number take O(1) and the setting in force at a line O(log n)
/// on large files. It is rebuilt lazily after lines move; appending keeps it.
class CLSLineIndex {
  public:
    using Lines = std::vector<std::unique_ptr<CLSVorelDataItem>>;

    void invalidate() { m_valid = false; }
    /// Rebuilds the index when lines moved (and tells each line its place).
    void ensure(const Lines& lines) const;
    /// A line appended at index i of a valid index keeps it valid.
    void appended(const CLSVorelDataItem& line, int i);
    /// Lines i and i + 1 changed places (first is now at i): a valid index
    /// stays valid at the cost of two binary searches.
    void swapped(const CLSVorelDataItem& first, const CLSVorelDataItem& second, int i);
    bool isValid() const { return m_valid; }

    // The lookups below need ensure() first.
    int questionCount() const { return static_cast<int>(m_questionLines.size()); }
    int titleCount() const { return static_cast<int>(m_titleLines.size()); }
    /// Line index of the n-th question or title.
    int questionLine(int n) const { return m_questionLines[n]; }
    int titleLine(int n) const { return m_titleLines[n]; }
    /// Questions and titles before line i.
    int questionsBefore(int i) const;
    int titlesBefore(int i) const;
    /// Line index of the first question after line i, -1 when none.
    int questionAfter(int i) const;
    /// Line index of the nearest line of a kind (titles included) at or
    /// before line i, -1 when none.
    int lineOfKindAtOrBefore(int kind, int i) const;
    /// Questions after line i up to the next title (or the end, lineCount).
    int questionsUntilNextTitle(int i, int lineCount) const;

  private:
    void add(const CLSVorelDataItem& line, int i) const;
    std::vector<int>* listOf(int kind) const;

    mutable bool m_valid = false;
    mutable std::vector<int> m_questionLines;
    mutable std::vector<int> m_titleLines;
    mutable std::array<std::vector<int>, 61> m_kindLines;
};
