#pragma once

#include <string_view>

// Widths in columns, as the layout rules count them. The rules were made
// for Shift-JIS, where a character's width was its byte count: a character
// CP932 holds in one byte is one column and one it holds in two is two,
// whatever its UTF-8 length, so that every Shift-JIS text lays out as it
// always has. A character CP932 cannot hold takes its East Asian Width:
// wide and full-width two, combining marks none, others one.

/// Columns of the character at byte pos; its length in bytes to *length.
int CharColumnsAt(std::string_view text, int pos, int* length);

/// Columns of a whole text.
int DisplayColumns(std::string_view text);
