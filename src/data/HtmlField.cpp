// Fields of files whose cells hold HTML rather than plain text. The bytes
// looked for ("<", ">", "&", ";") are below 0x40, so they are never the
// second byte of a CP932 character and a byte-wise scan serves both encodings.

#include "data/HtmlField.h"

#include <cstring>

#include "text/Codec.h"

namespace {

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The tag's name in lower case ("br", "/div", "!--").
std::string tagName(std::string_view tag) {
    std::string name;
    size_t i = 1;
    if (i < tag.size() && tag[i] == '/') name += tag[i++];
    while (i < tag.size() && (isAsciiLetter(tag[i]) || (tag[i] >= '0' && tag[i] <= '9')))
        name += lower(tag[i++]);
    return name;
}

void appendCodePoint(std::string& out, unsigned long cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The code point of a reference's name ("amp", "#38", "#x26"); 0 when unknown.
unsigned long referencedCodePoint(std::string_view name) {
    if (name.size() >= 2 && name[0] == '#') {
        bool hex = name[1] == 'x' || name[1] == 'X';
        size_t i = hex ? 2 : 1;
        if (i >= name.size() || name.size() - i > 8) return 0;
        unsigned long cp = 0;
        for (; i < name.size(); ++i) {
            char c = lower(name[i]);
            int digit = (c >= '0' && c <= '9')          ? c - '0'
                        : (hex && c >= 'a' && c <= 'f') ? c - 'a' + 10
                                                        : -1;
            if (digit < 0) return 0;
            cp = cp * (hex ? 16 : 10) + digit;
        }
        bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
        return (cp == 0 || cp > 0x10FFFF || surrogate) ? 0 : cp;
    }
    static const struct {
        const char* name;
        unsigned long cp;
    } named[] = {
        {"amp", '&'},      {"lt", '<'},       {"gt", '>'},        {"quot", '"'},
        {"apos", '\''},    {"nbsp", ' '},     {"hellip", 0x2026}, {"ndash", 0x2013},
        {"mdash", 0x2014}, {"lsquo", 0x2018}, {"rsquo", 0x2019},  {"ldquo", 0x201C},
        {"rdquo", 0x201D}, {"times", 0xD7},   {"divide", 0xF7},   {"yen", 0xA5},
        {"copy", 0xA9},    {"middot", 0xB7},  {"deg", 0xB0},      {"plusmn", 0xB1},
    };
    for (const auto& n : named) {
        if (name == n.name) return n.cp;
    }
    return 0;
}

}  // namespace

std::string HtmlFieldToText(std::string_view html, CLSTextEncoding encoding,
                            std::string* unmappable) {
    std::string out;
    out.reserve(html.size());
    auto endsWithBreak = [&out] { return out.empty() || out.back() == '\n'; };
    size_t i = 0;
    while (i < html.size()) {
        char c = html[i];
        if (c == '<' && i + 1 < html.size() &&
            (isAsciiLetter(html[i + 1]) || html[i + 1] == '/' || html[i + 1] == '!')) {
            size_t close = html.find('>', i + 1);
            if (close == std::string_view::npos) {
                out.append(html.substr(i));  // no tag after all
                break;
            }
            std::string name = tagName(html.substr(i, close - i));
            if (name == "br") {
                out += "\r\n";
            } else if ((name == "div" || name == "p") && !endsWithBreak()) {
                // A new block after text starts a new line; an empty
                // leading block adds nothing.
                out += "\r\n";
            }
            i = close + 1;
            continue;
        }
        if (c == '&') {
            size_t semi = html.find(';', i + 1);
            if (semi != std::string_view::npos && semi - i <= 12) {
                if (unsigned long cp = referencedCodePoint(html.substr(i + 1, semi - i - 1))) {
                    std::string utf8;
                    appendCodePoint(utf8, cp);
                    if (encoding == CLSTextEncoding::kUtf8) {
                        out += utf8;
                    } else {
                        std::string cp932;
                        Utf8ToCp932(utf8, cp932, unmappable);
                        out += cp932;
                    }
                    i = semi + 1;
                    continue;
                }
            }
        }
        out += c;
        ++i;
    }
    return out;
}
