#include "editor/widgets/CardSettings.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "data/VorelDataFile.h"
#include "editor/CardFields.h"
#include "text/Common.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/FontChooser.h"
#include "text/widgets/QtText.h"

namespace {

QLabel* labelFor(QWidget* field, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

}  // namespace

// ---- the font card ----------------------------------------------------------------------

CLSCardFont::CLSCardFont(CLSVorelDataFile& doc, CLSVorelSettings& settings, QWidget* parent)
    : CLSCardPage(doc, settings, parent) {
    auto* grid = new QGridLayout(this);
    m_size = new QLineEdit(this);
    m_size->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,4}"), this));
    m_size->setMaximumWidth(m_size->fontMetrics().horizontalAdvance("0000000"));
    m_charset = new QComboBox(this);
    m_charset->setEditable(true);
    for (int charset : OfferedCharsets())
        m_charset->addItem(ToQString(charsetToName(charset)));
    m_face = new QLineEdit(this);
    m_choose = new QPushButton(tr("一覧から選択(&A)..."), this);
    m_comment = new QLineEdit(this);
    grid->addWidget(labelFor(m_size, tr("サイズ(&I)"), this), 0, 0);
    grid->addWidget(m_size, 0, 1, Qt::AlignLeft);
    grid->addWidget(labelFor(m_charset, tr("文字セット(&R)"), this), 1, 0);
    grid->addWidget(m_charset, 1, 1);
    grid->addWidget(labelFor(m_face, tr("フォント名(&N)"), this), 2, 0);
    grid->addWidget(m_face, 2, 1);
    grid->addWidget(m_choose, 3, 1, Qt::AlignLeft);
    grid->addWidget(labelFor(m_comment, tr("コメント(&O)"), this), 4, 0);
    grid->addWidget(m_comment, 4, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(5, 1);
    watch(m_size);
    watch(m_charset, false);
    watch(m_face);
    watch(m_comment);
    connect(m_choose, &QPushButton::clicked, this, &CLSCardFont::chooseFont);
}

void CLSCardFont::showLine(const CLSVorelDataItem& line, bool) {
    const CLSVorelDataFont& f = line.font();
    m_size->setText(ToQString(NumberFieldText(f.size)));
    m_charset->setEditText(ToQString(charsetToName(f.charset)));
    m_face->setText(ToQString(f.faceName));
    m_comment->setText(ToQString(f.comment));
}

CLSVorelDataItem CLSCardFont::editedLine(const CLSVorelDataItem& line) const {
    CLSVorelDataItem edited(line);
    edited.font() = FontFromFields(fieldText(m_size->text()), fieldText(m_charset->currentText()),
                                   fieldText(m_face->text()), fieldText(m_comment->text()));
    return edited;
}

void CLSCardFont::chooseFont() {
    // The chooser starts from size 12 overlaid with what the fields hold.
    QFont start;
    int size = NumberFromField(fieldText(m_size->text()));
    start.setPointSize(size > 0 ? size : 12);
    if (!m_face->text().isEmpty()) start.setFamily(m_face->text());
    QFont chosen = start;
    if (!ChooseFont(this, tr("フォント"), chosen)) return;
    // The fields take the choice; leaving the size field writes it back.
    m_size->setText(QString::number(std::max(1, chosen.pointSize())));
    bool japanese =
        QFontDatabase::writingSystems(chosen.family()).contains(QFontDatabase::Japanese);
    m_charset->setEditText(ToQString(charsetToName(japanese ? 128 : 1)));
    m_face->setText(chosen.family());
    m_size->setFocus(Qt::OtherFocusReason);
}

void CLSCardFont::focusFirstField() {
    m_size->setFocus(Qt::OtherFocusReason);
}

int CLSCardFont::helpTopic() const {
    return kHelpCardFont;
}

// ---- the number card ---------------------------------------------------------------------

CLSCardNumber::CLSCardNumber(CLSVorelDataFile& doc, CLSVorelSettings& settings, QWidget* parent)
    : CLSCardPage(doc, settings, parent) {
    auto* grid = new QGridLayout(this);
    m_value = new QLineEdit(this);
    m_value->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,9}"), this));
    m_value->setMaximumWidth(m_value->fontMetrics().height() * 4);
    m_label = new QLabel(this);
    m_label->setBuddy(m_value);
    m_unit = new QLabel(tr("秒"), this);
    m_comment = new QLineEdit(this);
    grid->addWidget(m_label, 0, 0);
    grid->addWidget(m_value, 0, 1);
    grid->addWidget(m_unit, 0, 2, Qt::AlignLeft);
    grid->addWidget(labelFor(m_comment, tr("コメント(&O)"), this), 1, 0);
    grid->addWidget(m_comment, 1, 1, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 1);
    watch(m_value);
    watch(m_comment);
}

void CLSCardNumber::showLine(const CLSVorelDataItem& line, bool) {
    m_label->setText(ToQString(NumberLabel(line.kind())));
    m_unit->setText(ToQString(NumberUnit(line.kind())));
    m_value->setAccessibleDescription(m_unit->text());
    m_value->setText(ToQString(NumberFieldText(line.number().value)));
    m_comment->setText(ToQString(line.number().comment));
}

CLSVorelDataItem CLSCardNumber::editedLine(const CLSVorelDataItem& line) const {
    CLSVorelDataItem edited(line);
    int value = NumberFromField(fieldText(m_value->text()));
    // A value the settings do not take keeps the line's own.
    m_refusal = NumberRefusal(line.kind(), value);
    if (m_refusal.isEmpty()) edited.number().value = value;
    edited.number().comment = fieldText(m_comment->text());
    return edited;
}

void CLSCardNumber::focusFirstField() {
    m_value->setFocus(Qt::OtherFocusReason);
}

int CLSCardNumber::helpTopic() const {
    return kHelpCardNumber;
}
