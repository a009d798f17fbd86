// The data information, export and import dialogs, driven by keyboard.

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "DocFixture.h"
#include "data/ImportExport.h"
#include "data/widgets/DlgDataInfo.h"
#include "data/widgets/DlgExport.h"
#include "data/widgets/DlgImport.h"
#include "data/widgets/ImportPreviewModel.h"
#include "settings/VorelSettings.h"
#include "text/widgets/QtText.h"
#include "widgets/DialogTestSupport.h"
#include "widgets/WhenModal.h"

namespace {

// Acts on the next pop-up menu as soon as it shows.
void whenMenu(std::function<void(QMenu*)> act) {
    auto* timer = new QTimer(qApp);
    auto* waited = new int(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, act] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        *waited += 20;
        if (menu || *waited > 5000) {
            timer->stop();
            timer->deleteLater();
            delete waited;
            if (menu) act(menu);
        }
    });
    timer->start(20);
}

const char* kDoc =
    "VORELDATA V3.0\r\n#名詞,000000\r\n犬,鳴く,dog,,,<00\r\n猫,,cat,,ねこ,<20\r\n"
    "#動詞,000000\r\n走る,,run,,,<20\r\n'メモ\r\n$Group=,,動物\r\n";

}  // namespace

TEST(DataInfoDialog, ShowsWhatTheFileHoldsAndConvertsOnlyBesideTheEditor) {
    DocFixture f;
    ASSERT_TRUE(f.load(kDoc));
    CLSDlgDataInfo info(f.doc, false);
    EXPECT_EQ(info.windowTitle(), U("データ情報"));
    EXPECT_EQ(info.fileName()->text(), QString::fromStdString(f.dir.file("t.vrf")));
    EXPECT_EQ(info.count(0)->text(), "7") << "six lines and the header";
    EXPECT_EQ(info.count(1)->text(), "2");
    EXPECT_EQ(info.count(2)->text(), "3");
    EXPECT_EQ(info.groupTable()->item(2, 0)->text(), U("動物"));
    EXPECT_EQ(info.groupTable()->item(2, 1)->text(), "2");
    EXPECT_EQ(info.groupTable()->item(5, 0)->text(), "5");
    EXPECT_EQ(info.versionList()->currentText(), "3.0");
    EXPECT_FALSE(info.versionList()->isEnabled());
    showActive(&info);
    SaveShot(&info, "data-info");
    QTest::keyClick(&info, Qt::Key_Return);
    EXPECT_EQ(info.result(), QDialog::Accepted);
    EXPECT_EQ(f.doc.getVersion(), 30);

    // With the editor open the version list converts, after the question
    // a lowering asks; declining keeps the dialog open.
    CLSDlgDataInfo editing(f.doc, true);
    int changedTo = 0;
    QObject::connect(&editing, &CLSDlgDataInfo::versionChanged, [&](int v) { changedTo = v; });
    showActive(&editing);
    pressAlt(&editing, Qt::Key_V);
    EXPECT_EQ(QApplication::focusWidget(), editing.versionList());
    QTest::keyClick(editing.versionList(), Qt::Key_Up);
    EXPECT_EQ(editing.versionList()->currentText(), "1.6");
    f.prompter.answers = {PromptAnswer::No};
    QTest::keyClick(editing.okButton(), Qt::Key_Space);
    EXPECT_TRUE(editing.isVisible());
    EXPECT_EQ(f.prompter.entries.back().utf8,
              "下位バージョンに変更すると情報が失われます。続行しますか？");
    f.prompter.answers = {PromptAnswer::Yes};
    QTest::keyClick(editing.okButton(), Qt::Key_Space);
    EXPECT_FALSE(editing.isVisible());
    EXPECT_EQ(f.doc.getVersion(), 16);
    EXPECT_EQ(changedTo, 16);
    EXPECT_EQ(f.doc.getQuestion(0)->question().getHintCount(), 1) << "1.6 keeps hints";
}

TEST(ExportDialog, WritesWhereAndHowTheLearnerSaysAndAsksBeforeOverwriting) {
    DocFixture f;
    ASSERT_TRUE(f.load(kDoc));
    CLSDlgExport dialog(f.doc);
    EXPECT_EQ(dialog.pathEdit()->text(), QString::fromStdString(f.dir.file("t.csv")));
    EXPECT_TRUE(dialog.commaButton()->isChecked());
    showActive(&dialog);
    SaveShot(&dialog, "export");
    pressAlt(&dialog, Qt::Key_F);
    dialog.pathEdit()->selectAll();
    QTest::keyClicks(dialog.pathEdit(), QString::fromStdString(f.dir.file("words.txt")));
    pressAlt(&dialog, Qt::Key_T);
    EXPECT_TRUE(dialog.tabButton()->isChecked());
    pressAlt(&dialog, Qt::Key_D);
    QTest::keyClick(dialog.encodingList(), Qt::Key_Down);
    EXPECT_FALSE(dialog.hintsBox()->isChecked()) << "five columns unless asked";
    pressAlt(&dialog, Qt::Key_H);
    EXPECT_TRUE(dialog.hintsBox()->isChecked());
    pressAlt(&dialog, Qt::Key_S);
    EXPECT_TRUE(dialog.written());
    EXPECT_FALSE(dialog.isVisible());
    std::string written = ReadFileBytes(f.dir.file("words.txt"));
    EXPECT_EQ(written.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(written.find("1\t犬\tdog\t0\t\t鳴く\r\n"), std::string::npos);
    EXPECT_TRUE(f.settings.flag(CLSVorelSettings::kExportHints)) << "the choice is kept";
    CLSDlgExport kept(f.doc);
    EXPECT_TRUE(kept.hintsBox()->isChecked());

    // An existing file: Cancel comes back, No closes without writing, Yes writes.
    WriteFileBytes(f.dir.file("t.csv"), "old");
    CLSDlgExport again(f.doc);
    showActive(&again);
    f.prompter.answers = {PromptAnswer::Cancel};
    QTest::keyClick(&again, Qt::Key_Return);
    EXPECT_TRUE(again.isVisible());
    EXPECT_EQ(f.prompter.entries.back().utf8, "ファイルは既に存在します。上書きしますか？");
    EXPECT_EQ(f.prompter.entries.back().buttons, PromptButtons::YesNoCancel);
    f.prompter.answers = {PromptAnswer::No};
    QTest::keyClick(&again, Qt::Key_Return);
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(ReadFileBytes(f.dir.file("t.csv")), "old");
    CLSDlgExport third(f.doc);
    showActive(&third);
    f.prompter.answers = {PromptAnswer::Yes};
    QTest::keyClick(&third, Qt::Key_Return);
    EXPECT_EQ(Cp932ToUtf8(ReadFileBytes(f.dir.file("t.csv"))).substr(0, 12), "問題番号");

    // A folder that cannot be written keeps the dialog open.
    CLSDlgExport fourth(f.doc);
    showActive(&fourth);
    fourth.pathEdit()->setText(QString::fromStdString(f.dir.file("no/such/x.csv")));
    QTest::keyClick(&fourth, Qt::Key_Return);
    EXPECT_TRUE(fourth.isVisible());
    EXPECT_EQ(f.prompter.entries.back().utf8.rfind("ファイルに書き込めません。", 0), 0u);
}

TEST(ImportDialog, PreviewsRolesByKeyboardAndImportsEveryRecord) {
    DocFixture f;
    UseProgramFonts();
    ASSERT_TRUE(f.load(kDoc));
    std::string text = "問題,答え,メモ\r\n";
    for (int i = 1; i <= 1500; ++i)
        text += "問" + std::to_string(i) + ",答" + std::to_string(i) + ",メモ" + std::to_string(i) +
                "\r\n";
    WriteFileBytes(f.dir.file("in.csv"), text);  // UTF-8, no mark
    CLSTString path = f.path("in.csv");
    CLSDlgImport dialog(f.doc, path, InspectImportFile(path));
    QAbstractItemModelTester tester(dialog.model());
    EXPECT_EQ(dialog.encodingList()->currentText(), "UTF-8");
    EXPECT_TRUE(dialog.headerBox()->isChecked());
    EXPECT_EQ(dialog.model()->rowCount(), CLSDlgImport::kPreviewRecords);
    EXPECT_EQ(dialog.model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), U("問題"));
    EXPECT_EQ(dialog.model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), "");
    EXPECT_EQ(dialog.model()->data(dialog.model()->index(0, 1), Qt::DisplayRole).toString(),
              U("答1"));
    EXPECT_TRUE(dialog.note()->text().contains(U("先頭の1000件")));
    showActive(&dialog);
    SaveShot(&dialog, "import");

    // The third column becomes the comment from its role menu.
    pressAlt(&dialog, Qt::Key_P);
    EXPECT_EQ(QApplication::focusWidget(), dialog.preview());
    dialog.preview()->setCurrentIndex(dialog.model()->index(0, 2));
    whenMenu([](QMenu* menu) {
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QTest::keyClick(dialog.preview(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(dialog.model()->roles(), (std::vector<int>{1, 3, 4}));

    // Read as CP932 the same bytes are other characters, and the roles stay.
    pressAlt(&dialog, Qt::Key_D);
    QTest::keyClick(dialog.encodingList(), Qt::Key_Up);
    EXPECT_NE(dialog.model()->data(dialog.model()->index(0, 1), Qt::DisplayRole).toString(),
              U("答1"));
    EXPECT_EQ(dialog.model()->roles(), (std::vector<int>{1, 3, 4}));
    QTest::keyClick(dialog.encodingList(), Qt::Key_Down);

    // Two answer columns are refused with the warning, and the dialog stays.
    dialog.model()->setRole(2, kImportAnswer);
    QTest::keyClick(dialog.preview(), Qt::Key_Return);
    EXPECT_EQ(f.prompter.entries.back().utf8, "項目「答え」が複数設定されています。");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(f.doc.getQuestionCount(), 3);

    dialog.model()->setRole(2, kImportComment);
    QTest::keyClick(dialog.preview(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(f.doc.getQuestionCount(), 1500) << "the import takes every record";
    EXPECT_EQ(U8(f.doc.getQuestion(1499)->question().getComment().toText()), "メモ1500");
    EXPECT_TRUE(f.doc.isUntitled());
}

TEST(ImportDialog, SeparatorAndHeaderRefillThePreview) {
    DocFixture f;
    WriteFileBytes(f.dir.file("t.txt"), Utf8ToCp932Literal("問題\t答え\r\nq1\ta1\r\nq2\ta2\r\n"));
    CLSTString path = f.path("t.txt");
    CLSDlgImport dialog(f.doc, path, InspectImportFile(path));
    EXPECT_EQ(dialog.encodingList()->currentText(), "Shift_JIS (CP932)");
    EXPECT_EQ(dialog.separatorList()->currentIndex(), 1) << "a line of TABs and no commas";
    EXPECT_EQ(dialog.model()->columnCount(), 2);
    showActive(&dialog);
    pressAlt(&dialog, Qt::Key_S);
    QTest::keyClick(dialog.separatorList(), Qt::Key_Up);
    EXPECT_EQ(dialog.model()->columnCount(), 1);
    EXPECT_EQ(dialog.model()->roles(), (std::vector<int>{0}));
    QTest::keyClick(dialog.separatorList(), Qt::Key_Down);
    EXPECT_EQ(dialog.model()->roles(), (std::vector<int>{1, 3}));
    dialog.headerBox()->setFocus();
    QTest::keyClick(dialog.headerBox(), Qt::Key_Space);
    EXPECT_FALSE(dialog.headerBox()->isChecked());
    EXPECT_EQ(dialog.model()->rowCount(), 3) << "the first record is a question now";
    EXPECT_EQ(dialog.model()->roles(), (std::vector<int>{0, 0}));
}

TEST(ImportDialog, FilesThatAreNoTextAreRefusedBeforeTheDialog) {
    DocFixture f;
    WriteFileBytes(f.dir.file("empty.csv"), "");
    WriteFileBytes(f.dir.file("bin.csv"), std::string("\0\1\2\3", 4));
    EXPECT_FALSE(ImportFileWithDialog(nullptr, f.doc, f.path("empty.csv")));
    EXPECT_EQ(f.prompter.entries.back().utf8, "ファイルが空です。");
    EXPECT_FALSE(ImportFileWithDialog(nullptr, f.doc, f.path("bin.csv")));
    EXPECT_EQ(f.prompter.entries.back().utf8, "テキストファイルではありません。");
    EXPECT_FALSE(ImportFileWithDialog(nullptr, f.doc, f.path("gone.csv")));
    EXPECT_EQ(f.prompter.entries.back().utf8,
              "ファイル " + f.dir.file("gone.csv") + " を開けません。");
}
