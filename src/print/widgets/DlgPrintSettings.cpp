#include "print/widgets/DlgPrintSettings.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>

#include "print/PrintTarget.h"
#include "print/PrintText.h"
#include "print/widgets/PrinterSetup.h"
#include "settings/VorelSettings.h"
#include "text/Error.h"
#include "text/Prompter.h"
#include "text/widgets/DialogButtons.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtText.h"

namespace {

QSpinBox* makeSpinBox(QWidget* parent, int minimum, int maximum, const char* suffix) {
    auto* box = new QSpinBox(parent);
    box->setRange(minimum, maximum);
    box->setSuffix(U(suffix));
    box->setMinimumWidth(80);
    return box;
}

}  // namespace

CLSDlgPrintSettings::CLSDlgPrintSettings(CLSVorelSettings& settings, Prompter& prompter,
                                         QWidget* parent)
    : QDialog(parent), m_settings(settings), m_prompter(prompter) {
    CLSTraceScope trace("CLSDlgPrintSettings::create");
    setWindowTitle(tr("印刷設定"));
    m_fonts = PrintFontsOf(settings);
    auto* top = new QVBoxLayout(this);

    auto* parts = new QGroupBox(tr("印刷する内容"), this);
    auto* partGrid = new QGridLayout(parts);
    createParts(partGrid);
    top->addWidget(parts);

    auto* rules = new QGroupBox(tr("区切り線"), this);
    auto* ruleGrid = new QGridLayout(rules);
    createRules(ruleGrid);
    top->addWidget(rules);

    auto* sizes = new QGridLayout;
    m_margin = makeSpinBox(this, 0, 999, " mm");
    m_rate = makeSpinBox(this, 1, 500, " %");
    auto* marginLabel = new QLabel(tr("区切り線の余白(&O)："), this);
    auto* rateLabel = new QLabel(tr("フォント・画像の拡縮率(&R)："), this);
    marginLabel->setBuddy(m_margin);
    rateLabel->setBuddy(m_rate);
    sizes->addWidget(marginLabel, 0, 0);
    sizes->addWidget(m_margin, 0, 1);
    sizes->addWidget(rateLabel, 1, 0);
    sizes->addWidget(m_rate, 1, 1);
    sizes->setColumnStretch(2, 1);
    top->addLayout(sizes);

    auto* buttons = new QHBoxLayout;
    m_paper = new QPushButton(tr("用紙(&P)..."), this);
    m_font = new QPushButton(tr("フォント(&F)..."), this);
    buttons->addWidget(m_paper);
    buttons->addWidget(m_font);
    DialogButtonSet row = DialogButtonRow(*this, buttons, {.helpTopic = kHelpPrintSettings});
    for (QPushButton* b : {m_paper, m_font, row.cancel})
        b->setAutoDefault(false);
    top->addLayout(buttons);

    connect(row.ok, &QPushButton::clicked, this, &CLSDlgPrintSettings::accept);
    connect(m_paper, &QPushButton::clicked, this, [this] {
        if (RunPageSetupDialog(this, m_prompter)) m_paperChanged = true;
    });
    connect(m_font, &QPushButton::clicked, this, &CLSDlgPrintSettings::editFonts);

    m_margin->setValue(settings.lineMargin());
    m_rate->setValue(settings.fontSizeRate());
    applyEnabling();
}

void CLSDlgPrintSettings::createParts(QGridLayout* grid) {
    QWidget* box = grid->parentWidget();
    static const char* const printTexts[] = {QT_TR_NOOP("タイトルを印刷する(&T)"),
                                             QT_TR_NOOP("問題を印刷する(&Q)"),
                                             QT_TR_NOOP("答えを印刷する(&A)")};
    static const char* const numberTexts[] = {QT_TR_NOOP("タイトル番号を印刷(&B)"),
                                              QT_TR_NOOP("問題番号を印刷(&C)"),
                                              QT_TR_NOOP("問題番号を印刷(&D)")};
    static const int printBits[] = {CLSVorelSettings::kPrintTitle, CLSVorelSettings::kPrintQuestion,
                                    CLSVorelSettings::kPrintAnswer};
    static const int numberBits[] = {CLSVorelSettings::kPrintTitleNum,
                                     CLSVorelSettings::kPrintQuestionNum,
                                     CLSVorelSettings::kPrintAnswerNum};
    const CLSTString* formats[] = {&m_settings.titleNumberFormat(),
                                   &m_settings.questionNumberFormat(),
                                   &m_settings.answerNumberFormat()};
    for (int part = 0; part < kPartCount; ++part) {
        m_print[part] = new QCheckBox(tr(printTexts[part]), box);
        m_number[part] = new QCheckBox(tr(numberTexts[part]), box);
        m_format[part] = new QLineEdit(ToQString(*formats[part]), box);
        m_format[part]->setMinimumWidth(120);
        m_print[part]->setChecked(m_settings.printFlag(printBits[part]));
        m_number[part]->setChecked(m_settings.printFlag(numberBits[part]));
        grid->addWidget(m_print[part], part * 2, 0, 1, 3);
        grid->addWidget(m_number[part], part * 2 + 1, 1);
        grid->addWidget(m_format[part], part * 2 + 1, 2);
        connect(m_print[part], &QCheckBox::toggled, this, [this] { applyEnabling(); });
        connect(m_number[part], &QCheckBox::toggled, this, [this] { applyEnabling(); });
    }
    grid->setColumnMinimumWidth(0, 16);
    grid->setColumnStretch(2, 1);

    auto* widthRow = new QHBoxLayout;
    m_width = makeSpinBox(box, 1, 99, " %");
    auto* widthLabel = new QLabel(tr("用紙幅に対する問題の幅の割合(&W)："), box);
    widthLabel->setBuddy(m_width);
    widthRow->addWidget(widthLabel);
    widthRow->addWidget(m_width);
    widthRow->addStretch();
    grid->addLayout(widthRow, kPartCount * 2, 0, 1, 3);
    m_width->setValue(m_settings.widthRateOfQuestion());

    m_pageNumber = new QCheckBox(tr("ページ番号を印刷する(&N)"), box);
    m_testSheet = new QCheckBox(tr("解答欄を空欄にする（テスト用紙）(&S)"), box);
    m_pageNumber->setChecked(m_settings.printPageNumber());
    m_testSheet->setChecked(m_settings.printTestSheet());
    grid->addWidget(m_pageNumber, kPartCount * 2 + 1, 0, 1, 3);
    grid->addWidget(m_testSheet, kPartCount * 2 + 2, 0, 1, 3);
}

void CLSDlgPrintSettings::createRules(QGridLayout* grid) {
    QWidget* box = grid->parentWidget();
    static const char* const labels[] = {QT_TR_NOOP("タイトル～問題間(&G)："),
                                         QT_TR_NOOP("問題～問題間(&J)："),
                                         QT_TR_NOOP("問題～答え間(&L)：")};
    const int styles[] = {m_settings.lineStyleOfQT(), m_settings.lineStyleOfQQ(),
                          m_settings.lineStyleOfQA()};
    m_colour = {m_settings.lineColorOfQT(), m_settings.lineColorOfQQ(), m_settings.lineColorOfQA()};
    for (int rule = 0; rule < kRuleCount; ++rule) {
        auto* label = new QLabel(tr(labels[rule]), box);
        m_style[rule] = new QComboBox(box);
        for (int style = 0; style < kRuleStyleCount; ++style)
            m_style[rule]->addItem(ToQString(CLSTString(RuleStyleName(style))));
        m_style[rule]->setCurrentIndex(std::clamp(styles[rule], 0, kRuleStyleCount - 1));
        label->setBuddy(m_style[rule]);
        m_colourButton[rule] = new QPushButton(tr("色"), box);
        m_colourButton[rule]->setAutoDefault(false);
        grid->addWidget(label, rule, 0);
        grid->addWidget(m_style[rule], rule, 1);
        grid->addWidget(m_colourButton[rule], rule, 2);
        showRuleColour(static_cast<Rule>(rule));
        connect(m_colourButton[rule], &QPushButton::clicked, this,
                [this, rule] { chooseRuleColour(static_cast<Rule>(rule)); });
    }
    grid->setColumnStretch(3, 1);
}

void CLSDlgPrintSettings::applyEnabling() {
    for (int part = 0; part < kPartCount; ++part) {
        bool printed = m_print[part]->isChecked();
        m_number[part]->setEnabled(printed);
        m_format[part]->setEnabled(printed && m_number[part]->isChecked());
    }
    // Without answers there is no answer column to leave blank.
    m_testSheet->setEnabled(m_print[kAnswer]->isChecked());
    // The share only matters while there are two columns.
    m_width->setEnabled(m_print[kQuestion]->isChecked() && m_print[kAnswer]->isChecked());
}

void CLSDlgPrintSettings::showRuleColour(Rule rule) {
    QPixmap swatch(16, 12);
    swatch.fill(ToQColor(m_colour[rule]));
    m_colourButton[rule]->setIcon(QIcon(swatch));
}

void CLSDlgPrintSettings::chooseRuleColour(Rule rule) {
    if (PrintChoosers().colour(this, m_colour[rule])) showRuleColour(rule);
}

void CLSDlgPrintSettings::editFonts() {
    CLSDlgPrintFonts dialog(m_fonts, this);
    if (dialog.exec() == QDialog::Accepted) m_fonts = dialog.fonts();
}

void CLSDlgPrintSettings::accept() {
    CLSTString formats[kPartCount];
    // Any script: what Shift-JIS cannot hold goes to the settings' companion file.
    for (int part = 0; part < kPartCount; ++part)
        formats[part] = FromQStringWhole(m_format[part]->text());
    static const int printBits[] = {CLSVorelSettings::kPrintTitle, CLSVorelSettings::kPrintQuestion,
                                    CLSVorelSettings::kPrintAnswer};
    static const int numberBits[] = {CLSVorelSettings::kPrintTitleNum,
                                     CLSVorelSettings::kPrintQuestionNum,
                                     CLSVorelSettings::kPrintAnswerNum};
    for (int part = 0; part < kPartCount; ++part) {
        m_settings.setPrintFlag(printBits[part], m_print[part]->isChecked());
        m_settings.setPrintFlag(numberBits[part], m_number[part]->isChecked());
    }
    m_settings.setPrintFlag(CLSVorelSettings::kPrintPageNumber, m_pageNumber->isChecked());
    m_settings.setPrintFlag(CLSVorelSettings::kPrintTestSheet, m_testSheet->isChecked());
    m_settings.setTitleNumberFormat(formats[kTitle]);
    m_settings.setQuestionNumberFormat(formats[kQuestion]);
    m_settings.setAnswerNumberFormat(formats[kAnswer]);
    m_settings.setWidthRateOfQuestion(m_width->value());
    m_settings.setLineStyleOfQT(m_style[kRuleQT]->currentIndex());
    m_settings.setLineStyleOfQQ(m_style[kRuleQQ]->currentIndex());
    m_settings.setLineStyleOfQA(m_style[kRuleQA]->currentIndex());
    m_settings.setLineColorOfQT(m_colour[kRuleQT]);
    m_settings.setLineColorOfQQ(m_colour[kRuleQQ]);
    m_settings.setLineColorOfQA(m_colour[kRuleQA]);
    m_settings.setLineMargin(m_margin->value());
    m_settings.setFontSizeRate(m_rate->value());
    for (int i = 0; i < CLSVorelSettings::kPrintFontCount; ++i)
        m_settings.setPrintFont(i, m_fonts[i]);
    QDialog::accept();
}
