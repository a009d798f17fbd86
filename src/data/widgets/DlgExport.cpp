#include "data/widgets/DlgExport.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/ImportExport.h"
#include "data/VorelDataFile.h"
#include "data/widgets/FileFilters.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Paths.h"
#include "text/Prompter.h"
#include "text/widgets/DialogButtons.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtText.h"
#include "text/widgets/TextFromUser.h"

CLSDlgExport::CLSDlgExport(const CLSVorelDataFile& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc) {
    setWindowTitle(tr("エクスポート"));
    auto* layout = new QVBoxLayout(this);

    auto* pathRow = new QHBoxLayout;
    auto* pathLabel = new QLabel(tr("ファイル名(&F)："), this);
    m_path = new QLineEdit(this);
    pathLabel->setBuddy(m_path);
    m_browse = new QPushButton(tr("参照(&B)..."), this);
    m_browse->setAutoDefault(false);
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(m_path, 1);
    pathRow->addWidget(m_browse);
    layout->addLayout(pathRow);

    QString start = doc.isUntitled() ? QDir::home().filePath(ToQString(doc.getPath()))
                                     : ToQString(doc.getPath());
    QFileInfo info(start);
    m_path->setText(info.dir().filePath(info.completeBaseName() + ".csv"));

    auto* format = new QGroupBox(tr("形式"), this);
    auto* formatRow = new QHBoxLayout(format);
    m_comma = new QRadioButton(tr("カンマ区切り(&C)"), format);
    m_tab = new QRadioButton(tr("Tab区切り(&T)"), format);
    m_comma->setChecked(true);
    formatRow->addWidget(m_comma);
    formatRow->addWidget(m_tab);
    formatRow->addStretch();
    layout->addWidget(format);

    auto* encodingRow = new QHBoxLayout;
    auto* encodingLabel = new QLabel(tr("文字コード(&D)："), this);
    m_encoding = new QComboBox(this);
    m_encoding->addItem(U("Shift_JIS (CP932)"), static_cast<int>(CLSTextEncoding::kCp932));
    m_encoding->addItem(U("UTF-8"), static_cast<int>(CLSTextEncoding::kUtf8));
    encodingLabel->setBuddy(m_encoding);
    encodingRow->addWidget(encodingLabel);
    encodingRow->addWidget(m_encoding);
    encodingRow->addStretch();
    layout->addLayout(encodingRow);
    m_hints = new QCheckBox(tr("ヒントも出力する(&H)"), this);
    m_hints->setChecked(doc.settings().flag(CLSVorelSettings::kExportHints));
    layout->addWidget(m_hints);
    layout->addStretch();

    auto* buttons = new QHBoxLayout;
    // Alt+H belongs to the hints box here; F1 opens the help as well.
    DialogButtonSet row = DialogButtonRow(*this, buttons,
                                          {.helpTopic = kHelpExport,
                                           .okText = QT_TRANSLATE_NOOP("DialogButtons", "保存(&S)"),
                                           .helpText = "ヘルプ"});
    m_save = row.ok;
    m_save->setText(tr("保存(&S)"));
    if (row.help) row.help->setText(tr("ヘルプ"));
    layout->addLayout(buttons);

    connect(m_browse, &QPushButton::clicked, this, &CLSDlgExport::browse);
    connect(m_save, &QPushButton::clicked, this, &CLSDlgExport::save);
    resize(520, sizeHint().height());
}

void CLSDlgExport::browse() {
    // The program asks about overwriting itself, once the learner saves.
    QString chosen = QFileDialog::getSaveFileName(
        this, tr("エクスポート"), m_path->text(),
        QCoreApplication::translate("CLSDlgImport", kDelimitedFileFilter), nullptr,
        QFileDialog::DontConfirmOverwrite);
    if (!chosen.isEmpty()) m_path->setText(chosen);
}

void CLSDlgExport::save() {
    Prompter& prompter = m_doc.prompter();
    QString text = m_path->text().trimmed();
    if (text.isEmpty()) {
        prompter.message(PromptIcon::Warning,
                         FromQStringWhole(tr("ファイル名を入力してください。")));
        m_path->setFocus();
        return;
    }
    CLSTString path;
    if (!PathFromChosen(text, path, prompter)) return;
    if (QFileInfo::exists(text)) {
        switch (prompter.ask(PromptIcon::Question, PromptButtons::YesNoCancel,
                             FromQStringWhole(tr("ファイルは既に存在します。上書きしますか？")))) {
            case PromptAnswer::Yes:
                break;
            case PromptAnswer::No:
                reject();
                return;
            default:
                return;
        }
    }
    auto encoding = static_cast<CLSTextEncoding>(m_encoding->currentData().toInt());
    // A file that could not be written has been reported; the learner may
    // choose another place.
    bool hints = m_hints->isChecked();
    m_doc.settings().setFlag(CLSVorelSettings::kExportHints, hints);
    if (!ExportQuestions(m_doc, path, m_comma->isChecked(), encoding, hints)) return;
    m_written = true;
    accept();
}

void ExportWithDialog(QWidget* parent, const CLSVorelDataFile& doc) {
    CLSDlgExport dialog(doc, parent);
    dialog.exec();
}
