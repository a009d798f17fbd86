#pragma once

#include <string>

#include "text/TString.h"

/// What the choice of the program's folders depends on (native UTF-8 paths;
/// empty when unknown or unset).
struct CLSSettingsFolderInputs {
    std::string vorelHome;  // $VOREL_HOME
    std::string exeFolder;  // folder of the running executable
    bool exeFolderWritable = false;
    std::string xdgConfigHome;  // $XDG_CONFIG_HOME
    std::string xdgStateHome;   // $XDG_STATE_HOME
    std::string home;           // $HOME
};

/// Whether the executable sits in the bin folder of an installed prefix
/// (/usr/bin, /usr/local/bin, ~/.local/bin, …). Such a folder is shared by
/// other programs, so nothing of ours is written there even when it is
/// writable.
bool IsInstalledExeFolder(const std::string& exeFolder);

/// The native settings folder (VORELWIN.INI, VRLVAGUE.DAT) for the given
/// inputs: VOREL_HOME when set, else the executable's folder when writable
/// and not an installed bin folder, else XDG_CONFIG_HOME/vorel
/// (HOME/.config/vorel when XDG_CONFIG_HOME is unset or not absolute).
/// Pure: creates nothing. "" when none of them is known.
std::string ChooseSettingsFolder(const CLSSettingsFolderInputs& inputs);

/// The native folder of the exam history and the trace log: the settings
/// folder when that is VOREL_HOME or the executable's folder, else
/// XDG_STATE_HOME/vorel (HOME/.local/state/vorel). Pure. "" when unknown.
std::string ChooseHistoryFolder(const CLSSettingsFolderInputs& inputs);

/// The native folder of the installed resources (help pages, examples,
/// translations) for an executable in exeFolder: exeFolder/../share/vorel,
/// which the build tree mirrors. Pure; "" when exeFolder is empty.
std::string ChooseDataFolder(const std::string& exeFolder);

/// The inputs of this process (environment and /proc/self/exe).
CLSSettingsFolderInputs CurrentSettingsFolderInputs();

/// The settings folder of this process (CP932), created when missing. Falls
/// back to the current folder ("") when no folder can be found or created.
CLSTString SettingsFolder();

/// The folder of the exam history and the trace log (CP932), created when
/// missing. Falls back to the settings folder when it cannot be made.
CLSTString HistoryFolder();

/// The folder of the installed resources (CP932); "" when it does not
/// exist, so that lookups in it fail like lookups of a missing file.
CLSTString ProgramDataFolder();

/// Paths inside the settings folder (CP932).
CLSTString SettingsFilePath();  // VORELWIN.INI
CLSTString VagueFilePath();     // VRLVAGUE.DAT
/// Paths inside the history folder (CP932).
CLSTString TraceFilePath();         // DEBUG.LOG
CLSTString DefaultExamLogPath();    // EXAMLOG.TXT
CLSTString DefaultReviewLogPath();  // REVIEWLOG.DB
