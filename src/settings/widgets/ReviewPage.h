#pragma once

#include "settings/widgets/CustomizePages.h"

class Prompter;
class QLabel;
class QLineEdit;
class QPushButton;

/// "復習": the review schedule's settings — the retention aimed at, the
/// day's limits, the steps, the day start, how answers are graded and which
/// model parameters are used.
class CLSReviewPageWidget : public CLSCustomizePage {
    Q_OBJECT
  public:
    CLSReviewPageWidget(const CLSVorelSettings& settings, Prompter& prompter, QWidget* parent);
    CLSTString refusal() const override { return value().refusal(); }
    void store(CLSVorelSettings& settings) override { value().store(settings); }
    void reset() override;

    CLSReviewPage value() const;
    void load(const CLSReviewPage& page);

    QComboBox* parameterChoice() const { return m_parameters; }
    QPushButton* fitButton() const { return m_fit; }
    QLabel* fitInfo() const { return m_fitInfo; }
    /// "自分の復習に合わせる(&O)...": fits the parameters to the review log;
    /// the learner's choice shows on the page and is stored with it.
    void fit();

  private:
    void enableControls();
    /// Counts the logged reviews; fitting is offered from enough of them.
    void countReviews();

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
    Prompter& m_prompter;
    QComboBox* m_parameters = nullptr;
    QPushButton* m_fit = nullptr;
    QLabel* m_fitInfo = nullptr;
    int64_t m_reviewCount = 0;
    std::string m_fitted;  // the fitted numbers, kept while the defaults are chosen
};
