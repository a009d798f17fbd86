#pragma once

#include <QMainWindow>
#include <memory>
#include <vector>

#include "data/VorelDataFile.h"
#include "quiz/Random.h"
#include "settings/widgets/QtSoundPlayer.h"
#include "text/widgets/QtPrompter.h"

class CLSCommandMenus;
class CLSCommandSet;
class CLSScreen;
class CLSDataFileLock;
class CLSEditorScreen;
class CLSVorelSettings;
class CLSStudyScreen;
class Clock;
class QAction;
class QLabel;
class QMenu;
class QStackedWidget;
class QToolBar;
class QToolButton;

/// The one top-level window: menus, toolbar, status bar and the screen
/// shown (the study screen). It owns the document and its own commands
/// (files, view toggles, help); each screen owns its commands, and the menus
/// and toolbar are built from the screen shown.
class CLSMainWindow : public QMainWindow, private DocumentObserver {
    Q_OBJECT

  public:
    CLSMainWindow(CLSVorelSettings& settings, uint32_t seed, QWidget* parent = nullptr);
    /// With the clock the document and the runs go by (tests pass a fake one).
    CLSMainWindow(CLSVorelSettings& settings, uint32_t seed, const Clock& clock,
                  QWidget* parent = nullptr);
    ~CLSMainWindow() override;

    /// Runs a command by its number as its menu item or key would; false
    /// when no command has that number.
    bool dispatch(int command);
    /// The action of a command of this window or of the screen shown.
    QAction* action(int command) const;
    /// Loads a data file the way every open command does.
    bool openFile(const CLSTString& path);
    /// Places the window as the settings remember it.
    void restorePlacement();

    CLSVorelDataFile& document() { return m_doc; }
    CLSStudyScreen* studyScreen() const { return m_study; }
    CLSEditorScreen* editorScreen() const { return m_editor; }
    /// The screen shown (the study screen or the editor).
    CLSScreen& shownScreen() const { return *m_shown; }
    /// The study screen and the editor change places (F7); a run going on ends first.
    void switchScreens();
    /// Shows a screen, when it is not the one shown: the other one goes first.
    void showScreen(CLSScreen* screen);
    QLabel* statusPart(int part) const;
    QtPrompter& prompter() { return m_prompter; }
    /// Sets the enabled and checked states of every command.
    void updateCommands();

  signals:
    /// The learner changed the settings (the customisation sheet stored
    /// them): every screen shown applies them again. Each screen connects
    /// to it when it is created.
    void settingsChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    /// Whether a key about to reach a widget of this window is an enabled
    /// command's shortcut, which then wins over the widget.
    bool isMenuShortcut(QObject* watched, QEvent* event) const;
    /// The main window's commands and those of the screen shown.
    std::vector<QAction*> allActions() const;
    CLSCommandSet& shownCommands() const;
    void showStatus(int part, const QString& text);
    /// A new, empty document, edited at once.
    void newDocument();

    // DocumentObserver
    bool mayLoad() override;
    bool mayOpen(const CLSTString& path) override;
    void loaded(bool ok) override;
    void reloading() override;
    void reloaded() override;
    void captionChanged(const CLSTString& caption) override;
    bool requestSave() override;
    bool saveUnderAnotherName() override;
    void recentFilesChanged() override;

    // MainMenus.cpp
    void createCommands();
    /// The menus and toolbar of the screen shown, as its commands and the
    /// window's declare them.
    CLSCommandMenus shownMenus() const;
    void buildMenus();
    void buildToolBar();
    void createStatusBar();
    void rebuildRecentMenu();
    QMenu* recentPopup(QWidget* parent);

    // MainFileCommands.cpp
    void chooseAndOpen();
    void openRecent(int index);
    bool save() { return saveDocument() == CLSSaveResult::kSaved; }
    CLSSaveResult saveDocument();
    bool saveAs();
    void openHelp();
    void showDataInfo();
    void showAbout();
    void storePlacement();

    CLSVorelSettings& m_settings;
    const Clock& m_clock;
    QtPrompter m_prompter;
    CLSRandom m_random;
    QtSoundPlayer m_sound;
    CLSVorelDataFile m_doc;
    QStackedWidget* m_screens = nullptr;
    CLSStudyScreen* m_study = nullptr;
    CLSEditorScreen* m_editor = nullptr;
    // The screens in the order of m_screens, and the one shown.
    std::vector<CLSScreen*> m_screenList;
    CLSScreen* m_shown = nullptr;
    CLSCommandSet* m_commands = nullptr;
    std::unique_ptr<CLSCommandMenus> m_menus;
    QList<QAction*> m_recentActions;
    QToolBar* m_toolBar = nullptr;
    QList<QLabel*> m_statusParts;
    bool m_closing = false;
    // The lock of the open file, and the one taken for a file being opened
    // until it has loaded.
    std::unique_ptr<CLSDataFileLock> m_lock;
    std::unique_ptr<CLSDataFileLock> m_openingLock;
    CLSTString m_openingPath;
    bool m_opening = false;
    bool m_openingReadOnly = false;
};
