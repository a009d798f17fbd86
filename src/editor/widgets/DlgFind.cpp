#include "editor/widgets/DlgFind.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "editor/QuestionTools.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/widgets/DialogButtons.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtPrompter.h"
#include "text/widgets/QtText.h"
#include "text/widgets/TextFromUser.h"

namespace {

QPointer<CLSDlgFind>& openDialog() {
    static QPointer<CLSDlgFind> dialog;
    return dialog;
}

}  // namespace

CLSTString& SharedFindText() {
    static CLSTString text;
    return text;
}

bool& SharedFindFoldsCase() {
    static bool fold = false;
    return fold;
}

int SharedFindTargets(const CLSVorelSettings& settings) {
    return (settings.searchFrom() & SearchTarget::kAll) |
           (SharedFindFoldsCase() ? SearchTarget::kFoldCase : 0);
}

CLSDlgFind* CLSDlgFind::open(QWidget* owner, CLSVorelSettings& settings, Finder find) {
    if (CLSDlgFind* old = openDialog()) {
        old->hide();
        old->deleteLater();
    }
    auto* dialog = new CLSDlgFind(owner, settings, std::move(find));
    openDialog() = dialog;
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    dialog->m_text->setFocus(Qt::OtherFocusReason);
    dialog->m_text->selectAll();
    return dialog;
}

CLSDlgFind* CLSDlgFind::current() {
    return openDialog();
}

CLSDlgFind::CLSDlgFind(QWidget* owner, CLSVorelSettings& settings, Finder find)
    : QDialog(owner), m_settings(settings), m_find(std::move(find)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("検索"));
    m_text = new QLineEdit(ToQString(SharedFindText()), this);
    auto* label = new QLabel(tr("検索する文字列(&N)："), this);
    label->setBuddy(m_text);
    auto* direction = new QGroupBox(tr("方向"), this);
    m_up = new QRadioButton(tr("前へ(&U)"), direction);
    m_down = new QRadioButton(tr("次へ(&D)"), direction);
    m_down->setChecked(true);
    auto* directions = new QHBoxLayout(direction);
    directions->addWidget(m_up);
    directions->addWidget(m_down);
    m_foldCase = new QCheckBox(tr("大文字・小文字やアクセントを区別しない(&I)"), this);
    m_foldCase->setChecked(SharedFindFoldsCase());

    m_findButton = new QPushButton(tr("検索(&F)"), this);
    m_findButton->setDefault(true);
    auto* targets = new QPushButton(tr("検索対象(&T)..."), this);
    auto* cancel = new QPushButton(tr("キャンセル"), this);
    auto* help = new QPushButton(tr("ヘルプ(&H)"), this);
    connect(m_findButton, &QPushButton::clicked, this, &CLSDlgFind::find);
    connect(targets, &QPushButton::clicked, this, [this] { EditSearchTargets(this, m_settings); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    connect(help, &QPushButton::clicked, this, [this] { ShowDialogHelp(this, kHelpFind); });
    InstallHelpKey(this, kHelpFind);
    auto enable = [this] { m_findButton->setEnabled(!m_text->text().isEmpty()); };
    connect(m_text, &QLineEdit::textChanged, this, enable);
    enable();

    auto* fields = new QVBoxLayout;
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_text, 1);
    fields->addLayout(row);
    fields->addWidget(direction);
    fields->addWidget(m_foldCase);
    fields->addStretch();
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_findButton, targets, cancel, help})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
    resize(440, sizeHint().height());
}

bool CLSDlgFind::forward() const {
    return m_down->isChecked();
}

void CLSDlgFind::find() {
    SharedFindText() = FromQStringWhole(m_text->text());
    SharedFindFoldsCase() = m_foldCase->isChecked();
    if (m_find) m_find(forward());
}

bool EditSearchTargets(QWidget* parent, CLSVorelSettings& settings) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("CLSDlgFind", "検索対象"));
    static const std::array<std::pair<int, const char*>, 6> kTargets = {{
        {SearchTarget::kTitle, QT_TRANSLATE_NOOP("CLSDlgFind", "タイトル")},
        {SearchTarget::kQuestion, QT_TRANSLATE_NOOP("CLSDlgFind", "問題")},
        {SearchTarget::kHints, QT_TRANSLATE_NOOP("CLSDlgFind", "ヒント")},
        {SearchTarget::kAnswers, QT_TRANSLATE_NOOP("CLSDlgFind", "答え")},
        {SearchTarget::kChoices, QT_TRANSLATE_NOOP("CLSDlgFind", "選択肢")},
        {SearchTarget::kComment, QT_TRANSLATE_NOOP("CLSDlgFind", "コメント")},
    }};
    auto* column = new QVBoxLayout(&dialog);
    std::array<QCheckBox*, 6> boxes{};
    int mask = settings.searchFrom();
    for (size_t k = 0; k < kTargets.size(); ++k) {
        boxes[k] =
            new QCheckBox(QCoreApplication::translate("CLSDlgFind", kTargets[k].second), &dialog);
        boxes[k]->setChecked((mask & kTargets[k].first) != 0);
        column->addWidget(boxes[k]);
    }
    QDialogButtonBox* buttons = DialogButtons(dialog, 0);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    column->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return false;
    int chosen = 0;
    for (size_t k = 0; k < kTargets.size(); ++k)
        if (boxes[k]->isChecked()) chosen |= kTargets[k].first;
    if (chosen == mask) return false;
    settings.setSearchFrom(chosen);
    return true;
}

void ReportFindEnd(QWidget* view) {
    CLSDlgFind* dialog = CLSDlgFind::current();
    QtPrompter prompter(dialog ? static_cast<QWidget*>(dialog) : view);
    prompter.message(PromptIcon::Information, FromQStringWhole(QCoreApplication::translate(
                                                  "CLSDlgFind", "検索を終了しました。")));
    if (dialog) {
        dialog->activateWindow();
        dialog->textField()->setFocus(Qt::OtherFocusReason);
    }
}
