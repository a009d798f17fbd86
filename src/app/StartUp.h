#pragma once

#include <QStringList>

#include "text/TString.h"

/// Process-wide preparation of the widgets (resources).
void InitVorelApplication();

/// The data file named on the command line: the first argument, without
/// surrounding quotes; what follows it is ignored. false when there is none
/// (or its name has no CP932 form, which is then reported).
bool CommandLineFile(const QStringList& arguments, CLSTString& path);
