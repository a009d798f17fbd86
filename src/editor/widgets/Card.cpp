#include "editor/widgets/Card.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "data/VorelDataFile.h"
#include "editor/widgets/CardComment.h"
#include "editor/widgets/CardQuestion.h"
#include "editor/widgets/CardSettings.h"
#include "editor/widgets/CardTitle.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtText.h"

CLSCardPage::CLSCardPage(CLSVorelDataFile& doc, CLSVorelSettings& settings, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_settings(settings) {}

void CLSCardPage::watch(QWidget* field, bool holdsText) {
    field->installEventFilter(this);
    if (holdsText) m_textFields.append(field);
}

bool CLSCardPage::isTextField(const QWidget* widget) const {
    for (const QWidget* f : m_textFields) {
        if (f == widget) return true;
    }
    return false;
}

bool CLSCardPage::eventFilter(QObject* watched, QEvent* event) {
    // A field that loses the keyboard writes the card back; a menu or a
    // popup taking it for a moment does not.
    if (event->type() == QEvent::FocusOut) {
        auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason)
            emit commitRequested();
    }
    return QWidget::eventFilter(watched, event);
}

CLSTString CLSCardPage::fieldText(const QString& text) const {
    return FromQStringWhole(text);
}

int CardKindOf(int lineKind) {
    if (lineKind == kLineTitle || lineKind == kLineQuestion || lineKind == kLineComment)
        return lineKind;
    if (IsNumberKind(lineKind)) return kLineTimeLimit;
    if (IsFontKind(lineKind)) return 32;
    return 0;
}

CLSCard::CLSCard(CLSVorelDataFile& doc, CLSVorelSettings& settings, QWidget* parent)
    : QStackedWidget(parent), m_doc(doc), m_settings(settings) {}

CLSCard::~CLSCard() {
    if (m_page) m_page->storeLayout();
}

void CLSCard::clear() {
    if (!m_page) return;
    m_page->storeLayout();
    removeWidget(m_page);
    m_page->deleteLater();
    m_page = nullptr;
    m_kind = 0;
}

void CLSCard::showCurrent(bool sameLine) {
    const CLSVorelDataItem* line = m_doc.current();
    if (!line) return;
    int kind = CardKindOf(line->kind());
    if (kind == 0) return;
    if (kind != m_kind) {
        clear();
        switch (kind) {
            case kLineTitle:
                m_page = new CLSCardTitle(m_doc, m_settings, this);
                break;
            case kLineQuestion:
                m_page = new CLSCardQuestion(m_doc, m_settings, this);
                break;
            case kLineComment:
                m_page = new CLSCardComment(m_doc, m_settings, this);
                break;
            case kLineTimeLimit:
                m_page = new CLSCardNumber(m_doc, m_settings, this);
                break;
            default:
                m_page = new CLSCardFont(m_doc, m_settings, this);
                break;
        }
        m_kind = kind;
        addWidget(m_page);
        setCurrentWidget(m_page);
        connect(m_page, &CLSCardPage::commitRequested, this, &CLSCard::commitRequested);
        connect(m_page, &CLSCardPage::titleRequested, this, &CLSCard::titleRequested);
        connect(m_page, &CLSCardPage::entryMenuRequested, this, &CLSCard::entryMenuRequested);
        sameLine = false;
    }
    m_page->showLine(*line, sameLine);
}
