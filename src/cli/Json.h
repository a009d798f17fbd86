#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CLSTString;

/// Builds JSON text exactly as Python's json.dumps(value, ensure_ascii=False,
/// separators=(",", ":")) writes it: no blanks, non-ASCII as UTF-8.
class JsonWriter {
  public:
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view utf8);
    JsonWriter& value(const char* utf8) { return value(std::string_view(utf8)); }
    /// A program text (UTF-8 already).
    JsonWriter& value(const CLSTString& text);
    JsonWriter& value(int64_t number);
    JsonWriter& value(int number) { return value(static_cast<int64_t>(number)); }
    JsonWriter& value(bool flag);
    /// A real number in its shortest form that reads back the same (null
    /// when not finite, which JSON cannot hold).
    JsonWriter& number(double value);
    JsonWriter& null();

    const std::string& text() const { return m_text; }

  private:
    void separate();
    std::string m_text;
    std::vector<bool> m_first;  // per open container: nothing written yet
    bool m_afterKey = false;
};

/// s as a quoted, escaped JSON string.
std::string JsonQuote(std::string_view utf8);
