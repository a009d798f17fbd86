#include "quiz/widgets/DlgReaskMenu.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "settings/VorelSettings.h"
#include "text/widgets/DialogButtons.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtText.h"

CLSDlgReaskMenu::CLSDlgReaskMenu(CLSVorelSettings& settings, bool linesSelected, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setWindowTitle(tr("再出題メニュー"));
    auto* layout = new QVBoxLayout(this);
    m_wrong = new QRadioButton(tr("間違えた問題を再出題する(&T)"), this);
    m_all = new QRadioButton(tr("すべての問題を再出題する(&A)"), this);
    m_selected = new QRadioButton(tr("選択された問題を再出題する(&S)"), this);
    m_wrong->setChecked(true);
    m_selected->setEnabled(linesSelected);
    m_random = new QCheckBox(tr("ランダムに出題(&R)"), this);
    m_random->setChecked(settings.retryRandom());
    for (QWidget* w : {static_cast<QWidget*>(m_wrong), static_cast<QWidget*>(m_all),
                       static_cast<QWidget*>(m_selected)})
        layout->addWidget(w);
    layout->addSpacing(8);
    layout->addWidget(m_random);
    layout->addStretch();

    auto* buttons = new QHBoxLayout;
    m_ok = DialogButtonRow(*this, buttons, {.helpTopic = kHelpReaskMenu}).ok;
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &CLSDlgReaskMenu::accept);
}

CLSExamMode::Kind CLSDlgReaskMenu::kind() const {
    if (m_all->isChecked()) return CLSExamMode::kRetryAll;
    if (m_selected->isChecked()) return CLSExamMode::kRetrySelected;
    return CLSExamMode::kRetryWrong;
}

bool CLSDlgReaskMenu::random() const {
    return m_random->isChecked();
}

void CLSDlgReaskMenu::accept() {
    m_settings.setFlag(CLSVorelSettings::kRetryRandom, m_random->isChecked());
    QDialog::accept();
}
