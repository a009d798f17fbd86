#include "quiz/widgets/WndMNG.h"

#include <QPainter>
#include <algorithm>

#include "image/widgets/Picture.h"
#include "text/Error.h"
#include "text/widgets/QtText.h"

CLSWndMNG::CLSWndMNG(QWidget* parent) : QWidget(parent) {
    m_back = FromQColor(palette().color(QPalette::Button));
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &CLSWndMNG::tick);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CLSWndMNG::~CLSWndMNG() {
    stop();
}

void CLSWndMNG::setBackgroundColour(Colour colour) {
    m_back = colour;
    update();
}

bool CLSWndMNG::load(const QString& resourcePath) {
    CLSTraceScope trace("CLSWndMNG::loadResource");
    CLSMngAnimation animation;
    if (!LoadMngFromResource(resourcePath, m_back, animation)) {
        load(CLSMngAnimation());
        return false;
    }
    return load(animation);
}

bool CLSWndMNG::load(const CLSMngAnimation& animation) {
    stop();
    m_frames = ImagesOfAnimation(animation);
    m_playback.load(animation);
    m_ticksPerSecond = animation.ticksPerSecond;
    m_size = QSize(static_cast<int>(std::min<uint32_t>(animation.frameWidth, 4096)),
                   static_cast<int>(std::min<uint32_t>(animation.frameHeight, 4096)));
    updateGeometry();
    update();
    return isLoaded();
}

int CLSWndMNG::tickInterval() const {
    if (m_ticksPerSecond == 0) return 0;
    return static_cast<int>(std::max<uint32_t>(1, 1000 / m_ticksPerSecond));
}

void CLSWndMNG::start() {
    if (isRunning() || !isLoaded()) return;
    m_playback.restart();
    ++m_run;
    m_timer.start(tickInterval());
    tick();
}

void CLSWndMNG::stop() {
    m_timer.stop();
}

void CLSWndMNG::tick() {
    CLSMngStep step = m_playback.tick();
    if (step.frame >= 0) {
        update();
        emit frameShown(step.frame);
    }
    if (step.finished) {
        m_timer.stop();
        // Reported after the current event, as the end of a playback is
        // posted: a caller of start() never sees it from inside the call.
        QTimer::singleShot(0, this, [this, run = m_run] {
            if (run == m_run && !isRunning()) emit finished();
        });
    }
}

QSize CLSWndMNG::sizeHint() const {
    return m_size.isEmpty() ? QSize(60, 60) : m_size;
}

void CLSWndMNG::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(m_back));
    int frame = m_playback.currentFrame();
    if (frame >= 0 && frame < frameCount()) p.drawImage(QPoint(0, 0), m_frames[frame]);
}
