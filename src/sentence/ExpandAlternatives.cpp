// The bracket-and-bar notation of answer fields: colo(u)r stands for colour
// and color, [a|b]c for ac and bc. The field is rewritten one group at a
// time (the first group of the first unfinished alternative), and the
// finished text is cut at unescaped bars.
//
// The sentence is worked on as a flat sequence of cells: a byte of a text
// run (0-255) or an object (256 + its index). Two observations keep the
// rewriting cheap without changing its outcome:
//  - a rescan from the start only walks through alternatives that hold no
//    group any more, so those are taken out as soon as the scan passes them;
//  - the text is therefore always rewritten at its front, so it is stored
//    back to front and every rewrite touches only the end of a vector.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "sentence/Sentence.h"

namespace {

constexpr int kObjectBase = 256;

// Cell is unsigned char for fields of text alone (the common case, kept
// compact) and int when objects take part.
template <typename Cell>
class Expander {
  public:
    explicit Expander(const CLSSentence& sentence) {
        for (const CLSSentenceItem& item : sentence.items()) {
            if (item.isObject()) {
                m_rev.push_back(
                    static_cast<Cell>(kObjectBase + static_cast<int>(m_objects.size())));
                m_objects.push_back(&item.object());
                m_objectBytes.push_back(item.markupLength());
            } else {
                for (char c : item.string().view())
                    m_rev.push_back(static_cast<unsigned char>(c));
            }
        }
        std::reverse(m_rev.begin(), m_rev.end());
        m_totalBytes = bytesOf(0, size());
    }

    bool run(CLSSentenceArray& out) {
        if (!balanced()) return false;
        while (true) {
            int opener = -1;
            int i = 0;
            while (i < size()) {
                int c = at(i);
                if (c == '\\') {
                    ++i;
                    if (i < size() && at(i) < kObjectBase) i += charLength(i);
                    continue;
                }
                if (c == '|') {
                    emit(i, true, out);
                    if (out.count() > kMaxAlternatives) return false;
                    i = 0;
                    continue;
                }
                if (c == '[' || c == '(') {
                    opener = i;
                    break;
                }
                i += charLength(i);
            }
            if (opener < 0) {
                emit(size(), false, out);
                return out.count() <= kMaxAlternatives;
            }
            if (!rewrite(opener)) return false;
        }
    }

  private:
    int size() const { return static_cast<int>(m_rev.size()); }
    int at(int i) const { return static_cast<int>(m_rev[m_rev.size() - 1 - i]); }

    // 2 for a two-byte character at logical position i, else 1.
    int charLength(int i) const {
        if (i + 1 >= size()) return 1;
        int a = at(i);
        int b = at(i + 1);
        if (a >= kObjectBase || b >= kObjectBase) return 1;
        char pair[2] = {static_cast<char>(a), static_cast<char>(b)};
        return isDoubleByteChar(pair) ? 2 : 1;
    }

    // Markup bytes of the cells [from, to): an object counts with its markup.
    int64_t bytesOf(int from, int to) const {
        if constexpr (sizeof(Cell) == 1) {
            return to - from;
        } else {
            int64_t n = 0;
            for (int k = from; k < to; ++k) {
                int c = at(k);
                n += c >= kObjectBase ? m_objectBytes[c - kObjectBase] : 1;
            }
            return n;
        }
    }

    static bool isOpener(int c) { return c == '[' || c == '('; }
    static bool isCloser(int c) { return c == ']' || c == ')'; }

    // Brackets must nest properly; backslashes do not protect them here.
    bool balanced() const {
        std::string stack;
        for (int i = 0; i < size(); i += charLength(i)) {
            int c = at(i);
            if (isOpener(c)) {
                stack.push_back(c);
            } else if (isCloser(c)) {
                int wanted = c == ']' ? '[' : '(';
                if (stack.empty() || stack.back() != wanted) return false;
                stack.pop_back();
            }
        }
        return stack.empty();
    }

    // Replaces the alternative holding the group that opens at `opener` by
    // one copy per alternative of the group (and one without it for "(").
    bool rewrite(int opener) {
        std::vector<int>& bars = m_bars;
        bars.clear();
        int closer = -1;
        int depth = 0;
        for (int j = opener + 1; j < size(); j += charLength(j)) {
            int c = at(j);
            if (isOpener(c)) {
                ++depth;
            } else if (isCloser(c)) {
                if (depth == 0) {
                    closer = j;
                    break;
                }
                --depth;
            } else if (c == '|' && depth == 0) {
                bars.push_back(j);
            }
        }
        if (closer < 0) return false;

        int altEnd = size();
        depth = 0;
        for (int j = closer + 1; j < size(); j += charLength(j)) {
            int c = at(j);
            if (isOpener(c)) {
                ++depth;
            } else if (isCloser(c)) {
                --depth;
            } else if (c == '|' && depth == 0) {
                altEnd = j;
                break;
            }
        }

        // The bound is on the whole working text: the alternatives already
        // taken out still belong to it, so a field cannot dodge the bound by
        // finishing alternatives one at a time.
        int64_t kept = m_totalBytes - bytesOf(0, altEnd);
        int64_t added = 0;
        std::vector<Cell>& replacement = m_replacement;
        replacement.clear();
        auto copy = [&](int from, int to) {
            for (int k = from; k < to; ++k)
                replacement.push_back(at(k));
            added += bytesOf(from, to);
        };
        auto variant = [&](int from, int to) {
            copy(0, opener);
            copy(from, to);
            copy(closer + 1, altEnd);
        };
        int from = opener + 1;
        for (size_t b = 0; b <= bars.size(); ++b) {
            int to = b < bars.size() ? bars[b] : closer;
            if (b > 0) {
                replacement.push_back(static_cast<Cell>('|'));
                ++added;
            }
            variant(from, to);
            from = to + 1;
            if (kept + added > kMaxExpansionBytes) return false;
        }
        if (at(opener) == '(') {
            replacement.push_back(static_cast<Cell>('|'));
            ++added;
            copy(0, opener);
            copy(closer + 1, altEnd);
        }
        if (kept + added > kMaxExpansionBytes) return false;
        m_totalBytes = kept + added;
        m_rev.resize(m_rev.size() - altEnd);
        m_rev.insert(m_rev.end(), replacement.rbegin(), replacement.rend());
        return true;
    }

    // Takes the finished alternative in cells [0, end) out of the text (and
    // the bar after it), as the piece a cut at that bar would give.
    void emit(int end, bool followedByBar, CLSSentenceArray& out) {
        bool precededByBar = !m_first;
        m_first = false;
        CLSSentence piece;
        std::string run;
        bool runOpen = precededByBar;  // a piece after a bar starts with a run
        for (int k = 0; k < end; ++k) {
            int c = at(k);
            if (c >= kObjectBase) {
                if (runOpen || !run.empty()) piece.addText(run);
                run.clear();
                runOpen = false;
                piece.addObject(*m_objects[c - kObjectBase]);
            } else {
                run += static_cast<char>(c);
                runOpen = true;
            }
        }
        if (runOpen || !run.empty() ||
            (followedByBar && (end == 0 || at(end - 1) >= kObjectBase))) {
            piece.addText(run);
        }
        piece.unescape();
        out.add(std::move(piece));
        m_rev.resize(m_rev.size() - (followedByBar ? end + 1 : end));
    }

    std::vector<Cell> m_rev;
    std::vector<Cell> m_replacement;
    std::vector<const CLSSentenceItemObject*> m_objects;
    std::vector<int> m_objectBytes;
    int64_t m_totalBytes = 0;  // markup bytes of the working text
    std::vector<int> m_bars;
    bool m_first = true;
};

}  // namespace

namespace {

// Whether any text run holds a bracket (as a character, not as the second
// byte of a two-byte character such as ー).
bool hasBrackets(const CLSSentence& sentence) {
    for (const CLSSentenceItem& item : sentence.items()) {
        if (!item.isText()) continue;
        std::string_view v = item.string().view();
        const char* p = v.data();
        int len = static_cast<int>(v.size());
        for (int pos = 0; pos < len; pos += charLengthAt(p, pos, len)) {
            char c = p[pos];
            if (c == '[' || c == ']' || c == '(' || c == ')') return true;
        }
    }
    return false;
}

}  // namespace

CLSSentenceArray ExpandAlternatives(const CLSSentence& sentence) {
    CLSSentenceArray out;
    if (!hasBrackets(sentence)) {
        // Nothing to rewrite: the answers are the pieces between bars, and
        // the bound on their number holds here too.
        out = sentence.divide('|', '\\');
        if (out.count() > kMaxAlternatives) {
            out.clear();
            return out;
        }
        for (CLSSentence& piece : out)
            piece.unescape();
        return out;
    }
    bool ok = sentence.hasObjects() ? Expander<int>(sentence).run(out)
                                    : Expander<unsigned char>(sentence).run(out);
    if (!ok) out.clear();
    return out;
}
