#include "quiz/widgets/DlgOtherAnswer.h"

#include <QPushButton>

#include "data/VorelDataQuestion.h"
#include "quiz/DialogLayout.h"
#include "sentence/widgets/WndSentenceList.h"
#include "settings/VorelSettings.h"
#include "text/Error.h"
#include "text/widgets/DialogButtons.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtText.h"

CLSDlgOtherAnswer::CLSDlgOtherAnswer(const CLSVorelDataQuestion& question, const QFont& font,
                                     const CLSVorelSettings& settings,
                                     const CLSTString& mediaFolder, QWidget* parent)
    : QDialog(parent) {
    CLSTraceScope trace("OnInitDialogOfOtherAnswer");
    setWindowTitle(tr("別解"));
    const CLSVorelSkinItem& look = settings.skin().item(CLSVorelSkin::kAnswer);
    m_list = new CLSWndSentenceList(this);
    m_list->setAccessibleName(tr("別解"));
    m_list->setSentenceFont(font);
    m_list->setColours(look.textColor, look.backgroundColor);
    m_list->setLineInterval(settings.lineInterval());
    m_list->setSentences(question.answers(), mediaFolder);
    // The buttons are placed by hand, below the list (see resizeEvent).
    DialogButtonSet buttons =
        MakeDialogButtons(*this, this, {.helpTopic = kHelpOtherAnswers, .cancel = false});
    m_ok = buttons.ok;
    m_help = buttons.help;
    m_help->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    setMinimumSize(240, 160);
    // As tall as the answers need, within reason; the list scrolls beyond.
    int listWidth = 380;
    QSize needed = m_list->calculateSize(listWidth);
    int height = std::clamp(needed.height(), 80, 400) + m_ok->sizeHint().height() + 20;
    resize(listWidth + 4, height);
    m_list->setFocus();
}

void CLSDlgOtherAnswer::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    QSize button(std::max(90, m_ok->sizeHint().width()), m_ok->sizeHint().height());
    int okTop = height() - button.height() - 8;
    int right = width() - 8;
    m_help->setGeometry(right - button.width(), okTop, button.width(), button.height());
    m_ok->setGeometry(right - 2 * button.width() - 6, okTop, button.width(), button.height());
    m_list->setGeometry(ToQRect(OtherAnswersListRect(width(), okTop)));
}

void OpenOtherAnswerDialog(QWidget* owner, const CLSVorelDataQuestion& question, const QFont& font,
                           const CLSVorelSettings& settings, const CLSTString& mediaFolder) {
    CLSDlgOtherAnswer dialog(question, font, settings, mediaFolder, owner);
    dialog.exec();
}
