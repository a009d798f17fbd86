#pragma once

#include <set>

#include "data/DataFileVersion.h"

/// Where the keyboard is in the editor when its commands' states are worked out.
enum class EditorFocus { kList, kTextField, kCardList, kOther };

/// What the command states depend on.
struct CLSEditorState {
    EditorFocus focus = EditorFocus::kList;
    int rows = 0;                // lines of the document
    int selected = 0;            // selected rows
    bool firstSelected = false;  // row 0 is selected
    bool lastSelected = false;   // the last row is selected
    // The focused text field of a card:
    bool fieldCanUndo = false;
    bool fieldHasSelection = false;
    bool fieldReadOnly = false;
    bool questionCard = false;  // the card shown is the question card
    bool canUndoLines = false;  // the line commands' undo stack
    bool canRedoLines = false;
    int version = DataFileVersion::kCurrent;  // the document's file format
};

/// The editor's commands that are enabled in a state (EditorCommand ids).
/// Commands not listed (new, save, the screen switch) are always enabled.
std::set<int> EnabledEditorCommands(const CLSEditorState& state);

/// The kind of line an insert command makes (kLine… of VorelDataItem.h), or 0.
int InsertedLineKind(int command);
