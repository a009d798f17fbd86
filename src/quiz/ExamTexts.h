#pragma once

#include "quiz/ExamMode.h"
#include "settings/AnswerMode.h"
#include "text/TString.h"

class CLSVorelDataFile;
class CLSVorelDataQuestion;

// The words the information pane, the result dialog and the exam history
// use for a run (CP932).

/// "すべて", "ランダム(完全)", "間違えた問題を再出題(ランダム)", …; "不明" for no known run.
CLSTString ExamModeName(CLSExamMode mode);
/// "通常", "記述式", "選択式" or "確認".
CLSTString AnswerModeName(AnswerMode answerMode);
/// The rate of right answers, "66.67%", or "－" before any judgement.
CLSTString RateText(int right, int wrong);
/// "○" right, "×" wrong, "－" skipped.
const char* VerdictMark(Verdict verdict);
/// "グループ\n" and the question's group label (its name, else its digit).
CLSTString GroupLabel(const CLSVorelDataFile& doc, const CLSVorelDataQuestion& question);
/// "５４３２１\n" and five marks for the last five results, the fifth
/// newest first: "○" right, "×" wrong, "？" other, "－" none yet.
CLSTString HistoryLabel(const CLSVorelDataQuestion& question);
