#include "settings/widgets/ReviewPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>

#include "settings/SettingsFolder.h"
#include "settings/widgets/ParameterFit.h"
#include "srs/FsrsFit.h"
#include "srs/SqliteReviewLog.h"
#include "text/Paths.h"
#include "text/Prompter.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/NumberSpinBox.h"
#include "text/widgets/QtText.h"

namespace {

constexpr int kDefaultParameters = 0;
constexpr int kFittedParameters = 1;

// The easy time as the page shows it when the learner turns it on.
constexpr int kSuggestedEasyTime = 5;

// The learner's review log when there is one; none is made by looking.
std::unique_ptr<CLSSqliteReviewLog> openExistingLog(std::string* error) {
    CLSTString path = DefaultReviewLogPath();
    if (!FileExists(path)) return nullptr;
    auto opened = CLSSqliteReviewLog::open(path);
    if (!opened) {
        if (error) *error = opened.error();
        return nullptr;
    }
    return std::move(*opened);
}

}  // namespace

CLSReviewPageWidget::CLSReviewPageWidget(const CLSVorelSettings& settings, Prompter& prompter,
                                         QWidget* parent)
    : CLSCustomizePage(tr("復習"), kHelpCustomizeReview, parent), m_prompter(prompter) {
    m_retention = NewNumberField(70, 99, this);
    m_newPerDay = NewNumberField(0, 9999, this);
    m_reviewsPerDay = NewNumberField(0, 99999, this);
    m_maximumInterval = NewNumberField(1, 36500, this);
    m_learningSteps = new QLineEdit(this);
    m_relearningSteps = new QLineEdit(this);
    m_learningSteps->setToolTip(tr("1m (分)、1h (時間)、1d (日) をスペースで区切って並べます。"));
    m_relearningSteps->setToolTip(m_learningSteps->toolTip());
    m_dayStart = NewNumberField(0, 23, this);
    m_hardAfterHint = new QCheckBox(tr("ヒントを見て正解したときは「難しい」にする(&H)"), this);
    m_easy = new QCheckBox(tr("早く正解したときは「簡単」にする(&Y)："), this);
    m_easyTime = NewNumberField(1, 3600, this);
    m_fourButtons = new QCheckBox(tr("確認モードでは4つのボタンで評価する(&F)"), this);
    m_parameters = new QComboBox(this);
    m_parameters->addItem(tr("既定"));
    m_parameters->addItem(tr("自分の復習に合わせたもの"));
    m_fit = new QPushButton(tr("自分の復習に合わせる(&O)..."), this);
    m_fitInfo = new QLabel(this);

    auto* grid = new QGridLayout;
    const struct {
        const char* label;
        QWidget* field;
        const char* unit;
    } rows[] = {
        {QT_TR_NOOP("目標の記憶率(&T)："), m_retention, "%"},
        {QT_TR_NOOP("1日の新しい問題の数(&N)："), m_newPerDay, QT_TR_NOOP("問")},
        {QT_TR_NOOP("1日の復習の数(&V)："), m_reviewsPerDay, QT_TR_NOOP("問")},
        {QT_TR_NOOP("最大の間隔(&M)："), m_maximumInterval, QT_TR_NOOP("日")},
        {QT_TR_NOOP("学習ステップ(&L)："), m_learningSteps, nullptr},
        {QT_TR_NOOP("再学習ステップ(&E)："), m_relearningSteps, nullptr},
        {QT_TR_NOOP("1日の始まり(&D)："), m_dayStart, QT_TR_NOOP("時")},
    };
    int row = 0;
    for (const auto& r : rows) {
        grid->addWidget(NewFieldLabel(tr(r.label), r.field, this), row, 0);
        if (r.unit) {
            grid->addWidget(r.field, row, 1);
            auto* unit = new QLabel(tr(r.unit), this);
            grid->addWidget(unit, row, 2);
            r.field->setAccessibleDescription(unit->text());
        } else {
            grid->addWidget(r.field, row, 1, 1, 3);
        }
        ++row;
    }
    grid->setColumnStretch(3, 1);
    content()->addLayout(grid);

    auto* grading = new QGroupBox(tr("評価"), this);
    auto* g = new QGridLayout(grading);
    g->addWidget(m_hardAfterHint, 0, 0, 1, 4);
    g->addWidget(m_easy, 1, 0);
    g->addWidget(m_easyTime, 1, 1);
    auto* seconds = new QLabel(tr("秒以内"), this);
    g->addWidget(seconds, 1, 2);
    m_easyTime->setAccessibleDescription(seconds->text());
    g->addWidget(m_fourButtons, 2, 0, 1, 4);
    g->setColumnStretch(3, 1);
    content()->addWidget(grading);

    auto* parameterRow = new QHBoxLayout;
    parameterRow->addWidget(
        NewFieldLabel(tr("記憶モデルのパラメーター(&P)："), m_parameters, this));
    parameterRow->addWidget(m_parameters);
    parameterRow->addWidget(m_fit);
    parameterRow->addStretch(1);
    content()->addLayout(parameterRow);
    content()->addWidget(m_fitInfo);

    connect(m_easy, &QCheckBox::toggled, this, &CLSReviewPageWidget::enableControls);
    connect(m_fit, &QPushButton::clicked, this, &CLSReviewPageWidget::fit);
    countReviews();
    load(CLSReviewPage::from(settings));
    watchControls();
}

void CLSReviewPageWidget::load(const CLSReviewPage& page) {
    filling([&] {
        m_retention->setValue(page.retentionPercent);
        m_newPerDay->setValue(page.newPerDay);
        m_reviewsPerDay->setValue(page.reviewsPerDay);
        m_maximumInterval->setValue(page.maximumInterval);
        m_learningSteps->setText(QString::fromStdString(page.learningSteps));
        m_relearningSteps->setText(QString::fromStdString(page.relearningSteps));
        m_dayStart->setValue(page.dayStart);
        m_hardAfterHint->setChecked(page.hardAfterHint);
        m_easy->setChecked(page.easyTime > 0);
        m_easyTime->setValue(page.easyTime > 0 ? page.easyTime : kSuggestedEasyTime);
        m_fourButtons->setChecked(page.fourButtons);
        // Defaults chosen on reset keep the fit of this session at hand.
        if (!page.fittedParameters.empty()) m_fitted = page.fittedParameters;
        m_parameters->setCurrentIndex(page.useFitted ? kFittedParameters : kDefaultParameters);
        enableControls();
    });
}

CLSReviewPage CLSReviewPageWidget::value() const {
    CLSReviewPage p;
    p.retentionPercent = m_retention->value();
    p.newPerDay = m_newPerDay->value();
    p.reviewsPerDay = m_reviewsPerDay->value();
    p.maximumInterval = m_maximumInterval->value();
    p.learningSteps = m_learningSteps->text().simplified().toStdString();
    p.relearningSteps = m_relearningSteps->text().simplified().toStdString();
    p.dayStart = m_dayStart->value();
    p.hardAfterHint = m_hardAfterHint->isChecked();
    p.easyTime = m_easy->isChecked() ? m_easyTime->value() : 0;
    p.fourButtons = m_fourButtons->isChecked();
    p.useFitted = m_parameters->currentIndex() == kFittedParameters;
    p.fittedParameters = m_fitted;
    return p;
}

void CLSReviewPageWidget::reset() {
    load(CLSReviewPage::defaults());
}

void CLSReviewPageWidget::enableControls() {
    m_easyTime->setEnabled(m_easy->isChecked());
    // Only a fit gives the second choice something to use.
    auto* model = qobject_cast<QStandardItemModel*>(m_parameters->model());
    if (model) model->item(kFittedParameters)->setEnabled(!m_fitted.empty());
}

void CLSReviewPageWidget::countReviews() {
    std::string error;
    m_reviewCount = 0;
    if (auto log = openExistingLog(&error)) {
        auto count = log->count();
        if (count) {
            m_reviewCount = *count;
        } else {
            error = count.error();
        }
    }
    QString info = error.empty() ? tr("記録された復習: %1件").arg(m_reviewCount)
                                 : QString::fromStdString(error);
    if (error.empty() && m_reviewCount < kMinFitReviews)
        info += tr(" (%1件から合わせられます)").arg(kMinFitReviews);
    m_fitInfo->setText(info);
    m_fit->setEnabled(m_reviewCount >= kMinFitReviews);
}

void CLSReviewPageWidget::fit() {
    std::string error;
    std::unique_ptr<CLSSqliteReviewLog> log = openExistingLog(&error);
    auto reviews =
        log ? log->reviews() : CLSReviewLogResult<std::vector<CLSReviewRecord>>::failure(error);
    if (!reviews) {
        m_prompter.message(PromptIcon::Warning, CLSTString(reviews.error()));
        return;
    }
    log.reset();
    // The fit starts from the parameters in use, and must do better than them.
    CLSFsrsParameters start = CLSFsrsParameters::Defaults();
    if (m_parameters->currentIndex() == kFittedParameters) {
        if (auto fitted = CLSFsrsParameters::Parse(m_fitted, nullptr)) start = *fitted;
    }
    std::optional<CLSFsrsParameters> taken =
        FitParametersInBackground(this, m_prompter, std::move(*reviews), start);
    if (!taken) return;
    m_fitted = taken->Format();
    enableControls();
    m_parameters->setCurrentIndex(kFittedParameters);
    reportChange();
}
