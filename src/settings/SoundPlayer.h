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
};
