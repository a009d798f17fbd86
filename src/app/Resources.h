#pragma once

// The pictures built into the program (resources/vorel.qrc).

/// Registers the program's built-in pictures; call once before the first
/// ":/…" path is read (repeated calls do nothing). Never fails.
void InitVorelResources();

/// The animation after a right answer (60 × 60).
inline constexpr const char* kAnswerRightMng = ":/answer_right.mng";
/// The animation after a wrong answer (60 × 60).
inline constexpr const char* kAnswerWrongMng = ":/answer_wrong.mng";
