// The pages of the customisation sheet except the design page: controls
// that show the page values of CustomizeRules.h.

#include "settings/widgets/CustomizePages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "settings/SoundPlayer.h"
#include "settings/VorelSettings.h"
#include "settings/widgets/DlgVague.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/Language.h"
#include "text/Paths.h"
#include "text/Prompter.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/NumberSpinBox.h"
#include "text/widgets/QtText.h"
#include "text/widgets/TextFromUser.h"

namespace {

// Controls under a check box that governs them stand indented.
QGridLayout* indentedGrid(int indent = 20) {
    auto* grid = new QGridLayout;
    grid->setContentsMargins(indent, 0, 0, 0);
    return grid;
}

}  // namespace

QString LanguageName(const std::string& code) {
    if (code == "ja") return U("日本語");
    if (code == "en") return QStringLiteral("English");
    // A language added by its translation file alone: Qt knows its name.
    QString name = QLocale(QString::fromStdString(code)).nativeLanguageName();
    return name.isEmpty() ? QString::fromStdString(code) : name;
}

// ---- the common page -----------------------------------------------------------------------

CLSCustomizePage::CLSCustomizePage(const QString& title, int helpTopic, QWidget* parent)
    : QWidget(parent), m_title(title), m_helpTopic(helpTopic) {
    auto* outer = new QVBoxLayout(this);
    m_content = new QVBoxLayout;
    outer->addLayout(m_content);
    outer->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    m_reset = new QPushButton(tr("リセット(&R)"), this);
    row->addWidget(m_reset);
    outer->addLayout(row);
    connect(m_reset, &QPushButton::clicked, this, [this] {
        filling([this] { reset(); });
        emit changed();
    });
}

void CLSCustomizePage::placeResetLast() {
    // The chain runs through the whole window and comes back here.
    QWidget* last = nullptr;
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if (w != m_reset && isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus)) last = w;
    }
    if (last) setTabOrder(last, m_reset);
}

void CLSCustomizePage::watchControls() {
    for (QCheckBox* box : findChildren<QCheckBox*>())
        connect(box, &QCheckBox::toggled, this, &CLSCustomizePage::reportChange);
    for (QSpinBox* spin : findChildren<QSpinBox*>())
        connect(spin, &QSpinBox::valueChanged, this, &CLSCustomizePage::reportChange);
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        connect(edit, &QLineEdit::textEdited, this, &CLSCustomizePage::reportChange);
    for (QComboBox* combo : findChildren<QComboBox*>())
        connect(combo, &QComboBox::currentIndexChanged, this, &CLSCustomizePage::reportChange);
}

QLabel* NewFieldLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QLabel* NewFieldLabel(const char* utf8, QWidget* buddy, QWidget* parent) {
    return NewFieldLabel(U(utf8), buddy, parent);
}

QLabel* NewUnitLabel(const QString& unit, QWidget* field, QWidget* parent) {
    field->setAccessibleDescription(unit);
    return new QLabel(unit, parent);
}

CLSNumberSpinBox* NewNumberField(int minimum, int maximum, QWidget* parent) {
    auto* field = new CLSNumberSpinBox(parent);
    field->setStepRange(minimum, maximum);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QString("0000000")) + 32);
    field->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return field;
}

// ---- 一般 ----------------------------------------------------------------------------------

CLSGeneralPageWidget::CLSGeneralPageWidget(const CLSVorelSettings& settings, Prompter& prompter,
                                           QWidget* parent)
    : CLSCustomizePage(tr("一般"), kHelpCustomizeGeneral, parent), m_prompter(prompter) {
    m_loadLast = new QCheckBox(tr("起動時に，前回最後に使用したファイルを読み込む(&L)"), this);
    m_saveLog = new QCheckBox(tr("出題履歴一覧を保存する(&S)"), this);
    m_logName = new QLineEdit(this);
    m_logNameLabel = NewFieldLabel(tr("ファイル名(&N)："), m_logName, this);
    m_browse = new QPushButton(tr("参照(&E)..."), this);
    m_logSize = NewNumberField(0, 32767, this);
    m_logSizeLabel = NewFieldLabel(tr("出題履歴最大サイズ(&M)："), m_logSize, this);
    m_logSizeUnit = NewUnitLabel(U("KB"), m_logSize, this);
    m_historySize = NewNumberField(0, 32767, this);
    m_debug = new QCheckBox(tr("デバッグモードで起動する(&D)"), this);
    m_language = new QComboBox(this);
    // Each language by its own name, so that a learner finds theirs.
    m_language->addItem(tr("自動 (システムの言語)"), QString());
    for (const std::string& code : AvailableLanguages())
        m_language->addItem(LanguageName(code), QString::fromStdString(code));

    content()->addWidget(m_loadLast);
    content()->addSpacing(6);
    content()->addWidget(m_saveLog);
    QGridLayout* log = indentedGrid();
    log->addWidget(m_logNameLabel, 0, 0);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_logName, 1);
    nameRow->addWidget(m_browse);
    log->addLayout(nameRow, 0, 1, 1, 2);
    log->addWidget(m_logSizeLabel, 1, 0);
    log->addWidget(m_logSize, 1, 1);
    log->addWidget(m_logSizeUnit, 1, 2);
    log->setColumnStretch(2, 1);
    content()->addLayout(log);
    content()->addSpacing(6);
    auto* history = new QHBoxLayout;
    history->addWidget(
        NewFieldLabel(tr("問題毎に保存する正誤履歴の最大数(&H)："), m_historySize, this));
    history->addWidget(m_historySize);
    history->addStretch(1);
    content()->addLayout(history);
    content()->addSpacing(6);
    content()->addWidget(m_debug);
    content()->addSpacing(6);
    auto* language = new QHBoxLayout;
    language->addWidget(NewFieldLabel(tr("表示言語(&I)："), m_language, this));
    language->addWidget(m_language);
    language->addStretch(1);
    content()->addLayout(language);
    auto* languageNote =
        new QLabel(tr("表示言語の変更は、次に起動したときから有効になります。"), this);
    languageNote->setWordWrap(true);
    content()->addWidget(languageNote);

    connect(m_saveLog, &QCheckBox::toggled, this, &CLSGeneralPageWidget::enableLogControls);
    connect(m_browse, &QPushButton::clicked, this, &CLSGeneralPageWidget::browse);
    load(CLSGeneralPage::from(settings));
    watchControls();
}

void CLSGeneralPageWidget::load(const CLSGeneralPage& page) {
    filling([&] {
        m_loadLast->setChecked(page.loadLastFile);
        m_saveLog->setChecked(page.saveExamLog);
        m_logName->setText(ToQString(page.examLogName));
        m_logSize->setValue(page.examLogSize);
        m_historySize->setValue(page.historySize);
        m_debug->setChecked(page.debugMode);
        int index = m_language->findData(QString::fromStdString(page.language));
        m_language->setCurrentIndex(std::max(index, 0));
    });
    enableLogControls();
}

CLSGeneralPage CLSGeneralPageWidget::value() const {
    CLSGeneralPage page;
    page.loadLastFile = m_loadLast->isChecked();
    page.saveExamLog = m_saveLog->isChecked();
    page.examLogName = FromQStringLossy(m_logName->text());
    page.examLogSize = m_logSize->value();
    page.historySize = m_historySize->value();
    page.debugMode = m_debug->isChecked();
    page.language = m_language->currentData().toString().toStdString();
    return page;
}

void CLSGeneralPageWidget::reset() {
    load(CLSGeneralPage::defaults());
    // Debug mode stops at once, not only when the sheet is confirmed.
    setDebugMode(false);
}

void CLSGeneralPageWidget::enableLogControls() {
    bool on = m_saveLog->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(m_logNameLabel), static_cast<QWidget*>(m_logName),
                       static_cast<QWidget*>(m_browse), static_cast<QWidget*>(m_logSizeLabel),
                       static_cast<QWidget*>(m_logSize), static_cast<QWidget*>(m_logSizeUnit)}) {
        w->setEnabled(on);
    }
}

void CLSGeneralPageWidget::browse() {
    // A name for the history, which need not exist yet: no overwrite question.
    QFileDialog dialog(this, tr("出題履歴一覧"), m_logName->text(),
                       tr("テキストファイル (*.txt *.TXT)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    CLSTString path;
    if (!PathFromChosen(dialog.selectedFiles().first(), path, m_prompter)) return;
    m_logName->setText(ToQString(path));
    reportChange();
}

// ---- 効果音 --------------------------------------------------------------------------------

CLSSoundPageWidget::CLSSoundPageWidget(const CLSVorelSettings& settings, Prompter& prompter,
                                       SoundPlayer* player, QWidget* parent)
    : CLSCustomizePage(tr("効果音"), kHelpCustomizeSound, parent),
      m_prompter(prompter),
      m_player(player) {
    setAcceptDrops(true);
    m_sound = new QCheckBox(tr("効果音を鳴らす(&S)"), this);
    m_list = new QListWidget(this);
    m_list->setAccessibleName(tr("効果音"));
    for (const char* name :
         {QT_TR_NOOP("出題音"), QT_TR_NOOP("正解音"), QT_TR_NOOP("誤答音"), QT_TR_NOOP("結果音")})
        m_list->addItem(tr(name));
    m_list->setMaximumHeight(m_list->sizeHintForRow(0) * 4 + 2 * m_list->frameWidth() + 4);
    m_file = new QLineEdit(this);
    m_file->setAccessibleName(tr("効果音のファイル"));
    // A file dropped on the name goes to the page, which takes it as a file.
    m_file->setAcceptDrops(false);
    m_browse = new QPushButton(tr("参照(&S)..."), this);
    m_play = new QPushButton(tr("再生(&P)"), this);

    content()->addWidget(m_sound);
    QGridLayout* grid = indentedGrid();
    grid->addWidget(m_list, 0, 0, 1, 3);
    grid->addWidget(m_file, 1, 0);
    grid->addWidget(m_browse, 1, 1);
    grid->addWidget(m_play, 1, 2);
    grid->setColumnStretch(0, 1);
    content()->addLayout(grid);
    auto* hint = new QLabel(tr("ファイルをこのページにドロップしても指定できます。"), this);
    hint->setWordWrap(true);
    content()->addWidget(hint);

    connect(m_sound, &QCheckBox::toggled, this, &CLSSoundPageWidget::enableControls);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) filling([&] { m_file->setText(ToQString(m_page.names[row])); });
    });
    connect(m_file, &QLineEdit::textEdited, this, [this](const QString& text) {
        int row = m_list->currentRow();
        if (row >= 0) m_page.names[row] = FromQStringLossy(text);
    });
    connect(m_browse, &QPushButton::clicked, this, &CLSSoundPageWidget::browse);
    connect(m_play, &QPushButton::clicked, this, &CLSSoundPageWidget::play);
    load(CLSSoundPage::from(settings));
    watchControls();
}

void CLSSoundPageWidget::load(const CLSSoundPage& page) {
    m_page = page;
    filling([&] {
        m_sound->setChecked(page.sound);
        if (m_list->currentRow() < 0) m_list->setCurrentRow(0);
        m_file->setText(ToQString(m_page.names[m_list->currentRow()]));
    });
    enableControls();
}

CLSSoundPage CLSSoundPageWidget::value() const {
    CLSSoundPage page = m_page;
    page.sound = m_sound->isChecked();
    return page;
}

void CLSSoundPageWidget::reset() {
    load(CLSSoundPage::defaults());
}

void CLSSoundPageWidget::enableControls() {
    bool on = m_sound->isChecked();
    m_file->setEnabled(on);
    m_browse->setEnabled(on);
    m_play->setEnabled(on);
}

void CLSSoundPageWidget::play() {
    int row = m_list->currentRow();
    if (row < 0 || !m_player) return;
    m_player->stop();
    if (!m_player->tryPlay(m_page.names[row])) {
        m_prompter.message(
            PromptIcon::Warning,
            FromQStringWhole(tr("サウンドファイルを再生できません。\n\n")) + m_page.names[row]);
    }
}

void CLSSoundPageWidget::takeFile(const QString& nativePath) {
    int row = m_list->currentRow();
    CLSTString path;
    if (row < 0 || !PathFromChosen(nativePath, path, m_prompter)) return;
    m_page.names[row] = path;
    filling([&] { m_file->setText(ToQString(path)); });
    reportChange();
}

void CLSSoundPageWidget::browse() {
    CLSTString current = FindSoundFile(m_page.names[std::max(0, m_list->currentRow())]);
    QString chosen = QFileDialog::getOpenFileName(this, tr("開く"), ToQString(current),
                                                  tr("サウンドファイル (*.wav *.WAV)"));
    if (!chosen.isEmpty()) takeFile(chosen);
}

void CLSSoundPageWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (m_sound->isChecked() && event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CLSSoundPageWidget::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (!url.isLocalFile()) continue;
        event->acceptProposedAction();
        takeFile(url.toLocalFile());
        return;
    }
}

void CLSSoundPageWidget::hideEvent(QHideEvent* event) {
    // A sound started on the page ends with it.
    if (m_player) m_player->stop();
    CLSCustomizePage::hideEvent(event);
}

// ---- 文字列比較 ----------------------------------------------------------------------------

CLSComparisonPageWidget::CLSComparisonPageWidget(CLSVorelSettings& settings, Prompter& prompter,
                                                 QWidget* parent)
    : CLSCustomizePage(tr("文字列比較"), kHelpCustomizeComparison, parent),
      m_settings(settings),
      m_prompter(prompter) {
    m_useData = new QCheckBox(tr("データファイルの設定を使用する(&D)"), this);
    const char* texts[5] = {QT_TR_NOOP("大文字小文字の区別をしない(&C)"),
                            QT_TR_NOOP("ひらがなカタカナの区別をしない(&K)"),
                            QT_TR_NOOP("全角半角の区別をしない(&W)"),
                            QT_TR_NOOP("記号を無視する(&S)"), QT_TR_NOOP("あいまい比較を行う(&V)")};
    content()->addWidget(m_useData);
    QGridLayout* grid = indentedGrid();
    for (int i = 0; i < 5; ++i) {
        m_options[i] = new QCheckBox(tr(texts[i]), this);
        grid->addWidget(m_options[i], i, 0);
    }
    content()->addLayout(grid);
    content()->addSpacing(8);
    auto* vague = new QPushButton(tr("あいまい設定(&G)..."), this);
    auto* row = new QHBoxLayout;
    row->addWidget(vague);
    row->addStretch(1);
    content()->addLayout(row);

    connect(m_useData, &QCheckBox::toggled, this, &CLSComparisonPageWidget::enableOptions);
    connect(vague, &QPushButton::clicked, this, [this] {
        CLSDlgVague dialog(m_settings.vagueTable(), m_prompter, this);
        if (dialog.exec() == QDialog::Accepted) emit changed();
    });
    load(CLSComparisonPage::from(settings));
    watchControls();
}

void CLSComparisonPageWidget::load(const CLSComparisonPage& page) {
    int shown = 0;
    for (int bit : CLSComparisonPage::kOptionBits)
        shown |= bit;
    m_otherModeBits = page.compareMode & ~shown;
    filling([&] {
        m_useData->setChecked(page.useData);
        for (int i = 0; i < 5; ++i)
            m_options[i]->setChecked(page.compareMode & CLSComparisonPage::kOptionBits[i]);
    });
    enableOptions();
}

CLSComparisonPage CLSComparisonPageWidget::value() const {
    CLSComparisonPage page;
    page.useData = m_useData->isChecked();
    page.compareMode = m_otherModeBits;
    for (int i = 0; i < 5; ++i) {
        if (m_options[i]->isChecked()) page.compareMode |= CLSComparisonPage::kOptionBits[i];
    }
    return page;
}

void CLSComparisonPageWidget::reset() {
    load(CLSComparisonPage::defaults());
}

void CLSComparisonPageWidget::enableOptions() {
    // The data file's options win; these keep their values for later.
    for (QCheckBox* box : m_options)
        box->setEnabled(!m_useData->isChecked());
}

// ---- 問題 ----------------------------------------------------------------------------------

CLSQuestionPageWidget::CLSQuestionPageWidget(const CLSVorelSettings& settings, QWidget* parent)
    : CLSCustomizePage(tr("問題"), kHelpCustomizeQuestion, parent) {
    m_useData = new QCheckBox(tr("データファイルの設定を使用する(&D)"), this);
    m_choiceCount = NewNumberField(1, 9, this);
    m_perLine = NewNumberField(1, 9, this);
    m_perLineAuto = new QCheckBox(tr("自動(&E)"), this);
    m_choiceHeight = NewNumberField(1, 100, this);
    m_choiceHeightAuto = new QCheckBox(tr("自動(&H)"), this);
    m_fromTitle = new QCheckBox(tr("タイトル～タイトル内から選ぶ(&T)"), this);
    m_fromGroup = new QCheckBox(tr("同一グループ内から選ぶ(&G)"), this);
    m_centre = new QCheckBox(tr("選択肢を中央揃えにする(&F)"), this);
    m_inputHeight = NewNumberField(1, 100, this);
    m_timeLimit = NewNumberField(0, 32767, this);
    m_showTime = NewNumberField(0, 32767, this);
    m_startTime = NewNumberField(0, 32767, this);
    m_lineInterval = NewNumberField(0, 32767, this);

    content()->addWidget(m_useData);
    // The tips point the learner at the "選択肢" part of this page.
    auto* choices = new QGroupBox(tr("選択肢"), this);
    auto* c = new QGridLayout(choices);
    c->addWidget(NewFieldLabel(tr("選択肢モードにしたときの選択肢の数(&C)："), m_choiceCount, this),
                 0, 0);
    c->addWidget(m_choiceCount, 0, 1);
    c->addWidget(NewFieldLabel(tr("一行に表示する選択肢の数(&N)："), m_perLine, this), 1, 0);
    c->addWidget(m_perLine, 1, 1);
    c->addWidget(m_perLineAuto, 1, 2);
    c->addWidget(NewFieldLabel(tr("選択肢ボタンの高さ(&B)："), m_choiceHeight, this), 2, 0);
    auto* heightRow = new QHBoxLayout;
    heightRow->addWidget(m_choiceHeight);
    heightRow->addWidget(NewUnitLabel(tr("行"), m_choiceHeight, this));
    c->addLayout(heightRow, 2, 1);
    c->addWidget(m_choiceHeightAuto, 2, 2);
    auto* from = new QHBoxLayout;
    from->addWidget(m_fromTitle);
    from->addWidget(m_fromGroup);
    from->addStretch(1);
    c->addLayout(from, 3, 0, 1, 4);
    c->addWidget(m_centre, 4, 0, 1, 4);
    c->setColumnStretch(3, 1);
    content()->addWidget(choices);

    auto* grid = new QGridLayout;
    const struct {
        const char* label;
        CLSNumberSpinBox* field;
        const char* unit;
    } rows[] = {
        {QT_TR_NOOP("答え入力欄の高さ(&I)："), m_inputHeight, QT_TR_NOOP("行")},
        {QT_TR_NOOP("制限時間(&M)："), m_timeLimit, QT_TR_NOOP("秒")},
        {QT_TR_NOOP("表示時間(&V)："), m_showTime, QT_TR_NOOP("秒")},
        {QT_TR_NOOP("解答開始時間(&S)："), m_startTime, QT_TR_NOOP("秒")},
        {QT_TR_NOOP("行間(&L)："), m_lineInterval, "%"},
    };
    // The input height on a line of its own, then the three times and the
    // spacing in two columns.
    grid->addWidget(NewFieldLabel(tr(rows[0].label), rows[0].field, this), 0, 0);
    grid->addWidget(rows[0].field, 0, 1);
    grid->addWidget(NewUnitLabel(tr(rows[0].unit), rows[0].field, this), 0, 2);
    for (int i = 1; i < 5; ++i) {
        int row = 1 + (i - 1) / 2;
        int col = ((i - 1) % 2) * 4;
        grid->addWidget(NewFieldLabel(tr(rows[i].label), rows[i].field, this), row, col);
        grid->addWidget(rows[i].field, row, col + 1);
        grid->addWidget(NewUnitLabel(tr(rows[i].unit), rows[i].field, this), row, col + 2);
    }
    grid->setColumnMinimumWidth(3, 12);
    grid->setColumnStretch(7, 1);
    content()->addLayout(grid);

    load(CLSQuestionPage::from(settings));
    watchControls();
}

void CLSQuestionPageWidget::load(const CLSQuestionPage& page) {
    filling([&] {
        m_useData->setChecked(page.useData);
        m_choiceCount->setValue(page.defaultChoicesCount);
        m_perLine->setValue(page.maxChoicesOfLine);
        m_perLineAuto->setChecked(page.autoChoicesPerLine);
        m_choiceHeight->setValue(page.choicesHeight);
        m_choiceHeightAuto->setChecked(page.autoChoiceHeight);
        m_inputHeight->setValue(page.inputFieldHeight);
        m_fromTitle->setChecked(page.choicesFromTitle);
        m_fromGroup->setChecked(page.choicesFromGroup);
        m_centre->setChecked(page.choiceCenter);
        m_timeLimit->setValue(page.timeLimit);
        m_showTime->setValue(page.questionShowTime);
        m_startTime->setValue(page.answerStartTime);
        m_lineInterval->setValue(page.lineInterval);
    });
}

CLSQuestionPage CLSQuestionPageWidget::value() const {
    CLSQuestionPage page;
    page.useData = m_useData->isChecked();
    page.defaultChoicesCount = m_choiceCount->value();
    page.maxChoicesOfLine = m_perLine->value();
    page.autoChoicesPerLine = m_perLineAuto->isChecked();
    page.choicesHeight = m_choiceHeight->value();
    page.autoChoiceHeight = m_choiceHeightAuto->isChecked();
    page.inputFieldHeight = m_inputHeight->value();
    page.choicesFromTitle = m_fromTitle->isChecked();
    page.choicesFromGroup = m_fromGroup->isChecked();
    page.choiceCenter = m_centre->isChecked();
    page.timeLimit = m_timeLimit->value();
    page.questionShowTime = m_showTime->value();
    page.answerStartTime = m_startTime->value();
    page.lineInterval = m_lineInterval->value();
    return page;
}

void CLSQuestionPageWidget::reset() {
    load(CLSQuestionPage::defaults());
}

// ---- 答え ----------------------------------------------------------------------------------

CLSAnswerPageWidget::CLSAnswerPageWidget(const CLSVorelSettings& settings, QWidget* parent)
    : CLSCustomizePage(tr("答え"), kHelpCustomizeAnswer, parent) {
    m_width = NewNumberField(260, 32767, this);
    m_height = NewNumberField(150, 32767, this);
    m_clickTime = NewNumberField(0, 32767, this);
    m_noClickWrong = new QCheckBox(tr("不正解のときは自動的にクリックしない(&O)"), this);
    m_button = new QComboBox(this);
    for (const char* name :
         {QT_TR_NOOP("正解ボタン"), QT_TR_NOOP("不正解ボタン"), QT_TR_NOOP("スキップボタン")})
        m_button->addItem(tr(name));
    m_buttonLabel = NewFieldLabel(tr("確認モードのときクリックするボタン(&B)："), m_button, this);
    m_comment = new QCheckBox(tr("コメントを表示する(&C)"), this);
    m_otherAnswers = new QCheckBox(tr("別解を表示する(&O)"), this);

    auto* size = new QGridLayout;
    size->addWidget(NewFieldLabel(tr("答えダイアログの基準幅(&W)："), m_width, this), 0, 0);
    size->addWidget(m_width, 0, 1);
    size->addWidget(NewUnitLabel(tr("ピクセル"), m_width, this), 0, 2);
    size->addWidget(NewFieldLabel(tr("答えダイアログの基準高さ(&H)："), m_height, this), 1, 0);
    size->addWidget(m_height, 1, 1);
    size->addWidget(NewUnitLabel(tr("ピクセル"), m_height, this), 1, 2);
    size->setColumnStretch(3, 1);
    content()->addLayout(size);
    content()->addSpacing(6);
    auto* click = new QHBoxLayout;
    click->addWidget(
        NewFieldLabel(tr("ボタンを自動的にクリックするまでの時間(&T)："), m_clickTime, this));
    click->addWidget(m_clickTime);
    click->addWidget(NewUnitLabel(tr("ミリ秒"), m_clickTime, this));
    click->addStretch(1);
    content()->addLayout(click);
    QGridLayout* clickOptions = indentedGrid();
    clickOptions->addWidget(m_noClickWrong, 0, 0, 1, 3);
    clickOptions->addWidget(m_buttonLabel, 1, 0);
    clickOptions->addWidget(m_button, 1, 1);
    clickOptions->setColumnStretch(2, 1);
    content()->addLayout(clickOptions);
    content()->addSpacing(6);
    content()->addWidget(m_comment);
    content()->addWidget(m_otherAnswers);

    connect(m_clickTime, &QSpinBox::valueChanged, this, &CLSAnswerPageWidget::enableClickControls);
    load(CLSAnswerPage::from(settings));
    watchControls();
}

void CLSAnswerPageWidget::load(const CLSAnswerPage& page) {
    filling([&] {
        m_width->setValue(page.baseWidth);
        m_height->setValue(page.baseHeight);
        m_clickTime->setValue(page.autoClickTime);
        m_noClickWrong->setChecked(page.noClickWrong);
        m_button->setCurrentIndex(std::clamp(page.clickButtonType, 0, 2));
        m_comment->setChecked(page.showComment);
        m_otherAnswers->setChecked(page.showOtherAnswers);
    });
    enableClickControls();
}

CLSAnswerPage CLSAnswerPageWidget::value() const {
    CLSAnswerPage page;
    page.baseWidth = m_width->value();
    page.baseHeight = m_height->value();
    page.autoClickTime = m_clickTime->value();
    page.noClickWrong = m_noClickWrong->isChecked();
    page.clickButtonType = m_button->currentIndex();
    page.showComment = m_comment->isChecked();
    page.showOtherAnswers = m_otherAnswers->isChecked();
    return page;
}

void CLSAnswerPageWidget::reset() {
    load(CLSAnswerPage::defaults());
}

void CLSAnswerPageWidget::enableClickControls() {
    // Without an automatic click these have nothing to govern.
    bool on = m_clickTime->value() != 0;
    m_noClickWrong->setEnabled(on);
    m_buttonLabel->setEnabled(on);
    m_button->setEnabled(on);
}
