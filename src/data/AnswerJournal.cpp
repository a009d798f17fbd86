#include "data/AnswerJournal.h"

#include <map>
#include <utility>

void CLSAnswerJournal::clear() {
    m_records.clear();
}

CLSAnswerJournal::Record& CLSAnswerJournal::recordFor(const CLSVorelDataQuestion& question) {
    return m_records[&question];
}

const CLSAnswerJournal::Record* CLSAnswerJournal::recordOf(
    const CLSVorelDataQuestion& question) const {
    auto it = m_records.find(&question);
    return it == m_records.end() ? nullptr : &it->second;
}

void CLSAnswerJournal::appended(const CLSVorelDataQuestion& question,
                                const CLSHistoryEntry& entry) {
    recordFor(question).appended.push_back(entry);
}

void CLSAnswerJournal::corrected(const CLSVorelDataQuestion& question,
                                 const CLSHistoryEntry& newest, int result) {
    Record& r = recordFor(question);
    // The newest entry is the last one appended here when there is one.
    if (!r.appended.empty()) {
        r.appended.back().result = result;
        return;
    }
    if (!r.corrected) r.correctedFrom = newest;
    r.corrected = true;
    r.correctedTo = result;
}

void CLSAnswerJournal::marked(const CLSVorelDataQuestion& question, int mark) {
    Record& r = recordFor(question);
    r.markSet = true;
    r.mark = mark;
}

std::string QuestionIdentity(const CLSVorelDataQuestion& question) {
    // Markup escapes its own separators, so a byte below the printable ones
    // keeps the parts apart.
    std::string id;
    question.getQuestion().appendMarkup(id);
    for (const CLSSentence& answer : question.answers()) {
        id += '\x1f';
        answer.appendMarkup(id);
    }
    return id;
}

void AppendHistoryEntry(CLSVorelDataQuestion& question, const CLSHistoryEntry& entry,
                        int historySize) {
    auto& history = question.history();
    if (historySize <= 0) {
        history.clear();
        return;
    }
    if (static_cast<int>(history.size()) >= historySize)
        history.erase(history.begin(), history.end() - (historySize - 1));
    history.push_back(entry);
}

namespace {

// Identity and its occurrence among equal ones, in file order.
using Place = std::pair<std::string, int>;

bool applyRecord(const CLSAnswerJournal::Record& r, CLSVorelDataQuestion& q, int historySize) {
    bool complete = true;
    if (r.corrected) {
        // Only the entry that was corrected is corrected again; corrected in
        // the other copy as well leaves nothing to do.
        auto& history = q.history();
        CLSHistoryEntry after = r.correctedFrom;
        after.result = r.correctedTo;
        if (!history.empty() && (history.back() == r.correctedFrom || history.back() == after)) {
            history.back().result = r.correctedTo;
        } else {
            complete = false;
        }
    }
    for (const CLSHistoryEntry& e : r.appended)
        AppendHistoryEntry(q, e, historySize);
    if (r.markSet) q.setMark(r.mark);
    return complete;
}

}  // namespace

std::vector<CLSTString> ApplyAnswerJournal(const CLSAnswerJournal& journal,
                                           const std::vector<const CLSVorelDataQuestion*>& from,
                                           const std::vector<CLSVorelDataQuestion*>& to,
                                           int historySize) {
    std::vector<CLSTString> unmatched;
    if (journal.isEmpty()) return unmatched;
    struct Wanted {
        Place place;
        const CLSVorelDataQuestion* question;
        const CLSAnswerJournal::Record* record;
    };
    std::vector<Wanted> wanted;
    std::map<std::string, int> seen;
    for (const CLSVorelDataQuestion* q : from) {
        std::string id = QuestionIdentity(*q);
        int occurrence = seen[id]++;
        if (const CLSAnswerJournal::Record* r = journal.recordOf(*q))
            wanted.push_back({{std::move(id), occurrence}, q, r});
    }
    std::map<Place, CLSVorelDataQuestion*> places;
    seen.clear();
    for (CLSVorelDataQuestion* q : to) {
        std::string id = QuestionIdentity(*q);
        int occurrence = seen[id]++;
        places.emplace(Place{std::move(id), occurrence}, q);
    }
    for (const Wanted& w : wanted) {
        auto it = places.find(w.place);
        if (it == places.end() || !applyRecord(*w.record, *it->second, historySize))
            unmatched.push_back(w.question->getQuestion().toText());
    }
    return unmatched;
}
