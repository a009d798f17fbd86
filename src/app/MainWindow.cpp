#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include "app/Commands.h"
#include "quiz/widgets/DialogHelp.h"
#include "quiz/widgets/StudyScreen.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/Paths.h"
#include "text/widgets/QtText.h"

CLSMainWindow::CLSMainWindow(CLSVorelSettings& settings, uint32_t seed, QWidget* parent)
    : QMainWindow(parent),
      m_settings(settings),
      m_prompter(this),
      m_random(seed),
      m_doc(settings, m_prompter) {
    setWindowTitle(QString::fromLatin1(kAppTitle));
    setMinimumSize(250, 250);
    setAcceptDrops(true);
    m_settings.setSoundPlayer(&m_sound);
    m_doc.setObserver(this);

    m_study = new CLSStudyScreen(m_doc, m_settings, m_random, m_prompter, this);
    setCentralWidget(m_study);
    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    connect(m_study, &CLSStudyScreen::statusChanged, this, [this](int part, const QString& text) {
        if (QLabel* label = statusPart(part)) label->setText(text);
    });
    connect(m_study, &CLSStudyScreen::commandsChanged, this, &CLSMainWindow::updateCommands);
    SetDialogHelpHandler([this](QWidget*, int) { openHelp(); });
    // Tool tips everywhere follow the ToolHint setting.
    qApp->installEventFilter(this);
    m_study->documentLoaded();
    updateCommands();
}

bool CLSMainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && !m_settings.toolHint()) return true;
    return QMainWindow::eventFilter(watched, event);
}

CLSMainWindow::~CLSMainWindow() {
    qApp->removeEventFilter(this);
    SetDialogHelpHandler(nullptr);
    m_doc.setObserver(nullptr);
    m_settings.setSoundPlayer(nullptr);
}

void CLSMainWindow::restorePlacement() {
    CLSWindowPlace place = m_settings.windowPlace(CLSVorelSettings::kMainWindow);
    int width = place.width > 0 ? place.width : 560;
    int height = place.height > 0 ? place.height : 480;
    resize(std::max(width, 250), std::max(height, 250));
    if (!place.hasDefaultPosition()) {
        QPoint at(place.left, place.top);
        // A placement from a larger or missing screen is moved back into view.
        QScreen* screen = QGuiApplication::screenAt(at + QPoint(20, 20));
        if (!screen) screen = QGuiApplication::primaryScreen();
        QRect work = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        at.setX(std::clamp(at.x(), work.left(), std::max(work.left(), work.right() - 120)));
        at.setY(std::clamp(at.y(), work.top(), std::max(work.top(), work.bottom() - 120)));
        move(at);
    }
    if (place.maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void CLSMainWindow::storePlacement() {
    CLSWindowPlace place = m_settings.windowPlace(CLSVorelSettings::kMainWindow);
    QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    place.left = normal.left();
    place.top = normal.top();
    place.width = normal.width();
    place.height = normal.height();
    place.maximized = isMaximized();
    m_settings.setWindowPlace(CLSVorelSettings::kMainWindow, place);
}

QLabel* CLSMainWindow::statusPart(int part) const {
    return part >= 0 && part < m_statusParts.size() ? m_statusParts[part] : nullptr;
}

bool CLSMainWindow::dispatch(int command) {
    try {
        if (m_study && m_study->handleCommand(command)) {
            updateCommands();
            return true;
        }
        bool handled = handleCommand(command);
        updateCommands();
        return handled;
    } catch (const CLSError& e) {
        showError(e, m_prompter);
        return true;
    }
}

bool CLSMainWindow::openFile(const CLSTString& path) {
    bool ok = m_doc.loadFile(path);
    updateCommands();
    return ok;
}

// ---- document observer ---------------------------------------------------------------

bool CLSMainWindow::mayLoad() {
    if (m_study) m_study->documentLoading();
    if (QLabel* part = statusPart(0)) part->setText(QString::fromUtf8("読み込み中..."));
    return true;
}

void CLSMainWindow::loaded(bool) {
    if (m_study) m_study->documentLoaded();
    activateWindow();
    updateCommands();
}

void CLSMainWindow::captionChanged(const CLSTString& caption) {
    setWindowTitle(ToQString(caption));
}

void CLSMainWindow::requestSave() {
    save();
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
    // An unchanged file is left as it is.
    try {
        if (m_study) m_study->examFinish(true);
        if (m_doc.isModified() && !m_doc.isUntitled()) {
            m_doc.saveFile(m_doc.getPath());
        } else if (m_doc.isModified() && m_doc.getItemCount() > 0) {
            saveAs();
        }
    } catch (const CLSError& e) {
        showError(e, m_prompter);
    }
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
        QString unmappable;
        if (!FromQString(url.toLocalFile(), path, &unmappable)) {
            m_prompter.message(
                PromptIcon::Error,
                FromQStringLossy(QString::fromUtf8("ファイル名に使えない文字があります: ") +
                                 unmappable));
            return;
        }
        if (m_study) m_study->examFinish(true);
        openFile(path);
        return;
    }
}
