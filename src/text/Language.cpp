#include "text/Language.h"

#include <string>
#include <unordered_map>

#include "text/CoreCatalogue.h"

namespace {

std::string& current() {
    static std::string language = kNativeLanguage;
    return language;
}

bool available(std::string_view code) {
    if (code == kNativeLanguage) return true;
    size_t count = 0;
    const CLSCoreCatalogue* catalogues = CoreCatalogues(&count);
    for (size_t i = 0; i < count; ++i) {
        if (code == catalogues[i].code) return true;
    }
    return false;
}

// "en_US.UTF-8" -> "en"; "C", "POSIX" and "C.UTF-8" speak the program's own.
std::string languageOfLocale(std::string_view locale) {
    std::string_view code = locale.substr(0, locale.find_first_of("_.@"));
    if (code == "C" || code == "POSIX") return kNativeLanguage;
    std::string lower;
    for (char c : code)
        lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return available(lower) ? lower : kFallbackLanguage;
}

// The translations of the language in force, by source text; made when
// the language is set, read by every VT() after.
std::unordered_map<std::string_view, const char*>& translations() {
    static std::unordered_map<std::string_view, const char*> texts;
    return texts;
}

}  // namespace

std::vector<std::string> AvailableLanguages() {
    std::vector<std::string> codes{kNativeLanguage};
    size_t count = 0;
    const CLSCoreCatalogue* catalogues = CoreCatalogues(&count);
    for (size_t i = 0; i < count; ++i)
        codes.emplace_back(catalogues[i].code);
    return codes;
}

std::string ChooseLanguage(std::string_view setting,
                           const std::function<const char*(const char*)>& getenv) {
    const char* forced = getenv("VOREL_LANG");
    if (forced && available(forced)) return forced;
    if (!setting.empty() && available(setting)) return std::string(setting);
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = getenv(name);
        if (!value || !*value) continue;
        std::string_view first(value);
        // LANGUAGE lists languages in order of preference: "de:en".
        if (std::string_view(name) == "LANGUAGE") first = first.substr(0, first.find(':'));
        if (!first.empty()) return languageOfLocale(first);
    }
    return kNativeLanguage;
}

void SetProgramLanguage(std::string_view code) {
    current() = available(code) ? std::string(code) : std::string(kNativeLanguage);
    auto& texts = translations();
    texts.clear();
    size_t count = 0;
    const CLSCoreCatalogue* catalogues = CoreCatalogues(&count);
    for (size_t i = 0; i < count; ++i) {
        if (current() != catalogues[i].code) continue;
        for (size_t e = 0; e < catalogues[i].count; ++e)
            texts.emplace(catalogues[i].entries[e].source, catalogues[i].entries[e].translation);
    }
}

const std::string& ProgramLanguage() {
    return current();
}

const char* VT(const char* japanese) {
    const auto& texts = translations();
    if (texts.empty()) return japanese;
    auto found = texts.find(japanese);
    return found == texts.end() ? japanese : found->second;
}

std::string Fill(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(text.size() + 32);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            size_t index = static_cast<size_t>(text[i + 1] - '1');
            if (index < values.size()) {
                out.append(values.begin()[index]);
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}
