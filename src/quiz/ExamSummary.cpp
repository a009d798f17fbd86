#include "quiz/ExamSummary.h"

#include <algorithm>
#include <cstring>

#include "data/VorelDataFile.h"
#include "quiz/Exam.h"
#include "text/Common.h"
#include "text/DateWords.h"

namespace {

// The question as one line of plain text: escapes undone and line breaks
// turned into blanks, so that the list row shows all of it.
CLSTString oneLine(const CLSSentence& question) {
    CLSSentence plain = question;
    plain.unescape();
    std::string text = plain.toText().str();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            text.erase(i, 1);
        }
        if (text[i] == '\r' || text[i] == '\n') text[i] = ' ';
    }
    return CLSTString(text);
}

}  // namespace

CLSTString CLSExamSummary::rateText() const {
    return RateText(right, wrong);
}

CLSExamSummary SummarizeExam(const CLSExam& exam, int64_t nowTick) {
    CLSExamSummary s;
    s.right = exam.rightCount();
    s.wrong = exam.wrongCount();
    s.elapsed = std::max<int64_t>(0, nowTick - exam.startTick());
    const std::vector<CLSExamRecord>& records = exam.records();
    s.asked = std::min<int>(exam.cursor(), static_cast<int>(records.size()));
    const CLSVorelDataFile& doc = const_cast<CLSExam&>(exam).document();
    s.rows.reserve(s.asked);
    for (int i = 0; i < s.asked; ++i) {
        const CLSExamRecord& r = records[i];
        CLSResultRow row;
        row.order = i + 1;
        row.question = r.question;
        row.result = r.result;
        row.time = r.time;
        row.mark = exam.resultMark(i);
        row.timeText = CLSTString(DurationText(r.time));
        if (const CLSVorelDataItem* line = doc.getQuestion(r.question)) {
            row.text = oneLine(line->question().getQuestion());
        }
        s.rows.push_back(std::move(row));
    }
    return s;
}

namespace {

int compareRows(const CLSResultRow& a, const CLSResultRow& b, int column) {
    auto sign = [](auto x, auto y) { return x < y ? -1 : (y < x ? 1 : 0); };
    switch (column) {
        case kResultOrder:
            return sign(a.order, b.order);
        case kResultNumber:
            return sign(a.question, b.question);
        case kResultMark:
            return sign(a.mark.view(), b.mark.view());
        case kResultTime:
            // By the time spent: its text would put "10秒" before "9秒".
            return sign(a.time, b.time);
        default:
            return sign(a.text.view(), b.text.view());
    }
}

}  // namespace

std::vector<int> SortedResultOrder(const std::vector<const CLSResultRow*>& rows, int column,
                                   bool ascending) {
    std::vector<int> order(rows.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    if (column < 0 || column >= kResultColumnCount) return order;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        int c = compareRows(*rows[a], *rows[b], column);
        return ascending ? c < 0 : c > 0;
    });
    return order;
}

void SortResultRows(std::vector<CLSResultRow>& rows, int column, bool ascending) {
    std::vector<const CLSResultRow*> view;
    for (const CLSResultRow& r : rows)
        view.push_back(&r);
    std::vector<int> order = SortedResultOrder(view, column, ascending);
    std::vector<CLSResultRow> sorted;
    sorted.reserve(rows.size());
    for (int i : order)
        sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}
