#pragma once

#include <string_view>

#include "editor/QuestionTools.h"

// The argument forms of the commands over the editor's tools. They take
// any bytes and never throw: a form that does not fit gives false.

/// "FROM-TO": two decimal numbers of at most nine digits each.
bool ParseNumberRange(std::string_view text, int& from, int& to);

/// "KEY[:asc|:desc][,KEY[:asc|:desc]]" with the keys question, answer,
/// group and comment. With one key the second is the same, so questions
/// equal under it keep their order.
bool ParseSortKeys(std::string_view text, CLSSortKey& first, CLSSortKey& second);

/// A mask of search targets, 0-63, decimal or "0x" hexadecimal.
bool ParseTargetMask(std::string_view text, int& mask);

/// A group digit 0-9.
bool ParseGroup(std::string_view text, int& group);
