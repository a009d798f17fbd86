#include "settings/widgets/QtSoundPlayer.h"

#include <QFileInfo>
#include <QUrl>

#include "settings/SettingsFolder.h"
#include "text/Paths.h"
#include "text/widgets/QtText.h"

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::play(const CLSTString& fileName) {
    CLSTString path = IsAbsolutePath(fileName) ? fileName : JoinPath(SettingsFolder(), fileName);
    QString native = ToQString(path);
    // Regular files only: a named pipe would hang the player.
    if (!NativeFileExists(native.toStdString())) {
        native.replace('\\', '/');
        if (!NativeFileExists(native.toStdString())) return;
    }
    // A new effect per sound: a busy one is not waited for.
    m_effect = std::make_unique<QSoundEffect>();
    m_effect->setSource(QUrl::fromLocalFile(native));
    m_effect->play();
}

void QtSoundPlayer::stop() {
    if (m_effect) m_effect->stop();
}
