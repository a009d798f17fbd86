#pragma once

#include <functional>
#include <vector>

class QWidget;

/// Help topics of the dialogs (each screen's dialogs add theirs here, and
/// a page help/<topic>.html for each).
enum DialogHelpContext {
    kHelpExamLog = 100,
    kHelpReaskMenu = 101,
    kHelpImport = 102,
    kHelpExport = 103,
    kHelpDataInfo = 104,
    kHelpPrintSettings = 105,
    kHelpPrintPreview = 106,
    kHelpFind = 107,
    kHelpSelectWhere = 108,
    kHelpSort = 109,
    kHelpPrintFonts = 110,
    kHelpQuestionCard = 115,
    kHelpVagueDialog = 117,
    kHelpResultDialog = 119,
    // The customisation sheet's pages, in page order.
    kHelpCustomizeGeneral = 121,
    kHelpCustomizeSound = 122,
    kHelpCustomizeComparison = 123,
    kHelpCustomizeDesign = 124,
    kHelpCustomizeQuestion = 125,
    kHelpCustomizeAnswer = 126,
    kHelpCustomizeReview = 127,
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

/// The main window's topics, by what it is doing when F1 is pressed.
enum MainHelpContext {
    kHelpRunning = 131,   // a run is in progress
    kHelpMenu = 132,      // a menu is open
    kHelpStudy = 133,     // the study screen
    kHelpEditor = 134,    // the editor screen
    kHelpInfoPane = 135,  // the study screen's information pane
};

/// Every topic above, for the check that each has its page.
const std::vector<int>& KnownHelpTopics();

/// Opens the help at a topic; the main window installs it at start-up.
using DialogHelpHandler = std::function<void(QWidget* owner, int context)>;
void SetDialogHelpHandler(DialogHelpHandler handler);
/// Asks the installed handler for a topic; nothing happens without one.
void ShowDialogHelp(QWidget* owner, int context);
/// Makes F1 on the widget (and its children) open the topic.
void InstallHelpKey(QWidget* widget, int context);
/// The topic InstallHelpKey gave the focused widget or the nearest of its
/// ancestors inside window; -1 when none has one.
int HelpTopicOfFocus(const QWidget* window);
