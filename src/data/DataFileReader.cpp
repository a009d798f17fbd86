// Reading a data file: the header, then every line into the document's items.

#include "data/DataFileReader.h"

#include <algorithm>
#include <exception>
#include <thread>

#include "data/DataFileVersion.h"
#include "data/DataFileWriter.h"
#include "data/DataLineFormat.h"
#include "data/ReviewLine.h"
#include "data/VorelDataFile.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/FileReadLine.h"
#include "text/Language.h"
#include "text/Prompter.h"
#include "text/Unicode.h"

namespace {

const char* const kSource = "VRLFILE";
constexpr int kGroups = CLSVorelDataFile::kGroupCount;
const char kHeader[] = "VORELDATA V";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// "VORELDATA V" + digit + "." + digit, exactly 14 bytes.
bool readHeaderOf(const CLSTString& line, int* version) {
    const char* p = line.text();
    if (line.length() != 14 || line.view().substr(0, 11) != kHeader) return false;
    if (!isDigit(p[11]) || p[12] != '.' || !isDigit(p[13])) return false;
    *version = (p[11] - '0') * 10 + (p[13] - '0');
    return true;
}

// A line that fits no grammar survives as a comment holding all of it,
// and is written back as it was read while nobody changes it.
CLSVorelDataItem keptAsComment(const CLSTString& line) {
    return CLSVorelDataItem::makeComment(KeptAsComment(line));
}

void readGroupNames(const CLSTString& value, std::array<CLSTString, kGroups>& names) {
    CLSTraceScope trace("CLSVorelDataFile::parseSettingGroupLine");
    CLSTStringArray parts = value.tokenize(',', '\\', kGroups);
    for (int i = 0; i < parts.count() && i < kGroups - 1; ++i) {
        names[i] = Unescaped(parts[i]);
    }
    if (parts.count() == kGroups) {
        const CLSTString& last = parts[kGroups - 1];
        int apostrophe = last.findChar('\'', 0, '\\');
        names[kGroups - 1] = Unescaped(apostrophe < 0 ? last : last.substring(0, apostrophe));
    }
}

// Lines of a file held in one buffer.
struct LineBuffer {
    std::string bytes;
    std::vector<size_t> starts;  // start of each line; a final entry marks the end

    size_t count() const { return starts.size() - 1; }
    CLSTString line(size_t i) const {
        return CLSTString::fromBytes(bytes.data() + starts[i],
                                     static_cast<int>(starts[i + 1] - starts[i]));
    }
    char first(size_t i) const { return starts[i + 1] > starts[i] ? bytes[starts[i]] : 0; }
};

}  // namespace

bool ReadDataFileHeader(const CLSTString& line, int* version, CLSTextEncoding* encoding) {
    bool utf8 = line.view().substr(0, kUtf8Bom.size()) == kUtf8Bom;
    *encoding = utf8 ? CLSTextEncoding::kUtf8 : CLSTextEncoding::kCp932;
    return readHeaderOf(utf8 ? line.substring(static_cast<int>(kUtf8Bom.size())) : line, version);
}

const char* DataFileHeaderProblem(int version, CLSTextEncoding encoding) {
    if (!DataFileVersion::isKnown(version))
        return VT("このバージョンのVorelデータファイルには対応していません。");
    if (encoding == CLSTextEncoding::kUtf8 && version < DataFileVersion::kCurrent)
        return VT("UTF-8 のVorelデータファイルは V3.0 でなければなりません。");
    return nullptr;
}

namespace {

// Appends the text of a line of a UTF-8 file: valid, in NFC. False when
// that is not the line's bytes.
bool appendUtf8Line(std::string& out, std::string_view bytes) {
    // Plain text (ASCII, kana, kanji, precomposed letters) is NFC as it is.
    if (IsPlainlyNfc(bytes)) {
        out.append(bytes);
        return true;
    }
    std::string nfc = NormalizeNfc(bytes);  // a stray byte becomes U+FFFD
    out.append(nfc);
    return nfc == bytes;
}

}  // namespace

void ReadDataFileBody(CLSFileReadLine& file, int version, CLSTextEncoding encoding, int historySize,
                      Prompter& prompter, CLSDataFileBody& body) {
    // The lines are converted as they are read; the few whose text would
    // not give their bytes back keep those bytes.
    LineBuffer buffer;
    std::vector<std::pair<size_t, std::string>> inexact;
    const bool utf8 = encoding == CLSTextEncoding::kUtf8;
    CLSTString line;
    while (file.readLineBytes(line)) {
        buffer.starts.push_back(buffer.bytes.size());
        bool exact = utf8 ? appendUtf8Line(buffer.bytes, line.view())
                          : AppendCp932AsUtf8(buffer.bytes, line.view());
        if (!exact) inexact.emplace_back(buffer.starts.size() - 1, line.str());
    }
    buffer.starts.push_back(buffer.bytes.size());
    size_t n = buffer.count();

    // Setting lines may ask the learner something and change the group names
    // and the message, so they are read in order on this thread; every other
    // line is independent and is parsed by several threads when the file is
    // large.
    auto sequential = [&](size_t i) {
        return version >= DataFileVersion::kSettingLines && buffer.first(i) == '$';
    };
    std::vector<std::unique_ptr<CLSVorelDataItem>> parsed(n);
    auto work = [&](size_t from, size_t to) {
        for (size_t i = from; i < to; ++i) {
            if (sequential(i)) continue;
            parsed[i] = std::make_unique<CLSVorelDataItem>(ParseDataFileLine(
                buffer.line(i), version, static_cast<int>(i) + 2, historySize, prompter, body));
        }
    };
    unsigned threads = std::min(4u, std::max(1u, std::thread::hardware_concurrency()));
    if (n < 4096 || threads == 1) {
        work(0, n);
    } else {
        std::vector<std::thread> pool;
        std::vector<std::exception_ptr> errors(threads);
        for (unsigned t = 0; t < threads; ++t) {
            pool.emplace_back([&, t] {
                try {
                    work(n * t / threads, n * (t + 1) / threads);
                } catch (...) {
                    errors[t] = std::current_exception();
                }
            });
        }
        for (std::thread& th : pool)
            th.join();
        for (const std::exception_ptr& e : errors) {
            if (e) std::rethrow_exception(e);
        }
    }
    for (auto& [i, bytes] : inexact) {
        if (!parsed[i] || !parsed[i]->line()) continue;
        auto read = std::make_shared<CLSVorelDataLine::ReadBytes>();
        read->bytes = std::move(bytes);
        read->asWritten = DataLineText(*parsed[i], version).str();
        read->encoding = encoding;
        parsed[i]->line()->readBytes = std::move(read);
    }
    body.lines.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        if (sequential(i)) {
            CLSVorelDataItem item = ParseDataFileLine(
                buffer.line(i), version, static_cast<int>(i) + 2, historySize, prompter, body);
            if (item.kind() != kLineNone)
                body.lines.push_back(std::make_unique<CLSVorelDataItem>(std::move(item)));
        } else if (parsed[i]->kind() != kLineNone) {
            if (version >= DataFileVersion::kCurrent && buffer.first(i) == '\'' &&
                !body.lines.empty() && TakeReviewLine(*parsed[i], *body.lines.back())) {
                continue;
            }
            body.lines.push_back(std::move(parsed[i]));
        }
    }
    body.lines.shrink_to_fit();
}

bool TakeReviewLine(const CLSVorelDataItem& comment, CLSVorelDataItem& before) {
    if (comment.kind() != kLineComment || !before.isQuestion()) return false;
    std::string_view text = comment.comment().text.view();
    if (text.substr(0, kReviewLineMarker.size()) != kReviewLineMarker) return false;
    CLSVorelDataQuestion& question = before.question();
    CLSReviewState state;
    switch (ParseReviewLine(text, question.getQuestion().toMarkup().view(), &state)) {
        case ReviewLineKind::kNotOurs:
            return false;
        case ReviewLineKind::kOther:
            // Moved by a program that keeps it as a comment: it belongs to
            // no question any more, and this one is seeded from its history.
            return true;
        case ReviewLineKind::kSchedule:
            question.setReview(state);
            return true;
    }
    return false;
}

CLSVorelDataItem ParseDataFileLine(const CLSTString& line, int version, int lineNumber,
                                   int historySize, Prompter& prompter, CLSDataFileBody& body) {
    if (line.isEmpty() || line.text()[0] == '\'') {
        return CLSVorelDataItem::makeComment(ParseCommentLine(line));
    }
    char first = line.text()[0];
    if (first == '#') {
        CLSVorelDataTitle title;
        if (ParseTitleLine(line, title)) return CLSVorelDataItem::makeTitle(title);
        return keptAsComment(line);
    }
    if (first == '$' && version >= DataFileVersion::kSettingLines) {
        int eq = line.findChar('=');
        if (eq < 0) return keptAsComment(line);
        CLSTString key = line.substring(1, eq - 1);
        CLSTString value = line.substring(eq + 1);
        if (key.compareNoCase("Group") == 0) {
            readGroupNames(value, body.groupNames);
            return CLSVorelDataItem(kLineNone, nullptr);
        }
        if (key.length() >= 4 && key.substring(0, 4).compareNoCase("Font") == 0) {
            return CLSVorelDataItem::makeFont(FontKindOfKey(key), ParseFontValue(value));
        }
        if (int kind = NumberKindOfKey(key)) {
            CLSVorelDataNumber number = ParseNumberValue(value);
            return CLSVorelDataItem::makeNumber(kind, number.value, number.comment);
        }
        if (key.compareNoCase("Message") == 0) {
            int apostrophe = value.findChar('\'', 0, '\\');
            body.message = Unescaped(apostrophe < 0 ? value : value.substring(0, apostrophe));
            return CLSVorelDataItem(kLineNone, nullptr);
        }
        // The line number of the data file tells the learner which line it is.
        showError(CLSError(kSource, lineNumber, CLSError::kNotImplemented), prompter);
        return keptAsComment(line);
    }
    CLSVorelDataQuestion question;
    bool ok = version >= DataFileVersion::kCurrent ? ParseQuestionLine(line, historySize, question)
                                                   : ParseOldQuestionLine(line, question);
    if (!ok) return keptAsComment(line);
    return CLSVorelDataItem::makeQuestion(std::move(question));
}
