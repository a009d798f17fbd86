#include "settings/widgets/CustomizeSheet.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include "settings/SoundPlayer.h"
#include "settings/VorelSettings.h"
#include "settings/widgets/CustomizePages.h"
#include "settings/widgets/DesignPage.h"
#include "settings/widgets/ReviewPage.h"
#include "text/Error.h"
#include "text/widgets/DialogButtons.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtText.h"

namespace {

// The page shown last, where the sheet opens next time during this run.
int& lastPage() {
    static int page = 0;
    return page;
}

}  // namespace

CLSCustomizeSheet::CLSCustomizeSheet(CLSVorelSettings& settings, SoundPlayer* player,
                                     QWidget* parent)
    : QDialog(parent), m_settings(settings), m_player(player), m_prompter(this) {
    setWindowTitle(tr("カスタマイズ"));
    m_tabs = new QTabWidget(this);
    m_pages = {
        new CLSGeneralPageWidget(settings, m_prompter, m_tabs),
        new CLSSoundPageWidget(settings, m_prompter, player, m_tabs),
        new CLSComparisonPageWidget(settings, m_prompter, m_tabs),
        new CLSDesignPageWidget(settings, m_prompter, m_tabs),
        new CLSQuestionPageWidget(settings, m_tabs),
        new CLSAnswerPageWidget(settings, m_tabs),
        new CLSReviewPageWidget(settings, m_prompter, m_tabs),
    };
    // The help button comes after 適用 and opens the topic of the page in front.
    QDialogButtonBox* buttons = DialogButtons(*this, 0);
    m_apply = buttons->addButton(tr("適用(&A)"), QDialogButtonBox::ApplyRole);
    QPushButton* help = buttons->addButton(tr("ヘルプ"), QDialogButtonBox::HelpRole);
    m_apply->setEnabled(false);
    for (CLSCustomizePage* page : m_pages) {
        m_tabs->addTab(page, page->title());
        page->placeResetLast();
        connect(page, &CLSCustomizePage::changed, this, [this] { m_apply->setEnabled(true); });
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &CLSCustomizeSheet::accept);
    connect(m_apply, &QPushButton::clicked, this, [this] {
        if (apply()) m_apply->setEnabled(false);
    });
    // F1 anywhere in the sheet, like its help button, opens the topic of the
    // page in front.
    auto showHelp = [this] { ShowDialogHelp(this, page(m_tabs->currentIndex())->helpTopic()); };
    connect(help, &QPushButton::clicked, this, showHelp);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, showHelp);
    m_tabs->setCurrentIndex(std::clamp(lastPage(), 0, kPageCount - 1));
    connect(m_tabs, &QTabWidget::currentChanged, this, [](int index) { lastPage() = index; });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buttons);
}

CLSCustomizePage* CLSCustomizeSheet::page(int index) const {
    return index >= 0 && index < static_cast<int>(m_pages.size()) ? m_pages[index] : nullptr;
}

bool CLSCustomizeSheet::apply() {
    // Every page is judged before any stores, so a refusal leaves the
    // settings exactly as they were.
    for (size_t i = 0; i < m_pages.size(); ++i) {
        CLSTString refusal = m_pages[i]->refusal();
        if (refusal.isEmpty()) continue;
        m_tabs->setCurrentIndex(static_cast<int>(i));
        m_prompter.message(PromptIcon::Warning, refusal);
        return false;
    }
    CLSTraceScope trace("CreateCustomizeProp::apply");
    for (CLSCustomizePage* page : m_pages)
        page->store(m_settings);
    emit applied();
    return true;
}

void CLSCustomizeSheet::accept() {
    if (apply()) QDialog::accept();
}

void CLSCustomizeSheet::done(int result) {
    if (m_player) m_player->stop();
    QDialog::done(result);
}

void CreateCustomizeProp(QWidget* owner, CLSVorelSettings& settings, SoundPlayer* player,
                         const std::function<void()>& applied) {
    CLSTraceScope trace("CreateCustomizeProp");
    // File choosers of the pages may move the current folder; relative names
    // elsewhere rely on it.
    QString folder = QDir::currentPath();
    CLSCustomizeSheet sheet(settings, player, owner);
    if (applied) QObject::connect(&sheet, &CLSCustomizeSheet::applied, &sheet, applied);
    sheet.exec();
    QDir::setCurrent(folder);
}
