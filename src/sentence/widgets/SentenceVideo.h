#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

class QAudioOutput;
class QMediaPlayer;
class QSlider;
class QToolButton;
class QVideoWidget;

/// A video inside a sentence window: the moving picture and, when asked
/// for, a play bar under it. It plays only when told to (the window's
/// schedule decides when). Where this process cannot play videos it is a
/// still frame with the file's name, and playing does nothing.
class CLSSentenceVideo : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kBarHeight = 24;

    /// Opens nativePath; when it cannot be played, failed() is emitted later.
    CLSSentenceVideo(const QString& nativePath, bool showControl, QWidget* parent);
    ~CLSSentenceVideo() override;

    bool isStopped() const;
    void play();
    void stop();
    /// The video's frame size; empty until the file has been read.
    QSize naturalSize() const { return m_natural; }
    int barHeight() const { return m_bar ? kBarHeight : 0; }
    bool hasFailed() const { return m_failed; }
    /// Shown as a frame with the file name because videos cannot be played here.
    bool isStill() const { return m_player == nullptr; }
    /// Makes the picture area viewSize, the play bar below it.
    void setViewSize(QSize viewSize);

  signals:
    void naturalSizeChanged();
    void failed();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void createBar();
    void updateBar();

    QMediaPlayer* m_player = nullptr;
    QAudioOutput* m_audio = nullptr;
    QVideoWidget* m_video = nullptr;
    QWidget* m_bar = nullptr;
    QToolButton* m_playButton = nullptr;
    QSlider* m_slider = nullptr;
    QString m_fileName;
    QSize m_natural;
    bool m_failed = false;
};
