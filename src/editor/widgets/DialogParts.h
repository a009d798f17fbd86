#pragma once

#include <QString>

#include "text/TString.h"

class QDialog;
class QDialogButtonBox;
class QWidget;

/// OK, キャンセル and (for a topic other than 0) ヘルプ under a dialog's
/// fields; F1 opens the same topic. OK is the default button and is left
/// for the caller to connect; キャンセル rejects.
QDialogButtonBox* DialogButtons(QDialog& dialog, int helpTopic);

/// The text in CP932; otherwise the learner is told which characters
/// Shift-JIS cannot hold, and false comes back.
bool ToCp932OrSay(QWidget* parent, const QString& text, CLSTString& out);
