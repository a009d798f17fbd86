#pragma once

#include <string_view>
#include <vector>

#include "text/TextMetrics.h"

struct CLSWrappedLine {
    int start = 0;   // byte offset in the text
    int length = 0;  // bytes, without the line end
    int width = 0;   // pixels
};

struct CLSWrappedText {
    std::vector<CLSWrappedLine> lines;
    int height = 0;  // pixels used from the top of the first line
    int widest = 0;  // widest line in pixels
};

/// Breaks text into lines no wider than maxWidth: at CR, LF or CR LF, before
/// the character that would overflow (a line takes at least one), and after
/// the last character that is not a letter or digit when there is one in the
/// line. Lines follow each other at lineHeight + lineHeight * spacing / 100.
/// length -1 = to the zero terminator.
CLSWrappedText wrapText(const TextMetrics& metrics, const char* text, int length, int maxWidth,
                        int spacing);

/// Whether the character at byte pos counts as part of a word for line
/// breaking: ASCII letters and digits, half-width katakana, full-width
/// letters and digits, and the letters of scripts CP932 cannot hold that
/// are not wide.
bool isWordChar(std::string_view text, int pos);
