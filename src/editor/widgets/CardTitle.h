#pragma once

#include "editor/widgets/Card.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

/// The title card: the title, the number of choices in choice mode, the
/// five answer-comparison options and the comment.
class CLSCardTitle : public CLSCardPage {
    Q_OBJECT
  public:
    CLSCardTitle(CLSVorelDataFile& doc, CLSVorelSettings& settings, QWidget* parent);
    void showLine(const CLSVorelDataItem& line, bool sameLine) override;
    CLSVorelDataItem editedLine(const CLSVorelDataItem& line) const override;
    void focusFirstField() override;
    int helpTopic() const override;

    QLineEdit* textField() const { return m_text; }
    QComboBox* choiceBox() const { return m_choices; }
    QCheckBox* option(int bit) const { return m_options[bit]; }
    QLineEdit* commentField() const { return m_comment; }

  private:
    QLineEdit* m_text = nullptr;
    QComboBox* m_choices = nullptr;
    QCheckBox* m_options[5] = {};
    QLineEdit* m_comment = nullptr;
};
