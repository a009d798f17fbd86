// The learner's side of a sentence window: keys and mouse on views and
// choice buttons, and the edit mode.

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "sentence/widgets/SentenceVideo.h"
#include "sentence/widgets/WndSentence.h"
#include "text/Codec.h"
#include "text/widgets/QtText.h"

// ---- keyboard ----------------------------------------------------------------

int CLSWndSentence::digitOf(const QKeyEvent* event) {
    int key = event->key();
    return key >= Qt::Key_1 && key <= Qt::Key_9 ? key - Qt::Key_0 : 0;
}

void CLSWndSentence::keyPressEvent(QKeyEvent* event) {
    int key = event->key();
    if (isButton()) {
        if (key == Qt::Key_Space) {
            if (!event->isAutoRepeat()) press();
            return;
        }
        if (int digit = digitOf(event)) {
            // The digit of another button of the group moves there; its
            // release then selects it, as with a mnemonic.
            if (digit == m_number || focusNumber(digit)) return;
            event->ignore();
            return;
        }
        if (key == Qt::Key_Up || key == Qt::Key_Left) {
            focusSibling(-1);
            return;
        }
        if (key == Qt::Key_Down || key == Qt::Key_Right) {
            focusSibling(1);
            return;
        }
        QWidget::keyPressEvent(event);
        return;
    }
    switch (key) {
        case Qt::Key_PageUp:
            m_vbar->triggerAction(QAbstractSlider::SliderPageStepSub);
            break;
        case Qt::Key_PageDown:
            m_vbar->triggerAction(QAbstractSlider::SliderPageStepAdd);
            break;
        case Qt::Key_Up:
            m_vbar->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Down:
            m_vbar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        case Qt::Key_Left:
            m_hbar->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Right:
            m_hbar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
}

void CLSWndSentence::keyReleaseEvent(QKeyEvent* event) {
    if (!isButton() || event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    int key = event->key();
    bool arrow =
        key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
    if (digitOf(event) == m_number || (arrow && m_single)) {
        press();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

QList<CLSWndSentence*> CLSWndSentence::group() const {
    QList<CLSWndSentence*> buttons;
    if (!parentWidget()) return {const_cast<CLSWndSentence*>(this)};
    for (CLSWndSentence* w :
         parentWidget()->findChildren<CLSWndSentence*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->isButton()) buttons.append(w);
    }
    std::stable_sort(buttons.begin(), buttons.end(), [](CLSWndSentence* a, CLSWndSentence* b) {
        return a->m_number < b->m_number;
    });
    return buttons;
}

void CLSWndSentence::focusSibling(int step) {
    QList<CLSWndSentence*> buttons = group();
    int count = static_cast<int>(buttons.size());
    int at = static_cast<int>(buttons.indexOf(this));
    for (int i = 1; i < count; ++i) {
        CLSWndSentence* next = buttons[((at + step * i) % count + count) % count];
        if (next->isVisible() && next->isEnabled()) {
            next->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

bool CLSWndSentence::focusNumber(int number) {
    for (CLSWndSentence* w : group()) {
        if (w->m_number == number && w->isVisible() && w->isEnabled()) {
            w->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
    }
    return false;
}

void CLSWndSentence::press() {
    setSelectedState(m_single ? true : !m_selected);
    complete();
}

void CLSWndSentence::complete() {
    update();
    if (!m_selected) return;
    if (m_single) deselectGroup();
    emit clicked(m_number);
}

void CLSWndSentence::deselectGroup() {
    for (CLSWndSentence* w : group()) {
        if (w != this && w->m_single) w->setSelectedState(false);
    }
}

// ---- mouse -------------------------------------------------------------------

void CLSWndSentence::mousePressEvent(QMouseEvent* event) {
    if (!isButton() || event->button() != Qt::LeftButton) {
        if (event->button() == Qt::LeftButton && focusPolicy() != Qt::NoFocus)
            setFocus(Qt::MouseFocusReason);
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    if (m_single && m_selected) return;
    m_capturing = true;
    m_selectedBefore = m_selected;
    setSelectedState(!m_selected);
}

void CLSWndSentence::mouseMoveEvent(QMouseEvent* event) {
    if (!isButton()) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    bool inside = rect().contains(event->position().toPoint());
    if (inside != m_hot) {
        m_hot = inside;
        update();
    }
    if (m_capturing) setSelectedState(inside ? !m_selectedBefore : m_selectedBefore);
}

void CLSWndSentence::mouseReleaseEvent(QMouseEvent* event) {
    if (!isButton() || event->button() != Qt::LeftButton || !m_capturing) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_capturing = false;
    complete();
}

void CLSWndSentence::enterEvent(QEnterEvent* event) {
    if (isButton() && !m_hot) {
        m_hot = true;
        update();
    }
    QWidget::enterEvent(event);
}

void CLSWndSentence::leaveEvent(QEvent* event) {
    if (m_hot) {
        m_hot = false;
        update();
    }
    QWidget::leaveEvent(event);
}

void CLSWndSentence::wheelEvent(QWheelEvent* event) {
    int delta = event->angleDelta().y();
    if (isButton() || !m_vbar->isVisible() || delta == 0) {
        event->ignore();
        return;
    }
    m_vbar->triggerAction(delta > 0 ? QAbstractSlider::SliderSingleStepSub
                                    : QAbstractSlider::SliderSingleStepAdd);
    event->accept();
}

void CLSWndSentence::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void CLSWndSentence::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

// ---- edit mode ---------------------------------------------------------------

void CLSWndSentence::toEditMode() {
    if (m_editor) return;
    m_editor = new QPlainTextEdit(this);
    // The field is named like the window it stands in for ("問題", "答え").
    m_editor->setAccessibleName(accessibleName().isEmpty() ? toolTip() : accessibleName());
    m_editor->setFont(m_font);
    m_editor->setTabChangesFocus(true);
    m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Runs keep CR LF line ends; the editor works with LF alone.
    QString text = ToQString(m_sentence.toText());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
    m_editor->setPlainText(text);
    m_editor->setGeometry(rect());
    for (auto& [item, video] : m_videos)
        video->hide();
    m_hbar->hide();
    m_vbar->hide();
    m_editor->show();
    m_editor->raise();
    // The field takes the window's focus; its owner gives it the window's
    // place in Tab's round.
    setFocusProxy(m_editor);
    if (hasFocus() || isVisible()) m_editor->setFocus(Qt::OtherFocusReason);
}

QWidget* CLSWndSentence::tabStop() {
    if (m_editor) return m_editor;
    return this;
}

CLSSentence CLSWndSentence::exitEditMode(QString* unmappable) {
    if (!m_editor) return m_sentence;
    QString text = m_editor->toPlainText();
    text.replace(QChar('\n'), QStringLiteral("\r\n"));
    bool hadFocus = m_editor->hasFocus();
    setFocusProxy(nullptr);
    delete m_editor;
    m_editor = nullptr;
    CLSTString markup = FromQStringWhole(text);
    if (unmappable) {
        std::string missing;
        std::string cp932;
        AppendUtf8AsCp932(cp932, markup.view(), &missing);
        *unmappable += ToQString(missing);
    }
    setSentence(CLSSentence(markup), m_folder);
    if (hadFocus) setFocus(Qt::OtherFocusReason);
    return m_sentence;
}
