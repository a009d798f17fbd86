#pragma once

#include <optional>
#include <utility>

#include "editor/QuestionTools.h"

class CLSVorelDataFile;
class QWidget;

/// "問題の並べ替え": two keys (問題, 答え, グループ番号, コメント), each
/// ascending or descending; the first key preselects 問題, the second 答え.
std::optional<std::pair<CLSSortKey, CLSSortKey>> AskSortKeys(QWidget* parent);

/// "グループ変更": one of the ten groups by its label, group 0 preselected.
std::optional<int> AskGroup(QWidget* parent, const CLSVorelDataFile& doc);

/// "問題と答えの入れ替え": append or overwrite, hint and comment copies,
/// and the group of the new questions (their own, or one for all).
std::optional<CLSSwapOptions> AskSwapOptions(QWidget* parent, const CLSVorelDataFile& doc);
