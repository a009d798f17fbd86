#include "sentence/widgets/WndSentence.h"

#include <QAccessible>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <algorithm>

#include "sentence/SpokenText.h"
#include "sentence/widgets/SentencePainter.h"
#include "sentence/widgets/SentenceVideo.h"
#include "text/Error.h"
#include "text/widgets/QtText.h"
#include "text/widgets/QtTextMetrics.h"

namespace {

// A button's content sits inside its edge (2), the gap to the focus
// rectangle (1) and the focus rectangle itself (1).
constexpr int kButtonInset = 4;
constexpr int kPollMs = 100;

QSize toQSize(CLSSize s) {
    return QSize(s.width, s.height);
}

// Two-pixel edges in the platform's classic greys: raised for a button under
// the mouse, sunken for a pressed one and for the rows of a list.
void drawEdge(QPainter& p, QRect r, bool raised) {
    const QColor highlight(255, 255, 255), light(227, 227, 227), shadow(160, 160, 160),
        dark(105, 105, 105);
    auto frame = [&p](QRect rc, const QColor& topLeft, const QColor& bottomRight) {
        p.setPen(topLeft);
        p.drawLine(rc.left(), rc.top(), rc.right() - 1, rc.top());
        p.drawLine(rc.left(), rc.top(), rc.left(), rc.bottom() - 1);
        p.setPen(bottomRight);
        p.drawLine(rc.left(), rc.bottom(), rc.right(), rc.bottom());
        p.drawLine(rc.right(), rc.top(), rc.right(), rc.bottom());
    };
    if (raised) {
        frame(r, light, dark);
        frame(r.adjusted(1, 1, -1, -1), highlight, shadow);
    } else {
        frame(r, shadow, highlight);
        frame(r.adjusted(1, 1, -1, -1), dark, light);
    }
}

}  // namespace

/// The media the window has opened, as the layout sees them.
class CLSWndSentence::Media : public CLSSentenceMedia {
  public:
    explicit Media(const CLSWndSentence& owner) : m_owner(owner) {}
    CLSMediumInfo medium(int item) const override {
        auto picture = m_owner.m_pictures.find(item);
        if (picture != m_owner.m_pictures.end()) {
            return {CLSMediumInfo::kPicture, picture->second.width(), picture->second.height(), 0};
        }
        auto video = m_owner.m_videos.find(item);
        if (video != m_owner.m_videos.end() && !video->second->hasFailed()) {
            QSize natural = video->second->naturalSize();
            return {CLSMediumInfo::kVideo, natural.width(), natural.height(),
                    video->second->barHeight()};
        }
        return {};
    }

  private:
    const CLSWndSentence& m_owner;
};

CLSWndSentence::CLSWndSentence(QWidget* parent)
    : QWidget(parent),
      m_text(makeColour(0, 0, 0)),
      m_back(makeColour(255, 255, 255)),
      m_hotText(makeColour(0, 0, 0)),
      m_hotBack(makeColour(224, 236, 255)),
      m_selectedText(makeColour(255, 255, 255)),
      m_selectedBack(makeColour(51, 102, 204)) {
    m_font = font();
    m_metrics = std::make_unique<QtTextMetrics>(m_font);
    m_media = std::make_unique<Media>(*this);
    m_hbar = new QScrollBar(Qt::Horizontal, this);
    m_vbar = new QScrollBar(Qt::Vertical, this);
    for (QScrollBar* bar : {m_hbar, m_vbar}) {
        bar->hide();
        bar->setFocusPolicy(Qt::NoFocus);
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            placeVideos();
            update();
        });
    }
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CLSWndSentence::~CLSWndSentence() {
    releaseMedia();
}

// ---- content and appearance --------------------------------------------------

void CLSWndSentence::setSentence(const CLSSentence& sentence, const CLSTString& mediaFolder) {
    CLSTraceScope trace("CLSWndSentence::setSentence");
    releaseMedia();
    m_sentence = sentence;
    m_folder = mediaFolder;
    openMedia();
    m_hbar->setValue(0);
    m_vbar->setValue(0);
    relayout();
    if (QAccessible::isActive()) {
        QAccessibleEvent named(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
    }
}

void CLSWndSentence::setSentenceFont(const QFont& font) {
    m_font = font;
    m_metrics = std::make_unique<QtTextMetrics>(m_font);
    if (m_editor) m_editor->setFont(m_font);
    relayout();
}

void CLSWndSentence::setColours(Colour text, Colour back) {
    bool reload = back != m_back;
    m_text = text;
    m_back = back;
    if (reload && !m_pictures.empty()) {
        m_pictures = OpenSentenceMedia(m_sentence, m_folder, m_back).pictures;
        relayout();
    }
    update();
}

void CLSWndSentence::setHotColours(Colour text, Colour back) {
    m_hotText = text;
    m_hotBack = back;
    update();
}

void CLSWndSentence::setSelectedColours(Colour text, Colour back) {
    m_selectedText = text;
    m_selectedBack = back;
    update();
}

void CLSWndSentence::setLineInterval(int percent) {
    m_interval = percent;
    relayout();
}

void CLSWndSentence::setCentring(bool on) {
    m_centring = on;
    relayout();
}

void CLSWndSentence::setScrollBarsEnabled(bool on) {
    m_scrollBars = on;
    relayout();
}

void CLSWndSentence::setFrame(bool on) {
    m_frame = on;
    relayout();
}

void CLSWndSentence::setButton(int number, bool singleChoice) {
    m_number = std::clamp(number, 0, 9);
    m_single = singleChoice;
    m_hot = m_capturing = false;
    if (m_number > 0) {
        setCursor(Qt::PointingHandCursor);
        setAttribute(Qt::WA_Hover);
    } else {
        unsetCursor();
    }
    relayout();
}

void CLSWndSentence::setSelected(bool selected) {
    setSelectedState(selected);
}

void CLSWndSentence::activate() {
    if (isButton()) press();
}

void CLSWndSentence::setSelectedState(bool selected) {
    if (selected == m_selected) return;
    m_selected = selected;
    // The pressed look moves the content by a pixel, videos included.
    placeVideos();
    update();
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
    emit selectionChanged(m_selected);
}

QSize CLSWndSentence::measure(int width) const {
    if (isButton()) {
        return toQSize(MeasureButton(m_sentence, *m_metrics, *m_media, width, m_interval, m_number,
                                     m_centring));
    }
    return toQSize(MeasureSentence(m_sentence, *m_metrics, *m_media, width, m_interval));
}

QSize CLSWndSentence::sizeHint() const {
    int extra = (isButton() ? 2 * kButtonInset : 0) + (m_frame ? 2 * kEdge : 0);
    QSize need = measure(std::max(40, width() - extra));
    return QSize(std::max(need.width(), 40) + extra,
                 std::max(need.height(), m_metrics->lineHeight()) + extra);
}

CLSSentenceVideo* CLSWndSentence::video(int itemIndex) const {
    auto it = m_videos.find(itemIndex);
    return it == m_videos.end() ? nullptr : it->second;
}

bool CLSWndSentence::isPolling() const {
    return m_poll && m_poll->isActive();
}

// ---- media -------------------------------------------------------------------

void CLSWndSentence::openMedia() {
    if (!m_sentence.hasObjects()) return;
    CLSSentenceMediaFiles files = OpenSentenceMedia(m_sentence, m_folder, m_back);
    m_pictures = std::move(files.pictures);
    for (const auto& [item, path] : files.videos) {
        const CLSSentenceItemObject& object = m_sentence.item(item).object();
        auto* video = new CLSSentenceVideo(path, object.showcontrol, this);
        video->setAccessibleName(QString::fromStdString(SpokenObjectText(object)));
        connect(video, &CLSSentenceVideo::naturalSizeChanged, this, [this] { relayout(); });
        connect(video, &CLSSentenceVideo::failed, this, [this, video] {
            video->hide();
            relayout();
        });
        m_videos[item] = video;
        m_schedule.add(object);
        video->setVisible(!m_editor);
    }
    if (!m_videos.empty()) {
        if (!m_poll) {
            m_poll = new QTimer(this);
            connect(m_poll, &QTimer::timeout, this, &CLSWndSentence::pollVideos);
        }
        m_pollClock.start();
        m_poll->start(kPollMs);
    }
}

void CLSWndSentence::releaseMedia() {
    if (m_poll) m_poll->stop();
    for (auto& [item, video] : m_videos) {
        video->stop();
        delete video;
    }
    m_videos.clear();
    m_schedule.clear();
    m_pictures.clear();
}

void CLSWndSentence::pollVideos() {
    int elapsed = static_cast<int>(m_pollClock.restart());
    std::vector<CLSSentenceVideo*> videos;
    std::vector<bool> stopped;
    for (const auto& [item, video] : m_videos) {  // item order, as scheduled
        videos.push_back(video);
        stopped.push_back(!video->hasFailed() && video->isStopped());
    }
    std::vector<CLSVideoSchedule::Action> actions = m_schedule.poll(elapsed, stopped);
    for (size_t i = 0; i < actions.size() && i < videos.size(); ++i) {
        if (actions[i] == CLSVideoSchedule::kPlay) videos[i]->play();
        if (actions[i] == CLSVideoSchedule::kDisable) videos[i]->setEnabled(false);
    }
}

// ---- geometry ----------------------------------------------------------------

QRect CLSWndSentence::innerRect() const {
    return m_frame ? rect().adjusted(kEdge, kEdge, -kEdge, -kEdge) : rect();
}

QRect CLSWndSentence::clientRect() const {
    QRect inner = innerRect();
    return QRect(inner.topLeft(), QSize(m_scroll.clientWidth, m_scroll.clientHeight));
}

QRect CLSWndSentence::buttonContentRect() const {
    QRect r = innerRect().adjusted(kButtonInset, kButtonInset, -kButtonInset, -kButtonInset);
    if (m_selected) r.translate(1, 1);
    return r;
}

void CLSWndSentence::relayout() {
    QRect inner = innerRect();
    int lineStep = std::max(1, m_metrics->lineHeight() * (100 + m_interval) / 100);
    if (!isButton() && m_scrollBars) {
        int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        m_scroll = LayoutScrollBars(
            [this](int width) {
                return MeasureSentence(m_sentence, *m_metrics, *m_media, width, m_interval);
            },
            inner.width(), inner.height(), bar, bar);
    } else {
        m_scroll = CLSScrollLayout();
        m_scroll.clientWidth = inner.width();
        m_scroll.clientHeight = inner.height();
    }
    QRect client = clientRect();
    m_vbar->setGeometry(client.right() + 1, inner.top(), inner.right() - client.right(),
                        client.height());
    m_hbar->setGeometry(inner.left(), client.bottom() + 1, client.width(),
                        inner.bottom() - client.bottom());
    m_hbar->setRange(0, m_scroll.maxX());
    m_hbar->setPageStep(std::max(1, m_scroll.clientWidth));
    m_hbar->setSingleStep(lineStep);
    m_vbar->setRange(0, m_scroll.maxY());
    m_vbar->setPageStep(std::max(1, m_scroll.clientHeight));
    m_vbar->setSingleStep(lineStep);
    m_hbar->setVisible(m_scroll.horizontal && !m_editor);
    m_vbar->setVisible(m_scroll.vertical && !m_editor);

    int width = m_scroll.clientWidth;
    if (isButton()) {
        width = buttonContentRect().width() - ButtonColumnWidth(*m_metrics, m_number, m_centring);
    }
    m_layout = LayoutSentence(m_sentence, *m_metrics, *m_media, width, m_interval);
    placeVideos();
    update();
}

QPoint CLSWndSentence::contentOrigin() const {
    if (isButton()) {
        QRect area = buttonContentRect();
        area.setLeft(area.left() + ButtonColumnWidth(*m_metrics, m_number, m_centring));
        // The number is centred vertically; the sentence is too, so that a
        // one-line choice stands on the number's line. Centring decides
        // the horizontal place only.
        CLSSize offset = CentringOffset(m_layout.size(), {area.width(), area.height()});
        return area.topLeft() + QPoint(m_centring ? offset.width : 0, offset.height);
    }
    QRect client = clientRect();
    QPoint origin = client.topLeft() - scrollPosition();
    if (m_centring && !m_scroll.horizontal && !m_scroll.vertical) {
        CLSSize offset = CentringOffset(m_layout.size(), {client.width(), client.height()});
        origin += QPoint(offset.width, offset.height);
    }
    return origin;
}

QPoint CLSWndSentence::scrollPosition() const {
    if (isButton()) return QPoint();
    return QPoint(m_hbar->value(), m_vbar->value());
}

void CLSWndSentence::placeVideos() {
    if (m_videos.empty()) return;
    QPoint origin = contentOrigin();
    for (const CLSSentenceBlock& block : m_layout.blocks) {
        if (block.kind != CLSSentenceBlock::kVideo) continue;
        CLSSentenceVideo* video = this->video(block.item);
        if (!video) continue;
        video->move(origin + QPoint(block.rect.left, block.rect.top));
        video->setViewSize(QSize(block.rect.width(), block.rect.height() - video->barHeight()));
    }
    m_hbar->raise();
    m_vbar->raise();
    if (m_editor) m_editor->raise();
}

void CLSWndSentence::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_editor) m_editor->setGeometry(rect());
    relayout();
}

// ---- painting ----------------------------------------------------------------

void CLSWndSentence::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Colour text = m_text, back = m_back;
    if (isButton() && m_selected) {
        text = m_selectedText;
        back = m_selectedBack;
    } else if (isButton() && m_hot) {
        text = m_hotText;
        back = m_hotBack;
    }
    p.fillRect(rect(), ToQColor(back));
    if (m_frame) drawEdge(p, rect(), false);
    p.setFont(m_font);
    p.setPen(ToQColor(text));
    if (isButton()) {
        paintButtonFrame(p);
        p.setPen(ToQColor(text));
        QRect inner =
            innerRect().adjusted(kButtonInset, kButtonInset, -kButtonInset, -kButtonInset);
        p.setClipRect(inner);
        QRect content = buttonContentRect();
        QString label = QStringLiteral("&") + ToQString(ButtonNumberText(m_number, m_centring));
        p.drawText(content,
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic,
                   label);
    } else {
        p.setClipRect(clientRect());
    }
    PaintSentence(p, contentOrigin(), m_sentence, m_layout, m_pictures);
    if (!isButton() && hasFocus()) {
        // The focus mark of a view, in its text's colour, which stands out
        // from its ground in every design.
        p.setClipping(false);
        p.setPen(QPen(ToQColor(text), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(clientRect().adjusted(1, 1, -2, -2));
    }
}

void CLSWndSentence::paintButtonFrame(QPainter& p) {
    QRect r = innerRect();
    if (m_selected) {
        drawEdge(p, r, false);
    } else if (m_hot) {
        drawEdge(p, r, true);
    }
    if (hasFocus()) {
        QPen pen(p.pen().color(), 1, Qt::DotLine);
        p.save();
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(3, 3, -4, -4));
        p.restore();
    }
}
