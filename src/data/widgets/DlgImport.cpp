#include "data/widgets/DlgImport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "data/ImportExport.h"
#include "data/VorelDataFile.h"
#include "data/widgets/FileFilters.h"
#include "data/widgets/ImportPreviewModel.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/Language.h"
#include "text/Prompter.h"
#include "text/widgets/DialogButtons.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtText.h"
#include "text/widgets/TextFromUser.h"

namespace {

constexpr int kPreviewColumns = 256;
constexpr int kPreviewFieldBytes = 2000;

// Questions put while the wait cursor shows get the arrow back first.
class ArrowPrompter : public Prompter {
  public:
    explicit ArrowPrompter(Prompter& inner) : m_inner(inner) {}
    PromptAnswer ask(PromptIcon icon, PromptButtons buttons, const CLSTString& text,
                     int defaultButton) override {
        bool waiting = QApplication::overrideCursor() != nullptr;
        if (waiting) QApplication::restoreOverrideCursor();
        PromptAnswer answer = m_inner.ask(icon, buttons, text, defaultButton);
        if (waiting) QApplication::setOverrideCursor(Qt::WaitCursor);
        return answer;
    }
    int askChoice(PromptIcon icon, const CLSTString& text, const std::vector<CLSTString>& answers,
                  int defaultAnswer) override {
        bool waiting = QApplication::overrideCursor() != nullptr;
        if (waiting) QApplication::restoreOverrideCursor();
        int answer = m_inner.askChoice(icon, text, answers, defaultAnswer);
        if (waiting) QApplication::setOverrideCursor(Qt::WaitCursor);
        return answer;
    }

  private:
    Prompter& m_inner;
};

QString separatorText(char c) {
    if (c == ',') return QCoreApplication::translate("CLSDlgImport", ",  <半角カンマ>");
    if (c == '\t') return QCoreApplication::translate("CLSDlgImport", "   <タブ>");
    if (c == ' ') return QCoreApplication::translate("CLSDlgImport", "   <空白>");
    return QString(QChar(c)) + QCoreApplication::translate("CLSDlgImport", "  <ファイルの指定>");
}

}  // namespace

CLSDlgImport::CLSDlgImport(CLSVorelDataFile& doc, const CLSTString& path,
                           const CLSImportProposal& proposal, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_path(path), m_proposal(proposal) {
    setWindowTitle(tr("インポート"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    createChoices(grid);
    layout->addLayout(grid);

    m_model = new CLSImportPreviewModel(this);
    m_preview = new QTableView(this);
    m_preview->setAccessibleName(tr("プレビュー"));
    m_preview->setModel(m_model);
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setWordWrap(false);
    m_preview->setTabKeyNavigation(false);
    m_preview->verticalHeader()->setDefaultSectionSize(m_preview->fontMetrics().height() + 6);
    m_preview->horizontalHeader()->setSectionsClickable(true);
    m_preview->horizontalHeader()->setHighlightSections(false);
    // Columns 110 dialog units wide, as the learner knows them.
    m_preview->horizontalHeader()->setDefaultSectionSize(
        m_preview->fontMetrics().averageCharWidth() * 110 / 4);
    connect(m_preview->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &CLSDlgImport::chooseRole);
    // The keyboard reaches the role menu of the current column.
    auto* roleKey = new QAction(m_preview);
    roleKey->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    roleKey->setShortcutContext(Qt::WidgetShortcut);
    m_preview->addAction(roleKey);
    connect(roleKey, &QAction::triggered, this, [this] {
        QModelIndex current = m_preview->currentIndex();
        chooseRole(current.isValid() ? current.column() : 0);
    });
    auto* previewLabel = new QLabel(
        tr("プレビュー(&P)：列の見出しをクリック（または Shift+F10）して読み込む項目を選びます"),
        this);
    previewLabel->setBuddy(m_preview);
    layout->addWidget(previewLabel);
    layout->addWidget(m_preview, 1);
    m_note = new QLabel(this);
    m_note->setWordWrap(true);
    layout->addWidget(m_note);

    auto* buttons = new QHBoxLayout;
    createButtons(buttons);
    layout->addLayout(buttons);
    resize(640, 460);
    refill(true);
}

void CLSDlgImport::createChoices(QGridLayout* grid) {
    const CLSImportOptions& o = m_proposal.options;
    grid->addWidget(new QLabel(tr("ファイル名："), this), 0, 0);
    auto* name = new QLabel(ToQString(m_path), this);
    name->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(name, 0, 1, 1, 3);

    m_separator = new QComboBox(this);
    m_separator->addItem(separatorText(','), static_cast<int>(','));
    m_separator->addItem(separatorText('\t'), static_cast<int>('\t'));
    if (o.separator != ',' && o.separator != '\t')
        m_separator->addItem(separatorText(o.separator), static_cast<int>(o.separator));
    m_separator->setCurrentIndex(m_separator->findData(static_cast<int>(o.separator)));
    auto* separatorLabel = new QLabel(tr("区切り文字(&S)："), this);
    separatorLabel->setBuddy(m_separator);
    grid->addWidget(separatorLabel, 1, 0);
    grid->addWidget(m_separator, 1, 1);

    m_encoding = new QComboBox(this);
    m_encoding->addItem(U("Shift_JIS (CP932)"), static_cast<int>(CLSTextEncoding::kCp932));
    m_encoding->addItem(U("UTF-8"), static_cast<int>(CLSTextEncoding::kUtf8));
    m_encoding->setCurrentIndex(m_encoding->findData(static_cast<int>(o.encoding)));
    auto* encodingLabel = new QLabel(tr("文字コード(&D)："), this);
    encodingLabel->setBuddy(m_encoding);
    grid->addWidget(encodingLabel, 1, 2);
    grid->addWidget(m_encoding, 1, 3);

    m_header = new QCheckBox(tr("1行目をヘッダと見なす（1行目を飛ばす）"), this);
    m_header->setChecked(o.header);
    m_html = new QCheckBox(tr("HTMLのタグを取り除く(&M)"), this);
    m_html->setChecked(o.html);
    grid->addWidget(m_header, 2, 0, 1, 2);
    grid->addWidget(m_html, 2, 2, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    connect(m_separator, &QComboBox::currentIndexChanged, this, [this] { refill(true); });
    connect(m_header, &QCheckBox::toggled, this, [this] { refill(true); });
    connect(m_encoding, &QComboBox::currentIndexChanged, this, [this] { refill(false); });
    connect(m_html, &QCheckBox::toggled, this, [this] { refill(false); });
}

void CLSDlgImport::createButtons(QBoxLayout* row) {
    m_import = DialogButtonRow(*this, row,
                               {.helpTopic = kHelpImport,
                                .okText = QT_TRANSLATE_NOOP("DialogButtons", "読み込む")})
                   .ok;
    m_import->setText(tr("読み込む"));
    connect(m_import, &QPushButton::clicked, this, &CLSDlgImport::import);
}

CLSImportOptions CLSDlgImport::options() const {
    CLSImportOptions o = m_proposal.options;
    o.separator = static_cast<char>(m_separator->currentData().toInt());
    o.encoding = static_cast<CLSTextEncoding>(m_encoding->currentData().toInt());
    o.header = m_header->isChecked();
    o.html = m_html->isChecked();
    return o;
}

void CLSDlgImport::refill(bool proposeRoles) {
    CLSImportLimits limits;
    limits.maxRecords = kPreviewRecords;
    limits.maxColumns = kPreviewColumns;
    limits.maxFieldBytes = kPreviewFieldBytes;
    limits.cutLongFields = true;
    CLSImportReader reader;
    std::vector<CLSTStringArray> records;
    QStringList notes;
    int columns = 0;
    bool more = false;
    try {
        if (reader.open(m_path, options(), limits)) {
            CLSTStringArray fields;
            while (reader.next(fields)) {
                columns = std::max(columns, fields.count());
                records.push_back(fields);
            }
            more = records.size() >= static_cast<size_t>(kPreviewRecords) && !reader.atEnd();
        } else {
            notes << tr("ファイルを開けません。");
        }
    } catch (const CLSError& e) {
        notes << ToQString(errorText(e));
    }
    const CLSTStringArray& names = reader.columnNames();
    columns = std::max(columns, std::min(names.count(), kPreviewColumns));
    std::vector<int> roles = m_model->roles();
    m_model->setRecords(std::move(records), columns);
    if (proposeRoles) {
        m_model->setRoles(ProposeImportRoles(names, m_proposal.directives));
    } else {
        m_model->setRoles(roles);
    }
    if (m_model->rowCount() == 0 && notes.isEmpty())
        notes << tr("読み込めるレコードがありません。");
    if (more) {
        notes << tr("先頭の%1件を表示しています（読み込むときはすべてのレコードを読み込みます）。")
                     .arg(kPreviewRecords);
    }
    if (reader.columnsCut()) notes << tr("先頭の%1列を表示しています。").arg(kPreviewColumns);
    if (reader.fieldsCut()) notes << tr("長い項目は途中までを表示しています。");
    m_note->setText(notes.join('\n'));
    m_note->setVisible(!notes.isEmpty());
}

void CLSDlgImport::chooseRole(int column) {
    if (column < 0 || column >= m_model->columnCount()) return;
    QMenu menu(this);
    for (int role : {1, 2, 3, 4, 5, 0}) {
        QAction* a =
            menu.addAction(role == 0 ? tr("(なし)") : CLSImportPreviewModel::roleLabel(role));
        a->setData(role);
        a->setCheckable(true);
        a->setChecked(m_model->roles()[column] == role);
    }
    QHeaderView* header = m_preview->horizontalHeader();
    QPoint at(header->sectionViewportPosition(column), header->height());
    menu.setActiveAction(menu.actions().first());
    if (QAction* chosen = menu.exec(header->mapToGlobal(at))) {
        m_model->setRole(column, chosen->data().toInt());
    }
}

void CLSDlgImport::import() {
    Prompter& prompter = m_doc.prompter();
    ArrowPrompter arrow(prompter);
    m_doc.setPrompter(arrow);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool ok = false;
    try {
        ok = ImportQuestions(m_doc, m_path, options(), m_model->roles());
    } catch (const CLSError& e) {
        QApplication::restoreOverrideCursor();
        showError(e, prompter);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    QApplication::restoreOverrideCursor();
    m_doc.setPrompter(prompter);
    if (ok) accept();
}

bool ImportFileWithDialog(QWidget* parent, CLSVorelDataFile& doc, const CLSTString& path) {
    CLSImportProposal proposal = InspectImportFile(path);
    if (proposal.kind == CLSImportFileKind::kUnreadable) {
        CLSTString text(Fill(VT("ファイル %1 を開けません。"), {path.view()}));
        doc.prompter().message(PromptIcon::Error, text);
        return false;
    }
    if (proposal.kind != CLSImportFileKind::kText) {
        doc.prompter().message(PromptIcon::Error, ImportFileKindMessage(proposal.kind));
        return false;
    }
    CLSDlgImport dialog(doc, path, proposal, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool ImportWithDialog(QWidget* parent, CLSVorelDataFile& doc) {
    CLSTString path;
    if (!ChooseOpenPath(parent, QCoreApplication::translate("CLSDlgImport", "インポート"),
                        QString(),
                        QCoreApplication::translate("CLSDlgImport", kDelimitedFileFilter),
                        doc.prompter(), path)) {
        return false;
    }
    return ImportFileWithDialog(parent, doc, path);
}
