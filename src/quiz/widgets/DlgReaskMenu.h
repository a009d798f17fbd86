#pragma once

#include <QDialog>

#include "quiz/ExamMode.h"

class CLSVorelSettings;
class QCheckBox;
class QPushButton;
class QRadioButton;

/// "再出題メニュー": which questions of a past run to ask again (the wrong
/// ones, all, or the selected lines) and whether at random; the random
/// choice is kept in RetryRandom on OK.
class CLSDlgReaskMenu : public QDialog {
    Q_OBJECT
  public:
    CLSDlgReaskMenu(CLSVorelSettings& settings, bool linesSelected, QWidget* parent = nullptr);

    /// kRetryWrong, kRetryAll or kRetrySelected.
    CLSExamMode::Kind kind() const;
    bool random() const;
    /// The run's mode: the kind with re-asking, and random when chosen.
    CLSExamMode mode() const { return CLSExamMode::reask(kind(), random()); }

    QRadioButton* wrongButton() const { return m_wrong; }
    QRadioButton* allButton() const { return m_all; }
    QRadioButton* selectedButton() const { return m_selected; }
    QCheckBox* randomBox() const { return m_random; }
    QPushButton* okButton() const { return m_ok; }

  protected:
    void accept() override;

  private:
    CLSVorelSettings& m_settings;
    QRadioButton* m_wrong = nullptr;
    QRadioButton* m_all = nullptr;
    QRadioButton* m_selected = nullptr;
    QCheckBox* m_random = nullptr;
    QPushButton* m_ok = nullptr;
};
