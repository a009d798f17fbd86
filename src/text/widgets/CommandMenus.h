#pragma once

#include <QMenu>
#include <QPointer>
#include <functional>
#include <map>
#include <vector>

#include "text/widgets/CommandSet.h"

class QMenuBar;
class QToolBar;
class QToolButton;

/// A menu's title and, for a submenu, its place in the menu that holds it.
struct CLSMenuTitle {
    CLSMenu menu;
    const char* title;  // Japanese, with its mnemonic; shown translated
    CLSMenuPlace parent = {};
};

/// Every menu and submenu, menu-bar menus in their order.
const std::vector<CLSMenuTitle>& CommandMenuTitles();

/// The menus built for one screen from the declarations of its commands
/// and of the main window's (CLSCommandDeclaration::menu and ::toolbar). Menus no
/// command of the screen goes in are left out.
class CLSCommandMenus {
  public:
    CLSCommandMenus(std::vector<const CLSCommandSet*> sets, unsigned screen);
    /// The menus put on a menu bar go with this (once no event is using them).
    ~CLSCommandMenus();
    CLSCommandMenus(CLSCommandMenus&&) = default;
    CLSCommandMenus& operator=(CLSCommandMenus&&) = default;

    /// Fills the bar (cleared first) with the menus and their submenus; a
    /// menu is then found with menu().
    void fillMenuBar(QMenuBar& bar);
    /// Adds the items of one menu (and its submenus) to a menu of one's own.
    void fillMenu(QMenu& menu, CLSMenu which, QWidget* owner);
    /// The menu built by fillMenuBar, or nullptr.
    QMenu* menu(CLSMenu which) const;
    /// Fills the toolbar (cleared first). A button with a drop-down gets
    /// the menu dropDown returns for it.
    void fillToolBar(QToolBar& bar,
                     const std::function<QMenu*(CLSMenu, QToolButton* button)>& dropDown);

  private:
    struct Item {
        int position;
        QAction* action;  // a command's, or nullptr for a submenu
        CLSMenu submenu;  // the submenu
        CLSToolPlace tool;
    };
    std::vector<Item> menuItems(CLSMenu which) const;
    std::vector<Item> toolItems() const;

    std::vector<const CLSCommandSet*> m_sets;
    unsigned m_screen;
    std::map<CLSMenu, QMenu*> m_built;
    std::vector<QPointer<QMenu>> m_barMenus;
};
