// The main window in English: every menu's items keep keys of their own,
// and the menus of the study screen and the window say nothing in Japanese.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QTranslator>
#include <memory>

#include "DocFixture.h"
#include "app/MainCommands.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "settings/SettingsFolder.h"
#include "settings/VorelSettings.h"
#include "text/Language.h"
#include "text/widgets/QtText.h"

namespace {

// The program's English translation for one test, the program's own
// language again after it.
struct InEnglish {
    QTranslator translator;
    bool loaded = false;
    InEnglish() {
        QString folder = ToQString(ProgramDataFolder()) + "/translations";
        loaded = translator.load(QLocale(QLocale::English), "vorel", "_", folder);
        if (loaded) QCoreApplication::installTranslator(&translator);
        SetProgramLanguage("en");
    }
    ~InEnglish() {
        QCoreApplication::removeTranslator(&translator);
        SetProgramLanguage(kNativeLanguage);
    }
};

bool hasJapanese(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() >= 0x3000) return true;
    }
    return false;
}

// The letter after a lone "&", lower-cased; 0 when there is none.
QChar mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return QChar();
}

void expectOwnKeys(const QString& where, const QList<QAction*>& actions) {
    std::map<QChar, QString> seen;
    for (QAction* a : actions) {
        if (a->isSeparator() || !a->isVisible()) continue;
        QChar key = mnemonic(a->text());
        if (key.isNull()) continue;
        auto [at, fresh] = seen.emplace(key, a->text());
        EXPECT_TRUE(fresh) << where.toStdString() << ": " << at->second.toStdString() << " and "
                           << a->text().toStdString() << " share Alt+"
                           << QString(key).toStdString();
    }
}

// Every menu of the bar, and each one's submenus, has keys of its own;
// the window's and the study screen's menus are English throughout.
void checkMenus(CLSMainWindow& window, const QString& screen) {
    QMenuBar* bar = window.menuBar();
    expectOwnKeys(screen + " menu bar", bar->actions());
    std::vector<QMenu*> menus;
    for (QAction* title : bar->actions()) {
        if (title->menu()) menus.push_back(title->menu());
    }
    for (size_t i = 0; i < menus.size(); ++i) {
        QMenu* menu = menus[i];
        expectOwnKeys(screen + " " + menu->title(), menu->actions());
        for (QAction* a : menu->actions()) {
            if (a->menu()) menus.push_back(a->menu());
        }
    }
    for (QAction* title : bar->actions())
        EXPECT_FALSE(hasJapanese(title->text())) << title->text().toStdString();
}

}  // namespace

TEST(EnglishMenus, EveryMenuKeepsItsKeysAndTheStudyMenusAreEnglish) {
    InitVorelApplication();
    InEnglish english;
    ASSERT_TRUE(english.loaded) << "the English translation is built with the program";
    TempDir dir;
    CLSVorelSettings settings;
    settings.setFlag(CLSVorelSettings::kSaveExamLog, false);
    settings.setFlag(CLSVorelSettings::kSound, false);
    auto window = std::make_unique<CLSMainWindow>(settings, 42);
    window->show();
    WriteFileBytes(dir.file("q.vrf"), "VORELDATA V3.0\r\nq1,,a1,,,<00\r\n");
    ASSERT_TRUE(window->openFile(CLSTString(dir.file("q.vrf"))));

    checkMenus(*window, "study screen");
    // The study screen's menus and toolbar are the window's and its own.
    for (QAction* title : window->menuBar()->actions()) {
        for (QAction* a : title->menu()->actions()) {
            EXPECT_FALSE(hasJapanese(a->text())) << a->text().toStdString();
            EXPECT_FALSE(hasJapanese(a->toolTip())) << a->toolTip().toStdString();
        }
    }
    for (QToolBar* toolBar : window->findChildren<QToolBar*>()) {
        for (QAction* a : toolBar->actions())
            EXPECT_FALSE(hasJapanese(a->toolTip())) << a->toolTip().toStdString();
    }

    ASSERT_TRUE(window->dispatch(MainCommand::kToEditor));
    QApplication::processEvents();
    checkMenus(*window, "editor");
    // The editor's menus are its own; the window's menus stay English.
    for (QAction* title : window->menuBar()->actions()) {
        QString name = title->text();
        if (name != "&File" && name != "&Study" && name != "&View" && name != "&Help") continue;
        for (QAction* a : title->menu()->actions())
            EXPECT_FALSE(hasJapanese(a->text())) << a->text().toStdString();
    }
}
