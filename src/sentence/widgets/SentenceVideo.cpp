#include "sentence/widgets/SentenceVideo.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMediaPlayer>
#include <QPainter>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVideoSink>
#include <QVideoWidget>
#include <algorithm>

#include "sentence/widgets/VideoSupport.h"

namespace {

// A still frame is as large as a small video unless the name needs more.
constexpr int kStillWidth = 160;
constexpr int kStillHeight = 120;

}  // namespace

CLSSentenceVideo::CLSSentenceVideo(const QString& nativePath, bool showControl, QWidget* parent)
    : QWidget(parent), m_fileName(QFileInfo(nativePath).fileName()) {
    if (!VideoPlaybackAvailable()) {
        int text = fontMetrics().horizontalAdvance(m_fileName) + 16;
        m_natural = QSize(std::max(kStillWidth, text), kStillHeight);
        return;
    }
    m_video = new QVideoWidget(this);
    m_video->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_player = new QMediaPlayer(this);
    m_audio = new QAudioOutput(this);
    m_player->setAudioOutput(m_audio);
    m_player->setVideoOutput(m_video);
    if (showControl) createBar();
    connect(m_video->videoSink(), &QVideoSink::videoSizeChanged, this, [this] {
        QSize size = m_video->videoSink()->videoSize();
        if (size.isValid() && size != m_natural) {
            m_natural = size;
            emit naturalSizeChanged();
        }
    });
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error) {
        if (error == QMediaPlayer::NoError || m_failed) return;
        m_failed = true;
        emit failed();
    });
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::InvalidMedia && !m_failed) {
                    m_failed = true;
                    emit failed();
                }
            });
    m_player->setSource(QUrl::fromLocalFile(nativePath));
}

CLSSentenceVideo::~CLSSentenceVideo() {
    if (m_player) m_player->stop();
}

bool CLSSentenceVideo::isStopped() const {
    return !m_player || m_player->playbackState() == QMediaPlayer::StoppedState;
}

void CLSSentenceVideo::play() {
    if (m_player && !m_failed) m_player->play();
}

void CLSSentenceVideo::stop() {
    if (m_player) m_player->stop();
}

void CLSSentenceVideo::setViewSize(QSize viewSize) {
    resize(viewSize.width(), viewSize.height() + barHeight());
    if (m_video) m_video->setGeometry(0, 0, viewSize.width(), viewSize.height());
    if (m_bar) m_bar->setGeometry(0, viewSize.height(), viewSize.width(), kBarHeight);
}

void CLSSentenceVideo::createBar() {
    m_bar = new QWidget(this);
    auto* row = new QHBoxLayout(m_bar);
    row->setContentsMargins(2, 0, 2, 0);
    m_playButton = new QToolButton(m_bar);
    m_playButton->setAutoRaise(true);
    m_slider = new QSlider(Qt::Horizontal, m_bar);
    row->addWidget(m_playButton);
    row->addWidget(m_slider, 1);
    connect(m_playButton, &QToolButton::clicked, this, [this] {
        if (m_player->playbackState() == QMediaPlayer::PlayingState) {
            m_player->pause();
        } else {
            m_player->play();
        }
    });
    connect(m_player, &QMediaPlayer::playbackStateChanged, this, [this] { updateBar(); });
    connect(m_player, &QMediaPlayer::durationChanged, this,
            [this](qint64 ms) { m_slider->setRange(0, static_cast<int>(ms)); });
    connect(m_player, &QMediaPlayer::positionChanged, this, [this](qint64 ms) {
        if (!m_slider->isSliderDown()) m_slider->setValue(static_cast<int>(ms));
    });
    connect(m_slider, &QSlider::sliderMoved, this, [this](int ms) { m_player->setPosition(ms); });
    updateBar();
}

void CLSSentenceVideo::updateBar() {
    bool playing = m_player->playbackState() == QMediaPlayer::PlayingState;
    m_playButton->setIcon(
        style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
}

void CLSSentenceVideo::paintEvent(QPaintEvent*) {
    if (m_player) return;  // the video widget covers everything
    QPainter painter(this);
    QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), QColor(32, 32, 32));
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(frame);
    painter.setPen(QColor(240, 240, 240));
    QString name = fontMetrics().elidedText(m_fileName, Qt::ElideMiddle, width() - 8);
    painter.drawText(frame, Qt::AlignCenter, name);
}
