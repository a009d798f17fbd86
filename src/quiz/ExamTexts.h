#pragma once

#include "quiz/ExamMode.h"
#include "settings/AnswerMode.h"
#include "text/TString.h"

class CLSVorelDataFile;
class CLSVorelDataQuestion;

// The words the information pane, the result dialog and the exam history
// use for a run.

/// "すべて", "ランダム(完全)", "間違えた問題を再出題(ランダム)", …; "不明" for
/// no known run. As the exam history writes it: Japanese in every language
/// (ShownExamWord gives the screen's words).
CLSTString ExamModeName(CLSExamMode mode);
/// "通常", "記述式", "選択式" or "確認", as the exam history writes it.
CLSTString AnswerModeName(AnswerMode answerMode);
/// A name of ExamModeName or AnswerModeName (as made now, or read back from
/// the history) in the program's language; a name the program does not
/// know (an older program's) as it is.
CLSTString ShownExamWord(const CLSTString& written);
/// A time the exam history wrote ("2分3秒", as intervalText makes it) in
/// the program's language; anything else as it is.
CLSTString ShownExamDuration(const CLSTString& written);
/// The rate of right answers, "66.67%", or "－" before any judgement.
CLSTString RateText(int right, int wrong);
/// "○" right, "×" wrong, "－" skipped.
const char* VerdictMark(Verdict verdict);
/// "グループ\n" (in the program's language) and the question's group label
/// (its name, else its digit).
CLSTString GroupLabel(const CLSVorelDataFile& doc, const CLSVorelDataQuestion& question);
/// "５４３２１\n" and five marks for the last five results, the fifth
/// newest first: "○" right, "×" wrong, "？" other, "－" none yet.
CLSTString HistoryLabel(const CLSVorelDataQuestion& question);
