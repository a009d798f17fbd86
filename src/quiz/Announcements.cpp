#include "quiz/Announcements.h"

#include "quiz/ExamSummary.h"
#include "sentence/Sentence.h"
#include "sentence/SpokenText.h"
#include "text/Language.h"

std::string QuestionAnnouncement(int number, const CLSSentence& question) {
    return Fill(VT("第%1問: %2"), {std::to_string(number), SpokenText(question)});
}

std::string VerdictAnnouncement(std::optional<bool> right, const CLSSentenceArray& answers) {
    std::string shown;
    for (const CLSSentence& answer : answers) {
        std::string spoken = SpokenText(answer);
        if (spoken.empty()) continue;
        if (!shown.empty()) shown += VT("、");
        shown += spoken;
    }
    std::string verdict;
    if (right) verdict = *right ? VT("正解") : VT("不正解");
    if (shown.empty()) return verdict;
    std::string answer = Fill(VT("答え: %1"), {shown});
    return verdict.empty() ? answer : Fill(VT("%1。%2"), {verdict, answer});
}

std::string RunEndAnnouncement(const CLSExamSummary& summary) {
    return Fill(VT("終了しました。正解率 %1 (%2問中%3問正解)"),
                {summary.rateText().view(), std::to_string(summary.answered()),
                 std::to_string(summary.right)});
}
