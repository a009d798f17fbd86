#pragma once

#include <QString>

#include "text/TString.h"

class QWidget;

// Texts the learner gives, as CP932; what CP932 cannot hold is refused with
// a message naming the characters, never dropped silently.

/// The text in CP932; otherwise the learner is told which characters
/// Shift-JIS cannot hold, and false comes back.
bool ToCp932OrSay(QWidget* parent, const QString& text, CLSTString& out);
