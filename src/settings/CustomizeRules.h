#pragma once

#include <string>
#include <utility>
#include <vector>

#include "settings/VorelSettings.h"
#include "settings/VorelSkin.h"
#include "text/Colour.h"
#include "text/TString.h"

/// The ranges the study settings take: times and the line spacing, and the
/// heights (in lines) of the answer field and the choice buttons.
constexpr int kSettingNumberMax = 32767;
constexpr int kSettingHeightMin = 1;
constexpr int kSettingHeightMax = 100;
/// The program's warning for a value out of its range (CP932): the subject
/// with its range, "行間は 0 ～ 32767", + " の間で指定してください。".
CLSTString RangeWarning(const char* subjectUtf8);

// The pages of the customisation sheet as plain values. Each page is read
// from the settings when the sheet opens, shows defaults() on "リセット",
// is judged by refusal() when the sheet is confirmed and, only when every
// page is acceptable, written back by store(). A page stores only what it
// shows: the other bits of a shared setting (UseData, CompareMode) stay.

/// The page "一般": start-up, the exam history and debug mode.
struct CLSGeneralPage {
    bool loadLastFile = false;
    bool saveExamLog = false;
    CLSTString examLogName;
    int examLogSize = 0;
    int historySize = 0;
    bool debugMode = false;
    std::string language;  // "" automatic, else a code of AvailableLanguages()

    static CLSGeneralPage from(const CLSVorelSettings& settings);
    /// The defaults; debug mode is off.
    static CLSGeneralPage defaults();
    /// The CP932 warning that keeps the sheet open, or "" when the page can be stored.
    CLSTString refusal() const;
    void store(CLSVorelSettings& settings) const;
};

/// The page "効果音": the sound switch and a working copy of the four file names.
struct CLSSoundPage {
    bool sound = false;
    CLSTString names[CLSVorelSettings::kSoundSlotCount];

    static CLSSoundPage from(const CLSVorelSettings& settings);
    static CLSSoundPage defaults();
    CLSTString refusal() const { return CLSTString(); }
    void store(CLSVorelSettings& settings) const;
};

/// The page "文字列比較": whether the data file's options win, and the
/// comparison options (bits 1, 2, 4, 8, 16 of CompareMode).
struct CLSComparisonPage {
    static constexpr int kOptionBits[5] = {1, 2, 4, 8, 16};

    bool useData = false;
    int compareMode = 0;

    static CLSComparisonPage from(const CLSVorelSettings& settings);
    static CLSComparisonPage defaults();
    CLSTString refusal() const { return CLSTString(); }
    void store(CLSVorelSettings& settings) const;
};

/// The page "問題": choices, input heights, times and line spacing.
struct CLSQuestionPage {
    bool useData = false;
    int defaultChoicesCount = 0;
    int maxChoicesOfLine = 0;
    bool autoChoicesPerLine = false;
    int choicesHeight = 0;
    bool autoChoiceHeight = false;
    int inputFieldHeight = 0;
    bool choicesFromTitle = false;
    bool choicesFromGroup = false;
    bool choiceCenter = false;
    int timeLimit = 0;
    int questionShowTime = 0;
    int answerStartTime = 0;
    int lineInterval = 0;

    static CLSQuestionPage from(const CLSVorelSettings& settings);
    static CLSQuestionPage defaults();
    /// The first failing group decides the warning: line spacing, a time,
    /// a height, a count.
    CLSTString refusal() const;
    void store(CLSVorelSettings& settings) const;
};

/// The page "答え": the answer dialog's size, automatic click and contents.
struct CLSAnswerPage {
    int baseWidth = 0;
    int baseHeight = 0;
    int autoClickTime = 0;
    bool noClickWrong = false;
    int clickButtonType = 0;  // 0 right, 1 wrong, 2 skip
    bool showComment = false;
    bool showOtherAnswers = false;

    static CLSAnswerPage from(const CLSVorelSettings& settings);
    static CLSAnswerPage defaults();
    /// The automatic click time is judged first, then the width, then the height.
    CLSTString refusal() const;
    void store(CLSVorelSettings& settings) const;
};

/// The page "復習": the review schedule's settings. The desired retention
/// is edited as a whole percentage (70-99); the fitted parameters are kept
/// while the page is open even when the learner goes back to the defaults,
/// so that choosing them again needs no new fit.
struct CLSReviewPage {
    int retentionPercent = 90;
    int newPerDay = 20;
    int reviewsPerDay = 200;
    int maximumInterval = 36500;
    std::string learningSteps;
    std::string relearningSteps;
    int dayStart = 4;
    bool hardAfterHint = true;
    int easyTime = 0;
    bool fourButtons = false;
    bool useFitted = false;
    std::string fittedParameters;  // the 21 numbers, "" when never fitted

    static CLSReviewPage from(const CLSVorelSettings& settings);
    static CLSReviewPage defaults();
    /// Judged in the order of the page's fields; a step list that cannot be
    /// read is refused with the reason.
    CLSTString refusal() const;
    void store(CLSVorelSettings& settings) const;
};

/// The page "デザイン": whether the data file's fonts win, and a working
/// copy of the design. Of the copy, the study screen's colours, the title,
/// question, hint, answer and comment items and the choice colours are
/// stored; the information pane's item is not shown and not stored.
struct CLSDesignPage {
    bool useData = false;
    CLSVorelSkin design;

    static CLSDesignPage from(const CLSVorelSettings& settings);
    static CLSDesignPage defaults();
    CLSTString refusal() const { return CLSTString(); }
    void store(CLSVorelSettings& settings) const;
};

/// The entries of the design page's list, in list order.
enum DesignEntry {
    kEntryStudyForm,  // the study screen's text and background
    kEntryTitle,
    kEntryQuestion,
    kEntryHint,
    kEntryAnswer,
    kEntryComment,
    kEntryActive,  // the chosen choice button
    kEntryHover,   // the choice button under the mouse
    kDesignEntryCount
};
/// The list text of an entry (CP932); "" outside the list.
const char* DesignEntryName(int entry);
/// The design item an entry edits (title ... comment), or nullptr for the
/// entries that are colours only.
CLSVorelSkinItem* DesignEntryItem(CLSVorelSkin& design, int entry);
const CLSVorelSkinItem* DesignEntryItem(const CLSVorelSkin& design, int entry);
/// An entry's text and background colour (of its item, or of the design's
/// colour pairs); black on white outside the list.
Colour DesignEntryTextColour(const CLSVorelSkin& design, int entry);
Colour DesignEntryBackColour(const CLSVorelSkin& design, int entry);
void SetDesignEntryTextColour(CLSVorelSkin& design, int entry, Colour colour);
void SetDesignEntryBackColour(CLSVorelSkin& design, int entry, Colour colour);

/// The vague-match dialog's list: the table's pairs as lines that can be
/// added, deleted and reset before they replace the table.
class CLSVagueList {
  public:
    using Pair = std::pair<CLSTString, CLSTString>;  // key, replacement

    static CLSVagueList fromTable(const CLSVagueTable& table);
    /// The built-in table ("リセット").
    static CLSVagueList builtIn();

    /// Adds a pair as entered: the longer text becomes the key (equal
    /// lengths keep the order given). A line whose key equals the new key
    /// (without regard to case) takes the new replacement instead, as the
    /// table can hold only one of them. Returns the line's index, or -1 when
    /// both texts are empty (VagueEmptyPairMessage is the refusal).
    int add(const CLSTString& text1, const CLSTString& text2);
    /// Deletes the lines of the given indexes (any order; indexes outside
    /// the list are ignored).
    void remove(std::vector<int> rows);
    /// Empties the table and adds every line in list order.
    void storeInto(CLSVagueTable& table) const;

    const std::vector<Pair>& pairs() const { return m_pairs; }
    int count() const { return static_cast<int>(m_pairs.size()); }

  private:
    std::vector<Pair> m_pairs;
};
