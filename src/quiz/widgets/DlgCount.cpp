#include "quiz/widgets/DlgCount.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "data/VorelDataFile.h"
#include "quiz/Exam.h"
#include "quiz/RangeCount.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/Prompter.h"
#include "text/widgets/DialogButtons.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/NumberSpinBox.h"
#include "text/widgets/QtText.h"

CLSDlgCount::CLSDlgCount(CLSExam& exam, CLSExamMode mode, QWidget* parent)
    : QDialog(parent), m_exam(exam) {
    CLSTraceScope trace("CLSDlgCount::create");
    setWindowTitle(tr("回数指定"));
    CLSVorelSettings& settings = exam.settings();
    auto* top = new QVBoxLayout(this);

    auto* countRow = new QHBoxLayout;
    auto* caption = new QLabel(tr("回数(&N)："), this);
    m_count = new CLSNumberSpinBox(this);
    m_count->setMinimumWidth(90);
    caption->setBuddy(m_count);
    m_limitLabel = new QLabel(this);
    countRow->addWidget(caption);
    countRow->addWidget(m_count);
    countRow->addWidget(m_limitLabel);
    countRow->addStretch();
    top->addLayout(countRow);

    m_noRepeat = new QCheckBox(tr("一度出題した問題は出題しない(&A)"), this);
    top->addWidget(m_noRepeat);

    m_group = new QGroupBox(tr("間違えた問題を出題する割合(&W)"), this);
    auto* strengthRow = new QHBoxLayout(m_group);
    m_strength = new QSlider(Qt::Horizontal, m_group);
    m_strength->setRange(0, 10);
    m_strength->setPageStep(1);
    m_strength->setTickPosition(QSlider::TicksBelow);
    m_strength->setMinimumWidth(160);
    strengthRow->addWidget(new QLabel(tr("少ない"), m_group));
    strengthRow->addWidget(m_strength, 1);
    strengthRow->addWidget(new QLabel(tr("多い"), m_group));
    top->addWidget(m_group);

    auto* buttons = new QHBoxLayout;
    QPushButton* ask = DialogButtonRow(*this, buttons,
                                       {.helpTopic = kHelpCountDialog,
                                        .okText = QT_TRANSLATE_NOOP("DialogButtons", "出題")})
                           .ok;
    top->addLayout(buttons);
    connect(ask, &QPushButton::clicked, this, &CLSDlgCount::accept);

    m_noRepeat->setChecked(settings.noAlready());
    applyNoRepeat();
    connect(m_noRepeat, &QCheckBox::toggled, this, &CLSDlgCount::applyNoRepeat);
    m_count->setValue(settings.initialExamCount());
    m_strength->setValue(settings.weakPointStrength());
    m_group->setEnabled(mode.isWeak());
    m_count->setFocus();
    m_count->selectAll();
}

void CLSDlgCount::applyNoRepeat() {
    m_limit = m_exam.countLimit(m_noRepeat->isChecked());
    m_count->setStepRange(1, m_limit);
    m_limitLabel->setText(ToQString(RangeLimitText(m_limit)));
    m_count->setAccessibleDescription(m_limitLabel->text());
}

void CLSDlgCount::accept() {
    CLSVorelSettings& settings = m_exam.settings();
    settings.setWeakPointStrength(m_strength->value());
    settings.setFlag(CLSVorelSettings::kNoAlready, m_noRepeat->isChecked());
    int count = m_count->value();
    if (!IsValidExamCount(count, m_limit)) {
        m_exam.document().prompter().message(PromptIcon::Error,
                                             FromQStringWhole(tr("値が有効範囲を超えています。")));
        m_count->setFocus();
        m_count->selectAll();
        return;
    }
    settings.setInitialExamCount(count);
    QDialog::accept();
}

bool RunCountDialog(QWidget* parent, CLSExam& exam, CLSExamMode mode) {
    CLSDlgCount dialog(exam, mode, parent);
    return dialog.exec() == QDialog::Accepted;
}
