#include "editor/LineChange.h"

#include <algorithm>

#include "data/VorelDataFile.h"
#include "text/Error.h"

namespace {

const char* const kSource = "EDIT";

}  // namespace

CLSLineChange::CLSLineChange(std::vector<int> removed,
                             std::vector<std::pair<int, CLSVorelDataItem>> added)
    : m_removed(std::move(removed)) {
    for (auto& [at, item] : added) {
        m_added.push_back(at);
        m_waitingAdded.push_back(std::make_unique<CLSVorelDataItem>(std::move(item)));
    }
}

CLSLineChange CLSLineChange::replacing(int index, CLSVorelDataItem item) {
    std::vector<std::pair<int, CLSVorelDataItem>> items;
    items.emplace_back(index, std::move(item));
    return replacing(std::move(items));
}

CLSLineChange CLSLineChange::replacing(std::vector<std::pair<int, CLSVorelDataItem>> items) {
    CLSLineChange change;
    change.m_replaced = std::move(items);
    return change;
}

// A block moves as the editor's row swaps would move it: each selected line
// one place up, the unselected line above a block to its end. Taking the
// selected lines out and putting each in one place higher gives exactly that.
CLSLineChange CLSLineChange::movingUp(const std::vector<int>& selected) {
    if (selected.empty() || selected.front() <= 0) return CLSLineChange();
    CLSLineChange change;
    change.m_moving = true;
    change.m_removed = selected;
    for (int k : selected)
        change.m_added.push_back(k - 1);
    return change;
}

CLSLineChange CLSLineChange::movingDown(const std::vector<int>& selected, int lineCount) {
    if (selected.empty() || selected.back() >= lineCount - 1) return CLSLineChange();
    CLSLineChange change;
    change.m_moving = true;
    change.m_removed = selected;
    for (int k : selected)
        change.m_added.push_back(k + 1);
    return change;
}

CLSLineChange CLSLineChange::permuting(std::vector<int> places, std::vector<int> order) {
    CLSLineChange change;
    if (places.size() != order.size()) VR_THROW(kSource, CLSError::kIndex);
    if (places.empty()) return change;
    change.m_inverse.assign(order.size(), -1);
    for (size_t k = 0; k < order.size(); ++k) {
        int from = order[k];
        if (from < 0 || static_cast<size_t>(from) >= order.size() || change.m_inverse[from] >= 0)
            VR_THROW(kSource, CLSError::kIndex);
        change.m_inverse[from] = static_cast<int>(k);
    }
    change.m_places = std::move(places);
    change.m_order = std::move(order);
    return change;
}

// Moves are neighbour swaps, so the document's index stays valid and a line
// moved in a file of a hundred thousand costs no rebuild.
void CLSLineChange::swapNeighbours(CLSVorelDataFile& doc, bool forward) const {
    bool up = m_added.front() < m_removed.front();
    // Up swaps the selected lines from the top, down from the bottom; going
    // back undoes the swaps in the opposite order.
    bool fromTop = up == forward;
    auto swapAt = [&](int k) { doc.swapLines(up ? k - 1 : k); };
    if (fromTop) {
        for (int k : m_removed)
            swapAt(k);
    } else {
        for (auto it = m_removed.rbegin(); it != m_removed.rend(); ++it)
            swapAt(*it);
    }
}

void CLSLineChange::apply(CLSVorelDataFile& doc) {
    for (auto& [index, item] : m_replaced)
        doc.swapItem(index, item);
    if (!m_places.empty()) doc.permuteLines(m_places, m_order);
    if (m_removed.empty() && m_added.empty()) return;
    if (m_moving) {
        swapNeighbours(doc, true);
        return;
    }
    std::vector<std::unique_ptr<CLSVorelDataItem>> out = doc.takeLines(m_removed);
    std::vector<std::unique_ptr<CLSVorelDataItem>>& in = m_waitingAdded;
    if (in.size() != m_added.size()) VR_THROW(kSource, CLSError::kIndex);
    std::vector<std::pair<int, std::unique_ptr<CLSVorelDataItem>>> put;
    for (size_t k = 0; k < m_added.size(); ++k)
        put.emplace_back(m_added[k], std::move(in[k]));
    doc.putLines(std::move(put));
    m_waitingAdded.clear();
    m_waitingRemoved = std::move(out);
}

void CLSLineChange::revert(CLSVorelDataFile& doc) {
    if (!m_places.empty()) doc.permuteLines(m_places, m_inverse);
    // Replacements swap back in the opposite order.
    for (auto it = m_replaced.rbegin(); it != m_replaced.rend(); ++it)
        doc.swapItem(it->first, it->second);
    if (m_removed.empty() && m_added.empty()) return;
    if (m_moving) {
        swapNeighbours(doc, false);
        return;
    }
    std::vector<std::unique_ptr<CLSVorelDataItem>> in = doc.takeLines(m_added);
    std::vector<std::unique_ptr<CLSVorelDataItem>>& back = m_waitingRemoved;
    if (back.size() != m_removed.size()) VR_THROW(kSource, CLSError::kIndex);
    std::vector<std::pair<int, std::unique_ptr<CLSVorelDataItem>>> put;
    for (size_t k = 0; k < m_removed.size(); ++k)
        put.emplace_back(m_removed[k], std::move(back[k]));
    doc.putLines(std::move(put));
    m_waitingRemoved.clear();
    m_waitingAdded = std::move(in);
}

int CLSLineChange::firstLine() const {
    int first = -1;
    auto consider = [&first](int i) {
        if (first < 0 || i < first) first = i;
    };
    if (!m_removed.empty()) consider(m_removed.front());
    if (!m_added.empty()) consider(m_added.front());
    if (!m_replaced.empty()) consider(m_replaced.front().first);
    if (!m_places.empty()) consider(m_places.front());
    return first;
}

std::vector<int> CLSLineChange::linesAfter() const {
    std::vector<int> lines = m_added;
    lines.insert(lines.end(), m_places.begin(), m_places.end());
    for (const auto& r : m_replaced)
        lines.push_back(r.first);
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::vector<int> CLSLineChange::linesBefore() const {
    std::vector<int> lines = m_removed;
    lines.insert(lines.end(), m_places.begin(), m_places.end());
    for (const auto& r : m_replaced)
        lines.push_back(r.first);
    std::sort(lines.begin(), lines.end());
    return lines;
}
