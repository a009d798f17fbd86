#include "data/LineIndex.h"

#include <algorithm>

#include "data/VorelDataItem.h"

namespace {

// Largest element of a sorted list that is <= value, as an index; -1 if none.
int lastAtOrBefore(const std::vector<int>& sorted, int value) {
    auto it = std::upper_bound(sorted.begin(), sorted.end(), value);
    return static_cast<int>(it - sorted.begin()) - 1;
}

}  // namespace

void CLSLineIndex::ensure(const Lines& lines) const {
    if (m_valid) return;
    m_questionLines.clear();
    m_titleLines.clear();
    for (auto& list : m_kindLines)
        list.clear();
    for (int i = 0; i < static_cast<int>(lines.size()); ++i)
        add(*lines[i], i);
    m_valid = true;
}

void CLSLineIndex::appended(const CLSVorelDataItem& line, int i) {
    if (m_valid) add(line, i);
}

std::vector<int>* CLSLineIndex::listOf(int kind) const {
    if (kind == kLineQuestion) return &m_questionLines;
    if (kind == kLineTitle) return &m_titleLines;
    if (kind > 0 && kind < static_cast<int>(m_kindLines.size())) return &m_kindLines[kind];
    return nullptr;
}

void CLSLineIndex::swapped(const CLSVorelDataItem& first, const CLSVorelDataItem& second, int i) {
    if (!m_valid) return;
    first.m_lineIndex = i;
    second.m_lineIndex = i + 1;
    if (first.kind() == second.kind()) return;
    // Each list keeps its order: only the neighbouring place changes.
    auto renumber = [](std::vector<int>* list, int from, int to) {
        if (!list) return;
        auto it = std::lower_bound(list->begin(), list->end(), from);
        if (it != list->end() && *it == from) *it = to;
    };
    renumber(listOf(first.kind()), i + 1, i);
    renumber(listOf(second.kind()), i, i + 1);
}

void CLSLineIndex::add(const CLSVorelDataItem& line, int i) const {
    line.m_lineIndex = i;
    int kind = line.kind();
    if (kind == kLineQuestion) {
        m_questionLines.push_back(i);
    } else if (kind == kLineTitle) {
        m_titleLines.push_back(i);
    } else if (kind > 0 && kind < static_cast<int>(m_kindLines.size())) {
        m_kindLines[kind].push_back(i);
    }
}

int CLSLineIndex::questionsBefore(int i) const {
    return static_cast<int>(std::lower_bound(m_questionLines.begin(), m_questionLines.end(), i) -
                            m_questionLines.begin());
}

int CLSLineIndex::titlesBefore(int i) const {
    return static_cast<int>(std::lower_bound(m_titleLines.begin(), m_titleLines.end(), i) -
                            m_titleLines.begin());
}

int CLSLineIndex::questionAfter(int i) const {
    auto it = std::upper_bound(m_questionLines.begin(), m_questionLines.end(), i);
    return it == m_questionLines.end() ? -1 : *it;
}

int CLSLineIndex::lineOfKindAtOrBefore(int kind, int i) const {
    if (kind <= 0 || kind >= static_cast<int>(m_kindLines.size())) return -1;
    const std::vector<int>& lines = kind == kLineTitle ? m_titleLines : m_kindLines[kind];
    int k = lastAtOrBefore(lines, i);
    return k < 0 ? -1 : lines[k];
}

int CLSLineIndex::questionsUntilNextTitle(int i, int lineCount) const {
    auto nextTitle = std::upper_bound(m_titleLines.begin(), m_titleLines.end(), i);
    int end = nextTitle == m_titleLines.end() ? lineCount : *nextTitle;
    auto from = std::upper_bound(m_questionLines.begin(), m_questionLines.end(), i);
    auto to = std::lower_bound(m_questionLines.begin(), m_questionLines.end(), end);
    return static_cast<int>(to - from);
}
