#pragma once

#include <QHash>
#include <QMainWindow>
#include <memory>

#include "data/VorelDataFile.h"
#include "quiz/Random.h"
#include "settings/widgets/QtSoundPlayer.h"
#include "text/widgets/QtPrompter.h"

class CLSVorelSettings;
class CLSStudyScreen;
class QAction;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;

/// The one top-level window: menus, toolbar, status bar and the study
/// screen. It owns the document and routes every command: first to the
/// study screen, then to its own handlers.
class CLSMainWindow : public QMainWindow, private DocumentObserver {
    Q_OBJECT

  public:
    CLSMainWindow(CLSVorelSettings& settings, uint32_t seed, QWidget* parent = nullptr);
    ~CLSMainWindow() override;

    /// Carries out a command; false when nobody handles it.
    bool dispatch(int command);
    /// Loads a data file the way every open command does.
    bool openFile(const CLSTString& path);
    /// Places the window as the settings remember it.
    void restorePlacement();

    CLSVorelDataFile& document() { return m_doc; }
    CLSStudyScreen* studyScreen() const { return m_study; }
    QAction* action(int command) const { return m_actions.value(command); }
    QLabel* statusPart(int part) const;
    QtPrompter& prompter() { return m_prompter; }
    /// Sets the enabled and checked states of every command.
    void updateCommands();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    /// Whether a key about to reach a widget of this window is an enabled
    /// command's shortcut, which then wins over the widget.
    bool isMenuShortcut(QObject* watched, QEvent* event) const;

    // DocumentObserver
    bool mayLoad() override;
    void loaded(bool ok) override;
    void captionChanged(const CLSTString& caption) override;
    void requestSave() override;
    void recentFilesChanged() override;

    // MainMenus.cpp
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    QAction* addAction(int command, const char* utf8Text, const char* utf8Tip = nullptr);
    void rebuildRecentMenu();
    void showRecentPopup();

    // MainFileCommands.cpp
    bool handleCommand(int command);
    void chooseAndOpen();
    bool save();
    bool saveAs();
    void openHelp();
    void showAbout();
    void storePlacement();

    CLSVorelSettings& m_settings;
    QtPrompter m_prompter;
    CLSRandom m_random;
    QtSoundPlayer m_sound;
    CLSVorelDataFile m_doc;
    CLSStudyScreen* m_study = nullptr;
    QHash<int, QAction*> m_actions;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentSeparator = nullptr;
    QList<QAction*> m_recentActions;
    QToolBar* m_toolBar = nullptr;
    QToolButton* m_openButton = nullptr;
    QList<QLabel*> m_statusParts;
    bool m_closing = false;
};
