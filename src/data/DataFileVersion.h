#pragma once

/// The data file's versions as the header names them ("VORELDATA V1.5" is
/// 15), each with what it brought. Files of every version are read and
/// written; a version's lines and fields are dropped when a file is
/// converted below it.
namespace DataFileVersion {
constexpr int kOldest = 12;        // one answer per question
constexpr int kSettingLines = 13;  // "$" lines (fonts, group names) are read; several answers
// The editor offers font lines, group names and the message only from 1.4:
// it never inserted them into a 1.3 file, although 1.3 files read them.
constexpr int kEditorSettings = 14;
constexpr int kTimeLimit = 15;         // time-limit lines, hints and choices
constexpr int kShowAndStartTime = 16;  // question show time and answer start time lines
constexpr int kCurrent = 30;           // the comma-separated field layout

constexpr bool isKnown(int version) {
    return version >= kOldest && version <= kCurrent;
}
}  // namespace DataFileVersion
