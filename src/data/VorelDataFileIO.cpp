// Loading, saving and converting data files.

#include <algorithm>
#include <exception>
#include <thread>

#include "data/DataLineFormat.h"
#include "data/VorelDataFile.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Common.h"
#include "text/Error.h"
#include "text/FileReadLine.h"
#include "text/Prompter.h"
#include "text/SafeFile.h"

namespace {

const char* const kSource = "VRLFILE";
const char kHeader[] = "VORELDATA V";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// "VORELDATA V" + digit + "." + digit, exactly 14 bytes.
bool readHeader(const CLSTString& line, int* version) {
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

}  // namespace

void CLSVorelDataFile::newFile() {
    CLSTraceScope trace("CLSVorelDataFile::newFile");
    if (m_modified && m_observer) {
        if (!isUntitled()) {
            m_observer->requestSave();
        } else if (m_prompter->askYesNo(
                       PromptIcon::Question,
                       CLSTString(SJIS("編集中のデータは保存されていません。保存しますか？")))) {
            m_observer->requestSave();
        }
    }
    deleteFontObjects();
    m_version = kCurrentVersion;
    m_currentNumber = 0;
    clearLines();
    m_path = UntitledPath();
    for (CLSTString& name : m_groupNames)
        name.clear();
    m_message.clear();
    m_modified = false;
    notifyCaption();
}

bool CLSVorelDataFile::loadFile(const CLSTString& path) {
    CLSTraceScope trace("CLSVorelDataFile::loadFile");
    if (m_observer && !m_observer->mayLoad()) return false;
    newFile();
    auto fail = [this]() {
        if (m_observer) m_observer->loaded(false);
        return false;
    };
    try {
        CLSFileReadLine file;
        if (!file.open(path)) {
            CLSTString text(SJIS("ファイル "));
            text.append(path).append(SJIS(" を開けません。"));
            m_prompter->message(PromptIcon::Error, text);
            return fail();
        }
        CLSTString line;
        int version = 0;
        if (!file.readLine(line) || !readHeader(line, &version)) {
            m_prompter->message(PromptIcon::Error,
                                CLSTString(SJIS("Vorelデータファイルではありません。")));
            return fail();
        }
        m_path = path;
        m_settings.addRecentFile(path);
        if (m_observer) m_observer->recentFilesChanged();
        if (version < 12 || version > kCurrentVersion) {
            m_prompter->message(
                PromptIcon::Error,
                CLSTString(SJIS("このバージョンのVorelデータファイルには対応していません。")));
            newFile();
            return fail();
        }
        m_version = version;
        readLines(file, version);
        // What was just read is what the file holds: nothing to save yet.
        m_modified = false;
        if (version < kCurrentVersion &&
            m_prompter->askYesNo(
                PromptIcon::Question,
                CLSTString(
                    SJIS("このVorelデータファイルは V3.0 より古いバージョンです。\n\nV3.0 "
                         "にすることで複数解答機能の追加，履歴情報の拡張等が可能になります。V3.0 "
                         "に変換しますか？")))) {
            setVersion(kCurrentVersion);
        }
        m_current = nullptr;
        m_currentTitle = nullptr;
        if (m_observer) m_observer->loaded(true);
        notifyCaption();
        return true;
    } catch (const CLSError& e) {
        showError(e, *m_prompter);
        m_modified = false;  // nothing of the broken file is worth saving
        newFile();
        return fail();
    }
}

namespace {

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

void CLSVorelDataFile::readLines(CLSFileReadLine& file, int version) {
    LineBuffer buffer;
    CLSTString line;
    while (file.readLine(line)) {
        buffer.starts.push_back(buffer.bytes.size());
        buffer.bytes.append(line.view());
    }
    buffer.starts.push_back(buffer.bytes.size());
    size_t n = buffer.count();

    // Setting lines may ask the learner something and change the group names
    // and the message, so they are read in order on this thread; every other
    // line is independent and is parsed by several threads when the file is
    // large.
    auto sequential = [&](size_t i) { return version >= 13 && buffer.first(i) == '$'; };
    std::vector<std::unique_ptr<CLSVorelDataItem>> parsed(n);
    auto work = [&](size_t from, size_t to) {
        for (size_t i = from; i < to; ++i) {
            if (sequential(i)) continue;
            parsed[i] = std::make_unique<CLSVorelDataItem>(
                parseLine(buffer.line(i), version, static_cast<int>(i) + 2));
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
    m_lines.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        if (sequential(i)) {
            CLSVorelDataItem item = parseLine(buffer.line(i), version, static_cast<int>(i) + 2);
            if (item.kind() != kLineNone) appendItem(std::move(item));
        } else if (parsed[i]->kind() != kLineNone) {
            insertOwned(getItemCount(), std::move(parsed[i]));
        }
    }
    m_lines.shrink_to_fit();
}

CLSVorelDataItem CLSVorelDataFile::parseLine(const CLSTString& line, int version, int lineNumber) {
    if (line.isEmpty() || line.text()[0] == '\'') {
        return CLSVorelDataItem::makeComment(ParseCommentLine(line));
    }
    char first = line.text()[0];
    if (first == '#') {
        CLSVorelDataTitle title;
        if (ParseTitleLine(line, title)) return CLSVorelDataItem::makeTitle(title);
        return keptAsComment(line);
    }
    if (first == '$' && version >= 13) {
        int eq = line.findChar('=');
        if (eq < 0) return keptAsComment(line);
        CLSTString key = line.substring(1, eq - 1);
        CLSTString value = line.substring(eq + 1);
        if (key.compareNoCase("Group") == 0) {
            parseSettingGroupLine(value);
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
            m_message = Unescaped(apostrophe < 0 ? value : value.substring(0, apostrophe));
            return CLSVorelDataItem(kLineNone, nullptr);
        }
        // The line number of the data file tells the learner which line it is.
        showError(CLSError(kSource, lineNumber, CLSError::kNotImplemented), *m_prompter);
        return keptAsComment(line);
    }
    CLSVorelDataQuestion question;
    bool ok = version >= kCurrentVersion
                  ? ParseQuestionLine(line, m_settings.historySize(), question)
                  : ParseOldQuestionLine(line, question);
    if (!ok) return keptAsComment(line);
    return CLSVorelDataItem::makeQuestion(std::move(question));
}

void CLSVorelDataFile::parseSettingGroupLine(const CLSTString& value) {
    CLSTraceScope trace("CLSVorelDataFile::parseSettingGroupLine");
    CLSTStringArray names = value.tokenize(',', '\\', kGroupCount);
    for (int i = 0; i < names.count() && i < kGroupCount - 1; ++i) {
        m_groupNames[i] = Unescaped(names[i]);
    }
    if (names.count() == kGroupCount) {
        const CLSTString& last = names[kGroupCount - 1];
        int apostrophe = last.findChar('\'', 0, '\\');
        m_groupNames[kGroupCount - 1] =
            Unescaped(apostrophe < 0 ? last : last.substring(0, apostrophe));
    }
}

void CLSVorelDataFile::writeDocument(CLSFileWriteString& file) const {
    file.write(kHeader);
    file.writeLine(versionText(m_version));
    for (const auto& line : m_lines) {
        int kind = line->kind();
        if (kind == kLineTitle) {
            file.writeLine(WriteTitleLine(line->title()));
        } else if (kind == kLineQuestion) {
            file.writeLine(WriteQuestionLine(line->question(), m_version));
        } else if (kind == kLineComment) {
            file.writeLine(WriteCommentLine(line->comment()));
        } else if (IsNumberKind(kind)) {
            file.writeLine(WriteNumberLine(kind, line->number()));
        } else if (IsFontKind(kind)) {
            // Print fonts are written like the others: dropping them lost
            // the learner's print fonts at the first save.
            CLSTString text = WriteFontLine(kind, line->font());
            if (!text.isEmpty()) file.writeLine(text);
        }
    }
    // Group names are read from version 1.3 on, so they are written from
    // there too: writing them only from 1.4 would lose them on a 1.3 file.
    if (m_version >= 13) {
        file.write("$Group=");
        for (int i = 0; i < kGroupCount; ++i) {
            if (i > 0) file.write(',');
            file.write(Escaped(getGroupName(i)));
        }
        file.writeNewLine();
        if (!m_message.isEmpty()) {
            file.write("$Message=");
            file.writeLine(Escaped(m_message));
        }
    }
}

bool CLSVorelDataFile::saveFile(const CLSTString& path) {
    CLSTraceScope trace("CLSVorelDataFile::saveFile");
    CLSFileSafeWrite out;
    if (!out.open(path)) {
        showError(CLSError(kSource, __LINE__, CLSError::kWrite), *m_prompter);
        return false;
    }
    try {
        writeDocument(out.file());
        out.commit();
    } catch (const CLSError&) {
        showError(CLSError(kSource, __LINE__, CLSError::kWrite), *m_prompter);
        return false;
    }
    m_path = path;
    notifyCaption();
    return true;
}

bool CLSVorelDataFile::setVersion(int version) {
    CLSTraceScope trace("CLSVorelDataFile::setVersion");
    if (version < m_version &&
        !m_prompter->askYesNo(
            PromptIcon::Question,
            CLSTString(SJIS("下位バージョンに変更すると情報が失われます。続行しますか？")))) {
        return false;
    }
    auto dropped = [version](const CLSVorelDataItem& item) {
        int kind = item.kind();
        if (IsFontKind(kind)) return version < 13;
        if (kind == kLineTimeLimit) return version < 15;
        if (kind == kLineQuestionShowTime || kind == kLineAnswerStartTime) return version <= 15;
        return false;
    };
    using Q = CLSVorelDataQuestion;
    bool layoutChanges = (version < kCurrentVersion) != (m_version < kCurrentVersion);
    bool versionChanges = version != m_version;
    std::vector<std::unique_ptr<CLSVorelDataItem>> kept;
    kept.reserve(m_lines.size());
    for (auto& line : m_lines) {
        if (dropped(*line)) {
            if (line.get() == m_current) m_current = nullptr;
            continue;
        }
        if (line->isQuestion()) {
            Q& q = line->question();
            if (version <= 14) {
                q.clearHints();
                // A malformed field is all there is of the learner's
                // choices; its list is empty already.
                if (!q.isFieldMalformed(Q::kFieldChoices)) q.clearChoices();
            }
            if (version <= 12) q.keepFirstAnswerOnly();
            // The other layout cuts fields differently, so well-formed
            // fields are written from the model there; a malformed one has
            // nothing but its text and keeps it.
            for (int f = 0; f < Q::kFieldCount && layoutChanges; ++f) {
                auto field = static_cast<Q::Field>(f);
                if (!q.isFieldMalformed(field)) q.forgetReadText(field);
            }
            // Only 1.2 files have questions starting with "$"; from 1.3 on
            // such a line is a setting.
            if (m_version <= 12 && version >= 13 &&
                q.readFieldText(Q::kFieldQuestion).substr(0, 1) == "$") {
                q.forgetReadText(Q::kFieldQuestion);
            }
        } else if (line->kind() == kLineComment && versionChanges) {
            // A line that fit no grammar may fit one in another version.
            CLSVorelDataComment& c = line->comment();
            if (c.wholeLine) c.readLine.clear();
        }
        kept.push_back(std::move(line));
    }
    m_lines = std::move(kept);
    invalidateIndex();
    m_version = version;
    m_modified = true;
    return true;
}

CLSDataInfo CLSVorelDataFile::dataInfo() const {
    CLSDataInfo info;
    info.path = m_path;
    info.version = m_version;
    info.lineCount = getItemCount() + 1;
    info.titleCount = getTitleCount();
    info.questionCount = m_questionCount;
    for (int g = 0; g < kGroupCount; ++g)
        info.groupNames[g] = getGroupName(g);
    for (const auto& line : m_lines) {
        if (!line->isQuestion()) continue;
        int g = line->question().group();
        if (g >= 0 && g < kGroupCount) ++info.groupQuestionCounts[g];
    }
    return info;
}
