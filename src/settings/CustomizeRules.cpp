#include "settings/CustomizeRules.h"

#include <algorithm>
#include <cmath>

#include "settings/VagueTable.h"
#include "srs/FsrsModel.h"
#include "srs/LearningSteps.h"
#include "text/Codec.h"
#include "text/Columns.h"
#include "text/Language.h"

namespace {

bool within(int value, int low, int high) {
    return value >= low && value <= high;
}

constexpr int kMaxNumber = kSettingNumberMax;

int withBit(int word, int bit, bool on) {
    return on ? (word | bit) : (word & ~bit);
}

// UseData bits of the pages that offer "データファイルの設定を使用する".
constexpr int kUseDataQuestion = 1;
constexpr int kUseDataComparison = 2;
constexpr int kUseDataDesign = 4;

}  // namespace

// The warnings end alike; each starts with what is out of range.
CLSTString RangeWarning(const char* subjectUtf8) {
    return CLSTString(std::string(subjectUtf8) + " の間で指定してください。");
}

// ---- 一般 ----------------------------------------------------------------------------------

CLSGeneralPage CLSGeneralPage::from(const CLSVorelSettings& s) {
    CLSGeneralPage p;
    p.loadLastFile = s.loadLastFile();
    p.saveExamLog = s.saveExamLog();
    p.examLogName = s.examLogName();
    p.examLogSize = s.examLogSize();
    p.historySize = s.historySize();
    p.debugMode = s.debugMode();
    p.language = s.language();
    return p;
}

CLSGeneralPage CLSGeneralPage::defaults() {
    CLSGeneralPage p = from(CLSVorelSettings());
    p.debugMode = false;  // the trace switch is process-wide, not a default of the object
    return p;
}

CLSTString CLSGeneralPage::refusal() const {
    if (!within(examLogSize, 0, kMaxNumber))
        return CLSTString(VT("出題履歴一覧のサイズは 0 ～ 32767 の間で指定してください。"));
    if (!within(historySize, 0, kMaxNumber)) {
        return CLSTString(VT("問題毎の正誤履歴のサイズは 0 ～ 32767 の間で指定してください。"));
    }
    return CLSTString();
}

void CLSGeneralPage::store(CLSVorelSettings& s) const {
    s.setExamLogSize(examLogSize);
    s.setHistorySize(historySize);
    s.setFlag(CLSVorelSettings::kLoadLastFile, loadLastFile);
    s.setFlag(CLSVorelSettings::kSaveExamLog, saveExamLog);
    s.setDebugMode(debugMode);
    s.setExamLogName(examLogName);
    s.setLanguage(language);
}

// ---- 効果音 --------------------------------------------------------------------------------

CLSSoundPage CLSSoundPage::from(const CLSVorelSettings& s) {
    CLSSoundPage p;
    p.sound = s.sound();
    for (int slot = 0; slot < CLSVorelSettings::kSoundSlotCount; ++slot)
        p.names[slot] = s.soundName(slot);
    return p;
}

CLSSoundPage CLSSoundPage::defaults() {
    return from(CLSVorelSettings());
}

void CLSSoundPage::store(CLSVorelSettings& s) const {
    s.setFlag(CLSVorelSettings::kSound, sound);
    for (int slot = 0; slot < CLSVorelSettings::kSoundSlotCount; ++slot)
        s.setSoundName(slot, names[slot]);
}

// ---- 文字列比較 ----------------------------------------------------------------------------

CLSComparisonPage CLSComparisonPage::from(const CLSVorelSettings& s) {
    CLSComparisonPage p;
    p.useData = s.useDataComparison();
    p.compareMode = s.compareMode();
    return p;
}

CLSComparisonPage CLSComparisonPage::defaults() {
    return from(CLSVorelSettings());
}

void CLSComparisonPage::store(CLSVorelSettings& s) const {
    s.setUseData(withBit(s.useData(), kUseDataComparison, useData));
    s.setCompareMode(compareMode);
}

// ---- 問題 ----------------------------------------------------------------------------------

CLSQuestionPage CLSQuestionPage::from(const CLSVorelSettings& s) {
    CLSQuestionPage p;
    p.useData = s.useDataQuestionSettings();
    p.defaultChoicesCount = s.defaultChoicesCount();
    p.maxChoicesOfLine = s.maxChoicesOfLine();
    p.autoChoicesPerLine = s.autoChoicesPerLine();
    p.choicesHeight = s.choicesHeight();
    p.autoChoiceHeight = s.autoChoiceHeight();
    p.inputFieldHeight = s.inputFieldHeight();
    p.choicesFromTitle = s.choicesFromTitle();
    p.choicesFromGroup = s.choicesFromGroup();
    p.choiceCenter = s.choiceCenter();
    p.timeLimit = s.timeLimit();
    p.questionShowTime = s.questionShowTime();
    p.answerStartTime = s.answerStartTime();
    p.lineInterval = s.lineInterval();
    return p;
}

CLSQuestionPage CLSQuestionPage::defaults() {
    return from(CLSVorelSettings());
}

CLSTString CLSQuestionPage::refusal() const {
    if (!within(lineInterval, 0, kMaxNumber))
        return CLSTString(VT("行間は 0 ～ 32767 の間で指定してください。"));
    if (!within(timeLimit, 0, kMaxNumber))
        return CLSTString(VT("制限時間は 0 ～ 32767 の間で指定してください。"));
    if (!within(questionShowTime, 0, kMaxNumber))
        return CLSTString(VT("表示時間は 0 ～ 32767 の間で指定してください。"));
    if (!within(answerStartTime, 0, kMaxNumber))
        return CLSTString(VT("解答開始時間は 0 ～ 32767 の間で指定してください。"));
    if (!within(choicesHeight, kSettingHeightMin, kSettingHeightMax))
        return CLSTString(VT("選択肢ボタンの高さは 1 ～ 100 の間で指定してください。"));
    if (!within(inputFieldHeight, kSettingHeightMin, kSettingHeightMax))
        return CLSTString(VT("答え入力欄の高さは 1 ～ 100 の間で指定してください。"));
    if (!within(defaultChoicesCount, 1, 9))
        return CLSTString(VT("選択肢の数は 1 ～ 9 の間で指定してください。"));
    if (!within(maxChoicesOfLine, 1, 9))
        return CLSTString(VT("一行に表示する選択肢の数は 1 ～ 9 の間で指定してください。"));
    return CLSTString();
}

void CLSQuestionPage::store(CLSVorelSettings& s) const {
    s.setUseData(withBit(s.useData(), kUseDataQuestion, useData));
    s.setDefaultChoicesCount(defaultChoicesCount);
    s.setMaxChoicesOfLine(maxChoicesOfLine);
    s.setChoicesHeight(choicesHeight);
    s.setInputFieldHeight(inputFieldHeight);
    int align = withBit(s.choicesAlign(), 1, autoChoicesPerLine);
    s.setChoicesAlign(withBit(align, 2, autoChoiceHeight));
    int from = withBit(s.choiceFrom(), 1, choicesFromTitle);
    s.setChoiceFrom(withBit(from, 2, choicesFromGroup));
    s.setFlag(CLSVorelSettings::kChoiceCenter, choiceCenter);
    s.setTimeLimit(timeLimit);
    s.setQuestionShowTime(questionShowTime);
    s.setAnswerStartTime(answerStartTime);
    s.setLineInterval(lineInterval);
}

// ---- 答え ----------------------------------------------------------------------------------

CLSAnswerPage CLSAnswerPage::from(const CLSVorelSettings& s) {
    CLSAnswerPage p;
    p.baseWidth = s.baseWidthWndAnswer();
    p.baseHeight = s.baseHeightWndAnswer();
    p.autoClickTime = s.ansDlgAutoClickTime();
    p.noClickWrong = s.ansDlgNoClickWrong();
    p.clickButtonType = s.ansDlgClickButtonType();
    p.showComment = s.showAnswerComment();
    p.showOtherAnswers = s.showOtherAnswers();
    return p;
}

CLSAnswerPage CLSAnswerPage::defaults() {
    return from(CLSVorelSettings());
}

CLSTString CLSAnswerPage::refusal() const {
    if (!within(autoClickTime, 0, kMaxNumber)) {
        return CLSTString(
            VT("ボタンを自動的にクリックするまでの時間は 0 ～ 32767 の間で指定してください。"));
    }
    if (!within(baseWidth, 260, kMaxNumber))
        return CLSTString(VT("答えダイアログの基準幅は 260 ～ 32767 の間で指定してください。"));
    if (!within(baseHeight, 150, kMaxNumber)) {
        return CLSTString(VT("答えダイアログの基準高さは 150 ～ 32767 の間で指定してください。"));
    }
    return CLSTString();
}

void CLSAnswerPage::store(CLSVorelSettings& s) const {
    s.setBaseWidthWndAnswer(baseWidth);
    s.setBaseHeightWndAnswer(baseHeight);
    s.setAnsDlgAutoClickTime(autoClickTime);
    s.setAnsDlgClickButtonType(std::clamp(clickButtonType, 0, 2));
    s.setFlag(CLSVorelSettings::kAnsDlgNoClickWrong, noClickWrong);
    int view = withBit(s.answerView(), 1, showComment);
    s.setAnswerView(withBit(view, 2, showOtherAnswers));
}

// ---- 復習 ----------------------------------------------------------------------------------

CLSReviewPage CLSReviewPage::from(const CLSVorelSettings& s) {
    const CLSReviewOptions& o = s.review();
    CLSReviewPage p;
    p.retentionPercent = static_cast<int>(std::lround(o.desiredRetention * 100));
    p.newPerDay = o.newPerDay;
    p.reviewsPerDay = o.reviewsPerDay;
    p.maximumInterval = o.maximumInterval;
    p.learningSteps = o.learningSteps;
    p.relearningSteps = o.relearningSteps;
    p.dayStart = o.dayStart;
    p.hardAfterHint = o.hardAfterHint;
    p.easyTime = o.easyTime;
    p.fourButtons = o.fourButtons;
    p.useFitted = !o.parameters.empty();
    p.fittedParameters = o.parameters;
    return p;
}

CLSReviewPage CLSReviewPage::defaults() {
    return from(CLSVorelSettings());
}

CLSTString CLSReviewPage::refusal() const {
    if (!within(retentionPercent, 70, 99))
        return CLSTString(VT("目標の記憶率は 70 ～ 99 の間で指定してください。"));
    if (!within(newPerDay, 0, 9999))
        return CLSTString(VT("1日の新しい問題の数は 0 ～ 9999 の間で指定してください。"));
    if (!within(reviewsPerDay, 0, 99999))
        return CLSTString(VT("1日の復習の数は 0 ～ 99999 の間で指定してください。"));
    if (!within(maximumInterval, 1, 36500))
        return CLSTString(VT("最大の間隔は 1 ～ 36500 の間で指定してください。"));
    std::string why;
    if (!ParseSteps(learningSteps, &why)) return CLSTString(why);
    if (!ParseSteps(relearningSteps, &why)) return CLSTString(Fill(VT("再学習の%1"), {why}));
    if (!within(dayStart, 0, 23))
        return CLSTString(VT("1日の始まりの時刻は 0 ～ 23 の間で指定してください。"));
    if (!within(easyTime, 0, 3600))
        return CLSTString(VT("「簡単」とする解答時間は 0 ～ 3600 の間で指定してください。"));
    if (useFitted && !CLSFsrsParameters::Parse(fittedParameters, &why)) return CLSTString(why);
    return CLSTString();
}

void CLSReviewPage::store(CLSVorelSettings& s) const {
    CLSReviewOptions& o = s.review();
    o.desiredRetention = retentionPercent / 100.0;
    o.newPerDay = newPerDay;
    o.reviewsPerDay = reviewsPerDay;
    o.maximumInterval = maximumInterval;
    // Kept as the learner wrote them, once they are known to read.
    o.learningSteps = learningSteps;
    o.relearningSteps = relearningSteps;
    o.dayStart = dayStart;
    o.hardAfterHint = hardAfterHint;
    o.easyTime = easyTime;
    o.fourButtons = fourButtons;
    o.parameters = useFitted ? fittedParameters : std::string();
}

// ---- デザイン ------------------------------------------------------------------------------

CLSDesignPage CLSDesignPage::from(const CLSVorelSettings& s) {
    CLSDesignPage p;
    p.useData = s.useDataDesign();
    p.design = s.skin();
    return p;
}

CLSDesignPage CLSDesignPage::defaults() {
    return from(CLSVorelSettings());
}

void CLSDesignPage::store(CLSVorelSettings& s) const {
    s.setUseData(withBit(s.useData(), kUseDataDesign, useData));
    CLSVorelSkin& target = s.skin();
    for (int c = 0; c < CLSVorelSkin::kColourCount; ++c)
        target.setColour(c, design.colour(c));
    for (int i = CLSVorelSkin::kTitle; i <= CLSVorelSkin::kComment; ++i)
        target.item(i) = design.item(i);
}

namespace {

// The design's colour pair of the entries that are colours only.
bool colourPair(int entry, int& text, int& back) {
    switch (entry) {
        case kEntryStudyForm:
            text = CLSVorelSkin::kStudyFormTextColor;
            back = CLSVorelSkin::kStudyFormBackgroundColor;
            return true;
        case kEntryActive:
            text = CLSVorelSkin::kActiveTextColor;
            back = CLSVorelSkin::kActiveBackgroundColor;
            return true;
        case kEntryHover:
            text = CLSVorelSkin::kHoverTextColor;
            back = CLSVorelSkin::kHoverBackgroundColor;
            return true;
        default:
            return false;
    }
}

}  // namespace

const char* DesignEntryName(int entry) {
    switch (entry) {
        case 0:
            return VT("出題画面");
        case 1:
            return VT("タイトルフォント");
        case 2:
            return VT("問題フォント");
        case 3:
            return VT("ヒントフォント");
        case 4:
            return VT("答えフォント");
        case 5:
            return VT("コメントフォント");
        case 6:
            return VT("選択された答えの色");
        case 7:
            return VT("ポイントされた答えの色");
        default:
            return "";
    }
}

CLSVorelSkinItem* DesignEntryItem(CLSVorelSkin& design, int entry) {
    if (entry < kEntryTitle || entry > kEntryComment) return nullptr;
    return &design.item(entry - kEntryTitle + CLSVorelSkin::kTitle);
}

const CLSVorelSkinItem* DesignEntryItem(const CLSVorelSkin& design, int entry) {
    return DesignEntryItem(const_cast<CLSVorelSkin&>(design), entry);
}

Colour DesignEntryTextColour(const CLSVorelSkin& design, int entry) {
    if (const CLSVorelSkinItem* item = DesignEntryItem(design, entry)) return item->textColor;
    int text = 0;
    int back = 0;
    return colourPair(entry, text, back) ? design.colour(text) : makeColour(0, 0, 0);
}

Colour DesignEntryBackColour(const CLSVorelSkin& design, int entry) {
    if (const CLSVorelSkinItem* item = DesignEntryItem(design, entry)) {
        return item->backgroundColor;
    }
    int text = 0;
    int back = 0;
    return colourPair(entry, text, back) ? design.colour(back) : makeColour(255, 255, 255);
}

void SetDesignEntryTextColour(CLSVorelSkin& design, int entry, Colour colour) {
    int text = 0;
    int back = 0;
    if (CLSVorelSkinItem* item = DesignEntryItem(design, entry)) {
        item->textColor = colour;
    } else if (colourPair(entry, text, back)) {
        design.setColour(text, colour);
    }
}

void SetDesignEntryBackColour(CLSVorelSkin& design, int entry, Colour colour) {
    int text = 0;
    int back = 0;
    if (CLSVorelSkinItem* item = DesignEntryItem(design, entry)) {
        item->backgroundColor = colour;
    } else if (colourPair(entry, text, back)) {
        design.setColour(back, colour);
    }
}

// ---- あいまい設定 --------------------------------------------------------------------------

CLSVagueList CLSVagueList::fromTable(const CLSVagueTable& table) {
    CLSVagueList list;
    for (const auto& [key, replacement] : table)
        list.m_pairs.emplace_back(key, replacement);
    return list;
}

CLSVagueList CLSVagueList::builtIn() {
    CLSVagueTable table;
    table.resetToBuiltIn();
    return fromTable(table);
}

int CLSVagueList::add(const CLSTString& text1, const CLSTString& text2) {
    if (text1.isEmpty() && text2.isEmpty()) return -1;
    // The longer text (in the columns CP932 gave it) is the one replaced.
    bool swap = DisplayColumns(text2.view()) > DisplayColumns(text1.view());
    const CLSTString& key = swap ? text2 : text1;
    const CLSTString& replacement = swap ? text1 : text2;
    for (size_t i = 0; i < m_pairs.size(); ++i) {
        // Two lines with one key would come back as one: the newer wins in sight.
        if (m_pairs[i].first.compareNoCase(key.text()) == 0) {
            m_pairs[i] = {key, replacement};
            return static_cast<int>(i);
        }
    }
    m_pairs.emplace_back(key, replacement);
    return count() - 1;
}

void CLSVagueList::remove(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        if (*it >= 0 && *it < count()) m_pairs.erase(m_pairs.begin() + *it);
    }
}

void CLSVagueList::storeInto(CLSVagueTable& table) const {
    table.clear();
    for (const Pair& p : m_pairs)
        table.insert(p.first, p.second);
}
