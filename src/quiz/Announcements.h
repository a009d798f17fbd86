#pragma once

#include <optional>
#include <string>

class CLSSentence;
class CLSSentenceArray;
struct CLSExamSummary;

// What a screen reader says at the turns of a run (UTF-8, in the program's
// language). The widgets put these into the accessible descriptions of the
// controls that take the focus at those moments.

/// A new question: its position in the run and its text.
std::string QuestionAnnouncement(int number, const CLSSentence& question);

/// After judging: "Right" or "Wrong" (nothing before the learner judged,
/// in confirm mode), then the accepted answers shown.
std::string VerdictAnnouncement(std::optional<bool> right, const CLSSentenceArray& answers);

/// The end of a run: the rate and the counts.
std::string RunEndAnnouncement(const CLSExamSummary& summary);
