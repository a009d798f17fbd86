#include "cli/Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "text/Codec.h"
#include "text/TString.h"

std::string JsonQuote(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + 2);
    out += '"';
    for (char ch : utf8) {
        unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += ch;
                }
        }
    }
    out += '"';
    return out;
}

void JsonWriter::separate() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_first.empty()) {
        if (!m_first.back()) m_text += ',';
        m_first.back() = false;
    }
}

JsonWriter& JsonWriter::beginArray() {
    separate();
    m_text += '[';
    m_first.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    m_text += ']';
    m_first.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginObject() {
    separate();
    m_text += '{';
    m_first.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    m_text += '}';
    m_first.pop_back();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    separate();
    m_text += JsonQuote(name);
    m_text += ':';
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view utf8) {
    separate();
    m_text += JsonQuote(utf8);
    return *this;
}

JsonWriter& JsonWriter::value(const CLSTString& text) {
    return value(text.str());
}

JsonWriter& JsonWriter::value(int64_t number) {
    separate();
    m_text += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
    separate();
    m_text += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::number(double value) {
    if (!std::isfinite(value)) return null();
    separate();
    char text[32];
    auto [end, error] = std::to_chars(text, text + sizeof text, value);
    m_text.append(text, error == std::errc() ? end : text);
    return *this;
}

JsonWriter& JsonWriter::null() {
    separate();
    m_text += "null";
    return *this;
}
