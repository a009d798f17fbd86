// The menu bar and the toolbar, built from the commands' own declarations.

#include "text/widgets/CommandMenus.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

const std::vector<CLSMenuTitle>& CommandMenuTitles() {
    static const std::vector<CLSMenuTitle> menus = {
        {CLSMenu::kFile, QT_TRANSLATE_NOOP("CLSCommandMenus", "ファイル(&F)")},
        {CLSMenu::kEdit, QT_TRANSLATE_NOOP("CLSCommandMenus", "編集(&E)")},
        {CLSMenu::kCard, QT_TRANSLATE_NOOP("CLSCommandMenus", "カード(&C)")},
        {CLSMenu::kStudy, QT_TRANSLATE_NOOP("CLSCommandMenus", "学習(&S)")},
        {CLSMenu::kView, QT_TRANSLATE_NOOP("CLSCommandMenus", "表示(&V)")},
        {CLSMenu::kHelp, QT_TRANSLATE_NOOP("CLSCommandMenus", "ヘルプ(&H)")},
        {CLSMenu::kInsert, QT_TRANSLATE_NOOP("CLSCommandMenus", "挿入(&I)"), {CLSMenu::kCard, 103}},
        {CLSMenu::kMark, QT_TRANSLATE_NOOP("CLSCommandMenus", "マーク(&K)"), {CLSMenu::kCard, 504}},
    };
    return menus;
}

namespace {

const CLSMenuTitle* titleOf(CLSMenu menu) {
    for (const CLSMenuTitle& entry : CommandMenuTitles()) {
        if (entry.menu == menu) return &entry;
    }
    return nullptr;
}

template <class Item>
void sortByPosition(std::vector<Item>& items) {
    std::stable_sort(items.begin(), items.end(),
                     [](const Item& a, const Item& b) { return a.position < b.position; });
}

// A title in the program's language.
QString menuTitle(const CLSMenuTitle& entry) {
    return QCoreApplication::translate("CLSCommandMenus", entry.title);
}

bool newSection(int previous, int position) {
    return previous != 0 && previous / 100 != position / 100;
}

}  // namespace

CLSCommandMenus::CLSCommandMenus(std::vector<const CLSCommandSet*> sets, unsigned screen)
    : m_sets(std::move(sets)), m_screen(screen) {}

CLSCommandMenus::~CLSCommandMenus() {
    // A menu may be the one whose item is running (a screen switch).
    for (const QPointer<QMenu>& menu : m_barMenus) {
        if (menu) menu->deleteLater();
    }
}

std::vector<CLSCommandMenus::Item> CLSCommandMenus::menuItems(CLSMenu which) const {
    std::vector<Item> items;
    for (const CLSCommandSet* set : m_sets) {
        for (const CLSCommandSet::Entry& e : set->entries()) {
            const CLSMenuPlace& place = e.declaration.menu;
            if (place.menu == which && (place.screens & m_screen))
                items.push_back({place.position, e.action, CLSMenu::kNone, {}});
        }
    }
    // A submenu stands where its table puts it, when anything is in it.
    for (const CLSMenuTitle& entry : CommandMenuTitles()) {
        if (entry.parent.menu == which && !menuItems(entry.menu).empty())
            items.push_back({entry.parent.position, nullptr, entry.menu, {}});
    }
    sortByPosition(items);
    return items;
}

void CLSCommandMenus::fillMenu(QMenu& menu, CLSMenu which, QWidget* owner) {
    int previous = 0;
    for (const Item& item : menuItems(which)) {
        if (newSection(previous, item.position)) menu.addSeparator();
        previous = item.position;
        if (item.action) {
            menu.addAction(item.action);
            continue;
        }
        const CLSMenuTitle* entry = titleOf(item.submenu);
        QMenu* sub = menu.addMenu(entry ? menuTitle(*entry) : QString());
        m_built[item.submenu] = sub;
        fillMenu(*sub, item.submenu, owner);
    }
}

void CLSCommandMenus::fillMenuBar(QMenuBar& bar) {
    bar.clear();
    m_built.clear();
    for (const CLSMenuTitle& entry : CommandMenuTitles()) {
        if (entry.parent.menu != CLSMenu::kNone || menuItems(entry.menu).empty()) continue;
        QMenu* menu = bar.addMenu(menuTitle(entry));
        m_built[entry.menu] = menu;
        m_barMenus.emplace_back(menu);
        fillMenu(*menu, entry.menu, &bar);
    }
}

QMenu* CLSCommandMenus::menu(CLSMenu which) const {
    auto it = m_built.find(which);
    return it == m_built.end() ? nullptr : it->second;
}

std::vector<CLSCommandMenus::Item> CLSCommandMenus::toolItems() const {
    std::vector<Item> items;
    for (const CLSCommandSet* set : m_sets) {
        for (const CLSCommandSet::Entry& e : set->entries()) {
            const CLSToolPlace& place = e.declaration.toolbar;
            if (place.position > 0 && (place.screens & m_screen))
                items.push_back({place.position, e.action, CLSMenu::kNone, place});
        }
    }
    sortByPosition(items);
    return items;
}

void CLSCommandMenus::fillToolBar(
    QToolBar& bar, const std::function<QMenu*(CLSMenu, QToolButton* button)>& dropDown) {
    bar.clear();
    int previous = 0;
    for (const Item& item : toolItems()) {
        if (newSection(previous, item.position)) bar.addSeparator();
        previous = item.position;
        if (item.tool.dropDown == CLSMenu::kNone) {
            bar.addAction(item.action);
            continue;
        }
        auto* button = new QToolButton(&bar);
        button->setDefaultAction(item.action);
        button->setPopupMode(QToolButton::MenuButtonPopup);
        button->setMenu(dropDown(item.tool.dropDown, button));
        bar.addWidget(button);
    }
}
