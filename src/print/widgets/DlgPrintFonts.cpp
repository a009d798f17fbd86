#include "print/widgets/DlgPrintFonts.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "settings/widgets/QtDesign.h"
#include "text/widgets/ColourChooser.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtText.h"

namespace {

bool chooseFontWithDialog(QWidget* parent, QFont& font) {
    bool ok = false;
    QFont chosen = QFontDialog::getFont(
        &ok, font, parent, QCoreApplication::translate("CLSDlgPrintFonts", "フォントの指定"));
    if (ok) font = chosen;
    return ok;
}

}  // namespace

CLSPrintChoosers& PrintChoosers() {
    static CLSPrintChoosers choosers{chooseFontWithDialog, ChooseColour};
    return choosers;
}

CLSPrintFontSet PrintFontsOf(const CLSVorelSettings& settings) {
    CLSPrintFontSet fonts;
    for (int i = 0; i < CLSVorelSettings::kPrintFontCount; ++i)
        fonts[i] = settings.printFont(i);
    return fonts;
}

QString PrintFontName(int index) {
    static const char* const names[] = {QT_TRANSLATE_NOOP("CLSDlgPrintFonts", "タイトル"),
                                        QT_TRANSLATE_NOOP("CLSDlgPrintFonts", "問題"),
                                        QT_TRANSLATE_NOOP("CLSDlgPrintFonts", "答え"),
                                        QT_TRANSLATE_NOOP("CLSDlgPrintFonts", "タイトル番号"),
                                        QT_TRANSLATE_NOOP("CLSDlgPrintFonts", "問題番号"),
                                        QT_TRANSLATE_NOOP("CLSDlgPrintFonts", "問題番号(答え)")};
    return index >= 0 && index < CLSVorelSettings::kPrintFontCount
               ? QCoreApplication::translate("CLSDlgPrintFonts", names[index])
               : QString();
}

CLSDlgPrintFonts::CLSDlgPrintFonts(const CLSPrintFontSet& fonts, QWidget* parent)
    : QDialog(parent), m_fonts(fonts) {
    setWindowTitle(tr("印刷フォント"));
    auto* top = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    m_list = new QListWidget(this);
    m_list->setAccessibleName(tr("項目"));
    for (int i = 0; i < CLSVorelSettings::kPrintFontCount; ++i)
        m_list->addItem(PrintFontName(i));
    m_list->setMinimumWidth(m_list->fontMetrics().horizontalAdvance(PrintFontName(5)) + 40);
    row->addWidget(m_list, 1);

    auto* buttons = new QVBoxLayout;
    auto* font = new QPushButton(tr("フォント(&F)..."), this);
    auto* text = new QPushButton(tr("文字色(&T)..."), this);
    auto* back = new QPushButton(tr("背景色(&B)..."), this);
    for (QPushButton* b : {font, text, back}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    row->addLayout(buttons);
    top->addLayout(row);

    m_sample = new QLabel(tr("サンプル Aa あア亜"), this);
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setFrameShape(QFrame::StyledPanel);
    m_sample->setFrameShadow(QFrame::Sunken);
    m_sample->setAutoFillBackground(true);
    m_sample->setMinimumHeight(64);
    top->addWidget(m_sample);

    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    box->button(QDialogButtonBox::Cancel)->setText(tr("キャンセル"));
    top->addWidget(box);

    connect(font, &QPushButton::clicked, this, &CLSDlgPrintFonts::chooseFont);
    connect(text, &QPushButton::clicked, this, &CLSDlgPrintFonts::chooseTextColour);
    connect(back, &QPushButton::clicked, this, &CLSDlgPrintFonts::chooseBackColour);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] { showSample(); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { chooseFont(); });
    m_list->setCurrentRow(0);
    InstallHelpKey(this, kHelpPrintFonts);
}

int CLSDlgPrintFonts::current() const {
    return std::clamp(m_list->currentRow(), 0, CLSVorelSettings::kPrintFontCount - 1);
}

void CLSDlgPrintFonts::chooseFont() {
    CLSVorelFont& f = m_fonts[current()];
    QFont font = ToQFont(f);
    if (!PrintChoosers().font(this, font)) return;
    f = FromQFont(font, f);
    showSample();
}

void CLSDlgPrintFonts::chooseTextColour() {
    if (PrintChoosers().colour(this, m_fonts[current()].textColor)) showSample();
}

void CLSDlgPrintFonts::chooseBackColour() {
    if (PrintChoosers().colour(this, m_fonts[current()].backgroundColor)) showSample();
}

void CLSDlgPrintFonts::showSample() {
    const CLSVorelFont& f = m_fonts[current()];
    m_sample->setFont(ToQFont(f));
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::WindowText, ToQColor(f.textColor));
    palette.setColor(QPalette::Window, ToQColor(f.backgroundColor));
    m_sample->setPalette(palette);
    m_sample->setToolTip(QString("%1 %2pt").arg(ToQString(f.name)).arg(f.size));
}
