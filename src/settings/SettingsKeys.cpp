#include "settings/SettingsKeys.h"

#include <climits>

namespace VorelSettingKeys {

namespace {

constexpr const char* kWindow = "Window";
constexpr const char* kRecent = "Recent";
constexpr const char* kOptions = "Options";
constexpr const char* kPrint = "Print";

// The platform's "place it where you like" coordinate, kept and written as
// it is until the window has been placed once.
constexpr int kDefaultPosition = INT_MIN;

constexpr KeyDef flag(const char* section, const char* name, int word, int bit) {
    return {section, name, KeyKind::Flag, word, bit};
}
constexpr KeyDef integer(const char* section, const char* name, int slot) {
    return {section, name, KeyKind::Integer, slot, 0};
}

const KeyDef kKeys[] = {
    flag(kWindow, "Show", kWindowFlags, 1),
    integer(kWindow, "Left", kLeft),
    integer(kWindow, "Top", kTop),
    integer(kWindow, "Width", kWidth),
    integer(kWindow, "Height", kHeight),
    flag(kWindow, "ListShow", kWindowFlags, 2),
    integer(kWindow, "ListLeft", kListLeft),
    integer(kWindow, "ListTop", kListTop),
    integer(kWindow, "ListWidth", kListWidth),
    integer(kWindow, "ListHeight", kListHeight),
    flag(kWindow, "PreviewShow", kWindowFlags, 4),
    integer(kWindow, "PreviewLeft", kPreviewLeft),
    integer(kWindow, "PreviewTop", kPreviewTop),
    integer(kWindow, "PreviewWidth", kPreviewWidth),
    integer(kWindow, "PreviewHeight", kPreviewHeight),
    flag(kWindow, "ShowDetail", kOptionFlags, 8192),
    integer(kWindow, "InfoPaneWidth", kInfoPaneWidth),
    integer(kWindow, "HintsWindowWidth", kHintsWindowWidth),
    integer(kWindow, "ListAnswerTop", kListAnswerTop),
    integer(kWindow, "ListCommentTop", kListCommentTop),
    integer(kWindow, "EditListWidth", kEditListWidth),
    integer(kWindow, "EditAnswerTop", kEditAnswerTop),
    integer(kWindow, "EditHistoryTop", kEditHistoryTop),
    integer(kWindow, "EditHintHeight", kEditHintHeight),
    {kWindow, "EditMessageHeight", KeyKind::ReadOnly, kEditMessageHeight, 0},
    {kWindow, "EditListColumnWidth", KeyKind::List, kEditListColumnWidth, 0},
    {kWindow, "ExamListColumnWidth", KeyKind::List, kExamListColumnWidth, 0},
    {kWindow, "DetailsListColumnWidth", KeyKind::List, kDetailsListColumnWidth, 0},

    integer(kRecent, "RecentFileMax", kRecentFileMax),

    flag(kOptions, "ToolBar", kOptionFlags, 1),
    flag(kOptions, "StatusBar", kOptionFlags, 2),
    flag(kOptions, "InfoPane", kOptionFlags, 16),
    flag(kOptions, "Group", kOptionFlags, 4),
    flag(kOptions, "ToolHint", kOptionFlags, 8),
    flag(kOptions, "Sound", kOptionFlags, 32),
    flag(kOptions, "SaveExamLog", kOptionFlags, 64),
    flag(kOptions, "LoadLastFile", kOptionFlags, 128),
    flag(kOptions, "NoAlready", kOptionFlags, 256),
    flag(kOptions, "Retry", kOptionFlags, 512),
    flag(kOptions, "RetryRandom", kOptionFlags, 1024),
    flag(kOptions, "ExamLogSort", kOptionFlags, 2048),
    flag(kOptions, "AnsDlgNoClickWrong", kOptionFlags, 4096),
    flag(kOptions, "ChoiceCenter", kOptionFlags, 16384),
    {kOptions, "DebugMode", KeyKind::DebugMode, 0, 0},
    integer(kOptions, "CompareMode", kCompareMode),
    integer(kOptions, "UseData", kUseData),
    integer(kOptions, "DefaultChoicesCount", kDefaultChoicesCount),
    integer(kOptions, "MaxChoicesOfLine", kMaxChoicesOfLine),
    integer(kOptions, "InputFieldHeight", kInputFieldHeight),
    integer(kOptions, "ChoicesHeight", kChoicesHeight),
    integer(kOptions, "ChoicesAlign", kChoicesAlign),
    integer(kOptions, "ChoiceFrom", kChoiceFrom),
    integer(kOptions, "SearchFrom", kSearchFrom),
    integer(kOptions, "AnswerMode", kAnswerMode),
    integer(kOptions, "AnswerView", kAnswerView),
    integer(kOptions, "InitialExamCount", kInitialExamCount),
    integer(kOptions, "WeakPointStrength", kWeakPointStrength),
    integer(kOptions, "LineInterval", kLineInterval),
    integer(kOptions, "TimeLimit", kTimeLimit),
    integer(kOptions, "QuestionShowTime", kQuestionShowTime),
    integer(kOptions, "AnswerStartTime", kAnswerStartTime),
    integer(kOptions, "AnsDlgAutoClickTime", kAnsDlgAutoClickTime),
    integer(kOptions, "AnsDlgClickButtonType", kAnsDlgClickButtonType),
    integer(kOptions, "BaseWidthWndAnswer", kBaseWidthWndAnswer),
    integer(kOptions, "BaseHeightWndAnswer", kBaseHeightWndAnswer),
    {kOptions, "SoundExamName", KeyKind::Text, kSoundExamName, 0},
    {kOptions, "SoundRightName", KeyKind::Text, kSoundRightName, 0},
    {kOptions, "SoundWrongName", KeyKind::Text, kSoundWrongName, 0},
    {kOptions, "SoundResultName", KeyKind::Text, kSoundResultName, 0},
    integer(kOptions, "ExamLogSize", kExamLogSize),
    {kOptions, "ExamLogName", KeyKind::Text, kExamLogName, 0},
    integer(kOptions, "HistorySize", kHistorySize),
    // Our own keys follow the ones the older program reads (it skips them).
    flag(kOptions, "ExportHints", kOptionFlags, 32768),

    flag(kPrint, "PrintTitle", kPrintFlags, 1),
    flag(kPrint, "PrintTitleNum", kPrintFlags, 2),
    flag(kPrint, "PrintQuestion", kPrintFlags, 4),
    flag(kPrint, "PrintQuestionNum", kPrintFlags, 8),
    flag(kPrint, "PrintAnswer", kPrintFlags, 16),
    flag(kPrint, "PrintAnswerNum", kPrintFlags, 32),
    integer(kPrint, "WidthRateOfQuestion", kWidthRateOfQuestion),
    integer(kPrint, "LineMargin", kLineMargin),
    integer(kPrint, "FontSizeRate", kFontSizeRate),
    {kPrint, "TitleNumberFormat", KeyKind::Text, kTitleNumberFormat, 0},
    {kPrint, "QuestionNumberFormat", KeyKind::Text, kQuestionNumberFormat, 0},
    {kPrint, "AnswerNumberFormat", KeyKind::Text, kAnswerNumberFormat, 0},
    integer(kPrint, "LineStyleOfQT", kLineStyleOfQT),
    integer(kPrint, "LineStyleOfQQ", kLineStyleOfQQ),
    integer(kPrint, "LineStyleOfQA", kLineStyleOfQA),
    {kPrint, "LineColorOfQT", KeyKind::Colour, kLineColorOfQT, 0},
    {kPrint, "LineColorOfQQ", KeyKind::Colour, kLineColorOfQQ, 0},
    {kPrint, "LineColorOfQA", KeyKind::Colour, kLineColorOfQA, 0},
    // Our own keys after the older program's.
    flag(kPrint, "PrintPageNumber", kPrintFlags, 64),
    flag(kPrint, "PrintTestSheet", kPrintFlags, 128),
};

const int kIntDefaults[kIntSlotCount] = {
    // [Window]
    kDefaultPosition,
    kDefaultPosition,
    560,
    480,  // main window
    kDefaultPosition,
    kDefaultPosition,
    400,
    300,  // question list dialog
    kDefaultPosition,
    kDefaultPosition,
    560,
    480,  // print preview
    120,
    140,
    146,
    194,
    200,
    170,
    220,
    180,
    180,
    // [Recent]
    5,
    // [Options]
    0,
    7,
    4,
    4,
    1,
    1,
    3,
    3,
    63,
    0,
    1,
    10,
    8,
    40,
    0,
    0,
    0,
    0,
    0,
    500,
    500,
    1000,
    5,
    // [Print]
    50,
    2,
    100,
    0,
    0,
    1,
    0,
    0,
    0,
};

const char* const kTextDefaults[kTextSlotCount] = {
    "EXAM.WAV", "RIGHT.WAV", "WRONG.WAV", "RESULT.WAV", "EXAMLOG.TXT", "&t. ", "(&q) ", "(&q) ",
};

const int kListDefaults[kListSlotCount][kMaxListLength] = {
    {38, 66, 180},
    {36, 60, 36, 60, 100, 100, 60, 100},
    {36, 42, 36, 60, 200},
};

const int kFlagWordDefaults[kFlagWordCount] = {20223, 63, 0};

int inRangeOr(int value, int low, int high, int fallback) {
    return value >= low && value <= high ? value : fallback;
}

}  // namespace

const KeyDef* Keys(int* count) {
    *count = static_cast<int>(sizeof kKeys / sizeof kKeys[0]);
    return kKeys;
}

int IntDefault(int slot) {
    return kIntDefaults[slot];
}

const char* TextDefault(int slot) {
    return kTextDefaults[slot];
}

int FlagWordDefault(int word) {
    return kFlagWordDefaults[word];
}

const int* ListDefault(int slot) {
    return kListDefaults[slot];
}

int ApplyRangeRule(int slot, int value, int previous) {
    switch (slot) {
        case kRecentFileMax:
            // Entry command ids stop below the "clear" item at 2711.
            return value < 1 ? 1 : value > 10 ? 10 : value;
        case kAnswerMode:
            return value >= 0 && value <= 4 ? value : previous;
        case kInitialExamCount:
            return inRangeOr(value, 1, 32767, 10);
        case kWeakPointStrength:
            return inRangeOr(value, 0, 10, 8);
        case kExamLogSize:
            return value < 0 ? 1000 : value;
        case kHistorySize:
            return value < 0 ? 5 : value;
        case kWidthRateOfQuestion:
            return inRangeOr(value, 0, 100, 50);
        case kLineMargin:
            return inRangeOr(value, 0, 100000, 50);
        default:
            return value;
    }
}

}  // namespace VorelSettingKeys
