#include "data/VorelDataFile.h"

#include <algorithm>

#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/Paths.h"
#include "text/Prompter.h"

namespace {

const char* const kSource = "VRLFILE";

// Largest element of a sorted list that is <= value, as an index; -1 if none.
int lastAtOrBefore(const std::vector<int>& sorted, int value) {
    auto it = std::upper_bound(sorted.begin(), sorted.end(), value);
    return static_cast<int>(it - sorted.begin()) - 1;
}

}  // namespace

const char* UntitledPath() {
    return SJIS("新規.vrf");
}

CLSVorelDataFile::CLSVorelDataFile(CLSVorelSettings& settings, Prompter& prompter,
                                   const Clock& clock)
    : m_settings(settings), m_prompter(&prompter), m_clock(clock), m_path(UntitledPath()) {
    for (int role = 0; role < kFontRoleCount; ++role)
        m_fonts[role] = CLSVorelFont();
}

CLSVorelDataFile::~CLSVorelDataFile() = default;

bool CLSVorelDataFile::isUntitled() const {
    return m_path == UntitledPath();
}

CLSTString CLSVorelDataFile::getFolder() const {
    return isUntitled() ? CLSTString() : FolderOf(m_path);
}

CLSTString CLSVorelDataFile::caption() const {
    if (isUntitled()) return CLSTString(kAppTitle);
    return m_path + " - " + kAppTitle;
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
    m_modified = true;
}

void CLSVorelDataFile::setMessage(const CLSTString& message) {
    m_message = message;
    m_modified = true;
}

// ---- index -------------------------------------------------------------------

void CLSVorelDataFile::ensureIndex() const {
    if (m_indexValid) return;
    m_questionLines.clear();
    m_titleLines.clear();
    for (auto& list : m_kindLines)
        list.clear();
    for (int i = 0; i < static_cast<int>(m_lines.size()); ++i) {
        const CLSVorelDataItem& item = *m_lines[i];
        item.m_lineIndex = i;
        int kind = item.kind();
        if (kind == kLineQuestion) {
            m_questionLines.push_back(i);
        } else if (kind == kLineTitle) {
            m_titleLines.push_back(i);
        } else if (kind > 0 && kind < static_cast<int>(m_kindLines.size())) {
            m_kindLines[kind].push_back(i);
        }
    }
    m_indexValid = true;
}

int CLSVorelDataFile::getTitleCount() const {
    ensureIndex();
    return static_cast<int>(m_titleLines.size());
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
    return static_cast<int>(std::lower_bound(m_questionLines.begin(), m_questionLines.end(), i) -
                            m_questionLines.begin());
}

int CLSVorelDataFile::countQuestionsOfTitle(const CLSVorelDataItem* line) const {
    int i = getLineNumber(line);
    if (i < 0) return 0;
    auto nextTitle = std::upper_bound(m_titleLines.begin(), m_titleLines.end(), i);
    int end = nextTitle == m_titleLines.end() ? getItemCount() : *nextTitle;
    auto from = std::upper_bound(m_questionLines.begin(), m_questionLines.end(), i);
    auto to = std::lower_bound(m_questionLines.begin(), m_questionLines.end(), end);
    return static_cast<int>(to - from);
}

CLSVorelDataItem* CLSVorelDataFile::getLine(int n) const {
    if (n < 0 || n >= getItemCount()) return nullptr;
    return m_lines[n].get();
}

CLSVorelDataItem* CLSVorelDataFile::getQuestion(int n) const {
    if (n < 0 || n >= m_questionCount) return nullptr;
    ensureIndex();
    return m_lines[m_questionLines[n]].get();
}

CLSVorelDataItem* CLSVorelDataFile::getTitle(int n) const {
    ensureIndex();
    if (n < 0 || n >= static_cast<int>(m_titleLines.size())) VR_THROW(kSource, CLSError::kIndex);
    return m_lines[m_titleLines[n]].get();
}

CLSVorelDataItem* CLSVorelDataFile::nextQuestion(const CLSVorelDataItem* line) const {
    int i = getLineNumber(line);
    if (i < 0) return nullptr;
    auto it = std::upper_bound(m_questionLines.begin(), m_questionLines.end(), i);
    return it == m_questionLines.end() ? nullptr : m_lines[*it].get();
}

CLSVorelDataItem* CLSVorelDataFile::titleOf(const CLSVorelDataItem* line) const {
    int i = getLineNumber(line);
    if (i < 0) return nullptr;
    int t = lastAtOrBefore(m_titleLines, i);
    return t < 0 ? nullptr : m_lines[m_titleLines[t]].get();
}

const CLSVorelDataItem* CLSVorelDataFile::lineOfKindBefore(int kind,
                                                           const CLSVorelDataItem* line) const {
    int i = getLineNumber(line);
    if (i < 0 || kind <= 0 || kind >= static_cast<int>(m_kindLines.size())) return nullptr;
    const std::vector<int>& lines = kind == kLineTitle ? m_titleLines : m_kindLines[kind];
    int k = lastAtOrBefore(lines, i);
    return k < 0 ? nullptr : m_lines[lines[k]].get();
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
    if (lineIndex == getItemCount() && m_indexValid) {
        // Appending keeps the index valid: loading appends every line.
        int i = getItemCount();
        p->m_lineIndex = i;
        int kind = p->kind();
        if (kind == kLineQuestion) {
            m_questionLines.push_back(i);
        } else if (kind == kLineTitle) {
            m_titleLines.push_back(i);
        } else if (kind > 0 && kind < static_cast<int>(m_kindLines.size())) {
            m_kindLines[kind].push_back(i);
        }
        m_lines.push_back(std::move(owned));
    } else {
        m_lines.insert(m_lines.begin() + lineIndex, std::move(owned));
        invalidateIndex();
    }
    m_modified = true;
    return p;
}

CLSVorelDataItem* CLSVorelDataFile::insertTitle(int lineIndex, const CLSVorelDataTitle& title) {
    return insertItem(lineIndex, CLSVorelDataItem::makeTitle(title));
}

CLSVorelDataItem* CLSVorelDataFile::insertQuestion(int lineIndex,
                                                   const CLSVorelDataQuestion& question) {
    return insertItem(lineIndex, CLSVorelDataItem::makeQuestion(question));
}

CLSVorelDataItem* CLSVorelDataFile::insertComment(int lineIndex, const CLSTString& text) {
    return insertItem(lineIndex, CLSVorelDataItem::makeComment(text));
}

CLSVorelDataItem* CLSVorelDataFile::insertNumber(int lineIndex, int kind, int value,
                                                 const CLSTString& comment) {
    return insertItem(lineIndex, CLSVorelDataItem::makeNumber(kind, value, comment));
}

CLSVorelDataItem* CLSVorelDataFile::insertFont(int lineIndex, int kind,
                                               const CLSVorelDataFont& font) {
    return insertItem(lineIndex, CLSVorelDataItem::makeFont(kind, font));
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
    m_modified = true;
}

void CLSVorelDataFile::replaceItem(int lineIndex, CLSVorelDataItem item) {
    if (lineIndex < 0 || lineIndex >= getItemCount()) VR_THROW(kSource, CLSError::kIndex);
    if (item.kind() == kLineNone) VR_THROW(kSource, CLSError::kParameter);
    CLSVorelDataItem* p = m_lines[lineIndex].get();
    if (p->isQuestion()) --m_questionCount;
    if (item.isQuestion()) ++m_questionCount;
    // The line keeps its place (and pointer), so positions held elsewhere stay valid.
    *p = std::move(item);
    invalidateIndex();
    m_modified = true;
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
    createFontObjects();
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
    auto& history = question.history();
    int keep = m_settings.historySize();
    m_modified = true;
    if (keep <= 0) {
        history.clear();
        return;
    }
    if (static_cast<int>(history.size()) >= keep) {
        history.erase(history.begin(), history.end() - (keep - 1));
    }
    CLSLocalTime now = m_clock.localTime();
    CLSHistoryEntry e;
    e.result = result;
    e.year = static_cast<int16_t>(now.year);
    e.month = static_cast<int8_t>(now.month);
    e.day = static_cast<int8_t>(now.day);
    e.hour = static_cast<int16_t>(now.hour);
    e.minute = static_cast<int16_t>(now.minute);
    history.push_back(e);
}

void CLSVorelDataFile::setLastHistoryResult(int result) {
    setLastHistoryResult(currentQuestion(), result);
}

void CLSVorelDataFile::setLastHistoryResult(CLSVorelDataQuestion& question, int result) {
    auto& history = question.history();
    if (history.empty()) return;
    history.back().result = result;
    m_modified = true;
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

void CLSVorelDataFile::createFontObjects() {
    CLSTraceScope trace("CLSVorelDataFile::createFontObjects");
    static const int kinds[kFontRoleCount] = {kLineFontTitle, kLineFontQuestion, kLineFontHint,
                                              kLineFontAnswer, kLineFontComment};
    static const int skinItems[kFontRoleCount] = {CLSVorelSkin::kTitle, CLSVorelSkin::kQuestion,
                                                  CLSVorelSkin::kHint, CLSVorelSkin::kAnswer,
                                                  CLSVorelSkin::kComment};
    bool useDataFonts = (m_settings.useData() & 4) != 0;
    for (int role = 0; role < kFontRoleCount; ++role) {
        const CLSVorelFont& base = m_settings.skin().item(skinItems[role]);
        m_fonts[role] = useDataFonts ? fontAt(kinds[role], base, m_current) : base;
    }
}

void CLSVorelDataFile::deleteFontObjects() {
    CLSTraceScope trace("CLSVorelDataFile::deleteFontObjects");
}

const CLSVorelFont& CLSVorelDataFile::font(int role) const {
    if (role < 0 || role >= kFontRoleCount) VR_THROW(kSource, CLSError::kIndex);
    return m_fonts[role];
}
