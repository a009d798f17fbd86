#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "data/VorelDataItem.h"

class CLSVorelDataFile;

/// One change of the document's lines that can be made, taken back and
/// made again: some lines go out, others come in. The very line objects
/// that went out come back on undo, so a line returns byte for byte, its
/// fields as read included. A replaced line keeps its place and pointer
/// (the document's current line stays current).
class CLSLineChange {
  public:
    /// Lines at these indexes (before the change, ascending) go out and
    /// these come in, each at its index after the change (ascending).
    CLSLineChange(std::vector<int> removed, std::vector<std::pair<int, CLSVorelDataItem>> added);
    /// The line at index becomes item, in place.
    static CLSLineChange replacing(int index, CLSVorelDataItem item);
    /// Several lines become other items, in place (indexes ascending).
    static CLSLineChange replacing(std::vector<std::pair<int, CLSVorelDataItem>> items);
    /// The selected lines (ascending) one place up or down, as a block
    /// keeps together; none when row 0 (up) or the last row (down) is among them.
    static CLSLineChange movingUp(const std::vector<int>& selected);
    static CLSLineChange movingDown(const std::vector<int>& selected, int lineCount);
    /// Lines rearranged among their own places: afterwards line places[k]
    /// holds the line that stood at places[order[k]] (places ascending,
    /// order a permutation of 0 .. count - 1). The rows keep their count
    /// and the very line objects move, so it counts as a replacement in place.
    static CLSLineChange permuting(std::vector<int> places, std::vector<int> order);

    CLSLineChange(CLSLineChange&&) noexcept = default;
    CLSLineChange& operator=(CLSLineChange&&) noexcept = default;

    /// Makes the change (again); throws CLSError code 11 when it does not
    /// fit the document.
    void apply(CLSVorelDataFile& doc);
    /// Takes it back.
    void revert(CLSVorelDataFile& doc);

    bool isEmpty() const {
        return m_removed.empty() && m_added.empty() && m_replaced.empty() && m_places.empty();
    }
    /// The first line index the change touches (the rows from there on are
    /// drawn again); -1 for an empty change.
    int firstLine() const;
    /// The lines that were put in or replaced, as indexes after the change.
    std::vector<int> linesAfter() const;
    /// The lines that went out or were replaced, as indexes before the change.
    std::vector<int> linesBefore() const;
    bool isReplacement() const { return !m_replaced.empty() || !m_places.empty(); }
    /// Lines only changed places with their neighbours.
    bool isMove() const { return m_moving; }
    /// The lines that go out (indexes before) and come in (indexes after).
    const std::vector<int>& removedLines() const { return m_removed; }
    const std::vector<int>& addedLines() const { return m_added; }

  private:
    CLSLineChange() = default;
    void swapNeighbours(CLSVorelDataFile& doc, bool forward) const;

    bool m_moving = false;       // lines change places with their neighbours
    std::vector<int> m_removed;  // indexes before
    std::vector<int> m_added;    // indexes after
    // Lines waiting outside the document: the added ones before apply, the
    // removed ones after it.
    std::vector<std::unique_ptr<CLSVorelDataItem>> m_waitingAdded;
    std::vector<std::unique_ptr<CLSVorelDataItem>> m_waitingRemoved;
    // In-place replacements: index and the other item.
    std::vector<std::pair<int, CLSVorelDataItem>> m_replaced;
    // A rearrangement among places: its order and the order that undoes it.
    std::vector<int> m_places;
    std::vector<int> m_order;
    std::vector<int> m_inverse;
};
