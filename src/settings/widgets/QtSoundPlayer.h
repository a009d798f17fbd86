#pragma once

#include <QObject>
#include <QSoundEffect>
#include <memory>

#include "settings/SoundPlayer.h"
#include "text/TString.h"

/// Plays the settings' sound slots with QSoundEffect. A relative name is
/// looked up in the settings folder (FindSoundFile); a missing file plays nothing.
class QtSoundPlayer : public SoundPlayer {
  public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void play(const CLSTString& fileName) override;
    void stop() override;
    /// Only wave files are tried: the effect player reads nothing else.
    bool tryPlay(const CLSTString& fileName) override;

  private:
    std::unique_ptr<QSoundEffect> m_effect;
};
