// The shared OK / キャンセル / ヘルプ buttons, and the checks of texts and
// file names the learner gives.

#include <gtest/gtest.h>

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "TestSupport.h"
#include "text/widgets/DialogButtons.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtText.h"
#include "text/widgets/TextFromUser.h"
#include "widgets/WhenModal.h"

namespace {

// Records the topics asked for while it lives.
struct HelpRecorder {
    std::vector<int> topics;
    HelpRecorder() {
        SetDialogHelpHandler([this](QWidget*, int topic) { topics.push_back(topic); });
    }
    ~HelpRecorder() { SetDialogHelpHandler(nullptr); }
};

// The buttons Tab visits, in order, from the first widget of the dialog.
std::vector<QWidget*> tabButtons(QDialog& dialog) {
    std::vector<QWidget*> order;
    QWidget* w = dialog.nextInFocusChain();
    for (int guard = 0; w != &dialog && guard < 100; ++guard, w = w->nextInFocusChain())
        if (qobject_cast<QPushButton*>(w)) order.push_back(w);
    return order;
}

QAbstractButton* withRole(QDialogButtonBox* box, QDialogButtonBox::ButtonRole role) {
    for (QAbstractButton* b : box->buttons())
        if (box->buttonRole(b) == role) return b;
    return nullptr;
}

}  // namespace

TEST(DialogButtons, RowHasOkCancelHelpAfterTheCallersButtons) {
    HelpRecorder help;
    QDialog dialog;
    auto* row = new QHBoxLayout(&dialog);
    auto* extra = new QPushButton(U("全範囲(&D)"), &dialog);
    row->addWidget(extra);
    DialogButtonSet made = DialogButtonRow(dialog, row, {.helpTopic = kHelpRangeDialog});

    ASSERT_TRUE(made.ok && made.cancel && made.help);
    EXPECT_EQ(made.ok->text(), U("OK"));
    EXPECT_EQ(made.cancel->text(), U("キャンセル"));
    EXPECT_EQ(made.help->text(), U("ヘルプ(&H)"));
    EXPECT_TRUE(made.ok->isDefault());
    EXPECT_FALSE(made.cancel->isDefault());
    EXPECT_FALSE(made.help->autoDefault()) << "Return on ヘルプ presses OK";
    EXPECT_TRUE(made.cancel->autoDefault());
    // The caller's button, a stretch, then the three in order.
    ASSERT_EQ(row->count(), 5);
    EXPECT_EQ(row->itemAt(0)->widget(), extra);
    EXPECT_NE(row->itemAt(1)->spacerItem(), nullptr);
    EXPECT_EQ(row->itemAt(2)->widget(), made.ok);
    EXPECT_EQ(row->itemAt(3)->widget(), made.cancel);
    EXPECT_EQ(row->itemAt(4)->widget(), made.help);
    EXPECT_EQ(tabButtons(dialog), (std::vector<QWidget*>{extra, made.ok, made.cancel, made.help}));

    made.help->click();
    EXPECT_EQ(help.topics, std::vector<int>{kHelpRangeDialog});
    dialog.show();
    activate(&dialog);
    QTest::keyClick(made.ok, Qt::Key_F1);
    EXPECT_EQ(help.topics, (std::vector<int>{kHelpRangeDialog, kHelpRangeDialog}))
        << "F1 anywhere in the dialog";

    // OK is left to the caller; キャンセル rejects.
    made.ok->click();
    EXPECT_TRUE(dialog.isVisible());
    made.cancel->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(DialogButtons, OptionsChangeTextsAndLeaveOutButtons) {
    QDialog dialog;
    auto* row = new QHBoxLayout(&dialog);
    DialogButtonSet made = DialogButtonRow(
        dialog, row, {.helpTopic = kHelpExport, .okText = "保存(&S)", .helpText = "ヘルプ"});
    EXPECT_EQ(made.ok->text(), U("保存(&S)"));
    EXPECT_EQ(made.help->text(), U("ヘルプ"));

    QDialog log;
    auto* logRow = new QHBoxLayout(&log);
    DialogButtonSet okOnly =
        DialogButtonRow(log, logRow, {.helpTopic = kHelpExamLog, .cancel = false});
    EXPECT_EQ(okOnly.cancel, nullptr);
    ASSERT_NE(okOnly.help, nullptr);
    EXPECT_EQ(logRow->count(), 3);

    QDialog plain;
    auto* plainRow = new QHBoxLayout(&plain);
    DialogButtonSet noHelp = DialogButtonRow(plain, plainRow, {});
    EXPECT_EQ(noHelp.help, nullptr) << "no topic, no ヘルプ";
    EXPECT_NE(noHelp.cancel, nullptr);
    EXPECT_EQ(plain.property("vorelHelpTopic"), QVariant()) << "and no F1";
}

TEST(DialogButtons, ButtonBoxHoldsTheSameButtons) {
    HelpRecorder help;
    QDialog dialog;
    QDialogButtonBox* box = DialogButtons(dialog, kHelpSort);
    QList<QAbstractButton*> buttons = box->buttons();
    ASSERT_EQ(buttons.size(), 3);
    auto* ok = qobject_cast<QPushButton*>(withRole(box, QDialogButtonBox::AcceptRole));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), U("OK"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(withRole(box, QDialogButtonBox::RejectRole)->text(), U("キャンセル"));
    QAbstractButton* helpButton = withRole(box, QDialogButtonBox::HelpRole);
    ASSERT_NE(helpButton, nullptr);
    EXPECT_EQ(helpButton->text(), U("ヘルプ(&H)"));
    helpButton->click();
    EXPECT_EQ(help.topics, std::vector<int>{kHelpSort});

    int accepted = 0;
    QObject::connect(box, &QDialogButtonBox::accepted, [&] { ++accepted; });
    dialog.show();
    ok->click();
    EXPECT_EQ(accepted, 1);
    EXPECT_TRUE(dialog.isVisible()) << "OK is the caller's";
    withRole(box, QDialogButtonBox::RejectRole)->click();
    EXPECT_FALSE(dialog.isVisible());

    QDialog noHelp;
    EXPECT_EQ(DialogButtons(noHelp, 0)->buttons().size(), 2);
}

TEST(TextFromUser, EveryFileNameIsAPath) {
    CLSTString path;
    QString refusal;
    for (const char* name : {"/tmp/問題集.vrf", "/tmp/한국어.vrf", "/tmp/Übungen/café.vrf"}) {
        EXPECT_TRUE(PathFromChosen(U(name), path, refusal)) << name;
        EXPECT_EQ(ToQString(path), U(name));
        EXPECT_TRUE(refusal.isEmpty());
    }
    FakePrompter prompter;
    EXPECT_TRUE(PathFromChosen(U("b한.vrf"), path, prompter));
    EXPECT_TRUE(prompter.entries.empty());
}

TEST(TextFromUser, SaveChooserAddsTheSuffixAndAsksBeforeOverwriting) {
    TempDir dir;
    WriteFileBytes(dir.file("old.vrf"), "x");
    QString folder = QString::fromStdString(dir.path());
    auto choose = [](const std::string& name) {
        whenModal<QFileDialog>([name](QFileDialog* d) {
            // Typed into the name field, as the learner would.
            auto* field = d->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(field, nullptr);
            field->setText(QString::fromStdString(name));
            static_cast<QDialog*>(d)->accept();  // as the save button does
        });
    };
    FakePrompter prompter;
    CLSTString path;
    choose("new");
    ASSERT_TRUE(
        ChooseSavePath(nullptr, U("保存"), folder, U("データ (*.vrf)"), "vrf", prompter, path));
    EXPECT_EQ(U8(path), dir.file("new.vrf"));
    EXPECT_TRUE(prompter.entries.empty()) << "a new name is not asked about";

    prompter.answers = {PromptAnswer::No};
    choose("old.vrf");
    EXPECT_FALSE(
        ChooseSavePath(nullptr, U("保存"), folder, U("データ (*.vrf)"), "vrf", prompter, path));
    ASSERT_EQ(prompter.entries.size(), 1u);
    EXPECT_EQ(prompter.entries[0].utf8, "ファイルは既に存在します。上書きしますか？");
    EXPECT_EQ(prompter.entries[0].icon, PromptIcon::Warning);

    prompter.answers = {PromptAnswer::Yes};
    choose("old.vrf");
    EXPECT_TRUE(
        ChooseSavePath(nullptr, U("保存"), folder, U("データ (*.vrf)"), "vrf", prompter, path));
    EXPECT_EQ(U8(path), dir.file("old.vrf"));

    whenModal<QFileDialog>([](QFileDialog* d) { d->reject(); });
    EXPECT_FALSE(
        ChooseSavePath(nullptr, U("保存"), folder, U("データ (*.vrf)"), "vrf", prompter, path));
    EXPECT_EQ(prompter.entries.size(), 2u) << "cancelling asks nothing";
}
