#pragma once

#include <functional>

class QWidget;

/// Help topics of the dialogs (each screen's dialogs add theirs here).
enum DialogHelpContext {
    kHelpPrintSettings = 105,
    kHelpVagueDialog = 117,
    kHelpResultDialog = 119,
    // The customisation sheet's pages, in page order.
    kHelpCustomizeGeneral = 121,
    kHelpCustomizeSound = 122,
    kHelpCustomizeComparison = 123,
    kHelpCustomizeDesign = 124,
    kHelpCustomizeQuestion = 125,
    kHelpCustomizeAnswer = 126,
    kHelpCardTitle = 136,
    kHelpCardQuestion = 137,
    kHelpGroupNames = 138,
    kHelpCardFont = 139,
    kHelpMessage = 140,
    kHelpCardNumber = 141,
    kHelpCardComment = 142,
    kHelpRangeDialog = 630,
    kHelpCountDialog = 631,
    kHelpAnswerDialog = 636,
    kHelpOtherAnswers = 637,
};

/// Opens the help at a topic; the main window installs it at start-up.
using DialogHelpHandler = std::function<void(QWidget* owner, int context)>;
void SetDialogHelpHandler(DialogHelpHandler handler);
/// Asks the installed handler for a topic; nothing happens without one.
void ShowDialogHelp(QWidget* owner, int context);
/// Makes F1 on the widget (and its children) open the topic.
void InstallHelpKey(QWidget* widget, int context);
