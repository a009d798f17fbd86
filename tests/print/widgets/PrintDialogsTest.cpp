#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <map>

#include "TestSupport.h"
#include "print/widgets/DlgPrintFonts.h"
#include "print/widgets/DlgPrintSettings.h"
#include "settings/VorelSettings.h"
#include "text/widgets/DialogHelp.h"
#include "widgets/DialogTestSupport.h"
#include "widgets/WhenModal.h"

namespace {

using Dlg = CLSDlgPrintSettings;

/// Puts test choosers in place for one test.
struct ChooserScope {
    CLSPrintChoosers saved = PrintChoosers();
    ~ChooserScope() { PrintChoosers() = saved; }
};

}  // namespace

TEST(PrintSettingsDialog, NumbersFormatsAndWidthFollowTheirCheckBoxes) {
    UseProgramFonts();
    CLSVorelSettings settings;
    FakePrompter prompter;
    Dlg dialog(settings, prompter);
    SaveShot(&dialog, "print-settings");
    for (Dlg::Part part : {Dlg::kTitle, Dlg::kQuestion, Dlg::kAnswer}) {
        EXPECT_TRUE(dialog.printBox(part)->isChecked());
        EXPECT_TRUE(dialog.numberBox(part)->isEnabled());
        EXPECT_TRUE(dialog.formatEdit(part)->isEnabled());
    }
    EXPECT_EQ(dialog.formatEdit(Dlg::kTitle)->text(), "&t. ");
    EXPECT_EQ(dialog.formatEdit(Dlg::kAnswer)->text(), "(&q) ");

    dialog.printBox(Dlg::kTitle)->setChecked(false);
    EXPECT_FALSE(dialog.numberBox(Dlg::kTitle)->isEnabled());
    EXPECT_FALSE(dialog.formatEdit(Dlg::kTitle)->isEnabled());
    EXPECT_TRUE(dialog.widthBox()->isEnabled()) << "titles have nothing to do with the columns";
    dialog.numberBox(Dlg::kQuestion)->setChecked(false);
    EXPECT_TRUE(dialog.numberBox(Dlg::kQuestion)->isEnabled());
    EXPECT_FALSE(dialog.formatEdit(Dlg::kQuestion)->isEnabled());

    dialog.printBox(Dlg::kAnswer)->setChecked(false);
    EXPECT_FALSE(dialog.widthBox()->isEnabled());
    dialog.printBox(Dlg::kAnswer)->setChecked(true);
    EXPECT_TRUE(dialog.widthBox()->isEnabled());
    dialog.printBox(Dlg::kQuestion)->setChecked(false);
    EXPECT_FALSE(dialog.widthBox()->isEnabled());

    EXPECT_EQ(dialog.widthBox()->minimum(), 1);
    EXPECT_EQ(dialog.widthBox()->maximum(), 99);
    EXPECT_EQ(dialog.marginBox()->minimum(), 0);
    EXPECT_EQ(dialog.marginBox()->maximum(), 999);
    EXPECT_EQ(dialog.rateBox()->minimum(), 1);
    EXPECT_EQ(dialog.rateBox()->maximum(), 500);
    ASSERT_EQ(dialog.styleBox(Dlg::kRuleQA)->count(), 6);
    EXPECT_EQ(dialog.styleBox(Dlg::kRuleQA)->itemText(4), QString::fromUtf8("1点鎖線"));
    EXPECT_EQ(dialog.styleBox(Dlg::kRuleQA)->currentIndex(), 1) << "a solid line by default";
    EXPECT_EQ(dialog.styleBox(Dlg::kRuleQQ)->currentIndex(), 0);
}

TEST(PrintSettingsDialog, OkWritesEverythingAndCancelNothing) {
    ChooserScope scope;
    PrintChoosers().colour = [](QWidget*, Colour& c) {
        c = makeColour(0, 0, 255);
        return true;
    };
    CLSVorelSettings settings;
    FakePrompter prompter;
    {
        Dlg dialog(settings, prompter);
        dialog.numberBox(Dlg::kTitle)->setChecked(false);
        dialog.formatEdit(Dlg::kQuestion)->setText(QString::fromUtf8("第&q問 "));
        dialog.widthBox()->setValue(70);
        dialog.styleBox(Dlg::kRuleQQ)->setCurrentIndex(2);
        dialog.colourButton(Dlg::kRuleQQ)->click();
        dialog.marginBox()->setValue(5);
        dialog.rateBox()->setValue(150);
        dialog.reject();
    }
    EXPECT_TRUE(settings.printTitleNum());
    EXPECT_EQ(settings.widthRateOfQuestion(), 50);

    Dlg dialog(settings, prompter);
    dialog.numberBox(Dlg::kTitle)->setChecked(false);
    dialog.printBox(Dlg::kAnswer)->setChecked(false);
    dialog.formatEdit(Dlg::kQuestion)->setText(QString::fromUtf8("第&q問 "));
    dialog.widthBox()->setValue(70);
    dialog.styleBox(Dlg::kRuleQQ)->setCurrentIndex(2);
    dialog.colourButton(Dlg::kRuleQQ)->click();
    EXPECT_EQ(dialog.ruleColour(Dlg::kRuleQQ), makeColour(0, 0, 255));
    dialog.marginBox()->setValue(5);
    dialog.rateBox()->setValue(150);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(settings.printTitleNum());
    EXPECT_TRUE(settings.printTitle());
    EXPECT_FALSE(settings.printAnswer());
    EXPECT_EQ(U8(settings.questionNumberFormat()), "第&q問 ");
    EXPECT_EQ(settings.widthRateOfQuestion(), 70);
    EXPECT_EQ(settings.lineStyleOfQQ(), 2);
    EXPECT_EQ(settings.lineColorOfQQ(), makeColour(0, 0, 255));
    EXPECT_EQ(settings.lineColorOfQT(), makeColour(0, 0, 0));
    EXPECT_EQ(settings.lineMargin(), 5);
    EXPECT_EQ(settings.fontSizeRate(), 150);
    EXPECT_TRUE(prompter.entries.empty());
}

TEST(PrintSettingsDialog, FormatsTakeEveryScript) {
    CLSVorelSettings settings;
    FakePrompter prompter;
    Dlg dialog(settings, prompter);
    dialog.formatEdit(Dlg::kAnswer)->setText(QString::fromUtf8("&q 😀"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(prompter.entries.empty());
    EXPECT_EQ(U8(settings.answerNumberFormat()), "&q 😀") << "kept in the settings' companion";
}

TEST(PrintFontsDialog, EachFontKeepsItsOwnFaceAndColours) {
    UseProgramFonts();
    ChooserScope scope;
    CLSVorelSettings settings;
    CLSDlgPrintFonts dialog(PrintFontsOf(settings));
    ASSERT_EQ(dialog.list()->count(), 6);
    EXPECT_EQ(dialog.list()->item(0)->text(), QString::fromUtf8("タイトル"));
    EXPECT_EQ(dialog.list()->item(5)->text(), QString::fromUtf8("問題番号(答え)"));
    SaveShot(&dialog, "print-fonts");

    PrintChoosers().font = [](QWidget*, QFont& font) {
        font = QFont("IPAGothic");
        font.setPointSize(14);
        font.setBold(true);
        return true;
    };
    PrintChoosers().colour = [](QWidget*, Colour& c) {
        c = makeColour(0, 128, 0);
        return true;
    };
    dialog.list()->setCurrentRow(CLSVorelSettings::kPrintFontAnswer);
    dialog.chooseFont();
    dialog.chooseBackColour();
    const CLSVorelFont& answer = dialog.fonts()[CLSVorelSettings::kPrintFontAnswer];
    EXPECT_EQ(answer.size, 14);
    EXPECT_TRUE(answer.bold());
    EXPECT_EQ(U8(answer.name), "IPAGothic");
    EXPECT_EQ(answer.textColor, makeColour(255, 0, 0)) << "the font keeps its colours";
    EXPECT_EQ(answer.backgroundColor, makeColour(0, 128, 0));
    EXPECT_EQ(dialog.sample()->palette().color(QPalette::Window), QColor(0, 128, 0));
    EXPECT_EQ(dialog.sample()->font().pointSize(), 14);

    // Cancelled choosers change nothing; the other fonts were never touched.
    PrintChoosers().colour = [](QWidget*, Colour&) { return false; };
    dialog.list()->setCurrentRow(CLSVorelSettings::kPrintFontTitle);
    dialog.chooseTextColour();
    EXPECT_EQ(dialog.fonts()[CLSVorelSettings::kPrintFontTitle],
              settings.printFont(CLSVorelSettings::kPrintFontTitle));
    EXPECT_EQ(dialog.sample()->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

TEST(PrintFontsDialog, F1OpensItsHelpPageAndTheSettingsDialogKeepsItsOwn) {
    CLSVorelSettings settings;
    std::vector<int> topics;
    SetDialogHelpHandler([&topics](QWidget*, int topic) { topics.push_back(topic); });
    FakePrompter prompter;
    Dlg settingsDialog(settings, prompter);
    settingsDialog.show();
    activate(&settingsDialog);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    CLSDlgPrintFonts fonts(PrintFontsOf(settings), &settingsDialog);
    fonts.show();
    activate(&fonts);
    fonts.list()->setFocus();
    QTest::keyClick(fonts.list(), Qt::Key_F1);
    SetDialogHelpHandler(nullptr);
    EXPECT_EQ(topics, (std::vector<int>{kHelpPrintSettings, kHelpPrintFonts}));
}

TEST(PrintSettingsDialog, PageNumberAndTestSheetBoxesHaveTheirOwnKeysAndAreStored) {
    CLSVorelSettings settings;
    FakePrompter prompter;
    Dlg dialog(settings, prompter);
    EXPECT_EQ(dialog.pageNumberBox()->text(), QString::fromUtf8("ページ番号を印刷する(&N)"));
    EXPECT_EQ(dialog.testSheetBox()->text(),
              QString::fromUtf8("解答欄を空欄にする（テスト用紙）(&S)"));
    EXPECT_FALSE(dialog.pageNumberBox()->isChecked());
    EXPECT_FALSE(dialog.testSheetBox()->isChecked());

    // No two controls of the dialog answer to the same Alt key.
    std::map<QChar, QString> keys;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
        if (auto* label = qobject_cast<QLabel*>(w)) text = label->text();
        int amp = text.indexOf('&');
        if (amp < 0 || amp + 1 >= text.size()) continue;
        QChar key = text.at(amp + 1).toUpper();
        EXPECT_FALSE(keys.count(key)) << text.toStdString() << " and " << keys[key].toStdString();
        keys[key] = text;
    }

    dialog.printBox(Dlg::kAnswer)->setChecked(false);
    EXPECT_FALSE(dialog.testSheetBox()->isEnabled()) << "no answer column to leave blank";
    dialog.printBox(Dlg::kAnswer)->setChecked(true);
    EXPECT_TRUE(dialog.testSheetBox()->isEnabled());
    dialog.pageNumberBox()->setChecked(true);
    dialog.testSheetBox()->setChecked(true);
    dialog.accept();
    EXPECT_TRUE(settings.printPageNumber());
    EXPECT_TRUE(settings.printTestSheet());

    Dlg again(settings, prompter);
    EXPECT_TRUE(again.pageNumberBox()->isChecked());
    EXPECT_TRUE(again.testSheetBox()->isChecked());
    again.testSheetBox()->setChecked(false);
    again.reject();
    EXPECT_TRUE(settings.printTestSheet()) << "cancel keeps it";
}
