// The main window's own commands: files, recent files, view toggles, help.

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "app/MainWindow.h"
#include "data/widgets/DataFileLock.h"
#include "data/widgets/DlgDataInfo.h"
#include "editor/widgets/EditorScreen.h"
#include "quiz/widgets/StudyScreen.h"
#include "settings/SettingsFolder.h"
#include "settings/VorelSettings.h"
#include "settings/widgets/HelpPages.h"
#include "text/Codec.h"
#include "text/Paths.h"
#include "text/widgets/QtText.h"
#include "text/widgets/TextFromUser.h"

namespace {

const char* kDataFilter =
    QT_TRANSLATE_NOOP("CLSMainWindow", "Vorelデータファイル (*.vrf);;すべてのファイル (*)");

QString startFolder(const CLSVorelDataFile& doc) {
    if (doc.isUntitled()) return QString();
    return ToQString(doc.getPath());
}

}  // namespace

void CLSMainWindow::openRecent(int index) {
    if (index < 0 || index >= m_settings.recentFileCount()) return;
    CLSTString path = m_settings.recentFile(index);
    if (m_study) m_study->examFinish(true);
    openFile(path);
}

void CLSMainWindow::chooseAndOpen() {
    if (m_study) m_study->examFinish(true);
    CLSTString path;
    if (!ChooseOpenPath(this, tr("開く"), startFolder(m_doc), tr(kDataFilter), m_prompter, path)) {
        return;
    }
    openFile(path);
}

CLSSaveResult CLSMainWindow::saveDocument() {
    // The editor's card writes back what is typed before the file is written.
    m_shown->commitEdits();
    if (m_doc.isUntitled()) return saveAs() ? CLSSaveResult::kSaved : CLSSaveResult::kCancelled;
    return m_doc.save(m_doc.getPath());
}

bool CLSMainWindow::saveAs() {
    m_shown->commitEdits();
    CLSTString path;
    if (!ChooseSavePath(this, tr("名前を付けて保存"), startFolder(m_doc), tr(kDataFilter), "vrf",
                        m_prompter, path)) {
        return false;
    }
    bool ok = m_doc.saveFile(path);
    if (ok) {
        m_settings.addRecentFile(path);
        rebuildRecentMenu();
        // The file saved is the one open now; it is locked when it can be.
        if (!m_lock || m_lock->path() != path) {
            auto lock = std::make_unique<CLSDataFileLock>(path);
            if (lock->state() == CLSDataFileLock::State::kLocked) m_lock = std::move(lock);
        }
    }
    return ok;
}

void CLSMainWindow::showDataInfo() {
    // The version can change only while the editor is shown; the card's
    // fields go into the document first, and the lines are shown anew after.
    bool editing = m_shown->mayConvertDocument();
    m_shown->commitEdits();
    if (ShowDataInfo(this, m_doc, editing) && editing) m_shown->documentConverted();
    updateCommands();
}

void CLSMainWindow::openHelp() {
    OpenHelpTopic(kHelpContentsTopic, this);
}

void CLSMainWindow::showAbout() {
    QDialog box(this);
    box.setWindowTitle(tr("バージョン情報"));
    auto* layout = new QVBoxLayout(&box);
    auto* name = new QLabel(QString::fromLatin1(kAppTitle), &box);
    name->setFont(ProgramFont("Times New Roman", 24));
    auto* version =
        new QLabel(tr("バージョン %1").arg(QString::fromLatin1(VOREL_VERSION_TEXT)), &box);
    // The link opens the folder of the settings, the exam history and the help file.
    auto* link = new QLabel(tr("<a href=\"%1\">設定フォルダを開く</a>")
                                .arg(QUrl::fromLocalFile(ToQString(SettingsFolder())).toString()),
                            &box);
    link->setFont(ProgramFont("ＭＳ Ｐゴシック", 9));
    link->setOpenExternalLinks(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    for (QWidget* w : {static_cast<QWidget*>(name), static_cast<QWidget*>(version),
                       static_cast<QWidget*>(link)}) {
        layout->addWidget(w, 0, Qt::AlignHCenter);
    }
    layout->addWidget(buttons);
    box.exec();
}
