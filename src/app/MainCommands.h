#pragma once

/// The main window's own commands: files, screens, view toggles and help
/// (their numbers are the help topics' and the tool tips' keys; each
/// command's menu and toolbar place is declared with it, in MainMenus.cpp).
namespace MainCommand {
enum : int {
    kNew = 2001,
    kOpen = 2002,
    kOpenExamLog = 2003,
    kSave = 2004,
    kSaveAs = 2005,
    kImport = 2006,
    kExport = 2007,
    kDataInfo = 2008,
    kPageSetup = 2009,
    kPreview = 2010,
    kPrint = 2011,
    kExit = 2012,
    kToEditor = 2101,
    kToStudy = 2315,
    kToolBar = 2501,
    kStatusBar = 2502,
    kCustomize = 2508,
    kHelpContents = 2600,
    kAbout = 2601,
    kRecentClear = 2711,
};
}  // namespace MainCommand
