#include "quiz/widgets/OpeningPanel.h"

#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>

#include "data/VorelDataFile.h"
#include "image/widgets/Picture.h"
#include "quiz/DialogLayout.h"
#include "text/Error.h"
#include "text/widgets/QtText.h"

namespace {

QPlainTextEdit* makeReadOnlyField(QWidget* parent) {
    auto* field = new QPlainTextEdit(parent);
    field->setReadOnly(true);
    // Tab reaches the field, and the arrow keys scroll and select in it as
    // the mouse does.
    field->setTabChangesFocus(true);
    field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    field->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A read-only field shows the window colour, as the platform's do.
    field->setBackgroundRole(QPalette::Window);
    field->viewport()->setBackgroundRole(QPalette::Window);
    return field;
}

const char* const kLogoResource = ":/logo.png";

}  // namespace

CLSOpeningPanel::CLSOpeningPanel(CLSVorelDataFile& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc) {
    const QString captions[3] = {tr("ファイル名："), tr("総問題数："), tr("メッセージ：")};
    for (int i = 0; i < 3; ++i) {
        m_labels[i] = new QLabel(captions[i], this);
        m_labels[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    m_path = makeReadOnlyField(this);
    m_message = makeReadOnlyField(this);
    // A screen reader names each field by its caption.
    m_labels[0]->setBuddy(m_path);
    m_labels[2]->setBuddy(m_message);
    m_count = new QLabel(this);
    m_picture = new QLabel(this);
    loadLogo();
    refresh();
}

void CLSOpeningPanel::loadLogo() {
    // The picture is composited over the button face so that it sits on the
    // panel like the platform's own pictures; without one nothing is drawn.
    QImage logo;
    if (QFile::exists(QString::fromLatin1(kLogoResource))) {
        logo = LoadPngFromResourceForRatio(QString::fromLatin1(kLogoResource), devicePixelRatioF(),
                                           FromQColor(palette().color(QPalette::Button)));
    }
    if (logo.isNull()) {
        m_picture->clear();
        m_picture->hide();
    } else {
        m_picture->setPixmap(QPixmap::fromImage(logo));
        m_picture->show();
    }
}

void CLSOpeningPanel::refresh() {
    CLSTraceScope trace("OnInitDialogOfOpening");
    m_path->setPlainText(ToQString(m_doc.getPath()));
    m_count->setText(QString::number(m_doc.getQuestionCount()));
    m_message->setPlainText(ToQString(m_doc.getMessage()));
    relayout();
}

void CLSOpeningPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void CLSOpeningPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) relayout();
    if (event->type() == QEvent::PaletteChange) loadLogo();
}

void CLSOpeningPanel::relayout() {
    QFontMetrics metrics(font());
    int widest = 0;
    for (QLabel* label : m_labels)
        widest = std::max(widest, metrics.horizontalAdvance(label->text()));
    // One text line of the fields plus their frames, so that two and three
    // lines of the path and message fit.
    int h = metrics.height() + 4;
    CLSOpeningLayout layout = OpeningPanelLayout(width(), height(), widest, h);
    m_labels[0]->setGeometry(ToQRect(layout.pathLabel));
    m_path->setGeometry(ToQRect(layout.path));
    m_labels[1]->setGeometry(ToQRect(layout.countLabel));
    m_count->setGeometry(ToQRect(layout.count));
    m_labels[2]->setGeometry(ToQRect(layout.messageLabel));
    m_message->setGeometry(ToQRect(layout.message));
    m_picture->setGeometry(ToQRect(layout.picture));
}
