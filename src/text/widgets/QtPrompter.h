#pragma once

#include <QPointer>
#include <QWidget>

#include "text/Prompter.h"

/// Message boxes with the caption "Vorel for Windows", owned by a widget.
class QtPrompter : public Prompter {
  public:
    explicit QtPrompter(QWidget* owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget* owner) { m_owner = owner; }

    PromptAnswer ask(PromptIcon icon, PromptButtons buttons, const CLSTString& text,
                     int defaultButton) override;
    int askChoice(PromptIcon icon, const CLSTString& text, const std::vector<CLSTString>& answers,
                  int defaultAnswer) override;

  private:
    QPointer<QWidget> m_owner;
};
