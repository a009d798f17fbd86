#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class Prompter;
class QAction;
class QIcon;
class QWidget;

/// One command as the menus, the toolbar and the keyboard show it. The id
/// is the command's number, which help topics and tool tips go by.
struct CLSCommandSpec {
    int id = 0;
    const char* text = "";           // menu text with its mnemonic (UTF-8)
    const char* tip = nullptr;       // tool tip and status bar text
    const char* shortcut = nullptr;  // as QKeySequence reads it ("Ctrl+O", "F7")
    const char* icon = nullptr;      // toolbar picture ":/toolbar/NAME.png"
    bool checkable = false;
};

/// The commands of one screen (or of the main window): a QAction each,
/// made from its declaration, connected to what it does and enabled and checked by
/// its rules. The actions belong to the owner widget, so their keys work
/// while it is shown.
class CLSCommandSet : public QObject {
    Q_OBJECT
  public:
    /// Errors a command raises are shown through the prompter.
    CLSCommandSet(QWidget* owner, Prompter& prompter);

    /// Declares a command; enabled and checked default to always and never.
    QAction* add(const CLSCommandSpec& command, std::function<void()> run,
                 std::function<bool()> enabled = {}, std::function<bool()> checked = {});
    /// The command's action, or nullptr when it is not one of these.
    QAction* action(int id) const;
    std::vector<QAction*> actions() const;
    /// Runs a command as its menu item would (nothing when it is disabled).
    bool trigger(int id);
    /// Applies every enable and check rule.
    void update();
    /// A step every command takes first, however it is started (key, menu,
    /// toolbar or trigger), given the command's id.
    void setBeforeEachCommand(std::function<void(int id)> step) { m_before = std::move(step); }

  signals:
    /// A command has run: the states of commands may have changed.
    void commandRan();

  private:
    struct Entry {
        int id;
        QAction* action;
        std::function<bool()> enabled;
        std::function<bool()> checked;
    };
    QWidget* m_owner;
    Prompter& m_prompter;
    std::vector<Entry> m_entries;
    std::function<void(int id)> m_before;
};

/// A toolbar picture by name, with its double-size drawing when there is one.
QIcon ToolBarIcon(const char* name);
