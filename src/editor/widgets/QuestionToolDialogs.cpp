#include "editor/widgets/QuestionToolDialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/VorelDataFile.h"
#include "text/widgets/DialogButtons.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtText.h"

namespace {

// A key box with its two directions, for one row of the sort dialog.
struct KeyRow {
    QComboBox* key;
    QRadioButton* ascending;
    QRadioButton* descending;

    KeyRow(QDialog& dialog, QGridLayout* grid, int row, const char* label, SortBy preset) {
        key = new QComboBox(&dialog);
        key->addItems({U("問題"), U("答え"), U("グループ番号"), U("コメント")});
        key->setCurrentIndex(static_cast<int>(preset));
        auto* caption = new QLabel(U(label), &dialog);
        caption->setBuddy(key);
        // Each row's directions are a group of their own.
        auto* directions = new QButtonGroup(&dialog);
        ascending = new QRadioButton(U("昇順"), &dialog);
        descending = new QRadioButton(U("降順"), &dialog);
        directions->addButton(ascending);
        directions->addButton(descending);
        ascending->setChecked(true);
        grid->addWidget(caption, row, 0);
        grid->addWidget(key, row, 1);
        grid->addWidget(ascending, row, 2);
        grid->addWidget(descending, row, 3);
    }
    CLSSortKey value() const {
        return CLSSortKey{static_cast<SortBy>(key->currentIndex()), descending->isChecked()};
    }
};

QComboBox* groupBox(QDialog& dialog, const CLSVorelDataFile& doc, const char* suffix) {
    auto* box = new QComboBox(&dialog);
    for (int g = 0; g < CLSVorelDataFile::kGroupCount; ++g)
        box->addItem(ToQString(doc.getGroupName(g)) + U(suffix));
    return box;
}

}  // namespace

std::optional<std::pair<CLSSortKey, CLSSortKey>> AskSortKeys(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(U("問題の並べ替え"));
    auto* grid = new QGridLayout;
    KeyRow first(dialog, grid, 0, "第1キー(&1)：", SortBy::kQuestion);
    KeyRow second(dialog, grid, 1, "第2キー(&2)：", SortBy::kAnswer);
    auto* column = new QVBoxLayout(&dialog);
    column->addLayout(grid);
    QDialogButtonBox* buttons = DialogButtons(dialog, kHelpSort);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    column->addWidget(buttons);
    first.key->setFocus();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return std::make_pair(first.value(), second.value());
}

std::optional<int> AskGroup(QWidget* parent, const CLSVorelDataFile& doc) {
    QDialog dialog(parent);
    dialog.setWindowTitle(U("グループ変更"));
    QComboBox* box = groupBox(dialog, doc, "");
    auto* label = new QLabel(U("新しいグループ(&G)："), &dialog);
    label->setBuddy(box);
    auto* column = new QVBoxLayout(&dialog);
    column->addWidget(label);
    column->addWidget(box);
    QDialogButtonBox* buttons = DialogButtons(dialog, 0);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    column->addWidget(buttons);
    box->setFocus();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return box->currentIndex();
}

std::optional<CLSSwapOptions> AskSwapOptions(QWidget* parent, const CLSVorelDataFile& doc) {
    QDialog dialog(parent);
    dialog.setWindowTitle(U("問題と答えの入れ替え"));
    auto* where = new QGroupBox(U("入れ替えた問題"), &dialog);
    auto* append = new QRadioButton(U("データの最後に追加(&A)"), where);
    auto* overwrite = new QRadioButton(U("元の問題に上書き(&O)"), where);
    append->setChecked(true);
    auto* whereColumn = new QVBoxLayout(where);
    whereColumn->addWidget(append);
    whereColumn->addWidget(overwrite);
    auto* hints = new QCheckBox(U("ヒントをコピー(&H)"), &dialog);
    auto* comment = new QCheckBox(U("コメントをコピー(&C)"), &dialog);
    auto* group = new QComboBox(&dialog);
    group->addItem(U("コピーする"));
    for (int g = 0; g < CLSVorelDataFile::kGroupCount; ++g)
        group->addItem(ToQString(doc.getGroupName(g)) + U("に変更"));
    auto* groupLabel = new QLabel(U("グループ(&G)："), &dialog);
    groupLabel->setBuddy(group);
    auto* column = new QVBoxLayout(&dialog);
    column->addWidget(where);
    column->addWidget(hints);
    column->addWidget(comment);
    auto* groupRow = new QHBoxLayout;
    groupRow->addWidget(groupLabel);
    groupRow->addWidget(group, 1);
    column->addLayout(groupRow);
    QDialogButtonBox* buttons = DialogButtons(dialog, 0);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    column->addWidget(buttons);
    append->setFocus();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    CLSSwapOptions options;
    options.append = append->isChecked();
    options.copyHints = hints->isChecked();
    options.copyComment = comment->isChecked();
    options.group = group->currentIndex() - 1;
    return options;
}
