// The customisation sheet: every page driven by keyboard, refusals that keep
// the sheet open, the sound page, the vague-match dialog and the design page.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QUrl>

#include "TestSupport.h"
#include "app/MainCommands.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "quiz/StudyCommandIds.h"
#include "quiz/widgets/AskingPanel.h"
#include "quiz/widgets/StudyScreen.h"
#include "settings/SettingsFolder.h"
#include "settings/SoundPlayer.h"
#include "settings/VorelSettings.h"
#include "settings/widgets/CustomizePages.h"
#include "settings/widgets/CustomizeSheet.h"
#include "settings/widgets/DesignPage.h"
#include "settings/widgets/DlgVague.h"
#include "settings/widgets/ReviewPage.h"
#include "srs/FsrsModel.h"
#include "srs/SqliteReviewLog.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/Language.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/NumberSpinBox.h"
#include "text/widgets/QtText.h"
#include "widgets/DialogTestSupport.h"
#include "widgets/Languages.h"
#include "widgets/WhenModal.h"

namespace {

const char* kFile = "VORELDATA V3.0\r\n#T,000000\r\nq1,,a1,,,<00\r\nq2,,a2,,,<00\r\n";

// A key as the keyboard delivers it: to whatever has the focus in the window.
void Key(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    if (QApplication::activeWindow() != window) {
        QApplication::setActiveWindow(window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }
    QWidget* target = window->focusWidget();
    QTest::keyClick(target ? target : window, key, modifiers);
    // A button's mnemonic presses it and lets go a moment later, as a click does.
    EXPECT_TRUE(QTest::qWaitFor(
        [window] {
            for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
                if (b->isDown()) return false;
            }
            return true;
        },
        2000));
}

// Replaces the text of the field that has the focus.
void Retype(QWidget* window, const char* text) {
    Key(window, Qt::Key_A, Qt::ControlModifier);
    QWidget* field = window->focusWidget();
    ASSERT_NE(field, nullptr);
    QTest::keyClicks(field, text);
}

// The text of the next message box, which is then closed with Enter.
void ReadMessage(QString& text, const QWidget* over) {
    whenModal(
        [&text](QWidget* m) {
            if (auto* box = qobject_cast<QMessageBox*>(m)) text = box->text();
            QTest::keyClick(m, Qt::Key_Return);
        },
        over);
}

struct Study {
    TempDir dir;
    CLSVorelSettings settings;
    FakeClock clock;
    std::unique_ptr<CLSMainWindow> window;

    Study() {
        InitVorelApplication();
        UseProgramFonts();
        settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
        settings.setFlag(CLSVorelSettings::kSound, false);
        window = std::make_unique<CLSMainWindow>(settings, 42, clock);
        window->resize(760, 560);
        window->show();
        WriteFileBytes(dir.file("q.vrf"), Utf8ToCp932Literal(kFile));
        EXPECT_TRUE(window->openFile(CLSTString(dir.file("q.vrf"))));
    }
    CLSAskingPanel* asking() { return window->studyScreen()->askingPanel(); }
};

class SoundRecorder : public SoundPlayer {
  public:
    void play(const CLSTString& name) override { played.push_back(U8(name)); }
    void stop() override { ++stops; }
    bool tryPlay(const CLSTString& name) override {
        if (U8(name).find("broken") != std::string::npos) return false;
        play(name);
        return true;
    }
    std::vector<std::string> played;
    int stops = 0;
};

}  // namespace

TEST(CustomizeSheet, OneSettingPerPageByKeyboardReachesTheSettingsAndTheStudyScreen) {
    Study s;
    s.window->dispatch(StudyCommand::kRunAll);
    ASSERT_EQ(s.asking()->inputs().size(), 1u);
    QTest::keyClicks(s.asking()->inputs()[0], "typed");
    QSignalSpy changed(s.window.get(), &CLSMainWindow::settingsChanged);

    bool ran = false;
    whenModal([&](QWidget* m) {
        auto* sheet = qobject_cast<CLSCustomizeSheet*>(m);
        ASSERT_NE(sheet, nullptr);
        ran = true;
        sheet->tabs()->setCurrentIndex(CLSCustomizeSheet::kGeneral);
        // 一般: Alt+L, the file of the last run at start-up.
        Key(sheet, Qt::Key_L, Qt::AltModifier);
        // 効果音: sounds on (Alt+S), and the exam sound's file.
        Key(sheet, Qt::Key_Tab, Qt::ControlModifier);
        ASSERT_EQ(sheet->tabs()->currentIndex(), CLSCustomizeSheet::kSound);
        Key(sheet, Qt::Key_S, Qt::AltModifier);
        auto* sound = static_cast<CLSSoundPageWidget*>(sheet->page(CLSCustomizeSheet::kSound));
        ASSERT_TRUE(sound->fileField()->isEnabled());
        sound->fileField()->setFocus();
        Retype(sheet, "ding.wav");
        // 文字列比較: Alt+C, upper and lower case alike (once the data file's
        // options no longer win, Alt+D).
        Key(sheet, Qt::Key_Tab, Qt::ControlModifier);
        ASSERT_EQ(sheet->tabs()->currentIndex(), CLSCustomizeSheet::kComparison);
        Key(sheet, Qt::Key_D, Qt::AltModifier);
        Key(sheet, Qt::Key_C, Qt::AltModifier);
        // デザイン: the answer font, through the font chooser (Alt+F).
        Key(sheet, Qt::Key_Tab, Qt::ControlModifier);
        auto* design = static_cast<CLSDesignPageWidget*>(sheet->page(CLSCustomizeSheet::kDesign));
        design->entryList()->setFocus();
        for (int i = 0; i < 4; ++i)
            Key(sheet, Qt::Key_Down);
        ASSERT_EQ(design->currentEntry(), kEntryAnswer);
        whenModal(
            [](QWidget* d) {
                auto* fonts = qobject_cast<QFontDialog*>(d);
                ASSERT_NE(fonts, nullptr);
                QFont f = fonts->currentFont();
                f.setPointSize(28);
                fonts->setCurrentFont(f);
                QTest::keyClick(d, Qt::Key_Return);
            },
            sheet);
        Key(sheet, Qt::Key_F, Qt::AltModifier);
        // 問題: Alt+I, answer inputs three lines high.
        Key(sheet, Qt::Key_Tab, Qt::ControlModifier);
        Key(sheet, Qt::Key_I, Qt::AltModifier);
        Retype(sheet, "3");
        // 答え: Alt+W, the answer dialog's width.
        Key(sheet, Qt::Key_Tab, Qt::ControlModifier);
        ASSERT_EQ(sheet->tabs()->currentIndex(), CLSCustomizeSheet::kAnswer);
        Key(sheet, Qt::Key_W, Qt::AltModifier);
        Retype(sheet, "640");
        Key(sheet, Qt::Key_Return);  // OK
    });
    s.window->dispatch(MainCommand::kCustomize);
    ASSERT_TRUE(ran);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    EXPECT_FALSE(s.settings.loadLastFile());
    EXPECT_TRUE(s.settings.sound());
    EXPECT_EQ(U8(s.settings.soundExamName()), "ding.wav");
    EXPECT_EQ(s.settings.compareMode(), 1);
    EXPECT_FALSE(s.settings.useDataComparison());
    EXPECT_EQ(s.settings.skin().item(CLSVorelSkin::kAnswer).size, 28);
    EXPECT_EQ(s.settings.inputFieldHeight(), 3);
    EXPECT_EQ(s.settings.baseWidthWndAnswer(), 640);
    EXPECT_EQ(changed.count(), 1);

    // The question on screen took it all at once: a three-line input that
    // kept what was typed, in the new answer font.
    ASSERT_EQ(s.asking()->inputs().size(), 1u);
    auto* input = qobject_cast<QPlainTextEdit*>(s.asking()->inputs()[0]);
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(input->toPlainText(), "typed");
    EXPECT_EQ(input->font().pointSize(), 28);
    EXPECT_TRUE(input->isVisible());
    EXPECT_GT(input->height(), 3 * QFontMetrics(input->font()).height());
}

TEST(CustomizeSheet, ARefusingPageKeepsTheSheetOpenThereAndNothingIsStored) {
    UseProgramFonts();
    CLSVorelSettings settings;
    CLSCustomizeSheet sheet(settings, nullptr);
    QSignalSpy applied(&sheet, &CLSCustomizeSheet::applied);
    sheet.show();
    sheet.tabs()->setCurrentIndex(CLSCustomizeSheet::kGeneral);
    Key(&sheet, Qt::Key_L, Qt::AltModifier);  // an acceptable change on another page
    sheet.tabs()->setCurrentIndex(CLSCustomizeSheet::kQuestion);
    Key(&sheet, Qt::Key_L, Qt::AltModifier);
    Retype(&sheet, "40000");
    Key(&sheet, Qt::Key_M, Qt::AltModifier);
    Retype(&sheet, "40000");
    sheet.tabs()->setCurrentIndex(CLSCustomizeSheet::kAnswer);

    // Both the spacing and the time limit are out of range: the spacing is told.
    QString text;
    ReadMessage(text, &sheet);
    sheet.accept();
    EXPECT_EQ(text, U("行間は 0 ～ 32767 の間で指定してください。"));
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(sheet.tabs()->currentIndex(), CLSCustomizeSheet::kQuestion);
    EXPECT_TRUE(settings.loadLastFile());
    EXPECT_EQ(settings.lineInterval(), 40);
    EXPECT_EQ(applied.count(), 0);

    Key(&sheet, Qt::Key_L, Qt::AltModifier);
    Retype(&sheet, "60");
    ReadMessage(text, &sheet);
    sheet.accept();
    EXPECT_EQ(text, U("制限時間は 0 ～ 32767 の間で指定してください。"));
    EXPECT_TRUE(sheet.isVisible());

    // "適用" stores and leaves the sheet open.
    Key(&sheet, Qt::Key_M, Qt::AltModifier);
    Retype(&sheet, "15");
    ASSERT_TRUE(sheet.applyButton()->isEnabled());
    sheet.applyButton()->click();
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_FALSE(sheet.applyButton()->isEnabled());
    EXPECT_EQ(settings.lineInterval(), 60);
    EXPECT_EQ(settings.timeLimit(), 15);
    EXPECT_FALSE(settings.loadLastFile());
    EXPECT_EQ(applied.count(), 1);

    // The answer page judges the click time first, then the width.
    sheet.tabs()->setCurrentIndex(CLSCustomizeSheet::kAnswer);
    Key(&sheet, Qt::Key_W, Qt::AltModifier);
    Retype(&sheet, "200");
    ReadMessage(text, &sheet);
    sheet.accept();
    EXPECT_EQ(text, U("答えダイアログの基準幅は 260 ～ 32767 の間で指定してください。"));
    EXPECT_EQ(settings.baseWidthWndAnswer(), 500);
}

TEST(CustomizeSheet, TheReviewPageByKeyboard) {
    UseProgramFonts();
    CLSVorelSettings settings;
    CLSCustomizeSheet sheet(settings, nullptr);
    sheet.show();
    sheet.tabs()->setCurrentIndex(CLSCustomizeSheet::kReview);
    auto* page = static_cast<CLSReviewPageWidget*>(sheet.page(CLSCustomizeSheet::kReview));
    Key(&sheet, Qt::Key_T, Qt::AltModifier);
    Retype(&sheet, "85");
    Key(&sheet, Qt::Key_L, Qt::AltModifier);
    Retype(&sheet, "1m 5x");
    Key(&sheet, Qt::Key_F, Qt::AltModifier);
    Key(&sheet, Qt::Key_Y, Qt::AltModifier);
    Key(&sheet, Qt::Key_Tab);
    Retype(&sheet, "8");
    // Nothing fitted yet: only the defaults can be chosen.
    auto* choices = qobject_cast<QStandardItemModel*>(page->parameterChoice()->model());
    ASSERT_NE(choices, nullptr);
    EXPECT_FALSE(choices->item(1)->isEnabled());

    QString text;
    ReadMessage(text, &sheet);
    sheet.accept();
    EXPECT_TRUE(text.startsWith(U("学習ステップが正しくありません: 「5x」"))) << text.toStdString();
    EXPECT_EQ(settings.review(), CLSReviewOptions()) << "nothing stored";
    Key(&sheet, Qt::Key_L, Qt::AltModifier);
    Retype(&sheet, "2m  20m");
    sheet.accept();
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_DOUBLE_EQ(settings.review().desiredRetention, 0.85);
    EXPECT_EQ(settings.review().learningSteps, "2m 20m");
    EXPECT_TRUE(settings.review().fourButtons);
    EXPECT_EQ(settings.review().easyTime, 8);
    EXPECT_EQ(settings.review().parameters, "");

    // Fitted numbers are shown as chosen, and going back to the defaults
    // keeps them at hand until the sheet closes.
    settings.review().parameters = CLSFsrsParameters::Defaults().Format();
    CLSCustomizeSheet again(settings, nullptr);
    again.show();
    auto* second = static_cast<CLSReviewPageWidget*>(again.page(CLSCustomizeSheet::kReview));
    EXPECT_EQ(second->parameterChoice()->currentIndex(), 1);
    second->parameterChoice()->setCurrentIndex(0);
    EXPECT_FALSE(second->value().useFitted);
    second->resetButton()->click();
    EXPECT_EQ(second->value().easyTime, 0);
    EXPECT_EQ(second->value().fittedParameters, settings.review().parameters);
    again.reject();
}

namespace {

// A learner whose reviews fill the log: each question seen on a widening
// schedule, now and then forgotten.
void FillReviewLog(int questions) {
    auto opened = CLSSqliteReviewLog::open(DefaultReviewLogPath());
    ASSERT_TRUE(opened.ok()) << opened.error();
    const int64_t start = 1'790'000'000'000;
    const int days[] = {0, 1, 3, 8, 20, 45, 90};
    for (int q = 0; q < questions; ++q) {
        for (int i = 0; i < 7; ++i) {
            CLSReviewRecord r;
            r.questionId = 1000 + q;
            r.dataFile = "/words.vrf";
            r.utcMs = start + days[i] * 86'400'000LL + q * 60'000LL;
            r.utcOffsetMinutes = 540;
            r.grade = (q * 7 + i) % 4 == 0 ? 1 : 3;
            r.stateBefore = i == 0 ? 0 : 2;
            ASSERT_TRUE((*opened)->append(r).ok());
        }
    }
}

}  // namespace

TEST(CustomizeSheet, TheReviewPageFitsTheModelToTheLogWhenItHoldsEnough) {
    UseProgramFonts();
    CLSVorelSettings settings;
    FillReviewLog(30);  // 210 reviews: not enough
    {
        CLSCustomizeSheet sheet(settings, nullptr);
        auto* page = static_cast<CLSReviewPageWidget*>(sheet.page(CLSCustomizeSheet::kReview));
        EXPECT_FALSE(page->fitButton()->isEnabled());
        EXPECT_EQ(page->fitInfo()->text(), U("記録された復習: 210件 (400件から合わせられます)"));
    }
    FillReviewLog(40);  // 490 in all
    CLSCustomizeSheet sheet(settings, nullptr);
    sheet.show();
    sheet.tabs()->setCurrentIndex(CLSCustomizeSheet::kReview);
    auto* page = static_cast<CLSReviewPageWidget*>(sheet.page(CLSCustomizeSheet::kReview));
    ASSERT_TRUE(page->fitButton()->isEnabled());
    EXPECT_EQ(page->fitInfo()->text(), U("記録された復習: 490件"));
    SaveShot(&sheet, "customize-review-fit");

    // The loss before and after is told, and the learner takes the fit.
    QString asked;
    whenModal<QMessageBox>(
        [&asked](QMessageBox* box) {
            asked = box->text();
            SaveShot(box, "fit-question");
            box->button(QMessageBox::Yes)->click();
        },
        120000);
    Key(&sheet, Qt::Key_O, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !asked.isEmpty(); }, 120000));
    EXPECT_TRUE(asked.startsWith(U("自分の復習に合わせたパラメーターを使いますか？")))
        << asked.toStdString();
    EXPECT_TRUE(asked.contains(U("予測と比べた復習: "))) << asked.toStdString();
    EXPECT_EQ(page->parameterChoice()->currentIndex(), 1);
    CLSReviewPage value = page->value();
    ASSERT_TRUE(value.useFitted);
    auto fitted = CLSFsrsParameters::Parse(value.fittedParameters, nullptr);
    ASSERT_TRUE(fitted.has_value());
    EXPECT_NE(*fitted, CLSFsrsParameters::Defaults());
    EXPECT_TRUE(sheet.applyButton()->isEnabled());
    sheet.accept();
    EXPECT_EQ(settings.review().parameters, value.fittedParameters);
}

TEST(CustomizeSheet, ReopensOnThePageShownLastAndResetShowsTheDefaults) {
    UseProgramFonts();
    CLSVorelSettings settings;
    settings.setLineInterval(90);
    {
        CLSCustomizeSheet sheet(settings, nullptr);
        sheet.show();
        sheet.tabs()->setCurrentIndex(CLSCustomizeSheet::kQuestion);
        sheet.reject();
    }
    CLSCustomizeSheet sheet(settings, nullptr);
    sheet.show();
    EXPECT_EQ(sheet.tabs()->currentIndex(), CLSCustomizeSheet::kQuestion);

    // F1 opens the page's own help topic.
    std::vector<int> topics;
    SetDialogHelpHandler([&topics](QWidget*, int topic) { topics.push_back(topic); });
    Key(&sheet, Qt::Key_F1);
    sheet.tabs()->setCurrentIndex(CLSCustomizeSheet::kSound);
    Key(&sheet, Qt::Key_F1);
    sheet.tabs()->setCurrentIndex(CLSCustomizeSheet::kQuestion);
    SetDialogHelpHandler(nullptr);
    EXPECT_EQ(topics, (std::vector<int>{125, 122}));

    // Reset shows the defaults; nothing is stored before OK.
    auto* question = static_cast<CLSQuestionPageWidget*>(sheet.page(CLSCustomizeSheet::kQuestion));
    EXPECT_EQ(question->value().lineInterval, 90);
    Key(&sheet, Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(question->value().lineInterval, 40);
    EXPECT_EQ(settings.lineInterval(), 90);
    EXPECT_TRUE(sheet.applyButton()->isEnabled());

    // The general page's reset turns debug mode off at once.
    setDebugMode(true);
    sheet.tabs()->setCurrentIndex(CLSCustomizeSheet::kGeneral);
    auto* general = static_cast<CLSGeneralPageWidget*>(sheet.page(CLSCustomizeSheet::kGeneral));
    general->resetButton()->click();
    EXPECT_FALSE(debugMode());
    EXPECT_FALSE(general->value().debugMode);
    EXPECT_EQ(U8(general->value().examLogName), "EXAMLOG.TXT");
    sheet.reject();
    EXPECT_EQ(settings.lineInterval(), 90);
}

TEST(CustomizeSheet, EveryPageFitsAtItsDefaultSize) {
    UseProgramFonts();
    CLSVorelSettings settings;
    CLSCustomizeSheet sheet(settings, nullptr);
    sheet.show();
    for (int i = 0; i < CLSCustomizeSheet::kPageCount; ++i) {
        sheet.tabs()->setCurrentIndex(i);
        QApplication::processEvents();
        EXPECT_EQ(Clipped(sheet.page(i)), QStringList()) << "page " << i;
        SaveShot(&sheet, ("customize-" + std::to_string(i)).c_str());
    }
}

TEST(CustomizeSheet, InEnglishEveryPageFitsAndItsMnemonicsAreItsOwn) {
    InEnglish english;
    ASSERT_TRUE(english.loaded);
    UseProgramFonts();
    CLSVorelSettings settings;
    CLSCustomizeSheet sheet(settings, nullptr);
    sheet.show();
    ASSERT_EQ(sheet.applyButton()->text(), "&Apply");
    for (int i = 0; i < CLSCustomizeSheet::kPageCount; ++i) {
        sheet.tabs()->setCurrentIndex(i);
        QApplication::processEvents();
        EXPECT_EQ(Clipped(sheet.page(i)), QStringList()) << "page " << i;
        QMap<QChar, QString> taken{{'a', sheet.applyButton()->text()}};
        QList<QWidget*> controls = sheet.page(i)->findChildren<QWidget*>();
        for (QWidget* w : controls) {
            if (!qobject_cast<QLabel*>(w) && !qobject_cast<QAbstractButton*>(w)) continue;
            QString text = w->property("text").toString();
            QChar key = Mnemonic(text);
            if (key.isNull()) continue;
            EXPECT_FALSE(taken.contains(key)) << "page " << i << ": " << text.toStdString()
                                              << " and " << taken.value(key).toStdString();
            taken.insert(key, text);
        }
        SaveShot(&sheet, ("customize-en-" + std::to_string(i)).c_str());
    }
}

TEST(CustomizeSheet, ComparisonOptionsGreyWithTheDataFileBoxAndKeepTheirValues) {
    CLSVorelSettings settings;
    settings.setCompareMode(1 | 8 | 64);  // 64: a bit the page does not show
    settings.setUseData(7 & ~2);
    CLSCustomizeSheet sheet(settings, nullptr);
    sheet.show();
    sheet.tabs()->setCurrentIndex(CLSCustomizeSheet::kComparison);
    auto* page = static_cast<CLSComparisonPageWidget*>(sheet.page(CLSCustomizeSheet::kComparison));
    EXPECT_TRUE(page->option(0)->isEnabled());
    Key(&sheet, Qt::Key_D, Qt::AltModifier);
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(page->option(i)->isEnabled());
    EXPECT_TRUE(page->option(0)->isChecked());
    EXPECT_TRUE(page->option(3)->isChecked());
    sheet.accept();
    EXPECT_EQ(settings.useData(), 7);
    EXPECT_EQ(settings.compareMode(), 1 | 8 | 64);
}

TEST(CustomizeSheet, SoundPagePlaysChoosesByDropAndReportsAFileItCannotPlay) {
    CLSVorelSettings settings;
    SoundRecorder player;
    CLSCustomizeSheet sheet(settings, &player);
    sheet.show();
    sheet.tabs()->setCurrentIndex(CLSCustomizeSheet::kSound);
    auto* page = static_cast<CLSSoundPageWidget*>(sheet.page(CLSCustomizeSheet::kSound));

    page->soundList()->setCurrentRow(CLSVorelSettings::kSoundRight);
    EXPECT_EQ(page->fileField()->text(), "RIGHT.WAV");
    Key(&sheet, Qt::Key_P, Qt::AltModifier);
    ASSERT_EQ(player.played.size(), 1u);
    EXPECT_EQ(player.played[0], "RIGHT.WAV");

    // A file dropped on the page becomes the selected sound's file.
    TempDir dir;
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir.file("チャイム.wav")))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page, &drop);
    EXPECT_EQ(page->fileField()->text(), QString::fromStdString(dir.file("チャイム.wav")));

    // Another sound keeps its own file; a file that cannot be played is told.
    page->soundList()->setCurrentRow(CLSVorelSettings::kSoundWrong);
    page->fileField()->setFocus();
    Retype(&sheet, "broken.wav");
    QString text;
    ReadMessage(text, &sheet);
    page->play();
    EXPECT_EQ(text, U("サウンドファイルを再生できません。\n\nbroken.wav"));
    EXPECT_EQ(player.played.size(), 1u);

    // Without sounds the file controls rest.
    Key(&sheet, Qt::Key_Tab, Qt::ShiftModifier);
    page->findChild<QCheckBox*>()->click();
    EXPECT_FALSE(page->fileField()->isEnabled());

    sheet.accept();
    EXPECT_GT(player.stops, 0);  // a sound playing ends with the sheet
    EXPECT_FALSE(settings.sound());
    EXPECT_EQ(U8(settings.soundName(CLSVorelSettings::kSoundRight)), dir.file("チャイム.wav"));
    EXPECT_EQ(U8(settings.soundName(CLSVorelSettings::kSoundWrong)), "broken.wav");
    EXPECT_EQ(U8(settings.soundName(CLSVorelSettings::kSoundExam)), "EXAM.WAV");
}

TEST(VagueDialog, AddsDeletesResetsAndReplacesTheTableOnlyOnOk) {
    CLSVorelSettings settings;
    FakePrompter prompter;
    CLSVagueTable& table = settings.vagueTable();
    {
        CLSDlgVague dialog(table, prompter, nullptr);
        dialog.show();
        EXPECT_EQ(dialog.view()->rowCount(), 46);
        // Two empty texts are refused.
        dialog.addPair();
        ASSERT_EQ(prompter.entries.size(), 1u);
        EXPECT_EQ(prompter.entries[0].utf8, "少なくとも１つに文字列を入力してください。");
        // The longer text becomes the key.
        QTest::keyClicks(dialog.firstText(), "x");
        QTest::keyClicks(dialog.secondText(), "xyz");
        QTest::keyClick(dialog.secondText(), Qt::Key_Return);  // the add button answers Enter
        EXPECT_EQ(dialog.view()->rowCount(), 47);
        SaveShot(&dialog, "vague-dialog");
        QList<QTableWidgetItem*> found = dialog.view()->findItems("xyz", Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        EXPECT_EQ(found[0]->column(), 0);
        EXPECT_EQ(dialog.view()->item(found[0]->row(), 1)->text(), "x");
        EXPECT_TRUE(dialog.firstText()->text().isEmpty());
        // Delete every selected line.
        dialog.view()->clearSelection();
        dialog.view()->setSelectionMode(QAbstractItemView::MultiSelection);
        dialog.view()->selectRow(0);
        dialog.view()->selectRow(1);
        dialog.deleteSelected();
        EXPECT_EQ(dialog.view()->rowCount(), 45);
        dialog.reject();
    }
    EXPECT_EQ(table.count(), 46);  // cancelled: the table as it was
    EXPECT_EQ(table.find(Sj("xyz")), nullptr);

    CLSDlgVague dialog(table, prompter, nullptr);
    dialog.show();
    dialog.resetList();
    QTest::keyClicks(dialog.firstText(), "abc");
    dialog.addPair();
    dialog.accept();
    EXPECT_EQ(table.count(), 47);
    ASSERT_NE(table.find(Sj("ABC")), nullptr);  // keys are found without regard to case
    EXPECT_TRUE(table.find(Sj("abc"))->isEmpty());
}

TEST(DesignPage, PreviewFramesEachBorderTypeAndOnlyConfirmingStores) {
    UseProgramFonts();
    CLSVorelSettings settings;
    CLSCustomizeSheet sheet(settings, nullptr);
    sheet.resize(sheet.sizeHint());
    sheet.show();
    sheet.tabs()->setCurrentIndex(CLSCustomizeSheet::kDesign);
    auto* page = static_cast<CLSDesignPageWidget*>(sheet.page(CLSCustomizeSheet::kDesign));

    // Colour entries have no font or frame of their own.
    page->selectEntry(kEntryHover);
    EXPECT_FALSE(page->borderList()->isEnabled());
    SaveShot(page->preview(), "design-hover");
    page->selectEntry(kEntryStudyForm);
    EXPECT_FALSE(page->padding()->isEnabled());
    SaveShot(page->preview(), "design-study-form");

    page->selectEntry(kEntryQuestion);
    EXPECT_TRUE(page->borderList()->isEnabled());
    EXPECT_EQ(page->borderList()->currentIndex(), 3);
    Key(&sheet, Qt::Key_W, Qt::AltModifier);
    Retype(&sheet, "4");
    EXPECT_EQ(page->design().item(CLSVorelSkin::kQuestion).borderSize, 4);
    const CLSVorelSkinItem& question = page->design().item(CLSVorelSkin::kQuestion);
    for (int type = 0; type < CLSVorelSkinItem::kBorderTypeCount; ++type) {
        page->borderList()->setCurrentIndex(type);
        EXPECT_EQ(question.borderType, type);
        QImage shot = page->preview()->grab().toImage();
        SaveShot(page->preview(), ("design-border-" + std::to_string(type)).c_str());
        // The frame's first line lies one margin in from the preview's edge.
        int edge = 6 + question.margin;
        QColor at = shot.pixelColor(shot.width() / 2, qRound((edge + 1) * shot.devicePixelRatio()));
        if (type == 0) {
            EXPECT_EQ(at, ToQColor(question.backgroundColor)) << type;
        } else if (type <= 4) {
            EXPECT_EQ(at, ToQColor(question.borderColor)) << type;
        } else {
            EXPECT_NE(at, ToQColor(settings.skin().colour(CLSVorelSkin::kStudyFormBackgroundColor)))
                << type;
        }
    }
    SaveShot(&sheet, "customize-design");

    // Confirming stores the working copy, except the pane's own item.
    settings.skin().item(CLSVorelSkin::kInfoPane).size = 15;
    sheet.accept();
    EXPECT_EQ(settings.skin().item(CLSVorelSkin::kQuestion).borderType, 8);
    EXPECT_EQ(settings.skin().item(CLSVorelSkin::kQuestion).borderSize, 4);
    EXPECT_EQ(settings.skin().item(CLSVorelSkin::kInfoPane).size, 15);
}

TEST(DesignPage, DesignFilesRoundTripAndAnUnreadableOneChangesNothing) {
    CLSVorelSettings settings;
    CLSCustomizeSheet sheet(settings, nullptr);
    auto* page = static_cast<CLSDesignPageWidget*>(sheet.page(CLSCustomizeSheet::kDesign));
    TempDir dir;
    page->selectEntry(kEntryTitle);
    page->padding()->setValue(17);
    ASSERT_TRUE(page->saveDesign(CLSTString(dir.file("d.ini"))));

    // A missing file is reported and the working copy stays as it was.
    QString text;
    ReadMessage(text, nullptr);
    EXPECT_FALSE(page->loadDesign(CLSTString(dir.file("missing.ini"))));
    EXPECT_TRUE(text.contains(U("ファイルを開けません。"))) << text.toStdString();
    EXPECT_EQ(page->design().item(CLSVorelSkin::kTitle).padding, 17);

    page->reset();
    EXPECT_EQ(page->design().item(CLSVorelSkin::kTitle).padding, 5);
    ASSERT_TRUE(page->loadDesign(CLSTString(dir.file("d.ini"))));
    EXPECT_EQ(page->design().item(CLSVorelSkin::kTitle).padding, 17);
    EXPECT_EQ(page->padding()->value(), 17);
    EXPECT_EQ(settings.skin().item(CLSVorelSkin::kTitle).padding, 5);
}
