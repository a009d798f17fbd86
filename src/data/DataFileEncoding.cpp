// Turning a data file into UTF-8 or back into Shift-JIS.

#include <string>
#include <vector>

#include "data/DataFileWriter.h"
#include "data/VorelDataFile.h"
#include "text/Codec.h"
#include "text/Language.h"
#include "text/Prompter.h"
#include "text/Unicode.h"

namespace {

// How many lines a message lists.
constexpr size_t kListedLines = 10;

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

// The characters of text CP932 cannot hold, each once, in their order.
std::string unmappableOf(std::string_view text) {
    std::string out;
    std::string missing;
    AppendUtf8AsCp932(out, text, &missing);
    std::string unique;
    for (int pos = 0; pos < static_cast<int>(missing.size());) {
        int length = 0;
        DecodeUtf8(missing, pos, &length);
        std::string_view c(missing.data() + pos, static_cast<size_t>(length));
        if (unique.find(c) == std::string::npos) unique.append(c);
        pos += length;
    }
    return unique;
}

std::string lineEntry(int lineNumber, const std::string& characters) {
    std::string entry = Fill(VT("%1行目"), {std::to_string(lineNumber)});
    if (!characters.empty()) entry += ": " + characters + " (" + CodePointNames(characters) + ")";
    return entry;
}

std::string listed(const std::vector<std::string>& entries, size_t total) {
    std::string text;
    for (const std::string& e : entries)
        text += "\n" + e;
    if (total > entries.size())
        text += "\n" + Fill(VT("ほか %1 行"), {std::to_string(total - entries.size())});
    return text;
}

}  // namespace

std::vector<std::string> CLSVorelDataFile::textsShiftJisCannotHold(size_t limit) const {
    std::vector<std::string> entries;
    size_t total = 0;
    auto check = [&](int lineNumber, std::string_view text) {
        std::string characters = unmappableOf(text);
        if (characters.empty()) return;
        if (entries.size() < limit) entries.push_back(lineEntry(lineNumber, characters));
        ++total;
    };
    for (int i = 0; i < getItemCount(); ++i)
        check(i + 2, DataLineText(*getLine(i), m_version).view());
    std::string settings;
    for (const CLSTString& name : m_groupNames)
        settings += name.view();
    settings += m_message.view();
    std::string characters = unmappableOf(settings);
    if (!characters.empty()) {
        if (entries.size() < limit)
            entries.push_back(Fill(VT("グループ名・メッセージ: %1 (%2)"),
                                   {characters, CodePointNames(characters)}));
        ++total;
    }
    if (total > entries.size())
        entries.push_back(Fill(VT("ほか %1"), {std::to_string(total - entries.size())}));
    return entries;
}

bool CLSVorelDataFile::setEncoding(CLSTextEncoding encoding) {
    if (encoding == m_encoding) return true;
    if (encoding == CLSTextEncoding::kUtf8) {
        if (m_version < DataFileVersion::kCurrent) {
            // clang-format off
            m_prompter->message(
                PromptIcon::Warning,
                CLSTString(VT("UTF-8 にできるのは V3.0 のデータファイルだけです。先に V3.0 に変換してください。")));
            // clang-format on
            return false;
        }
        // Bytes that were no Shift-JIS character stay as they are in a
        // Shift-JIS file; in UTF-8 they can only become U+FFFD.
        std::vector<std::string> entries;
        size_t total = 0;
        for (int i = 0; i < getItemCount(); ++i) {
            const CLSVorelDataLine* line = getLine(i)->line();
            const auto* read = line ? line->readBytes.get() : nullptr;
            if (!read || read->asWritten.find(kReplacementUtf8) == std::string::npos) continue;
            if (entries.size() < kListedLines) entries.push_back(lineEntry(i + 2, ""));
            ++total;
        }
        if (total > 0) {
            // clang-format off
            std::string text =
                Fill(VT("次の行には Shift-JIS の文字でないバイトがあります。%1\n\nUTF-8 にすると、これらのバイトは「\xEF\xBF\xBD」になります。変換しますか？"),
                     {listed(entries, total)});
            // clang-format on
            if (!m_prompter->askYesNo(PromptIcon::Question, CLSTString(text), 1)) return false;
        }
    } else {
        std::vector<std::string> entries = textsShiftJisCannotHold(kListedLines);
        if (!entries.empty()) {
            std::string text =
                VT("次の文字は Shift-JIS で表せないため、Shift-JIS に変換できません。");
            for (const std::string& e : entries)
                text += "\n" + e;
            m_prompter->message(PromptIcon::Warning, CLSTString(text));
            return false;
        }
    }
    m_encoding = encoding;
    touch();
    notifyCaption();
    return true;
}

bool CLSVorelDataFile::acceptsText(std::string_view text) {
    if (m_encoding == CLSTextEncoding::kUtf8) return true;
    std::string characters = unmappableOf(text);
    if (characters.empty()) return true;
    // clang-format off
    std::string question = Fill(VT("次の文字は Shift-JIS で表せません: %1 (%2)\n\nこのファイルを UTF-8 にして、この文字を使いますか？\n（UTF-8 のファイルは以前のバージョンのプログラムでは読めません。）"),
                                {characters, CodePointNames(characters)});
    // clang-format on
    if (m_prompter->askYesNo(PromptIcon::Question, CLSTString(question), 1) &&
        setEncoding(CLSTextEncoding::kUtf8)) {
        return true;
    }
    // clang-format off
    m_prompter->message(PromptIcon::Warning,
                        CLSTString(VT("Shift-JIS のファイルには、Shift-JIS で表せない文字を入れられません。入力は取り消されました。")));
    // clang-format on
    return false;
}
