#pragma once

#include <climits>
#include <string>
#include <utility>

#include "settings/AnswerMode.h"
#include "settings/ReviewOptions.h"
#include "settings/SettingsKeys.h"
#include "settings/VagueTable.h"
#include "settings/VorelFont.h"
#include "settings/VorelSkin.h"
#include "text/Colour.h"
#include "text/TString.h"

class CLSFileWriteString;
class CLSIniCompanion;
class CLSIniFile;

/// Where and how big a window is shown; left and top hold
/// kDefaultPosition until the window has been placed once.
struct CLSWindowPlace {
    static constexpr int kDefaultPosition = INT_MIN;

    int left = kDefaultPosition;
    int top = kDefaultPosition;
    int width = 0;
    int height = 0;
    bool maximized = false;

    bool hasDefaultPosition() const { return left == kDefaultPosition; }
    bool operator==(const CLSWindowPlace&) const = default;
};

/// All settings of the program: built with the defaults, read from and
/// written to the settings file, and holding the recent-file list, the
/// design, the print fonts and the vague-match table. One object per
/// program run (or per test); it is passed to whoever needs it.
class CLSVorelSettings {
  public:
    // Bits of the option flag word (flag / setFlag).
    enum OptionFlag {
        kToolBar = 1,
        kStatusBar = 2,
        kGroup = 4,
        kToolHint = 8,
        kInfoPane = 16,
        kSound = 32,
        kSaveExamLog = 64,
        kLoadLastFile = 128,
        kNoAlready = 256,
        kRetry = 512,
        kRetryRandom = 1024,
        kExamLogSort = 2048,
        kAnsDlgNoClickWrong = 4096,
        kShowDetail = 8192,
        kChoiceCenter = 16384,
        kExportHints = 32768,  // our own: the export writes the hints column too
    };
    // Bits of the print flag word (printFlag / setPrintFlag).
    enum PrintFlag {
        kPrintTitle = 1,
        kPrintTitleNum = 2,
        kPrintQuestion = 4,
        kPrintQuestionNum = 8,
        kPrintAnswer = 16,
        kPrintAnswerNum = 32,
        kPrintPageNumber = 64,  // our own: "n / N" at the foot of every page
        kPrintTestSheet = 128,  // our own: the answer column is left blank
    };
    enum Window { kMainWindow, kListWindow, kPreviewWindow };
    enum SoundSlot { kSoundExam, kSoundRight, kSoundWrong, kSoundResult, kSoundSlotCount };
    enum PrintFontIndex {
        kPrintFontTitle,
        kPrintFontQuestion,
        kPrintFontAnswer,
        kPrintFontTitleNumber,
        kPrintFontQuestionNumber,
        kPrintFontAnswerNumber,
        kPrintFontCount
    };
    static constexpr int kMaxRecentFiles = 10;

    /// Every default.
    CLSVorelSettings();

    /// Reads a settings file, and then its companion, over the current
    /// values; keys that are absent keep theirs. A missing or unreadable
    /// file changes nothing; false then.
    bool loadSettings(const CLSTString& path);
    /// Applies parsed settings ([Window], [Recent], [Options], [Design],
    /// [Fonts], [Print] in that order).
    void applySettings(const CLSIniFile& ini);
    /// Writes the settings file and its companion (Utf8CompanionPath) through
    /// temporary files; false (the old files untouched, nothing reported)
    /// when they cannot be written.
    bool saveSettings(const CLSTString& path) const;
    /// Writes the settings text to an open file; the values a Shift-JIS file
    /// cannot hold go to companion instead. Throws CLSError code 6.
    void writeSettings(CLSFileWriteString& file, CLSIniCompanion& companion) const;

    // ---- flags ------------------------------------------------------------
    bool flag(int bit) const { return (m_flagWords[VorelSettingKeys::kOptionFlags] & bit) != 0; }
    void setFlag(int bit, bool on) { setBit(VorelSettingKeys::kOptionFlags, bit, on); }
    int flags() const { return m_flagWords[VorelSettingKeys::kOptionFlags]; }
    bool printFlag(int bit) const {
        return (m_flagWords[VorelSettingKeys::kPrintFlags] & bit) != 0;
    }
    void setPrintFlag(int bit, bool on) { setBit(VorelSettingKeys::kPrintFlags, bit, on); }
    int printFlags() const { return m_flagWords[VorelSettingKeys::kPrintFlags]; }

    bool toolBar() const { return flag(kToolBar); }
    bool statusBar() const { return flag(kStatusBar); }
    bool group() const { return flag(kGroup); }
    bool toolHint() const { return flag(kToolHint); }
    bool infoPane() const { return flag(kInfoPane); }
    bool sound() const { return flag(kSound); }
    bool saveExamLog() const { return flag(kSaveExamLog); }
    bool loadLastFile() const { return flag(kLoadLastFile); }
    bool noAlready() const { return flag(kNoAlready); }
    bool retry() const { return flag(kRetry); }
    bool retryRandom() const { return flag(kRetryRandom); }
    bool examLogSort() const { return flag(kExamLogSort); }
    bool ansDlgNoClickWrong() const { return flag(kAnsDlgNoClickWrong); }
    bool showDetail() const { return flag(kShowDetail); }
    bool choiceCenter() const { return flag(kChoiceCenter); }
    bool printTitle() const { return printFlag(kPrintTitle); }
    bool printTitleNum() const { return printFlag(kPrintTitleNum); }
    bool printQuestion() const { return printFlag(kPrintQuestion); }
    bool printQuestionNum() const { return printFlag(kPrintQuestionNum); }
    bool printAnswer() const { return printFlag(kPrintAnswer); }
    bool printAnswerNum() const { return printFlag(kPrintAnswerNum); }
    bool printPageNumber() const { return printFlag(kPrintPageNumber); }
    bool printTestSheet() const { return printFlag(kPrintTestSheet); }

    /// The process-wide debug mode of the trace (DEBUG.LOG).
    bool debugMode() const;
    void setDebugMode(bool on);

    // ---- windows ----------------------------------------------------------
    /// Throws CLSError code 11 for an unknown window.
    CLSWindowPlace windowPlace(int window) const;
    void setWindowPlace(int window, const CLSWindowPlace& place);

    // ---- integers, by slot and by name --------------------------------------
    int intSetting(int slot) const;
    /// Applies the slot's range rule, as reading the file does.
    void setIntSetting(int slot, int value);

    int infoPaneWidth() const { return m_ints[VorelSettingKeys::kInfoPaneWidth]; }
    int hintsWindowWidth() const { return m_ints[VorelSettingKeys::kHintsWindowWidth]; }
    int listAnswerTop() const { return m_ints[VorelSettingKeys::kListAnswerTop]; }
    int listCommentTop() const { return m_ints[VorelSettingKeys::kListCommentTop]; }
    int editListWidth() const { return m_ints[VorelSettingKeys::kEditListWidth]; }
    int editAnswerTop() const { return m_ints[VorelSettingKeys::kEditAnswerTop]; }
    int editHistoryTop() const { return m_ints[VorelSettingKeys::kEditHistoryTop]; }
    int editHintHeight() const { return m_ints[VorelSettingKeys::kEditHintHeight]; }
    int editMessageHeight() const { return m_ints[VorelSettingKeys::kEditMessageHeight]; }
    /// A pane's stored size (kEditListWidth, kEditHintHeight, ...), or its
    /// default when the stored one is below the pane's own layout minimum:
    /// such a size never came from a pane the learner saw.
    int paneSize(int slot, int minimum) const;
    int recentFileMax() const { return m_ints[VorelSettingKeys::kRecentFileMax]; }
    int compareMode() const { return m_ints[VorelSettingKeys::kCompareMode]; }
    int useData() const { return m_ints[VorelSettingKeys::kUseData]; }
    /// UseData: the data file's time and input settings, comparison options and fonts win.
    bool useDataQuestionSettings() const { return (useData() & 1) != 0; }
    bool useDataComparison() const { return (useData() & 2) != 0; }
    bool useDataDesign() const { return (useData() & 4) != 0; }
    int defaultChoicesCount() const { return m_ints[VorelSettingKeys::kDefaultChoicesCount]; }
    int maxChoicesOfLine() const { return m_ints[VorelSettingKeys::kMaxChoicesOfLine]; }
    int inputFieldHeight() const { return m_ints[VorelSettingKeys::kInputFieldHeight]; }
    int choicesHeight() const { return m_ints[VorelSettingKeys::kChoicesHeight]; }
    int choicesAlign() const { return m_ints[VorelSettingKeys::kChoicesAlign]; }
    /// ChoicesAlign: as many choices per line as fit; buttons as tall as their text.
    bool autoChoicesPerLine() const { return (choicesAlign() & 1) != 0; }
    bool autoChoiceHeight() const { return (choicesAlign() & 2) != 0; }
    int choiceFrom() const { return m_ints[VorelSettingKeys::kChoiceFrom]; }
    /// ChoiceFrom: wrong choices come from the question's title section, its group.
    bool choicesFromTitle() const { return (choiceFrom() & 1) != 0; }
    bool choicesFromGroup() const { return (choiceFrom() & 2) != 0; }
    int searchFrom() const { return m_ints[VorelSettingKeys::kSearchFrom]; }
    /// The stored number read as a mode; 4 (stored by some files) reads as normal.
    AnswerMode answerMode() const;
    int answerView() const { return m_ints[VorelSettingKeys::kAnswerView]; }
    /// AnswerView: the answer dialog shows the comment, the other answers.
    bool showAnswerComment() const { return (answerView() & 1) != 0; }
    bool showOtherAnswers() const { return (answerView() & 2) != 0; }
    int initialExamCount() const { return m_ints[VorelSettingKeys::kInitialExamCount]; }
    int weakPointStrength() const { return m_ints[VorelSettingKeys::kWeakPointStrength]; }
    int lineInterval() const { return m_ints[VorelSettingKeys::kLineInterval]; }
    int timeLimit() const { return m_ints[VorelSettingKeys::kTimeLimit]; }
    int questionShowTime() const { return m_ints[VorelSettingKeys::kQuestionShowTime]; }
    int answerStartTime() const { return m_ints[VorelSettingKeys::kAnswerStartTime]; }
    int ansDlgAutoClickTime() const { return m_ints[VorelSettingKeys::kAnsDlgAutoClickTime]; }
    int ansDlgClickButtonType() const { return m_ints[VorelSettingKeys::kAnsDlgClickButtonType]; }
    int baseWidthWndAnswer() const { return m_ints[VorelSettingKeys::kBaseWidthWndAnswer]; }
    int baseHeightWndAnswer() const { return m_ints[VorelSettingKeys::kBaseHeightWndAnswer]; }
    int examLogSize() const { return m_ints[VorelSettingKeys::kExamLogSize]; }
    int historySize() const { return m_ints[VorelSettingKeys::kHistorySize]; }
    int widthRateOfQuestion() const { return m_ints[VorelSettingKeys::kWidthRateOfQuestion]; }
    int lineMargin() const { return m_ints[VorelSettingKeys::kLineMargin]; }
    int fontSizeRate() const { return m_ints[VorelSettingKeys::kFontSizeRate]; }
    int lineStyleOfQT() const { return m_ints[VorelSettingKeys::kLineStyleOfQT]; }
    int lineStyleOfQQ() const { return m_ints[VorelSettingKeys::kLineStyleOfQQ]; }
    int lineStyleOfQA() const { return m_ints[VorelSettingKeys::kLineStyleOfQA]; }
    Colour lineColorOfQT() const { return m_ints[VorelSettingKeys::kLineColorOfQT]; }
    Colour lineColorOfQQ() const { return m_ints[VorelSettingKeys::kLineColorOfQQ]; }
    Colour lineColorOfQA() const { return m_ints[VorelSettingKeys::kLineColorOfQA]; }

    void setInfoPaneWidth(int v) { setIntSetting(VorelSettingKeys::kInfoPaneWidth, v); }
    void setHintsWindowWidth(int v) { setIntSetting(VorelSettingKeys::kHintsWindowWidth, v); }
    void setListAnswerTop(int v) { setIntSetting(VorelSettingKeys::kListAnswerTop, v); }
    void setListCommentTop(int v) { setIntSetting(VorelSettingKeys::kListCommentTop, v); }
    void setEditListWidth(int v) { setIntSetting(VorelSettingKeys::kEditListWidth, v); }
    void setEditAnswerTop(int v) { setIntSetting(VorelSettingKeys::kEditAnswerTop, v); }
    void setEditHistoryTop(int v) { setIntSetting(VorelSettingKeys::kEditHistoryTop, v); }
    void setEditHintHeight(int v) { setIntSetting(VorelSettingKeys::kEditHintHeight, v); }
    void setEditMessageHeight(int v) { setIntSetting(VorelSettingKeys::kEditMessageHeight, v); }
    /// Kept within 1-10; entries beyond the new capacity are dropped.
    void setRecentFileMax(int v);
    void setCompareMode(int v) { setIntSetting(VorelSettingKeys::kCompareMode, v); }
    void setUseData(int v) { setIntSetting(VorelSettingKeys::kUseData, v); }
    void setDefaultChoicesCount(int v) { setIntSetting(VorelSettingKeys::kDefaultChoicesCount, v); }
    void setMaxChoicesOfLine(int v) { setIntSetting(VorelSettingKeys::kMaxChoicesOfLine, v); }
    void setInputFieldHeight(int v) { setIntSetting(VorelSettingKeys::kInputFieldHeight, v); }
    void setChoicesHeight(int v) { setIntSetting(VorelSettingKeys::kChoicesHeight, v); }
    void setChoicesAlign(int v) { setIntSetting(VorelSettingKeys::kChoicesAlign, v); }
    void setChoiceFrom(int v) { setIntSetting(VorelSettingKeys::kChoiceFrom, v); }
    void setSearchFrom(int v) { setIntSetting(VorelSettingKeys::kSearchFrom, v); }
    void setAnswerMode(AnswerMode mode) {
        setIntSetting(VorelSettingKeys::kAnswerMode, static_cast<int>(mode));
    }
    void setAnswerView(int v) { setIntSetting(VorelSettingKeys::kAnswerView, v); }
    /// Outside 1-32767 becomes 10.
    void setInitialExamCount(int v) { setIntSetting(VorelSettingKeys::kInitialExamCount, v); }
    /// Outside 0-10 becomes 8.
    void setWeakPointStrength(int v) { setIntSetting(VorelSettingKeys::kWeakPointStrength, v); }
    void setLineInterval(int v) { setIntSetting(VorelSettingKeys::kLineInterval, v); }
    void setTimeLimit(int v) { setIntSetting(VorelSettingKeys::kTimeLimit, v); }
    void setQuestionShowTime(int v) { setIntSetting(VorelSettingKeys::kQuestionShowTime, v); }
    void setAnswerStartTime(int v) { setIntSetting(VorelSettingKeys::kAnswerStartTime, v); }
    void setAnsDlgAutoClickTime(int v) { setIntSetting(VorelSettingKeys::kAnsDlgAutoClickTime, v); }
    void setAnsDlgClickButtonType(int v) {
        setIntSetting(VorelSettingKeys::kAnsDlgClickButtonType, v);
    }
    void setBaseWidthWndAnswer(int v) { setIntSetting(VorelSettingKeys::kBaseWidthWndAnswer, v); }
    void setBaseHeightWndAnswer(int v) { setIntSetting(VorelSettingKeys::kBaseHeightWndAnswer, v); }
    /// A negative size becomes 1000.
    void setExamLogSize(int v) { setIntSetting(VorelSettingKeys::kExamLogSize, v); }
    /// A negative count becomes 5.
    void setHistorySize(int v) { setIntSetting(VorelSettingKeys::kHistorySize, v); }
    /// Outside 0-100 becomes 50.
    void setWidthRateOfQuestion(int v) { setIntSetting(VorelSettingKeys::kWidthRateOfQuestion, v); }
    /// Outside 0-100000 becomes 50.
    void setLineMargin(int v) { setIntSetting(VorelSettingKeys::kLineMargin, v); }
    void setFontSizeRate(int v) { setIntSetting(VorelSettingKeys::kFontSizeRate, v); }
    void setLineStyleOfQT(int v) { setIntSetting(VorelSettingKeys::kLineStyleOfQT, v); }
    void setLineStyleOfQQ(int v) { setIntSetting(VorelSettingKeys::kLineStyleOfQQ, v); }
    void setLineStyleOfQA(int v) { setIntSetting(VorelSettingKeys::kLineStyleOfQA, v); }
    void setLineColorOfQT(Colour c) { setIntSetting(VorelSettingKeys::kLineColorOfQT, c); }
    void setLineColorOfQQ(Colour c) { setIntSetting(VorelSettingKeys::kLineColorOfQQ, c); }
    void setLineColorOfQA(Colour c) { setIntSetting(VorelSettingKeys::kLineColorOfQA, c); }

    // ---- texts ------------------------------------------------------------
    /// Throws CLSError code 11 for an unknown slot.
    void setTextSetting(int slot, const CLSTString& text);

    /// The exam history file; the default is the bare name, which start-up
    /// replaces with DefaultExamLogPath() before reading the settings file.
    const CLSTString& examLogName() const { return m_texts[VorelSettingKeys::kExamLogName]; }
    void setExamLogName(const CLSTString& s) { setTextSetting(VorelSettingKeys::kExamLogName, s); }
    const CLSTString& titleNumberFormat() const;
    const CLSTString& questionNumberFormat() const;
    const CLSTString& answerNumberFormat() const;
    void setTitleNumberFormat(const CLSTString& s);
    void setQuestionNumberFormat(const CLSTString& s);
    void setAnswerNumberFormat(const CLSTString& s);

    // ---- sounds -----------------------------------------------------------
    /// The file of a sound slot (0 exam, 1 right, 2 wrong, 3 result); code 11 outside.
    const CLSTString& soundName(int slot) const;
    void setSoundName(int slot, const CLSTString& fileName);
    const CLSTString& soundExamName() const { return soundName(kSoundExam); }
    const CLSTString& soundRightName() const { return soundName(kSoundRight); }
    const CLSTString& soundWrongName() const { return soundName(kSoundWrong); }
    const CLSTString& soundResultName() const { return soundName(kSoundResult); }

    // ---- column widths ----------------------------------------------------
    /// 0 for an index outside the list (3, 8 or 5 entries).
    int editListColumnWidth(int index) const;
    int examListColumnWidth(int index) const;
    int detailsListColumnWidth(int index) const;
    /// An index outside the list changes nothing.
    void setEditListColumnWidth(int index, int width);
    void setExamListColumnWidth(int index, int width);
    void setDetailsListColumnWidth(int index, int width);

    // ---- recent files -----------------------------------------------------
    /// Puts path first, dropping equal entries (without regard to case) and
    /// the oldest entry when the list is full.
    void addRecentFile(const CLSTString& path);
    void clearRecentFiles() { m_recentFiles.clear(); }
    int recentFileCount() const { return m_recentFiles.count(); }
    /// Throws CLSError code 11 for an index outside the list.
    const CLSTString& recentFile(int index) const { return m_recentFiles.at(index); }
    /// The menu text of entry index (0-based): its 1-based number with "&"
    /// before the last digit, a blank and the path with "&" doubled ("&1 a.vrf",
    /// "1&0 j.vrf"). Throws CLSError code 11 for an index outside the list.
    CLSTString recentFileMenuText(int index) const;

    // ---- fonts, design, vague-match table ----------------------------------
    /// Throws CLSError code 11 for an index outside 0-5.
    const CLSVorelFont& printFont(int index) const;
    void setPrintFont(int index, const CLSVorelFont& font);
    CLSVorelSkin& skin() { return m_skin; }
    const CLSVorelSkin& skin() const { return m_skin; }
    /// The [Review] settings.
    /// "表示言語": "" (automatic: by the locale), "ja", "en", ... Kept as
    /// Language in [Options] only when chosen; applies at the next start.
    const std::string& language() const { return m_language; }
    void setLanguage(std::string code) { m_language = std::move(code); }
    /// The Language of [Options] in a settings file; "" when it chose none.
    static std::string languageIn(const CLSIniFile& ini);
    CLSReviewOptions& review() { return m_review; }
    const CLSReviewOptions& review() const { return m_review; }
    CLSVagueTable& vagueTable() { return m_vague; }
    const CLSVagueTable& vagueTable() const { return m_vague; }
    /// Adds the pairs of a vague-match file to the table (see
    /// CLSVagueTable::load); throws CLSError code 10 when out of memory.
    bool loadVagueFile(const CLSTString& path);
    /// Writes the vague-match file; false when it cannot be written.
    bool saveVagueFile(const CLSTString& path) const;

  private:
    void setBit(int word, int bit, bool on);
    void readRecent(const CLSIniFile& ini);
    void readFonts(const CLSIniFile& ini);
    void readSection(const CLSIniFile& ini, const char* section);
    void readPrintFonts(const CLSIniFile& ini);
    void writePrintFonts(CLSFileWriteString& file, CLSIniCompanion& companion) const;
    void writeSectionKeys(CLSFileWriteString& file, CLSIniCompanion& companion,
                          const char* section) const;
    int listLength(int list) const { return VorelSettingKeys::kListLengths[list]; }
    int listValue(int list, int index) const;
    void setListValue(int list, int index, int value);

    int m_ints[VorelSettingKeys::kIntSlotCount];
    CLSTString m_texts[VorelSettingKeys::kTextSlotCount];
    int m_lists[VorelSettingKeys::kListSlotCount][VorelSettingKeys::kMaxListLength];
    int m_flagWords[VorelSettingKeys::kFlagWordCount];
    CLSTStringArray m_recentFiles;
    CLSVorelFont m_printFonts[kPrintFontCount];
    CLSVorelSkin m_skin;
    CLSReviewOptions m_review;
    std::string m_language;
    CLSVagueTable m_vague;
};
