#pragma once

#include <string>

#include "text/TString.h"

/// What the choice of the settings folder depends on (native UTF-8 paths;
/// empty when unknown or unset).
struct CLSSettingsFolderInputs {
    std::string vorelHome;  // $VOREL_HOME
    std::string exeFolder;  // folder of the running executable
    bool exeFolderWritable = false;
    std::string xdgConfigHome;  // $XDG_CONFIG_HOME
    std::string home;           // $HOME
};

/// The native settings folder for the given inputs: VOREL_HOME when set,
/// else the executable's folder when writable, else XDG_CONFIG_HOME/vorel
/// (HOME/.config/vorel when XDG_CONFIG_HOME is unset or not absolute).
/// Pure: creates nothing. "" when none of them is known.
std::string ChooseSettingsFolder(const CLSSettingsFolderInputs& inputs);

/// The inputs of this process (environment and /proc/self/exe).
CLSSettingsFolderInputs CurrentSettingsFolderInputs();

/// The settings folder of this process (CP932), created when missing. Falls
/// back to the current folder ("") when no folder can be found or created.
CLSTString SettingsFolder();

/// Paths inside the settings folder (CP932).
CLSTString SettingsFilePath();    // VORELWIN.INI
CLSTString VagueFilePath();       // VRLVAGUE.DAT
CLSTString TraceFilePath();       // DEBUG.LOG
CLSTString DefaultExamLogPath();  // EXAMLOG.TXT
