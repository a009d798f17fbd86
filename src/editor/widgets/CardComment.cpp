#include "editor/widgets/CardComment.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "data/VorelDataFile.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtText.h"

CLSCardComment::CLSCardComment(CLSVorelDataFile& doc, CLSVorelSettings& settings, QWidget* parent)
    : CLSCardPage(doc, settings, parent) {
    auto* column = new QVBoxLayout(this);
    m_text = new QPlainTextEdit(this);
    m_text->setTabChangesFocus(true);
    auto* label = new QLabel(tr("コメント(&O)"), this);
    label->setBuddy(m_text);
    column->addWidget(label);
    column->addWidget(m_text, 1);
    watch(m_text);
}

void CLSCardComment::showLine(const CLSVorelDataItem& line, bool) {
    // A comment keeps CR LF for its line breaks; the field works with LF.
    QString text = ToQString(line.comment().text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_text->setPlainText(text);
}

CLSVorelDataItem CLSCardComment::editedLine(const CLSVorelDataItem& line) const {
    CLSVorelDataItem edited(line);
    QString text = m_text->toPlainText();
    text.replace(QChar('\n'), QStringLiteral("\r\n"));
    edited.comment().text = fieldText(text);
    return edited;
}

void CLSCardComment::focusFirstField() {
    m_text->setFocus(Qt::OtherFocusReason);
}

int CLSCardComment::helpTopic() const {
    return kHelpCardComment;
}
