// Menus, toolbar and status bar of the main window.

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "app/Commands.h"
#include "app/MainWindow.h"
#include "app/ToolBarIcons.h"
#include "quiz/widgets/StudyScreen.h"
#include "settings/VorelSettings.h"
#include "text/widgets/QtText.h"

using namespace VorelCommand;

namespace {

// Commands whose screens come with later work stay in the menus, disabled.
bool isPending(int command) {
    switch (command) {
        case kNew:
        case kOpenExamLog:
        case kImport:
        case kExport:
        case kDataInfo:
        case kPageSetup:
        case kPreview:
        case kPrint:
        case kToEditor:
        case kToStudy:
        case kInfoPane:
        case kCard:
        case kCustomize:
            return true;
        default:
            return false;
    }
}

}  // namespace

QAction* CLSMainWindow::addAction(int command, const char* utf8Text, const char* utf8Tip) {
    auto* action = new QAction(QString::fromUtf8(utf8Text), this);
    if (utf8Tip) {
        action->setToolTip(QString::fromUtf8(utf8Tip));
        action->setStatusTip(QString::fromUtf8(utf8Tip));
    }
    connect(action, &QAction::triggered, this, [this, command] { dispatch(command); });
    m_actions.insert(command, action);
    QWidget::addAction(action);  // shortcuts work while the menus are closed
    return action;
}

void CLSMainWindow::createActions() {
    addAction(kNew, "新規作成(&N)", "新規作成");
    addAction(kOpen, "開く(&O)...", "ファイルを開く")->setShortcut(QKeySequence("Ctrl+O"));
    addAction(kOpenExamLog, "出題履歴を開く(&H)...");
    addAction(kSave, "上書き保存(&S)", "上書き保存")->setShortcut(QKeySequence("Ctrl+S"));
    addAction(kSaveAs, "名前を付けて保存(&A)...");
    addAction(kImport, "インポート(&I)...");
    addAction(kExport, "エクスポート(&E)...");
    addAction(kDataInfo, "データ情報(&N)...");
    addAction(kPageSetup, "印刷設定(&T)...");
    addAction(kPreview, "印刷プレビュー(&V)...");
    addAction(kPrint, "印刷(&P)...", "印刷")->setShortcut(QKeySequence("Ctrl+P"));
    addAction(kExit, "終了(&X)");
    addAction(kRecentClear, "履歴のクリア(&C)");

    addAction(kToEditor, "編集画面へ(&E)", "編集画面へ")->setShortcut(QKeySequence(Qt::Key_F7));
    addAction(kEditQuestion, "問題文を編集(&Q)")->setCheckable(true);

    const struct {
        int command;
        const char* text;
        const char* tip;
    } modes[] = {{kModeNormal, "通常モード(&M)", "通常モード"},
                 {kModeWritten, "記述式モード(&I)", "記述式モード"},
                 {kModeChoice, "選択式モード(&E)", "選択式モード"},
                 {kModeConfirm, "確認モード(&O)", "確認モード"}};
    auto* modeGroup = new QActionGroup(this);
    for (const auto& m : modes) {
        QAction* a = addAction(m.command, m.text, m.tip);
        a->setCheckable(true);
        modeGroup->addAction(a);
    }
    addAction(kRange, "出題範囲(&S)...", "出題範囲指定")->setShortcut(QKeySequence(Qt::Key_F8));
    addAction(kRunAll, "すべて(&A)", "すべて")->setShortcut(QKeySequence("Ctrl+A"));
    addAction(kRunRandom, "ランダム（すべて）(&N)", "ランダム（すべて）")
        ->setShortcut(QKeySequence("Ctrl+N"));
    addAction(kRunCount, "ランダム（回数指定）(&R)...", "ランダム（回数指定）")
        ->setShortcut(QKeySequence("Ctrl+R"));
    addAction(kRunWeak, "弱点問題(&W)...", "弱点問題")->setShortcut(QKeySequence("Ctrl+W"));
    addAction(kRunComplete, "完全(&C)", "完全");

    for (int command : {kToolBar, kStatusBar, kGroup, kToolHint, kInfoPane}) {
        const char* text = command == kToolBar     ? "ツールバー(&T)"
                           : command == kStatusBar ? "ステータスバー(&S)"
                           : command == kGroup     ? "グループ・正誤履歴(&G)"
                           : command == kToolHint  ? "ツールヒント(&O)"
                                                   : "情報ペイン(&I)";
        addAction(command, text)->setCheckable(true);
    }
    addAction(kHints, "問題のヒント(&H)")->setShortcut(QKeySequence("Ctrl+H"));
    addAction(kCard, "問題カード(&Q)")->setCheckable(true);
    addAction(kCustomize, "カスタマイズ(&C)...");
    addAction(kHelpContents, "目次(&C)...")->setShortcut(QKeySequence::HelpContents);
    addAction(kAbout, "バージョン情報(&A)...");
}

void CLSMainWindow::createMenus() {
    QMenuBar* bar = menuBar();
    m_fileMenu = bar->addMenu(QString::fromUtf8("ファイル(&F)"));
    for (int c : {kNew, kOpen, kOpenExamLog, kSave, kSaveAs})
        m_fileMenu->addAction(m_actions[c]);
    m_fileMenu->addSeparator();
    for (int c : {kImport, kExport, kDataInfo})
        m_fileMenu->addAction(m_actions[c]);
    m_fileMenu->addSeparator();
    for (int c : {kPageSetup, kPreview, kPrint})
        m_fileMenu->addAction(m_actions[c]);
    m_recentSeparator = m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_actions[kRecentClear]);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_actions[kExit]);
    rebuildRecentMenu();

    QMenu* edit = bar->addMenu(QString::fromUtf8("編集(&E)"));
    edit->addAction(m_actions[kToEditor]);
    edit->addSeparator();
    edit->addAction(m_actions[kEditQuestion]);

    QMenu* study = bar->addMenu(QString::fromUtf8("学習(&S)"));
    for (int c : {kModeNormal, kModeWritten, kModeChoice, kModeConfirm})
        study->addAction(m_actions[c]);
    study->addSeparator();
    study->addAction(m_actions[kRange]);
    study->addSeparator();
    for (int c : {kRunAll, kRunRandom, kRunCount, kRunWeak, kRunComplete})
        study->addAction(m_actions[c]);

    QMenu* view = bar->addMenu(QString::fromUtf8("表示(&V)"));
    for (int c : {kToolBar, kStatusBar, kGroup, kToolHint, kInfoPane})
        view->addAction(m_actions[c]);
    view->addSeparator();
    view->addAction(m_actions[kHints]);
    view->addAction(m_actions[kCard]);
    view->addSeparator();
    view->addAction(m_actions[kCustomize]);

    QMenu* help = bar->addMenu(QString::fromUtf8("ヘルプ(&H)"));
    help->addAction(m_actions[kHelpContents]);
    help->addSeparator();
    help->addAction(m_actions[kAbout]);
}

void CLSMainWindow::createToolBar() {
    m_toolBar = addToolBar(QString::fromUtf8("ツールバー"));
    m_toolBar->setObjectName("StudyToolBar");
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(20, 20));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);

    m_actions[kOpen]->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    m_actions[kPrint]->setIcon(ToolBarIcon("print"));
    m_actions[kRange]->setIcon(ToolBarIcon("range"));
    m_actions[kModeNormal]->setIcon(ToolBarIcon("mode-normal"));
    m_actions[kModeWritten]->setIcon(ToolBarIcon("mode-written"));
    m_actions[kModeChoice]->setIcon(ToolBarIcon("mode-choice"));
    m_actions[kModeConfirm]->setIcon(ToolBarIcon("mode-confirm"));
    m_actions[kRunAll]->setIcon(ToolBarIcon("run-all"));
    m_actions[kRunRandom]->setIcon(ToolBarIcon("run-random"));
    m_actions[kRunCount]->setIcon(ToolBarIcon("run-count"));
    m_actions[kRunWeak]->setIcon(ToolBarIcon("run-weak"));
    m_actions[kRunComplete]->setIcon(ToolBarIcon("run-complete"));
    m_actions[kToEditor]->setIcon(ToolBarIcon("editor"));

    // The open button drops down the recent files.
    m_openButton = new QToolButton(m_toolBar);
    m_openButton->setDefaultAction(m_actions[kOpen]);
    m_openButton->setPopupMode(QToolButton::MenuButtonPopup);
    auto* popup = new QMenu(m_openButton);
    connect(popup, &QMenu::aboutToShow, this, [this, popup] {
        popup->clear();
        if (m_settings.recentFileCount() == 0) {
            popup->addAction(QString::fromUtf8("ファイル履歴がありません"))->setEnabled(false);
            return;
        }
        for (int i = 0; i < m_settings.recentFileCount(); ++i) {
            int command = kRecentBase + 1 + i;
            popup->addAction(ToQString(m_settings.recentFileMenuText(i)), this,
                             [this, command] { dispatch(command); });
        }
    });
    m_openButton->setMenu(popup);
    m_toolBar->addWidget(m_openButton);
    m_toolBar->addAction(m_actions[kPrint]);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_actions[kRange]);
    m_toolBar->addSeparator();
    for (int c : {kModeNormal, kModeWritten, kModeChoice, kModeConfirm})
        m_toolBar->addAction(m_actions[c]);
    m_toolBar->addSeparator();
    for (int c : {kRunAll, kRunRandom, kRunCount, kRunWeak, kRunComplete})
        m_toolBar->addAction(m_actions[c]);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_actions[kToEditor]);
    m_toolBar->setVisible(m_settings.toolBar());
}

void CLSMainWindow::createStatusBar() {
    QStatusBar* bar = statusBar();
    auto* help = new QLabel(QString::fromUtf8("ヘルプを見るには F1 キーを押してください。"), bar);
    bar->addWidget(help, 1);
    m_statusParts.append(help);
    int partWidth = bar->fontMetrics().height() * 7 / 2;
    for (int i = 1; i <= 4; ++i) {
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
    if (!m_fileMenu) return;
    for (QAction* a : m_recentActions) {
        m_fileMenu->removeAction(a);
        delete a;
    }
    m_recentActions.clear();
    QAction* before = m_actions[kRecentClear];
    for (int i = 0; i < m_settings.recentFileCount(); ++i) {
        int command = kRecentBase + 1 + i;
        auto* a = new QAction(ToQString(m_settings.recentFileMenuText(i)), this);
        connect(a, &QAction::triggered, this, [this, command] { dispatch(command); });
        m_fileMenu->insertAction(before, a);
        m_recentActions.append(a);
    }
    before->setEnabled(m_settings.recentFileCount() > 0);
}

void CLSMainWindow::updateCommands() {
    for (auto it = m_actions.begin(); it != m_actions.end(); ++it) {
        int command = it.key();
        QAction* action = it.value();
        bool enabled = !isPending(command);
        if (command == kRecentClear) enabled = m_settings.recentFileCount() > 0;
        if (m_study) enabled = enabled && m_study->commandEnabled(command);
        action->setEnabled(enabled);
    }
    m_actions[kToolBar]->setChecked(m_settings.toolBar());
    m_actions[kStatusBar]->setChecked(m_settings.statusBar());
    if (m_study) {
        for (int c : {kGroup, kToolHint, kInfoPane, kEditQuestion, kModeNormal, kModeWritten,
                      kModeChoice, kModeConfirm}) {
            m_actions[c]->setChecked(m_study->commandChecked(c));
        }
    }
}
