#pragma once

class CLSTString;

/// Plays sound files for the settings' sound slots. The widgets implement
/// it with the platform's media playback, tests with a recorder.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    /// Starts playing a sound file (CP932 name as stored; a relative name is
    /// the player's to resolve) and returns at once. A missing file plays
    /// nothing, no default sound; a busy device is not waited for.
    virtual void play(const CLSTString& fileName) = 0;
    /// Stops whatever is playing.
    virtual void stop() = 0;
    /// Plays a file the learner asked to hear: false, with nothing played,
    /// when the player cannot find it or cannot play it.
    virtual bool tryPlay(const CLSTString& fileName) {
        play(fileName);
        return true;
    }
};

/// Where a stored sound name plays from: the name itself when absolute,
/// else the file in the settings folder; a name written with backslashes
/// is also tried with "/". "" when no regular file is there.
CLSTString FindSoundFile(const CLSTString& fileName);
/// Whether a file is a wave file the players read (PCM or floating-point
/// samples); false when it cannot be read.
bool IsPlayableWaveFile(const CLSTString& path);
