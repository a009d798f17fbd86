#include "quiz/widgets/DlgRange.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "data/VorelDataFile.h"
#include "quiz/Exam.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/Prompter.h"
#include "text/widgets/DialogButtons.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/NumberSpinBox.h"
#include "text/widgets/QtText.h"

namespace {

// Wide enough for the item texts beside the numbers without making the
// dialog grow with them.
constexpr int kItemTextWidth = 260;

}  // namespace

CLSDlgRange::CLSDlgRange(CLSExam& exam, QWidget* parent) : QDialog(parent), m_exam(exam) {
    CLSTraceScope trace("CLSDlgRange::create");
    setWindowTitle(tr("出題範囲指定"));
    auto* top = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    createNumberRows(grid);
    top->addLayout(grid);
    top->addWidget(createFilters());
    auto* buttons = new QHBoxLayout;
    createButtons(buttons);
    top->addLayout(buttons);

    // Fill the controls from the exam without recounting on every step.
    m_filling = true;
    CLSVorelDataFile& doc = exam.document();
    for (int g = 0; g < 10; ++g) {
        auto* row = new QListWidgetItem(ToQString(doc.getGroupName(g)), m_groups);
        row->setSelected(exam.groupEnabled(g));
    }
    switchNumbers(false);
    m_start->setValue(std::max(0, exam.rangeFirst() + 1));
    m_end->setValue(std::max(0, exam.rangeLast() + 1));
    int filter = std::clamp(exam.markFilter(), 0, 2);
    m_marks[filter]->setChecked(true);
    m_filling = false;
    recount();
    m_start->setFocus();
    m_start->selectAll();
}

void CLSDlgRange::createNumberRows(QGridLayout* grid) {
    auto makeRow = [this, grid](int row, const QString& label, CLSNumberSpinBox*& box,
                                QLabel*& limit, QLabel*& text) {
        auto* caption = new QLabel(label, this);
        box = new CLSNumberSpinBox(this);
        box->setMinimumWidth(90);
        caption->setBuddy(box);
        limit = new QLabel(this);
        text = new QLabel(this);
        text->setTextFormat(Qt::PlainText);
        text->setFixedWidth(kItemTextWidth);
        text->setFrameShape(QFrame::StyledPanel);
        grid->addWidget(caption, row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(limit, row, 2);
        grid->addWidget(text, row, 3);
        connect(box, &QSpinBox::valueChanged, this, [this] {
            if (!m_filling) recount();
        });
    };
    makeRow(0, tr("開始番号(&B)："), m_start, m_startLimit, m_startText);
    makeRow(1, tr("終了番号(&E)："), m_end, m_endLimit, m_endText);

    m_byQuestion = new QRadioButton(tr("問題番号で指定(&Q)"), this);
    m_byTitle = new QRadioButton(tr("タイトル番号で指定(&T)"), this);
    auto* kind = new QButtonGroup(this);
    kind->addButton(m_byQuestion);
    kind->addButton(m_byTitle);
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(m_byQuestion);
    kindRow->addWidget(m_byTitle);
    kindRow->addStretch();
    grid->addLayout(kindRow, 2, 0, 1, 4);
    connect(m_byQuestion, &QRadioButton::clicked, this, [this] { switchNumbers(false); });
    connect(m_byTitle, &QRadioButton::clicked, this, [this] { switchNumbers(true); });
}

QWidget* CLSDlgRange::createFilters() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);

    auto* groupColumn = new QVBoxLayout;
    auto* groupCaption = new QLabel(tr("グループ(&G)"), box);
    m_groups = new QListWidget(box);
    m_groups->setAccessibleName(tr("グループ"));
    m_groups->setSelectionMode(QAbstractItemView::MultiSelection);
    m_groups->setMinimumWidth(150);
    groupCaption->setBuddy(m_groups);
    groupColumn->addWidget(groupCaption);
    groupColumn->addWidget(m_groups);
    row->addLayout(groupColumn, 1);
    connect(m_groups, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_filling) recount();
    });

    auto* right = new QVBoxLayout;
    auto* marks = new QGroupBox(tr("マーク"), box);
    auto* markColumn = new QVBoxLayout(marks);
    const QString markTexts[3] = {tr("マーク設定は無視する(&I)"),
                                  tr("マークされた問題を出題する(&M)"),
                                  tr("マークされた問題は除外する(&X)")};
    auto* markGroup = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        m_marks[i] = new QRadioButton(markTexts[i], marks);
        markGroup->addButton(m_marks[i], i);
        markColumn->addWidget(m_marks[i]);
        connect(m_marks[i], &QRadioButton::toggled, this, [this](bool on) {
            if (on && !m_filling) recount();
        });
    }
    right->addWidget(marks);
    right->addStretch();
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel(tr("出題対象の問題："), box));
    m_count = new QLabel(box);
    m_count->setMinimumWidth(70);
    countRow->addWidget(m_count);
    countRow->addStretch();
    right->addLayout(countRow);
    row->addLayout(right);
    return box;
}

void CLSDlgRange::createButtons(QBoxLayout* row) {
    m_all = new QPushButton(tr("全範囲(&D)"), this);
    m_all->setAutoDefault(false);
    row->addWidget(m_all);
    m_ok = DialogButtonRow(*this, row, {.helpTopic = kHelpRangeDialog}).ok;
    connect(m_all, &QPushButton::clicked, this, &CLSDlgRange::selectAll);
    connect(m_ok, &QPushButton::clicked, this, &CLSDlgRange::accept);
}

void CLSDlgRange::switchNumbers(bool titleNumbers) {
    bool wasFilling = m_filling;
    m_filling = true;
    (titleNumbers ? m_byTitle : m_byQuestion)->setChecked(true);
    int n = RangeNumberLimit(m_exam.document(), titleNumbers);
    QString limit = ToQString(RangeLimitText(n));
    for (CLSNumberSpinBox* box : {m_start, m_end})
        box->setStepRange(1, n);
    m_start->setValue(1);
    m_end->setValue(n);
    m_startLimit->setText(limit);
    m_endLimit->setText(limit);
    m_filling = wasFilling;
    if (!m_filling) recount();
}

void CLSDlgRange::selectAll() {
    m_filling = true;
    switchNumbers(false);
    m_groups->selectAll();
    m_marks[CLSExam::kMarksIgnored]->setChecked(true);
    m_filling = false;
    recount();
    m_ok->setFocus();
}

CLSRangeRequest CLSDlgRange::request() const {
    CLSRangeRequest r;
    r.start = m_start->value();
    r.end = m_end->value();
    r.titleNumbers = m_byTitle->isChecked();
    for (int g = 0; g < 10; ++g)
        r.groups[g] = m_groups->item(g)->isSelected();
    r.markFilter = CLSExam::kMarksIgnored;
    for (int i = 0; i < 3; ++i) {
        if (m_marks[i]->isChecked()) r.markFilter = i;
    }
    return r;
}

void CLSDlgRange::showItemText(QLabel* label, const CLSTString& text) {
    QString plain = ToQString(text).simplified();
    label->setToolTip(plain);
    label->setText(label->fontMetrics().elidedText(plain, Qt::ElideRight, kItemTextWidth - 8));
}

CLSRangeCount CLSDlgRange::recount() {
    CLSRangeCount result;
    try {
        result = GetQuestionCountOnRangeDialog(m_exam.document(), request());
    } catch (const CLSError& e) {
        showError(e, m_exam.document().prompter());
    }
    showItemText(m_startText, result.startText);
    showItemText(m_endText, result.endText);
    m_count->setText(ToQString(QuestionCountText(result.count)));
    // A reader hears beside each number its limits and the item it names.
    m_start->setAccessibleDescription(m_startLimit->text() + ' ' + m_startText->toolTip());
    m_end->setAccessibleDescription(m_endLimit->text() + ' ' + m_endText->toolTip());
    return result;
}

void CLSDlgRange::accept() {
    CLSRangeCount result = recount();
    if (result.count == 0) {
        m_exam.document().prompter().message(PromptIcon::Error,
                                             FromQStringWhole(tr("値が有効範囲を超えています。")));
        return;
    }
    CLSRangeRequest r = request();
    m_exam.setRangeFirst(result.first);
    m_exam.setRangeLast(result.last);
    m_exam.setGroups(r.groups);
    m_exam.setMarkFilter(r.markFilter);
    QDialog::accept();
}
