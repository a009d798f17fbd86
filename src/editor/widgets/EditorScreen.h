#pragma once

#include <QPointer>
#include <QUndoStack>
#include <QWidget>
#include <optional>
#include <vector>

#include "editor/EditorRules.h"
#include "editor/LineChange.h"
#include "text/widgets/Screen.h"

class CLSCard;
class CLSCommandSet;
class CLSLineListModel;
struct CLSLineSelection;
class CLSVorelDataFile;
class CLSVorelSettings;
class CLSWndSeparator;
class Prompter;
class QMenu;
class QTableView;

/// The editing screen: the list of the document's lines on the left, the
/// card of the current line on the right, and the editing commands. Every
/// line command (add, insert, erase, cut, paste, move, mark, group names,
/// message, and each card field written back) is a step on the document's
/// undo stack.
class CLSEditorScreen : public QWidget, public CLSScreen {
    Q_OBJECT
  public:
    CLSEditorScreen(CLSVorelDataFile& doc, CLSVorelSettings& settings, Prompter& prompter,
                    QWidget* parent = nullptr);
    ~CLSEditorScreen() override;

    // CLSScreen
    unsigned screenMask() const override;
    /// The editor's commands (EditorCommandIds.h) for the main window's
    /// menus and toolbar.
    CLSCommandSet& commands() override { return *m_commands; }
    void enterScreen() override { open(); }
    void leaveScreen() override { close(); }
    void windowClosing() override { close(); }
    void closeCancelled() override { open(); }
    void commitEdits() override { commitCard(); }
    bool mayConvertDocument() const override { return true; }

    /// The screen is shown: the list shows the document anew, row 0 current.
    void open();
    /// The screen goes: the card writes back, widths go to the settings.
    void close();
    /// Before the document is replaced: the card writes back.
    void documentLoading();
    /// After a load or a new document: the list anew, the undo steps gone.
    void documentLoaded();
    /// The document was converted to another version: its lines are shown
    /// again on the same row, and undo steps of the old version are gone.
    void documentConverted() override;
    /// Writes the card's fields back into the current line (an undo step
    /// when something changed).
    void commitCard();
    /// The design's fonts changed (the customisation sheet).
    void applySettings();

    QTableView* list() const { return m_list; }
    CLSCard* card() const { return m_card; }
    QUndoStack& undoStack() { return m_undo; }
    /// F1's topic: the card's while the keyboard is in it, else the screen's.
    int helpTopic() const override;
    /// The selected lines, ascending.
    std::vector<int> selectedLines() const;
    /// The line of the list's current row, -1 when none.
    int currentLine() const;
    /// Makes a line current and selected (alone), scrolled into view.
    void selectLine(int line);

  signals:
    /// A status bar part's text (StatusPart::kHelp or kPosition).
    void statusChanged(int part, const QString& text);
    /// The enabled or checked state of commands may have changed.
    void commandsChanged();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // EditorCommands.cpp
    void createCommands();
    void createMenus();
    CLSEditorState currentState() const;
    void updateCommands();
    void addLine(int kind, bool atEnd);
    void eraseSelected(const QString& undoText);
    void copySelected();
    void paste();
    void moveSelected(bool up);
    void setMarks(bool on);
    void invertSelection();
    void editGroupNames();
    void editMessage();
    void insertMedia();
    bool fieldCommand(int command);
    /// Whether a command works inside the focused card field (its own undo,
    /// clipboard, selection, media reference) rather than on the lines.
    bool actsOnFocusedField(int command) const;
    void showListMenu(const QPoint& globalPosition);

    // EditorTools.cpp
    void openFind();
    void findNext(bool forward);
    void selectWhere();
    /// The selected question lines; without one the learner is told so.
    std::vector<int> selectedQuestionsOrSay();
    void sortSelected();
    void changeGroup();
    void clearHistory();
    void swapSelected();

    // EditorScreen.cpp
    /// The control the commands act on: the focused one of the screen, or
    /// the one that had the keyboard before a menu opened from the
    /// keyboard or a dialog took it.
    QWidget* focusedControl() const;
    /// Gives the list the keyboard (after a dialog, before a line command);
    /// the commands' states follow at once.
    void focusList();
    void resetView();
    void layOut();
    void lineFocused(int row);
    void showLineCounter();
    void storeWidths();
    /// Pushes a line change; select (and current) say what is selected after it is made.
    void pushChange(const QString& text, CLSLineChange change, std::vector<int> select, int current,
                    bool focusCard = false);
    void changeDone(const CLSLineChange& change, bool undone, const CLSLineSelection& selection);
    void applySelection(const std::vector<int>& lines, int current);

    CLSVorelDataFile& m_doc;
    CLSVorelSettings& m_settings;
    Prompter& m_prompter;
    QUndoStack m_undo;
    CLSCommandSet* m_commands = nullptr;
    CLSLineListModel* m_model = nullptr;
    QTableView* m_list = nullptr;
    CLSWndSeparator* m_separator = nullptr;
    CLSCard* m_card = nullptr;
    QMenu* m_entryMenu = nullptr;
    bool m_erasing = false;
    bool m_committing = false;
    int m_shownLine = -1;
    // The control of the screen that last had the keyboard.
    QPointer<QWidget> m_focus;
};
