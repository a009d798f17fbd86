#pragma once

#include "settings/widgets/CustomizePages.h"

class QLineEdit;

/// "復習": the review schedule's settings — the retention aimed at, the
/// day's limits, the steps, the day start, how answers are graded and which
/// model parameters are used.
class CLSReviewPageWidget : public CLSCustomizePage {
    Q_OBJECT
  public:
    CLSReviewPageWidget(const CLSVorelSettings& settings, QWidget* parent);
    CLSTString refusal() const override { return value().refusal(); }
    void store(CLSVorelSettings& settings) override { value().store(settings); }
    void reset() override;

    CLSReviewPage value() const;
    void load(const CLSReviewPage& page);

    QComboBox* parameterChoice() const { return m_parameters; }

  private:
    void enableControls();

    CLSNumberSpinBox* m_retention = nullptr;
    CLSNumberSpinBox* m_newPerDay = nullptr;
    CLSNumberSpinBox* m_reviewsPerDay = nullptr;
    CLSNumberSpinBox* m_maximumInterval = nullptr;
    QLineEdit* m_learningSteps = nullptr;
    QLineEdit* m_relearningSteps = nullptr;
    CLSNumberSpinBox* m_dayStart = nullptr;
    QCheckBox* m_hardAfterHint = nullptr;
    QCheckBox* m_easy = nullptr;
    CLSNumberSpinBox* m_easyTime = nullptr;
    QCheckBox* m_fourButtons = nullptr;
    QComboBox* m_parameters = nullptr;
    std::string m_fitted;  // the fitted numbers, kept while the defaults are chosen
};
