#include "settings/widgets/QtSoundPlayer.h"

#include <QUrl>

#include "text/Paths.h"
#include "text/widgets/QtText.h"

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::play(const CLSTString& fileName) {
    // Regular files only: a named pipe would hang the player.
    CLSTString path = FindSoundFile(fileName);
    if (path.isEmpty()) return;
    // A new effect per sound: a busy one is not waited for.
    m_effect = std::make_unique<QSoundEffect>();
    m_effect->setSource(QUrl::fromLocalFile(QString::fromStdString(NativePath(path))));
    m_effect->play();
}

bool QtSoundPlayer::tryPlay(const CLSTString& fileName) {
    CLSTString path = FindSoundFile(fileName);
    if (path.isEmpty() || !IsPlayableWaveFile(path)) return false;
    play(path);
    return true;
}

void QtSoundPlayer::stop() {
    if (m_effect) m_effect->stop();
}
