#include "editor/EditorRules.h"

#include "data/DataFileVersion.h"
#include "data/VorelDataItem.h"
#include "editor/EditorCommandIds.h"

using namespace EditorCommand;

std::set<int> EnabledEditorCommands(const CLSEditorState& s) {
    std::set<int> on;
    auto enable = [&on](std::initializer_list<int> ids) { on.insert(ids); };
    switch (s.focus) {
        case EditorFocus::kList:
            if (s.selected > 0) enable({kCut, kCopy, kDelete});
            if (s.rows > 0) enable({kSelectAll});
            // Paste reads the clipboard when it runs (and says when it
            // holds no text): another program may fill it at any time.
            enable({kPaste});
            // The list's own undo is the line commands' stack.
            if (s.canUndoLines) enable({kUndo});
            if (s.canRedoLines) enable({kRedo});
            break;
        case EditorFocus::kTextField:
            if (s.fieldCanUndo) enable({kUndo});
            if (s.fieldHasSelection) enable({kCut, kCopy, kDelete});
            enable({kSelectAll});
            if (s.fieldReadOnly) {
                on.erase(kCut);
                on.erase(kDelete);
            } else {
                enable({kPaste});
                if (s.questionCard) enable({kInsertMedia});
            }
            break;
        case EditorFocus::kCardList:
            enable({kDelete});
            break;
        case EditorFocus::kOther:
            break;
    }
    if (s.rows > 0) {
        enable({kFind, kFindNext, kFindPrevious, kSelectWhere, kInvertSelection});
        if (s.selected > 0) {
            if (!s.firstSelected) enable({kMoveUp});
            if (!s.lastSelected) enable({kMoveDown});
            enable({kSort, kChangeGroup, kClearHistory, kMarkOn, kMarkOff, kSwap});
        }
    }
    if (s.selected > 0) enable({kCardDelete});
    // Lines and settings the file's format knows.
    enable({kAddTitle, kAddQuestion, kInsertTitle, kInsertQuestion, kInsertComment,
            kInsertInputHeight});
    if (s.version >= DataFileVersion::kEditorSettings) {
        enable({kInsertTitleFont, kInsertQuestionFont, kInsertHintFont, kInsertAnswerFont,
                kInsertCommentFont, kInsertPrintTitleFont, kInsertPrintQuestionFont,
                kInsertPrintAnswerFont, kInsertPrintTitleNumberFont, kInsertPrintQuestionNumberFont,
                kInsertPrintAnswerNumberFont, kGroupNames, kMessage});
    }
    if (s.version >= DataFileVersion::kTimeLimit) enable({kInsertTimeLimit});
    if (s.version >= DataFileVersion::kShowAndStartTime)
        enable({kInsertShowTime, kInsertStartTime});
    return on;
}

int InsertedLineKind(int command) {
    switch (command) {
        case kAddTitle:
        case kInsertTitle:
            return kLineTitle;
        case kAddQuestion:
        case kInsertQuestion:
            return kLineQuestion;
        case kInsertComment:
            return kLineComment;
        case kInsertTimeLimit:
            return kLineTimeLimit;
        case kInsertShowTime:
            return kLineQuestionShowTime;
        case kInsertStartTime:
            return kLineAnswerStartTime;
        case kInsertInputHeight:
            return kLineInputFieldHeight;
        case kInsertTitleFont:
            return kLineFontTitle;
        case kInsertQuestionFont:
            return kLineFontQuestion;
        case kInsertHintFont:
            return kLineFontHint;
        case kInsertAnswerFont:
            return kLineFontAnswer;
        case kInsertCommentFont:
            return kLineFontComment;
        case kInsertPrintTitleFont:
            return kLineFontPrintTitle;
        case kInsertPrintQuestionFont:
            return kLineFontPrintQuestion;
        case kInsertPrintAnswerFont:
            return kLineFontPrintAnswer;
        case kInsertPrintTitleNumberFont:
            return kLineFontPrintTitleNumber;
        case kInsertPrintQuestionNumberFont:
            return kLineFontPrintQuestionNumber;
        case kInsertPrintAnswerNumberFont:
            return kLineFontPrintAnswerNumber;
        default:
            return 0;
    }
}
