// Makes the core's catalogues: reads translations/vorel_<code>.ts files and
// writes a C++ file with the finished translations of their context "Core"
// (what the core looks up with VT()). Build tool; run by CMake.
//
//   vorel-catalogue-gen OUT.cpp [vorel_en.ts ...]

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string unescape(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
            continue;
        }
        size_t end = text.find(';', i);
        if (end == std::string::npos) {
            out += text[i];
            continue;
        }
        std::string entity = text.substr(i + 1, end - i - 1);
        unsigned long code = 0;
        if (entity == "amp")
            code = '&';
        else if (entity == "lt")
            code = '<';
        else if (entity == "gt")
            code = '>';
        else if (entity == "quot")
            code = '"';
        else if (entity == "apos")
            code = '\'';
        else if (entity.size() > 2 && entity[0] == '#' && entity[1] == 'x')
            code = std::stoul(entity.substr(2), nullptr, 16);
        else if (entity.size() > 1 && entity[0] == '#')
            code = std::stoul(entity.substr(1), nullptr, 10);
        else {
            out += text[i];
            continue;
        }
        // UTF-8 of the code point.
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
        i = end;
    }
    return out;
}

// The text between <tag...> and </tag> in block, from pos; "" when absent.
bool element(const std::string& block, const std::string& tag, std::string& attributes,
             std::string& text) {
    size_t open = block.find("<" + tag);
    if (open == std::string::npos) return false;
    size_t close = block.find('>', open);
    if (close == std::string::npos) return false;
    attributes = block.substr(open + tag.size() + 1, close - open - tag.size() - 1);
    if (!attributes.empty() && attributes.back() == '/') {
        text.clear();
        return true;
    }
    size_t end = block.find("</" + tag + ">", close);
    if (end == std::string::npos) return false;
    text = block.substr(close + 1, end - close - 1);
    return true;
}

std::string literal(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
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
            default:
                out += c;
        }
    }
    return out + "\"";
}

using Entries = std::vector<std::pair<std::string, std::string>>;

Entries coreEntries(const std::string& ts) {
    Entries entries;
    size_t at = 0;
    while ((at = ts.find("<context>", at)) != std::string::npos) {
        size_t end = ts.find("</context>", at);
        if (end == std::string::npos) break;
        std::string context = ts.substr(at, end - at);
        at = end;
        std::string attributes, name;
        if (!element(context, "name", attributes, name) || name != "Core") continue;
        size_t m = 0;
        while ((m = context.find("<message", m)) != std::string::npos) {
            size_t mend = context.find("</message>", m);
            if (mend == std::string::npos) break;
            std::string message = context.substr(m, mend - m);
            m = mend;
            std::string source, translation, sourceAttributes, translationAttributes;
            if (!element(message, "source", sourceAttributes, source)) continue;
            if (!element(message, "translation", translationAttributes, translation)) continue;
            // As lrelease: unfinished, vanished and obsolete texts are left out.
            if (translationAttributes.find("type=") != std::string::npos) continue;
            if (translation.empty()) continue;
            entries.emplace_back(unescape(source), unescape(translation));
        }
    }
    return entries;
}

// "…/vorel_en.ts" -> "en".
std::string codeOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    size_t underscore = name.find('_');
    size_t dot = name.rfind('.');
    if (underscore == std::string::npos || dot == std::string::npos || dot < underscore) return "";
    return name.substr(underscore + 1, dot - underscore - 1);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: vorel-catalogue-gen OUT.cpp [vorel_<code>.ts ...]\n";
        return 2;
    }
    std::ostringstream out;
    out << "// Made by tools/CatalogueGen.cpp from the translations; do not edit.\n"
           "#include \"text/CoreCatalogue.h\"\n\nnamespace {\n";
    std::vector<std::pair<std::string, size_t>> catalogues;
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::cerr << "cannot read " << argv[i] << "\n";
            return 1;
        }
        std::string ts((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::string code = codeOf(argv[i]);
        if (code.empty()) continue;
        Entries entries = coreEntries(ts);
        if (entries.empty()) continue;
        out << "const CLSCatalogueEntry k_" << code << "[] = {\n";
        for (const auto& [source, translation] : entries)
            out << "    {" << literal(source) << ", " << literal(translation) << "},\n";
        out << "};\n";
        catalogues.emplace_back(code, entries.size());
    }
    out << "}  // namespace\n\nconst CLSCoreCatalogue* CoreCatalogues(size_t* count) {\n";
    if (catalogues.empty()) {
        out << "    *count = 0;\n    return nullptr;\n}\n";
    } else {
        out << "    static const CLSCoreCatalogue catalogues[] = {\n";
        for (const auto& [code, size] : catalogues)
            out << "        {" << literal(code) << ", k_" << code << ", " << size << "},\n";
        out << "    };\n    *count = " << catalogues.size() << ";\n    return catalogues;\n}\n";
    }
    const std::string text = out.str();
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << text;
    return file ? 0 : 1;
}
