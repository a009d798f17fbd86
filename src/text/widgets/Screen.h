#pragma once

class CLSCommandSet;

/// What the main window asks of a screen (the study screen, the editor).
/// It holds the screen shown through this alone, so nothing else needs to
/// know which one that is.
class CLSScreen {
  public:
    virtual ~CLSScreen() = default;

    /// Which of the main window's menu items and buttons go with this
    /// screen (a CLSScreenMask bit).
    virtual unsigned screenMask() const = 0;
    /// The screen's commands, for the menus, the toolbar and the keys.
    virtual CLSCommandSet& commands() = 0;
    /// F1's help topic at this moment.
    virtual int helpTopic() const = 0;

    /// The screen becomes the one shown, or stops being it.
    virtual void enterScreen() = 0;
    virtual void leaveScreen() = 0;
    /// The window is closing with this screen shown; when the closing is
    /// called off, closeCancelled follows.
    virtual void windowClosing() = 0;
    virtual void closeCancelled() = 0;
    /// What is being typed goes into the document (before a command of the
    /// window acts on it, before the file is saved).
    virtual void commitEdits() = 0;
    /// Whether the document's file version may be changed (the data
    /// information dialog) while this screen is shown; then
    /// documentConverted follows a change.
    virtual bool mayConvertDocument() const { return false; }
    virtual void documentConverted() {}
};
