#pragma once

/// How the learner answers (the AnswerMode setting keeps its number).
enum class AnswerMode { kNormal = 0, kWritten = 1, kChoice = 2, kConfirm = 3 };
