#pragma once

#include <string>

/// Sets the language of this run (Language.h) from the learner's choice in
/// the settings file and the environment, before anything is shown; the
/// program and vorel-cli both start with it. Returns the language's code.
std::string StartProgramLanguage();
