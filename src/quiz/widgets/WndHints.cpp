#include "quiz/widgets/WndHints.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "data/QuestionFonts.h"
#include "data/VorelDataFile.h"
#include "sentence/SpokenText.h"
#include "sentence/widgets/WndSentence.h"
#include "settings/VorelSettings.h"
#include "settings/widgets/QtDesign.h"
#include "text/Error.h"
#include "text/widgets/Drawing.h"
#include "text/widgets/QtText.h"
#include "text/widgets/TabChain.h"

namespace {

const char kSource[] = "WNDHINTS";

/// The panel's small buttons, drawn flat in the design's hint colours.
class FlatButton : public QAbstractButton {
  public:
    FlatButton(const QString& text, QWidget* parent) : QAbstractButton(parent) {
        setText(text);
        setFocusPolicy(Qt::StrongFocus);
    }
    void setColours(Colour text, Colour back) {
        m_text = text;
        m_back = back;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        int flags = (isDown() ? kFlatPressed : 0) | (isEnabled() ? 0 : kFlatDisabled) |
                    (hasFocus() ? kFlatFocus : 0);
        drawFlatButton(p, rect(), text(), m_text, m_back, 1, flags);
    }

  private:
    Colour m_text = makeColour(0, 0, 0);
    Colour m_back = makeColour(255, 255, 255);
};

void setLabelColours(QLabel* label, Colour text, Colour back) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, ToQColor(text));
    pal.setColor(QPalette::Window, ToQColor(back));
    label->setPalette(pal);
}

const CLSVorelSkinItem& hintItem(const CLSVorelSettings& settings) {
    return settings.skin().item(CLSVorelSkin::kHint);
}

}  // namespace

CLSWndHints::CLSWndHints(CLSVorelDataFile& document, CLSVorelSettings& settings,
                         const CLSVorelDataItem* questionLine, QWidget* parent)
    : QWidget(parent), m_document(document), m_settings(&settings) {
    CLSTraceScope trace("CLSWndHints::create");
    if (!questionLine || !questionLine->isQuestion()) VR_THROW(kSource, CLSError::kParameter);
    m_line = questionLine;
    createControls();
    applyDesign();
    showHint(0);
}

void CLSWndHints::createControls() {
    QFont small = ProgramFont("ＭＳ Ｐゴシック", 9);
    m_label = new QLabel(tr("ヒント"), this);
    m_counter = new QLabel(this);
    m_counter->setAlignment(Qt::AlignCenter);
    for (QLabel* label : {m_label, m_counter}) {
        label->setFont(small);
        label->setAutoFillBackground(true);
    }
    m_sentence = new CLSWndSentence(this);  // Tab reaches it: the arrows scroll a long hint
    m_previous = new FlatButton(QStringLiteral("<<"), this);
    m_close = new FlatButton(tr("閉じる"), this);
    m_next = new FlatButton(QStringLiteral(">>"), this);
    m_previous->setToolTip(tr("前のヒント"));
    m_next->setToolTip(tr("次のヒント"));
    m_previous->setAccessibleName(m_previous->toolTip());
    m_next->setAccessibleName(m_next->toolTip());
    m_sentence->setAccessibleName(tr("ヒント"));
    for (QAbstractButton* b : {m_previous, m_close, m_next})
        b->setFont(small);
    ChainTab({m_sentence, m_previous, m_close, m_next});
    connect(m_previous, &QAbstractButton::clicked, this, [this] { showHint(m_current - 1); });
    connect(m_next, &QAbstractButton::clicked, this, [this] { showHint(m_current + 1); });
    connect(m_close, &QAbstractButton::clicked, this, &CLSWndHints::closeRequested);
}

void CLSWndHints::setQuestion(const CLSVorelDataItem* questionLine) {
    if (!questionLine || !questionLine->isQuestion()) VR_THROW(kSource, CLSError::kParameter);
    m_line = questionLine;
    applyDesign();  // the hint font may come from the question's own font line
    showHint(0);
}

void CLSWndHints::setSettings(CLSVorelSettings& settings) {
    m_settings = &settings;
    applyDesign();
}

int CLSWndHints::hintCount() const {
    return m_line->question().getHintCount();
}

void CLSWndHints::showHint(int index) {
    int count = hintCount();
    if (index < 0) index = count - 1;
    if (index >= count) index = 0;
    m_current = std::max(0, index);
    if (count > 0) {
        m_sentence->setSentence(m_line->question().getHint(m_current), m_document.getFolder());
    } else {
        m_sentence->setSentence(CLSSentence());
    }
    m_counter->setText(counterText());
    // The buttons tell a screen reader the hint they brought up.
    QString told =
        tr("ヒント %1: %2")
            .arg(counterText(), QString::fromStdString(SpokenText(m_sentence->sentence())));
    for (QAbstractButton* b : {m_previous, m_close, m_next})
        b->setAccessibleDescription(told);
    QWidget* focused = focusWidget();
    if (QAccessible::isActive() && (focused == m_previous || focused == m_next)) {
        QAccessibleEvent event(focused, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

QString CLSWndHints::counterText() const {
    int count = hintCount();
    return QStringLiteral("%1 / %2").arg(count > 0 ? m_current + 1 : 0).arg(count);
}

void CLSWndHints::applyDesign() {
    const CLSVorelSkinItem& item = hintItem(*m_settings);
    // The data file's own hint font overrides the design's when allowed.
    CLSVorelFont font = QuestionFont(m_document, *m_settings, kFontHint, m_line);
    m_sentence->setSentenceFont(ToQFont(font, 100));
    m_sentence->setColours(item.textColor, shadeColor(item.backgroundColor, 117));
    m_sentence->setLineInterval(m_settings->lineInterval());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(shadeColor(item.backgroundColor, 85)));
    setPalette(pal);
    for (QLabel* label : {m_label, m_counter})
        setLabelColours(label, item.textColor, item.backgroundColor);
    for (QAbstractButton* b : {m_previous, m_close, m_next})
        static_cast<FlatButton*>(b)->setColours(item.textColor, item.backgroundColor);
    relayout();
    update();
}

int CLSWndHints::edge() const {
    const CLSVorelSkinItem& item = hintItem(*m_settings);
    return item.padding + item.margin;
}

void CLSWndHints::relayout() {
    int e = edge();
    int w = width(), h = height();
    m_label->setGeometry(e * 3 / 2, e, w - 2 * e, 16);
    m_counter->setGeometry(e, h - e - 38, w - 2 * e, 16);
    int closeLeft = (w - 46) / 2;
    m_close->setGeometry(closeLeft, h - e - 21, 46, 21);
    m_previous->setGeometry(closeLeft - 28, h - e - 21, 24, 21);
    m_next->setGeometry(closeLeft + 50, h - e - 21, 24, 21);
    m_sentence->setGeometry(e, e + 18, w - 2 * e, std::max(0, h - 2 * e - 59));
}

void CLSWndHints::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void CLSWndHints::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const CLSVorelSkin& skin = m_settings->skin();
    p.fillRect(rect(), ToQColor(skin.colour(CLSVorelSkin::kStudyFormBackgroundColor)));
    int e = edge();
    drawBorderBox(p, BorderStyleOf(hintItem(*m_settings)), rect().adjusted(e, e, -e, -e));
}

void CLSWndHints::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        emit closeRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}
