#pragma once

#include <QString>

#include "text/TString.h"

class Prompter;
class QWidget;

// File names the learner gives, as the program's paths.

/// A file name chosen in a file dialog, dropped or given on the command
/// line, as the program's path (any name serves; false and a refusal for
/// the learner are kept for callers that check).
bool PathFromChosen(const QString& chosen, CLSTString& path, QString& refusal);
/// The same, the refusal told through prompter.
bool PathFromChosen(const QString& chosen, CLSTString& path, Prompter& prompter);

/// An existing file chosen in a file dialog, as a checked path; false when
/// the learner cancels or the name was refused.
bool ChooseOpenPath(QWidget* parent, const QString& caption, const QString& folder,
                    const QString& filter, Prompter& prompter, CLSTString& path);
/// A name to save to, chosen in a file dialog that adds defaultSuffix to a
/// name without one; the learner is asked before an existing file is
/// overwritten. False when the learner cancels, declines or the name was
/// refused.
bool ChooseSavePath(QWidget* parent, const QString& caption, const QString& folder,
                    const QString& filter, const char* defaultSuffix, Prompter& prompter,
                    CLSTString& path);
