#include "sentence/widgets/WndSentenceList.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>

#include "sentence/widgets/WndSentence.h"
#include "text/Error.h"
#include "text/widgets/QtText.h"

CLSWndSentenceList::CLSWndSentenceList(QWidget* parent)
    : QWidget(parent), m_text(makeColour(0, 0, 0)), m_back(makeColour(255, 255, 255)) {
    m_font = font();
    m_bar = new QScrollBar(Qt::Vertical, this);
    m_bar->setFocusPolicy(Qt::NoFocus);
    m_bar->hide();
    connect(m_bar, &QScrollBar::valueChanged, this, [this](int value) { scrollTo(value); });
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CLSWndSentenceList::setSentences(const CLSSentenceArray& sentences,
                                      const CLSTString& mediaFolder) {
    CLSTraceScope trace("CLSWndSentenceList::setSentences");
    qDeleteAll(m_rows);
    m_rows.clear();
    for (const CLSSentence& sentence : sentences) {
        auto* row = new CLSWndSentence(this);
        row->setFrame(true);
        row->setScrollBarsEnabled(false);
        row->setFocusPolicy(Qt::NoFocus);
        applyLook(row);
        row->setSentence(sentence, mediaFolder);
        row->show();
        m_rows.append(row);
    }
    m_scroll = 0;
    relayout();
}

CLSWndSentence* CLSWndSentenceList::row(int i) const {
    return i >= 0 && i < rowCount() ? m_rows[i] : nullptr;
}

void CLSWndSentenceList::applyLook(CLSWndSentence* row) {
    row->setSentenceFont(m_font);
    row->setColours(m_text, m_back);
    row->setLineInterval(m_interval);
}

void CLSWndSentenceList::setSentenceFont(const QFont& font) {
    m_font = font;
    for (CLSWndSentence* row : m_rows)
        row->setSentenceFont(font);
    relayout();
}

void CLSWndSentenceList::setTextColour(Colour colour) {
    setColours(colour, m_back);
}

void CLSWndSentenceList::setBackColour(Colour colour) {
    setColours(m_text, colour);
}

void CLSWndSentenceList::setColours(Colour text, Colour back) {
    m_text = text;
    m_back = back;
    for (CLSWndSentence* row : m_rows)
        row->setColours(text, back);
    update();
}

void CLSWndSentenceList::setLineInterval(int percent) {
    m_interval = percent;
    for (CLSWndSentence* row : m_rows)
        row->setLineInterval(percent);
    relayout();
}

QSize CLSWndSentenceList::calculateSize(int width) const {
    CLSTraceScope trace("CLSWndSentenceList::calculateSize");
    CLSSize size = CalculateListSize(
        rowCount(),
        [this](int row, int w) {
            QSize need = m_rows[row]->measure(w);
            return CLSSize{need.width(), need.height()};
        },
        width, CLSWndSentence::kEdge, CLSWndSentence::kEdge, numberColumnWidth());
    return QSize(size.width, size.height);
}

QSize CLSWndSentenceList::sizeHint() const {
    return calculateSize(std::max(100, width()));
}

int CLSWndSentenceList::numberColumnWidth() const {
    // The widest label is the last row's: "12." in the list's own font.
    QString widest = QString::number(std::max(1, rowCount())) + QLatin1Char('.');
    return QFontMetrics(m_font).horizontalAdvance(widest) + kNumberPadding;
}

void CLSWndSentenceList::relayout() {
    int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    m_layout = LayoutSentenceList(
        rowCount(),
        [this](int row, int w) {
            QSize need = m_rows[row]->measure(w);
            return CLSSize{need.width(), need.height()};
        },
        width(), height(), bar, CLSWndSentence::kEdge, CLSWndSentence::kEdge, numberColumnWidth());
    m_scroll = std::clamp(m_scroll, 0, m_layout.maxScroll());
    m_bar->setGeometry(m_layout.clientWidth, 0, width() - m_layout.clientWidth, height());
    {
        QSignalBlocker block(m_bar);
        m_bar->setRange(0, m_layout.maxScroll());
        m_bar->setPageStep(m_layout.page);
        m_bar->setSingleStep(1);
        m_bar->setValue(m_scroll);
    }
    m_bar->setVisible(m_layout.scrollBar);
    placeRows();
}

void CLSWndSentenceList::placeRows() {
    for (int j = 0; j < rowCount(); ++j) {
        CLSRect r = m_layout.rowRect(j, m_scroll);
        m_rows[j]->setGeometry(r.left, r.top, r.width(), r.height());
    }
    update();
}

void CLSWndSentenceList::scrollTo(int row) {
    int position = ClampScroll(row, 0, m_layout.maxScroll());
    if (position == m_scroll) return;
    m_scroll = position;
    QSignalBlocker block(m_bar);
    m_bar->setValue(m_scroll);
    placeRows();
}

void CLSWndSentenceList::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void CLSWndSentenceList::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(m_back));
    p.setFont(m_font);
    p.setPen(ToQColor(m_text));
    int column = m_layout.numberColumn;
    for (int j = m_scroll; j < rowCount(); ++j) {
        CLSRect r = m_layout.rowRect(j, m_scroll);
        if (r.top >= height()) break;
        p.drawText(QRect(2, r.top, column - 4, r.height()),
                   Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                   QString::number(j + 1) + QLatin1Char('.'));
    }
    if (hasFocus()) {
        p.setPen(QPen(ToQColor(m_text), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(0, 0, column, std::max(1, m_layout.clientHeight)).adjusted(0, 0, -1, -1));
    }
}

void CLSWndSentenceList::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
            scrollTo(m_scroll - 1);
            break;
        case Qt::Key_Down:
            scrollTo(m_scroll + 1);
            break;
        case Qt::Key_PageUp:
            scrollTo(m_scroll - m_layout.page);
            break;
        case Qt::Key_PageDown:
            scrollTo(m_scroll + m_layout.page);
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
}

void CLSWndSentenceList::wheelEvent(QWheelEvent* event) {
    int delta = event->angleDelta().y();
    if (!m_layout.scrollBar || delta == 0) {
        event->ignore();
        return;
    }
    scrollTo(m_scroll + (delta > 0 ? -1 : 1));
    event->accept();
}

void CLSWndSentenceList::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    QWidget::mousePressEvent(event);
}

void CLSWndSentenceList::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void CLSWndSentenceList::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}
