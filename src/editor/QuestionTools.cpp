// The tools that change the selected questions: sort, group, history, mark
// and swapping question and answer. Each gives one undoable change.

#include "editor/QuestionTools.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <numeric>
#include <string>
#include <string_view>

#include "data/DataFileReader.h"
#include "data/DataFileWriter.h"
#include "data/VorelDataFile.h"
#include "text/Error.h"
#include "text/Prompter.h"

namespace {

using Q = CLSVorelDataQuestion;

std::vector<int> questionLinesOf(const CLSVorelDataFile& doc, const std::vector<int>& lines) {
    return SelectedQuestions(doc, lines);
}

// The plain text of a sentence (runs as stored, objects as markup) as a
// view. Most sentences are one run, which is viewed where it lies; others
// are put together in store, whose strings stay where they are.
std::string_view plainText(const CLSSentence& sentence, std::deque<std::string>& store) {
    if (sentence.isEmpty()) return {};
    if (sentence.count() == 1 && sentence.item(0).isText()) return sentence.item(0).string().view();
    std::string& text = store.emplace_back();
    for (const CLSSentenceItem& item : sentence.items()) {
        if (item.isText()) {
            text.append(item.string().view());
        } else {
            text.append(item.object().toMarkup().view());
        }
    }
    return text;
}

// One sort key of every question, in the order of the questions. Texts are
// kept as keys whose byte order is the program's case-insensitive order, made
// once: a hundred thousand questions take some two million comparisons.
struct KeyColumn {
    SortBy by = SortBy::kQuestion;
    bool descending = false;
    std::string keys;
    std::vector<std::pair<uint32_t, uint32_t>> spans;  // start and length in keys
    std::vector<int> groups;

    std::string_view text(size_t k) const {
        return std::string_view(keys).substr(spans[k].first, spans[k].second);
    }
    int compare(size_t a, size_t b) const {
        int c = by == SortBy::kGroup ? groups[a] - groups[b] : text(a).compare(text(b));
        c = (c > 0) - (c < 0);
        return descending ? -c : c;
    }
};

KeyColumn keyColumn(const CLSVorelDataFile& doc, const std::vector<int>& lines, CLSSortKey key) {
    KeyColumn column;
    column.by = key.by;
    column.descending = key.descending;
    if (key.by == SortBy::kGroup) {
        column.groups.reserve(lines.size());
        for (int i : lines)
            column.groups.push_back(doc.getLine(i)->question().group());
        return column;
    }
    column.spans.reserve(lines.size());
    static const CLSSentence kNone;
    std::deque<std::string> store;
    for (int i : lines) {
        const Q& q = doc.getLine(i)->question();
        const CLSSentence& s = key.by == SortBy::kQuestion ? q.getQuestion()
                               : key.by == SortBy::kAnswer
                                   ? (q.getAnswerCount() ? q.getAnswer(0) : kNone)
                                   : q.getComment();
        size_t start = column.keys.size();
        AppendNoCaseKey(column.keys, plainText(s, store));
        column.spans.emplace_back(static_cast<uint32_t>(start),
                                  static_cast<uint32_t>(column.keys.size() - start));
        store.clear();
    }
    return column;
}

// Copies of the given question lines with one change each, for those the
// change alters; the others are left out, so that they stay as they are.
template <typename Change>
CLSLineChange replacingQuestions(const CLSVorelDataFile& doc, const std::vector<int>& lines,
                                 Change change) {
    std::vector<std::pair<int, CLSVorelDataItem>> items;
    for (int i : questionLinesOf(doc, lines)) {
        const CLSVorelDataItem& line = *doc.getLine(i);
        CLSVorelDataItem copy(line);
        if (change(copy.question())) items.emplace_back(i, std::move(copy));
    }
    return CLSLineChange::replacing(std::move(items));
}

// The old question with question and answer exchanged. It starts as a copy
// so that copied hints and comment keep the text they were read from (the
// learner's own notation); the fields made anew are written from the model.
Q swapped(const Q& old, const CLSSwapOptions& options) {
    Q q(old);
    // Answers hold unescaped runs like the question, so an answer's text
    // becomes the question as it is and writing escapes what needs it (a
    // "(" of the old question must not turn into alternatives).
    CLSSentence question = old.getAnswerCount() ? old.getAnswer(0) : CLSSentence();
    question.normalize();
    q.setQuestion(std::move(question));
    // An empty question gives no answer: an empty answers field reads back
    // as none, and an empty answer could never be matched anyway.
    CLSSentenceArray answers;
    if (old.getQuestion().markupLength() > 0) answers.add(old.getQuestion());
    q.setAnswers(std::move(answers));
    q.clearChoices();
    // A malformed answers or choices field keeps its text only while it is
    // as read; none of it belongs to the new question.
    q.forgetReadText(Q::kFieldQuestion);
    q.forgetReadText(Q::kFieldAnswers);
    q.forgetReadText(Q::kFieldChoices);
    if (!options.copyHints) {
        q.clearHints();
        q.forgetReadText(Q::kFieldHints);
    }
    if (!options.copyComment) {
        q.setComment(CLSSentence());
        q.forgetReadText(Q::kFieldComment);
    }
    q.history().clear();
    q.setMark(0);
    q.setAnswerCount(1);
    if (options.group >= 0 && options.group < CLSVorelDataFile::kGroupCount)
        q.setGroup(options.group);
    return q;
}

// Whether any text run holds a bracket. An answers field checks its
// brackets' balance with escapes ignored, so an answer such as "a(b" or
// ":-)" cannot be written so that it reads back; other answers always can.
bool holdsBracket(const CLSSentence& sentence) {
    for (const CLSSentenceItem& item : sentence.items()) {
        if (item.isText() && item.string().view().find_first_of("()[]") != std::string_view::npos)
            return true;
    }
    return false;
}

// The question as the file will give it back: an answer the answers field
// cannot hold is then no answer already now (its text kept as written, as
// for any malformed field), rather than one that is lost at the next load.
CLSVorelDataItem asReadBack(CLSVorelDataItem item, int version) {
    SilentPrompter quiet;
    CLSDataFileBody ignored;
    try {
        CLSVorelDataItem back =
            ParseDataFileLine(DataLineText(item, version), version, 0, 0, quiet, ignored);
        if (back.isQuestion()) {
            // The schedule is no part of the line's text; it stays with the question.
            if (const CLSReviewState* review = item.question().review())
                back.question().setReview(*review);
            return back;
        }
    } catch (const CLSError&) {
        // The line as built is kept.
    }
    return item;
}

}  // namespace

CLSLineChange SortChange(const CLSVorelDataFile& doc, const std::vector<int>& questionLines,
                         CLSSortKey first, CLSSortKey second) {
    std::vector<int> places = questionLinesOf(doc, questionLines);
    if (places.size() < 2) return CLSLineChange({}, {});
    KeyColumn a = keyColumn(doc, places, first);
    KeyColumn b = keyColumn(doc, places, second);
    std::vector<int> order(places.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
        int c = a.compare(x, y);
        if (c == 0) c = b.compare(x, y);
        return c < 0;
    });
    bool moves = false;
    for (size_t k = 0; k < order.size() && !moves; ++k)
        moves = order[k] != static_cast<int>(k);
    if (!moves) return CLSLineChange({}, {});
    return CLSLineChange::permuting(std::move(places), std::move(order));
}

CLSLineChange GroupChange(const CLSVorelDataFile& doc, const std::vector<int>& questionLines,
                          int group) {
    if (group < 0 || group >= CLSVorelDataFile::kGroupCount) return CLSLineChange({}, {});
    return replacingQuestions(doc, questionLines, [group](Q& q) {
        if (q.group() == group) return false;
        q.setGroup(group);
        return true;
    });
}

CLSLineChange ClearHistoryChange(const CLSVorelDataFile& doc,
                                 const std::vector<int>& questionLines) {
    return replacingQuestions(doc, questionLines, [](Q& q) {
        if (q.history().empty()) return false;
        q.history().clear();
        return true;
    });
}

CLSLineChange MarkChange(const CLSVorelDataFile& doc, const std::vector<int>& questionLines,
                         bool on) {
    return replacingQuestions(doc, questionLines, [on](Q& q) {
        if ((q.mark() != 0) == on) return false;
        q.setMark(on ? 1 : 0);
        return true;
    });
}

CLSLineChange SwapChange(const CLSVorelDataFile& doc, const std::vector<int>& questionLines,
                         const CLSSwapOptions& options) {
    std::vector<int> lines = questionLinesOf(doc, questionLines);
    std::vector<std::pair<int, CLSVorelDataItem>> items;
    items.reserve(lines.size());
    int end = doc.getItemCount();
    for (int i : lines) {
        const Q& old = doc.getLine(i)->question();
        CLSVorelDataItem item = CLSVorelDataItem::makeQuestion(swapped(old, options));
        if (holdsBracket(old.getQuestion())) item = asReadBack(std::move(item), doc.getVersion());
        // A swapped question keeps its schedule; one appended beside the old
        // is a question of its own, new to the review.
        if (options.append) item.question().clearReview();
        items.emplace_back(options.append ? end++ : i, std::move(item));
    }
    if (items.empty()) return CLSLineChange({}, {});
    if (options.append) return CLSLineChange({}, std::move(items));
    return CLSLineChange::replacing(std::move(items));
}
