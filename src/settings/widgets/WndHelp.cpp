#include "settings/widgets/WndHelp.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QWindow>

#include "settings/widgets/HelpPages.h"
#include "text/Language.h"
#include "text/widgets/DesktopOpen.h"
#include "text/widgets/FocusMark.h"
#include "text/widgets/QtPrompter.h"
#include "text/widgets/QtText.h"

namespace {

const char* const kHelpTitle = QT_TRANSLATE_NOOP("CLSWndHelp", "Vorel ヘルプ");
// Highlighting every match of a one-letter word on a long page would cost
// more than it shows.
constexpr int kMostHighlights = 500;

QPointer<CLSWndHelp>& sharedWindow() {
    static QPointer<CLSWndHelp> window;
    return window;
}

void deleteSharedWindow() {
    delete sharedWindow().data();
}

}  // namespace

CLSWndHelp::CLSWndHelp(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr(kHelpTitle));
    setAccessibleName(tr(kHelpTitle));
    // The help stays open beside the program but never keeps it running.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(6, 6, 6, 6);
    createToolRow(top);

    m_browser = new QTextBrowser(this);
    m_browser->setAccessibleName(tr("ヘルプのページ"));
    MarkFocusOf(m_browser);
    // Links are followed here, so that a page outside the help goes to the
    // desktop and a missing page is reported instead of shown blank.
    m_browser->setOpenLinks(false);
    top->addWidget(m_browser, 1);
    createFindBar(top);

    connect(m_browser, &QTextBrowser::anchorClicked, this, &CLSWndHelp::followLink);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        QString title = m_browser->documentTitle();
        setWindowTitle(title.isEmpty() ? tr(kHelpTitle) : title);
        highlightMatches();
    });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &CLSWndHelp::escape);

    QSize size(760, 620);
    if (QScreen* screen = QApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    resize(size);
}

QAction* CLSWndHelp::addCommand(const QString& text, const QList<QKeySequence>& keys) {
    auto* action = new QAction(text, this);
    action->setShortcuts(keys);
    action->setToolTip(
        QString("%1 (%2)").arg(text, keys.first().toString(QKeySequence::NativeText)));
    addAction(action);
    return action;
}

void CLSWndHelp::createToolRow(QBoxLayout* top) {
    m_back =
        addCommand(tr("戻る"), {QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::Key_Back)});
    m_forward = addCommand(tr("進む"),
                           {QKeySequence(Qt::ALT | Qt::Key_Right), QKeySequence(Qt::Key_Forward)});
    m_contents = addCommand(tr("目次"), {QKeySequence(Qt::ALT | Qt::Key_Home)});
    m_find = addCommand(tr("検索"), {QKeySequence(Qt::CTRL | Qt::Key_F)});
    m_back->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    m_forward->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    m_contents->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    auto* next = addCommand(tr("次を検索"), {QKeySequence(Qt::Key_F3)});
    auto* previous = addCommand(tr("前を検索"), {QKeySequence(Qt::SHIFT | Qt::Key_F3)});

    auto* row = new QHBoxLayout;
    for (QAction* action : {m_back, m_forward, m_contents, m_find}) {
        auto* button = new QToolButton(this);
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::TabFocus);
        button->setAccessibleName(action->text());
        row->addWidget(button);
    }
    row->addStretch();
    top->addLayout(row);

    connect(m_back, &QAction::triggered, this, &CLSWndHelp::goBack);
    connect(m_forward, &QAction::triggered, this, &CLSWndHelp::goForward);
    connect(m_contents, &QAction::triggered, this, &CLSWndHelp::showContents);
    connect(m_find, &QAction::triggered, this, &CLSWndHelp::openFind);
    auto findOrOpen = [this](bool backwards) {
        if (m_findBar->isHidden() || m_findField->text().isEmpty()) {
            openFind();
        } else {
            findNext(backwards);
        }
    };
    connect(next, &QAction::triggered, this, [findOrOpen] { findOrOpen(false); });
    connect(previous, &QAction::triggered, this, [findOrOpen] { findOrOpen(true); });
}

void CLSWndHelp::createFindBar(QBoxLayout* top) {
    m_findBar = new QWidget(this);
    auto* row = new QHBoxLayout(m_findBar);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(tr("ページ内を検索(&S):"), m_findBar);
    m_findField = new QLineEdit(m_findBar);
    m_findField->setAccessibleName(tr("ページ内を検索する語"));
    m_findField->setClearButtonEnabled(true);
    m_findField->installEventFilter(this);
    label->setBuddy(m_findField);
    auto* previous = new QToolButton(m_findBar);
    previous->setText(tr("前へ(&P)"));
    previous->setAccessibleName(tr("前を検索"));
    auto* next = new QToolButton(m_findBar);
    next->setText(tr("次へ(&N)"));
    next->setAccessibleName(tr("次を検索"));
    auto* close = new QToolButton(m_findBar);
    close->setText(tr("閉じる"));
    close->setAccessibleName(tr("検索バーを閉じる"));
    for (QToolButton* b : {previous, next, close})
        b->setFocusPolicy(Qt::TabFocus);
    m_findStatus = new QLabel(m_findBar);
    m_findStatus->setAccessibleName(tr("検索の結果"));
    row->addWidget(label);
    row->addWidget(m_findField, 1);
    row->addWidget(previous);
    row->addWidget(next);
    row->addWidget(m_findStatus);
    row->addWidget(close);
    top->addWidget(m_findBar);
    m_findBar->hide();

    connect(previous, &QToolButton::clicked, this, [this] { findNext(true); });
    connect(next, &QToolButton::clicked, this, [this] { findNext(false); });
    connect(close, &QToolButton::clicked, this, &CLSWndHelp::closeFind);
    // Finding as the word is typed: the match grows from where it starts.
    connect(m_findField, &QLineEdit::textEdited, this, [this] {
        QTextCursor cursor = m_browser->textCursor();
        cursor.setPosition(cursor.selectionStart());
        m_browser->setTextCursor(cursor);
        findNext(false);
    });
}

bool CLSWndHelp::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_findField && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            findNext(key->modifiers() & Qt::ShiftModifier);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CLSWndHelp::showPage(const QString& page) {
    QString file = page.section('#', 0, 0);
    QString anchor = page.section('#', 1);
    QUrl url = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
    if (!anchor.isEmpty()) url.setFragment(anchor);
    QString folder = QFileInfo(file).absolutePath();
    if (folder != m_folder) {
        m_folder = folder;
        // The pages link their style sheet as a browser expects it, without
        // the type the rich-text engine needs to load it; so it is given
        // to every page here.
        // A language's pages share the style sheet of the Japanese ones.
        QString sheet = m_folder + "/style.css";
        if (!QFileInfo(sheet).isFile()) sheet = QFileInfo(m_folder).absolutePath() + "/style.css";
        QFile css(sheet);
        m_browser->document()->setDefaultStyleSheet(
            css.open(QIODevice::ReadOnly) ? QString::fromUtf8(css.readAll()) : QString());
    }
    keepAboveModalWindow();
    m_browser->setSource(url);
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    m_browser->setFocus();
    emit pageShown(file);
}

QString CLSWndHelp::currentPage() const {
    return m_browser->source().toLocalFile();
}

void CLSWndHelp::showContents() {
    if (m_folder.isEmpty()) return;
    m_browser->setSource(
        QUrl::fromLocalFile(HelpPageInLanguage(m_folder + "/index.html", ProgramLanguage())));
}

void CLSWndHelp::goBack() {
    m_browser->backward();
}

void CLSWndHelp::goForward() {
    m_browser->forward();
}

void CLSWndHelp::openFind() {
    m_findBar->show();
    m_findField->setFocus();
    m_findField->selectAll();
    highlightMatches();
}

void CLSWndHelp::closeFind() {
    m_findBar->hide();
    m_findStatus->clear();
    m_browser->setExtraSelections({});
    m_browser->setFocus();
}

void CLSWndHelp::escape() {
    if (m_findBar->isVisible()) {
        closeFind();
    } else {
        close();
    }
}

bool CLSWndHelp::findNext(bool backwards) {
    m_findStatus->clear();
    highlightMatches();
    QString text = m_findField->text();
    if (text.isEmpty()) return false;
    QTextDocument::FindFlags flags;
    if (backwards) flags |= QTextDocument::FindBackward;
    QTextDocument* document = m_browser->document();
    QTextCursor found = document->find(text, m_browser->textCursor(), flags);
    if (found.isNull()) {
        QTextCursor wrapped(document);
        wrapped.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
        found = document->find(text, wrapped, flags);
    }
    if (found.isNull()) {
        m_findStatus->setText(tr("見つかりません"));
        return false;
    }
    m_browser->setTextCursor(found);
    return true;
}

void CLSWndHelp::highlightMatches() {
    QList<QTextEdit::ExtraSelection> marks;
    QString text = m_findField->text();
    if (m_findBar->isVisible() && !text.isEmpty()) {
        QTextCharFormat format;
        format.setBackground(QColor(255, 236, 120));
        QTextCursor at(m_browser->document());
        while (marks.size() < kMostHighlights) {
            at = m_browser->document()->find(text, at);
            if (at.isNull()) break;
            marks.append({at, format});
        }
    }
    m_browser->setExtraSelections(marks);
}

void CLSWndHelp::followLink(const QUrl& link) {
    QUrl url = m_browser->source().resolved(link);
    if (!url.isLocalFile()) {
        OpenWithDesktop(url);
        return;
    }
    // The page in the learner's language where it has been translated, the
    // Japanese one where not.
    QString page = HelpPageInLanguage(url.toLocalFile(), ProgramLanguage());
    if (page != url.toLocalFile()) {
        QString anchor = url.fragment();
        url = QUrl::fromLocalFile(page);
        if (!anchor.isEmpty()) url.setFragment(anchor);
    }
    if (!QFileInfo(url.toLocalFile()).isFile()) {
        QtPrompter(this).message(PromptIcon::Error,
                                 FromQStringLossy(tr("ヘルプのページが見つかりません: ") +
                                                  QFileInfo(url.toLocalFile()).fileName()));
        return;
    }
    m_browser->setSource(url);
}

void CLSWndHelp::keepAboveModalWindow() {
    // A dialog waiting for its answer blocks every other window, the help
    // too, unless the help belongs to it; so F1 in such a dialog makes the
    // help its transient. The blocking is decided when a window is shown,
    // hence the hide before the change.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == this) return;
    QWindow* owner = modal ? modal->windowHandle() : nullptr;
    winId();
    QWindow* mine = windowHandle();
    if (!mine || mine->transientParent() == owner) return;
    if (isVisible()) hide();
    mine->setTransientParent(owner);
}

CLSWndHelp& SharedHelpWindow() {
    QPointer<CLSWndHelp>& window = sharedWindow();
    if (!window) {
        window = new CLSWndHelp;
        qAddPostRoutine(deleteSharedWindow);
    }
    return *window;
}
