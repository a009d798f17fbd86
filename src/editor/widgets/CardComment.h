#pragma once

#include "editor/widgets/Card.h"

class QPlainTextEdit;

/// The comment card: the comment line's text, over several lines.
class CLSCardComment : public CLSCardPage {
    Q_OBJECT
  public:
    CLSCardComment(CLSVorelDataFile& doc, CLSVorelSettings& settings, QWidget* parent);
    void showLine(const CLSVorelDataItem& line, bool sameLine) override;
    CLSVorelDataItem editedLine(const CLSVorelDataItem& line) const override;
    void focusFirstField() override;
    int helpTopic() const override;
    QPlainTextEdit* textField() const { return m_text; }

  private:
    QPlainTextEdit* m_text = nullptr;
};
