#pragma once

#include <string>
#include <string_view>

#include "text/TextEncoding.h"

/// The plain text of a field that holds HTML (exports of flash-card
/// programs): <br> becomes a line break (CR LF), so do <div> and <p> that
/// start a new block after text, every other tag is removed, and character
/// references (&amp;, &#38;, &#x26;, the common named ones) are decoded.
/// A "<" that starts no tag and an unknown reference stay as written. The
/// text is in the given encoding; a referenced character CP932 cannot hold
/// becomes "?" in a CP932 text and is appended (as UTF-8) to unmappable.
std::string HtmlFieldToText(std::string_view html, CLSTextEncoding encoding,
                            std::string* unmappable = nullptr);
