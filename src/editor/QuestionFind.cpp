// Find: which lines hold a text, walked from a line or question without
// wrapping round.

#include <algorithm>
#include <string_view>

#include "data/VorelDataFile.h"
#include "editor/QuestionTools.h"
#include "text/CaseFold.h"
#include "text/Unicode.h"

namespace {

// Whether the byte position is between two letters as the learner sees
// them: a match that takes a base letter without its combining marks (ɔ of
// ɔ̃) is none. ASCII after the position settles it at once.
bool isLetterBoundary(std::string_view text, size_t pos) {
    if (pos == 0 || pos >= text.size()) return true;
    if (static_cast<unsigned char>(text[pos]) < 0x80 && text[pos] != '\n') return true;
    int start = PreviousGraphemeBoundary(text, static_cast<int>(pos));
    return NextGraphemeBoundary(text, start) == static_cast<int>(pos);
}

// Whether text holds target as whole letters. A match never starts inside
// a UTF-8 sequence (target starts with a lead byte), but it may start or
// end inside a letter with combining marks.
bool containsExactly(std::string_view text, std::string_view target) {
    if (target.empty() || target.size() > text.size()) return false;
    size_t from = 0;
    for (;;) {
        size_t at = text.find(target, from);
        if (at == std::string_view::npos) return false;
        if (isLetterBoundary(text, at) && isLetterBoundary(text, at + target.size())) return true;
        from = at + 1;
    }
}

// The form texts are compared in when case and accents do not count: the
// case of every script folded, the accents of Latin and Greek letters gone.
std::string foldedForFind(std::string_view text) {
    return FoldCaseEveryScript(StripLatinGreekMarks(text));
}

// What a line's text is compared with: the text typed, and whether case
// and accents count. The target is folded once for a whole search, each
// line's text as it is looked at.
struct Target {
    Target(const CLSTString& typed, int targets)
        : foldCase((targets & SearchTarget::kFoldCase) != 0),
          folded(foldCase ? foldedForFind(typed.view()) : std::string()),
          text(foldCase ? std::string_view(folded) : typed.view()) {}
    Target(const Target&) = delete;  // text may point into folded
    Target& operator=(const Target&) = delete;
    bool foldCase;
    std::string folded;
    std::string_view text;
};

bool containsText(std::string_view text, const Target& target) {
    if (!target.foldCase) return containsExactly(text, target.text);
    return containsExactly(foldedForFind(text), target.text);
}

bool sentenceContains(const CLSSentence& sentence, const Target& target) {
    for (const CLSSentenceItem& item : sentence.items()) {
        if (item.isText() && containsText(item.string().view(), target)) return true;
    }
    return false;
}

bool anyContains(const CLSSentenceArray& list, const Target& target) {
    for (const CLSSentence& sentence : list) {
        if (sentenceContains(sentence, target)) return true;
    }
    return false;
}

bool questionMatches(const CLSVorelDataQuestion& q, const Target& target, int targets) {
    return ((targets & SearchTarget::kQuestion) && sentenceContains(q.getQuestion(), target)) ||
           ((targets & SearchTarget::kHints) && anyContains(q.hints(), target)) ||
           ((targets & SearchTarget::kAnswers) && anyContains(q.answers(), target)) ||
           ((targets & SearchTarget::kChoices) && anyContains(q.choices(), target)) ||
           ((targets & SearchTarget::kComment) && sentenceContains(q.getComment(), target));
}

bool lineMatches(const CLSVorelDataItem& line, const Target& target, int targets) {
    if (target.text.empty() || (targets & SearchTarget::kAll) == 0) return false;
    bool comments = (targets & SearchTarget::kComment) != 0;
    int kind = line.kind();
    if (kind == kLineQuestion) return questionMatches(line.question(), target, targets);
    if (kind == kLineTitle) {
        const CLSVorelDataTitle& title = line.title();
        return ((targets & SearchTarget::kTitle) && containsText(title.text.view(), target)) ||
               (comments && containsText(title.comment.view(), target));
    }
    if (!comments) return false;
    // Comment lines and the comments of setting lines are the learner's notes too.
    if (kind == kLineComment) return containsText(line.comment().text.view(), target);
    if (IsNumberKind(kind)) return containsText(line.number().comment.view(), target);
    if (IsFontKind(kind)) return containsText(line.font().comment.view(), target);
    return false;
}

}  // namespace

bool LineMatches(const CLSVorelDataItem& line, const CLSTString& text, int targets) {
    return lineMatches(line, Target(text, targets), targets);
}

int FindLine(const CLSVorelDataFile& doc, int from, bool forward, const CLSTString& text,
             int targets) {
    if (text.isEmpty()) return -1;
    const Target target(text, targets);
    int count = doc.getItemCount();
    if (forward) {
        for (int i = std::max(from, -1) + 1; i < count; ++i) {
            if (lineMatches(*doc.getLine(i), target, targets)) return i;
        }
    } else {
        for (int i = std::min(from, count) - 1; i >= 0; --i) {
            if (lineMatches(*doc.getLine(i), target, targets)) return i;
        }
    }
    return -1;
}

int FindQuestion(const CLSVorelDataFile& doc, int fromQuestion, bool forward,
                 const CLSTString& text, int targets) {
    if (text.isEmpty()) return -1;
    const Target target(text, targets);
    int count = doc.getQuestionCount();
    if (forward) {
        for (int n = std::max(fromQuestion, -1) + 1; n < count; ++n) {
            if (lineMatches(*doc.getQuestion(n), target, targets)) return n;
        }
    } else {
        for (int n = std::min(fromQuestion, count) - 1; n >= 0; --n) {
            if (lineMatches(*doc.getQuestion(n), target, targets)) return n;
        }
    }
    return -1;
}
