#pragma once

#include <array>
#include <optional>

#include "text/TString.h"

class QWidget;

/// "グループ名編集": the ten group names in ten fields; the new names when
/// the learner confirms, nothing when cancelled. Characters Shift-JIS cannot
/// hold are refused with the program's message and the dialog stays open.
std::optional<std::array<CLSTString, 10>> EditGroupNames(QWidget* parent,
                                                         const std::array<CLSTString, 10>& names);
/// "メッセージ編集": the document's message in one field of several lines.
std::optional<CLSTString> EditMessage(QWidget* parent, const CLSTString& message);
