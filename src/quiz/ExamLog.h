#pragma once

#include "text/TString.h"

// The forms the exam history file writes and reads.

/// The start time as the file writes it: 2026年12月8日(火) 9時30分5秒.
CLSTString ExamLogTimeText(int year, int month, int day, int dayOfWeek, int hour, int minute,
                           int second);
/// A label line: "[", the label centred in ten bytes, "] ", the value.
CLSTString ExamLogLabelLine(const char* label, const CLSTString& value);
/// The title line every record starts with.
const char* ExamLogTitle();
