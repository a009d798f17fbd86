#include "quiz/widgets/WndInfoPane.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "data/VorelDataFile.h"
#include "quiz/Exam.h"
#include "text/widgets/Drawing.h"
#include "text/widgets/QtText.h"
#include "text/widgets/QtTextMetrics.h"

namespace {

constexpr Colour kPaneColour = makeColour(210, 190, 255);
constexpr Colour kLabelColour = makeColour(220, 80, 40);
constexpr Colour kBandColour = makeColour(160, 170, 160);
constexpr Colour kClockColour = makeColour(80, 150, 0);
constexpr int kBandFade = 20;  // pixels of white before the band's gradient starts

}  // namespace

CLSWndInfoPane::CLSWndInfoPane(const CLSVorelDataFile& doc, const CLSExam& exam, const Clock& clock,
                               QWidget* parent)
    : QWidget(parent), m_doc(doc), m_exam(exam), m_clock(clock) {
    // Everything is drawn off-screen first; the widget only copies it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_font = ProgramFont("ＭＳ Ｐゴシック", 9);
    m_timer = new QTimer(this);
    m_timer->setInterval(CLSInfoPaneTips::kBeatMs);
    connect(m_timer, &QTimer::timeout, this, &CLSWndInfoPane::tick);
    m_tips.advanceTo(m_clock.ticks());
    m_timer->start();
}

void CLSWndInfoPane::setPaneFont(const QFont& font) {
    m_font = font;
    render();
    update();
}

InfoPaneMode CLSWndInfoPane::currentMode() const {
    return InfoPaneModeOf(m_doc, m_exam.isRunning());
}

void CLSWndInfoPane::tick() {
    // The day's counts change when the day does; the owner counts again.
    if (m_dayCounts && !m_expiryTold && m_clock.utcMillis() >= m_dayCounts->untilMs) {
        m_expiryTold = true;
        emit dayCountsExpired();
    }
    m_tips.setMode(currentMode());
    m_tips.advanceTo(m_clock.ticks());
    if (!isVisible()) return;
    render();
    update();
}

void CLSWndInfoPane::resizeEvent(QResizeEvent*) {
    render();
}

void CLSWndInfoPane::paintEvent(QPaintEvent*) {
    if (m_buffer.isNull()) render();
    QPainter p(this);
    p.drawImage(0, 0, m_buffer);
}

void CLSWndInfoPane::render() {
    qreal ratio = devicePixelRatioF();
    QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (pixels.isEmpty()) return;
    if (m_buffer.size() != pixels) {
        m_buffer = QImage(pixels, QImage::Format_RGB32);
        m_buffer.setDevicePixelRatio(ratio);
    }
    m_tips.setMode(currentMode());

    QPainter p(&m_buffer);
    p.setRenderHint(QPainter::Antialiasing);
    QRect client(0, 0, width(), height());
    p.fillRect(client, ToQColor(kPaneColour));
    // A rounded card with its shadow one pixel down and right.
    QRect card = client.adjusted(3, 3, -3, -3).translated(-1, -1);
    QColor shadow = ToQColor(shadeColor(kBackColour, 60));
    p.setPen(shadow);
    p.setBrush(shadow);
    p.drawRoundedRect(QRect(card.topLeft() + QPoint(1, 1), card.bottomRight() + QPoint(2, 2)), 8,
                      8);
    p.setBrush(ToQColor(kBackColour));
    p.drawRoundedRect(card, 8, 8);
    p.setRenderHint(QPainter::Antialiasing, false);
    QRect content = card.adjusted(5, 5, -5, -5);
    p.setFont(m_font);
    QFontMetrics fm(m_font);

    // The clock keeps the foot of the card; the rest is above it.
    QRect clock(content.left(), content.bottom() - fm.height() + 1, content.width(), fm.height());
    QRect area(content.topLeft(), QPoint(content.right(), clock.top() - 4));
    m_shown.clear();
    m_entriesShown = 0;
    if (m_tips.mode() == InfoPaneMode::kRun) {
        drawEntries(p, InfoPaneRunEntries(m_exam), area);
    } else {
        if (m_tips.mode() == InfoPaneMode::kFileOpen && m_dayCounts) {
            // The day's reviews stand above the tips.
            int bottom = drawEntries(p, InfoPaneReviewEntries(*m_dayCounts), area);
            area.setTop(std::min(area.bottom(), bottom + fm.height() / 2));
        }
        p.setPen(ToQColor(kTextColour));
        CLSTString typed = m_tips.shownText();
        drawWrappedText(p, typed, area, 0, kInfoPaneSpacing);
        m_shown << ToQString(typed);
    }

    // hh:mm with the colon blinking every half second.
    CLSInfoPaneClock time = InfoPaneClock(m_clock.localTime());
    QString colon = QStringLiteral(":");
    int colonWidth = fm.horizontalAdvance(colon);
    int colonLeft = clock.center().x() - colonWidth / 2;
    p.setPen(ToQColor(kClockColour));
    p.drawText(QRect(clock.left(), clock.top(), colonLeft - clock.left(), clock.height()),
               Qt::AlignRight | Qt::AlignVCenter, ToQString(time.hours));
    if (time.colon) {
        p.drawText(QRect(colonLeft, clock.top(), colonWidth, clock.height()), Qt::AlignCenter,
                   colon);
    }
    p.drawText(QRect(colonLeft + colonWidth, clock.top(), clock.right() - colonLeft - colonWidth,
                     clock.height()),
               Qt::AlignLeft | Qt::AlignVCenter, ToQString(time.minutes));
    m_clockText = ToQString(time.hours) + (time.colon ? colon : QStringLiteral(" ")) +
                  ToQString(time.minutes);
}

QString CLSWndInfoPane::spokenText() const {
    QStringList lines;
    auto add = [&lines](const std::vector<CLSInfoPaneEntry>& entries) {
        for (const CLSInfoPaneEntry& e : entries) {
            lines << ToQString(e.label) + QStringLiteral(": ") + ToQString(e.value);
        }
    };
    // As things are now, not as last drawn: a reader may ask between beats.
    InfoPaneMode mode = currentMode();
    if (mode == InfoPaneMode::kRun) {
        add(InfoPaneRunEntries(m_exam));
    } else {
        if (mode == InfoPaneMode::kFileOpen && m_dayCounts) {
            add(InfoPaneReviewEntries(*m_dayCounts));
        }
        QString tip = QString::fromUtf8(InfoPaneTip(m_tips.tipIndex()));
        tip.replace(QLatin1Char('\n'), QLatin1Char(' '));
        tip.remove(QLatin1Char('\r'));
        if (!tip.trimmed().isEmpty()) lines << tip.trimmed();
    }
    return lines.join(QLatin1Char('\n'));
}

int CLSWndInfoPane::drawEntries(QPainter& p, const std::vector<CLSInfoPaneEntry>& entries,
                                const QRect& area) {
    QtTextMetrics metrics(m_font);
    std::vector<CLSInfoPaneEntryPlace> places =
        PlaceInfoPaneEntries(metrics, entries, FromQRect(area));
    int bottom = area.top();
    for (size_t i = 0; i < places.size(); ++i) {
        const CLSInfoPaneEntryPlace& place = places[i];
        QRect band = ToQRect(place.band);
        p.fillRect(band, Qt::white);
        QRect fade = band.adjusted(std::min(kBandFade, band.width()), 0, 0, 0);
        QLinearGradient gradient(fade.topLeft(), fade.topRight());
        gradient.setColorAt(0, Qt::white);
        gradient.setColorAt(1, ToQColor(kBandColour));
        p.fillRect(fade, gradient);
        p.setPen(ToQColor(kLabelColour));
        QRect label = ToQRect(place.label);
        CLSTString labelText = InfoPaneLabelText(entries[i].label);
        drawWrappedText(p, labelText, label, 0, 0);
        p.setPen(ToQColor(kTextColour));
        QRect value = ToQRect(place.value);
        drawWrappedText(p, entries[i].value, value, 0, kInfoPaneSpacing);
        m_shown << ToQString(labelText) << ToQString(entries[i].value);
        bottom = std::max(bottom, place.value.bottom);
    }
    m_entriesShown += static_cast<int>(places.size());
    return bottom;
}

void CLSWndInfoPane::setDayCounts(const std::optional<CLSReviewDayCounts>& counts) {
    m_dayCounts = counts;
    m_expiryTold = false;
    render();
    update();
}
