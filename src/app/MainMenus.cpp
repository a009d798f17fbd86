// The main window's own commands, and its menus, toolbar and status bar
// built from the screen shown.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "app/MainCommands.h"
#include "app/MainHelp.h"
#include "app/MainWindow.h"
#include "data/widgets/DlgDataInfo.h"
#include "data/widgets/DlgExport.h"
#include "data/widgets/DlgImport.h"
#include "editor/widgets/EditorScreen.h"
#include "print/widgets/PrintCommands.h"
#include "quiz/widgets/DlgExamLog.h"
#include "quiz/widgets/StudyScreen.h"
#include "settings/VorelSettings.h"
#include "settings/widgets/CustomizeSheet.h"
#include "text/widgets/CommandMenus.h"
#include "text/widgets/CommandSet.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtText.h"
#include "text/widgets/Screen.h"
#include "text/widgets/StatusPart.h"

using namespace MainCommand;

void CLSMainWindow::createCommands() {
    m_commands = new CLSCommandSet(this, m_prompter);
    CLSCommandSet& c = *m_commands;
    // What is typed into the editor's card goes into the document before
    // any command of the window acts on it.
    c.setBeforeEachCommand([this](int) { m_shown->commitEdits(); });
    constexpr CLSMenu kFile = CLSMenu::kFile, kView = CLSMenu::kView, kHelp = CLSMenu::kHelp;

    c.add({.id = kNew,
           .text = QT_TRANSLATE_NOOP("CLSCommandSet", "新規作成(&N)"),
           .tip = QT_TRANSLATE_NOOP("CLSCommandSet", "新規作成"),
           .icon = "new",
           .menu = {kFile, 101},
           .toolbar = {101, kEditorScreen}},
          [this] { newDocument(); });
    c.add({.id = kOpen,
           .text = QT_TRANSLATE_NOOP("CLSCommandSet", "開く(&O)..."),
           .tip = QT_TRANSLATE_NOOP("CLSCommandSet", "ファイルを開く"),
           .shortcut = "Ctrl+O",
           .menu = {kFile, 102},
           .toolbar = {102, kEveryScreen, CLSMenu::kRecentFiles}},
          [this] { chooseAndOpen(); });
    c.add({.id = kOpenExamLog,
           .text = QT_TRANSLATE_NOOP("CLSCommandSet", "出題履歴を開く(&H)..."),
           .menu = {kFile, 103}},
          [this] { ShowExamLog(this, *m_study, [this] { showScreen(m_study); }); });
    c.add({.id = kSave,
           .text = QT_TRANSLATE_NOOP("CLSCommandSet", "上書き保存(&S)"),
           .tip = QT_TRANSLATE_NOOP("CLSCommandSet", "上書き保存"),
           .shortcut = "Ctrl+S",
           .icon = "save",
           .menu = {kFile, 104},
           .toolbar = {103, kEditorScreen}},
          [this] { save(); });
    c.add({.id = kSaveAs,
           .text = QT_TRANSLATE_NOOP("CLSCommandSet", "名前を付けて保存(&A)..."),
           .menu = {kFile, 105}},
          [this] { saveAs(); });
    c.add({.id = kImport,
           .text = QT_TRANSLATE_NOOP("CLSCommandSet", "インポート(&I)..."),
           .menu = {kFile, 201}},
          [this] {
              m_study->examFinish(true);
              ImportWithDialog(this, m_doc);
          });
    c.add(
        {.id = kExport,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "エクスポート(&E)..."),
         .menu = {kFile, 202}},
        [this] { ExportWithDialog(this, m_doc); }, [this] { return m_doc.getQuestionCount() > 0; });
    c.add({.id = kDataInfo,
           .text = QT_TRANSLATE_NOOP("CLSCommandSet", "データ情報(&N)..."),
           .menu = {kFile, 203}},
          [this] { showDataInfo(); });
    c.add(
        {.id = kPageSetup,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "印刷設定(&T)..."),
         .menu = {kFile, 301}},
        [this] { ShowPrintSettings(this, m_doc); }, [this] { return CanPrint(m_doc); });
    c.add(
        {.id = kPreview,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "印刷プレビュー(&V)..."),
         .menu = {kFile, 302}},
        [this] { ShowPrintPreview(this, m_doc); }, [this] { return CanPrint(m_doc); });
    c.add(
        {.id = kPrint,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "印刷(&P)..."),
         .tip = QT_TRANSLATE_NOOP("CLSCommandSet", "印刷"),
         .shortcut = "Ctrl+P",
         .icon = "print",
         .menu = {kFile, 303},
         .toolbar = {104}},
        [this] { PrintDocument(this, m_doc); }, [this] { return CanPrint(m_doc); });
    // The recent files stand before this, in its section.
    c.add(
        {.id = kRecentClear,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "履歴のクリア(&C)"),
         .menu = {kFile, 401}},
        [this] {
            m_settings.clearRecentFiles();
            rebuildRecentMenu();
        },
        [this] { return m_settings.recentFileCount() > 0; });
    c.add(
        {.id = kExit, .text = QT_TRANSLATE_NOOP("CLSCommandSet", "終了(&X)"), .menu = {kFile, 501}},
        [this] { close(); });
    // F7 goes back and forth; each screen's menu and toolbar has the way
    // to the other.
    c.add({.id = kToEditor,
           .text = QT_TRANSLATE_NOOP("CLSCommandSet", "編集画面へ(&E)"),
           .tip = QT_TRANSLATE_NOOP("CLSCommandSet", "編集画面へ"),
           .shortcut = "F7",
           .icon = "editor",
           .menu = {CLSMenu::kEdit, 101, kStudyScreen},
           .toolbar = {901, kStudyScreen}},
          [this] { switchScreens(); });
    c.add({.id = kToStudy,
           .text = QT_TRANSLATE_NOOP("CLSCommandSet", "学習画面へ(&S)"),
           .tip = QT_TRANSLATE_NOOP("CLSCommandSet", "学習画面へ"),
           .icon = "study",
           .menu = {CLSMenu::kStudy, 101, kEditorScreen},
           .toolbar = {901, kEditorScreen}},
          [this] { switchScreens(); });
    c.add(
        {.id = kToolBar,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "ツールバー(&T)"),
         .checkable = true,
         .menu = {kView, 101}},
        [this] {
            m_settings.setFlag(CLSVorelSettings::kToolBar, !m_settings.toolBar());
            if (m_toolBar) m_toolBar->setVisible(m_settings.toolBar());
        },
        {}, [this] { return m_settings.toolBar(); });
    c.add(
        {.id = kStatusBar,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "ステータスバー(&S)"),
         .checkable = true,
         .menu = {kView, 102}},
        [this] {
            m_settings.setFlag(CLSVorelSettings::kStatusBar, !m_settings.statusBar());
            statusBar()->setVisible(m_settings.statusBar());
        },
        {}, [this] { return m_settings.statusBar(); });
    c.add({.id = kCustomize,
           .text = QT_TRANSLATE_NOOP("CLSCommandSet", "カスタマイズ(&C)..."),
           .menu = {kView, 901}},
          [this] {
              CreateCustomizeProp(this, m_settings, &m_sound, [this] { emit settingsChanged(); });
          });
    c.add({.id = kHelpContents,
           .text = QT_TRANSLATE_NOOP("CLSCommandSet", "目次(&C)..."),
           .menu = {kHelp, 101}},
          [this] { openHelp(); });
    c.add({.id = kAbout,
           .text = QT_TRANSLATE_NOOP("CLSCommandSet", "バージョン情報(&A)..."),
           .menu = {kHelp, 201}},
          [this] { showAbout(); });
    InstallMainHelpKey(this, [this] { return m_shown->helpTopic(); });
    connect(m_commands, &CLSCommandSet::commandRan, this, &CLSMainWindow::updateCommands);
    m_commands->action(kOpen)->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
}

CLSCommandMenus CLSMainWindow::shownMenus() const {
    return CLSCommandMenus({m_commands, &m_shown->commands()}, m_shown->screenMask());
}

void CLSMainWindow::buildMenus() {
    qDeleteAll(m_recentActions);
    m_recentActions.clear();
    m_menus = std::make_unique<CLSCommandMenus>(shownMenus());
    m_menus->fillMenuBar(*menuBar());
    rebuildRecentMenu();
}

void CLSMainWindow::buildToolBar() {
    if (!m_toolBar) {
        m_toolBar = addToolBar(tr("ツールバー"));
        m_toolBar->setObjectName("StudyToolBar");
        m_toolBar->setMovable(false);
        m_toolBar->setIconSize(QSize(20, 20));
        m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    // The open button drops down the recent files; the others their menu.
    shownMenus().fillToolBar(*m_toolBar, [this](CLSMenu menu, QToolButton* button) {
        return menu == CLSMenu::kRecentFiles ? recentPopup(button) : m_menus->menu(menu);
    });
    // The toolbar is for the mouse: Tab goes from the list to the card.
    for (QToolButton* button : m_toolBar->findChildren<QToolButton*>())
        button->setFocusPolicy(Qt::NoFocus);
    m_toolBar->setVisible(m_settings.toolBar());
}

QMenu* CLSMainWindow::recentPopup(QWidget* parent) {
    auto* popup = new QMenu(parent);
    connect(popup, &QMenu::aboutToShow, this, [this, popup] {
        popup->clear();
        if (m_settings.recentFileCount() == 0) {
            popup->addAction(tr("ファイル履歴がありません"))->setEnabled(false);
            return;
        }
        for (int i = 0; i < m_settings.recentFileCount(); ++i) {
            popup->addAction(ToQString(m_settings.recentFileMenuText(i)), this,
                             [this, i] { openRecent(i); });
        }
    });
    return popup;
}

void CLSMainWindow::createStatusBar() {
    QStatusBar* bar = statusBar();
    auto* help = new QLabel(tr("ヘルプを見るには F1 キーを押してください。"), bar);
    bar->addWidget(help, 1);
    m_statusParts.append(help);
    int partWidth = bar->fontMetrics().height() * 7 / 2;
    for (int i = StatusPart::kPosition; i < StatusPart::kCount; ++i) {
        auto* label = new QLabel(bar);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setMinimumWidth(partWidth);
        bar->addPermanentWidget(label);
        m_statusParts.append(label);
    }
    bar->setSizeGripEnabled(true);
    bar->setVisible(m_settings.statusBar());
}

void CLSMainWindow::rebuildRecentMenu() {
    QMenu* file = m_menus ? m_menus->menu(CLSMenu::kFile) : nullptr;
    if (!file) return;
    for (QAction* a : m_recentActions) {
        file->removeAction(a);
        delete a;
    }
    m_recentActions.clear();
    QAction* before = m_commands->action(kRecentClear);
    for (int i = 0; i < m_settings.recentFileCount(); ++i) {
        auto* a = new QAction(ToQString(m_settings.recentFileMenuText(i)), this);
        connect(a, &QAction::triggered, this, [this, i] { openRecent(i); });
        file->insertAction(before, a);
        m_recentActions.append(a);
    }
    m_commands->update();
}

void CLSMainWindow::updateCommands() {
    m_commands->update();
    for (CLSScreen* screen : m_screenList)
        screen->commands().update();
}
