#include "data/widgets/DlgDataInfo.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "data/DataFileVersion.h"
#include "data/VorelDataFile.h"
#include "text/Common.h"
#include "text/widgets/DialogButtons.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtText.h"

namespace {

// The versions a file can be converted to.
const int kVersions[] = {DataFileVersion::kOldest,           DataFileVersion::kSettingLines,
                         DataFileVersion::kEditorSettings,   DataFileVersion::kTimeLimit,
                         DataFileVersion::kShowAndStartTime, DataFileVersion::kCurrent};

}  // namespace

CLSDlgDataInfo::CLSDlgDataInfo(CLSVorelDataFile& doc, bool editorOpen, QWidget* parent)
    : QDialog(parent), m_doc(doc) {
    setWindowTitle(tr("データ情報"));
    CLSDataInfo info = doc.dataInfo();
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_fileName = new QLabel(ToQString(info.path), this);
    m_fileName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_fileName->setWordWrap(true);
    form->addRow(tr("ファイル名："), m_fileName);

    m_versions = new QComboBox(this);
    bool listed = false;
    for (int v : kVersions) {
        // A file of a version between these keeps its own entry.
        if (!listed && info.version < v) {
            m_versions->addItem(ToQString(versionText(info.version)), info.version);
            listed = true;
        }
        m_versions->addItem(ToQString(versionText(v)), v);
        listed = listed || v == info.version;
    }
    m_versions->setCurrentIndex(m_versions->findData(info.version));
    m_versions->setEnabled(editorOpen);
    auto* versionLabel = new QLabel(tr("ファイルバージョン(&V)："), this);
    versionLabel->setBuddy(m_versions);
    form->addRow(versionLabel, m_versions);

    // Older layouts are Shift-JIS only; the document says so when asked.
    m_encodings = new QComboBox(this);
    for (CLSTextEncoding e : {CLSTextEncoding::kCp932, CLSTextEncoding::kUtf8})
        m_encodings->addItem(QString::fromUtf8(TextEncodingLabel(e)), static_cast<int>(e));
    m_encodings->setCurrentIndex(m_encodings->findData(static_cast<int>(info.encoding)));
    auto* encodingLabel = new QLabel(tr("文字コード(&C)："), this);
    encodingLabel->setBuddy(m_encodings);
    form->addRow(encodingLabel, m_encodings);

    const QString countNames[3] = {tr("行数："), tr("タイトル数："), tr("問題数：")};
    int counts[3] = {info.lineCount, info.titleCount, info.questionCount};
    for (int i = 0; i < 3; ++i) {
        m_counts[i] = new QLabel(QString::number(counts[i]), this);
        form->addRow(countNames[i], m_counts[i]);
    }
    layout->addLayout(form);

    auto* groupLabel = new QLabel(tr("グループ(&G)："), this);
    layout->addWidget(groupLabel);
    m_groups = new QTableWidget(CLSVorelDataFile::kGroupCount, 2, this);
    m_groups->setAccessibleName(tr("グループ名"));
    groupLabel->setBuddy(m_groups);
    m_groups->setHorizontalHeaderLabels({tr("グループ名"), tr("問題数")});
    m_groups->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_groups->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_groups->setTabKeyNavigation(false);
    m_groups->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_groups->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    for (int g = 0; g < CLSVorelDataFile::kGroupCount; ++g) {
        m_groups->setVerticalHeaderItem(g, new QTableWidgetItem(QString::number(g)));
        m_groups->setItem(g, 0, new QTableWidgetItem(ToQString(info.groupNames[g])));
        auto* count = new QTableWidgetItem(QString::number(info.groupQuestionCounts[g]));
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_groups->setItem(g, 1, count);
    }
    m_groups->verticalHeader()->setDefaultSectionSize(m_groups->fontMetrics().height() + 6);
    m_groups->setMinimumHeight(m_groups->verticalHeader()->defaultSectionSize() * 11 + 8);
    layout->addWidget(m_groups, 1);

    auto* buttons = new QHBoxLayout;
    m_ok = DialogButtonRow(*this, buttons, {.helpTopic = kHelpDataInfo}).ok;
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &CLSDlgDataInfo::accept);
    resize(360, 460);
}

int CLSDlgDataInfo::chosenVersion() const {
    return m_versions->currentData().toInt();
}

void CLSDlgDataInfo::accept() {
    int version = chosenVersion();
    if (m_versions->isEnabled() && version != m_doc.getVersion()) {
        // A lowering the learner declines leaves the document and the dialog as they were.
        if (!m_doc.setVersion(version)) return;
        emit versionChanged(version);
    }
    auto encoding = static_cast<CLSTextEncoding>(m_encodings->currentData().toInt());
    if (encoding != m_doc.encoding()) {
        // A refused conversion leaves the dialog open with its reason said.
        if (!m_doc.setEncoding(encoding)) return;
        emit versionChanged(m_doc.getVersion());
    }
    QDialog::accept();
}

bool ShowDataInfo(QWidget* parent, CLSVorelDataFile& doc, bool editorOpen) {
    CLSDlgDataInfo dialog(doc, editorOpen, parent);
    bool changed = false;
    QObject::connect(&dialog, &CLSDlgDataInfo::versionChanged, &dialog, [&] { changed = true; });
    dialog.exec();
    return changed;
}
