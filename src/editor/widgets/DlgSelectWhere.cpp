#include "editor/widgets/DlgSelectWhere.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "data/VorelDataFile.h"
#include "editor/widgets/DlgFind.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/widgets/DialogButtons.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/NumberSpinBox.h"
#include "text/widgets/QtPrompter.h"
#include "text/widgets/QtText.h"
#include "text/widgets/TextFromUser.h"

namespace {

QRadioButton* addRadio(QButtonGroup* group, int id, const QString& text, QWidget* parent) {
    auto* button = new QRadioButton(text, parent);
    group->addButton(button, id);
    return button;
}

}  // namespace

CLSDlgSelectWhere::CLSDlgSelectWhere(const CLSVorelDataFile& doc, CLSVorelSettings& settings,
                                     QWidget* parent)
    : QDialog(parent), m_doc(doc), m_settings(settings) {
    setWindowTitle(tr("条件選択"));

    // The range and the lines at its two ends.
    auto* range = new QGroupBox(tr("範囲"), this);
    m_kind = new QComboBox(range);
    m_kind->addItems({tr("行番号で指定"), tr("問題番号で指定"), tr("タイトル番号で指定")});
    m_kind->setCurrentIndex(1);
    // Numbers past the range stay as typed, so that OK can say the range.
    m_from = new CLSNumberSpinBox(range);
    m_to = new CLSNumberSpinBox(range);
    m_fromPreview = new QLineEdit(range);
    m_toPreview = new QLineEdit(range);
    for (QLineEdit* preview : {m_fromPreview, m_toPreview}) {
        preview->setReadOnly(true);
        preview->setFocusPolicy(Qt::NoFocus);
    }
    auto* fromLabel = new QLabel(tr("開始(&F)："), range);
    fromLabel->setBuddy(m_from);
    auto* toLabel = new QLabel(tr("終了(&T)："), range);
    toLabel->setBuddy(m_to);
    auto* rangeGrid = new QGridLayout(range);
    rangeGrid->addWidget(m_kind, 0, 0, 1, 3);
    rangeGrid->addWidget(fromLabel, 1, 0);
    rangeGrid->addWidget(m_from, 1, 1);
    rangeGrid->addWidget(m_fromPreview, 1, 2);
    rangeGrid->addWidget(toLabel, 2, 0);
    rangeGrid->addWidget(m_to, 2, 1);
    rangeGrid->addWidget(m_toPreview, 2, 2);
    rangeGrid->setColumnStretch(2, 1);

    // The condition: only the chosen one's input can be used.
    auto* conditions = new QGroupBox(tr("条件"), this);
    m_by = new QButtonGroup(this);
    QRadioButton* byGroup =
        addRadio(m_by, static_cast<int>(SelectBy::kGroup), tr("グループ(&G)"), conditions);
    QRadioButton* byText =
        addRadio(m_by, static_cast<int>(SelectBy::kText), tr("文字列(&S)"), conditions);
    QRadioButton* byMark =
        addRadio(m_by, static_cast<int>(SelectBy::kMark), tr("マーク(&M)"), conditions);
    byGroup->setChecked(true);
    m_group = new QComboBox(conditions);
    m_group->addItem(tr("（すべてのグループ）"));
    for (int g = 0; g < CLSVorelDataFile::kGroupCount; ++g)
        m_group->addItem(ToQString(doc.getGroupName(g)));
    m_text = new QLineEdit(conditions);
    m_targets = new QPushButton(tr("検索条件(&C)..."), conditions);
    m_mark = new QComboBox(conditions);
    m_mark->addItems({tr("マークがついている問題"), tr("マークがついていない問題")});
    auto* conditionGrid = new QGridLayout(conditions);
    conditionGrid->addWidget(byGroup, 0, 0);
    conditionGrid->addWidget(m_group, 0, 1, 1, 2);
    conditionGrid->addWidget(byText, 1, 0);
    conditionGrid->addWidget(m_text, 1, 1);
    conditionGrid->addWidget(m_targets, 1, 2);
    conditionGrid->addWidget(byMark, 2, 0);
    conditionGrid->addWidget(m_mark, 2, 1, 1, 2);
    conditionGrid->setColumnStretch(1, 1);

    auto* actions = new QGroupBox(tr("選択方法"), this);
    m_action = new QButtonGroup(this);
    auto* actionRow = new QHBoxLayout(actions);
    actionRow->addWidget(
        addRadio(m_action, static_cast<int>(SelectAction::kNew), tr("新規選択(&N)"), actions));
    actionRow->addWidget(
        addRadio(m_action, static_cast<int>(SelectAction::kAdd), tr("追加選択(&A)"), actions));
    actionRow->addWidget(
        addRadio(m_action, static_cast<int>(SelectAction::kRemove), tr("選択解除(&R)"), actions));
    m_action->button(static_cast<int>(SelectAction::kNew))->setChecked(true);

    m_description = new QLabel(this);
    m_description->setWordWrap(true);
    m_description->setMinimumHeight(m_description->fontMetrics().height() * 2 + 4);

    QDialogButtonBox* buttons = DialogButtons(*this, kHelpSelectWhere);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLSDlgSelectWhere::confirm);

    auto* column = new QVBoxLayout(this);
    column->addWidget(range);
    column->addWidget(conditions);
    column->addWidget(actions);
    column->addWidget(m_description);
    column->addWidget(buttons);

    connect(m_kind, &QComboBox::currentIndexChanged, this, &CLSDlgSelectWhere::rangeKindChanged);
    for (CLSNumberSpinBox* box : {m_from, m_to})
        connect(box, &QSpinBox::valueChanged, this, &CLSDlgSelectWhere::update);
    connect(m_by, &QButtonGroup::idToggled, this, &CLSDlgSelectWhere::update);
    connect(m_action, &QButtonGroup::idToggled, this, &CLSDlgSelectWhere::update);
    connect(m_group, &QComboBox::currentIndexChanged, this, &CLSDlgSelectWhere::update);
    connect(m_mark, &QComboBox::currentIndexChanged, this, &CLSDlgSelectWhere::update);
    connect(m_text, &QLineEdit::textChanged, this, &CLSDlgSelectWhere::update);
    connect(m_targets, &QPushButton::clicked, this,
            [this] { EditSearchTargets(this, m_settings); });
    rangeKindChanged();
    resize(480, sizeHint().height());
}

RangeKind CLSDlgSelectWhere::kind() const {
    return static_cast<RangeKind>(m_kind->currentIndex());
}

void CLSDlgSelectWhere::rangeKindChanged() {
    auto [low, high] = RangeBounds(m_doc, kind());
    // An empty range still lets the numbers be typed; OK refuses them.
    if (high < low) high = low;
    for (CLSNumberSpinBox* box : {m_from, m_to}) {
        QSignalBlocker quiet(box);
        box->setStepRange(low, high);
    }
    m_from->setValue(low);
    m_to->setValue(high);
    update();
}

bool CLSDlgSelectWhere::condition(CLSSelectCondition& out, bool quiet) const {
    out.by = static_cast<SelectBy>(m_by->checkedId());
    out.group = m_group->currentIndex();
    out.marked = m_mark->currentIndex() == 0;
    out.targets = m_settings.searchFrom();
    if (out.by != SelectBy::kText) return true;
    if (quiet) {
        out.text = FromQStringLossy(m_text->text());
        return true;
    }
    out.text = FromQStringWhole(m_text->text());
    return true;
}

SelectAction CLSDlgSelectWhere::action() const {
    return static_cast<SelectAction>(m_action->checkedId());
}

void CLSDlgSelectWhere::update() {
    SelectBy by = static_cast<SelectBy>(m_by->checkedId());
    m_group->setEnabled(by == SelectBy::kGroup);
    m_text->setEnabled(by == SelectBy::kText);
    m_targets->setEnabled(by == SelectBy::kText);
    m_mark->setEnabled(by == SelectBy::kMark);
    m_fromPreview->setText(ToQString(RangePreview(m_doc, kind(), m_from->value())));
    m_toPreview->setText(ToQString(RangePreview(m_doc, kind(), m_to->value())));
    m_fromPreview->setCursorPosition(0);
    m_toPreview->setCursorPosition(0);
    CLSSelectCondition c;
    condition(c, true);
    CLSTString label = c.group > 0 ? m_doc.getGroupName(c.group - 1) : CLSTString();
    m_description->setText(
        ToQString(SelectDescription(kind(), m_from->value(), m_to->value(), c, label, action())));
}

void CLSDlgSelectWhere::confirm() {
    std::optional<std::pair<int, int>> lines =
        RangeLines(m_doc, kind(), m_from->value(), m_to->value());
    if (!lines) {
        QtPrompter(this).message(PromptIcon::Warning,
                                 RangeRefusal(m_doc, kind(), m_from->value(), m_to->value()));
        auto [low, high] = RangeBounds(m_doc, kind());
        bool toWrong = m_from->value() >= low && m_from->value() <= high &&
                       (m_to->value() < low || m_to->value() > high);
        CLSNumberSpinBox* wrong = toWrong ? m_to : m_from;
        wrong->setFocus(Qt::OtherFocusReason);
        wrong->selectAll();
        return;
    }
    CLSSelectRequest request;
    request.lines = *lines;
    request.action = action();
    if (!condition(request.condition, false)) {
        m_text->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_request = request;
    accept();
}
