#include "editor/widgets/QuestionToolDialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
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

    KeyRow(QDialog& dialog, QGridLayout* grid, int row, const QString& label, SortBy preset) {
        key = new QComboBox(&dialog);
        key->addItems({QCoreApplication::translate("CLSQuestionToolDialogs", "問題"),
                       QCoreApplication::translate("CLSQuestionToolDialogs", "答え"),
                       QCoreApplication::translate("CLSQuestionToolDialogs", "グループ番号"),
                       QCoreApplication::translate("CLSQuestionToolDialogs", "コメント")});
        key->setCurrentIndex(static_cast<int>(preset));
        auto* caption = new QLabel(label, &dialog);
        caption->setBuddy(key);
        // Each row's directions are a group of their own.
        auto* directions = new QButtonGroup(&dialog);
        ascending = new QRadioButton(QCoreApplication::translate("CLSQuestionToolDialogs", "昇順"),
                                     &dialog);
        descending = new QRadioButton(QCoreApplication::translate("CLSQuestionToolDialogs", "降順"),
                                      &dialog);
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
    dialog.setWindowTitle(QCoreApplication::translate("CLSQuestionToolDialogs", "問題の並べ替え"));
    auto* grid = new QGridLayout;
    KeyRow first(dialog, grid, 0,
                 QCoreApplication::translate("CLSQuestionToolDialogs", "第1キー(&1)："),
                 SortBy::kQuestion);
    KeyRow second(dialog, grid, 1,
                  QCoreApplication::translate("CLSQuestionToolDialogs", "第2キー(&2)："),
                  SortBy::kAnswer);
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
    dialog.setWindowTitle(QCoreApplication::translate("CLSQuestionToolDialogs", "グループ変更"));
    QComboBox* box = groupBox(dialog, doc, "");
    auto* label = new QLabel(
        QCoreApplication::translate("CLSQuestionToolDialogs", "新しいグループ(&G)："), &dialog);
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
    dialog.setWindowTitle(
        QCoreApplication::translate("CLSQuestionToolDialogs", "問題と答えの入れ替え"));
    auto* where = new QGroupBox(
        QCoreApplication::translate("CLSQuestionToolDialogs", "入れ替えた問題"), &dialog);
    auto* append = new QRadioButton(
        QCoreApplication::translate("CLSQuestionToolDialogs", "データの最後に追加(&A)"), where);
    auto* overwrite = new QRadioButton(
        QCoreApplication::translate("CLSQuestionToolDialogs", "元の問題に上書き(&O)"), where);
    append->setChecked(true);
    auto* whereColumn = new QVBoxLayout(where);
    whereColumn->addWidget(append);
    whereColumn->addWidget(overwrite);
    auto* hints = new QCheckBox(
        QCoreApplication::translate("CLSQuestionToolDialogs", "ヒントをコピー(&H)"), &dialog);
    auto* comment = new QCheckBox(
        QCoreApplication::translate("CLSQuestionToolDialogs", "コメントをコピー(&C)"), &dialog);
    auto* group = new QComboBox(&dialog);
    group->addItem(QCoreApplication::translate("CLSQuestionToolDialogs", "コピーする"));
    for (int g = 0; g < CLSVorelDataFile::kGroupCount; ++g)
        group->addItem(QCoreApplication::translate("CLSQuestionToolDialogs", "%1に変更")
                           .arg(ToQString(doc.getGroupName(g))));
    auto* groupLabel = new QLabel(
        QCoreApplication::translate("CLSQuestionToolDialogs", "グループ(&G)："), &dialog);
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
