#include "settings/widgets/DesignPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "settings/SettingsFolder.h"
#include "settings/VorelSettings.h"
#include "settings/widgets/QtDesign.h"
#include "text/Codec.h"
#include "text/Prompter.h"
#include "text/widgets/ColourChooser.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/FontChooser.h"
#include "text/widgets/QtText.h"
#include "text/widgets/TextFromUser.h"

namespace {

const char* kDesignFilter = QT_TRANSLATE_NOOP(
    "CLSDesignPageWidget", "デザインファイル (*.ini *.INI);;すべてのファイル (*)");

// What each entry shows in the preview.
const char* const kSamples[kDesignEntryCount] = {
    QT_TRANSLATE_NOOP("CLSDesignPreview", "グループ 1　５４３２１ ○×○○×"),
    QT_TRANSLATE_NOOP("CLSDesignPreview", "タイトル　Title 1"),
    QT_TRANSLATE_NOOP("CLSDesignPreview", "問題文の例　Aa あア亜"),
    QT_TRANSLATE_NOOP("CLSDesignPreview", "ヒントの例　Aa あア亜"),
    QT_TRANSLATE_NOOP("CLSDesignPreview", "答えの例　Aa あア亜"),
    QT_TRANSLATE_NOOP("CLSDesignPreview", "コメントの例　Aa あア亜"),
    QT_TRANSLATE_NOOP("CLSDesignPreview", "選択肢"),
    QT_TRANSLATE_NOOP("CLSDesignPreview", "選択肢"),
};

enum ColourButton { kTextColour, kBackColour, kBorderColour };

QSpinBox* rangeField(int minimum, int maximum, QWidget* parent) {
    auto* field = new QSpinBox(parent);
    field->setRange(minimum, maximum);
    return field;
}

}  // namespace

// ---- preview -------------------------------------------------------------------------------

CLSDesignPreview::CLSDesignPreview(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CLSDesignPreview::setEntry(const CLSVorelSkin* design, int entry) {
    m_design = design;
    m_entry = entry;
    updateGeometry();
    update();
}

QSize CLSDesignPreview::minimumSizeHint() const {
    // As tall as the tallest framed entry needs, so that choosing another
    // entry does not make the page jump, and no sample is cut.
    int height = 48;
    if (m_design) {
        for (int entry = kEntryTitle; entry <= kEntryComment; ++entry) {
            const CLSVorelSkinItem& item = *DesignEntryItem(*m_design, entry);
            int need = QFontMetrics(ToQFont(item)).height() + 2 * ItemFrameExtent(item) + 12;
            height = std::max(height, need);
        }
    }
    return QSize(160, height);
}

QSize CLSDesignPreview::sizeHint() const {
    return QSize(320, minimumSizeHint().height());
}

void CLSDesignPreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect all = rect();
    if (!m_design) {
        p.fillRect(all, palette().color(QPalette::Base));
        return;
    }
    const CLSVorelSkin& d = *m_design;
    p.fillRect(all, ToQColor(d.colour(CLSVorelSkin::kStudyFormBackgroundColor)));
    QRect area = all.adjusted(6, 6, -6, -6);
    QString sample = tr(kSamples[std::clamp(m_entry, 0, kDesignEntryCount - 1)]);
    if (const CLSVorelSkinItem* item = DesignEntryItem(d, m_entry)) {
        // Framed exactly as the study screen frames its areas.
        int extent = ItemFrameExtent(*item);
        QRect content = area.adjusted(extent, extent, -extent, -extent);
        DrawItemFrame(p, *item, content);
        p.setClipRect(content);
        p.setFont(ToQFont(*item));
        p.setPen(ToQColor(item->textColor));
        p.drawText(content, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, sample);
    } else if (m_entry == kEntryStudyForm) {
        p.setPen(ToQColor(d.colour(CLSVorelSkin::kStudyFormTextColor)));
        p.setFont(ProgramFont("ＭＳ ゴシック", 9));
        p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, sample);
    } else {
        // A choice button on the answer area, in the chosen or pointed colours.
        const CLSVorelSkinItem& answer = d.item(CLSVorelSkin::kAnswer);
        int extent = ItemFrameExtent(answer);
        QRect content = area.adjusted(extent, extent, -extent, -extent);
        DrawItemFrame(p, answer, content);
        QFont font = ToQFont(answer);
        p.setFont(font);
        QRect button = content.adjusted(4, 4, -4, -4);
        int height = std::min(button.height(), QFontMetrics(font).height() + 12);
        button.setTop(content.center().y() - height / 2);
        button.setHeight(height);
        Colour back = DesignEntryBackColour(d, m_entry);
        p.setPen(ToQColor(darkShade(back)));
        p.setBrush(ToQColor(back));
        p.drawRect(button.adjusted(0, 0, -1, -1));
        p.setPen(ToQColor(DesignEntryTextColour(d, m_entry)));
        p.setClipRect(button);
        p.drawText(button.adjusted(8, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   U("1. ") + sample);
    }
}

// ---- the page ------------------------------------------------------------------------------

CLSDesignPageWidget::CLSDesignPageWidget(const CLSVorelSettings& settings, Prompter& prompter,
                                         QWidget* parent)
    : CLSCustomizePage(tr("デザイン"), kHelpCustomizeDesign, parent), m_prompter(prompter) {
    m_useData = new QCheckBox(tr("データファイルの設定を使用する(&D)"), this);
    m_entries = new QListWidget(this);
    m_entries->setAccessibleName(tr("デザインの項目"));
    for (int e = 0; e < kDesignEntryCount; ++e)
        m_entries->addItem(ToQString(std::string_view(DesignEntryName(e))));
    m_entries->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    m_entries->setMinimumWidth(m_entries->sizeHintForColumn(0) + 2 * m_entries->frameWidth() + 8);
    m_entries->setFixedHeight(m_entries->sizeHintForRow(0) * kDesignEntryCount +
                              2 * m_entries->frameWidth() + 2);
    m_font = new QPushButton(tr("フォント(&F)..."), this);
    m_textColour = new QPushButton(tr("文字色(&T)..."), this);
    m_backColour = new QPushButton(tr("背景色(&B)..."), this);
    m_border = new QComboBox(this);
    for (int type = 0; type < CLSVorelSkinItem::kBorderTypeCount; ++type)
        m_border->addItem(ToQString(std::string_view(BorderTypeName(type))));
    m_borderLabel = new QLabel(tr("枠(&A)"), this);
    m_borderLabel->setBuddy(m_border);
    m_width = rangeField(1, 10, this);
    m_widthLabel = new QLabel(tr("幅(&W)："), this);
    m_widthLabel->setBuddy(m_width);
    m_borderColour = new QPushButton(tr("色(&O)..."), this);
    m_padding = rangeField(0, 50, this);
    m_paddingLabel = new QLabel(tr("パディング(&P)："), this);
    m_paddingLabel->setBuddy(m_padding);
    m_margin = rangeField(0, 20, this);
    m_marginLabel = new QLabel(tr("マージン(&M)："), this);
    m_marginLabel->setBuddy(m_margin);
    m_preview = new CLSDesignPreview(this);
    auto* load = new QPushButton(tr("デザインの読み込み(&L)..."), this);
    auto* save = new QPushButton(tr("デザインの保存(&S)..."), this);

    content()->addWidget(m_useData);
    auto* top = new QHBoxLayout;
    top->addWidget(m_entries, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_font);
    buttons->addWidget(m_textColour);
    buttons->addWidget(m_backColour);
    buttons->addStretch(1);
    top->addLayout(buttons);
    content()->addLayout(top);
    auto* frame = new QGridLayout;
    frame->addWidget(m_borderLabel, 0, 0);
    frame->addWidget(m_border, 0, 1);
    frame->addWidget(m_widthLabel, 0, 2, Qt::AlignRight);
    frame->addWidget(m_width, 0, 3);
    frame->addWidget(m_borderColour, 0, 4);
    frame->addWidget(m_paddingLabel, 1, 0);
    frame->addWidget(m_padding, 1, 1, Qt::AlignLeft);
    frame->addWidget(m_marginLabel, 1, 2, Qt::AlignRight);
    frame->addWidget(m_margin, 1, 3);
    frame->setColumnStretch(5, 1);
    content()->addLayout(frame);
    content()->addWidget(m_preview, 1);
    auto* files = new QHBoxLayout;
    files->addWidget(load);
    files->addWidget(save);
    files->addStretch(1);
    content()->addLayout(files);

    connect(m_entries, &QListWidget::currentRowChanged, this, &CLSDesignPageWidget::showEntry);
    connect(m_font, &QPushButton::clicked, this, &CLSDesignPageWidget::chooseFont);
    connect(m_textColour, &QPushButton::clicked, this, [this] { chooseColour(kTextColour); });
    connect(m_backColour, &QPushButton::clicked, this, [this] { chooseColour(kBackColour); });
    connect(m_borderColour, &QPushButton::clicked, this, [this] { chooseColour(kBorderColour); });
    connect(m_border, &QComboBox::currentIndexChanged, this, &CLSDesignPageWidget::takeFrameValues);
    for (QSpinBox* field : {m_width, m_padding, m_margin})
        connect(field, &QSpinBox::valueChanged, this, &CLSDesignPageWidget::takeFrameValues);
    connect(load, &QPushButton::clicked, this, &CLSDesignPageWidget::browseLoad);
    connect(save, &QPushButton::clicked, this, &CLSDesignPageWidget::browseSave);
    connect(m_useData, &QCheckBox::toggled, this, &CLSDesignPageWidget::reportChange);

    m_page = CLSDesignPage::from(settings);
    this->load(m_page);
    m_entries->setCurrentRow(0);
}

void CLSDesignPageWidget::load(const CLSDesignPage& page) {
    m_page = page;
    filling([&] { m_useData->setChecked(page.useData); });
    showEntry();
}

CLSDesignPage CLSDesignPageWidget::value() const {
    CLSDesignPage page = m_page;
    page.useData = m_useData->isChecked();
    return page;
}

void CLSDesignPageWidget::reset() {
    load(CLSDesignPage::defaults());
}

int CLSDesignPageWidget::currentEntry() const {
    return std::max(0, m_entries->currentRow());
}

void CLSDesignPageWidget::selectEntry(int entry) {
    m_entries->setCurrentRow(entry);
}

void CLSDesignPageWidget::showEntry() {
    int entry = currentEntry();
    const CLSVorelSkinItem* item = DesignEntryItem(m_page.design, entry);
    bool framed = item != nullptr;
    filling([&] {
        if (item) {
            m_border->setCurrentIndex(std::clamp(item->borderType, 0, m_border->count() - 1));
            m_width->setValue(item->borderSize);
            m_padding->setValue(item->padding);
            m_margin->setValue(item->margin);
        }
    });
    m_font->setEnabled(framed);
    for (QWidget* w : std::initializer_list<QWidget*>{m_borderLabel, m_border, m_widthLabel,
                                                      m_width, m_borderColour, m_paddingLabel,
                                                      m_padding, m_marginLabel, m_margin}) {
        w->setEnabled(framed);
    }
    m_preview->setEntry(&m_page.design, entry);
}

void CLSDesignPageWidget::edited() {
    m_preview->updateGeometry();
    m_preview->update();
    reportChange();
}

void CLSDesignPageWidget::takeFrameValues() {
    // Filling the controls for another entry is not an edit of it.
    CLSVorelSkinItem* item = DesignEntryItem(m_page.design, currentEntry());
    if (!item || isFilling()) return;
    item->borderType = m_border->currentIndex();
    item->borderSize = m_width->value();
    item->padding = m_padding->value();
    item->margin = m_margin->value();
    edited();
}

void CLSDesignPageWidget::chooseFont() {
    CLSVorelSkinItem* item = DesignEntryItem(m_page.design, currentEntry());
    if (!item) return;
    QFont start = ToQFont(*item);
    QFont chosen = start;
    if (!ChooseFont(this, tr("フォント"), chosen)) return;
    CLSTString storedName = item->name;
    static_cast<CLSVorelFont&>(*item) = FromQFont(chosen, *item);
    // The face the stored name stands for on this machine keeps its stored
    // name, so a design written for the other platform's fonts stays so.
    if (chosen.family() == QFontInfo(start).family()) item->name = storedName;
    edited();
}

void CLSDesignPageWidget::chooseColour(int which) {
    int entry = currentEntry();
    CLSVorelSkin& d = m_page.design;
    CLSVorelSkinItem* item = DesignEntryItem(d, entry);
    Colour colour = 0;
    switch (which) {
        case kTextColour:
            colour = DesignEntryTextColour(d, entry);
            break;
        case kBackColour:
            colour = DesignEntryBackColour(d, entry);
            break;
        default:
            if (!item) return;
            colour = item->borderColor;
    }
    if (!ChooseColour(this, colour)) return;
    switch (which) {
        case kTextColour:
            SetDesignEntryTextColour(d, entry, colour);
            break;
        case kBackColour:
            SetDesignEntryBackColour(d, entry, colour);
            break;
        default:
            item->borderColor = colour;
    }
    edited();
}

bool CLSDesignPageWidget::loadDesign(const CLSTString& path) {
    // Read over a copy: a file that cannot be read leaves the working copy whole.
    CLSVorelSkin loaded = m_page.design;
    if (!loaded.loadDesignFile(m_prompter, path)) return false;
    m_page.design = loaded;
    showEntry();
    reportChange();
    return true;
}

bool CLSDesignPageWidget::saveDesign(const CLSTString& path) {
    return m_page.design.saveDesignFile(m_prompter, path);
}

void CLSDesignPageWidget::browseLoad() {
    CLSTString path;
    // The designs that come with the program (a high-contrast one among
    // them) are where the dialog opens.
    QString shipped;
    CLSTString programData = ProgramDataFolder();
    if (!programData.isEmpty()) shipped = ToQString(programData) + QStringLiteral("/designs");
    if (!ChooseOpenPath(this, tr("デザインの読み込み"), shipped, tr(kDesignFilter), m_prompter,
                        path)) {
        return;
    }
    loadDesign(path);
}

void CLSDesignPageWidget::browseSave() {
    CLSTString path;
    if (!ChooseSavePath(this, tr("デザインの保存"), QString(), tr(kDesignFilter), "ini", m_prompter,
                        path)) {
        return;
    }
    saveDesign(path);
}
