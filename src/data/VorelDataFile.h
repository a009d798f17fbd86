#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "data/AnswerJournal.h"
#include "data/DataFileVersion.h"
#include "data/LineIndex.h"
#include "data/VorelDataItem.h"
#include "data/VorelDataQuestion.h"
#include "settings/VorelFont.h"
#include "text/Clock.h"
#include "text/FileFingerprint.h"
#include "text/TString.h"
#include "text/TextEncoding.h"

class CLSVorelSettings;
class Prompter;
struct CLSDataFileBody;

/// How the document talks to the window that owns it.
class DocumentObserver {
  public:
    virtual ~DocumentObserver() = default;
    /// Asked before a file is loaded over the current document; false stops the load.
    virtual bool mayLoad() { return true; }
    /// Asked with the path after mayLoad, before the current document goes:
    /// false stops opening that file (loaded(false) follows).
    virtual bool mayOpen(const CLSTString& path) { return true; }
    /// After every load, whether it succeeded or not.
    virtual void loaded(bool ok) {}
    /// Before and after the lines are replaced by those of the file read
    /// again, which then receive the answers given here (a save found the
    /// file changed by another program). The path stays.
    virtual void reloading() { mayLoad(); }
    virtual void reloaded() { loaded(true); }
    /// The main window's caption ("path - Vorel for Windows").
    virtual void captionChanged(const CLSTString& caption) {}
    /// The "上書き保存" command: save the modified document before it is
    /// replaced. false when it was neither saved nor given up, so that it
    /// must stay.
    virtual bool requestSave() { return true; }
    /// The learner chose to save under another name because another program
    /// changed the file: the save dialog. false when it was cancelled.
    virtual bool saveUnderAnotherName() { return false; }
    /// The recent-file list changed (its menu is rebuilt).
    virtual void recentFilesChanged() {}
};

/// How a save ended.
enum class CLSSaveResult {
    kSaved,
    kFailed,     // the file could not be written (the learner was told)
    kDeclined,   // the learner chose not to write it, or it is open read-only
    kCancelled,  // no decision: the document must stay as it is
};

/// Facts the "データ情報" dialog shows.
struct CLSDataInfo {
    CLSTString path;
    int version = DataFileVersion::kCurrent;
    CLSTextEncoding encoding = CLSTextEncoding::kCp932;
    int lineCount = 1;  // the header line counts
    int titleCount = 0;
    int questionCount = 0;
    std::array<CLSTString, 10> groupNames;
    std::array<int, 10> groupQuestionCounts{};
};

/// The open data file: an ordered list of lines (titles, questions, setting
/// lines, comments), ten group names, a message, the version and a current
/// position. Positions are line pointers (nullptr = the end); they stay
/// valid while other lines are inserted or removed.
class CLSVorelDataFile {
  public:
    static constexpr int kGroupCount = 10;

    CLSVorelDataFile(CLSVorelSettings& settings, Prompter& prompter,
                     const Clock& clock = SystemClock());
    ~CLSVorelDataFile();
    CLSVorelDataFile(const CLSVorelDataFile&) = delete;
    CLSVorelDataFile& operator=(const CLSVorelDataFile&) = delete;

    void setObserver(DocumentObserver* observer) { m_observer = observer; }
    DocumentObserver* observer() const { return m_observer; }
    void setPrompter(Prompter& prompter) { m_prompter = &prompter; }
    Prompter& prompter() const { return *m_prompter; }
    /// The settings the document works with (not its own: screens change them).
    CLSVorelSettings& settings() const { return m_settings; }
    /// The clock the document dates its history with; the screens that work
    /// on the document pace themselves by it too.
    const Clock& clock() const { return m_clock; }

    // ---- lifecycle and files ----
    /// Empties the document; a modified one is saved first (or the learner
    /// asked). false, with nothing changed, when the save was not decided.
    bool newFile();
    /// false (with a message) when the file is missing, not a data file or of
    /// an unsupported version, or when the owner refuses; the document is
    /// then empty.
    bool loadFile(const CLSTString& path);
    /// Writes the document. Onto the file it was read from only while that
    /// file still holds what was read: when another program changed it the
    /// learner chooses to read it again with the answers given here applied,
    /// to save under another name or to overwrite it; a file gone meanwhile
    /// is written again after a question. kFailed after the code 6 message
    /// when the file cannot be written; the old file and the document's path
    /// stay as they were unless it was saved.
    CLSSaveResult save(const CLSTString& path);
    bool saveFile(const CLSTString& path) { return save(path) == CLSSaveResult::kSaved; }
    /// Whether the path names the file the document was read from (or last
    /// written to).
    bool isFileRead(const CLSTString& path) const;
    /// A read-only document is never written onto its own file.
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);
    /// false when the learner declines a downward conversion.
    bool setVersion(int version);
    /// The encoding the file is written in: Shift-JIS (CP932) unless the
    /// file was read as, or turned into, UTF-8.
    CLSTextEncoding encoding() const { return m_encoding; }
    /// Turns the document into a file of the other encoding, an edit like
    /// any other. Into UTF-8 only in the 3.0 layout, after asking when lines
    /// hold bytes that were not Shift-JIS (they become U+FFFD); into
    /// Shift-JIS only when it holds every character (else each is listed
    /// with its line). false when refused or declined.
    bool setEncoding(CLSTextEncoding encoding);
    /// Whether text typed or pasted into the document may go in: always in
    /// a UTF-8 file and where Shift-JIS holds it; otherwise the learner is
    /// asked whether to turn the file into UTF-8 (yes converts it, no
    /// refuses the text with the program's message). Asked each time.
    bool acceptsText(std::string_view text);
    /// The characters Shift-JIS cannot hold, by line ("12行目: é ɔ̃"), at
    /// most limit lines; empty when there are none.
    std::vector<std::string> textsShiftJisCannotHold(size_t limit) const;
    CLSDataInfo dataInfo() const;

    const CLSTString& getPath() const { return m_path; }
    bool isUntitled() const;
    /// Folder of the file (for relative media names); "" when untitled.
    CLSTString getFolder() const;
    bool isModified() const { return m_modified; }
    /// Marks an edit of the lines (anything but recorded answers and marks).
    void setModified() { touch(); }
    /// Whether lines were edited since the file was read or written; only
    /// recorded answers and marks can go into a newer copy of the file.
    bool isEdited() const { return m_edited; }
    int getVersion() const { return m_version; }
    /// "path - Vorel for Windows", or the application title alone when untitled.
    CLSTString caption() const;

    /// The name of a group, its digit when it has none; code 11 outside 0-9.
    CLSTString getGroupName(int index) const;
    /// Indexes outside 0-9 are ignored.
    void setGroupName(int index, const CLSTString& name);
    /// The name as stored ("" when unset); code 11 outside 0-9.
    const CLSTString& storedGroupName(int index) const;
    const CLSTString& getMessage() const { return m_message; }
    void setMessage(const CLSTString& message);

    // ---- lines ----
    int getItemCount() const { return static_cast<int>(m_lines.size()); }
    int getQuestionCount() const { return m_questionCount; }
    int getTitleCount() const;
    int countQuestionsInGroup(int group) const;
    /// Questions after the given line up to the next title line.
    int countQuestionsOfTitle(const CLSVorelDataItem* line) const;
    /// 0-based line index, -1 for the end or a foreign pointer.
    int getLineNumber(const CLSVorelDataItem* line) const;
    /// Number of questions before the line (the question count for the end).
    int getQuestionNumber(const CLSVorelDataItem* line) const;
    /// Number of title lines before the line (the title count for the end).
    int getTitleNumber(const CLSVorelDataItem* line) const;
    /// The n-th line, or nullptr outside the document.
    CLSVorelDataItem* getLine(int n) const;
    /// The n-th question, or nullptr outside 0 .. questionCount-1.
    CLSVorelDataItem* getQuestion(int n) const;
    /// The n-th title line; code 11 when there is none.
    CLSVorelDataItem* getTitle(int n) const;
    /// The next question line after the given one, or nullptr.
    CLSVorelDataItem* nextQuestion(const CLSVorelDataItem* line) const;
    /// Nearest title line at or before a line, or nullptr.
    CLSVorelDataItem* titleOf(const CLSVorelDataItem* line) const;

    /// Inserts before line lineIndex (at the end for itemCount); code 11 outside.
    CLSVorelDataItem* insertItem(int lineIndex, CLSVorelDataItem item);
    CLSVorelDataItem* appendItem(CLSVorelDataItem item) {
        return insertItem(getItemCount(), std::move(item));
    }
    CLSVorelDataItem* insertComment(int lineIndex, const CLSTString& text);
    /// Removes one line; an index outside the document is ignored.
    void erase(int lineIndex);
    /// Exchanges a line's item with the given one, keeping the line's place
    /// and pointer; code 11 outside the document.
    void swapItem(int lineIndex, CLSVorelDataItem& item);
    /// Exchanges lines i and i + 1 (the editor's move up and down); code 11
    /// when either is outside the document.
    void swapLines(int i);
    /// Takes the lines at the given indexes (ascending, in range) out of the
    /// document in one pass, for the editor's line commands and their undo.
    std::vector<std::unique_ptr<CLSVorelDataItem>> takeLines(const std::vector<int>& ascending);
    /// Puts lines in so that each stands at its given index afterwards
    /// (indexes ascending), in one pass; code 11 for an index that cannot be.
    void putLines(std::vector<std::pair<int, std::unique_ptr<CLSVorelDataItem>>> lines);
    /// Rearranges lines among their own places: afterwards line places[k]
    /// holds the line that stood at places[order[k]] (places ascending,
    /// order a permutation of 0 .. count - 1), in one pass with no copies;
    /// code 11 when they do not fit. Lines keep their objects, the current
    /// line included.
    void permuteLines(const std::vector<int>& places, const std::vector<int>& order);

    // ---- current position ----
    void setCurrentLine(int n);
    void setCurrentQuestion(int n);
    CLSVorelDataItem* current() const { return m_current; }
    CLSVorelDataItem* currentTitle() const { return m_currentTitle; }
    int currentNumber() const { return m_currentNumber; }
    /// The current line as a question; code 8 when it is not one.
    const CLSVorelDataQuestion& currentQuestion() const;
    CLSVorelDataQuestion& currentQuestion();
    /// History entry counted from the newest (0 = newest); false when there are fewer.
    bool getHistory(int fromNewest, CLSHistoryEntry& entry) const;
    CLSTString getTitleText() const;
    /// Records a result with the local date and time, keeping HistorySize entries.
    void addHistory(int result);
    void addHistory(CLSVorelDataQuestion& question, int result);
    /// Corrects the newest entry's result (nothing when there is none).
    void setLastHistoryResult(int result);
    void setLastHistoryResult(CLSVorelDataQuestion& question, int result);
    /// The learner's mark on a question (the study screen's check boxes).
    void setMark(CLSVorelDataQuestion& question, int mark);
    /// Rewrites a question's text, one of its answers or its comment from a
    /// screen other than the editor; an edit of the lines when it changed.
    bool editQuestionText(CLSVorelDataQuestion& question, CLSSentence text);
    bool editAnswer(CLSVorelDataQuestion& question, int index, const CLSSentence& answer);
    bool editComment(CLSVorelDataQuestion& question, CLSSentence comment);
    // Setting lines in force at the current line; -1 when none.
    int getTimeLimit() const { return settingAtCurrent(kLineTimeLimit); }
    /// Nearest line of a kind at or before a line, or nullptr.
    const CLSVorelDataItem* lineOfKindBefore(int kind, const CLSVorelDataItem* line) const;

    /// The font a role has at a line: base overridden by the nearest font
    /// line of that kind (QuestionFonts.h picks the base and the kind).
    CLSVorelFont fontAt(int kind, const CLSVorelFont& base, const CLSVorelDataItem* line) const;

  private:
    void touch() {
        m_modified = true;
        m_edited = true;
    }
    // DataFileSave.cpp
    CLSSaveResult writeTo(const CLSTString& path);
    int askAboutChange(const CLSTString& path);
    bool reloadAndApply();
    bool readWholeFile(const CLSTString& path, CLSDataFileBody& body, int& version,
                       CLSTextEncoding& encoding, CLSFileFingerprint& fingerprint);

    CLSVorelDataItem* insertOwned(int lineIndex, std::unique_ptr<CLSVorelDataItem> item);
    void ensureIndex() const;
    void invalidateIndex() { m_index.invalidate(); }
    int settingAtCurrent(int kind) const;
    void moveCurrent(int n, CLSVorelDataItem* line);
    void notifyCaption();
    void clearLines();

    CLSVorelSettings& m_settings;
    Prompter* m_prompter;
    const Clock& m_clock;
    DocumentObserver* m_observer = nullptr;

    std::vector<std::unique_ptr<CLSVorelDataItem>> m_lines;
    int m_version = DataFileVersion::kCurrent;
    CLSTextEncoding m_encoding = CLSTextEncoding::kCp932;
    int m_questionCount = 0;
    int m_currentNumber = 0;
    CLSVorelDataItem* m_current = nullptr;
    CLSVorelDataItem* m_currentTitle = nullptr;
    CLSTString m_path;
    std::array<CLSTString, kGroupCount> m_groupNames;
    CLSTString m_message;
    bool m_modified = false;
    bool m_edited = false;
    bool m_readOnly = false;
    // What the file held when it was read or last written, and the answers
    // given since.
    CLSFileFingerprint m_fingerprint;
    CLSAnswerJournal m_journal;
    CLSLineIndex m_index;
};

/// The path of a document never saved.
const char* UntitledPath();
