#pragma once

#include "editor/widgets/Card.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

/// The font card: size, character set and face name of a font line (each
/// may stay unset), the font chooser, and the comment.
class CLSCardFont : public CLSCardPage {
    Q_OBJECT
  public:
    CLSCardFont(CLSVorelDataFile& doc, CLSVorelSettings& settings, QWidget* parent);
    void showLine(const CLSVorelDataItem& line, bool sameLine) override;
    CLSVorelDataItem editedLine(const CLSVorelDataItem& line) const override;
    void focusFirstField() override;
    int helpTopic() const override;

    QLineEdit* sizeField() const { return m_size; }
    QComboBox* charsetBox() const { return m_charset; }
    QLineEdit* faceField() const { return m_face; }
    QLineEdit* commentField() const { return m_comment; }
    QPushButton* chooseButton() const { return m_choose; }

  private:
    void chooseFont();

    QLineEdit* m_size = nullptr;
    QComboBox* m_charset = nullptr;
    QLineEdit* m_face = nullptr;
    QPushButton* m_choose = nullptr;
    QLineEdit* m_comment = nullptr;
};

/// The number card: the value of a time or input-height line (digits
/// only; empty is unset) and the comment.
class CLSCardNumber : public CLSCardPage {
    Q_OBJECT
  public:
    CLSCardNumber(CLSVorelDataFile& doc, CLSVorelSettings& settings, QWidget* parent);
    void showLine(const CLSVorelDataItem& line, bool sameLine) override;
    CLSVorelDataItem editedLine(const CLSVorelDataItem& line) const override;
    void focusFirstField() override;
    int helpTopic() const override;

    QLineEdit* valueField() const { return m_value; }
    QLineEdit* commentField() const { return m_comment; }
    QLabel* label() const { return m_label; }

  private:
    QLabel* m_label = nullptr;
    QLabel* m_unit = nullptr;
    QLineEdit* m_value = nullptr;
    QLineEdit* m_comment = nullptr;
};
