#pragma once

#include <vector>

class CLSTString;

enum class PromptIcon { Error, Warning, Information, Question };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

/// The seam through which the core talks to the learner: message boxes and
/// questions with the caption "Vorel for Windows". The widgets show real
/// boxes, the command-line tool writes to stderr, tests record what was asked.
class Prompter {
  public:
    virtual ~Prompter() = default;
    /// Shows a text and returns the button chosen. defaultButton is the
    /// 0-based index of the button that has the focus.
    virtual PromptAnswer ask(PromptIcon icon, PromptButtons buttons, const CLSTString& text,
                             int defaultButton = 0) = 0;

    /// A question with answers of its own (CP932 button texts, "&" before a
    /// mnemonic): the 0-based index of the answer chosen, -1 when the box is
    /// closed or Esc pressed. A prompter that cannot offer them answers -1.
    virtual int askChoice(PromptIcon icon, const CLSTString& text,
                          const std::vector<CLSTString>& answers, int defaultAnswer = 0) {
        return -1;
    }

    void message(PromptIcon icon, const CLSTString& text) { ask(icon, PromptButtons::Ok, text); }
    bool askYesNo(PromptIcon icon, const CLSTString& text, int defaultButton = 0) {
        return ask(icon, PromptButtons::YesNo, text, defaultButton) == PromptAnswer::Yes;
    }
};

/// A prompter for work that reports in its own way (pasting, checking how a
/// line reads back): it shows nothing, answers No and closes boxes.
class SilentPrompter : public Prompter {
  public:
    PromptAnswer ask(PromptIcon, PromptButtons buttons, const CLSTString&, int) override {
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::No;
    }
};

/// The caption of every message box.
inline constexpr const char* kAppTitle = "Vorel for Windows";
