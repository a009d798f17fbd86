#pragma once

// The stored settings of CLSVorelSettings: slot numbers and the table of
// file keys with their sections, kinds, defaults and written order.

namespace VorelSettingKeys {

/// Integer and colour settings.
enum IntSlot {
    // [Window]
    kLeft,
    kTop,
    kWidth,
    kHeight,
    kListLeft,
    kListTop,
    kListWidth,
    kListHeight,
    kPreviewLeft,
    kPreviewTop,
    kPreviewWidth,
    kPreviewHeight,
    kInfoPaneWidth,
    kHintsWindowWidth,
    kListAnswerTop,
    kListCommentTop,
    kEditListWidth,
    kEditAnswerTop,
    kEditHistoryTop,
    kEditHintHeight,
    kEditMessageHeight,
    // [Recent]
    kRecentFileMax,
    // [Options]
    kCompareMode,
    kUseData,
    kDefaultChoicesCount,
    kMaxChoicesOfLine,
    kInputFieldHeight,
    kChoicesHeight,
    kChoicesAlign,
    kChoiceFrom,
    kSearchFrom,
    kAnswerMode,
    kAnswerView,
    kInitialExamCount,
    kWeakPointStrength,
    kLineInterval,
    kTimeLimit,
    kQuestionShowTime,
    kAnswerStartTime,
    kAnsDlgAutoClickTime,
    kAnsDlgClickButtonType,
    kBaseWidthWndAnswer,
    kBaseHeightWndAnswer,
    kExamLogSize,
    kHistorySize,
    // [Print]
    kWidthRateOfQuestion,
    kLineMargin,
    kFontSizeRate,
    kLineStyleOfQT,
    kLineStyleOfQQ,
    kLineStyleOfQA,
    kLineColorOfQT,
    kLineColorOfQQ,
    kLineColorOfQA,
    kIntSlotCount
};

/// Text settings.
enum TextSlot {
    kSoundExamName,
    kSoundRightName,
    kSoundWrongName,
    kSoundResultName,
    kExamLogName,
    kTitleNumberFormat,
    kQuestionNumberFormat,
    kAnswerNumberFormat,
    kTextSlotCount
};

/// Lists of column widths.
enum ListSlot {
    kEditListColumnWidth,
    kExamListColumnWidth,
    kDetailsListColumnWidth,
    kListSlotCount
};
inline constexpr int kListLengths[kListSlotCount] = {3, 8, 5};
inline constexpr int kMaxListLength = 8;

/// The words that hold the on/off settings.
enum FlagWord { kOptionFlags, kPrintFlags, kWindowFlags, kFlagWordCount };

enum class KeyKind {
    Flag,       // bit of a flag word
    DebugMode,  // the process-wide trace flag
    Integer,
    Colour,
    Text,
    List,
    ReadOnly,  // an integer that is read but never written
};

struct KeyDef {
    const char* section;
    const char* name;
    KeyKind kind;
    int slot;  // IntSlot, TextSlot, ListSlot or FlagWord
    int bit;   // flag bit
};

/// Every key of [Window], [Options] and [Print] in the order written, and
/// RecentFileMax of [Recent].
const KeyDef* Keys(int* count);

/// Defaults of the slots; text defaults are CP932.
int IntDefault(int slot);
const char* TextDefault(int slot);
int FlagWordDefault(int word);
const int* ListDefault(int slot);

/// The value an integer slot takes when value is read or set while it
/// holds previous: the range rules of the settings that have one.
int ApplyRangeRule(int slot, int value, int previous);

}  // namespace VorelSettingKeys
