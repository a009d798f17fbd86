#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <set>
#include <vector>

class Prompter;
class QAction;
class QIcon;
class QWidget;

/// The menus of the menu bar, in their order from the left, and the
/// submenus (CommandMenus.h gives their titles and places).
enum class CLSMenu {
    kNone,
    kFile,
    kEdit,
    kCard,
    kStudy,
    kView,
    kHelp,
    kInsert,
    kMark,
    kRecentFiles
};

/// The screens a main-window command's menu item or toolbar button goes
/// with (a screen's own commands show only while it is shown anyway).
enum CLSScreenMask : unsigned { kStudyScreen = 1, kEditorScreen = 2, kEveryScreen = 3 };

/// A command's place in a menu. Positions order the items; the hundreds
/// are sections, and a separator stands between two sections (101, 102 |
/// 201 ...).
struct CLSMenuPlace {
    CLSMenu menu = CLSMenu::kNone;
    int position = 0;
    unsigned screens = kEveryScreen;
};

/// A command's place on the toolbar, numbered as in a menu (0: not there).
/// A button with a drop-down menu shows that menu beside it.
struct CLSToolPlace {
    int position = 0;
    unsigned screens = kEveryScreen;
    CLSMenu dropDown = CLSMenu::kNone;
};

/// One command as the menus, the toolbar and the keyboard show it. The id
/// is the command's number, which help topics and tool tips go by; ids are
/// unique across the main window and its screens. The text and the tip are
/// Japanese and shown in the program's language: mark each one for the
/// translation with QT_TRANSLATE_NOOP("CLSCommandSet", "…").
struct CLSCommandDeclaration {
    int id = 0;
    const char* text = "";           // menu text with its mnemonic (UTF-8)
    const char* tip = nullptr;       // tool tip and status bar text
    const char* shortcut = nullptr;  // as QKeySequence reads it ("Ctrl+O", "F7")
    const char* icon = nullptr;      // toolbar picture ":/toolbar/NAME.png"
    bool checkable = false;
    CLSMenuPlace menu = {};
    CLSToolPlace toolbar = {};
};

/// The commands of one screen (or of the main window): a QAction each,
/// made from its declaration, connected to what it does and enabled and
/// checked by its rules. The actions belong to the owner widget, so their
/// keys work while it is shown.
class CLSCommandSet : public QObject {
    Q_OBJECT
  public:
    struct Entry {
        CLSCommandDeclaration declaration;
        QAction* action;
        std::function<bool()> enabled;
        std::function<bool()> checked;
    };

    /// Errors a command raises are shown through the prompter.
    CLSCommandSet(QWidget* owner, Prompter& prompter);

    /// Declares a command. Without an enable rule it follows the set's
    /// (setEnabledIds), or is always enabled; without a check rule it is
    /// never checked.
    QAction* add(const CLSCommandDeclaration& command, std::function<void()> run,
                 std::function<bool()> enabled = {}, std::function<bool()> checked = {});
    /// The command's action, or nullptr when it is not one of these.
    QAction* action(int id) const;
    std::vector<QAction*> actions() const;
    const std::vector<Entry>& entries() const { return m_entries; }
    /// Runs a command as its menu item would (nothing when it is disabled).
    bool trigger(int id);
    /// Applies every enable and check rule.
    void update();
    /// The rule of every command declared without its own: the ids it
    /// returns are enabled. It is worked out once per update, for all.
    void setEnabledIds(std::function<std::set<int>()> rule) { m_enabledIds = std::move(rule); }
    /// A step every command takes first, however it is started (key, menu,
    /// toolbar or trigger), given the command's id.
    void setBeforeEachCommand(std::function<void(int id)> step) { m_before = std::move(step); }

  signals:
    /// A command has run: the states of commands may have changed.
    void commandRan();

  private:
    QWidget* m_owner;
    Prompter& m_prompter;
    std::vector<Entry> m_entries;
    std::function<std::set<int>()> m_enabledIds;
    std::function<void(int id)> m_before;
};

/// A toolbar picture by name, with its double-size drawing when there is one.
QIcon ToolBarIcon(const char* name);
