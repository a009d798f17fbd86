#pragma once

#include <QtGlobal>

class QBoxLayout;
class QDialog;
class QDialogButtonBox;
class QPushButton;
class QWidget;

/// What sets one dialog's OK / キャンセル / ヘルプ apart from another's.
struct DialogButtonsOptions {
    /// The topic ヘルプ and F1 open; 0 for a dialog without help.
    int helpTopic = 0;
    /// OK's text (Japanese, shown translated: mark it with
    /// QT_TRANSLATE_NOOP("DialogButtons", "…")), for dialogs whose OK says
    /// what it does.
    const char* okText = "OK";
    /// "ヘルプ" without the mnemonic where Alt+H belongs to a field.
    const char* helpText = QT_TRANSLATE_NOOP("DialogButtons", "ヘルプ(&H)");
    /// False for a dialog that has nothing to cancel.
    bool cancel = true;
};

/// The buttons made; cancel and help are nullptr where the dialog has none.
struct DialogButtonSet {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* help = nullptr;
};

/// OK, キャンセル and ヘルプ, created in that order (Tab walks them so) as
/// children of parent. OK is the default button and is left for the caller
/// to connect; キャンセル rejects; ヘルプ opens the topic, and so does F1
/// anywhere in the dialog.
DialogButtonSet MakeDialogButtons(QDialog& dialog, QWidget* parent,
                                  const DialogButtonsOptions& options);

/// The buttons in a QDialogButtonBox, for dialogs laid out with one.
QDialogButtonBox* DialogButtons(QDialog& dialog, const DialogButtonsOptions& options);
inline QDialogButtonBox* DialogButtons(QDialog& dialog, int helpTopic) {
    return DialogButtons(dialog, DialogButtonsOptions{.helpTopic = helpTopic});
}

/// The buttons at the right end of a row of the dialog's own (what the
/// caller put in the row first stays at its left). Return and Space on
/// ヘルプ do not press it by default.
DialogButtonSet DialogButtonRow(QDialog& dialog, QBoxLayout* row,
                                const DialogButtonsOptions& options);
