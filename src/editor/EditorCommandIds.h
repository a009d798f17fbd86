#pragma once

/// The editor's commands (their numbers are the help topics' and the tool
/// tips' keys, and the rules of EditorRules.h go by them).
namespace EditorCommand {
enum : int {
    kUndo = 2103,
    kCut = 2104,
    kCopy = 2105,
    kPaste = 2106,
    kDelete = 2107,
    kSelectAll = 2108,
    kFind = 2109,
    kFindNext = 2110,
    kFindPrevious = 2111,
    kInsertMedia = 2112,
    kRedo = 2113,  // the line commands' redo (Ctrl+Y); undo is kUndo
    kAddTitle = 2201,
    kAddQuestion = 2202,
    kInsertTitle = 2203,
    kInsertQuestion = 2204,
    kInsertComment = 2205,
    kInsertShowTime = 2206,
    kInsertStartTime = 2207,
    kInsertTimeLimit = 2208,
    kInsertInputHeight = 2209,
    kInsertTitleFont = 2210,
    kInsertQuestionFont = 2211,
    kInsertHintFont = 2212,
    kInsertAnswerFont = 2213,
    kInsertCommentFont = 2215,
    kGroupNames = 2216,
    kMessage = 2217,
    kCardDelete = 2218,
    kSelectWhere = 2219,
    kInvertSelection = 2220,
    kMoveUp = 2221,
    kMoveDown = 2222,
    kSort = 2223,
    kChangeGroup = 2224,
    kClearHistory = 2225,
    kMarkOn = 2226,
    kMarkOff = 2227,
    kSwap = 2228,
    // The print fonts sit beside the other font insertions.
    kInsertPrintTitleFont = 2230,
    kInsertPrintQuestionFont = 2231,
    kInsertPrintAnswerFont = 2232,
    kInsertPrintTitleNumberFont = 2233,
    kInsertPrintQuestionNumberFont = 2234,
    kInsertPrintAnswerNumberFont = 2235,
};
}  // namespace EditorCommand
