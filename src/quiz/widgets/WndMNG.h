#pragma once

#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "image/Mng.h"
#include "image/MngPlayback.h"
#include "text/Colour.h"

/// The animation after a right answer (60 × 60).
inline constexpr const char* kAnswerRightMng = ":/answer_right.mng";
/// The animation after a wrong answer (60 × 60).
inline constexpr const char* kAnswerWrongMng = ":/answer_wrong.mng";

/// Plays an MNG animation in a child window, on a timer that fires at the
/// animation's ticks per second. Frame delays, the repeat with its pass
/// count and its delay follow the animation; at the end the last frame
/// stays and finished() is emitted.
class CLSWndMNG : public QWidget {
    Q_OBJECT

  public:
    explicit CLSWndMNG(QWidget* parent = nullptr);
    ~CLSWndMNG() override;

    /// The colour behind the animation; transparent parts of the frames are
    /// blended with it when the animation is loaded.
    void setBackgroundColour(Colour colour);
    Colour backgroundColour() const { return m_back; }

    /// Decodes an MNG kept in the resources (":/…") or anywhere Qt can read.
    /// False, and nothing to play, when it is missing or not an MNG.
    bool load(const QString& resourcePath);
    /// Takes a decoded animation; false when it has no clock (nothing to play).
    bool load(const CLSMngAnimation& animation);
    bool isLoaded() const { return m_ticksPerSecond > 0; }

    /// Plays from the first frame; nothing when already playing or when
    /// nothing is loaded.
    void start();
    /// Stops where the animation is; its frame stays.
    void stop();
    bool isRunning() const { return m_timer.isActive(); }

    QSize animationSize() const { return m_size; }
    int frameCount() const { return static_cast<int>(m_frames.size()); }
    /// The frame shown last (-1 before the first).
    int currentFrame() const { return m_playback.currentFrame(); }
    /// Milliseconds between two ticks.
    int tickInterval() const;
    QSize sizeHint() const override;

  signals:
    /// A new frame is on screen.
    void frameShown(int frame);
    /// The animation reached its end (posted, never emitted from start()).
    void finished();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void tick();

    Colour m_back;
    QSize m_size;
    uint32_t m_ticksPerSecond = 0;
    std::vector<QImage> m_frames;
    CLSMngPlayback m_playback;
    QTimer m_timer;
    int m_run = 0;  // playbacks started, so that a late end report of an old one is dropped
};
