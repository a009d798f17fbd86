#pragma once

#include <string>
#include <string_view>

#include "sentence/Sentence.h"

/// Rewrites the stretches of a field's text outside its object markup:
/// run(out, stretch) appends each stretch as it should read, and the markup
/// between them is copied unchanged.
template <class Run>
std::string MapOutsideObjects(std::string_view text, Run run) {
    std::string out;
    int len = static_cast<int>(text.size());
    int pos = 0;
    while (true) {
        int begin = len;
        int end = len;
        bool found = FindObjectMarkup(text, pos, begin, end);
        run(out, text.substr(pos, (found ? begin : len) - pos));
        if (!found) break;
        out.append(text.substr(begin, end - begin));
        pos = end;
    }
    return out;
}
