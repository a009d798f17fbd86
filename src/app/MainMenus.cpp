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
#include "editor/EditorCommandIds.h"
#include "editor/widgets/EditorScreen.h"
#include "print/widgets/PrintCommands.h"
#include "quiz/widgets/DlgExamLog.h"
#include "quiz/widgets/StudyCommands.h"
#include "quiz/widgets/StudyScreen.h"
#include "settings/VorelSettings.h"
#include "settings/widgets/CustomizeSheet.h"
#include "text/widgets/CommandSet.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtText.h"
#include "text/widgets/StatusPart.h"

using namespace MainCommand;
using namespace StudyCommand;

namespace {

struct MenuLayout {
    const char* title;
    std::vector<int> items;  // command numbers; 0 a separator, kRecentFiles the recent files
};

// The menus of the study screen; the commands are the main window's or the
// study screen's.
const std::vector<MenuLayout>& studyMenus() {
    static const std::vector<MenuLayout> menus = {
        {"ファイル(&F)",
         {kNew, kOpen, kOpenExamLog, kSave, kSaveAs, 0, kImport, kExport, kDataInfo, 0, kPageSetup,
          kPreview, kPrint, 0, kRecentFiles, kRecentClear, 0, kExit}},
        {"編集(&E)", {kToEditor, 0, kEditQuestion}},
        {"学習(&S)",
         {kModeNormal, kModeWritten, kModeChoice, kModeConfirm, 0, kRange, 0, kRunAll, kRunRandom,
          kRunCount, kRunWeak, kRunComplete}},
        {"表示(&V)",
         {kToolBar, kStatusBar, kGroup, kToolHint, kInfoPane, 0, kHints, kCard, 0, kCustomize}},
        {"ヘルプ(&H)", {kHelpContents, 0, kAbout}},
    };
    return menus;
}

// The menus of the editor.
const std::vector<MenuLayout>& editorMenus() {
    namespace E = EditorCommand;
    static const std::vector<MenuLayout> menus = {
        {"ファイル(&F)",
         {kNew, kOpen, kOpenExamLog, kSave, kSaveAs, 0, kImport, kExport, kDataInfo, 0, kPageSetup,
          kPreview, kPrint, 0, kRecentFiles, kRecentClear, 0, kExit}},
        {"編集(&E)",
         {E::kUndo, E::kRedo, 0, E::kCut, E::kCopy, E::kPaste, E::kDelete, 0, E::kSelectAll, 0,
          E::kFind, E::kFindNext, E::kFindPrevious, 0, E::kInsertMedia}},
        {"カード(&C)",
         {E::kAddTitle, E::kAddQuestion, kInsertSubmenu, E::kCardDelete, 0, E::kGroupNames,
          E::kMessage, 0, E::kSelectWhere, E::kInvertSelection, 0, E::kMoveUp, E::kMoveDown, 0,
          E::kSort, E::kChangeGroup, E::kClearHistory, kMarkSubmenu, E::kSwap}},
        {"学習(&S)", {kToStudy}},
        {"表示(&V)", {kToolBar, kStatusBar, 0, kCustomize}},
        {"ヘルプ(&H)", {kHelpContents, 0, kAbout}},
    };
    return menus;
}

const std::vector<int>& editorToolBar() {
    namespace E = EditorCommand;
    static const std::vector<int> buttons = {kNew,
                                             kOpen,
                                             kSave,
                                             kPrint,
                                             0,
                                             E::kUndo,
                                             E::kCut,
                                             E::kCopy,
                                             E::kPaste,
                                             E::kDelete,
                                             0,
                                             E::kFind,
                                             0,
                                             E::kAddQuestion,
                                             E::kInsertQuestion,
                                             E::kMoveUp,
                                             E::kMoveDown,
                                             E::kSort,
                                             0,
                                             kToStudy};
    return buttons;
}

const std::vector<int>& studyToolBar() {
    static const std::vector<int> buttons = {
        kOpen,       kPrint,       0,           kRange,       0,
        kModeNormal, kModeWritten, kModeChoice, kModeConfirm, 0,
        kRunAll,     kRunRandom,   kRunCount,   kRunWeak,     kRunComplete,
        0,           kToEditor};
    return buttons;
}

}  // namespace

void CLSMainWindow::createCommands() {
    m_commands = new CLSCommandSet(this, m_prompter);
    CLSCommandSet& c = *m_commands;
    // What is typed into the editor's card goes into the document before
    // any command of the window acts on it.
    c.setBeforeEachCommand([this](int) {
        if (isEditorShown()) m_editor->commitCard();
    });
    c.add({kNew, "新規作成(&N)", "新規作成", nullptr, "new"}, [this] { newDocument(); });
    c.add({kOpen, "開く(&O)...", "ファイルを開く", "Ctrl+O"}, [this] { chooseAndOpen(); });
    c.add({kOpenExamLog, "出題履歴を開く(&H)..."}, [this] {
        ShowExamLog(this, *m_study, [this] {
            if (isEditorShown()) switchScreens();
        });
    });
    c.add({kSave, "上書き保存(&S)", "上書き保存", "Ctrl+S", "save"}, [this] { save(); });
    c.add({kSaveAs, "名前を付けて保存(&A)..."}, [this] { saveAs(); });
    c.add({kImport, "インポート(&I)..."}, [this] {
        m_study->examFinish(true);
        ImportWithDialog(this, m_doc);
    });
    c.add(
        {kExport, "エクスポート(&E)..."}, [this] { ExportWithDialog(this, m_doc); },
        [this] { return m_doc.getQuestionCount() > 0; });
    c.add({kDataInfo, "データ情報(&N)..."}, [this] { showDataInfo(); });
    c.add(
        {kPageSetup, "印刷設定(&T)..."}, [this] { ShowPrintSettings(this, m_doc); },
        [this] { return CanPrint(m_doc); });
    c.add(
        {kPreview, "印刷プレビュー(&V)..."}, [this] { ShowPrintPreview(this, m_doc); },
        [this] { return CanPrint(m_doc); });
    c.add(
        {kPrint, "印刷(&P)...", "印刷", "Ctrl+P", "print"}, [this] { PrintDocument(this, m_doc); },
        [this] { return CanPrint(m_doc); });
    c.add({kExit, "終了(&X)"}, [this] { close(); });
    c.add(
        {kRecentClear, "履歴のクリア(&C)"},
        [this] {
            m_settings.clearRecentFiles();
            rebuildRecentMenu();
        },
        [this] { return m_settings.recentFileCount() > 0; });
    c.add({kToEditor, "編集画面へ(&E)", "編集画面へ", "F7", "editor"}, [this] { switchScreens(); });
    c.add({kToStudy, "学習画面へ(&S)", "学習画面へ", nullptr, "study"},
          [this] { switchScreens(); });
    c.add(
        {kToolBar, "ツールバー(&T)", nullptr, nullptr, nullptr, true},
        [this] {
            m_settings.setFlag(CLSVorelSettings::kToolBar, !m_settings.toolBar());
            if (m_toolBar) m_toolBar->setVisible(m_settings.toolBar());
        },
        {}, [this] { return m_settings.toolBar(); });
    c.add(
        {kStatusBar, "ステータスバー(&S)", nullptr, nullptr, nullptr, true},
        [this] {
            m_settings.setFlag(CLSVorelSettings::kStatusBar, !m_settings.statusBar());
            statusBar()->setVisible(m_settings.statusBar());
        },
        {}, [this] { return m_settings.statusBar(); });
    c.add({kCustomize, "カスタマイズ(&C)..."}, [this] {
        CreateCustomizeProp(this, m_settings, &m_sound, [this] { emit settingsChanged(); });
    });
    c.add({kHelpContents, "目次(&C)..."}, [this] { openHelp(); });
    InstallMainHelpKey(this, [this]() -> int {
        if (isEditorShown()) return m_editor->helpTopic();
        return m_study->isRunning() ? kHelpRunning : kHelpStudy;
    });
    c.add({kAbout, "バージョン情報(&A)..."}, [this] { showAbout(); });
    connect(m_commands, &CLSCommandSet::commandRan, this, &CLSMainWindow::updateCommands);
    m_commands->action(kOpen)->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
}

void CLSMainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->clear();
    m_fileMenu = nullptr;
    m_recentSeparator = nullptr;
    m_recentActions.clear();
    for (const MenuLayout& layout : isEditorShown() ? editorMenus() : studyMenus()) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(layout.title));
        for (int id : layout.items) {
            if (id == 0) {
                menu->addSeparator();
            } else if (id == kInsertSubmenu) {
                menu->addMenu(m_editor->insertMenu());
            } else if (id == kMarkSubmenu) {
                menu->addMenu(m_editor->markMenu());
            } else if (id == kRecentFiles) {
                m_fileMenu = menu;
                m_recentSeparator = menu->addSeparator();
            } else if (QAction* a = action(id)) {
                menu->addAction(a);
            }
        }
    }
    rebuildRecentMenu();
}

void CLSMainWindow::buildToolBar() {
    if (!m_toolBar) {
        m_toolBar = addToolBar(QString::fromUtf8("ツールバー"));
        m_toolBar->setObjectName("StudyToolBar");
        m_toolBar->setMovable(false);
        m_toolBar->setIconSize(QSize(20, 20));
        m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    m_toolBar->clear();
    for (int id : isEditorShown() ? editorToolBar() : studyToolBar()) {
        if (id == 0) {
            m_toolBar->addSeparator();
        } else if (id == EditorCommand::kInsertQuestion) {
            // The insert button drops down every kind of line.
            auto* button = new QToolButton(m_toolBar);
            button->setDefaultAction(action(id));
            button->setPopupMode(QToolButton::MenuButtonPopup);
            button->setMenu(m_editor->insertMenu());
            m_toolBar->addWidget(button);
        } else if (id == kOpen) {
            // The open button drops down the recent files.
            auto* button = new QToolButton(m_toolBar);
            button->setDefaultAction(action(kOpen));
            button->setPopupMode(QToolButton::MenuButtonPopup);
            button->setMenu(recentPopup(button));
            m_toolBar->addWidget(button);
        } else if (QAction* a = action(id)) {
            m_toolBar->addAction(a);
        }
    }
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
            popup->addAction(QString::fromUtf8("ファイル履歴がありません"))->setEnabled(false);
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
    auto* help = new QLabel(QString::fromUtf8("ヘルプを見るには F1 キーを押してください。"), bar);
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
    if (!m_fileMenu) return;
    for (QAction* a : m_recentActions) {
        m_fileMenu->removeAction(a);
        delete a;
    }
    m_recentActions.clear();
    QAction* before = m_commands->action(kRecentClear);
    for (int i = 0; i < m_settings.recentFileCount(); ++i) {
        auto* a = new QAction(ToQString(m_settings.recentFileMenuText(i)), this);
        connect(a, &QAction::triggered, this, [this, i] { openRecent(i); });
        m_fileMenu->insertAction(before, a);
        m_recentActions.append(a);
    }
    m_commands->update();
}

void CLSMainWindow::updateCommands() {
    m_commands->update();
    if (m_study) m_study->commands().update();
    if (m_editor) m_editor->commands().update();
}
