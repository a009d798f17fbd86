#include "quiz/RangeCount.h"

#include <string>

#include "data/VorelDataFile.h"
#include "quiz/Exam.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/Language.h"

bool PassesRangeFilters(const CLSVorelDataFile& doc, int question,
                        const std::array<bool, 10>& groups, int markFilter) {
    const CLSVorelDataItem* line = doc.getQuestion(question);
    if (!line) return false;
    const CLSVorelDataQuestion& q = line->question();
    int group = q.group();
    if (group < 0 || group > 9 || !groups[group]) return false;
    if (markFilter == CLSExam::kMarkedOnly) return q.mark() != 0;
    if (markFilter == CLSExam::kMarkedExcluded) return q.mark() == 0;
    return true;
}

int RangeNumberLimit(const CLSVorelDataFile& doc, bool titleNumbers) {
    return titleNumbers ? doc.getTitleCount() : doc.getQuestionCount();
}

CLSRangeCount GetQuestionCountOnRangeDialog(const CLSVorelDataFile& doc,
                                            const CLSRangeRequest& request) {
    CLSTraceScope trace("GetQuestionCountOnRangeDialog");
    CLSRangeCount result;
    int s = request.start;
    int e = request.end;
    if (s <= 0 || e < s) return result;
    int questions = doc.getQuestionCount();

    if (!request.titleNumbers) {
        if (e > questions) return result;
        result.first = s - 1;
        result.last = e - 1;
        result.startText = doc.getQuestion(s - 1)->question().getQuestion().toMarkup();
        result.endText = doc.getQuestion(e - 1)->question().getQuestion().toMarkup();
    } else {
        int titles = doc.getTitleCount();
        if (e > titles) return result;
        const CLSVorelDataItem* startTitle = doc.getTitle(s - 1);
        const CLSVorelDataItem* endTitle = doc.getTitle(e - 1);
        result.startText = startTitle->title().text;
        result.endText = endTitle->title().text;
        // A title's section starts with the first question after it, so the
        // number of questions before the title line is that question's index.
        // When no question follows the start title this is past the end and
        // the range is empty (taking the last question instead would count a
        // question that lies before the title).
        result.first = doc.getQuestionNumber(startTitle);
        result.last = e < titles ? doc.getQuestionNumber(doc.getTitle(e)) - 1 : questions - 1;
    }

    if (result.first < 0 || result.first > result.last || result.last >= questions) return result;
    int n = 0;
    for (int q = result.first; q <= result.last; ++q) {
        if (PassesRangeFilters(doc, q, request.groups, request.markFilter)) ++n;
    }
    result.count = n;
    return result;
}

CLSTString RangeLimitText(int limit) {
    return CLSTString(Fill(VT("(1～%1)"), {std::to_string(limit)}));
}

CLSTString QuestionCountText(int count) {
    // One question is a text of its own, for languages that say it so.
    if (count == 1) return CLSTString(VT("1問"));
    return CLSTString(Fill(VT("%1問"), {std::to_string(count)}));
}
