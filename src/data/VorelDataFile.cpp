#include "data/VorelDataFile.h"

#include <algorithm>

#include "data/DataFileReader.h"
#include "data/DataFileWriter.h"
#include "data/DataLineFormat.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/FileReadLine.h"
#include "text/Language.h"
#include "text/Paths.h"
#include "text/Prompter.h"
#include "text/SafeFile.h"

namespace {

const char* const kSource = "VRLFILE";

}  // namespace

const char* UntitledPath() {
    return "新規.vrf";
}

CLSVorelDataFile::CLSVorelDataFile(CLSVorelSettings& settings, Prompter& prompter,
                                   const Clock& clock)
    : m_settings(settings), m_prompter(&prompter), m_clock(clock), m_path(UntitledPath()) {}

CLSVorelDataFile::~CLSVorelDataFile() = default;

bool CLSVorelDataFile::isUntitled() const {
    return m_path == UntitledPath();
}

CLSTString CLSVorelDataFile::getFolder() const {
    return isUntitled() ? CLSTString() : FolderOf(m_path);
}

CLSTString CLSVorelDataFile::caption() const {
    if (isUntitled()) return CLSTString(kAppTitle);
    CLSTString text = m_path;
    if (m_readOnly) text.append(VT("（読み取り専用）"));
    return text + " - " + kAppTitle;
}

void CLSVorelDataFile::setReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    notifyCaption();
}

void CLSVorelDataFile::notifyCaption() {
    if (m_observer) m_observer->captionChanged(caption());
}

CLSTString CLSVorelDataFile::getGroupName(int index) const {
    if (index < 0 || index >= kGroupCount) VR_THROW(kSource, CLSError::kIndex);
    if (m_groupNames[index].isEmpty()) return CLSTString(index);
    return m_groupNames[index];
}

const CLSTString& CLSVorelDataFile::storedGroupName(int index) const {
    if (index < 0 || index >= kGroupCount) VR_THROW(kSource, CLSError::kIndex);
    return m_groupNames[index];
}

void CLSVorelDataFile::setGroupName(int index, const CLSTString& name) {
    if (index < 0 || index >= kGroupCount) return;
    m_groupNames[index] = name;
    touch();
}

void CLSVorelDataFile::setMessage(const CLSTString& message) {
    m_message = message;
    touch();
}

// ---- files and versions --------------------------------------------------------------

bool CLSVorelDataFile::newFile() {
    CLSTraceScope trace("CLSVorelDataFile::newFile");
    // A document open read-only keeps its file as it is: that is what the
    // learner chose when another Vorel had it open.
    if (m_modified && m_observer && !m_readOnly) {
        if (!isUntitled()) {
            if (!m_observer->requestSave()) return false;
        } else if (m_prompter->askYesNo(
                       PromptIcon::Question,
                       CLSTString(VT("編集中のデータは保存されていません。保存しますか？")))) {
            m_observer->requestSave();
        }
    }
    m_version = DataFileVersion::kCurrent;
    m_encoding = CLSTextEncoding::kCp932;
    m_currentNumber = 0;
    clearLines();
    m_path = UntitledPath();
    for (CLSTString& name : m_groupNames)
        name.clear();
    m_message.clear();
    m_modified = false;
    m_edited = false;
    m_readOnly = false;
    m_fingerprint = CLSFileFingerprint();
    m_journal.clear();
    notifyCaption();
    return true;
}

bool CLSVorelDataFile::loadFile(const CLSTString& requested) {
    CLSTraceScope trace("CLSVorelDataFile::loadFile");
    // Every open comes here: the document, the recent files and the media
    // paths made relative to it all need the file's full path.
    const CLSTString path = AbsolutePath(requested);
    if (m_observer && !m_observer->mayLoad()) return false;
    auto fail = [this]() {
        if (m_observer) m_observer->loaded(false);
        return false;
    };
    if (m_observer && !m_observer->mayOpen(path)) return fail();
    // The document stays when its save was not decided.
    if (!newFile()) return fail();
    try {
        CLSFileReadLine file;
        if (!file.open(path)) {
            CLSTString text(Fill(VT("ファイル %1 を開けません。"), {path.view()}));
            m_prompter->message(PromptIcon::Error, text);
            return fail();
        }
        // What is read is remembered, so that a save can tell whether
        // another program changed the file meanwhile.
        file.startFingerprint();
        CLSTString line;
        int version = 0;
        CLSTextEncoding encoding = CLSTextEncoding::kCp932;
        if (!file.readLineBytes(line) || !ReadDataFileHeader(line, &version, &encoding)) {
            m_prompter->message(PromptIcon::Error,
                                CLSTString(VT("Vorelデータファイルではありません。")));
            return fail();
        }
        m_path = path;
        m_settings.addRecentFile(path);
        if (m_observer) m_observer->recentFilesChanged();
        if (const char* problem = DataFileHeaderProblem(version, encoding)) {
            m_prompter->message(PromptIcon::Error, CLSTString(problem));
            newFile();
            return fail();
        }
        m_version = version;
        m_encoding = encoding;
        CLSDataFileBody body;
        ReadDataFileBody(file, version, encoding, m_settings.historySize(), *m_prompter, body);
        for (auto& item : body.lines)
            insertOwned(getItemCount(), std::move(item));
        m_groupNames = body.groupNames;
        m_message = body.message;
        // What was just read is what the file holds: nothing to save yet.
        m_modified = false;
        m_edited = false;
        m_fingerprint = file.fingerprint();
        // clang-format off
        if (version < DataFileVersion::kCurrent &&
            m_prompter->askYesNo(
                PromptIcon::Question,
                CLSTString(VT("このVorelデータファイルは V3.0 より古いバージョンです。\n\nV3.0 にすることで複数解答機能の追加，履歴情報の拡張等が可能になります。V3.0 に変換しますか？")))) {
            // clang-format on
            setVersion(DataFileVersion::kCurrent);
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

bool CLSVorelDataFile::setVersion(int version) {
    CLSTraceScope trace("CLSVorelDataFile::setVersion");
    if (version < m_version &&
        !m_prompter->askYesNo(
            PromptIcon::Question,
            CLSTString(VT("下位バージョンに変更すると情報が失われます。続行しますか？")))) {
        return false;
    }
    auto dropped = [version](const CLSVorelDataItem& item) {
        int kind = item.kind();
        if (IsFontKind(kind)) return version < DataFileVersion::kSettingLines;
        if (kind == kLineTimeLimit) return version < DataFileVersion::kTimeLimit;
        if (kind == kLineQuestionShowTime || kind == kLineAnswerStartTime)
            return version < DataFileVersion::kShowAndStartTime;
        return false;
    };
    using Q = CLSVorelDataQuestion;
    bool layoutChanges =
        (version < DataFileVersion::kCurrent) != (m_version < DataFileVersion::kCurrent);
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
            if (version < DataFileVersion::kTimeLimit) {
                q.clearHints();
                // A malformed field is all there is of the learner's
                // choices; its list is empty already.
                if (!q.isFieldMalformed(Q::kFieldChoices)) q.clearChoices();
            }
            if (version < DataFileVersion::kSettingLines) q.keepFirstAnswerOnly();
            // The other layout cuts fields differently, so well-formed
            // fields are written from the model there; a malformed one has
            // nothing but its text and keeps it.
            for (int f = 0; f < Q::kFieldCount && layoutChanges; ++f) {
                auto field = static_cast<Q::Field>(f);
                if (!q.isFieldMalformed(field)) q.forgetReadText(field);
            }
            // Only 1.2 files have questions starting with "$"; from 1.3 on
            // such a line is a setting.
            if (m_version < DataFileVersion::kSettingLines &&
                version >= DataFileVersion::kSettingLines &&
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
    touch();
    return true;
}

CLSDataInfo CLSVorelDataFile::dataInfo() const {
    CLSDataInfo info;
    info.path = m_path;
    info.version = m_version;
    info.encoding = m_encoding;
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

// ---- lines --------------------------------------------------------------------

void CLSVorelDataFile::ensureIndex() const {
    m_index.ensure(m_lines);
}

int CLSVorelDataFile::getTitleCount() const {
    ensureIndex();
    return m_index.titleCount();
}

int CLSVorelDataFile::countQuestionsInGroup(int group) const {
    int n = 0;
    for (const auto& line : m_lines) {
        if (line->isQuestion() && line->question().group() == group) ++n;
    }
    return n;
}

int CLSVorelDataFile::getLineNumber(const CLSVorelDataItem* line) const {
    if (!line) return -1;
    ensureIndex();
    int i = line->m_lineIndex;
    if (i < 0 || i >= getItemCount() || m_lines[i].get() != line) return -1;
    return i;
}

int CLSVorelDataFile::getQuestionNumber(const CLSVorelDataItem* line) const {
    int i = getLineNumber(line);
    if (i < 0) return m_questionCount;
    return m_index.questionsBefore(i);
}

int CLSVorelDataFile::getTitleNumber(const CLSVorelDataItem* line) const {
    int i = getLineNumber(line);
    if (i < 0) return getTitleCount();
    return m_index.titlesBefore(i);
}

int CLSVorelDataFile::countQuestionsOfTitle(const CLSVorelDataItem* line) const {
    int i = getLineNumber(line);
    if (i < 0) return 0;
    return m_index.questionsUntilNextTitle(i, getItemCount());
}

CLSVorelDataItem* CLSVorelDataFile::getLine(int n) const {
    if (n < 0 || n >= getItemCount()) return nullptr;
    return m_lines[n].get();
}

CLSVorelDataItem* CLSVorelDataFile::getQuestion(int n) const {
    if (n < 0 || n >= m_questionCount) return nullptr;
    ensureIndex();
    return m_lines[m_index.questionLine(n)].get();
}

CLSVorelDataItem* CLSVorelDataFile::getTitle(int n) const {
    ensureIndex();
    if (n < 0 || n >= m_index.titleCount()) VR_THROW(kSource, CLSError::kIndex);
    return m_lines[m_index.titleLine(n)].get();
}

CLSVorelDataItem* CLSVorelDataFile::nextQuestion(const CLSVorelDataItem* line) const {
    int i = getLineNumber(line);
    if (i < 0) return nullptr;
    int next = m_index.questionAfter(i);
    return next < 0 ? nullptr : m_lines[next].get();
}

CLSVorelDataItem* CLSVorelDataFile::titleOf(const CLSVorelDataItem* line) const {
    int i = getLineNumber(line);
    if (i < 0) return nullptr;
    int t = m_index.lineOfKindAtOrBefore(kLineTitle, i);
    return t < 0 ? nullptr : m_lines[t].get();
}

const CLSVorelDataItem* CLSVorelDataFile::lineOfKindBefore(int kind,
                                                           const CLSVorelDataItem* line) const {
    int i = getLineNumber(line);
    if (i < 0) return nullptr;
    int k = m_index.lineOfKindAtOrBefore(kind, i);
    return k < 0 ? nullptr : m_lines[k].get();
}

// ---- insertion and removal -----------------------------------------------------

CLSVorelDataItem* CLSVorelDataFile::insertItem(int lineIndex, CLSVorelDataItem item) {
    return insertOwned(lineIndex, std::make_unique<CLSVorelDataItem>(std::move(item)));
}

CLSVorelDataItem* CLSVorelDataFile::insertOwned(int lineIndex,
                                                std::unique_ptr<CLSVorelDataItem> owned) {
    if (lineIndex < 0 || lineIndex > getItemCount()) VR_THROW(kSource, CLSError::kIndex);
    if (!owned || owned->kind() == kLineNone) VR_THROW(kSource, CLSError::kParameter);
    CLSVorelDataItem* p = owned.get();
    if (p->isQuestion()) ++m_questionCount;
    if (lineIndex == getItemCount()) {
        // Appending keeps the index valid: loading appends every line.
        m_index.appended(*p, lineIndex);
        m_lines.push_back(std::move(owned));
    } else {
        m_lines.insert(m_lines.begin() + lineIndex, std::move(owned));
        invalidateIndex();
    }
    touch();
    return p;
}

CLSVorelDataItem* CLSVorelDataFile::insertComment(int lineIndex, const CLSTString& text) {
    return insertItem(lineIndex, CLSVorelDataItem::makeComment(text));
}

void CLSVorelDataFile::erase(int lineIndex) {
    CLSTraceScope trace("CLSVorelDataFile::erase");
    if (lineIndex < 0 || lineIndex >= getItemCount()) return;
    CLSVorelDataItem* p = m_lines[lineIndex].get();
    if (p->isQuestion()) --m_questionCount;
    bool wasCurrent = p == m_current;
    bool wasCurrentTitle = p == m_currentTitle;
    m_lines.erase(m_lines.begin() + lineIndex);
    invalidateIndex();
    if (wasCurrent) m_current = nullptr;
    if (wasCurrentTitle) m_currentTitle = m_current ? titleOf(m_current) : nullptr;
    touch();
}

void CLSVorelDataFile::swapItem(int lineIndex, CLSVorelDataItem& item) {
    if (lineIndex < 0 || lineIndex >= getItemCount()) VR_THROW(kSource, CLSError::kIndex);
    if (item.kind() == kLineNone) VR_THROW(kSource, CLSError::kParameter);
    CLSVorelDataItem* p = m_lines[lineIndex].get();
    if (p->isQuestion()) --m_questionCount;
    if (item.isQuestion()) ++m_questionCount;
    std::swap(*p, item);
    p->m_lineIndex = lineIndex;
    invalidateIndex();
    if (p == m_current) m_currentTitle = titleOf(p);
    touch();
}

void CLSVorelDataFile::swapLines(int i) {
    if (i < 0 || i + 1 >= getItemCount()) VR_THROW(kSource, CLSError::kIndex);
    std::swap(m_lines[i], m_lines[i + 1]);
    m_index.swapped(*m_lines[i], *m_lines[i + 1], i);
    if (m_current == m_lines[i].get() || m_current == m_lines[i + 1].get() ||
        m_currentTitle == m_lines[i].get() || m_currentTitle == m_lines[i + 1].get())
        m_currentTitle = m_current ? titleOf(m_current) : nullptr;
    touch();
}

std::vector<std::unique_ptr<CLSVorelDataItem>> CLSVorelDataFile::takeLines(
    const std::vector<int>& ascending) {
    std::vector<std::unique_ptr<CLSVorelDataItem>> taken;
    if (ascending.empty()) return taken;
    taken.reserve(ascending.size());
    // One pass: the kept lines close up behind the taken ones.
    size_t next = 0;
    size_t out = 0;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (next < ascending.size() && static_cast<size_t>(ascending[next]) == i) {
            ++next;
            if (m_lines[i]->isQuestion()) --m_questionCount;
            if (m_lines[i].get() == m_current) m_current = nullptr;
            taken.push_back(std::move(m_lines[i]));
        } else {
            if (out != i) m_lines[out] = std::move(m_lines[i]);
            ++out;
        }
    }
    if (next != ascending.size()) VR_THROW(kSource, CLSError::kIndex);
    m_lines.resize(out);
    invalidateIndex();
    m_currentTitle = m_current ? titleOf(m_current) : nullptr;
    touch();
    return taken;
}

void CLSVorelDataFile::putLines(
    std::vector<std::pair<int, std::unique_ptr<CLSVorelDataItem>>> lines) {
    if (lines.empty()) return;
    size_t total = m_lines.size() + lines.size();
    for (size_t k = 0; k < lines.size(); ++k) {
        int at = lines[k].first;
        bool ascending = k == 0 || at > lines[k - 1].first;
        if (at < 0 || static_cast<size_t>(at) >= total || !ascending || !lines[k].second)
            VR_THROW(kSource, CLSError::kIndex);
    }
    // One pass: every old line moves once.
    std::vector<std::unique_ptr<CLSVorelDataItem>> merged(total);
    size_t old = 0;
    size_t put = 0;
    for (size_t i = 0; i < total; ++i) {
        if (put < lines.size() && static_cast<size_t>(lines[put].first) == i) {
            if (lines[put].second->isQuestion()) ++m_questionCount;
            merged[i] = std::move(lines[put].second);
            ++put;
        } else {
            merged[i] = std::move(m_lines[old++]);
        }
    }
    m_lines = std::move(merged);
    invalidateIndex();
    m_currentTitle = m_current ? titleOf(m_current) : nullptr;
    touch();
}

void CLSVorelDataFile::permuteLines(const std::vector<int>& places, const std::vector<int>& order) {
    size_t n = places.size();
    if (order.size() != n) VR_THROW(kSource, CLSError::kIndex);
    std::vector<char> seen(n, 0);
    for (size_t k = 0; k < n; ++k) {
        bool ascending = k == 0 || places[k] > places[k - 1];
        if (places[k] < 0 || places[k] >= getItemCount() || !ascending || order[k] < 0 ||
            static_cast<size_t>(order[k]) >= n || seen[order[k]])
            VR_THROW(kSource, CLSError::kIndex);
        seen[order[k]] = 1;
    }
    if (n == 0) return;
    std::vector<std::unique_ptr<CLSVorelDataItem>> moved(n);
    bool sameKinds = true;
    for (size_t k = 0; k < n; ++k) {
        moved[k] = std::move(m_lines[places[order[k]]]);
        sameKinds = sameKinds && moved[k]->kind() == moved[0]->kind();
    }
    for (size_t k = 0; k < n; ++k)
        m_lines[places[k]] = std::move(moved[k]);
    // Lines of one kind trading places leave every list of the index as it
    // was (a sort of a hundred thousand questions costs no rebuild); only
    // the lines learn their new places.
    if (sameKinds && m_index.isValid()) {
        for (int place : places)
            m_lines[place]->m_lineIndex = place;
    } else {
        invalidateIndex();
    }
    m_currentTitle = m_current ? titleOf(m_current) : nullptr;
    touch();
}

void CLSVorelDataFile::clearLines() {
    m_lines.clear();
    m_questionCount = 0;
    m_current = nullptr;
    m_currentTitle = nullptr;
    invalidateIndex();
}

// ---- current position ---------------------------------------------------------

void CLSVorelDataFile::setCurrentLine(int n) {
    CLSTraceScope trace("CLSVorelDataFile::setCurrentLine");
    moveCurrent(n, getLine(n));
}

void CLSVorelDataFile::setCurrentQuestion(int n) {
    CLSTraceScope trace("CLSVorelDataFile::setCurrentQuestion");
    moveCurrent(n, getQuestion(n));
}

void CLSVorelDataFile::moveCurrent(int n, CLSVorelDataItem* line) {
    m_currentNumber = n;
    m_current = line;
    m_currentTitle = line ? titleOf(line) : nullptr;
}

const CLSVorelDataQuestion& CLSVorelDataFile::currentQuestion() const {
    if (!m_current || !m_current->isQuestion()) VR_THROW(kSource, CLSError::kParameter);
    return m_current->question();
}

CLSVorelDataQuestion& CLSVorelDataFile::currentQuestion() {
    if (!m_current || !m_current->isQuestion()) VR_THROW(kSource, CLSError::kParameter);
    return m_current->question();
}

bool CLSVorelDataFile::getHistory(int fromNewest, CLSHistoryEntry& entry) const {
    const auto& history = currentQuestion().history();
    if (fromNewest < 0 || fromNewest >= static_cast<int>(history.size())) return false;
    entry = history[history.size() - 1 - fromNewest];
    return true;
}

CLSTString CLSVorelDataFile::getTitleText() const {
    return m_currentTitle ? m_currentTitle->title().text : CLSTString();
}

void CLSVorelDataFile::addHistory(int result) {
    addHistory(currentQuestion(), result);
}

void CLSVorelDataFile::addHistory(CLSVorelDataQuestion& question, int result) {
    // Answers are no edit: they can go into a newer copy of the file.
    m_modified = true;
    CLSLocalTime now = m_clock.localTime();
    CLSHistoryEntry e;
    e.result = result;
    e.year = static_cast<int16_t>(now.year);
    e.month = static_cast<int8_t>(now.month);
    e.day = static_cast<int8_t>(now.day);
    e.hour = static_cast<int16_t>(now.hour);
    e.minute = static_cast<int16_t>(now.minute);
    AppendHistoryEntry(question, e, m_settings.historySize());
    m_journal.appended(question, e);
}

void CLSVorelDataFile::setLastHistoryResult(int result) {
    setLastHistoryResult(currentQuestion(), result);
}

void CLSVorelDataFile::setLastHistoryResult(CLSVorelDataQuestion& question, int result) {
    auto& history = question.history();
    if (history.empty()) return;
    m_journal.corrected(question, history.back(), result);
    history.back().result = result;
    m_modified = true;
}

void CLSVorelDataFile::setMark(CLSVorelDataQuestion& question, int mark) {
    int on = mark ? 1 : 0;
    if (question.mark() == on) return;
    question.setMark(on);
    m_journal.marked(question, on);
    m_modified = true;
}

bool CLSVorelDataFile::editQuestionText(CLSVorelDataQuestion& question, CLSSentence text) {
    if (!question.setQuestion(std::move(text))) return false;
    touch();
    return true;
}

bool CLSVorelDataFile::editAnswer(CLSVorelDataQuestion& question, int index,
                                  const CLSSentence& answer) {
    if (!question.setAnswerSentence(index, answer)) return false;
    touch();
    return true;
}

bool CLSVorelDataFile::editComment(CLSVorelDataQuestion& question, CLSSentence comment) {
    if (!question.setComment(std::move(comment))) return false;
    touch();
    return true;
}

int CLSVorelDataFile::settingAtCurrent(int kind) const {
    const CLSVorelDataItem* line = lineOfKindBefore(kind, m_current);
    return line ? line->number().value : -1;
}

// ---- fonts ----------------------------------------------------------------------

CLSVorelFont CLSVorelDataFile::fontAt(int kind, const CLSVorelFont& base,
                                      const CLSVorelDataItem* line) const {
    CLSVorelFont f = base;
    const CLSVorelDataItem* fontLine = lineOfKindBefore(kind, line);
    if (!fontLine) return f;
    const CLSVorelDataFont& d = fontLine->font();
    if (d.size > 0) f.size = d.size;
    if (d.charset != -1) f.charSet = d.charset;
    if (!d.faceName.isEmpty()) f.name = d.faceName;
    return f;
}
