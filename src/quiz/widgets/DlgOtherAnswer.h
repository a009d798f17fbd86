#pragma once

#include <QDialog>

#include "text/TString.h"

class CLSVorelDataQuestion;
class CLSVorelSettings;
class CLSWndSentenceList;
class QFont;
class QPushButton;

/// "別解": every accepted answer of a question in a numbered list.
class CLSDlgOtherAnswer : public QDialog {
    Q_OBJECT
  public:
    CLSDlgOtherAnswer(const CLSVorelDataQuestion& question, const QFont& font,
                      const CLSVorelSettings& settings, const CLSTString& mediaFolder,
                      QWidget* parent = nullptr);
    CLSWndSentenceList* list() const { return m_list; }
    QPushButton* okButton() const { return m_ok; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    CLSWndSentenceList* m_list = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_help = nullptr;
};

/// Shows the question's accepted answers modally over owner in the given
/// answer font, with the design's answer colours and the line interval.
/// Never throws.
void OpenOtherAnswerDialog(QWidget* owner, const CLSVorelDataQuestion& question, const QFont& font,
                           const CLSVorelSettings& settings, const CLSTString& mediaFolder = {});
