#include "editor/widgets/CardTitle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "data/QuestionFonts.h"
#include "data/VorelDataFile.h"
#include "editor/CardFields.h"
#include "settings/widgets/QtDesign.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtText.h"

CLSCardTitle::CLSCardTitle(CLSVorelDataFile& doc, CLSVorelSettings& settings, QWidget* parent)
    : CLSCardPage(doc, settings, parent) {
    auto* grid = new QGridLayout(this);
    m_text = new QLineEdit(this);
    m_choices = new QComboBox(this);
    for (const CLSTString& entry : ChoiceCountEntries())
        m_choices->addItem(ToQString(entry));
    m_comment = new QLineEdit(this);
    auto* text = new QLabel(tr("タイトル(&T)"), this);
    text->setBuddy(m_text);
    auto* choices = new QLabel(tr("選択肢数(&I)"), this);
    choices->setBuddy(m_choices);
    auto* comment = new QLabel(tr("コメント(&O)"), this);
    comment->setBuddy(m_comment);
    auto* compare = new QGroupBox(tr("答え比較"), this);
    auto* boxes = new QVBoxLayout(compare);
    const QString names[5] = {
        tr("大文字小文字を区別しない(&L)"), tr("ひらがなカタカナを区別しない(&K)"),
        tr("全角半角を区別しない(&W)"), tr("記号を無視する(&Y)"), tr("あいまい比較(&A)")};
    for (int bit = 0; bit < 5; ++bit) {
        m_options[bit] = new QCheckBox(names[bit], compare);
        boxes->addWidget(m_options[bit]);
        watch(m_options[bit], false);
    }
    grid->addWidget(text, 0, 0);
    grid->addWidget(m_text, 0, 1);
    grid->addWidget(choices, 1, 0);
    grid->addWidget(m_choices, 1, 1, Qt::AlignLeft);
    grid->addWidget(compare, 2, 0, 1, 2);
    grid->addWidget(comment, 3, 0);
    grid->addWidget(m_comment, 3, 1);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);
    watch(m_text);
    watch(m_choices, false);
    watch(m_comment);
    // Tab follows the screen: the comparison boxes stand above the comment.
    QWidget* previous = m_choices;
    for (QCheckBox* box : m_options) {
        setTabOrder(previous, box);
        previous = box;
    }
    setTabOrder(previous, m_comment);
}

void CLSCardTitle::showLine(const CLSVorelDataItem& line, bool) {
    const CLSVorelDataTitle& t = line.title();
    m_text->setFont(ToQFont(QuestionFont(m_doc, m_settings, kFontTitle, &line)));
    m_text->setText(ToQString(t.text));
    m_choices->setCurrentIndex(std::clamp(t.choiceCount, 0, 9));
    for (int bit = 0; bit < 5; ++bit)
        m_options[bit]->setChecked((t.compareFlags >> bit) & 1);
    m_comment->setText(ToQString(t.comment));
}

CLSVorelDataItem CLSCardTitle::editedLine(const CLSVorelDataItem& line) const {
    CLSVorelDataItem edited(line);
    CLSVorelDataTitle& t = edited.title();
    t.text = fieldText(m_text->text());
    t.choiceCount = std::max(0, m_choices->currentIndex());
    int flags = 0;
    for (int bit = 0; bit < 5; ++bit) {
        if (m_options[bit]->isChecked()) flags |= 1 << bit;
    }
    t.compareFlags = flags;
    t.comment = fieldText(m_comment->text());
    return edited;
}

void CLSCardTitle::focusFirstField() {
    m_text->setFocus(Qt::OtherFocusReason);
}

int CLSCardTitle::helpTopic() const {
    return kHelpCardTitle;
}
