#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <algorithm>
#include <utility>

#include "app/MainCommands.h"
#include "data/widgets/DataFileLock.h"
#include "editor/widgets/EditorScreen.h"
#include "quiz/widgets/StudyScreen.h"
#include "settings/VorelSettings.h"
#include "settings/widgets/HelpPages.h"
#include "settings/widgets/WindowPlace.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/Paths.h"
#include "text/widgets/CommandMenus.h"
#include "text/widgets/CommandSet.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtText.h"
#include "text/widgets/TextFromUser.h"

CLSMainWindow::CLSMainWindow(CLSVorelSettings& settings, uint32_t seed, QWidget* parent)
    : CLSMainWindow(settings, seed, SystemClock(), parent) {}

CLSMainWindow::CLSMainWindow(CLSVorelSettings& settings, uint32_t seed, const Clock& clock,
                             QWidget* parent)
    : QMainWindow(parent),
      m_settings(settings),
      m_clock(clock),
      m_prompter(this),
      m_random(seed),
      m_doc(settings, m_prompter, clock) {
    setWindowTitle(QString::fromLatin1(kAppTitle));
    setMinimumSize(250, 250);
    setAcceptDrops(true);
    m_doc.setObserver(this);

    m_screens = new QStackedWidget(this);
    m_study = new CLSStudyScreen(m_doc, m_settings, m_random, m_prompter, &m_sound, m_clock, this);
    m_editor = new CLSEditorScreen(m_doc, m_settings, m_prompter, this);
    m_screens->addWidget(m_study);
    m_screens->addWidget(m_editor);
    m_screenList = {m_study, m_editor};
    m_screens->setCurrentWidget(m_study);
    m_shown = m_study;
    setCentralWidget(m_screens);
    createCommands();
    buildMenus();
    buildToolBar();
    createStatusBar();
    // Only the screen shown fills the status bar.
    connect(m_study, &CLSStudyScreen::statusChanged, this, [this](int part, const QString& text) {
        if (m_shown == m_study) showStatus(part, text);
    });
    connect(m_editor, &CLSEditorScreen::statusChanged, this, [this](int part, const QString& text) {
        if (m_shown == m_editor) showStatus(part, text);
    });
    connect(m_study, &CLSStudyScreen::commandsChanged, this, &CLSMainWindow::updateCommands);
    connect(m_editor, &CLSEditorScreen::commandsChanged, this, [this] { m_commands->update(); });
    connect(this, &CLSMainWindow::settingsChanged, m_study, &CLSStudyScreen::applySettings);
    connect(this, &CLSMainWindow::settingsChanged, m_editor, &CLSEditorScreen::applySettings);
    SetDialogHelpHandler([](QWidget* owner, int topic) { OpenHelpTopic(topic, owner); });
    // Tool tips everywhere follow the ToolHint setting.
    qApp->installEventFilter(this);
    m_study->documentLoaded();
    updateCommands();
}

bool CLSMainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && !m_settings.toolHint()) return true;
    if (event->type() == QEvent::ShortcutOverride && isMenuShortcut(watched, event)) {
        // Left unaccepted, so the menu command runs instead of the field's
        // own use of the key (Ctrl+A is "select all" in a line edit).
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CLSMainWindow::isMenuShortcut(QObject* watched, QEvent* event) const {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    QKeySequence pressed(key->keyCombination());
    for (const QAction* action : allActions()) {
        if (action->isEnabled() && !action->shortcut().isEmpty() &&
            action->shortcut().matches(pressed) == QKeySequence::ExactMatch) {
            return true;
        }
    }
    return false;
}

std::vector<QAction*> CLSMainWindow::allActions() const {
    std::vector<QAction*> all = m_commands->actions();
    for (QAction* a : shownCommands().actions())
        all.push_back(a);
    return all;
}

CLSCommandSet& CLSMainWindow::shownCommands() const {
    return m_shown->commands();
}

QAction* CLSMainWindow::action(int command) const {
    if (QAction* a = m_commands->action(command)) return a;
    // The screen shown first, then the other.
    if (QAction* a = shownCommands().action(command)) return a;
    for (CLSScreen* screen : m_screenList) {
        if (QAction* a = screen->commands().action(command)) return a;
    }
    return nullptr;
}

void CLSMainWindow::showStatus(int part, const QString& text) {
    if (QLabel* label = statusPart(part)) label->setText(text);
}

void CLSMainWindow::switchScreens() {
    showScreen(m_shown == m_study ? static_cast<CLSScreen*>(m_editor) : m_study);
}

void CLSMainWindow::showScreen(CLSScreen* screen) {
    if (screen == m_shown) return;
    // Each screen fills the status bar parts it uses; none keeps the other's.
    for (int part = 0; part < m_statusParts.size(); ++part)
        showStatus(part, QString());
    // The screen going finishes what it does first (a run ends, and its
    // result is seen; what is typed goes in).
    m_shown->leaveScreen();
    m_shown = screen;
    auto at = std::find(m_screenList.begin(), m_screenList.end(), screen);
    m_screens->setCurrentIndex(static_cast<int>(at - m_screenList.begin()));
    m_shown->enterScreen();
    buildMenus();
    buildToolBar();
    updateCommands();
}

void CLSMainWindow::newDocument() {
    m_study->examFinish(true);
    m_shown->commitEdits();
    if (!m_doc.newFile()) return;
    m_study->documentLoaded();
    m_editor->documentLoaded();
    showScreen(m_editor);
    updateCommands();
}

CLSMainWindow::~CLSMainWindow() {
    qApp->removeEventFilter(this);
    SetDialogHelpHandler(nullptr);
    m_doc.setObserver(nullptr);
    // The screens go while the document they show still exists, and
    // without telling this window, which is half gone.
    m_study->disconnect(this);
    m_editor->disconnect(this);
    m_menus.reset();
    m_shown = nullptr;
    m_screenList.clear();
    delete m_screens;
    m_screens = nullptr;
    m_study = nullptr;
    m_editor = nullptr;
}

void CLSMainWindow::restorePlacement() {
    // The stored default (560 x 480) is a quarter of today's screens: a
    // window never placed before opens larger; a stored placement wins.
    RestoreWindowPlaceOrFirstStart(this, m_settings, CLSVorelSettings::kMainWindow, QSize(900, 640),
                                   QSize(250, 250));
}

void CLSMainWindow::storePlacement() {
    StoreWindowPlace(this, m_settings, CLSVorelSettings::kMainWindow);
}

QLabel* CLSMainWindow::statusPart(int part) const {
    return part >= 0 && part < m_statusParts.size() ? m_statusParts[part] : nullptr;
}

bool CLSMainWindow::dispatch(int command) {
    updateCommands();
    if (m_commands->trigger(command)) return true;
    return shownCommands().trigger(command);
}

bool CLSMainWindow::openFile(const CLSTString& path) {
    bool ok = m_doc.loadFile(path);
    updateCommands();
    return ok;
}

// ---- document observer ---------------------------------------------------------------

bool CLSMainWindow::mayLoad() {
    // The card writes back first: its edit belongs to the old document.
    if (m_shown) m_shown->commitEdits();
    if (m_study) m_study->documentLoading();
    if (QLabel* part = statusPart(0)) part->setText(tr("読み込み中..."));
    return true;
}

bool CLSMainWindow::mayOpen(const CLSTString& path) {
    m_opening = true;
    m_openingPath = path;
    m_openingReadOnly = false;
    m_openingLock.reset();
    // Opening our own file again keeps the lock we hold.
    if (m_lock && m_lock->path() == path) return true;
    auto lock = std::make_unique<CLSDataFileLock>(path);
    if (lock->state() == CLSDataFileLock::State::kHeld) {
        CLSLockedOpen how = AskAboutLock(m_doc.prompter(), lock->holder());
        if (how == CLSLockedOpen::kCancelled) {
            m_opening = false;
            return false;
        }
        m_openingReadOnly = how == CLSLockedOpen::kReadOnly;
        return true;
    }
    if (lock->state() == CLSDataFileLock::State::kLocked) m_openingLock = std::move(lock);
    return true;
}

void CLSMainWindow::loaded(bool ok) {
    // The lock follows the file shown: a file read again (to take the
    // answers given here) keeps it, another one brings its own.
    if (std::exchange(m_opening, false) && ok && m_doc.getPath() == m_openingPath) {
        if (m_openingLock) {
            m_lock = std::move(m_openingLock);
        } else if (m_lock && m_lock->path() != m_openingPath) {
            m_lock.reset();
        }
        if (m_openingReadOnly) m_doc.setReadOnly(true);
    } else if (m_lock && m_lock->path() != m_doc.getPath()) {
        m_lock.reset();
    }
    m_openingLock.reset();
    reloaded();
}

void CLSMainWindow::reloading() {
    mayLoad();
}

void CLSMainWindow::reloaded() {
    if (m_study) m_study->documentLoaded();
    if (m_editor) m_editor->documentLoaded();
    activateWindow();
    updateCommands();
}

void CLSMainWindow::captionChanged(const CLSTString& caption) {
    // A document emptied or saved under another name lets its old file go.
    if (m_lock && m_lock->path() != m_doc.getPath()) m_lock.reset();
    setWindowTitle(ToQString(caption));
}

bool CLSMainWindow::requestSave() {
    bool untitled = m_doc.isUntitled();
    CLSSaveResult result = saveDocument();
    // An untitled document whose save dialog was cancelled goes, as it
    // always did; a file whose save was left undecided stays.
    return untitled || result != CLSSaveResult::kCancelled;
}

bool CLSMainWindow::saveUnderAnotherName() {
    return saveAs();
}

void CLSMainWindow::recentFilesChanged() {
    rebuildRecentMenu();
}

// ---- window events -------------------------------------------------------------------

void CLSMainWindow::closeEvent(QCloseEvent* event) {
    if (m_closing) {
        event->accept();
        return;
    }
    m_closing = true;
    // Closing saves a modified document: a named one silently, an untitled
    // one with content through the save dialog (cancelling still closes).
    // An unchanged file is left as it is, and so is one open read-only.
    // When another program changed the file and the learner made no
    // decision (Esc, or the save dialog cancelled), the window stays open
    // with everything in it.
    try {
        if (m_study) m_study->examFinish(true);
        CLSScreen* shown = m_shown;
        shown->windowClosing();
        if (m_doc.isModified() && !m_doc.isUntitled() && !m_doc.isReadOnly()) {
            if (m_doc.save(m_doc.getPath()) == CLSSaveResult::kCancelled) {
                if (shown == m_shown) shown->closeCancelled();
                m_closing = false;
                event->ignore();
                return;
            }
        } else if (m_doc.isModified() && m_doc.getItemCount() > 0 && m_doc.isUntitled()) {
            saveAs();
        }
    } catch (const CLSError& e) {
        showError(e, m_prompter);
    }
    m_lock.reset();
    storePlacement();
    event->accept();
}

void CLSMainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CLSMainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    // Of several dropped files only the first is opened.
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) continue;
        event->acceptProposedAction();
        CLSTString path;
        if (!PathFromChosen(url.toLocalFile(), path, m_prompter)) return;
        if (m_study) m_study->examFinish(true);
        openFile(path);
        return;
    }
}
