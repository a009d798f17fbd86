// The program's own help window: the page of a topic, links, back and
// forward, the contents, finding in the page, and all of it by keyboard,
// also from a dialog that waits for its answer.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QWindow>

#include "TestSupport.h"
#include "settings/widgets/HelpPages.h"
#include "settings/widgets/WndHelp.h"
#include "text/widgets/DialogHelp.h"
#include "widgets/WhenModal.h"

namespace {

QString pageName(const CLSWndHelp& help) {
    return QFileInfo(help.currentPage()).fileName();
}

// Japanese reaches a field through the input method, as it does from a
// learner's keyboard.
void typeIn(QWidget* field, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(field, &commit);
}

CLSWndHelp& openedAt(int topic) {
    EXPECT_TRUE(OpenHelpTopic(topic));
    CLSWndHelp& help = SharedHelpWindow();
    EXPECT_TRUE(help.isVisible());
    activate(&help);
    return help;
}

}  // namespace

TEST(HelpWindow, ATopicOpensItsPageAndASecondOneReusesTheWindow) {
    CLSWndHelp& help = openedAt(kHelpImport);
    EXPECT_EQ(pageName(help), "102.html");
    EXPECT_TRUE(help.browser()->toPlainText().contains(QString::fromUtf8("インポート")));
    EXPECT_TRUE(help.windowTitle().startsWith(QString::fromUtf8("インポート")))
        << help.windowTitle().toStdString();

    help.showMinimized();
    CLSWndHelp& again = openedAt(kHelpPrintSettings);
    EXPECT_EQ(&again, &help);
    EXPECT_EQ(pageName(help), "105.html");
    EXPECT_FALSE(help.isMinimized()) << "raised again";
    EXPECT_EQ(QApplication::focusWidget(), help.browser());
    help.close();
}

TEST(HelpWindow, LinksBackForwardAndContentsWorkByKeyboard) {
    CLSWndHelp& help = openedAt(kHelpExport);
    ASSERT_EQ(pageName(help), "103.html");

    // Tab reaches the first link (the contents) and Enter follows it.
    QTest::keyClick(help.browser(), Qt::Key_Tab);
    EXPECT_TRUE(help.browser()->textCursor().hasSelection()) << "a link is focused";
    QTest::keyClick(help.browser(), Qt::Key_Return);
    EXPECT_EQ(pageName(help), "index.html");
    EXPECT_TRUE(help.backAction()->isEnabled());

    QTest::keyClick(&help, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(pageName(help), "103.html");
    EXPECT_TRUE(help.forwardAction()->isEnabled());
    QTest::keyClick(&help, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(pageName(help), "index.html");

    // A link to another page, then the contents key.
    help.browser()->setSource(QUrl::fromLocalFile(HelpPageIn(HelpFolder(), kHelpMenu)));
    emit help.browser()->anchorClicked(QUrl("105.html"));
    EXPECT_EQ(pageName(help), "105.html");
    QTest::keyClick(&help, Qt::Key_Home, Qt::AltModifier);
    EXPECT_EQ(pageName(help), "index.html");
    help.close();
}

TEST(HelpWindow, FindSelectsEachMatchAndEscClosesBarThenWindow) {
    CLSWndHelp& help = openedAt(kHelpMenu);
    QTest::keyClick(&help, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(help.findBar()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), help.findField());

    const QString word = QString::fromUtf8("保存");
    typeIn(help.findField(), word);
    QTextCursor first = help.browser()->textCursor();
    EXPECT_EQ(first.selectedText(), word);
    EXPECT_GE(help.browser()->extraSelections().size(), 2) << "every match is marked";

    QTest::keyClick(help.findField(), Qt::Key_Return);
    int second = help.browser()->textCursor().selectionStart();
    EXPECT_GT(second, first.selectionStart());
    EXPECT_EQ(help.browser()->textCursor().selectedText(), word);
    QTest::keyClick(&help, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(help.browser()->textCursor().selectionStart(), first.selectionStart());
    QTest::keyClick(help.findField(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_GT(help.browser()->textCursor().selectionStart(), second) << "wrapped to the last";
    QTest::keyClick(&help, Qt::Key_F3);
    EXPECT_EQ(help.browser()->textCursor().selectionStart(), first.selectionStart())
        << "wrapped to the first";

    help.findField()->clear();
    typeIn(help.findField(), QString::fromUtf8("存在しない語句"));
    EXPECT_EQ(help.findStatus()->text(), QString::fromUtf8("見つかりません"));

    QTest::keyClick(help.findField(), Qt::Key_Escape);
    EXPECT_FALSE(help.findBar()->isVisible());
    EXPECT_TRUE(help.browser()->extraSelections().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), help.browser());
    QTest::keyClick(help.browser(), Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
}

TEST(HelpWindow, EveryControlHasANameAndTheKeysReachItFromAWaitingDialog) {
    CLSWndHelp& help = openedAt(kHelpMenu);
    help.openFind();
    for (QWidget* w : help.findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisible()) continue;
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className();
    }
    help.closeFind();
    help.close();

    // F1 in a dialog that waits for its answer: the help takes keys although
    // the dialog blocks every other window.
    QDialog dialog;
    auto* field = new QLineEdit(&dialog);
    field->setFocus();
    InstallHelpKey(&dialog, kHelpPrintSettings);
    SetDialogHelpHandler([](QWidget* owner, int topic) { OpenHelpTopic(topic, owner); });
    bool found = false;
    whenModal([&](QWidget* modal) {
        QTest::keyClick(field, Qt::Key_F1);
        EXPECT_EQ(pageName(help), "105.html");
        ASSERT_TRUE(help.isVisible());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&help));
        QTest::keyClick(help.windowHandle(), Qt::Key_F, Qt::ControlModifier);
        found = help.findBar()->isVisible();
        help.close();
        modal->close();
    });
    dialog.exec();
    SetDialogHelpHandler(nullptr);
    EXPECT_TRUE(found) << "the help window is not blocked by the dialog";
    help.closeFind();
}

TEST(HelpPages, EveryLinkLeadsToAPageAndAnchorThatExistAndEveryPageIsLinked) {
    QDir folder(QString::fromUtf8(VOREL_SOURCE_DIR) + "/help");
    const QStringList pages = folder.entryList({"*.html"}, QDir::Files);
    ASSERT_GT(pages.size(), 30);
    auto read = [&folder](const QString& name) {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    auto anchorsOf = [](const QString& html) {
        QSet<QString> anchors;
        QRegularExpression named(R"re(\b(?:id|name)="([^"]+)")re");
        for (const auto& m : named.globalMatch(html))
            anchors.insert(m.captured(1));
        return anchors;
    };
    QRegularExpression link(R"re(\b(?:href|src)="([^"]*)")re");
    QSet<QString> linked;
    for (const QString& page : pages) {
        const QString html = read(page);
        for (const auto& m : link.globalMatch(html)) {
            const QString target = m.captured(1);
            const std::string where = page.toStdString() + " -> " + target.toStdString();
            EXPECT_FALSE(target.isEmpty()) << where;
            if (target.contains("://") || target.startsWith("mailto:")) continue;
            QString file = target.section('#', 0, 0);
            QString anchor = target.section('#', 1);
            if (file.isEmpty()) file = page;
            if (!QFileInfo::exists(folder.filePath(file))) {
                ADD_FAILURE() << "no such file: " << where;
                continue;
            }
            if (file != page) linked.insert(file);
            if (!anchor.isEmpty()) {
                EXPECT_TRUE(anchorsOf(read(file)).contains(anchor)) << "no such anchor: " << where;
            }
        }
    }
    for (const QString& page : pages) {
        if (page != "index.html") {
            EXPECT_TRUE(linked.contains(page)) << page.toStdString() << " is linked from no page";
        }
    }
    // Every topic F1 can open has its page.
    for (int topic : KnownHelpTopics())
        EXPECT_TRUE(pages.contains(QString::number(topic) + ".html")) << topic;
}

TEST(HelpPages, AnEnglishPageIsChosenInEnglishAndTheJapaneseOneStandsInForAMissingOne) {
    TempDir dir;
    const QString folder = QString::fromStdString(dir.path());
    QDir().mkpath(folder + "/en");
    for (const char* name : {"index.html", "133.html", "630.html", "en/index.html", "en/133.html"})
        WriteFileBytes(dir.file(name), "<html></html>");
    EXPECT_EQ(HelpPageIn(folder, 133, "en"), folder + "/en/133.html");
    EXPECT_EQ(HelpPageIn(folder, 630, "en"), folder + "/630.html") << "not translated yet";
    EXPECT_EQ(HelpPageIn(folder, 999, "en"), folder + "/en/index.html") << "the contents";
    EXPECT_EQ(HelpPageIn(folder, 133, "ja"), folder + "/133.html");
    EXPECT_EQ(HelpPageIn(folder, 133, "de"), folder + "/133.html") << "a language without help";
    // A link of an English page to a page that has no translation.
    EXPECT_EQ(HelpPageInLanguage(folder + "/en/630.html", "en"), folder + "/630.html");
    EXPECT_EQ(HelpPageInLanguage(folder + "/en/631.html", "en"), folder + "/en/631.html")
        << "a page missing in both stays missing";
}

TEST(HelpPages, EveryEnglishPageHasItsJapaneseOneAndLinksToPagesThatExist) {
    const QString root = QString::fromUtf8(VOREL_SOURCE_DIR) + "/help";
    QDir folder(root + "/en");
    const QStringList pages = folder.entryList({"*.html"}, QDir::Files);
    ASSERT_TRUE(pages.contains("index.html"));
    auto read = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    QRegularExpression link(R"re(\b(?:href|src)="([^"]*)")re");
    QRegularExpression named(R"re(\b(?:id|name)="([^"]+)")re");
    for (const QString& page : pages) {
        const QString html = read(folder.filePath(page));
        EXPECT_TRUE(html.contains("<html lang=\"en\">")) << page.toStdString();
        EXPECT_TRUE(QFileInfo(root + "/" + page).isFile()) << page.toStdString();
        for (const auto& m : link.globalMatch(html)) {
            const QString target = m.captured(1);
            const std::string where = page.toStdString() + " -> " + target.toStdString();
            if (target.contains("://") || target.startsWith("mailto:")) continue;
            QString file = target.section('#', 0, 0);
            QString anchor = target.section('#', 1);
            QString path = HelpPageInLanguage(
                QFileInfo(folder.filePath(file.isEmpty() ? page : file)).absoluteFilePath(), "en");
            if (!QFileInfo(path).isFile()) {
                ADD_FAILURE() << "no such file: " << where;
                continue;
            }
            if (anchor.isEmpty()) continue;
            QSet<QString> anchors;
            for (const auto& a : named.globalMatch(read(path)))
                anchors.insert(a.captured(1));
            EXPECT_TRUE(anchors.contains(anchor)) << "no such anchor: " << where;
        }
    }
}
