#pragma once

#include <QString>

#include "text/TString.h"

class Prompter;
class QWidget;

// Texts and file names the learner gives, as CP932; what CP932 cannot hold
// is refused with a message naming the characters, never dropped silently.

/// The text in CP932; otherwise the learner is told which characters
/// Shift-JIS cannot hold, and false comes back.
bool ToCp932OrSay(QWidget* parent, const QString& text, CLSTString& out);

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
