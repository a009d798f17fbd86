#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

#include "text/Prompter.h"
#include "text/widgets/CommandMenus.h"
#include "text/widgets/CommandSet.h"

namespace {

// A menu as text: item texts, "-" for a separator, submenus in brackets.
QString layoutOf(const QMenu* menu) {
    QStringList items;
    for (const QAction* a : menu->actions()) {
        if (a->isSeparator()) {
            items << "-";
        } else if (a->menu()) {
            items << a->text() + "[" + layoutOf(a->menu()) + "]";
        } else {
            items << a->text();
        }
    }
    return items.join(' ');
}

QString toolbarOf(const QToolBar& bar) {
    QStringList items;
    for (QAction* a : bar.actions()) {
        auto* button = qobject_cast<QToolButton*>(bar.widgetForAction(a));
        if (a->isSeparator()) {
            items << "-";
        } else if (button && button->defaultAction()) {
            items << button->defaultAction()->text() + (button->menu() ? "+menu" : "");
        } else {
            items << a->text();
        }
    }
    return items.join(' ');
}

struct Commands {
    QWidget owner;
    SilentPrompter prompter;
    CLSCommandSet window{&owner, prompter};
    CLSCommandSet screen{&owner, prompter};

    Commands() {
        // Declared out of order on purpose: the positions decide.
        window.add({.id = 2, .text = "b", .menu = {CLSMenu::kFile, 102}, .toolbar = {102}}, {});
        window.add({.id = 1, .text = "a", .menu = {CLSMenu::kFile, 101}, .toolbar = {101}}, {});
        window.add({.id = 3, .text = "x", .menu = {CLSMenu::kFile, 301}}, {});
        window.add({.id = 4,
                    .text = "study only",
                    .menu = {CLSMenu::kEdit, 101, kStudyScreen},
                    .toolbar = {901, kStudyScreen}},
                   {});
        screen.add({.id = 10, .text = "c", .menu = {CLSMenu::kFile, 201}, .toolbar = {201}}, {});
        screen.add({.id = 11,
                    .text = "ins",
                    .menu = {CLSMenu::kInsert, 101},
                    .toolbar = {202, kEveryScreen, CLSMenu::kInsert}},
                   {});
        screen.add({.id = 12, .text = "card", .menu = {CLSMenu::kCard, 101}}, {});
        screen.add({.id = 13, .text = "mark", .menu = {CLSMenu::kMark, 101}}, {});
    }
};

}  // namespace

TEST(CommandMenus, PositionsOrderItemsAndSectionsGetOneSeparator) {
    Commands c;
    CLSCommandMenus menus({&c.window, &c.screen}, kEditorScreen);
    QMenuBar bar;
    menus.fillMenuBar(bar);
    // Menus in the bar's order; the edit menu holds only a study item and is left out.
    QStringList titles;
    for (QAction* top : bar.actions())
        titles << top->text();
    EXPECT_EQ(titles.join('|'), QString::fromUtf8("ファイル(&F)|カード(&C)"));
    EXPECT_EQ(layoutOf(menus.menu(CLSMenu::kFile)), "a b - c - x");
    // Submenus stand at their places in the menu that holds them.
    EXPECT_EQ(layoutOf(menus.menu(CLSMenu::kCard)),
              QString::fromUtf8("card 挿入(&I)[ins] - マーク(&K)[mark]"));
    ASSERT_NE(menus.menu(CLSMenu::kInsert), nullptr);
    EXPECT_EQ(menus.menu(CLSMenu::kEdit), nullptr);

    CLSCommandMenus study({&c.window}, kStudyScreen);
    study.fillMenuBar(bar);
    EXPECT_EQ(bar.actions().size(), 2);
    EXPECT_EQ(layoutOf(study.menu(CLSMenu::kEdit)), "study only");
}

TEST(CommandMenus, ToolbarFollowsThePositionsAndDropsDownMenus) {
    Commands c;
    QMenuBar bar;
    CLSCommandMenus menus({&c.window, &c.screen}, kEditorScreen);
    menus.fillMenuBar(bar);
    QToolBar toolbar;
    std::vector<CLSMenu> asked;
    menus.fillToolBar(toolbar, [&](CLSMenu menu, QToolButton*) {
        asked.push_back(menu);
        return menus.menu(menu);
    });
    EXPECT_EQ(toolbarOf(toolbar), "a b - c ins+menu");
    EXPECT_EQ(asked, std::vector<CLSMenu>{CLSMenu::kInsert});

    CLSCommandMenus study({&c.window}, kStudyScreen);
    study.fillToolBar(toolbar, [](CLSMenu, QToolButton*) { return nullptr; });
    EXPECT_EQ(toolbarOf(toolbar), "a b - study only");
}

TEST(CommandSet, SharedRuleIsWorkedOutOncePerUpdate) {
    QWidget owner;
    SilentPrompter prompter;
    CLSCommandSet set(&owner, prompter);
    int evaluations = 0;
    set.setEnabledIds([&] {
        ++evaluations;
        return std::set<int>{1};
    });
    set.add({.id = 1, .text = "on"}, {});
    set.add({.id = 2, .text = "off"}, {});
    set.add({.id = 3, .text = "own rule"}, {}, [] { return true; });
    set.update();
    EXPECT_EQ(evaluations, 1);
    EXPECT_TRUE(set.action(1)->isEnabled());
    EXPECT_FALSE(set.action(2)->isEnabled());
    EXPECT_TRUE(set.action(3)->isEnabled());
}
