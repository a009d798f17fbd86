// The bracket-and-bar notation of answer fields: colo(u)r stands for colour
// and color, [a|b]c for ac and bc. The notation is defined as a rewriting:
// the first group of the first unfinished alternative is replaced by one
// copy of its alternative per choice, and the finished text is cut at
// unescaped bars.
//
// Done literally, each rewrite copies and rescans the alternative, so a
// deeply nested field takes quadratic time. Fields whose escapes and bytes
// cannot make a rewrite differ from a walk over their bracket tree (nearly
// all of them) are therefore expanded by that walk (TreeExpander), in time
// linear in the field and its answers; it follows the working text's size
// rewrite by rewrite, so the bounds hold exactly as for the rewriting. The
// rest go through the rewriting itself (StepwiseExpander).

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "sentence/Sentence.h"
#include "text/Language.h"

namespace {

constexpr int kObjectBase = 256;

// Length in cells of the UTF-8 character that starts at cell i, where
// cellAt(k) is a byte of a text run or an object (kObjectBase and up); an
// object is never part of a character.
template <typename CellAt>
int CellCharLength(CellAt cellAt, int i, int size) {
    int first = cellAt(i);
    if (first < 0x80 || first >= kObjectBase) return 1;
    char bytes[4] = {};
    int n = 0;
    while (n < 4 && i + n < size) {
        int c = cellAt(i + n);
        if (c >= kObjectBase) break;
        bytes[n++] = static_cast<char>(c);
    }
    return charLengthAt(bytes, 0, n);
}

// The piece that cutting the finished text at unescaped bars gives for the
// cells at(0) .. at(n - 1), its runs unescaped.
template <typename At>
CLSSentence MakePiece(int n, At at, const std::vector<const CLSSentenceItemObject*>& objects,
                      bool precededByBar, bool followedByBar) {
    CLSSentence piece;
    std::string run;
    bool runOpen = precededByBar;  // a piece after a bar starts with a run
    for (int k = 0; k < n; ++k) {
        int c = at(k);
        if (c >= kObjectBase) {
            if (runOpen || !run.empty()) piece.addText(run);
            run.clear();
            runOpen = false;
            piece.addObject(*objects[c - kObjectBase]);
        } else {
            run += static_cast<char>(c);
            runOpen = true;
        }
    }
    if (runOpen || !run.empty() || (followedByBar && (n == 0 || at(n - 1) >= kObjectBase)))
        piece.addText(run);
    piece.unescape();
    return piece;
}

// The rewriting step by step. The sentence is worked on as a flat sequence
// of cells: a byte of a text run (0-255) or an object (256 + its index).
// Two observations keep it cheaper without changing its outcome:
//  - a rescan from the start only walks through alternatives that hold no
//    group any more, so those are taken out as soon as the scan passes them;
//  - the text is therefore always rewritten at its front, so it is stored
//    back to front and every rewrite touches only the end of a vector.
// Cell is unsigned char for fields of text alone (kept compact) and int
// when objects take part.
// The rewriting rescans and copies what is left of its alternative at every
// step, so a field nested thousands deep costs the square of its length
// even within the bounds. The few fields that take it (see below) may
// scan and copy this many cells in all; beyond it they give no answers, as
// a field past the bounds, so that no data file keeps the program busy for
// more than a moment.
constexpr int64_t kMaxStepwiseWork = int64_t{64} * kMaxExpansionBytes;

template <typename Cell>
class StepwiseExpander {
  public:
    explicit StepwiseExpander(const CLSSentence& sentence) {
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

    bool run(CLSSentenceArray& out, CLSExpandFailure& failure) {
        failure = CLSExpandFailure::kUnbalanced;
        if (!balanced()) return false;
        while (true) {
            int opener = -1;
            int i = 0;
            // The rescan's length is charged, whatever ends it.
            struct Charge {
                StepwiseExpander& e;
                int& i;
                ~Charge() { e.m_work += i; }
            } charge{*this, i};
            if (m_work > kMaxStepwiseWork) {
                failure = CLSExpandFailure::kTooComplex;
                return false;
            }
            while (i < size()) {
                int c = at(i);
                if (c == '\\') {
                    ++i;
                    if (i < size() && at(i) < kObjectBase) i += charLength(i);
                    continue;
                }
                if (c == '|') {
                    emit(i, true, out);
                    failure = CLSExpandFailure::kTooManyAlternatives;
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
                failure = CLSExpandFailure::kTooManyAlternatives;
                if (out.count() > kMaxAlternatives) return false;
                failure = CLSExpandFailure::kNone;
                return true;
            }
            if (!rewrite(opener, failure)) return false;
        }
    }

  private:
    int size() const { return static_cast<int>(m_rev.size()); }
    int at(int i) const { return static_cast<int>(m_rev[m_rev.size() - 1 - i]); }

    // Length in cells of the character at logical position i.
    int charLength(int i) const {
        return CellCharLength([this](int k) { return at(k); }, i, size());
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
    bool rewrite(int opener, CLSExpandFailure& failure) {
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
        failure = CLSExpandFailure::kUnbalanced;
        if (closer < 0) return false;
        failure = CLSExpandFailure::kTooLong;

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
        m_work += altEnd + static_cast<int64_t>(replacement.size());
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
        out.add(MakePiece(
            end, [this](int k) { return at(k); }, m_objects, precededByBar, followedByBar));
        m_rev.resize(m_rev.size() - (followedByBar ? end + 1 : end));
    }

    std::vector<Cell> m_rev;
    std::vector<Cell> m_replacement;
    std::vector<const CLSSentenceItemObject*> m_objects;
    std::vector<int> m_objectBytes;
    int64_t m_totalBytes = 0;  // markup bytes of the working text
    int64_t m_work = 0;        // cells scanned and copied so far
    std::vector<int> m_bars;
    bool m_first = true;
};

}  // namespace

namespace {

// Whether any text run holds a bracket.
bool hasBrackets(const CLSSentence& sentence) {
    for (const CLSSentenceItem& item : sentence.items()) {
        if (!item.isText()) continue;
        if (item.string().view().find_first_of("[]()") != std::string_view::npos) return true;
    }
    return false;
}

// The walk over the bracket tree. It gives what the rewriting gives when
// no rewrite can join pieces that the tree keeps apart, which holds unless
// the field has
//  - an escaped bracket, except inside a group whose brackets are both
//    escaped and which holds no bar and no bracket of its own (\(x\) is
//    plain text to every scan), or an escaped bar after a group of its
//    alternative or inside one: the rewriting counts those as brackets and
//    bars where the search for the first group does not;
//  - a backslash at its very end: a copy placed after it would be escaped.
// Those fields take the rewriting itself.
//
// The tree is walked depth first, choice by choice, which is the order of
// the rewriting's answers. A bracket group with one alternative ([x])
// never branches: it is folded into the sequence around it, and only its
// two bytes are remembered, so that a chain of them costs nothing per
// answer. The working text's size is followed exactly: every rewrite that
// can make it grow is one the walk makes, and its size after that rewrite
// is checked against the bound.
class TreeExpander {
  public:
    // One expander per thread is reused for every field: its buffers keep
    // their room, and reading a large file then allocates far less.
    void reset(const CLSSentence& sentence) {
        m_cells.clear();
        m_bytes.clear();
        m_objects.clear();
        m_unbalanced = false;
        m_seqs.clear();
        m_groups.clear();
        m_top.clear();
        m_tails.clear();
        m_branches.clear();
        m_prefix.clear();
        m_prefixBytes = 0;
        m_rest = 0;
        m_work = 0;
        m_rewritten = false;
        m_count = 0;
        m_held.clear();
        m_holding = false;
        m_firstFlushed = false;
        for (const CLSSentenceItem& item : sentence.items()) {
            if (item.isObject()) {
                m_cells.push_back(kObjectBase + static_cast<int>(m_objects.size()));
                m_objects.push_back(&item.object());
                m_bytes.push_back(item.markupLength());
            } else {
                for (char c : item.string().view()) {
                    m_cells.push_back(static_cast<unsigned char>(c));
                    m_bytes.push_back(1);
                }
            }
        }
        m_pre.assign(m_cells.size() + 1, 0);
        for (size_t i = 0; i < m_cells.size(); ++i)
            m_pre[i + 1] = m_pre[i] + m_bytes[i];
    }

    /// True when the walk gives the rewriting's result; false when the
    /// field is unbalanced (unbalanced() then says so) or needs the rewriting.
    bool prepare() { return classify() && build(); }
    bool unbalanced() const { return m_unbalanced; }

    bool run(CLSSentenceArray& out, CLSExpandFailure& failure) {
        m_work = m_pre.back();
        for (int top : m_top) {
            if (!walk(top, out, failure)) return false;
        }
        flushPiece(false, out);
        failure = CLSExpandFailure::kNone;
        return true;
    }

  private:
    enum Role : unsigned char { kText, kOpen, kClose, kBar };

    struct Item {
        bool group = false;
        int a = 0;  // text: cells [a, b); group: its index
        int b = 0;
        int64_t strip = 0;  // bytes of one-alternative brackets resolved on reaching it
    };
    struct Seq {
        std::vector<Item> items;
        std::vector<int64_t> suffix;  // working-text bytes of items k.. and what follows them
        int64_t endStrip = 0;
        int64_t pendingStrip = 0;  // while building: for the next item added
    };
    struct Group {
        bool paren = false;
        std::vector<int> alts;
        int64_t bytes = 0;
    };
    // What follows the current sequence: persistent, shared by every
    // choice of the groups that made it.
    // An exhausted sequence is never a tail: only its end strip is left,
    // which goes with the next one, so that climbing out of deep nesting
    // costs nothing per level. seq -1: the end of the alternative.
    struct Tail {
        int seq;
        int index;
        int next;
        int64_t strip;
    };
    struct Branch {
        int group;
        int nextAlt;
        size_t prefixLength;
        int64_t prefixBytes;
        int64_t rest;
        int tail;
    };

    int size() const { return static_cast<int>(m_cells.size()); }

    int charLength(int i) const {
        return CellCharLength([this](int k) { return m_cells[k]; }, i, size());
    }

    // Gives each character its role, or finds that the walk cannot be used.
    bool classify() {
        const int n = size();
        m_role.assign(n, kText);
        std::vector<int>& starts = m_starts;
        std::vector<char>& escaped = m_escaped;
        starts.clear();
        escaped.clear();
        bool pending = false;
        for (int i = 0; i < n; i += charLength(i)) {
            int c = m_cells[i];
            starts.push_back(i);
            escaped.push_back(pending);
            if (pending) {
                pending = false;
            } else if (c == '\\') {
                pending = true;
                if (i + 1 < n && m_cells[i + 1] >= kObjectBase) pending = false;
            }
        }
        if (pending) return false;

        // Brackets pair up whatever escapes say (as the rewriting's scans
        // see them).
        const int m = static_cast<int>(starts.size());
        std::vector<int>& match = m_match;
        std::vector<int>& stack = m_stack;
        std::vector<int>& bars = m_barsBefore;            // bars before character k
        std::vector<int>& plainBrackets = m_plainBefore;  // unescaped brackets before k
        match.assign(m, -1);
        stack.clear();
        bars.assign(m + 1, 0);
        plainBrackets.assign(m + 1, 0);
        for (int k = 0; k < m; ++k) {
            int c = m_cells[starts[k]];
            bool bracket = c == '[' || c == '(' || c == ']' || c == ')';
            bars[k + 1] = bars[k] + (c == '|');
            plainBrackets[k + 1] = plainBrackets[k] + (bracket && !escaped[k]);
            if (c == '[' || c == '(') {
                stack.push_back(k);
            } else if (c == ']' || c == ')') {
                int wanted = c == ']' ? '[' : '(';
                if (stack.empty() || m_cells[starts[stack.back()]] != wanted) {
                    m_unbalanced = true;
                    return false;
                }
                match[stack.back()] = k;
                match[k] = stack.back();
                stack.pop_back();
            }
        }
        if (!stack.empty()) {
            m_unbalanced = true;
            return false;
        }

        int depth = 0;
        bool groupSeen = false;  // in this top-level alternative
        for (int k = 0; k < m; ++k) {
            int c = m_cells[starts[k]];
            if ((c == '[' || c == '(') && escaped[k]) {
                // Plain text when both brackets are escaped and nothing
                // inside is a bar or a bracket of its own.
                int close = match[k];
                if (!escaped[close] || bars[close] - bars[k + 1] != 0 ||
                    plainBrackets[close] - plainBrackets[k + 1] != 0) {
                    return false;
                }
                k = close;
                continue;
            }
            if (c == '[' || c == '(' || c == ']' || c == ')') {
                if (escaped[k]) return false;
                m_role[starts[k]] = (c == '[' || c == '(') ? kOpen : kClose;
                if (m_role[starts[k]] == kOpen) {
                    groupSeen = groupSeen || depth == 0;
                    ++depth;
                } else {
                    --depth;
                }
            } else if (c == '|') {
                if (escaped[k]) {
                    if (depth > 0 || groupSeen) return false;
                    continue;
                }
                m_role[starts[k]] = kBar;
                if (depth == 0) groupSeen = false;
            }
        }
        return true;
    }

    // ---- building the tree ----

    struct Open {
        int opener;
        bool paren;
        bool folded;   // a bracket group with no bar yet: its items go to seq
        int seq;       // where its items go while folded; else where it goes
        size_t start;  // its first item in seq while folded
        int64_t stripBefore;
        int group = -1;
        int alt = -1;  // the alternative being read
    };

    int newSeq() {
        m_seqs.emplace_back();
        return static_cast<int>(m_seqs.size()) - 1;
    }

    void addItem(int seq, Item item) {
        Seq& s = m_seqs[seq];
        item.strip += s.pendingStrip;
        s.pendingStrip = 0;
        s.items.push_back(item);
    }

    void finishSeq(int seq) {
        Seq& s = m_seqs[seq];
        s.endStrip = s.pendingStrip;
        s.pendingStrip = 0;
    }

    int current(const std::vector<Open>& open, int top) const {
        if (open.empty()) return top;
        return open.back().folded ? open.back().seq : open.back().alt;
    }

    bool build() {
        std::vector<Open>& open = m_open;
        open.clear();
        int top = newSeq();
        m_top.push_back(top);
        int textStart = -1;
        auto flushText = [&](int end) {
            if (textStart >= 0 && end > textStart) {
                Item item;
                item.a = textStart;
                item.b = end;
                addItem(current(open, top), item);
            }
            textStart = -1;
        };
        for (int i = 0; i < size(); i += charLength(i)) {
            Role role = m_role[i];
            if (role == kText) {
                if (textStart < 0) textStart = i;
                continue;
            }
            flushText(i);
            if (role == kOpen) {
                int seq = current(open, top);
                Open o{i,   m_cells[i] == '(',        m_cells[i] == '[',
                       seq, m_seqs[seq].items.size(), m_seqs[seq].pendingStrip};
                m_seqs[seq].pendingStrip = 0;
                if (o.paren) {
                    o.group = newGroup(true);
                    o.alt = newSeq();
                }
                open.push_back(o);
            } else if (role == kBar) {
                if (open.empty()) {
                    finishSeq(top);
                    top = newSeq();
                    m_top.push_back(top);
                    continue;
                }
                Open& o = open.back();
                if (o.folded) {
                    // It has alternatives after all: what was read of it so
                    // far is its first one.
                    o.group = newGroup(false);
                    int first = newSeq();
                    Seq& from = m_seqs[o.seq];
                    m_seqs[first].items.assign(from.items.begin() + static_cast<long>(o.start),
                                               from.items.end());
                    m_seqs[first].pendingStrip = from.pendingStrip;
                    from.items.resize(o.start);
                    from.pendingStrip = 0;
                    o.folded = false;
                    o.alt = first;
                }
                finishSeq(o.alt);
                m_groups[o.group].alts.push_back(o.alt);
                o.alt = newSeq();
            } else {
                Open o = open.back();
                open.pop_back();
                if (o.folded) {
                    // [x]: its brackets go when the walk reaches its first item.
                    Seq& s = m_seqs[o.seq];
                    int64_t strip = o.stripBefore + 2;
                    if (o.start < s.items.size()) {
                        s.items[o.start].strip += strip;
                    } else {
                        s.pendingStrip += strip;
                    }
                    continue;
                }
                finishSeq(o.alt);
                Group& g = m_groups[o.group];
                g.alts.push_back(o.alt);
                g.bytes = m_pre[i + 1] - m_pre[o.opener];
                Item item;
                item.group = true;
                item.a = o.group;
                item.strip = o.stripBefore;
                addItem(o.seq, item);
            }
        }
        flushText(size());
        finishSeq(top);

        int64_t total = static_cast<int64_t>(m_top.size()) - 1;
        for (Seq& s : m_seqs) {
            s.suffix.assign(s.items.size() + 1, s.endStrip);
            for (size_t k = s.items.size(); k-- > 0;) {
                const Item& item = s.items[k];
                int64_t bytes = item.group ? m_groups[item.a].bytes : m_pre[item.b] - m_pre[item.a];
                s.suffix[k] = s.suffix[k + 1] + bytes + item.strip;
            }
        }
        for (int t : m_top)
            total += m_seqs[t].suffix[0];
        // Every byte of the field is in exactly one place of the tree; if
        // not, the tree is wrong and the rewriting is the safe way.
        return total == m_pre.back();
    }

    int newGroup(bool paren) {
        m_groups.emplace_back();
        m_groups.back().paren = paren;
        return static_cast<int>(m_groups.size()) - 1;
    }

    // ---- the walk ----

    // One-alternative brackets resolved: the text shrinks, but the very
    // first rewrite of all is checked like every rewrite.
    bool strip(int64_t bytes) {
        if (bytes == 0) return true;
        if (!m_rewritten) {
            m_rewritten = true;
            if (m_work - 2 > kMaxExpansionBytes) return false;
        }
        m_work -= bytes;
        m_rest -= bytes;
        return true;
    }

    bool walk(int top, CLSSentenceArray& out, CLSExpandFailure& failure) {
        m_prefix.clear();
        m_prefixBytes = 0;
        m_branches.clear();
        m_tails.clear();
        int seq = top;
        int index = 0;
        int tail = -1;
        m_rest = m_seqs[top].suffix[0];
        while (true) {
            if (seq < 0) {
                failure = CLSExpandFailure::kTooManyAlternatives;
                if (!emit(out)) return false;
                failure = CLSExpandFailure::kTooLong;
                int more = backtrack(seq, index, tail);
                if (more < 0) return false;
                if (more == 0) return true;
                continue;
            }
            const Seq& s = m_seqs[seq];
            failure = CLSExpandFailure::kTooLong;
            if (index == static_cast<int>(s.items.size())) {
                if (!strip(s.endStrip)) return false;
                if (tail < 0) {
                    seq = -1;
                } else if (!follow(tail, seq, index, tail)) {
                    return false;
                }
                continue;
            }
            const Item& item = s.items[index];
            if (!strip(item.strip)) return false;
            if (!item.group) {
                m_prefix.insert(m_prefix.end(), m_cells.begin() + item.a, m_cells.begin() + item.b);
                int64_t bytes = m_pre[item.b] - m_pre[item.a];
                m_prefixBytes += bytes;
                m_rest -= bytes;
                ++index;
                continue;
            }
            // A group that branches: P A1 S | P A2 S | ... (| P S).
            const Group& g = m_groups[item.a];
            int64_t rest = m_rest - g.bytes;
            int64_t alts = static_cast<int64_t>(g.alts.size());
            int64_t copies = alts + (g.paren ? 1 : 0);
            m_work += (copies - 1) * (m_prefixBytes + rest) + (copies - 1) - (alts - 1) - 2;
            m_rewritten = true;
            if (m_work > kMaxExpansionBytes) return false;
            int after = makeTail(seq, index + 1, tail);
            m_branches.push_back(Branch{item.a, 1, m_prefix.size(), m_prefixBytes, rest, after});
            seq = g.alts[0];
            index = 0;
            tail = after;
            m_rest = m_seqs[seq].suffix[0] + rest;
        }
    }

    // The next choice of the innermost group that has one left: 1, or 0
    // when there is none, or -1 when the working text grew past the bound.
    int backtrack(int& seq, int& index, int& tail) {
        while (!m_branches.empty()) {
            Branch& b = m_branches.back();
            const Group& g = m_groups[b.group];
            int choices = static_cast<int>(g.alts.size()) + (g.paren ? 1 : 0);
            if (b.nextAlt >= choices) {
                m_branches.pop_back();
                continue;
            }
            int k = b.nextAlt++;
            m_prefix.resize(b.prefixLength);
            m_prefixBytes = b.prefixBytes;
            if (k < static_cast<int>(g.alts.size())) {
                seq = g.alts[k];
                index = 0;
                tail = b.tail;
                m_rest = m_seqs[seq].suffix[0] + b.rest;
            } else {
                m_rest = b.rest;
                if (!follow(b.tail, seq, index, tail)) return -1;
            }
            return 1;
        }
        return 0;
    }

    int makeTail(int seq, int index, int next) {
        const Seq& s = m_seqs[seq];
        Tail t{seq, index, next, 0};
        if (index == static_cast<int>(s.items.size())) {
            t = next < 0 ? Tail{-1, 0, -1, 0} : m_tails[next];
            t.strip += s.endStrip;
        }
        m_tails.push_back(t);
        return static_cast<int>(m_tails.size()) - 1;
    }

    bool follow(int t, int& seq, int& index, int& tail) {
        Tail to = m_tails[t];
        seq = to.seq;
        index = to.index;
        tail = to.next;
        return strip(to.strip);
    }

    // Answers are made one behind, when it is known whether a bar follows.
    bool emit(CLSSentenceArray& out) {
        if (++m_count > kMaxAlternatives) return false;
        flushPiece(true, out);
        m_held = m_prefix;
        m_holding = true;
        return true;
    }

    void flushPiece(bool followedByBar, CLSSentenceArray& out) {
        if (!m_holding) return;
        m_holding = false;
        const std::vector<int>& cells = m_held;
        out.add(MakePiece(
            static_cast<int>(cells.size()), [&cells](int k) { return cells[k]; }, m_objects,
            m_firstFlushed, followedByBar));
        m_firstFlushed = true;
    }

    std::vector<int> m_cells;
    std::vector<int> m_bytes;
    std::vector<int64_t> m_pre;  // bytes before cell i
    std::vector<const CLSSentenceItemObject*> m_objects;
    std::vector<Role> m_role;
    bool m_unbalanced = false;

    std::vector<Seq> m_seqs;
    std::vector<Group> m_groups;
    std::vector<int> m_top;

    std::vector<Tail> m_tails;
    std::vector<Branch> m_branches;
    std::vector<int> m_prefix;
    int64_t m_prefixBytes = 0;
    int64_t m_rest = 0;  // working-text bytes of the current alternative after the walk's place
    int64_t m_work = 0;  // the whole working text
    bool m_rewritten = false;
    int m_count = 0;
    std::vector<int> m_held;
    bool m_holding = false;
    bool m_firstFlushed = false;

    // classify's and build's working lists, kept for their room.
    std::vector<int> m_starts;
    std::vector<char> m_escaped;
    std::vector<int> m_match;
    std::vector<int> m_stack;
    std::vector<int> m_barsBefore;
    std::vector<int> m_plainBefore;
    std::vector<Open> m_open;
};

}  // namespace

CLSSentenceArray ExpandAlternatives(const CLSSentence& sentence, CLSExpandFailure* failure) {
    CLSExpandFailure why = CLSExpandFailure::kNone;
    CLSSentenceArray out;
    if (!hasBrackets(sentence)) {
        // Nothing to rewrite: the answers are the pieces between bars, and
        // the bound on their number holds here too.
        out = sentence.divide('|', '\\');
        if (out.count() > kMaxAlternatives) {
            out.clear();
            why = CLSExpandFailure::kTooManyAlternatives;
        }
        for (CLSSentence& piece : out)
            piece.unescape();
    } else {
        thread_local TreeExpander tree;
        tree.reset(sentence);
        bool ok = false;
        if (tree.prepare()) {
            ok = tree.run(out, why);
        } else if (tree.unbalanced()) {
            why = CLSExpandFailure::kUnbalanced;
        } else {
            return ExpandAlternativesStepwise(sentence, failure);
        }
        if (!ok) out.clear();
    }
    if (failure) *failure = why;
    return out;
}

CLSSentenceArray ExpandAlternativesStepwise(const CLSSentence& sentence,
                                            CLSExpandFailure* failure) {
    if (!hasBrackets(sentence)) return ExpandAlternatives(sentence, failure);
    CLSExpandFailure why = CLSExpandFailure::kNone;
    CLSSentenceArray out;
    bool ok = sentence.hasObjects() ? StepwiseExpander<int>(sentence).run(out, why)
                                    : StepwiseExpander<unsigned char>(sentence).run(out, why);
    if (!ok) out.clear();
    if (failure) *failure = why;
    return out;
}

const char* ExpandFailureText(CLSExpandFailure failure) {
    switch (failure) {
        case CLSExpandFailure::kUnbalanced:
            return VT("括弧の対応が取れていないため、答えがありません。");
        case CLSExpandFailure::kTooManyAlternatives:
            return VT("答えが 10000 個を超えるため、答えがありません。");
        case CLSExpandFailure::kTooLong:
            return VT("展開した答えが 1 MiB を超えるため、答えがありません。");
        case CLSExpandFailure::kTooComplex:
            return VT("括弧の入れ子が深すぎて展開できないため、答えがありません。");
        case CLSExpandFailure::kNone:
            break;
    }
    return "";
}
